#pragma once

#include "BattleEngine.h"
#include "Gewinnchancen.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

class QIODevice;

// Enemy groups proposed from the creature database for a hero group and a wanted win chance: groups of one
// kind, or of two kinds that belong together, whose heroes' share of won fights lies within the band. The
// search screens every kind and pair with a few hundred fights on the seeds S, S + 1 ..., then confirms the
// nearest groups with the full number of fights exactly as Gewinnchancen::Berechnen plays them, so each
// printed share is that of the saved line-up. The outcome depends on the seed only, not on the threads.
namespace Vorschlaege {

constexpr int StandardZiel = 70;     // percent
constexpr int StandardSpanne = 5;    // percentage points either side
constexpr int StandardHoechstens = 8;
constexpr int StandardAnzahl = 5;
constexpr int HoechsteAnzahl = 20;
constexpr int KleinstesZiel = 5;
constexpr int GroesstesZiel = 95;
constexpr int GroessteSpanne = 50;

// A kind of creature the search may use: a record fit for battle with LE 1 or more, the first of its name.
struct Art {
    int Zeile = -1;       // the record's row
    QString Name;
    QString Kategorie;
    QStringList Orte;     // the nouns of its regions, in lower case
    QStringList Woerter;  // the words of its description and abilities in lower case, where other kinds are named
    QString Text;         // the same text whole, for names of several words
    BattleEngine::Kaempfer Kaempfer;
};

// The kinds of the records, in record order; with categories named, only kinds of those (letter case and
// blanks around them do not count).
QList<Art> Arten(const QList<QStringList>& kreaturen, const QStringList& kategorien = {});
// The categories the records use, in the order of first use.
QStringList Kategorien(const QList<QStringList>& kreaturen);

// The nouns of a region text: capitalised words of four letters or more, in lower case. The first word is
// left out when a capitalised word follows it after a blank: that is an adjective ("Dichte Wälder").
QStringList Ortsnamen(const QString& regionen);
// Whether two kinds belong in one group: one names the other in its description or abilities ("führt 2W6
// Wegelagerer an", "von Kultisten umgeben"), or both have the same category and share a region noun, where
// one noun may end with the other ("Bergwälder" and "Wälder").
bool PassenZusammen(const Art& a, const Art& b);

struct Anfrage {
    QList<BattleEngine::Kaempfer> Helden;
    int Ziel = StandardZiel;
    int Spanne = StandardSpanne;
    int Hoechstens = StandardHoechstens; // members of a group, 1 to BattleEngine::HoechsteMitglieder
    int Anzahl = StandardAnzahl;         // proposals wanted
    qint64 Kaempfe = Gewinnchancen::StandardKaempfe;
    quint64 Saat = 0;
    int Threads = 0;                     // 0: one per core
};

// Part of a group: `Anzahl` members of kind `Art` (an index into the kinds searched).
struct Teil {
    int Art = -1;
    int Anzahl = 0;
    bool operator==(const Teil& t) const { return Art == t.Art && Anzahl == t.Anzahl; }
};

struct Vorschlag {
    QList<Teil> Gruppe;                   // the larger part first
    QString Text;                         // "3× Wolf, 1× Braunbär"
    BattleEngine::Kampfstand Aufstellung; // the heroes and the group as confirmed and saved
    Gewinnchancen::Ergebnis Ergebnis;     // the confirmed run
};

struct Ergebnis {
    QList<Vorschlag> Vorschlaege;       // nearest to the wanted share first
    std::optional<Vorschlag> Naechster; // without proposals: the group found nearest, confirmed as well
    bool OhneArten = false;             // no kind to build a group from
};

// Shared with a search in the background: its steps done of all, the fights of the confirmation under way
// (Lauf.Erledigt), and the wish to stop (Lauf.Abbrechen).
struct Steuerung {
    Gewinnchancen::Steuerung Lauf;
    std::atomic<int> Erledigt{0};
    std::atomic<int> Gesamt{1};
};

// Whether the heroes' confirmed share of the proposal lies within Ziel ± Spanne, counted exactly.
bool ImBand(const Anfrage& anfrage, const Gewinnchancen::Ergebnis& ergebnis);

// The search; nothing when it was cancelled.
std::optional<Ergebnis> Suchen(const Anfrage& anfrage, const QList<Art>& arten, Steuerung* steuerung = nullptr);

// "Vorschlag", its number, the group, the heroes' share with its bounds, the share of fights with a hero
// lost, the mean passes; tab-separated.
QString Zeile(int nummer, const Vorschlag& vorschlag);
// The one sentence for a search without proposals: the band missed and the nearest group with its share.
QString Leermeldung(const Anfrage& anfrage, const Ergebnis& ergebnis);
// "Kämpfe", "Seed", then a line a proposal or the sentence.
QStringList Ausgabezeilen(const Anfrage& anfrage, const Ergebnis& ergebnis);

// The proposals as a page of the suite, each share as a bar.
void SeiteSchreiben(const Anfrage& anfrage, const Ergebnis& ergebnis, QIODevice& datei);
bool SeiteSpeichern(const Anfrage& anfrage, const Ergebnis& ergebnis, const QString& pfad, QString* fehler = nullptr);

// The name of proposal `nummer`'s line-up file ("Vorschlag 1.txt").
QString Dateiname(int nummer);
// Writes each proposal as a line-up file into the folder (made when missing); false with a message.
bool Speichern(const Ergebnis& ergebnis, const QString& ordner, QString* fehler = nullptr);

// A search in the background; destroying it stops the search and waits for its threads.
class Hintergrundsuche {
public:
    Hintergrundsuche(const Anfrage& anfrage, const QList<Art>& arten);
    ~Hintergrundsuche();
    Hintergrundsuche(const Hintergrundsuche&) = delete;
    Hintergrundsuche& operator=(const Hintergrundsuche&) = delete;

    // Steps done and of all: each kind, each pair, each confirmation.
    int Erledigt() const;
    int Gesamt() const;
    // How far the search got, from 0 to 1, with the fights of a confirmation under way.
    double Anteil() const;
    bool Fertig() const;
    void Abbrechen();
    // Waits for the end; the result, or nothing when cancelled.
    std::optional<Ergebnis> Abholen();

private:
    struct Zustand;
    std::shared_ptr<Zustand> m_zustand;
    qint64 m_kaempfe;
};

} // namespace Vorschlaege
