// Weather, wind and temperature of the three days, driven by scripted rolls: every border of the three
// weather tables, the spring and autumn chain, the scales and the cells off the scales, and the order of
// the draws.
#include "DayEngine.h"
#include "Zufall.h"

#include <QtTest>

using namespace DayEngine;

Q_DECLARE_METATYPE(DayEngine::Jahreszeit)

namespace {

// Rolls for three days whose wind and temperature W6 are all 3.
QList<int> FrischeTage(int w1, int w2, int w3)
{
    return {w1, 3, 3, w2, 3, 3, w3, 3, 3};
}

} // namespace

class TestDayWetter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabellengrenzen_data();
    void tabellengrenzen();
    void sommerUndWinterWuerfelnJedenTagNeu_data();
    void sommerUndWinterWuerfelnJedenTagNeu();
    void fruehlingUndHerbstKetten_data();
    void fruehlingUndHerbstKetten();
    void windskala_data();
    void windskala();
    void temperaturskala_data();
    void temperaturskala();
    void windAusserhalbDerSkalaZeigtKeinenFremdenWind();
    void warmerWintertagZeigtKeineFremdeTemperatur();
    void unnatuerlichWarmLaesstDenWindStehen();
    void jahreszeitenUndNamen();
};

void TestDayWetter::tabellengrenzen_data()
{
    QTest::addColumn<Jahreszeit>("jahreszeit");
    QTest::addColumn<int>("wurf");
    QTest::addColumn<QString>("wetter");
    QTest::addColumn<int>("trend");
    QTest::addColumn<int>("wind");
    QTest::addColumn<int>("temperatur");

    for (Jahreszeit j : {Jahreszeit::Fruehling, Jahreszeit::Herbst}) {
        const char* n = j == Jahreszeit::Fruehling ? "Frühling" : "Herbst";
        QTest::addRow("%s 1", n) << j << 1 << "Klar" << 0 << 0 << 0;
        QTest::addRow("%s 6", n) << j << 6 << "Klar" << 0 << 0 << 0;
        QTest::addRow("%s 7", n) << j << 7 << "Bewölkt, gelegentliche Schauern" << -3 << 1 << 0;
        QTest::addRow("%s 8", n) << j << 8 << "Bewölkt, gelegentliche Schauern" << -3 << 1 << 0;
        QTest::addRow("%s 9", n) << j << 9 << "Leichter Morgennebel" << -1 << -1 << 0;
        QTest::addRow("%s 12", n) << j << 12 << "Leichter Morgennebel" << -1 << -1 << 0;
        QTest::addRow("%s 13", n) << j << 13 << "Nebel" << -2 << -3 << -1;
        QTest::addRow("%s 15", n) << j << 15 << "Nebel" << -2 << -3 << -1;
        QTest::addRow("%s 16", n) << j << 16 << "Nieselregen" << -2 << -1 << -1;
        QTest::addRow("%s 17", n) << j << 17 << "Nieselregen" << -2 << -1 << -1;
        QTest::addRow("%s 18", n) << j << 18 << "Dauerregen" << -4 << 2 << -2;
        QTest::addRow("%s 19", n) << j << 19 << "Dauerregen" << -4 << 2 << -2;
        QTest::addRow("%s 20", n) << j << 20 << "Gewitter, Wolkenbruch" << 2 << 4 << -3;
    }
    const Jahreszeit s = Jahreszeit::Sommer;
    QTest::newRow("Sommer 1") << s << 1 << "Sonnig und klar" << -2 << -1 << 1;
    QTest::newRow("Sommer 10") << s << 10 << "Sonnig und klar" << -2 << -1 << 1;
    QTest::newRow("Sommer 11") << s << 11 << "Schwülwarm, dunstig" << -1 << -2 << 2;
    QTest::newRow("Sommer 15") << s << 15 << "Schwülwarm, dunstig" << -1 << -2 << 2;
    QTest::newRow("Sommer 16") << s << 16 << "Kurze Schauer" << -4 << 1 << 0;
    QTest::newRow("Sommer 17") << s << 17 << "Nieselregen" << -3 << 1 << 0;
    QTest::newRow("Sommer 18") << s << 18 << "Gewitter, heftige Schauer" << -1 << 2 << -1;
    QTest::newRow("Sommer 19") << s << 19 << "Dauerregen" << -4 << 2 << -2;
    QTest::newRow("Sommer 20") << s << 20 << "Gewitter, Wolkenbruch" << 5 << 4 << -2;
    const Jahreszeit w = Jahreszeit::Winter;
    QTest::newRow("Winter 1") << w << 1 << "Frostklar, sehr kalt" << -1 << 0 << -2;
    QTest::newRow("Winter 6") << w << 6 << "Frostklar, sehr kalt" << -1 << 0 << -2;
    QTest::newRow("Winter 7") << w << 7 << "Klar" << -2 << 0 << -1;
    QTest::newRow("Winter 12") << w << 12 << "Klar" << -2 << 0 << -1;
    QTest::newRow("Winter 13") << w << 13 << "Einzelne Flocken" << -3 << 0 << 1;
    QTest::newRow("Winter 14") << w << 14 << "Einzelne Flocken" << -3 << 0 << 1;
    QTest::newRow("Winter 15") << w << 15 << "Schneeschauer" << -4 << 1 << 2;
    QTest::newRow("Winter 16") << w << 16 << "Schneeschauer" << -4 << 1 << 2;
    QTest::newRow("Winter 17") << w << 17 << "Starker Schneefall" << -2 << 2 << 0;
    QTest::newRow("Winter 20") << w << 20 << "Starker Schneefall" << -2 << 2 << 0;
}

// The first day's W20 read on the table; the wind and temperature W6 of 3 show the modifiers in the steps.
void TestDayWetter::tabellengrenzen()
{
    QFETCH(Jahreszeit, jahreszeit);
    QFETCH(int, wurf);
    QFETCH(QString, wetter);
    QFETCH(int, trend);
    QFETCH(int, wind);
    QFETCH(int, temperatur);
    Zufall::Skript wuerfe({wurf, 3, 3, 1, 3, 3, 1, 3, 3});
    const QList<Tag> tage = TageWuerfeln(jahreszeit);
    QVERIFY2(wuerfe.Fehler().isEmpty(), qPrintable(wuerfe.Fehler().join(QLatin1Char('\n'))));
    QCOMPARE(tage.size(), 3);
    const Tag& tag = tage.first();
    QCOMPARE(tag.Wetterwurf, wurf);
    QCOMPARE(tag.Wetter.Text, wetter);
    QCOMPARE(tag.Wetter.Trend, trend);
    QCOMPARE(tag.Wetter.WindMod, wind);
    QCOMPARE(tag.Wetter.TempMod, temperatur);
    QCOMPARE(tag.Windstufe, 3 + wind);
    QCOMPARE(tag.Temperaturstufe, 3 + temperatur);
    QCOMPARE(tag.Wind, Windtext(3 + wind));
    QCOMPARE(tag.Temperatur, Temperaturtext(3 + temperatur, jahreszeit));
}

void TestDayWetter::sommerUndWinterWuerfelnJedenTagNeu_data()
{
    QTest::addColumn<Jahreszeit>("jahreszeit");
    QTest::addColumn<QStringList>("wetter");
    QTest::newRow("Sommer") << Jahreszeit::Sommer
                            << QStringList{"Gewitter, Wolkenbruch", "Sonnig und klar", "Kurze Schauer"};
    QTest::newRow("Winter") << Jahreszeit::Winter << QStringList{"Starker Schneefall", "Frostklar, sehr kalt", "Schneeschauer"};
}

void TestDayWetter::sommerUndWinterWuerfelnJedenTagNeu()
{
    QFETCH(Jahreszeit, jahreszeit);
    QFETCH(QStringList, wetter);
    Zufall::Skript wuerfe(FrischeTage(20, 1, 16));
    const QList<Tag> tage = TageWuerfeln(jahreszeit);
    QVERIFY(wuerfe.Fehler().isEmpty());
    // Weather, wind, temperature for each day in turn; every day's weather is a W20 of its own.
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{20, 6, 6, 20, 6, 6, 20, 6, 6}));
    QCOMPARE(wuerfe.Uebrig(), 0);
    QCOMPARE((QList<int>{tage[0].Wetterwurf, tage[1].Wetterwurf, tage[2].Wetterwurf}), (QList<int>{20, 1, 16}));
    QCOMPARE((QStringList{tage[0].Wetter.Text, tage[1].Wetter.Text, tage[2].Wetter.Text}), wetter);
    QCOMPARE((QStringList{tage[0].Bezeichnung, tage[1].Bezeichnung, tage[2].Bezeichnung}),
             (QStringList{"Aktueller Tag", "Nächster Tag", "Übernächster Tag"}));
}

void TestDayWetter::fruehlingUndHerbstKetten_data()
{
    QTest::addColumn<Jahreszeit>("jahreszeit");
    QTest::addColumn<QList<int>>("wuerfe");
    QTest::addColumn<QList<int>>("index");
    QTest::addColumn<QStringList>("wetter");
    // A storm holds: 20 + W6 + 2 is at least 23, which stays on the last row of the table.
    QTest::newRow("Frühling Gewitter hält an") << Jahreszeit::Fruehling << QList<int>{20, 1, 1, 1, 1, 1, 1, 1, 1}
                                               << QList<int>{20, 23, 26}
                                               << QStringList{"Gewitter, Wolkenbruch", "Gewitter, Wolkenbruch",
                                                              "Gewitter, Wolkenbruch"};
    QTest::newRow("Herbst Gewitter, höchster Index") << Jahreszeit::Herbst << QList<int>{20, 1, 1, 6, 1, 1, 6, 1, 1}
                                                     << QList<int>{20, 28, 36}
                                                     << QStringList{"Gewitter, Wolkenbruch", "Gewitter, Wolkenbruch",
                                                                    "Gewitter, Wolkenbruch"};
    // Showers pull the next day down (trend -3), clear weather keeps it (trend 0).
    QTest::newRow("Frühling Schauer klaren auf") << Jahreszeit::Fruehling << QList<int>{7, 1, 1, 1, 1, 1, 6, 1, 1}
                                                 << QList<int>{7, 5, 11}
                                                 << QStringList{"Bewölkt, gelegentliche Schauern", "Klar",
                                                                "Leichter Morgennebel"};
    // Rain (trend -4) and fog (trend -2) from high rolls.
    QTest::newRow("Herbst Dauerregen") << Jahreszeit::Herbst << QList<int>{19, 1, 1, 4, 1, 1, 6, 1, 1}
                                       << QList<int>{19, 19, 21}
                                       << QStringList{"Dauerregen", "Dauerregen", "Gewitter, Wolkenbruch"};
    QTest::newRow("Frühling Nebel") << Jahreszeit::Fruehling << QList<int>{13, 1, 1, 2, 1, 1, 3, 1, 1}
                                    << QList<int>{13, 13, 14} << QStringList{"Nebel", "Nebel", "Nebel"};
    QTest::newRow("Herbst niedrigster Index") << Jahreszeit::Herbst << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1}
                                              << QList<int>{1, 2, 3} << QStringList{"Klar", "Klar", "Klar"};
}

void TestDayWetter::fruehlingUndHerbstKetten()
{
    QFETCH(Jahreszeit, jahreszeit);
    QFETCH(QList<int>, wuerfe);
    QFETCH(QList<int>, index);
    QFETCH(QStringList, wetter);
    Zufall::Skript skript(wuerfe);
    const QList<Tag> tage = TageWuerfeln(jahreszeit);
    QVERIFY2(skript.Fehler().isEmpty(), qPrintable(skript.Fehler().join(QLatin1Char('\n'))));
    // Only the first day rolls a W20; the next days add a W6 in the weather's place.
    QCOMPARE(skript.Angefragt(), (QList<int>{20, 6, 6, 6, 6, 6, 6, 6, 6}));
    QCOMPARE((QList<int>{tage[0].Wetterwurf, tage[1].Wetterwurf, tage[2].Wetterwurf}), index);
    QCOMPARE((QStringList{tage[0].Wetter.Text, tage[1].Wetter.Text, tage[2].Wetter.Text}), wetter);
}

void TestDayWetter::windskala_data()
{
    QTest::addColumn<int>("stufe");
    QTest::addColumn<QString>("text");
    QTest::newRow("-2") << -2 << "Windstill";
    QTest::newRow("-1") << -1 << "Windstill";
    QTest::newRow("0") << 0 << "Windstill";
    QTest::newRow("1") << 1 << "Leichter Windzug";
    QTest::newRow("2") << 2 << "Leichte Brise";
    QTest::newRow("3") << 3 << "Frische Brise";
    QTest::newRow("4") << 4 << "Steife Brise";
    QTest::newRow("5") << 5 << "Starker Wind";
    QTest::newRow("6") << 6 << "Sturm";
    QTest::newRow("7") << 7 << "Schwerer Sturm";
    QTest::newRow("8") << 8 << "Orkan";
    QTest::newRow("9") << 9 << "Orkan";
    QTest::newRow("10") << 10 << "Orkan";
}

void TestDayWetter::windskala()
{
    QFETCH(int, stufe);
    QFETCH(QString, text);
    QCOMPARE(Windtext(stufe), text);
}

void TestDayWetter::temperaturskala_data()
{
    QTest::addColumn<int>("stufe");
    QTest::addColumn<QString>("sonst");
    QTest::addColumn<QString>("winter");
    const QString jahreszeit = QStringLiteral("Der Jahreszeit entsprechend");
    const QString unnatuerlich = QStringLiteral("Für die Jahreszeit unnatürlich warm");
    QTest::newRow("-3") << -3 << "Empfindlich kalt" << "Empfindlich kalt";
    QTest::newRow("0") << 0 << "Empfindlich kalt" << "Empfindlich kalt";
    QTest::newRow("1") << 1 << "Kalt" << "Kalt";
    QTest::newRow("2") << 2 << "Kühl" << "Kühl";
    QTest::newRow("3") << 3 << jahreszeit << jahreszeit;
    QTest::newRow("5") << 5 << jahreszeit << jahreszeit;
    QTest::newRow("6") << 6 << "Warm" << unnatuerlich;
    QTest::newRow("7") << 7 << "Sehr warm" << unnatuerlich;
    QTest::newRow("8") << 8 << unnatuerlich << unnatuerlich;
}

void TestDayWetter::temperaturskala()
{
    QFETCH(int, stufe);
    QFETCH(QString, sonst);
    QFETCH(QString, winter);
    for (Jahreszeit j : {Jahreszeit::Fruehling, Jahreszeit::Sommer, Jahreszeit::Herbst})
        QCOMPARE(Temperaturtext(stufe, j), sonst);
    QCOMPARE(Temperaturtext(stufe, Jahreszeit::Winter), winter);
}

void TestDayWetter::windAusserhalbDerSkalaZeigtKeinenFremdenWind()
{
    // Fog (wind -3) with wind rolls 1 and 2 on the first two days; a storm (wind +4) with 6 on the third.
    Zufall::Skript wuerfe({13, 1, 3, 2, 2, 3, 6, 6, 3});
    const QList<Tag> tage = TageWuerfeln(Jahreszeit::Fruehling);
    QVERIFY(wuerfe.Fehler().isEmpty());
    QCOMPARE(tage[0].Wetter.Text, QStringLiteral("Nebel"));
    QCOMPARE(tage[0].Windstufe, -2);
    QCOMPARE(tage[0].Wind, QStringLiteral("Windstill"));
    QCOMPARE(tage[1].Wetterwurf, 13); // 13 + 2 - 2
    QCOMPARE(tage[1].Windstufe, -1);
    QCOMPARE(tage[1].Wind, QStringLiteral("Windstill"));
    QCOMPARE(tage[2].Wetterwurf, 17); // 13 + 6 - 2
    QCOMPARE(tage[2].Wetter.Text, QStringLiteral("Nieselregen"));
    QCOMPARE(tage[2].Windstufe, 5);

    Zufall::Skript sturm({20, 6, 3, 1, 6, 3, 1, 1, 3});
    const QList<Tag> sommer = TageWuerfeln(Jahreszeit::Sommer);
    QCOMPARE(sommer[0].Windstufe, 10);
    QCOMPARE(sommer[0].Wind, QStringLiteral("Orkan"));
    QCOMPARE(sommer[1].Windstufe, 5); // "Sonnig und klar", wind -1
    QCOMPARE(sommer[1].Wind, QStringLiteral("Starker Wind"));
    QCOMPARE(sommer[2].Windstufe, 0);
    QCOMPARE(sommer[2].Wind, QStringLiteral("Windstill"));
}

void TestDayWetter::warmerWintertagZeigtKeineFremdeTemperatur()
{
    // Day 1 bitter cold (-2 + 1), days 2 and 3 snow showers (+2) with temperature rolls 4 and 5.
    Zufall::Skript wuerfe({1, 3, 1, 15, 3, 4, 16, 3, 5});
    const QList<Tag> tage = TageWuerfeln(Jahreszeit::Winter);
    QVERIFY(wuerfe.Fehler().isEmpty());
    QCOMPARE(tage[0].Temperaturstufe, -1);
    QCOMPARE(tage[0].Temperatur, QStringLiteral("Empfindlich kalt"));
    QCOMPARE(tage[1].Temperaturstufe, 6);
    QCOMPARE(tage[1].Temperatur, QStringLiteral("Für die Jahreszeit unnatürlich warm"));
    QCOMPARE(tage[2].Temperaturstufe, 7);
    QCOMPARE(tage[2].Temperatur, QStringLiteral("Für die Jahreszeit unnatürlich warm"));
}

void TestDayWetter::unnatuerlichWarmLaesstDenWindStehen()
{
    // Sultry summer day (temperature +2, wind -2): temperature 6 + 2 = 8, wind 4 - 2 = 2.
    Zufall::Skript wuerfe({11, 4, 6, 1, 1, 1, 1, 1, 1});
    const QList<Tag> tage = TageWuerfeln(Jahreszeit::Sommer);
    QCOMPARE(tage[0].Temperaturstufe, 8);
    QCOMPARE(tage[0].Temperatur, QStringLiteral("Für die Jahreszeit unnatürlich warm"));
    QCOMPARE(tage[0].Wind, QStringLiteral("Leichte Brise"));
}

void TestDayWetter::jahreszeitenUndNamen()
{
    QCOMPARE(Jahreszeiten(), (QStringList{"Frühling", "Sommer", "Herbst", "Winter"}));
    QCOMPARE(JahreszeitSuchen(QStringLiteral("Herbst")), std::optional<Jahreszeit>(Jahreszeit::Herbst));
    QCOMPARE(JahreszeitSuchen(QStringLiteral("Winter")), std::optional<Jahreszeit>(Jahreszeit::Winter));
    // Names compare exactly.
    QVERIFY(!JahreszeitSuchen(QStringLiteral("herbst")));
    QVERIFY(!JahreszeitSuchen(QStringLiteral("Fruehling")));
    QVERIFY(!JahreszeitSuchen(QString()));
    QCOMPARE(JahreszeitName(Jahreszeit::Fruehling), QStringLiteral("Frühling"));
    QCOMPARE(Gelaendearten(), (QStringList{"Eisgebiete", "Gebirge", "Grasland", "Klippengebiete", "Regenwald", "Steppe",
                                           "Straßen", "Sumpf", "Wald", "Wüste"}));
}

QTEST_GUILESS_MAIN(TestDayWetter)
#include "test_day_wetter.moc"
