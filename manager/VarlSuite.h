#pragma once

#include <QString>
#include <QStringList>

class FileSearchEngine;

// The other maker's tool suite: recognising its folder, registering it in [VarlSuite] of Werkbund3.ini,
// its menu entries and starting its programs.
namespace VarlSuite {

// "Locator", "Basar", "Metrik", "Reise", "Retorte", "Wiege", in menu order.
QStringList Werkzeuge();

// A folder (ending with a separator) holds the suite's main program "Explorer.exe". Programs of the
// suite are accepted with or without ".exe", and their names are matched without regard to case.
bool OrdnerGueltig(const QString& ordner);
bool ProgrammVorhanden(const QString& ordner, const QString& name);

// The warning for a folder that holds the settings file but no main program.
QString AlteVersionWarnung();

enum class Ergebnis { NichtGefunden, Eingerichtet, NichtGespeichert };

// Searches for "VarlSuite.ini"; when a valid folder is found, announces it and writes "Path" and the
// six tool keys. Nothing is written when nothing was found.
Ergebnis SuchenUndEinrichten(FileSearchEngine& suche);

// [VarlSuite] "Path": the suite's folder, ending with a separator; empty while it was not found.
QString Ordner();
// The tools whose [VarlSuite] value reads as the number 1, in menu order.
QStringList MenueEintraege();
// Starts "Path" + name + ".exe" (or without extension) when it exists; otherwise nothing happens.
// False when there was nothing to start or the start failed (which has been reported).
bool WerkzeugStarten(const QString& name);

} // namespace VarlSuite
