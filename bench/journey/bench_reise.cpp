// The journey planner: a journey of 60 days over three legs through the forest with three heroes, an
// encounter on about a fifth of the days, each fought 10,000 times for its odds, the route drawn on the map
// and the page written. The seed is one whose encounters are all different groups, so no odds are shared.
#include "BenchSupport.h"
#include "Kreaturentabelle.h"
#include "Reise.h"
#include "Reisekarte.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Three legs of 480 Meilen, 20 days each on forest paths on foot (24 Meilen a day).
void StaedteSchreiben(const QString& ordner)
{
    Zeilendatei::Schreiben(ordner + QStringLiteral("/Data/Explorer/Städteliste.dat"), {"Arn", "Bel", "Cor", "Dur"});
    Zeilendatei::Schreiben(ordner + QStringLiteral("/Data/Explorer/Städte.dat"),
                           {"[Arn]", "X=1500", "Y=1500", "[Bel]", "X=4740", "Y=1500", "[Cor]", "X=4740", "Y=4740",
                            "[Dur]", "X=7980", "Y=4740"});
}

Reise::Plan Plan()
{
    Reise::Plan plan;
    plan.Staedte = {"Arn", "Bel", "Cor", "Dur"};
    plan.Etappen = {{QStringLiteral("Wald"), QString(), false, 0}};
    plan.Saison = DayEngine::Jahreszeit::Herbst;
    plan.Reisende = 3;
    Kreaturentabellen::Kreaturentabelle db;
    Kreaturentabellen::Laden(db);
    for (const char* name : {"Söldner", "Zwergischer Bergwächter", "Elfische Grenzwächterin"})
        if (const auto k = BattleEngine::KaempferAus(db.Zeilen.value(Kreaturentabellen::ZeileSuchen(db, QString::fromUtf8(name)))))
            plan.Helden.append(*k);
    return plan;
}

// Encounters of the journey of this seed, and how many different groups they are (without odds: quick).
QPair<int, int> Zaehlen(Reise::Plan plan, quint64 saat)
{
    plan.Helden.clear();
    Zufall::SaatSetzen(saat);
    const std::optional<Reise::Ergebnis> e = Reise::Planen(plan, saat, nullptr);
    QSet<QString> gruppen;
    int n = 0;
    for (const Reise::Tag& t : e ? e->Tage : QList<Reise::Tag>())
        if (t.Begegnung) {
            ++n;
            gruppen.insert(Reise::BegegnungText(*t.Begegnung));
        }
    return {n, int(gruppen.size())};
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid())
        return 1;
    BenchSupport::InstallationAnlegen(ordner.path());
    StaedteSchreiben(ordner.path());
    const Reise::Plan plan = Plan();
    if (plan.Helden.size() != 3) {
        std::fprintf(stderr, "bench_reise: Helden fehlen in der Kreaturendatenbank\n");
        return 1;
    }
    // About a fifth of 60 days, every one a group of its own.
    quint64 saat = 1;
    QPair<int, int> b = Zaehlen(plan, saat);
    while (saat < 10000 && !(b.first >= 11 && b.first <= 13 && b.second == b.first))
        b = Zaehlen(plan, ++saat);
    std::printf("bench_reise: Seed %llu, %d Begegnungen, alle verschieden\n", static_cast<unsigned long long>(saat), b.first);

    bool gelungen = true;
    const QString seite = ordner.path() + QStringLiteral("/HTML/Reise.html");
    const double ms = BenchSupport::MedianMs(5, [&] {
        Zufall::SaatSetzen(saat);
        const std::optional<Reise::Ergebnis> e = Reise::Planen(plan, saat, nullptr);
        gelungen &= e && e->Tage.size() == 60;
        if (e)
            gelungen &= Reise::SeiteSpeichern(*e, Reisekarte::Png(*e), seite);
    });
    const bool ok = gelungen
        && BenchSupport::Melden(QStringLiteral("Tageslauf3 Reise von 60 Tagen mit %1 Begegnungen zu je 10000 Kämpfen und Seite")
                                    .arg(b.first),
                                ms, QStringLiteral("ms"), 1000);
    // Where the time goes: the odds engine's fights are nearly all of it.
    Reise::Plan ohne = plan;
    ohne.Helden.clear();
    std::optional<Reise::Ergebnis> e;
    const double ohneChancen = BenchSupport::MedianMs(5, [&] {
        Zufall::SaatSetzen(saat);
        e = Reise::Planen(ohne, saat, nullptr);
    });
    QByteArray karte;
    const double zeichnen = BenchSupport::MedianMs(5, [&] { karte = Reisekarte::Png(*e); });
    BenchSupport::Melden(QStringLiteral("davon die Reise ohne Gewinnchancen"), ohneChancen, QStringLiteral("ms"));
    BenchSupport::Melden(QStringLiteral("davon die Karte"), zeichnen, QStringLiteral("ms"));
    Zufall::ProduktionSetzen();
    return ok ? 0 : 1;
}
