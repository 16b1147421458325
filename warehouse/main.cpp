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
        Variablen::Programmtitel = Lagerhof3Variablen::Programmtitel;
        const Batch::Vorbereitung v =
            Batch::Vorbereiten(app.arguments().mid(1), QStringLiteral("Lagerhof3"), WarehouseBatch::Hilfetext());
        if (v.beenden)
            return v.status;
        Variablen::PfadeInitialisieren();
        const WarehouseBatch::Ergebnis ergebnis = WarehouseBatch::Ausfuehren(v.argumente);
        for (const QString& zeile : ergebnis.Ausgabe)
            Batch::Ausgabe(zeile);
        return ergebnis.Status;
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmWarehouseMain fenster;
    return Fenster::Ausfuehren(fenster);
}
