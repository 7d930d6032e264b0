#include "PowerInhibitor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDebug>

namespace {

constexpr int callTimeoutMs = 2000;
const QString reason = QStringLiteral("Playing dash-cam recordings");

QDBusMessage callIfRegistered(const QDBusConnection &bus, const QDBusMessage &message)
{
    if (!bus.isConnected() || !bus.interface()
        || !bus.interface()->isServiceRegistered(message.service()).value())
        return QDBusMessage();
    return bus.call(message, QDBus::Block, callTimeoutMs);
}

} // namespace

PowerInhibitor::PowerInhibitor(const QString &applicationName, const QDBusConnection &sessionBus,
                               const QDBusConnection &systemBus)
    : m_sessionBus(sessionBus)
{
    QDBusMessage inhibit = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
    inhibit << applicationName << reason;
    const QDBusReply<uint> cookie = callIfRegistered(m_sessionBus, inhibit);
    if (cookie.isValid())
        m_screenSaverCookie = cookie.value();

    QDBusMessage sleep = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    sleep << QStringLiteral("idle:sleep") << applicationName << reason << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> lock = callIfRegistered(systemBus, sleep);
    if (lock.isValid())
        m_sleepLock = lock.value();

    if (!isActive())
        qDebug()
            << "Power request: no D-Bus inhibitor answered; the system may sleep during playback";
}

PowerInhibitor::~PowerInhibitor()
{
    if (m_screenSaverCookie != 0) {
        QDBusMessage uninhibit = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("UnInhibit"));
        uninhibit << m_screenSaverCookie;
        m_sessionBus.call(uninhibit, QDBus::NoBlock);
    }
    // The logind lock ends when its descriptor closes with m_sleepLock.
}
