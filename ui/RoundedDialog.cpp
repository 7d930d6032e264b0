#include "RoundedDialog.h"

#include <QPainter>

RoundedDialog::RoundedDialog(QWidget *parent)
    : OverlayDialog("RoundedDialog", parent)
{
    setObjectName(QStringLiteral("RoundedDialog"));
    if (parent)
        setGeometry(0, 0, parent->width(), parent->height());
}

void RoundedDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 100));
}
