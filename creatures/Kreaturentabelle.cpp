#include "Kreaturentabelle.h"

#include "Abgleich.h"
#include "Dateien.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <functional>
#include <iterator>

namespace Kreaturentabellen {

namespace {

// Brings a record to 58 fields, so a short or long list never reaches past a row.
void Anpassen(QStringList& felder)
{
    while (felder.size() < Feldanzahl)
        felder.append(QString());
    if (felder.size() > Feldanzahl)
        felder.resize(Feldanzahl);
}

// "3.00": digits, a point, digits.
bool IstVersion(const QString& zeile)
{
    const QString t = zeile.trimmed();
    const qsizetype punkt = t.indexOf(QLatin1Char('.'));
    if (punkt <= 0 || punkt == t.size() - 1)
        return false;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (i != punkt && !(t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9')))
            return false;
    return true;
}

// A number line as the writer writes it (" 0 ", " 12 ").
bool IstZeilennummer(const QString& zeile)
{
    const QString t = zeile.trimmed();
    if (t.isEmpty())
        return false;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QString Datenbankname()
{
    return QStringLiteral("\\Creatures\\Kreaturen.dat");
}

QString Kategorienname()
{
    return QStringLiteral("\\Creatures\\Kategorien.dat");
}

QString Datenbankpfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, Datenbankname());
}

QString Kategorienpfad()
{
    return Pfad::Verbinden(Variablen::DataPfad, Kategorienname());
}

namespace {

// The version line, then blocks of Feldanzahl lines, each starting with its number line; a block cut
// short is left out and counted. Each whole record goes to `nimm`, which may take its fields away; fields
// not marked in `nurFelder` stay empty.
Ladeergebnis Einlesen(Zeilendatei::Zeilenleser& quelle, const QList<bool>* nurFelder,
                      const std::function<void(QStringList&)>& nimm)
{
    Ladeergebnis ergebnis;
    QString zeile;
    const bool vorhanden = quelle.Naechste(zeile);
    // Without its version line the file starts with the first block's number line.
    bool nummerGelesen = false;
    if (!vorhanden || !IstVersion(zeile)) {
        ergebnis.Status = Ladestatus::OhneVersion;
        nummerGelesen = vorhanden && IstZeilennummer(zeile);
    }
    qsizetype restzeilen = 0;
    int anzahl = 0;
    QStringList felder;
    for (;;) {
        // The number line is not kept: the row number is the record's place in the table, whatever the
        // file said.
        if (!nummerGelesen && !quelle.Ueberspringen())
            break;
        nummerGelesen = false;
        felder.clear();
        felder.reserve(Feldanzahl);
        felder.append(QString::number(anzahl));
        if (!Zeilendatei::FelderLesen(quelle, felder, Feldanzahl, nurFelder)) {
            restzeilen = felder.size();
            break;
        }
        nimm(felder);
        ++anzahl;
    }
    if (restzeilen > 0 && ergebnis.Status == Ladestatus::Gelesen) {
        ergebnis.Status = Ladestatus::Unvollstaendig;
        ergebnis.Restzeilen = int(restzeilen);
    }
    ergebnis.Sicherung = ergebnis.Status != Ladestatus::Gelesen;
    ergebnis.Gelesen = anzahl;
    return ergebnis;
}

Ladeergebnis Einlesen(Kreaturentabelle& tabelle, Zeilendatei::Zeilenleser& quelle)
{
    tabelle.Zeilen.clear();
    tabelle.Ungeschrieben = false;
    const Ladeergebnis ergebnis = Einlesen(quelle, nullptr, [&](QStringList& felder) {
        tabelle.Zeilen.append(std::move(felder));
        felder = QStringList();
    });
    tabelle.SicherungNoetig = ergebnis.Sicherung;
    return ergebnis;
}

} // namespace

namespace {

// A database that cannot be read, or not to its end: nothing of it is used.
Ladeergebnis Unlesbar(const Zeilendatei::Leseergebnis& e)
{
    Ladeergebnis ergebnis;
    ergebnis.Status = e.Status == Zeilendatei::Lesestatus::Fehlt ? Ladestatus::Fehlt : Ladestatus::Unlesbar;
    ergebnis.Grund = e.Grund;
    // A file too large to read is still copied aside; a folder or device is neither copied nor replaced,
    // and a file without permission cannot be copied.
    ergebnis.Sicherung = e.Status == Zeilendatei::Lesestatus::ZuGross;
    return ergebnis;
}

} // namespace

Ladeergebnis Laden(Kreaturentabelle& tabelle)
{
    const QString pfad = Datenbankpfad();
    // The records are built straight from the file's lines, read piece by piece.
    Zeilendatei::Zeilenleser leser;
    const Zeilendatei::Leseergebnis e = leser.Oeffnen(pfad);
    Ladeergebnis ergebnis;
    if (e.Gelesen())
        ergebnis = Einlesen(tabelle, leser);
    if (!e.Gelesen() || !leser.Ende().Gelesen()) {
        ergebnis = Unlesbar(e.Gelesen() ? leser.Ende() : e);
        tabelle.Zeilen.clear();
        // A file that is there but could not be read must not be replaced unseen by the next save.
        tabelle.SicherungNoetig = ergebnis.Status != Ladestatus::Fehlt;
    }
    ergebnis.Pfad = pfad;
    ergebnis.Abdruck = e.Gelesen() && leser.Ende().Abdruck.Vorhanden ? leser.Ende().Abdruck : Dateien::Stand(pfad);
    tabelle.Basis = tabelle.Zeilen;
    tabelle.Abdruck = ergebnis.Abdruck;
    return ergebnis;
}

Ladeergebnis Durchlaufen(const QList<bool>& felder, const std::function<void(const QStringList&)>& nimm)
{
    const QString pfad = Datenbankpfad();
    Zeilendatei::Zeilenleser leser;
    const Zeilendatei::Leseergebnis e = leser.Oeffnen(pfad);
    Ladeergebnis ergebnis;
    if (e.Gelesen())
        ergebnis = Einlesen(leser, felder.size() == Feldanzahl ? &felder : nullptr, [&](QStringList& f) { nimm(f); });
    if (!e.Gelesen() || !leser.Ende().Gelesen())
        ergebnis = Unlesbar(e.Gelesen() ? leser.Ende() : e);
    ergebnis.Pfad = pfad;
    return ergebnis;
}

Ladeergebnis ZeilenEinlesen(Kreaturentabelle& tabelle, const QStringList& zeilen)
{
    const QByteArray bytes = Zeilendatei::Dateibytes(zeilen);
    Zeilendatei::Zeilenleser leser(bytes);
    return Einlesen(tabelle, leser);
}

QString Lademeldung(const Ladeergebnis& ergebnis)
{
    const QString name = Dateien::Anzeigename(ergebnis.Pfad);
    const QString sicherung = ergebnis.Sicherung ? QStringLiteral("Vor dem nächsten Speichern wird die Originaldatei als "
                                                                  "Sicherung (.bak) neben ihr aufbewahrt.")
                                                 : QString();
    const QString gelesen = ergebnis.Gelesen == 1
        ? QStringLiteral("Gelesen wurde 1 Kreatur")
        : QStringLiteral("Gelesen wurden %1 Kreaturen").arg(ergebnis.Gelesen);
    switch (ergebnis.Status) {
    case Ladestatus::Gelesen:
        return QString();
    case Ladestatus::Fehlt:
        return QStringLiteral("Die Datenbank %1 wurde nicht gefunden. Die Liste bleibt leer; die Datei wird beim "
                              "ersten Speichern neu angelegt.")
            .arg(name);
    case Ladestatus::Unvollstaendig:
        return QStringLiteral("Die Datenbank %1 endet mitten in einem Eintrag. %2; der Rest der Datei ist beschädigt. %3")
            .arg(name, gelesen, sicherung)
            .trimmed();
    case Ladestatus::OhneVersion:
        return QStringLiteral("Die Datenbank %1 beginnt nicht mit einer Versionszeile wie „3.00“ und ist vielleicht "
                              "beschädigt. %2, nur vollständige Einträge. %3")
            .arg(name, gelesen, sicherung)
            .trimmed();
    case Ladestatus::Unlesbar:
        return QStringLiteral("Die Datenbank %1 konnte nicht gelesen werden: %2. Die Liste bleibt leer. %3")
            .arg(name, ergebnis.Grund,
                 ergebnis.Sicherung ? sicherung : QStringLiteral("Die Datei wird nicht überschrieben."));
    }
    return QString();
}

QStringList Dateizeilen(const Kreaturentabelle& tabelle)
{
    return Zeilendatei::Datensatzzeilen(tabelle.Zeilen, Feldanzahl);
}

namespace {

bool Schreiben(Kreaturentabelle& tabelle, QString* fehler, int* zeile)
{
    const QString pfad = Datenbankpfad();

    // A folder, a device or a pipe in the database's place is neither copied nor replaced.
    const QFileInfo info(pfad);
    if ((info.exists() || info.isSymLink()) && !info.isFile()) {
        if (fehler)
            *fehler = QStringLiteral("Die Datenbank %1 konnte nicht gespeichert werden: an ihrer Stelle liegt keine "
                                     "gewöhnliche Datei.")
                          .arg(Dateien::Anzeigename(pfad));
        return false;
    }
    return Abgleich::DatenbankSpeichern(pfad, Feldanzahl, tabelle.Zeilen, tabelle.Basis, tabelle.Abdruck,
                                        tabelle.SicherungNoetig, tabelle.Zusammengefuehrt,
                                        [] {
                                            Kreaturentabelle andere;
                                            const Ladeergebnis gelesen = Laden(andere);
                                            return Abgleich::Datenbankstand{std::move(andere.Zeilen), gelesen.Abdruck,
                                                                            gelesen.Status != Ladestatus::Fehlt,
                                                                            andere.SicherungNoetig};
                                        },
                                        fehler, zeile);
}

} // namespace

bool Speichern(Kreaturentabelle& tabelle, QString* fehler, int* zeile)
{
    tabelle.Ungeschrieben = !Schreiben(tabelle, fehler, zeile);
    return !tabelle.Ungeschrieben;
}

bool DateiUnveraendert(const Kreaturentabelle& tabelle)
{
    return Dateien::Unveraendert(Datenbankpfad(), tabelle.Abdruck);
}
QStringList KategorienLesen(QString* meldung)
{
    const QString pfad = Kategorienpfad();
    Zeilendatei::Leseergebnis e = Zeilendatei::Laden(pfad);
    if (meldung) {
        if (e.Status == Zeilendatei::Lesestatus::Fehlt)
            *meldung = QStringLiteral("Die Kategorienliste %1 wurde nicht gefunden. Die Auswahl der Kategorien bleibt "
                                      "leer; die Datei wird angelegt, sobald ihr eine Kreatur mit einer Kategorie "
                                      "speichert.")
                           .arg(Dateien::Anzeigename(pfad));
        else if (!e.Gelesen())
            *meldung = QStringLiteral("Die Kategorienliste %1 konnte nicht gelesen werden: %2. Die Auswahl der "
                                      "Kategorien bleibt leer.")
                           .arg(Dateien::Anzeigename(pfad), e.Grund);
        else
            meldung->clear();
    }
    return std::move(e.Zeilen);
}

bool KategorieHinzufuegen(const QString& kategorie, QString* fehler)
{
    if (kategorie.isEmpty())
        return true;
    const QString pfad = Kategorienpfad();
    // Looked up and appended under the list's lock, so two programs never add one category twice.
    Dateien::Sperre sperre(pfad);
    if (!sperre.Gehalten()) {
        if (fehler)
            *fehler = sperre.Grund();
        return false;
    }
    const Zeilendatei::Leseergebnis e = Zeilendatei::Laden(pfad);
    if (e.Gelesen() && e.Zeilen.contains(kategorie))
        return true;
    if (!e.Gelesen() && e.Status != Zeilendatei::Lesestatus::Fehlt) {
        // An unreadable list is left alone rather than rewritten around lines nobody has seen.
        if (fehler)
            *fehler = QStringLiteral("Die Kategorie „%1“ konnte nicht in die Kategorienliste %2 aufgenommen werden: %3.")
                          .arg(kategorie, Dateien::Anzeigename(pfad), e.Grund);
        return false;
    }
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QString grund;
    if (Zeilendatei::Anhaengen(pfad, kategorie, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Kategorie „%1“ konnte nicht in die Kategorienliste %2 aufgenommen werden: %3")
                      .arg(kategorie, Dateien::Anzeigename(pfad), grund);
    return false;
}

int ZeileAnhaengen(Kreaturentabelle& tabelle, QStringList felder)
{
    Anpassen(felder);
    const int zeile = tabelle.Anzahl();
    felder[0] = QString::number(zeile);
    tabelle.Zeilen.append(std::move(felder));
    return zeile;
}

void ZeileAendern(Kreaturentabelle& tabelle, int zeile, QStringList felder)
{
    if (zeile < 0 || zeile >= tabelle.Anzahl())
        return;
    Anpassen(felder);
    felder[0] = QString::number(zeile);
    tabelle.Zeilen[zeile] = std::move(felder);
}

bool ZeileLoeschen(Kreaturentabelle& tabelle, int zeile)
{
    return Zeilendatei::DatensatzLoeschen(tabelle.Zeilen, zeile);
}

int ZeileSuchen(const Kreaturentabelle& tabelle, const QString& name)
{
    for (int i = 0; i < tabelle.Anzahl(); ++i)
        if (Feld(tabelle.Zeilen[i], FeldName) == name)
            return i;
    const QString gesucht = name.trimmed();
    for (int i = 0; i < tabelle.Anzahl(); ++i)
        if (Feld(tabelle.Zeilen[i], FeldName).trimmed().compare(gesucht, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void SpeichernVorbereiten(QStringList& felder)
{
    Anpassen(felder);
    if (felder[FeldBonus].isEmpty())
        felder[FeldBonus] = QStringLiteral("0");
}

const QStringList& Wuerfelarten()
{
    static const QStringList arten = {QStringLiteral("W2"), QStringLiteral("W3"), QStringLiteral("W4"),
                                      QStringLiteral("W6"), QStringLiteral("W10"), QStringLiteral("W20"),
                                      QStringLiteral("SP")};
    return arten;
}

int Wuerfelindex(QStringView feld)
{
    const QStringView t = feld.trimmed();
    if (t.size() != 1 || t[0] < QLatin1Char('0') || t[0] > QLatin1Char('6'))
        return -1;
    return t[0].unicode() - '0';
}

QString SchadenswuerfelText(const QString& index)
{
    const int i = Wuerfelindex(index);
    return i < 0 ? QString() : Wuerfelarten()[i];
}

namespace {

// A field without a copy of its string; a missing one is empty.
QStringView Sicht(const QStringList& z, int i)
{
    return i >= 0 && i < z.size() ? QStringView(z[i]) : QStringView();
}

// Puts pieces one after another into a string made large enough beforehand: a listing makes ten thousand
// lines of some twenty pieces, and the string's own append checks its room and sharing for each.
class Zeilenbau {
public:
    // Writes after what `ziel` holds, at most `mehr` characters.
    Zeilenbau(QString& ziel, qsizetype mehr) : m_text(ziel)
    {
        const qsizetype alt = ziel.size();
        ziel.resize(alt + mehr);
        m_ziel = ziel.data() + alt;
    }

    Zeilenbau& operator<<(QStringView teil)
    {
        std::memcpy(static_cast<void*>(m_ziel), teil.data(), size_t(teil.size()) * sizeof(QChar));
        m_ziel += teil.size();
        return *this;
    }

    Zeilenbau& operator<<(QChar zeichen)
    {
        *m_ziel++ = zeichen;
        return *this;
    }

    void Abschliessen() { m_text.truncate(m_ziel - m_text.constData()); }

private:
    QString& m_text;
    QChar* m_ziel;
};

// The damage column; at most the three fields and eight more characters.
void TPAnhaengen(Zeilenbau& text, const QStringList& z)
{
    const QStringView art = Sicht(z, ErsterSchaden);
    if (art.isEmpty())
        return;
    text << Sicht(z, FeldWaffe) << u"   " << Sicht(z, FeldAnzahl);
    const int wuerfel = Wuerfelindex(art);
    if (wuerfel == 6) {
        text << u"SP";
        return;
    }
    if (wuerfel >= 0)
        text << Wuerfelarten()[wuerfel];
    text << QLatin1Char('+') << Sicht(z, FeldBonus);
}

qsizetype TPGrenze(const QStringList& z)
{
    return Sicht(z, FeldWaffe).size() + Sicht(z, FeldAnzahl).size() + Sicht(z, FeldBonus).size() + 8;
}

// The fields of the list columns in their order; -1 is the damage column made by TPAnhaengen.
constexpr int kSpaltenfelder[] = {FeldName, FeldKategorie, FeldMU, FeldAT, FeldPA, FeldLE,
                                  FeldRS,   -1,            5,      7,      FeldMR, FeldMK};

} // namespace

QString TPText(const QStringList& z)
{
    QString tp;
    Zeilenbau text(tp, TPGrenze(z));
    TPAnhaengen(text, z);
    text.Abschliessen();
    return tp;
}

const QStringList& Spaltenueberschriften()
{
    static const QStringList titel = {QStringLiteral("Name"), QStringLiteral("Kategorie"), QStringLiteral("MU"),
                                      QStringLiteral("AT"),   QStringLiteral("PA"),        QStringLiteral("LE"),
                                      QStringLiteral("RS"),   QStringLiteral("TP"),        QStringLiteral("GS"),
                                      QStringLiteral("AU"),   QStringLiteral("MR"),        QStringLiteral("MK")};
    return titel;
}

QStringList Listenspalten(const QStringList& z)
{
    QStringList spalten;
    spalten.reserve(std::size(kSpaltenfelder));
    for (int feld : kSpaltenfelder)
        spalten.append(feld < 0 ? TPText(z) : Feld(z, feld));
    return spalten;
}

QString Listenspalte(const QStringList& z, int spalte)
{
    if (spalte < 0 || spalte >= int(std::size(kSpaltenfelder)))
        return QString();
    const int feld = kSpaltenfelder[spalte];
    return feld < 0 ? TPText(z) : Feld(z, feld);
}

void ListenzeileAnhaengen(const QStringList& zeile, QString& ziel, bool nummer)
{
    qsizetype laenge = TPGrenze(zeile) + Sicht(zeile, 0).size() + qsizetype(std::size(kSpaltenfelder));
    for (int feld : kSpaltenfelder)
        laenge += Sicht(zeile, feld).size();
    Zeilenbau text(ziel, laenge);
    for (int feld : kSpaltenfelder) {
        if (feld < 0)
            TPAnhaengen(text, zeile);
        else
            text << Sicht(zeile, feld);
        text << QLatin1Char('\t');
    }
    if (nummer)
        text << Sicht(zeile, 0);
    text.Abschliessen();
}

QString Listenzeile(const QStringList& zeile)
{
    QString text;
    ListenzeileAnhaengen(zeile, text, true);
    return text;
}

const QList<bool>& Listenfelder()
{
    static const QList<bool> felder = [] {
        QList<bool> f(Feldanzahl, false);
        for (int feld : kSpaltenfelder)
            if (feld >= 0)
                f[feld] = true;
        // The damage column and the row number.
        for (int feld : {ErsterSchaden, FeldWaffe, FeldAnzahl, FeldBonus, 0})
            f[feld] = true;
        return f;
    }();
    return felder;
}

const QList<int>& Zahlenboxen()
{
    static const QList<int> boxen = {10, 11, 12, 14, 15, 16, 18, 19, 20, 22, 23, 24, 25, 27, 28, 29};
    return boxen;
}

const QStringList& Schalterbeschriftungen()
{
    static const QStringList texte = {
        QStringLiteral("Lebt auf dem Land"),     QStringLiteral("Lebt im Wasser"),
        QStringLiteral("Lebt in einer anderen Sphäre"), QStringLiteral("Menschlich"),
        QStringLiteral("Elfisch"),               QStringLiteral("Zwergisch"),
        QStringLiteral("Orkisch, Goblinisch, Ogrisch..."), QStringLiteral("Tierisch"),
        QStringLiteral("Sphärisch"),             QStringLiteral("Untot"),
        QStringLiteral("Magisch"),               QStringLiteral("Heilig"),
        QStringLiteral("Nützlich"),              QStringLiteral("kann schwimmen"),
        QStringLiteral("kann fliegen"),          QStringLiteral("kann Waffen benutzen"),
        QStringLiteral("kann zaubern"),          QStringLiteral("kann klettern")};
    return texte;
}

const QStringList& Haeufigkeiten()
{
    static const QStringList texte = {QStringLiteral("Sehr häufig"), QStringLiteral("Häufig"),
                                      QStringLiteral("Gelegentlich"), QStringLiteral("Selten"),
                                      QStringLiteral("Sehr selten"), QStringLiteral("Niemals!")};
    return texte;
}

const QStringList& Klugheitsstufen()
{
    static const QStringList texte = {QStringLiteral("Folgt nur seinen Instinkten"),
                                      QStringLiteral("Einfache Form von Intelligenz"),
                                      QStringLiteral("Ausgeprägte Intelligenz"),
                                      QStringLiteral("Sehr ausgeprägte Intelligenz"),
                                      QStringLiteral("Perfekte Intelligenz")};
    return texte;
}

int Intelligenzwurf(int stufe)
{
    switch (stufe) {
    case 1: return Subs::Zufallszahl(4);
    case 2: return Subs::Zufallszahl(4) + 3;
    case 3: return Subs::Zufallszahl(7) + 6;
    case 4: return Subs::Zufallszahl(13) + 8;
    case 5: return Subs::Zufallszahl(50) + 50;
    default: return 0;
    }
}

} // namespace Kreaturentabellen
