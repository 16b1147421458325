#include "Batch.h"
#include "DatEditorBatch.h"
#include "Fenster.h"
#include "Variablen.h"
#include "frmDatEditorMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        Variablen::Programmtitel = QStringLiteral("Tabellar 3");
        const Batch::Vorbereitung v = Batch::Vorbereiten(app.arguments().mid(1), QStringLiteral("Tabellar3"),
                                                         DatEditorEngine::BatchHilfe);
        if (v.beenden)
            return v.status;
        Variablen::PfadeInitialisieren();
        return DatEditorEngine::BatchAusfuehren(v.argumente);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Variablen::Programmtitel = QStringLiteral("Tabellar 3");
    Fenster::UiEinrichten();
    frmDatEditorMain fenster;
    return Fenster::Ausfuehren(fenster);
}
