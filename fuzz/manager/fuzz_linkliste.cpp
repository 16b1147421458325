// The link list: any file loads its whole records; after a change the file holds exactly those records.
#include "FuzzHilfe.h"
#include "Linkliste.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/Manager/URLs.dat"), daten, groesse);
    for (const QString& alt : QDir(FuzzHilfe::Einrichten() + QStringLiteral("/Data/Manager")).entryList({QStringLiteral("*.bak*")}))
        QFile::remove(FuzzHilfe::Einrichten() + QStringLiteral("/Data/Manager/") + alt);
    Linkliste liste;
    liste.Laden();
    QList<Link> links = liste.Links();
    if (!liste.Hinzufuegen({QStringLiteral("Neu"), QStringLiteral("https://example.org"), QStringLiteral("Zeile\nzwei")}))
        return 0;
    links.append(liste.Links().last());
    Linkliste wieder;
    wieder.Laden();
    if (wieder.Anzahl() != links.size() || wieder.Unvollstaendig())
        std::abort();
    for (int i = 0; i < wieder.Anzahl(); ++i)
        if (wieder.Links()[i].name != links[i].name || wieder.Links()[i].url != links[i].url
            || wieder.Links()[i].beschreibung != links[i].beschreibung)
            std::abort();
    (void)pfad;
    return 0;
}
