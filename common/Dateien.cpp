#include "Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

namespace Dateien {

QString Anzeigename(const QString& pfad)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(pfad) + QStringLiteral("“");
}

QString Schreibfehlertext(const QString& pfad)
{
    const QFileInfo info(pfad);
    const QFileInfo ordner(info.absolutePath());
    if (!ordner.exists())
        return QStringLiteral("der Ordner %1 ist nicht vorhanden").arg(Anzeigename(ordner.absoluteFilePath()));
    if (!ordner.isDir())
        return QStringLiteral("%1 ist kein Ordner").arg(Anzeigename(ordner.absoluteFilePath()));
    if (info.isDir())
        return QStringLiteral("an dieser Stelle liegt ein Ordner");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("die Datei ist schreibgeschützt");
    if (!ordner.isWritable())
        return QStringLiteral("im Ordner %1 fehlt die Schreibberechtigung").arg(Anzeigename(ordner.absoluteFilePath()));
    return QStringLiteral("der Datenträger ist voll oder nicht beschreibbar");
}

QString Fehlertext(const QFileDevice& datei)
{
    const QString pfad = datei.fileName();
    switch (datei.error()) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::ResourceError:
        return QStringLiteral("der Datenträger ist voll oder das System hat keine Mittel mehr frei");
    case QFileDevice::PermissionsError:
        return QStringLiteral("die Berechtigung fehlt");
    case QFileDevice::ReadError:
        return QStringLiteral("die Datei konnte nicht gelesen werden");
    case QFileDevice::OpenError:
        if ((datei.openMode() & QIODevice::WriteOnly) || qobject_cast<const QSaveFile*>(&datei))
            return Schreibfehlertext(pfad);
        if (!QFileInfo::exists(pfad))
            return QStringLiteral("die Datei ist nicht vorhanden");
        if (!QFileInfo(pfad).isReadable())
            return QStringLiteral("die Berechtigung zum Lesen fehlt");
        return QStringLiteral("die Datei konnte nicht geöffnet werden");
    case QFileDevice::WriteError:
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
    case QFileDevice::RemoveError:
    case QFileDevice::ResizeError:
        return Schreibfehlertext(pfad);
    default:
        return QStringLiteral("unbekannter Fehler beim Zugriff auf die Datei");
    }
}

bool AtomarSchreiben(const QString& pfad, const std::function<void(QIODevice&)>& schreiben, QString* grund)
{
    QSaveFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly)) {
        schreiben(datei);
        if (datei.commit())
            return true;
    }
    if (grund)
        *grund = datei.error() == QFileDevice::NoError ? Schreibfehlertext(pfad) : Fehlertext(datei);
    return false;
}

bool SicherungAnlegen(const QString& pfad, QString* fehler, QString* ziel)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return true;
    // Only a regular file is copied: a pipe would block, a device could fill the disk.
    if (!info.isFile()) {
        if (fehler)
            *fehler = QStringLiteral("An der Stelle von %1 liegt keine gewöhnliche Datei; sie wird weder gesichert noch "
                                     "überschrieben.")
                          .arg(Anzeigename(pfad));
        return false;
    }
    QString name = pfad + QStringLiteral(".bak");
    for (int i = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++i)
        name = pfad + QStringLiteral(".bak") + QString::number(i);
    QFile quelle(pfad);
    if (quelle.copy(name)) {
        if (ziel)
            *ziel = name;
        return true;
    }
    if (fehler)
        *fehler = QStringLiteral("Die Sicherung %1 konnte nicht angelegt werden (%2); die Datei %3 wurde deshalb "
                                 "nicht überschrieben.")
                      .arg(Anzeigename(name), Schreibfehlertext(name), Anzeigename(pfad));
    return false;
}

bool NameFuerDatei(const QString& name, QString* grund)
{
    const auto ablehnen = [grund](const QString& text) {
        if (grund)
            *grund = text;
        return false;
    };
    if (name.trimmed().isEmpty())
        return ablehnen(QStringLiteral("Der Name ist leer."));
    if (name.contains(QLatin1String("..")))
        return ablehnen(QStringLiteral("Der Name „%1“ darf keine zwei Punkte hintereinander („..“) enthalten.").arg(name));
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return ablehnen(QStringLiteral("Der Name darf keine Steuerzeichen (wie einen Zeilenumbruch) enthalten."));
        if (QStringLiteral("/\\<>:\"|?*").contains(c))
            return ablehnen(QStringLiteral("Der Name „%1“ enthält das Zeichen „%2“, das in keinem Dateinamen stehen darf. "
                                           "Nicht erlaubt sind / \\ < > : \" | ? *.")
                                .arg(name, c));
    }
    return true;
}

} // namespace Dateien
