#include "Zufall.h"

#include <chrono>
#include <memory>
#include <random>

namespace Zufall {

namespace {

double Einheit(quint64 bits)
{
    return double(bits >> 11) * 0x1.0p-53;
}

int Abbilden(double r, int n)
{
    // r * n is never negative, so cutting off the fraction is the floor, without a call into the maths library.
    const int wert = int(r * double(n)) + 1;
    return wert > n ? n : wert;
}

class Produktion : public Quelle {
public:
    Produktion()
    {
        std::random_device geraet;
        const auto jetzt = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        m_gen.seed((quint64(geraet()) << 32) ^ geraet() ^ quint64(jetzt));
    }
    int Ziehen(int n) override
    {
        // The moment of the call still matters, as intended, but a coarse clock can no longer repeat draws.
        const auto jetzt = quint64(std::chrono::steady_clock::now().time_since_epoch().count());
        quint64 x = m_gen() ^ (jetzt * 0x9E3779B97F4A7C15ull);
        x ^= x >> 31;
        x *= 0xBF58476D1CE4E5B9ull;
        x ^= x >> 27;
        return Abbilden(Einheit(x), n);
    }

private:
    std::mt19937_64 m_gen;
};

} // namespace

class Gesaet final : public Quelle {
public:
    explicit Gesaet(quint64 saat) : m_gen(saat), m_saat(saat) {}
    int Ziehen(int n) override { return Abbilden(Einheit(m_gen()), n); }
    void Saeen(quint64 saat)
    {
        m_gen.seed(saat);
        m_saat = saat;
    }
    quint64 Saat() const { return m_saat; }

private:
    std::mt19937_64 m_gen;
    quint64 m_saat;
};

namespace {

std::unique_ptr<Gesaet>& Gesetzt()
{
    static std::unique_ptr<Gesaet> gesaet;
    return gesaet;
}

// A thread's own seeded source goes before the program-wide one.
thread_local Gesaet* t_eigene = nullptr;

Quelle* Standard()
{
    static Produktion produktion;
    return &produktion;
}

Quelle*& Installiert()
{
    static Quelle* quelle = Standard();
    return quelle;
}

} // namespace

Quelle::~Quelle() = default;

int Ziehen(int n)
{
    if (n < 1)
        return 1;
    if (t_eigene)
        return t_eigene->Ziehen(n);
    return Installiert()->Ziehen(n);
}

void SaatSetzen(quint64 saat)
{
    Gesetzt() = std::make_unique<Gesaet>(saat);
    Installiert() = Gesetzt().get();
}

std::optional<quint64> Saat()
{
    if (Gesetzt() && Installiert() == Gesetzt().get())
        return Gesetzt()->Saat();
    return std::nullopt;
}

quint64 NeueSaat()
{
    std::random_device geraet;
    const auto jetzt = quint64(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return ((quint64(geraet()) << 32) ^ geraet() ^ (jetzt * 0x9E3779B97F4A7C15ull)) & HoechsteSaat;
}

Eigene::Eigene(quint64 saat) : m_quelle(new Gesaet(saat)), m_vorher(t_eigene)
{
    t_eigene = m_quelle;
}

Eigene::~Eigene()
{
    if (t_eigene == m_quelle)
        t_eigene = m_vorher;
    delete m_quelle;
}

void Eigene::Saeen(quint64 saat)
{
    m_quelle->Saeen(saat);
}

void ProduktionSetzen()
{
    Installiert() = Standard();
}

Skript::Skript(const QList<int>& wuerfe) : m_wuerfe(wuerfe), m_vorher(Installiert())
{
    Installiert() = this;
}

Skript::~Skript()
{
    if (Installiert() == this)
        Installiert() = m_vorher;
}

void Skript::Anhaengen(const QList<int>& wuerfe)
{
    m_wuerfe += wuerfe;
}

int Skript::Ziehen(int n)
{
    m_angefragt.append(n);
    if (m_naechster >= m_wuerfe.size()) {
        m_fehler.append(QStringLiteral("Wurf %1 (W%2) fehlt im Skript").arg(m_angefragt.size()).arg(n));
        return 1;
    }
    const int wurf = m_wuerfe[m_naechster++];
    if (wurf < 1 || wurf > n) {
        m_fehler.append(QStringLiteral("Wurf %1 ist %2, passt aber nicht zu W%3").arg(m_angefragt.size()).arg(wurf).arg(n));
        return wurf < 1 ? 1 : n;
    }
    return wurf;
}

} // namespace Zufall
