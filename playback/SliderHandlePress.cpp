#include "SliderHandlePress.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

QMouseEvent pressOnHandle(const QSlider &slider, const QStyleOptionSlider &option,
                          const QMouseEvent &event)
{
    const QPoint centre
        = slider.style()
              ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
              .center();
    return QMouseEvent(event.type(), centre, slider.mapToGlobal(centre), event.button(),
                       event.buttons(), event.modifiers());
}
