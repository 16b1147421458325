// The city file: exact bytes written, round trips, and files that are refused whole.
#include "Dialoge.h"
#include "Stadt.h"
#include "Stadtdatei.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QtTest>

using namespace CityEngine;

namespace {

QByteArray Bytes(const QStringList& zeilen)
{
    QByteArray b;
    for (const QString& z : zeilen)
        b += Zeilendatei::Kodieren(z) + "\r\n";
    return b;
}

QStringList Leerslot() { return {QString(), QString(), QStringLiteral("-1"), QStringLiteral("-1"), QString()}; }

// A city with something in every field, two inns, a trader and two temples.
Stadt Beispielstadt()
{
    Stadt s;
    s.Name = QStringLiteral("Brückental");
    s.Einwohnerzahl = QStringLiteral("1200");
    s.Rasse = 6;
    s.Durchfahrende = QStringLiteral("Häufig Durchfahrende");
    s.Markt = QStringLiteral("4 Tage im Monat");
    s.Buergermeister = QStringLiteral("Ulfa Gerdasdotter");
    s.Reichtum = 0;
    s.Kriminalitaet = 2;
    s.Hintergrund = QStringLiteral("Erste Zeile.\nZweite Zeile mit &#10; und łódź.\r\nDritte.");
    s.Betriebe[Gasthaus].Slots = {{QStringLiteral("Zum Anker"), QStringLiteral("Hjalmar"), QStringLiteral("2"),
                                   QStringLiteral("4"), QStringLiteral("Ein Gast singt.")},
                                  {QStringLiteral("Die Möwe"), QString(), QStringLiteral("-1"), QStringLiteral("0"), QString()},
                                  {QString(), QString(), QString(), QString(), QString()}};
    s.Betriebe[Haendler].Slots = {{QStringLiteral("Tuchhändler"), QStringLiteral("Svea"), QStringLiteral("3"),
                                   QStringLiteral("1"), QString()},
                                  {QString(), QString(), QString(), QString(), QString()}};
    s.Tempel.Slots = {{QStringLiteral("Praios"), QStringLiteral("Bruder Berthold")},
                      {QStringLiteral("Rondra"), QString()},
                      {QString(), QString()}};
    return s;
}

} // namespace

class TestCityDatei : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Variablen::Programmtitel = QStringLiteral("Ortsbau 3"); }

    void druckzahlen_data();
    void druckzahlen();
    void leereStadtSchreibtSechsundfuenfzigZeilen();
    void listeMitZweiBetriebenSchreibtDreiSlots();
    void speichernMeldetErfolg();
    void speichernInNichtBeschreibbarenOrdnerMeldetFehler();
    void rundreiseBehaeltJedesFeld();
    void zeilenumbruchBleibtInEinerZeile();
    void lesenNimmtLfUndLeerzeichenUmZahlen();
    void falschNachKarteLoeschtFlag();
    void verweigerteDateien_data();
    void verweigerteDateien();
    void fehlendeDatei();
};

void TestCityDatei::druckzahlen_data()
{
    QTest::addColumn<int>("zahl");
    QTest::addColumn<QString>("zeile");
    QTest::newRow("null") << 0 << QStringLiteral(" 0 ");
    QTest::newRow("drei") << 3 << QStringLiteral(" 3 ");
    QTest::newRow("neun") << 9 << QStringLiteral(" 9 ");
    QTest::newRow("minus eins") << -1 << QStringLiteral("-1 ");
    QTest::newRow("gross") << 32767 << QStringLiteral(" 32767 ");
}

void TestCityDatei::druckzahlen()
{
    QFETCH(int, zahl);
    QFETCH(QString, zeile);
    QCOMPARE(Zeilendatei::Druckzahl(zahl), zeile);
}

void TestCityDatei::leereStadtSchreibtSechsundfuenfzigZeilen()
{
    TestInstallation inst(false);
    const QString pfad = inst.Pfad(QStringLiteral("WBD/leer.wbd"));
    QVERIFY(StadtdateiSchreiben(pfad, Stadt(), QString(), QString()));

    QStringList erwartet = {QStringLiteral("Ortsbau 3")};
    for (int i = 0; i < 8; ++i)
        erwartet << QStringLiteral(" 0 ");
    erwartet << QString() << QString() << QStringLiteral(" 9 ") << QString() << QString() << QString()
             << QStringLiteral("-1 ") << QStringLiteral("-1 ") << QString();
    for (int i = 0; i < 7; ++i)
        erwartet += Leerslot();
    erwartet << QString() << QString() << QStringLiteral("Falsch");
    QCOMPARE(erwartet.size(), 56);
    QCOMPARE(inst.Bytes(QStringLiteral("WBD/leer.wbd")), Bytes(erwartet));
}

void TestCityDatei::listeMitZweiBetriebenSchreibtDreiSlots()
{
    const QStringList z = Dateizeilen(Beispielstadt(), QStringLiteral("4500"), QStringLiteral("6015"));
    QCOMPARE(z[1], QStringLiteral(" 2 "));  // inns
    QCOMPARE(z[4], QStringLiteral(" 1 "));  // traders
    QCOMPARE(z[8], QStringLiteral(" 2 "));  // temples
    QCOMPARE(z[11], QStringLiteral(" 6 ")); // people
    QCOMPARE(z[15], QStringLiteral(" 0 "));
    QCOMPARE(z[16], QStringLiteral(" 2 "));
    // Inn slots start at line 19: two entries, then the blank slot of five empty lines.
    QCOMPARE(z.mid(18, 5), (QStringList{QStringLiteral("Zum Anker"), QStringLiteral("Hjalmar"), QStringLiteral("2"),
                                        QStringLiteral("4"), QStringLiteral("Ein Gast singt.")}));
    QCOMPARE(z.mid(28, 5), QStringList(5, QString()));
    QCOMPARE(z.size(), 19 + 5 * (3 + 1 + 1 + 2 + 1 + 1 + 1) + 2 * 3);
    QCOMPARE(z.last(), QStringLiteral("Falsch")); // no coordinates without the flag
    Stadt karte = Beispielstadt();
    karte.StadtAufKarte = true;
    const QStringList mitKarte = Dateizeilen(karte, QStringLiteral("4500"), QStringLiteral("6015"));
    QCOMPARE(mitKarte.size(), z.size() + 2);
    QCOMPARE(mitKarte.mid(mitKarte.size() - 3),
             (QStringList{QStringLiteral("Wahr"), QStringLiteral("4500"), QStringLiteral("6015")}));
}

void TestCityDatei::speichernMeldetErfolg()
{
    TestInstallation inst(false);
    Dialoge::Skript dialoge;
    {
        Stadt stadt = Beispielstadt();
        QVERIFY(StadtSpeichern(inst.Pfad(QStringLiteral("WBD/a.wbd")), stadt));
    }
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe[0].text, QStringLiteral("Die Datei wurde erfolgreich gespeichert."));
    QCOMPARE(dialoge.aufrufe[0].titel, QStringLiteral("Ortsbau 3"));
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Information);
    QCOMPARE(inst.Bytes(QStringLiteral("WBD/a.wbd")), Bytes(Dateizeilen(Beispielstadt())));
}

void TestCityDatei::speichernInNichtBeschreibbarenOrdnerMeldetFehler()
{
    TestInstallation inst(false);
    Dialoge::Skript dialoge;
    {
        Stadt stadt = Beispielstadt();
        QVERIFY(!StadtSpeichern(inst.Pfad(QStringLiteral("fehlt/gibtsnicht/a.wbd")), stadt));
    }
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY(dialoge.aufrufe[0].text.startsWith(QStringLiteral("Die Datei konnte nicht gespeichert werden")));
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
}

void TestCityDatei::rundreiseBehaeltJedesFeld()
{
    TestInstallation inst(false);
    const Stadt original = Beispielstadt();
    const QString pfad = inst.Pfad(QStringLiteral("WBD/b.wbd"));
    QVERIFY(StadtdateiSchreiben(pfad, original, QString(), QString()));
    Stadt gelesen;
    QCOMPARE(StadtdateiLesen(pfad, gelesen), Leseergebnis::Gelesen);
    QCOMPARE(gelesen.Name, original.Name);
    QCOMPARE(gelesen.Einwohnerzahl, original.Einwohnerzahl);
    QCOMPARE(gelesen.Rasse, 6);
    QCOMPARE(gelesen.Reichtum, 0);
    QCOMPARE(gelesen.Kriminalitaet, 2);
    QCOMPARE(gelesen.Durchfahrende, original.Durchfahrende);
    QCOMPARE(gelesen.Markt, original.Markt);
    QCOMPARE(gelesen.Buergermeister, original.Buergermeister);
    QCOMPARE(gelesen.Hintergrund, original.Hintergrund);
    for (int k = 0; k < KategorienAnzahl; ++k)
        QCOMPARE(gelesen.Betriebe[k].Slots, original.Betriebe[k].Slots);
    QCOMPARE(gelesen.Tempel.Slots, original.Tempel.Slots);
    QVERIFY(!gelesen.StadtAufKarte);
    // Writing what was read gives the same bytes again.
    QCOMPARE(Bytes(Dateizeilen(gelesen)), inst.Bytes(QStringLiteral("WBD/b.wbd")));
}

void TestCityDatei::zeilenumbruchBleibtInEinerZeile()
{
    const QStringList z = Dateizeilen(Beispielstadt());
    const QByteArray b = Bytes(z);
    // Line 18 is the background story, escaped into one line.
    const QList<QByteArray> zeilen = b.split('\n');
    QCOMPARE(zeilen[17], QByteArray("Erste Zeile.&#10;Zweite Zeile mit &#38;#10; und &#322;\xF3" "d&#378;.&#13;&#10;Dritte.\r"));
    QCOMPARE(zeilen.size() - 1, z.size());
}

void TestCityDatei::lesenNimmtLfUndLeerzeichenUmZahlen()
{
    TestInstallation inst(false);
    QStringList z = Dateizeilen(Beispielstadt());
    z[1] = QStringLiteral("2");
    z[8] = QStringLiteral("   2");
    z[16] = QStringLiteral("\t2 ");
    QByteArray lf;
    for (const QString& zeile : z)
        lf += Zeilendatei::Kodieren(zeile) + "\n";
    lf.chop(1); // no line end after the last line
    inst.Schreiben(QStringLiteral("WBD/lf.wbd"), lf);
    Stadt s;
    QCOMPARE(StadtdateiLesen(inst.Pfad(QStringLiteral("WBD/lf.wbd")), s), Leseergebnis::Gelesen);
    QCOMPARE(s.Betriebe[Gasthaus].Anzahl(), 2);
    QCOMPARE(s.Tempel.Anzahl(), 2);
    QCOMPARE(s.Kriminalitaet, 2);
    QCOMPARE(s.Tempel.Slots[1][0], QStringLiteral("Rondra"));
}

void TestCityDatei::falschNachKarteLoeschtFlag()
{
    TestInstallation inst(false);
    inst.ZeilenSchreiben(QStringLiteral("WBD/c.wbd"), Dateizeilen(Beispielstadt()));
    Stadt s;
    s.StadtAufKarte = true;
    s.KarteX = QStringLiteral("15");
    Dialoge::Skript dialoge;
    QVERIFY(StadtLaden(inst.Pfad(QStringLiteral("WBD/c.wbd")), s));
    QVERIFY(!s.StadtAufKarte);
    QVERIFY(dialoge.aufrufe.isEmpty());
    const QStringList wieder = Dateizeilen(s, QStringLiteral("1"), QStringLiteral("2"));
    QCOMPARE(wieder.last(), QStringLiteral("Falsch"));
}

void TestCityDatei::verweigerteDateien_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    const QStringList gut = Dateizeilen(Beispielstadt());
    auto mit = [&](int zeile, const QString& wert) {
        QStringList z = gut;
        z[zeile] = wert;
        return Bytes(z);
    };
    QStringList karte = gut;
    karte.last() = QStringLiteral("Wahr");

    QTest::newRow("leer") << QByteArray();
    QTest::newRow("andere Kennung") << mit(0, QStringLiteral("Waffkam 3 - Nahkampfwaffe"));
    QTest::newRow("Kennung klein") << mit(0, QStringLiteral("ortsbau 3"));
    QTest::newRow("Kennung mit Leerzeichen") << mit(0, QStringLiteral("Ortsbau 3 "));
    QTest::newRow("nur Kennung") << Bytes({QStringLiteral("Ortsbau 3")});
    QTest::newRow("Anzahl keine Zahl") << mit(3, QStringLiteral("drei"));
    QTest::newRow("Anzahl leer") << mit(2, QString());
    QTest::newRow("Anzahl negativ") << mit(5, QStringLiteral("-1 "));
    QTest::newRow("Anzahl zu gross") << mit(1, QStringLiteral(" 40000 "));
    QTest::newRow("Anzahl zu hoch fuer Datei") << mit(7, QStringLiteral(" 50 "));
    QTest::newRow("Rasse keine Zahl") << mit(11, QStringLiteral("Thorwaler"));
    QTest::newRow("Reichtum mit Text") << mit(15, QStringLiteral(" 1x "));
    QTest::newRow("Kriminalitaet ausserhalb 16 Bit") << mit(16, QStringLiteral(" 70000 "));
    QTest::newRow("mitten in den Listen abgeschnitten") << Bytes(gut.mid(0, 40));
    QTest::newRow("ohne Kartenzeile") << Bytes(gut.mid(0, gut.size() - 1));
    QTest::newRow("Wahr ohne Koordinaten") << Bytes(karte);
    QTest::newRow("Wahr mit einer Koordinate") << Bytes(karte + QStringList{QStringLiteral("15")});
}

void TestCityDatei::verweigerteDateien()
{
    QFETCH(QByteArray, inhalt);
    TestInstallation inst(false);
    inst.Schreiben(QStringLiteral("WBD/kaputt.wbd"), inhalt);

    Stadt vorher = Beispielstadt();
    vorher.Name = QStringLiteral("Bleibt");
    vorher.StadtAufKarte = true;
    vorher.KarteX = QStringLiteral("30");
    Stadt s = vorher;
    Dialoge::Skript dialoge;
    QVERIFY(!StadtLaden(inst.Pfad(QStringLiteral("WBD/kaputt.wbd")), s));
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Diese Datei wurde nicht mit Ortsbau 3 erstellt oder sie ist beschädigt.")});
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(dialoge.aufrufe[0].titel, QStringLiteral("Ortsbau 3"));
    // The city in memory is exactly as it was.
    QCOMPARE(Dateizeilen(s, s.KarteX, s.KarteY), Dateizeilen(vorher, vorher.KarteX, vorher.KarteY));
    QCOMPARE(s.KarteX, QStringLiteral("30"));
}

void TestCityDatei::fehlendeDatei()
{
    TestInstallation inst(false);
    Stadt s = Beispielstadt();
    QCOMPARE(StadtdateiLesen(inst.Pfad(QStringLiteral("WBD/nichts.wbd")), s), Leseergebnis::NichtGefunden);
    QCOMPARE(s.Name, QStringLiteral("Brückental"));
    Dialoge::Skript dialoge;
    QVERIFY(!StadtLaden(inst.Pfad(QStringLiteral("WBD/nichts.wbd")), s));
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY(dialoge.aufrufe[0].text.contains(QStringLiteral("nichts.wbd")));
}

QTEST_GUILESS_MAIN(TestCityDatei)
#include "test_city_datei.moc"
