#include "frmArmoryForge.h"

#include "Armory3Variablen.h"
#include "Dialoge.h"
#include "Namensfeld.h"
#include "Shell.h"
#include "Subs.h"
#include "Variablen.h"
#include "Waffentabelle.h"
#include "ZifferntastenFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

QGroupBox* Rahmen(const QString& titel, const QList<QWidget*>& inhalt)
{
    auto* rahmen = new QGroupBox(titel);
    auto* layout = new QVBoxLayout(rahmen);
    for (QWidget* teil : inhalt)
        layout->addWidget(teil);
    return rahmen;
}

template <typename T>
T* Benannt(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

frmArmoryForge::frmArmoryForge(const QStringList& waffe, QWidget* eltern) : QDialog(eltern), m_waffe(waffe)
{
    setObjectName(QStringLiteral("frmArmoryForge"));
    setWindowTitle(Armory3Variablen::Programmtitel + QStringLiteral(" - Varl-Forge 3"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());

    const ForgeEngine::Schmiede start = ForgeEngine::SchmiedeOeffnen(waffe);
    txtName = Benannt(new QLineEdit(start.Name), QStringLiteral("txtName"));
    Namensfeld::Anbringen(txtName);
    txtPreis = Benannt(new QLineEdit, QStringLiteral("txtPreis"));
    ZifferntastenFilter::Anbringen(txtPreis);
    cmbWaehrung = Benannt(new QComboBox, QStringLiteral("cmbWährung"));
    cmbWaehrung->addItems(Waffentabellen::Waehrungen());
    cmbWaehrung->setCurrentIndex(-1);
    if (!start.Waehrung.isEmpty()) {
        if (cmbWaehrung->findText(start.Waehrung) < 0)
            cmbWaehrung->addItem(start.Waehrung);
        cmbWaehrung->setCurrentIndex(cmbWaehrung->findText(start.Waehrung));
    }
    chkPersWaffe = Benannt(new QCheckBox(QStringLiteral("Persönliche Waffe")), QStringLiteral("chkPersWaffe"));
    cmbBF = Benannt(new QComboBox, QStringLiteral("cmbBF"));
    cmbBF->addItems(ForgeEngine::BFAuswahl());
    cmbBF->setCurrentIndex(-1);
    cmbTP = Benannt(new QComboBox, QStringLiteral("cmbTP"));
    cmbTP->addItems(ForgeEngine::TPAuswahl());
    cmbTP->setCurrentIndex(-1);
    cmbStahl = Benannt(new QComboBox, QStringLiteral("cmbStahl"));
    for (const ForgeEngine::Stahl& stahl : ForgeEngine::Stahlsorten())
        cmbStahl->addItem(stahl.Name);
    cmbStahl->setCurrentIndex(-1);
    lblInfo = Benannt(new QLabel, QStringLiteral("lblInfo"));
    lblInfo->setMinimumHeight(6 * fontMetrics().lineSpacing());
    lblInfo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    txtSchmied = Benannt(new QLineEdit, QStringLiteral("txtSchmied"));
    txtSchmied->setMaximumWidth(80);
    txtSchmied->setToolTip(QStringLiteral("Talentwert des Schmiedes (1 bis 22)"));
    ZifferntastenFilter::Anbringen(txtSchmied);
    chkZyklop = Benannt(new QCheckBox(QStringLiteral("Zyklopenwaffe")), QStringLiteral("chkZyklop"));
    cmdStart = Benannt(new QPushButton(QStringLiteral("Waffenwerte berechnen")), QStringLiteral("cmdStart"));
    // Enter in a box confirms the box, it must not start the work (which rolls dice and asks for a file).
    cmdStart->setAutoDefault(false);
    cmdStart->setDefault(false);
    lblStatus = Benannt(new QLabel, QStringLiteral("lblStatus"));
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblStatus->setFrameShape(QFrame::StyledPanel);
    lblStatus->setMinimumHeight(5 * fontMetrics().lineSpacing());

    auto* preisZeile = new QWidget;
    auto* preisLayout = new QHBoxLayout(preisZeile);
    preisLayout->setContentsMargins(0, 0, 0, 0);
    preisLayout->addWidget(txtPreis);
    preisLayout->addWidget(cmbWaehrung);

    auto* raster = new QGridLayout(this);
    raster->addWidget(Rahmen(QStringLiteral("Name der Waffe"), {txtName}), 0, 0, 1, 2);
    raster->addWidget(Rahmen(QStringLiteral("Preis"), {preisZeile, chkPersWaffe}), 1, 0);
    raster->addWidget(Rahmen(QStringLiteral("Talentwert des Schmiedes"), {txtSchmied, chkZyklop}), 1, 1);
    raster->addWidget(Rahmen(QStringLiteral("Verbesserter Bruchfaktor"), {cmbBF}), 2, 0);
    raster->addWidget(Rahmen(QStringLiteral("Zusätzliche Trefferpunkte"), {cmbTP}), 2, 1);
    raster->addWidget(Rahmen(QStringLiteral("Stahl"), {cmbStahl, lblInfo}), 3, 0, 1, 2);
    raster->addWidget(lblStatus, 4, 0, 1, 2);
    raster->addWidget(cmdStart, 5, 0, 1, 2);
    setTabOrder(txtName, txtPreis);
    setTabOrder(txtPreis, cmbWaehrung);
    setTabOrder(cmbWaehrung, chkPersWaffe);
    setTabOrder(chkPersWaffe, txtSchmied);
    setTabOrder(txtSchmied, chkZyklop);
    setTabOrder(chkZyklop, cmbBF);
    setTabOrder(cmbBF, cmbTP);
    setTabOrder(cmbTP, cmbStahl);
    setTabOrder(cmbStahl, cmdStart);

    StatusAnzeigen();
    FreigabeAnwenden();

    connect(cmbStahl, &QComboBox::currentIndexChanged, this, &frmArmoryForge::cmbStahl_Click);
    connect(cmbBF, &QComboBox::currentIndexChanged, this, &frmArmoryForge::cmbBF_Click);
    connect(cmbTP, &QComboBox::currentIndexChanged, this, &frmArmoryForge::cmbTP_Click);
    connect(chkPersWaffe, &QCheckBox::toggled, this, &frmArmoryForge::chkPersWaffe_Click);
    connect(cmbWaehrung, &QComboBox::currentIndexChanged, this, &frmArmoryForge::cmbWaehrung_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmArmoryForge::txtName_Change);
    connect(chkZyklop, &QCheckBox::toggled, this, &frmArmoryForge::chkZyklop_Click);
    connect(txtSchmied, &QLineEdit::textChanged, this, &frmArmoryForge::txtSchmied_Change);
    connect(txtSchmied, &QLineEdit::editingFinished, this, &frmArmoryForge::txtSchmied_Validate);
    connect(cmdStart, &QPushButton::clicked, this, &frmArmoryForge::cmdStart_Click);
}

ForgeEngine::Schmiede frmArmoryForge::Auswahl() const
{
    ForgeEngine::Schmiede s;
    s.Waffe = m_waffe;
    s.Name = txtName->text();
    s.Waehrung = cmbWaehrung->currentText();
    s.Stahl = cmbStahl->currentIndex();
    s.BFStufe = qMax(0, cmbBF->currentIndex());
    s.TPStufe = qMax(0, cmbTP->currentIndex());
    s.Persoenlich = chkPersWaffe->isChecked();
    s.Zyklop = chkZyklop->isChecked();
    s.Schmied = txtSchmied->text();
    return s;
}

void frmArmoryForge::StatusAnzeigen()
{
    const ForgeEngine::Schmiede s = Auswahl();
    lblStatus->setText(ForgeEngine::StatusText(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    txtPreis->setText(QString::number(ForgeEngine::PreisBerechnen(s)));
}

void frmArmoryForge::FreigabeAnwenden()
{
    const ForgeEngine::Freigabe f = ForgeEngine::FreigabeBerechnen(Auswahl());
    txtSchmied->setEnabled(f.Schmied);
    cmbBF->setEnabled(f.Verbesserungen);
    cmbTP->setEnabled(f.Verbesserungen);
    chkPersWaffe->setEnabled(f.Persoenlich);
    cmdStart->setEnabled(f.Start);
}

void frmArmoryForge::cmbStahl_Click()
{
    const int i = cmbStahl->currentIndex();
    lblInfo->setText(i >= 0 ? ForgeEngine::Stahlsorten()[i].Info.join(QLatin1Char('\n')) : QString());
    StatusAnzeigen();
}

void frmArmoryForge::cmbBF_Click() { StatusAnzeigen(); }
void frmArmoryForge::cmbTP_Click() { StatusAnzeigen(); }
void frmArmoryForge::chkPersWaffe_Click() { StatusAnzeigen(); }
void frmArmoryForge::cmbWaehrung_Click() { StatusAnzeigen(); }
void frmArmoryForge::txtName_Change() { StatusAnzeigen(); }

void frmArmoryForge::chkZyklop_Click()
{
    FreigabeAnwenden();
    StatusAnzeigen();
}

void frmArmoryForge::txtSchmied_Change()
{
    FreigabeAnwenden();
}

void frmArmoryForge::txtSchmied_Validate()
{
    const Subs::Ganzzahleingabe wert = Subs::GanzzahlLesen(txtSchmied->text(), std::numeric_limits<qint64>::min(),
                                                            std::numeric_limits<qint64>::max(), QString());
    if (wert.Ok && wert.Wert > 22)
        txtSchmied->setText(QStringLiteral("22"));
}

void frmArmoryForge::cmdStart_Click()
{
    txtSchmied_Validate();
    const ForgeEngine::Schmiede s = Auswahl();
    QString fehler;
    const auto tage = ForgeEngine::Herstellungszeit(s, &fehler);
    if (!tage) {
        Dialoge::Warnung(fehler);
        return;
    }
    const QString datei =
        Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    if (datei.isEmpty())
        return;
    if (!ForgeEngine::BerichtSpeichern(s, *tage, txtPreis->text(), datei, &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    if (Dialoge::Frage(QStringLiteral("Die Waffendaten wurden erfolgreich berechnet, wollt ihr euch diese nun ansehen ?")))
        Shell::Zeigen(datei);
}
