#include "Batch.h"
#include "DayBatch.h"
#include "DayEngine.h"
#include "Fenster.h"
#include "ReiseBatch.h"
#include "Variablen.h"
#include "frmDayMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

QtMessageHandler Vorheriger = nullptr;

// Batch output is for the user: Qt's notes about the desktop session stay out of it; real errors still come.
void NurFehler(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if ((art == QtCriticalMsg || art == QtFatalMsg) && Vorheriger)
        Vorheriger(art, ort, text);
}

Batch::Ergebnis Ausfuehren(const QStringList& argumente)
{
    return ReiseBatch::IstReise(argumente) ? ReiseBatch::Ausfuehren(argumente) : DayBatch::Ausfuehren(argumente);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1) {
        // Batch mode runs headless. A journey draws its route on the map and needs fonts, hence a
        // QGuiApplication on the offscreen platform unless one is set; no display is needed.
        std::unique_ptr<QCoreApplication> app;
        if (ReiseBatch::IstReise(argc, argv)) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            Vorheriger = qInstallMessageHandler(NurFehler);
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        return Batch::Starten(app->arguments().mid(1), QStringLiteral("Tageslauf3"), DayEngine::Programmtitel,
                              DayBatch::Hilfetext() + QLatin1Char('\n') + ReiseBatch::Hilfetext(), Ausfuehren);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Fenster::UiEinrichten();
    frmDayMain fenster;
    return Fenster::Ausfuehren(fenster);
}
