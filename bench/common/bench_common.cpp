// Throughput of the shared library's hot helpers: settings lookups, random names, the HTML writer.
#include "BenchSupport.h"
#include "GenNameSub.h"
#include "HTMLExport.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());

    // A settings file of 2,000 keys in 20 sections; each read looks up a key near the end.
    QStringList zeilen;
    for (int s = 0; s < 20; ++s) {
        zeilen << QStringLiteral("[Abschnitt%1]").arg(s);
        for (int k = 0; k < 100; ++k)
            zeilen << QStringLiteral("Schluessel%1=Wert %2 mit etwas Text").arg(k).arg(s * 100 + k);
    }
    const QString ini = ordner.path() + QStringLiteral("/gross.ini");
    Zeilendatei::Schreiben(ini, zeilen);
    // Every key read once, as a start that reads a whole register does; the file is parsed once and kept.
    // The names are made beforehand: the figure is the reader's, not the number formatting's.
    QStringList abschnitte;
    QStringList schluessel;
    for (int i = 0; i < 100; ++i) {
        abschnitte << QStringLiteral("Abschnitt%1").arg(i);
        schluessel << QStringLiteral("Schluessel%1").arg(i);
    }
    bool imBudget = true;
    const double iniMs = BenchSupport::MedianMs(5, [&] {
        for (int s = 0; s < 20; ++s)
            for (int k = 0; k < 100; ++k)
                Subs::IniLesen(ini, abschnitte[s], schluessel[k]);
    });
    imBudget &= BenchSupport::Melden(QStringLiteral("IniLesen aller 2000 Schlüssel"), iniMs, QStringLiteral("ms"), 2);
    // After a change of the file the next read parses it anew.
    const double neuMs = BenchSupport::MedianMs(5, [&] {
        Zeilendatei::Schreiben(ini, zeilen);
        Subs::IniLesen(ini, QStringLiteral("Abschnitt19"), QStringLiteral("Schluessel99"));
    });
    BenchSupport::Melden(QStringLiteral("IniLesen nach einer Änderung der Datei"), neuMs, QStringLiteral("ms"));

    const QStringList voelker = {QStringLiteral("Gareth"), QStringLiteral("Thorwaler"), QStringLiteral("Elfen"), QStringLiteral("Zwerge")};
    const int namen = 400;
    const double namenMs = BenchSupport::MedianMs(5, [&] {
        for (int i = 0; i < namen; ++i) {
            QString geschlecht;
            GenNameSub::Zufallsname(voelker[i % voelker.size()], geschlecht);
        }
    });
    BenchSupport::Melden(QStringLiteral("Zufallsname (Dateien jedes Mal gelesen)"), namen / namenMs * 1000.0, QStringLiteral("Namen/s"));

    const int htmlZeilen = 100000;
    const double htmlMs = BenchSupport::MedianMs(5, [&] {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        for (int i = 0; i < htmlZeilen / 2; ++i) {
            HTMLExport::HtmlEintrag(QStringLiteral("Besitzer/in:"), QStringLiteral("Ulfried Kesselbach"), puffer);
            HTMLExport::HtmlZelle(QStringLiteral("Langschwert"), QStringLiteral("20%"), puffer);
        }
    });
    BenchSupport::Melden(QStringLiteral("HTML-Schreiber"), htmlZeilen / htmlMs * 1000.0, QStringLiteral("Zeilen/s"));
    return imBudget ? 0 : 1;
}
