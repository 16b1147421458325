#include "ArmoryAustausch.h"

#include "Zeilendatei.h"

namespace ArmoryAustausch {

using Waffentabellen::Tabelle;

QString Kennzeile(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen: return QStringLiteral("Waffkam 3 - Nahkampfwaffe");
    case Tabelle::FWaffen: return QStringLiteral("Waffkam 3 - Fernwaffe");
    case Tabelle::Armor: return QStringLiteral("Waffkam 3 - Rüstung");
    }
    return QString();
}

QString FremdeDateiMeldung()
{
    return QStringLiteral("Diese Datei wurde nicht mit Waffkam 3 erstellt oder sie ist beschädigt.");
}

bool Exportieren(Tabelle t, const QStringList& zeile, const QString& pfad, QString* fehler)
{
    QStringList zeilen{Kennzeile(t)};
    const int n = Waffentabellen::Feldanzahl(t);
    for (int f = 1; f < n; ++f)
        zeilen.append(f < zeile.size() ? zeile[f] : QString());
    QString grund;
    if (Zeilendatei::Schreiben(pfad, zeilen, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden (%2).").arg(pfad, grund);
    return false;
}

std::optional<Eintrag> Lesen(const QString& pfad, QString* fehler)
{
    bool vorhanden = false;
    const QStringList zeilen = Zeilendatei::Lesen(pfad, &vorhanden);
    if (!vorhanden) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei „%1“ konnte nicht gelesen werden.").arg(pfad);
        return std::nullopt;
    }
    for (Tabelle t : {Tabelle::Armor, Tabelle::FWaffen, Tabelle::NWaffen}) {
        if (zeilen.isEmpty() || zeilen.first() != Kennzeile(t))
            continue;
        const int n = Waffentabellen::Feldanzahl(t);
        // An incomplete record would otherwise enter the database with empty fields.
        if (zeilen.size() < n)
            break;
        Eintrag eintrag;
        eintrag.Art = t;
        eintrag.Felder = zeilen.mid(0, n);
        eintrag.Felder[0].clear();
        return eintrag;
    }
    if (fehler)
        *fehler = FremdeDateiMeldung();
    return std::nullopt;
}

} // namespace ArmoryAustausch
