// The day page: the travel lines of every terrain and one whole page byte for byte, percentages, the temp
// page's folder, and a page that cannot be written.
#include "DayEngine.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace DayEngine;

namespace {

QByteArray Zeilen(const QStringList& zeilen)
{
    return Zeilendatei::InCodepage(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The bytes of the page between the "Meilen pro Tag" line and the hill line.
QByteArray Reiseteil(const QByteArray& seite)
{
    const QByteArray anfang = "Die Geschwindigkeit ist in 'Meilen pro Tag' angegeben.</BR>\r\n";
    const QByteArray ende = Zeilendatei::InCodepage(QStringLiteral("Hügeliges Terrain verringert"));
    const qsizetype a = seite.indexOf(anfang);
    const qsizetype e = seite.indexOf(ende);
    if (a < 0 || e < a)
        return "(Abschnitt fehlt)";
    return seite.mid(a + anfang.size(), e - a - anfang.size());
}

QString Fuss(const QString& art, int wert)
{
    return QStringLiteral("<B>Geschwindigkeit zu Fuß (%1): </B> %2</BR>").arg(art).arg(wert);
}

QString Pferd(const QString& art, int wert)
{
    return QStringLiteral("<B>Geschwindigkeit beritten (%1): </B> %2</BR>").arg(art).arg(wert);
}

QString Hinweis(const QString& text)
{
    return QStringLiteral("<B>Zusatzinformationen: </B> ") + text + QStringLiteral("</BR>");
}

QString Zelle(const QString& text, const char* breite)
{
    return QStringLiteral("<td width=\"%1\"><small><font face=\"Arial\">%2</font></small></td>").arg(QLatin1String(breite), text);
}

} // namespace

class TestDaySeite : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void prozentVon_data();
    void prozentVon();
    void reiseinformationen_data();
    void reiseinformationen();
    void ganzeSeite();
    void seiteOhneEreignisse();
    void tempOrdnerWirdAngelegt();
    void nichtSchreibbareSeiteWirdGemeldet();
};

void TestDaySeite::prozentVon_data()
{
    QTest::addColumn<int>("prozent");
    QTest::addColumn<int>("basis");
    QTest::addColumn<int>("wert");
    QTest::newRow("22,5 zu 22") << 75 << 30 << 22;
    QTest::newRow("37,5 zu 38") << 75 << 50 << 38;
    QTest::newRow("17,5 zu 18") << 50 << 35 << 18;
    QTest::newRow("3,5 zu 4") << 10 << 35 << 4;
    QTest::newRow("26,25 zu 26") << 75 << 35 << 26;
    QTest::newRow("2,5 zu 2") << 5 << 50 << 2;
    QTest::newRow("1,5 zu 2") << 3 << 50 << 2;
    QTest::newRow("0,5 zu 0") << 1 << 50 << 0;
    QTest::newRow("110 von 30") << 110 << 30 << 33;
    QTest::newRow("110 von 50") << 110 << 50 << 55;
    QTest::newRow("80 von 50") << 80 << 50 << 40;
}

void TestDaySeite::prozentVon()
{
    QFETCH(int, prozent);
    QFETCH(int, basis);
    QFETCH(int, wert);
    QCOMPARE(ProzentVon(prozent, basis), wert);
}

void TestDaySeite::reiseinformationen_data()
{
    QTest::addColumn<QString>("gelaende");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("Eisgebiete") << "Eisgebiete"
                                << QStringList{Fuss("Leicht verschneiter, gefrorener Boden", 21),
                                               Pferd("Leicht verschneiter, gefrorener Boden", 35), Fuss("Tiefschnee", 12),
                                               Pferd("Tiefschnee", 20), Fuss("Eisflächen", 6), Pferd("Eisflächen", 10),
                                               Fuss("Gletscher", 3), Pferd("Gletscher", 5),
                                               Hinweis("Schlitten erreichen auf verschneitem Boden ihre normale "
                                                       "Geschwindigkeit.")};
    QTest::newRow("Gebirge") << "Gebirge"
                             << QStringList{Fuss("Gebirgspfade", 15), Pferd("Gebirgspfade", 18), Fuss("Hochgebirge", 3),
                                            Pferd("Hochgebirge", 4),
                                            Hinweis("Im Gebirge sind keine Eilmärsche möglich, Gipfelregionen sind sowieso "
                                                    "unpassierbar. Auch Pferde sind hier eher störend, als hilfreich, daher "
                                                    "wurde die Geschwindigkeit der Pferde modifiziert.")};
    QTest::newRow("Grasland") << "Grasland"
                              << QStringList{"<B>Geschwindigkeit zu Fuß: </B> 30 Meilen</BR>",
                                             "<B>Geschwindigkeit beritten: </B> 50 Meilen</BR>", Hinweis("Keine")};
    // 80% of 50 on foot and no mounted line, as the table has it.
    QTest::newRow("Klippengebiete") << "Klippengebiete"
                                    << QStringList{Fuss("Klippengebiet", 40),
                                                   Hinweis("Pferde können hier nicht eingesetzt werden.")};
    QTest::newRow("Regenwald") << "Regenwald"
                               << QStringList{Fuss("Dschungelpfade", 22), Pferd("Dschungelpfade", 26),
                                              Fuss("Wegloser Regenwald", 6), Pferd("Wegloser Regenwald", 7),
                                              Hinweis("Im Regenwald sind keine Eilmärsche möglich. Auch Pferde sind hier "
                                                      "eher störend, als hilfreich, daher wurde die Geschwindigkeit der "
                                                      "Pferde modifiziert.")};
    QTest::newRow("Steppe") << "Steppe"
                            << QStringList{Fuss("Offene Steppe", 27), Pferd("Offene Steppe", 45), Fuss("Dornensteppe", 22),
                                           Pferd("Dornensteppe", 38),
                                           Hinweis("Pro Tag besteht eine 5% Chance, dass an einem Wagen ein Rad bricht.")};
    QTest::newRow("Straßen") << "Straßen"
                             << QStringList{Fuss("Reichsstraße", 33), Pferd("Reichsstraße", 55), Fuss("Ebene Landstraße", 30),
                                            Pferd("Ebene Landstraße", 50), Fuss("Karrenweg", 24), Pferd("Karrenweg", 40),
                                            Hinweis("Keine")};
    QTest::newRow("Sumpf") << "Sumpf" << QStringList{};
    QTest::newRow("Wald") << "Wald"
                          << QStringList{Fuss("Waldwege und -pfade", 24), Pferd("Waldwege und -pfade", 40),
                                         Fuss("Lichter Wald", 18), Pferd("Lichter Wald", 30), Fuss("Dichter Wald", 9),
                                         Pferd("Dichter Wald", 15), Fuss("Unterholz", 6), Pferd("Unterholz", 10),
                                         Hinweis("Im dichten Wald und im Unterholz sind keine Eilmärsche möglich.")};
    QTest::newRow("Wüste") << "Wüste"
                           << QStringList{Fuss("Geröllfelder", 22), Pferd("Geröllfelder", 26), Fuss("Dünengebiete", 15),
                                          Pferd("Dünengebiete", 18), Hinweis("Treibsandfelder möglich.")};
}

void TestDaySeite::reiseinformationen()
{
    QFETCH(QString, gelaende);
    QFETCH(QStringList, zeilen);
    QVERIFY(Gelaendearten().contains(gelaende));
    Tageslauf lauf;
    lauf.Gelaende = gelaende;
    const QByteArray seite = Seite(lauf);
    QCOMPARE(Reiseteil(seite), zeilen.isEmpty() ? QByteArray() : Zeilen(zeilen));
    QCOMPARE(Reiseinformationen(gelaende).size(), zeilen.size());
}

void TestDaySeite::ganzeSeite()
{
    TestInstallation installation(false);
    const QByteArray vierte = "Ein H\xe4ndler verkauft \x84\xc4pfel\x93 f\xfcr 3 \x80.";
    installation.Schreiben(QStringLiteral("Data/Day/DayEreignisse.dat"),
                           "Ein Bauer gr\xfc\xdft.\r\nDer Weg ist verschlammt & rutschig.\r\nDrei.\r\n" + vierte + "\r\nF\xfcnf.\r\n");
    // Autumn: 8 (showers, trend -3), then 8 + 5 - 3 = 10 and 10 + 3 - 1 = 12 (morning fog); events 4, 2, 1.
    Zufall::Skript wuerfe({8, 2, 4, 5, 1, 6, 3, 6, 1, 4, 2, 1});
    const Ereignisdatei ereignisse = EreignisseLaden();
    QVERIFY(ereignisse.Meldung.isEmpty());
    const Tageslauf lauf = Berechnen(QStringLiteral("Straßen"), Jahreszeit::Herbst, ereignisse.Zeilen);
    QVERIFY2(wuerfe.Fehler().isEmpty(), qPrintable(wuerfe.Fehler().join(QLatin1Char('\n'))));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{20, 6, 6, 6, 6, 6, 6, 6, 6, 5, 4, 2}));
    const QString pfad = TempSeite();
    QCOMPARE(pfad, installation.Pfad(QStringLiteral("Temp/Temp.html")));
    QString fehler;
    QVERIFY2(SeiteSpeichern(lauf, pfad, &fehler), qPrintable(fehler));

    const QString leer = QStringLiteral("</BR>");
    const QByteArray erwartet = Zeilen({
        "<B>Geländeart: </B> Straßen</BR>",
        "<B>Jahreszeit: </B> Herbst</BR>",
        leer, leer, leer,
        "<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" bordercolorlight=\"#FFFFFF\" "
        "bordercolordark=\"#C0C0C0\">",
        "<tr>",
        "<TD bgcolor=white FontColor=black><b>Tag</b></TD>",
        "<TD bgcolor=white FontColor=black><b>Wetter</b></TD>",
        "<TD bgcolor=white FontColor=black><b>Windstärke</b></TD>",
        "<TD bgcolor=white FontColor=black><b>Temperatur</b></TD>",
        "</tr>",
        "<tr>",
        Zelle("Aktueller Tag", "20%"),
        Zelle("Bewölkt, gelegentliche Schauern", "25%"),
        Zelle("Frische Brise", "25%"),
        Zelle("Der Jahreszeit entsprechend", "30%"),
        "</tr>",
        "<tr>",
        Zelle("Nächster Tag", "20%"),
        Zelle("Leichter Morgennebel", "25%"),
        Zelle("Windstill", "25%"),
        Zelle("Warm", "30%"),
        "</tr>",
        "<tr>",
        Zelle("Übernächster Tag", "20%"),
        Zelle("Leichter Morgennebel", "25%"),
        Zelle("Starker Wind", "25%"),
        Zelle("Kalt", "30%"),
        "</tr>",
        "</table>",
        leer, leer, leer,
        "<H3>Reiseinformationen</H3>",
        "Die Geschwindigkeit ist in 'Meilen pro Tag' angegeben.</BR>",
        Fuss("Reichsstraße", 33), Pferd("Reichsstraße", 55),
        Fuss("Ebene Landstraße", 30), Pferd("Ebene Landstraße", 50),
        Fuss("Karrenweg", 24), Pferd("Karrenweg", 40),
        Hinweis("Keine"),
        "Hügeliges Terrain verringert die Geschwindigkeit um weitere 25%.</BR>",
        leer, leer, leer,
        "<B>Tagesereignis: </B> Ein Händler verkauft „Äpfel“ für 3 €.</BR>",
        "<B>Tagesereignis: </B> Der Weg ist verschlammt &amp; rutschig.</BR>",
        "<B>Tagesereignis: </B> Ein Bauer grüßt.</BR>",
    });
    const QByteArray geschrieben = installation.Bytes(QStringLiteral("Temp/Temp.html"));
    QCOMPARE(geschrieben, erwartet);
    // An event without markup characters keeps the very bytes of its line.
    QVERIFY(geschrieben.contains("<B>Tagesereignis: </B> " + vierte + "</BR>\r\n"));
    QCOMPARE(lauf.Ereignisse.size(), 3);
    QCOMPARE(lauf.Ereignisse[0].Zeile, 4);
    QCOMPARE(lauf.Ereignisse[1].Zeile, 2);
    QCOMPARE(lauf.Ereignisse[2].Zeile, 1);
}

void TestDaySeite::seiteOhneEreignisse()
{
    TestInstallation installation(false);
    Zufall::Skript wuerfe({1, 1, 1, 1, 1, 1, 1, 1, 1});
    const Ereignisdatei ereignisse = EreignisseLaden();
    const Tageslauf lauf = Berechnen(QStringLiteral("Sumpf"), Jahreszeit::Sommer, ereignisse.Zeilen);
    QCOMPARE(wuerfe.Angefragt().size(), 9);
    const QByteArray seite = Seite(lauf);
    // The page is whole: after the travel section its three line breaks, then nothing.
    QVERIFY(seite.endsWith(Zeilen({"<H3>Reiseinformationen</H3>", "Die Geschwindigkeit ist in 'Meilen pro Tag' angegeben.</BR>",
                                   "Hügeliges Terrain verringert die Geschwindigkeit um weitere 25%.</BR>", "</BR>", "</BR>",
                                   "</BR>"})));
    QVERIFY(!seite.contains("Tagesereignis"));
    QVERIFY(seite.startsWith("<B>Gel\xe4ndeart: </B> Sumpf</BR>\r\n<B>Jahreszeit: </B> Sommer</BR>\r\n"));
}

void TestDaySeite::tempOrdnerWirdAngelegt()
{
    TestInstallation installation(false);
    QVERIFY(QDir(installation.Pfad(QStringLiteral("Temp"))).removeRecursively());
    const QString pfad = TempSeite();
    QVERIFY(QFileInfo(installation.Pfad(QStringLiteral("Temp"))).isDir());
    Tageslauf lauf;
    lauf.Gelaende = QStringLiteral("Wald");
    QString fehler;
    QVERIFY2(SeiteSpeichern(lauf, pfad, &fehler), qPrintable(fehler));
    QCOMPARE(installation.Bytes(QStringLiteral("Temp/Temp.html")), Seite(lauf));
}

void TestDaySeite::nichtSchreibbareSeiteWirdGemeldet()
{
    TestInstallation installation(false);
    Tageslauf lauf;
    lauf.Gelaende = QStringLiteral("Wald");
    // A folder where the page belongs.
    QVERIFY(QDir().mkpath(installation.Pfad(QStringLiteral("Temp/Temp.html"))));
    QString fehler;
    QVERIFY(!SeiteSpeichern(lauf, TempSeite(), &fehler));
    QCOMPARE(fehler, QStringLiteral("Der Tagesablauf konnte nicht in die Datei „%1“ geschrieben werden: „%1“ ist keine gewöhnliche Datei; es wurde nichts geschrieben.")
                      .arg(QDir::toNativeSeparators(installation.Pfad(QStringLiteral("Temp/Temp.html")))));
    QVERIFY(QFileInfo(installation.Pfad(QStringLiteral("Temp/Temp.html"))).isDir());

    // A missing folder elsewhere is named, and nothing is created there.
    const QString anderswo = installation.Pfad(QStringLiteral("gibt/es/nicht/Tag.html"));
    QVERIFY(!SeiteSpeichern(lauf, anderswo, &fehler));
    QVERIFY(fehler.contains(QStringLiteral("ist nicht vorhanden")));
    QVERIFY(!QFileInfo::exists(anderswo));
}

QTEST_GUILESS_MAIN(TestDaySeite)
#include "test_day_seite.moc"
