#pragma once

class QFile;
class QString;

// Opens path for unbuffered reading by its UTF-8 bytes, whatever the
// process's locale (Qt would re-encode the name with the locale's codec).
bool openUtf8ReadOnly(QFile &file, const QString &path);
