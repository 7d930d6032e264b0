#pragma once

#include <QtGlobal>

class GPSModel;
class VideoMessage;

// Single-pass reader of the media-record document as the store keeps it:
// UTF-8 bytes straight into the record's fields, without a QJsonDocument
// tree (a one-hour track holds 65 000 values). It reproduces the
// QJsonDocument decoding exactly for strict JSON of the record's shape and
// answers false, leaving the record untouched, on anything else: invalid or
// lenient syntax, a leading BOM, duplicated or out-of-order keys, keys with
// escapes, numbers it cannot convert the same way. The caller then decodes
// with QJsonDocument.
class JsonRecordReader
{
public:
    // As VideoMessage::fromJsonTree.
    static bool read(const char *data, qsizetype size, VideoMessage &record);
    // As GPSModel::fromJsonObject of the parsed document.
    static bool readFix(const char *data, qsizetype size, GPSModel &fix);
};
