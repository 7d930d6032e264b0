// libFuzzer target: every record layout and the text record, decoded into
// fixes and filed into a track.
#include "FuzzQuiet.h"
#include "GpsBoxWalker.h"
#include "GpsRecordDecoder.h"
#include "GpsTrackBuilder.h"

#include <variant>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    GpsTrackBuilder track;
    auto file = [&track](GPSModel fix) {
        track.fileFix(fix);
        track.advanceKey();
    };
    std::visit([&](const auto &r) { file(GpsRecordDecoder::toFix(r)); },
               GpsBoxWalker::decodeBlockRecord(bytes));
    file(GpsRecordDecoder::toFix(HDGPSMessageZEMKO::fromBytes(bytes)));
    file(GpsRecordDecoder::toFix(SOneGpsMessage::fromBytes(bytes)));
    file(GpsRecordDecoder::toFix(RMCINFO_R4K8::fromBytes(bytes)));
    file(GpsRecordDecoder::toFix(HDGPSMessage::fromBytes(bytes)));
    file(GpsRecordDecoder::toFix(GpsTextRecord::fromPacket(bytes.constData(), bytes.size())));
    GPSModel hisi = GpsRecordDecoder::toFix(GPSInfo_Hisi::fromBytes(bytes));
    track.fileFix(hisi);
    track.advancePacket(size % 7);
    track.parseGPSComplete();
    return 0;
}
