#pragma once

#include <QString>

// Values of freedesktop entries (desktop shortcut and application menu).
namespace Desktopeintrag {

// A string value: backslash and control characters escaped, a leading blank kept.
QString Wert(const QString& wert);
// A program as the one argument of an Exec line: "%" doubled, quoted when it holds a reserved character.
// The result is a string value still to be passed through Wert.
QString Exec(const QString& programm);

} // namespace Desktopeintrag
