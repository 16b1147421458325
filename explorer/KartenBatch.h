#pragma once

#include "Batch.h"

#include <QStringList>

// The map explorer's batch commands. They use the engine and drawing functions the window uses; messages
// go through the dialog seam (standard error in batch mode), the lines for standard output are returned.
namespace KartenBatch {

using Ergebnis = Batch::Ergebnis;

QString Hilfetext();

// Whether the command draws a picture (and so needs fonts, i.e. a QGuiApplication).
bool BrauchtGrafik(int argc, char** argv);

// Runs one command (the arguments left after --help, --version and --seed were handled).
Ergebnis Ausfuehren(const QStringList& argumente);

} // namespace KartenBatch
