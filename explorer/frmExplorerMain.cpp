#include "frmExplorerMain.h"

#include "Dateien.h"
#include "Dateiwaechter.h"
#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "Fenster.h"
#include "Kartenzeichnung.h"
#include "Subs.h"
#include "Variablen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <future>

using KartenEngine::Karte;

namespace {

// The map surface: shows the window's current map picture at its own size.
class Kartenflaeche : public QWidget {
public:
    Kartenflaeche(const QImage& bild, QWidget* eltern) : QWidget(eltern), m_bild(bild)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* ereignis) override
    {
        QPainter maler(this);
        maler.drawImage(ereignis->rect(), m_bild, ereignis->rect());
    }

private:
    const QImage& m_bild;
};

constexpr int Knopfgroesse = 32;
constexpr int Tafelbreite = 260;

QLabel* Tafelzeile(const QString& name, QWidget* eltern)
{
    auto* zeile = new QLabel(eltern);
    zeile->setObjectName(name);
    zeile->setWordWrap(true);
    // A long name or temple list wraps inside the panel instead of widening the window.
    zeile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    zeile->setTextFormat(Qt::PlainText);
    return zeile;
}

} // namespace

frmExplorerMain::frmExplorerMain(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("frmExplorerMain"));
    Variablen::Programmtitel = QStringLiteral("Kartenblick 3");
    setWindowTitle(Fenster::Titel(QStringLiteral(" - Die Werkbund3 Kartenverwaltung")));
    Fenster::FenstersymbolSetzen(this, QStringLiteral("\\Kartenblick3.ico"));
    Fenster::HintergrundSetzen(this, QStringLiteral("\\Kartenblick3.jpg"));

    cmdAventurienGross = Fenster::Werkzeugknopf(QStringLiteral("cmdAventurienGross"), QStringLiteral("\\Kartenblick3.ico"),
                                                QStringLiteral("Grosse Übersichtskarte Aventuriens"), Knopfgroesse, this);
    cmdAventurienKlein = Fenster::Werkzeugknopf(QStringLiteral("cmdAventurienKlein"), QStringLiteral("\\ExplorerKlein.bmp"),
                                                QStringLiteral("Kleine Übersichtskarte Aventuriens"), Knopfgroesse, this);
    cmdDelete = Fenster::Werkzeugknopf(QStringLiteral("cmdDelete"), QStringLiteral("\\Delete.bmp"),
                                       QStringLiteral("Karte leeren"), Knopfgroesse, this);
    cmdHilfe = Fenster::Werkzeugknopf(QStringLiteral("cmdHilfe"), QStringLiteral("\\HelpKlein.bmp"), QStringLiteral("Hilfe"),
                                      Knopfgroesse, this);

    cmbCitySearch = new QComboBox(this);
    cmbCitySearch->setObjectName(QStringLiteral("cmbCitySearch"));
    cmbCitySearch->setToolTip(QStringLiteral("Zeigt die gewählte Stadt auf der Karte an"));
    cmbCitySearch->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbCitySearch->setMinimumContentsLength(22);
    cmbCitySearch->setMaxVisibleItems(20);
    cmbCitySearch->setEnabled(false);

    lblEntfernung = new QLabel(KartenEngine::EntfernungLeer, this);
    lblEntfernung->setObjectName(QStringLiteral("lblEntfernung"));
    lblEntfernung->setMinimumWidth(lblEntfernung->fontMetrics().horizontalAdvance(QStringLiteral("Entfernung: 000000 Meilen")));
    lblEntfernung->setAutoFillBackground(true);
    lblEntfernung->setContentsMargins(4, 2, 4, 2);

    auto* leiste = new QHBoxLayout;
    leiste->setSpacing(4);
    leiste->addWidget(cmdAventurienGross);
    leiste->addWidget(cmdAventurienKlein);
    leiste->addWidget(cmdDelete);
    leiste->addSpacing(8);
    leiste->addWidget(cmbCitySearch);
    leiste->addSpacing(8);
    leiste->addWidget(lblEntfernung);
    leiste->addStretch(1);
    leiste->addWidget(cmdHilfe);

    // The map area: the frame picKarten with the surface picInnen and the two bars, placed by
    // BildlaufAnpassen whenever the area changes size.
    m_kartenbereich = new QWidget(this);
    m_kartenbereich->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_kartenbereich->setMinimumSize(120, 120);
    m_kartenbereich->installEventFilter(this);
    picKarten = new QWidget(m_kartenbereich);
    picKarten->setObjectName(QStringLiteral("picKarten"));
    // Around a map smaller than the frame the window's own background shows.
    picKarten->setAutoFillBackground(false);
    picInnen = new Kartenflaeche(m_bild, picKarten);
    picInnen->setObjectName(QStringLiteral("picInnen"));
    picInnen->setCursor(Qt::CrossCursor);
    picInnen->installEventFilter(this);
    hscKarte = new QScrollBar(Qt::Horizontal, m_kartenbereich);
    hscKarte->setObjectName(QStringLiteral("hscKarte"));
    vscKarte = new QScrollBar(Qt::Vertical, m_kartenbereich);
    vscKarte->setObjectName(QStringLiteral("vscKarte"));
    picKarten->hide();
    hscKarte->hide();
    vscKarte->hide();

    frmInfos = new QGroupBox(QStringLiteral("Informationen"), this);
    frmInfos->setObjectName(QStringLiteral("frmInfos"));
    frmInfos->setFixedWidth(Tafelbreite);
    frmInfos->setAutoFillBackground(true);
    lblName = Tafelzeile(QStringLiteral("lblName"), frmInfos);
    QFont fett = lblName->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.2);
    lblName->setFont(fett);
    lblEinwohner = Tafelzeile(QStringLiteral("lblEinwohner"), frmInfos);
    lblTempel = Tafelzeile(QStringLiteral("lblTempel"), frmInfos);
    imgCityPic = new QLabel(frmInfos);
    imgCityPic->setObjectName(QStringLiteral("imgCityPic"));
    imgCityPic->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imgCityPic->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* tafel = new QVBoxLayout(frmInfos);
    tafel->addWidget(lblName);
    tafel->addWidget(lblEinwohner);
    tafel->addWidget(lblTempel);
    tafel->addSpacing(6);
    tafel->addWidget(imgCityPic);
    tafel->addStretch(1);
    frmInfos->hide();

    auto* unten = new QHBoxLayout;
    unten->addWidget(m_kartenbereich, 1);
    unten->addWidget(frmInfos);
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(6, 6, 6, 6);
    haupt->addLayout(leiste);
    haupt->addLayout(unten, 1);

    connect(cmdAventurienGross, &QToolButton::clicked, this, &frmExplorerMain::cmdAventurienGross_Click);
    connect(cmdAventurienKlein, &QToolButton::clicked, this, &frmExplorerMain::cmdAventurienKlein_Click);
    connect(cmdDelete, &QToolButton::clicked, this, &frmExplorerMain::cmdDelete_Click);
    connect(cmdHilfe, &QToolButton::clicked, this, &frmExplorerMain::cmdHilfe_Click);
    connect(cmbCitySearch, &QComboBox::activated, this, &frmExplorerMain::cmbCitySearch_Click);
    connect(hscKarte, &QScrollBar::valueChanged, this, &frmExplorerMain::hscKarte_Change);
    connect(vscKarte, &QScrollBar::valueChanged, this, &frmExplorerMain::vscKarte_Change);

    // Start: the city list in file order, nothing chosen. No map shows before one is chosen: both are decoded
    // side by side once the window has shown (or at once, when a map is chosen before that), so they do not
    // hold up the first paint, and a map that cannot be read is told then.
    struct Kartenbild {
        QImage bild;
        QString grund;
        QString pfad;
    };
    const auto lesen = [](Karte karte) {
        Kartenbild k;
        k.pfad = KartenEngine::Bildpfad(karte);
        k.bild = Kartenzeichnung::BildLaden(k.pfad, &k.grund);
        return k;
    };
    m_liste = Dateien::Stand(ExplorerEngine::ListenDatei());
    m_register = Dateien::Stand(ExplorerEngine::StaedteDatei());
    const KartenEngine::Staedte staedte = KartenEngine::ListeLaden();
    cmbCitySearch->addItems(staedte.Namen);
    cmbCitySearch->setCurrentIndex(-1);
    // The city tool may place or remove a city while this window is open.
    m_waechter = new Dateiwaechter(this);
    connect(m_waechter, &Dateiwaechter::Geaendert, this, &frmExplorerMain::RegisterGeaendert);
    m_waechter->Beobachten(ExplorerEngine::ListenDatei(), [this] { return m_liste; });
    m_waechter->Beobachten(ExplorerEngine::StaedteDatei(), [this] { return m_register; });
    KartenEngine::RegisterVorlesen();
    Kartenzeichnung::SchriftVorbereiten();
    QStringList meldungen;
    if (!staedte.Meldung.isEmpty())
        meldungen.append(staedte.Meldung);
    const QString registerMeldung = KartenEngine::RegisterMeldung();
    if (!registerMeldung.isEmpty())
        meldungen.append(registerMeldung);
    Fenster::Spaeter(this, [this, lesen, meldungen]() mutable {
        // The large map on a worker thread, the small one here.
        std::future<Kartenbild> gross = std::async(std::launch::async, lesen, Karte::Gross);
        const Kartenbild klein = lesen(Karte::Klein);
        const auto nehmen = [&meldungen](const Kartenbild& k, QImage& halter, QToolButton* knopf) {
            halter = k.bild;
            if (halter.isNull()) {
                knopf->setEnabled(false);
                meldungen.append(QStringLiteral("Das Kartenbild %1 konnte nicht geladen werden: %2. Diese Karte steht "
                                                "nicht zur Verfügung.")
                                     .arg(Dateien::Anzeigename(k.pfad), k.grund));
            }
        };
        nehmen(gross.get(), imgTempAventurienGross, cmdAventurienGross);
        nehmen(klein, imgTempAventurienKlein, cmdAventurienKlein);
        if (!meldungen.isEmpty())
            Dialoge::Warnung(meldungen.join(QStringLiteral("\n\n")));
    });

    resize(900, 680);

    // Keys as on any desktop; each button's tooltip names its key.
    Fenster::Taste(this, QKeySequence::HelpContents, {cmdHilfe});
    Fenster::BeendenTaste(this);
}

void frmExplorerMain::RegisterGeaendert()
{
    m_liste = Dateien::Stand(ExplorerEngine::ListenDatei());
    m_register = Dateien::Stand(ExplorerEngine::StaedteDatei());
    const QString gewaehlt = cmbCitySearch->currentText();
    const KartenEngine::Staedte staedte = KartenEngine::ListeLaden();
    {
        const QSignalBlocker sperre(cmbCitySearch);
        cmbCitySearch->clear();
        cmbCitySearch->addItems(staedte.Namen);
        cmbCitySearch->setCurrentIndex(cmbCitySearch->findText(gewaehlt, Qt::MatchExactly));
    }
    // The chosen city is marked again where it stands now; a removed one leaves the map unmarked.
    if (m_modus != Karte::Keine) {
        m_bild = (m_modus == Karte::Gross ? imgTempAventurienGross : imgTempAventurienKlein).copy();
        picInnen->update();
        StadtMarkieren();
    }
    Fenster::Status(this, QStringLiteral("Die Städteliste wurde in einem anderen Programm geändert und neu geladen."), 15000);
}

void frmExplorerMain::cmdAventurienGross_Click()
{
    KarteZeigen(Karte::Gross);
}

void frmExplorerMain::cmdAventurienKlein_Click()
{
    KarteZeigen(Karte::Klein);
}

void frmExplorerMain::KarteZeigen(Karte karte)
{
    Fenster::Nachholen(this);
    const QImage& unmarkiert = karte == Karte::Gross ? imgTempAventurienGross : imgTempAventurienKlein;
    if (unmarkiert.isNull())
        return;
    // A distance measured on the other map means nothing on this one.
    if (karte != m_modus)
        lblEntfernung->setText(KartenEngine::EntfernungLeer);
    m_modus = karte;
    // A copy of its own now, not at the first marker: choosing a city stays quick.
    m_bild = unmarkiert.copy();
    picInnen->resize(m_bild.size());
    picKarten->show();
    picInnen->show();
    picInnen->update();
    cmbCitySearch->setEnabled(true);
    frmInfos->setVisible(karte == Karte::Klein);
    // The panel takes or gives back room at once, so the bars below fit the new map area.
    if (layout())
        layout()->activate();
    BildlaufAnpassen();
    m_messung.Misst = false;
    StadtMarkieren();
}

void frmExplorerMain::cmdDelete_Click()
{
    if (m_modus == Karte::Keine)
        return;
    m_bild = (m_modus == Karte::Gross ? imgTempAventurienGross : imgTempAventurienKlein).copy();
    picInnen->update();
}

void frmExplorerMain::cmdHilfe_Click()
{
    Subs::HilfeOeffnen(Variablen::HilfePfad + QStringLiteral("\\Explorer.htm"));
}

void frmExplorerMain::cmbCitySearch_Click()
{
    StadtMarkieren();
}

void frmExplorerMain::StadtMarkieren()
{
    const QString name = cmbCitySearch->currentText();
    if (m_modus == Karte::Keine || name.isEmpty())
        return;
    const ExplorerEngine::Kartenstadt stadt = ExplorerEngine::StadtLesen(name);
    const QRect bereich = Kartenzeichnung::Markieren(m_bild, stadt, m_modus);
    if (!bereich.isEmpty())
        picInnen->update(bereich);
    // The map scrolls to the city when it lies outside the frame.
    const KartenEngine::Markierung m = KartenEngine::MarkierungBerechnen(stadt, m_modus);
    if (m.Sichtbar) {
        const qint64 x = m.X / ExplorerEngine::Kartenmassstab;
        const qint64 y = m.Y / ExplorerEngine::Kartenmassstab;
        hscKarte->setValue(KartenEngine::Bildlauf(x, hscKarte->value(), picKarten->width(), hscKarte->maximum()));
        vscKarte->setValue(KartenEngine::Bildlauf(y, vscKarte->value(), picKarten->height(), vscKarte->maximum()));
    }
    if (m_modus == Karte::Klein)
        TafelFuellen(stadt);
}

void frmExplorerMain::TafelFuellen(const ExplorerEngine::Kartenstadt& stadt)
{
    const KartenEngine::Tafel tafel = KartenEngine::TafelTexte(stadt);
    lblName->setText(tafel.Name);
    lblEinwohner->setText(tafel.Einwohner);
    lblTempel->setText(tafel.Tempel);
    // A missing or unreadable city picture leaves the place empty.
    const QImage bild = tafel.Bild.isEmpty() ? QImage() : Kartenzeichnung::BildLaden(tafel.Bild);
    if (bild.isNull()) {
        imgCityPic->clear();
        return;
    }
    const int breite = Tafelbreite - 24;
    imgCityPic->setPixmap(QPixmap::fromImage(bild.width() > breite ? bild.scaledToWidth(breite, Qt::SmoothTransformation)
                                                                   : bild));
}

void frmExplorerMain::BildlaufAnpassen()
{
    if (m_modus == Karte::Keine)
        return;
    const int dicke = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, hscKarte);
    const KartenEngine::Rahmen r = KartenEngine::RahmenBerechnen(m_kartenbereich->width(), m_kartenbereich->height(),
                                                                 m_bild.width(), m_bild.height(), dicke);
    picKarten->setGeometry(0, 0, r.Breite, r.Hoehe);
    const auto einrichten = [](QScrollBar* leiste, const KartenEngine::Laufleiste& l, const QRect& ort) {
        leiste->setGeometry(ort);
        leiste->setRange(0, l.Maximum);
        leiste->setSingleStep(l.Schritt);
        leiste->setPageStep(l.Seite);
        leiste->setVisible(l.Sichtbar);
    };
    einrichten(hscKarte, r.Waagrecht, QRect(0, r.Hoehe, r.Breite, dicke));
    einrichten(vscKarte, r.Senkrecht, QRect(r.Breite, 0, dicke, r.Hoehe));
    // setRange clamps the values; the surface follows them either way.
    picInnen->move(-hscKarte->value(), -vscKarte->value());
}

void frmExplorerMain::hscKarte_Change(int wert)
{
    picInnen->move(-wert, picInnen->y());
}

void frmExplorerMain::vscKarte_Change(int wert)
{
    picInnen->move(picInnen->x(), -wert);
}

void frmExplorerMain::picInnen_MouseDown(const QPointF& stelle)
{
    const KartenEngine::Punkt punkt{KartenEngine::Klickposition(stelle.x()), KartenEngine::Klickposition(stelle.y())};
    const std::optional<QString> text = KartenEngine::Druecken(m_messung, punkt, m_modus);
    if (text)
        lblEntfernung->setText(*text);
}

void frmExplorerMain::picInnen_DblClick()
{
    Dialoge::Aktuell().Meldung(QStringLiteral("b"), Dialoge::Knoepfe::OK, Dialoge::Symbol::Keins, Variablen::Programmtitel);
}

bool frmExplorerMain::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == m_kartenbereich && ereignis->type() == QEvent::Resize) {
        BildlaufAnpassen();
        return false;
    }
    if (objekt == picInnen) {
        switch (ereignis->type()) {
        case QEvent::MouseButtonPress: {
            // A double click counts as one press, its first: the second press is no measuring press.
            auto* maus = static_cast<QMouseEvent*>(ereignis);
            if (!maus->flags().testFlag(Qt::MouseEventCreatedDoubleClick))
                picInnen_MouseDown(maus->position());
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // Handled here, not by QWidget, whose default would pass it on as another press.
            picInnen_DblClick();
            return true;
        case QEvent::Wheel: {
            // The wheel scrolls the map as the bars would.
            auto* rad = static_cast<QWheelEvent*>(ereignis);
            QScrollBar* leiste = rad->angleDelta().y() != 0 && vscKarte->isVisible() ? vscKarte : hscKarte;
            if (leiste->isVisible())
                QCoreApplication::sendEvent(leiste, ereignis);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}
