#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A terrain's encounter table, Data\Day\Begegnungen\<Gelände>.dat: the first line "Chance N" (the whole
// percentage that a day brings an encounter), then one line a creature: its name in the creature database,
// a tab, the number as dice or a number ("1W3", "2", "1W6+1"), a tab, a whole-number weight.
namespace Begegnungen {

// The most creatures one line may bring: the odds of each encounter are fought 10,000 times.
constexpr int HoechsteAnzahl = 30;
// The most a line may weigh; the sum of a table stays far inside a draw's range.
constexpr int HoechstesGewicht = 10000;

// "1W6+1": one W6 plus 1; "2": no dice plus 2; "2W4": two W4 added.
struct Anzahl {
    int Wuerfel = 0;
    int Seiten = 0;
    int Zuschlag = 0;
    int Hoechstens() const { return Wuerfel * Seiten + Zuschlag; }
};
// Dice "NWs" or "Ws" with an optional "+z", or a plain number; at least 1 and at most HoechsteAnzahl
// creatures. Sides from 2 to 100. Nothing for anything else.
std::optional<Anzahl> AnzahlLesen(const QString& text);
// Rolls the dice with Subs::Zufallszahl, one draw a die, and adds the bonus.
int Wuerfeln(const Anzahl& anzahl);

struct Zeile {
    int Nummer = 0; // line of the file, from 1
    QString Name;
    QString AnzahlText;
    Anzahl Wurf;
    int Gewicht = 0;
};

struct Tabelle {
    QString Gelaende;
    bool Vorhanden = false;
    int Chance = 0;
    QList<Zeile> Zeilen;
    // Damaged lines, a refused first line, a file that cannot be read: for the user, naming file and line.
    QStringList Meldungen;
    int Gesamtgewicht() const;
};

// DataPfad + "\Day\Begegnungen\" + terrain + ".dat", and "Begegnungen\<Gelände>.dat" as messages name it.
QString Pfad(const QString& gelaende);
QString Anzeige(const QString& gelaende);

// The table of a file's lines. A first line that is not "Chance N" (0 to 100) leaves the table without
// encounters; a damaged creature line is left out. Both are reported; blank lines are not.
Tabelle AusZeilen(const QStringList& zeilen, const QString& gelaende);
// Reads the terrain's file. A missing file is a table without encounters (Vorhanden false, no message).
Tabelle Lesen(const QString& gelaende);

struct Begegnung {
    QString Name;
    int Anzahl = 0;
    int Zeile = 0;
};
// One day: a W100 against the chance; on an encounter a draw over the weights, then the dice of the
// number. No lines or chance 0: no roll at all.
std::optional<Begegnung> Ziehen(const Tabelle& tabelle);

} // namespace Begegnungen
