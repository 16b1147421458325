#include "Waffentabelle.h"

#include "Dateien.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

Ladeergebnis TabelleLaden(Waffentabelle& tabelle)
{
    const QString pfad = Dateipfad(tabelle.Art);
    Zeilendatei::Leseoptionen optionen;
    optionen.Kopfzeile = IstVersionszeile;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad, optionen);
    Ladeergebnis ergebnis = ZeilenEinlesen(tabelle, gelesen.Zeilen);
    ergebnis.Pfad = pfad;
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt) {
        ergebnis.Vorhanden = false;
    } else if (!gelesen.Gelesen()) {
        ergebnis.Unlesbar = gelesen.Status == Zeilendatei::Lesestatus::FalscheKopfzeile
                                ? QStringLiteral("ihre erste Zeile ist keine Versionsnummer wie „3.00“")
                                : gelesen.Grund;
        tabelle.SicherungNoetig = true;
    }
    return ergebnis;
}

Ladeergebnis ZeilenEinlesen(Waffentabelle& tabelle, const QStringList& zeilen)
{
    Ladeergebnis ergebnis;
    const int n = Feldanzahl(tabelle.Art);
    tabelle.Zeilen.clear();
    tabelle.SicherungNoetig = false;
    const qsizetype bloecke = zeilen.size() > 1 ? (zeilen.size() - 1) / n : 0;
    tabelle.Zeilen.reserve(bloecke);
    for (qsizetype b = 0; b < bloecke; ++b) {
        QStringList felder = zeilen.mid(1 + b * n, n);
        // The row number is the record's place in the table, whatever the file said.
        felder[0] = QString::number(b);
        tabelle.Zeilen.append(std::move(felder));
    }
    ergebnis.Gelesen = int(tabelle.Zeilen.size());
    const qsizetype rest = zeilen.size() > 1 ? (zeilen.size() - 1) % n : 0;
    if (rest > 0) {
        ergebnis.Unvollstaendig = true;
        ergebnis.Restzeilen = int(rest);
        tabelle.SicherungNoetig = true;
    }
    return ergebnis;
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

QStringList Dateizeilen(const Waffentabelle& tabelle)
{
    return Zeilendatei::Datensatzzeilen(tabelle.Zeilen, Feldanzahl(tabelle.Art));
}

bool TabelleSpeichern(Waffentabelle& tabelle, QString* fehler)
{
    const QString pfad = Dateipfad(tabelle.Art);
    if (tabelle.SicherungNoetig) {
        // The helper copies only a regular file; anything else (a folder, a device) is never replaced.
        if (!Dateien::SicherungAnlegen(pfad, fehler))
            return false;
        tabelle.SicherungNoetig = false;
    }
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QString grund;
    if (!Zeilendatei::Schreiben(pfad, Dateizeilen(tabelle), &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datenbank %1 konnte nicht gespeichert werden: %2")
                          .arg(Anfuehrung(QDir::toNativeSeparators(pfad)), grund);
        return false;
    }
    return true;
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

QStringList Listenspalten(Tabelle t, const QStringList& z)
{
    const auto f = [&z](int i) { return Feld(z, i); };
    const QString unzen = QStringLiteral(" Unzen");
    const QString plus = QStringLiteral("+");
    const QString teiler = QStringLiteral(" / ");
    const QString blank = QStringLiteral(" ");
    switch (t) {
    case Tabelle::NWaffen:
        return {f(1), f(25), f(5) + f(26) + plus + f(6), f(7), f(2) + unzen, f(3), f(10), f(8) + teiler + f(9),
                f(11) + blank + f(27)};
    case Tabelle::FWaffen:
        return {f(1), f(19), f(5) + f(20) + plus + f(6), f(8), f(7), f(2) + unzen, f(9) + blank + f(21)};
    case Tabelle::Armor:
        return {f(1), f(17), f(4), f(5), f(6) + teiler + f(7), f(8), f(2) + unzen, f(9) + blank + f(18)};
    }
    return {};
}

QString Listenzeile(Tabelle t, const QStringList& zeile)
{
    QStringList spalten = Listenspalten(t, zeile);
    spalten.append(Feld(zeile, 0));
    return spalten.join(QLatin1Char('\t'));
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
