#include "DecimalText.h"

#include <cmath>
#include <cstdint>

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int maxDecimals = 9;
// The scaled value must fit 64 bits.
constexpr double scaledLimit = 1e18;
constexpr int mantissaBits = 53;

constexpr std::uint64_t powerOfTen(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// |value| * 10^decimals rounded to an integer the way the 'f' format
// rounds: from the exact binary value, ties away from zero. value = m * 2^-s
// exactly, with m below 2^53, so m * 10^9 stays below 2^83; the caller
// keeps the result below 10^18.
std::uint64_t scaledRounded(double magnitude, int decimals)
{
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, mantissaBits));
    const int shift = mantissaBits - exponent;
    const Wide scaled = Wide(mantissa) * powerOfTen(decimals);
    if (shift <= 0)
        return static_cast<std::uint64_t>(scaled << -shift);
    if (shift >= 100) // below half a unit of the last decimal
        return 0;
    const Wide whole = scaled >> shift;
    const Wide rest = scaled - (whole << shift);
    const Wide half = Wide(1) << (shift - 1);
    return static_cast<std::uint64_t>(rest >= half ? whole + 1 : whole);
}

// The digits of `scaled` with a point `decimals` places from the right.
QString layOut(bool negative, std::uint64_t scaled, int decimals, bool trimZeros)
{
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    } while (scaled > 0);
    while (count <= decimals)
        digits[count++] = '0';

    char text[32];
    int length = 0;
    if (negative)
        text[length++] = '-';
    for (int i = count - 1; i >= decimals; --i)
        text[length++] = digits[i];
    int first = 0;
    if (trimZeros) {
        while (first < decimals && digits[first] == '0')
            ++first;
    }
    if (first < decimals) {
        text[length++] = '.';
        for (int i = decimals - 1; i >= first; --i)
            text[length++] = digits[i];
    }
    return QString::fromLatin1(text, length);
}

bool fastRange(double value, int decimals)
{
    return decimals >= 0 && decimals <= maxDecimals && std::isfinite(value)
        && std::fabs(value) * double(powerOfTen(decimals)) < scaledLimit;
}

} // namespace

QString DecimalText::fixed(double value, int decimals)
{
    if (!fastRange(value, decimals))
        return QString::number(value, 'f', decimals);
    // -0 prints without a sign, any other negative value with one, even
    // when it rounds to zero.
    return layOut(value < 0, scaledRounded(std::fabs(value), decimals), decimals, false);
}

QString DecimalText::general(double value, int precision)
{
    if (!fastRange(value, precision) || value == 0 || precision < 1)
        return QString::number(value, 'g', precision);
    const double magnitude = std::fabs(value);
    // Decimal exponent of the value once rounded to `precision` digits; the
    // estimate from log10 is corrected by the rounded digit count.
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const std::uint64_t lowest = powerOfTen(precision - 1);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int decimals = precision - 1 - exponent;
        // Outside this window the text takes an exponent (or too many digits).
        if (exponent < -4 || exponent >= precision || decimals > maxDecimals)
            break;
        const std::uint64_t scaled = scaledRounded(magnitude, decimals);
        if (scaled >= lowest * 10) {
            ++exponent;
        } else if (scaled < lowest) {
            --exponent;
        } else {
            return layOut(value < 0, scaled, decimals, true);
        }
    }
    return QString::number(value, 'g', precision);
}
