// The batch commands: in-process through the same entry point the program uses, and a few runs of the
// built program from a temporary installation.
#include "Dialoge.h"
#include "Shopwaren.h"
#include "TestInstallation.h"
#include "WarehouseBatch.h"
#include "WarehouseHTML.h"
#include "WarehouseTestHilfe.h"
#include "Zufall.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace WarehouseTest;

namespace {

WarehouseBatch::Ergebnis Lauf(const QString& befehl)
{
    Lagerhof3Variablen::Zuruecksetzen();
    return WarehouseBatch::Ausfuehren(QProcess::splitCommand(befehl));
}

// Every goods file and the category list, to tell that a refused command wrote nothing.
QMap<QString, QByteArray> Stand(const TestInstallation& installation)
{
    QMap<QString, QByteArray> stand;
    const QDir ordner(installation.Pfad(QStringLiteral("Data/Warehouse")));
    for (const QString& datei : ordner.entryList(QDir::Files))
        stand[datei] = installation.Bytes(QStringLiteral("Data/Warehouse/") + datei);
    return stand;
}

} // namespace

class TestWarehouseBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kategorienUndListe();
    void aufrufFehler_data();
    void aufrufFehler();
    void details();
    void kategorieNeuUndLoeschen();
    void speichernNeu();
    void speichernAbgelehnt_data();
    void speichernAbgelehnt();
    void speichernAendernUndVerschieben();
    void loeschen();
    void listeHtml();
    void shopSchritteInReihenfolge();
    void shopAbgelehnt_data();
    void shopAbgelehnt();
    void generieren();
    void dasProgrammSelbst();
};

void TestWarehouseBatch::kategorienUndListe()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--kategorien"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 32);
    QCOMPARE(e.Ausgabe.first(), QStringLiteral("Nahkampfwaffen"));

    KleinerKatalog(installation);
    e = Lauf(QStringLiteral("--liste Kerzen"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Talglicht\t3H\t0", "Wachskerze\t1S\t1"}));
    QCOMPARE(Lauf(QStringLiteral("--liste kerzen")).Ausgabe, e.Ausgabe);
    e = Lauf(QStringLiteral("--liste"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), WarehouseTest::WarenLesen(installation, QStringLiteral("Nahkampfwaffen")).size()
                                   + WarehouseTest::WarenLesen(installation, QStringLiteral("Fernwaffen")).size()
                                   + WarehouseTest::WarenLesen(installation, QStringLiteral("Rüstungen")).size() + 4);
    QCOMPARE(e.Ausgabe.last(), QStringLiteral("Wachskerze\t1S\t%1").arg(e.Ausgabe.size() - 1));
    QCOMPARE(Lauf(QStringLiteral("--liste Alles")).Ausgabe, e.Ausgabe);
    QVERIFY(dialoge.aufrufe.isEmpty());

    e = Lauf(QStringLiteral("--liste Gibtsnicht"));
    QCOMPARE(e.Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("Gibtsnicht")));
}

void TestWarehouseBatch::aufrufFehler_data()
{
    QTest::addColumn<QString>("befehl");
    QTest::newRow("nichts") << "";
    QTest::newRow("unbekannt") << "--lagern";
    QTest::newRow("Liste zuviel") << "--liste Kerzen Mehr";
    QTest::newRow("Details ohne Namen") << "--details Kerzen";
    QTest::newRow("Neu ohne Namen") << "--kategorie-neu";
    QTest::newRow("HTML ohne Ausgabe") << "--liste-html Kerzen";
    QTest::newRow("Speichern ohne Kategorie") << "--speichern --name X";
    QTest::newRow("Generieren ohne Qualität") << "--generieren --shopart Krämer --preise 3";
    QTest::newRow("Shop unbekannt") << "--shop --ware";
    QTest::newRow("Shop fremde Option") << "--shop --farbe rot";
    // A name is one line of its file and of every list.
    QTest::newRow("Kategorie zweizeilig") << "--kategorie-neu \"Zwei\nZeilen\"";
    QTest::newRow("Name mit Tabulator") << "--speichern Kerzen --name \"Zwei\tSpalten\" --wert 1 --preis 2 --waehrung D";
    QTest::newRow("Name zweizeilig") << "--speichern Kerzen --name \"Zwei\r\nZeilen\" --wert 1 --preis 2 --waehrung D";
    QTest::newRow("Shopart zweizeilig") << "--shop --shopart \"Zwei\nZeilen\" --ware Seil";
    QTest::newRow("Besitzer mit Tabulator") << "--generieren --shopart Krämer --qualitaet 3 --preise 3 --besitzer \"A\tB\"";
}

void TestWarehouseBatch::aufrufFehler()
{
    QFETCH(QString, befehl);
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    const WarehouseBatch::Ergebnis e = Lauf(befehl);
    QCOMPARE(e.Status, 2);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("--help")));
}

void TestWarehouseBatch::details()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--details Seilerei Seil"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Seil", "1 - Gibts in jedem Fachgeschäft", "5", "4", "Silbertaler",
                                     "Ein Testgegenstand.", "BO, EL"}));
    e = Lauf(QStringLiteral("--details Alles Tau"));
    QCOMPARE(e.Ausgabe[1], QStringLiteral("2 - Weit verbreiteter Gegenstand"));
    QCOMPARE(e.Ausgabe[6], QString());
    e = Lauf(QStringLiteral("--details Kerzen Seil"));
    QCOMPARE(e.Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("keinen Gegenstand „Seil“")));
}

void TestWarehouseBatch::kategorieNeuUndLoeschen()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    // The first start takes the replacement files in; after it a refused command writes nothing.
    Lauf(QStringLiteral("--kategorien"));
    const auto vorher = Stand(installation);
    for (const char* name : {"kerzen", "NAHKAMPFWAFFEN", "alles", "ItemKategorien", "ShopgeneratorShops",
                             "Warehouse-Ersatz", "../Fremd"}) {
        const WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--kategorie-neu ") + QLatin1String(name));
        QCOMPARE(e.Status, 1);
        QCOMPARE(Stand(installation), vorher);
    }
    QCOMPARE(Lauf(QStringLiteral("--kategorie-neu Edelsteine")).Status, 0);
    QCOMPARE(Lauf(QStringLiteral("--kategorien")).Ausgabe.last(), QStringLiteral("Edelsteine"));
    QVERIFY(QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Edelsteine")))));

    for (const char* name : {"Fernwaffen", "Alles", "Gibtsnicht"})
        QCOMPARE(Lauf(QStringLiteral("--kategorie-loeschen ") + QLatin1String(name)).Status, 1);
    QCOMPARE(Lauf(QStringLiteral("--kategorie-loeschen kerzen")).Status, 0);
    QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")))));
    QVERIFY(!Lauf(QStringLiteral("--kategorien")).Ausgabe.contains(QStringLiteral("Kerzen")));
}

void TestWarehouseBatch::speichernNeu()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    const WarehouseBatch::Ergebnis e =
        Lauf(QStringLiteral("--speichern Kerzen --name \" Bienenwachs \" --wert 2 --gewicht 1,5 --preis 2 --waehrung silbertaler "
                            "--beschreibung \"Gelbes Wachs\" --regionen bo,SÜ,bo"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Talglicht\t3H\t0", "Wachskerze\t1S\t1", "Bienenwachs\t2S\t2"}));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last(),
             (QStringList{"Bienenwachs2", "1,5", "2S", "Gelbes Wachs", "BO|SÜ|"}));
    // Under "Alles" the new good goes where --nach says.
    QCOMPARE(Lauf(QStringLiteral("--speichern Alles --nach Leer --name Nichts --wert 1 --preis 0 --waehrung P")).Status, 0);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Leer")),
             (QList<QStringList>{{"Nichts1", "", "0P", "", ""}}));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseBatch::speichernAbgelehnt_data()
{
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<int>("status");
    const QString gut = QStringLiteral(" --name Neu --wert 1 --preis 2 --waehrung Dukaten");
    QTest::newRow("Preis zwei Kommas") << "Kerzen --name Neu --wert 1 --preis 1,5,0 --waehrung D" << 2;
    QTest::newRow("Preis mit Währung") << "Kerzen --name Neu --wert 1 --preis 12D --waehrung D" << 2;
    QTest::newRow("Gewicht Text") << QStringLiteral("Kerzen --gewicht schwer") + gut << 2;
    QTest::newRow("Wert 6") << "Kerzen --name Neu --wert 6 --preis 2 --waehrung D" << 2;
    QTest::newRow("Wert 1,5") << "Kerzen --name Neu --wert 1,5 --preis 2 --waehrung D" << 2;
    QTest::newRow("Währung unbekannt") << "Kerzen --name Neu --wert 1 --preis 2 --waehrung Taler" << 2;
    QTest::newRow("Region unbekannt") << QStringLiteral("Kerzen --regionen BO,XX") + gut << 2;
    QTest::newRow("ohne Währung") << "Kerzen --name Neu --wert 1 --preis 2" << 1;
    QTest::newRow("ohne Namen") << "Kerzen --wert 1 --preis 2 --waehrung D" << 1;
    QTest::newRow("Name nur Leerzeichen") << "Kerzen --name \"  \" --wert 1 --preis 2 --waehrung D" << 1;
    QTest::newRow("Alles ohne Ziel") << QStringLiteral("Alles") + gut << 1;
    QTest::newRow("Ziel Alles") << QStringLiteral("Alles --nach Alles") + gut << 1;
    QTest::newRow("Verschieben nach Alles") << "Kerzen --aendern Talglicht --nach alles" << 1;
    QTest::newRow("Verschieben nach Alles unter Alles") << "Alles --aendern Seil --nach Alles --preis 5" << 1;
    QTest::newRow("Neu nach Alles") << QStringLiteral("Kerzen --nach Alles") + gut << 1;
    QTest::newRow("Ziel unbekannt") << QStringLiteral("Kerzen --nach Nirgends") + gut << 1;
    QTest::newRow("Name unbekannt") << "Kerzen --aendern Fackel --preis 3" << 1;
    QTest::newRow("Kategorie unbekannt") << QStringLiteral("Lampen") + gut << 1;
}

void TestWarehouseBatch::speichernAbgelehnt()
{
    QFETCH(QString, optionen);
    QFETCH(int, status);
    TestInstallation installation;
    KleinerKatalog(installation);
    Lauf(QStringLiteral("--kategorien"));
    const auto vorher = Stand(installation);
    Dialoge::Skript dialoge;
    const WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--speichern ") + optionen);
    QCOMPARE(e.Status, status);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QCOMPARE(Stand(installation), vorher);
}

void TestWarehouseBatch::speichernAendernUndVerschieben()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--speichern Seilerei --aendern Tau --preis 3,5"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Seil\t4S\t0", "Tau\t3,5D\t1"}));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei"))[1],
             Ware(QStringLiteral("Tau"), QStringLiteral("2"), QStringLiteral("3,5D")));

    e = Lauf(QStringLiteral("--speichern Seilerei --aendern Seil --nach kerzen --wert 5"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Tau\t3,5D\t0"}));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last(),
             Ware(QStringLiteral("Seil"), QStringLiteral("5"), QStringLiteral("4S"), QStringLiteral("BO|EL|")));

    // Under "Alles" the good's own category counts, and it moves to the end.
    e = Lauf(QStringLiteral("--speichern Alles --aendern Tau --nach Leer"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.last(), QStringLiteral("Tau\t3,5D\t%1").arg(e.Ausgabe.size() - 1));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).size(), 0);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Leer")).size(), 1);
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseBatch::loeschen()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--loeschen Kerzen Talglicht"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Wachskerze\t1S\t0"}));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).size(), 1);
    const auto vorher = Stand(installation);
    QCOMPARE(Lauf(QStringLiteral("--loeschen Kerzen Talglicht")).Status, 1);
    QCOMPARE(Stand(installation), vorher);
}

void TestWarehouseBatch::listeHtml()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    const QString datei = installation.Pfad(QStringLiteral("HTML/liste.html"));
    QCOMPARE(Lauf(QStringLiteral("--liste-html Seilerei --ausgabe ") + datei).Status, 0);
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    WarehouseHTML::ListenSeiteSchreiben(QStringLiteral("Seilerei"), WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")),
                                        erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/liste.html")), erwartet.data());
    QCOMPARE(Lauf(QStringLiteral("--liste-html --ausgabe ") + datei).Status, 0);
    QVERIFY(installation.Bytes(QStringLiteral("HTML/liste.html")).startsWith("<html>\r\n<head>\r\n<title>Alles</title>"));
}

void TestWarehouseBatch::shopSchritteInReihenfolge()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    const QString ausgabe = installation.Pfad(QStringLiteral("HTML/shop.html"));
    const QString druck = installation.Pfad(QStringLiteral("Temp/druck.html"));
    const WarehouseBatch::Ergebnis e = Lauf(
        QStringLiteral("--shop --name \"Bei Berthold\" --shopart Krämer --besitzer Berthold --region we --qualitaet solide "
                       "--ware Seil --anzahl 3 --ware Tau --ware Talglicht --preise Billig --waehlen 2 --neuer-preis 9 "
                       "--waehlen 3 --entfernen --ausgabe ")
        + ausgabe + QStringLiteral(" --druckseite ") + druck);
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"Seil (x3)\t5\t3,4S\t0", "Tau\t5\t9D\t1"}));

    // The pages are the engine's pages of the same shop.
    Shop::Shopwaren shop;
    Shop::ShopwareHinzufuegen(shop, Ware(QStringLiteral("Seil"), QStringLiteral("1"), QStringLiteral("4S"), QStringLiteral("BO|EL|")));
    Shop::AnzahlSetzen(shop, 0, QStringLiteral("3"));
    Shop::ShopwareHinzufuegen(shop, Ware(QStringLiteral("Tau"), QStringLiteral("2"), QStringLiteral("2D")));
    Shop::PreiseBerechnen(shop, 1);
    Shop::NeuerPreis(shop, 1, QStringLiteral("9"));
    const WarehouseHTML::Shopkopf kopf{QStringLiteral("Bei Berthold"), QStringLiteral("Krämer"), QStringLiteral("Berthold"),
                                       QStringLiteral("WE"), QStringLiteral("Billig"), QStringLiteral("Solide")};
    QBuffer seite, druckseite;
    seite.open(QIODevice::WriteOnly);
    druckseite.open(QIODevice::WriteOnly);
    WarehouseHTML::ShopseiteSchreiben(kopf, shop, {0, 1}, seite);
    WarehouseHTML::ShopDruckseiteSchreiben(kopf, shop, {0, 1}, druckseite);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/shop.html")), seite.data());
    QCOMPARE(installation.Bytes(QStringLiteral("Temp/druck.html")), druckseite.data());
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseBatch::shopAbgelehnt_data()
{
    QTest::addColumn<QString>("schritte");
    QTest::newRow("Anzahl ohne Wahl") << "--anzahl 3";
    QTest::newRow("Preis nach Entfernen") << "--ware Seil --entfernen --neuer-preis 3";
    QTest::newRow("Ware unbekannt") << "--ware Fackel";
    QTest::newRow("Nummer zu groß") << "--ware Seil --waehlen 2";
    QTest::newRow("Nummer null") << "--ware Seil --waehlen 0";
    QTest::newRow("Qualität") << "--qualitaet mittel";
    QTest::newRow("Preise") << "--ware Seil --preise 6";
    QTest::newRow("Region") << "--region XX";
}

void TestWarehouseBatch::shopAbgelehnt()
{
    QFETCH(QString, schritte);
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    const WarehouseBatch::Ergebnis e =
        Lauf(QStringLiteral("--shop ") + schritte + QStringLiteral(" --ausgabe ") + installation.Pfad(QStringLiteral("HTML/x.html")));
    QCOMPARE(e.Status, 1);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(!QFile::exists(installation.Pfad(QStringLiteral("HTML/x.html"))));
}

void TestWarehouseBatch::generieren()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"), {QStringLiteral("Lichtzieher")});
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"),
                                 {QStringLiteral("[Lichtzieher]"), QStringLiteral("WareCount=2"),
                                  QStringLiteral("Ware1=Kerzen"), QStringLiteral("Ware2=Seilerei")});
    Dialoge::Skript dialoge;
    QCOMPARE(Lauf(QStringLiteral("--generieren --shopart Krämer --qualitaet 3 --preise 3")).Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("Lichtzieher")));

    // Region WE: Talglicht has no regions; Wachskerze fails its W6; Seil (BO, EL: d 1) passes W6 and W20;
    // Tau has no regions.
    {
        Zufall::Skript wuerfe({6, 2, 6, 16, 6});
        const QString druck = installation.Pfad(QStringLiteral("HTML/gen.html"));
        const WarehouseBatch::Ergebnis e = Lauf(QStringLiteral("--generieren --shopart Lichtzieher --qualitaet 2 "
                                                               "--preise \"Sehr teuer / Wucher\" --region we --name Licht "
                                                               "--druckseite ")
                                                + druck);
        QCOMPARE(e.Status, 0);
        QCOMPARE(e.Ausgabe, (QStringList{"Seil\t5\t6S\t0"}));
        QCOMPARE(wuerfe.Angefragt(), (QList<int>{6, 6, 6, 20, 6}));
        const QString seite = QString::fromLatin1(installation.Bytes(QStringLiteral("HTML/gen.html")));
        for (const char* zeile : {"<B>Shopart: </B> Lichtzieher</BR>", "<B>Region: </B> WE</BR>",
                                  "<B>Preise: </B> Sehr teuer / Wucher</BR>", "<B>Qualit\xE4t: </B> Einfach</BR>"})
            QVERIFY2(seite.contains(QString::fromLatin1(zeile)), zeile);
    }
    // Nothing added: the price level is not taken over.
    {
        Zufall::Skript wuerfe({1, 1, 1, 1});
        const QString druck = installation.Pfad(QStringLiteral("HTML/leer.html"));
        const WarehouseBatch::Ergebnis e =
            Lauf(QStringLiteral("--generieren --shopart Lichtzieher --qualitaet 1 --preise 5 --druckseite ") + druck);
        QCOMPARE(e.Status, 0);
        QVERIFY(e.Ausgabe.isEmpty());
        QVERIFY(installation.Bytes(QStringLiteral("HTML/leer.html")).contains("<B>Preise: </B> </BR>"));
    }
    for (const char* falsch : {"--qualitaet 6 --preise 1", "--qualitaet 1 --preise teuerst", "--qualitaet 1 --preise 1 --region Q"})
        QCOMPARE(Lauf(QStringLiteral("--generieren --shopart Lichtzieher ") + QLatin1String(falsch)).Status, 2);
}

void TestWarehouseBatch::dasProgrammSelbst()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    const QString programm = installation.Pfad(QStringLiteral("Lagerhof3"));
    QVERIFY(QFile::copy(QStringLiteral(LAGERHOF3_PROGRAMM), programm));
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const auto starten = [&](const QStringList& argumente, QByteArray* aus, QByteArray* fehler) {
        const Programmlauf lauf = ProgrammStarten(programm, argumente, umgebung);
        *aus = lauf.ausgabe.toUtf8();
        *fehler = lauf.fehler.toUtf8();
        return lauf.status;
    };
    QByteArray aus, fehler;
    QCOMPARE(starten({"--liste", "Kerzen"}, &aus, &fehler), 0);
    QCOMPARE(aus, QByteArray("Talglicht\t3H\t0\nWachskerze\t1S\t1\n"));
    QCOMPARE(starten({"--seed", "7", "--shop", "--ware", "Seil", "--ware", "Tau"}, &aus, &fehler), 0);
    QCOMPARE(aus, QByteArray("Seil\t5\t4S\t0\nTau\t5\t2D\t1\n"));
    QCOMPARE(starten({"--help"}, &aus, &fehler), 0);
    QVERIFY(aus.contains("--generieren"));
    QCOMPARE(starten({"--kategorie-neu", "kerzen"}, &aus, &fehler), 1);
    QVERIFY(fehler.contains("existiert bereits"));
}

QTEST_GUILESS_MAIN(TestWarehouseBatch)
#include "test_warehouse_batch.moc"
