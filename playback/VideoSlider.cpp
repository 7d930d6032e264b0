#include "VideoSlider.h"

#include "SliderMath.h"

#include <QDebug>
#include <QMouseEvent>

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
    QSlider::mousePressEvent(event);
}

void VideoSlider::mouseReleaseEvent(QMouseEvent *event)
{
    emit pslsliderReleased();
    QSlider::mouseReleaseEvent(event);
}
