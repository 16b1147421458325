#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// A complete installation in a temporary folder, filled with the shipped data and pictures as an install
// would place them; the path variables point at it while it lives.
class TestInstallation {
public:
    explicit TestInstallation(bool mitDaten = true);

    QString Ordner() const { return m_ordner.path(); }
    // A path below the installation, written with "/" or "\".
    QString Pfad(const QString& relativ) const;

    QByteArray Bytes(const QString& relativ) const;
    // The decoded lines of a line file of the installation.
    QStringList Zeilen(const QString& relativ) const;
    void Schreiben(const QString& relativ, const QByteArray& bytes) const;
    // Writes lines as a line file (Windows-1252, CR LF).
    void ZeilenSchreiben(const QString& relativ, const QStringList& zeilen) const;

    static QString StagingOrdner();

private:
    QTemporaryDir m_ordner;
};

class QProcessEnvironment;

// A run of a built program: its exit code (-1 when it crashed or did not end within a minute) and what it
// wrote to standard output and standard error.
struct Programmlauf {
    int status = -1;
    QString ausgabe;
    QString fehler;
    QByteArray rohausgabe; // standard output as bytes, for a page written to it
};
Programmlauf ProgrammStarten(const QString& programm, const QStringList& argumente);
// `imKind` runs in the child before the program starts (limits, signal dispositions).
Programmlauf ProgrammStarten(const QString& programm, const QStringList& argumente, const QProcessEnvironment& umgebung,
                             const std::function<void()>& imKind = {});

namespace TestDatenbank {

// A database file: the version line and the blocks of the given records, numbered 0, 1, 2 ...
inline QStringList Datei(const QList<QStringList>& datensaetze)
{
    QStringList zeilen{QStringLiteral("3.00")};
    for (int i = 0; i < datensaetze.size(); ++i) {
        zeilen.append(QStringLiteral(" %1 ").arg(i));
        zeilen.append(datensaetze[i].mid(1));
    }
    return zeilen;
}

} // namespace TestDatenbank
