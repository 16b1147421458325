#include "Stadt.h"

namespace CityEngine {

Liste NeueBetriebsliste()
{
    Liste liste;
    liste.Slots.append({QString(), QString(), QStringLiteral("-1"), QStringLiteral("-1"), QString()});
    return liste;
}

Liste NeueTempelliste()
{
    Liste liste;
    liste.Slots.append({QString(), QString()});
    return liste;
}

Stadt::Stadt()
{
    for (Liste& liste : Betriebe)
        liste = NeueBetriebsliste();
    Tempel = NeueTempelliste();
}

QStringList Goetter(const Stadt& stadt)
{
    QStringList goetter;
    for (int i = 0; i < stadt.Tempel.Anzahl(); ++i)
        goetter.append(stadt.Tempel.Slots[i].value(0));
    return goetter;
}

bool HatAngaben(const Stadt& stadt)
{
    for (const Liste& liste : stadt.Betriebe)
        if (liste.Anzahl() > 0)
            return true;
    return stadt.Tempel.Anzahl() > 0 || !stadt.Durchfahrende.isEmpty() || !stadt.Markt.isEmpty()
           || !stadt.Buergermeister.isEmpty() || stadt.Reichtum != -1 || stadt.Kriminalitaet != -1
           || !stadt.Hintergrund.isEmpty();
}

const QStringList& Rassen()
{
    static const QStringList liste = {
        QStringLiteral("Bornland"),  QStringLiteral("Elfen"),     QStringLiteral("Gareth"),
        QStringLiteral("Mohas"),     QStringLiteral("Nivesen"),   QStringLiteral("Norbarden"),
        QStringLiteral("Thorwaler"), QStringLiteral("Tulamiden"), QStringLiteral("Zwerge")};
    return liste;
}

const QStringList& Reichtuemer()
{
    static const QStringList liste = {QStringLiteral("Reich"), QStringLiteral("Normal"), QStringLiteral("Arm")};
    return liste;
}

const QStringList& Kriminalitaeten()
{
    static const QStringList liste = {QStringLiteral("Hoch"), QStringLiteral("Mittel"), QStringLiteral("Niedrig")};
    return liste;
}

const QStringList& DurchfahrendeListe()
{
    static const QStringList liste = {QStringLiteral("Gelegentlich Durchfahrende"),
                                      QStringLiteral("Häufig Durchfahrende"),
                                      QStringLiteral("Ständig Durchfahrende, ausserdem Strassenhändler")};
    return liste;
}

const QStringList& MarktListe()
{
    static const QStringList liste = {QStringLiteral("Nie"),
                                      QStringLiteral("2 Tage im Monat"),
                                      QStringLiteral("4 Tage im Monat"),
                                      QStringLiteral("8 Tage im Monat"),
                                      QStringLiteral("12 Tage im Monat"),
                                      QStringLiteral("Jeden Tag")};
    return liste;
}

const QStringList& Preisliste()
{
    static const QStringList liste = {QStringLiteral("Sehr billig"), QStringLiteral("Billig"),
                                      QStringLiteral("Durchschnittlich"), QStringLiteral("Teuer"),
                                      QStringLiteral("Sehr teuer / Wucher")};
    return liste;
}

const QStringList& Qualitaetsliste(Kategorie kategorie)
{
    static const QStringList gasthaus = {QStringLiteral("Schlicht / Unsauber"), QStringLiteral("Einfach / Fraglich"),
                                         QStringLiteral("Solide / Sauber"), QStringLiteral("Gut / Sauber"),
                                         QStringLiteral("Nobel / Poliert")};
    static const QStringList taverne = {QStringLiteral("Schmierige Kaschemme"), QStringLiteral("Einfache Kneipe"),
                                        QStringLiteral("Saubere Schänke"), QStringLiteral("Gepflegtes Lokal"),
                                        QStringLiteral("Nobelrestaurant")};
    static const QStringList betrieb = {QStringLiteral("Schlecht"), QStringLiteral("Einfach"),
                                        QStringLiteral("Solide"), QStringLiteral("Sehr gut"),
                                        QStringLiteral("Spezialist")};
    if (kategorie == Gasthaus)
        return gasthaus;
    if (kategorie == Taverne)
        return taverne;
    return betrieb;
}

const QStringList& Gottheiten()
{
    static const QStringList liste = {
        QStringLiteral("Aves"),     QStringLiteral("Boron"),      QStringLiteral("Efferd"),
        QStringLiteral("Firun"),    QStringLiteral("Hesinde"),    QStringLiteral("H'Ranga"),
        QStringLiteral("Ifirn"),    QStringLiteral("Ingerimm"),   QStringLiteral("Kor"),
        QStringLiteral("Levthan"),  QStringLiteral("Marbo"),      QStringLiteral("Namenloser"),
        QStringLiteral("Peraine"),  QStringLiteral("Phex"),       QStringLiteral("Praios"),
        QStringLiteral("Rahja"),    QStringLiteral("Rastullah"),  QStringLiteral("Rondra"),
        QStringLiteral("Rur und Gror"), QStringLiteral("Swafnir"), QStringLiteral("Travia"),
        QStringLiteral("Tsa")};
    return liste;
}

QString Listentext(const QStringList& liste, int index)
{
    return index >= 0 && index < liste.size() ? liste[index] : QString();
}

int IndexAusText(const QString& text, int anzahl)
{
    bool ok = false;
    const int index = text.trimmed().toInt(&ok);
    return ok && index >= 0 && index < anzahl ? index : -1;
}

} // namespace CityEngine
