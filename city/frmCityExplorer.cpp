#include "frmCityExplorer.h"

#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "Stadt.h"
#include "Pfad.h"
#include "Stadtkarte.h"
#include "Variablen.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

frmCityExplorer::frmCityExplorer(CityEngine::Stadt& stadt, bool vorhanden, QWidget* eltern)
    : QDialog(eltern), m_stadt(stadt), m_vorhanden(vorhanden)
{
    setObjectName(QStringLiteral("frmCityExplorer"));
    setWindowTitle(Variablen::Programmtitel + QStringLiteral(" - Auf der Karte eintragen"));
    if (eltern)
        setWindowIcon(eltern->windowIcon());

    lblHinweis = new QLabel(QStringLiteral("Klickt auf die Stelle, an der „%1“ liegt. Die roten Punkte sind die Städte, "
                                           "die schon auf der Karte stehen.")
                                .arg(stadt.Name));
    lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    lblHinweis->setContentsMargins(8, 4, 8, 4);

    picInnen = new QLabel;
    picInnen->setObjectName(QStringLiteral("picInnen"));
    QPixmap karte(Pfad::Verbinden(Variablen::DataPfad, CityEngine::Kartenbild));
    m_karteGeladen = !karte.isNull();
    if (m_karteGeladen)
        StaedteMarkieren(karte);
    picInnen->setPixmap(karte);
    picInnen->setFixedSize(m_karteGeladen ? karte.size() : QSize(1, 1));
    picInnen->setCursor(Qt::CrossCursor);
    picInnen->installEventFilter(this);

    picKarten = new QScrollArea;
    picKarten->setObjectName(QStringLiteral("picKarten"));
    picKarten->setWidget(picInnen);
    picKarten->setWidgetResizable(false);
    picKarten->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    picKarten->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    picKarten->horizontalScrollBar()->setObjectName(QStringLiteral("hscKarte"));
    picKarten->verticalScrollBar()->setObjectName(QStringLiteral("vscKarte"));
    picKarten->horizontalScrollBar()->setSingleStep(20);
    picKarten->verticalScrollBar()->setSingleStep(20);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblHinweis);
    layout->addWidget(picKarten, 1);
    setMinimumSize(320, 240);
    setSizeGripEnabled(true);
    resize(900, 650);
}

void frmCityExplorer::StaedteMarkieren(QPixmap& karte) const
{
    // The cities already placed, so the new one finds its neighbours; the city itself stands out.
    QPainter maler(&karte);
    maler.setRenderHint(QPainter::Antialiasing);
    QFont schrift = maler.font();
    schrift.setPointSize(8);
    maler.setFont(schrift);
    for (const QString& name : ExplorerEngine::Staedteliste()) {
        const ExplorerEngine::Kartenstadt stadt = ExplorerEngine::StadtLesen(name);
        if (!stadt.HatPosition)
            continue;
        const QPointF punkt(double(stadt.X) / ExplorerEngine::Kartenmassstab, double(stadt.Y) / ExplorerEngine::Kartenmassstab);
        if (!QRectF(karte.rect()).contains(punkt))
            continue;
        const bool selbst = name.compare(m_stadt.Name.trimmed(), Qt::CaseInsensitive) == 0;
        maler.setPen(QPen(Qt::black, 1));
        maler.setBrush(selbst ? QColor(255, 210, 0) : QColor(200, 20, 20));
        maler.drawEllipse(punkt, 4, 4);
        maler.setPen(Qt::black);
        maler.drawText(punkt + QPointF(6, 4), name);
    }
}

bool frmCityExplorer::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == picInnen && ereignis->type() == QEvent::MouseButtonPress) {
        const QPoint stelle = static_cast<QMouseEvent*>(ereignis)->position().toPoint();
        picInnen_MouseDown(stelle.x(), stelle.y());
        return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmCityExplorer::picInnen_MouseDown(int x, int y)
{
    // A click only places the city on the real map picture.
    if (!m_karteGeladen || !Dialoge::Frage(CityEngine::Meldungen::Platzieren))
        return;
    QString fehler;
    if (!CityEngine::StadtPlatzieren(m_stadt, x, y, &fehler)) {
        Dialoge::Warnung(CityEngine::Meldungen::KarteNichtGeschrieben + QStringLiteral("\n\n") + fehler);
        reject();
        return;
    }
    accept();
}
