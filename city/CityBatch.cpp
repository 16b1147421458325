#include "CityBatch.h"

#include "Batch.h"
#include "CityEngine.h"
#include "GenNameSub.h"
#include "Stadt.h"
#include "Stadtbericht.h"
#include "Stadtdatei.h"

namespace CityEngine {

const QString BatchHilfe = QStringLiteral(
    "Befehle:\n"
    "  --generieren --name NAME --einwohner ZAHL [--reichtum Reich|Normal|Arm]\n"
    "      [--kriminalitaet Hoch|Mittel|Niedrig] [--rasse VOLK] [--lage Binnenland|Fluss|Küste|Gebirge]\n"
    "      [--zufallsnamen] [--zufallsereignisse] --ausgabe DATEI.html\n"
    "      erfindet eine Stadt und schreibt sie als HTML-Seite, wie es der Stadtgenerator tut;\n"
    "      ohne --lage liegt sie im Binnenland\n"
    "  --bericht STADT.wbd --ausgabe DATEI.html\n"
    "      lädt eine Stadtdatei und schreibt ihren HTML-Bericht (die Kartendateien bleiben unberührt)\n"
    "  --zufallsname VOLK [--geschlecht Männlich|Weiblich|Zufall]\n"
    "      gibt einen Zufallsnamen (erste Zeile) und das Geschlecht (zweite Zeile) aus\n"
    "  VOLK ist eines von: Bornland, Elfen, Gareth, Mohas, Nivesen, Norbarden, Thorwaler, Tulamiden, Zwerge");

namespace {

int Falsch(const QString& meldung, int status = 2)
{
    return Batch::Abbruch(meldung, status);
}

QString Auswahl(const QStringList& liste)
{
    return liste.join(QStringLiteral(", "));
}

int Generieren(Batch::Befehlszeile& befehl)
{
    Generatoreingaben e;
    const auto name = befehl.Name(QStringLiteral("--name"));
    const auto einwohner = befehl.Wert(QStringLiteral("--einwohner"));
    const auto reichtum = befehl.Wert(QStringLiteral("--reichtum"));
    const auto kriminalitaet = befehl.Wert(QStringLiteral("--kriminalitaet"));
    const auto rasse = befehl.Wert(QStringLiteral("--rasse"));
    const auto lage = befehl.Wert(QStringLiteral("--lage"));
    e.Zufallsnamen = befehl.Schalter(QStringLiteral("--zufallsnamen"));
    e.Zufallsereignisse = befehl.Schalter(QStringLiteral("--zufallsereignisse"));
    const auto ausgabe = befehl.Wert(QStringLiteral("--ausgabe"));
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    if (!name)
        return Falsch(QStringLiteral("--generieren braucht --name NAME."));
    if (!einwohner)
        return Falsch(QStringLiteral("--generieren braucht --einwohner ZAHL."));
    if (!ausgabe || ausgabe->isEmpty())
        return Falsch(QStringLiteral("--generieren braucht --ausgabe DATEI.html."));
    e.Stadtname = *name;
    QString meldung;
    if (!EinwohnerLesen(*einwohner, e.Einwohner, &meldung))
        return Falsch(meldung);
    if (reichtum) {
        if (!Reichtuemer().contains(*reichtum))
            return Falsch(QStringLiteral("Unbekannter Reichtum \"%1\" (erlaubt: %2).").arg(*reichtum, Auswahl(Reichtuemer())));
        e.Reichtum = *reichtum;
    }
    if (kriminalitaet) {
        if (!Kriminalitaeten().contains(*kriminalitaet))
            return Falsch(QStringLiteral("Unbekannte Kriminalität \"%1\" (erlaubt: %2).")
                              .arg(*kriminalitaet, Auswahl(Kriminalitaeten())));
        e.Kriminalitaet = *kriminalitaet;
    }
    if (rasse) {
        if (!Rassen().contains(*rasse))
            return Falsch(QStringLiteral("Unbekanntes Volk \"%1\" (erlaubt: %2).").arg(*rasse, Auswahl(Rassen())));
        e.Rasse = *rasse;
    }
    if (lage) {
        const qsizetype index = Lagenamen().indexOf(*lage);
        if (index < 0)
            return Falsch(QStringLiteral("Unbekannte Lage \"%1\" (erlaubt: %2).").arg(*lage, Auswahl(Lagenamen())));
        e.Lage = Stadtlage(index);
    }
    if (e.Zufallsnamen && e.Rasse.isEmpty())
        return Falsch(Meldungen::RasseFehlt);
    QString fehler;
    if (!StadtGenerierenInDatei(e, *ausgabe, &fehler))
        return Falsch(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(*ausgabe, fehler), 1);
    return 0;
}

int Bericht(Batch::Befehlszeile& befehl, const QString& stadtdatei)
{
    const auto ausgabe = befehl.Wert(QStringLiteral("--ausgabe"));
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    if (!ausgabe || ausgabe->isEmpty())
        return Falsch(QStringLiteral("--bericht braucht --ausgabe DATEI.html."));
    Stadt stadt;
    // The batch dialog seam answers the map question No, so the map files stay untouched.
    if (!StadtLaden(stadtdatei, stadt))
        return 1;
    QString fehler;
    if (!BerichtSpeichern(stadt, *ausgabe, &fehler))
        return Falsch(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(*ausgabe, fehler), 1);
    return 0;
}

int Zufallsname(Batch::Befehlszeile& befehl, const QString& volk)
{
    const auto geschlecht = befehl.Wert(QStringLiteral("--geschlecht"));
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    if (!Rassen().contains(volk))
        return Falsch(QStringLiteral("Unbekanntes Volk \"%1\" (erlaubt: %2).").arg(volk, Auswahl(Rassen())));
    QString g = geschlecht.value_or(QStringLiteral("Zufall"));
    if (g != QStringLiteral("Männlich") && g != QLatin1String("Weiblich") && g != QLatin1String("Zufall"))
        return Falsch(QStringLiteral("Unbekanntes Geschlecht \"%1\" (erlaubt: Männlich, Weiblich, Zufall).").arg(g));
    const QString name = GenNameSub::Zufallsname(volk, g);
    Batch::Ausgabe(name);
    // Names of the Mohas carry no gender.
    Batch::Ausgabe(volk == QLatin1String("Mohas") ? QString() : g);
    return 0;
}

} // namespace

int BatchAusfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile befehl(argumente);
    if (befehl.Schalter(QStringLiteral("--generieren")))
        return Generieren(befehl);
    if (const auto datei = befehl.Wert(QStringLiteral("--bericht")))
        return Bericht(befehl, *datei);
    if (const auto volk = befehl.Wert(QStringLiteral("--zufallsname")))
        return Zufallsname(befehl, *volk);
    if (!befehl.Fehlerhaft().isEmpty())
        return Falsch(befehl.Fehlerhaft());
    return Falsch(QStringLiteral("Unbekannter Befehl. Mit --help erscheinen die Befehle von Ortsbau3."));
}

} // namespace CityEngine
