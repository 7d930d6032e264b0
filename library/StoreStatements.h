#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Statement texts of the record store. Values never appear in them: every
// value is a "?" placeholder, bound in the order of the map's keys.
namespace StoreStatements {

using Row = QMap<QString, QString>;

enum class Select {
    One, // a media record: limit applies only when greater than 0
    Many // playlist rows: without a limit the order is always descending
};

QString tableExists();
QString createTable(const QString &table, const QStringList &columns);
QString insert(const QString &table, const Row &row);
QString select(Select kind, const QString &table, int limit, const Row &conditions,
               const QStringList &orderColumns);
QString deleteWhere(const QString &table, const QString &column);
QString deleteAll(const QString &table);

} // namespace StoreStatements
