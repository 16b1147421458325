#pragma once

#include <QWidget>

class Browser;
class QPushButton;

// The day tool's main window: three buttons and the browser pane that shows the last day page.
class frmDayMain : public QWidget {
    Q_OBJECT
public:
    explicit frmDayMain(QWidget* eltern = nullptr);

    bool SeiteGeladen() const { return m_seiteGeladen; }

public Q_SLOTS:
    void cmdNeu_Click();
    void cmdReise_Click();
    void cmdDrucken_Click();
    void cmdHelp_Click();
    void Browser_DokumentGeladen();
    // Shows a freshly written page and allows printing it.
    void SeiteZeigen(const QString& pfad);

private:
    QPushButton* Knopf(const QString& name, const QString& bild, const QString& beschriftung);

    QPushButton* cmdNeu = nullptr;
    QPushButton* cmdReise = nullptr;
    QPushButton* cmdDrucken = nullptr;
    QPushButton* cmdHelp = nullptr;
    Browser* m_browser = nullptr;
    bool m_seiteGeladen = false;
};
