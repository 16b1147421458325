#include "frmCityStart.h"

#include "CityEngine.h"
#include "Fenster.h"
#include "Namensfeld.h"
#include "Stadt.h"
#include "Variablen.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCityStart::frmCityStart(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmCityStart"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - Neue Stadt"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());

    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    Namensfeld::Anbringen(txtName);
    txtEinwohnerzahl = new QLineEdit;
    txtEinwohnerzahl->setObjectName(QStringLiteral("txtEinwohnerzahl"));
    // Both end in the map register, whose values hold at most 254 characters.
    txtName->setMaxLength(254);
    txtEinwohnerzahl->setMaxLength(254);
    cmbRasse = new QComboBox;
    cmbRasse->setObjectName(QStringLiteral("cmbRasse"));
    cmbRasse->addItems(CityEngine::Rassen());
    cmbRasse->setCurrentIndex(-1);
    cmdStart = new QPushButton(QStringLiteral("Eine neue Stadt anlegen"));
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setDefault(true);

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Name der Stadt"), txtName);
    formular->addRow(QStringLiteral("Einwohnerzahl"), txtEinwohnerzahl);
    formular->addRow(QStringLiteral("Region / Rasse der Einwohner"), cmbRasse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addWidget(cmdStart);

    connect(txtName, &QLineEdit::textChanged, this, &frmCityStart::txtName_Change);
    connect(txtEinwohnerzahl, &QLineEdit::textChanged, this, &frmCityStart::txtEinwohnerzahl_Change);
    connect(cmbRasse, &QComboBox::currentIndexChanged, this, &frmCityStart::cmbRasse_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmCityStart::cmdStart_Click);
    StartPruefen();
    resize(380, sizeHint().height());
}

QString frmCityStart::Name() const
{
    return txtName->text().trimmed();
}

QString frmCityStart::Einwohnerzahl() const
{
    return txtEinwohnerzahl->text();
}

int frmCityStart::Rasse() const
{
    return cmbRasse->currentIndex();
}

void frmCityStart::txtName_Change()
{
    StartPruefen();
}

void frmCityStart::txtEinwohnerzahl_Change()
{
    StartPruefen();
}

void frmCityStart::cmbRasse_Click()
{
    StartPruefen();
}

void frmCityStart::StartPruefen()
{
    qint32 einwohner = 0;
    cmdStart->setEnabled(!txtName->text().trimmed().isEmpty() && cmbRasse->currentIndex() >= 0
                         && CityEngine::EinwohnerLesen(txtEinwohnerzahl->text(), einwohner));
}

void frmCityStart::cmdStart_Click()
{
    accept();
}
