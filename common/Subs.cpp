#include "Subs.h"

#include "Dateien.h"
#include "Pfad.h"
#include "Shell.h"
#include "Zeilendatei.h"
#include "Zufall.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace Subs {

namespace {

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

// Section and key names compare trimmed and without regard to case, in reading and in writing alike.
QString Vergleichsform(const QString& name)
{
    return name.trimmed().toCaseFolded();
}

// Index of the section's header line, or -1.
qsizetype AbschnittSuchen(const QStringList& zeilen, const QString& abschnitt)
{
    const QString gesucht = Vergleichsform(abschnitt);
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (IstAbschnitt(zeilen[i]) && Vergleichsform(AbschnittsName(zeilen[i])) == gesucht)
            return i;
    return -1;
}

// Sets the keys of one section in a single pass: existing keys keep their line, new ones follow the
// section's last line in the given order (a key given twice takes its last value).
void WerteEinsetzen(QStringList& zeilen, const QString& abschnitt, const QList<QPair<QString, QString>>& werte)
{
    qsizetype kopf = AbschnittSuchen(zeilen, abschnitt);
    if (kopf < 0) {
        zeilen.append(QLatin1Char('[') + abschnitt.trimmed() + QLatin1Char(']'));
        kopf = zeilen.size() - 1;
    }
    QHash<QString, qsizetype> vorhanden;
    qsizetype letzte = kopf;
    for (qsizetype i = kopf + 1; i < zeilen.size() && !IstAbschnitt(zeilen[i]); ++i) {
        const QString name = SchluesselDerZeile(zeilen[i]);
        if (name.isEmpty()) {
            if (!zeilen[i].trimmed().isEmpty())
                letzte = i;
            continue;
        }
        // The first line of a key is the one read and written.
        const QString form = Vergleichsform(name);
        if (!vorhanden.contains(form))
            vorhanden.insert(form, i);
        letzte = i;
    }
    QStringList neu;
    QHash<QString, qsizetype> neuIndex;
    for (const auto& paar : werte) {
        const QString form = Vergleichsform(paar.first);
        const auto alt = vorhanden.constFind(form);
        if (alt != vorhanden.constEnd()) {
            qsizetype gleich = 0;
            SchluesselDerZeile(zeilen[*alt], &gleich);
            zeilen[*alt] = zeilen[*alt].left(gleich) + QLatin1Char('=') + paar.second;
        } else if (neuIndex.contains(form)) {
            neu[neuIndex.value(form)] = paar.first.trimmed() + QLatin1Char('=') + paar.second;
        } else {
            neuIndex.insert(form, neu.size());
            neu.append(paar.first.trimmed() + QLatin1Char('=') + paar.second);
        }
    }
    if (!neu.isEmpty())
        zeilen = zeilen.mid(0, letzte + 1) + neu + zeilen.mid(letzte + 1);
}

// Takes the lines of the named keys out of one section.
void SchluesselEntfernen(QStringList& zeilen, const QString& abschnitt, const QStringList& namen)
{
    const qsizetype kopf = AbschnittSuchen(zeilen, abschnitt);
    if (kopf < 0)
        return;
    QSet<QString> formen;
    for (const QString& name : namen)
        formen.insert(Vergleichsform(name));
    for (qsizetype i = kopf + 1; i < zeilen.size() && !IstAbschnitt(zeilen[i]);) {
        const QString name = SchluesselDerZeile(zeilen[i]);
        if (!name.isEmpty() && formen.contains(Vergleichsform(name)))
            zeilen.removeAt(i);
        else
            ++i;
    }
}

bool NameErlaubt(const QString& teil)
{
    return !teil.trimmed().isEmpty() && !teil.contains(QLatin1Char('[')) && !teil.contains(QLatin1Char(']'))
        && !teil.contains(QLatin1Char('\n')) && !teil.contains(QLatin1Char('\r'));
}

// One parsed settings file, kept while its identity, size and modification time stay the same.
struct Inidatei {
    dev_t geraet = 0;
    ino_t knoten = 0;
    off_t groesse = 0;
    qint64 geaendert = 0;
    QStringList abschnitte;
    QHash<QString, QHash<QString, QString>> werte; // compared section name -> compared key -> value
};

// Node-based, so a pointer to one file's entry stays valid while others are added.
std::unordered_map<QString, Inidatei>& Zwischenspeicher()
{
    static std::unordered_map<QString, Inidatei> dateien;
    return dateien;
}

void Einlesen(Inidatei& ini, const QString& pfad)
{
    ini.abschnitte.clear();
    ini.werte.clear();
    QHash<QString, QString>* aktuell = nullptr;
    for (const QString& zeile : Zeilendatei::Lesen(pfad)) {
        if (IstAbschnitt(zeile)) {
            const QString name = AbschnittsName(zeile);
            const QString form = Vergleichsform(name);
            // A section that appears twice is read from its first place, as the writer writes there.
            if (ini.werte.contains(form)) {
                aktuell = nullptr;
                continue;
            }
            ini.abschnitte.append(name);
            aktuell = &ini.werte[form];
            continue;
        }
        if (!aktuell)
            continue;
        qsizetype gleich = 0;
        const QString name = SchluesselDerZeile(zeile, &gleich);
        if (name.isEmpty())
            continue;
        const QString form = Vergleichsform(name);
        if (!aktuell->contains(form))
            aktuell->insert(form, zeile.mid(gleich + 1).trimmed().left(MaxWertlaenge));
    }
}

// Tells whether anything may have changed in the settings files looked at: a watch on each file and its
// folder reports every change, by this program or another, before the next read. Looking costs one system
// call, where a check of the file's identity costs three times that; a start reads thousands of keys.
class Waechter {
public:
    Waechter() : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~Waechter()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    // True when every change to the file at this path, or to what lies there, will be reported.
    bool Beobachten(const QByteArray& pfad)
    {
        if (m_fd < 0)
            return false;
        const qsizetype schnitt = pfad.lastIndexOf('/');
        const QByteArray ordner = schnitt > 0 ? pfad.left(schnitt) : QByteArray(schnitt == 0 ? "/" : ".");
        if (::inotify_add_watch(m_fd, ordner.constData(),
                                IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB) < 0)
            return false;
        // A file not there yet is reported by its folder when it comes.
        return ::inotify_add_watch(m_fd, pfad.constData(),
                                   IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF) >= 0
            || errno == ENOENT;
    }

    // False when something happened since the last call, or when changes cannot be watched.
    bool Ruhig()
    {
        if (m_fd < 0)
            return false;
        bool ruhig = true;
        alignas(struct inotify_event) char puffer[4096];
        while (::read(m_fd, puffer, sizeof puffer) > 0)
            ruhig = false;
        return ruhig;
    }

private:
    int m_fd;
};

// The parsed file, or nullptr when there is none.
const Inidatei* IniDatei(const QString& datei)
{
    // A start reads many keys of one file in a row: its name is converted once, and while nothing happened
    // to the settings files the file parsed last is taken as it is.
    static QString letzteDatei;
    static QString letzterPfad;
    static QByteArray letzterName;
    static const Inidatei* letzteIni = nullptr;
    static Waechter waechter;
    const bool ruhig = waechter.Ruhig();
    if (datei != letzteDatei) {
        letzteDatei = datei;
        letzterPfad = datei;
        letzterPfad.replace(QLatin1Char('\\'), QLatin1Char('/'));
        letzterName = QFile::encodeName(letzterPfad);
        letzteIni = nullptr;
    } else if (ruhig && letzteIni) {
        return letzteIni;
    }
    letzteIni = nullptr;
    // Watched before the file is looked at: a change after the look shows at the next read.
    QString pfad = letzterPfad;
    QByteArray name = letzterName;
    bool beobachtet = waechter.Beobachten(name);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        pfad = Pfad::Aufloesen(datei);
        name = QFile::encodeName(pfad);
        beobachtet = waechter.Beobachten(name);
        if (::stat(name.constData(), &st) != 0)
            return nullptr;
    }
    if (!S_ISREG(st.st_mode))
        return nullptr;
    Inidatei& ini = Zwischenspeicher()[pfad];
    const qint64 geaendert = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (ini.geraet != st.st_dev || ini.knoten != st.st_ino || ini.groesse != st.st_size || ini.geaendert != geaendert) {
        ini.geraet = st.st_dev;
        ini.knoten = st.st_ino;
        ini.groesse = st.st_size;
        ini.geaendert = geaendert;
        Einlesen(ini, pfad);
    }
    // Only a watched file may be taken again without a look.
    letzteIni = beobachtet ? &ini : nullptr;
    return &ini;
}

const QString* IniWert(const QString& datei, const QString& abschnitt, const QString& schluessel)
{
    const Inidatei* ini = IniDatei(datei);
    if (!ini)
        return nullptr;
    // Consecutive reads mostly ask the same section.
    static QString letzterAbschnitt;
    static QString letzteForm;
    if (abschnitt != letzterAbschnitt) {
        letzterAbschnitt = abschnitt;
        letzteForm = Vergleichsform(abschnitt);
    }
    const auto a = ini->werte.constFind(letzteForm);
    if (a == ini->werte.constEnd())
        return nullptr;
    const auto k = a->constFind(Vergleichsform(schluessel));
    return k == a->constEnd() ? nullptr : &*k;
}

bool Ablehnen(QString* fehler, const QString& grund)
{
    if (fehler)
        *fehler = grund;
    return false;
}

} // namespace

QString IniLesen(const QString& datei, const QString& abschnitt, const QString& schluessel)
{
    const QString* wert = IniWert(datei, abschnitt, schluessel);
    return wert ? *wert : QString();
}

bool IniVorhanden(const QString& datei, const QString& abschnitt, const QString& schluessel)
{
    return IniWert(datei, abschnitt, schluessel) != nullptr;
}

QStringList IniAbschnitte(const QString& datei)
{
    const Inidatei* ini = IniDatei(datei);
    return ini ? ini->abschnitte : QStringList();
}

bool IniSchreiben(const QString& datei, const QString& abschnitt, const QString& schluessel, const QString& wert,
                  QString* fehler)
{
    return IniSchreiben(datei, abschnitt, {qMakePair(schluessel, wert)}, fehler);
}

bool IniSchreiben(const QString& datei, const QString& abschnitt, const QList<QPair<QString, QString>>& werte,
                  QString* fehler, const QStringList& entfernen)
{
    // A name holding "=", a bracket or a line break would change the file's structure.
    if (!NameErlaubt(abschnitt))
        return Ablehnen(fehler, QStringLiteral("Der Name „%1“ kann nicht als Abschnitt gespeichert werden; er darf "
                                               "nicht leer sein und weder „[“ noch „]“ noch einen Zeilenumbruch "
                                               "enthalten.")
                                    .arg(abschnitt));
    for (const auto& paar : werte) {
        if (!NameErlaubt(paar.first) || paar.first.contains(QLatin1Char('=')))
            return Ablehnen(fehler, QStringLiteral("Der Schlüssel „%1“ kann nicht gespeichert werden.").arg(paar.first));
        // The reader returns at most 254 characters; a longer value would come back cut.
        if (paar.second.size() > MaxWertlaenge)
            return Ablehnen(fehler, QStringLiteral("Der Wert für „%1“ ist %2 Zeichen lang; gespeichert werden können "
                                                   "höchstens %3.")
                                        .arg(paar.first)
                                        .arg(paar.second.size())
                                        .arg(MaxWertlaenge));
    }
    const QString pfad = Pfad::Aufloesen(datei);
    // Keys written by another program in the meantime stay: the file is read again under its lock.
    Dateien::Sperre sperre(pfad);
    if (!sperre.Gehalten())
        return Ablehnen(fehler, sperre.Grund());
    const Zeilendatei::Leseergebnis alt = Zeilendatei::Laden(pfad);
    if (!alt.Gelesen() && alt.Status != Zeilendatei::Lesestatus::Fehlt)
        return Ablehnen(fehler, QStringLiteral("Die Datei %1 kann nicht geändert werden: %2.")
                                    .arg(Dateien::Anzeigename(pfad), alt.Grund));
    QStringList zeilen = alt.Zeilen;
    if (!entfernen.isEmpty())
        SchluesselEntfernen(zeilen, abschnitt, entfernen);
    WerteEinsetzen(zeilen, abschnitt, werte);
    QString grund;
    if (Zeilendatei::Schreiben(pfad, zeilen, &grund))
        return true;
    return Ablehnen(fehler, QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2")
                                .arg(Dateien::Anzeigename(pfad), grund));
}

QList<QPair<QString, QString>> IniWerte(const QString& datei, const QString& abschnitt)
{
    QList<QPair<QString, QString>> werte;
    const QStringList zeilen = Zeilendatei::Lesen(Pfad::Aufloesen(datei));
    const qsizetype kopf = AbschnittSuchen(zeilen, abschnitt);
    if (kopf < 0)
        return werte;
    for (qsizetype i = kopf + 1; i < zeilen.size() && !IstAbschnitt(zeilen[i]); ++i) {
        qsizetype gleich = 0;
        const QString name = SchluesselDerZeile(zeilen[i], &gleich);
        if (!name.isEmpty())
            werte.append({name, zeilen[i].mid(gleich + 1).trimmed().left(MaxWertlaenge)});
    }
    return werte;
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

Ganzzahleingabe GanzzahlLesen(const QString& text, qint64 minimum, qint64 maximum, const QString& was)
{
    Ganzzahleingabe e;
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        e.Meldung = QStringLiteral("Bitte gebt für %1 eine Zahl ein.").arg(was);
        return e;
    }
    qsizetype i = 0;
    const bool negativ = t[0] == QLatin1Char('-');
    if (negativ || t[0] == QLatin1Char('+'))
        ++i;
    // Either plain digits, or groups of three digits after a first group of one to three, joined by ".".
    quint64 betrag = 0;
    bool zuGross = false;
    int ziffernImBlock = 0;
    int bloecke = 1;
    bool gueltig = i < t.size();
    for (; gueltig && i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.')) {
            gueltig = ziffernImBlock > 0 && (bloecke > 1 ? ziffernImBlock == 3 : ziffernImBlock <= 3);
            ++bloecke;
            ziffernImBlock = 0;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            gueltig = false;
            break;
        }
        ++ziffernImBlock;
        if (betrag > (quint64(1) << 63) / 10)
            zuGross = true;
        else
            betrag = betrag * 10 + quint64(c.unicode() - '0');
    }
    if (gueltig && bloecke > 1 && ziffernImBlock != 3)
        gueltig = false;
    if (!gueltig) {
        e.Meldung = QStringLiteral("„%1“ ist für %2 keine gültige ganze Zahl. Erlaubt sind Ziffern, ein Vorzeichen "
                                   "und Punkte als Tausendertrennzeichen wie in „12.000“.")
                        .arg(t, was);
        return e;
    }
    if (!zuGross && betrag > quint64(std::numeric_limits<qint64>::max()) + (negativ ? 1 : 0))
        zuGross = true;
    const qint64 wert = zuGross ? 0 : (negativ ? qint64(0 - betrag) : qint64(betrag));
    if ((zuGross && !negativ) || (!zuGross && wert > maximum)) {
        e.Meldung = QStringLiteral("„%1“ ist zu groß für %2; höchstens %3 ist möglich.").arg(t, was, Tausender(maximum));
        return e;
    }
    if (zuGross || wert < minimum) {
        e.Meldung = QStringLiteral("„%1“ ist zu klein für %2; mindestens %3 ist nötig.").arg(t, was, Tausender(minimum));
        return e;
    }
    e.Ok = true;
    e.Wert = wert;
    return e;
}

bool IstZeilenwechselOderTab(QChar zeichen)
{
    switch (zeichen.unicode()) {
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case 0x85:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

bool NameEinzeilig(const QString& name, QString* meldung)
{
    QString sichtbar;
    bool einzeilig = true;
    for (const QChar c : name) {
        if (!IstZeilenwechselOderTab(c)) {
            sichtbar += c;
            continue;
        }
        einzeilig = false;
        sichtbar += c == QLatin1Char('\t') ? QStringLiteral("⇥") : QStringLiteral("⏎");
    }
    if (!einzeilig && meldung)
        *meldung = QStringLiteral("Der Name „%1“ enthält einen Zeilenumbruch oder einen Tabulator (⏎, ⇥); ein Name muss "
                                  "in einer Zeile stehen.")
                       .arg(sichtbar);
    return einzeilig;
}

QString Tausender(qint64 zahl)
{
    const QString ziffern = QString::number(zahl < 0 ? -(zahl + 1) + quint64(1) : quint64(zahl));
    QString aus;
    for (qsizetype i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0)
            aus += QLatin1Char('.');
        aus += ziffern[i];
    }
    return zahl < 0 ? QLatin1Char('-') + aus : aus;
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

bool FlagGesetzt(const QString& feld)
{
    bool ok = false;
    const double wert = Zahl(feld, &ok);
    return ok && wert == 1.0;
}

qint64 Ganzzahl(const QString& text, bool* ok)
{
    bool gelesen = false;
    const double wert = Zahl(text, &gelesen);
    if (ok)
        *ok = gelesen;
    if (!gelesen)
        return 0;
    // A number beyond the range stops at its end instead of turning into 0.
    constexpr qint64 grenze = std::numeric_limits<qint64>::max();
    if (!(std::fabs(wert) < 9.2e18))
        return wert < 0 ? -grenze : grenze;
    return Runden(wert);
}

void HilfeOeffnen(const QString& seite)
{
    Shell::Zeigen(Pfad::Aufloesen(seite));
}

} // namespace Subs
