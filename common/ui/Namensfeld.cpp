#include "Namensfeld.h"

#include "Subs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QValidator>

namespace Namensfeld {

namespace {

class Pruefer : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override
    {
        text = Einzeilig(text, &cursor);
        return Acceptable;
    }

    void fixup(QString& text) const override { text = Einzeilig(text); }
};

// One validator for every box of the program; it lives as long as the application.
Pruefer* GemeinsamerPruefer()
{
    static Pruefer* pruefer = new Pruefer(QCoreApplication::instance());
    return pruefer;
}

} // namespace

QString Einzeilig(const QString& text, int* cursor)
{
    qsizetype i = 0;
    for (; i < text.size(); ++i)
        if (Subs::IstZeilenwechselOderTab(text[i]))
            break;
    if (i == text.size())
        return text;
    QString aus;
    aus.reserve(text.size());
    int neuerCursor = cursor ? *cursor : 0;
    for (i = 0; i < text.size();) {
        if (!Subs::IstZeilenwechselOderTab(text[i])) {
            aus += text[i++];
            continue;
        }
        const qsizetype anfang = i;
        while (i < text.size() && Subs::IstZeilenwechselOderTab(text[i]))
            ++i;
        // A run between words is one blank; at the start or the end of the text it is nothing.
        const bool zwischen = !aus.isEmpty() && i < text.size();
        if (zwischen)
            aus += QLatin1Char(' ');
        if (cursor && *cursor > anfang) {
            const qsizetype weg = qMin<qsizetype>(*cursor, i) - anfang;
            neuerCursor -= int(weg) - (zwischen && *cursor >= i ? 1 : 0);
        }
    }
    if (cursor)
        *cursor = qBound(0, neuerCursor, int(aus.size()));
    return aus;
}

void Anbringen(QLineEdit* box)
{
    if (box)
        box->setValidator(GemeinsamerPruefer());
}

void Anbringen(QComboBox* box)
{
    if (box && box->isEditable())
        box->setValidator(GemeinsamerPruefer());
}

} // namespace Namensfeld
