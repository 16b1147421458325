// The weapon generator: every category's formulas with scripted rolls, the fixed fields, the list line.
#include "GeneratorEngine.h"
#include "Waffentabelle.h"
#include "Zufall.h"

#include <QtTest>

using namespace GeneratorEngine;

class TestArmoryGenerator : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void kategorie_data();
    void kategorie();
    void messerWieImBeispiel();
    void festeFelder();
    void unbekannteKategorieWuerfeltNichts();
    void speereHabenImmerBonusEinsOderZwei();
};

void TestArmoryGenerator::kategorie_data()
{
    QTest::addColumn<QString>("kategorie");
    QTest::addColumn<QList<int>>("wuerfe");
    QTest::addColumn<QList<int>>("seiten");
    // weight, length, dice, bonus, KK, WV first, WV second, BF, two-handed
    QTest::addColumn<QStringList>("werte");

    const auto zeile = [](const char* name, const QString& kategorie, QList<int> wuerfe, QList<int> seiten,
                          QStringList werte) { QTest::newRow(name) << kategorie << wuerfe << seiten << werte; };
    const QString axt = QStringLiteral("Äxte und Beile");
    zeile("Axt 150 Unzen: zwei Würfel, Teiler 90", axt, {9, 1, 2}, {19, 22, 4},
          {"150", "45", "2", "2", "KK-13", "8", "2", "2", "1"});
    zeile("Axt 140 Unzen: ein Würfel, Teiler 40", axt, {8, 22, 4}, {19, 22, 4},
          {"140", "150", "1", "5", "KK-14", "10", "5", "4", "0"});
    zeile("Axt leicht", axt, {1, 1, 1}, {19, 22, 4}, {"70", "45", "1", "3", "KK-13", "6", "4", "1", "0"});
    const QString kette = QStringLiteral("Kettenwaffen");
    zeile("Kette leicht", kette, {1, 5, 3}, {22, 5, 4}, {"100", "120", "1", "4", "KK-15", "7", "4", "3", "0"});
    zeile("Kette mittel", kette, {6, 2, 1}, {22, 5, 4}, {"150", "105", "2", "2", "KK-16", "8", "2", "1", "1"});
    zeile("Kette schwer: WV nicht unter 0", kette, {22, 1, 4}, {22, 5, 4},
          {"310", "100", "3", "3", "KK-17", "9", "0", "4", "1"});
    const QString messer = QStringLiteral("Messer");
    zeile("Messer klein", messer, {1, 1, 3}, {7, 5, 4}, {"10", "27", "1", "1", "KK-14", "2", "2", "3", "0"});
    zeile("Messer groß", messer, {7, 5, 4}, {7, 5, 4}, {"40", "47", "1", "2", "KK-15", "4", "3", "4", "0"});
    const QString hieb = QStringLiteral("Scharfe Hiebwaffen");
    zeile("Hiebwaffe schwer", hieb, {13, 25, 2}, {14, 25, 3}, {"152", "150", "2", "4", "KK-16", "10", "5", "2", "1"});
    zeile("Hiebwaffe leicht", hieb, {3, 4, 1}, {14, 25, 3}, {"52", "45", "1", "2", "KK-14", "6", "5", "1", "0"});
    const QString schwert = QStringLiteral("Schwerter");
    zeile("Schwert 3,5 wird 4", schwert, {4, 6, 3}, {7, 12, 3}, {"70", "70", "1", "4", "KK-14", "7", "6", "3", "0"});
    zeile("Schwert 2,5 wird 2", schwert, {7, 12, 1}, {7, 12, 3}, {"100", "100", "1", "5", "KK-15", "8", "6", "1", "0"});
    const QString speer = QStringLiteral("Speere und Stäbe");
    zeile("Speer 140 Unzen: zwei Würfel", speer, {9, 1, 6}, {10, 17, 6}, {"140", "120", "2", "2", "KK-17", "5", "1", "6", "1"});
    zeile("Speer längster", speer, {10, 17, 2}, {10, 17, 6}, {"150", "200", "2", "2", "KK-18", "6", "3", "2", "1"});
    zeile("Speer leicht", speer, {1, 5, 1}, {10, 17, 6}, {"60", "140", "1", "1", "KK-16", "4", "4", "1", "1"});
    const QString stich = QStringLiteral("Stichwaffen");
    zeile("Stichwaffe lang", stich, {6, 4, 2}, {6, 4, 4}, {"52", "90", "1", "3", "KK-16", "7", "6", "2", "0"});
    zeile("Stichwaffe kurz", stich, {1, 1, 1}, {6, 4, 4}, {"27", "75", "1", "2", "KK-15", "6", "4", "1", "0"});
    const QString stumpf = QStringLiteral("Stumpfe Hiebwaffen");
    zeile("Stumpf 150 Unzen", stumpf, {7, 3, 2}, {17, 11, 3}, {"150", "80", "2", "2", "KK-14", "8", "4", "2", "1"});
    zeile("Stumpf schwer", stumpf, {17, 11, 3}, {17, 11, 3}, {"250", "120", "2", "4", "KK-15", "10", "3", "3", "1"});
    const QString zwei = QStringLiteral("Zweihänder");
    zeile("Zweihänder leicht", zwei, {1, 1, 1}, {13, 22, 3}, {"100", "100", "1", "4", "KK-13", "7", "5", "1", "1"});
    zeile("Zweihänder mittel", zwei, {8, 10, 2}, {13, 22, 3}, {"170", "145", "2", "2", "KK-14", "9", "5", "2", "1"});
    zeile("Zweihänder 220 Unzen: drei Würfel", zwei, {13, 22, 3}, {13, 22, 3},
          {"220", "205", "3", "3", "KK-15", "9", "4", "3", "1"});
}

void TestArmoryGenerator::kategorie()
{
    QFETCH(QString, kategorie);
    QFETCH(QList<int>, wuerfe);
    QFETCH(QList<int>, seiten);
    QFETCH(QStringList, werte);
    Zufall::Skript skript(wuerfe);
    const QStringList f = WaffeGenerieren(QStringLiteral("Testwaffe"), kategorie);
    QCOMPARE(skript.Angefragt(), seiten);
    QVERIFY(skript.Fehler().isEmpty());
    QCOMPARE((QStringList{f[2], f[3], f[5], f[6], f[7], f[8], f[9], f[10], f[22]}), werte);
    QCOMPARE(f[25], kategorie);
}

void TestArmoryGenerator::messerWieImBeispiel()
{
    Zufall::Skript skript({1, 1, 2});
    QStringList f = WaffeGenerieren(QStringLiteral("Küchenmesser"), QStringLiteral("Messer"));
    f[0] = QStringLiteral("4");
    const QStringList spalten = Waffentabellen::Listenspalten(Waffentabellen::Tabelle::NWaffen, f);
    QCOMPARE(spalten, (QStringList{"Küchenmesser", "Messer", "1W6+1", "KK-14", "10 Unzen", "27", "2", "2 / 2", "0 "}));
}

void TestArmoryGenerator::festeFelder()
{
    Zufall::Skript skript({5, 5, 2});
    const QStringList f = WaffeGenerieren(QStringLiteral("Hammer"), QStringLiteral("Stumpfe Hiebwaffen"));
    QCOMPARE(f.size(), 29);
    QCOMPARE(f[1], QStringLiteral("Hammer"));
    QCOMPARE(f[11], QStringLiteral("0"));
    QCOMPARE(f[26], QStringLiteral("W6"));
    for (int i : {16, 17, 18, 19, 20, 21, 23, 24})
        QCOMPARE(f[i], QStringLiteral("0"));
    for (int i : {0, 4, 12, 13, 14, 15, 27, 28})
        QVERIFY2(f[i].isEmpty(), qPrintable(QString::number(i)));
}

void TestArmoryGenerator::unbekannteKategorieWuerfeltNichts()
{
    Zufall::Skript skript;
    const QStringList f = WaffeGenerieren(QStringLiteral("Ding"), QStringLiteral("Peitschen"));
    QVERIFY(skript.Angefragt().isEmpty());
    for (int i = 2; i <= 10; ++i)
        QVERIFY(f[i].isEmpty());
    QCOMPARE(f[25], QStringLiteral("Peitschen"));
    QCOMPARE(f[22], QStringLiteral("0"));
}

void TestArmoryGenerator::speereHabenImmerBonusEinsOderZwei()
{
    for (int w = 1; w <= 10; ++w) {
        for (int l = 1; l <= 17; ++l) {
            Zufall::Skript skript({w, l, 1});
            const QStringList f = WaffeGenerieren(QStringLiteral("Speer"), QStringLiteral("Speere und Stäbe"));
            const int s = f[2].toInt() + f[3].toInt();
            QVERIFY(s >= 180 && s <= 350);
            QCOMPARE(f[6], s <= 250 ? QStringLiteral("1") : QStringLiteral("2"));
            QCOMPARE(f[22], QStringLiteral("1"));
        }
    }
}

QTEST_GUILESS_MAIN(TestArmoryGenerator)
#include "test_armory_generator.moc"
