// Start of Leitstand3 until its window is shown, in an installation of its own. Budget: 300 ms.
#include "BenchSupport.h"
#include "Subs.h"
#include "Variablen.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid()) {
        std::fprintf(stderr, "bench_manager_start: kein temporärer Ordner\n");
        return 1;
    }
    BenchSupport::InstallationAnlegen(ordner.path());
    const QString programm = ordner.path() + QStringLiteral("/Leitstand3");
    // A set-up installation: the first run is over and the manager is registered, so no message stops the start.
    const bool eingerichtet = QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/manager/Leitstand3"), programm)
        && Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("General"),
                              {{QStringLiteral("Started"), QStringLiteral("1")}, {QStringLiteral("UserName"), QStringLiteral("Bank")}})
        && Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("Tools"),
                              {{QStringLiteral("Tools"), QStringLiteral("1")}, {QStringLiteral("Tool1"), QStringLiteral("Leitstand3")}});
    if (!eingerichtet) {
        std::fprintf(stderr, "bench_manager_start: Installation nicht eingerichtet\n");
        return 1;
    }
    const double ms = BenchSupport::StartzeitMs(programm, {}, 7);
    return BenchSupport::Melden(QStringLiteral("Start von Leitstand3 bis zum Fenster"), ms, QStringLiteral("ms"), 300) ? 0 : 1;
}
