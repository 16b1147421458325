#include "Gegenstandstabelle.h"
#include "Shopgenerator.h"
#include "TestInstallation.h"
#include "Waffentabelle.h"
#include "Zufall.h"

#include <QSet>
#include <QtTest>

#include <memory>

// What the shipped content promises and a counter can check: lists long enough that a town does not repeat
// itself, shop kinds that name each existing category once, creature weapons without a negative bonus, words
// that must not appear (water trades in the lists every town draws from, elven surnames that are everyday
// words, events that assume a shop with a door), location files that name the generator's trades, and no
// generated shop that offers what cannot be bought.
class TestInhalt : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstallation> m_inst;

    QStringList Eintraege(const QString& datei) const
    {
        QStringList eintraege;
        for (const QString& zeile : m_inst->Zeilen(datei))
            if (!zeile.trimmed().isEmpty())
                eintraege.append(zeile);
        return eintraege;
    }

private Q_SLOTS:
    void initTestCase() { m_inst = std::make_unique<TestInstallation>(); }
    void cleanupTestCase() { m_inst.reset(); }

    void listenLangGenug_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("mindestens");
        for (const char* name : {"BornlandMännlich", "BornlandNachname", "BornlandWeiblich", "ElfenMännlich",
                                 "ElfenNachname1", "ElfenNachname2", "ElfenWeiblich", "GarethMännlich", "GarethNachname",
                                 "GarethWeiblich", "NivesenMännlich", "NivesenWeiblich", "NorbardenMännlich",
                                 "NorbardenNachname", "NorbardenWeiblich", "ThorwalerMännlich", "ThorwalerWeiblich",
                                 "TulamidenMännlich", "TulamidenWeiblich", "ZwergeMännlich", "ZwergeWeiblich"})
            QTest::newRow(name) << QStringLiteral("Data/City/%1.dat").arg(QString::fromUtf8(name)) << 60;
        // A Mohas owner's name is one line, so this list alone decides how often owners repeat in a town.
        QTest::newRow("Mohas") << QStringLiteral("Data/City/Mohas.dat") << 300;
        QTest::newRow("CityZufallsereignisse") << QStringLiteral("Data/City/CityZufallsereignisse.dat") << 231;
        QTest::newRow("DayEreignisse") << QStringLiteral("Data/Day/DayEreignisse.dat") << 80;
    }

    void listenLangGenug()
    {
        QFETCH(QString, datei);
        QFETCH(int, mindestens);
        const qsizetype n = Eintraege(datei).size();
        QVERIFY2(n >= mindestens, qPrintable(QStringLiteral("%1 Einträge").arg(n)));
    }

    void shopNenntJedeKategorieEinmal_data()
    {
        QTest::addColumn<QString>("shop");
        QTest::addColumn<QStringList>("zeilen");
        QString shop;
        QStringList zeilen;
        const QStringList config = m_inst->Zeilen(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")) + QStringList{"[]"};
        for (const QString& zeile : config) {
            if (!zeile.startsWith(QLatin1Char('['))) {
                zeilen.append(zeile);
                continue;
            }
            if (!shop.isEmpty())
                QTest::newRow(qPrintable(shop)) << shop << zeilen;
            shop = zeile.mid(1, zeile.size() - 2);
            zeilen.clear();
        }
    }

    void shopNenntJedeKategorieEinmal()
    {
        QFETCH(QString, shop);
        QFETCH(QStringList, zeilen);
        QVERIFY(Eintraege(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")).contains(shop));
        const QStringList kategorien = Eintraege(QStringLiteral("Data/Warehouse/ItemKategorien.dat")).mid(1);
        QStringList waren;
        for (const QString& zeile : zeilen)
            if (zeile.startsWith(QLatin1String("Ware")) && zeile.size() > 4 && zeile[4].isDigit())
                waren.append(zeile.section(QLatin1Char('='), 1));
        QVERIFY(zeilen.contains(QStringLiteral("WareCount=%1").arg(waren.size())));
        QCOMPARE(QSet<QString>(waren.begin(), waren.end()).size(), waren.size());
        for (const QString& ware : waren) {
            QVERIFY2(kategorien.contains(ware), qPrintable(ware));
            QVERIFY2(!Eintraege(QStringLiteral("Data/Warehouse/%1.dat").arg(ware)).isEmpty(), qPrintable(ware));
        }
    }

    void keinNegativerWaffenbonus_data()
    {
        QTest::addColumn<QStringList>("boni");
        const QStringList z = m_inst->Zeilen(QStringLiteral("Data/Creatures/Kreaturen.dat"));
        for (qsizetype i = 1; i + 57 < z.size(); i += 58)
            QTest::newRow(qPrintable(z[i + 1])) << QStringList{z[i + 12], z[i + 16], z[i + 20], z[i + 24]};
    }

    void kreaturenInGanzenBloecken()
    {
        // A record of the creature database is the number line and 57 fields; the rows below rely on it.
        QCOMPARE(int(m_inst->Zeilen(QStringLiteral("Data/Creatures/Kreaturen.dat")).size() - 1) % 58, 0);
    }

    void keinNegativerWaffenbonus()
    {
        QFETCH(QStringList, boni);
        for (const QString& bonus : boni)
            QVERIFY2(!bonus.trimmed().startsWith(QLatin1Char('-')), qPrintable(bonus));
    }

    // Every entry of a file, or every joined pair of a first and a second file, is checked against words that
    // must not occur in it (as a part when "teil" is set, as the whole entry otherwise).
    void keineVerbotenenWoerter_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("zweite");
        QTest::addColumn<bool>("teil");
        QTest::addColumn<QStringList>("woerter");
        const QStringList wasser{"Fisch", "Schiff", "Fähr", "Boot", "Hafen"};
        for (const char* name : {"Händler1", "Handwerker1", "Dienstleistung1"})
            QTest::newRow(name) << QStringLiteral("Data/City/%1.dat").arg(QString::fromUtf8(name)) << QString() << true
                                << wasser;
        // Everyday words and well-known surnames that joined halves once made.
        QTest::newRow("Elfennachnamen")
            << QStringLiteral("Data/City/ElfenNachname1.dat") << QStringLiteral("Data/City/ElfenNachname2.dat") << false
            << QStringList{"Silberblick", "Dunstglocke", "Rosenkranz", "Sonnenschein", "Regenbogen", "Abendblatt",
                           "Morgenblatt", "Kleeblatt", "Goldblatt", "Rosenblatt", "Mondschein", "Mondlicht", "Sonnenlicht",
                           "Sternlicht", "Dämmerlicht", "Windlicht", "Sonnenstrahl", "Regentropfen", "Nachtflug", "Eislauf",
                           "Bachlauf", "Eistanz", "Regentanz", "Waldhüter", "Windschatten", "Nachtschatten", "Windhauch",
                           "Windharfe", "Grasharfe", "Schwanengesang", "Rosenzweig", "Falkenauge", "Falkenblick",
                           "Sternwanderer", "Sternkind", "Sonnenkind", "Mondkind", "Winterzauber", "Silberpfeil",
                           "Goldfeder", "Goldfaden", "Sonnenglut", "Abendglut", "Abendglocke", "Sturmglocke",
                           "Abendsegen", "Laubsänger", "Waldsänger", "Nachtruh", "Winterruh", "Nachtwacht",
                           "Sommerspross", "Nachtgewand", "Schneeweise", "Dornkrone", "Goldkrone"};
        // Events are drawn for every business, a knife-grinder or a mine as well as a shop.
        QTest::newRow("CityZufallsereignisse")
            << QStringLiteral("Data/City/CityZufallsereignisse.dat") << QString() << true
            << QStringList{" Tür", "Keller", "Rechnung", "Schwelle", "Eingang", "Regal", "Kamin", "Fenster", "des Hauses",
                           "im Haus ", "ins Haus"};
    }

    void keineVerbotenenWoerter()
    {
        QFETCH(QString, datei);
        QFETCH(QString, zweite);
        QFETCH(bool, teil);
        QFETCH(QStringList, woerter);
        QStringList eintraege = Eintraege(datei);
        QVERIFY(!eintraege.isEmpty());
        if (!zweite.isEmpty()) {
            QStringList paare;
            const QStringList zweiteTeile = Eintraege(zweite);
            QVERIFY(!zweiteTeile.isEmpty());
            for (const QString& a : std::as_const(eintraege))
                for (const QString& b : zweiteTeile)
                    paare.append(a + b);
            eintraege = paare;
        }
        for (const QString& eintrag : std::as_const(eintraege))
            for (const QString& wort : woerter)
                QVERIFY2(teil ? !eintrag.contains(wort, Qt::CaseInsensitive) : eintrag.compare(wort, Qt::CaseInsensitive) != 0,
                         qPrintable(eintrag));
    }

    // Each location file names trades of the generator's lists, and every trade of those lists that needs
    // the location is named in it.
    void lagedateienNennenBerufe_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("woerter");
        const QStringList wasser = {"Fisch", "Schiff", "Fähr", "Boot", "Hafen"};
        QTest::newRow("Lage Fluss") << QStringLiteral("Data/City/Lage Fluss.dat") << wasser;
        QTest::newRow("Lage Küste") << QStringLiteral("Data/City/Lage Küste.dat") << wasser;
        QTest::newRow("Lage Gebirge") << QStringLiteral("Data/City/Lage Gebirge.dat") << QStringList{"Bergführer"};
    }

    void lagedateienNennenBerufe()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, woerter);
        QStringList berufe;
        for (const char* liste : {"Handwerker1", "Handwerker2", "Handwerker3", "Händler1", "Händler2", "Händler3",
                                  "Dienstleistung1", "Dienstleistung2", "Heiler"})
            for (const QString& beruf : Eintraege(QStringLiteral("Data/City/%1.dat").arg(QString::fromUtf8(liste))))
                berufe.append(beruf.trimmed());
        QStringList genannt;
        for (const QString& beruf : Eintraege(datei))
            genannt.append(beruf.trimmed());
        QVERIFY(!genannt.isEmpty());
        for (const QString& beruf : genannt)
            QVERIFY2(berufe.contains(beruf), qPrintable(beruf));
        for (const QString& beruf : berufe)
            for (const QString& wort : woerter)
                if (beruf.contains(wort, Qt::CaseInsensitive))
                    QVERIFY2(genannt.contains(beruf), qPrintable(beruf));
    }

    // No good that the generator can draw for a kind of shop (quality 5, every roll passing) says, in its own
    // text or in the armory record of its name, that it cannot be bought.
    void keineUnkaeuflicheWareImShop_data()
    {
        QTest::addColumn<QString>("shop");
        for (const QString& shop : Eintraege(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")))
            QTest::newRow(qPrintable(shop)) << shop;
    }

    void keineUnkaeuflicheWareImShop()
    {
        QFETCH(QString, shop);
        // As at every start of the warehouse, the armory's records it lacks are taken over first.
        Katalog::WaffenUebernehmen();
        QHash<QString, QString> armory;
        for (const auto t : {Waffentabellen::Tabelle::NWaffen, Waffentabellen::Tabelle::FWaffen, Waffentabellen::Tabelle::Armor}) {
            Waffentabellen::Waffentabelle tabelle;
            tabelle.Art = t;
            Waffentabellen::TabelleLaden(tabelle);
            for (const QStringList& d : tabelle.Zeilen)
                armory[d.value(1)] += d.join(QLatin1Char(' '));
        }
        // Each good's own texts, by name, from the categories the kind of shop sells.
        QHash<QString, QString> eigene;
        for (const QString& kategorie : Shopgenerator::Warenkategorien(shop))
            for (const QStringList& ware : Katalog::WarenLesen(Katalog::Warendatei(kategorie)).Waren)
                eigene[Katalog::Name(ware.value(0))] += QLatin1Char(' ') + ware.value(3);
        Shopgenerator::Auftrag auftrag;
        auftrag.Shopart = shop;
        auftrag.Qualitaet = 5;
        Zufall::Skript wuerfe(QList<int>(100000, 6));
        Shop::Shopwaren waren;
        QVERIFY(Shopgenerator::Generieren(auftrag, waren) > 0);
        for (const Shop::Shopware& ware : waren.Waren) {
            const QString text = ware.Text + eigene.value(ware.Text) + QLatin1Char(' ') + armory.value(ware.Text);
            for (const char* wort : {"nicht käuflich", "unverkäuflich"})
                QVERIFY2(!text.contains(QString::fromUtf8(wort), Qt::CaseInsensitive), qPrintable(ware.Text));
        }
    }
};

QTEST_GUILESS_MAIN(TestInhalt)
#include "test_inhalt.moc"
