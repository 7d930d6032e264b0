#pragma once

#include <QDBusConnection>
#include <QString>

// Shows a file in the desktop's file manager: the freedesktop FileManager1
// "ShowItems" call on the session bus selects it in its folder; where no file
// manager answers there, the folder is opened with the default handler.
// The two steps are virtual so callers' tests can replace the desktop.
class FileManager
{
public:
    explicit FileManager(const QDBusConnection &sessionBus = QDBusConnection::sessionBus());
    virtual ~FileManager() = default;

    // True when either step was accepted by the desktop.
    bool showItem(const QString &path);

protected:
    virtual bool showItemOverDBus(const QString &fileUrl);
    virtual bool openFolder(const QString &folder);

private:
    QDBusConnection m_sessionBus;
};
