// The record lists of Waffkam3, Bestiar3 and Lagerhof3 with 40,000 records, in their shown windows: a header
// click re-sorts and paints within 100 ms (the first click on a column builds its sort keys), a keystroke in the
// filter field filters and paints within 50 ms (typing a word on, then taking it back letter by letter).
#include "BenchSupport.h"
#include "Datensatzliste.h"
#include "GrosseDatenbanken.h"
#include "frmArmoryMain.h"
#include "frmCreaturesMain.h"
#include "frmWarehouseMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Liste {
    const char* name;
    const char* liste;
    std::function<qint64(int)> fuellen;
    std::function<QWidget*()> bauen;
    QList<int> spalten; // sorted in turn: a text column and a column of numbers or prices
};

double Ms(const QElapsedTimer& uhr)
{
    return double(uhr.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

double Rechenzeit()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs the action and paints the list again; the milliseconds of both. `rechnen` gets the processor time of
// all threads of the program meanwhile: on a machine busy with other work it tells what the clock cannot.
double Gemessen(Datensatzliste* liste, const std::function<void()>& aktion, std::vector<double>& rechnen)
{
    const double anfang = Rechenzeit();
    QElapsedTimer uhr;
    uhr.start();
    aktion();
    liste->Ansicht()->viewport()->repaint();
    rechnen.push_back(Rechenzeit() - anfang);
    return Ms(uhr);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const Liste fenster[] = {
        {"Waffkam3", "lvNWaffen", GrosseDatenbanken::Waffen, [] { return new frmArmoryMain; }, {0, 8}},
        {"Bestiar3", "lvKreaturen", GrosseDatenbanken::Kreaturen, [] { return new frmCreaturesMain; }, {0, 5}},
        {"Lagerhof3", "lvGegenstände", GrosseDatenbanken::Kleidung, [] { return new frmWarehouseMain; }, {0, 1}}};
    bool ok = true;
    for (const Liste& f : fenster) {
        const QString name = QLatin1String(f.name);
        QTemporaryDir ordner;
        BenchSupport::InstallationAnlegen(ordner.path());
        if (f.fuellen(40000) < 0) {
            std::fprintf(stderr, "Die Datenbank für %s konnte nicht geschrieben werden.\n", f.name);
            return 1;
        }
        std::unique_ptr<QWidget> w(f.bauen());
        w->show();
        QCoreApplication::processEvents();
        auto* liste = w->findChild<Datensatzliste*>(QString::fromUtf8(f.liste));
        if (!liste || liste->Anzahl() < 40000) {
            std::fprintf(stderr, "%s zeigt die 40000 Einträge nicht.\n", f.name);
            return 1;
        }

        std::vector<double> erste;
        std::vector<double> wieder;
        std::vector<double> ersteRechnen;
        std::vector<double> wiederRechnen;
        for (const int spalte : f.spalten) {
            erste.push_back(Gemessen(liste, [&] { liste->NachSpalteSortieren(spalte); }, ersteRechnen));
            for (int i = 0; i < 4; ++i)
                wieder.push_back(Gemessen(liste, [&] { liste->NachSpalteSortieren(spalte); }, wiederRechnen));
        }
        ok = BenchSupport::Melden(name + QStringLiteral(" Kopfklick auf 40000 Einträge, erster je Spalte (höchster)"),
                                  *std::max_element(erste.begin(), erste.end()), QStringLiteral("ms"), 100) && ok;
        ok = BenchSupport::Melden(name + QStringLiteral(" Kopfklick auf 40000 Einträge, wiederholt (Median)"), Median(wieder),
                                  QStringLiteral("ms"), 100) && ok;
        BenchSupport::Melden(name + QStringLiteral(" Kopfklick, Rechenzeit erster je Spalte (höchste)"),
                             *std::max_element(ersteRechnen.begin(), ersteRechnen.end()), QStringLiteral("ms"));

        // A word from the shipped names, typed letter by letter and taken back: the first letters match
        // nearly every line, the last ones few; taking a letter back tests every line again.
        const QString wort = liste->Text(0, 0).left(5).toLower();
        std::vector<double> tasten;
        std::vector<double> tastenRechnen;
        QLineEdit* feld = liste->Filterfeld();
        for (const QChar c : wort)
            tasten.push_back(Gemessen(liste, [&] { feld->insert(QString(c)); }, tastenRechnen));
        const int gefiltert = liste->AngezeigteAnzahl();
        while (!feld->text().isEmpty())
            tasten.push_back(Gemessen(liste, [&] { feld->backspace(); }, tastenRechnen));
        if (gefiltert <= 0 || gefiltert >= 40000 || liste->AngezeigteAnzahl() != liste->Anzahl()) {
            std::fprintf(stderr, "%s: der Filter „%s“ zeigte %d Zeilen.\n", f.name, qPrintable(wort), gefiltert);
            return 1;
        }
        ok = BenchSupport::Melden(name + QStringLiteral(" Filtertaste auf 40000 Einträge (höchste)"),
                                  *std::max_element(tasten.begin(), tasten.end()), QStringLiteral("ms"), 50) && ok;
        BenchSupport::Melden(name + QStringLiteral(" Filtertaste auf 40000 Einträge (Median)"), Median(tasten), QStringLiteral("ms"));
        BenchSupport::Melden(name + QStringLiteral(" Filtertaste, Rechenzeit (höchste)"),
                             *std::max_element(tastenRechnen.begin(), tastenRechnen.end()), QStringLiteral("ms"));
    }
    return ok ? 0 : 1;
}
