#pragma once

#include <QSlider>

// The seek slider: a press jumps straight to the clicked position.
class VideoSlider : public QSlider
{
    Q_OBJECT
public:
    explicit VideoSlider(QWidget *parent = nullptr);

signals:
    void pslsliderPressed();
    void pslsliderReleased();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
