// The world map register: the city list and the cities' records. An input with a NUL byte holds the list
// before it and the records after it; without one both files get the whole input.
#include "ExplorerEngine.h"
#include "FuzzHilfe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::ZweiDateien(QStringLiteral("Data/Explorer/Städteliste.dat"), QStringLiteral("Data/Explorer/Städte.dat"),
                           daten, groesse);
    const QStringList namen = ExplorerEngine::Staedteliste();
    for (const QString& name : namen.mid(0, 16)) {
        const ExplorerEngine::Kartenstadt stadt = ExplorerEngine::StadtLesen(name);
        if (stadt.HatPosition)
            ExplorerEngine::Entfernung(qint32(qBound<qint64>(0, stadt.X, qint64(0x7FFFFFFF))), qint32(qBound<qint64>(0, stadt.Y, qint64(0x7FFFFFFF))));
    }
    return 0;
}
