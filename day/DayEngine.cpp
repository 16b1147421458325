#include "DayEngine.h"

#include "Dateien.h"
#include "HTMLExport.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <climits>
#include <cstddef>
#include <utility>

namespace DayEngine {

using namespace HTMLExport;

const QString Programmtitel = QStringLiteral("Tageslauf 3");

namespace {

// A row of a weather table holds the rolls up to `Bis`; the last row of a table takes every roll above.
struct Wetterzeile {
    int Bis;
    const char* Text;
    int Trend;
    int WindMod;
    int TempMod;
};

constexpr Wetterzeile kFruehlingHerbst[] = {
    {6, "Klar", 0, 0, 0},
    {8, "Bewölkt, gelegentliche Schauern", -3, +1, 0},
    {12, "Leichter Morgennebel", -1, -1, 0},
    {15, "Nebel", -2, -3, -1},
    {17, "Nieselregen", -2, -1, -1},
    {19, "Dauerregen", -4, +2, -2},
    {INT_MAX, "Gewitter, Wolkenbruch", +2, +4, -3},
};

constexpr Wetterzeile kSommer[] = {
    {10, "Sonnig und klar", -2, -1, +1},
    {15, "Schwülwarm, dunstig", -1, -2, +2},
    {16, "Kurze Schauer", -4, +1, 0},
    {17, "Nieselregen", -3, +1, 0},
    {18, "Gewitter, heftige Schauer", -1, +2, -1},
    {19, "Dauerregen", -4, +2, -2},
    {INT_MAX, "Gewitter, Wolkenbruch", +5, +4, -2},
};

constexpr Wetterzeile kWinter[] = {
    {6, "Frostklar, sehr kalt", -1, 0, -2},
    {12, "Klar", -2, 0, -1},
    {14, "Einzelne Flocken", -3, 0, +1},
    {16, "Schneeschauer", -4, +1, +2},
    {INT_MAX, "Starker Schneefall", -2, +2, 0},
};

template <std::size_t N>
Wetterlage Nachschlagen(const Wetterzeile (&tabelle)[N], int wurf)
{
    for (const Wetterzeile& zeile : tabelle)
        if (wurf <= zeile.Bis)
            return {QString::fromUtf8(zeile.Text), zeile.Trend, zeile.WindMod, zeile.TempMod};
    return {};
}

// A sub-kind of a terrain: its percentage of the base speeds. No mounted base, no mounted line.
struct Unterart {
    const char* Name;
    int Prozent;
    int BasisFuss;
    int BasisBeritten;
};

struct Gelaende {
    const char* Name;
    QList<Unterart> Unterarten;
    const char* Hinweis; // nullptr: no note line
};

constexpr int kFuss = 30;
constexpr int kPferd = 50;
constexpr int kPferdGebremst = 35; // where horses hinder more than they help

const QList<Gelaende>& Gelaendetabelle()
{
    static const QList<Gelaende> tabelle = {
        {"Eisgebiete",
         {{"Leicht verschneiter, gefrorener Boden", 70, kFuss, kPferd},
          {"Tiefschnee", 40, kFuss, kPferd},
          {"Eisflächen", 20, kFuss, kPferd},
          {"Gletscher", 10, kFuss, kPferd}},
         "Schlitten erreichen auf verschneitem Boden ihre normale Geschwindigkeit."},
        {"Gebirge",
         {{"Gebirgspfade", 50, kFuss, kPferdGebremst}, {"Hochgebirge", 10, kFuss, kPferdGebremst}},
         "Im Gebirge sind keine Eilmärsche möglich, Gipfelregionen sind sowieso unpassierbar. Auch Pferde sind hier "
         "eher störend, als hilfreich, daher wurde die Geschwindigkeit der Pferde modifiziert."},
        {"Grasland", {}, "Keine"},
        {"Klippengebiete", {{"Klippengebiet", 80, kPferd, 0}}, "Pferde können hier nicht eingesetzt werden."},
        {"Regenwald",
         {{"Dschungelpfade", 75, kFuss, kPferdGebremst}, {"Wegloser Regenwald", 20, kFuss, kPferdGebremst}},
         "Im Regenwald sind keine Eilmärsche möglich. Auch Pferde sind hier eher störend, als hilfreich, daher wurde "
         "die Geschwindigkeit der Pferde modifiziert."},
        {"Steppe",
         {{"Offene Steppe", 90, kFuss, kPferd}, {"Dornensteppe", 75, kFuss, kPferd}},
         "Pro Tag besteht eine 5% Chance, dass an einem Wagen ein Rad bricht."},
        {"Straßen",
         {{"Reichsstraße", 110, kFuss, kPferd}, {"Ebene Landstraße", 100, kFuss, kPferd}, {"Karrenweg", 80, kFuss, kPferd}},
         "Keine"},
        {"Sumpf", {}, nullptr},
        {"Wald",
         {{"Waldwege und -pfade", 80, kFuss, kPferd},
          {"Lichter Wald", 60, kFuss, kPferd},
          {"Dichter Wald", 30, kFuss, kPferd},
          {"Unterholz", 20, kFuss, kPferd}},
         "Im dichten Wald und im Unterholz sind keine Eilmärsche möglich."},
        {"Wüste",
         {{"Geröllfelder", 75, kFuss, kPferdGebremst}, {"Dünengebiete", 50, kFuss, kPferdGebremst}},
         "Treibsandfelder möglich."},
    };
    return tabelle;
}

const QString kOhneEreignisse = QStringLiteral("der Tagesablauf enthält keine Tagesereignisse.");

} // namespace

QStringList Jahreszeiten()
{
    return {QStringLiteral("Frühling"), QStringLiteral("Sommer"), QStringLiteral("Herbst"), QStringLiteral("Winter")};
}

QString JahreszeitName(Jahreszeit jahreszeit)
{
    return Jahreszeiten().value(int(jahreszeit));
}

std::optional<Jahreszeit> JahreszeitSuchen(const QString& name)
{
    const qsizetype i = Jahreszeiten().indexOf(name);
    if (i < 0)
        return std::nullopt;
    return Jahreszeit(i);
}

QStringList Gelaendearten()
{
    QStringList namen;
    for (const Gelaende& g : Gelaendetabelle())
        namen.append(QString::fromUtf8(g.Name));
    return namen;
}

Wetterlage Wetter(Jahreszeit jahreszeit, int wurf)
{
    switch (jahreszeit) {
    case Jahreszeit::Sommer: return Nachschlagen(kSommer, wurf);
    case Jahreszeit::Winter: return Nachschlagen(kWinter, wurf);
    case Jahreszeit::Fruehling:
    case Jahreszeit::Herbst: break;
    }
    return Nachschlagen(kFruehlingHerbst, wurf);
}

QString Windtext(int stufe)
{
    static const char* const texte[] = {"Windstill", "Leichter Windzug", "Leichte Brise", "Frische Brise", "Steife Brise",
                                        "Starker Wind", "Sturm", "Schwerer Sturm", "Orkan"};
    // Off the scale the nearest end of it: no cell may show the wind of another day.
    return QString::fromUtf8(texte[qBound(0, stufe, 8)]);
}

QString Temperaturtext(int stufe, Jahreszeit jahreszeit)
{
    const bool winter = jahreszeit == Jahreszeit::Winter;
    if (stufe <= 0)
        return QStringLiteral("Empfindlich kalt");
    if (stufe == 1)
        return QStringLiteral("Kalt");
    if (stufe == 2)
        return QStringLiteral("Kühl");
    if (stufe <= 5)
        return QStringLiteral("Der Jahreszeit entsprechend");
    // A warm winter day is already unnatural; no cell may show the temperature of another day.
    if (stufe == 6 && !winter)
        return QStringLiteral("Warm");
    if (stufe == 7 && !winter)
        return QStringLiteral("Sehr warm");
    return QStringLiteral("Für die Jahreszeit unnatürlich warm");
}

QList<Tag> TageWuerfeln(Jahreszeit jahreszeit)
{
    static const char* const bezeichnungen[] = {"Aktueller Tag", "Nächster Tag", "Übernächster Tag"};
    // In spring and autumn the weather grows out of the day before; summer and winter roll afresh.
    const bool kette = jahreszeit == Jahreszeit::Fruehling || jahreszeit == Jahreszeit::Herbst;
    QList<Tag> tage;
    for (int i = 0; i < 3; ++i) {
        Tag tag;
        tag.Bezeichnung = QString::fromUtf8(bezeichnungen[i]);
        if (kette && i > 0)
            tag.Wetterwurf = tage.last().Wetterwurf + Subs::Zufallszahl(6) + tage.last().Wetter.Trend;
        else
            tag.Wetterwurf = Subs::Zufallszahl(20);
        tag.Wetter = Wetter(jahreszeit, tag.Wetterwurf);
        tag.Windstufe = Subs::Zufallszahl(6) + tag.Wetter.WindMod;
        tag.Wind = Windtext(tag.Windstufe);
        tag.Temperaturstufe = Subs::Zufallszahl(6) + tag.Wetter.TempMod;
        tag.Temperatur = Temperaturtext(tag.Temperaturstufe, jahreszeit);
        tage.append(tag);
    }
    return tage;
}

int ProzentVon(int prozent, int basis)
{
    return int(Subs::Runden(double(prozent) * double(basis) / 100.0));
}

QList<Geschwindigkeit> Geschwindigkeiten(const QString& gelaende)
{
    QList<Geschwindigkeit> liste;
    for (const Gelaende& g : Gelaendetabelle()) {
        if (QString::fromUtf8(g.Name) != gelaende)
            continue;
        // Grasland's fixed lines are the plain bases.
        if (gelaende == QLatin1String("Grasland"))
            liste.append({QString(), kFuss, kPferd});
        for (const Unterart& u : g.Unterarten)
            liste.append({QString::fromUtf8(u.Name), ProzentVon(u.Prozent, u.BasisFuss),
                          u.BasisBeritten > 0 ? ProzentVon(u.Prozent, u.BasisBeritten) : 0});
    }
    return liste;
}

QList<Reisezeile> Reiseinformationen(const QString& gelaende)
{
    QList<Reisezeile> zeilen;
    for (const Gelaende& g : Gelaendetabelle()) {
        if (QString::fromUtf8(g.Name) != gelaende)
            continue;
        if (gelaende == QLatin1String("Grasland")) {
            zeilen.append({QStringLiteral("Geschwindigkeit zu Fuß: "), QStringLiteral("30 Meilen")});
            zeilen.append({QStringLiteral("Geschwindigkeit beritten: "), QStringLiteral("50 Meilen")});
        }
        for (const Unterart& u : g.Unterarten) {
            const QString name = QString::fromUtf8(u.Name);
            zeilen.append({QStringLiteral("Geschwindigkeit zu Fuß (") + name + QStringLiteral("): "),
                           QString::number(ProzentVon(u.Prozent, u.BasisFuss))});
            if (u.BasisBeritten > 0)
                zeilen.append({QStringLiteral("Geschwindigkeit beritten (") + name + QStringLiteral("): "),
                               QString::number(ProzentVon(u.Prozent, u.BasisBeritten))});
        }
        if (g.Hinweis)
            zeilen.append({QStringLiteral("Zusatzinformationen: "), QString::fromUtf8(g.Hinweis)});
        break;
    }
    return zeilen;
}

QString EreignisPfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Day\\DayEreignisse.dat"));
}

Ereignisdatei EreignisseLaden(const QString& pfad)
{
    // Game masters add their own events with any editor; one saved as UTF-8 is read as such.
    Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad);
    Ereignisdatei datei;
    const QString fehltOderLeer = QStringLiteral("Die Datei DayEreignisse.dat fehlt oder ist leer; ") + kOhneEreignisse;
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt) {
        datei.Meldung = fehltOderLeer;
        return datei;
    }
    if (!gelesen.Gelesen()) {
        datei.Meldung = QStringLiteral("Die Datei DayEreignisse.dat konnte nicht gelesen werden (%1); ").arg(gelesen.Grund)
            + kOhneEreignisse;
        return datei;
    }
    // A file of nothing but line breaks and blanks is as empty as one without bytes.
    bool text = false;
    for (const QString& zeile : std::as_const(gelesen.Zeilen)) {
        if (!zeile.trimmed().isEmpty()) {
            text = true;
            break;
        }
    }
    if (!text) {
        datei.Meldung = fehltOderLeer;
        return datei;
    }
    datei.Zeilen = std::move(gelesen.Zeilen);
    return datei;
}

Ereignisdatei EreignisseLaden()
{
    return EreignisseLaden(EreignisPfad());
}

QString GelaendeEreignisPfad(const QString& gelaende)
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Day\\Ereignisse\\") + gelaende + QStringLiteral(".dat"));
}

Ereignisdatei EreignisseFuer(const QString& gelaende)
{
    Ereignisdatei datei = EreignisseLaden();
    // Only the ten terrains have files; no other text ever becomes part of a path.
    if (!Gelaendearten().contains(gelaende))
        return datei;
    const Zeilendatei::Leseoptionen optionen;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(GelaendeEreignisPfad(gelaende), optionen);
    const QString name = QStringLiteral("Ereignisse\\") + gelaende + QStringLiteral(".dat");
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt)
        return datei;
    if (!gelesen.Gelesen()) {
        const QString meldung = QStringLiteral("Die Datei %1 konnte nicht gelesen werden (%2); ").arg(name, gelesen.Grund)
            + (datei.Zeilen.isEmpty() ? kOhneEreignisse
                                      : QStringLiteral("die Tagesereignisse kommen nur aus DayEreignisse.dat."));
        datei.Meldung = datei.Meldung.isEmpty() ? meldung : datei.Meldung + QLatin1Char('\n') + meldung;
        return datei;
    }
    qsizetype eigene = 0;
    for (const QString& zeile : gelesen.Zeilen) {
        if (zeile.trimmed().isEmpty())
            continue;
        datei.Zeilen.append(zeile);
        ++eigene;
    }
    // Events of the terrain alone: the general file is still reported, but the page is not without events.
    if (eigene > 0 && datei.Zeilen.size() == eigene)
        datei.Meldung.replace(kOhneEreignisse, QStringLiteral("die Tagesereignisse kommen nur aus %1.").arg(name));
    return datei;
}

QList<Ereignis> EreignisseZiehen(const QStringList& zeilen)
{
    QList<Ereignis> ereignisse;
    if (zeilen.isEmpty())
        return ereignisse;
    int grenze = int(qMin<qsizetype>(zeilen.size(), INT_MAX));
    for (int i = 0; i < 3; ++i) {
        // Bounded again, so no source of numbers can ever reach past the end of the file.
        const int wahl = qBound(1, Subs::Zufallszahl(grenze), grenze);
        ereignisse.append({wahl, zeilen[wahl - 1]});
        grenze = wahl;
    }
    return ereignisse;
}

Tageslauf Berechnen(const QString& gelaende, Jahreszeit jahreszeit, const QStringList& ereignisse)
{
    Tageslauf lauf;
    lauf.Gelaende = gelaende;
    lauf.Saison = jahreszeit;
    lauf.Tage = TageWuerfeln(jahreszeit);
    lauf.Ereignisse = EreignisseZiehen(ereignisse);
    return lauf;
}

void SeiteSchreiben(const Tageslauf& lauf, QIODevice& datei)
{
    HtmlEintrag(QStringLiteral("Geländeart: "), HtmlMaskieren(lauf.Gelaende), datei);
    HtmlEintrag(QStringLiteral("Jahreszeit: "), JahreszeitName(lauf.Saison), datei);
    HtmlLeerzeilen(3, datei);

    HtmlTabelleBeginn(datei);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Tag", "Wetter", "Windstärke", "Temperatur"})
        HtmlKopfzelle(QString::fromUtf8(kopf), datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
    for (const Tag& tag : lauf.Tage) {
        HtmlRoh(QStringLiteral("<tr>"), datei);
        HtmlZelle(tag.Bezeichnung, QStringLiteral("20%"), datei);
        HtmlZelle(tag.Wetter.Text, QStringLiteral("25%"), datei);
        HtmlZelle(tag.Wind, QStringLiteral("25%"), datei);
        HtmlZelle(tag.Temperatur, QStringLiteral("30%"), datei);
        HtmlRoh(QStringLiteral("</tr>"), datei);
    }
    HtmlRoh(QStringLiteral("</table>"), datei);
    HtmlLeerzeilen(3, datei);

    HtmlUeberschrift(QStringLiteral("Reiseinformationen"), 3, datei);
    HtmlZeile(QStringLiteral("Die Geschwindigkeit ist in 'Meilen pro Tag' angegeben."), datei);
    for (const Reisezeile& zeile : Reiseinformationen(lauf.Gelaende))
        HtmlEintrag(zeile.Bezeichnung, zeile.Wert, datei);
    HtmlZeile(QStringLiteral("Hügeliges Terrain verringert die Geschwindigkeit um weitere 25%."), datei);
    HtmlLeerzeilen(3, datei);

    for (const Ereignis& ereignis : lauf.Ereignisse)
        HtmlEintrag(QStringLiteral("Tagesereignis: "), HtmlMaskieren(ereignis.Text), datei);
}

QByteArray Seite(const Tageslauf& lauf)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    SeiteSchreiben(lauf, puffer);
    return bytes;
}

bool SeiteSpeichern(const Tageslauf& lauf, const QString& pfad, QString* fehler)
{
    const QByteArray bytes = Seite(lauf);
    QString grund;
    if (Dateien::AtomarSchreiben(pfad, [&bytes](QIODevice& datei) { datei.write(bytes); }, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Der Tagesablauf konnte nicht in die Datei %1 geschrieben werden: %2")
                      .arg(Dateien::Anzeigename(pfad), grund);
    return false;
}

QString TempSeite()
{
    const QString pfad = Pfad::Verbinden(Variablen::TempPfad, QStringLiteral("\\Temp.html"));
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return pfad;
}

} // namespace DayEngine
