// The generator's list of kinds of shop: any file reads into distinct, non-blank kinds, or into none with
// a message.
#include "FuzzHilfe.h"
#include "Shopgenerator.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Datei(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"), daten, groesse);
    QString meldung;
    const QStringList arten = Shopgenerator::Shopsarten(&meldung);
    if (arten.isEmpty() == meldung.isEmpty())
        std::abort();
    for (int i = 0; i < arten.size(); ++i) {
        if (arten[i].trimmed().isEmpty() || arten.indexOf(arten[i]) != i)
            std::abort();
    }
    return 0;
}
