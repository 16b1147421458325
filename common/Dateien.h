#pragma once

#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

// What every file reader and writer of the suite shares: the size limit, German reasons for failures, and
// the backup that a damaged database gets before it is rewritten.
namespace Dateien {

// Readers refuse larger files: a data file of the suite is far smaller, and a film or /dev/zero picked by
// mistake must not block a tool.
constexpr qint64 Hoechstgroesse = qint64(64) * 1024 * 1024;

// The path as the user sees it, in German quotes: „/home/…/Städte.dat“.
QString Anzeigename(const QString& pfad);

// Why an operation on the file failed, as a German phrase (no system text): "der Ordner fehlt",
// "keine Berechtigung", "der Datenträger ist voll" ...
QString Fehlertext(const QFileDevice& datei);
// The same for a path that could not be written, judged from the file system (folder, rights).
QString Schreibfehlertext(const QString& pfad);

// Writes a file whole: `schreiben` fills a temporary file, which then replaces the old one, so a failure leaves
// the old file intact. On failure returns false and, if asked, the German reason.
bool AtomarSchreiben(const QString& pfad, const std::function<void(QIODevice&)>& schreiben, QString* grund = nullptr);

// Copies the file aside before a damaged original is rewritten: "name.bak", or the first free of
// "name.bak2", "name.bak3" ... so an earlier backup is never replaced. A missing file needs no backup.
// On failure returns false with a German message for the user.
bool SicherungAnlegen(const QString& pfad, QString* fehler = nullptr, QString* ziel = nullptr);

// Whether a name the user typed can become part of a file name (a warehouse category, a kind of shop):
// not blank, no path separator, no "..", no control character and none of < > : " | ? *. Otherwise false
// with a German reason that names the offending character.
bool NameFuerDatei(const QString& name, QString* grund = nullptr);

} // namespace Dateien
