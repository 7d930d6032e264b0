// The save operations of the records live with the store they write to, so
// the records themselves stay free of Qt Sql.
#include "DbModel.h"
#include "RecordStore.h"
#include "VideoMessage.h"

bool DbModel::save()
{
    return RecordStore::instance().insertRow(RecordStore::PlaylistTable, toRow());
}

bool VideoMessage::save()
{
    // toRow sets isSave first, so the stored document always says it was saved.
    const QMap<QString, QString> row = toRow();
    isSave = RecordStore::instance().insertRow(RecordStore::RecordTable, row);
    return isSave;
}
