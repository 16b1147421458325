#pragma once

#include "BattleEngine.h"
#include "Kreaturentabelle.h"

// The creatures tool's program-wide state: the creature table, the edit mode, the selected creature and
// the two battle groups.
namespace Creatures3Variablen {

// The program title, used as the title of every message box and in the page titles.
extern const QString Programmtitel;

extern Kreaturentabellen::Kreaturentabelle Kreaturen;
// Whether the edit pages hold an existing record.
extern bool Bearbeitungsmodus;
// The row of the selected list item; -1 while the list is empty.
extern int AktuelleKreatur;
extern BattleEngine::Kampfstand Kampf;
// The groups as they were before the last fight or odds run ("Letzte Aufstellung").
extern std::optional<BattleEngine::Kampfstand> LetzteAufstellung;

// Loads the database; returns the messages for the user (a missing or damaged database, a missing or
// unreadable category list), each once.
QStringList DatenLaden();
// Starts reading the database on a worker thread (a program's main, before it builds its window, so that
// reading and building overlap); the next DatenLaden takes what was read instead of reading again.
void DatenVorladen();

} // namespace Creatures3Variablen
