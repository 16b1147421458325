#include "Begegnungen.h"

#include "DayEngine.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QRegularExpression>

namespace Begegnungen {

namespace {

// A whole number of at most four digits, so nothing overflows before the range is checked.
std::optional<int> Klein(const QString& text)
{
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    int wert = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        wert = wert * 10 + (c.unicode() - '0');
    }
    return wert;
}

QString Ort(const QString& gelaende, int nummer)
{
    return QStringLiteral("%1, Zeile %2: ").arg(Anzeige(gelaende)).arg(nummer);
}

} // namespace

std::optional<Anzahl> AnzahlLesen(const QString& text)
{
    // Dice with an optional bonus, or a plain number.
    static const QRegularExpression muster(QStringLiteral("^(?:([0-9]{1,4})?[Ww]([0-9]{1,4})(?:\\+([0-9]{1,4}))?|([0-9]{1,4}))$"));
    const QRegularExpressionMatch m = muster.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    Anzahl a;
    if (m.captured(4).isEmpty()) {
        a.Wuerfel = m.captured(1).isEmpty() ? 1 : *Klein(m.captured(1));
        a.Seiten = *Klein(m.captured(2));
        a.Zuschlag = m.captured(3).isEmpty() ? 0 : *Klein(m.captured(3));
        if (a.Wuerfel < 1 || a.Seiten < 2 || a.Seiten > 100)
            return std::nullopt;
    } else {
        a.Zuschlag = *Klein(m.captured(4));
    }
    if (a.Wuerfel + a.Zuschlag < 1 || a.Hoechstens() > HoechsteAnzahl)
        return std::nullopt;
    return a;
}

int Wuerfeln(const Anzahl& anzahl)
{
    int summe = anzahl.Zuschlag;
    for (int i = 0; i < anzahl.Wuerfel; ++i)
        summe += qBound(1, Subs::Zufallszahl(anzahl.Seiten), anzahl.Seiten);
    return summe;
}

int Tabelle::Gesamtgewicht() const
{
    int summe = 0;
    for (const Zeile& z : Zeilen)
        summe += z.Gewicht;
    return summe;
}

QString Pfad(const QString& gelaende)
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Day\\Begegnungen\\") + gelaende + QStringLiteral(".dat"));
}

QString Anzeige(const QString& gelaende)
{
    return QStringLiteral("Begegnungen\\") + gelaende + QStringLiteral(".dat");
}

Tabelle AusZeilen(const QStringList& zeilen, const QString& gelaende)
{
    Tabelle t;
    t.Gelaende = gelaende;
    t.Vorhanden = true;
    static const QRegularExpression chance(QStringLiteral("^Chance\\s+([0-9]{1,4})$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = chance.match(zeilen.value(0).trimmed());
    const std::optional<int> prozent = m.hasMatch() ? Klein(m.captured(1)) : std::nullopt;
    if (!prozent || *prozent > 100) {
        t.Meldungen.append(Ort(gelaende, 1)
                           + QStringLiteral("Die erste Zeile muss „Chance“ und eine ganze Zahl von 0 bis 100 nennen, etwa "
                                            "„Chance 20“; in diesem Gelände gibt es keine Begegnungen."));
        return t;
    }
    t.Chance = *prozent;
    // Well past any sensible table: the rest is reported once instead of line by line.
    constexpr int HoechsteZeilen = 1000;
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QString& text = zeilen[i];
        if (text.trimmed().isEmpty())
            continue;
        const int nummer = int(i + 1);
        if (t.Zeilen.size() >= HoechsteZeilen) {
            t.Meldungen.append(Ort(gelaende, nummer) + QStringLiteral("Mehr als %1 Kreaturen; diese Zeile und alle "
                                                                      "weiteren bleiben unberücksichtigt.")
                                                           .arg(HoechsteZeilen));
            break;
        }
        const QStringList felder = text.split(QLatin1Char('\t'));
        Zeile z;
        z.Nummer = nummer;
        z.Name = felder.value(0).trimmed();
        z.AnzahlText = felder.value(1).trimmed();
        const std::optional<Anzahl> anzahl = AnzahlLesen(z.AnzahlText);
        const std::optional<int> gewicht = Klein(felder.value(2).trimmed());
        QString fehler;
        if (felder.size() != 3 || z.Name.isEmpty())
            fehler = QStringLiteral("Erwartet werden ein Name, eine Anzahl und ein Gewicht, durch Tabulatoren getrennt.");
        else if (!anzahl)
            fehler = QStringLiteral("„%1“ ist keine Anzahl; erlaubt sind Würfel wie „1W3“ oder „1W6+1“ und Zahlen wie "
                                    "„2“, höchstens %2 Kreaturen.")
                         .arg(z.AnzahlText)
                         .arg(HoechsteAnzahl);
        else if (!gewicht || *gewicht < 1 || *gewicht > HoechstesGewicht)
            fehler = QStringLiteral("„%1“ ist kein Gewicht; erlaubt sind ganze Zahlen von 1 bis %2.")
                         .arg(felder.value(2).trimmed())
                         .arg(HoechstesGewicht);
        if (!fehler.isEmpty()) {
            t.Meldungen.append(Ort(gelaende, nummer) + fehler + QStringLiteral(" Die Zeile bleibt unberücksichtigt."));
            continue;
        }
        z.Wurf = *anzahl;
        z.Gewicht = *gewicht;
        t.Zeilen.append(z);
    }
    return t;
}

Tabelle Lesen(const QString& gelaende)
{
    Tabelle t;
    t.Gelaende = gelaende;
    // Only the ten terrains have tables; no other text becomes part of a path.
    if (!DayEngine::Gelaendearten().contains(gelaende))
        return t;
    const Zeilendatei::Leseoptionen optionen;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(Pfad(gelaende), optionen);
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt)
        return t;
    if (!gelesen.Gelesen()) {
        t.Meldungen.append(QStringLiteral("Die Datei %1 konnte nicht gelesen werden (%2); in diesem Gelände gibt es keine "
                                          "Begegnungen.")
                               .arg(Anzeige(gelaende), gelesen.Grund));
        return t;
    }
    return AusZeilen(gelesen.Zeilen, gelaende);
}

std::optional<Begegnung> Ziehen(const Tabelle& tabelle)
{
    const int summe = tabelle.Gesamtgewicht();
    if (tabelle.Chance <= 0 || summe <= 0)
        return std::nullopt;
    if (Subs::Zufallszahl(100) > tabelle.Chance)
        return std::nullopt;
    int wahl = qBound(1, Subs::Zufallszahl(summe), summe);
    for (const Zeile& z : tabelle.Zeilen) {
        if (wahl <= z.Gewicht)
            return Begegnung{z.Name, Wuerfeln(z.Wurf), z.Nummer};
        wahl -= z.Gewicht;
    }
    return std::nullopt;
}

} // namespace Begegnungen
