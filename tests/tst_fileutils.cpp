#include "FileUtils.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

class TestFileUtils : public QObject
{
    Q_OBJECT
private slots:
    void fileSizeText_data();
    void fileSizeText();
    void fileSizeTextOfMissingFile();
    void normalizeChannelName_data();
    void normalizeChannelName();
    void namesMatch_data();
    void namesMatch();
    void reformatDateTime_data();
    void reformatDateTime();
    void pathExists();
    void dataDirectoryIsCreated();
    void dataDirectoryFallback();
};

void TestFileUtils::fileSizeText_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expected");
    QTest::addRow("bytes") << qint64(1572864) << 0 << "1572864";
    QTest::addRow("kib") << qint64(1572864) << 1 << "1536";
    QTest::addRow("mib") << qint64(1572864) << 2 << "1.5";
    QTest::addRow("kib six digits") << qint64(1234567) << 1 << "1205.63";
    QTest::addRow("mib rounds") << qint64(1100000) << 2 << "1.0";
    QTest::addRow("empty file") << qint64(0) << 2 << "0.0";
    QTest::addRow("bad unit") << qint64(10) << 3 << "Invalid type";
}

void TestFileUtils::fileSizeText()
{
    QFETCH(qint64, size);
    QFETCH(int, unit);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("clip.mp4")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
    file.close();
    QTEST(::fileSizeText(file.fileName(), unit), "expected");
}

void TestFileUtils::fileSizeTextOfMissingFile()
{
    QTest::ignoreMessage(QtDebugMsg, "查询文件大小失败： /no/such/file.mp4");
    QCOMPARE(::fileSizeText(QStringLiteral("/no/such/file.mp4"), 0), QStringLiteral("0"));
}

void TestFileUtils::normalizeChannelName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addRow("rear marker") << "2023_0101_120000_0001PR.MP4"
                                 << "202301011200000001R.MP4";
    QTest::addRow("front marker") << "2023_0101_120000_0001PF.MP4"
                                  << "202301011200000001F.MP4";
    QTest::addRow("interior marker") << "2023_0101_120000_0001PI.MP4"
                                     << "202301011200000001I.MP4";
    QTest::addRow("case sensitive") << "a_pr_pf.mp4"
                                    << "aprpf.mp4";
    QTest::addRow("order PR before PI") << "PPRI"
                                        << "PRI";
    QTest::addRow("no markers") << "FILE0001.MOV"
                                << "FILE0001.MOV";
}

void TestFileUtils::normalizeChannelName()
{
    QFETCH(QString, name);
    QTEST(::normalizeChannelName(name), "expected");
}

void TestFileUtils::namesMatch_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("expected");
    QTest::addRow("case differs") << "20230101120000"
                                  << "20230101120000" << true;
    QTest::addRow("letters differ in case") << "/card/ABCdef20230101"
                                            << "/other/abcDEF20230101" << true;
    QTest::addRow("different length") << "2023010112000"
                                      << "20230101120000" << false;
    QTest::addRow("one char differs") << "20230101120000"
                                      << "20230101120001" << false;
    QTest::addRow("empty") << ""
                           << "x" << false;
    QTest::addRow("folders only") << "/a/"
                                  << "/b/" << false;
}

void TestFileUtils::namesMatch()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QTEST(::namesMatch(a, b), "expected");
}

void TestFileUtils::reformatDateTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("parses") << "20230101120500"
                            << "2023-01-01 12:05:00";
    QTest::addRow("does not parse") << "2023_0101"
                                    << "";
    QTest::addRow("impossible date") << "20231301120500"
                                     << "";
}

void TestFileUtils::reformatDateTime()
{
    QFETCH(QString, text);
    QTEST(::reformatDateTime(text, QStringLiteral("yyyyMMddhhmmss"),
                             QStringLiteral("yyyy-MM-dd hh:mm:ss")),
          "expected");
}

void TestFileUtils::pathExists()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("f.mp4")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(::pathExists(dir.path()));
    QVERIFY(::pathExists(file.fileName()));
    QVERIFY(!::pathExists(dir.filePath(QStringLiteral("missing.mp4"))));
    QVERIFY(!::pathExists(QString()));
}

void TestFileUtils::dataDirectoryIsCreated()
{
    QCoreApplication::setApplicationName(QStringLiteral("Zemko Player"));
    const QString expected = zemko::testRoot() + QStringLiteral("/data/ZemkoPlayer");
    QCOMPARE(::dataDirectory(), expected);
    QVERIFY(QDir(expected).exists());
    QCOMPARE(::thumbnailDirectory(), expected + QStringLiteral("/Thumbnail"));
    QVERIFY(QDir(expected + QStringLiteral("/Thumbnail")).exists());
}

void TestFileUtils::dataDirectoryFallback()
{
    // A regular file where the data folder's parent should be: creation fails
    // even for root.
    const QString blocker = zemko::testRoot() + QStringLiteral("/blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker + QStringLiteral("/data")));
    QTemporaryDir cwd;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    QCOMPARE(::dataDirectory(), QStringLiteral("aaaaaaaaaaaaaa"));
    QCOMPARE(::thumbnailDirectory(), QStringLiteral("aaaaaaaaaaaaaa11111"));
    // The thumbnail folder was attempted relative to the working directory.
    QVERIFY(!QDir(cwd.filePath(QStringLiteral("aaaaaaaaaaaaaa/Thumbnail"))).exists());
    QDir::setCurrent(previous);
    qputenv("XDG_DATA_HOME", saved);
}

ZEMKO_TEST_GUILESS_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
