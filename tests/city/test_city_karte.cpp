// The city on the world map: placement, and what saving and loading a placed city do to the map files.
#include "Dialoge.h"
#include "Stadt.h"
#include "Stadtdatei.h"
#include "Stadtkarte.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QtTest>

using namespace CityEngine;

namespace {

const QString kListe = QStringLiteral("Data/Explorer/Städteliste.dat");
const QString kStaedte = QStringLiteral("Data/Explorer/Städte.dat");

CityEngine::Stadt Neu(const QString& name, const QStringList& goetter = {})
{
    CityEngine::Stadt s;
    s.Name = name;
    s.Einwohnerzahl = QStringLiteral("800");
    s.Tempel.Slots.clear();
    for (const QString& gott : goetter)
        s.Tempel.Slots.append({gott, QStringLiteral("Geweihte")});
    s.Tempel.Slots.append({QString(), QString()});
    return s;
}

QString Wert(const TestInstallation& inst, const QString& abschnitt, const QString& schluessel)
{
    return Subs::IniLesen(inst.Pfad(kStaedte), abschnitt, schluessel);
}

} // namespace

class TestCityKarte : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Variablen::Programmtitel = QStringLiteral("Ortsbau 3"); }

    void platzierenNeueStadt();
    void platzierenZweimalErsetztPosition();
    void grossschreibungNenntDieGelisteteStadt();
    void umbenannteStadtBeimSpeichern();
    void stadtOhneTempelSchreibtLeerenTempel();
    void speichernAktualisiertKarteUndNimmtKoordinaten();
    void speichernOhneKoordinatenSchreibtLeereZeilen();
    void speichernUngesetztRuehrtKarteNichtAn();
    void ladenUngelisteteStadtJa();
    void ladenUngelisteteStadtNein();
    void ladenGelisteteStadtFragtNicht();
    void unbrauchbarerNameWirdNichtEingetragen();
};

void TestCityKarte::platzierenNeueStadt()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("Altdorf")});
    CityEngine::Stadt s = Neu(QStringLiteral("Neuhafen"), {QStringLiteral("Praios"), QStringLiteral("Rondra")});
    QVERIFY(!KarteGelistet(s));
    QVERIFY(StadtPlatzieren(s, 100, 37));
    QVERIFY(s.StadtAufKarte);
    QCOMPARE(inst.Zeilen(kListe), (QStringList{QStringLiteral("Altdorf"), QStringLiteral("Neuhafen")}));
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("X")), QStringLiteral("1500"));
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("Y")), QStringLiteral("555"));
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("Einwohner")), QStringLiteral("800"));
    // The raw line keeps the blank after the last deity (a settings reader trims it).
    QVERIFY(inst.Zeilen(kStaedte).contains(QStringLiteral("Tempel=Praios, Rondra, ")));
}

void TestCityKarte::platzierenZweimalErsetztPosition()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kStaedte, {QStringLiteral("[Neuhafen]"), QStringLiteral("Pic=hafen.jpg"), QStringLiteral("X=1")});
    CityEngine::Stadt s = Neu(QStringLiteral("Neuhafen"));
    QVERIFY(StadtPlatzieren(s, 10, 10));
    QVERIFY(KarteGelistet(s));
    QVERIFY(StadtPlatzieren(s, 20, 30));
    QCOMPARE(inst.Zeilen(kListe), QStringList{QStringLiteral("Neuhafen")});
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("X")), QStringLiteral("300"));
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("Y")), QStringLiteral("450"));
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("Pic")), QStringLiteral("hafen.jpg"));
}

void TestCityKarte::grossschreibungNenntDieGelisteteStadt()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("neuhafen")});
    inst.ZeilenSchreiben(kStaedte, {QStringLiteral("[neuhafen]"), QStringLiteral("X=5"), QStringLiteral("Y=6")});
    CityEngine::Stadt s = Neu(QStringLiteral("Neuhafen"));
    QVERIFY(KarteGelistet(s));
    QVERIFY(StadtPlatzieren(s, 1, 2));
    // The listed city moves; no second line, no second section.
    QCOMPARE(inst.Zeilen(kListe), QStringList{QStringLiteral("neuhafen")});
    QCOMPARE(inst.Zeilen(kStaedte).filter(QStringLiteral("[")), QStringList{QStringLiteral("[neuhafen]")});
    QCOMPARE(Wert(inst, QStringLiteral("neuhafen"), QStringLiteral("X")), QStringLiteral("15"));
}

void TestCityKarte::umbenannteStadtBeimSpeichern()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("Altname")});
    inst.ZeilenSchreiben(kStaedte, {QStringLiteral("[Altname]"), QStringLiteral("X=300"), QStringLiteral("Y=450")});
    CityEngine::Stadt s = Neu(QStringLiteral("Neuname"));
    s.StadtAufKarte = true;
    s.KarteX = QStringLiteral("300");
    s.KarteY = QStringLiteral("450");
    {
        // Yes: entered under the new name at the old place.
        CityEngine::Stadt ja = s;
        Dialoge::Skript dialoge;
        dialoge.ja = {true};
        QVERIFY(StadtSpeichern(inst.Pfad(QStringLiteral("WBD/ja.wbd")), ja));
        QCOMPARE(dialoge.aufrufe[0].text, CityEngine::Meldungen::UmbenanntEintragen.arg(QStringLiteral("Neuname")));
        QCOMPARE(inst.Zeilen(kListe), (QStringList{QStringLiteral("Altname"), QStringLiteral("Neuname")}));
        QCOMPARE(Wert(inst, QStringLiteral("Neuname"), QStringLiteral("Y")), QStringLiteral("450"));
        const QStringList datei = inst.Zeilen(QStringLiteral("WBD/ja.wbd"));
        QCOMPARE(datei.mid(datei.size() - 3), (QStringList{QStringLiteral("Wahr"), QStringLiteral("300"), QStringLiteral("450")}));
    }
    {
        // No: saved without map coordinates, nothing written to the register.
        CityEngine::Stadt nein = s;
        nein.Name = QStringLiteral("Drittname");
        const QByteArray vorher = inst.Bytes(kStaedte);
        Dialoge::Skript dialoge;
        dialoge.ja = {false};
        QVERIFY(StadtSpeichern(inst.Pfad(QStringLiteral("WBD/nein.wbd")), nein));
        QVERIFY(!nein.StadtAufKarte);
        QCOMPARE(inst.Bytes(kStaedte), vorher);
        QCOMPARE(inst.Zeilen(QStringLiteral("WBD/nein.wbd")).last(), QStringLiteral("Falsch"));
    }
}

void TestCityKarte::stadtOhneTempelSchreibtLeerenTempel()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    CityEngine::Stadt s = Neu(QStringLiteral("Klein"));
    QVERIFY(StadtPlatzieren(s, 0, 0));
    QVERIFY(inst.Zeilen(kStaedte).contains(QStringLiteral("Tempel=")));
    QCOMPARE(Wert(inst, QStringLiteral("Klein"), QStringLiteral("X")), QStringLiteral("0"));
}

void TestCityKarte::speichernAktualisiertKarteUndNimmtKoordinaten()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("Neuhafen")});
    inst.ZeilenSchreiben(kStaedte, {QStringLiteral("[Neuhafen]"), QStringLiteral("X=4500"), QStringLiteral("Y=6000"),
                                    QStringLiteral("Einwohner=10"), QStringLiteral("Tempel=")});
    CityEngine::Stadt s = Neu(QStringLiteral("Neuhafen"), {QStringLiteral("Efferd")});
    s.StadtAufKarte = true;
    s.Einwohnerzahl = QStringLiteral("950");
    Dialoge::Skript dialoge;
    QVERIFY(StadtSpeichern(inst.Pfad(QStringLiteral("WBD/n.wbd")), s));
    QCOMPARE(Wert(inst, QStringLiteral("Neuhafen"), QStringLiteral("Einwohner")), QStringLiteral("950"));
    QVERIFY(inst.Zeilen(kStaedte).contains(QStringLiteral("Tempel=Efferd, ")));
    const QStringList datei = inst.Zeilen(QStringLiteral("WBD/n.wbd"));
    QCOMPARE(datei.mid(datei.size() - 3),
             (QStringList{QStringLiteral("Wahr"), QStringLiteral("4500"), QStringLiteral("6000")}));
    QCOMPARE(inst.Zeilen(kListe), QStringList{QStringLiteral("Neuhafen")});
}

void TestCityKarte::speichernOhneKoordinatenSchreibtLeereZeilen()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("Ohneort")});
    CityEngine::Stadt s = Neu(QStringLiteral("Ohneort"));
    s.StadtAufKarte = true;
    Dialoge::Skript dialoge;
    QVERIFY(StadtSpeichern(inst.Pfad(QStringLiteral("WBD/o.wbd")), s));
    const QStringList datei = inst.Zeilen(QStringLiteral("WBD/o.wbd"));
    QCOMPARE(datei.mid(datei.size() - 3), (QStringList{QStringLiteral("Wahr"), QString(), QString()}));
}

void TestCityKarte::speichernUngesetztRuehrtKarteNichtAn()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    inst.ZeilenSchreiben(kStaedte, {QStringLiteral("[Neuhafen]"), QStringLiteral("Einwohner=10")});
    const QByteArray vorher = inst.Bytes(kStaedte);
    Dialoge::Skript dialoge;
    CityEngine::Stadt stadt = Neu(QStringLiteral("Neuhafen"));
    QVERIFY(StadtSpeichern(inst.Pfad(QStringLiteral("WBD/u.wbd")), stadt));
    QCOMPARE(inst.Bytes(kStaedte), vorher);
    QCOMPARE(inst.Zeilen(QStringLiteral("WBD/u.wbd")).last(), QStringLiteral("Falsch"));
}

void TestCityKarte::ladenUngelisteteStadtJa()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    CityEngine::Stadt gespeichert = Neu(QStringLiteral("Fernfeld"), {QStringLiteral("Tsa"), QStringLiteral("Phex")});
    gespeichert.StadtAufKarte = true;
    inst.ZeilenSchreiben(QStringLiteral("WBD/f.wbd"), Dateizeilen(gespeichert, QStringLiteral("2250"), QStringLiteral("3105")));

    CityEngine::Stadt s;
    Dialoge::Skript dialoge;
    dialoge.ja = {true};
    QVERIFY(StadtLaden(inst.Pfad(QStringLiteral("WBD/f.wbd")), s));
    QCOMPARE(dialoge.Texte(), QStringList{Meldungen::KarteNachtragen});
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Frage);
    QVERIFY(s.StadtAufKarte);
    QCOMPARE(inst.Zeilen(kListe), QStringList{QStringLiteral("Fernfeld")});
    QCOMPARE(Wert(inst, QStringLiteral("Fernfeld"), QStringLiteral("X")), QStringLiteral("2250"));
    QCOMPARE(Wert(inst, QStringLiteral("Fernfeld"), QStringLiteral("Y")), QStringLiteral("3105"));
    QCOMPARE(Wert(inst, QStringLiteral("Fernfeld"), QStringLiteral("Einwohner")), QStringLiteral("800"));
    QVERIFY(inst.Zeilen(kStaedte).contains(QStringLiteral("Tempel=Tsa, Phex, ")));
}

void TestCityKarte::ladenUngelisteteStadtNein()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    CityEngine::Stadt gespeichert = Neu(QStringLiteral("Fernfeld"));
    gespeichert.StadtAufKarte = true;
    inst.ZeilenSchreiben(QStringLiteral("WBD/f.wbd"), Dateizeilen(gespeichert, QStringLiteral("1"), QStringLiteral("2")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("Andere")});
    const QByteArray liste = inst.Bytes(kListe);

    CityEngine::Stadt s;
    Dialoge::Skript dialoge;
    dialoge.ja = {false};
    QVERIFY(StadtLaden(inst.Pfad(QStringLiteral("WBD/f.wbd")), s));
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY(s.StadtAufKarte);
    QCOMPARE(inst.Bytes(kListe), liste);
    QVERIFY(!QFile::exists(inst.Pfad(kStaedte)));
}

void TestCityKarte::ladenGelisteteStadtFragtNicht()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    CityEngine::Stadt gespeichert = Neu(QStringLiteral("Fernfeld"));
    gespeichert.StadtAufKarte = true;
    inst.ZeilenSchreiben(QStringLiteral("WBD/f.wbd"), Dateizeilen(gespeichert, QStringLiteral("1"), QStringLiteral("2")));
    inst.ZeilenSchreiben(kListe, {QStringLiteral("Fernfeld")});
    inst.ZeilenSchreiben(kStaedte, {QStringLiteral("[Fernfeld]"), QStringLiteral("X=99")});
    const QByteArray liste = inst.Bytes(kListe);
    const QByteArray staedte = inst.Bytes(kStaedte);

    CityEngine::Stadt s;
    Dialoge::Skript dialoge;
    QVERIFY(StadtLaden(inst.Pfad(QStringLiteral("WBD/f.wbd")), s));
    QVERIFY(dialoge.aufrufe.isEmpty());
    QVERIFY(s.StadtAufKarte);
    QCOMPARE(inst.Bytes(kListe), liste);
    QCOMPARE(inst.Bytes(kStaedte), staedte);
}

void TestCityKarte::unbrauchbarerNameWirdNichtEingetragen()
{
    TestInstallation inst(false);
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    CityEngine::Stadt s = Neu(QStringLiteral("Burg [Nord]"));
    QVERIFY(!StadtPlatzieren(s, 1, 1));
    QVERIFY(!s.StadtAufKarte);
    QVERIFY(!QFile::exists(inst.Pfad(kListe)));
    QVERIFY(!QFile::exists(inst.Pfad(kStaedte)));
}

QTEST_GUILESS_MAIN(TestCityKarte)
#include "test_city_karte.moc"
