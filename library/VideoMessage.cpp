#include "VideoMessage.h"

#include "JsonTextWriter.h"
#include "MapConversion.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

template<typename T> struct Field
{
    const char *key;
    T VideoMessage::*member;
};

// jsonAllPosition is written but not read back, so it is not listed here.
const Field<QString> textFields[] = {
    {"path", &VideoMessage::path},
    {"time", &VideoMessage::time},
    {"fileSize", &VideoMessage::fileSize},
    {"fileName", &VideoMessage::fileName},
    {"size", &VideoMessage::size},
    {"format", &VideoMessage::format},
    {"demuxer", &VideoMessage::demuxer},
    {"duration", &VideoMessage::duration},
    {"videoFormat", &VideoMessage::videoFormat},
    {"videoCodec", &VideoMessage::videoCodec},
    {"pixelFormat", &VideoMessage::pixelFormat},
    {"videoSize", &VideoMessage::videoSize},
    {"currentVideoSize", &VideoMessage::currentVideoSize},
    {"displaySize", &VideoMessage::displaySize},
    {"hwdec", &VideoMessage::hwdec},
    {"videoAspect", &VideoMessage::videoAspect},
    {"audioCodec", &VideoMessage::audioCodec},
    {"videoBitRate", &VideoMessage::videoBitRate},
    {"audioBitRate", &VideoMessage::audioBitRate},
    {"videoFrameRate", &VideoMessage::videoFrameRate},
    {"resolution", &VideoMessage::resolution},
    {"width", &VideoMessage::width},
    {"height", &VideoMessage::height},
    {"name", &VideoMessage::name},
    {"aevSpeed", &VideoMessage::aevSpeed},
    {"maxSpeed", &VideoMessage::maxSpeed},
    {"distance", &VideoMessage::distance},
};

const Field<int> intFields[] = {
    {"totalSpeedNum", &VideoMessage::totalSpeedNum},
    {"gpsTotailNum", &VideoMessage::gpsTotailNum},
    {"filesType", &VideoMessage::filesType},
};

const Field<bool> boolFields[] = {
    {"isProfileHigh", &VideoMessage::isProfileHigh},
    {"isChina", &VideoMessage::isChina},
    {"isSave", &VideoMessage::isSave},
};

const QLatin1String durationMKey("durationM");
const QLatin1String gpsItemsKey("gpsItems");
const QLatin1String gsensorItemsKey("gsensorItems");

QString sampleText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 6);
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
    for (const auto &field : textFields)
        (this->*field.member).clear();
    width = QStringLiteral("0");
    height = QStringLiteral("0");
    for (const auto &field : intFields)
        this->*field.member = 0;
    for (const auto &field : boolFields)
        this->*field.member = false;
    durationM = 0;
    jsonAllPosition.clear();
    gpsItems.clear();
    gsensorItems.clear();
}

QString VideoMessage::toJson() const
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
        for (int i = 0; i < int(std::size(textFields)); ++i)
            list.push_back({QLatin1String(textFields[i].key), Text, i});
        for (int i = 0; i < int(std::size(intFields)); ++i)
            list.push_back({QLatin1String(intFields[i].key), Int, i});
        for (int i = 0; i < int(std::size(boolFields)); ++i)
            list.push_back({QLatin1String(boolFields[i].key), Bool, i});
        list.push_back({durationMKey, Millis, 0});
        list.push_back({QLatin1String("jsonAllPosition"), AllPosition, 0});
        list.push_back({gpsItemsKey, Fixes, 0});
        list.push_back({gsensorItemsKey, Samples, 0});
        std::sort(list.begin(), list.end(),
                  [](const Member &a, const Member &b) { return a.key < b.key; });
        return list;
    }();

    JsonTextWriter writer;
    writer.beginObject();
    for (const Member &member : members) {
        writer.key(member.key);
        switch (member.kind) {
        case Text:
            writer.value(this->*textFields[member.index].member);
            break;
        case Int:
            writer.value(qint64(this->*intFields[member.index].member));
            break;
        case Bool:
            writer.value(this->*boolFields[member.index].member);
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
    return QString::fromUtf8(writer.take());
}

void VideoMessage::fromJson(const QString &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return;
    const QJsonObject object = document.object();
    for (const auto &field : textFields)
        this->*field.member = object.value(QLatin1String(field.key)).toString();
    for (const auto &field : intFields)
        this->*field.member = object.value(QLatin1String(field.key)).toInt();
    for (const auto &field : boolFields)
        this->*field.member = object.value(QLatin1String(field.key)).toBool();
    const QJsonValue millis = object.value(durationMKey);
    durationM = millis.isDouble() ? static_cast<qint64>(millis.toDouble()) : 0;

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
            points.append(QJsonObject {{QStringLiteral("lat"), lat.toDouble()},
                                       {QStringLiteral("lng"), lng.toDouble()}});
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
