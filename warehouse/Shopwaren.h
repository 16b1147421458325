#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The shop being assembled: its goods with their shown texts and prices, the price levels and the texts of
// the shop's boxes.
namespace Shop {

struct Shopware {
    // The catalogue amount, rounded half to even; BetragZahl is false when field 2 holds no number, and the
    // shown price then keeps its text whatever the level.
    qint64 Betrag = 0;
    bool BetragZahl = false;
    QString Feld0;    // name with class digit
    QString Regionen; // field 4
    // What the shop list shows.
    QString Text;
    QString Gewicht;
    QString Preis;
    // What restricts its sale ("Wird nur an Zwerge verkauft."), shown on the shop's pages.
    QString Hinweis;
};

struct Shopwaren {
    // The index of a good is its hidden index in the shop list.
    QList<Shopware> Waren;
    int Shopwarenzahl() const { return int(Waren.size()); }
};

// "Sehr billig", "Billig", "Durchschnittlich", "Teuer", "Sehr teuer / Wucher" and their factors in hundredths.
const QStringList& Preisstufen();
int Preisfaktor(int stufe); // 70, 85, 100, 120, 150; 0 for an unknown level
// The quality box of the main window ("Schlecht" ...) and of the generator ("1 - Schlecht" ...).
const QStringList& Qualitaeten();
const QStringList& GeneratorQualitaeten();
// The peoples of the owner's name.
const QStringList& Rassen();

// Adds a good of the catalogue at the shop's end with its catalogue price, whatever level is chosen; its
// hint is what its own text says against buying it.
int ShopwareHinzufuegen(Shopwaren& shop, const QStringList& felder);
// Later goods move up by one; false for an index that does not exist.
bool ShopwareEntfernen(Shopwaren& shop, int index);
// The text becomes the stored name + " (x" + anzahl + ")"; an empty answer changes nothing.
void AnzahlSetzen(Shopwaren& shop, int index, const QString& anzahl);
// The shown price becomes the answer with the currency letter shown before; an empty answer changes nothing.
void NeuerPreis(Shopwaren& shop, int index, const QString& preis);
// Every shown price from the catalogue amount and the level's factor, with each good's own currency letter.
void PreiseBerechnen(Shopwaren& shop, int stufe);
// amount × factor / 100 exactly: decimal comma, at most two decimals, no trailing zeros ("0,7", "12", "2,55").
QString Preistext(qint64 betrag, int faktor);

// One line of the batch output: text, weight, shown price, hidden index, tab-separated.
QString Listenzeile(const Shopwaren& shop, int index);

} // namespace Shop
