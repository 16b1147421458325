#include "Geld.h"

#include <QtTest>

class TestGeld : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wert_data()
    {
        QTest::addColumn<QString>("preis");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("pfennig");
        QTest::newRow("Buchstabe D") << "1D" << true << qint64(1000);
        QTest::newRow("Dezimalkomma") << "1,5D" << true << qint64(1500);
        QTest::newRow("Dezimalpunkt") << "1.5D" << true << qint64(1500);
        QTest::newRow("Silbertaler") << "15S" << true << qint64(1500);
        QTest::newRow("Heller") << "4H" << true << qint64(40);
        QTest::newRow("Pfennig") << "7P" << true << qint64(7);
        QTest::newRow("Wort mit Blank") << "5 Silbertaler" << true << qint64(500);
        QTest::newRow("Wort Dukaten") << "12 Dukaten" << true << qint64(12000);
        QTest::newRow("ohne Waehrung") << "3" << true << qint64(3000);
        QTest::newRow("Bruchteil eines Pfennigs rundet") << "0,25H" << true << qint64(2);
        QTest::newRow("leer") << "" << false << qint64(0);
        QTest::newRow("nur Waehrung") << "D" << false << qint64(0);
        QTest::newRow("unbekannte Waehrung") << "5 Kreuzer" << false << qint64(0);
        QTest::newRow("keine Zahl") << "viel D" << false << qint64(0);
    }
    void wert()
    {
        QFETCH(QString, preis);
        QFETCH(bool, ok);
        QFETCH(qint64, pfennig);
        bool gelesen = !ok;
        QCOMPARE(Geld::Pfennig(preis, &gelesen), pfennig);
        QCOMPARE(gelesen, ok);
    }

    void summe_data()
    {
        QTest::addColumn<qint64>("pfennig");
        QTest::addColumn<QString>("text");
        QTest::newRow("nichts") << qint64(0) << "0 Heller";
        QTest::newRow("ein Dukat") << qint64(1000) << "1 Dukat";
        QTest::newRow("alle Stellen") << qint64(3257) << "3 Dukaten, 2 Silbertaler, 5 Heller, 7 Pfennig";
        QTest::newRow("Luecken") << qint64(2050) << "2 Dukaten, 5 Heller";
        QTest::newRow("negativ") << qint64(-150) << "-1 Silbertaler, 5 Heller";
    }
    void summe()
    {
        QFETCH(qint64, pfennig);
        QFETCH(QString, text);
        QCOMPARE(Geld::Summe(pfennig), text);
    }
};

QTEST_APPLESS_MAIN(TestGeld)
#include "test_geld.moc"
