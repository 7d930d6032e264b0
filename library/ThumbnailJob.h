#pragma once

#include <QString>

// One thumbnail still to be made. row is where the file was shown when the
// job was queued; rows may have moved since.
struct ThumbnailJob
{
    int row = -1;
    QString path;
};
