#include "Batch.h"
#include "Fenster.h"
#include "KartenBatch.h"
#include "Variablen.h"
#include "frmExplorerMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

QtMessageHandler Vorheriger = nullptr;

// Batch output is for the user: Qt's notes about the desktop session (no runtime folder, no display
// settings) stay out of it; real errors still come through.
void NurFehler(QtMsgType art, const QMessageLogContext& ort, const QString& text)
{
    if ((art == QtCriticalMsg || art == QtFatalMsg) && Vorheriger)
        Vorheriger(art, ort, text);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        // Batch mode runs headless. Drawing a map needs fonts, hence a QGuiApplication, which gets the
        // offscreen platform unless one is set, so no display is needed.
        std::unique_ptr<QCoreApplication> app;
        if (KartenBatch::BrauchtGrafik(argc, argv)) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            Vorheriger = qInstallMessageHandler(NurFehler);
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        return Batch::Starten(app->arguments().mid(1), QStringLiteral("Kartenblick3"), QStringLiteral("Kartenblick 3"),
                              KartenBatch::Hilfetext(), KartenBatch::Ausfuehren);
    }
    QApplication app(argc, argv);
    Variablen::PfadeInitialisieren();
    Variablen::Programmtitel = QStringLiteral("Kartenblick 3");
    Fenster::UiEinrichten();
    frmExplorerMain fenster;
    return Fenster::Ausfuehren(fenster);
}
