// The three pages byte for byte: the goods list, the shop's print page and its export page; the region
// cell's three shapes; masking of values from data and user.
#include "Shopwaren.h"
#include "TestInstallation.h"
#include "WarehouseHTML.h"
#include "WarehouseTestHilfe.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

using namespace WarehouseTest;

namespace {

const QByteArray kKopf = "<html>\r\n<head>\r\n<title>";
const QByteArray kTabelle = "<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" "
                            "bordercolorlight=\"#FFFFFF\" bordercolordark=\"#C0C0C0\">\r\n";

QByteArray Titel(const QByteArray& titel)
{
    return kKopf + titel + "</title>\r\n</head>\r\n";
}

QByteArray Kopfzelle(const QByteArray& text)
{
    return "<TD bgcolor=white FontColor=black><b>" + text + "</b></TD>\r\n";
}

QByteArray Zelle(const QByteArray& text, const QByteArray& breite)
{
    return "<td width=\"" + breite + "\"><small><font face=\"Arial\">" + text + "</font></small></td>\r\n";
}

QByteArray Kopfzeile(bool regionen)
{
    return "<tr>\r\n" + Kopfzelle("NAME:") + Kopfzelle("GEWICHT:") + Kopfzelle("PREIS:")
        + (regionen ? Kopfzelle("VERF\xDCGBAR IN:") : QByteArray()) + "</tr>\r\n";
}

const QString kAlle = QStringLiteral("NO|TH|BO|FI|EL|OR|WE|TO|HA|GA|ZW|PU|LF|ZY|KH|MH|MA|SÜ|MO|WA|");
const QByteArray kAusser = "Alle, ausser NO, TH, OR, WE, TO, HA, ZW, PU, LF, ZY, KH, MH, MA, S\xDC, MO, WA, ";

QList<QStringList> Waren()
{
    return {Ware(QStringLiteral("Talglicht"), QStringLiteral("1"), QStringLiteral("3H"), kAlle),
            // Restricted: the pages show what its text says under its name.
            Ware(QStringLiteral("Öl & Docht"), QStringLiteral("2"), QStringLiteral("2S"), QStringLiteral("BO|EL|FI|"),
                 QStringLiteral("1,5"), QStringLiteral("Feines Lampenöl. Wird nur an Zünfte & Gilden verkauft.")),
            Ware(QStringLiteral("Wachs<klein>"), QStringLiteral("3"), QStringLiteral("1D"), QStringLiteral("BO|EL|FI|GA|"),
                 QStringLiteral("2")),
            Ware(QStringLiteral("Docht"), QStringLiteral("1"), QStringLiteral("1P"), QString(), QString())};
}

WarehouseHTML::Shopkopf Kopf()
{
    return {QStringLiteral("Zum <Goldenen> Kessel"), QStringLiteral("Krämer"), QStringLiteral("Berthold & Söhne"),
            QStringLiteral("WE"), QStringLiteral("Billig"), QStringLiteral("Solide")};
}

Shop::Shopwaren Laden()
{
    Shop::Shopwaren shop;
    for (const QStringList& w : Waren())
        Shop::ShopwareHinzufuegen(shop, w);
    Shop::AnzahlSetzen(shop, 0, QStringLiteral("3"));
    Shop::PreiseBerechnen(shop, 1);
    return shop;
}

template <typename F>
QByteArray Seite(F schreiben)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    schreiben(puffer);
    return puffer.data();
}

} // namespace

class TestWarehouseSeiten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void regionenzelle_data();
    void regionenzelle();
    void gegenstandsliste();
    void shopDruckseite();
    void shopExportseite();
    void leererShop();
    void speichernInDatei();
};

void TestWarehouseSeiten::regionenzelle_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("breite");
    QTest::newRow("alle in Listenreihenfolge")
        << "BO|EL|FI|GA|HA|KH|LF|MA|MH|MO|NO|OR|PU|SÜ|TH|TO|WA|WE|ZW|ZY|" << "Überall" << "35%";
    QTest::newRow("alle in Kartenreihenfolge") << kAlle << "Überall" << "35%";
    QTest::newRow("drei") << "BO|EL|FI|" << "BO|EL|FI|" << "25%";
    QTest::newRow("vier") << "BO|EL|FI|GA|" << QString::fromLatin1(kAusser) << "35%";
    QTest::newRow("eine") << "WE|" << "WE|" << "25%";
    QTest::newRow("keine") << "" << "" << "25%";
}

void TestWarehouseSeiten::regionenzelle()
{
    QFETCH(QString, feld);
    QFETCH(QString, text);
    QFETCH(QString, breite);
    const WarehouseHTML::Zelle zelle = WarehouseHTML::RegionenZelle(feld);
    QCOMPARE(zelle.Text, text);
    QCOMPARE(zelle.Breite, breite);
}

void TestWarehouseSeiten::gegenstandsliste()
{
    const QByteArray seite =
        Seite([](QIODevice& d) { WarehouseHTML::ListenSeiteSchreiben(QStringLiteral("Kerzen & <Licht>"), Waren(), d); });
    const QByteArray erwartet =
        Titel("Kerzen &amp; &lt;Licht&gt;") + kTabelle + Kopfzeile(true)
        + "<tr>\r\n" + Zelle("Talglicht", "35%") + Zelle("5", "15%") + Zelle("3H", "15%") + Zelle("\xDC" "berall", "35%")
        + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("\xD6l &amp; Docht", "35%") + Zelle("1,5", "15%") + Zelle("2S", "15%")
        + Zelle("BO|EL|FI|", "25%") + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("Wachs&lt;klein&gt;", "35%") + Zelle("2", "15%") + Zelle("1D", "15%") + Zelle(kAusser, "35%")
        + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("Docht", "35%") + Zelle("", "15%") + Zelle("1P", "15%") + Zelle("", "25%") + "</tr>\r\n"
        + "</table>\r\n";
    QCOMPARE(seite, erwartet);
}

void TestWarehouseSeiten::shopDruckseite()
{
    const Shop::Shopwaren shop = Laden();
    // In the order of the shop list, which need not be the order of the indexes.
    const QByteArray seite =
        Seite([&shop](QIODevice& d) { WarehouseHTML::ShopDruckseiteSchreiben(Kopf(), shop, {2, 0, 1, 3}, d); });
    const QByteArray erwartet =
        Titel("Zum &lt;Goldenen&gt; Kessel") + "<H1>Zum &lt;Goldenen&gt; Kessel</H1>\r\n"
        + "<B>Shopart: </B> Kr\xE4mer</BR>\r\n" + "<B>Besitzer: </B> Berthold &amp; S\xF6hne</BR>\r\n"
        + "<B>Region: </B> WE</BR>\r\n" + "<B>Preise: </B> Billig</BR>\r\n" + "<B>Qualit\xE4t: </B> Solide</BR>\r\n"
        + "</BR>\r\n</BR>\r\n</BR>\r\n" + kTabelle + Kopfzeile(true)
        + "<tr>\r\n" + Zelle("Wachs&lt;klein&gt;", "35%") + Zelle("2", "15%") + Zelle("0,85D", "15%") + Zelle(kAusser, "35%")
        + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("Talglicht (x3)", "35%") + Zelle("5", "15%") + Zelle("2,55H", "15%")
        + Zelle("\xDC" "berall", "35%") + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("\xD6l &amp; Docht<BR><I>Wird nur an Z\xFCnfte &amp; Gilden verkauft.</I>", "35%")
        + Zelle("1,5", "15%") + Zelle("1,7S", "15%")
        + Zelle("BO|EL|FI|", "25%") + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("Docht", "35%") + Zelle("", "15%") + Zelle("0,85P", "15%") + Zelle("", "25%") + "</tr>\r\n"
        + "</table>\r\n";
    QCOMPARE(seite, erwartet);
}

void TestWarehouseSeiten::shopExportseite()
{
    const Shop::Shopwaren shop = Laden();
    const QByteArray seite = Seite([&shop](QIODevice& d) { WarehouseHTML::ShopseiteSchreiben(Kopf(), shop, {0, 1}, d); });
    const QByteArray erwartet =
        Titel("Zum &lt;Goldenen&gt; Kessel") + "<H1>Zum &lt;Goldenen&gt; Kessel</H1>\r\n"
        + "<B>Name des Shops: </B> Zum &lt;Goldenen&gt; Kessel</BR>\r\n" + "<B>Shopart: </B> Kr\xE4mer</BR>\r\n"
        + "<B>Besitzer/in: </B> Berthold &amp; S\xF6hne</BR>\r\n" + "<B>Region: </B> WE</BR>\r\n"
        + "<B>Preise: </B> Billig</BR>\r\n" + "<B>Qualit\xE4t: </B> Solide</BR>\r\n" + "</BR>\r\n</BR>\r\n</BR>\r\n"
        + kTabelle + Kopfzeile(false)
        + "<tr>\r\n" + Zelle("Talglicht (x3)", "50%") + Zelle("5 Unzen", "40%") + Zelle("2,55H", "10%") + "</tr>\r\n"
        + "<tr>\r\n" + Zelle("\xD6l &amp; Docht<BR><I>Wird nur an Z\xFCnfte &amp; Gilden verkauft.</I>", "50%")
        + Zelle("1,5 Unzen", "40%") + Zelle("1,7S", "10%") + "</tr>\r\n"
        + "</tr>\r\n</table>\r\n";
    QCOMPARE(seite, erwartet);
}

void TestWarehouseSeiten::leererShop()
{
    const Shop::Shopwaren shop;
    const WarehouseHTML::Shopkopf kopf;
    const QByteArray seite = Seite([&](QIODevice& d) { WarehouseHTML::ShopseiteSchreiben(kopf, shop, {}, d); });
    QCOMPARE(seite, Titel("") + "<H1></H1>\r\n<B>Name des Shops: </B> </BR>\r\n<B>Shopart: </B> </BR>\r\n"
                        "<B>Besitzer/in: </B> </BR>\r\n<B>Region: </B> </BR>\r\n<B>Preise: </B> </BR>\r\n"
                        "<B>Qualit\xE4t: </B> </BR>\r\n</BR>\r\n</BR>\r\n</BR>\r\n"
                        + kTabelle + Kopfzeile(false) + "</tr>\r\n</table>\r\n");
    const QByteArray druck = Seite([&](QIODevice& d) { WarehouseHTML::ShopDruckseiteSchreiben(kopf, shop, {}, d); });
    QVERIFY(druck.endsWith(kTabelle + Kopfzeile(true) + "</table>\r\n"));
}

void TestWarehouseSeiten::speichernInDatei()
{
    TestInstallation installation;
    const Shop::Shopwaren shop = Laden();
    const QString pfad = installation.Pfad(QStringLiteral("HTML/neu/laden.html"));
    QString fehler;
    QVERIFY2(WarehouseHTML::ShopseiteSpeichern(Kopf(), shop, WarehouseHTML::Indexreihenfolge(shop), pfad, &fehler),
             qPrintable(fehler));
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/neu/laden.html")),
             Seite([&](QIODevice& d) { WarehouseHTML::ShopseiteSchreiben(Kopf(), shop, {0, 1, 2, 3}, d); }));
    // A folder in the way is reported, not reported as success.
    QVERIFY(!WarehouseHTML::ListenSeiteSpeichern(QStringLiteral("x"), Waren(), installation.Pfad(QStringLiteral("HTML")),
                                                 &fehler));
    QVERIFY(fehler.contains(QStringLiteral("konnte nicht geschrieben werden")));
    QCOMPARE(WarehouseHTML::TempSeite(), installation.Pfad(QStringLiteral("Temp/Temp.html")));
}

QTEST_GUILESS_MAIN(TestWarehouseSeiten)
#include "test_warehouse_seiten.moc"
