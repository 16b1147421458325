#pragma once

#include "Reise.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// The modal window "Reise planen": route (registered cities with waypoints, or a distance in Meilen), a
// terrain for every leg, season, mode, travellers and mounts, and optionally the heroes; out comes the
// journey page, written by the journey engine.
class frmReisePlanen : public QDialog {
    Q_OBJECT
public:
    explicit frmReisePlanen(QWidget* eltern = nullptr);

    // The plan as the controls give it; the heroes are read from their file here. Nothing, with a message
    // for the user, when an entry cannot be used.
    std::optional<Reise::Plan> PlanLesen(QString* fehler) const;

public Q_SLOTS:
    void cmdUeberHinzu_Click();
    void cmdUeberEntfernen_Click();
    void cmdAufstellung_Click();
    void cmdReiseBerechnen_Click();
    // Route, waypoints or mode changed: one row a leg, keeping the choices of the rows there were.
    void EtappenAktualisieren();

Q_SIGNALS:
    // The page was written whole to this file.
    void SeiteErstellt(const QString& pfad);

private:
    void ZeileFuellen(int zeile);
    void TempoAnzeigen(int zeile);

    QRadioButton* optStaedte = nullptr;
    QRadioButton* optMeilen = nullptr;
    QComboBox* cmbVon = nullptr;
    QComboBox* cmbNach = nullptr;
    QListWidget* lstUeber = nullptr;
    QComboBox* cmbUeber = nullptr;
    QPushButton* cmdUeberHinzu = nullptr;
    QPushButton* cmdUeberEntfernen = nullptr;
    QLineEdit* txtMeilen = nullptr;
    QTableWidget* tblEtappen = nullptr;
    QRadioButton* Option[4] = {nullptr, nullptr, nullptr, nullptr};
    QRadioButton* optZuFuss = nullptr;
    QRadioButton* optBeritten = nullptr;
    QSpinBox* txtReisende = nullptr;
    QSpinBox* txtReittiere = nullptr;
    QRadioButton* optOhneHelden = nullptr;
    QRadioButton* optAufstellung = nullptr;
    QLineEdit* txtAufstellung = nullptr;
    QPushButton* cmdAufstellung = nullptr;
    QRadioButton* optLetzteAufstellung = nullptr;
    QPushButton* cmdReiseBerechnen = nullptr;
};
