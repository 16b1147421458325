// Line-up files: a file is taken whole or refused with a message; what is taken holds only values a fight
// accepts, saves to a file that reads the same, and (when small) fights alike with and without the report.
#include "Aufstellung.h"
#include "BattleEngine.h"
#include "FuzzHilfe.h"
#include "Kreaturentabelle.h"
#include "Zufall.h"

#include <QBuffer>

#include <cstdlib>

using namespace BattleEngine;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("WBD/aufstellung.txt"), daten, groesse);
    QString fehler;
    const auto stand = Aufstellung::Lesen(pfad, &fehler);
    if (!stand) {
        if (fehler.isEmpty())
            std::abort();
        return 0;
    }
    int klein = 0;
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
        for (const Kaempfer& k : stand->Mitglieder(g)) {
            for (const qint64 wert : {k.MU, k.AT, k.PA, k.Anzahl, k.Bonus, k.RS, k.LE})
                if (wert < -32768 || wert > 32767)
                    std::abort();
            if (!Kreaturentabellen::Wuerfelarten().contains(k.Wuerfel) || k.Ziel != -1 || k.Pariert)
                std::abort();
            klein += k.LE <= 10 ? 1 : 100;
        }
    }
    const QString neu = FuzzHilfe::Einrichten() + QStringLiteral("/WBD/neu.txt");
    if (!Aufstellung::Speichern(*stand, neu))
        std::abort();
    const auto wieder = Aufstellung::Lesen(neu);
    if (!wieder || Aufstellung::Zeilen(*wieder) != Aufstellung::Zeilen(*stand))
        std::abort();
    // Few members with little LE end soon; larger line-ups could fight for a very long time.
    if (klein <= 4) {
        Kampfstand mit = *stand;
        Kampfstand ohne = *stand;
        QBuffer bericht;
        bericht.open(QIODevice::WriteOnly);
        Zufall::SaatSetzen(groesse);
        const Sieger a = Kampf(mit, bericht);
        Zufall::SaatSetzen(groesse);
        const Sieger b = Kampf(ohne, nullptr);
        if (a != b || mit.Runden != ohne.Runden)
            std::abort();
        for (int i = 0; i < mit.AnzahlHelden(); ++i)
            if (mit.Helden[i].LE != ohne.Helden[i].LE)
                std::abort();
        for (int i = 0; i < mit.AnzahlGegner(); ++i)
            if (mit.Gegner[i].LE != ohne.Gegner[i].LE)
                std::abort();
    }
    return 0;
}
