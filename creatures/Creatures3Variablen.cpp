#include "Creatures3Variablen.h"

#include <future>

namespace Creatures3Variablen {

const QString Programmtitel = QStringLiteral("Bestiar 3");

Kreaturentabellen::Kreaturentabelle Kreaturen;
bool Bearbeitungsmodus = false;
int AktuelleKreatur = -1;
BattleEngine::Kampfstand Kampf;
std::optional<BattleEngine::Kampfstand> LetzteAufstellung;

namespace {

struct Gelesen {
    Kreaturentabellen::Kreaturentabelle Tabelle;
    Kreaturentabellen::Ladeergebnis Ergebnis;
};

Gelesen Lesen()
{
    Gelesen g;
    g.Ergebnis = Kreaturentabellen::Laden(g.Tabelle);
    return g;
}

std::future<Gelesen>& Vorgelesen()
{
    static std::future<Gelesen> vorgelesen;
    return vorgelesen;
}

} // namespace

void DatenVorladen()
{
    Vorgelesen() = std::async(std::launch::async, Lesen);
}

QStringList DatenLaden()
{
    QStringList meldungen;
    Gelesen g = Vorgelesen().valid() ? Vorgelesen().get() : Lesen();
    Kreaturen = std::move(g.Tabelle);
    const QString datenbank = Kreaturentabellen::Lademeldung(g.Ergebnis);
    if (!datenbank.isEmpty())
        meldungen.append(datenbank);
    QString kategorien;
    Kreaturentabellen::KategorienLesen(&kategorien);
    if (!kategorien.isEmpty())
        meldungen.append(kategorien);
    return meldungen;
}

} // namespace Creatures3Variablen
