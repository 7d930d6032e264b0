#pragma once

#include <QByteArray>
#include <QtGlobal>

// The binary GPS records dash cams store in their files, decoded field by
// field from little-endian bytes (never by casting memory, so the host's
// struct padding and alignment do not matter). Each fromBytes() takes any
// number of bytes: missing bytes read as zero, extra bytes are ignored, so a
// short block or packet can never be read past its end.

// 196-byte record of the "gps " box.
//   0 hour, 4 minute, 8 second, 12 year, 16 month  (int32)
//   24 status 'A'/'V', 25 'N'/'S', 26 'E'/'W'       (char)
//   28 latitude ddmm.mmmm, 32 longitude dddmm.mmmm  (float)
//   36 speed knots, 40 course degrees               (float)
//   44, 48, 52 G-sensor X, Y, Z in 1/1024 g         (int32)
//   186 record type byte                            (int8)
struct HDGPSMessageZEMKO
{
    static constexpr int Size = 196;
    qint32 hour = 0, minute = 0, second = 0, year = 0, month = 0;
    char status = 0, nsind = 0, ewind = 0;
    float latitude = 0, longitude = 0, speed = 0, course = 0;
    qint32 gx = 0, gy = 0, gz = 0;
    qint8 fixFormat = 0;

    static HDGPSMessageZEMKO fromBytes(const QByteArray &bytes);
};

// 248-byte record tagged "horsontech" at 32 (zero-ended, up to 16 bytes).
//   48 status, 49 'N'/'S', 50 'E'/'W'                       (char)
//   52 year, 56 month, 64 hour, 68 minute, 72 second        (int32)
//   76 longitude dddmm.mmmm, 80 latitude ddmm.mmmm          (float)
//   84 speed knots, 88 course degrees                       (float)
//   96, 100, 104 G-sensor X, Y, Z in 1/256 g                (uint32)
struct SOneGpsMessage
{
    static constexpr int Size = 248;
    static constexpr int TagOffset = 32;
    char status = 0, nsind = 0, ewind = 0;
    qint32 year = 0, month = 0, hour = 0, minute = 0, second = 0;
    float longitude = 0, latitude = 0, speed = 0, course = 0;
    quint32 gx = 0, gy = 0, gz = 0;

    // True when the bytes carry the vendor tag that selects this layout.
    static bool hasTag(const QByteArray &bytes);
    static SOneGpsMessage fromBytes(const QByteArray &bytes);
};

// 232-byte record of R4K8 files (double precision).
//   0 hour, 4 minute, 8 second  (int32)   12 status   (char)
//   16 latitude ddmm.mmmm (double)        24 'N'/'S'  (char)
//   32 longitude dddmm.mmmm (double)      40 'E'/'W'  (char)
//   48 speed knots, 56 course (double)    64 year, 68 month (int32)
//   76, 80, 84 G-sensor X, Y, Z in 1/1024 g (int32)
struct RMCINFO_R4K8
{
    static constexpr int Size = 232;
    qint32 hour = 0, minute = 0, second = 0, year = 0, month = 0;
    char status = 0, nsind = 0, ewind = 0;
    double latitude = 0, longitude = 0, speed = 0, course = 0;
    qint32 gx = 0, gy = 0, gz = 0;

    static RMCINFO_R4K8 fromBytes(const QByteArray &bytes);
};

// Same bytes as RMCINFO_R4K8; its time fields are unsigned and it carries a
// record type byte at 218.
struct HDGPSMessage : RMCINFO_R4K8
{
    qint8 fixFormat = 0;

    static HDGPSMessage fromBytes(const QByteArray &bytes);
};

// 276-byte packet of the HiSilicon data stream.
//   96 year (uint16), 98 month, 100 hour, 101 minute, 102 second (uint8)
//   108, 112, 116 G-sensor X, Y, Z in g (float)
//   120 status, 121 'E'/'W', 122 'N'/'S' (char)
//   123 lon degrees, 124 lon minutes (uint8), 126 lon seconds*100 (uint16)
//   128 lat degrees, 129 lat minutes (uint8), 130 lat seconds*100 (uint16)
//   132 speed km/h, 134 course whole degrees (uint16)
struct GPSInfo_Hisi
{
    static constexpr int Size = 276;
    quint16 year = 0;
    quint8 month = 0, hour = 0, minute = 0, second = 0;
    float gx = 0, gy = 0, gz = 0;
    char status = 0, ewind = 0, nsind = 0;
    quint8 lonDegrees = 0, lonMinutes = 0;
    quint16 lonSeconds100 = 0;
    quint8 latDegrees = 0, latMinutes = 0;
    quint16 latSeconds100 = 0;
    quint16 speedKmh = 0, course = 0;

    static GPSInfo_Hisi fromBytes(const QByteArray &bytes);
};

// Text sample of a subtitle track: the payload after its first 3 bytes, at
// most 160 bytes, zero-filled.
struct GpsTextRecord
{
    static constexpr int SkipBytes = 3;
    static constexpr int Size = 160;
    QByteArray text; // always Size bytes

    static GpsTextRecord fromPacket(const char *data, qint64 size);
};
