#include "Reisekarte.h"

#include "KartenEngine.h"
#include "Kartenzeichnung.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace Reisekarte {

namespace {

constexpr double Massstab = ExplorerEngine::Kartenmassstab;
const QColor kLinie(150, 20, 20);

QPointF Pixel(qint64 x, qint64 y)
{
    return QPointF(double(x) / Massstab, double(y) / Massstab);
}

ExplorerEngine::Kartenstadt Stadt(const QString& name, qint64 x, qint64 y)
{
    ExplorerEngine::Kartenstadt s;
    s.Name = name;
    s.HatPosition = true;
    s.X = x;
    s.Y = y;
    return s;
}

} // namespace

QPointF Tagesende(const Reise::Ergebnis& ergebnis, int tag)
{
    if (tag < 1 || tag > ergebnis.Tage.size())
        return {};
    const Reise::Tag& t = ergebnis.Tage[tag - 1];
    const Reise::Etappe& e = ergebnis.Strecke.Etappen[t.Etappe];
    // Meilen of this leg behind the party at the end of the day.
    qint64 gemacht = 0;
    for (int i = 0; i < tag; ++i)
        if (ergebnis.Tage[i].Etappe == t.Etappe)
            gemacht += ergebnis.Tage[i].Gemacht;
    const double anteil = e.Meilen > 0 ? double(gemacht) / double(e.Meilen) : 1.0;
    return QPointF(double(e.VonX) + (double(e.NachX) - double(e.VonX)) * anteil,
                   double(e.VonY) + (double(e.NachY) - double(e.VonY)) * anteil);
}

QImage Bild(const Reise::Ergebnis& ergebnis, QString* grund)
{
    const QList<Reise::Etappe>& etappen = ergebnis.Strecke.Etappen;
    if (etappen.isEmpty() || etappen.first().Von.isEmpty()) {
        if (grund)
            *grund = QStringLiteral("Ohne Städte gibt es keine Route auf der Karte.");
        return QImage();
    }
    const QString pfad = KartenEngine::Bildpfad(KartenEngine::Karte::Gross);
    QString warum;
    QImage karte = Kartenzeichnung::BildLaden(pfad, &warum);
    if (karte.isNull()) {
        if (grund)
            *grund = QStringLiteral("Das Kartenbild %1 konnte nicht geladen werden: %2.").arg(pfad, warum);
        return QImage();
    }
    karte = karte.convertToFormat(QImage::Format_RGB32);

    QPainterPath linie(Pixel(etappen.first().VonX, etappen.first().VonY));
    for (const Reise::Etappe& e : etappen)
        linie.lineTo(Pixel(e.NachX, e.NachY));
    QRectF bereich = linie.boundingRect();
    {
        QPainter maler(&karte);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(QPen(kLinie, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        maler.drawPath(linie);
        QFont schrift = Kartenzeichnung::Schrift();
        schrift.setPixelSize(10);
        maler.setFont(schrift);
        for (int tag = 1; tag <= ergebnis.Tage.size(); ++tag) {
            const QPointF p = Tagesende(ergebnis, tag) / Massstab;
            maler.setPen(QPen(kLinie, 1.5));
            maler.setBrush(Qt::white);
            maler.drawEllipse(p, 3.5, 3.5);
            // Every fifth day and the last are numbered; more would crowd a short leg.
            if (tag % 5 == 0 || tag == ergebnis.Tage.size()) {
                maler.setPen(kLinie);
                maler.drawText(p + QPointF(5, -4), QString::number(tag));
            }
        }
    }
    // The cities last, exactly as --zeichnen marks them, so no day mark hides a name.
    for (const Reise::Etappe& e : etappen) {
        const QRect name = Kartenzeichnung::Markieren(karte, Stadt(e.Nach, e.NachX, e.NachY), KartenEngine::Karte::Gross);
        bereich |= QRectF(name);
    }
    const QRectF erster = QRectF(Kartenzeichnung::Markieren(karte, Stadt(etappen.first().Von, etappen.first().VonX,
                                                                              etappen.first().VonY),
                                                            KartenEngine::Karte::Gross));
    bereich |= erster;
    // The cut-out: the route with its names and a margin, at least 400 by 300 pixels, inside the map.
    QRect ausschnitt = bereich.toAlignedRect().adjusted(-Rand, -Rand, Rand, Rand);
    if (ausschnitt.width() < 400)
        ausschnitt.adjust(-(400 - ausschnitt.width()) / 2, 0, (400 - ausschnitt.width() + 1) / 2, 0);
    if (ausschnitt.height() < 300)
        ausschnitt.adjust(0, -(300 - ausschnitt.height()) / 2, 0, (300 - ausschnitt.height() + 1) / 2);
    ausschnitt &= karte.rect();
    if (ausschnitt.isEmpty())
        ausschnitt = karte.rect();
    return karte.copy(ausschnitt);
}

QByteArray Png(const Reise::Ergebnis& ergebnis, QString* grund)
{
    const QImage bild = Bild(ergebnis, grund);
    if (bild.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    // Light compression, as --zeichnen writes: a little larger, several times faster.
    if (!bild.save(&puffer, "png", 80)) {
        if (grund)
            *grund = QStringLiteral("Das Kartenbild ließ sich nicht umwandeln.");
        return QByteArray();
    }
    return bytes;
}

} // namespace Reisekarte
