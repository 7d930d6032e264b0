#include "ChannelLayout.h"
#include "TestEnvironment.h"
#include "VideoViewport.h"

class TestPlaybackGeometry : public QObject
{
    Q_OBJECT
private slots:
    void viewport_data();
    void viewport();
    void zoomLevels_data();
    void zoomLevels();
    void channelLayout_data();
    void channelLayout();
};

void TestPlaybackGeometry::viewport_data()
{
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("expected");

    const QSize hd(1920, 1080);
    QTest::addRow("pillar-box") << QSize(1000, 400) << 1.0 << hd << 0.0 << QRect(144, 0, 711, 400);
    QTest::addRow("letter-box") << QSize(1000, 800) << 1.0 << hd << 0.0 << QRect(0, 118, 1000, 562);
    QTest::addRow("zoom level 10")
        << QSize(1000, 400) << 1.0 << hd << 0.25 << QRect(24, -67, 951, 534);
    QTest::addRow("zoom letter-box")
        << QSize(1000, 800) << 1.0 << hd << 2.5 << QRect(-1200, -556, 3400, 1912);
    QTest::addRow("exact fit") << QSize(1280, 720) << 1.0 << QSize(1280, 720) << 0.0
                               << QRect(0, 0, 1280, 720);
    QTest::addRow("device ratio 2")
        << QSize(1000, 400) << 2.0 << hd << 0.0 << QRect(288, 0, 1422, 800);
    QTest::addRow("portrait picture")
        << QSize(800, 600) << 1.0 << QSize(1080, 1920) << 0.0 << QRect(231, 0, 337, 600);
    QTest::addRow("zero height widget") << QSize(1000, 0) << 1.0 << hd << 0.0 << QRect();
    QTest::addRow("no picture size") << QSize(1000, 400) << 1.0 << QSize(0, 0) << 0.0 << QRect();
}

void TestPlaybackGeometry::viewport()
{
    QFETCH(QSize, widget);
    QFETCH(double, ratio);
    QFETCH(QSize, picture);
    QFETCH(double, zoom);
    QFETCH(QRect, expected);
    const float aspect
        = picture.height() > 0 ? float(picture.width()) / float(picture.height()) : 0.0f;
    QCOMPARE(videoViewport(widget.width(), widget.height(), ratio, aspect, zoom), expected);
}

void TestPlaybackGeometry::zoomLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("zoom");
    QTest::addRow("none") << 0 << 0.0;
    QTest::addRow("one step") << 1 << 0.025;
    QTest::addRow("ten") << 10 << 0.25;
    QTest::addRow("odd level") << 7 << 0.175;
    QTest::addRow("most") << 100 << 2.5;
}

void TestPlaybackGeometry::zoomLevels()
{
    QFETCH(int, level);
    QFETCH(double, zoom);
    QCOMPARE(zoomForLevel(level), zoom);
}

void TestPlaybackGeometry::channelLayout_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("left");
    QTest::addColumn<QRect>("right");

    // 1280 / 720 lies just below 1.77778: letter-boxed with a margin under 1.
    QTest::addRow("1280x720") << QSize(1280, 720) << QRect(0, 0, 403, 227)
                              << QRect(877, 0, 403, 227);
    QTest::addRow("1600x600") << QSize(1600, 600) << QRect(266, 0, 336, 189)
                              << QRect(996, 0, 336, 189);
    QTest::addRow("800x800") << QSize(800, 800) << QRect(0, 175, 250, 141)
                             << QRect(550, 175, 250, 141);
    QTest::addRow("1920x1080") << QSize(1920, 1080) << QRect(0, 0, 604, 340)
                               << QRect(1316, 0, 604, 340);
    QTest::addRow("empty area") << QSize(0, 0) << QRect() << QRect();
}

void TestPlaybackGeometry::channelLayout()
{
    QFETCH(QSize, area);
    QFETCH(QRect, left);
    QFETCH(QRect, right);
    const QVector<QRect> geometries = channelLayoutGeometry(area, 3);
    QCOMPARE(geometries.size(), 3);
    QCOMPARE(geometries.at(0), QRect(QPoint(0, 0), area));
    QCOMPARE(geometries.at(1), left);
    QCOMPARE(geometries.at(2), right);
}

ZEMKO_TEST_GUILESS_MAIN(TestPlaybackGeometry)
#include "tst_playbackgeometry.moc"
