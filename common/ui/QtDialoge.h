#pragma once

#include "Dialoge.h"

// The dialog seam with Qt's message box, input dialog, file dialogs and print dialog.
class QtDialoge : public Dialoge::Anbieter {
public:
    Dialoge::Antwort Meldung(const QString& text, Dialoge::Knoepfe knoepfe, Dialoge::Symbol symbol,
                             const QString& titel) override;
    QString Eingabe(const QString& aufforderung, const QString& titel) override;
    QString DateiOeffnen(const QString& ordner, const QString& filter) override;
    QString DateiSpeichern(const QString& ordner, const QString& filter) override;
    bool DruckerWaehlen(QPrinter& drucker) override;

    // "HTML-Dateien (*.html)|*.html" becomes Qt's "HTML-Dateien (*.html)"; the patterns of a pair come
    // from the part after the bar, so the description may say anything.
    static QString FilterUmwandeln(const QString& filter, QString* ersteEndung = nullptr);
};
