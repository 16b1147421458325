#include "Stadtdatei.h"

#include "Dateien.h"
#include "Dialoge.h"
#include "Stadt.h"
#include "Stadtkarte.h"
#include "Zeilendatei.h"

namespace CityEngine {

const QString Kennung = QStringLiteral("Ortsbau 3");

namespace Meldungen {
const QString Gespeichert = QStringLiteral("Die Datei wurde erfolgreich gespeichert.");
const QString Beschaedigt = QStringLiteral("Diese Datei wurde nicht mit Ortsbau 3 erstellt oder sie ist beschädigt.");
const QString KarteNachtragen = QStringLiteral(
    "Die Stadt verfügt über Kartenblick 3 Koordinaten, sie wurde jedoch bisher noch nicht eingetragen. Soll ich das "
    "nun tun ?");
const QString UmbenanntEintragen = QStringLiteral(
    "Die Stadt ist auf der Karte eingetragen, aber nicht unter dem Namen „%1“; vermutlich wurde sie umbenannt. Soll sie "
    "unter diesem Namen an ihrer bisherigen Stelle eingetragen werden? Bei „Nein“ wird sie ohne Kartenkoordinaten "
    "gespeichert.");
const QString UmbenanntOhnePosition = QStringLiteral(
    "Die Stadt „%1“ steht unter diesem Namen nicht auf der Karte, und ihre bisherige Position ist unbekannt. Sie wird "
    "ohne Kartenkoordinaten gespeichert; tragt sie bei Bedarf neu auf der Karte ein.");
} // namespace Meldungen

namespace {

const QString kWahr = QStringLiteral("Wahr");
const QString kFalsch = QStringLiteral("Falsch");

// An integer line: blanks around the number are ignored; 16-bit range.
bool ZahlLesen(const QString& zeile, int& zahl)
{
    const QString t = zeile.trimmed();
    if (t.isEmpty())
        return false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        const bool vorzeichen = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')) && t.size() > 1;
        if (!vorzeichen && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return false;
    }
    bool ok = false;
    const int wert = t.toInt(&ok);
    if (!ok || wert < -32768 || wert > 32767)
        return false;
    zahl = wert;
    return true;
}

void ListeAnhaengen(QStringList& zeilen, const Liste& liste)
{
    for (const QStringList& slot : liste.Slots)
        zeilen += slot;
}

} // namespace

QStringList Dateizeilen(const Stadt& stadt, const QString& x, const QString& y)
{
    QStringList zeilen;
    zeilen.append(Kennung);
    for (const Liste& liste : stadt.Betriebe)
        zeilen.append(Zeilendatei::Druckzahl(liste.Anzahl()));
    zeilen.append(Zeilendatei::Druckzahl(stadt.Tempel.Anzahl()));
    zeilen.append(stadt.Name);
    zeilen.append(stadt.Einwohnerzahl);
    zeilen.append(Zeilendatei::Druckzahl(stadt.Rasse));
    zeilen.append(stadt.Durchfahrende);
    zeilen.append(stadt.Markt);
    zeilen.append(stadt.Buergermeister);
    zeilen.append(Zeilendatei::Druckzahl(stadt.Reichtum));
    zeilen.append(Zeilendatei::Druckzahl(stadt.Kriminalitaet));
    zeilen.append(stadt.Hintergrund);
    for (const Liste& liste : stadt.Betriebe)
        ListeAnhaengen(zeilen, liste);
    ListeAnhaengen(zeilen, stadt.Tempel);
    zeilen.append(stadt.StadtAufKarte ? kWahr : kFalsch);
    if (stadt.StadtAufKarte) {
        zeilen.append(x);
        zeilen.append(y);
    }
    return zeilen;
}

Leseergebnis StadtdateiLesen(const QString& pfad, Stadt& ziel, QString* grund)
{
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = [](const QString& erste) { return erste == Kennung; };
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad, optionen);
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt || gelesen.Status == Zeilendatei::Lesestatus::Unlesbar) {
        if (grund)
            *grund = gelesen.Grund;
        return Leseergebnis::NichtGefunden;
    }
    // A folder, a device or a file far too large for a city is no city file either.
    if (!gelesen.Gelesen())
        return Leseergebnis::Beschaedigt;
    const QStringList& z = gelesen.Zeilen;
    if (z.isEmpty() || z[0] != Kennung)
        return Leseergebnis::Beschaedigt;

    // Everything is checked and read into a fresh record; the caller's city changes only at the end.
    int anzahl[KategorienAnzahl + 1] = {};
    qsizetype benoetigt = 19;
    for (int i = 0; i <= KategorienAnzahl; ++i) {
        if (z.size() <= 1 + i || !ZahlLesen(z[1 + i], anzahl[i]) || anzahl[i] < 0 || anzahl[i] > MaxEintraege)
            return Leseergebnis::Beschaedigt;
        benoetigt += qsizetype(anzahl[i] + 1) * (i < KategorienAnzahl ? BetriebsFelder : TempelFelder);
    }
    if (z.size() < benoetigt)
        return Leseergebnis::Beschaedigt;

    Stadt neu;
    neu.Name = z[9];
    neu.Einwohnerzahl = z[10];
    if (!ZahlLesen(z[11], neu.Rasse) || !ZahlLesen(z[15], neu.Reichtum) || !ZahlLesen(z[16], neu.Kriminalitaet))
        return Leseergebnis::Beschaedigt;
    neu.Durchfahrende = z[12];
    neu.Markt = z[13];
    neu.Buergermeister = z[14];
    neu.Hintergrund = z[17];

    qsizetype zeile = 18;
    auto listeLesen = [&](Liste& liste, int n, int felder) {
        liste.Slots.clear();
        liste.Slots.reserve(n + 1);
        for (int s = 0; s <= n; ++s) {
            liste.Slots.append(z.mid(zeile, felder));
            zeile += felder;
        }
    };
    for (int i = 0; i < KategorienAnzahl; ++i)
        listeLesen(neu.Betriebe[i], anzahl[i], BetriebsFelder);
    listeLesen(neu.Tempel, anzahl[KategorienAnzahl], TempelFelder);

    neu.StadtAufKarte = z[zeile] == kWahr;
    if (neu.StadtAufKarte) {
        // A flagged file always carries its two coordinate lines; without them it was cut short.
        if (z.size() < zeile + 3)
            return Leseergebnis::Beschaedigt;
        neu.KarteX = z[zeile + 1];
        neu.KarteY = z[zeile + 2];
    }
    ziel = std::move(neu);
    return Leseergebnis::Gelesen;
}

bool StadtdateiSchreiben(const QString& pfad, const Stadt& stadt, const QString& x, const QString& y, QString* fehler)
{
    return Zeilendatei::Schreiben(pfad, Dateizeilen(stadt, x, y), fehler);
}

namespace {

// A placed city saved under a name the map does not list (it was renamed): enter it under the new name at
// its last known position, or save it without map coordinates. Either way the register stays consistent.
void UmbenannteStadtEintragen(Stadt& stadt)
{
    const bool position = !stadt.KarteX.isEmpty() && !stadt.KarteY.isEmpty();
    if (position && Dialoge::Frage(Meldungen::UmbenanntEintragen.arg(stadt.Name))) {
        QString fehler;
        if (KarteEintragen(stadt, stadt.KarteX, stadt.KarteY, &fehler))
            return;
        Dialoge::Warnung(Meldungen::KarteNichtGeschrieben + QStringLiteral("\n\n") + fehler);
    } else if (!position) {
        Dialoge::Hinweis(Meldungen::UmbenanntOhnePosition.arg(stadt.Name));
    }
    stadt.StadtAufKarte = false;
    stadt.KarteX.clear();
    stadt.KarteY.clear();
}

} // namespace

bool StadtSpeichern(const QString& pfad, Stadt& stadt)
{
    if (stadt.StadtAufKarte && !KarteGelistet(stadt))
        UmbenannteStadtEintragen(stadt);
    QString x;
    QString y;
    QString fehler;
    if (stadt.StadtAufKarte) {
        if (!KarteAktualisieren(stadt, x, y, &fehler))
            Dialoge::Warnung(QStringLiteral("Die Kartendaten (Städte.dat) konnten nicht aktualisiert werden: ") + fehler);
        if (!x.isEmpty() && !y.isEmpty()) {
            stadt.KarteX = x;
            stadt.KarteY = y;
        }
    }
    if (!StadtdateiSchreiben(pfad, stadt, x, y, &fehler)) {
        Dialoge::Warnung(QStringLiteral("Die Datei konnte nicht gespeichert werden: %1").arg(fehler));
        return false;
    }
    Dialoge::Hinweis(Meldungen::Gespeichert);
    return true;
}

bool StadtLaden(const QString& pfad, Stadt& stadt)
{
    QString grund;
    const Leseergebnis ergebnis = StadtdateiLesen(pfad, stadt, &grund);
    if (ergebnis == Leseergebnis::NichtGefunden) {
        Dialoge::Warnung(QStringLiteral("Die Datei %1 konnte nicht geöffnet werden: %2.").arg(Dateien::Anzeigename(pfad), grund));
        return false;
    }
    if (ergebnis == Leseergebnis::Beschaedigt) {
        Dialoge::Warnung(Meldungen::Beschaedigt);
        return false;
    }
    QString fehler;
    if (stadt.StadtAufKarte && !KarteGelistet(stadt) && Dialoge::Frage(Meldungen::KarteNachtragen)
        && !KarteEintragen(stadt, stadt.KarteX, stadt.KarteY, &fehler))
        Dialoge::Warnung(Meldungen::KarteNichtGeschrieben + QStringLiteral("\n\n") + fehler);
    return true;
}

} // namespace CityEngine
