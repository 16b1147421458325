#include "Reise.h"

#include "Dateien.h"
#include "ExplorerEngine.h"
#include "Geld.h"
#include "HTMLExport.h"
#include "KartenEngine.h"
#include "Kreaturentabelle.h"
#include "Subs.h"
#include "Zeilendatei.h"

#include <QBuffer>
#include <QHash>
#include <QSet>

#include <limits>

namespace Reise {

using namespace HTMLExport;
using DayEngine::Jahreszeit;

namespace {

const QString kStrich = QStringLiteral(" – ");

std::nullopt_t Nein(QString* fehler, const QString& meldung)
{
    if (fehler)
        *fehler = meldung;
    return std::nullopt;
}

// The entry of the city list that names the city: exactly, else trimmed and without regard to case.
QString Gelistet(const QStringList& liste, const QString& name)
{
    if (liste.contains(name))
        return name;
    for (const QString& eintrag : liste)
        if (eintrag.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return eintrag;
    return QString();
}

bool GueltigePosition(const ExplorerEngine::Kartenstadt& stadt)
{
    constexpr qint64 hoechstens = std::numeric_limits<qint32>::max();
    return stadt.HatPosition && stadt.X >= 0 && stadt.Y >= 0 && stadt.X <= hoechstens && stadt.Y <= hoechstens;
}

// The legs between the cities of the plan, with their distances.
std::optional<QList<Etappe>> Staedteetappen(const QStringList& staedte, QString* fehler)
{
    if (staedte.size() < 2)
        return Nein(fehler, QStringLiteral("Eine Reise braucht einen Start und ein Ziel."));
    const KartenEngine::Staedte liste = KartenEngine::ListeLaden();
    if (!liste.Meldung.isEmpty())
        return Nein(fehler, liste.Meldung);
    const QString registerMeldung = KartenEngine::RegisterMeldung();
    if (!registerMeldung.isEmpty())
        return Nein(fehler, registerMeldung);
    QList<ExplorerEngine::Kartenstadt> orte;
    for (const QString& name : staedte) {
        const QString eintrag = Gelistet(liste.Namen, name);
        if (eintrag.isEmpty())
            return Nein(fehler, liste.Namen.isEmpty()
                                    ? QStringLiteral("Die Stadt „%1“ steht nicht in der Städteliste; die Liste ist leer.").arg(name)
                                    : QStringLiteral("Die Stadt „%1“ steht nicht in der Städteliste; bekannt sind: %2.")
                                          .arg(name, liste.Namen.join(QStringLiteral(", "))));
        if (!orte.isEmpty() && orte.last().Name == eintrag)
            return Nein(fehler, QStringLiteral("Die Stadt „%1“ steht zweimal hintereinander in der Route.").arg(eintrag));
        ExplorerEngine::Kartenstadt stadt = ExplorerEngine::StadtLesen(eintrag);
        stadt.Name = eintrag;
        if (!GueltigePosition(stadt))
            return Nein(fehler, QStringLiteral("Die Stadt „%1“ hat in Städte.dat keine gültige Position (X und Y); ihre "
                                               "Entfernung lässt sich nicht messen.")
                                    .arg(eintrag));
        orte.append(stadt);
    }
    QList<Etappe> etappen;
    for (qsizetype i = 1; i < orte.size(); ++i) {
        Etappe e;
        e.Von = orte[i - 1].Name;
        e.Nach = orte[i].Name;
        e.VonX = orte[i - 1].X;
        e.VonY = orte[i - 1].Y;
        e.NachX = orte[i].X;
        e.NachY = orte[i].Y;
        // The map explorer's measurement between the two positions on the large map.
        e.Meilen = KartenEngine::MeilenZwischen({qint32(e.VonX), qint32(e.VonY)}, {qint32(e.NachX), qint32(e.NachY)},
                                                KartenEngine::Karte::Gross);
        if (e.Meilen < 1)
            return Nein(fehler, QStringLiteral("Die Etappe %1 von %2 nach %3 ist 0 Meilen lang; die beiden Städte liegen "
                                               "auf der Karte zu dicht beieinander.")
                                    .arg(i)
                                    .arg(e.Von, e.Nach));
        etappen.append(e);
    }
    return etappen;
}

// The sub-kind the user chose: exactly, else without regard to case; the first when none was chosen.
const DayEngine::Geschwindigkeit* UnterartSuchen(const QList<DayEngine::Geschwindigkeit>& arten, const QString& name)
{
    if (name.isEmpty())
        return arten.isEmpty() ? nullptr : &arten.first();
    for (const DayEngine::Geschwindigkeit& g : arten)
        if (g.Unterart == name)
            return &g;
    for (const DayEngine::Geschwindigkeit& g : arten)
        if (!g.Unterart.isEmpty() && g.Unterart.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &g;
    return nullptr;
}

// Terrain, speed and days of one leg (*tage uncut, e.Tage within reach of the limit); false with the message
// when the choice does not work.
bool GelaendeZuordnen(Etappe& e, int nummer, const Etappenwahl& wahl, bool beritten, qint64* tage, QString* fehler)
{
    const QStringList arten = DayEngine::Gelaendearten();
    if (wahl.Gelaende.isEmpty()) {
        Nein(fehler, QStringLiteral("Bitte wählt eine Geländeart aus."));
        return false;
    }
    if (!arten.contains(wahl.Gelaende)) {
        Nein(fehler, QStringLiteral("Unbekannte Geländeart „%1“; bekannt sind: %2.").arg(wahl.Gelaende, arten.join(QStringLiteral(", "))));
        return false;
    }
    e.Gelaende = wahl.Gelaende;
    e.Huegelig = wahl.Huegelig;
    const QList<DayEngine::Geschwindigkeit> tempi = DayEngine::Geschwindigkeiten(wahl.Gelaende);
    const DayEngine::Geschwindigkeit* art = UnterartSuchen(tempi, wahl.Unterart);
    if (!wahl.Unterart.isEmpty() && (!art || art->Unterart.isEmpty())) {
        QStringList namen;
        for (const DayEngine::Geschwindigkeit& g : tempi)
            if (!g.Unterart.isEmpty())
                namen.append(g.Unterart);
        Nein(fehler, namen.isEmpty() ? QStringLiteral("%1 hat keine Unterarten; „%2“ passt nicht.").arg(wahl.Gelaende, wahl.Unterart)
                                     : QStringLiteral("„%1“ ist keine Unterart von %2; bekannt sind: %3.")
                                           .arg(wahl.Unterart, wahl.Gelaende, namen.join(QStringLiteral(", "))));
        return false;
    }
    e.Unterart = art ? art->Unterart : QString();
    int tempo = art ? (beritten ? art->Beritten : art->Fuss) : 0;
    if (tempo <= 0) {
        if (wahl.MeilenProTag <= 0) {
            Nein(fehler, QStringLiteral("Für die Etappe %1 (%2, %3) kennt Tageslauf keine Geschwindigkeit %4; gebt an, wie "
                                        "viele Meilen die Gruppe dort am Tag schafft.")
                             .arg(nummer)
                             .arg(e.Name(), e.GelaendeText(), beritten ? QStringLiteral("beritten") : QStringLiteral("zu Fuß")));
            return false;
        }
        e.Vorgegeben = true;
        tempo = wahl.MeilenProTag;
    }
    // Hills cost a quarter of the way, as the day page says.
    if (e.Huegelig)
        tempo = qMax(1, DayEngine::ProzentVon(75, tempo));
    e.MeilenProTag = tempo;
    *tage = (e.Meilen + tempo - 1) / tempo;
    e.Tage = int(qMin<qint64>(*tage, HoechsteTage + 1));
    return true;
}

// A line not drawn before on this journey; once all lines of the list are used up, they all come again.
QString EreignisZiehen(const QStringList& zeilen, QSet<QString>& gezogen)
{
    if (zeilen.isEmpty())
        return QString();
    QList<qsizetype> frei;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (!gezogen.contains(zeilen[i]))
            frei.append(i);
    if (frei.isEmpty()) {
        for (const QString& zeile : zeilen)
            gezogen.remove(zeile);
        for (qsizetype i = 0; i < zeilen.size(); ++i)
            frei.append(i);
    }
    const int n = int(qMin<qsizetype>(frei.size(), std::numeric_limits<int>::max()));
    const QString& text = zeilen[frei[qBound(1, Subs::Zufallszahl(n), n) - 1]];
    gezogen.insert(text);
    return text;
}

void Melden(QStringList& meldungen, const QString& meldung)
{
    if (!meldung.isEmpty() && !meldungen.contains(meldung))
        meldungen.append(meldung);
}

// The days of the route with their rolls, in order: weather, wind, temperature, event, encounter.
QList<Tag> TageWuerfeln(const Route& route, Jahreszeit saison, const QHash<QString, QStringList>& ereignisse,
                        const QHash<QString, Begegnungen::Tabelle>& tabellen)
{
    const bool kette = saison == Jahreszeit::Fruehling || saison == Jahreszeit::Herbst;
    QList<Tag> tage;
    QSet<QString> gezogen;
    qint64 rest = route.Meilen;
    for (qsizetype ei = 0; ei < route.Etappen.size(); ++ei) {
        const Etappe& etappe = route.Etappen[ei];
        qint64 offen = etappe.Meilen;
        for (int d = 0; d < etappe.Tage; ++d) {
            Tag t;
            t.Nummer = int(tage.size()) + 1;
            t.Etappe = int(ei);
            // The day tool's chain; a storm (index 20 and above) breaks it, or it would never end.
            if (kette && !tage.isEmpty() && tage.last().Wetterwurf < 20)
                t.Wetterwurf = tage.last().Wetterwurf + Subs::Zufallszahl(6) + tage.last().Wetter.Trend;
            else
                t.Wetterwurf = Subs::Zufallszahl(20);
            t.Wetter = DayEngine::Wetter(saison, t.Wetterwurf);
            t.Windstufe = Subs::Zufallszahl(6) + t.Wetter.WindMod;
            t.Wind = DayEngine::Windtext(t.Windstufe);
            t.Temperaturstufe = Subs::Zufallszahl(6) + t.Wetter.TempMod;
            t.Temperatur = DayEngine::Temperaturtext(t.Temperaturstufe, saison);
            t.Gemacht = qMin<qint64>(etappe.MeilenProTag, offen);
            offen -= t.Gemacht;
            rest -= t.Gemacht;
            t.Rest = rest;
            t.Ereignis = EreignisZiehen(ereignisse.value(etappe.Gelaende), gezogen);
            t.Begegnung = Begegnungen::Ziehen(tabellen.value(etappe.Gelaende));
            tage.append(t);
        }
    }
    return tage;
}

// Every creature of the journey's tables is looked up once; odds come for those that can fight.
void ChancenBerechnen(Ergebnis& e, const QHash<QString, Begegnungen::Tabelle>& tabellen, const QStringList& gelaende)
{
    bool noetig = false;
    for (const QString& g : gelaende)
        noetig = noetig || !tabellen.value(g).Zeilen.isEmpty();
    if (!noetig)
        return;
    Kreaturentabellen::Kreaturentabelle datenbank;
    Melden(e.Meldungen, Kreaturentabellen::Lademeldung(Kreaturentabellen::Laden(datenbank)));
    QHash<QString, std::optional<BattleEngine::Kaempfer>> kaempfer;
    for (const QString& g : gelaende) {
        for (const Begegnungen::Zeile& z : tabellen.value(g).Zeilen) {
            if (kaempfer.contains(z.Name))
                continue;
            const int zeile = Kreaturentabellen::ZeileSuchen(datenbank, z.Name);
            if (zeile < 0) {
                Melden(e.Meldungen, QStringLiteral("Die Kreatur „%1“ aus %2 steht nicht in der Kreaturendatenbank; eine "
                                                   "Begegnung mit ihr hat keine Gewinnchance.")
                                        .arg(z.Name, Begegnungen::Anzeige(g)));
                kaempfer.insert(z.Name, std::nullopt);
                continue;
            }
            QString grund;
            const std::optional<BattleEngine::Kaempfer> k = BattleEngine::KaempferAus(datenbank.Zeilen[zeile], &grund);
            // Only where odds are asked for does an unfit creature matter.
            if (!k && !e.Vorgabe.Helden.isEmpty())
                Melden(e.Meldungen, grund);
            kaempfer.insert(z.Name, k);
        }
    }
    if (e.Vorgabe.Helden.isEmpty())
        return;
    // The same group against the same heroes with the same seed gives the same odds: each is fought once.
    QHash<QString, Chancen> bekannt;
    for (Tag& t : e.Tage) {
        if (!t.Begegnung)
            continue;
        const std::optional<BattleEngine::Kaempfer> gegner = kaempfer.value(t.Begegnung->Name);
        if (!gegner)
            continue;
        const QString schluessel = t.Begegnung->Name + QLatin1Char('\t') + QString::number(t.Begegnung->Anzahl);
        if (!bekannt.contains(schluessel)) {
            BattleEngine::Kampfstand stand;
            for (const BattleEngine::Kaempfer& held : e.Vorgabe.Helden)
                BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Helden, held);
            for (int i = 0; i < t.Begegnung->Anzahl; ++i)
                BattleEngine::Aufnehmen(stand, BattleEngine::Gruppe::Gegner, *gegner);
            const std::optional<Gewinnchancen::Ergebnis> r = Gewinnchancen::Berechnen(stand, Kaempfe, e.Saat);
            Chancen c;
            if (r) {
                c.Berechnet = true;
                c.Sieg = r->Sieg(BattleEngine::Sieger::Helden);
                c.Niederlage = r->Sieg(BattleEngine::Sieger::Gegner);
            }
            bekannt.insert(schluessel, c);
        }
        t.Chance = bekannt.value(schluessel);
    }
}

void ProviantBerechnen(Ergebnis& e)
{
    const Reiseproviant::Liste liste = Reiseproviant::Lesen();
    for (const QString& m : liste.Meldungen)
        Melden(e.Meldungen, m);
    QHash<QString, Reiseproviant::Ware> katalog;
    if (!liste.Eintraege.isEmpty()) {
        QStringList meldungen;
        katalog = Reiseproviant::Warenkatalog(&meldungen);
        for (const QString& m : meldungen)
            Melden(e.Meldungen, m);
    }
    QHash<QString, int> tageJeGelaende;
    for (const Etappe& etappe : e.Strecke.Etappen)
        tageJeGelaende[etappe.Gelaende] += etappe.Tage;
    e.Proviant = Reiseproviant::Berechnen(liste, e.Vorgabe.Reisende, e.Vorgabe.Reittiere, e.Strecke.Tage, tageJeGelaende,
                                          katalog);
    for (const QString& m : e.Proviant.Meldungen)
        Melden(e.Meldungen, m);
}

} // namespace

QString Etappe::GelaendeText() const
{
    return Unterart.isEmpty() ? Gelaende : Gelaende + QStringLiteral(" (") + Unterart + QLatin1Char(')');
}

QString Etappe::Name() const
{
    return Von.isEmpty() ? QStringLiteral("%1 Meilen").arg(Subs::Tausender(Meilen)) : Von + kStrich + Nach;
}

std::optional<Route> RoutePlanen(const Plan& plan, QString* fehler)
{
    if (plan.Reisende < 1 || plan.Reisende > HoechsteKoepfe)
        return Nein(fehler, QStringLiteral("Es reisen 1 bis %1 Personen, nicht %2.").arg(Subs::Tausender(HoechsteKoepfe)).arg(plan.Reisende));
    if (plan.Reittiere < 0 || plan.Reittiere > HoechsteKoepfe)
        return Nein(fehler, QStringLiteral("Es reisen 0 bis %1 Reittiere, nicht %2.").arg(Subs::Tausender(HoechsteKoepfe)).arg(plan.Reittiere));
    Route route;
    if (!plan.Staedte.isEmpty()) {
        if (plan.Meilen != 0)
            return Nein(fehler, QStringLiteral("Nennt entweder Städte oder eine Entfernung in Meilen, nicht beides."));
        const std::optional<QList<Etappe>> etappen = Staedteetappen(plan.Staedte, fehler);
        if (!etappen)
            return std::nullopt;
        route.Etappen = *etappen;
    } else {
        if (plan.Meilen < 1)
            return Nein(fehler, QStringLiteral("Die Etappe 1 ist 0 Meilen lang; gebt eine Entfernung von mindestens 1 Meile "
                                               "an."));
        Etappe e;
        e.Meilen = plan.Meilen;
        route.Etappen.append(e);
    }
    const qsizetype n = route.Etappen.size();
    if (plan.Etappen.isEmpty())
        return Nein(fehler, QStringLiteral("Bitte wählt eine Geländeart aus."));
    if (plan.Etappen.size() != 1 && plan.Etappen.size() != n)
        return Nein(fehler, QStringLiteral("Die Route hat %1, aber %2 Geländeangaben; gebt eine für alle Etappen oder eine "
                                           "je Etappe an.")
                                .arg(n == 1 ? QStringLiteral("eine Etappe") : QStringLiteral("%1 Etappen").arg(n))
                                .arg(plan.Etappen.size()));
    qint64 tage = 0;
    for (qsizetype i = 0; i < n; ++i) {
        Etappe& e = route.Etappen[i];
        qint64 etappentage = 0;
        if (!GelaendeZuordnen(e, int(i + 1), plan.Etappen[plan.Etappen.size() == 1 ? 0 : i], plan.Beritten,
                              &etappentage, fehler))
            return std::nullopt;
        route.Meilen += e.Meilen;
        tage += etappentage;
    }
    if (tage > HoechsteTage)
        return Nein(fehler, QStringLiteral("Die Reise dauert %1 Tage; Tageslauf plant höchstens %2 Tage.")
                                .arg(tage > 10 * HoechsteTage ? QStringLiteral("mehr als %1").arg(10 * HoechsteTage)
                                                              : QString::number(tage))
                                .arg(HoechsteTage));
    route.Tage = int(tage);
    return route;
}

std::optional<Ergebnis> Planen(const Plan& plan, quint64 saat, QString* fehler)
{
    std::optional<Route> route = RoutePlanen(plan, fehler);
    if (!route)
        return std::nullopt;
    Ergebnis e;
    e.Vorgabe = plan;
    e.Strecke = *route;
    e.Saat = saat;
    QStringList gelaende;
    QHash<QString, QStringList> ereignisse;
    QHash<QString, Begegnungen::Tabelle> tabellen;
    for (const Etappe& etappe : e.Strecke.Etappen) {
        if (gelaende.contains(etappe.Gelaende))
            continue;
        gelaende.append(etappe.Gelaende);
        const DayEngine::Ereignisdatei datei = DayEngine::EreignisseFuer(etappe.Gelaende);
        for (const QString& m : datei.Meldung.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            Melden(e.Meldungen, m);
        ereignisse.insert(etappe.Gelaende, datei.Zeilen);
        const Begegnungen::Tabelle tabelle = Begegnungen::Lesen(etappe.Gelaende);
        if (!tabelle.Vorhanden)
            Melden(e.Meldungen, QStringLiteral("Für %1 gibt es keine Begegnungstabelle (%2); dort gibt es unterwegs keine "
                                               "Begegnungen.")
                                    .arg(etappe.Gelaende, Begegnungen::Anzeige(etappe.Gelaende)));
        for (const QString& m : tabelle.Meldungen)
            Melden(e.Meldungen, m);
        tabellen.insert(etappe.Gelaende, tabelle);
    }
    e.Tage = TageWuerfeln(e.Strecke, plan.Saison, ereignisse, tabellen);
    ChancenBerechnen(e, tabellen, gelaende);
    ProviantBerechnen(e);
    return e;
}

QString BegegnungText(const Begegnungen::Begegnung& begegnung)
{
    return QStringLiteral("%1× %2").arg(begegnung.Anzahl).arg(begegnung.Name);
}

namespace {

QString Titel(const Ergebnis& e)
{
    const QList<Etappe>& etappen = e.Strecke.Etappen;
    if (etappen.isEmpty() || etappen.first().Von.isEmpty())
        return QStringLiteral("Reise über %1 Meilen").arg(Subs::Tausender(e.Strecke.Meilen));
    return QStringLiteral("Reise von %1 nach %2").arg(etappen.first().Von, etappen.last().Nach);
}

QString Routentext(const Ergebnis& e)
{
    const QList<Etappe>& etappen = e.Strecke.Etappen;
    if (etappen.isEmpty() || etappen.first().Von.isEmpty())
        return QStringLiteral("%1 Meilen ohne Städte").arg(Subs::Tausender(e.Strecke.Meilen));
    QStringList orte{etappen.first().Von};
    for (const Etappe& etappe : etappen)
        orte.append(etappe.Nach);
    return orte.join(kStrich);
}

void Kopfzeile(const QStringList& spalten, QIODevice& datei)
{
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const QString& s : spalten)
        HtmlKopfzelle(s, datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
}

// A row of cells; the texts are masked here.
void Zeile(const QList<QPair<QString, const char*>>& zellen, QIODevice& datei)
{
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const auto& [text, breite] : zellen)
        HtmlZelle(text.isEmpty() ? QStringLiteral("&nbsp;") : HtmlMaskieren(text), QString::fromLatin1(breite), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
}

QString Mengentext(qint64 n)
{
    return Subs::Tausender(n);
}

void KopfSchreiben(const Ergebnis& e, QIODevice& datei)
{
    const Plan& p = e.Vorgabe;
    HtmlRoh(QStringLiteral("<html>"), datei);
    HtmlRoh(QStringLiteral("<head>"), datei);
    HtmlRoh(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"), datei);
    HtmlRoh(QStringLiteral("<title>") + HtmlMaskieren(Titel(e)) + QStringLiteral(" - Tageslauf 3</title>"), datei);
    HtmlRoh(QStringLiteral("</head>"), datei);
    HtmlRoh(QStringLiteral("<body>"), datei);
    HtmlUeberschrift(HtmlMaskieren(Titel(e)), 1, datei);
    HtmlEintrag(QStringLiteral("Route: "), HtmlMaskieren(Routentext(e)), datei);
    HtmlEintrag(QStringLiteral("Meilen insgesamt: "), Subs::Tausender(e.Strecke.Meilen), datei);
    HtmlEintrag(QStringLiteral("Reisetage: "), QString::number(e.Strecke.Tage), datei);
    HtmlEintrag(QStringLiteral("Reiseart: "), p.Beritten ? QStringLiteral("beritten") : QStringLiteral("zu Fuß"), datei);
    HtmlEintrag(QStringLiteral("Jahreszeit: "), DayEngine::JahreszeitName(p.Saison), datei);
    HtmlEintrag(QStringLiteral("Reisende: "), QString::number(p.Reisende), datei);
    HtmlEintrag(QStringLiteral("Reittiere: "), QString::number(p.Reittiere), datei);
    QStringList helden;
    for (const BattleEngine::Kaempfer& k : p.Helden)
        helden.append(k.Name);
    HtmlEintrag(QStringLiteral("Helden: "),
                helden.isEmpty() ? QStringLiteral("keine angegeben, daher keine Gewinnchancen")
                                 : HtmlMaskieren(helden.join(QStringLiteral(", "))
                                                 + (p.Heldenquelle.isEmpty() ? QString() : QStringLiteral(" (aus %1)").arg(p.Heldenquelle))),
                datei);
    HtmlEintrag(QStringLiteral("Seed: "), QString::number(e.Saat), datei);
    HtmlLeerzeilen(1, datei);

    HtmlUeberschrift(QStringLiteral("Etappen"), 2, datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile({QStringLiteral("Etappe"), QStringLiteral("Strecke"), QStringLiteral("Gelände"), QStringLiteral("Hügelig"),
               QStringLiteral("Meilen"), QStringLiteral("Meilen pro Tag"), QStringLiteral("Tage")},
              datei);
    for (qsizetype i = 0; i < e.Strecke.Etappen.size(); ++i) {
        const Etappe& et = e.Strecke.Etappen[i];
        Zeile({{QString::number(i + 1), "8%"},
               {et.Name(), "30%"},
               {et.GelaendeText(), "25%"},
               {et.Huegelig ? QStringLiteral("ja") : QStringLiteral("nein"), "8%"},
               {Subs::Tausender(et.Meilen), "9%"},
               {QString::number(et.MeilenProTag) + (et.Vorgegeben ? QStringLiteral(" (angegeben)") : QString()), "12%"},
               {QString::number(et.Tage), "8%"}},
              datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlZeile(QStringLiteral("Jede Etappe endet in ihrer Stadt; der letzte Tag einer Etappe ist oft kürzer. Hügeliges "
                             "Terrain verringert die Geschwindigkeit um weitere 25%."),
              datei);
    for (const QString& m : e.Meldungen)
        HtmlEintrag(QStringLiteral("Hinweis: "), HtmlMaskieren(m), datei);
}

void KarteSchreiben(const Ergebnis& e, const QByteArray& karte, QIODevice& datei)
{
    HtmlUeberschrift(QStringLiteral("Die Route auf der Karte"), 2, datei);
    if (karte.isEmpty()) {
        HtmlZeile(e.Strecke.Etappen.value(0).Von.isEmpty() ? QStringLiteral("Ohne Städte gibt es keine Route auf der Karte.")
                                                           : QStringLiteral("Das Kartenbild ließ sich nicht zeichnen."),
                  datei);
        return;
    }
    // The picture travels inside the page, so the page can be kept, printed or mailed on its own. Its size
    // from the PNG header lets a browser lay the page out before it has decoded the picture.
    QString groesse;
    if (karte.size() >= 24 && karte.startsWith("\x89PNG\r\n\x1a\n")) {
        auto zahl = [&karte](int i) {
            return (quint32(quint8(karte[i])) << 24) | (quint32(quint8(karte[i + 1])) << 16)
                | (quint32(quint8(karte[i + 2])) << 8) | quint32(quint8(karte[i + 3]));
        };
        groesse = QStringLiteral(" width=\"%1\" height=\"%2\"").arg(zahl(16)).arg(zahl(20));
    }
    // A paragraph of its own: Qt's rich text would set the picture into the heading's line.
    HtmlRoh(QStringLiteral("<p><img src=\"data:image/png;base64,") + QString::fromLatin1(karte.toBase64()) + QLatin1Char('"')
                + groesse + QStringLiteral(" alt=\"Die Route auf der großen Karte\"></p>"),
            datei);
}

void TageSchreiben(const Ergebnis& e, QIODevice& datei)
{
    HtmlUeberschrift(QStringLiteral("Tag für Tag"), 2, datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile({QStringLiteral("Tag"), QStringLiteral("Etappe"), QStringLiteral("Gelände"), QStringLiteral("Wetter"),
               QStringLiteral("Windstärke"), QStringLiteral("Temperatur"), QStringLiteral("Meilen"),
               QStringLiteral("Noch"), QStringLiteral("Tagesereignis"), QStringLiteral("Begegnung")},
              datei);
    for (const Tag& t : e.Tage) {
        const Etappe& et = e.Strecke.Etappen[t.Etappe];
        Zeile({{QString::number(t.Nummer), "4%"},
               {QString::number(t.Etappe + 1), "4%"},
               {et.GelaendeText(), "10%"},
               {t.Wetter.Text, "10%"},
               {t.Wind, "8%"},
               {t.Temperatur, "9%"},
               {Subs::Tausender(t.Gemacht), "5%"},
               {Subs::Tausender(t.Rest), "5%"},
               {t.Ereignis, "35%"},
               {t.Begegnung ? BegegnungText(*t.Begegnung) : QString(), "10%"}},
              datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlLeerzeilen(1, datei);
}

void BegegnungenSchreiben(const Ergebnis& e, QIODevice& datei)
{
    HtmlUeberschrift(QStringLiteral("Begegnungen"), 2, datei);
    QList<const Tag*> mit;
    for (const Tag& t : e.Tage)
        if (t.Begegnung)
            mit.append(&t);
    if (mit.isEmpty()) {
        HtmlZeile(QStringLiteral("Unterwegs gibt es keine Begegnung."), datei);
        return;
    }
    const bool helden = !e.Vorgabe.Helden.isEmpty();
    if (helden)
        HtmlZeile(QStringLiteral("Gewinnchancen der Helden aus %1 Kämpfen je Begegnung, mit dem Bereich, in dem der wahre "
                                 "Wert mit 95 % Sicherheit liegt.")
                      .arg(Subs::Tausender(Kaempfe)),
                  datei);
    else
        HtmlZeile(QStringLiteral("Ohne Helden gibt es keine Gewinnchancen; wählt eine Aufstellung, um sie zu berechnen."), datei);
    HtmlTabelleBeginn(datei);
    QStringList kopf{QStringLiteral("Tag"), QStringLiteral("Gelände"), QStringLiteral("Begegnung")};
    if (helden)
        kopf << QStringLiteral("Sieg der Helden") << QStringLiteral("95-%-Bereich") << QStringLiteral("Niederlage");
    Kopfzeile(kopf, datei);
    for (const Tag* t : mit) {
        QList<QPair<QString, const char*>> zellen{{QString::number(t->Nummer), "8%"},
                                                  {e.Strecke.Etappen[t->Etappe].GelaendeText(), "27%"},
                                                  {BegegnungText(*t->Begegnung), "25%"}};
        if (helden) {
            const Chancen& c = t->Chance;
            const QString fehlt = QStringLiteral("keine Angabe");
            zellen.append({c.Berechnet ? Gewinnchancen::Prozent(c.Sieg.Wert) : fehlt, "13%"});
            zellen.append({c.Berechnet ? Gewinnchancen::Prozent(c.Sieg.Unten) + kStrich + Gewinnchancen::Prozent(c.Sieg.Oben)
                                       : QString(),
                           "15%"});
            zellen.append({c.Berechnet ? Gewinnchancen::Prozent(c.Niederlage.Wert) : QString(), "12%"});
        }
        Zeile(zellen, datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlLeerzeilen(1, datei);
}

void ProviantSchreiben(const Ergebnis& e, QIODevice& datei)
{
    HtmlUeberschrift(QStringLiteral("Proviant"), 2, datei);
    HtmlZeile(QStringLiteral("Für %1 Reisende und %2 Reittiere auf %3 Tagen, mit den Preisen des Warenkatalogs.")
                  .arg(e.Vorgabe.Reisende)
                  .arg(e.Vorgabe.Reittiere)
                  .arg(e.Strecke.Tage),
              datei);
    if (e.Proviant.Einkaeufe.isEmpty()) {
        HtmlZeile(QStringLiteral("Kein Proviant."), datei);
        return;
    }
    HtmlTabelleBeginn(datei);
    Kopfzeile({QStringLiteral("Ware"), QStringLiteral("Menge"), QStringLiteral("Preis je Stück"), QStringLiteral("Summe")},
              datei);
    bool fehlt = false;
    for (const Reiseproviant::Einkauf& k : e.Proviant.Einkaeufe) {
        fehlt = fehlt || !k.Bepreist;
        Zeile({{k.Ware, "46%"},
               {Mengentext(k.Menge), "12%"},
               {k.Preis.isEmpty() ? QStringLiteral("nicht im Warenkatalog") : k.Preis, "17%"},
               {k.Bepreist ? Geld::Summe(k.Summe) : QStringLiteral("nicht eingerechnet"), "25%"}},
              datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlEintrag(QStringLiteral("Gesamt: "),
                Geld::Summe(e.Proviant.Summe) + (fehlt ? QStringLiteral(" (ohne die nicht eingerechneten Waren)") : QString()),
                datei);
}

} // namespace

void SeiteSchreiben(const Ergebnis& ergebnis, const QByteArray& karte, QIODevice& datei)
{
    KopfSchreiben(ergebnis, datei);
    KarteSchreiben(ergebnis, karte, datei);
    TageSchreiben(ergebnis, datei);
    BegegnungenSchreiben(ergebnis, datei);
    ProviantSchreiben(ergebnis, datei);
    HtmlRoh(QStringLiteral("</body>"), datei);
    HtmlRoh(QStringLiteral("</html>"), datei);
}

QByteArray Seite(const Ergebnis& ergebnis, const QByteArray& karte)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    SeiteSchreiben(ergebnis, karte, puffer);
    return bytes;
}

bool SeiteSpeichern(const Ergebnis& ergebnis, const QByteArray& karte, const QString& pfad, QString* fehler)
{
    const QByteArray bytes = Seite(ergebnis, karte);
    QString grund;
    if (Dateien::Schreiben(pfad, bytes, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Reise konnte nicht in die Datei %1 geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund);
    return false;
}

namespace {

// A field of a batch line: a tab in an event or a name from a file would split it.
QString Feld(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

} // namespace

QStringList Ausgabezeilen(const Ergebnis& ergebnis)
{
    const QChar tab = QLatin1Char('\t');
    QStringList zeilen;
    for (const Tag& t : ergebnis.Tage) {
        const bool anteil = t.Begegnung && t.Chance.Berechnet;
        zeilen.append(QStringList{QStringLiteral("Tag"), QString::number(t.Nummer),
                                  ergebnis.Strecke.Etappen[t.Etappe].GelaendeText(), t.Wetter.Text, t.Wind, t.Temperatur,
                                  QString::number(t.Gemacht), QString::number(t.Rest), Feld(t.Ereignis),
                                  t.Begegnung ? Feld(BegegnungText(*t.Begegnung)) : QString(),
                                  anteil ? Gewinnchancen::Prozent(t.Chance.Sieg.Wert) : QString()}
                          .join(tab));
    }
    for (const Reiseproviant::Einkauf& k : ergebnis.Proviant.Einkaeufe)
        zeilen.append(QStringList{QStringLiteral("Proviant"), Feld(k.Ware), QString::number(k.Menge), Feld(k.Preis)}.join(tab));
    zeilen.append(QStringLiteral("Summe") + tab + Geld::Summe(ergebnis.Proviant.Summe));
    return zeilen;
}

} // namespace Reise
