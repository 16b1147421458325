// The odds of five against five shipped creatures. The budgets of issue 26 on five animals against five: a
// million fights in a second and 10,000 in 15 ms on all cores; one core for comparison. The earlier figures
// on a party of fighters against robbers and cultists, whose good parries make the fights long.
// "bench_chancen --profil N" plays only N fights of the animals on one thread, for a profiler.
#include "BattleEngine.h"
#include "BenchSupport.h"
#include "Gewinnchancen.h"
#include "Kreaturentabelle.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

using namespace Kreaturentabellen;

namespace {

std::optional<BattleEngine::Kampfstand> Aufstellen(const Kreaturentabelle& tabelle, const QStringList& helden,
                                                   const QStringList& gegner)
{
    BattleEngine::Kampfstand stand;
    for (int g = 0; g < 2; ++g) {
        for (const QString& name : g == 0 ? helden : gegner) {
            const int zeile = ZeileSuchen(tabelle, name);
            const auto k = zeile >= 0 ? BattleEngine::KaempferAus(tabelle.Zeilen[zeile]) : std::nullopt;
            if (!k) {
                std::fprintf(stderr, "Kreatur %s fehlt oder ist nicht kampftauglich.\n", qPrintable(name));
                return std::nullopt;
            }
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe(g), *k);
        }
    }
    return stand;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    Kreaturentabelle tabelle;
    Laden(tabelle);
    const auto tiere = Aufstellen(tabelle, {"Wolf", "Wildschwein", "Luchs", "Wachhund", "Rothirsch"},
                                  {"Braunbär", "Ratte", "Wolf", "Wildschwein", "Luchs"});
    const auto kaempfer = Aufstellen(tabelle, {"Stadtgardist", "Söldner", "Seeräuberin", "Elfische Grenzwächterin", "Zwergischer Bergwächter"},
                                     {"Wegelagerer", "Räuberhauptmann", "Kultist", "Kultpriester", "Skelettkrieger"});
    if (!tiere || !kaempfer)
        return 1;
    const QStringList argumente = app.arguments();
    if (argumente.size() == 3 && argumente[1] == QLatin1String("--profil")) {
        const auto e = Gewinnchancen::Berechnen(*tiere, argumente[2].toLongLong(), 1, nullptr, 1);
        std::printf("%lld Kämpfe, Helden siegen %lld mal\n", e->Kaempfe, e->Siege[int(BattleEngine::Sieger::Helden)]);
        return 0;
    }
    std::optional<Gewinnchancen::Ergebnis> ergebnis = Gewinnchancen::Berechnen(*tiere, 20000, 1);
    std::printf("Kerne: %u, Runden je Kampf im Mittel: Tiere %.1f", std::thread::hardware_concurrency(),
                ergebnis->RundenMittel());
    ergebnis = Gewinnchancen::Berechnen(*kaempfer, 2000, 1);
    std::printf(", Kämpfer %.1f\n", ergebnis->RundenMittel());
    bool ok = true;
    quint64 saat = 1000;
    const auto messen = [&](const BattleEngine::Kampfstand& stand, const char* name, int laeufe, qint64 kaempfe,
                            double budget, int threads = 0) {
        const double ms = BenchSupport::MedianMs(laeufe, [&] {
            ergebnis = Gewinnchancen::Berechnen(stand, kaempfe, saat++, nullptr, threads);
        });
        ok = BenchSupport::Melden(QString::fromUtf8(name), ms, QStringLiteral("ms"), budget) && ok;
        ok = ergebnis && ergebnis->Kaempfe == kaempfe && ok;
    };
    messen(*tiere, "Bestiar3 Gewinnchancen 1.000.000 Kämpfe 5 Tiere gegen 5", 5, 1000000, 1000);
    messen(*tiere, "Bestiar3 Gewinnchancen 10.000 Kämpfe 5 Tiere gegen 5", 15, 10000, 15);
    messen(*tiere, "Bestiar3 Gewinnchancen 1.000.000 Kämpfe 5 Tiere gegen 5 auf einem Kern", 3, 1000000, -1, 1);
    messen(*kaempfer, "Bestiar3 Gewinnchancen 10.000 Kämpfe 5 gegen 5", 9, 10000, 150);
    messen(*kaempfer, "Bestiar3 Gewinnchancen 100.000 Kämpfe 5 gegen 5", 5, 100000, 1000);
    return ok ? 0 : 1;
}
