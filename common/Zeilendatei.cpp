#include "Zeilendatei.h"

#include "Dateien.h"
#include "Subs.h"
#include "Variablen.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zeilendatei {

namespace {

// Code points of the bytes 0x80..0x9F; the five undefined bytes map to the C1 controls of the same value.
constexpr char16_t kBereich80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ByteFuer(char32_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return int(zeichen);
    for (int i = 0; i < 32; ++i)
        if (kBereich80[i] == zeichen)
            return 0x80 + i;
    return -1;
}

// "&#" followed by digits and ";" at position i?
bool IstReferenz(const QString& text, qsizetype i, qsizetype* ende = nullptr, char32_t* wert = nullptr)
{
    if (i + 3 >= text.size() || text[i] != QLatin1Char('&') || text[i + 1] != QLatin1Char('#'))
        return false;
    qsizetype j = i + 2;
    quint64 zahl = 0;
    while (j < text.size() && text[j].isDigit() && text[j].unicode() < 0x80 && j - i < 12) {
        zahl = zahl * 10 + (text[j].unicode() - '0');
        ++j;
    }
    if (j == i + 2 || j >= text.size() || text[j] != QLatin1Char(';'))
        return false;
    if (ende)
        *ende = j + 1;
    if (wert)
        *wert = char32_t(zahl > 0x10FFFF ? 0 : zahl);
    return true;
}

// A reference that reading turns back into a character; only those need "&" escaped when written.
bool DekodierbareReferenz(const QString& text, qsizetype i, qsizetype* ende = nullptr, char32_t* wert = nullptr)
{
    char32_t w = 0;
    if (!IstReferenz(text, i, ende, &w) || w == 0 || (w >= 0xD800 && w <= 0xDFFF))
        return false;
    if (wert)
        *wert = w;
    return true;
}

void Referenz(QByteArray& aus, char32_t zeichen)
{
    aus += "&#";
    aus += QByteArray::number(quint32(zeichen));
    aus += ';';
}

} // namespace

namespace {

void KodierenLangsam(QByteArray& aus, const QString& wert)
{
    for (qsizetype i = 0; i < wert.size(); ++i) {
        char32_t zeichen = wert[i].unicode();
        if (QChar::isHighSurrogate(zeichen) && i + 1 < wert.size() && wert[i + 1].isLowSurrogate()) {
            zeichen = QChar::surrogateToUcs4(wert[i].unicode(), wert[i + 1].unicode());
            ++i;
        }
        if (zeichen == '\r' || zeichen == '\n') {
            Referenz(aus, zeichen);
        } else if (zeichen == '&' && DekodierbareReferenz(wert, i)) {
            aus += "&#38;";
        } else {
            const int byte = ByteFuer(zeichen);
            if (byte >= 0)
                aus += char(byte);
            else
                Referenz(aus, zeichen);
        }
    }
}

// Appends the value's bytes. Plain text (printable ASCII without "&", and Latin-1 letters) is copied byte
// for byte; only other values take the careful way. Databases of ten thousand records are mostly plain.
void KodierenAnhaengen(QByteArray& aus, const QString& wert)
{
    const qsizetype alt = aus.size();
    const qsizetype n = wert.size();
    aus.resize(alt + n);
    char* ziel = aus.data() + alt;
    const char16_t* quelle = reinterpret_cast<const char16_t*>(wert.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = quelle[i];
        if ((c >= 0x20 && c < 0x7F && c != u'&') || (c >= 0xA0 && c <= 0xFF)) {
            ziel[i] = char(c);
            continue;
        }
        aus.resize(alt);
        KodierenLangsam(aus, wert);
        return;
    }
}

} // namespace

QByteArray Kodieren(const QString& wert)
{
    QByteArray aus;
    aus.reserve(wert.size());
    KodierenAnhaengen(aus, wert);
    return aus;
}

namespace {

QString ReferenzenAufloesen(const QString& text)
{
    if (!text.contains(QLatin1String("&#")))
        return text;
    QString aus;
    aus.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype ende = 0;
        char32_t wert = 0;
        if (DekodierbareReferenz(text, i, &ende, &wert)) {
            // Built by hand: fromUcs4 would drop U+FEFF as a byte-order mark.
            if (QChar::requiresSurrogates(wert)) {
                aus += QChar(QChar::highSurrogate(wert));
                aus += QChar(QChar::lowSurrogate(wert));
            } else {
                aus += QChar(char16_t(wert));
            }
            i = ende;
        } else {
            aus += text[i];
            ++i;
        }
    }
    return aus;
}

} // namespace

QString Dekodieren(const QByteArray& zeile)
{
    return ReferenzenAufloesen(AusCodepage(zeile));
}

QString AusCodepage(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        ziel[i] = (b >= 0x80 && b < 0xA0) ? QChar(kBereich80[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray InCodepage(const QString& text)
{
    QByteArray aus;
    aus.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t zeichen = text[i].unicode();
        if (QChar::isHighSurrogate(zeichen) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            zeichen = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        const int byte = ByteFuer(zeichen);
        if (byte >= 0)
            aus += char(byte);
        else
            Referenz(aus, zeichen);
    }
    return aus;
}

QString Druckzahl(qint64 zahl)
{
    return (zahl < 0 ? QString() : QStringLiteral(" ")) + QString::number(zahl) + QLatin1Char(' ');
}

QStringList Datensatzzeilen(const QList<QStringList>& datensaetze, int feldanzahl)
{
    QStringList zeilen;
    zeilen.reserve(1 + datensaetze.size() * feldanzahl);
    zeilen.append(Variablen::Programmversion);
    for (qsizetype i = 0; i < datensaetze.size(); ++i) {
        const QStringList& felder = datensaetze[i];
        zeilen.append(Druckzahl(i));
        for (int f = 1; f < feldanzahl; ++f)
            zeilen.append(f < felder.size() ? felder[f] : QString());
    }
    return zeilen;
}

bool DatensatzLoeschen(QList<QStringList>& datensaetze, int zeile)
{
    if (zeile < 0 || zeile >= datensaetze.size())
        return false;
    datensaetze.removeAt(zeile);
    for (qsizetype i = zeile; i < datensaetze.size(); ++i)
        datensaetze[i][0] = QString::number(i);
    return true;
}

namespace {

// Plain ASCII without "&" needs neither the code page table nor references.
QString ZeileDekodieren(const char* daten, qsizetype laenge)
{
    for (qsizetype i = 0; i < laenge; ++i) {
        const uchar b = uchar(daten[i]);
        if (b >= 0x80 || b == '&')
            return Dekodieren(QByteArray::fromRawData(daten, laenge));
    }
    return QString::fromLatin1(daten, laenge);
}

} // namespace

QStringList Zerlegen(const QByteArray& bytes)
{
    QStringList zeilen;
    const char* daten = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype anfang = 0;
    while (anfang < n) {
        qsizetype ende = anfang;
        while (ende < n && daten[ende] != '\n' && daten[ende] != '\r')
            ++ende;
        zeilen.append(ZeileDekodieren(daten + anfang, ende - anfang));
        if (ende < n && daten[ende] == '\r' && ende + 1 < n && daten[ende + 1] == '\n')
            ++ende;
        anfang = ende + 1;
    }
    return zeilen;
}

QStringList ZerlegenText(const QString& text)
{
    QStringList zeilen;
    const qsizetype n = text.size();
    qsizetype anfang = 0;
    while (anfang < n) {
        qsizetype ende = anfang;
        while (ende < n && text[ende] != QLatin1Char('\n') && text[ende] != QLatin1Char('\r'))
            ++ende;
        zeilen.append(ReferenzenAufloesen(text.mid(anfang, ende - anfang)));
        if (ende < n && text[ende] == QLatin1Char('\r') && ende + 1 < n && text[ende + 1] == QLatin1Char('\n'))
            ++ende;
        anfang = ende + 1;
    }
    return zeilen;
}

bool IstUtf8(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    // Valid UTF-8 with at least one multi-byte sequence; stops at the first byte that cannot be UTF-8.
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    bool mehrbyte = false;
    for (qsizetype i = 0; i < n;) {
        const uchar b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int folge = 0;
        char32_t wert = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            folge = 1;
            wert = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            folge = 2;
            wert = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            folge = 3;
            wert = b & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= folge; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            wert = (wert << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
        if ((folge == 2 && wert < 0x800) || (folge == 3 && (wert < 0x10000 || wert > 0x10FFFF))
            || (wert >= 0xD800 && wert <= 0xDFFF))
            return false;
        mehrbyte = true;
        i += folge + 1;
    }
    return mehrbyte;
}

namespace {

QString Entfernen(QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return QString::fromUtf8(bytes);
}

// The first line of what has been read so far, decoded as the whole file will be.
QString ErsteZeile(const QByteArray& bytes, bool utf8)
{
    qsizetype ende = 0;
    while (ende < bytes.size() && bytes[ende] != '\n' && bytes[ende] != '\r')
        ++ende;
    QByteArray zeile = bytes.left(ende);
    if (utf8 && IstUtf8(zeile))
        return ReferenzenAufloesen(Entfernen(zeile));
    return Dekodieren(zeile);
}

Leseergebnis Abgelehnt(Lesestatus status, const QString& grund)
{
    Leseergebnis e;
    e.Status = status;
    e.Grund = grund;
    return e;
}

} // namespace

namespace {

// The bytes of a regular file within the size limit; with a check, the first line is judged before the
// rest is read.
Leseergebnis Roh(const QString& pfad, const Leseoptionen& optionen, QByteArray& bytes)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return Abgelehnt(Lesestatus::Fehlt, QStringLiteral("die Datei ist nicht vorhanden"));
    if (!info.isFile())
        return Abgelehnt(Lesestatus::KeineDatei, QStringLiteral("das ist keine gewöhnliche Datei"));
    // Opened without blocking and checked again on the open handle: a FIFO or device swapped in after
    // the check above must not block the tool.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Abgelehnt(Lesestatus::Unlesbar, info.isReadable() ? QStringLiteral("die Datei konnte nicht geöffnet werden")
                                                                 : QStringLiteral("die Berechtigung zum Lesen fehlt"));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Abgelehnt(Lesestatus::KeineDatei, QStringLiteral("das ist keine gewöhnliche Datei"));
    }
    const QString zuGross = QStringLiteral("die Datei ist größer als %1 MiB").arg(Dateien::Hoechstgroesse / (1024 * 1024));
    if (st.st_size > Dateien::Hoechstgroesse) {
        ::close(fd);
        return Abgelehnt(Lesestatus::ZuGross, zuGross);
    }
    QFile datei;
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Abgelehnt(Lesestatus::Unlesbar, QStringLiteral("die Datei konnte nicht geöffnet werden"));
    }
    if (optionen.Kopfzeile) {
        // Enough for any first line the suite writes; a longer one fails every check anyway.
        bytes = datei.read(64 * 1024);
        if (!optionen.Kopfzeile(ErsteZeile(bytes, optionen.Utf8Erkennen)))
            return Abgelehnt(Lesestatus::FalscheKopfzeile, QStringLiteral("die erste Zeile ist nicht die erwartete"));
    }
    // Read to the end, but never more than one byte past the limit, in case the file grew since it was checked.
    bytes.reserve(qsizetype(st.st_size) + 1);
    while (bytes.size() <= Dateien::Hoechstgroesse) {
        const QByteArray stueck = datei.read(qMin<qint64>(qMax<qint64>(st.st_size - bytes.size() + 1, 4096),
                                                          Dateien::Hoechstgroesse + 1 - bytes.size()));
        if (stueck.isEmpty())
            break;
        bytes += stueck;
    }
    if (datei.error() != QFileDevice::NoError)
        return Abgelehnt(Lesestatus::Unlesbar, Dateien::Fehlertext(datei));
    if (bytes.size() > Dateien::Hoechstgroesse)
        return Abgelehnt(Lesestatus::ZuGross, zuGross);
    return Leseergebnis();
}

} // namespace

Leseergebnis Laden(const QString& pfad, const Leseoptionen& optionen)
{
    QByteArray bytes;
    Leseergebnis e = Roh(pfad, optionen, bytes);
    if (!e.Gelesen())
        return e;
    if (optionen.Utf8Erkennen && IstUtf8(bytes))
        e.Zeilen = ZerlegenText(Entfernen(bytes));
    else
        e.Zeilen = Zerlegen(bytes);
    return e;
}

Leseergebnis LadenRoh(const QString& pfad, QByteArray& bytes)
{
    bytes.clear();
    return Roh(pfad, {}, bytes);
}

QStringList Lesen(const QString& pfad, bool* vorhanden)
{
    Leseergebnis e = Laden(pfad);
    if (vorhanden)
        *vorhanden = e.Gelesen();
    return std::move(e.Zeilen);
}

bool Schreiben(const QString& pfad, const QStringList& zeilen, QString* fehler)
{
    qsizetype groesse = 0;
    for (const QString& zeile : zeilen)
        groesse += zeile.size() + 2;
    QByteArray bytes;
    bytes.reserve(groesse);
    for (const QString& zeile : zeilen) {
        KodierenAnhaengen(bytes, zeile);
        bytes += "\r\n";
    }
    return Dateien::Schreiben(pfad, bytes, fehler);
}

bool SchreibenRoh(const QString& pfad, const QByteArray& bytes, QString* fehler)
{
    return Dateien::Schreiben(pfad, bytes, fehler);
}

bool Anhaengen(const QString& pfad, const QString& zeile, QString* fehler)
{
    QByteArray bytes;
    if (QFileInfo::exists(pfad) || QFileInfo(pfad).isSymLink()) {
        const Leseergebnis e = Roh(pfad, {}, bytes);
        if (!e.Gelesen()) {
            if (fehler)
                *fehler = e.Grund;
            return false;
        }
    }
    // A last line without its line end would otherwise swallow the new line.
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    bytes += Kodieren(zeile);
    bytes += "\r\n";
    return Dateien::Schreiben(pfad, bytes, fehler);
}

QString Zufallszeile(const QString& pfad)
{
    const qsizetype n = Lesen(pfad).size();
    if (n == 0)
        return QString();
    const int r = Subs::Zufallszahl(int(qMin<qsizetype>(n, 0x7FFFFFFF)));
    const QStringList erneut = Lesen(pfad);
    return r >= 1 && r <= erneut.size() ? erneut[r - 1] : QString();
}

} // namespace Zeilendatei
