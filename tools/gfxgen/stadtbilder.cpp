// Small town views for the city records that carry a picture.
#include "gfxgen.h"

#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>

#include <cmath>

namespace gfx {
namespace {

constexpr int Breite = 240;
constexpr int Hoehe = 160;
constexpr int JpgQualitaet = 85;

const QColor Tinte(70, 50, 32);

QImage leinwand(const QColor& himmelOben, const QColor& himmelUnten)
{
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient g(0, 0, 0, Hoehe);
    g.setColorAt(0, himmelOben);
    g.setColorAt(0.7, himmelUnten);
    p.fillRect(bild.rect(), g);
    return bild;
}

// Gives every view the same aged paper tone and a thin frame.
void abschliessen(QImage& bild, uint32_t saat)
{
    const QImage papier = pergament(Breite, Hoehe, saat, QColor(250, 240, 214), QColor(200, 170, 120));
    QPainter p(&bild);
    p.setOpacity(0.28);
    p.drawImage(0, 0, papier);
    p.setOpacity(1.0);
    p.setPen(QPen(Tinte, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, Breite - 2, Hoehe - 2));
}

void haus(QPainter& p, double x, double boden, double b, double h, const QColor& wand, const QColor& dach)
{
    p.setPen(QPen(Tinte, 0.8));
    p.setBrush(wand);
    p.drawRect(QRectF(x, boden - h, b, h));
    p.setBrush(dach);
    p.drawPolygon(QPolygonF({QPointF(x - 1.5, boden - h), QPointF(x + b / 2, boden - h - b * 0.65),
                             QPointF(x + b + 1.5, boden - h)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 45, 35));
    p.drawRect(QRectF(x + b * 0.25, boden - h * 0.7, b * 0.18, h * 0.22));
    if (b > 9)
        p.drawRect(QRectF(x + b * 0.6, boden - h * 0.7, b * 0.18, h * 0.22));
}

void haeuserzeile(QPainter& p, double von, double bis, double boden, uint32_t saat, double hoeheMax)
{
    Zufall z(saat);
    double x = von;
    const QColor waende[] = {QColor(232, 218, 186), QColor(220, 200, 160), QColor(240, 230, 205), QColor(210, 190, 150)};
    const QColor daecher[] = {QColor(170, 70, 45), QColor(140, 60, 40), QColor(110, 90, 80), QColor(185, 95, 55)};
    while (x < bis) {
        const double b = z.bereich(9, 15);
        haus(p, x, boden + z.bereich(-1, 1), b, z.bereich(0.5, 1.0) * hoeheMax, waende[z.ganz(4)], daecher[z.ganz(4)]);
        x += b + z.bereich(0.5, 2.5);
    }
}

void turm(QPainter& p, double x, double boden, double b, double h, const QColor& dach)
{
    p.setPen(QPen(Tinte, 0.9));
    p.setBrush(QColor(205, 195, 175));
    p.drawRect(QRectF(x, boden - h, b, h));
    p.setBrush(dach);
    p.drawPolygon(QPolygonF({QPointF(x - 2, boden - h), QPointF(x + b / 2, boden - h - b * 1.5),
                             QPointF(x + b + 2, boden - h)}));
    p.setBrush(QColor(60, 45, 35));
    p.drawRect(QRectF(x + b * 0.35, boden - h * 0.8, b * 0.3, h * 0.12));
}

void segel(QPainter& p, double x, double wasser, double s)
{
    p.setPen(QPen(Tinte, 0.9));
    p.setBrush(QColor(110, 70, 40));
    QPainterPath rumpf;
    rumpf.moveTo(x - s, wasser - s * 0.3);
    rumpf.lineTo(x + s, wasser - s * 0.3);
    rumpf.lineTo(x + s * 0.7, wasser);
    rumpf.lineTo(x - s * 0.75, wasser);
    rumpf.closeSubpath();
    p.drawPath(rumpf);
    p.drawLine(QPointF(x, wasser - s * 0.3), QPointF(x, wasser - s * 2.0));
    p.setBrush(QColor(245, 238, 220));
    p.drawPolygon(QPolygonF({QPointF(x + 0.8, wasser - s * 1.95), QPointF(x + s * 0.9, wasser - s * 0.5),
                             QPointF(x + 0.8, wasser - s * 0.5)}));
    p.drawPolygon(QPolygonF({QPointF(x - 0.8, wasser - s * 1.7), QPointF(x - s * 0.7, wasser - s * 0.55),
                             QPointF(x - 0.8, wasser - s * 0.55)}));
}

void wellen(QPainter& p, const QRectF& feld, uint32_t saat, const QColor& farbe)
{
    Zufall z(saat);
    p.setPen(QPen(farbe, 0.8));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 26; ++i) {
        const double x = z.bereich(feld.left(), feld.right() - 12);
        const double y = z.bereich(feld.top(), feld.bottom());
        QPainterPath w;
        w.moveTo(x, y);
        w.quadTo(x + 3, y - 2, x + 6, y);
        w.quadTo(x + 9, y - 2, x + 12, y);
        p.drawPath(w);
    }
}

QImage hafenstadt()
{
    QImage bild = leinwand(QColor(150, 180, 205), QColor(230, 225, 205));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // hill with houses on the left
    QPainterPath huegel;
    huegel.moveTo(0, 60);
    huegel.cubicTo(60, 50, 120, 80, 160, 110);
    huegel.lineTo(160, 160);
    huegel.lineTo(0, 160);
    huegel.closeSubpath();
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(170, 175, 120));
    p.drawPath(huegel);
    haeuserzeile(p, 4, 60, 66, 31, 16);
    haeuserzeile(p, 30, 110, 92, 32, 18);
    haeuserzeile(p, 6, 150, 116, 33, 20);
    turm(p, 70, 76, 10, 28, QColor(70, 110, 120));
    // the sea
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 130, 150));
    p.drawRect(QRectF(0, 118, Breite, 42));
    wellen(p, QRectF(5, 126, Breite - 10, 30), 34, QColor(200, 220, 225));
    // pier and lighthouse
    p.setPen(QPen(Tinte, 0.9));
    p.setBrush(QColor(150, 140, 120));
    p.drawRect(QRectF(150, 112, 80, 6));
    p.setBrush(QColor(236, 230, 216));
    p.drawPolygon(QPolygonF({QPointF(212, 112), QPointF(215, 70), QPointF(223, 70), QPointF(226, 112)}));
    p.setBrush(QColor(200, 60, 40));
    p.drawRect(QRectF(213.5, 82, 11, 5));
    p.setBrush(QColor(255, 220, 90));
    p.drawRect(QRectF(214, 62, 10, 8));
    p.setBrush(QColor(60, 45, 35));
    p.drawPolygon(QPolygonF({QPointF(212, 62), QPointF(219, 54), QPointF(226, 62)}));
    segel(p, 120, 140, 12);
    segel(p, 180, 150, 9);
    p.end();
    abschliessen(bild, 3101);
    return bild;
}

QImage bergstadt()
{
    QImage bild = leinwand(QColor(170, 195, 215), QColor(235, 232, 220));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // peaks behind the town
    const QPointF spitzen[] = {{40, 30}, {100, 14}, {170, 26}, {220, 40}};
    for (const QPointF& s : spitzen) {
        p.setPen(QPen(Tinte, 1));
        p.setBrush(QColor(150, 150, 155));
        p.drawPolygon(QPolygonF({QPointF(s.x() - 80, 125), s, QPointF(s.x() + 80, 125)}));
        p.setBrush(QColor(250, 250, 248));
        p.drawPolygon(QPolygonF({s, QPointF(s.x() + 14, s.y() + 20), QPointF(s.x() + 2, s.y() + 15),
                                 QPointF(s.x() - 12, s.y() + 22)}));
    }
    // slope and walls
    QPainterPath hang;
    hang.moveTo(0, 120);
    hang.cubicTo(80, 80, 160, 80, 240, 100);
    hang.lineTo(240, 160);
    hang.lineTo(0, 160);
    hang.closeSubpath();
    p.setBrush(QColor(150, 160, 110));
    p.drawPath(hang);
    haeuserzeile(p, 40, 200, 100, 41, 16);
    p.setBrush(QColor(180, 170, 150));
    p.drawRect(QRectF(20, 112, 200, 16));
    for (int x = 20; x < 220; x += 8)
        p.drawRect(QRectF(x, 108, 4, 4));
    turm(p, 14, 130, 14, 40, QColor(90, 80, 75));
    turm(p, 212, 130, 14, 40, QColor(90, 80, 75));
    turm(p, 112, 100, 16, 50, QColor(130, 50, 40));
    p.setBrush(QColor(60, 45, 35));
    p.drawRoundedRect(QRectF(112, 116, 14, 12), 5, 5);
    p.end();
    abschliessen(bild, 3102);
    return bild;
}

QImage flussstadt()
{
    QImage bild = leinwand(QColor(160, 190, 210), QColor(232, 228, 208));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 175, 110));
    p.drawRect(QRectF(0, 90, Breite, 70));
    haeuserzeile(p, 2, 90, 100, 51, 22);
    haeuserzeile(p, 150, 238, 100, 52, 22);
    turm(p, 40, 88, 12, 36, QColor(70, 110, 120));
    // river winding towards the viewer
    QPainterPath fluss;
    fluss.moveTo(100, 92);
    fluss.cubicTo(90, 115, 140, 125, 110, 160);
    fluss.lineTo(170, 160);
    fluss.cubicTo(180, 125, 130, 115, 140, 92);
    fluss.closeSubpath();
    p.setPen(QPen(Tinte, 0.8));
    p.setBrush(QColor(95, 135, 155));
    p.drawPath(fluss);
    p.save();
    p.setClipPath(fluss);
    wellen(p, QRectF(95, 122, 80, 36), 53, QColor(200, 220, 225));
    p.restore();
    // stone bridge with arches
    QPainterPath bruecke;
    bruecke.addRect(QRectF(80, 108, 85, 12));
    QPainterPath boegen;
    for (int i = 0; i < 3; ++i)
        boegen.addEllipse(QRectF(88 + i * 24, 112, 18, 18));
    p.setBrush(QColor(185, 175, 155));
    p.drawPath(bruecke.subtracted(boegen));
    p.drawLine(QPointF(80, 106), QPointF(165, 106));
    // a mill with its wheel on the right bank
    haus(p, 175, 124, 22, 18, QColor(226, 208, 170), QColor(150, 70, 45));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Tinte, 1.2));
    p.drawEllipse(QPointF(172, 122), 9, 9);
    for (int i = 0; i < 4; ++i) {
        const double w = i * 3.14159265 / 4;
        p.drawLine(QPointF(172 - 9 * std::cos(w), 122 - 9 * std::sin(w)),
                   QPointF(172 + 9 * std::cos(w), 122 + 9 * std::sin(w)));
    }
    p.end();
    abschliessen(bild, 3103);
    return bild;
}

void palme(QPainter& p, double x, double boden, double h)
{
    QPainterPath stamm;
    stamm.moveTo(x, boden);
    stamm.quadTo(x + 4, boden - h * 0.5, x + 2, boden - h);
    p.setPen(QPen(QColor(110, 80, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stamm);
    p.setPen(QPen(QColor(70, 110, 50), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const double w = 3.14159265 * (1.05 + i * 0.22);
        QPainterPath wedel;
        wedel.moveTo(x + 2, boden - h);
        wedel.quadTo(x + 2 + 8 * std::cos(w), boden - h - 6 + 6 * std::sin(w) * 0.3,
                     x + 2 + 13 * std::cos(w), boden - h + 4 + 6 * std::sin(w) * 0.2);
        p.drawPath(wedel);
    }
}

QImage wuestenstadt()
{
    QImage bild = leinwand(QColor(230, 190, 130), QColor(250, 232, 190));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 170));
    p.drawEllipse(QPointF(190, 36), 16, 16);
    // dunes
    p.setPen(QPen(QColor(170, 120, 60), 0.8));
    p.setBrush(QColor(225, 185, 120));
    QPainterPath duene;
    duene.moveTo(0, 110);
    duene.cubicTo(60, 90, 110, 120, 170, 100);
    duene.cubicTo(200, 92, 220, 96, 240, 104);
    duene.lineTo(240, 160);
    duene.lineTo(0, 160);
    duene.closeSubpath();
    p.drawPath(duene);
    // wall, flat houses and domes
    p.setPen(QPen(Tinte, 0.9));
    p.setBrush(QColor(230, 205, 160));
    p.drawRect(QRectF(30, 96, 180, 24));
    const double kuppeln[] = {60, 100, 150, 185};
    for (double x : kuppeln) {
        p.setBrush(QColor(236, 215, 175));
        p.drawRect(QRectF(x - 12, 80, 24, 16));
        p.setBrush(x == 100 ? QColor(70, 120, 150) : QColor(215, 190, 150));
        p.drawChord(QRectF(x - 11, 70, 22, 20), 0, 180 * 16);
    }
    p.setBrush(QColor(236, 215, 175));
    p.drawRect(QRectF(124, 48, 8, 48));
    p.drawPolygon(QPolygonF({QPointF(122, 48), QPointF(128, 38), QPointF(134, 48)}));
    p.setBrush(QColor(60, 45, 35));
    p.drawRoundedRect(QRectF(112, 104, 14, 16), 6, 6);
    palme(p, 20, 124, 34);
    palme(p, 218, 122, 30);
    palme(p, 200, 130, 24);
    p.end();
    abschliessen(bild, 3104);
    return bild;
}

} // namespace

void stadtbilderZeichnen(Ausgabe& explorer)
{
    explorer.speichern(hafenstadt(), QStringLiteral("Hafenstadt.jpg"), "JPG", JpgQualitaet);
    explorer.speichern(bergstadt(), QStringLiteral("Bergstadt.jpg"), "JPG", JpgQualitaet);
    explorer.speichern(flussstadt(), QStringLiteral("Flussstadt.jpg"), "JPG", JpgQualitaet);
    explorer.speichern(wuestenstadt(), QStringLiteral("Wuestenstadt.jpg"), "JPG", JpgQualitaet);
}

} // namespace gfx
