#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The helpers every program shares: settings-format files, existence tests, random numbers, numbers read
// from text, help pages.
namespace Subs {

// The value of a key of a settings-format file ("[section]", "key=value"); section and key are looked up
// without regard to case. Missing file, section or key give the empty text; at most 254 characters return.
QString IniLesen(const QString& datei, const QString& abschnitt, const QString& schluessel);

// Writes one key, creating file, section or key as needed; every other line stays in place. The file is
// rewritten atomically. Returns false when the file could not be written (for example a missing folder).
bool IniSchreiben(const QString& datei, const QString& abschnitt, const QString& schluessel, const QString& wert);

// Several keys of one section in one atomic rewrite, in the given order.
bool IniSchreiben(const QString& datei, const QString& abschnitt, const QList<QPair<QString, QString>>& werte);

// True when a plain, non-hidden file matches the path; the file name may hold the wildcards * and ?.
// Names are matched without regard to case. A folder never counts.
bool DateiVorhanden(const QString& pfad);

// True when a folder or a file of that name exists.
bool OrdnerVorhanden(const QString& pfad);

// A random whole number from 1 to n (1 when n is below 1).
int Zufallszahl(int n);

// Rounds to the nearest whole number, halves to the even neighbour.
qint64 Runden(double wert);

// Reads a number as the user typed it: blanks around it, an optional sign, a decimal comma or point.
// Anything else gives 0 and *ok false.
double Zahl(const QString& text, bool* ok = nullptr);
// The same, rounded half to even to a whole number.
qint64 Ganzzahl(const QString& text, bool* ok = nullptr);

// Opens a help page with the system's default handler; a missing page is not reported.
void HilfeOeffnen(const QString& seite);

} // namespace Subs
