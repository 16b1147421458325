#pragma once

#include <QString>

#include <functional>
#include <memory>

class QFileDevice;
class QIODevice;

// What every file reader and writer of the suite shares: the size limit, German reasons for failures, and
// the backup that a damaged database gets before it is rewritten.
namespace Dateien {

struct Fingerabdruck;

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
// `abdruck`, when given, gets the fingerprint of the file written.
bool Schreiben(const QString& pfad, const QByteArray& bytes, QString* grund = nullptr, bool ausfuehrbar = false,
               Fingerabdruck* abdruck = nullptr);

// Whether Schreiben could put a file there (the target and its folder), checked before long work whose
// result would otherwise be lost; false with the same reason Schreiben would give.
bool Beschreibbar(const QString& pfad, QString* grund = nullptr);

// The same, with `schreiben` filling the content in memory first.
bool AtomarSchreiben(const QString& pfad, const std::function<void(QIODevice&)>& schreiben, QString* grund = nullptr);

// A reason as a sentence of its own: the first letter large, a full stop at the end ("die Datei fehlt"
// becomes "Die Datei fehlt."), so messages read "… konnte nicht gelesen werden: Die Datei fehlt."
QString Satz(const QString& grund);

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

// A running hash of bytes, fast enough to take while a database is read.
class Pruefsumme {
public:
    Pruefsumme();
    void Hinzufuegen(const char* daten, qsizetype n);
    quint64 Wert() const;

private:
    quint64 m_spur[4];
    unsigned char m_rest[32];
    qsizetype m_restlaenge = 0;
    quint64 m_laenge = 0;
};

// What a program knows of a file it read or wrote: its identity, size and modification time, and a hash of
// the content. Another program's save replaces the file, so any of them differs afterwards; the hash tells a
// file rewritten with the same bytes from a changed one.
struct Fingerabdruck {
    // Whether anything is known: a table never read from its file knows nothing and replaces the file.
    bool Bekannt = false;
    bool Vorhanden = false;
    quint64 Geraet = 0;
    quint64 Knoten = 0;
    qint64 Groesse = 0;
    qint64 Geaendert = 0; // nanoseconds
    bool PruefsummeBekannt = false;
    quint64 Pruefsumme = 0;
};
// Identity, size and time of the file now (no hash); a missing file gives Vorhanden false. Both are Bekannt.
Fingerabdruck Stand(const QString& pfad);
// The same with the hash of its content (a regular file of at most Hoechstgroesse bytes).
Fingerabdruck Abdruck(const QString& pfad);
// Whether the file is still the one `bekannt` describes: the same identity, size and time, or, where only
// those changed, the same content. A fingerprint that knows nothing counts as unchanged.
bool Unveraendert(const QString& pfad, const Fingerabdruck& bekannt);

// The lock every change to a shared file holds from reading the file to putting the new one in place, so
// that two programs changing one file never start from the same old content. It is an advisory lock on the
// file's folder (after links), which the system releases when the program ends in any way; nothing is left
// in the folder. A program that holds it may take it again (for a second file of the folder). A writer that
// cannot get it waits a few seconds, then gives up with a German reason and must not write.
class Sperre {
public:
    explicit Sperre(const QString& pfad);
    ~Sperre();
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    bool Gehalten() const { return m_gehalten; }
    // Why the lock could not be had, as a whole sentence naming the file.
    const QString& Grund() const { return m_grund; }
    void Freigeben();

private:
    bool m_gehalten = false;
    QString m_grund;
    quint64 m_geraet = 0;
    quint64 m_knoten = 0;
};
// How long a writer waits for a lock, in milliseconds (tests shorten it); 0 restores the default.
void SperrfristSetzen(int millisekunden);

} // namespace Dateien
