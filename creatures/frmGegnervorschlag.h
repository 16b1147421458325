#pragma once

#include "Vorschlaege.h"

#include <QDialog>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class QTreeWidget;

// "Gegner vorschlagen": enemy groups from the database for the heroes of the hero group and a wanted win
// chance. The search runs in the background with a progress bar and can be stopped; the proposals show
// with the heroes' share as a bar. "Übernehmen" or a double click takes one; the window then puts it into
// the enemy group with its confirmed run.
class frmGegnervorschlag : public QDialog {
    Q_OBJECT
public:
    // `kaempfe` and `seed` as the battle panel's boxes hold them (an empty seed: a new one each search).
    frmGegnervorschlag(const QList<BattleEngine::Kaempfer>& helden, const QList<QStringList>& kreaturen,
                       const QString& kaempfe, const QString& seed, QWidget* eltern = nullptr);
    ~frmGegnervorschlag() override;

    // The proposal taken; valid once the dialog was accepted.
    const Vorschlaege::Vorschlag* Gewaehlt() const;
    bool SucheLaeuft() const { return m_suche != nullptr; }
    // The last search's result, if one finished.
    const std::optional<Vorschlaege::Ergebnis>& Ergebnis() const { return m_ergebnis; }

public Q_SLOTS:
    void cmdSuchen_Click();
    void cmdAbbrechen_Click();
    void cmdUebernehmen_Click();
    // Closing stops a search still working; its threads end before the dialog goes.
    void reject() override;

private:
    void Verfolgen();
    void KnoepfeAktualisieren();
    void ListeFuellen();
    void SucheBeenden();

    QList<BattleEngine::Kaempfer> m_helden;
    QList<QStringList> m_kreaturen;
    QString m_kaempfe;
    QString m_seed;

    QSlider* sldZiel = nullptr;
    QSpinBox* spnZiel = nullptr;
    QSpinBox* spnSpanne = nullptr;
    QSpinBox* spnHoechstens = nullptr;
    QList<QCheckBox*> m_kategorien;
    QPushButton* cmdSuchen = nullptr;
    QPushButton* cmdAbbrechen = nullptr;
    QPushButton* cmdUebernehmen = nullptr;
    QPushButton* cmdSchliessen = nullptr;
    QProgressBar* Bar = nullptr;
    QTreeWidget* lstVorschlaege = nullptr;
    QLabel* lblStatus = nullptr;
    QTimer* m_uhr = nullptr;

    Vorschlaege::Anfrage m_anfrage;
    std::unique_ptr<Vorschlaege::Hintergrundsuche> m_suche;
    std::optional<Vorschlaege::Ergebnis> m_ergebnis;
    int m_gewaehlt = -1;
};
