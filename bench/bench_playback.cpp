// Plays files at once through real channels and views, side by side in one
// window, and prints per channel the frames decoded, shown and dropped, the
// process CPU time and peak memory; then decodes the same files with the
// ffmpeg program for the decoding limit.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp"
//       bench_playback [--seconds N] [--sample S] [--view WxH] [--no-ffmpeg]
//                      [--compose-only] [--window WxH] [--native-views]
//                      [--vlc-arg ARG]... [--no-views] FILE...
//
// --compose-only puts views in that take the frames but draw nothing: the
// figures then give the floor that composition and frame delivery set.
// --window makes the window larger than its views, as the player's window
// with its map and gauges is; --native-views gives each view its own native
// window, so a repaint composes only the view's area. --vlc-arg adds an
// argument to every channel's libvlc instance, to try libvlc's options.
// --no-views counts the frames and lets them go at once: the floor that
// libvlc and its picture callbacks set without any drawing or composition.

#include "AllocatorTuning.h"
#include "ComposeOnlyView.h"
#include "PlayObject.h"
#include "ProcessFigures.h"
#include "RepaintCounter.h"
#include "VideoRender.h"
#include "ZemkoResources.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

double frameRate(const QString &file)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                 QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                 QStringLiteral("stream=r_frame_rate"), QStringLiteral("-of"),
                 QStringLiteral("csv=p=0"), file});
    probe.waitForFinished(30000);
    const QList<QByteArray> parts = probe.readAllStandardOutput().trimmed().split('/');
    const double denominator = parts.value(1, "1").toDouble();
    return denominator > 0 ? parts.value(0).toDouble() / denominator : 0;
}

struct FfmpegCost
{
    double cpu = 0;
    qint64 frames = 0;
};

FfmpegCost ffmpegDecode(const QString &file)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-hide_banner"), QStringLiteral("-benchmark"),
                  QStringLiteral("-i"), file, QStringLiteral("-f"), QStringLiteral("null"),
                  QStringLiteral("-")});
    ffmpeg.waitForFinished(-1);
    const QString output = QString::fromLocal8Bit(ffmpeg.readAllStandardError());
    FfmpegCost cost;
    const auto frames = QRegularExpression(QStringLiteral("frame=\\s*(\\d+)")).globalMatch(output);
    for (auto it = frames; it.hasNext();)
        cost.frames = it.next().captured(1).toLongLong();
    const QRegularExpressionMatch times
        = QRegularExpression(QStringLiteral("utime=([\\d.]+)s stime=([\\d.]+)s")).match(output);
    cost.cpu = times.captured(1).toDouble() + times.captured(2).toDouble();
    return cost;
}

struct Channel
{
    QString file;
    double fps = 0;
    std::unique_ptr<PlayObject> player;
    std::function<VideoRender::Statistics()> statistics;
    int loops = 0;
};

} // namespace

int main(int argc, char **argv)
{
    releaseLargeBuffersOnFree();
    QApplication app(argc, argv);
    initZemkoResources();
    QStringList arguments = app.arguments().mid(1);
    int seconds = 60;
    int sample = 10;
    bool withFfmpeg = true;
    bool composeOnly = false;
    bool noViews = false;
    QSize viewSize(480, 270);
    QSize windowSize;
    bool nativeViews = false;
    QStringList vlcArguments = PlayObject::quietVlcArguments();
    QStringList files;
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == QLatin1String("--seconds"))
            seconds = arguments.isEmpty() ? seconds : arguments.takeFirst().toInt();
        else if (argument == QLatin1String("--sample"))
            sample = arguments.isEmpty() ? sample : arguments.takeFirst().toInt();
        else if (argument == QLatin1String("--view") && !arguments.isEmpty())
            viewSize = parseSize(arguments.takeFirst()).expandedTo({16, 16});
        else if (argument == QLatin1String("--no-ffmpeg"))
            withFfmpeg = false;
        else if (argument == QLatin1String("--compose-only"))
            composeOnly = true;
        else if (argument == QLatin1String("--no-views"))
            noViews = true;
        else if (argument == QLatin1String("--native-views"))
            nativeViews = true;
        else if (argument == QLatin1String("--window") && !arguments.isEmpty())
            windowSize = parseSize(arguments.takeFirst());
        else if (argument == QLatin1String("--vlc-arg") && !arguments.isEmpty())
            vlcArguments << arguments.takeFirst();
        else
            files << argument;
    }
    if (files.isEmpty()) {
        std::fprintf(stderr,
                     "usage: bench_playback [--seconds N] [--sample S] [--view WxH] [--no-ffmpeg] "
                     "[--compose-only] [--window WxH] [--native-views] [--vlc-arg ARG]... "
                     "[--no-views] FILE...\n");
        return 2;
    }
    // The channels log every negotiation and event; keep the figures readable.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    std::vector<Channel> channels(size_t(files.size()));
    for (int i = 0; i < files.size(); ++i) {
        Channel &channel = channels[size_t(i)];
        channel.file = files.at(i);
        channel.fps = frameRate(channel.file);
        channel.player = std::make_unique<PlayObject>(nullptr, i, vlcArguments);
        PlayObject *player = channel.player.get();
        // Loop, so runs may be longer than the clips.
        QObject::connect(player, &PlayObject::stateChanged, player,
                         [player, &channel](PlayObjectState state) {
                             if (state == Ended) {
                                 ++channel.loops;
                                 player->replay();
                             }
                         });
        QWidget *view = nullptr;
        if (noViews) {
            auto counted = std::make_shared<VideoRender::Statistics>();
            QObject::connect(player, &PlayObject::updateTexture2D, &window,
                             [counted](const VideoDataPSL &) {
                                 ++counted->offered;
                                 ++counted->taken;
                                 ++counted->shown;
                             });
            channel.statistics = [counted] {
                return *counted;
            };
            continue;
        }
        if (composeOnly) {
            auto *blank = new ComposeOnlyView(&window);
            QObject::connect(player, &PlayObject::updateTexture2D, blank,
                             &ComposeOnlyView::takeFrame);
            channel.statistics = [blank] {
                return blank->statistics();
            };
            view = blank;
        } else {
            auto *render = new VideoRender(&window);
            QObject::connect(player, &PlayObject::initTexture, render, &VideoRender::initTexture);
            QObject::connect(player, &PlayObject::updateTexture2D, render,
                             &VideoRender::updateTexture2D);
            QObject::connect(player, &PlayObject::cleanLayer, render, &VideoRender::closeTexture2D);
            channel.statistics = [render] {
                return render->statistics();
            };
            view = render;
        }
        view->setFixedSize(viewSize);
        view->setAttribute(Qt::WA_NativeWindow, nativeViews);
        layout->addWidget(view);
    }
    layout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window.resize(windowSize.expandedTo({viewSize.width() * int(files.size()), viewSize.height()}));
    RepaintCounter repaints;
    window.installEventFilter(&repaints);
    window.show();

    RunClock run;
    run.start();
    for (Channel &channel : channels)
        channel.player->setMedia(channel.file);

    std::printf("time_s  rss_mb  cpu_s\n");
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        std::printf("%6.0f  %6.1f  %5.1f\n", run.elapsedSeconds(), statusMegabytes("VmRSS:"),
                    run.cpuSeconds());
        std::fflush(stdout);
    });
    sampler.start(sample * 1000);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();

    const double elapsed = run.elapsedSeconds();
    const double cpu = run.cpuSeconds();
    quint64 totalShown = 0;
    quint64 totalDecoded = 0;
    std::printf(
        "\nchannel  expected  decoded  skipped  taken  shown  dropped  shown%%  loops  file\n");
    for (size_t i = 0; i < channels.size(); ++i) {
        const Channel &channel = channels[i];
        const VideoRender::Statistics view = channel.statistics();
        const double expected = channel.fps * elapsed;
        const quint64 decoded = channel.player->framesDecoded();
        totalShown += view.shown;
        totalDecoded += decoded;
        std::printf(
            "%7zu  %8.0f  %7llu  %7llu  %5llu  %5llu  %7llu  %6.1f  %5d  %s\n", i, expected,
            static_cast<unsigned long long>(decoded),
            static_cast<unsigned long long>(channel.player->framesSkipped()),
            static_cast<unsigned long long>(view.taken),
            static_cast<unsigned long long>(view.shown),
            static_cast<unsigned long long>(decoded > view.shown ? decoded - view.shown : 0),
            expected > 0 ? 100.0 * double(view.shown) / expected : 0.0, channel.loops,
            qPrintable(channel.file));
    }
    run.printSummary(totalShown);
    repaints.print(elapsed);
    // Frames decoded but never shown cost their decoding all the same: the
    // cost per decoded frame tells the work from the lateness.
    std::printf("CPU per decoded frame %.2f ms\n",
                totalDecoded ? 1000.0 * cpu / double(totalDecoded) : 0.0);
    for (Channel &channel : channels)
        channel.player->release();

    if (withFfmpeg) {
        double ffmpegCpu = 0;
        qint64 ffmpegFrames = 0;
        for (const Channel &channel : channels) {
            const FfmpegCost cost = ffmpegDecode(channel.file);
            ffmpegCpu += cost.cpu;
            ffmpegFrames += cost.frames;
            std::printf("ffmpeg -i %s -f null -: %lld frames, CPU %.2f s, %.2f ms per frame\n",
                        qPrintable(channel.file), static_cast<long long>(cost.frames), cost.cpu,
                        cost.frames ? 1000.0 * cost.cpu / double(cost.frames) : 0.0);
        }
        if (ffmpegFrames > 0 && totalShown > 0) {
            const double ffmpegPerFrame = ffmpegCpu / double(ffmpegFrames);
            const double oursPerFrame = cpu / double(totalShown);
            std::printf("CPU per shown frame / ffmpeg decode CPU per frame: %.2f\n",
                        oursPerFrame / ffmpegPerFrame);
            if (totalDecoded > 0)
                std::printf("CPU per decoded frame / ffmpeg decode CPU per frame: %.2f\n",
                            cpu / double(totalDecoded) / ffmpegPerFrame);
        }
    }
    return 0;
}
