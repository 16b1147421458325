#pragma once

#include "ForgeEngine.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The forge window: shows what a smith makes of the melee weapon while the user chooses, and on request
// works out the production time and writes the report.
class frmArmoryForge : public QDialog {
    Q_OBJECT
public:
    frmArmoryForge(const QStringList& waffe, QWidget* eltern = nullptr);

    // The choices as the controls hold them now.
    ForgeEngine::Schmiede Auswahl() const;

public Q_SLOTS:
    void cmbStahl_Click();
    void cmbBF_Click();
    void cmbTP_Click();
    void chkPersWaffe_Click();
    void cmbWaehrung_Click();
    void txtName_Change();
    void chkZyklop_Click();
    void txtSchmied_Change();
    void txtSchmied_Validate();
    void cmdStart_Click();

private:
    void StatusAnzeigen();
    void FreigabeAnwenden();

    QStringList m_waffe;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtPreis = nullptr;
    QComboBox* cmbWaehrung = nullptr;
    QCheckBox* chkPersWaffe = nullptr;
    QComboBox* cmbBF = nullptr;
    QComboBox* cmbTP = nullptr;
    QComboBox* cmbStahl = nullptr;
    QLabel* lblInfo = nullptr;
    QLineEdit* txtSchmied = nullptr;
    QCheckBox* chkZyklop = nullptr;
    QPushButton* cmdStart = nullptr;
    QLabel* lblStatus = nullptr;
};
