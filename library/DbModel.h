#pragma once

#include <QMap>
#include <QString>

// One playlist row as kept in the "LoadFiles" table.
class DbModel
{
public:
    DbModel() = default;
    DbModel(const DbModel &) = default;
    DbModel(DbModel &&) = default;
    DbModel &operator=(const DbModel &) = default;
    DbModel &operator=(DbModel &&) = default;
    ~DbModel();

    QString fileName;
    QString path;
    bool is3DVideo = false;
    // "yyyyMMddHHmmsszzz" of the addition that brought the file in.
    QString time;
    QString size;
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");

    // Columns of the "LoadFiles" table; "jsonMessage" carries the 3D flag
    // and the frame size.
    QMap<QString, QString> toRow() const;
    // Stores the row in the record store; defined with the store.
    bool save();
    // Reads the "jsonMessage" column back. Text that is not a JSON object
    // changes nothing; missing or wrongly typed members read as false or empty.
    void setFromJsonMessage(const QString &text);
};
