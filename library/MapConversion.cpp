#include "MapConversion.h"

#include "DatumShift.h"
#include "DecimalNumber.h"

QPair<double, double> convertForMap(int mapType, const QString &latitude, const QString &longitude,
                                    bool inChina)
{
    if (mapType != 0 && mapType != 1)
        return {0.0, 0.0};
    const double lat = DecimalNumber::toDouble(latitude);
    const double lon = DecimalNumber::toDouble(longitude);
    if (!inChina)
        return {lat, lon};
    return mapType == 0 ? wgs84ToGcj02(lat, lon) : wgs84ToBd09(lat, lon);
}
