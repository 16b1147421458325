#include "Variablen.h"

#include <QCoreApplication>

namespace Variablen {

QString AppPfad;
QString IniDatei;
QString DataPfad;
QString GfxPfad;
QString HtmlPfad;
QString WbdPfad;
QString TempPfad;
QString HilfePfad;

QString Benutzername;
QString Programmtitel;

const QString Programmversion = QString::number(WERKBUND_VERSION_MAJOR) + QLatin1Char('.')
    + QString::number(WERKBUND_VERSION_MINOR) + QString::number(WERKBUND_VERSION_PATCH);

void PfadeInitialisieren()
{
    PfadeInitialisieren(QCoreApplication::applicationDirPath());
}

void PfadeInitialisieren(const QString& ordner)
{
    AppPfad = ordner;
    // The folder is kept as given except for a trailing separator; at the file system root the separator
    // stays, so every derived path holds a doubled separator there, which the file system accepts.
    while (AppPfad.size() > 1 && (AppPfad.endsWith(QLatin1Char('/')) || AppPfad.endsWith(QLatin1Char('\\'))))
        AppPfad.chop(1);
    IniDatei = AppPfad + QStringLiteral("/Werkbund3.ini");
    DataPfad = AppPfad + QStringLiteral("/Data");
    GfxPfad = AppPfad + QStringLiteral("/GFX");
    HtmlPfad = AppPfad + QStringLiteral("/HTML");
    WbdPfad = AppPfad + QStringLiteral("/WBD");
    TempPfad = AppPfad + QStringLiteral("/Temp");
    HilfePfad = AppPfad + QStringLiteral("/Hilfe");
}

} // namespace Variablen
