#include "DecimalNumber.h"

#include <cstdint>

namespace {

// Up to 15 digits the integer m and 10^k are exact doubles and m / 10^k is
// the correctly rounded value of the text: the same double any exact
// converter gives.
constexpr int maxDigits = 15;

constexpr double powersOfTen[maxDigits + 1]
    = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// [-]digits[.digits]; false for any other text.
bool parsePlain(const QString &text, double &value)
{
    const QChar *p = text.constData();
    const QChar *const end = p + text.size();
    const bool negative = p != end && *p == QLatin1Char('-');
    if (negative)
        ++p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = -1; // digits after the point; -1 while there is none
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (c >= u'0' && c <= u'9') {
            if (++digits > maxDigits)
                return false;
            mantissa = mantissa * 10 + (c - u'0');
            if (decimals >= 0)
                ++decimals;
        } else if (c == u'.' && decimals < 0 && digits > 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (digits == 0 || decimals == 0)
        return false;
    const double magnitude = double(mantissa) / powersOfTen[decimals < 0 ? 0 : decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

double DecimalNumber::toDouble(const QString &text)
{
    double value = 0;
    return parsePlain(text, value) ? value : text.toDouble();
}

float DecimalNumber::toFloat(const QString &text)
{
    // Plain texts of 15 digits lie well inside float's range, where Qt's
    // narrowing is a plain cast.
    double value = 0;
    return parsePlain(text, value) ? static_cast<float>(value) : text.toFloat();
}
