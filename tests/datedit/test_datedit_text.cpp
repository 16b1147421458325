// Text mode of the data file editor: the tool table, tables as text and back byte for byte, line breaks,
// characters outside the code page, missing and unreadable tables, imports of UTF-8 text.
#include "DatEditTestHilfe.h"
#include "DatEditorEngine.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace DatEditorEngine;
using DatEditTest::Ablegen;

class TestDatEditText : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    const Werkzeug& Ortsbau() { return *WerkzeugSuchen(QStringLiteral("Ortsbau 3")); }

private Q_SLOTS:
    void initTestCase() { m_inst = std::make_unique<TestInstallation>(); }
    void init()
    {
        // The tables the tests write or replace.
        DatEditTest::Wiederherstellen(*m_inst, {QStringLiteral("Data/City/Heiler.dat"), QStringLiteral("Data/City/Mohas.dat"),
                                                QStringLiteral("Data/Day"), QStringLiteral("Temp")});
        QVERIFY(QDir().mkpath(m_inst->Pfad(QStringLiteral("Temp"))));
    }
    void cleanupTestCase() { m_inst.reset(); }

    void werkzeuge()
    {
        QCOMPARE(Werkzeugnamen(), QStringList({QStringLiteral("Ortsbau 3"), QStringLiteral("Tageslauf 3"),
                                               QStringLiteral("Lagerhof 3")}));
        const Werkzeug& ortsbau = Ortsbau();
        QCOMPARE(ortsbau.Ordner, QStringLiteral("\\City"));
        QCOMPARE(ortsbau.Dateien.size(), 36);
        QCOMPARE(ortsbau.Dateien.first(), QStringLiteral("BornlandMännlich"));
        QCOMPARE(ortsbau.Dateien.last(), QStringLiteral("ZwergeWeiblich"));
        // The traders come before the craftsmen, whatever a folder listing says.
        QCOMPARE(ortsbau.Dateien.mid(13, 7),
                 QStringList({QStringLiteral("Grossbetriebe"), QStringLiteral("Händler1"), QStringLiteral("Händler2"),
                              QStringLiteral("Händler3"), QStringLiteral("Handwerker1"), QStringLiteral("Handwerker2"),
                              QStringLiteral("Handwerker3")}));
        // Every listed city table is shipped, and every shipped one is listed.
        QStringList vorhanden = QDir(m_inst->Pfad(QStringLiteral("Data/City"))).entryList({QStringLiteral("*.dat")});
        for (QString& name : vorhanden)
            name.chop(4);
        QStringList gelistet = ortsbau.Dateien;
        vorhanden.sort();
        gelistet.sort();
        QCOMPARE(gelistet, vorhanden);

        const Werkzeug* tag = WerkzeugSuchen(QStringLiteral("Tageslauf 3"));
        QVERIFY(tag);
        // The events, each terrain's events and encounters, the provisions: every one of them is shipped.
        QCOMPARE(tag->Dateien.size(), 22);
        QCOMPARE(tag->Dateien.first(), QStringLiteral("DayEreignisse"));
        QCOMPARE(tag->Dateien.last(), QStringLiteral("Reiseproviant"));
        for (const QString& d : tag->Dateien)
            QVERIFY2(QFileInfo(Tabellenpfad(*tag, d)).isFile(), qPrintable(d));
        QCOMPARE(Tabellenpfad(*tag, QStringLiteral("Ereignisse\\Wüste")), m_inst->Pfad(QStringLiteral("Data/Day/Ereignisse/Wüste.dat")));
        const Werkzeug* lager = WerkzeugSuchen(QStringLiteral("Lagerhof 3"));
        QVERIFY(lager);
        QCOMPARE(lager->Dateien, QStringList{QStringLiteral("ShopgeneratorConfig")});
        QVERIFY(Textdateien(*lager).isEmpty());
        QVERIFY(IstShopmodus(QStringLiteral("ShopgeneratorConfig")));
        QVERIFY(!IstShopmodus(QStringLiteral("shopgeneratorconfig")));
        // Names are compared exactly.
        QVERIFY(!WerkzeugSuchen(QStringLiteral("Ortsbau3")));
        QVERIFY(!WerkzeugSuchen(QStringLiteral("ortsbau 3")));
    }

    void ausgelieferteTabellenBleibenGleich_data()
    {
        QTest::addColumn<QString>("datei");
        for (const QString& d : WerkzeugSuchen(QStringLiteral("Ortsbau 3"))->Dateien)
            QTest::newRow(qPrintable(d)) << d;
    }
    void ausgelieferteTabellenBleibenGleich()
    {
        QFETCH(QString, datei);
        const QString pfad = Tabellenpfad(Ortsbau(), datei);
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Data/City/") + datei + QStringLiteral(".dat"));
        QVERIFY(vorher.size() > 10);
        QVERIFY(vorher.endsWith("\r\n"));
        const Tabelle t = TabelleLaden(pfad, datei);
        QCOMPARE(t.Status, Tabelle::Zustand::Geladen);
        QVERIFY(!t.Text.contains(QLatin1Char('\r')));
        QCOMPARE(t.Text.count(QLatin1Char('\n')), vorher.count('\n'));
        QVERIFY(TabelleSpeichern(pfad, t.Text));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/") + datei + QStringLiteral(".dat")), vorher);
    }

    // CR LF tables: loaded and saved unchanged, whatever the bytes.
    void rundreise_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("leer") << QByteArray() << QString();
        QTest::newRow("ohne letzten Umbruch") << QByteArray("Gerber\r\nK\xFC""fer") << QStringLiteral("Gerber\nKüfer");
        QTest::newRow("nur Umbruch") << QByteArray("\r\n") << QStringLiteral("\n");
        QTest::newRow("Leerzeilen") << QByteArray("\r\n\r\nA\r\n\r\n") << QStringLiteral("\n\nA\n\n");
        QTest::newRow("Blanks bleiben") << QByteArray("  Ritter \r\n\tTab\r\n") << QStringLiteral("  Ritter \n\tTab\n");
        QTest::newRow("Verweis bleibt Text") << QByteArray("Wo&#322;odar\r\n") << QStringLiteral("Wo&#322;odar\n");
        QTest::newRow("Umbruchverweis teilt nicht") << QByteArray("eins&#10;zwei\r\n") << QStringLiteral("eins&#10;zwei\n");
        QTest::newRow("Bytes 80 bis 9F") << QByteArray("\x80\x81\x8D\x8F\x90\x9D\x9F\r\n")
                                         << QString::fromUtf8("\u20AC\u0081\u008D\u008F\u0090\u009D\u0178\n");
        QTest::newRow("geschuetztes Leerzeichen") << QByteArray("a\xA0""b\r\n") << QString::fromUtf8("a\u00A0b\n");
        QTest::newRow("Nullbyte") << QByteArray("a\0b\r\n", 5) << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b\n"));
    }
    void rundreise()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextAusBytes(bytes), text);
        QCOMPARE(BytesAusText(text), bytes);
        const QString pfad = m_inst->Pfad(QStringLiteral("Data/City/Heiler.dat"));
        QVERIFY(Ablegen(pfad, bytes));
        const Tabelle t = TabelleLaden(pfad, QStringLiteral("Heiler"));
        QCOMPARE(t.Status, Tabelle::Zustand::Geladen);
        QCOMPARE(t.Text, text);
        QVERIFY(TabelleSpeichern(pfad, t.Text));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat")), bytes);
    }

    // Other line ends are read as the suite's readers read them and written as CR LF.
    void zeilenenden_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("gespeichert");
        QTest::newRow("LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF ohne letzten") << QByteArray("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("nur CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
        QTest::newRow("gemischt") << QByteArray("a\r\nb\nc\rd") << QByteArray("a\r\nb\r\nc\r\nd");
        QTest::newRow("CR vor CR LF") << QByteArray("a\r\r\nb") << QByteArray("a\r\n\r\nb");
        // A table saved as UTF-8 by another editor is read as UTF-8 and saved in the code page.
        QTest::newRow("UTF-8") << QByteArray("J\xC3\xBCrgen\n") << QByteArray("J\xFCrgen\r\n");
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBFJ\xC3\xBCrgen\r\n") << QByteArray("J\xFCrgen\r\n");
        QTest::newRow("UTF-8 ausserhalb der Codepage") << QByteArray("\xC5\x82\n") << QByteArray("&#322;\r\n");
        QTest::newRow("Zeilentrenner bleibt in der Zeile") << QByteArray("a\xE2\x80\xA8" "b\xC3\xBC\n")
                                                           << QByteArray("a&#8232;b\xFC\r\n");
        // What would read as UTF-8 once more is written with references.
        QTest::newRow("UTF-8 wie Codepage") << QByteArray("\xC3\x83\xC2\xBC\n") << QByteArray("&#195;&#188;\r\n");
    }
    void zeilenenden()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, gespeichert);
        const QByteArray neu = BytesAusText(TextAusBytes(bytes));
        QCOMPARE(neu, gespeichert);
        // The other tools read the same lines from both.
        QCOMPARE(Zeilendatei::Zerlegen(neu), Zeilendatei::Zerlegen(bytes));
    }

    void zeichenAusserhalbDerCodepage()
    {
        const QString pfad = Tabellenpfad(Ortsbau(), QStringLiteral("Mohas"));
        QVERIFY(TabelleSpeichern(pfad, QStringLiteral("Łucja Żmuda\nKüfer €\nStern ★\n")));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Mohas.dat")),
                 QByteArray("&#321;ucja &#379;muda\r\nK\xFC""fer \x80\r\nStern &#9733;\r\n"));
        // The owning tools read the characters back.
        QCOMPARE(Zeilendatei::Lesen(pfad), QStringList({QStringLiteral("Łucja Żmuda"), QStringLiteral("Küfer €"),
                                                        QStringLiteral("Stern ★")}));
        // The editor shows the references as they stand, so a second save changes nothing.
        const Tabelle t = TabelleLaden(pfad, QStringLiteral("Mohas"));
        QCOMPARE(t.Text, QStringLiteral("&#321;ucja &#379;muda\nKüfer €\nStern &#9733;\n"));
    }

    void umbruecheEinesTextfeldes_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("CR") << QStringLiteral("a\rb\r") << QStringLiteral("a\nb\n");
        QTest::newRow("Absatztrenner") << QString::fromUtf8("a\u2029b") << QStringLiteral("a\nb");
        QTest::newRow("Zeilentrenner") << QString::fromUtf8("a\u2028b") << QStringLiteral("a\nb");
        QTest::newRow("LF bleibt") << QStringLiteral("a\n\nb\n") << QStringLiteral("a\n\nb\n");
        QTest::newRow("Leerzeichen bleibt") << QString::fromUtf8("a\u00A0b") << QString::fromUtf8("a\u00A0b");
    }
    void umbruecheEinesTextfeldes()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, erwartet);
        QCOMPARE(ZeilenumbruecheVereinheitlichen(eingabe), erwartet);
    }

    void fehlendeTabelle()
    {
        const Werkzeug& tag = *WerkzeugSuchen(QStringLiteral("Tageslauf 3"));
        const QString pfad = Tabellenpfad(tag, QStringLiteral("DayEreignisse"));
        QDir(m_inst->Pfad(QStringLiteral("Data/Day"))).removeRecursively();
        const Tabelle t = TabelleLaden(pfad, QStringLiteral("DayEreignisse"));
        QCOMPARE(t.Status, Tabelle::Zustand::Fehlt);
        QVERIFY(t.Text.isEmpty());
        QCOMPARE(t.Meldung, QStringLiteral("Die Datei „DayEreignisse.dat“ fehlt; beim Speichern wird sie angelegt."));
        // Saving creates the file and its folder.
        QVERIFY(TabelleSpeichern(pfad, QStringLiteral("Ein Rabe folgt der Gruppe.\nNebel am Morgen.")));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Day/DayEreignisse.dat")),
                 QByteArray("Ein Rabe folgt der Gruppe.\r\nNebel am Morgen."));
    }

    void unlesbareTabelle_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund");
        QTest::newRow("Ordner") << QStringLiteral("ordner") << QStringLiteral("das ist keine gewöhnliche Datei");
        QTest::newRow("Geraet") << QStringLiteral("geraet") << QStringLiteral("das ist keine gewöhnliche Datei");
        QTest::newRow("FIFO") << QStringLiteral("fifo") << QStringLiteral("das ist keine gewöhnliche Datei");
        QTest::newRow("zu gross") << QStringLiteral("gross") << QStringLiteral("die Datei ist größer als 64 MiB");
        QTest::newRow("Verknuepfung ins Leere") << QStringLiteral("leer") << QStringLiteral("die Verknüpfung zeigt ins Leere");
    }
    void unlesbareTabelle()
    {
        QFETCH(QString, art);
        QFETCH(QString, grund);
        const QString pfad = Tabellenpfad(Ortsbau(), QStringLiteral("Heiler"));
        QVERIFY(QFile::remove(pfad));
        if (art == QLatin1String("ordner")) {
            QVERIFY(QDir().mkpath(pfad));
        } else if (art == QLatin1String("geraet")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), pfad));
        } else if (art == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
        } else if (art == QLatin1String("gross")) {
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly));
            QVERIFY(datei.resize(qint64(100) * 1024 * 1024));
        } else {
            QVERIFY(QFile::link(m_inst->Pfad(QStringLiteral("gibtsnicht.dat")), pfad));
        }
        const Tabelle t = TabelleLaden(pfad, QStringLiteral("Heiler"));
        QCOMPARE(t.Status, Tabelle::Zustand::Fehler);
        QVERIFY(t.Text.isEmpty());
        QVERIFY2(t.Meldung.contains(grund), qPrintable(t.Meldung));
        QVERIFY(t.Meldung.startsWith(QStringLiteral("Die Datei „")));
    }

    void speichernScheitertOhneSchaden()
    {
        // A folder where the table belongs cannot be replaced by the file.
        const QString pfad = Tabellenpfad(Ortsbau(), QStringLiteral("Heiler"));
        QVERIFY(QFile::remove(pfad));
        QVERIFY(QDir().mkpath(pfad + QStringLiteral("/innen")));
        QString fehler;
        QVERIFY(!TabelleSpeichern(pfad, QStringLiteral("Bader\n"), &fehler));
        QVERIFY2(fehler.startsWith(QStringLiteral("Die Datei „")) && fehler.contains(QStringLiteral("nicht gespeichert")),
                 qPrintable(fehler));
        QVERIFY(QFileInfo(pfad + QStringLiteral("/innen")).isDir());

        // A file where the tool's folder belongs: the folder cannot be created.
        QDir(m_inst->Pfad(QStringLiteral("Data/Day"))).removeRecursively();
        QVERIFY(Ablegen(m_inst->Pfad(QStringLiteral("Data/Day")), "kein Ordner"));
        const QString tag = Tabellenpfad(*WerkzeugSuchen(QStringLiteral("Tageslauf 3")), QStringLiteral("DayEreignisse"));
        QVERIFY(!TabelleSpeichern(tag, QStringLiteral("Regen\n"), &fehler));
        QVERIFY(!fehler.isEmpty());
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Day")), QByteArray("kein Ordner"));
    }

    void textdateiLesen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QString>("text");
        QTest::newRow("LF") << QByteArray("Köhler\nZöllner\n") << true << QStringLiteral("Köhler\nZöllner\n");
        QTest::newRow("CR LF") << QByteArray("Köhler\r\nZöllner") << true << QStringLiteral("Köhler\nZöllner");
        QTest::newRow("BOM") << QByteArray("\xEF\xBB\xBF" "Bader\n") << true << QStringLiteral("Bader\n");
        QTest::newRow("ausserhalb") << QByteArray("Łódź\n") << true << QStringLiteral("Łódź\n");
        QTest::newRow("leer") << QByteArray() << true << QString();
        QTest::newRow("Windows-1252") << QByteArray("K\xF6hler\n") << false << QString();
        QTest::newRow("abgeschnitten") << QByteArray("K\xC3") << false << QString();
    }
    void textdateiLesen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, gueltig);
        QFETCH(QString, text);
        const QString pfad = m_inst->Pfad(QStringLiteral("Temp/eingabe.txt"));
        QVERIFY(Ablegen(pfad, bytes));
        QString gelesen;
        QString fehler;
        QCOMPARE(TextdateiLesen(pfad, &gelesen, &fehler), gueltig);
        if (gueltig)
            QCOMPARE(gelesen, text);
        else
            QVERIFY2(fehler.contains(QStringLiteral("kein gültiger UTF-8-Text")), qPrintable(fehler));
    }

    void textdateiSchreibenUndLesen()
    {
        const QString pfad = m_inst->Pfad(QStringLiteral("Temp/ausgabe.txt"));
        QVERIFY(TextdateiSchreiben(pfad, QStringLiteral("Gerber\r\nŁ&#322;\n"), nullptr));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Temp/ausgabe.txt")), QByteArray("Gerber\nŁ&#322;\n"));
        QString fehler;
        QVERIFY(!TextdateiLesen(m_inst->Pfad(QStringLiteral("Temp/gibtsnicht.txt")), nullptr, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("die Datei ist nicht vorhanden")));
    }
};

QTEST_GUILESS_MAIN(TestDatEditText)
#include "test_datedit_text.moc"
