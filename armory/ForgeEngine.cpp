#include "ForgeEngine.h"

#include "Armory3Variablen.h"
#include "Dateien.h"
#include "HTMLExport.h"
#include "Subs.h"
#include "Waffentabelle.h"

#include <cmath>
#include <limits>

namespace ForgeEngine {

using namespace HTMLExport;

namespace {

constexpr qint64 kGrenze = std::numeric_limits<qint64>::max();
// More work points than any real weapon needs; beyond this the loop would run for minutes.
constexpr qint64 kMaxArbeitspunkte = 100000;

QString Feld(const Schmiede& s, int i)
{
    return i < s.Waffe.size() ? s.Waffe[i] : QString();
}

qint64 Wert(const Schmiede& s, int i)
{
    return Subs::Ganzzahl(Feld(s, i));
}

const Stahl& GewaehlterStahl(const Schmiede& s)
{
    static const Stahl neutral{QString(), {}, 0, 1, 0, 0, false, 0, 0, 0};
    return s.Stahl >= 0 && s.Stahl < Stahlsorten().size() ? Stahlsorten()[s.Stahl] : neutral;
}

// Whole numbers far beyond any price stop at the largest value instead of overflowing.
qint64 Mal(qint64 a, qint64 b)
{
    qint64 ergebnis = 0;
    if (__builtin_mul_overflow(a, b, &ergebnis))
        return (a < 0) != (b < 0) ? -kGrenze : kGrenze;
    return ergebnis;
}

qint64 Gerundet(double wert)
{
    if (!(std::fabs(wert) < 9.0e18))
        return wert < 0 ? -kGrenze : kGrenze;
    return Subs::Runden(wert);
}

QString M(const QString& text)
{
    return HtmlMaskieren(text);
}

QString Bonus()
{
    const int wurf = Subs::Zufallszahl(20);
    if (wurf <= 4)
        return QStringLiteral("BF -") + QString::number(Subs::Zufallszahl(6));
    if (wurf <= 6)
        return QStringLiteral("Modifikation der Patzertablle; 2: BF+3 (Waffe nicht zerstört)");
    if (wurf <= 9)
        return QStringLiteral("TP +1");
    if (wurf <= 12)
        return QStringLiteral("TP +2");
    if (wurf <= 14)
        return QStringLiteral("KK-Zuschlag wird um eins verringert");
    if (wurf <= 16)
        return QStringLiteral("WV 0/+1");
    if (wurf == 17)
        return QStringLiteral("WV +1/+1");
    if (wurf == 18)
        return QStringLiteral("WV +1/+2");
    if (wurf == 19)
        return QStringLiteral("RS des Gegners ist um 1 niedriger, wenn Rüstung aus dem gleichen Material");
    return QStringLiteral("Bei BF-Probe Malus von 1W6 auf Waffe des Gegners (Zuschlag zum BF der Waffe nur für die "
                          "Probe");
}

QString Malus()
{
    const int wurf = Subs::Zufallszahl(20);
    if (wurf <= 8)
        return QStringLiteral("Keine Nebenwirkungen");
    if (wurf <= 10)
        return QStringLiteral("Die Waffe muss alle ") + QString::number(Subs::Zufallszahl(6))
            + QStringLiteral(" Monate in Lava getaucht werden, ansonsten verrostet sie");
    if (wurf <= 15)
        return QStringLiteral("Die Waffe verliert alle Boni wenn sie in Salzwasser fällt");
    return QStringLiteral("In der Waffe nisten sich mit Vorliebe Mindergeister von Erz oder Feuer ein, die dann das "
                          "Gewicht berächtlich erhöhen oder das Zyklopenwerk in den ungünstigsten Momenten glutheiß "
                          "werden lassen");
}

} // namespace

const QList<Stahl>& Stahlsorten()
{
    const QString keine = QStringLiteral("Keine weiteren Besonderheiten");
    static const QList<Stahl> sorten = {
        {QStringLiteral("Endurium"),
         {QStringLiteral("BF -3"), QStringLiteral("Magische Waffe"), QStringLiteral("WV 0/+1"), QStringLiteral("TP +1"),
          QStringLiteral("+100% Zeit"), QStringLiteral("Preis *15")},
         -3, 15, -100, 0, true, 0, 1, 1},
        {QStringLiteral("Maraskanstahl"),
         {QStringLiteral("-10% Gewicht"), QStringLiteral("BF -1"), QStringLiteral("Preis *2")}, -1, 2, 0, 10, false, 0, 0, 0},
        {QStringLiteral("Mirhamer Stahl"), {keine}, 0, 1, 0, 0, false, 0, 0, 0},
        {QStringLiteral("Premer Stahl"), {QStringLiteral("BF +1"), QStringLiteral("-10% Zeitbedarf")}, 1, 1, 10, 0, false, 0, 0, 0},
        {QStringLiteral("Stahl vom grossen Fluss"), {keine}, 0, 1, 0, 0, false, 0, 0, 0},
        {QStringLiteral("Standardstahl"), {keine}, 0, 1, 0, 0, false, 0, 0, 0},
        {QStringLiteral("Titanium"),
         {QStringLiteral("BF -5"), QStringLiteral("Magische Waffe"), QStringLiteral("WV +1/+2"), QStringLiteral("TP +3"),
          QStringLiteral("+200% Zeit"), QStringLiteral("Preis *30")},
         -5, 30, -200, 0, true, 1, 2, 3},
        {QStringLiteral("Uhdenberger Stahl"),
         {QStringLiteral("BF +1"), QStringLiteral("-20% Zeitbedarf"), QStringLiteral("Preis *1.2")}, 1, 1.2, 20, 0, false, 0, 0, 0},
        {QStringLiteral("Zwergenstahl"),
         {QStringLiteral("BF -1"), QStringLiteral("-10% Zeit"), QStringLiteral("-10% Gewicht"), QStringLiteral("Preis *3")},
         -1, 3, 10, 10, false, 0, 0, 0},
    };
    return sorten;
}

int StahlIndex(const QString& name)
{
    for (int i = 0; i < Stahlsorten().size(); ++i)
        if (Stahlsorten()[i].Name == name)
            return i;
    return -1;
}

const QStringList& BFAuswahl()
{
    static const QStringList liste = {QStringLiteral(" "), QStringLiteral("-1"), QStringLiteral("-2")};
    return liste;
}

const QStringList& TPAuswahl()
{
    static const QStringList liste = {QStringLiteral(" "), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    return liste;
}

Schmiede SchmiedeOeffnen(const QStringList& waffe)
{
    Schmiede s;
    s.Waffe = waffe;
    s.Name = Feld(s, 1);
    s.Waehrung = Feld(s, 27);
    return s;
}

std::optional<qint64> Normalpreis(const QStringList& waffe)
{
    const QString text = waffe.value(11).trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 preis = Subs::Ganzzahl(text, &ok);
    if (!ok)
        return std::nullopt;
    return preis;
}

QString PreisUnlesbarMeldung(const QStringList& waffe)
{
    return QStringLiteral("Der Normalpreis „%1“ der Waffe „%2“ ist keine Zahl. Bitte tragt einen Preis aus Ziffern ein "
                          "(mit Komma oder Punkt für Bruchteile), bevor ihr die Waffe in Varl-Forge 3 weiterverarbeitet.")
        .arg(waffe.value(11), waffe.value(1));
}

qint64 Grundpreis(const Schmiede& s)
{
    return Wert(s, 11);
}

qint64 Schadensbonus(const Schmiede& s)
{
    return Wert(s, 6);
}

qint64 Bruchfaktor(const Schmiede& s)
{
    return Wert(s, 10) + GewaehlterStahl(s).BF - s.BFStufe;
}

QString Schadenstext(const Schmiede& s)
{
    const qint64 zusatz = Schadensbonus(s) + (s.Persoenlich ? 1 : 0) + GewaehlterStahl(s).TP + s.TPStufe;
    return Feld(s, 5) + Feld(s, 26) + QLatin1Char('+') + QString::number(zusatz);
}

qint64 PreisBerechnen(const Schmiede& s)
{
    const int zyklopenfaktor = s.Zyklop ? 15 : 1;
    qint64 preis = Gerundet(double(Grundpreis(s)) * GewaehlterStahl(s).Preisfaktor * zyklopenfaktor);
    if (s.BFStufe > 0)
        preis = Mal(preis, 3 * s.BFStufe);
    if (s.TPStufe > 0)
        preis = Mal(preis, 4 * s.TPStufe);
    if (s.Persoenlich)
        preis = Mal(preis, 5);
    return preis;
}

QString StatusText(const Schmiede& s)
{
    const QString zeilenende = QStringLiteral("\r\n");
    return QStringLiteral("NAME: ") + s.Name + zeilenende + QStringLiteral("SCHADEN: ") + Schadenstext(s) + zeilenende
        + QStringLiteral("BRUCHFAKTOR: ") + QString::number(Bruchfaktor(s)) + zeilenende + QStringLiteral("PREIS: ")
        + QString::number(PreisBerechnen(s)) + QLatin1Char(' ') + s.Waehrung;
}

int Talentwert(const Schmiede& s)
{
    if (s.Zyklop)
        return 30;
    const Subs::Ganzzahleingabe wert = Subs::GanzzahlLesen(s.Schmied, std::numeric_limits<qint64>::min(),
                                                            std::numeric_limits<qint64>::max(), QString());
    if (!wert.Ok || wert.Wert < 1)
        return 0;
    return int(qMin<qint64>(wert.Wert, 22));
}

Freigabe FreigabeBerechnen(const Schmiede& s)
{
    if (s.Zyklop)
        return {false, false, true, true};
    const int talent = Talentwert(s);
    if (talent == 0)
        return {true, false, false, false};
    if (talent >= 10)
        return {true, true, true, true};
    return {true, false, false, true};
}

qint64 Arbeitspunkte(const Schmiede& s)
{
    const qint64 wuerfel = Wert(s, 5);
    const QString art = Feld(s, 26);
    qint64 jeWuerfel = 0;
    if (art == QLatin1String("W2"))
        jeWuerfel = 1;
    else if (art == QLatin1String("W3"))
        jeWuerfel = 2;
    else if (art == QLatin1String("W4"))
        jeWuerfel = 3;
    else if (art == QLatin1String("W6"))
        jeWuerfel = 4;
    else if (art == QLatin1String("W10"))
        jeWuerfel = 7;
    else if (art == QLatin1String("W20"))
        jeWuerfel = 14;
    else if (art == QLatin1String("SP"))
        jeWuerfel = wuerfel;
    qint64 d = 0;
    if (wuerfel > 0 && jeWuerfel > 0)
        d = wuerfel > 1000000 || jeWuerfel > 1000000 ? 1000000000000ll : wuerfel * jeWuerfel;
    return d + Schadensbonus(s) + s.TPStufe - 4;
}

std::optional<qint64> Herstellungszeit(const Schmiede& s, QString* fehler)
{
    const int talent = Talentwert(s);
    if (talent < 1) {
        if (fehler)
            *fehler = QStringLiteral("Der Talentwert des Schmiedes fehlt oder ist kleiner als 1.");
        return std::nullopt;
    }
    qint64 punkte = Arbeitspunkte(s);
    if (punkte > kMaxArbeitspunkte) {
        if (fehler)
            *fehler = QStringLiteral("Die Waffe bräuchte mehr als %1 Arbeitsschritte (zu viele Würfel oder ein zu hoher "
                                     "Schadensbonus); so eine Waffe kann nicht geschmiedet werden.")
                          .arg(kMaxArbeitspunkte);
        return std::nullopt;
    }
    qint64 tage = 0;
    while (punkte > 0) {
        if (Subs::Zufallszahl(23) > talent) {
            tage += 6;
        } else {
            tage += 5;
            --punkte;
        }
    }
    tage += 4 * s.BFStufe;
    if (s.Persoenlich)
        tage *= 2;
    const int m = GewaehlterStahl(s).Zeit;
    if (m != 0)
        tage -= Subs::Runden(double(tage) * m / 100.0);
    return tage;
}

void BerichtSchreiben(const Schmiede& s, qint64 tage, const QString& preisText, QIODevice& datei)
{
    const Stahl& stahl = GewaehlterStahl(s);
    HtmlKopf(M(Feld(s, 1)) + QStringLiteral(" - ") + Armory3Variablen::Programmtitel, datei);
    HtmlUeberschrift(M(s.Name) + (s.Persoenlich ? QStringLiteral("   (Persönliche Waffe)") : QString()), 1, datei);
    HtmlTabelleBeginn(datei);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Name", "Typ", "TP", "TP+", "Gew.", "Lg.", "BF", "WV", "Preis"})
        HtmlKopfzelle(QLatin1String(kopf), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);

    qint64 gewicht = Wert(s, 2);
    if (stahl.Gewicht != 0)
        gewicht -= Subs::Runden(double(gewicht) * stahl.Gewicht / 100.0);
    const QString wv = QString::number(Wert(s, 8) + stahl.WVErster) + QLatin1Char('/')
        + QString::number(Wert(s, 9) + stahl.WVZweiter);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    HtmlZelle(M(s.Name), QStringLiteral("20%"), datei);
    HtmlZelle(M(Feld(s, 25)), QStringLiteral("20%"), datei);
    HtmlZelle(M(Schadenstext(s)), QStringLiteral("10%"), datei);
    HtmlZelle(M(Feld(s, 7)), QStringLiteral("7%"), datei);
    HtmlZelle(QString::number(gewicht) + QStringLiteral(" Unzen"), QStringLiteral("9%"), datei);
    HtmlZelle(M(Feld(s, 3)), QStringLiteral("9%"), datei);
    HtmlZelle(QString::number(Bruchfaktor(s)) + QLatin1Char(' '), QStringLiteral("5%"), datei);
    HtmlZelle(wv, QStringLiteral("6%"), datei);
    HtmlZelle(M(preisText) + QLatin1Char(' ') + M(s.Waehrung), QStringLiteral("16%"), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlZeile(QString(), datei);

    if (s.Zyklop)
        HtmlZeile(QStringLiteral("Die Waffe wurde von Zyklopen gefertigt."), datei);
    if (s.Stahl >= 0)
        HtmlZeile(QStringLiteral("Die Waffe wurde aus ") + M(stahl.Name) + QStringLiteral(" gefertigt."), datei);
    else
        HtmlZeile(QStringLiteral("Die Waffe wurde aus gewöhnlichem Stahl gefertigt."), datei);
    if (!Feld(s, 4).isEmpty()) {
        HtmlEintrag(QStringLiteral("Beschreibung: "), M(Feld(s, 4)), datei);
        HtmlZeile(QString(), datei);
        HtmlZeile(QString(), datei);
    }
    if (s.Zyklop) {
        HtmlEintrag(QStringLiteral("Spezieller Bonus der Zyklopenwaffe: "), Bonus(), datei);
        HtmlEintrag(QStringLiteral("Spezieller Malus der Zyklopenwaffe: "), Malus(), datei);
        HtmlLeerzeilen(2, datei);
    }
    HtmlZeile(QStringLiteral("Es handelt sich um eine einzigartige Waffe."), datei);
    using Waffentabellen::FlagGesetzt;
    if (FlagGesetzt(Feld(s, 17)))
        HtmlZeile(QStringLiteral("Die Waffe darf nur von Privilegierten geführt werden."), datei);
    if (FlagGesetzt(Feld(s, 18)) || stahl.Magisch)
        HtmlZeile(QStringLiteral("Die Waffe ist magisch."), datei);
    if (FlagGesetzt(Feld(s, 19)))
        HtmlZeile(QStringLiteral("Es handelt sich um eine rituelle bzw. religiöse Waffe."), datei);
    if (FlagGesetzt(Feld(s, 20)))
        HtmlZeile(QStringLiteral("Die Waffe ist nur für Zwerge geeignet."), datei);
    if (FlagGesetzt(Feld(s, 21)))
        HtmlZeile(QStringLiteral("Die Waffe kann nicht von Zwergen geführt werden."), datei);
    if (FlagGesetzt(Feld(s, 22)))
        HtmlZeile(QStringLiteral("Die Waffe muss zweihändig geführt werden."), datei);
    if (FlagGesetzt(Feld(s, 23)))
        HtmlZeile(QStringLiteral("Es handelt sich um eine illegale bzw. verbotene Waffe."), datei);
    HtmlZeile(QString(), datei);
    HtmlZeile(QString(), datei);
    HtmlEintrag(QStringLiteral("Dauer der Herstellung: "), QString::number(tage) + QStringLiteral(" Tage"), datei);
    if (!Feld(s, 13).isEmpty())
        HtmlEintrag(QStringLiteral("Schwäche der Waffe: "), M(Feld(s, 13)), datei);
    if (!Feld(s, 14).isEmpty())
        HtmlEintrag(QStringLiteral("Schwach gegen einen best. Gegner: "), M(Feld(s, 14)), datei);
    if (!Feld(s, 15).isEmpty())
        HtmlEintrag(QStringLiteral("Stark gegen einen best. Gegner: "), M(Feld(s, 15)), datei);
}

bool BerichtSpeichern(const Schmiede& s, qint64 tage, const QString& preisText, const QString& pfad, QString* fehler)
{
    QString grund;
    if (Dateien::AtomarSchreiben(pfad, [&](QIODevice& datei) { BerichtSchreiben(s, tage, preisText, datei); }, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Der Bericht „%1“ konnte nicht geschrieben werden: %2").arg(pfad, grund);
    return false;
}

} // namespace ForgeEngine
