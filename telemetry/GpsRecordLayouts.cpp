#include "GpsRecordLayouts.h"

#include <QtEndian>

#include <cstring>

namespace {

// Fixed-size little-endian view over a record; bytes beyond the input read
// as zero.
class RecordBytes
{
public:
    RecordBytes(const QByteArray &bytes, int size)
        : m_bytes(bytes.left(size))
    {
        if (m_bytes.size() < size)
            m_bytes.append(QByteArray(size - m_bytes.size(), '\0'));
    }

    char ch(int at) const { return m_bytes.at(at); }
    quint8 u8(int at) const { return static_cast<quint8>(m_bytes.at(at)); }
    qint8 s8(int at) const { return static_cast<qint8>(m_bytes.at(at)); }
    quint16 u16(int at) const { return qFromLittleEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(int at) const { return qFromLittleEndian<quint32>(m_bytes.constData() + at); }
    qint32 s32(int at) const { return qFromLittleEndian<qint32>(m_bytes.constData() + at); }
    float f32(int at) const
    {
        const quint32 bits = u32(at);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    double f64(int at) const
    {
        const quint64 bits = qFromLittleEndian<quint64>(m_bytes.constData() + at);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArray zeroEnded(int at, int maxLength) const
    {
        const QByteArray field = m_bytes.mid(at, maxLength);
        const int end = field.indexOf('\0');
        return end < 0 ? field : field.left(end);
    }

private:
    QByteArray m_bytes;
};

} // namespace

HDGPSMessageZEMKO HDGPSMessageZEMKO::fromBytes(const QByteArray &bytes)
{
    const RecordBytes b(bytes, Size);
    HDGPSMessageZEMKO r;
    r.hour = b.s32(0);
    r.minute = b.s32(4);
    r.second = b.s32(8);
    r.year = b.s32(12);
    r.month = b.s32(16);
    r.status = b.ch(24);
    r.nsind = b.ch(25);
    r.ewind = b.ch(26);
    r.latitude = b.f32(28);
    r.longitude = b.f32(32);
    r.speed = b.f32(36);
    r.course = b.f32(40);
    r.gx = b.s32(44);
    r.gy = b.s32(48);
    r.gz = b.s32(52);
    r.fixFormat = b.s8(186);
    return r;
}

bool SOneGpsMessage::hasTag(const QByteArray &bytes)
{
    return RecordBytes(bytes, Size).zeroEnded(TagOffset, 16) == "horsontech";
}

SOneGpsMessage SOneGpsMessage::fromBytes(const QByteArray &bytes)
{
    const RecordBytes b(bytes, Size);
    SOneGpsMessage r;
    r.status = b.ch(48);
    r.nsind = b.ch(49);
    r.ewind = b.ch(50);
    r.year = b.s32(52);
    r.month = b.s32(56);
    r.hour = b.s32(64);
    r.minute = b.s32(68);
    r.second = b.s32(72);
    r.longitude = b.f32(76);
    r.latitude = b.f32(80);
    r.speed = b.f32(84);
    r.course = b.f32(88);
    r.gx = b.u32(96);
    r.gy = b.u32(100);
    r.gz = b.u32(104);
    return r;
}

RMCINFO_R4K8 RMCINFO_R4K8::fromBytes(const QByteArray &bytes)
{
    const RecordBytes b(bytes, Size);
    RMCINFO_R4K8 r;
    r.hour = b.s32(0);
    r.minute = b.s32(4);
    r.second = b.s32(8);
    r.status = b.ch(12);
    r.latitude = b.f64(16);
    r.nsind = b.ch(24);
    r.longitude = b.f64(32);
    r.ewind = b.ch(40);
    r.speed = b.f64(48);
    r.course = b.f64(56);
    r.year = b.s32(64);
    r.month = b.s32(68);
    r.gx = b.s32(76);
    r.gy = b.s32(80);
    r.gz = b.s32(84);
    return r;
}

HDGPSMessage HDGPSMessage::fromBytes(const QByteArray &bytes)
{
    HDGPSMessage r;
    static_cast<RMCINFO_R4K8 &>(r) = RMCINFO_R4K8::fromBytes(bytes);
    r.fixFormat = RecordBytes(bytes, Size).s8(218);
    return r;
}

GPSInfo_Hisi GPSInfo_Hisi::fromBytes(const QByteArray &bytes)
{
    const RecordBytes b(bytes, Size);
    GPSInfo_Hisi r;
    r.year = b.u16(96);
    r.month = b.u8(98);
    r.hour = b.u8(100);
    r.minute = b.u8(101);
    r.second = b.u8(102);
    r.gx = b.f32(108);
    r.gy = b.f32(112);
    r.gz = b.f32(116);
    r.status = b.ch(120);
    r.ewind = b.ch(121);
    r.nsind = b.ch(122);
    r.lonDegrees = b.u8(123);
    r.lonMinutes = b.u8(124);
    r.lonSeconds100 = b.u16(126);
    r.latDegrees = b.u8(128);
    r.latMinutes = b.u8(129);
    r.latSeconds100 = b.u16(130);
    r.speedKmh = b.u16(132);
    r.course = b.u16(134);
    return r;
}

GpsTextRecord GpsTextRecord::fromPacket(const char *data, qint64 size)
{
    GpsTextRecord r;
    r.text = QByteArray(Size, '\0');
    if (data && size > SkipBytes) {
        const qint64 length = qMin<qint64>(size - SkipBytes, Size);
        std::memcpy(r.text.data(), data + SkipBytes, static_cast<size_t>(length));
    }
    return r;
}
