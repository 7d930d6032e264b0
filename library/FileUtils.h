#pragma once

#include <QString>

// Shared file and path helpers. None of them keeps state.

// Writable generic data location + "/" + application name without spaces,
// created when missing; "aaaaaaaaaaaaaa" when it cannot be made.
QString dataDirectory();
// dataDirectory() + "/Thumbnail", created when missing;
// "aaaaaaaaaaaaaa11111" when it cannot be made.
QString thumbnailDirectory();
// unit 0: bytes, 1: KiB (6 significant digits), 2: MiB (1 decimal).
QString fileSizeText(const QString &path, int unit);
bool pathExists(const QString &path);
QString reformatDateTime(const QString &text, const QString &inputFormat,
                         const QString &outputFormat);
// True when the last path components are equal ignoring case.
bool namesMatch(const QString &a, const QString &b);
// Collapses the channel markers PR, PI, PF onto R, I, F and drops "_", so the
// files of one recording share one pairing name.
QString normalizeChannelName(const QString &name);
