#pragma once

#include <QStringList>

// The batch commands of Ortsbau3 (headless): --generieren, --bericht, --zufallsname.
namespace CityEngine {

extern const QString BatchHilfe;

// Runs the command given by the arguments (after Batch::Vorbereiten, the program name left out).
// The path variables must be set. Returns the exit status.
int BatchAusfuehren(const QStringList& argumente);

} // namespace CityEngine
