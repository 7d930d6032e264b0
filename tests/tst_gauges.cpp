#include "AppManager.h"
#include "GaugeMath.h"
#include "GradientWidget.h"
#include "HDStackedImageView.h"
#include "SpeedDial.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QApplication>
#include <QImage>
#include <QtMath>

#include <cmath>

namespace {
QImage renderWidget(QWidget &widget, const QRegion &region = QRegion())
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // No window background: only what the widget paints itself.
    widget.render(&image, QPoint(), region, QWidget::RenderFlags());
    return image;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// Whether any pixel within 2 px of p is red (antialiased edges of thin bars).
bool redNear(const QImage &image, QPointF p)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (isRed(image.pixel(int(p.x()) + dx, int(p.y()) + dy)))
                return true;
    return false;
}

// Point on the dial's marker bar for a clockwise rotation from "up".
QPointF markerBarPoint(const GaugeMath::DialGeometry &g, double clockwiseDegrees)
{
    const double radius = 0.9 * g.markerSize / 2;
    const double a = qDegreesToRadians(clockwiseDegrees);
    return {g.cx + radius * std::sin(a), g.cy - radius * std::cos(a)};
}
} // namespace

class TestGauges : public QObject
{
    Q_OBJECT
private slots:
    void speedReadout_data();
    void speedReadout();
    void distanceReadout_data();
    void distanceReadout();
    void trackSummary_data();
    void trackSummary();
    void dialGeometry();
    void compassGeometry_data();
    void compassGeometry();
    void dialMarkerFollowsSpeedAndUnit();
    void partialRepaintDrawsNothing();
    void compassArrowTurnsWithHeading();
    void gradientOpacity();
};

void TestGauges::speedReadout_data()
{
    QTest::addColumn<QString>("knots");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("caption");

    QTest::addRow("50 kn in km/h") << "50" << 0 << "93"
                                   << "KM/H";
    // 50 x 1.15 is just below 57.5 in double arithmetic.
    QTest::addRow("50 kn in mph") << "50" << 1 << "57"
                                  << "MPH";
    QTest::addRow("any other unit is mph") << "50" << 7 << "57"
                                           << "MPH";
    QTest::addRow("zero") << "0" << 0 << "0"
                          << "KM/H";
    QTest::addRow("fraction rounds") << "12.3" << 0 << "23"
                                     << "KM/H";
    QTest::addRow("not a number") << "abc" << 0 << "0"
                                  << "KM/H";
    QTest::addRow("empty") << "" << 1 << "0"
                           << "MPH";
    QTest::addRow("nan text") << "nan" << 0 << "0"
                              << "KM/H";
    QTest::addRow("infinite text") << "inf" << 1 << "0"
                                   << "MPH";
    QTest::addRow("beyond the scale") << "200" << 0 << "370"
                                      << "KM/H";
    QTest::addRow("large value without exponent") << "100000" << 0 << "185200"
                                                  << "KM/H";
}

void TestGauges::speedReadout()
{
    QFETCH(QString, knots);
    QFETCH(int, unit);
    QFETCH(QString, shown);
    QFETCH(QString, caption);
    QCOMPARE(GaugeMath::speedReadout(knots, unit), shown);
    QCOMPARE(GaugeMath::speedCaption(unit), caption);
    // 1.125 degrees per shown unit from the "0" mark, never clamped.
    QCOMPARE(GaugeMath::markerAngle(knots, unit), shown.toDouble() * 1.125 + 247.5);
}

void TestGauges::distanceReadout_data()
{
    QTest::addColumn<double>("nauticalMiles");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("caption");

    QTest::addRow("1.5 nm in km") << 1.5 << 0 << "2.78"
                                  << "KM";
    QTest::addRow("1.5 nm in miles") << 1.5 << 1 << "1.72"
                                     << "Miles";
    QTest::addRow("zero") << 0.0 << 0 << "0.00"
                          << "KM";
    QTest::addRow("long trip") << 1234.5 << 0 << "2286.29"
                               << "KM";
}

void TestGauges::distanceReadout()
{
    QFETCH(double, nauticalMiles);
    QFETCH(int, unit);
    QFETCH(QString, shown);
    QFETCH(QString, caption);
    QCOMPARE(GaugeMath::distanceReadout(nauticalMiles, unit), shown);
    QCOMPARE(GaugeMath::distanceCaption(unit), caption);
}

void TestGauges::trackSummary_data()
{
    QTest::addColumn<QString>("meanSpeed");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<double>("distance");

    QTest::addRow("30 kn for 3 minutes") << "30" << 180 << 1.5;
    QTest::addRow("no counted seconds") << "30" << 0 << 0.0;
    QTest::addRow("mean speed not a number") << "abc" << 180 << 0.0;
    QTest::addRow("mean speed infinite") << "inf" << 180 << 0.0;
}

void TestGauges::trackSummary()
{
    QFETCH(QString, meanSpeed);
    QFETCH(int, seconds);
    QFETCH(double, distance);

    const GaugeMath::TrackSummary blank = GaugeMath::trackSummary(VideoMessage());
    QCOMPARE(blank.maxSpeed, QStringLiteral("0"));
    QCOMPARE(blank.distance, 0.0);
    QCOMPARE(blank.averageSpeed, QStringLiteral("0"));

    VideoMessage record;
    record.maxSpeed = QStringLiteral("61.5");
    record.aevSpeed = QStringLiteral("28.2");
    record.distance = meanSpeed;
    record.totalSpeedNum = seconds;
    const GaugeMath::TrackSummary summary = GaugeMath::trackSummary(record);
    QCOMPARE(summary.maxSpeed, record.maxSpeed);
    QCOMPARE(summary.averageSpeed, record.aevSpeed);
    QCOMPARE(summary.distance, distance);
}

void TestGauges::dialGeometry()
{
    const GaugeMath::DialGeometry g = GaugeMath::dialGeometry(QSize(240, 240));
    QCOMPARE(g.radius, 85);
    QCOMPARE(g.cx, 120);
    QCOMPARE(g.cy, 166);
    QCOMPARE(g.faceRadius, 65);
    QCOMPARE(g.markerSize, 180);
    // The narrow side sets the size; the centre follows the width.
    const GaugeMath::DialGeometry wide = GaugeMath::dialGeometry(QSize(400, 240));
    QCOMPARE(wide.radius, 85);
    QCOMPARE(wide.cx, 200);

    const QVector<GaugeMath::DialTick> ticks = GaugeMath::dialTicks(g);
    QCOMPARE(ticks.size(), 51); // 80 minus the 29 inside the bottom gap
    int majors = 0;
    for (const GaugeMath::DialTick &tick : ticks) {
        QVERIFY(tick.index <= 45 || tick.index >= 75);
        QCOMPARE(tick.major, tick.index % 5 == 0);
        QCOMPARE(tick.line.length(), tick.major ? 8.0 : 5.0);
        majors += tick.major ? 1 : 0;
        QCOMPARE(!GaugeMath::dialLabel(tick.index).isEmpty(), tick.major);
    }
    QCOMPARE(majors, 11);
    const GaugeMath::DialTick top = ticks.at(20);
    QCOMPARE(top.index, 20);
    QCOMPARE(top.outer, QPoint(120, 81));
    QCOMPARE(GaugeMath::dialLabel(20), QStringLiteral("100"));
    QCOMPARE(GaugeMath::dialLabelPoint(20, top.outer), QPoint(112, 68));
    QCOMPARE(GaugeMath::dialLabel(45), QStringLiteral("0"));
    QCOMPARE(GaugeMath::dialLabel(75), QStringLiteral("200"));
    QCOMPARE(GaugeMath::dialLabelPoint(75, QPoint(0, 0)), QPoint(10, 13));
    QVERIFY(GaugeMath::dialLabel(3).isEmpty());
}

void TestGauges::compassGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("rose");
    QTest::addColumn<int>("arrow");

    QTest::addRow("form size") << QSize(240, 240) << QSize(240, 240) << QRect(40, 60, 170, 170)
                               << 20;
    QTest::addRow("twice the form")
        << QSize(480, 480) << QSize(240, 240) << QRect(110, 130, 340, 340) << 40;
    QTest::addRow("wide") << QSize(600, 240) << QSize(240, 240) << QRect(400, 60, 170, 170) << 20;
    QTest::addRow("arrow held at 20")
        << QSize(120, 120) << QSize(240, 240) << QRect(5, 25, 85, 85) << 20;
    QTest::addRow("unusable minimum falls back")
        << QSize(240, 240) << QSize(0, 0) << QRect(40, 60, 170, 170) << 20;
}

void TestGauges::compassGeometry()
{
    QFETCH(QSize, size);
    QFETCH(QSize, minimum);
    QFETCH(QRect, rose);
    QFETCH(int, arrow);
    const GaugeMath::CompassGeometry g = GaugeMath::compassGeometry(size, minimum);
    QCOMPARE(g.rose, rose);
    QCOMPARE(g.arrowSize, arrow);
}

void TestGauges::dialMarkerFollowsSpeedAndUnit()
{
    AppManager::instance()->setSpeedUnitType(0);
    SpeedDial dial;
    QCOMPARE(dial.speedUnit(), 0);
    dial.resize(240, 240);
    const GaugeMath::DialGeometry g = GaugeMath::dialGeometry(dial.size());

    QImage image = renderWidget(dial);
    QVERIFY(redNear(image, markerBarPoint(g, 247.5))); // at the "0" mark
    // The face is painted under the readouts.
    QVERIFY(qAlpha(image.pixel(g.cx - g.faceRadius + 8, g.cy)) == 255);

    dial.setCurrentSpeed(QStringLiteral("50"));
    image = renderWidget(dial);
    QVERIFY(redNear(image, markerBarPoint(g, 93 * 1.125 + 247.5)));
    QVERIFY(!redNear(image, markerBarPoint(g, 247.5)));

    // The application manager's unit change reaches the dial.
    AppManager::instance()->setSpeedUnitType(1);
    QCOMPARE(dial.speedUnit(), 1);
    image = renderWidget(dial);
    QVERIFY(redNear(image, markerBarPoint(g, 57 * 1.125 + 247.5)));
    QVERIFY(!redNear(image, markerBarPoint(g, 93 * 1.125 + 247.5)));
    AppManager::instance()->setSpeedUnitType(0);
}

void TestGauges::partialRepaintDrawsNothing()
{
    SpeedDial dial;
    dial.resize(240, 240);
    HDStackedImageView compass;
    compass.setMinimumSize(240, 240);
    compass.resize(240, 240);
    for (QWidget *widget : {static_cast<QWidget *>(&dial), static_cast<QWidget *>(&compass)}) {
        const QImage full = renderWidget(*widget);
        QVERIFY(full != renderWidget(*widget, QRegion(0, 0, 1, 1)));
        const QImage partial = renderWidget(*widget, QRegion(0, 0, 120, 240));
        for (int y = 0; y < partial.height(); y += 4)
            for (int x = 0; x < partial.width(); x += 4)
                QCOMPARE(qAlpha(partial.pixel(x, y)), 0);
    }
}

void TestGauges::compassArrowTurnsWithHeading()
{
    HDStackedImageView compass;
    compass.setMinimumSize(240, 240);
    compass.resize(240, 240);
    // Rose (40, 60, 170, 170) around (125, 145); the arrow is 20 px.
    const QPoint centre(125, 145);
    QImage image = renderWidget(compass);
    QVERIFY(qAlpha(image.pixel(45, 145)) > 0 || qAlpha(image.pixel(60, 145)) > 0);
    QVERIFY(isRed(image.pixel(centre + QPoint(0, -5))));
    QVERIFY(!isRed(image.pixel(centre + QPoint(5, 0))));

    compass.setHeading(90);
    QCOMPARE(compass.heading(), 90.0f);
    image = renderWidget(compass);
    QVERIFY(isRed(image.pixel(centre + QPoint(5, 0))));
    QVERIFY(!isRed(image.pixel(centre + QPoint(0, -5))));
    QVERIFY(!isRed(image.pixel(centre + QPoint(-7, 0)))); // tail, behind the notch
}

void TestGauges::gradientOpacity()
{
    GradientWidget gradient;
    gradient.resize(100, 60);
    QVERIFY(!gradient.isOpaque());
    QImage image = renderWidget(gradient);
    QVERIFY(qAlpha(image.pixel(50, 59)) <= 8);
    gradient.setOpaque(true);
    image = renderWidget(gradient);
    QVERIFY(qAlpha(image.pixel(50, 59)) >= 240);
    QVERIFY(qRed(image.pixel(50, 59)) <= 16);
    QVERIFY(qAlpha(image.pixel(50, 0)) <= 8);
}

ZEMKO_TEST_WIDGETS_MAIN(TestGauges)
#include "tst_gauges.moc"
