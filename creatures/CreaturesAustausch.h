#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Exchange files (*.wbd) carrying one creature between installations: the line "Bestiar 3", then fields
// 1..57 of the record, one per line.
namespace CreaturesAustausch {

QString Kennzeile();
// The refusal for a file of another kind or one that is too short.
QString FremdeDateiMeldung();

// Writes exactly the 58 lines of the record, atomically; false with a message on failure.
bool Exportieren(const QStringList& zeile, const QString& pfad, QString* fehler = nullptr);

// Reads a file: the first line must be exactly "Bestiar 3" and 57 field lines must follow; lines after
// them are ignored, a file in UTF-8 (with or without BOM) is read as UTF-8. Returns the record with an
// empty field 0, or nullopt and the message.
std::optional<QStringList> Lesen(const QString& pfad, QString* fehler = nullptr);

} // namespace CreaturesAustausch
