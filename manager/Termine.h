#pragma once

#include <QString>

class QDate;

// Day notes: section [Date] of Werkbund3.ini, one key per day in the system's short date form.
namespace Termine {

QString Schluessel(const QDate& tag);
// The note of the day, empty when there is none.
QString Notiz(const QDate& tag);
// Stores a note; an empty text is not stored (an existing note stays). False when nothing was written.
bool Speichern(const QDate& tag, const QString& text);

// Longest note that reads back whole from the settings file.
constexpr int kMaxLaenge = 254;

} // namespace Termine
