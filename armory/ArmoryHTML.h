#pragma once

#include "Waffentabelle.h"

class QIODevice;

// The armory's pages: the detail page of one record and the list page of a table.
namespace ArmoryHTML {

// The header cells and the widths of the data cells of a table.
QStringList Kopfzellen(Waffentabellen::Tabelle t);
QStringList Breiten(Waffentabellen::Tabelle t);

// The detail page of a record; its cells are the record's list columns.
void DetailSeiteSchreiben(Waffentabellen::Tabelle t, const QStringList& zeile, QIODevice& datei);
// The list page; `spalten` holds the visible column texts of each list line, in the order to print.
void ListenSeiteSchreiben(Waffentabellen::Tabelle t, const QList<QStringList>& spalten, QIODevice& datei);

// The same into a file, atomically; false with a message for the user on failure.
bool DetailSeiteSpeichern(Waffentabellen::Tabelle t, const QStringList& zeile, const QString& pfad,
                          QString* fehler = nullptr);
bool ListenSeiteSpeichern(Waffentabellen::Tabelle t, const QList<QStringList>& spalten, const QString& pfad,
                          QString* fehler = nullptr);

// TempPfad\Temp.html; the folder is created when it is missing.
QString TempSeite();

} // namespace ArmoryHTML
