// The take-over of 10,000 armory records against 10,000 known goods, "Alles" over 20 categories of 1,000
// goods loaded and saved, a generator run over 10,000 goods with regions, and the start of Lagerhof3 with
// those 20,000 goods.
#include "BenchSupport.h"
#include "ExplorerEngine.h"
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "Shopgenerator.h"
#include "Subs.h"
#include "Waffentabelle.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kRegionen[] = {QStringLiteral("BO|EL|FI|"), QStringLiteral("GA|HA|WE|ZW|"), QStringLiteral("SÜ|"),
                             QStringLiteral("NO|TH|BO|FI|EL|OR|WE|TO|HA|GA|ZW|PU|LF|ZY|KH|MH|MA|SÜ|MO|WA|"),
                             QStringLiteral("MO|WA|")};

QStringList Ware(const QString& name, int i)
{
    return {name + QString::number(1 + i % 5), QString::number(5 + i % 90), QString::number(1 + i % 300) + QStringLiteral("S"),
            QStringLiteral("Ein Gegenstand aus dem Lager, gut verpackt und mit Zunftzeichen versehen."), kRegionen[i % 5]};
}

bool Schreiben(const QString& pfad, const QStringList& zeilen)
{
    if (Zeilendatei::Schreiben(pfad, zeilen))
        return true;
    std::fprintf(stderr, "%s konnte nicht geschrieben werden.\n", qPrintable(pfad));
    return false;
}

// The median of `laeufe` timed runs; `vorher` runs untimed before each.
double Median(int laeufe, const std::function<void()>& vorher, const std::function<void()>& lauf)
{
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        vorher();
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // For the listing: the shipped installation, and one whose clothing holds 10,000 goods made from the
    // shipped ones. Set up before the working installation, which is the one set up last.
    QTemporaryDir geliefert;
    BenchSupport::InstallationAnlegen(geliefert.path());
    QTemporaryDir grossKleidung;
    BenchSupport::InstallationAnlegen(grossKleidung.path());
    {
        const QString kleidung = QStringLiteral("/Data/Warehouse/Kleidung.dat");
        const Katalog::Warenergebnis waren = Katalog::WarenLesen(geliefert.path() + kleidung);
        if (waren.Waren.isEmpty()) {
            std::fprintf(stderr, "Die gelieferte Kleidung fehlt.\n");
            return 1;
        }
        QList<QStringList> viele;
        for (int i = 0; i < 10000; ++i) {
            QStringList ware = waren.Waren[i % waren.Waren.size()];
            ware[0] += QStringLiteral(" %1").arg(i);
            viele.append(ware);
        }
        if (!Katalog::WarenSchreiben(grossKleidung.path() + kleidung, viele, nullptr))
            return 1;
    }
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    for (const char* name : {"WarehouseNahkampfwaffen.dat", "WarehouseFernwaffen.dat", "WarehouseRüstungen.dat"})
        QFile::remove(ordner.path() + QStringLiteral("/Data/Warehouse/") + QString::fromUtf8(name));
    bool ok = true;

    // Take-over: 10,000 melee records, half of them known among 10,000 goods.
    Waffentabellen::Waffentabelle armory;
    armory.Art = Waffentabellen::Tabelle::NWaffen;
    QStringList bekannt;
    for (int i = 0; i < 10000; ++i) {
        QStringList f(29);
        f[1] = (i % 2 ? QStringLiteral("Neue Klinge Nr. %1") : QStringLiteral("Lagerklinge Nr. %1")).arg(i);
        f[2] = QString::number(40 + i % 100);
        f[4] = QStringLiteral("Eine Klinge aus der Rüstkammer.");
        f[11] = QString::number(10 + i % 200);
        f[27] = QStringLiteral("Dukaten");
        f[28] = kRegionen[i % 5];
        Waffentabellen::ZeileAnhaengen(armory, f);
    }
    for (int i = 0; i < 10000; ++i)
        bekannt += Ware(QStringLiteral("Lagerklinge Nr. %1").arg(2 * i), i);
    if (!Waffentabellen::TabelleSpeichern(armory))
        return 1;
    const QString nahkampf = Katalog::Warendatei(QStringLiteral("Nahkampfwaffen"));
    int neu = 0;
    const double uebernahme = Median(
        7, [&] { Schreiben(nahkampf, bekannt); }, [&] { Katalog::WaffenUebernehmen(&neu); });
    if (neu != 5000) {
        std::fprintf(stderr, "Übernommen wurden %d statt 5000 Waffen.\n", neu);
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 Übernahme (10000 Waffen gegen 10000 Waren)"), uebernahme,
                              QStringLiteral("ms"), 100) && ok;

    // "Alles": 20 categories of 1,000 goods.
    QStringList liste{Zeilendatei::Druckzahl(20)};
    QStringList kategorien;
    for (int k = 0; k < 20; ++k) {
        const QString name = QStringLiteral("Lagerkategorie %1").arg(k);
        QStringList zeilen;
        for (int i = 0; i < 1000; ++i)
            zeilen += Ware(QStringLiteral("Ware %1-%2").arg(k).arg(i), i);
        if (!Schreiben(Katalog::Warendatei(name), zeilen))
            return 1;
        liste.append(name);
        kategorien.append(name);
    }
    if (!Schreiben(Katalog::KategorienDatei(), liste))
        return 1;
    Katalog::Gegenstandstabelle tabelle;
    const double laden = BenchSupport::MedianMs(7, [&] { Katalog::KategorieLaden(tabelle, Katalog::Alles(), kategorien); });
    if (tabelle.Anzahl() != 20000) {
        std::fprintf(stderr, "Geladen wurden %d statt 20000 Waren.\n", tabelle.Anzahl());
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 „Alles“ laden (20 × 1000 Waren)"), laden, QStringLiteral("ms"), 100)
        && ok;
    // A save follows each change of a good; only the files whose goods changed are written again.
    bool gespeichert = true;
    int lauf = 0;
    const double speichern = BenchSupport::MedianMs(7, [&] {
        tabelle.Zeilen[(lauf * 997) % tabelle.Anzahl()].Felder[2] = QString::number(lauf) + QStringLiteral("H");
        ++lauf;
        gespeichert = Katalog::KategorieSpeichern(tabelle, nullptr) && gespeichert;
    });
    if (!gespeichert)
        return 1;
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 „Alles“ speichern nach einer Änderung (20 × 1000 Waren)"),
                              speichern, QStringLiteral("ms"), 100) && ok;
    // For comparison: every one of the 20 files changed and written again.
    const double alleDateien = Median(
        3,
        [&] {
            for (int k = 0; k < 20; ++k)
                tabelle.Zeilen[k * 1000].Felder[1] = QString::number(lauf + k);
            ++lauf;
        },
        [&] { Katalog::KategorieSpeichern(tabelle, nullptr); });
    BenchSupport::Melden(QStringLiteral("Lagerhof3 „Alles“ speichern, alle 20 Dateien geändert"), alleDateien,
                         QStringLiteral("ms"));

    // Generator: one category of 10,000 goods, all with regions, drawn for a shop in a region.
    QStringList grosse;
    for (int i = 0; i < 10000; ++i)
        grosse += Ware(QStringLiteral("Handelsgut %1").arg(i), i);
    if (!Schreiben(Katalog::Warendatei(QStringLiteral("Grosshandel")), grosse)
        || !Schreiben(Shopgenerator::ConfigDatei(),
                      {QStringLiteral("[Grosshändler]"), QStringLiteral("WareCount=1"), QStringLiteral("Ware1=Grosshandel")}))
        return 1;
    // One goods file of 10,000 goods read and written as a whole.
    const QString grossdatei = Katalog::Warendatei(QStringLiteral("Grosshandel"));
    qsizetype gelesen = 0;
    const double warenLaden = BenchSupport::MedianMs(15, [&] { gelesen = Katalog::WarenLesen(grossdatei).Waren.size(); });
    if (gelesen != 10000) {
        std::fprintf(stderr, "Gelesen wurden %lld statt 10000 Waren.\n", static_cast<long long>(gelesen));
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 Warendatei laden (10000 Waren)"), warenLaden, QStringLiteral("ms"), 20)
        && ok;
    const QList<QStringList> grosseWaren = Katalog::WarenLesen(grossdatei).Waren;
    const double warenSpeichern =
        BenchSupport::MedianMs(15, [&] { Katalog::WarenSchreiben(grossdatei, grosseWaren, nullptr); });
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 Warendatei speichern (10000 Waren)"), warenSpeichern,
                              QStringLiteral("ms"), 20) && ok;

    ExplorerEngine::RegionenInitialisieren();
    Zufall::SaatSetzen(42);
    Shopgenerator::Auftrag auftrag;
    auftrag.Shopart = QStringLiteral("Grosshändler");
    auftrag.Qualitaet = 3;
    auftrag.MitRegion = true;
    auftrag.Region = QStringLiteral("WE");
    int gezogen = 0;
    const double generator = BenchSupport::MedianMs(7, [&] {
        Shop::Shopwaren shop;
        gezogen = Shopgenerator::Generieren(auftrag, shop);
    });
    if (gezogen <= 0) {
        std::fprintf(stderr, "Der Generator hat keine Ware gezogen.\n");
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 Shopgenerator (10000 Waren mit Regionen)"), generator,
                              QStringLiteral("ms"), 100) && ok;

    // The program finds its installation beside itself; its window shows "Alles" at start.
    const QString programm = ordner.path() + QStringLiteral("/Lagerhof3");
    QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/warehouse/Lagerhof3"), programm);
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const double start = BenchSupport::StartzeitMs(programm, {}, 3);
    BenchSupport::Melden(QStringLiteral("Lagerhof3 Start bis zum Fenster (20000 Waren unter „Alles“)"), start,
                         QStringLiteral("ms"));

    const QString gross =
        BenchSupport::ProgrammKopieren(grossKleidung.path(), QStringLiteral("warehouse"), QStringLiteral("Lagerhof3"));
    const QString klein = BenchSupport::ProgrammKopieren(geliefert.path(), QStringLiteral("warehouse"), QStringLiteral("Lagerhof3"));
    const QStringList listenAufruf{QStringLiteral("--liste"), QStringLiteral("Kleidung")};
    const double listen = BenchSupport::Verhaeltnis(9, [&] { return BenchSupport::LaufzeitMs(gross, listenAufruf); },
                                                    [&] { return BenchSupport::LaufzeitMs(klein, listenAufruf); });
    ok = BenchSupport::Melden(QStringLiteral("Lagerhof3 --liste Kleidung, 10000 Waren im Verhältnis zu den gelieferten"),
                              listen, QStringLiteral("x"), 2) && ok;
    return ok ? 0 : 1;
}
