#include "frmWarehouseMain.h"

#include "Abgleich.h"
#include "Browser.h"
#include "Dateiwaechter.h"
#include "Datensatzeditor.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "Fenster.h"
#include "Gegenstandstabelle.h"
#include "GenNameSub.h"
#include "Lagerhof3Variablen.h"
#include "Namensfeld.h"
#include "Shell.h"
#include "Shopwaren.h"
#include "Subs.h"
#include "Variablen.h"
#include "Waffentabelle.h"
#include "WarehouseHTML.h"
#include "ZifferntastenFilter.h"
#include "frmWarehouseGenerator.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace V = Lagerhof3Variablen;

namespace {

const QString kHtmlFilter = QStringLiteral("HTML-Dateien (*.html)|*.html");

QComboBox* Kombo(const QString& name, const QStringList& eintraege = {})
{
    auto* kombo = new QComboBox;
    kombo->setObjectName(name);
    kombo->addItems(eintraege);
    kombo->setCurrentIndex(-1);
    return kombo;
}

// A box of names from the data files: a long one never widens the window, which fits a screen 800 pixels wide.
void Schmal(QComboBox* kombo, int zeichen = 14)
{
    kombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kombo->setMinimumContentsLength(zeichen);
}

QGroupBox* Rahmen(const QString& titel, QLayout* inhalt)
{
    auto* rahmen = new QGroupBox(titel);
    rahmen->setLayout(inhalt);
    return rahmen;
}

QGroupBox* Rahmen(const QString& titel, QWidget* inhalt)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(inhalt);
    return Rahmen(titel, layout);
}

QString Feld(const QStringList& felder, int i)
{
    return i >= 0 && i < felder.size() ? felder[i] : QString();
}

} // namespace

frmWarehouseMain::frmWarehouseMain(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("frmWarehouseMain"));
    Variablen::Programmtitel = V::Programmtitel;
    setWindowTitle(Fenster::Titel(QStringLiteral(" - Die Werkbund3 Markthalle")));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("\\Lagerhof3.ico"));
    // The item editor's picture is read while the window is built, the shop editor's when it is first shown.
    m_anfrageItem = Fenster::Bildanfrage::Starten(QStringLiteral("\\Lagerhof3ItemEditor.jpg"));
    resize(1100, 720);

    auto* haupt = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    cmdItemEditor = Knopf(QStringLiteral("cmdItemEditor"), QStringLiteral("\\Lagerhof3Klein.bmp"), QStringLiteral("ItemEditor"));
    cmdShopEditor = Knopf(QStringLiteral("cmdShopEditor"), QStringLiteral("\\shop.bmp"), QStringLiteral("ShopEditor"));
    for (QToolButton* k : {cmdItemEditor, cmdShopEditor}) {
        k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        k->setIconSize(QSize(32, 32));
        leiste->addWidget(k);
    }
    leiste->addStretch(1);
    cmdHelp = Knopf(QStringLiteral("cmdHelp"), QStringLiteral("\\helpklein.bmp"), QStringLiteral("Hilfe"));
    leiste->addWidget(cmdHelp);
    haupt->addLayout(leiste);

    // Left: categories and goods, in both modes.
    auto* links = new QVBoxLayout;
    cmbKategorien = Kombo(QStringLiteral("cmbKategorien"));
    Schmal(cmbKategorien);
    cmdKategorieNeu = Knopf(QStringLiteral("cmdKategorieNeu"), QStringLiteral("\\new.bmp"),
                            QStringLiteral("Neue Kategorie erstellen"));
    cmdKategorieDelete = Knopf(QStringLiteral("cmdKategorieDelete"), QStringLiteral("\\delete.bmp"),
                               QStringLiteral("Gewählte Kategorie löschen"));
    auto* kategorien = new QHBoxLayout;
    kategorien->addWidget(cmbKategorien, 1);
    kategorien->addWidget(cmdKategorieNeu);
    kategorien->addWidget(cmdKategorieDelete);
    links->addWidget(Rahmen(QStringLiteral("Kategorien"), kategorien));

    lvGegenstaende = new Datensatzliste;
    lvGegenstaende->setObjectName(QStringLiteral("lvGegenstände"));
    lvGegenstaende->SpaltenSetzen({QStringLiteral("Gegenstand"), QStringLiteral("Preis")});
    // The list reads the goods of the table itself when it shows them.
    lvGegenstaende->Quelle([] { return V::Gegenstaende.Anzahl(); },
                           [](int zeile, int spalte) {
                               const QStringList& f = V::Gegenstaende.Zeilen.at(zeile).Felder;
                               return spalte == 0 ? Katalog::Name(Feld(f, 0)) : Feld(f, 2);
                           });
    lvGegenstaende->Preisspalte(1);
    lvGegenstaende->setColumnWidth(0, 230);
    auto* gegenstaende = new QVBoxLayout;
    gegenstaende->addWidget(lvGegenstaende, 1);
    auto* listenknoepfe = new QHBoxLayout;
    cmdListeDrucken = Knopf(QStringLiteral("cmdListeDrucken"), QStringLiteral("\\Printfld.bmp"),
                            QStringLiteral("Gegenstandsliste drucken"));
    listenknoepfe->addWidget(cmdListeDrucken);
    listenknoepfe->addStretch(1);
    cmdItemHin = new QPushButton(QStringLiteral("Hinzufügen >>"));
    cmdItemHin->setObjectName(QStringLiteral("cmdItemHin"));
    cmdItemHin->setToolTip(QStringLiteral("Gegenstand dem Shopangebot hinzufügen"));
    listenknoepfe->addWidget(cmdItemHin);
    gegenstaende->addLayout(listenknoepfe);
    links->addWidget(Rahmen(QStringLiteral("Gegenstände"), gegenstaende), 1);

    // Right: the item editor or the shop editor, and the browser pane that shows a page while it prints.
    auto* rechts = new QVBoxLayout;
    m_itemSeite = ItemEditorBauen();
    m_shopSeite = ShopEditorBauen();
    rechts->addWidget(m_itemSeite, 1);
    rechts->addWidget(m_shopSeite, 1);
    m_browser = new Browser(this);
    m_browser->hide();
    rechts->addWidget(m_browser, 1);

    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links, 2);
    mitte->addLayout(rechts, 3);
    haupt->addLayout(mitte, 1);

    connect(cmdItemEditor, &QToolButton::clicked, this, &frmWarehouseMain::cmdItemEditor_Click);
    connect(cmdShopEditor, &QToolButton::clicked, this, &frmWarehouseMain::cmdShopEditor_Click);
    connect(cmdHelp, &QToolButton::clicked, this, &frmWarehouseMain::cmdHelp_Click);
    connect(cmbKategorien, &QComboBox::currentIndexChanged, this, &frmWarehouseMain::cmbKategorien_Click);
    connect(lvGegenstaende, &Datensatzliste::ZeileAngeklickt, this, &frmWarehouseMain::lvGegenstaende_ItemClick);
    connect(lvGegenstaende, &Datensatzliste::AuswahlGeaendert, this, &frmWarehouseMain::GegenstandWaehlen);
    connect(lvGegenstaende, &Datensatzliste::LoeschenGedrueckt, this, &frmWarehouseMain::cmdItemDelete_Click);
    connect(cmdKategorieNeu, &QToolButton::clicked, this, &frmWarehouseMain::cmdKategorieNeu_Click);
    connect(cmdKategorieDelete, &QToolButton::clicked, this, &frmWarehouseMain::cmdKategorieDelete_Click);
    connect(cmdListeDrucken, &QToolButton::clicked, this, &frmWarehouseMain::cmdListeDrucken_Click);
    connect(cmdItemHin, &QPushButton::clicked, this, &frmWarehouseMain::cmdItemHin_Click);
    connect(m_browser, &Browser::DokumentGeladen, this, &frmWarehouseMain::Browser_DokumentGeladen);

    m_editor = std::make_unique<Datensatzeditor>(V::Bearbeitungsmodus, V::AktuellerGegenstand, [this] {
        return FelderAusEditor() << cmbItemKategorien->currentText();
    });
    // Delete acts on the good the editor shows, so it needs one.
    m_editor->Steuern(cmdItemDelete, {Datensatzeditor::Zustand::Bearbeiten});
    m_editor->Neu();
    m_editor->Geladen();

    // Start: replacement files, the armory's new records, the category list.
    for (const QString& meldung : V::Starten())
        Dialoge::Warnung(meldung);
    KategorienboxenFuellen();
    ModusSetzen(true);
    ShopKnoepfe();
    m_waechter = new Dateiwaechter(this);
    connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmWarehouseMain::DateiGeaendert);
    cmbKategorien->setCurrentIndex(0);
    DateienBeobachten();

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdItemNeu});
    Fenster::Taste(this, QKeySequence::Save, {cmdItemSave});
    Fenster::Taste(this, QKeySequence::Print, {cmdShopDrucken, cmdListeDrucken});
    Fenster::Taste(this, QKeySequence::Delete, {cmdItemDelete});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHelp});
    Fenster::BeendenTaste(this);
}

frmWarehouseMain::~frmWarehouseMain() = default;

QToolButton* frmWarehouseMain::Knopf(const QString& name, const QString& bild, const QString& tipp)
{
    return Fenster::Werkzeugknopf(name, bild, tipp, 24, this);
}

QWidget* frmWarehouseMain::ItemEditorBauen()
{
    auto* seite = new QWidget;
    auto* layout = new QVBoxLayout(seite);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* knoepfe = new QHBoxLayout;
    cmdItemNeu = Knopf(QStringLiteral("cmdItemNeu"), QStringLiteral("\\new.bmp"), QStringLiteral("Neuen Gegenstand erstellen"));
    cmdItemSave = Knopf(QStringLiteral("cmdItemSave"), QStringLiteral("\\save.bmp"), QStringLiteral("Gegenstand speichern"));
    cmdItemDelete = Knopf(QStringLiteral("cmdItemDelete"), QStringLiteral("\\delete.bmp"),
                          QStringLiteral("Gewählten Gegenstand löschen"));
    for (QToolButton* k : {cmdItemNeu, cmdItemSave, cmdItemDelete})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    layout->addLayout(knoepfe);

    ItemTab = new QTabWidget;
    ItemTab->setObjectName(QStringLiteral("ItemTab"));
    layout->addWidget(ItemTab, 1);

    // Page one: the good itself.
    auto* grund = new QWidget;
    auto* raster = new QGridLayout(grund);
    txtName = new QLineEdit;
    txtName->setObjectName(Fenster::ArrayName(QStringLiteral("txtItem"), 0));
    txtGewicht = new QLineEdit;
    txtGewicht->setObjectName(Fenster::ArrayName(QStringLiteral("txtItem"), 1));
    txtPreis = new QLineEdit;
    txtPreis->setObjectName(Fenster::ArrayName(QStringLiteral("txtItem"), 2));
    txtBeschreibung = new QPlainTextEdit;
    txtBeschreibung->setObjectName(Fenster::ArrayName(QStringLiteral("txtItem"), 3));
    txtBeschreibung->setTabChangesFocus(true);
    ZifferntastenFilter::Anbringen(txtGewicht);
    ZifferntastenFilter::Anbringen(txtPreis);
    Namensfeld::Anbringen(txtName);
    cmbItemKategorien = Kombo(QStringLiteral("cmbItemKategorien"));
    Schmal(cmbItemKategorien);
    cmbItemWert = Kombo(QStringLiteral("cmbItemWert"), Katalog::Wertklassen());
    Schmal(cmbItemWert, 18);
    cmbItemPreis = Kombo(QStringLiteral("cmbItemPreis"), Katalog::Waehrungen());

    auto* gewicht = new QHBoxLayout;
    gewicht->addWidget(txtGewicht);
    gewicht->addWidget(new QLabel(QStringLiteral("Unzen")));
    auto* preis = new QHBoxLayout;
    preis->addWidget(txtPreis);
    preis->addWidget(cmbItemPreis);
    raster->addWidget(Rahmen(QStringLiteral("Name"), txtName), 0, 0, 1, 2);
    raster->addWidget(Rahmen(QStringLiteral("Kategorie"), cmbItemKategorien), 1, 0);
    raster->addWidget(Rahmen(QStringLiteral("Wert"), cmbItemWert), 1, 1);
    raster->addWidget(Rahmen(QStringLiteral("Gewicht"), gewicht), 2, 0);
    raster->addWidget(Rahmen(QStringLiteral("Preis"), preis), 2, 1);
    raster->addWidget(Rahmen(QStringLiteral("Beschreibung"), txtBeschreibung), 3, 0, 1, 2);
    auto* hinweis = new QLabel(QStringLiteral("Die Kategorien Nahkampfwaffen, Fernwaffen und Rüstungen füllt der Lagerhof "
                                              "beim Start und bei jedem Speichern in Waffkam3 mit den neuen Einträgen "
                                              "der Waffenkammer."));
    hinweis->setObjectName(QStringLiteral("lblHinweis"));
    hinweis->setWordWrap(true);
    raster->addWidget(hinweis, 4, 0, 1, 2);
    raster->setRowStretch(3, 1);
    ItemTab->addTab(grund, QStringLiteral("Gegenstand"));

    // Page two: where the good is made.
    auto* regionen = new QWidget;
    auto* r = new QGridLayout(regionen);
    lstRegionen = new QListWidget;
    lstRegionen->setObjectName(QStringLiteral("lstRegionen"));
    lstVerfuegbar = new QListWidget;
    lstVerfuegbar->setObjectName(QStringLiteral("lstVerfügbar"));
    lblRegionen = new QLabel;
    lblRegionen->setObjectName(QStringLiteral("lblRegionen"));
    lblRegionen->setWordWrap(true);
    lblRegionen->setMinimumHeight(48);
    lblRegionen->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    struct Bewegung {
        const char* name;
        const char* text;
        const char* tipp;
    };
    const Bewegung bewegungen[] = {{"cmdHin", ">", "Gewählte Region hinzufügen"},
                                   {"cmdAlleHin", ">>>>>", "Alle Regionen hinzufügen"},
                                   {"cmdZurück", "<", "Gewählte Region entfernen"},
                                   {"cmdAlleZurück", "<<<<<", "Alle Regionen entfernen"}};
    auto* mitte = new QVBoxLayout;
    mitte->addStretch(1);
    QPushButton* k[4];
    for (int i = 0; i < 4; ++i) {
        k[i] = new QPushButton(QLatin1String(bewegungen[i].text));
        k[i]->setObjectName(QString::fromUtf8(bewegungen[i].name));
        k[i]->setToolTip(QString::fromUtf8(bewegungen[i].tipp));
        mitte->addWidget(k[i]);
    }
    mitte->addStretch(1);
    auto* links = new QVBoxLayout;
    links->addWidget(lstRegionen, 1);
    links->addWidget(lblRegionen);
    r->addWidget(Rahmen(QStringLiteral("Regionen"), links), 0, 0);
    r->addLayout(mitte, 0, 1);
    r->addWidget(Rahmen(QStringLiteral("Wird hergestellt in"), lstVerfuegbar), 0, 2);
    ItemTab->addTab(regionen, QStringLiteral("Regionen"));

    connect(k[0], &QPushButton::clicked, this, &frmWarehouseMain::cmdHin_Click);
    connect(k[1], &QPushButton::clicked, this, &frmWarehouseMain::cmdAlleHin_Click);
    connect(k[2], &QPushButton::clicked, this, &frmWarehouseMain::cmdZurueck_Click);
    connect(k[3], &QPushButton::clicked, this, &frmWarehouseMain::cmdAlleZurueck_Click);
    for (QListWidget* liste : {lstRegionen, lstVerfuegbar})
        connect(liste, &QListWidget::itemClicked, this, [this](QListWidgetItem* eintrag) {
            lblRegionen->setText(ExplorerEngine::RegionBeschreibung(eintrag->text()));
        });
    connect(cmdItemNeu, &QToolButton::clicked, this, &frmWarehouseMain::cmdItemNeu_Click);
    connect(cmdItemSave, &QToolButton::clicked, this, &frmWarehouseMain::cmdItemSave_Click);
    connect(cmdItemDelete, &QToolButton::clicked, this, &frmWarehouseMain::cmdItemDelete_Click);
    for (QLineEdit* box : {txtName, txtGewicht, txtPreis})
        connect(box, &QLineEdit::textChanged, this, &frmWarehouseMain::SpeichernPruefen);
    connect(txtBeschreibung, &QPlainTextEdit::textChanged, this, &frmWarehouseMain::SpeichernPruefen);
    connect(cmbItemWert, &QComboBox::currentIndexChanged, this, &frmWarehouseMain::SpeichernPruefen);
    connect(cmbItemPreis, &QComboBox::currentIndexChanged, this, &frmWarehouseMain::SpeichernPruefen);
    RegionenZuruecksetzen();
    return seite;
}

QWidget* frmWarehouseMain::ShopEditorBauen()
{
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);
    raster->setContentsMargins(0, 0, 0, 0);
    txtShopName = new QLineEdit;
    txtShopName->setObjectName(QStringLiteral("txtName"));
    txtShopart = new QLineEdit;
    txtShopart->setObjectName(QStringLiteral("txtShopart"));
    txtBesitzerName = new QLineEdit;
    txtBesitzerName->setObjectName(QStringLiteral("txtBesitzerName"));
    for (QLineEdit* box : {txtShopName, txtShopart, txtBesitzerName})
        Namensfeld::Anbringen(box);
    cmbRasse = Kombo(QStringLiteral("cmbRasse"), Shop::Rassen());
    cmdGenName = new QPushButton(QStringLiteral("Zufallsname"));
    cmdGenName->setObjectName(QStringLiteral("cmdGenName"));
    cmdGenName->setToolTip(QStringLiteral("Zufallsnamen generieren"));
    cmbShopRegion = Kombo(QStringLiteral("cmbShopRegion"), Katalog::Regionsliste());
    cmbShopQualitaet = Kombo(QStringLiteral("cmbShopQualität"), Shop::Qualitaeten());
    cmbShopPreise = Kombo(QStringLiteral("cmbShopPreise"), Shop::Preisstufen());

    auto* besitzer = new QHBoxLayout;
    besitzer->addWidget(txtBesitzerName, 1);
    besitzer->addWidget(cmbRasse);
    besitzer->addWidget(cmdGenName);
    raster->addWidget(Rahmen(QStringLiteral("Name des Shops"), txtShopName), 0, 0, 1, 3);
    raster->addWidget(Rahmen(QStringLiteral("Shopart"), txtShopart), 1, 0, 1, 3);
    raster->addWidget(Rahmen(QStringLiteral("Besitzer"), besitzer), 2, 0, 1, 3);
    raster->addWidget(Rahmen(QStringLiteral("Region"), cmbShopRegion), 3, 0);
    raster->addWidget(Rahmen(QStringLiteral("Qualität"), cmbShopQualitaet), 3, 1);
    raster->addWidget(Rahmen(QStringLiteral("Preise"), cmbShopPreise), 3, 2);

    lvLaden = new Datensatzliste;
    lvLaden->setObjectName(QStringLiteral("lvLaden"));
    lvLaden->SpaltenSetzen({QStringLiteral("Gegenstand"), QStringLiteral("Gewicht"), QStringLiteral("Preis")});
    lvLaden->Quelle([] { return V::Shopwaren.Shopwarenzahl(); },
                    [](int index, int spalte) {
                        const Shop::Shopware& w = V::Shopwaren.Waren.at(index);
                        return spalte == 0 ? w.Text : spalte == 1 ? w.Gewicht : w.Preis;
                    });
    lvLaden->Preisspalte(2);
    // A shop holds a few goods picked by hand: it needs no filter.
    lvLaden->FilterZeigen(false);
    lvLaden->setColumnWidth(0, 260);
    cmdShopDelete = Knopf(QStringLiteral("cmdShopDelete"), QStringLiteral("\\delete.bmp"),
                          QStringLiteral("Gewählten Gegenstand löschen"));
    cmdShopAnzahl = Knopf(QStringLiteral("cmdShopAnzahl"), QStringLiteral("\\zahl.ico"), QStringLiteral("Anzahl bearbeiten"));
    cmdShopGenerator = Knopf(QStringLiteral("cmdShopGenerator"), QStringLiteral("\\shop.bmp"), QStringLiteral("Shopgenerator"));
    cmdShopDrucken = Knopf(QStringLiteral("cmdShopDrucken"), QStringLiteral("\\print.bmp"), QStringLiteral("Shop ausdrucken"));
    cmdShopExport = Knopf(QStringLiteral("cmdShopExport"), QStringLiteral("\\html.bmp"), QStringLiteral("HTML-Export"));
    auto* knoepfe = new QHBoxLayout;
    for (QToolButton* k : {cmdShopDelete, cmdShopAnzahl, cmdShopGenerator, cmdShopDrucken, cmdShopExport})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    auto* waren = new QVBoxLayout;
    waren->addWidget(lvLaden, 1);
    waren->addLayout(knoepfe);
    raster->addWidget(Rahmen(QStringLiteral("Waren im Shop"), waren), 4, 0, 1, 3);
    raster->setRowStretch(4, 1);

    connect(cmbRasse, &QComboBox::currentIndexChanged, this,
            [this](int index) { cmdGenName->setEnabled(index >= 0); });
    cmdGenName->setEnabled(false);
    connect(cmdGenName, &QPushButton::clicked, this, &frmWarehouseMain::cmdGenName_Click);
    connect(cmbShopRegion, &QComboBox::currentIndexChanged, this,
            [this] { cmbShopRegion->setToolTip(ExplorerEngine::RegionBeschreibung(cmbShopRegion->currentText())); });
    connect(cmbShopPreise, &QComboBox::currentIndexChanged, this, &frmWarehouseMain::cmbShopPreise_Click);
    connect(lvLaden, &Datensatzliste::ZeileDoppelgeklickt, this, &frmWarehouseMain::lvLaden_DblClick);
    connect(lvLaden, &Datensatzliste::LoeschenGedrueckt, this, &frmWarehouseMain::cmdShopDelete_Click);
    connect(cmdShopDelete, &QToolButton::clicked, this, &frmWarehouseMain::cmdShopDelete_Click);
    connect(cmdShopAnzahl, &QToolButton::clicked, this, &frmWarehouseMain::cmdShopAnzahl_Click);
    connect(cmdShopGenerator, &QToolButton::clicked, this, &frmWarehouseMain::cmdShopGenerator_Click);
    connect(cmdShopDrucken, &QToolButton::clicked, this, &frmWarehouseMain::cmdShopDrucken_Click);
    connect(cmdShopExport, &QToolButton::clicked, this, &frmWarehouseMain::cmdShopExport_Click);
    return seite;
}

void frmWarehouseMain::KategorienboxenFuellen()
{
    const QSignalBlocker sperre(cmbKategorien);
    const QSignalBlocker sperre2(cmbItemKategorien);
    cmbKategorien->clear();
    cmbItemKategorien->clear();
    const QStringList eintraege = QStringList{Katalog::Alles()} + V::Kategorien;
    cmbKategorien->addItems(eintraege);
    cmbItemKategorien->addItems(eintraege);
    cmbKategorien->setCurrentIndex(-1);
    cmbItemKategorien->setCurrentIndex(-1);
}

void frmWarehouseMain::ModusSetzen(bool artikel)
{
    m_artikelmodus = artikel;
    // The page that goes is hidden first: for a moment both visible would make the layout demand room for
    // both, and the window would grow by the height of one.
    QWidget* neu = artikel ? m_itemSeite : m_shopSeite;
    QWidget* alt = artikel ? m_shopSeite : m_itemSeite;
    alt->hide();
    neu->show();
    cmdItemHin->setVisible(!artikel);
    update();
}

void frmWarehouseMain::paintEvent(QPaintEvent* ereignis)
{
    if (m_artikelmodus && !m_bildItemGelesen) {
        m_bildItem = m_anfrageItem.Ergebnis();
        m_bildItemGelesen = true;
    }
    if (!m_artikelmodus && !m_bildShopGelesen) {
        m_bildShop = Fenster::Bildanfrage::Starten(QStringLiteral("\\Lagerhof3ShopEditor.jpg")).Ergebnis();
        m_bildShopGelesen = true;
    }
    const QImage& bild = m_artikelmodus ? m_bildItem : m_bildShop;
    if (!bild.isNull()) {
        // Scaled straight into the area being painted, without a window-sized copy.
        QPainter maler(this);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawImage(QRect(QPoint(0, 0), bild.size().scaled(size(), Qt::KeepAspectRatioByExpanding)), bild);
    }
    QWidget::paintEvent(ereignis);
}

void frmWarehouseMain::cmdItemEditor_Click()
{
    ModusSetzen(true);
}

void frmWarehouseMain::cmdShopEditor_Click()
{
    ModusSetzen(false);
    ShopKnoepfe();
}

// ---- catalogue ----

void frmWarehouseMain::ListeFuellen()
{
    ++m_listenFuellungen;
    lvGegenstaende->Neu();
}

void frmWarehouseMain::KategorieLaden()
{
    const QString kategorie = cmbKategorien->currentText();
    if (kategorie.isEmpty())
        return;
    // "Alles" at start was read while the window was built.
    QStringList meldungen;
    if (kategorie != Katalog::Alles() || !V::AllesVorgeladen(V::Gegenstaende, meldungen))
        meldungen = Katalog::KategorieLaden(V::Gegenstaende, kategorie, V::Kategorien);
    ListeFuellen();
    DateienBeobachten();
    {
        const QSignalBlocker sperre(cmbItemKategorien);
        cmbItemKategorien->setCurrentIndex(cmbKategorien->currentIndex());
    }
    // The rows of the new table are others than before: a save now makes a new good.
    GegenstandFelderLeeren();
    GegenstandKnoepfe();
    for (const QString& meldung : meldungen)
        Dialoge::Warnung(meldung);
}

void frmWarehouseMain::ListeNeuZeigen(int zeile)
{
    ListeFuellen();
    if (zeile >= 0 && zeile < V::Gegenstaende.Anzahl())
        lvGegenstaende->ZeileWaehlen(zeile, false);
}

void frmWarehouseMain::DateienBeobachten()
{
    for (const QString& pfad : std::as_const(m_beobachtet))
        m_waechter->Entfernen(pfad);
    m_beobachtet.clear();
    m_gesehen.clear();
    // The armory's records are taken over at start; later saves there are taken over as they come.
    QStringList gefolgt{Katalog::KategorienDatei()};
    for (Waffentabellen::Tabelle t : {Waffentabellen::Tabelle::NWaffen, Waffentabellen::Tabelle::FWaffen,
                                      Waffentabellen::Tabelle::Armor})
        gefolgt.append(Waffentabellen::Dateipfad(t));
    for (const QString& pfad : gefolgt) {
        m_gesehen.insert(pfad, Dateien::Abdruck(pfad));
        m_beobachtet.append(pfad);
        m_waechter->Beobachten(pfad, [this, pfad] { return m_gesehen.value(pfad); });
    }
    for (const QString& name : V::Gegenstaende.Geladen) {
        const QString pfad = Katalog::Warendatei(name);
        m_beobachtet.append(pfad);
        m_waechter->Beobachten(pfad, [name] { return V::Gegenstaende.Abdruecke.value(name); });
    }
}

void frmWarehouseMain::DateiGeaendert(const QString& pfad)
{
    if (pfad == Katalog::KategorienDatei()) {
        m_gesehen.insert(pfad, Dateien::Abdruck(pfad));
        const Katalog::Kategorienliste liste = Katalog::KategorienLesen();
        if (!liste.Gelesen)
            return;
        V::Kategorien = liste.Namen;
        // The boxes follow the list; the category shown stays shown.
        const QString gezeigt = cmbKategorien->currentText();
        const QString imEditor = cmbItemKategorien->currentText();
        KategorienboxenFuellen();
        const QSignalBlocker sperre(cmbKategorien);
        const QSignalBlocker sperre2(cmbItemKategorien);
        if (cmbKategorien->findText(gezeigt, Qt::MatchExactly) < 0)
            cmbKategorien->addItem(gezeigt);
        cmbKategorien->setCurrentIndex(cmbKategorien->findText(gezeigt, Qt::MatchExactly));
        m_kategorieIndex = cmbKategorien->currentIndex();
        cmbItemKategorien->setCurrentIndex(cmbItemKategorien->findText(imEditor, Qt::MatchExactly));
        Fenster::Status(this, QStringLiteral("Die Kategorienliste wurde in einem anderen Fenster geändert und neu geladen."),
                        15000);
        return;
    }
    if (m_gesehen.contains(pfad)) {
        // An armory database: its new records become goods by the take-over rules of the start.
        m_gesehen.insert(pfad, Dateien::Abdruck(pfad));
        int neu = 0;
        for (const QString& meldung : Katalog::WaffenUebernehmen(&neu))
            Dialoge::Warnung(meldung);
        if (neu > 0)
            Fenster::Status(this, neu == 1 ? QStringLiteral("1 neuer Eintrag der Waffenkammer wurde übernommen.")
                                           : QStringLiteral("%1 neue Einträge der Waffenkammer wurden übernommen.").arg(neu),
                            15000);
        // The goods files it wrote report themselves.
        m_waechter->Pruefen();
        return;
    }
    // A goods file of the table shown. Typed work and goods a failed save kept stay; the next save merges
    // both sides.
    if (m_editor->Geaendert() || Katalog::Ungespeichert(V::Gegenstaende)) {
        Fenster::Status(this, QStringLiteral("%1 wurde in einem anderen Fenster geändert; beim Speichern werden "
                                             "beide Seiten zusammengeführt.")
                                  .arg(Dateien::Anzeigename(QFileInfo(pfad).fileName())));
        return;
    }
    const Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    // The good shown is found again by its category, name and place among goods of that name.
    const auto name = [&t](int i) { return Katalog::EigeneKategorie(t, i) + QLatin1Char('\t') + Katalog::Name(Feld(t.Zeilen[i].Felder, 0)); };
    const Abgleich::Stelle gezeigt = Abgleich::StelleVon(V::Bearbeitungsmodus ? V::AktuellerGegenstand : -1, t.Anzahl(), name);
    const Datensatzliste::Lage lage = lvGegenstaende->LageMerken();
    KategorieLaden();
    lvGegenstaende->LageWiederherstellen(lage, false);
    const int neu = Abgleich::ZeileVon(gezeigt, t.Anzahl(), name);
    if (neu >= 0)
        GegenstandAnzeigen(neu);
    Fenster::Status(this, QStringLiteral("%1 wurde in einem anderen Fenster geändert und neu geladen.")
                              .arg(Dateien::Anzeigename(QFileInfo(pfad).fileName())),
                    15000);
}

void frmWarehouseMain::cmbKategorien_Click()
{
    // Another category replaces the list and empties the editor: edits there are asked about first.
    if (!m_editor->Verlassen(EditorName(), [this] { return GegenstandSpeichern(); })) {
        const QSignalBlocker sperre(cmbKategorien);
        cmbKategorien->setCurrentIndex(m_kategorieIndex);
        return;
    }
    m_kategorieIndex = cmbKategorien->currentIndex();
    KategorieLaden();
}

void frmWarehouseMain::RegionenZuruecksetzen()
{
    lstRegionen->clear();
    lstVerfuegbar->clear();
    lstRegionen->addItems(Katalog::Regionsliste());
}

void frmWarehouseMain::GegenstandFelderLeeren()
{
    txtName->clear();
    txtGewicht->clear();
    txtPreis->clear();
    txtBeschreibung->clear();
    cmbItemWert->setCurrentIndex(-1);
    cmbItemPreis->setCurrentIndex(-1);
    RegionenZuruecksetzen();
    lblRegionen->clear();
    SpeichernPruefen();
    // An empty editor shows no good, so the list highlights none.
    lvGegenstaende->ZeileWaehlen(-1, false);
    m_editor->Neu();
    m_editor->Anwenden(true);
    m_editor->Geladen();
}

void frmWarehouseMain::GegenstandAnzeigen(int zeile)
{
    const Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    if (zeile < 0 || zeile >= t.Anzahl())
        return;
    m_editor->Bearbeiten(zeile);
    const QStringList& f = t.Zeilen[zeile].Felder;
    txtName->setText(Katalog::Name(Feld(f, 0)));
    cmbItemWert->setCurrentIndex(Katalog::WertklasseIndex(Feld(f, 0)));
    txtGewicht->setText(Feld(f, 1));
    txtPreis->setText(Katalog::Betrag(Feld(f, 2)));
    cmbItemPreis->setCurrentIndex(Katalog::WaehrungsIndex(Feld(f, 2)));
    txtBeschreibung->setPlainText(Feld(f, 3));
    // The category box names the good's own category, so a save keeps it where it is unless changed.
    const int kategorie = cmbItemKategorien->findText(Katalog::EigeneKategorie(t, zeile), Qt::MatchExactly);
    if (kategorie >= 0)
        cmbItemKategorien->setCurrentIndex(kategorie);
    RegionenZuruecksetzen();
    for (const QString& code : Katalog::RegionenAusFeld(Feld(f, 4))) {
        const QList<QListWidgetItem*> treffer = lstRegionen->findItems(code, Qt::MatchExactly);
        if (!treffer.isEmpty())
            lstVerfuegbar->addItem(lstRegionen->takeItem(lstRegionen->row(treffer.first())));
    }
    SpeichernPruefen();
    if (lvGegenstaende->GewaehlteZeile() != zeile)
        lvGegenstaende->ZeileWaehlen(zeile, false);
    m_editor->Anwenden(true);
    m_editor->Geladen();
}

void frmWarehouseMain::lvGegenstaende_ItemClick(int zeile)
{
    // A click on the highlighted good shows it when the editor was emptied meanwhile.
    GegenstandWaehlen(zeile, -1);
}

void frmWarehouseMain::GegenstandWaehlen(int zeile, int vorher)
{
    const Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    if (zeile < 0 || zeile >= t.Anzahl() || (V::Bearbeitungsmodus && zeile == V::AktuellerGegenstand))
        return;
    const int fuellungen = m_listenFuellungen;
    const Katalog::Gegenstand gewaehlt = t.Zeilen[zeile];
    if (!m_editor->Verlassen(EditorName(), [this] { return GegenstandSpeichern(); })) {
        // The highlight goes back to the good whose edits were kept: at once, and again once a mouse click
        // that started this has finished selecting its own line.
        const auto zurueck = [this, vorher] {
            int gezeigt = V::Bearbeitungsmodus ? V::AktuellerGegenstand : -1;
            if (gezeigt < 0 && vorher >= 0 && vorher < V::Gegenstaende.Anzahl())
                gezeigt = vorher;
            lvGegenstaende->ZeileWaehlen(gezeigt, false);
        };
        zurueck();
        const int fuellungenJetzt = m_listenFuellungen;
        QMetaObject::invokeMethod(this, [this, zurueck, fuellungenJetzt] {
            if (m_listenFuellungen == fuellungenJetzt)
                zurueck();
        }, Qt::QueuedConnection);
        return;
    }
    // A save may have refilled the list or moved the rows: the chosen good is shown only where it still is.
    if (m_listenFuellungen != fuellungen)
        return;
    for (const int kandidat : {zeile, zeile - 1}) {
        if (kandidat >= 0 && kandidat < t.Anzahl() && t.Zeilen[kandidat].Felder == gewaehlt.Felder
            && t.Zeilen[kandidat].Kategorie == gewaehlt.Kategorie) {
            GegenstandAnzeigen(kandidat);
            return;
        }
    }
}

QString frmWarehouseMain::EditorName() const
{
    const QString name = txtName->text().trimmed();
    if (!name.isEmpty())
        return name;
    return V::Bearbeitungsmodus ? GespeicherterName() : QStringLiteral("Neuer Gegenstand");
}

QString frmWarehouseMain::GespeicherterName() const
{
    const Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    const int zeile = V::AktuellerGegenstand;
    return zeile >= 0 && zeile < t.Anzahl() ? Katalog::Name(Feld(t.Zeilen[zeile].Felder, 0)) : QString();
}

void frmWarehouseMain::GegenstandKnoepfe()
{
    const bool waren = V::Gegenstaende.Anzahl() > 0;
    for (QWidget* knopf : std::initializer_list<QWidget*>{cmdListeDrucken, cmdItemHin})
        knopf->setEnabled(waren);
    m_editor->Anwenden(true);
    const QString k = cmbKategorien->currentText();
    cmdKategorieDelete->setEnabled(!k.isEmpty() && k != Katalog::Alles() && !Katalog::Waffenkategorien().contains(k));
}

void frmWarehouseMain::SpeichernPruefen()
{
    // Saving needs a name, an amount, a class and a currency.
    cmdItemSave->setEnabled(!txtName->text().trimmed().isEmpty() && !txtPreis->text().isEmpty() && !cmbItemWert->currentText().isEmpty()
                            && !cmbItemPreis->currentText().isEmpty());
}

QStringList frmWarehouseMain::FelderAusEditor() const
{
    QStringList codes;
    for (int i = 0; i < lstVerfuegbar->count(); ++i)
        codes.append(lstVerfuegbar->item(i)->text());
    // A name typed with blanks around it is the same name.
    return {Katalog::Feld0(txtName->text().trimmed(), cmbItemWert->currentIndex()), txtGewicht->text(),
            Katalog::Feld2(txtPreis->text(), cmbItemPreis->currentIndex()), txtBeschreibung->toPlainText(),
            Katalog::RegionFeld(codes)};
}

void frmWarehouseMain::cmdItemNeu_Click()
{
    if (!m_editor->Verlassen(EditorName(), [this] { return GegenstandSpeichern(); }))
        return;
    GegenstandFelderLeeren();
    txtName->setFocus();
}

void frmWarehouseMain::cmdItemSave_Click()
{
    GegenstandSpeichern();
}

bool frmWarehouseMain::GegenstandSpeichern()
{
    if (!cmdItemSave->isEnabled())
        return false;
    Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    const Katalog::Speicherergebnis e = Katalog::GegenstandSpeichern(t, V::Bearbeitungsmodus, V::AktuellerGegenstand, FelderAusEditor(), cmbItemKategorien->currentText(),
        [] {
            return Dialoge::Frage(QStringLiteral("Ihr habt die Kategorie des Gegenstandes geändert, soll er wirklich einer "
                                                 "anderen Kategorie zugeordnet werden ?"));
        });
    if (e.Aktion == Katalog::Speicheraktion::Abgelehnt) {
        for (const QString& meldung : e.Meldungen)
            Dialoge::Warnung(meldung);
        return false;
    }
    if (e.Nachgeladen || t.Zusammengefuehrt) {
        // Another category's goods joined the table, or another window's save was merged in: the list shows
        // them all again.
        ListeNeuZeigen(e.Zeile);
        if (e.Nachgeladen)
            DateienBeobachten();
        if (t.Zusammengefuehrt)
            Fenster::Status(this, QStringLiteral("Die Änderungen aus einem anderen Fenster wurden übernommen."), 15000);
    } else {
        switch (e.Aktion) {
        case Katalog::Speicheraktion::Geaendert:
            lvGegenstaende->Geaendert(e.Zeile);
            break;
        case Katalog::Speicheraktion::Hinzugefuegt:
            lvGegenstaende->Hinzugefuegt(e.Zeile);
            break;
        case Katalog::Speicheraktion::Verschoben:
            if (e.Geloescht >= 0)
                lvGegenstaende->Entfernt(e.Geloescht);
            if (e.Zeile >= 0)
                lvGegenstaende->Hinzugefuegt(e.Zeile);
            break;
        case Katalog::Speicheraktion::Angehaengt:
        case Katalog::Speicheraktion::Behalten:
        case Katalog::Speicheraktion::Abgelehnt:
            break;
        }
    }
    for (const QString& meldung : e.Meldungen)
        Dialoge::Warnung(meldung);
    GegenstandKnoepfe();
    GegenstandFelderLeeren();
    return true;
}

void frmWarehouseMain::GegenstandLoeschen()
{
    // The good the editor shows, which is also the highlighted one.
    const int zeile = V::Bearbeitungsmodus ? V::AktuellerGegenstand : -1;
    Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    if (zeile < 0 || zeile >= t.Anzahl())
        return;
    Katalog::GegenstandLoeschen(t, zeile);
    lvGegenstaende->Entfernt(zeile);
    QString fehler;
    if (!Katalog::KategorieSpeichern(t, &fehler) && !fehler.isEmpty())
        Dialoge::Warnung(fehler);
    if (t.Zusammengefuehrt)
        ListeNeuZeigen(-1);
    // The row number shown in the editor belongs to another good now.
    GegenstandFelderLeeren();
    GegenstandKnoepfe();
}

void frmWarehouseMain::cmdItemDelete_Click()
{
    if (!V::Bearbeitungsmodus || V::AktuellerGegenstand < 0 || V::AktuellerGegenstand >= V::Gegenstaende.Anzahl())
        return;
    if (!Dialoge::FrageZerstoerend(QStringLiteral("Soll „%1“ wirklich gelöscht werden?").arg(GespeicherterName())))
        return;
    GegenstandLoeschen();
}

void frmWarehouseMain::cmdKategorieNeu_Click()
{
    for (;;) {
        const QString name = Dialoge::Eingabe(QStringLiteral("Bitte gebt der Kategorie einen Namen."));
        const Katalog::Namenspruefung pruefung = Katalog::NeuenNamenPruefen(name, V::Kategorien);
        if (pruefung == Katalog::Namenspruefung::Leer)
            return;
        if (pruefung != Katalog::Namenspruefung::Ok) {
            Dialoge::Warnung(Katalog::Namensmeldung(pruefung, name));
            continue;
        }
        QString fehler;
        if (!Katalog::KategorieAnlegen(name, V::Kategorien, &fehler)) {
            Dialoge::Warnung(fehler);
            return;
        }
        cmbKategorien->addItem(V::Kategorien.last());
        cmbItemKategorien->addItem(V::Kategorien.last());
        return;
    }
}

void frmWarehouseMain::cmdKategorieDelete_Click()
{
    const QString kategorie = cmbKategorien->currentText();
    if (kategorie.isEmpty() || kategorie == Katalog::Alles() || Katalog::Waffenkategorien().contains(kategorie))
        return;
    if (!Dialoge::FrageZerstoerend(QStringLiteral("Soll die gewählte Kategorie wirklich gelöscht werden ?")))
        return;
    QString fehler;
    if (!Katalog::KategorieEntfernen(kategorie, V::Kategorien, &fehler))
        Dialoge::Warnung(fehler);
    // Taken from the list (its file may still have been in the way): the boxes follow.
    if (!V::Kategorien.contains(kategorie)) {
        const int index = cmbKategorien->findText(kategorie, Qt::MatchExactly);
        {
            const QSignalBlocker sperre(cmbKategorien);
            cmbKategorien->removeItem(index);
            cmbItemKategorien->removeItem(cmbItemKategorien->findText(kategorie, Qt::MatchExactly));
            cmbKategorien->setCurrentIndex(-1);
        }
        // Its goods, the one in the editor among them, are gone with it.
        GegenstandFelderLeeren();
        cmdKategorieDelete->setEnabled(false);
        // The deleted category's goods are no longer shown: the list goes over to "Alles".
        cmbKategorien->setCurrentIndex(0);
    }
}

void frmWarehouseMain::cmdHin_Click()
{
    RegionVerschieben(lstRegionen, lstVerfuegbar, false);
}

void frmWarehouseMain::cmdZurueck_Click()
{
    RegionVerschieben(lstVerfuegbar, lstRegionen, false);
}

void frmWarehouseMain::cmdAlleHin_Click()
{
    RegionVerschieben(lstRegionen, lstVerfuegbar, true);
}

void frmWarehouseMain::cmdAlleZurueck_Click()
{
    RegionVerschieben(lstVerfuegbar, lstRegionen, true);
}

void frmWarehouseMain::RegionVerschieben(QListWidget* von, QListWidget* nach, bool alle)
{
    if (alle) {
        while (von->count() > 0)
            nach->addItem(von->takeItem(0));
        return;
    }
    const QList<QListWidgetItem*> gewaehlt = von->selectedItems();
    if (!gewaehlt.isEmpty())
        nach->addItem(von->takeItem(von->row(gewaehlt.first())));
}

void frmWarehouseMain::cmdHelp_Click()
{
    Subs::HilfeOeffnen(Variablen::HilfePfad + QStringLiteral("\\Warehouse.htm"));
}

// ---- printing ----

bool frmWarehouseMain::DruckenUeberBrowser(const QString& pfad)
{
    // The pane shows the page while it prints and is hidden again afterwards.
    m_seiteGeladen = false;
    const bool gedruckt = m_browser->SeiteDrucken(pfad);
    m_browser->hide();
    return gedruckt;
}

void frmWarehouseMain::cmdListeDrucken_Click()
{
    const Katalog::Gegenstandstabelle& t = V::Gegenstaende;
    QList<QStringList> waren;
    // The goods as the list shows them: in its order, without those a filter hides.
    for (const int zeile : lvGegenstaende->Anzeigereihenfolge())
        if (zeile >= 0 && zeile < t.Anzahl())
            waren.append(t.Zeilen[zeile].Felder);
    const QString pfad = WarehouseHTML::TempSeite();
    QString fehler;
    if (!WarehouseHTML::ListenSeiteSpeichern(cmbKategorien->currentText(), waren, pfad, &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    DruckenUeberBrowser(pfad);
}

// ---- shop ----

void frmWarehouseMain::ShopKnoepfe()
{
    const bool waren = V::Shopwaren.Shopwarenzahl() > 0;
    cmdShopDelete->setEnabled(waren);
    cmdShopAnzahl->setEnabled(waren);
    cmbShopPreise->setEnabled(waren);
    cmdItemHin->setEnabled(V::Gegenstaende.Anzahl() > 0);
}

void frmWarehouseMain::LadenEintragAktualisieren(int index)
{
    if (index < 0 || index >= V::Shopwaren.Shopwarenzahl())
        return;
    lvLaden->Geaendert(index);
}

void frmWarehouseMain::LadenFuellen()
{
    lvLaden->Neu();
}

int frmWarehouseMain::GewaehlteShopware() const
{
    const int index = lvLaden->GewaehlteZeile();
    return index < V::Shopwaren.Shopwarenzahl() ? index : -1;
}

void frmWarehouseMain::cmdItemHin_Click()
{
    const int zeile = lvGegenstaende->GewaehlteZeile();
    if (zeile < 0 || zeile >= V::Gegenstaende.Anzahl())
        return;
    const int index = Shop::ShopwareHinzufuegen(V::Shopwaren, V::Gegenstaende.Zeilen[zeile].Felder);
    lvLaden->Hinzugefuegt(index);
    lvLaden->ZeileWaehlen(index);
    ShopGeaendert();
}

void frmWarehouseMain::cmdShopDelete_Click()
{
    const int index = GewaehlteShopware();
    if (index < 0)
        return;
    Shop::ShopwareEntfernen(V::Shopwaren, index);
    lvLaden->Entfernt(index);
    ShopGeaendert();
}

void frmWarehouseMain::cmdShopAnzahl_Click()
{
    const int index = GewaehlteShopware();
    if (index < 0)
        return;
    const QString anzahl =
        Dialoge::Eingabe(QStringLiteral("Bitte gebt eine Zahl an, wie oft der Gegenstand im Shop vorhanden sein soll."));
    Shop::AnzahlSetzen(V::Shopwaren, index, anzahl);
    LadenEintragAktualisieren(index);
    ShopGeaendert();
}

void frmWarehouseMain::lvLaden_DblClick()
{
    const int index = GewaehlteShopware();
    if (index < 0)
        return;
    const QString preis = Dialoge::Eingabe(QStringLiteral("Bitte gebt den neuen Preis ein."));
    Shop::NeuerPreis(V::Shopwaren, index, preis);
    LadenEintragAktualisieren(index);
    ShopGeaendert();
}

void frmWarehouseMain::cmbShopPreise_Click()
{
    if (cmbShopPreise->currentText().isEmpty())
        return;
    Shop::PreiseBerechnen(V::Shopwaren, cmbShopPreise->currentIndex());
    for (int i = 0; i < V::Shopwaren.Shopwarenzahl(); ++i)
        LadenEintragAktualisieren(i);
    ShopGeaendert();
}

void frmWarehouseMain::cmdGenName_Click()
{
    if (cmbRasse->currentIndex() < 0)
        return;
    QString geschlecht;
    txtBesitzerName->setText(GenNameSub::Zufallsname(cmbRasse->currentText(), geschlecht));
}

void frmWarehouseMain::cmdShopGenerator_Click()
{
    if (V::Shopwaren.Shopwarenzahl() > 0
        && !Dialoge::FrageZerstoerend(QStringLiteral("Ihr arbeitet momentan an einem Shop, beim Start des Generators werden "
                                          "sämtliche Werte verworfen ! Wollt ihr den Generator wirklich starten ?"),
                           Dialoge::Symbol::Ausrufezeichen))
        return;
    frmWarehouseGenerator generator(V::Shopwaren, this);
    // The generator emptied the shop; its level starts unchosen.
    lvLaden->Neu();
    {
        const QSignalBlocker sperre(cmbShopPreise);
        cmbShopPreise->setCurrentIndex(-1);
    }
    ShopKnoepfe();
    if (Fenster::ModalAusfuehren(generator) != QDialog::Accepted) {
        LadenFuellen();
        ShopKnoepfe();
        return;
    }
    LadenFuellen();
    ShopGeaendert();
    cmbShopQualitaet->setCurrentIndex(generator.Qualitaet());
    cmbShopRegion->setCurrentIndex(generator.Region());
    txtShopart->setText(generator.Shopart());
    if (generator.Hinzugefuegt() > 0)
        cmbShopPreise->setCurrentIndex(generator.Preisstufe());
}

WarehouseHTML::Shopkopf frmWarehouseMain::Shopkopf() const
{
    return {txtShopName->text(),          txtShopart->text(),           txtBesitzerName->text(),
            cmbShopRegion->currentText(), cmbShopPreise->currentText(), cmbShopQualitaet->currentText()};
}

QList<int> frmWarehouseMain::Ladenreihenfolge() const
{
    return lvLaden->Anzeigereihenfolge();
}

void frmWarehouseMain::cmdShopDrucken_Click()
{
    const WarehouseHTML::Shopkopf kopf = Shopkopf();
    const QList<int> reihenfolge = Ladenreihenfolge();
    const QString pfad = WarehouseHTML::TempSeite();
    QString fehler;
    if (!WarehouseHTML::ShopDruckseiteSpeichern(kopf, V::Shopwaren, reihenfolge, pfad, &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    if (DruckenUeberBrowser(pfad))
        m_shopUngesichert = false;
}

void frmWarehouseMain::cmdShopExport_Click()
{
    const QString datei = Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, kHtmlFilter);
    if (datei.isEmpty())
        return;
    const WarehouseHTML::Shopkopf kopf = Shopkopf();
    const QList<int> reihenfolge = Ladenreihenfolge();
    QString fehler;
    if (!WarehouseHTML::ShopseiteSpeichern(kopf, V::Shopwaren, reihenfolge, datei, &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    m_shopUngesichert = false;
    if (Dialoge::Frage(QStringLiteral("Der Shop wurde erfolgreich erstellt, wollt ihr euch diesen nun ansehen ?.")))
        Shell::Zeigen(datei);
}

void frmWarehouseMain::ShopGeaendert()
{
    m_shopUngesichert = V::Shopwaren.Shopwarenzahl() > 0;
    ShopKnoepfe();
}

void frmWarehouseMain::Browser_DokumentGeladen()
{
    m_seiteGeladen = true;
}

void frmWarehouseMain::closeEvent(QCloseEvent* ereignis)
{
    // An edited good, then a shop built by hand that was neither exported nor printed.
    bool weiter = m_editor->Verlassen(EditorName(), [this] { return GegenstandSpeichern(); });
    if (weiter && m_shopUngesichert) {
        const QString name = txtShopName->text().trimmed();
        switch (Dialoge::Ungespeichert(name.isEmpty() ? QStringLiteral("Shop") : name)) {
        case Dialoge::Antwort::Speichern:
            cmdShopExport_Click();
            weiter = !m_shopUngesichert;
            break;
        case Dialoge::Antwort::Verwerfen: break;
        default: weiter = false;
        }
    }
    if (weiter)
        ereignis->accept();
    else
        ereignis->ignore();
}
