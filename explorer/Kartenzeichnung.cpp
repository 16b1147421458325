#include "Kartenzeichnung.h"

#include "Dateien.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace Kartenzeichnung {

using KartenEngine::Karte;

namespace {

constexpr double Massstab = ExplorerEngine::Kartenmassstab;

// Far enough outside any picture that nothing drawn there can show, near enough that the painter's
// fixed-point arithmetic cannot overflow.
bool Nahe(const QRectF& bereich, const QImage& bild)
{
    return std::isfinite(bereich.left()) && std::isfinite(bereich.top())
        && bereich.intersects(QRectF(0, 0, bild.width(), bild.height()));
}

} // namespace

QImage BildLaden(const QString& pfad, QString* grund)
{
    const QFileInfo info(pfad);
    QString warum;
    QImage bild;
    if (!info.exists())
        warum = QStringLiteral("die Datei ist nicht vorhanden");
    else if (!info.isFile())
        warum = QStringLiteral("das ist keine gewöhnliche Datei");
    else if (info.size() > Dateien::Hoechstgroesse)
        warum = QStringLiteral("die Datei ist größer als %1 MiB").arg(Dateien::Hoechstgroesse / (1024 * 1024));
    else {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly))
            warum = Dateien::Fehlertext(datei);
        else if (!bild.loadFromData(datei.read(Dateien::Hoechstgroesse)))
            warum = QStringLiteral("das Bild lässt sich nicht lesen");
    }
    if (grund)
        *grund = warum;
    return warum.isEmpty() ? bild : QImage();
}

QFont Schrift()
{
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(12);
    schrift.setBold(true);
    // Grey edges only, never coloured fringes: the picture is the same on every screen and in every file.
    schrift.setStyleStrategy(QFont::NoSubpixelAntialias);
    return schrift;
}

void SchriftVorbereiten()
{
    QImage probe(64, 16, QImage::Format_RGB32);
    QPainter maler(&probe);
    maler.setFont(Schrift());
    maler.drawText(QPointF(0, 12), QStringLiteral("Äg"));
}

QRect Markieren(QImage& bild, const ExplorerEngine::Kartenstadt& stadt, Karte karte)
{
    const KartenEngine::Markierung m = KartenEngine::MarkierungBerechnen(stadt, karte);
    if (!m.Sichtbar || bild.isNull())
        return QRect();
    // A JPEG may load as an indexed or grey picture; green needs full colour.
    if (bild.format() != QImage::Format_RGB32 && bild.format() != QImage::Format_ARGB32_Premultiplied)
        bild = bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);

    // The dot's square lies on whole pixels as near to centred as they allow, so it is exactly d pixels across.
    const double d = m.Punkt;
    const QRectF punkt(std::floor(double(m.X) / Massstab - d / 2 + 0.5), std::floor(double(m.Y) / Massstab - d / 2 + 0.5), d, d);
    const QFont schrift = Schrift();
    const QPointF ursprung(m.NameX / Massstab, double(m.NameY) / Massstab);
    const QFontMetricsF metrik(schrift);
    QRectF text(ursprung, QSizeF(metrik.horizontalAdvance(stadt.Name) + 2, metrik.height() + 2));
    // A name that would run off the map's right edge goes on the dot's left side instead, and none leaves the
    // map at the top or bottom: a city near the edge keeps a readable name.
    if (text.right() > bild.width() && punkt.center().x() < bild.width()) {
        text.moveRight(punkt.left() - (ursprung.x() - punkt.right()));
        if (text.left() < 0)
            text.moveLeft(0);
    }
    if (punkt.intersects(QRectF(bild.rect()))) {
        if (text.bottom() > bild.height())
            text.moveBottom(bild.height());
        if (text.top() < 0)
            text.moveTop(0);
    }

    QRect beruehrt;
    if (Nahe(punkt, bild)) {
        // Set pixel by pixel: every pixel whose centre lies within the dot. A painted ellipse would lose a
        // row or a column to the rasteriser's edge rules.
        const int links = int(punkt.left());
        const int oben = int(punkt.top());
        const double r = d / 2;
        for (int j = 0; j < m.Punkt; ++j)
            for (int i = 0; i < m.Punkt; ++i) {
                const double dx = i + 0.5 - r;
                const double dy = j + 0.5 - r;
                if (dx * dx + dy * dy <= r * r && bild.valid(links + i, oben + j))
                    bild.setPixel(links + i, oben + j, qRgb(0, 255, 0));
            }
        beruehrt |= punkt.toAlignedRect();
    }
    QPainter maler(&bild);
    if (Nahe(text, bild) && !stadt.Name.isEmpty()) {
        maler.setFont(schrift);
        maler.setPen(Qt::black);
        maler.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, stadt.Name);
        beruehrt |= text.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    return beruehrt & bild.rect();
}

} // namespace Kartenzeichnung
