// Shop mode of the data file editor: choosing kinds of shop in turn, moving categories, saving one section
// only, new kinds of shop and their refusals, missing and unreadable files.
#include "DatEditTestHilfe.h"
#include "Shopkonfiguration.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"

#include <QtTest>

#include <memory>

using namespace DatEditorEngine;
using DatEditTest::Ablegen;
using DatEditTest::CrLf;

namespace {

const char* const kKategorien = " 6 \nEisen\nHolz\nTuch\nBrot\nWein\nSalz\n";
const char* const kShops = "Schmied\nBäcker\nKrämer\n";
const char* const kKonfig = "; Shopgenerator\n"
                            "[Schmied]\n"
                            "WareCount=2\n"
                            "Ware1=Eisen\n"
                            "Ware2=Holz\n"
                            "\n"
                            "[Bäcker]\n"
                            "WareCount=3\n"
                            "Ware1=Brot\n"
                            "Ware2=Mehl\n"
                            "Ware3=Salz\n"
                            "Ware4=Wein\n"
                            "\n"
                            "[Krämer]\n"
                            "WareCount=1\n"
                            "Ware1=Salz\n";

QStringList L(std::initializer_list<const char*> namen)
{
    QStringList liste;
    for (const char* n : namen)
        liste.append(QString::fromUtf8(n));
    return liste;
}

} // namespace

class TestDatEditShop : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;

    QByteArray Konfig() const { return m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")); }
    QByteArray Shops() const { return m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")); }

    void Eigene(const char* kategorien = kKategorien, const char* shops = kShops, const char* konfig = kKonfig)
    {
        if (kategorien)
            QVERIFY(Ablegen(KategorienPfad(), CrLf(kategorien)));
        else
            QFile::remove(KategorienPfad());
        if (shops)
            QVERIFY(Ablegen(ShopsPfad(), CrLf(shops)));
        else
            QFile::remove(ShopsPfad());
        if (konfig)
            QVERIFY(Ablegen(KonfigPfad(), CrLf(konfig)));
        else
            QFile::remove(KonfigPfad());
    }

private Q_SLOTS:
    void initTestCase() { m_inst = std::make_unique<TestInstallation>(); }
    void init()
    {
        DatEditTest::Wiederherstellen(*m_inst, {QStringLiteral("Data/Warehouse/ItemKategorien.dat"),
                                                QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"),
                                                QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")});
    }
    void cleanupTestCase() { m_inst.reset(); }

    void ausgelieferteDateien()
    {
        Shopkonfiguration s;
        QString meldung;
        QVERIFY2(s.Laden(&meldung), qPrintable(meldung));
        // Every line after the count line of the warehouse's category file.
        const QStringList kategorien = m_inst->Zeilen(QStringLiteral("Data/Warehouse/ItemKategorien.dat")).mid(1);
        QCOMPARE(kategorien.size(), 32);
        QCOMPARE(s.Regionen(), kategorien);
        QCOMPARE(s.Verfuegbar(), QStringList());
        QCOMPARE(s.Shops(), m_inst->Zeilen(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")));
        QCOMPARE(s.Shops().size(), 27);

        s.ShopWaehlen(QStringLiteral("Waffenhändler"));
        QCOMPARE(s.Verfuegbar(), L({"Nahkampfwaffen", "Fernwaffen", "Rüstungen", "Waffenzubehör", "Schützenbedarf"}));
        QCOMPARE(s.Regionen().size(), 27);
        QCOMPARE(s.Regionen().first(), QStringLiteral("Geschmiedete Waffen"));
        QVERIFY(!s.Geaendert());
        // Every kind of shop sells at least one shipped category.
        for (const QString& shop : s.Shops()) {
            s.ShopWaehlen(shop);
            QVERIFY2(!s.Verfuegbar().isEmpty(), qPrintable(shop));
            QCOMPARE(s.Verfuegbar().size() + s.Regionen().size(), 32);
        }
    }

    void mehrereShopsNacheinander()
    {
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QCOMPARE(s.Regionen(), L({"Eisen", "Holz", "Tuch", "Brot", "Wein", "Salz"}));
        QCOMPARE(s.Shops(), L({"Schmied", "Bäcker", "Krämer"}));
        s.ShopWaehlen(QStringLiteral("Schmied"));
        QCOMPARE(s.Gewaehlt(), QStringLiteral("Schmied"));
        QCOMPARE(s.Verfuegbar(), L({"Eisen", "Holz"}));
        QCOMPARE(s.Regionen(), L({"Tuch", "Brot", "Wein", "Salz"}));
        // The chosen entries go back to the end of the left list; "Mehl" is no category and is skipped, and
        // "Ware4" lies beyond the count.
        s.ShopWaehlen(QStringLiteral("Bäcker"));
        QCOMPARE(s.Verfuegbar(), L({"Brot", "Salz"}));
        QCOMPARE(s.Regionen(), L({"Tuch", "Wein", "Eisen", "Holz"}));
        s.ShopWaehlen(QStringLiteral("Krämer"));
        QCOMPARE(s.Verfuegbar(), L({"Salz"}));
        QCOMPARE(s.Regionen(), L({"Tuch", "Wein", "Eisen", "Holz", "Brot"}));
        // A kind of shop without a section sells nothing.
        s.ShopWaehlen(QStringLiteral("Gibtsnicht"));
        QCOMPARE(s.Verfuegbar(), QStringList());
        QCOMPARE(s.Regionen(), L({"Tuch", "Wein", "Eisen", "Holz", "Brot", "Salz"}));
    }

    void verschieben()
    {
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("Krämer"));
        QVERIFY(!s.Geaendert());
        QVERIFY(s.Hin(2));
        QCOMPARE(s.Verfuegbar(), L({"Salz", "Tuch"}));
        QVERIFY(s.Geaendert());
        QVERIFY(!s.Hin(5));
        QVERIFY(!s.Hin(-1));
        QVERIFY(s.Zurueck(0));
        QCOMPARE(s.Verfuegbar(), L({"Tuch"}));
        QCOMPARE(s.Regionen(), L({"Eisen", "Holz", "Brot", "Wein", "Salz"}));
        QVERIFY(!s.Zurueck(1));
        s.AlleHin();
        QCOMPARE(s.Verfuegbar(), L({"Tuch", "Eisen", "Holz", "Brot", "Wein", "Salz"}));
        QVERIFY(s.Regionen().isEmpty());
        s.AlleZurueck();
        QCOMPARE(s.Regionen(), L({"Tuch", "Eisen", "Holz", "Brot", "Wein", "Salz"}));
        QVERIFY(s.Verfuegbar().isEmpty());
    }

    void warenzahl_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("zahl");
        QTest::newRow("zwei") << QStringLiteral("2") << 2;
        QTest::newRow("Blanks") << QStringLiteral(" 3 ") << 3;
        QTest::newRow("Plus") << QStringLiteral("+1") << 1;
        QTest::newRow("leer") << QString() << 0;
        QTest::newRow("null") << QStringLiteral("0") << 0;
        QTest::newRow("negativ") << QStringLiteral("-4") << 0;
        QTest::newRow("Bruch") << QStringLiteral("2,5") << 0;
        QTest::newRow("Wort") << QStringLiteral("zwei") << 0;
        QTest::newRow("Zahl mit Rest") << QStringLiteral("2x") << 0;
        QTest::newRow("riesig") << QStringLiteral("99999999999999999999999") << 0;
        QTest::newRow("gross") << QStringLiteral("5000000000") << 100000;
    }
    void warenzahl()
    {
        QFETCH(QString, text);
        QFETCH(int, zahl);
        QCOMPARE(Warenzahl(text), zahl);
    }

    void unbrauchbareWarenzahlZaehltNull()
    {
        Eigene(kKategorien, "A\nB\nC\n", "[A]\nWareCount=x\nWare1=Eisen\n[B]\nWareCount=-1\nWare1=Eisen\n"
                                          "[C]\nWareCount=18446744073709551616\nWare1=Eisen\n");
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        for (const char* shop : {"A", "B", "C"}) {
            s.ShopWaehlen(QString::fromUtf8(shop));
            QVERIFY2(s.Verfuegbar().isEmpty(), shop);
        }
    }

    void doppelteUndFremdeNamen()
    {
        // A category named twice is moved once; letter case does not count, as the warehouse finds the goods
        // file "Eisen.dat" for "eisen".
        Eigene(kKategorien, "A\n", "[A]\nWareCount=5\nWare1=Holz\nWare2=Holz\nWare3=eisen\nWare4=Wein\nWare5=Stein\n");
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("A"));
        QCOMPARE(s.Verfuegbar(), L({"Holz", "Eisen", "Wein"}));
    }

    void kategorienWieImLagerhof()
    {
        // A hand-written category file: no count line, blanks after a name. The editor reads it as the
        // warehouse does, so a category it saves is shown as sold again.
        Eigene("Kleidung \nSchmuck\n", "A\n", "[A]\nWareCount=0\n");
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QCOMPARE(s.Regionen(), L({"Kleidung", "Schmuck"}));
        s.ShopWaehlen(QStringLiteral("A"));
        QVERIFY(s.Hin(0));
        QVERIFY(s.Speichern());
        QCOMPARE(Subs::IniLesen(KonfigPfad(), QStringLiteral("A"), QStringLiteral("Ware1")), QStringLiteral("Kleidung"));
        Shopkonfiguration wieder;
        QVERIFY(wieder.Laden());
        wieder.ShopWaehlen(QStringLiteral("A"));
        QCOMPARE(wieder.Verfuegbar(), L({"Kleidung"}));
    }

    void abschnittOhneRuecksichtAufGrossschreibung()
    {
        // The settings reader finds "[ Krämer ]" for the kind "krämer".
        Eigene(kKategorien, "krämer\n", "[ Krämer ]\nWareCount=1\nWare1=Tuch\n");
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("krämer"));
        QCOMPARE(s.Verfuegbar(), L({"Tuch"}));
    }

    void speichernNurImAbschnitt()
    {
        Eigene();
        const QStringList vorher = Zeilendatei::Lesen(KonfigPfad());
        const QByteArray shopsVorher = Shops();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("Bäcker"));
        QVERIFY(s.Zurueck(0)); // Brot
        QVERIFY(s.Zurueck(0)); // Salz
        QVERIFY(s.Hin(0));     // Eisen
        QCOMPARE(s.Verfuegbar(), L({"Eisen"}));
        QString fehler;
        QVERIFY2(s.Speichern(&fehler), qPrintable(fehler));
        QVERIFY(!s.Geaendert());
        // WareCount and Ware1 replaced in place; Ware2 .. Ware4 stay beyond the count; nothing else changes.
        QStringList erwartet = vorher;
        erwartet[7] = QStringLiteral("WareCount=1");
        erwartet[8] = QStringLiteral("Ware1=Eisen");
        QCOMPARE(Zeilendatei::Lesen(KonfigPfad()), erwartet);
        QCOMPARE(Shops(), shopsVorher);

        // More entries than keys: the new keys follow the section's last key.
        s.ShopWaehlen(QStringLiteral("Krämer"));
        s.AlleHin();
        QVERIFY(s.Speichern());
        QCOMPARE(Subs::IniLesen(KonfigPfad(), QStringLiteral("Krämer"), QStringLiteral("WareCount")), QStringLiteral("6"));
        const QStringList neu = Zeilendatei::Lesen(KonfigPfad());
        QCOMPARE(neu.mid(0, 13), erwartet.mid(0, 13));
        QCOMPARE(neu.mid(13), L({"[Krämer]", "WareCount=6", "Ware1=Salz", "Ware2=Holz", "Ware3=Tuch", "Ware4=Wein",
                                  "Ware5=Brot", "Ware6=Eisen"}));
        // Read back as the shop generator reads it.
        Shopkonfiguration wieder;
        QVERIFY(wieder.Laden());
        wieder.ShopWaehlen(QStringLiteral("Krämer"));
        QCOMPARE(wieder.Verfuegbar(), L({"Salz", "Holz", "Tuch", "Wein", "Brot", "Eisen"}));
        wieder.ShopWaehlen(QStringLiteral("Bäcker"));
        QCOMPARE(wieder.Verfuegbar(), L({"Eisen"}));
    }

    // The one-pass section writer writes what the shared settings writer writes, byte for byte.
    void mehrereSchluesselWieEinzeln_data()
    {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<int>("anzahl");
        const QByteArray drei = CrLf(kKonfig);
        QTest::newRow("alle Schluessel da") << drei << QStringLiteral("Bäcker") << 4;
        QTest::newRow("mehr Schluessel") << drei << QStringLiteral("Schmied") << 5;
        QTest::newRow("weniger Schluessel") << drei << QStringLiteral("Bäcker") << 1;
        QTest::newRow("letzter Abschnitt") << drei << QStringLiteral("krämer") << 3;
        QTest::newRow("neuer Abschnitt") << drei << QStringLiteral(" Seiler ") << 2;
        QTest::newRow("leere Datei") << QByteArray() << QStringLiteral("Seiler") << 2;
        QTest::newRow("ohne letzten Umbruch") << QByteArray("[A]\r\nWare2=x") << QStringLiteral("A") << 3;
        QTest::newRow("Leerzeilen und Kommentare")
            << QByteArray("[A]\r\n; Kommentar\r\n\r\nWare2 = x\r\nware2=y\r\n  \r\n;Ware1=z\r\n\r\n[B]\r\nWareCount=1\r\n")
            << QStringLiteral("a") << 3;
        QTest::newRow("doppelter Abschnitt") << QByteArray("[A]\r\nWare1=x\r\n[B]\r\n[ a ]\r\nWare1=y\r\n")
                                             << QStringLiteral("A") << 2;
        QTest::newRow("Zeilen vor dem ersten Abschnitt") << QByteArray("Ware1=frei\r\n[A]\r\n") << QStringLiteral("A") << 1;
        QTest::newRow("Verweise") << QByteArray("[A]\r\nWare1=&#321;\r\nX=&#0;\r\n") << QStringLiteral("A") << 2;
    }
    void mehrereSchluesselWieEinzeln()
    {
        QFETCH(QByteArray, datei);
        QFETCH(QString, abschnitt);
        QFETCH(int, anzahl);
        QList<QPair<QString, QString>> werte{{QStringLiteral("WareCount"), QString::number(anzahl)}};
        const QStringList kategorien = L({"Eisen", "Holz", "Tuch", "Brot", "Wein"});
        for (int i = 1; i <= anzahl; ++i)
            werte.append({QStringLiteral("Ware") + QString::number(i), kategorien[i - 1]});
        const QString eins = m_inst->Pfad(QStringLiteral("Temp/eins.dat"));
        const QString zwei = m_inst->Pfad(QStringLiteral("Temp/zwei.dat"));
        QVERIFY(Ablegen(eins, datei));
        QVERIFY(Ablegen(zwei, datei));
        // All keys in one rewrite give the same file as one key after another.
        for (const auto& paar : werte)
            QVERIFY(Subs::IniSchreiben(eins, abschnitt, paar.first, paar.second));
        QVERIFY(Subs::IniSchreiben(zwei, abschnitt, werte));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Temp/zwei.dat")), m_inst->Bytes(QStringLiteral("Temp/eins.dat")));
        QCOMPARE(Subs::IniLesen(zwei, abschnitt, QStringLiteral("WareCount")), QString::number(anzahl));
    }

    void abschnittSchreibenVerweigert()
    {
        QString fehler;
        const QString pfad = m_inst->Pfad(QStringLiteral("Temp/drei.dat"));
        QVERIFY(!Subs::IniSchreiben(pfad, QStringLiteral("[A]"), {{QStringLiteral("WareCount"), QStringLiteral("0")}}, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("als Abschnitt")));
        QVERIFY(!Subs::IniSchreiben(pfad, QStringLiteral("A"), {{QStringLiteral("Ware1"), QString(255, QLatin1Char('x'))}}, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("255 Zeichen")));
        QVERIFY(!QFileInfo::exists(pfad));
        QVERIFY(Subs::IniSchreiben(pfad, QStringLiteral("A"), {{QStringLiteral("Ware1"), QString(254, QLatin1Char('x'))}}, &fehler));
    }

    void speichernOhneWahlOderMitFehler()
    {
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QString fehler;
        QVERIFY(!s.Speichern(&fehler));
        QCOMPARE(fehler, QStringLiteral("Es ist keine Shopkategorie gewählt."));
        s.ShopWaehlen(QStringLiteral("Schmied"));
        s.AlleZurueck();
        // The file turned into a folder meanwhile: refused with a reason, never reported as saved.
        QVERIFY(QFile::remove(KonfigPfad()));
        QVERIFY(QDir().mkpath(KonfigPfad()));
        QVERIFY(!s.Speichern(&fehler));
        QVERIFY2(fehler.contains(QStringLiteral("ShopgeneratorConfig.dat")), qPrintable(fehler));
        QVERIFY(s.Geaendert());
        QVERIFY(QFileInfo(KonfigPfad()).isDir());
    }

    void neuerShop()
    {
        Eigene();
        const QByteArray konfigVorher = Konfig();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("Schmied"));
        QString meldung;
        QCOMPARE(s.NeuerShop(QStringLiteral("  Seiler "), &meldung), Shopkonfiguration::Neu::Angelegt);
        QCOMPARE(s.Shops(), L({"Schmied", "Bäcker", "Krämer", "Seiler"}));
        QCOMPARE(Shops(), CrLf("Schmied\nBäcker\nKrämer\nSeiler\n"));
        QCOMPARE(Konfig(), konfigVorher + "[Seiler]\r\nWareCount=0\r\n");
        // The choice and its entries stay as they were.
        QCOMPARE(s.Gewaehlt(), QStringLiteral("Schmied"));
        QCOMPARE(s.Verfuegbar(), L({"Eisen", "Holz"}));
        s.ShopWaehlen(QStringLiteral("Seiler"));
        QVERIFY(s.Verfuegbar().isEmpty());
    }

    void neuerShopAbgelehnt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<QString>("meldung");
        const int vorhanden = int(Shopkonfiguration::Neu::Vorhanden);
        const int ungueltig = int(Shopkonfiguration::Neu::Ungueltig);
        const int leer = int(Shopkonfiguration::Neu::Leer);
        const QString warnung = VorhandenWarnung;
        QTest::newRow("gleich") << QStringLiteral("Bäcker") << vorhanden << warnung;
        QTest::newRow("andere Schreibung") << QStringLiteral("BÄCKER") << vorhanden << warnung;
        QTest::newRow("mit Blanks") << QStringLiteral(" Krämer  ") << vorhanden << warnung;
        QTest::newRow("Alles") << QStringLiteral("Alles") << vorhanden << warnung;
        QTest::newRow("alles") << QStringLiteral("alles") << vorhanden << warnung;
        QTest::newRow("leer") << QString() << leer << QString();
        QTest::newRow("Blanks") << QStringLiteral("   ") << leer << QString();
        QTest::newRow("Schraegstrich") << QStringLiteral("Holz/Kohle") << ungueltig << QStringLiteral("„/“");
        QTest::newRow("Punkte") << QStringLiteral("..") << ungueltig << QStringLiteral("„..“");
        QTest::newRow("Doppelpunkt") << QStringLiteral("C:Laden") << ungueltig << QStringLiteral("„:“");
        QTest::newRow("Steuerzeichen") << QStringLiteral("Ab\tC") << ungueltig << QStringLiteral("Steuerzeichen");
        QTest::newRow("Klammer auf") << QStringLiteral("[Neu") << ungueltig << QStringLiteral("„[“");
        QTest::newRow("Klammer zu") << QStringLiteral("Neu]") << ungueltig << QStringLiteral("„]“");
        QTest::newRow("Gleichheitszeichen") << QStringLiteral("A=B") << ungueltig << QStringLiteral("„=“");
    }
    void neuerShopAbgelehnt()
    {
        QFETCH(QString, name);
        QFETCH(int, ergebnis);
        QFETCH(QString, meldung);
        Eigene();
        const QByteArray konfigVorher = Konfig();
        const QByteArray shopsVorher = Shops();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QString text;
        QCOMPARE(int(s.NeuerShop(name, &text)), ergebnis);
        QVERIFY2(text.contains(meldung), qPrintable(text));
        QCOMPARE(s.Shops().size(), 3);
        QCOMPARE(Konfig(), konfigVorher);
        QCOMPARE(Shops(), shopsVorher);
    }

    void neuerShopAendertKeinenAnderenAbschnitt()
    {
        // The file was extended by another program after shop mode was entered: still refused.
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QVERIFY(Ablegen(ShopsPfad(), CrLf("Schmied\nBäcker\nKrämer\nGerber\n")));
        const QByteArray konfigVorher = Konfig();
        QCOMPARE(s.NeuerShop(QStringLiteral("gerber")), Shopkonfiguration::Neu::Vorhanden);
        QCOMPARE(Konfig(), konfigVorher);
        // The new kind goes to the end of the file as it is now; no line of it is lost.
        QCOMPARE(s.NeuerShop(QStringLiteral("Wagner")), Shopkonfiguration::Neu::Angelegt);
        QCOMPARE(Shops(), CrLf("Schmied\nBäcker\nKrämer\nGerber\nWagner\n"));
    }

    void neuerShopOhneDateien()
    {
        // Without a list of kinds and without settings: the first new kind creates both.
        Eigene(kKategorien, nullptr, nullptr);
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QVERIFY(s.Shops().isEmpty());
        // "Alles" is refused even while there is no kind of shop yet.
        QCOMPARE(s.NeuerShop(QStringLiteral("Alles")), Shopkonfiguration::Neu::Vorhanden);
        QVERIFY(!QFileInfo::exists(ShopsPfad()));
        QCOMPARE(s.NeuerShop(QStringLiteral("Fischer")), Shopkonfiguration::Neu::Angelegt);
        QCOMPARE(Shops(), QByteArray("Fischer\r\n"));
        QCOMPARE(Konfig(), QByteArray("[Fischer]\r\nWareCount=0\r\n"));
    }

    void neuerShopLetzteZeileOhneUmbruch()
    {
        Eigene(kKategorien, nullptr);
        QVERIFY(Ablegen(ShopsPfad(), QByteArray("Schmied\r\nB\xE4""cker")));
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QCOMPARE(s.NeuerShop(QStringLiteral("Łowca")), Shopkonfiguration::Neu::Angelegt);
        QCOMPARE(Shops(), QByteArray("Schmied\r\nB\xE4""cker\r\n&#321;owca\r\n"));
        // Both files name the kind the same way once read.
        QCOMPARE(Zeilendatei::Lesen(ShopsPfad()).last(), QStringLiteral("Łowca"));
        QCOMPARE(Subs::IniLesen(KonfigPfad(), QStringLiteral("Łowca"), QStringLiteral("WareCount")), QStringLiteral("0"));
    }

    void neuerShopSchreibfehler()
    {
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QVERIFY(QFile::remove(KonfigPfad()));
        QVERIFY(QDir().mkpath(KonfigPfad()));
        const QByteArray shopsVorher = Shops();
        QString meldung;
        QCOMPARE(s.NeuerShop(QStringLiteral("Wagner"), &meldung), Shopkonfiguration::Neu::Fehler);
        QVERIFY2(meldung.contains(QStringLiteral("ShopgeneratorConfig.dat")), qPrintable(meldung));
        QCOMPARE(Shops(), shopsVorher);
        QCOMPARE(s.Shops().size(), 3);
    }

    void ohneKategorienAbgelehnt_data()
    {
        QTest::addColumn<QByteArray>("kategorien");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("fehlt") << QByteArray() << QStringLiteral("fehlt");
        QTest::newRow("nur Zaehlzeile") << QByteArray(" 0 \r\n") << QStringLiteral("enthält keine Kategorien");
        QTest::newRow("leere Zeilen") << QByteArray(" 2 \r\n\r\n  \r\n") << QStringLiteral("enthält keine Kategorien");
        QTest::newRow("Ordner") << QByteArray("/") << QStringLiteral("keine gewöhnliche Datei");
    }
    void ohneKategorienAbgelehnt()
    {
        QFETCH(QByteArray, kategorien);
        QFETCH(QString, meldung);
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("Schmied"));
        QVERIFY(QFile::remove(KategorienPfad()));
        if (kategorien == "/")
            QVERIFY(QDir().mkpath(KategorienPfad()));
        else if (!kategorien.isEmpty())
            QVERIFY(Ablegen(KategorienPfad(), kategorien));
        QString text;
        QVERIFY(!s.Laden(&text));
        QVERIFY2(text.contains(meldung) && text.contains(QStringLiteral("ItemKategorien.dat"))
                     && text.contains(QStringLiteral("verloren")),
                 qPrintable(text));
        // Nothing of the earlier state is left to be saved.
        QVERIFY(s.Regionen().isEmpty() && s.Verfuegbar().isEmpty() && s.Shops().isEmpty());
        QVERIFY(s.Gewaehlt().isEmpty());
        QVERIFY(!s.Speichern());
    }

    void unlesbareShopdateien()
    {
        Eigene();
        QVERIFY(QFile::remove(ShopsPfad()));
        QVERIFY(QDir().mkpath(ShopsPfad()));
        Shopkonfiguration s;
        QString text;
        QVERIFY(!s.Laden(&text));
        QVERIFY(text.contains(QStringLiteral("ShopgeneratorShops.dat")));
        QVERIFY(QDir(ShopsPfad()).removeRecursively());
        Eigene();
        QVERIFY(QFile::remove(KonfigPfad()));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), KonfigPfad()));
        QVERIFY(!s.Laden(&text));
        QVERIFY(text.contains(QStringLiteral("ShopgeneratorConfig.dat")));
    }

    void erneutLadenLeertDieListen()
    {
        Eigene();
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        s.ShopWaehlen(QStringLiteral("Schmied"));
        s.Hin(0);
        QVERIFY(s.Laden());
        QCOMPARE(s.Regionen(), L({"Eisen", "Holz", "Tuch", "Brot", "Wein", "Salz"}));
        QVERIFY(s.Verfuegbar().isEmpty());
        QCOMPARE(s.Shops(), L({"Schmied", "Bäcker", "Krämer"}));
        QVERIFY(s.Gewaehlt().isEmpty());
        QVERIFY(!s.Geaendert());
        // The next new kind is written once.
        QCOMPARE(s.NeuerShop(QStringLiteral("Wagner")), Shopkonfiguration::Neu::Angelegt);
        QCOMPARE(Shops(), CrLf("Schmied\nBäcker\nKrämer\nWagner\n"));
    }

    void leereShopzeilenUebergangen()
    {
        Eigene(kKategorien, "Schmied\n\n  \nKrämer\n");
        Shopkonfiguration s;
        QVERIFY(s.Laden());
        QCOMPARE(s.Shops(), L({"Schmied", "Krämer"}));
        // An empty answer never matches an empty line and ends the question.
        QCOMPARE(s.NeuerShop(QString()), Shopkonfiguration::Neu::Leer);
    }
};

QTEST_GUILESS_MAIN(TestDatEditShop)
#include "test_datedit_shop.moc"
