#pragma once

#include <QString>

// What the playlist view shows of one row.
struct PlaylistEntry
{
    QString thumbnail; // full path of the thumbnail picture
    QString fileName;
    QString pairingName; // normalizeChannelName(fileName)
    QString time; // "yyyyMMddHHmmsszzz"
    QString size; // megabytes
    QString path;
};
