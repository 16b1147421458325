#pragma once

#include "Batch.h"

#include <QStringList>

// The day tool's journey command, --reise. It calls the journey engine and draws the route on the map, so
// it needs a QGuiApplication (fonts); the program starts one for it.
namespace ReiseBatch {

QString Hilfetext();
// Whether the arguments ask for a journey (then the program needs fonts for the map).
bool IstReise(const QStringList& argumente);
bool IstReise(int argc, char** argv);
// Runs --reise (the arguments left after --help, --version and --seed were handled). Without --seed a seed
// is drawn and the whole journey follows from it; the page names it.
Batch::Ergebnis Ausfuehren(const QStringList& argumente);

} // namespace ReiseBatch
