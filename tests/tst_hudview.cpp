#include "AppManager.h"
#include "FileManager.h"
#include "HudSizing.h"
#include "HudView.h"
#include "LogCapture.h"
#include "RoundedDialog.h"
#include "SettingsValue.h"
#include "TestEnvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QWheelEvent>

namespace {

// Records what would have gone to the desktop; the bus never answers.
class FakeFileManager : public FileManager
{
public:
    QStringList urls;
    QStringList folders;
    bool busAnswers = false;

protected:
    bool showItemOverDBus(const QString &fileUrl) override
    {
        urls << fileUrl;
        return busAnswers;
    }
    bool openFolder(const QString &folder) override
    {
        folders << folder;
        return true;
    }
};

// A HudView whose folder dialog and restart are scripted.
class ScriptedHud : public HudView
{
public:
    using HudView::HudView;
    QString folderAnswer;
    QStringList folderStarts;
    int restarts = 0;

protected:
    QString chooseFolder(const QString &start) override
    {
        folderStarts << start;
        return folderAnswer;
    }
    void restartApplication() override { ++restarts; }
};

template<typename T = QAbstractButton> T *child(QWidget *hud, const char *name)
{
    T *found = hud->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("missing %s", name);
    return found;
}

} // namespace

class TestHudView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void openingSettingsKeepsLanguage();
    void wheelDoesNotChangeLanguage();
    void mapChoice_data();
    void mapChoice();
    void playModeAndSpeed();
    void sortPageChecks_data();
    void sortPageChecks();
    void sortButtonsEmit();
    void deleteAllAction();
    void savePathAction_data();
    void savePathAction();
    void mapActionStoresAndRestarts();
    void filePathAction_data();
    void filePathAction();
    void messagePageSize();
    void sizingRules_data();
    void sizingRules();
    void languageChangeKeepsCallerTexts();
    void pageScreenshots_data();
    void pageScreenshots();
};

void TestHudView::initTestCase()
{
    // English, set before the process-wide manager reads it.
    settingsValue(QStringLiteral("ZemkoLanguage"), 3, true);
    QCOMPARE(AppManager::instance()->languageNumber(), 3);
}

void TestHudView::openingSettingsKeepsLanguage()
{
    LogCapture log;
    HudView hud(QString(), QString(), 2, QString());
    auto *combo = child<QComboBox>(&hud, "comboBox");
    QCOMPARE(combo->count(), 19);
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(combo->itemText(2), QStringLiteral("English"));
    QCOMPARE(settingsValue(QStringLiteral("ZemkoLanguage")), QStringLiteral("3"));
    QCOMPARE(log.count(QStringLiteral("选择语言：")), 0);

    // Once constructed, a choice is a language change.
    combo->setCurrentIndex(4);
    QCOMPARE(log.count(QStringLiteral("选择语言：")), 1);
    QCOMPARE(AppManager::instance()->languageNumber(), 5);
    combo->setCurrentIndex(2);
    QCOMPARE(AppManager::instance()->languageNumber(), 3);
}

void TestHudView::wheelDoesNotChangeLanguage()
{
    HudView hud(QString(), QString(), 2, QString());
    auto *combo = child<QComboBox>(&hud, "comboBox");
    for (int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPoint(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        QVERIFY(!wheel.isAccepted());
        QCOMPARE(combo->currentIndex(), 2);
    }
}

void TestHudView::mapChoice_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("clicked");
    QTest::addRow("Google in use, Google clicked") << 0 << 0;
    QTest::addRow("Baidu in use, Baidu clicked") << 1 << 1;
    QTest::addRow("Google in use, Baidu clicked") << 0 << 1;
    QTest::addRow("Baidu in use, Google clicked") << 1 << 0;
}

void TestHudView::mapChoice()
{
    QFETCH(int, current);
    QFETCH(int, clicked);
    AppManager::instance()->setMapType(current);
    HudView hud(QString(), QString(), 2, QString());
    hud.show();
    QVERIFY(child(&hud, current == 1 ? "mapTypeOne" : "mapType")->isChecked());
    QSignalSpy changes(&hud, &HudView::postMapTypeChange);
    QSignalSpy closed(&hud, &HudView::hudClosed);
    QTest::mouseClick(child(&hud, clicked == 1 ? "mapTypeOne" : "mapType"), Qt::LeftButton);
    if (clicked == current) {
        QCOMPARE(changes.count(), 0);
        QCOMPARE(closed.count(), 0);
        QVERIFY(hud.isVisible());
    } else {
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toInt(), clicked);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!hud.isVisible());
    }
    // The map only changes through the restart prompt.
    QCOMPARE(AppManager::instance()->mapType(), current);
    AppManager::instance()->setMapType(0);
}

void TestHudView::playModeAndSpeed()
{
    AppManager *manager = AppManager::instance();
    manager->setPlayModelType(0);
    manager->setSpeedUnitType(0);
    HudView hud(QString(), QString(), 2, QString());
    QVERIFY(child(&hud, "playModelOne")->isChecked());
    QVERIFY(child(&hud, "speedButonnKMH")->isChecked());
    QSignalSpy modes(manager, &AppManager::changePlayModelType);
    QSignalSpy speeds(manager, &AppManager::changeSpeedUnitType);

    QTest::mouseClick(child(&hud, "playModelThree"), Qt::LeftButton);
    QCOMPARE(manager->playModelType(), 2);
    QCOMPARE(settingsValue(QStringLiteral("userSelectPlayModelType")), QStringLiteral("2"));
    QTest::mouseClick(child(&hud, "playModelTwo"), Qt::LeftButton);
    QCOMPARE(manager->playModelType(), 1);
    QCOMPARE(modes.count(), 2);
    QVERIFY(!child(&hud, "playModelThree")->isChecked());

    QTest::mouseClick(child(&hud, "speedButonnPMH"), Qt::LeftButton);
    QCOMPARE(manager->speedUnitType(), 1);
    QCOMPARE(speeds.count(), 1);
    QVERIFY(!child(&hud, "speedButonnKMH")->isChecked());

    HudView reopened(QString(), QString(), 2, QString());
    QVERIFY(child(&reopened, "playModelTwo")->isChecked());
    QVERIFY(child(&reopened, "speedButonnPMH")->isChecked());
    manager->setPlayModelType(0);
    manager->setSpeedUnitType(0);
}

void TestHudView::sortPageChecks_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("checked");
    QTest::addRow("1") << QStringLiteral("1") << QStringLiteral("sortButtonOne");
    QTest::addRow("2") << QStringLiteral("2") << QStringLiteral("sortButtonTwo");
    QTest::addRow("3") << QStringLiteral("3") << QStringLiteral("sortButtonThree");
    QTest::addRow("4") << QStringLiteral("4") << QStringLiteral("sortButtonFour");
    QTest::addRow("0") << QStringLiteral("0") << QStringLiteral("sortButtonThree");
    QTest::addRow("none") << QString() << QStringLiteral("sortButtonThree");
}

void TestHudView::sortPageChecks()
{
    QFETCH(QString, stored);
    QFETCH(QString, checked);
    settingsValue(QStringLiteral("userselectListSort"), stored, true);
    HudView hud(QString(), QString(), 4, QString());
    const auto buttons
        = hud.findChildren<QAbstractButton *>(QRegularExpression(QStringLiteral("^sortButton")));
    QCOMPARE(buttons.size(), 4);
    for (QAbstractButton *button : buttons)
        QCOMPARE(button->isChecked(), button->objectName() == checked);
    QVERIFY(hud.width() >= 350);
    QCOMPARE(hud.height(), 200);
}

void TestHudView::sortButtonsEmit()
{
    HudView hud(QString(), QString(), 4, QString());
    QSignalSpy spy(&hud, &HudView::postSortListAction);
    const char *names[] = {"sortButtonOne", "sortButtonTwo", "sortButtonThree", "sortButtonFour"};
    for (const char *name : names)
        QTest::mouseClick(child(&hud, name), Qt::LeftButton);
    QCOMPARE(spy.count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(spy.at(i).first().toInt(), i + 1);
}

void TestHudView::deleteAllAction()
{
    ScriptedHud hud(QString(), QStringLiteral("Delete all?"), 0,
                    QStringLiteral("deldetAllFilesAction"));
    hud.show();
    QSignalSpy deletes(&hud, &HudView::postDeleteAllFiles);
    QSignalSpy closed(&hud, &HudView::hudClosed);
    QTest::mouseClick(child(&hud, "hintCancelButton"), Qt::LeftButton);
    QCOMPARE(deletes.count(), 0);
    QCOMPARE(closed.count(), 1);
    hud.show();
    QTest::mouseClick(child(&hud, "hintSourButton"), Qt::LeftButton);
    QCOMPARE(deletes.count(), 1);
    QCOMPARE(closed.count(), 2);
    QCOMPARE(hud.restarts, 0);
}

void TestHudView::savePathAction_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    const QString chosen = QDir(zemko::testRoot()).filePath(QStringLiteral("快照 folder"));
    QTest::addRow("folder chosen") << chosen << chosen;
    QTest::addRow("dialog cancelled") << QString() << QStringLiteral("/old/snapshots");
}

void TestHudView::savePathAction()
{
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    settingsValue(QStringLiteral("saveFilePath"), QStringLiteral("/old/snapshots"), true);
    LogCapture log;
    ScriptedHud hud(QString(), QString(), 0, QStringLiteral("savePathAction"));
    hud.folderAnswer = answer;
    hud.show();
    QSignalSpy closed(&hud, &HudView::hudClosed);
    QTest::mouseClick(child(&hud, "hintSourButton"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!child(&hud, "hintSourButton")->isEnabled());
    QCOMPARE(hud.folderStarts, QStringList {QStringLiteral("/old/snapshots")});
    QCOMPARE(settingsValue(QStringLiteral("saveFilePath")), stored);
    QCOMPARE(log.count(QStringLiteral("重置保存路径 URL:")), answer.isEmpty() ? 0 : 1);
}

void TestHudView::mapActionStoresAndRestarts()
{
    AppManager::instance()->setMapType(0);
    ScriptedHud hud(QStringLiteral("Select Map"), QStringLiteral("restart"), 0,
                    QStringLiteral("mapAction"));
    hud.setMapChoice(1);
    hud.setConfirmText(QStringLiteral("OK"));
    QCOMPARE(child(&hud, "hintSourButton")->text(), QStringLiteral("OK"));
    QTest::mouseClick(child(&hud, "hintSourButton"), Qt::LeftButton);
    QCOMPARE(hud.restarts, 1);
    QCOMPARE(AppManager::instance()->mapType(), 1);
    QCOMPARE(settingsValue(QStringLiteral("userSelectMapTyp")), QStringLiteral("1"));
    AppManager::instance()->setMapType(0);
}

void TestHudView::filePathAction_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("busAnswers");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("folder");
    const QString path = QStringLiteral("/media/card/行车 记录/Front File.MP4");
    const QString url = QStringLiteral(
        "file:///media/card/%E8%A1%8C%E8%BD%A6%20%E8%AE%B0%E5%BD%95/Front%20File.MP4");
    QTest::addRow("file manager on the bus") << path << true << url << QString();
    QTest::addRow("no file manager: open the folder")
        << path << false << url << QStringLiteral("/media/card/行车 记录");
    QTest::addRow("backslashes stay part of the name")
        << QStringLiteral("/tmp/a\\b.mp4") << false << QStringLiteral("file:///tmp/a%5Cb.mp4")
        << QStringLiteral("/tmp");
}

void TestHudView::filePathAction()
{
    QFETCH(QString, path);
    QFETCH(bool, busAnswers);
    QFETCH(QString, url);
    QFETCH(QString, folder);
    FakeFileManager files;
    files.busAnswers = busAnswers;
    ScriptedHud hud(QString(), QStringLiteral("Saved"), 0, path);
    hud.setFileManager(&files);
    hud.show();
    QSignalSpy closed(&hud, &HudView::hudClosed);
    QTest::mouseClick(child(&hud, "hintSourButton"), Qt::LeftButton);
    QCOMPARE(files.urls, QStringList {url});
    QCOMPARE(files.folders, folder.isEmpty() ? QStringList() : QStringList {folder});
    QCOMPARE(closed.count(), 1);
}

void TestHudView::messagePageSize()
{
    QWidget window;
    window.resize(1000, 700);
    HudView shortMessage(QString(), QStringLiteral("OK?"), 1, QString(), &window);
    HudView longMessage(QString(), QStringLiteral("long words ").repeated(40), 1, QString(),
                        &window);
    auto *browser = child<QWidget>(&longMessage, "textBrowser_1");
    QCOMPARE(browser->width(), 300);
    QCOMPARE(shortMessage.width(), longMessage.width());
    QVERIFY(longMessage.height()
            > shortMessage.height() + 2 * QFontMetrics(browser->font()).height());
    // An empty title is the general reminder.
    QCOMPARE(child<QLabel>(&shortMessage, "hintSingleTitle")->text(), QStringLiteral("Reminder"));
    // Centred on the parent.
    QCOMPARE(longMessage.geometry().center().x(), 500 - (longMessage.width() % 2 ? 0 : 1));
}

void TestHudView::sizingRules_data()
{
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("playModes");
    QTest::addColumn<int>("maps");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("labelColumn");
    QTest::addRow("buttons decide: x 120 > 100") << 100 << 240 << 200 << 390 << 120;
    QTest::addRow("map pair decides") << 100 << 150 << 300 << 480 << 150;
    QTest::addRow("labels decide") << 130 << 240 << 200 << 420 << 130;
    QTest::addRow("x equal to labels: labels") << 120 << 240 << 0 << 390 << 120;
    QTest::addRow("odd half truncated") << 10 << 241 << 0 << 391 << 120;
}

void TestHudView::sizingRules()
{
    QFETCH(int, labels);
    QFETCH(int, playModes);
    QFETCH(int, maps);
    QFETCH(int, width);
    QFETCH(int, labelColumn);
    QCOMPARE(HudSizing::settingsWidth(labels, playModes, maps), width);
    QCOMPARE(HudSizing::settingsLabelColumn(labels, playModes, maps), labelColumn);
    // Sort page: at least 350 wide, always 200 high.
    QCOMPARE(HudSizing::sortSize(100, 150), QSize(350, 200));
    QCOMPARE(HudSizing::sortSize(300, 200), QSize(420, 200));
    QCOMPARE(HudSizing::sortSize(100, 400), QSize(480, 200));
}

// Retranslating the form must not bring back its placeholder texts.
void TestHudView::languageChangeKeepsCallerTexts()
{
    HudView prompt(QStringLiteral("Select Map"), QStringLiteral("Restart?"), 0,
                   QStringLiteral("mapAction"));
    prompt.setConfirmText(QStringLiteral("Restart"));
    HudView settings(QString(), QString(), 2, QString());
    auto *combo = child<QComboBox>(&settings, "comboBox");
    combo->setCurrentIndex(0);
    QCOMPARE(AppManager::instance()->languageNumber(), 1);
    // Widgets hear of the new translator through a posted event.
    QTRY_COMPARE(child<QLabel>(&settings, "label_3")->text(), QStringLiteral("设置"));
    QCOMPARE(child(&prompt, "hintCancelButton")->text(), QStringLiteral("取消"));
    QCOMPARE(child(&prompt, "hintSourButton")->text(), QStringLiteral("Restart"));
    QCOMPARE(child<QLabel>(&prompt, "hintTitle")->text(), QStringLiteral("Select Map"));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(settings.height(), 245);

    combo->setCurrentIndex(2);
    QTRY_COMPARE(child<QLabel>(&settings, "label_3")->text(), QStringLiteral("Settings"));
    QCOMPARE(combo->itemText(2), QStringLiteral("English"));
    QCOMPARE(child(&prompt, "hintSourButton")->text(), QStringLiteral("Restart"));
}

void TestHudView::pageScreenshots_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::addRow("prompt") << 0 << QStringLiteral("Delete all files from the playlist?");
    QTest::addRow("notice") << 1 << QStringLiteral("The file could not be played.");
    QTest::addRow("settings") << 2 << QString();
    QTest::addRow("sort") << 4 << QString();
}

// Each page on its backdrop, saved for a look; no text may be cut off.
void TestHudView::pageScreenshots()
{
    QFETCH(int, page);
    QFETCH(QString, message);
    QWidget window;
    window.resize(1000, 700);
    window.setStyleSheet(QStringLiteral("background-color: #1e252c;"));
    auto *veil = new RoundedDialog(&window);
    auto *hud = new HudView(QString(), message, page, QString(), veil);
    veil->setContentWidget(hud);
    window.show();
    veil->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString folder = qEnvironmentVariable("ZEMKO_SCREENSHOT_DIR", zemko::testRoot());
    QVERIFY(
        window.grab().save(QDir(folder).filePath(QStringLiteral("hudview-page%1.png").arg(page))));
    if (page == 2)
        QCOMPARE(hud->height(), 245);
    for (QAbstractButton *button : hud->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(hud) && !button->text().isEmpty())
            QVERIFY2(button->width() >= button->sizeHint().width(),
                     qPrintable(button->objectName()));
    }
}

ZEMKO_TEST_WIDGETS_MAIN(TestHudView)
#include "tst_hudview.moc"
