#pragma once

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Owns the user's choices (language, map type, speed unit, play mode), the
// interface fonts and the installed translation. One process-wide instance is
// reached through instance(); tests construct their own over a temporary
// settings store.
class AppManager : public QObject
{
    Q_OBJECT
public:
    static AppManager *instance();

    explicit AppManager(const QLocale &locale = QLocale::system(), QObject *parent = nullptr);

    void loadLanguage(int number);
    int languageNumber() const;
    QString fontFamily() const;

    int mapType() const { return m_mapType; }
    void setMapType(int type);
    int speedUnitType() const { return m_speedUnitType; }
    void setSpeedUnitType(int type);
    int playModelType() const { return m_playModelType; }
    void setPlayModelType(int type);

    QString version() const { return m_version; }
    void setMainView(QWidget *view);
    QWidget *mainView() const;

signals:
    void changeSpeedUnitType(int type);
    void changePlayModelType(int type);

private:
    void registerFonts();
    void installLocaleDefault(const QLocale &locale);
    void applyStoredOverrides();

    int m_speedUnitType = 0;
    int m_mapType = 0;
    int m_languageNumber = 2;
    int m_playModelType = 0;
    QPointer<QWidget> m_mainView;
    QString m_version = QStringLiteral("1.1.2");
};
