#include "FileModel.h"

#include "CmdModel.h"
#include "DbModel.h"
#include "FileUtils.h"
#include "PSLSubThread.h"
#include "RecordStore.h"
#include "ScopedTransaction.h"

#include <QDebug>
#include <QMutexLocker>

#include <algorithm>

namespace {

int provided(const std::function<int()> &provider)
{
    return provider ? provider() : 0;
}

QString pairingPrefix(const QString &pairingName)
{
    return pairingName.size() < 14 ? QString() : pairingName.left(14);
}

} // namespace

FileModel::FileModel(QObject *parent)
    : FileModel(RecordStore::instance(), PlaylistPreferences(), parent)
{
}

FileModel::FileModel(RecordStore &store, PlaylistPreferences preferences, QObject *parent)
    : QAbstractListModel(parent)
    , m_store(store)
    , m_preferences(std::move(preferences))
{
    loadFromStore();
    m_worker = std::make_unique<PSLSubThread>(this);
    loadNextBatch();
    m_worker->start(QThread::InheritPriority);
    // Removing every row stops the worker; it comes back for the jobs left.
    connect(m_worker.get(), &QThread::finished, this,
            [this] { m_worker->start(QThread::InheritPriority); });
}

// Teardown: no restart, stop under the lock (so the worker cannot miss the
// wake-up between its check and its wait), wait, then free the rows.
FileModel::~FileModel()
{
    disconnect(m_worker.get(), nullptr, this, nullptr);
    {
        QMutexLocker locker(&m_lock);
        stopWorker(m_worker.get());
        m_jobReady.wakeOne();
    }
    m_worker->wait();
    m_worker.reset();
    qDeleteAll(m_allRows);
}

int FileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_shown.size();
}

QVariant FileModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid())
        return QVariant();
    QMutexLocker locker(&m_lock);
    if (index.row() >= m_shown.size())
        return QVariant();
    const PlaylistEntry &entry = m_shown.at(index.row());
    switch (role) {
    case ThumbnailRole:
        return entry.thumbnail;
    case FileNameRole:
        return entry.fileName;
    case TimeRole:
        return entry.time;
    case SizeRole:
        return entry.size;
    default:
        return QVariant();
    }
}

void FileModel::clearRows()
{
    QMutexLocker locker(&m_lock);
    qDeleteAll(m_allRows);
    m_allRows.clear();
    m_shown.clear();
}

void FileModel::loadFromStore()
{
    QList<DbModel *> fresh;
    bool read = false;
    m_store.selectRows(RecordStore::PlaylistTable, 0, {}, {QStringLiteral("time")},
                       [&](const QList<DbModel *> &rows, bool ok) {
                           qDebug().noquote() << "初始化获取文件个数：" << rows.size();
                           read = ok;
                           fresh.reserve(rows.size());
                           for (const DbModel *row : rows)
                               fresh << new DbModel(*row);
                       });
    // A store that cannot be read keeps the list as it is rather than
    // showing an empty library until the next start.
    if (!read && !m_allRows.isEmpty()) {
        qDeleteAll(fresh);
        return;
    }
    switch (provided(m_preferences.sortOrder)) {
    case 0:
    case 4:
        sortListData(fresh, QStringLiteral("time"), false);
        break;
    case 1:
        sortListData(fresh, QStringLiteral("fileName"), true);
        break;
    case 2:
        sortListData(fresh, QStringLiteral("fileName"), false);
        break;
    case 3:
        sortListData(fresh, QStringLiteral("time"), true);
        break;
    default:
        break;
    }
    beginResetModel();
    clearRows();
    {
        QMutexLocker locker(&m_lock);
        m_allRows = fresh;
    }
    endResetModel();
}

void FileModel::loadNextBatch()
{
    const int start = m_shown.size();
    const QString directory = thumbnailDirectory();
    QVector<PlaylistEntry> batch;
    QList<ThumbnailJob> newJobs;
    while (batch.size() < batchSize) {
        const int i = start + batch.size();
        if (i >= m_allRows.size()) {
            qDebug().noquote() << "没有多余的数据添加了";
            break;
        }
        const DbModel *row = m_allRows.at(i);
        if (!row)
            break;
        const QString thumbnail = CmdModel::thumbnailFile(directory, row->path);
        if (!pathExists(thumbnail))
            newJobs << ThumbnailJob {i, row->path};
        batch << PlaylistEntry {thumbnail, row->fileName, normalizeChannelName(row->fileName),
                                row->time, row->size,     row->path};
    }
    if (batch.isEmpty())
        return;
    beginInsertRows(QModelIndex(), start, start + batch.size() - 1);
    {
        QMutexLocker locker(&m_lock);
        m_shown += batch;
        m_jobs += newJobs;
        if (!newJobs.isEmpty())
            m_jobReady.wakeOne();
    }
    endInsertRows();
}

void FileModel::removeRow(int row)
{
    if (row == -1) {
        m_store.deleteAll(RecordStore::PlaylistTable);
        m_store.deleteAll(RecordStore::RecordTable);
        beginResetModel();
        clearRows();
        endResetModel();
        QMutexLocker locker(&m_lock);
        stopWorker(m_worker.get());
        m_jobReady.wakeOne();
        return;
    }
    if (row < 0 || row >= m_shown.size())
        return;
    // By path: dash cams reuse file names such as FILE0001.MOV on every card.
    const RecordStore::Row condition {{QStringLiteral("path"), m_shown.at(row).path}};
    {
        ScopedTransaction transaction(m_store);
        m_store.deleteRows(RecordStore::PlaylistTable, condition);
        m_store.deleteRows(RecordStore::RecordTable, condition);
        transaction.commit();
    }
    beginRemoveRows(QModelIndex(), row, row);
    {
        QMutexLocker locker(&m_lock);
        m_shown.removeAt(row);
        delete m_allRows.takeAt(row);
    }
    endRemoveRows();
}

QStringList FileModel::siblingFiles(const QString &path, const QString &pairingName) const
{
    if (!pathExists(path))
        return {};
    const int limit = provided(m_preferences.playMode);
    const QString prefix = pairingPrefix(pairingName);
    QStringList siblings;
    for (const PlaylistEntry &entry : m_shown) {
        if (pathExists(entry.path) && namesMatch(prefix, pairingPrefix(entry.pairingName))
            && entry.pairingName != pairingName)
            siblings << entry.path;
    }
    std::sort(siblings.begin(), siblings.end());
    QStringList result;
    for (const QString &sibling : qAsConst(siblings)) {
        if (result.size() >= limit)
            break;
        result << sibling;
    }
    result.prepend(path);
    return result;
}

void FileModel::thumbnailReady(int row, const QString &mediaPath)
{
    // Queued, so the view hears of it on the GUI thread; dropped when the
    // model is gone by then.
    QMetaObject::invokeMethod(
        this, [this, row, mediaPath] { repaintThumbnail(row, mediaPath); }, Qt::QueuedConnection);
}

void FileModel::repaintThumbnail(int row, const QString &mediaPath)
{
    int target = -1;
    {
        QMutexLocker locker(&m_lock);
        if (row >= 0 && row < m_shown.size() && m_shown.at(row).path == mediaPath) {
            target = row;
        } else {
            const auto found = std::find_if(
                m_shown.cbegin(), m_shown.cend(),
                [&mediaPath](const PlaylistEntry &entry) { return entry.path == mediaPath; });
            if (found != m_shown.cend())
                target = int(found - m_shown.cbegin());
        }
    }
    if (target < 0)
        return;
    const QModelIndex changed = index(target);
    emit dataChanged(changed, changed, {ThumbnailRole});
}

PlaylistEntry FileModel::entryAt(const QModelIndex &index) const
{
    QMutexLocker locker(&m_lock);
    if (!index.isValid() || index.row() >= m_shown.size())
        return PlaylistEntry();
    return m_shown.at(index.row());
}

QString FileModel::getOtherFileName(const QString &originalString) const
{
    return pairingPrefix(originalString);
}

void FileModel::sortListData(QList<DbModel *> &allListData, const QString &sortCriteria,
                             bool ascending)
{
    QString DbModel::*key = nullptr;
    if (sortCriteria == QLatin1String("fileName"))
        key = &DbModel::fileName;
    else if (sortCriteria == QLatin1String("time"))
        key = &DbModel::time;
    else
        return;
    std::sort(allListData.begin(), allListData.end(),
              [key, ascending](const DbModel *a, const DbModel *b) {
                  return ascending ? a->*key < b->*key : b->*key < a->*key;
              });
}

std::optional<ThumbnailJob> FileModel::takeJob(const QThread &worker)
{
    QMutexLocker locker(&m_lock);
    // The stop request is made under this lock, so testing it here before
    // waiting cannot miss the wake-up that goes with it.
    while (m_jobs.isEmpty() && !worker.isInterruptionRequested())
        m_jobReady.wait(&m_lock);
    if (m_jobs.isEmpty())
        return std::nullopt;
    return m_jobs.takeFirst();
}
