#pragma once

#include <QPair>

// WGS-84 to the Chinese map datums. Arguments and results are
// (latitude, longitude) in degrees. The shifts do not test the region:
// callers ask chinaRegionTest() first.
QPair<double, double> wgs84ToGcj02(double latitude, double longitude);
// GCJ-02 shift followed by the BD-09 step.
QPair<double, double> wgs84ToBd09(double latitude, double longitude);
