#include "Zeilendatei.h"

#include "Subs.h"

#include <QFile>
#include <QSaveFile>

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

void Referenz(QByteArray& aus, char32_t zeichen)
{
    aus += "&#";
    aus += QByteArray::number(quint32(zeichen));
    aus += ';';
}

} // namespace

QByteArray Kodieren(const QString& wert)
{
    QByteArray aus;
    aus.reserve(wert.size());
    for (qsizetype i = 0; i < wert.size(); ++i) {
        char32_t zeichen = wert[i].unicode();
        if (QChar::isHighSurrogate(zeichen) && i + 1 < wert.size() && wert[i + 1].isLowSurrogate()) {
            zeichen = QChar::surrogateToUcs4(wert[i].unicode(), wert[i + 1].unicode());
            ++i;
        }
        if (zeichen == '\r' || zeichen == '\n') {
            Referenz(aus, zeichen);
        } else if (zeichen == '&' && IstReferenz(wert, i)) {
            aus += "&#38;";
        } else {
            const int byte = ByteFuer(zeichen);
            if (byte >= 0)
                aus += char(byte);
            else
                Referenz(aus, zeichen);
        }
    }
    return aus;
}

QString Dekodieren(const QByteArray& zeile)
{
    const QString text = AusCodepage(zeile);
    if (!text.contains(QLatin1String("&#")))
        return text;
    QString aus;
    aus.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype ende = 0;
        char32_t wert = 0;
        if (IstReferenz(text, i, &ende, &wert) && wert != 0 && !(wert >= 0xD800 && wert <= 0xDFFF)) {
            aus += QString::fromUcs4(&wert, 1);
            i = ende;
        } else {
            aus += text[i];
            ++i;
        }
    }
    return aus;
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

QStringList Lesen(const QString& pfad, bool* vorhanden)
{
    QFile datei(pfad);
    QStringList zeilen;
    if (!datei.open(QIODevice::ReadOnly)) {
        if (vorhanden)
            *vorhanden = false;
        return zeilen;
    }
    if (vorhanden)
        *vorhanden = true;
    const QByteArray inhalt = datei.readAll();
    qsizetype anfang = 0;
    while (anfang < inhalt.size()) {
        qsizetype ende = inhalt.indexOf('\n', anfang);
        const qsizetype naechste = ende < 0 ? inhalt.size() : ende + 1;
        if (ende < 0)
            ende = inhalt.size();
        qsizetype laenge = ende - anfang;
        if (laenge > 0 && inhalt[anfang + laenge - 1] == '\r')
            --laenge;
        zeilen.append(Dekodieren(QByteArray::fromRawData(inhalt.constData() + anfang, laenge)));
        anfang = naechste;
    }
    return zeilen;
}

namespace {

bool AtomarSchreiben(const QString& pfad, const QByteArray& bytes, QString* fehler)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) {
        if (fehler)
            *fehler = datei.errorString();
        return false;
    }
    if (datei.write(bytes) != bytes.size()) {
        if (fehler)
            *fehler = datei.errorString();
        datei.cancelWriting();
        return false;
    }
    if (!datei.commit()) {
        if (fehler)
            *fehler = datei.errorString();
        return false;
    }
    return true;
}

} // namespace

bool Schreiben(const QString& pfad, const QStringList& zeilen, QString* fehler)
{
    QByteArray bytes;
    for (const QString& zeile : zeilen) {
        bytes += Kodieren(zeile);
        bytes += "\r\n";
    }
    return AtomarSchreiben(pfad, bytes, fehler);
}

bool Anhaengen(const QString& pfad, const QString& zeile, QString* fehler)
{
    QByteArray bytes;
    QFile alt(pfad);
    if (alt.exists()) {
        if (!alt.open(QIODevice::ReadOnly)) {
            if (fehler)
                *fehler = alt.errorString();
            return false;
        }
        bytes = alt.readAll();
        alt.close();
    }
    // A last line without its line end would otherwise swallow the new line.
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += "\r\n";
    bytes += Kodieren(zeile);
    bytes += "\r\n";
    return AtomarSchreiben(pfad, bytes, fehler);
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
