#pragma once

#include <QString>

// Random personal names after the naming customs of the game's peoples, from the name lists under
// DataPfad\City. The lists are read anew on every call; a missing or empty list gives an empty part.
namespace GenNameSub {

// Geschlecht is "Männlich", "Weiblich", "Zufall" or empty; empty and "Zufall" are drawn and written back
// (except for "Mohas", whose names carry no gender).
QString Zufallsname(const QString& Rasse, QString& Geschlecht);

} // namespace GenNameSub
