// Journeys through the engine: day count, legs and their speeds, modes, hills, missing speeds, bad input and
// the weather chain, over test cities at known places of the map.
#include "Reise.h"
#include "TestInstallation.h"
#include "Zufall.h"

#include <QtTest>

using namespace Reise;
using DayEngine::Jahreszeit;

namespace {

// 675 map units are 100 Meilen on the large map.
void StaedteSchreiben(const TestInstallation& inst)
{
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"),
                         {"Ahorn", "Birke", "Claer", "Zwilling", "Ohneort"});
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"),
                         {"[Ahorn]", "X=675", "Y=675", "[Birke]", "X=2700", "Y=675", "[Claer]", "X=2700", "Y=2025",
                          "[Zwilling]", "X=676", "Y=675", "[Ohneort]", "Einwohner=12"});
}

} // namespace

class TestReise : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reisen_data();
    void reisen();
};

void TestReise::reisen_data()
{
    QTest::addColumn<QStringList>("staedte");
    QTest::addColumn<qint64>("meilen");
    QTest::addColumn<QStringList>("gelaende"); // "GELÄNDE[:UNTERART]" a leg, or one for all
    QTest::addColumn<bool>("huegelig");
    QTest::addColumn<bool>("beritten");
    QTest::addColumn<int>("saison");
    QTest::addColumn<int>("proTag");
    QTest::addColumn<QString>("fehler"); // the start of the message; empty when the journey works
    QTest::addColumn<QList<int>>("tempo"); // miles a day of each leg
    QTest::addColumn<int>("tage");
    QTest::addColumn<QList<int>>("wuerfe"); // scripted rolls; empty: a seed
    QTest::addColumn<QList<int>>("seiten");
    QTest::addColumn<QStringList>("wetter");

    const int fr = int(Jahreszeit::Fruehling), so = int(Jahreszeit::Sommer), he = int(Jahreszeit::Herbst);
    const QList<int> keine;
    const QStringList ohne;
    auto ok = [&](const char* name, const QStringList& staedte, qint64 meilen, const QStringList& gelaende, bool huegelig,
                  bool beritten, int proTag, const QList<int>& tempo, int tage) {
        QTest::newRow(name) << staedte << meilen << gelaende << huegelig << beritten << fr << proTag << QString() << tempo
                            << tage << keine << keine << ohne;
    };
    auto falsch = [&](const char* name, const QStringList& staedte, qint64 meilen, const QStringList& gelaende,
                      bool beritten, const QString& fehler) {
        QTest::newRow(name) << staedte << meilen << gelaende << false << beritten << fr << 0 << fehler << keine << 0
                            << keine << keine << ohne;
    };
    const QStringList abc{"Ahorn", "Birke", "Claer"};

    ok("Grasland zu Fuß", {}, 100, {"Grasland"}, false, false, 0, {30}, 4);
    ok("Grasland beritten", {}, 100, {"Grasland"}, false, true, 0, {50}, 2);
    ok("erste Unterart", {}, 100, {"Straßen"}, false, false, 0, {33}, 4);
    ok("Unterart und Hügel", {}, 100, {"Wald:Lichter Wald"}, true, false, 0, {14}, 8);
    ok("Regenwald beritten gebremst", {}, 100, {"Regenwald:wegloser regenwald"}, false, true, 0, {7}, 15);
    ok("Etappen je Gelände", abc, 0, {"Straßen:Karrenweg", "Gebirge"}, false, false, 0, {24, 15}, 27);
    ok("ein Gelände für alle", abc, 0, {"Steppe"}, false, true, 0, {45, 45}, 12);
    ok("Schreibweise der Städteliste", {" ahorn", "BIRKE"}, 0, {"Grasland"}, false, false, 0, {30}, 10);
    ok("Sumpf mit Meilen pro Tag", {}, 100, {"Sumpf"}, false, false, 12, {12}, 9);
    ok("Sumpf mit Meilen pro Tag, hügelig", {}, 100, {"Sumpf"}, true, false, 12, {9}, 12);
    ok("Klippen zu Fuß", {}, 100, {"Klippengebiete"}, false, false, 0, {40}, 3);
    ok("genau 365 Tage", {}, 1095, {"Gebirge:Hochgebirge"}, false, false, 0, {3}, 365);

    falsch("Sumpf ohne Meilen pro Tag", {}, 100, {"Sumpf"}, false,
           "Für die Etappe 1 (100 Meilen, Sumpf) kennt Tageslauf keine Geschwindigkeit zu Fuß");
    falsch("Klippen beritten", abc, 0, {"Grasland", "Klippengebiete"}, true,
           "Für die Etappe 2 (Birke – Claer, Klippengebiete (Klippengebiet)) kennt Tageslauf keine Geschwindigkeit beritten");
    falsch("unbekannte Stadt", {"Ahorn", "Xanten"}, 0, {"Grasland"}, false,
           "Die Stadt „Xanten“ steht nicht in der Städteliste; bekannt sind: Ahorn, Birke");
    falsch("Stadt ohne Position", {"Ahorn", "Ohneort"}, 0, {"Grasland"}, false,
           "Die Stadt „Ohneort“ hat in Städte.dat keine gültige Position");
    falsch("zweimal hintereinander", {"Ahorn", "Birke", "birke"}, 0, {"Grasland"}, false,
           "Die Stadt „Birke“ steht zweimal hintereinander in der Route.");
    falsch("nur eine Stadt", {"Ahorn"}, 0, {"Grasland"}, false, "Eine Reise braucht einen Start und ein Ziel.");
    falsch("Etappe von 0 Meilen", {"Ahorn", "Zwilling"}, 0, {"Grasland"}, false,
           "Die Etappe 1 von Ahorn nach Zwilling ist 0 Meilen lang");
    falsch("0 Meilen", {}, 0, {"Grasland"}, false, "Die Etappe 1 ist 0 Meilen lang");
    falsch("Städte und Meilen", abc, 50, {"Grasland"}, false, "Nennt entweder Städte oder eine Entfernung");
    falsch("mehr als 365 Tage", {}, 1098, {"Gebirge:Hochgebirge"}, false,
           "Die Reise dauert 366 Tage; Tageslauf plant höchstens 365 Tage.");
    falsch("sehr weit", {}, 1000000000, {"Grasland"}, false, "Die Reise dauert mehr als 3650 Tage");
    falsch("kein Gelände", abc, 0, {}, false, "Bitte wählt eine Geländeart aus.");
    falsch("Gelände fehlt einer Etappe", abc, 0, {"Wald", ""}, false, "Bitte wählt eine Geländeart aus.");
    falsch("zu viele Geländeangaben", {"Ahorn", "Birke"}, 0, {"Wald", "Wald"}, false,
           "Die Route hat eine Etappe, aber 2 Geländeangaben");
    falsch("unbekanntes Gelände", {}, 10, {"Moor"}, false, "Unbekannte Geländeart „Moor“");
    falsch("unbekannte Unterart", {}, 10, {"Wald:Sumpfwald"}, false,
           "„Sumpfwald“ ist keine Unterart von Wald; bekannt sind: Waldwege und -pfade, Lichter Wald");
    falsch("Grasland ohne Unterarten", {}, 10, {"Grasland:Wiese"}, false, "Grasland hat keine Unterarten");

    // The weather chain with scripted rolls (weather, wind, temperature a day; no events or tables here).
    QTest::newRow("Frühling trägt den Wert weiter")
        << QStringList() << qint64(90) << QStringList{"Grasland"} << false << false << fr << 0 << QString() << QList<int>{30}
        << 3 << QList<int>{8, 3, 3, 5, 3, 3, 1, 3, 3} << QList<int>{20, 6, 6, 6, 6, 6, 6, 6, 6}
        << QStringList{"Bewölkt, gelegentliche Schauern", "Leichter Morgennebel", "Leichter Morgennebel"};
    QTest::newRow("ein Gewitter bricht die Kette")
        << QStringList() << qint64(90) << QStringList{"Grasland"} << false << false << he << 0 << QString() << QList<int>{30}
        << 3 << QList<int>{20, 3, 3, 2, 3, 3, 6, 3, 3} << QList<int>{20, 6, 6, 20, 6, 6, 6, 6, 6}
        << QStringList{"Gewitter, Wolkenbruch", "Klar", "Bewölkt, gelegentliche Schauern"};
    QTest::newRow("Sommer würfelt jeden Tag neu")
        << QStringList() << qint64(90) << QStringList{"Grasland"} << false << false << so << 0 << QString() << QList<int>{30}
        << 3 << QList<int>{19, 3, 3, 20, 3, 3, 1, 3, 3} << QList<int>{20, 6, 6, 20, 6, 6, 20, 6, 6}
        << QStringList{"Dauerregen", "Gewitter, Wolkenbruch", "Sonnig und klar"};
}

void TestReise::reisen()
{
    QFETCH(QStringList, staedte);
    QFETCH(qint64, meilen);
    QFETCH(QStringList, gelaende);
    QFETCH(bool, huegelig);
    QFETCH(bool, beritten);
    QFETCH(int, saison);
    QFETCH(int, proTag);
    QFETCH(QString, fehler);
    QFETCH(QList<int>, tempo);
    QFETCH(int, tage);
    QFETCH(QList<int>, wuerfe);
    QFETCH(QList<int>, seiten);
    QFETCH(QStringList, wetter);

    TestInstallation inst(false);
    StaedteSchreiben(inst);
    Plan plan;
    plan.Staedte = staedte;
    plan.Meilen = meilen;
    for (const QString& g : gelaende)
        plan.Etappen.append({g.section(QLatin1Char(':'), 0, 0), g.section(QLatin1Char(':'), 1), huegelig, proTag});
    plan.Saison = Jahreszeit(saison);
    plan.Beritten = beritten;

    std::optional<Zufall::Skript> skript;
    if (!wuerfe.isEmpty())
        skript.emplace(wuerfe);
    else
        Zufall::SaatSetzen(quint64(tage) * 7919 + quint64(saison));
    QString meldung;
    const std::optional<Ergebnis> e = Planen(plan, 42, &meldung);
    Zufall::ProduktionSetzen();
    if (!fehler.isEmpty()) {
        QVERIFY(!e);
        QVERIFY2(meldung.startsWith(fehler), qPrintable(meldung));
        return;
    }
    QVERIFY2(e, qPrintable(meldung));

    // Legs and days.
    QCOMPARE(e->Strecke.Etappen.size(), tempo.size());
    qint64 gesamt = 0;
    for (qsizetype i = 0; i < tempo.size(); ++i) {
        QCOMPARE(e->Strecke.Etappen[i].MeilenProTag, tempo[i]);
        gesamt += e->Strecke.Etappen[i].Meilen;
    }
    QCOMPARE(e->Strecke.Meilen, gesamt);
    QCOMPARE(e->Strecke.Tage, tage);
    QCOMPARE(e->Tage.size(), tage);
    qint64 gemacht = 0;
    for (qsizetype i = 0; i < e->Tage.size(); ++i) {
        const Tag& t = e->Tage[i];
        QCOMPARE(t.Nummer, int(i + 1));
        const Etappe& et = e->Strecke.Etappen[t.Etappe];
        const bool letzter = i + 1 == e->Tage.size() || e->Tage[i + 1].Etappe != t.Etappe;
        // A full day's way, only the last day of a leg may be shorter; no day is empty.
        QVERIFY(letzter ? t.Gemacht >= 1 && t.Gemacht <= et.MeilenProTag : t.Gemacht == et.MeilenProTag);
        if (i > 0)
            QVERIFY(t.Etappe == e->Tage[i - 1].Etappe || t.Etappe == e->Tage[i - 1].Etappe + 1);
        gemacht += t.Gemacht;
        QCOMPARE(t.Rest, gesamt - gemacht);
        // The day tool's weather: the chain in spring and autumn, broken by a storm; fresh rolls otherwise.
        QCOMPARE(t.Wetter.Text, DayEngine::Wetter(plan.Saison, t.Wetterwurf).Text);
        const bool kette = plan.Saison == Jahreszeit::Fruehling || plan.Saison == Jahreszeit::Herbst;
        if (kette && i > 0 && e->Tage[i - 1].Wetterwurf < 20) {
            const int w6 = t.Wetterwurf - e->Tage[i - 1].Wetterwurf - e->Tage[i - 1].Wetter.Trend;
            QVERIFY2(w6 >= 1 && w6 <= 6, qPrintable(QString::number(w6)));
        } else {
            QVERIFY(t.Wetterwurf >= 1 && t.Wetterwurf <= 20);
        }
        QCOMPARE(t.Wind, DayEngine::Windtext(t.Windstufe));
        QCOMPARE(t.Temperatur, DayEngine::Temperaturtext(t.Temperaturstufe, plan.Saison));
    }
    QCOMPARE(e->Tage.last().Rest, 0);
    for (const Etappe& et : e->Strecke.Etappen) {
        int n = 0;
        for (const Tag& t : e->Tage)
            n += &e->Strecke.Etappen[t.Etappe] == &et;
        QCOMPARE(n, et.Tage);
    }
    if (skript) {
        QVERIFY2(skript->Fehler().isEmpty(), qPrintable(skript->Fehler().join(QLatin1Char('\n'))));
        QCOMPARE(skript->Angefragt(), seiten);
        QStringList texte;
        for (const Tag& t : e->Tage)
            texte.append(t.Wetter.Text);
        QCOMPARE(texte, wetter);
    }
}

QTEST_GUILESS_MAIN(TestReise)
#include "test_reise.moc"
