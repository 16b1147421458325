#pragma once

#include <QTextBrowser>

// The embedded browser pane of the tools that show and print their pages. Pages are Windows-1252 HTML
// files; opening returns at once and DokumentGeladen follows when the page is shown.
class Browser : public QTextBrowser {
    Q_OBJECT
public:
    explicit Browser(QWidget* eltern = nullptr);

    void Oeffnen(const QString& pfad);
    // Asks the dialog seam for a printer and prints the page shown; false when cancelled.
    bool Drucken();
    // Shows the pane, opens the page, waits until it is loaded (at most `wartezeitMs`) and prints it.
    // If the page does not come in time the user is told and nothing is printed.
    bool SeiteDrucken(const QString& pfad, int wartezeitMs = 5000);

    bool SeiteGeladen() const { return m_geladen; }

Q_SIGNALS:
    void DokumentGeladen();

private:
    bool m_geladen = false;
    int m_ladevorgang = 0;
};
