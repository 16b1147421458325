#include "ChancenDiagramm.h"

#include "Gewinnchancen.h"
#include "Subs.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

using BattleEngine::Gruppe;
using BattleEngine::Sieger;
using Gewinnchancen::Prozent;

namespace {

const QColor kHelden(0x2E, 0x7D, 0x32);
const QColor kGegner(0xB7, 0x1C, 0x1C);
const QColor kKeiner(0x61, 0x61, 0x61);

struct Zeile {
    QString name;
    double anteil;
    double unten; // below 0: no interval
    double oben;
    QColor farbe;
    QString wert;
};

} // namespace

ChancenDiagramm::ChancenDiagramm(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("picChancen"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    TextSetzen(QStringLiteral("Noch keine Gewinnchancen berechnet."));
}

ChancenDiagramm::~ChancenDiagramm() = default;

void ChancenDiagramm::ErgebnisSetzen(const Gewinnchancen::Ergebnis& ergebnis)
{
    m_ergebnis = std::make_unique<Gewinnchancen::Ergebnis>(ergebnis);
    m_text.clear();
    updateGeometry();
    update();
}

void ChancenDiagramm::TextSetzen(const QString& text)
{
    m_ergebnis.reset();
    m_text = text;
    update();
}

QSize ChancenDiagramm::sizeHint() const
{
    return {420, 200};
}

QSize ChancenDiagramm::minimumSizeHint() const
{
    return {260, 150};
}

void ChancenDiagramm::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing, false);
    const QRect flaeche = rect().adjusted(6, 4, -6, -4);
    if (!m_ergebnis) {
        maler.setPen(palette().color(QPalette::WindowText));
        maler.drawText(flaeche, Qt::AlignCenter | Qt::TextWordWrap, m_text);
        return;
    }
    const Gewinnchancen::Ergebnis& e = *m_ergebnis;
    QList<Zeile> zeilen;
    const struct {
        Sieger sieger;
        const char* name;
        QColor farbe;
    } ausgaenge[] = {{Sieger::Helden, "Sieg Helden", kHelden},
                     {Sieger::Gegner, "Sieg Gegner", kGegner},
                     {Sieger::Keiner, "kein Sieger", kKeiner}};
    for (const auto& a : ausgaenge) {
        const Gewinnchancen::Anteil anteil = e.Sieg(a.sieger);
        zeilen.append({QString::fromUtf8(a.name), anteil.Wert, anteil.Unten, anteil.Oben, a.farbe,
                       Prozent(anteil.Wert) + QStringLiteral(" (") + Prozent(anteil.Unten).chopped(2) + QStringLiteral("–")
                           + Prozent(anteil.Oben).chopped(2) + QLatin1Char(')')});
    }
    const int ausgangszeilen = int(zeilen.size());
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
        const QList<Gewinnchancen::Mitglied>& gruppe = e.Gruppe(g);
        for (qsizetype i = 0; i < gruppe.size(); ++i) {
            const Gewinnchancen::Mitglied& m = gruppe[i];
            const double anteil = e.Kaempfe > 0 ? double(m.Ueberlebt) / double(e.Kaempfe) : 0;
            QString wert = Prozent(anteil);
            if (m.Ueberlebt > 0)
                wert += QStringLiteral(", LE ") + Gewinnchancen::Dezimal(double(m.LESumme) / double(m.Ueberlebt));
            zeilen.append({(g == Gruppe::Helden ? QStringLiteral("H%1 ") : QStringLiteral("G%1 ")).arg(i + 1) + m.Name,
                           anteil, -1, -1, g == Gruppe::Helden ? kHelden : kGegner, wert});
        }
    }

    const QFontMetrics fm = maler.fontMetrics();
    const QStringList fuss{QStringLiteral("Seed %1 · %2 Kämpfe").arg(e.Saat).arg(Subs::Tausender(e.Kaempfe)),
                           QStringLiteral("Runden je Kampf: Mittel %1, Median %2, höchstens %3")
                               .arg(Gewinnchancen::Dezimal(e.RundenMittel()), Gewinnchancen::Zahl(e.RundenMedian()))
                               .arg(e.RundenMaximum())};
    const int fusshoehe = 2 * fm.height() + 4;
    // Rows share the height; a gap parts the outcomes from the members.
    const int luecke = 6;
    const int verfuegbar = flaeche.height() - fusshoehe - luecke;
    const int hoehe = std::clamp(verfuegbar / std::max<int>(1, int(zeilen.size())), 6, fm.height() + 6);
    // Names and values take what they need, up to a third of the width each; the bars take the rest.
    int namensbreite = 0;
    int wertbreite = 0;
    for (const Zeile& z : zeilen) {
        namensbreite = std::max(namensbreite, fm.horizontalAdvance(z.name));
        wertbreite = std::max(wertbreite, fm.horizontalAdvance(z.wert));
    }
    namensbreite = std::min(namensbreite + 6, flaeche.width() / 3);
    wertbreite = std::min(wertbreite + 6, flaeche.width() * 2 / 5);
    const int balkenLinks = flaeche.left() + namensbreite + 4;
    const int balkenBreite = std::max(10, flaeche.width() - namensbreite - wertbreite - 14);

    int y = flaeche.top();
    for (int i = 0; i < zeilen.size(); ++i) {
        if (i == ausgangszeilen)
            y += luecke;
        const Zeile& z = zeilen[i];
        const QRect name(flaeche.left(), y, namensbreite, hoehe);
        maler.setPen(palette().color(QPalette::WindowText));
        if (hoehe >= fm.height() - 2)
            maler.drawText(name, Qt::AlignVCenter | Qt::AlignLeft, fm.elidedText(z.name, Qt::ElideRight, namensbreite));
        const QRect rahmen(balkenLinks, y + 2, balkenBreite, std::max(2, hoehe - 4));
        maler.fillRect(rahmen, QColor(0xEE, 0xEE, 0xEE));
        QRect balken = rahmen;
        balken.setWidth(int(std::lround(z.anteil * rahmen.width())));
        maler.fillRect(balken, z.farbe);
        if (z.unten >= 0) {
            // The interval as a whisker across the bar's end.
            const int x1 = rahmen.left() + int(std::lround(z.unten * rahmen.width()));
            const int x2 = rahmen.left() + int(std::lround(z.oben * rahmen.width()));
            const int mitte = rahmen.center().y();
            maler.setPen(QPen(Qt::black, 1));
            maler.drawLine(x1, mitte, x2, mitte);
            maler.drawLine(x1, rahmen.top(), x1, rahmen.bottom());
            maler.drawLine(x2, rahmen.top(), x2, rahmen.bottom());
        }
        maler.setPen(palette().color(QPalette::WindowText));
        if (hoehe >= fm.height() - 2)
            maler.drawText(QRect(rahmen.right() + 6, y, wertbreite, hoehe), Qt::AlignVCenter | Qt::AlignLeft,
                           fm.elidedText(z.wert, Qt::ElideRight, wertbreite));
        y += hoehe;
    }
    for (int i = 0; i < 2; ++i)
        maler.drawText(QRect(flaeche.left(), flaeche.bottom() - fusshoehe + 4 + i * fm.height(), flaeche.width(), fm.height()),
                       Qt::AlignVCenter | Qt::AlignLeft, fm.elidedText(fuss[i], Qt::ElideRight, flaeche.width()));
}
