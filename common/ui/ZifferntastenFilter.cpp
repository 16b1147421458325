#include "ZifferntastenFilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

ZifferntastenFilter::ZifferntastenFilter(QObject* eltern) : QObject(eltern) {}

void ZifferntastenFilter::Anbringen(QLineEdit* box)
{
    box->installEventFilter(new ZifferntastenFilter(box));
    // Dropped text would bypass the filter; numbers are typed or pasted.
    box->setAcceptDrops(false);
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

void ZifferntastenFilter::Einfuegen(QLineEdit* box, const QString& text)
{
    if (box->hasSelectedText())
        box->del();
    for (const QChar zeichen : text)
        if (Erlaubt(box->text(), box->cursorPosition(), zeichen))
            box->insert(QString(zeichen));
}

namespace {

// The text and caret a typed character meets: a selection is replaced by what is typed.
bool TippenErlaubt(const QLineEdit* box, QChar zeichen)
{
    QString text = box->text();
    int cursor = box->cursorPosition();
    if (box->hasSelectedText()) {
        cursor = box->selectionStart();
        text.remove(cursor, box->selectedText().size());
    }
    return ZifferntastenFilter::Erlaubt(text, cursor, zeichen);
}

} // namespace

bool ZifferntastenFilter::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* box = qobject_cast<QLineEdit*>(objekt);
    if (!box || box->isReadOnly())
        return false;
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->matches(QKeySequence::Paste)) {
            Einfuegen(box, QApplication::clipboard()->text());
            return true;
        }
        const QString text = taste->text();
        // Keys that type nothing printable (Delete, arrows, Home/End, Backspace, Enter) and shortcuts with
        // Ctrl pass; AltGr characters carry Ctrl and Alt together and are judged like typed ones.
        const Qt::KeyboardModifiers mod = taste->modifiers();
        const bool kuerzel = (mod & Qt::ControlModifier) && !(mod & Qt::AltModifier);
        if (text.isEmpty() || !text.front().isPrint() || kuerzel)
            return false;
        return !TippenErlaubt(box, text.front());
    }
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the X11 selection.
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->button() != Qt::MiddleButton || !QApplication::clipboard()->supportsSelection())
            return false;
        box->setCursorPosition(box->cursorPositionAt(maus->position().toPoint()));
        Einfuegen(box, QApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    case QEvent::ContextMenu: {
        // The box's own menu, with "Einfügen" filtering like Ctrl+V.
        auto* menue = box->createStandardContextMenu();
        menue->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* aktion : menue->actions()) {
            if (aktion->objectName() == QLatin1String("edit-paste")) {
                aktion->disconnect();
                QPointer<QLineEdit> ziel(box);
                connect(aktion, &QAction::triggered, box, [ziel] {
                    if (ziel)
                        Einfuegen(ziel, QApplication::clipboard()->text());
                });
            }
        }
        menue->popup(static_cast<QContextMenuEvent*>(ereignis)->globalPos());
        return true;
    }
    default:
        return false;
    }
}
