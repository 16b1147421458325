#include "GrosseDatenbanken.h"

#include "Gegenstandstabelle.h"
#include "Kreaturentabelle.h"
#include "Waffentabelle.h"

#include <QFileInfo>

namespace GrosseDatenbanken {

namespace {

qint64 Groesse(const QString& pfad)
{
    return QFileInfo(pfad).size();
}

} // namespace

qint64 Waffen(int anzahl)
{
    using namespace Waffentabellen;
    Waffentabelle geliefert;
    geliefert.Art = Tabelle::NWaffen;
    TabelleLaden(geliefert);
    if (geliefert.Anzahl() == 0)
        return -1;
    Waffentabelle gross;
    gross.Art = Tabelle::NWaffen;
    for (int i = 0; i < anzahl; ++i) {
        QStringList waffe = geliefert.Zeilen[i % geliefert.Anzahl()];
        waffe[1] += QStringLiteral(" %1").arg(i);
        ZeileAnhaengen(gross, waffe);
    }
    return TabelleSpeichern(gross) ? Groesse(Dateipfad(Tabelle::NWaffen)) : -1;
}

qint64 Kreaturen(int anzahl)
{
    using namespace Kreaturentabellen;
    Kreaturentabelle geliefert;
    Laden(geliefert);
    if (geliefert.Anzahl() == 0)
        return -1;
    Kreaturentabelle gross;
    for (int i = 0; i < anzahl; ++i) {
        QStringList kreatur = geliefert.Zeilen[i % geliefert.Anzahl()];
        kreatur[FeldName] += QStringLiteral(" %1").arg(i);
        ZeileAnhaengen(gross, kreatur);
    }
    return Speichern(gross) ? Groesse(Datenbankpfad()) : -1;
}

qint64 Kleidung(int anzahl)
{
    const QString pfad = Katalog::Warendatei(QStringLiteral("Kleidung"));
    const Katalog::Warenergebnis geliefert = Katalog::WarenLesen(pfad);
    if (geliefert.Waren.isEmpty())
        return -1;
    QList<QStringList> viele;
    viele.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i) {
        QStringList ware = geliefert.Waren[i % geliefert.Waren.size()];
        // The new name goes before the class digit that ends field 0.
        ware[0] = Katalog::Name(ware[0]) + QStringLiteral(" %1").arg(i) + ware[0].right(1);
        viele.append(ware);
    }
    return Katalog::WarenSchreiben(pfad, viele, nullptr) ? Groesse(pfad) : -1;
}

} // namespace GrosseDatenbanken
