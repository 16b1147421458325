#pragma once

// Records for the creature tests, built field by field so each test names only what matters to it.
#include "BattleEngine.h"
#include "Kreaturentabelle.h"
#include "TestInstallation.h"

#include <QStringList>

namespace CreaturesTest {

// A creature fit for battle: weapon 1 "Biss" 1W6+2 (die index "3"), AT 12, PA 8, MU 10, LE 20, RS 1; the
// other weapons empty with die type "-1", every check box "0".
inline QStringList Kreatur(const QString& name, const QString& kategorie = QStringLiteral("Tiere"))
{
    QStringList f(Kreaturentabellen::Feldanzahl);
    f[1] = name;
    f[2] = QStringLiteral("Ein Tier für die Tests.");
    f[3] = QStringLiteral("Wälder");
    f[4] = QStringLiteral("1 Schritt");
    f[5] = QStringLiteral("10");
    f[6] = QStringLiteral("12");
    f[7] = QStringLiteral("30");
    f[8] = QStringLiteral("3");
    f[10] = QStringLiteral("Biss");
    f[11] = QStringLiteral("1");
    f[12] = QStringLiteral("2");
    f[13] = QStringLiteral("12");
    f[26] = QStringLiteral("1");
    f[27] = QStringLiteral("2");
    f[28] = QStringLiteral("8");
    f[29] = QStringLiteral("10");
    f[30] = QStringLiteral("20");
    f[31] = QStringLiteral("4");
    for (int i = 34; i <= 51; ++i)
        f[i] = QStringLiteral("0");
    f[52] = kategorie;
    f[53] = QStringLiteral("Häufig");
    f[54] = QStringLiteral("3");
    f[55] = f[56] = f[57] = QStringLiteral("-1");
    return f;
}

using TestDatenbank::Datei;

// A fighter given directly: weapon "SP" unless a die text is named.
inline BattleEngine::Kaempfer Figur(const QString& name, qint64 mu, qint64 at, qint64 pa, qint64 le, qint64 rs = 0,
                                       qint64 anzahl = 5, const QString& wuerfel = QStringLiteral("SP"),
                                       qint64 bonus = 0)
{
    BattleEngine::Kaempfer k;
    k.Name = name;
    k.MU = mu;
    k.AT = at;
    k.PA = pa;
    k.LE = le;
    k.RS = rs;
    k.Anzahl = anzahl;
    k.Wuerfel = wuerfel;
    k.Bonus = bonus;
    return k;
}

// A line-up of shipped creatures by their rows; -1 is a fortress that parries everything.
inline BattleEngine::Kampfstand Aufstellen(const QList<int>& helden, const QList<int>& gegner)
{
    static const Kreaturentabellen::Kreaturentabelle tabelle = [] {
        TestInstallation installation;
        Kreaturentabellen::Kreaturentabelle t;
        Kreaturentabellen::Laden(t);
        return t;
    }();
    const auto mitglied = [](int zeile) {
        return zeile < 0 ? Figur(QStringLiteral("Festung"), 5, 20, 40, 30) : *BattleEngine::KaempferAus(tabelle.Zeilen[zeile]);
    };
    BattleEngine::Kampfstand stand;
    for (int z : helden)
        BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Helden, mitglied(z));
    for (int z : gegner)
        BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Gegner, mitglied(z));
    return stand;
}

} // namespace CreaturesTest
