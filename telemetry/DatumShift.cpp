#include "DatumShift.h"

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double semiMajorAxis = 6378245.0;
constexpr double eccentricitySquared = 0.006693421622965943;
constexpr double xPi = 52.35987755982988; // pi * 3000 / 180

// The periodic term both offsets share.
double wave(double x)
{
    return (20.0 * std::sin(6.0 * x * pi) + 20.0 * std::sin(2.0 * x * pi)) * 2.0 / 3.0;
}

double latitudeOffset(double x, double y)
{
    return -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * std::sqrt(std::fabs(x))
        + wave(x) + (20.0 * std::sin(y * pi) + 40.0 * std::sin(y / 3.0 * pi)) * 2.0 / 3.0
        + (160.0 * std::sin(y / 12.0 * pi) + 320.0 * std::sin(y * pi / 30.0)) * 2.0 / 3.0;
}

double longitudeOffset(double x, double y)
{
    return 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * std::sqrt(std::fabs(x)) + wave(x)
        + (20.0 * std::sin(x * pi) + 40.0 * std::sin(x / 3.0 * pi)) * 2.0 / 3.0
        + (150.0 * std::sin(x / 12.0 * pi) + 300.0 * std::sin(x / 30.0 * pi)) * 2.0 / 3.0;
}

} // namespace

QPair<double, double> wgs84ToGcj02(double latitude, double longitude)
{
    const double x = longitude - 105.0;
    const double y = latitude - 35.0;
    const double radLat = latitude / 180.0 * pi;
    const double sinLat = std::sin(radLat);
    const double magic = 1.0 - eccentricitySquared * sinLat * sinLat;
    const double sqrtMagic = std::sqrt(magic);
    const double dLat = latitudeOffset(x, y) * 180.0
        / ((semiMajorAxis * (1.0 - eccentricitySquared) / (magic * sqrtMagic)) * pi);
    const double dLon
        = longitudeOffset(x, y) * 180.0 / (semiMajorAxis / sqrtMagic * std::cos(radLat) * pi);
    return {latitude + dLat, longitude + dLon};
}

QPair<double, double> wgs84ToBd09(double latitude, double longitude)
{
    const QPair<double, double> gcj = wgs84ToGcj02(latitude, longitude);
    const double y = gcj.first;
    const double x = gcj.second;
    const double z = std::sqrt(x * x + y * y) + 0.00002 * std::sin(y * xPi);
    const double theta = std::atan2(y, x) + 0.000003 * std::cos(x * xPi);
    return {z * std::sin(theta) + 0.006, z * std::cos(theta) + 0.0065};
}
