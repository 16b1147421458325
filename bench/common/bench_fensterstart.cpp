// Every program's start until its main window shows, against a bare Qt window started alternately in the
// same run, so the ratio holds on a busy machine. Budget: 1.3 times the bare window, with the shipped data.
#include "BenchSupport.h"
#include "Subs.h"
#include "Variablen.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Programm {
    const char* name;
    const char* ordner;
};

constexpr Programm kProgramme[] = {{"Ortsbau3", "city"},       {"Waffkam3", "armory"},      {"Lagerhof3", "warehouse"},
                                   {"Bestiar3", "creatures"},  {"Tageslauf3", "day"},       {"Kartenblick3", "explorer"},
                                   {"Tabellar3", "datedit"},   {"Leitstand3", "manager"}};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid())
        return 1;
    BenchSupport::InstallationAnlegen(ordner.path());
    QStringList werkzeuge;
    for (const Programm& p : kProgramme) {
        if (!QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/%1/%2").arg(QLatin1String(p.ordner), QLatin1String(p.name)),
                         ordner.filePath(QLatin1String(p.name)))) {
            std::fprintf(stderr, "bench_fensterstart: %s fehlt\n", p.name);
            return 1;
        }
        werkzeuge.append(QLatin1String(p.name));
    }
    // A set-up installation: the first run is over and every tool registered, so no message stops a start.
    QList<QPair<QString, QString>> tools{{QStringLiteral("Tools"), QString::number(werkzeuge.size())}};
    for (int i = 0; i < werkzeuge.size(); ++i)
        tools.append({QStringLiteral("Tool%1").arg(i + 1), werkzeuge[i]});
    Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("General"),
                       {{QStringLiteral("Started"), QStringLiteral("1")}, {QStringLiteral("UserName"), QStringLiteral("Bank")}});
    Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("Tools"), tools);

    const QString leer = QStringLiteral(WERKBUND_BIN_DIR "/bench/werkbund_leerfenster");
    constexpr int laeufe = 9;
    bool ok = true;
    // Program names on the command line measure only those.
    const QStringList nur = app.arguments().mid(1);
    for (const Programm& p : kProgramme) {
        if (!nur.isEmpty() && !nur.contains(QLatin1String(p.name)))
            continue;
        const QString programm = ordner.filePath(QLatin1String(p.name));
        std::vector<double> verhaeltnisse;
        double programmMs = 0;
        double leerMs = 0;
        // One warm-up of each, then bare window and program in turn; the ratio is taken run by run.
        BenchSupport::StartzeitMs(leer, {}, 1);
        BenchSupport::StartzeitMs(programm, {}, 1);
        for (int i = 0; i < laeufe; ++i) {
            const double b = BenchSupport::StartzeitMs(leer, {}, 1);
            const double a = BenchSupport::StartzeitMs(programm, {}, 1);
            if (a < 0 || b <= 0) {
                std::fprintf(stderr, "bench_fensterstart: %s ließ sich nicht starten\n", p.name);
                return 1;
            }
            verhaeltnisse.push_back(a / b);
            programmMs += a / laeufe;
            leerMs += b / laeufe;
        }
        std::sort(verhaeltnisse.begin(), verhaeltnisse.end());
        std::printf("%s: %.0f ms, leeres Fenster %.0f ms\n", p.name, programmMs, leerMs);
        ok = BenchSupport::Melden(QStringLiteral("Start von %1 im Verhältnis zum leeren Fenster").arg(QLatin1String(p.name)),
                                  verhaeltnisse[verhaeltnisse.size() / 2], QStringLiteral("x"), 1.3)
            && ok;
    }
    return ok ? 0 : 1;
}
