// libFuzzer target: the R4K8 sample-table walker over an in-memory file.
#include "FuzzQuiet.h"
#include "R4K8Walker.h"

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
    R4K8Walker walker([&records](const RMCINFO_R4K8 &) { ++records; });
    walker.walk(&buffer);
    return 0;
}
