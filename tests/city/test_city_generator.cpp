// The city generator: population tables, quality and price, events, and whole pages from scripted rolls.
#include "CityEngine.h"
#include "CityTestHilfe.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QBuffer>
#include <QtTest>

using namespace CityEngine;

namespace {

QStringList Seite(const Generatoreingaben& e)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    StadtGenerieren(e, puffer);
    QStringList zeilen = Zeilendatei::AusCodepage(puffer.data()).split(QStringLiteral("\r\n"));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

const QStringList kKopf = {QStringLiteral("<html>"), QStringLiteral("<head>")};

QStringList Inhaltsverzeichnis()
{
    return {QStringLiteral("<A HREF=\"#Stadtinfos\">Grundlegende Stadtinformationen</A></BR>"),
            QStringLiteral("<A HREF=\"#Hotels\">Gasthäuser / Hotels</A></BR>"),
            QStringLiteral("<A HREF=\"#Tavernen\">Tavernen / Gaststätten</A></BR>"),
            QStringLiteral("<A HREF=\"#Handwerker1\">Handwerker 1</A></BR>"),
            QStringLiteral("<A HREF=\"#Handwerker2\">Handwerker 2</A></BR>"),
            QStringLiteral("<A HREF=\"#Handwerker3\">Handwerker 3</A></BR>"),
            QStringLiteral("<A HREF=\"#Handel1\">Händler 1</A></BR>"),
            QStringLiteral("<A HREF=\"#Handel2\">Händler 2</A></BR>"),
            QStringLiteral("<A HREF=\"#Handel3\">Händler 3</A></BR>"),
            QStringLiteral("<A HREF=\"#Dienst1\">Dienstleistungen 1</A></BR>"),
            QStringLiteral("<A HREF=\"#Dienst2\">Dienstleistungen 2</A></BR>"),
            QStringLiteral("<A HREF=\"#Heiler\">Heiler</A></BR>")};
}

QStringList Leer(int n)
{
    return QStringList(n, QStringLiteral("</BR>"));
}

QStringList Abschnittskopf(const QString& anker, const QString& ueberschrift, const QString& spalten)
{
    QStringList z = {QStringLiteral("<A NAME=\"%1\"></A>").arg(anker), QStringLiteral("<HR WIDTH=100%>"),
                     QStringLiteral("<H3>%1</H3>").arg(ueberschrift)};
    if (!spalten.isEmpty())
        z << spalten + QStringLiteral("</BR>");
    return z;
}

QStringList Abschnittsfuss()
{
    return {QStringLiteral("<HR WIDTH=100%>"), QStringLiteral("</BR>"),
            QStringLiteral("<A HREF=\"#Start\">Nach oben</A></BR>")};
}

// A section of the generator's page: from its anchor to the next "Nach oben" link.
QStringList Abschnitt(const QStringList& seite, const QString& anker)
{
    const qsizetype anfang = seite.indexOf(QStringLiteral("<A NAME=\"%1\"></A>").arg(anker));
    if (anfang < 0)
        return {};
    qsizetype ende = anfang;
    while (ende < seite.size() && !seite[ende].contains(QLatin1String("Nach oben")))
        ++ende;
    return seite.mid(anfang, ende - anfang + 1);
}

// The page without separators and the location line, and without the businesses of the given trades (the bold
// line and the owner and event lines under it).
QStringList OhneBerufe(const QStringList& seite, const QStringList& berufe)
{
    QStringList aus;
    bool weglassen = false;
    for (const QString& z : seite) {
        if (z.startsWith(QLatin1String("<B>")))
            weglassen = std::any_of(berufe.begin(), berufe.end(), [&z](const QString& b) {
                return z.startsWith(QStringLiteral("<B>") + b);
            });
        else if (!z.startsWith(QLatin1String("* ")))
            weglassen = false;
        if (!weglassen && z != QLatin1String("********************</BR>") && !z.startsWith(QLatin1String("<B>Lage:</B>")))
            aus.append(z);
    }
    return aus;
}

int Betriebe(const QStringList& abschnitt)
{
    int n = 0;
    for (const QString& z : abschnitt)
        if (z.startsWith(QLatin1String("<B>")) && !z.startsWith(QLatin1String("<B>Im Ort:")))
            ++n;
    return n;
}

} // namespace

class TestCityGenerator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stadtgroesse_data();
    void stadtgroesse();
    void gasthaeuserNieNegativ();
    void qualitaetsstufe_data();
    void qualitaetsstufe();
    void preisstufe_data();
    void preisstufe();
    void einwohnerLesen_data();
    void einwohnerLesen();
    void zufallsereignis_data();
    void zufallsereignis();
    void seiteUnterFuenfzigEinwohnern();
    void seiteMitZwanzigEinwohnernOhneTempel();
    void ganzeSeiteAusGeskriptetenWuerfen();
    void betriebeProBeruf_data();
    void betriebeProBeruf();
    void reichUndNiedrigHebenPreise();
    void fehlendeDateienGebenLeereAbschnitte();
    void lageUndGroesseBestimmenBerufe_data();
    void lageUndGroesseBestimmenBerufe();
    void dateiWirdGanzGeschrieben();
};

void TestCityGenerator::stadtgroesse_data()
{
    QTest::addColumn<int>("einwohner");
    QTest::addColumn<QList<int>>("wuerfe");
    QTest::addColumn<QList<int>>("seiten");
    QTest::addColumn<QList<int>>("anzahlen"); // Tempel, Gasthäuser, Tavernen
    QTest::addColumn<QString>("durchfahrende");
    QTest::addColumn<QString>("markt");
    QTest::addColumn<QList<int>>("verschiebungen"); // quality, price A, price B

    const QString gel = QStringLiteral("Gelegentlich Durchfahrende");
    const QString hae = QStringLiteral("Häufig Durchfahrende");
    const QString sta = QStringLiteral("Ständig Durchfahrende, außerdem Straßenhändler");
    QTest::newRow("1") << 1 << QList<int>{} << QList<int>{} << QList<int>{0, 0, 1} << gel << QStringLiteral("Nie") << QList<int>{0, 3, -5};
    QTest::newRow("20") << 20 << QList<int>{} << QList<int>{} << QList<int>{0, 0, 1} << gel << QStringLiteral("Nie") << QList<int>{0, 3, -5};
    QTest::newRow("21") << 21 << QList<int>{2, 3, 2} << QList<int>{2, 3, 2} << QList<int>{1, 1, 2} << gel << QStringLiteral("Nie") << QList<int>{1, 3, -5};
    QTest::newRow("100") << 100 << QList<int>{2, 3, 2} << QList<int>{2, 3, 2} << QList<int>{1, 1, 2} << gel << QStringLiteral("Nie") << QList<int>{1, 3, -5};
    QTest::newRow("101") << 101 << QList<int>{2, 3, 2} << QList<int>{2, 3, 2} << QList<int>{2, 2, 3} << gel << QStringLiteral("Nie") << QList<int>{2, 2, -3};
    QTest::newRow("250") << 250 << QList<int>{1, 1, 1} << QList<int>{2, 3, 2} << QList<int>{1, 0, 2} << gel << QStringLiteral("Nie") << QList<int>{2, 2, -3};
    QTest::newRow("251") << 251 << QList<int>{3, 2, 3} << QList<int>{3, 2, 3} << QList<int>{3, 3, 4} << gel << QStringLiteral("2 Tage im Monat") << QList<int>{2, 2, -2};
    QTest::newRow("500") << 500 << QList<int>{1, 1, 1} << QList<int>{3, 2, 3} << QList<int>{1, 2, 2} << gel << QStringLiteral("2 Tage im Monat") << QList<int>{2, 2, -2};
    QTest::newRow("501") << 501 << QList<int>{2, 3, 3} << QList<int>{2, 3, 3} << QList<int>{3, 4, 5} << hae << QStringLiteral("4 Tage im Monat") << QList<int>{3, 2, -1};
    QTest::newRow("1000") << 1000 << QList<int>{1, 1, 1} << QList<int>{2, 3, 3} << QList<int>{2, 2, 3} << hae << QStringLiteral("4 Tage im Monat") << QList<int>{3, 2, -1};
    QTest::newRow("1001") << 1001 << QList<int>{3, 3, 3} << QList<int>{3, 3, 3} << QList<int>{5, 6, 6} << hae << QStringLiteral("8 Tage im Monat") << QList<int>{1, 0, 0};
    QTest::newRow("2500") << 2500 << QList<int>{1, 1, 1} << QList<int>{3, 3, 3} << QList<int>{3, 4, 4} << hae << QStringLiteral("8 Tage im Monat") << QList<int>{1, 0, 0};
    QTest::newRow("2501") << 2501 << QList<int>{3, 3, 3} << QList<int>{3, 3, 3} << QList<int>{6, 8, 8} << sta << QStringLiteral("12 Tage im Monat") << QList<int>{-1, 1, 1};
    QTest::newRow("5000") << 5000 << QList<int>{1, 1, 1} << QList<int>{3, 3, 3} << QList<int>{4, 6, 6} << sta << QStringLiteral("12 Tage im Monat") << QList<int>{-1, 1, 1};
    QTest::newRow("5001") << 5001 << QList<int>{4, 6, 6} << QList<int>{4, 6, 6} << QList<int>{9, 13, 13} << sta << QStringLiteral("Jeden Tag") << QList<int>{0, 2, 3};
    QTest::newRow("10000") << 10000 << QList<int>{1, 1, 1} << QList<int>{4, 6, 6} << QList<int>{6, 8, 8} << sta << QStringLiteral("Jeden Tag") << QList<int>{0, 2, 3};
    QTest::newRow("10001") << 10001 << QList<int>{4, 8, 9} << QList<int>{4, 8, 9} << QList<int>{12, 18, 18} << sta << QStringLiteral("Jeden Tag") << QList<int>{0, 2, 3};
    QTest::newRow("20000") << 20000 << QList<int>{1, 1, 1} << QList<int>{4, 8, 9} << QList<int>{9, 11, 10} << sta << QStringLiteral("Jeden Tag") << QList<int>{0, 2, 3};
}

void TestCityGenerator::stadtgroesse()
{
    QFETCH(int, einwohner);
    QFETCH(QList<int>, wuerfe);
    QFETCH(QList<int>, seiten);
    QFETCH(QList<int>, anzahlen);
    QFETCH(QString, durchfahrende);
    QFETCH(QString, markt);
    QFETCH(QList<int>, verschiebungen);
    Zufall::Skript skript(wuerfe);
    const Stadtwerte w = Stadtgroesse(einwohner);
    QCOMPARE(skript.Angefragt(), seiten);
    QVERIFY2(skript.Fehler().isEmpty(), qPrintable(skript.Fehler().join(QLatin1Char(';'))));
    QCOMPARE((QList<int>{w.Tempel, w.Gasthaeuser, w.Tavernen}), anzahlen);
    QCOMPARE(w.Durchfahrende, durchfahrende);
    QCOMPARE(w.Markt, markt);
    QCOMPARE((QList<int>{w.Qualitaetsverschiebung, w.PreisverschiebungA, w.PreisverschiebungB}), verschiebungen);
}

void TestCityGenerator::gasthaeuserNieNegativ()
{
    Zufall::Skript skript({1, 1, 1});
    const Stadtwerte w = Stadtgroesse(60);
    QCOMPARE(w.Tempel, 0);
    QCOMPARE(w.Gasthaeuser, 0); // Z3-2 with a 1 is -1, counted as 0
    QCOMPARE(w.Tavernen, 1);
}

void TestCityGenerator::qualitaetsstufe_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("grundpreis");
    const int tabelle[][3] = {{-1, 5, -3}, {0, 5, -3}, {1, 1, 4}, {2, 1, 4},   {3, 2, 2},   {6, 2, 2},  {7, 3, 0},
                              {14, 3, 0},  {15, 4, -1}, {18, 4, -1}, {19, 5, -3}, {21, 5, -3}, {23, 5, -3}};
    for (const auto& z : tabelle)
        QTest::addRow("r=%d", z[0]) << z[0] << z[1] << z[2];
}

void TestCityGenerator::qualitaetsstufe()
{
    QFETCH(int, r);
    QFETCH(int, stufe);
    QFETCH(int, grundpreis);
    QCOMPARE(Qualitaetsstufe(r), stufe);
    QCOMPARE(Grundpreis(Qualitaetsstufe(r)), grundpreis);
}

void TestCityGenerator::preisstufe_data()
{
    QTest::addColumn<int>("wert");
    QTest::addColumn<QString>("name");
    QTest::newRow("-7") << -7 << QStringLiteral("Sehr Billig");
    QTest::newRow("4") << 4 << QStringLiteral("Sehr Billig");
    QTest::newRow("5") << 5 << QStringLiteral("Billig");
    QTest::newRow("9") << 9 << QStringLiteral("Billig");
    QTest::newRow("10") << 10 << QStringLiteral("Durchschnittlich");
    QTest::newRow("13") << 13 << QStringLiteral("Durchschnittlich");
    QTest::newRow("14") << 14 << QStringLiteral("Teuer");
    QTest::newRow("15") << 15 << QStringLiteral("Sehr Teuer / Wucher");
    QTest::newRow("28") << 28 << QStringLiteral("Sehr Teuer / Wucher");
}

void TestCityGenerator::preisstufe()
{
    QFETCH(int, wert);
    QFETCH(QString, name);
    QCOMPARE(Preisstufe(wert), name);
}

void TestCityGenerator::einwohnerLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<int>("wert");
    QTest::newRow("null") << QStringLiteral("0") << false << 0;
    QTest::newRow("leer") << QString() << false << 0;
    QTest::newRow("Wort") << QStringLiteral("viele") << false << 0;
    QTest::newRow("negativ") << QStringLiteral("-5") << false << 0;
    QTest::newRow("zu gross") << QStringLiteral("3000000000") << false << 0;
    QTest::newRow("zwoelf") << QStringLiteral("12") << true << 12;
    QTest::newRow("mit Leerzeichen") << QStringLiteral(" 7 ") << true << 7;
    QTest::newRow("Komma") << QStringLiteral("2,5") << false << 0;
    QTest::newRow("Dezimalpunkt") << QStringLiteral("1.5") << false << 0;
    QTest::newRow("Tausender") << QStringLiteral("1.000") << true << 1000;
    QTest::newRow("zwei Tausender") << QStringLiteral("1.234.567") << true << 1234567;
    QTest::newRow("Tausender zu kurz") << QStringLiteral("1.00") << false << 0;
    QTest::newRow("Tausender zu gross") << QStringLiteral("99.999.999.999") << false << 0;
    QTest::newRow("Plus") << QStringLiteral("+5") << true << 5;
}

void TestCityGenerator::einwohnerLesen()
{
    QFETCH(QString, text);
    QFETCH(bool, gueltig);
    QFETCH(int, wert);
    qint32 einwohner = -1;
    QCOMPARE(EinwohnerLesen(text, einwohner), gueltig);
    if (gueltig)
        QCOMPARE(einwohner, wert);
}

void TestCityGenerator::zufallsereignis_data()
{
    QTest::addColumn<bool>("erzwingen");
    QTest::addColumn<bool>("mitDatei");
    QTest::addColumn<QList<int>>("wuerfe");
    QTest::addColumn<QList<int>>("seiten");
    QTest::addColumn<QString>("ereignis");
    QTest::newRow("drei trifft") << false << true << QList<int>{3, 2} << QList<int>{5, 3} << QStringLiteral("Zwei");
    QTest::newRow("vier verfehlt") << false << true << QList<int>{4} << QList<int>{5} << QString();
    QTest::newRow("eins verfehlt") << false << true << QList<int>{1} << QList<int>{5} << QString();
    QTest::newRow("erzwungen") << true << true << QList<int>{1, 3} << QList<int>{5, 3} << QStringLiteral("Drei & mehr");
    QTest::newRow("erzwungen ohne Datei") << true << false << QList<int>{5} << QList<int>{5} << QString();
}

void TestCityGenerator::zufallsereignis()
{
    QFETCH(bool, erzwingen);
    QFETCH(bool, mitDatei);
    QFETCH(QList<int>, wuerfe);
    QFETCH(QList<int>, seiten);
    QFETCH(QString, ereignis);
    TestInstallation inst(false);
    if (mitDatei)
        inst.ZeilenSchreiben(QStringLiteral("Data/City/CityZufallsereignisse.dat"),
                             {QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei & mehr")});
    Zufall::Skript skript(wuerfe);
    QCOMPARE(Zufallsereignis(erzwingen), ereignis);
    QCOMPARE(skript.Angefragt(), seiten);
}

void TestCityGenerator::seiteUnterFuenfzigEinwohnern()
{
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker1.dat"), {QStringLiteral("Schmied")});
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Kleinried");
    e.Einwohner = 49;
    e.Zufallsnamen = false;
    e.Zufallsereignisse = true;
    Zufall::Skript skript({2, 1, 2, 12});
    QStringList erwartet = kKopf;
    erwartet << QStringLiteral("<title>Kleinried</title>") << QStringLiteral("</head>")
             << QStringLiteral("<A NAME=\"Start\"></A>") << QStringLiteral("<H1>Kleinried</H1>") << Leer(2)
             << Inhaltsverzeichnis() << QStringLiteral("<A NAME=\"Stadtinfos\"></A>")
             << QStringLiteral("<H4>***** GRUNDLEGENDE STADTINFORMATIONEN: **************************</H4>") << Leer(1)
             << QStringLiteral("<B>Stadtname:</B> Kleinried</BR>") << QStringLiteral("<B>Einwohnerzahl:</B> 49</BR>")
             << QStringLiteral("<B>Region / Rasse der Einwohner:</B> </BR>")
             << QStringLiteral("<B>Durchfahrende:</B> Gelegentlich Durchfahrende</BR>")
             << QStringLiteral("<B>Markt:</B> Nie</BR>") << QStringLiteral("<B>Reichtum:</B> </BR>")
             << QStringLiteral("<B>Kriminalität:</B> </BR>") << QStringLiteral("<B>Bürgermeister:</B> </BR>") << Leer(1)
             << QStringLiteral("<B>Anzahl der Tempel:</B> 1</BR>") << QStringLiteral("Peraine</BR>") << Leer(33);
    QCOMPARE(Seite(e), erwartet);
    // Population and the one temple; no mayor without a people, nothing for the unwritten sections.
    QCOMPARE(skript.Angefragt(), (QList<int>{2, 3, 2, 12}));
    QVERIFY(skript.Fehler().isEmpty());
}

void TestCityGenerator::seiteMitZwanzigEinwohnernOhneTempel()
{
    TestInstallation inst(false);
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Hof");
    e.Einwohner = 20;
    Zufall::Skript skript;
    const QStringList seite = Seite(e);
    const qsizetype tempel = seite.indexOf(QStringLiteral("<B>Anzahl der Tempel:</B> 0</BR>"));
    QVERIFY(tempel > 0);
    QCOMPARE(seite.mid(tempel + 1), Leer(33));
    QVERIFY(seite.contains(QStringLiteral("<B>Durchfahrende:</B> Gelegentlich Durchfahrende</BR>")));
    QVERIFY(seite.contains(QStringLiteral("<B>Markt:</B> Nie</BR>")));
    QVERIFY(skript.Angefragt().isEmpty());
}

void TestCityGenerator::ganzeSeiteAusGeskriptetenWuerfen()
{
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker1.dat"),
                         {QStringLiteral("Schmied"), QStringLiteral("Bäcker"), QStringLiteral("Weber")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Händler1.dat"), {QStringLiteral("Krämer")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Heiler.dat"), {QStringLiteral("Bader")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Mohas.dat"), {QStringLiteral("Tamu"), QStringLiteral("Kolo")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/CityZufallsereignisse.dat"),
                         {QStringLiteral("Ein Hund bellt."), QStringLiteral("Es regnet.")});

    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Ried & See");
    e.Einwohner = 60;
    e.Reichtum = QStringLiteral("Arm");
    e.Kriminalitaet = QStringLiteral("Hoch");
    e.Rasse = QStringLiteral("Mohas");
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;

    Zufall::Skript skript({2, 3, 1,            // temples 1, inns 1, taverns 1
                           2,                  // mayor
                           5,                  // the temple's deity
                           1, 20, 1, 3, 1,     // inn: quality, price, owner, event, event line
                           18, 1, 2, 1,        // tavern
                           2, 6, 20, 1, 5,     // Schmied: k, business
                           1,                  // Bäcker: k = 0
                           2, 14, 10, 2, 3, 2, // Weber: k, business with an event
                           1,                  // Krämer: k = 0
                           3, 2, 12, 1, 2});   // Bader: k, business
    QStringList erwartet = kKopf;
    erwartet << QStringLiteral("<title>Ried &amp; See</title>") << QStringLiteral("</head>")
             << QStringLiteral("<A NAME=\"Start\"></A>") << QStringLiteral("<H1>Ried &amp; See</H1>") << Leer(2)
             << Inhaltsverzeichnis() << QStringLiteral("<A NAME=\"Stadtinfos\"></A>")
             << QStringLiteral("<H4>***** GRUNDLEGENDE STADTINFORMATIONEN: **************************</H4>") << Leer(1)
             << QStringLiteral("<B>Stadtname:</B> Ried &amp; See</BR>") << QStringLiteral("<B>Einwohnerzahl:</B> 60</BR>")
             << QStringLiteral("<B>Region / Rasse der Einwohner:</B> Mohas</BR>")
             << QStringLiteral("<B>Durchfahrende:</B> Gelegentlich Durchfahrende</BR>")
             << QStringLiteral("<B>Markt:</B> Nie</BR>") << QStringLiteral("<B>Reichtum:</B> Arm</BR>")
             << QStringLiteral("<B>Kriminalität:</B> Hoch</BR>") << QStringLiteral("<B>Bürgermeister:</B> Kolo</BR>")
             << Leer(1) << QStringLiteral("<B>Anzahl der Tempel:</B> 1</BR>") << QStringLiteral("Hesinde</BR>");
    erwartet << Leer(3)
             << Abschnittskopf(QStringLiteral("Hotels"),
                               QStringLiteral("***** GASTHÄUSER / HOTELS: **************************************"), {})
             << QStringLiteral("<B>Im Ort:</B> 1</BR>") << Leer(1)
             << QStringLiteral("<B>Nobel / Poliert     - Sehr Teuer / Wucher</B></BR>")
             << QStringLiteral("* Besitzer/in: Tamu</BR>") << QStringLiteral("* Zufallsereignis: Ein Hund bellt.</BR>")
             << Abschnittsfuss();
    erwartet << Leer(3)
             << Abschnittskopf(QStringLiteral("Tavernen"),
                               QStringLiteral("***** GASTSTÄTTEN / TAVERNEN: ***********************************"), {})
             << QStringLiteral("<B>Im Ort:</B> 1</BR>") << Leer(1)
             << QStringLiteral("<B>Schmierige Kaschemme - Sehr Billig</B></BR>")
             << QStringLiteral("* Besitzer/in: Kolo</BR>") << QStringLiteral("* Zufallsereignis: </BR>")
             << Abschnittsfuss();
    erwartet << Leer(3)
             << Abschnittskopf(QStringLiteral("Handwerker1"),
                               QStringLiteral("***** HANDWERKER 1: *********************************************"),
                               QStringLiteral("* Beruf / Qualität / Preise"))
             << Leer(1) << QStringLiteral("<B>Schmied - Solide     - Durchschnittlich</B></BR>")
             << QStringLiteral("* Besitzer/in: Tamu</BR>") << QStringLiteral("* Zufallsereignis: </BR>")
             << QStringLiteral("********************</BR>")
             << QStringLiteral("<B>Weber - Einfach    - Sehr Billig</B></BR>")
             << QStringLiteral("* Besitzer/in: Kolo</BR>") << QStringLiteral("* Zufallsereignis: Es regnet.</BR>")
             << Abschnittsfuss();
    const char* const leer[][2] = {
        {"Handwerker2", "***** HANDWERKER 2: *********************************************"},
        {"Handwerker3", "***** HANDWERKER 3: *********************************************"},
        {"Handel1", "***** HÄNDLER 1: ************************************************"},
        {"Handel2", "***** HÄNDLER 2: ************************************************"},
        {"Handel3", "***** HÄNDLER 3: ************************************************"},
        {"Dienst1", "***** DIENSTLEISTUNGEN 1: ***************************************"},
        {"Dienst2", "***** DIENSTLEISTUNGEN 2: ***************************************"}};
    for (const auto& a : leer)
        erwartet << Leer(3)
                 << Abschnittskopf(QString::fromUtf8(a[0]), QString::fromUtf8(a[1]), QStringLiteral("Beruf / Qualität / Preis"))
                 << Leer(1) << Abschnittsfuss();
    erwartet << Leer(3)
             << Abschnittskopf(QStringLiteral("Heiler"),
                               QStringLiteral("***** HEILER: ***************************************************"), {})
             << Leer(1) << QStringLiteral("<B>Bader - Sehr Gut   - Billig</B></BR>")
             << QStringLiteral("* Besitzer/in: Tamu</BR>") << QStringLiteral("* Zufallsereignis: </BR>")
             << Abschnittsfuss();

    const QStringList seite = Seite(e);
    for (qsizetype i = 0; i < qMin(seite.size(), erwartet.size()); ++i)
        QCOMPARE(seite[i], erwartet[i]);
    QCOMPARE(seite.size(), erwartet.size());
    QCOMPARE(skript.Angefragt(), (QList<int>{2, 3, 2, 2, 12, 20, 20, 2, 5, 2, 20, 20, 2, 5, 2, 20, 20, 2, 5, 2,
                                             2, 20, 20, 2, 5, 2, 3, 3, 20, 20, 2, 5}));
    QVERIFY(skript.Fehler().isEmpty());
    QCOMPARE(skript.Uebrig(), 0);
}

void TestCityGenerator::betriebeProBeruf_data()
{
    QTest::addColumn<int>("einwohner");
    QTest::addColumn<QList<int>>("seiten");   // draws other than Z20 and Z12
    QTest::addColumn<QList<int>>("betriebe"); // per section, all rolls 1
    QTest::newRow("100") << 100 << QList<int>{2, 3, 2, 2, 3, 3} << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("101") << 101 << QList<int>{2, 3, 2, 2, 6, 2, 6, 2} << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("250") << 250 << QList<int>{2, 3, 2, 2, 6, 2, 6, 2} << QList<int>{1, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("251") << 251 << QList<int>{3, 2, 3, 3, 3, 2, 3, 3, 2} << QList<int>{1, 0, 0, 1, 0, 0, 0, 0, 1};
    QTest::newRow("500") << 500 << QList<int>{3, 2, 3, 3, 3, 2, 3, 3, 2} << QList<int>{1, 0, 0, 1, 0, 0, 0, 0, 1};
    QTest::newRow("501") << 501 << QList<int>{2, 3, 3, 2, 2, 6, 2, 2, 6, 2, 3} << QList<int>{2, 0, 0, 2, 0, 0, 0, 0, 1};
    QTest::newRow("1000") << 1000 << QList<int>{2, 3, 3, 2, 2, 6, 2, 2, 6, 2, 3} << QList<int>{2, 0, 0, 2, 0, 0, 0, 0, 1};
    QTest::newRow("1001") << 1001 << QList<int>{3, 3, 3, 3, 2, 3, 3, 2, 2, 2, 3, 3} << QList<int>{2, 1, 0, 2, 1, 0, 1, 0, 2};
    QTest::newRow("2500") << 2500 << QList<int>{3, 3, 3, 3, 2, 3, 3, 2, 2, 2, 3, 3} << QList<int>{2, 1, 0, 2, 1, 0, 1, 0, 2};
    QTest::newRow("2501") << 2501 << QList<int>{3, 3, 3, 3, 3, 2, 3, 3, 2, 2, 2, 3} << QList<int>{3, 1, 0, 3, 2, 1, 2, 1, 4};
    QTest::newRow("5000") << 5000 << QList<int>{3, 3, 3, 3, 3, 2, 3, 3, 2, 2, 2, 3} << QList<int>{3, 1, 0, 3, 2, 1, 2, 1, 4};
    QTest::newRow("5001") << 5001 << QList<int>{4, 6, 6, 3, 3, 3, 3, 3, 3, 3, 3, 6} << QList<int>{5, 3, 0, 5, 3, 1, 2, 1, 5};
}

void TestCityGenerator::betriebeProBeruf()
{
    QFETCH(int, einwohner);
    QFETCH(QList<int>, seiten);
    QFETCH(QList<int>, betriebe);
    TestInstallation inst(false);
    const char* const dateien[] = {"Handwerker1", "Handwerker2", "Handwerker3", "Händler1", "Händler2",
                                   "Händler3",    "Dienstleistung1", "Dienstleistung2", "Heiler"};
    for (const char* datei : dateien)
        inst.ZeilenSchreiben(QStringLiteral("Data/City/%1.dat").arg(QString::fromUtf8(datei)), {QStringLiteral("Beruf")});
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Mittelstadt");
    e.Einwohner = einwohner;
    Zufall::Skript skript(QList<int>(600, 1));
    const QStringList seite = Seite(e);
    QVERIFY(skript.Fehler().isEmpty());
    QList<int> ohneQualitaetUndGoetter;
    for (int n : skript.Angefragt())
        if (n != 20 && n != 12)
            ohneQualitaetUndGoetter.append(n);
    QCOMPARE(ohneQualitaetUndGoetter, seiten);
    const char* const anker[] = {"Handwerker1", "Handwerker2", "Handwerker3", "Handel1", "Handel2",
                                 "Handel3",     "Dienst1",     "Dienst2",     "Heiler"};
    QList<int> gezaehlt;
    for (const char* a : anker)
        gezaehlt.append(Betriebe(Abschnitt(seite, QString::fromUtf8(a))));
    QCOMPARE(gezaehlt, betriebe);
}

void TestCityGenerator::reichUndNiedrigHebenPreise()
{
    TestInstallation inst(false);
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Goldau");
    e.Einwohner = 1500;
    e.Reichtum = QStringLiteral("Reich");
    e.Kriminalitaet = QStringLiteral("Niedrig");
    QList<int> wuerfe = {1, 1, 1, 1, 1, 1, // 3 temples, 4 inns, 4 taverns; the three deities
                         1, 1,             // tier-1 inn, lowest price roll
                         1, 20};           // tier-1 inn, highest price roll
    wuerfe += QList<int>(12, 10);
    Zufall::Skript skript(wuerfe);
    const QStringList hotels = Abschnitt(Seite(e), QStringLiteral("Hotels"));
    QCOMPARE(hotels.value(5), QStringLiteral("<B>Nobel / Poliert     - Billig</B></BR>"));
    QCOMPARE(hotels.value(6), QStringLiteral("<B>Nobel / Poliert     - Sehr Teuer / Wucher</B></BR>"));
    QVERIFY(skript.Fehler().isEmpty());
}

void TestCityGenerator::fehlendeDateienGebenLeereAbschnitte()
{
    TestInstallation inst(false);
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Leerdorf");
    e.Einwohner = 300;
    e.Rasse = QStringLiteral("Gareth");
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;
    Zufall::Skript skript(QList<int>(200, 1));
    const QStringList seite = Seite(e);
    QVERIFY(skript.Fehler().isEmpty());
    for (const char* a : {"Handwerker1", "Handel1", "Heiler"})
        QCOMPARE(Betriebe(Abschnitt(seite, QString::fromUtf8(a))), 0);
    // Names and events from missing lists come out empty; the page is still whole.
    QVERIFY(seite.contains(QStringLiteral("* Zufallsereignis: </BR>")));
    QCOMPARE(seite.last(), QStringLiteral("<A HREF=\"#Start\">Nach oben</A></BR>"));
}

void TestCityGenerator::lageUndGroesseBestimmenBerufe_data()
{
    QTest::addColumn<int>("lage");
    QTest::addColumn<int>("einwohner");
    QTest::addColumn<QStringList>("fehlen");
    QTest::addColumn<QString>("lagezeile");
    const QString binnen; // no line for the usual inland town
    QTest::newRow("Binnenland") << int(Stadtlage::Binnenland) << 3000 << QStringList{"Fischhändler", "Bergführer"} << binnen;
    QTest::newRow("Fluss") << int(Stadtlage::Fluss) << 3000 << QStringList{"Bergführer"} << QStringLiteral("am Fluss");
    QTest::newRow("Küste") << int(Stadtlage::Kueste) << 3000 << QStringList{"Bergführer"} << QStringLiteral("an der Küste");
    QTest::newRow("Gebirge") << int(Stadtlage::Gebirge) << 3000 << QStringList{"Fischhändler"} << QStringLiteral("im Gebirge");
    QTest::newRow("Fluss 999") << int(Stadtlage::Fluss) << 999 << QStringList{"Bergführer", "Siechenhaus"}
                               << QStringLiteral("am Fluss");
    QTest::newRow("Binnenland 1000") << int(Stadtlage::Binnenland) << 1000 << QStringList{"Fischhändler", "Bergführer"}
                                     << binnen;
}

void TestCityGenerator::lageUndGroesseBestimmenBerufe()
{
    QFETCH(int, lage);
    QFETCH(int, einwohner);
    QFETCH(QStringList, fehlen);
    QFETCH(QString, lagezeile);
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker1.dat"),
                         {QStringLiteral("Schmied"), QStringLiteral("Fischhändler "), QStringLiteral("Bergführer"),
                          QStringLiteral("Bäcker")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Heiler.dat"), {QStringLiteral("Siechenhaus"), QStringLiteral("Bader")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Mohas.dat"), {QStringLiteral("Tamu"), QStringLiteral("Kolo")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/CityZufallsereignisse.dat"), {QStringLiteral("Es regnet.")});
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Lagehof");
    e.Einwohner = einwohner;
    e.Rasse = QStringLiteral("Mohas");
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;
    // Without location files every trade is everywhere: the page every other one is held against.
    const QStringList alle = Zeilendatei::AusCodepage(CityTest::GeneratorSeite(e, 5)).split(QStringLiteral("\r\n"));
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Lage Fluss.dat"), {QStringLiteral("Fischhändler")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Lage Küste.dat"), {QStringLiteral(" Fischhändler"), QString()});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Lage Gebirge.dat"), {QStringLiteral("Bergführer")});
    e.Lage = Stadtlage(lage);
    const QStringList seite = Zeilendatei::AusCodepage(CityTest::GeneratorSeite(e, 5)).split(QStringLiteral("\r\n"));

    for (const QString& beruf : {QStringLiteral("Fischhändler"), QStringLiteral("Bergführer"), QStringLiteral("Siechenhaus")}) {
        const auto hat = [&beruf](const QStringList& s) {
            return std::any_of(s.begin(), s.end(), [&beruf](const QString& z) { return z.startsWith(QStringLiteral("<B>") + beruf); });
        };
        QCOMPARE(hat(seite), !fehlen.contains(beruf));
        QCOMPARE(hat(alle), beruf != QLatin1String("Siechenhaus") || einwohner >= 1000);
    }
    // Every other business kept its rolls: the page is the full one without the missing trades.
    QCOMPARE(OhneBerufe(seite, {}), OhneBerufe(alle, fehlen));
    QCOMPARE(seite.contains(QStringLiteral("<B>Lage:</B> %1</BR>").arg(lagezeile)), !lagezeile.isEmpty());
    QCOMPARE(seite.filter(QStringLiteral("<B>Lage:</B>")).size(), lagezeile.isEmpty() ? 0 : 1);
    // A separator only ever follows a written business.
    for (qsizetype i = 1; i < seite.size(); ++i)
        if (seite[i] == QLatin1String("********************</BR>"))
            QVERIFY2(seite[i - 1].startsWith(QLatin1String("* ")), qPrintable(seite[i - 1]));
}

void TestCityGenerator::dateiWirdGanzGeschrieben()
{
    TestInstallation inst;
    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Seestadt");
    e.Einwohner = 20000;
    e.Rasse = QStringLiteral("Thorwaler");
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;
    QList<int> schritte;
    Zufall::SaatSetzen(11);
    QVERIFY(StadtGenerierenInDatei(e, inst.Pfad(QStringLiteral("HTML/s.html")), nullptr,
                                   [&](int s) { schritte.append(s); }));
    QCOMPARE(schritte, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    const QByteArray erwartet = CityTest::GeneratorSeite(e, 11);
    QCOMPARE(inst.Bytes(QStringLiteral("HTML/s.html")), erwartet);
    QVERIFY(erwartet.endsWith("Nach oben</A></BR>\r\n"));
    QString fehler;
    QVERIFY(!StadtGenerierenInDatei(e, inst.Pfad(QStringLiteral("fehlt/x/s.html")), &fehler));
    QVERIFY(!fehler.isEmpty());
}

QTEST_GUILESS_MAIN(TestCityGenerator)
#include "test_city_generator.moc"
