#pragma once

#include <QElapsedTimer>
#include <QSize>
#include <QString>

// What the benchmarks measure of their own process and of the machine.

// User and system CPU time of this process so far, in seconds.
double cpuSeconds();
// A field of /proc/self/status ("VmRSS:", "VmHWM:") in MB.
double statusMegabytes(const char *field);
// Seconds the hypervisor gave this machine's CPUs to others (the "steal"
// column of /proc/stat): on a shared host it explains frames shown late
// that no figure of this process accounts for.
double stolenSeconds();
// "WxH" as a size; parts that are missing or not numbers count 0.
QSize parseSize(const QString &text);

// Wall time, process CPU time and host steal of a run, from start() on.
class RunClock
{
public:
    void start();
    double elapsedSeconds() const;
    double cpuSeconds() const;
    // The run's figures: wall and CPU time, CPU per shown frame, peak memory
    // and what the host took.
    void printSummary(quint64 framesShown) const;

private:
    QElapsedTimer m_wall;
    double m_cpuAtStart = 0;
    double m_stolenAtStart = 0;
};
