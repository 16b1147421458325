#include "Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <climits>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

bool s_standardausgabe = false;

QString Ordnername(const QByteArray& pfad)
{
    const qsizetype schnitt = pfad.lastIndexOf('/');
    return QFile::decodeName(schnitt <= 0 ? QByteArray(schnitt == 0 ? "/" : ".") : pfad.left(schnitt));
}

// The reason for a failed system call, as a sentence; never the system's own (English) text.
QString Grund(int fehler, const QByteArray& ziel)
{
    switch (fehler) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Im Ordner %1 fehlt die Schreibberechtigung.").arg(Anzeigename(Ordnername(ziel)));
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Der Ordner %1 ist nicht vorhanden.").arg(Anzeigename(Ordnername(ziel)));
    case EPIPE:
        return QStringLiteral("Die Ausgabe wurde vorzeitig geschlossen.");
    case EIO:
        return QStringLiteral("Beim Schreiben ist ein Ein- und Ausgabefehler aufgetreten.");
    case ELOOP:
        return QStringLiteral("Die Verknüpfung %1 verweist im Kreis.").arg(Anzeigename(QFile::decodeName(ziel)));
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QStringLiteral("Das System hat keine Mittel mehr frei.");
    default:
        return QStringLiteral("Das Schreiben ist fehlgeschlagen (Fehlernummer %1).").arg(fehler);
    }
}

bool Ablehnen(QString* grund, const QString& text)
{
    if (grund)
        *grund = text;
    return false;
}

// Writes all of `daten`; a short write is retried, and one that writes nothing counts as a full disk.
int AllesSchreiben(int fd, const char* daten, qsizetype groesse)
{
    while (groesse > 0) {
        const ssize_t n = ::write(fd, daten, size_t(qMin<qsizetype>(groesse, qsizetype(1) << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        daten += n;
        groesse -= n;
    }
    return 0;
}

// Follows links to the file that will really be replaced. A link that passes through /proc (such as
// /dev/stdout) names an open stream, not a file, and is refused like any other special file.
bool ZielFinden(const QString& pfad, QByteArray& ziel, QString* grund)
{
    ziel = QFile::encodeName(pfad);
    for (int schritt = 0;; ++schritt) {
        if (ziel.startsWith("/proc/"))
            return Ablehnen(grund, QStringLiteral("%1 ist keine gewöhnliche Datei; es wurde nichts geschrieben.").arg(Anzeigename(pfad)));
        struct stat st {};
        if (::lstat(ziel.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        if (schritt == 40)
            return Ablehnen(grund, Grund(ELOOP, QFile::encodeName(pfad)));
        QByteArray verweis(PATH_MAX, '\0');
        const ssize_t n = ::readlink(ziel.constData(), verweis.data(), size_t(verweis.size()));
        if (n <= 0)
            return Ablehnen(grund, Grund(errno, ziel));
        verweis.truncate(n);
        if (!verweis.startsWith('/')) {
            const qsizetype schnitt = ziel.lastIndexOf('/');
            verweis.prepend(schnitt < 0 ? QByteArray() : ziel.left(schnitt + 1));
        }
        ziel = verweis;
    }
}

// The target after links, and whether a file may be written there; the old file's state for the writer.
bool ZielPruefen(const QString& pfad, QByteArray& ziel, struct stat& alt, bool& vorhanden, QString* grund)
{
    if (!ZielFinden(pfad, ziel, grund))
        return false;
    vorhanden = ::stat(ziel.constData(), &alt) == 0;
    if (vorhanden && !S_ISREG(alt.st_mode))
        return Ablehnen(grund, QStringLiteral("%1 ist keine gewöhnliche Datei; es wurde nichts geschrieben.").arg(Anzeigename(pfad)));
    if (vorhanden && ::access(ziel.constData(), W_OK) != 0)
        return Ablehnen(grund, QStringLiteral("Die Datei %1 ist schreibgeschützt.").arg(Anzeigename(pfad)));
    const qsizetype schnitt = ziel.lastIndexOf('/');
    const QByteArray ordner = schnitt < 0 ? QByteArray(".") : schnitt == 0 ? QByteArray("/") : ziel.left(schnitt);
    if (::access(ordner.constData(), W_OK | X_OK) != 0)
        return Ablehnen(grund, Grund(errno, ziel));
    return true;
}

// The one writer behind every file of the suite; `fuellen` writes the content into the open temporary file
// and returns 0 or an errno value.
bool SchreibenMit(const QString& pfad, const std::function<int(int)>& fuellen, QString* grund, bool ausfuehrbar)
{
    QByteArray ziel;
    struct stat alt {};
    bool vorhanden = false;
    if (!ZielPruefen(pfad, ziel, alt, vorhanden, grund))
        return false;

    // The temporary file lies beside the target, so the rename never crosses a file system.
    const qsizetype schnitt = ziel.lastIndexOf('/');
    const QByteArray ordner = schnitt < 0 ? QByteArray() : ziel.left(schnitt + 1);
    const QByteArray name = ziel.mid(schnitt + 1);
    const mode_t modus = ausfuehrbar ? 0777 : 0666;
    QByteArray temp;
    int fd = -1;
    for (int versuch = 0; fd < 0 && versuch < 100; ++versuch) {
        temp = ordner + '.' + name + '.' + QByteArray::number(quint64(::getpid()) * 1000 + quint64(versuch), 36) + ".tmp";
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
        if (fd < 0 && errno != EEXIST)
            return Ablehnen(grund, Grund(errno, ziel));
    }
    if (fd < 0)
        return Ablehnen(grund, Grund(EEXIST, ziel));

    int fehler = fuellen(fd);
    if (fehler == 0 && vorhanden) {
        // The new file keeps the rights (and, where we may, the owner) of the one it replaces.
        ::fchmod(fd, (alt.st_mode & 07777) | (ausfuehrbar ? 0111 : 0));
        if (::geteuid() == 0 && (alt.st_uid != ::geteuid() || alt.st_gid != ::getegid()))
            (void)!::fchown(fd, alt.st_uid, alt.st_gid);
    }
    // A full disk often shows only when the data reach it.
    if (fehler == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        fehler = errno;
    if (::close(fd) != 0 && fehler == 0 && errno != EINTR)
        fehler = errno;
    if (fehler == 0 && ::rename(temp.constData(), ziel.constData()) != 0)
        fehler = errno;
    if (fehler != 0) {
        ::unlink(temp.constData());
        return Ablehnen(grund, Grund(fehler, ziel));
    }
    return true;
}

} // namespace

bool Schreiben(const QString& pfad, const QByteArray& bytes, QString* grund, bool ausfuehrbar)
{
    if (IstStandardausgabe(pfad)) {
        std::fflush(stdout);
        const int fehler = AllesSchreiben(STDOUT_FILENO, bytes.constData(), bytes.size());
        return fehler == 0 || Ablehnen(grund, Grund(fehler, QByteArray("-")));
    }
    return SchreibenMit(pfad, [&bytes](int fd) { return AllesSchreiben(fd, bytes.constData(), bytes.size()); }, grund,
                        ausfuehrbar);
}

bool Beschreibbar(const QString& pfad, QString* grund)
{
    if (IstStandardausgabe(pfad))
        return true;
    QByteArray ziel;
    struct stat alt {};
    bool vorhanden = false;
    return ZielPruefen(pfad, ziel, alt, vorhanden, grund);
}

bool AtomarSchreiben(const QString& pfad, const std::function<void(QIODevice&)>& schreiben, QString* grund)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    schreiben(puffer);
    return Schreiben(pfad, bytes, grund);
}

bool Kopieren(const QString& quelle, const QString& ziel, QString* grund)
{
    const int ein = ::open(QFile::encodeName(quelle).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (ein < 0)
        return Ablehnen(grund, QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(Anzeigename(quelle)));
    struct stat st {};
    // A pipe would block, a device could fill the disk.
    if (::fstat(ein, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(ein);
        return Ablehnen(grund, QStringLiteral("%1 ist keine gewöhnliche Datei.").arg(Anzeigename(quelle)));
    }
    bool lesefehler = false;
    const bool ok = SchreibenMit(
        ziel,
        [ein, &lesefehler](int aus) {
            QByteArray puffer(1 << 16, Qt::Uninitialized);
            for (;;) {
                const ssize_t n = ::read(ein, puffer.data(), size_t(puffer.size()));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    lesefehler = true;
                    return errno;
                }
                if (n == 0)
                    return 0;
                if (const int fehler = AllesSchreiben(aus, puffer.constData(), n))
                    return fehler;
            }
        },
        grund, false);
    ::close(ein);
    if (!ok && lesefehler && grund)
        *grund = QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(Anzeigename(quelle));
    return ok;
}

void StandardausgabeZulassen(bool zulassen)
{
    s_standardausgabe = zulassen;
}

bool IstStandardausgabe(const QString& pfad)
{
    return s_standardausgabe && pfad == QLatin1String("-");
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
    QString grund;
    if (Kopieren(pfad, name, &grund)) {
        if (ziel)
            *ziel = name;
        return true;
    }
    if (fehler)
        *fehler = QStringLiteral("Die Sicherung %1 konnte nicht angelegt werden: %2 Die Datei %3 wurde deshalb "
                                 "nicht überschrieben.")
                      .arg(Anzeigename(name), grund, Anzeigename(pfad));
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
