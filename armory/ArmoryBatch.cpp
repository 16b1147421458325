#include "ArmoryBatch.h"

#include "Armory3Variablen.h"
#include "ArmoryAustausch.h"
#include "ArmoryHTML.h"
#include "Batch.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "ForgeEngine.h"
#include "GeneratorEngine.h"
#include "Subs.h"

#include <QDir>

#include <limits>

namespace ArmoryBatch {

using Waffentabellen::Tabelle;
using Waffentabellen::Waffentabelle;

namespace {

Ergebnis Fehler(const QString& meldung, int status = 1)
{
    Dialoge::Warnung(meldung);
    return {status, {}};
}

Ergebnis Aufruffehler(const QString& meldung)
{
    return Fehler(meldung + QStringLiteral(" (Waffkam3 --help zeigt die Befehle.)"), 2);
}

std::optional<Tabelle> TabelleAus(const std::optional<QString>& name)
{
    return name ? Waffentabellen::AusBatchName(*name) : std::nullopt;
}

// Loads one table; a damaged file is reported and used as far as it is whole. A missing file is an error
// unless the command may create it.
bool Laden(Waffentabelle& tabelle, bool anlegenErlaubt, QString* fehler)
{
    const Waffentabellen::Ladeergebnis ergebnis = Waffentabellen::TabelleLaden(tabelle);
    if (!ergebnis.Vorhanden && !anlegenErlaubt) {
        *fehler = QStringLiteral("Die Datenbank „%1“ wurde nicht gefunden.").arg(QDir::toNativeSeparators(ergebnis.Pfad));
        return false;
    }
    const QString meldung = Waffentabellen::Lademeldung(ergebnis);
    if (!meldung.isEmpty())
        Dialoge::Warnung(meldung);
    return true;
}

// The record of that name in a freshly loaded table, or an error result.
std::optional<int> Suchen(Waffentabelle& tabelle, const QString& name, const QString& tabellenname, Ergebnis* fehler)
{
    QString grund;
    if (!Laden(tabelle, false, &grund)) {
        *fehler = Fehler(grund);
        return std::nullopt;
    }
    const int zeile = Waffentabellen::ZeileSuchen(tabelle, name);
    if (zeile < 0) {
        *fehler = Fehler(QStringLiteral("In der Tabelle %1 gibt es keinen Eintrag „%2“.").arg(tabellenname, name));
        return std::nullopt;
    }
    return zeile;
}

Ergebnis Liste(Batch::Befehlszeile& b)
{
    const auto name = b.Position();
    const auto t = TabelleAus(name);
    if (!t || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? QStringLiteral("--liste erwartet nahkampf, fernkampf oder ruestung.")
                                                    : b.Fehlerhaft());
    // Listed record by record: the table is not kept, and only the listed fields are read.
    Ergebnis e;
    const Waffentabellen::Ladeergebnis ergebnis = Waffentabellen::Durchlaufen(
        *t, Waffentabellen::Listenfelder(*t),
        [&](const QStringList& zeile) { e.Ausgabe.append(Waffentabellen::Listenzeile(*t, zeile)); });
    if (!ergebnis.Vorhanden)
        return Fehler(QStringLiteral("Die Datenbank „%1“ wurde nicht gefunden.").arg(QDir::toNativeSeparators(ergebnis.Pfad)));
    const QString meldung = Waffentabellen::Lademeldung(ergebnis);
    if (!meldung.isEmpty())
        Dialoge::Warnung(meldung);
    return e;
}

// "TABELLE NAME --ausgabe DATEI": writes the named record with `schreiben` and reports the export.
Ergebnis EintragAusgeben(Batch::Befehlszeile& b, const QString& aufruf,
                         bool (*schreiben)(Tabelle, const QStringList&, const QString&, QString*))
{
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const auto tabellenname = b.Position();
    const auto name = b.Position();
    const auto t = TabelleAus(tabellenname);
    if (!t || !name || !ausgabe || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? aufruf : b.Fehlerhaft());
    Waffentabelle& tabelle = Armory3Variablen::Tabelle(*t);
    Ergebnis fehler;
    const auto zeile = Suchen(tabelle, *name, *tabellenname, &fehler);
    if (!zeile)
        return fehler;
    QString grund;
    if (!schreiben(*t, tabelle.Zeilen[*zeile], *ausgabe, &grund))
        return Fehler(grund);
    Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    return {};
}

Ergebnis Details(Batch::Befehlszeile& b)
{
    return EintragAusgeben(b, QStringLiteral("Aufruf: --details TABELLE NAME --ausgabe DATEI.html"),
                           ArmoryHTML::DetailSeiteSpeichern);
}

Ergebnis ListeHtml(Batch::Befehlszeile& b)
{
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const auto tabellenname = b.Position();
    const auto t = TabelleAus(tabellenname);
    if (!t || !ausgabe || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --liste-html TABELLE --ausgabe DATEI.html")
                                                    : b.Fehlerhaft());
    Waffentabelle& tabelle = Armory3Variablen::Tabelle(*t);
    QString grund;
    if (!Laden(tabelle, false, &grund))
        return Fehler(grund);
    QList<QStringList> spalten;
    for (const QStringList& zeile : tabelle.Zeilen)
        spalten.append(Waffentabellen::Listenspalten(*t, zeile));
    if (!ArmoryHTML::ListenSeiteSpeichern(*t, spalten, *ausgabe, &grund))
        return Fehler(grund);
    return {};
}

Ergebnis Schmieden(Batch::Befehlszeile& b)
{
    const auto neuerName = b.Name(QStringLiteral("--name"));
    const auto stahl = b.Wert(QStringLiteral("--stahl"));
    const auto bf = b.Wert(QStringLiteral("--bf"));
    const auto tp = b.Wert(QStringLiteral("--tp"));
    const bool persoenlich = b.Schalter(QStringLiteral("--persoenlich"));
    const bool zyklop = b.Schalter(QStringLiteral("--zyklopen"));
    const auto schmied = b.Wert(QStringLiteral("--schmied"));
    const auto waehrung = b.Wert(QStringLiteral("--waehrung"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    // Positional arguments last, so an option's value is never taken for the name.
    const auto name = b.Position();
    if (!name || !ausgabe || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --schmieden NAME ... --ausgabe DATEI.html")
                                                    : b.Fehlerhaft());

    ForgeEngine::Schmiede s;
    s.Persoenlich = persoenlich;
    s.Zyklop = zyklop;
    if (stahl) {
        s.Stahl = ForgeEngine::StahlIndex(*stahl);
        if (s.Stahl < 0) {
            QStringList namen;
            for (const ForgeEngine::Stahl& sorte : ForgeEngine::Stahlsorten())
                namen.append(sorte.Name);
            return Aufruffehler(QStringLiteral("Unbekannter Stahl „%1“; bekannt sind: %2.").arg(*stahl, namen.join(QStringLiteral(", "))));
        }
    }
    if (bf) {
        s.BFStufe = int(ForgeEngine::BFAuswahl().indexOf(*bf));
        if (s.BFStufe < 1)
            return Aufruffehler(QStringLiteral("--bf erwartet -1 oder -2."));
    }
    if (tp) {
        s.TPStufe = int(ForgeEngine::TPAuswahl().indexOf(*tp));
        if (s.TPStufe < 1)
            return Aufruffehler(QStringLiteral("--tp erwartet 1, 2 oder 3."));
    }
    if (waehrung && !Waffentabellen::Waehrungen().contains(*waehrung))
        return Aufruffehler(QStringLiteral("Unbekannte Währung „%1“; bekannt sind: %2.")
                                .arg(*waehrung, Waffentabellen::Waehrungen().join(QStringLiteral(", "))));
    if (schmied) {
        const Subs::Ganzzahleingabe wert = Subs::GanzzahlLesen(*schmied, 1, std::numeric_limits<qint64>::max(),
                                                                QStringLiteral("den Talentwert des Schmiedes (--schmied)"));
        if (!wert.Ok)
            return Aufruffehler(wert.Meldung);
        s.Schmied = *schmied;
    }
    if (!zyklop && ForgeEngine::Talentwert(s) < 1)
        return Aufruffehler(QStringLiteral("Der Talentwert des Schmiedes (--schmied, mindestens 1) oder --zyklopen fehlt."));
    const ForgeEngine::Freigabe freigabe = ForgeEngine::FreigabeBerechnen(s);
    if (!zyklop && ((s.BFStufe > 0 || s.TPStufe > 0) && !freigabe.Verbesserungen))
        return Aufruffehler(QStringLiteral("--bf und --tp setzen einen Talentwert von mindestens 10 oder Zyklopenarbeit voraus."));
    if (persoenlich && !freigabe.Persoenlich)
        return Aufruffehler(QStringLiteral("--persoenlich setzt einen Talentwert von mindestens 10 oder Zyklopenarbeit voraus."));

    Waffentabelle& tabelle = Armory3Variablen::NWaffen;
    Ergebnis fehler;
    const auto zeile = Suchen(tabelle, *name, QStringLiteral("nahkampf"), &fehler);
    if (!zeile)
        return fehler;
    if (!ForgeEngine::Normalpreis(tabelle.Zeilen[*zeile]))
        return Fehler(ForgeEngine::PreisUnlesbarMeldung(tabelle.Zeilen[*zeile]));
    const ForgeEngine::Schmiede basis = ForgeEngine::SchmiedeOeffnen(tabelle.Zeilen[*zeile]);
    s.Waffe = basis.Waffe;
    s.Name = neuerName ? *neuerName : basis.Name;
    s.Waehrung = waehrung ? *waehrung : basis.Waehrung;
    if (ForgeEngine::Grundpreis(s) == 0)
        Dialoge::Hinweis(QStringLiteral("Die Waffe hat noch keinen Preis; die geschmiedete Waffe kostet deshalb 0."));

    QString grund;
    const auto tage = ForgeEngine::Herstellungszeit(s, &grund);
    if (!tage)
        return Fehler(grund);
    if (!ForgeEngine::BerichtSpeichern(s, *tage, QString::number(ForgeEngine::PreisBerechnen(s)), *ausgabe, &grund))
        return Fehler(grund);
    Ergebnis e;
    e.Ausgabe = ForgeEngine::StatusText(s).split(QStringLiteral("\r\n"));
    return e;
}

Ergebnis Generieren(Batch::Befehlszeile& b)
{
    const auto name = b.Name(QStringLiteral("--name"));
    const auto kategorie = b.Wert(QStringLiteral("--kategorie"));
    if (!name || !kategorie || name->isEmpty() || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --generieren --name NAME --kategorie KATEGORIE")
                                                    : b.Fehlerhaft());
    if (!GeneratorEngine::Kategorien().contains(*kategorie))
        return Aufruffehler(QStringLiteral("Unbekannte Waffenkategorie „%1“; bekannt sind: %2.")
                                .arg(*kategorie, GeneratorEngine::Kategorien().join(QStringLiteral(", "))));
    Waffentabelle& tabelle = Armory3Variablen::NWaffen;
    // Held from reading to writing: weapons made by other programs at the same time stay in the file.
    Dateien::Sperre sperre(Waffentabellen::Dateipfad(tabelle.Art));
    if (!sperre.Gehalten())
        return Fehler(sperre.Grund());
    QString grund;
    Laden(tabelle, true, &grund);
    const int zeile = Waffentabellen::ZeileAnhaengen(tabelle, GeneratorEngine::WaffeGenerieren(*name, *kategorie));
    if (!Waffentabellen::TabelleSpeichern(tabelle, &grund))
        return Fehler(grund);
    return {0, {Waffentabellen::Listenzeile(Tabelle::NWaffen, tabelle.Zeilen[zeile])}};
}

Ergebnis Exportieren(Batch::Befehlszeile& b)
{
    return EintragAusgeben(b, QStringLiteral("Aufruf: --exportieren TABELLE NAME --ausgabe DATEI.wbd"),
                           ArmoryAustausch::Exportieren);
}

Ergebnis Importieren(Batch::Befehlszeile& b)
{
    const auto datei = b.Position();
    if (!datei || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft().isEmpty() ? QStringLiteral("Aufruf: --importieren DATEI.wbd") : b.Fehlerhaft());
    QString grund;
    const auto eintrag = ArmoryAustausch::Lesen(*datei, &grund);
    if (!eintrag)
        return Fehler(grund);
    Waffentabelle& tabelle = Armory3Variablen::Tabelle(eintrag->Art);
    Dateien::Sperre sperre(Waffentabellen::Dateipfad(tabelle.Art));
    if (!sperre.Gehalten())
        return Fehler(sperre.Grund());
    Laden(tabelle, true, &grund);
    if (Waffentabellen::ZeileSuchen(tabelle, eintrag->Felder.value(1)) >= 0)
        Dialoge::Warnung(QStringLiteral("„%1“ gibt es schon in der Tabelle; der Eintrag wird ein weiteres Mal angelegt.")
                             .arg(eintrag->Felder.value(1)));
    const int zeile = Waffentabellen::ZeileAnhaengen(tabelle, eintrag->Felder);
    if (!Waffentabellen::TabelleSpeichern(tabelle, &grund))
        return Fehler(grund);
    return {0, {Waffentabellen::Listenzeile(eintrag->Art, tabelle.Zeilen[zeile])}};
}

} // namespace

QString Hilfetext()
{
    return QStringLiteral(
        "Befehle (TABELLE ist nahkampf, fernkampf oder ruestung; NAME wählt den ersten Eintrag dieses Namens):\n"
        "  --liste TABELLE                              jeder Eintrag eine Zeile: Spalten der Liste, Zeilennummer zuletzt\n"
        "  --details TABELLE NAME --ausgabe DATEI.html  Detailseite eines Eintrags\n"
        "  --liste-html TABELLE --ausgabe DATEI.html    Listenseite der Tabelle\n"
        "  --schmieden NAME [--name NEUER_NAME] [--stahl STAHL] [--bf -1|-2] [--tp 1|2|3] [--persoenlich]\n"
        "              [--zyklopen] [--schmied WERT] [--waehrung WÄHRUNG] --ausgabe DATEI.html\n"
        "                                               Waffe schmieden, Übersicht ausgeben, Bericht schreiben\n"
        "  --generieren --name NAME --kategorie KATEGORIE  neue Nahkampfwaffe erzeugen und speichern\n"
        "  --exportieren TABELLE NAME --ausgabe DATEI.wbd  Eintrag als WBD-Datei exportieren\n"
        "  --importieren DATEI.wbd                      WBD-Datei als neuen Eintrag übernehmen");
}

Ergebnis Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile b(argumente);
    if (b.Schalter(QStringLiteral("--liste")))
        return Liste(b);
    if (b.Schalter(QStringLiteral("--liste-html")))
        return ListeHtml(b);
    if (b.Schalter(QStringLiteral("--details")))
        return Details(b);
    if (b.Schalter(QStringLiteral("--schmieden")))
        return Schmieden(b);
    if (b.Schalter(QStringLiteral("--generieren")))
        return Generieren(b);
    if (b.Schalter(QStringLiteral("--exportieren")))
        return Exportieren(b);
    if (b.Schalter(QStringLiteral("--importieren")))
        return Importieren(b);
    return Aufruffehler(argumente.isEmpty() ? QStringLiteral("Kein Befehl angegeben.")
                                            : QStringLiteral("Unbekannter Befehl: %1").arg(argumente.first()));
}

} // namespace ArmoryBatch
