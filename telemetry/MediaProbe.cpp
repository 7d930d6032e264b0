#include "MediaProbe.h"

#include "AvInput.h"
#include "VideoMessage.h"

#include <QDebug>
#include <QFileInfo>

#include <numeric>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

constexpr int textTrackId = 3;

} // namespace

bool MediaProbe::isTransportStreamName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".ts"), Qt::CaseInsensitive);
}

QString MediaProbe::aspectText(int width, int height)
{
    const int g = std::gcd(std::abs(width), std::abs(height));
    if (g == 0)
        return QStringLiteral("0:0");
    return QStringLiteral("%1:%2").arg(width / g).arg(height / g);
}

bool MediaProbe::isProfileHigh(const AVCodecParameters *parameters)
{
    if (!parameters)
        return false;
    const AVCodec *decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder || !decoder->profiles)
        return false;
    for (const AVProfile *p = decoder->profiles; p->profile != FF_PROFILE_UNKNOWN; ++p) {
        if (p->profile == parameters->profile && p->name && qstrcmp(p->name, "High") == 0)
            return true;
    }
    return false;
}

MediaProbe::Result MediaProbe::probe(const QString &path, VideoMessage &record)
{
    Result result;
    const AvInput input = openAvInput(path, AvReading::StreamParameters);
    if (!input)
        return result;
    AVFormatContext *context = input.get();

    const AVStream *video = nullptr;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        const AVMediaType type = stream->codecpar->codec_type;
        if (!video && type == AVMEDIA_TYPE_VIDEO)
            video = stream;
        if (type == AVMEDIA_TYPE_DATA
            || (type == AVMEDIA_TYPE_SUBTITLE && stream->id == textTrackId))
            result.hasPacketStream = true;
    }
    if (!video) {
        qDebug().noquote() << "没有找到视频流";
        return result;
    }
    result.transportStream
        = isTransportStreamName(path) || qstrcmp(context->iformat->name, "mpegts") == 0;

    // An unknown container duration reads as 0, not as a huge negative value.
    const qint64 duration = context->duration == AV_NOPTS_VALUE ? 0 : context->duration;
    record.durationM = static_cast<qint64>(duration / 1000.0);
    record.duration = QString::number(duration / 1000000);
    const AVRational rate = video->avg_frame_rate;
    record.videoFrameRate = QString::number(rate.den ? double(rate.num) / rate.den : 0.0, 'g', 6);

    const AVCodecParameters *parameters = video->codecpar;
    record.width = QString::number(parameters->width);
    record.height = QString::number(parameters->height);
    record.videoAspect = aspectText(parameters->width, parameters->height);
    record.resolution = record.width + QLatin1Char('*') + record.height;

    const QString codecName = QString::fromLatin1(avcodec_get_name(parameters->codec_id));
    qDebug().noquote() << "stringValuestringValuestringValuestringValue::::::" << codecName;
    const QString lower = codecName.toLower();
    const bool hevc = lower == QLatin1String("h265") || lower == QLatin1String("hevc");
    record.hwdec = hevc ? QStringLiteral("Yes") : QStringLiteral("NO");
    record.videoCodec = hevc ? QStringLiteral("HEVC(H265)") : QStringLiteral("H264");
    record.videoBitRate = QString::number(parameters->bit_rate);

    const QFileInfo info(record.path);
    record.format = info.completeSuffix();
    record.name = info.baseName();
    record.pixelFormat = QStringLiteral("nv12");
    record.demuxer = QStringLiteral("lavf");
    record.isProfileHigh = isProfileHigh(parameters);

    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVCodecParameters *audio = context->streams[i]->codecpar;
        if (audio->codec_type == AVMEDIA_TYPE_AUDIO) {
            record.audioBitRate = QString::number(audio->bit_rate);
            break;
        }
    }
    result.opened = true;
    return result;
}
