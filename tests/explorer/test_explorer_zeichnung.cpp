// The markers as they are drawn onto a map picture: the dot's colour, size and place, the name, accumulation,
// cities that cannot be drawn, and the picture loader.
#include "Dateien.h"
#include "Kartenzeichnung.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QtTest>

using KartenEngine::Karte;
using ExplorerEngine::Kartenstadt;

namespace {

const QRgb Gruen = qRgb(0, 255, 0);

Kartenstadt Stadt(const QString& name, qint64 x, qint64 y)
{
    Kartenstadt s;
    s.Name = name;
    s.HatPosition = true;
    s.X = x;
    s.Y = y;
    return s;
}

QImage Weiss(int breite, int hoehe)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

// The smallest rectangle holding every pixel that passes the test.
template <typename Test>
QRect Umriss(const QImage& bild, Test test)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (test(bild.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

bool IstGruen(QRgb p) { return p == Gruen; }
bool IstDunkel(QRgb p) { return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100; }

} // namespace

class TestExplorerZeichnung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void punktUndName_data();
    void punktUndName();
    void markierungenSammelnSich();
    void ohnePositionNichts();
    void amRandUndWeitDraussen_data();
    void amRandUndWeitDraussen();
    void nameBleibtAufDerKarte_data();
    void nameBleibtAufDerKarte();
    void graustufenbildWirdFarbig();
    void bildLaden();
    void ausgelieferteKarten();
};

void TestExplorerZeichnung::punktUndName_data()
{
    QTest::addColumn<KartenEngine::Karte>("karte");
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    QTest::addColumn<QPoint>("mitte"); // pixel of the dot's centre
    QTest::addColumn<int>("durchmesser");
    QTest::addColumn<double>("nameX"); // pixel of the name's left edge
    // 1500 units are pixel 100 on the large map; 480 units are 150 on the small one, which is pixel 10.
    QTest::newRow("groß") << Karte::Gross << qint64(1500) << qint64(1500) << QPoint(100, 100) << 15 << (1500 + 200) / 15.0;
    QTest::newRow("klein") << Karte::Klein << qint64(4800) << qint64(4800) << QPoint(100, 100) << 8 << (1500 + 62.5) / 15.0;
}

void TestExplorerZeichnung::punktUndName()
{
    QFETCH(KartenEngine::Karte, karte);
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    QFETCH(QPoint, mitte);
    QFETCH(int, durchmesser);
    QFETCH(double, nameX);
    QImage bild = Weiss(300, 200);
    const QRect bereich = Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("Wellenfurt"), x, y), karte);

    // A pure green dot of the given size, centred on the position.
    QCOMPARE(bild.pixel(mitte), Gruen);
    const QRect punkt = Umriss(bild, IstGruen);
    QCOMPARE(punkt.size(), QSize(durchmesser, durchmesser));
    QVERIFY(qAbs(punkt.center().x() - mitte.x()) <= 1 && qAbs(punkt.center().y() - mitte.y()) <= 1);
    // Every touched pixel is white, pure green or a shade of grey (the black name, smoothed at its edges).
    const QRect farbig = Umriss(bild, [](QRgb p) { return p != Gruen && !(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)); });
    QVERIFY2(farbig.isEmpty(), "colours other than green and grey");

    // The name in black: its ink starts at the name's origin and reads to the right, level with the dot.
    const QRect name = Umriss(bild, IstDunkel);
    QVERIFY(!name.isEmpty());
    QVERIFY2(name.left() >= int(nameX) - 1 && name.left() <= int(nameX) + 2, qPrintable(QString::number(name.left())));
    QVERIFY(name.top() >= mitte.y() - 1 && name.top() <= mitte.y() + 5);
    QVERIFY(name.width() > 40); // ten letters
    QVERIFY(name.bottom() < mitte.y() + 20);
    // The reported area covers everything drawn, for the window's repaint.
    QVERIFY(bereich.contains(punkt));
    QVERIFY(bereich.contains(name));
}

void TestExplorerZeichnung::markierungenSammelnSich()
{
    QImage bild = Weiss(400, 300);
    Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("A"), 750, 750), Karte::Gross);
    const QImage nachEiner = bild;
    Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("B"), 3000, 3000), Karte::Gross);
    QCOMPARE(bild.pixel(50, 50), Gruen);
    QCOMPARE(bild.pixel(200, 200), Gruen);
    QVERIFY(nachEiner.pixel(200, 200) != Gruen);
    // The second city changed nothing around the first.
    QCOMPARE(bild.copy(0, 0, 150, 120), nachEiner.copy(0, 0, 150, 120));
    // The same city again draws its marker at the same place, nothing elsewhere.
    const QImage vorher = bild;
    const QRect bereich = Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("B"), 3000, 3000), Karte::Gross);
    QCOMPARE(Umriss(bild, IstGruen), Umriss(vorher, IstGruen));
    QCOMPARE(bild.copy(0, 0, 400, bereich.top()), vorher.copy(0, 0, 400, bereich.top()));
}

void TestExplorerZeichnung::ohnePositionNichts()
{
    QImage bild = Weiss(200, 200);
    Kartenstadt s = Stadt(QStringLiteral("Nirgendwo"), 1500, 1500);
    s.HatPosition = false;
    QVERIFY(Kartenzeichnung::Markieren(bild, s, Karte::Gross).isEmpty());
    QVERIFY(Kartenzeichnung::Markieren(bild, s, Karte::Klein).isEmpty());
    QCOMPARE(bild, Weiss(200, 200));
    // A null picture (a missing map) is left alone as well.
    QImage leer;
    QVERIFY(Kartenzeichnung::Markieren(leer, Stadt(QStringLiteral("A"), 1, 1), Karte::Gross).isEmpty());
}

void TestExplorerZeichnung::amRandUndWeitDraussen_data()
{
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    QTest::addColumn<bool>("sichtbar");
    QTest::newRow("linke obere Ecke") << qint64(0) << qint64(0) << true;
    QTest::newRow("rechts unten halb") << qint64(199 * 15) << qint64(199 * 15) << true;
    QTest::newRow("links daneben, Name reicht hinein") << qint64(-300) << qint64(750) << true;
    QTest::newRow("negativ weit") << qint64(-1000000) << qint64(-1000000) << false;
    QTest::newRow("riesig") << qint64(9000000000000000000) << qint64(9000000000000000000) << false;
    QTest::newRow("kleinste") << std::numeric_limits<qint64>::min() << std::numeric_limits<qint64>::min() << false;
    QTest::newRow("gemischt") << qint64(750) << std::numeric_limits<qint64>::max() << false;
}

void TestExplorerZeichnung::amRandUndWeitDraussen()
{
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    QFETCH(bool, sichtbar);
    for (Karte karte : {Karte::Gross, Karte::Klein}) {
        QImage bild = Weiss(200, 200);
        const QRect bereich = Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("Randstadt"), x, y), karte);
        QCOMPARE(bild != Weiss(200, 200), sichtbar);
        QCOMPARE(!bereich.isEmpty(), sichtbar);
        QVERIFY(QRect(0, 0, 200, 200).contains(bereich) || bereich.isEmpty());
    }
}

void TestExplorerZeichnung::nameBleibtAufDerKarte_data()
{
    QTest::addColumn<int>("karte");
    QTest::addColumn<qint64>("x");
    QTest::addColumn<qint64>("y");
    for (const Karte k : {Karte::Gross, Karte::Klein}) {
        const qint64 m = k == Karte::Gross ? 15 : 48; // map units per pixel of that picture
        QTest::addRow("%s, rechter Rand", k == Karte::Gross ? "groß" : "klein") << int(k) << 190 * m << 100 * m;
        QTest::addRow("%s, rechts unten", k == Karte::Gross ? "groß" : "klein") << int(k) << 195 * m << 198 * m;
    }
}

void TestExplorerZeichnung::nameBleibtAufDerKarte()
{
    QFETCH(int, karte);
    QFETCH(qint64, x);
    QFETCH(qint64, y);
    QImage bild = Weiss(200, 200);
    Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("Nordmarkfeste"), x, y), Karte(karte));
    const QRect punkt = Umriss(bild, IstGruen);
    const QRect name = Umriss(bild, IstDunkel);
    QVERIFY(!punkt.isEmpty());
    QVERIFY(name.width() > 30);
    // Whole, and on the dot's left where the right edge leaves no room.
    QVERIFY(QRect(0, 0, 200, 200).contains(name));
    QVERIFY(name.right() < punkt.left());
}

void TestExplorerZeichnung::graustufenbildWirdFarbig()
{
    QImage bild(100, 100, QImage::Format_Grayscale8);
    bild.fill(200);
    Kartenzeichnung::Markieren(bild, Stadt(QStringLiteral("G"), 750, 750), Karte::Gross);
    QCOMPARE(bild.pixel(50, 50), Gruen);
}

void TestExplorerZeichnung::bildLaden()
{
    TestInstallation inst(false);
    QString grund;
    QVERIFY(Kartenzeichnung::BildLaden(inst.Pfad(QStringLiteral("fehlt.jpg")), &grund).isNull());
    QCOMPARE(grund, QStringLiteral("die Datei ist nicht vorhanden"));
    QVERIFY(Kartenzeichnung::BildLaden(inst.Pfad(QStringLiteral("HTML")), &grund).isNull());
    QCOMPARE(grund, QStringLiteral("das ist keine gewöhnliche Datei"));
    inst.Schreiben(QStringLiteral("kaputt.jpg"), QByteArray("\xff\xd8\xff kein Bild"));
    QVERIFY(Kartenzeichnung::BildLaden(inst.Pfad(QStringLiteral("kaputt.jpg")), &grund).isNull());
    QCOMPARE(grund, QStringLiteral("das Bild lässt sich nicht lesen"));
    QFile gross(inst.Pfad(QStringLiteral("gross.jpg")));
    QVERIFY(gross.open(QIODevice::WriteOnly) && gross.resize(Dateien::Hoechstgroesse + 1));
    gross.close();
    QVERIFY(Kartenzeichnung::BildLaden(inst.Pfad(QStringLiteral("gross.jpg")), &grund).isNull());
    QVERIFY2(grund.contains(QStringLiteral("größer als 64 MiB")), qPrintable(grund));
    // A picture with a wrong suffix is read by its content.
    QVERIFY(Weiss(7, 5).save(inst.Pfad(QStringLiteral("bild.jpg")), "PNG"));
    const QImage bild = Kartenzeichnung::BildLaden(inst.Pfad(QStringLiteral("bild.jpg")), &grund);
    QCOMPARE(bild.size(), QSize(7, 5));
    QCOMPARE(grund, QString());
}

void TestExplorerZeichnung::ausgelieferteKarten()
{
    TestInstallation inst;
    const QImage gross = Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Gross));
    const QImage klein = Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Klein));
    QCOMPARE(gross.size(), QSize(1280, 1600));
    QCOMPARE(klein.size(), QSize(400, 500));
    // A shipped city lands on both maps at the same spot of the continent.
    QImage g = gross;
    QImage k = klein;
    const Kartenstadt moewenhafen = ExplorerEngine::StadtLesen(QStringLiteral("Möwenhafen"));
    QVERIFY(moewenhafen.HatPosition);
    Kartenzeichnung::Markieren(g, moewenhafen, Karte::Gross);
    Kartenzeichnung::Markieren(k, moewenhafen, Karte::Klein);
    QCOMPARE(g.pixel(3825 / 15, 8775 / 15), Gruen);
    QCOMPARE(k.pixel(1195 / 15, 2742 / 15), Gruen); // 3825 / 3.2 and 8775 / 3.2, rounded
    QVERIFY(gross.pixel(3825 / 15, 8775 / 15) != Gruen);
}

QTEST_MAIN(TestExplorerZeichnung)
#include "test_explorer_zeichnung.moc"
