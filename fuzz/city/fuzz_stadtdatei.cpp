// City files: a file is read whole or refused, and a city that was read writes back to the same lines.
#include "FuzzHilfe.h"
#include "Stadt.h"
#include "Stadtdatei.h"
#include "Zeilendatei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("WBD/stadt.wbd"), daten, groesse);
    CityEngine::Stadt stadt;
    if (CityEngine::StadtdateiLesen(pfad, stadt) != CityEngine::Leseergebnis::Gelesen)
        return 0;
    const QStringList zeilen = CityEngine::Dateizeilen(stadt, stadt.KarteX, stadt.KarteY);
    const QString neu = FuzzHilfe::Einrichten() + QStringLiteral("/WBD/neu.wbd");
    if (!CityEngine::StadtdateiSchreiben(neu, stadt, stadt.KarteX, stadt.KarteY))
        std::abort();
    CityEngine::Stadt wieder;
    if (CityEngine::StadtdateiLesen(neu, wieder) != CityEngine::Leseergebnis::Gelesen
        || CityEngine::Dateizeilen(wieder, wieder.KarteX, wieder.KarteY) != zeilen)
        std::abort();
    return 0;
}
