#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>

namespace zemko {

// One colour as 8-bit Y, U, V.
struct Yuv
{
    int y;
    int u;
    int v;
};

// Runs the ffmpeg program quietly; false (with its output in the test log)
// when it fails.
bool runFfmpeg(const QStringList &arguments);

// An H.264 clip, losslessly coded, whose every frame shows four quadrants:
// top-left, top-right, bottom-left, bottom-right. fullRange marks and codes
// the picture as full range ("yuvj420p"). format is an ffmpeg muxer ("mp4",
// "mpegts").
bool makeQuadrantClip(const QString &path, const QSize &size, const std::array<Yuv, 4> &quadrants,
                      bool fullRange, const QString &format, int frames = 10, int fps = 10);

// A moving test picture with a tone, for playback behaviour.
bool makeTestClip(const QString &path, const QSize &size, double seconds,
                  const QString &format = QStringLiteral("mp4"));

} // namespace zemko
