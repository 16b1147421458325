#pragma once

#include <QString>

// The city on the world map: the entries the city tool writes into Städteliste.dat and Städte.dat.
namespace CityEngine {

struct Stadt;

extern const QString Kartenbild; // "\Explorer\Aventurien.jpg" below DataPfad

// Whether the city is a line of Städteliste.dat; blanks around the name and letter case do not count, so
// "altwasser" is the listed "Altwasser" (the register's sections are found the same way).
bool KarteGelistet(const Stadt& stadt);

// Enters the city with the given coordinates (text as written): its name once into the list, and
// "X", "Y", "Einwohner", "Tempel" into its section. False, with the reason, when that failed.
bool KarteEintragen(const Stadt& stadt, const QString& x, const QString& y, QString* fehler = nullptr);

// Keeps "Einwohner" and "Tempel" of a listed city current and returns its "X" and "Y" as stored there
// (empty when missing). False, with the reason, when Städte.dat could not be written.
bool KarteAktualisieren(const Stadt& stadt, QString& x, QString& y, QString* fehler = nullptr);

// A confirmed click on the map picture at the pixel position: enters the city at 15 map units per pixel,
// sets StadtAufKarte and remembers the position. False (and nothing set) when that failed.
bool StadtPlatzieren(Stadt& stadt, int pixelX, int pixelY, QString* fehler = nullptr);

namespace Meldungen {
extern const QString Ueberschreiben;
extern const QString Platzieren;
extern const QString KarteNichtGeschrieben;
extern const QString KartenbildFehlt;
} // namespace Meldungen

} // namespace CityEngine
