#pragma once

#include "TestInstallation.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringList>

namespace DatEditTest {

// Puts the bytes in place as a new file (a rename, like every writer of the suite), so a settings file read
// a moment ago is never mistaken for the new one by its size and time.
inline bool Ablegen(const QString& pfad, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QSaveFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size() && datei.commit();
}

// "a\nb\n" as the Windows-1252 bytes of a line file with CR LF.
inline QByteArray CrLf(const char* utf8)
{
    QString text = QString::fromUtf8(utf8);
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QByteArray aus;
    for (const QChar c : text)
        aus += c.unicode() < 0x100 ? char(c.unicode()) : '?';
    return aus;
}

// Puts the named files and folders of the installation back as shipped (a test may have replaced one by a
// folder, a link or nothing); what is not shipped is removed. Cheaper than a new installation per test.
inline void Wiederherstellen(const TestInstallation& inst, const QStringList& relativ)
{
    for (const QString& r : relativ) {
        const QString pfad = inst.Pfad(r);
        const QFileInfo info(pfad);
        if (info.isDir() && !info.isSymLink())
            QDir(pfad).removeRecursively();
        else
            QFile::remove(pfad);
        const QString quelle = TestInstallation::StagingOrdner() + QLatin1Char('/') + r;
        if (QFileInfo(quelle).isFile()) {
            QFile::copy(quelle, pfad);
            QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        } else if (QFileInfo(quelle).isDir()) {
            QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString datei = it.next();
                const QString ziel = pfad + QLatin1Char('/') + QDir(quelle).relativeFilePath(datei);
                QDir().mkpath(QFileInfo(ziel).absolutePath());
                QFile::copy(datei, ziel);
            }
        }
    }
}

} // namespace DatEditTest
