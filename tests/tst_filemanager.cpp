#include "FileManager.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"

#include <QDBusConnection>
#include <QThread>

#include <memory>

namespace {

// Stands in for the desktop's file manager on a private bus.
class FakeFileManager1 : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown;
    QString startupId = QStringLiteral("unset");

public slots:
    void ShowItems(const QStringList &uris, const QString &startup)
    {
        shown << uris;
        startupId = startup;
    }
};

// Records the folder fallback instead of starting a program.
class RecordingFileManager : public FileManager
{
public:
    using FileManager::FileManager;
    QStringList folders;

protected:
    bool openFolder(const QString &folder) override
    {
        folders << folder;
        return true;
    }
};

} // namespace

class TestFileManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsItemOverTheBus();
    void fallsBackToTheFolder_data();
    void fallsBackToTheFolder();

private:
    std::unique_ptr<PrivateBus> m_bus;
    QString m_address;
};

void TestFileManager::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>();
    m_address = m_bus->address();
    if (m_address.isEmpty())
        QSKIP("dbus-daemon is not installed");
}

void TestFileManager::showsItemOverTheBus()
{
    // The fake answers on its own thread, since the client's call blocks this one.
    QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("service"));
    FakeFileManager1 fake;
    QThread serviceThread;
    fake.moveToThread(&serviceThread);
    serviceThread.start();
    QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fake,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));

    RecordingFileManager files(QDBusConnection::connectToBus(m_address, QStringLiteral("client")));
    const bool shown = files.showItem(QStringLiteral("/media/card/行车 记录/a#1.MP4"));
    serviceThread.quit();
    serviceThread.wait();
    QVERIFY(shown);
    QCOMPARE(fake.shown,
             QStringList {QStringLiteral(
                 "file:///media/card/%E8%A1%8C%E8%BD%A6%20%E8%AE%B0%E5%BD%95/a%231.MP4")});
    QCOMPARE(fake.startupId, QString());
    QVERIFY(files.folders.isEmpty());
    service.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
}

void TestFileManager::fallsBackToTheFolder_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addRow("bus without a file manager") << true;
    QTest::addRow("no bus at all") << false;
}

void TestFileManager::fallsBackToTheFolder()
{
    QFETCH(bool, connected);
    const QString address = connected ? m_address : QStringLiteral("unix:path=/nonexistent/bus");
    const QString name = connected ? QStringLiteral("plain") : QStringLiteral("none");
    {
        RecordingFileManager files(QDBusConnection::connectToBus(address, name));
        QVERIFY(files.showItem(QStringLiteral("/media/card/行车 记录/a.MP4")));
        QCOMPARE(files.folders, QStringList {QStringLiteral("/media/card/行车 记录")});
    }
    QDBusConnection::disconnectFromBus(name);
}

ZEMKO_TEST_GUILESS_MAIN(TestFileManager)
#include "tst_filemanager.moc"
