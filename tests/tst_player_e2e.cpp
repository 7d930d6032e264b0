#include "GpsFixtures.h"
#include "TestEnvironment.h"
#include "X11Window.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifndef ZEMKO_PLAYER_PATH
#error "ZEMKO_PLAYER_PATH must name the built executable"
#endif

namespace {

// Where things sit in the window at its first-run size of 1080 x 680.
const QSize kWindowSize(1080, 680);
const QRect kVideoArea(0, 46, 700, 394);
const QRect kPictureInPicture(10, 56, 150, 80);
const QRect kMapPane(700, 46, 380, 250);
const QPoint kFullScreenButton(472, 491);

// One player process with its own home folder; the folder outlives the
// process, so a second run finds what the first one stored.
class PlayerRun
{
public:
    explicit PlayerRun(const QString &home)
        : m_home(home)
    {
    }
    ~PlayerRun()
    {
        if (m_player.state() != QProcess::NotRunning) {
            m_player.kill();
            m_player.waitForFinished();
        }
    }

    QString settingsPath() const
    {
        return m_home + QStringLiteral("/config/ZEMKO/ZemkoPlayer.conf");
    }
    QString logPath() const { return m_home + QStringLiteral("/data/zemko-player/log.txt"); }

    void writeSettings(const QByteArray &settings) const
    {
        QDir().mkpath(QFileInfo(settingsPath()).path());
        QFile file(settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }

    // Starts the player with files on its command line and waits for its window.
    bool start(const QStringList &files)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_home);
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home + QStringLiteral("/cache"));
        m_player.setProcessEnvironment(environment);
        m_player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_player.start(QStringLiteral(ZEMKO_PLAYER_PATH), files);
        if (!m_player.waitForStarted())
            return false;
        QElapsedTimer timer;
        timer.start();
        while (!m_window && timer.elapsed() < 30000 && m_player.state() == QProcess::Running) {
            QTest::qWait(100);
            m_window = m_x11.find(QStringLiteral("ZEMKO Player"));
        }
        return m_window != 0;
    }

    QStringList messages() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return {};
        const QRegularExpression stamp(
            QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\\.\\d{3} : "));
        QStringList result;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const auto match = stamp.match(line);
            if (match.hasMatch())
                result << line.mid(match.capturedLength());
        }
        return result;
    }

    // Waits until the log holds message at least count times.
    bool waitForMessage(const QString &message, int count = 1, int timeoutMs = 30000) const
    {
        QElapsedTimer timer;
        timer.start();
        while (messages().count(message) < count) {
            if (timer.elapsed() > timeoutMs)
                return false;
            QTest::qWait(100);
        }
        return true;
    }

    QRect geometry() const { return m_x11.geometry(m_window); }
    bool waitForGeometry(const QRect &expected) const
    {
        QElapsedTimer timer;
        timer.start();
        while (geometry() != expected && timer.elapsed() < 10000)
            QTest::qWait(100);
        return geometry() == expected;
    }

    // rect is in window coordinates.
    QImage grab(const QRect &rect) const
    {
        return m_x11.grab(rect.translated(geometry().topLeft()));
    }
    void click(const QPoint &point) const { m_x11.click(point + geometry().topLeft()); }
    void pressKey(const char *keysymName) const { m_x11.pressKey(keysymName); }

    bool close()
    {
        m_x11.requestClose(m_window);
        return m_player.waitForFinished(30000) && m_player.exitStatus() == QProcess::NormalExit
            && m_player.exitCode() == 0;
    }

private:
    QString m_home;
    X11Window m_x11;
    QProcess m_player;
    unsigned long m_window = 0;
};

// Distinct strongly coloured hues in an image, in twelve bins: a picture of
// colour bars has many, a black or grey view none.
int colourfulHues(const QImage &image)
{
    QSet<int> hues;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QColor colour = QColor::fromRgb(image.pixel(x, y));
            if (colour.hsvSaturation() > 150 && colour.value() > 150)
                hues.insert(colour.hsvHue() / 30);
        }
    }
    return hues.size();
}

// Mean grey level of an image.
int meanGrey(const QImage &image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return int(sum / qMax(1, image.width() * image.height()));
}

// Saves what a test looked at when ZEMKO_SCREENSHOT_DIR names a folder
// (scripts/screenshots.sh uses this for the README).
void keepScreenshot(const PlayerRun &run, const QString &name)
{
    const QString folder = qEnvironmentVariable("ZEMKO_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        run.grab(QRect(QPoint(0, 0), run.geometry().size())).save(folder + QLatin1Char('/') + name);
}

} // namespace

// Runs the real executable under the test's X server, as a user would.
class TestPlayerE2e : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void playsPausesAndLeavesFullScreen();
    void mapPaneFollowsTheTrack_data();
    void mapPaneFollowsTheTrack();
    void secondOpeningUsesTheStoredRecord();

private:
    bool makeClip(const QString &name, int fixes, const QString &size = QStringLiteral("640x360"),
                  int seconds = 30);
    QString clip(const QString &name) const { return m_clips.filePath(name); }

    QTemporaryDir m_clips;
    X11Window m_x11;
    // Full screen is the window manager's business: without one the window
    // would keep its size whatever it asked for.
    QProcess m_windowManager;
};

bool TestPlayerE2e::makeClip(const QString &name, int fixes, const QString &size, int seconds)
{
    gpsfixtures::ClipOptions options;
    options.seconds = seconds;
    options.size = size;
    QString error;
    const bool made = gpsfixtures::makeDashcamClip(clip(name), options, fixes, &error);
    if (!made)
        qWarning().noquote() << error;
    return made;
}

void TestPlayerE2e::initTestCase()
{
    if (!m_x11.isConnected())
        QSKIP("needs an X server (run the suite under xvfb-run)");
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    QVERIFY2(!openbox.isEmpty(), "needs openbox (scripts/setup.sh installs it)");
    m_windowManager.start(openbox, {QStringLiteral("--sm-disable")});
    QVERIFY(m_windowManager.waitForStarted());
    // A front and rear pair of one recording (same 14-character prefix), and
    // a recording whose camera wrote no fixes.
    QVERIFY(makeClip(QStringLiteral("20231201120000_F.mp4"), 20));
    QVERIFY(makeClip(QStringLiteral("20231201120000_R.mp4"), 0));
    QVERIFY(makeClip(QStringLiteral("20231202080000_F.mp4"), 0));
}

void TestPlayerE2e::cleanupTestCase()
{
    m_windowManager.terminate();
    m_windowManager.waitForFinished();
}

void TestPlayerE2e::playsPausesAndLeavesFullScreen()
{
    QTemporaryDir home;
    PlayerRun run(home.path());
    // Play mode 1: front and rear side by side.
    run.writeSettings("[General]\nuserSelectPlayModelType=1\n");
    QVERIFY(run.start({clip(QStringLiteral("20231201120000_F.mp4")),
                       clip(QStringLiteral("20231201120000_R.mp4"))}));
    const QRect normal = run.geometry();
    QCOMPARE(normal.size(), kWindowSize);

    const QString playing = QStringLiteral("开始播放");
    QVERIFY2(run.waitForMessage(playing), "playback never started");
    QTest::qWait(1500);
    keepScreenshot(run, QStringLiteral("screenshot-two-channels.png"));
    // Both channels show the clip's colour bars: the main view and the
    // picture-in-picture corner.
    QVERIFY2(colourfulHues(run.grab(kVideoArea)) >= 5, "the video area shows no picture");
    QVERIFY2(colourfulHues(run.grab(kPictureInPicture)) >= 4,
             "the second channel shows no picture");

    // Space pauses: the picture stands still (the clip's counter would move).
    run.pressKey("space");
    QVERIFY2(run.waitForMessage(QStringLiteral("播放暂停")), "Space did not pause");
    QTest::qWait(500);
    const QImage paused = run.grab(kVideoArea);
    QTest::qWait(1500);
    QVERIFY2(run.grab(kVideoArea) == paused, "the picture moved while paused");

    // Space again resumes: the picture moves on.
    run.pressKey("space");
    QVERIFY2(run.waitForMessage(playing, 2), "Space did not resume");
    QTest::qWait(1500);
    QVERIFY2(run.grab(kVideoArea) != paused, "the picture stood still after resuming");

    // The full-screen button fills the screen; Escape brings the window back.
    run.click(kFullScreenButton);
    QVERIFY2(run.waitForGeometry(QRect(QPoint(0, 0), QSize(1920, 1080))),
             qPrintable(QStringLiteral("not full screen: %1,%2 %3x%4")
                            .arg(run.geometry().x())
                            .arg(run.geometry().y())
                            .arg(run.geometry().width())
                            .arg(run.geometry().height())));
    run.pressKey("Escape");
    QVERIFY2(run.waitForGeometry(normal), "Escape did not leave full screen");

    QVERIFY(run.close());
    QFile settings(run.settingsPath());
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY2(settings.readAll().contains("mainWindowSize=@Size(1080 680)"),
             "closing did not store the window size");
    QVERIFY(run.messages().contains(QStringLiteral("手动关闭播放器")));
}

void TestPlayerE2e::mapPaneFollowsTheTrack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("mapShown");
    QTest::addRow("track") << QStringLiteral("20231201120000_F.mp4")
                           << QStringLiteral("刷新地图轨迹,GPS个数: 20") << true;
    QTest::addRow("no fixes") << QStringLiteral("20231202080000_F.mp4")
                              << QStringLiteral("清空地图轨迹2") << false;
}

void TestPlayerE2e::mapPaneFollowsTheTrack()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    QFETCH(bool, mapShown);
    QTemporaryDir home;
    PlayerRun run(home.path());
    QVERIFY(run.start({clip(file)}));
    QVERIFY2(run.waitForMessage(QStringLiteral("开始播放")), "playback never started");
    QVERIFY2(run.waitForMessage(message), qPrintable(message));
    if (mapShown) {
        QVERIFY(run.waitForMessage(QStringLiteral("地图加载完成")));
        QTest::qWait(2000);
        keepScreenshot(run, QStringLiteral("screenshot-map-track.png"));
    } else {
        QTest::qWait(1000);
    }
    // The map page is light; the "No GPS Data" page is the dark logo page.
    const int grey = meanGrey(run.grab(kMapPane));
    if (mapShown)
        QVERIFY2(grey > 150, qPrintable(QString::number(grey)));
    else
        QVERIFY2(grey < 90, qPrintable(QString::number(grey)));
    QVERIFY(run.close());
}

void TestPlayerE2e::secondOpeningUsesTheStoredRecord()
{
    QTemporaryDir home;

    const QString file = clip(QStringLiteral("20231201120000_F.mp4"));
    const QString parsed = QStringLiteral("解析完成");
    const QString drawn = QStringLiteral("刷新地图轨迹,GPS个数: 20");
    {
        PlayerRun first(home.path());
        QVERIFY(first.start({file}));
        QVERIFY(first.waitForMessage(drawn));
        QVERIFY(first.close());
        QCOMPARE(first.messages().count(parsed), 1);
    }
    PlayerRun second(home.path());
    const int drawnBefore = second.messages().count(drawn);
    // The file is in the stored playlist already: the duplicate rule keeps
    // one row, and that row is played.
    QVERIFY(second.start({file}));
    QVERIFY(second.waitForMessage(drawn, drawnBefore + 1));
    QVERIFY(second.close());
    QCOMPARE(second.messages().count(parsed), 1);
}

ZEMKO_TEST_GUILESS_MAIN(TestPlayerE2e)
#include "tst_player_e2e.moc"
