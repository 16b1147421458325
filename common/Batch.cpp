#include "Batch.h"

#include "Dateien.h"
#include "Dialoge.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zufall.h"

#include <cstdio>
#include <limits>

namespace Batch {

namespace {
bool s_zeilenAufFehlerkanal = false;
}

Befehlszeile::Befehlszeile(const QStringList& argumente) : m_rest(argumente) {}

bool Befehlszeile::Schalter(const QString& name)
{
    return m_rest.removeAll(name) > 0;
}

std::optional<QString> Befehlszeile::Wert(const QString& name)
{
    const qsizetype i = m_rest.indexOf(name);
    if (i < 0)
        return std::nullopt;
    // The next option is no value: "--name --einwohner 5" lacks the name.
    if (i + 1 >= m_rest.size() || m_rest[i + 1].startsWith(QLatin1String("--"))) {
        if (m_fehler.isEmpty())
            m_fehler = QStringLiteral("Zur Option %1 fehlt der Wert.").arg(name);
        m_rest.removeAt(i);
        return std::nullopt;
    }
    const QString wert = m_rest[i + 1];
    m_rest.remove(i, 2);
    return wert;
}

QStringList Befehlszeile::Werte(const QString& name)
{
    QStringList werte;
    while (const auto wert = Wert(name))
        werte.append(*wert);
    return werte;
}

std::optional<QString> Befehlszeile::Position()
{
    for (qsizetype i = 0; i < m_rest.size(); ++i) {
        if (!m_rest[i].startsWith(QLatin1String("--"))) {
            const QString wert = m_rest[i];
            m_rest.removeAt(i);
            return wert;
        }
    }
    return std::nullopt;
}

std::optional<QString> Befehlszeile::Name(const QString& option)
{
    return Einzeilig(Wert(option));
}

std::optional<QString> Befehlszeile::NamePosition()
{
    return Einzeilig(Position());
}

std::optional<QString> Befehlszeile::Einzeilig(std::optional<QString> wert)
{
    QString meldung;
    if (!wert || Subs::NameEinzeilig(*wert, &meldung))
        return wert;
    if (m_fehler.isEmpty())
        m_fehler = meldung;
    return std::nullopt;
}

QString Befehlszeile::Fehlerhaft() const
{
    if (!m_fehler.isEmpty())
        return m_fehler;
    if (!m_rest.isEmpty())
        return QStringLiteral("Unbekanntes Argument: %1").arg(m_rest.first());
    return QString();
}

Vorbereitung Vorbereiten(const QStringList& argumente, const QString& programm, const QString& hilfe)
{
    Dialoge::Setzen(nullptr);
    Vorbereitung v;
    if (argumente.contains(QLatin1String("--help")) || argumente.contains(QLatin1String("-h"))) {
        const QString standardausgabe =
            hilfe.contains(QLatin1String("--ausgabe"))
                ? QStringLiteral("  --ausgabe - schreibt die Seite, den Bericht, die Datei oder das Bild auf die "
                                 "Standardausgabe;\n              die übrigen Zeilen gehen dann auf die Fehlerausgabe\n")
                : QString();
        Ausgabe(QStringLiteral("%1 %2\n\nOhne Argumente öffnet %1 sein Fenster.\n\n%3\n\n%4"
                               "  --seed N    feste Zufallsfolge (wiederholbare Ergebnisse)\n"
                               "  --version   Version ausgeben\n  --help      diese Hilfe")
                    .arg(programm, Variablen::Programmversion, hilfe, standardausgabe));
        v.beenden = true;
        return v;
    }
    if (argumente.contains(QLatin1String("--version"))) {
        Ausgabe(programm + QLatin1Char(' ') + Variablen::Programmversion);
        v.beenden = true;
        return v;
    }
    v.argumente = argumente;
    // "--ausgabe -" puts the page on standard output; every other line then goes to standard error.
    Dateien::StandardausgabeZulassen(true);
    for (qsizetype k = 0; k + 1 < argumente.size(); ++k)
        if ((argumente[k] == QLatin1String("--ausgabe") || argumente[k] == QLatin1String("--druckseite"))
            && argumente[k + 1] == QLatin1String("-"))
            s_zeilenAufFehlerkanal = true;
    const qsizetype i = v.argumente.indexOf(QLatin1String("--seed"));
    if (i >= 0) {
        const Subs::Ganzzahleingabe saat =
            Subs::GanzzahlLesen(i + 1 < v.argumente.size() ? v.argumente[i + 1] : QString(), 0,
                                std::numeric_limits<qint64>::max(), QStringLiteral("--seed"));
        if (!saat.Ok) {
            v.beenden = true;
            v.status = Abbruch(saat.Meldung);
            return v;
        }
        Zufall::SaatSetzen(quint64(saat.Wert));
        v.argumente.remove(i, 2);
    }
    return v;
}

int Starten(const QStringList& argumente, const QString& programm, const QString& titel, const QString& hilfe,
            Ergebnis (*ausfuehren)(const QStringList&))
{
    Variablen::Programmtitel = titel;
    const Vorbereitung v = Vorbereiten(argumente, programm, hilfe);
    if (v.beenden)
        return v.status;
    Variablen::PfadeInitialisieren();
    const Ergebnis ergebnis = ausfuehren(v.argumente);
    // The result's lines in one write: a listing of ten thousand records line by line would cost ten
    // thousand system calls.
    QByteArray bytes;
    for (const QString& zeile : ergebnis.Ausgabe) {
        bytes += zeile.toUtf8();
        bytes += '\n';
    }
    std::FILE* kanal = s_zeilenAufFehlerkanal ? stderr : stdout;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), kanal);
    std::fflush(kanal);
    return ergebnis.Status;
}

void Ausgabe(const QString& zeile)
{
    std::fprintf(s_zeilenAufFehlerkanal ? stderr : stdout, "%s\n", zeile.toUtf8().constData());
    std::fflush(s_zeilenAufFehlerkanal ? stderr : stdout);
}

int Abbruch(const QString& meldung, int status)
{
    std::fprintf(stderr, "%s\n", meldung.toUtf8().constData());
    std::fflush(stderr);
    return status;
}

} // namespace Batch
