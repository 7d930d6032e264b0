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
    void picturesShareRepaints();
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

// Once every playing view has a new picture they are repainted at once,
// together, and several pictures of one view end in one paint. A picture of
// one view alone waits for the others, but not for long.
void TestRepaintPacer::picturesShareRepaints()
{
    RepaintPacer pacer;
    for (int round = 0; round < 3; ++round) {
        for (CountingView *view : m_views)
            pacer.request(view);
    }
    QCoreApplication::processEvents();
    for (CountingView *view : m_views)
        QCOMPARE(view->paints, 1);

    pacer.request(m_views[1]);
    QCoreApplication::processEvents();
    QCOMPARE(m_views[1]->paints, 1);
    QTest::qWait(int(RepaintSchedule::firstWaitMs) * 6);
    QCOMPARE(m_views[0]->paints, 1);
    QCOMPARE(m_views[1]->paints, 2);
}

void TestRepaintPacer::viewGoneBeforeTheRepaint()
{
    RepaintPacer pacer;
    pacer.request(m_views[0]);
    pacer.request(m_views[2]);
    delete m_views[0];
    QTest::qWait(int(RepaintSchedule::firstWaitMs) * 6);
    // The layout repaints the others as well once one is gone.
    QVERIFY(m_views[2]->paints >= 1);
}

ZEMKO_TEST_WIDGETS_MAIN(TestRepaintPacer)
#include "tst_repaintpacer.moc"
