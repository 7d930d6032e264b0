#include "GpsRecordDecoder.h"

#include "DecimalNumber.h"
#include "DecimalText.h"
#include "GpsTrackBuilder.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace {

constexpr float maxAxisG = 5.0f;
constexpr double knotsPerKmh = 1.852;
constexpr int textTabSpan = 40;

float axis(double value)
{
    const float g = static_cast<float>(value);
    return std::fabs(g) > maxAxisG ? 0.0f : g;
}

// Texts every fix repeats are shared, not built again: a long track has
// tens of thousands of them.
constexpr int sharedNumbers = 100;

QString number(qint64 n)
{
    static const auto texts = [] {
        std::array<QString, sharedNumbers> list;
        for (int i = 0; i < sharedNumbers; ++i)
            list[i] = QString::number(i);
        return list;
    }();
    return n >= 0 && n < sharedNumbers ? texts[n] : QString::number(n);
}

// A zero byte is no letter at all.
QString letter(char c)
{
    static const auto texts = [] {
        std::array<QString, 256> list;
        for (int i = 1; i < 256; ++i)
            list[i] = QString(QChar::fromLatin1(char(i)));
        return list;
    }();
    return texts[static_cast<unsigned char>(c)];
}

QString nmeaAngle(double value, char hemisphere)
{
    return GpsTrackBuilder::getLatOrLon(DecimalText::fixed(value, 6), letter(hemisphere));
}

template<typename Record> void setTimes(GPSModel &fix, const Record &r)
{
    fix.hour = number(r.hour);
    fix.minute = number(r.minute);
    fix.second = number(r.second);
    fix.year = number(r.year);
    fix.month = number(r.month);
}

void setFlags(GPSModel &fix, char status, char nsind, char ewind)
{
    fix.status = status == 'A';
    fix.nsind = letter(nsind);
    fix.ewind = letter(ewind);
}

} // namespace

GPSModel GpsRecordDecoder::toFix(const HDGPSMessageZEMKO &r)
{
    GPSModel fix;
    setTimes(fix, r);
    setFlags(fix, r.status, r.nsind, r.ewind);
    fix.latitude = nmeaAngle(r.latitude, r.nsind);
    fix.longitude = nmeaAngle(r.longitude, r.ewind);
    fix.speed = DecimalText::fixed(r.speed, 3);
    fix.angle = r.course;
    fix.x = axis(r.gx / 1024.0);
    fix.y = axis(r.gy / 1024.0);
    fix.z = axis(r.gz / 1024.0);
    fix.fixFormat = r.fixFormat;
    return fix;
}

GPSModel GpsRecordDecoder::toFix(const SOneGpsMessage &r)
{
    GPSModel fix;
    setTimes(fix, r);
    setFlags(fix, r.status, r.nsind, r.ewind);
    fix.longitude = nmeaAngle(r.longitude, r.ewind);
    fix.latitude = nmeaAngle(r.latitude, r.nsind);
    fix.speed = DecimalText::fixed(r.speed, 3);
    fix.angle = r.course;
    fix.x = axis(r.gx / 256.0);
    fix.y = axis(r.gy / 256.0);
    fix.z = axis(r.gz / 256.0);
    return fix;
}

GPSModel GpsRecordDecoder::fromDoubleLayout(const RMCINFO_R4K8 &r, bool unsignedTime)
{
    GPSModel fix;
    if (unsignedTime) {
        fix.hour = number(quint32(r.hour));
        fix.minute = number(quint32(r.minute));
        fix.second = number(quint32(r.second));
        fix.year = number(quint32(r.year));
        fix.month = number(quint32(r.month));
    } else {
        setTimes(fix, r);
    }
    setFlags(fix, r.status, r.nsind, r.ewind);
    fix.latitude = nmeaAngle(r.latitude, r.nsind);
    fix.longitude = nmeaAngle(r.longitude, r.ewind);
    fix.speed = DecimalText::fixed(r.speed, 3);
    fix.angle = static_cast<float>(r.course);
    fix.x = axis(r.gx / 1024.0);
    fix.y = axis(r.gy / 1024.0);
    fix.z = axis(r.gz / 1024.0);
    return fix;
}

GPSModel GpsRecordDecoder::toFix(const RMCINFO_R4K8 &r)
{
    return fromDoubleLayout(r, false);
}

GPSModel GpsRecordDecoder::toFix(const HDGPSMessage &r)
{
    GPSModel fix = fromDoubleLayout(r, true);
    fix.fixFormat = r.fixFormat;
    return fix;
}

GPSModel GpsRecordDecoder::toFix(const GPSInfo_Hisi &r)
{
    auto degrees = [](quint8 d, quint8 m, quint16 s100) {
        const float value = static_cast<float>(d + m / 60.0 + (s100 / 3600.0) / 100);
        return DecimalText::fixed(value, 6);
    };
    GPSModel fix;
    fix.year = number(r.year);
    fix.month = number(r.month);
    fix.hour = number(r.hour);
    fix.minute = number(r.minute);
    fix.second = number(r.second);
    setFlags(fix, r.status, r.nsind, r.ewind);
    fix.longitude = GpsTrackBuilder::getLatOrLon1(
        degrees(r.lonDegrees, r.lonMinutes, r.lonSeconds100), fix.ewind);
    fix.latitude = GpsTrackBuilder::getLatOrLon1(
        degrees(r.latDegrees, r.latMinutes, r.latSeconds100), fix.nsind);
    const double kmh = DecimalNumber::toDouble(DecimalText::fixed(r.speedKmh, 3));
    fix.speed = DecimalText::fixed(kmh / knotsPerKmh, 3);
    fix.angle = r.course;
    fix.x = axis(r.gx);
    fix.y = axis(r.gy);
    fix.z = axis(r.gz);
    return fix;
}

GPSModel GpsRecordDecoder::toFix(const GpsTextRecord &r)
{
    QByteArray text = r.text;
    for (int i = 0; i < qMin(textTabSpan, text.size()); ++i) {
        if (text.at(i) == '\t')
            text[i] = ',';
    }
    const int end = text.indexOf('\0');
    const QStringList fields = QString::fromLatin1(end < 0 ? text : text.left(end))
                                   .split(QLatin1Char(','), Qt::KeepEmptyParts);
    auto field = [&fields](int i) {
        return i < fields.size() ? fields.at(i) : QString();
    };

    GPSModel fix;
    fix.x = field(0).toFloat() / 1000;
    fix.y = field(1).toFloat() / 1000;
    fix.z = field(2).toFloat() / 1000;
    fix.status = field(5) == QLatin1String("A");
    if (fields.size() >= 10) {
        fix.nsind = field(7);
        fix.ewind = field(9);
    }
    fix.latitude
        = GpsTrackBuilder::getLatOrLon(DecimalText::fixed(field(6).toDouble(), 6), field(7));
    fix.longitude
        = GpsTrackBuilder::getLatOrLon(DecimalText::fixed(field(8).toDouble(), 6), field(9));
    fix.speed = field(10);
    bool ok = false;
    const int course = field(11).toInt(&ok);
    fix.angle = ok ? course : 0;
    return fix;
}
