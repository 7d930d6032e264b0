#pragma once

#include "VideoMessage.h"

#include <functional>
#include <memory>

class HDStackedImageView;
class QStackedWidget;
class SpeedDial;

// Keeps the map page, the speed gauge and the compass in step with the
// playing recording: finds or extracts its media record when it starts,
// draws the track, and follows the position once per second.
// GUI thread only. Scripts go one way, into the page; before the page has
// loaded they are lost, which the page contract allows.
class MapBridge
{
public:
    using ScriptRunner = std::function<void(const QString &script)>;

    // The widgets are not owned and must outlive the bridge.
    MapBridge(int mapType, ScriptRunner runScript, SpeedDial *speedView,
              HDStackedImageView *compassView, QStackedWidget *pages);

    // Looks the record of path up in the store, or extracts and stores it,
    // shows the map page or the "No GPS Data" page, and draws the track.
    void prepare(const QString &path);
    // Redraws the track of the current record (the window calls this on
    // every resize and splitter move).
    void drawTrack();
    // The gauge, compass and marker for one position report.
    void follow(int second);
    // Forgets the current record (its playback was stopped or removed).
    void clearRecord();

    const VideoMessage *record() const { return m_record.get(); }
    float lastHeading() const { return m_lastHeading; }
    void setLastHeading(float heading) { m_lastHeading = heading; }

private:
    void keep(const VideoMessage &record);

    int m_mapType;
    ScriptRunner m_runScript;
    SpeedDial *m_speedView;
    HDStackedImageView *m_compassView;
    QStackedWidget *m_pages;
    std::unique_ptr<VideoMessage> m_record;
    float m_lastHeading = 0;
    int m_lastMarkerSecond = 0;
};
