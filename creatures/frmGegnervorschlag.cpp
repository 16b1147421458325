#include "frmGegnervorschlag.h"

#include "Dialoge.h"
#include "Kreaturentabelle.h"
#include "Subs.h"
#include "Variablen.h"
#include "Zufall.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using BattleEngine::Sieger;

namespace {

enum Spalte { SpalteNummer, SpalteGruppe, SpalteSiege, SpalteVerluste, SpalteRunden };
// The heroes' share and its bounds, for the bar.
constexpr int RolleWert = Qt::UserRole;
constexpr int RolleUnten = Qt::UserRole + 1;
constexpr int RolleOben = Qt::UserRole + 2;

// The heroes' share as in the odds chart: a green bar on grey with the 95 % interval as a whisker, the
// figures beside it.
class Balkenzelle : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString text = o.text;
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, maler, o.widget);
        const double wert = index.data(RolleWert).toDouble();
        const double unten = index.data(RolleUnten).toDouble();
        const double oben = index.data(RolleOben).toDouble();
        const QRect flaeche = o.rect.adjusted(3, 3, -3, -3);
        const int textbreite = o.fontMetrics.horizontalAdvance(QStringLiteral("100,0 % (100,0–100,0)")) + 8;
        const QRect rahmen(flaeche.left(), flaeche.top(), std::max(10, flaeche.width() - textbreite), flaeche.height());
        maler->save();
        maler->fillRect(rahmen, QColor(0xEE, 0xEE, 0xEE));
        QRect balken = rahmen;
        balken.setWidth(int(std::lround(wert * rahmen.width())));
        maler->fillRect(balken, QColor(0x2E, 0x7D, 0x32));
        const int x1 = rahmen.left() + int(std::lround(unten * rahmen.width()));
        const int x2 = rahmen.left() + int(std::lround(oben * rahmen.width()));
        const int mitte = rahmen.center().y();
        maler->setPen(QPen(Qt::black, 1));
        maler->drawLine(x1, mitte, x2, mitte);
        maler->drawLine(x1, rahmen.top(), x1, rahmen.bottom());
        maler->drawLine(x2, rahmen.top(), x2, rahmen.bottom());
        maler->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        maler->drawText(QRect(rahmen.right() + 6, flaeche.top(), textbreite, flaeche.height()),
                        Qt::AlignVCenter | Qt::AlignLeft, text);
        maler->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize groesse = QStyledItemDelegate::sizeHint(option, index);
        return {std::max(groesse.width(), 260), groesse.height() + 4};
    }
};

QSpinBox* Zahlenfeld(const QString& name, int von, int bis, int wert, const QString& einheit)
{
    auto* feld = new QSpinBox;
    feld->setObjectName(name);
    feld->setRange(von, bis);
    feld->setValue(wert);
    feld->setSuffix(einheit);
    return feld;
}

} // namespace

frmGegnervorschlag::frmGegnervorschlag(const QList<BattleEngine::Kaempfer>& helden, const QList<QStringList>& kreaturen,
                                       const QString& kaempfe, const QString& seed, QWidget* eltern)
    : QDialog(eltern), m_helden(helden), m_kreaturen(kreaturen), m_kaempfe(kaempfe), m_seed(seed)
{
    setObjectName(QStringLiteral("frmGegnervorschlag"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - Gegner vorschlagen"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());
    setModal(true);
    resize(840, 580);

    auto* layout = new QVBoxLayout(this);
    QStringList namen;
    for (const BattleEngine::Kaempfer& k : helden)
        namen.append(k.Name);
    auto* hinweis = new QLabel(QStringLiteral("Gegnergruppen aus der Datenbank für die Heldengruppe (%1): eine Art allein "
                                              "oder zwei Arten, die zusammengehören.")
                                   .arg(namen.join(QStringLiteral(", ")).toHtmlEscaped()));
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    auto* wunsch = new QGridLayout;
    sldZiel = new QSlider(Qt::Horizontal);
    sldZiel->setObjectName(QStringLiteral("sldZiel"));
    sldZiel->setRange(Vorschlaege::KleinstesZiel, Vorschlaege::GroesstesZiel);
    sldZiel->setValue(Vorschlaege::StandardZiel);
    sldZiel->setTickPosition(QSlider::TicksBelow);
    sldZiel->setTickInterval(10);
    spnZiel = Zahlenfeld(QStringLiteral("spnZiel"), Vorschlaege::KleinstesZiel, Vorschlaege::GroesstesZiel,
                         Vorschlaege::StandardZiel, QStringLiteral(" %"));
    spnSpanne = Zahlenfeld(QStringLiteral("spnSpanne"), 1, Vorschlaege::GroessteSpanne, Vorschlaege::StandardSpanne,
                           QStringLiteral(" Prozentpunkte"));
    spnHoechstens = Zahlenfeld(QStringLiteral("spnHoechstens"), 1, BattleEngine::HoechsteMitglieder,
                               Vorschlaege::StandardHoechstens, QStringLiteral(" Gegner"));
    connect(sldZiel, &QSlider::valueChanged, spnZiel, &QSpinBox::setValue);
    connect(spnZiel, &QSpinBox::valueChanged, sldZiel, &QSlider::setValue);
    auto* zielLabel = new QLabel(QStringLiteral("Gewünschte Siegchance der &Helden:"));
    zielLabel->setBuddy(spnZiel);
    wunsch->addWidget(zielLabel, 0, 0);
    wunsch->addWidget(sldZiel, 0, 1);
    wunsch->addWidget(spnZiel, 0, 2);
    auto* spanneLabel = new QLabel(QStringLiteral("&Spanne: ±"));
    spanneLabel->setBuddy(spnSpanne);
    wunsch->addWidget(spanneLabel, 1, 0);
    wunsch->addWidget(spnSpanne, 1, 1, 1, 2, Qt::AlignLeft);
    auto* groesseLabel = new QLabel(QStringLiteral("&Größte Gruppe:"));
    groesseLabel->setBuddy(spnHoechstens);
    wunsch->addWidget(groesseLabel, 2, 0);
    wunsch->addWidget(spnHoechstens, 2, 1, 1, 2, Qt::AlignLeft);
    wunsch->setColumnStretch(1, 1);
    layout->addLayout(wunsch);

    // The categories of the list and of the records, all chosen at first.
    auto* kategorien = new QGroupBox(QStringLiteral("Kategorien"));
    auto* raster = new QGridLayout(kategorien);
    QStringList alle = Kreaturentabellen::KategorienLesen();
    for (const QString& k : Vorschlaege::Kategorien(kreaturen)) {
        bool da = false;
        for (const QString& a : alle)
            da = da || a.trimmed().compare(k, Qt::CaseInsensitive) == 0;
        if (!da)
            alle.append(k);
    }
    for (const QString& k : alle) {
        if (k.trimmed().isEmpty())
            continue;
        auto* box = new QCheckBox(k);
        box->setObjectName(QStringLiteral("chkKategorie%1").arg(m_kategorien.size()));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { KnoepfeAktualisieren(); });
        raster->addWidget(box, int(m_kategorien.size()) / 3, int(m_kategorien.size()) % 3);
        m_kategorien.append(box);
    }
    layout->addWidget(kategorien);

    auto* lauf = new QHBoxLayout;
    cmdSuchen = new QPushButton(QStringLiteral("&Vorschlagen"));
    cmdSuchen->setObjectName(QStringLiteral("cmdSuchen"));
    cmdSuchen->setDefault(true);
    Bar = new QProgressBar;
    Bar->setObjectName(QStringLiteral("Bar"));
    Bar->setRange(0, 1);
    Bar->setValue(0);
    cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    lauf->addWidget(cmdSuchen);
    lauf->addWidget(Bar, 1);
    lauf->addWidget(cmdAbbrechen);
    layout->addLayout(lauf);

    lstVorschlaege = new QTreeWidget;
    lstVorschlaege->setObjectName(QStringLiteral("lstVorschlaege"));
    lstVorschlaege->setRootIsDecorated(false);
    lstVorschlaege->setUniformRowHeights(true);
    lstVorschlaege->setHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Gegnergruppe"), QStringLiteral("Siege der Helden"),
                                     QStringLiteral("Verluste"), QStringLiteral("Runden")});
    lstVorschlaege->setItemDelegateForColumn(SpalteSiege, new Balkenzelle(lstVorschlaege));
    // The group takes the width the others leave.
    lstVorschlaege->header()->setStretchLastSection(false);
    lstVorschlaege->header()->setSectionResizeMode(SpalteGruppe, QHeaderView::Stretch);
    lstVorschlaege->setColumnWidth(SpalteNummer, 36);
    lstVorschlaege->setColumnWidth(SpalteSiege, 270);
    lstVorschlaege->setColumnWidth(SpalteVerluste, 70);
    lstVorschlaege->setColumnWidth(SpalteRunden, 60);
    lstVorschlaege->setToolTip(QStringLiteral("Verluste: Kämpfe, in denen mindestens ein Held unter 1 LE fällt. "
                                              "Ein Doppelklick übernimmt den Vorschlag als Gegnergruppe."));
    layout->addWidget(lstVorschlaege, 1);
    lblStatus = new QLabel;
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    layout->addWidget(lblStatus);

    auto* knoepfe = new QDialogButtonBox;
    cmdUebernehmen = knoepfe->addButton(QStringLiteral("Ü&bernehmen"), QDialogButtonBox::AcceptRole);
    cmdUebernehmen->setObjectName(QStringLiteral("cmdUebernehmen"));
    cmdSchliessen = knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    cmdSchliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    layout->addWidget(knoepfe);

    connect(cmdSuchen, &QPushButton::clicked, this, &frmGegnervorschlag::cmdSuchen_Click);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &frmGegnervorschlag::cmdAbbrechen_Click);
    connect(cmdUebernehmen, &QPushButton::clicked, this, &frmGegnervorschlag::cmdUebernehmen_Click);
    connect(cmdSchliessen, &QPushButton::clicked, this, &frmGegnervorschlag::reject);
    connect(lstVorschlaege, &QTreeWidget::itemDoubleClicked, this, [this] { cmdUebernehmen_Click(); });
    connect(lstVorschlaege, &QTreeWidget::currentItemChanged, this, [this] { KnoepfeAktualisieren(); });
    m_uhr = new QTimer(this);
    m_uhr->setInterval(50);
    connect(m_uhr, &QTimer::timeout, this, &frmGegnervorschlag::Verfolgen);
    lblStatus->setText(QStringLiteral("„Vorschlagen“ sucht die Gruppen; jede wird mit %1 Kämpfen bestätigt.").arg(m_kaempfe));
    KnoepfeAktualisieren();
}

// A search still working is stopped, and its threads waited for, before the dialog goes.
frmGegnervorschlag::~frmGegnervorschlag() = default;

const Vorschlaege::Vorschlag* frmGegnervorschlag::Gewaehlt() const
{
    if (!m_ergebnis || m_gewaehlt < 0 || m_gewaehlt >= m_ergebnis->Vorschlaege.size())
        return nullptr;
    return &m_ergebnis->Vorschlaege[m_gewaehlt];
}

void frmGegnervorschlag::KnoepfeAktualisieren()
{
    bool kategorie = false;
    for (const QCheckBox* box : m_kategorien)
        kategorie = kategorie || box->isChecked();
    const bool frei = !m_suche;
    cmdSuchen->setEnabled(frei && !m_helden.isEmpty() && (kategorie || m_kategorien.isEmpty()));
    cmdAbbrechen->setEnabled(!frei);
    cmdUebernehmen->setEnabled(frei && lstVorschlaege->currentItem() != nullptr);
    for (QWidget* feld : std::initializer_list<QWidget*>{sldZiel, spnZiel, spnSpanne, spnHoechstens})
        feld->setEnabled(frei);
    for (QCheckBox* box : m_kategorien)
        box->setEnabled(frei);
}

void frmGegnervorschlag::cmdSuchen_Click()
{
    if (m_suche || m_helden.isEmpty())
        return;
    const Subs::Ganzzahleingabe kaempfe =
        Subs::GanzzahlLesen(m_kaempfe, 1, Gewinnchancen::HoechsteKaempfe, QStringLiteral("die Zahl der Kämpfe"));
    if (!kaempfe.Ok) {
        Dialoge::Warnung(kaempfe.Meldung);
        return;
    }
    quint64 saat = 0;
    if (m_seed.trimmed().isEmpty()) {
        saat = Zufall::NeueSaat();
    } else {
        const Subs::Ganzzahleingabe eingabe =
            Subs::GanzzahlLesen(m_seed, 0, qint64(Zufall::HoechsteSaat), QStringLiteral("den Seed"));
        if (!eingabe.Ok) {
            Dialoge::Warnung(eingabe.Meldung);
            return;
        }
        saat = quint64(eingabe.Wert);
    }
    // All boxes: every kind, those without a category too; otherwise the kinds of the boxes chosen.
    QStringList kategorien;
    bool alle = true;
    for (const QCheckBox* box : m_kategorien) {
        if (box->isChecked())
            kategorien.append(box->text());
        else
            alle = false;
    }
    if (alle)
        kategorien.clear();
    m_anfrage = Vorschlaege::Anfrage();
    m_anfrage.Helden = m_helden;
    m_anfrage.Ziel = spnZiel->value();
    m_anfrage.Spanne = spnSpanne->value();
    m_anfrage.Hoechstens = spnHoechstens->value();
    m_anfrage.Kaempfe = kaempfe.Wert;
    m_anfrage.Saat = saat;
    m_ergebnis.reset();
    m_gewaehlt = -1;
    lstVorschlaege->clear();
    m_suche = std::make_unique<Vorschlaege::Hintergrundsuche>(m_anfrage, Vorschlaege::Arten(m_kreaturen, kategorien));
    Bar->setRange(0, 1);
    Bar->setValue(0);
    lblStatus->setText(QStringLiteral("Die Gruppen werden gesucht und mit je %1 Kämpfen bestätigt (Seed %2) …")
                           .arg(Subs::Tausender(m_anfrage.Kaempfe))
                           .arg(saat));
    KnoepfeAktualisieren();
    m_uhr->start();
}

void frmGegnervorschlag::Verfolgen()
{
    if (!m_suche) {
        m_uhr->stop();
        return;
    }
    Bar->setRange(0, 1000);
    Bar->setValue(int(std::lround(1000 * m_suche->Anteil())));
    if (!m_suche->Fertig())
        return;
    SucheBeenden();
}

void frmGegnervorschlag::SucheBeenden()
{
    m_uhr->stop();
    m_ergebnis = m_suche->Abholen();
    m_suche.reset();
    if (!m_ergebnis) {
        Bar->setRange(0, 1);
        Bar->setValue(0);
        lblStatus->setText(QStringLiteral("Die Suche wurde abgebrochen."));
    } else {
        // A finished search shows its bar full.
        Bar->setRange(0, 1);
        Bar->setValue(1);
        ListeFuellen();
    }
    KnoepfeAktualisieren();
}

void frmGegnervorschlag::ListeFuellen()
{
    lstVorschlaege->clear();
    const QList<Vorschlaege::Vorschlag>& vorschlaege = m_ergebnis->Vorschlaege;
    for (qsizetype i = 0; i < vorschlaege.size(); ++i) {
        const Vorschlaege::Vorschlag& v = vorschlaege[i];
        const Gewinnchancen::Anteil sieg = v.Ergebnis.Sieg(Sieger::Helden);
        auto* eintrag = new QTreeWidgetItem(lstVorschlaege);
        eintrag->setText(SpalteNummer, QString::number(i + 1));
        eintrag->setText(SpalteGruppe, v.Text);
        eintrag->setToolTip(SpalteGruppe, v.Text);
        eintrag->setText(SpalteSiege, Gewinnchancen::Prozent(sieg.Wert) + QStringLiteral(" (")
                                          + Gewinnchancen::Prozent(sieg.Unten).chopped(2) + QStringLiteral("–")
                                          + Gewinnchancen::Prozent(sieg.Oben).chopped(2) + QLatin1Char(')'));
        eintrag->setData(SpalteSiege, RolleWert, sieg.Wert);
        eintrag->setData(SpalteSiege, RolleUnten, sieg.Unten);
        eintrag->setData(SpalteSiege, RolleOben, sieg.Oben);
        eintrag->setText(SpalteVerluste, Gewinnchancen::Prozent(v.Ergebnis.Verlust().Wert));
        eintrag->setText(SpalteRunden, Gewinnchancen::Dezimal(v.Ergebnis.RundenMittel()));
    }
    if (vorschlaege.isEmpty()) {
        lblStatus->setText(Vorschlaege::Leermeldung(m_anfrage, *m_ergebnis));
        return;
    }
    lstVorschlaege->setCurrentItem(lstVorschlaege->topLevelItem(0));
    lblStatus->setText(QStringLiteral("%1 Vorschläge, jeder mit %2 Kämpfen bestätigt (Seed %3). „Übernehmen“ oder ein "
                                      "Doppelklick setzt den gewählten als Gegnergruppe ein.")
                           .arg(vorschlaege.size())
                           .arg(Subs::Tausender(m_anfrage.Kaempfe))
                           .arg(m_anfrage.Saat));
}

void frmGegnervorschlag::cmdAbbrechen_Click()
{
    if (!m_suche)
        return;
    // The threads look at the wish between fights and once a pass, so waiting for them here is short, and
    // the dialog is free again at once rather than at the next look of the timer.
    m_suche->Abbrechen();
    SucheBeenden();
}

void frmGegnervorschlag::cmdUebernehmen_Click()
{
    if (m_suche || !m_ergebnis || !lstVorschlaege->currentItem())
        return;
    m_gewaehlt = lstVorschlaege->indexOfTopLevelItem(lstVorschlaege->currentItem());
    if (Gewaehlt())
        accept();
}

void frmGegnervorschlag::reject()
{
    m_uhr->stop();
    m_suche.reset();
    QDialog::reject();
}
