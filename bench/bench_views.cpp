// Feeds views with the same picture at a frame rate, without any decoding,
// and prints per view the frames offered, taken and shown, and the process
// CPU time and peak memory: what drawing and composing the views cost on
// their own.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp"
//       bench_views [--seconds N] [--views N] [--view WxH] [--frame WxH]
//                   [--fps F] [--window WxH] [--native-views] [--compose-only]
//
// The views' frames come at even phases, as independent channels' would.
// --compose-only puts views in that take the frames but only clear: what
// Qt's composition of the window costs without any upload or drawing.

#include "ComposeOnlyView.h"
#include "ProcessFigures.h"
#include "RepaintCounter.h"
#include "VideoRender.h"
#include "ZemkoResources.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// A picture with structure in every plane, so nothing compresses or
// repeats in a way a driver could exploit.
VideoDataPSL testPicture(QSize size)
{
    VideoDataPSL frame;
    frame.width = size.width();
    frame.height = size.height();
    const int widths[3] = {size.width(), size.width() / 2, size.width() / 2};
    const int heights[3] = {size.height(), size.height() / 2, size.height() / 2};
    for (int plane = 0; plane < 3; ++plane) {
        QByteArray &bytes = frame.planes[plane];
        bytes.resize(widths[plane] * heights[plane]);
        for (int y = 0; y < heights[plane]; ++y) {
            for (int x = 0; x < widths[plane]; ++x)
                bytes[y * widths[plane] + x] = char((x * (plane + 1) + y * 3) & 0xff);
        }
    }
    return frame;
}

// A view the benchmark feeds and reads its figures from.
struct View
{
    QWidget *widget = nullptr;
    std::function<void(const VideoDataPSL &)> offer;
    std::function<VideoRender::Statistics()> statistics;
};

View makeView(QWidget *parent, bool composeOnly, QSize frameSize)
{
    if (composeOnly) {
        auto *blank = new ComposeOnlyView(parent);
        return {blank, [blank](const VideoDataPSL &frame) { blank->takeFrame(frame); },
                [blank] {
                    return blank->statistics();
                }};
    }
    auto *render = new VideoRender(parent);
    render->initTexture(frameSize.width(), frameSize.height(), 1.0f);
    return {render, [render](const VideoDataPSL &frame) { render->updateTexture2D(frame); },
            [render] {
                return render->statistics();
            }};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    initZemkoResources();
    QStringList arguments = app.arguments().mid(1);
    int seconds = 30;
    int viewCount = 3;
    double fps = 30;
    QSize viewSize(480, 270);
    QSize frameSize(1920, 1080);
    QSize windowSize;
    bool nativeViews = false;
    bool composeOnly = false;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        const QString value = arguments.value(0);
        if (argument == QLatin1String("--native-views")) {
            nativeViews = true;
            continue;
        }
        if (argument == QLatin1String("--compose-only")) {
            composeOnly = true;
            continue;
        }
        if (arguments.isEmpty()) {
            std::fprintf(stderr,
                         "usage: bench_views [--seconds N] [--views N] [--view WxH] "
                         "[--frame WxH] [--fps F] [--window WxH] [--native-views] "
                         "[--compose-only]\n");
            return 2;
        }
        arguments.removeFirst();
        if (argument == QLatin1String("--seconds"))
            seconds = value.toInt();
        else if (argument == QLatin1String("--views"))
            viewCount = qMax(1, value.toInt());
        else if (argument == QLatin1String("--fps"))
            fps = qMax(1.0, value.toDouble());
        else if (argument == QLatin1String("--view"))
            viewSize = parseSize(value).expandedTo({16, 16});
        else if (argument == QLatin1String("--frame"))
            frameSize = parseSize(value).expandedTo({2, 2});
        else if (argument == QLatin1String("--window"))
            windowSize = parseSize(value);
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    const VideoDataPSL picture = testPicture(frameSize);
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    std::vector<View> views;
    for (int i = 0; i < viewCount; ++i) {
        View view = makeView(&window, composeOnly, frameSize);
        view.widget->setFixedSize(viewSize);
        view.widget->setAttribute(Qt::WA_NativeWindow, nativeViews);
        layout->addWidget(view.widget);
        views.push_back(view);
    }
    window.resize(windowSize.expandedTo({viewSize.width() * viewCount, viewSize.height()}));
    RepaintCounter repaints;
    window.installEventFilter(&repaints);
    window.show();

    // Every view gets a picture per period, each a fraction of a period
    // after the view before it.
    const double periodMs = 1000.0 / fps;
    std::vector<qint64> sent(views.size(), 0);
    QTimer feeder;
    feeder.setTimerType(Qt::PreciseTimer);
    RunClock run;
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        const double now = run.elapsedSeconds() * 1000.0;
        for (size_t i = 0; i < views.size(); ++i) {
            const double phase = periodMs * double(i) / double(views.size());
            while (phase + double(sent[i]) * periodMs <= now) {
                views[i].offer(picture);
                ++sent[i];
            }
        }
    });
    run.start();
    feeder.start(1);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();

    quint64 totalShown = 0;
    std::printf("view  offered  taken  shown  shown%%\n");
    for (size_t i = 0; i < views.size(); ++i) {
        const VideoRender::Statistics figures = views[i].statistics();
        totalShown += figures.shown;
        std::printf("%4zu  %7llu  %5llu  %5llu  %6.1f\n", i,
                    static_cast<unsigned long long>(figures.offered),
                    static_cast<unsigned long long>(figures.taken),
                    static_cast<unsigned long long>(figures.shown),
                    figures.offered ? 100.0 * double(figures.shown) / double(figures.offered)
                                    : 0.0);
    }
    run.printSummary(totalShown);
    repaints.print(run.elapsedSeconds());
    return 0;
}
