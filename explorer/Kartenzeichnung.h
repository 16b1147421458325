#pragma once

#include "KartenEngine.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// Draws the markers of chosen cities onto a map picture. The window and batch mode draw through it, so
// what --zeichnen writes is what picInnen shows.
namespace Kartenzeichnung {

// A picture file: only a regular file of at most Dateien::Hoechstgroesse bytes is read. A null image
// with a German reason ("die Datei ist nicht vorhanden") otherwise.
QImage BildLaden(const QString& pfad, QString* grund = nullptr);

// The font of the city names (a pixel size, so the picture looks the same on every screen).
QFont Schrift();
// Loads that font ahead (at start), so the first marker is drawn as quickly as every later one.
void SchriftVorbereiten();

// Draws the city onto the picture of that map: a filled dot of pure green centred on its position and its
// name in black, the top left of the text at the name's origin. A city without a position draws nothing.
// Returns the pixels touched (for a partial repaint); empty when nothing was drawn.
QRect Markieren(QImage& bild, const ExplorerEngine::Kartenstadt& stadt, KartenEngine::Karte karte);

} // namespace Kartenzeichnung
