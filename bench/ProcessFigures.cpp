#include "ProcessFigures.h"

#include <QFile>
#include <QList>
#include <QStringList>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double statusMegabytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double stolenSeconds()
{
    QFile stat(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = stat.readLine().simplified().split(' ');
    return fields.value(8).toDouble() / double(sysconf(_SC_CLK_TCK));
}

QSize parseSize(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return QSize(parts.value(0).toInt(), parts.value(1).toInt());
}

void RunClock::start()
{
    m_cpuAtStart = ::cpuSeconds();
    m_stolenAtStart = stolenSeconds();
    m_wall.start();
}

double RunClock::elapsedSeconds() const
{
    return double(m_wall.elapsed()) / 1000.0;
}

double RunClock::cpuSeconds() const
{
    return ::cpuSeconds() - m_cpuAtStart;
}

void RunClock::printSummary(quint64 framesShown) const
{
    const double elapsed = elapsedSeconds();
    const double cpu = cpuSeconds();
    const double stolen = stolenSeconds() - m_stolenAtStart;
    std::printf("\nelapsed %.1f s, process CPU %.1f s (%.0f %% of one core), CPU per shown frame "
                "%.2f ms, peak memory %.1f MB\n",
                elapsed, cpu, 100.0 * cpu / elapsed,
                framesShown ? 1000.0 * cpu / double(framesShown) : 0.0, statusMegabytes("VmHWM:"));
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    std::printf("CPU time the host took from this machine: %.1f s (%.0f %% of %ld cores)\n", stolen,
                100.0 * stolen / (elapsed * double(cores)), cores);
}
