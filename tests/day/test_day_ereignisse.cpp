// Day events: reading the events file in its real-world forms, the picks with scripted rolls, the missing
// and empty file, masking, and the shipped file.
#include "DayEngine.h"
#include "HTMLExport.h"
#include "TestInstallation.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtTest>

using namespace DayEngine;

namespace {

const QString kDatei = QStringLiteral("Data/Day/DayEreignisse.dat");
const QString kFehltOderLeer =
    QStringLiteral("Die Datei DayEreignisse.dat fehlt oder ist leer; der Tagesablauf enthält keine Tagesereignisse.");

QStringList Nummern(int n)
{
    QStringList zeilen;
    for (int i = 1; i <= n; ++i)
        zeilen.append(QStringLiteral("Ereignis %1").arg(i));
    return zeilen;
}

} // namespace

class TestDayEreignisse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ziehungenMitGeskriptetenWuerfen_data();
    void ziehungenMitGeskriptetenWuerfen();
    void spaetereZiehungenKommenVomAnfang();
    void einzeiligeDatei();
    void fehlendeOderLeereDatei_data();
    void fehlendeOderLeereDatei();
    void unlesbareDateiNenntDenGrund_data();
    void unlesbareDateiNenntDenGrund();
    void zeilenendenUndKodierungen_data();
    void zeilenendenUndKodierungen();
    void maskierung();
    void mitgelieferteDatei();
    void gelaendeHaengtSeineZeilenAn_data();
    void gelaendeHaengtSeineZeilenAn();
    void mitgelieferteGelaendedateien_data();
    void mitgelieferteGelaendedateien();
};

void TestDayEreignisse::ziehungenMitGeskriptetenWuerfen_data()
{
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<QList<int>>("wuerfe");
    QTest::addColumn<QList<int>>("seiten");
    QTest::newRow("10 Zeilen") << 10 << QList<int>{7, 3, 3} << QList<int>{10, 7, 3};
    QTest::newRow("letzte Zeile dreimal") << 10 << QList<int>{10, 10, 10} << QList<int>{10, 10, 10};
    QTest::newRow("erste Zeile") << 10 << QList<int>{1, 1, 1} << QList<int>{10, 1, 1};
    QTest::newRow("zwei Zeilen") << 2 << QList<int>{2, 1, 1} << QList<int>{2, 2, 1};
    QTest::newRow("100000 Zeilen") << 100000 << QList<int>{99999, 5000, 17} << QList<int>{100000, 99999, 5000};
}

void TestDayEreignisse::ziehungenMitGeskriptetenWuerfen()
{
    QFETCH(int, zeilen);
    QFETCH(QList<int>, wuerfe);
    QFETCH(QList<int>, seiten);
    const QStringList datei = Nummern(zeilen);
    Zufall::Skript skript(wuerfe);
    const QList<Ereignis> ereignisse = EreignisseZiehen(datei);
    QVERIFY(skript.Fehler().isEmpty());
    QCOMPARE(skript.Angefragt(), seiten);
    QCOMPARE(ereignisse.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ereignisse[i].Zeile, wuerfe[i]);
        QCOMPARE(ereignisse[i].Text, QStringLiteral("Ereignis %1").arg(wuerfe[i]));
    }
}

void TestDayEreignisse::spaetereZiehungenKommenVomAnfang()
{
    // With the production source: each pick lies at or before the one before it.
    const QStringList datei = Nummern(500);
    for (int lauf = 0; lauf < 200; ++lauf) {
        const QList<Ereignis> ereignisse = EreignisseZiehen(datei);
        QCOMPARE(ereignisse.size(), 3);
        QVERIFY(ereignisse[0].Zeile >= 1 && ereignisse[0].Zeile <= 500);
        QVERIFY(ereignisse[1].Zeile >= 1 && ereignisse[1].Zeile <= ereignisse[0].Zeile);
        QVERIFY(ereignisse[2].Zeile >= 1 && ereignisse[2].Zeile <= ereignisse[1].Zeile);
    }
}

void TestDayEreignisse::einzeiligeDatei()
{
    TestInstallation installation(false);
    installation.Schreiben(kDatei, "Es regnet Fr\xf6sche.");
    const Ereignisdatei datei = EreignisseLaden();
    QVERIFY(datei.Meldung.isEmpty());
    Zufall::Skript skript({1, 1, 1});
    const QList<Ereignis> ereignisse = EreignisseZiehen(datei.Zeilen);
    QCOMPARE(skript.Angefragt(), (QList<int>{1, 1, 1}));
    QCOMPARE(ereignisse.size(), 3);
    for (const Ereignis& e : ereignisse) {
        QCOMPARE(e.Zeile, 1);
        QCOMPARE(e.Text, QStringLiteral("Es regnet Frösche."));
    }
}

void TestDayEreignisse::fehlendeOderLeereDatei_data()
{
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("fehlt") << false << QByteArray();
    QTest::newRow("0 Bytes") << true << QByteArray();
    QTest::newRow("nur Zeilenenden") << true << QByteArray("\r\n\r\n\n\r");
    QTest::newRow("nur Leerzeichen") << true << QByteArray("   \r\n\t\r\n");
}

void TestDayEreignisse::fehlendeOderLeereDatei()
{
    QFETCH(bool, vorhanden);
    QFETCH(QByteArray, bytes);
    TestInstallation installation(false);
    if (vorhanden)
        installation.Schreiben(kDatei, bytes);
    const Ereignisdatei datei = EreignisseLaden();
    QCOMPARE(datei.Meldung, kFehltOderLeer);
    QVERIFY(datei.Zeilen.isEmpty());
    // No lines, no rolls, no events: the page goes without them.
    Zufall::Skript skript;
    QVERIFY(EreignisseZiehen(datei.Zeilen).isEmpty());
    QVERIFY(skript.Angefragt().isEmpty());
}

void TestDayEreignisse::unlesbareDateiNenntDenGrund_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("grund");
    QTest::newRow("Ordner") << "Ordner" << "das ist keine gewöhnliche Datei";
    QTest::newRow("zu groß") << "groß" << "die Datei ist größer als 64 MiB";
    QTest::newRow("Gerät") << "Gerät" << "das ist keine gewöhnliche Datei";
}

void TestDayEreignisse::unlesbareDateiNenntDenGrund()
{
    QFETCH(QString, art);
    QFETCH(QString, grund);
    TestInstallation installation(false);
    const QString pfad = installation.Pfad(kDatei);
    QVERIFY(QDir().mkpath(QFileInfo(pfad).absolutePath()));
    if (art == QStringLiteral("Ordner")) {
        QVERIFY(QDir().mkpath(pfad));
    } else if (art == QStringLiteral("groß")) {
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QVERIFY(datei.resize(qint64(100) * 1024 * 1024)); // sparse: 100 MB of nothing
    } else {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), pfad));
    }
    const Ereignisdatei datei = EreignisseLaden();
    QCOMPARE(datei.Meldung, QStringLiteral("Die Datei DayEreignisse.dat konnte nicht gelesen werden (%1); der Tagesablauf "
                                           "enthält keine Tagesereignisse.")
                                .arg(grund));
    QVERIFY(datei.Zeilen.isEmpty());
}

void TestDayEreignisse::zeilenendenUndKodierungen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF") << QByteArray("Eins \xe4\r\nZwei\r\nDrei \x80\r\n");
    QTest::newRow("LF") << QByteArray("Eins \xe4\nZwei\nDrei \x80\n");
    QTest::newRow("nur CR") << QByteArray("Eins \xe4\rZwei\rDrei \x80\r");
    QTest::newRow("ohne letztes Zeilenende") << QByteArray("Eins \xe4\r\nZwei\r\nDrei \x80");
    QTest::newRow("UTF-8") << QByteArray("Eins \xc3\xa4\nZwei\nDrei \xe2\x82\xac\n");
    QTest::newRow("UTF-8 mit BOM") << QByteArray("\xef\xbb\xbf" "Eins \xc3\xa4\r\nZwei\r\nDrei \xe2\x82\xac\r\n");
}

void TestDayEreignisse::zeilenendenUndKodierungen()
{
    QFETCH(QByteArray, bytes);
    TestInstallation installation(false);
    installation.Schreiben(kDatei, bytes);
    const Ereignisdatei datei = EreignisseLaden();
    QVERIFY(datei.Meldung.isEmpty());
    QCOMPARE(datei.Zeilen, (QStringList{"Eins ä", "Zwei", "Drei €"}));
    Zufall::Skript wuerfe({1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 1});
    const Tageslauf lauf = Berechnen(QStringLiteral("Wald"), Jahreszeit::Winter, datei.Zeilen);
    QVERIFY(wuerfe.Fehler().isEmpty());
    // On the page the events are Windows-1252 like every other line.
    const QByteArray seite = Seite(lauf);
    QVERIFY(seite.endsWith("<B>Tagesereignis: </B> Drei \x80</BR>\r\n<B>Tagesereignis: </B> Drei \x80</BR>\r\n"
                           "<B>Tagesereignis: </B> Eins \xe4</BR>\r\n"));
}

void TestDayEreignisse::maskierung()
{
    TestInstallation installation(false);
    installation.Schreiben(kDatei, "Die \"Rote Hand\" & ihre <Spitzel> lauern.\r\nGanz normal.\r\n");
    const Ereignisdatei datei = EreignisseLaden();
    Zufall::Skript tage({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    Tageslauf lauf = Berechnen(QStringLiteral("Wald"), Jahreszeit::Sommer, datei.Zeilen);
    QCOMPARE(lauf.Ereignisse.first().Text, QStringLiteral("Die \"Rote Hand\" & ihre <Spitzel> lauern."));
    QVERIFY(Seite(lauf).endsWith(
        QByteArray("<B>Tagesereignis: </B> Die &quot;Rote Hand&quot; &amp; ihre &lt;Spitzel&gt; lauern.</BR>\r\n").repeated(3)));
    lauf.Ereignisse = {{2, QStringLiteral("Ganz normal.")}};
    QVERIFY(Seite(lauf).endsWith("</BR>\r\n<B>Tagesereignis: </B> Ganz normal.</BR>\r\n"));
}

void TestDayEreignisse::mitgelieferteDatei()
{
    TestInstallation installation;
    // As installed: Windows-1252 with CR LF.
    const QByteArray bytes = installation.Bytes(kDatei);
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!Zeilendatei::IstUtf8(bytes));
    const Ereignisdatei datei = EreignisseLaden();
    QVERIFY(datei.Meldung.isEmpty());
    QVERIFY2(datei.Zeilen.size() >= 80, qPrintable(QString::number(datei.Zeilen.size())));
    for (const QString& zeile : datei.Zeilen) {
        // One whole German sentence per line, nothing that would need masking.
        QVERIFY2(!zeile.trimmed().isEmpty(), "Leerzeile");
        QVERIFY2(zeile.at(0).isUpper(), qPrintable(zeile));
        QVERIFY2(zeile.endsWith(QLatin1Char('.')), qPrintable(zeile));
        QCOMPARE(zeile.count(QStringLiteral(". ")), 0);
        QCOMPARE(HTMLExport::HtmlMaskieren(zeile), zeile);
        QVERIFY2(zeile.size() < 160, qPrintable(zeile));
    }
    QCOMPARE(QSet<QString>(datei.Zeilen.begin(), datei.Zeilen.end()).size(), datei.Zeilen.size());
}

void TestDayEreignisse::gelaendeHaengtSeineZeilenAn_data()
{
    // The general file and the terrain's file as bytes ("-": missing, "/": a folder in its place).
    QTest::addColumn<QByteArray>("allgemein");
    QTest::addColumn<QByteArray>("eigene");
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QString>("meldung");
    const QString nurWald = QStringLiteral("Die Datei DayEreignisse.dat fehlt oder ist leer; die Tagesereignisse kommen nur "
                                           "aus Ereignisse\\Wald.dat.");
    QTest::newRow("beide") << QByteArray("A\r\nB\r\n") << QByteArray("C\r\n\r\n  \r\nD") << QStringList{"A", "B", "C", "D"}
                           << QString();
    QTest::newRow("ohne Geländedatei") << QByteArray("A\r\nB\r\n") << QByteArray("-") << QStringList{"A", "B"} << QString();
    QTest::newRow("Geländedatei leer") << QByteArray("A\r\n") << QByteArray("\r\n") << QStringList{"A"} << QString();
    QTest::newRow("Geländedatei in UTF-8") << QByteArray("A\r\n") << QByteArray("Fr\xc3\xb6sche\n")
                                           << QStringList{"A", "Frösche"} << QString();
    QTest::newRow("nur Geländedatei") << QByteArray("-") << QByteArray("C\r\n") << QStringList{"C"} << nurWald;
    QTest::newRow("keine von beiden") << QByteArray("-") << QByteArray("-") << QStringList() << kFehltOderLeer;
    QTest::newRow("Geländedatei ist ein Ordner")
        << QByteArray("A\r\n") << QByteArray("/") << QStringList{"A"}
        << QStringLiteral("Die Datei Ereignisse\\Wald.dat konnte nicht gelesen werden (das ist keine gewöhnliche Datei); "
                          "die Tagesereignisse kommen nur aus DayEreignisse.dat.");
}

void TestDayEreignisse::gelaendeHaengtSeineZeilenAn()
{
    QFETCH(QByteArray, allgemein);
    QFETCH(QByteArray, eigene);
    QFETCH(QStringList, zeilen);
    QFETCH(QString, meldung);
    TestInstallation installation(false);
    const QString wald = QStringLiteral("Data/Day/Ereignisse/Wald.dat");
    if (allgemein != "-")
        installation.Schreiben(kDatei, allgemein);
    if (eigene == "/")
        QVERIFY(QDir().mkpath(installation.Pfad(wald)));
    else if (eigene != "-")
        installation.Schreiben(wald, eigene);
    // Another terrain's file never counts.
    installation.Schreiben(QStringLiteral("Data/Day/Ereignisse/Sumpf.dat"), "Moor.\r\n");
    const Ereignisdatei datei = EreignisseFuer(QStringLiteral("Wald"));
    QCOMPARE(datei.Zeilen, zeilen);
    QCOMPARE(datei.Meldung, meldung);
    // The pick rule runs over the whole list: the last line of the terrain can come first.
    if (!zeilen.isEmpty()) {
        Zufall::Skript wuerfe({int(zeilen.size()), 1, 1});
        QCOMPARE(EreignisseZiehen(datei.Zeilen).first().Text, zeilen.last());
    }
}

void TestDayEreignisse::mitgelieferteGelaendedateien_data()
{
    QTest::addColumn<QString>("gelaende");
    for (const QString& g : Gelaendearten())
        QTest::newRow(qPrintable(g)) << g;
}

void TestDayEreignisse::mitgelieferteGelaendedateien()
{
    QFETCH(QString, gelaende);
    static TestInstallation installation;
    const QStringList allgemein = EreignisseLaden().Zeilen;
    const QStringList eigene = installation.Zeilen(QStringLiteral("Data/Day/Ereignisse/%1.dat").arg(gelaende));
    QVERIFY2(eigene.size() >= 25, qPrintable(QString::number(eigene.size())));
    const Ereignisdatei datei = EreignisseFuer(gelaende);
    QVERIFY(datei.Meldung.isEmpty());
    QCOMPARE(datei.Zeilen, allgemein + eigene);
    for (const QString& zeile : eigene) {
        QVERIFY2(zeile.at(0).isUpper() && zeile.endsWith(QLatin1Char('.')), qPrintable(zeile));
        QCOMPARE(zeile.count(QStringLiteral(". ")), 0);
        QCOMPARE(HTMLExport::HtmlMaskieren(zeile), zeile);
        QVERIFY2(zeile.size() < 160, qPrintable(zeile));
    }
    // Nothing comes twice in what a terrain draws from.
    QCOMPARE(QSet<QString>(datei.Zeilen.begin(), datei.Zeilen.end()).size(), datei.Zeilen.size());
    // The road and the settled land stay where they belong: no traffic of travellers, messengers, pilgrims,
    // toll men or knights in the wilderness.
    static const QStringList strassenwelt = {"Reisende", "Bote", "Pilger", "Zöllner", "Wegzoll für jeden Kopf", "Ritter",
                                             "Gefolge", "Kesselflicker", "Wanderhändler", "Gaukler", "Brautzug",
                                             "Streife", "Heerzug", "Straßenrand", "Wegrand", "Spielmann", "Wanderprediger"};
    const bool wildnis = QStringList{"Eisgebiete", "Regenwald", "Wüste", "Sumpf", "Gebirge", "Klippengebiete", "Wald"}
                             .contains(gelaende);
    for (const QString& zeile : (wildnis ? datei.Zeilen : allgemein))
        for (const QString& wort : strassenwelt)
            QVERIFY2(!zeile.contains(wort), qPrintable(zeile));
}

QTEST_GUILESS_MAIN(TestDayEreignisse)
#include "test_day_ereignisse.moc"
