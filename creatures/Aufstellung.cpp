#include "Aufstellung.h"

#include "Dateien.h"
#include "Kreaturentabelle.h"
#include "Pfad.h"
#include "Variablen.h"
#include "Zeilendatei.h"

namespace Aufstellung {

using BattleEngine::Gruppe;
using BattleEngine::Kaempfer;
using BattleEngine::Kampfstand;

namespace {

constexpr int Felder = 10;

const QString& Art(Gruppe g)
{
    static const QString arten[] = {QStringLiteral("Held"), QStringLiteral("Gegner")};
    return arten[int(g)];
}

QString Einzeilig(const QString& name)
{
    QString n = name;
    for (QChar& c : n)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return n;
}

} // namespace

QString LetztePfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Creatures\\Letzte Aufstellung.dat"));
}

QString Kopfzeile()
{
    return QStringLiteral("Aufstellung 1");
}

QStringList Zeilen(const Kampfstand& stand)
{
    QStringList zeilen{Kopfzeile()};
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
        for (const Kaempfer& k : stand.Mitglieder(g)) {
            const QStringList felder{Art(g),
                                     Einzeilig(k.Name),
                                     QString::number(k.MU),
                                     QString::number(k.AT),
                                     QString::number(k.PA),
                                     QString::number(k.Anzahl),
                                     k.Wuerfel,
                                     QString::number(k.Bonus),
                                     QString::number(k.RS),
                                     QString::number(k.LE)};
            zeilen.append(felder.join(QLatin1Char('\t')));
        }
    }
    return zeilen;
}

bool Speichern(const Kampfstand& stand, const QString& pfad, QString* fehler)
{
    QString grund;
    if (Zeilendatei::Schreiben(pfad, Zeilen(stand), &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Aufstellung %1 konnte nicht geschrieben werden: %2")
                      .arg(Dateien::Anzeigename(pfad), Dateien::Satz(grund));
    return false;
}

std::optional<Kampfstand> AusZeilen(const QStringList& zeilen, const QString& anzeige, QString* fehler)
{
    const auto ablehnen = [&](const QString& grund) -> std::optional<Kampfstand> {
        if (fehler)
            *fehler = grund;
        return std::nullopt;
    };
    if (zeilen.isEmpty() || zeilen.first() != Kopfzeile())
        return ablehnen(QStringLiteral("Die Datei %1 ist keine Aufstellung: Ihre erste Zeile ist nicht „%2“.")
                            .arg(anzeige, Kopfzeile()));
    struct Wertfeld {
        int feld;
        const char* was;
    };
    const Wertfeld werte[] = {{2, "der Mut (MU)"},         {3, "der Attackewert (AT)"},
                              {4, "der Paradewert (PA)"},  {5, "die Zahl der Würfel"},
                              {7, "der Schadensbonus"},    {8, "der Rüstungsschutz (RS)"},
                              {9, "die Lebensenergie (LE)"}};
    Kampfstand stand;
    int mitglieder[2] = {0, 0};
    for (qsizetype z = 1; z < zeilen.size(); ++z) {
        // A blank line (as an editor may leave at the end) holds no member.
        if (zeilen[z].trimmed().isEmpty())
            continue;
        const QString beschaedigt = QStringLiteral("Die Aufstellung %1 ist beschädigt: In Zeile %2 ").arg(anzeige).arg(z + 1);
        const QStringList f = zeilen[z].split(QLatin1Char('\t'));
        if (f.size() != Felder)
            return ablehnen(beschaedigt + QStringLiteral("stehen %1 statt %2 durch Tabulatoren getrennte Felder.")
                                              .arg(f.size())
                                              .arg(Felder));
        Gruppe gruppe = Gruppe::Helden;
        if (f[0] == Art(Gruppe::Gegner))
            gruppe = Gruppe::Gegner;
        else if (f[0] != Art(Gruppe::Helden))
            return ablehnen(beschaedigt + QStringLiteral("steht „%1“, wo „Held“ oder „Gegner“ stehen muss.").arg(f[0]));
        // A group passing the limit refuses the whole file, before any value of the line is read.
        if (++mitglieder[int(gruppe)] > BattleEngine::HoechsteMitglieder)
            return ablehnen(QStringLiteral("Die Aufstellung %1 ist zu groß: Zeile %2 ist das %3. Mitglied der %4; eine "
                                           "Gruppe hat höchstens %5 Mitglieder.")
                                .arg(anzeige)
                                .arg(z + 1)
                                .arg(BattleEngine::HoechsteMitglieder + 1)
                                .arg(gruppe == Gruppe::Helden ? QStringLiteral("Heldengruppe") : QStringLiteral("Gegnergruppe"))
                                .arg(BattleEngine::HoechsteMitglieder));
        qint64 zahl[Felder] = {};
        for (const Wertfeld& w : werte) {
            const auto wert = BattleEngine::Kampfwert(f[w.feld]);
            if (!wert)
                return ablehnen(beschaedigt
                                + QStringLiteral("ist %1 („%2“) keine Zahl von -32768 bis 32767.")
                                      .arg(QString::fromUtf8(w.was), f[w.feld]));
            zahl[w.feld] = *wert;
        }
        const QStringList& arten = Kreaturentabellen::Wuerfelarten();
        const qsizetype art = arten.indexOf(f[6].trimmed().toUpper());
        if (art < 0)
            return ablehnen(beschaedigt + QStringLiteral("ist „%1“ keine Würfelart; erlaubt sind %2.")
                                              .arg(f[6], arten.join(QStringLiteral(", "))));
        Kaempfer k;
        k.Name = f[1];
        k.MU = zahl[2];
        k.AT = zahl[3];
        k.PA = zahl[4];
        k.Anzahl = zahl[5];
        k.Wuerfel = arten[art];
        k.Bonus = zahl[7];
        k.RS = zahl[8];
        k.LE = zahl[9];
        BattleEngine::Aufnehmen(stand, gruppe, k);
    }
    return stand;
}

std::optional<Kampfstand> Lesen(const QString& pfad, QString* fehler)
{
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = [](const QString& zeile) { return zeile == Kopfzeile(); };
    const Zeilendatei::Leseergebnis e = Zeilendatei::Laden(pfad, optionen);
    if (e.Status == Zeilendatei::Lesestatus::FalscheKopfzeile)
        return AusZeilen({}, Dateien::Anzeigename(pfad), fehler);
    if (!e.Gelesen()) {
        if (fehler)
            *fehler = QStringLiteral("Die Aufstellung %1 konnte nicht gelesen werden: %2")
                          .arg(Dateien::Anzeigename(pfad), Dateien::Satz(e.Grund));
        return std::nullopt;
    }
    return AusZeilen(e.Zeilen, Dateien::Anzeigename(pfad), fehler);
}

} // namespace Aufstellung
