#include "VideoViewport.h"

#include <cmath>

QRect videoViewport(int widgetWidth, int widgetHeight, double devicePixelRatio, float aspect,
                    double zoom)
{
    if (widgetWidth <= 0 || widgetHeight <= 0 || !(aspect > 0.0f))
        return QRect();
    const auto trunc = [](double value) {
        return int(std::trunc(value));
    };
    const double d = devicePixelRatio;
    const int dx = trunc(zoom * 480);
    const int dy = trunc(zoom * 270);
    const float w = float(widgetWidth);
    const float h = float(widgetHeight);
    // The products and the half-difference are single precision on purpose:
    // the pixel numbers must match the ones users have always seen.
    if (w / h >= aspect) {
        const float pictureWidth = h * aspect;
        const float margin = (w - pictureWidth) * 0.5f;
        return QRect(trunc(margin * d - dx), -dy, trunc(pictureWidth * d + 2.0 * dx),
                     trunc(h * d + 2.0 * dy));
    }
    const float pictureHeight = w / aspect;
    const float margin = (h - pictureHeight) * 0.5f;
    return QRect(-dx, trunc(margin * d - dy), trunc(w * d + 2.0 * dx),
                 trunc(pictureHeight * d + 2.0 * dy));
}

double zoomForLevel(int level)
{
    return level / 10.0 * 0.25;
}
