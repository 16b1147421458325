#include "Subs.h"

#include "Pfad.h"
#include "Shell.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace Subs {

namespace {

constexpr int kMaxWertlaenge = 254;

QString AbschnittsName(const QString& zeile)
{
    const QString t = zeile.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool IstAbschnitt(const QString& zeile)
{
    const QString t = zeile.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

// The key of a "key=value" line, or the empty text for other lines.
QString SchluesselDerZeile(const QString& zeile, qsizetype* gleich = nullptr)
{
    const qsizetype pos = zeile.indexOf(QLatin1Char('='));
    if (pos < 0 || zeile.trimmed().startsWith(QLatin1Char(';')))
        return QString();
    if (gleich)
        *gleich = pos;
    return zeile.left(pos).trimmed();
}

// Index of the section's header line, or -1.
qsizetype AbschnittSuchen(const QStringList& zeilen, const QString& abschnitt)
{
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (IstAbschnitt(zeilen[i]) && AbschnittsName(zeilen[i]).compare(abschnitt, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void WertEinsetzen(QStringList& zeilen, const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    const qsizetype kopf = AbschnittSuchen(zeilen, abschnitt);
    if (kopf < 0) {
        zeilen.append(QLatin1Char('[') + abschnitt + QLatin1Char(']'));
        zeilen.append(schluessel + QLatin1Char('=') + wert);
        return;
    }
    qsizetype letzte = kopf;
    for (qsizetype i = kopf + 1; i < zeilen.size() && !IstAbschnitt(zeilen[i]); ++i) {
        qsizetype gleich = 0;
        const QString name = SchluesselDerZeile(zeilen[i], &gleich);
        if (name.isEmpty()) {
            if (!zeilen[i].trimmed().isEmpty())
                letzte = i;
            continue;
        }
        if (name.compare(schluessel, Qt::CaseInsensitive) == 0) {
            zeilen[i] = zeilen[i].left(gleich) + QLatin1Char('=') + wert;
            return;
        }
        letzte = i;
    }
    zeilen.insert(letzte + 1, schluessel + QLatin1Char('=') + wert);
}

bool NameErlaubt(const QString& teil)
{
    return !teil.isEmpty() && !teil.contains(QLatin1Char('[')) && !teil.contains(QLatin1Char(']'))
        && !teil.contains(QLatin1Char('\n')) && !teil.contains(QLatin1Char('\r'));
}

} // namespace

QString IniLesen(const QString& datei, const QString& abschnitt, const QString& schluessel)
{
    const QStringList zeilen = Zeilendatei::Lesen(Pfad::Aufloesen(datei));
    const qsizetype kopf = AbschnittSuchen(zeilen, abschnitt);
    if (kopf < 0)
        return QString();
    for (qsizetype i = kopf + 1; i < zeilen.size() && !IstAbschnitt(zeilen[i]); ++i) {
        qsizetype gleich = 0;
        const QString name = SchluesselDerZeile(zeilen[i], &gleich);
        if (!name.isEmpty() && name.compare(schluessel, Qt::CaseInsensitive) == 0)
            return zeilen[i].mid(gleich + 1).trimmed().left(kMaxWertlaenge);
    }
    return QString();
}

bool IniSchreiben(const QString& datei, const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    return IniSchreiben(datei, abschnitt, {qMakePair(schluessel, wert)});
}

bool IniSchreiben(const QString& datei, const QString& abschnitt, const QList<QPair<QString, QString>>& werte)
{
    // A name holding "=", a bracket or a line break would change the file's structure.
    if (!NameErlaubt(abschnitt))
        return false;
    for (const auto& paar : werte)
        if (!NameErlaubt(paar.first) || paar.first.contains(QLatin1Char('=')))
            return false;
    const QString pfad = Pfad::Aufloesen(datei);
    QStringList zeilen = Zeilendatei::Lesen(pfad);
    for (const auto& paar : werte)
        WertEinsetzen(zeilen, abschnitt, paar.first, paar.second);
    return Zeilendatei::Schreiben(pfad, zeilen);
}

bool DateiVorhanden(const QString& pfad)
{
    QString native = pfad;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype schnitt = native.lastIndexOf(QLatin1Char('/'));
    const QString ordner = schnitt < 0 ? QStringLiteral(".") : (schnitt == 0 ? QStringLiteral("/") : native.left(schnitt));
    const QString muster = native.mid(schnitt + 1);
    if (muster.isEmpty())
        return false;
    // Only "*" and "?" are wildcards; every other character, brackets included, stands for itself.
    QString ausdruck;
    for (const QChar c : muster) {
        if (c == QLatin1Char('*'))
            ausdruck += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            ausdruck += QLatin1Char('.');
        else
            ausdruck += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression regel(QRegularExpression::anchoredPattern(ausdruck), QRegularExpression::CaseInsensitiveOption);
    // Without QDir::Hidden and QDir::System only plain, visible files are listed.
    const QStringList dateien = QDir(Pfad::Aufloesen(ordner)).entryList(QDir::Files);
    for (const QString& datei : dateien)
        if (regel.match(datei).hasMatch())
            return true;
    return false;
}

bool OrdnerVorhanden(const QString& pfad)
{
    return !pfad.isEmpty() && QFileInfo::exists(Pfad::Aufloesen(pfad));
}

int Zufallszahl(int n)
{
    return Zufall::Ziehen(n);
}

qint64 Runden(double wert)
{
    // The default floating-point rounding mode rounds halves to even.
    return qint64(std::nearbyint(wert));
}

double Zahl(const QString& text, bool* ok)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool gelesen = false;
    double wert = 0;
    // Only plain decimal notation: no exponent, no "inf" or "nan" words, at most one separator.
    bool erlaubt = !t.isEmpty() && t.count(QLatin1Char('.')) <= 1;
    for (qsizetype i = 0; erlaubt && i < t.size(); ++i) {
        const QChar c = t[i];
        erlaubt = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
            || (i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-')));
    }
    if (erlaubt)
        wert = t.toDouble(&gelesen);
    if (ok)
        *ok = gelesen;
    return gelesen ? wert : 0.0;
}

qint64 Ganzzahl(const QString& text, bool* ok)
{
    bool gelesen = false;
    const double wert = Zahl(text, &gelesen);
    const bool imBereich = gelesen && std::fabs(wert) < 9.0e18;
    if (ok)
        *ok = imBereich;
    return imBereich ? Runden(wert) : 0;
}

void HilfeOeffnen(const QString& seite)
{
    Shell::Aktuell().Oeffnen(Pfad::Aufloesen(seite));
}

} // namespace Subs
