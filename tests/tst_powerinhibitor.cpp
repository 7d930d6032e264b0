#include "PowerInhibitor.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSignalSpy>
#include <QThread>

#include <memory>

#include <unistd.h>

namespace {

// Stand-ins for the desktop's screen saver and for logind, on a private bus.
// They live on their own thread, because the inhibitor blocks while it calls.
class FakeScreenSaver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList calls;
public slots:
    uint Inhibit(const QString &application, const QString &)
    {
        calls << QStringLiteral("Inhibit ") + application;
        return 42;
    }
    void UnInhibit(uint cookie)
    {
        calls << QStringLiteral("UnInhibit ") + QString::number(cookie);
        emit uninhibited();
    }
signals:
    void uninhibited();
};

class FakeLogind : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    int readEnd = -1;
    QString what;
public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &inhibitWhat, const QString &, const QString &,
                                    const QString &)
    {
        what = inhibitWhat;
        int fds[2];
        if (pipe(fds) != 0)
            return QDBusUnixFileDescriptor();
        readEnd = fds[0];
        QDBusUnixFileDescriptor lock(fds[1]); // dups the descriptor
        close(fds[1]);
        return lock;
    }
};

} // namespace

class TestPowerInhibitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void noBusLogsOnceAndGoesOn();
    void holdsAndReleasesBothInhibitors();

private:
    std::unique_ptr<PrivateBus> m_bus;
    QString m_address;
};

void TestPowerInhibitor::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>();
    m_address = m_bus->address();
    if (m_address.isEmpty())
        QSKIP("dbus-daemon is not installed");
}

void TestPowerInhibitor::noBusLogsOnceAndGoesOn()
{
    const QDBusConnection none = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("none"));
    QVERIFY(!none.isConnected());
    QTest::ignoreMessage(
        QtDebugMsg,
        "Power request: no D-Bus inhibitor answered; the system may sleep during playback");
    PowerInhibitor inhibitor(QStringLiteral("ZemkoPlayer"), none, none);
    QVERIFY(!inhibitor.isActive());
}

void TestPowerInhibitor::holdsAndReleasesBothInhibitors()
{
    QThread serviceThread;
    FakeScreenSaver screenSaver;
    FakeLogind logind;
    screenSaver.moveToThread(&serviceThread);
    logind.moveToThread(&serviceThread);
    serviceThread.start();

    QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("service"));
    QVERIFY(service.isConnected());
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &screenSaver,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/login1"), &logind,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.login1")));

    const QDBusConnection client
        = QDBusConnection::connectToBus(m_address, QStringLiteral("client"));
    QSignalSpy uninhibited(&screenSaver, &FakeScreenSaver::uninhibited);
    {
        PowerInhibitor inhibitor(QStringLiteral("ZemkoPlayer"), client, client);
        QVERIFY(inhibitor.isActive());
        QCOMPARE(logind.what, QStringLiteral("idle:sleep"));
        QVERIFY(logind.readEnd >= 0);
    }
    QVERIFY(uninhibited.wait(5000));
    QCOMPARE(screenSaver.calls,
             QStringList({QStringLiteral("Inhibit ZemkoPlayer"), QStringLiteral("UnInhibit 42")}));
    // Every copy of the lock's write end is closed: logind sees end of file.
    char byte = 0;
    QCOMPARE(read(logind.readEnd, &byte, 1), ssize_t(0));
    close(logind.readEnd);

    serviceThread.quit();
    serviceThread.wait();
}

ZEMKO_TEST_GUILESS_MAIN(TestPowerInhibitor)
#include "tst_powerinhibitor.moc"
