#include "BenchSupport.h"

#include "Variablen.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace BenchSupport {

void InstallationAnlegen(const QString& ordner)
{
    const QString staging = QStringLiteral(WERKBUND_STAGING_DIR);
    QDirIterator it(staging, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString ziel = ordner + QLatin1Char('/') + QDir(staging).relativeFilePath(pfad);
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        QFile::copy(pfad, ziel);
    }
    for (const char* name : {"HTML", "WBD", "Temp", "Backup"})
        QDir(ordner).mkpath(QLatin1String(name));
    Variablen::PfadeInitialisieren(ordner);
}

double MedianMs(int laeufe, const std::function<void()>& lauf)
{
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

double StartzeitMs(const QString& programm, const QStringList& argumente, int laeufe)
{
    bool fehler = false;
    const double ms = MedianMs(laeufe, [&] {
        QProcess prozess;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("WERKBUND_STARTMESSUNG"), QStringLiteral("1"));
        prozess.setProcessEnvironment(umgebung);
        prozess.start(programm, argumente);
        if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0)
            fehler = true;
    });
    return fehler ? -1 : ms;
}

bool Melden(const QString& name, double wert, const QString& einheit, double budget, bool hoeherIstBesser)
{
    QString zeile = QStringLiteral("%1: %2 %3").arg(name).arg(wert, 0, 'f', wert < 10 ? 2 : 0).arg(einheit);
    bool ok = true;
    if (budget >= 0) {
        ok = wert >= 0 && (hoeherIstBesser ? wert >= budget : wert <= budget);
        zeile += QStringLiteral(" (Budget %1 %2%3)").arg(budget).arg(einheit, ok ? QString() : QStringLiteral(", VERFEHLT"));
    }
    std::printf("%s\n", zeile.toUtf8().constData());
    std::fflush(stdout);
    return ok;
}

} // namespace BenchSupport
