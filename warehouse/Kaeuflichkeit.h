#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Whether a good may be offered by a generated shop, from what its own text and the armory record of its
// name say about buying it.
namespace Kaeuflichkeit {

enum class Art {
    Frei,       // anyone may buy it
    Beschraenkt, // sold only to some buyers or only to order
    Nie          // cannot be bought at all
};

struct Urteil {
    Art Stufe = Art::Frei;
    QString Hinweis; // the words of the text that say so, for the shop page
};

// One text, sentence by sentence: "nicht käuflich" or "unverkäuflich" makes it Nie; "nur an …" in a sentence
// about selling, or "nur … auf Bestellung", makes it Beschraenkt.
Urteil TextPruefen(const QString& text);
// The stricter of two; of equal ones the first.
Urteil Strenger(const Urteil& a, const Urteil& b);

// The armory records whose name, description or trade notes say more than Frei, by name.
using Armoryurteile = QHash<QString, Urteil>;
Armoryurteile ArmoryLesen();

// A good (the five fields of the catalogue): its name, its description and the armory record of its name.
Urteil WarePruefen(const QStringList& felder, const Armoryurteile& armory);

// A shop of quality 1..5 never offers what cannot be bought, and what is restricted only at quality 5.
bool ImShop(Art stufe, int qualitaet);

} // namespace Kaeuflichkeit
