#include "frmDatEditorMain.h"

#include "DatEditorEngine.h"
#include "Dateiwaechter.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

using namespace DatEditorEngine;

namespace {

QGroupBox* Rahmen(const QString& titel, const QString& name, QWidget* inhalt)
{
    auto* rahmen = new QGroupBox(titel);
    rahmen->setObjectName(name);
    auto* layout = new QHBoxLayout(rahmen);
    layout->addWidget(inhalt, 1);
    return rahmen;
}

QComboBox* Auswahl(const QString& name, int zeichen)
{
    auto* liste = new QComboBox;
    liste->setObjectName(name);
    // A long entry never widens the window.
    liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    liste->setMinimumContentsLength(zeichen);
    return liste;
}

QListWidget* Liste(const QString& name)
{
    auto* liste = new QListWidget;
    liste->setObjectName(name);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return liste;
}

QPushButton* Schiebeknopf(const QString& name, const QString& text, const QString& tipp)
{
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(name);
    knopf->setToolTip(tipp);
    knopf->setAutoDefault(false);
    return knopf;
}

} // namespace

frmDatEditorMain::frmDatEditorMain(QWidget* eltern) : QMainWindow(eltern)
{
    setObjectName(QStringLiteral("frmDatEditorMain"));
    Variablen::Programmtitel = QStringLiteral("Tabellar 3");
    setWindowTitle(Fenster::Titel(QStringLiteral(" - Das Werkbund3 Konfigurationstool")));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("Tabellar3.ico"));
    Aufbauen();
    Verbinden();
    // Filled without a choice: the combo would otherwise pick its first entry by itself.
    m_fuellen = true;
    cmbTool->addItems(Werkzeugnamen());
    cmbTool->setCurrentIndex(-1);
    m_fuellen = false;
    OhneDatei();

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdShopNeu});
    Fenster::Taste(this, QKeySequence::Save, {cmdSave});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHilfe});
    Fenster::BeendenTaste(this);
}

frmDatEditorMain::~frmDatEditorMain() = default;

void frmDatEditorMain::Aufbauen()
{
    auto* zentrum = new QWidget;
    auto* spalte = new QVBoxLayout(zentrum);

    cmbTool = Auswahl(QStringLiteral("cmbTool"), 12);
    cmbDatei = Auswahl(QStringLiteral("cmbDatei"), 22);
    cmdSave = Fenster::Werkzeugknopf(QStringLiteral("cmdSave"), QStringLiteral("save.bmp"), QStringLiteral("Speichern"), 24);
    cmdHilfe = Fenster::Werkzeugknopf(QStringLiteral("cmdHilfe"), QStringLiteral("helpklein.bmp"), QStringLiteral("Hilfe"), 24);
    auto* oben = new QHBoxLayout;
    oben->addWidget(Rahmen(QStringLiteral("Tool"), QStringLiteral("fraTool"), cmbTool), 1);
    oben->addWidget(Rahmen(QStringLiteral("Datei"), QStringLiteral("fraDatei"), cmbDatei), 2);
    oben->addWidget(cmdSave, 0, Qt::AlignBottom);
    oben->addStretch(0);
    oben->addWidget(cmdHilfe, 0, Qt::AlignBottom);
    spalte->addLayout(oben);

    frmShop = new QGroupBox(QStringLiteral("Art des Shops"));
    frmShop->setObjectName(QStringLiteral("frmShop"));
    cmbShop = Auswahl(QStringLiteral("cmbShop"), 24);
    cmdShopNeu = Fenster::Werkzeugknopf(QStringLiteral("cmdShopNeu"), QStringLiteral("new.bmp"),
                                        QStringLiteral("Neuen Shop erstellen"), 24);
    cmdShopDelete = Fenster::Werkzeugknopf(QStringLiteral("cmdShopDelete"), QStringLiteral("delete.bmp"),
                                           QStringLiteral("Gewählten Shop löschen"), 24);
    auto* shopLayout = new QHBoxLayout(frmShop);
    shopLayout->addWidget(cmbShop, 1);
    shopLayout->addWidget(cmdShopNeu);
    shopLayout->addWidget(cmdShopDelete);
    spalte->addWidget(frmShop);

    txtText = new QPlainTextEdit;
    txtText->setObjectName(QStringLiteral("txtText"));
    // A table line is one entry: wrapping would make one look like two.
    txtText->setLineWrapMode(QPlainTextEdit::NoWrap);
    lstRegionen = Liste(QStringLiteral("lstRegionen"));
    lstVerfuegbar = Liste(QStringLiteral("lstVerfügbar"));
    fraRegionen = Rahmen(QStringLiteral("Regionen"), QStringLiteral("fraRegionen"), lstRegionen);
    fraVerfuegbar = Rahmen(QStringLiteral("Verfügbar in"), QStringLiteral("fraVerfügbar"), lstVerfuegbar);
    cmdHin = Schiebeknopf(QStringLiteral("cmdHin"), QStringLiteral(">"), QStringLiteral("Gewählte Kategorie hinzufügen"));
    cmdAlleHin = Schiebeknopf(QStringLiteral("cmdAlleHin"), QStringLiteral(">>>>>"), QStringLiteral("Alle Kategorien hinzufügen"));
    cmdZurueck = Schiebeknopf(QStringLiteral("cmdZurück"), QStringLiteral("<"), QStringLiteral("Gewählte Kategorie entfernen"));
    cmdAlleZurueck = Schiebeknopf(QStringLiteral("cmdAlleZurück"), QStringLiteral("<<<<<"),
                                  QStringLiteral("Alle Kategorien entfernen"));
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addStretch(1);
    for (QPushButton* knopf : {cmdHin, cmdAlleHin, cmdZurueck, cmdAlleZurueck})
        knoepfe->addWidget(knopf);
    knoepfe->addStretch(1);

    auto* unten = new QHBoxLayout;
    unten->addWidget(txtText, 2);
    unten->addWidget(fraRegionen, 1);
    unten->addLayout(knoepfe);
    unten->addWidget(fraVerfuegbar, 1);
    spalte->addLayout(unten, 1);

    setCentralWidget(zentrum);
    statusBar()->setObjectName(QStringLiteral("Statuszeile"));
    resize(860, 580);
    m_waechter = new Dateiwaechter(this);
    connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmDatEditorMain::DateiGeaendert);
}

void frmDatEditorMain::Beobachten(const QString& pfad)
{
    if (!m_beobachtet.isEmpty())
        m_waechter->Entfernen(m_beobachtet);
    m_beobachtet = pfad;
    if (!pfad.isEmpty())
        m_waechter->Beobachten(pfad, [this] { return m_abdruck; });
}

void frmDatEditorMain::DateiGeaendert(const QString& pfad)
{
    if (pfad != m_beobachtet || m_datei.isEmpty())
        return;
    const QString name = QFileInfo(pfad).fileName();
    if (m_shopmodus) {
        m_abdruck = Dateien::Stand(pfad);
        // Only the kind shown matters; moves made here stay, and the save asks.
        if (!m_shops.AnderswoGeaendert())
            return;
        if (m_shops.Geaendert()) {
            statusBar()->showMessage(QStringLiteral("„%1“ wurde in einem anderen Fenster geändert; beim Speichern wird "
                                                    "gefragt, welche Fassung bleibt.")
                                         .arg(m_shops.Gewaehlt()));
            return;
        }
        m_shops.ShopWaehlen(m_shops.Gewaehlt());
        ListenFuellen();
        statusBar()->showMessage(
            QStringLiteral("„%1“ wurde in einem anderen Fenster geändert und neu geladen.").arg(m_shops.Gewaehlt()), 15000);
        return;
    }
    if (txtText->document()->isModified()) {
        statusBar()->showMessage(QStringLiteral("„%1“ wurde in einem anderen Fenster geändert; beim Speichern wird gefragt, "
                                                "welche Fassung bleibt.")
                                     .arg(name));
        return;
    }
    const Tabelle tabelle = TabelleLaden(pfad, m_datei);
    if (tabelle.Status == Tabelle::Zustand::Fehler)
        return;
    // The text shown again where it was: the same line at the cursor and the same scroll position.
    const int zeile = txtText->textCursor().blockNumber();
    const int rollen = txtText->verticalScrollBar()->value();
    txtText->setPlainText(tabelle.Text);
    txtText->document()->setModified(false);
    m_geladen = Text();
    m_abdruck = tabelle.Abdruck;
    QTextCursor cursor(txtText->document()->findBlockByNumber(qMin(zeile, txtText->document()->blockCount() - 1)));
    txtText->setTextCursor(cursor);
    txtText->verticalScrollBar()->setValue(rollen);
    statusBar()->showMessage(QStringLiteral("„%1“ wurde in einem anderen Fenster geändert und neu geladen.").arg(name), 15000);
}

void frmDatEditorMain::Verbinden()
{
    connect(cmbTool, &QComboBox::currentIndexChanged, this, &frmDatEditorMain::cmbTool_Click);
    connect(cmbDatei, &QComboBox::currentIndexChanged, this, &frmDatEditorMain::cmbDatei_Click);
    connect(cmbShop, &QComboBox::currentIndexChanged, this, &frmDatEditorMain::cmbShop_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmDatEditorMain::cmdSave_Click);
    connect(cmdHilfe, &QToolButton::clicked, this, &frmDatEditorMain::cmdHilfe_Click);
    connect(cmdShopNeu, &QToolButton::clicked, this, &frmDatEditorMain::cmdShopNeu_Click);
    // The delete button for kinds of shop has no action.
    connect(cmdHin, &QPushButton::clicked, this, &frmDatEditorMain::cmdHin_Click);
    connect(cmdAlleHin, &QPushButton::clicked, this, &frmDatEditorMain::cmdAlleHin_Click);
    connect(cmdZurueck, &QPushButton::clicked, this, &frmDatEditorMain::cmdZurueck_Click);
    connect(cmdAlleZurueck, &QPushButton::clicked, this, &frmDatEditorMain::cmdAlleZurueck_Click);
}

QString frmDatEditorMain::Text() const
{
    // The raw text keeps a no-break space as it is (the plain text would turn it into a blank); blocks are
    // separated by paragraph separators there.
    return ZeilenumbruecheVereinheitlichen(txtText->document()->toRawText());
}

void frmDatEditorMain::ShopFramesZeigen(bool zeigen)
{
    frmShop->setVisible(zeigen);
    fraRegionen->setVisible(zeigen);
    fraVerfuegbar->setVisible(zeigen);
    // The frames take the box's place, as they cover it.
    txtText->setVisible(!zeigen);
}

void frmDatEditorMain::OhneDatei()
{
    m_datei.clear();
    Beobachten(QString());
    m_shopmodus = false;
    txtText->clear();
    txtText->document()->setModified(false);
    txtText->setEnabled(false);
    cmdSave->setEnabled(false);
    for (QPushButton* knopf : {cmdHin, cmdAlleHin, cmdZurueck, cmdAlleZurueck})
        knopf->setEnabled(false);
    cmdShopDelete->setEnabled(false);
    ShopFramesZeigen(false);
    // "… ist gespeichert." belongs to the file that is no longer shown.
    statusBar()->clearMessage();
}

bool frmDatEditorMain::AenderungenSichern()
{
    if (m_datei.isEmpty())
        return true;
    QString name;
    if (m_shopmodus) {
        if (m_shops.Gewaehlt().isEmpty() || !m_shops.Geaendert())
            return true;
        name = m_shops.Gewaehlt();
    } else {
        if (!txtText->isEnabled() || !txtText->document()->isModified())
            return true;
        name = m_datei + QStringLiteral(".dat");
    }
    switch (Dialoge::Ungespeichert(name)) {
    case Dialoge::Antwort::Speichern:
        return Speichern();
    case Dialoge::Antwort::Verwerfen:
        return true;
    default:
        return false;
    }
}

void frmDatEditorMain::closeEvent(QCloseEvent* ereignis)
{
    if (AenderungenSichern())
        ereignis->accept();
    else
        ereignis->ignore();
}

void frmDatEditorMain::cmbTool_Click()
{
    if (m_fuellen)
        return;
    if (!AenderungenSichern()) {
        m_fuellen = true;
        cmbTool->setCurrentIndex(m_toolIndex);
        m_fuellen = false;
        return;
    }
    const Werkzeug* werkzeug = WerkzeugSuchen(cmbTool->currentText());
    if (!werkzeug)
        return;
    m_toolIndex = cmbTool->currentIndex();
    m_werkzeug = werkzeug;
    m_fuellen = true;
    cmbDatei->clear();
    cmbDatei->addItems(werkzeug->Dateien);
    cmbDatei->setCurrentIndex(-1);
    m_fuellen = false;
    m_dateiIndex = -1;
    OhneDatei();
}

void frmDatEditorMain::cmbDatei_Click()
{
    if (m_fuellen || !m_werkzeug)
        return;
    if (!AenderungenSichern()) {
        m_fuellen = true;
        cmbDatei->setCurrentIndex(m_dateiIndex);
        m_fuellen = false;
        return;
    }
    const QString datei = cmbDatei->currentText();
    OhneDatei();
    m_dateiIndex = cmbDatei->currentIndex();
    if (datei.isEmpty())
        return;
    m_datei = datei;
    cmdSave->setEnabled(true);
    if (IstShopmodus(datei))
        Shopmodus();
    else
        Textmodus(datei);
}

void frmDatEditorMain::Textmodus(const QString& datei)
{
    m_shopmodus = false;
    txtText->setEnabled(true);
    const Tabelle tabelle = TabelleLaden(Tabellenpfad(*m_werkzeug, datei), datei);
    if (tabelle.Status == Tabelle::Zustand::Fehler) {
        // Nothing to edit, so nothing a save could destroy; the file can be chosen again once it is mended.
        OhneDatei();
        m_fuellen = true;
        cmbDatei->setCurrentIndex(-1);
        m_fuellen = false;
        m_dateiIndex = -1;
        Dialoge::Warnung(tabelle.Meldung);
        return;
    }
    txtText->setPlainText(tabelle.Text);
    txtText->document()->setModified(false);
    m_geladen = Text();
    m_abdruck = tabelle.Abdruck;
    Beobachten(Tabellenpfad(*m_werkzeug, datei));
    statusBar()->clearMessage();
    if (tabelle.Status == Tabelle::Zustand::Fehlt)
        Dialoge::Hinweis(tabelle.Meldung);
}

void frmDatEditorMain::Shopmodus()
{
    m_shopmodus = true;
    txtText->setEnabled(false);
    for (QPushButton* knopf : {cmdHin, cmdAlleHin, cmdZurueck, cmdAlleZurueck})
        knopf->setEnabled(true);
    cmdSave->setEnabled(false);
    QString meldung;
    const bool geladen = m_shops.Laden(&meldung);
    // Emptied before filling, so entering shop mode again never doubles an entry.
    m_fuellen = true;
    cmbShop->clear();
    if (geladen)
        cmbShop->addItems(m_shops.Shops());
    cmbShop->setCurrentIndex(-1);
    m_fuellen = false;
    m_shopIndex = -1;
    ListenFuellen();
    if (!geladen) {
        OhneDatei();
        m_fuellen = true;
        cmbDatei->setCurrentIndex(-1);
        m_fuellen = false;
        m_dateiIndex = -1;
        Dialoge::Warnung(meldung);
        return;
    }
    ShopFramesZeigen(true);
    m_abdruck = Dateien::Stand(KonfigPfad());
    Beobachten(KonfigPfad());
    statusBar()->clearMessage();
}

void frmDatEditorMain::ListenFuellen()
{
    lstRegionen->clear();
    lstRegionen->addItems(m_shops.Regionen());
    lstVerfuegbar->clear();
    lstVerfuegbar->addItems(m_shops.Verfuegbar());
}

void frmDatEditorMain::cmbShop_Click()
{
    const QString shop = cmbShop->currentText();
    if (m_fuellen || !m_shopmodus || shop.isEmpty())
        return;
    if (!AenderungenSichern()) {
        // The kind whose moves were kept stays chosen.
        m_fuellen = true;
        cmbShop->setCurrentIndex(m_shopIndex);
        m_fuellen = false;
        return;
    }
    m_shopIndex = cmbShop->currentIndex();
    cmdShopDelete->setEnabled(false);
    m_shops.ShopWaehlen(shop);
    ListenFuellen();
    cmdSave->setEnabled(true);
    cmdShopDelete->setEnabled(true);
}

int frmDatEditorMain::Ausgewaehlt(const QListWidget* liste)
{
    const QListWidgetItem* eintrag = liste->currentItem();
    return eintrag && eintrag->isSelected() ? liste->row(eintrag) : -1;
}

void frmDatEditorMain::cmdHin_Click()
{
    if (m_shops.Hin(Ausgewaehlt(lstRegionen)))
        ListenFuellen();
}

void frmDatEditorMain::cmdAlleHin_Click()
{
    m_shops.AlleHin();
    ListenFuellen();
}

void frmDatEditorMain::cmdZurueck_Click()
{
    if (m_shops.Zurueck(Ausgewaehlt(lstVerfuegbar)))
        ListenFuellen();
}

void frmDatEditorMain::cmdAlleZurueck_Click()
{
    m_shops.AlleZurueck();
    ListenFuellen();
}

void frmDatEditorMain::cmdSave_Click()
{
    Speichern();
}

bool frmDatEditorMain::Speichern()
{
    if (m_datei.isEmpty() || !m_werkzeug)
        return false;
    QString fehler;
    if (m_shopmodus) {
        bool uebernommen = false;
        if (!m_shops.Speichern(&fehler, &uebernommen)) {
            if (!fehler.isEmpty())
                Dialoge::Warnung(fehler);
            return false;
        }
        m_abdruck = Dateien::Stand(KonfigPfad());
        if (uebernommen) {
            ListenFuellen();
            statusBar()->showMessage(QStringLiteral("Die Kategorien von „%1“ aus dem anderen Fenster bleiben.").arg(m_shops.Gewaehlt()));
            return true;
        }
        statusBar()->showMessage(QStringLiteral("Die Kategorien von „%1“ sind gespeichert.").arg(m_shops.Gewaehlt()));
        return true;
    }
    QString text = Text();
    switch (TabelleAbgleichen(Tabellenpfad(*m_werkzeug, m_datei), text, m_geladen, m_abdruck, &fehler)) {
    case Tabellenspeicherung::Fehler:
        Dialoge::Warnung(fehler);
        return false;
    case Tabellenspeicherung::Abgebrochen:
        return false;
    case Tabellenspeicherung::Uebernommen:
        txtText->setPlainText(text);
        txtText->document()->setModified(false);
        m_geladen = Text();
        statusBar()->showMessage(QStringLiteral("„%1.dat“ aus dem anderen Fenster bleibt; die Änderungen hier sind verworfen.")
                                     .arg(m_datei));
        return true;
    case Tabellenspeicherung::Gespeichert:
        break;
    }
    // Keeping both sides gives a text of its own, which the box shows.
    if (text != Text()) {
        const int rollen = txtText->verticalScrollBar()->value();
        txtText->setPlainText(text);
        txtText->verticalScrollBar()->setValue(rollen);
    }
    txtText->document()->setModified(false);
    statusBar()->showMessage(QStringLiteral("„%1.dat“ ist gespeichert.").arg(m_datei));
    return true;
}

void frmDatEditorMain::cmdHilfe_Click()
{
    Subs::HilfeOeffnen(Pfad::Verbinden(Variablen::HilfePfad, QStringLiteral("\\Tabellarium.htm")));
}

void frmDatEditorMain::cmdShopNeu_Click()
{
    for (;;) {
        const QString antwort = Dialoge::Eingabe(NeuAufforderung);
        QString meldung;
        switch (m_shops.NeuerShop(antwort, &meldung)) {
        case Shopkonfiguration::Neu::Leer:
            return;
        case Shopkonfiguration::Neu::Vorhanden:
        case Shopkonfiguration::Neu::Ungueltig:
            // Asked again, as for a kind of shop that exists.
            Dialoge::Warnung(meldung);
            continue;
        case Shopkonfiguration::Neu::Fehler:
            Dialoge::Warnung(meldung);
            return;
        case Shopkonfiguration::Neu::Angelegt: {
            // Added without changing the choice: the combo would otherwise pick its first entry by itself.
            const int gewaehlt = cmbShop->currentIndex();
            m_fuellen = true;
            cmbShop->addItem(m_shops.Shops().last());
            cmbShop->setCurrentIndex(gewaehlt);
            m_fuellen = false;
            statusBar()->showMessage(QStringLiteral("Die Shopkategorie „%1“ ist angelegt.").arg(m_shops.Shops().last()));
            return;
        }
        }
    }
}
