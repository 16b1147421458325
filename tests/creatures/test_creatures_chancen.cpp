// The odds of an encounter: agreement with single fights on any number of threads and past the largest
// seed, the fast fight against BattleEngine::Kampf fight by fight, its generator against std::mt19937_64,
// cancelling, the output lines with their Wilson intervals, and the page; and the line-up file.
#include "Aufstellung.h"
#include "BattleEngine.h"
#include "CreaturesTestHilfe.h"
#include "Gewinnchancen.h"
#include "Kampfkern.h"
#include "Kreaturentabelle.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QtTest>

#include <random>

using namespace BattleEngine;
using CreaturesTest::Aufstellen;
using CreaturesTest::Figur;

Q_DECLARE_METATYPE(BattleEngine::Kampfstand)

namespace {

constexpr quint64 kMax = Zufall::HoechsteSaat;

// A line-up of odd members drawn from a seed: sizes from 1 to 12, values around and beyond the usual,
// every die text, "W" without sides, dead members.
Kampfstand Zufallsaufstellung(quint32 saat)
{
    std::mt19937 g(saat);
    const auto wert = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g); };
    const QStringList wuerfel{"W2", "W3", "W4", "W6", "W10", "W20", "SP", "W", "W0", "X6"};
    Kampfstand stand;
    for (Gruppe gruppe : {Gruppe::Helden, Gruppe::Gegner}) {
        const int n = wert(1, 12);
        for (int i = 0; i < n; ++i)
            Aufnehmen(stand, gruppe,
                      Figur(QStringLiteral("M%1").arg(i), wert(-3, 25), wert(-2, 24), wert(-4, 44), wert(-2, 60), wert(-1, 8),
                            wert(0, 4), wuerfel[wert(0, int(wuerfel.size()) - 1)], wert(-3, 6)));
    }
    return stand;
}

// A hundred fortresses against a hundred: nobody ever loses a life point, so a fight plays its 1,000
// passes to the break-off.
Kampfstand Festungen()
{
    Kampfstand stand;
    for (int i = 0; i < HoechsteMitglieder; ++i) {
        Aufnehmen(stand, Gruppe::Helden, Figur(QStringLiteral("Festung"), 5, 20, 40, 30));
        Aufnehmen(stand, Gruppe::Gegner, Figur(QStringLiteral("Festung"), 5, 20, 40, 30));
    }
    return stand;
}


} // namespace

class TestCreaturesChancen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wieEinzelkaempfe_data();
    void wieEinzelkaempfe();
    void kernWieKampf_data();
    void kernWieKampf();
    void generatorWieMt19937();
    void grenzenWieAbbilden();
    void abbrechen();
    void abbrechenImKampf();
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
    QTest::newRow("einer gegen acht") << QList<int>{23} << QList<int>{3, 3, 3, 9, 9, 21, 21, 41} << quint64(7) << qint64(400);
    QTest::newRow("Untote gegen Geister") << QList<int>{29, 33, 34} << QList<int>{35, 36, 40} << quint64(123456789)
                                           << qint64(333);
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
        bool verlust = false;
        for (const Kaempfer& held : stand.Helden)
            verlust = verlust || held.LE < 1;
        einzeln.Verluste += verlust ? 1 : 0;
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
        QCOMPARE(e->Verluste, einzeln.Verluste);
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

void TestCreaturesChancen::kernWieKampf_data()
{
    QTest::addColumn<Kampfstand>("aufstellung");
    QTest::addColumn<int>("kaempfe");
    QTest::newRow("fünf Tiere gegen fünf") << Aufstellen({0, 2, 5, 8, 4}, {1, 3, 0, 2, 5}) << 300;
    QTest::newRow("Festungen brechen ab") << Aufstellen({-1, 7}, {-1, -1}) << 20;
    Kampfstand tote = Aufstellen({0, 1, 2}, {3, 4});
    tote.Helden[1].LE = 0;
    tote.Gegner[0].LE = -5;
    QTest::newRow("Tote am Anfang") << tote << 200;
    Kampfstand totGeboren = Aufstellen({0}, {1});
    totGeboren.Gegner[0].LE = 0;
    QTest::newRow("alle Gegner tot") << totGeboren << 5;
    Kampfstand gross;
    for (int i = 0; i < HoechsteMitglieder; ++i) {
        Aufnehmen(gross, Gruppe::Helden, CreaturesTest::Aufstellen({i % 58}, {}).Helden[0]);
        Aufnehmen(gross, Gruppe::Gegner, CreaturesTest::Aufstellen({(3 * i + 1) % 58}, {}).Helden[0]);
    }
    QTest::newRow("hundert gegen hundert") << gross << 4;
    for (quint32 z = 1; z <= 40; ++z)
        QTest::addRow("zufällig %u", z) << Zufallsaufstellung(z) << 40;
}

void TestCreaturesChancen::kernWieKampf()
{
    // Fight by fight the winner, the passes and every member's final LE, with the seeds of --kampf --seed.
    QFETCH(Kampfstand, aufstellung);
    QFETCH(int, kaempfe);
    Kampfkern::Kern kern(aufstellung);
    Kampfkern::Generator zufall;
    for (int k = 0; k < kaempfe; ++k) {
        const quint64 saat = quint64(k) * 7919 + 3;
        Kampfstand stand = aufstellung;
        Zufall::SaatSetzen(saat);
        const Sieger sieger = Kampf(stand, nullptr);
        zufall.Saeen(saat);
        QVERIFY(kern.Kaempfen(zufall));
        QCOMPARE(int(kern.Sieger()), int(sieger));
        QCOMPARE(kern.Runden(), stand.Runden);
        for (int i = 0; i < stand.AnzahlHelden(); ++i)
            QCOMPARE(kern.LE(i), stand.Helden[i].LE);
        for (int i = 0; i < stand.AnzahlGegner(); ++i)
            QCOMPARE(kern.LE(stand.AnzahlHelden() + i), stand.Gegner[i].LE);
        // Both took the same number of rolls: the next draw is the same.
        QCOMPARE(zufall.Ziehen(1000000), Subs::Zufallszahl(1000000));
    }
    Zufall::ProduktionSetzen();
}

void TestCreaturesChancen::generatorWieMt19937()
{
    for (const quint64 saat : {quint64(0), quint64(1), quint64(5489), quint64(4242), kMax}) {
        Kampfkern::Generator g(saat);
        std::mt19937_64 mt(saat);
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(g.Zahl(), quint64(mt()));
        // The rolls of a seeded source, whatever the sides: n below 1 gives 1 without a draw.
        g.Saeen(saat);
        Zufall::Eigene eigene(saat);
        const QList<int> seiten{20, 6, 1, 0, -3, 2, 100, 7, 1000000, 2147483647, 3, 20, 20, 12};
        for (int runde = 0; runde < 100; ++runde)
            for (int n : seiten)
                QCOMPARE(g.Ziehen(n), Subs::Zufallszahl(n));
        // Taken ahead in the buffer as the attacks take them.
        g.Saeen(saat);
        mt.seed(saat);
        for (int i = 0; i < 700; ++i) {
            g.Sichern(3);
            QCOMPARE(g.Vorschau(2), quint64([&] { std::mt19937_64 kopie = mt; kopie(); kopie(); return kopie(); }()));
            g.Weiter(1);
            mt();
        }
    }
}

void TestCreaturesChancen::grenzenWieAbbilden()
{
    // Below the bound every 53-bit number maps to a roll of at most a, from it on above a.
    for (int n : {1, 2, 3, 6, 7, 20, 100, 1000, 32767, 2147483647}) {
        for (qint64 a : {qint64(-1), qint64(0), qint64(1), qint64(2), qint64(5), qint64(n / 2), qint64(n - 1), qint64(n),
                         qint64(n) + 7}) {
            const quint64 g = Kampfkern::Generator::Grenze(n, a);
            QVERIFY(g <= (quint64(1) << 53));
            if (g > 0)
                QVERIFY(Kampfkern::Generator::Abbilden(((g - 1) << 11) | 0x7FF, n) <= a);
            if (g < (quint64(1) << 53)) {
                QVERIFY(Kampfkern::Generator::Abbilden(g << 11, n) > a);
                if (g > 0)
                    QVERIFY(Kampfkern::Generator::Abbilden((g - 1) << 11, n) <= a);
            }
        }
    }
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

void TestCreaturesChancen::abbrechenImKampf()
{
    // Each fight of a hundred fortresses against a hundred runs long; the wish to stop is seen inside it,
    // within half a second after a run started or while it works.
    const Kampfstand festungen = Festungen();
    for (int wartezeit : {0, 50, 400}) {
        Gewinnchancen::Hintergrundlauf lauf(festungen, Gewinnchancen::HoechsteKaempfe, 3);
        QTest::qWait(wartezeit);
        QElapsedTimer uhr;
        uhr.start();
        lauf.Abbrechen();
        QVERIFY(!lauf.Abholen());
        QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    }
    Kampfkern::Kern kern(festungen);
    Kampfkern::Generator zufall(1);
    const std::atomic<bool> stopp{true};
    QVERIFY(!kern.Kaempfen(zufall, &stopp));
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
    e.Verluste = 4;
    e.Helden = {{QStringLiteral("Wolf"), 3, 20}, {QStringLiteral("Zwei\tTeile"), 0, 0}};
    e.Gegner = {{QStringLiteral("Bär"), 1, 7}};
    QCOMPARE(Gewinnchancen::Ausgabezeilen(e),
             (QStringList{"Kämpfe\t4", "Seed\t4242", "Sieger Heldengruppe\t2\t50,0 %\t15,0 %\t85,0 %",
                          "Sieger Gegnergruppe\t1\t25,0 %\t4,6 %\t69,9 %", "Sieger keiner\t1\t25,0 %\t4,6 %\t69,9 %",
                          "Runden\t5,0\t3\t12", "Überlebt\tHeldengruppe\t1\tWolf\t75,0 %\t6,7",
                          "Überlebt\tHeldengruppe\t2\tZwei Teile\t0,0 %\t-", "Überlebt\tGegnergruppe\t1\tBär\t25,0 %\t7,0",
                          "Verluste Heldengruppe\t4\t100,0 %\t51,0 %\t100,0 %"}));
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
    // A hundred in a group are read; the 101st refuses the whole file, even with a damaged line after it.
    QTest::newRow("hundert Gegner") << kopf + wolf + QByteArray("Gegner\tX\t1\t1\t1\t1\tW2\t0\t0\t1\r\n").repeated(100)
                                    << "" << (QStringList{"H:Wolf:22"} + QStringList(100, QStringLiteral("G:X:1")));
    QTest::newRow("101 Helden") << kopf + QByteArray("Gegner\tX\t1\t1\t1\t1\tW2\t0\t0\t1\r\n") + wolf.repeated(101)
                                       + "kaputt\r\n"
                                << "Zeile 103 ist das 101. Mitglied der Heldengruppe; eine Gruppe hat höchstens 100 Mitglieder"
                                << QStringList{};
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
