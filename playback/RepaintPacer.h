#pragma once

#include "RepaintSchedule.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>
#include <QWidget>

// Repaints the views that got a new picture together, when the schedule
// says so: once every playing channel has a new picture, or before the
// first waiting picture's channel sends its next one. GUI thread only.
class RepaintPacer : public QObject
{
    Q_OBJECT
public:
    // The application's pacer; it lives as long as the application object.
    static RepaintPacer *instance();

    explicit RepaintPacer(QObject *parent = nullptr);
    // view got a new picture.
    void request(QWidget *view);

private:
    void forget(QObject *view);
    void repaintAll();

    RepaintSchedule m_schedule;
    QElapsedTimer m_clock;
    QTimer m_timer;
    QVector<QPointer<QWidget>> m_pending;
};
