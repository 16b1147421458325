#include "Shopwaren.h"

#include "Gegenstandstabelle.h"
#include "Kaeuflichkeit.h"
#include "Subs.h"

namespace Shop {

namespace {

QString Feld(const QStringList& felder, int i)
{
    return i >= 0 && i < felder.size() ? felder[i] : QString();
}

bool Gueltig(const Shopwaren& shop, int index)
{
    return index >= 0 && index < shop.Shopwarenzahl();
}

} // namespace

const QStringList& Preisstufen()
{
    static const QStringList stufen = {QStringLiteral("Sehr billig"), QStringLiteral("Billig"),
                                       QStringLiteral("Durchschnittlich"), QStringLiteral("Teuer"),
                                       QStringLiteral("Sehr teuer / Wucher")};
    return stufen;
}

int Preisfaktor(int stufe)
{
    static const int faktoren[] = {70, 85, 100, 120, 150};
    return stufe >= 0 && stufe < 5 ? faktoren[stufe] : 0;
}

const QStringList& Qualitaeten()
{
    static const QStringList q = {QStringLiteral("Schlecht"), QStringLiteral("Einfach"), QStringLiteral("Solide"),
                                  QStringLiteral("Sehr gut"), QStringLiteral("Spezialist")};
    return q;
}

const QStringList& GeneratorQualitaeten()
{
    static const QStringList q = {QStringLiteral("1 - Schlecht"), QStringLiteral("2 - Einfach"),
                                  QStringLiteral("3 - Solide"), QStringLiteral("4 - Sehr gut"),
                                  QStringLiteral("5 - Spezialist")};
    return q;
}

const QStringList& Rassen()
{
    static const QStringList r = {QStringLiteral("Bornland"), QStringLiteral("Elfen"), QStringLiteral("Gareth"),
                                  QStringLiteral("Mohas"), QStringLiteral("Nivesen"), QStringLiteral("Norbarden"),
                                  QStringLiteral("Thorwaler"), QStringLiteral("Tulamiden"), QStringLiteral("Zwerge")};
    return r;
}

int ShopwareHinzufuegen(Shopwaren& shop, const QStringList& felder)
{
    Shopware ware;
    ware.Feld0 = Feld(felder, 0);
    ware.Regionen = Feld(felder, 4);
    ware.Text = Katalog::Name(ware.Feld0);
    ware.Hinweis = Kaeuflichkeit::WarePruefen(felder, {}).Hinweis;
    ware.Gewicht = Feld(felder, 1);
    ware.Preis = Feld(felder, 2);
    bool ok = false;
    const double betrag = Subs::Zahl(Katalog::Betrag(ware.Preis), &ok);
    // Amounts beyond what a price can sensibly be are treated like text rather than overflowing.
    ware.BetragZahl = ok && betrag > -1e15 && betrag < 1e15;
    ware.Betrag = ware.BetragZahl ? Subs::Runden(betrag) : 0;
    shop.Waren.append(ware);
    return shop.Shopwarenzahl() - 1;
}

bool ShopwareEntfernen(Shopwaren& shop, int index)
{
    if (!Gueltig(shop, index))
        return false;
    shop.Waren.removeAt(index);
    return true;
}

void AnzahlSetzen(Shopwaren& shop, int index, const QString& anzahl)
{
    if (!Gueltig(shop, index) || anzahl.isEmpty())
        return;
    Shopware& ware = shop.Waren[index];
    ware.Text = Katalog::Name(ware.Feld0) + QStringLiteral(" (x") + anzahl + QLatin1Char(')');
}

void NeuerPreis(Shopwaren& shop, int index, const QString& preis)
{
    if (!Gueltig(shop, index) || preis.isEmpty())
        return;
    Shopware& ware = shop.Waren[index];
    ware.Preis = preis + Katalog::Waehrungsbuchstabe(ware.Preis);
}

QString Preistext(qint64 betrag, int faktor)
{
    const qint64 hundertstel = betrag * faktor;
    const bool negativ = hundertstel < 0;
    const quint64 wert = negativ ? quint64(-(hundertstel + 1)) + 1 : quint64(hundertstel);
    QString text = QString::number(wert / 100);
    const quint64 rest = wert % 100;
    if (rest != 0) {
        text += QLatin1Char(',') + QString::number(rest / 10);
        if (rest % 10 != 0)
            text += QString::number(rest % 10);
    }
    return negativ ? QLatin1Char('-') + text : text;
}

void PreiseBerechnen(Shopwaren& shop, int stufe)
{
    const int faktor = Preisfaktor(stufe);
    if (faktor == 0)
        return;
    for (Shopware& ware : shop.Waren) {
        if (!ware.BetragZahl)
            continue;
        ware.Preis = Preistext(ware.Betrag, faktor) + Katalog::Waehrungsbuchstabe(ware.Preis);
    }
}

QString Listenzeile(const Shopwaren& shop, int index)
{
    if (!Gueltig(shop, index))
        return QString();
    const Shopware& w = shop.Waren[index];
    return QStringList{w.Text, w.Gewicht, w.Preis, QString::number(index)}.join(QLatin1Char('\t'));
}

} // namespace Shop
