#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class FileSearchEngine;

// The manager's start-up and first run, the registry of the suite's programs, starting programs,
// the error-report mail and the closing steps. Every question goes through the dialog seam.
namespace ManagerEngine {

// "Werkbund Utilities 3", the manager's Programmtitel.
QString Titel();

// A value of Werkbund3.ini that should be a whole number ("Started", "Tools", "XTTools"); anything else
// counts as 0. Counts are kept within the 16-bit range the settings were made for.
int ZahlLesen(const QString& abschnitt, const QString& schluessel);

// Writes keys of one section of Werkbund3.ini at once; a failure is reported to the user.
bool EinstellungenSchreiben(const QString& abschnitt, const QList<QPair<QString, QString>>& werte);

// True when Werkbund3.ini exists; otherwise the error message titled "Fehler" (the program then ends).
bool KonfigurationPruefen();

// Where the first run puts the desktop shortcut and what it starts.
struct Umgebung {
    QString desktopOrdner; // the user's desktop folder; empty or missing: no shortcut
    QString programmName;  // the manager's file name in AppPfad
    QString datenOrdner;   // where the application menu keeps its entries; empty: none
};
Umgebung StandardUmgebung();

// The first-run dialogue. False when the user gave no name: nothing has been written and the program ends.
bool Erstlauf(FileSearchEngine& suche, const Umgebung& umgebung);

// Steps of the first run, each reporting its own failures.
void OrdnerAnlegen();
bool VerknuepfungAnlegen(const Umgebung& umgebung);
// Puts the suite into the application menu, telling the user what could not be done.
bool MenueEintragen(const Umgebung& umgebung);
QString VerknuepfungsText(const Umgebung& umgebung);
void BackupAnlegen();

// A program file: regular, executable, without extension or with ".exe", and starting like a program
// (an ELF header or "#!"). Pages and settings files on a drive where everything is executable are none.
bool IstProgramm(const QString& pfad);
// The programs of the installation in AppPfad, in name order.
QStringList Programme();

// A counted list of keys ("Tools"/"Tool1".., "XTTools"/"XTTool1"..): the count, but no further than the
// keys that exist, so a damaged count never reads thousands of missing keys.
int ZaehlerLesen(const QString& abschnitt, const QString& zaehler, const QString& praefix);
QStringList GezaehlteWerte(const QString& abschnitt, const QString& praefix, int anzahl);
// A program's icon in GfxPfad (".exe" replaced by ".ico", or ".ico" appended); found regardless of case.
QString Symbolpfad(const QString& datei);
// "Kurier", "Tabellar3" and "Leitstand3" never get a tool button.
bool Ausgeschlossen(const QString& datei);
// The program's name without ".exe".
QString Anzeigename(const QString& datei);

struct Werkzeug {
    int position = 0; // place in the listing of all programs, counted from 0
    QString datei;
    QString symbol;   // the icon's path; empty when it is missing
};
// Registers newly found programs (with a message each) and returns the tool buttons to show, warning
// about each missing icon. `anzahl` is the registered count and is raised for every new registration.
QList<Werkzeug> WerkzeugeEinrichten(int& anzahl, bool* gespeichert = nullptr);

// [Tools] "Tool1" ... "Tool" + "Tools", as far as the keys exist.
QStringList RegistrierteWerkzeuge();
int WerkzeugAnzahl();
// The manager's own program, which never announces itself as a tool.
bool IstLeitstand(const QString& datei);
// "3.00" for the suite's own programs, empty for any other.
QString Version(const QString& datei);
// The suite's own programs (file names without extension), the manager first.
QStringList Suite();
// A suite program's display title ("Ortsbau 3"); any other program's name without ".exe".
QString Programmtitel(const QString& datei);
// What a suite program is for, in a few words; empty for any other program.
QString Zweck(const QString& datei);
// A tool button's tooltip: "Ortsbau 3 – Städte erfinden und verwalten"; the bare name for other programs.
QString Tooltip(const QString& datei);

// The prepared report: a line of its own, then each registered tool's file name and version.
QString BugmailText();
// Where to report faults, as the installation says it ([Allgemein] Bugmail= of Werkbund3.ini), trimmed.
QString Meldestelle();
// The message of the Bugmail button: where to report, or that nothing is entered yet and where to enter it;
// and that the prepared report waits in the clipboard.
QString BugmailMeldung();
// The overview help page of the installation (AppPfad + "\Hilfe.htm"), opened by Homepage and Hilfe.
QString Uebersichtsseite();

// Hands a document or address to the default handler; tells the user when none could be reached.
bool Oeffnen(const QString& adresse);
// Starts a program in a normal window without waiting; tells the user when it could not be started.
bool Starten(const QString& programm);

// The farewell after a first run.
QString Abschiedstext();
// Deletes TempPfad + "\Temp.html" if it exists.
void TempLoeschen();

} // namespace ManagerEngine
