// External tools: the configuration window (add, edit, delete, the save button's rules), the keys it
// leaves in Werkbund3.ini, the main window's menu, and starting an entry.
#include "Dialoge.h"
#include "ExterneTools.h"
#include "Fenster.h"
#include "ManagerTestHilfe.h"
#include "Shell.h"
#include "Subs.h"
#include "Variablen.h"
#include "frmManagerMain.h"
#include "frmManagerXTConfig.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace ManagerTest;

namespace {

struct Bedienung {
    explicit Bedienung(QWidget& fenster)
        : liste(fenster.findChild<QListWidget*>(QStringLiteral("lstXT"))),
          name(fenster.findChild<QLineEdit*>(QStringLiteral("txtName"))),
          pfad(fenster.findChild<QLineEdit*>(QStringLiteral("txtPfad"))),
          neu(fenster.findChild<QPushButton*>(QStringLiteral("cmdNeu"))),
          loeschen(fenster.findChild<QPushButton*>(QStringLiteral("cmdDelete"))),
          speichern(fenster.findChild<QPushButton*>(QStringLiteral("cmdSpeichern"))),
          waehlen(fenster.findChild<QPushButton*>(QStringLiteral("cmdPfad")))
    {
    }
    void Eintragen(const QString& n, const QString& p)
    {
        neu->click();
        name->setText(n);
        pfad->setText(p);
        speichern->click();
    }
    QStringList Zeilen() const
    {
        QStringList z;
        for (int i = 0; i < liste->count(); ++i)
            z.append(liste->item(i)->text());
        return z;
    }
    QListWidget* liste;
    QLineEdit* name;
    QLineEdit* pfad;
    QPushButton* neu;
    QPushButton* loeschen;
    QPushButton* speichern;
    QPushButton* waehlen;
};

QStringList Menue(QWidget& hauptfenster)
{
    QStringList eintraege;
    for (QAction* aktion : hauptfenster.findChild<QMenu*>(QStringLiteral("XTMenu"))->actions())
        if (aktion->isVisible() && !aktion->isSeparator())
            eintraege.append(aktion->objectName() + QLatin1Char('=') + aktion->text());
    return eintraege;
}

} // namespace

class TestExterneTools : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;

    void DreiEintragen()
    {
        frmManagerXTConfig fenster;
        Bedienung b(fenster);
        b.Eintragen(QStringLiteral("Eins"), QStringLiteral("/opt/eins"));
        b.Eintragen(QStringLiteral("Zwei"), QStringLiteral("/opt/zwei"));
        b.Eintragen(QStringLiteral("Drei"), QStringLiteral("/opt/drei"));
        fenster.reject();
    }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        ErstlaufErledigt();
        Variablen::Programmtitel = QStringLiteral("Werkbund Utilities 3");
    }
    void cleanup()
    {
        Fenster::ModalHandlerSetzen(nullptr);
        m_inst.reset();
    }

    void hinzufuegen()
    {
        frmManagerXTConfig fenster;
        Bedienung b(fenster);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Werkbund Utilities 3 - XTConfig - Externe Tools konfigurieren"));
        QVERIFY(!b.loeschen->isEnabled());
        QVERIFY(!b.speichern->isEnabled());
        b.name->setText(QStringLiteral("Würfelturm"));
        QVERIFY(!b.speichern->isEnabled());
        b.pfad->setText(QStringLiteral("/opt/wuerfel.bat"));
        QVERIFY(b.speichern->isEnabled());
        b.name->clear();
        QVERIFY(!b.speichern->isEnabled());
        b.name->setText(QStringLiteral("Würfelturm"));
        b.speichern->click();
        QCOMPARE(b.Zeilen(), QStringList({QStringLiteral("Würfelturm")}));
        QVERIFY(b.name->text().isEmpty() && b.pfad->text().isEmpty());
        QVERIFY(!b.speichern->isEnabled());
        b.Eintragen(QStringLiteral("Zweites"), QStringLiteral("/opt/zwei"));

        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTools")), QStringLiteral("2"));
        QCOMPARE(ExterneTools::Name(1), QStringLiteral("Würfelturm"));
        QCOMPARE(ExterneTools::Pfad(1), QStringLiteral("/opt/wuerfel.bat"));
        QCOMPARE(ExterneTools::Name(2), QStringLiteral("Zweites"));
        QCOMPARE(ExterneTools::Pfad(2), QStringLiteral("/opt/zwei"));
    }

    void bearbeiten()
    {
        DreiEintragen();
        frmManagerXTConfig fenster;
        Bedienung b(fenster);
        QCOMPARE(b.Zeilen(), QStringList({QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei")}));
        b.liste->setCurrentRow(1);
        QCOMPARE(b.name->text(), QStringLiteral("Zwei"));
        QCOMPARE(b.pfad->text(), QStringLiteral("/opt/zwei"));
        QVERIFY(b.loeschen->isEnabled());
        b.name->setText(QStringLiteral("Zwei neu"));
        b.pfad->setText(QStringLiteral("/opt/zwei-neu"));
        b.speichern->click();
        QCOMPARE(b.Zeilen(), QStringList({QStringLiteral("Eins"), QStringLiteral("Zwei neu"), QStringLiteral("Drei")}));
        QCOMPARE(ExterneTools::Pfad(2), QStringLiteral("/opt/zwei-neu"));
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTools")), QStringLiteral("3"));
        // The boxes now belong to a new entry: the next save appends instead of overwriting.
        b.name->setText(QStringLiteral("Vier"));
        b.pfad->setText(QStringLiteral("/opt/vier"));
        b.speichern->click();
        QCOMPARE(ExterneTools::Namen(), QStringList({QStringLiteral("Eins"), QStringLiteral("Zwei neu"),
                                                     QStringLiteral("Drei"), QStringLiteral("Vier")}));
    }

    void unvollstaendig_speichernHaeltAn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("leer") << QString() << QString() << 0;
        QTest::newRow("nur Pfad") << QString() << QStringLiteral("/opt/becher") << 2;
        QTest::newRow("nur Name") << QStringLiteral("Becher") << QString() << 2;
    }
    void unvollstaendig_speichernHaeltAn()
    {
        QFETCH(QString, name);
        QFETCH(QString, pfad);
        QFETCH(int, meldungen);
        frmManagerXTConfig fenster;
        Bedienung b(fenster);
        b.name->setText(name);
        b.pfad->setText(pfad);
        Dialoge::Skript skript;
        skript.wahl = {Dialoge::Antwort::Speichern};
        b.neu->click();
        // A half-typed entry cannot be saved: after the warning it stays rather than being dropped.
        QCOMPARE(skript.aufrufe.size(), meldungen);
        QVERIFY(meldungen == 0 || skript.aufrufe.last().text.startsWith(QStringLiteral("Ein Tool braucht einen Namen und einen Pfad")));
        QVERIFY(b.name->text() == name && b.pfad->text() == pfad && ExterneTools::Anzahl() == 0);
    }

    void loeschen_ersteVonDrei()
    {
        DreiEintragen();
        frmManagerXTConfig fenster;
        Bedienung b(fenster);
        b.liste->setCurrentRow(0);
        Dialoge::Skript skript;
        skript.ja = {false, true};
        b.loeschen->click();
        QCOMPARE(b.Zeilen().size(), 3);
        b.loeschen->click();
        QCOMPARE(skript.Texte(), QStringList(2, QStringLiteral("Wollt ihr den gewählten Listeneintrag wirklich löschen ?")));
        QCOMPARE(b.Zeilen(), QStringList({QStringLiteral("Zwei"), QStringLiteral("Drei")}));
        QVERIFY(b.name->text().isEmpty() && b.pfad->text().isEmpty());
        QVERIFY(!b.loeschen->isEnabled());
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTools")), QStringLiteral("2"));
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTool1")), QStringLiteral("Zwei"));
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTPfad1")), QStringLiteral("/opt/zwei"));
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTool2")), QStringLiteral("Drei"));
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTPfad2")), QStringLiteral("/opt/drei"));
        // The former last key stays in the file and is ignored.
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTool3")), QStringLiteral("Drei"));
        QCOMPARE(ExterneTools::Namen(), QStringList({QStringLiteral("Zwei"), QStringLiteral("Drei")}));
    }

    void loeschen_einzigen_imHauptfenster()
    {
        {
            frmManagerXTConfig fenster;
            Bedienung(fenster).Eintragen(QStringLiteral("Einzig"), QStringLiteral("/opt/einzig"));
            fenster.reject();
        }
        Dialoge::Skript skript;
        frmManagerMain haupt;
        haupt.Suche().WurzelnSetzen({m_inst->Pfad(QStringLiteral("HTML"))});
        QVERIFY(haupt.Form_Load());
        QCOMPARE(Menue(haupt), QStringList({QStringLiteral("Tool(1)=Einzig"),
                                            QStringLiteral("XTConfig=Externe Tools konfigurieren")}));
        QStringList waehrenddessen;
        bool loeschenAktiv = true;
        int zeilen = -1;
        Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
            Bedienung b(dialog);
            b.liste->setCurrentRow(0);
            skript.ja = {true};
            b.loeschen->click();
            waehrenddessen = Menue(haupt);
            loeschenAktiv = b.loeschen->isEnabled();
            zeilen = b.liste->count();
            dialog.reject();
            return int(QDialog::Rejected);
        });
        haupt.findChild<QAction*>(QStringLiteral("XTConfig"))->trigger();
        // The main window's menu follows at once, not only after the window closed.
        QCOMPARE(waehrenddessen, QStringList({QStringLiteral("XTConfig=Externe Tools konfigurieren")}));
        QCOMPARE(Menue(haupt), waehrenddessen);
        QVERIFY(!loeschenAktiv);
        QCOMPARE(zeilen, 0);
        QCOMPARE(Ini(QStringLiteral("XT"), QStringLiteral("XTTools")), QStringLiteral("0"));
        QVERIFY(!haupt.findChild<QAction*>(QStringLiteral("Tool(0)"))->isVisible());
    }

    void menue_startet()
    {
        // Outside the installation folder, so it is no tool of the suite.
        ProgrammAnlegen(*m_inst, QStringLiteral("Extern/Werkzeug"));
        m_inst->Schreiben(QStringLiteral("Skripte/Karte.BAT"), "@echo aus\r\n");
        DreiEintragen();
        QVERIFY(Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("XT"),
                                   {{QStringLiteral("XTTool1"), QStringLiteral("Werkzeug")},
                                    {QStringLiteral("XTPfad1"), m_inst->Pfad(QStringLiteral("Extern/Werkzeug"))},
                                    {QStringLiteral("XTTool2"), QStringLiteral("Karte")},
                                    {QStringLiteral("XTPfad2"), m_inst->Pfad(QStringLiteral("skripte/karte.bat"))},
                                    {QStringLiteral("XTTool3"), QStringLiteral("Leer")},
                                    {QStringLiteral("XTPfad3"), QString()}}));

        Dialoge::Skript skript;
        frmManagerMain haupt;
        haupt.Suche().WurzelnSetzen({m_inst->Pfad(QStringLiteral("HTML"))});
        QVERIFY(haupt.Form_Load());
        QCOMPARE(Menue(haupt), QStringList({QStringLiteral("Tool(1)=Werkzeug"), QStringLiteral("Tool(2)=Karte"),
                                            QStringLiteral("Tool(3)=Leer"),
                                            QStringLiteral("XTConfig=Externe Tools konfigurieren")}));
        Shell::Aufzeichnung shell;
        for (int i = 1; i <= 3; ++i)
            haupt.findChild<QAction*>(Fenster::ArrayName(QStringLiteral("Tool"), i))->trigger();
        QCOMPARE(shell.gestartet.size(), 2);
        QCOMPARE(shell.gestartet[0].programm, m_inst->Pfad(QStringLiteral("Extern/Werkzeug")));
        QCOMPARE(shell.gestartet[0].stil, Shell::Fensterstil::Normal);
        // A path typed in another case still starts the file as it exists.
        QCOMPARE(shell.gestartet[1].programm, m_inst->Pfad(QStringLiteral("Skripte/Karte.BAT")));
        QCOMPARE(skript.Texte(), QStringList({QStringLiteral("Die Datei wurde nicht gefunden.")}));
        QCOMPARE(skript.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);

        QFile::remove(m_inst->Pfad(QStringLiteral("Extern/Werkzeug")));
        haupt.findChild<QAction*>(QStringLiteral("Tool(1)"))->trigger();
        QCOMPARE(shell.gestartet.size(), 2);
        QCOMPARE(skript.Texte().size(), 2);
    }

    void pfad_auswaehlen()
    {
        frmManagerXTConfig fenster;
        Bedienung b(fenster);
        Dialoge::Skript skript;
        skript.dateien = {QStringLiteral("/opt/gewaehlt/programm.exe")};
        b.waehlen->click();
        QCOMPARE(b.pfad->text(), QStringLiteral("/opt/gewaehlt/programm.exe"));
        QCOMPARE(skript.aufrufe[0].art, QStringLiteral("Oeffnen"));
        QVERIFY(skript.aufrufe[0].filter.startsWith(
            QStringLiteral("Alle Dateien (*)|*|Ausführbare Dateien (*.exe), (*.com), (*.bat)|*.exe;*.bat;*.com")));
    }

};

QTEST_MAIN(TestExterneTools)
#include "test_manager_xt.moc"
