#include "DbModel.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

DbModel::~DbModel()
{
    qDebug().noquote() << "DbModel close";
}

QMap<QString, QString> DbModel::toRow() const
{
    const QJsonObject message {
        {QStringLiteral("is3DVideo"), is3DVideo},
        {QStringLiteral("width"), width},
        {QStringLiteral("height"), height},
    };
    return {
        {QStringLiteral("fileName"), fileName},
        {QStringLiteral("time"), time},
        {QStringLiteral("path"), path},
        {QStringLiteral("size"), size},
        {QStringLiteral("jsonMessage"),
         QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Indented))},
    };
}

void DbModel::setFromJsonMessage(const QString &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isObject())
        return;
    const QJsonObject message = document.object();
    is3DVideo = message.value(QLatin1String("is3DVideo")).toBool();
    width = message.value(QLatin1String("width")).toString();
    height = message.value(QLatin1String("height")).toString();
}
