#pragma once

#include "Gegenstandstabelle.h"
#include "Shopwaren.h"

#include <QSet>
#include <QString>
#include <QStringList>

// The warehouse's program-wide state: the category list, the goods shown, the editor's mode, the shop, and
// which goods files were found damaged.
namespace Lagerhof3Variablen {

// The program title, used as the title of every message box.
extern const QString Programmtitel;

extern QStringList Kategorien;
extern Katalog::Gegenstandstabelle Gegenstaende;
// Whether the editor shows an existing row, and which.
extern bool Bearbeitungsmodus;
extern int AktuellerGegenstand;
extern Shop::Shopwaren Shopwaren;

// Goods files that could not be read whole: their original is kept before they are first rewritten.
extern QSet<QString> BeschaedigteDateien;
// Goods files the user was already told about in this run.
extern QSet<QString> GemeldeteDateien;

// Start-up of every run, window or batch: regions, replacement files, the armory take-over, the category
// list. Returns the messages for the user.
QStringList Starten();
// Runs the start-up and reads the goods of "Alles" on a worker thread (a program's main, before it builds its
// window, so that reading and building overlap). The next Starten waits for it and returns its messages; the
// goods are taken once by AllesVorgeladen.
void StartVorziehen();
// The goods of "Alles" read by StartVorziehen, with the messages about their files; false when there are
// none (any more).
bool AllesVorgeladen(Katalog::Gegenstandstabelle& tabelle, QStringList& meldungen);

// Back to the state of a fresh start (tests run several starts in one process).
void Zuruecksetzen();

} // namespace Lagerhof3Variablen
