#pragma once

#include "Shopwaren.h"

#include <QDialog>
#include <QPixmap>

class QCheckBox;
class QComboBox;
class QPushButton;

// The shop generator: kind of shop, quality, price level and optionally a region; "Shop berechnen lassen"
// fills the shop and closes the window. Opening it empties the shop.
class frmWarehouseGenerator : public QDialog {
    Q_OBJECT
public:
    explicit frmWarehouseGenerator(Shop::Shopwaren& shop, QWidget* eltern = nullptr);

    // What the main window takes over after a run (positions in the boxes; -1 when nothing was chosen).
    int Qualitaet() const;
    int Preisstufe() const;
    int Region() const;
    QString Shopart() const;
    int Hinzugefuegt() const { return m_hinzugefuegt; }

public Q_SLOTS:
    void cmdStart_Click();
    // Enables cmdStart exactly when kind, quality, level and (with the box ticked) a region are chosen.
    void StartPruefen();

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    Shop::Shopwaren& m_shop;
    QComboBox* cmbShopBeruf = nullptr;
    QComboBox* cmbShopQualitaet = nullptr;
    QComboBox* cmbShopPreise = nullptr;
    QCheckBox* chkShopRegion = nullptr;
    QComboBox* cmbShopRegion = nullptr;
    QPushButton* cmdStart = nullptr;
    QPixmap m_hintergrund;
    int m_hinzugefuegt = 0;
};
