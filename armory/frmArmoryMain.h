#pragma once

#include "Waffentabelle.h"

#include <QWidget>

#include <memory>

class Browser;
class Dateiwaechter;
class Datensatzeditor;
class Datensatzliste;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QTabWidget;
class QToolButton;

// The armory's main window: the three record lists, their edit pages, the detail view and the toolbar.
class frmArmoryMain : public QWidget {
    Q_OBJECT
public:
    explicit frmArmoryMain(QWidget* eltern = nullptr);
    ~frmArmoryMain() override;

    // Rewrites the table's file; a failure is reported to the user. Returns whether it was written. A save
    // that merged another window's records shows the list again; `zeile` follows its record.
    bool TabelleSpeichern(Waffentabellen::Tabelle t, int* zeile = nullptr);
    void ListeFuellen(Waffentabellen::Tabelle t);
    // Enables the buttons for the present mode; the record buttons when the table named by the key has
    // records. An unknown key does nothing.
    void KnoepfeAktualisieren(const QString& schluessel);
    void EingabenLeeren();
    void Listenansicht();
    void EintragBearbeiten();
    void EintragLoeschen();

    bool SeiteGeladen() const { return m_seiteGeladen; }

public Q_SLOTS:
    void cmdNeu_Click();
    void cmdSave_Click();
    void cmdView_Click();
    void cmdBearbeiten_Click();
    void cmdDelete_Click();
    void cmdHTML_Click();
    void cmdExport_Click();
    void cmdPrint_Click();
    void cmdPrintListe_Click();
    void cmdWBDExport_Click();
    void cmdWBDImport_Click();
    void cmdGenerator_Click();
    void cmdForge_Click();
    void cmdHelp_Click();
    void Option1_Click(int index);
    void Browser_DokumentGeladen();
    // Another program saved one of the three files.
    void DateiGeaendert(const QString& pfad);

    void cmdNWaffeHin_Click();
    void cmdNWaffeZurueck_Click();
    void cmdNWaffeAlleHin_Click();
    void cmdNWaffeAlleZurueck_Click();
    void cmdFWaffeHin_Click();
    void cmdFWaffeZurueck_Click();
    void cmdFWaffeAlleHin_Click();
    void cmdFWaffeAlleZurueck_Click();
    void cmdArmorHin_Click();
    void cmdArmorZurueck_Click();
    void cmdArmorAlleHin_Click();
    void cmdArmorAlleZurueck_Click();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // The controls of one table: list view, edit pages and region lists.
    struct Seite {
        Waffentabellen::Tabelle Art = Waffentabellen::Tabelle::NWaffen;
        Datensatzliste* Liste = nullptr;
        QTabWidget* Tab = nullptr;
        QList<QWidget*> Text;
        QList<QCheckBox*> Schalter;
        QComboBox* Kategorie = nullptr;
        QComboBox* Schaden = nullptr;
        QComboBox* Waehrung = nullptr;
        QListWidget* Regionen = nullptr;
        QListWidget* Verfuegbar = nullptr;
        QLabel* RegionenInfo = nullptr;
    };

    Seite& Aktuell();
    Seite& SeiteVon(Waffentabellen::Tabelle t) { return m_seiten[int(t)]; }
    QToolButton* Knopf(const QString& name, const QString& bild, const QString& beschriftung);
    QWidget* SeiteBauen(Waffentabellen::Tabelle t);
    // The page's inputs; the first use builds the pages of all three tables.
    Seite& Eingaben(Seite& s);
    void EingabenBauen(Seite& s);
    QWidget* RegionenBauen(Seite& s, const QString& kuerzel);
    void ListeBauen(Seite& s, const QString& name);

    static QString BoxText(const QWidget* box);
    static void BoxSetzen(QWidget* box, const QString& text);
    QStringList FelderAusEingaben(const Seite& s) const;
    void EingabenAusFeldern(Seite& s, const QStringList& felder);
    void RegionenZuruecksetzen(Seite& s);
    void RegionVerschieben(QListWidget* von, QListWidget* nach, bool alle);
    void RegionZeigen(Seite& s, const QString& code);

    // The row of the selected item of the current list, or -1.
    int GewaehlteZeile();
    // Saves the record in the edit tabs; false when it was refused or its file could not be written.
    bool EintragSpeichern();
    // The record in the edit tabs as the unsaved-changes question names it.
    QString EditorName();
    bool DruckenUeberBrowser(const QString& pfad);
    // The list filled again after its rows changed, with row `zeile` current and the scroll position kept.
    void ListeNeuZeigen(Waffentabellen::Tabelle t, int zeile);

    Seite m_seiten[3];
    QList<QToolButton*> m_knoepfe;
    QToolButton* cmdNeu = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdBearbeiten = nullptr;
    QToolButton* cmdDelete = nullptr;
    QToolButton* cmdView = nullptr;
    QToolButton* cmdHTML = nullptr;
    QToolButton* cmdExport = nullptr;
    QToolButton* cmdWBDExport = nullptr;
    QToolButton* cmdWBDImport = nullptr;
    QToolButton* cmdPrint = nullptr;
    QToolButton* cmdPrintListe = nullptr;
    QToolButton* cmdGenerator = nullptr;
    QToolButton* cmdForge = nullptr;
    QToolButton* cmdHelp = nullptr;
    QRadioButton* m_option[3] = {nullptr, nullptr, nullptr};
    Browser* m_browser = nullptr;
    std::unique_ptr<Datensatzeditor> m_editor;
    Dateiwaechter* m_waechter = nullptr;
    bool m_seiteGeladen = false;
};
