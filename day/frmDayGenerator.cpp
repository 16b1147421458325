#include "frmDayGenerator.h"

#include "DayEngine.h"
#include "Dialoge.h"
#include "Subs.h"
#include "Variablen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace DayEngine;

namespace {

// Where the dialog keeps its last choice in Werkbund3.ini.
const QString kAbschnitt = QStringLiteral("Tageslauf3");

} // namespace

frmDayGenerator::frmDayGenerator(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmDayGenerator"));
    setWindowTitle(Programmtitel + QStringLiteral(" - Tag berechnen"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());
    setModal(true);

    auto* Frame2 = new QGroupBox(QStringLiteral("Gelände, in dem sich die Helden bewegen"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    cmbGelaende = new QComboBox;
    cmbGelaende->setObjectName(QStringLiteral("cmbGelände"));
    cmbGelaende->addItems(Gelaendearten());
    cmbGelaende->setCurrentIndex(-1);
    cmbGelaende->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbGelaende->setMinimumContentsLength(18);
    (new QVBoxLayout(Frame2))->addWidget(cmbGelaende);

    auto* Frame1 = new QGroupBox(QStringLiteral("Jahreszeit"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* optionen = new QHBoxLayout(Frame1);
    const QStringList jahreszeiten = Jahreszeiten();
    for (int i = 0; i < 4; ++i) {
        Option[i] = new QRadioButton(jahreszeiten[i], Frame1);
        Option[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        optionen->addWidget(Option[i]);
    }
    Option[0]->setChecked(true);

    cmdTagBerechnen = new QPushButton(QStringLiteral("Tag berechnen lassen !"), this);
    cmdTagBerechnen->setObjectName(QStringLiteral("cmdTagBerechnen"));
    cmdTagBerechnen->setEnabled(false);
    // Enter runs it once a terrain is chosen.
    cmdTagBerechnen->setDefault(true);

    lblHinweis = new QLabel(QStringLiteral("Wichtig: Tageslauf erstellt nur Durchschnittswerte ! Dies ist gerade bei den "
                                           "Reisegeschwindigkeiten zu beachten."),
                            this);
    lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    lblHinweis->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addWidget(lblHinweis);
    layout->addWidget(cmdTagBerechnen);
    setMinimumWidth(400);

    connect(cmbGelaende, &QComboBox::currentIndexChanged, this, &frmDayGenerator::cmbGelaende_Click);
    connect(cmdTagBerechnen, &QPushButton::clicked, this, &frmDayGenerator::cmdTagBerechnen_Click);

    // The terrain and season of the last day calculated; a party usually travels on where it was.
    cmbGelaende->setCurrentIndex(cmbGelaende->findText(Subs::IniLesen(Variablen::IniDatei, kAbschnitt, QStringLiteral("Gelaende"))));
    const int saison = jahreszeiten.indexOf(Subs::IniLesen(Variablen::IniDatei, kAbschnitt, QStringLiteral("Jahreszeit")));
    if (saison >= 0)
        Option[saison]->setChecked(true);
}

void frmDayGenerator::cmbGelaende_Click()
{
    cmdTagBerechnen->setEnabled(!cmbGelaende->currentText().isEmpty());
}

void frmDayGenerator::cmdTagBerechnen_Click()
{
    const QString gelaende = cmbGelaende->currentText();
    if (gelaende.isEmpty()) {
        Dialoge::Warnung(QStringLiteral("Bitte wählt eine Geländeart aus."));
        return;
    }
    Jahreszeit saison = Jahreszeit::Fruehling;
    for (int i = 0; i < 4; ++i)
        if (Option[i]->isChecked())
            saison = Jahreszeit(i);

    const Ereignisdatei ereignisse = EreignisseFuer(gelaende);
    const Tageslauf lauf = Berechnen(gelaende, saison, ereignisse.Zeilen);
    const QString pfad = TempSeite();
    QString fehler;
    if (!SeiteSpeichern(lauf, pfad, &fehler)) {
        // The page shown before stays; the window stays open for another try.
        Dialoge::Warnung(fehler);
        return;
    }
    Q_EMIT SeiteErstellt(pfad);
    Subs::IniSchreiben(Variablen::IniDatei, kAbschnitt,
                       {{QStringLiteral("Gelaende"), gelaende}, {QStringLiteral("Jahreszeit"), Jahreszeiten()[int(saison)]}});
    if (!ereignisse.Meldung.isEmpty())
        Dialoge::Warnung(ereignisse.Meldung);
    accept();
}
