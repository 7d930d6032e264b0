#include "GpsBoxWalker.h"

#include "BoxReader.h"

#include <QBuffer>
#include <QDebug>
#include <QtEndian>

#include <limits>

namespace {

bool isOneOf(char c, char a, char b)
{
    return c == a || c == b;
}

quint32 bigEndianAt(const QByteArray &bytes, int at)
{
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

} // namespace

GpsBoxWalker::GpsBoxWalker(RecordSink sink)
    : m_sink(std::move(sink))
{
}

void GpsBoxWalker::walk(QIODevice *device)
{
    BoxReader reader(device);
    BoxHeader header;
    for (;;) {
        const BoxReader::HeaderResult result = reader.readHeader(header, reader.size());
        if (result == BoxReader::HeaderResult::End)
            break;
        if (result == BoxReader::HeaderResult::Invalid) {
            // A size below the header, zero or past the end of the file: the
            // rest of the file cannot be located.
            qDebug().noquote() << "boxData init fail" << QString::fromLatin1(header.type)
                               << header.size;
            return;
        }
        if (header.largeSize)
            qDebug().noquote() << "发现large size box，实际大小：" << header.size;
        qDebug().noquote() << "外层box名称:" << QString::fromLatin1(header.type)
                           << "大小:" << header.size;
        if (header.type == "moov") {
            const QByteArray payload = reader.readBlock(header.payloadSize());
            if (payload.size() != header.payloadSize()) {
                qDebug().noquote() << "boxData init fail";
                return;
            }
            walkMovieBox(payload, reader);
        }
        if (!reader.seek(header.end()))
            break;
    }
    qDebug().noquote() << "跳出解析2";
}

void GpsBoxWalker::walkMovieBox(const QByteArray &payload, BoxReader &reader)
{
    QByteArray copy = payload;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    BoxReader children(&buffer);
    BoxHeader child;
    while (children.readHeader(child, children.size()) == BoxReader::HeaderResult::Ok) {
        if (child.type == "gps ") {
            qDebug().noquote() << "gps box has";
            ++m_gpsBoxCount;
            readGpsBox(payload.mid(static_cast<int>(child.start), static_cast<int>(child.size)),
                       reader);
        }
        if (!children.seek(child.end()))
            break;
    }
}

void GpsBoxWalker::readGpsBox(const QByteArray &box, BoxReader &reader)
{
    if (box.size() < 16)
        return;
    const quint32 announced = bigEndianAt(box, 12);
    m_recordCount = static_cast<int>(qMin<quint32>(announced, std::numeric_limits<int>::max()));
    qDebug().noquote() << "gpsNumg个数:" << announced;
    const quint32 entries = qMin<quint32>(announced, static_cast<quint32>((box.size() - 16) / 8));
    for (quint32 i = 0; i < entries; ++i) {
        // One read covers the header word at 12 and a record at 16 or at 48.
        const qint64 block = bigEndianAt(box, static_cast<int>(16 + 8 * i));
        const QByteArray bytes = reader.readPaddedAt(block + 12, 36 + SOneGpsMessage::Size);
        const quint32 h = qFromLittleEndian<quint32>(bytes.constData());
        const int recordAt = (h == 264 || h == 76) ? 36 : 4;
        m_sink(decodeBlockRecord(bytes.mid(recordAt, SOneGpsMessage::Size)));
    }
}

GpsBoxRecord GpsBoxWalker::decodeBlockRecord(const QByteArray &bytes)
{
    if (SOneGpsMessage::hasTag(bytes))
        return SOneGpsMessage::fromBytes(bytes);
    // Some cameras store the double-precision R4K8 record in "gps " blocks;
    // tell the two apart by where the status and hemisphere letters sit.
    auto at = [&bytes](int i) {
        return i < bytes.size() ? bytes.at(i) : '\0';
    };
    const bool floatLayout
        = isOneOf(at(24), 'A', 'V') && isOneOf(at(25), 'N', 'S') && isOneOf(at(26), 'E', 'W');
    const bool doubleLayout
        = isOneOf(at(12), 'A', 'V') && isOneOf(at(24), 'N', 'S') && isOneOf(at(40), 'E', 'W');
    if (!floatLayout && doubleLayout)
        return RMCINFO_R4K8::fromBytes(bytes);
    return HDGPSMessageZEMKO::fromBytes(bytes);
}
