#include "TestEnvironment.h"
#include "X11Window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#ifndef ZEMKO_PLAYER_PATH
#error "ZEMKO_PLAYER_PATH must name the built executable"
#endif

namespace {

QStringList logMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\.\\d{3} : "));
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
};

void TestStartup::windowOpensAndClosesInOrder_data()
{
    QTest::addColumn<int>("run");
    QTest::addRow("first run") << 1;
    QTest::addRow("second run appends") << 2;
}

void TestStartup::windowOpensAndClosesInOrder()
{
    QFETCH(int, run);
    X11Window x11;
    if (!x11.isConnected())
        QSKIP("needs an X server (run the suite under xvfb-run)");

    QProcess player;
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(QStringLiteral(ZEMKO_PLAYER_PATH), QStringList());
    QVERIFY(player.waitForStarted());

    unsigned long window = 0;
    QElapsedTimer timer;
    timer.start();
    while (!window && timer.elapsed() < 30000 && player.state() == QProcess::Running) {
        QTest::qWait(100);
        window = x11.find(QStringLiteral("ZEMKO Player"));
    }
    QVERIFY2(window, "no window titled ZEMKO Player appeared");
    QTest::qWait(300);
    if (run == 1)
        QCOMPARE(x11.geometry(window), QRect(460, 220, 1000, 640)); // centred on 1920 x 1080

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

ZEMKO_TEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
