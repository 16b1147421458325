#include "Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
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

Fingerabdruck AusStat(const struct stat& st)
{
    Fingerabdruck f;
    f.Bekannt = true;
    f.Vorhanden = true;
    f.Geraet = quint64(st.st_dev);
    f.Knoten = quint64(st.st_ino);
    f.Groesse = qint64(st.st_size);
    f.Geaendert = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return f;
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
bool SchreibenMit(const QString& pfad, const std::function<int(int)>& fuellen, QString* grund, bool ausfuehrbar,
                  struct stat* geschrieben = nullptr)
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
    // The rename keeps identity, size and time: what the caller will find at the target.
    if (fehler == 0 && geschrieben && ::fstat(fd, geschrieben) != 0)
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

bool Schreiben(const QString& pfad, const QByteArray& bytes, QString* grund, bool ausfuehrbar, Fingerabdruck* abdruck)
{
    if (IstStandardausgabe(pfad)) {
        std::fflush(stdout);
        const int fehler = AllesSchreiben(STDOUT_FILENO, bytes.constData(), bytes.size());
        return fehler == 0 || Ablehnen(grund, Grund(fehler, QByteArray("-")));
    }
    struct stat st {};
    if (!SchreibenMit(pfad, [&bytes](int fd) { return AllesSchreiben(fd, bytes.constData(), bytes.size()); }, grund,
                      ausfuehrbar, abdruck ? &st : nullptr))
        return false;
    if (abdruck) {
        *abdruck = AusStat(st);
        Pruefsumme summe;
        summe.Hinzufuegen(bytes.constData(), bytes.size());
        abdruck->Pruefsumme = summe.Wert();
        abdruck->PruefsummeBekannt = true;
    }
    return true;
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

QString Satz(const QString& grund)
{
    QString satz = grund.trimmed();
    if (satz.isEmpty())
        return satz;
    satz[0] = satz[0].toUpper();
    if (!satz.endsWith(QLatin1Char('.')) && !satz.endsWith(QLatin1Char('!')) && !satz.endsWith(QLatin1Char('?')))
        satz += QLatin1Char('.');
    return satz;
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

// A hash over four lanes of eight bytes, so the bytes of a large file are taken at memory speed.
namespace {
constexpr quint64 kP1 = 0x9E3779B185EBCA87ull;
constexpr quint64 kP2 = 0xC2B2AE3D27D4EB4Full;
constexpr quint64 kP3 = 0x165667B19E3779F9ull;
constexpr quint64 kP4 = 0x85EBCA77C2B2AE63ull;

inline quint64 Drehen(quint64 x, int n)
{
    return (x << n) | (x >> (64 - n));
}

inline quint64 Wort(const unsigned char* p)
{
    quint64 w;
    std::memcpy(&w, p, 8);
    return w;
}

inline quint64 Runde(quint64 spur, quint64 wort)
{
    return Drehen(spur + wort * kP2, 31) * kP1;
}
} // namespace

Pruefsumme::Pruefsumme() : m_spur{kP1 + kP2, kP2, 0, 0 - kP1}
{
}

void Pruefsumme::Hinzufuegen(const char* daten, qsizetype n)
{
    auto p = reinterpret_cast<const unsigned char*>(daten);
    m_laenge += quint64(n);
    if (m_restlaenge > 0) {
        const qsizetype fehlt = qMin<qsizetype>(32 - m_restlaenge, n);
        std::memcpy(m_rest + m_restlaenge, p, size_t(fehlt));
        m_restlaenge += fehlt;
        p += fehlt;
        n -= fehlt;
        if (m_restlaenge < 32)
            return;
        for (int i = 0; i < 4; ++i)
            m_spur[i] = Runde(m_spur[i], Wort(m_rest + 8 * i));
        m_restlaenge = 0;
    }
    for (; n >= 32; p += 32, n -= 32)
        for (int i = 0; i < 4; ++i)
            m_spur[i] = Runde(m_spur[i], Wort(p + 8 * i));
    std::memcpy(m_rest, p, size_t(n));
    m_restlaenge = n;
}

quint64 Pruefsumme::Wert() const
{
    quint64 h = Drehen(m_spur[0], 1) + Drehen(m_spur[1], 7) + Drehen(m_spur[2], 12) + Drehen(m_spur[3], 18);
    h += m_laenge;
    for (qsizetype i = 0; i < m_restlaenge; ++i)
        h = Drehen(h ^ (quint64(m_rest[i]) * kP3), 11) * kP1;
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP4;
    return h ^ (h >> 32);
}

Fingerabdruck Stand(const QString& pfad)
{
    struct stat st {};
    if (::stat(QFile::encodeName(pfad).constData(), &st) != 0) {
        Fingerabdruck fehlt;
        fehlt.Bekannt = true;
        return fehlt;
    }
    return AusStat(st);
}

Fingerabdruck Abdruck(const QString& pfad)
{
    // Opened without blocking: a FIFO in the file's place must not stop the program.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Stand(pfad);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return Stand(pfad);
    }
    Fingerabdruck f = AusStat(st);
    if (S_ISREG(st.st_mode) && st.st_size <= Hoechstgroesse) {
        Pruefsumme summe;
        QByteArray puffer(1 << 16, Qt::Uninitialized);
        f.PruefsummeBekannt = true;
        for (;;) {
            const ssize_t n = ::read(fd, puffer.data(), size_t(puffer.size()));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                f.PruefsummeBekannt = false;
                break;
            }
            if (n == 0)
                break;
            summe.Hinzufuegen(puffer.constData(), n);
        }
        f.Pruefsumme = summe.Wert();
    }
    ::close(fd);
    return f;
}

bool Unveraendert(const QString& pfad, const Fingerabdruck& bekannt)
{
    if (!bekannt.Bekannt)
        return true;
    const Fingerabdruck jetzt = Stand(pfad);
    if (!jetzt.Vorhanden || !bekannt.Vorhanden)
        return jetzt.Vorhanden == bekannt.Vorhanden;
    if (jetzt.Geraet == bekannt.Geraet && jetzt.Knoten == bekannt.Knoten && jetzt.Groesse == bekannt.Groesse
        && jetzt.Geaendert == bekannt.Geaendert)
        return true;
    if (!bekannt.PruefsummeBekannt || jetzt.Groesse != bekannt.Groesse)
        return false;
    const Fingerabdruck inhalt = Abdruck(pfad);
    return inhalt.PruefsummeBekannt && inhalt.Pruefsumme == bekannt.Pruefsumme;
}

namespace {

constexpr int kSperrfristVorgabe = 10000;
int s_sperrfrist = 0;

int Sperrfrist()
{
    if (s_sperrfrist > 0)
        return s_sperrfrist;
    // Tests of many processes shorten it without a rebuild.
    if (const char* wert = std::getenv("WERKBUND_SPERRFRIST_MS")) {
        const int ms = std::atoi(wert);
        if (ms > 0)
            return ms;
    }
    return kSperrfristVorgabe;
}

// The folders this program has locked; flock belongs to the open file, so a second open of a folder
// locked here would wait for ourselves.
struct Gesperrt {
    int fd = -1;
    int anzahl = 0;
    std::thread::id faden;
};
std::mutex s_sperrenMutex;
std::map<std::pair<quint64, quint64>, Gesperrt> s_sperren;

QByteArray SperrOrdner(const QString& pfad)
{
    QByteArray ziel;
    if (!ZielFinden(pfad, ziel, nullptr))
        ziel = QFile::encodeName(pfad);
    // A folder still to be made is guarded by the nearest one there is.
    QByteArray ordner = ziel;
    for (;;) {
        const qsizetype schnitt = ordner.lastIndexOf('/');
        ordner = schnitt < 0 ? QByteArray(".") : schnitt == 0 ? QByteArray("/") : ordner.left(schnitt);
        struct stat st {};
        if (schnitt <= 0 || (::stat(ordner.constData(), &st) == 0 && S_ISDIR(st.st_mode)))
            return ordner;
    }
}

} // namespace

void SperrfristSetzen(int millisekunden)
{
    s_sperrfrist = millisekunden;
}

Sperre::Sperre(const QString& pfad)
{
    if (IstStandardausgabe(pfad)) {
        m_gehalten = true;
        return;
    }
    const QByteArray ordner = SperrOrdner(pfad);
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        const int fehler = errno;
        if (fd >= 0)
            ::close(fd);
        m_grund = QStringLiteral("Die Datei %1 konnte nicht geändert werden: %2")
                      .arg(Anzeigename(pfad), Dateien::Grund(fehler, ordner + "/x"));
        return;
    }
    m_geraet = quint64(st.st_dev);
    m_knoten = quint64(st.st_ino);
    const auto schluessel = std::make_pair(m_geraet, m_knoten);
    const auto frist = std::chrono::steady_clock::now() + std::chrono::milliseconds(Sperrfrist());
    int pause = 1;
    for (;;) {
        {
            std::lock_guard<std::mutex> schutz(s_sperrenMutex);
            auto it = s_sperren.find(schluessel);
            if (it != s_sperren.end() && it->second.faden == std::this_thread::get_id()) {
                ++it->second.anzahl;
                ::close(fd);
                m_gehalten = true;
                return;
            }
            if (it == s_sperren.end() && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                s_sperren[schluessel] = Gesperrt{fd, 1, std::this_thread::get_id()};
                m_gehalten = true;
                return;
            }
        }
        if (std::chrono::steady_clock::now() >= frist)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        pause = qMin(pause * 2, 25);
    }
    ::close(fd);
    m_grund = QStringLiteral("Die Datei %1 wird gerade von einem anderen Programm geändert; es wurde nichts "
                             "geschrieben. Bitte versucht es gleich noch einmal.")
                  .arg(Anzeigename(pfad));
}

Sperre::~Sperre()
{
    Freigeben();
}

void Sperre::Freigeben()
{
    if (!m_gehalten)
        return;
    m_gehalten = false;
    if (m_geraet == 0 && m_knoten == 0)
        return;
    std::lock_guard<std::mutex> schutz(s_sperrenMutex);
    auto it = s_sperren.find(std::make_pair(m_geraet, m_knoten));
    if (it == s_sperren.end() || --it->second.anzahl > 0)
        return;
    ::flock(it->second.fd, LOCK_UN);
    ::close(it->second.fd);
    s_sperren.erase(it);
}

} // namespace Dateien
