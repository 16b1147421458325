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
        Variablen::Programmtitel = DayEngine::Programmtitel;
        const Batch::Vorbereitung v =
            Batch::Vorbereiten(app.arguments().mid(1), QStringLiteral("Tageslauf3"), DayBatch::Hilfetext());
        if (v.beenden)
            return v.status;
        Variablen::PfadeInitialisieren();
        const DayBatch::Ergebnis ergebnis = DayBatch::Ausfuehren(v.argumente);
        for (const QString& zeile : ergebnis.Ausgabe)
            Batch::Ausgabe(zeile);
        return ergebnis.Status;
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmDayMain fenster;
    return Fenster::Ausfuehren(fenster);
}
