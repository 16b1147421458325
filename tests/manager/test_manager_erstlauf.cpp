// First run and start-up of the manager: the settings check, the first-run dialogue answered both ways,
// the settings, folders, backup and desktop shortcut it leaves behind, a quiet second start, closing.
#include "Anwendungsmenue.h"
#include "Dialoge.h"
#include "FileSearchEngine.h"
#include "ManagerEngine.h"
#include "ManagerTestHilfe.h"
#include "Shell.h"
#include "frmManagerMain.h"

#include <QPushButton>
#include <QtTest>

using namespace ManagerTest;

namespace {

const QString kWillkommen = QStringLiteral("Willkommen in der Welt von Werkbund Utilities 3. Da ihr das Programm zum "
                                           "ersten Mal startet, müssen noch einige Einstellungen vorgenommen werden.");
const QString kVerknuepfung = QStringLiteral("Wollt ihr, dass ich eine Verknüpfung zum Leitstand3 auf dem Desktop anlege ?");
const QString kMenue = QStringLiteral("Werkbund 3 ins Anwendungsmenü eintragen?");
const QString kSuche = QStringLiteral("Ich durchsuche nun alle Laufwerke nach der Varl-Suite 1.01.");
const QString kBackup = QStringLiteral("Ich lege nun ein Backup der Default-Datenbanken an, ihr findet diese im Ordner Backup.");
const QString kLokalisieren = QStringLiteral("Ich versuche nun, die vorhandenen Werkbund-Tools zu lokalisieren.");
const QString kAshgrim = QStringLiteral("Na na na, wer wird sich denn hier unter meinem Namen anmelden ? ;-)))");
const QString kOhneNamen = QStringLiteral("Ihr müsst einen Benutzernamen angeben, ansonsten kann die Konfiguration nicht "
                                          "fortgesetzt werden.");

const QStringList kOrdner{QStringLiteral("HTML"), QStringLiteral("Temp"), QStringLiteral("WBD"), QStringLiteral("Backup"),
                          QStringLiteral("Backup/Armory"), QStringLiteral("Backup/Creatures"),
                          QStringLiteral("Backup/Explorer"), QStringLiteral("Backup/Warehouse")};

// Every database the backup copies, each with content of its own.
void DatenbankenAnlegen(const TestInstallation& inst)
{
    for (const char* name : {"Armory/Nahkampfwaffen.dat", "Armory/Fernwaffen.dat", "Armory/Rüstungen.dat",
                             "Creatures/Kreaturen.dat", "Explorer/Städteliste.dat", "Explorer/Städte.dat",
                             "Warehouse/WarehouseNahkampfwaffen.dat", "Warehouse/WarehouseFernwaffen.dat",
                             "Warehouse/WarehouseRüstungen.dat", "Warehouse/Kleidung.dat", "Warehouse/Nahkampfwaffen.dat"})
        inst.Schreiben(QStringLiteral("Data/") + QString::fromUtf8(name), QByteArray("Inhalt von ") + name + "\r\n");
    inst.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ItemKategorien.dat"),
                         {QStringLiteral(" 4 "), QStringLiteral("Nahkampfwaffen"), QStringLiteral("Fernwaffen"),
                          QStringLiteral("Rüstungen"), QStringLiteral("Kleidung")});
    // The tools whose databases are backed up are installed and registered already, so the first run
    // ends without announcements.
    const QStringList werkzeuge{QStringLiteral("Bestiar3"), QStringLiteral("Lagerhof3"), QStringLiteral("Ortsbau3"),
                                QStringLiteral("Waffkam3")};
    QList<QPair<QString, QString>> tools{{QStringLiteral("Tools"), QString::number(werkzeuge.size())}};
    for (int i = 0; i < werkzeuge.size(); ++i) {
        ProgrammAnlegen(inst, werkzeuge[i]);
        tools.append({QStringLiteral("Tool") + QString::number(i + 1), werkzeuge[i]});
    }
    QVERIFY(Subs::IniSchreiben(inst.Pfad(QStringLiteral("Werkbund3.ini")), QStringLiteral("Tools"), tools));
}

void OrdnerEntfernen(const TestInstallation& inst)
{
    for (const char* name : {"HTML", "Temp", "WBD", "Backup"})
        QDir(inst.Pfad(QLatin1String(name))).removeRecursively();
}

} // namespace

class TestErstlauf : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    std::unique_ptr<frmManagerMain> m_fenster;

    frmManagerMain& Fenster(bool mitDesktop = true)
    {
        m_fenster = std::make_unique<frmManagerMain>();
        m_fenster->Suche().WurzelnSetzen({m_inst->Pfad(QStringLiteral("Suchwurzel"))});
        m_fenster->UmgebungSetzen({m_inst->Pfad(mitDesktop ? QStringLiteral("Desktop") : QStringLiteral("KeinDesktop")),
                                   QStringLiteral("Leitstand3"), m_inst->Pfad(QStringLiteral("XDG"))});
        return *m_fenster;
    }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        QDir().mkpath(m_inst->Pfad(QStringLiteral("Suchwurzel")));
        QDir().mkpath(m_inst->Pfad(QStringLiteral("Desktop")));
        DatenbankenAnlegen(*m_inst);
        OrdnerEntfernen(*m_inst);
        Variablen::Benutzername.clear();
    }
    void cleanup()
    {
        m_fenster.reset();
        m_inst.reset();
    }

    void ohneEinstellungsdatei_endetMitFehler()
    {
        QFile::remove(m_inst->Pfad(QStringLiteral("Werkbund3.ini")));
        Dialoge::Skript skript;
        QVERIFY(!Fenster().Form_Load());
        QCOMPARE(skript.aufrufe.size(), 1);
        QCOMPARE(skript.aufrufe[0].text, QStringLiteral("Die Konfigurationsdatei Werkbund3.ini wurde nicht gefunden, ihr "
                                                        "solltet Werkbund3 neu installieren."));
        QCOMPARE(skript.aufrufe[0].titel, QStringLiteral("Fehler"));
        QCOMPARE(skript.aufrufe[0].symbol, Dialoge::Symbol::Fehler);
        QVERIFY(!QFile::exists(m_inst->Pfad(QStringLiteral("Werkbund3.ini"))));
    }

    void ohneNamen_endetOhneZuSchreiben()
    {
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Werkbund3.ini"));
        Dialoge::Skript skript;
        skript.eingaben = {QString()};
        QVERIFY(!Fenster().Form_Load());
        QCOMPARE(skript.Texte(), QStringList({kWillkommen, kOhneNamen}));
        QCOMPARE(skript.aufrufe[1].art, QStringLiteral("Eingabe"));
        QCOMPARE(skript.aufrufe[1].text, QStringLiteral("Bitte nennt mir euren Namen, Meister."));
        QCOMPARE(skript.aufrufe[2].symbol, Dialoge::Symbol::Ausrufezeichen);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Werkbund3.ini")), vorher);
        for (const QString& ordner : kOrdner)
            QVERIFY2(!QFileInfo::exists(m_inst->Pfad(ordner)), qPrintable(ordner));
    }

    void erstlauf_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("verknuepfung");
        QTest::addColumn<QString>("menue"); // "ja", "nein", or "schon da" when the entries are in place
        QTest::newRow("Verknüpfung ja") << QStringLiteral("Hedwig") << true << QStringLiteral("ja");
        QTest::newRow("Verknüpfung nein") << QStringLiteral("Hedwig") << false << QStringLiteral("nein");
        QTest::newRow("Name des Autors") << QStringLiteral("Ashgrim") << true << QStringLiteral("nein");
        QTest::newRow("Menü schon eingetragen") << QStringLiteral("Hedwig") << false << QStringLiteral("schon da");
    }
    void erstlauf()
    {
        QFETCH(QString, name);
        QFETCH(bool, verknuepfung);
        QFETCH(QString, menue);
        const QString xdg = m_inst->Pfad(QStringLiteral("XDG"));
        if (menue == QLatin1String("schon da"))
            QVERIFY(Anwendungsmenue::Eintragen(xdg).fehler.isEmpty());
        Dialoge::Skript skript;
        skript.eingaben = {name};
        skript.ja = {verknuepfung};
        if (menue != QLatin1String("schon da"))
            skript.ja.append(menue == QLatin1String("ja"));
        frmManagerMain& fenster = Fenster();
        QVERIFY(fenster.Form_Load());
        QVERIFY(fenster.Erstlauf());

        QStringList erwartet{kWillkommen};
        if (name == QLatin1String("Ashgrim"))
            erwartet << kAshgrim;
        erwartet << kVerknuepfung;
        if (menue != QLatin1String("schon da"))
            erwartet << kMenue;
        erwartet << kSuche << kBackup << kLokalisieren;
        QCOMPARE(skript.Texte(), erwartet);
        if (name == QLatin1String("Ashgrim")) {
            QCOMPARE(skript.aufrufe[2].symbol, Dialoge::Symbol::Fehler);
            QCOMPARE(skript.aufrufe[2].titel, QStringLiteral("Werkbund Utilities 3"));
        }
        QCOMPARE(skript.unbeantwortet, 0);
        QCOMPARE(Variablen::Benutzername, name);

        QCOMPARE(Ini(QStringLiteral("General"), QStringLiteral("UserName")), name);
        QCOMPARE(Ini(QStringLiteral("General"), QStringLiteral("Started")), QStringLiteral("1"));
        for (const QString& ordner : kOrdner)
            QVERIFY2(QFileInfo(m_inst->Pfad(ordner)).isDir(), qPrintable(ordner));

        // The backup: same relative names, warehouse items from their own files.
        for (const char* name : {"Armory/Nahkampfwaffen.dat", "Armory/Fernwaffen.dat", "Armory/Rüstungen.dat",
                                 "Creatures/Kreaturen.dat", "Explorer/Städteliste.dat", "Explorer/Städte.dat",
                                 "Warehouse/Kleidung.dat"}) {
            const QString n = QString::fromUtf8(name);
            QCOMPARE(m_inst->Bytes(QStringLiteral("Backup/") + n), m_inst->Bytes(QStringLiteral("Data/") + n));
        }
        for (const char* name : {"Nahkampfwaffen.dat", "Fernwaffen.dat", "Rüstungen.dat"}) {
            const QString n = QString::fromUtf8(name);
            QCOMPARE(m_inst->Bytes(QStringLiteral("Backup/Warehouse/") + n),
                     m_inst->Bytes(QStringLiteral("Data/Warehouse/Warehouse") + n));
        }

        // The installed programs of the suite, each with its entry in the application menu.
        QCOMPARE(QDir(xdg + QStringLiteral("/applications")).entryList(QDir::Files),
                 menue == QLatin1String("nein") ? QStringList()
                                                : QStringList({QStringLiteral("werkbund3-bestiar3.desktop"),
                                                               QStringLiteral("werkbund3-lagerhof3.desktop"),
                                                               QStringLiteral("werkbund3-ortsbau3.desktop"),
                                                               QStringLiteral("werkbund3-waffkam3.desktop")}));

        const QString desktop = m_inst->Pfad(QStringLiteral("Desktop/Werkbund Utilities 3.desktop"));
        QCOMPARE(QFileInfo::exists(desktop), verknuepfung);
        if (verknuepfung) {
            QFile datei(desktop);
            QVERIFY(datei.open(QIODevice::ReadOnly));
            const QStringList zeilen = QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(zeilen, QStringList({QStringLiteral("[Desktop Entry]"), QStringLiteral("Type=Application"),
                                          QStringLiteral("Name=Werkbund Utilities 3"),
                                          QStringLiteral("Exec=") + m_inst->Ordner() + QStringLiteral("/Leitstand3"),
                                          QStringLiteral("Path=") + m_inst->Ordner(),
                                          QStringLiteral("Icon=") + m_inst->Ordner() + QStringLiteral("/GFX/Werkbund3.ico"),
                                          QStringLiteral("Terminal=false")}));
            QVERIFY(QFileInfo(desktop).isExecutable());
        }
    }

    void ohneDesktopOrdner_gehtWeiter()
    {
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        skript.ja = {true};
        QVERIFY(Fenster(false).Form_Load());
        const QStringList texte = skript.Texte();
        QCOMPARE(texte.size(), 7);
        QCOMPARE(texte[1], kVerknuepfung);
        QVERIFY(texte[2].contains(QStringLiteral("Desktop-Ordner")));
        QCOMPARE(texte.mid(3), QStringList({kMenue, kSuche, kBackup, kLokalisieren}));
        QVERIFY(QFileInfo(m_inst->Pfad(QStringLiteral("Backup/Warehouse"))).isDir());
        QCOMPARE(Ini(QStringLiteral("General"), QStringLiteral("Started")), QStringLiteral("1"));
    }

    void verknuepfung_maskiertBesondereZeichen()
    {
        Variablen::PfadeInitialisieren(QStringLiteral("/opt/Werk bund/100%$"));
        const QString text = ManagerEngine::VerknuepfungsText({QString(), QStringLiteral("Leitstand3"), QString()});
        Variablen::PfadeInitialisieren(m_inst->Ordner());
        QVERIFY2(text.contains(QStringLiteral("\nExec=\"/opt/Werk bund/100%%\\\\$/Leitstand3\"\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\nPath=/opt/Werk bund/100%$\n")));
    }

    void backup_fehlendeDatenbankenEinmalGenannt()
    {
        QFile::remove(m_inst->Pfad(QStringLiteral("Data/Creatures/Kreaturen.dat")));
        QFile::remove(m_inst->Pfad(QStringLiteral("Data/Warehouse/Kleidung.dat")));
        m_inst->ZeilenSchreiben(QStringLiteral("Data/Warehouse/ItemKategorien.dat"),
                                {QStringLiteral(" 4 "), QStringLiteral("Kleidung"), QString(), QStringLiteral("../../Ausbruch"),
                                 QStringLiteral("Fernwaffen")});
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        skript.ja = {false};
        QVERIFY(Fenster().Form_Load());
        const QStringList texte = skript.Texte();
        QCOMPARE(texte.size(), 8);
        QCOMPARE(texte[4], kBackup);
        QCOMPARE(texte[5], QStringLiteral("Diese Datenbanken wurden nicht gefunden und darum nicht gesichert:\n"
                                          "Data/Creatures/Kreaturen.dat\nData/Warehouse/Kleidung.dat"));
        QVERIFY(texte[6].startsWith(QStringLiteral("Diese Datenbanken konnten nicht gesichert werden:\n../../Ausbruch")));
        QCOMPARE(texte[7], kLokalisieren);
        // The rest is backed up all the same, and nothing is written outside the backup folder.
        QCOMPARE(m_inst->Bytes(QStringLiteral("Backup/Warehouse/Fernwaffen.dat")),
                 m_inst->Bytes(QStringLiteral("Data/Warehouse/WarehouseFernwaffen.dat")));
        QVERIFY(QFileInfo::exists(m_inst->Pfad(QStringLiteral("Backup/Armory/Rüstungen.dat"))));
        QVERIFY(!QFileInfo::exists(m_inst->Pfad(QStringLiteral("Ausbruch.dat"))));
        QVERIFY(!QFileInfo::exists(m_inst->Pfad(QStringLiteral("Backup/Creatures/Kreaturen.dat"))));
    }

    void backup_nurFuerInstallierteWerkzeuge()
    {
        // Without the creatures tool its missing database is nobody's loss; without the warehouse the
        // warehouse files are not looked at at all.
        for (const char* name : {"Bestiar3", "Lagerhof3"})
            QFile::remove(m_inst->Pfad(QLatin1String(name)));
        QFile::remove(m_inst->Pfad(QStringLiteral("Data/Creatures/Kreaturen.dat")));
        QFile::remove(m_inst->Pfad(QStringLiteral("Data/Warehouse/ItemKategorien.dat")));
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        skript.ja = {false};
        QVERIFY(Fenster().Form_Load());
        QCOMPARE(skript.Texte(), QStringList({kWillkommen, kVerknuepfung, kMenue, kSuche, kBackup, kLokalisieren}));
        QVERIFY(QFileInfo::exists(m_inst->Pfad(QStringLiteral("Backup/Armory/Fernwaffen.dat"))));
        QVERIFY(QDir(m_inst->Pfad(QStringLiteral("Backup/Warehouse"))).isEmpty());
    }

    void nichtBeschreibbar_endetMitEinerMeldung()
    {
        // A settings file that cannot be written even by an administrator: a link into /proc.
        if (!QFileInfo(QStringLiteral("/proc/version")).isFile())
            QSKIP("Ohne /proc lässt sich keine unbeschreibbare Einstellungsdatei nachstellen.");
        QFile::remove(m_inst->Pfad(QStringLiteral("Werkbund3.ini")));
        QVERIFY(QFile::link(QStringLiteral("/proc/version"), m_inst->Pfad(QStringLiteral("Werkbund3.ini"))));
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        QVERIFY(!Fenster().Form_Load());
        const QStringList texte = skript.Texte();
        QCOMPARE(texte.size(), 2);
        QCOMPARE(texte[0], kWillkommen);
        QVERIFY(texte[1].startsWith(QStringLiteral("Die Einrichtung kann nicht fortgesetzt werden")));
        QCOMPARE(skript.aufrufe.last().symbol, Dialoge::Symbol::Fehler);
        for (const QString& ordner : kOrdner)
            QVERIFY2(!QFileInfo::exists(m_inst->Pfad(ordner)), qPrintable(ordner));
    }

    void zweiterStart_istLeise()
    {
        {
            Dialoge::Skript skript;
            skript.eingaben = {QStringLiteral("Hedwig")};
            skript.ja = {false};
            QVERIFY(Fenster().Form_Load());
        }
        Variablen::Benutzername.clear();
        Shell::Aufzeichnung shell;
        Dialoge::Skript skript;
        frmManagerMain& zweites = Fenster();
        QVERIFY(zweites.Form_Load());
        QVERIFY(!zweites.Erstlauf());
        zweites.close();
        QCOMPARE(skript.aufrufe.size(), 0);
        QVERIFY(!QFileInfo::exists(m_inst->Pfad(QStringLiteral("Desktop/Werkbund Utilities 3.desktop"))));
    }

    void keineZahl_giltAlsNull_data()
    {
        QTest::addColumn<QString>("started");
        QTest::addColumn<bool>("erstlauf");
        QTest::newRow("0") << QStringLiteral("0") << true;
        QTest::newRow("leer") << QString() << true;
        QTest::newRow("Text") << QStringLiteral("ja") << true;
        QTest::newRow("1") << QStringLiteral("1") << false;
        QTest::newRow("2") << QStringLiteral("2") << false;
    }
    void keineZahl_giltAlsNull()
    {
        QFETCH(QString, started);
        QFETCH(bool, erstlauf);
        IniSetzen(QStringLiteral("General"), QStringLiteral("Started"), started);
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tools"), QStringLiteral("viele"));
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        QVERIFY(Fenster().Form_Load());
        QCOMPARE(skript.Texte().contains(kWillkommen), erstlauf);
    }

    void schliessen_data()
    {
        QTest::addColumn<bool>("erstlauf");
        QTest::addColumn<bool>("beendenKnopf");
        QTest::newRow("Erstlauf, Fenster schließen") << true << false;
        QTest::newRow("Erstlauf, Beenden") << true << true;
        QTest::newRow("später, Fenster schließen") << false << false;
        QTest::newRow("später, Beenden") << false << true;
    }
    void schliessen()
    {
        QFETCH(bool, erstlauf);
        QFETCH(bool, beendenKnopf);
        if (!erstlauf)
            ErstlaufErledigt();
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        skript.ja = {false};
        frmManagerMain& fenster = Fenster();
        QVERIFY(fenster.Form_Load());
        m_inst->Schreiben(QStringLiteral("Temp/Temp.html"), "<html>");
        const qsizetype vorher = skript.Texte().size();
        if (beendenKnopf)
            fenster.findChild<QPushButton*>(QStringLiteral("cmdEnde"))->click();
        else
            fenster.close();
        const QString abschied = QStringLiteral(
            "Ihr habt nun einen kleinen Überblick über Werkbund3 gewonnen, Hedwig. Sicherlich habt ihr nun den einen oder "
            "anderen Kritikpunkt oder Vorschlag. Nun denn, lasst es mich wissen.");
        QCOMPARE(skript.Texte().mid(vorher), erstlauf ? QStringList{abschied} : QStringList());
        QVERIFY(!QFileInfo::exists(m_inst->Pfad(QStringLiteral("Temp/Temp.html"))));
    }
};

QTEST_MAIN(TestErstlauf)
#include "test_manager_erstlauf.moc"
