// frmExplorerMain clicked as a user would: the maps, the city list, markers, the panel, measuring, the
// scroll bars, and what happens when shipped files are missing.
#include "Dialoge.h"
#include "Fenster.h"
#include "Kartenzeichnung.h"
#include "Shell.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "frmExplorerMain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

using KartenEngine::Karte;

namespace {

const QRgb Gruen = qRgb(0, 255, 0);

template <typename T>
T* Kind(QObject* fenster, const QString& name)
{
    T* kind = fenster->findChild<T*>(name);
    if (!kind)
        qFatal("Control %s not found", qPrintable(name));
    return kind;
}

QAbstractButton* Knopf(QObject* f, const QString& name) { return Kind<QAbstractButton>(f, name); }
QComboBox* Liste(QObject* f) { return Kind<QComboBox>(f, QStringLiteral("cmbCitySearch")); }
QWidget* Innen(QObject* f) { return Kind<QWidget>(f, QStringLiteral("picInnen")); }
QString Text(QObject* f, const QString& name) { return Kind<QLabel>(f, name)->text(); }

void Gross(QObject* f) { Knopf(f, QStringLiteral("cmdAventurienGross"))->click(); }
void Klein(QObject* f) { Knopf(f, QStringLiteral("cmdAventurienKlein"))->click(); }

// Opens the city box and clicks the entry, as a user chooses a city.
bool Waehlen(QObject* f, const QString& name)
{
    QComboBox* box = Liste(f);
    const int i = box->findText(name, Qt::MatchExactly);
    if (i < 0 || !box->isEnabled())
        return false;
    box->showPopup();
    QAbstractItemView* ansicht = box->view();
    const QModelIndex eintrag = ansicht->model()->index(i, 0);
    ansicht->scrollTo(eintrag);
    QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {}, ansicht->visualRect(eintrag).center());
    return box->currentIndex() == i && !ansicht->isVisible();
}

// The pixel of a large-map position on the picture of that map.
QPoint Pixel(qint64 x, qint64 y, Karte karte)
{
    if (karte == Karte::Klein) {
        x = KartenEngine::Verkleinern(x);
        y = KartenEngine::Verkleinern(y);
    }
    return QPoint(int(x / 15), int(y / 15));
}

void Anzeigen(QWidget& fenster)
{
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
}

// A register of three cities: one with a picture, one without, one without a position.
void Register(const TestInstallation& inst, const QString& ersteStadt = QStringLiteral("Möwenhafen"))
{
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"),
                         {ersteStadt, QStringLiteral("Reifwacht"), QStringLiteral("Irgendwo")});
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"),
                         {QLatin1Char('[') + ersteStadt + QLatin1Char(']'), QStringLiteral("X=3825"), QStringLiteral("Y=8775"),
                          QStringLiteral("Einwohner=5400"), QStringLiteral("Tempel=Efferd, Travia, Phex, "),
                          QStringLiteral("Pic=Hafenstadt.jpg"), QStringLiteral("[Reifwacht]"), QStringLiteral("X=8175"),
                          QStringLiteral("Y=4095"), QStringLiteral("Einwohner=650"), QStringLiteral("Tempel=Firun, "),
                          QStringLiteral("[Irgendwo]"), QStringLiteral("Einwohner=12"), QStringLiteral("Tempel=")});
}

} // namespace

class TestExplorerFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startzustand();
    void listeGesperrtBisEineKarteDaIst();
    void markierenUndTafel();
    void kartenwechselMarkiertNeu();
    void tippenWaehltStadt();
    void stadtOhnePosition();
    void leerenBehaeltMessungUndTafel();
    void messen_data();
    void messen();
    void kartenwechselBeendetMessung();
    void doppelklickZaehltEinmal();
    void bildlaufleisten();
    void fehlendeKarte();
    void fehlendeDateienOhneMeldung();
    void unlesbaresRegisterGemeldet();
    void langerNameVerbreitertNichts();
    void hilfe();
};

void TestExplorerFenster::startzustand()
{
    TestInstallation inst;
    Dialoge::Skript dialoge;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Kartenblick 3 v3.00 - Die Werkbund3 Kartenverwaltung"));
    QCOMPARE(Variablen::Programmtitel, QStringLiteral("Kartenblick 3"));
    QVERIFY(!fenster.windowIcon().isNull());
    const struct {
        const char* name;
        const char* tipp;
    } knoepfe[] = {{"cmdAventurienGross", "Grosse Übersichtskarte Aventuriens"},
                   {"cmdAventurienKlein", "Kleine Übersichtskarte Aventuriens"},
                   {"cmdDelete", "Karte leeren"},
                   {"cmdHilfe", "Hilfe"}};
    for (const auto& k : knoepfe) {
        QAbstractButton* knopf = Knopf(&fenster, QString::fromUtf8(k.name));
        // A button with a key names it behind the text: "Hilfe (F1)".
        QVERIFY2(knopf->toolTip() == QString::fromUtf8(k.tipp) || knopf->toolTip().startsWith(QString::fromUtf8(k.tipp) + QStringLiteral(" (")), k.name);
        QVERIFY2(!knopf->icon().isNull(), k.name);
        QVERIFY(knopf->isEnabled());
        QVERIFY(fenster.rect().contains(knopf->geometry()));
    }
    QComboBox* box = Liste(&fenster);
    QCOMPARE(box->toolTip(), QStringLiteral("Zeigt die gewählte Stadt auf der Karte an"));
    QVERIFY(!box->isEnabled());
    QCOMPARE(box->currentIndex(), -1);
    QStringList eintraege;
    for (int i = 0; i < box->count(); ++i)
        eintraege << box->itemText(i);
    QCOMPARE(eintraege, inst.Zeilen(QStringLiteral("Data/Explorer/Städteliste.dat")));
    QCOMPARE(eintraege.size(), 12);
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung:"));
    auto* infos = Kind<QGroupBox>(&fenster, QStringLiteral("frmInfos"));
    QCOMPARE(infos->title(), QStringLiteral("Informationen"));
    QVERIFY(!infos->isVisible());
    QVERIFY(!Kind<QWidget>(&fenster, QStringLiteral("picKarten"))->isVisible());
    QVERIFY(!Kind<QScrollBar>(&fenster, QStringLiteral("hscKarte"))->isVisible());
    QVERIFY(!Kind<QScrollBar>(&fenster, QStringLiteral("vscKarte"))->isVisible());
    QCOMPARE(fenster.Kartenmodus(), Karte::Keine);
    QCOMPARE(dialoge.aufrufe.size(), 0);
}

void TestExplorerFenster::listeGesperrtBisEineKarteDaIst()
{
    TestInstallation inst;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    // Choosing is impossible before a map is shown, and "Karte leeren" does nothing yet.
    QVERIFY(!Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    Knopf(&fenster, QStringLiteral("cmdDelete"))->click();
    QCOMPARE(fenster.Kartenmodus(), Karte::Keine);
    QVERIFY(fenster.Kartenbild().isNull());

    Gross(&fenster);
    QCOMPARE(fenster.Kartenmodus(), Karte::Gross);
    QVERIFY(Liste(&fenster)->isEnabled());
    QVERIFY(Innen(&fenster)->isVisible());
    QCOMPARE(Innen(&fenster)->size(), QSize(1280, 1600));
    QVERIFY(!Kind<QGroupBox>(&fenster, QStringLiteral("frmInfos"))->isVisible());
    // Nothing chosen yet: the map is shown unmarked.
    QCOMPARE(fenster.Kartenbild(), Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Gross)));
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Gross)), Gruen);

    Klein(&fenster);
    QCOMPARE(Innen(&fenster)->size(), QSize(400, 500));
    QVERIFY(Kind<QGroupBox>(&fenster, QStringLiteral("frmInfos"))->isVisible());
}

void TestExplorerFenster::markierenUndTafel()
{
    TestInstallation inst;
    Register(inst);
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Klein(&fenster);
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Klein)), Gruen);
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Möwenhafen"));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEinwohner")), QStringLiteral("ca. 5400 Einwohner"));
    QCOMPARE(Text(&fenster, QStringLiteral("lblTempel")), QStringLiteral("Tempel: Efferd, Travia, Phex"));
    auto* bild = Kind<QLabel>(&fenster, QStringLiteral("imgCityPic"));
    QVERIFY(!bild->pixmap().isNull());
    QVERIFY(bild->pixmap().width() <= Kind<QGroupBox>(&fenster, QStringLiteral("frmInfos"))->width());

    // A second city adds its marker; the first stays. Without "Pic" the picture goes.
    QVERIFY(Waehlen(&fenster, QStringLiteral("Reifwacht")));
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(8175, 4095, Karte::Klein)), Gruen);
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Klein)), Gruen);
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Reifwacht"));
    QCOMPARE(Text(&fenster, QStringLiteral("lblTempel")), QStringLiteral("Tempel: Firun"));
    QVERIFY(bild->pixmap().isNull());

    // What the window shows is what the drawing gives for the same choices.
    QImage erwartet = Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Klein));
    Kartenzeichnung::Markieren(erwartet, ExplorerEngine::StadtLesen(QStringLiteral("Möwenhafen")), Karte::Klein);
    Kartenzeichnung::Markieren(erwartet, ExplorerEngine::StadtLesen(QStringLiteral("Reifwacht")), Karte::Klein);
    QCOMPARE(fenster.Kartenbild(), erwartet);
    // ... and what picInnen paints.
    QCOMPARE(Innen(&fenster)->grab().toImage().convertToFormat(QImage::Format_RGB32), erwartet.convertToFormat(QImage::Format_RGB32));
}

void TestExplorerFenster::kartenwechselMarkiertNeu()
{
    TestInstallation inst;
    Register(inst);
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Klein(&fenster);
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QVERIFY(Waehlen(&fenster, QStringLiteral("Reifwacht")));
    // To the large map: the panel goes, the markers go, the chosen city is marked again.
    Gross(&fenster);
    QVERIFY(!Kind<QGroupBox>(&fenster, QStringLiteral("frmInfos"))->isVisible());
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(8175, 4095, Karte::Gross)), Gruen);
    QVERIFY(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Gross)) != Gruen);
    // Choosing on the large map does not touch the hidden panel.
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Reifwacht"));
    // Back to the small map: only the chosen city, and its panel.
    Klein(&fenster);
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Klein)), Gruen);
    QVERIFY(fenster.Kartenbild().pixel(Pixel(8175, 4095, Karte::Klein)) != Gruen);
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Möwenhafen"));
    // The same map button again also starts from the unmarked picture.
    QVERIFY(Waehlen(&fenster, QStringLiteral("Reifwacht")));
    Klein(&fenster);
    QVERIFY(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Klein)) != Gruen);
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(8175, 4095, Karte::Klein)), Gruen);
}

void TestExplorerFenster::tippenWaehltStadt()
{
    TestInstallation inst;
    Register(inst);
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Gross(&fenster);
    // Typing the first letters into the closed box chooses the city, as a click on it would.
    QTest::keyClicks(Liste(&fenster), QStringLiteral("Rei"));
    QCOMPARE(Liste(&fenster)->currentText(), QStringLiteral("Reifwacht"));
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(8175, 4095, Karte::Gross)), Gruen);
}

void TestExplorerFenster::stadtOhnePosition()
{
    TestInstallation inst;
    Register(inst);
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Klein(&fenster);
    const QImage vorher = fenster.Kartenbild();
    QVERIFY(Waehlen(&fenster, QStringLiteral("Irgendwo")));
    // No marker and no name, but the panel tells what is known.
    QCOMPARE(fenster.Kartenbild(), vorher);
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Irgendwo"));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEinwohner")), QStringLiteral("ca. 12 Einwohner"));
    QCOMPARE(Text(&fenster, QStringLiteral("lblTempel")), QStringLiteral("Tempel: "));
    Gross(&fenster);
    QCOMPARE(fenster.Kartenbild(), Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Gross)));
}

void TestExplorerFenster::leerenBehaeltMessungUndTafel()
{
    TestInstallation inst;
    Register(inst);
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Klein(&fenster);
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QTest::mouseClick(Innen(&fenster), Qt::LeftButton, {}, QPoint(20, 30));
    Knopf(&fenster, QStringLiteral("cmdDelete"))->click();
    QCOMPARE(fenster.Kartenbild(), Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Klein)));
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Möwenhafen"));
    QVERIFY(!Kind<QLabel>(&fenster, QStringLiteral("imgCityPic"))->pixmap().isNull());
    // The measurement begun before goes on.
    QVERIFY(fenster.Messung().Misst);
    QTest::mouseClick(Innen(&fenster), Qt::LeftButton, {}, QPoint(20, 75));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung: 320 Meilen"));
    // Choosing again marks again.
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Klein)), Gruen);

    Gross(&fenster);
    Knopf(&fenster, QStringLiteral("cmdDelete"))->click();
    QCOMPARE(fenster.Kartenbild(), Kartenzeichnung::BildLaden(KartenEngine::Bildpfad(Karte::Gross)));
}

void TestExplorerFenster::messen_data()
{
    QTest::addColumn<bool>("gross");
    QTest::addColumn<Qt::MouseButton>("taste");
    QTest::addColumn<QPoint>("erster");
    QTest::addColumn<QPoint>("zweiter");
    QTest::addColumn<QString>("text");
    QTest::newRow("groß, 45 Bildpunkte") << true << Qt::LeftButton << QPoint(10, 10) << QPoint(55, 10)
                                         << QStringLiteral("Entfernung: 100 Meilen");
    QTest::newRow("klein, 45 Bildpunkte") << false << Qt::LeftButton << QPoint(10, 10) << QPoint(55, 10)
                                          << QStringLiteral("Entfernung: 320 Meilen");
    QTest::newRow("rechte Taste, senkrecht") << true << Qt::RightButton << QPoint(300, 100) << QPoint(300, 55)
                                             << QStringLiteral("Entfernung: 100 Meilen");
    QTest::newRow("schräg 27 und 36") << false << Qt::MiddleButton << QPoint(1, 1) << QPoint(28, 37)
                                      << QStringLiteral("Entfernung: 320 Meilen");
    QTest::newRow("derselbe Punkt") << true << Qt::LeftButton << QPoint(5, 5) << QPoint(5, 5)
                                    << QStringLiteral("Entfernung: 0 Meilen");
    // Across the small map: 5970 and 7470 units, d = 9563, 9563 / 675 × 320 = 4533.6.
    // (QTest takes the point (0, 0) for the widget's centre, so the corner pixel is not used.)
    QTest::newRow("klein, quer") << false << Qt::LeftButton << QPoint(1, 1) << QPoint(399, 499)
                                 << QStringLiteral("Entfernung: 4534 Meilen");
}

void TestExplorerFenster::messen()
{
    QFETCH(bool, gross);
    QFETCH(Qt::MouseButton, taste);
    QFETCH(QPoint, erster);
    QFETCH(QPoint, zweiter);
    TestInstallation inst;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    gross ? Gross(&fenster) : Klein(&fenster);
    QTest::mouseClick(Innen(&fenster), taste, {}, erster);
    // The first press changes nothing visible.
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung:"));
    QTest::mouseClick(Innen(&fenster), taste, {}, zweiter);
    QTEST(Text(&fenster, QStringLiteral("lblEntfernung")), "text");
    // The third press begins a new measurement; the text stays until it ends.
    QTest::mouseClick(Innen(&fenster), taste, {}, QPoint(0, 0));
    QTEST(Text(&fenster, QStringLiteral("lblEntfernung")), "text");
}

void TestExplorerFenster::kartenwechselBeendetMessung()
{
    TestInstallation inst;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Gross(&fenster);
    QTest::mouseClick(Innen(&fenster), Qt::LeftButton, {}, QPoint(10, 10));
    Klein(&fenster);
    QVERIFY(!fenster.Messung().Misst);
    // This press begins anew instead of ending the measurement from the other map.
    QTest::mouseClick(Innen(&fenster), Qt::LeftButton, {}, QPoint(100, 10));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung:"));
    QTest::mouseClick(Innen(&fenster), Qt::LeftButton, {}, QPoint(145, 10));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung: 320 Meilen"));
    // The same map again keeps the distance; the other map clears it.
    Klein(&fenster);
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung: 320 Meilen"));
    Gross(&fenster);
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung:"));
}

void TestExplorerFenster::doppelklickZaehltEinmal()
{
    TestInstallation inst;
    Dialoge::Skript dialoge;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Gross(&fenster);
    QWidget* innen = Innen(&fenster);
    // Through the window, as the platform delivers it: press, release, press, double click, release.
    const QPoint stelle = innen->mapTo(&fenster, QPoint(10, 10));
    QTest::mouseDClick(fenster.windowHandle(), Qt::LeftButton, {}, stelle);
    QTest::mouseRelease(fenster.windowHandle(), Qt::LeftButton, {}, stelle);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("b")});
    QCOMPARE(dialoge.aufrufe.first().titel, QStringLiteral("Kartenblick 3"));
    // One press counted: the measurement has begun at the double click and ends at the next click.
    QVERIFY(fenster.Messung().Misst);
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung:"));
    QTest::mouseClick(innen, Qt::LeftButton, {}, QPoint(55, 10), 1000);
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung: 100 Meilen"));

    // A double click that ends a measurement: its first press measures, the second does not start a new one.
    QTest::mouseClick(innen, Qt::LeftButton, {}, QPoint(10, 100), 1000);
    QTest::mouseDClick(fenster.windowHandle(), Qt::LeftButton, {}, innen->mapTo(&fenster, QPoint(10, 145)), 1000);
    QTest::mouseRelease(fenster.windowHandle(), Qt::LeftButton, {}, innen->mapTo(&fenster, QPoint(10, 145)));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung: 100 Meilen"));
    QVERIFY(!fenster.Messung().Misst);
    QCOMPARE(dialoge.Texte().size(), 2);
}

void TestExplorerFenster::bildlaufleisten()
{
    TestInstallation inst;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    auto* h = Kind<QScrollBar>(&fenster, QStringLiteral("hscKarte"));
    auto* v = Kind<QScrollBar>(&fenster, QStringLiteral("vscKarte"));
    auto* rahmen = Kind<QWidget>(&fenster, QStringLiteral("picKarten"));
    QWidget* innen = Innen(&fenster);

    // The small map fits the window at its default size: no bars, nothing cut off.
    Klein(&fenster);
    QVERIFY(!h->isVisible());
    QVERIFY(!v->isVisible());
    QVERIFY(rahmen->width() >= 400 && rahmen->height() >= 500);

    // The large map does not: both bars, their ranges the map size minus the frame size.
    Gross(&fenster);
    QVERIFY(h->isVisible());
    QVERIFY(v->isVisible());
    QCOMPARE(h->maximum(), 1280 - rahmen->width());
    QCOMPARE(v->maximum(), 1600 - rahmen->height());
    QCOMPARE(h->singleStep(), 12);
    QCOMPARE(h->pageStep(), 128);
    QCOMPARE(v->singleStep(), 16);
    QCOMPARE(v->pageStep(), 160);
    QCOMPARE(h->geometry().top(), rahmen->geometry().bottom() + 1);
    QCOMPARE(v->geometry().left(), rahmen->geometry().right() + 1);

    // Moving a bar moves the map surface.
    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(innen->x(), -12);
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(innen->y(), -160);
    h->setValue(h->maximum());
    QCOMPARE(innen->x(), -(1280 - rahmen->width()));
    // A press still measures at the map's own pixel, wherever the map has been moved to.
    QTest::mouseClick(innen, Qt::LeftButton, {}, QPoint(1200, 900));
    QTest::mouseClick(innen, Qt::LeftButton, {}, QPoint(1245, 900));
    QCOMPARE(Text(&fenster, QStringLiteral("lblEntfernung")), QStringLiteral("Entfernung: 100 Meilen"));

    // A larger window needs less scrolling; a window wider than the map hides the horizontal bar.
    const int hoeheVorher = v->maximum();
    fenster.resize(fenster.width(), fenster.height() + 200);
    QTRY_COMPARE(v->maximum(), hoeheVorher - 200);
    fenster.resize(1400, 700);
    QTRY_VERIFY(!h->isVisible());
    QVERIFY(v->isVisible());
    QCOMPARE(innen->x(), 0);
    QCOMPARE(h->maximum(), 0);
    // Narrower again: the bar comes back.
    fenster.resize(800, 700);
    QTRY_VERIFY(h->isVisible());
    QCOMPARE(h->maximum(), 1280 - rahmen->width());

    // A small window shows bars for the small map, too; they go when there is room again.
    Klein(&fenster);
    fenster.resize(500, 400);
    QTRY_VERIFY(v->isVisible());
    QCOMPARE(v->maximum(), 500 - rahmen->height());
    QCOMPARE(v->singleStep(), 5);
    QCOMPARE(v->pageStep(), 50);
    fenster.resize(900, 680);
    QTRY_VERIFY(!v->isVisible());
    QVERIFY(!h->isVisible());
    QCOMPARE(innen->pos(), QPoint(0, 0));

    // A chosen city outside the frame is scrolled into view (Möwenhafen lies at pixel 255, 585).
    Gross(&fenster);
    v->setValue(0);
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QVERIFY(v->value() > 0);
    QVERIFY(v->value() < 585 && 585 < v->value() + rahmen->height());
    QCOMPARE(innen->y(), -v->value());
}

void TestExplorerFenster::fehlendeKarte()
{
    TestInstallation inst;
    QVERIFY(QFile::remove(inst.Pfad(QStringLiteral("Data/Explorer/AventurienKlein.jpg"))));
    {
        Dialoge::Skript dialoge;
        frmExplorerMain fenster;
        Anzeigen(fenster);
        QCOMPARE(dialoge.aufrufe.size(), 1);
        const QString text = dialoge.aufrufe.first().text;
        QVERIFY2(text.contains(QStringLiteral("AventurienKlein.jpg")) && text.contains(QStringLiteral("nicht vorhanden")),
                 qPrintable(text));
        QVERIFY(dialoge.aufrufe.first().symbol == Dialoge::Symbol::Ausrufezeichen);
        QVERIFY(!Knopf(&fenster, QStringLiteral("cmdAventurienKlein"))->isEnabled());
        QVERIFY(Knopf(&fenster, QStringLiteral("cmdAventurienGross"))->isEnabled());
        // The other map works as ever, and nothing is asked again.
        Gross(&fenster);
        QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
        QCOMPARE(fenster.Kartenmodus(), Karte::Gross);
        QCOMPARE(dialoge.aufrufe.size(), 1);
    }
    // Both missing, and one not even a picture: one message that names both.
    inst.Schreiben(QStringLiteral("Data/Explorer/Aventurien.jpg"), QByteArray("kein Bild"));
    Dialoge::Skript dialoge;
    frmExplorerMain fenster;
    QCOMPARE(dialoge.aufrufe.size(), 1);
    const QString text = dialoge.aufrufe.first().text;
    QVERIFY2(text.contains(QStringLiteral("Aventurien.jpg“")) && text.contains(QStringLiteral("lässt sich nicht lesen"))
                 && text.contains(QStringLiteral("AventurienKlein.jpg")),
             qPrintable(text));
    QVERIFY(!Knopf(&fenster, QStringLiteral("cmdAventurienGross"))->isEnabled());
    QVERIFY(!Liste(&fenster)->isEnabled());
}

void TestExplorerFenster::fehlendeDateienOhneMeldung()
{
    TestInstallation inst;
    QVERIFY(QFile::remove(inst.Pfad(QStringLiteral("Data/Explorer/Städteliste.dat"))));
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"),
                         {QStringLiteral("[Möwenhafen]"), QStringLiteral("X=3825"), QStringLiteral("Y=8775"),
                          QStringLiteral("Pic=fehlt.jpg")});
    {
        // No list: an empty box and no message.
        Dialoge::Skript dialoge;
        frmExplorerMain fenster;
        QCOMPARE(Liste(&fenster)->count(), 0);
        Klein(&fenster);
        QVERIFY(Liste(&fenster)->isEnabled());
        QCOMPARE(dialoge.aufrufe.size(), 0);
    }
    // A missing city picture leaves the place empty, also without a message.
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), {QStringLiteral("Möwenhafen")});
    Dialoge::Skript dialoge;
    frmExplorerMain fenster;
    Anzeigen(fenster);
    Klein(&fenster);
    QVERIFY(Waehlen(&fenster, QStringLiteral("Möwenhafen")));
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), QStringLiteral("Möwenhafen"));
    QVERIFY(Kind<QLabel>(&fenster, QStringLiteral("imgCityPic"))->pixmap().isNull());
    QCOMPARE(dialoge.aufrufe.size(), 0);
}

void TestExplorerFenster::unlesbaresRegisterGemeldet()
{
    TestInstallation inst;
    const QString pfad = inst.Pfad(QStringLiteral("Data/Explorer/Städte.dat"));
    QVERIFY(QFile::remove(pfad));
    QVERIFY(QDir().mkpath(pfad));
    Dialoge::Skript dialoge;
    frmExplorerMain fenster;
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY2(dialoge.Texte().first().contains(QStringLiteral("Städte.dat")), qPrintable(dialoge.Texte().first()));
}

void TestExplorerFenster::langerNameVerbreitertNichts()
{
    const QString lang = QStringLiteral("Sankt ") + QString(240, QLatin1Char('X')) + QStringLiteral(" am langen Fluss");
    int kurzBreite = 0;
    {
        TestInstallation inst;
        Register(inst);
        frmExplorerMain fenster;
        kurzBreite = fenster.minimumSizeHint().width();
    }
    TestInstallation inst;
    Register(inst, lang);
    frmExplorerMain fenster;
    Anzeigen(fenster);
    QCOMPARE(fenster.minimumSizeHint().width(), kurzBreite);
    const int breite = fenster.width();
    QVERIFY(fenster.minimumSizeHint().width() <= breite);
    Klein(&fenster);
    QVERIFY(Waehlen(&fenster, lang));
    QCOMPARE(Text(&fenster, QStringLiteral("lblName")), lang);
    QCOMPARE(fenster.minimumSizeHint().width(), kurzBreite);
    QCOMPARE(fenster.width(), breite);
    QCOMPARE(fenster.Kartenbild().pixel(Pixel(3825, 8775, Karte::Klein)), Gruen);
}

void TestExplorerFenster::hilfe()
{
    TestInstallation inst;
    Shell::Aufzeichnung shell;
    frmExplorerMain fenster;
    Knopf(&fenster, QStringLiteral("cmdHilfe"))->click();
    QCOMPARE(shell.geoeffnet, QStringList{inst.Pfad(QStringLiteral("Hilfe/Explorer.htm"))});
    // Without the page the user is told instead.
    QVERIFY(QFile::remove(inst.Pfad(QStringLiteral("Hilfe/Explorer.htm"))));
    Dialoge::Skript dialoge;
    Knopf(&fenster, QStringLiteral("cmdHilfe"))->click();
    QCOMPARE(shell.geoeffnet.size(), 1);
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY(dialoge.aufrufe.first().text.contains(QStringLiteral("Explorer.htm")));
}

QTEST_MAIN(TestExplorerFenster)
#include "test_explorer_fenster.moc"
