// The provisions list and the goods it names: any two files give whole entries, and the bill holds every
// good once, with a positive amount, priced exactly when the catalogue gives a readable price.
#include "DayEngine.h"
#include "FuzzHilfe.h"
#include "Reiseproviant.h"

#include <QSet>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString ordner = FuzzHilfe::Einrichten();
    FuzzHilfe::ZweiDateien(QStringLiteral("Data/Day/Reiseproviant.dat"), QStringLiteral("Data/Warehouse/Fuzz.dat"), daten,
                           groesse);
    static const bool liste = [] {
        const char inhalt[] = "1\r\nFuzz\r\n";
        FuzzHilfe::Datei(QStringLiteral("Data/Warehouse/ItemKategorien.dat"), reinterpret_cast<const uint8_t*>(inhalt),
                         sizeof inhalt - 1);
        return true;
    }();
    (void)liste;
    const Reiseproviant::Liste l = Reiseproviant::Lesen();
    for (const Reiseproviant::Posten& p : l.Eintraege)
        if (p.Ware.isEmpty() || p.TageJeStueck < 0 || p.TageJeStueck > 3650
            || (!p.Gelaende.isEmpty() && !DayEngine::Gelaendearten().contains(p.Gelaende)))
            std::abort();
    const auto katalog = Reiseproviant::Warenkatalog();
    const Reiseproviant::Rechnung r =
        Reiseproviant::Berechnen(l, 3, 2, 365, {{QStringLiteral("Wüste"), 40}}, katalog);
    QSet<QString> namen;
    qint64 summe = 0;
    for (const Reiseproviant::Einkauf& e : r.Einkaeufe) {
        if (e.Menge < 1 || namen.contains(e.Ware))
            std::abort();
        namen.insert(e.Ware);
        if (e.Bepreist) {
            if (e.Summe != e.Menge * e.Stueckpreis || e.Stueckpreis < 0)
                std::abort();
            summe += e.Summe;
        }
        // A good without a catalogue entry is named and never priced at zero.
        if (!Reiseproviant::Suchen(katalog, e.Ware) && (e.Bepreist || !e.Preis.isEmpty()))
            std::abort();
    }
    if (summe != r.Summe)
        std::abort();
    return 0;
}
