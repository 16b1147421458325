// The batch commands, run as the installed program is run: exit status, standard output and error, and the
// bytes of the files they write or leave alone.
#include "DatEditTestHilfe.h"
#include "TestInstallation.h"

#include <QtTest>

#include <memory>

using DatEditTest::Ablegen;
using DatEditTest::CrLf;

namespace {

using Lauf = Programmlauf;

const QString kKonfig = QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat");
const QString kShops = QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat");

} // namespace

class TestDatEditBatch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;

    Lauf Starten(const QStringList& argumente)
    {
        return ProgrammStarten(m_inst->Pfad(QStringLiteral("Tabellar3")), argumente);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_inst = std::make_unique<TestInstallation>();
        QVERIFY(QFile::copy(QStringLiteral(TABELLAR3_PROGRAMM), m_inst->Pfad(QStringLiteral("Tabellar3"))));
        QFile::setPermissions(m_inst->Pfad(QStringLiteral("Tabellar3")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void init()
    {
        // The files the commands write or the tests replace.
        DatEditTest::Wiederherstellen(*m_inst, {QStringLiteral("Data/City/Heiler.dat"),
                                                QStringLiteral("Data/City/CityZufallsereignisse.dat"), QStringLiteral("Data/Day"),
                                                QStringLiteral("Data/Warehouse/ItemKategorien.dat"),
                                                QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"),
                                                QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"), QStringLiteral("Temp")});
        QVERIFY(QDir().mkpath(m_inst->Pfad(QStringLiteral("Temp"))));
    }
    void cleanupTestCase() { m_inst.reset(); }

    void liste()
    {
        Lauf lauf = Starten({QStringLiteral("--liste")});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.ausgabe, QStringLiteral("Ortsbau 3\nTageslauf 3\nLagerhof 3\n"));
        lauf = Starten({QStringLiteral("--liste"), QStringLiteral("Ortsbau 3")});
        QCOMPARE(lauf.status, 0);
        const QStringList zeilen = lauf.ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 36);
        QCOMPARE(zeilen.mid(14, 4), QStringList({QStringLiteral("Händler1"), QStringLiteral("Händler2"),
                                                 QStringLiteral("Händler3"), QStringLiteral("Handwerker1")}));
        lauf = Starten({QStringLiteral("--liste"), QStringLiteral("Lagerhof 3")});
        QCOMPARE(lauf.ausgabe, QStringLiteral("ShopgeneratorConfig\n"));
        lauf = Starten({QStringLiteral("--liste"), QStringLiteral("Ortsbau3")});
        QCOMPARE(lauf.status, 2);
        QVERIFY(lauf.ausgabe.isEmpty());
        QCOMPARE(lauf.fehler, QStringLiteral("Unbekanntes Werkzeug „Ortsbau3“ (erlaubt: Ortsbau 3, Tageslauf 3, Lagerhof 3).\n"));
    }

    void exportieren()
    {
        const QString ziel = m_inst->Pfad(QStringLiteral("Temp/Händler1.txt"));
        const Lauf lauf = Starten({QStringLiteral("--exportieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("Händler1"),
                                   QStringLiteral("--ausgabe"), ziel});
        QCOMPARE(lauf.status, 0);
        QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));
        const QStringList zeilen = m_inst->Zeilen(QStringLiteral("Data/City/Händler1.dat"));
        QVERIFY(zeilen.size() > 5);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Temp/Händler1.txt")), (zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }

    void exportierenVerweigert_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        const QString e = QStringLiteral("--exportieren");
        const QString a = QStringLiteral("--ausgabe");
        QTest::newRow("fehlende Tabelle") << QStringList{e, QStringLiteral("Tageslauf 3"), QStringLiteral("DayEreignisse"), a} << 1
                                          << QStringLiteral("Die Datei „DayEreignisse.dat“ fehlt");
        QTest::newRow("Shopdatei") << QStringList{e, QStringLiteral("Lagerhof 3"), QStringLiteral("ShopgeneratorConfig"), a} << 2
                                   << QStringLiteral("wird nicht als Text bearbeitet");
        QTest::newRow("Pfad") << QStringList{e, QStringLiteral("Ortsbau 3"), QStringLiteral("../Day/DayEreignisse"), a} << 2
                              << QStringLiteral("ist keine Datei von Ortsbau 3");
        QTest::newRow("Schreibung") << QStringList{e, QStringLiteral("Ortsbau 3"), QStringLiteral("händler1"), a} << 2
                                    << QStringLiteral("ist keine Datei von Ortsbau 3");
        QTest::newRow("anderes Werkzeug") << QStringList{e, QStringLiteral("Tageslauf 3"), QStringLiteral("Heiler"), a} << 2
                                          << QStringLiteral("ist keine Datei von Tageslauf 3");
        QTest::newRow("Werkzeug") << QStringList{e, QStringLiteral("Ortsbau"), QStringLiteral("Heiler"), a} << 2
                                  << QStringLiteral("Unbekanntes Werkzeug");
        QTest::newRow("ohne Ausgabe") << QStringList{e, QStringLiteral("Ortsbau 3"), QStringLiteral("Heiler")} << 2
                                      << QStringLiteral("--exportieren braucht");
    }
    void exportierenVerweigert()
    {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QDir(m_inst->Pfad(QStringLiteral("Data/Day"))).removeRecursively();
        if (argumente.last() == QLatin1String("--ausgabe"))
            argumente.append(m_inst->Pfad(QStringLiteral("Temp/aus.txt")));
        const Lauf lauf = Starten(argumente);
        QCOMPARE(lauf.status, status);
        QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QVERIFY(!QFileInfo::exists(m_inst->Pfad(QStringLiteral("Temp/aus.txt"))));
    }

    void importieren()
    {
        const QString quelle = m_inst->Pfad(QStringLiteral("Temp/neu.txt"));
        QVERIFY(Ablegen(quelle, QByteArray("\xEF\xBB\xBF") + QStringLiteral("Bader\r\nŁaziebnik\nZahnreißer").toUtf8()));
        Lauf lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("Heiler"), quelle});
        QCOMPARE(lauf.status, 0);
        QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat")), QByteArray("Bader\r\n&#321;aziebnik\r\nZahnrei\xDF""er"));

        // A missing table is created, its folder too.
        QDir(m_inst->Pfad(QStringLiteral("Data/Day"))).removeRecursively();
        QVERIFY(Ablegen(quelle, QStringLiteral("Nebel.\nEin Bote überholt euch.\n").toUtf8()));
        lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Tageslauf 3"), QStringLiteral("DayEreignisse"), quelle});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Day/DayEreignisse.dat")), CrLf("Nebel.\nEin Bote überholt euch.\n"));
    }

    void importierenVerweigert()
    {
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat"));
        const QString quelle = m_inst->Pfad(QStringLiteral("Temp/alt.txt"));
        QVERIFY(Ablegen(quelle, QByteArray("Bader\r\nK\xF6hler\r\n")));
        Lauf lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("Heiler"), quelle});
        QCOMPARE(lauf.status, 1);
        QVERIFY2(lauf.fehler.contains(QStringLiteral("kein gültiger UTF-8-Text")), qPrintable(lauf.fehler));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat")), vorher);

        QVERIFY(Ablegen(quelle, QByteArray("Bader\n")));
        lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Lagerhof 3"), QStringLiteral("ShopgeneratorConfig"), quelle});
        QCOMPARE(lauf.status, 2);
        lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Ortsbau 3"), m_inst->Pfad(QStringLiteral("Data/City/Heiler.dat")), quelle});
        QCOMPARE(lauf.status, 2);
        lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("Heiler"),
                        m_inst->Pfad(QStringLiteral("Temp/gibtsnicht.txt"))});
        QCOMPARE(lauf.status, 1);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat")), vorher);

        // A table the window could not show is not replaced either.
        QVERIFY(QFile::remove(m_inst->Pfad(QStringLiteral("Data/City/Heiler.dat"))));
        QVERIFY(QDir().mkpath(m_inst->Pfad(QStringLiteral("Data/City/Heiler.dat/innen"))));
        lauf = Starten({QStringLiteral("--importieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("Heiler"), quelle});
        QCOMPARE(lauf.status, 1);
        QVERIFY(lauf.fehler.contains(QStringLiteral("keine gewöhnliche Datei")));
    }

    void exportUndImportSindRundreise()
    {
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Data/City/CityZufallsereignisse.dat"));
        const QString text = m_inst->Pfad(QStringLiteral("Temp/ereignisse.txt"));
        QCOMPARE(Starten({QStringLiteral("--exportieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("CityZufallsereignisse"),
                          QStringLiteral("--ausgabe"), text})
                     .status,
                 0);
        QVERIFY(QFile::remove(m_inst->Pfad(QStringLiteral("Data/City/CityZufallsereignisse.dat"))));
        QCOMPARE(Starten({QStringLiteral("--importieren"), QStringLiteral("Ortsbau 3"), QStringLiteral("CityZufallsereignisse"), text})
                     .status,
                 0);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/CityZufallsereignisse.dat")), vorher);
    }

    void shopsZeigen()
    {
        const Lauf lauf = Starten({QStringLiteral("--shop"), QStringLiteral("Waffenhändler"), QStringLiteral("--shop"),
                                   QStringLiteral("Bäcker")});
        QCOMPARE(lauf.status, 0);
        QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));
        const QStringList zeilen = lauf.ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 32);
        QCOMPARE(zeilen.mid(0, 2), QStringList({QStringLiteral("+\tBackwaren"), QStringLiteral("-\tGeschmiedete Waffen")}));
        // The weapons went back to the end of the left list, in their order.
        QCOMPARE(zeilen.mid(27), QStringList({QStringLiteral("-\tNahkampfwaffen"), QStringLiteral("-\tFernwaffen"),
                                              QStringLiteral("-\tRüstungen"), QStringLiteral("-\tWaffenzubehör"),
                                              QStringLiteral("-\tSchützenbedarf")}));

        const Lauf falsch = Starten({QStringLiteral("--shop"), QStringLiteral("Waffenhändler"), QStringLiteral("--shop"),
                                     QStringLiteral("bäcker")});
        QCOMPARE(falsch.status, 2);
        QVERIFY(falsch.ausgabe.isEmpty());
        QVERIFY(falsch.fehler.contains(QStringLiteral("„bäcker“ ist keine Shopkategorie")));
    }

    void shopSpeichern()
    {
        const QStringList vorher = m_inst->Zeilen(kKonfig);
        Lauf lauf = Starten({QStringLiteral("--shop-speichern"), QStringLiteral("Krämer"), QStringLiteral("--ware"),
                             QStringLiteral("Werkzeug"), QStringLiteral("--ware"), QStringLiteral("Lebensmittel")});
        QCOMPARE(lauf.status, 0);
        QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));
        lauf = Starten({QStringLiteral("--shop"), QStringLiteral("Krämer")});
        QVERIFY(lauf.ausgabe.startsWith(QStringLiteral("+\tWerkzeug\n+\tLebensmittel\n-\tNahkampfwaffen\n")));
        // Only the section's keys changed; "Ware3" stays beyond the count.
        const QStringList nachher = m_inst->Zeilen(kKonfig);
        QCOMPARE(nachher.size(), vorher.size());
        int geaendert = 0;
        for (int i = 0; i < vorher.size(); ++i)
            geaendert += vorher[i] != nachher[i];
        QCOMPARE(geaendert, 3);
        QVERIFY(nachher.contains(QStringLiteral("Ware3=Reisebedarf")));

        lauf = Starten({QStringLiteral("--shop-speichern"), QStringLiteral("Krämer")});
        QCOMPARE(lauf.status, 0);
        lauf = Starten({QStringLiteral("--shop"), QStringLiteral("Krämer")});
        QVERIFY(!lauf.ausgabe.contains(QLatin1Char('+')));
    }

    void shopSpeichernVerweigert_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        const QString s = QStringLiteral("--shop-speichern");
        const QString w = QStringLiteral("--ware");
        QTest::newRow("unbekannte Kategorie") << QStringList{s, QStringLiteral("Krämer"), w, QStringLiteral("Haushalt"), w,
                                                             QStringLiteral("Gewürze")}
                                              << QStringLiteral("„Gewürze“ ist keine Kategorie");
        QTest::newRow("doppelt") << QStringList{s, QStringLiteral("Krämer"), w, QStringLiteral("Haushalt"), w,
                                                QStringLiteral("Haushalt")}
                                 << QStringLiteral("„Haushalt“ ist doppelt genannt");
        QTest::newRow("unbekannter Shop") << QStringList{s, QStringLiteral("Gewürzhändler"), w, QStringLiteral("Haushalt")}
                                          << QStringLiteral("ist keine Shopkategorie");
        QTest::newRow("Ware ohne Wert") << QStringList{s, QStringLiteral("Krämer"), w} << QStringLiteral("fehlt der Wert");
    }
    void shopSpeichernVerweigert()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        const QByteArray vorher = m_inst->Bytes(kKonfig);
        const Lauf lauf = Starten(argumente);
        QCOMPARE(lauf.status, 2);
        QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QCOMPARE(m_inst->Bytes(kKonfig), vorher);
    }

    void shopNeu()
    {
        const QByteArray konfig = m_inst->Bytes(kKonfig);
        const QByteArray shops = m_inst->Bytes(kShops);
        Lauf lauf = Starten({QStringLiteral("--shop-neu"), QStringLiteral("Seiler")});
        QCOMPARE(lauf.status, 0);
        QVERIFY2(lauf.fehler.isEmpty(), qPrintable(lauf.fehler));
        QCOMPARE(m_inst->Bytes(kShops), shops + "Seiler\r\n");
        QCOMPARE(m_inst->Bytes(kKonfig), konfig + "[Seiler]\r\nWareCount=0\r\n");
        lauf = Starten({QStringLiteral("--shop"), QStringLiteral("Seiler")});
        QCOMPARE(lauf.status, 0);
        QVERIFY(!lauf.ausgabe.contains(QLatin1Char('+')));
    }

    void shopNeuVerweigert_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("vorhanden") << QStringLiteral("Bäcker")
                                   << QStringLiteral("Diese Shopkategorie existiert bereits, ihr müsst eine Andere wählen.\n");
        QTest::newRow("Alles") << QStringLiteral("Alles")
                               << QStringLiteral("Diese Shopkategorie existiert bereits, ihr müsst eine Andere wählen.\n");
        QTest::newRow("leer") << QString() << QStringLiteral("Der Name ist leer; es wurde keine Shopkategorie angelegt.\n");
        QTest::newRow("Pfad") << QStringLiteral("../Schmiede") << QStringLiteral("„..“");
        QTest::newRow("Abschnitt") << QStringLiteral("[Schmied]") << QStringLiteral("„[“");
    }
    void shopNeuVerweigert()
    {
        QFETCH(QString, name);
        QFETCH(QString, meldung);
        const QByteArray konfig = m_inst->Bytes(kKonfig);
        const QByteArray shops = m_inst->Bytes(kShops);
        const Lauf lauf = Starten({QStringLiteral("--shop-neu"), name});
        QCOMPARE(lauf.status, 2);
        QVERIFY2(lauf.fehler.contains(meldung), qPrintable(lauf.fehler));
        QCOMPARE(m_inst->Bytes(kKonfig), konfig);
        QCOMPARE(m_inst->Bytes(kShops), shops);
    }

    void ohneKategorien()
    {
        QVERIFY(QFile::remove(m_inst->Pfad(QStringLiteral("Data/Warehouse/ItemKategorien.dat"))));
        const QByteArray konfig = m_inst->Bytes(kKonfig);
        for (const QStringList& argumente :
             {QStringList{QStringLiteral("--shop"), QStringLiteral("Krämer")},
              QStringList{QStringLiteral("--shop-speichern"), QStringLiteral("Krämer")},
              QStringList{QStringLiteral("--shop-neu"), QStringLiteral("Seiler")}}) {
            const Lauf lauf = Starten(argumente);
            QCOMPARE(lauf.status, 1);
            QVERIFY2(lauf.fehler.contains(QStringLiteral("ItemKategorien.dat")), qPrintable(lauf.fehler));
        }
        QCOMPARE(m_inst->Bytes(kKonfig), konfig);
    }

    void hilfeUndUnbekanntes()
    {
        Lauf lauf = Starten({QStringLiteral("--help")});
        QCOMPARE(lauf.status, 0);
        for (const char* befehl : {"--liste", "--exportieren", "--importieren", "--shop ", "--shop-speichern", "--shop-neu"})
            QVERIFY2(lauf.ausgabe.contains(QString::fromUtf8(befehl)), befehl);
        lauf = Starten({QStringLiteral("--loeschen")});
        QCOMPARE(lauf.status, 2);
        QVERIFY2(lauf.fehler.contains(QStringLiteral("Unbekannter Befehl „--loeschen“")), qPrintable(lauf.fehler));
        lauf = Starten({QStringLiteral("--shop")});
        QCOMPARE(lauf.status, 2);
        QVERIFY2(lauf.fehler.contains(QStringLiteral("Zur Option --shop fehlt der Wert.")), qPrintable(lauf.fehler));
        lauf = Starten({QStringLiteral("--liste"), QStringLiteral("Ortsbau 3"), QStringLiteral("zuviel")});
        QCOMPARE(lauf.status, 2);
        QVERIFY(lauf.fehler.contains(QStringLiteral("Unbekanntes Argument: zuviel")));
    }
};

QTEST_GUILESS_MAIN(TestDatEditBatch)
#include "test_datedit_batch.moc"
