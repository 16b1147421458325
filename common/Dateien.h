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

// Every file the suite writes goes through Schreiben: the bytes go to a temporary file beside the target,
// every write, the flush to disk and the rename are checked, and only then does the new file take the old
// one's place. On any failure the old file stays as it was, the temporary file is removed, and the German
// reason is a whole sentence ("Der Datenträger ist voll."). A target that exists and is not a regular file
// after following links (a FIFO, a device, a folder) is refused and nothing is written; a link to a regular
// file stays a link and its target is replaced. `ausfuehrbar` marks a new file executable (desktop entries).
bool Schreiben(const QString& pfad, const QByteArray& bytes, QString* grund = nullptr, bool ausfuehrbar = false);

// Whether Schreiben could put a file there (the target and its folder), checked before long work whose
// result would otherwise be lost; false with the same reason Schreiben would give.
bool Beschreibbar(const QString& pfad, QString* grund = nullptr);

// The same, with `schreiben` filling the content in memory first.
bool AtomarSchreiben(const QString& pfad, const std::function<void(QIODevice&)>& schreiben, QString* grund = nullptr);

// Copies a regular file of any size under the same rules (backups).
bool Kopieren(const QString& quelle, const QString& ziel, QString* grund = nullptr);

// Batch mode lets "-" stand for standard output; windows never do, so a file named "-" stays a file there.
void StandardausgabeZulassen(bool zulassen);
bool IstStandardausgabe(const QString& pfad);

// Copies the file aside before a damaged original is rewritten: "name.bak", or the first free of
// "name.bak2", "name.bak3" ... so an earlier backup is never replaced. A missing file needs no backup.
// On failure returns false with a German message for the user.
bool SicherungAnlegen(const QString& pfad, QString* fehler = nullptr, QString* ziel = nullptr);

// Whether a name the user typed can become part of a file name (a warehouse category, a kind of shop):
// not blank, no path separator, no "..", no control character and none of < > : " | ? *. Otherwise false
// with a German reason that names the offending character.
bool NameFuerDatei(const QString& name, QString* grund = nullptr);

} // namespace Dateien
