#pragma once

#include "ScaledPixmap.h"

#include <QWidget>

// Compass ("compassView"): a rose, north up, with an arrow turned to the
// course of the current fix. Passive, like the speed dial.
class HDStackedImageView : public QWidget
{
    Q_OBJECT
public:
    explicit HDStackedImageView(QWidget *parent = nullptr);

    // Degrees clockwise from north.
    void setHeading(float degrees);
    float heading() const { return m_heading; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_heading = 0;
    ScaledPixmap m_rose;
    ScaledPixmap m_arrow;
};
