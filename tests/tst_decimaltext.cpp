#include "DecimalText.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

Q_DECLARE_METATYPE(std::function<double(QRandomGenerator &)>)

// DecimalText must print exactly what QString::number prints.
class TestDecimalText : public QObject
{
    Q_OBJECT

private:
    static void compareAll(double value)
    {
        for (int decimals = 0; decimals <= 10; ++decimals) {
            QCOMPARE(DecimalText::fixed(value, decimals), QString::number(value, 'f', decimals));
        }
        for (int precision = 0; precision <= 10; ++precision) {
            QCOMPARE(DecimalText::general(value, precision),
                     QString::number(value, 'g', precision));
        }
    }

private slots:
    void edgeValues_data()
    {
        QTest::addColumn<double>("value");
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::addRow("zero") << 0.0;
        QTest::addRow("negative zero") << -0.0;
        QTest::addRow("negative rounding to zero") << -1e-9;
        QTest::addRow("half, tie away from zero") << 0.5;
        QTest::addRow("two and a half") << 2.5;
        QTest::addRow("negative tie") << -2.5;
        QTest::addRow("one 1024th, tie at 6 digits") << 1.0 / 1024;
        QTest::addRow("five 1024ths") << -5.0 / 1024;
        QTest::addRow("rounds up to ten") << 9.9999996;
        QTest::addRow("rounds up across the g exponent") << 0.00009999995;
        QTest::addRow("smallest fixed g") << 0.0001;
        QTest::addRow("just below the g window") << 0.0000999;
        QTest::addRow("top of the g window") << 999999.4;
        QTest::addRow("g rounds into an exponent") << 999999.6;
        QTest::addRow("exponent form") << 1234567.0;
        QTest::addRow("latitude") << 22.541668;
        QTest::addRow("longitude west") << -113.933245;
        QTest::addRow("float latitude") << double(22.541668f);
        QTest::addRow("speed") << 35.2799987792969;
        QTest::addRow("2^53 minus one") << 9007199254740991.0;
        QTest::addRow("2^53") << 9007199254740992.0;
        QTest::addRow("huge") << 1e21;
        QTest::addRow("tiny") << 5e-324;
        QTest::addRow("infinity") << infinity;
        QTest::addRow("minus infinity") << -infinity;
        QTest::addRow("nan") << std::numeric_limits<double>::quiet_NaN();
    }

    void edgeValues()
    {
        QFETCH(double, value);
        compareAll(value);
    }

    void randomValues_data()
    {
        using Source = std::function<double(QRandomGenerator &)>;
        QTest::addColumn<Source>("source");
        QTest::addRow("degrees") << Source(
            [](QRandomGenerator &r) { return r.bounded(360.0) - 180.0; });
        QTest::addRow("degrees through float") << Source([](QRandomGenerator &r) {
            return double(static_cast<float>(r.bounded(360.0) - 180.0));
        });
        QTest::addRow("g-sensor steps of 1/1024 and 1/256") << Source([](QRandomGenerator &r) {
            const double step = r.bounded(2) ? 1024.0 : 256.0;
            return double(static_cast<float>((r.bounded(10241) - 5120) / step));
        });
        QTest::addRow("six-decimal texts")
            << Source([](QRandomGenerator &r) { return (r.bounded(360000001) - 180000000) / 1e6; });
        QTest::addRow("ties at every place") << Source([](QRandomGenerator &r) {
            return (2 * r.bounded(1 << 20) + 1) / std::ldexp(1.0, 1 + r.bounded(20));
        });
        QTest::addRow("any magnitude") << Source([](QRandomGenerator &r) {
            return std::ldexp(r.generateDouble() - 0.5, r.bounded(140) - 70);
        });
        QTest::addRow("raw bit patterns") << Source([](QRandomGenerator &r) {
            const quint64 bits = r.generate64();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        });
    }

    void randomValues()
    {
        QFETCH(std::function<double(QRandomGenerator &)>, source);
        QRandomGenerator random(20240611);
        for (int i = 0; i < 4000; ++i) {
            const double value = source(random);
            compareAll(value);
            if (QTest::currentTestFailed()) {
                qWarning("value %.17g", value);
                return;
            }
        }
    }
};

ZEMKO_TEST_GUILESS_MAIN(TestDecimalText)
#include "tst_decimaltext.moc"
