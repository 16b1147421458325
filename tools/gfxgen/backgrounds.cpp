// Window backgrounds: calm paper tones with faint ornaments, so that text on top stays readable.
#include "gfxgen.h"

#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>

#include <cmath>
#include <numbers>

namespace gfx {
namespace {

const QColor PapierHell(249, 244, 230);
const QColor PapierDunkel(222, 205, 168);
const QColor Tinte(110, 80, 45);
constexpr int JpgQualitaet = 85;

QColor mitAlpha(QColor farbe, int alpha)
{
    farbe.setAlpha(alpha);
    return farbe;
}

// A pictogram turned into a brown ink wash, kept only as faint as a watermark.
void wasserzeichen(QPainter& p, const char* symbol, const QRectF& ziel, double deckkraft)
{
    QImage bild = symbolBild(symbol, int(ziel.width()));
    for (int y = 0; y < bild.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb q = zeile[x];
            const double hell = (qRed(q) * 0.3 + qGreen(q) * 0.59 + qBlue(q) * 0.11) / 255.0;
            const QColor c = mischen(Tinte, PapierHell, hell * 0.8);
            zeile[x] = qRgba(c.red(), c.green(), c.blue(), qAlpha(q));
        }
    }
    p.save();
    p.setOpacity(deckkraft);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(ziel, bild);
    p.restore();
}

void schnoerkel(QPainter& p, QPointF ecke, double sx, double sy, double groesse)
{
    QPainterPath pfad;
    pfad.moveTo(ecke.x() + sx * groesse, ecke.y());
    pfad.cubicTo(ecke.x() + sx * groesse * 0.4, ecke.y() + sy * groesse * 0.1,
                 ecke.x() + sx * groesse * 0.2, ecke.y() + sy * groesse * 0.5,
                 ecke.x() + sx * groesse * 0.45, ecke.y() + sy * groesse * 0.45);
    pfad.cubicTo(ecke.x() + sx * groesse * 0.6, ecke.y() + sy * groesse * 0.3,
                 ecke.x() + sx * groesse * 0.35, ecke.y() + sy * groesse * 0.25,
                 ecke.x() + sx * groesse * 0.3, ecke.y() + sy * groesse * 0.35);
    pfad.moveTo(ecke.x(), ecke.y() + sy * groesse);
    pfad.cubicTo(ecke.x() + sx * groesse * 0.1, ecke.y() + sy * groesse * 0.4,
                 ecke.x() + sx * groesse * 0.5, ecke.y() + sy * groesse * 0.2,
                 ecke.x() + sx * groesse * 0.45, ecke.y() + sy * groesse * 0.45);
    p.drawPath(pfad);
}

// Double frame with small curls in the corners.
void zierrahmen(QPainter& p, const QRectF& r, int alpha)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(mitAlpha(Tinte, alpha), 1.6));
    p.drawRect(r);
    p.setPen(QPen(mitAlpha(Tinte, alpha * 2 / 3), 0.8));
    const QRectF innen = r.adjusted(5, 5, -5, -5);
    p.drawRect(innen);
    const double g = std::min(r.width(), r.height()) * 0.12;
    p.setPen(QPen(mitAlpha(Tinte, alpha), 1.2));
    schnoerkel(p, innen.topLeft(), 1, 1, g);
    schnoerkel(p, innen.topRight(), -1, 1, g);
    schnoerkel(p, innen.bottomLeft(), 1, -1, g);
    schnoerkel(p, innen.bottomRight(), -1, -1, g);
}

QImage grund(int breite, int hoehe, uint32_t saat)
{
    return pergament(breite, hoehe, saat, PapierHell, PapierDunkel);
}

void skyline(QPainter& p, double breite, double boden, double hoehe, uint32_t saat, const QColor& farbe)
{
    Zufall z(saat);
    QPainterPath pfad;
    pfad.moveTo(0, boden);
    double x = 0;
    while (x < breite) {
        const double w = z.bereich(0.04, 0.09) * breite;
        const double h = z.bereich(0.25, 0.55) * hoehe;
        const int art = z.ganz(7);
        pfad.lineTo(x, boden - h);
        if (art == 0) {
            // tower with a pointed spire
            const double tw = w * 0.5;
            const double th = h + z.bereich(0.2, 0.35) * hoehe;
            pfad.lineTo(x + (w - tw) / 2, boden - h);
            pfad.lineTo(x + (w - tw) / 2, boden - th);
            pfad.lineTo(x + w / 2, boden - th - tw * 1.6);
            pfad.lineTo(x + (w + tw) / 2, boden - th);
            pfad.lineTo(x + (w + tw) / 2, boden - h);
        } else if (art == 1) {
            // battlements of a keep
            const double th = h + z.bereich(0.1, 0.25) * hoehe;
            pfad.lineTo(x, boden - th);
            const int zinnen = 5;
            for (int i = 0; i < zinnen; ++i) {
                const double zx = x + i * w / zinnen;
                pfad.lineTo(zx, boden - th - (i % 2 == 0 ? w * 0.12 : 0));
                pfad.lineTo(zx + w / zinnen, boden - th - (i % 2 == 0 ? w * 0.12 : 0));
            }
            pfad.lineTo(x + w, boden - th);
        } else {
            // gabled house
            pfad.lineTo(x + w / 2, boden - h - w * 0.6);
        }
        pfad.lineTo(x + w, boden - h);
        x += w;
    }
    pfad.lineTo(breite, boden);
    pfad.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(pfad);
}

void sternchen(QPainter& p, QPointF mitte, double r)
{
    QPainterPath pfad;
    for (int i = 0; i < 10; ++i) {
        const double rr = (i % 2 == 0) ? r : r * 0.42;
        const double w = (-90.0 + i * 36.0) * std::numbers::pi / 180.0;
        const QPointF q(mitte.x() + rr * std::cos(w), mitte.y() + rr * std::sin(w));
        if (i == 0)
            pfad.moveTo(q);
        else
            pfad.lineTo(q);
    }
    pfad.closeSubpath();
    p.drawPath(pfad);
}

void windrose(QPainter& p, QPointF mitte, double r, int alpha)
{
    p.setPen(QPen(mitAlpha(Tinte, alpha), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, r, r);
    p.drawEllipse(mitte, r * 0.82, r * 0.82);
    for (int i = 0; i < 16; ++i) {
        const double w = i * std::numbers::pi / 8;
        const double laenge = (i % 4 == 0) ? r * 1.15 : (i % 2 == 0 ? r * 0.75 : r * 0.5);
        const double breite = (i % 4 == 0) ? r * 0.14 : r * 0.08;
        const QPointF spitze(mitte.x() + laenge * std::sin(w), mitte.y() - laenge * std::cos(w));
        const QPointF links(mitte.x() + breite * std::sin(w - std::numbers::pi / 2),
                            mitte.y() - breite * std::cos(w - std::numbers::pi / 2));
        const QPointF rechts(mitte.x() + breite * std::sin(w + std::numbers::pi / 2),
                             mitte.y() - breite * std::cos(w + std::numbers::pi / 2));
        p.setBrush(mitAlpha(Tinte, i % 2 == 0 ? alpha / 2 : alpha / 4));
        p.drawPolygon(QPolygonF({mitte, links, spitze}));
        p.setBrush(mitAlpha(PapierHell, alpha));
        p.drawPolygon(QPolygonF({mitte, spitze, rechts}));
    }
}

QImage manager()
{
    QImage bild = grund(640, 480, 11);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zierrahmen(p, QRectF(10, 10, 620, 460), 90);
    wasserzeichen(p, "Werkbund3.ico", QRectF(400, 230, 220, 220), 0.10);
    return bild;
}

QImage danksagung()
{
    QImage bild = grund(400, 300, 12);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Zufall z(1212);
    p.setPen(QPen(mitAlpha(Tinte, 40), 0.8));
    for (int i = 0; i < 26; ++i) {
        p.setBrush(mitAlpha(QColor(200, 160, 60), 30 + z.ganz(30)));
        sternchen(p, QPointF(z.bereich(20, 380), z.bereich(20, 280)), z.bereich(3, 9));
    }
    zierrahmen(p, QRectF(8, 8, 384, 284), 80);
    return bild;
}

QImage externeWerkzeuge()
{
    QImage bild(120, 240, QImage::Format_RGB32);
    {
        QPainter p(&bild);
        QLinearGradient g(0, 0, 0, 240);
        g.setColorAt(0, QColor(236, 226, 200));
        g.setColorAt(1, QColor(200, 180, 140));
        p.fillRect(bild.rect(), g);
    }
    QImage papier = grund(120, 240, 13);
    QPainter p(&bild);
    p.setOpacity(0.5);
    p.drawImage(0, 0, papier);
    p.setOpacity(1.0);
    p.setRenderHint(QPainter::Antialiasing);
    // a running ribbon down the banner
    p.setPen(QPen(mitAlpha(Tinte, 60), 1.0));
    for (int seite = 0; seite < 2; ++seite) {
        const double x = seite == 0 ? 10 : 110;
        p.drawLine(QPointF(x, 6), QPointF(x, 234));
        QPainterPath welle;
        welle.moveTo(x, 10);
        for (int y = 10; y < 230; y += 12)
            welle.quadTo(x + (seite == 0 ? 5 : -5), y + 6, x, y + 12);
        p.drawPath(welle);
    }
    wasserzeichen(p, "XT.ico", QRectF(25, 150, 70, 70), 0.18);
    return bild;
}

QImage ortsbau()
{
    QImage bild = grund(800, 600, 14);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, 600);
    himmel.setColorAt(0, QColor(190, 205, 215, 40));
    himmel.setColorAt(0.6, QColor(190, 205, 215, 0));
    p.fillRect(bild.rect(), himmel);
    skyline(p, 800, 600, 300, 1401, QColor(150, 120, 80, 22));
    skyline(p, 800, 600, 200, 1402, QColor(120, 90, 55, 28));
    zierrahmen(p, QRectF(8, 8, 784, 584), 60);
    return bild;
}

QImage knopfleiste()
{
    QImage bild(1024, 64, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, QColor(248, 244, 234));
    g.setColorAt(0.5, QColor(236, 228, 210));
    g.setColorAt(1, QColor(214, 200, 170));
    p.fillRect(bild.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 250), 1));
    p.drawLine(0, 0, 1024, 0);
    p.setPen(QPen(QColor(160, 140, 100), 1));
    p.drawLine(0, 63, 1024, 63);
    // a faint wave near the lower edge
    p.setPen(QPen(mitAlpha(Tinte, 35), 1.0));
    QPainterPath welle;
    welle.moveTo(0, 56);
    for (int x = 0; x < 1024; x += 16)
        welle.quadTo(x + 8, 52, x + 16, 56);
    p.drawPath(welle);
    return bild;
}

QImage kampf()
{
    QImage bild = pergament(800, 600, 15, QColor(248, 240, 226), QColor(214, 186, 160));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    wasserzeichen(p, "Waffkam3Klein.bmp", QRectF(220, 120, 360, 360), 0.08);
    zierrahmen(p, QRectF(8, 8, 784, 584), 60);
    return bild;
}

QImage bestiarium()
{
    QImage bild = pergament(800, 600, 16, QColor(246, 243, 228), QColor(200, 200, 160));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // a trail of paw prints across the page
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const double x = 60 + t * 680;
        const double y = 520 - t * 420 + ((i % 2 == 0) ? -22 : 22);
        p.save();
        p.translate(x, y);
        p.rotate(50);
        wasserzeichen(p, "Bestiar3.ico", QRectF(-28, -28, 56, 56), 0.09);
        p.restore();
    }
    zierrahmen(p, QRectF(8, 8, 784, 584), 55);
    return bild;
}

QImage tageslaufBild()
{
    QImage bild = grund(800, 600, 17);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // the sun's path over the day, with sun and moon at its ends
    p.setPen(QPen(mitAlpha(Tinte, 35), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(100, 150, 600, 700), 20 * 16, 140 * 16);
    p.setPen(QPen(mitAlpha(QColor(200, 130, 20), 50), 1.5));
    for (int i = 0; i < 12; ++i) {
        const double w = i * std::numbers::pi / 6;
        p.drawLine(QPointF(400 + 44 * std::cos(w), 150 + 44 * std::sin(w)),
                   QPointF(400 + 64 * std::cos(w), 150 + 64 * std::sin(w)));
    }
    p.setBrush(mitAlpha(QColor(240, 190, 60), 40));
    p.drawEllipse(QPointF(400, 150), 36, 36);
    QPainterPath mond;
    mond.addEllipse(QPointF(690, 470), 30, 30);
    QPainterPath schnitt;
    schnitt.addEllipse(QPointF(706, 458), 27, 27);
    p.setPen(QPen(mitAlpha(QColor(70, 80, 130), 45), 1.2));
    p.setBrush(mitAlpha(QColor(150, 160, 210), 35));
    p.drawPath(mond.subtracted(schnitt));
    zierrahmen(p, QRectF(8, 8, 784, 584), 55);
    return bild;
}

QImage kartenblick()
{
    QImage bild = grund(800, 600, 18);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(mitAlpha(Tinte, 22), 1.0));
    for (int x = 50; x < 800; x += 50)
        p.drawLine(x, 0, x, 600);
    for (int y = 50; y < 600; y += 50)
        p.drawLine(0, y, 800, y);
    windrose(p, QPointF(680, 480), 70, 60);
    zierrahmen(p, QRectF(8, 8, 784, 584), 60);
    return bild;
}

QImage gegenstaende()
{
    QImage bild = grund(800, 600, 19);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // faint shelves with crates on them
    for (int reihe = 0; reihe < 3; ++reihe) {
        const double y = 190 + reihe * 170;
        p.setPen(QPen(mitAlpha(Tinte, 35), 3));
        p.drawLine(QPointF(30, y), QPointF(770, y));
        for (int i = 0; i < 4; ++i) {
            const double x = 60 + i * 190 + reihe * 35;
            wasserzeichen(p, "Lagerhof3Klein.bmp", QRectF(x, y - 90, 90, 90), 0.07);
        }
    }
    zierrahmen(p, QRectF(8, 8, 784, 584), 55);
    return bild;
}

void waage(QPainter& p, QPointF mitte, double s, int alpha)
{
    p.setPen(QPen(mitAlpha(Tinte, alpha), 3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(mitte, mitte + QPointF(0, 2.2 * s));
    p.drawLine(mitte + QPointF(-0.5 * s, 2.2 * s), mitte + QPointF(0.5 * s, 2.2 * s));
    p.drawLine(mitte + QPointF(-1.3 * s, 0.1 * s), mitte + QPointF(1.3 * s, -0.1 * s));
    for (int seite = -1; seite <= 1; seite += 2) {
        const QPointF aufhaengung = mitte + QPointF(seite * 1.3 * s, -seite * 0.1 * s);
        p.setPen(QPen(mitAlpha(Tinte, alpha), 1.2));
        p.drawLine(aufhaengung, aufhaengung + QPointF(-0.4 * s, 0.9 * s));
        p.drawLine(aufhaengung, aufhaengung + QPointF(0.4 * s, 0.9 * s));
        p.setPen(QPen(mitAlpha(Tinte, alpha), 2.5));
        p.drawArc(QRectF(aufhaengung.x() - 0.5 * s, aufhaengung.y() + 0.6 * s, s, 0.6 * s), 180 * 16, 180 * 16);
    }
}

QImage ladenEditor()
{
    QImage bild = grund(800, 600, 20);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    waage(p, QPointF(400, 220), 120, 30);
    Zufall z(2020);
    p.setPen(QPen(mitAlpha(Tinte, 30), 1.2));
    for (int i = 0; i < 7; ++i) {
        p.setBrush(mitAlpha(QColor(200, 160, 60), 25));
        const QPointF m(z.bereich(80, 240), z.bereich(440, 540));
        p.drawEllipse(m, 22, 9);
    }
    zierrahmen(p, QRectF(8, 8, 784, 584), 55);
    return bild;
}

QImage ladenBild()
{
    QImage bild = grund(800, 600, 21);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    // awning stripes at the top, a counter at the bottom
    for (int i = 0; i < 16; ++i) {
        QPainterPath bahn;
        const double x = i * 50.0;
        bahn.moveTo(x, 0);
        bahn.lineTo(x + 50, 0);
        bahn.lineTo(x + 50, 60);
        bahn.quadTo(x + 25, 80, x, 60);
        bahn.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? QColor(180, 50, 40, 38) : QColor(255, 255, 255, 40));
        p.drawPath(bahn);
    }
    p.fillRect(QRectF(0, 520, 800, 80), QColor(140, 95, 50, 28));
    p.setPen(QPen(mitAlpha(Tinte, 40), 2));
    p.drawLine(QPointF(0, 520), QPointF(800, 520));
    return bild;
}

} // namespace

void hintergruendeZeichnen(Ausgabe& gfx)
{
    gfx.speichern(manager(), QStringLiteral("manager.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(danksagung(), QStringLiteral("Credits.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(externeWerkzeuge(), QStringLiteral("XTerneTools.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(ortsbau(), QStringLiteral("Ortsbau3.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(knopfleiste(), QStringLiteral("Buttonleiste.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(kampf(), QStringLiteral("VarlBattle3.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(bestiarium(), QStringLiteral("Bestiar3.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(tageslaufBild(), QStringLiteral("Tageslauf3.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(kartenblick(), QStringLiteral("Kartenblick3.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(gegenstaende(), QStringLiteral("Lagerhof3ItemEditor.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(ladenEditor(), QStringLiteral("Lagerhof3ShopEditor.jpg"), "JPG", JpgQualitaet);
    gfx.speichern(ladenBild(), QStringLiteral("shop.jpg"), "JPG", JpgQualitaet);
}

} // namespace gfx
