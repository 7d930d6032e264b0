#include "GaugeMath.h"

#include "VideoMessage.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace GaugeMath {

double speedUnitFactor(int speedUnit)
{
    return speedUnit == 0 ? 1.852 : 1.15;
}

static double shownSpeed(const QString &knots, int speedUnit)
{
    const double value = knots.toDouble() * speedUnitFactor(speedUnit);
    return std::isfinite(value) ? std::round(value) : 0;
}

QString speedReadout(const QString &knots, int speedUnit)
{
    return QString::number(shownSpeed(knots, speedUnit), 'g', 6);
}

QString distanceReadout(double nauticalMiles, int speedUnit)
{
    return QString::number(speedUnitFactor(speedUnit) * nauticalMiles, 'f', 2);
}

QString speedCaption(int speedUnit)
{
    return speedUnit == 0 ? QStringLiteral("KM/H") : QStringLiteral("MPH");
}

QString distanceCaption(int speedUnit)
{
    return speedUnit == 0 ? QStringLiteral("KM") : QStringLiteral("Miles");
}

double markerAngle(const QString &knots, int speedUnit)
{
    return shownSpeed(knots, speedUnit) * 0.25 * 4.5 + 247.5;
}

TrackSummary trackSummary(const VideoMessage &record)
{
    const double distance = record.distance.toDouble() * record.totalSpeedNum / 3600;
    return {record.maxSpeed, std::isfinite(distance) ? distance : 0, record.aevSpeed};
}

DialGeometry dialGeometry(const QSize &size)
{
    const int w = size.width();
    const int h = size.height();
    const int side = std::min(w, h);
    DialGeometry g;
    g.radius = side / 2 - int(side * 0.14583333333333334);
    g.cx = w / 2;
    g.cy = int((h + (1 - std::cos(0.9817477042468103)) * (side / 2)) * 0.5 + int(side / 12));
    g.faceRadius = g.radius - int(side / 12);
    g.markerSize = (int(side * 0.020833333333333332) + g.radius) * 2;
    return g;
}

QVector<DialTick> dialTicks(const DialGeometry &geometry)
{
    QVector<DialTick> ticks;
    const double r = geometry.radius;
    for (int i = 0; i < 80; ++i) {
        const double degrees = i * 360.0 / 80;
        if (degrees > 202.5 && degrees < 337.5)
            continue;
        const double angle = qDegreesToRadians(degrees);
        const bool major = i % 5 == 0;
        const double inner = r - (major ? 8 : 5);
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        DialTick tick;
        tick.index = i;
        tick.major = major;
        tick.line = QLineF(geometry.cx + inner * c, geometry.cy - inner * s, geometry.cx + r * c,
                           geometry.cy - r * s);
        tick.outer = QPoint(int(r * c + geometry.cx), int(geometry.cy - r * s));
        ticks.append(tick);
    }
    return ticks;
}

namespace {
struct LabelEntry
{
    int index;
    const char *text;
    int dx;
    int dy;
};
// Offsets keep each label outside the ring whatever side of it it is on.
constexpr LabelEntry labelTable[] = {
    {0, "180", 10, 5},    {5, "160", 10, 0},    {10, "140", 5, -8},   {15, "120", 0, -12},
    {20, "100", -8, -13}, {25, "80", -13, -12}, {30, "60", -20, -10}, {35, "40", -25, 0},
    {40, "20", -25, 5},   {45, "0", -20, 10},   {75, "200", 10, 13},
};

const LabelEntry *findLabel(int index)
{
    const auto it = std::find_if(std::begin(labelTable), std::end(labelTable),
                                 [index](const LabelEntry &e) { return e.index == index; });
    return it == std::end(labelTable) ? nullptr : it;
}
} // namespace

QString dialLabel(int index)
{
    const LabelEntry *entry = findLabel(index);
    return entry ? QString::fromLatin1(entry->text) : QString();
}

QPoint dialLabelPoint(int index, const QPoint &outer)
{
    const LabelEntry *entry = findLabel(index);
    return entry ? outer + QPoint(entry->dx, entry->dy) : outer;
}

CompassGeometry compassGeometry(const QSize &size, const QSize &minimumSize)
{
    const QSize minimum
        = minimumSize.width() >= 20 && minimumSize.height() > 0 ? minimumSize : QSize(240, 240);
    const int pw = size.width();
    const int ph = size.height();
    const int side = std::min(pw, ph);
    const int a = int(170.0 / minimum.height() * side);
    CompassGeometry g;
    g.rose = QRect(pw - a - 30, ph - a - 10, a, a);
    g.arrowSize = std::clamp(side / (minimum.width() / 20), 20, 1000);
    return g;
}

} // namespace GaugeMath
