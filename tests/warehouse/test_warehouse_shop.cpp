// The shop: prices, quantities and levels; the generator's quality table and region chances with scripted
// rolls, and what it reads from its two files.
#include "ExplorerEngine.h"
#include "Gegenstandstabelle.h"
#include "Kaeuflichkeit.h"
#include "Lagerhof3Variablen.h"
#include "Shopgenerator.h"
#include "Shopwaren.h"
#include "TestInstallation.h"
#include "WarehouseTestHilfe.h"
#include "Zufall.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace Shop;
using namespace WarehouseTest;

namespace {

const QString kConfig = QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat");

QStringList Preise(const Shopwaren& shop)
{
    QStringList p;
    for (const Shopware& w : shop.Waren)
        p.append(w.Preis);
    return p;
}

QStringList Texte(const Shopwaren& shop)
{
    QStringList t;
    for (const Shopware& w : shop.Waren)
        t.append(w.Text);
    return t;
}

Shopgenerator::Auftrag Auftrag(int qualitaet, const QString& region = QString())
{
    Shopgenerator::Auftrag a;
    a.Qualitaet = qualitaet;
    a.MitRegion = !region.isEmpty();
    a.Region = region;
    return a;
}

} // namespace

class TestWarehouseShop : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ExplorerEngine::RegionenInitialisieren(); }

    void preistext_data();
    void preistext();
    void katalogpreisBeimHinzufuegen();
    void zweiWaehrungenBillig();
    void anzahlErsetztDieVorige();
    void entfernenNummeriertUm();
    void neuerPreisBehaeltWaehrung();
    void betragOhneZahlBleibtText();

    void qualitaetstabelle_data();
    void qualitaetstabelle();
    void ohneKlasseNieUndWurfVerbraucht();
    void regionschance_data();
    void regionschance();
    void regionenMitGescriptetenWuerfen();
    void regionsabstand_data();
    void regionsabstand();
    void kaeuflichkeit_data();
    void kaeuflichkeit();
    void unkaeuflichesBleibtDraussen_data();
    void unkaeuflichesBleibtDraussen();

    void konfigurationLesen();
    void generierenZiehtDoppelteKategorieZweimal();
    void riesigerWareCountBleibtSchnell();
    void shopsarten();
};

void TestWarehouseShop::preistext_data()
{
    QTest::addColumn<qint64>("betrag");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<QString>("text");
    QTest::newRow("0,7") << qint64(1) << 0 << "0,7";
    QTest::newRow("8,5") << qint64(10) << 1 << "8,5";
    QTest::newRow("3,4") << qint64(4) << 1 << "3,4";
    QTest::newRow("2,55") << qint64(3) << 1 << "2,55";
    QTest::newRow("ganz") << qint64(7) << 2 << "7";
    QTest::newRow("teuer") << qint64(10) << 3 << "12";
    QTest::newRow("Wucher") << qint64(3) << 4 << "4,5";
    QTest::newRow("null") << qint64(0) << 4 << "0";
    QTest::newRow("negativ") << qint64(-3) << 1 << "-2,55";
    QTest::newRow("über 16 Bit") << qint64(100000) << 4 << "150000";
}

void TestWarehouseShop::preistext()
{
    QFETCH(qint64, betrag);
    QFETCH(int, stufe);
    QFETCH(QString, text);
    QCOMPARE(Preistext(betrag, Preisfaktor(stufe)), text);
}

void TestWarehouseShop::katalogpreisBeimHinzufuegen()
{
    Shopwaren shop;
    // "Teuer" is chosen, but a good comes in with its catalogue price.
    const QStringList seil = Ware(QStringLiteral("Seil"), QStringLiteral("2"), QStringLiteral("10D"), QStringLiteral("BO|"));
    QCOMPARE(ShopwareHinzufuegen(shop, seil), 0);
    QCOMPARE(shop.Waren[0].Text, QStringLiteral("Seil"));
    QCOMPARE(shop.Waren[0].Preis, QStringLiteral("10D"));
    QCOMPARE(shop.Waren[0].Gewicht, QStringLiteral("5"));
    QCOMPARE(shop.Waren[0].Feld0, QStringLiteral("Seil2"));
    QCOMPARE(shop.Waren[0].Regionen, QStringLiteral("BO|"));
    PreiseBerechnen(shop, 0);
    QCOMPARE(shop.Waren[0].Preis, QStringLiteral("7D"));
    PreiseBerechnen(shop, 3);
    QCOMPARE(shop.Waren[0].Preis, QStringLiteral("12D"));
    QCOMPARE(Listenzeile(shop, 0), QStringLiteral("Seil\t5\t12D\t0"));
}

void TestWarehouseShop::zweiWaehrungenBillig()
{
    Shopwaren shop;
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("10D")));
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("4S")));
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("C"), QStringLiteral("1"), QStringLiteral("1P")));
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("D"), QStringLiteral("1"), QStringLiteral("2,5H")));
    PreiseBerechnen(shop, 1);
    // 2,5 is rounded half to even to 2 before the factor.
    QCOMPARE(Preise(shop), (QStringList{"8,5D", "3,4S", "0,85P", "1,7H"}));
}

void TestWarehouseShop::anzahlErsetztDieVorige()
{
    Shopwaren shop;
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("Seil")));
    AnzahlSetzen(shop, 0, QStringLiteral("3"));
    QCOMPARE(shop.Waren[0].Text, QStringLiteral("Seil (x3)"));
    AnzahlSetzen(shop, 0, QStringLiteral("5"));
    QCOMPARE(shop.Waren[0].Text, QStringLiteral("Seil (x5)"));
    AnzahlSetzen(shop, 0, QString());
    QCOMPARE(shop.Waren[0].Text, QStringLiteral("Seil (x5)"));
    AnzahlSetzen(shop, 0, QStringLiteral("ein paar"));
    QCOMPARE(shop.Waren[0].Text, QStringLiteral("Seil (xein paar)"));
    AnzahlSetzen(shop, 3, QStringLiteral("2"));
    QCOMPARE(shop.Shopwarenzahl(), 1);
}

void TestWarehouseShop::entfernenNummeriertUm()
{
    Shopwaren shop;
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("10D")));
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("20S")));
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("C"), QStringLiteral("1"), QStringLiteral("30H")));
    QVERIFY(ShopwareEntfernen(shop, 0));
    QVERIFY(!ShopwareEntfernen(shop, 2));
    QCOMPARE(Listenzeile(shop, 0), QStringLiteral("B\t5\t20S\t0"));
    QCOMPARE(Listenzeile(shop, 1), QStringLiteral("C\t5\t30H\t1"));
    PreiseBerechnen(shop, 4);
    QCOMPARE(Preise(shop), (QStringList{"30S", "45H"}));
}

void TestWarehouseShop::neuerPreisBehaeltWaehrung()
{
    Shopwaren shop;
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("10D")));
    ShopwareHinzufuegen(shop, {QStringLiteral("B1"), QStringLiteral("1"), QStringLiteral("12"), QString(), QString()});
    NeuerPreis(shop, 0, QStringLiteral("9"));
    NeuerPreis(shop, 1, QStringLiteral("3"));
    QCOMPARE(Preise(shop), (QStringList{"9D", "3"}));
    NeuerPreis(shop, 0, QString());
    QCOMPARE(shop.Waren[0].Preis, QStringLiteral("9D"));
    // A level replaces a typed price: the catalogue amount is kept.
    PreiseBerechnen(shop, 2);
    QCOMPARE(Preise(shop), (QStringList{"10D", "12"}));
}

void TestWarehouseShop::betragOhneZahlBleibtText()
{
    Shopwaren shop;
    ShopwareHinzufuegen(shop, {QStringLiteral("A1"), QString(), QStringLiteral("auf AnfrageD"), QString(), QString()});
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("1,5S")));
    ShopwareHinzufuegen(shop, Ware(QStringLiteral("C"), QStringLiteral("1"), QStringLiteral("1.5S")));
    PreiseBerechnen(shop, 2);
    QCOMPARE(Preise(shop), (QStringList{"auf AnfrageD", "2S", "2S"}));
    PreiseBerechnen(shop, 7);
    QCOMPARE(Preise(shop), (QStringList{"auf AnfrageD", "2S", "2S"}));
}

void TestWarehouseShop::qualitaetstabelle_data()
{
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<int>("qualitaet");
    QTest::addColumn<int>("sechstel");
    const int tabelle[5][5] = {{4, 5, 6, 6, 6}, {3, 4, 5, 6, 6}, {2, 3, 4, 5, 6}, {1, 2, 3, 4, 5}, {0, 0, 1, 2, 3}};
    for (int c = 0; c < 5; ++c)
        for (int q = 0; q < 5; ++q)
            QTest::addRow("Klasse %d Qualität %d", c + 1, q + 1) << QString::number(c + 1) << q + 1 << tabelle[c][q];
}

void TestWarehouseShop::qualitaetstabelle()
{
    QFETCH(QString, klasse);
    QFETCH(int, qualitaet);
    QFETCH(int, sechstel);
    // Six goods of the class, rolled 1 to 6 in turn: the number that pass is the table's chance in sixths.
    QList<QStringList> waren;
    for (int w = 1; w <= 6; ++w)
        waren.append(Ware(QStringLiteral("Ware%1-").arg(w), klasse));
    Zufall::Skript wuerfe({1, 2, 3, 4, 5, 6});
    Shopwaren shop;
    QCOMPARE(Shopgenerator::WarenZiehen(waren, Auftrag(qualitaet), shop), sechstel);
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{6, 6, 6, 6, 6, 6}));
    QVERIFY(wuerfe.Fehler().isEmpty());
    // The highest rolls pass.
    for (int i = 0; i < shop.Shopwarenzahl(); ++i)
        QCOMPARE(shop.Waren[i].Text, QStringLiteral("Ware%1-").arg(7 - sechstel + i));
}

void TestWarehouseShop::ohneKlasseNieUndWurfVerbraucht()
{
    const QList<QStringList> waren = {{QStringLiteral("Seil"), QString(), QStringLiteral("1D"), QString(), QString()},
                                      {QString(), QString(), QStringLiteral("1D"), QString(), QString()},
                                      Ware(QStringLiteral("Tau"))};
    Zufall::Skript wuerfe({6, 6, 6});
    Shopwaren shop;
    QCOMPARE(Shopgenerator::WarenZiehen(waren, Auftrag(5), shop), 1);
    QCOMPARE(shop.Waren[0].Text, QStringLiteral("Tau"));
    QCOMPARE(wuerfe.Uebrig(), 0);
}

void TestWarehouseShop::regionschance_data()
{
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("zwanzigstel");
    const int chancen[] = {19, 16, 13, 10, 7, 4, 1, 0, 0};
    for (int d = 0; d < 9; ++d)
        QTest::addRow("d %d", d) << d << chancen[d];
}

void TestWarehouseShop::regionschance()
{
    QFETCH(int, d);
    QFETCH(int, zwanzigstel);
    int treffer = 0;
    for (int w = 1; w <= 20; ++w)
        treffer += Shopgenerator::Regionstest(d, w) ? 1 : 0;
    QCOMPARE(treffer, zwanzigstel);
}

void TestWarehouseShop::regionenMitGescriptetenWuerfen()
{
    // Quality 5 lets the class-1 goods pass every roll, so only the W20 decides.
    const QList<QStringList> waren = {
        Ware(QStringLiteral("Hier"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("NO|WE|")),   // d 0
        Ware(QStringLiteral("Hier2"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("WE|")),     // d 0
        Ware(QStringLiteral("Nachbar"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("NO|")),   // d 1
        Ware(QStringLiteral("Nachbar2"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("NO|")),  // d 1
        Ware(QStringLiteral("Fern"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("WA|SÜ|")),   // d 2
        Ware(QStringLiteral("Fern2"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("WA|")),     // d 2
        Ware(QStringLiteral("Nirgends"), QStringLiteral("1"), QStringLiteral("1D"), QString()),              // no W20
        Ware(QStringLiteral("Unbekannt"), QStringLiteral("1"), QStringLiteral("1D"), QStringLiteral("XX|")), // no W20
        Ware(QStringLiteral("Selten"), QStringLiteral("5"), QStringLiteral("1D"), QStringLiteral("WE|"))};   // fails W6
    Zufall::Skript wuerfe({6, 19, 6, 20, 6, 16, 6, 17, 6, 13, 6, 14, 6, 6, 1});
    Shopwaren shop;
    QCOMPARE(Shopgenerator::WarenZiehen(waren, Auftrag(5, QStringLiteral("WE")), shop), 3);
    QCOMPARE(Texte(shop), (QStringList{"Hier", "Nachbar", "Fern"}));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{6, 20, 6, 20, 6, 20, 6, 20, 6, 20, 6, 20, 6, 6, 6}));
    QCOMPARE(wuerfe.Uebrig(), 0);

    // Without the region box the same goods need their W6 only.
    Zufall::Skript ohne({6, 6, 6, 6, 6, 6, 6, 6, 6});
    Shopwaren alle;
    QCOMPARE(Shopgenerator::WarenZiehen(waren, Auftrag(5), alle), 9);
}

void TestWarehouseShop::regionsabstand_data()
{
    QTest::addColumn<QString>("regionen");
    QTest::addColumn<QString>("region");
    QTest::addColumn<int>("d");
    QTest::newRow("genannt") << "NO|WE|" << "WE" << 0;
    QTest::newRow("Nachbar") << "NO|" << "WE" << 1;
    QTest::newRow("kleinster") << "WA|TH|" << "OR" << 1;
    QTest::newRow("weit") << "FI|" << "WA" << 2;
    QTest::newRow("eine Richtung") << "TO|" << "HA" << 1;
    QTest::newRow("andere Richtung") << "HA|" << "TO" << 2;
    QTest::newRow("unbekannt") << "XX|" << "WE" << -1;
    QTest::newRow("unbekannt und Nachbar") << "XX|NO|" << "WE" << 1;
    QTest::newRow("leer") << "" << "WE" << -1;
}

void TestWarehouseShop::regionsabstand()
{
    QFETCH(QString, regionen);
    QFETCH(QString, region);
    QFETCH(int, d);
    QCOMPARE(Shopgenerator::Regionsabstand(regionen, region), d);
}

void TestWarehouseShop::kaeuflichkeit_data()
{
    using Kaeuflichkeit::Art;
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("hinweis");
    QTest::newRow("frei") << "Ein Seil aus Hanf, nur zwei Finger dick." << int(Art::Frei) << "";
    QTest::newRow("nicht kaeuflich") << "Alt. Nicht käuflich, nur als Fundstück zu erlangen." << int(Art::Nie)
                                     << "Nicht käuflich, nur als Fundstück zu erlangen.";
    QTest::newRow("im Namen") << "Bogen des Sturmrufs (nicht käuflich)" << int(Art::Nie) << "Nicht käuflich";
    QTest::newRow("unverkaeuflich") << "Gilt in jeder Zunft als unverkäuflich!" << int(Art::Nie)
                                    << "Gilt in jeder Zunft als unverkäuflich!";
    QTest::newRow("nur an") << "Schwer. Wird meist nur an Stadtwachen verkauft." << int(Art::Beschraenkt)
                            << "Wird meist nur an Stadtwachen verkauft.";
    QTest::newRow("nur an ohne Verkauf") << "Nur an der Spitze geschliffen." << int(Art::Frei) << "";
    QTest::newRow("Schnur an") << "Mit einer Schnur an der Seite, gern verkauft." << int(Art::Frei) << "";
    QTest::newRow("Bestellung") << "Nur auf Bestellung bei einem Plattner, Fertigung mehrere Monate." << int(Art::Beschraenkt)
                                << "Nur auf Bestellung bei einem Plattner, Fertigung mehrere Monate.";
    QTest::newRow("nur ... auf Bestellung") << "Ein Kuchen, den nur ein Meister auf Bestellung backt." << int(Art::Beschraenkt)
                                            << "Ein Kuchen, den nur ein Meister auf Bestellung backt.";
    QTest::newRow("Bestellung ohne nur") << "Gibt es auch auf Bestellung. Nur selten." << int(Art::Frei) << "";
    QTest::newRow("Vorbestellung") << "Nur auf Vorbestellung." << int(Art::Frei) << "";
    QTest::newRow("das Strengere") << "Wird nur an Zwerge verkauft. Den Menschen unverkäuflich." << int(Art::Nie)
                                   << "Den Menschen unverkäuflich.";
}

void TestWarehouseShop::kaeuflichkeit()
{
    QFETCH(QString, text);
    QFETCH(int, art);
    QFETCH(QString, hinweis);
    const Kaeuflichkeit::Urteil u = Kaeuflichkeit::TextPruefen(text);
    QCOMPARE(int(u.Stufe), art);
    QCOMPARE(u.Hinweis, hinweis);
}

void TestWarehouseShop::unkaeuflichesBleibtDraussen_data()
{
    QTest::addColumn<int>("qualitaet");
    QTest::addColumn<bool>("mitArmory");
    QTest::addColumn<QStringList>("texte");
    QTest::addColumn<QStringList>("hinweise");
    const QString zwerge = QStringLiteral("Wird nur an Zwerge verkauft.");
    const QString plattner = QStringLiteral("Nur auf Bestellung bei einem Plattner.");
    QTest::newRow("Qualität 4") << 4 << true << QStringList{"Seil"} << QStringList{QString()};
    QTest::newRow("Qualität 5") << 5 << true << QStringList{"Seil", "Zwergenaxt", "Turnierharnisch"}
                                << QStringList{QString(), zwerge, plattner};
    // Without the armory's records only the goods' own texts count.
    QTest::newRow("Qualität 5 ohne Waffenkammer") << 5 << false << QStringList{"Seil", "Zwergenaxt", "Turnierharnisch", "Bogen"}
                                                  << QStringList{QString(), zwerge, QString(), QString()};
    QTest::newRow("Qualität 4 ohne Waffenkammer") << 4 << false << QStringList{"Seil", "Turnierharnisch", "Bogen"}
                                                  << QStringList{QString(), QString(), QString()};
}

void TestWarehouseShop::unkaeuflichesBleibtDraussen()
{
    QFETCH(int, qualitaet);
    QFETCH(bool, mitArmory);
    QFETCH(QStringList, texte);
    QFETCH(QStringList, hinweise);
    TestInstallation installation(false);
    // The armory says what the warehouse's copies of its records do not.
    QStringList bogen(23);
    bogen[1] = QStringLiteral("Bogen");
    bogen[10] = QStringLiteral("Nicht käuflich, nur als Fundstück zu erlangen.");
    QStringList harnisch(20);
    harnisch[1] = QStringLiteral("Turnierharnisch");
    harnisch[3] = QStringLiteral("Glänzend. Nur auf Bestellung bei einem Plattner.");
    installation.ZeilenSchreiben(QStringLiteral("Data/Armory/Fernwaffen.dat"), TestDatenbank::Datei({bogen}));
    installation.ZeilenSchreiben(QStringLiteral("Data/Armory/Rüstungen.dat"), TestDatenbank::Datei({harnisch}));
    const Kaeuflichkeit::Armoryurteile armory = mitArmory ? Kaeuflichkeit::ArmoryLesen() : Kaeuflichkeit::Armoryurteile();
    const QString einfach = QStringLiteral("Ein Testgegenstand.");
    const QList<QStringList> waren = {
        Ware(QStringLiteral("Seil")),
        Ware(QStringLiteral("Erbstück"), QStringLiteral("1"), QStringLiteral("1D"), {}, {}, QStringLiteral("Nicht käuflich.")),
        Ware(QStringLiteral("Sturmbogen (Nicht käuflich)")),
        Ware(QStringLiteral("Zwergenaxt"), QStringLiteral("1"), QStringLiteral("1D"), {}, {}, QStringLiteral("Wird nur an Zwerge verkauft.")),
        Ware(QStringLiteral("Turnierharnisch"), QStringLiteral("1"), QStringLiteral("1D"), {}, {}, einfach),
        Ware(QStringLiteral("Bogen"), QStringLiteral("1"), QStringLiteral("1D"), {}, {}, einfach)};
    // Every good has its roll, whether it may be sold or not, so the others keep theirs.
    Zufall::Skript wuerfe(QList<int>(6, 6));
    Shopwaren shop;
    QCOMPARE(Shopgenerator::WarenZiehen(waren, Auftrag(qualitaet), shop, armory), int(texte.size()));
    QCOMPARE(Texte(shop), texte);
    QStringList gezeigt;
    for (const Shopware& w : shop.Waren)
        gezeigt.append(w.Hinweis);
    QCOMPARE(gezeigt, hinweise);
    QCOMPARE(wuerfe.Uebrig(), 0);
}

void TestWarehouseShop::konfigurationLesen()
{
    TestInstallation installation;
    installation.ZeilenSchreiben(kConfig, {QStringLiteral("[Testladen]"), QStringLiteral("WareCount=5"),
                                           QStringLiteral("Ware1=Kerzen"), QStringLiteral("Ware3=../geheim"),
                                           QStringLiteral("Ware4=ItemKategorien"), QStringLiteral("Ware5=Seilerei"),
                                           QStringLiteral("Ware6=Leer"), QStringLiteral("[Kaputt]"),
                                           QStringLiteral("WareCount=zwei"), QStringLiteral("Ware1=Kerzen"),
                                           QStringLiteral("[Tausend]"), QStringLiteral("WareCount=1.000"),
                                           QStringLiteral("Ware2=Kerzen")});
    QCOMPARE(Shopgenerator::WareCount(QStringLiteral("Testladen")), 5);
    QCOMPARE(Shopgenerator::Warenkategorien(QStringLiteral("testladen")), (QStringList{"Kerzen", "Seilerei"}));
    QCOMPARE(Shopgenerator::WareCount(QStringLiteral("Kaputt")), 0);
    QVERIFY(Shopgenerator::Warenkategorien(QStringLiteral("Kaputt")).isEmpty());
    QCOMPARE(Shopgenerator::WareCount(QStringLiteral("Fehlt")), 0);
    QCOMPARE(Shopgenerator::Warenkategorien(QStringLiteral("Tausend")), QStringList{QStringLiteral("Kerzen")});
}

void TestWarehouseShop::generierenZiehtDoppelteKategorieZweimal()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    installation.ZeilenSchreiben(kConfig, {QStringLiteral("[Kerzenzieher]"), QStringLiteral("WareCount=3"),
                                           QStringLiteral("Ware1=Kerzen"), QStringLiteral("Ware2=Gibtsnicht"),
                                           QStringLiteral("Ware3=Kerzen")});
    Zufall::Skript wuerfe({6, 6, 6, 1});
    Shopwaren shop;
    Shopgenerator::Auftrag a = Auftrag(3);
    a.Shopart = QStringLiteral("Kerzenzieher");
    // Talglicht (class 1) and Wachskerze (class 3) twice; the last roll of 1 fails the class-3 test.
    QCOMPARE(Shopgenerator::Generieren(a, shop), 3);
    QCOMPARE(Texte(shop), (QStringList{"Talglicht", "Wachskerze", "Talglicht"}));
    QCOMPARE(Preise(shop), (QStringList{"3H", "1S", "3H"}));
    QCOMPARE(wuerfe.Uebrig(), 0);

    Shopwaren leer;
    a.Shopart = QStringLiteral("Unbekannt");
    QCOMPARE(Shopgenerator::Generieren(a, leer), 0);
    QCOMPARE(leer.Shopwarenzahl(), 0);
}

void TestWarehouseShop::riesigerWareCountBleibtSchnell()
{
    TestInstallation installation;
    installation.ZeilenSchreiben(kConfig, {QStringLiteral("[Riese]"), QStringLiteral("WareCount=2000000000"),
                                           QStringLiteral("Ware1=Kerzen"), QStringLiteral("Ware9=Seilerei"),
                                           QStringLiteral("[Luecke]"), QStringLiteral("WareCount=99"),
                                           QStringLiteral("Ware99=Kerzen")});
    QElapsedTimer uhr;
    uhr.start();
    QCOMPARE(Shopgenerator::Warenkategorien(QStringLiteral("Riese")), (QStringList{"Kerzen", "Seilerei"}));
    QVERIFY(uhr.elapsed() < 2000);
    // A key far beyond the others is still found.
    QCOMPARE(Shopgenerator::Warenkategorien(QStringLiteral("Luecke")), (QStringList{"Kerzen"}));
}

void TestWarehouseShop::shopsarten()
{
    TestInstallation installation;
    QString meldung;
    const QStringList geliefert = Shopgenerator::Shopsarten(&meldung);
    QVERIFY(meldung.isEmpty());
    QVERIFY(geliefert.size() >= 15);
    // Every shipped kind of shop has its section, naming listed categories only.
    Lagerhof3Variablen::Zuruecksetzen();
    Lagerhof3Variablen::Starten();
    for (const QString& art : geliefert) {
        const QStringList kategorien = Shopgenerator::Warenkategorien(art);
        QVERIFY2(!kategorien.isEmpty(), qPrintable(art));
        QCOMPARE(kategorien.size(), Shopgenerator::WareCount(art));
        for (const QString& k : kategorien)
            QVERIFY2(Lagerhof3Variablen::Kategorien.contains(k), qPrintable(art + QStringLiteral(": ") + k));
    }

    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"),
                                 {QStringLiteral("Krämer"), QString(), QStringLiteral("  "), QStringLiteral("Bäcker"),
                                  QStringLiteral("Krämer")});
    QCOMPARE(Shopgenerator::Shopsarten(&meldung), (QStringList{"Krämer", "Bäcker"}));
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"), {});
    QVERIFY(Shopgenerator::Shopsarten(&meldung).isEmpty());
    QVERIFY(meldung.contains(QStringLiteral("leer")));
    QFile::remove(installation.Pfad(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")));
    QVERIFY(Shopgenerator::Shopsarten(&meldung).isEmpty());
    QVERIFY(meldung.contains(QStringLiteral("nicht gelesen")));
}

QTEST_GUILESS_MAIN(TestWarehouseShop)
#include "test_warehouse_shop.moc"
