#include "ZemkoView.h"

#include "ui_ZemkoView.h"

#include "AboutView.h"
#include "AppManager.h"
#include "ApplyFontToChildren.h"
#include "CustomListView.h"
#include "CustomView.h"
#include "DbModel.h"
#include "FileDelegate.h"
#include "FileModel.h"
#include "FileUtils.h"
#include "HudView.h"
#include "ListScrollBar.h"
#include "LogoWidget.h"
#include "MapBridge.h"
#include "MediaProbe.h"
#include "PlayObject.h"
#include "PlaybackRules.h"
#include "PlaylistIntake.h"
#include "RecordStore.h"
#include "RoundedDialog.h"
#include "ScopedTransaction.h"
#include "SettingsValue.h"
#include "ToolHud.h"
#include "VideoMessage.h"
#include "VideoRender.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cmath>

namespace {

QSize storedPictureSize(const QString &path)
{
    QSize size;
    RecordStore::instance().selectRecord(
        RecordStore::RecordTable, 0, {{QStringLiteral("path"), path}}, {},
        [&size](VideoMessage &record, bool found) {
            if (found)
                size = QSize(record.width.toInt(), record.height.toInt());
        });
    if (size.isValid() && !size.isEmpty())
        return size;
    VideoMessage probed;
    if (MediaProbe::probe(path, probed).opened)
        size = QSize(probed.width.toInt(), probed.height.toInt());
    return size;
}

QString splitterStyle(const QString &image, const QString &background)
{
    return QStringLiteral("QSplitter::handle { border-image: none; image: url(%1); "
                          "background-color: %2; }")
        .arg(image, background);
}

QStringList droppedFiles(const QMimeData *data)
{
    QStringList paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return PlaylistIntake::mediaFiles(paths);
}

} // namespace

ZemkoView::ZemkoView(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ZemkoView>())
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentIndex(0);

    const int soundSpacerHeight = ui->horizontalSpacer_sound->sizeHint().height();
    ui->horizontalSpacer_sound->changeSize(5, soundSpacerHeight);
    const int zoomSpacerHeight = ui->horizontalSpacer_zoom->sizeHint().height();
    ui->horizontalSpacer_zoom->changeSize(5, zoomSpacerHeight);

    AppManager::instance()->setMainView(this);
    installEventFilter(this);
    ui->messageBottom->setAttribute(Qt::WA_TransparentForMouseEvents);
    setWindowFlags(Qt::Window);
    setWindowTitle(QStringLiteral("ZEMKO Player"));
    setAcceptDrops(true);

    listScrollBar = new ListScrollBar(this);
    ui->listRowView->setVerticalScrollBar(listScrollBar);
    ui->listRowView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(listScrollBar, &QScrollBar::valueChanged, this, &ZemkoView::checkScrollBarScroll);
    connect(listScrollBar, &QScrollBar::rangeChanged, this, &ZemkoView::rangeChanged);

    QTimer::singleShot(0, this, &ZemkoView::firstLayout);

    ui->stackedWidget->setCurrentIndex(0);
    createWebView();

    PlaylistPreferences preferences;
    preferences.sortOrder = [] {
        return settingsValue(QStringLiteral("userselectListSort")).toInt();
    };
    preferences.playMode = [] {
        return AppManager::instance()->playModelType();
    };
    fileModel = new FileModel(RecordStore::instance(), preferences);
    ui->listRowView->setModel(fileModel);
    auto *delegate = new FileDelegate();
    ui->listRowView->setItemDelegate(delegate);
    connect(delegate, &FileDelegate::postDeletRow, this, &ZemkoView::postDeletRow);

    ui->RenderView->setControlView(ui->PlayTool);
    createChannels();

    connect(AppManager::instance(), &AppManager::changeSpeedUnitType, this,
            [this](int type) { ui->speedView->setSpeedUnit(type); });
    connect(AppManager::instance(), &AppManager::changePlayModelType, this,
            &ZemkoView::changePlayMode);

    logoWidget = new LogoWidget(this);

    connect(ui->slider, &VideoSlider::pslsliderPressed, this, &ZemkoView::sliderPressed);
    connect(ui->slider, &VideoSlider::pslsliderReleased, this, &ZemkoView::sliderReleased);

    // A channel that never reports playing or an error must not leave the
    // window disabled for good.
    openTimeout.setSingleShot(true);
    openTimeout.setInterval(kOpenTimeoutMs);
    connect(&openTimeout, &QTimer::timeout, this, &ZemkoView::openingTimedOut);

    applyFontToChildren(this);
    updateGeometry();
}

ZemkoView::~ZemkoView() = default;

void ZemkoView::createWebView()
{
    webView = new QWebEngineView(this);
    webView->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    connect(webView, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (ok) {
            qDebug().noquote() << "地图加载完成";
            // A recording opened while the page was loading lost its track.
            starPlayNotification();
        } else
            qDebug().noquote() << "loadFinished地图加载失败:::" << webView->url().toString();
    });
    connect(webView, &QWebEngineView::urlChanged, this,
            [](const QUrl &url) { qDebug().noquote() << "地图URL改变:" << url.path(); });
    connect(webView, &QWebEngineView::loadProgress, this, [](int percent) {
        qDebug().noquote() << "地图加载进度：" << QString::number(percent) + QLatin1Char('%');
    });
    connect(webView, &QWebEngineView::loadStarted, this,
            [] { qDebug().noquote() << "地图开始加载"; });
    ui->horizontalLayout_7->addWidget(webView);

    const int mapType = AppManager::instance()->mapType();
    const QString page
        = mapType == 1 ? QStringLiteral("baidu_map.html") : QStringLiteral("google_map.html");
    webView->load(QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                      + QStringLiteral("/Html/") + page));

    mapBridge = std::make_unique<MapBridge>(
        mapType,
        [this](const QString &script) {
            if (!script.isEmpty())
                webView->page()->runJavaScript(script);
        },
        ui->speedView, ui->compassView, ui->stackedWidget);
}

void ZemkoView::createChannels()
{
    for (int i = 0; i < MainRenderView::kViewCount; ++i) {
        auto *player = new PlayObject(nullptr, i);
        player->setSizeProvider(storedPictureSize);
        player->setSnapshotFolderProvider(
            [] { return settingsValue(QStringLiteral("saveFilePath")); });
        VideoRender *view = ui->RenderView->channelView(i);
        connect(player, &PlayObject::initTexture, view, &VideoRender::initTexture);
        connect(player, &PlayObject::updateTexture2D, view, &VideoRender::updateTexture2D);
        connect(player, &PlayObject::cleanLayer, view, &VideoRender::closeTexture2D);
        if (i == 0) {
            connect(player, &PlayObject::durationChanged, this, &ZemkoView::durationChangedSlots);
            connect(player, &PlayObject::positionChanged, this, &ZemkoView::positionChangedSlots);
            connect(player, &PlayObject::displayErrorMessage, this,
                    &ZemkoView::displayErrorMessageSlots);
            connect(player, &PlayObject::stateChanged, this, &ZemkoView::playbackStateChangeSlots);
        }
        players.append(player);
    }
}

void ZemkoView::firstLayout()
{
    const int mapMinimum = ui->mapView->minimumHeight();
    ui->splitter->setSizes({mapMinimum, ui->leftView->height() - mapMinimum});
    qDebug() << "ffffffffff:::" << ui->rightView->width();
    qDebug() << "ffffffffff1:::" << ui->leftView->height();
    qDebug() << "ffffffffff2:::" << ui->RenderView->width();
    qDebug() << "ffffffffff3:::" << ui->messageView->height();
    qDebug() << "ffffffffff4:::" << ui->topView->height();
    qDebug() << "ffffffffff5:::" << ui->mapView->height();
    ui->listView->setMinimumHeight(ui->messageView->height());
    ui->RenderView->setMainControlView(ui->PlayTool);
    ui->PlayTool->setFixedWidth(ui->RenderView->mainViewWidth());
    setLogImageSize();
}

void ZemkoView::setLogImageSize()
{
    const float width = ui->RenderView->width();
    const float height = ui->RenderView->height();
    const float top = ui->topView->height();
    const float logoWidth = width / static_cast<float>(logoScale);
    const float logoHeight = logoWidth / 5.13f;
    const float x = (width - logoWidth) * 0.5f;
    const float y = top + (height - logoHeight) * 0.5f;
    logoWidget->setGeometry(static_cast<int>(x), static_cast<int>(y), static_cast<int>(logoWidth),
                            static_cast<int>(logoHeight));
}

// ---- window events ----

void ZemkoView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double ratio = static_cast<double>(event->size().width()) / event->oldSize().width();
    const int handleWidth = static_cast<int>(std::min(10 * std::max(ratio, 1.0), 15.0));
    ui->PlayTool->setFixedWidth(ui->RenderView->mainViewWidth());
    ui->splitter->setHandleWidth(handleWidth);
    ui->listView->setMinimumHeight(ui->messageView->height());
    setLogImageSize();
    ui->splitter->setStyleSheet(
        splitterStyle(QStringLiteral(":/Resources/down.png"), QStringLiteral("#171d23")));
    starPlayNotification();
}

void ZemkoView::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (isFullScreen())
        return;
    ui->messageBottom->setFixedWidth(ui->RenderView->width());
    ui->messageBottom->setFixedHeight(std::min(ui->messageView->height(), 300));
}

void ZemkoView::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    const QList<RoundedDialog *> dialogs = findChildren<RoundedDialog *>();
    for (RoundedDialog *dialog : dialogs) {
        if (dialog->objectName() == QLatin1String("RoundedDialog")) {
            dialog->close();
            break;
        }
    }
}

void ZemkoView::mouseReleaseEvent(QMouseEvent *) { }

void ZemkoView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        setWindowTitle(QStringLiteral("ZEMKO Player"));
        applyFontToChildren(this);
    }
    QWidget::changeEvent(event);
}

void ZemkoView::closeEvent(QCloseEvent *event)
{
    qDebug().noquote() << "手动关闭播放器";
    openTimeout.stop();
    cleanPlayer();
    settingsValue(QStringLiteral("mainWindowSize"), size(), true);
    event->accept();
}

bool ZemkoView::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(object, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    qDebug() << "ffffeventFiltereventFilterfffffffffff:::" << key;
    if (key == Qt::Key_Escape) {
        if (isFullScreen() && ui->messageView->isHidden()) {
            ui->fullButton->setChecked(false);
            setFullScreenMode(false);
        }
    } else if (key == Qt::Key_Space) {
        if (playState == PlayObjectState::Playing)
            pause();
        else if (playState == PlayObjectState::Paused)
            play();
    }
    return true;
}

void ZemkoView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ZemkoView::dropEvent(QDropEvent *event)
{
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(paths);
}

// ---- layout ----

void ZemkoView::applySplitterStyle(int pos)
{
    if (pos < ui->RenderView->height() - ui->splitter->handleWidth()) {
        ui->splitter->setStyleSheet(
            splitterStyle(QStringLiteral(":/Resources/down.png"), QStringLiteral("#171d23")));
    } else if (ui->stackedWidget->currentIndex() == 1) {
        ui->splitter->setStyleSheet(splitterStyle(QStringLiteral(":/Resources/up.png"),
                                                  QStringLiteral("rgb(241, 239, 234)")));
    } else {
        ui->splitter->setStyleSheet(
            splitterStyle(QStringLiteral(":/Resources/up.png"), QStringLiteral("#2f3944")));
    }
}

void ZemkoView::on_splitter_splitterMoved(int pos, int index)
{
    Q_UNUSED(index)
    splitterPos = pos;
    starPlayNotification();
    applySplitterStyle(pos);
}

void ZemkoView::on_fullButton_clicked()
{
    setFullScreenMode(!ui->messageView->isHidden());
}

void ZemkoView::setFullScreenMode(bool enter)
{
    if (enter) {
        ui->messageView->hide();
        ui->topView->hide();
        ui->rightView->hide();
        wasMaximized = isMaximized();
        showFullScreen();
        ui->RenderView->setChannelCount(channelCount);
        layoutIndex = 0;
        ui->PlayTool->setOpaque(true);
        ui->PlayTool->setParent(ui->RenderView);
        const QRect screen = QApplication::primaryScreen()->geometry();
        ui->PlayTool->setMinimumSize(0, 0);
        ui->PlayTool->setGeometry(0, screen.height() - 120, screen.width(), 120);
        ui->PlayTool->setFixedSize(screen.width(), 120);
        ui->PlayToolLayout->setContentsMargins(0, 0, 0, 60);
        ui->controllButtonViewLayout->setSpacing(60);
        ui->PlayTool->show();
        ui->PlayTool->hide();
        return;
    }
    if (wasMaximized)
        showMaximized();
    else
        showNormal();
    ui->messageView->show();
    ui->topView->show();
    ui->rightView->show();
    ui->PlayTool->setOpaque(false);
    ui->PlayTool->setParent(ui->messageView);
    ui->PlayTool->setGeometry(0, 0, ui->messageView->width(), 75);
    ui->PlayTool->setFixedSize(ui->messageView->width(), 75);
    ui->PlayToolLayout->setContentsMargins(0, 0, 0, 0);
    ui->controllButtonViewLayout->setSpacing(15);
    ui->PlayTool->show();
    setLogImageSize();
}

void ZemkoView::changePassButtonState()
{
    const QList<QWidget *> buttons
        = {ui->cutImage, ui->sortButton,  ui->deleteAllFiles, ui->saveButton, ui->ChangeRenderView,
           ui->addFiles, ui->addFilesTop, ui->HelpAction,     ui->SetAction};
    for (QWidget *button : buttons)
        button->setAttribute(Qt::WA_UnderMouse, false);
}

HudView *ZemkoView::showHint(const QString &title, const QString &text, int page,
                             const QString &action)
{
    auto *dialog = new RoundedDialog(this);
    auto *hud = new HudView(title, text, page, action, dialog);
    connect(hud, &HudView::hudClosed, dialog, &QDialog::close);
    dialog->setContentWidget(hud);
    dialog->show();
    return hud;
}

// ---- adding and removing files ----

QStringList ZemkoView::chooseMediaFiles(const QString &startDirectory)
{
    return QFileDialog::getOpenFileNames(this, QString(), startDirectory,
                                         QStringLiteral("*.mp4 *.mov *.ts"));
}

void ZemkoView::on_addFilesTop_clicked()
{
    on_addFiles_clicked();
}

void ZemkoView::on_addFiles_clicked()
{
    changePassButtonState();
    if (playState != 7) {
        for (PlayObject *player : qAsConst(players))
            player->pause();
    }
    ui->addFiles->setEnabled(false);
    ui->addFilesTop->setEnabled(false);
    const QString lastOpenPath = settingsValue(QStringLiteral("lastOpenPath"));
    ui->addFiles->setEnabled(true);
    ui->addFilesTop->setEnabled(true);
    const QStringList chosen = chooseMediaFiles(lastOpenPath);
    if (!chosen.isEmpty())
        addFiles(chosen);
}

void ZemkoView::openFiles(const QStringList &paths)
{
    if (!addFiles(paths))
        setSelectListViewToRow(0);
}

bool ZemkoView::addFiles(const QStringList &chosen)
{
    QStringList paths;
    RecordStore::instance().selectRows(RecordStore::PlaylistTable, 0, {}, {QStringLiteral("time")},
                                       [&](const QList<DbModel *> &rows, bool) {
                                           qDebug().noquote()
                                               << "数据库取出的个数：" << rows.size();
                                           paths = PlaylistIntake::newPaths(chosen, rows);
                                       });
    if (paths.isEmpty()) {
        showHint(tr("addFile_Title"), tr("selectFilesAdded"), 1, QString());
        return false;
    }
    const QDateTime now = QDateTime::currentDateTime();
    settingsValue(QStringLiteral("lastOpenPath"), QFileInfo(paths.first()).absolutePath(), true);
    qDebug().noquote() << "添加文件开始：：："
                       << "number::" << paths.size();
    {
        // All rows of one addition, or none of them.
        ScopedTransaction transaction(RecordStore::instance());
        for (const QString &path : qAsConst(paths)) {
            DbModel row = PlaylistIntake::rowFor(path, now);
            row.save();
        }
        transaction.commit();
    }
    qDebug().noquote() << "文件添加完成";
    fileModel->loadFromStore();
    fileModel->loadNextBatch();
    setSelectListViewToRow(0);
    return true;
}

void ZemkoView::stopForRemoval()
{
    stop();
    ui->RenderView->clearViews();
    mapBridge->clearRecord();
    setClearShowTime();
}

void ZemkoView::postDeletRow(int row)
{
    qDebug().noquote() << "删除单行:" << row;
    const QModelIndexList selected = ui->listRowView->selectionModel()->selectedRows();
    if (selected.isEmpty() || selected.first().row() != row || playState == 7) {
        fileModel->removeRow(row);
        return;
    }
    stopForRemoval();
    logoWidget->show();
    fileModel->removeRow(row);
    ui->listRowView->clearSelection();
}

void ZemkoView::on_deleteAllFiles_clicked()
{
    changePassButtonState();
    if (fileModel->rowCount() == 0)
        return;
    HudView *hud = showHint(tr("delete_All_Files"), tr("sure_Delete_All_Files"), 0,
                            QStringLiteral("deldetAllFilesAction"));
    hud->setConfirmText(tr("delete"));
    connect(hud, &HudView::postDeleteAllFiles, this, [this] {
        if (playState != 7) {
            stopForRemoval();
            ui->listRowView->clearSelection();
        }
        fileModel->removeRow(-1);
        logoWidget->show();
    });
}

void ZemkoView::showMissingFilePrompt()
{
    stop();
    ui->RenderView->clearViews();
    logoWidget->show();
    HudView *hud = showHint(tr("Tips"), tr("selectFilesRemove_DeleteAllFile"), 0,
                            QStringLiteral("deldetAllFilesAction"));
    hud->setConfirmText(tr("delete"));
    QPointer<HudView> guard(hud);
    connect(hud, &HudView::postDeleteAllFiles, this, [this, guard] {
        if (!guard)
            return;
        ui->listRowView->clearSelection();
        fileModel->removeRow(-1);
    });
}

void ZemkoView::on_sortButton_clicked()
{
    changePassButtonState();
    HudView *hud = showHint(QString(), QString(), 4, QString());
    connect(hud, &HudView::postSortListAction, this, [this](int sortType) {
        settingsValue(QStringLiteral("userselectListSort"), QString::number(sortType), true);
        qDebug().noquote() << "排序选择：：：" << sortType;
        fileModel->loadFromStore();
        fileModel->loadNextBatch();
        if (playState != 7)
            setSelectListViewToRow(0);
    });
}

void ZemkoView::checkScrollBarScroll(int value)
{
    if (value >= listScrollBar->maximum() - 10)
        fileModel->loadNextBatch();
}

void ZemkoView::rangeChanged(int min, int max)
{
    Q_UNUSED(min)
    if (max == 0)
        fileModel->loadNextBatch();
}

// ---- opening and playing ----

void ZemkoView::on_listRowView_clicked(const QModelIndex &index)
{
    setClearShowTime();
    const PlaylistEntry entry = fileModel->entryAt(index);
    currentName = entry.fileName;
    currentPath = entry.path;
    qDebug().noquote() << "选中的行是:" << entry.path;
    setURLPlay(fileModel->siblingFiles(entry.path, entry.pairingName));
}

void ZemkoView::setSelectListViewToRow(int row)
{
    const QModelIndex index = fileModel->index(row, 0);
    if (!index.isValid())
        return;
    ui->listRowView->setCurrentIndex(index);
    on_listRowView_clicked(index);
}

void ZemkoView::setURLPlay(QList<QString> list)
{
    playState = 7;
    pause();
    const int count = list.size();
    if (count == 0) {
        showMissingFilePrompt();
    } else {
        setEnabled(false);
        openTimeout.start();
        const QList<VideoRender *> views = ui->RenderView->views();
        for (VideoRender *view : views)
            view->hide();
        ui->RenderView->setChannelCount(std::max(1, count));
        for (int i = 0; i < MainRenderView::kViewCount; ++i)
            ui->RenderView->channelView(i)->setVisible(i < count);
    }
    channelCount = std::max(1, count);
    layoutIndex = 0;
    for (int i = 0; i < players.size(); ++i) {
        players.at(i)->setIdle(i >= count);
        if (i < count)
            players.at(i)->setMedia(list.at(i));
    }
}

void ZemkoView::openingTimedOut()
{
    qDebug().noquote() << "播放超时:" << currentPath;
    stop();
    ui->RenderView->clearViews();
    logoWidget->show();
    setEnabled(true);
    showHint(tr("Tips"), tr("playFile_Failed"), 1, QString());
}

void ZemkoView::playbackStateChangeSlots(PlayObjectState state)
{
    const bool opening = playState == 7;
    playState = state;
    switch (state) {
    case PlayObjectState::Ready:
        qDebug().noquote() << "准备妥当可以播放:";
        break;
    case PlayObjectState::Playing:
        openTimeout.stop();
        setEnabled(true);
        changeAllState(true);
        logoWidget->hide();
        qDebug().noquote() << "开始播放";
        break;
    case PlayObjectState::Paused:
        qDebug().noquote() << "播放暂停";
        break;
    case PlayObjectState::Stopped:
        qDebug().noquote() << "播放停止";
        break;
    case PlayObjectState::Error:
        ui->slider->setEnabled(false);
        setEnabled(true);
        qDebug().noquote() << "播放错误";
        if (opening && openTimeout.isActive()) {
            openTimeout.stop();
            openingTimedOut();
        }
        break;
    case PlayObjectState::FastForward:
        qDebug().noquote() << "播放快进";
        break;
    case PlayObjectState::Ended:
        qDebug().noquote() << "播放结束";
        break;
    }
    ui->playButton->setChecked(state == PlayObjectState::Playing);
}

void ZemkoView::displayErrorMessageSlots()
{
    qDebug().noquote() << "播放错误";
    // A file channel 0 cannot open reports only this; do not wait for the
    // time-out to tell the user.
    if (playState == 7 && openTimeout.isActive()) {
        openTimeout.stop();
        openingTimedOut();
    }
}

void ZemkoView::durationChangedSlots(qint64 duration)
{
    durationMs = duration;
    ui->slider->setMaximum(static_cast<int>(duration));
    qDebug().noquote() << "播放时长:" << duration;
    mapBridge->prepare(currentPath);
    on_splitter_splitterMoved(splitterPos, 1);
}

void ZemkoView::starPlayNotification()
{
    // Resizes during construction come before the map exists.
    if (mapBridge)
        mapBridge->drawTrack();
}

void ZemkoView::positionChangedSlots(qint64 progress)
{
    if (!ui->slider->isSliderDown() && !sliderHeld)
        updateDurationInfo(progress);
}

void ZemkoView::updateDurationInfo(qint64 currentInfo)
{
    const qint64 shown = PlaybackRules::shownPosition(currentInfo, durationMs);
    ui->slider->setValue(static_cast<int>(shown));
    currentSecond = static_cast<int>(shown / 1000);
    ui->starLabel->setText(PlaybackRules::timeText(shown));
    ui->endLabel->setText(PlaybackRules::timeText(durationMs));
    mapBridge->follow(currentSecond);
}

void ZemkoView::setClearShowTime()
{
    changeAllState(false);
    ui->starLabel->setText(QStringLiteral("00:00"));
    ui->endLabel->setText(QStringLiteral("00:00"));
    ui->slider->setValue(0);
    ui->speedView->setCurrentSpeed(QStringLiteral("0"));
    ui->speedView->setTrackSummary(QStringLiteral("0"), 0, QStringLiteral("0"));
    mapBridge->setLastHeading(0);
    ui->compassView->setHeading(0);
}

QList<QWidget *> ZemkoView::transportControls() const
{
    return {ui->cutImage,       ui->ChangeRenderView,    ui->saveButton, ui->sortButton,
            ui->slider,         ui->soundButton,         ui->zoomButton, ui->playSpeedButton,
            ui->previousButton, ui->previousFrameButton, ui->playButton, ui->nextFrameButton,
            ui->nextButton,     ui->fullButton};
}

void ZemkoView::changeAllState(bool enabled)
{
    const QList<QWidget *> controls = transportControls();
    for (QWidget *control : controls) {
        control->setEnabled(enabled);
        control->setFocusPolicy(Qt::NoFocus);
    }
    const QList<QWidget *> others
        = {ui->SetAction, ui->HelpAction, ui->addFilesTop, ui->addFiles, ui->deleteAllFiles};
    for (QWidget *other : others)
        other->setFocusPolicy(Qt::NoFocus);
}

void ZemkoView::play()
{
    for (PlayObject *player : qAsConst(players))
        player->play();
}

void ZemkoView::pause()
{
    for (PlayObject *player : qAsConst(players))
        player->pause();
}

void ZemkoView::stop()
{
    for (PlayObject *player : qAsConst(players))
        player->stop();
}

void ZemkoView::rePlay()
{
    playState = 7;
    for (PlayObject *player : qAsConst(players))
        player->replay();
}

void ZemkoView::cleanPlayer()
{
    for (PlayObject *player : qAsConst(players))
        player->release();
}

void ZemkoView::seek(int seconds)
{
    for (PlayObject *player : qAsConst(players))
        player->seek(seconds);
}

void ZemkoView::setSpeed(double speed)
{
    for (PlayObject *player : qAsConst(players))
        player->setRate(speed);
}

double ZemkoView::getSpeed()
{
    return players.first()->rate();
}

void ZemkoView::setVolume(int value)
{
    players.first()->setVolume(value);
}

int ZemkoView::getVolume()
{
    return players.first()->volume();
}

void ZemkoView::resizeButtonIcons(int typeSize, int playSize)
{
    Q_UNUSED(typeSize)
    Q_UNUSED(playSize)
}

void ZemkoView::sliderPressed()
{
    qDebug() << "111111111111111111111";
    sliderHeld = true;
    pause();
}

void ZemkoView::sliderReleased()
{
    sliderHeld = false;
    qDebug() << "seekUser:" << ui->slider->value();
    seek(PlaybackRules::seekTarget(ui->slider->value(), ui->slider->maximum()));
    if (playState != PlayObjectState::Ended)
        play();
}

void ZemkoView::on_slider_sliderMoved(int position)
{
    updateDurationInfo(position);
}

void ZemkoView::on_playButton_clicked()
{
    if (ui->playButton->isChecked()) {
        if (playState == PlayObjectState::Ended) {
            setClearShowTime();
            playState = 7;
            for (PlayObject *player : qAsConst(players))
                player->replay();
            qDebug().noquote() << "点击后需要播放2";
        } else {
            qDebug().noquote() << "点击后需要播放1";
            play();
        }
        qDebug().noquote() << "点击后需要播放";
    } else {
        pause();
        qDebug().noquote() << "点击后需要暂停";
    }
}

void ZemkoView::on_nextButton_clicked()
{
    stepRow(1);
}

void ZemkoView::on_previousButton_clicked()
{
    stepRow(-1);
}

void ZemkoView::stepRow(int step)
{
    const QModelIndexList selected = ui->listRowView->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row() + step;
    if (row < 0 || row >= fileModel->rowCount()) {
        qDebug().noquote() << (step > 0 ? "需要提示，已经是最后一个了"
                                        : "需要提示，已经是第一个了");
        return;
    }
    const QModelIndex index = fileModel->index(row, 0);
    ui->listRowView->setCurrentIndex(index);
    ui->listRowView->selectionModel()->select(index, QItemSelectionModel::Select);
    on_listRowView_clicked(index);
}

void ZemkoView::on_previousFrameButton_clicked() { }

void ZemkoView::on_nextFrameButton_clicked() { }

// ---- transport pop-ups ----

CustomView *ZemkoView::toolOverlay()
{
    auto *overlay = new CustomView(this);
    overlay->setGeometry(0, 0, width(), height());
    return overlay;
}

void ZemkoView::showToolHud(QWidget *hud, QWidget *button, bool centred)
{
    auto *overlay = qobject_cast<CustomView *>(hud->parentWidget());
    const int x = button->mapTo(this, QPoint(0, 0)).x()
        - (centred ? (hud->width() - button->width()) / 2 : 0);
    const int y = isFullScreen()
        ? frameGeometry().bottom() - ui->PlayTool->height() - hud->height() - 5
        : height() - ui->messageView->height() - hud->height() - 5;
    hud->move(x, y);
    overlay->setContentWidget(hud);
    overlay->show();
}

void ZemkoView::on_playSpeedButton_clicked()
{
    CustomView *overlay = toolOverlay();
    auto *hud = new ToolHud(1, PlaybackRules::speedHudValue(getSpeed()), overlay);
    hud->setFixedSize(50, 120);
    connect(hud, &ToolHud::postChange, this, [this, overlay](int value) {
        const double rate = PlaybackRules::speedForChoice(value);
        if (rate > 0) {
            setSpeed(rate);
            ui->playSpeedButton->setText(PlaybackRules::speedCaption(value));
        }
        overlay->close();
    });
    connect(overlay, &CustomView::hudClosed, this,
            [this] { ui->playSpeedButton->setChecked(false); });
    showToolHud(hud, ui->playSpeedButton, true);
}

void ZemkoView::on_soundButton_clicked()
{
    CustomView *overlay = toolOverlay();
    auto *hud = new ToolHud(0, getVolume(), overlay);
    hud->setFixedSize(ui->soundButton->width(), 120);
    connect(hud, &ToolHud::hudClosed, overlay, &QDialog::close);
    connect(hud, &ToolHud::postChange, this, [this](int value) {
        ui->soundButton->setIcon(QIcon(value != 0 ? QStringLiteral(":/Resources/soundOn.png")
                                                  : QStringLiteral(":/Resources/soundOFF.png")));
        players.first()->setVolume(value);
    });
    showToolHud(hud, ui->soundButton, false);
}

void ZemkoView::on_zoomButton_clicked()
{
    CustomView *overlay = toolOverlay();
    auto *hud = new ToolHud(0, ui->RenderView->zoomLevel(), overlay);
    hud->setFixedSize(ui->zoomButton->width(), 120);
    connect(hud, &ToolHud::hudClosed, this, [this, overlay] {
        setFocus();
        overlay->close();
    });
    connect(hud, &ToolHud::postChange, this,
            [this](int level) { ui->RenderView->applyZoomLevel(level); });
    showToolHud(hud, ui->zoomButton, false);
}

void ZemkoView::on_ChangeRenderView_clicked()
{
    changePassButtonState();
    layoutIndex = PlaybackRules::nextLayoutIndex(layoutIndex, channelCount);
    if (channelCount > 1)
        ui->RenderView->showChannel(channelCount, layoutIndex);
}

void ZemkoView::changePlayMode()
{
    if (logoWidget->isHidden())
        setURLPlay(fileModel->siblingFiles(currentPath, normalizeChannelName(currentName)));
}

// ---- settings and help ----

void ZemkoView::on_SetAction_clicked()
{
    changePassButtonState();
    HudView *hud = showHint(QString(), QString(), 2, QString());
    connect(hud, &HudView::postMapTypeChange, this, [this](int type) {
        QTimer::singleShot(100, this, [this, type] { showMapRestartPrompt(type); });
    });
}

void ZemkoView::showMapRestartPrompt(int type)
{
    HudView *hud = showHint(tr("select_Map", "选择地图"),
                            tr("selectMap_Need_closePlayer", "切换地图需重启播放器生效"), 0,
                            QStringLiteral("mapAction"));
    hud->setConfirmText(tr("OK", "确定"));
    hud->setMapChoice(type);
}

void ZemkoView::on_HelpAction_clicked()
{
    changePassButtonState();
    setEnabled(false);
    auto *menu = new AboutView(nullptr, ui->HelpAction);
    connect(menu, &AboutView::postTopButton, this, [this](int item) {
        if (item != 4)
            return;
        QTimer::singleShot(100, this, [this] {
            const QString title = tr("ZEMKO_Apbout_Player") + QStringLiteral("  V")
                + AppManager::instance()->version();
            const QString text = QStringLiteral("%1<br><br>%2<br>%3<br>%4")
                                     .arg(tr("aboutTextContent1"), tr("aboutTextContent2"),
                                          tr("aboutTextContent3"), tr("aboutTextContent4"));
            showHint(title, text, 3, QString());
        });
    });
    connect(menu, &AboutView::hudClosed, this, [this] {
        setEnabled(true);
        ui->HelpAction->setChecked(false);
    });
    menu->show();
}
