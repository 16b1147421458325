#include "CreaturesAustausch.h"

#include "Dateien.h"
#include "Kreaturentabelle.h"
#include "Zeilendatei.h"

#include <QIODevice>

namespace CreaturesAustausch {

using Kreaturentabellen::Feldanzahl;

QString Kennzeile()
{
    return QStringLiteral("Bestiar 3");
}

QString FremdeDateiMeldung()
{
    return QStringLiteral("Diese Datei wurde nicht mit Bestiar 3 erstellt oder sie ist beschädigt.");
}

bool Exportieren(const QStringList& zeile, const QString& pfad, QString* fehler)
{
    QByteArray bytes = Zeilendatei::Kodieren(Kennzeile()) + "\r\n";
    for (int f = 1; f < Feldanzahl; ++f)
        bytes += Zeilendatei::Kodieren(Kreaturentabellen::Feld(zeile, f)) + "\r\n";
    // Should the code-page bytes happen to read as UTF-8 (a text such as "Ã¤"), they are written so that
    // the file reads back as it was written.
    bytes = Zeilendatei::Eindeutig(std::move(bytes));
    QString grund;
    if (Dateien::AtomarSchreiben(pfad, [&bytes](QIODevice& datei) { datei.write(bytes); }, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund);
    return false;
}

std::optional<QStringList> Lesen(const QString& pfad, QString* fehler)
{
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = [](const QString& zeile) { return zeile == Kennzeile(); };
    Zeilendatei::Leseergebnis e = Zeilendatei::Laden(pfad, optionen);
    if (e.Status == Zeilendatei::Lesestatus::FalscheKopfzeile || (e.Gelesen() && e.Zeilen.size() < Feldanzahl)) {
        if (fehler)
            *fehler = FremdeDateiMeldung();
        return std::nullopt;
    }
    if (!e.Gelesen()) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei %1 konnte nicht gelesen werden: %2.").arg(Dateien::Anzeigename(pfad), e.Grund);
        return std::nullopt;
    }
    QStringList felder = e.Zeilen.mid(0, Feldanzahl);
    felder[0].clear();
    return felder;
}

} // namespace CreaturesAustausch
