#include "CmdModel.h"

#include "FileUtils.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTime>

CmdModel::CmdModel(int type, QObject *parent)
    : QObject(parent)
    , cmdType(type)
    , timeStamp(QTime::currentTime().toString(QStringLiteral("hhmmsszzz")))
{
}

QString CmdModel::transcoderPath()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/ffmpeg");
    const QFileInfo info(beside);
    if (info.isFile() && info.isExecutable())
        return beside;
    const QString found = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    return found.isEmpty() ? beside : found;
}

QString CmdModel::thumbnailFile(const QString &directory, const QString &mediaPath)
{
    return directory + QLatin1Char('/') + QFileInfo(mediaPath).baseName() + QStringLiteral("_.png");
}

QString CmdModel::getSavePath()
{
    if (cmdType == 0) {
        savePath = thumbnailFile(thumbnailDirectory(), filePath);
        return savePath;
    }
    const QString base = QFileInfo(filePath).baseName();
    const QString ending = cmdType == 1 ? QStringLiteral(".mp4") : QStringLiteral(".png");
    savePath = saveFolder + QLatin1Char('/') + base + QLatin1Char('_') + timeStamp + ending;
    return savePath;
}

// One list serves both the command text and the process start; "quoted"
// marks the parts the command text puts between double quotes.
QList<CmdModel::Argument> CmdModel::buildArguments()
{
    const QString output = getSavePath();
    auto plain = [](const QString &text) {
        return Argument {text, false};
    };
    auto quoted = [](const QString &text) {
        return Argument {text, true};
    };
    QList<Argument> args;
    if (cmdType == 0) {
        args << plain(QStringLiteral("-i")) << quoted(filePath) << plain(QStringLiteral("-vframes"))
             << plain(QStringLiteral("1")) << plain(QStringLiteral("-s"))
             << plain(QStringLiteral("320*180"));
    } else if (cmdType == 1) {
        args << plain(QStringLiteral("-ss")) << plain(QString::number(startSecond))
             << plain(QStringLiteral("-i")) << quoted(filePath) << plain(QStringLiteral("-t"))
             << plain(QString::number(endSecond - startSecond));
        if (!hasVideo) {
            args << plain(QStringLiteral("-vn")) << plain(QStringLiteral("-c:a"))
                 << plain(QStringLiteral("copy"));
        } else {
            if (scaleTo720)
                args << plain(QStringLiteral("-vf")) << quoted(QStringLiteral("scale=-1:720"))
                     << plain(QStringLiteral("-b:v")) << plain(clipBitRate);
            else
                args << plain(QStringLiteral("-c:v")) << plain(QStringLiteral("copy"));
            if (hasAudio)
                args << plain(QStringLiteral("-c:a")) << plain(QStringLiteral("copy"));
            else
                args << plain(QStringLiteral("-an"));
        }
    } else {
        args << plain(QStringLiteral("-ss")) << plain(seekTime) << plain(QStringLiteral("-i"))
             << quoted(filePath) << plain(QStringLiteral("-vframes")) << plain(QStringLiteral("1"));
    }
    args << plain(QStringLiteral("-y")) << quoted(output);
    return args;
}

QString CmdModel::createCmdString()
{
    QStringList parts {QLatin1Char('"') + transcoderPath() + QLatin1Char('"')};
    for (const Argument &arg : buildArguments())
        parts << (arg.quoted ? QLatin1Char('"') + arg.text + QLatin1Char('"') : arg.text);
    return parts.join(QLatin1Char(' '));
}

QStringList CmdModel::arguments()
{
    QStringList texts;
    for (const Argument &arg : buildArguments())
        texts << arg.text;
    return texts;
}
