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
        Variablen::Programmtitel = Creatures3Variablen::Programmtitel;
        const Batch::Vorbereitung v =
            Batch::Vorbereiten(app.arguments().mid(1), QStringLiteral("Bestiar3"), CreaturesBatch::Hilfetext());
        if (v.beenden)
            return v.status;
        Variablen::PfadeInitialisieren();
        const CreaturesBatch::Ergebnis ergebnis = CreaturesBatch::Ausfuehren(v.argumente);
        for (const QString& zeile : ergebnis.Ausgabe)
            Batch::Ausgabe(zeile);
        return ergebnis.Status;
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmCreaturesMain fenster;
    return Fenster::Ausfuehren(fenster);
}
