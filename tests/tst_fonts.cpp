#include "AppManager.h"
#include "LanguageTable.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QLabel>
#include <QRawFont>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

// One sample line per interface language, in the order of the language table.
const char *const samples[LanguageTable::count] = {
    "简体中文：行车记录播放器",
    "繁體中文：行車記錄播放器",
    "English: dash-cam player",
    "العربية: مشغل كاميرا السيارة",
    "Deutsch: Fahrtenschreiber-Wiedergabe äöüß",
    "Ελληνικά: αναπαραγωγή κάμερας",
    "日本語：ドライブレコーダー再生",
    "עברית: נגן מצלמת רכב",
    "Italiano: riproduzione è così",
    "한국어: 블랙박스 플레이어",
    "Polski: odtwarzacz żółć łąka",
    "Русский: видеорегистратор",
    "Slovenčina: prehrávač ľťžô",
    "ภาษาไทย: เครื่องเล่นกล้องติดรถยนต์",
    "Türkçe: araç kamerası oynatıcı ğış",
    "Українська: відеореєстратор їґ",
    "Nederlands: dashcamspeler ĳ",
    "Čeština: přehrávač ěščřů",
    "Tiếng Việt: trình phát camera hành trình ữậ",
};

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyLanguageHasGlyphs_data();
    void everyLanguageHasGlyphs();
    void screenshotOfAllLanguages();
};

void TestFonts::initTestCase()
{
    AppManager::instance();
    QVERIFY(QFontDatabase().families().contains(QStringLiteral("DejaVu Sans")));
    QVERIFY(!QFont::substitutes(QStringLiteral("PingFang SC Medium")).isEmpty());
    QVERIFY(!QFont::substitutes(QStringLiteral("HarmonyOS Sans SC Medium")).isEmpty());
}

void TestFonts::everyLanguageHasGlyphs_data()
{
    QTest::addColumn<int>("number");
    for (int number = 1; number <= LanguageTable::count; ++number)
        QTest::addRow("%s", LanguageTable::entry(number).comboKey) << number;
}

void TestFonts::everyLanguageHasGlyphs()
{
    QFETCH(int, number);
    const QString text = QString::fromUtf8(samples[number - 1]);
    QTextLayout layout(text, QFont(LanguageTable::fontFamily(number), 14));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun &run : runs) {
        // Glyph 0 is the missing-glyph box.
        for (quint32 glyph : run.glyphIndexes())
            QVERIFY2(glyph != 0,
                     qPrintable(text + QStringLiteral(" in ") + run.rawFont().familyName()));
    }
}

void TestFonts::screenshotOfAllLanguages()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    for (int number = 1; number <= LanguageTable::count; ++number) {
        auto *label = new QLabel(QString::fromUtf8(samples[number - 1]), &window);
        label->setFont(QFont(LanguageTable::fontFamily(number), 14));
        layout->addWidget(label);
    }
    window.resize(520, 720);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    QVERIFY(!image.isNull());
    const QString path
        = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("fonts.png"));
    QVERIFY(image.save(path));
    qInfo("Screenshot of every language: %s", qPrintable(path));
}

ZEMKO_TEST_WIDGETS_MAIN(TestFonts)
#include "tst_fonts.moc"
