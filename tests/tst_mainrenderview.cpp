#include "MainRenderView.h"
#include "TestEnvironment.h"
#include "VideoRender.h"

#include <QApplication>

namespace {

QStringList order(const MainRenderView &layout)
{
    QStringList names;
    for (const VideoRender *view : layout.views())
        names << view->objectName();
    return names;
}

const QStringList kCreationOrder {QStringLiteral("widget0"), QStringLiteral("widget1"),
                                  QStringLiteral("widget2")};

} // namespace

class TestMainRenderView : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutOnResize();
    void clickSwapsWithMain();
    void showChannelAloneAndBack_data();
    void showChannelAloneAndBack();
    void zoomRelay();

private:
    MainRenderView *m_layout = nullptr;
    QWidget *m_controlBar = nullptr;
};

void TestMainRenderView::init()
{
    m_layout = new MainRenderView;
    m_controlBar = new QWidget;
    m_layout->setControlView(m_controlBar);
    m_layout->resize(1280, 720);
    m_layout->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_layout));
    m_layout->setChannelCount(3);
}

void TestMainRenderView::cleanup()
{
    delete m_layout;
    delete m_controlBar;
}

void TestMainRenderView::layoutOnResize()
{
    QCOMPARE(order(*m_layout), kCreationOrder);
    QCOMPARE(m_layout->views().at(0)->geometry(), QRect(0, 0, 1280, 720));
    QCOMPARE(m_layout->views().at(1)->geometry(), QRect(0, 0, 403, 227));
    QCOMPARE(m_layout->views().at(2)->geometry(), QRect(877, 0, 403, 227));
    QCOMPARE(m_layout->views().at(0)->controlView(), m_controlBar);
    QCOMPARE(m_layout->mainViewWidth(), 1280);

    m_layout->resize(800, 800);
    QTRY_COMPARE(m_layout->views().at(2)->geometry(), QRect(550, 175, 250, 141));
}

void TestMainRenderView::clickSwapsWithMain()
{
    VideoRender *front = m_layout->channelView(0);
    VideoRender *rear = m_layout->channelView(2);
    m_layout->applyZoomLevel(40);
    QCOMPARE(front->zoom(), 1.0);

    // Clicking the main view never swaps.
    QTest::mouseClick(front, Qt::LeftButton, {}, QPoint(640, 500));
    QCOMPARE(order(*m_layout), kCreationOrder);

    QTest::mouseClick(rear, Qt::LeftButton);
    QCOMPARE(order(*m_layout),
             QStringList({QStringLiteral("widget2"), QStringLiteral("widget1"),
                          QStringLiteral("widget0")}));
    QCOMPARE(rear->geometry(), QRect(0, 0, 1280, 720));
    QCOMPARE(front->geometry(), QRect(877, 0, 403, 227));
    QCOMPARE(rear->controlView(), m_controlBar);
    QCOMPARE(front->controlView(), nullptr);
    // A relayout resets the zoom.
    QCOMPARE(front->zoom(), 0.0);
    QCOMPARE(m_layout->zoomLevel(), 0);

    // The former main view, now small, swaps back.
    QTest::mouseClick(front, Qt::LeftButton);
    QCOMPARE(order(*m_layout), kCreationOrder);
    QCOMPARE(front->controlView(), m_controlBar);
    QCOMPARE(rear->controlView(), nullptr);
}

void TestMainRenderView::showChannelAloneAndBack_data()
{
    QTest::addColumn<int>("index");
    QTest::addRow("front alone") << 1;
    QTest::addRow("inside alone") << 2;
    QTest::addRow("rear alone") << 3;
}

void TestMainRenderView::showChannelAloneAndBack()
{
    QFETCH(int, index);
    m_layout->showChannel(3, index);
    for (int channel = 0; channel < 3; ++channel) {
        VideoRender *view = m_layout->channelView(channel);
        const bool chosen = channel + 1 == index;
        QCOMPARE(view->isVisible(), chosen);
        QCOMPARE(view->controlView(), chosen ? m_controlBar : nullptr);
    }
    QCOMPARE(m_layout->channelView(index - 1)->geometry(), QRect(0, 0, 1280, 720));

    m_layout->showChannel(3, 0);
    QCOMPARE(order(*m_layout), kCreationOrder);
    for (int channel = 0; channel < 3; ++channel)
        QVERIFY(m_layout->channelView(channel)->isVisible());
    QCOMPARE(m_layout->channelView(0)->geometry(), QRect(0, 0, 1280, 720));
    QCOMPARE(m_layout->channelView(0)->controlView(), m_controlBar);
    QCOMPARE(m_layout->channelView(2)->geometry(), QRect(877, 0, 403, 227));

    // An index beyond the views changes nothing.
    m_layout->showChannel(3, 4);
    QCOMPARE(order(*m_layout), kCreationOrder);
}

void TestMainRenderView::zoomRelay()
{
    VideoRender *main = m_layout->views().at(0);
    m_layout->applyZoomLevel(20);
    QCOMPARE(main->zoom(), 0.5);
    QCOMPARE(m_layout->zoomLevel(), 20);
    m_layout->applyZoomLevel(4);
    QCOMPARE(main->zoom(), 0.1);
    QCOMPARE(m_layout->views().at(1)->zoom(), 0.0);
}

ZEMKO_TEST_WIDGETS_MAIN(TestMainRenderView)
#include "tst_mainrenderview.moc"
