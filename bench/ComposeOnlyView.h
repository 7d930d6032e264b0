#pragma once

#include "VideoDataPSL.h"
#include "VideoRender.h"

#include <QOpenGLFunctions>
#include <QOpenGLWidget>

// Takes frames the way VideoRender does and is repainted by the same pacer,
// but only clears its picture: what remains is the cost of the window's
// composition and of the frames' way from the decoder, the floor under any
// drawing a view does.
class ComposeOnlyView : public QOpenGLWidget, protected QOpenGLFunctions
{
    Q_OBJECT
public:
    explicit ComposeOnlyView(QWidget *parent = nullptr);
    VideoRender::Statistics statistics() const { return m_statistics; }

public slots:
    void takeFrame(VideoDataPSL frame);

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    VideoDataPSL m_frame; // held like a drawn frame, so the channel's pool fills alike
    bool m_consumed = true;
    bool m_fresh = false;
    VideoRender::Statistics m_statistics;
};
