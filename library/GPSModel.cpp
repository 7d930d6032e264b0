#include "GPSModel.h"

#include "JsonTextWriter.h"
#include "MapConversion.h"
#include "ZCChinaLocation.h"

#include <QJsonDocument>

#include <algorithm>

#include <cmath>
#include <iterator>
#include <vector>

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

void GPSModel::writeJson(JsonTextWriter &writer) const
{
    enum Kind { Text, Float, Status, Position };
    struct Member
    {
        QLatin1String key;
        Kind kind;
        int index;
    };
    // The printer's key order, worked out once.
    static const std::vector<Member> members = [] {
        std::vector<Member> list;
        for (int i = 0; i < int(std::size(readTextFields)); ++i)
            list.push_back({QLatin1String(readTextFields[i].key), Text, i});
        for (int i = 0; i < int(std::size(floatFields)); ++i)
            list.push_back({QLatin1String(floatFields[i].key), Float, i});
        list.push_back({QLatin1String("status"), Status, 0});
        list.push_back({QLatin1String("jsonPosition"), Position, 0});
        std::sort(list.begin(), list.end(),
                  [](const Member &a, const Member &b) { return a.key < b.key; });
        return list;
    }();

    writer.beginObject();
    for (const Member &member : members) {
        writer.key(member.key);
        switch (member.kind) {
        case Text:
            writer.value(this->*readTextFields[member.index].member);
            break;
        case Float: {
            const float value = this->*floatFields[member.index].member;
            writer.value(std::isfinite(value) ? double(value) : 0.0);
            break;
        }
        case Status:
            writer.value(status);
            break;
        case Position:
            writer.value(jsonPosition);
            break;
        }
    }
    writer.endObject();
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
