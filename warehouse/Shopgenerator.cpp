#include "Shopgenerator.h"

#include "Dateien.h"
#include "ExplorerEngine.h"
#include "Gegenstandstabelle.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace Shopgenerator {

namespace {

QString Anzeige(const QString& pfad)
{
    return Dateien::Anzeigename(QDir::toNativeSeparators(pfad));
}

} // namespace

QString ShopsDatei()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ShopgeneratorShops.dat"));
}

QString ConfigDatei()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ShopgeneratorConfig.dat"));
}

QStringList Shopsarten(QString* meldung)
{
    const Zeilendatei::Leseergebnis e = Zeilendatei::Laden(ShopsDatei());
    QStringList arten;
    if (!e.Gelesen()) {
        if (meldung)
            *meldung = QStringLiteral("Die Liste der Shoparten %1 konnte nicht gelesen werden: %2 Der Shopgenerator "
                                      "kennt deshalb keine Shopart.")
                           .arg(Anzeige(ShopsDatei()), Dateien::Satz(e.Grund));
        return arten;
    }
    for (const QString& zeile : e.Zeilen)
        if (!zeile.trimmed().isEmpty() && !arten.contains(zeile))
            arten.append(zeile);
    if (arten.isEmpty() && meldung)
        *meldung = QStringLiteral("Die Liste der Shoparten %1 ist leer; der Shopgenerator kennt deshalb keine Shopart.")
                       .arg(Anzeige(ShopsDatei()));
    return arten;
}

int WareCount(const QString& shopart)
{
    const Subs::Ganzzahleingabe n =
        Subs::GanzzahlLesen(Subs::IniLesen(ConfigDatei(), shopart, QStringLiteral("WareCount")), 0,
                            std::numeric_limits<int>::max(), QStringLiteral("WareCount"));
    return n.Ok ? int(n.Wert) : 0;
}

QStringList Warenkategorien(const QString& shopart)
{
    // No key can carry a higher number than the highest "WareN=" line of the file, so a count beyond it
    // (a typing slip like 2000000000) costs no lookup per number.
    qint64 hoechste = 0;
    const Zeilendatei::Leseergebnis datei = Zeilendatei::Laden(ConfigDatei());
    for (const QString& zeile : datei.Zeilen) {
        const QString z = zeile.trimmed();
        if (!z.startsWith(QLatin1String("Ware"), Qt::CaseInsensitive))
            continue;
        qsizetype i = 4;
        qint64 nummer = 0;
        while (i < z.size() && z[i].isDigit() && z[i].unicode() < 0x80 && nummer < 1000000000)
            nummer = nummer * 10 + (z[i++].unicode() - '0');
        hoechste = qMax(hoechste, nummer);
    }
    const qint64 n = qMin<qint64>(WareCount(shopart), hoechste);
    QStringList kategorien;
    for (qint64 k = 1; k <= n; ++k) {
        const QString kategorie = Subs::IniLesen(ConfigDatei(), shopart, QStringLiteral("Ware") + QString::number(k));
        if (Katalog::KategorieVerwendbar(kategorie))
            kategorien.append(kategorie);
    }
    return kategorien;
}

int K(QChar klasse)
{
    static const int k[] = {4, 5, 6, 7, 9};
    return klasse >= QLatin1Char('1') && klasse <= QLatin1Char('5') ? k[klasse.unicode() - '1'] : 0;
}

bool Qualitaetstest(QChar klasse, int qualitaet, int w)
{
    const int k = K(klasse);
    return k > 0 && w >= k - qualitaet;
}

int Regionsabstand(const QString& regionen, const QString& region)
{
    int d = -1;
    for (const QString& code : regionen.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        if (code == region)
            return 0;
        // A code that is not on the map says nothing about the distance.
        const int abstand = ExplorerEngine::RegionAbstand(code, region);
        if (abstand > 0 && (d < 0 || abstand < d))
            d = abstand;
    }
    return d;
}

bool Regionstest(int d, int w)
{
    return w < 20 - 3 * d;
}

int WarenZiehen(const QList<QStringList>& waren, const Auftrag& auftrag, Shop::Shopwaren& shop,
                const Kaeuflichkeit::Armoryurteile& armory)
{
    int hinzu = 0;
    for (const QStringList& ware : waren) {
        const QString feld0 = ware.value(0);
        const QChar klasse = feld0.isEmpty() ? QChar() : feld0.back();
        const int w = Subs::Zufallszahl(6);
        if (!Qualitaetstest(klasse, auftrag.Qualitaet, w))
            continue;
        if (auftrag.MitRegion) {
            const QString regionen = ware.value(4);
            if (regionen.isEmpty())
                continue;
            const int d = Regionsabstand(regionen, auftrag.Region);
            if (d < 0)
                continue;
            if (!Regionstest(d, Subs::Zufallszahl(20)))
                continue;
        }
        const Kaeuflichkeit::Urteil urteil = Kaeuflichkeit::WarePruefen(ware, armory);
        if (!Kaeuflichkeit::ImShop(urteil.Stufe, auftrag.Qualitaet))
            continue;
        const int index = Shop::ShopwareHinzufuegen(shop, ware);
        shop.Waren[index].Hinweis = urteil.Hinweis;
        ++hinzu;
    }
    return hinzu;
}

int Generieren(const Auftrag& auftrag, Shop::Shopwaren& shop)
{
    int hinzu = 0;
    const Kaeuflichkeit::Armoryurteile armory = Kaeuflichkeit::ArmoryLesen();
    for (const QString& kategorie : Warenkategorien(auftrag.Shopart)) {
        const QString datei = Katalog::Warendatei(kategorie);
        if (!Subs::DateiVorhanden(datei))
            continue;
        hinzu += WarenZiehen(Katalog::WarenLesen(datei).Waren, auftrag, shop, armory);
    }
    return hinzu;
}

} // namespace Shopgenerator
