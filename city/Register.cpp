#include "Register.h"

#include "Stadt.h"

namespace CityEngine {

Knopfzustand Knoepfe(const Liste& liste, int stelle)
{
    Knopfzustand k;
    k.Zurueck = stelle > 0;
    k.Weiter = stelle < liste.Anzahl();
    k.Loeschen = stelle < liste.Anzahl();
    return k;
}

const QStringList& Gezeigt(const Liste& liste, int stelle)
{
    return liste.Slots.at(qBound(0, stelle, liste.Anzahl()));
}

bool Speichern(Liste& liste, int stelle, const QStringList& felder)
{
    const int n = liste.Anzahl();
    if (stelle < 0 || stelle > n)
        return false;
    if (stelle == n) {
        if (n >= MaxEintraege)
            return false;
        // A slot appended by storing holds empty texts, price and quality included.
        liste.Slots.append(QStringList(felder.size(), QString()));
    }
    liste.Slots[stelle] = felder;
    return true;
}

void Weiter(const Liste& liste, int& stelle)
{
    if (stelle < liste.Anzahl())
        ++stelle;
}

void Zurueck(int& stelle)
{
    if (stelle > 0)
        --stelle;
}

void Loeschen(Liste& liste, int stelle)
{
    if (stelle < 0 || stelle >= liste.Anzahl())
        return;
    liste.Slots.removeAt(stelle);
}

} // namespace CityEngine
