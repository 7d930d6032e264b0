#include "ClipMaker.h"
#include "PlayObject.h"
#include "TestEnvironment.h"

#include <QCryptographicHash>
#include <QImage>
#include <QMutex>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>
#include <memory>
#include <random>

using zemko::Yuv;

namespace {

const QSize kClipSize(320, 180);

std::unique_ptr<PlayObject> makeChannel(int index = 0)
{
    return std::make_unique<PlayObject>(nullptr, index, PlayObject::quietVlcArguments());
}

QList<PlayObjectState> states(const QSignalSpy &spy)
{
    QList<PlayObjectState> result;
    for (const QList<QVariant> &arguments : spy)
        result.append(arguments.at(0).value<PlayObjectState>());
    return result;
}

// Counts pictures on libvlc's thread, where they are emitted.
struct FrameCounter
{
    explicit FrameCounter(PlayObject *channel)
    {
        QObject::connect(
            channel, &PlayObject::updateTexture2D, channel,
            [this](const VideoDataPSL &frame) {
                if (count++ == 0) {
                    width = frame.width;
                    height = frame.height;
                    fullRange = frame.fullRange;
                    sizes[0] = frame.planes[0].size();
                    sizes[1] = frame.planes[1].size();
                    sizes[2] = frame.planes[2].size();
                }
            },
            Qt::DirectConnection);
    }
    std::atomic<int> count {0};
    std::atomic<int> width {0};
    std::atomic<int> height {0};
    std::atomic<bool> fullRange {false};
    std::atomic<int> sizes[3] = {};
};

} // namespace

class TestPlayObject : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void negotiatesVisibleSize_data();
    void negotiatesVisibleSize();
    void endIsReportedOnceAsEnded();
    void seekAfterEndRestarts();
    void idleChannelIgnoresControls_data();
    void idleChannelIgnoresControls();
    void pauseNeverResumes();
    void volumeAndMute();
    void snapshotWritesPictureSizedPng();
    void snapshotWithoutMediaNeverCallsBack();
    void releaseStopsEveryCallback();
    void destructionWhilePlaying();
    void heldPicturesAreNeverOverwritten();

private:
    QString clip(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestPlayObject::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(zemko::makeTestClip(clip(QStringLiteral("short.mp4")), kClipSize, 1.0));
    QVERIFY(zemko::makeTestClip(clip(QStringLiteral("long.mp4")), kClipSize, 20.0));
    QVERIFY(zemko::makeTestClip(clip(QStringLiteral("short.ts")), kClipSize, 1.0,
                                QStringLiteral("mpegts")));
    const std::array<Yuv, 4> grey {
        {{128, 128, 128}, {128, 128, 128}, {128, 128, 128}, {128, 128, 128}}};
    QVERIFY(zemko::makeQuadrantClip(clip(QStringLiteral("full.mp4")), kClipSize, grey, true,
                                    QStringLiteral("mp4")));
    QVERIFY(zemko::makeQuadrantClip(clip(QStringLiteral("1366.mp4")), QSize(1366, 768), grey, false,
                                    QStringLiteral("mp4"), 3));
    QVERIFY(zemko::makeQuadrantClip(clip(QStringLiteral("2024_0101_120000_F.MP4")), kClipSize, grey,
                                    false, QStringLiteral("mp4"), 100, 10));
}

void TestPlayObject::negotiatesVisibleSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("announced");
    QTest::addColumn<QSize>("negotiated");
    QTest::addColumn<bool>("fullRange");

    // libvlc proposes the padded decoder size (320 x 192); the answer is the
    // visible size.
    QTest::addRow("mp4, size unknown") << "short.mp4" << QSize() << kClipSize << false;
    QTest::addRow("mp4, stale record") << "short.mp4" << QSize(640, 360) << kClipSize << false;
    QTest::addRow("full range") << "full.mp4" << kClipSize << kClipSize << true;
    QTest::addRow("chroma 683 wide") << "1366.mp4" << QSize() << QSize(1366, 768) << false;
    // libvlc cannot tell the size of a TS stream: the announced size serves.
    QTest::addRow("ts, size from the store") << "short.ts" << kClipSize << kClipSize << false;
}

void TestPlayObject::negotiatesVisibleSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, announced);
    QFETCH(QSize, negotiated);
    QFETCH(bool, fullRange);

    auto channel = makeChannel();
    QString askedFor;
    channel->setSizeProvider([&](const QString &path) {
        askedFor = path;
        return announced;
    });
    FrameCounter frames(channel.get());
    QSignalSpy init(channel.get(), &PlayObject::initTexture);
    channel->setMedia(clip(file));

    QCOMPARE(askedFor, clip(file));
    QCOMPARE(init.count(), 1);
    QCOMPARE(init.at(0).at(0).toInt(), qMax(0, announced.width()));
    QCOMPARE(init.at(0).at(1).toInt(), qMax(0, announced.height()));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count > 0, 10000);
    QCOMPARE(channel->videoSize(), negotiated);
    QCOMPARE(QSize(frames.width, frames.height), negotiated);
    QCOMPARE(frames.fullRange.load(), fullRange);
    const int w = negotiated.width();
    const int h = negotiated.height();
    QCOMPARE(frames.sizes[0].load(), w * h);
    QCOMPARE(frames.sizes[1].load(), (w / 2) * (h / 2));
    QCOMPARE(frames.sizes[2].load(), (w / 2) * (h / 2));
}

void TestPlayObject::endIsReportedOnceAsEnded()
{
    auto channel = makeChannel();
    QSignalSpy state(channel.get(), &PlayObject::stateChanged);
    QSignalSpy duration(channel.get(), &PlayObject::durationChanged);
    QSignalSpy position(channel.get(), &PlayObject::positionChanged);
    channel->setMedia(clip(QStringLiteral("short.mp4")));

    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Ended), 10000);
    QTest::qWait(700);
    const QList<PlayObjectState> seen = states(state);
    QCOMPARE(seen.count(Ended), 1);
    QCOMPARE(seen.last(), Ended);
    QVERIFY(!seen.contains(Stopped));
    QCOMPARE(seen.first(), Playing);
    QVERIFY(!duration.isEmpty());
    QVERIFY(qAbs(duration.last().at(0).toLongLong() - 1000) < 150);
    QVERIFY(!position.isEmpty());
}

void TestPlayObject::seekAfterEndRestarts()
{
    auto channel = makeChannel();
    QSignalSpy state(channel.get(), &PlayObject::stateChanged);
    QSignalSpy position(channel.get(), &PlayObject::positionChanged);
    channel->setMedia(clip(QStringLiteral("short.mp4")));
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Ended), 10000);

    state.clear();
    position.clear();
    channel->seek(600);
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Playing), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!position.isEmpty(), 5000);
    QVERIFY2(position.first().at(0).toLongLong() >= 500,
             qPrintable(QString::number(position.first().at(0).toLongLong())));
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Ended), 10000);
}

void TestPlayObject::idleChannelIgnoresControls_data()
{
    QTest::addColumn<QString>("operation");
    for (const char *operation : {"setMedia", "play", "replay", "seek", "setRate", "setVolume"})
        QTest::addRow("%s", operation) << QString::fromLatin1(operation);
}

void TestPlayObject::idleChannelIgnoresControls()
{
    QFETCH(QString, operation);
    auto channel = makeChannel();
    FrameCounter frames(channel.get());
    QSignalSpy state(channel.get(), &PlayObject::stateChanged);
    const int volumeBefore = channel->volume();
    channel->setIdle(true);
    channel->setMedia(clip(QStringLiteral("short.mp4")));

    if (operation == QLatin1String("play"))
        channel->play();
    else if (operation == QLatin1String("replay"))
        channel->replay();
    else if (operation == QLatin1String("seek"))
        channel->seek(300);
    else if (operation == QLatin1String("setRate"))
        channel->setRate(2.0);
    else if (operation == QLatin1String("setVolume"))
        channel->setVolume(-1);
    QTest::qWait(600);

    QVERIFY(!states(state).contains(Playing));
    QCOMPARE(frames.count.load(), 0);
    QCOMPARE(channel->rate(), 1.0);
    QCOMPARE(channel->volume(), volumeBefore);
    QVERIFY(!channel->isMuted());

    // Cleared again, the same channel plays.
    channel->setIdle(false);
    channel->play();
    QTRY_VERIFY_WITH_TIMEOUT(frames.count > 0, 10000);
}

void TestPlayObject::pauseNeverResumes()
{
    auto channel = makeChannel();
    QSignalSpy state(channel.get(), &PlayObject::stateChanged);
    channel->setMedia(clip(QStringLiteral("long.mp4")));
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Playing), 10000);
    channel->pause();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Paused), 5000);
    state.clear();
    channel->pause();
    QTest::qWait(500);
    QVERIFY(states(state).isEmpty());
    channel->play();
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Playing), 5000);
}

void TestPlayObject::volumeAndMute()
{
    // The dummy audio output has no volume; ALSA's null device has libvlc's
    // software volume and needs no sound server either.
    auto channel = std::make_unique<PlayObject>(
        nullptr, 0,
        QStringList {QStringLiteral("--quiet"), QStringLiteral("--aout=alsa"),
                     QStringLiteral("--alsa-audio-device=null")});
    QSignalSpy state(channel.get(), &PlayObject::stateChanged);
    channel->setMedia(clip(QStringLiteral("long.mp4")));
    QTRY_VERIFY_WITH_TIMEOUT(states(state).contains(Playing), 10000);

    channel->setVolume(-1);
    QTRY_VERIFY(channel->isMuted());
    channel->setVolume(50);
    QTRY_VERIFY(!channel->isMuted());
    QTRY_COMPARE(channel->volume(), 50);
}

void TestPlayObject::snapshotWritesPictureSizedPng()
{
    QTemporaryDir folder;
    auto channel = makeChannel();
    channel->setSnapshotFolderProvider([&] { return folder.path(); });
    FrameCounter frames(channel.get());
    channel->setMedia(clip(QStringLiteral("2024_0101_120000_F.MP4")));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count > 3, 10000);

    int calls = 0;
    bool success = false;
    QString path;
    channel->takeSnapshot([&](bool ok, const QString &file) {
        ++calls;
        success = ok;
        path = file;
    });
    QCOMPARE(calls, 1);
    QVERIFY(success);
    QCOMPARE(QFileInfo(path).absolutePath(), folder.path());
    QVERIFY2(QRegularExpression(QStringLiteral("^2024_0101_120000_F_\\d{9}\\.png$"))
                 .match(QFileInfo(path).fileName())
                 .hasMatch(),
             qPrintable(path));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 0, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(QImage(path).size(), kClipSize, 5000);

    // No folder chosen: the request fails instead of writing to the root.
    channel->setSnapshotFolderProvider([] { return QString(); });
    channel->takeSnapshot([&](bool ok, const QString &) {
        ++calls;
        success = ok;
    });
    QCOMPARE(calls, 2);
    QVERIFY(!success);
}

void TestPlayObject::snapshotWithoutMediaNeverCallsBack()
{
    QTemporaryDir folder;
    auto channel = makeChannel();
    channel->setSnapshotFolderProvider([&] { return folder.path(); });
    bool called = false;
    channel->takeSnapshot([&](bool, const QString &) { called = true; });
    QTest::qWait(200);
    QVERIFY(!called);
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestPlayObject::releaseStopsEveryCallback()
{
    auto channel = makeChannel();
    FrameCounter frames(channel.get());
    std::atomic<int> events {0};
    connect(
        channel.get(), &PlayObject::positionChanged, channel.get(), [&] { ++events; },
        Qt::DirectConnection);
    QSignalSpy clean(channel.get(), &PlayObject::cleanLayer);
    channel->setMedia(clip(QStringLiteral("long.mp4")));
    QTRY_VERIFY_WITH_TIMEOUT(frames.count > 5 && events > 0, 10000);

    channel->release();
    QCOMPARE(clean.count(), 1);
    QVERIFY(!channel->hasPlayer());
    const int framesAtRelease = frames.count;
    const int eventsAtRelease = events;
    QTest::qWait(400);
    QCOMPARE(frames.count.load(), framesAtRelease);
    QCOMPARE(events.load(), eventsAtRelease);

    // A released channel takes further calls calmly.
    channel->release();
    QCOMPARE(clean.count(), 1);
    channel->stop();
    channel->setMedia(clip(QStringLiteral("short.mp4")));
    QTest::qWait(200);
    QCOMPARE(frames.count.load(), framesAtRelease);
}

void TestPlayObject::destructionWhilePlaying()
{
    // Channels and receivers torn down at random moments of start-up and
    // playback, with frames still queued towards the receiver.
    std::mt19937 random(7);
    for (int round = 0; round < 8; ++round) {
        auto receiver = std::make_unique<QObject>();
        int delivered = 0;
        auto channel = makeChannel(round % 3);
        connect(channel.get(), &PlayObject::updateTexture2D, receiver.get(),
                [&delivered](const VideoDataPSL &) { ++delivered; });
        channel->setMedia(clip(QStringLiteral("long.mp4")));
        QTest::qWait(int(random() % 400));
        if (round % 2)
            receiver.reset();
        channel.reset();
        QTest::qWait(50);
        const int afterTeardown = delivered;
        QTest::qWait(100);
        QCOMPARE(delivered, afterTeardown);
    }
}

// A view that keeps every picture it was handed: libvlc must never write
// into a buffer it holds, and must not allocate without bound either; the
// channel skips pictures until a buffer is free again.
void TestPlayObject::heldPicturesAreNeverOverwritten()
{
    struct Held
    {
        VideoDataPSL frame;
        QByteArray digest;
    };
    QMutex mutex;
    QList<Held> held;
    auto channel = makeChannel();
    QObject::connect(
        channel.get(), &PlayObject::updateTexture2D, channel.get(),
        [&](const VideoDataPSL &frame) {
            QCryptographicHash hash(QCryptographicHash::Sha1);
            for (const QByteArray &plane : frame.planes)
                hash.addData(plane);
            QMutexLocker locker(&mutex);
            held.append({frame, hash.result()});
        },
        Qt::DirectConnection);
    channel->setMedia(clip(QStringLiteral("long.mp4")));
    QTRY_VERIFY_WITH_TIMEOUT(channel->framesSkipped() >= 10, 10000);

    QMutexLocker locker(&mutex);
    QVERIFY(!held.isEmpty());
    QVERIFY2(held.size() <= 4, qPrintable(QString::number(held.size())));
    for (const Held &picture : qAsConst(held)) {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const QByteArray &plane : picture.frame.planes)
            hash.addData(plane);
        QCOMPARE(hash.result(), picture.digest);
    }
    // Once the view lets go, pictures flow again.
    held.clear();
    locker.unlock();
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QMutexLocker again(&mutex);
            return !held.isEmpty();
        }(),
        10000);
    channel->release();
}

ZEMKO_TEST_GUILESS_MAIN(TestPlayObject)
#include "tst_playobject.moc"
