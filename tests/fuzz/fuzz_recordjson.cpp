// libFuzzer target: the single-pass record reader against the QJsonDocument
// decoding. Any input must leave both records (and both fixes) the same.
#include "FuzzQuiet.h"
#include "GPSModel.h"
#include "RecordFields.h"
#include "VideoMessage.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

namespace {

VideoMessage startingRecord()
{
    VideoMessage record;
    record.path = QStringLiteral("old");
    GPSModel fix;
    fix.hour = QStringLiteral("1");
    record.gpsItems.insert(QStringLiteral("0"), fix);
    record.gsensorItems.insert(QStringLiteral("0"), {QStringLiteral("1")});
    return record;
}

bool sameFix(const GPSModel &a, const GPSModel &b)
{
    for (const auto &field : RecordFields::fixTexts) {
        if (a.*field.member != b.*field.member
            || (a.*field.member).isNull() != (b.*field.member).isNull())
            return false;
    }
    for (const auto &field : RecordFields::fixFloats) {
        if (std::memcmp(&(a.*field.member), &(b.*field.member), sizeof(float)) != 0)
            return false;
    }
    return a.status == b.status;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    VideoMessage fast = startingRecord();
    VideoMessage reference = startingRecord();
    fast.fromJsonUtf8(bytes);
    reference.fromJsonTree(bytes);
    if (fast.toJson() != reference.toJson())
        __builtin_trap();
    GPSModel fastFix;
    GPSModel referenceFix;
    fastFix.fromJson(QString::fromUtf8(bytes));
    referenceFix.fromJsonObject(
        QJsonDocument::fromJson(QString::fromUtf8(bytes).toUtf8()).object());
    if (!sameFix(fastFix, referenceFix))
        __builtin_trap();
    return 0;
}
