// zemko-probe FILE...: runs the player's GPS extraction on each file and
// prints its media record's JSON document, one per file. Exit status 0 when
// every file was read, 1 otherwise (one line on stderr per unreadable file).
#include "AllocatorTuning.h"
#include "GPSTool.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// The extraction's progress lines would bury the documents.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

bool readable(const QString &path, QString &why)
{
    const QFileInfo info(path);
    if (!info.exists())
        why = QStringLiteral("no such file");
    else if (!info.isFile())
        why = QStringLiteral("not a regular file");
    else if (!info.isReadable())
        why = QStringLiteral("permission denied");
    return why.isEmpty();
}

} // namespace

int main(int argc, char **argv)
{
    growHeapInLargeSteps();
    qInstallMessageHandler(quietHandler);
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zemko-probe FILE...\n");
        return 2;
    }
    int status = 0;
    std::unique_ptr<GPSTool> tool;
    for (int i = 1; i < argc; ++i) {
        // Names are taken as UTF-8 whatever the locale, as the readers open them.
        const QString path = QString::fromUtf8(argv[i]);
        QString why;
        if (readable(path, why)) {
            tool = std::make_unique<GPSTool>();
            tool->createVideoForGPSUrl(path);
            if (tool->routeCode() != GPSTool::RouteNone) {
                const QByteArray json = tool->getMessageModel()->toJsonUtf8();
                const size_t size = static_cast<size_t>(json.size());
                // A full disk must not pass for a record printed.
                if (std::fwrite(json.constData(), 1, size, stdout) == size
                    && std::fflush(stdout) == 0)
                    continue;
                why = QStringLiteral("cannot write the record: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
            } else {
                why = QStringLiteral("not a media file with a video stream");
            }
        }
        std::fprintf(stderr, "zemko-probe: %s: %s\n", argv[i], why.toUtf8().constData());
        status = 1;
    }
    // Freeing a long track costs more than printing it. Like a compiler, the
    // tool leaves its last record to the end of the process.
    std::fflush(stdout);
    std::_Exit(status);
}
