#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The detail page of one creature: its list values in a table, further weapons, body values, description,
// habitat, kinds, abilities and equipment.
namespace CreaturesHTML {

// Writes the page of the record (58 fields) into an open output.
void DetailseiteSchreiben(const QStringList& zeile, QIODevice& datei);
// The same into a file, written whole and closed; false with a message for the user on failure.
bool DetailseiteSpeichern(const QStringList& zeile, const QString& pfad, QString* fehler = nullptr);

// TempPfad\Temp.html; the folder is created when it is missing.
QString TempSeite();

} // namespace CreaturesHTML
