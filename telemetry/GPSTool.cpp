#include "GPSTool.h"

#include "BoxReader.h"
#include "FileUtils.h"
#include "GpsBoxWalker.h"
#include "GpsRecordDecoder.h"
#include "MediaProbe.h"
#include "PacketReader.h"
#include "R4K8Walker.h"
#include "Utf8File.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <variant>

GPSTool::GPSTool(QObject *parent)
    : QObject(parent)
{
    qDebug().noquote() << "GPSTool中videoModel地址:::" << track.record().path;
}

GPSTool::~GPSTool()
{
    emit closeGpsTool();
    qDebug().noquote() << "GPSTool close";
}

VideoMessage *GPSTool::getMessageModel()
{
    return &track.record();
}

void GPSTool::createVideoForGPSUrl(const QString &url)
{
    VideoMessage &record = track.record();
    record.fileName = QFileInfo(url).fileName();
    record.size = fileSizeText(url, 2);
    record.path = url;
    record.time = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz"));
    track.setPacketRate(1);
    const int code = checkHaisiVideo(url);
    lastRoute = code;
    qDebug().noquote() << "ggggggggggggggggggggggggggggggg:::" << code;
    route(code, url);
    qDebug().noquote() << "解析完成";
    parseGPSComplete(url);
}

void GPSTool::route(int code, const QString &url)
{
    if (code == RouteR4K8) {
        getFileParseR4K8Type(url);
        if (track.record().gpsItems.isEmpty())
            getFileParseType(url);
    } else if (code > RouteGpsBox + 1) {
        getFileParseHaisiype(url);
    } else if (code >= RouteGpsBox) {
        getFileParseType(url);
        if (gpsBoxCount == 0 && hasPacketStream)
            getFileParseHaisiype(url);
    } else {
        qDebug().noquote() << "FFMpeg没有打开文件:" << url;
    }
}

int GPSTool::checkHaisiVideo(const QString &url)
{
    const MediaProbe::Result probed = MediaProbe::probe(url, track.record());
    if (!probed.opened)
        return RouteNone;
    hasPacketStream = probed.hasPacketStream;
    transportStream = probed.transportStream;
    if (probed.transportStream)
        return RouteTransportStream;
    return chackR4K8Type(url) ? RouteR4K8 : RouteGpsBox;
}

bool GPSTool::getVideoCodecProfile(const AVCodecParameters *parameters)
{
    return MediaProbe::isProfileHigh(parameters);
}

bool GPSTool::isTSVideo(const QString &filename)
{
    return MediaProbe::isTransportStreamName(filename);
}

bool GPSTool::chackR4K8Type(const QString &url)
{
    const QStringList parts = QFileInfo(url).fileName().split(QLatin1Char('_'), Qt::KeepEmptyParts);
    return parts.size() == 4 && parts.last().toLower().endsWith(QLatin1String(".mov"));
}

void GPSTool::getFileParseHaisiype(const QString &url)
{
    PacketReader reader(
        [this](const GPSInfo_Hisi &record, int rate) { decodecPacket(record, rate); },
        [this](const GpsTextRecord &record) { decodecPacket(record); });
    reader.read(url, isTSVideo(url) || transportStream);
    if (!reader.textForm())
        track.setPacketRate(reader.packetRate());
}

void GPSTool::getFileParseType(const QString &url)
{
    qDebug().noquote() << "LY GPS info:" << url;
    QFile file;
    if (!openUtf8ReadOnly(file, url)) {
        qDebug().noquote() << "跳出解析1" << file.errorString();
        return;
    }
    GpsBoxWalker walker([this](const GpsBoxRecord &record) {
        std::visit([this](const auto &r) { decodecPacket(r); }, record);
    });
    walker.walk(&file);
    gpsBoxCount += walker.gpsBoxCount();
    if (walker.gpsBoxCount() > 0)
        recordCount = walker.recordCount();
}

void GPSTool::parseMP4VideoGPS(const QByteArray &gpsBox, QIODevice *file)
{
    GpsBoxWalker walker([this](const GpsBoxRecord &record) {
        std::visit([this](const auto &r) { decodecPacket(r); }, record);
    });
    BoxReader reader(file);
    walker.readGpsBox(gpsBox, reader);
    recordCount = walker.recordCount();
}

void GPSTool::getFileParseR4K8Type(const QString &url)
{
    qDebug().noquote() << "R4K8 GPS file Path:" << url;
    QFile file;
    if (!openUtf8ReadOnly(file, url)) {
        qDebug().noquote() << "跳出解析1" << file.errorString();
        return;
    }
    R4K8Walker walker([this](const RMCINFO_R4K8 &record) { decodecPacket(record); });
    walker.walk(&file);
}

template<typename Record> void GPSTool::fileRecord(const Record &record)
{
    GPSModel fix = GpsRecordDecoder::toFix(record);
    track.fileFix(fix);
    track.advanceKey();
}

void GPSTool::decodecPacket(HDGPSMessageZEMKO record)
{
    fileRecord(record);
}

void GPSTool::decodecPacket(HDGPSMessage record)
{
    fileRecord(record);
}

void GPSTool::decodecPacket(SOneGpsMessage record)
{
    fileRecord(record);
}

void GPSTool::decodecPacket(RMCINFO_R4K8 record)
{
    fileRecord(record);
}

void GPSTool::decodecPacket(GpsTextRecord record)
{
    fileRecord(record);
}

void GPSTool::decodecPacket(GPSInfo_Hisi record, int rate)
{
    GPSModel fix = GpsRecordDecoder::toFix(record);
    track.fileFix(fix);
    track.advancePacket(rate);
}

QString GPSTool::getLatOrLon(const QString &latLon, const QString &earth)
{
    return GpsTrackBuilder::getLatOrLon(latLon, earth);
}

QString GPSTool::getLatOrLon1(const QString &latLon, const QString &earth)
{
    return GpsTrackBuilder::getLatOrLon1(latLon, earth);
}

QString GPSTool::getLatOrLonHaiSi(const QString &latLon, const QString &earth)
{
    return GpsTrackBuilder::getLatOrLonHaiSi(latLon, earth);
}

void GPSTool::checkLatOrLon(GPSModel &model, GPSModel &oldModel)
{
    GpsTrackBuilder::checkLatOrLon(model, oldModel);
}

void GPSTool::createGpsShowData(GPSModel &model)
{
    track.createGpsShowData(model);
}

void GPSTool::parseGPSComplete(const QString &)
{
    track.parseGPSComplete();
}
