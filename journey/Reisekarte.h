#pragma once

#include "Reise.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The route of a journey on the large map, drawn as the map explorer's --zeichnen draws cities (a green dot
// and the name), with a line along the legs and a mark at the end of every day. The journey engine stays free
// of pictures; window and batch mode draw here and hand the picture to the page.
namespace Reisekarte {

// Map pixels kept around the route when the picture is cut out of the map.
constexpr int Rand = 60;

// The cut-out with the route; a null image with a German reason when the journey has no cities or the map
// picture cannot be loaded.
QImage Bild(const Reise::Ergebnis& ergebnis, QString* grund = nullptr);
// The same as PNG bytes for the page; empty on failure.
QByteArray Png(const Reise::Ergebnis& ergebnis, QString* grund = nullptr);

// Where the mark of a day's end lies on the large map (map units): along its leg by the Meilen made so far.
QPointF Tagesende(const Reise::Ergebnis& ergebnis, int tag);

} // namespace Reisekarte
