#include "NoScrollComboBox.h"

#include <QWheelEvent>

void NoScrollComboBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
