#pragma once

#include <QString>

#include <memory>

struct AVFormatContext;

// An opened libavformat input; closed by avformat_close_input.
struct AvInputCloser
{
    void operator()(AVFormatContext *context) const;
};
using AvInput = std::unique_ptr<AVFormatContext, AvInputCloser>;

// Opens path (passed to libavformat as UTF-8) and reads its stream
// information. Logs the design's texts with libavformat's own message and
// returns null on failure.
AvInput openAvInput(const QString &path);
// libavformat's text for an error code.
QString avErrorText(int code);
