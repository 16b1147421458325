#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The helpers every program shares: settings-format files, existence tests, random numbers, numbers read
// from text, help pages.
namespace Subs {

// Values longer than this cannot be stored in a settings-format file; readers return at most this many.
constexpr int MaxWertlaenge = 254;

// The value of a key of a settings-format file ("[section]", "key=value"); section and key names are
// trimmed and compared without regard to case, here and in IniSchreiben. Missing file, section or key give
// the empty text; at most 254 characters return. Each file is parsed once and kept until it changes.
QString IniLesen(const QString& datei, const QString& abschnitt, const QString& schluessel);
// Whether the key exists (with any value); loops over counted keys stop at the first missing one.
bool IniVorhanden(const QString& datei, const QString& abschnitt, const QString& schluessel);
// The sections of the file in file order, as written there (trimmed).
QStringList IniAbschnitte(const QString& datei);

// Writes one key, creating file, section or key as needed; every other line stays in place. The file is
// rewritten atomically. Returns false, with a German reason if asked, when the file could not be written
// or a name or value cannot be stored (a bracket, "=" or line break in a name, a value over 254 characters).
bool IniSchreiben(const QString& datei, const QString& abschnitt, const QString& schluessel, const QString& wert,
                  QString* fehler = nullptr);

// Several keys of one section in one atomic rewrite, in the given order; the keys named in `entfernen` are
// taken out of the section in the same rewrite.
bool IniSchreiben(const QString& datei, const QString& abschnitt, const QList<QPair<QString, QString>>& werte,
                  QString* fehler = nullptr, const QStringList& entfernen = {});
// The keys of a section as the file writes them, in file order, with their values.
QList<QPair<QString, QString>> IniWerte(const QString& datei, const QString& abschnitt);

// True when a plain, non-hidden file matches the path; the file name may hold the wildcards * and ?.
// Names are matched without regard to case. A folder never counts.
bool DateiVorhanden(const QString& pfad);

// True when a folder or a file of that name exists.
bool OrdnerVorhanden(const QString& pfad);

// A random whole number from 1 to n (1 when n is below 1).
int Zufallszahl(int n);

// Rounds to the nearest whole number, halves to the even neighbour.
qint64 Runden(double wert);

// Reads a whole number typed by a user or given to a batch command: blanks around it, an optional sign,
// digits, and "." between groups of three digits as the German thousands separator ("12.000" is 12000).
// "1,5" and "1.5" are refused. The message says why, naming the value as `was` ("die Einwohnerzahl").
struct Ganzzahleingabe {
    bool Ok = false;
    qint64 Wert = 0;
    QString Meldung;
};
Ganzzahleingabe GanzzahlLesen(const QString& text, qint64 minimum, qint64 maximum, const QString& was);
// "12.000": a whole number with German thousands separators.
QString Tausender(qint64 zahl);

// A name the user typed (a good, a creature, a weapon, a city, a kind of shop, a category, a link) is one
// line of its file and of every list: a line break or a tab in it is refused. False with a German message
// that shows where they stand.
bool NameEinzeilig(const QString& name, QString* meldung = nullptr);
// Line breaks (CR, LF, vertical tab, form feed, NEL, line and paragraph separators) and tabs.
bool IstZeilenwechselOderTab(QChar zeichen);

// Reads a number where decimals are allowed: blanks around it, an optional sign, a decimal comma or point.
// Anything else gives 0 and *ok false.
double Zahl(const QString& text, bool* ok = nullptr);
// A check box field of a database counts as set when it reads as the number 1.
bool FlagGesetzt(const QString& feld);
// The same, rounded half to even to a whole number; beyond the 64-bit range it stops at the range's end.
qint64 Ganzzahl(const QString& text, bool* ok = nullptr);

// Opens a help page with the system's default handler; a missing page or a missing handler is reported.
void HilfeOeffnen(const QString& seite);

} // namespace Subs
