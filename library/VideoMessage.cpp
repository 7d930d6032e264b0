#include "VideoMessage.h"

#include "DecimalNumber.h"
#include "JsonRecordReader.h"
#include "JsonTextWriter.h"
#include "MapConversion.h"
#include "RecordFields.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

using RecordFields::recordBools;
using RecordFields::recordInts;
using RecordFields::recordTexts;

const QLatin1String durationMKey("durationM");
const QLatin1String gpsItemsKey("gpsItems");
const QLatin1String gsensorItemsKey("gsensorItems");

QString sampleText(const QJsonValue &value)
{
    if (value.isDouble())
        return RecordFields::sampleNumberText(value.toDouble());
    return value.toString();
}

QString fixed6(double value)
{
    return QString::number(value, 'f', 6);
}

} // namespace

VideoMessage::~VideoMessage()
{
    qDebug().noquote() << "VideoMessage close::" << static_cast<const void *>(this);
}

void VideoMessage::reset()
{
    for (const auto &field : recordTexts)
        (this->*field.member).clear();
    width = QStringLiteral("0");
    height = QStringLiteral("0");
    for (const auto &field : recordInts)
        this->*field.member = 0;
    for (const auto &field : recordBools)
        this->*field.member = false;
    durationM = 0;
    jsonAllPosition.clear();
    gpsItems.clear();
    gsensorItems.clear();
}

QString VideoMessage::toJson() const
{
    return QString::fromUtf8(toJsonUtf8());
}

QByteArray VideoMessage::toJsonUtf8() const
{
    enum Kind { Text, Int, Bool, Millis, AllPosition, Fixes, Samples };
    struct Member
    {
        QLatin1String key;
        Kind kind;
        int index;
    };
    // The printer's key order, worked out once.
    static const std::vector<Member> members = [] {
        std::vector<Member> list;
        for (int i = 0; i < int(std::size(recordTexts)); ++i)
            list.push_back({QLatin1String(recordTexts[i].key), Text, i});
        for (int i = 0; i < int(std::size(recordInts)); ++i)
            list.push_back({QLatin1String(recordInts[i].key), Int, i});
        for (int i = 0; i < int(std::size(recordBools)); ++i)
            list.push_back({QLatin1String(recordBools[i].key), Bool, i});
        list.push_back({durationMKey, Millis, 0});
        list.push_back({QLatin1String("jsonAllPosition"), AllPosition, 0});
        list.push_back({gpsItemsKey, Fixes, 0});
        list.push_back({gsensorItemsKey, Samples, 0});
        std::sort(list.begin(), list.end(),
                  [](const Member &a, const Member &b) { return a.key < b.key; });
        return list;
    }();

    JsonTextWriter writer;
    // A stored fix takes some 530 bytes of text, a G-sensor sample some 95.
    writer.reserve(4096 + 576 * gpsItems.size() + 128 * gsensorItems.size());
    writer.beginObject();
    for (const Member &member : members) {
        writer.key(member.key);
        switch (member.kind) {
        case Text:
            writer.value(this->*recordTexts[member.index].member);
            break;
        case Int:
            writer.value(qint64(this->*recordInts[member.index].member));
            break;
        case Bool:
            writer.value(this->*recordBools[member.index].member);
            break;
        case Millis:
            writer.value(durationM);
            break;
        case AllPosition:
            writer.value(jsonAllPosition);
            break;
        case Fixes:
            writer.beginObject();
            for (auto it = gpsItems.cbegin(); it != gpsItems.cend(); ++it) {
                writer.key(it.key());
                it.value().writeJson(writer);
            }
            writer.endObject();
            break;
        case Samples:
            writer.beginObject();
            for (auto it = gsensorItems.cbegin(); it != gsensorItems.cend(); ++it) {
                writer.key(it.key());
                writer.beginArray();
                for (const QString &axis : it.value())
                    writer.value(axis);
                writer.endArray();
            }
            writer.endObject();
            break;
        }
    }
    writer.endObject();
    return writer.take();
}

void VideoMessage::fromJson(const QString &text)
{
    fromJsonUtf8(text.toUtf8());
}

void VideoMessage::fromJsonUtf8(const QByteArray &utf8)
{
    if (!JsonRecordReader::read(utf8.constData(), utf8.size(), *this))
        fromJsonTree(utf8);
}

void VideoMessage::fromJsonTree(const QByteArray &utf8)
{
    const QJsonDocument document = QJsonDocument::fromJson(utf8);
    if (!document.isObject())
        return;
    const QJsonObject object = document.object();
    for (const auto &field : recordTexts)
        this->*field.member = object.value(QLatin1String(field.key)).toString();
    for (const auto &field : recordInts)
        this->*field.member = object.value(QLatin1String(field.key)).toInt();
    for (const auto &field : recordBools)
        this->*field.member = object.value(QLatin1String(field.key)).toBool();
    // Casting a double beyond the 64-bit range is undefined; such a number is
    // no duration anyway.
    const double millis = object.value(durationMKey).toDouble();
    durationM
        = std::isfinite(millis) && std::fabs(millis) < 9.2e18 ? static_cast<qint64>(millis) : 0;

    // Members of the wrong type are skipped, so they cannot wipe a stored entry.
    const QJsonObject fixes = object.value(gpsItemsKey).toObject();
    for (auto it = fixes.constBegin(); it != fixes.constEnd(); ++it) {
        if (!it.value().isObject())
            continue;
        GPSModel fix;
        fix.fromJsonObject(it.value().toObject());
        gpsItems.insert(it.key(), fix);
    }
    const QJsonObject samples = object.value(gsensorItemsKey).toObject();
    for (auto it = samples.constBegin(); it != samples.constEnd(); ++it) {
        if (!it.value().isArray())
            continue;
        QStringList axes;
        for (const QJsonValue &axis : it.value().toArray())
            axes.append(sampleText(axis));
        gsensorItems.insert(it.key(), axes);
    }
}

QMap<QString, QString> VideoMessage::toRow()
{
    isSave = true;
    return {
        {QStringLiteral("fileName"), fileName},
        {QStringLiteral("time"), time},
        {QStringLiteral("path"), path},
        {QStringLiteral("jsonMessage"), toJson()},
    };
}

QString VideoMessage::trackScript(int mapType) const
{
    qDebug().noquote() << "传入的文件类型:" << mapType;
    const int seconds = duration.toInt();
    QJsonArray points;
    for (int i = 0; i < seconds; ++i) {
        const auto it = gpsItems.constFind(QString::number(i));
        if (it == gpsItems.cend() || !it->status || it->isZeroPosition())
            continue;
        const QPair<double, double> point
            = convertForMap(mapType, it->latitude, it->longitude, isChina);
        if (!std::isfinite(point.first) || !std::isfinite(point.second))
            continue;
        const QString lat = fixed6(point.first);
        const QString lng = fixed6(point.second);
        if (mapType == 0) {
            points.append(QJsonObject {{QStringLiteral("lat"), DecimalNumber::toDouble(lat)},
                                       {QStringLiteral("lng"), DecimalNumber::toDouble(lng)}});
        } else {
            points.append(QJsonArray {lng, lat});
        }
    }
    if (points.isEmpty())
        return {};
    const QString json = QString::fromUtf8(QJsonDocument(points).toJson(QJsonDocument::Compact));
    if (mapType == 0) {
        return QStringLiteral("\n                    drawPolyLinePath(%1);\n                 ")
            .arg(json);
    }
    return QStringLiteral("\n                   drawPolyLinePath(%1);\n                   ")
        .arg(json);
}
