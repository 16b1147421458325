// Registration of the installation's programs, the tool buttons' order and pictures, starting programs
// through the recording shell, the error report and the other buttons of the main window.
#include "Dialoge.h"
#include "Fenster.h"
#include "ManagerEngine.h"
#include "ManagerFensterHilfe.h"
#include "ManagerTestHilfe.h"
#include "Shell.h"
#include "frmManagerMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace ManagerTest;

namespace {

QString Gefunden(const QString& datei)
{
    return datei + QStringLiteral(" wurde gefunden. Das Tool wird nun eingerichtet.");
}

QString OhneBild(const QString& datei)
{
    return QStringLiteral("Eine benötigte Grafikdatei wurde nicht gefunden, ihr solltet ") + datei
        + QStringLiteral(" neu installieren.");
}

} // namespace

class TestWerkzeuge : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;

    std::unique_ptr<frmManagerMain> Starten() { return HauptfensterStarten(*m_inst); }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        ErstlaufErledigt();
        // Alchemie has an icon made for it; Zauberbuch has none; Kurier and the suite's own three come with
        // the shipped pictures or are never shown.
        for (const char* name : {"Zauberbuch", "Ortsbau3", "Kurier", "Tabellar3", "Leitstand3", "Bestiar3", "Alchemie"})
            ProgrammAnlegen(*m_inst, QLatin1String(name));
        SymbolAnlegen(*m_inst, QStringLiteral("Alchemie.ico"));
        QFile::remove(m_inst->Pfad(QStringLiteral("GFX/Zauberbuch.ico")));
        QFile::remove(m_inst->Pfad(QStringLiteral("GFX/Kurier.ico")));
        // Not programs: not executable, a folder, or executable files that are no program (a drive where
        // every file carries the execute bit): a page, the settings file, a text without "#!", a script
        // with another extension.
        m_inst->Schreiben(QStringLiteral("Notizen"), "kein Programm");
        QDir().mkpath(m_inst->Pfad(QStringLiteral("Ordner3")));
        m_inst->Schreiben(QStringLiteral("Liesmich"), "Ein Text ohne Programmkopf");
        m_inst->Schreiben(QStringLiteral("werkzeug.sh"), "#!/bin/sh\n");
        for (const char* name : {"Hilfe.htm", "Werkbund3.ini", "Liesmich", "werkzeug.sh"})
            QFile::setPermissions(m_inst->Pfad(QLatin1String(name)),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    void cleanup() { m_inst.reset(); }

    void registrierung_einmalAngekuendigt()
    {
        {
            Dialoge::Skript skript;
            QVERIFY(Starten());
            // The manager never announces itself.
            QCOMPARE(skript.Texte(), QStringList({Gefunden(QStringLiteral("Alchemie")), Gefunden(QStringLiteral("Bestiar3")),
                                                  Gefunden(QStringLiteral("Ortsbau3")), Gefunden(QStringLiteral("Tabellar3")),
                                                  OhneBild(QStringLiteral("Zauberbuch"))}));
            QCOMPARE(skript.aufrufe[0].symbol, Dialoge::Symbol::Information);
            QCOMPARE(skript.aufrufe[4].symbol, Dialoge::Symbol::Ausrufezeichen);
        }
        QCOMPARE(Ini(QStringLiteral("Tools"), QStringLiteral("Tools")), QStringLiteral("4"));
        QCOMPARE(ManagerEngine::RegistrierteWerkzeuge(),
                 QStringList({QStringLiteral("Alchemie"), QStringLiteral("Bestiar3"), QStringLiteral("Ortsbau3"),
                              QStringLiteral("Tabellar3")}));

        // Later starts: silent, except the missing picture, which is never registered.
        Dialoge::Skript skript;
        QVERIFY(Starten());
        QCOMPARE(skript.Texte(), QStringList({OhneBild(QStringLiteral("Zauberbuch"))}));
        QCOMPARE(Ini(QStringLiteral("Tools"), QStringLiteral("Tools")), QStringLiteral("4"));

        // A new program with its icon is announced once and registered under the next key.
        ProgrammAnlegen(*m_inst, QStringLiteral("Kartenblick3"));
        Dialoge::Skript drittes;
        QVERIFY(Starten());
        QCOMPARE(drittes.Texte(), QStringList({Gefunden(QStringLiteral("Kartenblick3")), OhneBild(QStringLiteral("Zauberbuch"))}));
        QCOMPARE(Ini(QStringLiteral("Tools"), QStringLiteral("Tool5")), QStringLiteral("Kartenblick3"));
        QCOMPARE(Ini(QStringLiteral("Tools"), QStringLiteral("Tools")), QStringLiteral("5"));
    }

    void registrierung_beschaedigteAnzahl()
    {
        // A damaged count reads only the keys that exist; the next registration repairs it.
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tools"), QStringLiteral("99999"));
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tool1"), QStringLiteral("Alchemie"));
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tool2"), QStringLiteral("Bestiar3"));
        QCOMPARE(ManagerEngine::WerkzeugAnzahl(), 2);
        Dialoge::Skript skript;
        QVERIFY(Starten());
        QCOMPARE(skript.Texte(), QStringList({Gefunden(QStringLiteral("Ortsbau3")), Gefunden(QStringLiteral("Tabellar3")),
                                              OhneBild(QStringLiteral("Zauberbuch"))}));
        QCOMPARE(Ini(QStringLiteral("Tools"), QStringLiteral("Tools")), QStringLiteral("4"));
        QCOMPARE(Ini(QStringLiteral("Tools"), QStringLiteral("Tool4")), QStringLiteral("Tabellar3"));
    }

    void stapelbefehl_werkzeuge()
    {
        // The built program in the installation: it is an ELF program and belongs to the listing itself.
        QFile::remove(m_inst->Pfad(QStringLiteral("Leitstand3")));
        QVERIFY(QFile::copy(QStringLiteral(LEITSTAND3), m_inst->Pfad(QStringLiteral("Leitstand3"))));
        QProcess prozess;
        prozess.start(m_inst->Pfad(QStringLiteral("Leitstand3")), {QStringLiteral("--werkzeuge")});
        QVERIFY(prozess.waitForFinished(60000));
        QCOMPARE(prozess.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(prozess.readAllStandardOutput()),
                 QStringLiteral("Alchemie\nBestiar3\nOrtsbau3\nZauberbuch\n"));
        QCOMPARE(QString::fromUtf8(prozess.readAllStandardError()),
                 QStringList({Gefunden(QStringLiteral("Alchemie")), Gefunden(QStringLiteral("Bestiar3")),
                              Gefunden(QStringLiteral("Ortsbau3")), Gefunden(QStringLiteral("Tabellar3")),
                              OhneBild(QStringLiteral("Zauberbuch"))})
                         .join(QLatin1Char('\n'))
                     + QLatin1Char('\n'));
        QCOMPARE(ManagerEngine::RegistrierteWerkzeuge().size(), 4);
    }

    void knoepfe_reihenfolgeUndLuecken()
    {
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));

        // Listing: Alchemie 0, Bestiar3 1, Kurier 2, Leitstand3 3, Ortsbau3 4, Tabellar3 5, Zauberbuch 6.
        QStringList namen;
        for (QPushButton* knopf : fenster->findChildren<QPushButton*>())
            if (knopf->objectName().startsWith(QLatin1String("cmdTool(")))
                namen.append(knopf->objectName());
        namen.sort();
        QCOMPARE(namen, QStringList({QStringLiteral("cmdTool(0)"), QStringLiteral("cmdTool(1)"),
                                     QStringLiteral("cmdTool(4)"), QStringLiteral("cmdTool(6)")}));

        const auto knopf = [&](int k) { return fenster->findChild<QPushButton*>(Fenster::ArrayName(QStringLiteral("cmdTool"), k)); };
        const int links = knopf(0)->x();
        const int schritt = knopf(1)->x() - links;
        QVERIFY(schritt >= knopf(0)->width());
        QCOMPARE(knopf(4)->x(), links + 4 * schritt);
        QCOMPARE(knopf(6)->x(), links + 6 * schritt);
        QCOMPARE(knopf(4)->y(), knopf(0)->y());

        // A suite program's tooltip says what it is for; any other program's shows its name.
        QCOMPARE(knopf(4)->toolTip(), QStringLiteral("Ortsbau 3 – Städte erfinden und verwalten"));
        QCOMPARE(knopf(0)->toolTip(), QStringLiteral("Alchemie"));
        QCOMPARE(fenster->findChild<QPushButton*>(QStringLiteral("cmdTabellarium"))->toolTip(),
                 QStringLiteral("Tabellar 3 – Die Tabellen der anderen Programme bearbeiten"));
        QCOMPARE(knopf(4)->property("Tag").toString(), QStringLiteral("Ortsbau3"));
        QVERIFY(!knopf(0)->icon().isNull());
        QVERIFY(!knopf(4)->icon().isNull());
        QVERIFY(knopf(6)->icon().isNull());
        QVERIFY(!fenster->findChild<QPushButton*>(QStringLiteral("cmdXT"))->icon().isNull());
    }

    void kleinsteGroesse_schneidetNichtsAb()
    {
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        fenster->resize(1, 1);
        QTest::qWait(10);
        // At the smallest size the layouts allow, "Beenden" and every other button are shown whole.
        for (QPushButton* knopf : fenster->findChildren<QPushButton*>()) {
            if (!knopf->isVisible())
                continue;
            QVERIFY2(knopf->width() >= knopf->minimumSizeHint().width(), qPrintable(knopf->objectName()));
            QVERIFY2(fenster->rect().contains(knopf->geometry()), qPrintable(knopf->objectName()));
        }
    }

    void knoepfe_startenProgramme()
    {
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        Shell::Aufzeichnung shell;
        auto* credits = fenster->findChild<QLabel*>(QStringLiteral("lblCredits"));
        QVERIFY(!credits->isHidden());
        fenster->findChild<QPushButton*>(QStringLiteral("cmdTool(4)"))->click();
        fenster->findChild<QPushButton*>(QStringLiteral("cmdTabellarium"))->click();
        QCOMPARE(shell.gestartet.size(), 2);
        QCOMPARE(shell.gestartet[0].programm, m_inst->Pfad(QStringLiteral("Ortsbau3")));
        QCOMPARE(shell.gestartet[0].stil, Shell::Fensterstil::Normal);
        QCOMPARE(QFileInfo(shell.gestartet[1].programm).canonicalFilePath(),
                 QFileInfo(m_inst->Pfad(QStringLiteral("Tabellar3"))).canonicalFilePath());
        QVERIFY(credits->isHidden());
        QVERIFY(shell.geoeffnet.isEmpty());
    }

    void bugmail_text()
    {
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tools"), QStringLiteral("3"));
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tool1"), QStringLiteral("Leitstand3"));
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tool2"), QStringLiteral("Ortsbau3"));
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tool3"), QStringLiteral("Würfel&Becher+1"));
        IniSetzen(QStringLiteral("Tools"), QStringLiteral("Tool4"), QStringLiteral("jenseits der Anzahl"));
        const QString text = QStringLiteral("Werkbund3 Bugmail. Bitte die untenstehenden Zeilen nicht ändern."
                                            "Leitstand3   3.00\r\nOrtsbau3   3.00\r\nWürfel&Becher+1   \r\n");
        QCOMPARE(ManagerEngine::BugmailText(), text);
    }

    // Where to report is the installation's text; without one the user learns where to enter it.
    void bugmail_meldung_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("meldung");
        const QString ablage = QStringLiteral("Die Namen und Versionen eurer Programme liegen in der Zwischenablage; fügt "
                                              "sie eurem Bericht bei und beschreibt darunter den Fehler so genau wie möglich.");
        const QString leer = QStringLiteral("Wohin ihr Fehler im Programm melden könnt, ist in dieser Installation noch nicht "
                                            "eingetragen. Tragt es in der Datei Werkbund3.ini im Abschnitt [Allgemein] hinter "
                                            "„Bugmail=“ ein, zum Beispiel eine Mailadresse oder eine Webseite; dann nennt es "
                                            "euch dieser Knopf.\n\n")
            + ablage;
        QTest::newRow("fehlt") << QString() << leer;
        QTest::newRow("nur Leerzeichen") << QStringLiteral("   ") << leer;
        QTest::newRow("eingetragen") << QStringLiteral(" An die Spielleiterrunde im Vereinsheim, Fach 3. ")
                                     << QStringLiteral("Fehler im Programm meldet ihr bitte hier:\n\nAn die Spielleiterrunde im "
                                                       "Vereinsheim, Fach 3.\n\n")
                + ablage;
    }

    void bugmail_meldung()
    {
        QFETCH(QString, eintrag);
        QFETCH(QString, meldung);
        if (!eintrag.isNull())
            IniSetzen(QStringLiteral("Allgemein"), QStringLiteral("Bugmail"), eintrag);
        auto fenster = Starten();
        QVERIFY(fenster);
        Dialoge::Skript skript;
        Shell::Aufzeichnung shell;
        QApplication::clipboard()->clear();
        fenster->findChild<QPushButton*>(QStringLiteral("cmdBugmail"))->click();
        QCOMPARE(skript.Texte(), QStringList{meldung});
        QCOMPARE(skript.aufrufe[0].symbol, Dialoge::Symbol::Information);
        QCOMPARE(QApplication::clipboard()->text(), ManagerEngine::BugmailText());
        // Nothing is opened: no mail program, no address.
        QVERIFY(shell.geoeffnet.isEmpty());
    }

    void knoepfe_oeffnenUebersicht()
    {
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        Shell::Aufzeichnung shell;
        const qsizetype vorher = skript.Texte().size();
        fenster->findChild<QPushButton*>(QStringLiteral("cmdHomepage"))->click();
        fenster->findChild<QPushButton*>(QStringLiteral("cmdHilfe"))->click();
        QCOMPARE(skript.Texte().size(), vorher);
        QCOMPARE(shell.geoeffnet.size(), 2);
        for (const QString& geoeffnet : shell.geoeffnet)
            QCOMPARE(QFileInfo(geoeffnet).canonicalFilePath(),
                     QFileInfo(m_inst->Pfad(QStringLiteral("Hilfe.htm"))).canonicalFilePath());
        QVERIFY(shell.gestartet.isEmpty());
    }

};

QTEST_MAIN(TestWerkzeuge)
#include "test_manager_werkzeuge.moc"
