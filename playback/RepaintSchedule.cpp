#include "RepaintSchedule.h"

#include <algorithm>

qint64 RepaintSchedule::pictureArrived(const void *view, qint64 now)
{
    auto channel = std::find_if(m_channels.begin(), m_channels.end(),
                                [view](const Channel &known) { return known.view == view; });
    if (channel == m_channels.end()) {
        m_channels.push_back({view, now, 0, false});
        channel = m_channels.end() - 1;
    } else {
        const qint64 gap = now - channel->lastArrival;
        // Pictures that come together (a backlog) say nothing of the rate.
        if (gap > 0 && gap < pauseMs)
            channel->interval = channel->interval > 0
                ? channel->interval + (double(gap) - channel->interval) / 8.0
                : double(gap);
        channel->lastArrival = now;
    }
    channel->pending = true;
    if (m_firstPending < 0)
        m_firstPending = now;

    const bool allHavePictures
        = std::all_of(m_channels.begin(), m_channels.end(), [this, now](const Channel &other) {
              return other.pending || !isPlaying(other, now);
          });
    if (allHavePictures)
        return now;
    return std::max(now, m_firstPending + longestWait(now));
}

void RepaintSchedule::repainted()
{
    for (Channel &channel : m_channels)
        channel.pending = false;
    m_firstPending = -1;
}

bool RepaintSchedule::knows(const void *view) const
{
    return std::any_of(m_channels.begin(), m_channels.end(),
                       [view](const Channel &known) { return known.view == view; });
}

void RepaintSchedule::forget(const void *view)
{
    m_channels.erase(std::remove_if(m_channels.begin(), m_channels.end(),
                                    [view](const Channel &known) { return known.view == view; }),
                     m_channels.end());
}

// A channel plays while its next picture is due: within two of its frame
// intervals, or within a pause's length while its rate is unknown.
bool RepaintSchedule::isPlaying(const Channel &channel, qint64 now) const
{
    const double window = channel.interval > 0 ? 2.0 * channel.interval + 5.0 : double(pauseMs);
    return double(now - channel.lastArrival) <= window;
}

qint64 RepaintSchedule::longestWait(qint64 now) const
{
    double shortestInterval = 0;
    for (const Channel &channel : m_channels) {
        if (channel.interval > 0 && isPlaying(channel, now)
            && (shortestInterval == 0 || channel.interval < shortestInterval))
            shortestInterval = channel.interval;
    }
    if (shortestInterval == 0)
        return firstWaitMs;
    return std::clamp(qint64(shortestInterval * 0.75), shortestWaitMs, longestWaitMs);
}
