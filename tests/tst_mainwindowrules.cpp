#include "DbModel.h"
#include "PlaybackRules.h"
#include "PlaylistIntake.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

// The arithmetic and intake rules behind the main window's controls.
class TestMainWindowRules : public QObject
{
    Q_OBJECT
private slots:
    void timeLabels_data();
    void timeLabels();
    void seekTarget_data();
    void seekTarget();
    void arrangementCycle_data();
    void arrangementCycle();
    void speedChoices_data();
    void speedChoices();
    void duplicateRule_data();
    void duplicateRule();
    void rowOfAddedFile_data();
    void rowOfAddedFile();
    void mediaFilesFromCommandLine();
};

void TestMainWindowRules::timeLabels_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("duration");
    QTest::addColumn<QString>("shown");
    QTest::addRow("start") << qint64(0) << qint64(20000) << "00:00";
    QTest::addRow("seconds") << qint64(7999) << qint64(20000) << "00:07";
    QTest::addRow("minutes not wrapped") << qint64(3725000) << qint64(4000000) << "62:05";
    QTest::addRow("301 ms before the end") << qint64(19699) << qint64(20000) << "00:19";
    QTest::addRow("300 ms before the end shows the end")
        << qint64(19700) << qint64(20000) << "00:20";
    QTest::addRow("past the end") << qint64(25000) << qint64(20000) << "00:20";
}

void TestMainWindowRules::timeLabels()
{
    QFETCH(qint64, position);
    QFETCH(qint64, duration);
    QFETCH(QString, shown);
    QCOMPARE(PlaybackRules::timeText(PlaybackRules::shownPosition(position, duration)), shown);
}

void TestMainWindowRules::seekTarget_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("target");
    QTest::addRow("middle") << 5000 << 20000 << 5000;
    QTest::addRow("1001 ms before the end") << 18999 << 20000 << 18999;
    QTest::addRow("1000 ms before the end") << 19000 << 20000 << 19000;
    QTest::addRow("at the maximum") << 20000 << 20000 << 19000;
    QTest::addRow("just short of it") << 19500 << 20000 << 19000;
}

void TestMainWindowRules::seekTarget()
{
    QFETCH(int, position);
    QFETCH(int, maximum);
    QFETCH(int, target);
    QCOMPARE(PlaybackRules::seekTarget(position, maximum), target);
}

void TestMainWindowRules::arrangementCycle_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<int>>("indices");
    QTest::addRow("one channel") << 1 << QList<int> {1, 0, 1};
    QTest::addRow("two channels") << 2 << QList<int> {1, 2, 0, 1};
    QTest::addRow("three channels") << 3 << QList<int> {1, 2, 3, 0};
}

void TestMainWindowRules::arrangementCycle()
{
    QFETCH(int, channels);
    QFETCH(QList<int>, indices);
    int index = 0;
    for (int expected : indices) {
        index = PlaybackRules::nextLayoutIndex(index, channels);
        QCOMPARE(index, expected);
    }
}

void TestMainWindowRules::speedChoices_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("hudValue");
    QTest::addRow("2X") << 2.0 << 2;
    QTest::addRow("1X") << 1.0 << 1;
    QTest::addRow("0.5X") << 0.5 << -1;
    QTest::addRow("1.5 counts as 1") << 1.5 << 1;
}

void TestMainWindowRules::speedChoices()
{
    QFETCH(double, rate);
    QFETCH(int, hudValue);
    QCOMPARE(PlaybackRules::speedHudValue(rate), hudValue);
    // Every choice of the pop-up maps back to a rate and its caption.
    QCOMPARE(PlaybackRules::speedForChoice(0), 2.0);
    QCOMPARE(PlaybackRules::speedForChoice(1), 1.0);
    QCOMPARE(PlaybackRules::speedForChoice(2), 0.5);
    QCOMPARE(PlaybackRules::speedForChoice(3), 0.0);
    QCOMPARE(PlaybackRules::speedCaption(2), QStringLiteral("0.5X"));
}

void TestMainWindowRules::duplicateRule_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("added");
    const QString a = QStringLiteral("/media/card/A_F.mp4");
    const QString b = QStringLiteral("/media/card/B_F.mp4");
    QTest::addRow("empty playlist") << QStringList() << QStringList {a, b} << QStringList {a, b};
    QTest::addRow("all stored") << QStringList {a, b} << QStringList {b, a} << QStringList();
    QTest::addRow("three new, one old")
        << QStringList {a} << QStringList {"/x/1.mp4", a, "/x/2.mov", "/x/3.ts"}
        << QStringList {"/x/1.mp4", "/x/2.mov", "/x/3.ts"};
    QTest::addRow("letter case is another file")
        << QStringList {a} << QStringList {"/media/card/a_F.mp4"}
        << QStringList {"/media/card/a_F.mp4"};
    QTest::addRow("doubled separator is another path")
        << QStringList {a} << QStringList {"/media//card/A_F.mp4"}
        << QStringList {"/media//card/A_F.mp4"};
    QTest::addRow("every occurrence goes")
        << QStringList {a} << QStringList {a, b, a} << QStringList {b};
}

void TestMainWindowRules::duplicateRule()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, added);
    QList<DbModel *> rows;
    for (const QString &path : stored) {
        auto *row = new DbModel;
        row->path = path;
        rows.append(row);
    }
    QCOMPARE(PlaylistIntake::newPaths(chosen, rows), added);
    qDeleteAll(rows);
}

void TestMainWindowRules::rowOfAddedFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("is3D");
    QTest::addRow("plain") << "20231201120000_F.mp4" << false;
    QTest::addRow("XX marks 3D") << "20231201120000XX_F.mp4" << true;
    QTest::addRow("lower case xx does not") << "20231201120000xx_F.mp4" << false;
}

void TestMainWindowRules::rowOfAddedFile()
{
    QFETCH(QString, name);
    QFETCH(bool, is3D);
    const QString path = QDir(zemko::testRoot()).filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3 * 1024 * 1024 / 2, 'x'));
    file.close();
    const QDateTime at(QDate(2026, 12, 10), QTime(15, 4, 5, 67));
    const DbModel row = PlaylistIntake::rowFor(path, at);
    QCOMPARE(row.fileName, name);
    QCOMPARE(row.path, path);
    QCOMPARE(row.is3DVideo, is3D);
    QCOMPARE(row.time, QStringLiteral("20261210150405067"));
    QCOMPARE(row.size, QStringLiteral("1.5"));
    QCOMPARE(row.width, QStringLiteral("0"));
    QCOMPARE(row.height, QStringLiteral("0"));
}

void TestMainWindowRules::mediaFilesFromCommandLine()
{
    const QDir root(zemko::testRoot());
    for (const char *name : {"clip.MP4", "clip.mov", "clip.ts", "notes.txt"}) {
        QFile file(root.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(root.mkdir(QStringLiteral("folder.mp4")));
    QDir::setCurrent(root.path());
    const QStringList accepted = PlaylistIntake::mediaFiles(
        {QStringLiteral("clip.MP4"), root.filePath(QStringLiteral("clip.mov")),
         QStringLiteral("notes.txt"), QStringLiteral("missing.mp4"), QStringLiteral("folder.mp4"),
         root.filePath(QStringLiteral("clip.ts"))});
    QCOMPARE(accepted,
             QStringList({root.filePath(QStringLiteral("clip.MP4")),
                          root.filePath(QStringLiteral("clip.mov")),
                          root.filePath(QStringLiteral("clip.ts"))}));
}

ZEMKO_TEST_GUILESS_MAIN(TestMainWindowRules)
#include "tst_mainwindowrules.moc"
