#include "GpsFixtures.h"
#include "HDStackedImageView.h"
#include "LogCapture.h"
#include "MapBridge.h"
#include "RecordStore.h"
#include "SpeedDial.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QDir>
#include <QStackedWidget>

namespace {

GPSModel fixAt(int i, bool valid = true)
{
    GPSModel fix;
    fix.status = valid;
    fix.latitude = QString::number(22.5 + i * 0.001, 'f', 6);
    fix.longitude = QString::number(113.9 + i * 0.001, 'f', 6);
    fix.speed = QString::number(10 + i);
    fix.angle = 10.0f * i;
    return fix;
}

VideoMessage recordWith(const QString &path, int fixes, int seconds = 20)
{
    VideoMessage record;
    record.path = path;
    record.fileName = QFileInfo(path).fileName();
    record.duration = QString::number(seconds);
    for (int i = 0; i < fixes; ++i)
        record.gpsItems.insert(QString::number(i), fixAt(i));
    record.gpsTotailNum = fixes;
    record.maxSpeed = QStringLiteral("29");
    record.distance = QStringLiteral("0.5");
    record.totalSpeedNum = 3600;
    record.aevSpeed = QStringLiteral("19");
    record.isChina = true;
    return record;
}

// The bridge with real gauges and a page that records every script it gets.
struct Panel
{
    explicit Panel(int mapType)
        : bridge(
            mapType, [this](const QString &script) { scripts.append(script); }, &speed, &compass,
            &pages)
    {
        pages.addWidget(new QWidget);
        pages.addWidget(new QWidget);
    }
    SpeedDial speed;
    HDStackedImageView compass;
    QStackedWidget pages;
    QStringList scripts;
    MapBridge bridge;
};

} // namespace

class TestMapBridge : public QObject
{
    Q_OBJECT
private slots:
    void drawsStoredTrack_data();
    void drawsStoredTrack();
    void recordWithoutFixesShowsNoGpsPage();
    void extractsOnceThenFindsStoredRecord();
    void sameNameInOtherFolderIsAnotherRecord();
    void markerOncePerUsableSecond();
    void compassFollowsLargeHeadingChanges_data();
    void compassFollowsLargeHeadingChanges();
};

void TestMapBridge::drawsStoredTrack_data()
{
    QTest::addColumn<int>("mapType");
    QTest::addColumn<int>("fixes");
    QTest::addColumn<QStringList>("kinds");
    QTest::addRow("google track") << 0 << 20
                                  << QStringList {"updateMarkerPosition", "drawPolyLinePath"};
    QTest::addRow("baidu track") << 1 << 20 << QStringList {"drawPolyLinePath"};
    QTest::addRow("google one fix: marker twice")
        << 0 << 1 << QStringList {"updateMarkerPosition", "updateMarkerPosition"};
    QTest::addRow("baidu one fix: marker once") << 1 << 1 << QStringList {"updateMarkerPosition"};
}

void TestMapBridge::drawsStoredTrack()
{
    QFETCH(int, mapType);
    QFETCH(int, fixes);
    QFETCH(QStringList, kinds);
    const QString path = QStringLiteral("/card/%1/%2_F.mp4").arg(mapType).arg(fixes);
    VideoMessage stored = recordWith(path, fixes);
    QVERIFY(stored.save());

    Panel panel(mapType);
    LogCapture log;
    panel.bridge.prepare(path);
    QCOMPARE(panel.pages.currentIndex(), 1);
    QVERIFY(panel.bridge.record());
    QCOMPARE(panel.bridge.record()->gpsTotailNum, fixes);
    QCOMPARE(panel.scripts.size(), kinds.size());
    for (int i = 0; i < kinds.size(); ++i)
        QVERIFY2(panel.scripts.at(i).contains(kinds.at(i)), qPrintable(panel.scripts.at(i)));
    QCOMPARE(log.count(QStringLiteral("刷新地图轨迹,GPS个数: %1").arg(fixes)), 1);
}

void TestMapBridge::recordWithoutFixesShowsNoGpsPage()
{
    const QString path = QStringLiteral("/card/empty/NOFIX_F.mp4");
    QVERIFY(recordWith(path, 0).save());
    Panel panel(0);
    panel.pages.setCurrentIndex(1);
    LogCapture log;
    panel.bridge.prepare(path);
    QCOMPARE(panel.pages.currentIndex(), 0);
    QVERIFY(!panel.bridge.record());
    // Only the empty script: nothing reaches the page.
    QCOMPARE(panel.scripts, QStringList {QString()});
    QCOMPARE(log.count(QStringLiteral("清空地图轨迹2")), 1);
}

void TestMapBridge::extractsOnceThenFindsStoredRecord()
{
    const QString path = QDir(zemko::testRoot()).filePath(QStringLiteral("20231201120000_F.mp4"));
    gpsfixtures::ClipOptions options;
    options.seconds = 5;
    QString error;
    QVERIFY2(gpsfixtures::makeClip(path, options, &error), qPrintable(error));
    QVector<QByteArray> blocks;
    for (const gpsfixtures::FixSpec &fix : gpsfixtures::sampleTrack(5))
        blocks.append(gpsfixtures::gpsBlock(gpsfixtures::zemkoRecord(fix, 3), 76));
    QVERIFY(gpsfixtures::embedGpsBlocks(path, blocks));

    Panel first(0);
    first.bridge.prepare(path);
    QCOMPARE(first.pages.currentIndex(), 1);
    QVERIFY(first.bridge.record());
    QCOMPARE(first.bridge.record()->gpsTotailNum, 5);

    // The second opening must come from the store: remove the file so an
    // extraction could find nothing.
    QVERIFY(QFile::rename(path, path + QStringLiteral(".moved")));
    Panel second(0);
    second.bridge.prepare(path);
    QCOMPARE(second.pages.currentIndex(), 1);
    QVERIFY(second.bridge.record());
    QCOMPARE(second.bridge.record()->gpsTotailNum, 5);
    QCOMPARE(second.scripts, first.scripts);
}

void TestMapBridge::sameNameInOtherFolderIsAnotherRecord()
{
    QVERIFY(recordWith(QStringLiteral("/cardA/FILE0001.MOV"), 20).save());
    VideoMessage other = recordWith(QStringLiteral("/cardB/FILE0001.MOV"), 3);
    QVERIFY(other.save());
    Panel panel(0);
    panel.bridge.prepare(QStringLiteral("/cardB/FILE0001.MOV"));
    QVERIFY(panel.bridge.record());
    QCOMPARE(panel.bridge.record()->gpsTotailNum, 3);
}

void TestMapBridge::markerOncePerUsableSecond()
{
    const QString path = QStringLiteral("/card/follow/20231201120000_F.mp4");
    VideoMessage stored = recordWith(path, 10, 8);
    stored.gpsItems[QStringLiteral("3")].status = false;
    stored.gpsItems[QStringLiteral("4")].latitude = QStringLiteral("0");
    stored.gpsItems[QStringLiteral("4")].longitude = QStringLiteral("0");
    stored.gpsItems.remove(QStringLiteral("5"));
    QVERIFY(stored.save());
    Panel panel(1);
    panel.bridge.prepare(path);
    panel.scripts.clear();

    auto markersFor = [&panel](int second) {
        const int before = panel.scripts.size();
        panel.bridge.follow(second);
        return panel.scripts.size() - before;
    };
    QCOMPARE(markersFor(1), 1);
    QCOMPARE(markersFor(1), 0); // same second
    QCOMPARE(markersFor(2), 1);
    QCOMPARE(markersFor(3), 0); // invalid fix
    QCOMPARE(markersFor(4), 0); // at (0, 0)
    QCOMPARE(markersFor(5), 0); // no fix at all
    QCOMPARE(markersFor(8), 0); // past the recording's duration
    QCOMPARE(markersFor(1), 1); // seeking back moves the marker at once
    QVERIFY(panel.scripts.last().contains(QStringLiteral("updateMarkerPosition")));
}

void TestMapBridge::compassFollowsLargeHeadingChanges_data()
{
    QTest::addColumn<float>("from");
    QTest::addColumn<float>("to");
    QTest::addColumn<float>("shown");
    QTest::addRow("358 to 2 counts as 356") << 358.0f << 2.0f << 2.0f;
    QTest::addRow("5 degrees is ignored") << 90.0f << 95.0f << 90.0f;
    QTest::addRow("6 degrees turns") << 90.0f << 96.0f << 96.0f;
}

void TestMapBridge::compassFollowsLargeHeadingChanges()
{
    QFETCH(float, from);
    QFETCH(float, to);
    QFETCH(float, shown);
    const QString path = QStringLiteral("/card/compass/%1_%2.mp4").arg(from).arg(to);
    VideoMessage stored = recordWith(path, 3);
    stored.gpsItems[QStringLiteral("1")].angle = from;
    stored.gpsItems[QStringLiteral("2")].angle = to;
    QVERIFY(stored.save());
    Panel panel(0);
    panel.bridge.prepare(path);
    panel.bridge.follow(1);
    QCOMPARE(panel.compass.heading(), from);
    panel.bridge.follow(2);
    QCOMPARE(panel.compass.heading(), shown);
    QCOMPARE(panel.bridge.lastHeading(), shown);
}

ZEMKO_TEST_WIDGETS_MAIN(TestMapBridge)
#include "tst_mapbridge.moc"
