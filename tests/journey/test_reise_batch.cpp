// Tageslauf3 --reise: its tab-separated lines, refused input, the program itself, and the cross-checks of a
// journey with heroes against Kartenblick3 --entfernung, Bestiar3 --chancen and the warehouse catalogue.
#include "Aufstellung.h"
#include "CreaturesBatch.h"
#include "Dialoge.h"
#include "Geld.h"
#include "Gewinnchancen.h"
#include "KartenBatch.h"
#include "Kreaturentabelle.h"
#include "Reise.h"
#include "ReiseBatch.h"
#include "TestInstallation.h"
#include "WarehouseBatch.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QImage>
#include <QFile>
#include <QProcessEnvironment>
#include <QtTest>

using namespace Reise;

namespace {

Batch::Ergebnis Lauf(const QStringList& argumente, quint64 saat)
{
    Zufall::SaatSetzen(saat);
    const Batch::Ergebnis e = ReiseBatch::Ausfuehren(QStringList{QStringLiteral("--reise")} + argumente);
    Zufall::ProduktionSetzen();
    return e;
}

// A member of the shipped database, as Bestiar3 would add it.
BattleEngine::Kaempfer Kreatur(const QString& name)
{
    Kreaturentabellen::Kreaturentabelle db;
    Kreaturentabellen::Laden(db);
    const int zeile = Kreaturentabellen::ZeileSuchen(db, name);
    return *BattleEngine::KaempferAus(db.Zeilen.value(zeile));
}

} // namespace

class TestReiseBatch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zeilenformat();
    void falscheAngaben_data();
    void falscheAngaben();
    void kreuzprobe();
    void fehlendeKreaturEinmalGemeldet();
    void dasProgrammSelbst();
};

void TestReiseBatch::zeilenformat()
{
    Ergebnis e;
    Etappe et;
    et.Gelaende = QStringLiteral("Wald");
    et.Unterart = QStringLiteral("Lichter Wald");
    e.Strecke.Etappen = {et, et};
    e.Strecke.Etappen[1].Gelaende = QStringLiteral("Grasland");
    e.Strecke.Etappen[1].Unterart.clear();
    Tag t1;
    t1.Nummer = 1;
    t1.Wetter.Text = QStringLiteral("Klar");
    t1.Wind = QStringLiteral("Windstill");
    t1.Temperatur = QStringLiteral("Kühl");
    t1.Gemacht = 18;
    t1.Rest = 30;
    t1.Ereignis = QStringLiteral("Ein Ereignis.");
    t1.Begegnung = Begegnungen::Begegnung{QStringLiteral("Wolf"), 3, 2};
    t1.Chance.Berechnet = true;
    t1.Chance.Sieg.Wert = 0.7244;
    Tag t2 = t1;
    t2.Nummer = 2;
    t2.Etappe = 1;
    t2.Rest = 0;
    t2.Chance.Berechnet = false; // a creature without odds, or no heroes
    Tag t3 = t2;
    t3.Nummer = 3;
    t3.Begegnung.reset();
    e.Tage = {t1, t2, t3};
    e.Proviant.Einkaeufe = {{QStringLiteral("Hafer, ein Sack"), 4, QStringLiteral("2S"), 200, 800, true},
                            {QStringLiteral("Zwieback"), 2, QString(), 0, 0, false}};
    e.Proviant.Summe = 12345;
    QCOMPARE(Ausgabezeilen(e), (QStringList{
                                   "Tag\t1\tWald (Lichter Wald)\tKlar\tWindstill\tKühl\t18\t30\tEin Ereignis.\t3× Wolf\t72,4 %",
                                   "Tag\t2\tGrasland\tKlar\tWindstill\tKühl\t18\t0\tEin Ereignis.\t3× Wolf\t",
                                   "Tag\t3\tGrasland\tKlar\tWindstill\tKühl\t18\t0\tEin Ereignis.\t\t",
                                   "Proviant\tHafer, ein Sack\t4\t2S",
                                   "Proviant\tZwieback\t2\t",
                                   "Summe\t12 Dukaten, 3 Silbertaler, 4 Heller, 5 Pfennig",
                               }));
}

void TestReiseBatch::falscheAngaben_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("meldung");
    const QStringList weg{"--von", "Möwenhafen", "--nach", "Eichenbrück", "--jahreszeit", "Sommer"};
    QTest::newRow("ohne Jahreszeit") << QStringList{"--meilen", "10", "--gelaende", "Wald"} << 2 << "fehlt --jahreszeit";
    QTest::newRow("unbekannte Jahreszeit") << QStringList{"--meilen", "10", "--gelaende", "Wald", "--jahreszeit", "Lenz"}
                                           << 2 << "Unbekannte Jahreszeit „Lenz“";
    QTest::newRow("von ohne nach") << QStringList{"--von", "Möwenhafen", "--gelaende", "Wald", "--jahreszeit", "Sommer"}
                                   << 2 << "braucht --von und --nach";
    QTest::newRow("Städte und Meilen") << weg + QStringList{"--meilen", "5", "--gelaende", "Wald"} << 2 << "nicht beides";
    QTest::newRow("weder noch") << QStringList{"--gelaende", "Wald", "--jahreszeit", "Sommer"} << 2 << "Aufruf: --reise";
    QTest::newRow("kein Gelände") << weg << 2 << "Bitte wählt eine Geländeart aus.";
    QTest::newRow("unbekannte Stadt") << QStringList{"--von", "Möwenhafen", "--nach", "Xanten", "--gelaende", "Wald",
                                                     "--jahreszeit", "Sommer"}
                                      << 2 << "Die Stadt „Xanten“ steht nicht in der Städteliste";
    QTest::newRow("zweimal dieselbe Stadt") << weg + QStringList{"--ueber", "Eichenbrück", "--gelaende", "Wald"} << 2
                                            << "Die Stadt „Eichenbrück“ steht zweimal hintereinander";
    QTest::newRow("Sumpf ohne Meilen pro Tag")
        << weg + QStringList{"--gelaende", "Sumpf"} << 2
        << "Für die Etappe 1 (Möwenhafen – Eichenbrück, Sumpf) kennt Tageslauf keine Geschwindigkeit zu Fuß; gebt an, "
           "wie viele Meilen die Gruppe dort am Tag schafft. (--meilen-pro-tag N)";
    QTest::newRow("0 Meilen") << QStringList{"--meilen", "0", "--gelaende", "Wald", "--jahreszeit", "Winter"} << 2
                              << "Die Etappe 1 ist 0 Meilen lang";
    QTest::newRow("über 365 Tage") << QStringList{"--von", "Möwenhafen", "--nach", "Dünenrast", "--jahreszeit", "Sommer",
                                                  "--gelaende", "Gebirge:Hochgebirge"}
                                   << 2 << "Die Reise dauert 708 Tage; Tageslauf plant höchstens 365 Tage.";
    QTest::newRow("keine Reisenden") << weg + QStringList{"--gelaende", "Wald", "--reisende", "0"} << 2
                                     << "„0“ ist zu klein für die Zahl der Reisenden";
    QTest::newRow("Meilen pro Tag keine Zahl") << weg + QStringList{"--gelaende", "Sumpf", "--meilen-pro-tag", "zehn"} << 2
                                               << "„zehn“ ist für die Meilen pro Tag keine gültige ganze Zahl";
    QTest::newRow("fehlende Aufstellung") << weg + QStringList{"--gelaende", "Wald", "--aufstellung", "@/fehlt.dat"} << 1
                                          << "fehlt.dat";
    QTest::newRow("Aufstellung ohne Helden") << weg + QStringList{"--gelaende", "Wald", "--aufstellung", "@/gegner.dat"} << 1
                                             << "hat keine Helden";
    QTest::newRow("ohne Ausgabe") << QStringList{"--meilen", "10", "--gelaende", "Wald", "--jahreszeit", "Winter"} << 2
                                  << "fehlt --ausgabe";
}

void TestReiseBatch::falscheAngaben()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, meldung);
    // Refused input writes nothing, so one installation serves every row.
    static TestInstallation inst;
    BattleEngine::Kampfstand gegner;
    gegner.Gegner.append(BattleEngine::Kaempfer{QStringLiteral("Wolf"), 8, 10, 6, 1, QStringLiteral("W6"), 2, 1, 20});
    QVERIFY(Aufstellung::Speichern(gegner, inst.Pfad(QStringLiteral("WBD/gegner.dat"))));
    for (QString& a : argumente)
        a.replace(QLatin1Char('@'), inst.Pfad(QStringLiteral("WBD")));
    const QString ausgabe = inst.Pfad(QStringLiteral("HTML/reise.html"));
    if (!meldung.startsWith(QLatin1String("fehlt --ausgabe")))
        argumente << QStringLiteral("--ausgabe") << ausgabe;
    Dialoge::Skript dialoge;
    const Batch::Ergebnis e = Lauf(argumente, 1);
    QCOMPARE(e.Status, status);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY2(dialoge.aufrufe.first().text.contains(meldung), qPrintable(dialoge.aufrufe.first().text));
    QVERIFY(!QFileInfo::exists(ausgabe));
}

void TestReiseBatch::kreuzprobe()
{
    TestInstallation inst;
    // Heroes with an edited value, and an enemy line the journey ignores.
    BattleEngine::Kampfstand aufstellung;
    BattleEngine::Kaempfer soeldner = Kreatur(QStringLiteral("Söldner"));
    soeldner.LE += 12;
    aufstellung.Helden = {soeldner, Kreatur(QStringLiteral("Zwergischer Bergwächter"))};
    aufstellung.Gegner = {Kreatur(QStringLiteral("Braunbär"))};
    const QString heldenDatei = inst.Pfad(QStringLiteral("WBD/helden.dat"));
    QVERIFY(Aufstellung::Speichern(aufstellung, heldenDatei));
    const QStringList argumente{"--von", "Möwenhafen", "--ueber", "Schieferhöh", "--nach", "Eichenbrück",
                                "--gelaende", "Straßen:Karrenweg", "--gelaende", "Gebirge", "--jahreszeit", "Herbst",
                                "--reisende", "2", "--beritten", "--aufstellung", heldenDatei,
                                "--ausgabe", inst.Pfad(QStringLiteral("HTML/reise.html"))};
    constexpr quint64 saat = 4;
    Dialoge::Skript dialoge;
    const Batch::Ergebnis lauf = Lauf(argumente, saat);
    QCOMPARE(lauf.Status, 0);

    // The engine with the same seed gives the same journey, and the batch lines are its lines.
    Plan plan;
    plan.Staedte = {"Möwenhafen", "Schieferhöh", "Eichenbrück"};
    plan.Etappen = {{"Straßen", "Karrenweg", false, 0}, {"Gebirge", "", false, 0}};
    plan.Saison = DayEngine::Jahreszeit::Herbst;
    plan.Beritten = true;
    plan.Reisende = 2;
    plan.Reittiere = 2;
    plan.Helden = aufstellung.Helden;
    Zufall::SaatSetzen(saat);
    QString fehler;
    const std::optional<Ergebnis> e = Planen(plan, saat, &fehler);
    Zufall::ProduktionSetzen();
    QVERIFY2(e, qPrintable(fehler));
    QCOMPARE(lauf.Ausgabe, Ausgabezeilen(*e));

    // Every leg's miles are Kartenblick3's distance between the two positions.
    for (const Etappe& et : e->Strecke.Etappen) {
        const KartenBatch::Ergebnis k = KartenBatch::Ausfuehren(
            {"--entfernung", QString::number(et.VonX), QString::number(et.VonY), QString::number(et.NachX),
             QString::number(et.NachY), "--karte", "gross"});
        QCOMPARE(k.Ausgabe, QStringList{QStringLiteral("Entfernung: %1 Meilen").arg(et.Meilen)});
    }

    // Every encounter's odds are Bestiar3 --chancen --seed S --kaempfe 10000 of the heroes against that group.
    int verglichen = 0;
    for (const Tag& t : e->Tage) {
        if (!t.Begegnung)
            continue;
        QVERIFY(t.Chance.Berechnet);
        BattleEngine::Kampfstand stand;
        stand.Helden = aufstellung.Helden;
        for (int i = 0; i < t.Begegnung->Anzahl; ++i)
            stand.Gegner.append(Kreatur(t.Begegnung->Name));
        const QString datei = inst.Pfad(QStringLiteral("WBD/begegnung.dat"));
        QVERIFY(Aufstellung::Speichern(stand, datei));
        Zufall::SaatSetzen(saat);
        const CreaturesBatch::Ergebnis c =
            CreaturesBatch::Ausfuehren({"--chancen", "--aufstellung", datei, "--kaempfe", "10000"});
        Zufall::ProduktionSetzen();
        QCOMPARE(c.Status, 0);
        using Gewinnchancen::Prozent;
        QCOMPARE(c.Ausgabe.value(2).section(QLatin1Char('\t'), 2),
                 QStringList({Prozent(t.Chance.Sieg.Wert), Prozent(t.Chance.Sieg.Unten), Prozent(t.Chance.Sieg.Oben)})
                     .join(QLatin1Char('\t')));
        QCOMPARE(c.Ausgabe.value(3).section(QLatin1Char('\t'), 2, 2), Prozent(t.Chance.Niederlage.Wert));
        ++verglichen;
    }
    QVERIFY2(verglichen >= 2, qPrintable(QString::number(verglichen)));

    // Every price is the catalogue's.
    QVERIFY(!e->Proviant.Einkaeufe.isEmpty());
    for (const Reiseproviant::Einkauf& k : e->Proviant.Einkaeufe) {
        const WarehouseBatch::Ergebnis w = WarehouseBatch::Ausfuehren({"--details", "Alles", k.Ware});
        QCOMPARE(w.Status, 0);
        QCOMPARE(w.Ausgabe.value(0), k.Ware);
        QCOMPARE(k.Stueckpreis, Geld::Pfennig(w.Ausgabe.value(3), w.Ausgabe.value(4)));
        QCOMPARE(k.Summe, k.Menge * k.Stueckpreis);
    }
    QVERIFY(dialoge.aufrufe.isEmpty());

    // The page: Windows-1252, the head, a row a day, the odds, the provisions, the map inside it.
    const QByteArray seite = inst.Bytes(QStringLiteral("HTML/reise.html"));
    QVERIFY(!Zeilendatei::IstUtf8(seite));
    const QString text = Zeilendatei::AusCodepage(seite);
    QVERIFY(text.contains(QStringLiteral("<H1>Reise von Möwenhafen nach Eichenbrück</H1>")));
    QVERIFY(text.contains(QStringLiteral("<B>Route: </B> Möwenhafen – Schieferhöh – Eichenbrück</BR>")));
    QVERIFY(text.contains(QStringLiteral("<B>Reisetage: </B> %1</BR>").arg(e->Strecke.Tage)));
    QVERIFY(text.contains(QStringLiteral("<B>Reiseart: </B> beritten</BR>")));
    QVERIFY(text.contains(QStringLiteral("<B>Seed: </B> 4</BR>")));
    const QString tage = text.section(QStringLiteral("<H2>Tag für Tag</H2>"), 1).section(QStringLiteral("</table>"), 0, 0);
    QCOMPARE(tage.count(QStringLiteral("<tr>")), e->Strecke.Tage + 1);
    for (const Tag& t : e->Tage)
        if (t.Begegnung)
            QVERIFY(text.contains(Gewinnchancen::Prozent(t.Chance.Sieg.Unten) + QStringLiteral(" – ")
                                  + Gewinnchancen::Prozent(t.Chance.Sieg.Oben)));
    QVERIFY(text.contains(QStringLiteral("<B>Gesamt: </B> %1</BR>").arg(Geld::Summe(e->Proviant.Summe))));
    const QString bild = text.section(QStringLiteral("data:image/png;base64,"), 1).section(QLatin1Char('"'), 0, 0);
    QImage karte;
    QVERIFY(karte.loadFromData(QByteArray::fromBase64(bild.toLatin1()), "PNG"));
    QVERIFY(karte.width() >= 400 && karte.height() >= 300);
}

void TestReiseBatch::fehlendeKreaturEinmalGemeldet()
{
    TestInstallation inst;
    inst.ZeilenSchreiben(QStringLiteral("Data/Day/Begegnungen/Steppe.dat"), {"Chance 100", "Wolff\t2\t1"});
    BattleEngine::Kampfstand helden;
    helden.Helden = {Kreatur(QStringLiteral("Söldner"))};
    QVERIFY(Aufstellung::Speichern(helden, inst.Pfad(QStringLiteral("WBD/helden.dat"))));
    Dialoge::Skript dialoge;
    const Batch::Ergebnis f = Lauf({"--meilen", "270", "--gelaende", "Steppe", "--jahreszeit", "Winter", "--aufstellung",
                                    inst.Pfad(QStringLiteral("WBD/helden.dat")), "--ausgabe",
                                    inst.Pfad(QStringLiteral("HTML/r.html"))},
                                   3);
    QCOMPARE(f.Status, 0);
    // Ten days, each with the unknown creature, none with odds; said once, and once on the page.
    const QString meldung = QStringLiteral("Die Kreatur „Wolff“ aus Begegnungen\\Steppe.dat steht nicht in der "
                                           "Kreaturendatenbank; eine Begegnung mit ihr hat keine Gewinnchance.");
    QCOMPARE(dialoge.Texte().count(meldung), 1);
    QCOMPARE(f.Ausgabe.filter(QStringLiteral("\t2× Wolff\t")).size(), 10);
    for (const QString& zeile : f.Ausgabe.filter(QStringLiteral("Tag\t")))
        QVERIFY(zeile.endsWith(QLatin1Char('\t')));
    QCOMPARE(Zeilendatei::AusCodepage(inst.Bytes(QStringLiteral("HTML/r.html"))).count(meldung), 1);
}

void TestReiseBatch::dasProgrammSelbst()
{
    TestInstallation inst;
    const QString programm = inst.Pfad(QStringLiteral("Tageslauf3"));
    QVERIFY(QFile::copy(QStringLiteral(TAGESLAUF3_PROGRAMM), programm));
    QFile(programm).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // No display and no platform given: the map is drawn all the same.
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QStringList argumente{"--reise", "--von", "Dünenrast", "--nach", "Hirsefeld", "--gelaende", "Wüste",
                                "--jahreszeit", "Sommer", "--seed", "77"};
    // The page to standard output, the lines to standard error; the same seed, the same journey and page.
    const Programmlauf a = ProgrammStarten(programm, argumente + QStringList{"--ausgabe", "-"}, umgebung);
    QCOMPARE(a.status, 0);
    QVERIFY(a.rohausgabe.startsWith("<html>\r\n"));
    QVERIFY(a.rohausgabe.contains("<img src=\"data:image/"));
    const QString datei = inst.Pfad(QStringLiteral("HTML/r.html"));
    const Programmlauf b = ProgrammStarten(programm, argumente + QStringList{"--ausgabe", datei}, umgebung);
    QCOMPARE(b.status, 0);
    QVERIFY(b.fehler.isEmpty());
    QCOMPARE(inst.Bytes(QStringLiteral("HTML/r.html")), a.rohausgabe);
    QVERIFY2(b.ausgabe.startsWith(QStringLiteral("Tag\t1\tWüste (Geröllfelder)\t")), qPrintable(b.ausgabe));
    QCOMPARE(a.fehler, b.ausgabe);
    const Programmlauf hilfe = ProgrammStarten(programm, {"--help"}, umgebung);
    QVERIFY(hilfe.ausgabe.contains(QStringLiteral("--reise (--von STADT --nach STADT")));
}

// The map is drawn with fonts: a QGuiApplication.
QTEST_MAIN(TestReiseBatch)
#include "test_reise_batch.moc"
