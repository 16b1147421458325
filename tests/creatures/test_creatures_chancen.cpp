// The odds of an encounter: agreement with single fights on any number of threads and past the largest
// seed, cancelling, the output lines with their Wilson intervals, and the page; and the line-up file.
#include "Aufstellung.h"
#include "BattleEngine.h"
#include "CreaturesTestHilfe.h"
#include "Gewinnchancen.h"
#include "Kreaturentabelle.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QBuffer>
#include <QtTest>

using namespace BattleEngine;
using CreaturesTest::Aufstellen;
using CreaturesTest::Figur;

namespace {

constexpr quint64 kMax = Zufall::HoechsteSaat;


} // namespace

class TestCreaturesChancen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wieEinzelkaempfe_data();
    void wieEinzelkaempfe();
    void abbrechen();
    void ausgabezeilen();
    void seiteMitBalken();

    void aufstellungRundreise();
    void aufstellungLesen_data();
    void aufstellungLesen();
};

void TestCreaturesChancen::wieEinzelkaempfe_data()
{
    QTest::addColumn<QList<int>>("helden");
    QTest::addColumn<QList<int>>("gegner");
    QTest::addColumn<quint64>("saat");
    QTest::addColumn<qint64>("kaempfe");
    QTest::newRow("fünf gegen fünf") << QList<int>{0, 1, 2, 3, 4} << QList<int>{20, 21, 22, 23, 24} << quint64(4242)
                                     << qint64(300);
    QTest::newRow("über den größten Seed") << QList<int>{0, 2} << QList<int>{25} << kMax - 100 << qint64(257);
    QTest::newRow("ein Kampf") << QList<int>{7} << QList<int>{8} << quint64(0) << qint64(1);
    QTest::newRow("mit Abbrüchen") << QList<int>{-1} << QList<int>{-1, 5} << quint64(99) << qint64(70);
}

void TestCreaturesChancen::wieEinzelkaempfe()
{
    QFETCH(QList<int>, helden);
    QFETCH(QList<int>, gegner);
    QFETCH(quint64, saat);
    QFETCH(qint64, kaempfe);
    const Kampfstand aufstellung = Aufstellen(helden, gegner);

    // The same fights one by one, each seeded as --kampf --seed S+k seeds it.
    Gewinnchancen::Ergebnis einzeln;
    einzeln.Kaempfe = kaempfe;
    einzeln.Helden.resize(helden.size());
    einzeln.Gegner.resize(gegner.size());
    for (qint64 k = 0; k < kaempfe; ++k) {
        Kampfstand stand = aufstellung;
        Zufall::SaatSetzen(quint64((saat + quint64(k)) % (kMax + 1)));
        ++einzeln.Siege[int(Kampf(stand, nullptr))];
        ++einzeln.Runden[stand.Runden];
        for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
            for (qsizetype i = 0; i < stand.Mitglieder(g).size(); ++i) {
                Gewinnchancen::Mitglied& m = g == Gruppe::Helden ? einzeln.Helden[i] : einzeln.Gegner[i];
                if (stand.Mitglieder(g)[i].LE >= 1) {
                    ++m.Ueberlebt;
                    m.LESumme += stand.Mitglieder(g)[i].LE;
                }
            }
        }
    }
    Zufall::ProduktionSetzen();
    for (int threads : {1, 2, 5}) {
        const auto e = Gewinnchancen::Berechnen(aufstellung, kaempfe, saat, nullptr, threads);
        QVERIFY(e);
        QCOMPARE(e->Kaempfe, kaempfe);
        QCOMPARE(e->Saat, saat);
        for (int s = 0; s < 3; ++s)
            QCOMPARE(e->Siege[s], einzeln.Siege[s]);
        QCOMPARE(e->Runden, einzeln.Runden);
        for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
            for (qsizetype i = 0; i < e->Gruppe(g).size(); ++i) {
                QCOMPARE(e->Gruppe(g)[i].Name, aufstellung.Mitglieder(g)[i].Name);
                QCOMPARE(e->Gruppe(g)[i].Ueberlebt, einzeln.Gruppe(g)[i].Ueberlebt);
                QCOMPARE(e->Gruppe(g)[i].LESumme, einzeln.Gruppe(g)[i].LESumme);
            }
        }
    }
    // The program-wide source is not touched: a run leaves a scripted test's rolls alone.
    Zufall::Skript skript({3});
    Gewinnchancen::Berechnen(aufstellung, 5, saat);
    QCOMPARE(Subs::Zufallszahl(6), 3);
}

void TestCreaturesChancen::abbrechen()
{
    const Kampfstand aufstellung = Aufstellen({0, 1}, {2, 3});
    // In the background: a finished run gives the result of the same run in the foreground, a cancelled one none.
    Gewinnchancen::Hintergrundlauf lauf(aufstellung, 500, 17);
    const auto e = lauf.Abholen();
    QVERIFY(e && lauf.Fertig());
    QCOMPARE(lauf.Erledigt(), qint64(500));
    QCOMPARE(e->Runden, Gewinnchancen::Berechnen(aufstellung, 500, 17)->Runden);
    Gewinnchancen::Hintergrundlauf lang(aufstellung, Gewinnchancen::HoechsteKaempfe, 17);
    lang.Abbrechen();
    QVERIFY(!lang.Abholen());
    QVERIFY(lang.Erledigt() < Gewinnchancen::HoechsteKaempfe);
}

void TestCreaturesChancen::ausgabezeilen()
{
    Gewinnchancen::Ergebnis e;
    e.Kaempfe = 4;
    e.Saat = 4242;
    e.Siege[int(Sieger::Helden)] = 2;
    e.Siege[int(Sieger::Gegner)] = 1;
    e.Siege[int(Sieger::Keiner)] = 1;
    e.Runden = {{2, 1}, {3, 2}, {12, 1}};
    e.Helden = {{QStringLiteral("Wolf"), 3, 20}, {QStringLiteral("Zwei\tTeile"), 0, 0}};
    e.Gegner = {{QStringLiteral("Bär"), 1, 7}};
    QCOMPARE(Gewinnchancen::Ausgabezeilen(e),
             (QStringList{"Kämpfe\t4", "Seed\t4242", "Sieger Heldengruppe\t2\t50,0 %\t15,0 %\t85,0 %",
                          "Sieger Gegnergruppe\t1\t25,0 %\t4,6 %\t69,9 %", "Sieger keiner\t1\t25,0 %\t4,6 %\t69,9 %",
                          "Runden\t5,0\t3\t12", "Überlebt\tHeldengruppe\t1\tWolf\t75,0 %\t6,7",
                          "Überlebt\tHeldengruppe\t2\tZwei Teile\t0,0 %\t-", "Überlebt\tGegnergruppe\t1\tBär\t25,0 %\t7,0"}));
    // With an even count and two different middle fights the median lies between them.
    e.Runden = {{2, 2}, {3, 2}};
    QCOMPARE(Gewinnchancen::Ausgabezeilen(e)[5], QStringLiteral("Runden\t2,5\t2,5\t3"));
}

void TestCreaturesChancen::seiteMitBalken()
{
    Gewinnchancen::Ergebnis e;
    e.Kaempfe = 10000;
    e.Saat = 7;
    e.Siege[int(Sieger::Helden)] = 6321;
    e.Siege[int(Sieger::Gegner)] = 3512;
    e.Siege[int(Sieger::Keiner)] = 167;
    e.Runden = {{14, 10000}};
    e.Helden = {{QStringLiteral("Wölfin <1>"), 7140, 7140 * 12}};
    e.Gegner = {{QStringLiteral("Troll"), 0, 0}};
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Gewinnchancen::SeiteSchreiben(e, puffer);
    const QByteArray bytes = puffer.data();
    QVERIFY(bytes.startsWith("<html>\r\n<head>\r\n<title>Gewinnchancen - Bestiar 3</title>"));
    QVERIFY(bytes.contains("<B>K\xE4mpfe: </B> 10.000</BR>"));
    QVERIFY(bytes.contains("W\xF6lfin &lt;1&gt;"));
    QVERIFY(bytes.contains(">63,2 %</font></small></td>\r\n<td width=\"20%\"><small><font face=\"Arial\">62,3 % bis 64,1 %<"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    // Each bar is a row of cells: dark to the lower bound, light to the upper, empty to the full width.
    const QString text = Zeilendatei::AusCodepage(bytes);
    QVERIFY(text.contains(QStringLiteral("<td width=\"62%\" bgcolor=\"#2E7D32\">&nbsp;</td>\r\n"
                                         "<td width=\"2%\" bgcolor=\"#A5D6A7\">&nbsp;</td>\r\n<td width=\"36%\">&nbsp;</td>")));
    QVERIFY(text.contains(QStringLiteral("<td width=\"71%\" bgcolor=\"#2E7D32\">&nbsp;</td>\r\n<td width=\"29%\">&nbsp;</td>")));
    QVERIFY(text.contains(QStringLiteral("<tr>\r\n<td width=\"100%\">&nbsp;</td>\r\n</tr>")));
    QCOMPARE(text.count(QStringLiteral("<td width=\"40%\"><table")), 5);
}

void TestCreaturesChancen::aufstellungRundreise()
{
    TestInstallation installation(false);
    Kampfstand stand;
    Aufnehmen(stand, Gruppe::Helden, Figur(QStringLiteral("Ärger\tmit Tab"), -3, 20, 0, 1, 2, 30000, QStringLiteral("W20"), -7));
    Aufnehmen(stand, Gruppe::Helden, Figur(QStringLiteral("Łucja"), 12, 11, 9, 32767, -32768, 4, QStringLiteral("SP"), 0));
    Aufnehmen(stand, Gruppe::Gegner, Figur(QStringLiteral("Bär"), 8, 10, 6, 0, 3, 2, QStringLiteral("W6"), 3));
    const QString pfad = installation.Pfad(QStringLiteral("WBD/gruppe.txt"));
    QVERIFY(Aufstellung::Speichern(stand, pfad));
    QCOMPARE(installation.Bytes(QStringLiteral("WBD/gruppe.txt")),
             QByteArray("Aufstellung 1\r\nHeld\t\xC4rger mit Tab\t-3\t20\t0\t30000\tW20\t-7\t2\t1\r\n"
                        "Held\t&#321;ucja\t12\t11\t9\t4\tSP\t0\t-32768\t32767\r\nGegner\tB\xE4r\t8\t10\t6\t2\tW6\t3\t3\t0\r\n"));
    QString fehler;
    const auto gelesen = Aufstellung::Lesen(pfad, &fehler);
    QVERIFY2(gelesen, qPrintable(fehler));
    QCOMPARE(Aufstellung::Zeilen(*gelesen), Aufstellung::Zeilen(stand));
    QCOMPARE(gelesen->Helden[1].Name, QStringLiteral("Łucja"));
    QCOMPARE(gelesen->AnzahlGegner(), 1);
    QVERIFY(!Aufstellung::Speichern(stand, installation.Pfad(QStringLiteral("Fehlt/gruppe.txt")), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("gruppe.txt")));
}

void TestCreaturesChancen::aufstellungLesen_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung"); // empty: read, with the members named
    QTest::addColumn<QStringList>("mitglieder");
    const QByteArray kopf("Aufstellung 1\r\n");
    const QByteArray wolf("Held\tWolf\t10\t11\t7\t1\tW6\t1\t1\t22\r\n");
    QTest::newRow("Gruppen") << kopf + wolf + "Gegner\tB\xE4r\t8\t10\t6\t2\tW6\t3\t3\t40\r\n" << ""
                             << QStringList{"H:Wolf:22", "G:Bär:40"};
    QTest::newRow("leer") << kopf << "" << QStringList{};
    QTest::newRow("nur LF, ohne letzten Umbruch") << QByteArray("Aufstellung 1\nHeld\tWolf\t1\t2\t3\t4\tSP\t0\t0\t5") << ""
                                                  << QStringList{"H:Wolf:5"};
    QTest::newRow("Gegner vor Held") << kopf + "Gegner\tX\t1\t1\t1\t1\tW2\t0\t0\t1\r\n" + wolf << ""
                                     << QStringList{"H:Wolf:22", "G:X:1"};
    QTest::newRow("Leerzeile am Ende, kleines w, Komma") << kopf + "Held\tWolf\t10\t11\t7\t1\tw6\t1\t1\t12,5\r\n\r\n" << ""
                                                         << QStringList{"H:Wolf:12"};
    QTest::newRow("falsche Kopfzeile") << QByteArray("Aufstellung 2\r\n") + wolf << "keine Aufstellung" << QStringList{};
    QTest::newRow("Kopfzeile mit Blank") << QByteArray("Aufstellung 1 \r\n") + wolf << "keine Aufstellung" << QStringList{};
    QTest::newRow("neun Felder") << kopf + wolf + "Held\tWolf\t10\t11\t7\t1\tW6\t1\t22\r\n"
                                 << "In Zeile 3 stehen 9 statt 10" << QStringList{};
    QTest::newRow("weder Held noch Gegner") << kopf + "Hexe\tWolf\t10\t11\t7\t1\tW6\t1\t1\t22\r\n"
                                            << "In Zeile 2 steht „Hexe“" << QStringList{};
    QTest::newRow("LE keine Zahl") << kopf + wolf + wolf + "Held\tWolf\t10\t11\t7\t1\tW6\t1\t1\tviel\r\n"
                                   << "In Zeile 4 ist die Lebensenergie (LE) („viel“) keine Zahl" << QStringList{};
    QTest::newRow("Würfelart W7") << kopf + "Held\tWolf\t10\t11\t7\t1\tW7\t1\t1\t22\r\n"
                                  << "In Zeile 2 ist „W7“ keine Würfelart" << QStringList{};
}

void TestCreaturesChancen::aufstellungLesen()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    QFETCH(QStringList, mitglieder);
    TestInstallation installation(false);
    installation.Schreiben(QStringLiteral("WBD/a.txt"), inhalt);
    QString fehler;
    const auto stand = Aufstellung::Lesen(installation.Pfad(QStringLiteral("WBD/a.txt")), &fehler);
    if (!meldung.isEmpty()) {
        QVERIFY(!stand);
        QVERIFY2(fehler.contains(meldung), qPrintable(fehler));
        QVERIFY(fehler.contains(QStringLiteral("a.txt")));
        return;
    }
    QVERIFY2(stand, qPrintable(fehler));
    QStringList namen;
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner})
        for (const Kaempfer& k : stand->Mitglieder(g))
            namen.append(QStringLiteral("%1:%2:%3").arg(g == Gruppe::Helden ? "H" : "G", k.Name).arg(k.LE));
    QCOMPARE(namen, mitglieder);
}

QTEST_GUILESS_MAIN(TestCreaturesChancen)
#include "test_creatures_chancen.moc"
