#pragma once

#include <QString>

// The texts of the credits window.
namespace Credits {

QString Titel();
QString Tester();
QString Dank();

} // namespace Credits
