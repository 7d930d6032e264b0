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

enum class AvReading { Packets, StreamParameters };

// Opens path (passed to libavformat as UTF-8) and reads its stream
// information. Logs the design's texts with libavformat's own message and
// returns null on failure. For StreamParameters the MP4 reader keeps the
// plain edit-list handling: its full handling rebuilds the sample index of
// the whole file, which costs a long recording more than the rest of the
// probe, and changes only the timing of samples, never the stream
// parameters or the movie's duration.
AvInput openAvInput(const QString &path, AvReading reading = AvReading::Packets);
// libavformat's text for an error code.
QString avErrorText(int code);
