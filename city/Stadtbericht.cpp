#include "Stadtbericht.h"

#include "Dateien.h"
#include "HTMLExport.h"
#include "Stadt.h"

using namespace HTMLExport;

namespace CityEngine {

namespace {

const char* const kInhalt[][2] = {
    {"Grundlegende Stadtinformationen", "Stadtinfos"},
    {"Gasthäuser / Hotels", "Hotels"},
    {"Tavernen / Gaststätten", "Tavernen"},
    {"Handwerker", "Handwerker"},
    {"Händler", "Handel"},
    {"Dienstleistungen", "Dienst"},
    {"Heiler", "Heiler"},
    {"Grossbetriebe", "GBetrieb"},
};

const char* const kAbschnitte[KategorienAnzahl][2] = {
    {"Hotels", "***** GASTHÄUSER / HOTELS: **************************************"},
    {"Tavernen", "***** GASTSTÄTTEN / TAVERNEN: ***********************************"},
    {"Handwerker", "***** HANDWERKER: ***********************************************"},
    {"Handel", "***** HÄNDLER: **************************************************"},
    {"Dienst", "***** DIENSTLEISTUNGEN: *****************************************"},
    {"Heiler", "***** HEILER: ***************************************************"},
    {"GBetrieb", "***** GROSSBETRIEBE: ********************************************"},
};

// The report names quality and price through one fixed list for every category.
const QStringList& Berichtsqualitaet()
{
    return Qualitaetsliste(Handwerker);
}

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

QString M(const QString& text)
{
    return HtmlMaskieren(text);
}

void NachOben(QIODevice& datei)
{
    HtmlLinie(datei);
    HtmlZeile(QString(), datei);
    HtmlVerweis(QStringLiteral("Nach oben"), QStringLiteral("Start"), datei);
}

} // namespace

void BerichtSchreiben(const Stadt& stadt, QIODevice& datei)
{
    const QString name = M(stadt.Name);
    HtmlKopf(name, datei);
    HtmlAnker(QStringLiteral("Start"), datei);
    HtmlUeberschrift(name, 1, datei);
    HtmlZeile(QString(), datei);
    HtmlZeile(QString(), datei);
    for (const auto& verweis : kInhalt)
        HtmlVerweis(U(verweis[0]), U(verweis[1]), datei);

    HtmlAnker(QStringLiteral("Stadtinfos"), datei);
    HtmlUeberschrift(QStringLiteral("***** GRUNDLEGENDE STADTINFORMATIONEN: **************************"), 4, datei);
    HtmlZeile(QString(), datei);
    HtmlEintrag(QStringLiteral("Stadtname:"), name, datei);
    HtmlEintrag(QStringLiteral("Einwohnerzahl:"), M(stadt.Einwohnerzahl), datei);
    HtmlEintrag(QStringLiteral("Region / Rasse der Einwohner:"), Listentext(Rassen(), stadt.Rasse), datei);
    HtmlEintrag(QStringLiteral("Durchfahrende:"), M(stadt.Durchfahrende), datei);
    HtmlEintrag(QStringLiteral("Markt:"), M(stadt.Markt), datei);
    HtmlEintrag(QStringLiteral("Reichtum:"), Listentext(Reichtuemer(), stadt.Reichtum), datei);
    HtmlEintrag(QStringLiteral("Kriminalität:"), Listentext(Kriminalitaeten(), stadt.Kriminalitaet), datei);
    HtmlEintrag(QStringLiteral("Bürgermeister/in:"), M(stadt.Buergermeister), datei);
    HtmlZeile(QString(), datei);
    HtmlZeile(M(stadt.Hintergrund), datei);
    HtmlZeile(QString(), datei);

    const int t = stadt.Tempel.Anzahl();
    HtmlEintrag(QStringLiteral("Anzahl der Tempel:"), qint64(t), datei);
    for (int i = 0; i < t; ++i) {
        HtmlZeile(QString(), datei);
        HtmlEintrag(QStringLiteral("Gottheit: "), M(stadt.Tempel.Slots[i].value(0)), datei);
        HtmlEintrag(QStringLiteral("Name des/der Geweihten: "), M(stadt.Tempel.Slots[i].value(1)), datei);
    }
    NachOben(datei);

    for (int k = 0; k < KategorienAnzahl; ++k) {
        const Liste& liste = stadt.Betriebe[k];
        HtmlAnker(U(kAbschnitte[k][0]), datei);
        HtmlLinie(datei);
        HtmlUeberschrift(U(kAbschnitte[k][1]), 3, datei);
        HtmlEintrag(QStringLiteral("Im Ort:"), qint64(liste.Anzahl()), datei);
        HtmlZeile(QString(), datei);
        for (int i = 0; i < liste.Anzahl(); ++i) {
            const QStringList& b = liste.Slots[i];
            const QString qualitaet = Listentext(Berichtsqualitaet(), IndexAusText(b.value(FeldQualitaet), 5));
            const QString preis = Listentext(Preisliste(), IndexAusText(b.value(FeldPreise), 5));
            HtmlFettzeile(M(b.value(FeldName)), datei);
            HtmlZeile(QStringLiteral("* ") + qualitaet + QStringLiteral(" - ") + preis, datei);
            HtmlZeile(QStringLiteral("* Besitzer/in: ") + M(b.value(FeldBesitzer)), datei);
            HtmlZeile(QStringLiteral("* Zufallsereignis: ") + M(b.value(FeldZufall)), datei);
        }
        NachOben(datei);
    }
}

bool BerichtSpeichern(const Stadt& stadt, const QString& pfad, QString* fehler)
{
    return Dateien::AtomarSchreiben(pfad, [&](QIODevice& datei) { BerichtSchreiben(stadt, datei); }, fehler);
}

} // namespace CityEngine
