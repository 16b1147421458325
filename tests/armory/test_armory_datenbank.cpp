// The armory databases: file format, round trips, renumbering, damaged and missing files, list columns,
// regions.
#include "ArmoryTestHilfe.h"
#include "TestInstallation.h"
#include "Waffentabelle.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace Waffentabellen;
using namespace ArmoryTest;

namespace {

const char* const kNahkampf = "Data/Armory/Nahkampfwaffen.dat";

Waffentabelle Neu(Tabelle t)
{
    Waffentabelle tabelle;
    tabelle.Art = t;
    return tabelle;
}

// The row-number lines of a file as written (every block's first line).
QStringList Nummernzeilen(const QStringList& zeilen, int blockgroesse)
{
    QStringList nummern;
    for (int i = 1; i < zeilen.size(); i += blockgroesse)
        nummern.append(zeilen[i]);
    return nummern;
}

} // namespace

class TestArmoryDatenbank : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void geliefertDatenbankenBleibenBeimNeuschreibenByteGleich_data();
    void geliefertDatenbankenBleibenBeimNeuschreibenByteGleich();
    void sonderzeichenUndZeilenumbruecheUeberlebenDieDatei();
    void zeilennummernBleibenNachAnhaengenUndLoeschenFortlaufend();
    void veralteteZeilennummernWerdenBeimLadenUndSchreibenRepariert();
    void letztenEintragLoeschenLaesstNurDieVersionszeile();
    void dateiMitNurVersionszeileGibtLeereTabelle();
    void zeilenendenLfUndFehlendesLetztesZeilenende();
    void abgeschnitteneDateiLaedtGanzeBloeckeUndSichertOriginal();
    void nurCrZeilenendenLadenAlleEintraege();
    void fremdeErsteZeileLaedtNichtsUndSichertVorDemSchreiben();
    void vorhandeneSicherungWirdNieUeberschrieben();
    void fehlendeDateiGibtLeereTabelleUndEntstehtBeimSpeichern();
    void fehlgeschlagenesSchreibenWirdGemeldet();
    void listenspalten_data();
    void listenspalten();
    void leereZahlenfelderWerdenNull_data();
    void leereZahlenfelderWerdenNull();
    void regionsfeld_data();
    void regionsfeld();
    void flagGesetzt_data();
    void flagGesetzt();
    void suchenFindetDenErstenEintragDesNamens();
};

void TestArmoryDatenbank::geliefertDatenbankenBleibenBeimNeuschreibenByteGleich_data()
{
    QTest::addColumn<int>("tabelle");
    QTest::newRow("Nahkampfwaffen") << int(Tabelle::NWaffen);
    QTest::newRow("Fernwaffen") << int(Tabelle::FWaffen);
    QTest::newRow("Rüstungen") << int(Tabelle::Armor);
}

void TestArmoryDatenbank::geliefertDatenbankenBleibenBeimNeuschreibenByteGleich()
{
    QFETCH(int, tabelle);
    TestInstallation installation;
    const QString pfad = Dateipfad(Tabelle(tabelle));
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    const QByteArray vorher = datei.readAll();
    datei.close();

    Waffentabelle t = Neu(Tabelle(tabelle));
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QVERIFY(ergebnis.Vorhanden);
    QVERIFY(!ergebnis.Unvollstaendig);
    QVERIFY(Lademeldung(ergebnis).isEmpty());
    QVERIFY(t.Anzahl() > 0);
    for (const QStringList& zeile : t.Zeilen)
        QCOMPARE(zeile.size(), Feldanzahl(Tabelle(tabelle)));
    QVERIFY(TabelleSpeichern(t));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll(), vorher);
    QVERIFY(!QFile::exists(pfad + QStringLiteral(".bak")));
}

void TestArmoryDatenbank::sonderzeichenUndZeilenumbruecheUeberlebenDieDatei()
{
    TestInstallation installation;
    Waffentabelle t = Neu(Tabelle::NWaffen);
    QStringList waffe = Nahkampfwaffe(QStringLiteral("Säbel des Łukasz"));
    waffe[4] = QStringLiteral("Erste Zeile\r\nZweite Zeile mit &#38; und <b>");
    ZeileAnhaengen(t, waffe);
    QVERIFY(TabelleSpeichern(t));

    const QByteArray bytes = installation.Bytes(QLatin1String(kNahkampf));
    QCOMPARE(bytes.count("\r\n"), 1 + 29);
    QVERIFY(bytes.contains("S\xe4" "bel des &#321;ukasz\r\n"));

    Waffentabelle wieder = Neu(Tabelle::NWaffen);
    TabelleLaden(wieder);
    QCOMPARE(wieder.Anzahl(), 1);
    waffe[0] = QStringLiteral("0");
    QCOMPARE(wieder.Zeilen[0], waffe);
}

void TestArmoryDatenbank::zeilennummernBleibenNachAnhaengenUndLoeschenFortlaufend()
{
    TestInstallation installation;
    Waffentabelle t = Neu(Tabelle::FWaffen);
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        const int zeile = ZeileAnhaengen(t, Fernwaffe(QLatin1String(name)));
        QCOMPARE(zeile, t.Anzahl() - 1);
    }
    QVERIFY(ZeileLoeschen(t, 1));
    QCOMPARE(ZeileAnhaengen(t, Fernwaffe(QStringLiteral("F"))), 4);
    QVERIFY(ZeileLoeschen(t, 0));
    QVERIFY(!ZeileLoeschen(t, 4));
    QVERIFY(!ZeileLoeschen(t, -1));
    ZeileAendern(t, 1, Fernwaffe(QStringLiteral("D2")));

    QStringList namen, nummern;
    for (const QStringList& zeile : t.Zeilen) {
        namen.append(zeile[1]);
        nummern.append(zeile[0]);
    }
    QCOMPARE(namen, (QStringList{"C", "D2", "E", "F"}));
    QCOMPARE(nummern, (QStringList{"0", "1", "2", "3"}));

    QVERIFY(TabelleSpeichern(t));
    const QStringList zeilen = installation.Zeilen(QStringLiteral("Data/Armory/Fernwaffen.dat"));
    QCOMPARE(zeilen.size(), 1 + 4 * 23);
    QCOMPARE(zeilen.first(), QStringLiteral("3.00"));
    QCOMPARE(Nummernzeilen(zeilen, 23), (QStringList{" 0 ", " 1 ", " 2 ", " 3 "}));
    QCOMPARE(zeilen[1 + 23 + 1], QStringLiteral("D2"));
}

void TestArmoryDatenbank::veralteteZeilennummernWerdenBeimLadenUndSchreibenRepariert()
{
    TestInstallation installation;
    QStringList zeilen = Datei({Ruestung(QStringLiteral("Kette")), Ruestung(QStringLiteral("Platte"))});
    zeilen[1] = QStringLiteral(" 7 ");
    zeilen[21] = QStringLiteral("x");
    installation.ZeilenSchreiben(QStringLiteral("Data/Armory/Rüstungen.dat"), zeilen);

    Waffentabelle t = Neu(Tabelle::Armor);
    TabelleLaden(t);
    QCOMPARE(t.Zeilen[0][0], QStringLiteral("0"));
    QCOMPARE(t.Zeilen[1][0], QStringLiteral("1"));
    QVERIFY(TabelleSpeichern(t));
    QCOMPARE(Nummernzeilen(installation.Zeilen(QStringLiteral("Data/Armory/Rüstungen.dat")), 20),
             (QStringList{" 0 ", " 1 "}));
}

void TestArmoryDatenbank::letztenEintragLoeschenLaesstNurDieVersionszeile()
{
    TestInstallation installation;
    installation.ZeilenSchreiben(QLatin1String(kNahkampf), Datei({Nahkampfwaffe(QStringLiteral("Einzige"))}));
    Waffentabelle t = Neu(Tabelle::NWaffen);
    TabelleLaden(t);
    QCOMPARE(t.Anzahl(), 1);
    QVERIFY(ZeileLoeschen(t, 0));
    QCOMPARE(t.Anzahl(), 0);
    QVERIFY(TabelleSpeichern(t));
    QCOMPARE(installation.Bytes(QLatin1String(kNahkampf)), QByteArray("3.00\r\n"));
}

void TestArmoryDatenbank::dateiMitNurVersionszeileGibtLeereTabelle()
{
    TestInstallation installation;
    installation.Schreiben(QLatin1String(kNahkampf), "3.00\r\n");
    Waffentabelle t = Neu(Tabelle::NWaffen);
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QCOMPARE(t.Anzahl(), 0);
    QVERIFY(ergebnis.Vorhanden);
    QVERIFY(Lademeldung(ergebnis).isEmpty());
}

void TestArmoryDatenbank::zeilenendenLfUndFehlendesLetztesZeilenende()
{
    TestInstallation installation;
    QStringList ruestung = Ruestung(QStringLiteral("Lederwams"));
    ruestung[19] = QStringLiteral("TH|");
    const QStringList zeilen = Datei({ruestung});
    installation.Schreiben(QStringLiteral("Data/Armory/Rüstungen.dat"), zeilen.join(QLatin1Char('\n')).toLatin1());
    Waffentabelle t = Neu(Tabelle::Armor);
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QVERIFY(!ergebnis.Unvollstaendig);
    QCOMPARE(t.Anzahl(), 1);
    QCOMPARE(t.Zeilen[0][1], QStringLiteral("Lederwams"));
    QCOMPARE(t.Zeilen[0][19], QStringLiteral("TH|"));
}

void TestArmoryDatenbank::abgeschnitteneDateiLaedtGanzeBloeckeUndSichertOriginal()
{
    TestInstallation installation;
    QStringList zeilen = Datei({Nahkampfwaffe(QStringLiteral("Ganz")), Nahkampfwaffe(QStringLiteral("Halb"))});
    zeilen = zeilen.mid(0, 1 + 29 + 5);
    installation.ZeilenSchreiben(QLatin1String(kNahkampf), zeilen);
    const QByteArray original = installation.Bytes(QLatin1String(kNahkampf));

    Waffentabelle t = Neu(Tabelle::NWaffen);
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QCOMPARE(t.Anzahl(), 1);
    QCOMPARE(t.Zeilen[0][1], QStringLiteral("Ganz"));
    QVERIFY(ergebnis.Unvollstaendig);
    QCOMPARE(ergebnis.Restzeilen, 5);
    const QString meldung = Lademeldung(ergebnis);
    QVERIFY2(meldung.contains(QStringLiteral("Nahkampfwaffen.dat")), qPrintable(meldung));
    // It counts what was read; the damaged rest may be one line or many.
    QVERIFY2(meldung.contains(QStringLiteral("Gelesen wurde 1 Eintrag; der Rest der Datei ist beschädigt.")), qPrintable(meldung));
    QVERIFY(meldung.contains(QStringLiteral(".bak")));

    // Nothing is copied before the first rewrite; then the original is kept beside the new file.
    const QString bak = installation.Pfad(QString::fromLatin1(kNahkampf) + QStringLiteral(".bak"));
    QVERIFY(!QFile::exists(bak));
    ZeileAnhaengen(t, Nahkampfwaffe(QStringLiteral("Neu")));
    QVERIFY(TabelleSpeichern(t));
    QFile kopie(bak);
    QVERIFY(kopie.open(QIODevice::ReadOnly));
    QCOMPARE(kopie.readAll(), original);
    QCOMPARE(installation.Zeilen(QLatin1String(kNahkampf)).size(), 1 + 2 * 29);

    // Later saves do not copy again.
    QVERIFY(TabelleSpeichern(t));
    QVERIFY(!QFile::exists(bak + QStringLiteral("2")));
}

void TestArmoryDatenbank::nurCrZeilenendenLadenAlleEintraege()
{
    // The shipped melee database, as an old editor saves it: CR alone ends each line.
    TestInstallation installation;
    const QByteArray crlf = installation.Bytes(QLatin1String(kNahkampf));
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    installation.Schreiben(QLatin1String(kNahkampf), cr);
    Waffentabelle t = Neu(Tabelle::NWaffen);
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QVERIFY(!ergebnis.Unvollstaendig && ergebnis.Unlesbar.isEmpty());
    QCOMPARE(t.Anzahl(), 56);
    QVERIFY(Lademeldung(ergebnis).isEmpty());
    // The next save writes the usual line ends and every record.
    QVERIFY(TabelleSpeichern(t));
    QCOMPARE(installation.Bytes(QLatin1String(kNahkampf)), crlf);
}

void TestArmoryDatenbank::fremdeErsteZeileLaedtNichtsUndSichertVorDemSchreiben()
{
    TestInstallation installation;
    QStringList zeilen = Datei({Nahkampfwaffe(QStringLiteral("Erste"))});
    zeilen[0] = QStringLiteral("Waffenliste meiner Gruppe");
    installation.ZeilenSchreiben(QLatin1String(kNahkampf), zeilen);
    const QByteArray original = installation.Bytes(QLatin1String(kNahkampf));
    Waffentabelle t = Neu(Tabelle::NWaffen);
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QCOMPARE(t.Anzahl(), 0);
    QVERIFY(ergebnis.Vorhanden);
    const QString meldung = Lademeldung(ergebnis);
    QVERIFY2(meldung.contains(QStringLiteral("Versionsnummer")) && meldung.contains(QStringLiteral(".bak")), qPrintable(meldung));
    // The first rewrite keeps the original beside it; it is never emptied silently.
    ZeileAnhaengen(t, Nahkampfwaffe(QStringLiteral("Neu")));
    QVERIFY(TabelleSpeichern(t));
    QCOMPARE(installation.Bytes(QString::fromLatin1(kNahkampf) + QStringLiteral(".bak")), original);
    QCOMPARE(installation.Zeilen(QLatin1String(kNahkampf)).size(), 1 + 29);
    QVERIFY(IstVersionszeile(QStringLiteral("3.00")) && IstVersionszeile(QStringLiteral(" 1.00 ")));
    QVERIFY(!IstVersionszeile(QStringLiteral("3")) && !IstVersionszeile(QStringLiteral("v3.00")));
}

void TestArmoryDatenbank::vorhandeneSicherungWirdNieUeberschrieben()
{
    TestInstallation installation;
    const QString bakRelativ = QString::fromLatin1(kNahkampf) + QStringLiteral(".bak");
    installation.Schreiben(bakRelativ, "aeltere Sicherung");
    QStringList zeilen = Datei({Nahkampfwaffe(QStringLiteral("Ganz"))});
    zeilen.append(QStringLiteral(" 1 "));
    installation.ZeilenSchreiben(QLatin1String(kNahkampf), zeilen);
    const QByteArray original = installation.Bytes(QLatin1String(kNahkampf));

    Waffentabelle t = Neu(Tabelle::NWaffen);
    QVERIFY(TabelleLaden(t).Unvollstaendig);
    QVERIFY(TabelleSpeichern(t));
    QCOMPARE(installation.Bytes(bakRelativ), QByteArray("aeltere Sicherung"));
    QCOMPARE(installation.Bytes(bakRelativ + QStringLiteral("2")), original);
}

void TestArmoryDatenbank::fehlendeDateiGibtLeereTabelleUndEntstehtBeimSpeichern()
{
    TestInstallation installation;
    QVERIFY(QDir(installation.Pfad(QStringLiteral("Data/Armory"))).removeRecursively());
    Waffentabelle t = Neu(Tabelle::Armor);
    const Ladeergebnis ergebnis = TabelleLaden(t);
    QVERIFY(!ergebnis.Vorhanden);
    QCOMPARE(t.Anzahl(), 0);
    QVERIFY(Lademeldung(ergebnis).contains(QStringLiteral("Rüstungen.dat")));
    QVERIFY(Lademeldung(ergebnis).contains(QStringLiteral("nicht gefunden")));

    ZeileAnhaengen(t, Ruestung(QStringLiteral("Helm")));
    QVERIFY(TabelleSpeichern(t));
    const QStringList zeilen = installation.Zeilen(QStringLiteral("Data/Armory/Rüstungen.dat"));
    QCOMPARE(zeilen.size(), 21);
    QCOMPARE(zeilen[2], QStringLiteral("Helm"));
}

void TestArmoryDatenbank::fehlgeschlagenesSchreibenWirdGemeldet()
{
    TestInstallation installation;
    // A folder where the file belongs cannot be replaced by a file.
    QVERIFY(QFile::remove(installation.Pfad(QLatin1String(kNahkampf))));
    QVERIFY(QDir().mkpath(installation.Pfad(QLatin1String(kNahkampf))));
    Waffentabelle t = Neu(Tabelle::NWaffen);
    ZeileAnhaengen(t, Nahkampfwaffe(QStringLiteral("X")));
    QString fehler;
    QVERIFY(!TabelleSpeichern(t, &fehler));
    QVERIFY2(fehler.contains(QStringLiteral("konnte nicht gespeichert werden")), qPrintable(fehler));
}

void TestArmoryDatenbank::listenspalten_data()
{
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<QStringList>("zeile");
    QTest::addColumn<QStringList>("spalten");
    QTest::addColumn<QStringList>("ueberschriften");

    QStringList nah = Nahkampfwaffe(QStringLiteral("Langschwert"));
    nah[0] = QStringLiteral("7");
    QTest::newRow("Nahkampf") << int(Tabelle::NWaffen) << nah
                              << QStringList{"Langschwert", "Schwerter", "1W6+4", "KK-14", "80 Unzen", "90", "3",
                                             "4 / 2", "100 Dukaten"}
                              << QStringList{"Name", "Typ", "Schaden", "TP+KK", "Gewicht", "Länge", "BF", "WV", "Preis"};
    QStringList fern = Fernwaffe(QStringLiteral("Kurzbogen"));
    fern[0] = QStringLiteral("2");
    QTest::newRow("Fernkampf") << int(Tabelle::FWaffen) << fern
                               << QStringList{"Kurzbogen", "Schusswaffe", "1W6+3", "-1", "80", "60 Unzen", "45 Silbertaler"}
                               << QStringList{"Name", "Typ", "Schaden", "Reichweitenmod.", "Reichweite", "Gewicht", "Preis"};
    QStringList ruest = Ruestung(QStringLiteral("Kettenhemd"));
    ruest[0] = QStringLiteral("0");
    QTest::newRow("Rüstung") << int(Tabelle::Armor) << ruest
                             << QStringList{"Kettenhemd", "Rüstung", "3", "2", "0 / -1", "2", "240 Unzen", "80 Dukaten"}
                             << QStringList{"Name", "Typ", "RS", "BE", "WV", "BF", "Gewicht", "Preis"};
    QStringList leer(29);
    QTest::newRow("leerer Datensatz") << int(Tabelle::NWaffen) << leer
                                      << QStringList{"", "", "+", "", " Unzen", "", "", " / ", " "}
                                      << QStringList{"Name", "Typ", "Schaden", "TP+KK", "Gewicht", "Länge", "BF", "WV", "Preis"};
}

void TestArmoryDatenbank::listenspalten()
{
    QFETCH(int, tabelle);
    QFETCH(QStringList, zeile);
    QFETCH(QStringList, spalten);
    QFETCH(QStringList, ueberschriften);
    QCOMPARE(Listenspalten(Tabelle(tabelle), zeile), spalten);
    QCOMPARE(Spaltenueberschriften(Tabelle(tabelle)), ueberschriften);
    QCOMPARE(Listenzeile(Tabelle(tabelle), zeile), (spalten + QStringList{zeile[0]}).join(QLatin1Char('\t')));
}

void TestArmoryDatenbank::leereZahlenfelderWerdenNull_data()
{
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<QList<int>>("nullfelder");
    QTest::newRow("Nahkampf: Gewicht, Bonus, BF, Preis") << int(Tabelle::NWaffen) << QList<int>{2, 6, 10, 11};
    QTest::newRow("Fernkampf: Gewicht, Bonus, Preis") << int(Tabelle::FWaffen) << QList<int>{2, 6, 9};
    QTest::newRow("Rüstung: Gewicht, RS, BE, BF, Preis") << int(Tabelle::Armor) << QList<int>{2, 4, 5, 8, 9};
}

void TestArmoryDatenbank::leereZahlenfelderWerdenNull()
{
    QFETCH(int, tabelle);
    QFETCH(QList<int>, nullfelder);
    QStringList felder(Feldanzahl(Tabelle(tabelle)));
    LeereZahlenFuellen(Tabelle(tabelle), felder);
    for (int f = 0; f < felder.size(); ++f)
        QCOMPARE(felder[f], nullfelder.contains(f) ? QStringLiteral("0") : QString());
    // Values already typed stay.
    QStringList gefuellt(Feldanzahl(Tabelle(tabelle)), QStringLiteral("7,5"));
    LeereZahlenFuellen(Tabelle(tabelle), gefuellt);
    QCOMPARE(gefuellt, QStringList(Feldanzahl(Tabelle(tabelle)), QStringLiteral("7,5")));
}

void TestArmoryDatenbank::regionsfeld_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("leer") << QString() << QStringList{};
    QTest::newRow("zwei") << QStringLiteral("BO|HA|") << QStringList{"BO", "HA"};
    QTest::newRow("Reihenfolge bleibt") << QStringLiteral("ZY|SÜ|AB|") << QStringList{"ZY", "SÜ"};
    QTest::newRow("unbekannt und doppelt") << QStringLiteral("XX|WE|WE|") << QStringList{"WE"};
}

void TestArmoryDatenbank::regionsfeld()
{
    QFETCH(QString, feld);
    QFETCH(QStringList, codes);
    QCOMPARE(RegionenAusFeld(feld), codes);
    QCOMPARE(RegionenAusFeld(RegionFeld(codes)), codes);
    QCOMPARE(RegionFeld(codes).size(), codes.size() * 3);
    QStringList sortiert = Regionsliste();
    sortiert.sort();
    QCOMPARE(Regionsliste(), sortiert);
    QCOMPARE(Regionsliste().size(), 20);
}

void TestArmoryDatenbank::flagGesetzt_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<bool>("gesetzt");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("leer") << QString() << false;
    QTest::newRow("1,0") << QStringLiteral("1,0") << true;
    QTest::newRow("2") << QStringLiteral("2") << false;
    QTest::newRow("Text") << QStringLiteral("ja") << false;
}

void TestArmoryDatenbank::flagGesetzt()
{
    QFETCH(QString, feld);
    QFETCH(bool, gesetzt);
    QCOMPARE(FlagGesetzt(feld), gesetzt);
}

void TestArmoryDatenbank::suchenFindetDenErstenEintragDesNamens()
{
    Waffentabelle t = Neu(Tabelle::NWaffen);
    ZeileAnhaengen(t, Nahkampfwaffe(QStringLiteral("Dolch")));
    ZeileAnhaengen(t, Nahkampfwaffe(QStringLiteral("Axt")));
    ZeileAnhaengen(t, Nahkampfwaffe(QStringLiteral("Axt")));
    QCOMPARE(ZeileSuchen(t, QStringLiteral("Axt")), 1);
    QCOMPARE(ZeileSuchen(t, QStringLiteral("axt")), -1);
}

QTEST_GUILESS_MAIN(TestArmoryDatenbank)
#include "test_armory_datenbank.moc"
