#include "Batch.h"
#include "DayBatch.h"
#include "DayEngine.h"
#include "Fenster.h"
#include "Variablen.h"
#include "frmDayMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        // Batch mode runs headless: no display is needed.
        QCoreApplication app(argc, argv);
        return Batch::Starten(app.arguments().mid(1), QStringLiteral("Tageslauf3"), DayEngine::Programmtitel,
                              DayBatch::Hilfetext(), DayBatch::Ausfuehren);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmDayMain fenster;
    return Fenster::Ausfuehren(fenster);
}
