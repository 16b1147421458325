#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;

// The seam through which every program asks the user: message box, input box, file dialogs, print dialog.
// Programs with windows install the Qt version; batch mode writes messages to standard error and never
// asks; tests install a scripted one that answers in order and records every question.
namespace Dialoge {

// JaNeinVorgabeNein is for questions whose "Ja" destroys something: "Nein" is the default button there.
// JaNeinAbbrechen: "Nein" is the default, Escape cancels.
enum class Knoepfe { OK, JaNein, JaNeinVorgabeNein, SpeichernVerwerfenAbbrechen, MeineAndereBeideAbbrechen,
                     MeineAndereAbbrechen, JaNeinAbbrechen };
enum class Symbol { Keins, Information, Ausrufezeichen, Frage, Fehler };
enum class Antwort { OK, Ja, Nein, Speichern, Verwerfen, Abbrechen, Meine, Andere, Beide };

class Anbieter {
public:
    virtual ~Anbieter();
    virtual Antwort Meldung(const QString& text, Knoepfe knoepfe, Symbol symbol, const QString& titel) = 0;
    // The typed text; cancel gives the empty text as well.
    virtual QString Eingabe(const QString& aufforderung, const QString& titel) = 0;
    // Filters are written as pairs "Beschreibung|Muster" ("HTML-Dateien (*.html)|*.html"). The chosen full
    // file name, or the empty text on cancel. The save dialog asks before it replaces an existing file.
    virtual QString DateiOeffnen(const QString& ordner, const QString& filter) = 0;
    virtual QString DateiSpeichern(const QString& ordner, const QString& filter) = 0;
    // Shows the print dialog for this printer; false when the user cancels.
    virtual bool DruckerWaehlen(QPrinter& drucker) = 0;
};

Anbieter& Aktuell();
// Installs a provider (not owned); nullptr goes back to the batch provider.
void Setzen(Anbieter* anbieter);

// Shortcuts titled with Programmtitel.
void Hinweis(const QString& text);             // information icon
void Warnung(const QString& text);             // exclamation icon
void Fehler(const QString& text, const QString& titel); // error icon, own title
bool Frage(const QString& text, Symbol symbol = Symbol::Frage); // Yes/No; true for Yes
// Yes/No where Yes destroys something (a delete, a discard): No is the default button and Escape.
bool FrageZerstoerend(const QString& text, Symbol symbol = Symbol::Frage);
// Before typed work is thrown away: "Die Änderungen an „NAME“ sind nicht gespeichert." with Speichern,
// Verwerfen and Abbrechen; Abbrechen is the default and Escape.
Antwort Ungespeichert(const QString& name);
QString Eingabe(const QString& aufforderung);
// When a record or file was changed here and in another window since it was read: keep this window's
// version, the other one, or (where `beide` is given, the text saying how) both. Abbrechen saves nothing.
Antwort Konflikt(const QString& text, const QString& beide = QString());

// Batch mode: messages go to standard error, questions are answered No, nothing is chosen.
class Stapel : public Anbieter {
public:
    Antwort Meldung(const QString& text, Knoepfe knoepfe, Symbol symbol, const QString& titel) override;
    QString Eingabe(const QString& aufforderung, const QString& titel) override;
    QString DateiOeffnen(const QString& ordner, const QString& filter) override;
    QString DateiSpeichern(const QString& ordner, const QString& filter) override;
    bool DruckerWaehlen(QPrinter& drucker) override;
};

// Scripted answers for tests. While it lives it is the installed provider. Yes/No questions take the next
// entry of `ja`, the unsaved-changes question the next of `wahl`, input boxes the next of `eingaben`, file
// dialogs the next of `dateien`; message boxes with OK alone need no answer. An unanswered question is
// answered No / Abbrechen / empty and counted. The question about a record changed in two windows takes
// the next entry of `wahl` as well (Meine, Andere, Beide or Abbrechen); a Yes/No/Cancel question takes the
// next entry of `ja`, or when there is none the next of `wahl`.
class Skript : public Anbieter {
public:
    struct Aufruf {
        QString art; // "Meldung", "Frage", "Eingabe", "Oeffnen", "Speichern", "Drucken"
        QString text;
        Knoepfe knoepfe = Knoepfe::OK;
        QString titel;
        Symbol symbol = Symbol::Keins;
        QString ordner;
        QString filter;
    };

    Skript();
    ~Skript() override;
    Skript(const Skript&) = delete;
    Skript& operator=(const Skript&) = delete;

    QList<bool> ja;
    QList<Antwort> wahl;
    QStringList eingaben;
    QStringList dateien;
    // Prepares the printer (for example a PDF file name); without it the print dialog is cancelled.
    std::function<bool(QPrinter&)> drucken;

    QList<Aufruf> aufrufe;
    int unbeantwortet = 0;

    // The texts of all message boxes and questions, in order.
    QStringList Texte() const;

    Antwort Meldung(const QString& text, Knoepfe knoepfe, Symbol symbol, const QString& titel) override;
    QString Eingabe(const QString& aufforderung, const QString& titel) override;
    QString DateiOeffnen(const QString& ordner, const QString& filter) override;
    QString DateiSpeichern(const QString& ordner, const QString& filter) override;
    bool DruckerWaehlen(QPrinter& drucker) override;

private:
    Anbieter* m_vorher = nullptr;
};

} // namespace Dialoge
