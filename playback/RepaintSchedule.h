#pragma once

#include <QtGlobal>

#include <vector>

// Decides when the views that got new pictures are repainted. Every repaint
// composes the whole window, which in software OpenGL costs more than
// drawing a view, so pictures of different channels should share one
// repaint: a picture waits for the other playing channels' next pictures,
// but never longer than about three quarters of the shortest frame interval,
// so it is painted before its channel's next picture comes (a view drops
// pictures that arrive before the last one was painted). Times are in ms on
// any steady clock. No Qt objects; GUI thread only in practice.
class RepaintSchedule
{
public:
    // Wait for a picture while the frame intervals are unknown.
    static constexpr qint64 firstWaitMs = 8;
    static constexpr qint64 shortestWaitMs = 4;
    static constexpr qint64 longestWaitMs = 40;
    // A gap this long is a pause or a seek, not a frame interval.
    static constexpr qint64 pauseMs = 250;

    // A new picture for view at now. Returns when the pending views are to
    // be repainted: now when every playing channel has a new picture.
    qint64 pictureArrived(const void *view, qint64 now);
    // The pending views were repainted.
    void repainted();
    // Whether a picture of view arrived since it was last forgotten.
    bool knows(const void *view) const;
    // The view is gone; its address may be reused.
    void forget(const void *view);

private:
    struct Channel
    {
        const void *view = nullptr;
        qint64 lastArrival = 0;
        double interval = 0; // running mean; 0 while unknown
        bool pending = false;
    };
    bool isPlaying(const Channel &channel, qint64 now) const;
    qint64 longestWait(qint64 now) const;

    std::vector<Channel> m_channels;
    qint64 m_firstPending = -1;
};
