#pragma once

#include "Dateien.h"
#include "Subs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The creature database: one record of 58 text fields per creature (numbers as the user typed them), the
// database file "Kreaturen.dat", the category list "Kategorien.dat", the list columns and the small rules
// of the edit pages.
namespace Kreaturentabellen {

// Fields per record; field 0 is the record's row number as text.
constexpr int Feldanzahl = 58;
// Text(0..32) are fields 1..33, Check(0..17) fields 34..51, Combo(0..1) fields 52..53, cmbSchaden(0..3)
// fields 54..57.
constexpr int Textboxen = 33;
constexpr int Schalter = 18;
constexpr int ErsterSchalter = 34;
constexpr int FeldKategorie = 52;
constexpr int FeldHaeufigkeit = 53;
constexpr int ErsterSchaden = 54;

// Fields of the first weapon and of the values a fight needs.
constexpr int FeldName = 1;
constexpr int FeldBeschreibung = 2;
constexpr int FeldWaffe = 10;
constexpr int FeldAnzahl = 11;
constexpr int FeldBonus = 12;
constexpr int FeldAT = 13;
constexpr int FeldRS = 26;
constexpr int FeldMR = 27;
constexpr int FeldPA = 28;
constexpr int FeldMU = 29;
constexpr int FeldLE = 30;
constexpr int FeldMK = 31;

struct Kreaturentabelle {
    // One entry per record, each with Feldanzahl fields.
    QList<QStringList> Zeilen;
    // Set when the file could not be read whole: the original is copied aside before the first rewrite.
    bool SicherungNoetig = false;
    // Set while the last save failed: the records hold changes the file does not.
    bool Ungeschrieben = false;
    // The records as the file held them when read or last saved, and the file's fingerprint then: a save
    // finds out from them what another program changed in the meantime, and merges.
    QList<QStringList> Basis;
    Dateien::Fingerabdruck Abdruck;
    // Set by a save that merged in another program's records: rows may have moved.
    bool Zusammengefuehrt = false;

    int Anzahl() const { return int(Zeilen.size()); }
};

// The relative names below DataPfad and the native paths.
QString Datenbankname();
QString Kategorienname();
QString Datenbankpfad();
QString Kategorienpfad();

enum class Ladestatus {
    Gelesen,
    Fehlt,          // no file: the list starts empty, the file is created at the first write
    Unvollstaendig, // ends inside a block: the whole blocks were kept
    OhneVersion,    // the first line is no version such as "3.00"
    Unlesbar        // not a regular file, too large, no permission ...: nothing was read
};

struct Ladeergebnis {
    Ladestatus Status = Ladestatus::Gelesen;
    int Gelesen = 0;         // creatures read
    int Restzeilen = 0;      // lines of an incomplete last block
    bool Sicherung = false;  // the next save keeps the original as ".bak" first (only a regular file is copied)
    QString Grund;           // why an unreadable file could not be read
    QString Pfad;
    Dateien::Fingerabdruck Abdruck; // the file as it was read
};

// Reads the database: the version line, then whole blocks of 58 lines; field 0 becomes the row index,
// whatever the file's number line says.
Ladeergebnis Laden(Kreaturentabelle& tabelle);
// Reads the database record by record without keeping it, as Laden does, but only the fields marked in
// `felder` (Feldanzahl entries; the others stay empty); `nimm` gets each whole record.
Ladeergebnis Durchlaufen(const QList<bool>& felder, const std::function<void(const QStringList&)>& nimm);
// The fields the list columns (Listenspalten, Listenzeile) are made of.
const QList<bool>& Listenfelder();
// The same on the lines of a file (tests, benchmarks, fuzzing).
Ladeergebnis ZeilenEinlesen(Kreaturentabelle& tabelle, const QStringList& zeilen);
// The message the user gets once for such a load; empty when the file was read whole.
QString Lademeldung(const Ladeergebnis& ergebnis);

// The file's lines: the version, then per record " i " and fields 1..57.
QStringList Dateizeilen(const Kreaturentabelle& tabelle);
// Rewrites the database atomically under its lock; a table read from a damaged file first keeps a copy of
// the original. When another program saved the file since it was read, its changes are merged in record
// by record (a creature changed on both sides is asked about); `zeile`, when given, follows its record to
// its new row. On failure returns false with a message for the user (empty when the user cancelled the
// merge); the old file is then unchanged.
bool Speichern(Kreaturentabelle& tabelle, QString* fehler = nullptr, int* zeile = nullptr);
// Whether the file is still what the table was read from or last saved as.
bool DateiUnveraendert(const Kreaturentabelle& tabelle);

// The lines of the category list; *meldung gets the message for a missing or unreadable file.
QStringList KategorienLesen(QString* meldung = nullptr);
// The rule for a typed category: appended to the list when it is not empty and no line equals it exactly
// (letter case and blanks count). Returns false with a message when the list could not be written.
bool KategorieHinzufuegen(const QString& kategorie, QString* fehler = nullptr);

// Appends a record (field 0 = the new row number) and returns its row.
int ZeileAnhaengen(Kreaturentabelle& tabelle, QStringList felder);
void ZeileAendern(Kreaturentabelle& tabelle, int zeile, QStringList felder);
// Later rows move up one and get their new row number; false for a row that does not exist.
bool ZeileLoeschen(Kreaturentabelle& tabelle, int zeile);
// The first record of that name; without one, the first whose name matches trimmed and without regard
// to letter case; otherwise -1.
int ZeileSuchen(const Kreaturentabelle& tabelle, const QString& name);

// A record of 58 fields from the edit controls' values: an empty weapon-1 bonus is stored as "0".
void SpeichernVorbereiten(QStringList& felder);

// "W2", "W3", "W4", "W6", "W10", "W20", "SP" for the die-type index "0".."6"; the empty text otherwise.
const QStringList& Wuerfelarten();
QString SchadenswuerfelText(const QString& index);
// The index of a die-type field as a number 0..6, or -1.
int Wuerfelindex(QStringView feld);

// The "TP" column of weapon 1: name, three blanks, dice count, die text, "+", bonus (an "SP" weapon
// without the bonus); empty when no die type is stored.
QString TPText(const QStringList& zeile);

// The captions of the list columns and the visible column texts of a record.
const QStringList& Spaltenueberschriften();
QStringList Listenspalten(const QStringList& zeile);
// One column's text, as Listenspalten gives it.
QString Listenspalte(const QStringList& zeile, int spalte);
// The batch list line: the twelve columns, then the row number, separated by tabs.
QString Listenzeile(const QStringList& zeile);
// The same appended to `ziel`, without the row number where `nummer` is false (what a filter searches).
void ListenzeileAnhaengen(const QStringList& zeile, QString& ziel, bool nummer);

// The text boxes Text(i) that take the numeric key filter.
const QList<int>& Zahlenboxen();

// Captions of the check boxes Check(0..17) and of the frequencies of Combo(1).
const QStringList& Schalterbeschriftungen();
const QStringList& Haeufigkeiten();
// Captions of the option buttons OB(1..5).
const QStringList& Klugheitsstufen();

// The intelligence roll of option button OB(stufe), stufe 1..5; 0 for another stufe.
int Intelligenzwurf(int stufe);

using Subs::FlagGesetzt;

// Field i of a record, or the empty text.
inline QString Feld(const QStringList& zeile, int i)
{
    return i >= 0 && i < zeile.size() ? zeile[i] : QString();
}

} // namespace Kreaturentabellen
