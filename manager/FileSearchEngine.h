#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Depth-first search for the other maker's suite over whole folder trees: by default every mounted real
// file system in ascending order of its root. Sub-folders are visited in name order, a folder's own match
// before its sub-folders; folders whose name begins with a dot are skipped, no symbolic link is followed
// and no walk crosses into another mount point, so every folder is visited once.
class FileSearchEngine {
public:
    FileSearchEngine();
    ~FileSearchEngine();
    FileSearchEngine(const FileSearchEngine&) = delete;
    FileSearchEngine& operator=(const FileSearchEngine&) = delete;

    // Folders to search instead of every drive (tests, batch mode). Empty: every drive.
    void WurzelnSetzen(const QStringList& wurzeln);
    // Called once per folder and once per match, so that a window can let its pending events run.
    // Calling Suche from inside it stops the running search.
    void EreignisseSetzen(std::function<void()> ereignisse);
    // Wraps an event handler so that it runs at most once per interval, while the search still checks
    // its stop flag at every folder: a responsive window without slowing the walk down.
    static std::function<void()> Gedrosselt(std::function<void()> ereignisse, int abstandMs);
    // Called with true when a search begins and with false when it ends (the waiting mouse pointer).
    void WartezeigerSetzen(std::function<void(bool)> wartezeiger);

    // Runs the whole search for the file name (matched without regard to case) and returns when it has
    // finished or was stopped. Called while a search runs, it stops that search instead.
    void Suche(const QString& ziel);

    bool Laeuft() const { return m_laeuft; }
    bool Gefunden() const { return m_gefunden; }
    // The last search was stopped before it had looked everywhere.
    bool Abgebrochen() const { return m_abgebrochen; }
    // The folder of the valid suite, ending with "/".
    QString Fundordner() const { return m_fundordner; }
    // Folders listed by the last search.
    qint64 BesuchteOrdner() const { return m_besucht; }

    // The roots of the mounted real local file systems (pseudo, memory and network file systems left out),
    // ascending.
    static QStringList Laufwerke();
    // Whether a mount of this type and source lies on another host (nfs, cifs, sshfs and other remote fuse
    // mounts).
    static bool Netzlaufwerk(const QByteArray& typ, const QByteArray& geraet);

private:
    struct Walk;
    void WurzelDurchsuchen(const QString& wurzel, Walk& walk);

    QStringList m_wurzeln;
    std::function<void()> m_ereignisse;
    std::function<void(bool)> m_wartezeiger;
    bool m_laeuft = false;
    bool m_gefunden = false;
    bool m_abgebrochen = false;
    QString m_fundordner;
    qint64 m_besucht = 0;
};
