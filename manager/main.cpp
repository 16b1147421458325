#include "Batch.h"
#include "Fenster.h"
#include "Stapelbefehle.h"
#include "Variablen.h"
#include "frmManagerMain.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        Variablen::PfadeInitialisieren();
        const Batch::Vorbereitung vorbereitung
            = Batch::Vorbereiten(QCoreApplication::arguments().mid(1), QStringLiteral("Leitstand3"), Stapelbefehle::Hilfe());
        if (vorbereitung.beenden)
            return vorbereitung.status;
        return Stapelbefehle::Ausfuehren(vorbereitung.argumente);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmManagerMain fenster;
    if (!fenster.Form_Load())
        return 1;
    return Fenster::Ausfuehren(fenster);
}
