// Kartenblick3 with a register of 2,000 cities: start until the window is shown, one city chosen and marked
// on the large map, and --zeichnen of the large map with 100 cities.
#include "BenchSupport.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"
#include "frmExplorerMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Staedte = 2000;

QString Name(int i)
{
    return QStringLiteral("Siedlung Nummer %1 am Fluss").arg(i);
}

// Cities spread over the whole large map, some with a picture, as the city tool writes them.
bool RegisterSchreiben()
{
    QStringList liste;
    QStringList abschnitte;
    for (int i = 0; i < Staedte; ++i) {
        liste << Name(i);
        abschnitte << QLatin1Char('[') + Name(i) + QLatin1Char(']')
                   << QStringLiteral("X=%1").arg((i * 37) % 1280 * 15) << QStringLiteral("Y=%1").arg((i * 53) % 1600 * 15)
                   << QStringLiteral("Einwohner=%1").arg(100 + i * 7) << QStringLiteral("Tempel=Praios, Travia, ");
        if (i % 4 == 0)
            abschnitte << QStringLiteral("Pic=Hafenstadt.jpg");
    }
    const QString ordner = Variablen::DataPfad + QStringLiteral("/Explorer/");
    return Zeilendatei::Schreiben(ordner + QStringLiteral("Städteliste.dat"), liste)
        && Zeilendatei::Schreiben(ordner + QStringLiteral("Städte.dat"), abschnitte);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid()) {
        std::fprintf(stderr, "bench_explorer: kein temporärer Ordner\n");
        return 1;
    }
    BenchSupport::InstallationAnlegen(ordner.path());
    const QString programm = ordner.path() + QStringLiteral("/Kartenblick3");
    if (!RegisterSchreiben() || !QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/explorer/Kartenblick3"), programm)) {
        std::fprintf(stderr, "bench_explorer: Installation nicht eingerichtet\n");
        return 1;
    }
    QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    bool ok = true;

    const double start = BenchSupport::StartzeitMs(programm, {}, 7);
    ok &= BenchSupport::Melden(QStringLiteral("Kartenblick3 Start bis zum Fenster (2000 Städte)"), start, QStringLiteral("ms"), 500);

    // Choosing a city in the window, painting included. The first choice also reads Städte.dat.
    frmExplorerMain fenster;
    fenster.show();
    QCoreApplication::processEvents();
    fenster.findChild<QAbstractButton*>(QStringLiteral("cmdAventurienGross"))->click();
    QCoreApplication::processEvents();
    auto* box = fenster.findChild<QComboBox*>(QStringLiteral("cmbCitySearch"));
    int naechste = 0;
    const auto waehlen = [&] {
        const int i = (naechste++ * 997) % Staedte;
        box->setCurrentIndex(i);
        Q_EMIT box->activated(i);
        QCoreApplication::processEvents();
    };
    const double erste = BenchSupport::MedianMs(1, waehlen);
    ok &= BenchSupport::Melden(QStringLiteral("Kartenblick3 erste Stadt wählen und markieren (große Karte)"), erste,
                               QStringLiteral("ms"), 30);
    const double markieren = BenchSupport::MedianMs(101, waehlen);
    ok &= BenchSupport::Melden(QStringLiteral("Kartenblick3 Stadt wählen und markieren (große Karte)"), markieren,
                               QStringLiteral("ms"), 30);

    // --zeichnen of the large map with 100 cities, as a separate program run.
    QStringList argumente = {QStringLiteral("--zeichnen"), QStringLiteral("--karte"), QStringLiteral("gross")};
    for (int i = 0; i < 100; ++i)
        argumente << QStringLiteral("--stadt") << Name(i * 19);
    argumente << QStringLiteral("--ausgabe") << ordner.path() + QStringLiteral("/HTML/karte.png");
    bool gezeichnet = true;
    const double zeichnen = BenchSupport::MedianMs(5, [&] {
        QProcess prozess;
        prozess.start(programm, argumente);
        gezeichnet &= prozess.waitForFinished(30000) && prozess.exitCode() == 0;
    });
    ok &= BenchSupport::Melden(QStringLiteral("Kartenblick3 --zeichnen große Karte mit 100 Städten"), gezeichnet ? zeichnen : -1,
                               QStringLiteral("ms"), 1000);
    return ok ? 0 : 1;
}
