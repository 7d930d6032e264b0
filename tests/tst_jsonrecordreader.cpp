#include "GPSModel.h"
#include "JsonRecordReader.h"
#include "RecordFields.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <cstring>

// The single-pass reader against the QJsonDocument decoding: for every
// document both must leave the record in the same state, whether the reader
// takes the document or hands it back.
namespace {

// A record with state of its own, so "left unchanged" and the merge of the
// track maps are compared too.
VideoMessage startingRecord()
{
    VideoMessage record;
    record.path = QStringLiteral("/old/path.MP4");
    record.durationM = 77;
    record.isChina = true;
    GPSModel fix;
    fix.latitude = QStringLiteral("1.000000");
    fix.jsonPosition = QStringLiteral("kept");
    fix.fixFormat = 3;
    record.gpsItems.insert(QStringLiteral("0"), fix);
    record.gpsItems.insert(QStringLiteral("zz"), fix);
    record.gsensorItems.insert(QStringLiteral("zz"), {QStringLiteral("9")});
    return record;
}

bool sameText(const QString &a, const QString &b)
{
    return a == b && a.isNull() == b.isNull();
}

bool sameFloat(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The first difference as text, empty when the fixes are the same.
QString fixDifference(const GPSModel &a, const GPSModel &b)
{
    for (const auto &field : RecordFields::fixTexts) {
        if (!sameText(a.*field.member, b.*field.member))
            return QStringLiteral("%1: '%2' / '%3'")
                .arg(QLatin1String(field.key), a.*field.member, b.*field.member);
    }
    for (const auto &field : RecordFields::fixFloats) {
        if (!sameFloat(a.*field.member, b.*field.member))
            return QStringLiteral("%1: %2 / %3")
                .arg(QLatin1String(field.key))
                .arg(double(a.*field.member))
                .arg(double(b.*field.member));
    }
    if (a.status != b.status)
        return QStringLiteral("status");
    if (!sameText(a.jsonPosition, b.jsonPosition) || a.fixFormat != b.fixFormat)
        return QStringLiteral("jsonPosition or fixFormat");
    return {};
}

QString recordDifference(const VideoMessage &a, const VideoMessage &b)
{
    for (const auto &field : RecordFields::recordTexts) {
        if (!sameText(a.*field.member, b.*field.member))
            return QStringLiteral("%1: '%2' / '%3'")
                .arg(QLatin1String(field.key), a.*field.member, b.*field.member);
    }
    for (const auto &field : RecordFields::recordInts) {
        if (a.*field.member != b.*field.member)
            return QLatin1String(field.key);
    }
    for (const auto &field : RecordFields::recordBools) {
        if (a.*field.member != b.*field.member)
            return QLatin1String(field.key);
    }
    if (a.durationM != b.durationM)
        return QStringLiteral("durationM: %1 / %2").arg(a.durationM).arg(b.durationM);
    if (!sameText(a.jsonAllPosition, b.jsonAllPosition))
        return QStringLiteral("jsonAllPosition");
    if (a.gpsItems.keys() != b.gpsItems.keys())
        return QStringLiteral("gpsItems keys");
    for (auto it = a.gpsItems.cbegin(); it != a.gpsItems.cend(); ++it) {
        const QString difference = fixDifference(it.value(), b.gpsItems.value(it.key()));
        if (!difference.isEmpty())
            return QStringLiteral("gpsItems[%1] %2").arg(it.key(), difference);
    }
    if (a.gsensorItems.keys() != b.gsensorItems.keys())
        return QStringLiteral("gsensorItems keys");
    for (auto it = a.gsensorItems.cbegin(); it != a.gsensorItems.cend(); ++it) {
        const QStringList other = b.gsensorItems.value(it.key());
        if (it->size() != other.size())
            return QStringLiteral("gsensorItems[%1] size").arg(it.key());
        for (int i = 0; i < other.size(); ++i) {
            if (!sameText(it->at(i), other.at(i)))
                return QStringLiteral("gsensorItems[%1][%2]").arg(it.key()).arg(i);
        }
    }
    return {};
}

// Decodes with both and returns the first difference.
QString compareDecoders(const QByteArray &document)
{
    VideoMessage fast = startingRecord();
    VideoMessage reference = startingRecord();
    fast.fromJsonUtf8(document);
    reference.fromJsonTree(document);
    const QString difference = recordDifference(fast, reference);
    if (!difference.isEmpty())
        return difference;
    GPSModel fastFix = startingRecord().gpsItems.first();
    GPSModel referenceFix = fastFix;
    fastFix.fromJson(QString::fromUtf8(document));
    referenceFix.fromJsonObject(QJsonDocument::fromJson(document).object());
    return fixDifference(fastFix, referenceFix);
}

// oddKeys: some track keys are texts that the reader leaves to QJsonDocument.
VideoMessage sampleRecord(QRandomGenerator &random, int fixes, bool oddKeys)
{
    static const QStringList texts = {
        QString(),
        QStringLiteral(""),
        QStringLiteral("N"),
        QStringLiteral("2024"),
        QStringLiteral("22.541668"),
        QStringLiteral("/媒体/卡 1/\"引号\".MP4"),
        QStringLiteral("tab\tline\nfeed\\slash/"),
        QStringLiteral("emoji 😀 end"),
        QStringLiteral("\u0001\u001f control"),
        QStringLiteral("a longer value than eight"),
    };
    auto pick = [&] {
        return texts.at(random.bounded(texts.size()));
    };
    auto number = [&] {
        switch (random.bounded(4)) {
        case 0:
            return float(random.bounded(360));
        case 1:
            return float(random.generateDouble() * 2 - 1);
        case 2:
            return float(random.generateDouble() * 1e6);
        default:
            return 0.0f;
        }
    };
    VideoMessage record;
    for (const auto &field : RecordFields::recordTexts)
        record.*field.member = pick();
    for (const auto &field : RecordFields::recordInts)
        record.*field.member = int(random.bounded(2000)) - 1000;
    for (const auto &field : RecordFields::recordBools)
        record.*field.member = random.bounded(2) == 1;
    record.durationM = qint64(random.bounded(100000000));
    record.jsonAllPosition = pick();
    for (int i = 0; i < fixes; ++i) {
        GPSModel fix;
        for (const auto &field : RecordFields::fixTexts)
            fix.*field.member = pick();
        for (const auto &field : RecordFields::fixFloats)
            fix.*field.member = number();
        fix.status = random.bounded(2) == 1;
        fix.jsonPosition = pick();
        const QString key = oddKeys && random.bounded(8) == 0 ? pick() : QString::number(i);
        record.gpsItems.insert(key, fix);
        record.gsensorItems.insert(key, {QString::number(fix.x), pick(), QString::number(fix.z)});
    }
    return record;
}

// Damage of the kinds a broken file or a hand edit brings.
QByteArray mutated(QByteArray document, QRandomGenerator &random)
{
    static const QByteArray pieces[] = {
        "\"",  "\\",      ",",       "{",    "}",    "[",    "]",    ":",        "1e400", "-0",
        "0.5", "\\u00e9", "\\ud83d", "\xc3", "\xff", "null", "true", "\"x\":1,", " ",     "\n",
    };
    const int edits = 1 + random.bounded(3);
    for (int i = 0; i < edits && !document.isEmpty(); ++i) {
        const int at = random.bounded(document.size());
        switch (random.bounded(4)) {
        case 0:
            document.truncate(at);
            break;
        case 1:
            document.remove(at, 1 + random.bounded(8));
            break;
        case 2:
            document.insert(at, pieces[random.bounded(int(std::size(pieces)))]);
            break;
        default:
            document[at] = char(random.bounded(256));
            break;
        }
    }
    return document;
}

} // namespace

class TestJsonRecordReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAsReference_data();
    void sameAsReference();
    void takesPrintedRecords();
    void millisBeyondRange_data();
    void millisBeyondRange();
    void randomDocuments();
};

void TestJsonRecordReader::initTestCase()
{
    // Every record logs its destruction; thousands of lines hide a failure.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

void TestJsonRecordReader::sameAsReference_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<bool>("fastPath");

    // Plain shapes the reader must take itself.
    QTest::addRow("empty object") << QByteArray("{}") << true;
    QTest::addRow("compact") << QByteArray(R"({"path":"/a.MP4","durationM":5,"isChina":true})")
                             << true;
    QTest::addRow("unknown members")
        << QByteArray(R"({"extra":{"a":[1,2,{"b":null}]},"path":"p","zz":-1.5e3})") << true;
    QTest::addRow("wrong types") << QByteArray(
        R"({"path":5,"durationM":"7","isSave":1,"filesType":true,"gpsItems":[],)"
        R"("gsensorItems":"x"})") << true;
    QTest::addRow("fix of wrong types")
        << QByteArray(R"({"gpsItems":{"0":{"angle":"3","status":"true","hour":12,"x":null},)"
                      R"("1":[1],"2":"text"}})")
        << true;
    QTest::addRow("sample elements")
        << QByteArray(R"({"gsensorItems":{"0":[0.0100000001,-2,"t",true,null,[1],{}],"1":[]}})")
        << true;
    QTest::addRow("escapes") << QByteArray(R"({"path":"q\"b\\s\/n\nt\tr\rb\bf\f"})") << true;
    QTest::addRow("unicode escapes")
        << QByteArray(R"({"path":"\u00e9\u4E2D\ud83d\ude00 lone \ud800 \udc00 \u0000"})") << true;
    QTest::addRow("utf-8 text") << QByteArray("{\"path\":\"卡/视频 😀.MP4\"}") << true;
    QTest::addRow("int limits") << QByteArray(
        R"({"totalSpeedNum":-2147483648,"filesType":2147483647})")
                                << true;
    QTest::addRow("fix order") << QByteArray(R"({"gpsItems":{"0":{},"1":{},"10":{},"2":{}}})")
                               << true;

    // Shapes left to QJsonDocument; only the result matters.
    QTest::addRow("not json") << QByteArray("not json") << false;
    QTest::addRow("empty text") << QByteArray() << false;
    QTest::addRow("array document") << QByteArray("[1,2]") << false;
    QTest::addRow("trailing garbage") << QByteArray(R"({"path":"p"} x)") << false;
    QTest::addRow("truncated") << QByteArray(R"({"path":"p","gpsItems":{"0":{"hour":"1")") << false;
    QTest::addRow("duplicated member")
        << QByteArray(R"({"path":"first","path":"second"})") << false;
    QTest::addRow("duplicated fix key")
        << QByteArray(R"({"gpsItems":{"5":{"hour":"1"},"5":{"hour":"2"}}})") << false;
    QTest::addRow("duplicated fix member")
        << QByteArray(R"({"gpsItems":{"5":{"hour":"1","hour":"2"}}})") << false;
    QTest::addRow("fix keys out of order")
        << QByteArray(R"({"gpsItems":{"2":{"hour":"1"},"10":{"hour":"2"}}})") << false;
    QTest::addRow("escaped key") << QByteArray(R"({"pa\u0074h":"p"})") << false;
    QTest::addRow("lenient escape") << QByteArray(R"({"path":"\x"})") << false;
    QTest::addRow("overflowing number") << QByteArray(R"({"durationM":1e400})") << false;
    QTest::addRow("underflowing number") << QByteArray(R"({"durationM":1e-400})") << false;
    QTest::addRow("negative zero angle")
        << QByteArray(R"({"gpsItems":{"0":{"angle":-0.0}}})") << false;
    QTest::addRow("fractional int")
        << QByteArray(R"({"filesType":5.0,"totalSpeedNum":5.5})") << false;
    QTest::addRow("int out of range") << QByteArray(R"({"filesType":2147483648})") << false;
    QTest::addRow("huge millis") << QByteArray(R"({"durationM":9007199254740993})") << false;
    QTest::addRow("float too large")
        << QByteArray(R"({"gpsItems":{"0":{"x":1e300,"y":3.5e38,"z":-3.4028235e38}}})") << true;
    QTest::addRow("leading zero") << QByteArray(R"({"durationM":01})") << false;
    QTest::addRow("byte order mark") << QByteArray("\xef\xbb\xbf{\"path\":\"p\"}") << false;
    QTest::addRow("invalid utf-8") << QByteArray("{\"path\":\"\xc3(\"}") << false;
    QTest::addRow("encoded surrogate") << QByteArray("{\"path\":\"\xed\xa0\x80\"}") << false;
    QTest::addRow("raw control character") << QByteArray("{\"path\":\"a\tb\"}") << false;
    QTest::addRow("deep unknown value")
        << QByteArray("{\"x\":" + QByteArray(100, '[') + QByteArray(100, ']') + "}") << false;
}

void TestJsonRecordReader::millisBeyondRange_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<qint64>("millis");
    QTest::addRow("largest exact")
        << QByteArray(R"({"durationM":9007199254740992})") << Q_INT64_C(9007199254740992);
    QTest::addRow("negative") << QByteArray(R"({"durationM":-2.5})") << Q_INT64_C(-2);
    QTest::addRow("beyond 64 bits") << QByteArray(R"({"durationM":1e19})") << Q_INT64_C(0);
    QTest::addRow("far below") << QByteArray(R"({"durationM":-1e300})") << Q_INT64_C(0);
    QTest::addRow("not a number") << QByteArray(R"({"durationM":"1e300"})") << Q_INT64_C(0);
}

// A stored duration no 64-bit integer can hold reads as none.
void TestJsonRecordReader::millisBeyondRange()
{
    QFETCH(QByteArray, document);
    QFETCH(qint64, millis);
    VideoMessage record;
    record.durationM = 77;
    record.fromJsonUtf8(document);
    QCOMPARE(record.durationM, millis);
    QCOMPARE(compareDecoders(document), QString());
}

void TestJsonRecordReader::sameAsReference()
{
    QFETCH(QByteArray, document);
    QFETCH(bool, fastPath);
    QCOMPARE(compareDecoders(document), QString());
    VideoMessage record;
    QCOMPARE(JsonRecordReader::read(document.constData(), document.size(), record), fastPath);
}

void TestJsonRecordReader::takesPrintedRecords()
{
    QRandomGenerator random(7);
    for (int i = 0; i < 20; ++i) {
        const QByteArray document = sampleRecord(random, i * 3, false).toJson().toUtf8();
        VideoMessage record;
        QVERIFY2(JsonRecordReader::read(document.constData(), document.size(), record),
                 document.left(400).constData());
        QCOMPARE(compareDecoders(document), QString());
    }
}

void TestJsonRecordReader::randomDocuments()
{
    QRandomGenerator random(20240101);
    int taken = 0;
    for (int i = 0; i < 400; ++i) {
        QByteArray document
            = sampleRecord(random, random.bounded(12), i % 8 == 1).toJson().toUtf8();
        if (i % 4 != 0)
            document = mutated(document, random);
        const QString difference = compareDecoders(document);
        if (!difference.isEmpty())
            QFAIL(qPrintable(QStringLiteral("document %1: %2\n%3")
                                 .arg(i)
                                 .arg(difference, QString::fromUtf8(document))));
        VideoMessage record;
        taken += JsonRecordReader::read(document.constData(), document.size(), record);
    }
    // The mutations must leave some documents readable, or the fast path
    // on damaged input goes untested.
    QVERIFY2(taken > 120, qPrintable(QString::number(taken)));
}

ZEMKO_TEST_GUILESS_MAIN(TestJsonRecordReader)
#include "tst_jsonrecordreader.moc"
