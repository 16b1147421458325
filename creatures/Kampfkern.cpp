#include "Kampfkern.h"

#include <algorithm>

namespace Kampfkern {

using BattleEngine::Gruppe;
using BattleEngine::Kaempfer;
using BattleEngine::Kampfstand;
using BattleEngine::Sieger;

namespace {

constexpr quint64 Faktor = 6364136223846793005ull;

} // namespace

void Generator::Saeen(quint64 saat)
{
    // As std::mt19937_64::seed: x0 = S, x(i) = f (x(i-1) ^ (x(i-1) >> 62)) + i.
    m_x[0] = saat;
    for (unsigned i = 1; i < Groesse; ++i)
        m_x[i] = Faktor * (m_x[i - 1] ^ (m_x[i - 1] >> 62)) + i;
    m_pos = 0;
    m_ende = 0;
}

void Generator::VierSaeen(Generator* g[4], const quint64 saat[4])
{
    quint64 a = saat[0], b = saat[1], c = saat[2], d = saat[3];
    quint64* xa = g[0]->m_x;
    quint64* xb = g[1]->m_x;
    quint64* xc = g[2]->m_x;
    quint64* xd = g[3]->m_x;
    xa[0] = a;
    xb[0] = b;
    xc[0] = c;
    xd[0] = d;
    for (unsigned i = 1; i < Groesse; ++i) {
        a = Faktor * (a ^ (a >> 62)) + i;
        b = Faktor * (b ^ (b >> 62)) + i;
        c = Faktor * (c ^ (c >> 62)) + i;
        d = Faktor * (d ^ (d >> 62)) + i;
        xa[i] = a;
        xb[i] = b;
        xc[i] = c;
        xd[i] = d;
    }
    for (int k = 0; k < 4; ++k) {
        g[k]->m_pos = 0;
        g[k]->m_ende = 0;
    }
}

quint64 Generator::Grenze(int n, qint64 a)
{
    constexpr quint64 alle = quint64(1) << 53;
    if (n < 1 || a < 1)
        return 0;
    if (a >= n)
        return alle;
    // The first k whose roll exceeds a.
    quint64 links = 0;
    quint64 rechts = alle;
    while (links < rechts) {
        const quint64 mitte = links + (rechts - links) / 2;
        if (Abbilden(mitte << 11, n) > a)
            rechts = mitte;
        else
            links = mitte + 1;
    }
    return links;
}

namespace {

// The twist of std::mt19937_64 over the whole state, each new number tempered as it is made: in three
// stretches without index wrapping, so the compiler turns them into vector instructions.
inline __attribute__((always_inline)) void Block(quint64* __restrict x, quint64* __restrict aus)
{
    constexpr quint64 oben = ~quint64(0) << 31;
    constexpr quint64 unten = ~oben;
    constexpr quint64 matrix = 0xB5026F5AA96619E9ull;
    constexpr int n = Generator::Groesse;
    constexpr int m = 156;
    const auto neu = [](quint64 a, quint64 b, quint64 c) {
        const quint64 y = (a & oben) | (b & unten);
        return c ^ (y >> 1) ^ ((quint64(0) - (y & 1)) & matrix);
    };
    const auto temperiert = [](quint64 z) {
        z ^= (z >> 29) & 0x5555555555555555ull;
        z ^= (z << 17) & 0x71D67FFFEDA60000ull;
        z ^= (z << 37) & 0xFFF7EEE000000000ull;
        return z ^ (z >> 43);
    };
    for (int k = 0; k < n - m; ++k) {
        x[k] = neu(x[k], x[k + 1], x[k + m]);
        aus[k] = temperiert(x[k]);
    }
    for (int k = n - m; k < n - 1; ++k) {
        x[k] = neu(x[k], x[k + 1], x[k + m - n]);
        aus[k] = temperiert(x[k]);
    }
    x[n - 1] = neu(x[n - 1], x[0], x[m - 1]);
    aus[n - 1] = temperiert(x[n - 1]);
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same with the wider vectors of the processors that have them, chosen once at the start.
__attribute__((target("avx2"))) void BlockAvx2(quint64* x, quint64* aus)
{
    Block(x, aus);
}
#if defined(__clang__)
__attribute__((target("avx512f"))) void BlockAvx512(quint64* x, quint64* aus)
#else
__attribute__((target("avx512f,prefer-vector-width=512"))) void BlockAvx512(quint64* x, quint64* aus)
#endif
{
    Block(x, aus);
}
#endif

void BlockStandard(quint64* x, quint64* aus)
{
    Block(x, aus);
}

using Blockfunktion = void (*)(quint64*, quint64*);

Blockfunktion BlockWaehlen()
{
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
        return BlockAvx512;
    if (__builtin_cpu_supports("avx2"))
        return BlockAvx2;
#endif
    return BlockStandard;
}

const Blockfunktion g_block = BlockWaehlen();

} // namespace

void Generator::Nachfuellen()
{
    const int rest = m_ende - m_pos;
    for (int i = 0; i < rest; ++i)
        m_aus[i] = m_aus[m_pos + i];
    g_block(m_x, m_aus + rest);
    m_pos = 0;
    m_ende = rest + Groesse;
}

Kern::Kern(const Kampfstand& aufstellung)
{
    m_anzahl[0] = aufstellung.AnzahlHelden();
    m_anzahl[1] = aufstellung.AnzahlGegner();
    m_basis[1] = m_anzahl[0];
    struct Eintrag {
        qint64 mu;
        int position; // as BattleEngine::ReihenfolgeBestimmen scans: 2 i for hero i, 2 i + 1 for enemy i
        int index;
    };
    std::vector<Eintrag> lebende;
    for (int g = 0; g < 2; ++g) {
        const QList<Kaempfer>& gruppe = aufstellung.Mitglieder(Gruppe(g));
        for (int i = 0; i < int(gruppe.size()); ++i) {
            const Kaempfer& k = gruppe[i];
            Mitglied m{};
            m.le = k.LE;
            m.startLE = k.LE;
            m.bonus = k.Bonus;
            m.rs = k.RS;
            m.ziel = -1;
            m.getroffen = 0;
            m.feindBasis = g == 0 ? m_anzahl[0] : 0;
            m.feinde = m_anzahl[1 - g];
            const bool wuerfelt = k.Wuerfel.startsWith(QLatin1Char('W'));
            // What BattleEngine's die reading gives for every text: the number after the "W", 0 for none. A
            // die without sides rolls 1 without a draw.
            const int seiten = wuerfelt ? k.Wuerfel.mid(1).toInt() : 0;
            m.zieht = wuerfelt && seiten >= 1;
            m.seiten = m.zieht ? seiten : 1;
            m.faktor = double(m.seiten) * 0x1.0p-53;
            m.mal = wuerfelt ? k.Anzahl : 0;
            m.plus = wuerfelt ? k.Bonus : k.Anzahl;
            m.ruestung = wuerfelt ? ~qint64(0) : 0;
            // Hits: a roll of 1, or one of at most AT. Parries: at most PA; against a good attack twice the
            // roll at most PA, that is the roll at most PA / 2 rounded down.
            m.trifft = Generator::Grenze(20, std::max<qint64>(1, k.AT));
            m.pariert = Generator::Grenze(20, k.PA);
            m.pariertGut = Generator::Grenze(20, k.PA >= 0 ? k.PA / 2 : 0);
            m_m.push_back(m);
            if (k.LE >= 1) {
                lebende.push_back({k.MU, 2 * i + g, m_basis[g] + i});
                ++m_startLebende[g];
            }
        }
    }
    // The order of BattleEngine::ReihenfolgeBestimmen. Deaths only take members out of it, so the order of
    // the living is always this one with the dead left out; no fight sorts again.
    std::sort(lebende.begin(), lebende.end(), [](const Eintrag& a, const Eintrag& b) {
        return a.mu != b.mu ? a.mu > b.mu : a.position > b.position;
    });
    for (const Eintrag& e : lebende)
        m_volleReihe.push_back(e.index);
    m_gutGrenze = Generator::Grenze(20, 1);
    m_reihe.reserve(m_volleReihe.size());
}

int Kern::LebendesZiel(Generator& zufall, int gruppe)
{
    // As BattleEngine: draws over the whole group until one lives, with the same way out after too many.
    // Each draw is Zufall's roll of 1..n less one, read straight from the buffer.
    const Mitglied* m = m_m.data() + m_basis[gruppe];
    const int groesse = m_anzahl[gruppe];
    if (groesse < 1)
        return -1;
    const double faktor = double(groesse) * 0x1.0p-53;
    const qint64 grenze = qint64(groesse) * 64 + 10000;
    int r = 0;
    int pos = zufall.m_pos;
    for (qint64 versuch = 0; versuch < grenze; ++versuch) {
        if (pos == zufall.m_ende) {
            zufall.m_pos = pos;
            zufall.Nachfuellen();
            pos = zufall.m_pos;
        }
        r = int(double(qint64(zufall.m_aus[pos++] >> 11)) * faktor);
        r = r >= groesse ? groesse - 1 : r;
        if (m[r].le >= 1) {
            zufall.m_pos = pos;
            return r;
        }
    }
    zufall.m_pos = pos;
    for (int i = 0; i < groesse; ++i) {
        const int j = (r + i) % groesse;
        if (m[j].le >= 1)
            return j;
    }
    return -1;
}

void Kern::ZieleZuweisen(Generator& zufall)
{
    // BattleEngine's first assignment, when every target is still free: the members of the larger group
    // and those of the smaller one in turn, index by index.
    Mitglied* m = m_m.data();
    const int gross = m_lebende[0] < m_lebende[1] ? 1 : 0;
    const int klein = 1 - gross;
    Mitglied* l = m + m_basis[gross];
    Mitglied* s = m + m_basis[klein];
    const int nl = m_anzahl[gross];
    const int ns = m_anzahl[klein];
    for (int i = 0; i < nl; ++i) {
        if (l[i].ziel == -1)
            l[i].ziel = LebendesZiel(zufall, klein);
        if (i < ns && s[i].ziel == -1)
            s[i].ziel = l[i].le >= 1 ? i : LebendesZiel(zufall, gross);
    }
    for (int i = nl; i < ns; ++i)
        if (s[i].ziel == -1)
            s[i].ziel = LebendesZiel(zufall, gross);
}

void Kern::ZielVerloren(Generator& zufall, int gruppe, int index)
{
    // BattleEngine clears every target that points at the dead and then walks both groups to give each
    // cleared member a new one. Every other target is alive: each assignment takes a living member, and
    // after every death this runs again. So the cleared members are exactly those of the other group that
    // aimed at this member, all in one group, and the walk reaches them in the order of their index.
    const int andere = 1 - gruppe;
    const int gross = m_lebende[0] < m_lebende[1] ? 1 : 0;
    Mitglied* k = m_m.data() + m_basis[andere];
    const Mitglied* l = m_m.data() + m_basis[gross];
    const int n = m_anzahl[andere];
    for (int i = 0; i < n; ++i) {
        if (k[i].ziel != index)
            continue;
        if (andere == gross)
            k[i].ziel = LebendesZiel(zufall, gruppe);
        else
            k[i].ziel = i < m_anzahl[gross] && l[i].le >= 1 ? i : LebendesZiel(zufall, gross);
    }
}

bool Kern::Kaempfen(Generator& zufall, const std::atomic<bool>* abbrechen)
{
    // Each member as the fight begins: its LE, no target, its parry unspent.
    Mitglied* const m = m_m.data();
    for (Mitglied* k = m, *ende = m + m_m.size(); k != ende; ++k) {
        k->le = k->startLE;
        k->ziel = -1;
        k->getroffen = 0;
    }
    m_lebende[0] = m_startLebende[0];
    m_lebende[1] = m_startLebende[1];
    m_runden = 0;
    bool abgebrochen = false;
    if (m_lebende[0] > 0 && m_lebende[1] > 0) {
        m_reihe.assign(m_volleReihe.begin(), m_volleReihe.end());
        ZieleZuweisen(zufall);
        // The generator's place is kept here while the attacks run and handed back for every targeting.
        const quint64* const aus = zufall.m_aus;
        int pos = zufall.m_pos;
        int ende = zufall.m_ende;
        const quint64 gutGrenze = m_gutGrenze;
        int ohneVerlust = 0;
        bool vorbei = false;
        while (!vorbei) {
            if (abbrechen && abbrechen->load(std::memory_order_relaxed)) {
                zufall.m_pos = pos;
                return false;
            }
            qint64 verlust = 0; // the damage of the pass: more than 0 when someone lost life points
            bool neueReihe = false;
            const int runde = ++m_runden;
            const int* reihe = m_reihe.data();
            const int plaetze = int(m_reihe.size());
            for (int platz = 0; platz < plaetze; ++platz) {
                Mitglied& a = m[reihe[platz]];
                if (a.le < 1)
                    continue;
                // The attack of BattleEngine's Angriff, roll for roll.
                if (unsigned(a.ziel) >= unsigned(a.feinde))
                    continue;
                Mitglied& d = m[a.feindBasis + a.ziel];
                if (d.le < 1)
                    continue;
                // The three rolls an attack may take are read before it is known how many it takes: the
                // attack roll; the parry roll if it hits; the damage roll if the parry fails and the weapon
                // rolls a die. Hit and parry are decided on the generator's bits against the members'
                // bounds, so the next attack knows where its rolls start after a few instructions; the
                // outcomes are masks and selections, not jumps the processor would guess wrong half the time.
                if (ende - pos < 3) {
                    zufall.m_pos = pos;
                    zufall.Nachfuellen();
                    pos = zufall.m_pos;
                    ende = zufall.m_ende;
                }
                const quint64* z = aus + pos;
                const quint64 k0 = z[0] >> 11;
                const bool gut = k0 < gutGrenze;
                const bool trifft = k0 < a.trifft;
                const bool pariert = ((z[1] >> 11) < (gut ? d.pariertGut : d.pariert)) & (d.getroffen != runde);
                const bool schlaegt = trifft & !pariert;
                const bool zieht = schlaegt & (gut | a.zieht);
                pos += 1 + int(trifft) + int(zieht);
                // A good attack: a W20 plus the bonus, without armour; a normal hit: the die times the
                // number of dice plus the bonus less armour, or the fixed points of "SP"; never below 0.
                const double faktor = gut ? 20 * 0x1.0p-53 : a.faktor;
                const int seiten = gut ? 20 : a.seiten;
                int roh = int(double(qint64(z[2] >> 11)) * faktor) + 1;
                roh = roh > seiten ? seiten : roh;
                const qint64 wurf = roh;
                qint64 s = gut ? wurf + a.bonus : wurf * a.mal + a.plus - (d.rs & a.ruestung);
                s = s < 0 ? 0 : s;
                // Masks, since a compiler would turn a selection on the outcome back into a jump.
                s &= -qint64(schlaegt);
                d.le -= s;
                d.getroffen ^= (d.getroffen ^ runde) & -int(schlaegt);
                verlust += s;
                if (d.le >= 1)
                    continue;
                const int dg = a.feindBasis == 0 ? 0 : 1; // the heroes come first
                if (--m_lebende[dg] <= 0) {
                    vorbei = true;
                    break;
                }
                zufall.m_pos = pos;
                ZielVerloren(zufall, dg, a.ziel);
                pos = zufall.m_pos;
                ende = zufall.m_ende;
                neueReihe = true;
            }
            if (vorbei)
                break;
            // The spent parries come back with the next pass's number; the order loses the dead.
            if (neueReihe) {
                int* ziel = m_reihe.data();
                int n = 0;
                for (int index : m_volleReihe)
                    if (m[index].le >= 1)
                        ziel[n++] = index;
                m_reihe.resize(size_t(n));
            }
            ohneVerlust = verlust > 0 ? 0 : ohneVerlust + 1;
            if (ohneVerlust >= BattleEngine::Abbruchrunden) {
                abgebrochen = true;
                break;
            }
            vorbei = m_lebende[0] <= 0 || m_lebende[1] <= 0;
        }
        zufall.m_pos = pos;
    }
    if (abgebrochen)
        m_sieger = Sieger::Keiner;
    else if (m_lebende[0] > 0 && m_lebende[1] <= 0)
        m_sieger = Sieger::Helden;
    else if (m_lebende[1] > 0 && m_lebende[0] <= 0)
        m_sieger = Sieger::Gegner;
    else
        m_sieger = Sieger::Keiner;
    return true;
}

} // namespace Kampfkern
