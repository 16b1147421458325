// Creature exchange files: a file is taken whole or refused; what is taken exports to a file that reads the
// same.
#include "CreaturesAustausch.h"
#include "FuzzHilfe.h"
#include "Kreaturentabelle.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("WBD/kreatur.wbd"), daten, groesse);
    QString fehler;
    const auto felder = CreaturesAustausch::Lesen(pfad, &fehler);
    if (!felder) {
        if (fehler.isEmpty())
            std::abort();
        return 0;
    }
    if (felder->size() != Kreaturentabellen::Feldanzahl || !felder->first().isEmpty())
        std::abort();
    const QString neu = FuzzHilfe::Einrichten() + QStringLiteral("/WBD/neu.wbd");
    if (!CreaturesAustausch::Exportieren(*felder, neu))
        std::abort();
    const auto wieder = CreaturesAustausch::Lesen(neu);
    if (!wieder || *wieder != *felder)
        std::abort();
    return 0;
}
