#include "TestEnvironment.h"
#include "X11Window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#ifndef ZEMKO_PLAYER_PATH
#error "ZEMKO_PLAYER_PATH must name the built executable"
#endif

namespace {

QStringList logMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QRegularExpression stamp(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\.\\d{3} : "));
    QStringList messages;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const auto match = stamp.match(line);
        if (match.hasMatch())
            messages << line.mid(match.capturedLength());
    }
    return messages;
}

} // namespace

// Starts the real executable under the test's X server with a temporary home.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void windowOpensAndClosesInOrder_data();
    void windowOpensAndClosesInOrder();
    void startsInAHostileEnvironment();
};

void TestStartup::windowOpensAndClosesInOrder_data()
{
    QTest::addColumn<int>("run");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QRect>("geometry");
    // Centred on the 1920 x 1080 test screen.
    QTest::addRow("first run") << 1 << QByteArray() << QRect(460, 220, 1080, 680);
    QTest::addRow("second run appends") << 2 << QByteArray() << QRect(460, 220, 1080, 680);
    QTest::addRow("stored size") << 3 << QByteArray("[General]\nmainWindowSize=@Size(1200 800)\n")
                                 << QRect(360, 140, 1200, 800);
    QTest::addRow("garbage settings")
        << 4
        << QByteArray(
               "[General]\nmainWindowSize=banana\nZemkoLanguage=\\x1\\0\nuserSelectMapTyp=-5\n"
               "userSelectSpeedType=@Variant(\\0\\0)\n")
        << QRect(460, 220, 1080, 680);
}

namespace {

unsigned long waitForWindow(const X11Window &x11, const QProcess &player)
{
    unsigned long window = 0;
    QElapsedTimer timer;
    timer.start();
    while (!window && timer.elapsed() < 30000 && player.state() == QProcess::Running) {
        QTest::qWait(100);
        window = x11.find(QStringLiteral("ZEMKO Player"));
    }
    return window;
}

} // namespace

void TestStartup::windowOpensAndClosesInOrder()
{
    QFETCH(int, run);
    QFETCH(QByteArray, settings);
    X11Window x11;
    if (!x11.isConnected())
        QSKIP("needs an X server (run the suite under xvfb-run)");

    const QString settingsPath
        = zemko::testRoot() + QStringLiteral("/config/ZEMKO/ZemkoPlayer.conf");
    QFile::remove(settingsPath);
    if (!settings.isEmpty()) {
        QDir().mkpath(QFileInfo(settingsPath).path());
        QFile file(settingsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }

    QProcess player;
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(QStringLiteral(ZEMKO_PLAYER_PATH), QStringList());
    QVERIFY(player.waitForStarted());
    const unsigned long window = waitForWindow(x11, player);
    QVERIFY2(window, "no window titled ZEMKO Player appeared");
    QTest::qWait(300);
    QTEST(x11.geometry(window), "geometry");

    x11.requestClose(window);
    QVERIFY(player.waitForFinished(30000));
    QCOMPARE(player.exitStatus(), QProcess::NormalExit);
    QCOMPARE(player.exitCode(), 0);

    // The log lives in a folder named after the executable.
    const QString logPath = zemko::testRoot() + QStringLiteral("/data/zemko-player/log.txt");
    const QStringList messages = logMessages(logPath);
    const QString pathLine = QStringLiteral("打开app创建log文件路径： ") + logPath;
    QCOMPARE(messages.count(pathLine), run);
    QCOMPARE(messages.first(), pathLine);
    QCOMPARE(messages.last(), QStringLiteral("LogToFile is close LogToFile destroy"));
    const int start = messages.lastIndexOf(pathLine);
    QVERIFY(messages.mid(start).contains(QStringLiteral("AppManager初始化 ")));
}

void TestStartup::startsInAHostileEnvironment()
{
    X11Window x11;
    if (!x11.isConnected())
        QSKIP("needs an X server (run the suite under xvfb-run)");
    // Regular files where the data and settings folders should be: nothing
    // can be created there, not even by root.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"),
                       blocker.fileName() + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       blocker.fileName() + QStringLiteral("/config"));

    QProcess player;
    player.setProcessEnvironment(environment);
    player.setWorkingDirectory(dir.path());
    player.start(QStringLiteral(ZEMKO_PLAYER_PATH), QStringList());
    QVERIFY(player.waitForStarted());
    const unsigned long window = waitForWindow(x11, player);
    QVERIFY2(window, "no window titled ZEMKO Player appeared");
    QCOMPARE(x11.geometry(window).size(), QSize(1080, 680));
    x11.requestClose(window);
    QVERIFY(player.waitForFinished(30000));
    QCOMPARE(player.exitCode(), 0);
    const QString errors = QString::fromUtf8(player.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("日志文件打开失败")), qPrintable(errors));
    // The log went to the default output instead.
    QVERIFY(errors.contains(QStringLiteral("打开app创建log文件路径： aaaaaaaaaaaaaa/log.txt")));
}

ZEMKO_TEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
