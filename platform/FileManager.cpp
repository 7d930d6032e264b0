#include "FileManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

FileManager::FileManager(const QDBusConnection &sessionBus)
    : m_sessionBus(sessionBus)
{
}

bool FileManager::showItem(const QString &path)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    if (showItemOverDBus(QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)))
        return true;
    return openFolder(info.absolutePath());
}

bool FileManager::showItemOverDBus(const QString &fileUrl)
{
    if (!m_sessionBus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList {fileUrl} << QString();
    // Short time-out: the GUI thread waits for the answer.
    const QDBusMessage reply = m_sessionBus.call(call, QDBus::Block, 2000);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qDebug().noquote() << "文件管理器不可用" << reply.errorMessage();
        return false;
    }
    return true;
}

bool FileManager::openFolder(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
