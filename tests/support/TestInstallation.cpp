#include "TestInstallation.h"

#include "Variablen.h"
#include "Zeilendatei.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

namespace {

void Kopieren(const QString& quelle, const QString& ziel)
{
    if (QFileInfo(quelle).isFile()) {
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        QFile::copy(quelle, ziel);
        return;
    }
    QDirIterator it(quelle, QDir::Files, QDirIterator::Subdirectories);
    const QDir basis(quelle);
    while (it.hasNext()) {
        const QString pfad = it.next();
        const QString zielpfad = ziel + QLatin1Char('/') + basis.relativeFilePath(pfad);
        QDir().mkpath(QFileInfo(zielpfad).absolutePath());
        QFile::copy(pfad, zielpfad);
    }
}

} // namespace

TestInstallation::TestInstallation(bool mitDaten)
{
    if (!m_ordner.isValid())
        qFatal("Kein temporärer Ordner");
    const QString ziel = m_ordner.path();
    if (mitDaten) {
        const QString staging = StagingOrdner();
        for (const char* teil : {"Data", "GFX", "Hilfe", "Hilfe.htm", "Werkbund3.ini"})
            Kopieren(staging + QLatin1Char('/') + QLatin1String(teil), ziel + QLatin1Char('/') + QLatin1String(teil));
    }
    for (const char* ordner : {"HTML", "WBD", "Temp", "Backup"})
        QDir(ziel).mkpath(QLatin1String(ordner));
    Variablen::PfadeInitialisieren(ziel);
}

QString TestInstallation::StagingOrdner()
{
    return QStringLiteral(WERKBUND_STAGING_DIR);
}

QString TestInstallation::Pfad(const QString& relativ) const
{
    QString r = relativ;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (r.startsWith(QLatin1Char('/')))
        r.remove(0, 1);
    return m_ordner.path() + QLatin1Char('/') + r;
}

QByteArray TestInstallation::Bytes(const QString& relativ) const
{
    QFile datei(Pfad(relativ));
    if (!datei.open(QIODevice::ReadOnly))
        return QByteArray();
    return datei.readAll();
}

QStringList TestInstallation::Zeilen(const QString& relativ) const
{
    return Zeilendatei::Lesen(Pfad(relativ));
}

void TestInstallation::Schreiben(const QString& relativ, const QByteArray& bytes) const
{
    const QString pfad = Pfad(relativ);
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size())
        qFatal("Testdatei nicht geschrieben");
}

void TestInstallation::ZeilenSchreiben(const QString& relativ, const QStringList& zeilen) const
{
    const QString pfad = Pfad(relativ);
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    if (!Zeilendatei::Schreiben(pfad, zeilen))
        qFatal("Testdatei nicht geschrieben");
}

Programmlauf ProgrammStarten(const QString& programm, const QStringList& argumente)
{
    return ProgrammStarten(programm, argumente, QProcessEnvironment::systemEnvironment());
}

Programmlauf ProgrammStarten(const QString& programm, const QStringList& argumente, const QProcessEnvironment& umgebung,
                             const std::function<void()>& imKind)
{
    QProcess prozess;
    prozess.setProcessEnvironment(umgebung);
    if (imKind)
        prozess.setChildProcessModifier(imKind);
    prozess.start(programm, argumente);
    Programmlauf lauf;
    if (!prozess.waitForFinished(60000))
        return lauf;
    lauf.status = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    lauf.rohausgabe = prozess.readAllStandardOutput();
    lauf.ausgabe = QString::fromUtf8(lauf.rohausgabe);
    lauf.fehler = QString::fromUtf8(prozess.readAllStandardError());
    return lauf;
}
