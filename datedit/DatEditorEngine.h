#pragma once

#include "Dateien.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The data file editor's tables: which files of which tool it offers, and the text mode that shows a table
// as the text of one box and writes it back unchanged.
namespace DatEditorEngine {

// One entry of cmbTool: its folder below DataPfad and its files (names without ".dat") in cmbDatei order.
struct Werkzeug {
    QString Name;
    QString Ordner;
    QStringList Dateien;
};

const QList<Werkzeug>& Werkzeuge();
// The entries of cmbTool in order.
QStringList Werkzeugnamen();
// The tool of that exact name, or nullptr.
const Werkzeug* WerkzeugSuchen(const QString& name);

// The file edited in shop mode; every other file is edited as text.
extern const QString Shopdatei;
bool IstShopmodus(const QString& datei);
// The files of the tool that are edited as text.
QStringList Textdateien(const Werkzeug& werkzeug);

// DataPfad + the tool's folder, and the path of one of its files.
QString Ordnerpfad(const Werkzeug& werkzeug);
QString Tabellenpfad(const Werkzeug& werkzeug, const QString& datei);

// --- Text mode ---
// The text of a table is the file's characters as stored, read as the other tools read it (UTF-8 when the
// file is UTF-8 with non-ASCII text, else Windows-1252; "&#322;" stays as it is, so no line ever splits),
// with every line end (CR LF, LF, or a lone CR) turned into "\n". A missing last line end stays missing.
QString TextAusBytes(const QByteArray& bytes);
// Back into the file, always in Windows-1252: every line break becomes CR LF, none is added at the end, a
// character outside the code page becomes a numeric character reference.
QByteArray BytesAusText(const QString& text);
// Line breaks of typed, pasted or imported text (CR LF, CR, and the paragraph and line separators of a
// text box) as "\n".
QString ZeilenumbruecheVereinheitlichen(const QString& text);

struct Tabelle {
    enum class Zustand { Geladen, Fehlt, Fehler };
    Zustand Status = Zustand::Geladen;
    QString Text;
    // For Fehlt the note, for Fehler the message for the user.
    QString Meldung;
    // The file as it was read (for Fehlt: that it was not there).
    Dateien::Fingerabdruck Abdruck;
};

// Reads a table (regular files up to the suite's size limit only). `name` is the name shown in cmbDatei.
Tabelle TabelleLaden(const QString& pfad, const QString& name);
// Writes the text atomically; a missing folder is created. False with a German message on failure.
bool TabelleSpeichern(const QString& pfad, const QString& text, QString* fehler = nullptr);

// A window's save of a table it shows: `geladen` is the text as read or last saved, `abdruck` the file's
// fingerprint then. When another program saved the file since, the user is asked for the whole file: keep
// this text, take the other one (the window shows it then), or keep both (the lines added here go into
// the other text, the lines removed here leave it). Afterwards `geladen` and `abdruck` describe the file.
enum class Tabellenspeicherung { Gespeichert, Uebernommen, Abgebrochen, Fehler };
Tabellenspeicherung TabelleAbgleichen(const QString& pfad, QString& text, QString& geladen,
                                      Dateien::Fingerabdruck& abdruck, QString* fehler = nullptr);

// The note for a listed table that does not exist yet.
QString FehltHinweis(const QString& name);

// Reads a text file for an import: UTF-8 (with or without BOM), any line ends. False with a German message
// when it cannot be read or is not valid UTF-8.
bool TextdateiLesen(const QString& pfad, QString* text, QString* fehler);
// Writes text as UTF-8 with LF line breaks, atomically.
bool TextdateiSchreiben(const QString& pfad, const QString& text, QString* fehler);

} // namespace DatEditorEngine
