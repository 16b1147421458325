// The battle engine with scripted rolls: fitness of creatures, the initiative order, targets, attacks,
// parries, damage, deaths, the break-off and the report.
#include "BattleEngine.h"
#include "CreaturesTestHilfe.h"
#include "Kreaturentabelle.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <limits>
#include <random>

using namespace BattleEngine;
using CreaturesTest::Figur;

namespace {

const QString kNbsp10 = QStringLiteral("&nbsp;").repeated(10);
const QString kNbsp20 = QStringLiteral("&nbsp;").repeated(20);
const QString kNbsp30 = QStringLiteral("&nbsp;").repeated(30);

struct Bericht {
    Sieger sieger = Sieger::Keiner;
    QStringList zeilen;      // every line of the report
    QStringList protokoll;   // the log lines, without "</BR>"
    QStringList ueberlebende; // "H:Name" / "G:Name" from the survivors' tables
    QList<QPair<int, int>> fortschritt;
};

Kampfstand Stand(const QList<BattleEngine::Kaempfer>& helden, const QList<BattleEngine::Kaempfer>& gegner)
{
    Kampfstand stand;
    for (const auto& k : helden)
        Aufnehmen(stand, Gruppe::Helden, k);
    for (const auto& k : gegner)
        Aufnehmen(stand, Gruppe::Gegner, k);
    return stand;
}

Bericht Spielen(Kampfstand& stand)
{
    Bericht b;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    b.sieger = Kampf(stand, puffer, [&b](int wert, int maximum) {
        if (b.fortschritt.isEmpty() || b.fortschritt.last() != qMakePair(wert, maximum))
            b.fortschritt.append({wert, maximum});
    });
    const QString text = Zeilendatei::AusCodepage(puffer.data());
    if (!text.endsWith(QStringLiteral("\r\n")))
        qWarning("Der Bericht endet nicht mit CR LF");
    b.zeilen = text.split(QStringLiteral("\r\n"));
    b.zeilen.removeLast();
    bool ende = false;
    QString gruppe;
    for (qsizetype i = 0; i < b.zeilen.size(); ++i) {
        const QString& z = b.zeilen[i];
        if (z == QStringLiteral("<H1>Zustand aller Überlebenden</H1>"))
            ende = true;
        if (z == QStringLiteral("<H1>Heldengruppe</H1>"))
            gruppe = QStringLiteral("H:");
        if (z == QStringLiteral("<H1>Gegnergruppe</H1>"))
            gruppe = QStringLiteral("G:");
        if (z.endsWith(QStringLiteral("</BR>")) && z != QStringLiteral("</BR>"))
            b.protokoll.append(z.chopped(5));
        const QString zelle = QStringLiteral("<td width=\"25%\"><small><font face=\"Arial\">");
        if (ende && z == QStringLiteral("<tr>") && i + 1 < b.zeilen.size() && b.zeilen[i + 1].startsWith(zelle))
            b.ueberlebende.append(gruppe + b.zeilen[i + 1].mid(zelle.size()).section(QLatin1Char('<'), 0, 0));
    }
    return b;
}

void SkriptPruefen(const Zufall::Skript& skript)
{
    QVERIFY2(skript.Fehler().isEmpty(), qPrintable(skript.Fehler().join(QStringLiteral("; "))));
    QCOMPARE(skript.Uebrig(), qsizetype(0));
}

QStringList Schluessel(const Kampfstand& stand)
{
    QStringList s;
    for (const Platz& p : stand.Reihenfolge)
        s.append(BattleEngine::Schluessel(p));
    return s;
}

} // namespace

class TestCreaturesKampf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Turning creatures into fighters.
    void tauglich_data();
    void tauglich();
    void werteWerdenGerundet();
    void gelieferteKreaturenSindKampftauglich();

    // The initiative order.
    void reihenfolge_data();
    void reihenfolge();
    void inReihenfolge();
    void reihenfolgeWieWiederholteAuswahl();

    // Targets.
    void dreiHeldenGegenEinenGegner();
    void einHeldGegenDreiGegner();
    void totAmAnfangWirdNieZiel();

    // Attacks, parries, damage and deaths.
    void vierZeilenKampfByteFuerByte();
    void schaden_data();
    void schaden();
    void paradenInnerhalbEinerRunde();
    void gestorbenVorDemZugHandeltNicht();

    // How a fight ends.
    void abbruchNachTausendRundenOhneVerlust_data();
    void abbruchNachTausendRundenOhneVerlust();
    void verlustSetztDieZaehlungZurueck();
    void toteGruppenKaempfenNicht_data();
    void toteGruppenKaempfenNicht();
    void gleicherSeedGleicherBericht();
    void mitUndOhneBerichtGleich_data();
    void mitUndOhneBerichtGleich();
    void berichtInDateiGeschlossen();
    void berichtNichtSchreibbar();
};

void TestCreaturesKampf::tauglich_data()
{
    QTest::addColumn<int>("feld");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<bool>("tauglich");
    QTest::newRow("vollständig") << 13 << "12" << true;
    QTest::newRow("keine Würfelzahl") << 11 << "" << false;
    QTest::newRow("Würfelzahl keine Zahl") << 11 << "zwei" << false;
    QTest::newRow("keine Würfelart") << 54 << "-1" << false;
    QTest::newRow("Würfelart leer") << 54 << "" << false;
    QTest::newRow("Würfelart 9") << 54 << "9" << false;
    QTest::newRow("Würfelart SP") << 54 << "6" << true;
    QTest::newRow("MU leer") << 29 << "" << false;
    QTest::newRow("AT Text") << 13 << "hoch" << false;
    QTest::newRow("PA zu groß") << 28 << "32768" << false;
    QTest::newRow("RS zu klein") << 26 << "-32769" << false;
    QTest::newRow("LE größte") << 30 << "32767" << true;
    QTest::newRow("LE kleinste") << 30 << "-32768" << true;
    QTest::newRow("LE 40000") << 30 << "40000" << false;
    QTest::newRow("Bonus leer") << 12 << "" << false;
    QTest::newRow("Bonus negativ") << 12 << "-2" << true;
    QTest::newRow("Bonus mit Komma") << 12 << "1,5" << true;
    QTest::newRow("MU zwei Kommas") << 29 << "1,5,2" << false;
    QTest::newRow("MU Zeichen in der Mitte") << 29 << "1-2" << false;
}

void TestCreaturesKampf::tauglich()
{
    QFETCH(int, feld);
    QFETCH(QString, wert);
    QFETCH(bool, tauglich);
    QStringList kreatur = CreaturesTest::Kreatur(QStringLiteral("Grauwolf"));
    kreatur[feld] = wert;
    QString meldung;
    const auto k = KaempferAus(kreatur, &meldung);
    QCOMPARE(k.has_value(), tauglich);
    if (!tauglich) {
        QVERIFY(meldung.startsWith(QStringLiteral("Diese Kreatur („Grauwolf“) ist momentan nicht kampftauglich, ihr "
                                                  "müsst ihre Werte verändern.")));
    } else {
        QVERIFY(meldung.isEmpty());
        QCOMPARE(k->Name, QStringLiteral("Grauwolf"));
    }
}

void TestCreaturesKampf::werteWerdenGerundet()
{
    QStringList kreatur = CreaturesTest::Kreatur(QStringLiteral("Wolf"));
    kreatur[29] = QStringLiteral("12,5"); // MU
    kreatur[13] = QStringLiteral("13.5"); // AT
    kreatur[28] = QStringLiteral(" 7 ");  // PA
    kreatur[11] = QStringLiteral("2");
    kreatur[12] = QStringLiteral("-3");
    kreatur[54] = QStringLiteral("4");
    const auto k = KaempferAus(kreatur);
    QVERIFY(k);
    QCOMPARE(k->MU, qint64(12));
    QCOMPARE(k->AT, qint64(14));
    QCOMPARE(k->PA, qint64(7));
    QCOMPARE(k->Anzahl, qint64(2));
    QCOMPARE(k->Bonus, qint64(-3));
    QCOMPARE(k->Wuerfel, QStringLiteral("W10"));
    QCOMPARE(k->LE, qint64(20));
    QCOMPARE(k->RS, qint64(1));
    QCOMPARE(k->Ziel, -1);
    QVERIFY(!k->Pariert);
}

void TestCreaturesKampf::gelieferteKreaturenSindKampftauglich()
{
    TestInstallation installation;
    Kreaturentabellen::Kreaturentabelle tabelle;
    QCOMPARE(Kreaturentabellen::Laden(tabelle).Status, Kreaturentabellen::Ladestatus::Gelesen);
    QVERIFY(tabelle.Anzahl() >= 40);
    for (const QStringList& zeile : tabelle.Zeilen) {
        QString meldung;
        QVERIFY2(KaempferAus(zeile, &meldung), qPrintable(meldung));
    }
}

void TestCreaturesKampf::reihenfolge_data()
{
    QTest::addColumn<QList<int>>("heldenMU");
    QTest::addColumn<QList<int>>("gegnerMU");
    QTest::addColumn<QList<int>>("toteHelden");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("nach MU") << QList<int>{3, 9} << QList<int>{5} << QList<int>{} << QStringList{"01", "10", "00"};
    // Equal MU: the higher index first, at equal index the enemy before the hero.
    QTest::newRow("gleicher MU") << QList<int>{7, 7} << QList<int>{7} << QList<int>{} << QStringList{"01", "10", "00"};
    QTest::newRow("alle gleich") << QList<int>{4, 4} << QList<int>{4, 4}
                                 << QList<int>{} << QStringList{"11", "01", "10", "00"};
    QTest::newRow("MU 0 zählt") << QList<int>{0} << QList<int>{0} << QList<int>{} << QStringList{"10", "00"};
    // A negative MU comes after every other, by the same rule among themselves.
    QTest::newRow("negativer MU zuletzt") << QList<int>{-1, 2} << QList<int>{-5, 0}
                                          << QList<int>{} << QStringList{"01", "11", "00", "10"};
    QTest::newRow("negativ gleich") << QList<int>{-3} << QList<int>{-3} << QList<int>{} << QStringList{"10", "00"};
    QTest::newRow("Tote fehlen") << QList<int>{9, 8, 7} << QList<int>{1} << QList<int>{0, 2}
                                 << QStringList{"01", "10"};
    QTest::newRow("Index über 9") << QList<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << QList<int>{2}
                                  << QList<int>{} << QStringList{"10", "011", "010", "09", "08", "07", "06", "05",
                                                                 "04", "03", "02", "01", "00"};
}

void TestCreaturesKampf::reihenfolge()
{
    QFETCH(QList<int>, heldenMU);
    QFETCH(QList<int>, gegnerMU);
    QFETCH(QList<int>, toteHelden);
    QFETCH(QStringList, erwartet);
    Kampfstand stand;
    for (int i = 0; i < heldenMU.size(); ++i)
        Aufnehmen(stand, Gruppe::Helden, Figur(QStringLiteral("H%1").arg(i), heldenMU[i], 10, 0,
                                                  toteHelden.contains(i) ? 0 : 10));
    for (int i = 0; i < gegnerMU.size(); ++i)
        Aufnehmen(stand, Gruppe::Gegner, Figur(QStringLiteral("G%1").arg(i), gegnerMU[i], 10, 0, 10));
    ReihenfolgeBestimmen(stand);
    QCOMPARE(Schluessel(stand), erwartet);
}

void TestCreaturesKampf::inReihenfolge()
{
    Kampfstand stand = Stand({Figur(QStringLiteral("A"), 5, 10, 0, 10), Figur(QStringLiteral("B"), 5, 10, 0, 0)},
                             {Figur(QStringLiteral("C"), 5, 10, 0, 10)});
    QVERIFY(!InReihenfolge(stand, QStringLiteral("00")));
    ReihenfolgeBestimmen(stand);
    QVERIFY(InReihenfolge(stand, QStringLiteral("00")));
    QVERIFY(InReihenfolge(stand, QStringLiteral("10")));
    QVERIFY(!InReihenfolge(stand, QStringLiteral("01")));
    QVERIFY(!InReihenfolge(stand, QStringLiteral("11")));
}

void TestCreaturesKampf::reihenfolgeWieWiederholteAuswahl()
{
    // The order of many random groups (small MU ranges for many ties, negative MU, dead members) compared
    // with the selection rule carried out step by step: scan hero 0, enemy 0, hero 1 ...; a living member
    // not yet placed is a candidate when its MU is at least the best so far (from 0); the last one wins.
    const auto auswahl = [](const Kampfstand& stand) {
        QStringList reihenfolge;
        const int n = qMax(stand.AnzahlHelden(), stand.AnzahlGegner());
        for (;;) {
            QString gewaehlt;
            for (const qint64 start : {qint64(0), std::numeric_limits<qint64>::min()}) {
                qint64 beste = start;
                for (int i = 0; i < n; ++i) {
                    for (int g = 0; g < 2; ++g) {
                        const QList<BattleEngine::Kaempfer>& gruppe = g == 0 ? stand.Helden : stand.Gegner;
                        const QString schluessel = QString::number(g) + QString::number(i);
                        if (i < gruppe.size() && gruppe[i].LE >= 1 && !reihenfolge.contains(schluessel)
                            && gruppe[i].MU >= beste) {
                            beste = gruppe[i].MU;
                            gewaehlt = schluessel;
                        }
                    }
                }
                if (!gewaehlt.isEmpty())
                    break;
            }
            if (gewaehlt.isEmpty())
                return reihenfolge;
            reihenfolge.append(gewaehlt);
        }
    };
    std::mt19937 zufall(20240);
    for (int fall = 0; fall < 300; ++fall) {
        Kampfstand stand;
        const int helden = int(zufall() % 13);
        const int gegner = int(zufall() % 13);
        for (int g = 0; g < 2; ++g)
            for (int i = 0; i < (g == 0 ? helden : gegner); ++i)
                Aufnehmen(stand, Gruppe(g), Figur(QStringLiteral("K"), qint64(zufall() % 7) - 3, 10, 0,
                                                  zufall() % 5 == 0 ? 0 : 10));
        ReihenfolgeBestimmen(stand);
        QCOMPARE(Schluessel(stand), auswahl(stand));
    }
}

void TestCreaturesKampf::dreiHeldenGegenEinenGegner()
{
    Kampfstand stand = Stand({Figur(QStringLiteral("H0"), 5, 10, 0, 10), Figur(QStringLiteral("H1"), 5, 10, 0, 10),
                              Figur(QStringLiteral("H2"), 5, 10, 0, 10)},
                             {Figur(QStringLiteral("G0"), 5, 10, 0, 10)});
    stand.LebendeHelden = 3;
    stand.LebendeGegner = 1;
    {
        // The heroes are the larger group: each draws from the one enemy; the enemy faces hero 0.
        Zufall::Skript skript({1, 1, 1});
        ZieleZuweisen(stand);
        SkriptPruefen(skript);
        QCOMPARE(skript.Angefragt(), (QList<int>{1, 1, 1}));
    }
    for (const auto& h : stand.Helden)
        QCOMPARE(h.Ziel, 0);
    QCOMPARE(stand.Gegner[0].Ziel, 0);
    QVERIFY(!stand.ErsteZuweisung);

    // Hero 0 dies: the enemy's target is cleared and drawn anew among the living heroes.
    stand.Helden[0].LE = 0;
    stand.LebendeHelden = 2;
    {
        Zufall::Skript skript({1, 1, 3});
        ZieleZuweisen(stand);
        SkriptPruefen(skript);
        QCOMPARE(skript.Angefragt(), (QList<int>{3, 3, 3}));
    }
    QCOMPARE(stand.Gegner[0].Ziel, 2);
    QCOMPARE(stand.Helden[1].Ziel, 0);
    QCOMPARE(stand.Helden[2].Ziel, 0);
}

void TestCreaturesKampf::einHeldGegenDreiGegner()
{
    Kampfstand stand = Stand({Figur(QStringLiteral("H0"), 5, 10, 0, 10)},
                             {Figur(QStringLiteral("G0"), 5, 10, 0, 10), Figur(QStringLiteral("G1"), 5, 10, 0, 10),
                              Figur(QStringLiteral("G2"), 5, 10, 0, 10)});
    stand.LebendeHelden = 1;
    stand.LebendeGegner = 3;
    {
        Zufall::Skript skript({1, 1, 1});
        ZieleZuweisen(stand);
        SkriptPruefen(skript);
    }
    for (const auto& g : stand.Gegner)
        QCOMPARE(g.Ziel, 0);
    QCOMPARE(stand.Helden[0].Ziel, 0);

    // Enemy 0 dies: the hero draws a random living enemy.
    stand.Gegner[0].LE = -3;
    stand.LebendeGegner = 2;
    {
        Zufall::Skript skript({1, 2});
        ZieleZuweisen(stand);
        SkriptPruefen(skript);
        QCOMPARE(skript.Angefragt(), (QList<int>{3, 3}));
    }
    QCOMPARE(stand.Helden[0].Ziel, 1);
    QCOMPARE(stand.Gegner[1].Ziel, 0);
    QCOMPARE(stand.Gegner[2].Ziel, 0);
}

void TestCreaturesKampf::totAmAnfangWirdNieZiel()
{
    // Hero 0 is dead from the start: not placed, not counted, not listed, never attacked.
    Kampfstand stand = Stand({Figur(QStringLiteral("Leiche"), 20, 20, 0, 0), Figur(QStringLiteral("Held"), 10, 20, 0, 30)},
                             {Figur(QStringLiteral("Gegner"), 5, 20, 0, 1)});
    // Targets: the dead hero 0 draws its own (it never acts), the enemy faces no dead hero but draws hero 1.
    // Then the pass: hero 1 hits (10), the parry fails (15), 5 points kill.
    Zufall::Skript skript({1, 1, 2, 1, 10, 15});
    const Bericht b = Spielen(stand);
    SkriptPruefen(skript);
    QCOMPARE(b.sieger, Sieger::Helden);
    QCOMPARE(skript.Angefragt(), (QList<int>{1, 2, 2, 1, 20, 20}));
    QCOMPARE(Schluessel(stand), (QStringList{"01", "10"}));
    QCOMPARE(b.protokoll.first(), QStringLiteral("Held's Attacke war erfolgreich."));
    QVERIFY(!b.zeilen.join(QLatin1Char('\n')).contains(QStringLiteral("Leiche")));
    QCOMPARE(b.ueberlebende, QStringList{QStringLiteral("H:Held")});
}

void TestCreaturesKampf::vierZeilenKampfByteFuerByte()
{
    // One hero that always hits with 5 fixed points against an enemy that cannot parry and has 1 LE.
    Kampfstand stand = Stand({Figur(QStringLiteral("Held"), 10, 20, 5, 30, 0, 5, QStringLiteral("SP"))},
                             {Figur(QStringLiteral("Gegner"), 5, 10, 0, 1, 0, 1, QStringLiteral("SP"))});
    Zufall::Skript skript({1, 7, 13});
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QCOMPARE(Kampf(stand, puffer), Sieger::Helden);
    SkriptPruefen(skript);

    const QString tabelle = QStringLiteral("<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\" cellspacing=\"0 6 \" "
                                           "bordercolorlight=\"#FFFFFF\" bordercolordark=\"#C0C0C0\">");
    const auto kopf = [&](const QString& titel) {
        QStringList z{QStringLiteral("<H1>") + titel + QStringLiteral("</H1>"), tabelle, QStringLiteral("<tr>")};
        for (const char* k : {"Name", "MU", "AT", "PA", "Schaden", "RS", "LE"})
            z.append(QStringLiteral("<TD bgcolor=white FontColor=black><b>%1</b></TD>").arg(QLatin1String(k)));
        z.append(QStringLiteral("</tr>"));
        return z;
    };
    const auto zelle = [](const QString& text, const QString& breite) {
        return QStringLiteral("<td width=\"%1\"><small><font face=\"Arial\">%2</font></small></td>").arg(breite, text);
    };
    const auto reihe = [&](const QStringList& w) {
        return QStringList{QStringLiteral("<tr>"), zelle(w[0], "25%"), zelle(w[1], "10%"), zelle(w[2], "10%"),
                           zelle(w[3], "10%"), zelle(w[4], "25%"), zelle(w[5], "10%"), zelle(w[6], "10%"),
                           QStringLiteral("</tr>")};
    };
    const QStringList held = reihe({"Held", "10", "20", "5", "5SP+0", "0", "30"});
    QStringList erwartet;
    erwartet << kopf("Heldengruppe") << held << "</table>" << kopf("Gegnergruppe")
             << reihe({"Gegner", "5", "10", "0", "1SP+0", "0", "1"}) << "</table>" << "</BR>" << "</BR>" << "</BR>";
    erwartet << "Held's Attacke war erfolgreich.</BR>"
             << kNbsp10 + "Gegner's Parade ist misslungen oder hat bereits pariert.</BR>"
             << kNbsp20 + "Held verursacht 5 Schadenspunkte.</BR>" << kNbsp30 + "Gegner stirbt</BR>";
    erwartet << "</BR>" << "</BR>" << "</BR>" << "<H1>Zustand aller Überlebenden</H1>";
    erwartet << kopf("Heldengruppe") << held << "</table>" << kopf("Gegnergruppe") << "</table>" << "</BR>" << "</BR>"
             << "</BR>";
    QByteArray bytes;
    for (const QString& z : erwartet)
        bytes += Zeilendatei::InCodepage(z) + "\r\n";
    QCOMPARE(puffer.data(), bytes);
}

void TestCreaturesKampf::schaden_data()
{
    // Hero 0 strikes once at the enemy (PA 10, LE 1); when it deals no damage, hero 1 finishes the enemy with
    // fixed points, and its hit cannot be parried because the enemy's parry has already failed.
    QTest::addColumn<qint64>("anzahl");
    QTest::addColumn<QString>("wuerfel");
    QTest::addColumn<qint64>("bonus");
    QTest::addColumn<qint64>("rs");
    QTest::addColumn<bool>("gut");
    QTest::addColumn<int>("wurf");   // the damage die, 0 when none is rolled
    QTest::addColumn<int>("seiten"); // the sides asked for it
    QTest::addColumn<qint64>("schaden");
    QTest::newRow("2W6+3") << qint64(2) << "W6" << qint64(3) << qint64(0) << false << 5 << 6 << qint64(13);
    QTest::newRow("nur ein Würfel, mal Anzahl") << qint64(3) << "W4" << qint64(0) << qint64(0) << false << 3 << 4 << qint64(9);
    QTest::newRow("Rüstung zieht ab") << qint64(1) << "W10" << qint64(2) << qint64(4) << false << 9 << 10 << qint64(7);
    QTest::newRow("5 gegen RS 7 gibt 0") << qint64(1) << "W6" << qint64(0) << qint64(7) << false << 5 << 6 << qint64(0);
    QTest::newRow("W2") << qint64(1) << "W2" << qint64(0) << qint64(0) << false << 2 << 2 << qint64(2);
    QTest::newRow("W3") << qint64(2) << "W3" << qint64(1) << qint64(0) << false << 3 << 3 << qint64(7);
    QTest::newRow("W20") << qint64(1) << "W20" << qint64(0) << qint64(1) << false << 20 << 20 << qint64(19);
    QTest::newRow("negative Würfelzahl gibt 0") << qint64(-3) << "W6" << qint64(0) << qint64(0) << false << 6 << 6 << qint64(0);
    QTest::newRow("SP ohne Bonus und Rüstung") << qint64(5) << "SP" << qint64(9) << qint64(4) << false << 0 << 0 << qint64(5);
    QTest::newRow("negative SP geben 0") << qint64(-5) << "SP" << qint64(0) << qint64(0) << false << 0 << 0 << qint64(0);
    // A good attack: W20 plus the bonus; neither armour nor the weapon's dice count.
    QTest::newRow("gute Attacke") << qint64(4) << "W6" << qint64(2) << qint64(10) << true << 8 << 20 << qint64(10);
    QTest::newRow("gute Attacke mit -20 heilt nicht") << qint64(1) << "W6" << qint64(-20) << qint64(0) << true << 8 << 20
                                                      << qint64(0);
    // Wide arithmetic: 30000W20+30000 does not overflow.
    QTest::newRow("30000W20+30000") << qint64(30000) << "W20" << qint64(30000) << qint64(0) << false << 20 << 20
                                    << qint64(630000);
}

void TestCreaturesKampf::schaden()
{
    QFETCH(qint64, anzahl);
    QFETCH(QString, wuerfel);
    QFETCH(qint64, bonus);
    QFETCH(qint64, rs);
    QFETCH(bool, gut);
    QFETCH(int, wurf);
    QFETCH(int, seiten);
    QFETCH(qint64, schaden);
    Kampfstand stand = Stand({Figur(QStringLiteral("Prüfling"), 12, 20, 0, 10, 0, anzahl, wuerfel, bonus),
                              Figur(QStringLiteral("Helfer"), 11, 20, 0, 10, 0, 32767, QStringLiteral("SP"))},
                             {Figur(QStringLiteral("Ziel"), 5, 20, 10, 1, rs)});
    // Targets (both heroes draw the one enemy), attack roll, parry roll (a good attack's is doubled: 2 x 10
    // = 20 > PA 10), the damage die.
    QList<int> wuerfe{1, 1, gut ? 1 : 10, gut ? 10 : 15};
    QList<int> angefragt{1, 1, 20, 20};
    if (wurf > 0) {
        wuerfe.append(wurf);
        angefragt.append(seiten);
    }
    if (schaden == 0) {
        // The helper's attack: hit, a parry roll that would succeed but the parry has already failed.
        wuerfe << 10 << 3;
        angefragt << 20 << 20;
    }
    Zufall::Skript skript(wuerfe);
    const Bericht b = Spielen(stand);
    SkriptPruefen(skript);
    QCOMPARE(skript.Angefragt(), angefragt);
    QCOMPARE(b.sieger, Sieger::Helden);
    QCOMPARE(b.protokoll[0], gut ? QStringLiteral("Prüfling schlägt eine gute Attacke.")
                                 : QStringLiteral("Prüfling's Attacke war erfolgreich."));
    QCOMPARE(b.protokoll[1], kNbsp10 + QStringLiteral("Ziel's Parade ist misslungen oder hat bereits pariert."));
    QCOMPARE(b.protokoll[2], kNbsp20 + QStringLiteral("Prüfling verursacht %1 Schadenspunkte.").arg(schaden));
    if (schaden > 0) {
        QCOMPARE(b.protokoll.size(), 4);
    } else {
        QCOMPARE(b.protokoll.mid(3), (QStringList{QStringLiteral("Helfer's Attacke war erfolgreich."),
                                                  kNbsp10 + QStringLiteral("Ziel's Parade ist misslungen oder hat bereits pariert."),
                                                  kNbsp20 + QStringLiteral("Helfer verursacht 32767 Schadenspunkte."),
                                                  kNbsp30 + QStringLiteral("Ziel stirbt")}));
    }
    QCOMPARE(b.protokoll.last(), kNbsp30 + QStringLiteral("Ziel stirbt"));
}

void TestCreaturesKampf::paradenInnerhalbEinerRunde()
{
    // One hero (AT 20, 1W6) against an enemy that parries on 10 or less and never hits (AT 0).
    Kampfstand stand = Stand({Figur(QStringLiteral("Held"), 10, 20, 0, 30, 0, 1, QStringLiteral("W6"))},
                             {Figur(QStringLiteral("Fels"), 5, 0, 10, 10)});
    Zufall::Skript skript({1,
                           10, 15, 2, 20,  // pass 1: the parry fails, 2 points; the enemy misses
                           10, 5, 20,      // pass 2: the enemy may parry again, and does
                           1, 10, 8});     // pass 3: a good attack, 2 x 10 = 20 is too much for PA 10, W20 = 8
    const Bericht b = Spielen(stand);
    SkriptPruefen(skript);
    QCOMPARE(b.protokoll, (QStringList{QStringLiteral("Held's Attacke war erfolgreich."),
                                       kNbsp10 + QStringLiteral("Fels's Parade ist misslungen oder hat bereits pariert."),
                                       kNbsp20 + QStringLiteral("Held verursacht 2 Schadenspunkte."),
                                       QStringLiteral("Fels's Attacke ist misslungen."),
                                       QStringLiteral("Held's Attacke war erfolgreich."),
                                       kNbsp10 + QStringLiteral("Fels pariert den Angriff."),
                                       QStringLiteral("Fels's Attacke ist misslungen."),
                                       QStringLiteral("Held schlägt eine gute Attacke."),
                                       kNbsp10 + QStringLiteral("Fels's Parade ist misslungen oder hat bereits pariert."),
                                       kNbsp20 + QStringLiteral("Held verursacht 8 Schadenspunkte."),
                                       kNbsp30 + QStringLiteral("Fels stirbt")}));
    // A good attack is a roll of 1 even against an AT below 1.
    Kampfstand zweiter = Stand({Figur(QStringLiteral("Tölpel"), 10, 0, 0, 30)}, {Figur(QStringLiteral("Opfer"), 5, 0, 0, 1)});
    Zufall::Skript wuerfe({1, 1, 1, 4});
    const Bericht c = Spielen(zweiter);
    SkriptPruefen(wuerfe);
    QCOMPARE(c.protokoll.first(), QStringLiteral("Tölpel schlägt eine gute Attacke."));
    QCOMPARE(c.sieger, Sieger::Helden);
}

void TestCreaturesKampf::gestorbenVorDemZugHandeltNicht()
{
    Kampfstand stand = Stand({Figur(QStringLiteral("Held"), 10, 20, 0, 30)},
                             {Figur(QStringLiteral("Flink"), 5, 10, 0, 1), Figur(QStringLiteral("Langsam"), 4, 10, 0, 1)});
    Zufall::Skript skript({1, 1,        // the enemies are the larger group: each draws the hero; the hero faces enemy 0
                           10, 15,      // the hero kills enemy 0 before its turn
                           1, 2,        // new target for the hero: a draw of the dead enemy 0, then enemy 1
                           20,          // enemy 1 misses
                           10, 15});    // pass 2: the dead enemy is no longer in the order; the hero kills enemy 1
    const Bericht b = Spielen(stand);
    SkriptPruefen(skript);
    QCOMPARE(skript.Angefragt(), (QList<int>{1, 1, 20, 20, 2, 2, 20, 20, 20}));
    QCOMPARE(b.protokoll, (QStringList{QStringLiteral("Held's Attacke war erfolgreich."),
                                       kNbsp10 + QStringLiteral("Flink's Parade ist misslungen oder hat bereits pariert."),
                                       kNbsp20 + QStringLiteral("Held verursacht 5 Schadenspunkte."),
                                       kNbsp30 + QStringLiteral("Flink stirbt"),
                                       QStringLiteral("Langsam's Attacke ist misslungen."),
                                       QStringLiteral("Held's Attacke war erfolgreich."),
                                       kNbsp10 + QStringLiteral("Langsam's Parade ist misslungen oder hat bereits pariert."),
                                       kNbsp20 + QStringLiteral("Held verursacht 5 Schadenspunkte."),
                                       kNbsp30 + QStringLiteral("Langsam stirbt")}));
    QCOMPARE(b.sieger, Sieger::Helden);
    // The bar: maximum = members + 1, one step per death and one at the end.
    QCOMPARE(b.fortschritt.first(), qMakePair(0, 4));
    QCOMPARE(b.fortschritt.last(), qMakePair(3, 4));
    QVERIFY(b.fortschritt.contains(qMakePair(1, 4)));
}

void TestCreaturesKampf::abbruchNachTausendRundenOhneVerlust_data()
{
    QTest::addColumn<qint64>("pa");
    QTest::addColumn<qint64>("rs");
    QTest::addColumn<qint64>("bonus");
    QTest::addColumn<QString>("zeile");
    // Everybody parries everything (even 2 x 20 of a good attack).
    QTest::newRow("alle parieren") << qint64(40) << qint64(0) << qint64(0) << QStringLiteral("pariert den Angriff.");
    // Nobody parries, but armour swallows every hit and the bonus every good attack.
    QTest::newRow("niemand verletzt") << qint64(0) << qint64(100) << qint64(-20)
                                      << QStringLiteral("verursacht 0 Schadenspunkte.");
}

void TestCreaturesKampf::abbruchNachTausendRundenOhneVerlust()
{
    QFETCH(qint64, pa);
    QFETCH(qint64, rs);
    QFETCH(qint64, bonus);
    QFETCH(QString, zeile);
    Kampfstand stand = Stand({Figur(QStringLiteral("Mauer"), 10, 20, pa, 30, rs, 1, QStringLiteral("W6"), bonus)},
                             {Figur(QStringLiteral("Turm"), 5, 20, pa, 30, rs, 1, QStringLiteral("W6"), bonus)});
    Zufall::SaatSetzen(4711);
    const Bericht b = Spielen(stand);
    Zufall::ProduktionSetzen();
    QCOMPARE(b.sieger, Sieger::Keiner);
    QCOMPARE(b.protokoll.last(),
             QStringLiteral("Der Kampf wurde abgebrochen: 1000 Runden lang hat niemand Lebensenergie verloren."));
    int treffer = 0;
    for (const QString& z : b.protokoll)
        treffer += z.endsWith(zeile) ? 1 : 0;
    QCOMPARE(treffer, 2000);
    // Both survive, and the end section follows the break-off.
    QCOMPARE(b.ueberlebende, (QStringList{QStringLiteral("H:Mauer"), QStringLiteral("G:Turm")}));
    const qsizetype abbruch = b.zeilen.indexOf(b.protokoll.last() + QStringLiteral("</BR>"));
    QCOMPARE(b.zeilen.mid(abbruch + 1, 4), (QStringList{"</BR>", "</BR>", "</BR>", "<H1>Zustand aller Überlebenden</H1>"}));
}

void TestCreaturesKampf::verlustSetztDieZaehlungZurueck()
{
    // Pass 1: the hero deals 1 point (6 against RS 5); then 1000 passes of hits for 0. The count starts
    // after the loss, so the fight breaks off after 1001 passes.
    Kampfstand stand = Stand({Figur(QStringLiteral("Nadel"), 10, 20, 0, 30, 100, 1, QStringLiteral("W6"))},
                             {Figur(QStringLiteral("Panzer"), 5, 20, 0, 1000, 5, 1, QStringLiteral("W6"))});
    QList<int> wuerfe{1, 10, 10, 6, 10, 10, 3};
    for (int i = 0; i < 1000; ++i)
        wuerfe << 10 << 10 << 1 << 10 << 10 << 1;
    Zufall::Skript skript(wuerfe);
    const Bericht b = Spielen(stand);
    SkriptPruefen(skript);
    QCOMPARE(b.sieger, Sieger::Keiner);
    QCOMPARE(b.protokoll.count(QStringLiteral("Nadel's Attacke war erfolgreich.")), 1001);
    QCOMPARE(b.protokoll.count(kNbsp20 + QStringLiteral("Nadel verursacht 1 Schadenspunkte.")), 1);
    QVERIFY(b.zeilen.contains(QStringLiteral("<td width=\"10%\"><small><font face=\"Arial\">999</font></small></td>")));
}

void TestCreaturesKampf::toteGruppenKaempfenNicht_data()
{
    QTest::addColumn<qint64>("heldLE");
    QTest::addColumn<qint64>("gegnerLE");
    QTest::addColumn<int>("sieger");
    QTest::newRow("Helden tot") << qint64(0) << qint64(5) << int(Sieger::Gegner);
    QTest::newRow("Gegner tot") << qint64(5) << qint64(-7) << int(Sieger::Helden);
    QTest::newRow("alle tot") << qint64(0) << qint64(0) << int(Sieger::Keiner);
}

void TestCreaturesKampf::toteGruppenKaempfenNicht()
{
    QFETCH(qint64, heldLE);
    QFETCH(qint64, gegnerLE);
    QFETCH(int, sieger);
    Kampfstand stand = Stand({Figur(QStringLiteral("Held"), 10, 20, 0, heldLE), Figur(QStringLiteral("Zweiter"), 10, 20, 0, heldLE)},
                             {Figur(QStringLiteral("Gegner"), 5, 20, 0, gegnerLE)});
    Zufall::Skript skript;
    const Bericht b = Spielen(stand);
    QCOMPARE(int(b.sieger), sieger);
    QVERIFY(skript.Angefragt().isEmpty());
    QVERIFY(b.protokoll.isEmpty());
    QVERIFY(b.zeilen.contains(QStringLiteral("<H1>Zustand aller Überlebenden</H1>")));
    QCOMPARE(b.fortschritt.last(), qMakePair(1, 4));
}

void TestCreaturesKampf::gleicherSeedGleicherBericht()
{
    TestInstallation installation;
    Kreaturentabellen::Kreaturentabelle tabelle;
    Kreaturentabellen::Laden(tabelle);
    const auto bauen = [&] {
        Kampfstand stand;
        for (int i = 0; i < 6; ++i)
            Aufnehmen(stand, Gruppe::Helden, *KaempferAus(tabelle.Zeilen[i]));
        for (int i = 24; i < 29; ++i)
            Aufnehmen(stand, Gruppe::Gegner, *KaempferAus(tabelle.Zeilen[i]));
        return stand;
    };
    Kampfstand eins = bauen();
    Kampfstand zwei = bauen();
    Zufall::SaatSetzen(99);
    const Bericht a = Spielen(eins);
    Zufall::SaatSetzen(99);
    const Bericht b = Spielen(zwei);
    Zufall::SaatSetzen(100);
    Kampfstand drei = bauen();
    const Bericht c = Spielen(drei);
    Zufall::ProduktionSetzen();
    QCOMPARE(a.zeilen, b.zeilen);
    QVERIFY(a.zeilen != c.zeilen);
    QVERIFY(a.sieger != Sieger::Keiner);
    QVERIFY(a.protokoll.size() > 10);
}

void TestCreaturesKampf::mitUndOhneBerichtGleich_data()
{
    // Line-ups of shipped creatures by row (heroes, enemies), and a few drawn up by hand; -1 stands for a
    // fortress that parries everything, so those fights break off.
    QTest::addColumn<QList<int>>("helden");
    QTest::addColumn<QList<int>>("gegner");
    QTest::addColumn<int>("saaten");
    QTest::newRow("eins gegen eins") << QList<int>{0} << QList<int>{1} << 40;
    QTest::newRow("drei gegen einen") << QList<int>{0, 2, 4} << QList<int>{25} << 40;
    QTest::newRow("fünf gegen fünf") << QList<int>{0, 1, 2, 3, 4} << QList<int>{20, 21, 22, 23, 24} << 40;
    QTest::newRow("zwei gegen sieben") << QList<int>{30, 31} << QList<int>{5, 6, 7, 8, 9, 10, 11} << 40;
    QTest::newRow("Festungen brechen ab") << QList<int>{-1} << QList<int>{-1, 3} << 4;
}

void TestCreaturesKampf::mitUndOhneBerichtGleich()
{
    QFETCH(QList<int>, helden);
    QFETCH(QList<int>, gegner);
    QFETCH(int, saaten);
    const Kampfstand vorlage = CreaturesTest::Aufstellen(helden, gegner);
    const auto werte = [](const Kampfstand& stand) {
        QList<qint64> le;
        for (const auto& k : stand.Helden + stand.Gegner)
            le.append(k.LE);
        return le;
    };
    for (quint64 saat = 0; saat < quint64(saaten); ++saat) {
        Kampfstand mit = vorlage;
        Kampfstand ohne = vorlage;
        Zufall::SaatSetzen(saat);
        const Bericht b = Spielen(mit);
        Zufall::SaatSetzen(saat);
        QCOMPARE(Kampf(ohne, nullptr), b.sieger);
        QCOMPARE(werte(ohne), werte(mit));
        QCOMPARE(ohne.Runden, mit.Runden);
        QVERIFY(mit.Runden >= 1);
    }
    Zufall::ProduktionSetzen();
}

void TestCreaturesKampf::berichtInDateiGeschlossen()
{
    TestInstallation installation;
    const QString pfad = installation.Pfad(QStringLiteral("HTML/bericht.html"));
    installation.Schreiben(QStringLiteral("HTML/bericht.html"), "alter Inhalt, viel länger als der Bericht? nein");
    Kampfstand stand = Stand({Figur(QStringLiteral("Held"), 10, 20, 5, 30)}, {Figur(QStringLiteral("Gegner"), 5, 10, 0, 1)});
    Zufall::Skript skript({1, 7, 13});
    bool dateiWaehrendDesKampfes = true;
    QString fehler;
    const auto sieger = KampfSpeichern(stand, pfad, &fehler, [&](int wert, int) {
        // While the fight runs the old file is untouched; the report replaces it whole at the end.
        if (wert == 0)
            dateiWaehrendDesKampfes = QFile(pfad).size() == qint64(QByteArray("alter Inhalt, viel länger als der Bericht? nein").size());
    });
    QVERIFY2(sieger, qPrintable(fehler));
    QCOMPARE(*sieger, Sieger::Helden);
    QVERIFY(dateiWaehrendDesKampfes);
    const QByteArray bytes = installation.Bytes(QStringLiteral("HTML/bericht.html"));
    QVERIFY(bytes.startsWith("<H1>Heldengruppe</H1>\r\n"));
    QVERIFY(bytes.endsWith("</table>\r\n</BR>\r\n</BR>\r\n</BR>\r\n"));
    QVERIFY(bytes.contains("Gegner stirbt</BR>"));
}

void TestCreaturesKampf::berichtNichtSchreibbar()
{
    TestInstallation installation;
    const QString pfad = installation.Pfad(QStringLiteral("Fehlt/bericht.html"));
    Kampfstand stand = Stand({Figur(QStringLiteral("Held"), 10, 20, 5, 30)}, {Figur(QStringLiteral("Gegner"), 5, 10, 0, 1)});
    Zufall::Skript skript;
    QString fehler;
    QVERIFY(!KampfSpeichern(stand, pfad, &fehler));
    QVERIFY(fehler.contains(QStringLiteral("bericht.html")));
    QVERIFY(fehler.contains(QStringLiteral("nicht vorhanden")));
    QVERIFY(!QFileInfo::exists(pfad));
    QVERIFY(skript.Angefragt().isEmpty());
}

QTEST_GUILESS_MAIN(TestCreaturesKampf)
#include "test_creatures_kampf.moc"
