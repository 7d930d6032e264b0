#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QString>

// Keeps the display and the system awake for as long as the object lives:
// a screen-saver inhibition on the session bus and, where the system bus
// offers logind, an idle/sleep inhibitor lock (held as a file descriptor).
class PowerInhibitor
{
public:
    explicit PowerInhibitor(const QString &applicationName,
                            const QDBusConnection &sessionBus = QDBusConnection::sessionBus(),
                            const QDBusConnection &systemBus = QDBusConnection::systemBus());
    ~PowerInhibitor();

    PowerInhibitor(const PowerInhibitor &) = delete;
    PowerInhibitor &operator=(const PowerInhibitor &) = delete;

    bool isActive() const { return m_screenSaverCookie != 0 || m_sleepLock.isValid(); }

private:
    QDBusConnection m_sessionBus;
    uint m_screenSaverCookie = 0;
    QDBusUnixFileDescriptor m_sleepLock;
};
