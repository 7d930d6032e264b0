#pragma once

#include <QThread>

class FileModel;
struct ThumbnailJob;

// Makes the playlist's thumbnails with the external transcoder, one process
// per picture, on its own thread. It shares only the model's job queue.
// The model owns the worker and outlives it: the model's destructor stops
// and waits for it.
class PSLSubThread : public QThread
{
    Q_OBJECT
public:
    // Longest time one transcoder run may take.
    static constexpr int transcoderTimeoutMs = 30000;

    explicit PSLSubThread(FileModel *model, QObject *parent = nullptr);
    ~PSLSubThread() override;

protected:
    void run() override;

private:
    void makeThumbnail(const ThumbnailJob &job);
    // True when the transcoder ran to a normal end.
    bool runTranscoder(const QStringList &arguments, const QString &mediaPath);

    FileModel *m_model;
};

// Requests interruption of the thread, then quits its event loop.
void stopWorker(QThread *thread);
