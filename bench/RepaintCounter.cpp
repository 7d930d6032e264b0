#include "RepaintCounter.h"

#include <QEvent>

#include <cstdio>

void RepaintCounter::print(double seconds) const
{
    std::printf("window repaints %llu (%.1f per second)\n",
                static_cast<unsigned long long>(m_count),
                seconds > 0 ? double(m_count) / seconds : 0.0);
}

bool RepaintCounter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::UpdateRequest)
        ++m_count;
    return QObject::eventFilter(watched, event);
}
