// Many programs writing one shared file at the same moment: every record lands, every writer succeeds, a
// reader beside them always finds a whole file, and nothing is left behind in the folder. A writer killed
// while it holds a file's lock does not block the next one; a writer that cannot get the lock gives up.
#include "Dateien.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include <csignal>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const QStringList kProgramme{QStringLiteral(WAFFKAM3), QStringLiteral(LAGERHOF3), QStringLiteral(BESTIAR3),
                             QStringLiteral(TABELLAR3), QStringLiteral(LEITSTAND3)};
constexpr int kSchreiber = 12;

// The folder's entries that a writer or a lock could leave: hidden temporary files and anything new.
QStringList Eintraege(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestGleichzeitig : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstallation> m_inst;

    QString Programm(const QString& name) const { return m_inst->Pfad(name); }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        for (const QString& programm : kProgramme) {
            const QString ziel = m_inst->Pfad(QFileInfo(programm).fileName());
            QVERIFY(QFile::copy(programm, ziel));
            QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void alleLanden_data()
    {
        // {N} is the writer's number; each writer's record must stand in the file afterwards as `zeile`.
        QTest::addColumn<QString>("programm");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("Waren") << "Lagerhof3"
                               << QStringList{"--speichern", "Kleidung", "--name", "Wollhemd {N}", "--wert", "1",
                                              "--gewicht", "4", "--preis", "3", "--waehrung", "Heller"}
                               << "Data/Warehouse/Kleidung.dat" << "Wollhemd {N}1";
        QTest::newRow("Kategorien") << "Lagerhof3" << QStringList{"--kategorie-neu", "Kiste {N}"}
                                    << "Data/Warehouse/ItemKategorien.dat" << "Kiste {N}";
        QTest::newRow("Waffen") << "Waffkam3" << QStringList{"--generieren", "--name", "Klinge {N}", "--kategorie", "Schwerter"}
                                << "Data/Armory/Nahkampfwaffen.dat" << "Klinge {N}";
        QTest::newRow("Kreaturen") << "Bestiar3" << QStringList{"--importieren", "{I}/WBD/Wolf {N}.wbd"}
                                   << "Data/Creatures/Kreaturen.dat" << "Graupelz {N}";
        QTest::newRow("Shoparten") << "Tabellar3" << QStringList{"--shop-neu", "Bude {N}"}
                                   << "Data/Warehouse/ShopgeneratorShops.dat" << "Bude {N}";
        QTest::newRow("Links") << "Leitstand3" << QStringList{"--link-neu", "Seite {N}", "https://example.org/{N}", "Notizen"}
                               << "Data/Manager/URLs.dat" << "Seite {N}";
        QTest::newRow("Einstellungen") << "Leitstand3" << QStringList{"--notiz", "2027-01-{T}", "Markttag {N}"}
                                       << "Werkbund3.ini" << "2027-01-{T}=Markttag {N}";
    }

    void alleLanden()
    {
        QFETCH(QString, programm);
        QFETCH(QStringList, argumente);
        QFETCH(QString, datei);
        QFETCH(QString, zeile);
        const auto einsetzen = [this](QString text, int n) {
            return text.replace(QLatin1String("{N}"), QString::number(n))
                .replace(QLatin1String("{T}"), QStringLiteral("%1").arg(n + 1, 2, 10, QLatin1Char('0')))
                .replace(QLatin1String("{I}"), m_inst->Ordner());
        };
        // Exchange files of twelve creatures of their own names, made from one exported creature.
        if (programm == QLatin1String("Bestiar3")) {
            const Programmlauf lauf = ProgrammStarten(Programm(QStringLiteral("Bestiar3")),
                                                      {"--exportieren", "Wolf", "--ausgabe", m_inst->Pfad("WBD/Wolf.wbd")});
            QCOMPARE(lauf.status, 0);
            const QStringList vorlage = m_inst->Zeilen(QStringLiteral("WBD/Wolf.wbd"));
            const qsizetype name = vorlage.indexOf(QStringLiteral("Wolf"));
            QVERIFY(name > 0);
            for (int n = 0; n < kSchreiber; ++n) {
                QStringList zeilen = vorlage;
                zeilen[name] = QStringLiteral("Graupelz %1").arg(n);
                m_inst->ZeilenSchreiben(QStringLiteral("WBD/Wolf %1.wbd").arg(n), zeilen);
            }
        }
        // The warehouse takes its replacement files in at its first start; that is no writer's leftover.
        if (programm == QLatin1String("Lagerhof3"))
            QCOMPARE(ProgrammStarten(Programm(programm), {"--kategorien"}).status, 0);
        const QString pfad = m_inst->Pfad(datei);
        const QStringList vorher = Eintraege(QFileInfo(pfad).path());
        const qsizetype groesse = m_inst->Bytes(datei).size();

        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("WERKBUND_SPERRFRIST_MS"), QStringLiteral("60000"));
        std::vector<std::unique_ptr<QProcess>> laeufe;
        for (int n = 0; n < kSchreiber; ++n) {
            auto prozess = std::make_unique<QProcess>();
            prozess->setProcessEnvironment(umgebung);
            QStringList args;
            for (const QString& a : argumente)
                args.append(einsetzen(a, n));
            prozess->start(Programm(programm), args);
            laeufe.push_back(std::move(prozess));
        }
        // A reader beside the writers never sees half a file: it is never shorter than before and ends with a
        // line end.
        int gelesen = 0;
        const auto laufend = [&laeufe] {
            for (const auto& p : laeufe)
                if (p->state() != QProcess::NotRunning)
                    return true;
            return false;
        };
        while (laufend()) {
            QFile f(pfad);
            if (f.open(QIODevice::ReadOnly)) {
                const QByteArray bytes = f.readAll();
                QVERIFY2(bytes.size() >= groesse && bytes.endsWith("\r\n"), bytes.right(40).constData());
                ++gelesen;
            }
            QTest::qWait(5);
        }
        QVERIFY(gelesen > 0);
        for (int n = 0; n < kSchreiber; ++n) {
            QProcess& p = *laeufe[size_t(n)];
            QVERIFY(p.state() == QProcess::NotRunning || p.waitForFinished(120000));
            QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, p.readAllStandardError().constData());
        }
        const QStringList zeilen = m_inst->Zeilen(datei);
        for (int n = 0; n < kSchreiber; ++n)
            QVERIFY2(zeilen.count(einsetzen(zeile, n)) == 1, qPrintable(einsetzen(zeile, n)));
        QStringList nachher = Eintraege(QFileInfo(pfad).path());
        // A new category brings its goods file, a new kind of shop nothing else.
        nachher.removeIf([&vorher](const QString& e) { return !vorher.contains(e) && e.startsWith(QLatin1String("Kiste ")); });
        QCOMPARE(nachher, vorher);
    }

    void sperre_data()
    {
        QTest::addColumn<bool>("getoetet");
        QTest::newRow("Halter getötet") << true;
        QTest::newRow("Halter arbeitet noch") << false;
    }

    // A program holding the armory's lock: killed, it frees the lock at once; still at work, the next writer
    // waits its time, then gives up with a reason and writes nothing.
    void sperre()
    {
        QFETCH(bool, getoetet);
        const QString datei = QStringLiteral("Data/Armory/Nahkampfwaffen.dat");
        const QByteArray vorher = m_inst->Bytes(datei);
        int rohr[2];
        QCOMPARE(::pipe(rohr), 0);
        const pid_t kind = ::fork();
        if (kind == 0) {
            Dateien::Sperre halten(m_inst->Pfad(datei));
            const char gehalten = halten.Gehalten() ? '1' : '0';
            (void)!::write(rohr[1], &gehalten, 1);
            if (getoetet)
                ::raise(SIGKILL);
            ::pause();
            ::_exit(0);
        }
        char gehalten = 0;
        QCOMPARE(::read(rohr[0], &gehalten, 1), ssize_t(1));
        QCOMPARE(gehalten, '1');
        if (getoetet)
            ::waitpid(kind, nullptr, 0);

        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("WERKBUND_SPERRFRIST_MS"), QStringLiteral("1500"));
        const Programmlauf lauf = ProgrammStarten(Programm(QStringLiteral("Waffkam3")),
                                                  {"--generieren", "--name", "Nachzüglerin", "--kategorie", "Schwerter"},
                                                  umgebung);
        if (!getoetet) {
            ::kill(kind, SIGKILL);
            ::waitpid(kind, nullptr, 0);
        }
        ::close(rohr[0]);
        ::close(rohr[1]);
        if (getoetet) {
            QVERIFY2(lauf.status == 0, qPrintable(lauf.fehler));
            QVERIFY(m_inst->Zeilen(datei).contains(QStringLiteral("Nachzüglerin")));
        } else {
            QVERIFY(lauf.status > 0);
            QVERIFY2(lauf.fehler.contains(QStringLiteral("wird gerade von einem anderen Programm geändert")), qPrintable(lauf.fehler));
            QCOMPARE(m_inst->Bytes(datei), vorher);
        }
    }
};

QTEST_GUILESS_MAIN(TestGleichzeitig)
#include "test_gleichzeitig.moc"
