// Box reader, walkers, record decoders and packet rates on in-memory images
// and small files; the damaged and huge cases the readers must survive.
#include "BoxReader.h"
#include "FixtureBox.h"
#include "GpsBoxWalker.h"
#include "GpsFixtures.h"
#include "GpsRecordDecoder.h"
#include "PacketReader.h"
#include "R4K8Walker.h"
#include "TestEnvironment.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

using namespace gpsfixtures;

namespace {

QVector<GPSModel> walkGps(QByteArray image)
{
    QBuffer buffer(&image);
    buffer.open(QIODevice::ReadOnly);
    QVector<GPSModel> fixes;
    GpsBoxWalker walker([&fixes](const GpsBoxRecord &record) {
        std::visit([&fixes](const auto &r) { fixes.append(GpsRecordDecoder::toFix(r)); }, record);
    });
    walker.walk(&buffer);
    return fixes;
}

struct R4K8Run
{
    QVector<GPSModel> fixes;
    int trackNo = 0;
    quint32 perSecond = 0;
    QVector<qint64> addresses;
};

R4K8Run walkR4K8(QIODevice *device)
{
    R4K8Run run;
    R4K8Walker walker(
        [&run](const RMCINFO_R4K8 &r) { run.fixes.append(GpsRecordDecoder::toFix(r)); });
    walker.walk(device);
    run.trackNo = walker.trackNo();
    run.perSecond = walker.perSecond();
    run.addresses = walker.addresses();
    return run;
}

R4K8Run walkR4K8(QByteArray image)
{
    QBuffer buffer(&image);
    buffer.open(QIODevice::ReadOnly);
    return walkR4K8(&buffer);
}

// ftyp, a "free" box holding the blocks, then boxes, then a movie box whose
// "gps " box lists the blocks.
QByteArray gpsImage(const QVector<QByteArray> &blocks, const QVector<FixtureBox> &middle = {})
{
    const FixtureBox ftyp = FixtureBox::leaf("ftyp", QByteArray("isom\0\0\0\0", 8));
    qint64 at = ftyp.serializedSize() + 8;
    QByteArray payload;
    QByteArray table = be32(0) + be32(static_cast<quint32>(blocks.size()));
    for (const QByteArray &block : blocks) {
        table += be32(static_cast<quint32>(at + payload.size())) + be32(block.size());
        payload += block;
    }
    QVector<FixtureBox> boxes {ftyp, FixtureBox::leaf("free", payload)};
    boxes += middle;
    boxes.append(FixtureBox::node(
        "moov",
        {FixtureBox::leaf("mvhd", QByteArray(100, '\0')), FixtureBox::leaf("gps ", table)}));
    return FixtureBox::serializeAll(boxes);
}

QVector<QByteArray> zemkoBlocks(int n)
{
    QVector<QByteArray> blocks;
    for (const FixSpec &fix : sampleTrack(n))
        blocks.append(gpsBlock(zemkoRecord(fix), 76));
    return blocks;
}

// One-track R4K8 sample tables: perSecond = count * timescale / duration.
QByteArray r4k8OneTrackImage(quint32 count, quint32 timescale, quint32 duration,
                             const QVector<quint32> &sizes, const QVector<quint32> &chunks)
{
    QByteArray stsz = be32(0) + be32(0) + be32(count);
    for (quint32 s : sizes)
        stsz += be32(s);
    QByteArray stco = be32(0) + be32(chunks.size());
    for (quint32 c : chunks)
        stco += be32(c);
    const QByteArray mdhd
        = be32(0) + be32(0) + be32(0) + be32(timescale) + be32(duration) + be32(0);
    const FixtureBox moov = FixtureBox::node(
        "moov",
        {
            FixtureBox::node(
                "trak",
                {FixtureBox::node(
                    "mdia",
                    {FixtureBox::leaf("mdhd", mdhd),
                     FixtureBox::node("minf",
                                      {FixtureBox::node("stbl",
                                                        {FixtureBox::leaf("stsz", stsz),
                                                         FixtureBox::leaf("stco", stco)})})})}),
        });
    return FixtureBox::serializeAll({FixtureBox::leaf("ftyp", QByteArray(8, 'x')), moov});
}

} // namespace

class TestGpsWalkers : public QObject
{
    Q_OBJECT

private slots:
    void decoderEdgeCases_data();
    void decoderEdgeCases();
    void blockLayoutChoice_data();
    void blockLayoutChoice();
    void textRecord_data();
    void textRecord();
    void gpsWalk_data();
    void gpsWalk();
    void largeFiles();
    void r4k8OneTrackAddresses();
    void r4k8TablesEndingTheFile();
    void r4k8NoSamplesPerSecond_data();
    void r4k8NoSamplesPerSecond();
    void packetRates_data();
    void packetRates();
};

void TestGpsWalkers::decoderEdgeCases_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("expected");
    FixSpec fix;
    fix.latNmea = 2232.5;
    fix.lonNmea = 11354.0;
    const GPSModel north = GpsRecordDecoder::toFix(HDGPSMessageZEMKO::fromBytes(zemkoRecord(fix)));
    QTest::addRow("2232.5 N") << "lat" << north.latitude << "22.541668";
    QTest::addRow("11354.0 E") << "lon" << north.longitude << "113.900002";
    fix.ns = 'S';
    fix.ew = 'W';
    const GPSModel south = GpsRecordDecoder::toFix(HDGPSMessageZEMKO::fromBytes(zemkoRecord(fix)));
    QTest::addRow("2232.5 S") << "lat" << south.latitude << "-22.541668";
    QTest::addRow("11354.0 W") << "lon" << south.longitude << "-113.900002";

    FixSpec hisi;
    hisi.latNmea = 2232.5;
    hisi.lonNmea = 11354.0;
    hisi.gx = 6 * 1024; // 6 g
    hisi.gy = 512;
    const GPSModel h = GpsRecordDecoder::toFix(GPSInfo_Hisi::fromBytes(hisiPacket(hisi, 100)));
    QTest::addRow("hisi 100 km/h") << "speed" << h.speed << "53.996";
    QTest::addRow("hisi 6 g reads 0") << "x" << QString::number(h.x) << "0";
    QTest::addRow("hisi 0.5 g") << "y" << QString::number(h.y) << "0.5";
    QTest::addRow("hisi latitude") << "lat" << h.latitude << "22.541666";
    QTest::addRow("hisi day stays empty") << "day" << h.day << "";

    // A packet cut short reads as zeros beyond its end.
    const GPSModel cut
        = GpsRecordDecoder::toFix(GPSInfo_Hisi::fromBytes(hisiPacket(hisi, 100).left(121)));
    QTest::addRow("short packet keeps status") << "status" << QString::number(cut.status) << "1";
    QTest::addRow("short packet has no speed") << "speed" << cut.speed << "0.000";
    QTest::addRow("short packet has no latitude") << "lat" << cut.latitude << "0";

    FixSpec sone = fix;
    sone.gx = 512;
    sone.gy = 2000; // 7.8 g
    const GPSModel s = GpsRecordDecoder::toFix(SOneGpsMessage::fromBytes(horsontechRecord(sone)));
    QTest::addRow("horsontech longitude at 76") << "lon" << s.longitude << "-113.900002";
    QTest::addRow("horsontech G 1/256") << "x" << QString::number(s.x) << "2";
    QTest::addRow("horsontech over 5 g") << "y" << QString::number(s.y) << "0";

    HDGPSMessage hd = HDGPSMessage::fromBytes(r4k8Record(fix) + QByteArray("\xff", 1));
    hd.hour = -1;
    const GPSModel u = GpsRecordDecoder::toFix(hd);
    QTest::addRow("HDGPSMessage unsigned time") << "hour" << u.hour << "4294967295";
}

void TestGpsWalkers::decoderEdgeCases()
{
    QFETCH(QString, got);
    QTEST(got, "expected");
}

void TestGpsWalkers::blockLayoutChoice_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("layout");
    FixSpec fix = sampleTrack(1).first();
    QTest::addRow("float record") << zemkoRecord(fix) << 0;
    QTest::addRow("horsontech tag") << horsontechRecord(fix) << 1;
    QTest::addRow("double record") << r4k8Record(fix) << 2;
    fix.status = 'V';
    QTest::addRow("double record, status V") << r4k8Record(fix) << 2;
    QTest::addRow("zeros stay float") << QByteArray(248, '\0') << 0;
    QByteArray both = zemkoRecord(sampleTrack(1).first());
    both[12] = 'A';
    both[40] = 'E';
    QTest::addRow("fits both: float wins") << both << 0;
}

void TestGpsWalkers::blockLayoutChoice()
{
    QFETCH(QByteArray, bytes);
    QTEST(int(GpsBoxWalker::decodeBlockRecord(bytes).index()), "layout");
}

void TestGpsWalkers::textRecord_data()
{
    QTest::addColumn<QByteArray>("packet");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<float>("x");
    const FixSpec fix = sampleTrack(1).first();
    QTest::addRow("commas") << "###" + textSample(fix) << "22.541668"
                            << "10.5" << 0.1f;
    QTest::addRow("tabs in the first 40 bytes") << "###" + textSample(fix, true) << "22.541668"
                                                << "10.5" << 0.1f;
    QTest::addRow("tabs beyond byte 40")
        << QByteArray("###") + QByteArray(40, ' ') + "1\t2\t3\t4\t5\tA\t2232.5\tN\t11354\tE\t1\t2"
        << "0"
        << "" << 0.0f;
    QTest::addRow("fewer than 10 fields: no letters") << QByteArray("###1,2,3,4,5,A,2232.5") << "0"
                                                      << "" << 0.001f;
    QTest::addRow("two bytes") << QByteArray("##") << "0"
                               << "" << 0.0f;
    QTest::addRow("empty") << QByteArray() << "0"
                           << "" << 0.0f;
}

void TestGpsWalkers::textRecord()
{
    QFETCH(QByteArray, packet);
    const GPSModel fix
        = GpsRecordDecoder::toFix(GpsTextRecord::fromPacket(packet.constData(), packet.size()));
    QTEST(fix.latitude, "latitude");
    QTEST(fix.speed, "speed");
    QTEST(fix.x, "x");
}

void TestGpsWalkers::gpsWalk_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("records");
    const QVector<QByteArray> blocks = zemkoBlocks(3);
    const QByteArray good = gpsImage(blocks);
    QTest::addRow("three blocks at offset 48") << good << 3;
    // 64-bit size on a box in the middle: header 16 bytes, size in full.
    {
        QByteArray box = be32(1) + QByteArray("wide") + be64(16 + 100) + QByteArray(100, '\0');
        QByteArray image = gpsImage(blocks, {FixtureBox::leaf("zzzz", QByteArray(108, '\0'))});
        const int at = image.indexOf("zzzz") - 4;
        image.replace(at, box.size(), box);
        QTest::addRow("64-bit size in the middle") << image << 3;
    }
    QByteArray count = good;
    qToBigEndian<quint32>(0xFFFFFFFF, count.data() + count.indexOf("gps ") + 8);
    QTest::addRow("record count larger than the box") << count << 3;
    auto withSize = [&good](quint32 size) {
        QByteArray image = good;
        qToBigEndian(size, image.data() + image.indexOf("moov") - 4);
        return image;
    };
    QTest::addRow("movie box size 0") << withSize(0) << 0;
    QTest::addRow("movie box size 4") << withSize(4) << 0;
    QTest::addRow("movie box larger than the file") << withSize(0x7FFFFFF0) << 0;
    QByteArray child = good;
    qToBigEndian<quint32>(3, child.data() + child.indexOf("gps ") - 4);
    QTest::addRow("gps box size 3") << child << 0;
    QByteArray two = gpsImage(blocks);
    {
        QVector<FixtureBox> boxes = FixtureBox::parseAll(two);
        boxes.last().children.append(boxes.last().children.last());
        two = FixtureBox::serializeAll(boxes);
    }
    QTest::addRow("two gps boxes") << two << 6;
    QTest::addRow("block offsets past the end") << good.left(good.indexOf("moov") - 4)
            + FixtureBox::node(
                  "moov",
                  {FixtureBox::leaf("gps ", be32(0) + be32(1) + be32(0x7FFFFFFF) + be32(0))})
                  .serialize() << 1;
}

void TestGpsWalkers::gpsWalk()
{
    QFETCH(QByteArray, image);
    QFETCH(int, records);
    const QVector<GPSModel> fixes = walkGps(image);
    QCOMPARE(fixes.size(), records);
    const QVector<FixSpec> track = sampleTrack(3);
    for (int i = 0; i < fixes.size() && records != 1; ++i) {
        QVERIFY(fixes.at(i).status);
        QVERIFY(qAbs(fixes.at(i).latitude.toDouble() - nmeaDegrees(track.at(i % 3).latNmea))
                < 2e-5);
    }
}

void TestGpsWalkers::largeFiles()
{
    // Sparse files whose media data box is larger than 4 GiB: both walkers
    // must step over it with its 64-bit size to reach the movie box.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    constexpr qint64 bigPayload = (qint64(1) << 32) + 4096;
    auto writeSparse = [&](const QString &name, const QByteArray &head, const QByteArray &tail) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
            return false;
        const QByteArray mdat = be32(1) + QByteArray("mdat") + be64(16 + bigPayload);
        file.write(mdat);
        if (!file.resize(head.size() + mdat.size() + bigPayload) || !file.seek(file.size()))
            return false;
        return file.write(tail) == tail.size();
    };
    const QByteArray image = gpsImage(zemkoBlocks(3));
    const int moovAt = image.indexOf("moov") - 4;
    if (!writeSparse(QStringLiteral("big.mp4"), image.left(moovAt), image.mid(moovAt)))
        QSKIP("no room for a sparse 4 GiB file here");
    QFile big(dir.filePath(QStringLiteral("big.mp4")));
    QVERIFY(big.open(QIODevice::ReadOnly));
    QVERIFY(big.size() > bigPayload);
    QVector<GPSModel> fixes;
    GpsBoxWalker walker([&fixes](const GpsBoxRecord &record) {
        std::visit([&fixes](const auto &r) { fixes.append(GpsRecordDecoder::toFix(r)); }, record);
    });
    walker.walk(&big);
    QCOMPARE(walker.gpsBoxCount(), 1);
    QCOMPARE(fixes.size(), 3);

    // Two-track R4K8 layout: records before the media data, moov after it.
    QVector<QByteArray> records;
    for (const FixSpec &fix : sampleTrack(2))
        records.append(r4k8Record(fix));
    QByteArray head = FixtureBox::leaf("ftyp", QByteArray(8, 'x')).serialize();
    head += be32(8 + 0x10000 + 48 + 2 * 232) + QByteArray("free")
        + QByteArray(0x10000 + 48 - 8 - head.size() + 8, '\0');
    const qint64 firstRecord = head.size();
    head += records.at(0) + records.at(1);
    // Fix up the free box so that it spans exactly to the records' end.
    qToBigEndian<quint32>(head.size() - 16, head.data() + 16);
    const QByteArray stco = be32(0) + be32(2) + be32(firstRecord - 0x10000 - 48)
        + be32(firstRecord + 232 - 0x10000 - 48);
    auto track = [](const QByteArray &stbl) {
        return FixtureBox::node(
            "trak",
            {FixtureBox::node(
                "mdia",
                {FixtureBox::node("minf",
                                  {FixtureBox::node("stbl", {FixtureBox::leaf("stco", stbl)})})})});
    };
    const QByteArray moov
        = FixtureBox::node("moov", {track(be32(0) + be32(0)), track(stco)}).serialize();
    QVERIFY(writeSparse(QStringLiteral("big.mov"), head, moov));
    QFile mov(dir.filePath(QStringLiteral("big.mov")));
    QVERIFY(mov.open(QIODevice::ReadOnly));
    const R4K8Run run = walkR4K8(&mov);
    const QVector<GPSModel> &r4k8 = run.fixes;
    QCOMPARE(run.trackNo, 2);
    QCOMPARE(r4k8.size(), 2);
    QVERIFY(r4k8.at(1).status);
    QVERIFY(qAbs(r4k8.at(1).latitude.toDouble() - nmeaDegrees(sampleTrack(2).at(1).latNmea))
            < 1e-5);
}

void TestGpsWalkers::r4k8OneTrackAddresses()
{
    // 2 samples per second (4 samples, timescale 1000, duration 2000): the
    // record of second m lies after chunk 30m - 1 plus the size of sample
    // 2m - 1, rounded up to 32 KiB.
    QVector<quint32> chunks;
    for (int j = 0; j < 60; ++j)
        chunks.append(1000 * j);
    const QByteArray image = r4k8OneTrackImage(4, 1000, 2000, {10, 20, 30, 40}, chunks);
    const R4K8Run run = walkR4K8(image);
    QCOMPARE(run.trackNo, 1);
    QCOMPARE(run.perSecond, 2u);
    const QVector<qint64> expected {(29000 + 20 + 0x7FFF) & ~0x7FFF,
                                    (59000 + 40 + 0x7FFF) & ~0x7FFF};
    QCOMPARE(run.addresses, expected);
}

void TestGpsWalkers::r4k8TablesEndingTheFile()
{
    // Records live in the file; the chunk offset box is the last thing in
    // it, so reading past the tables would hit the end of the file.
    QVector<QByteArray> records;
    for (const FixSpec &fix : sampleTrack(2))
        records.append(r4k8Record(fix));
    // 30 samples a second, one per chunk: second m ends at chunk 30m - 1.
    QVector<quint32> sizes(60, 100);
    QVector<quint32> chunks;
    for (int j = 0; j < 60; ++j)
        chunks.append(0x10000 * (j / 30) + 100 * (j % 30));
    QByteArray image = r4k8OneTrackImage(60, 30, 60, sizes, chunks);
    // Make room: records at 0x8000 + 48 and 0x18000 + 48 ahead of the tables.
    const qint64 prefix = 0x20000;
    QByteArray file = image.left(16) + be32(prefix - 16) + "free" + QByteArray(prefix - 24, '\0');
    file.replace(0x8000 + 48, 232, records.at(0));
    file.replace(0x18000 + 48, 232, records.at(1));
    file += image.mid(16);
    QCOMPARE(file.right(4), be32(chunks.last()));
    const QVector<GPSModel> fixes = walkR4K8(file).fixes;
    QCOMPARE(fixes.size(), 2);
    QVERIFY(fixes.at(0).status && fixes.at(1).status);
    QCOMPARE(fixes.at(1).second, QStringLiteral("1"));
}

void TestGpsWalkers::r4k8NoSamplesPerSecond_data()
{
    QTest::addColumn<quint32>("timescale");
    QTest::addColumn<quint32>("duration");
    QTest::addRow("zero duration") << 30u << 0u;
    QTest::addRow("no timescale") << 0u << 60u;
    QTest::addRow("product wraps to 0") << 0x80000000u << 60u;
}

void TestGpsWalkers::r4k8NoSamplesPerSecond()
{
    QFETCH(quint32, timescale);
    QFETCH(quint32, duration);
    QVector<quint32> chunks(60, 0x10000);
    const QByteArray image = r4k8OneTrackImage(2, timescale, duration, {1, 2}, chunks);
    QCOMPARE(walkR4K8(image).fixes.size(), 0);
}

void TestGpsWalkers::packetRates_data()
{
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<qint64>("micros");
    QTest::addColumn<int>("rate");
    QTest::addRow("600 in 60 s") << qint64(600) << qint64(60000000) << 10;
    QTest::addRow("601 in 60 s") << qint64(601) << qint64(60999999) << 11;
    QTest::addRow("no frame count") << qint64(0) << qint64(60000000) << 0;
    QTest::addRow("under a second") << qint64(5) << qint64(999999) << 0;
}

void TestGpsWalkers::packetRates()
{
    QFETCH(qint64, frames);
    QFETCH(qint64, micros);
    QTEST(PacketReader::rateFromFrameCount(frames, micros), "rate");
    QVector<double> times;
    for (int i = 0; i < 600; ++i)
        times.append(1.4 + i * 0.1);
    QCOMPARE(PacketReader::rateFromTimestamps(times), 10);
    QCOMPARE(PacketReader::rateFromTimestamps({3.0}), 1);
    QCOMPARE(PacketReader::rateFromTimestamps({3.0, 3.0}), 1);
}

ZEMKO_TEST_GUILESS_MAIN(TestGpsWalkers)
#include "tst_gpswalkers.moc"
