// The category list: any file reads, a new category is appended as one more line without changing the lines
// before it, and a known one adds nothing.
#include "FuzzHilfe.h"
#include "Kreaturentabelle.h"

#include <cstdlib>

using namespace Kreaturentabellen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Einrichten();
    FuzzHilfe::Datei(QStringLiteral("Data/Creatures/Kategorien.dat"), daten, groesse);
    QString meldung;
    const QStringList vorher = KategorienLesen(&meldung);
    if (!meldung.isEmpty())
        std::abort();
    const QString neu = QStringLiteral("Neue Kategorie \u00e4\u0142");
    if (!KategorieHinzufuegen(neu))
        std::abort();
    const QStringList nachher = KategorienLesen();
    const QStringList erwartet = vorher.contains(neu) ? vorher : vorher + QStringList{neu};
    if (nachher != erwartet)
        std::abort();
    if (!vorher.isEmpty() && !KategorieHinzufuegen(vorher.first()))
        std::abort();
    if (KategorienLesen() != erwartet)
        std::abort();
    return 0;
}
