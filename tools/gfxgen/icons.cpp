// Button pictures (.bmp on a light face) and window icons (.ico, transparent).
// Every pictogram is drawn in a 32 x 32 unit square and scaled to its size.
#include "gfxgen.h"

#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace gfx {
namespace {

using Zeichner = void (*)(QPainter&);

const QColor Umriss(56, 46, 38);
const QColor Knopfgrund(238, 235, 227);
const QColor Papier(253, 252, 247);

QPen stift(const QColor& farbe, double breite)
{
    QPen p(farbe, breite);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// A pencil at `ort`, turned by `winkel` degrees: its shaft from `oben` to `unten`, the sharpened tip below.
void bleistift(QPainter& p, QPointF ort, qreal winkel, qreal halbeBreite, qreal oben, qreal unten, const QColor& farbe)
{
    p.save();
    p.translate(ort);
    p.rotate(winkel);
    p.setPen(stift(Umriss, 0.9));
    p.setBrush(farbe);
    p.drawRect(QRectF(-halbeBreite, oben, 2 * halbeBreite, unten - oben));
    QPainterPath spitze;
    spitze.moveTo(-halbeBreite, unten);
    spitze.lineTo(0, 7);
    spitze.lineTo(halbeBreite, unten);
    spitze.closeSubpath();
    p.setBrush(QColor(240, 215, 170));
    p.drawPath(spitze);
    p.restore();
}

QImage malen(int groesse, Zeichner zeichner, bool durchsichtig)
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(durchsichtig ? QColor(Qt::transparent) : Knopfgrund);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 32.0, groesse / 32.0);
    zeichner(p);
    p.end();
    // BMP has no transparency worth relying on: flatten to plain RGB.
    return durchsichtig ? bild.convertToFormat(QImage::Format_ARGB32)
                        : bild.convertToFormat(QImage::Format_RGB32);
}

QPainterPath stern(QPointF mitte, double aussen, double innen, int zacken, double drehungGrad)
{
    QPainterPath pfad;
    for (int i = 0; i < zacken * 2; ++i) {
        const double r = (i % 2 == 0) ? aussen : innen;
        const double w = (drehungGrad - 90.0 + i * 180.0 / zacken) * std::numbers::pi / 180.0;
        const QPointF q(mitte.x() + r * std::cos(w), mitte.y() + r * std::sin(w));
        if (i == 0)
            pfad.moveTo(q);
        else
            pfad.lineTo(q);
    }
    pfad.closeSubpath();
    return pfad;
}

// A sheet with a folded upper right corner.
void blatt(QPainter& p, const QRectF& r)
{
    const double k = r.width() * 0.3;
    QPainterPath pfad;
    pfad.moveTo(r.topLeft());
    pfad.lineTo(r.right() - k, r.top());
    pfad.lineTo(r.right(), r.top() + k);
    pfad.lineTo(r.bottomRight());
    pfad.lineTo(r.bottomLeft());
    pfad.closeSubpath();
    p.setPen(stift(Umriss, 1.4));
    p.setBrush(Papier);
    p.drawPath(pfad);
    QPainterPath falz;
    falz.moveTo(r.right() - k, r.top());
    falz.lineTo(r.right() - k, r.top() + k);
    falz.lineTo(r.right(), r.top() + k);
    falz.closeSubpath();
    p.setBrush(QColor(214, 210, 196));
    p.drawPath(falz);
}

void zeilen(QPainter& p, double x0, double x1, double y0, int anzahl, double abstand, const QColor& farbe)
{
    p.setPen(stift(farbe, 1.3));
    for (int i = 0; i < anzahl; ++i) {
        const double ende = (i % 3 == 2) ? x0 + (x1 - x0) * 0.6 : x1;
        p.drawLine(QPointF(x0, y0 + i * abstand), QPointF(ende, y0 + i * abstand));
    }
}

void pfeil(QPainter& p, QPointF von, QPointF nach, double breite, const QColor& farbe)
{
    const double dx = nach.x() - von.x();
    const double dy = nach.y() - von.y();
    const double laenge = std::hypot(dx, dy);
    const double ux = dx / laenge, uy = dy / laenge;
    const double nx = -uy, ny = ux;
    const double kopf = breite * 2.0;
    const QPointF basis(nach.x() - ux * kopf, nach.y() - uy * kopf);
    QPainterPath pfad;
    pfad.moveTo(von.x() + nx * breite / 2, von.y() + ny * breite / 2);
    pfad.lineTo(basis.x() + nx * breite / 2, basis.y() + ny * breite / 2);
    pfad.lineTo(basis.x() + nx * breite * 1.5, basis.y() + ny * breite * 1.5);
    pfad.lineTo(nach);
    pfad.lineTo(basis.x() - nx * breite * 1.5, basis.y() - ny * breite * 1.5);
    pfad.lineTo(basis.x() - nx * breite / 2, basis.y() - ny * breite / 2);
    pfad.lineTo(von.x() - nx * breite / 2, von.y() - ny * breite / 2);
    pfad.closeSubpath();
    p.setPen(stift(farbe.darker(170), 1.2));
    p.setBrush(farbe);
    p.drawPath(pfad);
}

void lupe(QPainter& p, QPointF mitte, double r)
{
    p.setPen(stift(QColor(110, 70, 40), r * 0.55));
    p.drawLine(mitte + QPointF(r * 0.75, r * 0.75), mitte + QPointF(r * 1.75, r * 1.75));
    QRadialGradient glas(mitte - QPointF(r * 0.3, r * 0.3), r);
    glas.setColorAt(0, QColor(235, 246, 255));
    glas.setColorAt(1, QColor(160, 200, 230));
    p.setBrush(glas);
    p.setPen(stift(QColor(60, 66, 80), r * 0.28));
    p.drawEllipse(mitte, r, r);
}

void fragezeichen(QPainter& p, QPointF mitte, double r, const QColor& grund)
{
    QRadialGradient g(mitte - QPointF(r * 0.35, r * 0.35), r * 1.2);
    g.setColorAt(0, grund.lighter(140));
    g.setColorAt(1, grund);
    p.setPen(stift(grund.darker(160), 1.4));
    p.setBrush(g);
    p.drawEllipse(mitte, r, r);
    const double s = r / 13.0;
    const QRectF bogen(mitte.x() - 5 * s, mitte.y() - 8.5 * s, 10 * s, 10 * s);
    QPainterPath pfad;
    pfad.arcMoveTo(bogen, 160);
    pfad.arcTo(bogen, 160, -250);
    pfad.lineTo(mitte.x(), mitte.y() + 4 * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(Qt::white, 3.2 * s));
    p.drawPath(pfad);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(mitte.x(), mitte.y() + 8.2 * s), 1.9 * s, 1.9 * s);
}

void drucker(QPainter& p, const QRectF& r)
{
    const double s = r.width() / 26.0;
    // paper going in
    p.setPen(stift(Umriss, 1.2));
    p.setBrush(Papier);
    p.drawRect(QRectF(r.left() + 5 * s, r.top(), 16 * s, 10 * s));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(190, 192, 196));
    g.setColorAt(1, QColor(120, 124, 130));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r.left(), r.top() + 8 * s, 26 * s, 12 * s), 2 * s, 2 * s);
    // paper coming out
    p.setBrush(Papier);
    p.drawRect(QRectF(r.left() + 5 * s, r.top() + 16 * s, 16 * s, 10 * s));
    zeilen(p, r.left() + 7.5 * s, r.left() + 18.5 * s, r.top() + 19.5 * s, 3, 2.4 * s, QColor(90, 90, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 200, 80));
    p.drawEllipse(QPointF(r.left() + 22.5 * s, r.top() + 11.5 * s), 1.3 * s, 1.3 * s);
}

void haus(QPainter& p, double x, double boden, double breite, double hoehe, const QColor& wand, const QColor& dach)
{
    p.setPen(stift(Umriss, 1.1));
    p.setBrush(wand);
    p.drawRect(QRectF(x, boden - hoehe, breite, hoehe));
    QPainterPath giebel;
    giebel.moveTo(x - 1.2, boden - hoehe);
    giebel.lineTo(x + breite / 2, boden - hoehe - breite * 0.7);
    giebel.lineTo(x + breite + 1.2, boden - hoehe);
    giebel.closeSubpath();
    p.setBrush(dach);
    p.drawPath(giebel);
    p.setBrush(QColor(70, 50, 35));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(x + breite * 0.38, boden - hoehe * 0.45, breite * 0.26, hoehe * 0.45));
}

void schwert(QPainter& p, QPointF mitte, double winkel, double laenge)
{
    p.save();
    p.translate(mitte);
    p.rotate(winkel);
    const double s = laenge / 28.0;
    QPainterPath klinge;
    klinge.moveTo(-1.6 * s, 4 * s);
    klinge.lineTo(-1.6 * s, -10 * s);
    klinge.lineTo(0, -14 * s);
    klinge.lineTo(1.6 * s, -10 * s);
    klinge.lineTo(1.6 * s, 4 * s);
    klinge.closeSubpath();
    QLinearGradient g(-2 * s, 0, 2 * s, 0);
    g.setColorAt(0, QColor(235, 238, 242));
    g.setColorAt(1, QColor(140, 148, 160));
    p.setPen(stift(QColor(50, 54, 62), 1.0));
    p.setBrush(g);
    p.drawPath(klinge);
    p.setBrush(QColor(196, 150, 50));
    p.drawRoundedRect(QRectF(-6 * s, 4 * s, 12 * s, 2.4 * s), 1 * s, 1 * s);
    p.setBrush(QColor(100, 60, 35));
    p.drawRect(QRectF(-1.2 * s, 6.4 * s, 2.4 * s, 5.5 * s));
    p.setBrush(QColor(196, 150, 50));
    p.drawEllipse(QPointF(0, 13.2 * s), 1.8 * s, 1.8 * s);
    p.restore();
}

void kiste(QPainter& p, const QRectF& r)
{
    p.setPen(stift(QColor(80, 50, 25), 1.1));
    p.setBrush(QColor(196, 142, 80));
    p.drawRect(r);
    p.setPen(stift(QColor(120, 80, 40), 1.0));
    const double rand = r.width() * 0.16;
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(rand, rand, -rand, -rand));
    p.drawLine(QPointF(r.left() + rand, r.bottom() - rand), QPointF(r.right() - rand, r.top() + rand));
}

void schild(QPainter& p, const QRectF& r, const QColor& feld, const QColor& rand)
{
    QPainterPath pfad;
    pfad.moveTo(r.left(), r.top());
    pfad.lineTo(r.right(), r.top());
    pfad.lineTo(r.right(), r.top() + r.height() * 0.45);
    pfad.quadTo(r.right(), r.bottom() - r.height() * 0.15, r.center().x(), r.bottom());
    pfad.quadTo(r.left(), r.bottom() - r.height() * 0.15, r.left(), r.top() + r.height() * 0.45);
    pfad.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, feld.lighter(135));
    g.setColorAt(1, feld);
    p.setPen(stift(rand, 2.0));
    p.setBrush(g);
    p.drawPath(pfad);
}

void turm(QPainter& p, double mitteX, double boden, double breite, double hoehe, const QColor& farbe)
{
    const double z = breite / 5.0;
    QPainterPath pfad;
    pfad.moveTo(mitteX - breite / 2, boden);
    pfad.lineTo(mitteX - breite / 2, boden - hoehe);
    for (int i = 0; i < 5; ++i) {
        const double x = mitteX - breite / 2 + i * z;
        if (i % 2 == 0) {
            pfad.lineTo(x, boden - hoehe - z);
            pfad.lineTo(x + z, boden - hoehe - z);
            pfad.lineTo(x + z, boden - hoehe);
        } else {
            pfad.lineTo(x + z, boden - hoehe);
        }
    }
    pfad.lineTo(mitteX + breite / 2, boden);
    pfad.closeSubpath();
    // door and window are cut out so that the field shows through
    QPainterPath tuer;
    tuer.addRoundedRect(QRectF(mitteX - z * 0.7, boden - hoehe * 0.32, z * 1.4, hoehe * 0.32), z * 0.6, z * 0.6);
    QPainterPath fenster;
    fenster.addRect(QRectF(mitteX - z * 0.35, boden - hoehe * 0.78, z * 0.7, hoehe * 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(pfad.subtracted(tuer).subtracted(fenster));
}

// ---- button pictures ----

void neu(QPainter& p)
{
    blatt(p, QRectF(8, 3, 19, 26));
    p.setPen(stift(QColor(160, 110, 0), 1.0));
    p.setBrush(QColor(255, 214, 40));
    p.drawPath(stern(QPointF(9, 10), 8, 3, 4, 0));
    p.setBrush(QColor(255, 240, 160));
    p.drawPath(stern(QPointF(9, 10), 3.5, 1.3, 4, 45));
}

void loeschen(QPainter& p)
{
    p.setPen(stift(QColor(120, 10, 10), 7.5));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
    p.setPen(stift(QColor(225, 40, 30), 4.8));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

void speichernBild(QPainter& p)
{
    QPainterPath koerper;
    koerper.moveTo(4, 4);
    koerper.lineTo(25, 4);
    koerper.lineTo(28, 7);
    koerper.lineTo(28, 28);
    koerper.lineTo(4, 28);
    koerper.closeSubpath();
    p.setPen(stift(QColor(20, 35, 80), 1.4));
    p.setBrush(QColor(55, 92, 170));
    p.drawPath(koerper);
    p.setBrush(QColor(205, 210, 218));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(55, 92, 170));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(18, 5.5, 3, 6));
    p.setPen(stift(QColor(20, 35, 80), 1.1));
    p.setBrush(Papier);
    p.drawRect(QRectF(8, 17, 16, 11));
    zeilen(p, 10.5, 21.5, 20.5, 2, 3.2, QColor(200, 60, 50));
}

void oeffnen(QPainter& p)
{
    QPainterPath hinten;
    hinten.moveTo(3, 26);
    hinten.lineTo(3, 7);
    hinten.lineTo(11, 7);
    hinten.lineTo(13, 10);
    hinten.lineTo(25, 10);
    hinten.lineTo(25, 26);
    hinten.closeSubpath();
    p.setPen(stift(QColor(120, 80, 10), 1.3));
    p.setBrush(QColor(214, 160, 40));
    p.drawPath(hinten);
    p.setBrush(Papier);
    p.drawRect(QRectF(7, 9, 15, 9));
    QPainterPath vorne;
    vorne.moveTo(3, 27);
    vorne.lineTo(8, 15);
    vorne.lineTo(30, 15);
    vorne.lineTo(25, 27);
    vorne.closeSubpath();
    QLinearGradient g(0, 15, 0, 27);
    g.setColorAt(0, QColor(255, 222, 110));
    g.setColorAt(1, QColor(236, 180, 50));
    p.setBrush(g);
    p.drawPath(vorne);
}

void html(QPainter& p)
{
    blatt(p, QRectF(4, 3, 24, 26));
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(QColor(30, 90, 190), 2.2));
    p.drawPolyline(QPolygonF({QPointF(11, 13), QPointF(7.5, 17.5), QPointF(11, 22)}));
    p.drawLine(QPointF(14, 23.5), QPointF(18, 11.5));
    p.drawPolyline(QPolygonF({QPointF(21, 13), QPointF(24.5, 17.5), QPointF(21, 22)}));
}

void hilfe(QPainter& p)
{
    fragezeichen(p, QPointF(16, 16), 13, QColor(40, 100, 200));
}

void suchen(QPainter& p)
{
    lupe(p, QPointF(13, 13), 8.5);
}

void ablage(QPainter& p)
{
    QPainterPath schale;
    schale.moveTo(4, 15);
    schale.lineTo(4, 28);
    schale.lineTo(28, 28);
    schale.lineTo(28, 15);
    schale.lineTo(22, 15);
    schale.lineTo(22, 20);
    schale.lineTo(10, 20);
    schale.lineTo(10, 15);
    schale.closeSubpath();
    p.setPen(stift(QColor(90, 60, 30), 1.3));
    p.setBrush(QColor(176, 128, 72));
    p.drawPath(schale);
}

void exportieren(QPainter& p)
{
    ablage(p);
    pfeil(p, QPointF(16, 24), QPointF(16, 2.5), 4.5, QColor(60, 170, 70));
}

void importieren(QPainter& p)
{
    ablage(p);
    pfeil(p, QPointF(16, 2.5), QPointF(16, 24), 4.5, QColor(50, 110, 210));
}

void vorschau(QPainter& p)
{
    blatt(p, QRectF(3, 2, 20, 26));
    zeilen(p, 6, 16, 9, 4, 3.0, QColor(120, 120, 135));
    lupe(p, QPointF(18, 18), 6.5);
}

void drucken(QPainter& p)
{
    drucker(p, QRectF(3, 3, 26, 26));
}

void druckenListe(QPainter& p)
{
    blatt(p, QRectF(2, 2, 16, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 100, 200));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(5.5, 9 + i * 3.6), 1.1, 1.1);
    zeilen(p, 8, 14, 9, 4, 3.6, QColor(90, 90, 110));
    drucker(p, QRectF(12, 12, 19, 19));
}

void ellipse(QPainter& p)
{
    p.setPen(stift(QColor(30, 60, 140), 2.6));
    p.setBrush(QColor(200, 220, 250));
    p.drawEllipse(QRectF(4, 8, 24, 16));
}

void linie(QPainter& p)
{
    p.setPen(stift(QColor(30, 60, 140), 2.8));
    p.drawLine(QPointF(5, 26), QPointF(27, 6));
}

void rechteck(QPainter& p)
{
    QPen s = stift(QColor(30, 60, 140), 2.6);
    s.setJoinStyle(Qt::MiterJoin);
    p.setPen(s);
    p.setBrush(QColor(200, 220, 250));
    p.drawRect(QRectF(5, 8, 22, 16));
}

void laden(QPainter& p)
{
    p.setPen(stift(QColor(80, 50, 25), 1.2));
    p.setBrush(QColor(150, 100, 55));
    p.drawRect(QRectF(6, 10, 2, 10));
    p.drawRect(QRectF(24, 10, 2, 10));
    p.setBrush(QColor(190, 136, 76));
    p.drawRect(QRectF(4, 19, 24, 9));
    p.setPen(stift(QColor(120, 80, 40), 1.0));
    p.drawLine(QPointF(4, 23.5), QPointF(28, 23.5));
    // goods on the counter
    p.setPen(stift(Umriss, 0.8));
    p.setBrush(QColor(220, 60, 40));
    p.drawEllipse(QPointF(9, 17), 2.2, 2.2);
    p.setBrush(QColor(240, 190, 40));
    p.drawEllipse(QPointF(14, 17), 2.2, 2.2);
    p.setBrush(QColor(100, 170, 60));
    p.drawEllipse(QPointF(19, 17), 2.2, 2.2);
    // striped awning with a scalloped edge
    for (int i = 0; i < 6; ++i) {
        QPainterPath bahn;
        const double x = 3 + i * (26.0 / 6);
        bahn.moveTo(x + 1.5, 4);
        bahn.lineTo(x + 26.0 / 6 + 1.5, 4);
        bahn.lineTo(x + 26.0 / 6, 11);
        bahn.quadTo(x + 13.0 / 6, 14, x, 11);
        bahn.closeSubpath();
        p.setPen(stift(QColor(110, 20, 20), 0.9));
        p.setBrush(i % 2 == 0 ? QColor(210, 40, 40) : QColor(250, 246, 236));
        p.drawPath(bahn);
    }
}

void haeuser(QPainter& p)
{
    // church tower at the back
    p.setPen(stift(Umriss, 1.1));
    p.setBrush(QColor(200, 190, 170));
    p.drawRect(QRectF(13, 7, 6, 21));
    QPainterPath spitze;
    spitze.moveTo(12, 7);
    spitze.lineTo(16, 1);
    spitze.lineTo(20, 7);
    spitze.closeSubpath();
    p.setBrush(QColor(60, 110, 120));
    p.drawPath(spitze);
    haus(p, 2, 29, 11, 10, QColor(236, 222, 190), QColor(190, 60, 40));
    haus(p, 19, 29, 11, 12, QColor(226, 206, 160), QColor(160, 50, 35));
}

void schwerter(QPainter& p)
{
    schwert(p, QPointF(16, 16), 45, 30);
    schwert(p, QPointF(16, 16), -45, 30);
}

void amboss(QPainter& p)
{
    QPainterPath pfad;
    pfad.moveTo(3, 15);
    pfad.quadTo(6, 15, 9, 14);
    pfad.lineTo(27, 14);
    pfad.lineTo(27, 18);
    pfad.lineTo(23, 19);
    pfad.lineTo(21, 23);
    pfad.lineTo(25, 28);
    pfad.lineTo(9, 28);
    pfad.lineTo(13, 23);
    pfad.lineTo(11, 19);
    pfad.quadTo(6, 18, 3, 15);
    pfad.closeSubpath();
    QLinearGradient g(0, 14, 0, 28);
    g.setColorAt(0, QColor(130, 136, 146));
    g.setColorAt(1, QColor(50, 54, 62));
    p.setPen(stift(QColor(25, 28, 34), 1.2));
    p.setBrush(g);
    p.drawPath(pfad);
    // hammer raised over the anvil
    p.save();
    p.translate(20, 8);
    p.rotate(-30);
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(-1.1, -2, 2.2, 12));
    p.setBrush(QColor(90, 94, 104));
    p.drawRoundedRect(QRectF(-5, -5, 10, 4.5), 0.8, 0.8);
    p.restore();
    p.setPen(stift(QColor(255, 160, 20), 1.0));
    p.setBrush(QColor(255, 220, 60));
    p.drawPath(stern(QPointF(8, 9), 3.5, 1.2, 4, 0));
}

void kisten(QPainter& p)
{
    kiste(p, QRectF(2, 17, 13, 12));
    kiste(p, QRectF(16, 17, 13, 12));
    kiste(p, QRectF(9, 4, 13, 13));
}

void kompass(QPainter& p)
{
    QRadialGradient g(QPointF(13, 13), 14);
    g.setColorAt(0, QColor(255, 252, 240));
    g.setColorAt(1, QColor(230, 220, 190));
    p.setPen(stift(QColor(150, 110, 30), 2.6));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(stift(QColor(150, 110, 30), 1.0));
    for (int i = 0; i < 4; ++i) {
        const double w = i * std::numbers::pi / 2;
        p.drawLine(QPointF(16 + 9.5 * std::cos(w), 16 + 9.5 * std::sin(w)),
                   QPointF(16 + 11.5 * std::cos(w), 16 + 11.5 * std::sin(w)));
    }
    QPainterPath nord;
    nord.moveTo(16, 4.5);
    nord.lineTo(19, 16);
    nord.lineTo(13, 16);
    nord.closeSubpath();
    QPainterPath sued;
    sued.moveTo(16, 27.5);
    sued.lineTo(19, 16);
    sued.lineTo(13, 16);
    sued.closeSubpath();
    p.setPen(stift(Umriss, 0.8));
    p.setBrush(QColor(210, 40, 30));
    p.drawPath(nord);
    p.setBrush(QColor(240, 240, 240));
    p.drawPath(sued);
    p.setBrush(QColor(150, 110, 30));
    p.drawEllipse(QPointF(16, 16), 1.6, 1.6);
}

// ---- window icons ----

void emblem(QPainter& p)
{
    schild(p, QRectF(4, 2, 24, 28), QColor(30, 60, 130), QColor(200, 160, 50));
    turm(p, 16, 24, 11, 13, QColor(245, 236, 210));
}

void tabelle(QPainter& p)
{
    p.setPen(stift(QColor(60, 70, 90), 1.4));
    p.setBrush(Papier);
    p.drawRect(QRectF(3, 5, 26, 22));
    p.setBrush(QColor(70, 120, 200));
    p.drawRect(QRectF(3, 5, 26, 5.5));
    p.setPen(stift(QColor(120, 130, 150), 1.0));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(3, 10.5 + i * 4.1), QPointF(29, 10.5 + i * 4.1));
    p.drawLine(QPointF(12, 10.5), QPointF(12, 27));
    p.drawLine(QPointF(20.5, 10.5), QPointF(20.5, 27));
}

void schluessel(QPainter& p)
{
    p.setPen(stift(QColor(60, 64, 72), 7.5));
    p.drawLine(QPointF(7, 25), QPointF(20, 12));
    p.setPen(stift(QColor(170, 176, 186), 5.0));
    p.drawLine(QPointF(7, 25), QPointF(20, 12));
    p.setPen(stift(QColor(60, 64, 72), 1.3));
    p.setBrush(QColor(170, 176, 186));
    p.drawEllipse(QPointF(22, 10), 7, 7);
    // open jaw: punched out of the head
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath maul;
    maul.moveTo(22, 10);
    maul.lineTo(26, 1);
    maul.lineTo(32, 6);
    maul.closeSubpath();
    maul.addEllipse(QPointF(22, 10), 2.6, 2.6);
    p.drawPath(maul.simplified());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void werkzeug(QPainter& p)
{
    // a screwdriver crossing behind the wrench
    p.setPen(stift(QColor(60, 64, 72), 1.8));
    p.drawLine(QPointF(8, 8), QPointF(17, 17));
    p.setPen(stift(QColor(90, 20, 15), 1.0));
    p.setBrush(QColor(210, 60, 40));
    p.save();
    p.translate(22, 22);
    p.rotate(45);
    p.drawRoundedRect(QRectF(-3, -7, 6, 14), 2, 2);
    p.restore();
    schluessel(p);
}

void danke(QPainter& p)
{
    p.setPen(stift(QColor(150, 100, 0), 1.4));
    QRadialGradient g(QPointF(14, 13), 15);
    g.setColorAt(0, QColor(255, 246, 160));
    g.setColorAt(1, QColor(240, 180, 20));
    p.setBrush(g);
    p.drawPath(stern(QPointF(16, 17), 14.5, 6.2, 5, 0));
}

void hilfeSymbol(QPainter& p)
{
    fragezeichen(p, QPointF(16, 16), 14, QColor(40, 100, 200));
}

void notiz(QPainter& p)
{
    p.setPen(stift(QColor(120, 100, 30), 1.2));
    p.setBrush(QColor(255, 240, 150));
    p.drawRect(QRectF(5, 5, 20, 25));
    zeilen(p, 8, 22, 12, 5, 3.6, QColor(150, 130, 70));
    p.setPen(stift(QColor(90, 90, 100), 1.4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QRectF(8 + i * 4.5, 2.5, 2.6, 5));
    bleistift(p, QPointF(25, 20), 30, 1.8, -11, 3, QColor(240, 160, 30));
}

void heim(QPainter& p)
{
    // globe behind the house
    QRadialGradient g(QPointF(20, 9), 11);
    g.setColorAt(0, QColor(150, 210, 250));
    g.setColorAt(1, QColor(40, 110, 190));
    p.setPen(stift(QColor(20, 60, 120), 1.1));
    p.setBrush(g);
    p.drawEllipse(QPointF(22, 10), 8.5, 8.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(18.5, 1.5, 7, 17));
    p.drawLine(QPointF(13.5, 10), QPointF(30.5, 10));
    haus(p, 3, 30, 17, 12, QColor(240, 228, 200), QColor(200, 60, 40));
}

void glied(QPainter& p, QPointF mitte, double winkel)
{
    p.save();
    p.translate(mitte);
    p.rotate(winkel);
    p.setBrush(Qt::NoBrush);
    p.setPen(stift(QColor(50, 56, 66), 5.2));
    p.drawRoundedRect(QRectF(-8.5, -4, 17, 8), 4, 4);
    p.setPen(stift(QColor(180, 188, 200), 3.0));
    p.drawRoundedRect(QRectF(-8.5, -4, 17, 8), 4, 4);
    p.restore();
}

void kette(QPainter& p)
{
    glied(p, QPointF(11, 21), -45);
    glied(p, QPointF(21, 11), -45);
}

void insektenpost(QPainter& p)
{
    p.setPen(stift(QColor(90, 80, 60), 1.3));
    p.setBrush(Papier);
    p.drawRect(QRectF(2, 6, 24, 17));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(2, 6), QPointF(14, 16), QPointF(26, 6)}));
    // the bug
    p.setPen(stift(QColor(30, 30, 30), 1.1));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(23, 22 + i * 3), QPointF(17.5, 20 + i * 4));
        p.drawLine(QPointF(23, 22 + i * 3), QPointF(28.5, 20 + i * 4));
    }
    p.setBrush(QColor(200, 40, 30));
    p.drawEllipse(QPointF(23, 23), 4.3, 5.5);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(23, 16.8), 2.5, 2.2);
    p.drawLine(QPointF(23, 18), QPointF(23, 28.5));
}

void werkzeugkiste(QPainter& p)
{
    p.setPen(stift(QColor(60, 60, 60), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 4, 10, 7), 2, 2);
    p.setPen(stift(QColor(90, 20, 15), 1.3));
    QLinearGradient g(0, 9, 0, 29);
    g.setColorAt(0, QColor(225, 60, 45));
    g.setColorAt(1, QColor(160, 30, 20));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 9, 26, 20), 2, 2);
    p.drawLine(QPointF(3, 16), QPointF(29, 16));
    p.drawLine(QPointF(3, 22.5), QPointF(29, 22.5));
    p.setBrush(QColor(220, 220, 225));
    p.drawRect(QRectF(13.5, 18, 5, 2.5));
    p.drawRect(QRectF(13.5, 24.5, 5, 2.5));
}

void wuerfel(QPainter& p)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-12);
    p.setPen(stift(QColor(70, 70, 80), 1.4));
    QLinearGradient g(-12, -12, 12, 12);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(210, 212, 220));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-12, -12, 24, 24), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 20, 30));
    const QPointF augen[] = {{-6, -6}, {6, -6}, {0, 0}, {-6, 6}, {6, 6}};
    for (const QPointF& a : augen)
        p.drawEllipse(a, 2.4, 2.4);
    p.restore();
}

void stadt(QPainter& p)
{
    haeuser(p);
}

void waffenkammer(QPainter& p)
{
    schwert(p, QPointF(16, 16), 45, 32);
    schwert(p, QPointF(16, 16), -45, 32);
    schild(p, QRectF(10.5, 11, 11, 13), QColor(140, 30, 30), QColor(80, 60, 30));
}

void lager(QPainter& p)
{
    QPainterPath halle;
    halle.moveTo(1, 13);
    halle.lineTo(16, 3);
    halle.lineTo(31, 13);
    halle.lineTo(31, 30);
    halle.lineTo(1, 30);
    halle.closeSubpath();
    p.setPen(stift(QColor(70, 50, 30), 1.3));
    p.setBrush(QColor(150, 70, 50));
    p.drawPath(halle);
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRectF(5, 14, 22, 16));
    kiste(p, QRectF(6.5, 20, 9.5, 10));
    kiste(p, QRectF(16.5, 20, 9.5, 10));
    kiste(p, QRectF(11.5, 14.5, 9, 5.5));
}

void pfote(QPainter& p)
{
    p.setPen(stift(QColor(50, 30, 15), 1.2));
    p.setBrush(QColor(130, 80, 40));
    QPainterPath ballen;
    ballen.moveTo(16, 16);
    ballen.cubicTo(24, 16, 28, 28, 20, 29);
    ballen.quadTo(16, 27, 12, 29);
    ballen.cubicTo(4, 28, 8, 16, 16, 16);
    p.drawPath(ballen);
    const QPointF zehen[] = {{5.5, 14}, {11.5, 7}, {20.5, 7}, {26.5, 14}};
    for (const QPointF& z : zehen)
        p.drawEllipse(z, 3.4, 4.4);
}

void tageslauf(QPainter& p)
{
    p.setPen(stift(QColor(230, 140, 0), 1.8));
    for (int i = 0; i < 8; ++i) {
        const double w = i * std::numbers::pi / 4;
        p.drawLine(QPointF(12 + 8 * std::cos(w), 12 + 8 * std::sin(w)),
                   QPointF(12 + 11 * std::cos(w), 12 + 11 * std::sin(w)));
    }
    QRadialGradient g(QPointF(10, 10), 8);
    g.setColorAt(0, QColor(255, 240, 120));
    g.setColorAt(1, QColor(250, 170, 20));
    p.setPen(stift(QColor(200, 110, 0), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
    QPainterPath mond;
    mond.addEllipse(QPointF(22, 22), 8.5, 8.5);
    QPainterPath schnitt;
    schnitt.addEllipse(QPointF(26.5, 18.5), 7.5, 7.5);
    p.setPen(stift(QColor(40, 50, 100), 1.2));
    p.setBrush(QColor(180, 190, 235));
    p.drawPath(mond.subtracted(schnitt));
}

void karte(QPainter& p)
{
    const QPointF ecken[] = {{2, 7}, {11, 4}, {21, 7}, {30, 4}, {30, 26}, {21, 29}, {11, 26}, {2, 29}};
    const QColor flaechen[] = {QColor(236, 222, 180), QColor(220, 204, 160), QColor(236, 222, 180)};
    p.setPen(stift(QColor(110, 80, 40), 1.1));
    for (int i = 0; i < 3; ++i) {
        QPolygonF bahn({ecken[i], ecken[i + 1], ecken[6 - i], ecken[7 - i]});
        p.setBrush(flaechen[i]);
        p.drawPolygon(bahn);
    }
    // a route and its goal
    QPen weg = stift(QColor(190, 30, 30), 1.6);
    weg.setDashPattern({1.5, 1.5});
    p.setPen(weg);
    p.setBrush(Qt::NoBrush);
    QPainterPath route;
    route.moveTo(6, 24);
    route.cubicTo(12, 14, 16, 24, 24, 12);
    p.drawPath(route);
    p.setPen(stift(QColor(120, 10, 10), 1.0));
    p.setBrush(QColor(220, 40, 30));
    p.drawEllipse(QPointF(24, 11), 2.6, 2.6);
}

void tabellenwerk(QPainter& p)
{
    tabelle(p);
    bleistift(p, QPointF(24, 20), 40, 2, -13, 2, QColor(60, 160, 80));
}

void leitstand(QPainter& p)
{
    p.setPen(stift(QColor(40, 44, 56), 1.4));
    p.setBrush(QColor(70, 76, 92));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 4, 4);
    const QColor kacheln[] = {QColor(200, 70, 50), QColor(230, 180, 40), QColor(70, 160, 80),
                              QColor(60, 120, 210), QColor(150, 90, 190), QColor(220, 130, 40),
                              QColor(60, 170, 170), QColor(170, 170, 60), QColor(235, 235, 235)};
    p.setPen(stift(QColor(30, 30, 40), 0.8));
    for (int i = 0; i < 9; ++i) {
        p.setBrush(kacheln[i]);
        p.drawRoundedRect(QRectF(5 + (i % 3) * 8, 5 + (i / 3) * 8, 6, 6), 1.2, 1.2);
    }
}

struct Eintrag
{
    const char* name;
    int groesse;
    Zeichner zeichner;
};

const Eintrag Schaltflaechen[] = {
    {"new.bmp", 24, neu},
    {"delete.bmp", 24, loeschen},
    {"save.bmp", 24, speichernBild},
    {"open.bmp", 24, oeffnen},
    {"html.bmp", 24, html},
    {"helpklein.bmp", 24, hilfe},
    {"find.bmp", 24, suchen},
    {"export.bmp", 24, exportieren},
    {"import.bmp", 24, importieren},
    {"preview.bmp", 24, vorschau},
    {"print.bmp", 24, drucken},
    {"printfld.bmp", 24, druckenListe},
    {"ellipse.bmp", 24, ellipse},
    {"line.bmp", 24, linie},
    {"rectangle.bmp", 24, rechteck},
    {"shop.bmp", 24, laden},
    {"newgross.bmp", 48, neu},
    {"deletegross.bmp", 48, loeschen},
    {"Ortsbau3Klein.bmp", 32, haeuser},
    {"Waffkam3Klein.bmp", 32, schwerter},
    {"VarlForge3.bmp", 32, amboss},
    {"Lagerhof3Klein.bmp", 32, kisten},
    {"ExplorerKlein.bmp", 32, kompass},
};

const Eintrag Symbole[] = {
    {"Werkbund3.ico", 32, emblem},
    {"Tabellarium.ico", 32, tabelle},
    {"XT.ico", 32, werkzeug},
    {"credits.ico", 32, danke},
    {"help.ico", 32, hilfeSymbol},
    {"note.ico", 32, notiz},
    {"homepage.ico", 32, heim},
    {"urls.ico", 32, kette},
    {"bugmail.ico", 32, insektenpost},
    {"varlsuite.ico", 32, werkzeugkiste},
    {"zahl.ico", 32, wuerfel},
    {"Ortsbau3.ico", 32, stadt},
    {"Waffkam3.ico", 32, waffenkammer},
    {"Lagerhof3.ico", 32, lager},
    {"Bestiar3.ico", 32, pfote},
    {"Tageslauf3.ico", 32, tageslauf},
    {"Kartenblick3.ico", 32, karte},
    {"Tabellar3.ico", 32, tabellenwerk},
    {"Leitstand3.ico", 32, leitstand},
};

} // namespace

void bildschaltflaechenZeichnen(Ausgabe& gfx)
{
    for (const Eintrag& e : Schaltflaechen)
        gfx.speichern(malen(e.groesse, e.zeichner, false), QString::fromLatin1(e.name), "BMP");
}

void symboleZeichnen(Ausgabe& gfx)
{
    for (const Eintrag& e : Symbole)
        gfx.speichern(malen(e.groesse, e.zeichner, true), QString::fromLatin1(e.name), "ICO");
}

void menueSymboleZeichnen(Ausgabe& menue, int groesse)
{
    // The programs' own window icons, drawn afresh at the theme's size rather than scaled up.
    for (const char* programm : {"Leitstand3", "Ortsbau3", "Waffkam3", "Lagerhof3", "Bestiar3", "Tageslauf3",
                                 "Kartenblick3", "Tabellar3"}) {
        const QString name = QString::fromLatin1(programm);
        menue.speichern(symbolBild(qPrintable(name + QStringLiteral(".ico")), groesse),
                        QStringLiteral("werkbund3-") + name.toLower() + QStringLiteral(".png"), "PNG");
    }
}

QImage symbolBild(const char* name, int groesse)
{
    for (const Eintrag& e : Schaltflaechen) {
        if (qstrcmp(e.name, name) == 0)
            return malen(groesse, e.zeichner, true);
    }
    for (const Eintrag& e : Symbole) {
        if (qstrcmp(e.name, name) == 0)
            return malen(groesse, e.zeichner, true);
    }
    return {};
}

} // namespace gfx
