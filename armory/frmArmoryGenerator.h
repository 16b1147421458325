#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The weapon generator window: a name and a category give one new melee weapon, saved at once.
class frmArmoryGenerator : public QDialog {
    Q_OBJECT
public:
    explicit frmArmoryGenerator(QWidget* eltern = nullptr);

    // The row of the weapon made, or -1 when none was made.
    int NeueZeile() const { return m_zeile; }

public Q_SLOTS:
    void Combo_Click();
    void txtName_Change();
    void cmdFertig_Click();

private:
    QLineEdit* txtName = nullptr;
    QComboBox* Combo = nullptr;
    QPushButton* cmdFertig = nullptr;
    QLabel* lblInfo = nullptr;
    int m_zeile = -1;
};
