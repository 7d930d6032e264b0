#pragma once

#include "PlayObjectState.h"
#include "VideoDataPSL.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

struct libvlc_instance_t;
struct libvlc_media_player_t;
struct libvlc_event_manager_t;
struct libvlc_event_t;

// One playback channel: a libvlc player that decodes into our own buffers and
// hands every picture to a video view as a queued updateTexture2D.
//
// Threads: all public functions run on the GUI thread. libvlc calls the static
// callbacks on its own threads; they touch only the frame buffers (under the
// frame mutex) and atomics, and talk to the GUI through queued signals.
// Teardown (release() or the destructor): detach the events, remove the video
// callbacks, stop the player (which joins libvlc's decoder and video threads),
// then free it; after that no libvlc thread can reach this object.
class PlayObject : public QObject
{
    Q_OBJECT
public:
    // Answers the picture size of a file (from the record store or the media
    // probe); an invalid size when it is unknown.
    using SizeProvider = std::function<QSize(const QString &path)>;
    // Answers the folder snapshots are written to.
    using FolderProvider = std::function<QString()>;

    // parent is ignored: channels live without a parent as long as the main
    // window. extraVlcArguments are added to the instance arguments, e.g.
    // quietVlcArguments() where there is no sound server.
    PlayObject(QObject *parent, int channelIndex,
               const QStringList &extraVlcArguments = QStringList());
    ~PlayObject() override;

    // "--quiet" and the dummy audio output: for test machines and CI.
    static QStringList quietVlcArguments();

    void setSizeProvider(SizeProvider provider);
    void setSnapshotFolderProvider(FolderProvider provider);

    void setIdle(bool idle);
    bool isIdle() const { return m_idle; }
    void setMedia(const QString &path);
    QString mediaPath() const { return m_mediaPath; }
    void play();
    void pause();
    void replay();
    void seek(int ms);
    void setRate(double rate);
    double rate() const;
    void setVolume(int volume);
    int volume() const;
    bool isMuted() const;
    void stop();
    void release();
    bool hasPlayer() const { return m_player != nullptr; }
    void takeSnapshot(const std::function<void(bool success, const QString &path)> &callback);

    // The size negotiated with libvlc for the current media (0 x 0 before).
    QSize videoSize() const;
    // Pictures decoded into our buffers, and those not handed on because the
    // GUI thread had not yet taken the previous ones.
    quint64 framesDecoded() const { return m_framesDecoded; }
    quint64 framesSkipped() const { return m_framesSkipped; }

signals:
    void stateChanged(PlayObjectState state);
    void durationChanged(qint64 duration);
    void positionChanged(qint64 progress);
    void displayErrorMessage();
    void updateTexture2D(VideoDataPSL data);
    void initTexture(int width, int height, float rate);
    void cleanLayer();

private:
    struct InstanceDeleter
    {
        void operator()(libvlc_instance_t *instance) const;
    };
    struct PlayerDeleter
    {
        void operator()(libvlc_media_player_t *player) const;
    };

    static void libvlcEventChange(const libvlc_event_t *event, void *userData);
    static void *lock_callback(void *opaque, void **p_pixels);
    static void unlock_callback(void *opaque, void *id, void *const *p_pixels);
    static void display_callback(void *opaque, void *id);
    static unsigned videoFrameFormatCallback(void **opaque, char *chroma, unsigned *width,
                                             unsigned *height, unsigned *pitches, unsigned *lines);
    static void videoFrameCleanBack(void *opaque);

    void attachEvents(bool attach);
    void handleEvent(const libvlc_event_t *event);
    unsigned negotiateFormat(char *chroma, unsigned *width, unsigned *height, unsigned *pitches,
                             unsigned *lines);
    void *lockFrame(void **pixels);
    void deliverFrame(void *frame);
    void restartCurrentMedia();
    bool controllable() const;

    bool m_idle = false;
    QString m_mediaPath;
    SizeProvider m_sizeProvider;
    FolderProvider m_snapshotFolderProvider;

    // Guards the plane buffers between lock and unlock callbacks. The
    // planes take the pictures no pool set is free for.
    QMutex m_frameMutex;
    QByteArray m_planes[3];
    std::atomic<int> m_videoWidth {0};
    std::atomic<int> m_videoHeight {0};
    std::atomic<bool> m_fullRange {false};
    // The size the store or the probe announced, for media where libvlc
    // cannot tell the visible size (MPEG-TS).
    std::atomic<int> m_knownWidth {0};
    std::atomic<int> m_knownHeight {0};
    std::atomic<PlayObjectState> m_lastState {Ready};

    // Plane sets libvlc copies pictures into and the view is handed, reused
    // once no queued signal and no view holds them any more: one copy and no
    // 3 MB allocation per picture, and at most this many pictures in flight.
    // Used on libvlc's video thread only.
    static constexpr int kFramePoolSize = 4;
    std::array<std::array<QByteArray, 3>, kFramePoolSize> m_framePool;
    std::atomic<quint64> m_framesDecoded {0};
    std::atomic<quint64> m_framesSkipped {0};

    // Declared in this order so the player goes before the instance.
    std::unique_ptr<libvlc_instance_t, InstanceDeleter> m_instance;
    std::unique_ptr<libvlc_media_player_t, PlayerDeleter> m_player;
    libvlc_event_manager_t *m_eventManager = nullptr;
};
