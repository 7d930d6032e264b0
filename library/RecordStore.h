#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

class DbModel;
class VideoMessage;

// The playlist ("LoadFiles") and the media record cache ("VideoMessage") in
// one SQLite file. GUI thread only: the connection belongs to the thread that
// made the store, and currentTable is shared by all operations.
// The process-wide store lives in the data directory; tests make their own
// on any file or ":memory:" under their own connection name.
class RecordStore
{
public:
    enum TableKind { PlaylistTable = 1, RecordTable = 2 };
    using Row = QMap<QString, QString>;
    // Arguments live only while the callback runs; receivers copy them.
    using RecordCallback = std::function<void(VideoMessage &record, bool found)>;
    using RowsCallback = std::function<void(const QList<DbModel *> &rows, bool ok)>;

    // Created on first use on the default connection, never destroyed.
    static RecordStore &instance();
    // dataDirectory() + "/" + application name without spaces + ".db".
    static QString defaultDatabasePath();

    explicit RecordStore(const QString &databasePath,
                         const QString &connectionName
                         = QLatin1String(QSqlDatabase::defaultConnection));
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    bool isOpen() const;

    bool ensureTable(TableKind kind);
    bool insertRow(TableKind kind, const Row &row);
    // All rows or none, in one transaction.
    bool insertRows(TableKind kind, const QList<Row> &rows);
    void selectRecord(TableKind kind, int limit, const Row &conditions,
                      const QStringList &orderColumns, const RecordCallback &callback);
    void selectRows(TableKind kind, int limit, const Row &conditions,
                    const QStringList &orderColumns, const RowsCallback &callback);
    // Uses the first condition only.
    bool deleteRows(TableKind kind, const Row &conditions);
    bool deleteAll(TableKind kind);

    // Prefer ScopedTransaction. Nested calls join the outermost transaction.
    bool beginTransaction();
    bool commitTransaction();
    void rollbackTransaction();

    QString currentTable() const { return m_currentTable; }
    QStringList cachedColumns(const QString &table) const { return m_columnCache.value(table); }

private:
    struct ColumnToAdd
    {
        QString column;
        QString type;
    };

    void migrate();
    // Logs and refuses names that are not columns of the current table.
    bool knownColumns(const QStringList &columns) const;
    void ensureLookupIndex();

    QSqlDatabase m_database;
    QString m_connectionName;
    // Columns the migration adds when missing; none in this version.
    QMap<QString, ColumnToAdd> m_columnsToAdd;
    QMap<QString, QStringList> m_columnCache;
    QString m_currentTable;
    int m_transactionDepth = 0;
    bool m_transactionFailed = false;
    bool m_lookupIndexMade = false;
};
