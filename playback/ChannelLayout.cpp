#include "ChannelLayout.h"

#include <cmath>

namespace {
constexpr double kPictureAspect = 1.77778;
constexpr double kSmallViewHeight = 0.31553398; // of the picture area height
} // namespace

QVector<QRect> channelLayoutGeometry(const QSize &area, int viewCount)
{
    QVector<QRect> geometries;
    if (viewCount <= 0)
        return geometries;
    geometries.append(QRect(QPoint(0, 0), area));
    const double w = area.width();
    const double h = area.height();
    if (w <= 0 || h <= 0) {
        for (int i = 1; i < viewCount; ++i)
            geometries.append(QRect());
        return geometries;
    }
    const auto trunc = [](double value) {
        return int(std::trunc(value));
    };
    double x0 = 0;
    double y0 = 0;
    int smallHeight = 0;
    if (w / h >= kPictureAspect) {
        smallHeight = trunc(h * kSmallViewHeight);
        x0 = (w - h * kPictureAspect) * 0.5;
    } else {
        y0 = (h - w / kPictureAspect) * 0.5;
        smallHeight = trunc((h - 2 * y0) * kSmallViewHeight);
    }
    const int smallWidth = trunc(smallHeight * kPictureAspect);
    const int gap
        = viewCount >= 3 ? trunc((w - 2 * x0 - (viewCount - 1) * smallWidth) / (viewCount - 2)) : 0;
    for (int i = 1; i < viewCount; ++i) {
        geometries.append(QRect(trunc((i - 1) * gap + (i - 1) * smallWidth + x0), trunc(y0),
                                smallWidth, smallHeight));
    }
    return geometries;
}
