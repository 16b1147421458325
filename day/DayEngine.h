#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The day tool's engine: weather, wind and temperature of three days, travel speeds of the terrains, day
// events from the events file, and the page that shows them. Every roll goes through Subs::Zufallszahl.
namespace DayEngine {

// "Tageslauf 3": the title of every message box of the day tool.
extern const QString Programmtitel;

enum class Jahreszeit { Fruehling, Sommer, Herbst, Winter };

// "Frühling", "Sommer", "Herbst", "Winter": the captions of the season buttons, in their order.
QStringList Jahreszeiten();
QString JahreszeitName(Jahreszeit jahreszeit);
// The season of exactly that name.
std::optional<Jahreszeit> JahreszeitSuchen(const QString& name);

// The ten terrains in the order of the terrain list.
QStringList Gelaendearten();

// One row of a weather table: the weather text and what it does to the trend, the wind and the temperature.
struct Wetterlage {
    QString Text;
    int Trend = 0;
    int WindMod = 0;
    int TempMod = 0;
};

// The weather of a roll (in spring and autumn also of a carried index above 20).
Wetterlage Wetter(Jahreszeit jahreszeit, int wurf);
// Wind step 0 to 8; below 0 reads as calm, above 8 as a hurricane.
QString Windtext(int stufe);
// Temperature step; in winter 6 and 7 count as unnaturally warm like 8.
QString Temperaturtext(int stufe, Jahreszeit jahreszeit);

struct Tag {
    QString Bezeichnung; // "Aktueller Tag", "Nächster Tag", "Übernächster Tag"
    int Wetterwurf = 0;  // the W20, or in spring and autumn from the second day on the carried index
    Wetterlage Wetter;
    int Windstufe = 0;   // as rolled, before it was read on the wind scale
    QString Wind;
    int Temperaturstufe = 0;
    QString Temperatur;
};

// Rolls the three days: for each day the weather, then the wind W6, then the temperature W6.
QList<Tag> TageWuerfeln(Jahreszeit jahreszeit);

// p percent of the base, rounded half to even (75% of 30 gives 22, 75% of 50 gives 38).
int ProzentVon(int prozent, int basis);

// The speeds of one sub-kind of a terrain in miles a day, as the travel lines give them. Grasland has one
// sub-kind without a name; Klippengebiete has none mounted.
struct Geschwindigkeit {
    QString Unterart;
    int Fuss = 0;
    int Beritten = 0; // 0: horses cannot be used here
};
// The sub-kinds in the order of the travel lines; empty for "Sumpf" and for unknown names.
QList<Geschwindigkeit> Geschwindigkeiten(const QString& gelaende);

// One bold line of the travel section: label and value.
struct Reisezeile {
    QString Bezeichnung;
    QString Wert;
};
// The speed lines of the terrain, on foot before mounted, then the note; "Sumpf" and unknown names have none.
QList<Reisezeile> Reiseinformationen(const QString& gelaende);

// The events file as read for one run.
struct Ereignisdatei {
    QStringList Zeilen;  // every line of the file; empty when the file is missing, empty or unreadable
    QString Meldung;     // for the user when there are no events to draw from, else empty
};
// DataPfad + "\Day\DayEreignisse.dat".
QString EreignisPfad();
Ereignisdatei EreignisseLaden(const QString& pfad);
Ereignisdatei EreignisseLaden();

// DataPfad + "\Day\Ereignisse\" + terrain + ".dat": a terrain's own events (optional).
QString GelaendeEreignisPfad(const QString& gelaende);
// What a terrain draws from: the lines of DayEreignisse.dat followed by the lines of the terrain's file, as
// one list (blank lines of the terrain's file left out). Without a terrain file it is DayEreignisse.dat alone.
// A missing or empty DayEreignisse.dat is reported even when the terrain's file gives events.
Ereignisdatei EreignisseFuer(const QString& gelaende);

struct Ereignis {
    int Zeile = 0; // line number in the file, from 1
    QString Text;
};
// Three picks: the first among all lines, each further one among the lines up to the pick before, so later
// events come from the start of the file. No lines, no picks (and no rolls).
QList<Ereignis> EreignisseZiehen(const QStringList& zeilen);

struct Tageslauf {
    QString Gelaende;
    Jahreszeit Saison = Jahreszeit::Fruehling;
    QList<Tag> Tage;
    QList<Ereignis> Ereignisse;
};

// All rolls of one run in their order: the three days, then the event picks.
Tageslauf Berechnen(const QString& gelaende, Jahreszeit jahreszeit, const QStringList& ereignisse);

// The page, without a head; event texts are masked.
void SeiteSchreiben(const Tageslauf& lauf, QIODevice& datei);
QByteArray Seite(const Tageslauf& lauf);
// Writes the page atomically; on failure the old file stays and *fehler holds a German message.
bool SeiteSpeichern(const Tageslauf& lauf, const QString& pfad, QString* fehler = nullptr);

// TempPfad + "\Temp.html"; its folder is created when it is missing.
QString TempSeite();

} // namespace DayEngine
