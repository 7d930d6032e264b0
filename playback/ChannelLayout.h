#pragma once

#include <QRect>
#include <QSize>
#include <QVector>

// Geometries of the channel views in an area: index 0, the main view, fills
// the area; the others are 16:9 picture-in-picture views along the top edge
// of the 16:9 picture area, spread from its left to its right corner.
QVector<QRect> channelLayoutGeometry(const QSize &area, int viewCount);
