// The batch commands: in-process for the lines and pictures they give, and as the installed program runs
// them, without a display.
#include "Dialoge.h"
#include "KartenBatch.h"
#include "Kartenzeichnung.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

#include <memory>

using KartenEngine::Karte;

namespace {

KartenBatch::Ergebnis Lauf(const QStringList& argumente)
{
    return KartenBatch::Ausfuehren(argumente);
}

// The map with the cities marked in order, as the window would show it.
QImage Erwartet(Karte karte, const QStringList& staedte)
{
    QImage bild = Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(karte));
    for (const QString& name : staedte)
        Kartenzeichnung::Markieren(bild, ExplorerEngine::StadtLesen(name), karte);
    return bild.convertToFormat(QImage::Format_RGB32);
}

using Prozess = Programmlauf;

} // namespace

class TestExplorerBatch : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    Prozess Starten(const QStringList& argumente, bool plattformEntfernen = true);

private Q_SLOTS:
    void init();
    void liste();
    void details_data();
    void details();
    void entfernung_data();
    void entfernung();
    void entfernungVerweigert_data();
    void entfernungVerweigert();
    void zeichnen_data();
    void zeichnen();
    void zeichnenVerweigertUndSchreibtNichts_data();
    void zeichnenVerweigertUndSchreibtNichts();
    void zeichnenOhneKartenbild();
    void aufruffehler_data();
    void aufruffehler();
    void unlesbaresRegister_data();
    void unlesbaresRegister();
    void programmOhneBildschirm();
};

void TestExplorerBatch::init()
{
    m_inst = std::make_unique<TestInstallation>();
    // Two more cities: one with blanks in its name, one without a position.
    QStringList liste = m_inst->Zeilen(QStringLiteral("Data/Explorer/Städteliste.dat"));
    liste << QStringLiteral("Neue Brücke am See") << QStringLiteral("Irgendwo");
    m_inst->ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), liste);
    QStringList staedte = m_inst->Zeilen(QStringLiteral("Data/Explorer/Städte.dat"));
    staedte << QStringLiteral("[Neue Brücke am See]") << QStringLiteral("X=1500") << QStringLiteral("Y=3000")
            << QStringLiteral("Einwohner=12.000") << QStringLiteral("Tempel=") << QStringLiteral("[Irgendwo]")
            << QStringLiteral("X=1500") << QStringLiteral("Einwohner=3");
    m_inst->ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"), staedte);
}

void TestExplorerBatch::liste()
{
    const KartenBatch::Ergebnis e = Lauf({QStringLiteral("--liste")});
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe, m_inst->Zeilen(QStringLiteral("Data/Explorer/Städteliste.dat")));
    QCOMPARE(e.Ausgabe.size(), 14);
    QCOMPARE(e.Ausgabe.first(), QStringLiteral("Möwenhafen"));
    // No list: no lines, and that is no error.
    QVERIFY(QFile::remove(m_inst->Pfad(QStringLiteral("Data/Explorer/Städteliste.dat"))));
    const KartenBatch::Ergebnis leer = Lauf({QStringLiteral("--liste")});
    QCOMPARE(leer.Status, 0);
    QVERIFY(leer.Ausgabe.isEmpty());
}

void TestExplorerBatch::details_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("mit Bild") << QStringLiteral("Möwenhafen")
                              << QStringList{QStringLiteral("Möwenhafen"), QStringLiteral("ca. 5400 Einwohner"),
                                             QStringLiteral("Tempel: Efferd, Travia, Phex"), QStringLiteral("Hafenstadt.jpg"),
                                             QStringLiteral("3825\t8775\t1195\t2742")};
    QTest::newRow("ohne Bild") << QStringLiteral("Reifwacht")
                               << QStringList{QStringLiteral("Reifwacht"), QStringLiteral("ca. 650 Einwohner"),
                                              QStringLiteral("Tempel: Firun, Ifirn"), QString(),
                                              QStringLiteral("8175\t4095\t2555\t1280")};
    QTest::newRow("Leerzeichen im Namen") << QStringLiteral("Neue Brücke am See")
                                          << QStringList{QStringLiteral("Neue Brücke am See"), QStringLiteral("ca. 12.000 Einwohner"),
                                                         QStringLiteral("Tempel: "), QString(),
                                                         QStringLiteral("1500\t3000\t469\t938")};
    QTest::newRow("ohne Position") << QStringLiteral("Irgendwo")
                                   << QStringList{QStringLiteral("Irgendwo"), QStringLiteral("ca. 3 Einwohner"),
                                                  QStringLiteral("Tempel: "), QString(), QString()};
}

void TestExplorerBatch::details()
{
    QFETCH(QString, name);
    const KartenBatch::Ergebnis e = Lauf({QStringLiteral("--details"), name});
    QCOMPARE(e.Status, 0);
    QTEST(e.Ausgabe, "zeilen");
}

void TestExplorerBatch::entfernung_data()
{
    QTest::addColumn<QStringList>("werte");
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QString>("text");
    QTest::newRow("675 groß") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("675"), QStringLiteral("0")}
                              << QStringLiteral("gross") << QStringLiteral("Entfernung: 100 Meilen");
    QTest::newRow("675 klein") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("675"), QStringLiteral("0")}
                               << QStringLiteral("klein") << QStringLiteral("Entfernung: 320 Meilen");
    QTest::newRow("rückwärts schräg") << QStringList{QStringLiteral("905"), QStringLiteral("1220"), QStringLiteral("500"),
                                                     QStringLiteral("680")}
                                      << QStringLiteral("gross") << QStringLiteral("Entfernung: 100 Meilen");
    QTest::newRow("zwei Städte") << QStringList{QStringLiteral("3825"), QStringLiteral("8775"), QStringLiteral("9405"),
                                                QStringLiteral("12000")}
                                 << QStringLiteral("gross") << QStringLiteral("Entfernung: 955 Meilen");
    QTest::newRow("Tausender und Komma") << QStringList{QStringLiteral("1.000"), QStringLiteral("0,4"), QStringLiteral("1.675,2"),
                                                        QStringLiteral("0.5")}
                                         << QStringLiteral("gross") << QStringLiteral("Entfernung: 100 Meilen");
    QTest::newRow("größte") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("2147483647"),
                                           QStringLiteral("2.147.483.647")}
                            << QStringLiteral("klein") << QStringLiteral("Entfernung: 1439763200 Meilen");
}

void TestExplorerBatch::entfernung()
{
    QFETCH(QStringList, werte);
    QFETCH(QString, karte);
    const KartenBatch::Ergebnis e = Lauf(QStringList{QStringLiteral("--entfernung")} + werte
                                         + QStringList{QStringLiteral("--karte"), karte});
    QCOMPARE(e.Status, 0);
    QCOMPARE(e.Ausgabe.size(), 1);
    QTEST(e.Ausgabe.first(), "text");
}

void TestExplorerBatch::entfernungVerweigert_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("meldung");
    const QStringList k = {QStringLiteral("--karte"), QStringLiteral("gross")};
    QTest::newRow("negativ") << QStringList{QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("0")} + k
                             << QStringLiteral("Y1");
    QTest::newRow("zu groß") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("2147483648"), QStringLiteral("0")} + k
                             << QStringLiteral("außerhalb der Karte");
    QTest::newRow("Wort") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("weit")} + k
                          << QStringLiteral("„weit“ ist für Y2 keine gültige Position");
    QTest::newRow("drei Werte") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")} + k
                                << QStringLiteral("Aufruf: --entfernung");
    QTest::newRow("fünf Werte") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                               QStringLiteral("0")} + k
                                << QStringLiteral("Aufruf: --entfernung");
    QTest::newRow("ohne Karte") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}
                                << QStringLiteral("Aufruf: --entfernung");
    QTest::newRow("falsche Karte") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                                  QStringLiteral("--karte"), QStringLiteral("Gross")}
                                   << QStringLiteral("--karte erwartet gross oder klein, nicht „Gross“.");
}

void TestExplorerBatch::entfernungVerweigert()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    Dialoge::Skript dialoge;
    const KartenBatch::Ergebnis e = Lauf(QStringList{QStringLiteral("--entfernung")} + argumente);
    QCOMPARE(e.Status, 2);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY2(dialoge.Texte().first().contains(meldung), qPrintable(dialoge.Texte().first()));
}

void TestExplorerBatch::zeichnen_data()
{
    QTest::addColumn<QString>("karte");
    QTest::addColumn<QStringList>("staedte");
    QTest::addColumn<QString>("datei");
    QTest::newRow("groß ohne Städte") << QStringLiteral("gross") << QStringList{} << QStringLiteral("leer.png");
    QTest::newRow("groß zwei") << QStringLiteral("gross")
                               << QStringList{QStringLiteral("Möwenhafen"), QStringLiteral("Neue Brücke am See")}
                               << QStringLiteral("zwei.png");
    QTest::newRow("klein drei, eine doppelt") << QStringLiteral("klein")
                                              << QStringList{QStringLiteral("Reifwacht"), QStringLiteral("Dünenrast"),
                                                             QStringLiteral("Reifwacht")}
                                              << QStringLiteral("drei.bmp");
}

void TestExplorerBatch::zeichnen()
{
    QFETCH(QString, karte);
    QFETCH(QStringList, staedte);
    QFETCH(QString, datei);
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/") + datei);
    QStringList argumente = {QStringLiteral("--zeichnen"), QStringLiteral("--karte"), karte};
    for (const QString& name : staedte)
        argumente << QStringLiteral("--stadt") << name;
    argumente << QStringLiteral("--ausgabe") << ziel;
    const KartenBatch::Ergebnis e = Lauf(argumente);
    QCOMPARE(e.Status, 0);
    QVERIFY(e.Ausgabe.isEmpty());
    const QImage bild(ziel);
    const Karte k = karte == QLatin1String("gross") ? Karte::Gross : Karte::Klein;
    QCOMPARE(bild.size(), k == Karte::Gross ? QSize(1280, 1600) : QSize(400, 500));
    QCOMPARE(bild.convertToFormat(QImage::Format_RGB32), Erwartet(k, staedte));
    QCOMPARE(bild.pixel(0, 0) == qRgb(0, 255, 0), false);
}

void TestExplorerBatch::zeichnenVerweigertUndSchreibtNichts_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("meldung");
    const QString aus = QStringLiteral("--ausgabe");
    QTest::newRow("unbekannte Stadt") << QStringList{QStringLiteral("--karte"), QStringLiteral("gross"), QStringLiteral("--stadt"),
                                                     QStringLiteral("Möwenhafen"), QStringLiteral("--stadt"),
                                                     QStringLiteral("möwenhafen"), aus}
                                      << 1 << QStringLiteral("Die Stadt „möwenhafen“ steht nicht in der Städteliste; bekannt sind: Möwenhafen, Eichenbrück");
    QTest::newRow("ohne Position") << QStringList{QStringLiteral("--karte"), QStringLiteral("klein"), QStringLiteral("--stadt"),
                                                  QStringLiteral("Irgendwo"), aus}
                                   << 1 << QStringLiteral("„Irgendwo“ hat in Städte.dat keine gültige Position");
    QTest::newRow("falsche Endung") << QStringList{QStringLiteral("--karte"), QStringLiteral("gross"), QStringLiteral("--ausgabe"),
                                                   QStringLiteral("bild.gif")}
                                    << 2 << QStringLiteral("Endung .png, .bmp oder .jpg");
    QTest::newRow("ohne Karte") << QStringList{aus} << 2 << QStringLiteral("Aufruf: --zeichnen");
    QTest::newRow("Stadt ohne Namen") << QStringList{QStringLiteral("--karte"), QStringLiteral("gross"), aus,
                                                     QStringLiteral("--stadt")}
                                      << 2 << QStringLiteral("Zur Option --stadt fehlt der Wert.");
}

void TestExplorerBatch::zeichnenVerweigertUndSchreibtNichts()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/karte.png"));
    // "--ausgabe" at the end of a row takes the target.
    if (argumente.endsWith(QStringLiteral("--ausgabe")))
        argumente << ziel;
    else if (argumente.contains(QStringLiteral("--ausgabe")) && !argumente.contains(QStringLiteral("bild.gif")))
        argumente.insert(argumente.indexOf(QStringLiteral("--ausgabe")) + 1, ziel);
    Dialoge::Skript dialoge;
    const KartenBatch::Ergebnis e = Lauf(QStringList{QStringLiteral("--zeichnen")} + argumente);
    QTEST(e.Status, "status");
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY2(dialoge.Texte().first().contains(meldung), qPrintable(dialoge.Texte().first()));
    QVERIFY(!QFileInfo::exists(ziel));
    QVERIFY(QDir(m_inst->Pfad(QStringLiteral("HTML"))).entryList(QDir::Files).isEmpty());
}

void TestExplorerBatch::zeichnenOhneKartenbild()
{
    QVERIFY(QFile::remove(m_inst->Pfad(QStringLiteral("Data/Explorer/Aventurien.jpg"))));
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/karte.jpg"));
    Dialoge::Skript dialoge;
    KartenBatch::Ergebnis e = Lauf({QStringLiteral("--zeichnen"), QStringLiteral("--karte"), QStringLiteral("gross"),
                                    QStringLiteral("--ausgabe"), ziel});
    QCOMPARE(e.Status, 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("Aventurien.jpg")));
    QVERIFY(!QFileInfo::exists(ziel));
    // The other map is still there and is written as JPEG.
    e = Lauf({QStringLiteral("--zeichnen"), QStringLiteral("--karte"), QStringLiteral("klein"), QStringLiteral("--stadt"),
              QStringLiteral("Möwenhafen"), QStringLiteral("--ausgabe"), ziel});
    QCOMPARE(e.Status, 0);
    QCOMPARE(m_inst->Bytes(QStringLiteral("HTML/karte.jpg")).left(2), QByteArray("\xff\xd8"));
    QCOMPARE(QImage(ziel).size(), QSize(400, 500));
    // A folder that does not exist: refused with the reason, nothing left behind.
    e = Lauf({QStringLiteral("--zeichnen"), QStringLiteral("--karte"), QStringLiteral("klein"), QStringLiteral("--ausgabe"),
              m_inst->Pfad(QStringLiteral("fehlt/karte.png"))});
    QCOMPARE(e.Status, 1);
    QVERIFY2(dialoge.Texte().last().contains(QStringLiteral("nicht vorhanden")), qPrintable(dialoge.Texte().last()));
}

void TestExplorerBatch::aufruffehler_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("unbekannter Befehl") << QStringList{QStringLiteral("--karten")} << QStringLiteral("Unbekannter Befehl: --karten");
    QTest::newRow("details ohne Namen") << QStringList{QStringLiteral("--details")} << QStringLiteral("Aufruf: --details NAME");
    QTest::newRow("details unbekannt") << QStringList{QStringLiteral("--details"), QStringLiteral("Atlantis")}
                                       << QStringLiteral("Die Stadt „Atlantis“ steht nicht in der Städteliste; bekannt sind: Möwenhafen");
    QTest::newRow("liste mit Rest") << QStringList{QStringLiteral("--liste"), QStringLiteral("alle")}
                                    << QStringLiteral("Unbekanntes Argument: alle");
}

void TestExplorerBatch::aufruffehler()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    Dialoge::Skript dialoge;
    const KartenBatch::Ergebnis e = Lauf(argumente);
    QVERIFY(e.Status != 0);
    QVERIFY(e.Ausgabe.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY2(dialoge.Texte().first().contains(meldung), qPrintable(dialoge.Texte().first()));
}

void TestExplorerBatch::unlesbaresRegister_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("fehlt") << "fehlt";
    QTest::newRow("Ordner") << "ordner";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("65 MiB") << "gross";
}

void TestExplorerBatch::unlesbaresRegister()
{
    QFETCH(QString, art);
    const QString pfad = m_inst->Pfad(QStringLiteral("Data/Explorer/Städte.dat"));
    QVERIFY(QFile::remove(pfad));
    if (art == QLatin1String("ordner"))
        QVERIFY(QDir().mkpath(pfad));
    else if (art == QLatin1String("fifo"))
        QVERIFY(::mkfifo(QFile::encodeName(pfad).constData(), 0600) == 0);
    else if (art == QLatin1String("gross"))
        QVERIFY(QFile(pfad).open(QIODevice::WriteOnly) && QFile::resize(pfad, qint64(65) * 1024 * 1024));
    Dialoge::Skript dialoge;
    // A missing register is no fault (no city placed yet): the city shows empty, as ever.
    const KartenBatch::Ergebnis e = Lauf({QStringLiteral("--details"), QStringLiteral("Möwenhafen")});
    QCOMPARE(e.Status, art == QLatin1String("fehlt") ? 0 : 1);
    QCOMPARE(e.Ausgabe.isEmpty(), art != QLatin1String("fehlt"));
    QCOMPARE(dialoge.Texte().size(), art == QLatin1String("fehlt") ? 0 : 1);
    for (const QString& text : dialoge.Texte())
        QVERIFY2(text.startsWith(QStringLiteral("Das Kartenregister „")) && text.contains(QStringLiteral("Städte.dat")),
                 qPrintable(text));
}

Prozess TestExplorerBatch::Starten(const QStringList& argumente, bool plattformEntfernen)
{
    const QString programm = m_inst->Pfad(QStringLiteral("Kartenblick3"));
    if (!QFileInfo::exists(programm)) {
        QFile::copy(QStringLiteral(KARTENBLICK3_PROGRAMM), programm);
        QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    if (plattformEntfernen) {
        // No display and no platform named: batch mode must manage on its own.
        umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
        umgebung.remove(QStringLiteral("DISPLAY"));
        umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    return ProgrammStarten(programm, argumente, umgebung);
}

void TestExplorerBatch::programmOhneBildschirm()
{
    Prozess p = Starten({QStringLiteral("--liste")});
    QCOMPARE(p.status, 0);
    QCOMPARE(p.ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts), m_inst->Zeilen(QStringLiteral("Data/Explorer/Städteliste.dat")));

    p = Starten({QStringLiteral("--details"), QStringLiteral("Neue Brücke am See")});
    QCOMPARE(p.status, 0);
    QCOMPARE(p.ausgabe, QStringLiteral("Neue Brücke am See\nca. 12.000 Einwohner\nTempel: \n\n1500\t3000\t469\t938\n"));

    p = Starten({QStringLiteral("--entfernung"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("675"),
                 QStringLiteral("0"), QStringLiteral("--karte"), QStringLiteral("klein")});
    QCOMPARE(p.status, 0);
    QCOMPARE(p.ausgabe, QStringLiteral("Entfernung: 320 Meilen\n"));

    // Drawing needs fonts, but no display.
    const QString ziel = m_inst->Pfad(QStringLiteral("HTML/reise.png"));
    p = Starten({QStringLiteral("--zeichnen"), QStringLiteral("--karte"), QStringLiteral("gross"), QStringLiteral("--stadt"),
                 QStringLiteral("Möwenhafen"), QStringLiteral("--stadt"), QStringLiteral("Eichenbrück"), QStringLiteral("--ausgabe"),
                 ziel});
    QVERIFY2(p.status == 0, qPrintable(p.fehler));
    QCOMPARE(QImage(ziel).convertToFormat(QImage::Format_RGB32),
             Erwartet(Karte::Gross, {QStringLiteral("Möwenhafen"), QStringLiteral("Eichenbrück")}));

    p = Starten({QStringLiteral("--details"), QStringLiteral("Atlantis")});
    QCOMPARE(p.status, 1);
    QCOMPARE(p.ausgabe, QString());
    QVERIFY2(p.fehler.startsWith(QStringLiteral("Die Stadt „Atlantis“ steht nicht in der Städteliste; bekannt sind: "
                                                "Möwenhafen, Eichenbrück, ")),
             qPrintable(p.fehler));
    QVERIFY(p.fehler.endsWith(QStringLiteral(", Neue Brücke am See, Irgendwo.\n")));

    p = Starten({QStringLiteral("--help")});
    QCOMPARE(p.status, 0);
    for (const char* befehl : {"--liste", "--details NAME", "--entfernung X1 Y1 X2 Y2 --karte gross|klein",
                               "--zeichnen --karte gross|klein [--stadt NAME ...] --ausgabe BILD.png"})
        QVERIFY2(p.ausgabe.contains(QString::fromUtf8(befehl)), befehl);
    p = Starten({QStringLiteral("--version")});
    QCOMPARE(p.ausgabe, QStringLiteral("Kartenblick3 3.00\n"));
}

QTEST_MAIN(TestExplorerBatch)
#include "test_explorer_batch.moc"
