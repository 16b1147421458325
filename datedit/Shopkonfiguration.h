#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Shop mode of the data file editor: which categories of the warehouse each kind of shop of the shop
// generator sells. The categories come from "ItemKategorien.dat" (read as the warehouse reads it), the
// kinds of shop from "ShopgeneratorShops.dat", the assignment from the kind's section of
// "ShopgeneratorConfig.dat" ("WareCount", "Ware1" ...).
namespace DatEditorEngine {

QString KategorienPfad();
QString ShopsPfad();
QString KonfigPfad();

extern const QString NeuAufforderung;   // the question of cmdShopNeu
extern const QString VorhandenWarnung;  // the warning when the kind of shop exists

// "WareCount" as a number: a whole number from 1 up; anything else counts as 0.
int Warenzahl(const QString& text);

class Shopkonfiguration {
public:
    // Empties every list, then reads the categories and the kinds of shop. False, with the message for the
    // user, when shop mode cannot be offered: without the categories a save would drop every category of
    // the chosen kind of shop.
    bool Laden(QString* meldung = nullptr);

    // Categories not sold by the chosen kind of shop (lstRegionen) and those it sells (lstVerfügbar).
    const QStringList& Regionen() const { return m_regionen; }
    const QStringList& Verfuegbar() const { return m_verfuegbar; }
    // The kinds of shop in cmbShop order.
    const QStringList& Shops() const { return m_shops; }
    const QString& Gewaehlt() const { return m_gewaehlt; }
    // Entries moved since the last choice or save.
    bool Geaendert() const { return m_geaendert; }

    // Every chosen entry back to the end of the left list, then "Ware1" .. "Ware" + WareCount of the
    // kind's section moved across in that order; names not in the left list are skipped.
    void ShopWaehlen(const QString& shop);

    // Moves the entry at that row to the end of the other list; false for a row that does not exist.
    bool Hin(int zeile);
    bool Zurueck(int zeile);
    void AlleHin();
    void AlleZurueck();

    // Writes "WareCount" and "Ware1" .. "Ware" + count into the chosen kind's section in one rewrite; every
    // other line stays. False, with the message, when nothing is chosen or the file could not be written.
    // When another window saved the kind's categories since they were chosen here, the user is asked which
    // to keep; taking the other ones shows them (*uebernommen true) and writes nothing. A cancelled question
    // gives false with an empty message.
    bool Speichern(QString* fehler = nullptr, bool* uebernommen = nullptr);
    // The chosen kind's categories as the file holds them now differ from those chosen or saved here.
    bool AnderswoGeaendert() const;

    enum class Neu { Angelegt, Leer, Vorhanden, Ungueltig, Fehler };
    // A new kind of shop from the user's answer (blanks around it are dropped): "WareCount" = "0" in its
    // new section, and the name appended to "ShopgeneratorShops.dat". An empty answer adds nothing; a kind
    // that exists (also in another letter case, since both would share one section) or "Alles" gives
    // Vorhanden with VorhandenWarnung; a name that cannot be a file name or a section name gives
    // Ungueltig. Only Angelegt has written anything, except a failure of the second of the two writes.
    Neu NeuerShop(const QString& antwort, QString* meldung = nullptr);

private:
    QStringList m_regionen;
    QStringList m_verfuegbar;
    QStringList m_shops;
    QString m_gewaehlt;
    // The chosen kind's categories as read or last saved.
    QStringList m_geladen;
    bool m_geaendert = false;
};

} // namespace DatEditorEngine
