#include "Armory3Variablen.h"

#include <future>

namespace Armory3Variablen {

using Waffentabellen::Waffentabelle;

const QString Programmtitel = QStringLiteral("Waffkam 3");

namespace {
Waffentabelle Leer(Waffentabellen::Tabelle art)
{
    Waffentabelle t;
    t.Art = art;
    return t;
}
} // namespace

Waffentabelle NWaffen = Leer(Waffentabellen::Tabelle::NWaffen);
Waffentabelle FWaffen = Leer(Waffentabellen::Tabelle::FWaffen);
Waffentabelle Armor = Leer(Waffentabellen::Tabelle::Armor);

Waffentabellen::Tabelle AktuelleTabelle = Waffentabellen::Tabelle::NWaffen;
bool Bearbeitungsmodus = false;
int Bearbeitungszeile = 0;

Waffentabelle& Tabelle(Waffentabellen::Tabelle t)
{
    switch (t) {
    case Waffentabellen::Tabelle::FWaffen: return FWaffen;
    case Waffentabellen::Tabelle::Armor: return Armor;
    case Waffentabellen::Tabelle::NWaffen: break;
    }
    return NWaffen;
}

namespace {

constexpr Waffentabellen::Tabelle kArten[] = {Waffentabellen::Tabelle::NWaffen, Waffentabellen::Tabelle::FWaffen,
                                              Waffentabellen::Tabelle::Armor};

struct Gelesen {
    Waffentabellen::Waffentabelle Tabellen[3];
    Waffentabellen::Ladeergebnis Ergebnisse[3];
};

Gelesen Lesen()
{
    Gelesen g;
    for (int i = 0; i < 3; ++i) {
        g.Tabellen[i].Art = kArten[i];
        g.Ergebnisse[i] = Waffentabellen::TabelleLaden(g.Tabellen[i]);
    }
    return g;
}

std::future<Gelesen>& Vorgelesen()
{
    static std::future<Gelesen> vorgelesen;
    return vorgelesen;
}

} // namespace

QStringList TabellenLaden()
{
    Gelesen g = Vorgelesen().valid() ? Vorgelesen().get() : Lesen();
    QStringList meldungen;
    for (int i = 0; i < 3; ++i) {
        Tabelle(kArten[i]) = std::move(g.Tabellen[i]);
        const QString meldung = Waffentabellen::Lademeldung(g.Ergebnisse[i]);
        if (!meldung.isEmpty())
            meldungen.append(meldung);
    }
    return meldungen;
}

void TabellenVorladen()
{
    Vorgelesen() = std::async(std::launch::async, Lesen);
}

} // namespace Armory3Variablen
