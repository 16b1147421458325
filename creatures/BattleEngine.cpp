#include "BattleEngine.h"

#include "Dateien.h"
#include "HTMLExport.h"
#include "Kreaturentabelle.h"
#include "Subs.h"

#include <QVarLengthArray>

#include <algorithm>

namespace BattleEngine {

using namespace HTMLExport;

namespace {

bool Lebt(const Kaempfer& k)
{
    return k.LE >= 1;
}

int Lebende(const QList<Kaempfer>& gruppe)
{
    int n = 0;
    for (const Kaempfer& k : gruppe)
        n += Lebt(k) ? 1 : 0;
    return n;
}

Gruppe Andere(Gruppe g)
{
    return g == Gruppe::Helden ? Gruppe::Gegner : Gruppe::Helden;
}

// A random living member of the group: draws over the whole group, dead members included, until one
// lives. Only called while the group has a living member; should the draws miss for an absurdly long time
// (a scripted source that repeats one dead index), the first living member from the last draw on is taken,
// so the fight still ends.
int LebendesZiel(const QList<Kaempfer>& gruppe)
{
    const int groesse = int(gruppe.size());
    const qint64 grenze = qint64(groesse) * 64 + 10000;
    int r = 0;
    for (qint64 versuch = 0; versuch < grenze; ++versuch) {
        r = Subs::Zufallszahl(groesse) - 1;
        if (r >= 0 && r < groesse && Lebt(gruppe[r]))
            return r;
    }
    for (int i = 0; i < groesse; ++i) {
        const int j = (qMax(0, r) + i) % groesse;
        if (Lebt(gruppe[j]))
            return j;
    }
    return -1;
}

QString Zahl(qint64 wert)
{
    return QString::number(wert);
}

// The blanks before the log lines of parry, damage and death.
const QString& Einzug(int stufe)
{
    static const QString einzuege[] = {HtmlLeerraum(10), HtmlLeerraum(20), HtmlLeerraum(30)};
    return einzuege[stufe];
}

// What a fight keeps while it runs: whoever follows it, the progress bar.
struct Lauf {
    Kampfstand& stand;
    Beobachter* beobachter;
    const Fortschritt& fortschritt;
    int wert = 0;
    int maximum = 0;
    bool verlust = false; // someone lost life points in this pass
    // The members of both groups. The lists are detached once when the passes begin and keep their size
    // to the end, so every blow reaches its members without the copy-on-write check of each access.
    Kaempfer* mitglieder[2] = {nullptr, nullptr};
    int anzahl[2] = {0, 0};

    void Melden() const
    {
        if (fortschritt)
            fortschritt(wert, maximum);
    }
};

// The sides of a die text ("W6" gives 6). The texts of the die list are read digit by digit, without the
// copy and the conversion that an odds run would otherwise pay for every hit.
int Seiten(const QString& wuerfel)
{
    const qsizetype n = wuerfel.size();
    if (n >= 2 && n <= 3) {
        int seiten = 0;
        for (qsizetype i = 1; i < n; ++i) {
            const char16_t c = wuerfel[i].unicode();
            if (c < u'0' || c > u'9')
                return wuerfel.mid(1).toInt();
            seiten = seiten * 10 + (c - u'0');
        }
        return seiten;
    }
    return wuerfel.mid(1).toInt();
}

// Damage of a normal hit: one die times the number of dice plus the bonus less the armour, or the fixed
// points of an "SP" weapon; never below 0.
qint64 Schaden(const Kaempfer& a, const Kaempfer& d)
{
    qint64 s = 0;
    if (a.Wuerfel.startsWith(QLatin1Char('W'))) {
        const int seiten = Seiten(a.Wuerfel);
        s = qint64(Subs::Zufallszahl(seiten)) * a.Anzahl + a.Bonus - d.RS;
    } else {
        s = a.Anzahl;
    }
    return s < 0 ? 0 : s;
}

// One attack of actor `a` (group g, index ai) on its target. Returns true when the fight is over because
// the target's group has no living member left.
bool Angriff(Lauf& lauf, Gruppe g, int ai)
{
    Kampfstand& stand = lauf.stand;
    Beobachter* b = lauf.beobachter;
    Kaempfer& a = lauf.mitglieder[int(g)][ai];
    const Gruppe dg = Andere(g);
    Kaempfer* verteidiger = lauf.mitglieder[int(dg)];
    if (a.Ziel < 0 || a.Ziel >= lauf.anzahl[int(dg)] || !Lebt(verteidiger[a.Ziel]))
        return false;
    const int di = a.Ziel;
    Kaempfer& d = verteidiger[di];

    const int w = Subs::Zufallszahl(20);
    const bool gut = w == 1;
    const Attackenart art = gut ? Attackenart::Gut : w <= a.AT ? Attackenart::Treffer : Attackenart::Fehlschlag;
    if (b)
        b->Attacke(g, ai, art);
    if (art == Attackenart::Fehlschlag)
        return false;
    // A good attack is parried only by twice a W20 roll.
    const qint64 p = gut ? 2 * qint64(Subs::Zufallszahl(20)) : qint64(Subs::Zufallszahl(20));
    const bool pariert = p <= d.PA && !d.Pariert;
    if (b)
        b->Parade(dg, di, pariert);
    if (pariert)
        return false;
    qint64 s = 0;
    if (gut) {
        s = qint64(Subs::Zufallszahl(20)) + a.Bonus;
        if (s < 0)
            s = 0;
    } else {
        s = Schaden(a, d);
    }
    d.LE -= s;
    d.Pariert = true;
    if (s > 0)
        lauf.verlust = true;
    if (b)
        b->Schaden(g, ai, s);
    if (Lebt(d))
        return false;
    if (b)
        b->Tod(dg, di);
    ++lauf.wert;
    int& lebende = dg == Gruppe::Helden ? stand.LebendeHelden : stand.LebendeGegner;
    --lebende;
    lauf.Melden();
    if (lebende <= 0)
        return true;
    ZieleZuweisen(stand);
    stand.NeueReihenfolge = true;
    return false;
}

void Zeile(const QString& text, QIODevice& datei)
{
    HtmlRoh(text, datei);
}

void GruppeSchreiben(const QString& titel, const QList<Kaempfer>& gruppe, QIODevice& datei)
{
    HtmlUeberschrift(titel, 1, datei);
    HtmlTabelleBeginn(datei);
    Zeile(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Name", "MU", "AT", "PA", "Schaden", "RS", "LE"})
        HtmlKopfzelle(QLatin1String(kopf), datei);
    Zeile(QStringLiteral("</tr>"), datei);
    const QString schmal = QStringLiteral("10%");
    const QString breit = QStringLiteral("25%");
    for (const Kaempfer& k : gruppe) {
        if (!Lebt(k))
            continue;
        Zeile(QStringLiteral("<tr>"), datei);
        HtmlZelle(HtmlMaskieren(k.Name), breit, datei);
        HtmlZelle(Zahl(k.MU), schmal, datei);
        HtmlZelle(Zahl(k.AT), schmal, datei);
        HtmlZelle(Zahl(k.PA), schmal, datei);
        HtmlZelle(Zahl(k.Anzahl) + HtmlMaskieren(k.Wuerfel) + QLatin1Char('+') + Zahl(k.Bonus), breit, datei);
        HtmlZelle(Zahl(k.RS), schmal, datei);
        HtmlZelle(Zahl(k.LE), schmal, datei);
        Zeile(QStringLiteral("</tr>"), datei);
    }
    Zeile(QStringLiteral("</table>"), datei);
}

// The report: the groups at the start, every blow as a line, the survivors at the end.
class Bericht final : public Beobachter {
public:
    explicit Bericht(QIODevice& datei) : m_datei(datei) {}

    void Beginn(const Kampfstand& stand) override
    {
        for (int g = 0; g < 2; ++g)
            for (const Kaempfer& k : stand.Mitglieder(Gruppe(g)))
                m_namen[g].append(HtmlMaskieren(k.Name));
        KampfstandSchreiben(stand, m_datei);
    }
    void Ende(const Kampfstand& stand) override
    {
        HtmlLeerzeilen(3, m_datei);
        HtmlUeberschrift(QStringLiteral("Zustand aller Überlebenden"), 1, m_datei);
        KampfstandSchreiben(stand, m_datei);
    }
    void Attacke(Gruppe gruppe, int index, Attackenart art) override
    {
        static const QString texte[] = {QStringLiteral(" schlägt eine gute Attacke."),
                                        QStringLiteral("'s Attacke war erfolgreich."),
                                        QStringLiteral("'s Attacke ist misslungen.")};
        HtmlZeile(Name(gruppe, index) + texte[int(art)], m_datei);
    }
    void Parade(Gruppe gruppe, int index, bool pariert) override
    {
        HtmlZeile(Einzug(0) + Name(gruppe, index)
                      + (pariert ? QStringLiteral(" pariert den Angriff.")
                                 : QStringLiteral("'s Parade ist misslungen oder hat bereits pariert.")),
                  m_datei);
    }
    void Schaden(Gruppe gruppe, int index, qint64 punkte) override
    {
        HtmlZeile(Einzug(1) + Name(gruppe, index) + QStringLiteral(" verursacht ") + Zahl(punkte)
                      + QStringLiteral(" Schadenspunkte."),
                  m_datei);
    }
    void Tod(Gruppe gruppe, int index) override
    {
        HtmlZeile(Einzug(2) + Name(gruppe, index) + QStringLiteral(" stirbt"), m_datei);
    }
    void Abbruch(int runden) override
    {
        HtmlZeile(QStringLiteral("Der Kampf wurde abgebrochen: %1 Runden lang hat niemand Lebensenergie verloren.")
                      .arg(runden),
                  m_datei);
    }

private:
    const QString& Name(Gruppe g, int i) const { return m_namen[int(g)][i]; }

    QIODevice& m_datei;
    QStringList m_namen[2]; // masked once, not for every line
};

} // namespace

QString Schluessel(const Platz& platz)
{
    return QString::number(int(platz.Seite)) + QString::number(platz.Index);
}

std::optional<qint64> Kampfwert(const QString& text)
{
    bool ok = false;
    const qint64 wert = Subs::Ganzzahl(text, &ok);
    if (!ok || wert < -32768 || wert > 32767)
        return std::nullopt;
    return wert;
}

QString Untauglichmeldung(const QString& name, const QString& grund)
{
    QString text = name.isEmpty()
        ? QStringLiteral("Diese Kreatur ist momentan nicht kampftauglich, ihr müsst ihre Werte verändern.")
        : QStringLiteral("Diese Kreatur („%1“) ist momentan nicht kampftauglich, ihr müsst ihre Werte verändern.").arg(name);
    if (!grund.isEmpty())
        text += QLatin1Char(' ') + grund;
    return text;
}

std::optional<Kaempfer> KaempferAus(const QStringList& kreatur, QString* meldung)
{
    using namespace Kreaturentabellen;
    const QString name = Feld(kreatur, FeldName);
    const auto ablehnen = [&](const QString& grund) -> std::optional<Kaempfer> {
        if (meldung)
            *meldung = Untauglichmeldung(name, grund);
        return std::nullopt;
    };
    struct Wertfeld {
        int feld;
        const char* was;
    };
    // Checked in the order the edit page shows them, so the message names the first value to fix.
    const Wertfeld felder[] = {{FeldAnzahl, "die Zahl der Würfel der ersten Waffe"},
                               {FeldBonus, "der Schadensbonus der ersten Waffe"},
                               {FeldAT, "der Attackewert der ersten Waffe"},
                               {FeldRS, "der Rüstungsschutz"},
                               {FeldPA, "der Paradewert"},
                               {FeldMU, "der Mut"},
                               {FeldLE, "die Lebensenergie"}};
    qint64 werte[7] = {};
    for (int i = 0; i < 7; ++i) {
        const auto wert = Kampfwert(Feld(kreatur, felder[i].feld));
        if (!wert)
            return ablehnen(QStringLiteral("Es fehlt %1, oder der Wert ist keine Zahl von -32768 bis 32767.")
                                .arg(QString::fromUtf8(felder[i].was)));
        werte[i] = *wert;
    }
    const QString wuerfel = SchadenswuerfelText(Feld(kreatur, ErsterSchaden));
    if (wuerfel.isEmpty())
        return ablehnen(QStringLiteral("Für die erste Waffe ist keine Würfelart gewählt."));
    Kaempfer k;
    k.Name = name;
    k.Anzahl = werte[0];
    k.Bonus = werte[1];
    k.AT = werte[2];
    k.RS = werte[3];
    k.PA = werte[4];
    k.MU = werte[5];
    k.LE = werte[6];
    k.Wuerfel = wuerfel;
    return k;
}

void Aufnehmen(Kampfstand& stand, Gruppe gruppe, const Kaempfer& kaempfer)
{
    Kaempfer neu = kaempfer;
    neu.Pariert = false;
    neu.Ziel = -1;
    stand.Mitglieder(gruppe).append(neu);
}

bool Entfernen(Kampfstand& stand, Gruppe gruppe, int index)
{
    QList<Kaempfer>& mitglieder = stand.Mitglieder(gruppe);
    if (index < 0 || index >= mitglieder.size())
        return false;
    mitglieder.removeAt(index);
    return true;
}

void Leeren(Kampfstand& stand)
{
    stand = Kampfstand();
}

QString SiegerText(Sieger sieger)
{
    switch (sieger) {
    case Sieger::Helden: return QStringLiteral("Sieger: Heldengruppe");
    case Sieger::Gegner: return QStringLiteral("Sieger: Gegnergruppe");
    case Sieger::Keiner: break;
    }
    return QStringLiteral("Sieger: keiner");
}

void KampfstandSchreiben(const Kampfstand& stand, QIODevice& datei)
{
    GruppeSchreiben(QStringLiteral("Heldengruppe"), stand.Helden, datei);
    GruppeSchreiben(QStringLiteral("Gegnergruppe"), stand.Gegner, datei);
    HtmlLeerzeilen(3, datei);
}

void ReihenfolgeBestimmen(Kampfstand& stand)
{
    // Repeated selection: each place goes to the last living, unplaced member of the scan hero 0, enemy 0,
    // hero 1, enemy 1 ... whose MU is at least the best found so far in that scan, the best starting at 0.
    // That winner is always the member with the highest MU and, among equals, the latest in the scan; so the
    // order is the living members sorted by MU from highest to lowest and, at equal MU, from the latest scan
    // position back. A negative MU never wins such a scan; those members follow all others, by the same
    // rule. Sorting gives exactly this order in n log n steps instead of n squared, which matters for large
    // groups.
    struct Eintrag {
        qint64 mu;
        int position; // place in the scan: 2 i for hero i, 2 i + 1 for enemy i
    };
    // On the stack for groups of usual size: this runs after every death of every fight of an odds run.
    QVarLengthArray<Eintrag, 64> lebende;
    lebende.reserve(stand.AnzahlHelden() + stand.AnzahlGegner());
    for (int g = 0; g < 2; ++g) {
        const QList<Kaempfer>& gruppe = stand.Mitglieder(Gruppe(g));
        for (int i = 0; i < gruppe.size(); ++i)
            if (Lebt(gruppe[i]))
                lebende.append({gruppe[i].MU, 2 * i + g});
    }
    std::sort(lebende.begin(), lebende.end(), [](const Eintrag& a, const Eintrag& b) {
        return a.mu != b.mu ? a.mu > b.mu : a.position > b.position;
    });
    stand.Reihenfolge.resize(lebende.size());
    Platz* platz = stand.Reihenfolge.data();
    for (const Eintrag& e : lebende)
        *platz++ = {Gruppe(e.position % 2), e.position / 2};
}

bool InReihenfolge(const Kampfstand& stand, const QString& schluessel)
{
    for (const Platz& platz : stand.Reihenfolge)
        if (Schluessel(platz) == schluessel)
            return true;
    return false;
}

void ZieleZuweisen(Kampfstand& stand)
{
    // Members are reached through data(): one copy-on-write check per list instead of one per access.
    if (!stand.ErsteZuweisung) {
        for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
            const QList<Kaempfer>& andere = std::as_const(stand).Mitglieder(Andere(g));
            QList<Kaempfer>& gruppe = stand.Mitglieder(g);
            Kaempfer* k = gruppe.data();
            for (qsizetype i = 0, n = gruppe.size(); i < n; ++i)
                if (k[i].Ziel >= andere.size() || (k[i].Ziel >= 0 && !Lebt(andere[k[i].Ziel])))
                    k[i].Ziel = -1;
        }
    }
    const Gruppe gross = stand.LebendeHelden < stand.LebendeGegner ? Gruppe::Gegner : Gruppe::Helden;
    QList<Kaempfer>& lListe = stand.Mitglieder(gross);
    QList<Kaempfer>& sListe = stand.Mitglieder(Andere(gross));
    Kaempfer* l = lListe.data();
    Kaempfer* s = sListe.data();
    const qsizetype nl = lListe.size();
    const qsizetype ns = sListe.size();
    for (qsizetype i = 0; i < nl; ++i) {
        if (l[i].Ziel == -1)
            l[i].Ziel = LebendesZiel(sListe);
        if (i < ns && s[i].Ziel == -1)
            s[i].Ziel = Lebt(l[i]) ? int(i) : LebendesZiel(lListe);
    }
    for (qsizetype i = nl; i < ns; ++i)
        if (s[i].Ziel == -1)
            s[i].Ziel = LebendesZiel(lListe);
    stand.ErsteZuweisung = false;
}

void ParadenZuruecksetzen(Kampfstand& stand)
{
    for (QList<Kaempfer>* gruppe : {&stand.Helden, &stand.Gegner}) {
        Kaempfer* k = gruppe->data();
        for (qsizetype i = 0, n = gruppe->size(); i < n; ++i)
            k[i].Pariert = false;
    }
}

Beobachter::~Beobachter() = default;

Sieger Kampf(Kampfstand& stand, Beobachter* beobachter, const Fortschritt& fortschritt)
{
    Lauf lauf{stand, beobachter, fortschritt};
    lauf.maximum = stand.AnzahlHelden() + stand.AnzahlGegner() + 1;
    lauf.Melden();
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
        for (Kaempfer& k : stand.Mitglieder(g)) {
            k.Pariert = false;
            k.Ziel = -1;
        }
    }
    // Members dead from the start are not counted as living, so a fight of the dead ends at once.
    stand.LebendeHelden = Lebende(stand.Helden);
    stand.LebendeGegner = Lebende(stand.Gegner);
    stand.ErsteZuweisung = true;
    stand.NeueReihenfolge = false;
    stand.Reihenfolge.clear();
    stand.Runden = 0;

    if (beobachter)
        beobachter->Beginn(stand);
    // Taken after Beginn: data() detaches from any copy an observer may have kept.
    lauf.mitglieder[0] = stand.Helden.data();
    lauf.mitglieder[1] = stand.Gegner.data();
    lauf.anzahl[0] = stand.AnzahlHelden();
    lauf.anzahl[1] = stand.AnzahlGegner();
    bool abgebrochen = false;
    if (stand.LebendeHelden > 0 && stand.LebendeGegner > 0) {
        ReihenfolgeBestimmen(stand);
        ZieleZuweisen(stand);
        ParadenZuruecksetzen(stand);
        int ohneVerlust = 0;
        bool vorbei = false;
        while (!vorbei) {
            lauf.verlust = false;
            ++stand.Runden;
            // The order changes only between passes.
            const Platz* reihe = stand.Reihenfolge.constData();
            const qsizetype plaetze = stand.Reihenfolge.size();
            for (qsizetype i = 0; i < plaetze && !vorbei; ++i) {
                const Platz platz = reihe[i];
                if (!Lebt(lauf.mitglieder[int(platz.Seite)][platz.Index]))
                    continue;
                vorbei = Angriff(lauf, platz.Seite, platz.Index);
            }
            if (vorbei)
                break;
            ParadenZuruecksetzen(stand);
            if (stand.NeueReihenfolge) {
                ReihenfolgeBestimmen(stand);
                stand.NeueReihenfolge = false;
            }
            ohneVerlust = lauf.verlust ? 0 : ohneVerlust + 1;
            lauf.Melden();
            // Creatures that always parry or deal no damage would fight for ever.
            if (ohneVerlust >= Abbruchrunden) {
                if (beobachter)
                    beobachter->Abbruch(Abbruchrunden);
                abgebrochen = true;
                break;
            }
            vorbei = stand.LebendeHelden <= 0 || stand.LebendeGegner <= 0;
        }
    }
    if (beobachter)
        beobachter->Ende(stand);
    ++lauf.wert;
    lauf.Melden();
    if (abgebrochen)
        return Sieger::Keiner;
    if (stand.LebendeHelden > 0 && stand.LebendeGegner <= 0)
        return Sieger::Helden;
    if (stand.LebendeGegner > 0 && stand.LebendeHelden <= 0)
        return Sieger::Gegner;
    return Sieger::Keiner;
}

Sieger Kampf(Kampfstand& stand, QIODevice& datei, const Fortschritt& fortschritt)
{
    Bericht bericht(datei);
    return Kampf(stand, &bericht, fortschritt);
}

std::optional<Sieger> KampfSpeichern(Kampfstand& stand, const QString& pfad, QString* fehler,
                                     const Fortschritt& fortschritt)
{
    Sieger sieger = Sieger::Keiner;
    QString grund;
    // A fight whose report has nowhere to go is not fought: the groups stay as they are.
    if (!Dateien::Beschreibbar(pfad, &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Der Kampfbericht %1 konnte nicht angelegt werden: %2").arg(Dateien::Anzeigename(pfad), grund);
        return std::nullopt;
    }
    // The report is complete and in place before anyone is told the fight is over or a viewer opens it.
    if (!Dateien::AtomarSchreiben(pfad, [&](QIODevice& datei) { sieger = Kampf(stand, datei, fortschritt); }, &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Der Kampfbericht %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund);
        return std::nullopt;
    }
    return sieger;
}

} // namespace BattleEngine
