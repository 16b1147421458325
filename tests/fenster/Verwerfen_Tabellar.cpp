#include "FensterTestHilfe.h"
#include "Pfad.h"
#include "Shopkonfiguration.h"
#include "Subs.h"
#include "Variablen.h"
#include "Verwerfen.h"
#include "Zeilendatei.h"
#include "frmDatEditorMain.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

using FensterTest::Kind;
using FensterTest::Klick;

namespace {

QComboBox* Auswahl(QWidget& f, const char* name)
{
    return Kind<QComboBox>(f, QString::fromUtf8(name));
}

// The window on a file of a tool, shown so that closing it can be seen.
QWidget* Datei(const char* werkzeug, const char* datei)
{
    auto* f = new frmDatEditorMain;
    Auswahl(*f, "cmbTool")->setCurrentText(QString::fromUtf8(werkzeug));
    Auswahl(*f, "cmbDatei")->setCurrentText(QString::fromUtf8(datei));
    f->show();
    return f;
}

const QString kHeiler = QStringLiteral("Moosheilerin vom Tannwald");

QWidget* Heiler()
{
    return Datei("Ortsbau 3", "Heiler");
}

void HeilerTippen(QWidget& f)
{
    Kind<QPlainTextEdit>(f, QStringLiteral("txtText"))->appendPlainText(kHeiler);
}

bool HeilerDa(QWidget& f)
{
    return f.isVisible() && Kind<QPlainTextEdit>(f, QStringLiteral("txtText"))->toPlainText().contains(kHeiler);
}

bool HeilerGespeichert(const TestInstallation&)
{
    return Zeilendatei::Lesen(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\City\\Heiler.dat"))).contains(kHeiler);
}

} // namespace

QList<Verwerfen::Fall> Verwerfen::Tabellar()
{
    return {
        {QStringLiteral("Tabellar3 Art des Shops"),
         [] {
             QWidget* f = Datei("Lagerhof 3", "ShopgeneratorConfig");
             Auswahl(*f, "cmbShop")->setCurrentText(QStringLiteral("Waffenschmied"));
             return f;
         },
         [](QWidget& f) { Klick(f, QStringLiteral("cmdAlleHin")); },
         [](QWidget& f) { Auswahl(f, "cmbShop")->setCurrentText(QStringLiteral("Bogner")); }, QStringLiteral("Waffenschmied"),
         [](QWidget& f) {
             return Auswahl(f, "cmbShop")->currentText() == QStringLiteral("Waffenschmied")
                    && Kind<QListWidget>(f, QStringLiteral("lstRegionen"))->count() == 0;
         },
         [](const TestInstallation&) {
             return Subs::IniLesen(DatEditorEngine::KonfigPfad(), QStringLiteral("Waffenschmied"), QStringLiteral("WareCount")).toInt() > 2;
         }},
        {QStringLiteral("Tabellar3 Datei"), Heiler, HeilerTippen,
         [](QWidget& f) { Auswahl(f, "cmbDatei")->setCurrentText(QStringLiteral("Mohas")); }, QStringLiteral("Heiler.dat"),
         HeilerDa, HeilerGespeichert},
        {QStringLiteral("Tabellar3 Tool"), Heiler, HeilerTippen,
         [](QWidget& f) { Auswahl(f, "cmbTool")->setCurrentText(QStringLiteral("Tageslauf 3")); }, QStringLiteral("Heiler.dat"),
         HeilerDa, HeilerGespeichert},
        {QStringLiteral("Tabellar3 Schließen"), Heiler, HeilerTippen, [](QWidget& f) { f.close(); },
         QStringLiteral("Heiler.dat"), HeilerDa, HeilerGespeichert},
    };
}
