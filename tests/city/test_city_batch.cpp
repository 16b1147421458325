// The batch commands, run as the installed program is run: exit status, standard output and error, files.
#include "CityEngine.h"
#include "Stadt.h"
#include "Stadtbericht.h"
#include "Stadtdatei.h"
#include "CityTestHilfe.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QBuffer>
#include <QtTest>

#include <memory>

using namespace CityEngine;

namespace {

using Lauf = Programmlauf;

} // namespace

class TestCityBatch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;

    Lauf Starten(const QStringList& argumente)
    {
        return ProgrammStarten(m_inst->Pfad(QStringLiteral("Ortsbau3")), argumente);
    }

private Q_SLOTS:
    void initTestCase();
    void generierenSchreibtDieSeiteDesGenerators();
    void generierenVerweigert_data();
    void generierenVerweigert();
    void berichtEinerStadtdatei();
    void berichtFragtNichtNachDerKarte();
    void berichtVerweigertBeschaedigteDatei();
    void zufallsname_data();
    void zufallsname();
    void zufallsnameUnbekanntesVolk();
    void hilfeNenntDieBefehle();
    void generierenMitTausenderpunkt();
};

void TestCityBatch::initTestCase()
{
    m_inst = std::make_unique<TestInstallation>();
    QVERIFY(QFile::copy(QStringLiteral(ORTSBAU3_PROGRAMM), m_inst->Pfad(QStringLiteral("Ortsbau3"))));
    QFile::setPermissions(m_inst->Pfad(QStringLiteral("Ortsbau3")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestCityBatch::generierenSchreibtDieSeiteDesGenerators()
{
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/gen.html"));
    const Lauf lauf = Starten({QStringLiteral("--generieren"), QStringLiteral("--name"), QStringLiteral("Nordwacht"),
                               QStringLiteral("--einwohner"), QStringLiteral("3200"), QStringLiteral("--reichtum"),
                               QStringLiteral("Arm"), QStringLiteral("--kriminalitaet"), QStringLiteral("Hoch"),
                               QStringLiteral("--rasse"), QStringLiteral("Thorwaler"), QStringLiteral("--lage"),
                               QStringLiteral("Küste"), QStringLiteral("--zufallsnamen"),
                               QStringLiteral("--zufallsereignisse"), QStringLiteral("--ausgabe"), ziel,
                               QStringLiteral("--seed"), QStringLiteral("42")});
    QCOMPARE(lauf.status, 0);
    QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));

    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Nordwacht");
    e.Einwohner = 3200;
    e.Reichtum = QStringLiteral("Arm");
    e.Kriminalitaet = QStringLiteral("Hoch");
    e.Rasse = QStringLiteral("Thorwaler");
    e.Lage = Stadtlage::Kueste;
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;
    const QByteArray erwartet = CityTest::GeneratorSeite(e, 42);
    QVERIFY(erwartet.contains("<B>Lage:</B> an der K\xFCste</BR>"));
    QCOMPARE(m_inst->Bytes(QStringLiteral("HTML/gen.html")), erwartet);
    QVERIFY(erwartet.contains("<B>Reichtum:</B> Arm</BR>"));
}

void TestCityBatch::generierenVerweigert_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("null Einwohner") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("0")}
                                    << QStringLiteral("Einwohnerzahl");
    QTest::newRow("keine Zahl") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("viele")}
                                << QStringLiteral("Einwohnerzahl");
    QTest::newRow("unbekanntes Volk") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("5"),
                                                     QStringLiteral("--rasse"), QStringLiteral("Riesen")}
                                      << QStringLiteral("Riesen");
    QTest::newRow("unbekannter Reichtum") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("5"),
                                                         QStringLiteral("--reichtum"), QStringLiteral("Steinreich")}
                                          << QStringLiteral("Steinreich");
    QTest::newRow("unbekannte Kriminalitaet") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("5"),
                                                             QStringLiteral("--kriminalitaet"), QStringLiteral("Mittel ")}
                                              << QStringLiteral("Kriminalität");
    QTest::newRow("unbekannte Lage") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("5"),
                                                    QStringLiteral("--lage"), QStringLiteral("am Fluss")}
                                     << QStringLiteral("Unbekannte Lage \"am Fluss\" (erlaubt: Binnenland, Fluss, Küste, Gebirge).");
    QTest::newRow("Zufallsnamen ohne Volk")
        << QStringList{QStringLiteral("--einwohner"), QStringLiteral("5"), QStringLiteral("--zufallsnamen")}
        << QStringLiteral("Ihr müsst eine Region / Rasse angeben, wenn Zufallsnamen berechnet werden sollen.");
    QTest::newRow("ohne Einwohner") << QStringList{} << QStringLiteral("--einwohner");
    QTest::newRow("Dezimalkomma") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("1,5")}
                                  << QStringLiteral("keine gültige ganze Zahl");
    QTest::newRow("zu viele Einwohner") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("3.000.000.000")}
                                        << QStringLiteral("höchstens 2.147.483.647");
    QTest::newRow("fremdes Argument") << QStringList{QStringLiteral("--einwohner"), QStringLiteral("5"),
                                                     QStringLiteral("--farbe"), QStringLiteral("rot")}
                                      << QStringLiteral("--farbe");
}

void TestCityBatch::generierenVerweigert()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/nein.html"));
    QFile::remove(ziel);
    const Lauf lauf = Starten(QStringList{QStringLiteral("--generieren"), QStringLiteral("--name"), QStringLiteral("X"),
                                          QStringLiteral("--ausgabe"), ziel}
                              + argumente);
    QVERIFY(lauf.status > 0);
    QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
    QVERIFY(!QFile::exists(ziel));
}

void TestCityBatch::berichtEinerStadtdatei()
{
    Stadt s;
    s.Name = QStringLiteral("Kupferfurt");
    s.Einwohnerzahl = QStringLiteral("640");
    s.Rasse = 2;
    s.Betriebe[Taverne].Slots.prepend({QStringLiteral("Zum Kessel"), QStringLiteral("Rondrian"), QStringLiteral("1"),
                                       QStringLiteral("2"), QStringLiteral("Streit am Tresen.")});
    m_inst->ZeilenSchreiben(QStringLiteral("WBD/k.wbd"), Dateizeilen(s));
    const Lauf lauf = Starten({QStringLiteral("--bericht"), m_inst->Pfad(QStringLiteral("WBD/k.wbd")),
                               QStringLiteral("--ausgabe"), m_inst->Pfad(QStringLiteral("HTML/k.html"))});
    QCOMPARE(lauf.status, 0);
    const QByteArray erwartet = CityTest::Berichtseite(s);
    QCOMPARE(m_inst->Bytes(QStringLiteral("HTML/k.html")), erwartet);
    QVERIFY(erwartet.contains("<B>Zum Kessel</B></BR>"));
}

void TestCityBatch::berichtFragtNichtNachDerKarte()
{
    Stadt s;
    s.Name = QStringLiteral("Ungelistet am See");
    s.StadtAufKarte = true;
    m_inst->ZeilenSchreiben(QStringLiteral("WBD/u.wbd"), Dateizeilen(s, QStringLiteral("150"), QStringLiteral("300")));
    const QByteArray liste = m_inst->Bytes(QStringLiteral("Data/Explorer/Städteliste.dat"));
    const QByteArray staedte = m_inst->Bytes(QStringLiteral("Data/Explorer/Städte.dat"));
    const Lauf lauf = Starten({QStringLiteral("--bericht"), m_inst->Pfad(QStringLiteral("WBD/u.wbd")),
                               QStringLiteral("--ausgabe"), m_inst->Pfad(QStringLiteral("HTML/u.html"))});
    QCOMPARE(lauf.status, 0);
    QVERIFY(QFile::exists(m_inst->Pfad(QStringLiteral("HTML/u.html"))));
    QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Explorer/Städteliste.dat")), liste);
    QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Explorer/Städte.dat")), staedte);
}

void TestCityBatch::berichtVerweigertBeschaedigteDatei()
{
    m_inst->ZeilenSchreiben(QStringLiteral("WBD/kaputt.wbd"), {QStringLiteral("Ortsbau 3"), QStringLiteral(" 2 ")});
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/kaputt.html"));
    const Lauf lauf = Starten({QStringLiteral("--bericht"), m_inst->Pfad(QStringLiteral("WBD/kaputt.wbd")),
                               QStringLiteral("--ausgabe"), ziel});
    QVERIFY(lauf.status > 0);
    QVERIFY(lauf.fehler.contains(QStringLiteral("Diese Datei wurde nicht mit Ortsbau 3 erstellt oder sie ist beschädigt.")));
    QVERIFY(!QFile::exists(ziel));
    const Lauf fehlt = Starten({QStringLiteral("--bericht"), m_inst->Pfad(QStringLiteral("WBD/gibtsnicht.wbd")),
                                QStringLiteral("--ausgabe"), ziel});
    QVERIFY(fehlt.status > 0);
    QVERIFY(fehlt.fehler.contains(QStringLiteral("gibtsnicht.wbd")));
    // A device or a folder given by mistake is refused at once with the same message.
    for (const QString& falsch : {QStringLiteral("/dev/zero"), m_inst->Pfad(QStringLiteral("WBD"))}) {
        if (!QFileInfo::exists(falsch))
            continue;
        QElapsedTimer uhr;
        uhr.start();
        const Lauf geraet = Starten({QStringLiteral("--bericht"), falsch, QStringLiteral("--ausgabe"), ziel});
        QVERIFY(geraet.status > 0);
        QVERIFY2(geraet.fehler.contains(QStringLiteral("nicht mit Ortsbau 3 erstellt")), qPrintable(geraet.fehler));
        QVERIFY(uhr.elapsed() < 30000);
    }
    QVERIFY(!QFile::exists(ziel));
}

void TestCityBatch::generierenMitTausenderpunkt()
{
    // "1.000" inhabitants is a city of a thousand, not of one.
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/tausend.html"));
    const Lauf lauf = Starten({QStringLiteral("--generieren"), QStringLiteral("--name"), QStringLiteral("Tausendhof"),
                               QStringLiteral("--einwohner"), QStringLiteral("1.000"), QStringLiteral("--seed"),
                               QStringLiteral("7"), QStringLiteral("--ausgabe"), ziel});
    QCOMPARE(lauf.status, 0);
    QVERIFY(m_inst->Bytes(QStringLiteral("HTML/tausend.html")).contains("<B>Einwohnerzahl:</B> 1000</BR>"));
}

void TestCityBatch::zufallsname_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("geschlecht");
    QTest::newRow("Zwergin") << QStringList{QStringLiteral("Zwerge"), QStringLiteral("--geschlecht"), QStringLiteral("Weiblich")}
                             << QStringLiteral("Brunla, Tochter des Gorim") << QStringLiteral("Weiblich");
    QTest::newRow("Zwerg") << QStringList{QStringLiteral("Zwerge"), QStringLiteral("--geschlecht"), QStringLiteral("Männlich")}
                           << QStringLiteral("Gorim, Sohn des Gorim") << QStringLiteral("Männlich");
    QTest::newRow("Mohas") << QStringList{QStringLiteral("Mohas")} << QStringLiteral("Tamu-Ra") << QString();
}

void TestCityBatch::zufallsname()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, name);
    QFETCH(QString, geschlecht);
    m_inst->ZeilenSchreiben(QStringLiteral("Data/City/ZwergeWeiblich.dat"), {QStringLiteral("Brunla")});
    m_inst->ZeilenSchreiben(QStringLiteral("Data/City/ZwergeMännlich.dat"), {QStringLiteral("Gorim")});
    m_inst->ZeilenSchreiben(QStringLiteral("Data/City/Mohas.dat"), {QStringLiteral("Tamu-Ra")});
    const Lauf lauf = Starten(QStringList{QStringLiteral("--zufallsname")} + argumente);
    QCOMPARE(lauf.status, 0);
    QCOMPARE(lauf.ausgabe, name + QLatin1Char('\n') + geschlecht + QLatin1Char('\n'));
}

void TestCityBatch::zufallsnameUnbekanntesVolk()
{
    const Lauf lauf = Starten({QStringLiteral("--zufallsname"), QStringLiteral("Kobolde")});
    QVERIFY(lauf.status > 0);
    QVERIFY(lauf.ausgabe.isEmpty());
    QVERIFY(lauf.fehler.contains(QStringLiteral("Kobolde")));
    const Lauf geschlecht = Starten({QStringLiteral("--zufallsname"), QStringLiteral("Elfen"), QStringLiteral("--geschlecht"),
                                     QStringLiteral("Divers")});
    QVERIFY(geschlecht.status > 0);
}

void TestCityBatch::hilfeNenntDieBefehle()
{
    const Lauf lauf = Starten({QStringLiteral("--help")});
    QCOMPARE(lauf.status, 0);
    for (const char* befehl : {"--generieren", "--bericht", "--zufallsname", "--seed"})
        QVERIFY(lauf.ausgabe.contains(QLatin1String(befehl)));
    const Lauf unbekannt = Starten({QStringLiteral("--irgendwas")});
    QVERIFY(unbekannt.status > 0);
}

QTEST_GUILESS_MAIN(TestCityBatch)
#include "test_city_batch.moc"
