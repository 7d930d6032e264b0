#include "DecimalNumber.h"
#include "TestEnvironment.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cmath>
#include <cstring>

// DecimalNumber must read every text exactly as QString does, to the bit.
class TestDecimalNumber : public QObject
{
    Q_OBJECT

private:
    static quint64 bits(double value)
    {
        quint64 b;
        std::memcpy(&b, &value, sizeof b);
        return b;
    }
    static quint32 bits(float value)
    {
        quint32 b;
        std::memcpy(&b, &value, sizeof b);
        return b;
    }
    static void compare(const QString &text)
    {
        QCOMPARE(bits(DecimalNumber::toDouble(text)), bits(text.toDouble()));
        QCOMPARE(bits(DecimalNumber::toFloat(text)), bits(text.toFloat()));
    }

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"0",
                                 "-0",
                                 "0.0",
                                 "-0.000000",
                                 "7",
                                 "22.541668",
                                 "-113.933245",
                                 "19.446",
                                 "2232.5",
                                 "11354.000000",
                                 "0.1",
                                 "0.3",
                                 "1.000000000000001",
                                 "123456789012345",
                                 "1234567890123456",
                                 "0.000000000000001",
                                 "00012.50",
                                 "999999999999999",
                                 "9007199254740993",
                                 "1.7976931348623157",
                                 "",
                                 "-",
                                 ".",
                                 "5.",
                                 ".5",
                                 "+5",
                                 " 5",
                                 "5 ",
                                 "1e3",
                                 "1,5",
                                 "--1",
                                 "1.2.3",
                                 "nan",
                                 "inf",
                                 "-inf",
                                 "0x10",
                                 "٣"})
            QTest::addRow("%s", text) << QString::fromUtf8(text);
    }
    void texts()
    {
        QFETCH(QString, text);
        compare(text);
    }

    // Texts as the track writes them and random digit strings of every length.
    void randomTexts()
    {
        QRandomGenerator random(20261211);
        for (int i = 0; i < 200000; ++i) {
            QString text;
            if (i % 2) {
                const double value = (random.generateDouble() - 0.5) * std::pow(10, i % 9);
                text = QString::number(value, 'f', i % 10);
            } else {
                const int digits = 1 + int(random.bounded(18));
                const int point = int(random.bounded(digits + 1));
                for (int d = 0; d < digits; ++d) {
                    if (d == point && d > 0)
                        text += QLatin1Char('.');
                    text += QChar(u'0' + int(random.bounded(10)));
                }
                if (random.bounded(2))
                    text.prepend(QLatin1Char('-'));
            }
            compare(text);
            if (QTest::currentTestFailed()) {
                qWarning() << "text:" << text;
                return;
            }
        }
    }
};

ZEMKO_TEST_GUILESS_MAIN(TestDecimalNumber)
#include "tst_decimalnumber.moc"
