#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class TestInstallation;
namespace Dialoge {
class Skript;
}

// One place per window where typed work could be thrown away. Each tool's cases live in a file of their own.
namespace Verwerfen {

struct Fall {
    QString name;                                       // the row's name in the test output
    std::function<QWidget*()> bauen;                    // the window, on the installation's shipped data
    std::function<void(QWidget&)> tippen;               // types work into it, through the real controls
    std::function<void(QWidget&)> ausloesen;            // the action that would throw the work away
    QString titel;                                      // the name the question gives the work
    std::function<bool(QWidget&)> nochDa;               // the typed work is still on screen
    std::function<bool(const TestInstallation&)> gespeichert; // the typed work reached its file
    QString datei = {}; // where a save dialog puts the work, below the installation; empty when none is asked
    // Adds the answers that come after the unsaved-changes question to the script the frame has installed
    // (file names, yes/no); empty when none follow.
    std::function<void(Dialoge::Skript&)> vorbereiten = {};
};

// A new record whose save failed (a FIFO stood in the database's place, `datei` below the data folder), then
// the window closed: the record lives only in the program. The FIFO goes before the answer, so Speichern works.
Fall Ungeschrieben(const QString& name, std::function<QWidget*()> bauen, const QString& datei,
                   std::function<void(QWidget&)> eingeben, const QString& eintrag);

QList<Fall> Waffkam();
QList<Fall> Bestiar();
QList<Fall> Lagerhof();
QList<Fall> Ortsbau();
QList<Fall> Tabellar();
QList<Fall> Leitstand();

inline QList<Fall> Alle()
{
    return Waffkam() + Bestiar() + Lagerhof() + Ortsbau() + Tabellar() + Leitstand();
}

} // namespace Verwerfen
