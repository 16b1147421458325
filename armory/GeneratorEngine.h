#pragma once

#include <QString>
#include <QStringList>

// The weapon generator: one new melee weapon from a name and a category. Weight and length are rolled,
// the fighting values follow from them by each category's formulas, the breakage factor is rolled.
namespace GeneratorEngine {

// The nine categories the generator knows, in list order.
const QStringList& Kategorien();

// The 29 fields of the new record (field 0 is left for the table to set). Draws, in this order, the
// weight, the length and the breakage factor. An unknown category leaves fields 2..10 empty and draws nothing.
QStringList WaffeGenerieren(const QString& name, const QString& kategorie);

} // namespace GeneratorEngine
