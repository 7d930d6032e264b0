#pragma once

#include <QSlider>

// The 0..100 slider of the volume and zoom pop-up: a press jumps to the
// clicked position; the wheel is left to the parent.
class VideoVerticalSlider : public QSlider
{
    Q_OBJECT
public:
    explicit VideoVerticalSlider(QWidget *parent = nullptr);

signals:
    void pslsliderPressed();
    void pslsliderReleased();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
