#pragma once

#include <QWidget>

// Translucent backdrop of the playback tool bar; opaque at the bottom while
// the bar floats over the video in full screen.
class GradientWidget : public QWidget
{
    Q_OBJECT
public:
    explicit GradientWidget(QWidget *parent = nullptr);

    // Shown by the next repaint.
    void setOpaque(bool opaque) { m_opaque = opaque; }
    bool isOpaque() const { return m_opaque; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_opaque = false;
};
