#include "frmArmoryMain.h"

#include "Abgleich.h"
#include "Armory3Variablen.h"
#include "ArmoryAustausch.h"
#include "ArmoryHTML.h"
#include "Browser.h"
#include "Dateien.h"
#include "Dateiwaechter.h"
#include "Datensatzeditor.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "Fenster.h"
#include "ForgeEngine.h"
#include "Namensfeld.h"
#include "Pfad.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"
#include "ZifferntastenFilter.h"
#include "frmArmoryForge.h"
#include "frmArmoryGenerator.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using Waffentabellen::Tabelle;

namespace {

const Tabelle kTabellen[] = {Tabelle::NWaffen, Tabelle::FWaffen, Tabelle::Armor};

const QString kWbdFilter = QStringLiteral("WBD-Dateien (*.wbd)|*.wbd");
const QString kHtmlFilter = QStringLiteral("HTML-Dateien (*.html)|*.html");

// The control-name stem of a table's edit controls.
QString Kuerzel(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen: return QStringLiteral("NWaffe");
    case Tabelle::FWaffen: return QStringLiteral("FWaffe");
    case Tabelle::Armor: return QStringLiteral("Armor");
    }
    return QString();
}

QStringList Schalterbeschriftungen(Tabelle t)
{
    switch (t) {
    case Tabelle::NWaffen:
        return {QStringLiteral("Einzigartige Waffe"), QStringLiteral("Nur für Privilegierte"), QStringLiteral("Magische Waffe"),
                QStringLiteral("Rituelle bzw. religiöse Waffe"), QStringLiteral("Nur für Zwerge"),
                QStringLiteral("Ungeeignet für Zwerge"), QStringLiteral("Zweihandwaffe"),
                QStringLiteral("Verbotene bzw. illegale Waffe"), QStringLiteral("Unzerstörbar")};
    case Tabelle::FWaffen:
        return {QStringLiteral("Einzigartige Waffe"), QStringLiteral("Nur für Privilegierte"), QStringLiteral("Magische Waffe"),
                QStringLiteral("Rituelle bzw. religiöse Waffe"), QStringLiteral("Verbotene bzw. illegale Waffe")};
    case Tabelle::Armor:
        return {QStringLiteral("Einzigartige Rüstung"), QStringLiteral("Nur für Privilegierte"),
                QStringLiteral("Magische Rüstung"), QStringLiteral("Nur für Zwerge"), QStringLiteral("Ungeeignet für Zwerge"),
                QStringLiteral("Unzerstörbar")};
    }
    return {};
}

// The description box takes several lines; every other box is a single line.
int Beschreibungsbox(Tabelle t)
{
    return Waffentabellen::FeldBeschreibung(t) - 1;
}

QComboBox* Kombo(const QString& name, QWidget* eltern)
{
    auto* kombo = new QComboBox(eltern);
    kombo->setObjectName(name);
    Fenster::AuswahlBegrenzen(kombo);
    return kombo;
}

void KomboZuruecksetzen(QComboBox* kombo, const QStringList& eintraege)
{
    kombo->clear();
    kombo->addItems(eintraege);
    kombo->setCurrentIndex(-1);
}

// A value that the list does not know (from an imported file) is added, so saving keeps it.
void KomboSetzen(QComboBox* kombo, const QString& wert)
{
    int i = kombo->findText(wert, Qt::MatchExactly);
    if (i < 0) {
        kombo->addItem(wert);
        i = kombo->count() - 1;
    }
    kombo->setCurrentIndex(i);
}

QWidget* Reihe(const QList<QWidget*>& teile)
{
    auto* reihe = new QWidget;
    reihe->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(reihe);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* teil : teile)
        layout->addWidget(teil);
    layout->addStretch(1);
    return reihe;
}

QLabel* Text(const QString& text)
{
    return new QLabel(text);
}

// A tab page whose form rows stay at the top however tall the window is.
QFormLayout* Formularseite(QWidget*& seite)
{
    seite = new QWidget;
    auto* spalte = new QVBoxLayout(seite);
    auto* form = new QFormLayout;
    spalte->addLayout(form);
    spalte->addStretch(1);
    return form;
}

} // namespace

frmArmoryMain::frmArmoryMain(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("frmArmoryMain"));
    Variablen::Programmtitel = Armory3Variablen::Programmtitel;
    setWindowTitle(Fenster::Titel(QStringLiteral("  -  Der Werkbund3 Waffeneditor")));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("Waffkam3.ico"));
    Fenster::HintergrundSetzen(this, QStringLiteral("\\Buttonleiste.jpg"));
    resize(1100, 740);

    auto* haupt = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    leiste->setSpacing(2);
    cmdNeu = Knopf(QStringLiteral("cmdNeu"), QStringLiteral("\\new.bmp"), QStringLiteral("Neuer Eintrag"));
    cmdSave = Knopf(QStringLiteral("cmdSave"), QStringLiteral("\\save.bmp"), QStringLiteral("Eintrag speichern"));
    cmdBearbeiten = Knopf(QStringLiteral("cmdBearbeiten"), QStringLiteral("\\open.bmp"), QStringLiteral("Eintrag bearbeiten"));
    cmdDelete = Knopf(QStringLiteral("cmdDelete"), QStringLiteral("\\delete.bmp"), QStringLiteral("Eintrag löschen"));
    cmdView = Knopf(QStringLiteral("cmdView"), QStringLiteral("\\find.bmp"), QStringLiteral("Viewer"));
    cmdHTML = Knopf(QStringLiteral("cmdHTML"), QStringLiteral("\\preview.bmp"), QStringLiteral("Details ansehen"));
    cmdExport = Knopf(QStringLiteral("cmdExport"), QStringLiteral("\\html.bmp"), QStringLiteral("HTML-Export"));
    cmdWBDExport = Knopf(QStringLiteral("cmdWBDExport"), QStringLiteral("\\export.bmp"),
                         QStringLiteral("Eintrag als WBD-File exportieren"));
    cmdWBDImport = Knopf(QStringLiteral("cmdWBDImport"), QStringLiteral("\\import.bmp"), QStringLiteral("WBD-File importieren"));
    cmdPrint = Knopf(QStringLiteral("cmdPrint"), QStringLiteral("\\print.bmp"), QStringLiteral("Gewählte Waffe ausdrucken"));
    cmdPrintListe = Knopf(QStringLiteral("cmdPrintListe"), QStringLiteral("\\printfld.bmp"),
                          QStringLiteral("Waffenliste ausdrucken"));
    cmdGenerator = Knopf(QStringLiteral("cmdGenerator"), QStringLiteral("\\Waffkam3Klein.bmp"), QStringLiteral("Waffengenerator"));
    cmdForge = Knopf(QStringLiteral("cmdForge"), QStringLiteral("\\VarlForge3.bmp"), QStringLiteral("Varl-Forge 3"));
    cmdHelp = Knopf(QStringLiteral("cmdHelp"), QStringLiteral("\\helpklein.bmp"), QStringLiteral("Hilfe"));
    for (QToolButton* knopf : m_knoepfe) {
        if (knopf == cmdHelp)
            leiste->addStretch(1);
        leiste->addWidget(knopf);
    }
    haupt->addLayout(leiste);

    auto* optionen = new QHBoxLayout;
    const QString optionText[] = {QStringLiteral("Nahkampfwaffe"), QStringLiteral("Fernwaffe"), QStringLiteral("Rüstung")};
    for (int i = 0; i < 3; ++i) {
        m_option[i] = new QRadioButton(optionText[i], this);
        m_option[i]->setObjectName(Fenster::ArrayName(QStringLiteral("Option1"), i));
        optionen->addWidget(m_option[i]);
        connect(m_option[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    optionen->addStretch(1);
    haupt->addLayout(optionen);

    static const char* const listen[] = {"lvNWaffen", "lvFWaffen", "lvArmor"};
    for (Tabelle t : kTabellen) {
        Seite& s = SeiteVon(t);
        s.Art = t;
        ListeBauen(s, QLatin1String(listen[int(t)]));
        haupt->addWidget(s.Liste, 1);
        haupt->addWidget(SeiteBauen(t), 1);
    }
    m_browser = new Browser(this);
    connect(m_browser, &Browser::DokumentGeladen, this, &frmArmoryMain::Browser_DokumentGeladen);
    haupt->addWidget(m_browser, 1);
    m_browser->hide();

    using Z = Datensatzeditor::Zustand;
    m_editor = std::make_unique<Datensatzeditor>(Armory3Variablen::Bearbeitungsmodus, Armory3Variablen::Bearbeitungszeile,
                                                 [this] { return FelderAusEingaben(Eingaben(Aktuell())); });
    for (QToolButton* knopf : {cmdNeu, cmdWBDImport, cmdGenerator})
        m_editor->Steuern(knopf, {Z::Liste});
    for (QToolButton* knopf : {cmdBearbeiten, cmdWBDExport, cmdExport, cmdHTML, cmdDelete, cmdPrintListe})
        m_editor->Steuern(knopf, {Z::Liste}, true);
    for (QToolButton* knopf : {cmdPrint, cmdForge})
        m_editor->Steuern(knopf, {Z::Liste, Z::Seite}, true);
    m_editor->Steuern(cmdSave, {Z::Neu, Z::Bearbeiten});
    m_editor->Steuern(cmdView, {Z::Neu, Z::Bearbeiten, Z::Seite});

    connect(cmdNeu, &QToolButton::clicked, this, &frmArmoryMain::cmdNeu_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmArmoryMain::cmdSave_Click);
    connect(cmdBearbeiten, &QToolButton::clicked, this, &frmArmoryMain::cmdBearbeiten_Click);
    connect(cmdDelete, &QToolButton::clicked, this, &frmArmoryMain::cmdDelete_Click);
    connect(cmdView, &QToolButton::clicked, this, &frmArmoryMain::cmdView_Click);
    connect(cmdHTML, &QToolButton::clicked, this, &frmArmoryMain::cmdHTML_Click);
    connect(cmdExport, &QToolButton::clicked, this, &frmArmoryMain::cmdExport_Click);
    connect(cmdWBDExport, &QToolButton::clicked, this, &frmArmoryMain::cmdWBDExport_Click);
    connect(cmdWBDImport, &QToolButton::clicked, this, &frmArmoryMain::cmdWBDImport_Click);
    connect(cmdPrint, &QToolButton::clicked, this, &frmArmoryMain::cmdPrint_Click);
    connect(cmdPrintListe, &QToolButton::clicked, this, &frmArmoryMain::cmdPrintListe_Click);
    connect(cmdGenerator, &QToolButton::clicked, this, &frmArmoryMain::cmdGenerator_Click);
    connect(cmdForge, &QToolButton::clicked, this, &frmArmoryMain::cmdForge_Click);
    connect(cmdHelp, &QToolButton::clicked, this, &frmArmoryMain::cmdHelp_Click);

    // Start: the three files are read whole into memory; a missing or damaged one is reported once.
    for (const QString& meldung : Armory3Variablen::TabellenLaden())
        Dialoge::Warnung(meldung);
    // The list shown first is filled now, the two hidden ones once the window has shown.
    ListeFuellen(Tabelle::NWaffen);
    Fenster::Spaeter(this, [this] {
        ListeFuellen(Tabelle::FWaffen);
        ListeFuellen(Tabelle::Armor);
    });
    Armory3Variablen::AktuelleTabelle = Tabelle::NWaffen;
    Armory3Variablen::Bearbeitungsmodus = false;
    m_option[0]->setChecked(true);
    Listenansicht();
    // Another Waffkam3 or program may save the same files while this window is open.
    m_waechter = new Dateiwaechter(this);
    connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmArmoryMain::DateiGeaendert);
    for (Tabelle t : kTabellen)
        m_waechter->Beobachten(Waffentabellen::Dateipfad(t), [t] { return Armory3Variablen::Tabelle(t).Abdruck; });

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdNeu});
    Fenster::Taste(this, QKeySequence::Open, {cmdWBDImport});
    Fenster::Taste(this, QKeySequence::Save, {cmdSave});
    Fenster::Taste(this, QKeySequence::Print, {cmdPrint});
    Fenster::Taste(this, QKeySequence::Delete, {cmdDelete});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHelp});
    Fenster::BeendenTaste(this);
}

frmArmoryMain::~frmArmoryMain() = default;

QToolButton* frmArmoryMain::Knopf(const QString& name, const QString& bild, const QString& beschriftung)
{
    QToolButton* knopf = Fenster::Werkzeugknopf(name, bild, beschriftung, 24, this);
    m_knoepfe.append(knopf);
    return knopf;
}

void frmArmoryMain::ListeBauen(Seite& s, const QString& name)
{
    s.Liste = new Datensatzliste(this);
    s.Liste->setObjectName(name);
    s.Liste->SpaltenSetzen(Waffentabellen::Spaltenueberschriften(s.Art));
    // The list reads the table itself: each shown line is made from its record when it is painted.
    const Tabelle t = s.Art;
    s.Liste->Quelle([t] { return Armory3Variablen::Tabelle(t).Anzahl(); },
                    [t](int zeile, int spalte) {
                        return Waffentabellen::Listenspalte(t, Armory3Variablen::Tabelle(t).Zeilen.at(zeile), spalte);
                    },
                    [t](int zeile, QString& ziel) {
                        Waffentabellen::ListenzeileAnhaengen(t, Armory3Variablen::Tabelle(t).Zeilen.at(zeile), ziel, false);
                    });
    s.Liste->Preisspalte(Waffentabellen::Preisspalte(t));
    connect(s.Liste, &Datensatzliste::LoeschenGedrueckt, this, &frmArmoryMain::EintragLoeschen);
    connect(s.Liste, &Datensatzliste::ZeileDoppelgeklickt, this, [this] { EintragBearbeiten(); });
}

QWidget* frmArmoryMain::RegionenBauen(Seite& s, const QString& kuerzel)
{
    auto* rahmen = new QGroupBox(QStringLiteral("Regionen"));
    auto* raster = new QGridLayout(rahmen);
    s.Regionen = new QListWidget;
    s.Regionen->setObjectName(QStringLiteral("lst") + kuerzel + QStringLiteral("Regionen"));
    s.Verfuegbar = new QListWidget;
    s.Verfuegbar->setObjectName(QStringLiteral("lst") + kuerzel + QStringLiteral("Verfügbar"));
    s.RegionenInfo = new QLabel;
    s.RegionenInfo->setObjectName(QStringLiteral("lbl") + kuerzel + QStringLiteral("Regionen"));
    s.RegionenInfo->setWordWrap(true);
    s.RegionenInfo->setMinimumHeight(40);

    struct Bewegung {
        const char* name;
        const char* text;
        const char* tipp;
    };
    const Bewegung bewegungen[] = {{"Hin", ">", "Gewählte Region hinzufügen"},
                                   {"AlleHin", ">>", "Alle Regionen hinzufügen"},
                                   {"Zurück", "<", "Gewählte Region entfernen"},
                                   {"AlleZurück", "<<", "Alle Regionen entfernen"}};
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addStretch(1);
    QPushButton* k[4];
    for (int i = 0; i < 4; ++i) {
        k[i] = new QPushButton(QLatin1String(bewegungen[i].text));
        k[i]->setObjectName(QStringLiteral("cmd") + kuerzel + QString::fromUtf8(bewegungen[i].name));
        k[i]->setToolTip(QString::fromUtf8(bewegungen[i].tipp));
        k[i]->setMaximumWidth(48);
        knoepfe->addWidget(k[i]);
    }
    knoepfe->addStretch(1);
    raster->addWidget(new QLabel(QStringLiteral("Alle Regionen")), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Verfügbar in")), 0, 2);
    raster->addWidget(s.Regionen, 1, 0);
    raster->addLayout(knoepfe, 1, 1);
    raster->addWidget(s.Verfuegbar, 1, 2);
    raster->addWidget(s.RegionenInfo, 2, 0, 1, 3);

    switch (s.Art) {
    case Tabelle::NWaffen:
        connect(k[0], &QPushButton::clicked, this, &frmArmoryMain::cmdNWaffeHin_Click);
        connect(k[1], &QPushButton::clicked, this, &frmArmoryMain::cmdNWaffeAlleHin_Click);
        connect(k[2], &QPushButton::clicked, this, &frmArmoryMain::cmdNWaffeZurueck_Click);
        connect(k[3], &QPushButton::clicked, this, &frmArmoryMain::cmdNWaffeAlleZurueck_Click);
        break;
    case Tabelle::FWaffen:
        connect(k[0], &QPushButton::clicked, this, &frmArmoryMain::cmdFWaffeHin_Click);
        connect(k[1], &QPushButton::clicked, this, &frmArmoryMain::cmdFWaffeAlleHin_Click);
        connect(k[2], &QPushButton::clicked, this, &frmArmoryMain::cmdFWaffeZurueck_Click);
        connect(k[3], &QPushButton::clicked, this, &frmArmoryMain::cmdFWaffeAlleZurueck_Click);
        break;
    case Tabelle::Armor:
        connect(k[0], &QPushButton::clicked, this, &frmArmoryMain::cmdArmorHin_Click);
        connect(k[1], &QPushButton::clicked, this, &frmArmoryMain::cmdArmorAlleHin_Click);
        connect(k[2], &QPushButton::clicked, this, &frmArmoryMain::cmdArmorZurueck_Click);
        connect(k[3], &QPushButton::clicked, this, &frmArmoryMain::cmdArmorAlleZurueck_Click);
        break;
    }
    Seite* seite = &s;
    for (QListWidget* liste : {s.Regionen, s.Verfuegbar})
        connect(liste, &QListWidget::itemClicked, this,
                [this, seite](QListWidgetItem* eintrag) { RegionZeigen(*seite, eintrag->text()); });
    return rahmen;
}

QWidget* frmArmoryMain::SeiteBauen(Tabelle t)
{
    Seite& s = SeiteVon(t);
    s.Tab = new QTabWidget(this);
    static const char* const tabs[] = {"NWaffenTab", "FWaffenTab", "ArmorTab"};
    s.Tab->setObjectName(QLatin1String(tabs[int(t)]));
    s.Tab->hide();
    return s.Tab;
}

frmArmoryMain::Seite& frmArmoryMain::Eingaben(Seite& s)
{
    // The edit pages are filled when a record is first edited, all three at once: the list view at start
    // needs none of them.
    for (Seite& seite : m_seiten)
        if (seite.Text.isEmpty())
            EingabenBauen(seite);
    return s;
}

void frmArmoryMain::EingabenBauen(Seite& s)
{
    const Tabelle t = s.Art;
    const QString kuerzel = Kuerzel(t);
    for (int i = 0; i < Waffentabellen::Textfelder(t); ++i) {
        QWidget* box = nullptr;
        if (i == Beschreibungsbox(t)) {
            auto* mehrzeilig = new QPlainTextEdit;
            mehrzeilig->setTabChangesFocus(true);
            mehrzeilig->setMaximumHeight(110);
            box = mehrzeilig;
        } else {
            box = new QLineEdit;
        }
        box->setObjectName(Fenster::ArrayName(QStringLiteral("txt") + kuerzel, i));
        s.Text.append(box);
    }
    for (int i : Waffentabellen::Zahlenboxen(t))
        ZifferntastenFilter::Anbringen(static_cast<QLineEdit*>(s.Text[i]));
    // Text(0) holds the name.
    Namensfeld::Anbringen(qobject_cast<QLineEdit*>(s.Text[0]));
    const QStringList schalter = Schalterbeschriftungen(t);
    for (int i = 0; i < schalter.size(); ++i) {
        auto* box = new QCheckBox(schalter[i]);
        box->setObjectName(Fenster::ArrayName(QStringLiteral("chk") + kuerzel, i));
        s.Schalter.append(box);
    }
    // "Unzerstörbar" makes the breakage factor meaningless.
    if (t != Tabelle::FWaffen) {
        QWidget* bf = s.Text[t == Tabelle::NWaffen ? 9 : 7];
        connect(s.Schalter.last(), &QCheckBox::toggled, bf, [bf](bool an) { bf->setEnabled(!an); });
    }
    s.Kategorie = Kombo(QStringLiteral("cmbKategorie") + kuerzel, s.Tab);
    if (t != Tabelle::Armor)
        s.Schaden = Kombo(QStringLiteral("cmbSchaden") + kuerzel, s.Tab);
    s.Waehrung = Kombo(QStringLiteral("cmbWährung") + kuerzel, s.Tab);
    QWidget* regionen = RegionenBauen(s, kuerzel);

    const auto box = [&s](int i) { return s.Text[i]; };
    const auto schmal = [&s](int i, int breite) {
        s.Text[i]->setMaximumWidth(breite);
        return s.Text[i];
    };
    QWidget* grund = nullptr;
    QFormLayout* grundForm = Formularseite(grund);
    QWidget* kampf = nullptr;
    QFormLayout* kampfForm = Formularseite(kampf);
    QWidget* handel = nullptr;
    QFormLayout* handelForm = Formularseite(handel);
    grundForm->addRow(QStringLiteral("Name"), box(0));
    grundForm->addRow(t == Tabelle::Armor ? QStringLiteral("Rüstungskategorie") : QStringLiteral("Waffenkategorie"),
                      Reihe({s.Kategorie}));
    grundForm->addRow(QStringLiteral("Gewicht (Unzen)"), Reihe({schmal(1, 100)}));
    if (t == Tabelle::Armor) {
        grundForm->addRow(QStringLiteral("Beschreibung"), box(2));
        kampfForm->addRow(QStringLiteral("Rüstungsschutz"), Reihe({schmal(3, 80)}));
        kampfForm->addRow(QStringLiteral("Behinderung"), Reihe({schmal(4, 80)}));
        kampfForm->addRow(QStringLiteral("Waffenvergleich"), Reihe({schmal(5, 60), Text(QStringLiteral("/")), schmal(6, 60)}));
        kampfForm->addRow(QStringLiteral("Bruchfaktor"), Reihe({schmal(7, 80)}));
        handelForm->addRow(QStringLiteral("Normalpreis"), Reihe({schmal(8, 100), s.Waehrung}));
        handelForm->addRow(QStringLiteral("Besonderheiten beim Handel"), box(9));
    } else {
        grundForm->addRow(QStringLiteral("Länge"), Reihe({schmal(2, 100)}));
        grundForm->addRow(QStringLiteral("Beschreibung"), box(3));
        kampfForm->addRow(QStringLiteral("Schaden"),
                          Reihe({schmal(4, 50), s.Schaden, Text(QStringLiteral("+")), schmal(5, 50)}));
        if (t == Tabelle::NWaffen) {
            kampfForm->addRow(QStringLiteral("KK-Zuschlag"), Reihe({schmal(6, 100)}));
            kampfForm->addRow(QStringLiteral("Waffenvergleich"),
                              Reihe({schmal(7, 60), Text(QStringLiteral("/")), schmal(8, 60)}));
            kampfForm->addRow(QStringLiteral("Bruchfaktor"), Reihe({schmal(9, 80)}));
        } else {
            kampfForm->addRow(QStringLiteral("Reichweite"), Reihe({schmal(6, 100)}));
            kampfForm->addRow(QStringLiteral("TP +/- Reichweite"), Reihe({schmal(7, 100)}));
        }
        const int preis = t == Tabelle::NWaffen ? 10 : 8;
        handelForm->addRow(QStringLiteral("Normalpreis"), Reihe({schmal(preis, 100), s.Waehrung}));
        handelForm->addRow(QStringLiteral("Besonderheiten beim Handel"), box(preis + 1));
    }
    handelForm->addRow(regionen);

    auto* spezial = new QWidget;
    auto* spezialLayout = new QVBoxLayout(spezial);
    for (QCheckBox* schalterBox : s.Schalter)
        spezialLayout->addWidget(schalterBox);
    spezialLayout->addStretch(1);

    s.Tab->addTab(grund, QStringLiteral("Grundeigenschaften"));
    s.Tab->addTab(kampf, QStringLiteral("Kampfwerte"));
    s.Tab->addTab(handel, QStringLiteral("Handel"));
    s.Tab->addTab(spezial, QStringLiteral("Spezielle Eigenschaften"));
    if (t != Tabelle::Armor) {
        QWidget* staerken = nullptr;
        QFormLayout* staerkenForm = Formularseite(staerken);
        const int erstes = t == Tabelle::NWaffen ? 12 : 10;
        staerkenForm->addRow(QStringLiteral("Schwäche der Waffe"), box(erstes));
        staerkenForm->addRow(QStringLiteral("Schwach gegen einen best. Gegner"), box(erstes + 1));
        staerkenForm->addRow(QStringLiteral("Stark gegen einen best. Gegner"), box(erstes + 2));
        s.Tab->addTab(staerken, QStringLiteral("Stärken und Schwächen"));
    }
    RegionenZuruecksetzen(s);
    KomboZuruecksetzen(s.Kategorie, Waffentabellen::Kategorien(t));
    if (s.Schaden)
        KomboZuruecksetzen(s.Schaden, Waffentabellen::Schadensarten());
    KomboZuruecksetzen(s.Waehrung, Waffentabellen::Waehrungen());
}

frmArmoryMain::Seite& frmArmoryMain::Aktuell()
{
    return SeiteVon(Armory3Variablen::AktuelleTabelle);
}

QString frmArmoryMain::BoxText(const QWidget* box)
{
    if (const auto* zeile = qobject_cast<const QLineEdit*>(box))
        return zeile->text();
    if (const auto* mehrzeilig = qobject_cast<const QPlainTextEdit*>(box))
        return mehrzeilig->toPlainText();
    return QString();
}

void frmArmoryMain::BoxSetzen(QWidget* box, const QString& text)
{
    if (auto* zeile = qobject_cast<QLineEdit*>(box))
        zeile->setText(text);
    else if (auto* mehrzeilig = qobject_cast<QPlainTextEdit*>(box))
        mehrzeilig->setPlainText(text);
}

bool frmArmoryMain::TabelleSpeichern(Tabelle t, int* zeile)
{
    QString fehler;
    Waffentabellen::Waffentabelle& tabelle = Armory3Variablen::Tabelle(t);
    int gefolgt = zeile ? *zeile : -1;
    const bool geschrieben = Waffentabellen::TabelleSpeichern(tabelle, &fehler, &gefolgt);
    if (tabelle.Zusammengefuehrt) {
        ListeNeuZeigen(t, gefolgt);
        Fenster::Status(this, QStringLiteral("Die Änderungen aus einem anderen Fenster an %1 wurden übernommen.")
                                  .arg(Dateien::Anzeigename(QFileInfo(Waffentabellen::Dateipfad(t)).fileName())),
                        15000);
    }
    if (zeile)
        *zeile = gefolgt;
    if (geschrieben)
        return true;
    // An empty reason: the user cancelled the merge; the change stays in the program, and closing asks.
    if (!fehler.isEmpty())
        Dialoge::Warnung(fehler + QStringLiteral(" Die Änderung ist nur im Programm vorhanden und wird mit dem nächsten "
                                                 "erfolgreichen Speichern in die Datei geschrieben."));
    return false;
}

void frmArmoryMain::ListeNeuZeigen(Tabelle t, int zeile)
{
    Datensatzliste* liste = SeiteVon(t).Liste;
    const Datensatzliste::Lage lage = liste->LageMerken();
    liste->Neu();
    liste->LageWiederherstellen(lage);
    if (zeile >= 0 && zeile < Armory3Variablen::Tabelle(t).Anzahl())
        liste->ZeileWaehlen(zeile);
    KnoepfeAktualisieren(Waffentabellen::Schluessel(Armory3Variablen::AktuelleTabelle));
}

void frmArmoryMain::DateiGeaendert(const QString& pfad)
{
    for (Tabelle t : kTabellen) {
        if (Waffentabellen::Dateipfad(t) != pfad)
            continue;
        Waffentabellen::Waffentabelle& tabelle = Armory3Variablen::Tabelle(t);
        const QString datei = Dateien::Anzeigename(QFileInfo(pfad).fileName());
        const bool hier = m_editor->Eingabe() && Aktuell().Art == t;
        // Typed work and records a failed save kept stay; the next save merges both sides.
        if ((hier && m_editor->Geaendert()) || tabelle.Ungeschrieben) {
            Fenster::Status(this, QStringLiteral("%1 wurde in einem anderen Fenster geändert; beim Speichern werden "
                                                 "beide Seiten zusammengeführt.")
                                      .arg(datei));
            return;
        }
        // The list keeps its record and scroll position by name; the record open in the edit pages is found
        // again by its name and place among records of that name.
        Datensatzliste* liste = SeiteVon(t).Liste;
        const Datensatzliste::Lage lage = liste->LageMerken();
        const bool bearbeitet = hier && Armory3Variablen::Bearbeitungsmodus;
        const auto name = [&tabelle](int i) { return tabelle.Zeilen[i].value(1); };
        const Abgleich::Stelle offen =
            Abgleich::StelleVon(bearbeitet ? Armory3Variablen::Bearbeitungszeile : -1, tabelle.Anzahl(), name);
        const QString meldung = Waffentabellen::Lademeldung(Waffentabellen::TabelleLaden(tabelle));
        liste->Neu();
        liste->LageWiederherstellen(lage);
        KnoepfeAktualisieren(Waffentabellen::Schluessel(Armory3Variablen::AktuelleTabelle));
        if (bearbeitet) {
            const int zeile = Abgleich::ZeileVon(offen, tabelle.Anzahl(), name);
            if (zeile < 0) {
                Listenansicht();
            } else {
                EingabenLeeren();
                Seite& s = Eingaben(Aktuell());
                EingabenAusFeldern(s, tabelle.Zeilen[zeile]);
                m_editor->Bearbeiten(zeile);
                KnoepfeAktualisieren(Waffentabellen::Schluessel(t));
                s.Tab->show();
                m_editor->Geladen();
            }
        }
        Fenster::Status(this, meldung.isEmpty()
                                  ? QStringLiteral("%1 wurde in einem anderen Fenster geändert und neu geladen.").arg(datei)
                                  : meldung,
                        meldung.isEmpty() ? 15000 : 0);
        return;
    }
}

void frmArmoryMain::ListeFuellen(Tabelle t)
{
    Datensatzliste* liste = SeiteVon(t).Liste;
    liste->Neu();
    liste->SpaltenAnpassen();
    if (liste->Anzahl() > 0)
        liste->ZeileWaehlen(0);
}

void frmArmoryMain::KnoepfeAktualisieren(const QString& schluessel)
{
    const auto t = Waffentabellen::AusSchluessel(schluessel);
    if (!t)
        return;
    m_editor->Anwenden(Armory3Variablen::Tabelle(*t).Anzahl() > 0);
    // The generator and the forge make and work melee weapons only.
    if (*t != Tabelle::NWaffen) {
        cmdGenerator->setEnabled(false);
        cmdForge->setEnabled(false);
    }
}

void frmArmoryMain::EingabenLeeren()
{
    for (Seite& s : m_seiten) {
        s.Liste->hide();
        // A page not built yet will be built empty.
        if (s.Text.isEmpty())
            continue;
        s.Tab->setCurrentIndex(0);
        for (QWidget* box : s.Text)
            BoxSetzen(box, QString());
        for (QCheckBox* schalter : s.Schalter)
            schalter->setChecked(false);
        // Lists and combos start empty too, so a new or edited record never inherits the last one's values.
        KomboZuruecksetzen(s.Kategorie, Waffentabellen::Kategorien(s.Art));
        if (s.Schaden)
            KomboZuruecksetzen(s.Schaden, Waffentabellen::Schadensarten());
        KomboZuruecksetzen(s.Waehrung, Waffentabellen::Waehrungen());
        RegionenZuruecksetzen(s);
        s.RegionenInfo->clear();
    }
    for (QRadioButton* option : m_option)
        option->hide();
    m_browser->hide();
}

void frmArmoryMain::Listenansicht()
{
    const Tabelle aktuell = Armory3Variablen::AktuelleTabelle;
    for (Seite& s : m_seiten) {
        s.Tab->hide();
        s.Liste->setVisible(s.Art == aktuell);
    }
    m_browser->hide();
    for (QRadioButton* option : m_option)
        option->show();
    m_editor->Liste();
    KnoepfeAktualisieren(Waffentabellen::Schluessel(aktuell));
}

QStringList frmArmoryMain::FelderAusEingaben(const Seite& s) const
{
    const Tabelle t = s.Art;
    QStringList felder(Waffentabellen::Feldanzahl(t));
    for (int i = 0; i < s.Text.size(); ++i)
        felder[i + 1] = BoxText(s.Text[i]);
    for (int i = 0; i < s.Schalter.size(); ++i)
        felder[Waffentabellen::Textfelder(t) + 1 + i] = s.Schalter[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    felder[Waffentabellen::FeldKategorie(t)] = s.Kategorie->currentText();
    if (s.Schaden)
        felder[Waffentabellen::FeldSchaden(t)] = s.Schaden->currentText();
    felder[Waffentabellen::FeldWaehrung(t)] = s.Waehrung->currentText();
    QStringList codes;
    for (int i = 0; i < s.Verfuegbar->count(); ++i)
        codes.append(s.Verfuegbar->item(i)->text());
    felder[Waffentabellen::FeldRegionen(t)] = Waffentabellen::RegionFeld(codes);
    return felder;
}

void frmArmoryMain::EingabenAusFeldern(Seite& s, const QStringList& felder)
{
    const Tabelle t = s.Art;
    const auto feld = [&felder](int i) { return i >= 0 && i < felder.size() ? felder[i] : QString(); };
    for (int i = 0; i < s.Text.size(); ++i)
        BoxSetzen(s.Text[i], feld(i + 1));
    for (int i = 0; i < s.Schalter.size(); ++i)
        s.Schalter[i]->setChecked(Waffentabellen::FlagGesetzt(feld(Waffentabellen::Textfelder(t) + 1 + i)));
    if (!feld(Waffentabellen::FeldKategorie(t)).isEmpty())
        KomboSetzen(s.Kategorie, feld(Waffentabellen::FeldKategorie(t)));
    if (s.Schaden && !feld(Waffentabellen::FeldSchaden(t)).isEmpty())
        KomboSetzen(s.Schaden, feld(Waffentabellen::FeldSchaden(t)));
    if (!feld(Waffentabellen::FeldWaehrung(t)).isEmpty())
        KomboSetzen(s.Waehrung, feld(Waffentabellen::FeldWaehrung(t)));
    for (const QString& code : Waffentabellen::RegionenAusFeld(feld(Waffentabellen::FeldRegionen(t)))) {
        const QList<QListWidgetItem*> treffer = s.Regionen->findItems(code, Qt::MatchExactly);
        if (!treffer.isEmpty())
            s.Verfuegbar->addItem(s.Regionen->takeItem(s.Regionen->row(treffer.first())));
    }
}

void frmArmoryMain::RegionenZuruecksetzen(Seite& s)
{
    s.Regionen->clear();
    s.Verfuegbar->clear();
    s.Regionen->addItems(Waffentabellen::Regionsliste());
}

void frmArmoryMain::RegionVerschieben(QListWidget* von, QListWidget* nach, bool alle)
{
    if (alle) {
        while (von->count() > 0)
            nach->addItem(von->takeItem(0));
        return;
    }
    const QList<QListWidgetItem*> gewaehlt = von->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    nach->addItem(von->takeItem(von->row(gewaehlt.first())));
}

void frmArmoryMain::RegionZeigen(Seite& s, const QString& code)
{
    s.RegionenInfo->setText(ExplorerEngine::RegionBeschreibung(code));
}

void frmArmoryMain::cmdNWaffeHin_Click() { RegionVerschieben(m_seiten[0].Regionen, m_seiten[0].Verfuegbar, false); }
void frmArmoryMain::cmdNWaffeZurueck_Click() { RegionVerschieben(m_seiten[0].Verfuegbar, m_seiten[0].Regionen, false); }
void frmArmoryMain::cmdNWaffeAlleHin_Click() { RegionVerschieben(m_seiten[0].Regionen, m_seiten[0].Verfuegbar, true); }
void frmArmoryMain::cmdNWaffeAlleZurueck_Click() { RegionVerschieben(m_seiten[0].Verfuegbar, m_seiten[0].Regionen, true); }
void frmArmoryMain::cmdFWaffeHin_Click() { RegionVerschieben(m_seiten[1].Regionen, m_seiten[1].Verfuegbar, false); }
void frmArmoryMain::cmdFWaffeZurueck_Click() { RegionVerschieben(m_seiten[1].Verfuegbar, m_seiten[1].Regionen, false); }
void frmArmoryMain::cmdFWaffeAlleHin_Click() { RegionVerschieben(m_seiten[1].Regionen, m_seiten[1].Verfuegbar, true); }
void frmArmoryMain::cmdFWaffeAlleZurueck_Click() { RegionVerschieben(m_seiten[1].Verfuegbar, m_seiten[1].Regionen, true); }
void frmArmoryMain::cmdArmorHin_Click() { RegionVerschieben(m_seiten[2].Regionen, m_seiten[2].Verfuegbar, false); }
void frmArmoryMain::cmdArmorZurueck_Click() { RegionVerschieben(m_seiten[2].Verfuegbar, m_seiten[2].Regionen, false); }
void frmArmoryMain::cmdArmorAlleHin_Click() { RegionVerschieben(m_seiten[2].Regionen, m_seiten[2].Verfuegbar, true); }
void frmArmoryMain::cmdArmorAlleZurueck_Click() { RegionVerschieben(m_seiten[2].Verfuegbar, m_seiten[2].Regionen, true); }

int frmArmoryMain::GewaehlteZeile()
{
    const int zeile = Aktuell().Liste->GewaehlteZeile();
    return zeile < Armory3Variablen::Tabelle(Aktuell().Art).Anzahl() ? zeile : -1;
}

void frmArmoryMain::cmdNeu_Click()
{
    EingabenLeeren();
    m_editor->Neu();
    KnoepfeAktualisieren(Waffentabellen::Schluessel(Aktuell().Art));
    Eingaben(Aktuell()).Tab->show();
    m_editor->Geladen();
    // Typing starts with the name, as it does after a new good in the warehouse.
    Aktuell().Text[0]->setFocus();
}

void frmArmoryMain::EintragBearbeiten()
{
    const int zeile = GewaehlteZeile();
    if (zeile < 0)
        return;
    EingabenLeeren();
    Seite& s = Eingaben(Aktuell());
    EingabenAusFeldern(s, Armory3Variablen::Tabelle(s.Art).Zeilen[zeile]);
    m_editor->Bearbeiten(zeile);
    KnoepfeAktualisieren(Waffentabellen::Schluessel(s.Art));
    s.Tab->show();
    m_editor->Geladen();
}

void frmArmoryMain::cmdBearbeiten_Click()
{
    EintragBearbeiten();
}

void frmArmoryMain::cmdSave_Click()
{
    EintragSpeichern();
}

bool frmArmoryMain::EintragSpeichern()
{
    Seite& s = Eingaben(Aktuell());
    for (int i : Waffentabellen::NullBoxen(s.Art))
        if (BoxText(s.Text[i]).isEmpty())
            BoxSetzen(s.Text[i], QStringLiteral("0"));
    if (BoxText(s.Text[0]).isEmpty()) {
        Dialoge::Warnung(QStringLiteral("Ihr müsst einen Namen eingeben."));
        return false;
    }
    Waffentabellen::Waffentabelle& tabelle = Armory3Variablen::Tabelle(s.Art);
    const QStringList felder = FelderAusEingaben(s);
    int zeile = Armory3Variablen::Bearbeitungszeile;
    if (Armory3Variablen::Bearbeitungsmodus) {
        Waffentabellen::ZeileAendern(tabelle, zeile, felder);
        s.Liste->Geaendert(zeile);
    } else {
        zeile = Waffentabellen::ZeileAnhaengen(tabelle, felder);
        s.Liste->Hinzugefuegt(zeile);
    }
    // A merge with another window's save moves the row; it follows its record.
    const bool geschrieben = TabelleSpeichern(s.Art, &zeile);
    Listenansicht();
    s.Liste->ZeileWaehlen(zeile);
    return geschrieben;
}

QString frmArmoryMain::EditorName()
{
    Seite& s = Aktuell();
    QString name = s.Text.isEmpty() ? QString() : BoxText(s.Text[0]).trimmed();
    const Waffentabellen::Waffentabelle& tabelle = Armory3Variablen::Tabelle(s.Art);
    const int zeile = Armory3Variablen::Bearbeitungszeile;
    if (name.isEmpty() && Armory3Variablen::Bearbeitungsmodus && zeile >= 0 && zeile < tabelle.Anzahl())
        name = tabelle.Zeilen[zeile].value(1);
    return name.isEmpty() ? QStringLiteral("Neuer Eintrag") : name;
}

void frmArmoryMain::cmdView_Click()
{
    if (!m_editor->Verlassen(EditorName(), [this] { return EintragSpeichern(); }))
        return;
    Listenansicht();
}

void frmArmoryMain::EintragLoeschen()
{
    Seite& s = Aktuell();
    const int zeile = GewaehlteZeile();
    if (s.Liste->Anzahl() == 0 || zeile < 0)
        return;
    if (!Dialoge::FrageZerstoerend(QStringLiteral("Soll der Eintrag wirklich gelöscht werden ?")))
        return;
    const int position = s.Liste->PositionVon(zeile);
    Waffentabellen::ZeileLoeschen(Armory3Variablen::Tabelle(s.Art), zeile);
    s.Liste->Entfernt(zeile);
    // The line that took the deleted one's place in the list (or the new last one) becomes the selection;
    // where a filter hid the deleted line, the first line shown.
    const int angezeigt = s.Liste->AngezeigteAnzahl();
    if (angezeigt > 0)
        s.Liste->ZeileWaehlen(s.Liste->ZeileAn(qBound(0, position, angezeigt - 1)));
    KnoepfeAktualisieren(Waffentabellen::Schluessel(s.Art));
    int naechste = s.Liste->GewaehlteZeile();
    TabelleSpeichern(s.Art, &naechste);
}

void frmArmoryMain::cmdDelete_Click()
{
    EintragLoeschen();
}

void frmArmoryMain::Option1_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    Fenster::Nachholen(this);
    Armory3Variablen::AktuelleTabelle = kTabellen[index];
    m_option[index]->setChecked(true);
    // Only the chosen list is shown; coming from the detail view this also leaves it.
    Listenansicht();
}

void frmArmoryMain::cmdHTML_Click()
{
    const int zeile = GewaehlteZeile();
    if (zeile < 0)
        return;
    Seite& s = Aktuell();
    const QString pfad = ArmoryHTML::TempSeite();
    QString fehler;
    if (!ArmoryHTML::DetailSeiteSpeichern(s.Art, Armory3Variablen::Tabelle(s.Art).Zeilen[zeile], pfad, &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    m_editor->Seite();
    KnoepfeAktualisieren(Waffentabellen::Schluessel(s.Art));
    s.Liste->hide();
    m_seiteGeladen = false;
    m_browser->Oeffnen(pfad);
    m_browser->show();
}

void frmArmoryMain::cmdExport_Click()
{
    const int zeile = GewaehlteZeile();
    if (zeile < 0)
        return;
    const QString datei = Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, kHtmlFilter);
    if (datei.isEmpty())
        return;
    QString fehler;
    if (ArmoryHTML::DetailSeiteSpeichern(Aktuell().Art, Armory3Variablen::Tabelle(Aktuell().Art).Zeilen[zeile], datei,
                                         &fehler))
        Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    else
        Dialoge::Warnung(fehler);
}

bool frmArmoryMain::DruckenUeberBrowser(const QString& pfad)
{
    // The pane is shown for the print; afterwards it is as it was (the detail view keeps its page).
    const bool warSichtbar = !m_browser->isHidden();
    m_seiteGeladen = false;
    const bool gedruckt = m_browser->SeiteDrucken(pfad);
    m_seiteGeladen = false;
    m_browser->setVisible(warSichtbar);
    return gedruckt;
}

void frmArmoryMain::cmdPrint_Click()
{
    const int zeile = GewaehlteZeile();
    if (zeile < 0)
        return;
    const QString pfad = ArmoryHTML::TempSeite();
    QString fehler;
    if (!ArmoryHTML::DetailSeiteSpeichern(Aktuell().Art, Armory3Variablen::Tabelle(Aktuell().Art).Zeilen[zeile], pfad,
                                          &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    DruckenUeberBrowser(pfad);
}

void frmArmoryMain::cmdPrintListe_Click()
{
    Seite& s = Aktuell();
    const QString pfad = ArmoryHTML::TempSeite();
    QString fehler;
    if (!ArmoryHTML::ListenSeiteSpeichern(s.Art, s.Liste->Anzeigetexte(), pfad, &fehler)) {
        Dialoge::Warnung(fehler);
        return;
    }
    DruckenUeberBrowser(pfad);
}

void frmArmoryMain::cmdWBDExport_Click()
{
    const QString datei = Dialoge::Aktuell().DateiSpeichern(Variablen::WbdPfad, kWbdFilter);
    if (datei.isEmpty())
        return;
    const int zeile = GewaehlteZeile();
    if (zeile < 0)
        return;
    QString fehler;
    const Tabelle t = Aktuell().Art;
    if (ArmoryAustausch::Exportieren(t, Armory3Variablen::Tabelle(t).Zeilen.at(zeile), datei, &fehler))
        Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    else
        Dialoge::Warnung(fehler);
}

void frmArmoryMain::cmdWBDImport_Click()
{
    const QString datei = Dialoge::Aktuell().DateiOeffnen(Variablen::WbdPfad, kWbdFilter);
    if (datei.isEmpty())
        return;
    QString fehler;
    const auto eintrag = ArmoryAustausch::Lesen(datei, &fehler);
    if (!eintrag) {
        Dialoge::Warnung(fehler);
        return;
    }
    Waffentabellen::Waffentabelle& tabelle = Armory3Variablen::Tabelle(eintrag->Art);
    // A second record of a name is asked for: the file may have it from an earlier import.
    const QString name = eintrag->Felder.value(1);
    if (Waffentabellen::ZeileSuchen(tabelle, name) >= 0
        && !Dialoge::Frage(QStringLiteral("„%1“ gibt es schon in der Tabelle. Soll der Eintrag trotzdem ein weiteres Mal "
                                          "angelegt werden?")
                               .arg(name)))
        return;
    int zeile = Waffentabellen::ZeileAnhaengen(tabelle, eintrag->Felder);
    SeiteVon(eintrag->Art).Liste->Hinzugefuegt(zeile);
    // The buttons belong to the list shown, which need not be the one that got the record.
    KnoepfeAktualisieren(Waffentabellen::Schluessel(Armory3Variablen::AktuelleTabelle));
    TabelleSpeichern(eintrag->Art, &zeile);
}

void frmArmoryMain::cmdGenerator_Click()
{
    frmArmoryGenerator generator(this);
    if (Fenster::ModalAusfuehren(generator) != QDialog::Accepted || generator.NeueZeile() < 0)
        return;
    const int zeile = generator.NeueZeile();
    Seite& s = SeiteVon(Tabelle::NWaffen);
    // The generator's save may have merged another window's weapons in.
    if (Armory3Variablen::NWaffen.Zusammengefuehrt) {
        ListeNeuZeigen(Tabelle::NWaffen, zeile);
        return;
    }
    s.Liste->Hinzugefuegt(zeile);
    s.Liste->ZeileWaehlen(zeile);
    KnoepfeAktualisieren(QStringLiteral("NWaffen"));
}

void frmArmoryMain::cmdForge_Click()
{
    if (Armory3Variablen::AktuelleTabelle != Tabelle::NWaffen)
        return;
    const int zeile = GewaehlteZeile();
    if (zeile < 0)
        return;
    const QStringList& waffe = Armory3Variablen::NWaffen.Zeilen[zeile];
    const std::optional<qint64> preis = ForgeEngine::Normalpreis(waffe);
    if (!preis) {
        Dialoge::Warnung(ForgeEngine::PreisUnlesbarMeldung(waffe));
        return;
    }
    if (*preis == 0
        && !Dialoge::Frage(QStringLiteral("Ihr solltet der Waffe zuerst einen Preis zuordnen, bevor ihr sie in "
                                          "Varl-Forge 3 weiterverarbeitet. Soll Varl-Forge 3 wirklich geladen werden ?")))
        return;
    frmArmoryForge schmiede(waffe, this);
    Fenster::ModalAusfuehren(schmiede);
}

void frmArmoryMain::cmdHelp_Click()
{
    Subs::HilfeOeffnen(Pfad::Verbinden(Variablen::HilfePfad, QStringLiteral("\\Armory.htm")));
}

void frmArmoryMain::Browser_DokumentGeladen()
{
    m_seiteGeladen = true;
}

void frmArmoryMain::closeEvent(QCloseEvent* ereignis)
{
    // The one question for typed work, naming the record; Speichern closes only when the save succeeded.
    if (m_editor->Eingabe() && !m_editor->Verlassen(EditorName(), [this] { return EintragSpeichern(); })) {
        ereignis->ignore();
        return;
    }
    // Records a failed save kept only in the program are not dropped unasked.
    for (Tabelle t : kTabellen) {
        if (!Armory3Variablen::Tabelle(t).Ungeschrieben)
            continue;
        const Dialoge::Antwort antwort = Dialoge::Ungespeichert(QString(Waffentabellen::Dateiname(t)).section(QLatin1Char('\\'), -1));
        if (antwort == Dialoge::Antwort::Abbrechen || (antwort == Dialoge::Antwort::Speichern && !TabelleSpeichern(t))) {
            ereignis->ignore();
            return;
        }
    }
    ereignis->accept();
}
