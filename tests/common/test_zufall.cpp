#include "Subs.h"
#include "Zufall.h"

#include <QtTest>

#include <array>

class TestZufall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void produktion()
    {
        Zufall::ProduktionSetzen();
        for (int i = 0; i < 100; ++i)
            QCOMPARE(Subs::Zufallszahl(1), 1);
        QCOMPARE(Subs::Zufallszahl(0), 1);
        QCOMPARE(Subs::Zufallszahl(-5), 1);
        // Every face of a W6 comes up, and nothing else; back-to-back calls do not repeat in runs.
        std::array<int, 7> zaehler{};
        int gleicheNachbarn = 0;
        int vorher = 0;
        for (int i = 0; i < 6000; ++i) {
            const int w = Subs::Zufallszahl(6);
            QVERIFY(w >= 1 && w <= 6);
            ++zaehler[w];
            gleicheNachbarn += w == vorher;
            vorher = w;
        }
        for (int seite = 1; seite <= 6; ++seite)
            QVERIFY2(zaehler[seite] > 800 && zaehler[seite] < 1200, qPrintable(QString::number(zaehler[seite])));
        QVERIFY(gleicheNachbarn < 1300);
    }

    void saatWiederholbar()
    {
        QList<int> erste;
        QList<int> zweite;
        Zufall::SaatSetzen(42);
        for (int i = 0; i < 20; ++i)
            erste << Subs::Zufallszahl(20);
        Zufall::SaatSetzen(42);
        for (int i = 0; i < 20; ++i)
            zweite << Subs::Zufallszahl(20);
        QCOMPARE(erste, zweite);
        Zufall::SaatSetzen(43);
        QList<int> dritte;
        for (int i = 0; i < 20; ++i)
            dritte << Subs::Zufallszahl(20);
        QVERIFY(dritte != erste);
        Zufall::ProduktionSetzen();
    }

    void skript()
    {
        {
            Zufall::Skript wuerfe({20, 3, 5});
            QCOMPARE(Subs::Zufallszahl(20), 20);
            QCOMPARE(Subs::Zufallszahl(6), 3);
            QCOMPARE(wuerfe.Uebrig(), 1);
            // A roll that does not fit the die is recorded and kept in range.
            QCOMPARE(Subs::Zufallszahl(4), 4);
            QCOMPARE(Subs::Zufallszahl(2), 1);
            QCOMPARE(wuerfe.Angefragt(), (QList<int>{20, 6, 4, 2}));
            QCOMPARE(wuerfe.Fehler().size(), 2);
            // Below 1 nothing is drawn.
            QCOMPARE(Subs::Zufallszahl(0), 1);
            QCOMPARE(wuerfe.Angefragt().size(), 4);
            {
                Zufall::Skript innen({1});
                QCOMPARE(Subs::Zufallszahl(6), 1);
            }
            wuerfe.Anhaengen({6});
            QCOMPARE(Subs::Zufallszahl(6), 6);
        }
        // Afterwards the production source is back.
        for (int i = 0; i < 50; ++i)
            QVERIFY(Subs::Zufallszahl(3) >= 1);
    }
};

QTEST_GUILESS_MAIN(TestZufall)
#include "test_zufall.moc"
