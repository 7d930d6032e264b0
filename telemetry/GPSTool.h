#pragma once

#include "GpsRecordLayouts.h"
#include "GpsTrackBuilder.h"

#include <QMetaType>
#include <QObject>

class QIODevice;
struct AVCodecParameters;

// Turns one media file into one filled media record: probe, the GPS reader
// the probe's route code selects, the record decoders and the track summary.
// Lives on the caller's stack for one file and runs synchronously on the
// caller's thread; a second createVideoForGPSUrl would add to the first
// file's track.
//
// Route codes: 0 the probe failed (no track); 1 the "gps " box walker (then
// the packet reader when the file has no "gps " box but a packet stream);
// 3 a transport stream (packet reader, PID 768); 10 an R4K8-named MOV file
// (R4K8 walker, then the "gps " box walker when it filed no fix).
class GPSTool : public QObject
{
    Q_OBJECT
public:
    enum Route { RouteNone = 0, RouteGpsBox = 1, RouteTransportStream = 3, RouteR4K8 = 10 };

    explicit GPSTool(QObject *parent = nullptr);
    ~GPSTool() override;

    // Route code of the last createVideoForGPSUrl.
    int routeCode() const { return lastRoute; }

signals:
    void closeGpsTool();

public slots:
    void createVideoForGPSUrl(const QString &url);
    // Owned by this tool; copy it before the tool goes away.
    VideoMessage *getMessageModel();

private slots:
    int checkHaisiVideo(const QString &url);
    bool getVideoCodecProfile(const AVCodecParameters *parameters);
    bool isTSVideo(const QString &filename);
    // The file name (not the folders) splits at "_" into four parts and
    // ends with ".mov".
    bool chackR4K8Type(const QString &url);

    void getFileParseHaisiype(const QString &url);
    void getFileParseType(const QString &url);
    void parseMP4VideoGPS(const QByteArray &gpsBox, QIODevice *file);
    void getFileParseR4K8Type(const QString &url);

    void decodecPacket(HDGPSMessageZEMKO record);
    void decodecPacket(HDGPSMessage record);
    void decodecPacket(SOneGpsMessage record);
    void decodecPacket(RMCINFO_R4K8 record);
    void decodecPacket(GpsTextRecord record);
    void decodecPacket(GPSInfo_Hisi record, int rate);

    QString getLatOrLon(const QString &latLon, const QString &earth);
    QString getLatOrLon1(const QString &latLon, const QString &earth);
    QString getLatOrLonHaiSi(const QString &latLon, const QString &earth);
    void checkLatOrLon(GPSModel &model, GPSModel &oldModel);
    void createGpsShowData(GPSModel &model);
    void parseGPSComplete(const QString &url);

private:
    void route(int code, const QString &url);
    template<typename Record> void fileRecord(const Record &record);

    int recordCount = 0;
    int lastRoute = RouteNone;
    int gpsBoxCount = 0;
    bool hasPacketStream = false;
    bool transportStream = false;
    GpsTrackBuilder track;
};

Q_DECLARE_METATYPE(HDGPSMessageZEMKO)
Q_DECLARE_METATYPE(HDGPSMessage)
Q_DECLARE_METATYPE(SOneGpsMessage)
Q_DECLARE_METATYPE(RMCINFO_R4K8)
Q_DECLARE_METATYPE(GpsTextRecord)
Q_DECLARE_METATYPE(GPSInfo_Hisi)
