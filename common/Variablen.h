#pragma once

#include <QString>

// Program-wide state of one program: the installation paths, its title and version, the user's name.
namespace Variablen {

extern QString AppPfad;
extern QString IniDatei;
extern QString DataPfad;
extern QString GfxPfad;
extern QString HtmlPfad;
extern QString WbdPfad;
extern QString TempPfad;
extern QString HilfePfad;

extern QString Benutzername;
extern QString Programmtitel;

// Major version, ".", then minor version and revision run together: 3.0.0 gives "3.00".
extern const QString Programmversion;

// Sets every path from the folder of the running program.
void PfadeInitialisieren();
// Same, for an installation in the given folder (tests, tools that work on another installation).
void PfadeInitialisieren(const QString& ordner);

} // namespace Variablen
