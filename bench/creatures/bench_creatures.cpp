// A fight of 500 against 500 shipped creatures to its end with its report, loading and saving a database of
// 10,000 creatures made from the shipped ones, and the start of Bestiar3 with it.
#include "BattleEngine.h"
#include "BenchSupport.h"
#include "Kreaturentabelle.h"
#include "Zufall.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace Kreaturentabellen;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The shipped installation first: the one set up last is the one the engine works in.
    QTemporaryDir gelieferteInstallation;
    BenchSupport::InstallationAnlegen(gelieferteInstallation.path());
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    bool ok = true;

    // The fight: 500 heroes and 500 enemies drawn in turn from the shipped creatures.
    Kreaturentabelle geliefert;
    Laden(geliefert);
    QList<BattleEngine::Kaempfer> alle;
    for (const QStringList& zeile : geliefert.Zeilen)
        if (const auto k = BattleEngine::KaempferAus(zeile))
            alle.append(*k);
    if (alle.size() < 2) {
        std::fprintf(stderr, "Keine kampftauglichen Kreaturen gefunden.\n");
        return 1;
    }
    const QString bericht = ordner.path() + QStringLiteral("/HTML/kampf.html");
    qint64 groesse = 0;
    QString sieger;
    int lauf = 0;
    const double kampf = BenchSupport::MedianMs(5, [&] {
        BattleEngine::Kampfstand stand;
        for (int i = 0; i < 500; ++i) {
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Helden, alle[(2 * i) % alle.size()]);
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Gegner, alle[(2 * i + 1) % alle.size()]);
        }
        Zufall::SaatSetzen(quint64(1000 + lauf++));
        QString fehler;
        const auto s = BattleEngine::KampfSpeichern(stand, bericht, &fehler);
        if (!s) {
            std::fprintf(stderr, "%s\n", qPrintable(fehler));
            std::exit(1);
        }
        sieger = BattleEngine::SiegerText(*s);
        groesse = QFileInfo(bericht).size();
    });
    if (sieger.isEmpty() || groesse < 1024) {
        std::fprintf(stderr, "Der Kampf hat keinen Bericht geschrieben.\n");
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Kampf 500 gegen 500 bis zum Ende mit Bericht"), kampf,
                              QStringLiteral("ms"), 1000) && ok;

    // The database of 10,000 creatures: the shipped ones again and again, each under a name of its own.
    Kreaturentabelle tabelle;
    for (int i = 0; i < 10000; ++i) {
        QStringList kreatur = geliefert.Zeilen[i % geliefert.Anzahl()];
        kreatur[FeldName] += QStringLiteral(" %1").arg(i);
        ZeileAnhaengen(tabelle, kreatur);
    }
    if (!Speichern(tabelle)) {
        std::fprintf(stderr, "Die Testdatenbank konnte nicht geschrieben werden.\n");
        return 1;
    }
    // Timed is the load itself; freeing the table afterwards (half a million strings) is not part of it.
    int geladen = 0;
    QList<double> zeiten;
    for (int lauf = 0; lauf < 15; ++lauf) {
        Kreaturentabelle t;
        QElapsedTimer uhr;
        uhr.start();
        Laden(t);
        zeiten.append(double(uhr.nsecsElapsed()) / 1e6);
        geladen = t.Anzahl();
    }
    std::sort(zeiten.begin(), zeiten.end());
    const double laden = zeiten[zeiten.size() / 2];
    if (geladen != 10000) {
        std::fprintf(stderr, "Geladen wurden %d statt 10000 Kreaturen.\n", geladen);
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Datenbank laden (10000 Kreaturen)"), laden, QStringLiteral("ms"), 20)
        && ok;
    const double speichern = BenchSupport::MedianMs(15, [&] { Speichern(tabelle); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Datenbank speichern (10000 Kreaturen)"), speichern,
                              QStringLiteral("ms"), 20)
        && ok;

    // The program finds its installation beside itself.
    const QString gross = BenchSupport::ProgrammKopieren(ordner.path(), QStringLiteral("creatures"), QStringLiteral("Bestiar3"));
    const QString klein =
        BenchSupport::ProgrammKopieren(gelieferteInstallation.path(), QStringLiteral("creatures"), QStringLiteral("Bestiar3"));
    const QStringList liste{QStringLiteral("--liste")};
    const double listen = BenchSupport::Verhaeltnis(9, [&] { return BenchSupport::LaufzeitMs(gross, liste); },
                                                    [&] { return BenchSupport::LaufzeitMs(klein, liste); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 --liste, 10000 Kreaturen im Verhältnis zu den gelieferten"), listen,
                              QStringLiteral("x"), 2) && ok;
    const double start = BenchSupport::Verhaeltnis(9, [&] { return BenchSupport::StartzeitMs(gross, {}, 1); },
                                                   [&] { return BenchSupport::StartzeitMs(klein, {}, 1); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Start mit 10000 Kreaturen im Verhältnis zu den gelieferten"), start,
                              QStringLiteral("x"), 2) && ok;
    return ok ? 0 : 1;
}
