#pragma once

#include "Batch.h"

#include <QStringList>

// The armory's batch commands. They use the engine functions the windows use; messages go through the
// dialog seam (standard error in batch mode), the lines for standard output are returned.
namespace ArmoryBatch {

using Ergebnis = Batch::Ergebnis;

QString Hilfetext();
// Runs one command (the arguments left after --help, --version and --seed were handled).
Ergebnis Ausfuehren(const QStringList& argumente);

} // namespace ArmoryBatch
