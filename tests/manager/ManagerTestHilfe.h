#pragma once

#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"

#include <QDir>
#include <QFile>
#include <QPair>
#include <QtTest>

// Shared by the manager tests: programs, icons and settings placed in a temporary installation.
namespace ManagerTest {

// An executable file standing for a program; it is never run, the shell seam only records.
inline void ProgrammAnlegen(const TestInstallation& inst, const QString& name)
{
    inst.Schreiben(name, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(inst.Pfad(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// An icon for a program in GFX (any picture will do).
inline void SymbolAnlegen(const TestInstallation& inst, const QString& name)
{
    inst.Schreiben(QStringLiteral("GFX/") + name, inst.Bytes(QStringLiteral("GFX/Werkbund3.ico")));
}

inline void IniSetzen(const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    QVERIFY(Subs::IniSchreiben(Variablen::IniDatei, abschnitt, schluessel, wert));
}

inline QString Ini(const QString& abschnitt, const QString& schluessel)
{
    return Subs::IniLesen(Variablen::IniDatei, abschnitt, schluessel);
}

// An installation whose first run is over, so that a window test starts quietly.
inline void ErstlaufErledigt()
{
    IniSetzen(QStringLiteral("General"), QStringLiteral("Started"), QStringLiteral("1"));
}

} // namespace ManagerTest
