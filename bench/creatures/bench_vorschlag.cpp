// The budget of issue 26 for proposals: five enemy groups for four heroes from the shipped database at
// 70 ± 5 %, each confirmed with 10,000 fights, in three seconds: the search itself, and the batch command
// from its start to its end.
#include "BattleEngine.h"
#include "BenchSupport.h"
#include "Kreaturentabelle.h"
#include "Vorschlaege.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace Kreaturentabellen;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    const QStringList helden{"Söldner", "Elfische Grenzwächterin", "Zwergischer Bergwächter", "Seeräuberin"};
    bool ok = true;
    int gefunden = 5;
    quint64 saat = 1;
    // Loading the database and choosing the kinds belong to the search.
    const double suche = BenchSupport::MedianMs(5, [&] {
        Kreaturentabelle tabelle;
        Laden(tabelle);
        Vorschlaege::Anfrage anfrage;
        for (const QString& name : helden)
            anfrage.Helden.append(*BattleEngine::KaempferAus(tabelle.Zeilen[ZeileSuchen(tabelle, name)]));
        anfrage.Saat = saat++;
        const auto e = Vorschlaege::Suchen(anfrage, Vorschlaege::Arten(tabelle.Zeilen));
        gefunden = std::min(gefunden, e ? int(e->Vorschlaege.size()) : 0);
    });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 5 Gegnervorschläge für 4 Helden, 70 ± 5 %, je 10.000 Kämpfe"), suche,
                              QStringLiteral("ms"), 3000) && ok;
    if (gefunden < 5) {
        std::fprintf(stderr, "Gefunden wurden nur %d Vorschläge.\n", gefunden);
        ok = false;
    }
    const QString programm = BenchSupport::ProgrammKopieren(ordner.path(), QStringLiteral("creatures"), QStringLiteral("Bestiar3"));
    QStringList argumente{QStringLiteral("--vorschlagen"), QStringLiteral("--seed"), QStringLiteral("7")};
    for (const QString& name : helden)
        argumente << QStringLiteral("--held") << name;
    const double befehl = BenchSupport::MedianMs(3, [&] {
        if (BenchSupport::LaufzeitMs(programm, argumente) < 0)
            ok = false;
    });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 --vorschlagen für 4 Helden vom Start bis zum Ende"), befehl,
                              QStringLiteral("ms"), 3000) && ok;
    return ok ? 0 : 1;
}
