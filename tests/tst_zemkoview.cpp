#include "AppManager.h"
#include "DbModel.h"
#include "GpsFixtures.h"
#include "HudView.h"
#include "LanguageTable.h"
#include "LogCapture.h"
#include "RecordStore.h"
#include "SettingsValue.h"
#include "TestEnvironment.h"
#include "ToolHud.h"
#include "VideoRender.h"
#include "ZemkoView.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>
#include <QTranslator>

namespace {

// The add dialog, answered by the test.
class TestWindow : public ZemkoView
{
public:
    QStringList answer;
    QString askedFolder;

protected:
    QStringList chooseMediaFiles(const QString &startDirectory) override
    {
        askedFolder = startDirectory;
        return answer;
    }
};

QString clipPath(const QString &name)
{
    return QDir(zemko::testRoot()).filePath(name);
}

// Clips without sound, so no audio output is needed on the test machine.
QString makeClip(const QString &name, int seconds = 10)
{
    const QString path = clipPath(name);
    if (QFile::exists(path))
        return path;
    gpsfixtures::ClipOptions options;
    options.seconds = seconds;
    QString error;
    if (!gpsfixtures::makeClip(path, options, &error))
        qWarning().noquote() << error;
    return path;
}

template<typename T> T *child(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

int storedRows()
{
    int count = -1;
    RecordStore::instance().selectRows(
        RecordStore::PlaylistTable, 0, {}, {},
        [&count](const QList<DbModel *> &rows, bool) { count = rows.size(); });
    return count;
}

HudView *openHud(QWidget &window)
{
    HudView *hud = nullptr;
    const auto huds = window.findChildren<HudView *>();
    for (HudView *candidate : huds) {
        if (candidate->isVisible())
            hud = candidate;
    }
    return hud;
}

void closeHuds(QWidget &window)
{
    const auto dialogs = window.findChildren<QDialog *>();
    for (QDialog *dialog : dialogs)
        dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestZemkoView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void formStartsIdle();
    void duplicateRuleAndNotice();
    void openingListedFilesPlaysThem();
    void addDialogRemembersFolder();
    void playsFirstRowAndSpaceToggles();
    void removingRows();
    void removeAllConfirmAndCancel();
    void sortChoiceWithoutPlayback();
    void fillsWhileScrolling();
    void unplayableFileRecovers();
    void twoChannelsAndArrangement();
    void playModeChangeReopens();
    void speedPopUpMarksRate_data();
    void speedPopUpMarksRate();
    void settingsPage();
    void fullScreenAndEscape();
    void closeStoresSize();
    void formInEnglish_data();
    void formInEnglish();
    void messageTexts_data();
    void messageTexts();

private:
    void startPlaying(TestWindow &window, const QStringList &files);
    std::unique_ptr<TestWindow> window;
    std::unique_ptr<LogCapture> log;
};

void TestZemkoView::init()
{
    // Each case starts with an empty playlist and the default play mode.
    RecordStore::instance().deleteAll(RecordStore::PlaylistTable);
    RecordStore::instance().deleteAll(RecordStore::RecordTable);
    AppManager::instance()->setPlayModelType(0);
    settingsValue(QStringLiteral("userselectListSort"), QStringLiteral("0"), true);
    log = std::make_unique<LogCapture>();
    window = std::make_unique<TestWindow>();
    window->resize(1280, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestZemkoView::cleanup()
{
    if (window)
        window->close();
    window.reset();
    log.reset();
}

void TestZemkoView::startPlaying(TestWindow &view, const QStringList &files)
{
    view.addFiles(files);
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("开始播放")) > 0, 20000);
    QVERIFY(view.isEnabled());
}

void TestZemkoView::formStartsIdle()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("ZEMKO Player"));
    QVERIFY(window->minimumSize() == QSize(1080, 680));
    QCOMPARE(child<QStackedWidget>(*window, "stackedWidget")->currentIndex(), 0);
    for (const char *name : {"cutImage", "ChangeRenderView", "slider", "soundButton", "zoomButton",
                             "playSpeedButton", "previousButton", "previousFrameButton",
                             "playButton", "nextFrameButton", "nextButton", "fullButton"})
        QVERIFY2(!child<QWidget>(*window, name)->isEnabled(), name);
    QVERIFY(child<QWidget>(*window, "addFiles")->isEnabled());
    QVERIFY(
        child<QWidget>(*window, "messageBottom")->testAttribute(Qt::WA_TransparentForMouseEvents));
    // Space and Escape with nothing open change nothing.
    QTest::keyRelease(window.get(), Qt::Key_Space);
    QTest::keyRelease(window.get(), Qt::Key_Escape);
    QVERIFY(!window->isFullScreen());
    QCOMPARE(log->count(QStringLiteral("播放暂停")), 0);
}

void TestZemkoView::duplicateRuleAndNotice()
{
    const QString a = makeClip(QStringLiteral("20231201120000_F.mp4"));
    window->addFiles({a});
    QCOMPARE(storedRows(), 1);
    closeHuds(*window);
    settingsValue(QStringLiteral("lastOpenPath"), QStringLiteral("/somewhere"), true);

    window->addFiles({a});
    QCOMPARE(storedRows(), 1);
    HudView *notice = openHud(*window);
    QVERIFY(notice);
    QVERIFY(notice->findChild<QAbstractButton *>(QStringLiteral("hintSingleButton"))->isVisible());
    QCOMPARE(settingsValue(QStringLiteral("lastOpenPath")), QStringLiteral("/somewhere"));

    // Same letters in another case: another file on this system.
    const QString upper = makeClip(QStringLiteral("20231201120000_F.MP4"));
    closeHuds(*window);
    window->addFiles({upper, a});
    QCOMPARE(storedRows(), 2);
    QCOMPARE(settingsValue(QStringLiteral("lastOpenPath")), zemko::testRoot());
}

void TestZemkoView::openingListedFilesPlaysThem()
{
    const QString a = makeClip(QStringLiteral("20231201120000_F.mp4"));
    startPlaying(*window, {a});
    const int started = log->count(QStringLiteral("开始播放"));

    // The add dialog only tells that the file is listed already.
    QVERIFY(!window->addFiles({a}));
    QTest::qWait(1000);
    QCOMPARE(log->count(QStringLiteral("开始播放")), started);

    // The command line and drops play it all the same, below the notice.
    closeHuds(*window);
    window->openFiles({a});
    QVERIFY(openHud(*window));
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("开始播放")) > started, 20000);
    QCOMPARE(storedRows(), 1);
}

void TestZemkoView::addDialogRemembersFolder()
{
    settingsValue(QStringLiteral("lastOpenPath"), zemko::testRoot(), true);
    window->answer.clear();
    QTest::mouseClick(child<QAbstractButton>(*window, "addFilesTop"), Qt::LeftButton);
    QCOMPARE(window->askedFolder, zemko::testRoot());
    QCOMPARE(storedRows(), 0);
    QVERIFY(child<QWidget>(*window, "addFiles")->isEnabled());
    QVERIFY(child<QWidget>(*window, "addFilesTop")->isEnabled());
}

void TestZemkoView::playsFirstRowAndSpaceToggles()
{
    const QString old = makeClip(QStringLiteral("20231201100000_F.mp4"));
    window->addFiles({old});
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("开始播放")) > 0, 20000);
    log->clear();
    const QStringList fresh = {makeClip(QStringLiteral("20231201110000_F.mp4")),
                               makeClip(QStringLiteral("20231201090000_F.mp4")),
                               makeClip(QStringLiteral("20231201130000_F.mp4"))};
    window->addFiles(fresh + QStringList {old});
    QCOMPARE(storedRows(), 4);
    // One time value for the whole addition.
    QSet<QString> times;
    RecordStore::instance().selectRows(RecordStore::PlaylistTable, 0, {}, {},
                                       [&times, &old](const QList<DbModel *> &rows, bool) {
                                           for (const DbModel *row : rows) {
                                               if (row->path != old)
                                                   times.insert(row->time);
                                           }
                                       });
    QCOMPARE(times.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("开始播放")) > 0, 20000);
    auto *list = child<QListView>(*window, "listRowView");
    QCOMPARE(list->currentIndex().row(), 0);
    QVERIFY(child<QAbstractButton>(*window, "playButton")->isChecked());
    QVERIFY(child<QWidget>(*window, "slider")->isEnabled());
    QTRY_VERIFY(child<QLabel>(*window, "endLabel")->text() == QStringLiteral("00:10"));

    log->clear();
    QTest::keyRelease(window.get(), Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("播放暂停")) > 0, 5000);
    QTRY_VERIFY(!child<QAbstractButton>(*window, "playButton")->isChecked());
    QTest::keyRelease(window.get(), Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("开始播放")) > 0, 5000);

    // Previous on the first row changes nothing.
    log->clear();
    QTest::mouseClick(child<QAbstractButton>(*window, "previousButton"), Qt::LeftButton);
    QCOMPARE(log->count(QStringLiteral("需要提示，已经是第一个了")), 1);
    QCOMPARE(list->currentIndex().row(), 0);
    QTest::mouseClick(child<QAbstractButton>(*window, "nextButton"), Qt::LeftButton);
    QCOMPARE(list->currentIndex().row(), 1);
    QCOMPARE(log->count(QStringLiteral("选中的行是:")), 1);
}

void TestZemkoView::removingRows()
{
    startPlaying(*window,
                 {makeClip(QStringLiteral("20231201100000_F.mp4")),
                  makeClip(QStringLiteral("20231201110000_F.mp4"))});
    auto *list = child<QListView>(*window, "listRowView");
    const int playing = list->currentIndex().row();
    const int other = 1 - playing;
    auto *logo = window->findChild<QWidget *>(QStringLiteral("LogoWidget"));
    QVERIFY(logo);
    QVERIFY(logo->isHidden());

    log->clear();
    window->postDeletRow(other);
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(storedRows(), 1);
    QVERIFY(logo->isHidden());
    QCOMPARE(log->count(QStringLiteral("播放停止")), 0);

    QTest::qWait(1500);
    window->postDeletRow(0);
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(!logo->isHidden());
    QVERIFY(list->selectionModel()->selectedRows().isEmpty());
    QCOMPARE(child<QLabel>(*window, "starLabel")->text(), QStringLiteral("00:00"));
    QCOMPARE(child<QLabel>(*window, "endLabel")->text(), QStringLiteral("00:00"));
    QCOMPARE(child<QSlider>(*window, "slider")->value(), 0);
    QVERIFY(!child<QWidget>(*window, "playButton")->isEnabled());
}

void TestZemkoView::removeAllConfirmAndCancel()
{
    // An empty list asks nothing.
    QTest::mouseClick(child<QAbstractButton>(*window, "deleteAllFiles"), Qt::LeftButton);
    QVERIFY(!openHud(*window));

    startPlaying(*window, {makeClip(QStringLiteral("20231201100000_F.mp4"))});
    QTest::mouseClick(child<QAbstractButton>(*window, "deleteAllFiles"), Qt::LeftButton);
    HudView *prompt = openHud(*window);
    QVERIFY(prompt);
    prompt->on_hintCancelButton_clicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(storedRows(), 1);

    QTest::mouseClick(child<QAbstractButton>(*window, "deleteAllFiles"), Qt::LeftButton);
    prompt = openHud(*window);
    QVERIFY(prompt);
    prompt->on_hintSourButton_clicked();
    QCOMPARE(storedRows(), 0);
    QCOMPARE(child<QListView>(*window, "listRowView")->model()->rowCount(), 0);
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("LogoWidget"))->isHidden());
}

void TestZemkoView::sortChoiceWithoutPlayback()
{
    // Rows stored directly: nothing is opened by adding them.
    for (const char *name : {"20231201100000_F.mp4", "20231201110000_F.mp4"}) {
        DbModel row;
        row.path = makeClip(QLatin1String(name));
        row.fileName = QLatin1String(name);
        row.time = QStringLiteral("20261210100000000");
        QVERIFY(row.save());
    }
    log->clear();
    QTest::mouseClick(child<QAbstractButton>(*window, "sortButton"), Qt::LeftButton);
    HudView *sortPage = openHud(*window);
    QVERIFY(sortPage);
    sortPage->on_sortButtonTwo_clicked();
    QCOMPARE(settingsValue(QStringLiteral("userselectListSort")), QStringLiteral("2"));
    QCOMPARE(log->count(QStringLiteral("排序选择：：： 2")), 1);
    QCOMPARE(child<QListView>(*window, "listRowView")->model()->rowCount(), 2);
    QCOMPARE(log->count(QStringLiteral("选中的行是:")), 0);
}

void TestZemkoView::fillsWhileScrolling()
{
    for (int i = 0; i < 25; ++i) {
        DbModel row;
        row.path = QStringLiteral("/card/2023120112%1_F.mp4").arg(i, 4, 10, QLatin1Char('0'));
        row.fileName = QFileInfo(row.path).fileName();
        row.time = QStringLiteral("20261210100000000");
        QVERIFY(row.save());
    }
    // A fresh window shows the stored rows batch by batch.
    window.reset();
    window = std::make_unique<TestWindow>();
    window->resize(1280, 800);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *list = child<QListView>(*window, "listRowView");
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
    const int shown = list->model()->rowCount();
    QVERIFY2(shown >= 10 && shown < 25, qPrintable(QString::number(shown)));
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    QTRY_VERIFY(list->model()->rowCount() > shown);
    // The range grows once the view has laid the new rows out.
    for (int i = 0; i < 20 && list->model()->rowCount() < 25; ++i) {
        QTest::qWait(50);
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    }
    QCOMPARE(list->model()->rowCount(), 25);
}

void TestZemkoView::unplayableFileRecovers()
{
    const QString broken = clipPath(QStringLiteral("20231201000000_F.mp4"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    window->addFiles({broken});
    // libvlc may report such a file as played and ended at once; either way
    // the window must not stay disabled.
    QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled(), ZemkoView::kOpenTimeoutMs + 5000);
}

void TestZemkoView::twoChannelsAndArrangement()
{
    AppManager::instance()->setPlayModelType(1);
    startPlaying(*window,
                 {makeClip(QStringLiteral("20231201120000_F.mp4")),
                  makeClip(QStringLiteral("20231201120000_R.mp4"))});
    auto *render = child<QWidget>(*window, "RenderView");
    auto view = [render](int i) {
        return render->findChild<VideoRender *>(QStringLiteral("widget%1").arg(i));
    };
    QVERIFY(view(0)->isVisible());
    QVERIFY(view(1)->isVisible());
    QVERIFY(!view(2)->isVisible());

    auto *change = child<QAbstractButton>(*window, "ChangeRenderView");
    QTest::mouseClick(change, Qt::LeftButton); // channel 0 alone
    QVERIFY(view(0)->isVisible());
    QVERIFY(!view(1)->isVisible());
    QTest::mouseClick(change, Qt::LeftButton); // channel 1 alone
    QVERIFY(!view(0)->isVisible());
    QVERIFY(view(1)->isVisible());
    QTest::mouseClick(change, Qt::LeftButton); // both again
    QVERIFY(view(0)->isVisible());
    QVERIFY(view(1)->isVisible());
}

void TestZemkoView::playModeChangeReopens()
{
    // With nothing open a new play mode has no immediate effect.
    AppManager::instance()->setPlayModelType(1);
    QCOMPARE(log->count(QStringLiteral("开始播放")), 0);

    startPlaying(*window,
                 {makeClip(QStringLiteral("20231201120000_F.mp4")),
                  makeClip(QStringLiteral("20231201120000_R.mp4"))});
    auto *render = child<QWidget>(*window, "RenderView");
    QVERIFY(render->findChild<VideoRender *>(QStringLiteral("widget1"))->isVisible());
    log->clear();
    AppManager::instance()->setPlayModelType(0);
    QVERIFY(!render->findChild<VideoRender *>(QStringLiteral("widget1"))->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(log->count(QStringLiteral("开始播放")) > 0, 20000);
}

void TestZemkoView::speedPopUpMarksRate_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("checked");
    QTest::addRow("at 1X") << 1 << "pushButton";
    QTest::addRow("at 0.5X") << 2 << "pushButton3";
    QTest::addRow("at 2X") << 0 << "pushButton2";
}

void TestZemkoView::speedPopUpMarksRate()
{
    QFETCH(int, first);
    QFETCH(QString, checked);
    startPlaying(*window, {makeClip(QStringLiteral("20231201100000_F.mp4"))});
    auto *speedButton = child<QAbstractButton>(*window, "playSpeedButton");
    auto choose = [&](int choice) {
        QTest::mouseClick(speedButton, Qt::LeftButton);
        ToolHud *hud = window->findChild<ToolHud *>();
        QVERIFY(hud);
        const char *names[] = {"pushButton2", "pushButton", "pushButton3"};
        QTest::mouseClick(hud->findChild<QAbstractButton *>(QLatin1String(names[choice])),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    choose(first);
    QCOMPARE(speedButton->text(), QStringList({"2X", "1X", "0.5X"}).at(first));
    QTest::mouseClick(speedButton, Qt::LeftButton);
    ToolHud *hud = window->findChild<ToolHud *>();
    QVERIFY(hud);
    QVERIFY(hud->findChild<QAbstractButton *>(checked)->isChecked());
    closeHuds(*window);
    QVERIFY(!window->findChild<ToolHud *>());
}

void TestZemkoView::settingsPage()
{
    QTest::mouseClick(child<QAbstractButton>(*window, "SetAction"), Qt::LeftButton);
    HudView *settings = openHud(*window);
    QVERIFY(settings);
    // The map in use: nothing happens, no restart prompt follows.
    if (AppManager::instance()->mapType() == 0)
        settings->on_mapType_clicked();
    else
        settings->on_mapTypeOne_clicked();
    QTest::qWait(300);
    QCOMPARE(window->findChildren<HudView *>().size(), 1);
    QVERIFY(settings->isVisible());

    // The other map: the settings close and the restart prompt follows.
    if (AppManager::instance()->mapType() == 0)
        settings->on_mapTypeOne_clicked();
    else
        settings->on_mapType_clicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(openHud(*window) != nullptr);
    HudView *prompt = openHud(*window);
    QCOMPARE(prompt->mapChoice(), 1 - AppManager::instance()->mapType());
    QVERIFY(prompt->findChild<QAbstractButton *>(QStringLiteral("hintSourButton"))->isVisible());

    // Moving the window closes an open pop-up.
    window->move(window->pos() + QPoint(10, 10));
    QTRY_VERIFY(!openHud(*window));
}

void TestZemkoView::fullScreenAndEscape()
{
    startPlaying(*window, {makeClip(QStringLiteral("20231201100000_F.mp4"))});
    auto *full = child<QAbstractButton>(*window, "fullButton");
    auto *messageView = child<QWidget>(*window, "messageView");
    auto *playTool = child<QWidget>(*window, "PlayTool");
    QTest::mouseClick(full, Qt::LeftButton);
    QVERIFY(full->isChecked());
    QVERIFY(messageView->isHidden());
    QVERIFY(child<QWidget>(*window, "rightView")->isHidden());
    QCOMPARE(playTool->parentWidget(), child<QWidget>(*window, "RenderView"));
    QTRY_VERIFY(window->isFullScreen());

    QTest::keyRelease(window.get(), Qt::Key_Escape);
    QVERIFY(!full->isChecked());
    QVERIFY(!messageView->isHidden());
    QVERIFY(!window->isFullScreen());
    QCOMPARE(playTool->parentWidget(), messageView);
    QCOMPARE(playTool->height(), 75);
}

void TestZemkoView::closeStoresSize()
{
    window->resize(1300, 820);
    QTest::qWait(50);
    window->close();
    QCOMPARE(QSettings(settingsOrganisation(), settingsApplication())
                 .value(QStringLiteral("mainWindowSize"))
                 .toSize(),
             window->size());
    QCOMPARE(log->count(QStringLiteral("手动关闭播放器")), 1);
}

void TestZemkoView::formInEnglish_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("add") << "addFilesTop"
                         << "Add Video" << QString();
    QTest::newRow("list add") << "addFiles"
                              << "Add Video" << QString();
    QTest::newRow("snapshot") << "cutImage"
                              << "Snapshot" << QString();
    QTest::newRow("switch") << "ChangeRenderView"
                            << "Switch" << QString();
    QTest::newRow("settings") << "SetAction"
                              << "Settings" << QString();
    QTest::newRow("help") << "HelpAction"
                          << "Help" << QString();
    QTest::newRow("remove") << "deleteAllFiles"
                            << "Remove" << QString();
    QTest::newRow("save") << "saveButton"
                          << "Save" << QString();
    QTest::newRow("no track") << "mapLable"
                              << "No GPS Data" << QString();
    QTest::newRow("volume") << "soundButton" << QString() << "Volume";
    QTest::newRow("zoom") << "zoomButton" << QString() << "Zoom In/Zoom Out";
    QTest::newRow("speed") << "playSpeedButton"
                           << "1X"
                           << "Playback Speed";
    QTest::newRow("previous") << "previousButton" << QString() << "Previous Video";
    QTest::newRow("previous frame") << "previousFrameButton" << QString() << "Previous Frame";
    QTest::newRow("play") << "playButton" << QString() << "Play/Pause";
    QTest::newRow("next frame") << "nextFrameButton" << QString() << "Next Frame";
    QTest::newRow("next") << "nextButton" << QString() << "Next Video";
    QTest::newRow("full screen") << "fullButton" << QString() << "Fullscreen/Exit Fullscreen";
}

// Switching to English retranslates the running window; the tool tips keep
// their white rich-text form around the translated word.
void TestZemkoView::formInEnglish()
{
    QFETCH(QString, objectName);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QTranslator english;
    QVERIFY(english.load(LanguageTable::translationPath(3)));
    QVERIFY(QCoreApplication::installTranslator(&english));
    auto *widget = window->findChild<QWidget *>(objectName);
    QVERIFY(widget);
    const QString shownText = widget->property("text").toString();
    const QString shownTip = widget->toolTip();
    const QString title = window->windowTitle();
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(shownText, text);
    if (toolTip.isEmpty()) {
        QVERIFY(shownTip.isEmpty());
    } else {
        QVERIFY2(shownTip.contains(QStringLiteral("color:#ffffff;\">") + toolTip + "</span>"),
                 qPrintable(shownTip));
    }
    QCOMPARE(title, QStringLiteral("ZEMKO Player"));
}

void TestZemkoView::messageTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("add title") << "addFile_Title" << QString() << "Please add files"
                               << "请添加文件";
    QTest::newRow("already added")
        << "selectFilesAdded" << QString() << "The selected file has been added"
        << "所选文件已添加";
    QTest::newRow("remove all title") << "delete_All_Files" << QString() << "Delete Files"
                                      << "删除文件";
    QTest::newRow("remove all question")
        << "sure_Delete_All_Files" << QString() << "Do you want to delete all files?"
        << "确定要删除所有文件吗？";
    QTest::newRow("remove") << "delete" << QString() << "Remove"
                            << "删除";
    QTest::newRow("reminder") << "Tips" << QString() << "Reminder"
                              << "提示";
    QTest::newRow("missing file")
        << "selectFilesRemove_DeleteAllFile" << QString()
        << "The file may no longer exist. Do you want to delete all files?"
        << "文件可能已不存在，是否删除所有文件？";
    QTest::newRow("unplayable") << "playFile_Failed" << QString()
                                << "This file could not be played."
                                << "该文件无法播放。";
    QTest::newRow("map title") << "select_Map"
                               << "选择地图"
                               << "Select Map"
                               << "选择地图";
    QTest::newRow("map restart") << "selectMap_Need_closePlayer"
                                 << "切换地图需重启播放器生效"
                                 << "To make the map change take effect, please restart the player"
                                 << "切换地图需重启播放器生效";
    QTest::newRow("ok") << "OK"
                        << "确定"
                        << "OK"
                        << "确定";
    QTest::newRow("about title") << "ZEMKO_Apbout_Player" << QString() << "About Player"
                                 << "关于播放器";
}

// The keys the window passes to tr() resolve in both shipped source
// languages; a key shown to a user would mean a missing or mistyped entry.
void TestZemkoView::messageTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, comment);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    const QByteArray source = key.toUtf8();
    const QByteArray disambiguation = comment.toUtf8();
    const char *note = comment.isEmpty() ? nullptr : disambiguation.constData();
    QTranslator translator;
    QVERIFY(translator.load(LanguageTable::translationPath(3)));
    QCOMPARE(translator.translate("ZemkoView", source.constData(), note), english);
    QVERIFY(translator.load(LanguageTable::translationPath(1)));
    QCOMPARE(translator.translate("ZemkoView", source.constData(), note), chinese);
}

ZEMKO_TEST_WEBENGINE_MAIN(TestZemkoView)
#include "tst_zemkoview.moc"
