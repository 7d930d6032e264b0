#pragma once

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
