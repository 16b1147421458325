#pragma once

#include <QString>
#include <QStringList>

// The warehouse's category list "ItemKategorien.dat", read the same way by the warehouse, the data file
// editor and the manager's backup: a count line first (when there is one), then one category a line.
namespace Warenkategorien {

// The first line is the count only when it is a whole number; a hand-written list without it starts with
// its first category.
bool IstZaehlzeile(const QString& zeile);

// The name lines as they stand: the count line and blank lines left out.
QStringList Namenszeilen(const QStringList& zeilen);

// "ItemKategorien", "Shopgenerator…", "Warehouse…": the warehouse's own files.
bool Werkzeugdatei(const QString& name);
// A (trimmed) name whose goods file may be read and written: a safe file name, no tool file, not "Alles".
bool Verwendbar(const QString& name);

struct Liste {
    QStringList Namen;       // trimmed, each once (letter case does not count)
    QStringList Uebergangen; // lines that cannot serve as a category or repeat one, as they stand
};
// The categories of the file's lines: "Kleidung " is the category "Kleidung".
Liste AusZeilen(const QStringList& zeilen);

} // namespace Warenkategorien
