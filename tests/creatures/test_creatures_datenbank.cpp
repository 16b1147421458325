// The creature database: shipped data, round trips, renumbering, damaged, stale and missing files, the
// category list, the list columns and the small rules of the edit pages.
#include "CreaturesTestHilfe.h"
#include "Kreaturentabelle.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <sys/stat.h>

using namespace Kreaturentabellen;
using CreaturesTest::Datei;
using CreaturesTest::Kreatur;

namespace {

const QString kDatenbank = QStringLiteral("Data/Creatures/Kreaturen.dat");
const QString kKategorien = QStringLiteral("Data/Creatures/Kategorien.dat");

QStringList Nummernzeilen(const QStringList& zeilen)
{
    QStringList nummern;
    for (qsizetype i = 1; i < zeilen.size(); i += Feldanzahl)
        nummern.append(zeilen[i]);
    return nummern;
}

QStringList Namen(const Kreaturentabelle& tabelle)
{
    QStringList namen;
    for (const QStringList& zeile : tabelle.Zeilen)
        namen.append(zeile[FeldName]);
    return namen;
}

QByteArray Bytes(const QStringList& zeilen, const QByteArray& ende)
{
    QByteArray bytes;
    for (const QString& z : zeilen)
        bytes += Zeilendatei::Kodieren(z) + ende;
    return bytes;
}

} // namespace

class TestCreaturesDatenbank : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gelieferteDaten();
    void speichernOhneAenderungGleicheBytes();
    void zeilenendenWerdenGleichGelesen_data();
    void zeilenendenWerdenGleichGelesen();
    void veralteteNummernWerdenRepariert();
    void loeschenNummeriertNeu();
    void anhaengenAendernSuchen();
    void abgeschnitteneDatei();
    void dateiOhneVersionszeile();
    void fehlendeDateien();
    void keineGewoehnlicheDatei_data();
    void keineGewoehnlicheDatei();
    void nurVersionszeileGibtLeereListe();
    void sonderzeichenUndZeilenumbruch();
    void speichernWieDerZeilenschreiber();
    void kategorien();
    void kategorienlisteOhneLetztenUmbruch();
    void leererBonusWirdNull();
    void tpSpalte_data();
    void tpSpalte();
    void schadenswuerfelText_data();
    void schadenswuerfelText();
    void listenspaltenUndListenzeile();
    void intelligenzwurf_data();
    void intelligenzwurf();
    void zahlenboxen();
};

void TestCreaturesDatenbank::gelieferteDaten()
{
    TestInstallation installation;
    Kreaturentabelle tabelle;
    const Ladeergebnis e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::Gelesen);
    QVERIFY(Lademeldung(e).isEmpty());
    QVERIFY(tabelle.Anzahl() >= 40);
    QString meldung;
    const QStringList kategorien = KategorienLesen(&meldung);
    QVERIFY(meldung.isEmpty());
    QSet<QString> benutzt;
    int mehrereWaffen = 0;
    for (int i = 0; i < tabelle.Anzahl(); ++i) {
        const QStringList& z = tabelle.Zeilen[i];
        QCOMPARE(z.size(), Feldanzahl);
        QCOMPARE(z[0], QString::number(i));
        QVERIFY2(!z[FeldName].isEmpty() && !z[FeldBeschreibung].isEmpty(), qPrintable(z[FeldName]));
        QVERIFY2(kategorien.contains(z[FeldKategorie]), qPrintable(z[FeldKategorie]));
        QVERIFY2(Haeufigkeiten().contains(z[FeldHaeufigkeit]), qPrintable(z[FeldName]));
        benutzt.insert(z[FeldKategorie]);
        mehrereWaffen += z[14].isEmpty() ? 0 : 1;
    }
    // Every category of the list is used, and there are animals, monsters, undead, spirits and humans.
    QCOMPARE(benutzt.size(), kategorien.size());
    for (const char* k : {"Tiere", "Ungeheuer", "Untote", "Geister und Elementare", "Menschen"})
        QVERIFY2(benutzt.contains(QString::fromUtf8(k)), k);
    QVERIFY(mehrereWaffen >= 10);
}

void TestCreaturesDatenbank::speichernOhneAenderungGleicheBytes()
{
    TestInstallation installation;
    const QByteArray vorher = installation.Bytes(kDatenbank);
    Kreaturentabelle tabelle;
    Laden(tabelle);
    QString fehler;
    QVERIFY2(Speichern(tabelle, &fehler), qPrintable(fehler));
    QCOMPARE(installation.Bytes(kDatenbank), vorher);
    QVERIFY(!QFileInfo::exists(installation.Pfad(kDatenbank + QStringLiteral(".bak"))));
}

void TestCreaturesDatenbank::zeilenendenWerdenGleichGelesen_data()
{
    QTest::addColumn<QByteArray>("ende");
    QTest::addColumn<bool>("letzterUmbruch");
    QTest::newRow("CR LF") << QByteArray("\r\n") << true;
    QTest::newRow("LF") << QByteArray("\n") << true;
    QTest::newRow("CR") << QByteArray("\r") << true;
    QTest::newRow("ohne letzten Umbruch") << QByteArray("\r\n") << false;
}

void TestCreaturesDatenbank::zeilenendenWerdenGleichGelesen()
{
    QFETCH(QByteArray, ende);
    QFETCH(bool, letzterUmbruch);
    TestInstallation installation;
    const QStringList zeilen = Datei({Kreatur(QStringLiteral("Wolf")), Kreatur(QStringLiteral("Bär"), QStringLiteral("Ungeheuer"))});
    QByteArray bytes = Bytes(zeilen, ende);
    if (!letzterUmbruch)
        bytes.chop(ende.size());
    installation.Schreiben(kDatenbank, bytes);
    Kreaturentabelle tabelle;
    QCOMPARE(Laden(tabelle).Status, Ladestatus::Gelesen);
    QCOMPARE(Namen(tabelle), (QStringList{QStringLiteral("Wolf"), QStringLiteral("Bär")}));
    QCOMPARE(tabelle.Zeilen[1][FeldKategorie], QStringLiteral("Ungeheuer"));
    QCOMPARE(tabelle.Zeilen[1][57], QStringLiteral("-1"));
    QVERIFY(!tabelle.SicherungNoetig);
    // Written back in the suite's own form.
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Bytes(kDatenbank), Bytes(zeilen, "\r\n"));
}

void TestCreaturesDatenbank::veralteteNummernWerdenRepariert()
{
    TestInstallation installation;
    QStringList zeilen = Datei({Kreatur(QStringLiteral("A")), Kreatur(QStringLiteral("B")), Kreatur(QStringLiteral("C"))});
    zeilen[1] = QStringLiteral(" 7 ");
    zeilen[1 + Feldanzahl] = QStringLiteral(" 7 ");
    zeilen[1 + 2 * Feldanzahl] = QStringLiteral("abc");
    installation.ZeilenSchreiben(kDatenbank, zeilen);
    Kreaturentabelle tabelle;
    QCOMPARE(Laden(tabelle).Status, Ladestatus::Gelesen);
    // Field 0 is the row's index, whatever the number line said.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(tabelle.Zeilen[i][0], QString::number(i));
    QVERIFY(Speichern(tabelle));
    QCOMPARE(Nummernzeilen(installation.Zeilen(kDatenbank)), (QStringList{" 0 ", " 1 ", " 2 "}));
}

void TestCreaturesDatenbank::loeschenNummeriertNeu()
{
    TestInstallation installation;
    QList<QStringList> fuenf;
    for (const char* name : {"Null", "Eins", "Zwei", "Drei", "Vier"})
        fuenf.append(Kreatur(QLatin1String(name)));
    installation.ZeilenSchreiben(kDatenbank, Datei(fuenf));
    Kreaturentabelle tabelle;
    Laden(tabelle);
    QVERIFY(!ZeileLoeschen(tabelle, 5));
    QVERIFY(!ZeileLoeschen(tabelle, -1));
    QVERIFY(ZeileLoeschen(tabelle, 2));
    QCOMPARE(Namen(tabelle), (QStringList{"Null", "Eins", "Drei", "Vier"}));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(tabelle.Zeilen[i][0], QString::number(i));
    QVERIFY(Speichern(tabelle));
    const QStringList zeilen = installation.Zeilen(kDatenbank);
    QCOMPARE(zeilen.size(), 1 + 4 * Feldanzahl);
    QCOMPARE(Nummernzeilen(zeilen), (QStringList{" 0 ", " 1 ", " 2 ", " 3 "}));
    QCOMPARE(zeilen[1 + 2 * Feldanzahl + 1], QStringLiteral("Drei"));
}

void TestCreaturesDatenbank::anhaengenAendernSuchen()
{
    Kreaturentabelle tabelle;
    QCOMPARE(ZeileAnhaengen(tabelle, {QString(), QStringLiteral("Kurz")}), 0);
    QCOMPARE(tabelle.Zeilen[0].size(), Feldanzahl);
    QStringList lang = Kreatur(QStringLiteral("  Grauer Wolf "));
    lang.append(QStringLiteral("zu viel"));
    QCOMPARE(ZeileAnhaengen(tabelle, lang), 1);
    QCOMPARE(tabelle.Zeilen[1].size(), Feldanzahl);
    QCOMPARE(tabelle.Zeilen[1][0], QStringLiteral("1"));
    ZeileAendern(tabelle, 0, Kreatur(QStringLiteral("Wolf")));
    QCOMPARE(tabelle.Zeilen[0][FeldName], QStringLiteral("Wolf"));
    QCOMPARE(tabelle.Zeilen[0][0], QStringLiteral("0"));
    ZeileAendern(tabelle, 5, Kreatur(QStringLiteral("Niemand")));
    QCOMPARE(tabelle.Anzahl(), 2);
    ZeileAnhaengen(tabelle, Kreatur(QStringLiteral("wolf")));
    // The exact name first; otherwise trimmed and without regard to case.
    QCOMPARE(ZeileSuchen(tabelle, QStringLiteral("wolf")), 2);
    QCOMPARE(ZeileSuchen(tabelle, QStringLiteral("WOLF")), 0);
    QCOMPARE(ZeileSuchen(tabelle, QStringLiteral("grauer wolf")), 1);
    QCOMPARE(ZeileSuchen(tabelle, QStringLiteral("Fuchs")), -1);
}

void TestCreaturesDatenbank::abgeschnitteneDatei()
{
    TestInstallation installation;
    const QStringList zeilen = Datei({Kreatur(QStringLiteral("Ganz")), Kreatur(QStringLiteral("Halb"))});
    installation.ZeilenSchreiben(kDatenbank, zeilen.mid(0, 1 + Feldanzahl + 20));
    const QByteArray original = installation.Bytes(kDatenbank);
    Kreaturentabelle tabelle;
    const Ladeergebnis e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::Unvollstaendig);
    QCOMPARE(e.Restzeilen, 20);
    QCOMPARE(Namen(tabelle), QStringList{QStringLiteral("Ganz")});
    const QString meldung = Lademeldung(e);
    QVERIFY(meldung.contains(QStringLiteral("mitten in einem Eintrag")));
    // How many creatures were read, not how many lines the damaged block kept.
    QVERIFY(meldung.contains(QStringLiteral("Gelesen wurde 1 Kreatur; der Rest der Datei ist beschädigt.")));
    QVERIFY(meldung.contains(QStringLiteral(".bak")));
    QVERIFY(meldung.contains(QStringLiteral("Kreaturen.dat")));
    // The first rewrite keeps the original aside; the next one does not copy again.
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Bytes(kDatenbank + QStringLiteral(".bak")), original);
    QCOMPARE(installation.Zeilen(kDatenbank), zeilen.mid(0, 1 + Feldanzahl));
    QVERIFY(Speichern(tabelle));
    QVERIFY(!QFileInfo::exists(installation.Pfad(kDatenbank + QStringLiteral(".bak2"))));
    // A second damaged load never replaces the first backup.
    installation.Schreiben(kDatenbank, original);
    Laden(tabelle);
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Bytes(kDatenbank + QStringLiteral(".bak2")), original);
    QCOMPARE(installation.Bytes(kDatenbank + QStringLiteral(".bak")), original);
}

void TestCreaturesDatenbank::dateiOhneVersionszeile()
{
    TestInstallation installation;
    // The blocks start in the first line: they are read as they stand.
    QStringList zeilen = Datei({Kreatur(QStringLiteral("Eins")), Kreatur(QStringLiteral("Zwei"))});
    zeilen.removeFirst();
    installation.ZeilenSchreiben(kDatenbank, zeilen);
    Kreaturentabelle tabelle;
    Ladeergebnis e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::OhneVersion);
    QCOMPARE(Namen(tabelle), (QStringList{"Eins", "Zwei"}));
    QVERIFY(Lademeldung(e).contains(QStringLiteral("Versionszeile")));
    QVERIFY(tabelle.SicherungNoetig);
    // Some other first line is skipped like a version line.
    installation.ZeilenSchreiben(kDatenbank, QStringList{QStringLiteral("Kreaturen")} + zeilen);
    e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::OhneVersion);
    QCOMPARE(Namen(tabelle), (QStringList{"Eins", "Zwei"}));
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Zeilen(kDatenbank).first(), Variablen::Programmversion);
    QVERIFY(QFileInfo::exists(installation.Pfad(kDatenbank + QStringLiteral(".bak"))));
    // An empty file has no version either.
    installation.Schreiben(kDatenbank, QByteArray());
    QCOMPARE(Laden(tabelle).Status, Ladestatus::OhneVersion);
    QCOMPARE(tabelle.Anzahl(), 0);
}

void TestCreaturesDatenbank::fehlendeDateien()
{
    TestInstallation installation;
    QVERIFY(QFile::remove(installation.Pfad(kDatenbank)));
    QVERIFY(QFile::remove(installation.Pfad(kKategorien)));
    Kreaturentabelle tabelle;
    const Ladeergebnis e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::Fehlt);
    QCOMPARE(tabelle.Anzahl(), 0);
    QVERIFY(!tabelle.SicherungNoetig);
    QVERIFY(Lademeldung(e).contains(QStringLiteral("nicht gefunden")));
    QString meldung;
    QVERIFY(KategorienLesen(&meldung).isEmpty());
    QVERIFY(meldung.contains(QStringLiteral("Kategorien.dat")));
    QVERIFY(meldung.contains(QStringLiteral("nicht gefunden")));
    // Created at the first write, the folder too.
    QVERIFY(QDir(installation.Pfad(QStringLiteral("Data/Creatures"))).removeRecursively());
    ZeileAnhaengen(tabelle, Kreatur(QStringLiteral("Erster")));
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Zeilen(kDatenbank).size(), 1 + Feldanzahl);
    QVERIFY(KategorieHinzufuegen(QStringLiteral("Tiere")));
    QCOMPARE(installation.Bytes(kKategorien), QByteArray("Tiere\r\n"));
}

void TestCreaturesDatenbank::keineGewoehnlicheDatei_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("Ordner") << "ordner";
    QTest::newRow("/dev/zero") << "geraet";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("zu groß") << "gross";
}

void TestCreaturesDatenbank::keineGewoehnlicheDatei()
{
    QFETCH(QString, art);
    TestInstallation installation;
    const QString pfad = installation.Pfad(kDatenbank);
    QVERIFY(QFile::remove(pfad));
    if (art == QLatin1String("ordner")) {
        QVERIFY(QDir().mkpath(pfad));
    } else if (art == QLatin1String("geraet")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), pfad));
    } else if (art == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(pfad).constData(), 0600) == 0);
    } else {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QVERIFY(datei.resize(qint64(65) * 1024 * 1024));
    }
    Kreaturentabelle tabelle;
    const Ladeergebnis e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::Unlesbar);
    QCOMPARE(tabelle.Anzahl(), 0);
    QVERIFY(tabelle.SicherungNoetig);
    QVERIFY(Lademeldung(e).contains(QStringLiteral("konnte nicht gelesen werden")));
    // A backup is promised only where the save will make one.
    QCOMPARE(Lademeldung(e).contains(QStringLiteral(".bak")), art == QLatin1String("gross"));
    ZeileAnhaengen(tabelle, Kreatur(QStringLiteral("Neu")));
    QString fehler;
    const bool gespeichert = Speichern(tabelle, &fehler);
    if (art == QLatin1String("gross")) {
        // The unread file is kept aside before it is replaced.
        QVERIFY2(gespeichert, qPrintable(fehler));
        QCOMPARE(QFileInfo(pfad + QStringLiteral(".bak")).size(), qint64(65) * 1024 * 1024);
        QCOMPARE(installation.Zeilen(kDatenbank).size(), 1 + Feldanzahl);
    } else {
        // Nothing that is no plain file is copied or replaced.
        QVERIFY(!gespeichert);
        QVERIFY(fehler.contains(QStringLiteral("Kreaturen.dat")));
        QVERIFY(!QFileInfo(pfad).isFile());
        QVERIFY(!QFileInfo::exists(pfad + QStringLiteral(".bak")));
    }
}

void TestCreaturesDatenbank::nurVersionszeileGibtLeereListe()
{
    TestInstallation installation;
    installation.Schreiben(kDatenbank, "3.00\r\n");
    Kreaturentabelle tabelle;
    const Ladeergebnis e = Laden(tabelle);
    QCOMPARE(e.Status, Ladestatus::Gelesen);
    QCOMPARE(tabelle.Anzahl(), 0);
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Bytes(kDatenbank), QByteArray("3.00\r\n"));
}

void TestCreaturesDatenbank::sonderzeichenUndZeilenumbruch()
{
    TestInstallation installation;
    QStringList k = Kreatur(QStringLiteral("Łoś <groß> & \"zäh\""));
    k[FeldBeschreibung] = QStringLiteral("Erste Zeile\nzweite Zeile\r\ndritte");
    Kreaturentabelle tabelle;
    ZeileAnhaengen(tabelle, k);
    QVERIFY(Speichern(tabelle));
    QCOMPARE(installation.Zeilen(kDatenbank).size(), 1 + Feldanzahl);
    Kreaturentabelle wieder;
    QCOMPARE(Laden(wieder).Status, Ladestatus::Gelesen);
    QCOMPARE(wieder.Zeilen, tabelle.Zeilen);
}

void TestCreaturesDatenbank::speichernWieDerZeilenschreiber()
{
    // The database is written with the same bytes the suite's line writer gives, whatever the text holds.
    TestInstallation installation;
    const QStringList werte{QStringLiteral("Wolf"), QStringLiteral("Bär über Öde"), QStringLiteral("a & b"),
                            QStringLiteral("&#10; steht da"), QStringLiteral("Zeile\nZeile\r\nZeile"),
                            QStringLiteral("€ – „zäh“"), QStringLiteral("Łoś 😀"), QStringLiteral("Tab\there"),
                            QString(QChar(0x7F)) + QChar(0x81) + QChar(0x9D), QString(QChar(0xD800)) + QStringLiteral("x"),
                            QStringLiteral("ÿ ¡ ¿"), QString(), QStringLiteral(" 0 "), QStringLiteral("&"),
                            QStringLiteral("&#;"), QStringLiteral("&#65;")};
    Kreaturentabelle tabelle;
    for (int i = 0; i < werte.size(); ++i) {
        QStringList k = Kreatur(werte[i]);
        k[FeldBeschreibung] = werte[(i + 3) % werte.size()];
        k[33] = werte[(i + 7) % werte.size()];
        ZeileAnhaengen(tabelle, k);
    }
    QVERIFY(Speichern(tabelle));
    const QString vergleich = installation.Pfad(QStringLiteral("Temp/vergleich.dat"));
    QVERIFY(Zeilendatei::Schreiben(vergleich, Dateizeilen(tabelle)));
    QCOMPARE(installation.Bytes(kDatenbank), installation.Bytes(QStringLiteral("Temp/vergleich.dat")));
    Kreaturentabelle wieder;
    QCOMPARE(Laden(wieder).Status, Ladestatus::Gelesen);
    QCOMPARE(wieder.Anzahl(), werte.size());
    QCOMPARE(wieder.Zeilen[4][FeldName], werte[4]);
    QCOMPARE(wieder.Zeilen[6][FeldName], werte[6]);
    QCOMPARE(wieder.Zeilen[15][FeldName], werte[15]);
}

void TestCreaturesDatenbank::kategorien()
{
    TestInstallation installation;
    const QStringList vorher = installation.Zeilen(kKategorien);
    QVERIFY(vorher.contains(QStringLiteral("Tiere")));
    // Known, empty: nothing is appended.
    QVERIFY(KategorieHinzufuegen(QStringLiteral("Tiere")));
    QVERIFY(KategorieHinzufuegen(QString()));
    QCOMPARE(installation.Zeilen(kKategorien), vorher);
    // New: appended once; letter case and blanks make another category.
    QVERIFY(KategorieHinzufuegen(QStringLiteral("Dämonen")));
    QVERIFY(KategorieHinzufuegen(QStringLiteral("Dämonen")));
    QVERIFY(KategorieHinzufuegen(QStringLiteral("tiere")));
    QVERIFY(KategorieHinzufuegen(QStringLiteral("Tiere ")));
    const QStringList erwartet = vorher + QStringList{QStringLiteral("Dämonen"), QStringLiteral("tiere"), QStringLiteral("Tiere ")};
    QCOMPARE(installation.Zeilen(kKategorien), erwartet);
    QVERIFY(installation.Bytes(kKategorien).endsWith("D\xE4" "monen\r\ntiere\r\nTiere \r\n"));
    QCOMPARE(KategorienLesen(), installation.Zeilen(kKategorien));
}

void TestCreaturesDatenbank::kategorienlisteOhneLetztenUmbruch()
{
    TestInstallation installation;
    installation.Schreiben(kKategorien, "Tiere\r\nUntote");
    QVERIFY(KategorieHinzufuegen(QStringLiteral("Riesen")));
    QCOMPARE(installation.Bytes(kKategorien), QByteArray("Tiere\r\nUntote\r\nRiesen\r\n"));
    // A list that cannot be read is not rewritten.
    QVERIFY(QFile::remove(installation.Pfad(kKategorien)));
    QVERIFY(QDir().mkpath(installation.Pfad(kKategorien)));
    QString fehler;
    QVERIFY(!KategorieHinzufuegen(QStringLiteral("Riesen"), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("Riesen")));
}

void TestCreaturesDatenbank::leererBonusWirdNull()
{
    QStringList felder = Kreatur(QStringLiteral("Wolf"));
    felder[FeldBonus].clear();
    felder[14] = QStringLiteral("Kralle");
    felder[16].clear();
    SpeichernVorbereiten(felder);
    QCOMPARE(felder[FeldBonus], QStringLiteral("0"));
    QCOMPARE(felder[16], QString());
    felder[FeldBonus] = QStringLiteral("-2");
    SpeichernVorbereiten(felder);
    QCOMPARE(felder[FeldBonus], QStringLiteral("-2"));
}

void TestCreaturesDatenbank::tpSpalte_data()
{
    QTest::addColumn<QString>("waffe");
    QTest::addColumn<QString>("anzahl");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("2W6+3") << "Biss" << "2" << "3" << "3" << "Biss   2W6+3";
    QTest::newRow("SP ohne Bonus") << "Biss" << "4" << "6" << "3" << "Biss   4SP";
    QTest::newRow("negativer Bonus") << "Biss" << "1" << "3" << "-2" << "Biss   1W6+-2";
    QTest::newRow("W20") << "Hieb" << "1" << "5" << "0" << "Hieb   1W20+0";
    QTest::newRow("keine Art") << "Biss" << "1" << "-1" << "2" << "Biss   1+2";
    QTest::newRow("Art leer") << "Biss" << "1" << "" << "2" << "";
    QTest::newRow("unbekannte Art") << "Biss" << "1" << "9" << "2" << "Biss   1+2";
    QTest::newRow("ohne Waffenname") << "" << "1" << "0" << "0" << "   1W2+0";
}

void TestCreaturesDatenbank::tpSpalte()
{
    QFETCH(QString, waffe);
    QFETCH(QString, anzahl);
    QFETCH(QString, art);
    QFETCH(QString, bonus);
    QFETCH(QString, erwartet);
    QStringList z = Kreatur(QStringLiteral("Wolf"));
    z[FeldWaffe] = waffe;
    z[FeldAnzahl] = anzahl;
    z[ErsterSchaden] = art;
    z[FeldBonus] = bonus;
    QCOMPARE(TPText(z), erwartet);
    QCOMPARE(Listenspalten(z)[7], erwartet);
}

void TestCreaturesDatenbank::schadenswuerfelText_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("text");
    const char* const texte[] = {"W2", "W3", "W4", "W6", "W10", "W20", "SP"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(texte[i]) << QString::number(i) << QString::fromLatin1(texte[i]);
    QTest::newRow("-1") << "-1" << "";
    QTest::newRow("7") << "7" << "";
    QTest::newRow("leer") << "" << "";
    QTest::newRow("Text") << "W6" << "";
    QTest::newRow("mit Blanks") << " 3 " << "W6";
}

void TestCreaturesDatenbank::schadenswuerfelText()
{
    QFETCH(QString, index);
    QFETCH(QString, text);
    QCOMPARE(SchadenswuerfelText(index), text);
}

void TestCreaturesDatenbank::listenspaltenUndListenzeile()
{
    QStringList z = Kreatur(QStringLiteral("Wolf"));
    z[0] = QStringLiteral("7");
    QCOMPARE(Spaltenueberschriften(), (QStringList{"Name", "Kategorie", "MU", "AT", "PA", "LE", "RS", "TP", "GS", "AU",
                                                  "MR", "MK"}));
    QCOMPARE(Listenspalten(z), (QStringList{"Wolf", "Tiere", "10", "12", "8", "20", "1", "Biss   1W6+2", "10", "30", "2",
                                           "4"}));
    QCOMPARE(Listenzeile(z), QStringLiteral("Wolf\tTiere\t10\t12\t8\t20\t1\tBiss   1W6+2\t10\t30\t2\t4\t7"));
}

void TestCreaturesDatenbank::intelligenzwurf_data()
{
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("wurf");
    QTest::addColumn<int>("seiten");
    QTest::addColumn<int>("wert");
    QTest::newRow("Instinkte klein") << 1 << 1 << 4 << 1;
    QTest::newRow("Instinkte groß") << 1 << 4 << 4 << 4;
    QTest::newRow("Einfach") << 2 << 1 << 4 << 4;
    QTest::newRow("Einfach groß") << 2 << 4 << 4 << 7;
    QTest::newRow("Ausgeprägt") << 3 << 1 << 7 << 7;
    QTest::newRow("Ausgeprägt groß") << 3 << 7 << 7 << 13;
    QTest::newRow("Sehr ausgeprägt") << 4 << 1 << 13 << 9;
    QTest::newRow("Sehr ausgeprägt groß") << 4 << 13 << 13 << 21;
    QTest::newRow("Perfekt") << 5 << 1 << 50 << 51;
    QTest::newRow("Perfekt groß") << 5 << 50 << 50 << 100;
}

void TestCreaturesDatenbank::intelligenzwurf()
{
    QFETCH(int, stufe);
    QFETCH(int, wurf);
    QFETCH(int, seiten);
    QFETCH(int, wert);
    Zufall::Skript skript({wurf});
    QCOMPARE(Intelligenzwurf(stufe), wert);
    QCOMPARE(skript.Angefragt(), QList<int>{seiten});
    QVERIFY(skript.Fehler().isEmpty());
}

void TestCreaturesDatenbank::zahlenboxen()
{
    // Dice counts, bonuses and attack values of the four weapons, RS, PA, MU and LE; not MR (26), not MK (30).
    QCOMPARE(Zahlenboxen(), (QList<int>{10, 11, 12, 14, 15, 16, 18, 19, 20, 22, 23, 24, 25, 27, 28, 29}));
    QCOMPARE(Schalterbeschriftungen().size(), Schalter);
    QCOMPARE(Schalterbeschriftungen()[9], QStringLiteral("Untot"));
    QCOMPARE(Schalterbeschriftungen()[14], QStringLiteral("kann fliegen"));
}

QTEST_GUILESS_MAIN(TestCreaturesDatenbank)
#include "test_creatures_datenbank.moc"
