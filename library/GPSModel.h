#pragma once

#include <QJsonObject>
#include <QString>

class JsonTextWriter;

// One GPS fix as decoded from a dash-cam track. Positions are texts of
// signed decimal degrees with 6 decimals, speeds texts in knots, the course
// in degrees clockwise from north, the G-sensor axes in g.
class GPSModel
{
public:
    QString hour;
    QString minute;
    QString second;
    QString year;
    QString month;
    QString day;
    bool status = false;
    QString nsind;
    QString ewind;
    QString reservd;
    QString speed;
    float angle = 0;
    QString latitude;
    QString longitude;
    QString jsonPosition;
    float x = 0;
    float y = 0;
    float z = 0;
    // File-type code of the GPS record; not stored in the document.
    int fixFormat = 0;

    // Every stored field except jsonPosition from a JSON object; text that
    // is not an object gives an all-empty fix. jsonPosition and fixFormat
    // stay as they are.
    void fromJson(const QString &text);
    void fromJsonObject(const QJsonObject &object);
    // The stored fields as one object; fixFormat is not written.
    void writeJson(JsonTextWriter &writer) const;

    // No drawable position: both texts empty, |lat| + |lon| not above 0, or
    // a value that is not finite.
    bool isZeroPosition() const;
    // Script that moves the map marker here; empty for an invalid fix.
    QString markerScript(int mapType) const;
};
