// The category list: any file reads without harm into usable, distinct names; a category added and
// removed again leaves the same names, and the count line always matches.
#include "FuzzHilfe.h"
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "Zeilendatei.h"

#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/Warehouse/ItemKategorien.dat"), daten, groesse);
    Lagerhof3Variablen::Zuruecksetzen();
    const Katalog::Kategorienliste liste = Katalog::KategorienLesen();
    Katalog::KategorienMeldungen(liste);
    for (int i = 0; i < liste.Namen.size(); ++i) {
        if (!Katalog::KategorieVerwendbar(liste.Namen[i]))
            std::abort();
        for (int j = 0; j < i; ++j)
            if (liste.Namen[i].compare(liste.Namen[j], Qt::CaseInsensitive) == 0)
                std::abort();
    }
    QStringList kategorien = liste.Namen;
    const QString neu = QStringLiteral("Fuzzkategorie");
    if (Katalog::NeuenNamenPruefen(neu, kategorien) != Katalog::Namenspruefung::Ok)
        return 0;
    if (!Katalog::KategorieAnlegen(neu, kategorien, nullptr))
        std::abort();
    const QStringList zeilen = Zeilendatei::Lesen(pfad);
    if (zeilen.isEmpty() || zeilen.first() != Zeilendatei::Druckzahl(zeilen.size() - 1))
        std::abort();
    if (Katalog::KategorienLesen().Namen != kategorien || kategorien != liste.Namen + QStringList{neu})
        std::abort();
    if (!Katalog::KategorieEntfernen(neu, kategorien, nullptr) || QFile::exists(Katalog::Warendatei(neu)))
        std::abort();
    if (Katalog::KategorienLesen().Namen != liste.Namen)
        std::abort();
    return 0;
}
