#pragma once

#include "DbModel.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// Which chosen files become playlist rows, and what such a row holds.
class PlaylistIntake
{
public:
    // The chosen paths without those already stored. Paths are compared
    // exactly: another letter case or separator is another file.
    static QStringList newPaths(QStringList chosen, const QList<DbModel *> &stored);
    // Existing files with a suffix of the add dialog's filter (any letter
    // case), made absolute: the command line and drops pass any path.
    static QStringList mediaFiles(const QStringList &paths);
    // The row of one added file; every file of one addition shares addedAt.
    static DbModel rowFor(const QString &path, const QDateTime &addedAt);
};
