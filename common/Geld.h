#pragma once

#include <QString>

// Money of the suite: 1 Dukat = 10 Silbertaler = 100 Heller = 1,000 Pfennig. Prices are written either with a
// currency letter after the amount ("1,5D", "15S", "4H") or with the currency's name ("5 Silbertaler"); a
// decimal comma or point may stand in the amount. Every tool that sorts, adds or prints a sum of prices
// goes through here, so the rates stand in one place.
namespace Geld {

constexpr qint64 PfennigJeHeller = 10;
constexpr qint64 PfennigJeSilbertaler = 100;
constexpr qint64 PfennigJeDukat = 1000;

// Pfennig for one unit of the currency named by its word or its first letter ("Dukaten", "D", "Heller" ...);
// 0 when it names none.
qint64 Kurs(const QString& waehrung);

// The value of an amount in a currency, in Pfennig (rounded half to even); *ok false when the amount is no
// number or the currency unknown.
qint64 Pfennig(const QString& betrag, const QString& waehrung, bool* ok = nullptr);

// The value of a price text as written in the catalogue or a list ("1,5D", "15 S", "5 Silbertaler",
// "12 Dukaten"). Without a currency the amount counts as Dukaten. *ok false for anything else.
qint64 Pfennig(const QString& preis, bool* ok = nullptr);

// A sum as the game master counts it: "3 Dukaten, 2 Silbertaler, 5 Heller", leaving out zero places;
// Pfennig only where some are left; "0 Heller" for nothing.
QString Summe(qint64 pfennig);

} // namespace Geld
