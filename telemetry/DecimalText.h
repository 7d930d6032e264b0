#pragma once

#include <QString>

// Number texts for the per-fix fields, byte-identical to QString::number
// with the 'f' and 'g' formats but without its general-purpose conversion,
// which dominated decoding a long track. Values outside the fast range
// (not finite, |v| * 10^decimals >= 10^18, precisions beyond 9, 'g' texts that would take
// an exponent) go to QString::number itself.
class DecimalText
{
public:
    // QString::number(value, 'f', decimals).
    static QString fixed(double value, int decimals);
    // QString::number(value, 'g', precision).
    static QString general(double value, int precision);
};
