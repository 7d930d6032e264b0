#pragma once

#include "GPSModel.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// The media record of one file: probe results, track statistics, the track
// and its G-sensor samples. A copyable value; it owns both maps.
class VideoMessage
{
public:
    VideoMessage() = default;
    VideoMessage(const VideoMessage &) = default;
    VideoMessage(VideoMessage &&) = default;
    VideoMessage &operator=(const VideoMessage &) = default;
    VideoMessage &operator=(VideoMessage &&) = default;
    ~VideoMessage();

    QString path;
    QString time;
    QString fileSize;
    QString fileName;
    QString size;
    QString format;
    QString demuxer;
    QString duration;
    qint64 durationM = 0;
    QString videoFormat;
    QString videoCodec;
    QString pixelFormat;
    QString videoSize;
    QString currentVideoSize;
    QString displaySize;
    QString hwdec;
    QString videoAspect;
    QString audioCodec;
    QString videoBitRate;
    QString audioBitRate;
    QString videoFrameRate;
    QString resolution;
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");
    QString name;
    bool isProfileHigh = false;
    QString aevSpeed = QStringLiteral("0");
    int totalSpeedNum = 0;
    QString maxSpeed = QStringLiteral("0");
    QString distance = QStringLiteral("0");
    int gpsTotailNum = 0;
    bool isChina = false;
    int filesType = 0;
    bool isSave = false;
    // Track keys are the decimal text of the fix's sequence number.
    QMap<QString, GPSModel> gpsItems;
    // X, Y and Z as text, under the same keys as gpsItems.
    QMap<QString, QStringList> gsensorItems;
    QString jsonAllPosition;

    // Unlike construction, leaves aevSpeed, maxSpeed and distance empty.
    void reset();

    // Indented JSON document (UTF-8 text), as the record store keeps it.
    QString toJson() const;
    // The same document as UTF-8 bytes.
    QByteArray toJsonUtf8() const;
    // Text that is not a JSON object leaves the record unchanged. Missing or
    // wrongly typed members read as empty, 0 or false; track entries are
    // replaced key by key, entries absent from the document stay.
    void fromJson(const QString &text);
    // The same from the document's UTF-8 bytes: the single-pass reader,
    // or fromJsonTree for anything outside its plain shape.
    void fromJsonUtf8(const QByteArray &utf8);
    // The QJsonDocument decoding; the reference for the single-pass reader.
    void fromJsonTree(const QByteArray &utf8);

    // Sets isSave, then gives the columns of the "VideoMessage" table.
    QMap<QString, QString> toRow();
    // Stores the record in the record store; defined with the store.
    bool save();

    // Script that draws the fixes "0" to duration - 1 on the map page;
    // empty when none is drawable.
    QString trackScript(int mapType) const;
};
