#include "DbModel.h"
#include "LogCapture.h"
#include "RecordStore.h"
#include "ScopedTransaction.h"
#include "StoreStatements.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using Row = RecordStore::Row;
Q_DECLARE_METATYPE(StoreStatements::Select)

namespace {

Row playlistRow(const QString &path, const QString &time = QStringLiteral("20240101120000000"))
{
    DbModel model;
    model.path = path;
    model.fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    model.time = time;
    model.size = QStringLiteral("1.5");
    return model.toRow();
}

QStringList storedPaths(RecordStore &store, int limit = 0)
{
    QStringList paths;
    store.selectRows(RecordStore::PlaylistTable, limit, {}, {QStringLiteral("time")},
                     [&](const QList<DbModel *> &rows, bool) {
                         for (const DbModel *row : rows)
                             paths << row->path;
                     });
    return paths;
}

int tableCount(const QString &databasePath)
{
    int count = -1;
    {
        QSqlDatabase db
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
        db.setDatabaseName(databasePath);
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'"),
                            db);
            if (query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("peek"));
    return count;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRecordStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Zemko Player")); }
    void statementShapes_data();
    void statementShapes();
    void createAndInsertStatements();
    void queryOrderOnDisk_data();
    void queryOrderOnDisk();
    void tablesCreatedOnceOnFirstUse();
    void pageSizeOfNewFilesOnly();
    void insertRefusesUnknownColumnsAndEmptyRows();
    void hostileValuesAreStoredExactly_data();
    void hostileValuesAreStoredExactly();
    void recordLookupByPath();
    void missingRecordGivesResetRecord();
    void deleteRows();
    void oneAdditionIsOneTransaction();
    void unfinishedTransactionLeavesNothing();
    void unusableDatabaseFile_data();
    void unusableDatabaseFile();
    void readOnlyDatabaseFile();
    void saveOperations();

private:
    QTemporaryDir m_dir;
    int m_storeNumber = 0;
    QString freshPath()
    {
        return m_dir.filePath(QStringLiteral("store%1.db").arg(++m_storeNumber));
    }
};

void TestRecordStore::statementShapes_data()
{
    QTest::addColumn<StoreStatements::Select>("kind");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("limit");
    QTest::addColumn<Row>("conditions");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("expected");
    using S = StoreStatements::Select;
    const QStringList time {QStringLiteral("time")};
    QTest::addRow("playlist newest first") << S::Many << "LoadFiles" << 0 << Row() << time
                                           << "SELECT * FROM LoadFiles ORDER BY time DESC";
    QTest::addRow("playlist limit oldest first")
        << S::Many << "LoadFiles" << 20 << Row() << time
        << "SELECT * FROM LoadFiles ORDER BY time LIMIT 20";
    QTest::addRow("playlist negative limit no order")
        << S::Many << "LoadFiles" << -3 << Row() << QStringList() << "SELECT * FROM LoadFiles DESC";
    QTest::addRow("playlist limit one") << S::Many << "LoadFiles" << 1 << Row() << QStringList()
                                        << "SELECT * FROM LoadFiles LIMIT 1";
    QTest::addRow("conditions ignore limit and order")
        << S::One << "VideoMessage" << 5 << Row {{"path", "/a/b.mp4"}} << time
        << "SELECT * FROM VideoMessage WHERE path = ?";
    QTest::addRow("conditions joined by AND")
        << S::Many << "LoadFiles" << 0 << Row {{"path", "x"}, {"fileName", "y"}} << time
        << "SELECT * FROM LoadFiles WHERE fileName = ? AND path = ?";
    QTest::addRow("record without limit has no DESC")
        << S::One << "VideoMessage" << 0 << Row() << time
        << "SELECT * FROM VideoMessage ORDER BY time";
    QTest::addRow("record limit several order columns")
        << S::One << "VideoMessage" << 2 << Row() << QStringList {"time", "path"}
        << "SELECT * FROM VideoMessage ORDER BY time,path LIMIT 2";
    QTest::addRow("record bare") << S::One << "VideoMessage" << -1 << Row() << QStringList()
                                 << "SELECT * FROM VideoMessage";
}

void TestRecordStore::statementShapes()
{
    QFETCH(StoreStatements::Select, kind);
    QFETCH(QString, table);
    QFETCH(int, limit);
    QFETCH(Row, conditions);
    QFETCH(QStringList, order);
    QFETCH(QString, expected);
    QCOMPARE(StoreStatements::select(kind, table, limit, conditions, order), expected);
}

void TestRecordStore::createAndInsertStatements()
{
    QCOMPARE(StoreStatements::createTable("LoadFiles",
                                          {"fileName", "time", "path", "size", "jsonMessage"}),
             QStringLiteral("CREATE TABLE IF NOT EXISTS LoadFiles (ID INTEGER PRIMARY KEY "
                            "AUTOINCREMENT,fileName TEXT,time TEXT,path TEXT,size TEXT,"
                            "jsonMessage TEXT)"));
    // Keys in ascending order, whatever order the caller thinks of.
    QCOMPARE(StoreStatements::insert("LoadFiles", playlistRow("/cam/a.mp4")),
             QStringLiteral(
                 "INSERT INTO LoadFiles (fileName,jsonMessage,path,size,time) VALUES (?,?,?,?,?)"));
    QCOMPARE(StoreStatements::deleteWhere("LoadFiles", "path"),
             QStringLiteral("DELETE FROM LoadFiles WHERE path=?"));
}

void TestRecordStore::queryOrderOnDisk_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("all newest first") << 0 << QStringList {"/c.mp4", "/b.mp4", "/a.mp4"};
    QTest::addRow("limited oldest first") << 2 << QStringList {"/a.mp4", "/b.mp4"};
}

void TestRecordStore::queryOrderOnDisk()
{
    QFETCH(int, limit);
    QFETCH(QStringList, expected);
    RecordStore store(freshPath(), QStringLiteral("order"));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/b.mp4", "20240102")));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/c.mp4", "20240103")));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/a.mp4", "20240101")));
    QCOMPARE(storedPaths(store, limit), expected);
}

void TestRecordStore::tablesCreatedOnceOnFirstUse()
{
    LogCapture log;
    const QString path = freshPath();
    {
        RecordStore store(path, QStringLiteral("create"));
        QVERIFY(store.isOpen());
        QCOMPARE(log.count("数据库打开成功"), 1);
        QVERIFY(QFile::exists(path));
        QVERIFY(store.ensureTable(RecordStore::PlaylistTable));
        QVERIFY(store.ensureTable(RecordStore::PlaylistTable));
        QCOMPARE(log.count("开始创建表"), 1);
        QVERIFY(store.ensureTable(RecordStore::RecordTable));
        QCOMPARE(log.count("开始创建表"), 2);
        QCOMPARE(store.currentTable(), QStringLiteral("VideoMessage"));
        QCOMPARE(store.cachedColumns("VideoMessage"),
                 QStringList({"fileName", "time", "path", "jsonMessage"}));
    }
    // Reopened: the migration reads the columns back, nothing is created again.
    RecordStore again(path, QStringLiteral("create"));
    QVERIFY(again.ensureTable(RecordStore::PlaylistTable));
    QCOMPARE(log.count("开始创建表"), 2);
    QCOMPARE(again.cachedColumns("LoadFiles"),
             QStringList({"ID", "fileName", "time", "path", "size", "jsonMessage"}));
}

namespace {

int pageSize(const QString &path)
{
    int size = 0;
    {
        QSqlDatabase database
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pages"));
        database.setDatabaseName(path);
        if (database.open()) {
            QSqlQuery query(QStringLiteral("PRAGMA page_size"), database);
            if (query.next())
                size = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pages"));
    return size;
}

} // namespace

// New files get large pages for the megabyte-sized tracks; a database that
// already holds tables keeps its layout and its rows.
void TestRecordStore::pageSizeOfNewFilesOnly()
{
    const QString fresh = freshPath();
    {
        RecordStore store(fresh, QStringLiteral("pages-new"));
        QVERIFY(store.ensureTable(RecordStore::PlaylistTable));
    }
    QCOMPARE(pageSize(fresh), 65536);

    const QString existing = freshPath();
    {
        QSqlDatabase database
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        database.setDatabaseName(existing);
        QVERIFY(database.open());
        QSqlQuery query(database);
        QVERIFY(query.exec(QStringLiteral("PRAGMA page_size=4096")));
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE VideoMessage (fileName TEXT, time TEXT, "
                                          "path TEXT, jsonMessage TEXT)")));
        QVERIFY(query.exec(
            QStringLiteral("INSERT INTO VideoMessage VALUES "
                           "('a.MP4', 't', '/card/a.MP4', '{\"path\":\"/card/a.MP4\"}')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    {
        RecordStore store(existing, QStringLiteral("pages-old"));
        bool found = false;
        QString storedPath;
        store.selectRecord(RecordStore::RecordTable, 0,
                           {{QStringLiteral("path"), QStringLiteral("/card/a.MP4")}}, {},
                           [&](VideoMessage &record, bool isFound) {
                               found = isFound;
                               storedPath = record.path;
                           });
        QVERIFY(found);
        QCOMPARE(storedPath, QStringLiteral("/card/a.MP4"));
    }
    QCOMPARE(pageSize(existing), 4096);
}

void TestRecordStore::insertRefusesUnknownColumnsAndEmptyRows()
{
    RecordStore store(freshPath(), QStringLiteral("refuse"));
    LogCapture log;
    QVERIFY(!store.insertRow(RecordStore::PlaylistTable, Row()));
    QVERIFY(log.lines().isEmpty());
    Row row = playlistRow("/a.mp4");
    row.insert("width", "1920");
    QVERIFY(!store.insertRow(RecordStore::PlaylistTable, row));
    QCOMPARE(log.count("字段不存在： width"), 1);
    QCOMPARE(log.count("插入失败"), 1);
    QVERIFY(storedPaths(store).isEmpty());
    // Condition columns are names in the statement text, so they are checked too.
    bool ok = true;
    store.selectRows(RecordStore::PlaylistTable, 0, {{"path = path OR 1", "x"}}, {},
                     [&](const QList<DbModel *> &, bool result) { ok = result; });
    QVERIFY(!ok);
}

void TestRecordStore::hostileValuesAreStoredExactly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addRow("quotes and comment") << QString::fromUtf8("/cam/it's \"here\"; -- 测试.mp4");
    QTest::addRow("statement injection")
        << QStringLiteral("/cam/x'); DROP TABLE LoadFiles; --.mp4");
    QTest::addRow("percent placeholders") << QStringLiteral("/cam/%1 %2 ? :path.mp4");
}

void TestRecordStore::hostileValuesAreStoredExactly()
{
    QFETCH(QString, path);
    const QString file = freshPath();
    RecordStore store(file, QStringLiteral("hostile"));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/cam/other.mp4")));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow(path)));

    QList<DbModel> rows;
    store.selectRows(RecordStore::PlaylistTable, 0, {}, {"time"},
                     [&](const QList<DbModel *> &result, bool ok) {
                         QVERIFY(ok);
                         for (const DbModel *row : result)
                             rows << *row;
                     });
    QCOMPARE(rows.size(), 2);
    QVERIFY(std::any_of(rows.cbegin(), rows.cend(), [&](const DbModel &row) {
        return row.path == path && row.fileName == path.mid(5) && row.size == "1.5";
    }));

    VideoMessage record;
    record.path = path;
    record.fileName = path.mid(5);
    record.videoCodec = path;
    QVERIFY(store.insertRow(RecordStore::RecordTable, record.toRow()));
    bool found = false;
    store.selectRecord(RecordStore::RecordTable, 0, {{"path", path}}, {},
                       [&](VideoMessage &stored, bool isFound) {
                           found = isFound;
                           QCOMPARE(stored.videoCodec, path);
                       });
    QVERIFY(found);

    QVERIFY(store.deleteRows(RecordStore::PlaylistTable, {{"path", path}}));
    QCOMPARE(storedPaths(store), QStringList {"/cam/other.mp4"});
    QCOMPARE(tableCount(file), 3); // LoadFiles, VideoMessage, sqlite_sequence
}

void TestRecordStore::recordLookupByPath()
{
    // Dash cams reuse names such as FILE0001.MOV on every card.
    RecordStore store(freshPath(), QStringLiteral("lookup"));
    for (const QString folder : {"/cardA", "/cardB"}) {
        VideoMessage record;
        record.path = folder + QStringLiteral("/FILE0001.MOV");
        record.fileName = QStringLiteral("FILE0001.MOV");
        record.duration = folder == QLatin1String("/cardA") ? "60" : "180";
        QVERIFY(store.insertRow(RecordStore::RecordTable, record.toRow()));
    }
    QString duration;
    store.selectRecord(RecordStore::RecordTable, 0, {{"path", "/cardB/FILE0001.MOV"}}, {},
                       [&](VideoMessage &record, bool found) {
                           QVERIFY(found);
                           duration = record.duration;
                       });
    QCOMPARE(duration, QStringLiteral("180"));
    QVERIFY(store.deleteRows(RecordStore::RecordTable, {{"path", "/cardB/FILE0001.MOV"}}));
    store.selectRecord(RecordStore::RecordTable, 0, {{"path", "/cardA/FILE0001.MOV"}}, {},
                       [&](VideoMessage &record, bool found) {
                           QVERIFY(found);
                           duration = record.duration;
                       });
    QCOMPARE(duration, QStringLiteral("60"));
}

void TestRecordStore::missingRecordGivesResetRecord()
{
    RecordStore store(freshPath(), QStringLiteral("missing"));
    int calls = 0;
    store.selectRecord(RecordStore::RecordTable, 5, {{"path", "/nowhere.mp4"}}, {},
                       [&](VideoMessage &record, bool found) {
                           ++calls;
                           QVERIFY(!found);
                           QVERIFY(record.aevSpeed.isEmpty());
                           QVERIFY(record.maxSpeed.isEmpty());
                           QVERIFY(record.distance.isEmpty());
                           QCOMPARE(record.width, QStringLiteral("0"));
                           QCOMPARE(record.height, QStringLiteral("0"));
                       });
    QCOMPARE(calls, 1);
}

void TestRecordStore::deleteRows()
{
    RecordStore store(freshPath(), QStringLiteral("delete"));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/a/FILE0001.MOV")));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/b/FILE0001.MOV")));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/b/FILE0002.MOV")));
    LogCapture log;
    QVERIFY(!store.deleteRows(RecordStore::PlaylistTable, Row()));
    QCOMPARE(log.count("删除数据失败"), 1);
    QCOMPARE(storedPaths(store).size(), 3);
    // By name every folder's file goes; by path only that one.
    QVERIFY(store.deleteRows(RecordStore::PlaylistTable, {{"path", "/b/FILE0002.MOV"}}));
    QCOMPARE(storedPaths(store).size(), 2);
    QVERIFY(store.deleteRows(RecordStore::PlaylistTable, {{"fileName", "FILE0001.MOV"}}));
    QVERIFY(storedPaths(store).isEmpty());
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/c.mp4")));
    QVERIFY(store.deleteAll(RecordStore::PlaylistTable));
    QCOMPARE(log.count("删除全部数据成功"), 1);
    QVERIFY(storedPaths(store).isEmpty());
}

void TestRecordStore::oneAdditionIsOneTransaction()
{
    RecordStore store(freshPath(), QStringLiteral("batch"));
    QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/kept.mp4")));
    QList<Row> rows;
    for (int i = 0; i < 5; ++i)
        rows << playlistRow(QStringLiteral("/new%1.mp4").arg(i));
    rows[3].insert("width", "1"); // refused in the middle of the addition
    QVERIFY(!store.insertRows(RecordStore::PlaylistTable, rows));
    QCOMPARE(storedPaths(store), QStringList {"/kept.mp4"});

    rows[3].remove("width");
    QVERIFY(store.insertRows(RecordStore::PlaylistTable, rows));
    QCOMPARE(storedPaths(store).size(), 6);

    // A caller's transaction around single inserts: a failure spoils all of it.
    {
        ScopedTransaction transaction(store);
        QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/x.mp4")));
        QVERIFY(!store.insertRow(RecordStore::PlaylistTable, Row {{"bogus", "1"}}));
        QVERIFY(!transaction.commit());
    }
    QCOMPARE(storedPaths(store).size(), 6);
}

void TestRecordStore::unfinishedTransactionLeavesNothing()
{
    // Closing the connection in the middle stands for a crash: SQLite's
    // journal rolls back whatever was not committed.
    const QString path = freshPath();
    {
        RecordStore store(path, QStringLiteral("crash"));
        QVERIFY(store.insertRow(RecordStore::PlaylistTable, playlistRow("/before.mp4")));
        QVERIFY(store.beginTransaction());
        for (int i = 0; i < 3; ++i)
            QVERIFY(store.insertRow(RecordStore::PlaylistTable,
                                    playlistRow(QStringLiteral("/half%1.mp4").arg(i))));
    }
    RecordStore reopened(path, QStringLiteral("crash"));
    QCOMPARE(storedPaths(reopened), QStringList {"/before.mp4"});
}

void TestRecordStore::unusableDatabaseFile_data()
{
    QTest::addColumn<bool>("locked");
    QTest::addRow("not a database") << false;
    QTest::addRow("locked by another process") << true;
}

void TestRecordStore::unusableDatabaseFile()
{
    QFETCH(bool, locked);
    const QString path = freshPath();
    if (locked) {
        RecordStore seed(path, QStringLiteral("seed"));
        QVERIFY(seed.insertRow(RecordStore::PlaylistTable, playlistRow("/kept.mp4")));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("This is my shopping list, not a database.\n").repeated(200));
    }
    const QByteArray before = fileBytes(path);

    // Another connection holding an exclusive lock acts as another process.
    QSqlDatabase holder;
    if (locked) {
        holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(path);
        QVERIFY(holder.open());
        QSqlQuery lock(holder);
        QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    {
        LogCapture log;
        RecordStore store(path, QStringLiteral("unusable"));
        QVERIFY(!store.isOpen());
        QCOMPARE(log.count("数据库打开失败"), 1);
        bool ok = true;
        store.selectRows(RecordStore::PlaylistTable, 0, {}, {"time"},
                         [&](const QList<DbModel *> &rows, bool result) {
                             ok = result;
                             QVERIFY(rows.isEmpty());
                         });
        QVERIFY(!ok);
        QCOMPARE(log.count("取出数据失败"), 1);
        QVERIFY(!store.insertRow(RecordStore::PlaylistTable, playlistRow("/new.mp4")));
        QVERIFY(!store.insertRows(RecordStore::PlaylistTable, {playlistRow("/new.mp4")}));
        QVERIFY(!store.deleteAll(RecordStore::PlaylistTable));
        QVERIFY(!store.deleteRows(RecordStore::PlaylistTable, {{"path", "/kept.mp4"}}));
    }
    if (locked) {
        holder.rollback();
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        RecordStore after(path, QStringLiteral("after"));
        QCOMPARE(storedPaths(after), QStringList {"/kept.mp4"});
    }
    QCOMPARE(fileBytes(path), before);
}

void TestRecordStore::readOnlyDatabaseFile()
{
    const QString path = freshPath();
    {
        RecordStore seed(path, QStringLiteral("seed"));
        QVERIFY(seed.insertRow(RecordStore::PlaylistTable, playlistRow("/kept.mp4")));
    }
    // root writes to files whatever their mode says; the immutable flag holds.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    bool immutable = false;
    if (QFile(path).open(QIODevice::ReadWrite)) {
        immutable = QProcess::execute(QStringLiteral("chattr"), {"+i", path}) == 0;
        if (!immutable || QFile(path).open(QIODevice::ReadWrite))
            QSKIP("cannot make a file read-only here");
    }
    const QByteArray before = fileBytes(path);
    {
        RecordStore store(path, QStringLiteral("readonly"));
        QCOMPARE(storedPaths(store), QStringList {"/kept.mp4"});
        QVERIFY(!store.insertRow(RecordStore::PlaylistTable, playlistRow("/new.mp4")));
        QVERIFY(!store.deleteAll(RecordStore::PlaylistTable));
        QCOMPARE(storedPaths(store), QStringList {"/kept.mp4"});
    }
    if (immutable)
        QProcess::execute(QStringLiteral("chattr"), {"-i", path});
    QCOMPARE(fileBytes(path), before);
}

void TestRecordStore::saveOperations()
{
    // save() writes to the process-wide store in the test's data folder.
    QVERIFY(RecordStore::defaultDatabasePath().startsWith(zemko::testRoot()));
    QVERIFY(RecordStore::defaultDatabasePath().endsWith("/ZemkoPlayer/ZemkoPlayer.db"));
    RecordStore &store = RecordStore::instance();

    DbModel row;
    row.path = "/cam/a.mp4";
    row.fileName = "a.mp4";
    row.is3DVideo = true;
    row.width = "1920";
    QVERIFY(row.save());
    QCOMPARE(storedPaths(store), QStringList {"/cam/a.mp4"});

    VideoMessage record;
    record.path = "/cam/a.mp4";
    QVERIFY(record.save());
    QVERIFY(record.isSave);
    store.selectRecord(RecordStore::RecordTable, 0, {{"path", "/cam/a.mp4"}}, {},
                       [](VideoMessage &stored, bool found) {
                           QVERIFY(found);
                           QVERIFY(stored.isSave);
                       });

    // The table changed under the store: the insert fails, isSave says so.
    {
        QSqlDatabase side
            = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("side"));
        side.setDatabaseName(RecordStore::defaultDatabasePath());
        QVERIFY(side.open());
        QSqlQuery change(side);
        QVERIFY(change.exec(QStringLiteral("DROP TABLE VideoMessage")));
        QVERIFY(change.exec(
            QStringLiteral("CREATE TABLE VideoMessage (ID INTEGER PRIMARY KEY, other TEXT)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("side"));
    VideoMessage failing;
    failing.path = "/cam/b.mp4";
    QVERIFY(!failing.save());
    QVERIFY(!failing.isSave);
}

ZEMKO_TEST_GUILESS_MAIN(TestRecordStore)
#include "tst_recordstore.moc"
