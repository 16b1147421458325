// Location files and trade lists: any bytes give a whole page; a town at the river, whose file names every
// listed trade, is the town without location files, and an inland town never has more businesses.
#include "CityEngine.h"
#include "FuzzHilfe.h"
#include "Zufall.h"

#include <QBuffer>
#include <QFile>

#include <cstdlib>

namespace {

QByteArray Seite(CityEngine::Stadtlage lage)
{
    CityEngine::Generatoreingaben e;
    e.Stadtname = QStringLiteral("Furt");
    e.Einwohner = 3000;
    e.Lage = lage;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Zufall::SaatSetzen(7);
    CityEngine::StadtGenerieren(e, puffer);
    Zufall::ProduktionSetzen();
    return puffer.data();
}

qsizetype Betriebe(const QByteArray& seite)
{
    // Only a business line ends its bold text at the line end; names are masked, so none can fake one.
    return seite.count("</B></BR>\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::ZweiDateien(QStringLiteral("Data/City/Handwerker1.dat"), QStringLiteral("Data/City/Lage Fluss.dat"), daten,
                           groesse);
    const QString ordner = FuzzHilfe::Einrichten() + QStringLiteral("/Data/City/");
    const QByteArray fluss = Seite(CityEngine::Stadtlage::Fluss);
    const QByteArray binnen = Seite(CityEngine::Stadtlage::Binnenland);
    QFile::remove(ordner + QStringLiteral("Lage Fluss.dat"));
    const QByteArray ohne = Seite(CityEngine::Stadtlage::Binnenland);
    if (!ohne.endsWith("Nach oben</A></BR>\r\n") || !binnen.endsWith("Nach oben</A></BR>\r\n"))
        std::abort();
    QByteArray flussOhneLage = fluss;
    flussOhneLage.replace("<B>Lage:</B> am Fluss</BR>\r\n", "");
    if (flussOhneLage != ohne || Betriebe(binnen) > Betriebe(ohne))
        std::abort();
    return 0;
}
