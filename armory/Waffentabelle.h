#pragma once

#include "Dateien.h"
#include "Subs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include <optional>

// The armory's three record tables (melee weapons, ranged weapons, armour), their database files, the
// list columns and the region field. Every field is text, numbers included, as the user typed them.
namespace Waffentabellen {

enum class Tabelle { NWaffen = 0, FWaffen = 1, Armor = 2 };

struct Waffentabelle {
    Tabelle Art = Tabelle::NWaffen;
    // One entry per record; each holds Feldanzahl(Art) fields, field 0 the record's row number as text.
    QList<QStringList> Zeilen;
    // Set when the file could not be read whole: the original is copied aside before the first rewrite.
    bool SicherungNoetig = false;
    // Set while the last save failed: the records hold changes the file does not.
    bool Ungeschrieben = false;
    // The records as the file held them when they were read or last saved, and the file's fingerprint then:
    // a save finds out from them what another program changed in the meantime, and merges.
    QList<QStringList> Basis;
    Dateien::Fingerabdruck Abdruck;
    // Set by a save that merged in another program's records: rows may have moved.
    bool Zusammengefuehrt = false;

    int Anzahl() const { return int(Zeilen.size()); }
};

// "NWaffen", "FWaffen", "Armor"
QString Schluessel(Tabelle t);
std::optional<Tabelle> AusSchluessel(const QString& schluessel);
// The batch command's table names "nahkampf", "fernkampf", "ruestung".
std::optional<Tabelle> AusBatchName(const QString& name);

// 29, 23 or 20 (field 0 included); the lines of one block of the database file.
int Feldanzahl(Tabelle t);
// Text boxes and check boxes of the edit pages: fields 1..Textfelder, then the check boxes.
int Textfelder(Tabelle t);
int Schalterfelder(Tabelle t);
// Fields of the combos and the region list; -1 where the table has none (armour has no die type).
int FeldKategorie(Tabelle t);
int FeldSchaden(Tabelle t);
int FeldWaehrung(Tabelle t);
int FeldRegionen(Tabelle t);
int FeldBeschreibung(Tabelle t);
int FeldHandel(Tabelle t);

// Indices of the text boxes with the numeric key filter, and of those set to "0" when saved empty.
QList<int> Zahlenboxen(Tabelle t);
QList<int> NullBoxen(Tabelle t);

// Items of the combos.
QStringList Kategorien(Tabelle t);
const QStringList& Schadensarten();
const QStringList& Waehrungen();

// The relative name below DataPfad ("\Armory\Nahkampfwaffen.dat") and the native path.
QString Dateiname(Tabelle t);
QString Dateipfad(Tabelle t);

struct Ladeergebnis {
    bool Vorhanden = true;        // false: no file, the table starts empty
    bool Unvollstaendig = false;  // the file ends inside a block; the whole blocks were loaded
    int Restzeilen = 0;           // lines of the incomplete last block
    int Gelesen = 0;              // whole records read
    QString Unlesbar;             // why the file could not be read at all (no version line, too large ...)
    QString Pfad;
    Dateien::Fingerabdruck Abdruck; // the file as it was read
};

// The first line of a database: a version such as "3.00" as a writing program puts it there.
bool IstVersionszeile(const QString& zeile);

// Reads the table's file: the version line is checked first, then whole blocks; field 0 becomes the row
// index. A file that cannot be read (first line no version, not a regular file, above 64 MiB) leaves the
// table empty; it is copied aside before the first rewrite, like one that ends inside a block.
Ladeergebnis TabelleLaden(Waffentabelle& tabelle);
// Reads a table's file record by record without keeping it, as TabelleLaden does, but only the fields
// marked in `felder` (Feldanzahl(t) entries; the others stay empty); `nimm` gets each whole record.
Ladeergebnis Durchlaufen(Tabelle t, const QList<bool>& felder, const std::function<void(const QStringList&)>& nimm);
// Reads the blocks of lines that follow the version line (also used on their own by tests and benchmarks).
Ladeergebnis ZeilenEinlesen(Waffentabelle& tabelle, const QStringList& zeilen);
// The message the user gets once for such a load; empty when the file was read whole.
QString Lademeldung(const Ladeergebnis& ergebnis);

// Rewrites the table's file atomically, holding the file's lock. A table loaded from a damaged file first
// keeps a copy of the original ("Nahkampfwaffen.dat.bak"; an existing copy is never replaced, a further one
// gets ".bak2" ...). When another program changed the file since it was read, its changes are merged in
// record by record first (a record changed on both sides is asked about); `zeile`, when given, then follows
// its record to its new row. On failure returns false with a message for the user (empty when the user
// cancelled the merge); the old file is then unchanged.
bool TabelleSpeichern(Waffentabelle& tabelle, QString* fehler = nullptr, int* zeile = nullptr);
// Whether the file is still what the table was read from or last saved as.
bool DateiUnveraendert(const Waffentabelle& tabelle);

// Appends a record (field 0 = the new row number) and returns its row.
int ZeileAnhaengen(Waffentabelle& tabelle, QStringList felder);
void ZeileAendern(Waffentabelle& tabelle, int zeile, QStringList felder);
// Later rows move up one and get their new row number; false for a row that does not exist.
bool ZeileLoeschen(Waffentabelle& tabelle, int zeile);
// The first record of that name, or -1.
int ZeileSuchen(const Waffentabelle& tabelle, const QString& name);

// Sets the empty number fields that a save fills with "0".
void LeereZahlenFuellen(Tabelle t, QStringList& felder);

// The list view's captions and the visible column texts of a record (without the hidden row number).
QStringList Spaltenueberschriften(Tabelle t);
QStringList Listenspalten(Tabelle t, const QStringList& zeile);
// One visible column's text, as Listenspalten gives it; and the column of the price.
QString Listenspalte(Tabelle t, const QStringList& zeile, int spalte);
int Preisspalte(Tabelle t);
// The batch list line: the columns, then the row number, separated by tabs.
QString Listenzeile(Tabelle t, const QStringList& zeile);
// The same appended to `ziel`, without the row number where `nummer` is false (what a filter searches).
void ListenzeileAnhaengen(Tabelle t, const QStringList& zeile, QString& ziel, bool nummer);
// The fields the list columns (Listenspalten, Listenzeile) are made of.
const QList<bool>& Listenfelder(Tabelle t);

// The twenty region codes in the order the region lists start with (alphabetical).
const QStringList& Regionsliste();
// The known codes of a region field in their order ("BO|HA|" gives BO, HA); unknown codes are left out.
QStringList RegionenAusFeld(const QString& feld);
// Each code followed by "|".
QString RegionFeld(const QStringList& codes);

using Subs::FlagGesetzt;

} // namespace Waffentabellen
