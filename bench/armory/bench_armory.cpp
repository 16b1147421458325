// Loading and saving a melee database of 10,000 records, and the start of Waffkam3 with it.
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
    const double laden = BenchSupport::MedianMs(7, [&] {
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
                              QStringLiteral("ms"), 100) && ok;
    const double speichern = BenchSupport::MedianMs(7, [&] { TabelleSpeichern(tabelle); });
    ok = BenchSupport::Melden(QStringLiteral("Waffkam3 Nahkampfdatenbank speichern (10000 Einträge)"), speichern,
                              QStringLiteral("ms"), 100) && ok;

    // The program finds its installation beside itself.
    const QString programm = ordner.path() + QStringLiteral("/Waffkam3");
    QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/armory/Waffkam3"), programm);
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const double start = BenchSupport::StartzeitMs(programm, {}, 5);
    ok = BenchSupport::Melden(QStringLiteral("Waffkam3 Start bis zum Fenster (10000 Nahkampfwaffen)"), start,
                              QStringLiteral("ms"), 800) && ok;
    return ok ? 0 : 1;
}
