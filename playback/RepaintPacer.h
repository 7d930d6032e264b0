#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>
#include <QWidget>

// Repaints the views that got a new picture together, at most once per
// display refresh. Every repaint of one view composes and sends its whole
// window, so channels repainting one after another multiply that work.
// GUI thread only.
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
