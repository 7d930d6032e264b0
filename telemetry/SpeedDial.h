#pragma once

#include "ScaledPixmap.h"

#include <QString>
#include <QWidget>

class VideoMessage;

// Speed gauge ("speedView"): current, maximum and average speed and the
// distance of the playing file. Passive: it paints what it was last given.
// Values are knots and nautical miles; they are converted at paint time.
class SpeedDial : public QWidget
{
    Q_OBJECT
public:
    explicit SpeedDial(QWidget *parent = nullptr);

    void setCurrentSpeed(const QString &knots);
    void setTrackSummary(const QString &maxKnots, double nauticalMiles, const QString &avgKnots);
    void setTrackSummary(const VideoMessage &record);
    void setSpeedUnit(int unit);
    int speedUnit() const { return m_speedUnit; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_speedText = QStringLiteral("0");
    QString m_maxText = QStringLiteral("0");
    double m_distance = 0;
    QString m_avgText = QStringLiteral("0");
    int m_speedUnit = 0;
    ScaledPixmap m_marker;
};
