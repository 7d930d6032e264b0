#include "BoxReader.h"

#include <QIODevice>
#include <QtEndian>

#include <limits>

BoxReader::BoxReader(QIODevice *device)
    : m_device(device)
    , m_size(device ? device->size() : 0)
{
}

qint64 BoxReader::pos() const
{
    return m_device ? m_device->pos() : 0;
}

bool BoxReader::seek(qint64 offset)
{
    return m_device && offset >= 0 && offset <= m_size && m_device->seek(offset);
}

bool BoxReader::read(char *data, qint64 count)
{
    if (!m_device || count < 0 || count > m_size - pos())
        return false;
    qint64 done = 0;
    while (done < count) {
        const qint64 got = m_device->read(data + done, count - done);
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

QByteArray BoxReader::readPaddedAt(qint64 offset, qint64 count)
{
    QByteArray bytes(static_cast<int>(count), '\0');
    if (!seek(offset))
        return bytes;
    const qint64 available = qBound<qint64>(0, m_size - pos(), count);
    qint64 done = 0;
    while (done < available) {
        const qint64 got = m_device->read(bytes.data() + done, available - done);
        if (got <= 0)
            break;
        done += got;
    }
    return bytes;
}

QByteArray BoxReader::readBlock(qint64 count)
{
    if (count <= 0 || count > m_size - pos() || count > std::numeric_limits<int>::max())
        return {};
    QByteArray bytes(static_cast<int>(count), Qt::Uninitialized);
    if (!read(bytes.data(), count))
        return {};
    return bytes;
}

bool BoxReader::readU32(quint32 &value)
{
    uchar raw[4];
    if (!read(reinterpret_cast<char *>(raw), sizeof raw))
        return false;
    value = qFromBigEndian<quint32>(raw);
    return true;
}

bool BoxReader::readU64(quint64 &value)
{
    uchar raw[8];
    if (!read(reinterpret_cast<char *>(raw), sizeof raw))
        return false;
    value = qFromBigEndian<quint64>(raw);
    return true;
}

BoxReader::HeaderResult BoxReader::readHeader(BoxHeader &header, qint64 limit)
{
    limit = qMin(limit, m_size);
    header = BoxHeader();
    header.start = pos();
    quint32 size32 = 0;
    char type[4];
    if (limit - header.start < 8 || !readU32(size32) || !read(type, sizeof type))
        return HeaderResult::End;
    header.type = QByteArray(type, sizeof type);
    quint64 size = size32;
    if (size32 == 1) {
        header.largeSize = true;
        header.headerSize = 16;
        if (!readU64(size))
            return HeaderResult::Invalid;
    }
    header.size = static_cast<qint64>(qMin<quint64>(size, std::numeric_limits<qint64>::max()));
    if (size < quint64(header.headerSize) || size > quint64(limit - header.start))
        return HeaderResult::Invalid;
    return HeaderResult::Ok;
}
