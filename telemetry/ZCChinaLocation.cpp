#include "ZCChinaLocation.h"

#include <algorithm>

ZCChinaLocation::ZCChinaLocation(QObject *parent)
    : QObject(parent)
    , m_regions {
        { 79.446200, 49.220400, 96.330000, 42.889900 },
        { 109.687200, 54.141500, 135.000200, 39.374200 },
        { 73.124600, 42.889900, 124.143255, 29.529700 },
        { 82.968400, 29.529700, 97.035200, 26.718600 },
        { 97.025300, 29.529700, 124.367395, 20.414096 },
        { 107.975793, 20.414096, 111.744104, 17.871542 },
    }
    // Taiwan, the southern neighbours, Mongolia, Russia, the Korean
    // peninsula, Hong Kong and Macau, which the region rectangles overlap.
    , m_exclusions {
        { 119.921265, 25.398623, 122.497559, 21.785006 },
        { 101.865200, 22.284000, 106.665000, 20.098800 },
        { 106.452500, 21.542200, 108.051000, 20.487800 },
        { 109.032300, 55.817500, 119.127000, 50.325700 },
        { 127.456800, 55.817500, 137.022700, 49.557400 },
        { 131.266200, 44.892200, 137.022700, 42.569200 },
        { 124.726190, 42.569200, 137.022700, 37.611250 },
        { 127.989970, 42.084760, 129.800410, 38.554820 },
        { 126.439140, 41.384370, 128.109270, 37.896060 },
        { 124.450890, 40.312410, 126.041490, 37.469400 },
        { 125.128390, 41.408080, 128.141190, 39.249700 },
        { 113.831000, 22.449560, 114.486170, 22.162260 },
        { 113.551210, 22.199100, 113.634350, 22.102000 },
    }
{
}

bool ZCChinaLocation::Rectangle::contains(double latitude, double longitude) const
{
    // NaN fails every comparison, so it lies in no rectangle.
    return west <= longitude && longitude <= east && south <= latitude && latitude <= north;
}

bool ZCChinaLocation::isInChina(double latitude, double longitude) const
{
    const auto inside = [=](const Rectangle &r) {
        return r.contains(latitude, longitude);
    };
    if (std::none_of(m_regions.cbegin(), m_regions.cend(), inside))
        return false;
    return std::none_of(m_exclusions.cbegin(), m_exclusions.cend(), inside);
}

bool chinaRegionTest(double latitude, double longitude)
{
    const ZCChinaLocation location;
    return location.isInChina(latitude, longitude);
}
