// A fight of 500 against 500 shipped creatures to its end with its report, loading and saving a database of
// 10,000 creatures, and the start of Bestiar3 with it.
#include "BattleEngine.h"
#include "BenchSupport.h"
#include "Kreaturentabelle.h"
#include "Zufall.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace Kreaturentabellen;

namespace {

QStringList Kreatur(int i)
{
    QStringList f(Feldanzahl);
    f[1] = QStringLiteral("Übungsgegner Nr. %1").arg(i);
    f[2] = QStringLiteral("Ein Geschöpf aus der Sammlung der Prüfer, beschrieben mit ein paar Sätzen, wie sie eine "
                          "Spielleitung schreibt: Aussehen, Gewohnheiten und was man besser nicht tut.");
    f[3] = QStringLiteral("Wälder und Hügel des Nordens");
    f[4] = QStringLiteral("1 Schritt");
    f[5] = QString::number(5 + i % 10);
    f[6] = QString::number(8 + i % 12);
    f[7] = QString::number(20 + i % 40);
    f[8] = QString::number(1 + i % 20);
    f[9] = QStringLiteral("Greift aus dem Hinterhalt an.");
    f[10] = QStringLiteral("Biss");
    f[11] = QString::number(1 + i % 2);
    f[12] = QString::number(i % 5);
    f[13] = QString::number(8 + i % 8);
    f[14] = i % 3 == 0 ? QStringLiteral("Klaue") : QString();
    f[15] = i % 3 == 0 ? QStringLiteral("1") : QString();
    f[16] = i % 3 == 0 ? QStringLiteral("2") : QString();
    f[17] = i % 3 == 0 ? QStringLiteral("10") : QString();
    f[26] = QString::number(i % 5);
    f[27] = QString::number(i % 7);
    f[28] = QString::number(4 + i % 8);
    f[29] = QString::number(5 + i % 15);
    f[30] = QString::number(15 + i % 50);
    f[31] = QString::number(1 + i % 20);
    f[32] = QStringLiteral("Nichts von Wert");
    f[33] = QStringLiteral("Fell, Knochen");
    for (int k = 34; k <= 51; ++k)
        f[k] = (i + k) % 7 == 0 ? QStringLiteral("1") : QStringLiteral("0");
    f[52] = QStringLiteral("Tiere");
    f[53] = QStringLiteral("Häufig");
    f[54] = QString::number(i % 6);
    f[55] = i % 3 == 0 ? QStringLiteral("3") : QStringLiteral("-1");
    f[56] = f[57] = QStringLiteral("-1");
    return f;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir ordner;
    BenchSupport::InstallationAnlegen(ordner.path());
    bool ok = true;

    // The fight: 500 heroes and 500 enemies drawn in turn from the shipped creatures.
    Kreaturentabelle geliefert;
    Laden(geliefert);
    QList<BattleEngine::Kaempfer> alle;
    for (const QStringList& zeile : geliefert.Zeilen)
        if (const auto k = BattleEngine::KaempferAus(zeile))
            alle.append(*k);
    if (alle.size() < 2) {
        std::fprintf(stderr, "Keine kampftauglichen Kreaturen gefunden.\n");
        return 1;
    }
    const QString bericht = ordner.path() + QStringLiteral("/HTML/kampf.html");
    qint64 groesse = 0;
    QString sieger;
    int lauf = 0;
    const double kampf = BenchSupport::MedianMs(5, [&] {
        BattleEngine::Kampfstand stand;
        for (int i = 0; i < 500; ++i) {
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Helden, alle[(2 * i) % alle.size()]);
            BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Gegner, alle[(2 * i + 1) % alle.size()]);
        }
        Zufall::SaatSetzen(quint64(1000 + lauf++));
        QString fehler;
        const auto s = BattleEngine::KampfSpeichern(stand, bericht, &fehler);
        if (!s) {
            std::fprintf(stderr, "%s\n", qPrintable(fehler));
            std::exit(1);
        }
        sieger = BattleEngine::SiegerText(*s);
        groesse = QFileInfo(bericht).size();
    });
    if (sieger.isEmpty() || groesse < 1024) {
        std::fprintf(stderr, "Der Kampf hat keinen Bericht geschrieben.\n");
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Kampf 500 gegen 500 bis zum Ende mit Bericht"), kampf,
                              QStringLiteral("ms"), 1000) && ok;

    // The database of 10,000 creatures.
    Kreaturentabelle tabelle;
    for (int i = 0; i < 10000; ++i)
        ZeileAnhaengen(tabelle, Kreatur(i));
    if (!Speichern(tabelle)) {
        std::fprintf(stderr, "Die Testdatenbank konnte nicht geschrieben werden.\n");
        return 1;
    }
    int geladen = 0;
    const double laden = BenchSupport::MedianMs(7, [&] {
        Kreaturentabelle t;
        Laden(t);
        geladen = t.Anzahl();
    });
    if (geladen != 10000) {
        std::fprintf(stderr, "Geladen wurden %d statt 10000 Kreaturen.\n", geladen);
        return 1;
    }
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Datenbank laden (10000 Kreaturen)"), laden, QStringLiteral("ms"), 100)
        && ok;
    const double speichern = BenchSupport::MedianMs(7, [&] { Speichern(tabelle); });
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Datenbank speichern (10000 Kreaturen)"), speichern,
                              QStringLiteral("ms"), 100)
        && ok;

    // The program finds its installation beside itself.
    const QString programm = ordner.path() + QStringLiteral("/Bestiar3");
    QFile::copy(QStringLiteral(WERKBUND_BIN_DIR "/creatures/Bestiar3"), programm);
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const double start = BenchSupport::StartzeitMs(programm, {}, 5);
    ok = BenchSupport::Melden(QStringLiteral("Bestiar3 Start bis zum Fenster (10000 Kreaturen)"), start,
                              QStringLiteral("ms"), -1) && ok;
    return ok ? 0 : 1;
}
