#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture and its smooth-scaled copy for the size it is drawn at. Smooth
// scaling is the costliest step of a gauge repaint, so the copy is made
// again only when the size changes.
class ScaledPixmap
{
public:
    explicit ScaledPixmap(const QString &fileName);

    // The picture fitted into box, keeping its aspect ratio.
    const QPixmap &fitted(const QSize &box);

private:
    QPixmap m_source;
    QPixmap m_scaled;
};
