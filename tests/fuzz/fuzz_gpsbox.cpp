// libFuzzer target: the "gps " box walker over an in-memory file.
#include "FuzzQuiet.h"
#include "GpsBoxWalker.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    int records = 0;
    GpsBoxWalker walker([&records](const GpsBoxRecord &) { ++records; });
    walker.walk(&buffer);
    return 0;
}
