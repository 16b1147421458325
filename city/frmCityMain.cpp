#include "frmCityMain.h"

#include "Abgleich.h"
#include "CityEngine.h"
#include "Dateiwaechter.h"
#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "Fenster.h"
#include "GenNameSub.h"
#include "Namensfeld.h"
#include "Pfad.h"
#include "Register.h"
#include "Stadt.h"
#include "Stadtbericht.h"
#include "Stadtdatei.h"
#include "Stadtkarte.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zeilendatei.h"
#include "frmCityExplorer.h"
#include "frmCityGenerator.h"
#include "frmCityStart.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace CityEngine;

struct frmCityMain::Seite {
    QLineEdit* name = nullptr;     // inns and taverns: field 0 as typed
    QComboBox* auswahl = nullptr;  // trades and deities: field 0 from a list or typed
    QLineEdit* besitzer = nullptr; // owner, or the temple's priest
    QComboBox* preise = nullptr;
    QComboBox* qualitaet = nullptr;
    QLineEdit* zufall = nullptr;
    QPushButton* save = nullptr;
    QPushButton* loeschen = nullptr;
    QPushButton* weiter = nullptr;
    QPushButton* zurueck = nullptr;
    QPushButton* besitzerKnopf = nullptr;
    QPushButton* zufallKnopf = nullptr;
};

namespace {

struct Registerart {
    const char* praefix; // object names: "cmd" + praefix + "Save" ...
    const char* tab;
    const char* feld0;   // frame caption over field 0
};

const Registerart kRegister[frmCityMain::RegisterAnzahl] = {
    {"Gasthaus", "Gasthäuser / Hotels", "Name des Gasthauses"},
    {"Taverne", "Gaststätten / Tavernen", "Name der Taverne"},
    {"Handwerker", "Handwerker", "Beruf"},
    {"Händler", "Händler", "Beruf"},
    {"Dienst", "Dienstleistungen", "Beruf"},
    {"Heiler", "Heiler", "Beruf"},
    {"GBetrieb", "Grossbetriebe", "Beruf"},
    {"Tempel", "Tempel", "Gottheit"},
};

// Trade list files of the trade combos, read in this order.
const QStringList kBerufsdateien[frmCityMain::RegisterAnzahl] = {
    {},
    {},
    {QStringLiteral("Handwerker1.dat"), QStringLiteral("Handwerker2.dat"), QStringLiteral("Handwerker3.dat")},
    {QStringLiteral("Händler1.dat"), QStringLiteral("Händler2.dat"), QStringLiteral("Händler3.dat")},
    {QStringLiteral("Dienstleistung1.dat"), QStringLiteral("Dienstleistung2.dat")},
    {QStringLiteral("Heiler.dat")},
    {QStringLiteral("Grossbetriebe.dat")},
    {},
};

const QString kZufaellig = QStringLiteral("Zufällig generieren");

QString N(const char* text)
{
    return QString::fromUtf8(text);
}

// A frame with a caption around one or two controls.
QGroupBox* Rahmen(const QString& titel, QWidget* inhalt, QWidget* daneben = nullptr)
{
    auto* rahmen = new QGroupBox(titel);
    auto* layout = new QHBoxLayout(rahmen);
    layout->addWidget(inhalt, 1);
    if (daneben)
        layout->addWidget(daneben);
    return rahmen;
}

QLineEdit* Textfeld(const QString& name)
{
    auto* feld = new QLineEdit;
    feld->setObjectName(name);
    return feld;
}

QComboBox* Auswahlliste(const QString& name, const QStringList& eintraege, bool editierbar)
{
    auto* liste = new QComboBox;
    liste->setObjectName(name);
    Fenster::AuswahlBegrenzen(liste);
    liste->setEditable(editierbar);
    liste->addItems(eintraege);
    liste->setCurrentIndex(-1);
    if (editierbar)
        liste->setEditText(QString());
    return liste;
}

QPushButton* Knopf(const QString& name, const QString& text, const QString& bild = QString(),
                   const QString& tipp = QString())
{
    auto* knopf = new QPushButton(text);
    knopf->setObjectName(name);
    if (!bild.isEmpty()) {
        const QIcon symbol = Fenster::Symbol(bild);
        knopf->setIcon(symbol);
        // Without its picture the button still says what it does.
        if (symbol.isNull() && text.isEmpty())
            knopf->setText(tipp);
    }
    if (!tipp.isEmpty())
        knopf->setToolTip(tipp);
    return knopf;
}

QToolButton* Werkzeug(const QString& name, const QString& bild, const QString& tipp)
{
    return Fenster::Werkzeugknopf(name, bild, tipp, 32);
}

} // namespace

frmCityMain::frmCityMain(QWidget* eltern) : QMainWindow(eltern), m_stadt(new CityEngine::Stadt), m_seiten(new Seite[RegisterAnzahl])
{
    setObjectName(QStringLiteral("frmCityMain"));
    Variablen::Programmtitel = QStringLiteral("Ortsbau 3");
    setWindowTitle(Fenster::Titel());
    Fenster::FenstersymbolSetzen(this, QStringLiteral("Ortsbau3.ico"));
    Aufbauen();
    BerufslistenFuellen();
    Verbinden();
    for (int reg = 0; reg < RegisterAnzahl; ++reg)
        KnoepfeSetzen(reg);
    txtName_Change();
    CityTab->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdHTML->setEnabled(false);

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdNeu});
    Fenster::Taste(this, QKeySequence::Open, {cmdLoad});
    Fenster::Taste(this, QKeySequence::Save, {cmdSave});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHelp});
    Fenster::BeendenTaste(this);
}

frmCityMain::~frmCityMain()
{
    delete[] m_seiten;
    delete m_stadt;
}

void frmCityMain::Aufbauen()
{
    auto* zentrum = new QWidget;
    zentrum->setObjectName(QStringLiteral("Hintergrund"));
    auto* spalte = new QVBoxLayout(zentrum);

    auto* leiste = new QHBoxLayout;
    cmdNeu = Werkzeug(QStringLiteral("cmdNeu"), QStringLiteral("new.bmp"), QStringLiteral("Neue Stadt"));
    cmdLoad = Werkzeug(QStringLiteral("cmdLoad"), QStringLiteral("open.bmp"), QStringLiteral("Stadt laden"));
    cmdGenerator = Werkzeug(QStringLiteral("cmdGenerator"), QStringLiteral("Ortsbau3Klein.bmp"),
                            QStringLiteral("Stadtgenerator"));
    cmdSave = Werkzeug(QStringLiteral("cmdSave"), QStringLiteral("save.bmp"), QStringLiteral("Stadt speichern"));
    cmdHTML = Werkzeug(QStringLiteral("cmdHTML"), QStringLiteral("html.bmp"), QStringLiteral("HTML-Bericht schreiben"));
    cmdHelp = Werkzeug(QStringLiteral("cmdHelp"), QStringLiteral("helpklein.bmp"), QStringLiteral("Hilfe"));
    for (QToolButton* knopf : {cmdNeu, cmdLoad, cmdGenerator, cmdSave, cmdHTML})
        leiste->addWidget(knopf);
    leiste->addStretch(1);
    leiste->addWidget(cmdHelp);
    spalte->addLayout(leiste);

    CityTab = new QTabWidget;
    CityTab->setObjectName(QStringLiteral("CityTab"));
    CityTab->addTab(GrundseiteBauen(), QStringLiteral("Grundeigenschaften"));
    for (int reg = 0; reg < RegisterAnzahl; ++reg)
        CityTab->addTab(RegisterseiteBauen(reg), N(kRegister[reg].tab));
    CityTab->addTab(HintergrundseiteBauen(), QStringLiteral("Hintergrundinformationen"));
    spalte->addWidget(CityTab, 1);

    setCentralWidget(zentrum);
    Fenster::HintergrundSetzen(zentrum, QStringLiteral("Ortsbau3.jpg"));
    // Wide enough for all ten tabs, whatever the font: none hides behind the scroll arrows at the start.
    const int tabs = CityTab->tabBar()->sizeHint().width() + 2 * spalte->contentsMargins().left() + 8;
    resize(qMax(1120, tabs), 600);
}

QWidget* frmCityMain::GrundseiteBauen()
{
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);
    txtName = Textfeld(QStringLiteral("txtName"));
    Namensfeld::Anbringen(txtName);
    txtEinwohnerzahl = Textfeld(QStringLiteral("txtEinwohnerzahl"));
    // Both end in the map register, whose values hold at most 254 characters.
    txtName->setMaxLength(254);
    txtEinwohnerzahl->setMaxLength(254);
    cmbRasse = Auswahlliste(QStringLiteral("cmbRasse"), Rassen(), false);
    cmbDurchfahrende = Auswahlliste(QStringLiteral("cmbDurchfahrende"), DurchfahrendeListe(), true);
    cmbMarkt = Auswahlliste(QStringLiteral("cmbMarkt"), MarktListe(), true);
    cmbReichtum = Auswahlliste(QStringLiteral("cmbReichtum"), Reichtuemer(), false);
    cmbKriminalitaet = Auswahlliste(QStringLiteral("cmbKriminalität"), Kriminalitaeten(), false);
    txtBuergermeister = Textfeld(QStringLiteral("txtBürgermeister"));
    cmdBuergermeister = Knopf(QStringLiteral("cmdBürgermeister"), kZufaellig, QString(),
                              QStringLiteral("Einen Namen aus der Region / Rasse der Einwohner ziehen"));
    cmdExplorer = Knopf(QStringLiteral("cmdExplorer"), QStringLiteral("Auf der Karte eintragen"));

    raster->addWidget(Rahmen(QStringLiteral("Name der Stadt"), txtName), 0, 0);
    raster->addWidget(Rahmen(QStringLiteral("Einwohnerzahl"), txtEinwohnerzahl), 0, 1);
    raster->addWidget(Rahmen(QStringLiteral("Region / Rasse der Einwohner"), cmbRasse), 1, 0);
    raster->addWidget(Rahmen(QStringLiteral("Durchfahrende"), cmbDurchfahrende), 1, 1);
    raster->addWidget(Rahmen(QStringLiteral("Markt"), cmbMarkt), 2, 0);
    raster->addWidget(Rahmen(QStringLiteral("Reichtum der Stadt"), cmbReichtum), 2, 1);
    raster->addWidget(Rahmen(QStringLiteral("Kriminalität"), cmbKriminalitaet), 3, 0);
    raster->addWidget(Rahmen(QStringLiteral("Bürgermeister/in"), txtBuergermeister, cmdBuergermeister), 3, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(cmdExplorer);
    raster->addLayout(unten, 4, 0, 1, 2);
    raster->setRowStretch(5, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    return seite;
}

QWidget* frmCityMain::RegisterseiteBauen(int reg)
{
    Seite& s = m_seiten[reg];
    const QString p = N(kRegister[reg].praefix);
    auto* seite = new QWidget;
    auto* raster = new QGridLayout(seite);

    s.save = Knopf(QStringLiteral("cmd") + p + QStringLiteral("Save"), QString(), QStringLiteral("save.bmp"),
                   QStringLiteral("Eintrag speichern"));
    s.loeschen = Knopf(QStringLiteral("cmd") + p + QStringLiteral("Delete"), QStringLiteral("Löschen"),
                       QStringLiteral("delete.bmp"), QStringLiteral("Eintrag löschen"));
    s.weiter = Knopf(QStringLiteral("cmd") + p + QStringLiteral("Weiter"), QStringLiteral(">>>"), QString(),
                     QStringLiteral("Nächster Eintrag"));
    s.zurueck = Knopf(QStringLiteral("cmd") + p + QStringLiteral("Zurück"), QStringLiteral("<<<"), QString(),
                      QStringLiteral("Voriger Eintrag"));

    if (reg == TempelRegister) {
        s.auswahl = Auswahlliste(QStringLiteral("cmbTempelGott"), Gottheiten(), true);
        s.besitzer = Textfeld(QStringLiteral("txtTempelGeweihter"));
        s.besitzerKnopf = Knopf(QStringLiteral("cmdTempelGeweihter"), kZufaellig);
        raster->addWidget(Rahmen(QStringLiteral("Gottheit"), s.auswahl), 0, 0, 1, 2);
        raster->addWidget(Rahmen(QStringLiteral("Name des/der Geweihten"), s.besitzer, s.besitzerKnopf), 1, 0, 1, 2);
    } else {
        if (reg == Gasthaus || reg == Taverne)
            s.name = Textfeld(QStringLiteral("txt") + p + QStringLiteral("Name"));
        else
            s.auswahl = Auswahlliste(QStringLiteral("cmb") + p + QStringLiteral("Beruf"), {}, true);
        s.besitzer = Textfeld(QStringLiteral("txt") + p + QStringLiteral("Besitzer"));
        s.preise = Auswahlliste(QStringLiteral("cmb") + p + QStringLiteral("Preise"), Preisliste(), false);
        s.qualitaet = Auswahlliste(QStringLiteral("cmb") + p + QStringLiteral("Qualität"), Qualitaetsliste(Kategorie(reg)), false);
        s.zufall = Textfeld(QStringLiteral("txt") + p + QStringLiteral("Zufall"));
        s.besitzerKnopf = Knopf(QStringLiteral("cmd") + p + QStringLiteral("Besitzer"), kZufaellig);
        s.zufallKnopf = Knopf(QStringLiteral("cmd") + p + QStringLiteral("Zufall"), kZufaellig);
        QWidget* feld0 = s.name ? static_cast<QWidget*>(s.name) : static_cast<QWidget*>(s.auswahl);
        raster->addWidget(Rahmen(N(kRegister[reg].feld0), feld0), 0, 0, 1, 2);
        raster->addWidget(Rahmen(QStringLiteral("Name des/der Besitzer/in"), s.besitzer, s.besitzerKnopf), 1, 0, 1, 2);
        raster->addWidget(Rahmen(QStringLiteral("Preise"), s.preise), 2, 0);
        raster->addWidget(Rahmen(QStringLiteral("Qualität"), s.qualitaet), 2, 1);
        raster->addWidget(Rahmen(QStringLiteral("Zufallsereignis"), s.zufall, s.zufallKnopf), 3, 0, 1, 2);
    }
    s.besitzerKnopf->setToolTip(QStringLiteral("Einen Namen aus der Region / Rasse der Einwohner ziehen"));
    if (s.zufallKnopf)
        s.zufallKnopf->setToolTip(QStringLiteral("Ein Zufallsereignis ziehen"));

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(s.zurueck);
    navigation->addStretch(1);
    navigation->addWidget(s.save);
    navigation->addWidget(s.loeschen);
    navigation->addStretch(1);
    navigation->addWidget(s.weiter);
    raster->addLayout(navigation, 4, 0, 1, 2);
    // Tab order: the fields top to bottom, each with its button, then the navigation row.
    QList<QWidget*> reihenfolge = {s.name ? static_cast<QWidget*>(s.name) : static_cast<QWidget*>(s.auswahl), s.besitzer,
                                   s.besitzerKnopf};
    if (s.preise)
        reihenfolge << s.preise << s.qualitaet << s.zufall << s.zufallKnopf;
    reihenfolge << s.zurueck << s.save << s.loeschen << s.weiter;
    for (qsizetype i = 1; i < reihenfolge.size(); ++i)
        QWidget::setTabOrder(reihenfolge[i - 1], reihenfolge[i]);

    // Enter anywhere on the page stores the shown entry, as its save button does.
    for (const Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* kurz = new QShortcut(QKeySequence(taste), seite);
        kurz->setContext(Qt::WidgetWithChildrenShortcut);
        connect(kurz, &QShortcut::activated, s.save, &QPushButton::click);
    }

    raster->setRowStretch(5, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    return seite;
}

QWidget* frmCityMain::HintergrundseiteBauen()
{
    auto* seite = new QWidget;
    auto* layout = new QVBoxLayout(seite);
    txtHintergrund = new QPlainTextEdit;
    txtHintergrund->setObjectName(QStringLiteral("txtHintergrund"));
    auto* rahmen = new QGroupBox(QStringLiteral("Hintergrundgeschichte"));
    auto* innen = new QVBoxLayout(rahmen);
    innen->addWidget(txtHintergrund);
    layout->addWidget(rahmen);
    return seite;
}

void frmCityMain::Verbinden()
{
    using Handler = void (frmCityMain::*)();
    // Save, Delete, Weiter, Zurück, owner, event of each register, in register order.
    static const Handler handler[RegisterAnzahl][6] = {
        {&frmCityMain::cmdGasthausSave_Click, &frmCityMain::cmdGasthausDelete_Click, &frmCityMain::cmdGasthausWeiter_Click,
         &frmCityMain::cmdGasthausZurueck_Click, &frmCityMain::cmdGasthausBesitzer_Click, &frmCityMain::cmdGasthausZufall_Click},
        {&frmCityMain::cmdTaverneSave_Click, &frmCityMain::cmdTaverneDelete_Click, &frmCityMain::cmdTaverneWeiter_Click,
         &frmCityMain::cmdTaverneZurueck_Click, &frmCityMain::cmdTaverneBesitzer_Click, &frmCityMain::cmdTaverneZufall_Click},
        {&frmCityMain::cmdHandwerkerSave_Click, &frmCityMain::cmdHandwerkerDelete_Click,
         &frmCityMain::cmdHandwerkerWeiter_Click, &frmCityMain::cmdHandwerkerZurueck_Click,
         &frmCityMain::cmdHandwerkerBesitzer_Click, &frmCityMain::cmdHandwerkerZufall_Click},
        {&frmCityMain::cmdHaendlerSave_Click, &frmCityMain::cmdHaendlerDelete_Click, &frmCityMain::cmdHaendlerWeiter_Click,
         &frmCityMain::cmdHaendlerZurueck_Click, &frmCityMain::cmdHaendlerBesitzer_Click, &frmCityMain::cmdHaendlerZufall_Click},
        {&frmCityMain::cmdDienstSave_Click, &frmCityMain::cmdDienstDelete_Click, &frmCityMain::cmdDienstWeiter_Click,
         &frmCityMain::cmdDienstZurueck_Click, &frmCityMain::cmdDienstBesitzer_Click, &frmCityMain::cmdDienstZufall_Click},
        {&frmCityMain::cmdHeilerSave_Click, &frmCityMain::cmdHeilerDelete_Click, &frmCityMain::cmdHeilerWeiter_Click,
         &frmCityMain::cmdHeilerZurueck_Click, &frmCityMain::cmdHeilerBesitzer_Click, &frmCityMain::cmdHeilerZufall_Click},
        {&frmCityMain::cmdGBetriebSave_Click, &frmCityMain::cmdGBetriebDelete_Click, &frmCityMain::cmdGBetriebWeiter_Click,
         &frmCityMain::cmdGBetriebZurueck_Click, &frmCityMain::cmdGBetriebBesitzer_Click, &frmCityMain::cmdGBetriebZufall_Click},
        {&frmCityMain::cmdTempelSave_Click, &frmCityMain::cmdTempelDelete_Click, &frmCityMain::cmdTempelWeiter_Click,
         &frmCityMain::cmdTempelZurueck_Click, &frmCityMain::cmdTempelGeweihter_Click, nullptr},
    };
    for (int reg = 0; reg < RegisterAnzahl; ++reg) {
        Seite& s = m_seiten[reg];
        QPushButton* knoepfe[6] = {s.save, s.loeschen, s.weiter, s.zurueck, s.besitzerKnopf, s.zufallKnopf};
        for (int i = 0; i < 6; ++i)
            if (knoepfe[i] && handler[reg][i])
                connect(knoepfe[i], &QPushButton::clicked, this, handler[reg][i]);
    }
    connect(cmdNeu, &QToolButton::clicked, this, &frmCityMain::cmdNeu_Click);
    connect(cmdLoad, &QToolButton::clicked, this, &frmCityMain::cmdLoad_Click);
    connect(cmdGenerator, &QToolButton::clicked, this, &frmCityMain::cmdGenerator_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmCityMain::cmdSave_Click);
    connect(cmdHTML, &QToolButton::clicked, this, &frmCityMain::cmdHTML_Click);
    connect(cmdHelp, &QToolButton::clicked, this, &frmCityMain::cmdHelp_Click);
    connect(cmdExplorer, &QPushButton::clicked, this, &frmCityMain::cmdExplorer_Click);
    connect(cmdBuergermeister, &QPushButton::clicked, this, &frmCityMain::cmdBuergermeister_Click);
    connect(txtName, &QLineEdit::textChanged, this, &frmCityMain::txtName_Change);
}

void frmCityMain::BerufslistenFuellen()
{
    for (int reg = 0; reg < RegisterAnzahl; ++reg) {
        if (kBerufsdateien[reg].isEmpty())
            continue;
        // A missing list leaves the combo without those entries; typing a trade still works.
        QStringList berufe;
        for (const QString& datei : kBerufsdateien[reg])
            berufe += Zeilendatei::Lesen(Pfad::Verbinden(Variablen::DataPfad, QStringLiteral("\\City\\") + datei));
        QComboBox* liste = m_seiten[reg].auswahl;
        liste->addItems(berufe);
        liste->setCurrentIndex(-1);
        liste->setEditText(QString());
    }
}

const CityEngine::Stadt& frmCityMain::Stadt()
{
    StadtAusFenster();
    return *m_stadt;
}

int frmCityMain::AktuelleStelle(int reg) const
{
    return m_stelle[reg];
}

void frmCityMain::StadtAusFenster()
{
    CityEngine::Stadt& s = *m_stadt;
    // Blanks around the name would make a second register entry of the same city.
    s.Name = txtName->text().trimmed();
    s.Einwohnerzahl = txtEinwohnerzahl->text();
    s.Rasse = cmbRasse->currentIndex() < 0 ? KeineRasse : cmbRasse->currentIndex();
    s.Durchfahrende = cmbDurchfahrende->currentText();
    s.Markt = cmbMarkt->currentText();
    s.Buergermeister = txtBuergermeister->text();
    s.Reichtum = cmbReichtum->currentIndex();
    s.Kriminalitaet = cmbKriminalitaet->currentIndex();
    s.Hintergrund = txtHintergrund->toPlainText();
}

void frmCityMain::StadtInsFenster()
{
    const CityEngine::Stadt& s = *m_stadt;
    txtName->setText(s.Name);
    txtEinwohnerzahl->setText(s.Einwohnerzahl);
    cmbRasse->setCurrentIndex(s.Rasse >= 0 && s.Rasse < cmbRasse->count() ? s.Rasse : -1);
    cmbDurchfahrende->setEditText(s.Durchfahrende);
    cmbMarkt->setEditText(s.Markt);
    txtBuergermeister->setText(s.Buergermeister);
    cmbReichtum->setCurrentIndex(s.Reichtum >= 0 && s.Reichtum < cmbReichtum->count() ? s.Reichtum : -1);
    cmbKriminalitaet->setCurrentIndex(
        s.Kriminalitaet >= 0 && s.Kriminalitaet < cmbKriminalitaet->count() ? s.Kriminalitaet : -1);
    txtHintergrund->setPlainText(s.Hintergrund);
}

static CityEngine::Liste& ListeVon(CityEngine::Stadt& stadt, int reg)
{
    return reg == frmCityMain::TempelRegister ? stadt.Tempel : stadt.Betriebe[reg];
}

void frmCityMain::SlotZeigen(int reg)
{
    const Seite& s = m_seiten[reg];
    const QStringList& slot = Gezeigt(ListeVon(*m_stadt, reg), m_stelle[reg]);
    if (reg == TempelRegister) {
        s.auswahl->setEditText(slot.value(0));
        s.besitzer->setText(slot.value(1));
        return;
    }
    if (s.name)
        s.name->setText(slot.value(FeldName));
    else
        s.auswahl->setEditText(slot.value(FeldName));
    s.besitzer->setText(slot.value(FeldBesitzer));
    s.preise->setCurrentIndex(IndexAusText(slot.value(FeldPreise), s.preise->count()));
    s.qualitaet->setCurrentIndex(IndexAusText(slot.value(FeldQualitaet), s.qualitaet->count()));
    s.zufall->setText(slot.value(FeldZufall));
}

QStringList frmCityMain::FelderLesen(int reg) const
{
    const Seite& s = m_seiten[reg];
    if (reg == TempelRegister)
        return {s.auswahl->currentText(), s.besitzer->text()};
    return {s.name ? s.name->text() : s.auswahl->currentText(), s.besitzer->text(),
            QString::number(s.preise->currentIndex()), QString::number(s.qualitaet->currentIndex()), s.zufall->text()};
}

bool frmCityMain::EintragGeaendert(int reg) const
{
    // The slot as the page shows it: an index field that names no list entry shows as no choice.
    const Seite& s = m_seiten[reg];
    QStringList gezeigt = Gezeigt(ListeVon(*m_stadt, reg), m_stelle[reg]);
    if (reg != TempelRegister) {
        gezeigt[FeldPreise] = QString::number(IndexAusText(gezeigt.value(FeldPreise), s.preise->count()));
        gezeigt[FeldQualitaet] = QString::number(IndexAusText(gezeigt.value(FeldQualitaet), s.qualitaet->count()));
    }
    return FelderLesen(reg) != gezeigt;
}

bool frmCityMain::EintragSichern(int reg)
{
    if (!EintragGeaendert(reg))
        return true;
    QString name = FelderLesen(reg).value(0).trimmed();
    if (name.isEmpty())
        name = N(kRegister[reg].tab);
    switch (Dialoge::Ungespeichert(name)) {
    case Dialoge::Antwort::Speichern:
        return RegisterSpeichern(reg);
    case Dialoge::Antwort::Verwerfen:
        return true;
    default:
        return false;
    }
}

bool frmCityMain::StadtGeaendert()
{
    // Before the first city is started there is nothing to lose: every control is locked.
    if (!CityTab->isEnabled())
        return false;
    for (int reg = 0; reg < RegisterAnzahl; ++reg)
        if (EintragGeaendert(reg))
            return true;
    return Dateizeilen(Stadt()) != m_gespeichert;
}

bool frmCityMain::AenderungenSichern()
{
    if (!StadtGeaendert())
        return true;
    const QString name = txtName->text().trimmed();
    switch (Dialoge::Ungespeichert(name.isEmpty() ? QStringLiteral("neue Stadt") : name)) {
    case Dialoge::Antwort::Speichern:
        // Typed entries go into the city first, so that the file holds what the pages show.
        for (int reg = 0; reg < RegisterAnzahl; ++reg)
            if (EintragGeaendert(reg) && !RegisterSpeichern(reg))
                return false;
        return StadtSichern();
    case Dialoge::Antwort::Verwerfen:
        return true;
    default:
        return false;
    }
}

void frmCityMain::StandMerken()
{
    m_gespeichert = Dateizeilen(Stadt());
}

void frmCityMain::RegisterZeigen()
{
    for (int reg = 0; reg < RegisterAnzahl; ++reg) {
        m_stelle[reg] = 0;
        SlotZeigen(reg);
        KnoepfeSetzen(reg);
    }
}

void frmCityMain::closeEvent(QCloseEvent* ereignis)
{
    if (AenderungenSichern())
        ereignis->accept();
    else
        ereignis->ignore();
}

void frmCityMain::KnoepfeSetzen(int reg)
{
    const Knopfzustand k = Knoepfe(ListeVon(*m_stadt, reg), m_stelle[reg]);
    m_seiten[reg].zurueck->setEnabled(k.Zurueck);
    m_seiten[reg].weiter->setEnabled(k.Weiter);
    m_seiten[reg].loeschen->setEnabled(k.Loeschen);
}

void frmCityMain::StadtVerfuegbar()
{
    CityTab->setEnabled(true);
    cmdSave->setEnabled(true);
    cmdHTML->setEnabled(true);
}

bool frmCityMain::RegisterSpeichern(int reg)
{
    const bool gespeichert = Speichern(ListeVon(*m_stadt, reg), m_stelle[reg], FelderLesen(reg));
    if (!gespeichert)
        Dialoge::Warnung(QStringLiteral("Diese Liste ist voll, es können keine weiteren Einträge gespeichert werden."));
    KnoepfeSetzen(reg);
    return gespeichert;
}

void frmCityMain::RegisterLoeschen(int reg)
{
    if (!Dialoge::FrageZerstoerend(QStringLiteral("Soll der Eintrag wirklich gelöscht werden ?")))
        return;
    Loeschen(ListeVon(*m_stadt, reg), m_stelle[reg]);
    SlotZeigen(reg);
    KnoepfeSetzen(reg);
}

void frmCityMain::RegisterWeiter(int reg)
{
    if (!EintragSichern(reg))
        return;
    Weiter(ListeVon(*m_stadt, reg), m_stelle[reg]);
    SlotZeigen(reg);
    KnoepfeSetzen(reg);
}

void frmCityMain::RegisterZurueck(int reg)
{
    if (!EintragSichern(reg))
        return;
    Zurueck(m_stelle[reg]);
    SlotZeigen(reg);
    KnoepfeSetzen(reg);
}

void frmCityMain::RegisterBesitzer(int reg)
{
    if (cmbRasse->currentIndex() < 0)
        return;
    QString geschlecht;
    m_seiten[reg].besitzer->setText(GenNameSub::Zufallsname(cmbRasse->currentText(), geschlecht));
}

void frmCityMain::RegisterZufall(int reg)
{
    m_seiten[reg].zufall->setText(Zufallsereignis(true));
}

void frmCityMain::cmdBuergermeister_Click()
{
    if (cmbRasse->currentIndex() < 0)
        return;
    QString geschlecht;
    txtBuergermeister->setText(GenNameSub::Zufallsname(cmbRasse->currentText(), geschlecht));
}

void frmCityMain::txtName_Change()
{
    cmdExplorer->setEnabled(!txtName->text().trimmed().isEmpty());
}

void frmCityMain::cmdNeu_Click()
{
    if (!AenderungenSichern())
        return;
    frmCityStart start(this);
    if (Fenster::ModalAusfuehren(start) != QDialog::Accepted)
        return;
    // Taking the old city's businesses and facts over is the user's choice; by default a new city is empty.
    // Escape cancels the new city and leaves the old one as it was.
    const Dialoge::Antwort antwort = HatAngaben(Stadt())
        ? Dialoge::Aktuell().Meldung(QStringLiteral("Die Betriebe und Angaben der bisherigen Stadt übernehmen?"),
                                     Dialoge::Knoepfe::JaNeinAbbrechen, Dialoge::Symbol::Frage, Variablen::Programmtitel)
        : Dialoge::Antwort::Nein;
    if (antwort == Dialoge::Antwort::Abbrechen)
        return;
    const bool uebernehmen = antwort == Dialoge::Antwort::Ja;
    if (uebernehmen) {
        m_stadt->StadtAufKarte = false;
    } else {
        *m_stadt = CityEngine::Stadt();
        StadtInsFenster();
        RegisterZeigen();
    }
    txtName->setText(start.Name());
    txtEinwohnerzahl->setText(start.Einwohnerzahl());
    cmbRasse->setCurrentIndex(start.Rasse());
    StadtVerfuegbar();
    CityTab->setCurrentIndex(0);
    StandMerken();
    // A new city belongs to no file yet.
    DateiMerken(QString());
}

void frmCityMain::cmdLoad_Click()
{
    if (!AenderungenSichern())
        return;
    const QString pfad = Dialoge::Aktuell().DateiOeffnen(Variablen::WbdPfad, QStringLiteral("WBD-Dateien (*.wbd)|*.wbd"));
    if (pfad.isEmpty())
        return;
    if (!StadtLaden(pfad, *m_stadt))
        return;
    StadtInsFenster();
    RegisterZeigen();
    StadtVerfuegbar();
    StandMerken();
    DateiMerken(pfad);
}

void frmCityMain::cmdGenerator_Click()
{
    frmCityGenerator generator(this);
    Fenster::ModalAusfuehren(generator);
}

void frmCityMain::cmdSave_Click()
{
    StadtSichern();
}

bool frmCityMain::StadtSichern()
{
    QString pfad =
        Dialoge::Aktuell().DateiSpeichern(Variablen::WbdPfad, QStringLiteral("WBD-Dateien (*.wbd)|*.wbd"));
    if (pfad.isEmpty())
        return false;
    StadtAusFenster();
    // The file shown, saved by another window since: asked for the whole file, never overwritten unasked.
    bool geaendert = false;
    if (QFileInfo(pfad) == QFileInfo(m_datei)) {
        Dateien::Sperre sperre(pfad);
        geaendert = !Dateien::Unveraendert(pfad, m_abdruck);
    }
    if (geaendert) {
        const QFileInfo info(pfad);
        QSet<QString> vergeben;
        for (const QString& name : info.dir().entryList({QStringLiteral("*.wbd")}, QDir::Files))
            vergeben.insert(QFileInfo(name).completeBaseName());
        const QString neu = info.dir().filePath(Abgleich::FreierName(info.completeBaseName(), vergeben) + QStringLiteral(".wbd"));
        switch (Dialoge::Konflikt(QStringLiteral("„%1“ wurde inzwischen auch in einem anderen Fenster geändert.").arg(info.fileName()),
                                  QStringLiteral("„Beide behalten“ speichert die Stadt dieses Fensters als „%1“.")
                                      .arg(QFileInfo(neu).fileName()))) {
        case Dialoge::Antwort::Meine:
            break;
        case Dialoge::Antwort::Beide:
            pfad = neu;
            break;
        case Dialoge::Antwort::Andere: {
            CityEngine::Stadt andere;
            if (StadtdateiLesen(pfad, andere) != Leseergebnis::Gelesen)
                return false;
            *m_stadt = std::move(andere);
            StadtInsFenster();
            RegisterZeigen();
            StandMerken();
            DateiMerken(pfad);
            return true;
        }
        default:
            return false;
        }
    }
    if (!StadtSpeichern(pfad, *m_stadt))
        return false;
    StandMerken();
    DateiMerken(pfad);
    return true;
}

void frmCityMain::DateiMerken(const QString& pfad)
{
    if (!m_waechter) {
        m_waechter = new Dateiwaechter(this);
        connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmCityMain::DateiGeaendert);
    }
    if (!m_datei.isEmpty())
        m_waechter->Entfernen(m_datei);
    m_datei = pfad;
    m_abdruck = Dateien::Abdruck(pfad);
    if (!pfad.isEmpty())
        m_waechter->Beobachten(pfad, [this] { return m_abdruck; });
}

void frmCityMain::DateiGeaendert(const QString& pfad)
{
    if (pfad != m_datei)
        return;
    const QString name = QFileInfo(pfad).fileName();
    // A city changed here stays as it is; saving over the file asks.
    if (StadtGeaendert()) {
        statusBar()->showMessage(QStringLiteral("„%1“ wurde in einem anderen Fenster geändert; beim Speichern wird gefragt, "
                                                "welche Fassung bleibt.")
                                     .arg(name));
        return;
    }
    CityEngine::Stadt neu;
    if (StadtdateiLesen(pfad, neu) != Leseergebnis::Gelesen) {
        m_abdruck = Dateien::Stand(pfad);
        return;
    }
    const int seite = CityTab->currentIndex();
    *m_stadt = std::move(neu);
    StadtInsFenster();
    RegisterZeigen();
    StandMerken();
    m_abdruck = Dateien::Abdruck(pfad);
    CityTab->setCurrentIndex(seite);
    statusBar()->showMessage(QStringLiteral("„%1“ wurde in einem anderen Fenster geändert und neu geladen.").arg(name), 15000);
}

void frmCityMain::cmdHTML_Click()
{
    const QString pfad =
        Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    if (pfad.isEmpty())
        return;
    StadtAusFenster();
    QString fehler;
    if (!BerichtSpeichern(*m_stadt, pfad, &fehler))
        Dialoge::Warnung(QStringLiteral("Die Datei konnte nicht geschrieben werden:\n%1").arg(fehler));
}

void frmCityMain::cmdHelp_Click()
{
    Subs::HilfeOeffnen(Pfad::Verbinden(Variablen::HilfePfad, QStringLiteral("\\City.htm")));
}

void frmCityMain::cmdExplorer_Click()
{
    StadtAusFenster();
    // Refused before the map opens: the user would otherwise click through it for nothing.
    const QString nameFehler = ExplorerEngine::NameFehler(m_stadt->Name);
    if (!nameFehler.isEmpty()) {
        Dialoge::Warnung(nameFehler);
        return;
    }
    const bool vorhanden = KarteGelistet(*m_stadt);
    if (vorhanden && !Dialoge::FrageZerstoerend(Meldungen::Ueberschreiben))
        return;
    frmCityExplorer karte(*m_stadt, vorhanden, this);
    if (!karte.KarteGeladen()) {
        Dialoge::Warnung(Meldungen::KartenbildFehlt);
        return;
    }
    Fenster::ModalAusfuehren(karte);
}

void frmCityMain::cmdGasthausSave_Click() { RegisterSpeichern(0); }
void frmCityMain::cmdGasthausDelete_Click() { RegisterLoeschen(0); }
void frmCityMain::cmdGasthausWeiter_Click() { RegisterWeiter(0); }
void frmCityMain::cmdGasthausZurueck_Click() { RegisterZurueck(0); }
void frmCityMain::cmdGasthausBesitzer_Click() { RegisterBesitzer(0); }
void frmCityMain::cmdGasthausZufall_Click() { RegisterZufall(0); }
void frmCityMain::cmdTaverneSave_Click() { RegisterSpeichern(1); }
void frmCityMain::cmdTaverneDelete_Click() { RegisterLoeschen(1); }
void frmCityMain::cmdTaverneWeiter_Click() { RegisterWeiter(1); }
void frmCityMain::cmdTaverneZurueck_Click() { RegisterZurueck(1); }
void frmCityMain::cmdTaverneBesitzer_Click() { RegisterBesitzer(1); }
void frmCityMain::cmdTaverneZufall_Click() { RegisterZufall(1); }
void frmCityMain::cmdHandwerkerSave_Click() { RegisterSpeichern(2); }
void frmCityMain::cmdHandwerkerDelete_Click() { RegisterLoeschen(2); }
void frmCityMain::cmdHandwerkerWeiter_Click() { RegisterWeiter(2); }
void frmCityMain::cmdHandwerkerZurueck_Click() { RegisterZurueck(2); }
void frmCityMain::cmdHandwerkerBesitzer_Click() { RegisterBesitzer(2); }
void frmCityMain::cmdHandwerkerZufall_Click() { RegisterZufall(2); }
void frmCityMain::cmdHaendlerSave_Click() { RegisterSpeichern(3); }
void frmCityMain::cmdHaendlerDelete_Click() { RegisterLoeschen(3); }
void frmCityMain::cmdHaendlerWeiter_Click() { RegisterWeiter(3); }
void frmCityMain::cmdHaendlerZurueck_Click() { RegisterZurueck(3); }
void frmCityMain::cmdHaendlerBesitzer_Click() { RegisterBesitzer(3); }
void frmCityMain::cmdHaendlerZufall_Click() { RegisterZufall(3); }
void frmCityMain::cmdDienstSave_Click() { RegisterSpeichern(4); }
void frmCityMain::cmdDienstDelete_Click() { RegisterLoeschen(4); }
void frmCityMain::cmdDienstWeiter_Click() { RegisterWeiter(4); }
void frmCityMain::cmdDienstZurueck_Click() { RegisterZurueck(4); }
void frmCityMain::cmdDienstBesitzer_Click() { RegisterBesitzer(4); }
void frmCityMain::cmdDienstZufall_Click() { RegisterZufall(4); }
void frmCityMain::cmdHeilerSave_Click() { RegisterSpeichern(5); }
void frmCityMain::cmdHeilerDelete_Click() { RegisterLoeschen(5); }
void frmCityMain::cmdHeilerWeiter_Click() { RegisterWeiter(5); }
void frmCityMain::cmdHeilerZurueck_Click() { RegisterZurueck(5); }
void frmCityMain::cmdHeilerBesitzer_Click() { RegisterBesitzer(5); }
void frmCityMain::cmdHeilerZufall_Click() { RegisterZufall(5); }
void frmCityMain::cmdGBetriebSave_Click() { RegisterSpeichern(6); }
void frmCityMain::cmdGBetriebDelete_Click() { RegisterLoeschen(6); }
void frmCityMain::cmdGBetriebWeiter_Click() { RegisterWeiter(6); }
void frmCityMain::cmdGBetriebZurueck_Click() { RegisterZurueck(6); }
void frmCityMain::cmdGBetriebBesitzer_Click() { RegisterBesitzer(6); }
void frmCityMain::cmdGBetriebZufall_Click() { RegisterZufall(6); }
void frmCityMain::cmdTempelSave_Click() { RegisterSpeichern(TempelRegister); }
void frmCityMain::cmdTempelDelete_Click() { RegisterLoeschen(TempelRegister); }
void frmCityMain::cmdTempelWeiter_Click() { RegisterWeiter(TempelRegister); }
void frmCityMain::cmdTempelZurueck_Click() { RegisterZurueck(TempelRegister); }
void frmCityMain::cmdTempelGeweihter_Click() { RegisterBesitzer(TempelRegister); }
