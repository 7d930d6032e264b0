#include "SpeedDial.h"

#include "AppManager.h"
#include "GaugeMath.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

SpeedDial::SpeedDial(QWidget *parent)
    : QWidget(parent)
    , m_speedUnit(AppManager::instance()->speedUnitType())
    , m_marker(QStringLiteral(":/Resources/222222.jpg"))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(AppManager::instance(), &AppManager::changeSpeedUnitType, this,
            &SpeedDial::setSpeedUnit);
}

void SpeedDial::setCurrentSpeed(const QString &knots)
{
    m_speedText = knots;
    update();
}

void SpeedDial::setTrackSummary(const QString &maxKnots, double nauticalMiles,
                                const QString &avgKnots)
{
    m_maxText = maxKnots;
    m_distance = nauticalMiles;
    m_avgText = avgKnots;
    update();
}

void SpeedDial::setTrackSummary(const VideoMessage &record)
{
    const GaugeMath::TrackSummary summary = GaugeMath::trackSummary(record);
    setTrackSummary(summary.maxSpeed, summary.distance, summary.averageSpeed);
}

void SpeedDial::setSpeedUnit(int unit)
{
    m_speedUnit = unit;
    update();
}

void SpeedDial::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        update();
    QWidget::changeEvent(event);
}

namespace {
void drawReadout(QPainter &painter, const QRect &rect, const QString &value, int valuePixels,
                 const QString &caption)
{
    QFont font = painter.font();
    QFont valueFont = font;
    valueFont.setPixelSize(valuePixels);
    painter.setFont(valueFont);
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop, value);
    QFont captionFont = font;
    captionFont.setPixelSize(10);
    painter.setFont(captionFont);
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignBottom, caption);
    painter.setFont(font);
}
} // namespace

void SpeedDial::paintEvent(QPaintEvent *event)
{
    // A partial update would redraw part of the face over the old picture.
    if (event->region().boundingRect() != rect())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    painter.setFont(QFont(AppManager::instance()->fontFamily()));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::white);

    const int w = width();
    const int h = height();
    const GaugeMath::DialGeometry g = GaugeMath::dialGeometry(size());

    QFont labelFont = painter.font();
    labelFont.setPixelSize(14);
    painter.setFont(labelFont);
    const QPen majorPen(Qt::white);
    const QPen minorPen(QColor(QStringLiteral("#5C6773")));
    for (const GaugeMath::DialTick &tick : GaugeMath::dialTicks(g)) {
        painter.setPen(tick.major ? majorPen : minorPen);
        painter.drawLine(tick.line);
        const QString label = GaugeMath::dialLabel(tick.index);
        if (!label.isEmpty())
            painter.drawText(GaugeMath::dialLabelPoint(tick.index, tick.outer), label);
    }

    QRadialGradient face(w / 2, h / 2, w / 2);
    face.setColorAt(0, QColor(QStringLiteral("#303237")));
    face.setColorAt(1, QColor(QStringLiteral("#060606")));
    painter.setBrush(face);
    painter.setPen(Qt::NoPen);
    const int r2 = g.faceRadius;
    painter.drawEllipse(g.cx - r2, g.cy - r2, 2 * r2, 2 * r2);

    painter.setPen(Qt::white);
    drawReadout(painter, QRect(0, g.cy - r2 + 10, w, 37),
                GaugeMath::speedReadout(m_speedText, m_speedUnit), 18,
                GaugeMath::speedCaption(m_speedUnit));
    drawReadout(painter, QRect(w / 2 - r2, g.cy - 14, r2, 28),
                GaugeMath::speedReadout(m_maxText, m_speedUnit), 13, QStringLiteral("Max"));
    drawReadout(painter, QRect(g.cx, g.cy - 14, r2, 28),
                GaugeMath::distanceReadout(m_distance, m_speedUnit), 13,
                GaugeMath::distanceCaption(m_speedUnit));
    drawReadout(painter, QRect(0, g.cy + r2 - 43, w, 28),
                GaugeMath::speedReadout(m_avgText, m_speedUnit), 13, QStringLiteral("Avg"));

    const QPixmap &marker = m_marker.fitted(QSize(g.markerSize, g.markerSize));
    painter.translate(g.cx, g.cy);
    painter.rotate(GaugeMath::markerAngle(m_speedText, m_speedUnit));
    painter.drawPixmap(-marker.width() / 2, -marker.height() / 2, marker);
}
