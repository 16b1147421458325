#include "ArmoryBatch.h"
#include "Armory3Variablen.h"
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
        Variablen::Programmtitel = Armory3Variablen::Programmtitel;
        const Batch::Vorbereitung v =
            Batch::Vorbereiten(app.arguments().mid(1), QStringLiteral("Waffkam3"), ArmoryBatch::Hilfetext());
        if (v.beenden)
            return v.status;
        Variablen::PfadeInitialisieren();
        const ArmoryBatch::Ergebnis ergebnis = ArmoryBatch::Ausfuehren(v.argumente);
        for (const QString& zeile : ergebnis.Ausgabe)
            Batch::Ausgabe(zeile);
        return ergebnis.Status;
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmArmoryMain fenster;
    return Fenster::Ausfuehren(fenster);
}
