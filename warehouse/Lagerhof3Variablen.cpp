#include "Lagerhof3Variablen.h"

#include "ExplorerEngine.h"

namespace Lagerhof3Variablen {

const QString Programmtitel = QStringLiteral("Lagerhof 3");

QStringList Kategorien;
Katalog::Gegenstandstabelle Gegenstaende;
bool Bearbeitungsmodus = false;
int AktuellerGegenstand = 0;
Shop::Shopwaren Shopwaren;
QSet<QString> BeschaedigteDateien;
QSet<QString> GemeldeteDateien;

QStringList Starten()
{
    ExplorerEngine::RegionenInitialisieren();
    QStringList meldungen = Katalog::ErsatzdateienUebernehmen();
    meldungen += Katalog::WaffenUebernehmen();
    const Katalog::Kategorienliste liste = Katalog::KategorienLesen();
    Kategorien = liste.Namen;
    meldungen += Katalog::KategorienMeldungen(liste);
    return meldungen;
}

void Zuruecksetzen()
{
    Kategorien.clear();
    Gegenstaende = {};
    Bearbeitungsmodus = false;
    AktuellerGegenstand = 0;
    Shopwaren = {};
    BeschaedigteDateien.clear();
    GemeldeteDateien.clear();
}

} // namespace Lagerhof3Variablen
