#include "Pfad.h"

#include <QDir>
#include <QFileInfo>

namespace Pfad {

QString Verbinden(const QString& basis, const QString& relativ)
{
    return Aufloesen(basis + QLatin1Char('/') + relativ);
}

namespace {

// "\" and "/" both separate; doubled separators (the drive-root case, or a relative name with its leading
// backslash) collapse, so the paths users see in messages and files read cleanly.
QString Normal(const QString& pfad)
{
    QString native = pfad;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return native.isEmpty() ? native : QDir::cleanPath(native);
}

} // namespace

QString Aufloesen(const QString& pfad)
{
    const QString native = Normal(pfad);
    if (native.isEmpty() || QFileInfo::exists(native))
        return native;

    const bool absolut = native.startsWith(QLatin1Char('/'));
    const QStringList teile = native.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString aktuell = absolut ? QStringLiteral("/") : QString();
    bool ordnerVorhanden = true;
    for (const QString& teil : teile) {
        QString kandidat = aktuell.isEmpty() || aktuell.endsWith(QLatin1Char('/')) ? aktuell + teil
                                                                                     : aktuell + QLatin1Char('/') + teil;
        if (ordnerVorhanden && teil != QLatin1String(".") && teil != QLatin1String("..")
            && !QFileInfo::exists(kandidat)) {
            const QDir ordner(aktuell.isEmpty() ? QStringLiteral(".") : aktuell);
            const QStringList eintraege = ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                           | QDir::NoDotAndDotDot);
            for (const QString& eintrag : eintraege) {
                if (eintrag.compare(teil, Qt::CaseInsensitive) == 0) {
                    kandidat.chop(teil.size());
                    kandidat += eintrag;
                    break;
                }
            }
        }
        ordnerVorhanden = ordnerVorhanden && QFileInfo(kandidat).isDir();
        aktuell = kandidat;
    }
    return aktuell;
}

} // namespace Pfad
