#pragma once

#include "BattleEngine.h"

#include <atomic>
#include <cstdint>
#include <vector>

// The fight of an odds run without a report, made fast: the rules of BattleEngine::Kampf on flat arrays of
// plain numbers, and the seeded source of Zufall::Eigene as an inline generator. A fight with seed S gives
// exactly the winner, passes and final LE values of BattleEngine::Kampf after Zufall::SaatSetzen(S): the same
// rolls, in the same order, one generator number per roll.
namespace Kampfkern {

// std::mt19937_64 with Zufall's mapping to 1..n. The numbers are twisted and tempered a block of 312 at a
// time into a buffer, as the standard engine does, so a fight can look at the next numbers before it knows
// how many of them its rolls take: an attack reads its three possible rolls and takes one, two or three,
// without a jump that depends on the dice.
class Generator {
public:
    static constexpr int Groesse = 312;

    explicit Generator(quint64 saat = 5489u) { Saeen(saat); }
    void Saeen(quint64 saat);
    // Seeds four generators at once: the seeding is one long chain of multiplications per generator, and four
    // chains side by side keep the core busy where one would wait for each product.
    static void VierSaeen(Generator* g[4], const quint64 saat[4]);

    // At least k (1 to 8) numbers ready in the buffer.
    inline void Sichern(int k)
    {
        if (m_ende - m_pos < k)
            Nachfuellen();
    }
    // The i-th number from now, without taking it (Sichern(i + 1) first).
    inline quint64 Vorschau(int i) const { return m_aus[m_pos + i]; }
    // Takes c numbers.
    inline void Weiter(int c) { m_pos += c; }

    // The next 64-bit number, as std::mt19937_64 gives it.
    inline quint64 Zahl()
    {
        Sichern(1);
        return m_aus[m_pos++];
    }

    // A number as Zufall maps it to 1..n (n at least 1): the top 53 bits as a share of 1, times n, cut off,
    // plus 1. Scaling the factor n by 2^-53 first is exact, so one multiplication gives the same product.
    static inline int Abbilden(quint64 zahl, int n)
    {
        const int wert = int(double(qint64(zahl >> 11)) * (double(n) * 0x1.0p-53)) + 1;
        return wert > n ? n : wert;
    }

    // The comparison "roll of 1..n at most a" without the mapping: Abbilden(z, n) <= a exactly when
    // (z >> 11) < Grenze(n, a). Abbilden grows with z, so one bound splits the numbers; it is found once by
    // halving the range with the very mapping, so the two can never disagree.
    static quint64 Grenze(int n, qint64 a);

    // A whole number from 1 to n exactly as Zufall::Ziehen takes it from a seeded source (1 without a draw
    // when n is below 1).
    inline int Ziehen(int n)
    {
        if (n < 1)
            return 1;
        return Abbilden(Zahl(), n);
    }

private:
    friend class Kern;
    void Nachfuellen();

    quint64 m_x[Groesse];
    // Tempered numbers not yet taken: m_aus[m_pos] up to m_aus[m_ende]; a few left from the last block are
    // moved to the front before the next one follows them.
    quint64 m_aus[Groesse + 8];
    int m_pos = 0;
    int m_ende = 0;
};

// A line-up prepared once for many fights: values, the initiative order of all members, and the state of
// one fight, all in flat arrays reused from fight to fight.
class Kern {
public:
    explicit Kern(const BattleEngine::Kampfstand& aufstellung);

    int AnzahlHelden() const { return m_anzahl[0]; }
    int AnzahlGegner() const { return m_anzahl[1]; }

    // Plays one fight from the line-up's values with the generator's rolls. `abbrechen` is looked at once a
    // pass: false when the wish to stop was seen (the fight is then incomplete and counts for nothing).
    bool Kaempfen(Generator& zufall, const std::atomic<bool>* abbrechen = nullptr);

    // The outcome of the last fight.
    BattleEngine::Sieger Sieger() const { return m_sieger; }
    int Runden() const { return m_runden; }
    // Final LE of hero i, then of enemy i at index AnzahlHelden() + i.
    qint64 LE(int i) const { return m_m[size_t(i)].le; }

private:
    // One member: its values and its state in the current fight. Two cache lines exactly, so a member's
    // place is its index shifted, not multiplied.
    struct alignas(128) Mitglied {
        qint64 le;
        qint64 startLE; // LE as the fight begins
        qint64 bonus, rs;
        int ziel;      // index within the other group, or -1
        int getroffen; // the pass in which it was last hit: its parry is spent for that pass
        int feindBasis; // where the other group starts among all members, and its size
        int feinde;
        // A normal hit does roll * mal + plus - (the defender's RS & ruestung) points: for a "W..." weapon
        // the number of dice, the bonus and all of RS; for "SP" 0, the fixed points and none of RS.
        qint64 mal, plus, ruestung;
        double faktor; // the sides of the die times 2^-53, for Zufall's mapping; 1 side when it takes no roll
        int seiten;    // the sides as the mapping's upper end (1 when no roll is taken)
        bool zieht;    // its normal hit takes a roll: a "W..." weapon with at least one side
        // Rolls as bounds on the generator's 53 bits (Generator::Grenze): the attack hits below `trifft`;
        // a parry holds below `pariert`, against a good attack below `pariertGut`.
        quint64 trifft, pariert, pariertGut;
    };
    void ZieleZuweisen(Generator& zufall);
    // New targets for those who aimed at member `index` of group `gruppe`, which has just died.
    void ZielVerloren(Generator& zufall, int gruppe, int index);
    int LebendesZiel(Generator& zufall, int gruppe);

    int m_anzahl[2] = {0, 0};
    int m_basis[2] = {0, 0};
    int m_startLebende[2] = {0, 0};
    std::vector<int> m_volleReihe;     // the members living at the start, in the initiative order
    std::vector<Mitglied> m_m;         // heroes first: their values, and their state in the current fight
    std::vector<int> m_reihe;
    quint64 m_gutGrenze = 0; // a roll of 1 on a W20
    int m_lebende[2] = {0, 0};
    int m_runden = 0;
    BattleEngine::Sieger m_sieger = BattleEngine::Sieger::Keiner;
};

} // namespace Kampfkern
