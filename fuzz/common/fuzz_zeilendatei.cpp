// Line files: any bytes split into lines by the reading rule (UTF-8 or the code page, decided by the whole
// file), the same by every way of reading, and every value written back reads the same.
#include "FuzzHilfe.h"
#include "Zeilendatei.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray bytes = FuzzHilfe::Bytes(daten, groesse);
    const QStringList zeilen = Zeilendatei::Zerlegen(bytes);
    // The reader decides line by line as it goes; the whole text decided at once gives the same lines.
    if (Zeilendatei::ZerlegenText(Zeilendatei::AlsText(bytes)) != zeilen)
        std::abort();
    // Written, the lines are code page that reads back as it was written.
    const QByteArray neu = Zeilendatei::Dateibytes(zeilen);
    if (Zeilendatei::Zerlegen(neu) != zeilen || Zeilendatei::IstUtf8(neu))
        std::abort();
    // The same bytes as a file.
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
    optionen.Kopfzeile = [](const QString& erste) { return !erste.startsWith(QLatin1Char('#')); };
    Zeilendatei::Laden(pfad, optionen);
    // A line appended keeps every line before it, whatever the file was written in.
    const QString ende = QStringLiteral("Ende \u00e4 \u0142");
    if (!Zeilendatei::Anhaengen(pfad, ende) || Zeilendatei::Lesen(pfad) != zeilen + QStringList{ende})
        std::abort();
    return 0;
}
