// Tabellar3's window: a table of 100,000 lines chosen and shown in txtText (budget 500 ms), and the start of
// the program until its window is shown (budget 300 ms).
#include "BenchSupport.h"
#include "DatEditorEngine.h"
#include "Dialoge.h"
#include "Variablen.h"
#include "frmDatEditorMain.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    bool ok = true;

    QByteArray tabelle;
    for (int i = 0; i < 100000; ++i)
        tabelle += "Ein H\xE4ndler aus S\xFC""derwacht verkauft Ware Nummer " + QByteArray::number(i) + "\r\n";
    QFile datei(ordner.path() + QStringLiteral("/Data/City/CityZufallsereignisse.dat"));
    if (!datei.open(QIODevice::WriteOnly) || datei.write(tabelle) != tabelle.size()) {
        std::fprintf(stderr, "bench_datedit_fenster: Tabelle nicht geschrieben\n");
        return 1;
    }
    datei.close();

    // No question may stop a run: the table is never edited.
    Dialoge::Skript skript;
    frmDatEditorMain fenster;
    fenster.show();
    auto* tool = fenster.findChild<QComboBox*>(QStringLiteral("cmbTool"));
    auto* dateien = fenster.findChild<QComboBox*>(QStringLiteral("cmbDatei"));
    auto* text = fenster.findChild<QPlainTextEdit*>(QStringLiteral("txtText"));
    tool->setCurrentText(QStringLiteral("Ortsbau 3"));
    bool richtig = true;
    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 7; ++lauf) {
        // From a small table, as a user comes to the large one.
        dateien->setCurrentText(QStringLiteral("Heiler"));
        QApplication::processEvents();
        QElapsedTimer uhr;
        uhr.start();
        dateien->setCurrentText(QStringLiteral("CityZufallsereignisse"));
        // Until the shown part is laid out and painted.
        QApplication::processEvents();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        richtig &= text->document()->blockCount() == 100001;
    }
    std::sort(zeiten.begin(), zeiten.end());
    const double zeigen = zeiten[zeiten.size() / 2];
    ok &= BenchSupport::Melden(QStringLiteral("Tabellar3 Tabelle mit 100000 Zeilen in txtText zeigen"), zeigen,
                               QStringLiteral("ms"), 500);
    if (!richtig || !skript.aufrufe.isEmpty()) {
        std::fprintf(stderr, "bench_datedit_fenster: Tabelle nicht gezeigt\n");
        return 1;
    }

    const QString programm = ordner.path() + QStringLiteral("/Tabellar3");
    if (!QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/datedit/Tabellar3"), programm)) {
        std::fprintf(stderr, "bench_datedit_fenster: Programm nicht kopiert\n");
        return 1;
    }
    const double start = BenchSupport::StartzeitMs(programm, {}, 7);
    ok &= BenchSupport::Melden(QStringLiteral("Start von Tabellar3 bis zum Fenster"), start, QStringLiteral("ms"), 300);
    return ok ? 0 : 1;
}
