#include "GpsTrackBuilder.h"
#include "TestEnvironment.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();

// One decoded fix as a reader hands it over, filed under `key`.
struct Fix
{
    QString latitude;
    QString longitude;
    QString speed;
    int key = 0;
    bool status = true;
    float angle = 0;
    float x = 0;
};

GPSModel toModel(const Fix &fix)
{
    GPSModel model;
    model.latitude = fix.latitude;
    model.longitude = fix.longitude;
    model.speed = fix.speed;
    model.status = fix.status;
    model.angle = fix.angle;
    model.x = fix.x;
    model.fixFormat = 4;
    return model;
}

const char jumpMessage[] = "无效经纬度：前后经纬度相距太远::";
const char rangeMessage[] = "Invalid Latitude and longitude: precision and dimension are 0, or "
                            "exceed the latitude and longitude regular expression";

} // namespace

Q_DECLARE_METATYPE(QVector<Fix>)

class TestGpsTrackBuilder : public QObject
{
    Q_OBJECT
private slots:
    void conversion_data();
    void conversion();
    void validation_data();
    void validation();
    void track_data();
    void track();
    void packetKeys_data();
    void packetKeys();
    void completionRepeats();
};

enum Conversion { Nmea, Decimal, HiSilicon };

void TestGpsTrackBuilder::conversion_data()
{
    QTest::addColumn<int>("conversion");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("earth");
    QTest::addColumn<QString>("expected");
    QTest::addRow("nmea north, single precision") << int(Nmea) << "2232.5"
                                                  << "N"
                                                  << "22.541668";
    QTest::addRow("nmea south") << int(Nmea) << "2232.5"
                                << "S"
                                << "-22.541668";
    QTest::addRow("nmea east") << int(Nmea) << "11354.0"
                               << "E"
                               << "113.900002";
    QTest::addRow("nmea west") << int(Nmea) << "11354.0"
                               << "W"
                               << "-113.900002";
    QTest::addRow("nmea unknown letter") << int(Nmea) << "2232.5"
                                         << "X"
                                         << "0";
    QTest::addRow("nmea zero") << int(Nmea) << "0"
                               << "N"
                               << "0";
    QTest::addRow("nmea empty") << int(Nmea) << ""
                                << "N"
                                << "0";
    QTest::addRow("nmea unreadable") << int(Nmea) << "22x"
                                     << "N"
                                     << "0";
    QTest::addRow("nmea nan") << int(Nmea) << "nan"
                              << "N"
                              << "0";
    QTest::addRow("nmea infinite") << int(Nmea) << "inf"
                                   << "E"
                                   << "0";
    QTest::addRow("nmea beyond float") << int(Nmea) << "1e39"
                                       << "E"
                                       << "0";
    QTest::addRow("decimal south") << int(Decimal) << "22.5"
                                   << "S"
                                   << "-22.500000";
    QTest::addRow("decimal north") << int(Decimal) << "22.5"
                                   << "N"
                                   << "22.500000";
    QTest::addRow("decimal negative west") << int(Decimal) << "-43.25"
                                           << "W"
                                           << "-43.250000";
    QTest::addRow("decimal zero") << int(Decimal) << "0.0"
                                  << "E"
                                  << "0";
    QTest::addRow("decimal unknown letter") << int(Decimal) << "22.5"
                                            << ""
                                            << "0";
    QTest::addRow("decimal infinite") << int(Decimal) << "-inf"
                                      << "S"
                                      << "0";
    QTest::addRow("hisilicon") << int(HiSilicon) << "22.5"
                               << "N"
                               << "";
}

void TestGpsTrackBuilder::conversion()
{
    QFETCH(int, conversion);
    QFETCH(QString, value);
    QFETCH(QString, earth);
    const auto convert = conversion == Nmea ? &GpsTrackBuilder::getLatOrLon
        : conversion == Decimal             ? &GpsTrackBuilder::getLatOrLon1
                                            : &GpsTrackBuilder::getLatOrLonHaiSi;
    QTEST(convert(value, earth), "expected");
}

void TestGpsTrackBuilder::validation_data()
{
    QTest::addColumn<QString>("oldLatitude");
    QTest::addColumn<QString>("oldLongitude");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");
    QTest::addRow("first fix anywhere") << ""
                                        << ""
                                        << "-33.9"
                                        << "151.2" << true << "";
    QTest::addRow("0.4 degree away") << "22.5"
                                     << "113.9"
                                     << "22.9"
                                     << "113.9" << true << "";
    QTest::addRow("0.6 degree away")
        << "22.5"
        << "113.9"
        << "23.1"
        << "113.9" << false << QString::fromUtf8(jumpMessage) + QStringLiteral(" 23.1 113.9");
    QTest::addRow("exactly 0.5 degree of longitude")
        << "22.5"
        << "113.9"
        << "22.5"
        << "114.4" << false << QString::fromUtf8(jumpMessage) + QStringLiteral(" 22.5 114.4");
    QTest::addRow("crossing the equator") << "0.1"
                                          << "32.5"
                                          << "-0.1"
                                          << "32.5" << true << "";
    QTest::addRow("hemisphere sign error") << "22.5"
                                           << "113.9"
                                           << "-22.5"
                                           << "113.9" << true << "";
    QTest::addRow("zero latitude") << ""
                                   << ""
                                   << "0.0"
                                   << "113.0" << false << rangeMessage;
    QTest::addRow("zero longitude") << ""
                                    << ""
                                    << "22.5"
                                    << "0" << false << rangeMessage;
    QTest::addRow("longitude beyond 180") << ""
                                          << ""
                                          << "22.5"
                                          << "180.5" << false << rangeMessage;
    QTest::addRow("latitude beyond -90") << ""
                                         << ""
                                         << "-90.1"
                                         << "10" << false << rangeMessage;
    QTest::addRow("on the bounds") << ""
                                   << ""
                                   << "90"
                                   << "-180" << true << "";
    QTest::addRow("unreadable") << ""
                                << ""
                                << "north"
                                << "113.9" << false << rangeMessage;
    QTest::addRow("nan") << "22.5"
                         << "113.9"
                         << "nan"
                         << "113.9" << false << rangeMessage;
    QTest::addRow("infinite") << "22.5"
                              << "113.9"
                              << "22.5"
                              << "inf" << false << rangeMessage;
}

void TestGpsTrackBuilder::validation()
{
    QFETCH(QString, oldLatitude);
    QFETCH(QString, oldLongitude);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, message);
    GPSModel oldModel = toModel({oldLatitude, oldLongitude, "10"});
    GPSModel model = toModel({latitude, longitude, "10"});
    if (!message.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    GpsTrackBuilder::checkLatOrLon(model, oldModel);
    QTEST(model.status, "accepted");
}

void TestGpsTrackBuilder::track_data()
{
    QTest::addColumn<QVector<Fix>>("fixes");
    QTest::addColumn<int>("packetRate");
    QTest::addColumn<QList<int>>("speedSums"); // after each fix
    QTest::addColumn<QString>("aevSpeed");
    QTest::addColumn<QString>("maxSpeed");
    QTest::addColumn<int>("totalSpeedNum");
    QTest::addColumn<int>("gpsTotailNum");
    QTest::addColumn<bool>("isChina");
    QTest::addColumn<QStringList>("storedSpeeds"); // in key order
    QTest::addColumn<QList<float>>("storedAngles");
    QTest::addColumn<int>("samples");

    QTest::addRow("speed sums truncate")
        << QVector<Fix> {{"22.5", "113.9", "10.5", 0, true, 10},
                         {"22.51", "113.91", "20.7", 1, true, 20},
                         {"22.52", "113.92", "30.9", 2, true, 30}}
        << 1 << QList<int> {10, 30, 60} << "20.000"
        << "30.900" << 3 << 3 << true << QStringList {"10.5", "20.7", "30.9"}
        << QList<float> {10, 20, 30} << 3;
    QTest::addRow("speeds outside (0, 400) are zeroed and not counted")
        << QVector<Fix> {{"22.5", "113.9", "400", 0},    {"22.5", "113.9", "0", 1},
                         {"22.5", "113.9", "-3", 2},     {"22.5", "113.9", "fast", 3},
                         {"22.5", "113.9", "nan", 4},    {"22.5", "113.9", "inf", 5},
                         {"22.5", "113.9", "399.999", 6}}
        << 1 << QList<int> {0, 0, 0, 0, 0, 0, 399} << "399.000"
        << "399.999" << 1 << 7 << true << QStringList {"0", "0", "0", "0", "0", "0", "399.999"}
        << QList<float> {0, 0, 0, 0, 0, 0, 0} << 7;
    QTest::addRow("two fixes under one key")
        << QVector<Fix> {{"22.5", "113.9", "10", 0, true, 90}, {"22.5", "113.9", "20", 0, true, 95}}
        << 1 << QList<int> {10, 30} << "15.000"
        << "20.000" << 2 << 2 << true << QStringList {"20"} << QList<float> {95} << 1;
    QTest::addRow("packet stream mean is not divided again")
        << QVector<Fix>(20, Fix {"22.5", "113.9", "26", 0}) << 10
        << QList<int> {26,  52,  78,  104, 130, 156, 182, 208, 234, 260,
                       286, 312, 338, 364, 390, 416, 442, 468, 494, 520}
        << "26.000"
        << "26.000" << 2 << 20 << true << QStringList {"26"} << QList<float> {0} << 1;
    QTest::addRow("first fix decides isChina: in, then hong kong")
        << QVector<Fix> {{"22.55", "114.05", "5", 0}, {"22.30", "114.17", "5", 1}} << 1
        << QList<int> {5, 10} << "5.000"
        << "5.000" << 2 << 2 << true << QStringList {"5", "5"} << QList<float> {0, 0} << 2;
    QTest::addRow("first fix decides isChina: hong kong, then in")
        << QVector<Fix> {{"22.30", "114.17", "5", 0}, {"22.55", "114.05", "5", 1}} << 1
        << QList<int> {5, 10} << "5.000"
        << "5.000" << 2 << 2 << false << QStringList {"5", "5"} << QList<float> {0, 0} << 2;
    QTest::addRow("rejected fixes keep only their samples")
        << QVector<Fix> {{"22.5", "113.9", "10", 0, false},
                         {"0", "0", "10", 1},
                         {"", "", "10", 2},
                         {"0.0", "113.0", "10", 3},
                         {"nan", "113.9", "10", 4, true, 0, notANumber},
                         {"22.5", "inf", "10", 5}}
        << 1 << QList<int> {0, 0, 0, 0, 0, 0} << "0"
        << "0" << 0 << 0 << false << QStringList {} << QList<float> {} << 6;
    QTest::addRow("jump after the first fix is rejected")
        << QVector<Fix> {{"22.5", "113.9", "10", 0},
                         {"23.5", "113.9", "50", 1},
                         {"22.6", "113.9", "20", 2}}
        << 1 << QList<int> {10, 10, 30} << "15.000"
        << "20.000" << 2 << 2 << true << QStringList {"10", "20"} << QList<float> {0, 0} << 3;
    QTest::addRow("bad course keeps the fix's own, nan becomes 0")
        << QVector<Fix> {{"22.5", "113.9", "10", 0, true, 400},
                         {"22.5", "113.9", "10", 1, true, -1},
                         {"22.5", "113.9", "10", 2, true, notANumber},
                         {"22.5", "113.9", "10", 3, true, std::numeric_limits<float>::infinity()},
                         {"22.5", "113.9", "10", 4, true, 360}}
        << 1 << QList<int> {10, 20, 30, 40, 50} << "10.000"
        << "10.000" << 5 << 5 << true << QStringList {"10", "10", "10", "10", "10"}
        << QList<float> {400, -1, 0, 0, 360} << 5;
}

void TestGpsTrackBuilder::track()
{
    QFETCH(QVector<Fix>, fixes);
    QFETCH(int, packetRate);
    QFETCH(QList<int>, speedSums);
    QFETCH(QList<float>, storedAngles);
    GpsTrackBuilder builder;
    builder.setPacketRate(packetRate);
    QList<int> sums;
    for (const Fix &fix : fixes) {
        while (builder.trackKey() < fix.key)
            builder.advanceKey();
        GPSModel model = toModel(fix);
        builder.fileFix(model);
        sums.append(builder.speedSum());
    }
    builder.parseGPSComplete();
    const VideoMessage &record = builder.record();
    QCOMPARE(sums, speedSums);
    QTEST(record.aevSpeed, "aevSpeed");
    QTEST(record.distance, "aevSpeed");
    QTEST(record.maxSpeed, "maxSpeed");
    QTEST(record.totalSpeedNum, "totalSpeedNum");
    QTEST(record.gpsTotailNum, "gpsTotailNum");
    QTEST(record.isChina, "isChina");
    QCOMPARE(record.filesType, 4);
    QTEST(record.gsensorItems.size(), "samples");
    QStringList speeds;
    for (const GPSModel &fix : record.gpsItems) {
        speeds.append(fix.speed);
        QVERIFY(fix.status);
        QVERIFY(!fix.isZeroPosition());
        QCOMPARE(fix.angle, storedAngles.value(speeds.size() - 1));
    }
    QTEST(speeds, "storedSpeeds");
    for (const QStringList &sample : record.gsensorItems)
        QVERIFY2(!sample.join(QLatin1Char(' ')).contains(QLatin1String("nan")),
                 qPrintable(sample.join(QLatin1Char(' '))));
}

void TestGpsTrackBuilder::packetKeys_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QList<int>>("keys"); // key each packet is filed under
    QTest::addRow("ten per second")
        << 10 << QList<int> {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2};
    QTest::addRow("one per second") << 1 << QList<int> {0, 1, 2, 3};
    QTest::addRow("rate of a stream shorter than a second") << 0 << QList<int> {0, 1, 2};
}

void TestGpsTrackBuilder::packetKeys()
{
    QFETCH(int, rate);
    QFETCH(QList<int>, keys);
    GpsTrackBuilder builder;
    QList<int> filed;
    for (int i = 0; i < keys.size(); ++i) {
        filed.append(builder.trackKey());
        builder.advancePacket(rate);
    }
    QCOMPARE(filed, keys);
    QCOMPARE(builder.packetCount(), keys.size());
}

void TestGpsTrackBuilder::completionRepeats()
{
    GpsTrackBuilder builder;
    GPSModel first = toModel({"22.5", "113.9", "12"});
    builder.fileFix(first);
    builder.parseGPSComplete();
    QCOMPARE(builder.record().aevSpeed, QStringLiteral("12.000"));
    builder.advanceKey();
    GPSModel second = toModel({"22.5", "113.9", "20"});
    builder.fileFix(second);
    builder.parseGPSComplete();
    QCOMPARE(builder.record().aevSpeed, QStringLiteral("16.000"));
    QCOMPARE(builder.record().gpsTotailNum, 2);
    QCOMPARE(builder.record().gpsItems.keys(), QStringList({"0", "1"}));
}

ZEMKO_TEST_GUILESS_MAIN(TestGpsTrackBuilder)
#include "tst_gpstrackbuilder.moc"
