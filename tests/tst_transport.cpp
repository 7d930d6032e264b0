#include "AppManager.h"
#include "SliderMath.h"
#include "TestEnvironment.h"
#include "ToolHud.h"
#include "VideoSlider.h"
#include "VideoVerticalSlider.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>
#include <QWheelEvent>

namespace {

VideoVerticalSlider *sliderOf(ToolHud &hud)
{
    return hud.findChild<VideoVerticalSlider *>(QStringLiteral("verticalSlider"));
}

QPushButton *button(ToolHud &hud, const QString &name)
{
    return hud.findChild<QPushButton *>(name);
}

// Names the ToolHud texts differently, to see the pop-up retranslate.
class ShoutingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "ToolHud") != 0)
            return QString();
        return QStringLiteral("x") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

// Sends one press at y to a slider, as a click at that height would.
void pressAt(QSlider &slider, const QPoint &at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, slider.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &press);
}

} // namespace

class TestTransport : public QObject
{
    Q_OBJECT
private slots:
    void releaseSnaps_data();
    void releaseSnaps();
    void clickAndReleaseNearBottomReportsZero();
    void speedPageMarking_data();
    void speedPageMarking();
    void speedButtons_data();
    void speedButtons();
    void closeAnnouncesAndDeletes();
    void languageChangeRetranslates();
    void childrenGetInterfaceFont();
    void seekSliderJumpsToClick_data();
    void seekSliderJumpsToClick();
    void verticalSliderJumpsToClick_data();
    void verticalSliderJumpsToClick();
    void wheelChangesNothing();
    void clickValueEdges_data();
    void clickValueEdges();
};

void TestTransport::releaseSnaps_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("reported");

    QTest::addRow("4 snaps to the bottom") << 4 << 0;
    QTest::addRow("6 snaps to the bottom") << 6 << 0;
    QTest::addRow("7 stays") << 7 << 7;
    QTest::addRow("50 stays") << 50 << 50;
    QTest::addRow("95 stays") << 95 << 95;
    QTest::addRow("96 snaps to the top") << 96 << 100;
    QTest::addRow("97 snaps to the top") << 97 << 100;
}

void TestTransport::releaseSnaps()
{
    QFETCH(int, position);
    QFETCH(int, reported);
    ToolHud hud(0, position);
    VideoVerticalSlider *slider = sliderOf(hud);
    QVERIFY(slider);
    QCOMPARE(slider->value(), position);
    QSignalSpy changes(&hud, &ToolHud::postChange);

    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));

    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), reported);
    QCOMPARE(slider->value(), reported);
}

void TestTransport::clickAndReleaseNearBottomReportsZero()
{
    ToolHud hud(0, 60);
    hud.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hud));
    VideoVerticalSlider *slider = sliderOf(hud);
    QSignalSpy changes(&hud, &ToolHud::postChange);

    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(5, slider->height() - 2));

    QVERIFY(!changes.isEmpty());
    QCOMPARE(changes.last().at(0).toInt(), 0);
    QCOMPARE(slider->value(), 0);
}

void TestTransport::speedPageMarking_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("checked");

    QTest::addRow("2") << 2 << "2X";
    QTest::addRow("1") << 1 << "1X";
    QTest::addRow("-1 (rate 0.5)") << -1 << "0.5X";
    QTest::addRow("0") << 0 << "0.5X";
    QTest::addRow("3") << 3 << "0.5X";
}

void TestTransport::speedPageMarking()
{
    QFETCH(int, value);
    QFETCH(QString, checked);
    ToolHud hud(1, value);
    QCOMPARE(hud.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex(), 1);
    QStringList checkedTexts;
    for (const char *name : {"pushButton2", "pushButton", "pushButton3"}) {
        QPushButton *b = button(hud, QString::fromLatin1(name));
        QVERIFY2(b, name);
        if (b->isChecked())
            checkedTexts << b->text();
    }
    QCOMPARE(checkedTexts, QStringList {checked});
}

void TestTransport::speedButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("reported");

    QTest::addRow("2X") << "pushButton2" << 0;
    QTest::addRow("1X") << "pushButton" << 1;
    QTest::addRow("0.5X") << "pushButton3" << 2;
}

void TestTransport::speedButtons()
{
    QFETCH(QString, name);
    ToolHud hud(1, 1);
    hud.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hud));
    QSignalSpy changes(&hud, &ToolHud::postChange);

    QTest::mouseClick(button(hud, name), Qt::LeftButton);

    QCOMPARE(changes.count(), 1);
    QTEST(changes.at(0).at(0).toInt(), "reported");
}

void TestTransport::closeAnnouncesAndDeletes()
{
    QPointer<ToolHud> hud = new ToolHud(0, 30);
    hud->show();
    QSignalSpy closed(hud.data(), &ToolHud::hudClosed);
    QVERIFY(hud->close());
    QCOMPARE(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(hud.isNull());
}

void TestTransport::languageChangeRetranslates()
{
    ToolHud hud(1, 1);
    ShoutingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QString text = button(hud, QStringLiteral("pushButton3"))->text();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(text, QStringLiteral("x0.5X"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(button(hud, QStringLiteral("pushButton3"))->text(), QStringLiteral("0.5X"));
}

void TestTransport::childrenGetInterfaceFont()
{
    ToolHud hud(1, 1);
    QCOMPARE(button(hud, QStringLiteral("pushButton"))->font().family(),
             AppManager::instance()->fontFamily());
}

void TestTransport::seekSliderJumpsToClick_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("expected");

    QTest::addRow("left edge") << 0 << 0;
    QTest::addRow("a quarter") << 100 << 150000;
    QTest::addRow("middle") << 200 << 300000;
    QTest::addRow("last pixel") << 399 << 598500;
}

void TestTransport::seekSliderJumpsToClick()
{
    QFETCH(int, x);
    QFETCH(int, expected);
    VideoSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(0, 600000);
    slider.resize(400, 20);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QStringList order;
    connect(&slider, &VideoSlider::pslsliderPressed, this, [&] { order << "pressed"; });
    connect(&slider, &VideoSlider::pslsliderReleased, this, [&] { order << "released"; });

    QTest::ignoreMessage(
        QtDebugMsg,
        qPrintable(QStringLiteral("点击Slider滑动到: %1    最大: 600000").arg(expected)));
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));

    // The standard press handling afterwards must not page the value away.
    QCOMPARE(slider.value(), expected);
    QCOMPARE(order, (QStringList {"pressed", "released"}));
}

void TestTransport::verticalSliderJumpsToClick_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expected");

    QTest::addRow("top row") << 0 << 100;
    QTest::addRow("middle") << 50 << 50;
    QTest::addRow("bottom row") << 99 << 1;
    QTest::addRow("above the top") << -7 << 100;
    QTest::addRow("below the bottom") << 140 << 0;
}

void TestTransport::verticalSliderJumpsToClick()
{
    QFETCH(int, y);
    QFETCH(int, expected);
    VideoVerticalSlider slider;
    QCOMPARE(slider.minimum(), 0);
    QCOMPARE(slider.maximum(), 100);
    slider.setOrientation(Qt::Vertical);
    slider.resize(10, 100);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy pressed(&slider, &VideoVerticalSlider::pslsliderPressed);
    QSignalSpy actions(&slider, &QAbstractSlider::actionTriggered);

    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable(QStringLiteral("Calculated value: %1").arg(expected)));
    pressAt(slider, QPoint(5, y));

    QCOMPARE(slider.value(), expected);
    QCOMPARE(pressed.count(), 1);
    QVERIFY(!actions.isEmpty());
    QCOMPARE(actions.at(0).at(0).toInt(), int(QAbstractSlider::SliderMove));
}

void TestTransport::wheelChangesNothing()
{
    VideoVerticalSlider slider;
    slider.setOrientation(Qt::Vertical);
    slider.resize(10, 100);
    slider.setValue(40);
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
    for (int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(5, 50), QPointF(slider.mapToGlobal(QPoint(5, 50))), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&slider, &wheel);
        // Left unaccepted, so the parent scrolls instead.
        QVERIFY(!wheel.isAccepted());
    }
    QCOMPARE(slider.value(), 40);
    QCOMPARE(changed.count(), 0);
}

void TestTransport::clickValueEdges_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");

    QTest::addRow("horizontal, empty widget") << false << 0 << 600000 << 0 << 0 << 0;
    QTest::addRow("vertical, empty widget") << true << 0 << 100 << 0 << 0 << 0;
    QTest::addRow("horizontal, offset range") << false << 100 << 200 << 30 << 60 << 150;
    QTest::addRow("horizontal, past the right end") << false << 0 << 100 << 500 << 100 << 100;
    QTest::addRow("horizontal, left of the widget") << false << 0 << 100 << -20 << 100 << 0;
    QTest::addRow("horizontal, range of one value") << false << 5 << 5 << 70 << 100 << 5;
    QTest::addRow("horizontal, full int range")
        << false << -2147483647 - 1 << 2147483647 << 100 << 100 << 2147483647;
    QTest::addRow("vertical, offset range") << true << 10 << 20 << 25 << 100 << 17;
}

void TestTransport::clickValueEdges()
{
    QFETCH(bool, vertical);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(int, length);
    const int value = vertical
        ? SliderMath::verticalClickValue(minimum, maximum, position, length)
        : SliderMath::horizontalClickValue(minimum, maximum, position, length);
    QTEST(value, "expected");
}

ZEMKO_TEST_WIDGETS_MAIN(TestTransport)
#include "tst_transport.moc"
