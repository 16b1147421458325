// Settings files: any file reads without harm, and a key written into it reads back as written.
#include "FuzzHilfe.h"
#include "Subs.h"

#include <cstdlib>

namespace {

// The same name in another letter case, as a user would type it: ASCII letters swapped. (Full Unicode
// upper case is no case-insensitive twin: "ß" becomes "SS".)
QString AndereSchreibung(QString name)
{
    for (QChar& c : name) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    return QLatin1Char(' ') + name + QLatin1Char(' ');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QString pfad = FuzzHilfe::Datei(QStringLiteral("einstellungen.ini"), daten, groesse);
    const QStringList abschnitte = Subs::IniAbschnitte(pfad);
    for (const QString& abschnitt : abschnitte.mid(0, 8)) {
        Subs::IniLesen(pfad, abschnitt, QStringLiteral("X"));
        Subs::IniVorhanden(pfad, abschnitt, QStringLiteral("Tools"));
    }
    const QString abschnitt = abschnitte.isEmpty() ? QStringLiteral("General") : abschnitte.first();
    // Every key the section lists reads back through the key reader, the first of a name winning.
    QStringList gesehen;
    for (const auto& [schluessel, wert] : Subs::IniWerte(pfad, abschnitt)) {
        if (gesehen.contains(schluessel.toCaseFolded()))
            continue;
        gesehen.append(schluessel.toCaseFolded());
        if (Subs::IniLesen(pfad, abschnitt, schluessel) != wert)
            std::abort();
    }
    const QString wert = QStringLiteral(" Wert mit Blanks & Ümlauten ");
    if (Subs::IniSchreiben(pfad, abschnitt, {{QStringLiteral(" Neu "), wert}}, nullptr, {QStringLiteral("alt")})) {
        if (Subs::IniVorhanden(pfad, abschnitt, QStringLiteral("ALT")))
            std::abort();
        if (Subs::IniLesen(pfad, AndereSchreibung(abschnitt), QStringLiteral("neu")) != wert.trimmed())
            std::abort();
        // Every other section is still there, in its place.
        if (Subs::IniAbschnitte(pfad).mid(0, abschnitte.size()) != abschnitte)
            std::abort();
    }
    return 0;
}
