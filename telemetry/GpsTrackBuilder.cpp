#include "GpsTrackBuilder.h"

#include "DecimalNumber.h"
#include "DecimalText.h"
#include "ZCChinaLocation.h"

#include <QDebug>

#include <cmath>

namespace {

constexpr double maxJumpDegrees = 0.5;
constexpr double speedLimitKnots = 400.0;

enum class Sign { Keep, Negative, Invalid };

Sign hemisphereSign(const QString &earth)
{
    if (earth == QLatin1String("N") || earth == QLatin1String("E"))
        return Sign::Keep;
    if (earth == QLatin1String("S") || earth == QLatin1String("W"))
        return Sign::Negative;
    return Sign::Invalid;
}

QString signedDegrees(double value, const QString &earth)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    switch (hemisphereSign(earth)) {
    case Sign::Keep:
        return DecimalText::fixed(value, 6);
    case Sign::Negative:
        return DecimalText::fixed(-std::fabs(value), 6);
    case Sign::Invalid:
        break;
    }
    return QStringLiteral("0");
}

bool hasValue(double value)
{
    return std::fabs(value) > 0 && std::isfinite(value);
}

bool validCourse(float angle)
{
    return angle >= 0.0f && angle <= 360.0f; // false for NaN
}

float finiteOrZero(float value)
{
    return std::isfinite(value) ? value : 0.0f;
}

} // namespace

QString GpsTrackBuilder::getLatOrLon(const QString &latLon, const QString &earth)
{
    if (!hasValue(DecimalNumber::toDouble(latLon)))
        return QStringLiteral("0");
    // Each step is rounded to float on purpose: 2232.5 must give 22.541668.
    const float raw = DecimalNumber::toFloat(latLon);
    float a = static_cast<float>(double(raw) / 100);
    const float degrees = std::floor(a);
    const float fraction = static_cast<float>(a - degrees);
    const float minutes = static_cast<float>(double(fraction) * 100 / 60);
    a = static_cast<float>(minutes + degrees);
    return signedDegrees(a, earth);
}

QString GpsTrackBuilder::getLatOrLon1(const QString &latLon, const QString &earth)
{
    const double value = DecimalNumber::toDouble(latLon);
    if (!hasValue(value))
        return QStringLiteral("0");
    return signedDegrees(value, earth);
}

QString GpsTrackBuilder::getLatOrLonHaiSi(const QString &, const QString &)
{
    return {};
}

void GpsTrackBuilder::checkLatOrLon(GPSModel &model, const GPSModel &oldModel)
{
    const double lat = DecimalNumber::toDouble(model.latitude);
    const double lon = DecimalNumber::toDouble(model.longitude);
    // NaN fails every comparison and is rejected here as well.
    const bool inRange
        = lon >= -180 && lon <= 180 && lat >= -90 && lat <= 90 && lon != 0 && lat != 0;
    if (!inRange) {
        model.status = false;
        qDebug().noquote() << "Invalid Latitude and longitude: precision and dimension are 0, or "
                              "exceed the latitude and longitude regular expression";
        return;
    }
    if (oldModel.isZeroPosition())
        return;
    // Magnitudes only: a small step across the equator or the prime meridian passes.
    const float dLat = static_cast<float>(
        std::fabs(std::fabs(DecimalNumber::toDouble(oldModel.latitude)) - std::fabs(lat)));
    const float dLon = static_cast<float>(
        std::fabs(std::fabs(DecimalNumber::toDouble(oldModel.longitude)) - std::fabs(lon)));
    if (dLat < maxJumpDegrees && dLon < maxJumpDegrees)
        return;
    model.status = false;
    qDebug().noquote() << "无效经纬度：前后经纬度相距太远::" << model.latitude << model.longitude;
}

void GpsTrackBuilder::createGpsShowData(GPSModel &model)
{
    const QString key = QString::number(m_trackKey);
    // A broken sensor value must not turn into "nan" in the stored samples.
    model.x = finiteOrZero(model.x);
    model.y = finiteOrZero(model.y);
    model.z = finiteOrZero(model.z);
    m_record.gsensorItems.insert(key,
                                 {DecimalText::general(model.x, 6),
                                  DecimalText::general(model.y, 6),
                                  DecimalText::general(model.z, 6)});
    m_record.filesType = model.fixFormat;

    if (model.isZeroPosition() || !model.status)
        return;
    if (m_record.gpsItems.isEmpty())
        m_inChina = chinaRegionTest(DecimalNumber::toDouble(model.latitude),
                                    DecimalNumber::toDouble(model.longitude));
    ++m_validFixCount;

    const double speed = DecimalNumber::toDouble(model.speed);
    if (speed > 0 && speed < speedLimitKnots) {
        m_speedSum = static_cast<int>(m_speedSum + speed);
        ++m_speedCount;
        if (DecimalNumber::toDouble(m_record.maxSpeed) < speed)
            m_record.maxSpeed = DecimalText::fixed(speed, 3);
    } else {
        model.speed = QStringLiteral("0");
    }

    if (!validCourse(model.angle))
        model.angle = m_lastFix.angle;
    // lastFix is usually this very fix, so a NaN course would survive the line above.
    model.angle = finiteOrZero(model.angle);

    m_record.gpsItems.insert(key, model);
}

void GpsTrackBuilder::parseGPSComplete()
{
    // speedSum and speedCount count every packet, so the mean needs no
    // division by the packet rate; the sample count does, it counts seconds.
    QString mean = QStringLiteral("0");
    if (m_speedSum >= 1 && m_speedCount >= 1)
        mean = DecimalText::fixed(double(m_speedSum) / m_speedCount, 3);
    m_record.aevSpeed = mean;
    m_record.totalSpeedNum = m_packetRate > 1 ? m_speedCount / m_packetRate : m_speedCount;
    m_record.gpsTotailNum = m_validFixCount;
    m_record.isChina = m_inChina;
    // No path length is computed: the field carries the mean speed.
    m_record.distance = mean;
}

void GpsTrackBuilder::fileFix(GPSModel &fix)
{
    if (fix.status) {
        checkLatOrLon(fix, m_lastFix);
        if (fix.status)
            m_lastFix = fix;
    }
    createGpsShowData(fix);
}

void GpsTrackBuilder::advanceKey()
{
    ++m_trackKey;
}

void GpsTrackBuilder::advancePacket(int rate)
{
    ++m_packetCount;
    // A stream shorter than a second can yield a rate of 0.
    m_trackKey = m_packetCount / (rate > 0 ? rate : 1);
}
