#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "Dateien.h"

#include <functional>
#include <memory>

// Line files of the suite: Windows-1252 text, one value per line, CR LF after every line.
//
// Reading takes a file that is valid UTF-8 and holds non-ASCII text (with or without a byte-order mark) as
// UTF-8 and any other as Windows-1252; a leading byte-order mark is never part of the text. Writing always
// gives Windows-1252, written so that reading takes it for Windows-1252 again.
//
// A value is always kept on one line: line breaks inside a value, characters outside the code page and a
// literal "&#" that would read like a reference are written as numeric character references ("&#10;",
// "&#322;", "&#38;#") and turned back on reading. Text without such characters is written unchanged.
class QFile;

namespace Zeilendatei {

// One value as the bytes of one line (without the line end).
QByteArray Kodieren(const QString& wert);
// The bytes of one line back into the value.
QString Dekodieren(const QByteArray& zeile);

// Plain Windows-1252 conversion without references (HTML pages, where the browser reads references itself).
QString AusCodepage(const QByteArray& bytes);
QByteArray InCodepage(const QString& text);

// A number as a print statement writes it into a line: a blank unless negative, the digits, a blank (" 3 ").
QString Druckzahl(qint64 zahl);

// The bytes a file of these lines holds, as Schreiben writes them.
QByteArray Dateibytes(const QStringList& zeilen);

// The lines of a database of records, one field a line (armory, creatures): the version line, then for
// each record its row number as Druckzahl and fields 1 to feldanzahl - 1 (missing fields written empty).
QStringList Datensatzzeilen(const QList<QStringList>& datensaetze, int feldanzahl);
// Writes what Schreiben(pfad, Datensatzzeilen(datensaetze, feldanzahl)) writes, without building the lines.
bool DatensaetzeSchreiben(const QString& pfad, const QList<QStringList>& datensaetze, int feldanzahl,
                          QString* fehler = nullptr, Dateien::Fingerabdruck* abdruck = nullptr);
// Removes record `zeile` and renumbers field 0 of the records after it; false when there is no such record.
bool DatensatzLoeschen(QList<QStringList>& datensaetze, int zeile);

// Every line of the bytes: CR LF, LF and a lone CR all end a line; a missing last line end is fine.
// Lines are decoded by the reading rule above and their references turned back.
QStringList Zerlegen(const QByteArray& bytes);

// The same for text that is already decoded (an exchange file in UTF-8).
QStringList ZerlegenText(const QString& text);

// How reading a file went. Anything but Gelesen comes with a German reason for the user's message.
enum class Lesestatus { Gelesen, Fehlt, KeineDatei, ZuGross, Unlesbar, FalscheKopfzeile };

struct Leseergebnis {
    Lesestatus Status = Lesestatus::Gelesen;
    QStringList Zeilen;
    QString Grund;
    // What was read: the file's identity and time, and the hash of all its bytes.
    Dateien::Fingerabdruck Abdruck;
    bool Gelesen() const { return Status == Lesestatus::Gelesen; }
};

struct Leseoptionen {
    // Checked on the first line before the rest of the file is read; false refuses the file.
    std::function<bool(const QString&)> Kopfzeile;
};

// The lines of a file or of bytes one at a time, decoded as Zerlegen does, for readers that build their
// records straight from the lines. A file is read piece by piece, so a database of ten thousand records is
// never held whole as bytes; short values that come again (flags, numbers, categories) share one string.
class Zeilenleser {
public:
    // Reads the bytes, which must outlive the reader.
    explicit Zeilenleser(const QByteArray& bytes);
    // Reads a file opened with Oeffnen.
    Zeilenleser();
    ~Zeilenleser();
    // Opens the file with the checks of Laden (regular file, size limit, first line).
    Leseergebnis Oeffnen(const QString& pfad, const Leseoptionen& optionen = {});
    // The next line into `zeile`; false after the last one.
    bool Naechste(QString& zeile);
    // Goes past the next line without decoding it; false after the last one.
    bool Ueberspringen();
    // Goes past the next `anzahl` lines; returns how many there were.
    qsizetype Ueberspringen(qsizetype anzahl);
    // After the last line: whether the file was read to its end. Unlesbar on a read error, ZuGross when it
    // grew past the size limit; the lines given before are then not the whole file.
    const Leseergebnis& Ende() const { return m_ende; }

private:
    // Values up to this many bytes are shared.
    static constexpr qsizetype KurzGrenze = 16;
    // How the lines decode: open until the first byte above 127 (or a byte-order mark) decides.
    enum class Kodierung : unsigned char { Offen, Codepage, Utf8 };
    struct Platz {
        QString wert;
        quint64 vorn = 0;
        quint64 hinten = 0;
        qsizetype laenge = -1;
    };
    QString Kurz(const char* daten, qsizetype laenge);
    // The end of the line at m_position, reading on where the piece in memory ends before it does;
    // `hoch` tells whether the line holds a byte above 127.
    qsizetype ZeileFinden(bool& besonders, bool& hoch);
    // Skips a byte-order mark at the start.
    void AnfangPruefen();
    // Decides the decoding from the bytes at `von` to the end of the file; everything before is ASCII.
    void Entscheiden(qsizetype von);
    // Moves the unread rest to the front and reads the next piece; false when nothing more came.
    bool Nachladen();
    void TabelleAnlegen(qsizetype groesse);

    const char* m_daten = nullptr;
    qsizetype m_groesse = 0;
    qsizetype m_position = 0;
    QList<Platz> m_gleiche;
    Kodierung m_kodierung = Kodierung::Offen;
    bool m_anfang = true;
    // Reading a file: the piece in memory, how much was read in all, and whether the end was reached.
    std::unique_ptr<QFile> m_datei;
    QByteArray m_puffer;
    Dateien::Pruefsumme m_summe;
    Dateien::Fingerabdruck m_abdruck;
    qint64 m_gelesenBytes = 0;
    bool m_fertig = true;
    Leseergebnis m_ende;
};

// Reads the fields of one record into `felder`, which holds the fields before (its field 0), until it has
// `anzahl`; fields not marked in `nurFelder` (when given) are passed over and left empty. False when the
// lines ran out first.
bool FelderLesen(Zeilenleser& leser, QStringList& felder, int anzahl, const QList<bool>* nurFelder = nullptr);

// Reads a regular file of at most Dateien::Hoechstgroesse bytes. Folders, devices and pipes are refused,
// so /dev/zero or a FIFO never blocks a tool.
Leseergebnis Laden(const QString& pfad, const Leseoptionen& optionen = {});

// The file's bytes, with the same checks as Laden (regular file, size limit); Zeilen stays empty.
Leseergebnis LadenRoh(const QString& pfad, QByteArray& bytes);

// The reading rule: the bytes are read as UTF-8 rather than Windows-1252, being valid UTF-8 after an
// optional byte-order mark and, without one, holding a multi-byte character.
bool IstUtf8(const QByteArray& bytes);
// Whole bytes as text by the reading rule, without a byte-order mark; references stay as they stand.
QString AlsText(const QByteArray& bytes);
// Written Windows-1252 bytes that reading would take for UTF-8 (or whose start reads as a byte-order mark)
// get every byte above 127 as a reference, so they read back as written; all other bytes come back as given.
QByteArray Eindeutig(QByteArray bytes);

// All lines of a file (Laden without a check). A file that is missing or cannot be read gives no lines
// and sets *vorhanden to false.
QStringList Lesen(const QString& pfad, bool* vorhanden = nullptr);

// Writes the file whole and atomically (temporary file, then rename): a failure leaves the old file intact.
// On failure returns false and, if asked, the reason.
// `abdruck`, when given, gets the fingerprint of the file written. A change that read the file first holds
// its Dateien::Sperre from the read to here.
bool Schreiben(const QString& pfad, const QStringList& zeilen, QString* fehler = nullptr,
               Dateien::Fingerabdruck* abdruck = nullptr);

// Writes bytes as they are, whole and atomically (pages, tables edited as text).
bool SchreibenRoh(const QString& pfad, const QByteArray& bytes, QString* fehler = nullptr,
                  Dateien::Fingerabdruck* abdruck = nullptr);

// Appends one line (for lists that only grow); also atomic, under the file's lock.
bool Anhaengen(const QString& pfad, const QString& zeile, QString* fehler = nullptr);

// A random line: count the lines n, draw Zufallszahl(n), read the file again up to that line.
// A missing or empty file gives the empty text and draws nothing.
QString Zufallszeile(const QString& pfad);

} // namespace Zeilendatei
