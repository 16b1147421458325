#include "DayBatch.h"

#include "Batch.h"
#include "Dialoge.h"

namespace DayBatch {

using namespace DayEngine;

namespace {

Ergebnis Fehler(const QString& meldung, int status = 1)
{
    Dialoge::Warnung(meldung);
    return {status, {}};
}

Ergebnis Aufruffehler(const QString& meldung)
{
    return Fehler(meldung + QStringLiteral(" (Tageslauf3 --help zeigt die Befehle.)"), 2);
}

QString Bekannt(const QStringList& namen)
{
    return namen.join(QStringLiteral(", "));
}

Ergebnis Liste(Batch::Befehlszeile& b)
{
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    return {0, Gelaendearten()};
}

Ergebnis Generieren(Batch::Befehlszeile& b)
{
    const auto gelaende = b.Wert(QStringLiteral("--gelaende"));
    const auto jahreszeit = b.Wert(QStringLiteral("--jahreszeit"));
    const auto ausgabe = b.Wert(QStringLiteral("--ausgabe"));
    if (!b.Fehlerhaft().isEmpty())
        return Aufruffehler(b.Fehlerhaft());
    // The window's own warning when no terrain was chosen.
    if (!gelaende || gelaende->isEmpty())
        return Fehler(QStringLiteral("Bitte wählt eine Geländeart aus."), 2);
    if (!Gelaendearten().contains(*gelaende))
        return Aufruffehler(QStringLiteral("Unbekannte Geländeart „%1“; bekannt sind: %2.").arg(*gelaende, Bekannt(Gelaendearten())));
    // Without a season the window's preset, spring.
    const auto saison = jahreszeit ? JahreszeitSuchen(*jahreszeit) : std::optional<Jahreszeit>(Jahreszeit::Fruehling);
    if (!saison)
        return Aufruffehler(QStringLiteral("Unbekannte Jahreszeit „%1“; bekannt sind: %2.").arg(*jahreszeit, Bekannt(Jahreszeiten())));
    if (!ausgabe || ausgabe->isEmpty())
        return Aufruffehler(QStringLiteral("Zu --generieren fehlt --ausgabe DATEI.html."));

    const Ereignisdatei ereignisse = EreignisseFuer(*gelaende);
    const Tageslauf lauf = Berechnen(*gelaende, *saison, ereignisse.Zeilen);
    QString grund;
    if (!SeiteSpeichern(lauf, *ausgabe, &grund))
        return Fehler(grund);
    if (!ereignisse.Meldung.isEmpty())
        Dialoge::Warnung(ereignisse.Meldung);
    return {0, Zeilen(lauf)};
}

} // namespace

QStringList Zeilen(const Tageslauf& lauf)
{
    const QChar tab = QLatin1Char('\t');
    QStringList zeilen;
    for (const Tag& tag : lauf.Tage)
        zeilen.append(QStringList{tag.Bezeichnung, QString::number(tag.Wetterwurf), tag.Wetter.Text,
                                  QString::number(tag.Windstufe), tag.Wind, QString::number(tag.Temperaturstufe),
                                  tag.Temperatur}
                          .join(tab));
    for (const Ereignis& ereignis : lauf.Ereignisse)
        zeilen.append(QStringLiteral("Tagesereignis") + tab + QString::number(ereignis.Zeile) + tab + ereignis.Text);
    return zeilen;
}

QString Hilfetext()
{
    return QStringLiteral(
        "Befehle:\n"
        "  --liste                       die zehn Geländearten, eine je Zeile\n"
        "  --generieren --gelaende GELÄNDE [--jahreszeit Frühling|Sommer|Herbst|Winter] --ausgabe DATEI.html\n"
        "                                drei Tage würfeln, die Seite nach DATEI.html schreiben und jeden Tag\n"
        "                                (Tag, Wetterwurf, Wetter, Windstufe, Wind, Temperaturstufe, Temperatur)\n"
        "                                und jedes Tagesereignis (Zeilennummer, Text) durch Tabulatoren getrennt\n"
        "                                ausgeben; ohne --jahreszeit gilt Frühling");
}

Ergebnis Ausfuehren(const QStringList& argumente)
{
    Batch::Befehlszeile b(argumente);
    if (b.Schalter(QStringLiteral("--liste")))
        return Liste(b);
    if (b.Schalter(QStringLiteral("--generieren")))
        return Generieren(b);
    return Aufruffehler(argumente.isEmpty() ? QStringLiteral("Kein Befehl angegeben.")
                                            : QStringLiteral("Unbekannter Befehl: %1").arg(argumente.first()));
}

} // namespace DayBatch
