// Enemy groups proposed for a wanted win chance: the search over the shipped database (band met, distinct
// kinds, the limits, an empty result, the same proposals on any number of threads), which kinds belong
// together, the output lines, the saved line-ups against the odds run, and stopping a search.
#include "Aufstellung.h"
#include "BattleEngine.h"
#include "CreaturesTestHilfe.h"
#include "Gewinnchancen.h"
#include "Kreaturentabelle.h"
#include "TestInstallation.h"
#include "Vorschlaege.h"
#include "Zufall.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

using namespace BattleEngine;

namespace {

const Kreaturentabellen::Kreaturentabelle& Geliefert()
{
    static const Kreaturentabellen::Kreaturentabelle tabelle = [] {
        TestInstallation installation;
        Kreaturentabellen::Kreaturentabelle t;
        Kreaturentabellen::Laden(t);
        return t;
    }();
    return tabelle;
}

QList<Kaempfer> Helden(const QStringList& namen)
{
    QList<Kaempfer> helden;
    for (const QString& name : namen)
        helden.append(*KaempferAus(Geliefert().Zeilen[Kreaturentabellen::ZeileSuchen(Geliefert(), name)]));
    return helden;
}

const Vorschlaege::Art* ArtNamens(const QList<Vorschlaege::Art>& arten, const QString& name)
{
    for (const Vorschlaege::Art& a : arten)
        if (a.Name == name)
            return &a;
    return nullptr;
}

qint64 Siege(const Gewinnchancen::Ergebnis& e)
{
    return e.Siege[int(Sieger::Helden)];
}

} // namespace

class TestCreaturesVorschlaege : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void suche_data();
    void suche();
    void ortsnamen_data();
    void ortsnamen();
    void passenZusammen_data();
    void passenZusammen();
    void artenDerDatenbank();
    void zeilen();
    void gespeichertWieChancen();
    void abbrechen();
};

void TestCreaturesVorschlaege::suche_data()
{
    QTest::addColumn<QStringList>("helden");
    QTest::addColumn<int>("ziel");
    QTest::addColumn<int>("spanne");
    QTest::addColumn<int>("hoechstens");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<QStringList>("kategorien");
    QTest::addColumn<int>("mindestens"); // proposals at least; 0: none, with the nearest group named
    const QStringList vier{"Söldner", "Elfische Grenzwächterin", "Zwergischer Bergwächter", "Seeräuberin"};
    QTest::newRow("vier Helden, 70 ± 5") << vier << 70 << 5 << 8 << 5 << QStringList{} << 5;
    QTest::newRow("ein Söldner, nur Tiere") << QStringList{"Söldner"} << 60 << 10 << 3 << 4 << QStringList{"tiere "} << 2;
    QTest::newRow("Kategorien, eng") << QStringList{"Stadtgardist", "Söldner"} << 50 << 3 << 6 << 3
                                     << QStringList{"Untote", "Menschen"} << 1;
    QTest::newRow("höchstens ein Gegner") << QStringList{"Wolf"} << 50 << 10 << 1 << 3 << QStringList{} << 1;
    QTest::newRow("unerreichbar: eine Ratte") << QStringList{"Ratte"} << 70 << 5 << 2 << 5 << QStringList{} << 0;
    QTest::newRow("keine Art in der Kategorie") << QStringList{"Wolf"} << 70 << 5 << 8 << 5 << QStringList{"Gibt es nicht"} << 0;
}

void TestCreaturesVorschlaege::suche()
{
    QFETCH(QStringList, helden);
    QFETCH(int, ziel);
    QFETCH(int, spanne);
    QFETCH(int, hoechstens);
    QFETCH(int, anzahl);
    QFETCH(QStringList, kategorien);
    QFETCH(int, mindestens);
    const QList<Vorschlaege::Art> arten = Vorschlaege::Arten(Geliefert().Zeilen, kategorien);
    Vorschlaege::Anfrage anfrage;
    anfrage.Helden = Helden(helden);
    anfrage.Ziel = ziel;
    anfrage.Spanne = spanne;
    anfrage.Hoechstens = hoechstens;
    anfrage.Anzahl = anzahl;
    anfrage.Kaempfe = 600;
    anfrage.Saat = 4242;
    anfrage.Threads = 1;
    const auto e = Vorschlaege::Suchen(anfrage, arten);
    QVERIFY(e);

    // The same seed gives the same proposals on any number of threads.
    anfrage.Threads = 3;
    const auto parallel = Vorschlaege::Suchen(anfrage, arten);
    QVERIFY(parallel);
    QCOMPARE(parallel->Vorschlaege.size(), e->Vorschlaege.size());
    for (qsizetype i = 0; i < e->Vorschlaege.size(); ++i) {
        QCOMPARE(parallel->Vorschlaege[i].Text, e->Vorschlaege[i].Text);
        QCOMPARE(Gewinnchancen::Ausgabezeilen(parallel->Vorschlaege[i].Ergebnis),
                 Gewinnchancen::Ausgabezeilen(e->Vorschlaege[i].Ergebnis));
    }
    QCOMPARE(Vorschlaege::Ausgabezeilen(anfrage, *parallel), Vorschlaege::Ausgabezeilen(anfrage, *e));

    QVERIFY2(e->Vorschlaege.size() >= mindestens, qPrintable(Vorschlaege::Ausgabezeilen(anfrage, *e).join('\n')));
    QVERIFY(e->Vorschlaege.size() <= anzahl);
    QSet<QList<int>> artmengen;
    qint64 vorher = -1;
    for (const Vorschlaege::Vorschlag& v : e->Vorschlaege) {
        // The band is met by the confirmed run, which is the odds run of the proposal's line-up.
        QVERIFY2(Vorschlaege::ImBand(anfrage, v.Ergebnis), qPrintable(v.Text));
        const qint64 abstand = qAbs(100 * Siege(v.Ergebnis) - qint64(ziel) * anfrage.Kaempfe);
        QVERIFY(abstand <= qint64(spanne) * anfrage.Kaempfe);
        QVERIFY2(abstand >= vorher, "nach Nähe zum Ziel geordnet");
        vorher = abstand;
        const auto nochmal = Gewinnchancen::Berechnen(v.Aufstellung, anfrage.Kaempfe, anfrage.Saat);
        QCOMPARE(Gewinnchancen::Ausgabezeilen(*nochmal), Gewinnchancen::Ausgabezeilen(v.Ergebnis));
        QCOMPARE(v.Aufstellung.AnzahlHelden(), helden.size());
        // One or two kinds, never the same set twice; two only when they belong together; the limits kept.
        QVERIFY(v.Gruppe.size() == 1 || v.Gruppe.size() == 2);
        QList<int> menge;
        int mitglieder = 0;
        for (const Vorschlaege::Teil& t : v.Gruppe) {
            menge.append(t.Art);
            mitglieder += t.Anzahl;
            QVERIFY(t.Anzahl >= 1);
            if (!kategorien.isEmpty()) {
                bool gewaehlt = false;
                for (const QString& k : kategorien)
                    gewaehlt = gewaehlt || k.trimmed().compare(arten[t.Art].Kategorie, Qt::CaseInsensitive) == 0;
                QVERIFY2(gewaehlt, qPrintable(arten[t.Art].Kategorie));
            }
        }
        std::sort(menge.begin(), menge.end());
        QVERIFY2(!artmengen.contains(menge), qPrintable(v.Text));
        artmengen.insert(menge);
        QVERIFY(mitglieder <= hoechstens);
        QCOMPARE(v.Aufstellung.AnzahlGegner(), mitglieder);
        if (v.Gruppe.size() == 2) {
            QVERIFY(Vorschlaege::PassenZusammen(arten[v.Gruppe[0].Art], arten[v.Gruppe[1].Art]));
            QVERIFY(v.Gruppe[0].Anzahl >= v.Gruppe[1].Anzahl);
        }
        QVERIFY(v.Text.contains(QStringLiteral("× ") + arten[v.Gruppe[0].Art].Name));
    }
    if (mindestens > 0) {
        QVERIFY(!e->Naechster);
        return;
    }
    // Nothing reaches the band: one sentence that names the nearest group with its share.
    QVERIFY(e->Vorschlaege.isEmpty());
    const QString satz = Vorschlaege::Leermeldung(anfrage, *e);
    QCOMPARE(satz.count(QLatin1Char('.')), 1);
    QVERIFY(satz.endsWith(QLatin1Char('.')));
    QCOMPARE(Vorschlaege::Ausgabezeilen(anfrage, *e).last(), satz);
    if (arten.isEmpty()) {
        QVERIFY(e->OhneArten);
        QVERIFY(!e->Naechster);
        return;
    }
    QVERIFY(e->Naechster);
    QVERIFY(!Vorschlaege::ImBand(anfrage, e->Naechster->Ergebnis));
    QVERIFY2(satz.contains(e->Naechster->Text + QStringLiteral(" mit ")
                           + Gewinnchancen::Prozent(e->Naechster->Ergebnis.Sieg(Sieger::Helden).Wert)),
             qPrintable(satz));
    QVERIFY(satz.contains(QStringLiteral("höchstens %1 Kreaturen").arg(hoechstens)));
}

void TestCreaturesVorschlaege::ortsnamen_data()
{
    QTest::addColumn<QString>("regionen");
    QTest::addColumn<QStringList>("namen");
    QTest::newRow("Adjektiv am Anfang") << "Dichte Wälder, Flusstäler und Bergwälder fernab der Siedlungen"
                                        << QStringList{"wälder", "flusstäler", "bergwälder", "siedlungen"};
    QTest::newRow("Nomen am Anfang") << "Städte, Keller, Kanäle" << QStringList{"städte", "keller", "kanäle"};
    QTest::newRow("kurze Wörter, Bindestrich") << "Laub- und Mischwälder, Orte am See"
                                               << QStringList{"laub", "mischwälder", "orte"};
    QTest::newRow("leer") << "" << QStringList{};
}

void TestCreaturesVorschlaege::ortsnamen()
{
    QFETCH(QString, regionen);
    QFETCH(QStringList, namen);
    QCOMPARE(Vorschlaege::Ortsnamen(regionen), namen);
}

void TestCreaturesVorschlaege::passenZusammen_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("passen");
    QTest::newRow("Wolf und Bär: Wälder") << "Wolf" << "Braunbär" << true;
    QTest::newRow("Wolf und Luchs: Bergwälder") << "Luchs" << "Wolf" << true;
    QTest::newRow("Wolf und Ratte") << "Wolf" << "Ratte" << false;
    QTest::newRow("Hauptmann führt Wegelagerer") << "Wegelagerer" << "Räuberhauptmann" << true;
    QTest::newRow("Priester mit Kultisten") << "Kultist" << "Kultpriester" << true;
    QTest::newRow("Wälder, aber andere Kategorie") << "Wolf" << "Riesenspinne" << false;
    QTest::newRow("Untote der Totenbeschwörer") << "Skelettkrieger" << "Knochenhund" << true;
}

void TestCreaturesVorschlaege::passenZusammen()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, passen);
    const QList<Vorschlaege::Art> arten = Vorschlaege::Arten(Geliefert().Zeilen);
    const Vorschlaege::Art* x = ArtNamens(arten, a);
    const Vorschlaege::Art* y = ArtNamens(arten, b);
    QVERIFY(x && y);
    QCOMPARE(Vorschlaege::PassenZusammen(*x, *y), passen);
    QCOMPARE(Vorschlaege::PassenZusammen(*y, *x), passen);
}

void TestCreaturesVorschlaege::artenDerDatenbank()
{
    // The first record of a name, fit for battle with LE 1 or more; categories whatever their letter case.
    QList<QStringList> zeilen;
    zeilen.append(CreaturesTest::Kreatur(QStringLiteral("Wolf")));
    QStringList zweiterWolf = CreaturesTest::Kreatur(QStringLiteral("Wolf"));
    zweiterWolf[30] = QStringLiteral("99");
    zeilen.append(zweiterWolf);
    QStringList tot = CreaturesTest::Kreatur(QStringLiteral("Geist"), QStringLiteral("Geister"));
    tot[30] = QStringLiteral("0");
    zeilen.append(tot);
    QStringList untauglich = CreaturesTest::Kreatur(QStringLiteral("Nebel"), QStringLiteral("Geister"));
    untauglich[54] = QStringLiteral("-1");
    zeilen.append(untauglich);
    zeilen.append(CreaturesTest::Kreatur(QStringLiteral("Bär"), QStringLiteral("Große Tiere")));
    const QList<Vorschlaege::Art> alle = Vorschlaege::Arten(zeilen);
    QCOMPARE(alle.size(), 2);
    QCOMPARE(alle[0].Name, QStringLiteral("Wolf"));
    QCOMPARE(alle[0].Kaempfer.LE, qint64(20));
    QCOMPARE(alle[1].Zeile, 4);
    const QList<Vorschlaege::Art> tiere = Vorschlaege::Arten(zeilen, {QStringLiteral(" große tiere")});
    QCOMPARE(tiere.size(), 1);
    QCOMPARE(tiere[0].Name, QStringLiteral("Bär"));
    QCOMPARE(Vorschlaege::Kategorien(zeilen), (QStringList{"Tiere", "Geister", "Große Tiere"}));
}

void TestCreaturesVorschlaege::zeilen()
{
    Vorschlaege::Anfrage anfrage;
    anfrage.Kaempfe = 4;
    anfrage.Saat = 99;
    anfrage.Hoechstens = 3;
    Vorschlaege::Vorschlag v;
    v.Text = QStringLiteral("3× Wolf, 1× Braunbär");
    v.Ergebnis.Kaempfe = 4;
    v.Ergebnis.Siege[int(Sieger::Helden)] = 3;
    v.Ergebnis.Verluste = 1;
    v.Ergebnis.Runden = {{2, 2}, {3, 2}};
    QCOMPARE(Vorschlaege::Zeile(1, v), QStringLiteral("Vorschlag\t1\t3× Wolf, 1× Braunbär\t75,0 %\t30,1 %\t95,4 %\t25,0 %\t2,5"));
    Vorschlaege::Ergebnis e;
    e.Vorschlaege = {v};
    QCOMPARE(Vorschlaege::Ausgabezeilen(anfrage, e), (QStringList{"Kämpfe\t4", "Seed\t99", Vorschlaege::Zeile(1, v)}));
    e.Vorschlaege.clear();
    e.Naechster = v;
    QCOMPARE(Vorschlaege::Leermeldung(anfrage, e),
             QStringLiteral("Keine Gegnergruppe aus höchstens 3 Kreaturen bringt die Heldengruppe auf 65 bis 75 % Siege; "
                            "am nächsten kommt 3× Wolf, 1× Braunbär mit 75,0 %."));
    anfrage.Hoechstens = 1;
    anfrage.Ziel = 97;
    QVERIFY(Vorschlaege::Leermeldung(anfrage, e).startsWith(QStringLiteral("Keine Gegnergruppe aus einer Kreatur bringt "
                                                                          "die Heldengruppe auf 92 bis 100 % Siege;")));
}

void TestCreaturesVorschlaege::gespeichertWieChancen()
{
    // Every printed share is that of --chancen --seed S --kaempfe N on the saved line-up.
    TestInstallation installation(false);
    Vorschlaege::Anfrage anfrage;
    anfrage.Helden = Helden({"Söldner", "Seeräuberin"});
    anfrage.Hoechstens = 5;
    anfrage.Anzahl = 3;
    anfrage.Kaempfe = 700;
    anfrage.Saat = Zufall::HoechsteSaat - 300;
    const auto e = Vorschlaege::Suchen(anfrage, Vorschlaege::Arten(Geliefert().Zeilen, {QStringLiteral("Tiere")}));
    QVERIFY(e && !e->Vorschlaege.isEmpty());
    const QString ordner = installation.Pfad(QStringLiteral("WBD/Vorschläge/neu"));
    QString fehler;
    QVERIFY2(Vorschlaege::Speichern(*e, ordner, &fehler), qPrintable(fehler));
    QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), e->Vorschlaege.size());
    for (qsizetype i = 0; i < e->Vorschlaege.size(); ++i) {
        const auto stand = Aufstellung::Lesen(QDir(ordner).filePath(Vorschlaege::Dateiname(int(i + 1))), &fehler);
        QVERIFY2(stand, qPrintable(fehler));
        const QStringList chancen = Gewinnchancen::Ausgabezeilen(*Gewinnchancen::Berechnen(*stand, anfrage.Kaempfe, anfrage.Saat));
        const QStringList felder = Vorschlaege::Zeile(int(i + 1), e->Vorschlaege[i]).split(QLatin1Char('\t'));
        const QStringList sieg = chancen[2].split(QLatin1Char('\t'));
        const QStringList verluste = chancen.last().split(QLatin1Char('\t'));
        QCOMPARE(sieg[0], QStringLiteral("Sieger Heldengruppe"));
        QCOMPARE(verluste[0], QStringLiteral("Verluste Heldengruppe"));
        QCOMPARE(felder.mid(3, 3), sieg.mid(2, 3));
        QCOMPARE(felder[6], verluste[2]);
        QCOMPARE(felder[7], chancen[5].split(QLatin1Char('\t'))[1]);
    }
    installation.Schreiben(QStringLiteral("WBD/Datei"), "x");
    QVERIFY(!Vorschlaege::Speichern(*e, installation.Pfad(QStringLiteral("WBD/Datei/Ordner")), &fehler));
    QVERIFY(!fehler.isEmpty());
}

void TestCreaturesVorschlaege::abbrechen()
{
    Vorschlaege::Anfrage anfrage;
    anfrage.Helden = Helden({"Söldner", "Seeräuberin", "Stadtgardist"});
    anfrage.Hoechstens = 40;
    anfrage.Kaempfe = Gewinnchancen::HoechsteKaempfe;
    anfrage.Saat = 1;
    // Stopped within half a second, wherever the search is.
    for (int wartezeit : {0, 300}) {
        Vorschlaege::Hintergrundsuche suche(anfrage, Vorschlaege::Arten(Geliefert().Zeilen));
        QTest::qWait(wartezeit);
        QElapsedTimer uhr;
        uhr.start();
        suche.Abbrechen();
        QVERIFY(!suche.Abholen());
        QVERIFY2(uhr.elapsed() < 500, qPrintable(QStringLiteral("%1 ms nach %2 ms").arg(uhr.elapsed()).arg(wartezeit)));
        QVERIFY(suche.Fertig());
        QVERIFY(suche.Erledigt() < suche.Gesamt());
    }
    // A finished search counts all its steps.
    anfrage.Hoechstens = 2;
    anfrage.Kaempfe = 50;
    Vorschlaege::Hintergrundsuche kurz(anfrage, Vorschlaege::Arten(Geliefert().Zeilen, {QStringLiteral("Pflanzen")}));
    QVERIFY(kurz.Abholen());
    QCOMPARE(kurz.Erledigt(), kurz.Gesamt());
}

QTEST_GUILESS_MAIN(TestCreaturesVorschlaege)
#include "test_creatures_vorschlaege.moc"
