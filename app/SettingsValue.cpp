#include "SettingsValue.h"

#include <QSettings>

QString settingsOrganisation()
{
    return QStringLiteral("ZEMKO");
}

QString settingsApplication()
{
    return QStringLiteral("ZemkoPlayer");
}

QString settingsValue(const QString &key, const QVariant &value, bool write)
{
    QSettings settings(settingsOrganisation(), settingsApplication());
    if (write) {
        settings.setValue(key, value);
        settings.sync();
        return QString();
    }
    return settings.value(key).toString();
}
