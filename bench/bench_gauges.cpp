// Per-position work on the GUI thread while a one-hour track plays (fix
// lookup, speed dial, compass, marker script) and the drawing of that track
// in the map pages. Prints the figures; run under Xvfb.
#include "HDStackedImageView.h"
#include "MapBridge.h"
#include "SpeedDial.h"
#include "VideoMessage.h"
#include "ZemkoResources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {
constexpr int trackSeconds = 3600;

class OfflineInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().scheme() != QLatin1String("file"))
            info.block(true);
    }
};

VideoMessage oneHourTrack()
{
    VideoMessage record;
    record.duration = QString::number(trackSeconds);
    for (int i = 0; i < trackSeconds; ++i) {
        GPSModel fix;
        fix.status = true;
        fix.latitude = QString::number(22.5 + i * 0.0001, 'f', 6);
        fix.longitude = QString::number(114.0 + 0.01 * std::sin(i / 60.0), 'f', 6);
        fix.speed = QString::number(20 + i % 40);
        fix.angle = float((i * 7) % 360);
        record.gpsItems.insert(QString::number(i), fix);
    }
    record.gpsTotailNum = trackSeconds;
    record.isChina = true;
    return record;
}

void followPlayback(const VideoMessage &record, SpeedDial &dial, HDStackedImageView &compass)
{
    // The window's own bridge, with the record found in the store as on
    // every opening after the first.
    QStackedWidget pages;
    pages.addWidget(new QWidget);
    pages.addWidget(new QWidget);
    qint64 scriptBytes = 0;
    MapBridge bridge(
        0, [&](const QString &script) { scriptBytes += script.size(); }, &dial, &compass, &pages);
    QElapsedTimer timer;
    timer.start();
    bridge.prepare(record.path);
    const double prepare = timer.nsecsElapsed() / 1e6;
    if (!bridge.record() || bridge.record()->gpsTotailNum != trackSeconds)
        std::printf("the stored record was not found\n");
    scriptBytes = 0;
    timer.restart();
    for (int second = 0; second < trackSeconds; ++second)
        bridge.follow(second);
    const double perReport = timer.nsecsElapsed() / 1e3 / trackSeconds;

    // The repaints that follow, once per report at most.
    QImage image(dial.size(), QImage::Format_ARGB32_Premultiplied);
    timer.restart();
    for (int i = 0; i < 200; ++i) {
        dial.setCurrentSpeed(QString::number(i % 120));
        dial.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    const double dialPaint = timer.nsecsElapsed() / 1e3 / 200;
    timer.restart();
    for (int i = 0; i < 200; ++i) {
        compass.setHeading(float(i * 10 % 360));
        compass.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    const double compassPaint = timer.nsecsElapsed() / 1e3 / 200;
    std::printf("first play from the store (lookup, track script): %.1f ms\n", prepare);
    std::printf(
        "per position report (lookup, dial, compass, marker script): %.1f us (%lld script bytes)\n",
        perReport, static_cast<long long>(scriptBytes));
    std::printf("dial repaint at 240x240: %.1f us, compass repaint: %.1f us\n", dialPaint,
                compassPaint);
}

QVariant runAndWait(QWebEngineView &view, const QString &script)
{
    QVariant result;
    QEventLoop loop;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        loop.quit();
    });
    loop.exec();
    return result;
}

void drawTrack(const VideoMessage &record, int mapType, const QString &page)
{
    QWebEngineView view;
    view.resize(800, 600);
    view.show();
    QEventLoop loaded;
    QObject::connect(&view, &QWebEngineView::loadFinished, &loaded, &QEventLoop::quit);
    view.load(QUrl::fromLocalFile(QStringLiteral(ZEMKO_HTML_DIR "/") + page));
    loaded.exec();
    const QString script = record.trackScript(mapType);
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        runAndWait(view, script);
        // The answer to a second call comes after the drawing has finished.
        const int points = runAndWait(view, QStringLiteral("mapPageState().points")).toInt();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        if (points != trackSeconds)
            std::printf("unexpected point count %d\n", points);
    }
    std::printf(
        "%s: one-hour track (%d points, %lld bytes of script) drawn in %.1f ms (best of 5)\n",
        qPrintable(page), trackSeconds, static_cast<long long>(script.size()), best);
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    initZemkoResources();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    VideoMessage record = oneHourTrack();
    record.path = home.filePath(QStringLiteral("20231201120000_F.mp4"));
    record.save();
    SpeedDial dial;
    dial.resize(240, 240);
    HDStackedImageView compass;
    compass.setMinimumSize(240, 240);
    compass.resize(240, 240);
    followPlayback(record, dial, compass);

    OfflineInterceptor offline;
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&offline);
    drawTrack(record, 0, QStringLiteral("google_map.html"));
    drawTrack(record, 1, QStringLiteral("baidu_map.html"));
    return 0;
}
