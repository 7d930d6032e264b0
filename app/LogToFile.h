#pragma once

#include <QString>

// Routes every message of the process into one append-only UTF-8 file, one
// time-stamped line per message. Construction opens the file and installs the
// message handler; destruction logs a last line and closes the file. The file,
// its stream and the lock are process-wide, so lines from all threads are
// serialised.
class LogToFile
{
public:
    explicit LogToFile(const QString &path);
    ~LogToFile();

    LogToFile(const LogToFile &) = delete;
    LogToFile &operator=(const LogToFile &) = delete;
};
