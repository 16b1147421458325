// Checks the shipped city register: every listed city has a record, lies on land of the map
// and names only known deities and pictures that were drawn.
#include "gfxgen.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <cmath>

namespace gfx {
namespace {

constexpr int Uferabstand = 2;

const QStringList Gottheiten = {
    QStringLiteral("Aves"),    QStringLiteral("Boron"),    QStringLiteral("Efferd"),     QStringLiteral("Firun"),
    QStringLiteral("Hesinde"), QStringLiteral("H'Ranga"),  QStringLiteral("Ifirn"),      QStringLiteral("Ingerimm"),
    QStringLiteral("Kor"),     QStringLiteral("Levthan"),  QStringLiteral("Marbo"),      QStringLiteral("Namenloser"),
    QStringLiteral("Peraine"), QStringLiteral("Phex"),     QStringLiteral("Praios"),     QStringLiteral("Rahja"),
    QStringLiteral("Rastullah"), QStringLiteral("Rondra"), QStringLiteral("Rur und Gror"), QStringLiteral("Swafnir"),
    QStringLiteral("Travia"),  QStringLiteral("Tsa"),
};

// The shipped sources are UTF-8 with LF and a final line break; anything else is refused here.
bool textLesen(const QString& pfad, QStringList& zeilen, QStringList& probleme)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        probleme << QStringLiteral("%1 lässt sich nicht lesen").arg(pfad);
        return false;
    }
    const QByteArray inhalt = datei.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(inhalt);
    if (utf8.hasError())
        probleme << QStringLiteral("%1 ist kein gültiges UTF-8").arg(pfad);
    if (inhalt.contains('\r'))
        probleme << QStringLiteral("%1 enthält CR; erwartet werden LF-Zeilenenden").arg(pfad);
    if (inhalt.isEmpty() || !inhalt.endsWith('\n'))
        probleme << QStringLiteral("%1 endet nicht mit einem Zeilenumbruch").arg(pfad);
    zeilen = text.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return true;
}

using Abschnitte = QHash<QString, QHash<QString, QString>>;

Abschnitte einstellungenLesen(const QStringList& zeilen, QStringList& reihenfolge, const QString& pfad,
                              QStringList& probleme)
{
    Abschnitte abschnitte;
    QString aktuell;
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString& zeile = zeilen[i];
        if (zeile.trimmed().isEmpty())
            continue;
        if (zeile.startsWith(QLatin1Char('[')) && zeile.endsWith(QLatin1Char(']'))) {
            aktuell = zeile.mid(1, zeile.size() - 2);
            if (abschnitte.contains(aktuell))
                probleme << QStringLiteral("%1: Abschnitt [%2] kommt doppelt vor").arg(pfad, aktuell);
            abschnitte[aktuell];
            reihenfolge << aktuell;
            continue;
        }
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (aktuell.isNull() || gleich <= 0) {
            probleme << QStringLiteral("%1, Zeile %2: weder Abschnitt noch Schlüssel=Wert").arg(pfad).arg(i + 1);
            continue;
        }
        abschnitte[aktuell][zeile.left(gleich)] = zeile.mid(gleich + 1);
    }
    return abschnitte;
}

bool ganzeZahl(const QString& text, long long& wert)
{
    bool ok = false;
    wert = text.toLongLong(&ok);
    return ok;
}

void tempelPruefen(const QString& stadt, const QString& tempel, QStringList& probleme)
{
    if (tempel.isEmpty())
        return;
    const QString trenner = QStringLiteral(", ");
    if (!tempel.endsWith(trenner)) {
        probleme << QStringLiteral("%1: Tempel muss jede Gottheit mit \", \" abschließen").arg(stadt);
        return;
    }
    const QStringList namen = tempel.left(tempel.size() - trenner.size()).split(trenner);
    for (const QString& name : namen) {
        if (!Gottheiten.contains(name))
            probleme << QStringLiteral("%1: unbekannte Gottheit \"%2\"").arg(stadt, name);
    }
}

} // namespace

QStringList staedtePruefen(const QString& datenOrdner, const Weltkarte& karte, const Ausgabe& explorer)
{
    QStringList probleme;
    const QString listenPfad = datenOrdner + QStringLiteral("/Städteliste.dat");
    const QString staedtePfad = datenOrdner + QStringLiteral("/Städte.dat");
    QStringList namen;
    QStringList zeilen;
    if (!textLesen(listenPfad, namen, probleme) || !textLesen(staedtePfad, zeilen, probleme))
        return probleme;

    QStringList reihenfolge;
    const Abschnitte abschnitte = einstellungenLesen(zeilen, reihenfolge, staedtePfad, probleme);
    QSet<QString> gesehen;
    for (const QString& name : namen) {
        if (name.trimmed().isEmpty()) {
            probleme << QStringLiteral("%1: leere Zeile").arg(listenPfad);
            continue;
        }
        if (gesehen.contains(name))
            probleme << QStringLiteral("%1: \"%2\" steht doppelt in der Liste").arg(listenPfad, name);
        gesehen.insert(name);
        const auto stadt = abschnitte.constFind(name);
        if (stadt == abschnitte.cend()) {
            probleme << QStringLiteral("%1: kein Abschnitt [%2]").arg(staedtePfad, name);
            continue;
        }
        long long x = 0, y = 0, einwohner = 0;
        if (!ganzeZahl(stadt->value(QStringLiteral("X")), x) || !ganzeZahl(stadt->value(QStringLiteral("Y")), y)) {
            probleme << QStringLiteral("%1: X und Y müssen ganze Zahlen sein").arg(name);
            continue;
        }
        if (!ganzeZahl(stadt->value(QStringLiteral("Einwohner")), einwohner) || einwohner <= 0)
            probleme << QStringLiteral("%1: Einwohner fehlt oder ist keine positive Zahl").arg(name);
        if (!stadt->contains(QStringLiteral("Tempel")))
            probleme << QStringLiteral("%1: Schlüssel Tempel fehlt").arg(name);
        tempelPruefen(name, stadt->value(QStringLiteral("Tempel")), probleme);
        const QString bild = stadt->value(QStringLiteral("Pic"));
        if (!bild.isEmpty() && !explorer.geschrieben().contains(bild))
            probleme << QStringLiteral("%1: Bild \"%2\" wird nicht gezeichnet").arg(name, bild);
        const int px = int(std::floor(double(x) / EinheitenProPixel));
        const int py = int(std::floor(double(y) / EinheitenProPixel));
        // a small margin keeps the verdict stable against rounding in the map's noise
        bool aufLand = true;
        for (int dy = -Uferabstand; dy <= Uferabstand; ++dy)
            for (int dx = -Uferabstand; dx <= Uferabstand; ++dx)
                aufLand = aufLand && karte.istLand(px + dx, py + dy);
        if (!aufLand) {
            probleme << QStringLiteral("%1 liegt bei X=%2 Y=%3 (Bildpunkt %4, %5) nicht auf Land "
                                       "(mindestens %6 Bildpunkte vom Wasser entfernt)")
                            .arg(name).arg(x).arg(y).arg(px).arg(py).arg(Uferabstand);
        }
    }
    for (const QString& abschnitt : reihenfolge) {
        if (!gesehen.contains(abschnitt))
            probleme << QStringLiteral("%1: [%2] fehlt in der Städteliste").arg(staedtePfad, abschnitt);
    }
    return probleme;
}

} // namespace gfx
