// Writes the seed corpora of the fuzz targets: generated fixture files for
// the walkers, single records for the decoders.
#include "GpsFixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

using namespace gpsfixtures;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromUtf8(argv[1]));
    for (const char *sub : {"gpsbox", "r4k8", "records"})
        out.mkpath(QString::fromLatin1(sub));
    QTemporaryDir tmp;
    const QString base = tmp.filePath(QStringLiteral("base.mp4"));
    ClipOptions options;
    options.seconds = 2;
    options.size = QStringLiteral("64x36");
    QString error;
    if (!makeClip(base, options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const QVector<FixSpec> track = sampleTrack(2);
    QVector<QByteArray> z, h, r;
    for (const FixSpec &fix : track) {
        z.append(gpsBlock(zemkoRecord(fix), 76, 300));
        h.append(gpsBlock(horsontechRecord(fix), 0, 300));
        r.append(r4k8Record(fix));
    }
    const QByteArray baseBytes = readAll(base);
    auto gpsSeed = [&](const char *name, const QVector<QByteArray> &blocks) {
        const QString path = out.filePath(QStringLiteral("gpsbox/") + QLatin1String(name));
        return writeAll(path, baseBytes) && embedGpsBlocks(path, blocks);
    };
    bool ok = gpsSeed("zemko.mp4", z) && gpsSeed("horsontech.mp4", h);
    ok = ok && makeR4K8OneTrack(base, out.filePath(QStringLiteral("r4k8/one.mov")), r);
    ok = ok && makeR4K8TwoTrack(base, out.filePath(QStringLiteral("r4k8/two.mov")), r);
    ok = ok && writeAll(out.filePath(QStringLiteral("records/zemko")), zemkoRecord(track.at(0)));
    ok = ok
        && writeAll(out.filePath(QStringLiteral("records/horsontech")),
                    horsontechRecord(track.at(0)));
    ok = ok && writeAll(out.filePath(QStringLiteral("records/r4k8")), r4k8Record(track.at(0)));
    ok = ok && writeAll(out.filePath(QStringLiteral("records/hisi")), hisiPacket(track.at(0), 50));
    ok = ok
        && writeAll(out.filePath(QStringLiteral("records/text")),
                    "###" + textSample(track.at(1), true));
    return ok ? 0 : 1;
}
