#pragma once

#include "BattleEngine.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <map>
#include <memory>

class QIODevice;

// The odds of an encounter: the same line-up fought many times, fight k with the seed S + k, on all cores.
// Every fight follows the rules of BattleEngine::Kampf without a report; the counts are exactly those of
// as many single fights with these seeds, whatever the number of threads.
namespace Gewinnchancen {

constexpr qint64 StandardKaempfe = 10000;
constexpr qint64 HoechsteKaempfe = 10000000;

// The seed of fight k: S + k, past the largest seed --seed accepts on from 0 again.
quint64 SaatFuer(quint64 saat, qint64 k);

// A share of n fights with its 95 % Wilson score interval, each from 0 to 1.
struct Anteil {
    qint64 Anzahl = 0;
    double Wert = 0;
    double Unten = 0;
    double Oben = 0;
};
Anteil Wilson(qint64 treffer, qint64 n);

struct Mitglied {
    QString Name;
    qint64 Ueberlebt = 0; // fights it ended with LE 1 or more
    qint64 LESumme = 0;   // its LE at the end, summed over those fights
};

struct Ergebnis {
    qint64 Kaempfe = 0;
    quint64 Saat = 0;
    qint64 Siege[3] = {0, 0, 0};        // by BattleEngine::Sieger: keiner, Helden, Gegner
    qint64 Verluste = 0;                // fights in which at least one hero ended with LE below 1
    std::map<int, qint64> Runden;       // passes of a fight -> how many fights took that many
    QList<Mitglied> Helden;
    QList<Mitglied> Gegner;

    Anteil Sieg(BattleEngine::Sieger sieger) const;
    // The share of fights with a hero lost, the counterpart of the heroes' "Überlebt".
    Anteil Verlust() const;
    double RundenMittel() const;
    double RundenMedian() const;
    int RundenMaximum() const;
    const QList<Mitglied>& Gruppe(BattleEngine::Gruppe g) const
    {
        return g == BattleEngine::Gruppe::Helden ? Helden : Gegner;
    }
};

// Shared with a run in the background: how many fights are done, and the wish to stop.
struct Steuerung {
    std::atomic<qint64> Erledigt{0};
    std::atomic<bool> Abbrechen{false};
};

// Fights the line-up `kaempfe` times with the seeds S, S + 1 ... on `threads` threads (0: one per core).
// Returns nothing when the run was cancelled through the control.
std::optional<Ergebnis> Berechnen(const BattleEngine::Kampfstand& aufstellung, qint64 kaempfe, quint64 saat,
                                  Steuerung* steuerung = nullptr, int threads = 0);

// A run in the background; the window asks it from time to time how far it got. Destroying it cancels the
// run and waits for its threads.
class Hintergrundlauf {
public:
    Hintergrundlauf(const BattleEngine::Kampfstand& aufstellung, qint64 kaempfe, quint64 saat, int threads = 0);
    ~Hintergrundlauf();
    Hintergrundlauf(const Hintergrundlauf&) = delete;
    Hintergrundlauf& operator=(const Hintergrundlauf&) = delete;

    qint64 Kaempfe() const { return m_kaempfe; }
    qint64 Erledigt() const;
    bool Fertig() const;
    void Abbrechen();
    // Waits for the end; the result, or nothing when cancelled.
    std::optional<Ergebnis> Abholen();

private:
    struct Zustand;
    std::shared_ptr<Zustand> m_zustand;
    qint64 m_kaempfe;
};

// A share as the output shows it: one decimal, a German comma and " %" ("63,2 %").
QString Prozent(double anteil);
// A number with one decimal and a German comma ("14,2").
QString Dezimal(double wert);
// A whole number as it is ("13"), any other with one decimal ("13,5").
QString Zahl(double wert);

// The lines of the batch output, tab-separated; the last one "Verluste Heldengruppe" with its count, share
// and bounds.
QStringList Ausgabezeilen(const Ergebnis& ergebnis);

// A bar of table cells over the full cell width: dark up to `dunkel`, light up to `hell`, then empty (shares
// from 0 to 1). The suite's browser pane draws cell colours, so the bar needs no picture.
void BalkenSchreiben(double dunkel, double hell, const QString& farbeDunkel, const QString& farbeHell, QIODevice& datei);

// The result as a page of the suite: the outcomes and survivals as bars of table cells.
void SeiteSchreiben(const Ergebnis& ergebnis, QIODevice& datei);
bool SeiteSpeichern(const Ergebnis& ergebnis, const QString& pfad, QString* fehler = nullptr);

} // namespace Gewinnchancen
