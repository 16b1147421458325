// The journey's own files: encounter tables and their draws, the provisions list and its prices, and the
// shipped files of both.
#include "Begegnungen.h"
#include "DayEngine.h"
#include "Geld.h"
#include "Kreaturentabelle.h"
#include "Reiseproviant.h"
#include "TestInstallation.h"
#include "Zufall.h"

#include <QtTest>

using Reiseproviant::Einkauf;

class TestReiseDaten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anzahl_data();
    void anzahl();
    void tabelle_data();
    void tabelle();
    void ziehen();
    void proviant_data();
    void proviant();
    void mitgelieferteTabellen();
    void mitgelieferterProviant();
};

void TestReiseDaten::anzahl_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("erwartet"); // dice, sides, bonus; empty: refused
    QTest::newRow("1W3") << "1W3" << QList<int>{1, 3, 0};
    QTest::newRow("W6") << "W6" << QList<int>{1, 6, 0};
    QTest::newRow("1W6+1") << " 1W6+1 " << QList<int>{1, 6, 1};
    QTest::newRow("2w4") << "2w4" << QList<int>{2, 4, 0};
    QTest::newRow("Zahl") << "2" << QList<int>{0, 0, 2};
    QTest::newRow("30") << "30" << QList<int>{0, 0, 30};
    QTest::newRow("31") << "31" << QList<int>();
    QTest::newRow("zu viele Würfel") << "5W6+1" << QList<int>();
    QTest::newRow("null") << "0" << QList<int>();
    QTest::newRow("abgezogen") << "1W6-1" << QList<int>();
    QTest::newRow("einseitig") << "1W1" << QList<int>();
    QTest::newRow("Plus ohne Würfel") << "+2" << QList<int>();
    QTest::newRow("leer") << "" << QList<int>();
    QTest::newRow("fremde Ziffern") << "١W٦" << QList<int>();
    QTest::newRow("riesig") << "99999W6" << QList<int>();
}

void TestReiseDaten::anzahl()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, erwartet);
    const std::optional<Begegnungen::Anzahl> a = Begegnungen::AnzahlLesen(text);
    QCOMPARE(a.has_value(), !erwartet.isEmpty());
    if (!a)
        return;
    QCOMPARE((QList<int>{a->Wuerfel, a->Seiten, a->Zuschlag}), erwartet);
    // Every die is one draw; the sum lies in its range.
    Zufall::SaatSetzen(5);
    for (int i = 0; i < 200; ++i) {
        const int n = Begegnungen::Wuerfeln(*a);
        QVERIFY(n >= a->Wuerfel + a->Zuschlag && n <= a->Hoechstens());
    }
    Zufall::ProduktionSetzen();
}

void TestReiseDaten::tabelle_data()
{
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<int>("chance");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QStringList>("meldungen"); // their starts after "Begegnungen\Wald.dat, Zeile N: "
    QTest::newRow("ganz") << QStringList{"Chance 20", "Wolf\t1W6+1\t5", "", "Braunbär\t1\t2"} << 20
                          << QStringList{"Wolf", "Braunbär"} << QStringList();
    QTest::newRow("Kleinschreibung und Blanks") << QStringList{" chance  100 ", " Wolf \t 2 \t 1 "} << 100
                                                << QStringList{"Wolf"} << QStringList();
    QTest::newRow("Chance fehlt") << QStringList{"Wolf\t1\t1"} << 0 << QStringList()
                                  << QStringList{"Zeile 1: Die erste Zeile muss „Chance“"};
    QTest::newRow("Chance über 100") << QStringList{"Chance 101", "Wolf\t1\t1"} << 0 << QStringList()
                                     << QStringList{"Zeile 1: Die erste Zeile"};
    QTest::newRow("leere Datei") << QStringList() << 0 << QStringList() << QStringList{"Zeile 1: Die erste Zeile"};
    QTest::newRow("beschädigte Zeilen")
        << QStringList{"Chance 5", "Wolf 1W3 2", "Luchs\t1W0\t1", "Luchs\t1\t0", "Luchs\t1\t10001", "\t1\t1",
                       "Luchs\t1\t1\tmehr", "Reh\t1\t3"}
        << 5 << QStringList{"Reh"}
        << QStringList{"Zeile 2: Erwartet werden", "Zeile 3: „1W0“ ist keine Anzahl", "Zeile 4: „0“ ist kein Gewicht",
                       "Zeile 5: „10001“ ist kein Gewicht", "Zeile 6: Erwartet werden", "Zeile 7: Erwartet werden"};
}

void TestReiseDaten::tabelle()
{
    QFETCH(QStringList, zeilen);
    QFETCH(int, chance);
    QFETCH(QStringList, namen);
    QFETCH(QStringList, meldungen);
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("Data/Day/Begegnungen/Wald.dat"), zeilen);
    const Begegnungen::Tabelle t = Begegnungen::Lesen(QStringLiteral("Wald"));
    QVERIFY(t.Vorhanden);
    QCOMPARE(t.Chance, chance);
    QStringList gelesen;
    for (const Begegnungen::Zeile& z : t.Zeilen)
        gelesen.append(z.Name);
    QCOMPARE(gelesen, namen);
    QCOMPARE(t.Meldungen.size(), meldungen.size());
    for (qsizetype i = 0; i < meldungen.size(); ++i)
        QVERIFY2(t.Meldungen[i].startsWith(QStringLiteral("Begegnungen\\Wald.dat, ") + meldungen[i]), qPrintable(t.Meldungen[i]));
    // Another terrain, or none of the ten, has no table here.
    QVERIFY(!Begegnungen::Lesen(QStringLiteral("Sumpf")).Vorhanden);
    QVERIFY(!Begegnungen::Lesen(QStringLiteral("../Wald")).Vorhanden);
}

void TestReiseDaten::ziehen()
{
    const Begegnungen::Tabelle t =
        Begegnungen::AusZeilen({"Chance 20", "Wolf\t1W6+1\t5", "Luchs\t2\t3", "Bär\t2W4\t2"}, QStringLiteral("Wald"));
    const struct {
        QList<int> wuerfe;
        QString name; // empty: no encounter
        int anzahl;
        QList<int> seiten;
    } faelle[] = {
        {{21}, QString(), 0, {100}},
        {{20, 5, 3}, QStringLiteral("Wolf"), 4, {100, 10, 6}},
        {{1, 6}, QStringLiteral("Luchs"), 2, {100, 10}},
        {{7, 9, 4, 2}, QStringLiteral("Bär"), 6, {100, 10, 4, 4}},
    };
    for (const auto& f : faelle) {
        Zufall::Skript skript(f.wuerfe);
        const std::optional<Begegnungen::Begegnung> b = Begegnungen::Ziehen(t);
        QVERIFY(skript.Fehler().isEmpty());
        QCOMPARE(skript.Angefragt(), f.seiten);
        QCOMPARE(b.has_value(), !f.name.isEmpty());
        if (b) {
            QCOMPARE(b->Name, f.name);
            QCOMPARE(b->Anzahl, f.anzahl);
        }
    }
    // No chance or no lines: no roll at all.
    Zufall::Skript keine;
    QVERIFY(!Begegnungen::Ziehen(Begegnungen::AusZeilen({"Chance 0", "Wolf\t1\t1"}, QStringLiteral("Wald"))));
    QVERIFY(!Begegnungen::Ziehen(Begegnungen::AusZeilen({"Chance 100"}, QStringLiteral("Wald"))));
    QVERIFY(keine.Angefragt().isEmpty());
}

void TestReiseDaten::proviant_data()
{
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<int>("reittiere");
    QTest::addColumn<QStringList>("erwartet"); // Ware|Menge|Preis|Summe in Pfennig or "-"
    QTest::addColumn<qint64>("summe");
    QTest::addColumn<int>("meldungen");
    // 3 travellers, 10 days, 4 of them in the desert; the catalogue: Brot 5H, Hafer 2S, Schlauch 6S, Kaputt "viel".
    QTest::newRow("Tage je Stück aufgerundet")
        << QStringList{"Reisende\tBrot\t7", "Reittiere\tHafer\t5"} << 2
        << QStringList{"Brot|5|5H|250", "Hafer|4|2S|800"} << qint64(1050) << 0;
    QTest::newRow("Gelände und einmal je Kopf")
        << QStringList{"Reisende\tSchlauch\t0\tWüste", "Reittiere\tSchlauch\t2\tWüste", "Reisende\tBrot\t1\tSumpf"} << 2
        << QStringList{"Schlauch|7|6S|4200"} << qint64(4200) << 0;
    QTest::newRow("ohne Reittiere kein Futter") << QStringList{"Reittiere\tHafer\t1"} << 0 << QStringList() << qint64(0) << 0;
    QTest::newRow("fehlende Ware wird genannt")
        << QStringList{"Reisende\tZwieback\t1", "Reisende\tbrot \t10"} << 0
        << QStringList{"Zwieback|30||-", "Brot|3|5H|150"} << qint64(150) << 1;
    QTest::newRow("unlesbarer Preis") << QStringList{"Reisende\tKaputt\t1"} << 0 << QStringList{"Kaputt|30|viel|-"}
                                      << qint64(0) << 1;
    QTest::newRow("beschädigte Zeilen")
        << QStringList{"Pferde\tHafer\t1", "Reisende\tBrot", "Reisende\tBrot\t-1", "Reisende\tBrot\t1\tMoor", "",
                       "Reisende\tBrot\t10"}
        << 0 << QStringList{"Brot|3|5H|150"} << qint64(150) << 4;
}

void TestReiseDaten::proviant()
{
    QFETCH(QStringList, liste);
    QFETCH(int, reittiere);
    QFETCH(QStringList, erwartet);
    QFETCH(qint64, summe);
    QFETCH(int, meldungen);
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("Data/Day/Reiseproviant.dat"), liste);
    inst.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ItemKategorien.dat"), {"2", "Lebensmittel", "Reisebedarf"});
    inst.ZeilenSchreiben(QStringLiteral("Data/Warehouse/Lebensmittel.dat"),
                         {"Brot1", "1", "5H", "", "", "Hafer1", "5", "2S", "", "", "Kaputt1", "1", "viel", "", ""});
    inst.ZeilenSchreiben(QStringLiteral("Data/Warehouse/Reisebedarf.dat"),
                         {"Schlauch1", "1", "6S", "", "", "Hafer2", "1", "9D", "", ""});
    const Reiseproviant::Liste gelesen = Reiseproviant::Lesen();
    QStringList fehler;
    const auto katalog = Reiseproviant::Warenkatalog(&fehler);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(QLatin1Char('\n'))));
    const Reiseproviant::Rechnung r =
        Reiseproviant::Berechnen(gelesen, 3, reittiere, 10, {{QStringLiteral("Wüste"), 4}}, katalog);
    QStringList posten;
    for (const Einkauf& e : r.Einkaeufe)
        posten.append(QStringLiteral("%1|%2|%3|%4").arg(e.Ware).arg(e.Menge).arg(e.Preis,
                                                                                  e.Bepreist ? QString::number(e.Summe) : QStringLiteral("-")));
    QCOMPARE(posten, erwartet);
    QCOMPARE(r.Summe, summe);
    QCOMPARE(int(gelesen.Meldungen.size() + r.Meldungen.size()), meldungen);
}

void TestReiseDaten::mitgelieferteTabellen()
{
    TestInstallation inst;
    Kreaturentabellen::Kreaturentabelle datenbank;
    QCOMPARE(Kreaturentabellen::Laden(datenbank).Status, Kreaturentabellen::Ladestatus::Gelesen);
    for (const QString& g : DayEngine::Gelaendearten()) {
        const Begegnungen::Tabelle t = Begegnungen::Lesen(g);
        QVERIFY2(t.Vorhanden && t.Meldungen.isEmpty() && t.Chance > 0 && t.Zeilen.size() >= 5, qPrintable(g));
        // Creatures of the shipped database, exactly as it names them.
        for (const Begegnungen::Zeile& z : t.Zeilen) {
            const int zeile = Kreaturentabellen::ZeileSuchen(datenbank, z.Name);
            QVERIFY2(zeile >= 0 && datenbank.Zeilen[zeile].value(1) == z.Name, qPrintable(g + QStringLiteral(": ") + z.Name));
        }
    }
}

void TestReiseDaten::mitgelieferterProviant()
{
    TestInstallation inst;
    const Reiseproviant::Liste liste = Reiseproviant::Lesen();
    QVERIFY(liste.Meldungen.isEmpty());
    QVERIFY(liste.Eintraege.size() >= 3);
    const auto katalog = Reiseproviant::Warenkatalog();
    // Every good is in the catalogue with a price: a renamed good would otherwise vanish from the sum.
    for (const Reiseproviant::Posten& p : liste.Eintraege) {
        const Reiseproviant::Ware* w = Reiseproviant::Suchen(katalog, p.Ware);
        QVERIFY2(w && w->Name == p.Ware, qPrintable(p.Ware));
        bool ok = false;
        QVERIFY(Geld::Pfennig(w->Preis, &ok) > 0 && ok);
    }
}

QTEST_GUILESS_MAIN(TestReiseDaten)
#include "test_reise_daten.moc"
