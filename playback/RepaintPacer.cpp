#include "RepaintPacer.h"

#include <QCoreApplication>

#include <utility>

RepaintPacer *RepaintPacer::instance()
{
    static QPointer<RepaintPacer> pacer;
    if (!pacer)
        pacer = new RepaintPacer(QCoreApplication::instance());
    return pacer;
}

RepaintPacer::RepaintPacer(QObject *parent)
    : QObject(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RepaintPacer::repaintAll);
}

void RepaintPacer::request(QWidget *view)
{
    if (!m_pending.contains(view))
        m_pending.append(view);
    QObject *key = view;
    // The schedule keys channels by address, which a new view may reuse.
    if (!m_schedule.knows(key))
        connect(view, &QObject::destroyed, this, &RepaintPacer::forget);
    const qint64 now = m_clock.elapsed();
    const qint64 due = m_schedule.pictureArrived(key, now);
    if (due <= now)
        repaintAll();
    else
        m_timer.start(int(due - now));
}

void RepaintPacer::forget(QObject *view)
{
    m_schedule.forget(view);
}

void RepaintPacer::repaintAll()
{
    m_timer.stop();
    m_schedule.repainted();
    const QVector<QPointer<QWidget>> views = std::exchange(m_pending, {});
    for (const QPointer<QWidget> &view : views) {
        if (view)
            view->update();
    }
}
