#include "frmCityExplorer.h"

#include "Dialoge.h"
#include "Pfad.h"
#include "Stadtkarte.h"
#include "Variablen.h"

#include <QLabel>
#include <QMouseEvent>
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

    picInnen = new QLabel;
    picInnen->setObjectName(QStringLiteral("picInnen"));
    const QPixmap karte(Pfad::Verbinden(Variablen::DataPfad, CityEngine::Kartenbild));
    m_karteGeladen = !karte.isNull();
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
    layout->addWidget(picKarten);
    resize(900, 650);
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
