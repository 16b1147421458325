#include "Fenster.h"

#include "Dialoge.h"
#include "Pfad.h"
#include "QtDialoge.h"
#include "QtShell.h"
#include "Shell.h"
#include "Variablen.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <QToolButton>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QPainter>
#include <QWidget>

namespace Fenster {

namespace {

std::function<int(QDialog&)>& Handler()
{
    static std::function<int(QDialog&)> handler;
    return handler;
}

// Paints a background picture behind the children of the widget it is installed on.
class Hintergrund : public QObject {
public:
    Hintergrund(QWidget* widget, const QPixmap& bild) : QObject(widget), m_bild(bild) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(objekt);
            // Scaled once per size, not on every repaint.
            if (m_skaliert.isNull() || m_groesse != widget->size()) {
                m_groesse = widget->size();
                m_skaliert = m_bild.scaled(m_groesse, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
            }
            QPainter maler(widget);
            maler.drawPixmap(0, 0, m_skaliert);
        }
        return false;
    }

private:
    QPixmap m_bild;
    QPixmap m_skaliert;
    QSize m_groesse;
};

} // namespace

void UiEinrichten()
{
    static QtDialoge dialoge;
    static QtShell shell;
    Dialoge::Setzen(&dialoge);
    Shell::Setzen(&shell);
    // Qt's own dialogs (file, print, input) speak German whatever the system's language is.
    static QTranslator uebersetzung;
    if (uebersetzung.isEmpty()
        && uebersetzung.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&uebersetzung);
}

QPixmap Bild(const QString& name)
{
    return QPixmap(Pfad::Verbinden(Variablen::GfxPfad, name));
}

QIcon Symbol(const QString& name)
{
    const QPixmap bild = Bild(name);
    return bild.isNull() ? QIcon() : QIcon(bild);
}

bool BildVorhanden(const QString& name)
{
    return QFileInfo(Pfad::Verbinden(Variablen::GfxPfad, name)).isFile();
}

QToolButton* Werkzeugknopf(const QString& name, const QString& bild, const QString& tipp, int groesse, QWidget* eltern)
{
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(name);
    knopf->setText(tipp);
    knopf->setToolTip(tipp);
    const QIcon symbol = Symbol(bild);
    knopf->setIcon(symbol);
    knopf->setIconSize(QSize(groesse, groesse));
    knopf->setAutoRaise(true);
    knopf->setToolButtonStyle(symbol.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    return knopf;
}

QString Titel(const QString& untertitel)
{
    return Variablen::Programmtitel + QStringLiteral(" v") + Variablen::Programmversion + untertitel;
}

void AuswahlBegrenzen(QComboBox* box, int zeichen)
{
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(zeichen);
}

void HintergrundSetzen(QWidget* widget, const QString& bild)
{
    const QPixmap pixmap = Bild(bild);
    if (pixmap.isNull())
        return;
    widget->installEventFilter(new Hintergrund(widget, pixmap));
    widget->update();
}

int ModalAusfuehren(QDialog& dialog)
{
    if (Handler())
        return Handler()(dialog);
    Kurztasten(&dialog);
    // A dialog the user can resize comes back at the size it was left at.
    const bool veraenderbar = dialog.minimumSize() != dialog.maximumSize() && !dialog.objectName().isEmpty();
    const QString schluessel = Programmname() + QLatin1Char('.') + dialog.objectName();
    if (veraenderbar)
        LageLaden(dialog, schluessel);
    const int ergebnis = dialog.exec();
    if (veraenderbar)
        LageSichern(dialog, schluessel);
    return ergebnis;
}

void ModalHandlerSetzen(std::function<int(QDialog&)> handler)
{
    Handler() = std::move(handler);
}

int Ausfuehren(QWidget& hauptfenster)
{
    Kurztasten(&hauptfenster);
    LageLaden(hauptfenster, Programmname());
    hauptfenster.show();
    if (qEnvironmentVariableIsSet("WERKBUND_STARTMESSUNG")) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QApplication::exec();
    }
    const int ergebnis = QApplication::exec();
    LageSichern(hauptfenster, Programmname());
    return ergebnis;
}

QString ArrayName(const QString& name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

} // namespace Fenster
