#pragma once

#include <QObject>

class QLineEdit;

// The key filter of the numeric boxes: digits pass; "+" or "-" only at the first position and only when the
// text has no sign yet; "," or "." only after the first position and only once; every other typed
// character is dropped. Keys that type nothing (Delete, arrows, Home/End, Tab, Enter) and the Ctrl
// shortcuts work as in any box; pasted text is filtered character by character, not refused whole.
class ZifferntastenFilter : public QObject {
public:
    explicit ZifferntastenFilter(QObject* eltern = nullptr);

    // Installs one shared filter on the box.
    static void Anbringen(QLineEdit* box);

    // Whether the character typed at the cursor position passes, for a box holding `text`.
    static bool Erlaubt(const QString& text, int cursor, QChar zeichen);

    // Inserts the characters of `text` that pass, one after another, as if typed; a selection is replaced.
    static void Einfuegen(QLineEdit* box, const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
