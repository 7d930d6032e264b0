#pragma once

#include <QObject>
#include <QVector>

// Decides whether a WGS-84 position lies in mainland China, where the map
// pages need shifted datums. Immutable after construction; callable from any
// thread.
class ZCChinaLocation : public QObject
{
    Q_OBJECT
public:
    explicit ZCChinaLocation(QObject *parent = nullptr);

    bool isInChina(double latitude, double longitude) const;

private:
    // Bounds in degrees; edges count as inside.
    struct Rectangle
    {
        double west;
        double north;
        double east;
        double south;
        bool contains(double latitude, double longitude) const;
    };

    QVector<Rectangle> m_regions;
    QVector<Rectangle> m_exclusions;
};

// Builds a ZCChinaLocation for one question and discards it.
bool chinaRegionTest(double latitude, double longitude);
