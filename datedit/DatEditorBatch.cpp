#include "DatEditorBatch.h"

#include "Batch.h"
#include "DatEditorEngine.h"
#include "Shopkonfiguration.h"

namespace DatEditorEngine {

const QString BatchHilfe = QStringLiteral(
    "Befehle:\n"
    "  --liste [WERKZEUG]\n"
    "      gibt die Werkzeuge aus, oder die Dateien des Werkzeugs, je eine Zeile\n"
    "  --exportieren WERKZEUG DATEI --ausgabe TEXT.txt\n"
    "      schreibt den Text der Tabelle als UTF-8 mit LF-Zeilenumbrüchen\n"
    "  --importieren WERKZEUG DATEI TEXT.txt\n"
    "      speichert den Text (UTF-8, LF oder CR LF) als Tabelle, als wäre er eingetippt worden\n"
    "  --shop SHOP [--shop SHOP ...]\n"
    "      wählt die Shopkategorien nacheinander und gibt dann die verkauften Kategorien\n"
    "      (\"+\", Tabulator, Name) und die übrigen (\"-\", Tabulator, Name) aus\n"
    "  --shop-speichern SHOP [--ware KATEGORIE ...]\n"
    "      speichert genau diese Kategorien in dieser Reihenfolge für die Shopkategorie\n"
    "  --shop-neu NAME\n"
    "      legt eine neue Shopkategorie ohne Kategorien an\n"
    "  WERKZEUG ist eines von: Ortsbau 3, Tageslauf 3, Lagerhof 3 (mit Leerzeichen, in Anführungszeichen);\n"
    "  DATEI ist ein Dateiname ohne \".dat\" aus --liste WERKZEUG; SHOP eine Zeile von ShopgeneratorShops.dat.");

namespace {

int Falsch(const QString& meldung, int status = 2)
{
    return Batch::Abbruch(meldung, status);
}

// The tool of that exact name; otherwise the refusal's message.
const Werkzeug* WerkzeugPruefen(const QString& name, QString* meldung)
{
    const Werkzeug* w = WerkzeugSuchen(name);
    if (!w)
        *meldung = QStringLiteral("Unbekanntes Werkzeug „%1“ (erlaubt: %2).").arg(name, Werkzeugnamen().join(QStringLiteral(", ")));
    return w;
}

// A text-mode file of the tool, compared exactly; otherwise the refusal's message.
bool DateiPruefen(const Werkzeug& w, const QString& datei, QString* meldung)
{
    if (Textdateien(w).contains(datei))
        return true;
    if (IstShopmodus(datei) && w.Dateien.contains(datei))
        *meldung = QStringLiteral("„%1“ wird nicht als Text bearbeitet; für die Shopkategorien gibt es --shop, "
                                  "--shop-speichern und --shop-neu.")
                       .arg(datei);
    else
        *meldung = QStringLiteral("„%1“ ist keine Datei von %2 (siehe --liste \"%2\").").arg(datei, w.Name);
    return false;
}

int Liste(Batch::Befehlszeile& befehl)
{
    const auto name = befehl.Position();
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    if (!name) {
        for (const QString& w : Werkzeugnamen())
            Batch::Ausgabe(w);
        return 0;
    }
    QString meldung;
    const Werkzeug* w = WerkzeugPruefen(*name, &meldung);
    if (!w)
        return Falsch(meldung);
    for (const QString& d : w->Dateien)
        Batch::Ausgabe(d);
    return 0;
}

int Exportieren(Batch::Befehlszeile& befehl, const QString& werkzeug)
{
    // The option first: otherwise its value could be taken for the file name.
    const auto ausgabe = befehl.Wert(QStringLiteral("--ausgabe"));
    const auto datei = befehl.Position();
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    if (!datei || !ausgabe || ausgabe->isEmpty())
        return Falsch(QStringLiteral("--exportieren braucht WERKZEUG DATEI --ausgabe TEXT.txt."));
    QString meldung;
    const Werkzeug* w = WerkzeugPruefen(werkzeug, &meldung);
    if (!w || !DateiPruefen(*w, *datei, &meldung))
        return Falsch(meldung);
    const Tabelle t = TabelleLaden(Tabellenpfad(*w, *datei), *datei);
    if (t.Status == Tabelle::Zustand::Fehlt)
        return Falsch(QStringLiteral("Die Datei „%1.dat“ fehlt; es gibt nichts auszugeben.").arg(*datei), 1);
    if (t.Status == Tabelle::Zustand::Fehler)
        return Falsch(t.Meldung, 1);
    if (!TextdateiSchreiben(*ausgabe, t.Text, &meldung))
        return Falsch(meldung, 1);
    return 0;
}

int Importieren(Batch::Befehlszeile& befehl, const QString& werkzeug)
{
    const auto datei = befehl.Position();
    const auto quelle = befehl.Position();
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    if (!datei || !quelle)
        return Falsch(QStringLiteral("--importieren braucht WERKZEUG DATEI TEXT.txt."));
    QString meldung;
    const Werkzeug* w = WerkzeugPruefen(werkzeug, &meldung);
    if (!w || !DateiPruefen(*w, *datei, &meldung))
        return Falsch(meldung);
    const QString pfad = Tabellenpfad(*w, *datei);
    // A table the window could not show is not replaced either (a folder in its place, a huge file).
    const Tabelle alt = TabelleLaden(pfad, *datei);
    if (alt.Status == Tabelle::Zustand::Fehler)
        return Falsch(alt.Meldung, 1);
    QString text;
    if (!TextdateiLesen(*quelle, &text, &meldung))
        return Falsch(meldung, 1);
    if (!TabelleSpeichern(pfad, text, &meldung))
        return Falsch(meldung, 1);
    return 0;
}

// Shop mode as the window enters it; false after the message.
bool ShopmodusLaden(Shopkonfiguration& shops, int* status)
{
    QString meldung;
    if (shops.Laden(&meldung))
        return true;
    *status = Falsch(meldung, 1);
    return false;
}

int ShopPruefen(const Shopkonfiguration& shops, const QString& shop)
{
    if (shops.Shops().contains(shop))
        return 0;
    return Falsch(QStringLiteral("„%1“ ist keine Shopkategorie (keine Zeile von ShopgeneratorShops.dat).").arg(shop));
}

int ShopZeigen(Batch::Befehlszeile& befehl, const QString& erster)
{
    const QStringList gewaehlt = QStringList{erster} + befehl.Werte(QStringLiteral("--shop"));
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    Shopkonfiguration shops;
    int status = 0;
    if (!ShopmodusLaden(shops, &status))
        return status;
    for (const QString& shop : gewaehlt)
        if (const int s = ShopPruefen(shops, shop))
            return s;
    for (const QString& shop : gewaehlt)
        shops.ShopWaehlen(shop);
    for (const QString& k : shops.Verfuegbar())
        Batch::Ausgabe(QStringLiteral("+\t") + k);
    for (const QString& k : shops.Regionen())
        Batch::Ausgabe(QStringLiteral("-\t") + k);
    return 0;
}

int ShopSpeichern(Batch::Befehlszeile& befehl, const QString& shop)
{
    const QStringList waren = befehl.Werte(QStringLiteral("--ware"));
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    Shopkonfiguration shops;
    int status = 0;
    if (!ShopmodusLaden(shops, &status))
        return status;
    if (const int s = ShopPruefen(shops, shop))
        return s;
    shops.ShopWaehlen(shop);
    shops.AlleZurueck();
    for (const QString& ware : waren) {
        const qsizetype zeile = shops.Regionen().indexOf(ware);
        if (zeile < 0)
            return Falsch(shops.Verfuegbar().contains(ware)
                              ? QStringLiteral("Die Kategorie „%1“ ist doppelt genannt; es wurde nichts gespeichert.").arg(ware)
                              : QStringLiteral("„%1“ ist keine Kategorie aus ItemKategorien.dat; es wurde nichts gespeichert.")
                                    .arg(ware));
        shops.Hin(int(zeile));
    }
    QString meldung;
    if (!shops.Speichern(&meldung))
        return Falsch(meldung, 1);
    return 0;
}

int ShopNeu(Batch::Befehlszeile& befehl, const QString& name)
{
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    Shopkonfiguration shops;
    int status = 0;
    if (!ShopmodusLaden(shops, &status))
        return status;
    QString meldung;
    switch (shops.NeuerShop(name, &meldung)) {
    case Shopkonfiguration::Neu::Angelegt:
        return 0;
    case Shopkonfiguration::Neu::Leer:
        return Falsch(QStringLiteral("Der Name ist leer; es wurde keine Shopkategorie angelegt."));
    case Shopkonfiguration::Neu::Vorhanden:
    case Shopkonfiguration::Neu::Ungueltig:
        return Falsch(meldung);
    case Shopkonfiguration::Neu::Fehler:
        break;
    }
    return Falsch(meldung, 1);
}

} // namespace

int BatchAusfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile befehl(argumente);
    if (befehl.Schalter(QStringLiteral("--liste")))
        return Liste(befehl);
    if (const auto werkzeug = befehl.Wert(QStringLiteral("--exportieren")))
        return Exportieren(befehl, *werkzeug);
    if (const auto werkzeug = befehl.Wert(QStringLiteral("--importieren")))
        return Importieren(befehl, *werkzeug);
    if (const auto shop = befehl.Wert(QStringLiteral("--shop-speichern")))
        return ShopSpeichern(befehl, *shop);
    if (const auto name = befehl.Wert(QStringLiteral("--shop-neu")))
        return ShopNeu(befehl, *name);
    if (const auto shop = befehl.Wert(QStringLiteral("--shop")))
        return ShopZeigen(befehl, *shop);
    // A command named without its value is reported as such; anything else is no command of ours.
    for (const char* name : {"--exportieren", "--importieren", "--shop-speichern", "--shop-neu", "--shop"})
        if (argumente.contains(QLatin1String(name)) && !befehl.Fehlerhaft().isEmpty())
            return Falsch(befehl.Fehlerhaft());
    return Falsch(QStringLiteral("Unbekannter Befehl%1. Mit --help erscheinen die Befehle von Tabellar3.")
                      .arg(argumente.isEmpty() ? QString() : QStringLiteral(" „%1“").arg(argumente.first())));
}

} // namespace DatEditorEngine
