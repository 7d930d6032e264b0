#include "LogToFile.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

namespace {

struct LogState
{
    QFile file;
    QTextStream stream;
    QMutex lock;
};

LogState &logState()
{
    static LogState state;
    return state;
}

void logMessageHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.isEmpty())
        return;
    const QString stamp
        = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    // Qt does not re-enter an installed handler from within it: this echo goes
    // to the default output (standard error).
    qDebug().noquote() << stamp + QLatin1Char(':') + message;

    LogState &state = logState();
    QMutexLocker locker(&state.lock);
    if (state.stream.status() != QTextStream::Ok) {
        qDebug() << "QTextStream status error";
        return;
    }
    state.stream << QStringLiteral("%1 : %2").arg(stamp, message) << Qt::endl;
    state.stream.flush();
}

} // namespace

LogToFile::LogToFile(const QString &path)
{
    LogState &state = logState();
    {
        QMutexLocker locker(&state.lock);
        state.file.setFileName(path);
        if (state.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            state.stream.setDevice(&state.file);
            state.stream.resetStatus();
        } else {
            state.stream.setDevice(nullptr);
        }
        state.stream.setCodec("UTF-8");
    }
    if (state.file.isOpen())
        qInstallMessageHandler(logMessageHandler);
    else
        qDebug() << "日志文件打开失败";
}

LogToFile::~LogToFile()
{
    qDebug() << "LogToFile is close LogToFile destroy";
    LogState &state = logState();
    QMutexLocker locker(&state.lock);
    state.stream.flush();
    state.file.close();
}
