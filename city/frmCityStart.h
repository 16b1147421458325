#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// "Eine neue Stadt anlegen": name, population and people of a new city.
class frmCityStart : public QDialog {
    Q_OBJECT
public:
    explicit frmCityStart(QWidget* eltern = nullptr);

    QString Name() const;
    QString Einwohnerzahl() const;
    int Rasse() const; // index into the people list, -1 for none

private Q_SLOTS:
    void txtName_Change();
    void txtEinwohnerzahl_Change();
    void cmbRasse_Click();
    void cmdStart_Click();

private:
    // The button is usable only with a name, a people and a population above 0.
    void StartPruefen();

    QLineEdit* txtName;
    QLineEdit* txtEinwohnerzahl;
    QComboBox* cmbRasse;
    QPushButton* cmdStart;
};
