#include "ArmoryAustausch.h"

#include "Dateien.h"
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
        *fehler = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund);
    return false;
}

std::optional<Eintrag> Lesen(const QString& pfad, QString* fehler)
{
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = [](const QString& erste) {
        return erste == Kennzeile(Tabelle::NWaffen) || erste == Kennzeile(Tabelle::FWaffen) || erste == Kennzeile(Tabelle::Armor);
    };
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad, optionen);
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt || gelesen.Status == Zeilendatei::Lesestatus::Unlesbar) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei %1 konnte nicht gelesen werden: %2.").arg(Dateien::Anzeigename(pfad), gelesen.Grund);
        return std::nullopt;
    }
    const QStringList& zeilen = gelesen.Zeilen;
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
