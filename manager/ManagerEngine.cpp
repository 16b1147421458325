#include "ManagerEngine.h"

#include "Anwendungsmenue.h"
#include "Dateien.h"
#include "Desktopeintrag.h"
#include "Dialoge.h"
#include "FileSearchEngine.h"
#include "Pfad.h"
#include "Shell.h"
#include "Subs.h"
#include "Variablen.h"
#include "VarlSuite.h"
#include "Warenkategorien.h"
#include "Zeilendatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace ManagerEngine {

namespace {

const QString kIni = QStringLiteral("Werkbund3.ini");

// The installation's programs as the suite ships them (without extension), with what each is for.
struct Suitenprogramm {
    const char* datei;
    const char* titel;
    const char* zweck;
};
constexpr Suitenprogramm kSuite[] = {
    {"Leitstand3", "Werkbund Utilities 3", "Die Werkbund-Programme starten, Links und Tagesnotizen führen"},
    {"Ortsbau3", "Ortsbau 3", "Städte erfinden und verwalten"},
    {"Waffkam3", "Waffkam 3", "Waffen und Rüstungen verwalten, schmieden und auswürfeln"},
    {"Lagerhof3", "Lagerhof 3", "Waren, Läden und ihr Sortiment verwalten"},
    {"Bestiar3", "Bestiar 3", "Kreaturen verwalten und Kämpfe durchrechnen"},
    {"Tageslauf3", "Tageslauf 3", "Wetter, Reisen und Tagesereignisse auswürfeln"},
    {"Kartenblick3", "Kartenblick 3", "Die Weltkarte mit ihren Städten ansehen und Entfernungen messen"},
    {"Tabellar3", "Tabellar 3", "Die Tabellen der anderen Programme bearbeiten"},
};

const Suitenprogramm* SuitenProgramm(const QString& datei)
{
    const QString name = Anzeigename(datei);
    for (const Suitenprogramm& p : kSuite)
        if (name == QLatin1String(p.datei))
            return &p;
    return nullptr;
}

// A path below the installation as the user reads it in a message.
QString Anzeige(const QString& pfad)
{
    return QDir(Variablen::AppPfad).relativeFilePath(pfad);
}

} // namespace

QString Titel()
{
    return QStringLiteral("Werkbund Utilities 3");
}

int ZahlLesen(const QString& abschnitt, const QString& schluessel)
{
    bool ok = false;
    const qint64 wert = Subs::Ganzzahl(Subs::IniLesen(Variablen::IniDatei, abschnitt, schluessel), &ok);
    if (!ok)
        return 0;
    return int(std::clamp<qint64>(wert, -32768, 32767));
}

bool EinstellungenSchreiben(const QString& abschnitt, const QList<QPair<QString, QString>>& werte)
{
    QString fehler;
    if (Subs::IniSchreiben(Variablen::IniDatei, abschnitt, werte, &fehler))
        return true;
    Dialoge::Warnung(QStringLiteral("Die Einstellungen konnten nicht in Werkbund3.ini gespeichert werden. ") + fehler);
    return false;
}

bool KonfigurationPruefen()
{
    if (Subs::DateiVorhanden(Pfad::Verbinden(Variablen::AppPfad, QLatin1Char('\\') + kIni)))
        return true;
    Dialoge::Fehler(QStringLiteral("Die Konfigurationsdatei Werkbund3.ini wurde nicht gefunden, ihr solltet "
                                   "Werkbund3 neu installieren."),
                    QStringLiteral("Fehler"));
    return false;
}

Umgebung StandardUmgebung()
{
    return {QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
            QFileInfo(QCoreApplication::applicationFilePath()).fileName(), Anwendungsmenue::StandardOrdner()};
}

bool Erstlauf(FileSearchEngine& suche, const Umgebung& umgebung)
{
    Dialoge::Hinweis(QStringLiteral("Willkommen in der Welt von ") + Variablen::Programmtitel
                     + QStringLiteral(". Da ihr das Programm zum ersten Mal startet, müssen noch einige "
                                      "Einstellungen vorgenommen werden."));
    Variablen::Benutzername = Dialoge::Eingabe(QStringLiteral("Bitte nennt mir euren Namen, Meister."));
    if (Variablen::Benutzername.isEmpty()) {
        Dialoge::Warnung(QStringLiteral("Ihr müsst einen Benutzernamen angeben, ansonsten kann die Konfiguration "
                                        "nicht fortgesetzt werden."));
        return false;
    }
    if (Variablen::Benutzername == QLatin1String("Ashgrim"))
        Dialoge::Fehler(QStringLiteral("Na na na, wer wird sich denn hier unter meinem Namen anmelden ? ;-)))"),
                        Variablen::Programmtitel);
    // Without a writable settings file every later step would fail on its own; one message ends the run.
    QString fehler;
    if (!Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("General"),
                            {{QStringLiteral("UserName"), Variablen::Benutzername}, {QStringLiteral("Started"), QStringLiteral("1")}},
                            &fehler)) {
        Dialoge::Fehler(QStringLiteral("Die Einrichtung kann nicht fortgesetzt werden, denn die Einstellungen lassen "
                                       "sich nicht speichern: %1\n\nBitte prüft, ob Werkbund3.ini und ihr Ordner "
                                       "beschreibbar sind, und startet den Leitstand dann erneut.")
                            .arg(fehler),
                        QStringLiteral("Fehler"));
        return false;
    }
    OrdnerAnlegen();
    if (Dialoge::Frage(QStringLiteral("Wollt ihr, dass ich eine Verknüpfung zum Leitstand3 auf dem Desktop anlege ?")))
        VerknuepfungAnlegen(umgebung);
    // Entries already in place for this installation (scripts/run writes them) need no question.
    if (!Anwendungsmenue::Aktuell(umgebung.datenOrdner)
        && Dialoge::Frage(QStringLiteral("Werkbund 3 ins Anwendungsmenü eintragen?")))
        MenueEintragen(umgebung);
    Dialoge::Hinweis(QStringLiteral("Ich durchsuche nun alle Laufwerke nach der Varl-Suite 1.01."));
    VarlSuite::SuchenUndEinrichten(suche);
    Dialoge::Hinweis(QStringLiteral("Ich lege nun ein Backup der Default-Datenbanken an, ihr findet diese im "
                                    "Ordner Backup."));
    BackupAnlegen();
    Dialoge::Hinweis(QStringLiteral("Ich versuche nun, die vorhandenen Werkbund-Tools zu lokalisieren."));
    return true;
}

void OrdnerAnlegen()
{
    QStringList fehlgeschlagen;
    for (const char* name : {"\\HTML", "\\Temp", "\\WBD", "\\Backup", "\\Backup\\Armory", "\\Backup\\Creatures",
                             "\\Backup\\Explorer", "\\Backup\\Warehouse"}) {
        const QString pfad = Pfad::Verbinden(Variablen::AppPfad, QLatin1String(name));
        if (!Subs::OrdnerVorhanden(pfad) && !QDir().mkdir(pfad))
            fehlgeschlagen.append(Anzeige(pfad));
    }
    if (!fehlgeschlagen.isEmpty())
        Dialoge::Warnung(QStringLiteral("Diese Ordner konnten nicht angelegt werden:\n") + fehlgeschlagen.join(QLatin1Char('\n')));
}

QString VerknuepfungsText(const Umgebung& umgebung)
{
    const QString programm = Variablen::AppPfad + QLatin1Char('/') + umgebung.programmName;
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=") + Desktopeintrag::Wert(Titel())
        + QStringLiteral("\nExec=") + Desktopeintrag::Wert(Desktopeintrag::Exec(programm))
        + QStringLiteral("\nPath=") + Desktopeintrag::Wert(Variablen::AppPfad)
        + QStringLiteral("\nIcon=") + Desktopeintrag::Wert(Pfad::Verbinden(Variablen::GfxPfad, QStringLiteral("\\Werkbund3.ico")))
        + QStringLiteral("\nTerminal=false\n");
}

bool VerknuepfungAnlegen(const Umgebung& umgebung)
{
    if (umgebung.desktopOrdner.isEmpty() || !QFileInfo(umgebung.desktopOrdner).isDir()) {
        Dialoge::Warnung(QStringLiteral("Ich habe keinen Desktop-Ordner gefunden, darum lege ich keine Verknüpfung "
                                        "an. Die Einrichtung geht trotzdem weiter."));
        return false;
    }
    QString grund;
    // Desktops start only launchers that are marked executable.
    const bool ok = Dateien::Schreiben(umgebung.desktopOrdner + QStringLiteral("/Werkbund Utilities 3.desktop"),
                                       VerknuepfungsText(umgebung).toUtf8(), &grund, true);
    if (!ok)
        Dialoge::Warnung(QStringLiteral("Die Verknüpfung auf dem Desktop konnte nicht angelegt werden: ") + grund);
    return ok;
}

bool MenueEintragen(const Umgebung& umgebung)
{
    if (umgebung.datenOrdner.isEmpty()) {
        Dialoge::Warnung(QStringLiteral("Ich habe keinen Ordner für das Anwendungsmenü gefunden, darum trage ich "
                                        "nichts ein. Die Einrichtung geht trotzdem weiter."));
        return false;
    }
    const Anwendungsmenue::Ergebnis ergebnis = Anwendungsmenue::Eintragen(umgebung.datenOrdner);
    if (ergebnis.fehler.isEmpty())
        return true;
    Dialoge::Warnung(QStringLiteral("Das Anwendungsmenü ist nicht vollständig eingerichtet:\n") + ergebnis.fehler.join(QLatin1Char('\n')));
    return false;
}

namespace {

void BackupMelden(const QStringList& fehlend, const QStringList& fehler)
{
    if (!fehlend.isEmpty())
        Dialoge::Warnung(QStringLiteral("Diese Datenbanken wurden nicht gefunden und darum nicht gesichert:\n")
                         + fehlend.join(QLatin1Char('\n')));
    if (!fehler.isEmpty())
        Dialoge::Warnung(QStringLiteral("Diese Datenbanken konnten nicht gesichert werden:\n") + fehler.join(QLatin1Char('\n')));
}

} // namespace

void BackupAnlegen()
{
    QStringList fehlend;
    QStringList fehler;
    const auto kopieren = [&](const QString& quelleRelativ, const QString& zielRelativ) {
        const QString quelle = Pfad::Verbinden(Variablen::DataPfad, quelleRelativ);
        if (!QFileInfo(quelle).isFile()) {
            fehlend.append(Anzeige(quelle));
            return;
        }
        const QString ziel = Pfad::Verbinden(Variablen::AppPfad, QStringLiteral("\\Backup") + zielRelativ);
        QString grund;
        if (!Dateien::Kopieren(quelle, ziel, &grund))
            fehler.append(Anzeige(ziel) + QStringLiteral(": ") + grund);
    };
    // A database is only missed when the tool that uses it is installed.
    QStringList installiert;
    for (const QString& programm : Programme())
        installiert.append(Anzeigename(programm));
    const auto da = [&installiert](std::initializer_list<const char*> werkzeuge) {
        for (const char* werkzeug : werkzeuge)
            if (installiert.contains(QLatin1String(werkzeug)))
                return true;
        return false;
    };
    if (da({"Waffkam3", "Lagerhof3"}))
        for (const char* name : {"\\Armory\\Nahkampfwaffen.dat", "\\Armory\\Fernwaffen.dat", "\\Armory\\Rüstungen.dat"})
            kopieren(QString::fromUtf8(name), QString::fromUtf8(name));
    if (da({"Bestiar3"}))
        kopieren(QStringLiteral("\\Creatures\\Kreaturen.dat"), QStringLiteral("\\Creatures\\Kreaturen.dat"));
    if (da({"Ortsbau3", "Kartenblick3"}))
        for (const char* name : {"\\Explorer\\Städteliste.dat", "\\Explorer\\Städte.dat"})
            kopieren(QString::fromUtf8(name), QString::fromUtf8(name));
    if (!da({"Lagerhof3"})) {
        BackupMelden(fehlend, fehler);
        return;
    }

    bool vorhanden = false;
    const QString kategorienDatei = Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\Warehouse\\ItemKategorien.dat"));
    // The names as the warehouse reads them: after the count line, blanks around them dropped.
    const QStringList kategorien = Warenkategorien::Namenszeilen(Zeilendatei::Lesen(kategorienDatei, &vorhanden));
    if (!vorhanden)
        fehlend.append(Anzeige(kategorienDatei));
    static const QStringList eigeneDateien{QStringLiteral("Nahkampfwaffen"), QStringLiteral("Fernwaffen"),
                                           QStringLiteral("Rüstungen")};
    for (const QString& zeile : kategorien) {
        const QString kategorie = zeile.trimmed();
        // A category line becomes part of a file name: it must not reach out of the backup folder.
        if (!Dateien::NameFuerDatei(kategorie)) {
            fehler.append(kategorie + QStringLiteral(" (kein gültiger Dateiname)"));
            continue;
        }
        // The shipped armory goods are the "Warehouse…" twins, until the warehouse's first start takes them in.
        QString quelle = QStringLiteral("\\Warehouse\\") + kategorie + QStringLiteral(".dat");
        const QString zwilling = QStringLiteral("\\Warehouse\\Warehouse") + kategorie + QStringLiteral(".dat");
        if (eigeneDateien.contains(kategorie) && QFileInfo(Pfad::Verbinden(Variablen::DataPfad, zwilling)).isFile())
            quelle = zwilling;
        kopieren(quelle, QStringLiteral("\\Warehouse\\") + kategorie + QStringLiteral(".dat"));
    }

    BackupMelden(fehlend, fehler);
}


bool IstProgramm(const QString& pfad)
{
    const QFileInfo info(pfad);
    const QString endung = info.suffix();
    if (!info.isFile() || !info.isExecutable() || !(endung.isEmpty() || endung.compare(QLatin1String("exe"), Qt::CaseInsensitive) == 0))
        return false;
    // On a drive where every file carries the execute bit, only the start of the file tells a program from
    // a page or a settings file: a compiled program (ELF) or a script ("#!").
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    char kopf[4] = {};
    const bool regulaer = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const ssize_t gelesen = regulaer ? ::read(fd, kopf, sizeof kopf) : 0;
    ::close(fd);
    return (gelesen == 4 && std::memcmp(kopf, "\x7f" "ELF", 4) == 0) || (gelesen >= 2 && kopf[0] == '#' && kopf[1] == '!');
}

QStringList Programme()
{
    QStringList namen;
    const QFileInfoList eintraege = QDir(Variablen::AppPfad).entryInfoList(QDir::Files | QDir::Executable, QDir::Name);
    for (const QFileInfo& eintrag : eintraege)
        if (IstProgramm(eintrag.filePath()))
            namen.append(eintrag.fileName());
    return namen;
}

int ZaehlerLesen(const QString& abschnitt, const QString& zaehler, const QString& praefix)
{
    const int anzahl = ZahlLesen(abschnitt, zaehler);
    int vorhanden = 0;
    while (vorhanden < anzahl
           && Subs::IniVorhanden(Variablen::IniDatei, abschnitt, praefix + QString::number(vorhanden + 1)))
        ++vorhanden;
    return vorhanden;
}

QStringList GezaehlteWerte(const QString& abschnitt, const QString& praefix, int anzahl)
{
    QStringList werte;
    for (int i = 1; i <= anzahl; ++i)
        werte.append(Subs::IniLesen(Variablen::IniDatei, abschnitt, praefix + QString::number(i)));
    return werte;
}

QString Symbolpfad(const QString& datei)
{
    QString symbol = datei;
    if (symbol.contains(QLatin1String(".exe")))
        symbol.replace(QLatin1String(".exe"), QLatin1String(".ico"));
    else
        symbol += QStringLiteral(".ico");
    return Pfad::Verbinden(Variablen::GfxPfad, QLatin1Char('\\') + symbol);
}

QString Anzeigename(const QString& datei)
{
    return datei.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? datei.chopped(4) : datei;
}

bool Ausgeschlossen(const QString& datei)
{
    const QString name = Anzeigename(datei);
    return name == QLatin1String("Kurier") || name == QLatin1String("Tabellar3") || name == QLatin1String("Leitstand3");
}

QStringList RegistrierteWerkzeuge()
{
    return GezaehlteWerte(QStringLiteral("Tools"), QStringLiteral("Tool"), WerkzeugAnzahl());
}

int WerkzeugAnzahl()
{
    return ZaehlerLesen(QStringLiteral("Tools"), QStringLiteral("Tools"), QStringLiteral("Tool"));
}

bool IstLeitstand(const QString& datei)
{
    if (Anzeigename(datei) == QLatin1String("Leitstand3"))
        return true;
    return QCoreApplication::instance()
        && QFileInfo(QCoreApplication::applicationFilePath()).fileName() == datei;
}

QList<Werkzeug> WerkzeugeEinrichten(int& anzahl, bool* gespeichert)
{
    const QStringList programme = Programme();
    // Counted and registered under the settings file's lock, so two managers started at once give each
    // program one number; the messages follow once the file is free again.
    QStringList neu;
    QString fehler;
    bool ok = true;
    {
        Dateien::Sperre sperre(Variablen::IniDatei);
        if (!sperre.Gehalten()) {
            ok = false;
            fehler = sperre.Grund();
        } else {
            anzahl = WerkzeugAnzahl();
            const QStringList registriert = GezaehlteWerte(QStringLiteral("Tools"), QStringLiteral("Tool"), anzahl);
            QList<QPair<QString, QString>> werte;
            for (const QString& datei : programme) {
                if (!QFileInfo(Symbolpfad(datei)).isFile() || registriert.contains(datei) || neu.contains(datei)
                    || IstLeitstand(datei))
                    continue;
                neu.append(datei);
                werte.append({QStringLiteral("Tool") + QString::number(anzahl + neu.size()), datei});
            }
            if (!neu.isEmpty()) {
                werte.prepend({QStringLiteral("Tools"), QString::number(anzahl + neu.size())});
                ok = Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("Tools"), werte, &fehler);
                if (ok)
                    anzahl += int(neu.size());
            }
        }
    }

    QList<Werkzeug> knoepfe;
    bool gemeldet = false;
    for (int k = 0; k < programme.size(); ++k) {
        const QString& datei = programme[k];
        const QString symbol = Symbolpfad(datei);
        const bool symbolVorhanden = QFileInfo(symbol).isFile();
        // After a failed write the others failed the same way; one message is enough.
        if (neu.contains(datei) && !gemeldet) {
            Dialoge::Hinweis(datei + QStringLiteral(" wurde gefunden. Das Tool wird nun eingerichtet."));
            if (!ok) {
                Dialoge::Warnung(QStringLiteral("Die Einstellungen konnten nicht in Werkbund3.ini gespeichert werden. ")
                                 + fehler);
                gemeldet = true;
            }
        }
        if (Ausgeschlossen(datei))
            continue;
        knoepfe.append({k, datei, symbolVorhanden ? symbol : QString()});
        if (!symbolVorhanden)
            Dialoge::Warnung(QStringLiteral("Eine benötigte Grafikdatei wurde nicht gefunden, ihr solltet ") + datei
                             + QStringLiteral(" neu installieren."));
    }
    if (!ok && neu.isEmpty())
        Dialoge::Warnung(QStringLiteral("Die Einstellungen konnten nicht in Werkbund3.ini gespeichert werden. ") + fehler);
    if (gespeichert)
        *gespeichert = ok;
    return knoepfe;
}

QString Version(const QString& datei)
{
    return SuitenProgramm(datei) ? Variablen::Programmversion : QString();
}

QStringList Suite()
{
    QStringList namen;
    for (const Suitenprogramm& p : kSuite)
        namen.append(QLatin1String(p.datei));
    return namen;
}

QString Programmtitel(const QString& datei)
{
    const Suitenprogramm* p = SuitenProgramm(datei);
    return p ? QString::fromUtf8(p->titel) : Anzeigename(datei);
}

QString Zweck(const QString& datei)
{
    const Suitenprogramm* p = SuitenProgramm(datei);
    return p ? QString::fromUtf8(p->zweck) : QString();
}

QString Tooltip(const QString& datei)
{
    const QString zweck = Zweck(datei);
    return zweck.isEmpty() ? Anzeigename(datei) : Programmtitel(datei) + QStringLiteral(" – ") + zweck;
}

QString BugmailText()
{
    QString text = QStringLiteral("Werkbund3 Bugmail. Bitte die untenstehenden Zeilen nicht ändern.");
    for (const QString& datei : RegistrierteWerkzeuge())
        text += datei + QStringLiteral("   ") + Version(datei) + QStringLiteral("\r\n");
    return text;
}

QString Meldestelle()
{
    return Subs::IniLesen(Variablen::IniDatei, QStringLiteral("Allgemein"), QStringLiteral("Bugmail")).trimmed();
}

QString BugmailMeldung()
{
    const QString stelle = Meldestelle();
    const QString zwischenablage = QStringLiteral("Die Namen und Versionen eurer Programme liegen in der Zwischenablage; "
                                                  "fügt sie eurem Bericht bei und beschreibt darunter den Fehler so genau "
                                                  "wie möglich.");
    if (stelle.isEmpty())
        return QStringLiteral("Wohin ihr Fehler im Programm melden könnt, ist in dieser Installation noch nicht "
                              "eingetragen. Tragt es in der Datei Werkbund3.ini im Abschnitt [Allgemein] hinter "
                              "„Bugmail=“ ein, zum Beispiel eine Mailadresse oder eine Webseite; dann nennt es euch "
                              "dieser Knopf.\n\n")
            + zwischenablage;
    return QStringLiteral("Fehler im Programm meldet ihr bitte hier:\n\n") + stelle + QStringLiteral("\n\n") + zwischenablage;
}

QString Uebersichtsseite()
{
    return Pfad::Verbinden(Variablen::AppPfad, QStringLiteral("\\Hilfe.htm"));
}

bool Oeffnen(const QString& adresse)
{
    return Shell::Zeigen(adresse);
}

bool Starten(const QString& programm)
{
    if (Shell::Aktuell().Starten(programm, Shell::Fensterstil::Normal))
        return true;
    Dialoge::Warnung(QStringLiteral("Das Programm ") + programm + QStringLiteral(" konnte nicht gestartet werden."));
    return false;
}

QString Abschiedstext()
{
    QString text = QStringLiteral("Ihr habt nun einen kleinen Überblick über Werkbund3 gewonnen, ") + Variablen::Benutzername
        + QStringLiteral(". Sicherlich habt ihr nun den einen oder anderen Kritikpunkt oder Vorschlag. Nun denn, lasst "
                         "es mich wissen.");
    // Where to write is the installation's to say; there is no address of ours to name.
    const QString stelle = Meldestelle();
    if (!stelle.isEmpty())
        text += QLatin1Char(' ') + stelle;
    return text;
}

void TempLoeschen()
{
    const QString pfad = Pfad::Verbinden(Variablen::TempPfad, QStringLiteral("\\Temp.html"));
    if (QFileInfo(pfad).isFile())
        QFile::remove(pfad);
}

} // namespace ManagerEngine
