#include "HDStackedImageView.h"

#include "GaugeMath.h"

#include <QPaintEvent>
#include <QPainter>

HDStackedImageView::HDStackedImageView(QWidget *parent)
    : QWidget(parent)
    , m_rose(QStringLiteral(":/Resources/compassImage.png"))
    , m_arrow(QStringLiteral(":/Resources/compass.png"))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void HDStackedImageView::setHeading(float degrees)
{
    m_heading = degrees;
    update();
}

void HDStackedImageView::paintEvent(QPaintEvent *event)
{
    if (event->region().boundingRect() != rect())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    const GaugeMath::CompassGeometry g = GaugeMath::compassGeometry(size(), minimumSize());
    const QRect &rose = g.rose;
    painter.drawPixmap(rose.topLeft(), m_rose.fitted(rose.size()));

    const int b = g.arrowSize;
    const int dx = rose.x() + rose.width() / 2;
    const int dy = rose.y() + rose.height() / 2;
    painter.translate(dx, dy);
    painter.rotate(m_heading);
    painter.translate(-dx, -dy);
    painter.drawPixmap(QRect(dx - b / 2, dy - b / 2, b, b), m_arrow.fitted(QSize(b, b)));
}
