#include "MapConversion.h"

#include "DatumShift.h"

QPair<double, double> convertForMap(int mapType, const QString &latitude, const QString &longitude,
                                    bool inChina)
{
    if (mapType != 0 && mapType != 1)
        return {0.0, 0.0};
    const double lat = latitude.toDouble();
    const double lon = longitude.toDouble();
    if (!inChina)
        return {lat, lon};
    return mapType == 0 ? wgs84ToGcj02(lat, lon) : wgs84ToBd09(lat, lon);
}
