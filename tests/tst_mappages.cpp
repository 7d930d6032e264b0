#include "MapConversion.h"
#include "TestEnvironment.h"
#include "VideoMessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {
// Keeps the test off the network: every tile request fails at once, as on a
// machine without a connection.
class OfflineInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().scheme() != QLatin1String("file"))
            info.block(true);
    }
};

// A drive of `count` seconds starting at (lat, lng); every tenth fix invalid.
VideoMessage generatedTrack(int count, double lat, double lng, bool inChina)
{
    VideoMessage record;
    record.duration = QString::number(count);
    record.isChina = inChina;
    for (int i = 0; i < count; ++i) {
        GPSModel fix;
        fix.status = i % 10 != 3;
        fix.latitude = QString::number(lat + i * 0.0001, 'f', 6);
        fix.longitude = QString::number(lng + i * 0.00015, 'f', 6);
        fix.speed = QStringLiteral("30");
        record.gpsItems.insert(QString::number(i), fix);
    }
    record.gpsTotailNum = count;
    return record;
}

int validFixes(const VideoMessage &record)
{
    int n = 0;
    for (const GPSModel &fix : record.gpsItems)
        n += fix.status ? 1 : 0;
    return n;
}
} // namespace

class TestMapPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void trackAndMarker_data();
    void trackAndMarker();
    void callsBeforeTrackAreHarmless_data();
    void callsBeforeTrackAreHarmless();

private:
    bool load(QWebEngineView &view, const QString &page);
    QVariant run(QWebEngineView &view, const QString &script);
    OfflineInterceptor m_interceptor;
};

void TestMapPages::initTestCase()
{
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&m_interceptor);
}

bool TestMapPages::load(QWebEngineView &view, const QString &page)
{
    view.settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    view.resize(640, 480);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.load(QUrl::fromLocalFile(QStringLiteral(ZEMKO_HTML_DIR "/") + page));
    if (!loaded.wait(20000))
        return false;
    return loaded.first().first().toBool();
}

QVariant TestMapPages::run(QWebEngineView &view, const QString &script)
{
    QVariant result;
    bool done = false;
    QEventLoop loop;
    view.page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!done)
        loop.exec();
    return result;
}

void TestMapPages::trackAndMarker_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("mapType");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lng");
    QTest::addColumn<bool>("inChina");

    QTest::addRow("google, outside China")
        << "google_map.html" << 0 << 48.137154 << 11.576124 << false;
    QTest::addRow("google, inside China")
        << "google_map.html" << 0 << 22.543096 << 114.057865 << true;
    QTest::addRow("baidu, outside China")
        << "baidu_map.html" << 1 << 48.137154 << 11.576124 << false;
    QTest::addRow("baidu, inside China")
        << "baidu_map.html" << 1 << 22.543096 << 114.057865 << true;
}

void TestMapPages::trackAndMarker()
{
    QFETCH(QString, page);
    QFETCH(int, mapType);
    QFETCH(double, lat);
    QFETCH(double, lng);
    QFETCH(bool, inChina);

    QWebEngineView view;
    QVERIFY(load(view, page));
    const VideoMessage record = generatedTrack(3600, lat, lng, inChina);
    const QString track = record.trackScript(mapType);
    QVERIFY(!track.isEmpty());
    QElapsedTimer timer;
    timer.start();
    run(view, track);
    qDebug().noquote() << page << "track of 3600 fixes drawn in" << timer.elapsed() << "ms";

    QVariantMap state = run(view, QStringLiteral("mapPageState()")).toMap();
    QCOMPARE(state.value(QStringLiteral("points")).toInt(), validFixes(record));
    QVERIFY(state.value(QStringLiteral("marker")).isNull());

    GPSModel last;
    for (const QString &key : {QStringLiteral("5"), QStringLiteral("40"), QStringLiteral("1201")}) {
        last = record.gpsItems.value(key);
        run(view, last.markerScript(mapType));
    }
    const QPair<double, double> expected
        = convertForMap(mapType, last.latitude, last.longitude, inChina);
    state = run(view, QStringLiteral("mapPageState()")).toMap();
    const QVariantMap marker = state.value(QStringLiteral("marker")).toMap();
    QCOMPARE(marker.value(QStringLiteral("lat")).toDouble(),
             QString::number(expected.first, 'f', 6).toDouble());
    QCOMPARE(marker.value(QStringLiteral("lng")).toDouble(),
             QString::number(expected.second, 'f', 6).toDouble());
    // Without a network the page says so and still shows the drawing.
    QTRY_VERIFY(run(view, QStringLiteral("mapPageState().tilesUnavailable")).toBool());
    // The drawing is fitted to the view: the last position is inside it.
    QVERIFY(
        run(view,
            QStringLiteral("(function(){var b=document.querySelector('.leaflet-overlay-pane path');"
                           "return !!b && b.getBoundingClientRect().width > 100;})()"))
            .toBool());

    // A shorter second track replaces the first.
    run(view, generatedTrack(20, lat, lng, inChina).trackScript(mapType));
    state = run(view, QStringLiteral("mapPageState()")).toMap();
    QCOMPARE(state.value(QStringLiteral("points")).toInt(), 18);
}

void TestMapPages::callsBeforeTrackAreHarmless_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("mapType");
    QTest::addRow("google") << "google_map.html" << 0;
    QTest::addRow("baidu") << "baidu_map.html" << 1;
}

void TestMapPages::callsBeforeTrackAreHarmless()
{
    QFETCH(QString, page);
    QFETCH(int, mapType);

    QWebEngineView view;
    QVERIFY(load(view, page));
    QVariantMap state = run(view, QStringLiteral("mapPageState()")).toMap();
    QCOMPARE(state.value(QStringLiteral("points")).toInt(), 0);
    QVERIFY(state.value(QStringLiteral("marker")).isNull());

    // Malformed arguments are ignored without an exception.
    const QString hostile = QStringLiteral(
        "(function(){try{updateMarkerPosition(); updateMarkerPosition(null);"
        "updateMarkerPosition({lat:'x'}); updateMarkerPosition([1]); drawPolyLinePath();"
        "drawPolyLinePath(null); drawPolyLinePath([null, [], {}]); return 'ok';}"
        "catch(e){return String(e);}})()");
    QCOMPARE(run(view, hostile).toString(), QStringLiteral("ok"));

    const VideoMessage record = generatedTrack(3, 48.137154, 11.576124, false);
    const GPSModel fix = record.gpsItems.value(QStringLiteral("0"));
    run(view, fix.markerScript(mapType));
    state = run(view, QStringLiteral("mapPageState()")).toMap();
    QCOMPARE(state.value(QStringLiteral("points")).toInt(), 0);
    QCOMPARE(state.value(QStringLiteral("marker")).toMap().value(QStringLiteral("lat")).toDouble(),
             48.137154);
}

ZEMKO_TEST_WEBENGINE_MAIN(TestMapPages)
#include "tst_mappages.moc"
