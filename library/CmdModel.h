#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Builds the transcoder's command for a thumbnail (cmdType 0), a clip (1) or
// a frame snapshot (any other type), and the path it writes.
class CmdModel : public QObject
{
    Q_OBJECT
public:
    explicit CmdModel(int type, QObject *parent = nullptr);

    // "ffmpeg" beside the executable when there is one, else the one on the
    // PATH; the path beside the executable when neither exists.
    static QString transcoderPath();
    // The thumbnail picture of a media file: its base name (up to the first
    // dot) + "_.png" in the given folder.
    static QString thumbnailFile(const QString &directory, const QString &mediaPath);

    Q_INVOKABLE QString getSavePath();
    // The whole command line as one text, for the log.
    Q_INVOKABLE QString createCmdString();
    // What is run: the arguments after the program, each one whole, so paths
    // with spaces, quotes and any characters reach the transcoder unchanged.
    QStringList arguments();

    QString filePath;
    int cmdType;
    int startSecond = 0;
    int endSecond = 0;
    QString seekTime = QStringLiteral("00:00");
    QString clipBitRate;
    bool hasAudio = true;
    bool hasVideo = true;
    bool scaleTo720 = false;
    QString savePath;
    QString timeStamp;
    // Folder of clips and snapshots (the "saveFilePath" setting, read by the
    // caller: settings belong to the application layer).
    QString saveFolder;

private:
    struct Argument
    {
        QString text;
        bool quoted;
    };
    QList<Argument> buildArguments();
};
