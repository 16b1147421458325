// Line files: any bytes split into lines, and every value written back reads the same.
#include "FuzzHilfe.h"
#include "Zeilendatei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray bytes = FuzzHilfe::Bytes(daten, groesse);
    const QStringList zeilen = Zeilendatei::Zerlegen(bytes);
    QByteArray neu;
    for (const QString& zeile : zeilen) {
        neu += Zeilendatei::Kodieren(zeile);
        neu += "\r\n";
    }
    if (Zeilendatei::Zerlegen(neu) != zeilen)
        std::abort();
    // The same bytes as a file, also read as an exchange file that may be UTF-8.
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("Data/liste.dat"), daten, groesse);
    if (Zeilendatei::Laden(pfad).Zeilen != zeilen)
        std::abort();
    // Read piece by piece, passing over every other run of lines: the lines given are the ones at their place.
    const qsizetype lauf = groesse > 0 ? qsizetype(daten[0] % 4) : 0;
    Zeilendatei::Zeilenleser leser;
    if (!leser.Oeffnen(pfad).Gelesen())
        std::abort();
    QString zeile;
    for (qsizetype i = 0;; ++i) {
        if (lauf > 0 && i % 2 == 1) {
            const qsizetype n = leser.Ueberspringen(lauf);
            i += n - 1;
            if (n < lauf)
                break;
            continue;
        }
        if (!leser.Naechste(zeile)) {
            if (i != zeilen.size())
                std::abort();
            break;
        }
        if (i >= zeilen.size() || zeile != zeilen[i])
            std::abort();
    }
    Zeilendatei::Leseoptionen optionen;
    optionen.Utf8Erkennen = true;
    optionen.Kopfzeile = [](const QString& erste) { return !erste.startsWith(QLatin1Char('#')); };
    Zeilendatei::Laden(pfad, optionen);
    return 0;
}
