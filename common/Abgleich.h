#pragma once

#include "Dateien.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// Merging a table that this window changed with the same file changed elsewhere since the window read it.
// Records are matched by name: the k-th record of a name on one side is the k-th of that name on the other.
namespace Abgleich {

struct Regeln {
    // The record's name: its key and the name the question shows.
    std::function<QString(const QStringList&)> Name;
    // Gives a record another name, for keeping both versions.
    std::function<void(QStringList&, const QString&)> Umbenennen;
    // Fields before this one (a row number that moves with every delete) are not compared. With 1, field 0
    // is the row number and is set again after a merge.
    int ErstesFeld = 0;
};

// Merges record by record: `basis` is the file as this window read or last saved it, `mein` the window's
// records now, `fremd` the file now. What only the other side added, changed or deleted is taken over,
// what only this side did is applied on top, so both survive. A record changed on both sides (or changed
// on one and deleted on the other) is asked about by name through the dialog seam: this window's version,
// the other one, or both (this one under a new name). False when the user cancelled; `ergebnis` is then
// left as it was. Records this side added come last, in their order. `wohin`, when given, gets for each
// record of `mein` its row in `ergebnis` (-1 where it is not there).
bool Datensaetze(const QList<QStringList>& basis, const QList<QStringList>& mein, const QList<QStringList>& fremd,
                 const Regeln& regeln, QList<QStringList>& ergebnis, QList<qsizetype>* wohin = nullptr);

// The file of a table that a window holds, the records as the file held them when read or last saved
// (`basis`) and the fingerprint then.
struct Tabelle {
    QString Pfad;
    QList<QStringList>* Zeilen = nullptr;
    QList<QStringList>* Basis = nullptr;
    Dateien::Fingerabdruck* Abdruck = nullptr;
    // Reads the file now: its records and fingerprint; false with a reason when it cannot be read.
    std::function<bool(QList<QStringList>& fremd, Dateien::Fingerabdruck& abdruck, QString* grund)> Lesen;
    // Writes *Zeilen and gives the new file's fingerprint.
    std::function<bool(Dateien::Fingerabdruck& abdruck, QString* grund)> Schreiben;
    // Set when another program's records were merged in, so rows may have moved.
    bool* Zusammengefuehrt = nullptr;
};
// Saves the table under the file's lock. When the file changed since it was read, the other side's
// records are read (under the lock), merged with Datensaetze (without the lock, since the user may be
// asked) and the file is looked at again. `zeile`, when given, follows its record to its new row.
// False with the reason on failure; false with an empty reason when the user cancelled.
bool Speichern(const Tabelle& tabelle, const Regeln& regeln, QString* grund, int* zeile = nullptr);

// A database of numbered records (the armory's tables, the creatures), field 0 the row number and field 1
// the name: what reading its file now gave.
struct Datenbankstand {
    QList<QStringList> Zeilen;
    Dateien::Fingerabdruck Abdruck;
    bool Vorhanden = true;
    // Cut short or unreadable: it cannot tell what was deleted, and is kept aside before it is replaced.
    bool Beschaedigt = false;
};
// Saves such a database with Speichern: a file another program saved meanwhile is merged by name; a file
// found damaged then (or `sicherungNoetig` from loading) is copied aside first, once; a file removed meanwhile
// is written anew. `fehler` gets a whole message; empty when the user cancelled the merge.
bool DatenbankSpeichern(const QString& pfad, int feldanzahl, QList<QStringList>& zeilen, QList<QStringList>& basis,
                        Dateien::Fingerabdruck& abdruck, bool& sicherungNoetig, bool& zusammengefuehrt,
                        const std::function<Datenbankstand()>& lesen, QString* fehler, int* zeile = nullptr);

// A record found again after its table was read anew: its name and how many records of that name stand
// before it. `name` gives the name of row i of a table of `anzahl` rows.
struct Stelle {
    QString Name;
    int Vorher = 0;
    bool Gueltig = false;
};
Stelle StelleVon(int zeile, int anzahl, const std::function<QString(int)>& name);
// The row of the table now that holds that record, or -1.
int ZeileVon(const Stelle& stelle, int anzahl, const std::function<QString(int)>& name);

// "Breitschwert (2)", or the first of (3), (4) ... that `vergeben` does not hold.
QString FreierName(const QString& name, const QSet<QString>& vergeben);

// The lines of a table text, each line a record named by its text: lines this side added or removed are
// applied to the other side's text; lines this side added follow the line they followed here.
QStringList Zeilen(const QStringList& basis, const QStringList& mein, const QStringList& fremd);

} // namespace Abgleich
