#include "frmCreaturesMain.h"

#include "Abgleich.h"
#include "Aufstellung.h"
#include "Browser.h"
#include "ChancenDiagramm.h"
#include "Creatures3Variablen.h"
#include "CreaturesAustausch.h"
#include "CreaturesHTML.h"
#include "Dateien.h"
#include "Dateiwaechter.h"
#include "Datensatzeditor.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Gewinnchancen.h"
#include "Namensfeld.h"
#include "Shell.h"
#include "Subs.h"
#include "Variablen.h"
#include "ZifferntastenFilter.h"
#include "Zufall.h"
#include "frmGegnervorschlag.h"
#include "frmKaempferWerte.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Kreaturentabellen;
using BattleEngine::Gruppe;
namespace V = Creatures3Variablen;

namespace {

const QString kWbdFilter = QStringLiteral("WBD-Dateien (*.wbd)|*.wbd");
const QString kHtmlFilter = QStringLiteral("HTML-Dateien (*.html)|*.html");
const QString kAufstellungFilter = QStringLiteral("Aufstellungen (*.txt)|*.txt");

// While a fight runs the window is repainted at most this often, so a long fight stays visible without
// slowing it down.
constexpr qint64 kEreignisAbstandMs = 30;

// The picture behind the list and the battle panel, scaled to cover the area. Each picture is read once,
// on a worker thread, when it is first set; the paint takes it.
class Bildflaeche : public QWidget {
public:
    using QWidget::QWidget;

    void BildSetzen(const QString& datei)
    {
        Fenster::Bildanfrage& anfrage = m_anfragen[datei];
        if (!anfrage.Gestartet())
            anfrage = Fenster::Bildanfrage::Starten(QStringLiteral("\\") + datei);
        m_anfrage = anfrage;
        m_bild = QImage();
        m_gelesen = false;
        setProperty("bild", datei);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_gelesen) {
            m_bild = m_anfrage.Ergebnis();
            m_gelesen = true;
        }
        if (m_bild.isNull() || size().isEmpty())
            return;
        // Centred and scaled straight into the area being painted, without a window-sized copy.
        const QSize gross = m_bild.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
        QPainter maler(this);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawImage(QRect(QPoint((width() - gross.width()) / 2, (height() - gross.height()) / 2), gross), m_bild);
    }

private:
    QHash<QString, Fenster::Bildanfrage> m_anfragen;
    Fenster::Bildanfrage m_anfrage;
    bool m_gelesen = true;
    QImage m_bild;
};

void KomboZuruecksetzen(QComboBox* kombo, const QStringList& eintraege)
{
    kombo->clear();
    kombo->addItems(eintraege);
    kombo->setCurrentIndex(-1);
}

// A value the list does not know (from an imported file) is added, so saving keeps it.
void KomboSetzen(QComboBox* kombo, const QString& wert)
{
    if (wert.isEmpty()) {
        kombo->setCurrentIndex(-1);
        return;
    }
    int i = kombo->findText(wert, Qt::MatchExactly);
    if (i < 0) {
        kombo->addItem(wert);
        i = kombo->count() - 1;
    }
    kombo->setCurrentIndex(i);
}

// A long category or frequency from the data never widens the window.
QComboBox* Kombo(const QString& name, bool editierbar)
{
    auto* kombo = new QComboBox;
    kombo->setObjectName(name);
    kombo->setEditable(editierbar);
    if (editierbar)
        kombo->setInsertPolicy(QComboBox::NoInsert);
    kombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    kombo->setMinimumContentsLength(18);
    return kombo;
}

QLabel* Beschriftung(const QString& text)
{
    return new QLabel(text);
}

// A tab page whose rows stay at the top however tall the window is.
QVBoxLayout* Seite(QWidget*& seite)
{
    seite = new QWidget;
    return new QVBoxLayout(seite);
}

} // namespace

frmCreaturesMain::frmCreaturesMain(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("frmCreaturesMain"));
    Variablen::Programmtitel = V::Programmtitel;
    setWindowTitle(Fenster::Titel(QStringLiteral(" - Der Werkbund3 Kreatureneditor")));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("Bestiar3.ico"));
    Fenster::HintergrundSetzen(this, QStringLiteral("\\Buttonleiste.jpg"));
    resize(1060, 760);

    auto* haupt = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    leiste->setSpacing(2);
    cmdNeu = Knopf(QStringLiteral("cmdNeu"), QStringLiteral("\\new.bmp"), QStringLiteral("Neue Kreatur erstellen"));
    cmdSave = Knopf(QStringLiteral("cmdSave"), QStringLiteral("\\save.bmp"), QStringLiteral("Speichern"));
    cmdBearbeiten = Knopf(QStringLiteral("cmdBearbeiten"), QStringLiteral("\\open.bmp"),
                          QStringLiteral("Gewählte Kreatur bearbeiten"));
    cmdDelete = Knopf(QStringLiteral("cmdDelete"), QStringLiteral("\\delete.bmp"), QStringLiteral("Gewählten Eintrag löschen"));
    cmdView = Knopf(QStringLiteral("cmdView"), QStringLiteral("\\find.bmp"), QStringLiteral("Viewer"));
    cmdHTML = Knopf(QStringLiteral("cmdHTML"), QStringLiteral("\\preview.bmp"), QStringLiteral("Details ansehen"));
    cmdPrint = Knopf(QStringLiteral("cmdPrint"), QStringLiteral("\\print.bmp"), QStringLiteral("Gewählte Kreatur ausdrucken"));
    cmdExport = Knopf(QStringLiteral("cmdExport"), QStringLiteral("\\html.bmp"), QStringLiteral("HTML-Export"));
    cmdWBDExport = Knopf(QStringLiteral("cmdWBDExport"), QStringLiteral("\\export.bmp"),
                         QStringLiteral("Eintrag als WBD-File exportieren"));
    cmdWBDImport = Knopf(QStringLiteral("cmdWBDImport"), QStringLiteral("\\import.bmp"), QStringLiteral("WBD-File importieren"));
    cmdHelp = Knopf(QStringLiteral("cmdHelp"), QStringLiteral("\\helpklein.bmp"), QStringLiteral("Hilfe"));
    for (QToolButton* knopf : m_knoepfe)
        if (knopf != cmdHelp)
            leiste->addWidget(knopf);
    leiste->addSpacing(16);
    cmdBattleHeldengruppe = new QPushButton(QStringLiteral("Heldengruppe"), this);
    cmdBattleHeldengruppe->setObjectName(QStringLiteral("cmdBattleHeldengruppe"));
    cmdBattleHeldengruppe->setToolTip(QStringLiteral("Varl-Battle 3 - Kreatur zur Heldengruppe hinzufügen"));
    cmdBattleGegnergruppe = new QPushButton(QStringLiteral("Gegnergruppe"), this);
    cmdBattleGegnergruppe->setObjectName(QStringLiteral("cmdBattleGegnergruppe"));
    cmdBattleGegnergruppe->setToolTip(QStringLiteral("Varl-Battle 3 - Kreatur zur Gegnergruppe hinzufügen"));
    leiste->addWidget(cmdBattleHeldengruppe);
    leiste->addWidget(cmdBattleGegnergruppe);
    // Beside the group buttons, so a kept line-up can be fought without adding a creature first.
    cmdAufstellungLaden = new QPushButton(QStringLiteral("Aufstellung laden…"), this);
    cmdAufstellungLaden->setObjectName(QStringLiteral("cmdAufstellungLaden"));
    cmdAufstellungLaden->setToolTip(QStringLiteral("Varl-Battle 3 - gespeicherte Heldengruppe und Gegnergruppe laden"));
    leiste->addWidget(cmdAufstellungLaden);
    leiste->addStretch(1);
    leiste->addWidget(cmdHelp);
    haupt->addLayout(leiste);

    // imgGFX shows a picture behind the list and the battle panel; the battle picture is read when the
    // panel first opens.
    imgGFX = new Bildflaeche(this);
    imgGFX->setObjectName(QStringLiteral("imgGFX"));
    static_cast<Bildflaeche*>(imgGFX)->BildSetzen(QStringLiteral("Bestiar3.jpg"));
    haupt->addWidget(imgGFX, 1);
    auto* flaeche = new QVBoxLayout(imgGFX);
    flaeche->setContentsMargins(10, 10, 10, 10);

    lvKreaturen = new Datensatzliste(imgGFX);
    lvKreaturen->setObjectName(QStringLiteral("lvKreaturen"));
    lvKreaturen->SpaltenSetzen(Spaltenueberschriften());
    // The list reads the table itself: each shown line is made from its record when it is painted.
    lvKreaturen->Quelle([] { return V::Kreaturen.Anzahl(); },
                        [](int zeile, int spalte) { return Listenspalte(V::Kreaturen.Zeilen.at(zeile), spalte); },
                        [](int zeile, QString& ziel) { ListenzeileAnhaengen(V::Kreaturen.Zeilen.at(zeile), ziel, false); });
    lvKreaturen->setColumnWidth(0, 190);
    lvKreaturen->setColumnWidth(1, 150);
    for (int spalte = 2; spalte <= 6; ++spalte)
        lvKreaturen->setColumnWidth(spalte, 44);
    lvKreaturen->setColumnWidth(7, 170);
    for (int spalte = 8; spalte <= 11; ++spalte)
        lvKreaturen->setColumnWidth(spalte, 44);
    flaeche->addWidget(lvKreaturen, 1);

    KrTab = new QTabWidget(imgGFX);
    KrTab->setObjectName(QStringLiteral("KrTab"));
    // The edit pages are hidden until a creature is edited.
    Fenster::Spaeter(this, [this] { TabsBauen(); });
    flaeche->addWidget(KrTab, 1);

    m_browser = new Browser(imgGFX);
    flaeche->addWidget(m_browser, 1);
    m_browser->hide();

    m_kampfpanel = KampfpanelBauen();
    flaeche->addWidget(m_kampfpanel);

    using Z = Datensatzeditor::Zustand;
    m_editor = std::make_unique<Datensatzeditor>(V::Bearbeitungsmodus, m_bearbeitungszeile, [this] { return FelderAusEingaben(); });
    m_editor->Steuern(cmdNeu, {Z::Liste, Z::Neu, Z::Bearbeiten});
    m_editor->Steuern(cmdWBDImport, {Z::Liste});
    for (QWidget* knopf : std::initializer_list<QWidget*>{cmdBearbeiten, cmdWBDExport, cmdExport, cmdDelete, cmdHTML,
                                                          cmdBattleHeldengruppe, cmdBattleGegnergruppe})
        m_editor->Steuern(knopf, {Z::Liste}, true);
    m_editor->Steuern(cmdPrint, {Z::Liste, Z::Seite}, true);
    m_editor->Steuern(cmdSave, {Z::Neu, Z::Bearbeiten});
    m_editor->Steuern(cmdView, {Z::Neu, Z::Bearbeiten, Z::Seite});

    connect(cmdNeu, &QToolButton::clicked, this, &frmCreaturesMain::cmdNeu_Click);
    connect(cmdSave, &QToolButton::clicked, this, &frmCreaturesMain::cmdSave_Click);
    connect(cmdBearbeiten, &QToolButton::clicked, this, &frmCreaturesMain::cmdBearbeiten_Click);
    connect(cmdDelete, &QToolButton::clicked, this, &frmCreaturesMain::cmdDelete_Click);
    connect(cmdView, &QToolButton::clicked, this, &frmCreaturesMain::cmdView_Click);
    connect(cmdHTML, &QToolButton::clicked, this, &frmCreaturesMain::cmdHTML_Click);
    connect(cmdPrint, &QToolButton::clicked, this, &frmCreaturesMain::cmdPrint_Click);
    connect(cmdExport, &QToolButton::clicked, this, &frmCreaturesMain::cmdExport_Click);
    connect(cmdWBDExport, &QToolButton::clicked, this, &frmCreaturesMain::cmdWBDExport_Click);
    connect(cmdWBDImport, &QToolButton::clicked, this, &frmCreaturesMain::cmdWBDImport_Click);
    connect(cmdHelp, &QToolButton::clicked, this, &frmCreaturesMain::cmdHelp_Click);
    connect(cmdBattleHeldengruppe, &QPushButton::clicked, this, &frmCreaturesMain::cmdBattleHeldengruppe_Click);
    connect(cmdBattleGegnergruppe, &QPushButton::clicked, this, &frmCreaturesMain::cmdBattleGegnergruppe_Click);
    connect(cmdBattleStart, &QPushButton::clicked, this, &frmCreaturesMain::cmdBattleStart_Click);
    connect(cmdBattleEnde, &QPushButton::clicked, this, &frmCreaturesMain::cmdBattleEnde_Click);
    connect(cmdChancen, &QPushButton::clicked, this, &frmCreaturesMain::cmdChancen_Click);
    connect(cmdChancenAbbrechen, &QPushButton::clicked, this, &frmCreaturesMain::cmdChancenAbbrechen_Click);
    connect(cmdChancenSeite, &QPushButton::clicked, this, &frmCreaturesMain::cmdChancenSeite_Click);
    connect(cmdVorschlagen, &QPushButton::clicked, this, &frmCreaturesMain::cmdVorschlagen_Click);
    connect(cmdAufstellungSpeichern, &QPushButton::clicked, this, &frmCreaturesMain::cmdAufstellungSpeichern_Click);
    connect(cmdAufstellungLaden, &QPushButton::clicked, this, &frmCreaturesMain::cmdAufstellungLaden_Click);
    connect(cmdLetzteAufstellung, &QPushButton::clicked, this, &frmCreaturesMain::cmdLetzteAufstellung_Click);
    connect(lstHeldengruppe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* eintrag) { MitgliedBearbeiten(Gruppe::Helden, lstHeldengruppe->row(eintrag)); });
    connect(lstGegnergruppe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* eintrag) { MitgliedBearbeiten(Gruppe::Gegner, lstGegnergruppe->row(eintrag)); });
    // Loading a line-up opens the battle panel, which has no place beside the edit pages or the detail view.
    KrTab->installEventFilter(this);
    m_browser->installEventFilter(this);
    connect(m_browser, &Browser::DokumentGeladen, this, &frmCreaturesMain::Browser_DokumentGeladen);
    connect(lvKreaturen, &Datensatzliste::AuswahlGeaendert, this, [this] { AuswahlFolgen(); });
    connect(lvKreaturen, &Datensatzliste::ZeileDoppelgeklickt, this, [this] {
        if (V::Kreaturen.Anzahl() > 0)
            EintragBearbeiten();
    });
    connect(lvKreaturen, &Datensatzliste::LoeschenGedrueckt, this, [this] {
        if (V::Kreaturen.Anzahl() > 0)
            EintragLoeschen();
    });
    // From the unsorted start the first click sorts descending.
    lvKreaturen->ErsteRichtung(Qt::DescendingOrder);

    // Start: the database and the category list are read whole; a missing or damaged file is told once.
    V::Bearbeitungsmodus = false;
    V::AktuelleKreatur = -1;
    BattleEngine::Leeren(V::Kampf);
    V::LetzteAufstellung.reset();
    for (const QString& meldung : V::DatenLaden())
        Dialoge::Warnung(meldung);
    KreaturenlisteFuellen();
    KampfpanelZeigen(false);
    ListeAnzeigen();
    KampfknoepfeAktualisieren();
    // Another Bestiar3 or program may save the database while this window is open.
    m_waechter = new Dateiwaechter(this);
    connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmCreaturesMain::DateiGeaendert);
    m_waechter->Beobachten(Kreaturentabellen::Datenbankpfad(), [] { return V::Kreaturen.Abdruck; });

    // Tab follows the toolbar from left to right: the group buttons stand before the help button.
    setTabOrder(cmdWBDImport, cmdBattleHeldengruppe);
    setTabOrder(cmdBattleHeldengruppe, cmdBattleGegnergruppe);
    setTabOrder(cmdBattleGegnergruppe, cmdAufstellungLaden);
    setTabOrder(cmdAufstellungLaden, cmdHelp);

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdNeu});
    Fenster::Taste(this, QKeySequence::Open, {cmdWBDImport});
    Fenster::Taste(this, QKeySequence::Save, {cmdSave});
    Fenster::Taste(this, QKeySequence::Print, {cmdPrint});
    Fenster::Taste(this, QKeySequence::Delete, {cmdDelete});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHelp});
    Fenster::BeendenTaste(this);
}

// A run still working is cancelled, and its threads are waited for, before the window goes.
frmCreaturesMain::~frmCreaturesMain() = default;

QToolButton* frmCreaturesMain::Knopf(const QString& name, const QString& bild, const QString& tipp)
{
    QToolButton* knopf = Fenster::Werkzeugknopf(name, bild, tipp, 24, this);
    m_knoepfe.append(knopf);
    return knopf;
}

QWidget* frmCreaturesMain::Textbox(int index, bool mehrzeilig)
{
    QWidget* box = nullptr;
    if (mehrzeilig) {
        auto* text = new QPlainTextEdit;
        text->setTabChangesFocus(true);
        connect(text, &QPlainTextEdit::textChanged, this, &frmCreaturesMain::Text_Change);
        box = text;
    } else {
        auto* zeile = new QLineEdit;
        connect(zeile, &QLineEdit::textChanged, this, &frmCreaturesMain::Text_Change);
        if (Zahlenboxen().contains(index))
            ZifferntastenFilter::Anbringen(zeile);
        if (index == 0)
            Namensfeld::Anbringen(zeile);
        // Values are short; names, descriptions and the like take the whole width.
        static const QList<int> kurz = {4, 5, 6, 7, 26, 30};
        if (Zahlenboxen().contains(index) || kurz.contains(index))
            zeile->setMaximumWidth(zeile->fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 16);
        box = zeile;
    }
    box->setObjectName(Fenster::ArrayName(QStringLiteral("Text"), index));
    m_text[index] = box;
    return box;
}

QWidget* frmCreaturesMain::TabsBauen()
{
    m_text = QList<QWidget*>(Textboxen, nullptr);
    const QStringList& beschriftung = Schalterbeschriftungen();
    for (int i = 0; i < Schalter; ++i) {
        auto* schalter = new QCheckBox(beschriftung[i]);
        schalter->setObjectName(Fenster::ArrayName(QStringLiteral("Check"), i));
        m_check.append(schalter);
    }
    m_combo[0] = Kombo(Fenster::ArrayName(QStringLiteral("Combo"), 0), true);
    m_combo[1] = Kombo(Fenster::ArrayName(QStringLiteral("Combo"), 1), false);
    Namensfeld::Anbringen(m_combo[0]);
    KomboZuruecksetzen(m_combo[1], Haeufigkeiten());
    connect(m_combo[0], &QComboBox::currentTextChanged, this, &frmCreaturesMain::Text_Change);

    // Grundeigenschaften
    QWidget* grund = nullptr;
    QVBoxLayout* grundSpalte = Seite(grund);
    auto* grundForm = new QFormLayout;
    grundForm->addRow(Beschriftung(QStringLiteral("Name")), Textbox(0));
    grundForm->addRow(Beschriftung(QStringLiteral("Kategorie")), m_combo[0]);
    grundSpalte->addLayout(grundForm);
    grundSpalte->addWidget(Beschriftung(QStringLiteral("Beschreibung")));
    grundSpalte->addWidget(Textbox(1, true), 1);

    // Lebensraum
    QWidget* lebensraum = nullptr;
    QVBoxLayout* lebensraumSpalte = Seite(lebensraum);
    lebensraumSpalte->addWidget(Beschriftung(QStringLiteral("Regionen, in denen die Kreatur vorkommt")));
    lebensraumSpalte->addWidget(Textbox(2));
    for (int i = 0; i < 3; ++i)
        lebensraumSpalte->addWidget(m_check[i]);
    auto* haeufigkeit = new QFormLayout;
    haeufigkeit->addRow(Beschriftung(QStringLiteral("Häufigkeit")), m_combo[1]);
    lebensraumSpalte->addLayout(haeufigkeit);
    lebensraumSpalte->addStretch(1);

    // Rasse
    QWidget* rasse = nullptr;
    QVBoxLayout* rasseSpalte = Seite(rasse);
    auto* rasseRaster = new QGridLayout;
    for (int i = 3; i <= 12; ++i)
        rasseRaster->addWidget(m_check[i], (i - 3) % 5, (i - 3) / 5);
    rasseSpalte->addLayout(rasseRaster);
    rasseSpalte->addStretch(1);

    // Kampfwerte: one row per weapon, then the creature's own values.
    QWidget* kampf = nullptr;
    QVBoxLayout* kampfSpalte = Seite(kampf);
    auto* waffen = new QGridLayout;
    for (int w = 0; w < 4; ++w) {
        const int erste = 9 + 4 * w;
        m_schaden[w] = Kombo(Fenster::ArrayName(QStringLiteral("cmbSchaden"), w), false);
        m_schaden[w]->setMinimumContentsLength(4);
        KomboZuruecksetzen(m_schaden[w], Wuerfelarten());
        int spalte = 0;
        waffen->addWidget(Beschriftung(QStringLiteral("Waffe:")), w, spalte++);
        waffen->addWidget(Textbox(erste), w, spalte++);
        waffen->addWidget(Beschriftung(QStringLiteral("Schaden:")), w, spalte++);
        waffen->addWidget(Textbox(erste + 1), w, spalte++);
        waffen->addWidget(m_schaden[w], w, spalte++);
        waffen->addWidget(Beschriftung(QStringLiteral("+")), w, spalte++);
        waffen->addWidget(Textbox(erste + 2), w, spalte++);
        waffen->addWidget(Beschriftung(QStringLiteral("Attackewert:")), w, spalte++);
        waffen->addWidget(Textbox(erste + 3), w, spalte++);
    }
    waffen->setColumnStretch(1, 1);
    auto* waffenRahmen = new QGroupBox(QStringLiteral("Waffen (nur die erste kämpft in Varl-Battle 3)"));
    waffenRahmen->setLayout(waffen);
    kampfSpalte->addWidget(waffenRahmen);
    auto* werte = new QGridLayout;
    const struct {
        const char* text;
        int box;
    } werteboxen[] = {{"Rüstungsschutz:", 25}, {"Magieresistenz:", 26}, {"Paradewert:", 27},
                      {"Mut:", 28},            {"Lebensenergie:", 29}, {"Monsterklasse:", 30}};
    for (int i = 0; i < 6; ++i) {
        werte->addWidget(Beschriftung(QString::fromUtf8(werteboxen[i].text)), i % 3, (i / 3) * 2);
        werte->addWidget(Textbox(werteboxen[i].box), i % 3, (i / 3) * 2 + 1);
    }
    werte->setColumnStretch(4, 1);
    kampfSpalte->addLayout(werte);
    kampfSpalte->addStretch(1);

    // Körperliche Eigenschaften
    QWidget* koerper = nullptr;
    QVBoxLayout* koerperSpalte = Seite(koerper);
    auto* koerperForm = new QFormLayout;
    koerperForm->addRow(Beschriftung(QStringLiteral("Körpergröße")), Textbox(3));
    koerperForm->addRow(Beschriftung(QStringLiteral("Geschwindigkeit")), Textbox(4));
    koerperForm->addRow(Beschriftung(QStringLiteral("Körperkraft")), Textbox(5));
    koerperForm->addRow(Beschriftung(QStringLiteral("Ausdauer")), Textbox(6));
    koerperSpalte->addLayout(koerperForm);
    koerperSpalte->addStretch(1);

    // Klugheit
    QWidget* klugheit = nullptr;
    QVBoxLayout* klugheitSpalte = Seite(klugheit);
    const QStringList& stufen = Klugheitsstufen();
    for (int i = 0; i < 5; ++i) {
        m_ob[i] = new QRadioButton(stufen[i]);
        m_ob[i]->setObjectName(Fenster::ArrayName(QStringLiteral("OB"), i + 1));
        klugheitSpalte->addWidget(m_ob[i]);
        connect(m_ob[i], &QRadioButton::clicked, this, [this, i] { OB_Click(i + 1); });
    }
    auto* klForm = new QFormLayout;
    klForm->addRow(Beschriftung(QStringLiteral("KL")), Textbox(7));
    klugheitSpalte->addLayout(klForm);
    klugheitSpalte->addStretch(1);

    // Fähigkeiten
    QWidget* faehigkeiten = nullptr;
    QVBoxLayout* faehigkeitenSpalte = Seite(faehigkeiten);
    for (int i = 13; i <= 17; ++i)
        faehigkeitenSpalte->addWidget(m_check[i]);
    faehigkeitenSpalte->addWidget(Textbox(8, true), 1);

    // Ausrüstung
    QWidget* ausruestung = nullptr;
    QVBoxLayout* ausruestungSpalte = Seite(ausruestung);
    ausruestungSpalte->addWidget(Beschriftung(QStringLiteral("Ausrüstung (Waffen, Geld etc.):")));
    ausruestungSpalte->addWidget(Textbox(31, true), 1);
    ausruestungSpalte->addWidget(Beschriftung(QStringLiteral("Verwertbare Dinge (Fell, Knochen etc.):")));
    ausruestungSpalte->addWidget(Textbox(32, true), 1);

    KrTab->addTab(grund, QStringLiteral("Grundeigenschaften"));
    KrTab->addTab(lebensraum, QStringLiteral("Lebensraum"));
    KrTab->addTab(rasse, QStringLiteral("Rasse"));
    KrTab->addTab(kampf, QStringLiteral("Kampfwerte"));
    KrTab->addTab(koerper, QStringLiteral("Körperliche Eigenschaften"));
    KrTab->addTab(klugheit, QStringLiteral("Klugheit"));
    KrTab->addTab(faehigkeiten, QStringLiteral("Fähigkeiten"));
    KrTab->addTab(ausruestung, QStringLiteral("Ausrüstung"));
    return KrTab;
}

QWidget* frmCreaturesMain::KampfpanelBauen()
{
    auto* panel = new QWidget(imgGFX);
    panel->setObjectName(QStringLiteral("Kampfpanel"));
    // The panel keeps its own height; the list above takes the rest of the window.
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* reihe = new QHBoxLayout(panel);
    reihe->setContentsMargins(0, 0, 0, 0);
    const auto gruppe = [&](const QString& titel, const QString& name, QListWidget*& liste) {
        auto* rahmen = new QGroupBox(titel);
        auto* spalte = new QVBoxLayout(rahmen);
        liste = new QListWidget;
        liste->setObjectName(name);
        liste->setMinimumHeight(150);
        liste->setToolTip(QStringLiteral("Entf nimmt das Mitglied heraus, ein Doppelklick ändert LE, AT, PA und RS "
                                         "für diesen Kampf."));
        liste->installEventFilter(this);
        spalte->addWidget(liste);
        reihe->addWidget(rahmen, 3);
    };
    gruppe(QStringLiteral("Heldengruppe"), QStringLiteral("lstHeldengruppe"), lstHeldengruppe);
    gruppe(QStringLiteral("Gegnergruppe"), QStringLiteral("lstGegnergruppe"), lstGegnergruppe);

    auto* chancenRahmen = new QGroupBox(QStringLiteral("Gewinnchancen"));
    auto* chancenSpalte = new QVBoxLayout(chancenRahmen);
    picChancen = new ChancenDiagramm;
    chancenSpalte->addWidget(picChancen, 1);
    cmdChancenSeite = new QPushButton(QStringLiteral("Als Seite speichern"));
    cmdChancenSeite->setObjectName(QStringLiteral("cmdChancenSeite"));
    cmdChancenSeite->setToolTip(QStringLiteral("Die Gewinnchancen als HTML-Seite speichern"));
    chancenSpalte->addWidget(cmdChancenSeite, 0, Qt::AlignRight);
    reihe->addWidget(chancenRahmen, 8);

    auto* steuerung = new QGridLayout;
    cmdBattleStart = new QPushButton(QStringLiteral("Kampf starten"));
    cmdBattleStart->setObjectName(QStringLiteral("cmdBattleStart"));
    cmdBattleStart->setEnabled(false);
    cmdChancen = new QPushButton(QStringLiteral("Gewinnchancen"));
    cmdChancen->setObjectName(QStringLiteral("cmdChancen"));
    cmdChancen->setToolTip(QStringLiteral("Die Gruppen viele Male gegeneinander kämpfen lassen und auszählen"));
    cmdVorschlagen = new QPushButton(QStringLiteral("Gegner vorschlagen…"));
    cmdVorschlagen->setObjectName(QStringLiteral("cmdVorschlagen"));
    cmdVorschlagen->setToolTip(QStringLiteral("Gegnergruppen aus der Datenbank suchen, gegen die die Heldengruppe so oft "
                                              "gewinnt wie gewünscht"));
    txtKaempfe = new QLineEdit(Subs::Tausender(Gewinnchancen::StandardKaempfe));
    txtKaempfe->setObjectName(QStringLiteral("txtKaempfe"));
    txtKaempfe->setToolTip(QStringLiteral("Zahl der Kämpfe, 1 bis 10.000.000"));
    txtSeed = new QLineEdit;
    txtSeed->setObjectName(QStringLiteral("txtSeed"));
    txtSeed->setPlaceholderText(QStringLiteral("zufällig"));
    txtSeed->setToolTip(QStringLiteral("Leer: ein neuer Seed. Mit dem Seed einer früheren Rechnung kommt genau "
                                       "dasselbe heraus."));
    cmdChancenAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    cmdChancenAbbrechen->setObjectName(QStringLiteral("cmdChancenAbbrechen"));
    cmdChancenAbbrechen->setEnabled(false);
    cmdAufstellungSpeichern = new QPushButton(QStringLiteral("Aufstellung speichern…"));
    cmdAufstellungSpeichern->setObjectName(QStringLiteral("cmdAufstellungSpeichern"));
    cmdLetzteAufstellung = new QPushButton(QStringLiteral("Letzte Aufstellung"));
    cmdLetzteAufstellung->setObjectName(QStringLiteral("cmdLetzteAufstellung"));
    cmdLetzteAufstellung->setToolTip(QStringLiteral("Die Gruppen wiederherstellen, wie sie vor dem letzten Kampf oder "
                                                    "der letzten Berechnung der Gewinnchancen waren"));
    cmdBattleEnde = new QPushButton(QStringLiteral("Varl-Battle 3 schliessen"));
    cmdBattleEnde->setObjectName(QStringLiteral("cmdBattleEnde"));
    Bar = new QProgressBar;
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, 1);
    Bar->setValue(0);
    const auto beschriftet = [](const QString& text, QWidget* box) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(new QLabel(text));
        zeile->addWidget(box, 1);
        return zeile;
    };
    steuerung->setRowStretch(0, 1);
    steuerung->addWidget(cmdBattleStart, 1, 0);
    auto* chancenKnoepfe = new QHBoxLayout;
    chancenKnoepfe->addWidget(cmdChancen);
    chancenKnoepfe->addWidget(cmdVorschlagen);
    steuerung->addLayout(chancenKnoepfe, 1, 1);
    steuerung->addLayout(beschriftet(QStringLiteral("Kämpfe:"), txtKaempfe), 2, 0);
    steuerung->addLayout(beschriftet(QStringLiteral("Seed:"), txtSeed), 2, 1);
    steuerung->addWidget(Bar, 3, 0);
    steuerung->addWidget(cmdChancenAbbrechen, 3, 1);
    steuerung->addWidget(cmdAufstellungSpeichern, 4, 0);
    steuerung->addWidget(cmdLetzteAufstellung, 4, 1);
    steuerung->addWidget(cmdBattleEnde, 5, 0, 1, 2);
    reihe->addLayout(steuerung);

    m_chancenUhr = new QTimer(this);
    m_chancenUhr->setInterval(50);
    connect(m_chancenUhr, &QTimer::timeout, this, &frmCreaturesMain::ChancenVerfolgen);
    return panel;
}

QString frmCreaturesMain::BoxText(int index) const
{
    const QWidget* box = m_text.value(index);
    if (const auto* zeile = qobject_cast<const QLineEdit*>(box))
        return zeile->text();
    if (const auto* mehrzeilig = qobject_cast<const QPlainTextEdit*>(box))
        return mehrzeilig->toPlainText();
    return QString();
}

void frmCreaturesMain::BoxSetzen(int index, const QString& text)
{
    QWidget* box = m_text.value(index);
    if (auto* zeile = qobject_cast<QLineEdit*>(box))
        zeile->setText(text);
    else if (auto* mehrzeilig = qobject_cast<QPlainTextEdit*>(box))
        mehrzeilig->setPlainText(text);
}

QStringList frmCreaturesMain::FelderAusEingaben() const
{
    QStringList felder(Feldanzahl);
    for (int i = 0; i < Textboxen; ++i)
        felder[i + 1] = BoxText(i);
    // A name typed with blanks around it is the same name.
    felder[1] = felder[1].trimmed();
    for (int i = 0; i < Schalter; ++i)
        felder[ErsterSchalter + i] = m_check[i]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    felder[FeldKategorie] = m_combo[0]->currentText();
    felder[FeldHaeufigkeit] = m_combo[1]->currentText();
    for (int i = 0; i < 4; ++i)
        felder[ErsterSchaden + i] = QString::number(m_schaden[i]->currentIndex());
    return felder;
}

void frmCreaturesMain::EingabenAusFeldern(const QStringList& felder)
{
    for (int i = 0; i < Textboxen; ++i)
        BoxSetzen(i, Feld(felder, i + 1));
    for (int i = 0; i < Schalter; ++i)
        m_check[i]->setChecked(FlagGesetzt(Feld(felder, ErsterSchalter + i)));
    m_combo[0]->setCurrentText(Feld(felder, FeldKategorie));
    KomboSetzen(m_combo[1], Feld(felder, FeldHaeufigkeit));
    for (int i = 0; i < 4; ++i)
        m_schaden[i]->setCurrentIndex(Wuerfelindex(Feld(felder, ErsterSchaden + i)));
}

int frmCreaturesMain::GewaehlteZeile() const
{
    const int zeile = lvKreaturen->GewaehlteZeile();
    return zeile >= 0 && zeile < V::Kreaturen.Anzahl() ? zeile : -1;
}

void frmCreaturesMain::AuswahlFolgen()
{
    V::AktuelleKreatur = GewaehlteZeile();
}

bool frmCreaturesMain::EintragVorhanden() const
{
    return V::Kreaturen.Anzahl() > 0 && V::AktuelleKreatur >= 0 && V::AktuelleKreatur < V::Kreaturen.Anzahl();
}

void frmCreaturesMain::KreaturenlisteFuellen()
{
    // The selection follows the creature that was selected; at start it is the first line.
    const int gewaehlt = V::AktuelleKreatur;
    lvKreaturen->Neu();
    if (lvKreaturen->Anzahl() > 0)
        lvKreaturen->ZeileWaehlen(gewaehlt >= 0 && gewaehlt < lvKreaturen->Anzahl() ? gewaehlt : lvKreaturen->ZeileAn(0));
    AuswahlFolgen();
}

void frmCreaturesMain::ListenzeileHinzufuegen(int zeile)
{
    lvKreaturen->Hinzugefuegt(zeile);
    lvKreaturen->ZeileWaehlen(zeile);
}

void frmCreaturesMain::KnoepfeAktualisieren()
{
    m_editor->Anwenden(EintragVorhanden());
    // The detail view would sit beside the open battle panel; it waits until the panel is closed.
    if (!m_kampfpanel->isHidden())
        cmdHTML->setEnabled(false);
    Text_Change();
}

void frmCreaturesMain::FelderLeeren()
{
    for (int i = 0; i < Textboxen; ++i)
        BoxSetzen(i, QString());
    for (QCheckBox* schalter : m_check)
        schalter->setChecked(false);
    m_combo[0]->setCurrentIndex(-1);
    m_combo[0]->setEditText(QString());
    // A frequency taken over from another file does not stay in the list for the next record.
    KomboZuruecksetzen(m_combo[1], Haeufigkeiten());
    for (QComboBox* schaden : m_schaden)
        schaden->setCurrentIndex(-1);
}

void frmCreaturesMain::EingabeBeginnen()
{
    Fenster::Nachholen(this);
    lvKreaturen->hide();
    m_browser->hide();
    KrTab->setCurrentIndex(0);
    KrTab->show();
    KampfpanelZeigen(false);
    // The category list is read fresh, so a category added by another save is offered at once.
    KomboZuruecksetzen(m_combo[0], {});
    for (const QString& kategorie : KategorienLesen())
        if (!kategorie.trimmed().isEmpty())
            m_combo[0]->addItem(kategorie);
    FelderLeeren();
    Text_Change();
}

void frmCreaturesMain::ListeAnzeigen()
{
    lvKreaturen->show();
    KrTab->hide();
    m_browser->hide();
    m_editor->Liste();
    KnoepfeAktualisieren();
}

void frmCreaturesMain::EintragBearbeiten()
{
    if (!EintragVorhanden())
        return;
    const int zeile = V::AktuelleKreatur;
    EingabeBeginnen();
    m_editor->Bearbeiten(zeile);
    EingabenAusFeldern(V::Kreaturen.Zeilen[zeile]);
    KnoepfeAktualisieren();
    m_editor->Geladen();
}

void frmCreaturesMain::cmdNeu_Click()
{
    if (!m_editor->Verlassen(EditorName(), [this] { return EintragSpeichern(); }))
        return;
    EingabeBeginnen();
    m_editor->Neu();
    m_bearbeitungszeile = -1;
    KnoepfeAktualisieren();
    m_editor->Geladen();
    m_text[0]->setFocus();
}

void frmCreaturesMain::cmdBearbeiten_Click()
{
    EintragBearbeiten();
}

void frmCreaturesMain::Text_Change()
{
    // An empty name cannot be saved.
    if (m_editor && m_editor->Eingabe())
        cmdSave->setEnabled(!BoxText(0).trimmed().isEmpty());
}

void frmCreaturesMain::cmdSave_Click()
{
    EintragSpeichern();
}

bool frmCreaturesMain::EintragSpeichern()
{
    if (!m_editor->Eingabe())
        return false;
    // Asked from the discard question as well: the user learns why the window stays.
    if (BoxText(0).trimmed().isEmpty()) {
        Dialoge::Warnung(QStringLiteral("Die Kreatur braucht einen Namen."));
        return false;
    }
    QStringList felder = FelderAusEingaben();
    SpeichernVorbereiten(felder);
    if (V::Bearbeitungsmodus && m_bearbeitungszeile >= 0 && m_bearbeitungszeile < V::Kreaturen.Anzahl()) {
        ZeileAendern(V::Kreaturen, m_bearbeitungszeile, felder);
        lvKreaturen->Geaendert(m_bearbeitungszeile);
        lvKreaturen->ZeileWaehlen(m_bearbeitungszeile);
    } else {
        ListenzeileHinzufuegen(ZeileAnhaengen(V::Kreaturen, felder));
    }
    AuswahlFolgen();
    int zeile = V::AktuelleKreatur;
    const bool geschrieben = DatenbankSpeichern(&zeile);
    ListeAnzeigen();
    V::Bearbeitungsmodus = false;
    m_bearbeitungszeile = -1;
    return geschrieben;
}

QString frmCreaturesMain::EditorName() const
{
    QString name = BoxText(0).trimmed();
    if (name.isEmpty() && V::Bearbeitungsmodus && m_bearbeitungszeile >= 0 && m_bearbeitungszeile < V::Kreaturen.Anzahl())
        name = Feld(V::Kreaturen.Zeilen[m_bearbeitungszeile], 1);
    return name.isEmpty() ? QStringLiteral("Neue Kreatur") : name;
}

bool frmCreaturesMain::DatenbankSpeichern(int* zeile)
{
    QString fehler;
    int gefolgt = zeile ? *zeile : V::AktuelleKreatur;
    const bool geschrieben = Kreaturentabellen::Speichern(V::Kreaturen, &fehler, &gefolgt);
    if (V::Kreaturen.Zusammengefuehrt) {
        // Creatures another window saved meanwhile came in; the list shows them, scrolled where it was.
        const Datensatzliste::Lage lage = lvKreaturen->LageMerken();
        lvKreaturen->Neu();
        lvKreaturen->LageWiederherstellen(lage);
        if (gefolgt >= 0 && gefolgt < V::Kreaturen.Anzahl())
            lvKreaturen->ZeileWaehlen(gefolgt);
        AuswahlFolgen();
        Fenster::Status(this, QStringLiteral("Die Änderungen aus einem anderen Fenster an %1 wurden übernommen.")
                                  .arg(Dateien::Anzeigename(QFileInfo(Datenbankpfad()).fileName())),
                        15000);
    }
    if (zeile)
        *zeile = gefolgt;
    // An empty reason: the user cancelled the merge; the change stays in the program, and closing asks.
    if (!geschrieben && !fehler.isEmpty())
        Dialoge::Warnung(fehler + QStringLiteral(" Die Änderung ist nur im Programm vorhanden und wird mit dem "
                                                 "nächsten erfolgreichen Speichern in die Datei geschrieben."));
    // Before the edit pages exist no category has been typed.
    if (m_combo[0] && !KategorieHinzufuegen(m_combo[0]->currentText(), &fehler))
        Dialoge::Warnung(fehler);
    return geschrieben;
}

void frmCreaturesMain::EintragLoeschen()
{
    if (!EintragVorhanden())
        return;
    if (Dialoge::FrageZerstoerend(QStringLiteral("Soll der Eintrag wirklich gelöscht werden ?"))) {
        const int zeile = V::AktuelleKreatur;
        const int position = lvKreaturen->PositionVon(zeile);
        ZeileLoeschen(V::Kreaturen, zeile);
        lvKreaturen->Entfernt(zeile);
        // The neighbour in the list becomes the selection: the line that moved into the deleted one's
        // place, or the new last one (the first shown one when a filter hid the deleted line).
        const int anzahl = lvKreaturen->AngezeigteAnzahl();
        lvKreaturen->ZeileWaehlen(anzahl > 0 ? lvKreaturen->ZeileAn(qBound(0, position, anzahl - 1)) : -1);
        AuswahlFolgen();
    }
    KnoepfeAktualisieren();
    DatenbankSpeichern();
}

void frmCreaturesMain::cmdDelete_Click()
{
    EintragLoeschen();
}

void frmCreaturesMain::cmdView_Click()
{
    if (!m_editor->Verlassen(EditorName(), [this] { return EintragSpeichern(); }))
        return;
    ListeAnzeigen();
}

QString frmCreaturesMain::TempseiteSchreiben()
{
    if (!EintragVorhanden())
        return QString();
    const QString pfad = CreaturesHTML::TempSeite();
    QString fehler;
    if (!CreaturesHTML::DetailseiteSpeichern(V::Kreaturen.Zeilen[V::AktuelleKreatur], pfad, &fehler)) {
        Dialoge::Warnung(fehler);
        return QString();
    }
    return pfad;
}

void frmCreaturesMain::cmdHTML_Click()
{
    const QString pfad = TempseiteSchreiben();
    if (pfad.isEmpty())
        return;
    m_editor->Seite();
    KnoepfeAktualisieren();
    m_seiteGeladen = false;
    m_browser->Oeffnen(pfad);
    m_browser->show();
    lvKreaturen->hide();
}

void frmCreaturesMain::cmdPrint_Click()
{
    const QString pfad = TempseiteSchreiben();
    if (pfad.isEmpty())
        return;
    // The pane shows the page while it prints; afterwards it is as it was (the detail view keeps it).
    const bool warSichtbar = !m_browser->isHidden();
    m_seiteGeladen = false;
    m_browser->SeiteDrucken(pfad);
    m_seiteGeladen = false;
    m_browser->setVisible(warSichtbar);
}

void frmCreaturesMain::EintragExportieren(const QString& ordner, const QString& filter,
                                          bool (*schreiben)(const QStringList&, const QString&, QString*))
{
    if (!EintragVorhanden())
        return;
    const QString datei = Dialoge::Aktuell().DateiSpeichern(ordner, filter);
    if (datei.isEmpty())
        return;
    QString fehler;
    if (schreiben(V::Kreaturen.Zeilen[V::AktuelleKreatur], datei, &fehler))
        Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    else
        Dialoge::Warnung(fehler);
}

void frmCreaturesMain::cmdExport_Click()
{
    EintragExportieren(Variablen::HtmlPfad, kHtmlFilter, CreaturesHTML::DetailseiteSpeichern);
}

void frmCreaturesMain::cmdWBDExport_Click()
{
    EintragExportieren(Variablen::WbdPfad, kWbdFilter, CreaturesAustausch::Exportieren);
}

void frmCreaturesMain::cmdWBDImport_Click()
{
    const QString datei = Dialoge::Aktuell().DateiOeffnen(Variablen::WbdPfad, kWbdFilter);
    if (datei.isEmpty())
        return;
    QString fehler;
    const auto felder = CreaturesAustausch::Lesen(datei, &fehler);
    if (!felder) {
        // A refused file changes nothing, not even the database file.
        Dialoge::Warnung(fehler);
        return;
    }
    // A second creature of a name is asked for: the database may have it from an earlier import.
    const QString name = felder->value(FeldName);
    bool vorhanden = false;
    for (const QStringList& kreatur : V::Kreaturen.Zeilen)
        vorhanden = vorhanden || kreatur.value(FeldName) == name;
    if (vorhanden
        && !Dialoge::Frage(QStringLiteral("„%1“ gibt es schon in der Datenbank. Soll die Kreatur trotzdem ein weiteres Mal "
                                          "angelegt werden?")
                               .arg(name)))
        return;
    ListenzeileHinzufuegen(ZeileAnhaengen(V::Kreaturen, *felder));
    AuswahlFolgen();
    DatenbankSpeichern();
    KnoepfeAktualisieren();
}

void frmCreaturesMain::cmdHelp_Click()
{
    Subs::HilfeOeffnen(Variablen::HilfePfad + QStringLiteral("\\Creatures.htm"));
}

void frmCreaturesMain::OB_Click(int index)
{
    if (index < 1 || index > 5)
        return;
    BoxSetzen(7, QString::number(Intelligenzwurf(index)));
}

void frmCreaturesMain::Browser_DokumentGeladen()
{
    m_seiteGeladen = true;
}

void frmCreaturesMain::BildZeigen(bool kampf)
{
    static_cast<Bildflaeche*>(imgGFX)->BildSetzen(kampf ? QStringLiteral("VarlBattle3.jpg") : QStringLiteral("Bestiar3.jpg"));
}

void frmCreaturesMain::KampfpanelZeigen(bool zeigen)
{
    m_kampfpanel->setVisible(zeigen);
    BildZeigen(zeigen);
    KnoepfeAktualisieren();
}

namespace {

// A member's line in its group list: the name, with the values it fights with as the tool tip.
QListWidgetItem* Mitgliedseintrag(const BattleEngine::Kaempfer& k)
{
    auto* eintrag = new QListWidgetItem(k.Name);
    eintrag->setToolTip(QStringLiteral("MU %1, AT %2, PA %3, LE %4, RS %5, Schaden %6%7+%8")
                            .arg(k.MU)
                            .arg(k.AT)
                            .arg(k.PA)
                            .arg(k.LE)
                            .arg(k.RS)
                            .arg(k.Anzahl)
                            .arg(k.Wuerfel)
                            .arg(k.Bonus));
    return eintrag;
}

void GruppenErsetzen(const BattleEngine::Kampfstand& quelle)
{
    BattleEngine::Leeren(V::Kampf);
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner})
        for (const BattleEngine::Kaempfer& k : quelle.Mitglieder(g))
            BattleEngine::Aufnehmen(V::Kampf, g, k);
}

} // namespace

void frmCreaturesMain::ZurGruppe(Gruppe gruppe)
{
    if (!EintragVorhanden())
        return;
    QString meldung;
    const auto kaempfer = BattleEngine::KaempferAus(V::Kreaturen.Zeilen[V::AktuelleKreatur], &meldung);
    if (!kaempfer) {
        Dialoge::Warnung(meldung);
        return;
    }
    if (V::Kampf.Mitglieder(gruppe).size() >= BattleEngine::HoechsteMitglieder) {
        Dialoge::Warnung(QStringLiteral("Die %1 hat schon %2 Mitglieder; mehr nimmt eine Gruppe nicht auf.")
                             .arg(gruppe == Gruppe::Helden ? QStringLiteral("Heldengruppe") : QStringLiteral("Gegnergruppe"))
                             .arg(BattleEngine::HoechsteMitglieder));
        return;
    }
    KampfpanelZeigen(true);
    BattleEngine::Aufnehmen(V::Kampf, gruppe, *kaempfer);
    (gruppe == Gruppe::Helden ? lstHeldengruppe : lstGegnergruppe)->addItem(Mitgliedseintrag(*kaempfer));
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::cmdBattleHeldengruppe_Click()
{
    ZurGruppe(Gruppe::Helden);
}

void frmCreaturesMain::cmdBattleGegnergruppe_Click()
{
    ZurGruppe(Gruppe::Gegner);
}

void frmCreaturesMain::MitgliedEntfernen(Gruppe gruppe)
{
    QListWidget* liste = gruppe == Gruppe::Helden ? lstHeldengruppe : lstGegnergruppe;
    QListWidgetItem* eintrag = liste->currentItem();
    if (!eintrag || !eintrag->isSelected())
        return;
    const int index = liste->row(eintrag);
    if (!BattleEngine::Entfernen(V::Kampf, gruppe, index))
        return;
    delete liste->takeItem(index);
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::GruppenLeeren()
{
    lstHeldengruppe->clear();
    lstGegnergruppe->clear();
    BattleEngine::Leeren(V::Kampf);
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::GruppenlistenFuellen()
{
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner}) {
        QListWidget* liste = g == Gruppe::Helden ? lstHeldengruppe : lstGegnergruppe;
        liste->clear();
        for (const BattleEngine::Kaempfer& k : V::Kampf.Mitglieder(g))
            liste->addItem(Mitgliedseintrag(k));
    }
}

void frmCreaturesMain::KampfknoepfeAktualisieren()
{
    const bool frei = !m_kampfLaeuft && !m_chancenLauf;
    const bool beide = V::Kampf.AnzahlHelden() > 0 && V::Kampf.AnzahlGegner() > 0;
    cmdBattleStart->setEnabled(frei && beide);
    cmdChancen->setEnabled(frei && beide);
    cmdVorschlagen->setEnabled(frei && V::Kampf.AnzahlHelden() > 0);
    cmdChancenAbbrechen->setEnabled(m_chancenLauf != nullptr);
    cmdChancenSeite->setEnabled(frei && picChancen->Ergebnis());
    cmdAufstellungSpeichern->setEnabled(!m_kampfLaeuft && V::Kampf.AnzahlHelden() + V::Kampf.AnzahlGegner() > 0);
    cmdLetzteAufstellung->setEnabled(frei && V::LetzteAufstellung.has_value());
    cmdBattleEnde->setEnabled(frei);
    txtKaempfe->setEnabled(!m_chancenLauf);
    txtSeed->setEnabled(!m_chancenLauf);
    cmdAufstellungLaden->setEnabled(frei && KrTab->isHidden() && m_browser->isHidden());
}

void frmCreaturesMain::AufstellungMerken()
{
    BattleEngine::Kampfstand kopie;
    for (Gruppe g : {Gruppe::Helden, Gruppe::Gegner})
        for (const BattleEngine::Kaempfer& k : V::Kampf.Mitglieder(g))
            BattleEngine::Aufnehmen(kopie, g, k);
    V::LetzteAufstellung = kopie;
    // Also on disk, for the day tool's journey planner; a failed write only leaves the older file there.
    Aufstellung::Speichern(kopie, Aufstellung::LetztePfad());
}

void frmCreaturesMain::Fortschritt(int wert, int maximum)
{
    if (Bar->maximum() != maximum)
        Bar->setMaximum(maximum);
    Bar->setValue(qBound(0, wert, maximum));
    // Pending paint and timer events run now and then, so the window stays drawn during a long fight;
    // clicks and keys wait until the fight is over.
    const qint64 jetzt = QDateTime::currentMSecsSinceEpoch();
    if (m_letzteEreignisse == 0 || jetzt - m_letzteEreignisse >= kEreignisAbstandMs) {
        m_letzteEreignisse = jetzt;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void frmCreaturesMain::cmdBattleStart_Click()
{
    if (m_kampfLaeuft || m_chancenLauf || V::Kampf.AnzahlHelden() == 0 || V::Kampf.AnzahlGegner() == 0)
        return;
    const QString datei = Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, kHtmlFilter);
    // A cancelled dialog changes nothing: both groups stay as they are.
    if (datei.isEmpty())
        return;
    AufstellungMerken();
    m_kampfLaeuft = true;
    KampfknoepfeAktualisieren();
    m_letzteEreignisse = 0;
    QString fehler;
    const auto sieger = BattleEngine::KampfSpeichern(V::Kampf, datei, &fehler,
                                                     [this](int wert, int maximum) { Fortschritt(wert, maximum); });
    m_kampfLaeuft = false;
    KampfknoepfeAktualisieren();
    if (!sieger) {
        // Without a report the fight does not count: the groups go back to how they stood.
        Dialoge::Warnung(fehler);
        Bar->setValue(0);
        cmdLetzteAufstellung_Click();
        return;
    } else {
        // The fight is over, though not every member fell: the bar shows it full.
        Bar->setValue(Bar->maximum());
        const bool ansehen = Dialoge::Frage(
            QStringLiteral("Der Kampf ist beendet, wollt ihr euch nun genauer über den Verlauf informieren ?"));
        if (ansehen)
            Shell::Zeigen(datei);
    }
    // After a fight the groups are emptied; "Letzte Aufstellung" brings them back.
    GruppenLeeren();
}

void frmCreaturesMain::cmdBattleEnde_Click()
{
    if (m_kampfLaeuft || m_chancenLauf)
        return;
    KampfpanelZeigen(false);
}

void frmCreaturesMain::cmdChancen_Click()
{
    if (m_kampfLaeuft || m_chancenLauf || V::Kampf.AnzahlHelden() == 0 || V::Kampf.AnzahlGegner() == 0)
        return;
    const Subs::Ganzzahleingabe kaempfe = Subs::GanzzahlLesen(txtKaempfe->text(), 1, Gewinnchancen::HoechsteKaempfe,
                                                              QStringLiteral("die Zahl der Kämpfe"));
    if (!kaempfe.Ok) {
        Dialoge::Warnung(kaempfe.Meldung);
        return;
    }
    quint64 saat = 0;
    if (txtSeed->text().trimmed().isEmpty()) {
        saat = Zufall::NeueSaat();
    } else {
        const Subs::Ganzzahleingabe eingabe =
            Subs::GanzzahlLesen(txtSeed->text(), 0, qint64(Zufall::HoechsteSaat), QStringLiteral("den Seed"));
        if (!eingabe.Ok) {
            Dialoge::Warnung(eingabe.Meldung);
            return;
        }
        saat = quint64(eingabe.Wert);
    }
    AufstellungMerken();
    // The fights run on copies of the groups in the background; the window stays free meanwhile.
    m_chancenLauf = std::make_unique<Gewinnchancen::Hintergrundlauf>(V::Kampf, kaempfe.Wert, saat);
    Bar->setRange(0, int(kaempfe.Wert));
    Bar->setValue(0);
    picChancen->TextSetzen(QStringLiteral("%1 Kämpfe werden ausgetragen …").arg(Subs::Tausender(kaempfe.Wert)));
    KampfknoepfeAktualisieren();
    m_chancenUhr->start();
}

void frmCreaturesMain::ChancenVerfolgen()
{
    if (!m_chancenLauf) {
        m_chancenUhr->stop();
        return;
    }
    Bar->setValue(int(m_chancenLauf->Erledigt()));
    if (!m_chancenLauf->Fertig())
        return;
    m_chancenUhr->stop();
    const auto ergebnis = m_chancenLauf->Abholen();
    m_chancenLauf.reset();
    // A finished run leaves the bar full; a cancelled one empty.
    Bar->setRange(0, 1);
    Bar->setValue(ergebnis ? 1 : 0);
    if (ergebnis)
        picChancen->ErgebnisSetzen(*ergebnis);
    else
        picChancen->TextSetzen(QStringLiteral("Die Berechnung wurde abgebrochen."));
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::cmdChancenAbbrechen_Click()
{
    if (!m_chancenLauf)
        return;
    // The threads see the wish between fights and once a pass: the run ends at once, and so does the wait.
    m_chancenLauf->Abbrechen();
    m_chancenLauf->Abholen();
    ChancenVerfolgen();
}

void frmCreaturesMain::cmdChancenSeite_Click()
{
    const Gewinnchancen::Ergebnis* ergebnis = picChancen->Ergebnis();
    if (!ergebnis)
        return;
    const QString datei = Dialoge::Aktuell().DateiSpeichern(Variablen::HtmlPfad, kHtmlFilter);
    if (datei.isEmpty())
        return;
    QString fehler;
    if (Gewinnchancen::SeiteSpeichern(*ergebnis, datei, &fehler))
        Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    else
        Dialoge::Warnung(fehler);
}

void frmCreaturesMain::cmdVorschlagen_Click()
{
    if (m_kampfLaeuft || m_chancenLauf || V::Kampf.AnzahlHelden() == 0)
        return;
    frmGegnervorschlag dialog(V::Kampf.Helden, V::Kreaturen.Zeilen, txtKaempfe->text(), txtSeed->text(), this);
    if (Fenster::ModalAusfuehren(dialog) != QDialog::Accepted || !dialog.Gewaehlt())
        return;
    // The proposal replaces the enemy group ("Letzte Aufstellung" brings the old one back); its confirmed run
    // is the chart at once.
    const Vorschlaege::Vorschlag& vorschlag = *dialog.Gewaehlt();
    AufstellungMerken();
    V::Kampf.Gegner.clear();
    for (const BattleEngine::Kaempfer& k : vorschlag.Aufstellung.Gegner)
        BattleEngine::Aufnehmen(V::Kampf, Gruppe::Gegner, k);
    GruppenlistenFuellen();
    picChancen->ErgebnisSetzen(vorschlag.Ergebnis);
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::cmdAufstellungSpeichern_Click()
{
    AufstellungSpeichern();
}

bool frmCreaturesMain::AufstellungSpeichern()
{
    if (V::Kampf.AnzahlHelden() + V::Kampf.AnzahlGegner() == 0)
        return false;
    const QString datei = Dialoge::Aktuell().DateiSpeichern(Variablen::WbdPfad, kAufstellungFilter);
    if (datei.isEmpty())
        return false;
    QString fehler;
    if (!Aufstellung::Speichern(V::Kampf, datei, &fehler)) {
        Dialoge::Warnung(fehler);
        return false;
    }
    m_aufstellungGesichert = Aufstellung::Zeilen(V::Kampf);
    Dialoge::Hinweis(QStringLiteral("Daten wurden erfolgreich exportiert."));
    return true;
}

void frmCreaturesMain::cmdAufstellungLaden_Click()
{
    if (m_kampfLaeuft || m_chancenLauf)
        return;
    // A line-up built by hand is not dropped unasked.
    if (V::Kampf.AnzahlHelden() + V::Kampf.AnzahlGegner() > 0 && Aufstellung::Zeilen(V::Kampf) != m_aufstellungGesichert) {
        const Dialoge::Antwort antwort = Dialoge::Ungespeichert(QStringLiteral("Aufstellung"));
        if (antwort == Dialoge::Antwort::Abbrechen || (antwort == Dialoge::Antwort::Speichern && !AufstellungSpeichern()))
            return;
    }
    const QString datei = Dialoge::Aktuell().DateiOeffnen(Variablen::WbdPfad, kAufstellungFilter);
    if (datei.isEmpty())
        return;
    QString fehler;
    const auto stand = Aufstellung::Lesen(datei, &fehler);
    if (!stand) {
        // A refused file leaves the groups as they are.
        Dialoge::Warnung(fehler);
        return;
    }
    GruppenErsetzen(*stand);
    m_aufstellungGesichert = Aufstellung::Zeilen(V::Kampf);
    GruppenlistenFuellen();
    KampfpanelZeigen(true);
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::cmdLetzteAufstellung_Click()
{
    if (m_kampfLaeuft || m_chancenLauf || !V::LetzteAufstellung)
        return;
    GruppenErsetzen(*V::LetzteAufstellung);
    GruppenlistenFuellen();
    KampfknoepfeAktualisieren();
}

void frmCreaturesMain::MitgliedBearbeiten(Gruppe gruppe, int index)
{
    if (m_kampfLaeuft || index < 0 || index >= V::Kampf.Mitglieder(gruppe).size())
        return;
    frmKaempferWerte dialog(V::Kampf.Mitglieder(gruppe)[index], this);
    if (Fenster::ModalAusfuehren(dialog) != QDialog::Accepted)
        return;
    V::Kampf.Mitglieder(gruppe)[index] = dialog.Kaempfer();
    QListWidget* liste = gruppe == Gruppe::Helden ? lstHeldengruppe : lstGegnergruppe;
    delete liste->takeItem(index);
    liste->insertItem(index, Mitgliedseintrag(dialog.Kaempfer()));
    liste->setCurrentRow(index);
}

bool frmCreaturesMain::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if ((objekt == KrTab || objekt == m_browser)
        && (ereignis->type() == QEvent::ShowToParent || ereignis->type() == QEvent::HideToParent))
        KampfknoepfeAktualisieren();
    if (ereignis->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Delete
        && !m_kampfLaeuft) {
        if (objekt == lstHeldengruppe) {
            MitgliedEntfernen(Gruppe::Helden);
            return true;
        }
        if (objekt == lstGegnergruppe) {
            MitgliedEntfernen(Gruppe::Gegner);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void frmCreaturesMain::DateiGeaendert(const QString& pfad)
{
    const QString datei = Dateien::Anzeigename(QFileInfo(pfad).fileName());
    // Typed work and creatures a failed save kept stay; the next save merges both sides.
    if ((m_editor->Eingabe() && m_editor->Geaendert()) || V::Kreaturen.Ungeschrieben) {
        Fenster::Status(this, QStringLiteral("%1 wurde in einem anderen Fenster geändert; beim Speichern werden "
                                             "beide Seiten zusammengeführt.")
                                  .arg(datei));
        return;
    }
    // The list keeps its creature and scroll position by name; the creature open in the edit pages is found
    // again by its name and place among creatures of that name.
    const auto name = [](int i) { return V::Kreaturen.Zeilen[i].value(FeldName); };
    const bool bearbeitet = m_editor->Eingabe() && V::Bearbeitungsmodus;
    const Abgleich::Stelle offen = Abgleich::StelleVon(bearbeitet ? m_bearbeitungszeile : -1, V::Kreaturen.Anzahl(), name);
    const Datensatzliste::Lage lage = lvKreaturen->LageMerken();
    const QString meldung = Lademeldung(Kreaturentabellen::Laden(V::Kreaturen));
    lvKreaturen->Neu();
    lvKreaturen->LageWiederherstellen(lage);
    AuswahlFolgen();
    if (bearbeitet) {
        const int zeile = Abgleich::ZeileVon(offen, V::Kreaturen.Anzahl(), name);
        if (zeile < 0) {
            ListeAnzeigen();
        } else {
            V::AktuelleKreatur = zeile;
            m_bearbeitungszeile = zeile;
            m_editor->Bearbeiten(zeile);
            FelderLeeren();
            EingabenAusFeldern(V::Kreaturen.Zeilen[zeile]);
            KnoepfeAktualisieren();
            m_editor->Geladen();
        }
    } else {
        KnoepfeAktualisieren();
    }
    Fenster::Status(this, meldung.isEmpty() ? QStringLiteral("%1 wurde in einem anderen Fenster geändert und neu geladen.").arg(datei)
                                            : meldung,
                    meldung.isEmpty() ? 15000 : 0);
}

void frmCreaturesMain::closeEvent(QCloseEvent* ereignis)
{
    if (m_kampfLaeuft) {
        ereignis->ignore();
        return;
    }
    // The one question for typed work, naming the creature; Speichern closes only when the save succeeded.
    if (m_editor->Eingabe() && !m_editor->Verlassen(EditorName(), [this] { return EintragSpeichern(); })) {
        ereignis->ignore();
        return;
    }
    // Records a failed save kept only in the program are not dropped unasked.
    if (V::Kreaturen.Ungeschrieben) {
        const Dialoge::Antwort antwort = Dialoge::Ungespeichert(Kreaturentabellen::Datenbankname().section(QLatin1Char('\\'), -1));
        if (antwort == Dialoge::Antwort::Abbrechen || (antwort == Dialoge::Antwort::Speichern && !DatenbankSpeichern())) {
            ereignis->ignore();
            return;
        }
    }
    // An odds run still working is cancelled; its threads end before the window closes.
    m_chancenUhr->stop();
    m_chancenLauf.reset();
    ereignis->accept();
}
