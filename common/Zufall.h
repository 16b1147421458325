#pragma once

#include <QList>
#include <QStringList>

#include <optional>

// The source behind Subs::Zufallszahl. Production draws from a generator seeded at start and folds the time
// of the call into every draw; batch mode may fix a seed; tests script the exact rolls.
namespace Zufall {

class Quelle {
public:
    virtual ~Quelle();
    // A whole number from 1 to n; n is at least 1.
    virtual int Ziehen(int n) = 0;
};

// A draw from the installed source (1 without a draw when n is below 1).
int Ziehen(int n);

// The largest seed --seed accepts.
constexpr quint64 HoechsteSaat = 0x7FFFFFFFFFFFFFFFull;

// Deterministic draws from this seed from now on (batch mode's --seed).
void SaatSetzen(quint64 saat);
// Back to the production source.
void ProduktionSetzen();
// The seed given to SaatSetzen while that seeded source is still the installed one.
std::optional<quint64> Saat();
// A fresh seed from 0 to HoechsteSaat, for runs that print the seed they used.
quint64 NeueSaat();

class Gesaet;

// A seeded source of one thread: while it lives, draws on its thread come from it and not from the
// program-wide source, so parallel runs each follow a seed of their own. Its draws from a seed are exactly
// those SaatSetzen gives.
class Eigene {
public:
    explicit Eigene(quint64 saat = 0);
    ~Eigene();
    Eigene(const Eigene&) = delete;
    Eigene& operator=(const Eigene&) = delete;

    // Starts the sequence of this seed again.
    void Saeen(quint64 saat);

private:
    Gesaet* m_quelle;
    Gesaet* m_vorher;
};

// Scripted rolls for tests: while it lives, every draw takes the next given value. It records the sides
// asked for, so a test can check the order of the draws, and any roll that did not fit.
class Skript : public Quelle {
public:
    explicit Skript(const QList<int>& wuerfe = {});
    ~Skript() override;
    Skript(const Skript&) = delete;
    Skript& operator=(const Skript&) = delete;

    void Anhaengen(const QList<int>& wuerfe);
    int Ziehen(int n) override;

    // The n of every draw, in order.
    const QList<int>& Angefragt() const { return m_angefragt; }
    // Rolls not yet used.
    qsizetype Uebrig() const { return m_wuerfe.size() - m_naechster; }
    // Draws past the end of the script and rolls outside 1..n, as readable texts.
    const QStringList& Fehler() const { return m_fehler; }

private:
    QList<int> m_wuerfe;
    qsizetype m_naechster = 0;
    QList<int> m_angefragt;
    QStringList m_fehler;
    Quelle* m_vorher = nullptr;
};

} // namespace Zufall
