#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>
#include <QWidget>

// Repaints the views that got a new picture together, at most once per
// interval. Every repaint of one view composes and sends its whole window,
// so channels repainting one after another multiply that work. The interval
// is short enough that a channel's next picture (33 ms later at 30 fps)
// rarely comes before the last one was painted. GUI thread only.
class RepaintPacer : public QObject
{
    Q_OBJECT
public:
    static constexpr int intervalMs = 8;

    // The application's pacer; it lives as long as the application object.
    static RepaintPacer *instance();

    explicit RepaintPacer(QObject *parent = nullptr);
    // view is repainted with the others at the end of the current interval.
    void request(QWidget *view);

private:
    void repaintAll();

    QTimer m_timer;
    QVector<QPointer<QWidget>> m_pending;
};
