#include "R4K8Walker.h"

#include "BoxReader.h"

#include <QDebug>
#include <QtEndian>

#include <limits>

namespace {

constexpr qint64 TwoTrackRecordGap = 0x10000;
constexpr qint64 RecordSkip = 48;
constexpr qint64 OneTrackAlign = 0x8000;
constexpr int ChunksPerRecord = 30;

} // namespace

R4K8Walker::R4K8Walker(RecordSink sink)
    : m_sink(std::move(sink))
{
}

bool R4K8Walker::findChild(BoxReader &reader, const BoxHeader &parent, const char *type,
                           BoxHeader &child)
{
    if (!reader.seek(parent.payloadStart()))
        return false;
    while (reader.readHeader(child, parent.end()) == BoxReader::HeaderResult::Ok) {
        if (child.type == type)
            return true;
        if (!reader.seek(child.end()))
            return false;
    }
    return false;
}

void R4K8Walker::walk(QIODevice *device)
{
    BoxReader reader(device);
    BoxHeader box;
    BoxHeader moov;
    bool haveMoov = false;
    while (!haveMoov && reader.readHeader(box, reader.size()) == BoxReader::HeaderResult::Ok) {
        if (box.type == "mdat")
            m_mdatPayload = box.payloadStart();
        if (box.type == "moov") {
            moov = box;
            haveMoov = true;
        } else if (!reader.seek(box.end())) {
            return;
        }
    }
    if (!haveMoov)
        return;

    // The second track holds the records when there is one; otherwise they
    // sit between the frames of the only track.
    BoxHeader firstTrack;
    BoxHeader track;
    while (reader.readHeader(box, moov.end()) == BoxReader::HeaderResult::Ok) {
        if (box.type == "trak") {
            if (m_trackNo == 1) {
                track = box;
                m_trackNo = 2;
                break;
            }
            firstTrack = box;
            m_trackNo = 1;
        } else if (m_trackNo == 1) {
            break;
        }
        if (!reader.seek(box.end()))
            break;
    }
    if (m_trackNo == 0)
        return;
    if (m_trackNo == 1)
        track = firstTrack;

    BoxHeader mdia;
    if (!findChild(reader, track, "mdia", mdia))
        return;
    if (!reader.seek(mdia.payloadStart()))
        return;
    BoxHeader minf;
    bool haveMinf = false;
    while (!haveMinf && reader.readHeader(box, mdia.end()) == BoxReader::HeaderResult::Ok) {
        if (box.type == "mdhd")
            readMediaHeader(reader, box);
        if (box.type == "minf") {
            minf = box;
            haveMinf = true;
        } else if (!reader.seek(box.end())) {
            return;
        }
    }
    BoxHeader stbl;
    if (!haveMinf || !findChild(reader, minf, "stbl", stbl))
        return;

    if (!reader.seek(stbl.payloadStart()))
        return;
    while (reader.readHeader(box, stbl.end()) == BoxReader::HeaderResult::Ok) {
        if (box.type == "stsz") {
            quint32 sampleCount = 0;
            if (!reader.skip(8) || !reader.readU32(sampleCount))
                return;
            // Unsigned 32-bit product, as the cameras compute it.
            const quint32 product = sampleCount * m_timescale;
            m_perSecond = m_duration ? static_cast<quint32>(product / m_duration) : 0;
            if (m_trackNo == 1) {
                collectOneTrack(reader, box, stbl);
                break;
            }
        } else if (m_trackNo == 2 && (box.type == "stco" || box.type == "co64")) {
            collectTwoTrack(reader, box);
            break;
        }
        if (!reader.seek(box.end()))
            return;
    }

    for (const qint64 address : qAsConst(m_addresses))
        m_sink(
            RMCINFO_R4K8::fromBytes(reader.readPaddedAt(address + RecordSkip, RMCINFO_R4K8::Size)));
}

void R4K8Walker::readMediaHeader(BoxReader &reader, const BoxHeader &mdhd)
{
    quint32 versionAndFlags = 0;
    if (!reader.seek(mdhd.payloadStart()) || !reader.readU32(versionAndFlags))
        return;
    if (versionAndFlags >> 24 == 1) {
        // 64-bit creation and modification times and duration.
        quint64 duration = 0;
        if (reader.skip(16) && reader.readU32(m_timescale) && reader.readU64(duration))
            m_duration = duration;
        return;
    }
    quint32 duration = 0;
    if (reader.skip(8) && reader.readU32(m_timescale) && reader.readU32(duration))
        m_duration = duration;
}

QVector<qint64> R4K8Walker::readChunkOffsets(BoxReader &reader, const BoxHeader &box, quint64 limit)
{
    const int width = box.type == "co64" ? 8 : 4;
    quint32 entryCount = 0;
    if (box.payloadSize() < 8 || !reader.seek(box.payloadStart() + 4)
        || !reader.readU32(entryCount))
        return {};
    const quint64 held = static_cast<quint64>(box.payloadSize() - 8) / width;
    const quint64 count = qMin<quint64>(qMin<quint64>(entryCount, held), limit);
    const QByteArray table = reader.readBlock(static_cast<qint64>(count) * width);
    QVector<qint64> offsets;
    offsets.reserve(table.size() / width);
    for (int at = 0; at + width <= table.size(); at += width)
        offsets.append(width == 8 ? static_cast<qint64>(
                           qFromBigEndian<quint64>(table.constData() + at) & 0x7FFFFFFFFFFFFFFF)
                                  : qFromBigEndian<quint32>(table.constData() + at));
    return offsets;
}

void R4K8Walker::collectTwoTrack(BoxReader &reader, const BoxHeader &chunkOffsets)
{
    const QVector<qint64> offsets
        = readChunkOffsets(reader, chunkOffsets, std::numeric_limits<quint64>::max());
    for (const qint64 c : offsets)
        m_addresses.append(c + TwoTrackRecordGap);
}

void R4K8Walker::collectOneTrack(BoxReader &reader, const BoxHeader &stsz, const BoxHeader &stbl)
{
    if (m_perSecond == 0) {
        qDebug().noquote() << "R4K8: no samples per second, no records";
        return;
    }
    const qint64 words = stsz.payloadSize() / 4;
    if (words == 0 || words - 2 > std::numeric_limits<int>::max() / 4)
        return;
    const qint64 slotCount = words / m_perSecond + 1;
    // The table after version/flags and the sample size: the count, then one
    // size per sample; only the words the box holds.
    if (!reader.seek(stsz.payloadStart() + 8))
        return;
    const QByteArray table = reader.readBlock(qMax<qint64>(0, words - 2) * 4);
    QVector<qint64> addr(static_cast<int>(slotCount), 0);
    QVector<bool> haveSize(static_cast<int>(slotCount), false);
    QVector<bool> haveOffset(static_cast<int>(slotCount), false);
    const qint64 values = table.size() / 4;
    for (qint64 k = m_perSecond; k < values; k += m_perSecond) {
        const quint32 v = qFromBigEndian<quint32>(table.constData() + k * 4);
        const int idx = static_cast<int>((k + 1) / m_perSecond - 1);
        addr[idx] = v;
        haveSize[idx] = true;
        qDebug().noquote() << "idx:" << idx << "addr:" << v;
    }

    BoxHeader offsetsBox;
    if (!reader.seek(stsz.end())
        || reader.readHeader(offsetsBox, stbl.end()) != BoxReader::HeaderResult::Ok)
        return;
    qDebug().noquote() << "size:" << (offsetsBox.size - 8) / 4
                       << "chFlag:" << QString::fromLatin1(offsetsBox.type)
                       << "stsz_addr:" << stsz.payloadStart() << "mdat_addr:" << m_mdatPayload
                       << "ftell(fd):" << reader.pos();
    const QVector<qint64> offsets
        = readChunkOffsets(reader, offsetsBox, static_cast<quint64>(slotCount) * ChunksPerRecord);
    for (int j = ChunksPerRecord - 1; j < offsets.size(); j += ChunksPerRecord) {
        const int idx = (j + 1) / ChunksPerRecord - 1;
        addr[idx] = (addr[idx] + offsets.at(j) + OneTrackAlign - 1) & ~(OneTrackAlign - 1);
        haveOffset[idx] = true;
    }
    for (int i = 0; i < slotCount; ++i) {
        if (haveSize.at(i) && haveOffset.at(i))
            m_addresses.append(addr.at(i));
    }
}
