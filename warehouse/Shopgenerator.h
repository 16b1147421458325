#pragma once

#include "Kaeuflichkeit.h"
#include "Shopwaren.h"

#include <QList>
#include <QString>
#include <QStringList>

// The shop generator: the kinds of shop, the categories each may sell (from the config file), and the draws
// that decide which goods a shop of a quality and region gets.
namespace Shopgenerator {

QString ShopsDatei();
QString ConfigDatei();

// The kinds of shop, one a line (empty lines and repeats left out). A missing or unreadable file gives none
// and a message.
QStringList Shopsarten(QString* meldung = nullptr);

// "WareCount" of the kind's section as a whole number; missing or not a number is 0.
int WareCount(const QString& shopart);
// The categories under "Ware1" .. "Ware" + WareCount, in order; a category named twice is there twice.
// Names that cannot be a goods file (unsafe, a tool file) are left out.
QStringList Warenkategorien(const QString& shopart);

struct Auftrag {
    QString Shopart;
    int Qualitaet = 1;      // 1..5
    bool MitRegion = false; // the region box is ticked
    QString Region;         // the shop's region code
};

// K of the class digit: 4, 5, 6, 7, 9 for "1".."5"; 0 for any other character (never passes).
int K(QChar klasse);
// w is one W6: passes when w >= K - q.
bool Qualitaetstest(QChar klasse, int qualitaet, int w);
// d for a good's region field and the shop's region: 0 when the field names the region, else the smallest
// distance to one of its known codes. -1 when the field names no known region.
int Regionsabstand(const QString& regionen, const QString& region);
// One W20 against d: added when w < 20 - 3d.
bool Regionstest(int d, int w);

// Draws for each good in order: one W6, and with the region box, for a good that passed and has regions,
// one W20. Every good that passes is added to the shop, unless it cannot be bought, or is sold only to some
// buyers or to order and the shop is below quality 5 (Kaeuflichkeit; its draws are made all the same).
// Returns the number added.
int WarenZiehen(const QList<QStringList>& waren, const Auftrag& auftrag, Shop::Shopwaren& shop,
                const Kaeuflichkeit::Armoryurteile& armory = {});
// The whole run: every configured category's goods file that exists, in order, judged with the armory's
// records. Returns the number added.
int Generieren(const Auftrag& auftrag, Shop::Shopwaren& shop);

} // namespace Shopgenerator
