// The explorer's engine on crafted registers: the city list, marker positions, panel texts, distances,
// positions typed for batch commands, and the map frame with its scroll bars.
#include "KartenEngine.h"
#include "Pfad.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QtTest>

#include <limits>

using namespace KartenEngine;
using ExplorerEngine::Kartenstadt;

Q_DECLARE_METATYPE(KartenEngine::Karte)

namespace {

Kartenstadt Stadt(const QString& name, qint64 x, qint64 y)
{
    Kartenstadt s;
    s.Name = name;
    s.HatPosition = true;
    s.X = x;
    s.Y = y;
    return s;
}

} // namespace

class TestExplorerKarte : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // city list
    void listeInDateireihenfolge();
    void listeZeilenenden_data();
    void listeZeilenenden();
    void listeFehltOderUnlesbar();

    // register records as the explorer reads them
    void staedteLesen_data();
    void staedteLesen();

    // positions
    void verkleinern_data();
    void verkleinern();
    void markierung_data();
    void markierung();
    void positionszeile();

    // panel
    void tafel();

    // distances
    void meilen_data();
    void meilen();
    void klickposition_data();
    void klickposition();
    void messung();
    void positionLesen_data();
    void positionLesen();

    // frame and scroll bars
    void rahmen_data();
    void rahmen();
    void bildlauf_data();
    void bildlauf();
};

void TestExplorerKarte::listeInDateireihenfolge()
{
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"),
                         {QStringLiteral("Zwergenhall"), QStringLiteral("Altburg"), QString(), QStringLiteral("  "),
                          QStringLiteral("Neue Brücke am See"), QStringLiteral("Łódź"), QStringLiteral("Altburg")});
    const Staedte s = ListeLaden();
    QCOMPARE(s.Meldung, QString());
    // Blank lines name no city; everything else stays as written, duplicates included.
    QCOMPARE(s.Namen, (QStringList{QStringLiteral("Zwergenhall"), QStringLiteral("Altburg"), QStringLiteral("Neue Brücke am See"),
                                   QStringLiteral("Łódź"), QStringLiteral("Altburg")}));
}

void TestExplorerKarte::listeZeilenenden_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("M\xf6wenhafen\r\nD\xfcnenrast\r\n");
    QTest::newRow("LF") << QByteArray("M\xf6wenhafen\nD\xfcnenrast\n");
    QTest::newRow("nur CR") << QByteArray("M\xf6wenhafen\rD\xfcnenrast\r");
    QTest::newRow("ohne letztes Zeilenende") << QByteArray("M\xf6wenhafen\r\nD\xfcnenrast");
}

void TestExplorerKarte::listeZeilenenden()
{
    QFETCH(QByteArray, bytes);
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.Schreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), bytes);
    QCOMPARE(ListeLaden().Namen, (QStringList{QStringLiteral("Möwenhafen"), QStringLiteral("Dünenrast")}));
}

void TestExplorerKarte::listeFehltOderUnlesbar()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    // Missing: an empty list and no message.
    Staedte s = ListeLaden();
    QVERIFY(s.Namen.isEmpty());
    QCOMPARE(s.Meldung, QString());
    // A folder in its place: still empty, but the user learns why.
    QVERIFY(QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer/Städteliste.dat"))));
    s = ListeLaden();
    QVERIFY(s.Namen.isEmpty());
    QVERIFY2(s.Meldung.contains(QStringLiteral("Städteliste.dat")) && s.Meldung.contains(QStringLiteral("keine gewöhnliche Datei")),
             qPrintable(s.Meldung));
}

void TestExplorerKarte::staedteLesen_data()
{
    QTest::addColumn<QByteArray>("staedte");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hatPosition");
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    QTest::addColumn<QString>("einwohner");
    QTest::addColumn<QString>("tempel");

    QTest::newRow("vollständig") << QByteArray("[Altburg]\r\nX=1500\r\nY=3000\r\nEinwohner=800\r\nTempel=Praios, Rondra, \r\n")
                                 << QStringLiteral("Altburg") << true << qint64(1500) << qint64(3000) << QStringLiteral("800")
                                 << QStringLiteral("Praios, Rondra,");
    QTest::newRow("Komma gerundet") << QByteArray("[Altburg]\nX=1500,5\nY=2999,5\n") << QStringLiteral("Altburg") << true
                                    << qint64(1500) << qint64(3000) << QString() << QString();
    QTest::newRow("ohne Y") << QByteArray("[Altburg]\nX=1500\nEinwohner=800\n") << QStringLiteral("Altburg") << false
                            << qint64(0) << qint64(0) << QStringLiteral("800") << QString();
    QTest::newRow("abgeschnitten") << QByteArray("[Altburg]\r\nX=1500\r\nY=") << QStringLiteral("Altburg") << false
                                   << qint64(1500) << qint64(0) << QString() << QString();
    QTest::newRow("kein Abschnitt") << QByteArray("[Anderswo]\nX=1\nY=2\n") << QStringLiteral("Altburg") << false << qint64(0)
                                    << qint64(0) << QString() << QString();
    QTest::newRow("keine Zahl") << QByteArray("[Altburg]\nX=weit\nY=5\n") << QStringLiteral("Altburg") << false << qint64(0)
                                << qint64(5) << QString() << QString();
    QTest::newRow("riesig") << QByteArray("[Altburg]\nX=8000000000000000000\nY=12\n") << QStringLiteral("Altburg") << true
                            << qint64(8000000000000000000) << qint64(12) << QString() << QString();
    QTest::newRow("zu riesig") << QByteArray("[Altburg]\nX=99999999999999999999\nY=12\n") << QStringLiteral("Altburg") << false
                               << qint64(0) << qint64(12) << QString() << QString();
    QTest::newRow("Name mit Leerzeichen") << QByteArray("[Neue Br\xfc""cke am See]\nX=15\nY=30\nEinwohner=12.000\n")
                                          << QStringLiteral("Neue Brücke am See") << true << qint64(15) << qint64(30)
                                          << QStringLiteral("12.000") << QString();
    QTest::newRow("Zeichen ausserhalb der Codepage") << QByteArray("[&#321;&#243;d&#378;]\nX=1\nY=2\n")
                                                     << QStringLiteral("Łódź") << true << qint64(1) << qint64(2) << QString()
                                                     << QString();
}

void TestExplorerKarte::staedteLesen()
{
    QFETCH(QByteArray, staedte);
    QFETCH(QString, name);
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.Schreiben(QStringLiteral("Data/Explorer/Städte.dat"), staedte);
    const Kartenstadt s = ExplorerEngine::StadtLesen(name);
    QTEST(s.HatPosition, "hatPosition");
    if (s.HatPosition) {
        QTEST(s.X, "x");
        QTEST(s.Y, "y");
    }
    QTEST(s.Einwohner, "einwohner");
    QTEST(s.Tempel, "tempel");
    // Whatever the record holds, the marker is drawn only with a whole position.
    QCOMPARE(MarkierungBerechnen(s, Karte::Gross).Sichtbar, s.HatPosition);
    QCOMPARE(MarkierungBerechnen(s, Karte::Klein).Sichtbar, s.HatPosition);
}

void TestExplorerKarte::verkleinern_data()
{
    QTest::addColumn<qint64>("gross");
    QTest::addColumn<qint64>("klein");
    QTest::newRow("null") << qint64(0) << qint64(0);
    QTest::newRow("glatt") << qint64(16) << qint64(5);
    QTest::newRow("abrunden") << qint64(1) << qint64(0);        // 0.3125
    QTest::newRow("aufrunden") << qint64(2) << qint64(1);       // 0.625
    QTest::newRow("halb zur geraden 2") << qint64(8) << qint64(2);   // 2.5
    QTest::newRow("halb zur geraden 8") << qint64(24) << qint64(8);  // 7.5
    QTest::newRow("Möwenhafen X") << qint64(3825) << qint64(1195);  // 1195.3125
    QTest::newRow("Möwenhafen Y") << qint64(8775) << qint64(2742);  // 2742.1875
    QTest::newRow("Kartenrand") << qint64(19185) << qint64(5995);   // 5995.3125
    QTest::newRow("negativ halb") << qint64(-8) << qint64(-2);      // -2.5
    QTest::newRow("negativ halb ungerade") << qint64(-24) << qint64(-8); // -7.5
    QTest::newRow("negativ") << qint64(-1) << qint64(0);            // -0.3125
    QTest::newRow("größte") << std::numeric_limits<qint64>::max() << qint64(2882303761517117440); // ...439.6875
    QTest::newRow("kleinste") << std::numeric_limits<qint64>::min() << qint64(-2882303761517117440);
}

void TestExplorerKarte::verkleinern()
{
    QFETCH(qint64, gross);
    QTEST(Verkleinern(gross), "klein");
}

void TestExplorerKarte::markierung_data()
{
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    QTest::addColumn<KartenEngine::Karte>("karte");
    QTest::addColumn<qint64>("px");
    QTest::addColumn<qint64>("py");
    QTest::addColumn<double>("nameX");
    QTest::addColumn<int>("punkt");
    QTest::newRow("groß") << qint64(3825) << qint64(8775) << Karte::Gross << qint64(3825) << qint64(8775) << 4025.0 << 15;
    QTest::newRow("klein") << qint64(3825) << qint64(8775) << Karte::Klein << qint64(1195) << qint64(2742) << 1257.5 << 8;
    QTest::newRow("klein halb") << qint64(8) << qint64(24) << Karte::Klein << qint64(2) << qint64(8) << 64.5 << 8;
    QTest::newRow("Ursprung") << qint64(0) << qint64(0) << Karte::Gross << qint64(0) << qint64(0) << 200.0 << 15;
}

void TestExplorerKarte::markierung()
{
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    QFETCH(KartenEngine::Karte, karte);
    const Markierung m = MarkierungBerechnen(Stadt(QStringLiteral("A"), x, y), karte);
    QVERIFY(m.Sichtbar);
    QTEST(m.X, "px");
    QTEST(m.Y, "py");
    QTEST(m.NameX, "nameX");
    QTEST(m.NameY, "py"); // the name sits level with the dot
    QTEST(m.Punkt, "punkt");

    Kartenstadt ohne = Stadt(QStringLiteral("A"), x, y);
    ohne.HatPosition = false;
    QVERIFY(!MarkierungBerechnen(ohne, karte).Sichtbar);
    QVERIFY(!MarkierungBerechnen(Stadt(QStringLiteral("A"), x, y), Karte::Keine).Sichtbar);
}

void TestExplorerKarte::positionszeile()
{
    QCOMPARE(Positionszeile(Stadt(QStringLiteral("A"), 3825, 8775)), QStringLiteral("3825\t8775\t1195\t2742"));
    QCOMPARE(Positionszeile(Stadt(QStringLiteral("A"), -8, 24)), QStringLiteral("-8\t24\t-2\t8"));
    Kartenstadt ohne = Stadt(QStringLiteral("A"), 1, 2);
    ohne.HatPosition = false;
    QCOMPARE(Positionszeile(ohne), QString());
}

void TestExplorerKarte::tafel()
{
    TestInstallation inst(false);
    Kartenstadt s = Stadt(QStringLiteral("Möwenhafen"), 1, 2);
    s.Einwohner = QStringLiteral("5400");
    s.Tempel = QStringLiteral("Efferd, Travia,");
    s.Pic = QStringLiteral("Hafenstadt.jpg");
    Tafel t = TafelTexte(s);
    QCOMPARE(t.Name, QStringLiteral("Möwenhafen"));
    QCOMPARE(t.Einwohner, QStringLiteral("ca. 5400 Einwohner"));
    QCOMPARE(t.Tempel, QStringLiteral("Tempel: Efferd, Travia"));
    QCOMPARE(t.Bild, inst.Pfad(QStringLiteral("Data/Explorer/Hafenstadt.jpg")));

    // An empty record still gives the fixed words; no "Pic" gives no picture.
    s.Einwohner.clear();
    s.Tempel.clear();
    s.Pic.clear();
    t = TafelTexte(s);
    QCOMPARE(t.Einwohner, QStringLiteral("ca.  Einwohner"));
    QCOMPARE(t.Tempel, QStringLiteral("Tempel: "));
    QCOMPARE(t.Bild, QString());

    // The picture is looked up regardless of case, like every file of the installation.
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.Schreiben(QStringLiteral("Data/Explorer/hafenstadt.jpg"), QByteArray("x"));
    s.Pic = QStringLiteral("Hafenstadt.jpg");
    QCOMPARE(TafelTexte(s).Bild, inst.Pfad(QStringLiteral("Data/Explorer/hafenstadt.jpg")));
}

void TestExplorerKarte::meilen_data()
{
    QTest::addColumn<qint64>("d");
    QTest::addColumn<qint64>("gross");
    QTest::addColumn<qint64>("klein");
    QTest::newRow("null") << qint64(0) << qint64(0) << qint64(0);
    QTest::newRow("Bezug 675") << qint64(675) << qint64(100) << qint64(320);
    QTest::newRow("45 Bildpunkte zweimal") << qint64(1350) << qint64(200) << qint64(640);
    QTest::newRow("klein abgerundet") << qint64(1) << qint64(0) << qint64(0);       // 0.148, 0.474
    QTest::newRow("klein aufgerundet") << qint64(2) << qint64(0) << qint64(1);      // 0.296, 0.948
    QTest::newRow("groß aufgerundet") << qint64(4) << qint64(1) << qint64(2);       // 0.593, 1.896
    QTest::newRow("knapp unter halb") << qint64(10) << qint64(1) << qint64(5);      // 1.481, 4.741
    QTest::newRow("größte Entfernung") << qint64(3037000499) << qint64(449926000) << qint64(1439763200);
}

void TestExplorerKarte::meilen()
{
    QFETCH(qint64, d);
    QTEST(Meilen(d, Karte::Gross), "gross");
    QTEST(Meilen(d, Karte::Klein), "klein");
}

void TestExplorerKarte::klickposition_data()
{
    QTest::addColumn<double>("pixel");
    QTest::addColumn<qint32>("einheiten");
    QTest::newRow("null") << 0.0 << 0;
    QTest::newRow("ein Bildpunkt") << 1.0 << 15;
    QTest::newRow("45 Bildpunkte") << 45.0 << 675;
    QTest::newRow("halb zur geraden 8") << 0.5 << 8;   // 7.5
    QTest::newRow("halb zur geraden 22") << 1.5 << 22; // 22.5
    QTest::newRow("Bruchteil") << 10.2 << 153;
    QTest::newRow("negativ") << -3.0 << 0;
    QTest::newRow("riesig") << 1e12 << std::numeric_limits<qint32>::max();
    QTest::newRow("keine Zahl") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestExplorerKarte::klickposition()
{
    QFETCH(double, pixel);
    QTEST(Klickposition(pixel), "einheiten");
}

void TestExplorerKarte::messung()
{
    Messung m;
    // First press: remembered, no text yet.
    QVERIFY(!Druecken(m, {0, 0}, Karte::Gross));
    QVERIFY(m.Misst);
    QCOMPARE(Druecken(m, {675, 0}, Karte::Gross), std::optional<QString>(QStringLiteral("Entfernung: 100 Meilen")));
    QVERIFY(!m.Misst);
    // The next press starts anew; the order of the points does not matter.
    QVERIFY(!Druecken(m, {3000, 900}, Karte::Klein));
    QCOMPARE(Druecken(m, {3000 - 405, 900 - 540}, Karte::Klein), std::optional<QString>(QStringLiteral("Entfernung: 320 Meilen")));
    // Corners of the widest map that any click can reach: no overflow.
    QVERIFY(!Druecken(m, {0, 0}, Karte::Klein));
    const qint32 gr = std::numeric_limits<qint32>::max();
    QCOMPARE(Druecken(m, {gr, gr}, Karte::Klein), std::optional<QString>(QStringLiteral("Entfernung: 1439763200 Meilen")));
    QCOMPARE(MeilenZwischen({gr, 0}, {0, gr}, Karte::Gross), qint64(449926000));
    QCOMPARE(MeilenZwischen({5, 5}, {5, 5}, Karte::Gross), qint64(0));
}

void TestExplorerKarte::positionLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint32>("wert");
    QTest::addColumn<QString>("meldung");
    const QString keine = QStringLiteral("keine gültige Position");
    const QString ausserhalb = QStringLiteral("außerhalb der Karte");
    QTest::newRow("ganz") << QStringLiteral("675") << true << 675 << QString();
    QTest::newRow("Leerzeichen") << QStringLiteral(" 42 ") << true << 42 << QString();
    QTest::newRow("Plus") << QStringLiteral("+7") << true << 7 << QString();
    QTest::newRow("Tausender") << QStringLiteral("1.000") << true << 1000 << QString();
    QTest::newRow("Tausender zweimal") << QStringLiteral("2.147.483.647") << true << 2147483647 << QString();
    QTest::newRow("Komma") << QStringLiteral("1,5") << true << 2 << QString();
    QTest::newRow("Komma halb gerade") << QStringLiteral("2,5") << true << 2 << QString();
    QTest::newRow("Punkt als Komma") << QStringLiteral("12.5") << true << 12 << QString();
    QTest::newRow("Punkt halb") << QStringLiteral("0.5") << true << 0 << QString();
    QTest::newRow("Tausender und Komma") << QStringLiteral("1.000,5") << true << 1000 << QString();
    QTest::newRow("Tausender und Komma aufrunden") << QStringLiteral("1.234,51") << true << 1235 << QString();
    QTest::newRow("negativ gerundet null") << QStringLiteral("-0,4") << true << 0 << QString();
    QTest::newRow("größte") << QStringLiteral("2147483647") << true << 2147483647 << QString();
    QTest::newRow("größte mit Rest") << QStringLiteral("2147483647,4") << true << 2147483647 << QString();
    QTest::newRow("zu groß") << QStringLiteral("2147483648") << false << 0 << ausserhalb;
    QTest::newRow("zu groß gerundet") << QStringLiteral("2147483647,5") << false << 0 << ausserhalb;
    QTest::newRow("weit zu groß") << QStringLiteral("99999999999999999999999") << false << 0 << ausserhalb;
    QTest::newRow("negativ") << QStringLiteral("-1") << false << 0 << ausserhalb;
    QTest::newRow("negativ Komma") << QStringLiteral("-1,5") << false << 0 << ausserhalb;
    QTest::newRow("leer") << QString() << false << 0 << QStringLiteral("Bitte gebt für X1 eine Zahl ein.");
    QTest::newRow("Wort") << QStringLiteral("weit") << false << 0 << keine;
    QTest::newRow("Exponent") << QStringLiteral("1e3") << false << 0 << keine;
    QTest::newRow("zwei Kommas") << QStringLiteral("1,5,0") << false << 0 << keine;
    QTest::newRow("Punkte falsch") << QStringLiteral("1.5.0") << false << 0 << keine;
    QTest::newRow("unendlich") << QStringLiteral("inf") << false << 0 << keine;
    QTest::newRow("Einheit") << QStringLiteral("15px") << false << 0 << keine;
}

void TestExplorerKarte::positionLesen()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, meldung);
    const Positionseingabe e = PositionLesen(text, QStringLiteral("X1"));
    QCOMPARE(e.Ok, ok);
    if (ok) {
        QTEST(e.Wert, "wert");
        QCOMPARE(e.Meldung, QString());
    } else {
        QVERIFY2(e.Meldung.contains(meldung), qPrintable(e.Meldung));
        QVERIFY2(e.Meldung.contains(QStringLiteral("X1")), qPrintable(e.Meldung));
    }
}

void TestExplorerKarte::rahmen_data()
{
    QTest::addColumn<QSize>("flaeche");
    QTest::addColumn<QSize>("karte");
    QTest::addColumn<QSize>("rahmen");
    QTest::addColumn<bool>("waagrecht");
    QTest::addColumn<bool>("senkrecht");
    QTest::addColumn<int>("maxWaagrecht");
    QTest::addColumn<int>("maxSenkrecht");
    // Bars are 16 pixels thick here.
    QTest::newRow("kleine Karte passt") << QSize(640, 560) << QSize(400, 500) << QSize(640, 560) << false << false << 0 << 0;
    QTest::newRow("genau passend") << QSize(400, 500) << QSize(400, 500) << QSize(400, 500) << false << false << 0 << 0;
    QTest::newRow("große Karte") << QSize(880, 600) << QSize(1280, 1600) << QSize(864, 584) << true << true << 416 << 1016;
    QTest::newRow("nur zu hoch") << QSize(1400, 600) << QSize(1280, 1600) << QSize(1384, 600) << false << true << 0 << 1000;
    QTest::newRow("nur zu breit") << QSize(600, 1800) << QSize(1280, 1600) << QSize(600, 1784) << true << false << 680 << 0;
    // The vertical bar takes the width that the map needed: now the horizontal one is needed as well.
    QTest::newRow("Leiste erzwingt Leiste") << QSize(1290, 600) << QSize(1280, 1600) << QSize(1274, 584) << true << true << 6
                                            << 1016;
    QTest::newRow("eine Leiste knapp") << QSize(400, 510) << QSize(400, 500) << QSize(400, 510) << false << false << 0 << 0;
    QTest::newRow("winzig") << QSize(0, 0) << QSize(400, 500) << QSize(0, 0) << true << true << 400 << 500;
}

void TestExplorerKarte::rahmen()
{
    QFETCH(QSize, flaeche);
    QFETCH(QSize, karte);
    const Rahmen r = RahmenBerechnen(flaeche.width(), flaeche.height(), karte.width(), karte.height(), 16);
    QTEST(QSize(r.Breite, r.Hoehe), "rahmen");
    QTEST(r.Waagrecht.Sichtbar, "waagrecht");
    QTEST(r.Senkrecht.Sichtbar, "senkrecht");
    QTEST(r.Waagrecht.Maximum, "maxWaagrecht");
    QTEST(r.Senkrecht.Maximum, "maxSenkrecht");
    // Arrow step a hundredth, page step a tenth of the map along the bar.
    QCOMPARE(r.Waagrecht.Schritt, karte.width() / 100);
    QCOMPARE(r.Waagrecht.Seite, karte.width() / 10);
    QCOMPARE(r.Senkrecht.Schritt, karte.height() / 100);
    QCOMPARE(r.Senkrecht.Seite, karte.height() / 10);
}

void TestExplorerKarte::bildlauf_data()
{
    QTest::addColumn<qint64>("pixel");
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("erwartet");
    // A frame of 400 pixels over a map that scrolls from 0 to 1000.
    QTest::newRow("sichtbar bleibt") << qint64(300) << 100 << 100;
    QTest::newRow("am Rand: in die Mitte") << qint64(105) << 100 << 0;
    QTest::newRow("rechts außerhalb") << qint64(900) << 0 << 700;
    QTest::newRow("links außerhalb") << qint64(250) << 600 << 50;
    QTest::newRow("am Ende") << qint64(1390) << 0 << 1000;
    QTest::newRow("außerhalb des Bildes") << qint64(-50) << 300 << 0;
}

void TestExplorerKarte::bildlauf()
{
    QFETCH(qint64, pixel);
    QFETCH(int, wert);
    QTEST(Bildlauf(pixel, wert, 400, 1000), "erwartet");
}

QTEST_GUILESS_MAIN(TestExplorerKarte)
#include "test_explorer_karte.moc"
