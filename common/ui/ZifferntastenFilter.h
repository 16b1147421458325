#pragma once

#include <QObject>

class QLineEdit;

// The key filter of the numeric boxes: digits and backspace pass; "+" or "-" only at the first position and
// only when the text has no sign yet; "," or "." only after the first position and only once; every other
// character key is dropped. Keys without a character (arrows, Delete, Tab, Enter) are left alone.
class ZifferntastenFilter : public QObject {
public:
    explicit ZifferntastenFilter(QObject* eltern = nullptr);

    // Installs one shared filter on the box.
    static void Anbringen(QLineEdit* box);

    // Whether the character typed at the cursor position passes, for a box holding `text`.
    static bool Erlaubt(const QString& text, int cursor, QChar zeichen);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};
