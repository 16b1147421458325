#pragma once

#include <QAbstractButton>
#include <QWidget>
#include <QtTest>

// Window tests find the real controls by their object names and click them.
namespace FensterTest {

template <typename T>
T* Kind(QWidget& fenster, const QString& name)
{
    T* kind = fenster.findChild<T*>(name);
    if (!kind)
        qFatal("Steuerelement %s fehlt", qPrintable(name));
    return kind;
}

// Clicks the button; a disabled one fails the test, as a user could not click it either.
inline void Klick(QWidget& fenster, const QString& name)
{
    QAbstractButton* knopf = Kind<QAbstractButton>(fenster, name);
    QVERIFY2(knopf->isEnabled(), qPrintable(name + QStringLiteral(" ist gesperrt")));
    knopf->click();
}

inline bool An(QWidget& fenster, const QString& name)
{
    return Kind<QWidget>(fenster, name)->isEnabled();
}

// Not hidden by the window's own rules (the window itself is not shown in most tests).
inline bool Sichtbar(QWidget& fenster, const QString& name)
{
    return !Kind<QWidget>(fenster, name)->isHidden();
}

} // namespace FensterTest
