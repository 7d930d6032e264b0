#include "VideoSlider.h"

#include "SliderHandlePress.h"
#include "SliderMath.h"

#include <QDebug>
#include <QMouseEvent>
#include <QStyleOptionSlider>

VideoSlider::VideoSlider(QWidget *parent)
    : QSlider(parent)
{
}

void VideoSlider::mousePressEvent(QMouseEvent *event)
{
    const int value
        = SliderMath::horizontalClickValue(minimum(), maximum(), event->pos().x(), width());
    qDebug().noquote() << "点击Slider滑动到:" << value << "   最大:" << maximum();
    setValue(value);
    emit pslsliderPressed();
    QStyleOptionSlider option;
    initStyleOption(&option);
    QMouseEvent onHandle = pressOnHandle(*this, option, *event);
    QSlider::mousePressEvent(&onHandle);
    event->setAccepted(onHandle.isAccepted());
}

void VideoSlider::mouseReleaseEvent(QMouseEvent *event)
{
    emit pslsliderReleased();
    QSlider::mouseReleaseEvent(event);
}
