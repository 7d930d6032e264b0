#include "PlaylistIntake.h"

#include "FileUtils.h"

#include <QDebug>
#include <QFileInfo>

QStringList PlaylistIntake::newPaths(QStringList chosen, const QList<DbModel *> &stored)
{
    for (const DbModel *row : stored) {
        if (chosen.contains(row->path))
            chosen.removeAll(row->path);
    }
    return chosen;
}

QStringList PlaylistIntake::mediaFiles(const QStringList &paths)
{
    static const QStringList suffixes
        = {QStringLiteral("mp4"), QStringLiteral("mov"), QStringLiteral("ts")};
    QStringList accepted;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isFile() && suffixes.contains(info.suffix().toLower()))
            accepted.append(info.absoluteFilePath());
        else
            qDebug().noquote() << "不是可添加的视频文件:" << path;
    }
    return accepted;
}

DbModel PlaylistIntake::rowFor(const QString &path, const QDateTime &addedAt)
{
    DbModel row;
    row.fileName = QFileInfo(path).fileName();
    row.path = path;
    row.is3DVideo = row.fileName.contains(QLatin1String("XX"), Qt::CaseSensitive);
    row.time = addedAt.toString(QStringLiteral("yyyyMMddHHmmsszzz"));
    row.size = fileSizeText(path, 2);
    return row;
}
