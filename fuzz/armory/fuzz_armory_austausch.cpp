// Armory exchange files: a file is taken whole or refused; what is taken exports to a file that reads the same.
#include "ArmoryAustausch.h"
#include "FuzzHilfe.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("WBD/waffe.wbd"), daten, groesse);
    const auto eintrag = ArmoryAustausch::Lesen(pfad);
    if (!eintrag)
        return 0;
    if (eintrag->Felder.size() != Waffentabellen::Feldanzahl(eintrag->Art))
        std::abort();
    const QString neu = FuzzHilfe::Einrichten() + QStringLiteral("/WBD/neu.wbd");
    if (!ArmoryAustausch::Exportieren(eintrag->Art, eintrag->Felder, neu))
        std::abort();
    const auto wieder = ArmoryAustausch::Lesen(neu);
    if (!wieder || wieder->Art != eintrag->Art || wieder->Felder != eintrag->Felder)
        std::abort();
    return 0;
}
