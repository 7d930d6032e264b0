#include "PSLSubThread.h"

#include "CmdModel.h"
#include "FileModel.h"
#include "FileUtils.h"
#include "ThumbnailJob.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
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
    // The same file queued twice, or a file of the same name in another
    // folder, already made this picture.
    if (!pathExists(output)) {
        const QString program = CmdModel::transcoderPath();
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        bool succeeded = false;
        if (!process.waitForStarted()) {
            qDebug().noquote() << "缩略图转码程序启动失败：" << program << process.errorString();
        } else {
            // Waited for in slices, so that closing the window or removing all
            // rows ends a slow or stuck transcoder instead of waiting for it.
            QElapsedTimer elapsed;
            elapsed.start();
            while (!process.waitForFinished(pollMs) && process.state() != QProcess::NotRunning) {
                if (isInterruptionRequested() || elapsed.elapsed() >= transcoderTimeoutMs)
                    break;
            }
            if (process.state() != QProcess::NotRunning) {
                process.kill();
                process.waitForFinished();
                qDebug().noquote() << "缩略图转码中止：" << job.path;
            } else {
                succeeded = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
                if (!succeeded)
                    qDebug().noquote() << "缩略图转码失败：" << job.path << process.exitCode()
                                       << QString::fromLocal8Bit(process.readAll()).right(500);
            }
        }
        // A picture left half-written would count as made and never be redone.
        if (!succeeded)
            QFile::remove(output);
    }
    if (fileSizeText(output, 0).toLongLong() > 0) {
        qDebug().noquote() << "单个缩略图获取完成";
        m_model->thumbnailReady(job.row, job.path);
    }
}
