#include "frmManagerXTConfig.h"

#include "Dialoge.h"
#include "ExterneTools.h"
#include "Fenster.h"
#include "Variablen.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmManagerXTConfig::frmManagerXTConfig(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmManagerXTConfig"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - XTConfig - Externe Tools konfigurieren"));
    resize(560, 320);

    auto* haupt = new QHBoxLayout(this);
    imgXT = new QLabel(this);
    imgXT->setObjectName(QStringLiteral("imgXT"));
    imgXT->setPixmap(Fenster::Bild(QStringLiteral("XTerneTools.jpg")));
    imgXT->setAlignment(Qt::AlignTop);
    haupt->addWidget(imgXT);

    auto* rahmenListe = new QGroupBox(QStringLiteral("Externe Tools"), this);
    auto* listenLayout = new QVBoxLayout(rahmenListe);
    lstXT = new QListWidget(rahmenListe);
    lstXT->setObjectName(QStringLiteral("lstXT"));
    listenLayout->addWidget(lstXT);
    haupt->addWidget(rahmenListe, 1);

    auto* rechts = new QVBoxLayout;
    auto* rahmenName = new QGroupBox(QStringLiteral("Name"), this);
    auto* nameLayout = new QHBoxLayout(rahmenName);
    txtName = new QLineEdit(rahmenName);
    txtName->setMinimumWidth(200);
    txtName->setObjectName(QStringLiteral("txtName"));
    // Name and path are stored in Werkbund3.ini, whose values hold at most 254 characters.
    txtName->setMaxLength(254);
    nameLayout->addWidget(txtName);
    rechts->addWidget(rahmenName);

    auto* rahmenPfad = new QGroupBox(QStringLiteral("Pfad"), this);
    auto* pfadLayout = new QHBoxLayout(rahmenPfad);
    txtPfad = new QLineEdit(rahmenPfad);
    txtPfad->setObjectName(QStringLiteral("txtPfad"));
    txtPfad->setMaxLength(254);
    cmdPfad = new QPushButton(QStringLiteral("..."), rahmenPfad);
    cmdPfad->setObjectName(QStringLiteral("cmdPfad"));
    cmdPfad->setToolTip(QStringLiteral("Pfad auswählen"));
    cmdPfad->setFixedWidth(32);
    pfadLayout->addWidget(txtPfad, 1);
    pfadLayout->addWidget(cmdPfad);
    rechts->addWidget(rahmenPfad);

    auto* knoepfe = new QHBoxLayout;
    cmdNeu = new QPushButton(this);
    cmdNeu->setObjectName(QStringLiteral("cmdNeu"));
    cmdNeu->setToolTip(QStringLiteral("Neues Tool eintragen"));
    cmdNeu->setIcon(Fenster::Symbol(QStringLiteral("new.bmp")));
    cmdDelete = new QPushButton(this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdDelete->setToolTip(QStringLiteral("Gewähltes Tool aus der Liste löschen"));
    cmdDelete->setIcon(Fenster::Symbol(QStringLiteral("delete.bmp")));
    cmdSpeichern = new QPushButton(QStringLiteral("Speichern"), this);
    cmdSpeichern->setObjectName(QStringLiteral("cmdSpeichern"));
    cmdSpeichern->setIcon(Fenster::Symbol(QStringLiteral("save.bmp")));
    for (QPushButton* knopf : {cmdNeu, cmdDelete, cmdSpeichern}) {
        knopf->setIconSize(QSize(24, 24));
        knopf->setAutoDefault(false);
        knoepfe->addWidget(knopf);
    }
    knoepfe->addStretch();
    rechts->addLayout(knoepfe);
    rechts->addStretch();
    haupt->addLayout(rechts, 1);

    // Enter saves the entry being typed; Escape closes, asking first about unsaved typing.
    cmdSpeichern->setDefault(true);
    Fenster::Taste(this, QKeySequence::New, {cmdNeu});
    Fenster::Taste(this, QKeySequence::Save, {cmdSpeichern});

    setTabOrder(lstXT, txtName);
    setTabOrder(txtName, txtPfad);
    setTabOrder(txtPfad, cmdPfad);
    setTabOrder(cmdPfad, cmdSpeichern);
    setTabOrder(cmdSpeichern, cmdNeu);
    setTabOrder(cmdNeu, cmdDelete);

    connect(lstXT, &QListWidget::currentRowChanged, this, &frmManagerXTConfig::lstXT_Click);
    connect(cmdNeu, &QPushButton::clicked, this, &frmManagerXTConfig::cmdNeu_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmManagerXTConfig::cmdDelete_Click);
    connect(cmdPfad, &QPushButton::clicked, this, &frmManagerXTConfig::cmdPfad_Click);
    connect(cmdSpeichern, &QPushButton::clicked, this, &frmManagerXTConfig::cmdSpeichern_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmManagerXTConfig::txt_Change);
    connect(txtPfad, &QLineEdit::textChanged, this, &frmManagerXTConfig::txt_Change);

    m_liste = ExterneTools::Liste();
    m_basis = m_liste;
    ListeFuellen();
    // Delete works on the selected line only, so it waits for a selection.
    cmdDelete->setEnabled(false);
    cmdSpeichern->setEnabled(false);
}

frmManagerXTConfig::~frmManagerXTConfig() = default;

void frmManagerXTConfig::ListeFuellen()
{
    m_fuellen = true;
    lstXT->clear();
    for (const QStringList& eintrag : m_liste)
        lstXT->addItem(eintrag.value(0));
    lstXT->setCurrentRow(-1);
    m_fuellen = false;
}

void frmManagerXTConfig::lstXT_Click()
{
    const int zeile = lstXT->currentRow();
    if (m_fuellen || zeile < 0 || zeile == m_zeile)
        return;
    if (!AenderungenSichern()) {
        // The typing stays with the entry it was typed for.
        ZeileSetzen(m_zeile);
        return;
    }
    // A save of a new entry or a refill may have moved the selection.
    ZeileSetzen(zeile);
    m_zeile = zeile;
    m_neu = false;
    cmdDelete->setEnabled(true);
    txtName->setText(m_liste.value(zeile).value(0));
    txtPfad->setText(m_liste.value(zeile).value(1));
}

void frmManagerXTConfig::cmdNeu_Click()
{
    if (!AenderungenSichern())
        return;
    ZeileSetzen(-1);
    cmdDelete->setEnabled(false);
    m_neu = true;
    txtPfad->clear();
    txtName->clear();
    txtName->setFocus();
}

void frmManagerXTConfig::cmdPfad_Click()
{
    const QString datei = Dialoge::Aktuell().DateiOeffnen(QDir::homePath(), ExterneTools::Dateifilter());
    if (!datei.isEmpty())
        txtPfad->setText(datei);
}

void frmManagerXTConfig::txt_Change()
{
    cmdSpeichern->setEnabled(!txtName->text().isEmpty() && !txtPfad->text().isEmpty());
}

void frmManagerXTConfig::cmdSpeichern_Click()
{
    Speichern();
}

bool frmManagerXTConfig::Speichern()
{
    const QString name = txtName->text();
    const QString pfad = txtPfad->text();
    if (name.isEmpty() || pfad.isEmpty())
        return false;
    QList<QStringList> liste = m_liste;
    if (m_neu)
        liste.append({name, pfad});
    else if (m_zeile >= 0 && m_zeile < liste.size())
        liste[m_zeile] = {name, pfad};
    else
        return false;
    // A failed write keeps the typing, so nothing is lost and the user can try again.
    if (!ExterneTools::ListeSpeichern(liste, m_basis))
        return false;
    // Entries another window saved meanwhile came in with the save.
    m_liste = liste;
    ListeFuellen();
    Q_EMIT XTGeaendert();
    Zuruecksetzen();
    return true;
}

bool frmManagerXTConfig::Geaendert() const
{
    if (m_neu)
        return !txtName->text().isEmpty() || !txtPfad->text().isEmpty();
    return txtName->text() != m_liste.value(m_zeile).value(0) || txtPfad->text() != m_liste.value(m_zeile).value(1);
}

bool frmManagerXTConfig::AenderungenSichern()
{
    if (!Geaendert())
        return true;
    QString name = txtName->text().trimmed();
    if (name.isEmpty())
        name = m_neu ? QStringLiteral("neues Tool") : m_liste.value(m_zeile).value(0);
    switch (Dialoge::Ungespeichert(name)) {
    case Dialoge::Antwort::Speichern:
        if (txtName->text().isEmpty() || txtPfad->text().isEmpty()) {
            Dialoge::Warnung(QStringLiteral("Ein Tool braucht einen Namen und einen Pfad; es wurde nichts gespeichert."));
            return false;
        }
        return Speichern();
    case Dialoge::Antwort::Verwerfen:
        return true;
    default:
        return false;
    }
}

void frmManagerXTConfig::ZeileSetzen(int zeile)
{
    m_fuellen = true;
    lstXT->setCurrentRow(zeile);
    m_fuellen = false;
}

void frmManagerXTConfig::cmdDelete_Click()
{
    const int zeile = lstXT->currentRow();
    if (zeile < 0)
        return;
    if (!Dialoge::FrageZerstoerend(QStringLiteral("Wollt ihr den gewählten Listeneintrag wirklich löschen ?")))
        return;
    QList<QStringList> liste = m_liste;
    liste.removeAt(zeile);
    if (ExterneTools::ListeSpeichern(liste, m_basis)) {
        m_liste = liste;
        ListeFuellen();
        Q_EMIT XTGeaendert();
    }
    Zuruecksetzen();
}

void frmManagerXTConfig::Zuruecksetzen()
{
    // After a save or a delete the boxes are empty and belong to a new entry: a save can never land on
    // an entry that is no longer selected.
    ZeileSetzen(-1);
    m_zeile = -1;
    m_neu = true;
    txtName->clear();
    txtPfad->clear();
    cmdSpeichern->setEnabled(false);
    cmdDelete->setEnabled(false);
}

void frmManagerXTConfig::done(int ergebnis)
{
    if (!AenderungenSichern())
        return;
    QDialog::done(ergebnis);
}
