#pragma once

#include "Dateien.h"

#include <QMainWindow>

class QCloseEvent;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class QPushButton;

namespace CityEngine {
struct Stadt;
}

// The city tool's main window: the tab strip CityTab with the basic facts, seven business registers, the
// temple register and the background story, and the toolbar for new, load, generator, save, report, help.
class frmCityMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCityMain(QWidget* eltern = nullptr);
    ~frmCityMain() override;

    // Register numbers: the seven categories in record order, then the temples.
    static constexpr int TempelRegister = 7;
    static constexpr int RegisterAnzahl = 8;

    // The city as it stands, with the basic facts taken from the controls.
    const CityEngine::Stadt& Stadt();
    int AktuelleStelle(int reg) const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private Q_SLOTS:
    // Another window saved the city file shown.
    void DateiGeaendert(const QString& pfad);
    void cmdNeu_Click();
    void cmdLoad_Click();
    void cmdGenerator_Click();
    void cmdSave_Click();
    void cmdHTML_Click();
    void cmdHelp_Click();
    void cmdExplorer_Click();
    void cmdBuergermeister_Click();
    void txtName_Change();

    void cmdGasthausSave_Click();
    void cmdGasthausDelete_Click();
    void cmdGasthausWeiter_Click();
    void cmdGasthausZurueck_Click();
    void cmdGasthausBesitzer_Click();
    void cmdGasthausZufall_Click();
    void cmdTaverneSave_Click();
    void cmdTaverneDelete_Click();
    void cmdTaverneWeiter_Click();
    void cmdTaverneZurueck_Click();
    void cmdTaverneBesitzer_Click();
    void cmdTaverneZufall_Click();
    void cmdHandwerkerSave_Click();
    void cmdHandwerkerDelete_Click();
    void cmdHandwerkerWeiter_Click();
    void cmdHandwerkerZurueck_Click();
    void cmdHandwerkerBesitzer_Click();
    void cmdHandwerkerZufall_Click();
    void cmdHaendlerSave_Click();
    void cmdHaendlerDelete_Click();
    void cmdHaendlerWeiter_Click();
    void cmdHaendlerZurueck_Click();
    void cmdHaendlerBesitzer_Click();
    void cmdHaendlerZufall_Click();
    void cmdDienstSave_Click();
    void cmdDienstDelete_Click();
    void cmdDienstWeiter_Click();
    void cmdDienstZurueck_Click();
    void cmdDienstBesitzer_Click();
    void cmdDienstZufall_Click();
    void cmdHeilerSave_Click();
    void cmdHeilerDelete_Click();
    void cmdHeilerWeiter_Click();
    void cmdHeilerZurueck_Click();
    void cmdHeilerBesitzer_Click();
    void cmdHeilerZufall_Click();
    void cmdGBetriebSave_Click();
    void cmdGBetriebDelete_Click();
    void cmdGBetriebWeiter_Click();
    void cmdGBetriebZurueck_Click();
    void cmdGBetriebBesitzer_Click();
    void cmdGBetriebZufall_Click();
    void cmdTempelSave_Click();
    void cmdTempelDelete_Click();
    void cmdTempelWeiter_Click();
    void cmdTempelZurueck_Click();
    void cmdTempelGeweihter_Click();

private:
    struct Seite;

    void Aufbauen();
    QWidget* GrundseiteBauen();
    QWidget* RegisterseiteBauen(int reg);
    QWidget* HintergrundseiteBauen();
    void Verbinden();
    void BerufslistenFuellen();

    void StadtAusFenster();
    void StadtInsFenster();
    void SlotZeigen(int reg);
    QStringList FelderLesen(int reg) const;
    void KnoepfeSetzen(int reg);
    void StadtVerfuegbar();

    // The shown entry differs from its slot: typed into and not stored.
    bool EintragGeaendert(int reg) const;
    // Before the shown entry is replaced: true when nothing typed is lost or the user lets it go.
    bool EintragSichern(int reg);
    // Changed since the city was started, loaded or saved, typed register entries included.
    bool StadtGeaendert();
    // Before the city is replaced or the window closes: true when the action may go on.
    bool AenderungenSichern();
    // The save button's work; true when the file was written.
    bool StadtSichern();
    void StandMerken();
    void RegisterZeigen();

    bool RegisterSpeichern(int reg);
    void RegisterLoeschen(int reg);
    void RegisterWeiter(int reg);
    void RegisterZurueck(int reg);
    void RegisterBesitzer(int reg);
    void RegisterZufall(int reg);

    CityEngine::Stadt* m_stadt;
    Seite* m_seiten;
    int m_stelle[RegisterAnzahl] = {};
    QStringList m_gespeichert; // the city's file lines when it was last started, loaded or saved
    // The city file shown (loaded or last saved) and its fingerprint then; empty for a new city.
    QString m_datei;
    Dateien::Fingerabdruck m_abdruck;
    class Dateiwaechter* m_waechter = nullptr;
    void DateiMerken(const QString& pfad);

    QTabWidget* CityTab = nullptr;
    QToolButton* cmdNeu = nullptr;
    QToolButton* cmdLoad = nullptr;
    QToolButton* cmdGenerator = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdHTML = nullptr;
    QToolButton* cmdHelp = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEinwohnerzahl = nullptr;
    QComboBox* cmbRasse = nullptr;
    QComboBox* cmbDurchfahrende = nullptr;
    QComboBox* cmbMarkt = nullptr;
    QComboBox* cmbReichtum = nullptr;
    QComboBox* cmbKriminalitaet = nullptr;
    QLineEdit* txtBuergermeister = nullptr;
    QPushButton* cmdBuergermeister = nullptr;
    QPushButton* cmdExplorer = nullptr;
    QPlainTextEdit* txtHintergrund = nullptr;
};
