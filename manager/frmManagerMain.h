#pragma once

#include "FileSearchEngine.h"
#include "Linkliste.h"
#include "ManagerEngine.h"

#include <QDate>
#include <QWidget>

class Dateiwaechter;
class Datensatzliste;
class QAction;
class QCalendarWidget;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressDialog;
class QPushButton;

// The manager's main window: a button per tool, the external-tools and suite menus, the link list and
// the day-note calendar.
class frmManagerMain : public QWidget {
    Q_OBJECT
public:
    explicit frmManagerMain(QWidget* eltern = nullptr);
    ~frmManagerMain() override;

    // The start-up in its order. False when the program has to end (no settings file, no user name).
    bool Form_Load();

    // The drive search (tests give it roots and an event hook).
    FileSearchEngine& Suche() { return m_suche; }
    // Where the first run puts the desktop shortcut.
    void UmgebungSetzen(const ManagerEngine::Umgebung& umgebung) { m_umgebung = umgebung; }
    bool Erstlauf() const { return m_erstlauf; }

public Q_SLOTS:
    void cmdTool_Click(const QString& datei);
    void cmdTabellarium_Click();
    void cmdXT_Click();
    void Tool_Click(int i);
    void XTConfig_Click();
    void cmdVarlSuite_Click();
    void SuiteTool_Click(const QString& name);
    void cmdURLs_Click();
    void cmdURLsNeu_Click();
    void cmdURLsDelete_Click();
    void lvURLs_DblClick(int zeile);
    void cmdTermin_Click();
    void MonthView_Click();
    void cmdOK_Click();
    void cmdHomepage_Click();
    void cmdBugmail_Click();
    void cmdCredits_Click();
    void cmdHilfe_Click();
    void cmdEnde_Click();

    // Builds the entries of XTMenu from [XT] (also after the configuration window changed them).
    void XTMenueAufbauen();
    void SuiteMenueAufbauen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void WerkzeugKnoepfeAufbauen(const QList<ManagerEngine::Werkzeug>& werkzeuge);
    void BilderLaden();
    void LinksAnzeigen();
    void SucheAnhalten();
    void SuchfensterZeigen(bool suchen);
    QString FortschrittText() const;
    QPushButton* Knopf(const QString& name, const QString& tooltip);
    // The day note in txtMonthView belongs to m_notizTag; before it is replaced the user is asked.
    void NotizZeigen();
    bool NotizGeaendert() const;
    bool NotizSichern();
    bool NotizSpeichern();
    // Another program saved the settings or the link list: shown again where nothing is typed.
    void DateiGeaendert(const QString& pfad);

    FileSearchEngine m_suche;
    QProgressDialog* m_fortschritt = nullptr;
    ManagerEngine::Umgebung m_umgebung;
    Linkliste m_links;
    bool m_erstlauf = false;
    bool m_abschiedGezeigt = false;
    bool m_geschlossen = false;
    int m_toolAnzahl = 0;
    QDate m_notizTag;
    // The note as it was shown: typing is what differs from it.
    QString m_notizGeladen;
    Dateiwaechter* m_waechter = nullptr;
    Dateien::Fingerabdruck m_iniAbdruck;

    QHBoxLayout* m_werkzeugLeiste = nullptr;
    QLabel* lblCredits = nullptr;
    QPushButton* cmdTabellarium = nullptr;
    QPushButton* cmdXT = nullptr;
    QPushButton* cmdVarlSuite = nullptr;
    QPushButton* cmdURLs = nullptr;
    QPushButton* cmdTermin = nullptr;
    QPushButton* cmdHomepage = nullptr;
    QPushButton* cmdBugmail = nullptr;
    QPushButton* cmdCredits = nullptr;
    QPushButton* cmdHilfe = nullptr;
    QPushButton* cmdEnde = nullptr;
    Datensatzliste* lvURLs = nullptr;
    QPushButton* cmdURLsNeu = nullptr;
    QPushButton* cmdURLsDelete = nullptr;
    QGroupBox* frmMonthView = nullptr;
    QCalendarWidget* MonthView = nullptr;
    QLineEdit* txtMonthView = nullptr;
    QPushButton* cmdOK = nullptr;
    QMenu* XTMenu = nullptr;
    QAction* XTConfig = nullptr;
    QMenu* SuiteMenu = nullptr;
};
