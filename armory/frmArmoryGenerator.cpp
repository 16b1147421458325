#include "frmArmoryGenerator.h"

#include "Armory3Variablen.h"
#include "Dialoge.h"
#include "GeneratorEngine.h"
#include "Namensfeld.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmArmoryGenerator::frmArmoryGenerator(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmArmoryGenerator"));
    setWindowTitle(Armory3Variablen::Programmtitel + QStringLiteral(" - Waffengenerator"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());

    txtName = new QLineEdit;
    txtName->setObjectName(QStringLiteral("txtName"));
    Namensfeld::Anbringen(txtName);
    Combo = new QComboBox;
    Combo->setObjectName(QStringLiteral("Combo"));
    Combo->addItems(GeneratorEngine::Kategorien());
    Combo->setCurrentIndex(-1);
    cmdFertig = new QPushButton(QStringLiteral("Waffe berechnen lassen"));
    cmdFertig->setObjectName(QStringLiteral("cmdFertig"));
    cmdFertig->setEnabled(false);
    cmdFertig->setDefault(true);
    lblInfo = new QLabel(QStringLiteral("Der Name kann beliebig gewählt werden. Die Waffenkategorie bestimmt maßgeblich "
                                        "über die Eigenschaften der Waffe wie beispielsweise Gewicht oder Schaden."));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    auto* name = new QGroupBox(QStringLiteral("Name"));
    (new QVBoxLayout(name))->addWidget(txtName);
    auto* kategorie = new QGroupBox(QStringLiteral("Waffenkategorie"));
    (new QVBoxLayout(kategorie))->addWidget(Combo);
    layout->addWidget(name);
    layout->addWidget(kategorie);
    layout->addWidget(lblInfo);
    layout->addWidget(cmdFertig);
    setMinimumWidth(380);

    connect(Combo, &QComboBox::currentIndexChanged, this, &frmArmoryGenerator::Combo_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmArmoryGenerator::txtName_Change);
    connect(cmdFertig, &QPushButton::clicked, this, &frmArmoryGenerator::cmdFertig_Click);
}

void frmArmoryGenerator::Combo_Click()
{
    cmdFertig->setEnabled(!Combo->currentText().isEmpty() && !txtName->text().trimmed().isEmpty());
}

void frmArmoryGenerator::txtName_Change()
{
    Combo_Click();
}

void frmArmoryGenerator::cmdFertig_Click()
{
    if (Combo->currentText().isEmpty() || txtName->text().trimmed().isEmpty())
        return;
    Waffentabellen::Waffentabelle& tabelle = Armory3Variablen::NWaffen;
    m_zeile = Waffentabellen::ZeileAnhaengen(tabelle, GeneratorEngine::WaffeGenerieren(txtName->text().trimmed(), Combo->currentText()));
    QString fehler;
    // A merge with another window's save moves the row; m_zeile follows it.
    if (!Waffentabellen::TabelleSpeichern(tabelle, &fehler, &m_zeile) && !fehler.isEmpty())
        Dialoge::Warnung(fehler + QStringLiteral(" Die neue Waffe ist nur im Programm vorhanden und wird mit dem "
                                                 "nächsten erfolgreichen Speichern in die Datei geschrieben."));
    accept();
}
