#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

class Browser;
class ChancenDiagramm;
class Dateiwaechter;
class Datensatzeditor;
class Datensatzliste;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace BattleEngine {
enum class Gruppe;
}
namespace Gewinnchancen {
class Hintergrundlauf;
}

// The creatures tool's main window: the creature list, the eight edit tabs, the detail view with printing
// and exports, and the battle panel that lets two groups fight.
class frmCreaturesMain : public QWidget {
    Q_OBJECT
public:
    explicit frmCreaturesMain(QWidget* eltern = nullptr);
    ~frmCreaturesMain() override;

    void KreaturenlisteFuellen();
    // A record appended to the table gets its line, which becomes the current one.
    void ListenzeileHinzufuegen(int zeile);
    void KnoepfeAktualisieren();
    void EingabeBeginnen();
    void FelderLeeren();
    void ListeAnzeigen();
    void EintragBearbeiten();
    void EintragLoeschen();
    // Rewrites the database, then adds a new category from Combo(0); failures are reported. Returns
    // whether the database was written.
    // Rewrites the database; a failure is reported. A save that merged another window's creatures shows the
    // list again; `zeile` follows its creature.
    bool DatenbankSpeichern(int* zeile = nullptr);

    bool SeiteGeladen() const { return m_seiteGeladen; }
    bool KampfLaeuft() const { return m_kampfLaeuft; }
    bool ChancenLaufen() const { return m_chancenLauf != nullptr; }

public Q_SLOTS:
    void cmdNeu_Click();
    void cmdBearbeiten_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdView_Click();
    void cmdHTML_Click();
    void cmdPrint_Click();
    void cmdExport_Click();
    void cmdWBDExport_Click();
    void cmdWBDImport_Click();
    void cmdBattleHeldengruppe_Click();
    void cmdBattleGegnergruppe_Click();
    void cmdBattleStart_Click();
    void cmdBattleEnde_Click();
    void cmdChancen_Click();
    void cmdChancenAbbrechen_Click();
    void cmdChancenSeite_Click();
    void cmdVorschlagen_Click();
    void cmdAufstellungSpeichern_Click();
    void cmdAufstellungLaden_Click();
    // Another program saved the creature database.
    void DateiGeaendert(const QString& pfad);
    void cmdLetzteAufstellung_Click();
    void cmdHelp_Click();
    void OB_Click(int index);
    void Text_Change();
    void Browser_DokumentGeladen();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool AufstellungSpeichern();
    QToolButton* Knopf(const QString& name, const QString& bild, const QString& tipp);
    QWidget* TabsBauen();
    QWidget* KampfpanelBauen();
    QWidget* Textbox(int index, bool mehrzeilig = false);

    QString BoxText(int index) const;
    void BoxSetzen(int index, const QString& text);
    QStringList FelderAusEingaben() const;
    void EingabenAusFeldern(const QStringList& felder);

    // The record of the current list item, or -1.
    int GewaehlteZeile() const;
    // Saves the creature in the tabs; false when it was refused or the database could not be written.
    bool EintragSpeichern();
    // The creature in the tabs as the unsaved-changes question names it.
    QString EditorName() const;
    void AuswahlFolgen();
    bool EintragVorhanden() const;
    // The chosen creature's page in the temporary folder; empty (after the message) when there is none.
    QString TempseiteSchreiben();
    // Writes the chosen creature to a file the user picks below `ordner` and says how it went.
    void EintragExportieren(const QString& ordner, const QString& filter,
                            bool (*schreiben)(const QStringList&, const QString&, QString*));
    void KampfpanelZeigen(bool zeigen);
    void BildZeigen(bool kampf);
    void ZurGruppe(BattleEngine::Gruppe gruppe);
    void MitgliedEntfernen(BattleEngine::Gruppe gruppe);
    void GruppenLeeren();
    void Fortschritt(int wert, int maximum);
    // Both group lists from the groups, and the buttons that need members or a free panel.
    void GruppenlistenFuellen();
    void KampfknoepfeAktualisieren();
    // Keeps the groups for "Letzte Aufstellung" before a fight or an odds run changes or uses them.
    void AufstellungMerken();
    void MitgliedBearbeiten(BattleEngine::Gruppe gruppe, int index);
    void ChancenVerfolgen();

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
    QToolButton* cmdHelp = nullptr;
    QPushButton* cmdBattleHeldengruppe = nullptr;
    QPushButton* cmdBattleGegnergruppe = nullptr;
    QPushButton* cmdBattleStart = nullptr;
    QPushButton* cmdBattleEnde = nullptr;

    Datensatzliste* lvKreaturen = nullptr;
    QTabWidget* KrTab = nullptr;
    Browser* m_browser = nullptr;
    QWidget* imgGFX = nullptr;
    QWidget* m_kampfpanel = nullptr;
    QListWidget* lstHeldengruppe = nullptr;
    QListWidget* lstGegnergruppe = nullptr;
    QProgressBar* Bar = nullptr;
    QPushButton* cmdChancen = nullptr;
    QPushButton* cmdChancenAbbrechen = nullptr;
    QPushButton* cmdChancenSeite = nullptr;
    QPushButton* cmdVorschlagen = nullptr;
    QPushButton* cmdAufstellungSpeichern = nullptr;
    QPushButton* cmdAufstellungLaden = nullptr;
    QPushButton* cmdLetzteAufstellung = nullptr;
    QLineEdit* txtKaempfe = nullptr;
    QLineEdit* txtSeed = nullptr;
    ChancenDiagramm* picChancen = nullptr;
    QTimer* m_chancenUhr = nullptr;
    std::unique_ptr<Gewinnchancen::Hintergrundlauf> m_chancenLauf;

    QList<QWidget*> m_text;          // Text(0..32): QLineEdit or QPlainTextEdit
    QList<QCheckBox*> m_check;       // Check(0..17)
    QComboBox* m_combo[2] = {nullptr, nullptr};
    QComboBox* m_schaden[4] = {nullptr, nullptr, nullptr, nullptr};
    QRadioButton* m_ob[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};

    int m_bearbeitungszeile = -1;
    Dateiwaechter* m_waechter = nullptr;
    // The groups as last loaded from or saved to a line-up file: anything else was built by hand.
    QStringList m_aufstellungGesichert;
    std::unique_ptr<Datensatzeditor> m_editor;
    bool m_seiteGeladen = false;
    bool m_kampfLaeuft = false;
    qint64 m_letzteEreignisse = 0;
};
