#include "FileUtils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

enum class Parents { Create, Require };

QString ensureDirectory(const QString &path, const QString &fallback, Parents parents)
{
    const QDir dir(path);
    if (dir.exists())
        return path;
    const bool made = parents == Parents::Create ? QDir().mkpath(path) : QDir().mkdir(path);
    return made ? path : fallback;
}

} // namespace

QString dataDirectory()
{
    QString name = QCoreApplication::applicationName();
    name.remove(QLatin1Char(' '));
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return ensureDirectory(base + QLatin1Char('/') + name, QStringLiteral("aaaaaaaaaaaaaa"),
                           Parents::Create);
}

QString thumbnailDirectory()
{
    return ensureDirectory(dataDirectory() + QStringLiteral("/Thumbnail"),
                           QStringLiteral("aaaaaaaaaaaaaa11111"), Parents::Require);
}

QString fileSizeText(const QString &path, int unit)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        qDebug().noquote() << "查询文件大小失败：" << path;
        return QStringLiteral("0");
    }
    const qint64 size = info.size();
    switch (unit) {
    case 0:
        return QString::number(size);
    case 1:
        return QString::number(double(size) / 1024.0, 'g', 6);
    case 2:
        return QString::number(double(size) / 1048576.0, 'f', 1);
    default:
        return QStringLiteral("Invalid type");
    }
}

bool pathExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString reformatDateTime(const QString &text, const QString &inputFormat,
                         const QString &outputFormat)
{
    const QDateTime dateTime = QDateTime::fromString(text, inputFormat);
    if (!dateTime.isValid())
        return QString();
    return dateTime.toString(outputFormat);
}

bool namesMatch(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString left = QFileInfo(a).fileName().toLower();
    const QString right = QFileInfo(b).fileName().toLower();
    if (left.isEmpty() || left.size() != right.size())
        return false;
    int same = 0;
    for (int i = 0; i < left.size(); ++i) {
        if (left.at(i) == right.at(i))
            ++same;
    }
    const double percent = double(same) / left.size() * 100.0;
    qDebug().noquote() << "原是匹配文件名:" << a << "目标匹配文件：" << b
                       << "匹配相似结果:::" << percent;
    return percent >= 100.0;
}

QString normalizeChannelName(const QString &name)
{
    QString result = name;
    result.replace(QStringLiteral("PR"), QStringLiteral("R"));
    result.replace(QStringLiteral("PI"), QStringLiteral("I"));
    result.replace(QStringLiteral("PF"), QStringLiteral("F"));
    result.remove(QLatin1Char('_'));
    return result;
}
