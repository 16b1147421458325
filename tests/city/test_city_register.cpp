// The record browser shared by the eight registers, and the city's HTML report.
#include "Register.h"
#include "Stadt.h"
#include "Stadtbericht.h"
#include "Stadtdatei.h"
#include "CityTestHilfe.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"

#include <QtTest>

using namespace CityEngine;

namespace {

QStringList Betrieb(const QString& name, const QString& preis = QStringLiteral("2"),
                    const QString& qualitaet = QStringLiteral("2"))
{
    return {name, QStringLiteral("Besitzer ") + name, preis, qualitaet, QString()};
}

// The buttons as "<<< >>> Löschen" flags, for compact comparisons.
QString Zustand(const Liste& liste, int stelle)
{
    const Knopfzustand k = CityEngine::Knoepfe(liste, stelle);
    return QStringLiteral("%1%2%3").arg(k.Zurueck ? 'Z' : '-').arg(k.Weiter ? 'W' : '-').arg(k.Loeschen ? 'L' : '-');
}

QStringList Bericht(const Stadt& stadt)
{
    QStringList zeilen = Zeilendatei::AusCodepage(CityTest::Berichtseite(stadt)).split(QStringLiteral("\r\n"));
    zeilen.removeLast();
    return zeilen;
}

QStringList Abschnitt(const QStringList& seite, const QString& anker)
{
    const qsizetype anfang = seite.indexOf(QStringLiteral("<A NAME=\"%1\"></A>").arg(anker));
    qsizetype ende = anfang;
    while (ende >= 0 && ende < seite.size() && !seite[ende].contains(QLatin1String("Nach oben")))
        ++ende;
    return anfang < 0 ? QStringList() : seite.mid(anfang, ende - anfang + 1);
}

} // namespace

class TestCityRegister : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startzustand();
    void speichernInLeeresRegister();
    void speichernUeberschreibtGezeigtenEintrag();
    void speichernAmLeerenSlotHaengtAn();
    void zurueckUndWeiterBleibenImBereich();
    void loeschenDesEinzigenEintrags();
    void loeschenZweiVonVier();
    void loeschenAmLeerenSlotTutNichts();
    void tempelregisterGleichesVerhalten();
    void volleListeNimmtNichtsMehr();
    void angehaengteSlotsImDateiformat();

    void berichtLeereStadt();
    void berichtBetriebeUndTempel();
    void berichtOhnePreisUndQualitaet();
    void berichtGeschichteMitZeilenumbruch();
};

void TestCityRegister::startzustand()
{
    const Liste liste = NeueBetriebsliste();
    QCOMPARE(liste.Anzahl(), 0);
    QCOMPARE(liste.Slots[0], (QStringList{QString(), QString(), QStringLiteral("-1"), QStringLiteral("-1"), QString()}));
    QCOMPARE(Zustand(liste, 0), QStringLiteral("---"));
}

void TestCityRegister::speichernInLeeresRegister()
{
    Liste liste = NeueBetriebsliste();
    int stelle = 0;
    QVERIFY(Speichern(liste, stelle, Betrieb(QStringLiteral("Anker"))));
    QCOMPARE(liste.Anzahl(), 1);
    QCOMPARE(Gezeigt(liste, stelle)[0], QStringLiteral("Anker"));
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("-WL"));
    Weiter(liste, stelle);
    QCOMPARE(stelle, 1);
    QCOMPARE(Gezeigt(liste, stelle), QStringList(5, QString()));
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("Z--"));
}

void TestCityRegister::speichernUeberschreibtGezeigtenEintrag()
{
    Liste liste = NeueBetriebsliste();
    int stelle = 0;
    Speichern(liste, 0, Betrieb(QStringLiteral("A")));
    Weiter(liste, stelle);
    Speichern(liste, stelle, Betrieb(QStringLiteral("B")));
    Zurueck(stelle);
    QVERIFY(Speichern(liste, stelle, Betrieb(QStringLiteral("A2"), QStringLiteral("4"))));
    QCOMPARE(liste.Anzahl(), 2);
    QCOMPARE(liste.Slots[0], Betrieb(QStringLiteral("A2"), QStringLiteral("4")));
    QCOMPARE(liste.Slots[1][0], QStringLiteral("B"));
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("-WL"));
}

void TestCityRegister::speichernAmLeerenSlotHaengtAn()
{
    Liste liste = NeueBetriebsliste();
    int stelle = 0;
    for (const char* name : {"A", "B", "C"}) {
        Speichern(liste, stelle, Betrieb(QString::fromUtf8(name)));
        Weiter(liste, stelle);
    }
    QCOMPARE(liste.Anzahl(), 3);
    QCOMPARE(stelle, 3);
    QCOMPARE(liste.Slots.size(), 4);
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("Z--"));
}

void TestCityRegister::zurueckUndWeiterBleibenImBereich()
{
    Liste liste = NeueBetriebsliste();
    int stelle = 0;
    Zurueck(stelle);
    QCOMPARE(stelle, 0);
    Weiter(liste, stelle);
    QCOMPARE(stelle, 0);
    Speichern(liste, 0, Betrieb(QStringLiteral("A")));
    Weiter(liste, stelle);
    Weiter(liste, stelle);
    QCOMPARE(stelle, 1);
    Zurueck(stelle);
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("-WL"));
}

void TestCityRegister::loeschenDesEinzigenEintrags()
{
    Liste liste = NeueBetriebsliste();
    Speichern(liste, 0, Betrieb(QStringLiteral("A")));
    Loeschen(liste, 0);
    QCOMPARE(liste.Anzahl(), 0);
    QCOMPARE(liste.Slots.size(), 1);
    // The blank slot now is the one appended by storing: empty price and quality, shown as no selection.
    QCOMPARE(Gezeigt(liste, 0), QStringList(5, QString()));
    QCOMPARE(IndexAusText(Gezeigt(liste, 0)[FeldPreise], 5), -1);
    QCOMPARE(Zustand(liste, 0), QStringLiteral("---"));
}

void TestCityRegister::loeschenZweiVonVier()
{
    Liste liste = NeueBetriebsliste();
    int stelle = 0;
    for (const char* name : {"Eins", "Zwei", "Drei", "Vier"}) {
        Speichern(liste, stelle, Betrieb(QString::fromUtf8(name)));
        Weiter(liste, stelle);
    }
    stelle = 1;
    Loeschen(liste, stelle);
    QCOMPARE(liste.Anzahl(), 3);
    QCOMPARE(stelle, 1);
    QCOMPARE(Gezeigt(liste, stelle)[0], QStringLiteral("Drei"));
    QCOMPARE(liste.Slots[2][0], QStringLiteral("Vier"));
    QCOMPARE(liste.Slots[3], QStringList(5, QString()));
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("ZWL"));
    // Deleting the last entry leaves the blank slot shown.
    stelle = 2;
    Loeschen(liste, stelle);
    QCOMPARE(Zustand(liste, stelle), QStringLiteral("Z--"));
}

void TestCityRegister::loeschenAmLeerenSlotTutNichts()
{
    Liste liste = NeueBetriebsliste();
    Speichern(liste, 0, Betrieb(QStringLiteral("A")));
    Loeschen(liste, 1);
    QCOMPARE(liste.Anzahl(), 1);
    QCOMPARE(liste.Slots[0][0], QStringLiteral("A"));
}

void TestCityRegister::tempelregisterGleichesVerhalten()
{
    Liste tempel = NeueTempelliste();
    int stelle = 0;
    QVERIFY(Speichern(tempel, stelle, {QStringLiteral("Praios"), QStringLiteral("Berthold")}));
    Weiter(tempel, stelle);
    QCOMPARE(Gezeigt(tempel, stelle), (QStringList{QString(), QString()}));
    Speichern(tempel, stelle, {QStringLiteral("Tsa"), QString()});
    QCOMPARE(tempel.Anzahl(), 2);
    Stadt s;
    s.Tempel = tempel;
    QCOMPARE(Goetter(s), (QStringList{QStringLiteral("Praios"), QStringLiteral("Tsa")}));
}

void TestCityRegister::volleListeNimmtNichtsMehr()
{
    Liste liste = NeueTempelliste();
    liste.Slots = QList<QStringList>(MaxEintraege + 1, QStringList{QStringLiteral("Boron"), QString()});
    QVERIFY(!Speichern(liste, MaxEintraege, {QStringLiteral("Tsa"), QString()}));
    QCOMPARE(liste.Anzahl(), MaxEintraege);
    QVERIFY(Speichern(liste, 0, {QStringLiteral("Tsa"), QString()}));
    QCOMPARE(liste.Slots[0][0], QStringLiteral("Tsa"));
}

void TestCityRegister::angehaengteSlotsImDateiformat()
{
    Stadt s;
    int stelle = 0;
    Speichern(s.Betriebe[Heiler], stelle, {QStringLiteral("Bader"), QString(), QStringLiteral("-1"), QStringLiteral("3"), QString()});
    const QStringList z = Dateizeilen(s);
    QCOMPARE(z[6], QStringLiteral(" 1 "));
    // Heiler slots follow five one-slot lists (25 lines) after line 18.
    const int heiler = 18 + 5 * 5;
    QCOMPARE(z.mid(heiler, 10), (QStringList{QStringLiteral("Bader"), QString(), QStringLiteral("-1"), QStringLiteral("3"),
                                             QString(), QString(), QString(), QString(), QString(), QString()}));
    QCOMPARE(z.mid(heiler + 10, 5), (QStringList{QString(), QString(), QStringLiteral("-1"), QStringLiteral("-1"), QString()}));
}

void TestCityRegister::berichtLeereStadt()
{
    Stadt s;
    s.Name = QStringLiteral("Leerau");
    QStringList erwartet = {QStringLiteral("<html>"), QStringLiteral("<head>"), QStringLiteral("<title>Leerau</title>"),
                            QStringLiteral("</head>"), QStringLiteral("<A NAME=\"Start\"></A>"), QStringLiteral("<H1>Leerau</H1>"),
                            QStringLiteral("</BR>"), QStringLiteral("</BR>"),
                            QStringLiteral("<A HREF=\"#Stadtinfos\">Grundlegende Stadtinformationen</A></BR>"),
                            QStringLiteral("<A HREF=\"#Hotels\">Gasthäuser / Hotels</A></BR>"),
                            QStringLiteral("<A HREF=\"#Tavernen\">Tavernen / Gaststätten</A></BR>"),
                            QStringLiteral("<A HREF=\"#Handwerker\">Handwerker</A></BR>"),
                            QStringLiteral("<A HREF=\"#Handel\">Händler</A></BR>"),
                            QStringLiteral("<A HREF=\"#Dienst\">Dienstleistungen</A></BR>"),
                            QStringLiteral("<A HREF=\"#Heiler\">Heiler</A></BR>"),
                            QStringLiteral("<A HREF=\"#GBetrieb\">Grossbetriebe</A></BR>"),
                            QStringLiteral("<A NAME=\"Stadtinfos\"></A>"),
                            QStringLiteral("<H4>***** GRUNDLEGENDE STADTINFORMATIONEN: **************************</H4>"),
                            QStringLiteral("</BR>"), QStringLiteral("<B>Stadtname:</B> Leerau</BR>"),
                            QStringLiteral("<B>Einwohnerzahl:</B> </BR>"),
                            QStringLiteral("<B>Region / Rasse der Einwohner:</B> </BR>"),
                            QStringLiteral("<B>Durchfahrende:</B> </BR>"), QStringLiteral("<B>Markt:</B> </BR>"),
                            QStringLiteral("<B>Reichtum:</B> </BR>"), QStringLiteral("<B>Kriminalität:</B> </BR>"),
                            QStringLiteral("<B>Bürgermeister/in:</B> </BR>"), QStringLiteral("</BR>"),
                            QStringLiteral("</BR>"), QStringLiteral("</BR>"),
                            QStringLiteral("<B>Anzahl der Tempel:</B> 0</BR>"), QStringLiteral("<HR WIDTH=100%>"),
                            QStringLiteral("</BR>"), QStringLiteral("<A HREF=\"#Start\">Nach oben</A></BR>")};
    const char* const abschnitte[][2] = {
        {"Hotels", "***** GASTHÄUSER / HOTELS: **************************************"},
        {"Tavernen", "***** GASTSTÄTTEN / TAVERNEN: ***********************************"},
        {"Handwerker", "***** HANDWERKER: ***********************************************"},
        {"Handel", "***** HÄNDLER: **************************************************"},
        {"Dienst", "***** DIENSTLEISTUNGEN: *****************************************"},
        {"Heiler", "***** HEILER: ***************************************************"},
        {"GBetrieb", "***** GROSSBETRIEBE: ********************************************"}};
    for (const auto& a : abschnitte)
        erwartet << QStringLiteral("<A NAME=\"%1\"></A>").arg(QString::fromUtf8(a[0])) << QStringLiteral("<HR WIDTH=100%>")
                 << QStringLiteral("<H3>%1</H3>").arg(QString::fromUtf8(a[1])) << QStringLiteral("<B>Im Ort:</B> 0</BR>")
                 << QStringLiteral("</BR>") << QStringLiteral("<HR WIDTH=100%>") << QStringLiteral("</BR>")
                 << QStringLiteral("<A HREF=\"#Start\">Nach oben</A></BR>");
    QCOMPARE(Bericht(s), erwartet);
}

void TestCityRegister::berichtBetriebeUndTempel()
{
    Stadt s;
    s.Name = QStringLiteral("Hafen & Burg");
    s.Einwohnerzahl = QStringLiteral("2400");
    s.Rasse = 8;
    s.Reichtum = 2;
    s.Kriminalitaet = 0;
    s.Durchfahrende = QStringLiteral("Häufig Durchfahrende");
    s.Markt = QStringLiteral("Jeden Tag");
    s.Buergermeister = QStringLiteral("Xorbosch");
    s.Betriebe[Gasthaus].Slots = {{QStringLiteral("Goldener Krug"), QStringLiteral("Ilma"), QStringLiteral("4"),
                                   QStringLiteral("4"), QStringLiteral("Ein Barde <singt>.")},
                                  QStringList(5, QString())};
    for (const char* name : {"Schmied", "Gerber", "Töpfer"})
        s.Betriebe[Handwerker].Slots.insert(s.Betriebe[Handwerker].Anzahl(), Betrieb(QString::fromUtf8(name), QStringLiteral("0")));
    s.Tempel.Slots = {{QStringLiteral("Ingerimm"), QStringLiteral("Meister Ugdalf")}, {QString(), QString()}};

    const QStringList seite = Bericht(s);
    QCOMPARE(seite[2], QStringLiteral("<title>Hafen &amp; Burg</title>"));
    QVERIFY(seite.contains(QStringLiteral("<B>Region / Rasse der Einwohner:</B> Zwerge</BR>")));
    QVERIFY(seite.contains(QStringLiteral("<B>Reichtum:</B> Arm</BR>")));
    QVERIFY(seite.contains(QStringLiteral("<B>Kriminalität:</B> Hoch</BR>")));
    QVERIFY(seite.contains(QStringLiteral("<B>Durchfahrende:</B> Häufig Durchfahrende</BR>")));
    QVERIFY(seite.contains(QStringLiteral("<B>Bürgermeister/in:</B> Xorbosch</BR>")));
    const qsizetype tempel = seite.indexOf(QStringLiteral("<B>Anzahl der Tempel:</B> 1</BR>"));
    QCOMPARE(seite.mid(tempel + 1, 4), (QStringList{QStringLiteral("</BR>"), QStringLiteral("<B>Gottheit: </B> Ingerimm</BR>"),
                                                    QStringLiteral("<B>Name des/der Geweihten: </B> Meister Ugdalf</BR>"),
                                                    QStringLiteral("<HR WIDTH=100%>")}));
    // An inn of the best quality is named by the one fixed list: "Spezialist".
    QCOMPARE(Abschnitt(seite, QStringLiteral("Hotels")).mid(3, 6),
             (QStringList{QStringLiteral("<B>Im Ort:</B> 1</BR>"), QStringLiteral("</BR>"),
                          QStringLiteral("<B>Goldener Krug</B></BR>"), QStringLiteral("* Spezialist - Sehr teuer / Wucher</BR>"),
                          QStringLiteral("* Besitzer/in: Ilma</BR>"),
                          QStringLiteral("* Zufallsereignis: Ein Barde &lt;singt&gt;.</BR>")}));
    const QStringList handwerker = Abschnitt(seite, QStringLiteral("Handwerker"));
    QCOMPARE(handwerker[3], QStringLiteral("<B>Im Ort:</B> 3</BR>"));
    QCOMPARE(handwerker.filter(QStringLiteral("* Solide - Sehr billig</BR>")).size(), 3);
    QCOMPARE(handwerker.mid(5, 4), (QStringList{QStringLiteral("<B>Schmied</B></BR>"), QStringLiteral("* Solide - Sehr billig</BR>"),
                                                QStringLiteral("* Besitzer/in: Besitzer Schmied</BR>"),
                                                QStringLiteral("* Zufallsereignis: </BR>")}));
    QCOMPARE(handwerker.size(), 3 + 2 + 3 * 4 + 3);
}

void TestCityRegister::berichtOhnePreisUndQualitaet()
{
    Stadt s;
    s.Betriebe[Dienst].Slots = {{QStringLiteral("Bote"), QString(), QStringLiteral("-1"), QString(), QString()},
                                {QStringLiteral("Schreiber"), QString(), QStringLiteral("7"), QStringLiteral("x"), QString()},
                                QStringList(5, QString())};
    const QStringList dienst = Abschnitt(Bericht(s), QStringLiteral("Dienst"));
    QCOMPARE(dienst.mid(5, 2), (QStringList{QStringLiteral("<B>Bote</B></BR>"), QStringLiteral("*  - </BR>")}));
    QCOMPARE(dienst.count(QStringLiteral("*  - </BR>")), 2);
}

void TestCityRegister::berichtGeschichteMitZeilenumbruch()
{
    TestInstallation inst(false);
    Stadt s;
    s.Hintergrund = QStringLiteral("Gegründet am Fluss.\nSpäter ummauert.");
    QVERIFY(BerichtSpeichern(s, inst.Pfad(QStringLiteral("HTML/b.html"))));
    const QStringList zeilen = Zeilendatei::AusCodepage(inst.Bytes(QStringLiteral("HTML/b.html"))).split(QStringLiteral("\r\n"));
    // The break stays visible in a browser and the story keeps to one line of the page.
    QVERIFY(zeilen.contains(QStringLiteral("Gegründet am Fluss.<BR>Später ummauert.</BR>")));
    QString fehler;
    QVERIFY(!BerichtSpeichern(s, inst.Pfad(QStringLiteral("nicht/da/b.html")), &fehler));
    QVERIFY(!fehler.isEmpty());
}

QTEST_GUILESS_MAIN(TestCityRegister)
#include "test_city_register.moc"
