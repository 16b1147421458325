// The drive search on built folder trees (order, old version, dot-folders, links, stopping), registering
// the other suite, its menu, the suite button, and the batch command.
#include "Dialoge.h"
#include "FileSearchEngine.h"
#include "ManagerTestHilfe.h"
#include "Shell.h"
#include "Stapelbefehle.h"
#include "VarlSuite.h"
#include "frmManagerMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace ManagerTest;

namespace {

const QString kAlt = QStringLiteral("Ihr verwendet noch die alte Version der Varl-Suite, diese wird von Werkbund3 nicht "
                                    "unterstützt. Bitte installiert die neueste Version der Varl-Suite.");

void Datei(const QString& pfad)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
}

// A folder with the suite's settings file, and its main program when it is a current version.
void Suite(const QString& ordner, bool explorer, const QStringList& werkzeuge = {})
{
    Datei(ordner + QStringLiteral("/VarlSuite.ini"));
    if (explorer)
        Datei(ordner + QStringLiteral("/Explorer.exe"));
    for (const QString& w : werkzeuge)
        Datei(ordner + QLatin1Char('/') + w);
}

} // namespace

class TestSuche : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    QString m_baum;

    QString Baum(const QString& relativ) const { return m_baum + QLatin1Char('/') + relativ; }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        ErstlaufErledigt();
        Variablen::Programmtitel = QStringLiteral("Werkbund Utilities 3");
        m_baum = m_inst->Pfad(QStringLiteral("Baum"));
        QDir().mkpath(m_baum);
    }
    void cleanup()
    {
        m_inst.reset();
    }

    void alteVersionZuerst_dannGueltige()
    {
        Suite(Baum(QStringLiteral("a/alt")), false);
        Suite(Baum(QStringLiteral("b/neu")), true);
        Suite(Baum(QStringLiteral("c/spaeter")), true);
        Dialoge::Skript skript;
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QVERIFY(suche.Gefunden());
        QVERIFY(!suche.Laeuft());
        QCOMPARE(suche.Fundordner(), Baum(QStringLiteral("b/neu/")));
        QCOMPARE(skript.Texte(), QStringList({kAlt}));
        QCOMPARE(skript.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
    }

    void reihenfolge_data()
    {
        QTest::addColumn<QStringList>("gueltig");
        QTest::addColumn<QStringList>("ungueltig");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("eigene Datei vor Unterordnern") << QStringList{QStringLiteral("x/tief"), QStringLiteral("x")}
                                                       << QStringList{} << QStringLiteral("x/");
        QTest::newRow("Unterordner in Namensfolge") << QStringList{QStringLiteral("m/zwei"), QStringLiteral("m/eins")}
                                                    << QStringList{} << QStringLiteral("m/eins/");
        QTest::newRow("Tiefe zuerst") << QStringList{QStringLiteral("b"), QStringLiteral("a/b/c/d")} << QStringList{}
                                      << QStringLiteral("a/b/c/d/");
        QTest::newRow("Punktordner übersprungen") << QStringList{QStringLiteral(".versteckt"), QStringLiteral("a/.git"),
                                                                 QStringLiteral("z")}
                                                  << QStringList{} << QStringLiteral("z/");
        QTest::newRow("alte Version in Punktordner still") << QStringList{QStringLiteral("k")}
                                                           << QStringList{QStringLiteral(".alt")} << QStringLiteral("k/");
    }
    void reihenfolge()
    {
        QFETCH(QStringList, gueltig);
        QFETCH(QStringList, ungueltig);
        QFETCH(QString, erwartet);
        for (const QString& o : gueltig)
            Suite(Baum(o), true);
        for (const QString& o : ungueltig)
            Suite(Baum(o), false);
        Dialoge::Skript skript;
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QVERIFY(suche.Gefunden());
        QCOMPARE(suche.Fundordner(), Baum(erwartet));
        QCOMPARE(skript.aufrufe.size(), 0);
    }

    void grossKleinschreibung_undDateien()
    {
        // A folder named like the target is no match; the file name is matched regardless of case.
        QDir().mkpath(Baum(QStringLiteral("a/VarlSuite.ini")));
        Datei(Baum(QStringLiteral("a/Explorer.exe")));
        Datei(Baum(QStringLiteral("b/VARLSUITE.INI")));
        Datei(Baum(QStringLiteral("b/explorer.EXE")));
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QCOMPARE(suche.Fundordner(), Baum(QStringLiteral("b/")));
        // A natively built suite without ".exe" counts as well.
        QVERIFY(QFile::rename(Baum(QStringLiteral("b/explorer.EXE")), Baum(QStringLiteral("b/Explorer"))));
        suche.Suche(QStringLiteral("varlsuite.ini"));
        QCOMPARE(suche.Fundordner(), Baum(QStringLiteral("b/")));
    }

    void verknuepfungenNichtGefolgt()
    {
        const QString draussen = m_inst->Pfad(QStringLiteral("Draussen/suite"));
        Suite(draussen, true);
        QVERIFY(QFile::link(draussen, Baum(QStringLiteral("a_link"))));
        QDir().mkpath(Baum(QStringLiteral("b")));
        QVERIFY(QFile::link(m_baum, Baum(QStringLiteral("b/schleife"))));
        Suite(Baum(QStringLiteral("z")), true);
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QCOMPARE(suche.Fundordner(), Baum(QStringLiteral("z/")));
        QCOMPARE(suche.BesuchteOrdner(), 3); // the root, b and z
    }

    void wurzelnNacheinander_jederOrdnerEinmal()
    {
        Suite(Baum(QStringLiteral("zweite/innen")), true);
        QDir().mkpath(Baum(QStringLiteral("erste/leer")));
        QStringList besucht;
        FileSearchEngine suche;
        // The second root lies inside the first: it is walked once, as a root of its own.
        suche.WurzelnSetzen({Baum(QStringLiteral("erste")), Baum(QStringLiteral("zweite")), m_baum});
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QCOMPARE(suche.Fundordner(), Baum(QStringLiteral("zweite/innen/")));
        QCOMPARE(suche.BesuchteOrdner(), 4); // erste, erste/leer, zweite, zweite/innen
        suche.WurzelnSetzen({m_baum, Baum(QStringLiteral("zweite"))});
        suche.Suche(QStringLiteral("nicht-vorhanden.ini"));
        QVERIFY(!suche.Gefunden());
        QCOMPARE(suche.BesuchteOrdner(), 5); // Baum, erste, erste/leer, then zweite and zweite/innen once
    }

    void anhalten_ausEinemEreignis()
    {
        for (int i = 0; i < 10; ++i)
            QDir().mkpath(Baum(QStringLiteral("o%1/u").arg(i)));
        Suite(Baum(QStringLiteral("o9/u")), true);
        int aufrufe = 0;
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        suche.EreignisseSetzen([&] {
            ++aufrufe;
            QVERIFY(suche.Laeuft());
            if (aufrufe == 5)
                suche.Suche(QStringLiteral("VarlSuite.ini"));
        });
        QList<bool> zeiger;
        suche.WartezeigerSetzen([&](bool an) { zeiger.append(an); });
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QVERIFY(!suche.Laeuft());
        QVERIFY(!suche.Gefunden());
        QCOMPARE(aufrufe, 5);
        QCOMPARE(zeiger, QList<bool>({true, false}));

        // Without the stop: once per folder (21) and once per match.
        aufrufe = 0;
        suche.EreignisseSetzen([&] { ++aufrufe; });
        suche.Suche(QStringLiteral("VarlSuite.ini"));
        QVERIFY(suche.Gefunden());
        QCOMPARE(aufrufe, 21 + 1);
    }

    void einrichten_schreibtSchluessel()
    {
        Suite(Baum(QStringLiteral("spiele/varl")), true,
              {QStringLiteral("Locator.exe"), QStringLiteral("metrik.exe"), QStringLiteral("Wiege")});
        Dialoge::Skript skript;
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        QCOMPARE(VarlSuite::SuchenUndEinrichten(suche), VarlSuite::Ergebnis::Eingerichtet);
        QCOMPARE(skript.Texte(), QStringList({QStringLiteral("Varl-Suite 1.01 wurde gefunden, das Tool wird eingerichtet.")}));
        QCOMPARE(Ini(QStringLiteral("VarlSuite"), QStringLiteral("Path")), Baum(QStringLiteral("spiele/varl/")));
        const QStringList werte{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                                QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Ini(QStringLiteral("VarlSuite"), VarlSuite::Werkzeuge()[i]), werte[i]);
        QCOMPARE(VarlSuite::MenueEintraege(), QStringList({QStringLiteral("Locator"), QStringLiteral("Metrik"),
                                                            QStringLiteral("Wiege")}));
    }

    void nichtGefunden_schreibtNichts()
    {
        Suite(Baum(QStringLiteral("alt")), false);
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Werkbund3.ini"));
        Dialoge::Skript skript;
        FileSearchEngine suche;
        suche.WurzelnSetzen({m_baum});
        QCOMPARE(VarlSuite::SuchenUndEinrichten(suche), VarlSuite::Ergebnis::NichtGefunden);
        QCOMPARE(skript.Texte(), QStringList({kAlt}));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Werkbund3.ini")), vorher);
    }

    void suiteMenue_startet()
    {
        const QString ordner = Baum(QStringLiteral("varl/"));
        Suite(ordner, true, {QStringLiteral("Basar.exe"), QStringLiteral("Reise")});
        IniSetzen(QStringLiteral("VarlSuite"), QStringLiteral("Path"), ordner);
        IniSetzen(QStringLiteral("VarlSuite"), QStringLiteral("Basar"), QStringLiteral("1"));
        IniSetzen(QStringLiteral("VarlSuite"), QStringLiteral("Reise"), QStringLiteral("1,0"));
        IniSetzen(QStringLiteral("VarlSuite"), QStringLiteral("Retorte"), QStringLiteral("1"));
        IniSetzen(QStringLiteral("VarlSuite"), QStringLiteral("Wiege"), QStringLiteral("ja"));
        Dialoge::Skript skript;
        frmManagerMain fenster;
        fenster.Suche().WurzelnSetzen({m_baum});
        QVERIFY(fenster.Form_Load());
        QStringList eintraege;
        for (QAction* a : fenster.findChild<QMenu*>(QStringLiteral("SuiteMenu"))->actions())
            if (a->isVisible())
                eintraege.append(a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(eintraege, QStringList({QStringLiteral("SuiteTool(0)=Basar"), QStringLiteral("SuiteTool(1)=Reise"),
                                         QStringLiteral("SuiteTool(2)=Retorte")}));
        Shell::Aufzeichnung shell;
        for (int i = 0; i < 3; ++i)
            fenster.findChild<QAction*>(QStringLiteral("SuiteTool(%1)").arg(i))->trigger();
        // Retorte no longer exists: nothing happens.
        QCOMPARE(shell.gestartet.size(), 2);
        QCOMPARE(shell.gestartet[0].programm, ordner + QStringLiteral("Basar.exe"));
        QCOMPARE(shell.gestartet[1].programm, ordner + QStringLiteral("Reise"));
        QCOMPARE(shell.gestartet[1].stil, Shell::Fensterstil::Normal);
        QCOMPARE(skript.aufrufe.size(), 0);

        // With a registered suite the button opens the menu and searches nothing.
        fenster.findChild<QPushButton*>(QStringLiteral("cmdVarlSuite"))->click();
        QVERIFY(fenster.findChild<QMenu*>(QStringLiteral("SuiteMenu"))->isVisible());
        fenster.findChild<QMenu*>(QStringLiteral("SuiteMenu"))->close();
        QCOMPARE(skript.aufrufe.size(), 0);
    }

    void suiteKnopf_nochmalGedruecktHaeltAn()
    {
        for (int i = 0; i < 6; ++i)
            QDir().mkpath(Baum(QStringLiteral("o%1").arg(i)));
        Suite(Baum(QStringLiteral("o5/varl")), true);
        Dialoge::Skript skript;
        frmManagerMain fenster;
        fenster.Suche().WurzelnSetzen({m_baum});
        QVERIFY(fenster.Form_Load());
        auto* knopf = fenster.findChild<QPushButton*>(QStringLiteral("cmdVarlSuite"));
        int ordner = 0;
        fenster.Suche().EreignisseSetzen([&] {
            if (++ordner == 3)
                knopf->click();
        });
        knopf->click();
        QCOMPARE(ordner, 3);
        QCOMPARE(skript.Texte(), QStringList({QStringLiteral("Die Suche nach der Varl-Suite wurde abgebrochen.")}));
        QCOMPARE(Ini(QStringLiteral("VarlSuite"), QStringLiteral("Path")), QString());
        QVERIFY(!fenster.findChild<QAction*>(QStringLiteral("SuiteTool(0)"))->isVisible());
    }

    void suchfenster_abbrechenHaeltAn()
    {
        for (int i = 0; i < 6; ++i)
            QDir().mkpath(Baum(QStringLiteral("o%1").arg(i)));
        Suite(Baum(QStringLiteral("o5/varl")), true);
        Dialoge::Skript skript;
        frmManagerMain fenster;
        fenster.Suche().WurzelnSetzen({m_baum});
        QVERIFY(fenster.Form_Load());
        // While the search runs a progress window stands over the manager; "Abbrechen" stops the search.
        int ordner = 0;
        QString beschriftung;
        fenster.Suche().EreignisseSetzen([&] {
            auto* fortschritt = fenster.findChild<QProgressDialog*>(QStringLiteral("frmSuche"));
            if (++ordner == 2 && fortschritt && fortschritt->isVisible()) {
                auto* abbrechen = fortschritt->findChild<QPushButton*>();
                beschriftung = abbrechen->text();
                abbrechen->click();
            }
        });
        fenster.findChild<QPushButton*>(QStringLiteral("cmdVarlSuite"))->click();
        QCOMPARE(ordner, 2);
        QCOMPARE(beschriftung, QStringLiteral("Abbrechen"));
        QCOMPARE(skript.Texte(), QStringList({QStringLiteral("Die Suche nach der Varl-Suite wurde abgebrochen.")}));
        QTRY_VERIFY(!fenster.findChild<QProgressDialog*>(QStringLiteral("frmSuche")));
        QVERIFY(!QApplication::overrideCursor());
    }

    void suchfenster_mittigAufDemBildschirm()
    {
        for (int i = 0; i < 3; ++i)
            QDir().mkpath(Baum(QStringLiteral("o%1").arg(i)));
        Dialoge::Skript skript;
        // Not shown and small, as at the first run, where the window would otherwise follow it.
        frmManagerMain fenster;
        fenster.resize(200, 150);
        fenster.Suche().WurzelnSetzen({m_baum});
        QVERIFY(fenster.Form_Load());
        QPoint mitte;
        fenster.Suche().EreignisseSetzen([&] {
            auto* fortschritt = fenster.findChild<QProgressDialog*>(QStringLiteral("frmSuche"));
            if (fortschritt && fortschritt->isVisible())
                mitte = fortschritt->frameGeometry().center();
        });
        fenster.findChild<QPushButton*>(QStringLiteral("cmdVarlSuite"))->click();
        const QPoint bildschirm = fenster.screen()->availableGeometry().center();
        QVERIFY2((mitte - bildschirm).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 statt %3,%4").arg(mitte.x()).arg(mitte.y()).arg(bildschirm.x()).arg(bildschirm.y())));
    }

    void netzlaufwerke_data()
    {
        QTest::addColumn<QByteArray>("typ");
        QTest::addColumn<QByteArray>("geraet");
        QTest::addColumn<bool>("netz");
        QTest::newRow("ext4") << QByteArray("ext4") << QByteArray("/dev/sda1") << false;
        QTest::newRow("overlay") << QByteArray("overlay") << QByteArray("overlay") << false;
        QTest::newRow("nfs") << QByteArray("nfs4") << QByteArray("server:/export") << true;
        QTest::newRow("cifs") << QByteArray("cifs") << QByteArray("//nas/freigabe") << true;
        QTest::newRow("sshfs") << QByteArray("fuse.sshfs") << QByteArray("ich@rechner:/home") << true;
        QTest::newRow("fuse entfernt") << QByteArray("fuse.unbekannt") << QByteArray("host:/pfad") << true;
        QTest::newRow("fuse lokal") << QByteArray("fuse.ntfs-3g") << QByteArray("/dev/sdb1") << false;
    }
    void netzlaufwerke()
    {
        QFETCH(QByteArray, typ);
        QFETCH(QByteArray, geraet);
        QFETCH(bool, netz);
        QCOMPARE(FileSearchEngine::Netzlaufwerk(typ, geraet), netz);
    }

    void erstlauf_findetSuite()
    {
        IniSetzen(QStringLiteral("General"), QStringLiteral("Started"), QStringLiteral("0"));
        Suite(Baum(QStringLiteral("varl")), true, {QStringLiteral("Wiege.exe")});
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Hedwig")};
        skript.ja = {false};
        frmManagerMain fenster;
        fenster.Suche().WurzelnSetzen({m_baum});
        QVERIFY(fenster.Form_Load());
        const QStringList texte = skript.Texte();
        const qsizetype i = texte.indexOf(QStringLiteral("Ich durchsuche nun alle Laufwerke nach der Varl-Suite 1.01."));
        QVERIFY(i > 0);
        QCOMPARE(texte.value(i + 1), QStringLiteral("Varl-Suite 1.01 wurde gefunden, das Tool wird eingerichtet."));
        QCOMPARE(Ini(QStringLiteral("VarlSuite"), QStringLiteral("Path")), Baum(QStringLiteral("varl/")));
        QCOMPARE(fenster.findChild<QAction*>(QStringLiteral("SuiteTool(0)"))->text(), QStringLiteral("Wiege"));
    }

    void stapelbefehl_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("pfad");
        QTest::newRow("gefunden") << QStringList{QStringLiteral("--suite-suchen"), QStringLiteral("leer"), QStringLiteral("Baum")}
                                  << 0 << QStringLiteral("Baum/tief/varl/");
        QTest::newRow("nicht gefunden") << QStringList{QStringLiteral("--suite-suchen"), QStringLiteral("leer")} << 1 << QString();
        QTest::newRow("Ordner fehlt") << QStringList{QStringLiteral("--suite-suchen"), QStringLiteral("fehlt")} << 2 << QString();
        QTest::newRow("unbekannt") << QStringList{QStringLiteral("--suche")} << 2 << QString();
    }
    void stapelbefehl()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, pfad);
        Suite(Baum(QStringLiteral("tief/varl")), true, {QStringLiteral("Basar.exe")});
        QDir().mkpath(m_inst->Pfad(QStringLiteral("leer")));
        for (QString& a : argumente)
            if (!a.startsWith(QLatin1String("--")))
                a = m_inst->Pfad(a);
        Dialoge::Setzen(nullptr);
        QCOMPARE(Stapelbefehle::Ausfuehren(argumente), status);
        QCOMPARE(Ini(QStringLiteral("VarlSuite"), QStringLiteral("Path")), pfad.isEmpty() ? QString() : m_inst->Pfad(pfad));
        QCOMPARE(Ini(QStringLiteral("VarlSuite"), QStringLiteral("Basar")), pfad.isEmpty() ? QString() : QStringLiteral("1"));
    }

    void programm_imStapelbetrieb()
    {
        // The built program in an installation of its own, as the batch command is used.
        QVERIFY(QFile::copy(QStringLiteral(LEITSTAND3), m_inst->Pfad(QStringLiteral("Leitstand3"))));
        Suite(Baum(QStringLiteral("x/VARL")), true);
        QProcess prozess;
        prozess.start(m_inst->Pfad(QStringLiteral("Leitstand3")), {QStringLiteral("--suite-suchen"), m_baum});
        QVERIFY(prozess.waitForFinished(60000));
        QCOMPARE(prozess.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(prozess.readAllStandardOutput()), Baum(QStringLiteral("x/VARL/\n")));
        QCOMPARE(QString::fromUtf8(prozess.readAllStandardError()),
                 QStringLiteral("Varl-Suite 1.01 wurde gefunden, das Tool wird eingerichtet.\n"));
        QCOMPARE(Ini(QStringLiteral("VarlSuite"), QStringLiteral("Path")), Baum(QStringLiteral("x/VARL/")));

        QFile::remove(m_inst->Pfad(QStringLiteral("Werkbund3.ini")));
        prozess.start(m_inst->Pfad(QStringLiteral("Leitstand3")), {QStringLiteral("--suite-suchen"), m_baum});
        QVERIFY(prozess.waitForFinished(60000));
        QVERIFY(prozess.exitCode() != 0);
        QVERIFY(QString::fromUtf8(prozess.readAllStandardError()).contains(QStringLiteral("Werkbund3.ini wurde nicht gefunden")));
    }
};

QTEST_MAIN(TestSuche)
#include "test_manager_suche.moc"
