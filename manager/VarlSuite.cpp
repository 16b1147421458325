#include "VarlSuite.h"

#include "Dialoge.h"
#include "FileSearchEngine.h"
#include "ManagerEngine.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"

namespace VarlSuite {

QStringList Werkzeuge()
{
    return {QStringLiteral("Locator"), QStringLiteral("Basar"), QStringLiteral("Metrik"),
            QStringLiteral("Reise"), QStringLiteral("Retorte"), QStringLiteral("Wiege")};
}

bool ProgrammVorhanden(const QString& ordner, const QString& name)
{
    // On Linux the suite may have been unpacked for a compatibility layer (with ".exe") or built natively.
    return Subs::DateiVorhanden(ordner + name + QStringLiteral(".exe")) || Subs::DateiVorhanden(ordner + name);
}

bool OrdnerGueltig(const QString& ordner)
{
    return ProgrammVorhanden(ordner, QStringLiteral("Explorer"));
}

QString AlteVersionWarnung()
{
    // The other maker's address is not ours to know; the user is told what to do instead.
    return QStringLiteral("Ihr verwendet noch die alte Version der Varl-Suite, diese wird von Werkbund3 nicht "
                          "unterstützt. Bitte installiert die neueste Version der Varl-Suite.");
}

Ergebnis SuchenUndEinrichten(FileSearchEngine& suche)
{
    suche.Suche(QStringLiteral("VarlSuite.ini"));
    if (!suche.Gefunden())
        return Ergebnis::NichtGefunden;
    Dialoge::Hinweis(QStringLiteral("Varl-Suite 1.01 wurde gefunden, das Tool wird eingerichtet."));
    const QString ordner = suche.Fundordner();
    QList<QPair<QString, QString>> werte{{QStringLiteral("Path"), ordner}};
    for (const QString& name : Werkzeuge())
        werte.append({name, ProgrammVorhanden(ordner, name) ? QStringLiteral("1") : QStringLiteral("0")});
    return ManagerEngine::EinstellungenSchreiben(QStringLiteral("VarlSuite"), werte) ? Ergebnis::Eingerichtet
                                                                                     : Ergebnis::NichtGespeichert;
}

QString Ordner()
{
    return Subs::IniLesen(Variablen::IniDatei, QStringLiteral("VarlSuite"), QStringLiteral("Path"));
}

QStringList MenueEintraege()
{
    QStringList eintraege;
    for (const QString& name : Werkzeuge()) {
        bool ok = false;
        const double wert = Subs::Zahl(Subs::IniLesen(Variablen::IniDatei, QStringLiteral("VarlSuite"), name), &ok);
        if (ok && wert == 1.0)
            eintraege.append(name);
    }
    return eintraege;
}

bool WerkzeugStarten(const QString& name)
{
    const QString ordner = Ordner();
    if (ordner.isEmpty())
        return false;
    for (const QString& datei : {name + QStringLiteral(".exe"), name}) {
        if (Subs::DateiVorhanden(ordner + datei))
            return ManagerEngine::Starten(Pfad::Aufloesen(ordner + datei));
    }
    return false;
}

} // namespace VarlSuite
