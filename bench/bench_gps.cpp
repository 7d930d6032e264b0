// GPS extraction of a one-hour recording (30 fps, low resolution, 3 600
// record blocks of 32 KiB, movie box at the end), from a warm cache:
// in process (probe, walk, whole createVideoForGPSUrl) against plain record
// reads, and as processes: zemko-probe, `exiftool -ee -n`, ffprobe.
// Usage: bench_gps [FILE]  (default: generated once in the temp folder)
#include "GPSTool.h"
#include "GpsBoxWalker.h"
#include "GpsFixtures.h"
#include "GpsRecordDecoder.h"
#include "GpsTrackBuilder.h"
#include "MediaProbe.h"
#include "Utf8File.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <variant>

using namespace gpsfixtures;

namespace {

constexpr int records = 3600;
constexpr int runs = 5;

double median(QVector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double medianMs(const std::function<void()> &work, int count = runs)
{
    QVector<double> times;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

struct Command
{
    QString program;
    QStringList arguments;
    bool mustSucceed = true;
};

// The median wall time of each command, or -1 for one that did not start or
// (where it must succeed) failed: a missing program must not pass for a fast
// one. The commands take turns, so a machine that slows down for a while
// slows all of them and their ratios hold.
QVector<double> processMs(const QVector<Command> &commands, int rounds = 7)
{
    QVector<QVector<double>> times(commands.size());
    QVector<bool> failed(commands.size(), false);
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < commands.size(); ++i) {
            const Command &command = commands.at(i);
            QProcess process;
            process.setStandardOutputFile(QProcess::nullDevice());
            process.setStandardErrorFile(QProcess::nullDevice());
            QElapsedTimer timer;
            timer.start();
            process.start(command.program, command.arguments);
            failed[i] = failed[i] || !process.waitForFinished(-1)
                || process.exitStatus() != QProcess::NormalExit
                || (command.mustSucceed && process.exitCode() != 0);
            times[i].append(timer.nsecsElapsed() / 1e6);
        }
    }
    QVector<double> medians;
    for (int i = 0; i < commands.size(); ++i)
        medians.append(failed.at(i) ? -1 : median(times.at(i)));
    return medians;
}

// Fixes ExifTool decodes from the file: the comparison is fair only when it
// reads the whole track, as it does on a camera's file.
int exiftoolFixes(const QString &path)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(
        QStringLiteral("exiftool"),
        {QStringLiteral("-ee"), QStringLiteral("-n"), QStringLiteral("-GPSLatitude"), path});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return -1;
    return int(process.readAllStandardOutput().count("GPS Latitude"));
}

void printProcess(const char *label, double ms)
{
    if (ms < 0)
        std::printf("%s not available or failed\n", label);
    else
        std::printf("%s %8.2f ms\n", label, ms);
}

void printRatio(const char *label, double numerator, double denominator, const char *target)
{
    if (numerator < 0 || denominator <= 0)
        std::printf("%s        - (%s)\n", label, target);
    else
        std::printf("%s %8.1f x (%s)\n", label, numerator / denominator, target);
}

bool makeRecording(const QString &path)
{
    std::printf("generating %s (one hour, once)...\n", qPrintable(path));
    ClipOptions options;
    options.seconds = 3600;
    options.size = QStringLiteral("64x36");
    QString error;
    if (!makeClip(path, options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    QVector<QByteArray> blocks;
    for (const FixSpec &fix : sampleTrack(records))
        blocks.append(gpsBlock(zemkoRecord(fix), 76, 32768));
    return embedGpsBlocks(path, blocks);
}

// Block offsets as the "gps " box lists them, for the plain-read baseline.
QVector<qint64> blockOffsets(const QString &path)
{
    QVector<qint64> offsets;
    QFile file;
    if (!openUtf8ReadOnly(file, path))
        return offsets;
    QByteArray tail;
    file.seek(qMax<qint64>(0, file.size() - 64 * 1024 * 1024));
    tail = file.readAll();
    const int at = tail.lastIndexOf("gps ");
    if (at < 0)
        return offsets;
    const quint32 n = qFromBigEndian<quint32>(tail.constData() + at + 8);
    for (quint32 i = 0; i < n && at + 20 + 8 * int(i) <= tail.size(); ++i)
        offsets.append(qFromBigEndian<quint32>(tail.constData() + at + 12 + 8 * i));
    return offsets;
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromUtf8(argv[1])
                                  : QDir::temp().filePath(QStringLiteral("zemko-bench-gps-1h.mp4"));
    if (!QFile::exists(path) && !makeRecording(path))
        return 1;
    // Warm the cache.
    QFile warm(path);
    if (warm.open(QIODevice::ReadOnly))
        while (!warm.read(1 << 20).isEmpty()) { }
    std::printf("file: %s, %.1f MB\n", qPrintable(path), QFileInfo(path).size() / 1e6);

    const double probe = medianMs([&] {
        VideoMessage record;
        record.path = path;
        MediaProbe::probe(path, record);
    });
    int fixes = 0;
    const double walk = medianMs([&] {
        GpsTrackBuilder track;
        QFile file;
        openUtf8ReadOnly(file, path);
        GpsBoxWalker walker([&track](const GpsBoxRecord &record) {
            std::visit(
                [&track](const auto &r) {
                    GPSModel fix = GpsRecordDecoder::toFix(r);
                    track.fileFix(fix);
                    track.advanceKey();
                },
                record);
        });
        walker.walk(&file);
        track.parseGPSComplete();
        fixes = track.record().gpsTotailNum;
    });
    const double walkOnly = medianMs([&] {
        QFile file;
        openUtf8ReadOnly(file, path);
        GpsBoxWalker walker([](const GpsBoxRecord &) {});
        walker.walk(&file);
    });
    const QVector<qint64> offsets = blockOffsets(path);
    const double plain = medianMs([&] {
        QFile file;
        openUtf8ReadOnly(file, path);
        char buffer[248];
        for (const qint64 offset : offsets) {
            file.seek(offset + 48);
            file.read(buffer, sizeof buffer);
        }
    });
    const double whole = medianMs([&] {
        GPSTool tool;
        tool.createVideoForGPSUrl(path);
    });

    const QString probeTool = QStringLiteral(ZEMKO_PROBE_PATH);
    // zemko-probe with no file loads Qt's and FFmpeg's libraries (some 140
    // shared objects) and exits 1 with its usage line: the floor under the
    // whole-process figure.
    const QVector<double> processes = processMs(
        {{probeTool, {path}},
         {probeTool, {}, false},
         {QStringLiteral("exiftool"), {QStringLiteral("-ee"), QStringLiteral("-n"), path}},
         {QStringLiteral("ffprobe"),
          {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_streams"),
           QStringLiteral("-show_format"), path}}});
    const double zemkoProcess = processes.at(0);
    const double zemkoStart = processes.at(1);
    const double exiftool = processes.at(2);
    const double ffprobe = processes.at(3);

    std::printf("fixes in track:                          %d (blocks listed %d)\n", fixes,
                int(offsets.size()));
    std::printf("probe (avformat open + stream info):     %8.2f ms\n", probe);
    std::printf("walk (\"gps \" walker + decode + track):   %8.2f ms\n", walk);
    std::printf("walk, records read and laid out only:    %8.2f ms\n", walkOnly);
    std::printf("plain reads of %d records:             %8.2f ms   walk/plain %.2f (target <= 2)\n",
                int(offsets.size()), plain, walkOnly / plain);
    std::printf("createVideoForGPSUrl in process:         %8.2f ms\n", whole);
    printProcess("zemko-probe process:                    ", zemkoProcess);
    printProcess("zemko-probe start-up only (no file):    ", zemkoStart);
    printProcess("exiftool -ee -n process:                ", exiftool);
    if (exiftool > 0)
        std::printf("fixes exiftool decodes:                  %d\n", exiftoolFixes(path));
    printProcess("ffprobe -show_streams -show_format:     ", ffprobe);
    printRatio("exiftool / in-process extraction:       ", exiftool, whole, "target >= 25");
    printRatio("exiftool / zemko-probe process:         ", exiftool, zemkoProcess, "target >= 10");
    if (ffprobe > 0)
        std::printf("probe vs ffprobe process:                %8.2f (target <= 1)\n",
                    probe / ffprobe);
    return 0;
}
