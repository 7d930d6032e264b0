#include "CmdModel.h"
#include "FileUtils.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestCmdModel : public QObject
{
    Q_OBJECT
private slots:
    void savePaths_data();
    void savePaths();
    void templates_data();
    void templates();
    void argumentsKeepPathsWhole();
    void transcoderBesideExecutableWins();
    void thumbnailCommandRuns();
};

void TestCmdModel::savePaths_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("filePath");
    QTest::addColumn<QString>("expected");
    const QString thumbs = thumbnailDirectory() + QLatin1Char('/');
    QTest::addRow("thumbnail") << 0 << "D:/cam/2023_0101_120000_0001F.MP4"
                               << thumbs + "2023_0101_120000_0001F_.png";
    QTest::addRow("several dots") << 0 << "/cam/trip.part1.final.mp4" << thumbs + "trip_.png";
    QTest::addRow("clip") << 1 << "D:/cam/2023_0101_120000_0001F.MP4"
                          << "/save/2023_0101_120000_0001F_102030456.mp4";
    QTest::addRow("snapshot") << 7 << "/cam/a b.mov"
                              << "/save/a b_102030456.png";
}

void TestCmdModel::savePaths()
{
    QFETCH(int, type);
    QFETCH(QString, filePath);
    QFETCH(QString, expected);
    CmdModel command(type);
    command.filePath = filePath;
    command.timeStamp = "102030456";
    command.saveFolder = "/save";
    QCOMPARE(command.getSavePath(), expected);
    QCOMPARE(command.savePath, expected);
    QCOMPARE(CmdModel(0).timeStamp.size(), 9);
}

void TestCmdModel::templates_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("hasVideo");
    QTest::addColumn<bool>("scale");
    QTest::addColumn<bool>("hasAudio");
    QTest::addColumn<QString>("expected");
    const QString t = "\"" + CmdModel::transcoderPath() + "\"";
    const QString out = "\"/save/in_111.mp4\"";
    QTest::addRow("thumbnail") << 0 << true << false << true
                               << t + " -i \"/cam/in.mp4\" -vframes 1 -s 320*180 -y \""
            + thumbnailDirectory() + "/in_.png\"";
    QTest::addRow("clip without video, whatever the rest")
        << 1 << false << true << false
        << t + " -ss 30 -i \"/cam/in.mp4\" -t 15 -vn -c:a copy -y " + out;
    QTest::addRow("clip scaled with audio")
        << 1 << true << true << true
        << t + " -ss 30 -i \"/cam/in.mp4\" -t 15 -vf \"scale=-1:720\" -b:v 4M -c:a copy -y " + out;
    QTest::addRow("clip scaled without audio")
        << 1 << true << true << false
        << t + " -ss 30 -i \"/cam/in.mp4\" -t 15 -vf \"scale=-1:720\" -b:v 4M -an -y " + out;
    QTest::addRow("clip copied with audio")
        << 1 << true << false << true
        << t + " -ss 30 -i \"/cam/in.mp4\" -t 15 -c:v copy -c:a copy -y " + out;
    QTest::addRow("clip copied without audio")
        << 1 << true << false << false
        << t + " -ss 30 -i \"/cam/in.mp4\" -t 15 -c:v copy -an -y " + out;
    QTest::addRow("snapshot") << 2 << true << false << true
                              << t
            + " -ss 01:02 -i \"/cam/in.mp4\" -vframes 1 -y \"/save/in_111.png\"";
}

void TestCmdModel::templates()
{
    QFETCH(int, type);
    QFETCH(bool, hasVideo);
    QFETCH(bool, scale);
    QFETCH(bool, hasAudio);
    QFETCH(QString, expected);
    CmdModel command(type);
    command.filePath = "/cam/in.mp4";
    command.saveFolder = "/save";
    command.timeStamp = "111";
    command.startSecond = 30;
    command.endSecond = 45;
    command.seekTime = "01:02";
    command.clipBitRate = "4M";
    command.hasVideo = hasVideo;
    command.scaleTo720 = scale;
    command.hasAudio = hasAudio;
    QCOMPARE(command.createCmdString(), expected);
}

void TestCmdModel::argumentsKeepPathsWhole()
{
    CmdModel command(0);
    command.filePath = QString::fromUtf8("/cam/it's \"here\" 测试 a.mp4");
    const QStringList args = command.arguments();
    QCOMPARE(args,
             QStringList({"-i", command.filePath, "-vframes", "1", "-s", "320*180", "-y",
                          thumbnailDirectory() + "/it's \"here\" 测试 a_.png"}));
}

void TestCmdModel::transcoderBesideExecutableWins()
{
    QTemporaryDir pathDir;
    const QString onPath = pathDir.filePath("ffmpeg");
    QFile fake(onPath);
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\n");
    fake.close();
    fake.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(pathDir.path()) + ':' + path);
    QCOMPARE(CmdModel::transcoderPath(), onPath);

    const QString beside = QCoreApplication::applicationDirPath() + "/ffmpeg";
    QVERIFY2(!QFile::exists(beside), "the test folder holds a transcoder already");
    QVERIFY(QFile::copy(onPath, beside));
    QFile::setPermissions(beside,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString chosen = CmdModel::transcoderPath();
    QFile::remove(beside);
    qputenv("PATH", path);
    QCOMPARE(chosen, beside);
}

void TestCmdModel::thumbnailCommandRuns()
{
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty())
        QSKIP("no ffmpeg on the PATH");
    QTemporaryDir dir;
    const QString clip = dir.filePath(QString::fromUtf8("it's \"here\"; -- 测试.mp4"));
    QCOMPARE(QProcess::execute(ffmpeg,
                               {"-v", "error", "-f", "lavfi", "-i",
                                "testsrc=size=640x360:rate=10:duration=1", "-pix_fmt", "yuv420p",
                                "-y", clip}),
             0);
    CmdModel command(0);
    command.filePath = clip;
    QFile::remove(command.getSavePath());
    QProcess process;
    process.start(CmdModel::transcoderPath(), command.arguments());
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QImageReader picture(command.savePath);
    QCOMPARE(picture.size(), QSize(320, 180));
}

ZEMKO_TEST_GUILESS_MAIN(TestCmdModel)
#include "tst_cmdmodel.moc"
