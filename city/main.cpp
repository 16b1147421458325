#include "Batch.h"
#include "CityBatch.h"
#include "Fenster.h"
#include "Variablen.h"
#include "frmCityMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        Variablen::Programmtitel = QStringLiteral("Ortsbau 3");
        const Batch::Vorbereitung v = Batch::Vorbereiten(app.arguments().mid(1), QStringLiteral("Ortsbau3"),
                                                         CityEngine::BatchHilfe);
        if (v.beenden)
            return v.status;
        Variablen::PfadeInitialisieren();
        return CityEngine::BatchAusfuehren(v.argumente);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Variablen::Programmtitel = QStringLiteral("Ortsbau 3");
    Fenster::UiEinrichten();
    frmCityMain fenster;
    return Fenster::Ausfuehren(fenster);
}
