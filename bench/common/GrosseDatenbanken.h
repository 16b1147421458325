#pragma once

#include <QString>

// Large databases for the list benchmarks: the shipped records of a tool again and again, each under a name
// of its own, written into the installation the path variables point at. Each returns the size of the
// database file written, or -1.
namespace GrosseDatenbanken {

// Waffkam3's melee weapons.
qint64 Waffen(int anzahl);
// Bestiar3's creatures.
qint64 Kreaturen(int anzahl);
// Lagerhof3's clothing (the window shows it under "Alles" at start, with every other category).
qint64 Kleidung(int anzahl);

} // namespace GrosseDatenbanken
