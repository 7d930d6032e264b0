#pragma once

#include "GPSModel.h"
#include "VideoMessage.h"

#include <QString>

#include <cmath>

// The stored members of the records, shared by the QJsonDocument decoding,
// the streaming writer and the single-pass reader so they never disagree.
namespace RecordFields {

template<typename Record, typename T> struct Field
{
    const char *key;
    T Record::*member;
};

// jsonAllPosition is written but not read back, so it is not listed here.
inline const Field<VideoMessage, QString> recordTexts[] = {
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

inline const Field<VideoMessage, int> recordInts[] = {
    {"totalSpeedNum", &VideoMessage::totalSpeedNum},
    {"gpsTotailNum", &VideoMessage::gpsTotailNum},
    {"filesType", &VideoMessage::filesType},
};

inline const Field<VideoMessage, bool> recordBools[] = {
    {"isProfileHigh", &VideoMessage::isProfileHigh},
    {"isChina", &VideoMessage::isChina},
    {"isSave", &VideoMessage::isSave},
};

// jsonPosition is written but never read back.
inline const Field<GPSModel, QString> fixTexts[] = {
    {"hour", &GPSModel::hour},         {"minute", &GPSModel::minute},
    {"second", &GPSModel::second},     {"year", &GPSModel::year},
    {"month", &GPSModel::month},       {"day", &GPSModel::day},
    {"nsind", &GPSModel::nsind},       {"ewind", &GPSModel::ewind},
    {"reservd", &GPSModel::reservd},   {"speed", &GPSModel::speed},
    {"latitude", &GPSModel::latitude}, {"longitude", &GPSModel::longitude},
};

inline const Field<GPSModel, float> fixFloats[] = {
    {"angle", &GPSModel::angle},
    {"x", &GPSModel::x},
    {"y", &GPSModel::y},
    {"z", &GPSModel::z},
};

// A stored number too large for a float must not come back as infinity.
inline float storedFloat(double value)
{
    const float f = static_cast<float>(value);
    return std::isfinite(f) ? f : 0.0f;
}

// A G-sensor sample stored as a number reads back as its text.
inline QString sampleNumberText(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace RecordFields
