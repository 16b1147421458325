#include "WarehouseHTML.h"

#include "HTMLExport.h"
#include "Pfad.h"
#include "Variablen.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace WarehouseHTML {

using namespace HTMLExport;

namespace {

QString Feld(const QStringList& felder, int i)
{
    return i >= 0 && i < felder.size() ? felder[i] : QString();
}

void Kopfzeile(bool mitRegionen, QIODevice& datei)
{
    HtmlRoh(QStringLiteral("<tr>"), datei);
    HtmlKopfzelle(QStringLiteral("NAME:"), datei);
    HtmlKopfzelle(QStringLiteral("GEWICHT:"), datei);
    HtmlKopfzelle(QStringLiteral("PREIS:"), datei);
    if (mitRegionen)
        HtmlKopfzelle(QStringLiteral("VERFÜGBAR IN:"), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
}

void RegionenSchreiben(const QString& feld4, QIODevice& datei)
{
    const Zelle zelle = RegionenZelle(feld4);
    HtmlZelle(HtmlMaskieren(zelle.Text), zelle.Breite, datei);
}

// The export folder may be missing in a hand-made installation.
bool Speichern(const QString& pfad, QString* fehler, const std::function<void(QIODevice&)>& schreiben)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return SeiteSpeichern(pfad, fehler, schreiben);
}

const Shop::Shopware* Ware(const Shop::Shopwaren& shop, int index)
{
    return index >= 0 && index < shop.Shopwarenzahl() ? &shop.Waren[index] : nullptr;
}

// The name, and under it what restricts the sale of the good.
QString Namenszelle(const Shop::Shopware& ware)
{
    const QString name = HtmlMaskieren(ware.Text);
    return ware.Hinweis.isEmpty() ? name : name + QStringLiteral("<BR><I>") + HtmlMaskieren(ware.Hinweis) + QStringLiteral("</I>");
}

} // namespace

Zelle RegionenZelle(const QString& feld4)
{
    if (Katalog::Ueberall(feld4))
        return {QStringLiteral("Überall"), QStringLiteral("35%")};
    if (feld4.size() > 10)
        return {Katalog::RegionenText(feld4), QStringLiteral("35%")};
    return {feld4, QStringLiteral("25%")};
}

void ListenSeiteSchreiben(const QString& titel, const QList<QStringList>& waren, QIODevice& datei)
{
    HtmlKopf(HtmlMaskieren(titel), datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile(true, datei);
    for (const QStringList& ware : waren) {
        HtmlRoh(QStringLiteral("<tr>"), datei);
        HtmlZelle(HtmlMaskieren(Katalog::Name(Feld(ware, 0))), QStringLiteral("35%"), datei);
        HtmlZelle(HtmlMaskieren(Feld(ware, 1)), QStringLiteral("15%"), datei);
        HtmlZelle(HtmlMaskieren(Feld(ware, 2)), QStringLiteral("15%"), datei);
        RegionenSchreiben(Feld(ware, 4), datei);
        HtmlRoh(QStringLiteral("</tr>"), datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
}

void ShopDruckseiteSchreiben(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                             QIODevice& datei)
{
    const QString name = HtmlMaskieren(kopf.Name);
    HtmlKopf(name, datei);
    HtmlUeberschrift(name, 1, datei);
    HtmlEintrag(QStringLiteral("Shopart: "), HtmlMaskieren(kopf.Shopart), datei);
    HtmlEintrag(QStringLiteral("Besitzer: "), HtmlMaskieren(kopf.Besitzer), datei);
    HtmlEintrag(QStringLiteral("Region: "), HtmlMaskieren(kopf.Region), datei);
    HtmlEintrag(QStringLiteral("Preise: "), HtmlMaskieren(kopf.Preise), datei);
    HtmlEintrag(QStringLiteral("Qualität: "), HtmlMaskieren(kopf.Qualitaet), datei);
    HtmlLeerzeilen(3, datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile(true, datei);
    for (int index : reihenfolge) {
        const Shop::Shopware* ware = Ware(shop, index);
        if (!ware)
            continue;
        HtmlRoh(QStringLiteral("<tr>"), datei);
        HtmlZelle(Namenszelle(*ware), QStringLiteral("35%"), datei);
        HtmlZelle(HtmlMaskieren(ware->Gewicht), QStringLiteral("15%"), datei);
        HtmlZelle(HtmlMaskieren(ware->Preis), QStringLiteral("15%"), datei);
        RegionenSchreiben(ware->Regionen, datei);
        HtmlRoh(QStringLiteral("</tr>"), datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
}

void ShopseiteSchreiben(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                        QIODevice& datei)
{
    const QString name = HtmlMaskieren(kopf.Name);
    HtmlKopf(name, datei);
    HtmlUeberschrift(name, 1, datei);
    HtmlEintrag(QStringLiteral("Name des Shops: "), name, datei);
    HtmlEintrag(QStringLiteral("Shopart: "), HtmlMaskieren(kopf.Shopart), datei);
    HtmlEintrag(QStringLiteral("Besitzer/in: "), HtmlMaskieren(kopf.Besitzer), datei);
    HtmlEintrag(QStringLiteral("Region: "), HtmlMaskieren(kopf.Region), datei);
    HtmlEintrag(QStringLiteral("Preise: "), HtmlMaskieren(kopf.Preise), datei);
    HtmlEintrag(QStringLiteral("Qualität: "), HtmlMaskieren(kopf.Qualitaet), datei);
    HtmlLeerzeilen(3, datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile(false, datei);
    for (int index : reihenfolge) {
        const Shop::Shopware* ware = Ware(shop, index);
        if (!ware)
            continue;
        HtmlRoh(QStringLiteral("<tr>"), datei);
        HtmlZelle(Namenszelle(*ware), QStringLiteral("50%"), datei);
        HtmlZelle(HtmlMaskieren(ware->Gewicht + QStringLiteral(" Unzen")), QStringLiteral("40%"), datei);
        HtmlZelle(HtmlMaskieren(ware->Preis), QStringLiteral("10%"), datei);
        HtmlRoh(QStringLiteral("</tr>"), datei);
    }
    HtmlRoh(QStringLiteral("</tr>"), datei);
    HtmlRoh(QStringLiteral("</table>"), datei);
}

bool ListenSeiteSpeichern(const QString& titel, const QList<QStringList>& waren, const QString& pfad, QString* fehler)
{
    return Speichern(pfad, fehler, [&](QIODevice& datei) { ListenSeiteSchreiben(titel, waren, datei); });
}

bool ShopDruckseiteSpeichern(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                             const QString& pfad, QString* fehler)
{
    return Speichern(pfad, fehler,
                     [&](QIODevice& datei) { ShopDruckseiteSchreiben(kopf, shop, reihenfolge, datei); });
}

bool ShopseiteSpeichern(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                        const QString& pfad, QString* fehler)
{
    return Speichern(pfad, fehler, [&](QIODevice& datei) { ShopseiteSchreiben(kopf, shop, reihenfolge, datei); });
}

QList<int> Indexreihenfolge(const Shop::Shopwaren& shop)
{
    QList<int> reihenfolge;
    for (int i = 0; i < shop.Shopwarenzahl(); ++i)
        reihenfolge.append(i);
    return reihenfolge;
}

QString TempSeite()
{
    const QString pfad = Pfad::Verbinden(Variablen::TempPfad, QStringLiteral("\\Temp.html"));
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return pfad;
}

} // namespace WarehouseHTML
