#include "Anwendungsmenue.h"

#include "Dateien.h"
#include "Desktopeintrag.h"
#include "ManagerEngine.h"
#include "Pfad.h"
#include "Variablen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace Anwendungsmenue {

namespace {

QString Programmpfad(const QString& datei)
{
    return QFileInfo(Pfad::Verbinden(Variablen::AppPfad, datei)).absoluteFilePath();
}

QString Eintragspfad(const QString& daten, const QString& datei)
{
    return daten + QStringLiteral("/applications/") + Name(datei) + QStringLiteral(".desktop");
}

// The size folders of an icon theme ("48x48"), as found below `ordner`.
QStringList Groessen(const QString& ordner)
{
    static const QRegularExpression groesse(QStringLiteral("^[0-9]+x[0-9]+$"));
    QStringList gefunden;
    for (const QString& name : QDir(ordner).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (groesse.match(name).hasMatch())
            gefunden.append(name);
    return gefunden;
}

// Removes a file of ours; a folder or anything else of that name is left alone.
void Weg(const QString& pfad, Ergebnis& ergebnis, bool eintrag)
{
    const QFileInfo info(pfad);
    if (!info.isSymLink() && !info.isFile())
        return;
    if (!QFile::remove(pfad))
        ergebnis.fehler.append(QStringLiteral("%1 konnte nicht entfernt werden: %2.")
                                   .arg(Dateien::Anzeigename(pfad), Dateien::Schreibfehlertext(pfad)));
    else if (eintrag)
        ergebnis.eintraege.append(pfad);
}

void ProgrammEntfernen(const QString& daten, const QString& datei, Ergebnis& ergebnis)
{
    Weg(Eintragspfad(daten, datei), ergebnis, true);
    const QString thema = daten + QStringLiteral("/icons/hicolor");
    for (const QString& groesse : Groessen(thema))
        Weg(thema + QLatin1Char('/') + groesse + QStringLiteral("/apps/") + Name(datei) + QStringLiteral(".png"), ergebnis,
            false);
}

bool Schreiben(const QString& pfad, const QByteArray& bytes, Ergebnis& ergebnis)
{
    QString grund;
    if (!QDir().mkpath(QFileInfo(pfad).path()))
        grund = Dateien::Schreibfehlertext(pfad);
    else if (Dateien::Schreiben(pfad, bytes, &grund))
        return true;
    ergebnis.fehler.append(QStringLiteral("%1 konnte nicht geschrieben werden: %2").arg(Dateien::Anzeigename(pfad), grund));
    return false;
}

// Copies the program's icons from GFX/Menue/<size>/ into the theme; false when the installation has none.
bool SymboleEintragen(const QString& daten, const QString& datei, Ergebnis& ergebnis)
{
    const QString quelle = Pfad::Verbinden(Variablen::GfxPfad, QStringLiteral("\\Menue"));
    bool gefunden = false;
    for (const QString& groesse : Groessen(quelle)) {
        const QString bild = Name(datei) + QStringLiteral(".png");
        QFile png(Pfad::Verbinden(quelle, groesse + QLatin1Char('/') + bild));
        if (!QFileInfo(png).isFile() || png.size() > Dateien::Hoechstgroesse || !png.open(QIODevice::ReadOnly))
            continue;
        gefunden = true;
        Schreiben(daten + QStringLiteral("/icons/hicolor/") + groesse + QStringLiteral("/apps/") + bild, png.readAll(),
                  ergebnis);
    }
    return gefunden;
}

// A relative folder would put the menu wherever the program happens to run.
bool Brauchbar(const QString& daten, Ergebnis& ergebnis)
{
    if (QDir::isAbsolutePath(daten))
        return true;
    ergebnis.fehler.append(QStringLiteral("Der Ordner für das Anwendungsmenü „%1“ ist kein absoluter Pfad.").arg(daten));
    return false;
}

} // namespace

QString StandardOrdner()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString Name(const QString& datei)
{
    return QStringLiteral("werkbund3-") + ManagerEngine::Anzeigename(datei).toLower();
}

QString Eintrag(const QString& datei)
{
    const QString programm = Programmpfad(datei);
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=") + Desktopeintrag::Wert(ManagerEngine::Programmtitel(datei))
        + QStringLiteral("\nComment=") + Desktopeintrag::Wert(ManagerEngine::Zweck(datei))
        + QStringLiteral("\nExec=") + Desktopeintrag::Wert(Desktopeintrag::Exec(programm))
        + QStringLiteral("\nTryExec=") + Desktopeintrag::Wert(programm)
        + QStringLiteral("\nPath=") + Desktopeintrag::Wert(QFileInfo(programm).path())
        + QStringLiteral("\nIcon=") + Name(datei)
        + QStringLiteral("\nTerminal=false\nCategories=Game;RolePlaying;\n");
}

QStringList Installiert()
{
    const QStringList suite = ManagerEngine::Suite();
    QStringList programme;
    for (const QString& datei : ManagerEngine::Programme())
        if (suite.contains(ManagerEngine::Anzeigename(datei)))
            programme.append(datei);
    return programme;
}

Ergebnis Eintragen(const QString& daten)
{
    Ergebnis ergebnis;
    if (!Brauchbar(daten, ergebnis))
        return ergebnis;
    const QStringList installiert = Installiert();
    QStringList staemme;
    for (const QString& datei : installiert)
        staemme.append(ManagerEngine::Anzeigename(datei));
    // Entries of programs this installation no longer has would start nothing.
    for (const QString& datei : ManagerEngine::Suite())
        if (!staemme.contains(datei))
            ProgrammEntfernen(daten, datei, ergebnis);
    ergebnis.eintraege.clear();
    if (installiert.isEmpty())
        ergebnis.fehler.append(QStringLiteral("In %1 ist kein Programm von Werkbund 3 installiert.")
                                   .arg(Dateien::Anzeigename(Variablen::AppPfad)));
    for (const QString& datei : installiert) {
        // The icons first, so that the menu shows each entry with its picture at once.
        if (!SymboleEintragen(daten, datei, ergebnis))
            ergebnis.fehler.append(QStringLiteral("Für %1 wurde kein Symbol gefunden; der Eintrag erscheint ohne eigenes Bild.")
                                       .arg(ManagerEngine::Anzeigename(datei)));
        const QString pfad = Eintragspfad(daten, datei);
        if (Schreiben(pfad, Eintrag(datei).toUtf8(), ergebnis))
            ergebnis.eintraege.append(pfad);
    }
    return ergebnis;
}

Ergebnis Entfernen(const QString& daten)
{
    Ergebnis ergebnis;
    if (!Brauchbar(daten, ergebnis))
        return ergebnis;
    for (const QString& datei : ManagerEngine::Suite())
        ProgrammEntfernen(daten, datei, ergebnis);
    return ergebnis;
}

bool Aktuell(const QString& daten)
{
    if (!QDir::isAbsolutePath(daten))
        return false;
    for (const QString& datei : Installiert()) {
        QFile eintrag(Eintragspfad(daten, datei));
        if (!QFileInfo(eintrag).isFile() || eintrag.size() > Dateien::Hoechstgroesse || !eintrag.open(QIODevice::ReadOnly)
            || eintrag.readAll() != Eintrag(datei).toUtf8())
            return false;
    }
    return true;
}

} // namespace Anwendungsmenue
