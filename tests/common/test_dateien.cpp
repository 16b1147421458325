#include "Dateien.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Warenkategorien.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

#include <limits>

#include <sys/stat.h>

// Settings files, line files, the code page and the existence tests.
class TestDateien : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iniLesen()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("a.ini"), "[General]\r\nStarted=1\r\n UserName = Berthold \r\n[Leer]\r\n[XT]\r\nXTTools=2\r\n");
        const QString datei = inst.Pfad(QStringLiteral("a.ini"));
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("General"), QStringLiteral("Started")), QStringLiteral("1"));
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("general"), QStringLiteral("USERNAME")), QStringLiteral("Berthold"));
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("XT"), QStringLiteral("XTTools")), QStringLiteral("2"));
        // A key of another section is not found.
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("Leer"), QStringLiteral("XTTools")), QString());
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("Fehlt"), QStringLiteral("Started")), QString());
        QCOMPARE(Subs::IniLesen(inst.Pfad(QStringLiteral("fehlt.ini")), QStringLiteral("General"), QStringLiteral("Started")), QString());
    }

    void iniLesenKuerztLangeWerte()
    {
        TestInstallation inst(false);
        const QString lang(300, QLatin1Char('x'));
        // A hand-edited file may hold a longer value; it reads cut to 254 characters.
        inst.Schreiben(QStringLiteral("a.ini"), "[S]\r\nk=" + lang.toLatin1() + "\r\n");
        QCOMPARE(Subs::IniLesen(inst.Pfad(QStringLiteral("a.ini")), QStringLiteral("S"), QStringLiteral("k")), lang.left(254));
        // The writer refuses it instead of storing what would come back cut, and says why.
        QString fehler;
        QVERIFY(!Subs::IniSchreiben(inst.Pfad(QStringLiteral("a.ini")), QStringLiteral("S"), QStringLiteral("k"), lang, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("254")));
        QVERIFY(Subs::IniSchreiben(inst.Pfad(QStringLiteral("a.ini")), QStringLiteral("S"), QStringLiteral("k"), lang.left(254)));
        QCOMPARE(Subs::IniLesen(inst.Pfad(QStringLiteral("a.ini")), QStringLiteral("S"), QStringLiteral("k")), lang.left(254));
    }

    void iniSchreibenBehaeltAndereZeilen()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("a.ini"), "; Kommentar\r\n[General]\r\nStarted=0\r\n\r\n[Tools]\r\nTools=1\r\nTool1=Ortsbau3\r\n");
        const QString datei = inst.Pfad(QStringLiteral("a.ini"));
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("general"), QStringLiteral("started"), QStringLiteral("1")));
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("General"), QStringLiteral("UserName"), QStringLiteral("Ärgerlich")));
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("Date"), QStringLiteral("07.12.26"), QStringLiteral("Spielabend")));
        QCOMPARE(inst.Bytes(QStringLiteral("a.ini")),
                 QByteArray("; Kommentar\r\n[General]\r\nStarted=1\r\nUserName=\xC4rgerlich\r\n\r\n[Tools]\r\nTools=1\r\n"
                            "Tool1=Ortsbau3\r\n[Date]\r\n07.12.26=Spielabend\r\n"));
    }

    void iniSchreibenMehrereUndFehler()
    {
        TestInstallation inst(false);
        const QString datei = inst.Pfad(QStringLiteral("Data/Explorer/Städte.dat"));
        QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("Ulmenhain"), {{QStringLiteral("X"), QStringLiteral("10")}, {QStringLiteral("Y"), QStringLiteral("20")}}));
        QCOMPARE(inst.Zeilen(QStringLiteral("Data/Explorer/Städte.dat")),
                 (QStringList{QStringLiteral("[Ulmenhain]"), QStringLiteral("X=10"), QStringLiteral("Y=20")}));
        // A value with a line break stays on its line and comes back whole.
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("Ulmenhain"), QStringLiteral("Notiz"), QStringLiteral("a\nb")));
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("Ulmenhain"), QStringLiteral("Notiz")), QStringLiteral("a\nb"));
        QCOMPARE(inst.Zeilen(QStringLiteral("Data/Explorer/Städte.dat")).size(), 4);
        // A missing folder fails, and reports it.
        QVERIFY(!Subs::IniSchreiben(inst.Pfad(QStringLiteral("fehlt/a.ini")), QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
        // Names that would change the file's structure are refused.
        QVERIFY(!Subs::IniSchreiben(datei, QStringLiteral("Ulm]en"), QStringLiteral("k"), QStringLiteral("v")));
        QVERIFY(!Subs::IniSchreiben(datei, QStringLiteral("S"), QStringLiteral("a=b"), QStringLiteral("v")));
    }

    void codepage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Schmied") << QByteArray("Schmied");
        QTest::newRow("umlaute") << QStringLiteral("Händler Öl Süß") << QByteArray("H\xE4ndler \xD6l S\xFC\xDF");
        QTest::newRow("euro") << QStringLiteral("5 €") << QByteArray("5 \x80");
        QTest::newRow("anfuehrung") << QStringLiteral("„Hallo“") << QByteArray("\x84Hallo\x93");
        QTest::newRow("fremd") << QStringLiteral("Łódź") << QByteArray("&#321;\xF3" "d&#378;");
        QTest::newRow("emoji") << QStringLiteral("Drache 🐉") << QByteArray("Drache &#128009;");
        QTest::newRow("zeilenumbruch") << QStringLiteral("Zeile 1\r\nZeile 2") << QByteArray("Zeile 1&#13;&#10;Zeile 2");
        QTest::newRow("referenz-text") << QStringLiteral("&#10; & &amp;") << QByteArray("&#38;#10; & &amp;");
        // What reading leaves as text is written back as it stands, so a hand-edited line keeps its bytes.
        QTest::newRow("nie-gelesene-referenz") << QStringLiteral("&#0; &#55296;") << QByteArray("&#0; &#55296;");
        QTest::newRow("bom-zeichen") << QString(QChar(0xFEFF)) + QStringLiteral("x") << QByteArray("&#65279;x");
        QTest::newRow("leer") << QString() << QByteArray();
    }

    void codepage()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Zeilendatei::Kodieren(text), bytes);
        QCOMPARE(Zeilendatei::Dekodieren(bytes), text);
    }

    void codepageAlleBytes()
    {
        // Every byte value survives the way through the code page.
        QByteArray alle;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n' && b != '&')
                alle += char(b);
        QCOMPARE(Zeilendatei::Kodieren(Zeilendatei::Dekodieren(alle)), alle);
        QCOMPARE(Zeilendatei::AusCodepage("\x80\x9F\xFF"), QStringLiteral("€Ÿÿ"));
    }

    void zeilenLesen_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("ohne-letztes-ende") << QByteArray("a\r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("leere-zeilen") << QByteArray("\r\n\r\nx \r\n") << QStringList{QString(), QString(), QStringLiteral("x ")};
        QTest::newRow("leer") << QByteArray() << QStringList{};
        // A lone CR ends a line too (files from old editors), and the endings may be mixed.
        QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("cr-leere-zeile") << QByteArray("a\r\rb") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("gemischt") << QByteArray("a\rb\nc\r\nd")
                                  << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
        // A large file is read in pieces of 256 KiB: a CR LF split between two pieces, a line longer than a
        // piece, and many short lines with references and code page bytes across the pieces.
        const qsizetype stueck = 256 * 1024;
        QTest::newRow("cr-lf-getrennt") << (QByteArray(stueck - 1, 'x') + "\r\ny")
                                        << QStringList{QString(stueck - 1, QLatin1Char('x')), QStringLiteral("y")};
        QTest::newRow("lange-zeile") << (QByteArray(stueck + 5000, 'a') + "\rb")
                                     << QStringList{QString(stueck + 5000, QLatin1Char('a')), QStringLiteral("b")};
        QByteArray viele;
        QStringList vieleZeilen;
        for (int i = 0; i < 60000; ++i) {
            const char* zeile[] = {"12", "", "&#65;&#66;", "\x84Zitat\x93 und \xE4", "ein l\xE4ngerer Wert mit Leerzeichen"};
            const char* ende[] = {"\r\n", "\n", "\r"};
            viele += zeile[i % 5];
            viele += ende[i % 3];
            vieleZeilen.append(Zeilendatei::Dekodieren(zeile[i % 5]));
        }
        QTest::newRow("viele-kurze") << viele << vieleZeilen;

        // A file that is valid UTF-8 with non-ASCII text is UTF-8 (a byte-order mark is dropped), any other
        // the code page; the whole file decides, not a line.
        const QStringList juergen = {QStringLiteral("J\u00fcrgen"), QStringLiteral("\u0141\u00f3d\u017a &#322; \U0001F409")};
        QTest::newRow("utf8") << QByteArray("J\xC3\xBCrgen\r\n\xC5\x81\xC3\xB3" "d\xC5\xBA &#38;#322; \xF0\x9F\x90\x89\n") << juergen;
        QTest::newRow("utf8-bom") << QByteArray("\xEF\xBB\xBFJ\xC3\xBCrgen\r\n\xC5\x81\xC3\xB3" "d\xC5\xBA &#38;#322; \xF0\x9F\x90\x89") << juergen;
        QTest::newRow("bom-ascii") << QByteArray("\xEF\xBB\xBF" "Axt\r\n") << QStringList{QStringLiteral("Axt")};
        QTest::newRow("nur-bom") << QByteArray("\xEF\xBB\xBF") << QStringList{};
        QTest::newRow("feff-am-zeilenanfang") << QByteArray("J\xC3\xBCrgen\r\n\xEF\xBB\xBFx")
                                              << QStringList{QStringLiteral("J\u00fcrgen"), QStringLiteral("\ufeffx")};
        QTest::newRow("bom-codepage") << QByteArray("\xEF\xBB\xBF\xC4xte\r\n") << QStringList{QStringLiteral("\u00c4xte")};
        QTest::newRow("utf8-dann-codepage") << QByteArray("J\xC3\xBCrgen\r\nK\xF6nig\r\n")
                                            << QStringList{QStringLiteral("J\u00c3\u00bcrgen"), QStringLiteral("K\u00f6nig")};
        QTest::newRow("abgeschnitten") << QByteArray("J\xC3") << QStringList{QStringLiteral("J\u00c3")};
        QTest::newRow("ueberlang") << QByteArray("\xC0\xAF\r\n") << QStringList{QStringLiteral("\u00c0\u00af")};
        QTest::newRow("surrogat") << QByteArray("\xED\xA0\x80\r\n") << QStringList{QStringLiteral("\u00ed\u00a0\u20ac")};
        QTest::newRow("jenseits-unicode") << QByteArray("\xF4\x90\x80\x80") << QStringList{QStringLiteral("\u00f4\u0090\u20ac\u20ac")};
        // Read in pieces: the first byte above 127 after the first piece, a character split between two
        // pieces, and a byte that is no UTF-8 far behind the first umlaut.
        const QByteArray weit(stueck + 100, 'x');
        QTest::newRow("utf8-spaet") << (weit + "\r\nJ\xC3\xBCrgen")
                                    << QStringList{QString::fromLatin1(weit), QStringLiteral("J\u00fcrgen")};
        QTest::newRow("utf8-zerteilt") << (QByteArray(stueck - 1, 'x') + "\xC3\xBC\r\nx")
                                       << QStringList{QString(stueck - 1, QLatin1Char('x')) + QStringLiteral("\u00fc"), QStringLiteral("x")};
        QTest::newRow("codepage-spaet") << ("J\xC3\xBCrgen\r\n" + weit + "\r\nK\xF6nig")
                                        << QStringList{QStringLiteral("J\u00c3\u00bcrgen"), QString::fromLatin1(weit), QStringLiteral("K\u00f6nig")};
    }

    void zeilenLesen()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, zeilen);
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("z.dat"), inhalt);
        bool vorhanden = false;
        QCOMPARE(Zeilendatei::Lesen(inst.Pfad(QStringLiteral("z.dat")), &vorhanden), zeilen);
        QVERIFY(vorhanden);
        // Line by line, and passing over lines in runs of one to four: the lines given are the same.
        for (int lauf = 0; lauf <= 4; ++lauf) {
            Zeilendatei::Zeilenleser leser;
            QVERIFY(leser.Oeffnen(inst.Pfad(QStringLiteral("z.dat"))).Gelesen());
            QStringList gelesen;
            QStringList erwartet;
            QString zeile;
            for (qsizetype i = 0;; ++i) {
                if (lauf > 0 && i % 2 == 1) {
                    const qsizetype n = leser.Ueberspringen(qsizetype(lauf));
                    i += n - 1;
                    if (n < lauf)
                        break;
                    continue;
                }
                if (!leser.Naechste(zeile)) {
                    QCOMPARE(i, zeilen.size());
                    break;
                }
                QVERIFY(i < zeilen.size());
                gelesen.append(zeile);
                erwartet.append(zeilen[i]);
            }
            QCOMPARE(gelesen, erwartet);
            QVERIFY(leser.Ende().Gelesen());
        }
    }

    void ladenPrueftVorDemLesen()
    {
        TestInstallation inst(false);
        using Zeilendatei::Lesestatus;
        Zeilendatei::Leseoptionen version;
        int geprueft = 0;
        version.Kopfzeile = [&geprueft](const QString& erste) {
            ++geprueft;
            return erste == QLatin1String("3.00");
        };
        inst.Schreiben(QStringLiteral("gut.dat"), "3.00\r\nx\r\n");
        inst.Schreiben(QStringLiteral("fremd.dat"), "Liste\r\n3.00\r\n");
        QCOMPARE(Zeilendatei::Laden(inst.Pfad(QStringLiteral("gut.dat")), version).Zeilen,
                 (QStringList{QStringLiteral("3.00"), QStringLiteral("x")}));
        const Zeilendatei::Leseergebnis fremd = Zeilendatei::Laden(inst.Pfad(QStringLiteral("fremd.dat")), version);
        QCOMPARE(fremd.Status, Lesestatus::FalscheKopfzeile);
        QVERIFY(fremd.Zeilen.isEmpty() && !fremd.Grund.isEmpty());
        QCOMPARE(geprueft, 2);

        QCOMPARE(Zeilendatei::Laden(inst.Pfad(QStringLiteral("fehlt.dat"))).Status, Lesestatus::Fehlt);
        QDir().mkpath(inst.Pfad(QStringLiteral("Ordner.dat")));
        QCOMPARE(Zeilendatei::Laden(inst.Pfad(QStringLiteral("Ordner.dat"))).Status, Lesestatus::KeineDatei);
        // Devices and pipes are refused at once instead of blocking or reading forever.
        if (QFileInfo::exists(QStringLiteral("/dev/zero")))
            QCOMPARE(Zeilendatei::Laden(QStringLiteral("/dev/zero")).Status, Lesestatus::KeineDatei);
        const QByteArray fifo = QFile::encodeName(inst.Pfad(QStringLiteral("fifo.dat")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QCOMPARE(Zeilendatei::Laden(inst.Pfad(QStringLiteral("fifo.dat"))).Status, Lesestatus::KeineDatei);
        // Above 64 MiB the file is refused before a byte is read (a sparse file costs no disk).
        QFile gross(inst.Pfad(QStringLiteral("gross.dat")));
        QVERIFY(gross.open(QIODevice::WriteOnly) && gross.resize(Dateien::Hoechstgroesse + 1));
        gross.close();
        QElapsedTimer uhr;
        uhr.start();
        const Zeilendatei::Leseergebnis riesig = Zeilendatei::Laden(gross.fileName(), version);
        QCOMPARE(riesig.Status, Lesestatus::ZuGross);
        QVERIFY(riesig.Grund.contains(QStringLiteral("64 MiB")));
        QVERIFY(uhr.elapsed() < 1000);
        QCOMPARE(Zeilendatei::Lesen(gross.fileName()), QStringList());
        // Appending never continues a file it may not read.
        QVERIFY(!Zeilendatei::Anhaengen(gross.fileName(), QStringLiteral("x")));
    }

    // The first line is checked as the rule reads it, a byte-order mark left out.
    void utf8Erkennen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("erste");
        QTest::newRow("utf8") << QByteArray("\xC3\x84xte\r\n") << QStringLiteral("Äxte");
        QTest::newRow("utf8-bom") << QByteArray("\xEF\xBB\xBF\xC3\x84xte\n") << QStringLiteral("Äxte");
        QTest::newRow("codepage") << QByteArray("\xC4xte\r\n") << QStringLiteral("Äxte");
        QTest::newRow("bom-codepage") << QByteArray("\xEF\xBB\xBF\xC4xte\r\n") << QStringLiteral("Äxte");
        QTest::newRow("ascii") << QByteArray("Axte\r\n") << QStringLiteral("Axte");
    }

    void utf8Erkennen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, erste);
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("x.wbd"), bytes + "&#322;\r\n");
        Zeilendatei::Leseoptionen optionen;
        optionen.Kopfzeile = [&erste](const QString& zeile) { return zeile == erste; };
        const Zeilendatei::Leseergebnis e = Zeilendatei::Laden(inst.Pfad(QStringLiteral("x.wbd")), optionen);
        QVERIFY(e.Gelesen());
        QCOMPARE(e.Zeilen, (QStringList{erste, QStringLiteral("ł")}));
    }

    void sicherungErsetztNie()
    {
        TestInstallation inst(false);
        const QString pfad = inst.Pfad(QStringLiteral("db.dat"));
        QVERIFY(Dateien::SicherungAnlegen(pfad)); // nothing to keep
        QVERIFY(!QFileInfo::exists(pfad + QStringLiteral(".bak")));
        for (const char* inhalt : {"eins", "zwei", "drei"}) {
            inst.Schreiben(QStringLiteral("db.dat"), inhalt);
            QString ziel;
            QVERIFY(Dateien::SicherungAnlegen(pfad, nullptr, &ziel));
            QCOMPARE(inst.Bytes(QFileInfo(ziel).fileName()), QByteArray(inhalt));
        }
        QCOMPARE(inst.Bytes(QStringLiteral("db.dat.bak")), QByteArray("eins"));
        QCOMPARE(inst.Bytes(QStringLiteral("db.dat.bak2")), QByteArray("zwei"));
        QCOMPARE(inst.Bytes(QStringLiteral("db.dat.bak3")), QByteArray("drei"));
        // A pipe or a device in the file's place is neither copied (it would block or never end) nor kept.
        const QString fifo = inst.Pfad(QStringLiteral("rohr.dat"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QString fehler;
        QVERIFY(!Dateien::SicherungAnlegen(fifo, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("keine gewöhnliche Datei")));
        QVERIFY(!QFileInfo::exists(fifo + QStringLiteral(".bak")));
    }

    void iniNamenGetrimmtOhneGrossschreibung()
    {
        TestInstallation inst(false);
        const QString datei = inst.Pfad(QStringLiteral("Städte.dat"));
        // A name with a leading blank, written again and again under other spellings, stays one section.
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral(" Altwasser"), {{QStringLiteral("X"), QStringLiteral("1")},
                                                                        {QStringLiteral("Y"), QStringLiteral("2")}}));
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("Altwasser"), QStringLiteral(" y "), QStringLiteral("3")));
        QVERIFY(Subs::IniSchreiben(datei, QStringLiteral("ALTWASSER "), QStringLiteral("Einwohner"), QStringLiteral("80")));
        QCOMPARE(inst.Zeilen(QStringLiteral("Städte.dat")),
                 (QStringList{QStringLiteral("[Altwasser]"), QStringLiteral("X=1"), QStringLiteral("Y=3"),
                              QStringLiteral("Einwohner=80")}));
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral(" altwasser "), QStringLiteral(" x")), QStringLiteral("1"));
        QVERIFY(Subs::IniVorhanden(datei, QStringLiteral("Altwasser"), QStringLiteral("einwohner")));
        QVERIFY(!Subs::IniVorhanden(datei, QStringLiteral("Altwasser"), QStringLiteral("Tempel")));
        QCOMPARE(Subs::IniAbschnitte(datei), QStringList{QStringLiteral("Altwasser")});
        // A hand edit is seen at the next read, even one that keeps the size.
        inst.Schreiben(QStringLiteral("Städte.dat"), "[Altwasser]\r\nX=7\r\nY=3\r\nEinwohner=80\r\n");
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("Altwasser"), QStringLiteral("X")), QStringLiteral("7"));
        inst.Schreiben(QStringLiteral("Städte.dat"), "[Altwasser]\r\nX=9\r\nY=3\r\nEinwohner=80\r\n");
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("Altwasser"), QStringLiteral("X")), QStringLiteral("9"));
        // A second section of the same name is not read; the writer keeps to the first one as well.
        inst.Schreiben(QStringLiteral("Städte.dat"), "[A]\r\nX=1\r\n[a]\r\nX=2\r\nZ=3\r\n");
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("A"), QStringLiteral("X")), QStringLiteral("1"));
        QCOMPARE(Subs::IniLesen(datei, QStringLiteral("A"), QStringLiteral("Z")), QString());
    }

    void nameFuerDatei_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("einfach") << QStringLiteral("Kleidung und Stoffe") << true;
        QTest::newRow("umlaut") << QStringLiteral("Kräuter") << true;
        QTest::newRow("schrägstrich") << QStringLiteral("Waffen/Rüstungen") << false;
        QTest::newRow("rückstrich") << QStringLiteral("a\\b") << false;
        QTest::newRow("punkte") << QStringLiteral("..") << false;
        QTest::newRow("doppelpunkt") << QStringLiteral("C:") << false;
        QTest::newRow("stern") << QStringLiteral("Alle*") << false;
        QTest::newRow("zeilenumbruch") << QStringLiteral("a\nb") << false;
        QTest::newRow("leer") << QStringLiteral("   ") << false;
    }

    void nameFuerDatei()
    {
        QFETCH(QString, name);
        QFETCH(bool, erlaubt);
        QString grund;
        QCOMPARE(Dateien::NameFuerDatei(name, &grund), erlaubt);
        QCOMPARE(grund.isEmpty(), erlaubt);
    }

    void nameEinzeilig_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gezeigt"); // as the message shows it; empty when the name is fine
        QTest::newRow("einfach") << QStringLiteral("Laterne mit Hornscheiben") << QString();
        QTest::newRow("Windows-Zeilenende") << QStringLiteral("Zwei\r\nZeilen") << QStringLiteral("„Zwei⏎⏎Zeilen“");
        QTest::newRow("Tabulator") << QStringLiteral("Zwei\tSpalten") << QStringLiteral("„Zwei⇥Spalten“");
        QTest::newRow("Absatztrenner") << QStringLiteral("A\u2029B") << QStringLiteral("„A⏎B“");
    }

    void nameEinzeilig()
    {
        QFETCH(QString, name);
        QFETCH(QString, gezeigt);
        QString meldung;
        QCOMPARE(Subs::NameEinzeilig(name, &meldung), gezeigt.isEmpty());
        QVERIFY2(meldung.contains(gezeigt), qPrintable(meldung));
        QCOMPARE(meldung.isEmpty(), gezeigt.isEmpty());
    }

    void warenkategorien_data()
    {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QStringList>("uebergangen");
        const QStringList beide = {"Kleidung", "Schmuck"};
        QTest::newRow("mit Zählzeile") << QStringList{" 2 ", "Kleidung", "Schmuck"} << beide << QStringList{};
        QTest::newRow("ohne Zählzeile, Blanks") << QStringList{"Kleidung ", "", "  Schmuck"} << beide << QStringList{};
        QTest::newRow("falsche Zahl") << QStringList{"7", "Kleidung", "Schmuck"} << beide << QStringList{};
        QTest::newRow("doppelt") << QStringList{"Kleidung", "KLEIDUNG ", "Schmuck"} << beide << QStringList{"KLEIDUNG "};
    }

    void warenkategorien()
    {
        QFETCH(QStringList, zeilen);
        const Warenkategorien::Liste liste = Warenkategorien::AusZeilen(zeilen);
        QTEST(liste.Namen, "namen");
        QTEST(liste.Uebergangen, "uebergangen");
    }

    void zeilenSchreibenUndAnhaengen()
    {
        TestInstallation inst(false);
        const QString pfad = inst.Pfad(QStringLiteral("z.dat"));
        bool vorhanden = true;
        QVERIFY(Zeilendatei::Lesen(pfad, &vorhanden).isEmpty());
        QVERIFY(!vorhanden);

        const QStringList zeilen = {QStringLiteral("Hintergrund:\nZweite Zeile"), QString(), QStringLiteral("Ende")};
        QVERIFY(Zeilendatei::Schreiben(pfad, zeilen));
        QCOMPARE(inst.Bytes(QStringLiteral("z.dat")), QByteArray("Hintergrund:&#10;Zweite Zeile\r\n\r\nEnde\r\n"));
        QCOMPARE(Zeilendatei::Lesen(pfad), zeilen);

        // A file whose last line has no line end gets one before the appended line.
        inst.Schreiben(QStringLiteral("l.dat"), "Erste");
        QVERIFY(Zeilendatei::Anhaengen(inst.Pfad(QStringLiteral("l.dat")), QStringLiteral("Zweite")));
        QVERIFY(Zeilendatei::Anhaengen(inst.Pfad(QStringLiteral("neu.dat")), QStringLiteral("Einzige")));
        QCOMPARE(inst.Bytes(QStringLiteral("l.dat")), QByteArray("Erste\r\nZweite\r\n"));
        QCOMPARE(inst.Bytes(QStringLiteral("neu.dat")), QByteArray("Einzige\r\n"));
    }

    // Writing gives the code page, in a form that reads back as written: text whose code-page bytes would
    // pass for UTF-8 gets references, and a file saved as UTF-8 is continued in the code page as a whole.
    void schreibenBleibtCodepage_data()
    {
        QTest::addColumn<QByteArray>("vorher"); // null: Schreiben, otherwise the file Anhaengen continues
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("gelesen");
        const QStringList juergen = {QStringLiteral("Jürgen"), QStringLiteral("Käthe")};
        QTest::newRow("umlaute") << QByteArray() << juergen << QByteArray("J\xFCrgen\r\nK\xE4the\r\n") << juergen;
        const QStringList wieUtf8 = {QStringLiteral("Ã¼ber"), QStringLiteral("x")};
        QTest::newRow("wie-utf8") << QByteArray() << wieUtf8 << QByteArray("&#195;&#188;ber\r\nx\r\n") << wieUtf8;
        const QStringList wieBom = {QStringLiteral("ï»¿Anfang und ä")};
        QTest::newRow("wie-bom") << QByteArray() << wieBom << QByteArray("&#239;&#187;&#191;Anfang und &#228;\r\n") << wieBom;
        QTest::newRow("an-utf8") << QByteArray("J\xC3\xBCrgen\n") << QStringList{QStringLiteral("Käthe")}
                                 << QByteArray("J\xFCrgen\r\nK\xE4the\r\n") << juergen;
        QTest::newRow("an-bom") << QByteArray("\xEF\xBB\xBFJ\xFCrgen\r\n") << QStringList{QStringLiteral("Käthe")}
                                << QByteArray("J\xFCrgen\r\nK\xE4the\r\n") << juergen;
        QTest::newRow("an-codepage") << QByteArray("J\xFCrgen\n") << QStringList{QStringLiteral("Käthe")}
                                     << QByteArray("J\xFCrgen\nK\xE4the\r\n") << juergen;
        QTest::newRow("an-wird-wie-utf8") << QByteArray("x\n") << QStringList{QStringLiteral("Ã¼")}
                                          << QByteArray("x\n&#195;&#188;\r\n") << QStringList{QStringLiteral("x"), QStringLiteral("Ã¼")};
    }

    void schreibenBleibtCodepage()
    {
        QFETCH(QByteArray, vorher);
        QFETCH(QStringList, zeilen);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, gelesen);
        TestInstallation inst(false);
        const QString pfad = inst.Pfad(QStringLiteral("z.dat"));
        if (vorher.isNull()) {
            QVERIFY(Zeilendatei::Schreiben(pfad, zeilen));
        } else {
            inst.Schreiben(QStringLiteral("z.dat"), vorher);
            for (const QString& zeile : zeilen)
                QVERIFY(Zeilendatei::Anhaengen(pfad, zeile));
        }
        QCOMPARE(inst.Bytes(QStringLiteral("z.dat")), bytes);
        QCOMPARE(Zeilendatei::Lesen(pfad), gelesen);
        // Databases are written by their own writer; it follows the same rule.
        QList<QStringList> datensaetze;
        for (const QString& zeile : gelesen)
            datensaetze.append({QString(), zeile});
        QVERIFY(Zeilendatei::DatensaetzeSchreiben(pfad, datensaetze, 2));
        QCOMPARE(Zeilendatei::Lesen(pfad), Zeilendatei::Datensatzzeilen(datensaetze, 2));
        QCOMPARE(Zeilendatei::Dateibytes(Zeilendatei::Datensatzzeilen(datensaetze, 2)), inst.Bytes(QStringLiteral("z.dat")));
    }

    void schreibfehlerLaesstAlteDateiStehen()
    {
        TestInstallation inst(false);
        const QString ordner = inst.Pfad(QStringLiteral("schreibgeschuetzt"));
        QDir().mkpath(ordner);
        const QString pfad = ordner + QStringLiteral("/d.dat");
        QVERIFY(Zeilendatei::Schreiben(pfad, {QStringLiteral("alt")}));
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(ordner).isWritable())
            QSKIP("Der Test läuft mit Rechten, die Schreibschutz übergehen.");
        QString fehler;
        QVERIFY(!Zeilendatei::Schreiben(pfad, {QStringLiteral("neu")}, &fehler));
        QVERIFY(!fehler.isEmpty());
        QVERIFY(!Zeilendatei::Anhaengen(pfad, QStringLiteral("neu")));
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Zeilendatei::Lesen(pfad), QStringList{QStringLiteral("alt")});
    }

    // What the one writer does with each kind of target: a link to a regular file stays a link, a link to
    // nowhere creates its target, special files and streams are refused untouched, rights are kept.
    void schreibzieleFolgenDerRegel_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("geschrieben");
        for (const char* art : {"neu", "datei", "verknuepfung", "ins-leere", "ordner", "fifo", "strom"})
            QTest::newRow(art) << QString::fromLatin1(art) << (QByteArray(art) != "ordner" && QByteArray(art) != "fifo"
                                                                && QByteArray(art) != "strom");
    }
    void schreibzieleFolgenDerRegel()
    {
        QFETCH(QString, art);
        QFETCH(bool, geschrieben);
        TestInstallation inst(false);
        const QString pfad = inst.Pfad(QStringLiteral("ziel"));
        const QString echt = inst.Pfad(QStringLiteral("echt"));
        const QByteArray p = QFile::encodeName(pfad);
        if (art == QLatin1String("datei")) {
            inst.Schreiben(QStringLiteral("ziel"), "alt");
            QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        } else if (art == QLatin1String("verknuepfung")) {
            inst.Schreiben(QStringLiteral("echt"), "alt");
            QVERIFY(QFile::link(QStringLiteral("echt"), pfad));
        } else if (art == QLatin1String("ins-leere")) {
            QVERIFY(QFile::link(echt, pfad));
        } else if (art == QLatin1String("ordner")) {
            QVERIFY(QDir().mkpath(pfad));
        } else if (art == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(p.constData(), 0600), 0);
        } else if (art == QLatin1String("strom")) {
            // /dev/stdout and its kin lead through /proc to whatever the stream is; never replaced.
            QVERIFY(QFile::link(QStringLiteral("/proc/self/fd/2"), pfad));
        }
        QString grund;
        QCOMPARE(Dateien::Schreiben(pfad, "neu", &grund), geschrieben);
        const QStringList uebrig = QDir(inst.Ordner()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QVERIFY2(!uebrig.join(QLatin1Char(' ')).contains(QStringLiteral(".tmp")), qPrintable(uebrig.join(QLatin1Char(' '))));
        if (!geschrieben) {
            QCOMPARE(grund, QStringLiteral("„%1“ ist keine gewöhnliche Datei; es wurde nichts geschrieben.").arg(pfad));
            QVERIFY(!QFileInfo(pfad).isFile() || QFileInfo(pfad).isSymLink());
            return;
        }
        const bool verknuepft = art == QLatin1String("verknuepfung") || art == QLatin1String("ins-leere");
        QCOMPARE(QFileInfo(pfad).isSymLink(), verknuepft);
        QCOMPARE(inst.Bytes(verknuepft ? QStringLiteral("echt") : QStringLiteral("ziel")), QByteArray("neu"));
        struct stat st {};
        QCOMPARE(::stat(p.constData(), &st), 0);
        if (art == QLatin1String("datei"))
            QCOMPARE(st.st_mode & 0777, mode_t(0604));
        // "-" is standard output only where batch mode allows it; elsewhere it is a file like any other.
        Dateien::StandardausgabeZulassen(false);
        QVERIFY(!Dateien::IstStandardausgabe(QStringLiteral("-")));
    }

    void zufallszeile()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("n.dat"), "Erster\r\nZweiter  \r\nDritter\r\n");
        inst.Schreiben(QStringLiteral("leer.dat"), "");
        Zufall::Skript wuerfe({2, 3});
        QCOMPARE(Zeilendatei::Zufallszeile(inst.Pfad(QStringLiteral("n.dat"))), QStringLiteral("Zweiter  "));
        QCOMPARE(Zeilendatei::Zufallszeile(inst.Pfad(QStringLiteral("n.dat"))), QStringLiteral("Dritter"));
        // An empty or missing file gives the empty text and draws nothing.
        QCOMPARE(Zeilendatei::Zufallszeile(inst.Pfad(QStringLiteral("leer.dat"))), QString());
        QCOMPARE(Zeilendatei::Zufallszeile(inst.Pfad(QStringLiteral("fehlt.dat"))), QString());
        QCOMPARE(wuerfe.Angefragt(), (QList<int>{3, 3}));
        QVERIFY(wuerfe.Fehler().isEmpty());
    }

    void vorhanden()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("Werkbund3.ini"), "");
        inst.Schreiben(QStringLiteral(".versteckt.ini"), "");
        inst.Schreiben(QStringLiteral("Programm.EXE"), "");
        inst.Schreiben(QStringLiteral("Liste[1].dat"), "");
        QVERIFY(Subs::DateiVorhanden(inst.Pfad(QStringLiteral("Werkbund3.ini"))));
        QVERIFY(Subs::DateiVorhanden(inst.Pfad(QStringLiteral("werkbund3.INI"))));
        QVERIFY(Subs::DateiVorhanden(inst.Pfad(QStringLiteral("*.exe"))));
        QVERIFY(Subs::DateiVorhanden(inst.Pfad(QStringLiteral("Werkbund?.ini"))));
        QVERIFY(!Subs::DateiVorhanden(inst.Pfad(QStringLiteral("*.bat"))));
        // Brackets are part of the name, not a pattern.
        QVERIFY(Subs::DateiVorhanden(inst.Pfad(QStringLiteral("Liste[1].dat"))));
        QVERIFY(!Subs::DateiVorhanden(inst.Pfad(QStringLiteral("Liste1.dat"))));
        QVERIFY(!Subs::DateiVorhanden(inst.Pfad(QStringLiteral(".versteckt.ini"))));
        // A folder is no file, but OrdnerVorhanden accepts both.
        QVERIFY(!Subs::DateiVorhanden(inst.Pfad(QStringLiteral("HTML"))));
        QVERIFY(Subs::OrdnerVorhanden(inst.Pfad(QStringLiteral("HTML"))));
        QVERIFY(Subs::OrdnerVorhanden(inst.Pfad(QStringLiteral("Werkbund3.ini"))));
        QVERIFY(!Subs::OrdnerVorhanden(inst.Pfad(QStringLiteral("Fehlt"))));
        QVERIFY(!Subs::OrdnerVorhanden(QString()));
    }

    void zahlen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("wert");
        QTest::addColumn<qint64>("ganz");
        QTest::newRow("ganz") << QStringLiteral(" 42 ") << true << 42.0 << qint64(42);
        QTest::newRow("komma") << QStringLiteral("2,5") << true << 2.5 << qint64(2);
        QTest::newRow("punkt") << QStringLiteral("3.5") << true << 3.5 << qint64(4);
        QTest::newRow("negativ") << QStringLiteral("-1") << true << -1.0 << qint64(-1);
        QTest::newRow("plus") << QStringLiteral("+7") << true << 7.0 << qint64(7);
        QTest::newRow("leer") << QString() << false << 0.0 << qint64(0);
        QTest::newRow("text") << QStringLiteral("zwölf") << false << 0.0 << qint64(0);
        QTest::newRow("exponent") << QStringLiteral("1e5") << false << 0.0 << qint64(0);
        QTest::newRow("zwei-trenner") << QStringLiteral("1.2.3") << false << 0.0 << qint64(0);
        // Far beyond the range a number is clamped, never 0.
        QTest::newRow("riesig") << QStringLiteral("1") + QString(30, QLatin1Char('0')) << true << 1e30
                                << std::numeric_limits<qint64>::max();
    }

    void ganzzahlLesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("wert");
        QTest::addColumn<QString>("meldungEnthaelt");
        QTest::newRow("einfach") << QStringLiteral(" 42 ") << true << qint64(42) << QString();
        QTest::newRow("tausend") << QStringLiteral("1.000") << true << qint64(1000) << QString();
        QTest::newRow("zwoelftausend") << QStringLiteral("12.000") << true << qint64(12000) << QString();
        QTest::newRow("millionen") << QStringLiteral("-1.234.567") << true << qint64(-1234567) << QString();
        QTest::newRow("plus") << QStringLiteral("+3") << true << qint64(3) << QString();
        QTest::newRow("komma") << QStringLiteral("1,5") << false << qint64(0) << QStringLiteral("keine gültige ganze Zahl");
        QTest::newRow("punkt-dezimal") << QStringLiteral("1.5") << false << qint64(0) << QStringLiteral("keine gültige");
        QTest::newRow("gruppe-zu-lang") << QStringLiteral("1.0000") << false << qint64(0) << QStringLiteral("keine gültige");
        QTest::newRow("erste-gruppe-zu-lang") << QStringLiteral("1000.000") << false << qint64(0) << QStringLiteral("keine gültige");
        QTest::newRow("punkt-am-ende") << QStringLiteral("12.") << false << qint64(0) << QStringLiteral("keine gültige");
        QTest::newRow("nur-vorzeichen") << QStringLiteral("-") << false << qint64(0) << QStringLiteral("keine gültige");
        QTest::newRow("leer") << QStringLiteral("  ") << false << qint64(0) << QStringLiteral("Bitte gebt");
        QTest::newRow("zu-gross") << QStringLiteral("2.000.001") << false << qint64(0) << QStringLiteral("höchstens 2.000.000");
        QTest::newRow("riesig") << QString(40, QLatin1Char('9')) << false << qint64(0) << QStringLiteral("zu groß");
        QTest::newRow("zu-klein") << QStringLiteral("-2.000.001") << false << qint64(0) << QStringLiteral("mindestens -2.000.000");
        QTest::newRow("riesig-negativ") << QStringLiteral("-") + QString(40, QLatin1Char('9')) << false << qint64(0)
                                        << QStringLiteral("zu klein");
    }

    void ganzzahlLesen()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, wert);
        QFETCH(QString, meldungEnthaelt);
        const Subs::Ganzzahleingabe e = Subs::GanzzahlLesen(text, -2000000, 2000000, QStringLiteral("den Wert"));
        QCOMPARE(e.Ok, ok);
        QCOMPARE(e.Wert, wert);
        QVERIFY2(e.Meldung.contains(meldungEnthaelt), qPrintable(e.Meldung));
        QCOMPARE(e.Meldung.isEmpty(), ok);
        QCOMPARE(Subs::Tausender(-1234567), QStringLiteral("-1.234.567"));
    }

    void zahlen()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, wert);
        QFETCH(qint64, ganz);
        bool gelesen = !ok;
        QCOMPARE(Subs::Zahl(text, &gelesen), wert);
        QCOMPARE(gelesen, ok);
        QCOMPARE(Subs::Ganzzahl(text), ganz);
        QCOMPARE(Subs::Runden(-2.5), qint64(-2));
        QCOMPARE(Subs::Runden(0.5), qint64(0));
        QCOMPARE(Subs::Runden(1.5), qint64(2));
    }
};

QTEST_GUILESS_MAIN(TestDateien)
#include "test_dateien.moc"
