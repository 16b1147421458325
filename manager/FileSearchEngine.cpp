#include "FileSearchEngine.h"

#include "Dialoge.h"
#include "VarlSuite.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Kennung {
    dev_t geraet;
    ino_t knoten;
    bool operator==(const Kennung&) const = default;
};

bool Enthaelt(const std::vector<Kennung>& liste, const Kennung& k)
{
    return std::find(liste.begin(), liste.end(), k) != liste.end();
}

// One level of the depth-first walk: a folder and its sub-folders still to visit.
struct Ebene {
    std::string pfad; // ends with '/'
    std::vector<std::string> unter;
    size_t naechster = 0;
};

char Klein(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

struct FileSearchEngine::Walk {
    std::string zielKlein; // the target in lower case, when it is plain ASCII
    QString ziel;
    bool zielAscii = true;
    std::vector<Kennung> wurzeln;  // every root is walked as a root only, never inside another one
    std::vector<Kennung> erledigt; // roots already walked (the same file system may be mounted twice)

    bool Passt(const char* name) const
    {
        if (!zielAscii)
            return QString::fromUtf8(name).compare(ziel, Qt::CaseInsensitive) == 0;
        // Case-insensitive compare by hand: strcasecmp would depend on the C locale.
        size_t i = 0;
        for (; name[i] != 0 && i < zielKlein.size(); ++i)
            if (Klein(name[i]) != zielKlein[i])
                return false;
        return name[i] == 0 && i == zielKlein.size();
    }
};

FileSearchEngine::FileSearchEngine() = default;
FileSearchEngine::~FileSearchEngine() = default;

void FileSearchEngine::WurzelnSetzen(const QStringList& wurzeln)
{
    m_wurzeln = wurzeln;
}

void FileSearchEngine::EreignisseSetzen(std::function<void()> ereignisse)
{
    m_ereignisse = std::move(ereignisse);
}

std::function<void()> FileSearchEngine::Gedrosselt(std::function<void()> ereignisse, int abstandMs)
{
    return [ereignisse = std::move(ereignisse), abstandMs, uhr = QElapsedTimer()]() mutable {
        if (!uhr.isValid() || uhr.elapsed() >= abstandMs) {
            ereignisse();
            uhr.start();
        }
    };
}

void FileSearchEngine::WartezeigerSetzen(std::function<void(bool)> wartezeiger)
{
    m_wartezeiger = std::move(wartezeiger);
}

void FileSearchEngine::Suche(const QString& ziel)
{
    m_gefunden = false;
    m_fundordner.clear();
    if (m_laeuft) {
        m_laeuft = false;
        m_abgebrochen = true;
        return;
    }
    m_abgebrochen = false;
    if (ziel.isEmpty())
        return;
    if (m_wartezeiger)
        m_wartezeiger(true);
    m_laeuft = true;
    m_besucht = 0;

    Walk walk;
    walk.ziel = ziel;
    for (const QChar c : ziel)
        walk.zielAscii = walk.zielAscii && c.unicode() < 0x80 && c.unicode() != 0;
    if (walk.zielAscii)
        for (const QChar c : ziel)
            walk.zielKlein += Klein(char(c.unicode()));

    const QStringList wurzeln = m_wurzeln.isEmpty() ? Laufwerke() : m_wurzeln;
    for (const QString& wurzel : wurzeln) {
        struct stat st {};
        if (stat(QFile::encodeName(wurzel).constData(), &st) == 0 && S_ISDIR(st.st_mode))
            walk.wurzeln.push_back({st.st_dev, st.st_ino});
    }
    for (const QString& wurzel : wurzeln) {
        if (!m_laeuft)
            break;
        WurzelDurchsuchen(wurzel, walk);
    }

    m_laeuft = false;
    if (m_wartezeiger)
        m_wartezeiger(false);
}

void FileSearchEngine::WurzelDurchsuchen(const QString& wurzel, Walk& walk)
{
    std::string start = QFile::encodeName(wurzel).toStdString();
    if (start.empty())
        return;
    if (start.back() != '/')
        start += '/';
    struct stat st {};
    if (stat(start.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return;
    const Kennung kennung{st.st_dev, st.st_ino};
    if (Enthaelt(walk.erledigt, kennung))
        return;
    walk.erledigt.push_back(kennung);
    const dev_t geraet = st.st_dev;

    std::vector<Ebene> stapel;
    stapel.push_back({start, {}, 0});
    bool neu = true;
    while (!stapel.empty()) {
        if (neu) {
            neu = false;
            Ebene& e = stapel.back();
            if (m_ereignisse)
                m_ereignisse();
            if (!m_laeuft)
                return;

            const bool istWurzel = stapel.size() == 1;
            // The root may be given through a link; below it no link is followed.
            const int fd = open(e.pfad.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | (istWurzel ? 0 : O_NOFOLLOW));
            // A folder that cannot be read (no permission, vanished) is skipped; the walk goes on.
            if (fd >= 0) {
                struct stat ordner {};
                const bool betreten = fstat(fd, &ordner) == 0 && ordner.st_dev == geraet
                    && (istWurzel || !Enthaelt(walk.wurzeln, {ordner.st_dev, ordner.st_ino}));
                DIR* verzeichnis = betreten ? fdopendir(fd) : nullptr;
                if (!verzeichnis) {
                    close(fd);
                } else {
                    ++m_besucht;
                    std::vector<std::string> treffer;
                    while (const dirent* eintrag = readdir(verzeichnis)) {
                        const char* name = eintrag->d_name;
                        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                            continue;
                        unsigned char typ = eintrag->d_type;
                        if (typ == DT_UNKNOWN) {
                            struct stat s {};
                            if (fstatat(dirfd(verzeichnis), name, &s, AT_SYMLINK_NOFOLLOW) == 0)
                                typ = S_ISDIR(s.st_mode) ? DT_DIR : (S_ISLNK(s.st_mode) ? DT_LNK : DT_REG);
                        }
                        if (typ == DT_DIR) {
                            if (name[0] != '.')
                                e.unter.emplace_back(name);
                        } else if (walk.Passt(name)) {
                            treffer.emplace_back(name);
                        }
                    }
                    closedir(verzeichnis);
                    std::sort(e.unter.begin(), e.unter.end());
                    std::sort(treffer.begin(), treffer.end());

                    // The folder's own match comes before its sub-folders.
                    for (size_t i = 0; i < treffer.size(); ++i) {
                        if (m_ereignisse)
                            m_ereignisse();
                        if (!m_laeuft)
                            return;
                        const QString ordnerText = QFile::decodeName(stapel.back().pfad.c_str());
                        if (VarlSuite::OrdnerGueltig(ordnerText)) {
                            m_gefunden = true;
                            m_fundordner = ordnerText;
                            m_laeuft = false;
                            return;
                        }
                        Dialoge::Warnung(VarlSuite::AlteVersionWarnung());
                    }
                }
            }
        }
        Ebene& oben = stapel.back();
        if (oben.naechster < oben.unter.size()) {
            std::string pfad = oben.pfad + oben.unter[oben.naechster++] + '/';
            stapel.push_back({std::move(pfad), {}, 0});
            neu = true;
        } else {
            stapel.pop_back();
        }
    }
}

bool FileSearchEngine::Netzlaufwerk(const QByteArray& typ, const QByteArray& geraet)
{
    // Walking a share of another host can take hours and wakes remote machines; the suite is never there.
    static const QSet<QByteArray> netz = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "afs", "ceph", "glusterfs",
                                          "lustre", "9p", "davfs", "ncpfs", "coda", "fuse.sshfs", "fuse.rclone",
                                          "fuse.s3fs", "fuse.curlftpfs", "fuse.davfs2", "fuse.glusterfs", "fuse.ceph"};
    if (netz.contains(typ))
        return true;
    // Other fuse mounts are remote when their source names a host: "user@host:/path" or "//host/share".
    return typ.startsWith("fuse.") && (geraet.contains(':') || geraet.startsWith("//"));
}

QStringList FileSearchEngine::Laufwerke()
{
    // Kernel interfaces, memory-only and packaged read-only images: nothing is ever installed there.
    static const QSet<QByteArray> ausgelassen = {
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "ramfs", "cgroup", "cgroup2", "securityfs",
        "pstore", "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "autofs",
        "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs", "selinuxfs", "squashfs", "fuse.gvfsd-fuse",
        "fuse.portal", "fuse.lxcfs", "fuse.snapfuse"};
    QStringList wurzeln;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& v : volumes) {
        if (!v.isValid() || !v.isReady() || ausgelassen.contains(v.fileSystemType())
            || Netzlaufwerk(v.fileSystemType(), v.device()))
            continue;
        wurzeln.append(v.rootPath());
    }
    wurzeln.sort();
    wurzeln.removeDuplicates();
    return wurzeln;
}
