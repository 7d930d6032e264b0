#include "ProcessFigures.h"

#include <QFile>
#include <QList>
#include <QStringList>

#include <sys/resource.h>
#include <unistd.h>

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
