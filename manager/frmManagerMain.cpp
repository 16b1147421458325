#include "frmManagerMain.h"

#include "Dateiwaechter.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "ExterneTools.h"
#include "Fenster.h"
#include "Pfad.h"
#include "Subs.h"
#include "Termine.h"
#include "Variablen.h"
#include "VarlSuite.h"
#include "frmManagerCredits.h"
#include "frmManagerXTConfig.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kKnopf = 44;
constexpr int kSymbol = 32;
// While the drive search runs, pending events are let through at most this often: often enough for a
// responsive window, rarely enough not to slow the walk down.
constexpr int kEreignisAbstandMs = 15;

QString MenueText(const QString& text)
{
    QString t = text;
    return t.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

frmManagerMain::frmManagerMain(QWidget* eltern) : QWidget(eltern), m_umgebung(ManagerEngine::StandardUmgebung())
{
    setObjectName(QStringLiteral("frmManagerMain"));
    // No fixed minimum: the layouts keep every button whole, however many tools get one.
    resize(760, 540);

    auto* haupt = new QVBoxLayout(this);
    // Keeps the buttons inside the painted frame of the background picture.
    haupt->setContentsMargins(22, 20, 22, 20);

    m_werkzeugLeiste = new QHBoxLayout;
    m_werkzeugLeiste->setSpacing(4);
    haupt->addLayout(m_werkzeugLeiste);

    lblCredits = new QLabel(QStringLiteral("Werkbund Utilities 3\nWählt ein Werkzeug, Meister."), this);
    lblCredits->setObjectName(QStringLiteral("lblCredits"));
    lblCredits->setAlignment(Qt::AlignCenter);
    lblCredits->setStyleSheet(QStringLiteral("QLabel { color: white; font-size: 18pt; font-weight: bold; "
                                             "background: rgba(0, 0, 0, 90); border-radius: 6px; padding: 8px; }"));
    haupt->addWidget(lblCredits, 0, Qt::AlignHCenter);

    auto* mitte = new QHBoxLayout;
    lvURLs = new Datensatzliste(this);
    lvURLs->setObjectName(QStringLiteral("lvURLs"));
    lvURLs->SpaltenSetzen({QStringLiteral("Name"), QStringLiteral("URL"), QStringLiteral("Beschreibung")});
    lvURLs->Quelle([this] { return m_links.Anzahl(); },
                   [this](int zeile, int spalte) {
                       const Link& link = m_links.Links()[zeile];
                       return spalte == 0 ? link.name : spalte == 1 ? link.url : link.beschreibung;
                   });
    lvURLs->setColumnWidth(0, 160);
    lvURLs->setColumnWidth(1, 220);
    mitte->addWidget(lvURLs, 1);
    auto* urlKnoepfe = new QVBoxLayout;
    cmdURLsNeu = Knopf(QStringLiteral("cmdURLsNeu"), QStringLiteral("Neue URL hinzufügen"));
    cmdURLsDelete = Knopf(QStringLiteral("cmdURLsDelete"), QStringLiteral("Gewählte URL löschen"));
    cmdURLsNeu->setFixedSize(56, 56);
    cmdURLsDelete->setFixedSize(56, 56);
    cmdURLsNeu->setIconSize(QSize(48, 48));
    cmdURLsDelete->setIconSize(QSize(48, 48));
    urlKnoepfe->addWidget(cmdURLsNeu);
    urlKnoepfe->addWidget(cmdURLsDelete);
    urlKnoepfe->addStretch();
    mitte->addLayout(urlKnoepfe);

    frmMonthView = new QGroupBox(QStringLiteral("Messages"), this);
    frmMonthView->setObjectName(QStringLiteral("frmMonthView"));
    auto* kalender = new QHBoxLayout(frmMonthView);
    MonthView = new QCalendarWidget(frmMonthView);
    // Month and day names in German, as every date the window shows.
    MonthView->setLocale(QLocale(QLocale::German, QLocale::Germany));
    MonthView->setObjectName(QStringLiteral("MonthView"));
    MonthView->setGridVisible(true);
    kalender->addWidget(MonthView, 1);
    auto* frmMV = new QGroupBox(QStringLiteral("Nachricht"), frmMonthView);
    frmMV->setObjectName(QStringLiteral("frmMV"));
    auto* nachricht = new QVBoxLayout(frmMV);
    txtMonthView = new QLineEdit(frmMV);
    txtMonthView->setObjectName(QStringLiteral("txtMonthView"));
    txtMonthView->setMaxLength(Termine::kMaxLaenge);
    txtMonthView->setMinimumWidth(200);
    cmdOK = new QPushButton(QStringLiteral("OK"), frmMV);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setToolTip(QStringLiteral("Nachricht für den gewählten Tag speichern"));
    nachricht->addWidget(txtMonthView);
    nachricht->addWidget(cmdOK, 0, Qt::AlignRight);
    nachricht->addStretch();
    kalender->addWidget(frmMV);
    mitte->addWidget(frmMonthView, 1);
    haupt->addLayout(mitte, 1);

    auto* unten = new QHBoxLayout;
    cmdTabellarium = Knopf(QStringLiteral("cmdTabellarium"), ManagerEngine::Tooltip(QStringLiteral("Tabellar3")));
    cmdXT = Knopf(QStringLiteral("cmdXT"), QStringLiteral("Externe Tools"));
    cmdVarlSuite = Knopf(QStringLiteral("cmdVarlSuite"), QStringLiteral("Varl-Suite"));
    cmdURLs = Knopf(QStringLiteral("cmdURLs"), QStringLiteral("URL-Verwaltung"));
    cmdTermin = Knopf(QStringLiteral("cmdTermin"), QStringLiteral("Die nächsten Varl-Termine"));
    cmdHomepage = Knopf(QStringLiteral("cmdHomepage"), QStringLiteral("Die Varl-Utilities Homepage ansurfen"));
    cmdBugmail = Knopf(QStringLiteral("cmdBugmail"), QStringLiteral("Bugmail schreiben"));
    cmdCredits = Knopf(QStringLiteral("cmdCredits"), QStringLiteral("Credits"));
    cmdHilfe = Knopf(QStringLiteral("cmdHilfe"), QStringLiteral("Hilfe"));
    cmdEnde = new QPushButton(QStringLiteral("Beenden"), this);
    cmdEnde->setObjectName(QStringLiteral("cmdEnde"));
    cmdEnde->setIconSize(QSize(kSymbol, kSymbol));
    cmdEnde->setMinimumHeight(kKnopf);
    for (QPushButton* knopf : {cmdTabellarium, cmdXT, cmdVarlSuite})
        unten->addWidget(knopf);
    unten->addSpacing(16);
    unten->addWidget(cmdURLs);
    unten->addWidget(cmdTermin);
    unten->addStretch();
    for (QPushButton* knopf : {cmdHomepage, cmdBugmail, cmdCredits, cmdHilfe})
        unten->addWidget(knopf);
    unten->addSpacing(16);
    unten->addWidget(cmdEnde);
    haupt->addLayout(unten);

    // Both panels start hidden; their buttons show one at a time.
    lvURLs->hide();
    cmdURLsNeu->hide();
    cmdURLsDelete->hide();
    frmMonthView->hide();

    XTMenu = new QMenu(QStringLiteral("Tools"), this);
    XTMenu->setObjectName(QStringLiteral("XTMenu"));
    auto* platzhalter = XTMenu->addAction(QString());
    platzhalter->setObjectName(QStringLiteral("Tool(0)"));
    platzhalter->setVisible(false);
    XTMenu->addSeparator();
    XTConfig = XTMenu->addAction(QStringLiteral("Externe Tools konfigurieren"));
    XTConfig->setObjectName(QStringLiteral("XTConfig"));

    SuiteMenu = new QMenu(QStringLiteral("Varl-Suite"), this);
    SuiteMenu->setObjectName(QStringLiteral("SuiteMenu"));
    auto* suiteTool = SuiteMenu->addAction(QString());
    suiteTool->setObjectName(QStringLiteral("SuiteTool(0)"));
    suiteTool->setVisible(false);
    connect(suiteTool, &QAction::triggered, this, [this, suiteTool] { SuiteTool_Click(suiteTool->data().toString()); });

    connect(cmdTabellarium, &QPushButton::clicked, this, &frmManagerMain::cmdTabellarium_Click);
    connect(cmdXT, &QPushButton::clicked, this, &frmManagerMain::cmdXT_Click);
    connect(XTConfig, &QAction::triggered, this, &frmManagerMain::XTConfig_Click);
    connect(cmdVarlSuite, &QPushButton::clicked, this, &frmManagerMain::cmdVarlSuite_Click);
    connect(cmdURLs, &QPushButton::clicked, this, &frmManagerMain::cmdURLs_Click);
    connect(cmdURLsNeu, &QPushButton::clicked, this, &frmManagerMain::cmdURLsNeu_Click);
    connect(cmdURLsDelete, &QPushButton::clicked, this, &frmManagerMain::cmdURLsDelete_Click);
    connect(lvURLs, &Datensatzliste::LoeschenGedrueckt, this, &frmManagerMain::cmdURLsDelete_Click);
    connect(lvURLs, &Datensatzliste::ZeileDoppelgeklickt, this, &frmManagerMain::lvURLs_DblClick);
    connect(cmdTermin, &QPushButton::clicked, this, &frmManagerMain::cmdTermin_Click);
    connect(MonthView, &QCalendarWidget::selectionChanged, this, &frmManagerMain::MonthView_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmManagerMain::cmdOK_Click);
    connect(txtMonthView, &QLineEdit::returnPressed, this, &frmManagerMain::cmdOK_Click);
    connect(cmdHomepage, &QPushButton::clicked, this, &frmManagerMain::cmdHomepage_Click);
    connect(cmdBugmail, &QPushButton::clicked, this, &frmManagerMain::cmdBugmail_Click);
    connect(cmdCredits, &QPushButton::clicked, this, &frmManagerMain::cmdCredits_Click);
    connect(cmdHilfe, &QPushButton::clicked, this, &frmManagerMain::cmdHilfe_Click);
    connect(cmdEnde, &QPushButton::clicked, this, &frmManagerMain::cmdEnde_Click);

    m_suche.EreignisseSetzen(FileSearchEngine::Gedrosselt(
        [this] {
            if (m_fortschritt)
                m_fortschritt->setLabelText(FortschrittText());
            QCoreApplication::processEvents();
        },
        kEreignisAbstandMs));
    m_suche.WartezeigerSetzen([this](bool warten) { SuchfensterZeigen(warten); });

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::New, {cmdURLsNeu});
    Fenster::Taste(this, QKeySequence::Delete, {cmdURLsDelete});
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHilfe});
    Fenster::BeendenTaste(this, {cmdEnde});
}

frmManagerMain::~frmManagerMain() = default;

QPushButton* frmManagerMain::Knopf(const QString& name, const QString& tooltip)
{
    auto* knopf = new QPushButton(this);
    knopf->setObjectName(name);
    knopf->setToolTip(tooltip);
    knopf->setIconSize(QSize(kSymbol, kSymbol));
    knopf->setFixedSize(kKnopf, kKnopf);
    return knopf;
}

bool frmManagerMain::Form_Load()
{
    Variablen::Programmtitel = ManagerEngine::Titel();
    m_toolAnzahl = ManagerEngine::WerkzeugAnzahl();
    setWindowTitle(Fenster::Titel());
    if (!ManagerEngine::KonfigurationPruefen())
        return false;
    if (ManagerEngine::ZahlLesen(QStringLiteral("General"), QStringLiteral("Started")) == 0) {
        m_erstlauf = true;
        if (!ManagerEngine::Erstlauf(m_suche, m_umgebung))
            return false;
    }
    WerkzeugKnoepfeAufbauen(ManagerEngine::WerkzeugeEinrichten(m_toolAnzahl));
    BilderLaden();
    m_links.Laden();
    LinksAnzeigen();
    XTMenueAufbauen();
    m_waechter = new Dateiwaechter(this);
    connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmManagerMain::DateiGeaendert);
    m_waechter->Beobachten(Linkliste::Dateipfad(), [this] { return m_links.Abdruck(); });
    m_iniAbdruck = Dateien::Stand(Variablen::IniDatei);
    m_waechter->Beobachten(Variablen::IniDatei, [this] { return m_iniAbdruck; });
    if (!VarlSuite::Ordner().isEmpty())
        SuiteMenueAufbauen();
    m_notizTag = MonthView->selectedDate();
    const QString notiz = Termine::Notiz(QDate::currentDate());
    if (!notiz.isEmpty())
        Dialoge::Hinweis(notiz);
    return true;
}

void frmManagerMain::WerkzeugKnoepfeAufbauen(const QList<ManagerEngine::Werkzeug>& werkzeuge)
{
    // Every program of the listing keeps its place, so a program without a button leaves a gap.
    int platz = 0;
    for (const ManagerEngine::Werkzeug& werkzeug : werkzeuge) {
        for (; platz < werkzeug.position; ++platz)
            m_werkzeugLeiste->addSpacing(kKnopf + m_werkzeugLeiste->spacing());
        auto* knopf = new QPushButton(this);
        knopf->setObjectName(Fenster::ArrayName(QStringLiteral("cmdTool"), werkzeug.position));
        knopf->setProperty("Tag", werkzeug.datei);
        knopf->setToolTip(ManagerEngine::Tooltip(werkzeug.datei));
        knopf->setFixedSize(kKnopf, kKnopf);
        knopf->setIconSize(QSize(kSymbol, kSymbol));
        if (!werkzeug.symbol.isEmpty())
            knopf->setIcon(QIcon(QPixmap(werkzeug.symbol)));
        connect(knopf, &QPushButton::clicked, this, [this, datei = werkzeug.datei] { cmdTool_Click(datei); });
        m_werkzeugLeiste->addWidget(knopf);
        ++platz;
    }
    m_werkzeugLeiste->addStretch();
}

void frmManagerMain::BilderLaden()
{
    Fenster::HintergrundSetzen(this, QStringLiteral("manager.jpg"));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("Werkbund3.ico"));
    const QList<QPair<QPushButton*, const char*>> bilder{
        {cmdTabellarium, "Tabellarium.ico"}, {cmdXT, "XT.ico"},           {cmdCredits, "credits.ico"},
        {cmdEnde, "werkbund3.ico"},          {cmdHilfe, "help.ico"},       {cmdTermin, "note.ico"},
        {cmdHomepage, "homepage.ico"},       {cmdURLs, "urls.ico"},        {cmdURLsNeu, "newgross.bmp"},
        {cmdURLsDelete, "deletegross.bmp"},  {cmdBugmail, "bugmail.ico"},  {cmdVarlSuite, "varlsuite.ico"}};
    for (const auto& [knopf, bild] : bilder)
        knopf->setIcon(Fenster::Symbol(QLatin1String(bild)));
}

void frmManagerMain::LinksAnzeigen()
{
    // The model reads the links when it shows them; a sorted list stays sorted.
    lvURLs->Neu();
}

void frmManagerMain::XTMenueAufbauen()
{
    const QList<QAction*> alte = XTMenu->actions();
    for (QAction* aktion : alte) {
        if (aktion->objectName().startsWith(QLatin1String("Tool(")) && aktion->objectName() != QLatin1String("Tool(0)")) {
            XTMenu->removeAction(aktion);
            delete aktion;
        }
    }
    const QStringList namen = ExterneTools::Namen();
    QAction* davor = XTMenu->actions().at(1); // the separator above "Externe Tools konfigurieren"
    for (int i = 1; i <= namen.size(); ++i) {
        auto* aktion = new QAction(MenueText(namen[i - 1]), XTMenu);
        aktion->setObjectName(Fenster::ArrayName(QStringLiteral("Tool"), i));
        connect(aktion, &QAction::triggered, this, [this, i] { Tool_Click(i); });
        XTMenu->insertAction(davor, aktion);
    }
}

void frmManagerMain::SuiteMenueAufbauen()
{
    QAction* erste = nullptr;
    const QList<QAction*> alte = SuiteMenu->actions();
    for (QAction* aktion : alte) {
        if (aktion->objectName() == QLatin1String("SuiteTool(0)")) {
            erste = aktion;
        } else {
            SuiteMenu->removeAction(aktion);
            delete aktion;
        }
    }
    const QStringList namen = VarlSuite::MenueEintraege();
    erste->setVisible(!namen.isEmpty());
    for (int i = 0; i < namen.size(); ++i) {
        QAction* aktion = erste;
        if (i > 0) {
            aktion = SuiteMenu->addAction(QString());
            aktion->setObjectName(Fenster::ArrayName(QStringLiteral("SuiteTool"), i));
            connect(aktion, &QAction::triggered, this, [this, name = namen[i]] { SuiteTool_Click(name); });
        }
        aktion->setText(namen[i]);
        aktion->setData(namen[i]);
    }
}

void frmManagerMain::cmdTool_Click(const QString& datei)
{
    lblCredits->hide();
    ManagerEngine::Starten(Pfad::Verbinden(Variablen::AppPfad, datei));
}

void frmManagerMain::cmdTabellarium_Click()
{
    ManagerEngine::Starten(Pfad::Verbinden(Variablen::AppPfad, QStringLiteral("\\Tabellar3")));
}

void frmManagerMain::cmdXT_Click()
{
    XTMenu->popup(QCursor::pos());
}

void frmManagerMain::Tool_Click(int i)
{
    ExterneTools::Starten(i);
}

void frmManagerMain::XTConfig_Click()
{
    frmManagerXTConfig fenster(this);
    connect(&fenster, &frmManagerXTConfig::XTGeaendert, this, &frmManagerMain::XTMenueAufbauen);
    Fenster::ModalAusfuehren(fenster);
    XTMenueAufbauen();
}

void frmManagerMain::cmdVarlSuite_Click()
{
    // Pressed again while its search runs: that search stops, and only the first press reports.
    if (m_suche.Laeuft()) {
        SucheAnhalten();
        return;
    }
    if (!VarlSuite::Ordner().isEmpty()) {
        SuiteMenu->popup(QCursor::pos());
        return;
    }
    const VarlSuite::Ergebnis ergebnis = VarlSuite::SuchenUndEinrichten(m_suche);
    if (m_geschlossen || ergebnis == VarlSuite::Ergebnis::NichtGespeichert)
        return;
    if (!VarlSuite::Ordner().isEmpty())
        SuiteMenueAufbauen();
    else if (m_suche.Abgebrochen())
        Dialoge::Hinweis(QStringLiteral("Die Suche nach der Varl-Suite wurde abgebrochen."));
    else
        Dialoge::Hinweis(QStringLiteral("Die Varl-Suite wurde nicht gefunden."));
}

void frmManagerMain::SuiteTool_Click(const QString& name)
{
    VarlSuite::WerkzeugStarten(name);
}

void frmManagerMain::cmdURLs_Click()
{
    if (!NotizSichern())
        return;
    frmMonthView->hide();
    const bool zeigen = lvURLs->isHidden();
    lvURLs->setVisible(zeigen);
    cmdURLsNeu->setVisible(zeigen);
    cmdURLsDelete->setVisible(zeigen);
}

void frmManagerMain::cmdURLsNeu_Click()
{
    const std::optional<Link> link = Linkliste::Erfragen();
    if (!link)
        return;
    m_links.Hinzufuegen(*link);
    // Links another program saved meanwhile came in with the save; the new one stands last.
    LinksAnzeigen();
    lvURLs->ZeileWaehlen(m_links.Anzahl() - 1);
}

void frmManagerMain::cmdURLsDelete_Click()
{
    const int r = lvURLs->GewaehlteZeile();
    if (r < 0 || r >= m_links.Anzahl())
        return;
    if (!Dialoge::FrageZerstoerend(QStringLiteral("Soll die URL wirklich gelöscht werden ?")))
        return;
    m_links.Loeschen(r);
    LinksAnzeigen();
    lvURLs->ZeileWaehlen(qMin(r, m_links.Anzahl() - 1));
}

void frmManagerMain::lvURLs_DblClick(int r)
{
    if (r >= 0 && r < m_links.Anzahl())
        ManagerEngine::Oeffnen(Linkliste::Adresse(m_links.Links()[r].url));
}

void frmManagerMain::cmdTermin_Click()
{
    if (!NotizSichern())
        return;
    lvURLs->hide();
    cmdURLsNeu->hide();
    cmdURLsDelete->hide();
    if (frmMonthView->isHidden()) {
        frmMonthView->show();
        NotizZeigen();
    } else {
        frmMonthView->hide();
    }
}

void frmManagerMain::MonthView_Click()
{
    if (MonthView->selectedDate() == m_notizTag)
        return;
    if (!NotizSichern()) {
        // The typed note stays with the day it was typed for.
        const QSignalBlocker sperre(MonthView);
        MonthView->setSelectedDate(m_notizTag);
        return;
    }
    NotizZeigen();
}

void frmManagerMain::cmdOK_Click()
{
    if (!txtMonthView->text().isEmpty())
        NotizSpeichern();
}

void frmManagerMain::NotizZeigen()
{
    m_notizTag = MonthView->selectedDate();
    m_notizGeladen = Termine::Notiz(m_notizTag);
    txtMonthView->setText(m_notizGeladen);
}

bool frmManagerMain::NotizGeaendert() const
{
    // Only a text that cmdOK would store counts: an empty one is never stored. What another window saved
    // since is no typing of this one.
    return !frmMonthView->isHidden() && !txtMonthView->text().isEmpty() && txtMonthView->text() != m_notizGeladen;
}

bool frmManagerMain::NotizSpeichern()
{
    switch (Termine::Speichern(m_notizTag, txtMonthView->text(), m_notizGeladen)) {
    case Termine::Ergebnis::Gespeichert:
        m_notizGeladen = txtMonthView->text();
        m_iniAbdruck = Dateien::Stand(Variablen::IniDatei);
        return true;
    case Termine::Ergebnis::Uebernommen:
        NotizZeigen();
        return true;
    default:
        return false;
    }
}

bool frmManagerMain::NotizSichern()
{
    if (!NotizGeaendert())
        return true;
    switch (Dialoge::Ungespeichert(QStringLiteral("Notiz vom ") + Termine::Anzeige(m_notizTag))) {
    case Dialoge::Antwort::Speichern:
        return NotizSpeichern();
    case Dialoge::Antwort::Verwerfen:
        txtMonthView->setText(m_notizGeladen);
        return true;
    default:
        return false;
    }
}

void frmManagerMain::DateiGeaendert(const QString& pfad)
{
    if (pfad == Linkliste::Dateipfad()) {
        const Datensatzliste::Lage lage = lvURLs->LageMerken();
        m_links.Laden();
        LinksAnzeigen();
        lvURLs->LageWiederherstellen(lage);
        return;
    }
    m_iniAbdruck = Dateien::Stand(Variablen::IniDatei);
    XTMenueAufbauen();
    // A note typed here stays; the save asks if the other window changed the same day.
    if (!frmMonthView->isHidden() && !NotizGeaendert() && Termine::Notiz(m_notizTag) != m_notizGeladen)
        NotizZeigen();
}

void frmManagerMain::cmdHomepage_Click()
{
    // The suite's web page is the overview page of the installation.
    Subs::HilfeOeffnen(ManagerEngine::Uebersichtsseite());
}

void frmManagerMain::cmdBugmail_Click()
{
    QGuiApplication::clipboard()->setText(ManagerEngine::BugmailText());
    Dialoge::Hinweis(ManagerEngine::BugmailMeldung());
}

void frmManagerMain::cmdCredits_Click()
{
    frmManagerCredits fenster(this);
    Fenster::ModalAusfuehren(fenster);
}

void frmManagerMain::cmdHilfe_Click()
{
    Subs::HilfeOeffnen(ManagerEngine::Uebersichtsseite());
}

QString frmManagerMain::FortschrittText() const
{
    return QStringLiteral("Ich durchsuche die Laufwerke nach der Varl-Suite 1.01 …\nBisher durchsucht: %1 Ordner")
        .arg(m_suche.BesuchteOrdner());
}

void frmManagerMain::SuchfensterZeigen(bool suchen)
{
    // A search over every drive can take minutes: the user sees that it works and can stop it.
    if (suchen) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_fortschritt = new QProgressDialog(FortschrittText(), QStringLiteral("Abbrechen"), 0, 0, this);
        m_fortschritt->setObjectName(QStringLiteral("frmSuche"));
        m_fortschritt->setWindowTitle(Variablen::Programmtitel);
        m_fortschritt->setWindowModality(Qt::WindowModal);
        m_fortschritt->setMinimumDuration(0);
        m_fortschritt->setAutoClose(false);
        m_fortschritt->setAutoReset(false);
        connect(m_fortschritt, &QProgressDialog::canceled, this, &frmManagerMain::SucheAnhalten);
        // At the first run the main window is not shown yet, so nothing would place the window sensibly.
        m_fortschritt->adjustSize();
        QRect rahmen = m_fortschritt->frameGeometry();
        rahmen.moveCenter(screen()->availableGeometry().center());
        m_fortschritt->move(rahmen.topLeft());
        m_fortschritt->show();
        return;
    }
    QApplication::restoreOverrideCursor();
    if (m_fortschritt) {
        m_fortschritt->disconnect(this);
        m_fortschritt->close();
        m_fortschritt->deleteLater();
        m_fortschritt = nullptr;
    }
}

void frmManagerMain::SucheAnhalten()
{
    if (m_suche.Laeuft())
        m_suche.Suche(QStringLiteral("VarlSuite.ini"));
}

void frmManagerMain::cmdEnde_Click()
{
    if (!NotizSichern())
        return;
    if (m_erstlauf && !m_abschiedGezeigt)
        Dialoge::Hinweis(ManagerEngine::Abschiedstext());
    m_abschiedGezeigt = true;
    close();
}

void frmManagerMain::closeEvent(QCloseEvent* ereignis)
{
    if (!NotizSichern()) {
        ereignis->ignore();
        return;
    }
    // A search still running would go on walking after the window is gone.
    m_geschlossen = true;
    SucheAnhalten();
    ManagerEngine::TempLoeschen();
    if (m_erstlauf && !m_abschiedGezeigt)
        Dialoge::Hinweis(ManagerEngine::Abschiedstext());
    m_abschiedGezeigt = true;
    ereignis->accept();
}
