#include "Gewinnchancen.h"

#include "Creatures3Variablen.h"
#include "HTMLExport.h"
#include "Kampfkern.h"
#include "Subs.h"
#include "Zufall.h"

#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace Gewinnchancen {

using BattleEngine::Kampfstand;
using BattleEngine::Sieger;
using namespace HTMLExport;

namespace {

// Fights are handed out in blocks: few enough to keep the threads from queueing for work, small enough to
// share the last ones fairly and to notice a cancel quickly.
constexpr qint64 Blockgroesse = 64;

// What one thread gathers; all whole numbers, so adding the parts in any order gives the same sums.
struct Teil {
    qint64 siege[3] = {0, 0, 0};
    qint64 verluste = 0;
    std::vector<qint64> runden;    // passes -> fights; a list, as a fight's count needs no search
    std::vector<qint64> ueberlebt; // heroes, then enemies
    std::vector<qint64> leSumme;
};

void Arbeiten(const Kampfstand& vorlage, qint64 kaempfe, quint64 saat, std::atomic<qint64>& naechster,
              Steuerung* steuerung, Teil& ergebnis)
{
    // Counted on this thread's own stack and handed over at the end: the parts of the threads lie side by
    // side, and counting in place would make the cores fight over their cache lines.
    Teil teil;
    struct Abgabe {
        Teil& von;
        Teil& an;
        ~Abgabe() { an = std::move(von); }
    } abgabe{teil, ergebnis};
    // The line-up in flat arrays, once per thread; every fight starts again from its values.
    Kampfkern::Kern kern(vorlage);
    const int helden = kern.AnzahlHelden();
    const int mitglieder = helden + kern.AnzahlGegner();
    teil.ueberlebt.assign(size_t(mitglieder), 0);
    teil.leSumme.assign(size_t(mitglieder), 0);
    teil.runden.assign(64, 0);
    const std::atomic<bool>* abbrechen = steuerung ? &steuerung->Abbrechen : nullptr;
    // Four generators seeded together for the next four fights.
    Kampfkern::Generator zufall[4];
    Kampfkern::Generator* vier[4] = {&zufall[0], &zufall[1], &zufall[2], &zufall[3]};
    for (;;) {
        if (abbrechen && abbrechen->load(std::memory_order_relaxed))
            return;
        const qint64 anfang = naechster.fetch_add(Blockgroesse, std::memory_order_relaxed);
        if (anfang >= kaempfe)
            return;
        const qint64 ende = std::min(anfang + Blockgroesse, kaempfe);
        for (qint64 k = anfang; k < ende; k += 4) {
            const int n = int(std::min<qint64>(4, ende - k));
            quint64 saaten[4];
            for (int j = 0; j < 4; ++j)
                saaten[j] = SaatFuer(saat, k + std::min(j, n - 1));
            Kampfkern::Generator::VierSaeen(vier, saaten);
            for (int j = 0; j < n; ++j) {
                if (!kern.Kaempfen(zufall[j], abbrechen))
                    return;
                ++teil.siege[int(kern.Sieger())];
                const size_t runden = size_t(kern.Runden());
                if (runden >= teil.runden.size())
                    teil.runden.resize(runden * 2, 0);
                ++teil.runden[runden];
                // Counted without a jump on each member's fate, which changes from fight to fight.
                int gefallen = 0;
                for (int i = 0; i < mitglieder; ++i) {
                    const qint64 le = kern.LE(i);
                    const bool lebt = le >= 1;
                    teil.ueberlebt[size_t(i)] += lebt;
                    teil.leSumme[size_t(i)] += lebt ? le : 0;
                    gefallen |= int(!lebt & (i < helden));
                }
                teil.verluste += gefallen;
            }
        }
        if (steuerung)
            steuerung->Erledigt.fetch_add(ende - anfang, std::memory_order_relaxed);
    }
}

QString Zelltext(const QString& text)
{
    return HtmlMaskieren(text);
}

const QString& Gruppenname(BattleEngine::Gruppe g)
{
    static const QString namen[] = {QStringLiteral("Heldengruppe"), QStringLiteral("Gegnergruppe")};
    return namen[int(g)];
}

// A name as one field of a tab-separated line.
QString Feldtext(const QString& text)
{
    QString t = text;
    for (QChar& c : t)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return t;
}

QString MittlereLE(const Mitglied& m)
{
    return m.Ueberlebt > 0 ? Dezimal(double(m.LESumme) / double(m.Ueberlebt)) : QStringLiteral("-");
}

} // namespace

quint64 SaatFuer(quint64 saat, qint64 k)
{
    // S is at most HoechsteSaat and k below 2^63, so the sum fits; the mask wraps it round to 0.
    return (saat + quint64(k)) & Zufall::HoechsteSaat;
}

// A bar of table cells over the full cell width: dark up to `dunkel`, light up to `hell`, then empty
// (shares from 0 to 1). The suite's browser pane draws cell colours, so the bar needs no picture.
void BalkenSchreiben(double dunkel, double hell, const QString& farbeDunkel, const QString& farbeHell, QIODevice& datei)
{
    const int a = int(std::lround(std::clamp(dunkel, 0.0, 1.0) * 100));
    const int b = std::max(a, int(std::lround(std::clamp(hell, 0.0, 1.0) * 100)));
    HtmlRoh(QStringLiteral("<td width=\"40%\"><table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>"),
            datei);
    const auto zelle = [&](int breite, const QString& farbe) {
        if (breite <= 0)
            return;
        HtmlRoh(QStringLiteral("<td width=\"%1%\"%2>&nbsp;</td>")
                    .arg(breite)
                    .arg(farbe.isEmpty() ? QString() : QStringLiteral(" bgcolor=\"%1\"").arg(farbe)),
                datei);
    };
    zelle(a, farbeDunkel);
    zelle(b - a, farbeHell);
    zelle(100 - b, QString());
    HtmlRoh(QStringLiteral("</tr></table></td>"), datei);
}

Anteil Wilson(qint64 treffer, qint64 n)
{
    Anteil a;
    a.Anzahl = treffer;
    if (n <= 0)
        return a;
    constexpr double z = 1.959963984540054; // two-sided 95 %
    const double nn = double(n);
    const double p = double(treffer) / nn;
    const double z2 = z * z;
    const double nenner = 1 + z2 / nn;
    const double mitte = (p + z2 / (2 * nn)) / nenner;
    const double breite = z * std::sqrt(p * (1 - p) / nn + z2 / (4 * nn * nn)) / nenner;
    a.Wert = p;
    a.Unten = std::max(0.0, mitte - breite);
    a.Oben = std::min(1.0, mitte + breite);
    return a;
}

Anteil Ergebnis::Sieg(Sieger sieger) const
{
    return Wilson(Siege[int(sieger)], Kaempfe);
}

Anteil Ergebnis::Verlust() const
{
    return Wilson(Verluste, Kaempfe);
}

double Ergebnis::RundenMittel() const
{
    if (Kaempfe <= 0)
        return 0;
    qint64 summe = 0;
    for (const auto& [runden, anzahl] : Runden)
        summe += qint64(runden) * anzahl;
    return double(summe) / double(Kaempfe);
}

double Ergebnis::RundenMedian() const
{
    if (Kaempfe <= 0)
        return 0;
    // The middle fight, or the mean of the two middle ones, in the order of their passes.
    const qint64 links = (Kaempfe - 1) / 2;
    const qint64 rechts = Kaempfe / 2;
    qint64 gesehen = 0;
    int a = -1;
    for (const auto& [runden, anzahl] : Runden) {
        if (a < 0 && links < gesehen + anzahl)
            a = runden;
        if (rechts < gesehen + anzahl)
            return (double(a) + double(runden)) / 2;
        gesehen += anzahl;
    }
    return 0;
}

int Ergebnis::RundenMaximum() const
{
    return Runden.empty() ? 0 : Runden.rbegin()->first;
}

std::optional<Ergebnis> Berechnen(const Kampfstand& aufstellung, qint64 kaempfe, quint64 saat, Steuerung* steuerung,
                                  int threads)
{
    Ergebnis ergebnis;
    ergebnis.Kaempfe = std::max<qint64>(0, kaempfe);
    ergebnis.Saat = saat;
    for (const BattleEngine::Kaempfer& k : aufstellung.Helden)
        ergebnis.Helden.append({k.Name, 0, 0});
    for (const BattleEngine::Kaempfer& k : aufstellung.Gegner)
        ergebnis.Gegner.append({k.Name, 0, 0});

    int anzahl = threads > 0 ? threads : int(std::max(1u, std::thread::hardware_concurrency()));
    anzahl = int(std::clamp<qint64>((ergebnis.Kaempfe + Blockgroesse - 1) / Blockgroesse, 1, anzahl));
    std::vector<Teil> teile(static_cast<size_t>(anzahl));
    std::atomic<qint64> naechster{0};
    std::vector<std::thread> faeden;
    for (int t = 1; t < anzahl; ++t) {
        try {
            faeden.emplace_back(Arbeiten, std::cref(aufstellung), ergebnis.Kaempfe, saat, std::ref(naechster), steuerung,
                                std::ref(teile[size_t(t)]));
        } catch (const std::system_error&) {
            // No more threads to be had: the others share the work.
            break;
        }
    }
    Arbeiten(aufstellung, ergebnis.Kaempfe, saat, naechster, steuerung, teile[0]);
    for (std::thread& faden : faeden)
        faden.join();
    if (steuerung && steuerung->Abbrechen.load())
        return std::nullopt;

    const int helden = aufstellung.AnzahlHelden();
    for (const Teil& teil : teile) {
        for (int s = 0; s < 3; ++s)
            ergebnis.Siege[s] += teil.siege[s];
        ergebnis.Verluste += teil.verluste;
        for (size_t runden = 0; runden < teil.runden.size(); ++runden)
            if (teil.runden[runden] > 0)
                ergebnis.Runden[int(runden)] += teil.runden[runden];
        for (size_t i = 0; i < teil.ueberlebt.size(); ++i) {
            Mitglied& m = int(i) < helden ? ergebnis.Helden[qsizetype(i)] : ergebnis.Gegner[qsizetype(i) - helden];
            m.Ueberlebt += teil.ueberlebt[i];
            m.LESumme += teil.leSumme[i];
        }
    }
    return ergebnis;
}

struct Hintergrundlauf::Zustand {
    Steuerung steuerung;
    std::atomic<bool> fertig{false};
    std::optional<Gewinnchancen::Ergebnis> ergebnis;
    std::thread faden;
};

Hintergrundlauf::Hintergrundlauf(const Kampfstand& aufstellung, qint64 kaempfe, quint64 saat, int threads)
    : m_zustand(std::make_shared<Zustand>()), m_kaempfe(kaempfe)
{
    Zustand* z = m_zustand.get();
    z->faden = std::thread([z, aufstellung, kaempfe, saat, threads] {
        z->ergebnis = Berechnen(aufstellung, kaempfe, saat, &z->steuerung, threads);
        z->fertig.store(true);
    });
}

Hintergrundlauf::~Hintergrundlauf()
{
    Abbrechen();
    if (m_zustand->faden.joinable())
        m_zustand->faden.join();
}

qint64 Hintergrundlauf::Erledigt() const
{
    return m_zustand->steuerung.Erledigt.load(std::memory_order_relaxed);
}

bool Hintergrundlauf::Fertig() const
{
    return m_zustand->fertig.load();
}

void Hintergrundlauf::Abbrechen()
{
    m_zustand->steuerung.Abbrechen.store(true);
}

std::optional<Ergebnis> Hintergrundlauf::Abholen()
{
    if (m_zustand->faden.joinable())
        m_zustand->faden.join();
    return m_zustand->ergebnis;
}

QString Dezimal(double wert)
{
    return QString::number(wert, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Zahl(double wert)
{
    return wert == std::floor(wert) ? QString::number(qint64(wert)) : Dezimal(wert);
}

QString Prozent(double anteil)
{
    return Dezimal(anteil * 100) + QStringLiteral(" %");
}

QStringList Ausgabezeilen(const Ergebnis& e)
{
    QStringList zeilen{QStringLiteral("Kämpfe\t%1").arg(e.Kaempfe), QStringLiteral("Seed\t%1").arg(e.Saat)};
    const struct {
        Sieger sieger;
        const char* name;
    } ausgaenge[] = {{Sieger::Helden, "Heldengruppe"}, {Sieger::Gegner, "Gegnergruppe"}, {Sieger::Keiner, "keiner"}};
    for (const auto& a : ausgaenge) {
        const Anteil anteil = e.Sieg(a.sieger);
        zeilen.append(QStringLiteral("Sieger %1\t%2\t%3\t%4\t%5")
                          .arg(QLatin1String(a.name))
                          .arg(anteil.Anzahl)
                          .arg(Prozent(anteil.Wert), Prozent(anteil.Unten), Prozent(anteil.Oben)));
    }
    zeilen.append(QStringLiteral("Runden\t%1\t%2\t%3")
                      .arg(Dezimal(e.RundenMittel()), Zahl(e.RundenMedian()))
                      .arg(e.RundenMaximum()));
    for (BattleEngine::Gruppe g : {BattleEngine::Gruppe::Helden, BattleEngine::Gruppe::Gegner}) {
        const QList<Mitglied>& gruppe = e.Gruppe(g);
        for (qsizetype i = 0; i < gruppe.size(); ++i) {
            const Mitglied& m = gruppe[i];
            zeilen.append(QStringLiteral("Überlebt\t%1\t%2\t%3\t%4\t%5")
                              .arg(Gruppenname(g))
                              .arg(i + 1)
                              .arg(Feldtext(m.Name), Prozent(Wilson(m.Ueberlebt, e.Kaempfe).Wert), MittlereLE(m)));
        }
    }
    // Last, so every earlier line keeps its place.
    const Anteil verlust = e.Verlust();
    zeilen.append(QStringLiteral("Verluste Heldengruppe\t%1\t%2\t%3\t%4")
                      .arg(verlust.Anzahl)
                      .arg(Prozent(verlust.Wert), Prozent(verlust.Unten), Prozent(verlust.Oben)));
    return zeilen;
}

void SeiteSchreiben(const Ergebnis& e, QIODevice& datei)
{
    HtmlKopf(QStringLiteral("Gewinnchancen - ") + Creatures3Variablen::Programmtitel, datei);
    HtmlUeberschrift(QStringLiteral("Gewinnchancen"), 1, datei);
    // A paragraph keeps the entries below the heading in the suite's browser pane, as in any web browser.
    HtmlRoh(QStringLiteral("<p>"), datei);
    HtmlEintrag(QStringLiteral("Kämpfe: "), Subs::Tausender(e.Kaempfe), datei);
    HtmlEintrag(QStringLiteral("Seed: "), QString::number(e.Saat), datei);
    HtmlLeerzeilen(1, datei);

    HtmlUeberschrift(QStringLiteral("Sieger"), 2, datei);
    HtmlTabelleBeginn(datei);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Sieger", "Kämpfe", "Anteil", "95-%-Intervall", "&nbsp;"})
        HtmlKopfzelle(QString::fromUtf8(kopf), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
    const struct {
        Sieger sieger;
        const char* name;
        const char* dunkel;
        const char* hell;
    } ausgaenge[] = {{Sieger::Helden, "Heldengruppe", "#2E7D32", "#A5D6A7"},
                     {Sieger::Gegner, "Gegnergruppe", "#B71C1C", "#EF9A9A"},
                     {Sieger::Keiner, "keiner", "#616161", "#BDBDBD"}};
    for (const auto& a : ausgaenge) {
        const Anteil anteil = e.Sieg(a.sieger);
        HtmlRoh(QStringLiteral("<tr>"), datei);
        HtmlZelle(QLatin1String(a.name), QStringLiteral("20%"), datei);
        HtmlZelle(Subs::Tausender(anteil.Anzahl), QStringLiteral("10%"), datei);
        HtmlZelle(Prozent(anteil.Wert), QStringLiteral("10%"), datei);
        HtmlZelle(Prozent(anteil.Unten) + QStringLiteral(" bis ") + Prozent(anteil.Oben), QStringLiteral("20%"), datei);
        // Dark up to the lower bound, light across the interval: the true share lies in the light part.
        BalkenSchreiben(anteil.Unten, anteil.Oben, QLatin1String(a.dunkel), QLatin1String(a.hell), datei);
        HtmlRoh(QStringLiteral("</tr>"), datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlLeerzeilen(1, datei);

    HtmlUeberschrift(QStringLiteral("Runden je Kampf"), 2, datei);
    HtmlRoh(QStringLiteral("<p>"), datei);
    HtmlEintrag(QStringLiteral("Mittel: "), Dezimal(e.RundenMittel()), datei);
    HtmlEintrag(QStringLiteral("Median: "), Zahl(e.RundenMedian()), datei);
    HtmlEintrag(QStringLiteral("Höchstens: "), QString::number(e.RundenMaximum()), datei);
    HtmlLeerzeilen(1, datei);

    HtmlUeberschrift(QStringLiteral("Überlebt"), 2, datei);
    HtmlTabelleBeginn(datei);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Gruppe", "Nr.", "Name", "Überlebt", "LE am Ende", "&nbsp;"})
        HtmlKopfzelle(QString::fromUtf8(kopf), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
    for (BattleEngine::Gruppe g : {BattleEngine::Gruppe::Helden, BattleEngine::Gruppe::Gegner}) {
        const QList<Mitglied>& gruppe = e.Gruppe(g);
        const QString farbe = g == BattleEngine::Gruppe::Helden ? QStringLiteral("#2E7D32") : QStringLiteral("#B71C1C");
        for (qsizetype i = 0; i < gruppe.size(); ++i) {
            const Mitglied& m = gruppe[i];
            const double anteil = Wilson(m.Ueberlebt, e.Kaempfe).Wert;
            HtmlRoh(QStringLiteral("<tr>"), datei);
            HtmlZelle(Gruppenname(g), QStringLiteral("15%"), datei);
            HtmlZelle(QString::number(i + 1), QStringLiteral("5%"), datei);
            HtmlZelle(Zelltext(m.Name), QStringLiteral("20%"), datei);
            HtmlZelle(Prozent(anteil), QStringLiteral("10%"), datei);
            HtmlZelle(MittlereLE(m), QStringLiteral("10%"), datei);
            BalkenSchreiben(anteil, anteil, farbe, QString(), datei);
            HtmlRoh(QStringLiteral("</tr>"), datei);
        }
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
}

bool SeiteSpeichern(const Ergebnis& ergebnis, const QString& pfad, QString* fehler)
{
    return HTMLExport::SeiteSpeichern(pfad, fehler, [&](QIODevice& datei) { SeiteSchreiben(ergebnis, datei); });
}

} // namespace Gewinnchancen
