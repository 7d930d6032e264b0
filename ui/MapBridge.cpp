#include "MapBridge.h"

#include "GPSTool.h"
#include "HDStackedImageView.h"
#include "RecordStore.h"
#include "SpeedDial.h"

#include <QDebug>
#include <QFileInfo>
#include <QStackedWidget>

#include <cmath>

MapBridge::MapBridge(int mapType, ScriptRunner runScript, SpeedDial *speedView,
                     HDStackedImageView *compassView, QStackedWidget *pages)
    : m_mapType(mapType)
    , m_runScript(std::move(runScript))
    , m_speedView(speedView)
    , m_compassView(compassView)
    , m_pages(pages)
{
}

void MapBridge::keep(const VideoMessage &record)
{
    m_record = std::make_unique<VideoMessage>(record);
}

void MapBridge::clearRecord()
{
    if (m_record)
        qDebug().noquote() << "删除老数据";
    m_record.reset();
}

void MapBridge::prepare(const QString &path)
{
    // Looked up by the full path: dash cams reuse names like FILE0001.MOV on
    // every card, and two such files must not share one track.
    RecordStore::instance().selectRecord(
        RecordStore::RecordTable, 0, {{QStringLiteral("path"), path}}, {},
        [this, &path](VideoMessage &stored, bool found) {
            clearRecord();
            if (found) {
                if (stored.gpsTotailNum <= 0) {
                    m_pages->setCurrentIndex(0);
                } else {
                    keep(stored);
                    m_pages->setCurrentIndex(1);
                }
                return;
            }
            GPSTool tool;
            tool.createVideoForGPSUrl(path);
            VideoMessage *extracted = tool.getMessageModel();
            if (extracted->gpsTotailNum > 0)
                keep(*extracted);
            m_pages->setCurrentIndex(extracted->gpsTotailNum > 0 ? 1 : 0);
            extracted->save();
        });
    drawTrack();
}

void MapBridge::drawTrack()
{
    if (!m_record || m_record->gpsTotailNum <= 0) {
        m_runScript(QString());
        qDebug().noquote() << "清空地图轨迹2";
        return;
    }
    bool isNumber = false;
    const double distance = m_record->distance.toDouble(&isNumber);
    const double miles = isNumber ? distance * m_record->totalSpeedNum / 3600 : 0;
    m_speedView->setTrackSummary(m_record->maxSpeed, miles, m_record->aevSpeed);

    const GPSModel first = m_record->gpsItems.isEmpty() ? GPSModel() : m_record->gpsItems.first();
    const QString script = m_record->gpsItems.size() == 1 ? first.markerScript(m_mapType)
                                                          : m_record->trackScript(m_mapType);
    if (!script.isEmpty()) {
        // The Google page also places its marker on the first fix.
        if (m_mapType == 0)
            m_runScript(first.markerScript(m_mapType));
        m_runScript(script);
    }
    qDebug().noquote() << "刷新地图轨迹,GPS个数:" << m_record->gpsTotailNum;
}

void MapBridge::follow(int second)
{
    if (!m_record)
        return;
    const GPSModel fix = m_record->gpsItems.value(QString::number(second));
    if (std::fabs(m_lastHeading - fix.angle) > 5) {
        m_lastHeading = fix.angle;
        m_compassView->setHeading(m_lastHeading);
    }
    m_speedView->setCurrentSpeed(fix.speed);

    if (second < 0 || second == m_lastMarkerSecond)
        return;
    m_lastMarkerSecond = second;
    const double latitude = fix.latitude.toDouble();
    const double longitude = fix.longitude.toDouble();
    if (second < m_record->duration.toDouble() && fix.status
        && (!fix.latitude.isEmpty() || !fix.longitude.isEmpty())
        && std::fabs(latitude) + std::fabs(longitude) > 0) {
        const QString script = fix.markerScript(m_mapType);
        if (!script.isEmpty())
            m_runScript(script);
    }
}
