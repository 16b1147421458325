#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

// Boxes for names (goods, creatures, weapons, cities, kinds of shop, categories, links) take one line: a
// name is one line of its file and of every list. Tabs and line breaks, typed or pasted, never reach the
// text: between words they become one blank, at either end they are dropped.
namespace Namensfeld {

// Installs the rule on the box (a shared validator; it keeps the box's other behaviour).
void Anbringen(QLineEdit* box);
// The same for the text box of an editable combo box.
void Anbringen(QComboBox* box);

// What the rule makes of a text; `cursor` (if given) follows the characters it stood behind.
QString Einzeilig(const QString& text, int* cursor = nullptr);

} // namespace Namensfeld
