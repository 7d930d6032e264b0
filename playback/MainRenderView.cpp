#include "MainRenderView.h"

#include "ChannelLayout.h"
#include "VideoRender.h"

#include <QResizeEvent>

#include <algorithm>

MainRenderView::MainRenderView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < kViewCount; ++i) {
        auto *view = new VideoRender(this);
        view->setObjectName(QStringLiteral("widget%1").arg(i));
        connect(view, &VideoRender::playViewShowChange, this, &MainRenderView::swapWithMain);
        m_views.append(view);
    }
}

int MainRenderView::channelNumber(const QWidget *view)
{
    return view->objectName().remove(QStringLiteral("widget")).toInt();
}

VideoRender *MainRenderView::channelView(int index) const
{
    return findChild<VideoRender *>(QStringLiteral("widget%1").arg(index),
                                    Qt::FindDirectChildrenOnly);
}

void MainRenderView::setMainControlView(QWidget *controlView)
{
    m_views.first()->setControlView(controlView);
}

int MainRenderView::mainViewWidth() const
{
    return m_views.first()->width();
}

void MainRenderView::relayout()
{
    const QVector<QRect> geometries = channelLayoutGeometry(size(), m_views.size());
    for (int i = 0; i < m_views.size(); ++i) {
        VideoRender *view = m_views.at(i);
        view->setGeometry(geometries.at(i));
        if (i == 0) {
            view->show();
            view->lower();
        } else {
            view->raise();
        }
    }
    m_zoomLevel = 0;
    for (VideoRender *view : qAsConst(m_views))
        view->closeZoomAction();
}

void MainRenderView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void MainRenderView::swapWithMain(QWidget *view, int stor)
{
    Q_UNUSED(stor)
    const int index = m_views.indexOf(static_cast<VideoRender *>(view));
    if (index <= 0)
        return;
    VideoRender *oldMain = m_views.first();
    VideoRender *newMain = m_views.at(index);
    newMain->setControlView(oldMain->controlView());
    oldMain->setControlView(nullptr);
    m_views[0] = newMain;
    m_views[index] = oldMain;
    relayout();
}

void MainRenderView::setChannelCount(int count)
{
    std::sort(m_views.begin(), m_views.end(), [](const VideoRender *a, const VideoRender *b) {
        return a->objectName() < b->objectName();
    });
    for (int i = 0; i < count && i < m_views.size(); ++i) {
        m_views.at(i)->setControlView(i == 0 ? m_controlView : nullptr);
        m_views.at(i)->show();
    }
    relayout();
}

void MainRenderView::showChannel(int count, int index)
{
    if (index <= 0) {
        setChannelCount(count);
        return;
    }
    if (index > m_views.size())
        return;
    m_views.swapItemsAt(0, index - 1);
    if (VideoRender *alone = channelView(index - 1)) {
        alone->setControlView(nullptr);
        alone->setGeometry(rect());
        alone->setFocus(Qt::OtherFocusReason);
        alone->raise();
    }
    for (VideoRender *view : qAsConst(m_views)) {
        const bool chosen = channelNumber(view) + 1 == index;
        view->setVisible(chosen);
        view->setControlView(chosen ? m_controlView : nullptr);
        view->closeZoomAction();
    }
}

void MainRenderView::clearViews()
{
    for (VideoRender *view : qAsConst(m_views))
        view->closeSmpTex();
}

void MainRenderView::zoomOutMain(int level)
{
    m_views.first()->zoomOut(level);
}

void MainRenderView::zoomInMain(int level)
{
    m_views.first()->zoomIn(level);
}

void MainRenderView::applyZoomLevel(int level)
{
    if (level < m_zoomLevel)
        zoomOutMain(level);
    else
        zoomInMain(level);
    m_zoomLevel = level;
}
