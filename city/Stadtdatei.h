#pragma once

#include <QString>
#include <QStringList>

// The city file (*.wbd, first line "Ortsbau 3") and the save and load actions with their map effects.
namespace CityEngine {

struct Stadt;

extern const QString Kennung; // "Ortsbau 3"

// The lines of the file, in file order; after "Wahr" the two coordinate lines x and y follow.
QStringList Dateizeilen(const Stadt& stadt, const QString& x = QString(), const QString& y = QString());

enum class Leseergebnis { Gelesen, NichtGefunden, Beschaedigt };

// Reads a city file whole. Only a file that is complete and well-formed replaces `ziel`; otherwise `ziel`
// is left exactly as it was. The two coordinate lines of a flagged file land in KarteX and KarteY.
// NichtGefunden comes with the reason in *grund.
Leseergebnis StadtdateiLesen(const QString& pfad, Stadt& ziel, QString* grund = nullptr);

// Writes the file atomically; false and the reason when it could not be written.
bool StadtdateiSchreiben(const QString& pfad, const Stadt& stadt, const QString& x, const QString& y,
                         QString* fehler = nullptr);

// cmdSave after the file dialog: updates the map register of a placed city, writes the file with the
// map's coordinates and tells the user how it went. A placed city that the map does not list under its
// name (renamed) is entered again under the new name, or its map flag is cleared, as the user chooses.
// True when the file was written.
bool StadtSpeichern(const QString& pfad, Stadt& stadt);

// cmdLoad after the file dialog: reads the file (a refused file leaves `stadt` as it was and says so),
// then offers to enter a placed but unlisted city into the map register. True when the city was loaded.
bool StadtLaden(const QString& pfad, Stadt& stadt);

namespace Meldungen {
extern const QString Gespeichert;
extern const QString Beschaedigt;
extern const QString KarteNachtragen;
extern const QString UmbenanntEintragen;
extern const QString UmbenanntOhnePosition;
} // namespace Meldungen

} // namespace CityEngine
