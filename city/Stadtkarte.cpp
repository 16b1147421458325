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
} // namespace Meldungen

bool KarteGelistet(const Stadt& stadt)
{
    return ExplorerEngine::StadtGelistet(stadt.Name);
}

bool KarteEintragen(const Stadt& stadt, const QString& x, const QString& y)
{
    return ExplorerEngine::StadtPlatzieren(stadt.Name, x, y, stadt.Einwohnerzahl, Goetter(stadt));
}

bool KarteAktualisieren(const Stadt& stadt, QString& x, QString& y)
{
    const bool ok = ExplorerEngine::StadtDatenSchreiben(stadt.Name, stadt.Einwohnerzahl, Goetter(stadt));
    const QString datei = Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\Städte.dat"));
    x = Subs::IniLesen(datei, stadt.Name, QStringLiteral("X"));
    y = Subs::IniLesen(datei, stadt.Name, QStringLiteral("Y"));
    return ok;
}

bool StadtPlatzieren(Stadt& stadt, int pixelX, int pixelY)
{
    if (!KarteEintragen(stadt, QString::number(qint64(pixelX) * ExplorerEngine::Kartenmassstab),
                        QString::number(qint64(pixelY) * ExplorerEngine::Kartenmassstab)))
        return false;
    stadt.StadtAufKarte = true;
    return true;
}

} // namespace CityEngine
