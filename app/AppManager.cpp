#include "AppManager.h"

#include "LanguageTable.h"
#include "SettingsValue.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QFontDatabase>
#include <QTranslator>
#include <QWidget>

namespace {

// Families of the bundled font files; the interface asks for the design's
// family names, which resolve to these through font substitution.
QStringList addFonts(const QStringList &files)
{
    QStringList families;
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0)
            families += QFontDatabase::applicationFontFamilies(id);
    }
    families.removeDuplicates();
    return families;
}

} // namespace

AppManager *AppManager::instance()
{
    static AppManager *manager = new AppManager();
    return manager;
}

AppManager::AppManager(const QLocale &locale, QObject *parent)
    : QObject(parent)
{
    qDebug() << "AppManager初始化 ";
    registerFonts();
    const int stored = settingsValue(QStringLiteral("ZemkoLanguage")).toInt();
    if (stored < 1) {
        installLocaleDefault(locale);
    } else {
        loadLanguage(stored);
        if (stored == 1 || stored == 2) {
            m_mapType = 1;
            m_speedUnitType = 0;
        } else if (stored == 3 || stored == 10) {
            m_speedUnitType = 1;
            m_mapType = 0;
        } else {
            m_mapType = 0;
            m_speedUnitType = 0;
        }
    }
    applyStoredOverrides();
}

void AppManager::registerFonts()
{
    const QStringList chinese = addFonts({QStringLiteral(":/Resources/ChinaFont.ttf")});
    const QStringList latin = addFonts({QStringLiteral(":/Resources/EnglishFont.ttf")});
    // Thai is in neither file; it is bundled beside them as a fallback.
    const QStringList thai = addFonts({QStringLiteral(":/Resources/ThaiFont.ttf")});
    QFont::insertSubstitutions(LanguageTable::fontFamily(1), chinese + latin + thai);
    QFont::insertSubstitutions(LanguageTable::fontFamily(3), latin + chinese + thai);
}

void AppManager::installLocaleDefault(const QLocale &locale)
{
    const QString country = QLocale::countryToString(locale.country());
    const LanguageEntry &entry = LanguageTable::forLocale(locale.language(), country);
    m_languageNumber = entry.number;
    m_mapType = entry.defaultMapType;
    m_speedUnitType = entry.defaultSpeedUnit;

    auto *translator = new QTranslator();
    const QString prefix = QStringLiteral("国家:") + country + QStringLiteral(" 语言：")
        + locale.name() + QLatin1Char(' ');
    if (!translator->load(LanguageTable::translationPath(entry.number)))
        qDebug().noquote() << prefix
                + QStringLiteral("国际化翻译加载失败，可能languagePath路径错误");
    else if (QCoreApplication::installTranslator(translator))
        qDebug().noquote() << prefix + QStringLiteral("国际化翻译安装成功");
    else
        qDebug().noquote() << prefix + QStringLiteral("国际化翻译安装失败");
}

void AppManager::applyStoredOverrides()
{
    const QString map = settingsValue(QStringLiteral("userSelectMapTyp"));
    if (!map.isEmpty())
        m_mapType = map.toInt();
    const QString speed = settingsValue(QStringLiteral("userSelectSpeedType"));
    if (!speed.isEmpty())
        m_speedUnitType = speed.toInt();
    const QString mode = settingsValue(QStringLiteral("userSelectPlayModelType"));
    if (!mode.isEmpty())
        m_playModelType = mode.toInt();
}

void AppManager::loadLanguage(int number)
{
    const QString path = LanguageTable::translationPath(number);
    m_languageNumber = number;
    qDebug().noquote() << "languagePathlanguagePathlanguagePath::::" << path;
    auto *translator = new QTranslator();
    if (!translator->load(path)) {
        qDebug() << "语言加载失败::::::" << number;
        return;
    }
    if (QCoreApplication::installTranslator(translator)) {
        settingsValue(QStringLiteral("ZemkoLanguage"), QString::number(number), true);
        qDebug() << "正在存储的语言类型::::::" << number;
    }
}

int AppManager::languageNumber() const
{
    const int stored = settingsValue(QStringLiteral("ZemkoLanguage")).toInt();
    return stored > 0 ? stored : m_languageNumber;
}

QString AppManager::fontFamily() const
{
    return LanguageTable::fontFamily(m_languageNumber);
}

void AppManager::setMapType(int type)
{
    if (type == m_mapType)
        return;
    m_mapType = type;
    settingsValue(QStringLiteral("userSelectMapTyp"), type, true);
}

void AppManager::setSpeedUnitType(int type)
{
    if (type == m_speedUnitType)
        return;
    m_speedUnitType = type;
    settingsValue(QStringLiteral("userSelectSpeedType"), type, true);
    emit changeSpeedUnitType(type);
}

void AppManager::setPlayModelType(int type)
{
    if (type == m_playModelType)
        return;
    m_playModelType = type;
    settingsValue(QStringLiteral("userSelectPlayModelType"), type, true);
    emit changePlayModelType(type);
}

void AppManager::setMainView(QWidget *view)
{
    m_mainView = view;
}

QWidget *AppManager::mainView() const
{
    return m_mainView;
}
