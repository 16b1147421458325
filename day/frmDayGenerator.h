#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The modal input window: terrain and season in, three days and their events out as the day page.
class frmDayGenerator : public QDialog {
    Q_OBJECT
public:
    explicit frmDayGenerator(QWidget* eltern = nullptr);

public Q_SLOTS:
    void cmbGelaende_Click();
    void cmdTagBerechnen_Click();

Q_SIGNALS:
    // The page was written whole to this file.
    void SeiteErstellt(const QString& pfad);

private:
    QComboBox* cmbGelaende = nullptr;
    QRadioButton* Option[4] = {nullptr, nullptr, nullptr, nullptr};
    QPushButton* cmdTagBerechnen = nullptr;
    QLabel* lblHinweis = nullptr;
};
