#include "LogCapture.h"

#include <QMutexLocker>

namespace {
LogCapture *active = nullptr;
} // namespace

LogCapture::LogCapture()
{
    active = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    active = nullptr;
}

void LogCapture::handler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!active)
        return;
    QMutexLocker locker(&active->m_mutex);
    active->m_lines << message;
}

QStringList LogCapture::lines() const
{
    QMutexLocker locker(&m_mutex);
    return m_lines;
}

int LogCapture::count(const QString &text) const
{
    QMutexLocker locker(&m_mutex);
    int found = 0;
    for (const QString &line : m_lines)
        found += line.contains(text) ? 1 : 0;
    return found;
}

void LogCapture::clear()
{
    QMutexLocker locker(&m_mutex);
    m_lines.clear();
}
