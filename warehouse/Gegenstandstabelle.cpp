#include "Gegenstandstabelle.h"

#include "Abgleich.h"
#include "Dateien.h"
#include "ExplorerEngine.h"
#include "Lagerhof3Variablen.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Waffentabelle.h"
#include "Warenkategorien.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace Katalog {

namespace {

QString Feld(const QStringList& felder, int i)
{
    return i >= 0 && i < felder.size() ? felder[i] : QString();
}

void Anpassen(QStringList& felder)
{
    while (felder.size() < Feldanzahl)
        felder.append(QString());
    if (felder.size() > Feldanzahl)
        felder.resize(Feldanzahl);
}

QString Anzeige(const QString& pfad)
{
    return Dateien::Anzeigename(QDir::toNativeSeparators(pfad));
}

QString Anfuehrung(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

bool IstWaehrungsbuchstabe(QChar c)
{
    return c == QLatin1Char('D') || c == QLatin1Char('S') || c == QLatin1Char('H') || c == QLatin1Char('P');
}

// The map order of the codes, in which "Alle, ausser" lists the missing ones.
QStringList Codes(const QString& feld4)
{
    return feld4.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString Unlesbarmeldung(const QString& kategorie)
{
    return QStringLiteral("In die Kategorie %1 kann nichts gespeichert werden: ihre Warendatei %2 konnte nicht gelesen "
                          "werden und wird nicht überschrieben.")
        .arg(Anfuehrung(kategorie), Anzeige(Warendatei(kategorie)));
}

// A file the user was told about once per run; a damaged one is remembered for its backup.
void Vermerken(const Warenergebnis& e, QStringList* meldungen)
{
    const QString meldung = Warenmeldung(e);
    if (meldung.isEmpty())
        return;
    // A file read in part is kept before its first rewrite; one not read at all is never rewritten.
    if (e.Unvollstaendig)
        Lagerhof3Variablen::BeschaedigteDateien.insert(e.Pfad);
    if (meldungen && !Lagerhof3Variablen::GemeldeteDateien.contains(e.Pfad)) {
        Lagerhof3Variablen::GemeldeteDateien.insert(e.Pfad);
        meldungen->append(meldung);
    }
}

// The category list file's name lines as they stand (the count line and empty lines left out).
struct Listendatei {
    QStringList Datei;  // every line of the file
    QStringList Zeilen; // its name lines
    bool Vorhanden = true;
    bool Gelesen = true;
    QString Grund;
};

Listendatei ListeLesen()
{
    Listendatei l;
    const Zeilendatei::Leseergebnis e = Zeilendatei::Laden(KategorienDatei());
    if (!e.Gelesen()) {
        l.Vorhanden = e.Status != Zeilendatei::Lesestatus::Fehlt;
        l.Gelesen = false;
        l.Grund = e.Grund;
        return l;
    }
    l.Datei = e.Zeilen;
    l.Zeilen = Warenkategorien::Namenszeilen(e.Zeilen);
    return l;
}

bool ListeSchreiben(const QStringList& zeilen, QString* fehler)
{
    QStringList datei{Zeilendatei::Druckzahl(zeilen.size())};
    datei += zeilen;
    const QString pfad = KategorienDatei();
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QString grund;
    if (Zeilendatei::Schreiben(pfad, datei, &grund))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Kategorienliste %1 konnte nicht gespeichert werden: %2").arg(Anzeige(pfad), grund);
    return false;
}

bool Enthaelt(const QStringList& namen, const QString& name)
{
    for (const QString& n : namen)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

const QString& Alles()
{
    static const QString alles = QStringLiteral("Alles");
    return alles;
}

const QStringList& Waffenkategorien()
{
    static const QStringList namen = {QStringLiteral("Nahkampfwaffen"), QStringLiteral("Fernwaffen"),
                                      QStringLiteral("Rüstungen")};
    return namen;
}

const QStringList& Wertklassen()
{
    static const QStringList klassen = {QStringLiteral("1 - Gibts in jedem Fachgeschäft"),
                                        QStringLiteral("2 - Weit verbreiteter Gegenstand"),
                                        QStringLiteral("3 - Gibts im guten Fachgeschäft"),
                                        QStringLiteral("4 - Selten, gibts beim Spezialisten"),
                                        QStringLiteral("5 - Extrem selten!")};
    return klassen;
}

const QStringList& Waehrungen()
{
    static const QStringList w = {QStringLiteral("Dukaten"), QStringLiteral("Silbertaler"), QStringLiteral("Heller"),
                                  QStringLiteral("Pfennig")};
    return w;
}

const QStringList& Regionsliste()
{
    return Waffentabellen::Regionsliste();
}

QString Name(const QString& feld0)
{
    return feld0.left(feld0.size() - 1);
}

int WertklasseIndex(const QString& feld0)
{
    if (feld0.isEmpty())
        return -1;
    const QChar c = feld0.back();
    return c >= QLatin1Char('1') && c <= QLatin1Char('5') ? c.unicode() - '1' : -1;
}

QString Betrag(const QString& feld2)
{
    return !feld2.isEmpty() && IstWaehrungsbuchstabe(feld2.back()) ? feld2.left(feld2.size() - 1) : feld2;
}

QString Waehrungsbuchstabe(const QString& feld2)
{
    return !feld2.isEmpty() && IstWaehrungsbuchstabe(feld2.back()) ? QString(feld2.back()) : QString();
}

int WaehrungsIndex(const QString& feld2)
{
    const QString b = Waehrungsbuchstabe(feld2);
    for (int i = 0; i < Waehrungen().size(); ++i)
        if (!b.isEmpty() && Waehrungen()[i].startsWith(b))
            return i;
    return -1;
}

QString Feld0(const QString& name, int wertklasseIndex)
{
    return name + Feld(Wertklassen(), wertklasseIndex).left(1);
}

QString Feld2(const QString& betrag, int waehrungsIndex)
{
    return betrag + Feld(Waehrungen(), waehrungsIndex).left(1);
}

QStringList RegionenAusFeld(const QString& feld4)
{
    return Waffentabellen::RegionenAusFeld(feld4);
}

QString RegionFeld(const QStringList& codes)
{
    return Waffentabellen::RegionFeld(codes);
}

QString RegionenText(const QString& feld4)
{
    const QStringList vorhanden = Codes(feld4);
    QString text = QStringLiteral("Alle, ausser ");
    for (const QString& code : ExplorerEngine::RegionCodes())
        if (!vorhanden.contains(code))
            text += code + QStringLiteral(", ");
    return text;
}

bool Ueberall(const QString& feld4)
{
    return RegionenAusFeld(feld4).size() == Regionsliste().size();
}

bool ZahlEingabeErlaubt(const QString& text)
{
    QString bisher;
    for (const QChar c : text) {
        bool erlaubt = false;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            erlaubt = true;
        else if (c == QLatin1Char('+') || c == QLatin1Char('-'))
            erlaubt = bisher.isEmpty() && !bisher.contains(QLatin1Char('+')) && !bisher.contains(QLatin1Char('-'));
        else if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            erlaubt = !bisher.isEmpty() && !bisher.contains(QLatin1Char(',')) && !bisher.contains(QLatin1Char('.'));
        if (!erlaubt)
            return false;
        bisher += c;
    }
    return true;
}

QStringList Details(const QStringList& felder)
{
    QString beschreibung = Feld(felder, 3);
    // The lines stay seven: a line break of the description is shown as a blank.
    beschreibung.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    beschreibung.replace(QLatin1Char('\n'), QLatin1Char(' '));
    beschreibung.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return {Name(Feld(felder, 0)),
            Feld(Wertklassen(), WertklasseIndex(Feld(felder, 0))),
            Feld(felder, 1),
            Betrag(Feld(felder, 2)),
            Feld(Waehrungen(), WaehrungsIndex(Feld(felder, 2))),
            beschreibung,
            RegionenAusFeld(Feld(felder, 4)).join(QStringLiteral(", "))};
}

QString KategorienDatei()
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ItemKategorien.dat"));
}

QString Warendatei(const QString& kategorie)
{
    return Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\") + kategorie + QStringLiteral(".dat"));
}

bool KategorieSicher(const QString& kategorie)
{
    return Dateien::NameFuerDatei(kategorie);
}

bool Werkzeugdatei(const QString& kategorie)
{
    return Warenkategorien::Werkzeugdatei(kategorie);
}

bool KategorieVerwendbar(const QString& kategorie)
{
    return Warenkategorien::Verwendbar(kategorie);
}

Kategorienliste KategorienLesen()
{
    Kategorienliste liste;
    const Listendatei datei = ListeLesen();
    liste.Vorhanden = datei.Vorhanden;
    liste.Gelesen = datei.Gelesen;
    liste.Grund = datei.Grund;
    const Warenkategorien::Liste namen = Warenkategorien::AusZeilen(datei.Datei);
    liste.Namen = namen.Namen;
    liste.Uebergangen = namen.Uebergangen;
    return liste;
}

QStringList KategorienMeldungen(const Kategorienliste& liste)
{
    QStringList meldungen;
    const QString pfad = Anzeige(KategorienDatei());
    if (!liste.Vorhanden)
        meldungen.append(QStringLiteral("Die Kategorienliste %1 wurde nicht gefunden. Es gibt nur die Kategorie "
                                        "„Alles“; eine neue Kategorie legt die Liste wieder an.")
                             .arg(pfad));
    else if (!liste.Gelesen)
        meldungen.append(QStringLiteral("Die Kategorienliste %1 konnte nicht gelesen werden: %2 Es gibt nur die "
                                        "Kategorie „Alles“.")
                             .arg(pfad, Dateien::Satz(liste.Grund)));
    if (!liste.Uebergangen.isEmpty()) {
        QStringList namen;
        for (const QString& zeile : liste.Uebergangen)
            namen.append(Anfuehrung(zeile));
        meldungen.append(QStringLiteral("Diese Zeilen der Kategorienliste %1 werden übergangen, weil sie doppelt "
                                        "stehen oder keine Kategorie sein können: %2")
                             .arg(pfad, namen.join(QStringLiteral(", "))));
    }
    return meldungen;
}

Namenspruefung NeuenNamenPruefen(const QString& name, const QStringList& kategorien)
{
    const QString n = name.trimmed();
    if (n.isEmpty())
        return Namenspruefung::Leer;
    if (n.compare(Alles(), Qt::CaseInsensitive) == 0 || Enthaelt(kategorien, n))
        return Namenspruefung::Existiert;
    if (!KategorieSicher(n))
        return Namenspruefung::Unsicher;
    if (Werkzeugdatei(n))
        return Namenspruefung::Werkzeugdatei;
    return Namenspruefung::Ok;
}

QString Namensmeldung(Namenspruefung pruefung, const QString& name)
{
    switch (pruefung) {
    case Namenspruefung::Existiert:
        return QStringLiteral("Diese Kategorie existiert bereits, ihr müsst einen anderen Namen wählen.");
    case Namenspruefung::Werkzeugdatei:
        return QStringLiteral("Der Name %1 gehört zu einer Datei des Lagerhofs, ihr müsst einen anderen Namen wählen.")
            .arg(Anfuehrung(name.trimmed()));
    case Namenspruefung::Unsicher:
        return QStringLiteral("Der Name %1 kann kein Dateiname werden (keine Zeichen / \\ < > : \" | ? *, kein „..“ und "
                              "keine Steuerzeichen), ihr müsst einen anderen Namen wählen.")
            .arg(Anfuehrung(name.trimmed()));
    case Namenspruefung::Leer:
        return QStringLiteral("Die Kategorie braucht einen Namen.");
    case Namenspruefung::Ok:
        break;
    }
    return QString();
}

bool KategorieAnlegen(const QString& name, QStringList& kategorien, QString* fehler)
{
    // The list and the goods files share their folder's lock.
    Dateien::Sperre sperre(KategorienDatei());
    if (!sperre.Gehalten()) {
        if (fehler)
            *fehler = sperre.Grund();
        return false;
    }
    const QString n = name.trimmed();
    const Listendatei liste = ListeLesen();
    // Judged against the list as the file holds it now too: another program may have made it meanwhile.
    Namenspruefung pruefung = NeuenNamenPruefen(n, kategorien);
    if (pruefung == Namenspruefung::Ok && Enthaelt(liste.Zeilen, n))
        pruefung = Namenspruefung::Existiert;
    if (pruefung != Namenspruefung::Ok) {
        if (fehler)
            *fehler = Namensmeldung(pruefung, n);
        return false;
    }
    if (liste.Vorhanden && !liste.Gelesen) {
        if (fehler)
            *fehler = QStringLiteral("Die Kategorienliste %1 konnte nicht gelesen werden: %2 Sie wird deshalb nicht "
                                     "überschrieben.")
                          .arg(Anzeige(KategorienDatei()), Dateien::Satz(liste.Grund));
        return false;
    }
    // The goods file first: a name the file system refuses leaves the list as it was. A file that is already
    // there (left from earlier work) keeps its goods.
    const QString datei = Warendatei(n);
    if (!QFileInfo::exists(datei)) {
        QDir().mkpath(QFileInfo(datei).absolutePath());
        QString grund;
        if (!Zeilendatei::Schreiben(datei, {}, &grund)) {
            if (fehler)
                *fehler = QStringLiteral("Die Datei %1 der neuen Kategorie konnte nicht angelegt werden: %2")
                              .arg(Anzeige(datei), grund);
            return false;
        }
    }
    if (!ListeSchreiben(liste.Zeilen + QStringList{n}, fehler))
        return false;
    for (const QString& k : liste.Zeilen)
        if (!Enthaelt(kategorien, k.trimmed()) && KategorieSicher(k.trimmed()))
            kategorien.append(k.trimmed());
    kategorien.append(n);
    return true;
}

bool KategorieEntfernen(const QString& name, QStringList& kategorien, QString* fehler)
{
    // The list and the goods files share their folder's lock.
    Dateien::Sperre sperre(KategorienDatei());
    if (!sperre.Gehalten()) {
        if (fehler)
            *fehler = sperre.Grund();
        return false;
    }
    const QString n = KategorieFinden(name, kategorien);
    if (n.isEmpty() || Waffenkategorien().contains(n)) {
        if (fehler)
            *fehler = n.isEmpty() ? QStringLiteral("Es gibt keine Kategorie %1.").arg(Anfuehrung(name))
                                  : QStringLiteral("Die Kategorie %1 wird aus der Waffenkammer gefüllt und kann nicht "
                                                   "gelöscht werden.")
                                        .arg(Anfuehrung(n));
        return false;
    }
    const Listendatei liste = ListeLesen();
    if (!liste.Gelesen) {
        if (fehler)
            *fehler = QStringLiteral("Die Kategorienliste %1 konnte nicht gelesen werden: %2")
                          .arg(Anzeige(KategorienDatei()), Dateien::Satz(liste.Grund));
        return false;
    }
    QStringList rest;
    for (const QString& zeile : liste.Zeilen)
        if (zeile.trimmed() != n)
            rest.append(zeile);
    if (!ListeSchreiben(rest, fehler))
        return false;
    kategorien.removeAll(n);
    const QString datei = Warendatei(n);
    if (QFileInfo::exists(datei) && !QFile::remove(datei)) {
        if (fehler)
            *fehler = QStringLiteral("Die Kategorie wurde aus der Liste genommen, aber ihre Datei %1 konnte nicht "
                                     "gelöscht werden.")
                          .arg(Anzeige(datei));
        return false;
    }
    return true;
}

QString KategorieFinden(const QString& name, const QStringList& kategorien)
{
    if (kategorien.contains(name))
        return name;
    for (const QString& k : kategorien)
        if (k.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return k;
    return QString();
}

Warenergebnis WarenAusZeilen(const QStringList& zeilen)
{
    Warenergebnis e;
    const qsizetype ganze = zeilen.size() / Feldanzahl;
    e.Waren.reserve(ganze);
    for (qsizetype i = 0; i < ganze; ++i)
        e.Waren.append(zeilen.mid(i * Feldanzahl, Feldanzahl));
    const qsizetype rest = zeilen.size() % Feldanzahl;
    // Empty lines after the last good (an editor's final blank line) hold nothing that could be lost.
    bool leer = true;
    for (qsizetype i = zeilen.size() - rest; i < zeilen.size(); ++i)
        leer = leer && zeilen[i].trimmed().isEmpty();
    if (rest > 0 && !leer) {
        e.Unvollstaendig = true;
        e.Restzeilen = int(rest);
    }
    return e;
}

Warenergebnis WarenLesen(const QString& pfad)
{
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(pfad);
    Warenergebnis e;
    if (gelesen.Gelesen()) {
        e = WarenAusZeilen(gelesen.Zeilen);
    } else if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt) {
        e.Vorhanden = false;
    } else {
        e.Abgelehnt = true;
        e.KeineDatei = gelesen.Status == Zeilendatei::Lesestatus::KeineDatei;
        e.Grund = gelesen.Grund;
    }
    e.Pfad = pfad;
    e.Abdruck = gelesen.Gelesen() ? gelesen.Abdruck : Dateien::Stand(pfad);
    return e;
}

Warenergebnis WarenDurchlaufen(const QString& pfad, const QList<bool>& felder,
                               const std::function<void(const QStringList&)>& nimm)
{
    Warenergebnis e;
    e.Pfad = pfad;
    Zeilendatei::Zeilenleser leser;
    Zeilendatei::Leseergebnis gelesen = leser.Oeffnen(pfad);
    qsizetype rest = 0;
    e.Ganze = 0;
    if (gelesen.Gelesen()) {
        QStringList ware;
        for (;;) {
            ware.clear();
            if (!Zeilendatei::FelderLesen(leser, ware, Feldanzahl, felder.size() == Feldanzahl ? &felder : nullptr)) {
                rest = ware.size();
                break;
            }
            nimm(ware);
            ++e.Ganze;
        }
        if (!leser.Ende().Gelesen())
            gelesen = leser.Ende();
    }
    if (gelesen.Status == Zeilendatei::Lesestatus::Fehlt) {
        e.Vorhanden = false;
    } else if (!gelesen.Gelesen()) {
        e.Abgelehnt = true;
        e.KeineDatei = gelesen.Status == Zeilendatei::Lesestatus::KeineDatei;
        e.Grund = gelesen.Grund;
    } else if (rest > 0) {
        // Lines after the last whole good: whether they hold anything decides, and the fields passed over
        // were not read. A file that does not end on a good is rare; it is read again whole.
        const Warenergebnis ganz = WarenLesen(pfad);
        e.Unvollstaendig = ganz.Unvollstaendig;
        e.Restzeilen = ganz.Restzeilen;
    }
    return e;
}

QStringList WarenZeilen(const QList<QStringList>& waren)
{
    QStringList zeilen;
    zeilen.reserve(waren.size() * Feldanzahl);
    for (const QStringList& ware : waren)
        for (int f = 0; f < Feldanzahl; ++f)
            zeilen.append(Feld(ware, f));
    return zeilen;
}

QString Warenmeldung(const Warenergebnis& e)
{
    if (e.KeineDatei)
        return QStringLiteral("%1 ist keine gewöhnliche Datei. Die Kategorie bleibt leer, und an ihrer Stelle wird nichts "
                              "gespeichert.")
            .arg(Anzeige(e.Pfad));
    if (e.Abgelehnt)
        return QStringLiteral("Die Warendatei %1 konnte nicht gelesen werden: %2 Die Kategorie bleibt leer, und an "
                              "ihrer Stelle wird nichts gespeichert.")
            .arg(Anzeige(e.Pfad), Dateien::Satz(e.Grund));
    const qsizetype ganze = e.Ganze >= 0 ? e.Ganze : e.Waren.size();
    if (e.Unvollstaendig)
        return QStringLiteral("Die Warendatei %1 endet mitten in einem Gegenstand. %2; der Rest der Datei ist "
                              "beschädigt. Bevor die Kategorie neu gespeichert wird, wird die Originaldatei als "
                              "Sicherung (.bak) neben ihr aufbewahrt.")
            .arg(Anzeige(e.Pfad), ganze == 1 ? QStringLiteral("Gelesen wurde 1 Gegenstand")
                                              : QStringLiteral("Gelesen wurden %1 Gegenstände").arg(ganze));
    return QString();
}

bool WarenSchreiben(const QString& pfad, const QList<QStringList>& waren, QString* fehler, Dateien::Fingerabdruck* abdruck)
{
    const QFileInfo info(pfad);
    // A folder or device in the goods file's place is neither copied nor replaced.
    if (info.exists() && !info.isFile()) {
        if (fehler)
            *fehler = QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht überschrieben.").arg(Anzeige(pfad));
        return false;
    }
    if (Lagerhof3Variablen::BeschaedigteDateien.contains(pfad)) {
        if (!Dateien::SicherungAnlegen(pfad, fehler))
            return false;
        Lagerhof3Variablen::BeschaedigteDateien.remove(pfad);
    }
    QDir().mkpath(info.absolutePath());
    QString grund;
    if (Zeilendatei::Schreiben(pfad, WarenZeilen(waren), &grund, abdruck))
        return true;
    if (fehler)
        *fehler = QStringLiteral("Die Warendatei %1 konnte nicht gespeichert werden: %2").arg(Anzeige(pfad), grund);
    return false;
}

bool GegenstandAnhaengen(const QString& kategorie, const QStringList& felder, QStringList* meldungen, QString* fehler)
{
    const QString pfad = Warendatei(kategorie);
    Dateien::Sperre sperre(pfad);
    if (!sperre.Gehalten()) {
        if (fehler)
            *fehler = sperre.Grund();
        return false;
    }
    Warenergebnis e = WarenLesen(pfad);
    Vermerken(e, meldungen);
    if (e.Abgelehnt) {
        if (fehler)
            *fehler = Unlesbarmeldung(kategorie);
        return false;
    }
    QStringList ware = felder;
    Anpassen(ware);
    e.Waren.append(ware);
    return WarenSchreiben(pfad, e.Waren, fehler);
}

namespace {

// Appends a category's goods to the table and notes it as loaded.
QStringList KategorieDazuladen(Gegenstandstabelle& tabelle, const QString& name)
{
    QStringList meldungen;
    if (!KategorieVerwendbar(name) || tabelle.Geladen.contains(name))
        return meldungen;
    Warenergebnis e = WarenLesen(Warendatei(name));
    Vermerken(e, &meldungen);
    tabelle.Geladen.append(name);
    // The goods read decide whether a save changed the category; a file that could not be read at all is
    // never written.
    if (e.Abgelehnt)
        tabelle.Unlesbar.append(name);
    else
        tabelle.Gespeichert.insert(name, e.Waren);
    tabelle.Abdruecke.insert(name, e.Abdruck);
    tabelle.Zeilen.reserve(tabelle.Zeilen.size() + e.Waren.size());
    for (QStringList& ware : e.Waren)
        tabelle.Zeilen.append({std::move(ware), name});
    return meldungen;
}

} // namespace

QStringList KategorieDurchlaufen(const QString& kategorie, const QStringList& kategorien, const QList<bool>& felder,
                                 const std::function<void(const QStringList&, int)>& nimm)
{
    QStringList meldungen;
    QStringList gelesen;
    int zeile = 0;
    for (const QString& name : kategorie == Alles() ? kategorien : QStringList{kategorie}) {
        // The categories KategorieLaden takes, each once, rows counted on across them.
        if (!KategorieVerwendbar(name) || gelesen.contains(name))
            continue;
        gelesen.append(name);
        const Warenergebnis e = WarenDurchlaufen(Warendatei(name), felder, [&](const QStringList& ware) { nimm(ware, zeile++); });
        Vermerken(e, &meldungen);
    }
    return meldungen;
}

QStringList KategorieLaden(Gegenstandstabelle& tabelle, const QString& kategorie, const QStringList& kategorien)
{
    QStringList meldungen;
    tabelle.Kategorie = kategorie;
    tabelle.Zeilen.clear();
    tabelle.Geladen.clear();
    tabelle.Gespeichert.clear();
    tabelle.Abdruecke.clear();
    tabelle.Unlesbar.clear();
    const QStringList namen = kategorie == Alles() ? kategorien : QStringList{kategorie};
    for (const QString& name : namen)
        meldungen += KategorieDazuladen(tabelle, name);
    return meldungen;
}

namespace {

// Goods are known by their name (field 0 without its class digit).
const Abgleich::Regeln& Warenregeln()
{
    static const Abgleich::Regeln regeln{[](const QStringList& felder) { return Name(Feld(felder, 0)); },
                                         [](QStringList& felder, const QString& name) {
                                             felder[0] = name + Feld(felder, 0).right(1);
                                         },
                                         0};
    return regeln;
}

// Saves one category's goods, merging with the file where another program saved it meanwhile.
bool WarenAbgleichen(Gegenstandstabelle& tabelle, const QString& name, QList<QStringList>& waren, int* zeile,
                     QString* fehler)
{
    const QString pfad = Warendatei(name);
    QList<QStringList>& basis = tabelle.Gespeichert[name];
    Dateien::Fingerabdruck& abdruck = tabelle.Abdruecke[name];
    Abgleich::Tabelle datei;
    datei.Pfad = pfad;
    datei.Zeilen = &waren;
    datei.Basis = &basis;
    datei.Abdruck = &abdruck;
    datei.Lesen = [&](QList<QStringList>& fremd, Dateien::Fingerabdruck& neu, QString*) {
        Warenergebnis e = WarenLesen(pfad);
        Vermerken(e, nullptr);
        neu = e.Abdruck;
        // A file removed or unreadable meanwhile tells nothing about deleted goods: ours are written as they are.
        fremd = e.Abgelehnt || !e.Vorhanden ? basis : std::move(e.Waren);
        return true;
    };
    datei.Schreiben = [&](Dateien::Fingerabdruck& neu, QString* grund) { return WarenSchreiben(pfad, waren, grund, &neu); };
    return Abgleich::Speichern(datei, Warenregeln(), fehler, zeile);
}

} // namespace

bool KategorieSpeichern(Gegenstandstabelle& tabelle, QString* fehler, int* zeile)
{
    // Each loaded category's file holds exactly its rows afterwards, an emptied category included. A file
    // whose goods did not change is left as it is (and keeps what another program may have written since);
    // so is one that could not be read, whose goods nobody has seen.
    const bool alles = tabelle.Kategorie == Alles();
    QStringList reihenfolge = alles ? tabelle.Geladen : QStringList{tabelle.Kategorie};
    QHash<QString, QList<QStringList>> jeKategorie;
    // The category and place within it of the row to follow.
    QString zeileKategorie;
    int zeileDarin = -1;
    for (int i = 0; i < tabelle.Anzahl(); ++i) {
        const Gegenstand& g = tabelle.Zeilen[i];
        const QString& k = alles ? g.Kategorie : tabelle.Kategorie;
        if (!reihenfolge.contains(k))
            reihenfolge.append(k);
        if (zeile && *zeile == i) {
            zeileKategorie = k;
            zeileDarin = int(jeKategorie[k].size());
        }
        jeKategorie[k].append(g.Felder);
    }
    QStringList fehlerliste;
    bool abgebrochen = false;
    bool zusammengefuehrt = false;
    tabelle.Zusammengefuehrt = false;
    for (const QString& name : reihenfolge) {
        if (!KategorieVerwendbar(name))
            continue;
        QList<QStringList>& waren = jeKategorie[name];
        if (tabelle.Unlesbar.contains(name)) {
            if (!waren.isEmpty())
                fehlerliste.append(Unlesbarmeldung(name));
            continue;
        }
        // Goods unchanged here leave the file to what another program may have written since.
        const auto gespeichert = tabelle.Gespeichert.constFind(name);
        if (gespeichert != tabelle.Gespeichert.constEnd() && *gespeichert == waren)
            continue;
        const qsizetype vorher = waren.size();
        const QList<QStringList> alt = waren;
        QString grund;
        int* darin = name == zeileKategorie ? &zeileDarin : nullptr;
        if (!WarenAbgleichen(tabelle, name, waren, darin, &grund)) {
            if (grund.isEmpty())
                abgebrochen = true;
            else
                fehlerliste.append(grund);
            continue;
        }
        zusammengefuehrt = zusammengefuehrt || waren.size() != vorher || waren != alt;
    }
    if (zusammengefuehrt) {
        // The rows follow the files: category by category in the table's order.
        QList<Gegenstand> zeilen;
        int neueZeile = -1;
        for (const QString& name : reihenfolge) {
            const QList<QStringList> waren = jeKategorie.value(name);
            for (int i = 0; i < waren.size(); ++i) {
                if (name == zeileKategorie && i == zeileDarin)
                    neueZeile = int(zeilen.size());
                zeilen.append({waren[i], name});
            }
        }
        tabelle.Zeilen = std::move(zeilen);
        tabelle.Zusammengefuehrt = true;
        if (zeile)
            *zeile = neueZeile;
    }
    if (fehler)
        *fehler = fehlerliste.join(QLatin1Char('\n'));
    return fehlerliste.isEmpty() && !abgebrochen;
}

bool Ungespeichert(const Gegenstandstabelle& tabelle)
{
    const bool alles = tabelle.Kategorie == Alles();
    QHash<QString, QList<QStringList>> jeKategorie;
    for (const Gegenstand& g : tabelle.Zeilen)
        jeKategorie[alles ? g.Kategorie : tabelle.Kategorie].append(g.Felder);
    for (auto it = jeKategorie.constBegin(); it != jeKategorie.constEnd(); ++it)
        if (KategorieVerwendbar(it.key()) && !tabelle.Unlesbar.contains(it.key())
            && tabelle.Gespeichert.value(it.key()) != it.value())
            return true;
    for (auto it = tabelle.Gespeichert.constBegin(); it != tabelle.Gespeichert.constEnd(); ++it)
        if (!it.value().isEmpty() && !jeKategorie.contains(it.key()))
            return true;
    return false;
}

int GegenstandHinzufuegen(Gegenstandstabelle& tabelle, QStringList felder, const QString& kategorie)
{
    Anpassen(felder);
    tabelle.Zeilen.append({std::move(felder), kategorie.isEmpty() ? tabelle.Kategorie : kategorie});
    return tabelle.Anzahl() - 1;
}

void GegenstandAendern(Gegenstandstabelle& tabelle, int zeile, QStringList felder)
{
    if (zeile < 0 || zeile >= tabelle.Anzahl())
        return;
    Anpassen(felder);
    tabelle.Zeilen[zeile].Felder = std::move(felder);
}

bool GegenstandLoeschen(Gegenstandstabelle& tabelle, int zeile)
{
    if (zeile < 0 || zeile >= tabelle.Anzahl())
        return false;
    tabelle.Zeilen.removeAt(zeile);
    return true;
}

int GegenstandSuchen(const Gegenstandstabelle& tabelle, const QString& name)
{
    for (int i = 0; i < tabelle.Anzahl(); ++i)
        if (Name(Feld(tabelle.Zeilen[i].Felder, 0)) == name)
            return i;
    return -1;
}

QString EigeneKategorie(const Gegenstandstabelle& tabelle, int zeile)
{
    if (tabelle.Kategorie != Alles() || zeile < 0 || zeile >= tabelle.Anzahl())
        return tabelle.Kategorie;
    return tabelle.Zeilen[zeile].Kategorie;
}

QString Eingabefehler(const QStringList& felder)
{
    if (Name(Feld(felder, 0)).isEmpty() || WertklasseIndex(Feld(felder, 0)) < 0)
        return QStringLiteral("Ein Gegenstand braucht einen Namen und eine Wertklasse.");
    QString meldung;
    if (!Subs::NameEinzeilig(Name(Feld(felder, 0)), &meldung))
        return meldung;
    if (Betrag(Feld(felder, 2)).isEmpty())
        return QStringLiteral("Ein Gegenstand braucht einen Preis.");
    if (WaehrungsIndex(Feld(felder, 2)) < 0)
        return QStringLiteral("Ein Gegenstand braucht eine Währung.");
    return QString();
}

Speicherergebnis GegenstandSpeichern(Gegenstandstabelle& tabelle, bool bearbeiten,
                                     int zeile, const QStringList& werte, const QString& ziel,
                                     const std::function<bool()>& verschieben)
{
    // A copy: the values may be a row of this very table, which moves below.
    const QStringList felder = werte;
    Speicherergebnis e;
    const QString grund = Eingabefehler(felder);
    if (!grund.isEmpty()) {
        e.Meldungen.append(grund);
        return e;
    }
    const bool alles = tabelle.Kategorie == Alles();
    const bool zielAlles = ziel.trimmed().compare(Alles(), Qt::CaseInsensitive) == 0;
    const bool zielGueltig = !ziel.isEmpty() && !zielAlles && KategorieVerwendbar(ziel);
    const auto ablehnen = [&e](const QString& meldung) {
        e.Aktion = Speicheraktion::Abgelehnt;
        e.Meldungen.append(meldung);
        return e;
    };
    if (zielAlles && (bearbeiten || !alles))
        return ablehnen(bearbeiten ? QStringLiteral("„Alles“ ist keine Kategorie, in die ein Gegenstand verschoben werden "
                                                    "kann. Wählt im Feld „Kategorie“ die Kategorie, zu der er gehören "
                                                    "soll.")
                                   : QStringLiteral("„Alles“ ist keine Kategorie. Wählt im Feld „Kategorie“, zu welcher "
                                                    "Kategorie der neue Gegenstand gehört."));
    // Nothing goes into a category whose file could not be read: its goods would be lost.
    if (!alles && tabelle.Unlesbar.contains(tabelle.Kategorie))
        return ablehnen(Unlesbarmeldung(tabelle.Kategorie));
    if (zielGueltig && tabelle.Unlesbar.contains(ziel))
        return ablehnen(Unlesbarmeldung(ziel));
    QString fehler;
    // A target under "Alles" whose file was not loaded (made after loading) joins the table first, so its
    // goods are written back with it.
    const auto nachladen = [&] {
        if (tabelle.Geladen.contains(ziel))
            return QStringList();
        e.Nachgeladen = true;
        return KategorieDazuladen(tabelle, ziel);
    };
    const auto unlesbarNachgeladen = [&] {
        if (!tabelle.Unlesbar.contains(ziel))
            return false;
        ablehnen(Unlesbarmeldung(ziel));
        return true;
    };
    const auto speichern = [&] {
        // A merge with another program's save may move the row.
        if (!KategorieSpeichern(tabelle, &fehler, &e.Zeile)) {
            e.Geschrieben = false;
            if (!fehler.isEmpty())
                e.Meldungen.append(fehler);
        }
    };

    if (bearbeiten && zeile >= 0 && zeile < tabelle.Anzahl()) {
        const QString eigene = EigeneKategorie(tabelle, zeile);
        if (zielGueltig && ziel != eigene) {
            if (!verschieben || !verschieben()) {
                // The good stays as it was stored.
                e.Aktion = Speicheraktion::Behalten;
                e.Zeile = zeile;
                speichern();
                return e;
            }
            e.Aktion = Speicheraktion::Verschoben;
            e.Geloescht = zeile;
            if (alles) {
                e.Meldungen += nachladen();
                if (unlesbarNachgeladen()) {
                    e.Geloescht = -1;
                    return e;
                }
                // Under "Alles" the good stays in the table, now at the end of its new category.
                GegenstandLoeschen(tabelle, zeile);
                e.Zeile = GegenstandHinzufuegen(tabelle, felder, ziel);
            } else {
                if (!GegenstandAnhaengen(ziel, felder, &e.Meldungen, &fehler)) {
                    e.Aktion = Speicheraktion::Abgelehnt;
                    e.Geloescht = -1;
                    e.Meldungen.append(fehler);
                    return e;
                }
                GegenstandLoeschen(tabelle, zeile);
            }
            speichern();
            return e;
        }
        GegenstandAendern(tabelle, zeile, felder);
        e.Aktion = Speicheraktion::Geaendert;
        e.Zeile = zeile;
        speichern();
        return e;
    }

    if (alles) {
        if (!zielGueltig) {
            e.Meldungen.append(QStringLiteral("Unter „Alles“ müsst ihr im Feld „Kategorie“ wählen, zu welcher Kategorie "
                                              "der neue Gegenstand gehört."));
            return e;
        }
        e.Meldungen += nachladen();
        if (unlesbarNachgeladen())
            return e;
        e.Aktion = Speicheraktion::Hinzugefuegt;
        e.Zeile = GegenstandHinzufuegen(tabelle, felder, ziel);
        speichern();
        return e;
    }
    if (zielGueltig && ziel != tabelle.Kategorie) {
        // A new good goes to the category its editor names, even when another one is shown.
        e.Aktion = Speicheraktion::Angehaengt;
        if (!GegenstandAnhaengen(ziel, felder, &e.Meldungen, &fehler)) {
            e.Aktion = Speicheraktion::Abgelehnt;
            e.Meldungen.append(fehler);
        }
        return e;
    }
    e.Aktion = Speicheraktion::Hinzugefuegt;
    e.Zeile = GegenstandHinzufuegen(tabelle, felder);
    speichern();
    return e;
}

QStringList ErsatzdateienUebernehmen()
{
    QStringList meldungen;
    Dateien::Sperre sperre(KategorienDatei());
    if (!sperre.Gehalten())
        return {sperre.Grund()};
    for (const QString& name : Waffenkategorien()) {
        const QString ersatz = Warendatei(QStringLiteral("Warehouse") + name);
        if (!Subs::DateiVorhanden(ersatz))
            continue;
        const QString ziel = Warendatei(name);
        const Zeilendatei::Leseergebnis gelesen = Zeilendatei::Laden(ersatz);
        QString grund = gelesen.Grund;
        // The replacement is removed only once its goods are safely in place.
        if (gelesen.Gelesen() && Zeilendatei::Schreiben(ziel, gelesen.Zeilen, &grund)) {
            Lagerhof3Variablen::BeschaedigteDateien.remove(ziel);
            if (!QFile::remove(ersatz))
                meldungen.append(QStringLiteral("Die Ersatzdatei %1 wurde übernommen, konnte aber nicht gelöscht werden; "
                                                "sie ersetzt die Waren beim nächsten Start erneut.")
                                     .arg(Anzeige(ersatz)));
            continue;
        }
        meldungen.append(QStringLiteral("Die Ersatzdatei %1 konnte nicht übernommen werden: %2 %3 bleibt, wie sie ist.")
                             .arg(Anzeige(ersatz), Dateien::Satz(grund), Anzeige(ziel)));
    }
    return meldungen;
}

QList<QStringList> NeueWaren(const QList<QStringList>& bekannt, int art, const QList<QStringList>& datensaetze)
{
    // Weight, price amount, currency, description, regions of each armory table.
    static const int felder[3][5] = {{2, 11, 27, 4, 28}, {2, 9, 21, 4, 22}, {2, 9, 18, 3, 19}};
    if (art < 0 || art > 2)
        return {};
    const int* f = felder[art];
    // Views into the known goods' names: thousands of goods need no copies of their names.
    QSet<QStringView> namen;
    namen.reserve(bekannt.size());
    for (const QStringList& ware : bekannt)
        if (!ware.isEmpty())
            namen.insert(QStringView(ware.first()).left(ware.first().size() - 1));
    QList<QStringList> neu;
    for (const QStringList& d : datensaetze) {
        const QString name = Feld(d, 1);
        if (namen.contains(QStringView(name)))
            continue;
        neu.append({name + QLatin1Char('1'), Feld(d, f[0]), Feld(d, f[1]) + Feld(d, f[2]).left(1), Feld(d, f[3]),
                    Feld(d, f[4])});
    }
    return neu;
}

QStringList WaffenUebernehmen(int* neu)
{
    QStringList meldungen;
    int anzahl = 0;
    if (neu)
        *neu = 0;
    // Read and extended under the lock: another program taking over at the same moment adds nothing twice.
    Dateien::Sperre sperre(KategorienDatei());
    if (!sperre.Gehalten())
        return {sperre.Grund()};
    const Waffentabellen::Tabelle tabellen[] = {Waffentabellen::Tabelle::NWaffen, Waffentabellen::Tabelle::FWaffen,
                                                Waffentabellen::Tabelle::Armor};
    for (int art = 0; art < 3; ++art) {
        Waffentabellen::Waffentabelle armory;
        armory.Art = tabellen[art];
        if (!Waffentabellen::TabelleLaden(armory).Vorhanden)
            continue;
        const QString pfad = Warendatei(Waffenkategorien()[art]);
        // The goods before this run decide what is known.
        Warenergebnis waren = WarenLesen(pfad);
        Vermerken(waren, &meldungen);
        // Goods nobody could read are not replaced by the armory's records.
        if (waren.Abgelehnt)
            continue;
        const QList<QStringList> neue = NeueWaren(waren.Waren, art, armory.Zeilen);
        if (neue.isEmpty())
            continue;
        waren.Waren += neue;
        QString fehler;
        if (WarenSchreiben(pfad, waren.Waren, &fehler))
            anzahl += int(neue.size());
        else
            meldungen.append(fehler);
    }
    if (neu)
        *neu = anzahl;
    return meldungen;
}

} // namespace Katalog
