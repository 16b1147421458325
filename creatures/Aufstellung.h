#pragma once

#include "BattleEngine.h"

#include <QString>
#include <QStringList>

#include <optional>

// A line-up file: both groups with every value a fight needs, so an encounter can be kept and fought again
// without the database. Windows-1252 with CR LF; line 1 "Aufstellung 1", then one line per member, heroes
// first, ten fields separated by tabs: "Held" or "Gegner", Name, MU, AT, PA, Anzahl, Würfel, Bonus, RS, LE.
namespace Aufstellung {

QString Kopfzeile();

// The file's lines for the groups. A tab or line break in a name becomes a blank.
QStringList Zeilen(const BattleEngine::Kampfstand& stand);
// Writes the file whole; false with a message for the user when it could not be written.
bool Speichern(const BattleEngine::Kampfstand& stand, const QString& pfad, QString* fehler = nullptr);

// The groups of a file's lines. A damaged file, or one with more than BattleEngine::HoechsteMitglieder in
// a group, is refused whole, with a message that names the file (`anzeige`) and the line.
std::optional<BattleEngine::Kampfstand> AusZeilen(const QStringList& zeilen, const QString& anzeige,
                                                   QString* fehler = nullptr);
// DataPfad + "\Creatures\Letzte Aufstellung.dat": Bestiar3 keeps the groups of its last fight or odds run
// there, so the day tool's journey planner can take their heroes.
QString LetztePfad();

// Reads a file (a regular file within the size limit, its first line checked before the rest).
std::optional<BattleEngine::Kampfstand> Lesen(const QString& pfad, QString* fehler = nullptr);

} // namespace Aufstellung
