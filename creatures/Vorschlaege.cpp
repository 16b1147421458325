#include "Vorschlaege.h"

#include "Aufstellung.h"
#include "Creatures3Variablen.h"
#include "Dateien.h"
#include "HTMLExport.h"
#include "Kampfkern.h"
#include "Kreaturentabelle.h"
#include "Subs.h"

#include <QDir>
#include <QIODevice>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <thread>
#include <vector>

namespace Vorschlaege {

using BattleEngine::Gruppe;
using BattleEngine::Kaempfer;
using BattleEngine::Kampfstand;
using BattleEngine::Sieger;
using Gewinnchancen::Prozent;

namespace {

constexpr int FeldRegionen = 3;
constexpr int FeldFaehigkeiten = 9;

// Fights a group is screened with: enough to tell a group at 70 % from one at 60 % almost always, few
// enough to screen every kind and pair in a second. They are the first fights of the confirmation.
constexpr qint64 Probekaempfe = 500;
// Of the stronger kind of a pair a group holds at most this many: a leader or a few with their pack.
constexpr int HoechsteAnfuehrer = 3;

QString Normal(const QString& text)
{
    return text.trimmed().toLower();
}

// The words of a text: runs of letters, with where each starts and ends.
struct Wort {
    QString text;
    qsizetype anfang;
    qsizetype ende;
};

QList<Wort> Woerter(const QString& text)
{
    QList<Wort> woerter;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && !text[i].isLetter())
            ++i;
        const qsizetype anfang = i;
        while (i < n && text[i].isLetter())
            ++i;
        if (i > anfang)
            woerter.append({text.mid(anfang, i - anfang), anfang, i});
    }
    return woerter;
}

// Whether the kind's text names the other: its name as a word, or as the start of a longer word when the
// name has five letters or more ("Kultisten"); a name of several words as it stands.
bool Nennt(const Art& art, const QString& name)
{
    const QString n = Normal(name);
    if (n.isEmpty())
        return false;
    if (n.contains(QLatin1Char(' ')))
        return art.Text.contains(n);
    for (const QString& w : art.Woerter)
        if (w == n || (n.size() >= 5 && w.startsWith(n)))
            return true;
    return false;
}

Kampfstand Aufstellen(const QList<Kaempfer>& helden, const QList<Art>& arten, const QList<Teil>& gruppe)
{
    Kampfstand stand;
    for (const Kaempfer& k : helden)
        BattleEngine::Aufnehmen(stand, Gruppe::Helden, k);
    for (const Teil& t : gruppe)
        for (int i = 0; i < t.Anzahl; ++i)
            BattleEngine::Aufnehmen(stand, Gruppe::Gegner, arten[t.Art].Kaempfer);
    return stand;
}

QString Gruppentext(const QList<Art>& arten, const QList<Teil>& gruppe)
{
    QStringList teile;
    for (const Teil& t : gruppe)
        teile.append(QStringLiteral("%1× %2").arg(t.Anzahl).arg(arten[t.Art].Name));
    return teile.join(QStringLiteral(", "));
}

// The larger part first; at equal counts the kind that comes first in the database.
QList<Teil> Geordnet(QList<Teil> gruppe)
{
    std::sort(gruppe.begin(), gruppe.end(), [](const Teil& a, const Teil& b) {
        return a.Anzahl != b.Anzahl ? a.Anzahl > b.Anzahl : a.Art < b.Art;
    });
    return gruppe;
}

// The heroes' wins in the first n fights of the line-up with the seeds S, S + 1 ...: the fights of
// Gewinnchancen::Berechnen, on this thread. -1 when the search was cancelled.
qint64 Siege(const Kampfstand& stand, qint64 n, quint64 saat, const std::atomic<bool>* abbrechen)
{
    Kampfkern::Kern kern(stand);
    Kampfkern::Generator zufall[4];
    Kampfkern::Generator* vier[4] = {&zufall[0], &zufall[1], &zufall[2], &zufall[3]};
    qint64 siege = 0;
    for (qint64 k = 0; k < n; k += 4) {
        if (abbrechen && abbrechen->load(std::memory_order_relaxed))
            return -1;
        const int m = int(std::min<qint64>(4, n - k));
        quint64 saaten[4];
        for (int j = 0; j < 4; ++j)
            saaten[j] = Gewinnchancen::SaatFuer(saat, k + std::min(j, m - 1));
        Kampfkern::Generator::VierSaeen(vier, saaten);
        for (int j = 0; j < m; ++j) {
            if (!kern.Kaempfen(zufall[j], abbrechen))
                return -1;
            siege += kern.Sieger() == Sieger::Helden ? 1 : 0;
        }
    }
    return siege;
}

// A group found by screening: its parts and the heroes' wins in the screening fights.
struct Kandidat {
    QList<Teil> gruppe;
    qint64 siege = -1;
    int mitglieder = 0;
};

// How far wins out of n lie from the wanted share, in hundredths of a fight (exact).
qint64 Abstand(qint64 siege, qint64 n, int ziel)
{
    const qint64 d = 100 * siege - qint64(ziel) * n;
    return d < 0 ? -d : d;
}

// The count c from `von` to `bis` whose group comes nearest the wanted share, with f(c) the heroes' wins
// in n fights, which fall as c grows: halving the range around the crossing. Nothing when cancelled.
// `erste` gets f(von).
std::optional<std::pair<int, qint64>> Naechste(int von, int bis, qint64 n, int ziel,
                                                const std::function<qint64(int)>& f, qint64* erste = nullptr)
{
    const qint64 z = qint64(ziel) * n;
    qint64 fLinks = f(von);
    if (fLinks < 0)
        return std::nullopt;
    if (erste)
        *erste = fLinks;
    if (100 * fLinks <= z || von == bis)
        return std::make_pair(von, fLinks);
    qint64 fRechts = f(bis);
    if (fRechts < 0)
        return std::nullopt;
    if (100 * fRechts >= z)
        return std::make_pair(bis, fRechts);
    int links = von;
    int rechts = bis;
    while (rechts - links > 1) {
        const int mitte = links + (rechts - links) / 2;
        const qint64 fm = f(mitte);
        if (fm < 0)
            return std::nullopt;
        if (100 * fm >= z) {
            links = mitte;
            fLinks = fm;
        } else {
            rechts = mitte;
            fRechts = fm;
        }
    }
    if (Abstand(fRechts, n, ziel) < Abstand(fLinks, n, ziel))
        return std::make_pair(rechts, fRechts);
    return std::make_pair(links, fLinks);
}

// Runs tasks 0 .. anzahl-1 on the threads; each task is whole on one thread, and its result depends on
// nothing but its index, so the results are the same on any number of threads.
void Parallel(int anzahl, int threads, const std::atomic<bool>* abbrechen, const std::function<void(int)>& aufgabe)
{
    std::atomic<int> naechste{0};
    const auto arbeiten = [&] {
        for (;;) {
            if (abbrechen && abbrechen->load(std::memory_order_relaxed))
                return;
            const int i = naechste.fetch_add(1);
            if (i >= anzahl)
                return;
            aufgabe(i);
        }
    };
    int n = threads > 0 ? threads : int(std::max(1u, std::thread::hardware_concurrency()));
    n = std::clamp(n, 1, std::max(1, anzahl));
    std::vector<std::thread> faeden;
    for (int t = 1; t < n; ++t) {
        try {
            faeden.emplace_back(arbeiten);
        } catch (const std::system_error&) {
            break;
        }
    }
    arbeiten();
    for (std::thread& faden : faeden)
        faden.join();
}

void Schritt(Steuerung* steuerung)
{
    if (steuerung)
        steuerung->Erledigt.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

QStringList Ortsnamen(const QString& regionen)
{
    const QList<Wort> woerter = Woerter(regionen);
    QStringList namen;
    for (qsizetype i = 0; i < woerter.size(); ++i) {
        const Wort& w = woerter[i];
        if (w.text.size() < 4 || !w.text[0].isUpper())
            continue;
        if (i == 0 && woerter.size() > 1 && woerter[1].text[0].isUpper()
            && regionen.mid(w.ende, woerter[1].anfang - w.ende) == QLatin1String(" "))
            continue;
        namen.append(w.text.toLower());
    }
    return namen;
}

bool PassenZusammen(const Art& a, const Art& b)
{
    if (Nennt(a, b.Name) || Nennt(b, a.Name))
        return true;
    if (Normal(a.Kategorie).isEmpty() || Normal(a.Kategorie) != Normal(b.Kategorie))
        return false;
    for (const QString& x : a.Orte)
        for (const QString& y : b.Orte)
            if (x.endsWith(y) || y.endsWith(x))
                return true;
    return false;
}

QStringList Kategorien(const QList<QStringList>& kreaturen)
{
    QStringList kategorien;
    QSet<QString> gesehen;
    for (const QStringList& z : kreaturen) {
        const QString k = Kreaturentabellen::Feld(z, Kreaturentabellen::FeldKategorie).trimmed();
        if (!k.isEmpty() && !gesehen.contains(Normal(k))) {
            gesehen.insert(Normal(k));
            kategorien.append(k);
        }
    }
    return kategorien;
}

QList<Art> Arten(const QList<QStringList>& kreaturen, const QStringList& kategorien)
{
    using namespace Kreaturentabellen;
    QSet<QString> erlaubt;
    for (const QString& k : kategorien)
        erlaubt.insert(Normal(k));
    QList<Art> arten;
    QSet<QString> namen;
    for (qsizetype zeile = 0; zeile < kreaturen.size(); ++zeile) {
        const QStringList& z = kreaturen[zeile];
        const QString name = Feld(z, FeldName);
        // The first record of a name is the one a name stands for, as everywhere in the tool.
        if (name.trimmed().isEmpty() || namen.contains(name))
            continue;
        namen.insert(name);
        const auto kaempfer = BattleEngine::KaempferAus(z);
        if (!kaempfer || kaempfer->LE < 1)
            continue;
        if (!erlaubt.isEmpty() && !erlaubt.contains(Normal(Feld(z, FeldKategorie))))
            continue;
        Art art;
        art.Zeile = int(zeile);
        art.Name = name;
        art.Kategorie = Feld(z, FeldKategorie);
        art.Orte = Ortsnamen(Feld(z, FeldRegionen));
        art.Text = (Feld(z, FeldBeschreibung) + QLatin1Char(' ') + Feld(z, FeldFaehigkeiten)).toLower();
        for (const Wort& w : Woerter(art.Text))
            art.Woerter.append(w.text);
        art.Kaempfer = *kaempfer;
        arten.append(art);
    }
    return arten;
}

bool ImBand(const Anfrage& anfrage, const Gewinnchancen::Ergebnis& ergebnis)
{
    const qint64 siege = ergebnis.Siege[int(Sieger::Helden)];
    return Abstand(siege, ergebnis.Kaempfe, anfrage.Ziel) <= qint64(anfrage.Spanne) * ergebnis.Kaempfe;
}

std::optional<Ergebnis> Suchen(const Anfrage& anfrage, const QList<Art>& arten, Steuerung* steuerung)
{
    const std::atomic<bool>* abbrechen = steuerung ? &steuerung->Lauf.Abbrechen : nullptr;
    const auto abgebrochen = [&] { return abbrechen && abbrechen->load(); };
    Ergebnis ergebnis;
    const int hoechstens = std::clamp(anfrage.Hoechstens, 1, BattleEngine::HoechsteMitglieder);
    const qint64 proben = std::clamp<qint64>(anfrage.Kaempfe, 1, Probekaempfe);
    const int n = int(arten.size());
    if (n == 0 || anfrage.Helden.isEmpty()) {
        ergebnis.OhneArten = n == 0;
        if (steuerung)
            steuerung->Erledigt.store(steuerung->Gesamt.load());
        return ergebnis;
    }
    const auto siege = [&](const QList<Teil>& gruppe) {
        return Siege(Aufstellen(anfrage.Helden, arten, gruppe), proben, anfrage.Saat, abbrechen);
    };
    // The pairs that belong together, found before anything runs, so the progress knows all steps.
    std::vector<std::pair<int, int>> paare;
    for (int a = 0; a < n; ++a) {
        if (abgebrochen())
            return std::nullopt;
        for (int b = a + 1; b < n; ++b)
            if (PassenZusammen(arten[a], arten[b]))
                paare.emplace_back(a, b);
    }
    if (steuerung) {
        steuerung->Gesamt.store(n + int(paare.size()) + 2 * anfrage.Anzahl);
        steuerung->Erledigt.store(0);
    }

    // Each kind alone: the number of it nearest the wanted share. The wins against a single one tell the
    // stronger kind of a pair.
    std::vector<Kandidat> einzeln(static_cast<size_t>(n));
    std::vector<qint64> gegenEinen(static_cast<size_t>(n), -1);
    Parallel(n, anfrage.Threads, abbrechen, [&](int a) {
        const auto treffer = Naechste(1, hoechstens, proben, anfrage.Ziel,
                                      [&](int c) { return siege({{a, c}}); }, &gegenEinen[size_t(a)]);
        if (treffer)
            einzeln[size_t(a)] = {{{a, treffer->first}}, treffer->second, treffer->first};
        Schritt(steuerung);
    });
    if (abgebrochen())
        return std::nullopt;

    // Each pair: one to three of the stronger kind with a pack of the other, at least as many; for each
    // number of leaders the pack nearest the wanted share, and of those the nearest group.
    std::vector<Kandidat> gepaart(paare.size());
    Parallel(int(paare.size()), anfrage.Threads, abbrechen, [&](int p) {
        // The stronger kind: the one of which fewer alone come nearest the wanted share; at equal numbers
        // the one a single member of which the heroes beat less often.
        int stark = paare[size_t(p)].first;
        int schwach = paare[size_t(p)].second;
        const auto staerke = [&](int a) {
            return std::make_pair(einzeln[size_t(a)].mitglieder, gegenEinen[size_t(a)]);
        };
        if (staerke(schwach) < staerke(stark))
            std::swap(stark, schwach);
        Kandidat bester;
        for (int i = 1; i <= HoechsteAnfuehrer && 2 * i <= hoechstens; ++i) {
            const auto gruppe = [&](int j) { return Geordnet({{schwach, j}, {stark, i}}); };
            qint64 kleinste = -1;
            const auto treffer = Naechste(i, hoechstens - i, proben, anfrage.Ziel,
                                          [&](int j) { return siege(gruppe(j)); }, &kleinste);
            if (!treffer)
                break;
            const Kandidat k{gruppe(treffer->first), treffer->second, i + treffer->first};
            if (bester.siege < 0 || Abstand(k.siege, proben, anfrage.Ziel) < Abstand(bester.siege, proben, anfrage.Ziel))
                bester = k;
            // With the smallest pack already at or below the wanted share, more leaders only go further off.
            if (100 * kleinste <= qint64(anfrage.Ziel) * proben)
                break;
        }
        gepaart[size_t(p)] = bester;
        Schritt(steuerung);
    });
    if (abgebrochen())
        return std::nullopt;

    // Nearest first; at equal distance one kind before two, fewer members before more, then database order.
    std::vector<Kandidat> kandidaten;
    for (const Kandidat& k : einzeln)
        if (k.siege >= 0)
            kandidaten.push_back(k);
    for (const Kandidat& k : gepaart)
        if (k.siege >= 0)
            kandidaten.push_back(k);
    const auto schluessel = [&](const Kandidat& k) {
        QList<int> arten;
        for (const Teil& t : k.gruppe)
            arten.append(t.Art);
        std::sort(arten.begin(), arten.end());
        return std::make_tuple(Abstand(k.siege, proben, anfrage.Ziel), k.gruppe.size(), k.mitglieder, arten);
    };
    std::stable_sort(kandidaten.begin(), kandidaten.end(),
                     [&](const Kandidat& a, const Kandidat& b) { return schluessel(a) < schluessel(b); });

    // Confirmed with all fights, nearest by screening first: at least twice as many as wanted, so a group the
    // screening put a little too far off still gets its chance, and then until enough lie in the band. A group
    // screened further off than the band and three standard deviations of the screening is not tried.
    const double p = std::clamp(anfrage.Ziel / 100.0, 0.05, 0.95);
    const double streuung = 100 * std::sqrt(p * (1 - p) / double(proben));
    const double grenze = anfrage.Spanne + 3 * streuung;
    const int mindestens = 2 * anfrage.Anzahl;
    const int hoechstensVersuche = 3 * anfrage.Anzahl + 10;
    const auto weite = [&](const Vorschlag& x) {
        return Abstand(x.Ergebnis.Siege[int(Sieger::Helden)], x.Ergebnis.Kaempfe, anfrage.Ziel);
    };
    std::optional<Vorschlag> naechster;
    int bestaetigt = 0;
    for (const Kandidat& k : kandidaten) {
        if (bestaetigt >= hoechstensVersuche
            || (int(ergebnis.Vorschlaege.size()) >= anfrage.Anzahl && bestaetigt >= mindestens))
            break;
        const double abstand = std::abs(100.0 * double(k.siege) / double(proben) - anfrage.Ziel);
        if (bestaetigt > 0 && abstand > grenze)
            break;
        Vorschlag v;
        v.Gruppe = k.gruppe;
        v.Text = Gruppentext(arten, k.gruppe);
        v.Aufstellung = Aufstellen(anfrage.Helden, arten, k.gruppe);
        // The fights of this confirmation, for the progress within a step.
        if (steuerung)
            steuerung->Lauf.Erledigt.store(0);
        auto lauf = Gewinnchancen::Berechnen(v.Aufstellung, anfrage.Kaempfe, anfrage.Saat,
                                             steuerung ? &steuerung->Lauf : nullptr, anfrage.Threads);
        if (!lauf || abgebrochen())
            return std::nullopt;
        v.Ergebnis = std::move(*lauf);
        if (++bestaetigt <= mindestens)
            Schritt(steuerung);
        if (!naechster || weite(v) < weite(*naechster))
            naechster = v;
        if (ImBand(anfrage, v.Ergebnis))
            ergebnis.Vorschlaege.append(std::move(v));
    }
    // Nearest first; at equal distance in the order they were confirmed.
    std::stable_sort(ergebnis.Vorschlaege.begin(), ergebnis.Vorschlaege.end(),
                     [&](const Vorschlag& a, const Vorschlag& b) { return weite(a) < weite(b); });
    if (ergebnis.Vorschlaege.size() > anfrage.Anzahl)
        ergebnis.Vorschlaege.resize(anfrage.Anzahl);
    if (ergebnis.Vorschlaege.isEmpty())
        ergebnis.Naechster = naechster;
    if (steuerung)
        steuerung->Erledigt.store(steuerung->Gesamt.load());
    return ergebnis;
}

QString Zeile(int nummer, const Vorschlag& v)
{
    const Gewinnchancen::Anteil sieg = v.Ergebnis.Sieg(Sieger::Helden);
    return QStringLiteral("Vorschlag\t%1\t%2\t%3\t%4\t%5\t%6\t%7")
        .arg(nummer)
        .arg(QString(v.Text).replace(QLatin1Char('\t'), QLatin1Char(' ')))
        .arg(Prozent(sieg.Wert), Prozent(sieg.Unten), Prozent(sieg.Oben), Prozent(v.Ergebnis.Verlust().Wert),
             Gewinnchancen::Dezimal(v.Ergebnis.RundenMittel()));
}

QString Leermeldung(const Anfrage& anfrage, const Ergebnis& ergebnis)
{
    if (ergebnis.OhneArten || !ergebnis.Naechster)
        return QStringLiteral("Aus der Datenbank kommt keine kampftaugliche Kreatur für eine Gegnergruppe in Frage.");
    const QString groesse = anfrage.Hoechstens == 1 ? QStringLiteral("aus einer Kreatur")
                                                    : QStringLiteral("aus höchstens %1 Kreaturen").arg(anfrage.Hoechstens);
    return QStringLiteral("Keine Gegnergruppe %1 bringt die Heldengruppe auf %2 bis %3 % Siege; am nächsten kommt %4 mit %5.")
        .arg(groesse)
        .arg(std::max(0, anfrage.Ziel - anfrage.Spanne))
        .arg(std::min(100, anfrage.Ziel + anfrage.Spanne))
        .arg(ergebnis.Naechster->Text, Prozent(ergebnis.Naechster->Ergebnis.Sieg(Sieger::Helden).Wert));
}

QStringList Ausgabezeilen(const Anfrage& anfrage, const Ergebnis& ergebnis)
{
    QStringList zeilen{QStringLiteral("Kämpfe\t%1").arg(anfrage.Kaempfe), QStringLiteral("Seed\t%1").arg(anfrage.Saat)};
    for (qsizetype i = 0; i < ergebnis.Vorschlaege.size(); ++i)
        zeilen.append(Zeile(int(i + 1), ergebnis.Vorschlaege[i]));
    if (ergebnis.Vorschlaege.isEmpty())
        zeilen.append(Leermeldung(anfrage, ergebnis));
    return zeilen;
}

void SeiteSchreiben(const Anfrage& anfrage, const Ergebnis& ergebnis, QIODevice& datei)
{
    using namespace HTMLExport;
    HtmlKopf(QStringLiteral("Gegnervorschläge - ") + Creatures3Variablen::Programmtitel, datei);
    HtmlUeberschrift(QStringLiteral("Gegnervorschläge"), 1, datei);
    HtmlRoh(QStringLiteral("<p>"), datei);
    QStringList helden;
    for (const Kaempfer& k : anfrage.Helden)
        helden.append(k.Name);
    HtmlEintrag(QStringLiteral("Heldengruppe: "), HtmlMaskieren(helden.join(QStringLiteral(", "))), datei);
    HtmlEintrag(QStringLiteral("Gewünscht: "),
                QStringLiteral("%1 % Siege der Heldengruppe, ± %2 Prozentpunkte").arg(anfrage.Ziel).arg(anfrage.Spanne), datei);
    HtmlEintrag(QStringLiteral("Höchstens: "), QStringLiteral("%1 Gegner").arg(anfrage.Hoechstens), datei);
    HtmlEintrag(QStringLiteral("Kämpfe je Vorschlag: "), Subs::Tausender(anfrage.Kaempfe), datei);
    HtmlEintrag(QStringLiteral("Seed: "), QString::number(anfrage.Saat), datei);
    HtmlLeerzeilen(1, datei);
    if (ergebnis.Vorschlaege.isEmpty()) {
        HtmlZeile(HtmlMaskieren(Leermeldung(anfrage, ergebnis)), datei);
        return;
    }
    HtmlTabelleBeginn(datei);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Nr.", "Gegnergruppe", "Siege", "95-%-Intervall", "Verluste", "Runden", "&nbsp;"})
        HtmlKopfzelle(QString::fromUtf8(kopf), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
    for (qsizetype i = 0; i < ergebnis.Vorschlaege.size(); ++i) {
        const Vorschlag& v = ergebnis.Vorschlaege[i];
        const Gewinnchancen::Anteil sieg = v.Ergebnis.Sieg(Sieger::Helden);
        HtmlRoh(QStringLiteral("<tr>"), datei);
        HtmlZelle(QString::number(i + 1), QStringLiteral("5%"), datei);
        HtmlZelle(HtmlMaskieren(v.Text), QStringLiteral("25%"), datei);
        HtmlZelle(Prozent(sieg.Wert), QStringLiteral("8%"), datei);
        HtmlZelle(Prozent(sieg.Unten) + QStringLiteral(" bis ") + Prozent(sieg.Oben), QStringLiteral("14%"), datei);
        HtmlZelle(Prozent(v.Ergebnis.Verlust().Wert), QStringLiteral("8%"), datei);
        HtmlZelle(Gewinnchancen::Dezimal(v.Ergebnis.RundenMittel()), QStringLiteral("5%"), datei);
        Gewinnchancen::BalkenSchreiben(sieg.Unten, sieg.Oben, QStringLiteral("#2E7D32"), QStringLiteral("#A5D6A7"), datei);
        HtmlRoh(QStringLiteral("</tr>"), datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
}

bool SeiteSpeichern(const Anfrage& anfrage, const Ergebnis& ergebnis, const QString& pfad, QString* fehler)
{
    return HTMLExport::SeiteSpeichern(pfad, fehler, [&](QIODevice& datei) { SeiteSchreiben(anfrage, ergebnis, datei); });
}

QString Dateiname(int nummer)
{
    return QStringLiteral("Vorschlag %1.txt").arg(nummer);
}

bool Speichern(const Ergebnis& ergebnis, const QString& ordner, QString* fehler)
{
    if (!QDir().mkpath(ordner)) {
        if (fehler)
            *fehler = QStringLiteral("Der Ordner %1 konnte nicht angelegt werden.").arg(Dateien::Anzeigename(ordner));
        return false;
    }
    for (qsizetype i = 0; i < ergebnis.Vorschlaege.size(); ++i)
        if (!Aufstellung::Speichern(ergebnis.Vorschlaege[i].Aufstellung, QDir(ordner).filePath(Dateiname(int(i + 1))), fehler))
            return false;
    return true;
}

struct Hintergrundsuche::Zustand {
    Steuerung steuerung;
    std::atomic<bool> fertig{false};
    std::optional<Ergebnis> ergebnis;
    std::thread faden;
};

Hintergrundsuche::Hintergrundsuche(const Anfrage& anfrage, const QList<Art>& arten)
    : m_zustand(std::make_shared<Zustand>()), m_kaempfe(anfrage.Kaempfe)
{
    Zustand* z = m_zustand.get();
    z->faden = std::thread([z, anfrage, arten] {
        z->ergebnis = Suchen(anfrage, arten, &z->steuerung);
        z->fertig.store(true);
    });
}

Hintergrundsuche::~Hintergrundsuche()
{
    Abbrechen();
    if (m_zustand->faden.joinable())
        m_zustand->faden.join();
}

int Hintergrundsuche::Erledigt() const
{
    return m_zustand->steuerung.Erledigt.load(std::memory_order_relaxed);
}

int Hintergrundsuche::Gesamt() const
{
    return std::max(1, m_zustand->steuerung.Gesamt.load(std::memory_order_relaxed));
}

double Hintergrundsuche::Anteil() const
{
    const Steuerung& s = m_zustand->steuerung;
    const double kaempfe = double(std::max<qint64>(1, m_kaempfe));
    const double imSchritt = std::min(0.99, double(s.Lauf.Erledigt.load(std::memory_order_relaxed)) / kaempfe);
    return std::min(1.0, (double(Erledigt()) + imSchritt) / double(Gesamt()));
}

bool Hintergrundsuche::Fertig() const
{
    return m_zustand->fertig.load();
}

void Hintergrundsuche::Abbrechen()
{
    m_zustand->steuerung.Lauf.Abbrechen.store(true);
}

std::optional<Ergebnis> Hintergrundsuche::Abholen()
{
    if (m_zustand->faden.joinable())
        m_zustand->faden.join();
    return m_zustand->ergebnis;
}

} // namespace Vorschlaege
