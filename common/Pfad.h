#pragma once

#include <QString>

// File names in the suite are a path variable followed by a relative name that begins with a backslash
// ("\Explorer\Städte.dat"). These helpers turn them into native paths on a case-sensitive file system.
namespace Pfad {

// Joins a path variable and a relative name; "\" and "/" both separate. Each component that exists under
// another letter case is taken as it exists, so "Delete.bmp" finds "delete.bmp" and writing "Urls.dat"
// rewrites an existing "URLs.dat".
QString Verbinden(const QString& basis, const QString& relativ);

// The same lookup for a whole path: existing components are matched regardless of case; the rest stays.
QString Aufloesen(const QString& pfad);

} // namespace Pfad
