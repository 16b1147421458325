#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Batch mode: a program started with arguments runs headless and exits. This helper prepares it: the
// batch dialog seam (messages to standard error, no questions), --help, --version and --seed N.
namespace Batch {

// Reads the arguments of a batch command. Options take the form "--name value" or "--name".
class Befehlszeile {
public:
    explicit Befehlszeile(const QStringList& argumente);

    // Takes a flag out of the remaining arguments.
    bool Schalter(const QString& name);
    // Takes "--name value" out of the remaining arguments; a missing value is reported by Fehlerhaft().
    std::optional<QString> Wert(const QString& name);
    // Takes every "--name value" of an option that may be repeated, in the order given.
    QStringList Werte(const QString& name);
    // Takes the next argument that is not an option.
    std::optional<QString> Position();
    // The same two for a name the user gives (of a good, a weapon, a city ...): a value holding a line break
    // or a tab is refused, and Fehlerhaft() says why.
    std::optional<QString> Name(const QString& option);
    std::optional<QString> NamePosition();

    // A problem found so far, or the first argument nobody asked for; empty when all is well.
    QString Fehlerhaft() const;

private:
    std::optional<QString> Einzeilig(std::optional<QString> wert);

    QStringList m_rest;
    QString m_fehler;
};

struct Vorbereitung {
    bool beenden = false;  // --help or --version was answered, or the arguments were wrong
    int status = 0;
    QStringList argumente; // what is left for the program's own commands
};

// Installs the batch seam, answers --help and --version, takes --seed N. `hilfe` lists the program's commands.
Vorbereitung Vorbereiten(const QStringList& argumente, const QString& programm, const QString& hilfe);

// What a tool's batch command did: its exit status and the lines for standard output.
struct Ergebnis {
    int Status = 0;
    QStringList Ausgabe;
};

// The batch half of a program's main(): sets the title, answers --help and --version, takes --seed, sets the
// paths, runs the command and prints its lines. Returns the exit status.
int Starten(const QStringList& argumente, const QString& programm, const QString& titel, const QString& hilfe,
            Ergebnis (*ausfuehren)(const QStringList&));

// Writes a line to standard output (UTF-8), or to standard error when the command's page goes to standard output.
void Ausgabe(const QString& zeile);
// Writes the message to standard error and returns the exit status for it.
int Abbruch(const QString& meldung, int status = 2);

} // namespace Batch
