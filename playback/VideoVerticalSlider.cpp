#include "VideoVerticalSlider.h"

#include "SliderHandlePress.h"
#include "SliderMath.h"

#include <QDebug>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QWheelEvent>

VideoVerticalSlider::VideoVerticalSlider(QWidget *parent)
    : QSlider(parent)
{
    setRange(0, 100);
}

void VideoVerticalSlider::mousePressEvent(QMouseEvent *event)
{
    const int value
        = SliderMath::verticalClickValue(minimum(), maximum(), event->pos().y(), height());
    qDebug().noquote() << "Calculated value:" << value;
    setValue(value);
    triggerAction(QAbstractSlider::SliderMove);
    emit pslsliderPressed();
    QStyleOptionSlider option;
    initStyleOption(&option);
    QMouseEvent onHandle = pressOnHandle(*this, option, *event);
    QSlider::mousePressEvent(&onHandle);
    event->setAccepted(onHandle.isAccepted());
}

void VideoVerticalSlider::mouseReleaseEvent(QMouseEvent *event)
{
    emit pslsliderReleased();
    QSlider::mouseReleaseEvent(event);
}

void VideoVerticalSlider::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}
