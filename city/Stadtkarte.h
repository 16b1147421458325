#pragma once

#include <QString>

// The city on the world map: the entries the city tool writes into Städteliste.dat and Städte.dat.
namespace CityEngine {

struct Stadt;

extern const QString Kartenbild; // "\Explorer\Aventurien.jpg" below DataPfad

// Whether the city's name is a line of Städteliste.dat (exact comparison).
bool KarteGelistet(const Stadt& stadt);

// Enters the city with the given coordinates (text as written): its name once into the list, and
// "X", "Y", "Einwohner", "Tempel" into its section. False when a file could not be written.
bool KarteEintragen(const Stadt& stadt, const QString& x, const QString& y);

// Keeps "Einwohner" and "Tempel" of a placed city current and returns its "X" and "Y" as stored there
// (empty when missing). False when Städte.dat could not be written.
bool KarteAktualisieren(const Stadt& stadt, QString& x, QString& y);

// A confirmed click on the map picture at the pixel position: enters the city at 15 map units per pixel
// and sets StadtAufKarte. False (and nothing set) when a file could not be written.
bool StadtPlatzieren(Stadt& stadt, int pixelX, int pixelY);

namespace Meldungen {
extern const QString Ueberschreiben;
extern const QString Platzieren;
extern const QString KarteNichtGeschrieben;
} // namespace Meldungen

} // namespace CityEngine
