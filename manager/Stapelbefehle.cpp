#include "Stapelbefehle.h"

#include "Anwendungsmenue.h"
#include "Batch.h"
#include "Dateien.h"
#include "Linkliste.h"
#include "Subs.h"
#include "Termine.h"
#include "FileSearchEngine.h"
#include "ManagerEngine.h"
#include "Variablen.h"
#include "VarlSuite.h"

#include <QDate>
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
        "              entfernten Einträge aus.\n"
        "  --link-neu NAME ADRESSE BESCHREIBUNG\n"
        "              trägt eine Homepage in die Linkliste ein.\n"
        "  --notiz JJJJ-MM-TT TEXT\n"
        "              speichert die Notiz eines Tages (ersetzt eine vorhandene).");
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

int LinkNeu(Batch::Befehlszeile& befehl)
{
    Link link;
    const auto name = befehl.Position();
    const auto url = befehl.Position();
    const auto beschreibung = befehl.Position();
    if (!name || !url || !beschreibung || !befehl.Fehlerhaft().isEmpty())
        return Batch::Abbruch(befehl.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --link-neu NAME ADRESSE BESCHREIBUNG")
                                                           : befehl.Fehlerhaft());
    for (const QString* teil : {&*name, &*url, &*beschreibung}) {
        QString meldung;
        if (teil->trimmed().isEmpty() || !Subs::NameEinzeilig(*teil, &meldung))
            return Batch::Abbruch(meldung.isEmpty() ? QStringLiteral("Name, Adresse und Beschreibung dürfen nicht leer sein.")
                                                    : meldung);
    }
    // Read and written under the list's lock: links added by other programs at the same time stay.
    Dateien::Sperre sperre(Linkliste::Dateipfad());
    if (!sperre.Gehalten())
        return Batch::Abbruch(sperre.Grund(), 1);
    Linkliste liste;
    liste.Laden();
    if (!liste.Hinzufuegen({*name, *url, *beschreibung}))
        return 1;
    Batch::Ausgabe(*name);
    return 0;
}

int Notiz(Batch::Befehlszeile& befehl)
{
    const auto datum = befehl.Position();
    const auto text = befehl.Position();
    if (!datum || !text || !befehl.Fehlerhaft().isEmpty())
        return Batch::Abbruch(befehl.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --notiz JJJJ-MM-TT TEXT")
                                                           : befehl.Fehlerhaft());
    const QDate tag = QDate::fromString(*datum, Qt::ISODate);
    if (!tag.isValid())
        return Batch::Abbruch(QStringLiteral("„%1“ ist kein Datum der Form JJJJ-MM-TT.").arg(*datum));
    if (text->isEmpty() || text->size() > Termine::kMaxLaenge || !Subs::NameEinzeilig(*text))
        return Batch::Abbruch(QStringLiteral("Eine Notiz ist eine Zeile von 1 bis %1 Zeichen.").arg(Termine::kMaxLaenge));
    Variablen::Programmtitel = ManagerEngine::Titel();
    if (!ManagerEngine::KonfigurationPruefen())
        return 2;
    // What the file holds now is what is replaced: batch mode never asks.
    Dateien::Sperre sperre(Variablen::IniDatei);
    if (!sperre.Gehalten())
        return Batch::Abbruch(sperre.Grund(), 1);
    return Termine::Speichern(tag, *text, Termine::Notiz(tag)) == Termine::Ergebnis::Gespeichert ? 0 : 1;
}

} // namespace

int Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile befehl(argumente);
    if (befehl.Schalter(QStringLiteral("--link-neu")))
        return LinkNeu(befehl);
    if (befehl.Schalter(QStringLiteral("--notiz")))
        return Notiz(befehl);
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
