#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The seam to the desktop: open a document or address with its default handler, start a program.
// Tests install the recording version, so nothing is opened or started in a test run.
namespace Shell {

enum class Fensterstil { Versteckt = 0, Normal = 1 };

class Anbieter {
public:
    virtual ~Anbieter();
    // A file path or an address ("https://...", "mailto:..."). Returns whether the handler was reached.
    virtual bool Oeffnen(const QString& dokumentOderAdresse) = 0;
    // Starts a program without waiting for it.
    virtual bool Starten(const QString& programm, Fensterstil stil) = 0;
};

Anbieter& Aktuell();
// Installs a provider (not owned); nullptr goes back to the plain one (xdg-open and a detached process).
void Setzen(Anbieter* anbieter);

// Opens a page, file or address for the user. A missing file, or one that no program can show, gets a
// German message naming it instead of silence. Returns whether it was handed on.
bool Zeigen(const QString& dokumentOderAdresse);

class Aufzeichnung : public Anbieter {
public:
    struct Start {
        QString programm;
        Fensterstil stil;
    };
    Aufzeichnung();
    ~Aufzeichnung() override;
    Aufzeichnung(const Aufzeichnung&) = delete;
    Aufzeichnung& operator=(const Aufzeichnung&) = delete;

    bool Oeffnen(const QString& dokumentOderAdresse) override;
    bool Starten(const QString& programm, Fensterstil stil) override;

    QStringList geoeffnet;
    QList<Start> gestartet;
    // What the desktop answers: false plays a system without a program for the document or address.
    bool erfolg = true;

private:
    Anbieter* m_vorher = nullptr;
};

} // namespace Shell
