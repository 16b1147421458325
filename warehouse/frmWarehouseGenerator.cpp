#include "frmWarehouseGenerator.h"

#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "Fenster.h"
#include "Gegenstandstabelle.h"
#include "Lagerhof3Variablen.h"
#include "Shopgenerator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* Kombo(const QString& name, const QStringList& eintraege)
{
    auto* kombo = new QComboBox;
    kombo->setObjectName(name);
    kombo->addItems(eintraege);
    kombo->setCurrentIndex(-1);
    return kombo;
}

QGroupBox* Rahmen(const QString& titel, const QList<QWidget*>& inhalt)
{
    auto* rahmen = new QGroupBox(titel);
    auto* layout = new QVBoxLayout(rahmen);
    for (QWidget* w : inhalt)
        layout->addWidget(w);
    return rahmen;
}

} // namespace

frmWarehouseGenerator::frmWarehouseGenerator(Shop::Shopwaren& shop, QWidget* eltern) : QDialog(eltern), m_shop(shop)
{
    setObjectName(QStringLiteral("frmWarehouseGenerator"));
    setWindowTitle(Lagerhof3Variablen::Programmtitel + QStringLiteral(" - Shopgenerator"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());
    m_hintergrund = Fenster::Bild(QStringLiteral("\\shop.jpg"));

    QString meldung;
    cmbShopBeruf = Kombo(QStringLiteral("cmbShopBeruf"), Shopgenerator::Shopsarten(&meldung));
    // A long kind of shop in the data file must not widen the window.
    cmbShopBeruf->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbShopBeruf->setMinimumContentsLength(24);
    cmbShopQualitaet = Kombo(QStringLiteral("cmbShopQualität"), Shop::GeneratorQualitaeten());
    cmbShopPreise = Kombo(QStringLiteral("cmbShopPreise"), Shop::Preisstufen());
    chkShopRegion = new QCheckBox(QStringLiteral("Region in die Berechnung miteinbeziehen"));
    chkShopRegion->setObjectName(QStringLiteral("chkShopRegion"));
    cmbShopRegion = Kombo(QStringLiteral("cmbShopRegion"), Katalog::Regionsliste());
    cmdStart = new QPushButton(QStringLiteral("Shop berechnen lassen"));
    cmdStart->setDefault(true);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Rahmen(QStringLiteral("Art des Shops"), {cmbShopBeruf}));
    layout->addWidget(Rahmen(QStringLiteral("Qualität"), {cmbShopQualitaet}));
    layout->addWidget(Rahmen(QStringLiteral("Preise"), {cmbShopPreise}));
    layout->addWidget(Rahmen(QStringLiteral("Region"), {chkShopRegion, cmbShopRegion}));
    layout->addStretch(1);
    layout->addWidget(cmdStart);

    for (QComboBox* kombo : {cmbShopBeruf, cmbShopQualitaet, cmbShopPreise, cmbShopRegion})
        connect(kombo, &QComboBox::currentIndexChanged, this, &frmWarehouseGenerator::StartPruefen);
    connect(chkShopRegion, &QCheckBox::clicked, this, &frmWarehouseGenerator::StartPruefen);
    connect(cmbShopRegion, &QComboBox::currentIndexChanged, this,
            [this] { cmbShopRegion->setToolTip(ExplorerEngine::RegionBeschreibung(cmbShopRegion->currentText())); });
    connect(cmdStart, &QPushButton::clicked, this, &frmWarehouseGenerator::cmdStart_Click);

    // Opening the generator discards the shop; closing it without a run leaves the shop empty.
    m_shop = {};
    StartPruefen();
    if (!meldung.isEmpty())
        Dialoge::Warnung(meldung);
}

int frmWarehouseGenerator::Qualitaet() const
{
    return cmbShopQualitaet->currentIndex();
}

int frmWarehouseGenerator::Preisstufe() const
{
    return cmbShopPreise->currentIndex();
}

int frmWarehouseGenerator::Region() const
{
    return cmbShopRegion->currentIndex();
}

QString frmWarehouseGenerator::Shopart() const
{
    return cmbShopBeruf->currentText();
}

void frmWarehouseGenerator::StartPruefen()
{
    cmdStart->setEnabled(cmbShopBeruf->currentIndex() >= 0 && cmbShopQualitaet->currentIndex() >= 0
                         && cmbShopPreise->currentIndex() >= 0
                         && (!chkShopRegion->isChecked() || cmbShopRegion->currentIndex() >= 0));
}

void frmWarehouseGenerator::cmdStart_Click()
{
    if (!cmdStart->isEnabled())
        return;
    Shopgenerator::Auftrag auftrag;
    auftrag.Shopart = cmbShopBeruf->currentText();
    auftrag.Qualitaet = cmbShopQualitaet->currentIndex() + 1;
    auftrag.MitRegion = chkShopRegion->isChecked();
    auftrag.Region = cmbShopRegion->currentText();
    m_hinzugefuegt = Shopgenerator::Generieren(auftrag, m_shop);
    accept();
}

void frmWarehouseGenerator::paintEvent(QPaintEvent* ereignis)
{
    if (!m_hintergrund.isNull()) {
        QPainter maler(this);
        maler.drawPixmap(0, 0, m_hintergrund.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation));
    }
    QDialog::paintEvent(ereignis);
}
