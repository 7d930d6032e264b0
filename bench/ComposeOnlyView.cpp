#include "ComposeOnlyView.h"

#include "RepaintPacer.h"

ComposeOnlyView::ComposeOnlyView(QWidget *parent)
    : QOpenGLWidget(parent)
{
}

void ComposeOnlyView::takeFrame(VideoDataPSL frame)
{
    ++m_statistics.offered;
    if (m_consumed) {
        m_consumed = false;
        m_fresh = true;
        m_frame = frame;
        ++m_statistics.taken;
    }
    RepaintPacer::instance()->request(this);
}

void ComposeOnlyView::initializeGL()
{
    initializeOpenGLFunctions();
}

void ComposeOnlyView::paintGL()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_consumed = true;
    if (m_fresh) {
        m_fresh = false;
        ++m_statistics.shown;
    }
}
