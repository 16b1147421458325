#include "Shell.h"

#include "Dateien.h"
#include "Dialoge.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace Shell {

namespace {

class Einfach : public Anbieter {
public:
    bool Oeffnen(const QString& dokumentOderAdresse) override
    {
        return QProcess::startDetached(QStringLiteral("xdg-open"), {dokumentOderAdresse});
    }
    bool Starten(const QString& programm, Fensterstil) override
    {
        return QProcess::startDetached(programm, {}, QFileInfo(programm).absolutePath());
    }
};

Einfach& StandardAnbieter()
{
    static Einfach einfach;
    return einfach;
}

Anbieter*& Installiert()
{
    static Anbieter* anbieter = &StandardAnbieter();
    return anbieter;
}

} // namespace

Anbieter::~Anbieter() = default;

Anbieter& Aktuell()
{
    return *Installiert();
}

void Setzen(Anbieter* anbieter)
{
    Installiert() = anbieter ? anbieter : &StandardAnbieter();
}

bool Zeigen(const QString& dokumentOderAdresse)
{
    // An address has a scheme of two letters or more ("https:", "mailto:"); "C:" would be a drive.
    const bool adresse = QUrl(dokumentOderAdresse).scheme().size() > 1 && !QFileInfo::exists(dokumentOderAdresse);
    if (!adresse && !QFileInfo(dokumentOderAdresse).isFile()) {
        Dialoge::Warnung(QStringLiteral("Die Datei %1 ist nicht vorhanden.").arg(Dateien::Anzeigename(dokumentOderAdresse)));
        return false;
    }
    if (Aktuell().Oeffnen(dokumentOderAdresse))
        return true;
    if (adresse)
        Dialoge::Warnung(QStringLiteral("Die Adresse „%1“ konnte nicht geöffnet werden: Auf diesem System ist kein "
                                        "Programm dafür eingerichtet.")
                             .arg(dokumentOderAdresse));
    else
        Dialoge::Warnung(QStringLiteral("Die Datei %1 konnte nicht angezeigt werden: Auf diesem System ist kein "
                                        "Programm dafür eingerichtet. Ihr könnt sie von Hand öffnen.")
                             .arg(Dateien::Anzeigename(dokumentOderAdresse)));
    return false;
}

Aufzeichnung::Aufzeichnung() : m_vorher(&Aktuell())
{
    Setzen(this);
}

Aufzeichnung::~Aufzeichnung()
{
    if (&Aktuell() == this)
        Setzen(m_vorher);
}

bool Aufzeichnung::Oeffnen(const QString& dokumentOderAdresse)
{
    geoeffnet.append(dokumentOderAdresse);
    return erfolg;
}

bool Aufzeichnung::Starten(const QString& programm, Fensterstil stil)
{
    gestartet.append({programm, stil});
    return true;
}

} // namespace Shell
