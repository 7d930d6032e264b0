#include "CmdModel.h"
#include "DbModel.h"
#include "FileModel.h"
#include "FileUtils.h"
#include "LogCapture.h"
#include "RecordStore.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace {

// Stands in for ffmpeg. Logs its input path, then per FAKE_FFMPEG_MODE
// writes a picture (fast), writes half of one and hangs (slow) or fails.
const char fakeTranscoder[] = R"(#!/bin/sh
for last; do :; done
printf '%s\n' "$2" >> "$FAKE_FFMPEG_LOG"
case "$FAKE_FFMPEG_MODE" in
slow) printf 'half' > "$last"; exec sleep 60 ;;
fail) exit 1 ;;
*) printf 'PNGDATA' > "$last" ;;
esac
)";

struct StoredFile
{
    QString path;
    QString time;
};

} // namespace

class TestFileModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void batchesOfTen();
    void sorting_data();
    void sorting();
    void sortListDataIgnoresUnknownCriterion();
    void roles_data();
    void roles();
    void existingThumbnailQueuesNoJob();
    void workerMakesThumbnailsAndRepaints();
    void failingTranscoderIsSkipped_data();
    void failingTranscoderIsSkipped();
    void repaintFollowsTheFile();
    void removeRowByPath();
    void removeAllOnEmptyModel();
    void siblingFiles_data();
    void siblingFiles();
    void siblingsOfMissingFile();
    void getOtherFileName_data();
    void getOtherFileName();
    void stopWhileSlowTranscoderRuns();

private:
    std::unique_ptr<FileModel> makeModel();
    void store(const QList<StoredFile> &files);
    QStringList shownNames(const FileModel &model) const;
    QStringList transcoderCalls() const;

    QTemporaryDir m_dir;
    QTemporaryDir m_media;
    std::unique_ptr<RecordStore> m_store;
    int m_sortOrder = 0;
    int m_playMode = 0;
    int m_storeNumber = 0;
};

void TestFileModel::initTestCase()
{
    const QString fake = m_dir.filePath("bin/ffmpeg");
    QDir().mkpath(m_dir.filePath("bin"));
    QFile file(fake);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fakeTranscoder);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_dir.filePath("bin")) + ':' + qgetenv("PATH"));
    qputenv("FAKE_FFMPEG_LOG", QFile::encodeName(m_dir.filePath("calls.log")));
    QCOMPARE(CmdModel::transcoderPath(), fake);
}

void TestFileModel::init()
{
    qputenv("FAKE_FFMPEG_MODE", "fast");
    QFile::remove(m_dir.filePath("calls.log"));
    QDir(thumbnailDirectory()).removeRecursively();
    m_sortOrder = 0;
    m_playMode = 0;
    m_store = std::make_unique<RecordStore>(m_dir.filePath(QString("s%1.db").arg(++m_storeNumber)),
                                            QStringLiteral("model"));
}

void TestFileModel::cleanup()
{
    m_store.reset();
}

std::unique_ptr<FileModel> TestFileModel::makeModel()
{
    PlaylistPreferences preferences {[this] { return m_sortOrder; },
                                     [this] {
                                         return m_playMode;
                                     }};
    return std::make_unique<FileModel>(*m_store, preferences);
}

void TestFileModel::store(const QList<StoredFile> &files)
{
    QList<RecordStore::Row> rows;
    for (const StoredFile &file : files) {
        DbModel row;
        row.path = file.path;
        row.fileName = file.path.mid(file.path.lastIndexOf('/') + 1);
        row.time = file.time;
        row.size = "2.0";
        rows << row.toRow();
    }
    QVERIFY(m_store->insertRows(RecordStore::PlaylistTable, rows));
}

QStringList TestFileModel::shownNames(const FileModel &model) const
{
    QStringList names;
    for (int r = 0; r < model.rowCount(); ++r)
        names << model.data(model.index(r), FileModel::FileNameRole).toString();
    return names;
}

QStringList TestFileModel::transcoderCalls() const
{
    QFile log(m_dir.filePath("calls.log"));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TestFileModel::batchesOfTen()
{
    QList<StoredFile> files;
    for (int i = 0; i < 25; ++i)
        files << StoredFile {QString("/cam/f%1.mp4").arg(i, 2, 10, QChar('0')),
                             QString("202401011200%1000").arg(i, 2, 10, QChar('0'))};
    store(files);
    LogCapture log;
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    QCOMPARE(model->storedRowCount(), 25);
    QCOMPARE(model->rowCount(), 10);
    QCOMPARE(shownNames(*model).first(), QStringLiteral("f24.mp4")); // newest first
    model->loadNextBatch();
    QCOMPARE(model->rowCount(), 20);
    QCOMPARE(log.count("没有多余的数据添加了"), 0);
    model->loadNextBatch();
    QCOMPARE(model->rowCount(), 25);
    QCOMPARE(log.count("没有多余的数据添加了"), 1);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted.last().at(1).toInt(), 20);
    QCOMPARE(inserted.last().at(2).toInt(), 24);
    model->loadNextBatch();
    QCOMPARE(log.count("没有多余的数据添加了"), 2);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(log.count("初始化获取文件个数： 25"), 1);
    model.reset();
}

void TestFileModel::sorting_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("0 newest first") << 0 << QStringList {"b.mp4", "a.mp4", "B.mp4"};
    QTest::addRow("1 name ascending, upper case first")
        << 1 << QStringList {"B.mp4", "a.mp4", "b.mp4"};
    QTest::addRow("2 name descending") << 2 << QStringList {"b.mp4", "a.mp4", "B.mp4"};
    QTest::addRow("3 oldest first") << 3 << QStringList {"B.mp4", "a.mp4", "b.mp4"};
    QTest::addRow("4 newest first") << 4 << QStringList {"b.mp4", "a.mp4", "B.mp4"};
    QTest::addRow("other keeps the query order") << 9 << QStringList {"b.mp4", "a.mp4", "B.mp4"};
}

void TestFileModel::sorting()
{
    QFETCH(int, setting);
    QFETCH(QStringList, expected);
    store({{"/x/a.mp4", "20240102000000000"},
           {"/y/B.mp4", "20240101000000000"},
           {"/z/b.mp4", "20240103000000000"}});
    m_sortOrder = setting;
    auto model = makeModel();
    QCOMPARE(shownNames(*model), expected);
}

void TestFileModel::sortListDataIgnoresUnknownCriterion()
{
    auto model = makeModel();
    DbModel a, b;
    a.fileName = "z";
    b.fileName = "a";
    QList<DbModel *> rows {&a, &b};
    model->sortListData(rows, "size", true);
    QCOMPARE(rows, (QList<DbModel *> {&a, &b}));
    model->sortListData(rows, "fileName", true);
    QCOMPARE(rows, (QList<DbModel *> {&b, &a}));
}

void TestFileModel::roles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");
    QTest::addRow("decoration is the thumbnail")
        << 0 << int(Qt::DecorationRole) << QVariant(thumbnailDirectory() + "/clip_.png");
    QTest::addRow("edit is the name") << 0 << int(Qt::EditRole) << QVariant("clip.one.mp4");
    QTest::addRow("30 is the time") << 0 << 30 << QVariant("20240101000000000");
    QTest::addRow("status tip is the size") << 0 << int(Qt::StatusTipRole) << QVariant("2.0");
    QTest::addRow("display is invalid") << 0 << int(Qt::DisplayRole) << QVariant();
    QTest::addRow("tool tip is invalid") << 0 << int(Qt::ToolTipRole) << QVariant();
    QTest::addRow("row past the end") << 1 << int(Qt::EditRole) << QVariant();
}

void TestFileModel::roles()
{
    QFETCH(int, row);
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    store({{"/cam/clip.one.mp4", "20240101000000000"}});
    auto model = makeModel();
    QCOMPARE(model->data(model->index(row, 0), role), expected);
}

void TestFileModel::existingThumbnailQueuesNoJob()
{
    QFile picture(thumbnailDirectory() + "/done_.png");
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("PNG");
    picture.close();
    store({{"/cam/done.mp4", "1"}, {"/cam/todo.mp4", "2"}});
    auto model = makeModel();
    QTRY_COMPARE(transcoderCalls(), QStringList {"/cam/todo.mp4"});
    QTest::qWait(200);
    QCOMPARE(transcoderCalls().size(), 1);
}

void TestFileModel::workerMakesThumbnailsAndRepaints()
{
    const QString hostile = QString::fromUtf8("/cam/it's \"here\"; -- 测试.mp4");
    QList<StoredFile> files {{hostile, "0"}};
    for (int i = 0; i < 14; ++i)
        files << StoredFile {QString("/cam/r%1.mp4").arg(i), QString::number(i + 1)};
    store(files);
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    QTRY_COMPARE(changed.size(), 10);
    QSet<int> rows;
    for (const QList<QVariant> &signal : changed) {
        rows << signal.at(0).toModelIndex().row();
        QCOMPARE(signal.at(2).value<QVector<int>>(), QVector<int> {Qt::DecorationRole});
    }
    QCOMPARE(rows.size(), 10);
    for (int r = 0; r < 10; ++r)
        QVERIFY(QFile::exists(model->data(model->index(r), Qt::DecorationRole).toString()));
    model->loadNextBatch();
    QTRY_COMPARE(changed.size(), 15);
    QVERIFY(transcoderCalls().contains(hostile));
}

void TestFileModel::failingTranscoderIsSkipped_data()
{
    QTest::addColumn<bool>("missing");
    QTest::addRow("transcoder fails") << false;
    QTest::addRow("no transcoder anywhere") << true;
}

void TestFileModel::failingTranscoderIsSkipped()
{
    QFETCH(bool, missing);
    qputenv("FAKE_FFMPEG_MODE", "fail");
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    if (missing)
        qputenv("PATH", QFile::encodeName(empty.path()));
    store({{"/cam/one.mp4", "1"}, {"/cam/two.mp4", "2"}});
    LogCapture log;
    auto model = makeModel();
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    QTRY_COMPARE(log.count("查询文件大小失败："), 2);
    qputenv("PATH", path);
    QCOMPARE(transcoderCalls().size(), missing ? 0 : 2);
    QCOMPARE(log.count("缩略图转码程序不存在："), missing ? 2 : 0);
    QCOMPARE(changed.size(), 0);
    QVERIFY(!QFile::exists(thumbnailDirectory() + "/one_.png"));
}

void TestFileModel::repaintFollowsTheFile()
{
    for (const char *name : {"a", "b", "c"}) {
        QFile picture(thumbnailDirectory() + "/" + name + "_.png");
        QVERIFY(picture.open(QIODevice::WriteOnly));
    }
    store({{"/cam/a.mp4", "3"}, {"/cam/b.mp4", "2"}, {"/cam/c.mp4", "1"}});
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    QCOMPARE(shownNames(*model), QStringList({"a.mp4", "b.mp4", "c.mp4"}));
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    model->removeRow(0);

    model->thumbnailReady(2, "/cam/c.mp4"); // row 2 is past the end now
    model->thumbnailReady(0, "/cam/a.mp4"); // the file is gone
    model->thumbnailReady(1, "/cam/c.mp4"); // still right
    QTRY_COMPARE(changed.size(), 2);
    QTest::qWait(50);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 1);
    QCOMPARE(changed.at(1).at(0).toModelIndex().row(), 1);
}

void TestFileModel::removeRowByPath()
{
    store({{"/cardA/FILE0001.MOV", "2"}, {"/cardB/FILE0001.MOV", "1"}});
    for (const QString path : {"/cardA/FILE0001.MOV", "/cardB/FILE0001.MOV"}) {
        VideoMessage record;
        record.path = path;
        record.fileName = "FILE0001.MOV";
        QVERIFY(m_store->insertRow(RecordStore::RecordTable, record.toRow()));
    }
    auto model = makeModel();
    QCOMPARE(model->entryAt(model->index(0)).path, QStringLiteral("/cardA/FILE0001.MOV"));
    const QModelIndex stale = model->index(1);
    model->removeRow(0);
    QCOMPARE(model->data(stale, Qt::EditRole), QVariant());
    QCOMPARE(model->entryAt(stale).path, QString());
    model->removeRow(5); // outside: nothing
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->entryAt(model->index(0)).path, QStringLiteral("/cardB/FILE0001.MOV"));
    model->loadFromStore();
    model->loadNextBatch();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->entryAt(model->index(0)).path, QStringLiteral("/cardB/FILE0001.MOV"));
    bool foundA = true, foundB = false;
    m_store->selectRecord(RecordStore::RecordTable, 0, {{"path", "/cardA/FILE0001.MOV"}}, {},
                          [&](VideoMessage &, bool found) { foundA = found; });
    m_store->selectRecord(RecordStore::RecordTable, 0, {{"path", "/cardB/FILE0001.MOV"}}, {},
                          [&](VideoMessage &, bool found) { foundB = found; });
    QVERIFY(!foundA);
    QVERIFY(foundB);
}

void TestFileModel::removeAllOnEmptyModel()
{
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    store({{"/cam/late.mp4", "1"}});
    VideoMessage record;
    record.path = "/cam/late.mp4";
    QVERIFY(m_store->insertRow(RecordStore::RecordTable, record.toRow()));
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    model->removeRow(-1);
    QCOMPARE(reset.size(), 1);
    int rows = -1;
    m_store->selectRows(RecordStore::PlaylistTable, 0, {}, {},
                        [&](const QList<DbModel *> &result, bool) { rows = result.size(); });
    QCOMPARE(rows, 0);
    bool found = true;
    m_store->selectRecord(RecordStore::RecordTable, 0, {}, {},
                          [&](VideoMessage &, bool isFound) { found = isFound; });
    QVERIFY(!found);
    // The worker came back: new rows get their pictures.
    store({{"/cam/after.mp4", "2"}});
    model->loadFromStore();
    model->loadNextBatch();
    QTRY_VERIFY(QFile::exists(thumbnailDirectory() + "/after_.png"));
}

void TestFileModel::siblingFiles_data()
{
    QTest::addColumn<int>("playMode");
    QTest::addColumn<QStringList>("expected");
    const QString r = "2023_0101_120000_0001R.MP4", i = "2023_0101_120000_0001I.MP4",
                  s = "2023_0101_120000_0001S.MP4";
    QTest::addRow("0 clicked only") << 0 << QStringList {};
    QTest::addRow("1") << 1 << QStringList {i};
    QTest::addRow("2") << 2 << QStringList {i, r};
    QTest::addRow("3 all four channels") << 3 << QStringList {i, r, s};
}

void TestFileModel::siblingFiles()
{
    QFETCH(int, playMode);
    QFETCH(QStringList, expected);
    const QString dir = m_media.path() + "/";
    const QStringList names {"2023_0101_120000_0001F.MP4", "2023_0101_120000_0001S.MP4",
                             "2023_0101_120000_0001R.MP4", "2023_0101_120000_0001I.MP4",
                             "2023_0101_130000_0002F.MP4"};
    QList<StoredFile> files;
    for (const QString &name : names) {
        QFile(dir + name).open(QIODevice::WriteOnly);
        files << StoredFile {dir + name, "1"};
    }
    // The same recording copied to another folder shares the pairing name.
    QDir().mkpath(dir + "copy");
    QFile(dir + "copy/2023_0101_120000_0001F.MP4").open(QIODevice::WriteOnly);
    files << StoredFile {dir + "copy/2023_0101_120000_0001F.MP4", "1"};
    // Listed, but deleted from the card since.
    files << StoredFile {dir + "2023_0101_120000_0001X.MP4", "1"};
    store(files);
    m_playMode = playMode;
    auto model = makeModel();
    QModelIndex clicked;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->entryAt(model->index(row)).path == dir + names.first())
            clicked = model->index(row);
    }
    QVERIFY(clicked.isValid());
    const PlaylistEntry entry = model->entryAt(clicked);
    QCOMPARE(entry.pairingName, QStringLiteral("202301011200000001F.MP4"));
    QStringList full {dir + names.first()};
    for (const QString &name : expected)
        full << dir + name;
    QCOMPARE(model->siblingFiles(entry.path, entry.pairingName), full);
}

void TestFileModel::siblingsOfMissingFile()
{
    m_playMode = 3;
    auto model = makeModel();
    QCOMPARE(model->siblingFiles("/nowhere/2023_0101_120000_0001F.MP4", "202301011200000001F.MP4"),
             QStringList());
}

void TestFileModel::getOtherFileName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("long") << "20230101120000_A"
                          << "20230101120000";
    QTest::addRow("exactly 14") << "20230101120000"
                                << "20230101120000";
    QTest::addRow("short") << "2023"
                           << "";
}

void TestFileModel::getOtherFileName()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    auto model = makeModel();
    QCOMPARE(model->getOtherFileName(text), expected);
}

void TestFileModel::stopWhileSlowTranscoderRuns()
{
    qputenv("FAKE_FFMPEG_MODE", "slow");
    store({{"/cam/s1.mp4", "3"}, {"/cam/s2.mp4", "2"}, {"/cam/s3.mp4", "1"}});
    auto model = makeModel();
    QAbstractItemModelTester tester(model.get());
    QTRY_COMPARE(transcoderCalls(), QStringList {"/cam/s1.mp4"});
    QTRY_VERIFY(QFile::exists(thumbnailDirectory() + "/s1_.png"));

    model->removeRow(-1);
    QCOMPARE(model->rowCount(), 0);
    // The worker ends the stuck run, starts again and goes on with the jobs
    // still queued; the half-written picture is not left behind.
    QTRY_COMPARE(transcoderCalls(), QStringList({"/cam/s1.mp4", "/cam/s2.mp4"}));
    QVERIFY(!QFile::exists(thumbnailDirectory() + "/s1_.png"));
    QTRY_VERIFY(QFile::exists(thumbnailDirectory() + "/s2_.png"));

    QElapsedTimer closing;
    closing.start();
    model.reset();
    QVERIFY2(closing.elapsed() < 5000, "closing waited for the transcoder");
    QVERIFY(!QFile::exists(thumbnailDirectory() + "/s2_.png"));
    QCOMPARE(transcoderCalls().size(), 2);
}

ZEMKO_TEST_GUILESS_MAIN(TestFileModel)
#include "tst_filemodel.moc"
