#include "AppManager.h"
#include "LanguageTable.h"
#include "SettingsValue.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>

namespace {

QStringList capturedMessages;

void captureHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    capturedMessages << message;
}

void resetSettings(const QVariantMap &stored)
{
    QSettings settings(settingsOrganisation(), settingsApplication());
    settings.clear();
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

} // namespace

class TestAppManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaults_data();
    void defaults();
    void settingsValueRoundTrip();
    void settersWriteAndEmitOnlyOnChange();
    void loadLanguageStoresAndKeepsChoices();
    void translationFilesAreCompiledIn();
};

void TestAppManager::init()
{
    capturedMessages.clear();
    qInstallMessageHandler(captureHandler);
}

void TestAppManager::cleanup()
{
    qInstallMessageHandler(nullptr);
}

void TestAppManager::defaults_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("mapType");
    QTest::addColumn<int>("speedUnit");
    QTest::addColumn<QString>("font");
    QTest::addColumn<bool>("languageStored");

    const QString ping = QStringLiteral("PingFang SC Medium");
    const QString harmony = QStringLiteral("HarmonyOS Sans SC Medium");
    const QLocale mainland(QLocale::Chinese, QLocale::China);
    const QLocale french(QLocale::French, QLocale::France);
    QTest::addRow("chinese mainland") << mainland << QVariantMap() << 1 << 1 << 0 << ping << false;
    QTest::addRow("chinese taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << QVariantMap()
                                    << 2 << 1 << 0 << ping << false;
    QTest::addRow("chinese hong kong") << QLocale(QLocale::Chinese, QLocale::HongKong)
                                       << QVariantMap() << 2 << 1 << 0 << ping << false;
    QTest::addRow("korean") << QLocale(QLocale::Korean, QLocale::SouthKorea) << QVariantMap() << 10
                            << 0 << 1 << harmony << false;
    QTest::addRow("french falls back to english")
        << french << QVariantMap() << 3 << 0 << 1 << harmony << false;
    QTest::addRow("german") << QLocale(QLocale::German, QLocale::Germany) << QVariantMap() << 5 << 0
                            << 0 << harmony << false;
    QTest::addRow("stored japanese")
        << mainland << QVariantMap {{"ZemkoLanguage", "7"}} << 7 << 0 << 0 << ping << true;
    QTest::addRow("stored korean")
        << french << QVariantMap {{"ZemkoLanguage", "10"}} << 10 << 0 << 1 << harmony << true;
    QTest::addRow("stored zero is absent")
        << QLocale(QLocale::Chinese, QLocale::Taiwan) << QVariantMap {{"ZemkoLanguage", "0"}} << 2
        << 1 << 0 << ping << false;
    QTest::addRow("stored garbage is absent")
        << french << QVariantMap {{"ZemkoLanguage", "abc"}} << 3 << 0 << 1 << harmony << false;
    QTest::addRow("stored out of range loads english")
        << mainland << QVariantMap {{"ZemkoLanguage", "42"}} << 42 << 0 << 0 << harmony << false;
    QTest::addRow("speed unit 0 overrides default")
        << french << QVariantMap {{"userSelectSpeedType", 0}} << 3 << 0 << 0 << harmony << false;
    QTest::addRow("stored map and play mode")
        << french << QVariantMap {{"userSelectMapTyp", 1}, {"userSelectPlayModelType", 2}} << 3 << 1
        << 1 << harmony << false;
}

void TestAppManager::defaults()
{
    QFETCH(QLocale, locale);
    QFETCH(QVariantMap, stored);
    QFETCH(int, language);
    QFETCH(bool, languageStored);
    resetSettings(stored);

    AppManager manager(locale);
    QCOMPARE(manager.languageNumber(), language);
    QTEST(manager.mapType(), "mapType");
    QTEST(manager.speedUnitType(), "speedUnit");
    QTEST(manager.fontFamily(), "font");
    QCOMPARE(settingsValue(QStringLiteral("ZemkoLanguage")).isEmpty(),
             !languageStored && !stored.contains(QStringLiteral("ZemkoLanguage")));
    if (!stored.contains(QStringLiteral("userSelectPlayModelType")))
        QCOMPARE(manager.playModelType(), 0);
    else
        QCOMPARE(manager.playModelType(),
                 stored.value(QStringLiteral("userSelectPlayModelType")).toInt());
    QVERIFY(capturedMessages.contains(QStringLiteral("AppManager初始化 ")));
    if (!stored.contains(QStringLiteral("ZemkoLanguage"))
        || stored.value(QStringLiteral("ZemkoLanguage")).toInt() < 1) {
        const QString expected
            = QStringLiteral("国家:%1 语言：%2 国际化翻译安装成功")
                  .arg(QLocale::countryToString(locale.country()), locale.name());
        QVERIFY2(capturedMessages.contains(expected),
                 qPrintable(capturedMessages.join(QLatin1Char('|'))));
    }
}

void TestAppManager::settingsValueRoundTrip()
{
    resetSettings({});
    QCOMPARE(settingsValue(QStringLiteral("saveFilePath")), QString());
    QCOMPARE(settingsValue(QStringLiteral("saveFilePath"), QStringLiteral("/tmp/snaps"), true),
             QString());
    QCOMPARE(settingsValue(QStringLiteral("saveFilePath"), QStringLiteral("ignored")),
             QStringLiteral("/tmp/snaps"));
    settingsValue(QStringLiteral("userSelectMapTyp"), 1, true);
    QCOMPARE(settingsValue(QStringLiteral("userSelectMapTyp")), QStringLiteral("1"));
    // The process-wide organisation name differs in case; the store does not.
    QCoreApplication::setOrganizationName(QStringLiteral("Zemko"));
    QSettings direct(settingsOrganisation(), settingsApplication());
    QCOMPARE(direct.value(QStringLiteral("saveFilePath")).toString(), QStringLiteral("/tmp/snaps"));
}

void TestAppManager::settersWriteAndEmitOnlyOnChange()
{
    resetSettings({});
    AppManager manager(QLocale(QLocale::English, QLocale::UnitedStates));
    QSignalSpy speed(&manager, &AppManager::changeSpeedUnitType);
    QSignalSpy mode(&manager, &AppManager::changePlayModelType);

    manager.setSpeedUnitType(1);
    manager.setPlayModelType(0);
    manager.setMapType(0);
    QCOMPARE(speed.count(), 0);
    QCOMPARE(mode.count(), 0);
    QVERIFY(settingsValue(QStringLiteral("userSelectSpeedType")).isEmpty());
    QVERIFY(settingsValue(QStringLiteral("userSelectMapTyp")).isEmpty());

    manager.setSpeedUnitType(0);
    manager.setPlayModelType(2);
    manager.setMapType(1);
    QCOMPARE(speed.count(), 1);
    QCOMPARE(speed.at(0).at(0).toInt(), 0);
    QCOMPARE(mode.count(), 1);
    QCOMPARE(mode.at(0).at(0).toInt(), 2);
    QCOMPARE(settingsValue(QStringLiteral("userSelectSpeedType")), QStringLiteral("0"));
    QCOMPARE(settingsValue(QStringLiteral("userSelectPlayModelType")), QStringLiteral("2"));
    QCOMPARE(settingsValue(QStringLiteral("userSelectMapTyp")), QStringLiteral("1"));
}

void TestAppManager::loadLanguageStoresAndKeepsChoices()
{
    resetSettings({});
    AppManager manager(QLocale(QLocale::Chinese, QLocale::China));
    manager.loadLanguage(5);
    QCOMPARE(settingsValue(QStringLiteral("ZemkoLanguage")), QStringLiteral("5"));
    QCOMPARE(manager.languageNumber(), 5);
    QCOMPARE(manager.mapType(), 1);
    QCOMPARE(manager.speedUnitType(), 0);
    QCOMPARE(manager.fontFamily(), QStringLiteral("HarmonyOS Sans SC Medium"));
    QVERIFY(capturedMessages.contains(QStringLiteral(
        "languagePathlanguagePathlanguagePath:::: :/Resources/ZemkoPlayer_German.qm")));
    QVERIFY(capturedMessages.contains(QStringLiteral("正在存储的语言类型:::::: 5")));
    // The newest translator answers first.
    QCOMPARE(QCoreApplication::translate("HudView", "German"), QStringLiteral("Deutsch"));
}

void TestAppManager::translationFilesAreCompiledIn()
{
    QCOMPARE(LanguageTable::translationPath(0),
             QStringLiteral(":/Resources/ZemkoPlayer_English.qm"));
    QCOMPARE(LanguageTable::translationPath(20),
             QStringLiteral(":/Resources/ZemkoPlayer_English.qm"));
    for (int number = 1; number <= LanguageTable::count; ++number)
        QVERIFY2(QFile::exists(LanguageTable::translationPath(number)),
                 qPrintable(QString::number(number)));
}

ZEMKO_TEST_WIDGETS_MAIN(TestAppManager)
#include "tst_appmanager.moc"
