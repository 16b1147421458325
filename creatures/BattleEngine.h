#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;

// The battle simulator: a hero group against an enemy group, played pass by pass over an initiative
// order with W20 attack and parry rolls, weapon damage, armour, deaths and re-targeting, and written blow
// by blow as an HTML report when one is asked for. Rolls come from Subs::Zufallszahl, so a seed or a test
// script fixes them.
namespace BattleEngine {

// One member of a group: a copy of the creature's values at the moment it was added. Values are whole
// numbers of the 16-bit range when added; they are kept wide so damage and life points never overflow.
struct Kaempfer {
    QString Name;
    qint64 MU = 0;
    qint64 AT = 0;
    qint64 PA = 0;
    qint64 Anzahl = 0;  // number of dice; for "SP" the fixed damage points
    QString Wuerfel;    // "W2", "W3", "W4", "W6", "W10", "W20" or "SP"
    qint64 Bonus = 0;
    qint64 RS = 0;
    qint64 LE = 0;      // dead below 1
    bool Pariert = false; // a parry of this member failed in the current pass
    int Ziel = -1;      // index of the attacked member of the other group
};

enum class Gruppe { Helden = 0, Gegner = 1 };

// The most members a group may hold in the window, in line-up files and in batch mode. A fight's cost grows
// with the square of the members; a hundred against a hundred still ends in well under a second.
constexpr int HoechsteMitglieder = 100;

// A place of the initiative order; its key is the group digit and the index ("03", "112").
struct Platz {
    Gruppe Seite = Gruppe::Helden;
    int Index = 0;
};
QString Schluessel(const Platz& platz);

struct Kampfstand {
    QList<Kaempfer> Helden;
    QList<Kaempfer> Gegner;
    int LebendeHelden = 0;
    int LebendeGegner = 0;
    QList<Platz> Reihenfolge;
    bool ErsteZuweisung = true;
    bool NeueReihenfolge = false;
    int Runden = 0; // passes begun in the last fight

    int AnzahlHelden() const { return int(Helden.size()); }
    int AnzahlGegner() const { return int(Gegner.size()); }
    QList<Kaempfer>& Mitglieder(Gruppe g) { return g == Gruppe::Helden ? Helden : Gegner; }
    const QList<Kaempfer>& Mitglieder(Gruppe g) const { return g == Gruppe::Helden ? Helden : Gegner; }
};

// The refusal for a creature that cannot fight; the text names it and says which value is missing.
QString Untauglichmeldung(const QString& name, const QString& grund);

// A value of a fighter as the fitness rules read it: a whole number of -32768..32767 after rounding half to
// even ("12,5" gives 12); nullopt when empty, no number or out of range.
std::optional<qint64> Kampfwert(const QString& text);

// A member from a creature record (58 fields). Unfit: a dice count, MU, AT, PA, RS, LE or weapon-1 bonus
// that is empty, no number or outside -32768..32767 after rounding ("12,5" gives 12), or a die type other
// than "0".."6". Then nullopt and the message.
std::optional<Kaempfer> KaempferAus(const QStringList& kreatur, QString* meldung = nullptr);

// Appends a member to a group; removes member `index` (later members move up). False for a bad index.
void Aufnehmen(Kampfstand& stand, Gruppe gruppe, const Kaempfer& kaempfer);
bool Entfernen(Kampfstand& stand, Gruppe gruppe, int index);
// Empties both groups.
void Leeren(Kampfstand& stand);

// How a fight ended.
enum class Sieger { Keiner, Helden, Gegner };
// "Sieger: Heldengruppe", "Sieger: Gegnergruppe", "Sieger: keiner"
QString SiegerText(Sieger sieger);

// Fights without a life point lost in a row, after which a fight is broken off.
constexpr int Abbruchrunden = 1000;

// Called with the progress bar's value and maximum when the fight starts, after every death, at its end,
// and after every pass (so a window can stay painted while a long fight runs).
using Fortschritt = std::function<void(int wert, int maximum)>;

// The two status tables of the living members.
void KampfstandSchreiben(const Kampfstand& stand, QIODevice& datei);
// Rebuilds the order: the living members by MU from highest to lowest as repeated selection places them
// (at equal MU the higher index first, at equal index the enemy first; negative MU after all others).
void ReihenfolgeBestimmen(Kampfstand& stand);
// Whether the key ("03", "112") is one of the order's places.
bool InReihenfolge(const Kampfstand& stand, const QString& schluessel);
// Clears targets that point at the dead and gives every member without one a target.
void ZieleZuweisen(Kampfstand& stand);
void ParadenZuruecksetzen(Kampfstand& stand);

// How an attack began: a roll of 1, a hit, or a miss.
enum class Attackenart { Gut, Treffer, Fehlschlag };

// Follows a fight as it happens; the report is one. Groups and indexes name the members of the fight's
// Kampfstand. A fight without one builds no text at all.
class Beobachter {
public:
    virtual ~Beobachter();
    // The groups as the fight begins, and as it ends (after Abbruch, when it was broken off).
    virtual void Beginn(const Kampfstand& stand) = 0;
    virtual void Ende(const Kampfstand& stand) = 0;
    virtual void Attacke(Gruppe gruppe, int index, Attackenart art) = 0;
    // The defender's parry: parried, or failed (or already failed in this pass).
    virtual void Parade(Gruppe gruppe, int index, bool pariert) = 0;
    virtual void Schaden(Gruppe gruppe, int index, qint64 punkte) = 0;
    virtual void Tod(Gruppe gruppe, int index) = 0;
    // The fight is broken off after this many passes without a life point lost.
    virtual void Abbruch(int runden) = 0;
};

// Plays the whole fight; the observer, when there is one, hears every event. The rolls and the outcome
// are the same with and without it.
Sieger Kampf(Kampfstand& stand, Beobachter* beobachter, const Fortschritt& fortschritt = {});
// Plays the whole fight and writes the report into the open output.
Sieger Kampf(Kampfstand& stand, QIODevice& datei, const Fortschritt& fortschritt = {});

// Plays the fight into the file `pfad`, written whole and closed before this returns. nullopt with a
// message when the report could not be written (then no file is left behind).
std::optional<Sieger> KampfSpeichern(Kampfstand& stand, const QString& pfad, QString* fehler = nullptr,
                                     const Fortschritt& fortschritt = {});

} // namespace BattleEngine
