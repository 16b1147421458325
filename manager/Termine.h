#pragma once

#include <QString>

class QDate;

// Day notes: section [Date] of Werkbund3.ini, one key per day written as "2026-12-10", whatever the
// system's language. Notes stored by earlier versions under the system's short date form are still read
// and move to the new keys with the next save.
namespace Termine {

QString Schluessel(const QDate& tag);
// The day as the window shows and asks it: "10. Dezember 2026".
QString Anzeige(const QDate& tag);
// The note of the day, empty when there is none.
QString Notiz(const QDate& tag);

enum class Ergebnis { Gespeichert, Uebernommen, Abgebrochen, Fehler };
// Stores a note typed over `geladen`, the note as it was shown; an empty text is not stored (an existing
// note stays). When another window changed the day's note meanwhile, the user is asked which to keep:
// Uebernommen means the other one stays and nothing was written. Fehler after a message.
Ergebnis Speichern(const QDate& tag, const QString& text, const QString& geladen);

// Longest note that reads back whole from the settings file.
constexpr int kMaxLaenge = 254;

} // namespace Termine
