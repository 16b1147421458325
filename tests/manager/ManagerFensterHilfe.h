#pragma once

#include "FileSearchEngine.h"
#include "TestInstallation.h"
#include "frmManagerMain.h"

#include <memory>

namespace ManagerTest {

// A started main window whose suite search only looks into the installation's HTML folder; the dialog
// script in place answers its questions. nullptr when the start ended (missing settings file).
inline std::unique_ptr<frmManagerMain> HauptfensterStarten(const TestInstallation& inst)
{
    auto fenster = std::make_unique<frmManagerMain>();
    fenster->Suche().WurzelnSetzen({inst.Pfad(QStringLiteral("HTML"))});
    if (!fenster->Form_Load())
        return nullptr;
    return fenster;
}

} // namespace ManagerTest
