// Tageslauf3: one day page with the shipped events and with an events file of 100,000 lines (reading the
// file, all rolls, writing the page), and the start of the program until its window is shown.
#include "BenchSupport.h"
#include "DayEngine.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace DayEngine;

namespace {

// What a click on "Tag berechnen lassen !" does, without the window.
bool EineSeite()
{
    const Ereignisdatei ereignisse = EreignisseLaden();
    const Tageslauf lauf = Berechnen(QStringLiteral("Wald"), Jahreszeit::Herbst, ereignisse.Zeilen);
    return SeiteSpeichern(lauf, TempSeite()) && lauf.Ereignisse.size() == 3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid()) {
        std::fprintf(stderr, "bench_day: kein temporärer Ordner\n");
        return 1;
    }
    BenchSupport::InstallationAnlegen(ordner.path());
    bool ok = true;
    bool gelungen = true;

    const double mitgeliefert = BenchSupport::MedianMs(51, [&] { gelungen &= EineSeite(); });
    ok &= gelungen && BenchSupport::Melden(QStringLiteral("Tageslauf3 Seite mit den mitgelieferten Ereignissen"),
                                           mitgeliefert, QStringLiteral("ms"), 10);

    // A game master's own large collection: the shipped sentences over and over, 100,000 lines in all.
    const QStringList mitgelieferte = EreignisseLaden().Zeilen;
    if (mitgelieferte.isEmpty()) {
        std::fprintf(stderr, "bench_day: keine mitgelieferten Ereignisse\n");
        return 1;
    }
    QStringList zeilen;
    zeilen.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        zeilen.append(mitgelieferte[i % mitgelieferte.size()]);
    const QString datei = EreignisPfad();
    if (!Zeilendatei::Schreiben(datei, zeilen)) {
        std::fprintf(stderr, "bench_day: Ereignisdatei nicht geschrieben\n");
        return 1;
    }
    gelungen = true;
    const double gross = BenchSupport::MedianMs(21, [&] { gelungen &= EineSeite(); });
    ok &= gelungen && BenchSupport::Melden(QStringLiteral("Tageslauf3 Seite mit 100000 Ereignissen"), gross,
                                           QStringLiteral("ms"), 100);

    const QString programm = ordner.path() + QStringLiteral("/Tageslauf3");
    QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/day/Tageslauf3"), programm);
    QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const double start = BenchSupport::StartzeitMs(programm, {}, 7);
    ok &= BenchSupport::Melden(QStringLiteral("Tageslauf3 Start bis zum Fenster"), start, QStringLiteral("ms"), 300);
    return ok ? 0 : 1;
}
