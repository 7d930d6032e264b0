#include "RecordStore.h"

#include "DbModel.h"
#include "FileUtils.h"
#include "JsonRecordReader.h"
#include "ScopedTransaction.h"
#include "StoreStatements.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <sqlite3.h>

#include <memory>
#include <vector>

namespace {

struct TableDefinition
{
    QString name;
    QStringList columns;
};

const TableDefinition *tableDefinition(RecordStore::TableKind kind)
{
    static const TableDefinition playlist {QStringLiteral("LoadFiles"),
                                           {QStringLiteral("fileName"), QStringLiteral("time"),
                                            QStringLiteral("path"), QStringLiteral("size"),
                                            QStringLiteral("jsonMessage")}};
    static const TableDefinition records {QStringLiteral("VideoMessage"),
                                          {QStringLiteral("fileName"), QStringLiteral("time"),
                                           QStringLiteral("path"), QStringLiteral("jsonMessage")}};
    switch (kind) {
    case RecordStore::PlaylistTable:
        return &playlist;
    case RecordStore::RecordTable:
        return &records;
    }
    return nullptr;
}

// Runs one statement on a fresh query; values fill the "?" placeholders in order.
bool run(QSqlQuery &query, const QString &statement, const QStringList &values = {})
{
    if (values.isEmpty())
        return query.exec(statement);
    if (!query.prepare(statement))
        return false;
    for (const QString &value : values)
        query.addBindValue(value);
    return query.exec();
}

struct StatementDeleter
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// Fills the record from the "jsonMessage" column of every result row, read
// as the UTF-8 bytes SQLite keeps: Qt's driver would hand each document
// (2 MiB for an hour's track) over as UTF-16, to be turned back into UTF-8
// for decoding. False when the statement or a value is anything but plain
// text; the caller then resets the record and runs the query through Qt,
// which also logs the error.
bool readRecordDocuments(const QSqlDatabase &database, const QString &statement,
                         const QStringList &values, VideoMessage &record, bool &found)
{
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    if (!connection)
        return false;
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare16_v2(connection, statement.utf16(), -1, &prepared, nullptr) != SQLITE_OK)
        return false;
    const StatementHandle query(prepared);
    for (int i = 0; i < values.size(); ++i) {
        if (sqlite3_bind_text16(prepared, i + 1, values.at(i).utf16(),
                                values.at(i).size() * int(sizeof(QChar)), SQLITE_TRANSIENT)
            != SQLITE_OK)
            return false;
    }
    int column = -1;
    for (int i = 0; i < sqlite3_column_count(prepared); ++i) {
        if (qstrcmp(sqlite3_column_name(prepared, i), "jsonMessage") == 0)
            column = i;
    }
    if (column < 0)
        return false;
    found = false;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW) {
        if (sqlite3_column_type(prepared, column) != SQLITE_TEXT)
            return false;
        found = true;
        const char *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(prepared, column));
        if (!utf8)
            return false;
        if (JsonRecordReader::read(utf8, sqlite3_column_bytes(prepared, column), record))
            continue;
        // Odd documents, invalid UTF-8 included, take the text exactly as
        // Qt's driver would give it.
        const void *utf16 = sqlite3_column_text16(prepared, column);
        if (!utf16)
            return false;
        record.fromJson(QString(static_cast<const QChar *>(utf16),
                                sqlite3_column_bytes16(prepared, column) / int(sizeof(QChar))));
    }
    return step == SQLITE_DONE;
}

} // namespace

RecordStore &RecordStore::instance()
{
    static RecordStore *store = new RecordStore(defaultDatabasePath());
    return *store;
}

QString RecordStore::defaultDatabasePath()
{
    QString name = QCoreApplication::applicationName();
    name.remove(QLatin1Char(' '));
    return dataDirectory() + QLatin1Char('/') + name + QStringLiteral(".db");
}

RecordStore::RecordStore(const QString &databasePath, const QString &connectionName)
    : m_connectionName(connectionName)
{
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    qDebug().noquote() << "数据库文件存储位置：" << databasePath;
    m_database.setDatabaseName(databasePath);
    // A file locked by another process must not freeze the GUI thread for
    // the driver's default of five seconds per statement.
    m_database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!m_database.open()) {
        qDebug().noquote() << "数据库打开失败" << m_database.lastError().text();
        return;
    }
    // SQLite reads the file only at the first statement: a file that is not
    // a database, or one locked by another process, shows here. The store
    // then stays closed, so it never writes over what the file holds.
    QSqlQuery tables(m_database);
    if (!run(tables,
             QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"))) {
        qDebug().noquote() << "数据库打开失败" << tables.lastError().text();
        tables.finish();
        tables = QSqlQuery();
        m_database.close();
        return;
    }
    qDebug().noquote() << "数据库打开成功";
    QStringList names;
    while (tables.next())
        names << tables.value(0).toString();
    tables.finish();
    // A stored track is megabytes of text; large pages make reading one a
    // few dozen page reads instead of hundreds. Only a file without pages
    // yet takes the size, so existing databases stay as they are.
    if (names.isEmpty()) {
        QSqlQuery pageSize(m_database);
        run(pageSize, QStringLiteral("PRAGMA page_size=65536"));
    }
    for (const QString &name : qAsConst(names)) {
        QSqlQuery info(m_database);
        QStringList columns;
        if (run(info, QStringLiteral("PRAGMA table_info(%1)").arg(name))) {
            while (info.next())
                columns << info.value(QStringLiteral("name")).toString();
        }
        m_columnCache.insert(name, columns);
    }
    migrate();
}

RecordStore::~RecordStore()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool RecordStore::isOpen() const
{
    return m_database.isOpen();
}

void RecordStore::migrate()
{
    bool added = false;
    for (auto it = m_columnsToAdd.cbegin(); it != m_columnsToAdd.cend(); ++it) {
        const QString &table = it.key();
        if (m_columnCache.value(table).contains(it->column))
            continue;
        QSqlQuery query(m_database);
        if (run(query,
                QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                    .arg(table, it->column, it->type))) {
            qDebug().noquote() << "表" << table << "中新增字段" << it->column;
            m_columnCache[table] << it->column;
            added = true;
        } else {
            qDebug().noquote() << "新增字段操作失败：" << query.lastError().text();
        }
    }
    if (!added)
        return;
    for (auto it = m_columnCache.cbegin(); it != m_columnCache.cend(); ++it)
        qDebug().noquote() << "表名：" << it.key() << "字段列表：" << it.value();
}

bool RecordStore::ensureTable(TableKind kind)
{
    const TableDefinition *table = tableDefinition(kind);
    if (!table)
        return false;
    m_currentTable = table->name;
    bool exists = false;
    {
        QSqlQuery query(m_database);
        if (!run(query, StoreStatements::tableExists(), {table->name}) || !query.next())
            return false;
        exists = query.value(QStringLiteral("count")).toInt() > 0;
    }
    if (!exists) {
        qDebug().noquote() << "开始创建表";
        QSqlQuery query(m_database);
        if (!run(query, StoreStatements::createTable(table->name, table->columns)))
            return false;
        m_columnCache.insert(table->name, table->columns);
    } else if (!m_columnCache.contains(table->name)) {
        // Made by another process after this store was opened.
        m_columnCache.insert(table->name, table->columns);
    }
    if (kind == RecordTable)
        ensureLookupIndex();
    return true;
}

// Media records are looked up by path; without an index every lookup reads
// every stored track.
void RecordStore::ensureLookupIndex()
{
    if (m_lookupIndexMade)
        return;
    QSqlQuery query(m_database);
    m_lookupIndexMade
        = run(query,
              QStringLiteral("CREATE INDEX IF NOT EXISTS VideoMessage_path ON VideoMessage(path)"));
}

bool RecordStore::knownColumns(const QStringList &columns) const
{
    const QStringList known = m_columnCache.value(m_currentTable);
    for (const QString &column : columns) {
        if (!known.contains(column)) {
            qDebug().noquote() << "表" << m_currentTable << "字段不存在：" << column;
            return false;
        }
    }
    return true;
}

bool RecordStore::insertRow(TableKind kind, const Row &row)
{
    if (row.isEmpty())
        return false;
    bool inserted = false;
    if (!ensureTable(kind)) {
        qDebug().noquote() << "数据库表不存在";
    } else if (knownColumns(row.keys())) {
        QSqlQuery query(m_database);
        inserted = run(query, StoreStatements::insert(m_currentTable, row), row.values());
        if (!inserted)
            qDebug().noquote() << "inSertDataToTableName插入数据失败插入数据失败："
                               << query.lastError().text();
    }
    if (!inserted) {
        qDebug().noquote() << "插入失败";
        if (m_transactionDepth > 0)
            m_transactionFailed = true;
    }
    return inserted;
}

bool RecordStore::insertRows(TableKind kind, const QList<Row> &rows)
{
    ScopedTransaction transaction(*this);
    for (const Row &row : rows) {
        if (!insertRow(kind, row))
            return false;
    }
    return transaction.commit();
}

void RecordStore::selectRecord(TableKind kind, int limit, const Row &conditions,
                               const QStringList &orderColumns, const RecordCallback &callback)
{
    qDebug().noquote() << "开始单个取数据";
    auto record = std::make_unique<VideoMessage>();
    if (!ensureTable(kind)) {
        qDebug().noquote() << "取出数据失败";
        callback(*record, false);
        return;
    }
    qDebug().noquote() << "VideoMessage______DB::" << static_cast<const void *>(record.get());
    record->reset();
    bool found = false;
    if (knownColumns(conditions.keys() + orderColumns)) {
        const QString statement = StoreStatements::select(
            StoreStatements::Select::One, m_currentTable, limit, conditions, orderColumns);
        const bool isRecordTable = m_currentTable == QLatin1String("VideoMessage");
        if (isRecordTable
            && readRecordDocuments(m_database, statement, conditions.values(), *record, found)) {
            callback(*record, found);
            return;
        }
        record->reset();
        found = false;
        QSqlQuery query(m_database);
        if (run(query, statement, conditions.values())) {
            while (query.next()) {
                found = true;
                if (isRecordTable)
                    record->fromJson(query.value(QStringLiteral("jsonMessage")).toString());
            }
        } else {
            qDebug().noquote() << "查询数据失败：" << query.lastError().text();
        }
    }
    callback(*record, found);
}

void RecordStore::selectRows(TableKind kind, int limit, const Row &conditions,
                             const QStringList &orderColumns, const RowsCallback &callback)
{
    qDebug().noquote() << "开始多个取数据";
    if (!ensureTable(kind)) {
        qDebug().noquote() << "取出数据失败";
        callback({}, false);
        return;
    }
    std::vector<std::unique_ptr<DbModel>> owned;
    QList<DbModel *> rows;
    bool ok = false;
    if (knownColumns(conditions.keys() + orderColumns)) {
        QSqlQuery query(m_database);
        query.setForwardOnly(true);
        const QString statement = StoreStatements::select(
            StoreStatements::Select::Many, m_currentTable, limit, conditions, orderColumns);
        ok = run(query, statement, conditions.values());
        if (!ok)
            qDebug().noquote() << "查询数据失败：" << query.lastError().text();
        if (ok && m_currentTable == QLatin1String("LoadFiles")) {
            const QSqlRecord columns = query.record();
            const int fileName = columns.indexOf(QStringLiteral("fileName"));
            const int path = columns.indexOf(QStringLiteral("path"));
            const int time = columns.indexOf(QStringLiteral("time"));
            const int size = columns.indexOf(QStringLiteral("size"));
            const int json = columns.indexOf(QStringLiteral("jsonMessage"));
            while (query.next()) {
                owned.push_back(std::make_unique<DbModel>());
                DbModel &row = *owned.back();
                row.fileName = query.value(fileName).toString();
                row.path = query.value(path).toString();
                row.time = query.value(time).toString();
                row.size = query.value(size).toString();
                row.setFromJsonMessage(query.value(json).toString());
                rows << &row;
            }
        }
    }
    qDebug().noquote() << "取数据完成";
    callback(rows, ok);
}

bool RecordStore::deleteRows(TableKind kind, const Row &conditions)
{
    bool deleted = false;
    if (!conditions.isEmpty() && ensureTable(kind) && knownColumns({conditions.firstKey()})) {
        const QString statement
            = StoreStatements::deleteWhere(m_currentTable, conditions.firstKey());
        qDebug().noquote() << statement << conditions.first();
        QSqlQuery query(m_database);
        deleted = run(query, statement, {conditions.first()});
        if (!deleted)
            qDebug().noquote() << query.lastError().text();
    }
    qDebug().noquote() << (deleted ? "删除数据成功" : "删除数据失败");
    return deleted;
}

bool RecordStore::deleteAll(TableKind kind)
{
    bool deleted = false;
    if (ensureTable(kind)) {
        QSqlQuery query(m_database);
        deleted = run(query, StoreStatements::deleteAll(m_currentTable));
        if (!deleted)
            qDebug().noquote() << query.lastError().text();
    }
    qDebug().noquote() << (deleted ? "删除全部数据成功" : "删除全部数据失败");
    return deleted;
}

bool RecordStore::beginTransaction()
{
    if (m_transactionDepth == 0) {
        if (!m_database.transaction()) {
            qDebug().noquote() << "开启事务失败：" << m_database.lastError().text();
            return false;
        }
        m_transactionFailed = false;
    }
    ++m_transactionDepth;
    return true;
}

bool RecordStore::commitTransaction()
{
    if (m_transactionDepth == 0)
        return false;
    if (--m_transactionDepth > 0)
        return !m_transactionFailed;
    if (m_transactionFailed) {
        m_database.rollback();
        return false;
    }
    if (m_database.commit())
        return true;
    qDebug().noquote() << "提交事务失败：" << m_database.lastError().text();
    m_database.rollback();
    return false;
}

void RecordStore::rollbackTransaction()
{
    if (m_transactionDepth == 0)
        return;
    if (--m_transactionDepth > 0) {
        m_transactionFailed = true;
        return;
    }
    m_database.rollback();
}
