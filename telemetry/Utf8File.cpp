#include "Utf8File.h"

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

bool openUtf8ReadOnly(QFile &file, const QString &path)
{
    const int fd = ::open(path.toUtf8().constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}
