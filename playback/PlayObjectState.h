#pragma once

#include <QMetaType>

// Playback state of a channel. Channels emit only Playing, Paused, Stopped and
// Ended; the other values belong to the main window's state machine.
enum PlayObjectState {
    Ready = 0,
    Playing = 1,
    Paused = 2,
    Stopped = 3,
    Error = 4,
    FastForward = 5,
    Ended = 6,
};

Q_DECLARE_METATYPE(PlayObjectState)
