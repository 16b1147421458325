#include "ZifferntastenFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

ZifferntastenFilter::ZifferntastenFilter(QObject* eltern) : QObject(eltern) {}

void ZifferntastenFilter::Anbringen(QLineEdit* box)
{
    box->installEventFilter(new ZifferntastenFilter(box));
}

bool ZifferntastenFilter::Erlaubt(const QString& text, int cursor, QChar zeichen)
{
    if (zeichen.isDigit() && zeichen.unicode() < 0x80)
        return true;
    if (zeichen == QLatin1Char('\b'))
        return true;
    if (zeichen == QLatin1Char('+') || zeichen == QLatin1Char('-'))
        return cursor == 0 && !text.contains(QLatin1Char('+')) && !text.contains(QLatin1Char('-'));
    if (zeichen == QLatin1Char(',') || zeichen == QLatin1Char('.'))
        return cursor != 0 && !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('.'));
    return false;
}

bool ZifferntastenFilter::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    auto* box = qobject_cast<QLineEdit*>(objekt);
    if (!box)
        return false;
    switch (taste->key()) {
    case Qt::Key_Backspace:
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    const QString text = taste->text();
    if (text.isEmpty())
        return false; // navigation and function keys carry no character
    // Control characters (paste, cut) count as other keys, so nothing foreign gets into the box.
    return !Erlaubt(box->text(), box->cursorPosition(), text.front());
}
