#pragma once

#include <QString>

class QIODevice;

// The HTML page of the city in memory: contents, basic information with the temples, one section per
// business category.
namespace CityEngine {

struct Stadt;

void BerichtSchreiben(const Stadt& stadt, QIODevice& datei);

// The same into a file, written atomically; false and the reason when it could not be written.
bool BerichtSpeichern(const Stadt& stadt, const QString& pfad, QString* fehler = nullptr);

} // namespace CityEngine
