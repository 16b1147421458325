#include "Armory3Variablen.h"
#include "ArmoryBatch.h"
#include "Batch.h"
#include "Fenster.h"
#include "Variablen.h"
#include "frmArmoryMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        // Batch mode runs headless: no display is needed.
        QCoreApplication app(argc, argv);
        return Batch::Starten(app.arguments().mid(1), QStringLiteral("Waffkam3"), Armory3Variablen::Programmtitel,
                              ArmoryBatch::Hilfetext(), ArmoryBatch::Ausfuehren);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    // The data are read on a worker thread while the window is built.
    Armory3Variablen::TabellenVorladen();
    Fenster::UiEinrichten();
    Fenster::StartBeginnen();
    frmArmoryMain fenster;
    return Fenster::Ausfuehren(fenster);
}
