#include "Batch.h"
#include "Pfad.h"
#include "Shell.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestPfade : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pfadvariablen()
    {
        Variablen::PfadeInitialisieren(QStringLiteral("/opt/wb3/"));
        QCOMPARE(Variablen::AppPfad, QStringLiteral("/opt/wb3"));
        QCOMPARE(Variablen::IniDatei, QStringLiteral("/opt/wb3/Werkbund3.ini"));
        QCOMPARE(Variablen::DataPfad, QStringLiteral("/opt/wb3/Data"));
        QCOMPARE(Variablen::GfxPfad, QStringLiteral("/opt/wb3/GFX"));
        QCOMPARE(Variablen::HtmlPfad, QStringLiteral("/opt/wb3/HTML"));
        QCOMPARE(Variablen::WbdPfad, QStringLiteral("/opt/wb3/WBD"));
        QCOMPARE(Variablen::TempPfad, QStringLiteral("/opt/wb3/Temp"));
        QCOMPARE(Variablen::HilfePfad, QStringLiteral("/opt/wb3/Hilfe"));
        QCOMPARE(Variablen::Programmversion, QStringLiteral("3.00"));
    }

    void laufwerkswurzel()
    {
        // At the root the derived paths hold a doubled separator, and files are still found.
        Variablen::PfadeInitialisieren(QStringLiteral("/"));
        QCOMPARE(Variablen::AppPfad, QStringLiteral("/"));
        QCOMPARE(Variablen::DataPfad, QStringLiteral("//Data"));
        QVERIFY(Subs::OrdnerVorhanden(Pfad::Verbinden(QStringLiteral("/"), QStringLiteral("\\etc"))));
        QVERIFY(Subs::DateiVorhanden(QStringLiteral("//etc/hostname")) || Subs::DateiVorhanden(QStringLiteral("//etc/passwd")));
    }

    void grossKleinschreibung()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("GFX/delete.bmp"), "x");
        inst.Schreiben(QStringLiteral("Data/Manager/URLs.dat"), "a\r\n");
        // Existing components are found whatever their case; a missing one keeps the asked name.
        QCOMPARE(Pfad::Verbinden(Variablen::GfxPfad, QStringLiteral("\\Delete.bmp")), inst.Pfad(QStringLiteral("GFX/delete.bmp")));
        QCOMPARE(Pfad::Verbinden(Variablen::AppPfad, QStringLiteral("\\data\\MANAGER\\Urls.dat")),
                 inst.Pfad(QStringLiteral("Data/Manager/URLs.dat")));
        // The leading backslash of a relative name does not double the separator.
        QCOMPARE(Pfad::Verbinden(Variablen::GfxPfad, QStringLiteral("\\fehlt.ico")), inst.Pfad(QStringLiteral("GFX/fehlt.ico")));
        QCOMPARE(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Neu\\Datei.dat")),
                 inst.Pfad(QStringLiteral("Data/Neu/Datei.dat")));
        // Writing under the other case rewrites the existing file instead of creating a second one.
        QVERIFY(Subs::IniSchreiben(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Manager\\Urls.dat")),
                                   QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        QCOMPARE(QDir(inst.Pfad(QStringLiteral("Data/Manager"))).entryList(QDir::Files), QStringList{QStringLiteral("URLs.dat")});
    }

    void hilfeseite()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("Hilfe/City.htm"), "<html></html>");
        Shell::Aufzeichnung shell;
        Subs::HilfeOeffnen(Pfad::Verbinden(Variablen::HilfePfad, QStringLiteral("\\city.htm")));
        QCOMPARE(shell.geoeffnet, QStringList{inst.Pfad(QStringLiteral("Hilfe/City.htm"))});
    }

    void befehlszeile()
    {
        Batch::Befehlszeile b({QStringLiteral("--name"), QStringLiteral("Ulmenhain"), QStringLiteral("--zufallsnamen"),
                               QStringLiteral("datei.wbd"), QStringLiteral("--ausgabe")});
        QCOMPARE(b.Wert(QStringLiteral("--name")).value_or(QString()), QStringLiteral("Ulmenhain"));
        QVERIFY(b.Schalter(QStringLiteral("--zufallsnamen")));
        QVERIFY(!b.Schalter(QStringLiteral("--zufallsereignisse")));
        QCOMPARE(b.Position().value_or(QString()), QStringLiteral("datei.wbd"));
        QVERIFY(!b.Wert(QStringLiteral("--ausgabe")).has_value());
        QVERIFY(b.Fehlerhaft().contains(QStringLiteral("--ausgabe")));

        Batch::Befehlszeile ohneWert({QStringLiteral("--name"), QStringLiteral("--einwohner"), QStringLiteral("5")});
        QVERIFY(!ohneWert.Wert(QStringLiteral("--name")).has_value());
        QCOMPARE(ohneWert.Wert(QStringLiteral("--einwohner")).value_or(QString()), QStringLiteral("5"));
        QVERIFY(ohneWert.Fehlerhaft().contains(QStringLiteral("--name")));

        Batch::Befehlszeile rest({QStringLiteral("--unbekannt")});
        QVERIFY(rest.Fehlerhaft().contains(QStringLiteral("--unbekannt")));
    }
};

QTEST_GUILESS_MAIN(TestPfade)
#include "test_pfade.moc"
