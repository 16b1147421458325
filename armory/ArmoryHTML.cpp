#include "ArmoryHTML.h"

#include "Armory3Variablen.h"
#include "HTMLExport.h"
#include "Pfad.h"
#include "Variablen.h"

#include <QDir>
#include <QFileInfo>

namespace ArmoryHTML {

using namespace HTMLExport;
using Waffentabellen::Tabelle;

namespace {

QString Feld(const QStringList& zeile, int i)
{
    return i >= 0 && i < zeile.size() ? zeile[i] : QString();
}

void Zeile(const QString& text, QIODevice& datei)
{
    HtmlZeile(text, datei);
}

void Kopfzeile(Tabelle t, QIODevice& datei)
{
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (const QString& kopf : Kopfzellen(t))
        HtmlKopfzelle(kopf, datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
}

void Datenzeile(Tabelle t, const QStringList& spalten, QIODevice& datei)
{
    const QStringList breiten = Breiten(t);
    HtmlRoh(QStringLiteral("<tr>"), datei);
    for (qsizetype i = 0; i < breiten.size(); ++i)
        HtmlZelle(HtmlMaskieren(i < spalten.size() ? spalten[i] : QString()), breiten[i], datei);
    HtmlRoh(QStringLiteral("</tr>"), datei);
}

// The sentences of the flags that are set, in field order.
QStringList Flagsaetze(Tabelle t, const QStringList& zeile)
{
    QStringList saetze;
    int erstes = 0;
    switch (t) {
    case Tabelle::NWaffen:
        erstes = 16;
        saetze = {QStringLiteral("Es handelt sich um eine einzigartige Waffe."),
                  QStringLiteral("Die Waffe darf nur von Privilegierten geführt werden."),
                  QStringLiteral("Die Waffe ist magisch."),
                  QStringLiteral("Es handelt sich um eine rituelle bzw. religiöse Waffe."),
                  QStringLiteral("Die Waffe ist nur für Zwerge geeignet."),
                  QStringLiteral("Die Waffe kann nicht von Zwergen geführt werden."),
                  QStringLiteral("Die Waffe muss zweihändig geführt werden."),
                  QStringLiteral("Es handelt sich um eine illegale bzw. verbotene Waffe.")};
        break;
    case Tabelle::FWaffen:
        erstes = 14;
        saetze = {QStringLiteral("Es handelt sich um eine einzigartige Waffe."),
                  QStringLiteral("Die Waffe darf nur von Privilegierten geführt werden."),
                  QStringLiteral("Die Waffe ist magisch."),
                  QStringLiteral("Es handelt sich um eine rituelle bzw. religiöse Waffe."),
                  QStringLiteral("Es handelt sich um eine illegale bzw. verbotene Waffe.")};
        break;
    case Tabelle::Armor:
        erstes = 11;
        saetze = {QStringLiteral("Es handelt sich um eine einzigartige Rüstung."),
                  QStringLiteral("Die Rüstung darf nur von Privilegierten getragen werden."),
                  QStringLiteral("Die Rüstung ist magisch."),
                  QStringLiteral("Die Rüstung ist nur für Zwerge geeignet."),
                  QStringLiteral("Die Rüstung kann nicht von Zwergen getragen werden.")};
        break;
    }
    QStringList gesetzt;
    for (qsizetype i = 0; i < saetze.size(); ++i)
        if (Waffentabellen::FlagGesetzt(Feld(zeile, erstes + int(i))))
            gesetzt.append(saetze[i]);
    return gesetzt;
}

} // namespace

QStringList Kopfzellen(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen:
        return {QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("TP"), QStringLiteral("TP+"),
                QStringLiteral("Gew."), QStringLiteral("Lg."), QStringLiteral("BF"), QStringLiteral("WV"),
                QStringLiteral("Preis")};
    case Tabelle::FWaffen:
        return {QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("TP"), QStringLiteral("Reichweitenmod."),
                QStringLiteral("Reichweite"), QStringLiteral("Gewicht"), QStringLiteral("Preis")};
    case Tabelle::Armor:
        return {QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("RS"), QStringLiteral("BE"),
                QStringLiteral("WV"), QStringLiteral("BF"), QStringLiteral("Gewicht"), QStringLiteral("Preis")};
    }
    return {};
}

QStringList Breiten(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen:
        return {QStringLiteral("20%"), QStringLiteral("20%"), QStringLiteral("10%"), QStringLiteral("7%"),
                QStringLiteral("9%"), QStringLiteral("9%"), QStringLiteral("5%"), QStringLiteral("6%"),
                QStringLiteral("16%")};
    case Tabelle::FWaffen:
        return {QStringLiteral("25%"), QStringLiteral("15%"), QStringLiteral("10%"), QStringLiteral("10%"),
                QStringLiteral("10%"), QStringLiteral("15%"), QStringLiteral("15%")};
    case Tabelle::Armor:
        return {QStringLiteral("22%"), QStringLiteral("22%"), QStringLiteral("10%"), QStringLiteral("10%"),
                QStringLiteral("10%"), QStringLiteral("10%"), QStringLiteral("10%"), QStringLiteral("10%")};
    }
    return {};
}

void DetailSeiteSchreiben(Tabelle t, const QStringList& zeile, QIODevice& datei)
{
    const QString name = HtmlMaskieren(Feld(zeile, 1));
    HtmlKopf(name + QStringLiteral(" - ") + Armory3Variablen::Programmtitel, datei);
    HtmlUeberschrift(name, 1, datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile(t, datei);
    Datenzeile(t, Waffentabellen::Listenspalten(t, zeile), datei);
    HtmlRoh(QStringLiteral("</table>"), datei);
    Zeile(QString(), datei);

    const QString beschreibung = Feld(zeile, Waffentabellen::FeldBeschreibung(t));
    if (!beschreibung.isEmpty()) {
        HtmlEintrag(QStringLiteral("Beschreibung: "), HtmlMaskieren(beschreibung), datei);
        Zeile(QString(), datei);
        Zeile(QString(), datei);
    }
    for (const QString& satz : Flagsaetze(t, zeile))
        Zeile(satz, datei);

    const QString handel = Feld(zeile, Waffentabellen::FeldHandel(t));
    const QString handelLabel = QStringLiteral("Handelstechnische Eigenschaften: ");
    if (t == Tabelle::Armor) {
        if (handel.isEmpty())
            return;
        Zeile(QString(), datei);
        Zeile(QString(), datei);
        HtmlEintrag(handelLabel, HtmlMaskieren(handel), datei);
        return;
    }
    Zeile(QString(), datei);
    Zeile(QString(), datei);
    if (!handel.isEmpty()) {
        HtmlEintrag(handelLabel, HtmlMaskieren(handel), datei);
        Zeile(QString(), datei);
    }
    const int erstes = t == Tabelle::NWaffen ? 13 : 11;
    const QString labels[] = {QStringLiteral("Schwäche der Waffe: "), QStringLiteral("Schwach gegen einen best. Gegner: "),
                              QStringLiteral("Stark gegen einen best. Gegner: ")};
    for (int i = 0; i < 3; ++i)
        if (!Feld(zeile, erstes + i).isEmpty())
            HtmlEintrag(labels[i], HtmlMaskieren(Feld(zeile, erstes + i)), datei);
}

void ListenSeiteSchreiben(Tabelle t, const QList<QStringList>& spalten, QIODevice& datei)
{
    static const char* const titel[] = {"Liste aller Nahkampfwaffen", "Liste aller Fernwaffen", "Liste aller Rüstungen"};
    HtmlKopf(QString::fromUtf8(titel[int(t)]), datei);
    HtmlTabelleBeginn(datei);
    Kopfzeile(t, datei);
    for (const QStringList& zeile : spalten)
        Datenzeile(t, zeile, datei);
    HtmlRoh(QStringLiteral("</table>"), datei);
}

bool DetailSeiteSpeichern(Tabelle t, const QStringList& zeile, const QString& pfad, QString* fehler)
{
    return SeiteSpeichern(pfad, fehler, [&](QIODevice& datei) { DetailSeiteSchreiben(t, zeile, datei); });
}

bool ListenSeiteSpeichern(Tabelle t, const QList<QStringList>& spalten, const QString& pfad, QString* fehler)
{
    return SeiteSpeichern(pfad, fehler, [&](QIODevice& datei) { ListenSeiteSchreiben(t, spalten, datei); });
}

QString TempSeite()
{
    const QString pfad = Pfad::Verbinden(Variablen::TempPfad, QStringLiteral("\\Temp.html"));
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    return pfad;
}

} // namespace ArmoryHTML
