#pragma once

#include <QString>
#include <QStringList>

// The manager's batch commands (headless, never asking).
namespace Stapelbefehle {

// The lines for --help.
QString Hilfe();

// Runs the arguments left after Batch::Vorbereiten; returns the exit status.
//   --suite-suchen [WURZEL ...]  searches the folders (every drive when none is given) for the other
//                                suite, registers it and prints its folder.
//   --werkzeuge                  registers newly found programs and prints the tool buttons.
//   --menue, --menue-entfernen   puts the suite into the desktop's application menu, or takes it out.
int Ausfuehren(const QStringList& argumente);

} // namespace Stapelbefehle
