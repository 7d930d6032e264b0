#pragma once

#include <QString>

// QString::toDouble and toFloat for the plain decimal texts a track is made
// of ("-22.541668", "0", "19.446"), bit for bit, without the general
// converter that dominated checking a long track. Texts with more than 15
// digits, an exponent, a '+', white space or anything else go to QString.
class DecimalNumber
{
public:
    static double toDouble(const QString &text);
    static float toFloat(const QString &text);
};
