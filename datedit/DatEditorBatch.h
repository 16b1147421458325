#pragma once

#include <QString>
#include <QStringList>

// The batch commands of Tabellar3 (headless, never asking): --liste, --exportieren, --importieren, --shop,
// --shop-speichern, --shop-neu.
namespace DatEditorEngine {

extern const QString BatchHilfe;

// Runs the command of the arguments left after Batch::Vorbereiten. The path variables must be set.
// Returns the exit status.
int BatchAusfuehren(const QStringList& argumente);

} // namespace DatEditorEngine
