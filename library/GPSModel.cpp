#include "GPSModel.h"

#include "DecimalNumber.h"
#include "JsonRecordReader.h"
#include "JsonTextWriter.h"
#include "MapConversion.h"
#include "RecordFields.h"
#include "ZCChinaLocation.h"

#include <QJsonDocument>

#include <algorithm>

#include <cmath>
#include <iterator>
#include <vector>

namespace {

using RecordFields::fixFloats;
using RecordFields::fixTexts;

QString fixed6(double value)
{
    return QString::number(value, 'f', 6);
}

} // namespace

void GPSModel::fromJson(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!JsonRecordReader::readFix(utf8.constData(), utf8.size(), *this))
        fromJsonObject(QJsonDocument::fromJson(utf8).object());
}

void GPSModel::fromJsonObject(const QJsonObject &object)
{
    for (const auto &field : fixTexts)
        this->*field.member = object.value(QLatin1String(field.key)).toString();
    for (const auto &field : fixFloats)
        this->*field.member
            = RecordFields::storedFloat(object.value(QLatin1String(field.key)).toDouble());
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
        for (int i = 0; i < int(std::size(fixTexts)); ++i)
            list.push_back({QLatin1String(fixTexts[i].key), Text, i});
        for (int i = 0; i < int(std::size(fixFloats)); ++i)
            list.push_back({QLatin1String(fixFloats[i].key), Float, i});
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
            writer.value(this->*fixTexts[member.index].member);
            break;
        case Float: {
            const float value = this->*fixFloats[member.index].member;
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
    const double sum = std::fabs(DecimalNumber::toDouble(latitude))
        + std::fabs(DecimalNumber::toDouble(longitude));
    // Also true for NaN, which fails the comparison; infinity is no position either.
    return !(sum > 0) || !std::isfinite(sum);
}

QString GPSModel::markerScript(int mapType) const
{
    if (!status || isZeroPosition())
        return {};
    const bool inChina
        = chinaRegionTest(DecimalNumber::toDouble(latitude), DecimalNumber::toDouble(longitude));
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
