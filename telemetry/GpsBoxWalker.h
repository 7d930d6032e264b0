#pragma once

#include "GpsRecordLayouts.h"

#include <QByteArray>

#include <functional>
#include <variant>

class BoxReader;
class QIODevice;

// One record read from a block listed by a "gps " box.
using GpsBoxRecord = std::variant<HDGPSMessageZEMKO, SOneGpsMessage, RMCINFO_R4K8>;

// Finds the "gps " boxes inside the movie box and reads the record blocks
// they list. "gps " box layout (big-endian):
//   0 size, 4 "gps ", 8 version and flags, 12 record count N,
//   16 + 8i absolute file offset of block i, 20 + 8i block size (unused)
// Block layout: 12 header word h (little-endian); the record starts at 48
// when h is 264 or 76, else at 16; 248 bytes are read from there.
class GpsBoxWalker
{
public:
    using RecordSink = std::function<void(const GpsBoxRecord &)>;

    explicit GpsBoxWalker(RecordSink sink);

    // Walks the top-level boxes of device. Returns after the last box, at the
    // first box whose size is unusable, or at the first short read.
    void walk(QIODevice *device);
    // Reads the records listed by one "gps " box (bytes from its size field).
    void readGpsBox(const QByteArray &box, BoxReader &reader);

    // Picks the layout of one block record (248 bytes from its start).
    static GpsBoxRecord decodeBlockRecord(const QByteArray &bytes);

    int gpsBoxCount() const { return m_gpsBoxCount; }
    // Record count announced by the last "gps " box.
    int recordCount() const { return m_recordCount; }

private:
    void walkMovieBox(const QByteArray &payload, BoxReader &reader);

    RecordSink m_sink;
    int m_gpsBoxCount = 0;
    int m_recordCount = 0;
};
