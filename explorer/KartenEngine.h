#pragma once

#include "ExplorerEngine.h"

#include <QString>
#include <QStringList>

#include <optional>

// The map explorer's logic: the city list, where a city's marker goes on either map, the city panel's
// texts, distances in Meilen, and how the map frame and its scroll bars are laid out. Window and batch mode
// both call these functions.
namespace KartenEngine {

// What the window shows: nothing yet (after start), the large map or the small one.
enum class Karte : quint8 { Keine = 0, Gross = 1, Klein = 2 };

// The map pictures below DataPfad.
extern const QString BildGross; // "\Explorer\Aventurien.jpg"
extern const QString BildKlein; // "\Explorer\AventurienKlein.jpg"
QString Bildpfad(Karte karte);
// "gross" and "klein" as batch mode names them.
std::optional<Karte> KarteAusName(const QString& name);

// ---- city list

struct Staedte {
    QStringList Namen;
    // Empty unless the file exists but could not be read (too large, no regular file, no permission).
    QString Meldung;
};
// The entries of the city box: the lines of Städteliste.dat in file order, blank lines left out. A missing
// file is an empty list without a message.
Staedte ListeLaden();

// Why the register Städte.dat cannot be read (too large, no regular file, no permission): a city would show
// as empty. Empty when it can be read, and when it is missing (no city has been placed yet).
QString RegisterMeldung();

// Reads Städte.dat ahead, at start: the settings reader keeps it until the file changes, so the first
// choice of a city is as quick as every later one and still sees what the city tool writes meanwhile.
void RegisterVorlesen();

// ---- positions (map units; 15 units are one pixel of the map picture)

// Units from a city's position to the top left of its name.
constexpr int NamensAbstand = 200;
// Marker sizes in pixels of the map picture.
constexpr int PunktGross = 15;
constexpr int PunktKlein = 8;

// A large-map value on the small map: divided by 3.2 and rounded half to even (exactly, for any value).
qint64 Verkleinern(qint64 einheiten);

struct Markierung {
    bool Sichtbar = false; // false for a city without a usable "X" or "Y"
    qint64 X = 0;          // centre of the dot
    qint64 Y = 0;
    double NameX = 0;      // top left of the name (on the small map 62.5 units right of the dot)
    qint64 NameY = 0;
    int Punkt = 0;         // diameter of the dot in pixels
};
Markierung MarkierungBerechnen(const ExplorerEngine::Kartenstadt& stadt, Karte karte);

// The scroll bar value that shows a map pixel: the value kept while the pixel lies well inside the frame
// (not in the outer tenth on either side), else the one that brings it to the frame's middle, within
// 0 ... maximum.
int Bildlauf(qint64 pixel, int wert, int rahmen, int maximum);

// "X", "Y", small X and small Y separated by tabs; empty for a city without a position.
QString Positionszeile(const ExplorerEngine::Kartenstadt& stadt);

// ---- city panel

struct Tafel {
    QString Name;      // lblName
    QString Einwohner; // lblEinwohner: "ca. " + Einwohner + " Einwohner"
    QString Tempel;    // lblTempel: "Tempel: " + Tempel, without the comma after the last deity
    QString Bild;      // full path of the city's picture; empty without "Pic"
};
Tafel TafelTexte(const ExplorerEngine::Kartenstadt& stadt);

// ---- distances

extern const QString EntfernungLeer; // "Entfernung:" before the first measurement

struct Punkt {
    qint32 X = 0;
    qint32 Y = 0;
};

// A click at a pixel of the map picture, in whole map units (rounded half to even, within 0 ... 2^31 - 1).
qint32 Klickposition(double pixel);

// d units on that map in Meilen: d / 675 × 100 on the large map, × 320 on the small one, rounded half to even.
qint64 Meilen(qint64 d, Karte karte);
// dx, dy absolute, d = Entfernung(dx, dy), then Meilen.
qint64 MeilenZwischen(Punkt a, Punkt b, Karte karte);
QString EntfernungText(qint64 meilen); // "Entfernung: N Meilen"

// A measurement between two presses on the map.
struct Messung {
    bool Misst = false; // after the first press
    Punkt Erster;
    Punkt Zweiter;
};
// A press at the point: the first remembers it, the second ends the measurement and returns the text for
// lblEntfernung.
std::optional<QString> Druecken(Messung& messung, Punkt punkt, Karte karte);

// A position given to a batch command: whole map units from 0 to 2147483647, "." between groups of three
// digits as thousands separator ("12.000"), or decimals after "," or "." rounded half to even ("1,5").
struct Positionseingabe {
    bool Ok = false;
    qint32 Wert = 0;
    QString Meldung; // why the text was refused, naming the value as `was`
};
Positionseingabe PositionLesen(const QString& text, const QString& was);

// ---- map frame and scroll bars

struct Laufleiste {
    bool Sichtbar = false; // only while the map is larger than the frame along the bar
    int Maximum = 0;       // map size minus frame size
    int Schritt = 1;       // arrow step: 1/100 of the map's extent along the bar
    int Seite = 1;         // page step: 1/10 of it
};

struct Rahmen {
    int Breite = 0; // the frame picKarten
    int Hoehe = 0;
    Laufleiste Waagrecht; // hscKarte below the frame
    Laufleiste Senkrecht; // vscKarte right of it
};

// The frame in an area of the given size for a map of the given size; a visible bar takes `dicke` pixels
// from the frame, which may in turn make the other bar necessary.
Rahmen RahmenBerechnen(int flaecheBreite, int flaecheHoehe, int karteBreite, int karteHoehe, int dicke);

} // namespace KartenEngine
