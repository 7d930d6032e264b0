#include "PlayObject.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <vlc/vlc.h>

#include <cstring>
#include <vector>

namespace {

constexpr libvlc_event_e kPlayerEvents[] = {
    libvlc_MediaPlayerTimeChanged,     libvlc_MediaPlayerPositionChanged,
    libvlc_MediaPlayerLengthChanged,   libvlc_MediaPlayerMediaChanged,
    libvlc_MediaPlayerPlaying,         libvlc_MediaPlayerPaused,
    libvlc_MediaPlayerStopped,         libvlc_MediaPlayerEncounteredError,
    libvlc_MediaPlayerSeekableChanged, libvlc_MediaPlayerEndReached,
};

struct MediaDeleter
{
    void operator()(libvlc_media_t *media) const { libvlc_media_release(media); }
};
using MediaPtr = std::unique_ptr<libvlc_media_t, MediaDeleter>;

// Hardware decoding is requested on every platform; libvlc falls back to
// software decoding by itself when the request cannot be met.
const char *hardwareDecodingOption()
{
#ifdef Q_OS_WIN
    return "avcodec-hw=d3d11va";
#else
    return "avcodec-hw=any";
#endif
}

PlayObject *self(void *opaque)
{
    return static_cast<PlayObject *>(opaque);
}

QString vlcError()
{
    const char *message = libvlc_errmsg();
    return message ? QString::fromUtf8(message) : QString();
}

} // namespace

void PlayObject::InstanceDeleter::operator()(libvlc_instance_t *instance) const
{
    libvlc_release(instance);
}

void PlayObject::PlayerDeleter::operator()(libvlc_media_player_t *player) const
{
    libvlc_media_player_release(player);
}

PlayObject::PlayObject(QObject *parent, int channelIndex, const QStringList &extraVlcArguments)
    : QObject(nullptr)
{
    Q_UNUSED(parent)
    qRegisterMetaType<PlayObjectState>("PlayObjectState");
    qRegisterMetaType<VideoDataPSL>("VideoDataPSL");
    qDebug().noquote() << "使用vlc播放";

    QStringList arguments;
    if (channelIndex == 0)
        arguments << QStringLiteral("--no-snapshot-preview") << QStringLiteral("--no-osd");
    else
        // One decoder thread each: the other channels run beside the main
        // one on the same cores, and every frame thread keeps its own
        // pictures (about 40 MB at 1080p).
        arguments << QStringLiteral("--no-audio") << QStringLiteral("--avcodec-threads=1");
    arguments << extraVlcArguments;
    std::vector<QByteArray> encoded;
    std::vector<const char *> argv;
    for (const QString &argument : qAsConst(arguments))
        encoded.push_back(argument.toUtf8());
    for (const QByteArray &argument : encoded)
        argv.push_back(argument.constData());

    m_instance.reset(libvlc_new(int(argv.size()), argv.data()));
    if (!m_instance) {
        qDebug().noquote() << "libvlc_new failed:" << vlcError();
        return;
    }
    m_player.reset(libvlc_media_player_new(m_instance.get()));
    if (!m_player) {
        qDebug().noquote() << "libvlc_media_player_new failed:" << vlcError();
        return;
    }
    m_eventManager = libvlc_media_player_event_manager(m_player.get());
    attachEvents(true);
    libvlc_video_set_format_callbacks(m_player.get(), &PlayObject::videoFrameFormatCallback,
                                      &PlayObject::videoFrameCleanBack);
    libvlc_video_set_callbacks(m_player.get(), &PlayObject::lock_callback,
                               &PlayObject::unlock_callback, &PlayObject::display_callback, this);
    libvlc_video_set_mouse_input(m_player.get(), 0);
    libvlc_video_set_key_input(m_player.get(), 0);
}

PlayObject::~PlayObject()
{
    qDebug().noquote() << "PlayObject close--------------------" << this;
    // libvlc's threads hold this object as their opaque pointer: they must be
    // stopped before it goes.
    release();
}

QStringList PlayObject::quietVlcArguments()
{
    return {QStringLiteral("--quiet"), QStringLiteral("--aout=adummy")};
}

void PlayObject::setSizeProvider(SizeProvider provider)
{
    m_sizeProvider = std::move(provider);
}

void PlayObject::setSnapshotFolderProvider(FolderProvider provider)
{
    m_snapshotFolderProvider = std::move(provider);
}

void PlayObject::attachEvents(bool attach)
{
    if (!m_eventManager)
        return;
    for (libvlc_event_e type : kPlayerEvents) {
        if (attach)
            libvlc_event_attach(m_eventManager, type, &PlayObject::libvlcEventChange, this);
        else
            libvlc_event_detach(m_eventManager, type, &PlayObject::libvlcEventChange, this);
    }
}

bool PlayObject::controllable() const
{
    return !m_idle && m_player;
}

void PlayObject::setIdle(bool idle)
{
    m_idle = idle;
}

void PlayObject::setMedia(const QString &path)
{
    m_mediaPath = path;
    if (!m_player) {
        qDebug().noquote() << "setMedia without a player:" << path;
        return;
    }
    MediaPtr media(libvlc_media_new_path(m_instance.get(),
                                         QDir::toNativeSeparators(path).toUtf8().constData()));
    if (!media) {
        qDebug().noquote() << "libvlc_media_new_path failed:" << path << vlcError();
        return;
    }
    libvlc_media_add_option(media.get(), hardwareDecodingOption());
    libvlc_media_add_option(media.get(), "--no-xlib");
    libvlc_media_player_set_media(m_player.get(), media.get());
    media.reset();

    const QSize size = m_sizeProvider ? m_sizeProvider(path) : QSize();
    const int width = qMax(0, size.width());
    const int height = qMax(0, size.height());
    m_knownWidth = width;
    m_knownHeight = height;
    m_lastState = Ready;
    // Sent synchronously so a directly connected view is sized before libvlc
    // can deliver the first picture.
    emit initTexture(width, height, 1.0f);

    if (!m_idle)
        libvlc_media_player_play(m_player.get());
}

void PlayObject::play()
{
    if (controllable())
        libvlc_media_player_play(m_player.get());
}

void PlayObject::pause()
{
    if (controllable() && libvlc_media_player_get_state(m_player.get()) == libvlc_Playing)
        libvlc_media_player_set_pause(m_player.get(), 1);
}

void PlayObject::restartCurrentMedia()
{
    MediaPtr media(libvlc_media_player_get_media(m_player.get()));
    if (!media)
        return;
    libvlc_media_player_set_media(m_player.get(), media.get());
    libvlc_media_player_play(m_player.get());
}

void PlayObject::replay()
{
    if (controllable())
        restartCurrentMedia();
}

void PlayObject::seek(int ms)
{
    if (!controllable())
        return;
    const libvlc_state_t state = libvlc_media_player_get_state(m_player.get());
    if (state == libvlc_Stopped || state == libvlc_Ended)
        restartCurrentMedia();
    libvlc_media_player_set_time(m_player.get(), ms);
}

void PlayObject::setRate(double rate)
{
    if (controllable())
        libvlc_media_player_set_rate(m_player.get(), float(rate));
}

double PlayObject::rate() const
{
    return m_player ? double(libvlc_media_player_get_rate(m_player.get())) : 1.0;
}

void PlayObject::setVolume(int volume)
{
    if (!controllable())
        return;
    if (volume < 0) {
        libvlc_audio_set_mute(m_player.get(), 1);
        return;
    }
    libvlc_audio_set_mute(m_player.get(), 0);
    libvlc_audio_set_volume(m_player.get(), volume);
}

int PlayObject::volume() const
{
    return m_player ? libvlc_audio_get_volume(m_player.get()) : -1;
}

bool PlayObject::isMuted() const
{
    return m_player && libvlc_audio_get_mute(m_player.get()) == 1;
}

void PlayObject::stop()
{
    if (controllable())
        libvlc_media_player_stop(m_player.get());
}

void PlayObject::release()
{
    if (!m_player)
        return;
    emit cleanLayer();
    // Order matters: once the events are detached no event callback is
    // running or will run; stopping joins the decoder and video threads, so
    // no picture callback can follow; only then is the player freed.
    attachEvents(false);
    m_eventManager = nullptr;
    libvlc_media_player_set_xwindow(m_player.get(), 0);
    libvlc_video_set_format_callbacks(m_player.get(), nullptr, nullptr);
    libvlc_video_set_callbacks(m_player.get(), nullptr, nullptr, nullptr, nullptr);
    libvlc_media_player_stop(m_player.get());
    m_player.reset();
    qDebug().noquote() << "销毁vlc";
}

QSize PlayObject::videoSize() const
{
    return QSize(m_videoWidth, m_videoHeight);
}

void PlayObject::takeSnapshot(const std::function<void(bool, const QString &)> &callback)
{
    if (m_mediaPath.isEmpty())
        return;
    const QString fileName = QFileInfo(m_mediaPath).baseName() + QLatin1Char('_')
        + QDateTime::currentDateTime().toString(QStringLiteral("hhmmsszzz"))
        + QStringLiteral(".png");
    const QString folder = m_snapshotFolderProvider ? m_snapshotFolderProvider() : QString();
    const QString path = folder + QLatin1Char('/') + fileName;
    qDebug().noquote() << "截图文件地址::" << path;
    if (folder.isEmpty() || !m_player) {
        qDebug().noquote() << "snapshot refused: no folder or no player";
        if (callback)
            callback(false, path);
        return;
    }
    const int result = libvlc_video_take_snapshot(
        m_player.get(), 0, QDir::toNativeSeparators(path).toUtf8().constData(),
        unsigned(m_videoWidth.load()), unsigned(m_videoHeight.load()));
    if (callback)
        callback(result >= 0, path);
}

void PlayObject::libvlcEventChange(const libvlc_event_t *event, void *userData)
{
    self(userData)->handleEvent(event);
}

// Runs on a libvlc thread while libvlc holds its event lock. It reads only
// what the event carries: calling back into the player from here can
// deadlock against a stop on the GUI thread.
void PlayObject::handleEvent(const libvlc_event_t *event)
{
    switch (event->type) {
    case libvlc_MediaPlayerMediaChanged:
        qDebug().noquote() << "libvlcEventChange :libvlc_MediaPlayerMediaChanged";
        break;
    case libvlc_MediaPlayerPlaying:
        qDebug().noquote() << "libvlcEventChange :playing_" << this;
        m_lastState = Playing;
        emit stateChanged(Playing);
        break;
    case libvlc_MediaPlayerPaused:
        qDebug().noquote() << "libvlcEventChange :Paused";
        m_lastState = Paused;
        emit stateChanged(Paused);
        break;
    case libvlc_MediaPlayerStopped:
        // The end of a media is reported once, as Ended.
        if (m_lastState == Ended)
            break;
        qDebug().noquote() << "libvlcEventChange :Stopped";
        m_lastState = Stopped;
        emit stateChanged(Stopped);
        break;
    case libvlc_MediaPlayerEndReached:
        qDebug().noquote() << "libvlcEventChange :play finish";
        m_lastState = Ended;
        emit stateChanged(Ended);
        break;
    case libvlc_MediaPlayerEncounteredError:
        qDebug().noquote() << "libvlcEventChange :Error";
        emit displayErrorMessage();
        break;
    case libvlc_MediaPlayerTimeChanged:
        // libvlc sends TimeChanged right after every PositionChanged, with the
        // time that libvlc_media_player_get_time would answer.
        emit positionChanged(event->u.media_player_time_changed.new_time);
        break;
    case libvlc_MediaPlayerSeekableChanged:
        qDebug().noquote() << "libvlcEventChange :seek_" << this;
        break;
    case libvlc_MediaPlayerLengthChanged:
        qDebug().noquote() << "libvlcEventChange :duration_"
                           << event->u.media_player_length_changed.new_length;
        emit durationChanged(event->u.media_player_length_changed.new_length);
        break;
    default:
        break;
    }
}

unsigned PlayObject::videoFrameFormatCallback(void **opaque, char *chroma, unsigned *width,
                                              unsigned *height, unsigned *pitches, unsigned *lines)
{
    if (!opaque || !*opaque)
        return 0;
    return self(*opaque)->negotiateFormat(chroma, width, height, pitches, lines);
}

// Runs on libvlc's video thread before the first picture of a media.
unsigned PlayObject::negotiateFormat(char *chroma, unsigned *width, unsigned *height,
                                     unsigned *pitches, unsigned *lines)
{
    if (!chroma || !width || !height || !pitches || !lines)
        return 0;
    qDebug().noquote() << "videoFrameFormatCallback_chroma"
                       << "chroma:" << QString::fromLatin1(chroma, 4) << "width:" << *width
                       << "height:" << *height << "pitches:" << pitches[0] << "," << pitches[1]
                       << "," << pitches[2] << "lines:" << lines[0] << "," << lines[1] << ","
                       << lines[2];
    // Only planar 4:2:0; refusing the hardware chromas makes libvlc offer
    // the software one next.
    const bool fullRange = std::memcmp(chroma, "J420", 4) == 0;
    if (!fullRange && std::memcmp(chroma, "I420", 4) != 0)
        return 0;

    // The proposed size is the decoder's padded size; answering it would
    // show the padding or make libvlc rescale, so answer the visible size.
    // libvlc cannot tell it for MPEG-TS: then the store's or probe's size
    // serves, and the padded size is the last resort.
    unsigned visibleWidth = 0;
    unsigned visibleHeight = 0;
    if (libvlc_video_get_size(m_player.get(), 0, &visibleWidth, &visibleHeight) != 0
        || visibleWidth == 0 || visibleHeight == 0) {
        visibleWidth = unsigned(m_knownWidth.load());
        visibleHeight = unsigned(m_knownHeight.load());
    }
    if (visibleWidth == 0 || visibleHeight == 0) {
        qDebug().noquote() << "videoFrameFormatCallback: visible size unknown, using" << *width
                           << "x" << *height;
        visibleWidth = *width;
        visibleHeight = *height;
    }
    if (visibleWidth == 0 || visibleHeight == 0)
        return 0;
    qDebug().noquote() << "ddddddddddddddddddfff::" << visibleHeight;

    {
        QMutexLocker locker(&m_frameMutex);
        m_planes[0].resize(int(visibleWidth * visibleHeight));
        m_planes[1].resize(int((visibleWidth / 2) * (visibleHeight / 2)));
        m_planes[2].resize(int((visibleWidth / 2) * (visibleHeight / 2)));
        m_videoWidth = int(visibleWidth);
        m_videoHeight = int(visibleHeight);
        m_fullRange = fullRange;
    }

    // The chroma is answered as proposed: answering "J420" for an "I420"
    // picture makes libvlc convert its range on the way.
    *width = visibleWidth;
    *height = visibleHeight;
    pitches[0] = visibleWidth;
    pitches[1] = pitches[2] = visibleWidth / 2;
    lines[0] = visibleHeight;
    lines[1] = lines[2] = visibleHeight / 2;
    return 3;
}

void PlayObject::videoFrameCleanBack(void *opaque)
{
    Q_UNUSED(opaque)
    qDebug().noquote() << "videoFrameCleanBack";
}

void *PlayObject::lock_callback(void *opaque, void **p_pixels)
{
    return self(opaque)->lockFrame(p_pixels);
}

void PlayObject::unlock_callback(void *opaque, void *id, void *const *p_pixels)
{
    Q_UNUSED(p_pixels)
    self(opaque)->deliverFrame(id);
}

void PlayObject::display_callback(void *opaque, void *id)
{
    Q_UNUSED(opaque)
    Q_UNUSED(id)
}

// Runs on libvlc's video thread before it copies a picture: the picture goes
// straight into a set nobody else holds. When the GUI thread falls behind
// there is none, and the picture lands in the scratch planes and is skipped
// instead of piling up in memory.
void *PlayObject::lockFrame(void **pixels)
{
    QMutexLocker locker(&m_frameMutex);
    std::array<QByteArray, 3> *set = nullptr;
    for (std::array<QByteArray, 3> &candidate : m_framePool) {
        if (candidate[0].isNull()
            || (candidate[0].isDetached() && candidate[1].isDetached()
                && candidate[2].isDetached())) {
            set = &candidate;
            break;
        }
    }
    for (int plane = 0; plane < 3; ++plane) {
        QByteArray &buffer = set ? (*set)[size_t(plane)] : m_planes[plane];
        buffer.resize(m_planes[plane].size());
        pixels[plane] = buffer.data();
    }
    return set;
}

// Runs on libvlc's video thread after a picture was copied into the set
// lockFrame handed out.
void PlayObject::deliverFrame(void *frame)
{
    ++m_framesDecoded;
    auto *set = static_cast<std::array<QByteArray, 3> *>(frame);
    if (!set) {
        ++m_framesSkipped;
        return;
    }
    // The pool lives on this thread; sharing the set needs no lock.
    VideoDataPSL data;
    for (int plane = 0; plane < 3; ++plane)
        data.planes[plane] = (*set)[size_t(plane)];
    data.width = m_videoWidth;
    data.height = m_videoHeight;
    data.fullRange = m_fullRange;
    emit updateTexture2D(data);
}
