// Times the map track script and the JSON document of a one-hour record
// (3 600 fixes, one per second), the figures the map panel and the record
// store pay per file. Usage: bench_records [repetitions]
#include "OneHourRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Time this thread spent on the CPU, in milliseconds: steadier than the
// wall clock on a machine shared with builds.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Median and worst wall time and median CPU time of `repetitions` runs, in ms.
void measure(QTextStream &out, const char *label, int repetitions,
             const std::function<void()> &work)
{
    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
        cpuTimes.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    out << qSetFieldWidth(28) << Qt::left << label << qSetFieldWidth(0) << "median "
        << QString::number(times[times.size() / 2], 'f', 2) << " ms, max "
        << QString::number(times.back(), 'f', 2) << " ms, cpu median "
        << QString::number(cpuTimes[cpuTimes.size() / 2], 'f', 2) << " ms\n";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The records log on destruction; printing would be timed with them.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    const VideoMessage record = oneHourRecord();
    const QString json = record.toJson();
    QTextStream out(stdout);
    out << "record of " << oneHourFixCount << " fixes, " << repetitions << " runs each\n";
    int sink = 0;
    measure(out, "trackScript Google", repetitions, [&] { sink += record.trackScript(0).size(); });
    measure(out, "trackScript Baidu", repetitions, [&] { sink += record.trackScript(1).size(); });
    measure(out, "toJson", repetitions, [&] { sink += record.toJson().size(); });
    measure(out, "fromJson", repetitions, [&] {
        VideoMessage copy;
        copy.fromJson(json);
        sink += copy.gpsItems.size();
    });
    const QByteArray utf8 = json.toUtf8();
    measure(out, "fromJsonTree (QJsonDocument)", repetitions, [&] {
        VideoMessage copy;
        copy.fromJsonTree(utf8);
        sink += copy.gpsItems.size();
    });
    out << "JSON document: " << json.toUtf8().size() << " bytes ("
        << QString::number(json.toUtf8().size() / 1024.0 / 1024.0, 'f', 2) << " MiB)\n";
    out << "Google script: " << record.trackScript(0).size()
        << " chars, Baidu script: " << record.trackScript(1).size() << " chars\n";
    return sink > 0 ? 0 : 1;
}
