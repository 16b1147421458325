#pragma once

#include "CityEngine.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;

// The four-page wizard that invents a whole city and writes it as an HTML page.
class frmCityGenerator : public QDialog {
    Q_OBJECT
public:
    explicit frmCityGenerator(QWidget* eltern = nullptr);

    int Seite() const { return m_seite; }

private Q_SLOTS:
    void cmdNav_Click(int index);
    void Text2_Change();

private:
    void SeiteZeigen();
    // True when the page may be left (page 3 checks the people for random names).
    bool EingabenUebernehmen();
    void Generieren();

    int m_seite = 1;
    QString m_stadtname;
    qint32 m_einwohner = 0;
    QString m_reichtum;
    QString m_kriminalitaet;
    QString m_rasse;
    CityEngine::Stadtlage m_lage = CityEngine::Stadtlage::Binnenland;

    QStackedWidget* m_seiten;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QComboBox* Combo1;
    QComboBox* Combo2;
    QComboBox* Combo3;
    QComboBox* cmbLage;
    QCheckBox* Check1;
    QCheckBox* Check2;
    QLabel* lblInfo;
    QProgressBar* Bar;
    QPushButton* cmdNav[2];
};
