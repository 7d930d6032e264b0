#include "ScaledPixmap.h"

ScaledPixmap::ScaledPixmap(const QString &fileName)
    : m_source(fileName)
{
}

const QPixmap &ScaledPixmap::fitted(const QSize &box)
{
    const QSize size = m_source.size().scaled(box, Qt::KeepAspectRatio);
    if (m_scaled.size() != size && !m_source.isNull())
        m_scaled = m_source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}
