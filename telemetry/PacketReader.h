#pragma once

#include "GpsRecordLayouts.h"

#include <QString>
#include <QVector>

#include <functional>

// Pulls GPS packets out of a data or subtitle stream through libavformat:
// the PID-768 stream of a transport stream; otherwise the first data stream,
// or a subtitle stream with id 3 (text samples). Binary packets are decoded
// with their packets-per-second rate, which comes from the stream's frame
// count and the container duration, or, where the container gives no frame
// count, from the packets' own timestamps (the packets are then held until
// the stream has been read).
class PacketReader
{
public:
    using HisiSink = std::function<void(const GPSInfo_Hisi &, int rate)>;
    using TextSink = std::function<void(const GpsTextRecord &)>;

    // Consecutive AVERROR_EXIT/AVERROR_INVALIDDATA results that end the read.
    static constexpr int maxReadErrors = 64;

    PacketReader(HisiSink hisi, TextSink text);

    void read(const QString &path, bool transportStream);

    int packetRate() const { return m_rate; }
    bool textForm() const { return m_textForm; }
    int packetsRead() const { return m_packets; }

    // ceil(frames / whole seconds); 0 when either is unknown.
    static int rateFromFrameCount(qint64 frames, qint64 durationMicros);
    // Packets per second from their timestamps in seconds; at least 1.
    static int rateFromTimestamps(const QVector<double> &seconds);

private:
    HisiSink m_hisi;
    TextSink m_text;
    int m_rate = 1;
    bool m_textForm = false;
    int m_packets = 0;
};
