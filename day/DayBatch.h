#pragma once

#include "Batch.h"
#include "DayEngine.h"

#include <QStringList>

// The day tool's batch commands: --liste and --generieren. They use the engine functions the windows use;
// messages go through the dialog seam (standard error in batch mode), the lines for standard output are
// returned.
namespace DayBatch {

using Ergebnis = Batch::Ergebnis;

QString Hilfetext();
// Runs one command (the arguments left after --help, --version and --seed were handled).
Ergebnis Ausfuehren(const QStringList& argumente);

// The tab-separated lines of a run: one per day, then one per event.
QStringList Zeilen(const DayEngine::Tageslauf& lauf);

} // namespace DayBatch
