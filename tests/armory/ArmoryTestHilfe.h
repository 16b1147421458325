#pragma once

// Records for the armory tests, built field by field so each test names only what matters to it.
#include "Waffentabelle.h"
#include "TestInstallation.h"

#include <QStringList>

namespace ArmoryTest {

// A melee weapon: name, weight, length, dice, bonus, KK, WV, BF, price, category, die type, currency, regions.
inline QStringList Nahkampfwaffe(const QString& name, const QString& schaden = QStringLiteral("1"),
                                 const QString& bonus = QStringLiteral("4"), const QString& preis = QStringLiteral("100"))
{
    QStringList f(29);
    f[1] = name;
    f[2] = QStringLiteral("80");
    f[3] = QStringLiteral("90");
    f[5] = schaden;
    f[6] = bonus;
    f[7] = QStringLiteral("KK-14");
    f[8] = QStringLiteral("4");
    f[9] = QStringLiteral("2");
    f[10] = QStringLiteral("3");
    f[11] = preis;
    for (int i = 16; i <= 24; ++i)
        f[i] = QStringLiteral("0");
    f[25] = QStringLiteral("Schwerter");
    f[26] = QStringLiteral("W6");
    f[27] = QStringLiteral("Dukaten");
    f[28] = QStringLiteral("GA|HA|");
    return f;
}

inline QStringList Fernwaffe(const QString& name)
{
    QStringList f(23);
    f[1] = name;
    f[2] = QStringLiteral("60");
    f[3] = QStringLiteral("120");
    f[5] = QStringLiteral("1");
    f[6] = QStringLiteral("3");
    f[7] = QStringLiteral("80");
    f[8] = QStringLiteral("-1");
    f[9] = QStringLiteral("45");
    for (int i = 14; i <= 18; ++i)
        f[i] = QStringLiteral("0");
    f[19] = QStringLiteral("Schusswaffe");
    f[20] = QStringLiteral("W6");
    f[21] = QStringLiteral("Silbertaler");
    f[22] = QStringLiteral("WE|");
    return f;
}

inline QStringList Ruestung(const QString& name)
{
    QStringList f(20);
    f[1] = name;
    f[2] = QStringLiteral("240");
    f[4] = QStringLiteral("3");
    f[5] = QStringLiteral("2");
    f[6] = QStringLiteral("0");
    f[7] = QStringLiteral("-1");
    f[8] = QStringLiteral("2");
    f[9] = QStringLiteral("80");
    for (int i = 11; i <= 16; ++i)
        f[i] = QStringLiteral("0");
    f[17] = QStringLiteral("Rüstung");
    f[18] = QStringLiteral("Dukaten");
    return f;
}

using TestDatenbank::Datei;

} // namespace ArmoryTest
