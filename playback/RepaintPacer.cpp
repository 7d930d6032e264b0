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
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RepaintPacer::repaintAll);
}

void RepaintPacer::request(QWidget *view)
{
    if (!m_pending.contains(view))
        m_pending.append(view);
    if (!m_timer.isActive())
        m_timer.start(intervalMs);
}

void RepaintPacer::repaintAll()
{
    const QVector<QPointer<QWidget>> views = std::exchange(m_pending, {});
    for (const QPointer<QWidget> &view : views) {
        if (view)
            view->update();
    }
}
