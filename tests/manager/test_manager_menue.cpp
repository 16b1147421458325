// The suite in the desktop's application menu, through the built program as a user runs it: an entry and
// icons for each installed suite program, a second run, a program gone, removal, foreign files left alone.
#include "ManagerTestHilfe.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace ManagerTest;

class TestMenue : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    const QStringList m_fremde{QStringLiteral("XDG/applications/fremd.desktop"), QStringLiteral("XDG/applications/werkbund3-notizen.desktop"),
                               QStringLiteral("XDG/icons/hicolor/48x48/apps/fremd.png")};

    Programmlauf Lauf(const QString& befehl) const
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), m_inst->Pfad(QStringLiteral("XDG")));
        return ProgrammStarten(m_inst->Pfad(QStringLiteral("Leitstand3")), {befehl}, umgebung);
    }
    // Our files below XDG: entries and icons of the suite's programs.
    QStringList Eigene() const
    {
        QStringList eigene;
        for (QDirIterator it(m_inst->Pfad(QStringLiteral("XDG")), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString pfad = QDir(m_inst->Pfad(QStringLiteral("XDG"))).relativeFilePath(it.next());
            if (!m_fremde.contains(QStringLiteral("XDG/") + pfad))
                eigene.append(pfad);
        }
        eigene.sort();
        return eigene;
    }
    static QStringList Erwartet(const QStringList& staemme)
    {
        QStringList erwartet;
        for (const QString& s : staemme) {
            erwartet.append(QStringLiteral("applications/werkbund3-%1.desktop").arg(s));
            for (const char* groesse : {"128x128", "256x256", "48x48"})
                erwartet.append(QStringLiteral("icons/hicolor/%1/apps/werkbund3-%2.png").arg(QLatin1String(groesse), s));
        }
        erwartet.sort();
        return erwartet;
    }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        QVERIFY(QFile::copy(QStringLiteral(LEITSTAND3), m_inst->Pfad(QStringLiteral("Leitstand3"))));
        for (const QString& fremd : m_fremde)
            m_inst->Schreiben(fremd, "fremd\n");
    }
    void cleanup()
    {
        for (const QString& fremd : m_fremde)
            QCOMPARE(m_inst->Bytes(fremd), QByteArray("fremd\n"));
        m_inst.reset();
    }

    void eintragenUndEntfernen_data()
    {
        QTest::addColumn<QString>("programm"); // besides the manager
        QTest::addColumn<QString>("stamm");    // its entry's name; empty when it gets none
        QTest::newRow("Werkzeug") << QStringLiteral("Ortsbau3") << QStringLiteral("ortsbau3");
        QTest::newRow("mit Endung") << QStringLiteral("Waffkam3.exe") << QStringLiteral("waffkam3");
        QTest::newRow("fremdes Programm") << QStringLiteral("Zauberbuch") << QString();
        QTest::newRow("andere Schreibung") << QStringLiteral("bestiar3") << QString();
    }
    void eintragenUndEntfernen()
    {
        QFETCH(QString, programm);
        QFETCH(QString, stamm);
        ProgrammAnlegen(*m_inst, programm);
        QStringList staemme{QStringLiteral("leitstand3")};
        if (!stamm.isEmpty())
            staemme.append(stamm);
        // A second run replaces the entries instead of adding to them.
        for (int lauf = 0; lauf < 2; ++lauf) {
            const Programmlauf l = Lauf(QStringLiteral("--menue"));
            QCOMPARE(l.status, 0);
            QCOMPARE(l.ausgabe.count(QLatin1Char('\n')), staemme.size());
            QCOMPARE(Eigene(), Erwartet(staemme));
        }
        const QString eintrag = m_inst->Pfad(QStringLiteral("XDG/applications/werkbund3-%1.desktop").arg(staemme.last()));
        const QStringList zeilen = QString::fromUtf8(m_inst->Bytes(QStringLiteral("XDG/applications/werkbund3-%1.desktop").arg(staemme.last())))
                                       .split(QLatin1Char('\n'));
        QVERIFY(zeilen.contains(QStringLiteral("Exec=") + m_inst->Pfad(stamm.isEmpty() ? QStringLiteral("Leitstand3") : programm)));
        QVERIFY(zeilen.contains(QStringLiteral("Icon=werkbund3-") + staemme.last()));
        QVERIFY(zeilen.contains(QStringLiteral("Categories=Game;RolePlaying;")));
        QCOMPARE(m_inst->Bytes(QStringLiteral("XDG/icons/hicolor/48x48/apps/werkbund3-%1.png").arg(staemme.last())),
                 m_inst->Bytes(QStringLiteral("GFX/Menue/48x48/werkbund3-%1.png").arg(staemme.last())));
        const QString pruefer = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!pruefer.isEmpty()) {
            QProcess p;
            p.start(pruefer, {eintrag});
            QVERIFY(p.waitForFinished(30000));
            const QByteArray bericht = p.readAllStandardOutput() + p.readAllStandardError();
            QVERIFY2(p.exitCode() == 0 && bericht.isEmpty(), bericht.constData());
        }

        // A program no longer installed loses its entry and icons at the next run.
        QFile::remove(m_inst->Pfad(programm));
        QCOMPARE(Lauf(QStringLiteral("--menue")).status, 0);
        QCOMPARE(Eigene(), Erwartet({QStringLiteral("leitstand3")}));

        const Programmlauf weg = Lauf(QStringLiteral("--menue-entfernen"));
        QCOMPARE(weg.status, 0);
        QCOMPARE(weg.ausgabe, m_inst->Pfad(QStringLiteral("XDG/applications/werkbund3-leitstand3.desktop")) + QLatin1Char('\n'));
        QCOMPARE(Eigene(), QStringList());
    }

    void nichtBeschreibbar_wirdGemeldet()
    {
        m_inst->Schreiben(QStringLiteral("XDG/icons/hicolor/128x128"), "kein Ordner");
        const Programmlauf l = Lauf(QStringLiteral("--menue"));
        QCOMPARE(l.status, 1);
        QVERIFY2(l.fehler.contains(QStringLiteral("werkbund3-leitstand3.png“ konnte nicht geschrieben werden")), qPrintable(l.fehler));
        QVERIFY(Lauf(QStringLiteral("--help")).ausgabe.contains(QStringLiteral("--menue-entfernen")));
    }
};

QTEST_MAIN(TestMenue)
#include "test_manager_menue.moc"
