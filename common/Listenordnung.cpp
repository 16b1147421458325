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

namespace {

// One collator for every builder: set up once, it is only read when building keys, also on two threads.
const QCollator& Vergleich()
{
    static const QCollator vergleich = [] {
        // Weights, prices and values are text with numbers in it: "8 Unzen" belongs before "75 Unzen".
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        // The first key sets the collator up; afterwards building keys changes nothing in it.
        c.sortKey(QStringLiteral("a"));
        return c;
    }();
    return vergleich;
}

} // namespace

Schluesselbau::Schluesselbau() : m_vergleich(Vergleich()), m_leer(m_vergleich.sortKey(QString())) {}

QCollatorSortKey Schluesselbau::Sortierschluessel(const QString& text)
{
    if (text.isEmpty())
        return m_leer;
    constexpr int kProbe = 256;
    if (m_versuche >= kProbe && m_treffer * 4 < m_versuche)
        return m_vergleich.sortKey(text);
    ++m_versuche;
    const auto gefunden = m_gleiche.constFind(text);
    if (gefunden != m_gleiche.constEnd()) {
        ++m_treffer;
        return *gefunden;
    }
    return *m_gleiche.insert(text, m_vergleich.sortKey(text));
}

Schluessel Schluesselbau::Bilden(const QString& text, Art art)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return Schluessel(0, 0, m_leer);
    if (art == Art::Preis) {
        bool ok = false;
        const qint64 pfennig = Geld::Pfennig(t, &ok);
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
    // Written straight into the string: a filter folds every line of a large list on each key.
    const qsizetype anfang = ziel.size();
    ziel.resize(anfang + 2 * text.size());
    QChar* p = ziel.data() + anfang;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *p++ = QChar(u >= 'A' && u <= 'Z' ? char16_t(u + 32) : u);
        } else if (u >= 0xC0 && u <= 0xFF) {
            for (const char* z = kLatin1[u - 0xC0]; *z; ++z)
                *p++ = QLatin1Char(*z);
        } else if (u == 0x152 || u == 0x153 || u == 0x1E9E) {
            *p++ = QLatin1Char(u == 0x1E9E ? 's' : 'o');
            *p++ = QLatin1Char(u == 0x1E9E ? 's' : 'e');
        } else {
            *p++ = c.toLower();
        }
    }
    ziel.resize(p - ziel.data());
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
