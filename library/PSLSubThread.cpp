#include "PSLSubThread.h"

#include "CmdModel.h"
#include "FileModel.h"
#include "FileUtils.h"
#include "ThumbnailJob.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {
// How often a running transcoder is checked for a stop request.
constexpr int pollMs = 100;
} // namespace

void stopWorker(QThread *thread)
{
    thread->requestInterruption();
    thread->quit();
}

PSLSubThread::PSLSubThread(FileModel *model, QObject *parent)
    : QThread(parent)
    , m_model(model)
{
}

PSLSubThread::~PSLSubThread()
{
    qDebug().noquote() << "PSLSubThread close";
}

void PSLSubThread::run()
{
    qDebug().noquote() << "循环";
    while (!isInterruptionRequested()) {
        const std::optional<ThumbnailJob> job = m_model->takeJob(*this);
        if (job) {
            // A job taken just before a stop request is dropped.
            if (isInterruptionRequested())
                break;
            makeThumbnail(*job);
        }
        qDebug().noquote() << "循环";
    }
}

void PSLSubThread::makeThumbnail(const ThumbnailJob &job)
{
    CmdModel command(0);
    command.filePath = job.path;
    const QStringList arguments = command.arguments();
    const QString output = command.savePath;
    // The picture may exist already: the same file queued twice, or a file
    // of the same name in another folder. A picture left half-written by a
    // failed run would count as made and never be redone.
    if (!pathExists(output) && !runTranscoder(arguments, job.path))
        QFile::remove(output);
    if (fileSizeText(output, 0).toLongLong() > 0) {
        qDebug().noquote() << "单个缩略图获取完成";
        m_model->thumbnailReady(job.row, job.path);
    }
}

bool PSLSubThread::runTranscoder(const QStringList &arguments, const QString &mediaPath)
{
    const QString program = CmdModel::transcoderPath();
    if (!QFileInfo(program).isExecutable()) {
        qDebug().noquote() << "缩略图转码程序不存在：" << program;
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        qDebug().noquote() << "缩略图转码程序启动失败：" << program << process.errorString();
        return false;
    }
    // Waited for in slices, so that closing the window or removing all rows
    // ends a slow or stuck transcoder instead of waiting for it.
    QElapsedTimer elapsed;
    elapsed.start();
    while (!process.waitForFinished(pollMs) && process.state() != QProcess::NotRunning) {
        if (isInterruptionRequested() || elapsed.elapsed() >= transcoderTimeoutMs) {
            process.kill();
            process.waitForFinished();
            qDebug().noquote() << "缩略图转码中止：" << mediaPath;
            return false;
        }
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    qDebug().noquote() << "缩略图转码失败：" << mediaPath << process.exitCode()
                       << QString::fromLocal8Bit(process.readAll()).right(500);
    return false;
}
