// The world map register: the city list and the cities' records. An input with a NUL byte holds the list
// before it and the records after it; without one both files get the whole input.
#include "ExplorerEngine.h"
#include "FuzzHilfe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray bytes = FuzzHilfe::Bytes(daten, groesse);
    const qsizetype trenner = bytes.indexOf('\0');
    const QByteArray liste = trenner < 0 ? bytes : bytes.left(trenner);
    const QByteArray staedte = trenner < 0 ? bytes : bytes.mid(trenner + 1);
    FuzzHilfe::Datei(QStringLiteral("Data/Explorer/Städteliste.dat"), reinterpret_cast<const uint8_t*>(liste.constData()),
                     size_t(liste.size()));
    FuzzHilfe::Datei(QStringLiteral("Data/Explorer/Städte.dat"), reinterpret_cast<const uint8_t*>(staedte.constData()),
                     size_t(staedte.size()));
    const QStringList namen = ExplorerEngine::Staedteliste();
    for (const QString& name : namen.mid(0, 16)) {
        const ExplorerEngine::Kartenstadt stadt = ExplorerEngine::StadtLesen(name);
        if (stadt.HatPosition)
            ExplorerEngine::Entfernung(qint32(qBound<qint64>(0, stadt.X, qint64(0x7FFFFFFF))), qint32(qBound<qint64>(0, stadt.Y, qint64(0x7FFFFFFF))));
    }
    return 0;
}
