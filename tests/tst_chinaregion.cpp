#include "DatumShift.h"
#include "TestEnvironment.h"
#include "ZCChinaLocation.h"

#include <QCoreApplication>

#include <limits>

class TestChinaRegion : public QObject
{
    Q_OBJECT
private slots:
    void regionTest_data();
    void regionTest();
    void datumShift_data();
    void datumShift();
};

void TestChinaRegion::regionTest_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("inside");
    QTest::addRow("beijing") << 39.9 << 116.4 << true;
    QTest::addRow("shenzhen") << 22.55 << 114.05 << true;
    QTest::addRow("hainan") << 19.2 << 109.7 << true;
    QTest::addRow("hong kong, exclusion 12") << 22.30 << 114.17 << false;
    QTest::addRow("macau, exclusion 13") << 22.15 << 113.58 << false;
    QTest::addRow("taipei, exclusion 1") << 25.03 << 121.56 << false;
    QTest::addRow("seoul") << 37.57 << 126.98 << false;
    QTest::addRow("paris, no region") << 48.85 << 2.35 << false;
    QTest::addRow("southern hemisphere mirror") << -39.9 << 116.4 << false;
    QTest::addRow("edge shared by regions 1 and 3") << 42.8899 << 80.0 << true;
    QTest::addRow("west edge of region 3") << 35.0 << 73.1246 << true;
    QTest::addRow("just west of region 3") << 35.0 << 73.1245 << false;
    QTest::addRow("edge of the hong kong exclusion") << 22.44956 << 114.0 << false;
    QTest::addRow("nan latitude") << nan << 116.4 << false;
    QTest::addRow("nan longitude") << 39.9 << nan << false;
    QTest::addRow("infinite") << std::numeric_limits<double>::infinity() << 116.4 << false;
}

void TestChinaRegion::regionTest()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(bool, inside);
    QCOMPARE(chinaRegionTest(latitude, longitude), inside);
    const ZCChinaLocation location;
    QCOMPARE(location.isInChina(latitude, longitude), inside);
}

void TestChinaRegion::datumShift_data()
{
    QTest::addColumn<bool>("baidu");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("expected");
    QTest::addRow("gcj-02 beijing") << false << 39.9 << 116.4 << "39.901404 116.406243";
    QTest::addRow("bd-09 beijing") << true << 39.9 << 116.4 << "39.907734 116.412628";
    QTest::addRow("gcj-02 shenzhen") << false << 22.55 << 114.05 << "22.547268 114.055104";
    QTest::addRow("bd-09 shenzhen") << true << 22.55 << 114.05 << "22.552935 114.061657";
}

void TestChinaRegion::datumShift()
{
    QFETCH(bool, baidu);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const QPair<double, double> shifted
        = baidu ? wgs84ToBd09(latitude, longitude) : wgs84ToGcj02(latitude, longitude);
    QTEST(QString::number(shifted.first, 'f', 6) + QLatin1Char(' ')
              + QString::number(shifted.second, 'f', 6),
          "expected");
}

ZEMKO_TEST_GUILESS_MAIN(TestChinaRegion)
#include "tst_chinaregion.moc"
