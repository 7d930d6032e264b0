#pragma once

#include "PlaylistEntry.h"
#include "PlaylistPreferences.h"
#include "ThumbnailJob.h"

#include <QAbstractListModel>
#include <QList>
#include <QMutex>
#include <QVector>
#include <QWaitCondition>

#include <memory>
#include <optional>

class DbModel;
class PSLSubThread;
class RecordStore;

// The playlist: every stored row in the user's order, shown to the view in
// batches of ten, with thumbnails made by a worker thread.
// Threads: everything runs on the GUI thread except takeJob() and
// thumbnailReady(), which the worker calls. The lock guards the job queue and
// the shown list; it is never held while the model announces a change, since
// views and testers call data() from their handlers.
class FileModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        ThumbnailRole = Qt::DecorationRole,
        FileNameRole = Qt::EditRole,
        SizeRole = Qt::StatusTipRole,
        TimeRole = 30
    };
    static constexpr int batchSize = 10;

    // On the process-wide store; the owner supplies the user's choices.
    explicit FileModel(QObject *parent = nullptr);
    FileModel(RecordStore &store, PlaylistPreferences preferences, QObject *parent = nullptr);
    // Stops the worker (a running transcoder is ended) and waits for it.
    ~FileModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Replaces every row from the store, sorted by the sort setting; shows none.
    void loadFromStore();
    // Shows up to ten more rows and queues their missing thumbnails.
    void loadNextBatch();
    // Removes a shown row from the model and both tables (every stored row of
    // that path), or with -1 every row, which also restarts the worker.
    void removeRow(int row);
    // The clicked file first, then up to the play mode's number of other
    // shown channel files of the same recording, ascending by path.
    QStringList siblingFiles(const QString &path, const QString &pairingName) const;
    // The picture of mediaPath is ready: repaints row when it still shows
    // that file, else the row that now shows it, else nothing. Any thread.
    void thumbnailReady(int row, const QString &mediaPath);
    PlaylistEntry entryAt(const QModelIndex &index) const;

    Q_INVOKABLE QString getOtherFileName(const QString &originalString) const;
    Q_INVOKABLE void sortListData(QList<DbModel *> &allListData, const QString &sortCriteria,
                                  bool ascending);

    // Worker side: waits for a job; empty when the worker was asked to stop.
    std::optional<ThumbnailJob> takeJob(const QThread &worker);

    int storedRowCount() const { return m_allRows.size(); }

private:
    void repaintThumbnail(int row, const QString &mediaPath);
    void clearRows();

    RecordStore &m_store;
    PlaylistPreferences m_preferences;
    mutable QMutex m_lock;
    QList<ThumbnailJob> m_jobs;
    QWaitCondition m_jobReady;
    QList<DbModel *> m_allRows; // owned
    QVector<PlaylistEntry> m_shown; // always a prefix of m_allRows
    std::unique_ptr<PSLSubThread> m_worker;
};
