#include "CreaturesHTML.h"

#include "Creatures3Variablen.h"
#include "Dateien.h"
#include "HTMLExport.h"
#include "Kreaturentabelle.h"
#include "Pfad.h"
#include "Variablen.h"

#include <QDir>
#include <QFileInfo>

namespace CreaturesHTML {

using namespace HTMLExport;
using Kreaturentabellen::Feld;

namespace {

void Roh(const QString& zeile, QIODevice& datei)
{
    HtmlRoh(zeile, datei);
}

// The damage cell of weapons 2 to 4: name, five blanks, the damage, five blanks.
QString Schadenstext(const QStringList& z, int waffe)
{
    const int name = 10 + 4 * waffe;
    const QString art = Feld(z, Kreaturentabellen::ErsterSchaden + waffe);
    QString schaden = HtmlMaskieren(Feld(z, name + 1));
    if (Kreaturentabellen::Wuerfelindex(art) == 6)
        schaden += QStringLiteral("SP");
    else
        schaden += Kreaturentabellen::SchadenswuerfelText(art) + QLatin1Char('+') + HtmlMaskieren(Feld(z, name + 2));
    return HtmlMaskieren(Feld(z, name)) + HtmlLeerraum(5) + schaden + HtmlLeerraum(5);
}

void Eintrag(const QString& bezeichnung, const QString& wert, QIODevice& datei)
{
    HtmlEintrag(bezeichnung, HtmlMaskieren(wert), datei);
}

} // namespace

void DetailseiteSchreiben(const QStringList& z, QIODevice& datei)
{
    using namespace Kreaturentabellen;
    const QStringList spalten = Listenspalten(z);
    const QString name = HtmlMaskieren(spalten[0]);
    HtmlKopf(name + QStringLiteral(" - ") + Creatures3Variablen::Programmtitel, datei);
    HtmlUeberschrift(name, 1, datei);

    HtmlTabelleBeginn(datei);
    Roh(QStringLiteral("<tr>"), datei);
    for (const char* kopf : {"Name", "MU", "AT", "PA", "LE", "RS", "TP", "GS", "AU", "MR", "MK"})
        HtmlKopfzelle(QLatin1String(kopf), datei);
    Roh(QStringLiteral("</tr>"), datei);

    // The first row holds the list columns but the category.
    const QString schmal = QStringLiteral("6%");
    const QString breit = QStringLiteral("23%");
    Roh(QStringLiteral("<tr>"), datei);
    HtmlZelle(name, breit, datei);
    for (int spalte = 2; spalte <= 6; ++spalte)
        HtmlZelle(HtmlMaskieren(spalten[spalte]), schmal, datei);
    HtmlZelle(HtmlMaskieren(spalten[7]), breit, datei);
    for (int spalte = 8; spalte <= 11; ++spalte)
        HtmlZelle(HtmlMaskieren(spalten[spalte]), schmal, datei);
    Roh(QStringLiteral("</tr>"), datei);

    const QString leer = QStringLiteral(" ");
    for (int waffe = 1; waffe <= 3; ++waffe) {
        const int feld = 10 + 4 * waffe;
        if (Feld(z, feld).isEmpty())
            continue;
        Roh(QStringLiteral("<tr>"), datei);
        HtmlZelle(leer, schmal, datei);
        HtmlZelle(leer, schmal, datei);
        HtmlZelle(HtmlMaskieren(Feld(z, feld + 3)), schmal, datei);
        for (int i = 0; i < 3; ++i)
            HtmlZelle(leer, schmal, datei);
        HtmlZelle(Schadenstext(z, waffe), breit, datei);
        for (int i = 0; i < 4; ++i)
            HtmlZelle(leer, schmal, datei);
        Roh(QStringLiteral("</tr>"), datei);
    }
    Roh(QStringLiteral("</table>"), datei);
    HtmlLeerzeilen(1, datei);

    const struct {
        const char* bezeichnung;
        int feld;
    } koerper[] = {{"Grösse: ", 4}, {"GS: ", 5}, {"KK: ", 6}, {"AU: ", 7}, {"KL: ", 8}};
    for (const auto& k : koerper)
        if (!Feld(z, k.feld).isEmpty())
            Eintrag(QString::fromUtf8(k.bezeichnung), Feld(z, k.feld), datei);
    HtmlZeile(QString(), datei);

    if (!Feld(z, FeldBeschreibung).isEmpty()) {
        Eintrag(QStringLiteral("Beschreibung: "), Feld(z, FeldBeschreibung), datei);
        HtmlZeile(QString(), datei);
        HtmlZeile(QString(), datei);
    }

    const char* const lebensraum[] = {"Die Kreatur lebt auf dem Land.", "Die Kreatur lebt im Wasser.",
                                      "Die Kreatur lebt in einer anderen Sphäre."};
    for (int i = 0; i < 3; ++i)
        if (FlagGesetzt(Feld(z, ErsterSchalter + i)))
            HtmlZeile(QString::fromUtf8(lebensraum[i]), datei);
    Eintrag(QStringLiteral("Regionen, in denen die Kreatur vorkommt: "), Feld(z, 3), datei);
    Eintrag(QStringLiteral("Häufigkeit: "), Feld(z, FeldHaeufigkeit), datei);
    HtmlZeile(QString(), datei);
    HtmlZeile(QString(), datei);

    const QStringList& beschriftung = Schalterbeschriftungen();
    for (int i = 3; i <= 12; ++i)
        if (FlagGesetzt(Feld(z, ErsterSchalter + i)))
            HtmlZeile(QStringLiteral(" Die Kreatur ist ") + beschriftung[i], datei);
    for (int i = 13; i <= 17; ++i)
        if (FlagGesetzt(Feld(z, ErsterSchalter + i)))
            HtmlZeile(QStringLiteral(" Die Kreatur ") + beschriftung[i], datei);

    HtmlZeile(QString(), datei);
    HtmlZeile(QString(), datei);
    if (!Feld(z, 32).isEmpty())
        Eintrag(QStringLiteral("Ausrüstung: "), Feld(z, 32), datei);
    if (!Feld(z, 33).isEmpty())
        Eintrag(QStringLiteral("Verwertbare Dinge: "), Feld(z, 33), datei);
}

bool DetailseiteSpeichern(const QStringList& zeile, const QString& pfad, QString* fehler)
{
    QString grund;
    if (Dateien::AtomarSchreiben(pfad, [&](QIODevice& datei) { DetailseiteSchreiben(zeile, datei); }, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Seite %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund);
    return false;
}

QString TempSeite()
{
    const QString pfad = Pfad::Verbinden(Variablen::TempPfad, QStringLiteral("\\Temp.html"));
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return pfad;
}

} // namespace CreaturesHTML
