// The batch commands: in-process through the same entry point the program uses, and a few runs of the
// built program from a temporary installation.
#include "BattleEngine.h"
#include "CreaturesBatch.h"
#include "CreaturesHTML.h"
#include "CreaturesTestHilfe.h"
#include "Dialoge.h"
#include "Gewinnchancen.h"
#include "Kreaturentabelle.h"
#include "TestInstallation.h"
#include "Vorschlaege.h"
#include "Zufall.h"

#include <QDir>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

using namespace Kreaturentabellen;
using CreaturesTest::Datei;
using CreaturesTest::Kreatur;

namespace {

const QString kDatenbank = QStringLiteral("Data/Creatures/Kreaturen.dat");
const QString kKategorien = QStringLiteral("Data/Creatures/Kategorien.dat");

CreaturesBatch::Ergebnis Lauf(const QString& befehl)
{
    return CreaturesBatch::Ausfuehren(QProcess::splitCommand(befehl));
}

CreaturesBatch::Ergebnis Lauf(const QStringList& argumente)
{
    return CreaturesBatch::Ausfuehren(argumente);
}

// A small database: a strong hero, a weak beast, one that cannot fight.
void Kreaturen(const TestInstallation& installation)
{
    QStringList held = Kreatur(QStringLiteral("Recke"), QStringLiteral("Menschen"));
    held[13] = QStringLiteral("20");
    held[11] = QStringLiteral("50");
    held[54] = QStringLiteral("6");
    held[29] = QStringLiteral("18");
    QStringList ratte = Kreatur(QStringLiteral("Kleine Ratte"));
    ratte[30] = QStringLiteral("3");
    ratte[28] = QStringLiteral("0");
    QStringList untauglich = Kreatur(QStringLiteral("Nebel"), QStringLiteral("Geister"));
    untauglich[54] = QStringLiteral("-1");
    installation.ZeilenSchreiben(kDatenbank, Datei({held, ratte, untauglich}));
}

} // namespace

class TestCreaturesBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listeInTabellenreihenfolge();
    void listeBeiFehlenderOderBeschaedigterDatei();
    void falscheAufrufe_data();
    void falscheAufrufe();
    void detailsWieDerHtmlExport();
    void kampfSchreibtBerichtUndSieger();
    void kampfMitGleichemSeedGleicherBericht();
    void kampfWirdAbgelehnt_data();
    void kampfWirdAbgelehnt();
    void chancenWieEinzelneKaempfe();
    void vorschlagenWieChancen();
    void aufstellungSpeichernUndKaempfen();
    void exportierenUndImportieren();
    void importAbgelehntLaesstDatenbankUnveraendert_data();
    void importAbgelehntLaesstDatenbankUnveraendert();
    void dasProgrammSelbst();
};

void TestCreaturesBatch::listeInTabellenreihenfolge()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturentabelle tabelle;
    Laden(tabelle);
    const CreaturesBatch::Ergebnis e = Lauf(QStringLiteral("--liste"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), tabelle.Anzahl());
    for (int i = 0; i < tabelle.Anzahl(); ++i) {
        const QStringList spalten = e.Ausgabe[i].split(QLatin1Char('\t'));
        QCOMPARE(spalten.size(), 13);
        QCOMPARE(spalten.mid(0, 12), Listenspalten(tabelle.Zeilen[i]));
        QCOMPARE(spalten.last(), QString::number(i));
    }
    QVERIFY(e.Ausgabe.first().startsWith(QStringLiteral("Wolf\tTiere\t10\t11\t7\t22\t1\tBiss   1W6+1\t")));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestCreaturesBatch::listeBeiFehlenderOderBeschaedigterDatei()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    const QStringList zeilen = Datei({Kreatur(QStringLiteral("Ganz")), Kreatur(QStringLiteral("Halb"))});
    installation.ZeilenSchreiben(kDatenbank, zeilen.mid(0, 70));
    CreaturesBatch::Ergebnis e = Lauf(QStringLiteral("--liste"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 1);
    QVERIFY(e.Ausgabe.first().startsWith(QStringLiteral("Ganz\t")));
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("mitten in einem Eintrag")));
    // Listing writes nothing.
    QVERIFY(!QFileInfo::exists(installation.Pfad(kDatenbank + QStringLiteral(".bak"))));

    QVERIFY(QFile::remove(installation.Pfad(kDatenbank)));
    e = Lauf(QStringLiteral("--liste"));
    QCOMPARE(e.Status, 0);
    QVERIFY(e.Ausgabe.isEmpty());
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("nicht gefunden")));
    QVERIFY(!QFileInfo::exists(installation.Pfad(kDatenbank)));
}

void TestCreaturesBatch::falscheAufrufe_data()
{
    QTest::addColumn<QString>("befehl");
    QTest::newRow("kein Befehl") << "";
    QTest::newRow("unbekannt") << "--zaubern";
    QTest::newRow("Liste mit Rest") << "--liste Wolf";
    QTest::newRow("Details ohne Ausgabe") << "--details Wolf";
    QTest::newRow("Details ohne Namen") << "--details --ausgabe x.html";
    QTest::newRow("Ausgabe ohne Wert") << "--exportieren Wolf --ausgabe";
    QTest::newRow("Kampf ohne Ausgabe") << "--kampf --held Wolf --gegner Wolf";
    QTest::newRow("Held ohne Namen") << "--kampf --held --gegner Wolf --ausgabe x.html";
    QTest::newRow("Import ohne Datei") << "--importieren";
    QTest::newRow("Chancen ohne Gruppen") << "--chancen --kaempfe 5";
    QTest::newRow("null Kämpfe") << "--chancen --held Wolf --gegner Wolf --kaempfe 0";
    QTest::newRow("zu viele Kämpfe") << "--chancen --held Wolf --gegner Wolf --kaempfe 10.000.001";
    QTest::newRow("Namen und Aufstellung") << "--chancen --held Wolf --gegner Wolf --aufstellung a.txt";
    QTest::newRow("Aufstellung ohne Datei") << "--aufstellung-speichern --held Wolf";
    QTest::newRow("Vorschlagen ohne Helden") << "--vorschlagen --ziel 60";
    QTest::newRow("Vorschlagen mit Gegnern") << "--vorschlagen --held Wolf --gegner Wolf";
    QTest::newRow("Ziel über 95") << "--vorschlagen --held Wolf --ziel 96";
    QTest::newRow("Spanne 0") << "--vorschlagen --held Wolf --spanne 0";
    QTest::newRow("größte Gruppe 101") << "--vorschlagen --held Wolf --hoechstens 101";
    QTest::newRow("keine Vorschläge") << "--vorschlagen --held Wolf --vorschlaege 0";
    QTest::newRow("101 Helden") << QStringLiteral("--chancen --gegner Wolf") + QStringLiteral(" --held Wolf").repeated(101);
}

void TestCreaturesBatch::falscheAufrufe()
{
    QFETCH(QString, befehl);
    TestInstallation installation;
    Dialoge::Skript dialoge;
    const QByteArray vorher = installation.Bytes(kDatenbank);
    const CreaturesBatch::Ergebnis e = Lauf(befehl);
    QCOMPARE(e.Status, 2);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("Bestiar3 --help")));
    QCOMPARE(installation.Bytes(kDatenbank), vorher);
}

void TestCreaturesBatch::detailsWieDerHtmlExport()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturen(installation);
    const QString datei = installation.Pfad(QStringLiteral("HTML/ratte.html"));
    QCOMPARE(Lauf(QStringList{"--details", "Kleine Ratte", "--ausgabe", datei}).Status, 0);
    Kreaturentabelle tabelle;
    Laden(tabelle);
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    CreaturesHTML::DetailseiteSchreiben(tabelle.Zeilen[1], erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/ratte.html")), erwartet.data());
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Daten wurden erfolgreich exportiert.")});
    // Options may come first; letter case and blanks around the name do not matter when no name fits exactly.
    QVERIFY(QFile::remove(datei));
    QCOMPARE(Lauf(QStringList{"--details", "--ausgabe", datei, " kleine ratte "}).Status, 0);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/ratte.html")), erwartet.data());
    QCOMPARE(Lauf(QStringList{"--details", "Keiner", "--ausgabe", datei}).Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("„Keiner“")));
}

void TestCreaturesBatch::kampfSchreibtBerichtUndSieger()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturen(installation);
    const QString datei = installation.Pfad(QStringLiteral("HTML/kampf.html"));
    Zufall::SaatSetzen(7);
    const CreaturesBatch::Ergebnis e = Lauf(QStringList{"--kampf", "--held", "Recke", "--gegner", "Kleine Ratte", "--gegner",
                                                        "Kleine Ratte", "--ausgabe", datei});
    Zufall::ProduktionSetzen();
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, QStringList{QStringLiteral("Sieger: Heldengruppe")});
    QVERIFY(dialoge.aufrufe.isEmpty());
    const QByteArray bericht = installation.Bytes(QStringLiteral("HTML/kampf.html"));
    QVERIFY(bericht.startsWith("<H1>Heldengruppe</H1>\r\n"));
    // The members in the order given; the name repeats.
    QCOMPARE(bericht.count("<td width=\"25%\"><small><font face=\"Arial\">Kleine Ratte</font></small></td>"), 2);
    QCOMPARE(bericht.count("Kleine Ratte stirbt</BR>"), 2);
    QVERIFY(bericht.contains("Zustand aller \xDC" "berlebenden"));
    // An enemy group that wins, and the database is left as it was.
    const QByteArray db = installation.Bytes(kDatenbank);
    Zufall::SaatSetzen(8);
    QCOMPARE(Lauf(QStringList{"--kampf", "--held", "Kleine Ratte", "--gegner", "Recke", "--ausgabe", datei}).Ausgabe,
             QStringList{QStringLiteral("Sieger: Gegnergruppe")});
    Zufall::ProduktionSetzen();
    QCOMPARE(installation.Bytes(kDatenbank), db);
}

void TestCreaturesBatch::kampfMitGleichemSeedGleicherBericht()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    const QStringList befehl{"--kampf", "--held", "Wolf", "--held", "Luchs", "--held", "Wachhund", "--gegner", "Bergtroll",
                             "--ausgabe"};
    const QString a = installation.Pfad(QStringLiteral("HTML/a.html"));
    const QString b = installation.Pfad(QStringLiteral("HTML/b.html"));
    Zufall::SaatSetzen(123);
    const CreaturesBatch::Ergebnis ea = Lauf(befehl + QStringList{a});
    Zufall::SaatSetzen(123);
    const CreaturesBatch::Ergebnis eb = Lauf(befehl + QStringList{b});
    Zufall::ProduktionSetzen();
    QCOMPARE(ea.Status, 0);
    QCOMPARE(ea.Ausgabe, eb.Ausgabe);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/a.html")), installation.Bytes(QStringLiteral("HTML/b.html")));
    QVERIFY(installation.Bytes(QStringLiteral("HTML/a.html")).size() > 2000);
}

void TestCreaturesBatch::kampfWirdAbgelehnt_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("unbekannter Held") << QStringList{"--held", "Drache", "--gegner", "Recke"} << 1 << "„Drache“";
    QTest::newRow("unbekannter Gegner") << QStringList{"--held", "Recke", "--gegner", "Recke", "--gegner", "Zwerg"} << 1
                                        << "„Zwerg“";
    QTest::newRow("keine Helden") << QStringList{"--gegner", "Recke"} << 2 << "Heldengruppe ist leer";
    QTest::newRow("keine Gegner") << QStringList{"--held", "Recke"} << 2 << "Gegnergruppe ist leer";
    QTest::newRow("untauglich") << QStringList{"--held", "Recke", "--gegner", "Nebel"} << 1
                                << "Diese Kreatur („Nebel“) ist momentan nicht kampftauglich";
}

void TestCreaturesBatch::kampfWirdAbgelehnt()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, meldung);
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturen(installation);
    const QString datei = installation.Pfad(QStringLiteral("HTML/kampf.html"));
    for (const char* befehl : {"--kampf", "--chancen"}) {
        const CreaturesBatch::Ergebnis e = Lauf(QStringList{QLatin1String(befehl)} + argumente + QStringList{"--ausgabe", datei});
        QCOMPARE(e.Status, status);
        QVERIFY(e.Ausgabe.isEmpty());
        QVERIFY2(dialoge.Texte().last().contains(meldung), qPrintable(dialoge.Texte().last()));
        QVERIFY(!QFileInfo::exists(datei));
    }
    // A report that cannot be written is refused as well.
    const QString ordnerFehlt = installation.Pfad(QStringLiteral("Fehlt/kampf.html"));
    const CreaturesBatch::Ergebnis f =
        Lauf(QStringList{"--kampf", "--held", "Recke", "--gegner", "Kleine Ratte", "--ausgabe", ordnerFehlt});
    QCOMPARE(f.Status, 1);
    QVERIFY(f.Ausgabe.isEmpty());
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("Kampfbericht")));
    QVERIFY(!QFileInfo::exists(ordnerFehlt));
}

void TestCreaturesBatch::chancenWieEinzelneKaempfe()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturen(installation);
    // The seed of --seed is the run's seed (the program run below checks the fights against --kampf).
    Zufall::SaatSetzen(4242);
    const QString seite = installation.Pfad(QStringLiteral("HTML/chancen.html"));
    const CreaturesBatch::Ergebnis e = Lauf(QStringList{"--chancen", "--held", "Recke", "--gegner", "Kleine Ratte", "--gegner",
                                                        "Recke", "--kaempfe", "40", "--ausgabe", seite});
    BattleEngine::Kampfstand stand;
    Kreaturentabelle tabelle;
    Laden(tabelle);
    BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Helden, *BattleEngine::KaempferAus(tabelle.Zeilen[0]));
    for (const int zeile : {1, 0})
        BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Gegner, *BattleEngine::KaempferAus(tabelle.Zeilen[zeile]));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, Gewinnchancen::Ausgabezeilen(*Gewinnchancen::Berechnen(stand, 40, 4242)));
    QVERIFY(installation.Bytes(QStringLiteral("HTML/chancen.html")).startsWith("<html>"));
    QVERIFY(dialoge.aufrufe.isEmpty());

    // Without --seed a seed is drawn and printed; a page that cannot be written fails the command.
    Zufall::ProduktionSetzen();
    const QStringList gruppen{"--held", "Recke", "--gegner", "Recke"};
    QVERIFY(Lauf(QStringList{"--chancen", "--kaempfe", "2"} + gruppen).Ausgabe.value(1).startsWith(QStringLiteral("Seed\t")));
    const CreaturesBatch::Ergebnis g =
        Lauf(QStringList{"--chancen", "--ausgabe", installation.Pfad("Fehlt/c.html")} + gruppen);
    QCOMPARE(g.Status, 1);
    QVERIFY(g.Ausgabe.isEmpty());
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("c.html")));
}

void TestCreaturesBatch::vorschlagenWieChancen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Zufall::SaatSetzen(9);
    const QString ordner = installation.Pfad(QStringLiteral("WBD/Vorschläge"));
    const QString seite = installation.Pfad(QStringLiteral("HTML/vorschlaege.html"));
    const CreaturesBatch::Ergebnis e =
        Lauf(QStringList{"--vorschlagen", "--held", "Söldner", "--kaempfe", "300", "--vorschlaege", "2", "--hoechstens", "3",
                         "--kategorie", "tiere", "--kategorie", "Untote", "--vorschlaege-speichern", ordner, "--ausgabe", seite});
    QCOMPARE(e.Status, 0);
    QVERIFY(dialoge.aufrufe.isEmpty());
    // The lines of the engine's search with these values.
    Kreaturentabelle tabelle;
    Laden(tabelle);
    Vorschlaege::Anfrage anfrage;
    anfrage.Helden = {*BattleEngine::KaempferAus(tabelle.Zeilen[ZeileSuchen(tabelle, QStringLiteral("Söldner"))])};
    anfrage.Kaempfe = 300;
    anfrage.Anzahl = 2;
    anfrage.Hoechstens = 3;
    anfrage.Saat = 9;
    const auto erwartet = Vorschlaege::Suchen(anfrage, Vorschlaege::Arten(tabelle.Zeilen, {"tiere", "Untote"}));
    QCOMPARE(e.Ausgabe, Vorschlaege::Ausgabezeilen(anfrage, *erwartet));
    QCOMPARE(e.Ausgabe.size(), 4);
    QVERIFY(installation.Bytes(QStringLiteral("HTML/vorschlaege.html")).contains("Gegnervorschl\xE4ge"));
    // Each saved line-up gives the printed shares with --chancen and the same seed and fights.
    for (int i = 1; i <= 2; ++i) {
        const CreaturesBatch::Ergebnis c = Lauf(QStringList{"--chancen", "--aufstellung", QDir(ordner).filePath(Vorschlaege::Dateiname(i)),
                                                            "--kaempfe", "300"});
        QCOMPARE(c.Status, 0);
        const QStringList felder = e.Ausgabe[i + 1].split(QLatin1Char('\t'));
        QCOMPARE(felder.mid(3, 3), c.Ausgabe[2].split(QLatin1Char('\t')).mid(2, 3));
        QCOMPARE(felder[6], c.Ausgabe.last().split(QLatin1Char('\t'))[2]);
    }

    // Nothing within the band: one sentence, exit 0, nothing saved; an unknown category is refused.
    const CreaturesBatch::Ergebnis leer =
        Lauf(QStringList{"--vorschlagen", "--held", "Schieferdrache", "--hoechstens", "1", "--ziel", "5", "--spanne", "1",
                         "--kaempfe", "200", "--vorschlaege-speichern", installation.Pfad("WBD/leer")});
    QCOMPARE(leer.Status, 0);
    QCOMPARE(leer.Ausgabe.size(), 3);
    QVERIFY2(leer.Ausgabe.last().startsWith(QStringLiteral("Keine Gegnergruppe aus einer Kreatur bringt die Heldengruppe auf 4 bis 6 % Siege; "
                                                           "am nächsten kommt 1× ")),
             qPrintable(leer.Ausgabe.last()));
    QVERIFY(QDir(installation.Pfad("WBD/leer")).entryList(QDir::Files).isEmpty());
    const CreaturesBatch::Ergebnis unbekannt = Lauf(QStringList{"--vorschlagen", "--held", "Ratte", "--kategorie", "Drachen"});
    QCOMPARE(unbekannt.Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("keine Kategorie „Drachen“")));
    Zufall::ProduktionSetzen();
}

void TestCreaturesBatch::aufstellungSpeichernUndKaempfen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturen(installation);
    const QString datei = installation.Pfad(QStringLiteral("WBD/gruppe.txt"));
    const CreaturesBatch::Ergebnis e =
        Lauf(QStringList{"--aufstellung-speichern", datei, "--held", "Recke", "--gegner", "Kleine Ratte", "--gegner", "Recke"});
    QCOMPARE(e.Status, 0);
    QCOMPARE(installation.Zeilen(QStringLiteral("WBD/gruppe.txt")),
             (QStringList{"Aufstellung 1", "Held\tRecke\t18\t20\t8\t50\tSP\t2\t1\t20",
                          "Gegner\tKleine Ratte\t10\t12\t0\t1\tW6\t2\t1\t3", "Gegner\tRecke\t18\t20\t8\t50\tSP\t2\t1\t20"}));
    QVERIFY(installation.Bytes(QStringLiteral("WBD/gruppe.txt")).endsWith("\t20\r\n"));

    // A fight from the file gives the report of the same line-up named member by member.
    const auto bericht = [&](const QStringList& gruppen) {
        Zufall::SaatSetzen(11);
        const QString pfad = installation.Pfad(QStringLiteral("HTML/k.html"));
        const CreaturesBatch::Ergebnis k = Lauf(QStringList{"--kampf"} + gruppen + QStringList{"--ausgabe", pfad});
        Zufall::ProduktionSetzen();
        return k.Status == 0 ? installation.Bytes(QStringLiteral("HTML/k.html")) : QByteArray();
    };
    const QByteArray ausDatei = bericht({"--aufstellung", datei});
    QVERIFY(ausDatei.contains("Kleine Ratte"));
    QCOMPARE(ausDatei, bericht({"--held", "Recke", "--gegner", "Kleine Ratte", "--gegner", "Recke"}));

    // An LE edited in the file counts; a damaged line is refused with its number.
    QStringList zeilen = installation.Zeilen(QStringLiteral("WBD/gruppe.txt"));
    zeilen[1].replace(QStringLiteral("\t1\t20"), QStringLiteral("\t1\t4"));
    installation.ZeilenSchreiben(QStringLiteral("WBD/gruppe.txt"), zeilen);
    QVERIFY(bericht({"--aufstellung", datei}).contains("<td width=\"10%\"><small><font face=\"Arial\">4</font>"));
    zeilen[3] = QStringLiteral("Gegner\tRecke\t18");
    installation.ZeilenSchreiben(QStringLiteral("WBD/gruppe.txt"), zeilen);
    QCOMPARE(Lauf(QStringList{"--chancen", "--aufstellung", datei}).Status, 1);
    QVERIFY2(dialoge.Texte().last().contains(QStringLiteral("Zeile 4")), qPrintable(dialoge.Texte().last()));
    // Only heroes: saved, but no fight.
    QCOMPARE(Lauf(QStringList{"--aufstellung-speichern", datei, "--held", "Recke"}).Status, 0);
    QCOMPARE(Lauf(QStringList{"--chancen", "--aufstellung", datei}).Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("Gegnergruppe leer")));
}

void TestCreaturesBatch::exportierenUndImportieren()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Kreaturen(installation);
    const QString wbd = installation.Pfad(QStringLiteral("WBD/recke.wbd"));
    QCOMPARE(Lauf(QStringList{"--exportieren", "Recke", "--ausgabe", wbd}).Status, 0);
    const QStringList zeilen = installation.Zeilen(QStringLiteral("WBD/recke.wbd"));
    QCOMPARE(zeilen.size(), 58);
    QCOMPARE(zeilen.first(), QStringLiteral("Bestiar 3"));
    QCOMPARE(installation.Bytes(QStringLiteral("WBD/recke.wbd")).count("\r\n"), 58);

    // The import appends, rewrites the database and prints the new list line; no category is added.
    QStringList fremd = zeilen;
    fremd[52] = QStringLiteral("Helden der Vorzeit");
    fremd[1] = QStringLiteral("Alter Recke");
    installation.ZeilenSchreiben(QStringLiteral("WBD/alt.wbd"), fremd);
    const QByteArray kategorien = installation.Bytes(kKategorien);
    const CreaturesBatch::Ergebnis e = Lauf(QStringList{"--importieren", installation.Pfad(QStringLiteral("WBD/alt.wbd"))});
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 1);
    QVERIFY(e.Ausgabe.first().startsWith(QStringLiteral("Alter Recke\tHelden der Vorzeit\t18\t20\t")));
    QVERIFY(e.Ausgabe.first().endsWith(QStringLiteral("\t3")));
    Kreaturentabelle tabelle;
    QCOMPARE(Laden(tabelle).Status, Ladestatus::Gelesen);
    QCOMPARE(tabelle.Anzahl(), 4);
    QCOMPARE(tabelle.Zeilen[3].mid(1), fremd.mid(1));
    QCOMPARE(installation.Bytes(kKategorien), kategorien);
}

void TestCreaturesBatch::importAbgelehntLaesstDatenbankUnveraendert_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("fremde Datei") << QByteArray("Waffkam 3 - Nahkampfwaffe\r\nSchwert\r\n")
                                  << "nicht mit Bestiar 3 erstellt";
    QTest::newRow("zu kurz") << QByteArray("Bestiar 3\r\nWolf\r\n") << "nicht mit Bestiar 3 erstellt";
}

void TestCreaturesBatch::importAbgelehntLaesstDatenbankUnveraendert()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    TestInstallation installation;
    Dialoge::Skript dialoge;
    // Even a damaged database is left alone when the file is refused.
    const QStringList zeilen = Datei({Kreatur(QStringLiteral("Ganz")), Kreatur(QStringLiteral("Halb"))});
    installation.ZeilenSchreiben(kDatenbank, zeilen.mid(0, 70));
    const QByteArray vorher = installation.Bytes(kDatenbank);
    installation.Schreiben(QStringLiteral("WBD/x.wbd"), inhalt);
    const CreaturesBatch::Ergebnis e = Lauf(QStringList{"--importieren", installation.Pfad(QStringLiteral("WBD/x.wbd"))});
    QCOMPARE(e.Status, 1);
    QVERIFY(e.Ausgabe.isEmpty());
    QVERIFY(dialoge.Texte().last().contains(meldung));
    QCOMPARE(installation.Bytes(kDatenbank), vorher);
    QVERIFY(!QFileInfo::exists(installation.Pfad(kDatenbank + QStringLiteral(".bak"))));
    QCOMPARE(Lauf(QStringList{"--importieren", installation.Pfad(QStringLiteral("WBD/fehlt.wbd"))}).Status, 1);
    QCOMPARE(installation.Bytes(kDatenbank), vorher);
}

void TestCreaturesBatch::dasProgrammSelbst()
{
    TestInstallation installation;
    const QString programm = installation.Pfad(QStringLiteral("Bestiar3"));
    QVERIFY(QFile::copy(QStringLiteral(BESTIAR3_PROGRAMM), programm));
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    prozess.setProcessEnvironment(umgebung);

    prozess.start(programm, {QStringLiteral("--liste")});
    QVERIFY(prozess.waitForFinished(60000));
    QCOMPARE(prozess.exitCode(), 0);
    const QStringList zeilen = QString::fromUtf8(prozess.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    Kreaturentabelle tabelle;
    Laden(tabelle);
    QCOMPARE(zeilen.size(), tabelle.Anzahl());
    QCOMPARE(zeilen.first(), Listenzeile(tabelle.Zeilen[0]));

    const QString bericht = installation.Pfad(QStringLiteral("HTML/kampf.html"));
    const QStringList kampf{"--kampf", "--held", "Wolf", "--held", "Wolf", "--gegner", "Wildschwein", "--ausgabe", bericht,
                            "--seed", "5"};
    prozess.start(programm, kampf);
    QVERIFY(prozess.waitForFinished(60000));
    QCOMPARE(prozess.exitCode(), 0);
    const QString sieger = QString::fromUtf8(prozess.readAllStandardOutput()).trimmed();
    QVERIFY2(sieger == QStringLiteral("Sieger: Heldengruppe") || sieger == QStringLiteral("Sieger: Gegnergruppe"),
             qPrintable(sieger));
    const QByteArray erster = installation.Bytes(QStringLiteral("HTML/kampf.html"));
    prozess.start(programm, kampf);
    QVERIFY(prozess.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(prozess.readAllStandardOutput()).trimmed(), sieger);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/kampf.html")), erster);

    // The odds past the largest seed: fight 1 plays as --kampf --seed 0, fight 2 as --seed 1.
    const QStringList gruppen{"--held", "Wolf", "--gegner", "Wolf"};
    QStringList erwartet;
    for (const char* saat : {"9223372036854775807", "0", "1"}) {
        prozess.start(programm, QStringList{"--kampf"} + gruppen + QStringList{"--ausgabe", bericht, "--seed", saat});
        QVERIFY(prozess.waitForFinished(60000));
        erwartet.append(QString::fromUtf8(prozess.readAllStandardOutput()).trimmed());
    }
    prozess.start(programm, QStringList{"--chancen", "--kaempfe", "3", "--seed", "9223372036854775807"} + gruppen);
    QVERIFY(prozess.waitForFinished(60000));
    QCOMPARE(prozess.exitCode(), 0);
    const QStringList chancen = QString::fromUtf8(prozess.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(chancen.value(1), QStringLiteral("Seed\t9223372036854775807"));
    QCOMPARE(chancen.value(2).section(QLatin1Char('\t'), 1, 1).toInt(), int(erwartet.count(QStringLiteral("Sieger: Heldengruppe"))));
    QCOMPARE(chancen.value(3).section(QLatin1Char('\t'), 1, 1).toInt(), int(erwartet.count(QStringLiteral("Sieger: Gegnergruppe"))));

    prozess.start(programm, {QStringLiteral("--kampf"), QStringLiteral("--held"), QStringLiteral("Wolf"),
                             QStringLiteral("--ausgabe"), bericht});
    QVERIFY(prozess.waitForFinished(60000));
    QCOMPARE(prozess.exitCode(), 2);
    QVERIFY(QString::fromUtf8(prozess.readAllStandardError()).contains(QStringLiteral("Gegnergruppe ist leer")));
}

QTEST_GUILESS_MAIN(TestCreaturesBatch)
#include "test_creatures_batch.moc"
