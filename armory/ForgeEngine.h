#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The forge: what a smith makes of a melee weapon with a kind of steel, an improved breakage factor,
// extra damage, as a personal weapon or as cyclops work. Pure functions of the choices, so the window and
// the batch command compute the same numbers.
namespace ForgeEngine {

struct Stahl {
    QString Name;
    QStringList Info;   // the lines shown under the steel list
    int BF = 0;
    double Preisfaktor = 1;
    int Zeit = 0;       // percent less time (negative: more)
    int Gewicht = 0;    // percent less weight
    bool Magisch = false;
    int WVErster = 0;
    int WVZweiter = 0;
    int TP = 0;
};

// The nine steels in list order.
const QList<Stahl>& Stahlsorten();
int StahlIndex(const QString& name); // -1 when unknown

// Items of the improvement lists: " ", "-1", "-2" and " ", "1", "2", "3".
const QStringList& BFAuswahl();
const QStringList& TPAuswahl();

// The choices in the forge window; the weapon is the melee record the forge was opened for.
struct Schmiede {
    QStringList Waffe;
    QString Name;
    QString Waehrung;
    int Stahl = -1;       // index into Stahlsorten, -1 for none
    int BFStufe = 0;      // 0 none, 1 "-1", 2 "-2"
    int TPStufe = 0;      // 0 none, 1..3
    bool Persoenlich = false;
    bool Zyklop = false;
    QString Schmied;      // the text of the skill box
};

// The forge's start state for a weapon: its name, its currency.
Schmiede SchmiedeOeffnen(const QStringList& waffe);

// The weapon's normal price (field 11) as the forge and the armory read it: empty is 0, a number is rounded
// half to even and stops at the 64-bit range; anything else is no price (nothing).
std::optional<qint64> Normalpreis(const QStringList& waffe);
// Why the forge refuses a weapon whose price is no number.
QString PreisUnlesbarMeldung(const QStringList& waffe);

// The weapon's numbers, read as whole numbers (empty or not a number: 0).
qint64 Grundpreis(const Schmiede& s);
qint64 Schadensbonus(const Schmiede& s);

qint64 Bruchfaktor(const Schmiede& s);
QString Schadenstext(const Schmiede& s);
// Base price × steel factor × cyclops factor, rounded half to even, then the improvements' factors.
qint64 PreisBerechnen(const Schmiede& s);
// The four lines of the summary, joined with CR LF.
QString StatusText(const Schmiede& s);

// The skill value the work runs with: 30 for cyclops work, else the box's whole number capped at 22
// (German thousands separators allowed); 0 when the box is empty, not a whole number or below 1 (such a
// value counts like an empty box).
int Talentwert(const Schmiede& s);

struct Freigabe {
    bool Schmied = true;
    bool Verbesserungen = false; // the BF and TP lists
    bool Persoenlich = false;
    bool Start = false;
};
Freigabe FreigabeBerechnen(const Schmiede& s);

// Dice value + damage bonus + extra damage - 4.
qint64 Arbeitspunkte(const Schmiede& s);
// Days of work; draws one W23 per try. Refused (no value, a message) when the skill counts as empty or the
// weapon needs an absurd number of work points.
std::optional<qint64> Herstellungszeit(const Schmiede& s, QString* fehler = nullptr);

// Writes the report page; cyclops work draws its bonus and malus here. `preisText` is the price box.
void BerichtSchreiben(const Schmiede& s, qint64 tage, const QString& preisText, QIODevice& datei);
// The same into a file, atomically; false with a message on failure.
bool BerichtSpeichern(const Schmiede& s, qint64 tage, const QString& preisText, const QString& pfad,
                      QString* fehler = nullptr);

} // namespace ForgeEngine
