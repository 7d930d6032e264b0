#include "RecordStore.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

// The media-record lookup reads stored documents as UTF-8 bytes straight
// from SQLite; whatever a row holds, the record handed to the callback must
// be the one Qt's driver and QJsonDocument give.
namespace {

const QString lookedUpPath = QStringLiteral("/card/FILE0001.MOV");

// The record as Qt's driver gives the rows: text through QVariant, decoded
// with QJsonDocument, row after row into one reset record.
QString referenceLookup(const QString &connection)
{
    QSqlQuery query(QSqlDatabase::database(connection));
    query.prepare(QStringLiteral("SELECT * FROM VideoMessage WHERE path = ?"));
    query.addBindValue(lookedUpPath);
    VideoMessage record;
    record.reset();
    if (query.exec()) {
        while (query.next())
            record.fromJsonTree(query.value(QStringLiteral("jsonMessage")).toString().toUtf8());
    }
    return record.toJson();
}

} // namespace

class TestRecordLookup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAsDriver_data();
    void sameAsDriver();

private:
    QTemporaryDir m_dir;
    int m_stores = 0;
};

void TestRecordLookup::initTestCase()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QVERIFY(m_dir.isValid());
}

void TestRecordLookup::sameAsDriver_data()
{
    VideoMessage stored;
    stored.path = lookedUpPath;
    stored.duration = QStringLiteral("2");
    GPSModel fix;
    fix.latitude = QStringLiteral("22.541668");
    fix.longitude = QStringLiteral("113.900000");
    fix.status = true;
    stored.gpsItems.insert(QStringLiteral("0"), fix);
    stored.gsensorItems.insert(QStringLiteral("0"), {QStringLiteral("0.1")});
    const QByteArray document = stored.toJson().toUtf8();
    VideoMessage later = stored;
    later.duration = QStringLiteral("9");
    later.gpsItems.clear();
    later.gpsItems.insert(QStringLiteral("1"), fix);
    const QByteArray laterDocument = later.toJson().toUtf8();

    // SQL literals of the stored jsonMessage values, one row each.
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("found");
    // A text the looked-up document must hold, so a lookup that loses
    // every row cannot pass by matching an equally empty reference.
    QTest::addColumn<QString>("holds");
    auto text = [](const QByteArray &utf8) {
        return QStringLiteral("CAST(x'%1' AS TEXT)").arg(QLatin1String(utf8.toHex()));
    };
    QTest::addRow("printed document")
        << QStringList {text(document)} << true << QStringLiteral("22.541668");
    QTest::addRow("two rows merge") << QStringList {text(document), text(laterDocument)} << true
                                    << QStringLiteral("\"duration\": \"9\"");
    QTest::addRow("invalid utf-8")
        << QStringList {text(QByteArray(R"({"path":"a)") + "\xff\xc3(" + R"(","duration":"3"})")}
        << true << QStringLiteral("\"duration\": \"3\"");
    QTest::addRow("odd then plain")
        << QStringList {text(R"({"path":"first","path":"second"})"), text(document)} << true
        << QStringLiteral("22.541668");
    QTest::addRow("not json") << QStringList {text("not json")} << true
                              << QStringLiteral("\"width\": \"0\"");
    QTest::addRow("null") << QStringList {QStringLiteral("NULL")} << true
                          << QStringLiteral("\"width\": \"0\"");
    QTest::addRow("blob") << QStringList {QStringLiteral("x'%1'").arg(
        QLatin1String(document.toHex()))}
                          << true << QStringLiteral("22.541668");
    QTest::addRow("number") << QStringList {QStringLiteral("42")} << true
                            << QStringLiteral("\"width\": \"0\"");
    QTest::addRow("no row") << QStringList {} << false << QStringLiteral("\"width\": \"0\"");
}

void TestRecordLookup::sameAsDriver()
{
    QFETCH(QStringList, values);
    QFETCH(bool, found);
    QFETCH(QString, holds);
    const QString connection = QStringLiteral("lookup%1").arg(++m_stores);
    RecordStore store(m_dir.filePath(connection + QStringLiteral(".db")), connection);
    QVERIFY(store.ensureTable(RecordStore::RecordTable));
    QSqlQuery insert(QSqlDatabase::database(connection));
    for (const QString &value : values) {
        QVERIFY(insert.exec(
            QStringLiteral("INSERT INTO VideoMessage (fileName,path,jsonMessage) VALUES "
                           "('FILE0001.MOV','%1',%2)")
                .arg(lookedUpPath, value)));
    }
    QString looked;
    bool wasFound = !found;
    store.selectRecord(RecordStore::RecordTable, 0, {{QStringLiteral("path"), lookedUpPath}}, {},
                       [&](VideoMessage &record, bool isFound) {
                           looked = record.toJson();
                           wasFound = isFound;
                       });
    QCOMPARE(wasFound, found);
    QCOMPARE(looked, referenceLookup(connection));
    QVERIFY2(looked.contains(holds), qPrintable(looked));
}

ZEMKO_TEST_GUILESS_MAIN(TestRecordLookup)
#include "tst_recordlookup.moc"
