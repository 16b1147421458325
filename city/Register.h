#pragma once

#include <QStringList>

// The record browser shared by the seven business registers and the temple register: one entry shown at
// a time (AktuelleStelle), stored, stepped through and deleted. The blank slot at position n takes the next
// new entry.
namespace CityEngine {

struct Liste;

struct Knopfzustand {
    bool Zurueck = false; // "<<<": AktuelleStelle > 0
    bool Weiter = false;  // ">>>": AktuelleStelle < n
    bool Loeschen = false; // a filled slot is shown
};

Knopfzustand Knoepfe(const Liste& liste, int stelle);

// The slot shown at the position.
const QStringList& Gezeigt(const Liste& liste, int stelle);

// Stores the fields at the position: the blank slot becomes an entry and a new blank slot (of empty texts)
// is appended; a filled slot is overwritten. False when the list is full (nothing changes).
bool Speichern(Liste& liste, int stelle, const QStringList& felder);

// One step forward or back; the position never leaves 0..n.
void Weiter(const Liste& liste, int& stelle);
void Zurueck(int& stelle);

// Removes the entry at the position (the slots behind it move forward); the position stays. Nothing
// happens when the blank slot is shown.
void Loeschen(Liste& liste, int stelle);

} // namespace CityEngine
