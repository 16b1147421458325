#include "ExplorerEngine.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QtTest>

using namespace ExplorerEngine;

// Regions, distances and the world map's city register.
class TestKarte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entfernung_data()
    {
        QTest::addColumn<qint32>("dx");
        QTest::addColumn<qint32>("dy");
        QTest::addColumn<qint64>("d");
        QTest::newRow("3-4-5") << 3 << 4 << qint64(5);
        QTest::newRow("null") << 0 << 0 << qint64(0);
        QTest::newRow("achse") << 675 << 0 << qint64(675);
        QTest::newRow("abrunden") << 1 << 1 << qint64(1);      // 1.414
        QTest::newRow("aufrunden") << 1 << 2 << qint64(2);     // 2.236
        QTest::newRow("knapp-unter-halb") << 2 << 3 << qint64(4); // 3.606
        QTest::newRow("gross") << 2147483647 << 2147483647 << qint64(3037000499);
        QTest::newRow("fast-halb") << 1000000 << 1 << qint64(1000000);
    }

    void entfernung()
    {
        QFETCH(qint32, dx);
        QFETCH(qint32, dy);
        QFETCH(qint64, d);
        QCOMPARE(Entfernung(dx, dy), d);
        QCOMPARE(Entfernung(dy, dx), d);
    }

    void regionentabelle()
    {
        RegionenInitialisieren();
        QCOMPARE(RegionCodes().size(), 20);
        QCOMPARE(RegionAbstand(QStringLiteral("WE"), QStringLiteral("NO")), 1);
        QCOMPARE(RegionAbstand(QStringLiteral("NO"), QStringLiteral("NO")), 2);
        QCOMPARE(RegionAbstand(QStringLiteral("FI"), QStringLiteral("WA")), 2);
        QCOMPARE(RegionAbstand(QStringLiteral("TO"), QStringLiteral("HA")), 1);
        QCOMPARE(RegionAbstand(QStringLiteral("HA"), QStringLiteral("TO")), 2);
        QCOMPARE(RegionAbstand(QStringLiteral("GA"), QStringLiteral("TO")), 1);
        QCOMPARE(RegionAbstand(QStringLiteral("TO"), QStringLiteral("GA")), 2);
        QCOMPARE(RegionAbstand(QStringLiteral("WA"), QStringLiteral("SÜ")), 1);
        QCOMPARE(RegionAbstand(QStringLiteral("XX"), QStringLiteral("NO")), 0);
        QCOMPARE(RegionAbstand(QStringLiteral("no"), QStringLiteral("TH")), 0);
        // 36 pairs both ways and two one-way entries: 74 ones, and the table is otherwise 2.
        int einsen = 0;
        int asymmetrisch = 0;
        for (int a = 0; a < 20; ++a)
            for (int b = 0; b < 20; ++b) {
                QVERIFY(Regionentabelle[a][b] == 1 || Regionentabelle[a][b] == 2);
                einsen += Regionentabelle[a][b] == 1;
                asymmetrisch += Regionentabelle[a][b] != Regionentabelle[b][a];
            }
        QCOMPARE(einsen, 74);
        QCOMPARE(asymmetrisch, 4);
    }

    void regionBeschreibung()
    {
        TestInstallation inst;
        for (const QString& code : RegionCodes())
            QVERIFY2(!RegionBeschreibung(code).isEmpty(), qPrintable(code));
        QCOMPARE(RegionBeschreibung(QStringLiteral("XX")), QString());
        TestInstallation leer(false);
        QCOMPARE(RegionBeschreibung(QStringLiteral("NO")), QString());
    }

    void stadtPlatzieren()
    {
        TestInstallation inst(false);
        inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"), {QStringLiteral("[Ulmenhain]"), QStringLiteral("Pic=ulm.jpg"), QStringLiteral("X=1")});
        QVERIFY(!StadtGelistet(QStringLiteral("Ulmenhain")));
        QVERIFY(StadtPlatzieren(QStringLiteral("Ulmenhain"), QStringLiteral("1500"), QStringLiteral("3000"), QStringLiteral("800"),
                                {QStringLiteral("Praios"), QStringLiteral("Rondra")}));
        QVERIFY(StadtPlatzieren(QStringLiteral("Ulmenhain"), QStringLiteral("1515"), QStringLiteral("3030"), QStringLiteral("900"), {}));
        // Placed twice: one line, the newer position.
        QCOMPARE(Staedteliste(), (QStringList{QStringLiteral("Ulmenhain")}));
        const Kartenstadt stadt = StadtLesen(QStringLiteral("Ulmenhain"));
        QVERIFY(stadt.HatPosition);
        QCOMPARE(stadt.X, 1515);
        QCOMPARE(stadt.Y, 3030);
        QCOMPARE(stadt.Einwohner, QStringLiteral("900"));
        QCOMPARE(stadt.Tempel, QString());
        QCOMPARE(stadt.Pic, QStringLiteral("ulm.jpg"));

        QVERIFY(StadtDatenSchreiben(QStringLiteral("Ulmenhain"), QStringLiteral("950"), {QStringLiteral("Praios"), QStringLiteral("Rondra")}));
        QVERIFY(inst.Zeilen(QStringLiteral("Data/Explorer/Städte.dat")).contains(QStringLiteral("Tempel=Praios, Rondra, ")));
        QCOMPARE(StadtLesen(QStringLiteral("Ulmenhain")).Einwohner, QStringLiteral("950"));

        // A name the register cannot hold is refused before anything is written.
        QString fehler;
        for (const char* name : {"Ulm[1]", "Ulm]", "Ulm=Au", "  "}) {
            QVERIFY(!StadtPlatzieren(QString::fromUtf8(name), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), {}, &fehler));
            QVERIFY(!fehler.isEmpty());
        }
        QVERIFY(NameFehler(QStringLiteral("Ulm[=]")).contains(QStringLiteral("„[“, „]“, „=“")));
        // Temples that together exceed a settings value are refused, not stored cut.
        QVERIFY(!StadtPlatzieren(QStringLiteral("Ulmenhain"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringList(30, QStringLiteral("Rur und Gror")), &fehler));
        QVERIFY(fehler.contains(QStringLiteral("254")));
        QCOMPARE(Staedteliste(), (QStringList{QStringLiteral("Ulmenhain")}));
        QCOMPARE(StadtLesen(QStringLiteral("Ulmenhain")).X, 1515);

        // Blanks around a name and another letter case name the listed city: its position moves, no second
        // line and no second section appear.
        QVERIFY(StadtPlatzieren(QStringLiteral(" ulmenhain "), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), {}));
        QCOMPARE(Staedteliste(), (QStringList{QStringLiteral("Ulmenhain")}));
        QCOMPARE(StadtLesen(QStringLiteral("Ulmenhain")).X, 1);
        QCOMPARE(inst.Zeilen(QStringLiteral("Data/Explorer/Städte.dat")).filter(QStringLiteral("[")).size(), 1);
        // A new name is listed trimmed.
        QVERIFY(StadtPlatzieren(QStringLiteral(" Altwasser"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), {}));
        QCOMPARE(Staedteliste(), (QStringList{QStringLiteral("Ulmenhain"), QStringLiteral("Altwasser")}));
        QVERIFY(StadtPlatzieren(QStringLiteral(" Altwasser"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("6"), {}));
        QCOMPARE(inst.Zeilen(QStringLiteral("Data/Explorer/Städte.dat")).filter(QStringLiteral("[")),
                 (QStringList{QStringLiteral("[Ulmenhain]"), QStringLiteral("[Altwasser]")}));
        QCOMPARE(StadtLesen(QStringLiteral("Altwasser")).X, 7);
    }

    void stadtLesenRundetUndFehlendePosition()
    {
        TestInstallation inst(false);
        inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"),
                             {QStringLiteral("[A]"), QStringLiteral("X=12,5"), QStringLiteral("Y=13.5"), QStringLiteral("[B]"),
                              QStringLiteral("X=7"), QStringLiteral("[C]"), QStringLiteral("X=abc"), QStringLiteral("Y=1")});
        const Kartenstadt a = StadtLesen(QStringLiteral("A"));
        QVERIFY(a.HatPosition);
        QCOMPARE(a.X, 12);
        QCOMPARE(a.Y, 14);
        QVERIFY(!StadtLesen(QStringLiteral("B")).HatPosition);
        QVERIFY(!StadtLesen(QStringLiteral("C")).HatPosition);
        QVERIFY(!StadtLesen(QStringLiteral("Fehlt")).HatPosition);
    }

    void ausgelieferteStaedteLiegenAufDerKarte()
    {
        TestInstallation inst;
        const QStringList staedte = Staedteliste();
        QVERIFY(staedte.size() >= 8);
        for (const QString& name : staedte) {
            const Kartenstadt stadt = StadtLesen(name);
            QVERIFY2(stadt.HatPosition, qPrintable(name));
            QVERIFY(stadt.X > 0 && stadt.Y > 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestKarte)
#include "test_karte.moc"
