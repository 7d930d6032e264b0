#pragma once

#include "GPSModel.h"
#include "GpsRecordLayouts.h"

// Turns one binary or text GPS record into a fix: times as plain decimal
// text, positions through the track builder's conversions, speeds as knot
// texts with 3 decimals, G-sensor axes in g (|axis| > 5 g reads as 0 for the
// binary layouts). Pure: the validation and filing happen in GpsTrackBuilder.
class GpsRecordDecoder
{
public:
    static GPSModel toFix(const HDGPSMessageZEMKO &record);
    static GPSModel toFix(const SOneGpsMessage &record);
    static GPSModel toFix(const RMCINFO_R4K8 &record);
    static GPSModel toFix(const HDGPSMessage &record);
    static GPSModel toFix(const GPSInfo_Hisi &record);
    static GPSModel toFix(const GpsTextRecord &record);

private:
    static GPSModel fromDoubleLayout(const RMCINFO_R4K8 &record, bool unsignedTime);
};
