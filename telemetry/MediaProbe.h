#pragma once

#include <QString>

class VideoMessage;
struct AVCodecParameters;

// Reads a file's container and first video stream with libavformat and
// fills the media fields of its record.
class MediaProbe
{
public:
    struct Result
    {
        bool opened = false; // a video stream was found and the fields filled
        bool transportStream = false;
        // A data stream, or a subtitle stream with id 3: a packet-borne track.
        bool hasPacketStream = false;
    };

    static Result probe(const QString &path, VideoMessage &record);
    // The stream's profile is named exactly "High".
    static bool isProfileHigh(const AVCodecParameters *parameters);
    // "w:h" reduced by the greatest common divisor; "0:0" for no size.
    static QString aspectText(int width, int height);
    static bool isTransportStreamName(const QString &fileName);
};
