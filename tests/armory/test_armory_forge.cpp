// The forge: price, breakage factor, damage, the enabling rules, production time with scripted rolls, and
// the report page.
#include "ArmoryTestHilfe.h"
#include "ForgeEngine.h"
#include "Zufall.h"

#include <QBuffer>
#include <QtTest>

using namespace ForgeEngine;

namespace {

Schmiede Waffe(const QString& preis = QStringLiteral("100"), const QString& bonus = QStringLiteral("4"))
{
    return SchmiedeOeffnen(ArmoryTest::Nahkampfwaffe(QStringLiteral("Mondklinge"), QStringLiteral("1"), bonus, preis));
}

QStringList Seite(const Schmiede& s, qint64 tage, const QString& preis)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    BerichtSchreiben(s, tage, preis, puffer);
    return QString::fromLatin1(puffer.data()).split(QStringLiteral("\r\n"));
}

} // namespace

class TestArmoryForge : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void preis_data();
    void preis();
    void bruchfaktorFolgtStahlUndVerbesserung();
    void schadenstext_data();
    void schadenstext();
    void statusZeigtDieVierZeilen();
    void freigabe_data();
    void freigabe();
    void talentwert_data();
    void talentwert();
    void arbeitspunkte_data();
    void arbeitspunkte();
    void zyklopenarbeitGelingtJedesMal();
    void misslungeneWuerfeKostenSechsTage();
    void herstellungszeit_data();
    void herstellungszeit();
    void ohneTalentwertOderMitUnmengenWuerfelnWirdNichtGeschmiedet();
    void berichtByteFuerByte();
    void berichtOhneZyklopenUndMitMagischemStahl();
    void zyklopenBonusUndMalus_data();
    void zyklopenBonusUndMalus();
};

void TestArmoryForge::preis_data()
{
    QTest::addColumn<QString>("grundpreis");
    QTest::addColumn<QString>("stahl");
    QTest::addColumn<int>("bf");
    QTest::addColumn<int>("tp");
    QTest::addColumn<bool>("persoenlich");
    QTest::addColumn<bool>("zyklop");
    QTest::addColumn<qint64>("preis");

    QTest::newRow("ohne alles") << "100" << "" << 0 << 0 << false << false << qint64(100);
    QTest::newRow("Titanium") << "100" << "Titanium" << 0 << 0 << false << false << qint64(3000);
    QTest::newRow("Titanium persönlich") << "100" << "Titanium" << 0 << 0 << true << false << qint64(15000);
    QTest::newRow("Titanium persönlich Zyklopen") << "100" << "Titanium" << 0 << 0 << true << true << qint64(225000);
    QTest::newRow("BF -2") << "100" << "" << 2 << 0 << false << false << qint64(600);
    QTest::newRow("TP 3") << "100" << "" << 0 << 3 << false << false << qint64(1200);
    QTest::newRow("BF -1, TP 1, persönlich") << "100" << "" << 1 << 1 << true << false << qint64(6000);
    QTest::newRow("Zwergenstahl Zyklopen") << "50" << "Zwergenstahl" << 0 << 0 << false << true << qint64(2250);
    QTest::newRow("1,2 auf 1") << "1" << "Uhdenberger Stahl" << 0 << 0 << false << false << qint64(1);
    QTest::newRow("1,2 auf 3 (3,6)") << "3" << "Uhdenberger Stahl" << 0 << 0 << false << false << qint64(4);
    QTest::newRow("1,2 auf 7 (8,4)") << "7" << "Uhdenberger Stahl" << 0 << 0 << false << false << qint64(8);
    QTest::newRow("1,2 auf 13 (15,6)") << "13" << "Uhdenberger Stahl" << 0 << 0 << false << false << qint64(16);
    QTest::newRow("1,2 Zyklopen") << "3" << "Uhdenberger Stahl" << 0 << 0 << false << true << qint64(54);
    QTest::newRow("Grundpreis 12,5 gerundet") << "12,5" << "" << 0 << 0 << false << false << qint64(12);
    QTest::newRow("Grundpreis 13.5 gerundet") << "13.5" << "" << 0 << 0 << false << false << qint64(14);
    QTest::newRow("leerer Preis") << "" << "Titanium" << 2 << 3 << true << true << qint64(0);
    QTest::newRow("kein Zahlwert") << "teuer" << "" << 0 << 0 << false << false << qint64(0);
    QTest::newRow("riesig bleibt beim Höchstwert")
        << "8000000000000000000" << "Titanium" << 2 << 3 << true << true << std::numeric_limits<qint64>::max();
}

void TestArmoryForge::preis()
{
    QFETCH(QString, grundpreis);
    QFETCH(QString, stahl);
    QFETCH(int, bf);
    QFETCH(int, tp);
    QFETCH(bool, persoenlich);
    QFETCH(bool, zyklop);
    QFETCH(qint64, preis);
    Schmiede s = Waffe(grundpreis);
    s.Stahl = StahlIndex(stahl);
    s.BFStufe = bf;
    s.TPStufe = tp;
    s.Persoenlich = persoenlich;
    s.Zyklop = zyklop;
    QCOMPARE(PreisBerechnen(s), preis);
}

void TestArmoryForge::bruchfaktorFolgtStahlUndVerbesserung()
{
    Schmiede s = Waffe(); // base breakage factor 3
    QCOMPARE(Bruchfaktor(s), qint64(3));
    s.Stahl = StahlIndex(QStringLiteral("Premer Stahl"));
    QCOMPARE(Bruchfaktor(s), qint64(4));
    s.BFStufe = 2;
    QCOMPARE(Bruchfaktor(s), qint64(2));
    s.BFStufe = 0;
    QCOMPARE(Bruchfaktor(s), qint64(4));
    s.Stahl = StahlIndex(QStringLiteral("Titanium"));
    s.BFStufe = 1;
    QCOMPARE(Bruchfaktor(s), qint64(-3));
}

void TestArmoryForge::schadenstext_data()
{
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("stahl");
    QTest::addColumn<int>("tp");
    QTest::addColumn<bool>("persoenlich");
    QTest::addColumn<QString>("text");
    QTest::newRow("Grundwert") << "4" << "" << 0 << false << "1W6+4";
    QTest::newRow("Titanium") << "4" << "Titanium" << 0 << false << "1W6+7";
    QTest::newRow("Titanium persönlich") << "4" << "Titanium" << 0 << true << "1W6+8";
    QTest::newRow("Endurium TP 2") << "4" << "Endurium" << 2 << false << "1W6+7";
    QTest::newRow("leerer Bonus") << "" << "" << 0 << false << "1W6+0";
    QTest::newRow("negativer Bonus") << "-2" << "" << 1 << false << "1W6+-1";
}

void TestArmoryForge::schadenstext()
{
    QFETCH(QString, bonus);
    QFETCH(QString, stahl);
    QFETCH(int, tp);
    QFETCH(bool, persoenlich);
    QFETCH(QString, text);
    Schmiede s = Waffe(QStringLiteral("100"), bonus);
    s.Stahl = StahlIndex(stahl);
    s.TPStufe = tp;
    s.Persoenlich = persoenlich;
    QCOMPARE(Schadenstext(s), text);
}

void TestArmoryForge::statusZeigtDieVierZeilen()
{
    Schmiede s = Waffe();
    s.Name = QStringLiteral("Sturmzahn");
    s.Waehrung = QStringLiteral("Silbertaler");
    s.Stahl = StahlIndex(QStringLiteral("Zwergenstahl"));
    s.TPStufe = 1;
    QCOMPARE(StatusText(s), QStringLiteral("NAME: Sturmzahn\r\nSCHADEN: 1W6+5\r\nBRUCHFAKTOR: 2\r\nPREIS: 1200 Silbertaler"));
    QCOMPARE(SchmiedeOeffnen(ArmoryTest::Nahkampfwaffe(QStringLiteral("X"))).Waehrung, QStringLiteral("Dukaten"));
}

void TestArmoryForge::freigabe_data()
{
    QTest::addColumn<QString>("schmied");
    QTest::addColumn<bool>("zyklop");
    QTest::addColumn<QList<bool>>("erwartet"); // Schmied, Verbesserungen, Persönlich, Start
    QTest::newRow("leer") << "" << false << QList<bool>{true, false, false, false};
    QTest::newRow("0 wie leer") << "0" << false << QList<bool>{true, false, false, false};
    QTest::newRow("negativ wie leer") << "-3" << false << QList<bool>{true, false, false, false};
    QTest::newRow("nur Komma") << "," << false << QList<bool>{true, false, false, false};
    QTest::newRow("5") << "5" << false << QList<bool>{true, false, false, true};
    QTest::newRow("9") << "9" << false << QList<bool>{true, false, false, true};
    QTest::newRow("10") << "10" << false << QList<bool>{true, true, true, true};
    QTest::newRow("25") << "25" << false << QList<bool>{true, true, true, true};
    QTest::newRow("Zyklopen, leer") << "" << true << QList<bool>{false, false, true, true};
    QTest::newRow("Zyklopen, 5") << "5" << true << QList<bool>{false, false, true, true};
}

void TestArmoryForge::freigabe()
{
    QFETCH(QString, schmied);
    QFETCH(bool, zyklop);
    QFETCH(QList<bool>, erwartet);
    Schmiede s = Waffe();
    s.Schmied = schmied;
    s.Zyklop = zyklop;
    const Freigabe f = FreigabeBerechnen(s);
    QCOMPARE((QList<bool>{f.Schmied, f.Verbesserungen, f.Persoenlich, f.Start}), erwartet);
}

void TestArmoryForge::talentwert_data()
{
    QTest::addColumn<QString>("schmied");
    QTest::addColumn<bool>("zyklop");
    QTest::addColumn<int>("wert");
    QTest::newRow("12") << "12" << false << 12;
    QTest::newRow("über 22") << "25" << false << 22;
    // One whole-number reader for every box: thousands separators count, decimals are no skill value.
    QTest::newRow("Tausender") << "1.000" << false << 22;
    QTest::newRow("0,6 wie leer") << "0,6" << false << 0;
    QTest::newRow("riesig") << "99999999999999999999999" << false << 0;
    QTest::newRow("Zyklopen") << "3" << true << 30;
}

void TestArmoryForge::talentwert()
{
    QFETCH(QString, schmied);
    QFETCH(bool, zyklop);
    QFETCH(int, wert);
    Schmiede s = Waffe();
    s.Schmied = schmied;
    s.Zyklop = zyklop;
    QCOMPARE(Talentwert(s), wert);
}

void TestArmoryForge::arbeitspunkte_data()
{
    QTest::addColumn<QString>("wuerfel");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<int>("tp");
    QTest::addColumn<qint64>("punkte");
    QTest::newRow("1W6+4") << "1" << "W6" << "4" << 0 << qint64(4);
    QTest::newRow("2W6+2") << "2" << "W6" << "2" << 0 << qint64(6);
    QTest::newRow("1W2") << "1" << "W2" << "0" << 0 << qint64(-3);
    QTest::newRow("3W3+1") << "3" << "W3" << "1" << 0 << qint64(3);
    QTest::newRow("1W4") << "1" << "W4" << "0" << 0 << qint64(-1);
    QTest::newRow("1W10") << "1" << "W10" << "0" << 0 << qint64(3);
    QTest::newRow("1W20") << "1" << "W20" << "0" << 0 << qint64(10);
    QTest::newRow("3SP: n mal n") << "3" << "SP" << "0" << 0 << qint64(5);
    QTest::newRow("unbekannte Würfelart") << "1" << "W8" << "5" << 0 << qint64(1);
    QTest::newRow("leere Würfelzahl") << "" << "W6" << "4" << 0 << qint64(0);
    QTest::newRow("mit TP 3") << "1" << "W6" << "4" << 3 << qint64(7);
}

void TestArmoryForge::arbeitspunkte()
{
    QFETCH(QString, wuerfel);
    QFETCH(QString, art);
    QFETCH(QString, bonus);
    QFETCH(int, tp);
    QFETCH(qint64, punkte);
    QStringList waffe = ArmoryTest::Nahkampfwaffe(QStringLiteral("W"), wuerfel, bonus);
    waffe[26] = art;
    Schmiede s = SchmiedeOeffnen(waffe);
    s.TPStufe = tp;
    QCOMPARE(Arbeitspunkte(s), punkte);
}

void TestArmoryForge::zyklopenarbeitGelingtJedesMal()
{
    Schmiede s = Waffe();
    s.Zyklop = true;
    Zufall::Skript wuerfe({1, 23, 12, 7});
    QCOMPARE(Herstellungszeit(s).value_or(-1), qint64(20));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{23, 23, 23, 23}));
    QVERIFY(wuerfe.Fehler().isEmpty());
}

void TestArmoryForge::misslungeneWuerfeKostenSechsTage()
{
    Schmiede s = Waffe(QStringLiteral("100"), QStringLiteral("1"));
    s.Schmied = QStringLiteral("22");
    {
        Zufall::Skript wuerfe({23, 22});
        QCOMPARE(Herstellungszeit(s).value_or(-1), qint64(11));
        QCOMPARE(wuerfe.Uebrig(), 0);
    }
    s = Waffe(QStringLiteral("100"), QStringLiteral("2"));
    s.Schmied = QStringLiteral("5");
    Zufall::Skript wuerfe({6, 5, 1});
    QCOMPARE(Herstellungszeit(s).value_or(-1), qint64(16));
    QCOMPARE(wuerfe.Uebrig(), 0);
}

void TestArmoryForge::herstellungszeit_data()
{
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("stahl");
    QTest::addColumn<int>("bf");
    QTest::addColumn<bool>("persoenlich");
    QTest::addColumn<qint64>("tage");
    QTest::newRow("20 Tage") << "4" << "" << 0 << false << qint64(20);
    QTest::newRow("Premer: 20 - 2") << "4" << "Premer Stahl" << 0 << false << qint64(18);
    QTest::newRow("Premer: 25 - round(2,5)") << "5" << "Premer Stahl" << 0 << false << qint64(23);
    QTest::newRow("Premer: 35 - round(3,5)") << "7" << "Premer Stahl" << 0 << false << qint64(31);
    QTest::newRow("Uhdenberger: 20 - 4") << "4" << "Uhdenberger Stahl" << 0 << false << qint64(16);
    QTest::newRow("Endurium doppelt") << "4" << "Endurium" << 0 << false << qint64(40);
    QTest::newRow("Titanium dreifach") << "4" << "Titanium" << 0 << false << qint64(60);
    QTest::newRow("BF -1 plus 4") << "4" << "" << 1 << false << qint64(24);
    QTest::newRow("BF -2, persönlich") << "4" << "" << 2 << true << qint64(56);
    QTest::newRow("Zwergenstahl nach Verdopplung") << "4" << "Zwergenstahl" << 1 << true << qint64(43);
    QTest::newRow("keine Arbeitspunkte") << "0" << "" << 0 << false << qint64(0);
    QTest::newRow("nur BF und persönlich") << "-3" << "" << 2 << true << qint64(16);
}

void TestArmoryForge::herstellungszeit()
{
    QFETCH(QString, bonus);
    QFETCH(QString, stahl);
    QFETCH(int, bf);
    QFETCH(bool, persoenlich);
    QFETCH(qint64, tage);
    Schmiede s = Waffe(QStringLiteral("100"), bonus);
    s.Zyklop = true;
    s.Stahl = StahlIndex(stahl);
    s.BFStufe = bf;
    s.Persoenlich = persoenlich;
    const qint64 punkte = qMax<qint64>(0, Arbeitspunkte(s));
    Zufall::Skript wuerfe(QList<int>(punkte, 1));
    QCOMPARE(Herstellungszeit(s).value_or(-1), tage);
    QCOMPARE(wuerfe.Angefragt().size(), punkte);
    QVERIFY(wuerfe.Fehler().isEmpty());
}

void TestArmoryForge::ohneTalentwertOderMitUnmengenWuerfelnWirdNichtGeschmiedet()
{
    Zufall::Skript wuerfe;
    Schmiede s = Waffe();
    QString fehler;
    QVERIFY(!Herstellungszeit(s, &fehler).has_value());
    QVERIFY(fehler.contains(QStringLiteral("Talentwert")));
    s.Schmied = QStringLiteral("0");
    QVERIFY(!Herstellungszeit(s).has_value());

    QStringList riesig = ArmoryTest::Nahkampfwaffe(QStringLiteral("Riese"), QStringLiteral("100000"));
    riesig[26] = QStringLiteral("W20");
    s = SchmiedeOeffnen(riesig);
    s.Zyklop = true;
    QVERIFY(!Herstellungszeit(s, &fehler).has_value());
    QVERIFY(fehler.contains(QStringLiteral("Arbeitsschritte")));
    QVERIFY(wuerfe.Angefragt().isEmpty());
}

void TestArmoryForge::berichtByteFuerByte()
{
    QStringList waffe = ArmoryTest::Nahkampfwaffe(QStringLiteral("Mondklinge"));
    waffe[2] = QStringLiteral("95");
    waffe[4] = QStringLiteral("Schmal & leicht");
    waffe[12] = QStringLiteral("erscheint nicht");
    waffe[13] = QStringLiteral("Bricht bei Frost");
    waffe[15] = QStringLiteral("Stark gegen Schilde");
    waffe[17] = QStringLiteral("1");
    waffe[22] = QStringLiteral("1");
    Schmiede s = SchmiedeOeffnen(waffe);
    s.Name = QStringLiteral("Mondklinge der Tiefe");
    s.Stahl = StahlIndex(QStringLiteral("Zwergenstahl"));
    s.BFStufe = 1;
    s.Persoenlich = true;
    s.Zyklop = true;

    Zufall::Skript wuerfe({3, 5, 10, 4});
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    BerichtSchreiben(s, 43, QStringLiteral("1234"), puffer);
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{20, 6, 20, 6}));

    const QString zelle = QStringLiteral("<td width=\"%1\"><small><font face=\"Arial\">%2</font></small></td>");
    QStringList erwartet{
        "<html>", "<head>", "<title>Mondklinge - Waffkam 3</title>", "</head>",
        "<H1>Mondklinge der Tiefe   (Persönliche Waffe)</H1>",
        "<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" bordercolorlight=\"#FFFFFF\" "
        "bordercolordark=\"#C0C0C0\">",
        "<tr>"};
    for (const char* kopf : {"Name", "Typ", "TP", "TP+", "Gew.", "Lg.", "BF", "WV", "Preis"})
        erwartet.append(QStringLiteral("<TD bgcolor=white FontColor=black><b>%1</b></TD>").arg(QLatin1String(kopf)));
    erwartet << "</tr>"
             << "<tr>" << zelle.arg("20%", "Mondklinge der Tiefe") << zelle.arg("20%", "Schwerter")
             << zelle.arg("10%", "1W6+5") << zelle.arg("7%", "KK-14") << zelle.arg("9%", "85 Unzen")
             << zelle.arg("9%", "90") << zelle.arg("5%", "1 ") << zelle.arg("6%", "4/2")
             << zelle.arg("16%", "1234 Dukaten") << "</tr>"
             << "</table>"
             << "</BR>"
             << "Die Waffe wurde von Zyklopen gefertigt.</BR>"
             << "Die Waffe wurde aus Zwergenstahl gefertigt.</BR>"
             << "<B>Beschreibung: </B> Schmal &amp; leicht</BR>"
             << "</BR>"
             << "</BR>"
             << "<B>Spezieller Bonus der Zyklopenwaffe: </B> BF -5</BR>"
             << "<B>Spezieller Malus der Zyklopenwaffe: </B> Die Waffe muss alle 4 Monate in Lava getaucht werden, "
                "ansonsten verrostet sie</BR>"
             << "</BR>"
             << "</BR>"
             << "Es handelt sich um eine einzigartige Waffe.</BR>"
             << "Die Waffe darf nur von Privilegierten geführt werden.</BR>"
             << "Die Waffe muss zweihändig geführt werden.</BR>"
             << "</BR>"
             << "</BR>"
             << "<B>Dauer der Herstellung: </B> 43 Tage</BR>"
             << "<B>Schwäche der Waffe: </B> Bricht bei Frost</BR>"
             << "<B>Stark gegen einen best. Gegner: </B> Stark gegen Schilde</BR>";
    QCOMPARE(puffer.data(), (erwartet.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
}

void TestArmoryForge::berichtOhneZyklopenUndMitMagischemStahl()
{
    Schmiede s = Waffe();
    Zufall::Skript wuerfe;
    QStringList zeilen = Seite(s, 20, QStringLiteral("100"));
    QVERIFY(zeilen.contains(QStringLiteral("Die Waffe wurde aus gewöhnlichem Stahl gefertigt.</BR>")));
    QVERIFY(!zeilen.contains(QStringLiteral("Die Waffe ist magisch.</BR>")));
    QVERIFY(!zeilen.join(QString()).contains(QStringLiteral("Zyklop")));

    s.Stahl = StahlIndex(QStringLiteral("Titanium"));
    zeilen = Seite(s, 60, QStringLiteral("3000"));
    QVERIFY(zeilen.contains(QStringLiteral("Die Waffe wurde aus Titanium gefertigt.</BR>")));
    QVERIFY(zeilen.contains(QStringLiteral("Die Waffe ist magisch.</BR>")));
    QVERIFY(zeilen.contains(QStringLiteral("<td width=\"6%\"><small><font face=\"Arial\">5/4</font></small></td>")));
    QVERIFY(zeilen.contains(QStringLiteral("<td width=\"9%\"><small><font face=\"Arial\">80 Unzen</font></small></td>")));
    QVERIFY(zeilen.contains(QStringLiteral("<B>Dauer der Herstellung: </B> 60 Tage</BR>")));
    QVERIFY(wuerfe.Angefragt().isEmpty());
}

void TestArmoryForge::zyklopenBonusUndMalus_data()
{
    QTest::addColumn<QList<int>>("wuerfe");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("malus");
    const QString lava = QStringLiteral("Die Waffe muss alle %1 Monate in Lava getaucht werden, ansonsten verrostet sie");
    const QString salz = QStringLiteral("Die Waffe verliert alle Boni wenn sie in Salzwasser fällt");
    const QString geister = QStringLiteral("In der Waffe nisten sich mit Vorliebe Mindergeister von Erz oder Feuer ein, "
                                           "die dann das Gewicht berächtlich erhöhen oder das Zyklopenwerk in den "
                                           "ungünstigsten Momenten glutheiß werden lassen");
    const QString keine = QStringLiteral("Keine Nebenwirkungen");
    const QString patzer = QStringLiteral("Modifikation der Patzertablle; 2: BF+3 (Waffe nicht zerstört)");
    QTest::newRow("1/1") << QList<int>{1, 6, 1} << "BF -6" << keine;
    QTest::newRow("4/8") << QList<int>{4, 1, 8} << "BF -1" << keine;
    QTest::newRow("5/9") << QList<int>{5, 9, 2} << patzer << lava.arg(2);
    QTest::newRow("6/10") << QList<int>{6, 10, 6} << patzer << lava.arg(6);
    QTest::newRow("7/11") << QList<int>{7, 11} << "TP +1" << salz;
    QTest::newRow("9/15") << QList<int>{9, 15} << "TP +1" << salz;
    QTest::newRow("10/16") << QList<int>{10, 16} << "TP +2" << geister;
    QTest::newRow("12/20") << QList<int>{12, 20} << "TP +2" << geister;
    QTest::newRow("13") << QList<int>{13, 1} << "KK-Zuschlag wird um eins verringert" << keine;
    QTest::newRow("14") << QList<int>{14, 1} << "KK-Zuschlag wird um eins verringert" << keine;
    QTest::newRow("15") << QList<int>{15, 1} << "WV 0/+1" << keine;
    QTest::newRow("16") << QList<int>{16, 1} << "WV 0/+1" << keine;
    QTest::newRow("17") << QList<int>{17, 1} << "WV +1/+1" << keine;
    QTest::newRow("18") << QList<int>{18, 1} << "WV +1/+2" << keine;
    QTest::newRow("19") << QList<int>{19, 1}
                        << "RS des Gegners ist um 1 niedriger, wenn Rüstung aus dem gleichen Material" << keine;
    QTest::newRow("20") << QList<int>{20, 1}
                        << "Bei BF-Probe Malus von 1W6 auf Waffe des Gegners (Zuschlag zum BF der Waffe nur für die Probe"
                        << keine;
}

void TestArmoryForge::zyklopenBonusUndMalus()
{
    QFETCH(QList<int>, wuerfe);
    QFETCH(QString, bonus);
    QFETCH(QString, malus);
    Schmiede s = Waffe();
    s.Zyklop = true;
    Zufall::Skript skript(wuerfe);
    const QStringList zeilen = Seite(s, 20, QStringLiteral("1500"));
    QVERIFY(zeilen.contains(QStringLiteral("<B>Spezieller Bonus der Zyklopenwaffe: </B> ") + bonus + QStringLiteral("</BR>")));
    QVERIFY(zeilen.contains(QStringLiteral("<B>Spezieller Malus der Zyklopenwaffe: </B> ") + malus + QStringLiteral("</BR>")));
    QCOMPARE(skript.Uebrig(), 0);
    QVERIFY(skript.Fehler().isEmpty());
}

QTEST_GUILESS_MAIN(TestArmoryForge)
#include "test_armory_forge.moc"
