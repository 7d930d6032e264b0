#include "DbModel.h"
#include "GPSModel.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

GPSModel makeFix(const QString &lat, const QString &lon, bool status = true)
{
    GPSModel fix;
    fix.latitude = lat;
    fix.longitude = lon;
    fix.status = status;
    return fix;
}

// Every field set to a distinct value, so a field read into the wrong member shows.
VideoMessage fullRecord()
{
    VideoMessage record;
    record.path = QStringLiteral("/media/卡/20240101_120000_F.MP4");
    record.time = QStringLiteral("20240101120000123");
    record.fileSize = QStringLiteral("fs");
    record.fileName = QStringLiteral("20240101_120000_F.MP4");
    record.size = QStringLiteral("95.4");
    record.format = QStringLiteral("MP4");
    record.demuxer = QStringLiteral("lavf");
    record.duration = QStringLiteral("60");
    record.durationM = 60123;
    record.videoFormat = QStringLiteral("vf");
    record.videoCodec = QStringLiteral("H264");
    record.pixelFormat = QStringLiteral("nv12");
    record.videoSize = QStringLiteral("vs");
    record.currentVideoSize = QStringLiteral("cvs");
    record.displaySize = QStringLiteral("ds");
    record.hwdec = QStringLiteral("NO");
    record.videoAspect = QStringLiteral("16:9");
    record.audioCodec = QStringLiteral("ac");
    record.videoBitRate = QStringLiteral("12000000");
    record.audioBitRate = QStringLiteral("128000");
    record.videoFrameRate = QStringLiteral("29.97");
    record.resolution = QStringLiteral("1920*1080");
    record.width = QStringLiteral("1920");
    record.height = QStringLiteral("1080");
    record.name = QStringLiteral("20240101_120000_F");
    record.isProfileHigh = true;
    record.aevSpeed = QStringLiteral("20.000");
    record.totalSpeedNum = 3;
    record.maxSpeed = QStringLiteral("30.900");
    record.distance = QStringLiteral("20.000");
    record.gpsTotailNum = 4;
    record.isChina = true;
    record.filesType = 7;
    record.isSave = true;
    record.jsonAllPosition = QStringLiteral("not read back");
    for (int i = 0; i < 2; ++i) {
        GPSModel fix = makeFix(QStringLiteral("22.54166%1").arg(i), QStringLiteral("113.900002"));
        fix.hour = QStringLiteral("12");
        fix.minute = QStringLiteral("0");
        fix.second = QString::number(i);
        fix.year = QStringLiteral("2024");
        fix.month = QStringLiteral("1");
        fix.nsind = QStringLiteral("N");
        fix.ewind = QStringLiteral("E");
        fix.reservd = QStringLiteral("r");
        fix.speed = QStringLiteral("26.998");
        fix.angle = 271.25f;
        fix.jsonPosition = QStringLiteral("not read back");
        fix.x = 0.015f;
        fix.y = -1.0f / 3.0f;
        fix.z = 0.98f;
        fix.fixFormat = 5;
        record.gpsItems.insert(QString::number(i), fix);
        record.gsensorItems.insert(
            QString::number(i),
            {QStringLiteral("0.015"), QStringLiteral("-0.333333"), QStringLiteral("0.98")});
    }
    return record;
}

// The record fromJson must give back: the two unread texts empty, fixFormat 0.
VideoMessage expectedAfterRoundTrip(VideoMessage record)
{
    record.jsonAllPosition.clear();
    for (GPSModel &fix : record.gpsItems) {
        fix.jsonPosition.clear();
        fix.fixFormat = 0;
    }
    return record;
}

void compareFix(const GPSModel &actual, const GPSModel &expected)
{
    QCOMPARE(actual.hour, expected.hour);
    QCOMPARE(actual.minute, expected.minute);
    QCOMPARE(actual.second, expected.second);
    QCOMPARE(actual.year, expected.year);
    QCOMPARE(actual.month, expected.month);
    QCOMPARE(actual.day, expected.day);
    QCOMPARE(actual.status, expected.status);
    QCOMPARE(actual.nsind, expected.nsind);
    QCOMPARE(actual.ewind, expected.ewind);
    QCOMPARE(actual.reservd, expected.reservd);
    QCOMPARE(actual.speed, expected.speed);
    QCOMPARE(actual.angle, expected.angle);
    QCOMPARE(actual.latitude, expected.latitude);
    QCOMPARE(actual.longitude, expected.longitude);
    QCOMPARE(actual.jsonPosition, expected.jsonPosition);
    QCOMPARE(actual.x, expected.x);
    QCOMPARE(actual.y, expected.y);
    QCOMPARE(actual.z, expected.z);
    QCOMPARE(actual.fixFormat, expected.fixFormat);
}

void compareRecord(const VideoMessage &actual, const VideoMessage &expected)
{
    QCOMPARE(actual.path, expected.path);
    QCOMPARE(actual.time, expected.time);
    QCOMPARE(actual.fileSize, expected.fileSize);
    QCOMPARE(actual.fileName, expected.fileName);
    QCOMPARE(actual.size, expected.size);
    QCOMPARE(actual.format, expected.format);
    QCOMPARE(actual.demuxer, expected.demuxer);
    QCOMPARE(actual.duration, expected.duration);
    QCOMPARE(actual.durationM, expected.durationM);
    QCOMPARE(actual.videoFormat, expected.videoFormat);
    QCOMPARE(actual.videoCodec, expected.videoCodec);
    QCOMPARE(actual.pixelFormat, expected.pixelFormat);
    QCOMPARE(actual.videoSize, expected.videoSize);
    QCOMPARE(actual.currentVideoSize, expected.currentVideoSize);
    QCOMPARE(actual.displaySize, expected.displaySize);
    QCOMPARE(actual.hwdec, expected.hwdec);
    QCOMPARE(actual.videoAspect, expected.videoAspect);
    QCOMPARE(actual.audioCodec, expected.audioCodec);
    QCOMPARE(actual.videoBitRate, expected.videoBitRate);
    QCOMPARE(actual.audioBitRate, expected.audioBitRate);
    QCOMPARE(actual.videoFrameRate, expected.videoFrameRate);
    QCOMPARE(actual.resolution, expected.resolution);
    QCOMPARE(actual.width, expected.width);
    QCOMPARE(actual.height, expected.height);
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(actual.isProfileHigh, expected.isProfileHigh);
    QCOMPARE(actual.aevSpeed, expected.aevSpeed);
    QCOMPARE(actual.totalSpeedNum, expected.totalSpeedNum);
    QCOMPARE(actual.maxSpeed, expected.maxSpeed);
    QCOMPARE(actual.distance, expected.distance);
    QCOMPARE(actual.gpsTotailNum, expected.gpsTotailNum);
    QCOMPARE(actual.isChina, expected.isChina);
    QCOMPARE(actual.filesType, expected.filesType);
    QCOMPARE(actual.isSave, expected.isSave);
    QCOMPARE(actual.jsonAllPosition, expected.jsonAllPosition);
    QCOMPARE(actual.gsensorItems, expected.gsensorItems);
    QCOMPARE(actual.gpsItems.keys(), expected.gpsItems.keys());
    for (auto it = expected.gpsItems.cbegin(); it != expected.gpsItems.cend(); ++it)
        compareFix(actual.gpsItems.value(it.key()), it.value());
}

} // namespace

class TestMediaRecords : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAndReset();
    void jsonRoundTrip();
    void jsonDocumentShape();
    void documentIsQtIndentedText_data();
    void documentIsQtIndentedText();
    void fromJsonLeavesRecordOnBadText_data();
    void fromJsonLeavesRecordOnBadText();
    void fromJsonOfEmptyObject();
    void fromJsonWithWrongTypes();
    void fixFromJson_data();
    void fixFromJson();
    void toRowMarksSaved();
    void isZeroPosition_data();
    void isZeroPosition();
    void markerScript_data();
    void markerScript();
    void trackScript_data();
    void trackScript();
    void dbModelRow();
    void dbModelFromJsonMessage_data();
    void dbModelFromJsonMessage();
};

void TestMediaRecords::defaultsAndReset()
{
    VideoMessage record = fullRecord();
    const VideoMessage constructed;
    QCOMPARE(constructed.aevSpeed, QStringLiteral("0"));
    QCOMPARE(constructed.maxSpeed, QStringLiteral("0"));
    QCOMPARE(constructed.distance, QStringLiteral("0"));
    QCOMPARE(constructed.width, QStringLiteral("0"));
    QCOMPARE(constructed.height, QStringLiteral("0"));

    VideoMessage expected = constructed;
    expected.aevSpeed.clear();
    expected.maxSpeed.clear();
    expected.distance.clear();
    record.reset();
    compareRecord(record, expected);
}

void TestMediaRecords::jsonRoundTrip()
{
    const VideoMessage original = fullRecord();
    VideoMessage copy;
    copy.fromJson(original.toJson());
    compareRecord(copy, expectedAfterRoundTrip(original));
}

void TestMediaRecords::jsonDocumentShape()
{
    const QJsonObject document = QJsonDocument::fromJson(fullRecord().toJson().toUtf8()).object();
    QCOMPARE(document.size(), 37); // 35 scalars, the track and the samples
    QVERIFY(document.value(QLatin1String("durationM")).isDouble());
    QVERIFY(document.value(QLatin1String("isChina")).isBool());
    QCOMPARE(document.value(QLatin1String("jsonAllPosition")).toString(),
             QStringLiteral("not read back"));
    const QJsonObject fix
        = document.value(QLatin1String("gpsItems")).toObject().value(QLatin1String("1")).toObject();
    QCOMPARE(fix.size(), 18);
    QVERIFY(!fix.contains(QLatin1String("fixFormat")));
    QVERIFY(fix.value(QLatin1String("status")).isBool());
    QCOMPARE(fix.value(QLatin1String("angle")).toDouble(), 271.25);
    QCOMPARE(fix.value(QLatin1String("jsonPosition")).toString(), QStringLiteral("not read back"));
    QCOMPARE(document.value(QLatin1String("gsensorItems")).toObject().value(QLatin1String("0")),
             QJsonValue(QJsonArray {QStringLiteral("0.015"), QStringLiteral("-0.333333"),
                                    QStringLiteral("0.98")}));
}

void TestMediaRecords::documentIsQtIndentedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("number");
    QTest::addColumn<QString>("key");
    QTest::addRow("plain") << "20240101_120000_F.MP4" << 271.25f << "0";
    QTest::addRow("non-ascii path") << "/media/卡/行车记录.MP4" << 0.98f << "1";
    QTest::addRow("escapes") << "a\"b\\c\td\ne\rf\bg\fh" << -1.0f / 3.0f << "2";
    QTest::addRow("control characters") << QStringLiteral("x\x01y\x1fz\x7f") << 1e-7f << "a\"b";
    QTest::addRow("integral and large numbers") << "" << -0.0f << "10";
    QTest::addRow("beyond exact integers") << "x" << 1e20f << "9";
    QTest::addRow("empty track") << "x" << 3.0f << "";
}

// The store keeps exactly what Qt's indented printer would print.
void TestMediaRecords::documentIsQtIndentedText()
{
    QFETCH(QString, text);
    QFETCH(float, number);
    QFETCH(QString, key);
    VideoMessage record = fullRecord();
    record.path = text;
    record.durationM = -5;
    GPSModel fix = record.gpsItems.value(QStringLiteral("0"));
    fix.angle = number;
    fix.x = number;
    fix.latitude = text;
    if (key.isEmpty()) {
        record.gpsItems.clear();
        record.gsensorItems.insert(QStringLiteral("3"), {});
    } else {
        record.gpsItems.insert(key, fix);
        record.gsensorItems.insert(key, {text});
    }
    const QByteArray document = record.toJson().toUtf8();
    QJsonParseError error {};
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document, parsed.toJson(QJsonDocument::Indented));
}

void TestMediaRecords::fromJsonLeavesRecordOnBadText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("empty") << QString();
    QTest::addRow("not json") << QStringLiteral("{\"path\": \"x\"");
    QTest::addRow("array") << QStringLiteral("[{\"path\": \"x\"}]");
    QTest::addRow("number") << QStringLiteral("12");
}

void TestMediaRecords::fromJsonLeavesRecordOnBadText()
{
    QFETCH(QString, text);
    VideoMessage record = fullRecord();
    record.fromJson(text);
    compareRecord(record, fullRecord());
}

void TestMediaRecords::fromJsonOfEmptyObject()
{
    VideoMessage record = fullRecord();
    record.fromJson(QStringLiteral("{}"));
    VideoMessage expected;
    expected.aevSpeed.clear();
    expected.maxSpeed.clear();
    expected.distance.clear();
    expected.width.clear();
    expected.height.clear();
    expected.jsonAllPosition = fullRecord().jsonAllPosition; // never read
    expected.gpsItems = fullRecord().gpsItems;
    expected.gsensorItems = fullRecord().gsensorItems;
    compareRecord(record, expected);
}

void TestMediaRecords::fromJsonWithWrongTypes()
{
    VideoMessage record = fullRecord();
    record.fromJson(QStringLiteral(R"({
        "path": "/new/path.MP4", "width": 1920, "height": ["1080"], "durationM": "60123",
        "gpsTotailNum": "4", "isChina": 1, "duration": "61",
        "gpsItems": { "0": 5, "1": [1, 2], "2": { "latitude": "22.5", "status": true, "angle": "90" } },
        "gsensorItems": { "0": "0.1", "1": { "x": 1 }, "2": [0.25, "0.5", null] }
    })"));
    QCOMPARE(record.path, QStringLiteral("/new/path.MP4"));
    QCOMPARE(record.duration, QStringLiteral("61"));
    QCOMPARE(record.width, QString());
    QCOMPARE(record.height, QString());
    QCOMPARE(record.durationM, qint64(0));
    QCOMPARE(record.gpsTotailNum, 0);
    QCOMPARE(record.isChina, false);
    // Entries whose member has the wrong type keep their stored value.
    const VideoMessage original = fullRecord();
    compareFix(record.gpsItems.value(QStringLiteral("0")), original.gpsItems.value("0"));
    compareFix(record.gpsItems.value(QStringLiteral("1")), original.gpsItems.value("1"));
    QCOMPARE(record.gpsItems.value(QStringLiteral("2")).latitude, QStringLiteral("22.5"));
    QCOMPARE(record.gpsItems.value(QStringLiteral("2")).angle, 0.0f);
    QCOMPARE(record.gsensorItems.value(QStringLiteral("0")), original.gsensorItems.value("0"));
    QCOMPARE(record.gsensorItems.value(QStringLiteral("1")), original.gsensorItems.value("1"));
    QCOMPARE(record.gsensorItems.value(QStringLiteral("2")),
             QStringList({QStringLiteral("0.25"), QStringLiteral("0.5"), QString()}));
}

void TestMediaRecords::fixFromJson_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<bool>("status");
    QTest::addColumn<float>("angle");
    QTest::addRow("fields") << R"({"latitude": "22.5", "status": true, "angle": 90.5})"
                            << "22.5" << true << 90.5f;
    QTest::addRow("not json") << "latitude"
                              << "" << false << 0.0f;
    QTest::addRow("wrong types") << R"({"latitude": 22.5, "status": "true", "angle": "1"})"
                                 << "" << false << 0.0f;
    QTest::addRow("angle beyond float") << R"({"angle": 1e300})"
                                        << "" << false << 0.0f;
}

void TestMediaRecords::fixFromJson()
{
    QFETCH(QString, text);
    GPSModel fix = makeFix(QStringLiteral("1.0"), QStringLiteral("2.0"));
    fix.speed = QStringLiteral("5");
    fix.angle = 45;
    fix.jsonPosition = QStringLiteral("kept");
    fix.fixFormat = 3;
    fix.fromJson(text);
    QTEST(fix.latitude, "latitude");
    QTEST(fix.status, "status");
    QTEST(fix.angle, "angle");
    QCOMPARE(fix.longitude, QString());
    QCOMPARE(fix.speed, QString());
    QCOMPARE(fix.jsonPosition, QStringLiteral("kept"));
    QCOMPARE(fix.fixFormat, 3);
}

void TestMediaRecords::toRowMarksSaved()
{
    VideoMessage record = fullRecord();
    record.isSave = false;
    const QMap<QString, QString> row = record.toRow();
    QVERIFY(record.isSave);
    QCOMPARE(row.keys(),
             QStringList({QStringLiteral("fileName"), QStringLiteral("jsonMessage"),
                          QStringLiteral("path"), QStringLiteral("time")}));
    QCOMPARE(row.value(QStringLiteral("path")), record.path);
    QCOMPARE(row.value(QStringLiteral("time")), record.time);
    QCOMPARE(row.value(QStringLiteral("fileName")), record.fileName);
    const QJsonObject stored
        = QJsonDocument::fromJson(row.value(QStringLiteral("jsonMessage")).toUtf8()).object();
    QCOMPARE(stored.value(QLatin1String("isSave")), QJsonValue(true));
}

void TestMediaRecords::isZeroPosition_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<bool>("zero");
    QTest::addRow("both empty") << ""
                                << "" << true;
    QTest::addRow("both zero") << "0"
                               << "0.000000" << true;
    QTest::addRow("unreadable") << "abc"
                                << "" << true;
    QTest::addRow("zero latitude only") << "0"
                                        << "113.5" << false;
    QTest::addRow("south west") << "-22.5"
                                << "-43.2" << false;
    QTest::addRow("nan") << "nan"
                         << "113.5" << true;
    QTest::addRow("infinite") << "inf"
                              << "113.5" << true;
}

void TestMediaRecords::isZeroPosition()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QTEST(makeFix(latitude, longitude).isZeroPosition(), "zero");
}

void TestMediaRecords::markerScript_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<bool>("status");
    QTest::addColumn<int>("mapType");
    QTest::addColumn<QString>("script");
    QTest::addRow("google outside china")
        << "48.85"
        << "2.35" << true << 0
        << "\n                 var position = { lat: 48.850000, lng: 2.350000 };\n"
           "                 updateMarkerPosition(position);\n             ";
    QTest::addRow("baidu outside china")
        << "-33.87"
        << "151.21" << true << 1
        << "\n                 updateMarkerPosition([151.210000,-33.870000]);\n             ";
    QTest::addRow("google in china, gcj-02")
        << "39.9"
        << "116.4" << true << 0
        << "\n                 var position = { lat: 39.901404, lng: 116.406243 };\n"
           "                 updateMarkerPosition(position);\n             ";
    QTest::addRow("baidu in china, bd-09")
        << "39.9"
        << "116.4" << true << 1
        << "\n                 updateMarkerPosition([116.412628,39.907734]);\n             ";
    QTest::addRow("zero latitude is drawn")
        << "0"
        << "113.5" << true << 1
        << "\n                 updateMarkerPosition([113.500000,0.000000]);\n             ";
    QTest::addRow("invalid fix") << "39.9"
                                 << "116.4" << false << 0 << "";
    QTest::addRow("zero position") << "0"
                                   << "0" << true << 0 << "";
    QTest::addRow("empty position") << ""
                                    << "" << true << 1 << "";
    QTest::addRow("infinite") << "inf"
                              << "116.4" << true << 0 << "";
}

void TestMediaRecords::markerScript()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(bool, status);
    QFETCH(int, mapType);
    QTEST(makeFix(latitude, longitude, status).markerScript(mapType), "script");
}

void TestMediaRecords::trackScript_data()
{
    QTest::addColumn<QStringList>("track"); // "lat lon" under keys "0", "1", ...; "!" marks invalid
    QTest::addColumn<QString>("duration");
    QTest::addColumn<bool>("isChina");
    QTest::addColumn<int>("mapType");
    QTest::addColumn<QString>("script");
    const QStringList paris {"48.85 2.35", "!48.86 2.36", "0 0", "48.851234 -2.350001",
                             "48.85 2.35"};
    const QStringList beijing {"39.9 116.4"};
    QTest::addRow("google")
        << paris << "4" << false << 0
        << "\n                    drawPolyLinePath([{\"lat\":48.85,\"lng\":2.35},"
           "{\"lat\":48.851234,\"lng\":-2.350001}]);\n                 ";
    QTest::addRow("baidu") << paris << "4" << false << 1
                           << "\n                   drawPolyLinePath([[\"2.350000\",\"48.850000\"],"
                              "[\"-2.350001\",\"48.851234\"]]);\n                   ";
    QTest::addRow("one fix")
        << paris << "1" << false << 1
        << "\n                   drawPolyLinePath([[\"2.350000\",\"48.850000\"]]);"
           "\n                   ";
    QTest::addRow("duration bounds the track")
        << paris << "3" << false << 0
        << "\n                    drawPolyLinePath([{\"lat\":48.85,\"lng\":2.35}]);\n              "
           "   ";
    QTest::addRow("google in china")
        << beijing << "1" << true << 0
        << "\n                    drawPolyLinePath([{\"lat\":39.901404,\"lng\":116.406243}]);"
           "\n                 ";
    QTest::addRow("baidu in china")
        << beijing << "1" << true << 1
        << "\n                   drawPolyLinePath([[\"116.412628\",\"39.907734\"]]);"
           "\n                   ";
    QTest::addRow("record flag, not each point, decides")
        << beijing << "1" << false << 0
        << "\n                    drawPolyLinePath([{\"lat\":39.9,\"lng\":116.4}]);\n              "
           "   ";
    QTest::addRow("baidu, flag false, near hong kong")
        << QStringList {"22.5 113.9"} << "1" << false << 1
        << "\n                   drawPolyLinePath([[\"113.900000\",\"22.500000\"]]);"
           "\n                   ";
    QTest::addRow("shift overflowing to infinity")
        << QStringList {"1e300 116.4"} << "1" << true << 0 << "";
    QTest::addRow("zero duration") << paris << "0" << false << 0 << "";
    QTest::addRow("empty duration") << paris << "" << false << 1 << "";
    QTest::addRow("unreadable duration") << paris << "12.5" << false << 0 << "";
    QTest::addRow("only invalid fixes")
        << QStringList {"!48.85 2.35", "0 0", ""} << "3" << false << 1 << "";
}

void TestMediaRecords::trackScript()
{
    QFETCH(QStringList, track);
    QFETCH(int, mapType);
    VideoMessage record;
    QFETCH(QString, duration);
    QFETCH(bool, isChina);
    record.duration = duration;
    record.isChina = isChina;
    for (int i = 0; i < track.size(); ++i) {
        QString point = track.at(i);
        const bool valid = !point.startsWith(QLatin1Char('!'));
        const QStringList parts = point.remove(QLatin1Char('!')).split(QLatin1Char(' '));
        record.gpsItems.insert(QString::number(i), makeFix(parts.value(0), parts.value(1), valid));
    }
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("传入的文件类型: %1").arg(mapType)));
    QTEST(record.trackScript(mapType), "script");
}

void TestMediaRecords::dbModelRow()
{
    DbModel row;
    row.fileName = QStringLiteral("a.MP4");
    row.path = QStringLiteral("/m/a.MP4");
    row.time = QStringLiteral("20240101120000123");
    row.size = QStringLiteral("12.5");
    row.is3DVideo = true;
    row.width = QStringLiteral("3840");
    const QMap<QString, QString> columns = row.toRow();
    QCOMPARE(columns.value(QStringLiteral("fileName")), row.fileName);
    QCOMPARE(columns.value(QStringLiteral("path")), row.path);
    QCOMPARE(columns.value(QStringLiteral("time")), row.time);
    QCOMPARE(columns.value(QStringLiteral("size")), row.size);
    QCOMPARE(columns.value(QStringLiteral("jsonMessage")),
             QStringLiteral("{\n    \"height\": \"0\",\n    \"is3DVideo\": true,\n"
                            "    \"width\": \"3840\"\n}\n"));
    DbModel back;
    back.setFromJsonMessage(columns.value(QStringLiteral("jsonMessage")));
    QCOMPARE(back.is3DVideo, true);
    QCOMPARE(back.width, QStringLiteral("3840"));
    QCOMPARE(back.height, QStringLiteral("0"));
}

void TestMediaRecords::dbModelFromJsonMessage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("is3DVideo");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addRow("not json") << "is3DVideo" << false << "0"
                              << "0";
    QTest::addRow("array") << R"([{"width": "1"}])" << false << "0"
                           << "0";
    QTest::addRow("fields") << R"({"is3DVideo": true, "width": "1280", "height": "720"})" << true
                            << "1280"
                            << "720";
    QTest::addRow("missing members") << "{}" << false << ""
                                     << "";
    QTest::addRow("wrong types") << R"({"is3DVideo": "yes", "width": 1280, "height": {}})" << false
                                 << ""
                                 << "";
}

void TestMediaRecords::dbModelFromJsonMessage()
{
    QFETCH(QString, text);
    DbModel row;
    row.fileName = QStringLiteral("kept.MP4");
    row.setFromJsonMessage(text);
    QTEST(row.is3DVideo, "is3DVideo");
    QTEST(row.width, "width");
    QTEST(row.height, "height");
    QCOMPARE(row.fileName, QStringLiteral("kept.MP4"));
}

ZEMKO_TEST_GUILESS_MAIN(TestMediaRecords)
#include "tst_mediarecords.moc"
