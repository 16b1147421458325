#include "ReiseBatch.h"

#include "Aufstellung.h"
#include "Dateien.h"
#include "DayEngine.h"
#include "Dialoge.h"
#include "Reise.h"
#include "Reisekarte.h"
#include "Subs.h"
#include "Zufall.h"

#include <cstring>
#include <memory>

namespace ReiseBatch {

using Batch::Ergebnis;

namespace {

const QString kAufruf = QStringLiteral(
    "Aufruf: --reise (--von STADT --nach STADT [--ueber STADT ...] | --meilen N) --gelaende GELÄNDE[:UNTERART] ... "
    "--jahreszeit J --ausgabe DATEI.html");

Ergebnis Fehler(const QString& meldung, int status = 1)
{
    Dialoge::Warnung(meldung);
    return {status, {}};
}

Ergebnis Aufruffehler(const QString& meldung)
{
    return Fehler(meldung + QStringLiteral(" (Tageslauf3 --help zeigt die Befehle.)"), 2);
}

// A whole number of an option, or the reader's message naming the option.
std::optional<qint64> Zahl(const std::optional<QString>& wert, qint64 minimum, qint64 maximum, const QString& was,
                           qint64 ohne, QString* fehler)
{
    if (!wert)
        return ohne;
    const Subs::Ganzzahleingabe z = Subs::GanzzahlLesen(*wert, minimum, maximum, was);
    if (!z.Ok) {
        *fehler = z.Meldung;
        return std::nullopt;
    }
    return z.Wert;
}

} // namespace

QString Hilfetext()
{
    return QStringLiteral(
        "  --reise (--von STADT --nach STADT [--ueber STADT ...] | --meilen N)\n"
        "          --gelaende GELÄNDE[:UNTERART] [--gelaende ...] --jahreszeit J [--huegelig] [--beritten]\n"
        "          [--reisende N] [--reittiere N] [--meilen-pro-tag N] [--aufstellung DATEI] --ausgabe DATEI.html|-\n"
        "                                eine ganze Reise Tag für Tag planen und die Seite nach DATEI.html schreiben.\n"
        "                                --gelaende je Etappe in ihrer Reihenfolge oder einmal für alle; ohne\n"
        "                                Unterart gilt die erste. --meilen-pro-tag für Etappen, deren Gelände für die\n"
        "                                Reiseart keine Geschwindigkeit kennt. --aufstellung: die Helden einer\n"
        "                                Aufstellung von Bestiar3 (ihre „Held“-Zeilen) für die Gewinnchancen.\n"
        "                                Ausgabe durch Tabulatoren getrennt: je Tag „Tag“, Nummer, Gelände, Wetter,\n"
        "                                Wind, Temperatur, Meilen, verbleibende Meilen, Ereignis, Begegnung und\n"
        "                                Gewinnchance; je Ware „Proviant“, Ware, Menge, Preis; zuletzt „Summe“");
}

bool IstReise(const QStringList& argumente)
{
    return argumente.contains(QStringLiteral("--reise"));
}

bool IstReise(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--reise") == 0)
            return true;
    return false;
}

Ergebnis Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile b(argumente);
    b.Schalter(QStringLiteral("--reise"));
    const auto von = b.Name(QStringLiteral("--von"));
    const auto nach = b.Name(QStringLiteral("--nach"));
    const QStringList ueber = b.Werte(QStringLiteral("--ueber"));
    const auto meilen = b.Wert(QStringLiteral("--meilen"));
    const QStringList gelaende = b.Werte(QStringLiteral("--gelaende"));
    const bool huegelig = b.Schalter(QStringLiteral("--huegelig"));
    const auto jahreszeit = b.Wert(QStringLiteral("--jahreszeit"));
    const bool beritten = b.Schalter(QStringLiteral("--beritten"));
    const auto reisende = b.Wert(QStringLiteral("--reisende"));
    const auto reittiere = b.Wert(QStringLiteral("--reittiere"));
    const auto proTag = b.Wert(QStringLiteral("--meilen-pro-tag"));
    const auto aufstellung = b.Wert(QStringLiteral("--aufstellung"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());

    Reise::Plan plan;
    if (von || nach || !ueber.isEmpty()) {
        if (!von || !nach)
            return Aufruffehler(QStringLiteral("Eine Reise zwischen Städten braucht --von und --nach."));
        if (meilen)
            return Aufruffehler(QStringLiteral("Nennt entweder --von und --nach oder --meilen, nicht beides."));
        plan.Staedte = QStringList{*von} + ueber + QStringList{*nach};
    } else if (!meilen) {
        return Aufruffehler(kAufruf);
    }
    QString fehler;
    const auto strecke = Zahl(meilen, 0, 1000000000, QStringLiteral("die Meilen"), 0, &fehler);
    const auto tempo = Zahl(proTag, 1, 1000, QStringLiteral("die Meilen pro Tag"), 0, &fehler);
    const auto leute = Zahl(reisende, 1, Reise::HoechsteKoepfe, QStringLiteral("die Zahl der Reisenden"), 1, &fehler);
    if (!strecke || !tempo || !leute)
        return Aufruffehler(fehler);
    const auto tiere = Zahl(reittiere, 0, Reise::HoechsteKoepfe, QStringLiteral("die Zahl der Reittiere"),
                            beritten ? *leute : 0, &fehler);
    if (!tiere)
        return Aufruffehler(fehler);
    plan.Meilen = *strecke;
    plan.Reisende = int(*leute);
    plan.Reittiere = int(*tiere);
    plan.Beritten = beritten;
    if (!jahreszeit)
        return Aufruffehler(QStringLiteral("Zu --reise fehlt --jahreszeit Frühling|Sommer|Herbst|Winter."));
    const auto saison = DayEngine::JahreszeitSuchen(*jahreszeit);
    if (!saison)
        return Aufruffehler(QStringLiteral("Unbekannte Jahreszeit „%1“; bekannt sind: %2.")
                                .arg(*jahreszeit, DayEngine::Jahreszeiten().join(QStringLiteral(", "))));
    plan.Saison = *saison;
    if (gelaende.isEmpty())
        return Fehler(QStringLiteral("Bitte wählt eine Geländeart aus."), 2);
    for (const QString& g : gelaende) {
        Reise::Etappenwahl wahl;
        const qsizetype doppelpunkt = g.indexOf(QLatin1Char(':'));
        wahl.Gelaende = doppelpunkt < 0 ? g : g.left(doppelpunkt);
        wahl.Unterart = doppelpunkt < 0 ? QString() : g.mid(doppelpunkt + 1);
        wahl.Huegelig = huegelig;
        wahl.MeilenProTag = int(*tempo);
        plan.Etappen.append(wahl);
    }
    if (!ausgabe || ausgabe->isEmpty())
        return Aufruffehler(QStringLiteral("Zu --reise fehlt --ausgabe DATEI.html."));
    if (aufstellung) {
        const auto stand = Aufstellung::Lesen(*aufstellung, &fehler);
        if (!stand)
            return Fehler(fehler);
        if (stand->Helden.isEmpty())
            return Fehler(QStringLiteral("Die Aufstellung %1 hat keine Helden („Held“-Zeilen).").arg(Dateien::Anzeigename(*aufstellung)));
        plan.Helden = stand->Helden;
        plan.Heldenquelle = Dateien::Anzeigename(*aufstellung);
    }

    // Without --seed a fresh seed, drawn here and named on the page, so the journey can be made again.
    const std::optional<quint64> gegeben = Zufall::Saat();
    const quint64 saat = gegeben.value_or(Zufall::NeueSaat());
    std::unique_ptr<Zufall::Eigene> quelle;
    if (!gegeben)
        quelle = std::make_unique<Zufall::Eigene>(saat);
    const std::optional<Reise::Ergebnis> reise = Reise::Planen(plan, saat, &fehler);
    if (!reise) {
        // A missing speed is the one thing the command line can supply.
        if (fehler.contains(QStringLiteral("keine Geschwindigkeit")))
            fehler += QStringLiteral(" (--meilen-pro-tag N)");
        return Fehler(fehler, 2);
    }
    QString grund;
    const QByteArray karte = Reisekarte::Png(*reise, &grund);
    if (karte.isEmpty() && !reise->Strecke.Etappen.first().Von.isEmpty())
        Dialoge::Warnung(grund);
    if (!Reise::SeiteSpeichern(*reise, karte, *ausgabe, &fehler))
        return Fehler(fehler);
    for (const QString& meldung : reise->Meldungen)
        Dialoge::Warnung(meldung);
    return {0, Reise::Ausgabezeilen(*reise)};
}

} // namespace ReiseBatch
