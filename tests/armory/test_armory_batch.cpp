// The batch commands: in-process through the same entry point the program uses, and a few runs of the
// built program from a temporary installation.
#include "ArmoryBatch.h"
#include "ArmoryHTML.h"
#include "ArmoryTestHilfe.h"
#include "Dialoge.h"
#include "TestInstallation.h"
#include "Zufall.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QtTest>

using namespace Waffentabellen;
using namespace ArmoryTest;

namespace {

const QString kNah = QStringLiteral("Data/Armory/Nahkampfwaffen.dat");

ArmoryBatch::Ergebnis Lauf(const QString& befehl)
{
    return ArmoryBatch::Ausfuehren(QProcess::splitCommand(befehl));
}

// A small melee database of known weapons.
void Waffen(const TestInstallation& installation)
{
    QStringList ohnePreis = Nahkampfwaffe(QStringLiteral("Rohling"), QStringLiteral("1"), QStringLiteral("1"),
                                          QStringLiteral("0"));
    installation.ZeilenSchreiben(kNah, Datei({Nahkampfwaffe(QStringLiteral("Testklinge"), QStringLiteral("1"),
                                                            QStringLiteral("1")),
                                              Nahkampfwaffe(QStringLiteral("Langschwert")), ohnePreis}));
}

} // namespace

class TestArmoryBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listeAllerDreiTabellen_data();
    void listeAllerDreiTabellen();
    void listeBeiFalschemAufrufOderFehlenderDatei();
    void listeEinerBeschaedigtenDatei();
    void detailsWieDerHtmlExport();
    void listeHtmlInTabellenreihenfolge();
    void schmiedenGibtUebersichtUndBericht();
    void schmiedenZaehltTalentUeber22Als22();
    void schmiedenMitZyklopenUndEigenemNamen();
    void schmiedenWirdAbgelehnt_data();
    void schmiedenWirdAbgelehnt();
    void generierenHaengtAnUndGibtDieListenzeile();
    void exportierenUndImportieren();
    void importAbgelehntLaesstDatenbankUnveraendert();
    void dasProgrammSelbst();
};

void TestArmoryBatch::listeAllerDreiTabellen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tabelle");
    QTest::newRow("nahkampf") << "nahkampf" << int(Tabelle::NWaffen);
    QTest::newRow("fernkampf") << "fernkampf" << int(Tabelle::FWaffen);
    QTest::newRow("ruestung") << "ruestung" << int(Tabelle::Armor);
}

void TestArmoryBatch::listeAllerDreiTabellen()
{
    QFETCH(QString, name);
    QFETCH(int, tabelle);
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffentabelle t;
    t.Art = Tabelle(tabelle);
    TabelleLaden(t);
    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--liste ") + name);
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), t.Anzahl());
    for (int i = 0; i < t.Anzahl(); ++i) {
        const QStringList spalten = e.Ausgabe[i].split(QLatin1Char('\t'));
        QCOMPARE(spalten.size(), Spaltenueberschriften(t.Art).size() + 1);
        QCOMPARE(spalten.first(), t.Zeilen[i][1]);
        QCOMPARE(spalten.last(), QString::number(i));
    }
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestArmoryBatch::listeBeiFalschemAufrufOderFehlenderDatei()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    QCOMPARE(Lauf(QStringLiteral("--liste waffen")).Status, 2);
    QCOMPARE(Lauf(QStringLiteral("--liste")).Status, 2);
    QCOMPARE(Lauf(QStringLiteral("--liste nahkampf --extra")).Status, 2);
    QCOMPARE(Lauf(QStringLiteral("--unbekannt")).Status, 2);
    QCOMPARE(Lauf(QString()).Status, 2);
    QCOMPARE(dialoge.aufrufe.size(), 5);
    QVERIFY(QFile::remove(installation.Pfad(kNah)));
    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--liste nahkampf"));
    QCOMPARE(e.Status, 1);
    QVERIFY(e.Ausgabe.isEmpty());
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("nicht gefunden")));
}

void TestArmoryBatch::listeEinerBeschaedigtenDatei()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    QStringList zeilen = Datei({Ruestung(QStringLiteral("Lederkappe")), Ruestung(QStringLiteral("Halb"))});
    installation.ZeilenSchreiben(QStringLiteral("Data/Armory/Rüstungen.dat"), zeilen.mid(0, 30));
    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--liste ruestung"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, QStringList{QStringLiteral("Lederkappe\tRüstung\t3\t2\t0 / -1\t2\t240 Unzen\t80 Dukaten\t0")});
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("mitten in einem Eintrag")));
}

void TestArmoryBatch::detailsWieDerHtmlExport()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    const QString datei = installation.Pfad(QStringLiteral("HTML/lang.html"));
    QCOMPARE(Lauf(QStringLiteral("--details nahkampf Langschwert --ausgabe ") + datei).Status, 0);
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    QStringList zeile = Nahkampfwaffe(QStringLiteral("Langschwert"));
    zeile[0] = QStringLiteral("1");
    ArmoryHTML::DetailSeiteSchreiben(Tabelle::NWaffen, zeile, erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/lang.html")), erwartet.data());
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Daten wurden erfolgreich exportiert.")});

    // Options may come first; a name nobody has is refused.
    QCOMPARE(Lauf(QStringLiteral("--details --ausgabe ") + datei + QStringLiteral(" nahkampf Testklinge")).Status, 0);
    QCOMPARE(Lauf(QStringLiteral("--details nahkampf Keiner --ausgabe ") + datei).Status, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("Keiner")));
    QCOMPARE(Lauf(QStringLiteral("--details nahkampf Testklinge")).Status, 2);
}

void TestArmoryBatch::listeHtmlInTabellenreihenfolge()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffentabelle t;
    t.Art = Tabelle::FWaffen;
    TabelleLaden(t);
    const QString datei = installation.Pfad(QStringLiteral("HTML/liste.html"));
    QCOMPARE(Lauf(QStringLiteral("--liste-html fernkampf --ausgabe ") + datei).Status, 0);
    QList<QStringList> spalten;
    for (const QStringList& zeile : t.Zeilen)
        spalten.append(Listenspalten(Tabelle::FWaffen, zeile));
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    ArmoryHTML::ListenSeiteSchreiben(Tabelle::FWaffen, spalten, erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/liste.html")), erwartet.data());
}

void TestArmoryBatch::schmiedenGibtUebersichtUndBericht()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    const QString datei = installation.Pfad(QStringLiteral("HTML/forge.html"));
    Zufall::Skript wuerfe({20, 3, 9, 1, 5}); // Langschwert: 4 work points, skill 12
    const ArmoryBatch::Ergebnis e =
        Lauf(QStringLiteral("--schmieden Langschwert --stahl Titanium --schmied 12 --persoenlich --ausgabe ") + datei);
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"NAME: Langschwert", "SCHADEN: 1W6+8", "BRUCHFAKTOR: -2", "PREIS: 15000 Dukaten"}));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{23, 23, 23, 23, 23}));
    const QString seite = QString::fromLatin1(installation.Bytes(QStringLiteral("HTML/forge.html")));
    // (6 + 5 + 5 + 5 + 5) days, doubled, tripled by the steel.
    QVERIFY2(seite.contains(QStringLiteral("<B>Dauer der Herstellung: </B> 156 Tage</BR>")), qPrintable(seite));
    QVERIFY(seite.contains(QStringLiteral("15000 Dukaten</font>")));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestArmoryBatch::schmiedenZaehltTalentUeber22Als22()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    Zufall::Skript wuerfe({23, 22}); // Testklinge: one work point
    const QString datei = installation.Pfad(QStringLiteral("HTML/forge.html"));
    QCOMPARE(Lauf(QStringLiteral("--schmieden Testklinge --schmied 30 --ausgabe ") + datei).Status, 0);
    QVERIFY(QString::fromLatin1(installation.Bytes(QStringLiteral("HTML/forge.html")))
                .contains(QStringLiteral("<B>Dauer der Herstellung: </B> 11 Tage</BR>")));
}

void TestArmoryBatch::schmiedenMitZyklopenUndEigenemNamen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    Zufall::Skript wuerfe({1, 15, 11});
    const QString datei = installation.Pfad(QStringLiteral("HTML/z.html"));
    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--schmieden Rohling --zyklopen --bf -2 --name \"Glut der Tiefe\" "
                                                        "--waehrung Silbertaler --ausgabe ") + datei);
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, (QStringList{"NAME: Glut der Tiefe", "SCHADEN: 1W6+1", "BRUCHFAKTOR: 1", "PREIS: 0 Silbertaler"}));
    // The weapon has no price yet: a note, not a question.
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe.first().art, QStringLiteral("Meldung"));
    const QString seite = QString::fromLatin1(installation.Bytes(QStringLiteral("HTML/z.html")));
    QVERIFY(seite.contains(QStringLiteral("Die Waffe wurde von Zyklopen gefertigt.")));
    QVERIFY(seite.contains(QStringLiteral("<B>Dauer der Herstellung: </B> 13 Tage</BR>")));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{23, 20, 20}));
}

void TestArmoryBatch::schmiedenWirdAbgelehnt_data()
{
    QTest::addColumn<QString>("optionen");
    QTest::addColumn<int>("status");
    QTest::newRow("ohne Talentwert und Zyklopen") << "" << 2;
    QTest::newRow("Talentwert 0") << "--schmied 0" << 2;
    QTest::newRow("Talentwert keine Zahl") << "--schmied viel" << 2;
    QTest::newRow("BF bei Talent 5") << "--schmied 5 --bf -1" << 2;
    QTest::newRow("persönlich bei Talent 9") << "--schmied 9 --persoenlich" << 2;
    QTest::newRow("TP 4") << "--schmied 12 --tp 4" << 2;
    QTest::newRow("unbekannter Stahl") << "--schmied 12 --stahl Blech" << 2;
    QTest::newRow("unbekannte Währung") << "--schmied 12 --waehrung Kronen" << 2;
    QTest::newRow("ohne Ausgabe") << "--schmied 12 --keine-ausgabe" << 2;
    QTest::newRow("Name zweizeilig") << "--schmied 12 --name \"Zwei\nZeilen\"" << 2;
    QTest::newRow("unbekannte Waffe") << "--schmied 12 --ausgabe" << 1;
}

void TestArmoryBatch::schmiedenWirdAbgelehnt()
{
    QFETCH(QString, optionen);
    QFETCH(int, status);
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe;
    Waffen(installation);
    const QString datei = installation.Pfad(QStringLiteral("HTML/nein.html"));
    QString befehl = QStringLiteral("--schmieden ") + (status == 1 ? QStringLiteral("Niemand ") : QStringLiteral("Langschwert "))
        + optionen;
    if (!optionen.contains(QStringLiteral("ausgabe")))
        befehl += QStringLiteral(" --ausgabe ") + datei;
    else if (status == 1)
        befehl += QLatin1Char(' ') + datei;
    const ArmoryBatch::Ergebnis e = Lauf(befehl);
    QCOMPARE(e.Status, status);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(!QFile::exists(datei));
    QVERIFY(wuerfe.Angefragt().isEmpty());
}

void TestArmoryBatch::generierenHaengtAnUndGibtDieListenzeile()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    Zufall::Skript wuerfe({1, 1, 2});
    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--generieren --name Küchenmesser --kategorie Messer"));
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, QStringList{QStringLiteral("Küchenmesser\tMesser\t1W6+1\tKK-14\t10 Unzen\t27\t2\t2 / 2\t0 \t3")});
    const QStringList zeilen = installation.Zeilen(kNah);
    QCOMPARE(zeilen.size(), 1 + 4 * 29);
    QCOMPARE(zeilen[1 + 3 * 29], QStringLiteral(" 3 "));
    QCOMPARE(zeilen[1 + 3 * 29 + 1], QStringLiteral("Küchenmesser"));

    QCOMPARE(Lauf(QStringLiteral("--generieren --name X --kategorie Peitschen")).Status, 2);
    QCOMPARE(Lauf(QStringLiteral("--generieren --kategorie Messer")).Status, 2);
    QCOMPARE(installation.Zeilen(kNah).size(), 1 + 4 * 29);
}

void TestArmoryBatch::exportierenUndImportieren()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    const QString datei = installation.Pfad(QStringLiteral("WBD/lang.wbd"));
    QCOMPARE(Lauf(QStringLiteral("--exportieren nahkampf Langschwert --ausgabe ") + datei).Status, 0);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Daten wurden erfolgreich exportiert.")});
    QCOMPARE(installation.Zeilen(QStringLiteral("WBD/lang.wbd")).first(), QStringLiteral("Waffkam 3 - Nahkampfwaffe"));

    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--importieren ") + datei);
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 1);
    QVERIFY(e.Ausgabe.first().endsWith(QStringLiteral("\t3")));
    Waffentabelle t;
    t.Art = Tabelle::NWaffen;
    TabelleLaden(t);
    QCOMPARE(t.Anzahl(), 4);
    QCOMPARE(t.Zeilen[3].mid(1), t.Zeilen[1].mid(1));
    QCOMPARE(Lauf(QStringLiteral("--exportieren nahkampf Langschwert")).Status, 2);
}

void TestArmoryBatch::importAbgelehntLaesstDatenbankUnveraendert()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Waffen(installation);
    const QByteArray vorher = installation.Bytes(kNah);
    QStringList kurz{QStringLiteral("Waffkam 3 - Nahkampfwaffe")};
    kurz.append(Nahkampfwaffe(QStringLiteral("Kurz")).mid(1, 20));
    installation.ZeilenSchreiben(QStringLiteral("WBD/kurz.wbd"), kurz);
    const ArmoryBatch::Ergebnis e = Lauf(QStringLiteral("--importieren ") + installation.Pfad(QStringLiteral("WBD/kurz.wbd")));
    QCOMPARE(e.Status, 1);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Diese Datei wurde nicht mit Waffkam 3 erstellt oder sie ist beschädigt.")});
    QCOMPARE(installation.Bytes(kNah), vorher);
}

void TestArmoryBatch::dasProgrammSelbst()
{
    TestInstallation installation;
    const QString programm = installation.Pfad(QStringLiteral("Waffkam3"));
    QVERIFY(QFile::copy(QStringLiteral(WAFFKAM3_PROGRAMM), programm));
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
    QCOMPARE(starten({"--liste", "fernkampf"}, &aus, &fehler), 0);
    Waffentabelle t;
    t.Art = Tabelle::FWaffen;
    TabelleLaden(t);
    QCOMPARE(aus.count('\n'), t.Anzahl());
    QVERIFY(aus.startsWith((Listenzeile(Tabelle::FWaffen, t.Zeilen[0]) + QLatin1Char('\n')).toUtf8()));

    QCOMPARE(starten({"--help"}, &aus, &fehler), 0);
    QVERIFY(aus.contains("--schmieden"));
    QCOMPARE(starten({"--gibt-es-nicht"}, &aus, &fehler), 2);
    QVERIFY(aus.isEmpty());
    QVERIFY(fehler.contains("Unbekannter Befehl"));
}

QTEST_GUILESS_MAIN(TestArmoryBatch)
#include "test_armory_batch.moc"
