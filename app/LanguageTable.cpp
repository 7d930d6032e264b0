#include "LanguageTable.h"

#include <QLocale>

namespace {

const LanguageEntry entries[LanguageTable::count] = {
    {1, "China", "ZemkoPlayer_Chinese.qm", 1, 0},
    {2, "TraditionalChinese", "ZemkoPlayer_TraditionalChinese.qm", 1, 0},
    {3, "English", "ZemkoPlayer_English.qm", 0, 1},
    {4, "Arabic", "ZemkoPlayer_Arabic.qm", 0, 0},
    {5, "German", "ZemkoPlayer_German.qm", 0, 0},
    {6, "Greek", "ZemkoPlayer_Greek.qm", 0, 0},
    {7, "Japanese", "ZemkoPlayer_Japanese.qm", 0, 0},
    {8, "Hebrew", "ZemkoPlayer_Hebrew.qm", 0, 0},
    {9, "Italian", "ZemkoPlayer_Italian.qm", 0, 0},
    {10, "Korean", "ZemkoPlayer_Korean.qm", 0, 1},
    {11, "Polish", "ZemkoPlayer_Polish.qm", 0, 0},
    {12, "Russian", "ZemkoPlayer_Russian.qm", 0, 0},
    {13, "Slovakia", "ZemkoPlayer_Slovakia.qm", 0, 0},
    {14, "Thai", "ZemkoPlayer_Thai.qm", 0, 0},
    {15, "Turkish", "ZemkoPlayer_Turkish.qm", 0, 0},
    {16, "Ukrainian", "ZemkoPlayer_Ukrainian.qm", 0, 0},
    {17, "Dutch", "ZemkoPlayer_Dutch.qm", 0, 0},
    {18, "Czech", "ZemkoPlayer_Czech.qm", 0, 0},
    {19, "Vietnamese", "ZemkoPlayer_Vietnamese.qm", 0, 0},
};

constexpr int englishNumber = 3;

int numberForLanguage(int language, const QString &countryName)
{
    switch (language) {
    case QLocale::Chinese: {
        // Qt 5.15 spells "Hong Kong" with a blank; older releases did not.
        const QString country = QString(countryName).remove(QLatin1Char(' '));
        if (country == QLatin1String("HongKong") || country == QLatin1String("Macau")
            || country == QLatin1String("Taiwan"))
            return 2;
        return 1;
    }
    case QLocale::Arabic:
        return 4;
    case QLocale::German:
        return 5;
    case QLocale::Greek:
        return 6;
    case QLocale::Japanese:
        return 7;
    case QLocale::Hebrew:
        return 8;
    case QLocale::Italian:
        return 9;
    case QLocale::Korean:
        return 10;
    case QLocale::Polish:
        return 11;
    case QLocale::Russian:
        return 12;
    case QLocale::Slovak:
        return 13;
    case QLocale::Thai:
        return 14;
    case QLocale::Turkish:
        return 15;
    case QLocale::Ukrainian:
        return 16;
    case QLocale::Dutch:
        return 17;
    case QLocale::Czech:
        return 18;
    case QLocale::Vietnamese:
        return 19;
    default:
        return englishNumber;
    }
}

} // namespace

const LanguageEntry &LanguageTable::entry(int number)
{
    if (number < 1 || number > count)
        number = englishNumber;
    return entries[number - 1];
}

const LanguageEntry &LanguageTable::forLocale(int language, const QString &countryName)
{
    return entry(numberForLanguage(language, countryName));
}

QString LanguageTable::fontFamily(int number)
{
    if (number == 1 || number == 2 || number == 7)
        return QStringLiteral("PingFang SC Medium");
    return QStringLiteral("HarmonyOS Sans SC Medium");
}

QString LanguageTable::translationPath(int number)
{
    return QStringLiteral(":/Resources/") + QLatin1String(entry(number).fileName);
}
