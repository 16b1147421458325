// The three armory databases: any file loads as far as it is whole, and what was loaded saves and reloads
// unchanged.
#include "FuzzHilfe.h"
#include "Waffentabelle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

using namespace Waffentabellen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    FuzzHilfe::Einrichten();
    for (Tabelle t : {Tabelle::NWaffen, Tabelle::FWaffen, Tabelle::Armor}) {
        const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data") + QString(Dateiname(t)).replace(QLatin1Char('\\'), QLatin1Char('/')),
                                              daten, groesse);
        // Backups of damaged files would pile up over the run.
        const QDir ordner = QFileInfo(pfad).dir();
        for (const QString& alt : ordner.entryList({QStringLiteral("*.bak*")}))
            QFile::remove(ordner.filePath(alt));
        Waffentabelle tabelle;
        tabelle.Art = t;
        TabelleLaden(tabelle);
        for (const QStringList& zeile : tabelle.Zeilen)
            Listenzeile(t, zeile);
        if (!TabelleSpeichern(tabelle))
            std::abort();
        Waffentabelle wieder;
        wieder.Art = t;
        const Ladeergebnis zweites = TabelleLaden(wieder);
        if (zweites.Unvollstaendig || wieder.Zeilen != tabelle.Zeilen)
            std::abort();
    }
    return 0;
}
