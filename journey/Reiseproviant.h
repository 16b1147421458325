#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// What a journey needs to buy, Data\Day\Reiseproviant.dat: one good a line, fields separated by tabs:
// "Reisende" or "Reittiere", the good's name as in the warehouse catalogue, the days one piece lasts one
// head (0: one piece a head for the whole journey), and optionally a terrain: then only the days spent in it
// count, or with 0 days one piece a head once the journey enters it (water skins for the desert).
// Prices come from the warehouse's goods files.
namespace Reiseproviant {

enum class Fuer { Reisende, Reittiere };

struct Posten {
    int Nummer = 0; // line of the file, from 1
    Fuer Wer = Fuer::Reisende;
    QString Ware;
    int TageJeStueck = 1; // 0: one piece a head
    QString Gelaende; // empty: every day of the journey
};

struct Liste {
    bool Vorhanden = false;
    QList<Reiseproviant::Posten> Eintraege;
    QStringList Meldungen; // damaged lines and an unreadable file, naming file and line
};

QString Pfad();
// The list of a file's lines; a damaged line is left out and reported, blank lines are skipped.
Liste AusZeilen(const QStringList& zeilen);
// A missing file is an empty list with a message: the page then has no provisions.
Liste Lesen();

// A good of the catalogue: its name and its price as the catalogue writes it ("2S").
struct Ware {
    QString Name;
    QString Preis;
};
// Every good of every category of the warehouse, by name; the first of a name wins, in the order of the
// category list. Damaged goods files are reported in *meldungen.
QHash<QString, Ware> Warenkatalog(QStringList* meldungen = nullptr);
// The good of that name: exactly, else trimmed and without regard to case. Nullptr when there is none.
const Ware* Suchen(const QHash<QString, Ware>& katalog, const QString& name);

struct Einkauf {
    QString Ware;            // as the catalogue names it (or as the list names a good the catalogue lacks)
    qint64 Menge = 0;
    QString Preis;           // the catalogue's text; empty when the good is missing
    qint64 Stueckpreis = 0;  // in Pfennig
    qint64 Summe = 0;        // Menge × Stueckpreis
    bool Bepreist = false;   // false: missing from the catalogue, or its price cannot be read
};

struct Rechnung {
    QList<Einkauf> Einkaeufe; // one a good, in the order of the list's first mention
    qint64 Summe = 0;         // of the priced goods, in Pfennig
    QStringList Meldungen;    // each good that could not be priced, named once
};

// Amounts for the heads and days: per line, heads × days (all, or those in its terrain) divided by the
// days a piece lasts, rounded up, or one a head for 0 days; lines naming the same good are added. Goods of
// amount 0 are left out.
Rechnung Berechnen(const Liste& liste, int reisende, int reittiere, int tage, const QHash<QString, int>& tageJeGelaende,
                   const QHash<QString, Ware>& katalog);

} // namespace Reiseproviant
