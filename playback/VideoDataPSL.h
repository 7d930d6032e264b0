#pragma once

#include <QByteArray>
#include <QMetaType>

// One decoded picture, planar YUV 4:2:0: planes[0] Y (width x height bytes),
// planes[1] U and planes[2] V ((width / 2) x (height / 2) bytes each), rows
// packed without padding. Copies share the plane data.
struct VideoDataPSL
{
    QByteArray planes[3];
    int width = 0;
    int height = 0;
    // Full-range ("J420") pictures need other conversion coefficients than
    // limited-range ("I420") ones.
    bool fullRange = false;
};

Q_DECLARE_METATYPE(VideoDataPSL)
