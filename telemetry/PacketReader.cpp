#include "PacketReader.h"

#include "AvInput.h"

#include <QDebug>

#include <algorithm>
#include <cmath>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

constexpr int transportGpsPid = 0x300;
constexpr int textTrackId = 3;

struct PacketFree
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};

} // namespace

PacketReader::PacketReader(HisiSink hisi, TextSink text)
    : m_hisi(std::move(hisi))
    , m_text(std::move(text))
{
}

int PacketReader::rateFromFrameCount(qint64 frames, qint64 durationMicros)
{
    const qint64 seconds = durationMicros / 1000000;
    if (frames <= 0 || seconds <= 0)
        return 0;
    return static_cast<int>(std::ceil(double(frames) / double(seconds)));
}

int PacketReader::rateFromTimestamps(const QVector<double> &seconds)
{
    if (seconds.size() < 2)
        return 1;
    const auto [first, last] = std::minmax_element(seconds.cbegin(), seconds.cend());
    const double span = *last - *first;
    if (!(span > 0))
        return 1;
    const double rate = std::round((seconds.size() - 1) / span);
    return rate < 1 ? 1 : static_cast<int>(qMin(rate, 1e6));
}

void PacketReader::read(const QString &path, bool transportStream)
{
    qDebug().noquote() << "海思解析：" << path;
    const AvInput input = openAvInput(path);
    if (!input)
        return;
    AVFormatContext *context = input.get();

    int chosen = -1;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (transportStream) {
            if (stream->id == transportGpsPid) {
                chosen = static_cast<int>(i);
                break;
            }
            continue;
        }
        const AVMediaType type = stream->codecpar->codec_type;
        if (type == AVMEDIA_TYPE_DATA) {
            chosen = static_cast<int>(i);
            break;
        }
        if (type == AVMEDIA_TYPE_SUBTITLE && stream->id == textTrackId) {
            m_textForm = true;
            chosen = static_cast<int>(i);
        }
    }
    if (chosen < 0)
        return;
    const AVStream *stream = context->streams[chosen];

    // 0 until known: the packets are held and the rate taken from their times.
    int rate = 1;
    if (m_textForm) {
        qDebug().noquote() << "安霸gps解析";
    } else {
        qDebug().noquote() << "海思gps解析";
        rate = rateFromFrameCount(stream->nb_frames, context->duration);
    }
    m_rate = qMax(rate, 1);
    QVector<QByteArray> held;
    QVector<double> times;

    std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (!packet)
        return;
    int errors = 0;
    for (;;) {
        const int result = av_read_frame(context, packet.get());
        if (result == AVERROR_EOF)
            break;
        if (result == AVERROR_EXIT || result == AVERROR_INVALIDDATA) {
            qDebug().noquote() << (result == AVERROR_EXIT ? "GPSTool AVERROR_EXIT"
                                                          : "GPSTool AVERROR_INVALIDDATA");
            if (++errors >= maxReadErrors) {
                qDebug().noquote() << "GPSTool too many read errors, reading stops";
                break;
            }
            continue;
        }
        if (result < 0) {
            qDebug().noquote() << "GPSTool read Packet fail or timeOut " << avErrorText(result);
            break;
        }
        errors = 0;
        if (packet->stream_index == chosen) {
            ++m_packets;
            const char *data = reinterpret_cast<const char *>(packet->data);
            if (m_textForm) {
                m_text(GpsTextRecord::fromPacket(data, packet->size));
            } else {
                const QByteArray bytes
                    = QByteArray(data, qMin(packet->size, int(GPSInfo_Hisi::Size)));
                if (rate > 0) {
                    m_hisi(GPSInfo_Hisi::fromBytes(bytes), m_rate);
                } else {
                    const int64_t ts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
                    if (ts != AV_NOPTS_VALUE)
                        times.append(ts * av_q2d(stream->time_base));
                    held.append(bytes);
                }
            }
        }
        av_packet_unref(packet.get());
    }

    if (!held.isEmpty()) {
        m_rate = rateFromTimestamps(times);
        for (const QByteArray &bytes : qAsConst(held))
            m_hisi(GPSInfo_Hisi::fromBytes(bytes), m_rate);
    }
}
