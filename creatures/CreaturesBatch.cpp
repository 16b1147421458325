#include "CreaturesBatch.h"

#include "BattleEngine.h"
#include "Batch.h"
#include "Creatures3Variablen.h"
#include "CreaturesAustausch.h"
#include "CreaturesHTML.h"
#include "Dialoge.h"

namespace CreaturesBatch {

using Kreaturentabellen::Kreaturentabelle;

namespace {

Ergebnis Fehler(const QString& meldung, int status = 1)
{
    Dialoge::Warnung(meldung);
    return {status, {}};
}

Ergebnis Aufruffehler(const QString& meldung)
{
    return Fehler(meldung + QStringLiteral(" (Bestiar3 --help zeigt die Befehle.)"), 2);
}

// Loads the database; a missing or damaged file is reported once and used as far as it is whole.
Kreaturentabelle& Laden()
{
    Kreaturentabelle& tabelle = Creatures3Variablen::Kreaturen;
    const QString meldung = Kreaturentabellen::Lademeldung(Kreaturentabellen::Laden(tabelle));
    if (!meldung.isEmpty())
        Dialoge::Warnung(meldung);
    return tabelle;
}

QString Unbekannt(const QString& name)
{
    return QStringLiteral("In der Datenbank gibt es keine Kreatur „%1“.").arg(name);
}

Ergebnis Liste(Batch::Befehlszeile& b)
{
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    const Kreaturentabelle& tabelle = Laden();
    Ergebnis e;
    for (const QStringList& zeile : tabelle.Zeilen)
        e.Ausgabe.append(Kreaturentabellen::Listenzeile(zeile));
    return e;
}

// "NAME --ausgabe DATEI": writes the named creature with `schreiben` and reports the export.
Ergebnis EintragAusgeben(Batch::Befehlszeile& b, const QString& aufruf,
                         bool (*schreiben)(const QStringList&, const QString&, QString*))
{
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const auto name = b.Position();
    if (!name || !ausgabe || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? aufruf : b.Fehlerhaft());
    const Kreaturentabelle& tabelle = Laden();
    const int zeile = Kreaturentabellen::ZeileSuchen(tabelle, *name);
    if (zeile < 0)
        return Fehler(Unbekannt(*name));
    QString grund;
    if (!schreiben(tabelle.Zeilen[zeile], *ausgabe, &grund))
        return Fehler(grund);
    Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    return {};
}

Ergebnis Details(Batch::Befehlszeile& b)
{
    return EintragAusgeben(b, QStringLiteral("Aufruf: --details NAME --ausgabe DATEI.html"),
                           CreaturesHTML::DetailseiteSpeichern);
}

Ergebnis Exportieren(Batch::Befehlszeile& b)
{
    return EintragAusgeben(b, QStringLiteral("Aufruf: --exportieren NAME --ausgabe DATEI.wbd"),
                           CreaturesAustausch::Exportieren);
}

Ergebnis Importieren(Batch::Befehlszeile& b)
{
    const auto datei = b.Position();
    if (!datei || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --importieren DATEI.wbd") : b.Fehlerhaft());
    QString grund;
    // The file is checked before the database is touched, so a refused file changes nothing.
    const auto felder = CreaturesAustausch::Lesen(*datei, &grund);
    if (!felder)
        return Fehler(grund);
    Kreaturentabelle& tabelle = Laden();
    const int zeile = Kreaturentabellen::ZeileAnhaengen(tabelle, *felder);
    // No category is added: there is no edit box whose text would name one.
    if (!Kreaturentabellen::Speichern(tabelle, &grund))
        return Fehler(grund);
    return {0, {Kreaturentabellen::Listenzeile(tabelle.Zeilen[zeile])}};
}

Ergebnis Kampf(Batch::Befehlszeile& b)
{
    // Each option adds one member, in the order given.
    const QStringList namen[2] = {b.Werte(QStringLiteral("--held")), b.Werte(QStringLiteral("--gegner"))};
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const QString aufruf = QStringLiteral(
        "Aufruf: --kampf --held NAME [--held NAME ...] --gegner NAME [--gegner NAME ...] --ausgabe DATEI.html");
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    if (!ausgabe)
        return Aufruffehler(aufruf);
    if (namen[0].isEmpty())
        return Aufruffehler(QStringLiteral("Die Heldengruppe ist leer; nennt mindestens eine Kreatur mit --held."));
    if (namen[1].isEmpty())
        return Aufruffehler(QStringLiteral("Die Gegnergruppe ist leer; nennt mindestens eine Kreatur mit --gegner."));

    const Kreaturentabelle& tabelle = Laden();
    BattleEngine::Kampfstand stand;
    for (int g = 0; g < 2; ++g) {
        for (const QString& name : namen[g]) {
            const int zeile = Kreaturentabellen::ZeileSuchen(tabelle, name);
            if (zeile < 0)
                return Fehler(Unbekannt(name));
            QString meldung;
            const auto kaempfer = BattleEngine::KaempferAus(tabelle.Zeilen[zeile], &meldung);
            if (!kaempfer)
                return Fehler(meldung);
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe(g), *kaempfer);
        }
    }
    QString grund;
    const auto sieger = BattleEngine::KampfSpeichern(stand, *ausgabe, &grund);
    if (!sieger)
        return Fehler(grund);
    return {0, {BattleEngine::SiegerText(*sieger)}};
}

} // namespace

QString Hilfetext()
{
    return QStringLiteral(
        "Befehle (NAME wählt die erste Kreatur dieses Namens):\n"
        "  --liste                                jede Kreatur eine Zeile: die zwölf Spalten der Liste,\n"
        "                                         die Zeilennummer zuletzt, getrennt durch Tabulatoren\n"
        "  --details NAME --ausgabe DATEI.html    Detailseite einer Kreatur\n"
        "  --kampf --held NAME [--held NAME ...] --gegner NAME [--gegner NAME ...] --ausgabe DATEI.html\n"
        "                                         Kampf bis zum Ende, Bericht schreiben, Sieger ausgeben\n"
        "  --exportieren NAME --ausgabe DATEI.wbd Kreatur als WBD-Datei exportieren\n"
        "  --importieren DATEI.wbd                WBD-Datei als neue Kreatur übernehmen");
}

Ergebnis Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile b(argumente);
    if (b.Schalter(QStringLiteral("--liste")))
        return Liste(b);
    if (b.Schalter(QStringLiteral("--details")))
        return Details(b);
    if (b.Schalter(QStringLiteral("--kampf")))
        return Kampf(b);
    if (b.Schalter(QStringLiteral("--exportieren")))
        return Exportieren(b);
    if (b.Schalter(QStringLiteral("--importieren")))
        return Importieren(b);
    return Aufruffehler(argumente.isEmpty() ? QStringLiteral("Kein Befehl angegeben.")
                                            : QStringLiteral("Unbekannter Befehl: %1").arg(argumente.first()));
}

} // namespace CreaturesBatch
