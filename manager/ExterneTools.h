#pragma once

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

// Each write is one atomic rewrite of Werkbund3.ini; a failure is reported and returns false.
bool Anhaengen(int n, const QString& name, const QString& pfad); // becomes entry n + 1
bool Ueberschreiben(int i, const QString& name, const QString& pfad);
// Moves entries i + 1 ... zeilen down by one and writes "XTTools" = n - 1 (not below 0).
bool Loeschen(int i, int zeilen, int n);
bool AnzahlSchreiben(int n);

// Starts entry i when its path names an existing file; otherwise "Die Datei wurde nicht gefunden.".
bool Starten(int i);

// The open-file dialogue's filter: the programs of the original list and, for Linux programs without
// an extension, every file.
QString Dateifilter();

} // namespace ExterneTools
