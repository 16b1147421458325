#include "CityEngine.h"

#include "Dateien.h"
#include "GenNameSub.h"
#include "HTMLExport.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <limits>

using namespace HTMLExport;

namespace CityEngine {

namespace Meldungen {
const QString RasseFehlt =
    QStringLiteral("Ihr müsst eine Region / Rasse angeben, wenn Zufallsnamen berechnet werden sollen.");
const QString Berechnet =
    QStringLiteral("Die Stadt wurde erfolgreich berechnet, wollt ihr euch die Daten nun ansehen ?");
} // namespace Meldungen

namespace {

// A roll "Zn + plus"; without sides the plain value, drawn from nothing.
struct Wurf {
    int seiten;
    int plus;
    int Werfen() const { return seiten > 0 ? Subs::Zufallszahl(seiten) + plus : plus; }
};

const QString kGelegentlich = QStringLiteral("Gelegentlich Durchfahrende");
const QString kHaeufig = QStringLiteral("Häufig Durchfahrende");
const QString kStaendig = QStringLiteral("Ständig Durchfahrende, außerdem Straßenhändler");

struct Groessenzeile {
    qint64 bis; // upper border of the band, inclusive
    Wurf tempel, gasthaeuser, tavernen;
    const QString* durchfahrende;
    const char* markt;
    int qualitaet, preisA, preisB;
};

const Groessenzeile kGroessen[] = {
    {20, {0, 0}, {0, 0}, {0, 1}, &kGelegentlich, "Nie", 0, 3, -5},
    {100, {2, -1}, {3, -2}, {2, 0}, &kGelegentlich, "Nie", 1, 3, -5},
    {250, {2, 0}, {3, -1}, {2, 1}, &kGelegentlich, "Nie", 2, 2, -3},
    {500, {3, 0}, {2, 1}, {3, 1}, &kGelegentlich, "2 Tage im Monat", 2, 2, -2},
    {1000, {2, 1}, {3, 1}, {3, 2}, &kHaeufig, "4 Tage im Monat", 3, 2, -1},
    {2500, {3, 2}, {3, 3}, {3, 3}, &kHaeufig, "8 Tage im Monat", 1, 0, 0},
    {5000, {3, 3}, {3, 5}, {3, 5}, &kStaendig, "12 Tage im Monat", -1, 1, 1},
    {10000, {4, 5}, {6, 7}, {6, 7}, &kStaendig, "Jeden Tag", 0, 2, 3},
    {std::numeric_limits<qint64>::max(), {4, 8}, {8, 10}, {9, 9}, &kStaendig, "Jeden Tag", 0, 2, 3},
};

// Population bands of the businesses-per-trade table.
const qint64 kBetriebsbaender[] = {100, 250, 500, 1000, 2500, 5000};

int Betriebsband(qint64 einwohner)
{
    int band = 0;
    while (band < 6 && einwohner > kBetriebsbaender[band])
        ++band;
    return band;
}

struct Abschnitt {
    const char* anker;
    const char* ueberschrift;
    const char* spalten; // column line, or nullptr
    const char* datei;
    bool preisA;
    Wurf proBand[7];
};

const Abschnitt kAbschnitte[] = {
    {"Handwerker1", "***** HANDWERKER 1: *********************************************", "* Beruf / Qualität / Preise",
     "Handwerker1.dat", false, {{2, -1}, {2, 0}, {3, 0}, {2, 1}, {3, 1}, {3, 2}, {3, 4}}},
    {"Handwerker2", "***** HANDWERKER 2: *********************************************", "Beruf / Qualität / Preis",
     "Handwerker2.dat", false, {{0, 0}, {6, -5}, {3, -2}, {2, -1}, {2, 0}, {3, 0}, {3, 2}}},
    {"Handwerker3", "***** HANDWERKER 3: *********************************************", "Beruf / Qualität / Preis",
     "Handwerker3.dat", false, {{0, 0}, {0, 0}, {0, 0}, {6, -5}, {3, -2}, {2, -1}, {3, -1}}},
    {"Handel1", "***** HÄNDLER 1: ************************************************", "Beruf / Qualität / Preis",
     "Händler1.dat", true, {{3, -2}, {2, -1}, {2, 0}, {2, 1}, {3, 1}, {3, 2}, {3, 4}}},
    {"Handel2", "***** HÄNDLER 2: ************************************************", "Beruf / Qualität / Preis",
     "Händler2.dat", true, {{0, 0}, {0, 0}, {3, -2}, {2, -1}, {2, 0}, {3, 1}, {3, 2}}},
    {"Handel3", "***** HÄNDLER 3: ************************************************", "Beruf / Qualität / Preis",
     "Händler3.dat", true, {{0, 0}, {0, 0}, {0, 0}, {6, -5}, {2, -1}, {2, 0}, {3, 0}}},
    {"Dienst1", "***** DIENSTLEISTUNGEN 1: ***************************************", "Beruf / Qualität / Preis",
     "Dienstleistung1.dat", false, {{0, 0}, {6, -5}, {3, -2}, {2, -1}, {2, 0}, {2, 1}, {3, 1}}},
    {"Dienst2", "***** DIENSTLEISTUNGEN 2: ***************************************", "Beruf / Qualität / Preis",
     "Dienstleistung2.dat", false, {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {3, -2}, {2, 0}, {3, 0}}},
    {"Heiler", "***** HEILER: ***************************************************", nullptr, "Heiler.dat", false,
     {{3, -2}, {2, -1}, {2, 0}, {3, 0}, {3, 1}, {3, 3}, {6, 4}}},
};

const char* const kInhalt[][2] = {
    {"Grundlegende Stadtinformationen", "Stadtinfos"},
    {"Gasthäuser / Hotels", "Hotels"},
    {"Tavernen / Gaststätten", "Tavernen"},
    {"Handwerker 1", "Handwerker1"},
    {"Handwerker 2", "Handwerker2"},
    {"Handwerker 3", "Handwerker3"},
    {"Händler 1", "Handel1"},
    {"Händler 2", "Handel2"},
    {"Händler 3", "Handel3"},
    {"Dienstleistungen 1", "Dienst1"},
    {"Dienstleistungen 2", "Dienst2"},
    {"Heiler", "Heiler"},
};

const char* const kGoetter[12] = {"Praios", "Rondra", "Efferd",  "Tsa",      "Hesinde", "Firun",
                                  "Phex",   "Boron",  "Travia",  "Rahja",    "Ingerimm", "Peraine"};

// Quality labels by tier, for inns, taverns and the trade sections.
const char* const kHotelStufen[5] = {"Nobel / Poliert     - ", "Gut / Sauber        - ", "Solide / Sauber     - ",
                                     "Einfach / Fraglich  - ", "Schlicht / Unsauber - "};
const char* const kTavernenStufen[5] = {"Nobelrestaurant    - ", "Gepflegtes Lokal     - ",
                                        "Saubere Schänke      - ", "Einfache Kneipe      - ",
                                        "Schmierige Kaschemme - "};
const char* const kBerufStufen[5] = {" - Spezialist - ", " - Sehr Gut   - ", " - Solide     - ", " - Einfach    - ",
                                     " - Schlecht   - "};

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

QString CityDatei(const QString& name)
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\City\\") + name);
}

// Trades that need a town of some size, and the smallest population that has them.
const struct {
    const char* beruf;
    qint64 einwohner;
} kMindestgroessen[] = {{"Siechenhaus", 1000}};

class Seite {
public:
    Seite(const Generatoreingaben& e, QIODevice& datei)
        : m_e(e), m_datei(datei), m_preisZusatz(Reichtumswert(e.Reichtum) + Kriminalitaetswert(e.Kriminalitaet)),
          m_regeln(Berufsregeln::Laden())
    {
    }

    void Schreiben(const std::function<void(int)>& fortschritt)
    {
        HtmlKopf(HtmlMaskieren(m_e.Stadtname), m_datei);
        m_werte = Stadtgroesse(m_e.Einwohner);
        Grundinformationen();
        const bool mitBetrieben = m_e.Einwohner >= 50;
        int schritt = 0;
        auto weiter = [&] {
            if (fortschritt)
                fortschritt(++schritt);
        };
        HtmlLeerzeilen(3, m_datei);
        if (mitBetrieben)
            Gaststaetten("Hotels", "***** GASTHÄUSER / HOTELS: **************************************",
                         m_werte.Gasthaeuser, kHotelStufen);
        weiter();
        HtmlLeerzeilen(3, m_datei);
        if (mitBetrieben)
            Gaststaetten("Tavernen", "***** GASTSTÄTTEN / TAVERNEN: ***********************************",
                         m_werte.Tavernen, kTavernenStufen);
        weiter();
        for (const Abschnitt& abschnitt : kAbschnitte) {
            HtmlLeerzeilen(3, m_datei);
            if (mitBetrieben)
                Gewerbe(abschnitt);
            weiter();
        }
    }

private:
    void Leerzeile() { HtmlZeile(QString(), m_datei); }

    void NachOben()
    {
        HtmlLinie(m_datei);
        Leerzeile();
        HtmlVerweis(QStringLiteral("Nach oben"), QStringLiteral("Start"), m_datei);
    }

    void Grundinformationen()
    {
        const QString name = HtmlMaskieren(m_e.Stadtname);
        HtmlAnker(QStringLiteral("Start"), m_datei);
        HtmlUeberschrift(name, 1, m_datei);
        Leerzeile();
        Leerzeile();
        for (const auto& verweis : kInhalt)
            HtmlVerweis(U(verweis[0]), U(verweis[1]), m_datei);
        HtmlAnker(QStringLiteral("Stadtinfos"), m_datei);
        HtmlUeberschrift(QStringLiteral("***** GRUNDLEGENDE STADTINFORMATIONEN: **************************"), 4, m_datei);
        Leerzeile();
        HtmlEintrag(QStringLiteral("Stadtname:"), name, m_datei);
        HtmlEintrag(QStringLiteral("Einwohnerzahl:"), qint64(m_e.Einwohner), m_datei);
        HtmlEintrag(QStringLiteral("Region / Rasse der Einwohner:"), HtmlMaskieren(m_e.Rasse), m_datei);
        // The usual inland town keeps the page as it always was.
        if (m_e.Lage != Stadtlage::Binnenland)
            HtmlEintrag(QStringLiteral("Lage:"), Lagetexte().value(int(m_e.Lage)), m_datei);
        HtmlEintrag(QStringLiteral("Durchfahrende:"), m_werte.Durchfahrende, m_datei);
        HtmlEintrag(QStringLiteral("Markt:"), m_werte.Markt, m_datei);
        HtmlEintrag(QStringLiteral("Reichtum:"), HtmlMaskieren(m_e.Reichtum), m_datei);
        HtmlEintrag(QStringLiteral("Kriminalität:"), HtmlMaskieren(m_e.Kriminalitaet), m_datei);
        // Without a people there are no name lists to draw from: the mayor stays unnamed.
        HtmlEintrag(QStringLiteral("Bürgermeister:"), m_e.Rasse.isEmpty() ? QString() : Name(), m_datei);
        Leerzeile();
        HtmlEintrag(QStringLiteral("Anzahl der Tempel:"), qint64(m_werte.Tempel), m_datei);
        for (int i = 0; i < m_werte.Tempel; ++i)
            HtmlZeile(U(kGoetter[Subs::Zufallszahl(12) - 1]), m_datei);
    }

    QString Name() const
    {
        QString geschlecht;
        return HtmlMaskieren(GenNameSub::Zufallsname(m_e.Rasse, geschlecht));
    }

    // Draws everything of one business in its order; writes it only when asked to.
    void Betrieb(const QString& beruf, const char* const stufen[5], int preisverschiebung, bool schreiben = true)
    {
        const int stufe = Qualitaetsstufe(Subs::Zufallszahl(20) + m_werte.Qualitaetsverschiebung);
        const int preis = Grundpreis(stufe) + Subs::Zufallszahl(20) + preisverschiebung;
        if (schreiben)
            HtmlFettzeile(beruf + U(stufen[stufe - 1]) + Preisstufe(preis + m_preisZusatz), m_datei);
        if (m_e.Zufallsnamen) {
            const QString name = Name();
            if (schreiben)
                HtmlZeile(QStringLiteral("* Besitzer/in: ") + name, m_datei);
        }
        if (m_e.Zufallsereignisse) {
            const QString ereignis = Zufallsereignis(false);
            if (schreiben)
                HtmlZeile(QStringLiteral("* Zufallsereignis: ") + HtmlMaskieren(ereignis), m_datei);
        }
    }

    void Kopf(const char* anker, const char* ueberschrift)
    {
        HtmlAnker(U(anker), m_datei);
        HtmlLinie(m_datei);
        HtmlUeberschrift(U(ueberschrift), 3, m_datei);
    }

    void Gaststaetten(const char* anker, const char* ueberschrift, int anzahl, const char* const stufen[5])
    {
        Kopf(anker, ueberschrift);
        HtmlEintrag(QStringLiteral("Im Ort:"), qint64(anzahl), m_datei);
        Leerzeile();
        for (int i = 0; i < anzahl; ++i)
            Betrieb(QString(), stufen, m_werte.PreisverschiebungA);
        NachOben();
    }

    void Gewerbe(const Abschnitt& abschnitt)
    {
        Kopf(abschnitt.anker, abschnitt.ueberschrift);
        if (abschnitt.spalten)
            HtmlZeile(U(abschnitt.spalten), m_datei);
        Leerzeile();
        const Wurf& wurf = abschnitt.proBand[Betriebsband(m_e.Einwohner)];
        const int verschiebung = abschnitt.preisA ? m_werte.PreisverschiebungA : m_werte.PreisverschiebungB;
        int vorige = 0;
        for (const QString& beruf : Zeilendatei::Lesen(CityDatei(U(abschnitt.datei)))) {
            if (vorige > 0)
                HtmlZeile(QStringLiteral("********************"), m_datei);
            const int k = qMax(0, wurf.Werfen());
            const QString text = HtmlMaskieren(beruf);
            const bool erlaubt = m_regeln.Erlaubt(beruf, m_e.Lage, m_e.Einwohner);
            for (int i = 0; i < k; ++i)
                Betrieb(text, kBerufStufen, verschiebung, erlaubt);
            vorige = erlaubt ? k : 0;
        }
        NachOben();
    }

    const Generatoreingaben& m_e;
    QIODevice& m_datei;
    const int m_preisZusatz;
    const Berufsregeln m_regeln;
    Stadtwerte m_werte;
};

} // namespace

const QStringList& Lagetexte()
{
    static const QStringList texte = {QStringLiteral("Binnenland"), QStringLiteral("am Fluss"),
                                      QStringLiteral("an der Küste"), QStringLiteral("im Gebirge")};
    return texte;
}

const QStringList& Lagenamen()
{
    static const QStringList namen = {QStringLiteral("Binnenland"), QStringLiteral("Fluss"), QStringLiteral("Küste"),
                                      QStringLiteral("Gebirge")};
    return namen;
}

QString Lagedatei(Stadtlage lage)
{
    if (lage == Stadtlage::Binnenland)
        return QString();
    return CityDatei(QStringLiteral("Lage ") + Lagenamen().value(int(lage)) + QStringLiteral(".dat"));
}

Berufsregeln Berufsregeln::Laden()
{
    Berufsregeln regeln;
    for (const Stadtlage lage : {Stadtlage::Fluss, Stadtlage::Kueste, Stadtlage::Gebirge})
        regeln.Eintragen(lage, Zeilendatei::Lesen(Lagedatei(lage)));
    return regeln;
}

void Berufsregeln::Eintragen(Stadtlage lage, const QStringList& berufe)
{
    for (const QString& beruf : berufe) {
        const QString name = beruf.trimmed();
        if (!name.isEmpty())
            m_lagen[name] |= 1u << int(lage);
    }
}

bool Berufsregeln::Erlaubt(const QString& beruf, Stadtlage lage, qint64 einwohner) const
{
    const QString name = beruf.trimmed();
    for (const auto& m : kMindestgroessen)
        if (name == QLatin1String(m.beruf) && einwohner < m.einwohner)
            return false;
    const auto lagen = m_lagen.constFind(name);
    return lagen == m_lagen.constEnd() || (*lagen & (1u << int(lage)));
}

Stadtwerte Stadtgroesse(qint64 einwohner)
{
    const Groessenzeile* zeile = &kGroessen[0];
    while (einwohner > zeile->bis)
        ++zeile;
    Stadtwerte w;
    w.Tempel = zeile->tempel.Werfen();
    w.Gasthaeuser = qMax(0, zeile->gasthaeuser.Werfen());
    w.Tavernen = zeile->tavernen.Werfen();
    w.Durchfahrende = *zeile->durchfahrende;
    w.Markt = U(zeile->markt);
    w.Qualitaetsverschiebung = zeile->qualitaet;
    w.PreisverschiebungA = zeile->preisA;
    w.PreisverschiebungB = zeile->preisB;
    return w;
}

QString Zufallsereignis(bool erzwingen)
{
    int wurf = Subs::Zufallszahl(5);
    if (erzwingen)
        wurf = 3;
    if (wurf != 3)
        return QString();
    return Zeilendatei::Zufallszeile(CityDatei(QStringLiteral("CityZufallsereignisse.dat")));
}

int Qualitaetsstufe(int r)
{
    if (r >= 1 && r <= 2)
        return 1;
    if (r >= 3 && r <= 6)
        return 2;
    if (r >= 7 && r <= 14)
        return 3;
    if (r >= 15 && r <= 18)
        return 4;
    return 5;
}

int Grundpreis(int stufe)
{
    static const int basis[5] = {4, 2, 0, -1, -3};
    return basis[qBound(1, stufe, 5) - 1];
}

QString Preisstufe(int preiswert)
{
    if (preiswert < 5)
        return QStringLiteral("Sehr Billig");
    if (preiswert <= 9)
        return QStringLiteral("Billig");
    if (preiswert <= 13)
        return QStringLiteral("Durchschnittlich");
    if (preiswert == 14)
        return QStringLiteral("Teuer");
    return QStringLiteral("Sehr Teuer / Wucher");
}

int Reichtumswert(const QString& reichtum)
{
    if (reichtum == QLatin1String("Reich"))
        return 2;
    if (reichtum == QLatin1String("Arm"))
        return -2;
    return 0;
}

int Kriminalitaetswert(const QString& kriminalitaet)
{
    if (kriminalitaet == QLatin1String("Hoch"))
        return -2;
    if (kriminalitaet == QLatin1String("Niedrig"))
        return 2;
    return 0;
}

bool EinwohnerLesen(const QString& text, qint32& einwohner, QString* meldung)
{
    const Subs::Ganzzahleingabe e =
        Subs::GanzzahlLesen(text, 1, std::numeric_limits<qint32>::max(), QStringLiteral("die Einwohnerzahl"));
    if (!e.Ok) {
        if (meldung)
            *meldung = e.Meldung;
        return false;
    }
    einwohner = qint32(e.Wert);
    return true;
}

void StadtGenerieren(const Generatoreingaben& eingaben, QIODevice& datei, const std::function<void(int)>& fortschritt)
{
    Seite(eingaben, datei).Schreiben(fortschritt);
}

bool StadtGenerierenInDatei(const Generatoreingaben& eingaben, const QString& pfad, QString* fehler,
                            const std::function<void(int)>& fortschritt)
{
    return Dateien::AtomarSchreiben(pfad, [&](QIODevice& datei) { StadtGenerieren(eingaben, datei, fortschritt); },
                                    fehler);
}

} // namespace CityEngine
