#include "GenNameSub.h"
#include "TestInstallation.h"
#include "Zufall.h"

#include <QtTest>

// The naming customs, with small name lists of known content and scripted rolls.
class TestNamen : public QObject {
    Q_OBJECT

    static void Liste(const TestInstallation& inst, const QString& name, const QStringList& zeilen)
    {
        inst.ZeilenSchreiben(QStringLiteral("Data/City/") + name + QStringLiteral(".dat"), zeilen);
    }

    static void Listen(const TestInstallation& inst)
    {
        Liste(inst, QStringLiteral("Mohas"), {QStringLiteral("Tapu Eshan"), QStringLiteral("Kiravu")});
        Liste(inst, QStringLiteral("NivesenMännlich"), {QStringLiteral("Ulko"), QStringLiteral("Taiv")});
        Liste(inst, QStringLiteral("NivesenWeiblich"), {QStringLiteral("Ilja")});
        Liste(inst, QStringLiteral("ZwergeMännlich"), {QStringLiteral("Brogar"), QStringLiteral("Thrumli")});
        Liste(inst, QStringLiteral("ZwergeWeiblich"), {QStringLiteral("Dwalka")});
        Liste(inst, QStringLiteral("ThorwalerMännlich"), {QStringLiteral("Asvald"), QStringLiteral("Hrolf")});
        Liste(inst, QStringLiteral("ThorwalerWeiblich"), {QStringLiteral("Sigrun"), QStringLiteral("Thora")});
        Liste(inst, QStringLiteral("TulamidenMännlich"), {QStringLiteral("Harun"), QStringLiteral("Jassir")});
        Liste(inst, QStringLiteral("TulamidenWeiblich"), {QStringLiteral("Leyla")});
        Liste(inst, QStringLiteral("ElfenMännlich"), {QStringLiteral("Fenwe")});
        Liste(inst, QStringLiteral("ElfenWeiblich"), {QStringLiteral("Ilaria")});
        Liste(inst, QStringLiteral("ElfenNachname1"), {QStringLiteral("Abend"), QStringLiteral("Silber")});
        Liste(inst, QStringLiteral("ElfenNachname2"), {QStringLiteral("tau"), QStringLiteral("blatt")});
        Liste(inst, QStringLiteral("GarethMännlich"), {QStringLiteral("Ulfried")});
        Liste(inst, QStringLiteral("GarethWeiblich"), {QStringLiteral("Adelheid "), QStringLiteral("Hedda")});
        Liste(inst, QStringLiteral("GarethNachname"), {QStringLiteral("Kesselbach"), QStringLiteral("von Rothang")});
        // Lists a text editor saved as UTF-8, without and with a byte-order mark.
        inst.Schreiben(QStringLiteral("Data/City/NorbardenMännlich.dat"), "J\xC3\xBCrgen\n");
        inst.Schreiben(QStringLiteral("Data/City/NorbardenNachname.dat"), "\xEF\xBB\xBFM\xC3\xB6ller\r\n");
    }

private Q_SLOTS:
    void namensregeln_data()
    {
        QTest::addColumn<QString>("rasse");
        QTest::addColumn<QString>("geschlecht");
        QTest::addColumn<QList<int>>("wuerfe");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("geschlechtDanach");
        QTest::addColumn<QList<int>>("seiten"); // sides of every draw, in order

        QTest::newRow("mohas") << "Mohas" << "" << QList<int>{1} << "Tapu Eshan" << "" << QList<int>{2};
        QTest::newRow("mohas-behaelt-geschlecht") << "Mohas" << "Zufall" << QList<int>{2} << "Kiravu" << "Zufall" << QList<int>{2};
        QTest::newRow("nivesen") << "Nivesen" << "Männlich" << QList<int>{2, 1} << "Taiv von Ulkos Stamm" << "Männlich"
                                 << QList<int>{2, 2};
        QTest::newRow("zwerge-zufall-sohn") << "Zwerge" << "Zufall" << QList<int>{1, 1, 2} << "Brogar, Sohn des Thrumli"
                                            << "Männlich" << QList<int>{2, 2, 2};
        QTest::newRow("zwerge-leer-tochter") << "Zwerge" << "" << QList<int>{2, 1, 1} << "Dwalka, Tochter des Brogar"
                                             << "Weiblich" << QList<int>{2, 1, 2};
        QTest::newRow("thorwaler-sohn-der-mutter") << "Thorwaler" << "Männlich" << QList<int>{2, 2, 1} << "Hrolf Sigrunson"
                                                   << "Männlich" << QList<int>{2, 2, 2};
        QTest::newRow("thorwaler-tochter") << "Thorwaler" << "Weiblich" << QList<int>{2, 1, 1} << "Thora Asvaldsdotter"
                                           << "Weiblich" << QList<int>{2, 2, 2};
        QTest::newRow("tulamiden-ben") << "Tulamiden" << "Männlich" << QList<int>{1, 2} << "Harun ben Jassir" << "Männlich"
                                       << QList<int>{2, 2};
        QTest::newRow("tulamiden-saba") << "Tulamiden" << "Weiblich" << QList<int>{1, 1} << "Leyla saba Harun" << "Weiblich"
                                        << QList<int>{1, 2};
        QTest::newRow("elfen") << "Elfen" << "Weiblich" << QList<int>{1, 2, 1} << "Ilaria Silbertau" << "Weiblich"
                               << QList<int>{1, 2, 2};
        QTest::newRow("gareth-weiblich") << "Gareth" << "Weiblich" << QList<int>{1, 2} << "Adelheid  von Rothang" << "Weiblich"
                                         << QList<int>{2, 2};
        QTest::newRow("norbarden-utf8") << "Norbarden" << "Männlich" << QList<int>{1, 1} << "Jürgen Möller" << "Männlich"
                                        << QList<int>{1, 1};
        QTest::newRow("gareth-einzeilig") << "Gareth" << "Männlich" << QList<int>{1, 1} << "Ulfried Kesselbach" << "Männlich"
                                          << QList<int>{1, 2};
        // Another gender text: no given name, the name starts with the joining text; the female form.
        QTest::newRow("zwerge-anderes-geschlecht") << "Zwerge" << "Divers" << QList<int>{2} << ", Tochter des Thrumli"
                                                   << "Divers" << QList<int>{2};
        // A people without lists: both parts empty, nothing drawn for them, and no stop.
        QTest::newRow("unbekanntes-volk") << "Bornland" << "Männlich" << QList<int>{} << " " << "Männlich" << QList<int>{};
        QTest::newRow("pfad-im-volk") << "../City/Gareth" << "Männlich" << QList<int>{} << " " << "Männlich" << QList<int>{};
    }

    void namensregeln()
    {
        QFETCH(QString, rasse);
        QFETCH(QString, geschlecht);
        QFETCH(QList<int>, wuerfe);
        QFETCH(QString, name);
        QFETCH(QString, geschlechtDanach);
        QFETCH(QList<int>, seiten);
        TestInstallation inst(false);
        Listen(inst);
        Zufall::Skript skript(wuerfe);
        QCOMPARE(GenNameSub::Zufallsname(rasse, geschlecht), name);
        QCOMPARE(geschlecht, geschlechtDanach);
        QCOMPARE(skript.Angefragt(), seiten);
        QVERIFY2(skript.Fehler().isEmpty(), qPrintable(skript.Fehler().join(QLatin1Char(';'))));
        QCOMPARE(skript.Uebrig(), 0);
    }

    void listenWerdenJedesMalGelesen()
    {
        TestInstallation inst(false);
        Listen(inst);
        QString geschlecht;
        {
            Zufall::Skript skript({1});
            QCOMPARE(GenNameSub::Zufallsname(QStringLiteral("Mohas"), geschlecht), QStringLiteral("Tapu Eshan"));
        }
        Liste(inst, QStringLiteral("Mohas"), {QStringLiteral("Neu Geschrieben")});
        Zufall::Skript skript({1});
        QCOMPARE(GenNameSub::Zufallsname(QStringLiteral("Mohas"), geschlecht), QStringLiteral("Neu Geschrieben"));
    }

    void ausgelieferteListen()
    {
        // Every shipped list has enough entries for every people of the city tool.
        TestInstallation inst;
        const QStringList voelker = {QStringLiteral("Bornland"), QStringLiteral("Elfen"), QStringLiteral("Gareth"),
                                     QStringLiteral("Mohas"), QStringLiteral("Nivesen"), QStringLiteral("Norbarden"),
                                     QStringLiteral("Thorwaler"), QStringLiteral("Tulamiden"), QStringLiteral("Zwerge")};
        const QStringList dateien = {
            QStringLiteral("BornlandMännlich"), QStringLiteral("BornlandNachname"), QStringLiteral("BornlandWeiblich"),
            QStringLiteral("ElfenMännlich"), QStringLiteral("ElfenNachname1"), QStringLiteral("ElfenNachname2"),
            QStringLiteral("ElfenWeiblich"), QStringLiteral("GarethMännlich"), QStringLiteral("GarethNachname"),
            QStringLiteral("GarethWeiblich"), QStringLiteral("Mohas"), QStringLiteral("NivesenMännlich"),
            QStringLiteral("NivesenWeiblich"), QStringLiteral("NorbardenMännlich"), QStringLiteral("NorbardenNachname"),
            QStringLiteral("NorbardenWeiblich"), QStringLiteral("ThorwalerMännlich"), QStringLiteral("ThorwalerWeiblich"),
            QStringLiteral("TulamidenMännlich"), QStringLiteral("TulamidenWeiblich"), QStringLiteral("ZwergeMännlich"),
            QStringLiteral("ZwergeWeiblich")};
        for (const QString& datei : dateien) {
            const QStringList zeilen = inst.Zeilen(QStringLiteral("Data/City/") + datei + QStringLiteral(".dat"));
            // Fewer names make the same owner turn up across a whole town.
            QVERIFY2(zeilen.size() >= (datei == QLatin1String("Mohas") ? 80 : 60), qPrintable(datei));
            QVERIFY2(!zeilen.contains(QString()), qPrintable(datei));
        }
        for (const QString& volk : voelker) {
            QString geschlecht = QStringLiteral("Zufall");
            const QString name = GenNameSub::Zufallsname(volk, geschlecht);
            QVERIFY2(name.trimmed().size() > 3 && !name.startsWith(QLatin1Char(' ')), qPrintable(volk + QLatin1String(": ") + name));
        }
    }
};

QTEST_GUILESS_MAIN(TestNamen)
#include "test_namen.moc"
