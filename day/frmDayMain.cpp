#include "frmDayMain.h"

#include "Browser.h"
#include "DayEngine.h"
#include "Fenster.h"
#include "Subs.h"
#include "Variablen.h"
#include "frmDayGenerator.h"
#include "frmReisePlanen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmDayMain::frmDayMain(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("frmDayMain"));
    Variablen::Programmtitel = DayEngine::Programmtitel;
    setWindowTitle(Fenster::Titel(QStringLiteral(" - Der Werkbund3 Reiserechner")));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("Tageslauf3.ico"));
    Fenster::HintergrundSetzen(this, QStringLiteral("\\Tageslauf3.jpg"));

    auto* haupt = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    cmdNeu = Knopf(QStringLiteral("cmdNeu"), QStringLiteral("\\new.bmp"), QStringLiteral("Neue Tagesabläufe berechnen"));
    cmdReise = Knopf(QStringLiteral("cmdReise"), QStringLiteral("\\new.bmp"), QStringLiteral("Reise planen…"));
    cmdReise->setToolTip(QStringLiteral("Eine ganze Reise Tag für Tag: Route, Wetter, Ereignisse, Begegnungen, Proviant"));
    cmdDrucken = Knopf(QStringLiteral("cmdDrucken"), QStringLiteral("\\print.bmp"), QStringLiteral("Drucken"));
    cmdHelp = Knopf(QStringLiteral("cmdHelp"), QStringLiteral("\\helpklein.bmp"), QStringLiteral("Hilfe"));
    leiste->addWidget(cmdNeu);
    leiste->addWidget(cmdReise);
    leiste->addWidget(cmdDrucken);
    leiste->addStretch(1);
    leiste->addWidget(cmdHelp);
    haupt->addLayout(leiste);

    m_browser = new Browser(this);
    haupt->addWidget(m_browser, 1);
    // Until the first page the picture shows below the buttons; the pane then takes the whole space.
    haupt->addStretch(0);
    m_browser->hide();
    cmdDrucken->setEnabled(false);
    resize(800, 600);

    connect(cmdNeu, &QPushButton::clicked, this, &frmDayMain::cmdNeu_Click);
    connect(cmdReise, &QPushButton::clicked, this, &frmDayMain::cmdReise_Click);
    connect(cmdDrucken, &QPushButton::clicked, this, &frmDayMain::cmdDrucken_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmDayMain::cmdHelp_Click);
    connect(m_browser, &Browser::DokumentGeladen, this, &frmDayMain::Browser_DokumentGeladen);

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdNeu});
    Fenster::Taste(this, QKeySequence::Print, {cmdDrucken});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHelp});
    Fenster::BeendenTaste(this);
}

QPushButton* frmDayMain::Knopf(const QString& name, const QString& bild, const QString& beschriftung)
{
    auto* knopf = new QPushButton(Fenster::Symbol(bild), beschriftung, this);
    knopf->setObjectName(name);
    knopf->setIconSize(QSize(24, 24));
    return knopf;
}

void frmDayMain::cmdNeu_Click()
{
    frmDayGenerator generator(this);
    connect(&generator, &frmDayGenerator::SeiteErstellt, this, &frmDayMain::SeiteZeigen);
    Fenster::ModalAusfuehren(generator);
}

void frmDayMain::cmdReise_Click()
{
    frmReisePlanen planer(this);
    connect(&planer, &frmReisePlanen::SeiteErstellt, this, &frmDayMain::SeiteZeigen);
    Fenster::ModalAusfuehren(planer);
}

void frmDayMain::cmdDrucken_Click()
{
    // The page shown is printed as it is; cancelling the print dialog prints nothing.
    m_browser->Drucken();
}

void frmDayMain::cmdHelp_Click()
{
    Subs::HilfeOeffnen(Variablen::HilfePfad + QStringLiteral("\\Day.htm"));
}

void frmDayMain::Browser_DokumentGeladen()
{
    m_seiteGeladen = true;
}

void frmDayMain::SeiteZeigen(const QString& pfad)
{
    m_seiteGeladen = false;
    m_browser->Oeffnen(pfad);
    m_browser->show();
    cmdDrucken->setEnabled(true);
}
