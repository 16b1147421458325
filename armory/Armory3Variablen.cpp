#include "Armory3Variablen.h"

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

QStringList TabellenLaden()
{
    QStringList meldungen;
    for (auto t : {Waffentabellen::Tabelle::NWaffen, Waffentabellen::Tabelle::FWaffen, Waffentabellen::Tabelle::Armor}) {
        const QString meldung = Waffentabellen::Lademeldung(Waffentabellen::TabelleLaden(Tabelle(t)));
        if (!meldung.isEmpty())
            meldungen.append(meldung);
    }
    return meldungen;
}

} // namespace Armory3Variablen
