#pragma once

#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

class VideoMessage;

// Unit conversion and layout of the speed dial and compass, kept apart from
// the widgets so they can be checked without painting. Speeds arrive in
// knots and distances in nautical miles; unit 0 is km/h, any other mph.
namespace GaugeMath {

double speedUnitFactor(int speedUnit);
// Nearest integer of knots x factor, without decimals; text that is no
// number reads as 0.
QString speedReadout(const QString &knots, int speedUnit);
// factor x nautical miles with two decimals.
QString distanceReadout(double nauticalMiles, int speedUnit);
QString speedCaption(int speedUnit);
QString distanceCaption(int speedUnit);
// Clockwise rotation of the marker picture (bar pointing up): 1.125 degrees
// per shown unit from the "0" mark at 247.5 degrees. Not clamped.
double markerAngle(const QString &knots, int speedUnit);

struct TrackSummary
{
    QString maxSpeed = QStringLiteral("0");
    double distance = 0;
    QString averageSpeed = QStringLiteral("0");
};
// The record's distance field holds the mean speed in knots, so the distance
// is that times the counted seconds in hours; 0 when not a number.
TrackSummary trackSummary(const VideoMessage &record);

struct DialGeometry
{
    int radius = 0; // outer end of the ticks
    int cx = 0;
    int cy = 0;
    int faceRadius = 0;
    int markerSize = 0;
};
DialGeometry dialGeometry(const QSize &size);

struct DialTick
{
    int index = 0;
    bool major = false;
    QLineF line;
    QPoint outer; // integer outer end, the anchor of the scale label
};
// Ticks 4.5 degrees apart counter-clockwise from the positive x axis, with
// the gap at the bottom left out.
QVector<DialTick> dialTicks(const DialGeometry &geometry);
// Scale label of a major tick and where it is drawn; empty text for none.
QString dialLabel(int index);
QPoint dialLabelPoint(int index, const QPoint &outer);

struct CompassGeometry
{
    QRect rose;
    int arrowSize = 0;
};
// Minimum sizes below 20 x 1 are not meaningful; they fall back to 240 x 240.
CompassGeometry compassGeometry(const QSize &size, const QSize &minimumSize);

} // namespace GaugeMath
