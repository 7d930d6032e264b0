#include "StoreStatements.h"

namespace StoreStatements {

namespace {

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

QString orderBy(const QStringList &orderColumns)
{
    if (orderColumns.isEmpty())
        return QString();
    return QStringLiteral(" ORDER BY ") + orderColumns.join(QLatin1Char(','));
}

} // namespace

QString tableExists()
{
    return QStringLiteral(
        "select count(*) as 'count' from sqlite_master where type ='table' and name = ?");
}

QString createTable(const QString &table, const QStringList &columns)
{
    QString text = QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (ID INTEGER PRIMARY KEY "
                                  "AUTOINCREMENT,")
                       .arg(table);
    for (int i = 0; i < columns.size(); ++i)
        text += columns.at(i) + QStringLiteral(" TEXT")
            + (i + 1 < columns.size() ? QStringLiteral(",") : QStringLiteral(")"));
    return text;
}

QString insert(const QString &table, const Row &row)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, row.keys().join(QLatin1Char(',')), placeholders(row.size()));
}

QString select(Select kind, const QString &table, int limit, const Row &conditions,
               const QStringList &orderColumns)
{
    QString text = QStringLiteral("SELECT * FROM %1").arg(table);
    if (!conditions.isEmpty()) {
        QStringList terms;
        for (auto it = conditions.cbegin(); it != conditions.cend(); ++it)
            terms << QStringLiteral("%1 = ?").arg(it.key());
        return text + QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
    }
    text += orderBy(orderColumns);
    if (limit > 0)
        text += QStringLiteral(" LIMIT %1").arg(limit);
    else if (kind == Select::Many)
        text += QStringLiteral(" DESC");
    return text;
}

QString deleteWhere(const QString &table, const QString &column)
{
    return QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(table, column);
}

QString deleteAll(const QString &table)
{
    return QStringLiteral("DELETE FROM %1").arg(table);
}

} // namespace StoreStatements
