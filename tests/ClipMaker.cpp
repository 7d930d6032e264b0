#include "ClipMaker.h"

#include <QByteArray>
#include <QDebug>
#include <QFile>
#include <QProcess>

namespace zemko {

bool runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"),
                              QStringLiteral("error"), QStringLiteral("-y")}
                     + arguments);
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitStatus() != QProcess::NormalExit
        || ffmpeg.exitCode() != 0) {
        qWarning().noquote() << "ffmpeg failed:" << arguments.join(QLatin1Char(' '))
                             << QString::fromLocal8Bit(ffmpeg.readAll());
        return false;
    }
    return true;
}

bool makeQuadrantClip(const QString &path, const QSize &size, const std::array<Yuv, 4> &quadrants,
                      bool fullRange, const QString &format, int frames, int fps)
{
    const int width = size.width();
    const int height = size.height();
    const int chromaWidth = width / 2;
    const int chromaHeight = height / 2;
    QByteArray frame(width * height + 2 * chromaWidth * chromaHeight, '\0');
    char *y = frame.data();
    char *u = y + width * height;
    char *v = u + chromaWidth * chromaHeight;
    const auto quadrant = [](int x, int row, int w, int h) {
        return (row * 2 >= h ? 2 : 0) + (x * 2 >= w ? 1 : 0);
    };
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x)
            y[row * width + x] = char(quadrants[size_t(quadrant(x, row, width, height))].y);
    for (int row = 0; row < chromaHeight; ++row) {
        for (int x = 0; x < chromaWidth; ++x) {
            const Yuv &colour = quadrants[size_t(quadrant(x, row, chromaWidth, chromaHeight))];
            u[row * chromaWidth + x] = char(colour.u);
            v[row * chromaWidth + x] = char(colour.v);
        }
    }
    const QString rawPath = path + QStringLiteral(".yuv");
    QFile raw(rawPath);
    if (!raw.open(QIODevice::WriteOnly))
        return false;
    for (int i = 0; i < frames; ++i)
        raw.write(frame);
    raw.close();

    const QString pixelFormat = fullRange ? QStringLiteral("yuvj420p") : QStringLiteral("yuv420p");
    const bool made = runFfmpeg(
        {QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), pixelFormat,
         QStringLiteral("-s"), QStringLiteral("%1x%2").arg(width).arg(height), QStringLiteral("-r"),
         QString::number(fps), QStringLiteral("-i"), rawPath, QStringLiteral("-c:v"),
         QStringLiteral("libx264"), QStringLiteral("-qp"), QStringLiteral("0"),
         QStringLiteral("-pix_fmt"), pixelFormat, QStringLiteral("-f"), format, path});
    QFile::remove(rawPath);
    return made;
}

bool makeTestClip(const QString &path, const QSize &size, double seconds, const QString &format)
{
    const QString duration = QString::number(seconds);
    return runFfmpeg({QStringLiteral("-f"),
                      QStringLiteral("lavfi"),
                      QStringLiteral("-i"),
                      QStringLiteral("testsrc=size=%1x%2:rate=30:duration=%3")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(duration),
                      QStringLiteral("-f"),
                      QStringLiteral("lavfi"),
                      QStringLiteral("-i"),
                      QStringLiteral("sine=frequency=440:duration=%1").arg(duration),
                      QStringLiteral("-c:v"),
                      QStringLiteral("libx264"),
                      QStringLiteral("-preset"),
                      QStringLiteral("ultrafast"),
                      QStringLiteral("-pix_fmt"),
                      QStringLiteral("yuv420p"),
                      QStringLiteral("-c:a"),
                      QStringLiteral("aac"),
                      QStringLiteral("-shortest"),
                      QStringLiteral("-f"),
                      format,
                      path});
}

} // namespace zemko
