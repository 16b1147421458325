#include "KartenEngine.h"

#include "Dateien.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace KartenEngine {

using ExplorerEngine::Kartenstadt;

const QString BildGross = QStringLiteral("\\Explorer\\Aventurien.jpg");
const QString BildKlein = QStringLiteral("\\Explorer\\AventurienKlein.jpg");
const QString EntfernungLeer = QStringLiteral("Entfernung:");

namespace {

constexpr qint64 Hoechstposition = std::numeric_limits<qint32>::max();
// On both maps 675 units are the reference distance: 100 Meilen on the large map, 320 on the small one.
constexpr qint64 Bezugseinheiten = 675;

// Rounds zaehler / nenner (nenner > 0) half to even, for any zaehler.
qint64 GeteiltGerundet(qint64 zaehler, qint64 nenner)
{
    qint64 q = zaehler / nenner;
    qint64 r = zaehler % nenner;
    if (r < 0) { // floor division, so the remainder lies in [0, nenner)
        --q;
        r += nenner;
    }
    if (2 * r > nenner || (2 * r == nenner && (q % 2 != 0)))
        ++q;
    return q;
}

QString Bereichsmeldung(const QString& text, const QString& was)
{
    return QStringLiteral("„%1“ liegt für %2 außerhalb der Karte; erlaubt sind 0 bis %3 Karteneinheiten.")
        .arg(text, was, Subs::Tausender(Hoechstposition));
}

} // namespace

QString Bildpfad(Karte karte)
{
    return Pfad::Verbinden(Variablen::DataPfad, karte == Karte::Klein ? BildKlein : BildGross);
}

std::optional<Karte> KarteAusName(const QString& name)
{
    if (name == QLatin1String("gross"))
        return Karte::Gross;
    if (name == QLatin1String("klein"))
        return Karte::Klein;
    return std::nullopt;
}

Staedte ListeLaden()
{
    const QString pfad = Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\Städteliste.dat"));
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad);
    Staedte staedte;
    if (!gelesen.Gelesen()) {
        if (gelesen.Status != Zeilendatei::Lesestatus::Fehlt)
            staedte.Meldung = QStringLiteral("Die Städteliste %1 konnte nicht gelesen werden: %2. Die Liste der Städte "
                                             "bleibt leer.")
                                  .arg(Dateien::Anzeigename(pfad), gelesen.Grund);
        return staedte;
    }
    // A blank line names no city: choosing it could mark nothing.
    for (const QString& zeile : gelesen.Zeilen)
        if (!zeile.trimmed().isEmpty())
            staedte.Namen.append(zeile);
    return staedte;
}

QString RegisterMeldung()
{
    const QString pfad = Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\Städte.dat"));
    // The checks come before the first line: nothing more of the file is read here.
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = [](const QString&) { return false; };
    const Zeilendatei::Leseergebnis e = Zeilendatei::Laden(pfad, optionen);
    if (e.Status == Zeilendatei::Lesestatus::Fehlt || e.Status == Zeilendatei::Lesestatus::FalscheKopfzeile)
        return QString();
    return QStringLiteral("Das Kartenregister %1 konnte nicht gelesen werden: %2. Die Städte lassen sich deshalb weder "
                          "markieren noch anzeigen.")
        .arg(Dateien::Anzeigename(pfad), e.Grund);
}

void RegisterVorlesen()
{
    Subs::IniAbschnitte(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\Städte.dat")));
}

qint64 Verkleinern(qint64 einheiten)
{
    // x / 3.2 = x * 5 / 16. Split x = 16a + b first so that x * 5 cannot overflow.
    qint64 a = einheiten / 16;
    qint64 b = einheiten % 16;
    if (b < 0) {
        --a;
        b += 16;
    }
    const qint64 basis = 5 * a + (5 * b) / 16;
    const qint64 rest = (5 * b) % 16;
    if (rest > 8 || (rest == 8 && basis % 2 != 0))
        return basis + 1;
    return basis;
}

Markierung MarkierungBerechnen(const Kartenstadt& stadt, Karte karte)
{
    Markierung m;
    if (!stadt.HatPosition || karte == Karte::Keine)
        return m;
    m.Sichtbar = true;
    if (karte == Karte::Gross) {
        m.X = stadt.X;
        m.Y = stadt.Y;
        m.NameX = double(stadt.X) + NamensAbstand;
        m.Punkt = PunktGross;
    } else {
        m.X = Verkleinern(stadt.X);
        m.Y = Verkleinern(stadt.Y);
        m.NameX = double(m.X) + NamensAbstand * 5.0 / 16.0; // 200 / 3.2 = 62.5
        m.Punkt = PunktKlein;
    }
    m.NameY = m.Y;
    return m;
}

int Bildlauf(qint64 pixel, int wert, int rahmen, int maximum)
{
    // A point right at the frame's edge is hard to see: a tenth of the frame counts as outside.
    const int rand = rahmen / 10;
    if (pixel >= qint64(wert) + rand && pixel < qint64(wert) + rahmen - rand)
        return qBound(0, wert, qMax(0, maximum));
    return int(qBound(qint64(0), pixel - rahmen / 2, qint64(qMax(0, maximum))));
}

QString Positionszeile(const Kartenstadt& stadt)
{
    if (!stadt.HatPosition)
        return QString();
    return QStringLiteral("%1\t%2\t%3\t%4")
        .arg(stadt.X)
        .arg(stadt.Y)
        .arg(Verkleinern(stadt.X))
        .arg(Verkleinern(stadt.Y));
}

Tafel TafelTexte(const Kartenstadt& stadt)
{
    Tafel t;
    t.Name = stadt.Name;
    t.Einwohner = QStringLiteral("ca. ") + stadt.Einwohner + QStringLiteral(" Einwohner");
    // The register writes ", " after every deity; the panel lists them without the last one.
    QString tempel = stadt.Tempel.trimmed();
    if (tempel.endsWith(QLatin1Char(',')))
        tempel.chop(1);
    t.Tempel = QStringLiteral("Tempel: ") + tempel.trimmed();
    if (!stadt.Pic.isEmpty())
        t.Bild = Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Explorer\\") + stadt.Pic);
    return t;
}

qint32 Klickposition(double pixel)
{
    const double einheiten = pixel * ExplorerEngine::Kartenmassstab;
    if (!(einheiten > 0))
        return 0;
    if (einheiten >= double(Hoechstposition))
        return qint32(Hoechstposition);
    return qint32(Subs::Runden(einheiten));
}

qint64 Meilen(qint64 d, Karte karte)
{
    const qint64 massstab = karte == Karte::Gross ? 100 : 320;
    return GeteiltGerundet(d * massstab, Bezugseinheiten);
}

qint64 MeilenZwischen(Punkt a, Punkt b, Karte karte)
{
    const qint64 dx = std::abs(qint64(b.X) - qint64(a.X));
    const qint64 dy = std::abs(qint64(b.Y) - qint64(a.Y));
    // Points lie in 0 ... 2^31 - 1, so both differences fit the 32-bit arguments.
    const qint64 d = ExplorerEngine::Entfernung(qint32(qMin(dx, Hoechstposition)), qint32(qMin(dy, Hoechstposition)));
    return Meilen(d, karte);
}

QString EntfernungText(qint64 meilen)
{
    return QStringLiteral("Entfernung: %1 Meilen").arg(meilen);
}

std::optional<QString> Druecken(Messung& messung, Punkt punkt, Karte karte)
{
    if (!messung.Misst) {
        messung.Erster = punkt;
        messung.Misst = true;
        return std::nullopt;
    }
    messung.Zweiter = punkt;
    messung.Misst = false;
    return EntfernungText(MeilenZwischen(messung.Erster, messung.Zweiter, karte));
}

Positionseingabe PositionLesen(const QString& text, const QString& was)
{
    Positionseingabe e;
    const QString t = text.trimmed();
    // Whole numbers first, so "1.000" reads as the German thousand.
    const Subs::Ganzzahleingabe ganz = Subs::GanzzahlLesen(t, 0, Hoechstposition, was);
    if (ganz.Ok) {
        e.Ok = true;
        e.Wert = qint32(ganz.Wert);
        return e;
    }
    if (t.isEmpty()) {
        e.Meldung = ganz.Meldung;
        return e;
    }
    // Decimals: "1,5", "1.5", and "1.000,5" with thousands separators before the comma.
    QString zahl = t;
    const qsizetype komma = t.indexOf(QLatin1Char(','));
    if (komma >= 0 && t.indexOf(QLatin1Char('.')) >= 0 && t.indexOf(QLatin1Char('.')) < komma) {
        const Subs::Ganzzahleingabe vorne = Subs::GanzzahlLesen(t.left(komma), std::numeric_limits<qint64>::min(),
                                                                std::numeric_limits<qint64>::max(), was);
        if (vorne.Ok) {
            const bool negativ = t.startsWith(QLatin1Char('-'));
            zahl = (negativ && vorne.Wert == 0 ? QStringLiteral("-") : QString()) + QString::number(vorne.Wert)
                + QLatin1Char('.') + t.mid(komma + 1);
        }
    }
    bool ok = false;
    const double wert = Subs::Zahl(zahl, &ok);
    if (!ok) {
        e.Meldung = QStringLiteral("„%1“ ist für %2 keine gültige Position. Erlaubt sind ganze Karteneinheiten von 0 bis "
                                   "%3, auch mit Punkten als Tausendertrennzeichen („12.000“) oder mit Nachkommastellen "
                                   "nach Komma oder Punkt („1,5“), die gerundet werden.")
                        .arg(t, was, Subs::Tausender(Hoechstposition));
        return e;
    }
    if (!(std::fabs(wert) < 4.0e9)) {
        e.Meldung = Bereichsmeldung(t, was);
        return e;
    }
    const qint64 gerundet = Subs::Runden(wert);
    if (gerundet < 0 || gerundet > Hoechstposition) {
        e.Meldung = Bereichsmeldung(t, was);
        return e;
    }
    e.Ok = true;
    e.Wert = qint32(gerundet);
    return e;
}

Rahmen RahmenBerechnen(int flaecheBreite, int flaecheHoehe, int karteBreite, int karteHoehe, int dicke)
{
    flaecheBreite = qMax(0, flaecheBreite);
    flaecheHoehe = qMax(0, flaecheHoehe);
    bool waagrecht = false;
    bool senkrecht = false;
    // Each bar can only become necessary, never unnecessary, so this settles after two rounds.
    for (int runde = 0; runde < 3; ++runde) {
        waagrecht = karteBreite > flaecheBreite - (senkrecht ? dicke : 0);
        senkrecht = karteHoehe > flaecheHoehe - (waagrecht ? dicke : 0);
    }
    Rahmen r;
    r.Breite = qMax(0, flaecheBreite - (senkrecht ? dicke : 0));
    r.Hoehe = qMax(0, flaecheHoehe - (waagrecht ? dicke : 0));
    const auto leiste = [](int karte, int rahmen) {
        Laufleiste l;
        l.Sichtbar = karte > rahmen;
        l.Maximum = qMax(0, karte - rahmen);
        l.Schritt = qMax(1, karte / 100);
        l.Seite = qMax(1, karte / 10);
        return l;
    };
    r.Waagrecht = leiste(karteBreite, r.Breite);
    r.Senkrecht = leiste(karteHoehe, r.Hoehe);
    return r;
}

} // namespace KartenEngine
