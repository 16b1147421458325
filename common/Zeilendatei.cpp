#include "Zeilendatei.h"

#include "Dateien.h"
#include "Subs.h"
#include "Variablen.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdio>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Zeilendatei {

namespace {

Leseergebnis Abgelehnt(Lesestatus status, const QString& grund)
{
    Leseergebnis e;
    e.Status = status;
    e.Grund = grund;
    return e;
}

QString ZuGrossText()
{
    return QStringLiteral("die Datei ist größer als %1 MiB").arg(Dateien::Hoechstgroesse / (1024 * 1024));
}


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

// What each byte means to the line reader, as bits: 1 a line end, 2 a byte that needs more than Latin-1 in
// the code page (0x80..0x9F differ from Latin-1, and only a line with "&" can hold a reference), 4 a byte
// above 127 (which UTF-8 decodes differently).
struct Byteklassen {
    uchar klasse[256] = {};
    constexpr Byteklassen()
    {
        klasse[uchar('\n')] = 1;
        klasse[uchar('\r')] = 1;
        klasse[uchar('&')] = 2;
        for (int b = 0x80; b < 0x100; ++b)
            klasse[b] = b < 0xA0 ? 6 : 4;
    }
};
constexpr Byteklassen kKlassen;

// Where the line starting at `anfang` ends, whether it needs more than Latin-1, and whether it holds a byte
// above 127. Sixteen bytes at a time where the processor allows: most lines of a database are shorter.
qsizetype Zeilenende(const char* daten, qsizetype anfang, qsizetype n, bool& besonders, bool& hoch)
{
    besonders = false;
    hoch = false;
    qsizetype ende = anfang;
#if defined(__SSE2__)
    const __m128i zeilenende = _mm_set1_epi8('\n');
    const __m128i wagenruecklauf = _mm_set1_epi8('\r');
    const __m128i und = _mm_set1_epi8('&');
    const __m128i obereDrei = _mm_set1_epi8(char(0xE0));
    const __m128i bereich80 = _mm_set1_epi8(char(0x80));
    while (ende + 16 <= n) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(daten + ende));
        const unsigned enden = unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(b, zeilenende), _mm_cmpeq_epi8(b, wagenruecklauf))));
        const unsigned sonder = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(b, und), _mm_cmpeq_epi8(_mm_and_si128(b, obereDrei), bereich80))));
        const unsigned oben = unsigned(_mm_movemask_epi8(b));
        if (enden) {
            const int i = __builtin_ctz(enden);
            const unsigned davor = (1u << i) - 1;
            besonders = besonders || (sonder & davor);
            hoch = hoch || (oben & davor);
            return ende + i;
        }
        besonders = besonders || sonder;
        hoch = hoch || oben;
        ende += 16;
    }
#endif
    for (; ende < n; ++ende) {
        const uchar k = kKlassen.klasse[uchar(daten[ende])];
        if (k == 0)
            continue;
        if (k & 1)
            break;
        besonders = besonders || (k & 2);
        hoch = hoch || (k & 4);
    }
    return ende;
}

// After the line that ends at `ende`: CR LF counts as one line end.
qsizetype NaechsterAnfang(const char* daten, qsizetype ende, qsizetype n)
{
    if (ende < n && daten[ende] == '\r' && ende + 1 < n && daten[ende + 1] == '\n')
        ++ende;
    return ende + 1;
}

constexpr char kBom[] = "\xEF\xBB\xBF";

// UTF-8 already checked as valid; a U+FEFF at the start is kept, where fromUtf8 would take it for a mark.
QString Utf8Text(const char* daten, qsizetype n)
{
    thread_local QStringDecoder dekoder(QStringDecoder::Utf8,
                                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return dekoder.decode(QByteArrayView(daten, n));
}

// Checks bytes for UTF-8 piece by piece; a character may run across two pieces.
class Utf8Pruefung {
public:
    void Weiter(const char* daten, qsizetype n)
    {
        const auto* p = reinterpret_cast<const uchar*>(daten);
        qsizetype i = 0;
        while (i < n && !m_kaputt) {
            if (m_offen == 0) {
                // Eight ASCII bytes at a time: most of any file is ASCII.
                quint64 wort = 0;
                while (i + 8 <= n && (std::memcpy(&wort, p + i, 8), (wort & 0x8080808080808080ull) == 0))
                    i += 8;
                if (i >= n)
                    break;
                const uchar b = p[i++];
                if (b < 0x80)
                    continue;
                if (b >= 0xC2 && b <= 0xDF)
                    m_offen = 1;
                else if (b >= 0xE0 && b <= 0xEF)
                    m_offen = 2;
                else if (b >= 0xF0 && b <= 0xF4)
                    m_offen = 3;
                else
                    m_kaputt = true;
                m_laenge = m_offen + 1;
                m_wert = b & (0x7F >> m_laenge);
                continue;
            }
            const uchar b = p[i++];
            if ((b & 0xC0) != 0x80) {
                m_kaputt = true;
                break;
            }
            m_wert = (m_wert << 6) | (b & 0x3F);
            if (--m_offen > 0)
                continue;
            // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
            if ((m_laenge == 3 && (m_wert < 0x800 || (m_wert >= 0xD800 && m_wert <= 0xDFFF)))
                || (m_laenge == 4 && (m_wert < 0x10000 || m_wert > 0x10FFFF)))
                m_kaputt = true;
            m_mehrbyte = true;
        }
    }
    // No fault so far (the last character may still be unfinished).
    bool Gueltig() const { return !m_kaputt; }
    // Valid UTF-8 up to here, the last character finished.
    bool Vollstaendig() const { return !m_kaputt && m_offen == 0; }
    bool Mehrbyte() const { return m_mehrbyte; }

private:
    int m_offen = 0; // continuation bytes still to come
    int m_laenge = 0;
    char32_t m_wert = 0;
    bool m_kaputt = false;
    bool m_mehrbyte = false;
};

} // namespace

Zeilenleser::Zeilenleser(const QByteArray& bytes) : m_daten(bytes.constData()), m_groesse(bytes.size())
{
    TabelleAnlegen(m_groesse);
}

Zeilenleser::Zeilenleser() = default;

Zeilenleser::~Zeilenleser() = default;

void Zeilenleser::TabelleAnlegen(qsizetype groesse)
{
    // A table for the values that come again, sized to the file but small enough to stay in the cache.
    qsizetype plaetze = 64;
    while (plaetze < 512 && plaetze * 256 < groesse)
        plaetze *= 2;
    m_gleiche.resize(plaetze);
}

QString Zeilenleser::Kurz(const char* daten, qsizetype laenge)
{
    // The bytes themselves, zero-padded to two words, are the key: equal keys and lengths mean equal values.
    // Whole words are read where the buffer goes on far enough, and masked to the value's length.
    quint64 vorn = 0;
    quint64 hinten = 0;
    if (daten + 16 <= m_daten + m_groesse) {
        std::memcpy(&vorn, daten, 8);
        std::memcpy(&hinten, daten + 8, 8);
        if (laenge < 8) {
            vorn &= (quint64(1) << (8 * laenge)) - 1;
            hinten = 0;
        } else if (laenge < 16) {
            hinten &= (quint64(1) << (8 * (laenge - 8))) - 1;
        }
    } else {
        std::memcpy(&vorn, daten, size_t(qMin<qsizetype>(laenge, 8)));
        if (laenge > 8)
            std::memcpy(&hinten, daten + 8, size_t(laenge - 8));
    }
    quint64 h = (vorn ^ (hinten * 0xC2B2AE3D27D4EB4Full) ^ quint64(laenge)) * 0x9E3779B97F4A7C15ull;
    Platz& platz = m_gleiche[qsizetype((h >> 40) & quint64(m_gleiche.size() - 1))];
    if (platz.vorn != vorn || platz.hinten != hinten || platz.laenge != laenge) {
        platz.wert = QString::fromLatin1(daten, laenge);
        platz.vorn = vorn;
        platz.hinten = hinten;
        platz.laenge = laenge;
    }
    return platz.wert;
}

namespace {

// A file is read in pieces of this size; a longer line makes the piece grow.
constexpr qsizetype kStueck = 256 * 1024;

} // namespace

bool Zeilenleser::Nachladen()
{
    if (m_fertig)
        return false;
    const qsizetype rest = m_groesse - m_position;
    if (m_position > 0 && rest > 0)
        std::memmove(m_puffer.data(), m_puffer.constData() + m_position, size_t(rest));
    m_position = 0;
    if (m_puffer.size() < rest + kStueck)
        m_puffer.resize(rest + kStueck);
    // Never more than one byte past the limit, in case the file grew since it was checked.
    const qint64 wunsch = qMin<qint64>(m_puffer.size() - rest, Dateien::Hoechstgroesse + 1 - m_gelesenBytes);
    const qint64 gelesen = wunsch > 0 ? m_datei->read(m_puffer.data() + rest, wunsch) : 0;
    if (gelesen > 0)
        m_summe.Hinzufuegen(m_puffer.constData() + rest, gelesen);
    if (gelesen < 0)
        m_ende = Abgelehnt(Lesestatus::Unlesbar, Dateien::Fehlertext(*m_datei));
    m_gelesenBytes += qMax<qint64>(gelesen, 0);
    if (m_gelesenBytes > Dateien::Hoechstgroesse)
        m_ende = Abgelehnt(Lesestatus::ZuGross, ZuGrossText());
    m_daten = m_puffer.constData();
    m_groesse = rest + qMax<qint64>(gelesen, 0);
    if (gelesen <= 0 || !m_ende.Gelesen()) {
        m_fertig = true;
        if (!m_ende.Gelesen())
            m_groesse = rest;
        m_ende.Abdruck = m_abdruck;
        m_ende.Abdruck.Pruefsumme = m_summe.Wert();
        m_ende.Abdruck.PruefsummeBekannt = m_ende.Gelesen();
    }
    return gelesen > 0 && m_ende.Gelesen();
}

qsizetype Zeilenleser::ZeileFinden(bool& besonders, bool& hoch)
{
    for (;;) {
        const qsizetype ende = Zeilenende(m_daten, m_position, m_groesse, besonders, hoch);
        // A line end found, unless it is a CR whose LF may be in the next piece.
        if (ende < m_groesse && !(m_daten[ende] == '\r' && ende + 1 == m_groesse && !m_fertig))
            return ende;
        if (!Nachladen())
            return Zeilenende(m_daten, m_position, m_groesse, besonders, hoch);
    }
}

void Zeilenleser::AnfangPruefen()
{
    m_anfang = false;
    while (m_groesse - m_position < 3 && Nachladen()) {
    }
    if (m_groesse - m_position >= 3 && std::memcmp(m_daten + m_position, kBom, 3) == 0) {
        m_position += 3;
        Entscheiden(m_position);
    }
}

void Zeilenleser::Entscheiden(qsizetype von)
{
    Utf8Pruefung pruefung;
    pruefung.Weiter(m_daten + von, m_groesse - von);
    // The rest of the file is read beside the reader's own position: a file in the code page fails at its
    // first umlaut, so only a file that is UTF-8 is read twice.
    if (m_datei && !m_fertig) {
        QByteArray stueck(kStueck, Qt::Uninitialized);
        qint64 versatz = m_gelesenBytes;
        while (pruefung.Gueltig() && versatz <= Dateien::Hoechstgroesse) {
            const ssize_t n = ::pread(m_datei->handle(), stueck.data(), size_t(stueck.size()), versatz);
            if (n <= 0)
                break;
            pruefung.Weiter(stueck.constData(), qsizetype(n));
            versatz += n;
        }
    }
    m_kodierung = pruefung.Vollstaendig() ? Kodierung::Utf8 : Kodierung::Codepage;
}

bool Zeilenleser::Naechste(QString& zeile)
{
    if (m_anfang)
        AnfangPruefen();
    if (m_position >= m_groesse && !Nachladen())
        return false;
    bool besonders = false;
    bool hoch = false;
    const qsizetype ende = ZeileFinden(besonders, hoch);
    if (hoch && m_kodierung == Kodierung::Offen)
        Entscheiden(m_position);
    const qsizetype laenge = ende - m_position;
    if (m_kodierung == Kodierung::Utf8 && (besonders || hoch))
        zeile = ReferenzenAufloesen(Utf8Text(m_daten + m_position, laenge));
    else if (besonders)
        zeile = Dekodieren(QByteArray::fromRawData(m_daten + m_position, laenge));
    else if (laenge == 0)
        zeile = QString::fromLatin1(m_daten + m_position, 0);
    else if (laenge <= KurzGrenze)
        zeile = Kurz(m_daten + m_position, laenge);
    else
        zeile = QString::fromLatin1(m_daten + m_position, laenge);
    m_position = NaechsterAnfang(m_daten, ende, m_groesse);
    return true;
}

bool Zeilenleser::Ueberspringen()
{
    return Ueberspringen(1) == 1;
}

qsizetype Zeilenleser::Ueberspringen(qsizetype anzahl)
{
    if (m_anfang)
        AnfangPruefen();
    qsizetype uebersprungen = 0;
    while (uebersprungen < anzahl) {
#if defined(__SSE2__)
        // Sixteen bytes at a time: a line ends at each LF and at each CR not followed by LF, so CR LF
        // counts once.
        const __m128i zeilenende = _mm_set1_epi8('\n');
        const __m128i wagenruecklauf = _mm_set1_epi8('\r');
        while (uebersprungen < anzahl && m_position + 16 < m_groesse) {
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_daten + m_position));
            // Lines passed over count for the decoding too: all before them was ASCII.
            if (m_kodierung == Kodierung::Offen && _mm_movemask_epi8(b))
                Entscheiden(m_position);
            const unsigned lf = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(b, zeilenende)));
            const unsigned cr = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(b, wagenruecklauf)));
            const unsigned lfDanach = (lf >> 1) | (m_daten[m_position + 16] == '\n' ? 0x8000u : 0u);
            unsigned enden = lf | (cr & ~lfDanach);
            // The line ends among the sixteen bytes, counted without a library call.
            unsigned zahl = enden - ((enden >> 1) & 0x5555u);
            zahl = (zahl & 0x3333u) + ((zahl >> 2) & 0x3333u);
            zahl = (zahl + (zahl >> 4)) & 0x0F0Fu;
            const qsizetype hier = qsizetype((zahl + (zahl >> 8)) & 0x1Fu);
            if (uebersprungen + hier < anzahl) {
                uebersprungen += hier;
                m_position += 16;
                continue;
            }
            for (qsizetype k = anzahl - uebersprungen; k > 1; --k)
                enden &= enden - 1;
            m_position += __builtin_ctz(enden) + 1;
            uebersprungen = anzahl;
        }
        if (uebersprungen == anzahl)
            break;
#endif
        // Near the end of the piece in memory: one line the careful way, reading on where needed.
        if (m_position >= m_groesse && !Nachladen())
            break;
        bool besonders = false;
        bool hoch = false;
        // Found first: reading on may move the piece in memory.
        const qsizetype ende = ZeileFinden(besonders, hoch);
        if (hoch && m_kodierung == Kodierung::Offen)
            Entscheiden(m_position);
        m_position = NaechsterAnfang(m_daten, ende, m_groesse);
        ++uebersprungen;
    }
    return uebersprungen;
}

QStringList Zerlegen(const QByteArray& bytes)
{
    Zeilenleser leser(bytes);
    QStringList zeilen;
    QString zeile;
    while (leser.Naechste(zeile))
        zeilen.append(std::move(zeile));
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
    const bool bom = bytes.startsWith(kBom);
    Utf8Pruefung pruefung;
    pruefung.Weiter(bytes.constData() + (bom ? 3 : 0), bytes.size() - (bom ? 3 : 0));
    return pruefung.Vollstaendig() && (bom || pruefung.Mehrbyte());
}

QString AlsText(const QByteArray& bytes)
{
    const qsizetype anfang = bytes.startsWith(kBom) ? 3 : 0;
    const QByteArray rest = QByteArray::fromRawData(bytes.constData() + anfang, bytes.size() - anfang);
    return IstUtf8(bytes) ? Utf8Text(rest.constData(), rest.size()) : AusCodepage(rest);
}

QByteArray Eindeutig(QByteArray bytes)
{
    if (!bytes.startsWith(kBom) && !IstUtf8(bytes))
        return bytes;
    QByteArray aus;
    aus.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : std::as_const(bytes)) {
        const uchar b = uchar(c);
        if (b < 0x80)
            aus += c;
        else
            Referenz(aus, b < 0xA0 ? char32_t(kBereich80[b - 0x80]) : char32_t(b));
    }
    return aus;
}

namespace {

// The first line of what has been read so far, decoded by itself.
QString ErsteZeile(const QByteArray& bytes)
{
    qsizetype ende = 0;
    while (ende < bytes.size() && bytes[ende] != '\n' && bytes[ende] != '\r')
        ++ende;
    const QByteArray zeile = QByteArray::fromRawData(bytes.constData(), ende);
    Zeilenleser leser(zeile);
    QString erste;
    leser.Naechste(erste);
    return erste;
}

} // namespace

namespace {

// Opens a regular file within the size limit; with a check, the first line is judged on the first bytes,
// which are left in `anfang`.
Leseergebnis Oeffnen(const QString& pfad, const Leseoptionen& optionen, QFile& datei, QByteArray& anfang, qint64& groesse,
                     Dateien::Fingerabdruck& abdruck)
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
    if (st.st_size > Dateien::Hoechstgroesse) {
        ::close(fd);
        return Abgelehnt(Lesestatus::ZuGross, ZuGrossText());
    }
    if (!datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Abgelehnt(Lesestatus::Unlesbar, QStringLiteral("die Datei konnte nicht geöffnet werden"));
    }
    groesse = st.st_size;
    abdruck = Dateien::Fingerabdruck();
    abdruck.Bekannt = true;
    abdruck.Vorhanden = true;
    abdruck.Geraet = quint64(st.st_dev);
    abdruck.Knoten = quint64(st.st_ino);
    abdruck.Groesse = qint64(st.st_size);
    abdruck.Geaendert = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    anfang.clear();
    if (optionen.Kopfzeile) {
        // Enough for any first line the suite writes; a longer one fails every check anyway.
        anfang = datei.read(64 * 1024);
        if (!optionen.Kopfzeile(ErsteZeile(anfang)))
            return Abgelehnt(Lesestatus::FalscheKopfzeile, QStringLiteral("die erste Zeile ist nicht die erwartete"));
    }
    return Leseergebnis();
}

// The bytes of a regular file within the size limit; with a check, the first line is judged before the
// rest is read.
Leseergebnis Roh(const QString& pfad, const Leseoptionen& optionen, QByteArray& bytes)
{
    QFile datei;
    qint64 groesse = 0;
    Dateien::Fingerabdruck abdruck;
    const Leseergebnis offen = Oeffnen(pfad, optionen, datei, bytes, groesse, abdruck);
    if (!offen.Gelesen())
        return offen;
    // Read to the end, but never more than one byte past the limit, in case the file grew since it was checked.
    // Read straight into the buffer: a copy of a large file per read would cost as much as the reading.
    bytes.reserve(qsizetype(groesse) + 1);
    while (bytes.size() <= Dateien::Hoechstgroesse) {
        const qint64 wunsch = qMin<qint64>(qMax<qint64>(groesse - bytes.size() + 1, 4096),
                                           Dateien::Hoechstgroesse + 1 - bytes.size());
        const qsizetype alt = bytes.size();
        bytes.resize(alt + qsizetype(wunsch));
        const qint64 gelesen = datei.read(bytes.data() + alt, wunsch);
        bytes.resize(alt + qsizetype(qMax<qint64>(gelesen, 0)));
        if (gelesen <= 0)
            break;
    }
    if (datei.error() != QFileDevice::NoError)
        return Abgelehnt(Lesestatus::Unlesbar, Dateien::Fehlertext(datei));
    if (bytes.size() > Dateien::Hoechstgroesse)
        return Abgelehnt(Lesestatus::ZuGross, ZuGrossText());
    Leseergebnis e;
    e.Abdruck = abdruck;
    Dateien::Pruefsumme summe;
    summe.Hinzufuegen(bytes.constData(), bytes.size());
    e.Abdruck.Pruefsumme = summe.Wert();
    e.Abdruck.PruefsummeBekannt = true;
    return e;
}

} // namespace

Leseergebnis Laden(const QString& pfad, const Leseoptionen& optionen)
{
    QByteArray bytes;
    Leseergebnis e = Roh(pfad, optionen, bytes);
    if (!e.Gelesen())
        return e;
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


namespace {

// Bytes written straight into a buffer that grows by doubling: a database of ten thousand records is
// half a million short values, and an append through QByteArray per value costs more than the copying.
class Puffer {
public:
    explicit Puffer(qsizetype groesse) { m_bytes.resize(qMax<qsizetype>(groesse, 64)); }

    void Text(const char* text, qsizetype n) { std::memcpy(Platz(n), text, size_t(n)); }

    void Wert(const QString& wert)
    {
        const qsizetype n = wert.size();
        char* ziel = Platz(n);
        const QChar* quelle = wert.constData();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = quelle[i].unicode();
            if ((c >= 0x20 && c < 0x7F && c != u'&') || (c >= 0xA0 && c <= 0xFF)) {
                ziel[i] = char(c);
                continue;
            }
            m_position -= n;
            QByteArray langsam;
            KodierenLangsam(langsam, wert);
            Text(langsam.constData(), langsam.size());
            return;
        }
    }

    QByteArray Ergebnis()
    {
        m_bytes.resize(m_position);
        return std::move(m_bytes);
    }

private:
    char* Platz(qsizetype n)
    {
        if (m_position + n > m_bytes.size())
            m_bytes.resize(qMax(m_bytes.size() * 2, m_position + n));
        char* ziel = m_bytes.data() + m_position;
        m_position += n;
        return ziel;
    }

    QByteArray m_bytes;
    qsizetype m_position = 0;
};

} // namespace

QByteArray Dateibytes(const QStringList& zeilen)
{
    qsizetype groesse = 0;
    for (const QString& zeile : zeilen)
        groesse += zeile.size() + 2;
    Puffer puffer(groesse);
    for (const QString& zeile : zeilen) {
        puffer.Wert(zeile);
        puffer.Text("\r\n", 2);
    }
    return Eindeutig(puffer.Ergebnis());
}

bool Schreiben(const QString& pfad, const QStringList& zeilen, QString* fehler, Dateien::Fingerabdruck* abdruck)
{
    return Dateien::Schreiben(pfad, Dateibytes(zeilen), fehler, false, abdruck);
}

bool DatensaetzeSchreiben(const QString& pfad, const QList<QStringList>& datensaetze, int feldanzahl, QString* fehler,
                          Dateien::Fingerabdruck* abdruck)
{
    qsizetype groesse = Variablen::Programmversion.size() + 2;
    for (const QStringList& felder : datensaetze) {
        groesse += 16 + 2 * qsizetype(feldanzahl);
        for (int f = 1; f < feldanzahl && f < felder.size(); ++f)
            groesse += felder[f].size();
    }
    Puffer puffer(groesse);
    puffer.Wert(Variablen::Programmversion);
    puffer.Text("\r\n", 2);
    for (qsizetype i = 0; i < datensaetze.size(); ++i) {
        // The number line as Druckzahl writes it: " 12 ".
        char zeile[32];
        const int n = std::snprintf(zeile, sizeof zeile, " %lld \r\n", static_cast<long long>(i));
        puffer.Text(zeile, n);
        const QStringList& felder = datensaetze[i];
        for (int f = 1; f < feldanzahl; ++f) {
            if (f < felder.size())
                puffer.Wert(felder[f]);
            puffer.Text("\r\n", 2);
        }
    }
    return Dateien::Schreiben(pfad, Eindeutig(puffer.Ergebnis()), fehler, false, abdruck);
}

bool SchreibenRoh(const QString& pfad, const QByteArray& bytes, QString* fehler, Dateien::Fingerabdruck* abdruck)
{
    return Dateien::Schreiben(pfad, bytes, fehler, false, abdruck);
}

bool Anhaengen(const QString& pfad, const QString& zeile, QString* fehler)
{
    // Another program appending at the same moment must find this line in the file it reads.
    Dateien::Sperre sperre(pfad);
    if (!sperre.Gehalten()) {
        if (fehler)
            *fehler = sperre.Grund();
        return false;
    }
    QByteArray bytes;
    if (QFileInfo::exists(pfad) || QFileInfo(pfad).isSymLink()) {
        const Leseergebnis e = Roh(pfad, {}, bytes);
        if (!e.Gelesen()) {
            if (fehler)
                *fehler = e.Grund;
            return false;
        }
    }
    // A file saved as UTF-8 by an editor is continued in the code page as a whole; a code-page line
    // appended to UTF-8 would turn the reading of every other line. A byte-order mark goes with it.
    if (bytes.startsWith(kBom) || IstUtf8(bytes))
        bytes = Dateibytes(Zerlegen(bytes));
    // A last line without its line end would otherwise swallow the new line.
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r'))
        bytes += "\r\n";
    bytes += Kodieren(zeile);
    bytes += "\r\n";
    return Dateien::Schreiben(pfad, Eindeutig(std::move(bytes)), fehler);
}

bool FelderLesen(Zeilenleser& leser, QStringList& felder, int anzahl, const QList<bool>* nurFelder)
{
    QString zeile;
    while (felder.size() < anzahl) {
        if (nurFelder && !(*nurFelder)[felder.size()]) {
            // A run of fields left out is passed over in one go.
            qsizetype lauf = 1;
            while (felder.size() + lauf < anzahl && !(*nurFelder)[felder.size() + lauf])
                ++lauf;
            const qsizetype uebersprungen = leser.Ueberspringen(lauf);
            felder.resize(felder.size() + uebersprungen);
            if (uebersprungen < lauf)
                return false;
            continue;
        }
        if (!leser.Naechste(zeile))
            return false;
        felder.append(std::move(zeile));
    }
    return true;
}

Leseergebnis Zeilenleser::Oeffnen(const QString& pfad, const Leseoptionen& optionen)
{
    m_datei = std::make_unique<QFile>();
    m_puffer.clear();
    m_position = 0;
    m_gelesenBytes = 0;
    m_ende = Leseergebnis();
    m_kodierung = Kodierung::Offen;
    m_anfang = true;
    qint64 groesse = 0;
    m_summe = Dateien::Pruefsumme();
    const Leseergebnis e = Zeilendatei::Oeffnen(pfad, optionen, *m_datei, m_puffer, groesse, m_abdruck);
    m_summe.Hinzufuegen(m_puffer.constData(), m_puffer.size());
    m_fertig = !e.Gelesen();
    m_gelesenBytes = m_puffer.size();
    m_daten = m_puffer.constData();
    m_groesse = e.Gelesen() ? m_puffer.size() : 0;
    TabelleAnlegen(qsizetype(groesse));
    return e;
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
