#pragma once

#include "Waffentabelle.h"

// Exchange files (*.wbd) carrying one record between installations: a kind line, then fields 1..N.
namespace ArmoryAustausch {

// "Waffkam 3 - Nahkampfwaffe", "Waffkam 3 - Fernwaffe", "Waffkam 3 - Rüstung"
QString Kennzeile(Waffentabellen::Tabelle t);

// The refusal for a file of another kind or one that ends early.
QString FremdeDateiMeldung();

// Writes the record's file atomically; false with a message on failure.
bool Exportieren(Waffentabellen::Tabelle t, const QStringList& zeile, const QString& pfad, QString* fehler = nullptr);

struct Eintrag {
    Waffentabellen::Tabelle Art = Waffentabellen::Tabelle::NWaffen;
    QStringList Felder; // field 0 empty, fields 1..N as read
};

// Reads a file. A file that does not start with one of the three kind lines (exact comparison) or that
// ends before its last field line is refused with the message; nothing else happens.
std::optional<Eintrag> Lesen(const QString& pfad, QString* fehler = nullptr);

} // namespace ArmoryAustausch
