#pragma once

#include "Shell.h"

// The shell seam with the desktop's default handlers and detached processes.
class QtShell : public Shell::Anbieter {
public:
    bool Oeffnen(const QString& dokumentOderAdresse) override;
    bool Starten(const QString& programm, Shell::Fensterstil stil) override;
};
