#include "Datensatzeditor.h"

#include "Dialoge.h"

#include <QWidget>

namespace {

unsigned Bit(Datensatzeditor::Zustand z)
{
    return 1u << unsigned(z);
}

} // namespace

Datensatzeditor::Datensatzeditor(bool& bearbeitungsmodus, int& zeile, std::function<QStringList()> felder)
    : m_bearbeitungsmodus(bearbeitungsmodus), m_zeile(zeile), m_felder(std::move(felder))
{
}

void Datensatzeditor::Steuern(QWidget* element, std::initializer_list<Zustand> zustaende, bool mitDatensatz)
{
    unsigned maske = 0;
    for (const Zustand z : zustaende)
        maske |= Bit(z);
    m_regeln.append({element, maske, mitDatensatz});
}

void Datensatzeditor::Liste()
{
    m_eingabe = false;
    m_seite = false;
}

void Datensatzeditor::Neu()
{
    m_eingabe = true;
    m_seite = false;
    m_bearbeitungsmodus = false;
}

void Datensatzeditor::Bearbeiten(int zeile)
{
    m_eingabe = true;
    m_seite = false;
    m_bearbeitungsmodus = true;
    m_zeile = zeile;
}

void Datensatzeditor::Seite()
{
    m_eingabe = false;
    m_seite = true;
}

Datensatzeditor::Zustand Datensatzeditor::Aktuell() const
{
    if (m_eingabe)
        return m_bearbeitungsmodus ? Zustand::Bearbeiten : Zustand::Neu;
    return m_seite ? Zustand::Seite : Zustand::Liste;
}

void Datensatzeditor::Geladen()
{
    m_geladen = m_felder();
}

bool Datensatzeditor::Geaendert() const
{
    return m_eingabe && m_felder() != m_geladen;
}

void Datensatzeditor::Anwenden(bool datensatz) const
{
    const unsigned jetzt = Bit(Aktuell());
    for (const Regel& r : m_regeln)
        r.element->setEnabled((r.zustaende & jetzt) != 0 && (datensatz || !r.mitDatensatz));
}

bool Datensatzeditor::Verlassen(const QString& name, const std::function<bool()>& speichern) const
{
    if (!Geaendert())
        return true;
    switch (Dialoge::Ungespeichert(name)) {
    case Dialoge::Antwort::Speichern: return speichern();
    case Dialoge::Antwort::Verwerfen: return true;
    default: return false;
    }
}
