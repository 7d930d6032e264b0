#include "GPSModel.h"

#include "MapConversion.h"
#include "ZCChinaLocation.h"

#include <QJsonDocument>

#include <cmath>

namespace {

struct TextField
{
    const char *key;
    QString GPSModel::*member;
};

// jsonPosition is written but never read back.
const TextField readTextFields[] = {
    {"hour", &GPSModel::hour},         {"minute", &GPSModel::minute},
    {"second", &GPSModel::second},     {"year", &GPSModel::year},
    {"month", &GPSModel::month},       {"day", &GPSModel::day},
    {"nsind", &GPSModel::nsind},       {"ewind", &GPSModel::ewind},
    {"reservd", &GPSModel::reservd},   {"speed", &GPSModel::speed},
    {"latitude", &GPSModel::latitude}, {"longitude", &GPSModel::longitude},
};

struct FloatField
{
    const char *key;
    float GPSModel::*member;
};

const FloatField floatFields[] = {
    {"angle", &GPSModel::angle},
    {"x", &GPSModel::x},
    {"y", &GPSModel::y},
    {"z", &GPSModel::z},
};

// A stored number too large for a float must not come back as infinity.
float finiteFloat(const QJsonValue &value)
{
    const float f = static_cast<float>(value.toDouble());
    return std::isfinite(f) ? f : 0.0f;
}

QString fixed6(double value)
{
    return QString::number(value, 'f', 6);
}

} // namespace

void GPSModel::fromJson(const QString &text)
{
    fromJsonObject(QJsonDocument::fromJson(text.toUtf8()).object());
}

void GPSModel::fromJsonObject(const QJsonObject &object)
{
    for (const TextField &field : readTextFields)
        this->*field.member = object.value(QLatin1String(field.key)).toString();
    for (const FloatField &field : floatFields)
        this->*field.member = finiteFloat(object.value(QLatin1String(field.key)));
    status = object.value(QLatin1String("status")).toBool();
}

QJsonObject GPSModel::toJsonObject() const
{
    QJsonObject object;
    for (const TextField &field : readTextFields)
        object.insert(QLatin1String(field.key), this->*field.member);
    for (const FloatField &field : floatFields) {
        const float value = this->*field.member;
        object.insert(QLatin1String(field.key), std::isfinite(value) ? double(value) : 0.0);
    }
    object.insert(QLatin1String("status"), status);
    object.insert(QLatin1String("jsonPosition"), jsonPosition);
    return object;
}

bool GPSModel::isZeroPosition() const
{
    if (latitude.isEmpty() && longitude.isEmpty())
        return true;
    const double sum = std::fabs(latitude.toDouble()) + std::fabs(longitude.toDouble());
    // Also true for NaN, which fails the comparison; infinity is no position either.
    return !(sum > 0) || !std::isfinite(sum);
}

QString GPSModel::markerScript(int mapType) const
{
    if (!status || isZeroPosition())
        return {};
    const bool inChina = chinaRegionTest(latitude.toDouble(), longitude.toDouble());
    const QPair<double, double> point = convertForMap(mapType, latitude, longitude, inChina);
    if (!std::isfinite(point.first) || !std::isfinite(point.second))
        return {};
    const QString lat = fixed6(point.first);
    const QString lng = fixed6(point.second);
    if (mapType == 0) {
        return QStringLiteral("\n                 var position = { lat: %1, lng: %2 };"
                              "\n                 updateMarkerPosition(position);\n             ")
            .arg(lat, lng);
    }
    return QStringLiteral("\n                 updateMarkerPosition(%1);\n             ")
        .arg(QStringLiteral("[%1,%2]").arg(lng, lat));
}
