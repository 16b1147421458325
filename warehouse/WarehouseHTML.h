#pragma once

#include "Gegenstandstabelle.h"
#include "Shopwaren.h"

class QIODevice;

// The warehouse's pages: the goods list of a category, and the shop's print page and export page.
namespace WarehouseHTML {

// The region cell of a good: "Überall" (all twenty codes), "Alle, ausser ..." (four codes or more), or the
// field as it stands; with its width.
struct Zelle {
    QString Text;
    QString Breite;
};
Zelle RegionenZelle(const QString& feld4);

// The boxes of the shop as the pages name them.
struct Shopkopf {
    QString Name;
    QString Shopart;
    QString Besitzer;
    QString Region;
    QString Preise;
    QString Qualitaet;
};

// The goods list: `waren` are the goods' fields in the order of the list.
void ListenSeiteSchreiben(const QString& titel, const QList<QStringList>& waren, QIODevice& datei);
// The shop's pages; `reihenfolge` holds the goods' indexes in the order of the shop list.
void ShopDruckseiteSchreiben(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                             QIODevice& datei);
void ShopseiteSchreiben(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                        QIODevice& datei);

// The same into a file, atomically; false with a message for the user on failure.
bool ListenSeiteSpeichern(const QString& titel, const QList<QStringList>& waren, const QString& pfad,
                          QString* fehler = nullptr);
bool ShopDruckseiteSpeichern(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                             const QString& pfad, QString* fehler = nullptr);
bool ShopseiteSpeichern(const Shopkopf& kopf, const Shop::Shopwaren& shop, const QList<int>& reihenfolge,
                        const QString& pfad, QString* fehler = nullptr);

// The shop's goods in index order (what the batch commands print).
QList<int> Indexreihenfolge(const Shop::Shopwaren& shop);

// TempPfad\Temp.html; the folder is created when it is missing.
QString TempSeite();

} // namespace WarehouseHTML
