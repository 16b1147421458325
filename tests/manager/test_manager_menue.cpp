// The suite in the desktop's application menu: an entry and icons for each installed suite program, a
// second run that replaces them, removal, foreign files left alone, the batch commands, the tool buttons'
// tooltips, and the entries checked by desktop-file-validate where it is installed.
#include "Anwendungsmenue.h"
#include "ManagerEngine.h"
#include "ManagerTestHilfe.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace ManagerTest;

namespace {

const QStringList kGroessen{QStringLiteral("128x128"), QStringLiteral("256x256"), QStringLiteral("48x48")};

QStringList Dateien(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::Files, QDir::Name);
}

// The entry's lines as key=value, without the group line.
QMap<QString, QString> Schluessel(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, QString> werte;
    for (const QString& zeile : QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (zeile.contains(QLatin1Char('=')))
            werte.insert(zeile.section(QLatin1Char('='), 0, 0), zeile.section(QLatin1Char('='), 1));
    return werte;
}

} // namespace

class TestMenue : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    QString m_xdg;

    QString Anwendungen() const { return m_xdg + QStringLiteral("/applications"); }
    QString Symbole(const QString& groesse) const { return m_xdg + QStringLiteral("/icons/hicolor/") + groesse + QStringLiteral("/apps"); }

    // Files that are not ours, in the same folders.
    void FremdeAnlegen() const
    {
        QDir().mkpath(Anwendungen());
        QDir().mkpath(Symbole(QStringLiteral("48x48")));
        for (const QString& pfad : {Anwendungen() + QStringLiteral("/fremd.desktop"),
                                    Anwendungen() + QStringLiteral("/werkbund3-notizen.desktop"),
                                    Symbole(QStringLiteral("48x48")) + QStringLiteral("/fremd.png")}) {
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write("fremd\n");
        }
    }
    void FremdeUnberuehrt() const
    {
        for (const QString& pfad : {Anwendungen() + QStringLiteral("/fremd.desktop"),
                                    Anwendungen() + QStringLiteral("/werkbund3-notizen.desktop"),
                                    Symbole(QStringLiteral("48x48")) + QStringLiteral("/fremd.png")}) {
            QFile datei(pfad);
            QVERIFY2(datei.open(QIODevice::ReadOnly), qPrintable(pfad));
            QCOMPARE(datei.readAll(), QByteArray("fremd\n"));
        }
    }
    // Our files below the data folder, relative to it.
    QStringList Eigene() const
    {
        QStringList eigene;
        for (const QString& datei : Dateien(Anwendungen()))
            if (datei.startsWith(QLatin1String("werkbund3-")) && datei != QLatin1String("werkbund3-notizen.desktop"))
                eigene.append(QStringLiteral("applications/") + datei);
        for (const QString& groesse : kGroessen)
            for (const QString& datei : Dateien(Symbole(groesse)))
                if (datei.startsWith(QLatin1String("werkbund3-")))
                    eigene.append(groesse + QLatin1Char('/') + datei);
        return eigene;
    }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        m_xdg = m_inst->Pfad(QStringLiteral("XDG"));
    }
    void cleanup() { m_inst.reset(); }

    void eintragen_data()
    {
        QTest::addColumn<QStringList>("programme");
        QTest::addColumn<QStringList>("eintraege");
        QTest::newRow("alle acht") << ManagerEngine::Suite()
                                   << QStringList{QStringLiteral("bestiar3"),    QStringLiteral("kartenblick3"),
                                                  QStringLiteral("lagerhof3"),   QStringLiteral("leitstand3"),
                                                  QStringLiteral("ortsbau3"),    QStringLiteral("tabellar3"),
                                                  QStringLiteral("tageslauf3"),  QStringLiteral("waffkam3")};
        QTest::newRow("zwei und ein fremdes")
            << QStringList{QStringLiteral("Ortsbau3"), QStringLiteral("Bestiar3"), QStringLiteral("Zauberbuch")}
            << QStringList{QStringLiteral("bestiar3"), QStringLiteral("ortsbau3")};
        QTest::newRow("mit Endung") << QStringList{QStringLiteral("Waffkam3.exe")} << QStringList{QStringLiteral("waffkam3")};
        QTest::newRow("andere Schreibung") << QStringList{QStringLiteral("ortsbau3")} << QStringList();
    }
    void eintragen()
    {
        QFETCH(QStringList, programme);
        QFETCH(QStringList, eintraege);
        for (const QString& programm : programme)
            ProgrammAnlegen(*m_inst, programm);
        FremdeAnlegen();

        const Anwendungsmenue::Ergebnis ergebnis = Anwendungsmenue::Eintragen(m_xdg);
        QCOMPARE(ergebnis.fehler.isEmpty(), !eintraege.isEmpty());
        QStringList erwartet;
        for (const QString& e : eintraege)
            erwartet.append(QStringLiteral("applications/werkbund3-") + e + QStringLiteral(".desktop"));
        for (const QString& groesse : kGroessen)
            for (const QString& e : eintraege)
                erwartet.append(groesse + QStringLiteral("/werkbund3-") + e + QStringLiteral(".png"));
        QCOMPARE(Eigene(), erwartet);
        QCOMPARE(ergebnis.eintraege.size(), eintraege.size());
        FremdeUnberuehrt();

        for (const QString& programm : programme) {
            const QString name = Anwendungsmenue::Name(programm);
            if (!eintraege.contains(name.mid(10)))
                continue;
            const QMap<QString, QString> werte = Schluessel(Anwendungen() + QLatin1Char('/') + name + QStringLiteral(".desktop"));
            QCOMPARE(werte.value(QStringLiteral("Name")), ManagerEngine::Programmtitel(programm));
            QVERIFY(!werte.value(QStringLiteral("Comment")).isEmpty());
            QCOMPARE(werte.value(QStringLiteral("Exec")), m_inst->Ordner() + QLatin1Char('/') + programm);
            QCOMPARE(werte.value(QStringLiteral("Icon")), name);
            QCOMPARE(werte.value(QStringLiteral("Categories")), QStringLiteral("Game;RolePlaying;"));
            // The icons are the pictures the installation ships.
            for (const QString& groesse : kGroessen)
                QCOMPARE(m_inst->Bytes(QStringLiteral("XDG/icons/hicolor/%1/apps/%2.png").arg(groesse, name)),
                         m_inst->Bytes(QStringLiteral("GFX/Menue/%1/%2.png").arg(groesse, name)));
        }
    }

    void zweiterLauf_ersetztUndRaeumtAuf()
    {
        for (const QString& programm : {QStringLiteral("Ortsbau3"), QStringLiteral("Bestiar3")})
            ProgrammAnlegen(*m_inst, programm);
        FremdeAnlegen();
        QVERIFY(Anwendungsmenue::Eintragen(m_xdg).fehler.isEmpty());
        const QStringList vorher = Eigene();
        const QByteArray eintrag = m_inst->Bytes(QStringLiteral("XDG/applications/werkbund3-ortsbau3.desktop"));
        m_inst->Schreiben(QStringLiteral("XDG/applications/werkbund3-ortsbau3.desktop"), "[Desktop Entry]\nName=alt\n");
        QVERIFY(!Anwendungsmenue::Aktuell(m_xdg));

        QVERIFY(Anwendungsmenue::Eintragen(m_xdg).fehler.isEmpty());
        QCOMPARE(Eigene(), vorher);
        QCOMPARE(m_inst->Bytes(QStringLiteral("XDG/applications/werkbund3-ortsbau3.desktop")), eintrag);
        QVERIFY(Anwendungsmenue::Aktuell(m_xdg));

        // A program no longer installed loses its entry and icons at the next run.
        QVERIFY(QFile::remove(m_inst->Pfad(QStringLiteral("Bestiar3"))));
        QVERIFY(Anwendungsmenue::Eintragen(m_xdg).fehler.isEmpty());
        QStringList ohne = vorher;
        ohne.removeIf([](const QString& d) { return d.contains(QLatin1String("bestiar3")); });
        QCOMPARE(Eigene(), ohne);
        FremdeUnberuehrt();
    }

    void entfernen_nurEigenes()
    {
        for (const QString& programm : ManagerEngine::Suite())
            ProgrammAnlegen(*m_inst, programm);
        QVERIFY(Anwendungsmenue::Eintragen(m_xdg).fehler.isEmpty());
        FremdeAnlegen();
        // A folder under one of our names is not ours to remove.
        QVERIFY(QDir().mkpath(Symbole(QStringLiteral("64x64")) + QStringLiteral("/werkbund3-ortsbau3.png")));

        // Removal works without an installation too.
        QFile::remove(m_inst->Pfad(QStringLiteral("Ortsbau3")));
        const Anwendungsmenue::Ergebnis ergebnis = Anwendungsmenue::Entfernen(m_xdg);
        QVERIFY(ergebnis.fehler.isEmpty());
        QCOMPARE(ergebnis.eintraege.size(), 8);
        QCOMPARE(Eigene(), QStringList());
        FremdeUnberuehrt();
        QVERIFY(QFileInfo(Symbole(QStringLiteral("64x64")) + QStringLiteral("/werkbund3-ortsbau3.png")).isDir());
        QCOMPARE(Anwendungsmenue::Entfernen(m_xdg).eintraege, QStringList());
    }

    void ordner_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("absolut") << QStringLiteral("XDG") << true;
        QTest::newRow("relativ") << QStringLiteral("relativ/share") << false;
        QTest::newRow("leer") << QString() << false;
    }
    void ordner()
    {
        QFETCH(QString, ordner);
        QFETCH(bool, gueltig);
        ProgrammAnlegen(*m_inst, QStringLiteral("Ortsbau3"));
        const QString pfad = gueltig ? m_inst->Pfad(ordner) : ordner;
        QCOMPARE(Anwendungsmenue::Eintragen(pfad).fehler.isEmpty(), gueltig);
        QCOMPARE(Anwendungsmenue::Entfernen(pfad).fehler.isEmpty(), gueltig);
        QCOMPARE(Anwendungsmenue::Aktuell(pfad), false);
        qputenv("XDG_DATA_HOME", pfad.toUtf8());
        QCOMPARE(Anwendungsmenue::StandardOrdner(), gueltig ? pfad : QDir::homePath() + QStringLiteral("/.local/share"));
        qunsetenv("XDG_DATA_HOME");
    }

    void nichtBeschreibbar_wirdGemeldet()
    {
        ProgrammAnlegen(*m_inst, QStringLiteral("Ortsbau3"));
        m_inst->Schreiben(QStringLiteral("XDG/applications"), "kein Ordner");
        const Anwendungsmenue::Ergebnis ergebnis = Anwendungsmenue::Eintragen(m_xdg);
        QCOMPARE(ergebnis.eintraege, QStringList());
        QCOMPARE(ergebnis.fehler.size(), 1);
        QVERIFY2(ergebnis.fehler[0].contains(QStringLiteral("werkbund3-ortsbau3.desktop“ konnte nicht geschrieben werden")),
                 qPrintable(ergebnis.fehler[0]));
        QCOMPARE(m_inst->Bytes(QStringLiteral("XDG/applications")), QByteArray("kein Ordner"));
    }

    void ohneSymbole_wirdGemeldet()
    {
        ProgrammAnlegen(*m_inst, QStringLiteral("Ortsbau3"));
        QVERIFY(QDir(m_inst->Pfad(QStringLiteral("GFX/Menue"))).removeRecursively());
        const Anwendungsmenue::Ergebnis ergebnis = Anwendungsmenue::Eintragen(m_xdg);
        QCOMPARE(ergebnis.fehler, QStringList({QStringLiteral("Für Ortsbau3 wurde kein Symbol gefunden; der Eintrag erscheint "
                                                              "ohne eigenes Bild.")}));
        QCOMPARE(Eigene(), QStringList({QStringLiteral("applications/werkbund3-ortsbau3.desktop")}));
    }

    void tooltip_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Ortsbau3") << QStringLiteral("Ortsbau3") << QStringLiteral("Ortsbau 3 – Städte erfinden und verwalten");
        QTest::newRow("mit Endung") << QStringLiteral("Bestiar3.exe")
                                    << QStringLiteral("Bestiar 3 – Kreaturen verwalten und Kämpfe durchrechnen");
        QTest::newRow("fremd") << QStringLiteral("Zauberbuch.exe") << QStringLiteral("Zauberbuch");
        QTest::newRow("andere Schreibung") << QStringLiteral("ortsbau3") << QStringLiteral("ortsbau3");
    }
    void tooltip()
    {
        QFETCH(QString, datei);
        QFETCH(QString, tooltip);
        QCOMPARE(ManagerEngine::Tooltip(datei), tooltip);
    }

    void stapelbefehle()
    {
        // The built program in the installation, beside two tools.
        QVERIFY(QFile::copy(QStringLiteral(LEITSTAND3), m_inst->Pfad(QStringLiteral("Leitstand3"))));
        ProgrammAnlegen(*m_inst, QStringLiteral("Ortsbau3"));
        ProgrammAnlegen(*m_inst, QStringLiteral("Tabellar3"));
        FremdeAnlegen();
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_xdg);
        const auto starten = [&](const QString& befehl) {
            return ProgrammStarten(m_inst->Pfad(QStringLiteral("Leitstand3")), {befehl}, umgebung);
        };
        const QStringList namen{Anwendungen() + QStringLiteral("/werkbund3-leitstand3.desktop"),
                                Anwendungen() + QStringLiteral("/werkbund3-ortsbau3.desktop"),
                                Anwendungen() + QStringLiteral("/werkbund3-tabellar3.desktop")};
        for (int lauf = 0; lauf < 2; ++lauf) {
            const Programmlauf eintragen = starten(QStringLiteral("--menue"));
            QCOMPARE(eintragen.status, 0);
            QCOMPARE(eintragen.ausgabe, namen.join(QLatin1Char('\n')) + QLatin1Char('\n'));
            QCOMPARE(Eigene().size(), 3 * 4);
        }
        const Programmlauf hilfe = starten(QStringLiteral("--help"));
        QVERIFY(hilfe.ausgabe.contains(QStringLiteral("--menue ")) && hilfe.ausgabe.contains(QStringLiteral("--menue-entfernen")));

        const Programmlauf entfernen = starten(QStringLiteral("--menue-entfernen"));
        QCOMPARE(entfernen.status, 0);
        QCOMPARE(entfernen.ausgabe, namen.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(Eigene(), QStringList());
        FremdeUnberuehrt();

        // A failure is reported on standard error with a non-zero status.
        QVERIFY(QDir(m_xdg + QStringLiteral("/icons")).removeRecursively());
        m_inst->Schreiben(QStringLiteral("XDG/icons"), "kein Ordner");
        const Programmlauf fehler = starten(QStringLiteral("--menue"));
        QCOMPARE(fehler.status, 1);
        QVERIFY2(fehler.fehler.contains(QStringLiteral("konnte nicht geschrieben werden")), qPrintable(fehler.fehler));
    }

    void desktopFileValidate()
    {
        const QString pruefer = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (pruefer.isEmpty())
            QSKIP("desktop-file-validate ist nicht installiert.");
        // An installation folder with characters that an Exec line has to quote.
        const QString ordner = m_inst->Pfad(QStringLiteral("Werk bund \"100%\" $HOME"));
        QVERIFY(QDir().mkpath(ordner));
        Variablen::PfadeInitialisieren(ordner);
        for (const QString& programm : ManagerEngine::Suite()) {
            const QString pfad = ordner + QLatin1Char('/') + programm;
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write("#!/bin/sh\n");
            datei.close();
            QVERIFY(datei.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        }
        const Anwendungsmenue::Ergebnis ergebnis = Anwendungsmenue::Eintragen(m_xdg);
        Variablen::PfadeInitialisieren(m_inst->Ordner());
        QCOMPARE(ergebnis.eintraege.size(), 8);
        for (const QString& eintrag : ergebnis.eintraege) {
            QProcess prozess;
            prozess.start(pruefer, {eintrag});
            QVERIFY(prozess.waitForFinished(30000));
            const QString bericht = QString::fromUtf8(prozess.readAllStandardOutput() + prozess.readAllStandardError());
            QVERIFY2(prozess.exitCode() == 0 && bericht.isEmpty(), qPrintable(eintrag + QLatin1Char('\n') + bericht));
        }
        QVERIFY(Schluessel(ergebnis.eintraege.first()).value(QStringLiteral("Exec")).startsWith(QLatin1Char('"')));
    }
};

QTEST_MAIN(TestMenue)
#include "test_manager_menue.moc"
