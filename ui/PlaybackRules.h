#pragma once

#include <QString>

// The arithmetic of the transport controls, kept apart from the widgets.
class PlaybackRules
{
public:
    // Within the last 300 ms the full duration is shown.
    static qint64 shownPosition(qint64 position, qint64 duration);
    // "mm:ss" with minutes not wrapped into hours (62:05).
    static QString timeText(qint64 ms);
    // A release at the far right must not land on the very end of the file.
    static int seekTarget(int position, int maximum);
    // The arrangement counter after one press of the switch button.
    static int nextLayoutIndex(int index, int channelCount);
    // The rate as the speed pop-up's value: 2, 1, or -1 for 0.5.
    static int speedHudValue(double rate);
    // Rate and caption of a speed pop-up choice (0, 1 or 2); rate 0 for none.
    static double speedForChoice(int choice);
    static QString speedCaption(int choice);
};
