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

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe && !fehler; ++i) {
        QProcess prozess;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("WERKBUND_STARTMESSUNG"), QStringLiteral("1"));
        prozess.setProcessEnvironment(umgebung);
        QElapsedTimer uhr;
        uhr.start();
        prozess.start(programm, argumente);
        // Timed until the line arrives; the program's end after it is not part of the start.
        double ms = -1;
        while (ms < 0 && prozess.waitForReadyRead(30000)) {
            while (prozess.canReadLine()) {
                if (prozess.readLine().trimmed() == "Fenster gezeigt") {
                    ms = double(uhr.nsecsElapsed()) / 1e6;
                    break;
                }
            }
        }
        if (!prozess.waitForFinished(30000) || prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
            fehler = true;
        if (ms < 0)
            fehler = true;
        zeiten.push_back(ms);
    }
    if (fehler)
        return -1;
    std::sort(zeiten.begin(), zeiten.end());
    return zeiten[zeiten.size() / 2];
}

long SpitzenspeicherKb(const QString& programm, const QStringList& argumente)
{
    // Spawned and waited for directly: wait4 gives this one child's peak, which QProcess cannot.
    QList<QByteArray> teile{QFile::encodeName(programm)};
    for (const QString& argument : argumente)
        teile.append(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& teil : teile)
        argv.push_back(teil.data());
    argv.push_back(nullptr);
    QList<QByteArray> umgebung{QByteArrayLiteral("WERKBUND_STARTMESSUNG=1")};
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("WERKBUND_STARTMESSUNG="))
            umgebung.append(QByteArray(*e));
    std::vector<char*> envp;
    for (QByteArray& eintrag : umgebung)
        envp.push_back(eintrag.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    pid_t kind = 0;
    const int fehler = posix_spawn(&kind, argv[0], &aktionen, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&aktionen);
    if (fehler != 0)
        return -1;
    int status = 0;
    rusage verbrauch{};
    if (wait4(kind, &status, 0, &verbrauch) != kind || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return verbrauch.ru_maxrss;
}

double LaufzeitMs(const QString& programm, const QStringList& argumente)
{
    QProcess prozess;
    QElapsedTimer uhr;
    uhr.start();
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(60000) || prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0)
        return -1;
    return double(uhr.nsecsElapsed()) / 1e6;
}

double Verhaeltnis(int laeufe, const std::function<double()>& a, const std::function<double()>& b)
{
    if (a() < 0 || b() < 0)
        return -1;
    std::vector<double> verhaeltnisse;
    for (int i = 0; i < laeufe; ++i) {
        const double zeitB = b();
        const double zeitA = a();
        if (zeitA < 0 || zeitB <= 0)
            return -1;
        verhaeltnisse.push_back(zeitA / zeitB);
    }
    std::sort(verhaeltnisse.begin(), verhaeltnisse.end());
    return verhaeltnisse[verhaeltnisse.size() / 2];
}

QString ProgrammKopieren(const QString& ordner, const QString& werkzeugordner, const QString& name)
{
    const QString programm = ordner + QLatin1Char('/') + name;
    QFile::remove(programm);
    QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/%1/%2").arg(werkzeugordner, name), programm);
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return programm;
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
