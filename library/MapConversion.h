#pragma once

#include <QPair>
#include <QString>

// Position for the map page as (latitude, longitude): inside China shifted to
// the page's datum (0 Google: GCJ-02, 1 Baidu: BD-09), outside unchanged;
// (0, 0) for an unknown map type.
QPair<double, double> convertForMap(int mapType, const QString &latitude, const QString &longitude,
                                    bool inChina);
