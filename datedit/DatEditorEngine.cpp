#include "DatEditorEngine.h"

#include "Abgleich.h"
#include "Dateien.h"
#include "Dialoge.h"
#include "Pfad.h"
#include "Variablen.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace DatEditorEngine {

const QString Shopdatei = QStringLiteral("ShopgeneratorConfig");

namespace {

// The day tool's events, then each terrain's events and encounters, then the journey's provisions.
QStringList TageslaufDateien()
{
    static const char* const gelaende[] = {"Eisgebiete", "Gebirge", "Grasland", "Klippengebiete", "Regenwald",
                                           "Steppe", "Straßen", "Sumpf", "Wald", "Wüste"};
    QStringList dateien{QStringLiteral("DayEreignisse")};
    for (const char* ordner : {"Ereignisse\\", "Begegnungen\\"})
        for (const char* g : gelaende)
            dateien.append(QString::fromUtf8(ordner) + QString::fromUtf8(g));
    dateien.append(QStringLiteral("Reiseproviant"));
    return dateien;
}

} // namespace

const QList<Werkzeug>& Werkzeuge()
{
    // The traders come before the craftsmen, as the city tool lists them.
    static const QList<Werkzeug> werkzeuge = {
        {QStringLiteral("Ortsbau 3"), QStringLiteral("\\City"),
         {QStringLiteral("BornlandMännlich"), QStringLiteral("BornlandNachname"), QStringLiteral("BornlandWeiblich"),
          QStringLiteral("CityZufallsereignisse"), QStringLiteral("Dienstleistung1"), QStringLiteral("Dienstleistung2"),
          QStringLiteral("ElfenMännlich"), QStringLiteral("ElfenNachname1"), QStringLiteral("ElfenNachname2"),
          QStringLiteral("ElfenWeiblich"), QStringLiteral("GarethMännlich"), QStringLiteral("GarethNachname"),
          QStringLiteral("GarethWeiblich"), QStringLiteral("Grossbetriebe"), QStringLiteral("Händler1"),
          QStringLiteral("Händler2"), QStringLiteral("Händler3"), QStringLiteral("Handwerker1"),
          QStringLiteral("Handwerker2"), QStringLiteral("Handwerker3"), QStringLiteral("Heiler"), QStringLiteral("Lage Fluss"),
          QStringLiteral("Lage Gebirge"), QStringLiteral("Lage Küste"), QStringLiteral("Mohas"), QStringLiteral("NivesenMännlich"), QStringLiteral("NivesenWeiblich"), QStringLiteral("NorbardenMännlich"),
          QStringLiteral("NorbardenNachname"), QStringLiteral("NorbardenWeiblich"), QStringLiteral("ThorwalerMännlich"),
          QStringLiteral("ThorwalerWeiblich"), QStringLiteral("TulamidenMännlich"), QStringLiteral("TulamidenWeiblich"),
          QStringLiteral("ZwergeMännlich"), QStringLiteral("ZwergeWeiblich")}},
        {QStringLiteral("Tageslauf 3"), QStringLiteral("\\Day"), TageslaufDateien()},
        {QStringLiteral("Lagerhof 3"), QStringLiteral("\\Warehouse"), {Shopdatei}},
    };
    return werkzeuge;
}

QStringList Werkzeugnamen()
{
    QStringList namen;
    for (const Werkzeug& w : Werkzeuge())
        namen.append(w.Name);
    return namen;
}

const Werkzeug* WerkzeugSuchen(const QString& name)
{
    for (const Werkzeug& w : Werkzeuge())
        if (w.Name == name)
            return &w;
    return nullptr;
}

bool IstShopmodus(const QString& datei)
{
    return datei == Shopdatei;
}

QStringList Textdateien(const Werkzeug& werkzeug)
{
    QStringList dateien;
    for (const QString& d : werkzeug.Dateien)
        if (!IstShopmodus(d))
            dateien.append(d);
    return dateien;
}

QString Ordnerpfad(const Werkzeug& werkzeug)
{
    return Pfad::Verbinden(Variablen::DataPfad, werkzeug.Ordner);
}

QString Tabellenpfad(const Werkzeug& werkzeug, const QString& datei)
{
    return Pfad::Verbinden(Variablen::DataPfad, werkzeug.Ordner + QLatin1Char('\\') + datei + QStringLiteral(".dat"));
}

QString TextAusBytes(const QByteArray& bytes)
{
    QString text = Zeilendatei::AlsText(bytes);
    // One pass: CR LF and a lone CR become "\n"; every other character stays.
    QChar* anfang = text.data();
    const QChar* lesen = anfang;
    const QChar* ende = anfang + text.size();
    QChar* schreiben = anfang;
    bool trenner = false;
    while (lesen < ende) {
        if (*lesen == QLatin1Char('\r')) {
            *schreiben++ = QLatin1Char('\n');
            ++lesen;
            if (lesen < ende && *lesen == QLatin1Char('\n'))
                ++lesen;
        } else {
            trenner = trenner || lesen->unicode() >= 0x2028;
            *schreiben++ = *lesen++;
        }
    }
    text.truncate(schreiben - anfang);
    // A file in UTF-8 may hold characters a text box takes for line breaks. They stay references, so the
    // line stays one line, as the other tools read it.
    if (trenner)
        for (const char16_t c : {u'\u2028', u'\u2029', u'\uFDD0', u'\uFDD1'})
            text.replace(QChar(c), QStringLiteral("&#%1;").arg(int(c)));
    return text;
}

namespace {

// Line breaks besides "\n": CR (alone or before LF), the line and paragraph separators of a text box
// (Shift+Enter gives the first) and the frame marks of a text document.
bool IstUmbruch(char16_t c)
{
    return c == u'\r' || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

} // namespace

QString ZeilenumbruecheVereinheitlichen(const QString& text)
{
    const char16_t* quelle = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && !IstUmbruch(quelle[i]))
        ++i;
    if (i == n)
        return text;
    // Written through a pointer: a table of 100,000 lines passes here on every save.
    QString aus(n, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(aus.data());
    std::copy(quelle, quelle + i, ziel);
    qsizetype j = i;
    for (; i < n; ++i) {
        const char16_t c = quelle[i];
        if (!IstUmbruch(c)) {
            ziel[j++] = c;
            continue;
        }
        if (c == u'\r' && i + 1 < n && quelle[i + 1] == u'\n')
            ++i;
        ziel[j++] = u'\n';
    }
    aus.truncate(j);
    return aus;
}

namespace {

// Characters that are one byte of their own in the code page: ASCII and 0xA0..0xFF.
bool EinByte(char16_t c)
{
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF);
}

// How many UTF-16 units the character at i takes: two for a surrogate pair.
qsizetype Zeichenlaenge(const char16_t* quelle, qsizetype i, qsizetype n)
{
    return QChar::isHighSurrogate(quelle[i]) && i + 1 < n && QChar::isLowSurrogate(quelle[i + 1]) ? 2 : 1;
}

} // namespace

QByteArray BytesAusText(const QString& text)
{
    const QString zeilen = ZeilenumbruecheVereinheitlichen(text);
    const char16_t* quelle = reinterpret_cast<const char16_t*>(zeilen.utf16());
    const qsizetype n = zeilen.size();
    // One pass without checks for the common characters: room is kept for two bytes per character still to
    // come, which only a reference can exceed. A table of 100,000 lines passes here on every save.
    QByteArray aus(2 * n, Qt::Uninitialized);
    char* ziel = aus.data();
    qsizetype j = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = quelle[i];
        if (c == u'\n') {
            ziel[j++] = '\r';
            ziel[j++] = '\n';
        } else if (EinByte(c)) {
            ziel[j++] = char(c);
        } else {
            // The code page's own characters of 0x80..0x9F, and references for the rest.
            const qsizetype laenge = Zeichenlaenge(quelle, i, n);
            const QByteArray stueck = Zeilendatei::InCodepage(zeilen.mid(i, laenge));
            i += laenge - 1;
            const qsizetype noetig = j + stueck.size() + 2 * (n - i - 1);
            if (noetig > aus.size()) {
                aus.resize(noetig + n / 8);
                ziel = aus.data();
            }
            std::copy(stueck.begin(), stueck.end(), ziel + j);
            j += stueck.size();
        }
    }
    aus.truncate(j);
    return Zeilendatei::Eindeutig(std::move(aus));
}

namespace {

bool Ablehnen(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
    return false;
}

bool AtomarSchreiben(const QString& pfad, const QByteArray& bytes, QString* fehler)
{
    const QString ordner = QFileInfo(pfad).absolutePath();
    QString grund;
    // The day tool's folder may not exist yet in an installation; the table is created with it.
    if ((!QFileInfo(ordner).exists() && !QDir().mkpath(ordner)) || !Zeilendatei::SchreibenRoh(pfad, bytes, &grund))
        return Ablehnen(fehler, QStringLiteral("Die Datei %1 konnte nicht gespeichert werden: %2")
                                    .arg(Dateien::Anzeigename(pfad), grund.isEmpty() ? QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(Dateien::Anzeigename(ordner)) : grund));
    return true;
}

} // namespace

QString FehltHinweis(const QString& name)
{
    return QStringLiteral("Die Datei „%1.dat“ fehlt; beim Speichern wird sie angelegt.").arg(name);
}

Tabelle TabelleLaden(const QString& pfad, const QString& name)
{
    Tabelle t;
    QByteArray bytes;
    QString grund;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::LadenRoh(pfad, bytes);
    grund = gelesen.Grund;
    switch (gelesen.Status) {
    case Zeilendatei::Lesestatus::Gelesen:
        t.Text = TextAusBytes(bytes);
        t.Abdruck = gelesen.Abdruck;
        return t;
    case Zeilendatei::Lesestatus::Fehlt:
        // A dangling link is no missing file: saving would write through it somewhere else.
        if (!QFileInfo(pfad).isSymLink()) {
            t.Status = Tabelle::Zustand::Fehlt;
            t.Meldung = FehltHinweis(name);
            t.Abdruck = Dateien::Stand(pfad);
            return t;
        }
        grund = QStringLiteral("die Verknüpfung zeigt ins Leere");
        break;
    default:
        break;
    }
    t.Status = Tabelle::Zustand::Fehler;
    t.Meldung = QStringLiteral("Die Datei %1 kann nicht bearbeitet werden: %2.").arg(Dateien::Anzeigename(pfad), grund);
    return t;
}

bool TabelleSpeichern(const QString& pfad, const QString& text, QString* fehler)
{
    return AtomarSchreiben(pfad, BytesAusText(text), fehler);
}

Tabellenspeicherung TabelleAbgleichen(const QString& pfad, QString& text, QString& geladen,
                                      Dateien::Fingerabdruck& abdruck, QString* fehler)
{
    for (;;) {
        Dateien::Sperre sperre(pfad);
        if (!sperre.Gehalten()) {
            Ablehnen(fehler, sperre.Grund());
            return Tabellenspeicherung::Fehler;
        }
        if (Dateien::Unveraendert(pfad, abdruck)) {
            if (!TabelleSpeichern(pfad, text, fehler))
                return Tabellenspeicherung::Fehler;
            geladen = text;
            abdruck = Dateien::Abdruck(pfad);
            return Tabellenspeicherung::Gespeichert;
        }
        // Saved elsewhere meanwhile: the other text is read under the lock, the question asked without it.
        const Tabelle andere = TabelleLaden(pfad, QFileInfo(pfad).completeBaseName());
        // What stands there now cannot be read as a table: the save goes ahead as before and says why it fails.
        if (andere.Status == Tabelle::Zustand::Fehler) {
            if (!TabelleSpeichern(pfad, text, fehler))
                return Tabellenspeicherung::Fehler;
            geladen = text;
            abdruck = Dateien::Abdruck(pfad);
            return Tabellenspeicherung::Gespeichert;
        }
        sperre.Freigeben();
        const Dialoge::Antwort antwort = Dialoge::Konflikt(
            QStringLiteral("„%1“ wurde inzwischen auch in einem anderen Fenster geändert.").arg(QFileInfo(pfad).fileName()),
            QStringLiteral("„Beide behalten“ nimmt die andere Fassung und bringt die Änderungen dieses Fensters Zeile für "
                           "Zeile hinein: hier hinzugefügte Zeilen kommen dazu, hier gelöschte fallen weg."));
        switch (antwort) {
        case Dialoge::Antwort::Andere:
            text = andere.Text;
            geladen = andere.Text;
            abdruck = andere.Abdruck;
            return Tabellenspeicherung::Uebernommen;
        case Dialoge::Antwort::Beide: {
            const auto zeilen = [](const QString& t) { return t.split(QLatin1Char('\n')); };
            text = Abgleich::Zeilen(zeilen(geladen), zeilen(text), zeilen(andere.Text)).join(QLatin1Char('\n'));
            break;
        }
        case Dialoge::Antwort::Meine:
            break;
        default:
            return Tabellenspeicherung::Abgebrochen;
        }
        // Written at the next look, unless the file changed once more while the question was open.
        geladen = andere.Text;
        abdruck = andere.Abdruck;
    }
}

bool TextdateiLesen(const QString& pfad, QString* text, QString* fehler)
{
    QByteArray bytes;
    QString grund;
    const Zeilendatei::Leseergebnis gelesen = Zeilendatei::LadenRoh(pfad, bytes);
    if (!gelesen.Gelesen())
        return Ablehnen(fehler, QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2.")
                                    .arg(Dateien::Anzeigename(pfad), gelesen.Grund));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder dekoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text8 = dekoder.decode(bytes);
    if (dekoder.hasError())
        return Ablehnen(fehler, QStringLiteral("Die Datei %1 ist kein gültiger UTF-8-Text; die Tabelle bleibt unverändert.")
                                    .arg(Dateien::Anzeigename(pfad)));
    if (text)
        *text = ZeilenumbruecheVereinheitlichen(text8);
    return true;
}

bool TextdateiSchreiben(const QString& pfad, const QString& text, QString* fehler)
{
    QString grund;
    if (Zeilendatei::SchreibenRoh(pfad, ZeilenumbruecheVereinheitlichen(text).toUtf8(), &grund))
        return true;
    return Ablehnen(fehler, QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund));
}

} // namespace DatEditorEngine
