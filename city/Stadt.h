#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The one city the tool holds: basic facts, seven business lists and the temple list.
namespace CityEngine {

// The seven business categories in the fixed order of the record and of the city file.
enum Kategorie { Gasthaus = 0, Taverne, Handwerker, Haendler, Dienst, Heiler, GBetrieb };
constexpr int KategorienAnzahl = 7;

// Fields of a business entry.
enum Betriebsfeld { FeldName = 0, FeldBesitzer, FeldPreise, FeldQualitaet, FeldZufall };
constexpr int BetriebsFelder = 5;
constexpr int TempelFelder = 2; // Gott, Geweihter

// The largest count a list may reach: the file holds 16-bit counts.
constexpr int MaxEintraege = 32767;

// A list of entries with one blank slot behind the last entry (the slot a new entry goes into).
struct Liste {
    QList<QStringList> Slots;
    int Anzahl() const { return int(Slots.size()) - 1; }
};

// Start-up lists: one slot, for businesses with price and quality "-1" (none chosen).
Liste NeueBetriebsliste();
Liste NeueTempelliste();

// Rasse when no people is chosen.
constexpr int KeineRasse = 9;

struct Stadt {
    Stadt();

    QString Name;
    QString Einwohnerzahl;
    int Rasse = KeineRasse;
    QString Durchfahrende;
    QString Markt;
    QString Buergermeister;
    int Reichtum = -1;
    int Kriminalitaet = -1;
    QString Hintergrund;
    Liste Betriebe[KategorienAnzahl];
    Liste Tempel;
    bool StadtAufKarte = false;
    // The two coordinate lines read from a flagged city file (kept for entering the city on the map).
    QString KarteX;
    QString KarteY;
};

// The deities of the city's temples, in list order (slots 0 to t-1).
QStringList Goetter(const Stadt& stadt);

// True when the city holds more than a new city gets from its start dialog: a business, a temple, or a
// basic field besides name, population and people.
bool HatAngaben(const Stadt& stadt);

// Choice lists of the record.
const QStringList& Rassen();          // index 0..8
const QStringList& Reichtuemer();     // "Reich", "Normal", "Arm"
const QStringList& Kriminalitaeten(); // "Hoch", "Mittel", "Niedrig"
const QStringList& DurchfahrendeListe();
const QStringList& MarktListe();
const QStringList& Preisliste();      // the registers' price names
const QStringList& Qualitaetsliste(Kategorie kategorie);
const QStringList& Gottheiten();

// The name of list entry `index`, or the empty text when the index is outside the list.
QString Listentext(const QStringList& liste, int index);
// An index field of an entry ("2", "-1", "") as a list index; -1 for anything that is not 0..anzahl-1.
int IndexAusText(const QString& text, int anzahl);

} // namespace CityEngine
