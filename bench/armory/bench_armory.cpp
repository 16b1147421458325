// Loading and saving a melee database of 10,000 records, and listing it and starting Waffkam3 with it
// against the same with the shipped data.
#include "BenchSupport.h"
#include "Waffentabelle.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Waffentabellen;

namespace {

QStringList Waffe(int i)
{
    QStringList f(29);
    f[1] = QStringLiteral("Übungswaffe Nr. %1").arg(i);
    f[2] = QString::number(40 + i % 200);
    f[3] = QString::number(30 + i % 150);
    f[4] = QStringLiteral("Eine schlichte Waffe aus der Rüstkammer, geschmiedet für die Übung der Wachmannschaft.");
    f[5] = QString::number(1 + i % 3);
    f[6] = QString::number(i % 6);
    f[7] = QStringLiteral("KK-%1").arg(12 + i % 5);
    f[8] = QString::number(3 + i % 5);
    f[9] = QString::number(i % 4);
    f[10] = QString::number(1 + i % 6);
    f[11] = QString::number(5 + i % 300);
    f[12] = i % 7 == 0 ? QStringLiteral("Nur über Zunfthändler") : QString();
    for (int k = 16; k <= 24; ++k)
        f[k] = (i + k) % 11 == 0 ? QStringLiteral("1") : QStringLiteral("0");
    f[25] = QStringLiteral("Schwerter");
    f[26] = QStringLiteral("W6");
    f[27] = QStringLiteral("Dukaten");
    f[28] = QStringLiteral("GA|HA|WE|");
    return f;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The shipped installation first: the one set up last is the one the engine works in.
    QTemporaryDir geliefert;
    BenchSupport::InstallationAnlegen(geliefert.path());
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());

    Waffentabelle tabelle;
    tabelle.Art = Tabelle::NWaffen;
    for (int i = 0; i < 10000; ++i)
        ZeileAnhaengen(tabelle, Waffe(i));
    if (!TabelleSpeichern(tabelle)) {
        std::fprintf(stderr, "Die Testdatenbank konnte nicht geschrieben werden.\n");
        return 1;
    }

    bool ok = true;
    int geladen = 0;
    const double laden = BenchSupport::MedianMs(15, [&] {
        Waffentabelle t;
        t.Art = Tabelle::NWaffen;
        TabelleLaden(t);
        geladen = t.Anzahl();
    });
    if (geladen != 10000) {
        std::fprintf(stderr, "Geladen wurden %d statt 10000 Einträge.\n", geladen);
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Waffkam3 Nahkampfdatenbank laden (10000 Einträge)"), laden,
                              QStringLiteral("ms"), 20) && ok;
    const double speichern = BenchSupport::MedianMs(15, [&] { TabelleSpeichern(tabelle); });
    ok = BenchSupport::Melden(QStringLiteral("Waffkam3 Nahkampfdatenbank speichern (10000 Einträge)"), speichern,
                              QStringLiteral("ms"), 20) && ok;

    // The program finds its installation beside itself.
    const QString gross = BenchSupport::ProgrammKopieren(ordner.path(), QStringLiteral("armory"), QStringLiteral("Waffkam3"));
    const QString klein = BenchSupport::ProgrammKopieren(geliefert.path(), QStringLiteral("armory"), QStringLiteral("Waffkam3"));
    const QStringList liste{QStringLiteral("--liste"), QStringLiteral("nahkampf")};
    const double listen = BenchSupport::Verhaeltnis(9, [&] { return BenchSupport::LaufzeitMs(gross, liste); },
                                                    [&] { return BenchSupport::LaufzeitMs(klein, liste); });
    ok = BenchSupport::Melden(QStringLiteral("Waffkam3 --liste nahkampf, 10000 Einträge im Verhältnis zu den gelieferten"),
                              listen, QStringLiteral("x"), 2) && ok;
    const double start = BenchSupport::Verhaeltnis(9, [&] { return BenchSupport::StartzeitMs(gross, {}, 1); },
                                                   [&] { return BenchSupport::StartzeitMs(klein, {}, 1); });
    ok = BenchSupport::Melden(QStringLiteral("Waffkam3 Start mit 10000 Nahkampfwaffen im Verhältnis zu den gelieferten"),
                              start, QStringLiteral("x"), 2) && ok;
    return ok ? 0 : 1;
}
