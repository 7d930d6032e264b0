#include "GradientWidget.h"

#include <QLinearGradient>
#include <QPainter>

GradientWidget::GradientWidget(QWidget *parent)
    : QWidget(parent)
{
}

void GradientWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(255, 255, 255, 1));
    gradient.setColorAt(1, QColor(0, 0, 0, m_opaque ? 255 : 1));
    painter.fillRect(rect(), gradient);
}
