// Start-up: the replacement files, and the take-over of the armory's weapons and armour into the catalogue.
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "TestInstallation.h"
#include "Waffentabelle.h"
#include "WarehouseTestHilfe.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace WarehouseTest;

namespace {

const QString kNah = QStringLiteral("Data/Armory/Nahkampfwaffen.dat");

QStringList Datensatz(int art, const QString& name)
{
    const int n[] = {29, 23, 20};
    QStringList f(n[art]);
    f[1] = name;
    return f;
}

// An armory file of the given records, numbered 0, 1, 2 ...
QStringList Armorydatei(const QList<QStringList>& datensaetze)
{
    QStringList zeilen{QStringLiteral("3.00")};
    for (int i = 0; i < datensaetze.size(); ++i) {
        zeilen.append(QStringLiteral(" %1 ").arg(i));
        zeilen += datensaetze[i].mid(1);
    }
    return zeilen;
}

QStringList Armoryzeilen(const TestInstallation& installation, const QString& datei)
{
    return installation.Zeilen(QStringLiteral("Data/Armory/") + datei);
}

} // namespace

class TestWarehouseUebernahme : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Lagerhof3Variablen::Zuruecksetzen(); }

    void ersterStartUebernimmtNichts();
    void ersatzdateiErsetztUndVerschwindet();
    void neueWaffeEinmalMitKlasse1();
    void feldzuordnung_data();
    void feldzuordnung();
    void bekanntIstDerNameOhneKlasse();
    void fehlendeArmorydateiFuegtNichtsHinzu();
    void fehlendeWarendateiWirdAngelegt();
    void kaputteWarendateiWirdNichtFortgesetzt();
};

void TestWarehouseUebernahme::ersterStartUebernimmtNichts()
{
    TestInstallation installation;
    QMap<QString, QByteArray> vorher;
    for (const QString& k : Katalog::Waffenkategorien())
        vorher[k] = installation.Bytes(Warenpfad(k));
    int neu = -1;
    QVERIFY(Katalog::ErsatzdateienUebernehmen().isEmpty());
    QVERIFY(Katalog::WaffenUebernehmen(&neu).isEmpty());
    QCOMPARE(neu, 0);
    for (const QString& k : Katalog::Waffenkategorien()) {
        QCOMPARE(installation.Bytes(Warenpfad(k)), vorher[k]);
        QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Warehouse") + k))));
    }
    // Every shipped armory record has its good, by its exact name.
    const char* dateien[] = {"Nahkampfwaffen.dat", "Fernwaffen.dat", "Rüstungen.dat"};
    const int bloecke[] = {29, 23, 20};
    for (int art = 0; art < 3; ++art) {
        const QStringList zeilen = Armoryzeilen(installation, QString::fromUtf8(dateien[art]));
        QStringList waren;
        for (const QStringList& w : WarehouseTest::WarenLesen(installation, Katalog::Waffenkategorien()[art]))
            waren.append(Katalog::Name(w[0]));
        for (qsizetype i = 1; i + bloecke[art] <= zeilen.size(); i += bloecke[art])
            QVERIFY2(waren.contains(zeilen[i + 1]), qPrintable(zeilen[i + 1]));
    }
}

void TestWarehouseUebernahme::ersatzdateiErsetztUndVerschwindet()
{
    TestInstallation installation;
    const QList<QStringList> ersatz = {Ware(QStringLiteral("Ersatzbogen"), QStringLiteral("2"), QStringLiteral("40D"))};
    WarenSchreiben(installation, QStringLiteral("WarehouseFernwaffen"), ersatz);
    const QByteArray nahkampf = installation.Bytes(Warenpfad(QStringLiteral("Nahkampfwaffen")));
    QFile::remove(installation.Pfad(Warenpfad(QStringLiteral("WarehouseNahkampfwaffen"))));
    QFile::remove(installation.Pfad(Warenpfad(QStringLiteral("WarehouseRüstungen"))));
    QVERIFY(Katalog::ErsatzdateienUebernehmen().isEmpty());
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Fernwaffen")), ersatz);
    QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("WarehouseFernwaffen")))));
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Nahkampfwaffen"))), nahkampf);

    // A second start leaves the file alone (the take-over then adds the armory's ranged weapons).
    const QByteArray danach = installation.Bytes(Warenpfad(QStringLiteral("Fernwaffen")));
    QVERIFY(Katalog::ErsatzdateienUebernehmen().isEmpty());
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Fernwaffen"))), danach);
}

void TestWarehouseUebernahme::neueWaffeEinmalMitKlasse1()
{
    TestInstallation installation;
    QStringList zeilen = Armoryzeilen(installation, QStringLiteral("Nahkampfwaffen.dat"));
    QStringList neu = Datensatz(0, QStringLiteral("Prunkdegen"));
    neu[2] = QStringLiteral("70");
    neu[4] = QStringLiteral("Ein Degen mit vergoldetem Korb.");
    neu[11] = QStringLiteral("120");
    neu[27] = QStringLiteral("Dukaten");
    neu[28] = QStringLiteral("GA|HA|");
    zeilen.append(QStringLiteral(" %1 ").arg((zeilen.size() - 1) / 29));
    zeilen += neu.mid(1);
    installation.ZeilenSchreiben(kNah, zeilen);
    const qsizetype vorher = WarehouseTest::WarenLesen(installation, QStringLiteral("Nahkampfwaffen")).size();

    QVERIFY(Start().isEmpty());
    QList<QStringList> waren = WarehouseTest::WarenLesen(installation, QStringLiteral("Nahkampfwaffen"));
    QCOMPARE(waren.size(), vorher + 1);
    QCOMPARE(waren.last(), (QStringList{"Prunkdegen1", "70", "120D", "Ein Degen mit vergoldetem Korb.", "GA|HA|"}));
    QVERIFY(Start().isEmpty());
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Nahkampfwaffen")).size(), vorher + 1);
}

void TestWarehouseUebernahme::feldzuordnung_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("felder");
    // Weight, price amount, currency, description, regions of each table.
    QTest::newRow("Nahkampf") << 0 << QList<int>{2, 11, 27, 4, 28};
    QTest::newRow("Fernkampf") << 1 << QList<int>{2, 9, 21, 4, 22};
    QTest::newRow("Rüstung") << 2 << QList<int>{2, 9, 18, 3, 19};
}

void TestWarehouseUebernahme::feldzuordnung()
{
    QFETCH(int, art);
    QFETCH(QList<int>, felder);
    QStringList d = Datensatz(art, QStringLiteral("Neu"));
    for (int i = 2; i < d.size(); ++i)
        d[i] = QStringLiteral("f%1").arg(i);
    d[felder[2]] = QStringLiteral("Silbertaler");
    const QList<QStringList> neu = Katalog::NeueWaren({}, art, {d});
    QCOMPARE(neu.size(), 1);
    QCOMPARE(neu.first(), (QStringList{"Neu1", QStringLiteral("f%1").arg(felder[0]), QStringLiteral("f%1S").arg(felder[1]),
                                       QStringLiteral("f%1").arg(felder[3]), QStringLiteral("f%1").arg(felder[4])}));
    // Without a currency the price has no letter.
    d[felder[2]].clear();
    QCOMPARE(Katalog::NeueWaren({}, art, {d}).first()[2], QStringLiteral("f%1").arg(felder[1]));
}

void TestWarehouseUebernahme::bekanntIstDerNameOhneKlasse()
{
    const QList<QStringList> bekannt = {Ware(QStringLiteral("Prunkdegen"), QStringLiteral("3")),
                                        Ware(QStringLiteral("Saebel "), QStringLiteral("1"))};
    const QList<QStringList> d = {Datensatz(0, QStringLiteral("Prunkdegen")), Datensatz(0, QStringLiteral("prunkdegen")),
                                  Datensatz(0, QStringLiteral("Saebel")), Datensatz(0, QStringLiteral("Neuling")),
                                  Datensatz(0, QStringLiteral("Neuling"))};
    QStringList namen;
    for (const QStringList& w : Katalog::NeueWaren(bekannt, 0, d))
        namen.append(w[0]);
    // Judged by the goods before this start: a name the armory holds twice comes twice.
    QCOMPARE(namen, (QStringList{"prunkdegen1", "Saebel1", "Neuling1", "Neuling1"}));
}

void TestWarehouseUebernahme::fehlendeArmorydateiFuegtNichtsHinzu()
{
    TestInstallation installation;
    QVERIFY(QFile::remove(installation.Pfad(QStringLiteral("Data/Armory/Fernwaffen.dat"))));
    WarenSchreiben(installation, QStringLiteral("WarehouseFernwaffen"), {});
    QVERIFY(Start().isEmpty());
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Fernwaffen"))), QByteArray());
}

void TestWarehouseUebernahme::fehlendeWarendateiWirdAngelegt()
{
    TestInstallation installation;
    QFile::remove(installation.Pfad(Warenpfad(QStringLiteral("WarehouseRüstungen"))));
    QVERIFY(QFile::remove(installation.Pfad(Warenpfad(QStringLiteral("Rüstungen")))));
    QVERIFY(Start().isEmpty());
    const QStringList armory = Armoryzeilen(installation, QStringLiteral("Rüstungen.dat"));
    const QList<QStringList> waren = WarehouseTest::WarenLesen(installation, QStringLiteral("Rüstungen"));
    QCOMPARE(waren.size(), (armory.size() - 1) / 20);
    QCOMPARE(waren.first()[0], armory[2] + QLatin1Char('1'));
}

void TestWarehouseUebernahme::kaputteWarendateiWirdNichtFortgesetzt()
{
    TestInstallation installation;
    QFile::remove(installation.Pfad(Warenpfad(QStringLiteral("WarehouseNahkampfwaffen"))));
    installation.ZeilenSchreiben(kNah, Armorydatei({Datensatz(0, QStringLiteral("Alt")), Datensatz(0, QStringLiteral("Neu"))}));
    QStringList kaputt = Zeilen({Ware(QStringLiteral("Alt"))});
    kaputt += QStringList{QStringLiteral("Halb1"), QStringLiteral("3")};
    installation.ZeilenSchreiben(Warenpfad(QStringLiteral("Nahkampfwaffen")), kaputt);
    const QByteArray original = installation.Bytes(Warenpfad(QStringLiteral("Nahkampfwaffen")));

    const QStringList meldungen = Start();
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.first().contains(QStringLiteral("Nahkampfwaffen.dat")));
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Nahkampfwaffen")) + QStringLiteral(".bak")), original);
    const QList<QStringList> waren = WarehouseTest::WarenLesen(installation, QStringLiteral("Nahkampfwaffen"));
    QCOMPARE(installation.Zeilen(Warenpfad(QStringLiteral("Nahkampfwaffen"))).size(), 10);
    QCOMPARE(waren[0], Ware(QStringLiteral("Alt")));
    QCOMPARE(waren[1][0], QStringLiteral("Neu1"));

    // A file that cannot be read at all is neither continued nor replaced by the armory's records.
    const QString pfad = installation.Pfad(Warenpfad(QStringLiteral("Nahkampfwaffen")));
    QVERIFY(QFile::remove(pfad + QStringLiteral(".bak")));
    QFile gross(pfad);
    QVERIFY(gross.open(QIODevice::WriteOnly) && gross.resize(qint64(65) * 1024 * 1024));
    gross.close();
    QCOMPARE(Start().size(), 1);
    QCOMPARE(QFileInfo(pfad).size(), qint64(65) * 1024 * 1024);
    QVERIFY(!QFile::exists(pfad + QStringLiteral(".bak")));
}

QTEST_GUILESS_MAIN(TestWarehouseUebernahme)
#include "test_warehouse_uebernahme.moc"
