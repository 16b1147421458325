#include "Batch.h"
#include "Fenster.h"
#include "Lagerhof3Variablen.h"
#include "Variablen.h"
#include "WarehouseBatch.h"
#include "frmWarehouseMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        // Batch mode runs headless: no display is needed.
        QCoreApplication app(argc, argv);
        return Batch::Starten(app.arguments().mid(1), QStringLiteral("Lagerhof3"), Lagerhof3Variablen::Programmtitel,
                              WarehouseBatch::Hilfetext(), WarehouseBatch::Ausfuehren);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    // The data are read on a worker thread while the window is built.
    Lagerhof3Variablen::StartVorziehen();
    Fenster::UiEinrichten();
    Fenster::StartBeginnen();
    frmWarehouseMain fenster;
    return Fenster::Ausfuehren(fenster);
}
