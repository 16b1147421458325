// The drive search over a generated tree of about 100,000 folders against `find TREE -name VarlSuite.ini`
// over the same tree in the same run. Budget: at most 1.5 times find's time.
#include "BenchSupport.h"
#include "FileSearchEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/stat.h>

namespace {

// 10 × 10 × 10 × 99 leaves under 1,110 inner folders: 100,110 folders, a few files in the inner ones.
bool BaumAnlegen(const QString& wurzel)
{
    const QByteArray basis = QFile::encodeName(wurzel);
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < 10; ++b) {
            for (int c = 0; c < 10; ++c) {
                const QByteArray innen = basis + "/Region" + QByteArray::number(a) + "/Stadt" + QByteArray::number(b)
                    + "/Viertel" + QByteArray::number(c);
                if (!QDir().mkpath(QFile::decodeName(innen)))
                    return false;
                QFile notiz(QFile::decodeName(innen + "/Notiz.txt"));
                if (!notiz.open(QIODevice::WriteOnly))
                    return false;
                for (int d = 0; d < 99; ++d)
                    if (mkdir((innen + "/Haus" + QByteArray::number(d)).constData(), 0755) != 0)
                        return false;
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString find = QStandardPaths::findExecutable(QStringLiteral("find"));
    if (find.isEmpty()) {
        std::fprintf(stderr, "bench_manager_suche: find fehlt\n");
        return 1;
    }
    QTemporaryDir ordner;
    if (!ordner.isValid() || !BaumAnlegen(ordner.path())) {
        std::fprintf(stderr, "bench_manager_suche: Baum nicht angelegt\n");
        return 1;
    }

    bool findOk = true;
    const auto findLauf = [&] {
        QProcess prozess;
        prozess.start(find, {ordner.path(), QStringLiteral("-name"), QStringLiteral("VarlSuite.ini")});
        findOk = prozess.waitForFinished(120000) && prozess.exitCode() == 0 && findOk;
    };
    FileSearchEngine suche;
    suche.WurzelnSetzen({ordner.path()});
    // The same event hook as the window's: pending events at most every 15 ms, the stop flag every folder.
    suche.EreignisseSetzen(FileSearchEngine::Gedrosselt([] { QCoreApplication::processEvents(); }, 15));
    const auto sucheLauf = [&] { suche.Suche(QStringLiteral("VarlSuite.ini")); };

    // Warm the file system caches for both, then alternate the measured runs.
    findLauf();
    sucheLauf();
    double findMs = 0;
    double sucheMs = 0;
    for (int runde = 0; runde < 3; ++runde) {
        findMs += BenchSupport::MedianMs(3, findLauf);
        sucheMs += BenchSupport::MedianMs(3, sucheLauf);
    }
    findMs /= 3;
    sucheMs /= 3;
    if (!findOk || suche.Gefunden() || suche.BesuchteOrdner() != 100111) {
        std::fprintf(stderr, "bench_manager_suche: Lauf fehlerhaft (%lld Ordner)\n", static_cast<long long>(suche.BesuchteOrdner()));
        return 1;
    }
    BenchSupport::Melden(QStringLiteral("Laufwerkssuche, find über 100110 Ordner"), findMs, QStringLiteral("ms"));
    const bool ok1 = BenchSupport::Melden(QStringLiteral("Laufwerkssuche über 100110 Ordner"), sucheMs, QStringLiteral("ms"), findMs * 1.5);
    const bool ok2 = BenchSupport::Melden(QStringLiteral("Laufwerkssuche im Verhältnis zu find"), sucheMs / findMs,
                                          QStringLiteral("x"), 1.5);
    return ok1 && ok2 ? 0 : 1;
}
