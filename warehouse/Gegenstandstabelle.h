#pragma once

#include "Dateien.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The goods catalogue: the category list, the goods files (five lines a good), the goods of the shown
// category with each row's own category, the take-over of the armory's weapons and armour, and the rules
// for category names.
namespace Katalog {

// Fields of a good: 0 name + class digit, 1 weight, 2 amount + currency letter, 3 description, 4 regions.
constexpr int Feldanzahl = 5;

struct Gegenstand {
    QStringList Felder; // always Feldanzahl entries
    QString Kategorie;  // the category whose file the row came from
};

struct Gegenstandstabelle {
    QString Kategorie; // the category shown, or "Alles"
    QList<Gegenstand> Zeilen;
    // The categories whose files the rows came from: only these are rewritten, so a category that was not
    // loaded never loses its goods to a save.
    QStringList Geladen;
    // Each category's goods as they were read or last saved: an unchanged file is not rewritten, and a file
    // another program saved meanwhile (its fingerprint differs) is merged with them good by good.
    QHash<QString, QList<QStringList>> Gespeichert;
    QHash<QString, Dateien::Fingerabdruck> Abdruecke;
    // Set by a save that merged in another program's goods: rows may have moved.
    bool Zusammengefuehrt = false;
    // Loaded categories whose file could not be read at all (too large, no regular file, no permission):
    // nothing is ever saved in their place.
    QStringList Unlesbar;
    int Anzahl() const { return int(Zeilen.size()); }
};

// "Alles", the pseudo-category of all categories together.
const QString& Alles();
// "Nahkampfwaffen", "Fernwaffen", "Rüstungen": fed from the armory, never deleted.
const QStringList& Waffenkategorien();
// The five entries of the class box and the four currencies ("Dukaten", "Silbertaler", "Heller", "Pfennig").
const QStringList& Wertklassen();
const QStringList& Waehrungen();
// The twenty region codes in the order of the region list (alphabetical).
const QStringList& Regionsliste();

// Reading the fields back.
QString Name(const QString& feld0);     // field 0 without its last character
int WertklasseIndex(const QString& feld0); // 0..4 for a last character "1".."5", else -1
// Field 2's last character is a currency only when it is D, S, H or P; otherwise it is part of the amount.
QString Betrag(const QString& feld2);
QString Waehrungsbuchstabe(const QString& feld2); // "D", "S", "H", "P" or empty
int WaehrungsIndex(const QString& feld2);         // index into Waehrungen(), or -1
// Building them.
QString Feld0(const QString& name, int wertklasseIndex);
QString Feld2(const QString& betrag, int waehrungsIndex);
// The known codes of a region field in their order, each once; and codes back into a field ("BO|EL|").
QStringList RegionenAusFeld(const QString& feld4);
QString RegionFeld(const QStringList& codes);
// "Alle, ausser " and every code (in map order) that the field does not hold, each followed by ", ".
QString RegionenText(const QString& feld4);
// Whether the field holds all twenty codes, in any order.
bool Ueberall(const QString& feld4);
// Whether the numeric key filter of the weight and price boxes lets this text through, typed in order.
bool ZahlEingabeErlaubt(const QString& text);

// The editor's seven lines: name, class entry, weight, amount, currency, description, regions joined by ", ".
QStringList Details(const QStringList& felder);

// Files below DataPfad.
QString KategorienDatei();
QString Warendatei(const QString& kategorie);

// The category list: a count line (when the first line is a whole number), then one name a line, read
// trimmed. Empty lines are skipped, and so are lines that could not serve as a category (unsafe or tool
// file names, "Alles", a name listed twice).
struct Kategorienliste {
    QStringList Namen;
    QStringList Uebergangen;
    bool Vorhanden = true;
    bool Gelesen = true;
    QString Grund;
};
Kategorienliste KategorienLesen();
// Messages for the user about the list; empty when it was read cleanly.
QStringList KategorienMeldungen(const Kategorienliste& liste);

// A name becomes part of a file name: the suite's one rule (Dateien::NameFuerDatei), which also decides
// which categories the manager backs up.
bool KategorieSicher(const QString& kategorie);
// "ItemKategorien", "Shopgenerator…", "Warehouse…": the tool's own files.
bool Werkzeugdatei(const QString& kategorie);
// A category whose goods file may be read and written.
bool KategorieVerwendbar(const QString& kategorie);

enum class Namenspruefung { Ok, Leer, Existiert, Werkzeugdatei, Unsicher };
// Judges a new category's (trimmed) name against the categories there are, without regard to case.
Namenspruefung NeuenNamenPruefen(const QString& name, const QStringList& kategorien);
QString Namensmeldung(Namenspruefung pruefung, const QString& name);
// Appends the category to the list file and creates its goods file where there is none (an existing file
// keeps its goods). False with a message when the name is refused or a file could not be written; then
// nothing was changed.
bool KategorieAnlegen(const QString& name, QStringList& kategorien, QString* fehler);
// Removes the category from the list file and deletes its goods file. The armory categories, "Alles" and
// unknown names are refused.
bool KategorieEntfernen(const QString& name, QStringList& kategorien, QString* fehler);
// The category of that name, exactly or else without regard to case; empty when there is none.
QString KategorieFinden(const QString& name, const QStringList& kategorien);

// One goods file: whole goods; a file that ends inside a good, or could not be read at all, is marked so
// that its original is kept as a backup before it is first rewritten.
struct Warenergebnis {
    QList<QStringList> Waren;
    bool Vorhanden = true;
    bool Unvollstaendig = false;
    int Restzeilen = 0;
    bool Abgelehnt = false; // not read: too large, no regular file, no permission
    bool KeineDatei = false; // a folder or device in its place: never copied nor replaced
    QString Grund;
    QString Pfad;
    Dateien::Fingerabdruck Abdruck; // the file as it was read
    int Ganze = -1; // the whole goods read where Waren is not kept (WarenDurchlaufen)
};
Warenergebnis WarenLesen(const QString& pfad);
// The goods of lines already read (tests, benchmarks, fuzzing).
Warenergebnis WarenAusZeilen(const QStringList& zeilen);
QStringList WarenZeilen(const QList<QStringList>& waren);
// The message the user gets once per file and run about a damaged or refused file; empty when it was fine.
QString Warenmeldung(const Warenergebnis& ergebnis);
// Rewrites the file atomically; a damaged original is first kept as ".bak" (".bak2" ...).
bool WarenSchreiben(const QString& pfad, const QList<QStringList>& waren, QString* fehler,
                    Dateien::Fingerabdruck* abdruck = nullptr);
// Adds a good at the end of a category's file. A damaged file is not continued: its whole goods are
// written again, with the good after them, once the original is kept. A file that cannot be read is refused.
bool GegenstandAnhaengen(const QString& kategorie, const QStringList& felder, QStringList* meldungen,
                         QString* fehler);

// Goes through the goods of a file good by good without keeping them, reading only the fields marked in
// `felder` (Feldanzahl entries; the others stay empty); `nimm` gets each whole good. The result tells what
// WarenLesen would have told, without the goods.
Warenergebnis WarenDurchlaufen(const QString& pfad, const QList<bool>& felder,
                               const std::function<void(const QStringList&)>& nimm);
// Goes through the goods of the category (every category for "Alles") as KategorieLaden loads them, good by
// good: `nimm` gets each good (only the fields marked in `felder`) and the row it would have in the table.
// Returns the messages for the user, as KategorieLaden does.
QStringList KategorieDurchlaufen(const QString& kategorie, const QStringList& kategorien, const QList<bool>& felder,
                                 const std::function<void(const QStringList&, int)>& nimm);

// Loads the category (or every category for "Alles") into the table. Returns the messages for the user
// (each damaged file is told once a run).
QStringList KategorieLaden(Gegenstandstabelle& tabelle, const QString& kategorie, const QStringList& kategorien);
// Rewrites the goods file of each loaded category whose rows changed (for "Alles" each with its own rows),
// under the file's lock. A file another program saved since it was read is merged good by good first (a
// good changed on both sides is asked about); the table's rows then follow the merged files, and `zeile`,
// when given, follows its row. A category that could not be read is left alone; only rows that would have
// to go into it make this fail. A merge the user cancelled fails with an empty message.
bool KategorieSpeichern(Gegenstandstabelle& tabelle, QString* fehler, int* zeile = nullptr);
// Whether the rows hold goods no file has (a save that failed or was cancelled).
bool Ungespeichert(const Gegenstandstabelle& tabelle);

// Row operations; the row's category is the shown one unless given.
int GegenstandHinzufuegen(Gegenstandstabelle& tabelle, QStringList felder, const QString& kategorie = QString());
void GegenstandAendern(Gegenstandstabelle& tabelle, int zeile, QStringList felder);
bool GegenstandLoeschen(Gegenstandstabelle& tabelle, int zeile);
// The first row of that name (field 0 without its class digit), or -1.
int GegenstandSuchen(const Gegenstandstabelle& tabelle, const QString& name);
// The row's own category (the shown one, or the row's under "Alles").
QString EigeneKategorie(const Gegenstandstabelle& tabelle, int zeile);

// Saving the editor. `felder` are the editor's values, `ziel` the category chosen in its category box.
enum class Speicheraktion { Abgelehnt, Geaendert, Hinzugefuegt, Verschoben, Angehaengt, Behalten };
struct Speicherergebnis {
    Speicheraktion Aktion = Speicheraktion::Abgelehnt;
    int Zeile = -1;       // the changed or added row; for Verschoben under "Alles" the row at its new place
    int Geloescht = -1;   // for Verschoben: the row that left its place
    QStringList Meldungen; // for the user; on Abgelehnt the reason
    bool Geschrieben = true;
    // Under "Alles" a category made after loading was loaded too: its rows joined the table.
    bool Nachgeladen = false;
};
// Whether a good can be saved at all: name, amount, class and currency are needed.
QString Eingabefehler(const QStringList& felder);
// `verschieben` is asked when an existing good is to change its category (the window asks the user).
// "Alles" is no category a good can be saved or moved to, and a category whose file could not be read
// takes no good; both are refused with a message.
Speicherergebnis GegenstandSpeichern(Gegenstandstabelle& tabelle, bool bearbeiten,
                                     int zeile, const QStringList& felder, const QString& ziel,
                                     const std::function<bool()>& verschieben);

// Start-up, before the category list is read: replacement files, then the armory's records.
// Each "Warehouse" + name + ".dat" is copied over the goods file of that name and then deleted.
QStringList ErsatzdateienUebernehmen();
// The goods built from the armory's records whose name no good of `bekannt` carries (field 0 without its
// class digit, compared exactly): class 1, weight, price with the currency's first letter, description,
// regions. `art` is 0 melee, 1 ranged, 2 armour.
QList<QStringList> NeueWaren(const QList<QStringList>& bekannt, int art, const QList<QStringList>& datensaetze);
// Takes over new weapons and armour into "Nahkampfwaffen", "Fernwaffen", "Rüstungen"; goods already there are
// never changed. Returns the messages for the user; `neu` gets the number of goods added.
QStringList WaffenUebernehmen(int* neu = nullptr);

} // namespace Katalog
