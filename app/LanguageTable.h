#pragma once

#include <QString>

// The 19 interface languages, numbered 1 to 19 as stored in "ZemkoLanguage".
struct LanguageEntry
{
    int number;
    const char *comboKey;
    const char *fileName; // under ":/Resources/"
    int defaultMapType;
    int defaultSpeedUnit;
};

class LanguageTable
{
public:
    static constexpr int count = 19;

    // The entry of a number 1..19; English for any other number.
    static const LanguageEntry &entry(int number);
    // The locale default: language by QLocale::Language, Chinese split by the
    // country's English name ("HongKong", "Macau", "Taiwan" give Traditional).
    static const LanguageEntry &forLocale(int language, const QString &countryName);
    static QString fontFamily(int number);
    static QString translationPath(int number);
};
