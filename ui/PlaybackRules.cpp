#include "PlaybackRules.h"

qint64 PlaybackRules::shownPosition(qint64 position, qint64 duration)
{
    return position + 300 < duration ? position : duration;
}

QString PlaybackRules::timeText(qint64 ms)
{
    const qint64 minutes = ms / 60000;
    const qint64 seconds = ms / 1000 - minutes * 60;
    return QStringLiteral("%1:%2")
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

int PlaybackRules::seekTarget(int position, int maximum)
{
    return position + 1000 < maximum ? position : maximum - 1000;
}

int PlaybackRules::nextLayoutIndex(int index, int channelCount)
{
    const int next = index + 1;
    return next > channelCount ? 0 : next;
}

int PlaybackRules::speedHudValue(double rate)
{
    return rate == 0.5 ? -1 : static_cast<int>(rate);
}

double PlaybackRules::speedForChoice(int choice)
{
    switch (choice) {
    case 0:
        return 2.0;
    case 1:
        return 1.0;
    case 2:
        return 0.5;
    default:
        return 0;
    }
}

QString PlaybackRules::speedCaption(int choice)
{
    switch (choice) {
    case 0:
        return QStringLiteral("2X");
    case 1:
        return QStringLiteral("1X");
    case 2:
        return QStringLiteral("0.5X");
    default:
        return QString();
    }
}
