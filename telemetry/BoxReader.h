#pragma once

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

// One MP4/MOV box header. Layout (big-endian):
//   0 size (uint32; 1 = a 64-bit size follows the type, 0 = up to the end
//     of the parent), 4 type (four characters), [8 large size (uint64)]
struct BoxHeader
{
    qint64 start = 0; // offset of the size field
    qint64 size = 0; // whole box, header included
    int headerSize = 8; // 8, or 16 with a large size
    bool largeSize = false;
    QByteArray type;

    qint64 payloadStart() const { return start + headerSize; }
    qint64 payloadSize() const { return size - headerSize; }
    qint64 end() const { return start + size; }
};

// Checked big-endian reads over any random-access QIODevice (a file or an
// in-memory buffer), with 64-bit offsets throughout. Every read reports a
// short read; nothing is read past the device's end.
class BoxReader
{
public:
    enum class HeaderResult { Ok, End, Invalid };

    explicit BoxReader(QIODevice *device);

    qint64 size() const { return m_size; }
    qint64 pos() const;
    bool seek(qint64 offset);
    bool skip(qint64 count) { return count >= 0 && seek(pos() + count); }

    // Exactly count bytes, or false.
    bool read(char *data, qint64 count);
    // count bytes from offset; what the device does not hold reads as zero.
    QByteArray readPaddedAt(qint64 offset, qint64 count);
    // count bytes when they all lie inside the device, else an empty array
    // (so a forged length cannot ask for more memory than the file holds).
    QByteArray readBlock(qint64 count);
    bool readU32(quint32 &value);
    bool readU64(quint64 &value);

    // Reads the header at the current position. End: no bytes left (or too
    // few for a header). Invalid: size below the header, size 0, or a box
    // reaching past limit (the parent's end); header.size then holds the
    // size as written. On Ok the position is at the payload.
    HeaderResult readHeader(BoxHeader &header, qint64 limit);

private:
    QIODevice *m_device;
    qint64 m_size;
};
