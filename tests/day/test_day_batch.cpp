// The batch commands: in-process through the same entry point the program uses, and runs of the built
// program from a temporary installation.
#include "DayBatch.h"
#include "DayEngine.h"
#include "Dialoge.h"
#include "TestInstallation.h"
#include "Zufall.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace DayEngine;

namespace {

const QString kDatei = QStringLiteral("Data/Day/DayEreignisse.dat");

DayBatch::Ergebnis Lauf(const QStringList& argumente)
{
    return DayBatch::Ausfuehren(argumente);
}

} // namespace

class TestDayBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listeInDerReihenfolgeDerAuswahl();
    void generierenGibtTageUndEreignisse();
    void stufenWieGewuerfelt();
    void ohneJahreszeitFruehling();
    void falscheAufrufeSchreibenNichts_data();
    void falscheAufrufeSchreibenNichts();
    void nichtSchreibbareAusgabe();
    void fehlendeEreignisseSindKeinFehler();
    void dasProgrammSelbst();
};

void TestDayBatch::listeInDerReihenfolgeDerAuswahl()
{
    Dialoge::Skript dialoge;
    const DayBatch::Ergebnis e = Lauf({QStringLiteral("--liste")});
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Eisgebiete", "Gebirge", "Grasland", "Klippengebiete", "Regenwald", "Steppe",
                                     "Straßen", "Sumpf", "Wald", "Wüste"}));
    QCOMPARE(Lauf({QStringLiteral("--liste"), QStringLiteral("--extra")}).Status, 2);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("--extra")));
}

void TestDayBatch::generierenGibtTageUndEreignisse()
{
    TestInstallation installation(false);
    installation.ZeilenSchreiben(kDatei, {QStringLiteral("Ein Bär brummt."), QStringLiteral("Der Karren & das Rad."),
                                          QStringLiteral("Drei.")});
    Dialoge::Skript dialoge;
    const QString ausgabe = installation.Pfad(QStringLiteral("HTML/Winterreise.html"));
    Zufall::Skript wuerfe({15, 3, 4, 1, 6, 6, 20, 1, 2, 2, 2, 1});
    const DayBatch::Ergebnis e = Lauf({"--generieren", "--gelaende", "Wald", "--jahreszeit", "Winter", "--ausgabe", ausgabe});
    QCOMPARE(e.Status, 0);
    QVERIFY(dialoge.aufrufe.isEmpty());
    QCOMPARE(wuerfe.Uebrig(), 0);
    QCOMPARE(e.Ausgabe, (QStringList{
                            "Aktueller Tag\t15\tSchneeschauer\t4\tSteife Brise\t6\tFür die Jahreszeit unnatürlich warm",
                            "Nächster Tag\t1\tFrostklar, sehr kalt\t6\tSturm\t4\tDer Jahreszeit entsprechend",
                            "Übernächster Tag\t20\tStarker Schneefall\t3\tFrische Brise\t2\tKühl",
                            "Tagesereignis\t2\tDer Karren & das Rad.",
                            "Tagesereignis\t2\tDer Karren & das Rad.",
                            "Tagesereignis\t1\tEin Bär brummt.",
                        }));
    // The same page the window writes, into the named file and nowhere else.
    Zufall::Skript nochmal({15, 3, 4, 1, 6, 6, 20, 1, 2, 2, 2, 1});
    const Tageslauf lauf = Berechnen(QStringLiteral("Wald"), Jahreszeit::Winter, EreignisseLaden().Zeilen);
    const QByteArray seite = installation.Bytes(QStringLiteral("HTML/Winterreise.html"));
    QCOMPARE(seite, Seite(lauf));
    QVERIFY(seite.contains("<B>Tagesereignis: </B> Der Karren &amp; das Rad.</BR>\r\n"));
    QVERIFY(!QFileInfo::exists(installation.Pfad(QStringLiteral("Temp/Temp.html"))));
}

void TestDayBatch::stufenWieGewuerfelt()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    // Fog with wind 1: step -2, read as calm; a storm with wind 6: step 10, read as a hurricane.
    Zufall::Skript wuerfe({13, 1, 1, 6, 6, 6, 6, 6, 6, 1, 1, 1});
    const DayBatch::Ergebnis e = Lauf({"--generieren", "--gelaende", "Sumpf", "--jahreszeit", "Frühling", "--ausgabe",
                                       installation.Pfad(QStringLiteral("HTML/a.html"))});
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 6);
    QCOMPARE(e.Ausgabe[0], QStringLiteral("Aktueller Tag\t13\tNebel\t-2\tWindstill\t0\tEmpfindlich kalt"));
    // 13 + 6 - 2 = 17 (drizzle), then 17 + 6 - 2 = 21: off the table, still the storm.
    QCOMPARE(e.Ausgabe[1], QStringLiteral("Nächster Tag\t17\tNieselregen\t5\tStarker Wind\t5\tDer Jahreszeit entsprechend"));
    QCOMPARE(e.Ausgabe[2], QStringLiteral("Übernächster Tag\t21\tGewitter, Wolkenbruch\t10\tOrkan\t3\tDer Jahreszeit entsprechend"));
    QVERIFY(e.Ausgabe[3].startsWith(QStringLiteral("Tagesereignis\t1\t")));
}

void TestDayBatch::ohneJahreszeitFruehling()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    const DayBatch::Ergebnis e =
        Lauf({"--ausgabe", installation.Pfad(QStringLiteral("HTML/b.html")), "--gelaende", "Grasland", "--generieren"});
    QCOMPARE(e.Status, 0);
    // The spring chain: a W20, then W6 in the weather's place.
    QCOMPARE(wuerfe.Angefragt().mid(0, 9), (QList<int>{20, 6, 6, 6, 6, 6, 6, 6, 6}));
    QVERIFY(installation.Bytes(QStringLiteral("HTML/b.html")).contains("<B>Jahreszeit: </B> Fr\xfchling</BR>\r\n"));
}

void TestDayBatch::falscheAufrufeSchreibenNichts_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("ohne Gelände") << QStringList{"--generieren", "--ausgabe", "@"} << 2
                                  << "Bitte wählt eine Geländeart aus.";
    QTest::newRow("leeres Gelände") << QStringList{"--generieren", "--gelaende", "", "--ausgabe", "@"} << 2
                                    << "Bitte wählt eine Geländeart aus.";
    QTest::newRow("Gelände klein geschrieben")
        << QStringList{"--generieren", "--gelaende", "wald", "--ausgabe", "@"} << 2
        << "Unbekannte Geländeart „wald“; bekannt sind: Eisgebiete, Gebirge, Grasland, Klippengebiete, Regenwald, Steppe, "
           "Straßen, Sumpf, Wald, Wüste. (Tageslauf3 --help zeigt die Befehle.)";
    QTest::newRow("Strassen ohne ß") << QStringList{"--generieren", "--gelaende", "Strassen", "--ausgabe", "@"} << 2
                                     << "Unbekannte Geländeart „Strassen“";
    QTest::newRow("Jahreszeit ohne Umlaut")
        << QStringList{"--generieren", "--gelaende", "Wald", "--jahreszeit", "Fruehling", "--ausgabe", "@"} << 2
        << "Unbekannte Jahreszeit „Fruehling“; bekannt sind: Frühling, Sommer, Herbst, Winter.";
    QTest::newRow("ohne Ausgabe") << QStringList{"--generieren", "--gelaende", "Wald"} << 2 << "fehlt --ausgabe DATEI.html";
    QTest::newRow("Ausgabe ohne Wert") << QStringList{"--generieren", "--gelaende", "Wald", "--ausgabe"} << 2
                                       << "Zur Option --ausgabe fehlt der Wert.";
    QTest::newRow("unbekannte Option")
        << QStringList{"--generieren", "--gelaende", "Wald", "--ausgabe", "@", "--tage", "5"} << 2
        << "Unbekanntes Argument: --tage";
    QTest::newRow("unbekannter Befehl") << QStringList{"--wetter"} << 2 << "Unbekannter Befehl: --wetter";
    QTest::newRow("kein Befehl") << QStringList{} << 2 << "Kein Befehl angegeben.";
}

void TestDayBatch::falscheAufrufeSchreibenNichts()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, meldung);
    TestInstallation installation(false);
    const QString ausgabe = installation.Pfad(QStringLiteral("HTML/nie.html"));
    argumente.replaceInStrings(QStringLiteral("@"), ausgabe);
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe;
    const DayBatch::Ergebnis e = Lauf(argumente);
    QCOMPARE(e.Status, status);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY2(dialoge.Texte().first().contains(meldung), qPrintable(dialoge.Texte().first()));
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    QVERIFY(!QFileInfo::exists(ausgabe));
    QVERIFY(wuerfe.Angefragt().isEmpty());
}

void TestDayBatch::nichtSchreibbareAusgabe()
{
    TestInstallation installation(false);
    Dialoge::Skript dialoge;
    const QString ordner = installation.Pfad(QStringLiteral("HTML/ordner.html"));
    QVERIFY(QDir().mkpath(ordner));
    DayBatch::Ergebnis e = Lauf({"--generieren", "--gelaende", "Wüste", "--ausgabe", ordner});
    QCOMPARE(e.Status, 1);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Der Tagesablauf konnte nicht in die Datei „%1“ geschrieben werden: "
                                                         "„%1“ ist keine gewöhnliche Datei; es wurde nichts geschrieben.")
                                              .arg(QDir::toNativeSeparators(ordner))});
    const QString fehlt = installation.Pfad(QStringLiteral("fehlt/reise.html"));
    e = Lauf({"--generieren", "--gelaende", "Wüste", "--ausgabe", fehlt});
    QCOMPARE(e.Status, 1);
    QVERIFY(!QFileInfo::exists(fehlt));
    QVERIFY(!QFileInfo::exists(installation.Pfad(QStringLiteral("fehlt"))));
}

void TestDayBatch::fehlendeEreignisseSindKeinFehler()
{
    TestInstallation installation(false);
    Dialoge::Skript dialoge;
    const QString ausgabe = installation.Pfad(QStringLiteral("HTML/ohne.html"));
    const DayBatch::Ergebnis e = Lauf({"--generieren", "--gelaende", "Steppe", "--jahreszeit", "Sommer", "--ausgabe", ausgabe});
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 3);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Die Datei DayEreignisse.dat fehlt oder ist leer; der Tagesablauf "
                                                         "enthält keine Tagesereignisse.")});
    const QByteArray seite = installation.Bytes(QStringLiteral("HTML/ohne.html"));
    QVERIFY(seite.endsWith("25%.</BR>\r\n</BR>\r\n</BR>\r\n</BR>\r\n"));
    QVERIFY(!seite.contains("Tagesereignis"));
}

void TestDayBatch::dasProgrammSelbst()
{
    TestInstallation installation;
    const QString programm = installation.Pfad(QStringLiteral("Tageslauf3"));
    QVERIFY(QFile::copy(QStringLiteral(TAGESLAUF3_PROGRAMM), programm));
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const auto starten = [&](const QStringList& argumente, QByteArray* aus, QByteArray* fehler) {
        const Programmlauf lauf = ProgrammStarten(programm, argumente, umgebung);
        *aus = lauf.ausgabe.toUtf8();
        *fehler = lauf.fehler.toUtf8();
        return lauf.status;
    };
    QByteArray aus, fehler;
    QCOMPARE(starten({"--liste"}, &aus, &fehler), 0);
    QCOMPARE(aus, QByteArray("Eisgebiete\nGebirge\nGrasland\nKlippengebiete\nRegenwald\nSteppe\nStra\xc3\x9f"
                             "en\nSumpf\nWald\nW\xc3\xbcste\n"));

    // A fixed seed, also written with a German thousands separator, repeats the run.
    const QString a = installation.Pfad(QStringLiteral("HTML/a.html"));
    const QString b = installation.Pfad(QStringLiteral("HTML/b.html"));
    QCOMPARE(starten({"--generieren", "--gelaende", "Gebirge", "--jahreszeit", "Herbst", "--ausgabe", a, "--seed", "1000"},
                     &aus, &fehler),
             0);
    const QByteArray ersteAusgabe = aus;
    QCOMPARE(ersteAusgabe.count('\n'), 6);
    QVERIFY(fehler.isEmpty());
    QCOMPARE(starten({"--seed", "1.000", "--generieren", "--gelaende", "Gebirge", "--jahreszeit", "Herbst", "--ausgabe", b},
                     &aus, &fehler),
             0);
    QCOMPARE(aus, ersteAusgabe);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/a.html")), installation.Bytes(QStringLiteral("HTML/b.html")));
    const QList<QByteArray> tag = ersteAusgabe.split('\n').first().split('\t');
    QCOMPARE(tag.size(), 7);
    QCOMPARE(tag[0], QByteArray("Aktueller Tag"));

    QVERIFY(starten({"--seed", "1,5", "--liste"}, &aus, &fehler) != 0);
    QVERIFY(aus.isEmpty());
    QVERIFY(!fehler.isEmpty());

    QCOMPARE(starten({"--generieren", "--ausgabe", a}, &aus, &fehler), 2);
    QCOMPARE(fehler, QByteArray("Bitte w\xc3\xa4hlt eine Gel\xc3\xa4ndeart aus.\n"));
    QVERIFY(aus.isEmpty());

    QCOMPARE(starten({"--help"}, &aus, &fehler), 0);
    QVERIFY(aus.contains("--generieren --gelaende"));
    QCOMPARE(starten({"--version"}, &aus, &fehler), 0);
    QCOMPARE(aus, QByteArray("Tageslauf3 3.00\n"));
}

QTEST_GUILESS_MAIN(TestDayBatch)
#include "test_day_batch.moc"
