#pragma once

#include "Begegnungen.h"
#include "BattleEngine.h"
#include "DayEngine.h"
#include "Gewinnchancen.h"
#include "Reiseproviant.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The journey planner: from one registered city to another (or over a distance in Meilen), day by day. It
// stands above the engines it uses: the day tool's weather, speeds and events, the map register's
// distances, the encounter tables with Bestiar3's odds engine, and the warehouse's goods for the
// provisions. Window and batch mode both call it; it draws nothing itself (the route picture is handed in).
namespace Reise {

// Longer journeys are refused.
constexpr int HoechsteTage = 365;
// Fights played for the odds of each encounter.
constexpr qint64 Kaempfe = 10000;
// The most travellers or mounts a journey takes along.
constexpr int HoechsteKoepfe = 10000;

// What the user chose for one leg.
struct Etappenwahl {
    QString Gelaende;
    QString Unterart;     // empty: the terrain's first sub-kind
    bool Huegelig = false;
    int MeilenProTag = 0; // for a terrain without a speed for the mode; 0: none given
};

struct Plan {
    QStringList Staedte;          // start, waypoints, destination: entries of the city list
    qint64 Meilen = 0;            // with no cities: one leg of this many Meilen
    QList<Etappenwahl> Etappen;   // one a leg in order, or a single one for all legs
    DayEngine::Jahreszeit Saison = DayEngine::Jahreszeit::Fruehling;
    bool Beritten = false;
    int Reisende = 1;
    int Reittiere = 0;
    QList<BattleEngine::Kaempfer> Helden; // empty: no odds
    QString Heldenquelle;         // where the heroes came from, for the page
};

struct Etappe {
    QString Von;          // city names; empty for a distance in Meilen
    QString Nach;
    qint64 VonX = 0, VonY = 0, NachX = 0, NachY = 0; // large-map positions
    qint64 Meilen = 0;
    QString Gelaende;
    QString Unterart;     // empty where the terrain names none (Grasland, a terrain without speeds)
    bool Huegelig = false;
    bool Vorgegeben = false; // the miles a day were given, the terrain has no speed for the mode
    int MeilenProTag = 0;    // what the party makes a day here, hills counted
    int Tage = 0;
    // "Wald (Lichter Wald)", "Grasland".
    QString GelaendeText() const;
    // "Möwenhafen – Eichenbrück", or "120 Meilen" without cities.
    QString Name() const;
};

struct Route {
    QList<Etappe> Etappen;
    qint64 Meilen = 0;
    int Tage = 0;
};

// Checks the plan and works out its legs: distances by the map explorer's rule on the large map, days by
// the sub-kind's speed. Nothing with a German message naming what is wrong: an unknown city, one without a
// position, the same city twice in a row, a leg of 0 Meilen, a missing speed, more than 365 days.
std::optional<Route> RoutePlanen(const Plan& plan, QString* fehler);

struct Chancen {
    bool Berechnet = false;
    Gewinnchancen::Anteil Sieg;
    Gewinnchancen::Anteil Niederlage;
};

struct Tag {
    int Nummer = 0;
    int Etappe = 0;      // index into the route's legs
    int Wetterwurf = 0;  // the W20, or in spring and autumn the carried index
    DayEngine::Wetterlage Wetter;
    int Windstufe = 0;
    QString Wind;
    int Temperaturstufe = 0;
    QString Temperatur;
    qint64 Gemacht = 0;  // Meilen made this day
    qint64 Rest = 0;     // Meilen left to the destination after it
    QString Ereignis;
    std::optional<Begegnungen::Begegnung> Begegnung;
    Chancen Chance;
};

struct Ergebnis {
    Plan Vorgabe;
    Route Strecke;
    QList<Tag> Tage;
    quint64 Saat = 0;
    Reiseproviant::Rechnung Proviant;
    // For the user, each once: creatures missing from the database, damaged files, goods without a price.
    QStringList Meldungen;
};

// The whole journey: the route, then day by day the weather (W20 or the carried index, wind W6,
// temperature W6), the event and the encounter (W100, weight, dice), then the odds of every encounter with
// Kaempfe fights from the seed, and the provisions. Rolls go through Subs::Zufallszahl.
std::optional<Ergebnis> Planen(const Plan& plan, quint64 saat, QString* fehler);

// "3× Wolf".
QString BegegnungText(const Begegnungen::Begegnung& begegnung);

// The page, Windows-1252 HTML; `karte` is the route picture as PNG (none when empty).
void SeiteSchreiben(const Ergebnis& ergebnis, const QByteArray& karte, QIODevice& datei);
QByteArray Seite(const Ergebnis& ergebnis, const QByteArray& karte);
// Writes the page atomically; on failure the old file stays and *fehler holds a German message.
bool SeiteSpeichern(const Ergebnis& ergebnis, const QByteArray& karte, const QString& pfad, QString* fehler = nullptr);

// The batch lines, tab-separated: "Tag" a day, "Proviant" a good, then "Summe".
QStringList Ausgabezeilen(const Ergebnis& ergebnis);

} // namespace Reise
