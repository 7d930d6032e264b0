#pragma once

#include <QRect>

// The GL viewport, in device pixels, that shows a picture of the given aspect
// centred in a widget with black bars, grown by zoom about its centre (zoom
// 1 adds 480 device pixels on the left and right and 270 on top and bottom).
// Empty when the widget or the aspect is degenerate.
QRect videoViewport(int widgetWidth, int widgetHeight, double devicePixelRatio, float aspect,
                    double zoom);

// The zoom of a zoom level of the zoom pop-up (0 to 100): 0.025 per level.
double zoomForLevel(int level);
