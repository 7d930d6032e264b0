#pragma once

#include "PlayObjectState.h"

#include <QList>
#include <QModelIndex>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class CustomView;
class FileModel;
class HudView;
class ListScrollBar;
class LogoWidget;
class MapBridge;
class PlayObject;
class QWebEngineView;
class RoundedDialog;

namespace Ui {
class ZemkoView;
}

// The player's only top-level window: the video area with its transport
// bar and gauges, the map and the playlist.
// The playlist model, its delegate and the three channels have no parent and
// live until the process ends; the channels are released in closeEvent.
class ZemkoView : public QWidget
{
    Q_OBJECT
public:
    explicit ZemkoView(QWidget *parent = nullptr);
    ~ZemkoView() override;

    // Adds files exactly as if they were chosen in the add dialog; false
    // when every one was in the list already (the notice is shown then).
    bool addFiles(const QStringList &chosen);
    // The command line and drops onto the window: added as from the add
    // dialog, and the first row plays even when nothing new was added, since
    // the user asked to see these files.
    void openFiles(const QStringList &paths);
    // How long channel 0 may take to start before the window gives up.
    static constexpr int kOpenTimeoutMs = 6000;

public slots:
    void cleanPlayer();
    void setClearShowTime();
    void setSelectListViewToRow(int row);
    void starPlayNotification();
    void play();
    void rePlay();
    void setURLPlay(QList<QString> list);
    void pause();
    void stop();
    void seek(int seconds);
    void setVolume(int value);
    int getVolume();
    void setSpeed(double speed);
    double getSpeed();
    void resizeButtonIcons(int typeSize, int playSize);
    void sliderPressed();
    void sliderReleased();
    void setLogImageSize();
    void playbackStateChangeSlots(PlayObjectState state);
    void durationChangedSlots(qint64 duration);
    void positionChangedSlots(qint64 progress);
    void displayErrorMessageSlots();
    void postDeletRow(int row);
    void on_splitter_splitterMoved(int pos, int index);
    void on_addFiles_clicked();
    void on_addFilesTop_clicked();
    void updateDurationInfo(qint64 currentInfo);
    void changeAllState(bool enabled);
    void changePassButtonState();
    void rangeChanged(int min, int max);
    void checkScrollBarScroll(int value);
    void on_listRowView_clicked(const QModelIndex &index);
    void on_deleteAllFiles_clicked();
    void on_fullButton_clicked();
    void on_previousButton_clicked();
    void on_nextButton_clicked();
    void on_playButton_clicked();
    void on_previousFrameButton_clicked();
    void on_nextFrameButton_clicked();
    void on_ChangeRenderView_clicked();
    void on_SetAction_clicked();
    void on_HelpAction_clicked();
    void on_sortButton_clicked();
    void on_slider_sliderMoved(int position);
    void on_soundButton_clicked();
    void on_zoomButton_clicked();
    void on_playSpeedButton_clicked();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

    // The desktop's multi-file open dialog; replaceable in tests.
    virtual QStringList chooseMediaFiles(const QString &startDirectory);

private:
    void firstLayout();
    void createWebView();
    void createChannels();
    HudView *showHint(const QString &title, const QString &text, int page, const QString &action);
    void applySplitterStyle(int pos);
    void setFullScreenMode(bool enter);
    // The full-window overlay a transport pop-up lives in, and its placement
    // above the button that opened it.
    CustomView *toolOverlay();
    void showToolHud(QWidget *hud, QWidget *button, bool centred);
    // Opens the row step rows away from the selected one, if there is one.
    void stepRow(int step);
    void changePlayMode();
    void stopForRemoval();
    void openingTimedOut();
    void showMissingFilePrompt();
    void showMapRestartPrompt(int type);
    QList<QWidget *> transportControls() const;

    std::unique_ptr<Ui::ZemkoView> ui;
    ListScrollBar *listScrollBar = nullptr;
    FileModel *fileModel = nullptr;
    QWebEngineView *webView = nullptr;
    int playState = 7;
    qint64 durationMs = 0;
    int currentSecond = 0;
    QString currentName;
    QString currentPath;
    bool wasMaximized = false;
    QList<PlayObject *> players;
    int splitterPos = 250;
    int channelCount = 1;
    int layoutIndex = 0;
    LogoWidget *logoWidget = nullptr;
    double logoScale = 3.0;
    // Owns the playing recording's media record, the last heading and the
    // last marker second.
    std::unique_ptr<MapBridge> mapBridge;
    // The user holds the seek slider (also after a click on its groove).
    bool sliderHeld = false;
    // Channel 0 has neither played nor failed since the last setURLPlay.
    QTimer openTimeout;
};
