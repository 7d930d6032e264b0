#pragma once

#include <QString>
#include <QVariant>

// The one way settings are read and written. Every call opens the store
// (organisation "ZEMKO", application "ZemkoPlayer", native format) afresh.
// Writing answers an empty text; reading answers the stored value as text, or
// an empty text when the key is missing. value is ignored when reading.
QString settingsValue(const QString &key, const QVariant &value = QVariant(), bool write = false);

// Linux's native store tells letter case apart, so every component opens the
// store with these names instead of the process-wide organisation name.
QString settingsOrganisation();
QString settingsApplication();
