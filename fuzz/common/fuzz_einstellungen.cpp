// Settings files: any file reads without harm, and a key written into it reads back as written.
#include "FuzzHilfe.h"
#include "Subs.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("einstellungen.ini"), daten, groesse);
    const QStringList abschnitte = Subs::IniAbschnitte(pfad);
    for (const QString& abschnitt : abschnitte.mid(0, 8)) {
        Subs::IniLesen(pfad, abschnitt, QStringLiteral("X"));
        Subs::IniVorhanden(pfad, abschnitt, QStringLiteral("Tools"));
    }
    const QString abschnitt = abschnitte.isEmpty() ? QStringLiteral("General") : abschnitte.first();
    const QString wert = QStringLiteral(" Wert mit Blanks & Ümlauten ");
    if (Subs::IniSchreiben(pfad, abschnitt, QStringLiteral(" Neu "), wert)) {
        if (Subs::IniLesen(pfad, abschnitt.toUpper(), QStringLiteral("neu")) != wert.trimmed())
            std::abort();
        // Every other section is still there, in its place.
        if (Subs::IniAbschnitte(pfad).mid(0, abschnitte.size()) != abschnitte)
            std::abort();
    }
    return 0;
}
