#include "Batch.h"
#include "Creatures3Variablen.h"
#include "CreaturesBatch.h"
#include "Fenster.h"
#include "Variablen.h"
#include "frmCreaturesMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        // Batch mode runs headless: no display is needed.
        QCoreApplication app(argc, argv);
        return Batch::Starten(app.arguments().mid(1), QStringLiteral("Bestiar3"), Creatures3Variablen::Programmtitel,
                              CreaturesBatch::Hilfetext(), CreaturesBatch::Ausfuehren);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    // The data are read on a worker thread while the window is built.
    Creatures3Variablen::DatenVorladen();
    Fenster::UiEinrichten();
    Fenster::StartBeginnen();
    frmCreaturesMain fenster;
    return Fenster::Ausfuehren(fenster);
}
