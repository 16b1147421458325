// The generator's config: any file reads without harm; each kind of shop names only categories that may be
// read as goods files, never more than its count; a run over them adds exactly the goods it reports.
#include "FuzzHilfe.h"
#include "Lagerhof3Variablen.h"
#include "Shopgenerator.h"
#include "Subs.h"
#include "Zufall.h"

#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString ordner = FuzzHilfe::Einrichten();
    static bool waren = false;
    if (!waren) {
        // Two small categories for the runs; the config may name them.
        QFile kerzen(ordner + QStringLiteral("/Data/Warehouse/Kerzen.dat"));
        kerzen.open(QIODevice::WriteOnly);
        kerzen.write("Talglicht1\r\n5\r\n3H\r\n\r\nWE|NO|\r\nWachskerze3\r\n2\r\n1S\r\n\r\n\r\nSeil\r\n1\r\n1D\r\n\r\nXX|\r\n");
        waren = true;
    }
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"), daten, groesse);
    Zufall::SaatSetzen(groesse);
    const QStringList abschnitte = Subs::IniAbschnitte(pfad);
    for (const QString& art : abschnitte.mid(0, 8)) {
        const QStringList kategorien = Shopgenerator::Warenkategorien(art);
        if (kategorien.size() > Shopgenerator::WareCount(art))
            std::abort();
        for (const QString& k : kategorien)
            if (!Katalog::KategorieVerwendbar(k))
                std::abort();
        for (bool mitRegion : {false, true}) {
            Shopgenerator::Auftrag auftrag;
            auftrag.Shopart = art;
            auftrag.Qualitaet = 5;
            auftrag.MitRegion = mitRegion;
            auftrag.Region = QStringLiteral("WE");
            Shop::Shopwaren shop;
            if (Shopgenerator::Generieren(auftrag, shop) != shop.Shopwarenzahl())
                std::abort();
        }
    }
    Zufall::ProduktionSetzen();
    return 0;
}
