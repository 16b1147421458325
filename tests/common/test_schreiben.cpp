// Every program's writers, run as the user runs them: on a full disk and onto a FIFO or a device the old
// file stays as it was and the failure is reported; "--ausgabe -" puts the content on standard output.
#include "TestInstallation.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <memory>

namespace {

const QStringList kProgramme{QStringLiteral(ORTSBAU3), QStringLiteral(WAFFKAM3), QStringLiteral(LAGERHOF3),
                             QStringLiteral(BESTIAR3), QStringLiteral(TAGESLAUF3), QStringLiteral(KARTENBLICK3),
                             QStringLiteral(TABELLAR3), QStringLiteral(LEITSTAND3)};

// A full disk for the child only: writes beyond 64 bytes fail with EFBIG instead of killing it.
void VollerDatentraeger()
{
    const rlimit grenze{64, 64};
    setrlimit(RLIMIT_FSIZE, &grenze);
    signal(SIGXFSZ, SIG_IGN);
}

bool Sonderdatei(const QString& pfad)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

// Commands that write the file named by "--ausgabe" ({Z}); the other rows write a file of the installation.
void Befehle(bool auchDateienDerInstallation)
{
    QTest::addColumn<QString>("programm");
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("ziel"); // the file that would be replaced, below the installation
    const QString seite = QStringLiteral("HTML/alt.html");
    QTest::newRow("Ortsbau3 Seite") << "Ortsbau3" << QStringList{"--generieren", "--name", "Mühlbach", "--einwohner", "800", "--ausgabe", "{Z}"} << seite;
    QTest::newRow("Waffkam3 Seite") << "Waffkam3" << QStringList{"--details", "nahkampf", "Bartbeil mit Eschenstiel", "--ausgabe", "{Z}"} << seite;
    QTest::newRow("Lagerhof3 Shopseite") << "Lagerhof3" << QStringList{"--generieren", "--shopart", "Waffenschmied", "--qualitaet", "3", "--preise", "3", "--ausgabe", "{Z}"} << seite;
    QTest::newRow("Bestiar3 Bericht") << "Bestiar3" << QStringList{"--kampf", "--held", "Wolf", "--gegner", "Ratte", "--ausgabe", "{Z}"} << seite;
    QTest::newRow("Bestiar3 Export") << "Bestiar3" << QStringList{"--exportieren", "Wolf", "--ausgabe", "{Z}"} << "WBD/alt.wbd";
    QTest::newRow("Tageslauf3 Seite") << "Tageslauf3" << QStringList{"--generieren", "--gelaende", "Wald", "--ausgabe", "{Z}"} << seite;
    QTest::newRow("Kartenblick3 Bild") << "Kartenblick3" << QStringList{"--zeichnen", "--karte", "klein", "--ausgabe", "{Z}"} << "HTML/alt.png";
    QTest::newRow("Tabellar3 Export") << "Tabellar3" << QStringList{"--exportieren", "Ortsbau 3", "Heiler", "--ausgabe", "{Z}"} << "HTML/alt.txt";
    if (!auchDateienDerInstallation)
        return;
    QTest::newRow("Waffkam3 Datenbank") << "Waffkam3" << QStringList{"--generieren", "--name", "Prüfklinge", "--kategorie", "Schwerter"} << "Data/Armory/Nahkampfwaffen.dat";
    QTest::newRow("Lagerhof3 Warendatei") << "Lagerhof3" << QStringList{"--speichern", "Kleidung", "--name", "Prüfmantel", "--wert", "1", "--gewicht", "10", "--preis", "5", "--waehrung", "Heller"} << "Data/Warehouse/Kleidung.dat";
    QTest::newRow("Tabellar3 Tabelle") << "Tabellar3" << QStringList{"--importieren", "Tageslauf 3", "DayEreignisse", "{I}/Temp/neu.txt"} << "Data/Day/DayEreignisse.dat";
    QTest::newRow("Tabellar3 Shopkonfiguration") << "Tabellar3" << QStringList{"--shop-speichern", "Waffenschmied", "--ware", "Nahkampfwaffen"} << "Data/Warehouse/ShopgeneratorConfig.dat";
    QTest::newRow("Leitstand3 Einstellungen") << "Leitstand3" << QStringList{"--werkzeuge"} << "Werkbund3.ini";
}

} // namespace

class TestSchreiben : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstallation> m_inst;

    // The row's program and arguments, "{Z}" standing for the target and "{I}" for the installation.
    Programmlauf Starten(const QString& ziel, const std::function<void()>& imKind = {})
    {
        QFETCH(QString, programm);
        QFETCH(QStringList, argumente);
        for (QString& a : argumente)
            a.replace(QLatin1String("{Z}"), ziel).replace(QLatin1String("{I}"), m_inst->Ordner());
        return ProgrammStarten(m_inst->Pfad(programm), argumente, QProcessEnvironment::systemEnvironment(), imKind);
    }

private Q_SLOTS:
    void initTestCase();
    void vollerDatentraeger_data();
    void vollerDatentraeger();
    void sonderdateienBleiben_data();
    void sonderdateienBleiben();
    void standardausgabe_data();
    void standardausgabe();
};

void TestSchreiben::initTestCase()
{
    m_inst = std::make_unique<TestInstallation>();
    for (const QString& programm : kProgramme) {
        const QString ziel = m_inst->Pfad(QFileInfo(programm).fileName());
        QVERIFY(QFile::copy(programm, ziel));
        QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    m_inst->Schreiben(QStringLiteral("Temp/neu.txt"), QByteArray("Ein neues Ereignis, länger als der Platz auf dem Datenträger.\n").repeated(3));
}

void TestSchreiben::vollerDatentraeger_data()
{
    Befehle(true);
}

void TestSchreiben::vollerDatentraeger()
{
    QFETCH(QString, ziel);
    const QString pfad = m_inst->Pfad(ziel);
    if (!QFileInfo::exists(pfad))
        m_inst->Schreiben(ziel, "alt\r\n");
    const QByteArray vorher = m_inst->Bytes(ziel);
    const QStringList ordnerVorher = QDir(QFileInfo(pfad).path()).entryList(QDir::AllEntries | QDir::Hidden);

    const Programmlauf lauf = Starten(pfad, VollerDatentraeger);
    QVERIFY2(lauf.status > 0, qPrintable(lauf.fehler));
    QVERIFY2(lauf.fehler.contains(QStringLiteral("Der Datenträger ist voll.")), qPrintable(lauf.fehler));
    QVERIFY(!lauf.ausgabe.contains(QStringLiteral("gespeichert")));
    QCOMPARE(m_inst->Bytes(ziel), vorher);
    QCOMPARE(QDir(QFileInfo(pfad).path()).entryList(QDir::AllEntries | QDir::Hidden), ordnerVorher);
}

void TestSchreiben::sonderdateienBleiben_data()
{
    Befehle(false);
}

void TestSchreiben::sonderdateienBleiben()
{
    const QString pfad = m_inst->Pfad(QStringLiteral("Temp/sonder"));
    QList<std::function<bool()>> anlegen{[&] { return ::mkfifo(QFile::encodeName(pfad).constData(), 0600) == 0; }};
    if (::geteuid() == 0)
        anlegen.append([&] { return ::mknod(QFile::encodeName(pfad).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0; });
    for (const auto& sonderdatei : anlegen) {
        QFile::remove(pfad);
        QVERIFY(sonderdatei());
        const Programmlauf lauf = Starten(pfad);
        QVERIFY2(lauf.status > 0, qPrintable(lauf.fehler));
        QVERIFY2(lauf.fehler.contains(QStringLiteral("ist keine gewöhnliche Datei; es wurde nichts geschrieben.")),
                 qPrintable(lauf.fehler));
        QVERIFY(Sonderdatei(pfad));
    }
    QFile::remove(pfad);
}

void TestSchreiben::standardausgabe_data()
{
    Befehle(false);
}

void TestSchreiben::standardausgabe()
{
    QFETCH(QString, ziel);
    const auto mitSaat = [this](const QString& ausgabe) {
        QFETCH(QString, programm);
        QFETCH(QStringList, argumente);
        argumente << "--seed" << "4242";
        for (QString& a : argumente)
            a.replace(QLatin1String("{Z}"), ausgabe).replace(QLatin1String("{I}"), m_inst->Ordner());
        return ProgrammStarten(m_inst->Pfad(programm), argumente);
    };
    const Programmlauf inDatei = mitSaat(m_inst->Pfad(ziel));
    QCOMPARE(inDatei.status, 0);
    const Programmlauf aufStandard = mitSaat(QStringLiteral("-"));
    QCOMPARE(aufStandard.status, 0);
    QCOMPARE(aufStandard.rohausgabe, m_inst->Bytes(ziel));
    // What the command prints beside the file moves to standard error.
    for (const QString& zeile : inDatei.ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        QVERIFY2(aufStandard.fehler.contains(zeile), qPrintable(zeile));
}

QTEST_GUILESS_MAIN(TestSchreiben)
#include "test_schreiben.moc"
