#pragma once

#include <QMutex>
#include <QStringList>

// Collects every message logged while it exists (from any thread) and passes
// nothing on, so tests can check the log lines a unit writes.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList lines() const;
    // Lines that contain text.
    int count(const QString &text) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    mutable QMutex m_mutex;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
