#include "Fenster.h"

#include "Dialoge.h"
#include "Pfad.h"
#include "QtDialoge.h"
#include "QtShell.h"
#include "Shell.h"
#include "Variablen.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QWidget>

#include <cstdio>
#include <future>
#include <mutex>

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
    Hintergrund(QWidget* widget, const Bildanfrage& anfrage) : QObject(widget), m_anfrage(anfrage) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint) {
            if (m_bild.isNull() && !m_gelesen) {
                m_bild = m_anfrage.Ergebnis();
                m_gelesen = true;
            }
            if (m_bild.isNull())
                return false;
            // Drawn scaled into the area being painted only: a window-sized copy of the scaled picture
            // would cost more memory and time than the few pixels around the controls that show it.
            auto* widget = static_cast<QWidget*>(objekt);
            QPainter maler(widget);
            maler.setRenderHint(QPainter::SmoothPixmapTransform);
            maler.drawImage(QRect(QPoint(0, 0), m_bild.size().scaled(widget->size(), Qt::KeepAspectRatioByExpanding)),
                            m_bild);
        }
        return false;
    }

private:
    Bildanfrage m_anfrage;
    bool m_gelesen = false;
    QImage m_bild;
};

struct Aufschub {
    QPointer<QObject> besitzer;
    std::function<void()> arbeit;
};

bool& StartLaeuft()
{
    static bool laeuft = false;
    return laeuft;
}

QList<Aufschub>& Aufschuebe()
{
    static QList<Aufschub> liste;
    return liste;
}

// Runs the waiting work of one owner, or of all; each piece is taken off the list before it runs.
void AufschuebeAusfuehren(const QObject* nur)
{
    for (qsizetype i = 0; i < Aufschuebe().size();) {
        const Aufschub& a = Aufschuebe()[i];
        if (nur && a.besitzer != nur) {
            ++i;
            continue;
        }
        const QPointer<QObject> besitzer = a.besitzer;
        const std::function<void()> arbeit = a.arbeit;
        Aufschuebe().removeAt(i);
        if (besitzer)
            arbeit();
    }
}

// Once the main window has painted itself for the first time, the work that waited for it runs. For the
// start benchmarks (WERKBUND_STARTMESSUNG set) one line on standard output marks that moment first, and the
// program ends afterwards; the benchmark's bare Qt window marks its first paint the same way.
class ErstesBild : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint && !m_gemalt) {
            m_gemalt = true;
            QTimer::singleShot(0, qApp, [] {
                const bool messung = qEnvironmentVariableIsSet("WERKBUND_STARTMESSUNG");
                if (messung) {
                    std::fputs("Fenster gezeigt\n", stdout);
                    std::fflush(stdout);
                }
                StartLaeuft() = false;
                AufschuebeAusfuehren(nullptr);
                if (messung)
                    QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    bool m_gemalt = false;
};

} // namespace

void UiEinrichten()
{
    // The suite's texts are German, Latin script: the full text shaper changes nothing for them and costs
    // more than the rest of painting a list. One font for all widgets also keeps one glyph cache.
    QFont schrift = QApplication::font();
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(schrift);
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

struct Bildanfrage::Zustand {
    std::future<QImage> lesen;
    QImage bild;
    std::once_flag einmal;
};

Bildanfrage Bildanfrage::Starten(const QString& name)
{
    Bildanfrage anfrage;
    anfrage.m_zustand = std::make_shared<Zustand>();
    // The path is found here; only the decoding runs on the worker.
    const QString pfad = Pfad::Verbinden(Variablen::GfxPfad, name);
    anfrage.m_zustand->lesen = std::async(std::launch::async, [pfad] { return QImage(pfad); });
    return anfrage;
}

QImage Bildanfrage::Ergebnis() const
{
    if (!m_zustand)
        return QImage();
    std::call_once(m_zustand->einmal, [this] { m_zustand->bild = m_zustand->lesen.get(); });
    return m_zustand->bild;
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
    widget->installEventFilter(new Hintergrund(widget, Bildanfrage::Starten(bild)));
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
    hauptfenster.installEventFilter(new ErstesBild(&hauptfenster));
    hauptfenster.show();
    const int ergebnis = QApplication::exec();
    if (!qEnvironmentVariableIsSet("WERKBUND_STARTMESSUNG"))
        LageSichern(hauptfenster, Programmname());
    return ergebnis;
}

void StartBeginnen()
{
    StartLaeuft() = true;
}

void Spaeter(QObject* besitzer, std::function<void()> arbeit)
{
    if (!StartLaeuft()) {
        arbeit();
        return;
    }
    Aufschuebe().append({besitzer, std::move(arbeit)});
}

void FenstersymbolSetzen(QWidget* fenster, const QString& name)
{
    Spaeter(fenster, [fenster, name] { fenster->setWindowIcon(Symbol(name)); });
}

void Nachholen(const QObject* besitzer)
{
    AufschuebeAusfuehren(besitzer);
}

QString ArrayName(const QString& name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

void Status(QWidget* fenster, const QString& text, int ms)
{
    QStatusBar* leiste = nullptr;
    if (auto* haupt = qobject_cast<QMainWindow*>(fenster)) {
        leiste = haupt->statusBar();
    } else {
        leiste = fenster->findChild<QStatusBar*>(QStringLiteral("Statuszeile"), Qt::FindDirectChildrenOnly);
        if (!leiste) {
            leiste = new QStatusBar(fenster);
            leiste->setObjectName(QStringLiteral("Statuszeile"));
            leiste->setSizeGripEnabled(false);
            if (auto* box = qobject_cast<QBoxLayout*>(fenster->layout()))
                box->addWidget(leiste);
            else if (auto* raster = qobject_cast<QGridLayout*>(fenster->layout()))
                raster->addWidget(leiste, raster->rowCount(), 0, 1, raster->columnCount());
        }
    }
    leiste->showMessage(text, ms);
}

} // namespace Fenster
