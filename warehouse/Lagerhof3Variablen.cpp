#include "Lagerhof3Variablen.h"

#include "ExplorerEngine.h"

#include <future>
#include <optional>

namespace Lagerhof3Variablen {

const QString Programmtitel = QStringLiteral("Lagerhof 3");

QStringList Kategorien;
Katalog::Gegenstandstabelle Gegenstaende;
bool Bearbeitungsmodus = false;
int AktuellerGegenstand = 0;
Shop::Shopwaren Shopwaren;
QSet<QString> BeschaedigteDateien;
QSet<QString> GemeldeteDateien;

namespace {

QStringList StartenJetzt()
{
    ExplorerEngine::RegionenInitialisieren();
    QStringList meldungen = Katalog::ErsatzdateienUebernehmen();
    meldungen += Katalog::WaffenUebernehmen();
    const Katalog::Kategorienliste liste = Katalog::KategorienLesen();
    Kategorien = liste.Namen;
    meldungen += Katalog::KategorienMeldungen(liste);
    return meldungen;
}

struct Vorlauf {
    QStringList Meldungen;
    Katalog::Gegenstandstabelle Alles;
    QStringList AllesMeldungen;
};

std::future<Vorlauf>& Vorgezogen()
{
    static std::future<Vorlauf> vorgezogen;
    return vorgezogen;
}

std::optional<Vorlauf>& Abgeholt()
{
    static std::optional<Vorlauf> abgeholt;
    return abgeholt;
}

} // namespace

QStringList Starten()
{
    if (!Vorgezogen().valid())
        return StartenJetzt();
    // The worker thread touched the program-wide state (categories, files told about); it is done with it now.
    Abgeholt() = Vorgezogen().get();
    return Abgeholt()->Meldungen;
}

void StartVorziehen()
{
    Vorgezogen() = std::async(std::launch::async, [] {
        Vorlauf v;
        v.Meldungen = StartenJetzt();
        v.AllesMeldungen = Katalog::KategorieLaden(v.Alles, Katalog::Alles(), Kategorien);
        return v;
    });
}

bool AllesVorgeladen(Katalog::Gegenstandstabelle& tabelle, QStringList& meldungen)
{
    if (!Abgeholt())
        return false;
    tabelle = std::move(Abgeholt()->Alles);
    meldungen = Abgeholt()->AllesMeldungen;
    Abgeholt().reset();
    return true;
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
    Abgeholt().reset();
}

} // namespace Lagerhof3Variablen
