#pragma once

#include "Batch.h"

#include <QStringList>

// The warehouse's batch commands. Every command first runs the start-up (replacement files, take-over of
// the armory, category list), then uses the engine functions the windows use. Messages go through the
// dialog seam (standard error in batch mode); the lines for standard output are returned.
namespace WarehouseBatch {

using Ergebnis = Batch::Ergebnis;

QString Hilfetext();
// Runs one command (the arguments left after --help, --version and --seed were handled).
Ergebnis Ausfuehren(const QStringList& argumente);

} // namespace WarehouseBatch
