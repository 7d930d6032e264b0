#include "CustomView.h"
#include "FitHeightToHtml.h"
#include "MyRichText2.h"
#include "RoundedDialog.h"
#include "TestEnvironment.h"

#include <QPointer>
#include <QTextDocument>

class TestPopupBases : public QObject
{
    Q_OBJECT
private slots:
    void outsideClickCloses_data();
    void outsideClickCloses();
    void withoutContentEventsPassThrough();
    void roundedDialogCoversParent();
    void fitHeightToHtml_data();
    void fitHeightToHtml();
    void centeredText();
};

// Runs one click on an overlay of the given kind and reports what happened.
template<typename Overlay> static void clickOverlay(const QPoint &at, bool &closed, bool &deleted)
{
    QWidget window;
    window.resize(400, 300);
    auto *overlay = new Overlay(&window);
    overlay->setGeometry(0, 0, 400, 300);
    auto *content = new QWidget(overlay);
    content->setGeometry(100, 100, 150, 80);
    overlay->setContentWidget(content);
    window.show();
    overlay->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(overlay, &OverlayDialog::hudClosed);
    QPointer<Overlay> guard(overlay);
    QTest::mouseClick(overlay, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(spy.count() <= 1);
    closed = spy.count() == 1;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    deleted = guard.isNull();
}

void TestPopupBases::outsideClickCloses_data()
{
    QTest::addColumn<bool>("rounded");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("closes");
    for (bool rounded : {false, true}) {
        const char *kind = rounded ? "RoundedDialog" : "CustomView";
        QTest::addRow("%s veil corner", kind) << rounded << QPoint(5, 5) << true;
        QTest::addRow("%s just right of content", kind) << rounded << QPoint(251, 140) << true;
        QTest::addRow("%s inside content", kind) << rounded << QPoint(120, 120) << false;
        QTest::addRow("%s content's last pixel", kind) << rounded << QPoint(249, 179) << false;
    }
}

void TestPopupBases::outsideClickCloses()
{
    QFETCH(bool, rounded);
    QFETCH(QPoint, at);
    QFETCH(bool, closes);
    bool closed = false;
    bool deleted = false;
    if (rounded)
        clickOverlay<RoundedDialog>(at, closed, deleted);
    else
        clickOverlay<CustomView>(at, closed, deleted);
    QCOMPARE(closed, closes);
    QCOMPARE(deleted, closes);
}

void TestPopupBases::withoutContentEventsPassThrough()
{
    QWidget window;
    window.resize(300, 200);
    auto *overlay = new CustomView(&window);
    overlay->setGeometry(0, 0, 300, 200);
    window.show();
    overlay->show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(overlay, &OverlayDialog::hudClosed);
    QTest::mouseClick(overlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(spy.count(), 0);
    QVERIFY(overlay->isVisible());
}

void TestPopupBases::roundedDialogCoversParent()
{
    QWidget window;
    window.resize(640, 480);
    auto *overlay = new RoundedDialog(&window);
    QCOMPARE(overlay->objectName(), QStringLiteral("RoundedDialog"));
    QCOMPARE(overlay->geometry(), QRect(0, 0, 640, 480));
    // A child overlay inside the window, not a window of its own.
    QVERIFY(!overlay->isWindow());
    QVERIFY(overlay->isModal());
}

void TestPopupBases::fitHeightToHtml_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("pointSize");
    QTest::addRow("one short line") << QStringLiteral("<p>OK</p>") << 13;
    QTest::addRow("long text wraps")
        << QStringLiteral("<p>%1</p>").arg(QStringLiteral("word ").repeated(80)) << 13;
    QTest::addRow("larger font")
        << QStringLiteral("<p>%1</p>").arg(QStringLiteral("word ").repeated(80)) << 26;
    QTest::addRow("empty") << QString() << 13;
}

void TestPopupBases::fitHeightToHtml()
{
    QFETCH(QString, html);
    QFETCH(int, pointSize);
    QWidget widget;
    widget.resize(300, 10);
    const QFont font(QStringLiteral("DejaVu Sans"), pointSize);

    QTextDocument expected;
    expected.setDefaultFont(font);
    expected.setHtml(html);
    expected.setTextWidth(300);

    const QSize size = ::fitHeightToHtml(&widget, html, &font);
    QCOMPARE(size, QSize(300, int(expected.size().height())));
    QCOMPARE(widget.minimumHeight(), size.height());
    QCOMPARE(widget.maximumHeight(), size.height());
    if (html.size() > 100) {
        const int oneLine = QFontMetrics(font).height();
        QVERIFY2(size.height() > 2 * oneLine, "long text must take several lines");
    }
}

void TestPopupBases::centeredText()
{
    MyRichText2 browser;
    QCOMPARE(browser.objectName(), QStringLiteral("MyRichText2"));
    browser.setCenteredText(QStringLiteral("a <b>b</b>"));
    QCOMPARE(browser.text(), QStringLiteral("a <b>b</b>"));
    QVERIFY(browser.toHtml().contains(QStringLiteral("align=\"center\"")));
    QCOMPARE(browser.toPlainText(), QStringLiteral("a b"));

    browser.setObjectName(QStringLiteral("textBrowser_2"));
    browser.setCenteredText(QStringLiteral("<p align=\"left\">about</p>"));
    QVERIFY(!browser.toHtml().contains(QStringLiteral("align=\"center\"")));
    // A resize lays the same text out again.
    browser.resize(200, 100);
    QCOMPARE(browser.toPlainText(), QStringLiteral("about"));
}

ZEMKO_TEST_WIDGETS_MAIN(TestPopupBases)
#include "tst_popupbases.moc"
