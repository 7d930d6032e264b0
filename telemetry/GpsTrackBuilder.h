#pragma once

#include "GPSModel.h"
#include "VideoMessage.h"

#include <QString>

// Turns decoded fixes into the track and summary of one file's media record.
// The GPS readers decode bytes into GPSModel fixes and hand each one to
// fileFix(); GPSTool's slots of the same names delegate here. One builder
// serves one file: its running state only grows.
class GpsTrackBuilder
{
public:
    // NMEA ddmm.mmmm with hemisphere letter to signed decimal degrees, in the
    // single-precision steps the dash cams' own players use ("0" for zero,
    // unreadable, non-finite input or an unknown letter).
    static QString getLatOrLon(const QString &latLon, const QString &earth);
    // Decimal degrees with hemisphere letter to signed decimal degrees.
    static QString getLatOrLon1(const QString &latLon, const QString &earth);
    // HiSilicon records carry signed degrees already; always empty.
    static QString getLatOrLonHaiSi(const QString &latLon, const QString &earth);
    // For a fix whose status is true: clears status when the position is out
    // of range or half a degree or more away from oldModel, the last
    // accepted fix.
    static void checkLatOrLon(GPSModel &model, const GPSModel &oldModel);

    // Files model under the current track key and updates the running
    // statistics; may replace model's speed and angle first.
    void createGpsShowData(GPSModel &model);
    // Writes the summary fields from the running state; may run repeatedly.
    void parseGPSComplete();

    // The tail every decoder runs: validate against lastFix, remember it
    // when valid, file it. Does not advance the key.
    void fileFix(GPSModel &fix);
    // One record per second of video.
    void advanceKey();
    // Packet streams: `rate` packets share one key.
    void advancePacket(int rate);

    VideoMessage &record() { return m_record; }
    const VideoMessage &record() const { return m_record; }
    const GPSModel &lastFix() const { return m_lastFix; }
    int trackKey() const { return m_trackKey; }
    int packetCount() const { return m_packetCount; }
    int speedSum() const { return m_speedSum; }
    int speedCount() const { return m_speedCount; }
    bool inChina() const { return m_inChina; }
    int validFixCount() const { return m_validFixCount; }
    int packetRate() const { return m_packetRate; }
    // GPS packets per second of a packet stream; 1 for the box formats.
    void setPacketRate(int rate) { m_packetRate = rate; }

private:
    VideoMessage m_record;
    GPSModel m_lastFix;
    int m_trackKey = 0;
    int m_packetCount = 0;
    int m_speedSum = 0;
    int m_speedCount = 0;
    bool m_inChina = false;
    int m_validFixCount = 0;
    int m_packetRate = 1;
};
