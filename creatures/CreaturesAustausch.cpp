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

namespace {

// Files are read as UTF-8 when their bytes are valid UTF-8. Should the code-page bytes of an export happen
// to be (a text such as "Ã¤"), every byte above 127 is written as a character reference instead, so the
// file reads back as it was written.
QByteArray Eindeutig(const QByteArray& bytes)
{
    if (!Zeilendatei::IstUtf8(bytes))
        return bytes;
    QByteArray aus;
    aus.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        if (uchar(c) < 0x80) {
            aus += c;
            continue;
        }
        const QString zeichen = Zeilendatei::AusCodepage(QByteArray(1, c));
        aus += "&#" + QByteArray::number(zeichen.at(0).unicode()) + ';';
    }
    return aus;
}

} // namespace

bool Exportieren(const QStringList& zeile, const QString& pfad, QString* fehler)
{
    QByteArray bytes = Zeilendatei::Kodieren(Kennzeile()) + "\r\n";
    for (int f = 1; f < Feldanzahl; ++f)
        bytes += Zeilendatei::Kodieren(Kreaturentabellen::Feld(zeile, f)) + "\r\n";
    bytes = Eindeutig(bytes);
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
    optionen.Utf8Erkennen = true;
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
