#include "AvInput.h"

#include <QDebug>

extern "C" {
#include <libavformat/avformat.h>
}

void AvInputCloser::operator()(AVFormatContext *context) const
{
    avformat_close_input(&context);
}

QString avErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

AvInput openAvInput(const QString &path, AvReading reading)
{
    AVDictionary *options = nullptr;
    if (reading == AvReading::StreamParameters)
        av_dict_set(&options, "advanced_editlist", "0", 0);
    AVFormatContext *raw = nullptr;
    const int opened = avformat_open_input(&raw, path.toUtf8().constData(), nullptr, &options);
    // Options a reader did not take are handed back.
    av_dict_free(&options);
    if (opened < 0) {
        qDebug().noquote() << "无法打开视频文件" << path << avErrorText(opened);
        return nullptr;
    }
    AvInput input(raw);
    const int found = avformat_find_stream_info(input.get(), nullptr);
    if (found < 0) {
        qDebug().noquote() << "无法获取流信息" << path << avErrorText(found);
        return nullptr;
    }
    return input;
}
