// The detail page byte for byte, and the exchange files: round trips and refusals.
#include "CreaturesAustausch.h"
#include "CreaturesHTML.h"
#include "CreaturesTestHilfe.h"
#include "Kreaturentabelle.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace Kreaturentabellen;
using CreaturesTest::Kreatur;

namespace {

const QString kNbsp5 = QStringLiteral("&nbsp;").repeated(5);

QStringList Seite(const QStringList& zeile)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    CreaturesHTML::DetailseiteSchreiben(zeile, puffer);
    QStringList zeilen = Zeilendatei::AusCodepage(puffer.data()).split(QStringLiteral("\r\n"));
    if (zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

QString Zelle(const QString& text, const QString& breite)
{
    return QStringLiteral("<td width=\"%1\"><small><font face=\"Arial\">%2</font></small></td>").arg(breite, text);
}

QStringList Tabellenkopf()
{
    QStringList z{QStringLiteral("<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" "
                                 "bordercolorlight=\"#FFFFFF\" bordercolordark=\"#C0C0C0\">"),
                  QStringLiteral("<tr>")};
    for (const char* k : {"Name", "MU", "AT", "PA", "LE", "RS", "TP", "GS", "AU", "MR", "MK"})
        z.append(QStringLiteral("<TD bgcolor=white FontColor=black><b>%1</b></TD>").arg(QLatin1String(k)));
    z.append(QStringLiteral("</tr>"));
    return z;
}

// A row for weapons 2 to 4: blanks but the attack value and the damage.
QStringList Waffenzeile(const QString& at, const QString& schaden)
{
    const QString blank = Zelle(QStringLiteral(" "), QStringLiteral("6%"));
    return {QStringLiteral("<tr>"), blank, blank, Zelle(at, QStringLiteral("6%")), blank, blank, blank,
            Zelle(schaden, QStringLiteral("23%")), blank, blank, blank, blank, QStringLiteral("</tr>")};
}

QStringList ErsteZeile(const QStringList& werte)
{
    QStringList z{QStringLiteral("<tr>"), Zelle(werte[0], QStringLiteral("23%"))};
    for (int i = 1; i <= 5; ++i)
        z.append(Zelle(werte[i], QStringLiteral("6%")));
    z.append(Zelle(werte[6], QStringLiteral("23%")));
    for (int i = 7; i <= 10; ++i)
        z.append(Zelle(werte[i], QStringLiteral("6%")));
    z.append(QStringLiteral("</tr>"));
    return z;
}

} // namespace

class TestCreaturesSeiten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void detailseiteVollstaendig();
    void detailseiteOhneAngaben();
    void detailseiteMaskiertWerte();
    void detailseiteInDatei();

    void exportiertGenau58Zeilen();
    void exportUndImportGebenGleicheFelder();
    void exportDasWieUtf8Aussieht();
    void abgelehnteDateien_data();
    void abgelehnteDateien();
    void fehlendeOderUnlesbareDatei();
    void zeilenNachDer58tenWerdenIgnoriert();
    void utf8UndAndereZeilenenden_data();
    void utf8UndAndereZeilenenden();
};

void TestCreaturesSeiten::detailseiteVollstaendig()
{
    QStringList z = Kreatur(QStringLiteral("Grauwolf"));
    z[FeldBeschreibung] = QStringLiteral("Ein Jäger\nder Wälder");
    z[18] = QStringLiteral("Kralle");
    z[19] = QStringLiteral("2");
    z[20] = QStringLiteral("1");
    z[21] = QStringLiteral("9");
    z[56] = QStringLiteral("2");
    z[22] = QStringLiteral("Schwanz");
    z[23] = QStringLiteral("3");
    z[25] = QStringLiteral("7");
    z[57] = QStringLiteral("6");
    z[34] = QStringLiteral("1");
    z[43] = QStringLiteral("1");
    z[48] = QStringLiteral("1");
    z[33] = QStringLiteral("Fell & Zähne");

    QStringList erwartet{"<html>", "<head>", "<title>Grauwolf - Bestiar 3</title>", "</head>", "<H1>Grauwolf</H1>"};
    erwartet << Tabellenkopf()
             << ErsteZeile({"Grauwolf", "10", "12", "8", "20", "1", "Biss   1W6+2", "10", "30", "2", "4"})
             << Waffenzeile("9", "Kralle" + kNbsp5 + "2W4+1" + kNbsp5)
             << Waffenzeile("7", "Schwanz" + kNbsp5 + "3SP" + kNbsp5) << "</table>" << "</BR>";
    erwartet << "<B>Grösse: </B> 1 Schritt</BR>" << "<B>GS: </B> 10</BR>" << "<B>KK: </B> 12</BR>"
             << "<B>AU: </B> 30</BR>" << "<B>KL: </B> 3</BR>" << "</BR>";
    erwartet << "<B>Beschreibung: </B> Ein Jäger<BR>der Wälder</BR>" << "</BR>" << "</BR>";
    erwartet << "Die Kreatur lebt auf dem Land.</BR>" << "<B>Regionen, in denen die Kreatur vorkommt: </B> Wälder</BR>"
             << "<B>Häufigkeit: </B> Häufig</BR>" << "</BR>" << "</BR>";
    erwartet << " Die Kreatur ist Untot</BR>" << " Die Kreatur kann fliegen</BR>" << "</BR>" << "</BR>"
             << "<B>Verwertbare Dinge: </B> Fell &amp; Zähne</BR>";
    QCOMPARE(Seite(z), erwartet);
}

void TestCreaturesSeiten::detailseiteOhneAngaben()
{
    // No description, body values, kinds, abilities or equipment: after the table one line break, one empty
    // line, the two lines always written, and four empty lines.
    QStringList z(Feldanzahl);
    z[FeldName] = QStringLiteral("Schemen");
    const QStringList seite = Seite(z);
    const qsizetype ende = seite.indexOf(QStringLiteral("</table>"));
    QVERIFY(ende > 0);
    QCOMPARE(seite.mid(ende + 1), (QStringList{"</BR>", "</BR>", "<B>Regionen, in denen die Kreatur vorkommt: </B> </BR>",
                                               "<B>Häufigkeit: </B> </BR>", "</BR>", "</BR>", "</BR>", "</BR>"}));
    // The first row is the list's, with an empty TP column; no row for further weapons.
    QCOMPARE(seite.mid(ende - 13, 13), ErsteZeile({"Schemen", "", "", "", "", "", "", "", "", "", ""}));
    // A weapon 3 row appears with weapon 1 and 3 named.
    z[FeldWaffe] = QStringLiteral("Biss");
    z[18] = QStringLiteral("Stachel");
    z[56] = QStringLiteral("-1");
    const QStringList mitWaffe = Seite(z);
    QCOMPARE(mitWaffe.count(QStringLiteral("<tr>")), 3);
    QVERIFY(mitWaffe.contains(Zelle("Stachel" + kNbsp5 + "+" + kNbsp5, "23%")));
}

void TestCreaturesSeiten::detailseiteMaskiertWerte()
{
    QStringList z = Kreatur(QStringLiteral("<Wolf> & \"Co\""));
    z[FeldWaffe] = QStringLiteral("<b>Biss</b>");
    z[3] = QStringLiteral("Wald & Heide");
    const QString seite = Seite(z).join(QLatin1Char('\n'));
    QVERIFY(seite.contains(QStringLiteral("<title>&lt;Wolf&gt; &amp; &quot;Co&quot; - Bestiar 3</title>")));
    QVERIFY(seite.contains(QStringLiteral("<H1>&lt;Wolf&gt; &amp; &quot;Co&quot;</H1>")));
    QVERIFY(seite.contains(QStringLiteral("&lt;b&gt;Biss&lt;/b&gt;   1W6+2")));
    QVERIFY(seite.contains(QStringLiteral("Wald &amp; Heide</BR>")));
    QVERIFY(!seite.contains(QStringLiteral("<b>Biss")));
}

void TestCreaturesSeiten::detailseiteInDatei()
{
    TestInstallation installation;
    const QStringList z = Kreatur(QStringLiteral("Bär"));
    QString fehler;
    QVERIFY2(CreaturesHTML::DetailseiteSpeichern(z, installation.Pfad(QStringLiteral("HTML/baer.html")), &fehler),
             qPrintable(fehler));
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    CreaturesHTML::DetailseiteSchreiben(z, puffer);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/baer.html")), puffer.data());
    QVERIFY(puffer.data().contains("<title>B\xE4r - Bestiar 3</title>\r\n"));
    QVERIFY(!CreaturesHTML::DetailseiteSpeichern(z, installation.Pfad(QStringLiteral("Fehlt/baer.html")), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("baer.html")));
    QCOMPARE(CreaturesHTML::TempSeite(), installation.Pfad(QStringLiteral("Temp/Temp.html")));
}

void TestCreaturesSeiten::exportiertGenau58Zeilen()
{
    TestInstallation installation;
    QStringList z = Kreatur(QStringLiteral("Wolf"));
    z[0] = QStringLiteral("12");
    const QString pfad = installation.Pfad(QStringLiteral("WBD/wolf.wbd"));
    QVERIFY(CreaturesAustausch::Exportieren(z, pfad));
    const QStringList zeilen = installation.Zeilen(QStringLiteral("WBD/wolf.wbd"));
    QCOMPARE(zeilen.size(), 58);
    QCOMPARE(zeilen.first(), QStringLiteral("Bestiar 3"));
    QCOMPARE(zeilen.mid(1), z.mid(1));
    const QByteArray bytes = installation.Bytes(QStringLiteral("WBD/wolf.wbd"));
    QVERIFY(bytes.startsWith("Bestiar 3\r\nWolf\r\n"));
    QVERIFY(bytes.endsWith("\r\n-1\r\n-1\r\n-1\r\n"));
    QCOMPARE(bytes.count("\r\n"), 58);
    QString fehler;
    QVERIFY(!CreaturesAustausch::Exportieren(z, installation.Pfad(QStringLiteral("Fehlt/wolf.wbd")), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("wolf.wbd")));
}

void TestCreaturesSeiten::exportUndImportGebenGleicheFelder()
{
    TestInstallation installation;
    Kreaturentabelle tabelle;
    Laden(tabelle);
    for (int i = 0; i < tabelle.Anzahl(); ++i) {
        const QString pfad = installation.Pfad(QStringLiteral("WBD/k.wbd"));
        QVERIFY(CreaturesAustausch::Exportieren(tabelle.Zeilen[i], pfad));
        const auto felder = CreaturesAustausch::Lesen(pfad);
        QVERIFY(felder);
        QCOMPARE(felder->size(), Feldanzahl);
        QVERIFY((*felder)[0].isEmpty());
        QCOMPARE(felder->mid(1), tabelle.Zeilen[i].mid(1));
    }
}

void TestCreaturesSeiten::exportDasWieUtf8Aussieht()
{
    // "Ã¤" in Windows-1252 is the UTF-8 of "ä"; the export must still read back as written.
    TestInstallation installation;
    QStringList z = Kreatur(QStringLiteral("KÃ¤fer"));
    z[FeldBeschreibung] = QStringLiteral("Klein");
    z[3] = QStringLiteral("Waelder");
    z[FeldHaeufigkeit] = QStringLiteral("Selten");
    const QString pfad = installation.Pfad(QStringLiteral("WBD/kaefer.wbd"));
    QVERIFY(CreaturesAustausch::Exportieren(z, pfad));
    const QByteArray bytes = installation.Bytes(QStringLiteral("WBD/kaefer.wbd"));
    QVERIFY(bytes.startsWith("Bestiar 3\r\nK&#195;&#164;fer\r\n"));
    const auto felder = CreaturesAustausch::Lesen(pfad);
    QVERIFY(felder);
    QCOMPARE(felder->mid(1), z.mid(1));
    // An ordinary export keeps its umlauts as single bytes.
    z[FeldName] = QStringLiteral("Käfer");
    QVERIFY(CreaturesAustausch::Exportieren(z, pfad));
    QVERIFY(installation.Bytes(QStringLiteral("WBD/kaefer.wbd")).startsWith("Bestiar 3\r\nK\xE4" "fer\r\n"));
    QCOMPARE(CreaturesAustausch::Lesen(pfad)->mid(1), z.mid(1));
}

void TestCreaturesSeiten::abgelehnteDateien_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QByteArray ganz = "Bestiar 3\r\n";
    for (int i = 1; i < 58; ++i)
        ganz += "x\r\n";
    QByteArray kurz = "Bestiar 3\r\n";
    for (int i = 1; i < 57; ++i)
        kurz += "x\r\n";
    QByteArray blank = ganz;
    blank.replace(0, 9, "Bestiar 3 ");
    QTest::newRow("Magie mit Blank") << blank;
    QTest::newRow("andere Magie") << QByteArray("Waffkam 3 - Nahkampfwaffe\r\n") + ganz.mid(11);
    QTest::newRow("kleingeschrieben") << QByteArray("bestiar 3\r\n") + ganz.mid(11);
    QTest::newRow("57 Zeilen") << kurz;
    QTest::newRow("nur Magie") << QByteArray("Bestiar 3");
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("Nullbytes") << QByteArray(4096, '\0');
}

void TestCreaturesSeiten::abgelehnteDateien()
{
    QFETCH(QByteArray, inhalt);
    TestInstallation installation;
    installation.Schreiben(QStringLiteral("WBD/fremd.wbd"), inhalt);
    QString fehler;
    QVERIFY(!CreaturesAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/fremd.wbd")), &fehler));
    QCOMPARE(fehler, QStringLiteral("Diese Datei wurde nicht mit Bestiar 3 erstellt oder sie ist beschädigt."));
}

void TestCreaturesSeiten::fehlendeOderUnlesbareDatei()
{
    TestInstallation installation;
    QString fehler;
    QVERIFY(!CreaturesAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/keine.wbd")), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("keine.wbd")));
    QVERIFY(fehler.contains(QStringLiteral("nicht vorhanden")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), installation.Pfad(QStringLiteral("WBD/null.wbd"))));
    QVERIFY(!CreaturesAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/null.wbd")), &fehler));
    QVERIFY(fehler.contains(QStringLiteral("keine gewöhnliche Datei")));
}

void TestCreaturesSeiten::zeilenNachDer58tenWerdenIgnoriert()
{
    TestInstallation installation;
    QStringList zeilen{QStringLiteral("Bestiar 3")};
    zeilen += Kreatur(QStringLiteral("Wolf")).mid(1);
    zeilen << QStringLiteral("Zeile 59") << QStringLiteral("Zeile 60");
    installation.ZeilenSchreiben(QStringLiteral("WBD/lang.wbd"), zeilen);
    const auto felder = CreaturesAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/lang.wbd")));
    QVERIFY(felder);
    QCOMPARE(felder->size(), Feldanzahl);
    QCOMPARE(felder->last(), QStringLiteral("-1"));
}

void TestCreaturesSeiten::utf8UndAndereZeilenenden_data()
{
    QTest::addColumn<QByteArray>("bom");
    QTest::addColumn<QByteArray>("ende");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBF") << QByteArray("\n") << true;
    QTest::newRow("UTF-8 ohne BOM") << QByteArray() << QByteArray("\r\n") << true;
    QTest::newRow("Windows-1252 LF") << QByteArray() << QByteArray("\n") << false;
    QTest::newRow("Windows-1252 CR") << QByteArray() << QByteArray("\r") << false;
}

void TestCreaturesSeiten::utf8UndAndereZeilenenden()
{
    QFETCH(QByteArray, bom);
    QFETCH(QByteArray, ende);
    QFETCH(bool, utf8);
    TestInstallation installation;
    QStringList zeilen{QStringLiteral("Bestiar 3")};
    QStringList z = Kreatur(QStringLiteral("Bär"));
    z[FeldBeschreibung] = QStringLiteral("Größer als ein Öchslein");
    zeilen += z.mid(1);
    QByteArray bytes = bom;
    for (const QString& zeile : zeilen)
        bytes += (utf8 ? zeile.toUtf8() : Zeilendatei::InCodepage(zeile)) + ende;
    installation.Schreiben(QStringLiteral("WBD/b.wbd"), bytes);
    const auto felder = CreaturesAustausch::Lesen(installation.Pfad(QStringLiteral("WBD/b.wbd")));
    QVERIFY(felder);
    QCOMPARE((*felder)[FeldName], QStringLiteral("Bär"));
    QCOMPARE((*felder)[FeldBeschreibung], QStringLiteral("Größer als ein Öchslein"));
    QCOMPARE(felder->mid(1), z.mid(1));
}

QTEST_GUILESS_MAIN(TestCreaturesSeiten)
#include "test_creatures_seiten.moc"
