// The catalogue: the fields of a good, goods files and the category list on disk, categories and their
// refusals, "Alles", damaged and missing files, and saving from the editor (new, changed, moved).
#include "Dialoge.h"
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "TestInstallation.h"
#include "WarehouseTestHilfe.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <sys/stat.h>

using namespace Katalog;
using namespace WarehouseTest;

namespace {

const QString kListe = QStringLiteral("Data/Warehouse/ItemKategorien.dat");

int Summe(const QStringList& kategorien, const TestInstallation& installation)
{
    int n = 0;
    for (const QString& k : kategorien)
        n += int(WarehouseTest::WarenLesen(installation, k).size());
    return n;
}

} // namespace

class TestWarehouseKatalog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Lagerhof3Variablen::Zuruecksetzen(); }

    void preisfeld_data();
    void preisfeld();
    void namensfeld_data();
    void namensfeld();
    void zahleneingabe_data();
    void zahleneingabe();
    void regionenfelder();
    void detailsSiebenZeilen();

    void warendateiRundreise();
    void warendateiZeilenenden();
    void warenDurchlaufen_data();
    void warenDurchlaufen();
    void kategorieDurchlaufenWieLaden();
    void kategorienlisteLesen();
    void geliefertenKatalogLesen();

    void neueKategorieAbgelehnt_data();
    void neueKategorieAbgelehnt();
    void neueKategorieSchreibtListeUndDatei();
    void neueKategorieBehaeltVorhandeneDatei();
    void kategorieLoeschen();

    void allesLadenUndSpeichern();
    void fehlendeKategoriedateiIstLeer();
    void beschaedigteDateiEinmalGemeldetUndGesichert();
    void unlesbareDateiWirdNichtUeberschrieben_data();
    void unlesbareDateiWirdNichtUeberschrieben();
    void anhaengenSetztKaputteDateiNichtFort();

    void speichernBrauchtAlleAngaben_data();
    void speichernBrauchtAlleAngaben();
    void aendernUndLoeschen();
    void verschiebenJaUndNein();
    void verschiebenUnterAlles();
    void neuerGegenstandUnterAlles();
    void neuerGegenstandInAndereKategorie();
    void spaeterAngelegteKategorieVerliertNichts();
};

void TestWarehouseKatalog::preisfeld_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("betrag");
    QTest::addColumn<QString>("buchstabe");
    QTest::addColumn<int>("waehrung");
    QTest::newRow("Dukaten") << "12D" << "12" << "D" << 0;
    QTest::newRow("Silbertaler") << "15S" << "15" << "S" << 1;
    QTest::newRow("Heller") << "25H" << "25" << "H" << 2;
    QTest::newRow("Pfennig") << "3P" << "3" << "P" << 3;
    QTest::newRow("Komma") << "1,5D" << "1,5" << "D" << 0;
    QTest::newRow("ohne Währung") << "12" << "12" << "" << -1;
    QTest::newRow("fremder Buchstabe") << "5K" << "5K" << "" << -1;
    QTest::newRow("klein") << "5d" << "5d" << "" << -1;
    QTest::newRow("nur Währung") << "D" << "" << "D" << 0;
    QTest::newRow("leer") << "" << "" << "" << -1;
}

void TestWarehouseKatalog::preisfeld()
{
    QFETCH(QString, feld);
    QFETCH(QString, betrag);
    QFETCH(QString, buchstabe);
    QFETCH(int, waehrung);
    QCOMPARE(Betrag(feld), betrag);
    QCOMPARE(Waehrungsbuchstabe(feld), buchstabe);
    QCOMPARE(WaehrungsIndex(feld), waehrung);
    if (waehrung >= 0)
        QCOMPARE(Feld2(betrag, waehrung), feld);
}

void TestWarehouseKatalog::namensfeld_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("klasse");
    QTest::newRow("Dolch1") << "Dolch1" << "Dolch" << 0;
    QTest::newRow("Klasse 5") << "Stab des Magiers5" << "Stab des Magiers" << 4;
    QTest::newRow("ohne Klasse") << "Seil" << "Sei" << -1;
    QTest::newRow("Klasse 9") << "Seil9" << "Seil" << -1;
    QTest::newRow("leer") << "" << "" << -1;
}

void TestWarehouseKatalog::namensfeld()
{
    QFETCH(QString, feld);
    QFETCH(QString, name);
    QFETCH(int, klasse);
    QCOMPARE(Name(feld), name);
    QCOMPARE(WertklasseIndex(feld), klasse);
    if (klasse >= 0)
        QCOMPARE(Feld0(name, klasse), feld);
}

void TestWarehouseKatalog::zahleneingabe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("erlaubt");
    QTest::newRow("Ziffern") << "120" << true;
    QTest::newRow("Komma") << "1,5" << true;
    QTest::newRow("Punkt") << "1.000" << true;
    QTest::newRow("Minus") << "-3" << true;
    QTest::newRow("Plus") << "+3" << true;
    QTest::newRow("leer") << "" << true;
    QTest::newRow("Komma vorn") << ",5" << false;
    QTest::newRow("zwei Trenner") << "1.000,5" << false;
    QTest::newRow("Minus hinten") << "3-" << false;
    QTest::newRow("zwei Vorzeichen") << "--3" << false;
    QTest::newRow("Buchstabe") << "12a" << false;
    QTest::newRow("Blank") << " 1" << false;
    QTest::newRow("Währung") << "12D" << false;
}

void TestWarehouseKatalog::zahleneingabe()
{
    QFETCH(QString, text);
    QFETCH(bool, erlaubt);
    QCOMPARE(ZahlEingabeErlaubt(text), erlaubt);
}

void TestWarehouseKatalog::regionenfelder()
{
    QCOMPARE(RegionFeld({QStringLiteral("BO"), QStringLiteral("EL")}), QStringLiteral("BO|EL|"));
    QCOMPARE(RegionFeld({}), QString());
    QCOMPARE(RegionenAusFeld(QStringLiteral("HA|XX|BO|HA|")), (QStringList{"HA", "BO"}));
    QCOMPARE(RegionenText(QStringLiteral("BO|EL|FI|GA|")),
             QStringLiteral("Alle, ausser NO, TH, OR, WE, TO, HA, ZW, PU, LF, ZY, KH, MH, MA, SÜ, MO, WA, "));
    // A code is one whole entry of the field, not any two letters in it.
    QCOMPARE(RegionenText(QStringLiteral("BO|EL|FI|GA|HA|KH|LF|MA|MH|MO|NO|OR|PU|SÜ|TH|TO|WA|WE|ZW|")),
             QStringLiteral("Alle, ausser ZY, "));
    QVERIFY(Ueberall(QStringLiteral("BO|EL|FI|GA|HA|KH|LF|MA|MH|MO|NO|OR|PU|SÜ|TH|TO|WA|WE|ZW|ZY|")));
    QVERIFY(Ueberall(QStringLiteral("NO|TH|BO|FI|EL|OR|WE|TO|HA|GA|ZW|PU|LF|ZY|KH|MH|MA|SÜ|MO|WA|")));
    QVERIFY(!Ueberall(QStringLiteral("NO|TH|BO|FI|EL|OR|WE|TO|HA|GA|ZW|PU|LF|ZY|KH|MH|MA|SÜ|MO|MO|")));
}

void TestWarehouseKatalog::detailsSiebenZeilen()
{
    QCOMPARE(Details({QStringLiteral("Laterne2"), QStringLiteral("30"), QStringLiteral("15S"),
                      QStringLiteral("Zeile 1\nZeile 2"), QStringLiteral("WE|XX|GA|")}),
             (QStringList{"Laterne", "2 - Weit verbreiteter Gegenstand", "30", "15", "Silbertaler", "Zeile 1 Zeile 2",
                          "WE, GA"}));
    QCOMPARE(Details({QStringLiteral("Seil"), QString(), QStringLiteral("5K"), QString(), QString()}),
             (QStringList{"Sei", "", "", "5K", "", "", ""}));
}

void TestWarehouseKatalog::warendateiRundreise()
{
    TestInstallation installation;
    const QList<QStringList> waren = {
        Ware(QStringLiteral("Öllampe mit Glasschirm"), QStringLiteral("2"), QStringLiteral("1,5D"),
             QStringLiteral("WE|SÜ|"), QStringLiteral("12"), QStringLiteral("Zeile 1\nZeile 2 & <b> &#65;")),
        Ware(QStringLiteral("Łódź-Tuch"), QStringLiteral("5"), QStringLiteral("3S"), QString(), QString(), QString())};
    const QString pfad = Warendatei(QStringLiteral("Test"));
    QString fehler;
    QVERIFY2(WarenSchreiben(pfad, waren, &fehler), qPrintable(fehler));
    const QByteArray bytes = installation.Bytes(Warenpfad(QStringLiteral("Test")));
    QVERIFY(bytes.startsWith("\xD6llampe mit Glasschirm2\r\n12\r\n1,5D\r\nZeile 1&#10;Zeile 2 & <b> &#38;#65;\r\n"));
    QVERIFY(bytes.contains("&#321;\xF3""d&#378;-Tuch5\r\n"));
    QCOMPARE(bytes.count("\r\n"), 10);
    const Warenergebnis e = Katalog::WarenLesen(pfad);
    QVERIFY(e.Vorhanden && !e.Unvollstaendig && !e.Abgelehnt);
    QCOMPARE(e.Waren, waren);
    QVERIFY(Warenmeldung(e).isEmpty());
}

void TestWarehouseKatalog::warendateiZeilenenden()
{
    TestInstallation installation;
    const QByteArray ware = "Seil1\r5\r4S\rStark.\rBO|\r";
    for (const QByteArray& bytes : {QByteArray(ware), QByteArray(ware).replace('\r', '\n'),
                                    QByteArray("Seil1\n5\n4S\nStark.\nBO|"), QByteArray(ware) + "\r\n"}) {
        installation.Schreiben(Warenpfad(QStringLiteral("Test")), bytes);
        const Warenergebnis e = Katalog::WarenLesen(Warendatei(QStringLiteral("Test")));
        QCOMPARE(e.Waren, (QList<QStringList>{{"Seil1", "5", "4S", "Stark.", "BO|"}}));
        QVERIFY2(!e.Unvollstaendig, bytes.constData());
    }
}

// The listing's reader, good by good with only some fields read, tells what the whole reader tells.
void TestWarehouseKatalog::warenDurchlaufen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray ware = "Seil1\r\n5\r\n4S\r\nStark.\r\nBO|\r\n";
    QTest::newRow("zwei Waren") << ware + "Tau2\r\n3\r\n1,5D\r\n\r\n\r\n";
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("Leerzeilen am Ende") << ware + "\r\n \r\n";
    QTest::newRow("mitten in einer Ware") << ware + "Tau2\r\n3\r\n";
    QTest::newRow("Rest ohne Zeilenende") << ware + "Tau2";
    QTest::newRow("nur CR") << QByteArray(ware).replace("\r\n", "\r") + "\r";
    QTest::newRow("Umlaute und Verweise") << QByteArray("K\xe4se1\r\n2\r\n3H\r\nZwei&#10;Zeilen\r\n\r\n");
}

void TestWarehouseKatalog::warenDurchlaufen()
{
    QFETCH(QByteArray, bytes);
    TestInstallation installation;
    installation.Schreiben(Warenpfad(QStringLiteral("Test")), bytes);
    const QString pfad = Warendatei(QStringLiteral("Test"));
    const Warenergebnis ganz = Katalog::WarenLesen(pfad);
    for (const QList<bool>& felder : {QList<bool>(Feldanzahl, true), QList<bool>{true, false, true, false, false}}) {
        QList<QStringList> waren;
        const Warenergebnis e = WarenDurchlaufen(pfad, felder, [&waren](const QStringList& w) { waren.append(w); });
        QCOMPARE(waren.size(), ganz.Waren.size());
        for (qsizetype i = 0; i < waren.size(); ++i)
            for (int f = 0; f < Feldanzahl; ++f)
                QCOMPARE(waren[i][f], felder[f] ? ganz.Waren[i][f] : QString());
        QCOMPARE(e.Unvollstaendig, ganz.Unvollstaendig);
        QCOMPARE(e.Restzeilen, ganz.Restzeilen);
        QCOMPARE(e.Vorhanden, ganz.Vorhanden);
        QCOMPARE(e.Abgelehnt, ganz.Abgelehnt);
        QCOMPARE(Warenmeldung(e), Warenmeldung(ganz));
    }
}

// Under "Alles" the listing goes through the categories KategorieLaden loads, with the same rows and messages.
void TestWarehouseKatalog::kategorieDurchlaufenWieLaden()
{
    TestInstallation installation;
    installation.Schreiben(Warenpfad(QStringLiteral("Kerzen")), "Talglicht1\r\n1\r\n3H\r\n\r\n\r\n");
    installation.Schreiben(Warenpfad(QStringLiteral("Seilerei")), "Seil1\r\n5\r\n4S\r\n\r\n\r\nTau2\r\n");
    const QStringList kategorien{"Kerzen", "Fehlt", "Seilerei", "Kerzen", "../Kerzen"};
    const QList<bool> felder{true, false, true, false, false};
    Lagerhof3Variablen::Zuruecksetzen();
    QStringList gelistet;
    const QStringList meldungen = KategorieDurchlaufen(Alles(), kategorien, felder, [&](const QStringList& w, int zeile) {
        gelistet.append(w[0] + QLatin1Char(' ') + w[2] + QLatin1Char(' ') + QString::number(zeile));
    });
    Lagerhof3Variablen::Zuruecksetzen();
    Gegenstandstabelle t;
    QCOMPARE(meldungen, KategorieLaden(t, Alles(), kategorien));
    QStringList geladen;
    for (int i = 0; i < t.Anzahl(); ++i)
        geladen.append(t.Zeilen[i].Felder[0] + QLatin1Char(' ') + t.Zeilen[i].Felder[2] + QLatin1Char(' ') + QString::number(i));
    QCOMPARE(gelistet, geladen);
    QCOMPARE(gelistet.size(), 2);
    QCOMPARE(meldungen.size(), 1);
}

void TestWarehouseKatalog::kategorienlisteLesen()
{
    TestInstallation installation;
    installation.ZeilenSchreiben(kListe, {QStringLiteral(" 9 "), QStringLiteral("Kleidung"), QString(),
                                          QStringLiteral("  Schmuck  "), QStringLiteral("kleidung"), QStringLiteral("ALLES"),
                                          QStringLiteral("../../etc"), QStringLiteral("ItemKategorien"),
                                          QStringLiteral("WarehouseNahkampfwaffen"), QStringLiteral("Getränke")});
    const Kategorienliste liste = KategorienLesen();
    QCOMPARE(liste.Namen, (QStringList{"Kleidung", "Schmuck", "Getränke"}));
    QCOMPARE(liste.Uebergangen, (QStringList{"kleidung", "ALLES", "../../etc", "ItemKategorien", "WarehouseNahkampfwaffen"}));
    const QStringList meldungen = KategorienMeldungen(liste);
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.first().contains(QStringLiteral("„../../etc“")));

    // A hand-written list without its count line keeps its first category; a missing list is told.
    installation.ZeilenSchreiben(kListe, {QStringLiteral("Kleidung "), QStringLiteral("Schmuck")});
    QCOMPARE(KategorienLesen().Namen, (QStringList{"Kleidung", "Schmuck"}));
    QVERIFY(QFile::remove(installation.Pfad(kListe)));
    const Kategorienliste fehlt = KategorienLesen();
    QVERIFY(!fehlt.Vorhanden);
    QVERIFY(fehlt.Namen.isEmpty());
    QVERIFY(KategorienMeldungen(fehlt).first().contains(QStringLiteral("nicht gefunden")));
}

void TestWarehouseKatalog::geliefertenKatalogLesen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    QVERIFY(Start().isEmpty());
    const QStringList& kategorien = Lagerhof3Variablen::Kategorien;
    QCOMPARE(kategorien.size(), 32);
    QCOMPARE(kategorien.mid(0, 3), Waffenkategorien());
    int eigene = 0;
    for (const QString& k : kategorien) {
        const Warenergebnis e = Katalog::WarenLesen(Warendatei(k));
        QVERIFY2(e.Vorhanden && !e.Unvollstaendig, qPrintable(k));
        QVERIFY2(e.Waren.size() >= 10, qPrintable(k));
        for (const QStringList& ware : e.Waren) {
            QVERIFY2(WertklasseIndex(ware[0]) >= 0, qPrintable(ware[0]));
            QVERIFY2(WaehrungsIndex(ware[2]) >= 0, qPrintable(ware[2]));
            QCOMPARE(RegionenAusFeld(ware[4]).size(), ware[4].count(QLatin1Char('|')));
        }
        if (!Waffenkategorien().contains(k))
            eigene += int(e.Waren.size());
    }
    QVERIFY(eigene >= 150);
}

void TestWarehouseKatalog::neueKategorieAbgelehnt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pruefung");
    const int existiert = int(Namenspruefung::Existiert);
    QTest::newRow("gleich") << "Kerzen" << existiert;
    QTest::newRow("andere Schreibung") << "kerzen" << existiert;
    QTest::newRow("Waffen klein") << "nahkampfwaffen" << existiert;
    QTest::newRow("Alles") << "Alles" << existiert;
    QTest::newRow("ALLES mit Blanks") << "  ALLES " << existiert;
    QTest::newRow("Kategorienliste") << "itemkategorien" << int(Namenspruefung::Werkzeugdatei);
    QTest::newRow("Generator") << "ShopgeneratorConfig" << int(Namenspruefung::Werkzeugdatei);
    QTest::newRow("Ersatzdatei") << "WarehouseKerzen" << int(Namenspruefung::Werkzeugdatei);
    QTest::newRow("Schrägstrich") << "Kerzen/Wachs" << int(Namenspruefung::Unsicher);
    QTest::newRow("Punkte") << ".." << int(Namenspruefung::Unsicher);
    QTest::newRow("Doppelpunkt") << "a:b" << int(Namenspruefung::Unsicher);
    QTest::newRow("Steuerzeichen") << "a\tb" << int(Namenspruefung::Unsicher);
    QTest::newRow("leer") << "" << int(Namenspruefung::Leer);
    QTest::newRow("Blanks") << "   " << int(Namenspruefung::Leer);
}

void TestWarehouseKatalog::neueKategorieAbgelehnt()
{
    QFETCH(QString, name);
    QFETCH(int, pruefung);
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    const QByteArray liste = installation.Bytes(kListe);
    const QStringList dateien = QDir(installation.Pfad(QStringLiteral("Data/Warehouse"))).entryList(QDir::Files);
    QCOMPARE(int(NeuenNamenPruefen(name, Lagerhof3Variablen::Kategorien)), pruefung);
    QString fehler;
    QVERIFY(!KategorieAnlegen(name, Lagerhof3Variablen::Kategorien, &fehler));
    QCOMPARE(fehler, Namensmeldung(Namenspruefung(pruefung), name));
    if (pruefung == int(Namenspruefung::Existiert))
        QCOMPARE(fehler, QStringLiteral("Diese Kategorie existiert bereits, ihr müsst einen anderen Namen wählen."));
    QCOMPARE(installation.Bytes(kListe), liste);
    QCOMPARE(QDir(installation.Pfad(QStringLiteral("Data/Warehouse"))).entryList(QDir::Files), dateien);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Nahkampfwaffen")).size(),
             Katalog::WarenLesen(Warendatei(QStringLiteral("Nahkampfwaffen"))).Waren.size());
    QCOMPARE(Lagerhof3Variablen::Kategorien.size(), 6);
}

void TestWarehouseKatalog::neueKategorieSchreibtListeUndDatei()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    QString fehler;
    QVERIFY2(KategorieAnlegen(QStringLiteral("  Edelsteine "), Lagerhof3Variablen::Kategorien, &fehler), qPrintable(fehler));
    QCOMPARE(Lagerhof3Variablen::Kategorien.last(), QStringLiteral("Edelsteine"));
    QCOMPARE(installation.Bytes(kListe),
             QByteArray(" 7 \r\nNahkampfwaffen\r\nFernwaffen\r\nR\xFCstungen\r\nSeilerei\r\nKerzen\r\nLeer\r\nEdelsteine\r\n"));
    QVERIFY(QFileInfo(installation.Pfad(Warenpfad(QStringLiteral("Edelsteine")))).isFile());
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Edelsteine"))), QByteArray());
    QCOMPARE(KategorienLesen().Namen, Lagerhof3Variablen::Kategorien);
}

void TestWarehouseKatalog::neueKategorieBehaeltVorhandeneDatei()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    WarenSchreiben(installation, QStringLiteral("Alt"), {Ware(QStringLiteral("Altes Ding"))});
    Start();
    QVERIFY(KategorieAnlegen(QStringLiteral("Alt"), Lagerhof3Variablen::Kategorien, nullptr));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Alt")), QList<QStringList>{Ware(QStringLiteral("Altes Ding"))});
}

void TestWarehouseKatalog::kategorieLoeschen()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    QString fehler;
    QVERIFY(KategorieEntfernen(QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien, &fehler));
    QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")))));
    QCOMPARE(installation.Zeilen(kListe),
             (QStringList{" 5 ", "Nahkampfwaffen", "Fernwaffen", "Rüstungen", "Seilerei", "Leer"}));
    QVERIFY(!Lagerhof3Variablen::Kategorien.contains(QStringLiteral("Kerzen")));

    const QByteArray liste = installation.Bytes(kListe);
    for (const QString& name : {QStringLiteral("Fernwaffen"), QStringLiteral("Kerzen"), QStringLiteral("Alles")}) {
        QVERIFY(!KategorieEntfernen(name, Lagerhof3Variablen::Kategorien, &fehler));
        QVERIFY(!fehler.isEmpty());
    }
    QCOMPARE(installation.Bytes(kListe), liste);
    QVERIFY(QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Fernwaffen")))));
}

void TestWarehouseKatalog::allesLadenUndSpeichern()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    Gegenstandstabelle t;
    QVERIFY(KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien).isEmpty());
    QCOMPARE(t.Anzahl(), Summe(Lagerhof3Variablen::Kategorien, installation));
    const int seil = GegenstandSuchen(t, QStringLiteral("Seil"));
    QCOMPARE(t.Zeilen[seil].Kategorie, QStringLiteral("Seilerei"));
    QCOMPARE(EigeneKategorie(t, seil), QStringLiteral("Seilerei"));

    // Changing one good and emptying a category under "Alles" rewrites each file with its own rows.
    QStringList felder = t.Zeilen[seil].Felder;
    felder[2] = QStringLiteral("5S");
    GegenstandAendern(t, seil, felder);
    GegenstandLoeschen(t, GegenstandSuchen(t, QStringLiteral("Talglicht")));
    GegenstandLoeschen(t, GegenstandSuchen(t, QStringLiteral("Wachskerze")));
    // A file whose goods did not change is left alone, with what another program wrote into it meanwhile.
    WarenSchreiben(installation, QStringLiteral("Leer"), {Ware(QStringLiteral("Von außen"))});
    QVERIFY(KategorieSpeichern(t, nullptr));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Leer")), QList<QStringList>{Ware(QStringLiteral("Von außen"))});
    WarenSchreiben(installation, QStringLiteral("Leer"), {});
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).first()[2], QStringLiteral("5S"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).size(), 2);
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen"))), QByteArray());
    Gegenstandstabelle wieder;
    KategorieLaden(wieder, Alles(), Lagerhof3Variablen::Kategorien);
    QCOMPARE(wieder.Anzahl(), t.Anzahl());
    for (int i = 0; i < t.Anzahl(); ++i)
        QCOMPARE(wieder.Zeilen[i].Felder, t.Zeilen[i].Felder);
}

void TestWarehouseKatalog::fehlendeKategoriedateiIstLeer()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    QVERIFY(QFile::remove(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")))));
    Start();
    Gegenstandstabelle t;
    QVERIFY(KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien).isEmpty());
    QCOMPARE(t.Anzahl(), 0);
    QVERIFY(KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien).isEmpty());
    QCOMPARE(t.Anzahl(), Summe(Lagerhof3Variablen::Kategorien, installation));
}

void TestWarehouseKatalog::beschaedigteDateiEinmalGemeldetUndGesichert()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    QStringList zeilen = Zeilen({Ware(QStringLiteral("Talglicht")), Ware(QStringLiteral("Wachskerze"))});
    zeilen += QStringList{QStringLiteral("Halbe Kerze1"), QStringLiteral("2")};
    installation.ZeilenSchreiben(Warenpfad(QStringLiteral("Kerzen")), zeilen);
    const QByteArray original = installation.Bytes(Warenpfad(QStringLiteral("Kerzen")));
    Start();
    Gegenstandstabelle t;
    const QStringList meldungen = KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien);
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.first().contains(QStringLiteral("mitten in einem Gegenstand")));
    QVERIFY(meldungen.first().contains(QStringLiteral("Gelesen wurden 2 Gegenstände; der Rest der Datei ist beschädigt")));
    QCOMPARE(t.Anzahl(), 2);
    // Told once a run, also under "Alles".
    QVERIFY(KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien).isEmpty());
    QVERIFY(KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien).isEmpty());
    KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien);

    // Unchanged, the file stays as it is, its damaged end included.
    QVERIFY(KategorieSpeichern(t, nullptr));
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen"))), original);
    QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")) + QStringLiteral(".bak"))));
    GegenstandAendern(t, 1, Ware(QStringLiteral("Wachskerze"), QStringLiteral("2")));
    QVERIFY(KategorieSpeichern(t, nullptr));
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen")) + QStringLiteral(".bak")), original);
    QCOMPARE(installation.Zeilen(Warenpfad(QStringLiteral("Kerzen"))).size(), 10);
    // Only the first rewrite keeps a copy.
    GegenstandLoeschen(t, 1);
    QVERIFY(KategorieSpeichern(t, nullptr));
    QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")) + QStringLiteral(".bak2"))));
}

void TestWarehouseKatalog::unlesbareDateiWirdNichtUeberschrieben_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("Ordner") << "ordner";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("Gerät") << "geraet";
    QTest::newRow("65 MiB") << "gross";
}

void TestWarehouseKatalog::unlesbareDateiWirdNichtUeberschrieben()
{
    QFETCH(QString, art);
    TestInstallation installation;
    KleinerKatalog(installation);
    const QString kerzen = installation.Pfad(Warenpfad(QStringLiteral("Kerzen")));
    QVERIFY(QFile::remove(kerzen));
    if (art == QLatin1String("ordner"))
        QVERIFY(QDir().mkpath(kerzen));
    else if (art == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(kerzen).constData(), 0600) == 0);
    else if (art == QLatin1String("geraet"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), kerzen));
    else
        QVERIFY(QFile(kerzen).open(QIODevice::WriteOnly) && QFile::resize(kerzen, qint64(65) * 1024 * 1024));
    const QFileInfo vorher(kerzen);
    Start();
    Gegenstandstabelle t;
    // Told once, as a warning that promises no backup.
    const QStringList meldungen = KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien);
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.first().contains(QStringLiteral("Kerzen.dat")) && !meldungen.first().contains(QStringLiteral(".bak")));
    // A good saved in another category is stored, and the save counts as done.
    Speicherergebnis e = GegenstandSpeichern(t, false, -1, Ware(QStringLiteral("Hanf")), QStringLiteral("Seilerei"), nullptr);
    QVERIFY(e.Aktion == Speicheraktion::Hinzugefuegt && e.Geschrieben && e.Meldungen.isEmpty());
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).size(), 3);
    // Nothing goes into the category: not new, not moved, not from its own view.
    e = GegenstandSpeichern(t, false, -1, Ware(QStringLiteral("Docht")), QStringLiteral("Kerzen"), nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Abgelehnt);
    QVERIFY(e.Meldungen.last().contains(QStringLiteral("nicht überschrieben")));
    const int seil = GegenstandSuchen(t, QStringLiteral("Seil"));
    e = GegenstandSpeichern(t, true, seil, t.Zeilen[seil].Felder, QStringLiteral("Kerzen"), [] { return true; });
    QVERIFY(e.Aktion == Speicheraktion::Abgelehnt && t.Zeilen[seil].Kategorie == QStringLiteral("Seilerei"));
    KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien);
    QCOMPARE(GegenstandSpeichern(t, false, -1, Ware(QStringLiteral("Docht")), QStringLiteral("Kerzen"), nullptr).Aktion,
             Speicheraktion::Abgelehnt);
    GegenstandHinzufuegen(t, Ware(QStringLiteral("Neu")));
    QVERIFY(!KategorieSpeichern(t, nullptr));
    const QFileInfo nachher(kerzen);
    QVERIFY(nachher.isDir() == vorher.isDir() && nachher.isFile() == vorher.isFile() && nachher.size() == vorher.size());
    QVERIFY(!QFileInfo::exists(kerzen + QStringLiteral(".bak")));
}

void TestWarehouseKatalog::anhaengenSetztKaputteDateiNichtFort()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    QStringList zeilen = Zeilen({Ware(QStringLiteral("Talglicht"))});
    zeilen += QStringList{QStringLiteral("Rest1"), QStringLiteral("2")};
    installation.ZeilenSchreiben(Warenpfad(QStringLiteral("Kerzen")), zeilen);
    Start();
    QStringList meldungen;
    QVERIFY(GegenstandAnhaengen(QStringLiteral("Kerzen"), Ware(QStringLiteral("Bienenwachs")), &meldungen, nullptr));
    QCOMPARE(meldungen.size(), 1);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")),
             (QList<QStringList>{Ware(QStringLiteral("Talglicht")), Ware(QStringLiteral("Bienenwachs"))}));
    QCOMPARE(installation.Zeilen(Warenpfad(QStringLiteral("Kerzen"))).size(), 10);
    QCOMPARE(installation.Zeilen(Warenpfad(QStringLiteral("Kerzen")) + QStringLiteral(".bak")), zeilen);
}

void TestWarehouseKatalog::speichernBrauchtAlleAngaben_data()
{
    QTest::addColumn<QStringList>("felder");
    QTest::addColumn<QString>("grund");
    QTest::newRow("ohne Namen") << QStringList{"1", "5", "3D", "", ""} << "Namen";
    QTest::newRow("ohne Klasse") << QStringList{"Seil", "5", "3D", "", ""} << "Wertklasse";
    QTest::newRow("ohne Preis") << QStringList{"Seil1", "5", "D", "", ""} << "Preis";
    QTest::newRow("ohne Währung") << QStringList{"Seil1", "5", "3", "", ""} << "Währung";
}

void TestWarehouseKatalog::speichernBrauchtAlleAngaben()
{
    QFETCH(QStringList, felder);
    QFETCH(QString, grund);
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    const QByteArray vorher = installation.Bytes(Warenpfad(QStringLiteral("Kerzen")));
    Gegenstandstabelle t;
    KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien);
    const Speicherergebnis e = GegenstandSpeichern(t, false, -1, felder,
                                                   QStringLiteral("Kerzen"), nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Abgelehnt);
    QVERIFY(e.Meldungen.first().contains(grund));
    QCOMPARE(t.Anzahl(), 2);
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen"))), vorher);
}

void TestWarehouseKatalog::aendernUndLoeschen()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    WarenSchreiben(installation, QStringLiteral("Kerzen"),
                   {Ware(QStringLiteral("A")), Ware(QStringLiteral("B")), Ware(QStringLiteral("C"))});
    Start();
    Gegenstandstabelle t;
    KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien);
    const QStringList neu = Ware(QStringLiteral("B, neu"), QStringLiteral("4"), QStringLiteral("15S"),
                                 QStringLiteral("BO|EL|"));
    Speicherergebnis e = GegenstandSpeichern(t, true, 1, neu, QStringLiteral("Kerzen"),
                                             [] { return false; });
    QCOMPARE(e.Aktion, Speicheraktion::Geaendert);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")),
             (QList<QStringList>{Ware(QStringLiteral("A")), neu, Ware(QStringLiteral("C"))}));
    // "Alles" is no category to move a good to, nor to put a new one in: refused, nothing written.
    const QByteArray vorher = installation.Bytes(Warenpfad(QStringLiteral("Kerzen")));
    for (const bool bearbeiten : {true, false}) {
        e = GegenstandSpeichern(t, bearbeiten, 0, Ware(QStringLiteral("A2")), QStringLiteral("alles"), nullptr);
        QCOMPARE(e.Aktion, Speicheraktion::Abgelehnt);
        QVERIFY(e.Meldungen.first().startsWith(QStringLiteral("„Alles“ ist keine Kategorie")));
    }
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen"))), vorher);
    QCOMPARE(t.Anzahl(), 3);
    QVERIFY(GegenstandLoeschen(t, 1));
    QVERIFY(KategorieSpeichern(t, nullptr));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")),
             (QList<QStringList>{Ware(QStringLiteral("A")), Ware(QStringLiteral("C"))}));
    QVERIFY(!GegenstandLoeschen(t, 2));
}

void TestWarehouseKatalog::verschiebenJaUndNein()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    Gegenstandstabelle t;
    KategorieLaden(t, QStringLiteral("Kerzen"), Lagerhof3Variablen::Kategorien);
    const QByteArray kerzen = installation.Bytes(Warenpfad(QStringLiteral("Kerzen")));
    const QByteArray seile = installation.Bytes(Warenpfad(QStringLiteral("Seilerei")));
    const QStringList neu = Ware(QStringLiteral("Talglicht, groß"), QStringLiteral("1"), QStringLiteral("5H"));
    int gefragt = 0;
    Speicherergebnis e = GegenstandSpeichern(t, true, 0, neu, QStringLiteral("Seilerei"),
                                             [&gefragt] {
                                                 ++gefragt;
                                                 return false;
                                             });
    QCOMPARE(gefragt, 1);
    QCOMPARE(e.Aktion, Speicheraktion::Behalten);
    QCOMPARE(t.Zeilen[0].Felder, Ware(QStringLiteral("Talglicht"), QStringLiteral("1"), QStringLiteral("3H")));
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen"))), kerzen);
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Seilerei"))), seile);

    e = GegenstandSpeichern(t, true, 0, neu, QStringLiteral("Seilerei"), [] { return true; });
    QCOMPARE(e.Aktion, Speicheraktion::Verschoben);
    QCOMPARE(e.Geloescht, 0);
    QCOMPARE(t.Anzahl(), 1);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).size(), 1);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).last(), neu);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).size(), 3);
}

void TestWarehouseKatalog::verschiebenUnterAlles()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    Gegenstandstabelle t;
    KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien);
    const int anzahl = t.Anzahl();
    const int seil = GegenstandSuchen(t, QStringLiteral("Seil"));
    // The row's own category counts: "Seilerei" in the box is no change.
    int gefragt = 0;
    const auto frage = [&gefragt] {
        ++gefragt;
        return true;
    };
    Speicherergebnis e = GegenstandSpeichern(t, true, seil, t.Zeilen[seil].Felder,
                                             QStringLiteral("Seilerei"), frage);
    QCOMPARE(e.Aktion, Speicheraktion::Geaendert);
    QCOMPARE(gefragt, 0);
    e = GegenstandSpeichern(t, true, seil, t.Zeilen[seil].Felder, QStringLiteral("Kerzen"),
                            frage);
    QCOMPARE(gefragt, 1);
    QCOMPARE(e.Aktion, Speicheraktion::Verschoben);
    QCOMPARE(e.Geloescht, seil);
    QCOMPARE(e.Zeile, anzahl - 1);
    QCOMPARE(t.Anzahl(), anzahl);
    QCOMPARE(t.Zeilen.last().Kategorie, QStringLiteral("Kerzen"));
    // Appended to its new category's file and gone from the old one; nothing else lost.
    QCOMPARE(Katalog::Name(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last()[0]), QStringLiteral("Seil"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).size(), 1);
    QCOMPARE(Summe(Lagerhof3Variablen::Kategorien, installation), anzahl);
}

void TestWarehouseKatalog::neuerGegenstandUnterAlles()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    Gegenstandstabelle t;
    KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien);
    const int anzahl = t.Anzahl();
    const QStringList neu = Ware(QStringLiteral("Bienenwachs"), QStringLiteral("2"), QStringLiteral("2S"));
    Speicherergebnis e = GegenstandSpeichern(t, false, -1, neu, Alles(), nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Abgelehnt);
    QVERIFY(e.Meldungen.first().contains(QStringLiteral("Kategorie")));
    QCOMPARE(t.Anzahl(), anzahl);
    e = GegenstandSpeichern(t, false, -1, neu, QStringLiteral("Kerzen"), nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Hinzugefuegt);
    QCOMPARE(t.Zeilen[e.Zeile].Kategorie, QStringLiteral("Kerzen"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last(), neu);
}

void TestWarehouseKatalog::neuerGegenstandInAndereKategorie()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Start();
    Gegenstandstabelle t;
    KategorieLaden(t, QStringLiteral("Seilerei"), Lagerhof3Variablen::Kategorien);
    const QStringList neu = Ware(QStringLiteral("Kerzenhalter"));
    Speicherergebnis e = GegenstandSpeichern(t, false, -1, neu, QStringLiteral("Kerzen"),
                                             nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Angehaengt);
    QCOMPARE(t.Anzahl(), 2);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last(), neu);
    e = GegenstandSpeichern(t, false, -1, Ware(QStringLiteral("Strick")),
                            QStringLiteral("Seilerei"), nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Hinzugefuegt);
    QCOMPARE(e.Zeile, 2);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).size(), 3);
}

void TestWarehouseKatalog::spaeterAngelegteKategorieVerliertNichts()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    WarenSchreiben(installation, QStringLiteral("Alt"), {Ware(QStringLiteral("Altes Ding"))});
    Start();
    Gegenstandstabelle t;
    KategorieLaden(t, Alles(), Lagerhof3Variablen::Kategorien);
    const int anzahl = t.Anzahl();
    // A category made after "Alles" was loaded takes over the goods its file held.
    QVERIFY(KategorieAnlegen(QStringLiteral("Alt"), Lagerhof3Variablen::Kategorien, nullptr));
    QVERIFY(KategorieSpeichern(t, nullptr));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Alt")).size(), 1);
    const Speicherergebnis e = GegenstandSpeichern(t, false, -1, Ware(QStringLiteral("Neues Ding")), QStringLiteral("Alt"),
                                                   nullptr);
    QCOMPARE(e.Aktion, Speicheraktion::Hinzugefuegt);
    QVERIFY(e.Nachgeladen);
    QCOMPARE(t.Anzahl(), anzahl + 2);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Alt")),
             (QList<QStringList>{Ware(QStringLiteral("Altes Ding")), Ware(QStringLiteral("Neues Ding"))}));
    QVERIFY(KategorieSpeichern(t, nullptr));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Alt")).size(), 2);
}

QTEST_GUILESS_MAIN(TestWarehouseKatalog)
#include "test_warehouse_katalog.moc"
