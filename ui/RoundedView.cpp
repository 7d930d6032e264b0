#include "RoundedView.h"

#include <QPainter>

RoundedView::RoundedView(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::NoDropShadowWindowHint);
}

void RoundedView::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(QStringLiteral("#2f3944")));
        painter.drawRoundedRect(rect(), 5, 5);
    }
    QWidget::paintEvent(event);
}
