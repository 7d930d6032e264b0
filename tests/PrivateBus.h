#pragma once

#include <QProcess>
#include <QString>

// A dbus-daemon of the test's own, so services can be faked without the
// desktop's buses. address() is empty when the daemon could not start.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
