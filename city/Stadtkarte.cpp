#include "Stadtkarte.h"

#include "ExplorerEngine.h"
#include "Pfad.h"
#include "Stadt.h"
#include "Subs.h"
#include "Variablen.h"

namespace CityEngine {

const QString Kartenbild = QStringLiteral("\\Explorer\\Aventurien.jpg");

namespace Meldungen {
const QString Ueberschreiben = QStringLiteral(
    "Eine Stadt dieses Namens existiert bereits, sollen die Koordinaten diser Stadt überschrieben werden ?");
const QString Platzieren = QStringLiteral("Wollt ihr eure Stadt wirklich an dieser Stelle platzieren ?");
const QString KarteNichtGeschrieben = QStringLiteral(
    "Die Kartendaten (Städteliste.dat, Städte.dat) konnten nicht geschrieben werden. Die Stadt wurde nicht auf der "
    "Karte eingetragen.");
const QString KartenbildFehlt = QStringLiteral(
    "Die Weltkarte (Aventurien.jpg im Ordner Data\\Explorer) fehlt oder lässt sich nicht lesen. Ohne sie kann die "
    "Stadt nicht auf der Karte eingetragen werden; es wurde nichts eingetragen.");
} // namespace Meldungen

bool KarteGelistet(const Stadt& stadt)
{
    return ExplorerEngine::StadtGelistet(stadt.Name);
}

bool KarteEintragen(const Stadt& stadt, const QString& x, const QString& y, QString* fehler)
{
    return ExplorerEngine::StadtPlatzieren(stadt.Name, x, y, stadt.Einwohnerzahl, Goetter(stadt), fehler);
}

bool KarteAktualisieren(const Stadt& stadt, QString& x, QString& y, QString* fehler)
{
    const bool ok = ExplorerEngine::StadtDatenSchreiben(stadt.Name, stadt.Einwohnerzahl, Goetter(stadt), fehler);
    const QString datei = Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\Städte.dat"));
    x = Subs::IniLesen(datei, stadt.Name, QStringLiteral("X"));
    y = Subs::IniLesen(datei, stadt.Name, QStringLiteral("Y"));
    return ok;
}

bool StadtPlatzieren(Stadt& stadt, int pixelX, int pixelY, QString* fehler)
{
    const QString x = QString::number(qint64(pixelX) * ExplorerEngine::Kartenmassstab);
    const QString y = QString::number(qint64(pixelY) * ExplorerEngine::Kartenmassstab);
    if (!KarteEintragen(stadt, x, y, fehler))
        return false;
    stadt.StadtAufKarte = true;
    stadt.KarteX = x;
    stadt.KarteY = y;
    return true;
}

} // namespace CityEngine
