#include "WarehouseBatch.h"

#include "Batch.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "Shopgenerator.h"
#include "Shopwaren.h"
#include "Subs.h"
#include "WarehouseHTML.h"

#include <optional>

namespace WarehouseBatch {

using Katalog::Gegenstandstabelle;

namespace {

Ergebnis Fehler(const QString& meldung, int status = 1)
{
    Dialoge::Warnung(meldung);
    return {status, {}};
}

Ergebnis Aufruffehler(const QString& meldung)
{
    return Fehler(meldung + QStringLiteral(" (Lagerhof3 --help zeigt die Befehle.)"), 2);
}

Ergebnis Aufruffehler(Batch::Befehlszeile& b, const QString& aufruf)
{
    return Aufruffehler(b.Fehlerhaft().isEmpty() ? aufruf : b.Fehlerhaft());
}

void Starten()
{
    for (const QString& meldung : Lagerhof3Variablen::Starten())
        Dialoge::Warnung(meldung);
}

// A category argument: "Alles" or a listed category (exactly, else without regard to case).
std::optional<QString> Kategorie(const QString& name, QString* fehler)
{
    if (name.trimmed().compare(Katalog::Alles(), Qt::CaseInsensitive) == 0)
        return Katalog::Alles();
    const QString k = Katalog::KategorieFinden(name, Lagerhof3Variablen::Kategorien);
    if (k.isEmpty()) {
        *fehler = QStringLiteral("Es gibt keine Kategorie „%1“; bekannt sind: %2.")
                      .arg(name, Lagerhof3Variablen::Kategorien.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return k;
}

// Loads the category into the program's table; the messages of damaged files go to standard error.
Gegenstandstabelle& Laden(const QString& kategorie)
{
    Gegenstandstabelle& t = Lagerhof3Variablen::Gegenstaende;
    for (const QString& meldung : Katalog::KategorieLaden(t, kategorie, Lagerhof3Variablen::Kategorien))
        Dialoge::Warnung(meldung);
    return t;
}

QStringList Listenzeilen(const Gegenstandstabelle& t)
{
    QStringList zeilen;
    zeilen.reserve(t.Anzahl());
    for (int i = 0; i < t.Anzahl(); ++i) {
        const QStringList& f = t.Zeilen[i].Felder;
        zeilen.append(QStringList{Katalog::Name(f.value(0)), f.value(2), QString::number(i)}.join(QLatin1Char('\t')));
    }
    return zeilen;
}

// The row of the first good of that name, or an error.
std::optional<int> GegenstandFinden(const Gegenstandstabelle& t, const QString& name, QString* fehler)
{
    const int zeile = Katalog::GegenstandSuchen(t, name);
    if (zeile < 0) {
        *fehler = QStringLiteral("In der Kategorie „%1“ gibt es keinen Gegenstand „%2“.").arg(t.Kategorie, name);
        return std::nullopt;
    }
    return zeile;
}

// A level given as its entry (without regard to case) or its number 1..n; -1 otherwise.
int Stufe(const QString& text, const QStringList& eintraege)
{
    for (int i = 0; i < eintraege.size(); ++i)
        if (eintraege[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    const Subs::Ganzzahleingabe n = Subs::GanzzahlLesen(text, 1, eintraege.size(), QString());
    return n.Ok ? int(n.Wert) - 1 : -1;
}

QString Stufenfehler(const QString& option, const QString& wert, const QStringList& eintraege)
{
    return QStringLiteral("%1 „%2“ ist keine Stufe; möglich sind 1 bis %3 oder: %4.")
        .arg(option, wert)
        .arg(eintraege.size())
        .arg(eintraege.join(QStringLiteral(", ")));
}

std::optional<QString> Regionscode(const QString& text)
{
    const QString code = text.trimmed().toUpper();
    if (Katalog::Regionsliste().contains(code))
        return code;
    return std::nullopt;
}

Ergebnis Kategorien(Batch::Befehlszeile& b)
{
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    Starten();
    return {0, Lagerhof3Variablen::Kategorien};
}

Ergebnis KategorieNeu(Batch::Befehlszeile& b)
{
    const auto name = b.NamePosition();
    if (!name || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --kategorie-neu NAME"));
    Starten();
    QString fehler;
    if (!Katalog::KategorieAnlegen(*name, Lagerhof3Variablen::Kategorien, &fehler))
        return Fehler(fehler);
    return {};
}

Ergebnis KategorieLoeschen(Batch::Befehlszeile& b)
{
    const auto name = b.Position();
    if (!name || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --kategorie-loeschen NAME"));
    Starten();
    if (name->trimmed().compare(Katalog::Alles(), Qt::CaseInsensitive) == 0)
        return Fehler(QStringLiteral("„Alles“ ist keine Kategorie, die man löschen kann."));
    QString fehler;
    if (!Katalog::KategorieEntfernen(*name, Lagerhof3Variablen::Kategorien, &fehler))
        return Fehler(fehler);
    return {};
}

Ergebnis Liste(Batch::Befehlszeile& b)
{
    const auto name = b.Position();
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    Starten();
    QString fehler;
    const auto k = Kategorie(name.value_or(Katalog::Alles()), &fehler);
    if (!k)
        return Fehler(fehler);
    // Listed good by good: the goods are not kept, and only the name and the price are read.
    static const QList<bool> felder{true, false, true, false, false};
    Ergebnis e;
    const QStringList meldungen = Katalog::KategorieDurchlaufen(
        *k, Lagerhof3Variablen::Kategorien, felder, [&e](const QStringList& ware, int zeile) {
            QString text = Katalog::Name(ware[0]);
            text.reserve(text.size() + ware[2].size() + 8);
            text += QLatin1Char('\t');
            text += ware[2];
            text += QLatin1Char('\t');
            text += QString::number(zeile);
            e.Ausgabe.append(text);
        });
    for (const QString& meldung : meldungen)
        Dialoge::Warnung(meldung);
    return e;
}

Ergebnis Details(Batch::Befehlszeile& b)
{
    const auto kategorie = b.Position();
    const auto name = b.Position();
    if (!kategorie || !name || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --details KATEGORIE NAME"));
    Starten();
    QString fehler;
    const auto k = Kategorie(*kategorie, &fehler);
    if (!k)
        return Fehler(fehler);
    const Gegenstandstabelle& t = Laden(*k);
    const auto zeile = GegenstandFinden(t, *name, &fehler);
    if (!zeile)
        return Fehler(fehler);
    return {0, Katalog::Details(t.Zeilen[*zeile].Felder)};
}

Ergebnis Speichern(Batch::Befehlszeile& b)
{
    const auto aendern = b.Wert(QStringLiteral("--aendern"));
    const auto nach = b.Wert(QStringLiteral("--nach"));
    const auto name = b.Name(QStringLiteral("--name"));
    const auto wert = b.Wert(QStringLiteral("--wert"));
    const auto gewicht = b.Wert(QStringLiteral("--gewicht"));
    const auto preis = b.Wert(QStringLiteral("--preis"));
    const auto waehrung = b.Wert(QStringLiteral("--waehrung"));
    const auto beschreibung = b.Wert(QStringLiteral("--beschreibung"));
    const auto regionen = b.Wert(QStringLiteral("--regionen"));
    const auto kategorie = b.Position();
    if (!kategorie || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --speichern KATEGORIE [--aendern NAME] [--nach KATEGORIE] "
                                              "[--name N] [--wert 1-5] [--gewicht G] [--preis P] [--waehrung W] "
                                              "[--beschreibung T] [--regionen BO,EL]"));
    // What the editor's boxes would not take is refused before anything is loaded or written.
    int klasse = -1;
    if (wert) {
        const Subs::Ganzzahleingabe n = Subs::GanzzahlLesen(*wert, 1, 5, QStringLiteral("die Wertklasse (--wert)"));
        if (!n.Ok)
            return Aufruffehler(n.Meldung);
        klasse = int(n.Wert) - 1;
    }
    if (gewicht && !Katalog::ZahlEingabeErlaubt(*gewicht))
        return Aufruffehler(QStringLiteral("Das Gewicht „%1“ nimmt das Gewichtsfeld nicht an: nur Ziffern, ein Vorzeichen "
                                           "am Anfang und ein Komma oder Punkt nach der ersten Stelle.")
                                .arg(*gewicht));
    if (preis && !Katalog::ZahlEingabeErlaubt(*preis))
        return Aufruffehler(QStringLiteral("Der Preis „%1“ nimmt das Preisfeld nicht an: nur Ziffern, ein Vorzeichen am "
                                           "Anfang und ein Komma oder Punkt nach der ersten Stelle.")
                                .arg(*preis));
    int waehrungsIndex = -1;
    if (waehrung) {
        for (int i = 0; i < Katalog::Waehrungen().size(); ++i)
            if (Katalog::Waehrungen()[i].compare(waehrung->trimmed(), Qt::CaseInsensitive) == 0
                || Katalog::Waehrungen()[i].left(1).compare(waehrung->trimmed(), Qt::CaseInsensitive) == 0)
                waehrungsIndex = i;
        if (waehrungsIndex < 0)
            return Aufruffehler(QStringLiteral("Unbekannte Währung „%1“; bekannt sind: %2.")
                                    .arg(*waehrung, Katalog::Waehrungen().join(QStringLiteral(", "))));
    }
    QStringList codes;
    if (regionen) {
        for (const QString& teil : regionen->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (teil.trimmed().isEmpty())
                continue;
            const auto code = Regionscode(teil);
            if (!code)
                return Aufruffehler(QStringLiteral("Unbekannte Region „%1“; bekannt sind: %2.")
                                        .arg(teil.trimmed(), Katalog::Regionsliste().join(QStringLiteral(", "))));
            if (!codes.contains(*code))
                codes.append(*code);
        }
    }

    Starten();
    QString fehler;
    const auto k = Kategorie(*kategorie, &fehler);
    if (!k)
        return Fehler(fehler);
    std::optional<QString> ziel;
    if (nach) {
        ziel = Kategorie(*nach, &fehler);
        if (!ziel)
            return Fehler(fehler);
    }
    Gegenstandstabelle& t = Laden(*k);
    int zeile = -1;
    QStringList felder(Katalog::Feldanzahl);
    if (aendern) {
        const auto gefunden = GegenstandFinden(t, *aendern, &fehler);
        if (!gefunden)
            return Fehler(fehler);
        zeile = *gefunden;
        felder = t.Zeilen[zeile].Felder;
    }
    // Omitted options keep what the good holds.
    const QString feld0 = felder[0];
    felder[0] = Katalog::Feld0(name ? name->trimmed() : Katalog::Name(feld0),
                               klasse >= 0 ? klasse : Katalog::WertklasseIndex(feld0));
    if (gewicht)
        felder[1] = *gewicht;
    felder[2] = Katalog::Feld2(preis ? *preis : Katalog::Betrag(felder[2]),
                               waehrungsIndex >= 0 ? waehrungsIndex : Katalog::WaehrungsIndex(felder[2]));
    if (beschreibung)
        felder[3] = *beschreibung;
    if (regionen)
        felder[4] = Katalog::RegionFeld(codes);

    const QString zielKategorie = ziel ? *ziel : (aendern ? Katalog::EigeneKategorie(t, zeile) : t.Kategorie);
    const Katalog::Speicherergebnis e = Katalog::GegenstandSpeichern(t, aendern.has_value(), zeile, felder, zielKategorie, [] { return true; });
    if (e.Aktion == Katalog::Speicheraktion::Abgelehnt || !e.Geschrieben)
        return Fehler(e.Meldungen.join(QLatin1Char('\n')));
    for (const QString& meldung : e.Meldungen)
        Dialoge::Warnung(meldung);
    return {0, Listenzeilen(t)};
}

Ergebnis Loeschen(Batch::Befehlszeile& b)
{
    const auto kategorie = b.Position();
    const auto name = b.Position();
    if (!kategorie || !name || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --loeschen KATEGORIE NAME"));
    Starten();
    QString fehler;
    const auto k = Kategorie(*kategorie, &fehler);
    if (!k)
        return Fehler(fehler);
    Gegenstandstabelle& t = Laden(*k);
    const auto zeile = GegenstandFinden(t, *name, &fehler);
    if (!zeile)
        return Fehler(fehler);
    Katalog::GegenstandLoeschen(t, *zeile);
    if (!Katalog::KategorieSpeichern(t, &fehler))
        return Fehler(fehler);
    return {0, Listenzeilen(t)};
}

Ergebnis ListeHtml(Batch::Befehlszeile& b)
{
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const auto name = b.Position();
    if (!ausgabe || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --liste-html [KATEGORIE] --ausgabe DATEI.html"));
    Starten();
    QString fehler;
    const auto k = Kategorie(name.value_or(Katalog::Alles()), &fehler);
    if (!k)
        return Fehler(fehler);
    const Gegenstandstabelle& t = Laden(*k);
    QList<QStringList> waren;
    waren.reserve(t.Anzahl());
    for (const Katalog::Gegenstand& g : t.Zeilen)
        waren.append(g.Felder);
    if (!WarehouseHTML::ListenSeiteSpeichern(*k, waren, *ausgabe, &fehler))
        return Fehler(fehler);
    return {};
}

// The shop's pages and its lines for standard output.
Ergebnis ShopAusgeben(const WarehouseHTML::Shopkopf& kopf, const Shop::Shopwaren& shop,
                      const std::optional<QString>& ausgabe, const std::optional<QString>& druckseite)
{
    const QList<int> reihenfolge = WarehouseHTML::Indexreihenfolge(shop);
    QString fehler;
    if (ausgabe && !WarehouseHTML::ShopseiteSpeichern(kopf, shop, reihenfolge, *ausgabe, &fehler))
        return Fehler(fehler);
    if (druckseite && !WarehouseHTML::ShopDruckseiteSpeichern(kopf, shop, reihenfolge, *druckseite, &fehler))
        return Fehler(fehler);
    Ergebnis e;
    for (int i : reihenfolge)
        e.Ausgabe.append(Shop::Listenzeile(shop, i));
    return e;
}

// The options of --shop in the order given: the steps act in that order.
struct Schritt {
    QString Option;
    QString Wert;
};

Ergebnis ShopBauen(const QStringList& argumente)
{
    static const QStringList mitWert = {
        QStringLiteral("--name"),   QStringLiteral("--shopart"), QStringLiteral("--besitzer"),
        QStringLiteral("--region"), QStringLiteral("--qualitaet"), QStringLiteral("--ausgabe"),
        QStringLiteral("--druckseite"), QStringLiteral("--ware"), QStringLiteral("--waehlen"),
        QStringLiteral("--anzahl"), QStringLiteral("--neuer-preis"), QStringLiteral("--preise")};
    QList<Schritt> schritte;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& option = argumente[i];
        if (option == QLatin1String("--entfernen")) {
            schritte.append({option, QString()});
        } else if (mitWert.contains(option)) {
            if (i + 1 >= argumente.size() || argumente[i + 1].startsWith(QLatin1String("--")))
                return Aufruffehler(QStringLiteral("Zur Option %1 fehlt der Wert.").arg(option));
            // The shop's name, kind and owner are names like any other: one line each.
            QString meldung;
            if ((option == QLatin1String("--name") || option == QLatin1String("--shopart")
                 || option == QLatin1String("--besitzer"))
                && !Subs::NameEinzeilig(argumente[i + 1], &meldung))
                return Aufruffehler(meldung);
            schritte.append({option, argumente[i + 1]});
            ++i;
        } else {
            return Aufruffehler(QStringLiteral("Unbekanntes Argument: %1").arg(option));
        }
    }

    Starten();
    Gegenstandstabelle& alles = Laden(Katalog::Alles());
    Shop::Shopwaren& shop = Lagerhof3Variablen::Shopwaren;
    shop = {};
    WarehouseHTML::Shopkopf kopf;
    std::optional<QString> ausgabe;
    std::optional<QString> druckseite;
    int gewaehlt = -1;
    const QString ohneWahl = QStringLiteral("%1 braucht eine gewählte Ware (--ware oder --waehlen davor).");
    QString fehler;
    for (const Schritt& s : schritte) {
        if (s.Option == QLatin1String("--name")) {
            kopf.Name = s.Wert;
        } else if (s.Option == QLatin1String("--shopart")) {
            kopf.Shopart = s.Wert;
        } else if (s.Option == QLatin1String("--besitzer")) {
            kopf.Besitzer = s.Wert;
        } else if (s.Option == QLatin1String("--region")) {
            const auto code = Regionscode(s.Wert);
            if (!code)
                return Fehler(QStringLiteral("Unbekannte Region „%1“; bekannt sind: %2.")
                                  .arg(s.Wert, Katalog::Regionsliste().join(QStringLiteral(", "))));
            kopf.Region = *code;
        } else if (s.Option == QLatin1String("--qualitaet")) {
            const int q = Stufe(s.Wert, Shop::Qualitaeten());
            if (q < 0)
                return Fehler(Stufenfehler(s.Option, s.Wert, Shop::Qualitaeten()));
            kopf.Qualitaet = Shop::Qualitaeten()[q];
        } else if (s.Option == QLatin1String("--ausgabe")) {
            ausgabe = s.Wert;
        } else if (s.Option == QLatin1String("--druckseite")) {
            druckseite = s.Wert;
        } else if (s.Option == QLatin1String("--ware")) {
            const auto zeile = GegenstandFinden(alles, s.Wert, &fehler);
            if (!zeile)
                return Fehler(fehler);
            gewaehlt = Shop::ShopwareHinzufuegen(shop, alles.Zeilen[*zeile].Felder);
        } else if (s.Option == QLatin1String("--waehlen")) {
            if (shop.Shopwarenzahl() == 0)
                return Fehler(QStringLiteral("--waehlen: der Shop hat noch keine Ware."));
            const Subs::Ganzzahleingabe n =
                Subs::GanzzahlLesen(s.Wert, 1, shop.Shopwarenzahl(), QStringLiteral("die Nummer (--waehlen)"));
            if (!n.Ok)
                return Fehler(n.Meldung);
            gewaehlt = int(n.Wert) - 1;
        } else if (s.Option == QLatin1String("--anzahl")) {
            if (gewaehlt < 0)
                return Fehler(ohneWahl.arg(s.Option));
            Shop::AnzahlSetzen(shop, gewaehlt, s.Wert);
        } else if (s.Option == QLatin1String("--neuer-preis")) {
            if (gewaehlt < 0)
                return Fehler(ohneWahl.arg(s.Option));
            Shop::NeuerPreis(shop, gewaehlt, s.Wert);
        } else if (s.Option == QLatin1String("--entfernen")) {
            if (gewaehlt < 0)
                return Fehler(ohneWahl.arg(s.Option));
            Shop::ShopwareEntfernen(shop, gewaehlt);
            gewaehlt = -1;
        } else if (s.Option == QLatin1String("--preise")) {
            const int stufe = Stufe(s.Wert, Shop::Preisstufen());
            if (stufe < 0)
                return Fehler(Stufenfehler(s.Option, s.Wert, Shop::Preisstufen()));
            kopf.Preise = Shop::Preisstufen()[stufe];
            Shop::PreiseBerechnen(shop, stufe);
        }
    }
    return ShopAusgeben(kopf, shop, ausgabe, druckseite);
}

Ergebnis Generieren(Batch::Befehlszeile& b)
{
    const auto shopart = b.Wert(QStringLiteral("--shopart"));
    const auto qualitaet = b.Wert(QStringLiteral("--qualitaet"));
    const auto preise = b.Wert(QStringLiteral("--preise"));
    const auto region = b.Wert(QStringLiteral("--region"));
    const auto name = b.Name(QStringLiteral("--name"));
    const auto besitzer = b.Name(QStringLiteral("--besitzer"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    const auto druckseite = b.Wert(QStringLiteral("--druckseite"));
    if (!shopart || !qualitaet || !preise || !b.Fehlerhaft().isEmpty())
        return Aufruffehler(b, QStringLiteral("Aufruf: --generieren --shopart ART --qualitaet 1-5 --preise STUFE "
                                              "[--region CODE] [--name T] [--besitzer T] [--ausgabe DATEI.html] "
                                              "[--druckseite DATEI.html]"));
    int q = Stufe(*qualitaet, Shop::GeneratorQualitaeten());
    if (q < 0)
        q = Stufe(*qualitaet, Shop::Qualitaeten());
    if (q < 0)
        return Aufruffehler(Stufenfehler(QStringLiteral("--qualitaet"), *qualitaet, Shop::GeneratorQualitaeten()));
    const int stufe = Stufe(*preise, Shop::Preisstufen());
    if (stufe < 0)
        return Aufruffehler(Stufenfehler(QStringLiteral("--preise"), *preise, Shop::Preisstufen()));
    std::optional<QString> code;
    if (region) {
        code = Regionscode(*region);
        if (!code)
            return Aufruffehler(QStringLiteral("Unbekannte Region „%1“; bekannt sind: %2.")
                                    .arg(*region, Katalog::Regionsliste().join(QStringLiteral(", "))));
    }

    Starten();
    QString meldung;
    const QStringList arten = Shopgenerator::Shopsarten(&meldung);
    if (!arten.contains(*shopart))
        return Fehler(meldung.isEmpty() ? QStringLiteral("Die Shopart „%1“ steht nicht in der Liste der Shoparten; bekannt "
                                                         "sind: %2.")
                                              .arg(*shopart, arten.join(QStringLiteral(", ")))
                                        : meldung);
    Shopgenerator::Auftrag auftrag;
    auftrag.Shopart = *shopart;
    auftrag.Qualitaet = q + 1;
    auftrag.MitRegion = code.has_value();
    auftrag.Region = code.value_or(QString());
    Shop::Shopwaren& shop = Lagerhof3Variablen::Shopwaren;
    shop = {};
    const int hinzu = Shopgenerator::Generieren(auftrag, shop);

    // What the main window takes over from the generator.
    WarehouseHTML::Shopkopf kopf;
    kopf.Name = name.value_or(QString());
    kopf.Besitzer = besitzer.value_or(QString());
    kopf.Shopart = *shopart;
    kopf.Qualitaet = Shop::Qualitaeten()[q];
    kopf.Region = auftrag.Region;
    if (hinzu > 0) {
        kopf.Preise = Shop::Preisstufen()[stufe];
        Shop::PreiseBerechnen(shop, stufe);
    }
    return ShopAusgeben(kopf, shop, ausgabe, druckseite);
}

} // namespace

QString Hilfetext()
{
    return QStringLiteral(
        "Befehle (KATEGORIE ist eine Kategorie der Liste oder „Alles“; NAME wählt den ersten Gegenstand dieses Namens):\n"
        "  --kategorien                        alle Kategorien, eine je Zeile\n"
        "  --kategorie-neu NAME                neue Kategorie anlegen\n"
        "  --kategorie-loeschen NAME           Kategorie samt ihren Gegenständen löschen\n"
        "  --liste [KATEGORIE]                 Name, Preis und Zeilennummer je Gegenstand (ohne KATEGORIE: Alles)\n"
        "  --details KATEGORIE NAME            sieben Zeilen wie im Editor: Name, Wert, Gewicht, Preis, Währung,\n"
        "                                      Beschreibung (Zeilenumbrüche als Leerzeichen), Regionen\n"
        "  --speichern KATEGORIE [--aendern NAME] [--nach KATEGORIE] [--name N] [--wert 1-5] [--gewicht G]\n"
        "              [--preis P] [--waehrung W] [--beschreibung T] [--regionen BO,EL]\n"
        "                                      neuen Gegenstand speichern oder NAME ändern (--nach verschiebt ihn);\n"
        "                                      gibt danach die Liste aus\n"
        "  --loeschen KATEGORIE NAME           Gegenstand löschen; gibt danach die Liste aus\n"
        "  --liste-html [KATEGORIE] --ausgabe DATEI.html   Gegenstandsliste als Seite\n"
        "  --shop [--name T] [--shopart T] [--besitzer T] [--region CODE] [--qualitaet STUFE] SCHRITTE\n"
        "         [--ausgabe DATEI.html] [--druckseite DATEI.html]\n"
        "         Schritte in der gegebenen Reihenfolge: --ware NAME (aus „Alles“, wählt sie), --waehlen NR (ab 1),\n"
        "         --anzahl T, --neuer-preis T, --entfernen, --preise STUFE\n"
        "         gibt je Ware Text, Gewicht, Preis und Index aus; --ausgabe schreibt die Exportseite,\n"
        "         --druckseite die Druckseite\n"
        "  --generieren --shopart ART --qualitaet 1-5 --preise STUFE [--region CODE] [--name T] [--besitzer T]\n"
        "               [--ausgabe DATEI.html] [--druckseite DATEI.html]\n"
        "                                      Shop mit dem Shopgenerator füllen; Ausgabe wie --shop\n"
        "Stufen: Qualität 1-5 oder Schlecht, Einfach, Solide, Sehr gut, Spezialist; Preise 1-5 oder Sehr billig,\n"
        "Billig, Durchschnittlich, Teuer, „Sehr teuer / Wucher“. Währung: Dukaten, Silbertaler, Heller, Pfennig.");
}

Ergebnis Ausfuehren(const QStringList& argumente)
{
    if (argumente.contains(QLatin1String("--shop"))) {
        QStringList rest = argumente;
        rest.removeOne(QStringLiteral("--shop"));
        return ShopBauen(rest);
    }
    // A command that changes the catalogue holds its folder's lock from the first read to the last write, so
    // that several started at once each find the others' goods in the files.
    static const QStringList schreibend = {QStringLiteral("--kategorie-neu"), QStringLiteral("--kategorie-loeschen"),
                                           QStringLiteral("--speichern"), QStringLiteral("--loeschen")};
    std::optional<Dateien::Sperre> sperre;
    for (const QString& befehl : schreibend)
        if (argumente.contains(befehl)) {
            sperre.emplace(Katalog::KategorienDatei());
            break;
        }
    if (sperre && !sperre->Gehalten())
        return Fehler(sperre->Grund());
    Batch::Befehlszeile b(argumente);
    if (b.Schalter(QStringLiteral("--kategorien")))
        return Kategorien(b);
    if (b.Schalter(QStringLiteral("--kategorie-neu")))
        return KategorieNeu(b);
    if (b.Schalter(QStringLiteral("--kategorie-loeschen")))
        return KategorieLoeschen(b);
    if (b.Schalter(QStringLiteral("--liste-html")))
        return ListeHtml(b);
    if (b.Schalter(QStringLiteral("--liste")))
        return Liste(b);
    if (b.Schalter(QStringLiteral("--details")))
        return Details(b);
    if (b.Schalter(QStringLiteral("--speichern")))
        return Speichern(b);
    if (b.Schalter(QStringLiteral("--loeschen")))
        return Loeschen(b);
    if (b.Schalter(QStringLiteral("--generieren")))
        return Generieren(b);
    return Aufruffehler(argumente.isEmpty() ? QStringLiteral("Kein Befehl angegeben.")
                                            : QStringLiteral("Unbekannter Befehl: %1").arg(argumente.first()));
}

} // namespace WarehouseBatch
