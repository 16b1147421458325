// Waffkam3, Bestiar3 and Lagerhof3 with large databases: the first paint with 10,000 and 40,000 records against
// the same with the shipped data, and the peak memory with 40,000 records against the shipped data's peak plus
// three times the database file. Each start is a whole process; ratios are medians of starts in turn.
#include "BenchSupport.h"
#include "GrosseDatenbanken.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Programm {
    const char* name;
    const char* ordner;
    std::function<qint64(int)> fuellen;
};

long MedianKb(int laeufe, const QString& programm)
{
    std::vector<long> werte;
    for (int i = 0; i < laeufe; ++i) {
        const long kb = BenchSupport::SpitzenspeicherKb(programm);
        if (kb < 0)
            return -1;
        werte.push_back(kb);
    }
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Programm programme[] = {{"Waffkam3", "armory", GrosseDatenbanken::Waffen},
                                  {"Bestiar3", "creatures", GrosseDatenbanken::Kreaturen},
                                  {"Lagerhof3", "warehouse", GrosseDatenbanken::Kleidung}};
    bool ok = true;
    for (const Programm& p : programme) {
        const QString name = QLatin1String(p.name);
        QTemporaryDir geliefert;
        BenchSupport::InstallationAnlegen(geliefert.path());
        QTemporaryDir zehn;
        BenchSupport::InstallationAnlegen(zehn.path());
        const qint64 dateiZehn = p.fuellen(10000);
        QTemporaryDir vierzig;
        BenchSupport::InstallationAnlegen(vierzig.path());
        const qint64 dateiVierzig = p.fuellen(40000);
        if (dateiZehn < 0 || dateiVierzig < 0) {
            std::fprintf(stderr, "Die Datenbanken für %s konnten nicht geschrieben werden.\n", p.name);
            return 1;
        }
        const QString werkzeug = QLatin1String(p.ordner);
        const QString klein = BenchSupport::ProgrammKopieren(geliefert.path(), werkzeug, name);
        const QString mittel = BenchSupport::ProgrammKopieren(zehn.path(), werkzeug, name);
        const QString gross = BenchSupport::ProgrammKopieren(vierzig.path(), werkzeug, name);
        const auto start = [](const QString& programm) { return [programm] { return BenchSupport::StartzeitMs(programm, {}, 1); }; };

        const double zehnfach = BenchSupport::Verhaeltnis(9, start(mittel), start(klein));
        ok = BenchSupport::Melden(name + QStringLiteral(" erstes Bild mit 10000 Einträgen im Verhältnis zu den gelieferten"),
                                  zehnfach, QStringLiteral("x"), 1.25) && ok;
        const double vierzigfach = BenchSupport::Verhaeltnis(9, start(gross), start(klein));
        ok = BenchSupport::Melden(name + QStringLiteral(" erstes Bild mit 40000 Einträgen im Verhältnis zu den gelieferten"),
                                  vierzigfach, QStringLiteral("x"), 1.6) && ok;
        BenchSupport::Melden(name + QStringLiteral(" erstes Bild mit den gelieferten Daten"), start(klein)(), QStringLiteral("ms"));

        const long speicherKlein = MedianKb(3, klein);
        const long speicherGross = MedianKb(3, gross);
        const double budget = speicherKlein < 0 ? -1 : double(speicherKlein) / 1024 + 3.0 * double(dateiVierzig) / (1024 * 1024);
        BenchSupport::Melden(name + QStringLiteral(" Spitzenspeicher mit den gelieferten Daten"), double(speicherKlein) / 1024,
                             QStringLiteral("MB"));
        BenchSupport::Melden(name + QStringLiteral(" Datenbankdatei mit 40000 Einträgen"), double(dateiVierzig) / (1024 * 1024),
                             QStringLiteral("MB"));
        ok = BenchSupport::Melden(name + QStringLiteral(" Spitzenspeicher mit 40000 Einträgen"),
                                  speicherGross < 0 ? -1 : double(speicherGross) / 1024, QStringLiteral("MB"), budget) && ok;
    }
    return ok ? 0 : 1;
}
