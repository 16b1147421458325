#include "Warenkategorien.h"

#include "Dateien.h"
#include "Subs.h"

#include <QSet>

#include <limits>

namespace Warenkategorien {

bool IstZaehlzeile(const QString& zeile)
{
    return Subs::GanzzahlLesen(zeile, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(),
                               QString())
        .Ok;
}

QStringList Namenszeilen(const QStringList& zeilen)
{
    QStringList namen;
    const qsizetype anfang = !zeilen.isEmpty() && IstZaehlzeile(zeilen.first()) ? 1 : 0;
    for (qsizetype i = anfang; i < zeilen.size(); ++i)
        if (!zeilen[i].trimmed().isEmpty())
            namen.append(zeilen[i]);
    return namen;
}

bool Werkzeugdatei(const QString& name)
{
    return name.compare(QStringLiteral("ItemKategorien"), Qt::CaseInsensitive) == 0
        || name.startsWith(QStringLiteral("Shopgenerator"), Qt::CaseInsensitive)
        || name.startsWith(QStringLiteral("Warehouse"), Qt::CaseInsensitive);
}

bool Verwendbar(const QString& name)
{
    return !name.trimmed().isEmpty() && Dateien::NameFuerDatei(name) && !Werkzeugdatei(name)
        && name.compare(QStringLiteral("Alles"), Qt::CaseInsensitive) != 0;
}

Liste AusZeilen(const QStringList& zeilen)
{
    Liste liste;
    QSet<QString> bekannt;
    for (const QString& zeile : Namenszeilen(zeilen)) {
        const QString name = zeile.trimmed();
        // A name listed twice (also in another letter case) would load and save its goods twice.
        const QString form = name.toCaseFolded();
        if (bekannt.contains(form) || !Verwendbar(name)) {
            liste.Uebergangen.append(zeile);
            continue;
        }
        bekannt.insert(form);
        liste.Namen.append(name);
    }
    return liste;
}

} // namespace Warenkategorien
