#pragma once

#include <QString>
#include <QStringList>

// The suite in the desktop's application menu: a freedesktop entry per installed suite program in
// DATEN/applications and its icons in DATEN/icons/hicolor/<size>/apps, each named "werkbund3-<program>".
// Nothing else in those folders is touched.
namespace Anwendungsmenue {

// $XDG_DATA_HOME when it names an absolute path, otherwise ~/.local/share.
QString StandardOrdner();

// "werkbund3-ortsbau3" for "Ortsbau3": the stem of the entry and of its icons.
QString Name(const QString& datei);
// The entry for a program of the installation in AppPfad.
QString Eintrag(const QString& datei);
// The suite's programs present in AppPfad.
QStringList Installiert();

struct Ergebnis {
    QStringList eintraege; // entries written or removed
    QStringList fehler;    // one German sentence for each thing not done
};
// Writes the entry and the icons of every suite program of the installation, replacing the suite's own
// earlier ones, and removes those of suite programs that are no longer installed.
Ergebnis Eintragen(const QString& daten);
// Removes every entry and icon of the suite.
Ergebnis Entfernen(const QString& daten);
// True when every entry of the installation is in place as Eintragen would write it.
bool Aktuell(const QString& daten);

} // namespace Anwendungsmenue
