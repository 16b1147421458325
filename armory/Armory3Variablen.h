#pragma once

#include "Waffentabelle.h"

// The armory's program-wide state: its three tables and the edit mode of the main window.
namespace Armory3Variablen {

// The program title, used as the title of every message box and in the page titles.
extern const QString Programmtitel;

extern Waffentabellen::Waffentabelle NWaffen;
extern Waffentabellen::Waffentabelle FWaffen;
extern Waffentabellen::Waffentabelle Armor;

Waffentabellen::Waffentabelle& Tabelle(Waffentabellen::Tabelle t);

// The table shown ("NWaffen" at start); whether the edit pages hold an existing row, and which.
extern Waffentabellen::Tabelle AktuelleTabelle;
extern bool Bearbeitungsmodus;
extern int Bearbeitungszeile;

// Loads the three tables in the order melee, ranged, armour; returns the messages for the user (one per
// file that was missing or damaged).
QStringList TabellenLaden();
// Starts reading the three files on a worker thread (a program's main, before it builds its window, so that
// reading and building overlap); the next TabellenLaden takes what was read instead of reading again.
void TabellenVorladen();

} // namespace Armory3Variablen
