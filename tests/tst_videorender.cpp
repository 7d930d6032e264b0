#include "ClipMaker.h"
#include "PlayObject.h"
#include "TestEnvironment.h"
#include "VideoRender.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

using zemko::Yuv;

namespace {

QColor expectedColour(const Yuv &yuv, bool fullRange)
{
    const double u = yuv.u - 128.0;
    const double v = yuv.v - 128.0;
    double r, g, b;
    if (fullRange) {
        const double y = yuv.y;
        r = y + 1.402 * v;
        g = y - 0.344136 * u - 0.714136 * v;
        b = y + 1.772 * u;
    } else {
        const double y = 1.164383 * (yuv.y - 16.0);
        r = y + 1.596027 * v;
        g = y - 0.391762 * u - 0.812968 * v;
        b = y + 2.017232 * u;
    }
    const auto clamp = [](double c) {
        return int(std::lround(std::clamp(c, 0.0, 255.0)));
    };
    return QColor(clamp(r), clamp(g), clamp(b));
}

bool near(const QColor &actual, const QColor &expected, int tolerance)
{
    return qAbs(actual.red() - expected.red()) <= tolerance
        && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

QString describe(const QColor &colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// Dark and light greys tell the ranges apart (the limited-range formula
// stretches them); red and blue catch swapped chroma planes.
const std::array<Yuv, 4> kLimitedFields {
    {{40, 128, 128}, {220, 128, 128}, {81, 90, 240}, {41, 240, 110}}};
const std::array<Yuv, 4> kFullFields {
    {{40, 128, 128}, {220, 128, 128}, {76, 85, 255}, {29, 255, 107}}};

VideoDataPSL solidFrame(int width, int height, char luma)
{
    VideoDataPSL frame;
    frame.width = width;
    frame.height = height;
    frame.planes[0] = QByteArray(width * height, luma);
    frame.planes[1] = QByteArray((width / 2) * (height / 2), char(128));
    frame.planes[2] = QByteArray((width / 2) * (height / 2), char(128));
    return frame;
}

bool isBlack(const QImage &image)
{
    const QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    return centre.red() < 3 && centre.green() < 3 && centre.blue() < 3;
}

} // namespace

class TestVideoRender : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsDecodedColours_data();
    void showsDecodedColours();
    void dropsFramesThatDoNotFit_data();
    void dropsFramesThatDoNotFit();
    void holdsOneFrameUntilPainted();
    void staysBlackAfterClose();
    void clickOnSmallViewAsksForSwap();

private:
    QTemporaryDir m_dir;
};

void TestVideoRender::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestVideoRender::showsDecodedColours_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fullRange");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("announced");

    const QSize small(320, 180);
    QTest::addRow("limited range") << small << false << "mp4" << small;
    QTest::addRow("full range") << small << true << "mp4" << small;
    // 1366 / 2 = 683: neither the luma nor the chroma rows are 4-byte multiples.
    QTest::addRow("chroma 683 wide") << QSize(1366, 768) << false << "mp4" << QSize(1366, 768);
    QTest::addRow("full range 683") << QSize(1366, 768) << true << "mp4" << QSize(1366, 768);
    QTest::addRow("ts, size from the store") << small << false << "mpegts" << small;
    QTest::addRow("probe found no size") << small << false << "mp4" << QSize();
    QTest::addRow("stale record size") << small << true << "mp4" << QSize(1920, 1080);
}

void TestVideoRender::showsDecodedColours()
{
    QFETCH(QSize, size);
    QFETCH(bool, fullRange);
    QFETCH(QString, format);
    QFETCH(QSize, announced);

    const std::array<Yuv, 4> &fields = fullRange ? kFullFields : kLimitedFields;
    const QString clip
        = m_dir.filePath(QStringLiteral("%1.%2").arg(QTest::currentDataTag(), format));
    QVERIFY(zemko::makeQuadrantClip(clip, size, fields, fullRange, format, 20));

    VideoRender view;
    view.resize(size / (size.width() > 800 ? 2 : 1));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    PlayObject channel(nullptr, 0, PlayObject::quietVlcArguments());
    channel.setSizeProvider([&](const QString &) { return announced; });
    connect(&channel, &PlayObject::initTexture, &view, &VideoRender::initTexture);
    connect(&channel, &PlayObject::updateTexture2D, &view, &VideoRender::updateTexture2D);
    connect(&channel, &PlayObject::cleanLayer, &view, &VideoRender::closeTexture2D);
    channel.setMedia(clip);
    QTRY_VERIFY_WITH_TIMEOUT(view.statistics().shown > 2, 10000);
    QCOMPARE(view.pictureSize(), size);

    const QImage image = view.grabFramebuffer();
    QCOMPARE(image.size(), view.size() * view.devicePixelRatioF());
    // Quadrant centres, then points near the bottom corners where a sheared
    // upload would have moved the most.
    const struct
    {
        double x, y;
        int field;
    } points[] = {{0.25, 0.25, 0}, {0.75, 0.25, 1}, {0.25, 0.75, 2}, {0.75, 0.75, 3},
                  {0.1, 0.95, 2},  {0.9, 0.95, 3},  {0.4, 0.6, 2},   {0.6, 0.4, 1}};
    for (const auto &point : points) {
        const QColor actual
            = image.pixelColor(int(point.x * image.width()), int(point.y * image.height()));
        const QColor expected = expectedColour(fields[size_t(point.field)], fullRange);
        QVERIFY2(near(actual, expected, 5),
                 qPrintable(QStringLiteral("at (%1, %2): %3, expected %4")
                                .arg(point.x)
                                .arg(point.y)
                                .arg(describe(actual), describe(expected))));
    }
    channel.release();
}

void TestVideoRender::dropsFramesThatDoNotFit_data()
{
    QTest::addColumn<int>("yBytes");
    QTest::addColumn<int>("chromaBytes");
    QTest::addRow("luma plane too short") << 64 * 36 - 1 << 32 * 18;
    QTest::addRow("chroma planes too short") << 64 * 36 << 32 * 18 - 1;
    QTest::addRow("empty frame") << 0 << 0;
}

void TestVideoRender::dropsFramesThatDoNotFit()
{
    QFETCH(int, yBytes);
    QFETCH(int, chromaBytes);
    VideoRender view;
    view.resize(64, 36);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.initTexture(64, 36, 1.0f);

    VideoDataPSL frame;
    frame.planes[0] = QByteArray(yBytes, char(200));
    frame.planes[1] = QByteArray(chromaBytes, char(128));
    frame.planes[2] = QByteArray(chromaBytes, char(128));
    view.updateTexture2D(frame);
    QCOMPARE(view.statistics().offered, quint64(1));
    QCOMPARE(view.statistics().taken, quint64(0));
    QVERIFY(isBlack(view.grabFramebuffer()));

    view.updateTexture2D(solidFrame(64, 36, char(200)));
    QCOMPARE(view.statistics().taken, quint64(1));
    QVERIFY(!isBlack(view.grabFramebuffer()));
}

void TestVideoRender::holdsOneFrameUntilPainted()
{
    VideoRender view;
    view.resize(64, 36);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.initTexture(64, 36, 1.0f);
    view.updateTexture2D(solidFrame(64, 36, char(60)));
    view.updateTexture2D(solidFrame(64, 36, char(200)));
    QCOMPARE(view.statistics().taken, quint64(1));
    // The first frame is the one shown; the second was dropped.
    const QColor shown = view.grabFramebuffer().pixelColor(32, 18);
    QVERIFY2(near(shown, expectedColour({60, 128, 128}, false), 5), qPrintable(describe(shown)));
    view.updateTexture2D(solidFrame(64, 36, char(200)));
    QCOMPARE(view.statistics().taken, quint64(2));
}

void TestVideoRender::staysBlackAfterClose()
{
    VideoRender view;
    view.resize(64, 36);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.initTexture(64, 36, 1.0f);
    view.updateTexture2D(solidFrame(64, 36, char(200)));
    QVERIFY(!isBlack(view.grabFramebuffer()));

    view.closeSmpTex();
    view.updateTexture2D(solidFrame(64, 36, char(200)));
    view.updateTexture2D(solidFrame(128, 72, char(200)));
    QVERIFY(isBlack(view.grabFramebuffer()));
    QVERIFY(isBlack(view.grabFramebuffer()));

    view.initTexture(64, 36, 1.0f);
    view.updateTexture2D(solidFrame(64, 36, char(200)));
    QVERIFY(!isBlack(view.grabFramebuffer()));
}

void TestVideoRender::clickOnSmallViewAsksForSwap()
{
    QWidget window;
    window.resize(400, 300);
    auto *small = new VideoRender(&window);
    small->setObjectName(QStringLiteral("widget2"));
    small->setGeometry(0, 0, 100, 60);
    auto *main = new VideoRender(&window);
    main->setObjectName(QStringLiteral("widget0"));
    main->setGeometry(100, 100, 200, 120);
    QWidget controlBar(&window);
    main->setControlView(&controlBar);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy smallSpy(small, &VideoRender::playViewShowChange);
    QSignalSpy mainSpy(main, &VideoRender::playViewShowChange);
    QTest::mouseClick(small, Qt::LeftButton);
    QCOMPARE(smallSpy.count(), 1);
    QCOMPARE(smallSpy.at(0).at(0).value<QWidget *>(), small);
    QCOMPARE(smallSpy.at(0).at(1).toInt(), 2);

    // The main view outside full screen: no request, the bar stays as it is.
    const bool barVisible = controlBar.isVisible();
    QTest::mouseClick(main, Qt::RightButton);
    QCOMPARE(mainSpy.count(), 0);
    QCOMPARE(controlBar.isVisible(), barVisible);
}

ZEMKO_TEST_WIDGETS_MAIN(TestVideoRender)
#include "tst_videorender.moc"
