#include "Termine.h"

#include "ManagerEngine.h"
#include "Subs.h"
#include "Variablen.h"

#include <QDate>
#include <QLocale>

namespace Termine {

QString Schluessel(const QDate& tag)
{
    return QLocale::system().toString(tag, QLocale::ShortFormat);
}

QString Notiz(const QDate& tag)
{
    return Subs::IniLesen(Variablen::IniDatei, QStringLiteral("Date"), Schluessel(tag));
}

bool Speichern(const QDate& tag, const QString& text)
{
    if (text.isEmpty())
        return false;
    return ManagerEngine::EinstellungenSchreiben(QStringLiteral("Date"), {{Schluessel(tag), text}});
}

} // namespace Termine
