#include "RepaintPacer.h"
#include "TestEnvironment.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QTest>

#include <memory>

namespace {

class CountingView : public QWidget
{
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

class TestRepaintPacer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void viewsRepaintTogetherOncePerInterval();
    void viewGoneBeforeTheRepaint();

private:
    std::unique_ptr<QWidget> m_window;
    CountingView *m_views[3] {};
};

void TestRepaintPacer::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QHBoxLayout(m_window.get());
    for (CountingView *&view : m_views) {
        view = new CountingView(m_window.get());
        view->setFixedSize(40, 30);
        layout->addWidget(view);
    }
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::qWait(50);
    for (CountingView *view : m_views)
        view->paints = 0;
}

void TestRepaintPacer::cleanup()
{
    m_window.reset();
}

// Pictures that arrive within one interval, several from one channel, end in
// one repaint per view, and not before the interval ends.
void TestRepaintPacer::viewsRepaintTogetherOncePerInterval()
{
    RepaintPacer pacer;
    for (int round = 0; round < 3; ++round) {
        for (CountingView *view : m_views)
            pacer.request(view);
    }
    QCoreApplication::processEvents();
    for (CountingView *view : m_views)
        QCOMPARE(view->paints, 0);
    QTest::qWait(RepaintPacer::intervalMs * 4);
    for (CountingView *view : m_views)
        QCOMPARE(view->paints, 1);

    // A later picture starts a new interval.
    pacer.request(m_views[1]);
    QTest::qWait(RepaintPacer::intervalMs * 4);
    QCOMPARE(m_views[0]->paints, 1);
    QCOMPARE(m_views[1]->paints, 2);
}

void TestRepaintPacer::viewGoneBeforeTheRepaint()
{
    RepaintPacer pacer;
    pacer.request(m_views[0]);
    pacer.request(m_views[2]);
    delete m_views[0];
    QTest::qWait(RepaintPacer::intervalMs * 4);
    // The layout repaints the others as well once one is gone.
    QVERIFY(m_views[2]->paints >= 1);
}

ZEMKO_TEST_WIDGETS_MAIN(TestRepaintPacer)
#include "tst_repaintpacer.moc"
