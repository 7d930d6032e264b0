#pragma once

#include <QList>
#include <QWidget>

class VideoRender;

// The player area: the main view fills it, the other channel views float
// over it as picture-in-picture views. Clicking a small view swaps it with
// the main view. The control bar (not owned) follows the main view.
class MainRenderView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kViewCount = 3;

    explicit MainRenderView(QWidget *parent = nullptr);

    void setControlView(QWidget *controlView) { m_controlView = controlView; }
    void setMainControlView(QWidget *controlView);
    int mainViewWidth() const;
    // The views in role order: [0] is the main view.
    QList<VideoRender *> views() const { return m_views; }
    // The view of channel index (creation order), whatever its role.
    VideoRender *channelView(int index) const;

    void setChannelCount(int count);
    void showChannel(int count, int index);
    void clearViews();
    int zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(int level) { m_zoomLevel = level; }
    void zoomOutMain(int level);
    void zoomInMain(int level);
    // Applies a zoom level from the zoom pop-up to the main view.
    void applyZoomLevel(int level);
    void relayout();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void swapWithMain(QWidget *view, int stor);
    static int channelNumber(const QWidget *view);

    QList<VideoRender *> m_views;
    QWidget *m_controlView = nullptr;
    int m_zoomLevel = 0;
};
