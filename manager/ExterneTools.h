#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The external tools of the [XT] section of Werkbund3.ini: "XTTools" = n, "XTTool" + i = display name,
// "XTPfad" + i = program path (i = 1 ... n). Keys beyond n may remain and are ignored.
namespace ExterneTools {

int Anzahl();
QString Name(int i);
QString Pfad(int i);
// The display names 1 ... n.
QStringList Namen();

// The entries as records of two fields, display name and path.
QList<QStringList> Liste();
// Writes `liste` as the whole list in one atomic rewrite of Werkbund3.ini, under its lock. Entries another
// window saved since `basis` was read are merged in by name (one changed on both sides is asked about);
// afterwards both hold the list as written. A failure is reported and returns false; a cancelled merge
// returns false without a message.
bool ListeSpeichern(QList<QStringList>& liste, QList<QStringList>& basis);

// Starts entry i when its path names an existing file; otherwise "Die Datei wurde nicht gefunden.".
bool Starten(int i);

// The open-file dialogue's filter: the programs of the original list and, for Linux programs without
// an extension, every file.
QString Dateifilter();

} // namespace ExterneTools
