#pragma once

#include <QMouseEvent>

class QSlider;
class QStyleOptionSlider;

// The press that QSlider's own handling should see after the transport
// sliders have jumped to the clicked value: the same press, on the handle's
// centre, so the style starts a drag there instead of paging or jumping to
// its own (slightly different) value for the clicked pixel. option is the
// slider's style option after the jump.
QMouseEvent pressOnHandle(const QSlider &slider, const QStyleOptionSlider &option,
                          const QMouseEvent &event);
