#include "Listenordnung.h"

#include "Geld.h"

#include <QLocale>

namespace Listenordnung {

int Schluessel::Vergleichen(const Schluessel& b) const
{
    if (m_klasse != b.m_klasse)
        return m_klasse < b.m_klasse ? -1 : 1;
    if (m_klasse == 1 && m_wert != b.m_wert)
        return m_wert < b.m_wert ? -1 : 1;
    return m_rest.compare(b.m_rest);
}

Schluesselbau::Schluesselbau()
    : m_vergleich(QLocale(QLocale::German, QLocale::Germany)), m_leer(m_vergleich.sortKey(QString()))
{
    // Weights, prices and values are text with numbers in it: "8 Unzen" belongs before "75 Unzen".
    m_vergleich.setNumericMode(true);
    m_vergleich.setCaseSensitivity(Qt::CaseInsensitive);
    m_leer = m_vergleich.sortKey(QString());
}

QCollatorSortKey Schluesselbau::Sortierschluessel(QStringView text)
{
    if (text.isEmpty())
        return m_leer;
    const QString kopie = text.toString();
    const auto gefunden = m_gleiche.constFind(kopie);
    if (gefunden != m_gleiche.constEnd())
        return *gefunden;
    return *m_gleiche.insert(kopie, m_vergleich.sortKey(kopie));
}

Schluessel Schluesselbau::Bilden(QStringView text, Art art)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return Schluessel(0, 0, m_leer);
    if (art == Art::Preis) {
        bool ok = false;
        const qint64 pfennig = Geld::Pfennig(t.toString(), &ok);
        if (ok)
            return Schluessel(1, double(pfennig), m_leer);
    }
    double wert = 0;
    qsizetype ende = 0;
    if (ZahlAmAnfang(t, &wert, &ende))
        return Schluessel(1, wert, Sortierschluessel(t.mid(ende)));
    return Schluessel(2, 0, Sortierschluessel(t));
}

bool ZahlAmAnfang(QStringView text, double* wert, qsizetype* ende)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    const auto ziffer = [&text](qsizetype j) {
        return j < text.size() && text[j] >= QLatin1Char('0') && text[j] <= QLatin1Char('9');
    };
    if (!ziffer(i))
        return false;
    double zahl = 0;
    while (ziffer(i))
        zahl = zahl * 10 + (text[i++].unicode() - '0');
    if (i + 1 < text.size() && (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('.')) && ziffer(i + 1)) {
        ++i;
        double stelle = 0.1;
        while (ziffer(i)) {
            zahl += stelle * (text[i++].unicode() - '0');
            stelle /= 10;
        }
    }
    *wert = negativ ? -zahl : zahl;
    *ende = i;
    return true;
}

namespace {

// Latin-1 letters U+00C0..U+00FF as a filter compares them.
const char* const kLatin1[64] = {
    "a", "a", "a", "a", "ae", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "oe", "\xd7", "o", "u", "u", "u", "ue", "y", "th", "ss",
    "a", "a", "a", "a", "ae", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    "d", "n", "o", "o", "o", "o", "oe", "\xf7", "o", "u", "u", "u", "ue", "y", "th", "y"};

} // namespace

void FaltenIn(QStringView text, QString& ziel)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            ziel.append(u >= 'A' && u <= 'Z' ? QChar(u + 32) : c);
        } else if (u >= 0xC0 && u <= 0xFF) {
            ziel.append(QLatin1String(kLatin1[u - 0xC0]));
        } else if (u == 0x152 || u == 0x153) {
            ziel.append(QLatin1String("oe"));
        } else if (u == 0x1E9E) {
            ziel.append(QLatin1String("ss"));
        } else {
            ziel.append(c.toLower());
        }
    }
}

QString Falten(QStringView text)
{
    QString ziel;
    ziel.reserve(text.size() + 4);
    FaltenIn(text, ziel);
    return ziel;
}

QStringList Suchwoerter(QStringView eingabe)
{
    QStringList woerter;
    for (const QString& wort : Falten(eingabe).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!woerter.contains(wort))
            woerter.append(wort);
    return woerter;
}

bool Verfeinert(const QStringList& alt, const QStringList& neu)
{
    for (const QString& a : alt) {
        bool enthalten = false;
        for (const QString& n : neu)
            enthalten = enthalten || n.contains(a);
        if (!enthalten)
            return false;
    }
    return true;
}

} // namespace Listenordnung
