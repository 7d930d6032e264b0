// End to end: generated dash-cam files of every layout through GPSTool and
// through the zemko-probe tool.
#include "GPSTool.h"
#include "GpsFixtures.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace gpsfixtures;

namespace {

enum class Kind { Nmea, Hisi };

QVector<QByteArray> records(const QVector<FixSpec> &track, QByteArray (*encode)(const FixSpec &))
{
    QVector<QByteArray> out;
    for (const FixSpec &fix : track)
        out.append(encode(fix));
    return out;
}

QByteArray zemkoTyped(const FixSpec &fix)
{
    return zemkoRecord(fix, 3);
}

} // namespace

class TestGpsTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void track_data();
    void track();
    void probe_data();
    void probe();
    void r4k8NameTest_data();
    void r4k8NameTest();
    void failedProbeKeepsFileFields();
    void editListsKeepTheMovieDuration_data();
    void editListsKeepTheMovieDuration();
    void zemkoProbeTool();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString makeBase(const QString &name, const ClipOptions &options);

    QTemporaryDir m_dir;
    QVector<FixSpec> m_track = sampleTrack(3);
};

QString TestGpsTool::makeBase(const QString &name, const ClipOptions &options)
{
    QString error;
    const QString path = file(name);
    if (!makeClip(path, options, &error))
        qFatal("ffmpeg failed: %s", qPrintable(error));
    return path;
}

void TestGpsTool::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ClipOptions plain;
    plain.seconds = 4;
    const QString base = makeBase(QStringLiteral("base.mp4"), plain);
    const QByteArray baseBytes = readAll(base);

    auto withBlocks = [&](const QString &name, const QVector<QByteArray> &blocks) {
        QVERIFY(writeAll(file(name), baseBytes));
        QVERIFY(embedGpsBlocks(file(name), blocks));
    };
    QVector<QByteArray> blocks76, blocks0, blocksHorsontech, blocksDouble;
    for (const FixSpec &fix : qAsConst(m_track)) {
        blocks76.append(gpsBlock(zemkoTyped(fix), 76));
        blocks0.append(gpsBlock(zemkoTyped(fix), 0));
        blocksHorsontech.append(gpsBlock(horsontechRecord(fix), 76));
        blocksDouble.append(gpsBlock(r4k8Record(fix), 264));
    }
    withBlocks(QStringLiteral("gps76.mp4"), blocks76);
    withBlocks(QStringLiteral("gps16.mp4"), blocks0);
    withBlocks(QStringLiteral("horsontech.mp4"), blocksHorsontech);
    withBlocks(QStringLiteral("double264.mp4"), blocksDouble);

    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("my_cam")));
    // One record per second of video.
    ClipOptions threeSeconds;
    threeSeconds.seconds = 3;
    const QString shortBase = makeBase(QStringLiteral("base3.mp4"), threeSeconds);
    QVERIFY(makeR4K8OneTrack(shortBase, file(QStringLiteral("my_cam/2023_0101_120000_001F.MOV")),
                             records(m_track, r4k8Record)));
    QVERIFY(makeR4K8TwoTrack(base, file(QStringLiteral("2023_0101_120000_002F.MOV")),
                             records(m_track, r4k8Record)));

    QVector<QByteArray> texts;
    for (int i = 0; i < m_track.size(); ++i)
        texts.append(textSample(m_track.at(i), i == 1));
    QString error;
    QVERIFY2(makeTextTrackClip(file(QStringLiteral("text.mp4")), texts, &error), qPrintable(error));

    QVector<QByteArray> packets;
    const QVector<FixSpec> fine = sampleTrack(30);
    for (int i = 0; i < fine.size(); ++i)
        packets.append(hisiPacket(fine.at(i), 20 + i));
    ClipOptions ts = plain;
    ts.seconds = 3;
    const QString tsBase = makeBase(QStringLiteral("base.ts"), ts);
    QVERIFY2(makeTransportStream(tsBase, file(QStringLiteral("hisi.ts")), packets, 10, &error),
             qPrintable(error));
}

void TestGpsTool::track_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("route");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("filesType");
    const int nmea = int(Kind::Nmea);
    QTest::addRow("gps box, block header 76") << "gps76.mp4" << 1 << nmea << 3;
    QTest::addRow("gps box, record at 16") << "gps16.mp4" << 1 << nmea << 3;
    QTest::addRow("gps box, horsontech") << "horsontech.mp4" << 1 << nmea << 0;
    QTest::addRow("gps box, double layout under 264") << "double264.mp4" << 1 << nmea << 0;
    QTest::addRow("R4K8 one track, folder with underscore")
        << "my_cam/2023_0101_120000_001F.MOV" << 10 << nmea << 0;
    QTest::addRow("R4K8 two tracks") << "2023_0101_120000_002F.MOV" << 10 << nmea << 0;
    QTest::addRow("text track id 3") << "text.mp4" << 1 << nmea << 0;
    QTest::addRow("transport stream PID 768") << "hisi.ts" << 3 << int(Kind::Hisi) << 0;
}

void TestGpsTool::track()
{
    QFETCH(QString, name);
    QFETCH(int, route);
    QFETCH(int, kind);
    QFETCH(int, filesType);
    GPSTool tool;
    tool.createVideoForGPSUrl(file(name));
    QCOMPARE(tool.routeCode(), route);
    const VideoMessage record = *tool.getMessageModel();
    QCOMPARE(record.gsensorItems.size(), 3);
    QCOMPARE(record.gpsItems.keys(), QStringList({"0", "1", "2"}));
    QCOMPARE(record.filesType, filesType);

    // Hisi: ten packets a second, the last of each second stays.
    const bool hisi = kind == int(Kind::Hisi);
    const QVector<FixSpec> expected = hisi ? sampleTrack(30) : m_track;
    double maxSpeed = 0;
    for (int key = 0; key < 3; ++key) {
        const FixSpec &fix = expected.at(hisi ? key * 10 + 9 : key);
        const GPSModel got = record.gpsItems.value(QString::number(key));
        QVERIFY(got.status);
        QVERIFY2(qAbs(got.latitude.toDouble() - nmeaDegrees(fix.latNmea)) < 2e-5,
                 qPrintable(got.latitude));
        QVERIFY2(qAbs(got.longitude.toDouble() - nmeaDegrees(fix.lonNmea)) < 2e-5,
                 qPrintable(got.longitude));
        QCOMPARE(got.nsind, QStringLiteral("N"));
        QCOMPARE(got.ewind, QStringLiteral("E"));
        const double speed = hisi ? (20 + key * 10 + 9) / 1.852 : fix.speedKnots;
        QVERIFY2(qAbs(got.speed.toDouble() - speed) < 1e-3, qPrintable(got.speed));
        maxSpeed = qMax(maxSpeed, speed);
        QCOMPARE(got.angle, float(fix.course));
        if (name != QLatin1String("text.mp4")) {
            QCOMPARE(got.hour, QString::number(fix.hour));
            QCOMPARE(got.second, QString::number(fix.second));
        }
    }
    QCOMPARE(record.gpsTotailNum, hisi ? 30 : 3);
    QCOMPARE(record.totalSpeedNum, 3);
    QVERIFY(qAbs(record.maxSpeed.toDouble() - maxSpeed) < 1e-3);
    QVERIFY(record.isChina);
    QVERIFY(!record.aevSpeed.isEmpty() && record.aevSpeed != QLatin1String("0"));
}

void TestGpsTool::probe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("route");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("hwdec");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("aspect");
    QTest::addColumn<bool>("high");
    QTest::addColumn<QString>("duration");
    QTest::addRow("H.264 MP4") << "gps76.mp4" << 1 << "H264"
                               << "NO"
                               << "160*90"
                               << "16:9" << true << "4";
    QTest::addRow("HEVC 1080p") << "hevc.mp4" << 1 << "HEVC(H265)"
                                << "Yes"
                                << "1920*1080"
                                << "16:9" << false << "1";
    QTest::addRow("transport stream is probed too") << "hisi.ts" << 3 << "H264"
                                                    << "NO"
                                                    << "160*90"
                                                    << "16:9" << true << "3";
}

void TestGpsTool::probe()
{
    QFETCH(QString, name);
    if (name == QLatin1String("hevc.mp4") && !QFile::exists(file(name))) {
        ClipOptions hevc;
        hevc.seconds = 1;
        hevc.codec = Codec::Hevc;
        hevc.size = QStringLiteral("1920x1080");
        hevc.fps = 5;
        makeBase(name, hevc);
    }
    GPSTool tool;
    tool.createVideoForGPSUrl(file(name));
    const VideoMessage &r = *tool.getMessageModel();
    QTEST(tool.routeCode(), "route");
    QTEST(r.videoCodec, "codec");
    QTEST(r.hwdec, "hwdec");
    QTEST(r.resolution, "resolution");
    QTEST(r.videoAspect, "aspect");
    QTEST(r.isProfileHigh, "high");
    QTEST(r.duration, "duration");
    QCOMPARE(r.durationM / 1000, r.duration.toLongLong());
    QCOMPARE(r.fileName, QFileInfo(name).fileName());
    QCOMPARE(r.pixelFormat, QStringLiteral("nv12"));
    QCOMPARE(r.demuxer, QStringLiteral("lavf"));
    QVERIFY(r.videoFrameRate == QLatin1String("30") || r.videoFrameRate == QLatin1String("5"));
}

void TestGpsTool::r4k8NameTest_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("r4k8");
    QTest::addRow("camera name") << "/cam/2023_0101_120000_001F.MOV" << true;
    QTest::addRow("lower-case suffix") << "/cam/2023_0101_120000_001F.mov" << true;
    QTest::addRow("underscore in folder") << "/my_cam/2023_0101_120000_001F.MOV" << true;
    QTest::addRow("MP4") << "/cam/2023_0101_120000_001F.MP4" << false;
    QTest::addRow("five parts") << "/cam/2023_0101_120000_001_F.MOV" << false;
}

void TestGpsTool::r4k8NameTest()
{
    QFETCH(QString, path);
    GPSTool tool;
    bool result = false;
    QVERIFY(QMetaObject::invokeMethod(&tool, "chackR4K8Type", Q_RETURN_ARG(bool, result),
                                      Q_ARG(QString, path)));
    QTEST(result, "r4k8");
}

void TestGpsTool::failedProbeKeepsFileFields()
{
    const QString path = file(QStringLiteral("not-media.mp4"));
    QVERIFY(writeAll(path, QByteArray(4096, 'x')));
    GPSTool tool;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^无法打开视频文件")));
    tool.createVideoForGPSUrl(path);
    QCOMPARE(tool.routeCode(), 0);
    const VideoMessage &r = *tool.getMessageModel();
    QCOMPARE(r.fileName, QStringLiteral("not-media.mp4"));
    QCOMPARE(r.path, path);
    QVERIFY(!r.time.isEmpty());
    QCOMPARE(r.width, QStringLiteral("0"));
    QVERIFY(r.gpsItems.isEmpty());
}

void TestGpsTool::editListsKeepTheMovieDuration_data()
{
    QTest::addColumn<QStringList>("copyArguments");
    // ffmpeg writes an edit list for the B-frame delay of every clip; a
    // stream copy that starts late writes one that trims the start.
    QTest::addRow("B-frame delay") << QStringList();
    QTest::addRow("start trimmed") << QStringList {QStringLiteral("-ss"), QStringLiteral("1.5")};
}

// The probe skips the full edit-list handling; duration and picture must
// still be what FFmpeg reports with it.
void TestGpsTool::editListsKeepTheMovieDuration()
{
    QFETCH(QStringList, copyArguments);
    const QString path = file(QStringLiteral("edited.mp4"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")}
                     + copyArguments
                     + QStringList {QStringLiteral("-i"), file(QStringLiteral("base.mp4")),
                                    QStringLiteral("-c"), QStringLiteral("copy"), path});
    QVERIFY(ffmpeg.waitForFinished(60000));
    QCOMPARE(ffmpeg.exitCode(), 0);

    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                   QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                   QStringLiteral("format=duration:stream=width,height"), QStringLiteral("-of"),
                   QStringLiteral("json"), path});
    QVERIFY(ffprobe.waitForFinished(60000));
    const QJsonObject reported = QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
    const QJsonObject stream = reported.value(QLatin1String("streams")).toArray().at(0).toObject();
    const double seconds = reported.value(QLatin1String("format"))
                               .toObject()
                               .value(QLatin1String("duration"))
                               .toString()
                               .toDouble();
    QVERIFY(seconds > 0);

    GPSTool tool;
    tool.createVideoForGPSUrl(path);
    const VideoMessage &r = *tool.getMessageModel();
    QCOMPARE(r.durationM, qint64(seconds * 1000));
    QCOMPARE(r.resolution,
             QStringLiteral("%1*%2")
                 .arg(stream.value(QLatin1String("width")).toInt())
                 .arg(stream.value(QLatin1String("height")).toInt()));
}

void TestGpsTool::zemkoProbeTool()
{
    const QString good = file(QStringLiteral("gps76.mp4"));
    QProcess probe;
    probe.start(QStringLiteral(ZEMKO_PROBE_PATH), {good});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
    QJsonObject printed = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    GPSTool tool;
    tool.createVideoForGPSUrl(good);
    QJsonObject direct
        = QJsonDocument::fromJson(tool.getMessageModel()->toJson().toUtf8()).object();
    QVERIFY(printed.contains(QStringLiteral("time")));
    printed.remove(QStringLiteral("time"));
    direct.remove(QStringLiteral("time"));
    QCOMPARE(printed, direct);
    QCOMPARE(printed.value(QStringLiteral("gpsItems")).toObject().size(), 3);

    probe.start(QStringLiteral(ZEMKO_PROBE_PATH), {good, file(QStringLiteral("missing.mp4"))});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 1);
    const QList<QByteArray> errors = probe.readAllStandardError().trimmed().split('\n');
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains("missing.mp4"));
    QVERIFY(QJsonDocument::fromJson(probe.readAllStandardOutput()).isObject());

    // Output that cannot be written is a failure, not a record printed.
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(ZEMKO_PROBE_PATH), {good});
    QVERIFY(full.waitForFinished(60000));
    QCOMPARE(full.exitCode(), 1);
    QVERIFY(full.readAllStandardError().contains("cannot write the record"));
}

ZEMKO_TEST_GUILESS_MAIN(TestGpsTool)
#include "tst_gpstool.moc"
