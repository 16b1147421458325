// The odds of five against five shipped creatures: 10,000 and 100,000 fights on all cores, and one core for
// comparison. "bench_chancen --profil N" plays only N fights on one thread, for a profiler.
#include "BattleEngine.h"
#include "BenchSupport.h"
#include "Gewinnchancen.h"
#include "Kreaturentabelle.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

using namespace Kreaturentabellen;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    Kreaturentabelle tabelle;
    Laden(tabelle);
    // A party of fighters against a band of robbers and cultists: good parries make the fights long.
    BattleEngine::Kampfstand stand;
    const QStringList helden{"Stadtgardist", "Söldner", "Seeräuberin", "Elfische Grenzwächterin", "Zwergischer Bergwächter"};
    const QStringList gegner{"Wegelagerer", "Räuberhauptmann", "Kultist", "Kultpriester", "Skelettkrieger"};
    for (int g = 0; g < 2; ++g) {
        for (const QString& name : g == 0 ? helden : gegner) {
            const int zeile = ZeileSuchen(tabelle, name);
            const auto k = zeile >= 0 ? BattleEngine::KaempferAus(tabelle.Zeilen[zeile]) : std::nullopt;
            if (!k) {
                std::fprintf(stderr, "Kreatur %s fehlt oder ist nicht kampftauglich.\n", qPrintable(name));
                return 1;
            }
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe(g), *k);
        }
    }
    const QStringList argumente = app.arguments();
    if (argumente.size() == 3 && argumente[1] == QLatin1String("--profil")) {
        const auto e = Gewinnchancen::Berechnen(stand, argumente[2].toLongLong(), 1, nullptr, 1);
        std::printf("%lld Kämpfe, Helden siegen %lld mal\n", e->Kaempfe, e->Siege[int(BattleEngine::Sieger::Helden)]);
        return 0;
    }
    std::optional<Gewinnchancen::Ergebnis> ergebnis = Gewinnchancen::Berechnen(stand, 2000, 1);
    std::printf("Kerne: %u, Runden je Kampf im Mittel: %.1f\n", std::thread::hardware_concurrency(),
                ergebnis->RundenMittel());
    bool ok = true;
    quint64 saat = 1000;
    const double zehntausend = BenchSupport::MedianMs(9, [&] { ergebnis = Gewinnchancen::Berechnen(stand, 10000, saat++); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Gewinnchancen 10.000 Kämpfe 5 gegen 5"), zehntausend,
                              QStringLiteral("ms"), 150) && ok;
    const double hunderttausend = BenchSupport::MedianMs(5, [&] { ergebnis = Gewinnchancen::Berechnen(stand, 100000, saat++); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Gewinnchancen 100.000 Kämpfe 5 gegen 5"), hunderttausend,
                              QStringLiteral("ms"), 1000) && ok;
    const double einKern = BenchSupport::MedianMs(3, [&] { ergebnis = Gewinnchancen::Berechnen(stand, 100000, saat++, nullptr, 1); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Gewinnchancen 100.000 Kämpfe 5 gegen 5 auf einem Kern"), einKern,
                              QStringLiteral("ms")) && ok;
    if (!ergebnis || ergebnis->Kaempfe != 100000)
        return 1;
    return ok ? 0 : 1;
}
