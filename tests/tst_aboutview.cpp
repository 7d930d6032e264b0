#include "AboutView.h"
#include "AppManager.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

// Records the pages instead of starting a browser.
class QuietAboutView : public AboutView
{
public:
    using AboutView::AboutView;
    QList<QUrl> *opened = nullptr;

protected:
    void openPage(const QUrl &url) override { opened->append(url); }
};

QPushButton *button(QWidget *view, int index)
{
    return view->findChild<QPushButton *>(QStringLiteral("pslButton%1").arg(index));
}

} // namespace

class TestAboutView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void layout();
    void hoverHighlights_data();
    void hoverHighlights();
    void clicks_data();
    void clicks();
};

void TestAboutView::initTestCase()
{
    AppManager::instance()->loadLanguage(3);
}

void TestAboutView::layout()
{
    QWidget window;
    auto *anchor = new QPushButton(QStringLiteral("?"), &window);
    anchor->setGeometry(900, 0, 40, 40);
    QuietAboutView view(nullptr, anchor);
    QCOMPARE(view.height(), 199);
    QCOMPARE(button(&view, 4)->text(), QStringLiteral("About Player"));
    // Shown as "Help & Support", not with an underlined mnemonic.
    QCOMPARE(button(&view, 2)->text(), QStringLiteral("Help && Support"));
    QVERIFY(view.width() >= 250);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(button(&view, i));
        QCOMPARE(button(&view, i)->geometry().top(), 10 + i * 36);
        QCOMPARE(button(&view, i)->height(), 35);
    }
}

void TestAboutView::hoverHighlights_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("bandY");
    QTest::addColumn<bool>("arrowRed");
    QTest::addRow("first row") << 0 << 25 << true;
    QTest::addRow("third row, band 82 to 117") << 2 << 100 << false;
    QTest::addRow("last row") << 4 << 170 << false;
}

void TestAboutView::hoverHighlights()
{
    QFETCH(int, row);
    QFETCH(int, bandY);
    QFETCH(bool, arrowRed);
    QWidget window;
    auto *anchor = new QPushButton(QStringLiteral("?"), &window);
    QuietAboutView view(nullptr, anchor);
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 10),
                     button(&view, row)->mapToGlobal(QPoint(20, 10)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(button(&view, row), &move);
    QCOMPARE(view.selectedItem(), row);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(button(&view, i)->styleSheet().contains(QStringLiteral("color: white")), i == row);

    const QImage picture = view.grab().toImage();
    const QString folder = qEnvironmentVariable("ZEMKO_SCREENSHOT_DIR", zemko::testRoot());
    picture.save(QDir(folder).filePath(QStringLiteral("aboutview-row%1.png").arg(row)));
    const QColor red(QStringLiteral("#f93737"));
    const int x = view.width() - 10 - 3; // inside the panel, right of every caption
    QCOMPARE(picture.pixelColor(x, bandY), red);
    // Rows outside the band stay white.
    const int otherY = row == 0 ? 100 : 25;
    QCOMPARE(picture.pixelColor(x, otherY), QColor(Qt::white));
    // The triangle's middle just above the panel.
    const QColor arrow = picture.pixelColor(view.width() - 10 - 40 - 10, 8);
    QCOMPARE(arrow, arrowRed ? red : QColor(Qt::white));
}

void TestAboutView::clicks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("opensPage");
    for (int i = 0; i < 5; ++i)
        QTest::addRow("pslButton%d", i) << i << (i < 4);
}

void TestAboutView::clicks()
{
    QFETCH(int, row);
    QFETCH(bool, opensPage);
    QWidget window;
    auto *anchor = new QPushButton(QStringLiteral("?"), &window);
    QList<QUrl> opened;
    auto *view = new QuietAboutView(nullptr, anchor);
    view->opened = &opened;
    view->show();
    QPointer<AboutView> guard(view);
    QSignalSpy items(view, &AboutView::postTopButton);
    QSignalSpy closed(view, &AboutView::hudClosed);
    QTest::mouseClick(button(view, row), Qt::LeftButton);
    QCOMPARE(items.count(), 1);
    QCOMPARE(items.first().first().toInt(), row);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(opened.size(), opensPage ? 1 : 0);
    if (opensPage)
        QVERIFY(opened.first().scheme() == QLatin1String("https"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

ZEMKO_TEST_WIDGETS_MAIN(TestAboutView)
#include "tst_aboutview.moc"
