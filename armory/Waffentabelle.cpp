#include "Waffentabelle.h"

#include "Abgleich.h"
#include "Dateien.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <functional>
#include <array>

namespace Waffentabellen {

namespace {

int Index(Tabelle t)
{
    return int(t);
}

QString Feld(const QStringList& zeile, int i)
{
    return i >= 0 && i < zeile.size() ? zeile[i] : QString();
}

// Brings a record to the table's width, so a short or long list never reaches past a row.
void Anpassen(Tabelle t, QStringList& felder)
{
    const int n = Feldanzahl(t);
    while (felder.size() < n)
        felder.append(QString());
    if (felder.size() > n)
        felder.resize(n);
}

QString Anfuehrung(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

} // namespace

QString Schluessel(Tabelle t)
{
    static const char* const namen[] = {"NWaffen", "FWaffen", "Armor"};
    return QLatin1String(namen[Index(t)]);
}

std::optional<Tabelle> AusSchluessel(const QString& schluessel)
{
    for (Tabelle t : {Tabelle::NWaffen, Tabelle::FWaffen, Tabelle::Armor})
        if (Schluessel(t) == schluessel)
            return t;
    return std::nullopt;
}

std::optional<Tabelle> AusBatchName(const QString& name)
{
    if (name == QLatin1String("nahkampf"))
        return Tabelle::NWaffen;
    if (name == QLatin1String("fernkampf"))
        return Tabelle::FWaffen;
    if (name == QLatin1String("ruestung"))
        return Tabelle::Armor;
    return std::nullopt;
}

int Feldanzahl(Tabelle t)
{
    static const int n[] = {29, 23, 20};
    return n[Index(t)];
}

int Textfelder(Tabelle t)
{
    static const int n[] = {15, 13, 10};
    return n[Index(t)];
}

int Schalterfelder(Tabelle t)
{
    static const int n[] = {9, 5, 6};
    return n[Index(t)];
}

int FeldKategorie(Tabelle t)
{
    return Textfelder(t) + Schalterfelder(t) + 1;
}

int FeldSchaden(Tabelle t)
{
    return t == Tabelle::Armor ? -1 : FeldKategorie(t) + 1;
}

int FeldWaehrung(Tabelle t)
{
    return t == Tabelle::Armor ? FeldKategorie(t) + 1 : FeldKategorie(t) + 2;
}

int FeldRegionen(Tabelle t)
{
    return FeldWaehrung(t) + 1;
}

int FeldBeschreibung(Tabelle t)
{
    return t == Tabelle::Armor ? 3 : 4;
}

int FeldHandel(Tabelle t)
{
    static const int n[] = {12, 10, 10};
    return n[Index(t)];
}

QList<int> Zahlenboxen(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen: return {1, 4, 5, 9, 10};
    case Tabelle::FWaffen: return {1, 4, 5, 8};
    case Tabelle::Armor: return {1, 3, 4, 7, 8};
    }
    return {};
}

QList<int> NullBoxen(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen: return {1, 5, 9, 10};
    case Tabelle::FWaffen: return {1, 5, 8};
    case Tabelle::Armor: return {1, 3, 4, 7, 8};
    }
    return {};
}

QStringList Kategorien(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen:
        return {QStringLiteral("Äxte und Beile"), QStringLiteral("Infanteriewaffen"), QStringLiteral("Kettenwaffen"),
                QStringLiteral("Messer"), QStringLiteral("Peitschen"), QStringLiteral("Scharfe Hiebwaffen"),
                QStringLiteral("Schusswaffen"), QStringLiteral("Schwerter"), QStringLiteral("Speere und Stäbe"),
                QStringLiteral("Stichwaffen"), QStringLiteral("Stumpfe Hiebwaffen"), QStringLiteral("Trickwaffen"),
                QStringLiteral("Wurfwaffen"), QStringLiteral("Zweihänder")};
    case Tabelle::FWaffen: return {QStringLiteral("Schusswaffe"), QStringLiteral("Wurfwaffe")};
    case Tabelle::Armor: return {QStringLiteral("Rüstung"), QStringLiteral("Helm"), QStringLiteral("Schild")};
    }
    return {};
}

const QStringList& Schadensarten()
{
    static const QStringList arten = {QStringLiteral("W2"), QStringLiteral("W3"), QStringLiteral("W4"),
                                      QStringLiteral("W6"), QStringLiteral("W10"), QStringLiteral("W20"),
                                      QStringLiteral("SP")};
    return arten;
}

const QStringList& Waehrungen()
{
    static const QStringList w = {QStringLiteral("Dukaten"), QStringLiteral("Heller"), QStringLiteral("Pfennig"),
                                  QStringLiteral("Silbertaler")};
    return w;
}

QString Dateiname(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen: return QStringLiteral("\\Armory\\Nahkampfwaffen.dat");
    case Tabelle::FWaffen: return QStringLiteral("\\Armory\\Fernwaffen.dat");
    case Tabelle::Armor: return QStringLiteral("\\Armory\\Rüstungen.dat");
    }
    return QString();
}

QString Dateipfad(Tabelle t)
{
    return Pfad::Verbinden(Variablen::DataPfad, Dateiname(t));
}

bool IstVersionszeile(const QString& zeile)
{
    static const QRegularExpression version(QStringLiteral("^\\s*\\d{1,4}\\.\\d{1,4}\\s*$"));
    return version.match(zeile).hasMatch();
}

namespace {

// After the version line, blocks of `n` lines, each starting with its number line; a block cut short is left
// out and counted. Each whole record goes to `nimm`, which may take its fields away; fields not marked in
// `nurFelder` stay empty.
Ladeergebnis Einlesen(Zeilendatei::Zeilenleser& quelle, int n, const QList<bool>* nurFelder,
                      const std::function<void(QStringList&)>& nimm)
{
    Ladeergebnis ergebnis;
    QStringList felder;
    int anzahl = 0;
    if (quelle.Ueberspringen()) {
        // The number line is not kept: the row number is the record's place in the table, whatever the file
        // said.
        while (quelle.Ueberspringen()) {
            felder.clear();
            felder.reserve(n);
            felder.append(QString::number(anzahl));
            if (!Zeilendatei::FelderLesen(quelle, felder, n, nurFelder)) {
                ergebnis.Unvollstaendig = true;
                ergebnis.Restzeilen = int(felder.size());
                break;
            }
            nimm(felder);
            ++anzahl;
        }
    }
    ergebnis.Gelesen = anzahl;
    return ergebnis;
}

Ladeergebnis Einlesen(Waffentabelle& tabelle, Zeilendatei::Zeilenleser& quelle)
{
    tabelle.Zeilen.clear();
    tabelle.Ungeschrieben = false;
    const Ladeergebnis ergebnis = Einlesen(quelle, Feldanzahl(tabelle.Art), nullptr, [&](QStringList& felder) {
        tabelle.Zeilen.append(std::move(felder));
        felder = QStringList();
    });
    tabelle.SicherungNoetig = ergebnis.Unvollstaendig;
    return ergebnis;
}

} // namespace

namespace {

// Opens the table's file and hands its reader to `einlesen`; a file that cannot be read, or not to its end,
// gives no records.
template <typename Lesen>
Ladeergebnis DateiLesen(Tabelle t, Lesen&& einlesen)
{
    const QString pfad = Dateipfad(t);
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = IstVersionszeile;
    // The records are built straight from the file's lines, read piece by piece.
    Zeilendatei::Zeilenleser leser;
    Zeilendatei::Leseergebnis gelesen = leser.Oeffnen(pfad, optionen);
    Ladeergebnis ergebnis;
    if (gelesen.Gelesen()) {
        ergebnis = einlesen(leser);
        if (!leser.Ende().Gelesen()) {
            gelesen = leser.Ende();
            ergebnis = Ladeergebnis();
        }
    }
    ergebnis.Pfad = pfad;
    ergebnis.Abdruck = gelesen.Gelesen() && leser.Ende().Abdruck.Vorhanden ? leser.Ende().Abdruck : Dateien::Stand(pfad);
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt) {
        ergebnis.Vorhanden = false;
    } else if (!gelesen.Gelesen()) {
        ergebnis.Unlesbar = gelesen.Status == Zeilendatei::Lesestatus::FalscheKopfzeile
                                ? QStringLiteral("ihre erste Zeile ist keine Versionsnummer wie „3.00“")
                                : gelesen.Grund;
    }
    return ergebnis;
}

} // namespace

Ladeergebnis TabelleLaden(Waffentabelle& tabelle)
{
    const Ladeergebnis ergebnis = DateiLesen(tabelle.Art, [&](Zeilendatei::Zeilenleser& leser) { return Einlesen(tabelle, leser); });
    if (!ergebnis.Vorhanden || !ergebnis.Unlesbar.isEmpty()) {
        tabelle.Zeilen.clear();
        // A file that is there but could not be read must not be replaced unseen by the next save.
        tabelle.SicherungNoetig = ergebnis.Vorhanden;
    }
    tabelle.Basis = tabelle.Zeilen;
    tabelle.Abdruck = ergebnis.Abdruck;
    return ergebnis;
}

Ladeergebnis Durchlaufen(Tabelle t, const QList<bool>& felder, const std::function<void(const QStringList&)>& nimm)
{
    const int n = Feldanzahl(t);
    return DateiLesen(t, [&](Zeilendatei::Zeilenleser& leser) {
        return Einlesen(leser, n, felder.size() == n ? &felder : nullptr, [&](QStringList& f) { nimm(f); });
    });
}

Ladeergebnis ZeilenEinlesen(Waffentabelle& tabelle, const QStringList& zeilen)
{
    const QByteArray bytes = Zeilendatei::Dateibytes(zeilen);
    Zeilendatei::Zeilenleser leser(bytes);
    return Einlesen(tabelle, leser);
}

QString Lademeldung(const Ladeergebnis& ergebnis)
{
    const QString name = Anfuehrung(QDir::toNativeSeparators(ergebnis.Pfad));
    // Only a regular file is copied aside; a folder or device in its place is never replaced at all.
    const QString sicherung = QFileInfo(ergebnis.Pfad).isFile()
        ? QStringLiteral("Vor dem nächsten Speichern wird die Originaldatei als Sicherung (.bak) neben ihr aufbewahrt.")
        : QStringLiteral("Die Datei wird nicht überschrieben.");
    if (!ergebnis.Unlesbar.isEmpty())
        return QStringLiteral("Die Datenbank %1 konnte nicht gelesen werden: %2. Die Tabelle bleibt leer. %3")
            .arg(name, ergebnis.Unlesbar, sicherung);
    if (!ergebnis.Vorhanden)
        return QStringLiteral("Die Datenbank %1 wurde nicht gefunden. Die Tabelle bleibt leer; die Datei wird beim "
                              "ersten Speichern neu angelegt.")
            .arg(name);
    if (ergebnis.Unvollstaendig)
        return QStringLiteral("Die Datenbank %1 endet mitten in einem Eintrag. %2; der Rest der Datei ist beschädigt. %3")
            .arg(name,
                 ergebnis.Gelesen == 1 ? QStringLiteral("Gelesen wurde 1 Eintrag")
                                       : QStringLiteral("Gelesen wurden %1 Einträge").arg(ergebnis.Gelesen),
                 sicherung);
    return QString();
}

namespace {

bool Schreiben(Waffentabelle& tabelle, QString* fehler, int* zeile)
{
    return Abgleich::DatenbankSpeichern(Dateipfad(tabelle.Art), Feldanzahl(tabelle.Art), tabelle.Zeilen, tabelle.Basis,
                                        tabelle.Abdruck, tabelle.SicherungNoetig, tabelle.Zusammengefuehrt,
                                        [&tabelle] {
                                            Waffentabelle andere;
                                            andere.Art = tabelle.Art;
                                            const Ladeergebnis gelesen = TabelleLaden(andere);
                                            return Abgleich::Datenbankstand{std::move(andere.Zeilen), gelesen.Abdruck,
                                                                            gelesen.Vorhanden, andere.SicherungNoetig};
                                        },
                                        fehler, zeile);
}

} // namespace

bool TabelleSpeichern(Waffentabelle& tabelle, QString* fehler, int* zeile)
{
    tabelle.Ungeschrieben = !Schreiben(tabelle, fehler, zeile);
    return !tabelle.Ungeschrieben;
}

bool DateiUnveraendert(const Waffentabelle& tabelle)
{
    return Dateien::Unveraendert(Dateipfad(tabelle.Art), tabelle.Abdruck);
}

int ZeileAnhaengen(Waffentabelle& tabelle, QStringList felder)
{
    Anpassen(tabelle.Art, felder);
    const int zeile = tabelle.Anzahl();
    felder[0] = QString::number(zeile);
    tabelle.Zeilen.append(std::move(felder));
    return zeile;
}

void ZeileAendern(Waffentabelle& tabelle, int zeile, QStringList felder)
{
    if (zeile < 0 || zeile >= tabelle.Anzahl())
        return;
    Anpassen(tabelle.Art, felder);
    felder[0] = QString::number(zeile);
    tabelle.Zeilen[zeile] = std::move(felder);
}

bool ZeileLoeschen(Waffentabelle& tabelle, int zeile)
{
    return Zeilendatei::DatensatzLoeschen(tabelle.Zeilen, zeile);
}

int ZeileSuchen(const Waffentabelle& tabelle, const QString& name)
{
    for (int i = 0; i < tabelle.Anzahl(); ++i)
        if (Feld(tabelle.Zeilen[i], 1) == name)
            return i;
    return -1;
}

void LeereZahlenFuellen(Tabelle t, QStringList& felder)
{
    Anpassen(t, felder);
    for (int box : NullBoxen(t))
        if (felder[box + 1].isEmpty())
            felder[box + 1] = QStringLiteral("0");
}

QStringList Spaltenueberschriften(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen:
        return {QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("Schaden"), QStringLiteral("TP+KK"),
                QStringLiteral("Gewicht"), QStringLiteral("Länge"), QStringLiteral("BF"), QStringLiteral("WV"),
                QStringLiteral("Preis")};
    case Tabelle::FWaffen:
        return {QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("Schaden"),
                QStringLiteral("Reichweitenmod."), QStringLiteral("Reichweite"), QStringLiteral("Gewicht"),
                QStringLiteral("Preis")};
    case Tabelle::Armor:
        return {QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("RS"), QStringLiteral("BE"),
                QStringLiteral("WV"), QStringLiteral("BF"), QStringLiteral("Gewicht"), QStringLiteral("Preis")};
    }
    return {};
}

namespace {

// Builds the list columns of a record, either as a list or as one line with a tab after each column.
class Spalten {
public:
    Spalten(const QStringList& felder, QString* zeile, QStringList* liste, QList<bool>* gelesen = nullptr)
        : m_felder(felder), m_zeile(zeile), m_liste(liste), m_gelesen(gelesen)
    {
    }
    // Only column `nur` into `zelle`: a list view asks for one cell at a time.
    Spalten(const QStringList& felder, QString* zelle, int nur)
        : m_felder(felder), m_zeile(nullptr), m_liste(nullptr), m_gelesen(nullptr), m_zelle(zelle), m_nur(nur)
    {
    }

    QStringView F(int i) const
    {
        if (m_gelesen && i >= 0 && i < m_gelesen->size())
            (*m_gelesen)[i] = true;
        return i >= 0 && i < m_felder.size() ? QStringView(m_felder[i]) : QStringView();
    }

    void operator()(std::initializer_list<QStringView> teile)
    {
        if (m_zelle) {
            if (m_spalte++ != m_nur)
                return;
            qsizetype laenge = 0;
            for (QStringView teil : teile)
                laenge += teil.size();
            m_zelle->reserve(laenge);
            for (QStringView teil : teile)
                m_zelle->append(teil);
            return;
        }
        if (!m_zeile && !m_liste)
            return;
        if (m_liste) {
            QString spalte;
            for (QStringView teil : teile)
                spalte += teil;
            m_liste->append(spalte);
            return;
        }
        for (QStringView teil : teile)
            m_zeile->append(teil);
        m_zeile->append(QLatin1Char('\t'));
    }

private:
    const QStringList& m_felder;
    QString* m_zeile;
    QStringList* m_liste;
    // Marks the fields read, for Listenfelder.
    QList<bool>* m_gelesen;
    QString* m_zelle = nullptr;
    int m_nur = -1;
    int m_spalte = 0;
};

void SpaltenBauen(Tabelle t, Spalten& s)
{
    const QStringView unzen = u" Unzen";
    const QStringView plus = u"+";
    const QStringView teiler = u" / ";
    const QStringView blank = u" ";
    switch (t) {
    case Tabelle::NWaffen:
        s({s.F(1)});
        s({s.F(25)});
        s({s.F(5), s.F(26), plus, s.F(6)});
        s({s.F(7)});
        s({s.F(2), unzen});
        s({s.F(3)});
        s({s.F(10)});
        s({s.F(8), teiler, s.F(9)});
        s({s.F(11), blank, s.F(27)});
        return;
    case Tabelle::FWaffen:
        s({s.F(1)});
        s({s.F(19)});
        s({s.F(5), s.F(20), plus, s.F(6)});
        s({s.F(8)});
        s({s.F(7)});
        s({s.F(2), unzen});
        s({s.F(9), blank, s.F(21)});
        return;
    case Tabelle::Armor:
        s({s.F(1)});
        s({s.F(17)});
        s({s.F(4)});
        s({s.F(5)});
        s({s.F(6), teiler, s.F(7)});
        s({s.F(8)});
        s({s.F(2), unzen});
        s({s.F(9), blank, s.F(18)});
        return;
    }
}

} // namespace

QStringList Listenspalten(Tabelle t, const QStringList& z)
{
    QStringList liste;
    Spalten s(z, nullptr, &liste);
    SpaltenBauen(t, s);
    return liste;
}

QString Listenspalte(Tabelle t, const QStringList& zeile, int spalte)
{
    QString zelle;
    Spalten s(zeile, &zelle, spalte);
    SpaltenBauen(t, s);
    return zelle;
}

int Preisspalte(Tabelle t)
{
    return int(Spaltenueberschriften(t).size()) - 1;
}

QString Listenzeile(Tabelle t, const QStringList& zeile)
{
    // Built in one string: a listing makes ten thousand of these.
    qsizetype laenge = 48;
    for (const QString& feld : zeile)
        laenge += feld.size();
    QString text;
    text.reserve(laenge);
    ListenzeileAnhaengen(t, zeile, text, true);
    return text;
}

void ListenzeileAnhaengen(Tabelle t, const QStringList& zeile, QString& ziel, bool nummer)
{
    Spalten s(zeile, &ziel, nullptr);
    SpaltenBauen(t, s);
    if (nummer)
        ziel += Feld(zeile, 0);
}

const QList<bool>& Listenfelder(Tabelle t)
{
    // The fields SpaltenBauen reads, found by letting it build the columns once, and the row number.
    static const std::array<QList<bool>, 3> felder = [] {
        std::array<QList<bool>, 3> f;
        for (Tabelle art : {Tabelle::NWaffen, Tabelle::FWaffen, Tabelle::Armor}) {
            QList<bool>& genutzt = f[int(art)];
            genutzt = QList<bool>(Feldanzahl(art), false);
            genutzt[0] = true;
            const QStringList leer;
            Spalten s(leer, nullptr, nullptr, &genutzt);
            SpaltenBauen(art, s);
        }
        return f;
    }();
    return felder[int(t)];
}
const QStringList& Regionsliste()
{
    static const QStringList codes = {
        QStringLiteral("BO"), QStringLiteral("EL"), QStringLiteral("FI"), QStringLiteral("GA"), QStringLiteral("HA"),
        QStringLiteral("KH"), QStringLiteral("LF"), QStringLiteral("MA"), QStringLiteral("MH"), QStringLiteral("MO"),
        QStringLiteral("NO"), QStringLiteral("OR"), QStringLiteral("PU"), QStringLiteral("SÜ"), QStringLiteral("TH"),
        QStringLiteral("TO"), QStringLiteral("WA"), QStringLiteral("WE"), QStringLiteral("ZW"), QStringLiteral("ZY")};
    return codes;
}

QStringList RegionenAusFeld(const QString& feld)
{
    QStringList codes;
    for (const QString& code : feld.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        if (Regionsliste().contains(code) && !codes.contains(code))
            codes.append(code);
    return codes;
}

QString RegionFeld(const QStringList& codes)
{
    QString feld;
    for (const QString& code : codes)
        feld += code + QLatin1Char('|');
    return feld;
}

} // namespace Waffentabellen
