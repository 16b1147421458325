// Exchange files (round trips and refusals) and the detail and list pages, byte for byte.
#include "ArmoryAustausch.h"
#include "ArmoryHTML.h"
#include "ArmoryTestHilfe.h"
#include "TestInstallation.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

using namespace Waffentabellen;
using namespace ArmoryTest;

namespace {

const QString kZelle = QStringLiteral("<td width=\"%1\"><small><font face=\"Arial\">%2</font></small></td>");
const QString kTabelle = QStringLiteral("<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" "
                                        "bordercolorlight=\"#FFFFFF\" bordercolordark=\"#C0C0C0\">");

QStringList Kopf(const QString& titel)
{
    return {"<html>", "<head>", "<title>" + titel + "</title>", "</head>"};
}

QStringList Kopfzeile(const QStringList& zellen)
{
    QStringList zeilen{"<tr>"};
    for (const QString& z : zellen)
        zeilen.append(QStringLiteral("<TD bgcolor=white FontColor=black><b>%1</b></TD>").arg(z));
    zeilen.append("</tr>");
    return zeilen;
}

QStringList Datenzeile(const QStringList& breiten, const QStringList& texte)
{
    QStringList zeilen{"<tr>"};
    for (int i = 0; i < breiten.size(); ++i)
        zeilen.append(kZelle.arg(breiten[i], texte[i]));
    zeilen.append("</tr>");
    return zeilen;
}

QByteArray Bytes(const QStringList& zeilen)
{
    return (zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

QByteArray Detailseite(Tabelle t, const QStringList& zeile)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ArmoryHTML::DetailSeiteSchreiben(t, zeile, puffer);
    return puffer.data();
}

const QStringList kNahBreiten{"20%", "20%", "10%", "7%", "9%", "9%", "5%", "6%", "16%"};
const QStringList kNahKopf{"Name", "Typ", "TP", "TP+", "Gew.", "Lg.", "BF", "WV", "Preis"};

} // namespace

class TestArmorySeiten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exportUndImportErgebenDenselbenEintrag_data();
    void exportUndImportErgebenDenselbenEintrag();
    void exportDateiZeilen();
    void fremdeOderKaputteDateienWerdenAbgelehnt_data();
    void fremdeOderKaputteDateienWerdenAbgelehnt();
    void fehlendeDateiWirdGemeldet();
    void utf8DateiWirdAlsUtf8Gelesen();
    void detailseiteOhneFlagsUndTexte();
    void detailseiteNahkampfMitAllem();
    void detailseiteFernkampf();
    void detailseiteRuestung_data();
    void detailseiteRuestung();
    void markupZeichenWerdenMaskiert();
    void listenseiteInDerGegebenenReihenfolge();
    void seitenDateienWerdenGeschrieben();
};

void TestArmorySeiten::exportUndImportErgebenDenselbenEintrag_data()
{
    QTest::addColumn<int>("tabelle");
    QTest::addColumn<QStringList>("zeile");
    QStringList nah = Nahkampfwaffe(QStringLiteral("Säbel"));
    nah[4] = QStringLiteral("Zwei\nZeilen");
    QTest::newRow("Nahkampf") << int(Tabelle::NWaffen) << nah;
    QTest::newRow("Fernkampf") << int(Tabelle::FWaffen) << Fernwaffe(QStringLiteral("Bogen"));
    QTest::newRow("Rüstung") << int(Tabelle::Armor) << Ruestung(QStringLiteral("Brünne"));
}

void TestArmorySeiten::exportUndImportErgebenDenselbenEintrag()
{
    QFETCH(int, tabelle);
    QFETCH(QStringList, zeile);
    TestInstallation installation;
    const QString pfad = installation.Pfad(QStringLiteral("WBD/eintrag.wbd"));
    zeile[0] = QStringLiteral("3");
    QVERIFY(ArmoryAustausch::Exportieren(Tabelle(tabelle), zeile, pfad));
    QCOMPARE(installation.Zeilen(QStringLiteral("WBD/eintrag.wbd")).size(), Feldanzahl(Tabelle(tabelle)));

    const auto eintrag = ArmoryAustausch::Lesen(pfad);
    QVERIFY(eintrag.has_value());
    QCOMPARE(int(eintrag->Art), tabelle);
    QCOMPARE(eintrag->Felder.mid(1), zeile.mid(1));
    QVERIFY(eintrag->Felder[0].isEmpty());

    // Imported into a table it becomes a new record with the next row number.
    Waffentabelle t;
    t.Art = Tabelle(tabelle);
    const QStringList vorhanden = tabelle == int(Tabelle::NWaffen) ? Nahkampfwaffe(QStringLiteral("Alt"))
        : tabelle == int(Tabelle::FWaffen)                         ? Fernwaffe(QStringLiteral("Alt"))
                                                                   : Ruestung(QStringLiteral("Alt"));
    ZeileAnhaengen(t, vorhanden);
    const int neu = ZeileAnhaengen(t, eintrag->Felder);
    QCOMPARE(neu, 1);
    QCOMPARE(t.Zeilen[1][0], QStringLiteral("1"));
    QCOMPARE(t.Zeilen[1].mid(1), zeile.mid(1));
}

void TestArmorySeiten::exportDateiZeilen()
{
    TestInstallation installation;
    const QString pfad = installation.Pfad(QStringLiteral("WBD/ruestung.wbd"));
    QStringList r = Ruestung(QStringLiteral("Helm"));
    r[19] = QStringLiteral("BO|SÜ|");
    QVERIFY(ArmoryAustausch::Exportieren(Tabelle::Armor, r, pfad));
    QStringList erwartet{QStringLiteral("Waffkam 3 - Rüstung")};
    erwartet.append(r.mid(1));
    QCOMPARE(installation.Bytes(QStringLiteral("WBD/ruestung.wbd")), Bytes(erwartet));
    QCOMPARE(ArmoryAustausch::Kennzeile(Tabelle::NWaffen), QStringLiteral("Waffkam 3 - Nahkampfwaffe"));
    QCOMPARE(ArmoryAustausch::Kennzeile(Tabelle::FWaffen), QStringLiteral("Waffkam 3 - Fernwaffe"));
}

void TestArmorySeiten::fremdeOderKaputteDateienWerdenAbgelehnt_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QStringList ganz{QStringLiteral("Waffkam 3 - Nahkampfwaffe")};
    ganz.append(Nahkampfwaffe(QStringLiteral("X")).mid(1));
    ganz[28] = QStringLiteral("NO|");
    QStringList blank = ganz;
    blank[0] += QLatin1Char(' ');
    QStringList klein = ganz;
    klein[0] = klein[0].toLower();
    QTest::newRow("Kennzeile mit Blank") << Bytes(blank);
    QTest::newRow("Kennzeile klein") << Bytes(klein);
    QTest::newRow("eine Zeile zu kurz") << Bytes(ganz.mid(0, 28));
    QTest::newRow("nur Kennzeile") << Bytes(ganz.mid(0, 1));
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("Stadtdatei") << QByteArray("Ortsbau 3\r\nHafenstadt\r\n");
    QTest::newRow("Binärdatei") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10);
}

void TestArmorySeiten::fremdeOderKaputteDateienWerdenAbgelehnt()
{
    QFETCH(QByteArray, inhalt);
    TestInstallation installation;
    installation.Schreiben(QStringLiteral("WBD/x.wbd"), inhalt);
    QString fehler;
    QVERIFY(!ArmoryAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/x.wbd")), &fehler).has_value());
    QCOMPARE(fehler, QStringLiteral("Diese Datei wurde nicht mit Waffkam 3 erstellt oder sie ist beschädigt."));
}

void TestArmorySeiten::utf8DateiWirdAlsUtf8Gelesen()
{
    // An exchange file saved by a text editor as UTF-8, with and without BOM.
    TestInstallation installation;
    QStringList ruestung{QStringLiteral("Waffkam 3 - Rüstung")};
    ruestung.append(Ruestung(QStringLiteral("Schuppenpanzer aus Bärenleder")).mid(1));
    ruestung[3] = QStringLiteral("Für „Kälte“ gemacht");
    const QByteArray utf8 = ruestung.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
        installation.Schreiben(QStringLiteral("WBD/utf8.wbd"), bytes);
        const auto eintrag = ArmoryAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/utf8.wbd")));
        QVERIFY(eintrag.has_value());
        QCOMPARE(eintrag->Art, Tabelle::Armor);
        QCOMPARE(eintrag->Felder[1], QStringLiteral("Schuppenpanzer aus Bärenleder"));
        QCOMPARE(eintrag->Felder[3], QStringLiteral("Für „Kälte“ gemacht"));
    }
}

void TestArmorySeiten::fehlendeDateiWirdGemeldet()
{
    TestInstallation installation;
    QString fehler;
    QVERIFY(!ArmoryAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/fehlt.wbd")), &fehler).has_value());
    QVERIFY(fehler.contains(QStringLiteral("fehlt.wbd")));
    // Extra lines after a whole record are ignored.
    QStringList lang{QStringLiteral("Waffkam 3 - Fernwaffe")};
    lang.append(Fernwaffe(QStringLiteral("Schleuder")).mid(1));
    lang.append(QStringLiteral("Rest"));
    installation.Schreiben(QStringLiteral("WBD/lang.wbd"), Bytes(lang));
    const auto eintrag = ArmoryAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/lang.wbd")));
    QVERIFY(eintrag.has_value());
    QCOMPARE(eintrag->Felder.size(), 23);
    QCOMPARE(eintrag->Felder[22], QStringLiteral("WE|"));
}

void TestArmorySeiten::detailseiteOhneFlagsUndTexte()
{
    const QStringList w = Nahkampfwaffe(QStringLiteral("Knüppel"));
    QStringList erwartet = Kopf(QStringLiteral("Knüppel - Waffkam 3"));
    erwartet << "<H1>Knüppel</H1>" << kTabelle;
    erwartet << Kopfzeile(kNahKopf)
             << Datenzeile(kNahBreiten, {"Knüppel", "Schwerter", "1W6+4", "KK-14", "80 Unzen", "90", "3", "4 / 2",
                                         "100 Dukaten"})
             << "</table>"
             << "</BR>"
             << "</BR>"
             << "</BR>";
    QCOMPARE(Detailseite(Tabelle::NWaffen, w), Bytes(erwartet));
}

void TestArmorySeiten::detailseiteNahkampfMitAllem()
{
    QStringList w = Nahkampfwaffe(QStringLiteral("Prunkaxt"));
    w[4] = QStringLiteral("Mit Silber beschlagen.");
    w[12] = QStringLiteral("Nur in Zunfthäusern");
    w[13] = QStringLiteral("Schwer");
    w[14] = QStringLiteral("Gepanzerte");
    w[15] = QStringLiteral("Holzschilde");
    for (int f = 16; f <= 24; ++f)
        w[f] = QStringLiteral("1");
    w[18] = QStringLiteral("0");
    QStringList erwartet = Kopf(QStringLiteral("Prunkaxt - Waffkam 3"));
    erwartet << "<H1>Prunkaxt</H1>" << kTabelle << Kopfzeile(kNahKopf)
             << Datenzeile(kNahBreiten, {"Prunkaxt", "Schwerter", "1W6+4", "KK-14", "80 Unzen", "90", "3", "4 / 2",
                                         "100 Dukaten"})
             << "</table>"
             << "</BR>"
             << "<B>Beschreibung: </B> Mit Silber beschlagen.</BR>"
             << "</BR>"
             << "</BR>"
             << "Es handelt sich um eine einzigartige Waffe.</BR>"
             << "Die Waffe darf nur von Privilegierten geführt werden.</BR>"
             << "Es handelt sich um eine rituelle bzw. religiöse Waffe.</BR>"
             << "Die Waffe ist nur für Zwerge geeignet.</BR>"
             << "Die Waffe kann nicht von Zwergen geführt werden.</BR>"
             << "Die Waffe muss zweihändig geführt werden.</BR>"
             << "Es handelt sich um eine illegale bzw. verbotene Waffe.</BR>"
             << "</BR>"
             << "</BR>"
             << "<B>Handelstechnische Eigenschaften: </B> Nur in Zunfthäusern</BR>"
             << "</BR>"
             << "<B>Schwäche der Waffe: </B> Schwer</BR>"
             << "<B>Schwach gegen einen best. Gegner: </B> Gepanzerte</BR>"
             << "<B>Stark gegen einen best. Gegner: </B> Holzschilde</BR>";
    QCOMPARE(Detailseite(Tabelle::NWaffen, w), Bytes(erwartet));
}

void TestArmorySeiten::detailseiteFernkampf()
{
    QStringList w = Fernwaffe(QStringLiteral("Langbogen"));
    w[16] = QStringLiteral("1");
    w[18] = QStringLiteral("1");
    w[12] = QStringLiteral("Reiter");
    QStringList erwartet = Kopf(QStringLiteral("Langbogen - Waffkam 3"));
    erwartet << "<H1>Langbogen</H1>" << kTabelle
             << Kopfzeile({"Name", "Typ", "TP", "Reichweitenmod.", "Reichweite", "Gewicht", "Preis"})
             << Datenzeile({"25%", "15%", "10%", "10%", "10%", "15%", "15%"},
                           {"Langbogen", "Schusswaffe", "1W6+3", "-1", "80", "60 Unzen", "45 Silbertaler"})
             << "</table>"
             << "</BR>"
             << "Die Waffe ist magisch.</BR>"
             << "Es handelt sich um eine illegale bzw. verbotene Waffe.</BR>"
             << "</BR>"
             << "</BR>"
             << "<B>Schwach gegen einen best. Gegner: </B> Reiter</BR>";
    QCOMPARE(Detailseite(Tabelle::FWaffen, w), Bytes(erwartet));
}

void TestArmorySeiten::detailseiteRuestung_data()
{
    QTest::addColumn<QString>("handel");
    QTest::addColumn<QStringList>("schluss");
    QTest::newRow("ohne Handelstext endet nach den Eigenschaften")
        << QString() << QStringList{"Die Rüstung kann nicht von Zwergen getragen werden.</BR>"};
    QTest::newRow("mit Handelstext")
        << QStringLiteral("Selten")
        << QStringList{"Die Rüstung kann nicht von Zwergen getragen werden.</BR>", "</BR>", "</BR>",
                       "<B>Handelstechnische Eigenschaften: </B> Selten</BR>"};
}

void TestArmorySeiten::detailseiteRuestung()
{
    QFETCH(QString, handel);
    QFETCH(QStringList, schluss);
    QStringList r = Ruestung(QStringLiteral("Plattenpanzer"));
    r[10] = handel;
    r[15] = QStringLiteral("1");
    r[16] = QStringLiteral("1"); // indestructible gives no line
    QStringList erwartet = Kopf(QStringLiteral("Plattenpanzer - Waffkam 3"));
    erwartet << "<H1>Plattenpanzer</H1>" << kTabelle << Kopfzeile({"Name", "Typ", "RS", "BE", "WV", "BF", "Gewicht", "Preis"})
             << Datenzeile({"22%", "22%", "10%", "10%", "10%", "10%", "10%", "10%"},
                           {"Plattenpanzer", "Rüstung", "3", "2", "0 / -1", "2", "240 Unzen", "80 Dukaten"})
             << "</table>"
             << "</BR>" << schluss;
    QCOMPARE(Detailseite(Tabelle::Armor, r), Bytes(erwartet));
}

void TestArmorySeiten::markupZeichenWerdenMaskiert()
{
    QStringList w = Nahkampfwaffe(QStringLiteral("<Klinge> & \"Co\""));
    w[4] = QStringLiteral("a<b");
    const QString seite = QString::fromLatin1(Detailseite(Tabelle::NWaffen, w));
    QVERIFY(seite.contains(QStringLiteral("<title>&lt;Klinge&gt; &amp; &quot;Co&quot; - Waffkam 3</title>")));
    QVERIFY(seite.contains(QStringLiteral("<H1>&lt;Klinge&gt; &amp; &quot;Co&quot;</H1>")));
    QVERIFY(seite.contains(QStringLiteral("<B>Beschreibung: </B> a&lt;b</BR>")));
    QVERIFY(!seite.contains(QStringLiteral("<Klinge>")));
}

void TestArmorySeiten::listenseiteInDerGegebenenReihenfolge()
{
    const QList<QStringList> spalten{{"Zwei", "Helm", "1", "1", "0 / 0", "2", "40 Unzen", "9 Dukaten"},
                                     {"Eins", "Schild", "0", "1", "0 / 3", "3", "160 Unzen", "20 Dukaten"}};
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    ArmoryHTML::ListenSeiteSchreiben(Tabelle::Armor, spalten, puffer);
    const QStringList breiten{"22%", "22%", "10%", "10%", "10%", "10%", "10%", "10%"};
    QStringList erwartet = Kopf(QStringLiteral("Liste aller Rüstungen"));
    erwartet << kTabelle << Kopfzeile({"Name", "Typ", "RS", "BE", "WV", "BF", "Gewicht", "Preis"})
             << Datenzeile(breiten, spalten[0]) << Datenzeile(breiten, spalten[1]) << "</table>";
    QCOMPARE(puffer.data(), Bytes(erwartet));

    QBuffer nah;
    nah.open(QIODevice::WriteOnly);
    ArmoryHTML::ListenSeiteSchreiben(Tabelle::NWaffen, {}, nah);
    QVERIFY(nah.data().startsWith(Bytes(Kopf(QStringLiteral("Liste aller Nahkampfwaffen")))));
    QBuffer fern;
    fern.open(QIODevice::WriteOnly);
    ArmoryHTML::ListenSeiteSchreiben(Tabelle::FWaffen, {}, fern);
    QVERIFY(fern.data().startsWith(Bytes(Kopf(QStringLiteral("Liste aller Fernwaffen")))));
}

void TestArmorySeiten::seitenDateienWerdenGeschrieben()
{
    TestInstallation installation;
    QVERIFY(QDir(installation.Pfad(QStringLiteral("Temp"))).removeRecursively());
    const QString temp = ArmoryHTML::TempSeite();
    QCOMPARE(temp, installation.Pfad(QStringLiteral("Temp/Temp.html")));
    const QStringList w = Nahkampfwaffe(QStringLiteral("Dolch"));
    QVERIFY(ArmoryHTML::DetailSeiteSpeichern(Tabelle::NWaffen, w, temp));
    QCOMPARE(installation.Bytes(QStringLiteral("Temp/Temp.html")), Detailseite(Tabelle::NWaffen, w));
    QString fehler;
    QVERIFY(!ArmoryHTML::ListenSeiteSpeichern(Tabelle::NWaffen, {}, installation.Pfad(QStringLiteral("fehlt/x.html")), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("x.html")));
}

QTEST_GUILESS_MAIN(TestArmorySeiten)
#include "test_armory_seiten.moc"
