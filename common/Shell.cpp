#include "Shell.h"

#include <QFileInfo>
#include <QProcess>

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
    return true;
}

bool Aufzeichnung::Starten(const QString& programm, Fensterstil stil)
{
    gestartet.append({programm, stil});
    return true;
}

} // namespace Shell
