#pragma once

#include <QString>
#include <QStringList>

// The world map's city register (DataPfad\Explorer\Städteliste.dat and Städte.dat) and the region tables.
namespace ExplorerEngine {

// Map units per screen pixel of the map pictures (a click at pixel x lies at 15·x units).
constexpr int Kartenmassstab = 15;

// The twenty region codes in their fixed order (the index of the tables below).
const QStringList& RegionCodes();
// 1 where region b borders on region a, 2 otherwise; filled by RegionenInitialisieren.
extern qint16 Regionentabelle[20][20];

// Straight-line distance, rounded half to even; computed wide enough for any 32-bit differences.
qint64 Entfernung(qint32 dx, qint32 dy);

void RegionenInitialisieren();

// The city list "\Explorer\Städteliste.dat" and the register "\Explorer\Städte.dat" below DataPfad.
QString ListenDatei();
QString StaedteDatei();
// The "Desc" of the region in Regionen.dat; empty for an unknown code or a missing file.
QString RegionBeschreibung(const QString& code);
// The table entry for the two codes (exact comparison); 0 when either code is unknown.
int RegionAbstand(const QString& regionA, const QString& regionB);

// The deities' names each followed by ", " (the register's "Tempel" value).
QString TempelText(const QStringList& goetter);

// The city names of Städteliste.dat in registration order (a missing file is an empty list).
QStringList Staedteliste();
// The line of Städteliste.dat that names this city, or the empty text. Blanks around a name and the letter
// case do not count: the register's sections are found the same way, so " altwasser" is "Altwasser".
QString GelisteterName(const QString& name);
bool StadtGelistet(const QString& name);

// Whether the register can hold the name: not blank, no "[", "]", "=" or line break. Otherwise the German
// message names the characters.
bool NameEintragbar(const QString& name);
QString NameFehler(const QString& name);

// Places or re-places a city (a name the register cannot hold is refused and nothing is written): appends
// its trimmed name to the list unless the city is listed already (under any letter case), writes "X", "Y",
// "Einwohner" and "Tempel" of its section and keeps every other key ("Pic"). Returns false when a file could not be written.
// On failure the German reason goes to *fehler.
bool StadtPlatzieren(const QString& name, const QString& x, const QString& y, const QString& einwohner,
                     const QStringList& goetter, QString* fehler = nullptr);
// Updates "Einwohner" and "Tempel" of a placed city (saving a city file).
bool StadtDatenSchreiben(const QString& name, const QString& einwohner, const QStringList& goetter,
                         QString* fehler = nullptr);

struct Kartenstadt {
    QString Name;
    bool HatPosition = false; // false when "X" or "Y" is missing or not a number
    qint64 X = 0;
    qint64 Y = 0;
    QString Einwohner;
    QString Tempel;
    QString Pic;
};

// One city's record; "X" and "Y" rounded half to even.
Kartenstadt StadtLesen(const QString& name);

} // namespace ExplorerEngine
