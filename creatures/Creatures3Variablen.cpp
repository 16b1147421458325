#include "Creatures3Variablen.h"

namespace Creatures3Variablen {

const QString Programmtitel = QStringLiteral("Bestiar 3");

Kreaturentabellen::Kreaturentabelle Kreaturen;
bool Bearbeitungsmodus = false;
int AktuelleKreatur = -1;
BattleEngine::Kampfstand Kampf;
std::optional<BattleEngine::Kampfstand> LetzteAufstellung;

QStringList DatenLaden()
{
    QStringList meldungen;
    const QString datenbank = Kreaturentabellen::Lademeldung(Kreaturentabellen::Laden(Kreaturen));
    if (!datenbank.isEmpty())
        meldungen.append(datenbank);
    QString kategorien;
    Kreaturentabellen::KategorienLesen(&kategorien);
    if (!kategorien.isEmpty())
        meldungen.append(kategorien);
    return meldungen;
}

} // namespace Creatures3Variablen
