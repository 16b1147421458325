#include "Stapelbefehle.h"

#include "Anwendungsmenue.h"
#include "Batch.h"
#include "FileSearchEngine.h"
#include "ManagerEngine.h"
#include "Variablen.h"
#include "VarlSuite.h"

#include <QDir>
#include <QFileInfo>

namespace Stapelbefehle {

QString Hilfe()
{
    return QStringLiteral(
        "Befehle:\n"
        "  --suite-suchen [WURZEL ...]\n"
        "              sucht die Varl-Suite in den genannten Ordnern (ohne Angabe auf allen\n"
        "              Laufwerken), trägt sie in Werkbund3.ini ein und gibt ihren Ordner aus.\n"
        "              Ordner mit Punkt am Namensanfang, symbolische Verknüpfungen und andere\n"
        "              eingehängte Dateisysteme werden dabei nicht betreten.\n"
        "  --werkzeuge richtet neu gefundene Programme ein, wie es ein Start tut (Meldungen auf der\n"
        "              Fehlerausgabe, keine Fragen), und gibt die Programme aus, die einen Knopf\n"
        "              bekommen, eines je Zeile in der Reihenfolge der Knöpfe.\n"
        "  --menue     trägt jedes Programm dieser Installation mit eigenem Symbol ins Anwendungsmenü\n"
        "              des Desktops ein (Einträge unter $XDG_DATA_HOME/applications, sonst\n"
        "              ~/.local/share/applications) und gibt die Einträge aus. Ein neuer Aufruf ersetzt\n"
        "              die eigenen Einträge; fremde bleiben unberührt.\n"
        "  --menue-entfernen\n"
        "              nimmt genau diese Einträge und Symbole wieder aus dem Anwendungsmenü und gibt die\n"
        "              entfernten Einträge aus.");
}

namespace {

int Werkzeuge(Batch::Befehlszeile& befehl)
{
    if (!befehl.Fehlerhaft().isEmpty())
        return Batch::Abbruch(befehl.Fehlerhaft());
    Variablen::Programmtitel = ManagerEngine::Titel();
    if (!ManagerEngine::KonfigurationPruefen())
        return 2;
    int anzahl = ManagerEngine::WerkzeugAnzahl();
    bool gespeichert = true;
    for (const ManagerEngine::Werkzeug& werkzeug : ManagerEngine::WerkzeugeEinrichten(anzahl, &gespeichert))
        Batch::Ausgabe(werkzeug.datei);
    return gespeichert ? 0 : 1;
}

int Menue(Batch::Befehlszeile& befehl, bool eintragen)
{
    if (!befehl.Fehlerhaft().isEmpty())
        return Batch::Abbruch(befehl.Fehlerhaft());
    const QString daten = Anwendungsmenue::StandardOrdner();
    const Anwendungsmenue::Ergebnis ergebnis = eintragen ? Anwendungsmenue::Eintragen(daten) : Anwendungsmenue::Entfernen(daten);
    for (const QString& eintrag : ergebnis.eintraege)
        Batch::Ausgabe(eintrag);
    if (ergebnis.fehler.isEmpty())
        return 0;
    return Batch::Abbruch(ergebnis.fehler.join(QLatin1Char('\n')), 1);
}

} // namespace

int Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile befehl(argumente);
    if (befehl.Schalter(QStringLiteral("--werkzeuge")))
        return Werkzeuge(befehl);
    if (befehl.Schalter(QStringLiteral("--menue")))
        return Menue(befehl, true);
    if (befehl.Schalter(QStringLiteral("--menue-entfernen")))
        return Menue(befehl, false);
    if (!befehl.Schalter(QStringLiteral("--suite-suchen")))
        return Batch::Abbruch(argumente.isEmpty() ? QStringLiteral("Kein Befehl angegeben (siehe --help).")
                                                  : QStringLiteral("Unbekannter Befehl: %1 (siehe --help).").arg(argumente.first()));
    QStringList wurzeln;
    while (const auto wurzel = befehl.Position())
        wurzeln.append(*wurzel);
    if (!befehl.Fehlerhaft().isEmpty())
        return Batch::Abbruch(befehl.Fehlerhaft());

    Variablen::Programmtitel = ManagerEngine::Titel();
    // The message goes to standard error through the batch dialog seam.
    if (!ManagerEngine::KonfigurationPruefen())
        return 2;
    for (QString& wurzel : wurzeln) {
        if (!QFileInfo(wurzel).isDir())
            return Batch::Abbruch(QStringLiteral("Der Ordner %1 wurde nicht gefunden.").arg(wurzel));
        wurzel = QDir(wurzel).absolutePath();
    }

    FileSearchEngine suche;
    suche.WurzelnSetzen(wurzeln);
    switch (VarlSuite::SuchenUndEinrichten(suche)) {
    case VarlSuite::Ergebnis::Eingerichtet:
        Batch::Ausgabe(suche.Fundordner());
        return 0;
    case VarlSuite::Ergebnis::NichtGespeichert:
        return Batch::Abbruch(QStringLiteral("Die Varl-Suite wurde in %1 gefunden, aber nicht eingetragen.")
                                  .arg(suche.Fundordner()), 3);
    case VarlSuite::Ergebnis::NichtGefunden:
        break;
    }
    return Batch::Abbruch(QStringLiteral("Die Varl-Suite wurde nicht gefunden."), 1);
}

} // namespace Stapelbefehle
