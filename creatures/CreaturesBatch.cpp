#include "CreaturesBatch.h"

#include "Aufstellung.h"
#include "Batch.h"
#include "BattleEngine.h"
#include "Creatures3Variablen.h"
#include "CreaturesAustausch.h"
#include "CreaturesHTML.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "Gewinnchancen.h"
#include "Subs.h"
#include "Vorschlaege.h"
#include "Zufall.h"

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
    // Listed record by record: the database is not kept, and only the listed fields are read.
    Ergebnis e;
    const QString meldung = Kreaturentabellen::Lademeldung(Kreaturentabellen::Durchlaufen(
        Kreaturentabellen::Listenfelder(),
        [&](const QStringList& zeile) { e.Ausgabe.append(Kreaturentabellen::Listenzeile(zeile)); }));
    if (!meldung.isEmpty())
        Dialoge::Warnung(meldung);
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
    // Held from reading to writing: creatures imported by other programs at the same time stay in the file.
    Dateien::Sperre sperre(Kreaturentabellen::Datenbankpfad());
    if (!sperre.Gehalten())
        return Fehler(sperre.Grund());
    Kreaturentabelle& tabelle = Laden();
    const QString name = felder->value(Kreaturentabellen::FeldName);
    for (const QStringList& vorhanden : tabelle.Zeilen)
        if (vorhanden.value(Kreaturentabellen::FeldName) == name) {
            Dialoge::Warnung(QStringLiteral("„%1“ gibt es schon in der Datenbank; die Kreatur wird ein weiteres Mal "
                                            "angelegt.")
                                 .arg(name));
            break;
        }
    const int zeile = Kreaturentabellen::ZeileAnhaengen(tabelle, *felder);
    // No category is added: there is no edit box whose text would name one.
    if (!Kreaturentabellen::Speichern(tabelle, &grund))
        return Fehler(grund);
    return {0, {Kreaturentabellen::Listenzeile(tabelle.Zeilen[zeile])}};
}

// The groups as a command names them: members by name, each option one, in the order given; or a
// line-up file.
struct Gruppenangabe {
    QStringList namen[2];
    std::optional<QString> datei;
};

Gruppenangabe GruppenNehmen(Batch::Befehlszeile& b)
{
    Gruppenangabe g;
    g.namen[0] = b.Werte(QStringLiteral("--held"));
    g.namen[1] = b.Werte(QStringLiteral("--gegner"));
    g.datei = b.Wert(QStringLiteral("--aufstellung"));
    return g;
}

// Builds the groups into `stand`; an error result when that fails. `beide`: both groups need a member.
std::optional<Ergebnis> GruppenBauen(const Gruppenangabe& angabe, BattleEngine::Kampfstand& stand, bool beide)
{
    const bool namen = !angabe.namen[0].isEmpty() || !angabe.namen[1].isEmpty();
    if (angabe.datei && namen)
        return Aufruffehler(QStringLiteral("Nennt die Gruppen entweder mit --held und --gegner oder mit --aufstellung, "
                                           "nicht mit beidem."));
    if (angabe.datei) {
        QString grund;
        const auto gelesen = Aufstellung::Lesen(*angabe.datei, &grund);
        if (!gelesen)
            return Fehler(grund);
        stand = *gelesen;
        const QString leer = QStringLiteral("In der Aufstellung %1 ist die %2 leer.").arg(Dateien::Anzeigename(*angabe.datei));
        if (beide && stand.Helden.isEmpty())
            return Fehler(leer.arg(QStringLiteral("Heldengruppe")));
        if (beide && stand.Gegner.isEmpty())
            return Fehler(leer.arg(QStringLiteral("Gegnergruppe")));
        if (stand.Helden.isEmpty() && stand.Gegner.isEmpty())
            return Fehler(QStringLiteral("Die Aufstellung %1 hat kein Mitglied.").arg(Dateien::Anzeigename(*angabe.datei)));
        return std::nullopt;
    }
    if (!namen)
        return Aufruffehler(QStringLiteral("Nennt die Gruppen mit --held und --gegner oder mit --aufstellung."));
    if (beide && angabe.namen[0].isEmpty())
        return Aufruffehler(QStringLiteral("Die Heldengruppe ist leer; nennt mindestens eine Kreatur mit --held."));
    if (beide && angabe.namen[1].isEmpty())
        return Aufruffehler(QStringLiteral("Die Gegnergruppe ist leer; nennt mindestens eine Kreatur mit --gegner."));
    for (int g = 0; g < 2; ++g)
        if (angabe.namen[g].size() > BattleEngine::HoechsteMitglieder)
            return Aufruffehler(QStringLiteral("Eine Gruppe hat höchstens %1 Mitglieder; für die %2 sind %3 genannt.")
                                    .arg(BattleEngine::HoechsteMitglieder)
                                    .arg(g == 0 ? QStringLiteral("Heldengruppe") : QStringLiteral("Gegnergruppe"))
                                    .arg(angabe.namen[g].size()));
    const Kreaturentabelle& tabelle = Laden();
    for (int g = 0; g < 2; ++g) {
        for (const QString& name : angabe.namen[g]) {
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
    return std::nullopt;
}

Ergebnis Kampf(Batch::Befehlszeile& b)
{
    const Gruppenangabe angabe = GruppenNehmen(b);
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const QString aufruf = QStringLiteral("Aufruf: --kampf (--held NAME [--held NAME ...] --gegner NAME [--gegner NAME ...] "
                                          "| --aufstellung DATEI) --ausgabe DATEI.html");
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    if (!ausgabe)
        return Aufruffehler(aufruf);
    BattleEngine::Kampfstand stand;
    if (const auto fehler = GruppenBauen(angabe, stand, true))
        return *fehler;
    QString grund;
    const auto sieger = BattleEngine::KampfSpeichern(stand, *ausgabe, &grund);
    if (!sieger)
        return Fehler(grund);
    return {0, {BattleEngine::SiegerText(*sieger)}};
}

Ergebnis Chancen(Batch::Befehlszeile& b)
{
    const Gruppenangabe angabe = GruppenNehmen(b);
    const auto kaempfe = b.Wert(QStringLiteral("--kaempfe"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    qint64 anzahl = Gewinnchancen::StandardKaempfe;
    if (kaempfe) {
        const Subs::Ganzzahleingabe n =
            Subs::GanzzahlLesen(*kaempfe, 1, Gewinnchancen::HoechsteKaempfe, QStringLiteral("die Zahl der Kämpfe"));
        if (!n.Ok)
            return Aufruffehler(n.Meldung);
        anzahl = n.Wert;
    }
    BattleEngine::Kampfstand stand;
    if (const auto fehler = GruppenBauen(angabe, stand, true))
        return *fehler;
    // Without --seed a fresh seed is drawn; it is printed, so the run can be repeated.
    const quint64 saat = Zufall::Saat().value_or(Zufall::NeueSaat());
    const auto ergebnis = Gewinnchancen::Berechnen(stand, anzahl, saat);
    if (!ergebnis)
        return Fehler(QStringLiteral("Die Berechnung wurde abgebrochen."));
    QString grund;
    if (ausgabe && !Gewinnchancen::SeiteSpeichern(*ergebnis, *ausgabe, &grund))
        return Fehler(grund);
    return {0, Gewinnchancen::Ausgabezeilen(*ergebnis)};
}

// A whole-number option: its value, the default when it is missing, or nothing after the message.
std::optional<qint64> Zahloption(const std::optional<QString>& text, qint64 standard, qint64 von, qint64 bis,
                                 const QString& was, QString* fehler)
{
    if (!text)
        return standard;
    const Subs::Ganzzahleingabe n = Subs::GanzzahlLesen(*text, von, bis, was);
    if (!n.Ok) {
        *fehler = n.Meldung;
        return std::nullopt;
    }
    return n.Wert;
}

Ergebnis Vorschlagen(Batch::Befehlszeile& b)
{
    Gruppenangabe angabe;
    angabe.namen[0] = b.Werte(QStringLiteral("--held"));
    angabe.datei = b.Wert(QStringLiteral("--aufstellung"));
    const QStringList kategorien = b.Werte(QStringLiteral("--kategorie"));
    const auto ziel = b.Wert(QStringLiteral("--ziel"));
    const auto spanne = b.Wert(QStringLiteral("--spanne"));
    const auto hoechstens = b.Wert(QStringLiteral("--hoechstens"));
    const auto anzahl = b.Wert(QStringLiteral("--vorschlaege"));
    const auto kaempfe = b.Wert(QStringLiteral("--kaempfe"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const auto ordner = b.Wert(QStringLiteral("--vorschlaege-speichern"));
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    Vorschlaege::Anfrage anfrage;
    QString fehler;
    const struct {
        const std::optional<QString>& text;
        qint64 standard, von, bis;
        const char* was;
    } optionen[] = {{ziel, Vorschlaege::StandardZiel, Vorschlaege::KleinstesZiel, Vorschlaege::GroesstesZiel, "die gewünschte Siegchance (--ziel)"},
                    {spanne, Vorschlaege::StandardSpanne, 1, Vorschlaege::GroessteSpanne, "die Spanne (--spanne)"},
                    {hoechstens, Vorschlaege::StandardHoechstens, 1, BattleEngine::HoechsteMitglieder, "die größte Gegnergruppe (--hoechstens)"},
                    {anzahl, Vorschlaege::StandardAnzahl, 1, Vorschlaege::HoechsteAnzahl, "die Zahl der Vorschläge (--vorschlaege)"},
                    {kaempfe, Gewinnchancen::StandardKaempfe, 1, Gewinnchancen::HoechsteKaempfe, "die Zahl der Kämpfe"}};
    qint64 werte[5] = {};
    for (int i = 0; i < 5; ++i) {
        const auto wert = Zahloption(optionen[i].text, optionen[i].standard, optionen[i].von, optionen[i].bis,
                                     QString::fromUtf8(optionen[i].was), &fehler);
        if (!wert)
            return Aufruffehler(fehler);
        werte[i] = *wert;
    }
    anfrage.Ziel = int(werte[0]);
    anfrage.Spanne = int(werte[1]);
    anfrage.Hoechstens = int(werte[2]);
    anfrage.Anzahl = int(werte[3]);
    anfrage.Kaempfe = werte[4];
    if (!angabe.datei && angabe.namen[0].isEmpty())
        return Aufruffehler(QStringLiteral("Nennt die Heldengruppe mit --held NAME oder mit --aufstellung DATEI."));
    BattleEngine::Kampfstand stand;
    if (const auto fehlschlag = GruppenBauen(angabe, stand, false))
        return *fehlschlag;
    if (stand.Helden.isEmpty())
        return Fehler(QStringLiteral("In der Aufstellung %1 ist die Heldengruppe leer.").arg(Dateien::Anzeigename(*angabe.datei)));
    anfrage.Helden = stand.Helden;
    const Kreaturentabelle& tabelle = Laden();
    // A category is one of the list's or one a creature has, whatever the letter case.
    QStringList bekannt = Kreaturentabellen::KategorienLesen() + Vorschlaege::Kategorien(tabelle.Zeilen);
    for (QString& k : bekannt)
        k = k.trimmed().toLower();
    for (const QString& k : kategorien)
        if (!bekannt.contains(k.trimmed().toLower()))
            return Fehler(QStringLiteral("In der Datenbank gibt es keine Kategorie „%1“.").arg(k));
    anfrage.Saat = Zufall::Saat().value_or(Zufall::NeueSaat());
    const auto ergebnis = Vorschlaege::Suchen(anfrage, Vorschlaege::Arten(tabelle.Zeilen, kategorien));
    if (!ergebnis)
        return Fehler(QStringLiteral("Die Suche wurde abgebrochen."));
    if (ordner && !Vorschlaege::Speichern(*ergebnis, *ordner, &fehler))
        return Fehler(fehler);
    if (ausgabe && !Vorschlaege::SeiteSpeichern(anfrage, *ergebnis, *ausgabe, &fehler))
        return Fehler(fehler);
    return {0, Vorschlaege::Ausgabezeilen(anfrage, *ergebnis)};
}

Ergebnis AufstellungSpeichern(Batch::Befehlszeile& b)
{
    const auto datei = b.Wert(QStringLiteral("--aufstellung-speichern"));
    const Gruppenangabe angabe = GruppenNehmen(b);
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    if (!datei)
        return Aufruffehler(QStringLiteral("Aufruf: --aufstellung-speichern DATEI --held NAME ... --gegner NAME ..."));
    BattleEngine::Kampfstand stand;
    if (const auto fehler = GruppenBauen(angabe, stand, false))
        return *fehler;
    QString grund;
    if (!Aufstellung::Speichern(stand, *datei, &grund))
        return Fehler(grund);
    Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    return {};
}

} // namespace

QString Hilfetext()
{
    return QStringLiteral(
        "Befehle (NAME wählt die erste Kreatur dieses Namens):\n"
        "  --liste                                jede Kreatur eine Zeile: die zwölf Spalten der Liste,\n"
        "                                         die Zeilennummer zuletzt, getrennt durch Tabulatoren\n"
        "  --details NAME --ausgabe DATEI.html    Detailseite einer Kreatur\n"
        "  --kampf (--held NAME [--held NAME ...] --gegner NAME [--gegner NAME ...] | --aufstellung DATEI)\n"
        "          --ausgabe DATEI.html           Kampf bis zum Ende, Bericht schreiben, Sieger ausgeben\n"
        "  --chancen (--held NAME ... --gegner NAME ... | --aufstellung DATEI) [--kaempfe N] [--ausgabe DATEI.html|-]\n"
        "                                         N Kämpfe (1 bis 10.000.000, sonst 10.000) mit den Seeds S, S+1 ...:\n"
        "                                         Siege mit 95-%-Intervall, Runden, Überleben je Mitglied,\n"
        "                                         Verluste der Heldengruppe (mindestens ein Held unter 1 LE)\n"
        "  --vorschlagen (--held NAME ... | --aufstellung DATEI) [--ziel P] [--spanne T] [--kategorie K ...]\n"
        "          [--hoechstens M] [--vorschlaege A] [--kaempfe N] [--vorschlaege-speichern ORDNER]\n"
        "          [--ausgabe DATEI.html|-]       bis zu A Gegnergruppen (5) aus höchstens M Kreaturen (8, bis 100),\n"
        "                                         gegen die die Heldengruppe P ± T % der Kämpfe gewinnt (70 ± 5);\n"
        "                                         je Vorschlag eine Zeile: Nummer, Gruppe, Siege der Heldengruppe mit\n"
        "                                         95-%-Intervall, Verluste, Runden im Mittel. Jeder Anteil ist der\n"
        "                                         von --chancen --seed S --kaempfe N auf der gespeicherten Aufstellung\n"
        "  --aufstellung-speichern DATEI --held NAME ... --gegner NAME ...\n"
        "                                         die Gruppen als Aufstellung speichern\n"
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
    if (b.Schalter(QStringLiteral("--chancen")))
        return Chancen(b);
    if (b.Schalter(QStringLiteral("--vorschlagen")))
        return Vorschlagen(b);
    if (argumente.contains(QStringLiteral("--aufstellung-speichern")))
        return AufstellungSpeichern(b);
    if (b.Schalter(QStringLiteral("--exportieren")))
        return Exportieren(b);
    if (b.Schalter(QStringLiteral("--importieren")))
        return Importieren(b);
    return Aufruffehler(argumente.isEmpty() ? QStringLiteral("Kein Befehl angegeben.")
                                            : QStringLiteral("Unbekannter Befehl: %1").arg(argumente.first()));
}

} // namespace CreaturesBatch
