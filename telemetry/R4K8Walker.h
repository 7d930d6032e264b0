#pragma once

#include "GpsRecordLayouts.h"

#include <QVector>

#include <functional>

class BoxReader;
struct BoxHeader;
class QIODevice;

// Locates the 232-byte records of R4K8 MOV files through a track's sample
// tables (all values big-endian):
// - two tracks: the second track's chunk offsets c; a record at c + 65536 + 48;
// - one track: for each second m, the end of the last frame of that second
//   (chunk offset 30m - 1 plus the size of sample m * perSecond - 1, counted
//   from 0) rounded up to 32768; a record 48 bytes further. perSecond =
//   sample count * timescale / duration (unsigned 32-bit product).
class R4K8Walker
{
public:
    using RecordSink = std::function<void(const RMCINFO_R4K8 &)>;

    explicit R4K8Walker(RecordSink sink);

    void walk(QIODevice *device);

    // 1 or 2 after a walk that reached a track, else 0.
    int trackNo() const { return m_trackNo; }
    quint32 perSecond() const { return m_perSecond; }
    const QVector<qint64> &addresses() const { return m_addresses; }

private:
    bool findChild(BoxReader &reader, const BoxHeader &parent, const char *type, BoxHeader &child);
    void readMediaHeader(BoxReader &reader, const BoxHeader &mdhd);
    void collectOneTrack(BoxReader &reader, const BoxHeader &stsz, const BoxHeader &stbl);
    void collectTwoTrack(BoxReader &reader, const BoxHeader &chunkOffsets);
    QVector<qint64> readChunkOffsets(BoxReader &reader, const BoxHeader &box, quint64 limit);

    RecordSink m_sink;
    int m_trackNo = 0;
    quint32 m_timescale = 0;
    quint64 m_duration = 0;
    quint32 m_perSecond = 0;
    qint64 m_mdatPayload = -1;
    QVector<qint64> m_addresses;
};
