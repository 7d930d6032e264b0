// Damaged files: truncation at many points and corrupted sizes and counts.
// Every variant must end cleanly and keep the fixes whose bytes come before
// the damage. Hangs are caught by the ctest time-out.
#include "FixtureBox.h"
#include "GPSTool.h"
#include "GpsBoxWalker.h"
#include "GpsFixtures.h"
#include "GpsRecordDecoder.h"
#include "R4K8Walker.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>

using namespace gpsfixtures;

namespace {

constexpr int blockCount = 20;
constexpr int blockSize = 300;

struct Image
{
    QByteArray bytes;
    qint64 blocksAt = 0; // first block; block i spans blocksAt + i * blockSize
};

// Movie box first, then the blocks, so a cut inside the blocks leaves the
// earlier ones whole.
Image movieFirstImage()
{
    QVector<QByteArray> blocks;
    for (const FixSpec &fix : sampleTrack(blockCount))
        blocks.append(gpsBlock(zemkoRecord(fix), 76, blockSize));
    const FixtureBox ftyp = FixtureBox::leaf("ftyp", QByteArray(8, 'x'));
    const qint64 tableSize = 8 + 8 + 8 * blockCount;
    const qint64 moovSize = 8 + 108 + tableSize;
    Image image;
    image.blocksAt = ftyp.serializedSize() + moovSize + 8;
    QByteArray table = be32(0) + be32(blockCount);
    for (int i = 0; i < blockCount; ++i)
        table += be32(static_cast<quint32>(image.blocksAt + i * blockSize)) + be32(blockSize);
    QByteArray payload;
    for (const QByteArray &block : blocks)
        payload += block;
    image.bytes = FixtureBox::serializeAll(
        {ftyp,
         FixtureBox::node(
             "moov",
             {FixtureBox::leaf("mvhd", QByteArray(100, '\0')), FixtureBox::leaf("gps ", table)}),
         FixtureBox::leaf("free", payload)});
    return image;
}

QVector<GPSModel> walk(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVector<GPSModel> fixes;
    GpsBoxWalker walker([&fixes](const GpsBoxRecord &record) {
        std::visit([&fixes](const auto &r) { fixes.append(GpsRecordDecoder::toFix(r)); }, record);
    });
    walker.walk(&buffer);
    return fixes;
}

QVector<GPSModel> walkR4K8(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVector<GPSModel> fixes;
    R4K8Walker walker(
        [&fixes](const RMCINFO_R4K8 &r) { fixes.append(GpsRecordDecoder::toFix(r)); });
    walker.walk(&buffer);
    return fixes;
}

bool sameFix(const GPSModel &a, const GPSModel &b)
{
    return a.status == b.status && a.latitude == b.latitude && a.longitude == b.longitude
        && a.speed == b.speed && a.second == b.second;
}

// Offsets of every box header in the tree, with the box's size.
void headers(const QByteArray &bytes, int from, int to, QVector<QPair<int, quint32>> &out)
{
    static const QList<QByteArray> containers {"moov", "trak", "mdia", "minf", "stbl"};
    for (int at = from; to - at >= 8;) {
        const quint32 size = readBe32(bytes, at);
        if (size < 8 || size > quint32(to - at))
            return;
        out.append({at, size});
        if (containers.contains(bytes.mid(at + 4, 4)))
            headers(bytes, at + 8, at + int(size), out);
        at += int(size);
    }
}

} // namespace

class TestGpsRobustness : public QObject
{
    Q_OBJECT

private slots:
    void truncatedGpsBoxFile();
    void corruptedGpsBoxFile();
    void damagedR4K8Files();
    void truncatedRealFiles();
};

void TestGpsRobustness::truncatedGpsBoxFile()
{
    const Image image = movieFirstImage();
    const QVector<GPSModel> good = walk(image.bytes);
    QCOMPARE(good.size(), blockCount);
    for (int cut = 0; cut <= image.bytes.size(); cut += 7) {
        const QVector<GPSModel> fixes = walk(image.bytes.left(cut));
        if (cut < image.blocksAt - 8) {
            QVERIFY(fixes.size() <= blockCount);
            continue;
        }
        // The movie box is whole: every listed block is read, the whole
        // ones exactly as before, the cut-off ones without a valid fix.
        QCOMPARE(fixes.size(), blockCount);
        for (int i = 0; i < blockCount; ++i) {
            const qint64 end = image.blocksAt + i * blockSize + 48 + 196;
            if (end <= cut)
                QVERIFY2(sameFix(fixes.at(i), good.at(i)), qPrintable(QString::number(cut)));
            else if (image.blocksAt + i * blockSize + 48 >= cut)
                QVERIFY(!fixes.at(i).status);
        }
    }
}

void TestGpsRobustness::corruptedGpsBoxFile()
{
    const Image image = movieFirstImage();
    const QVector<GPSModel> good = walk(image.bytes);
    QVector<QPair<int, quint32>> boxes;
    headers(image.bytes, 0, image.bytes.size(), boxes);
    QVERIFY(boxes.size() >= 5);
    const int gpsAt = image.bytes.indexOf("gps ") - 4;
    QVector<QPair<int, quint32>> fields = boxes;
    fields.append({gpsAt + 12, blockCount}); // record count
    fields.append({gpsAt + 16, 0}); // first block offset
    for (const auto &[at, value] : qAsConst(fields)) {
        for (const quint32 forged :
             {0u, 1u, 7u, 8u, value - 1, value + 1, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
            QByteArray bytes = image.bytes;
            qToBigEndian(forged, bytes.data() + at);
            const QVector<GPSModel> fixes = walk(bytes);
            QVERIFY(fixes.size() <= blockCount);
            // Damage after the movie box cannot touch what it lists.
            if (at >= image.blocksAt - 8) {
                QCOMPARE(fixes.size(), blockCount);
                for (int i = 1; i < blockCount; ++i)
                    QVERIFY(sameFix(fixes.at(i), good.at(i)));
            }
        }
    }
}

void TestGpsRobustness::damagedR4K8Files()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ClipOptions options;
    options.seconds = 3;
    options.size = QStringLiteral("64x36");
    const QString base = dir.filePath(QStringLiteral("base.mp4"));
    QVERIFY(makeClip(base, options));
    QVector<QByteArray> records;
    for (const FixSpec &fix : sampleTrack(3))
        records.append(r4k8Record(fix));
    for (const QString &name : {QStringLiteral("one.mov"), QStringLiteral("two.mov")}) {
        const QString path = dir.filePath(name);
        QVERIFY(name == QLatin1String("one.mov") ? makeR4K8OneTrack(base, path, records)
                                                 : makeR4K8TwoTrack(base, path, records));
        const QByteArray bytes = readAll(path);
        const QVector<GPSModel> good = walkR4K8(bytes);
        QCOMPARE(good.size(), 3);
        const int moovAt = bytes.indexOf("moov") - 4;
        // Cuts inside the tables: never more records, never a crash.
        for (int cut = moovAt; cut <= bytes.size(); cut += 3)
            QVERIFY(walkR4K8(bytes.left(cut)).size() <= 3);
        QVector<QPair<int, quint32>> boxes;
        headers(bytes, moovAt, bytes.size(), boxes);
        QVector<int> counts;
        for (const char *table : {"stsz", "stco", "mdhd"})
            counts.append(bytes.indexOf(table, moovAt) + 12);
        for (const auto &[at, value] : qAsConst(boxes))
            counts.append(at);
        for (const int at : qAsConst(counts)) {
            for (const quint32 forged : {0u, 1u, 7u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
                QByteArray damaged = bytes;
                qToBigEndian(forged, damaged.data() + at);
                const QVector<GPSModel> fixes = walkR4K8(damaged);
                QVERIFY(fixes.size() <= 100000);
            }
        }
    }
}

void TestGpsRobustness::truncatedRealFiles()
{
    // The whole extraction, FFmpeg's probe included, on cut-off clips.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ClipOptions options;
    options.seconds = 2;
    options.size = QStringLiteral("64x36");
    const QString base = dir.filePath(QStringLiteral("gps.mp4"));
    QVERIFY(makeClip(base, options));
    QVector<QByteArray> blocks;
    for (const FixSpec &fix : sampleTrack(2))
        blocks.append(gpsBlock(zemkoRecord(fix), 76));
    QVERIFY(embedGpsBlocks(base, blocks));
    const QByteArray bytes = readAll(base);
    const QString cutPath = dir.filePath(QStringLiteral("cut.mp4"));
    for (int cut = 0; cut <= bytes.size(); cut += bytes.size() / 40 + 1) {
        QVERIFY(writeAll(cutPath, bytes.left(cut)));
        GPSTool tool;
        tool.createVideoForGPSUrl(cutPath);
        QVERIFY(tool.getMessageModel()->gpsItems.size() <= 2);
    }
}

ZEMKO_TEST_GUILESS_MAIN(TestGpsRobustness)
#include "tst_gpsrobustness.moc"
