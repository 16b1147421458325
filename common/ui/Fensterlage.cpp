// Keys and remembered window geometry, shared by every window of the suite.
#include "Datensatzliste.h"
#include "Fenster.h"
#include "Subs.h"
#include "Variablen.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QTreeView>

namespace Fenster {

namespace {

const QString kAbschnitt = QStringLiteral("Fenster");

bool Bereit(const QAbstractButton* knopf, const QWidget* fenster)
{
    return knopf->isEnabled() && knopf->isVisibleTo(fenster);
}

// A tooltip without the key it may already name.
QString OhneTaste(const QString& tipp)
{
    const qsizetype klammer = tipp.lastIndexOf(QStringLiteral(" ("));
    return klammer > 0 && tipp.endsWith(QLatin1Char(')')) ? tipp.left(klammer) : tipp;
}

// What the button does, with its key: a button without a tooltip is named by its text.
void TastentippSetzen(QAbstractButton* knopf, const QKeySequence& folge)
{
    QString was = OhneTaste(knopf->toolTip());
    if (was.isEmpty()) {
        // The text without its mnemonic marks ("&&" is a plain "&").
        const QString text = knopf->text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size())
                ++i;
            was += text[i];
        }
    }
    const QString name = folge.toString(QKeySequence::NativeText);
    knopf->setToolTip(was.isEmpty() ? name : was + QStringLiteral(" (") + name + QLatin1Char(')'));
}

// The tab page a button lies on (the page of the innermost tab widget), or null for the window itself.
QWidget* Reiterseite(QWidget* widget, const QWidget* fenster)
{
    for (QWidget* w = widget; w && w != fenster; w = w->parentWidget()) {
        auto* stapel = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (stapel && qobject_cast<QTabWidget*>(stapel->parentWidget()))
            return w;
    }
    return nullptr;
}

// An Alt key that no button took does not type its letter into a text box.
class AlttastenFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() != QEvent::KeyPress)
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const Qt::KeyboardModifiers mod = taste->modifiers();
        if (!(mod & Qt::AltModifier) || (mod & (Qt::ControlModifier | Qt::MetaModifier)) || taste->text().isEmpty()
            || !taste->text().at(0).isPrint())
            return false;
        const auto* kombo = qobject_cast<QComboBox*>(objekt);
        return qobject_cast<QLineEdit*>(objekt) || qobject_cast<QPlainTextEdit*>(objekt) || qobject_cast<QTextEdit*>(objekt)
            || qobject_cast<QAbstractSpinBox*>(objekt) || (kombo && kombo->isEditable());
    }
};

QList<int> Zahlen(const QString& text)
{
    QList<int> zahlen;
    for (const QString& teil : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int zahl = teil.trimmed().toInt(&ok);
        if (!ok)
            return {};
        zahlen.append(zahl);
    }
    return zahlen;
}

QString Text(const QList<int>& zahlen)
{
    QStringList teile;
    for (const int zahl : zahlen)
        teile.append(QString::number(zahl));
    return teile.join(QLatin1Char(','));
}

// The lists whose column widths are remembered: every record list and every other tree view with a name,
// each with the header of its visible columns.
struct Liste {
    QString Name;
    QHeaderView* Kopf = nullptr;
    Datensatzliste* Datensaetze = nullptr;
};

QList<Liste> Listen(const QWidget& fenster)
{
    QList<Liste> listen;
    for (Datensatzliste* liste : fenster.findChildren<Datensatzliste*>())
        if (!liste->objectName().isEmpty() && liste->window() == &fenster)
            listen.append({liste->objectName(), liste->Kopf(), liste});
    for (QTreeView* liste : fenster.findChildren<QTreeView*>())
        if (!liste->objectName().isEmpty() && liste->window() == &fenster)
            listen.append({liste->objectName(), liste->header(), nullptr});
    return listen;
}

void Zentrieren(QWidget& fenster, const QRect& flaeche)
{
    // A window nobody sized yet takes the size its layout asks for, as it would at show().
    if (!fenster.testAttribute(Qt::WA_Resized))
        fenster.adjustSize();
    const QSize groesse = fenster.size().boundedTo(flaeche.size());
    fenster.resize(groesse);
    fenster.move(flaeche.center() - QPoint(groesse.width() / 2, groesse.height() / 2));
}

} // namespace

void Taste(QWidget* fenster, QKeySequence::StandardKey taste, const QList<QAbstractButton*>& knoepfe)
{
    const QKeySequence folge(taste);
    for (QAbstractButton* knopf : knoepfe)
        TastentippSetzen(knopf, folge);
    if (taste == QKeySequence::Delete)
        return;
    auto* kurz = new QShortcut(folge, fenster);
    QObject::connect(kurz, &QShortcut::activated, fenster, [fenster, knoepfe] {
        for (QAbstractButton* knopf : knoepfe)
            if (Bereit(knopf, fenster)) {
                knopf->click();
                return;
            }
    });
}

void BeendenTaste(QWidget* fenster, const QList<QAbstractButton*>& knoepfe)
{
    // Some platforms name no key for quitting; Ctrl+Q is what desktops use.
    QKeySequence folge(QKeySequence::Quit);
    if (folge.isEmpty())
        folge = QKeySequence(Qt::CTRL | Qt::Key_Q);
    for (QAbstractButton* knopf : knoepfe)
        TastentippSetzen(knopf, folge);
    auto* kurz = new QShortcut(folge, fenster);
    QObject::connect(kurz, &QShortcut::activated, fenster, &QWidget::close);
}

void Kurztasten(QWidget* fenster)
{
    static bool filterAngebracht = false;
    if (!filterAngebracht && qApp) {
        qApp->installEventFilter(new AlttastenFilter(qApp));
        filterAngebracht = true;
    }
    // Letters are given per tab page: a hidden page's buttons cannot be pressed, so pages may share
    // letters, but none may take a letter of the window's own buttons, which every page can press.
    QList<QWidget*> seiten{nullptr};
    QMap<QWidget*, QString> vergeben;
    QMap<QWidget*, QList<QAbstractButton*>> ohne;
    for (QAbstractButton* knopf : fenster->findChildren<QAbstractButton*>()) {
        const auto* werkzeug = qobject_cast<QToolButton*>(knopf);
        const bool beschriftet = qobject_cast<QPushButton*>(knopf)
            || (werkzeug && werkzeug->toolButtonStyle() != Qt::ToolButtonIconOnly);
        if (!beschriftet || knopf->text().isEmpty())
            continue;
        QWidget* seite = Reiterseite(knopf, fenster);
        if (!seiten.contains(seite))
            seiten.append(seite);
        const qsizetype und = knopf->text().indexOf(QLatin1Char('&'));
        if (und >= 0 && und + 1 < knopf->text().size())
            vergeben[seite] += knopf->text().at(und + 1).toLower();
        else
            ohne[seite].append(knopf);
    }
    // The window's buttons first, around every letter a page gave itself.
    QString fest;
    for (QWidget* seite : seiten)
        fest += vergeben.value(seite);
    for (QWidget* seite : seiten) {
        // The pages of enclosing tab widgets keep their letters too.
        QString belegt = seite ? vergeben.value(nullptr) + vergeben.value(seite) : fest;
        for (QWidget* aussen = seite ? Reiterseite(seite->parentWidget(), fenster) : nullptr; aussen;
             aussen = Reiterseite(aussen->parentWidget(), fenster))
            belegt += vergeben.value(aussen);
        for (QAbstractButton* knopf : ohne.value(seite)) {
            const QString text = knopf->text();
            for (qsizetype i = 0; i < text.size(); ++i) {
                const QChar c = text.at(i).toLower();
                if (c.isLetterOrNumber() && !belegt.contains(c)) {
                    belegt += c;
                    vergeben[seite] += c;
                    knopf->setText(text.left(i) + QLatin1Char('&') + text.mid(i));
                    break;
                }
            }
        }
    }
}

QString Programmname()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void LageLaden(QWidget& fenster, const QString& schluessel)
{
    for (const Liste& liste : Listen(fenster)) {
        const QList<int> breiten =
            Zahlen(Subs::IniLesen(Variablen::IniDatei, kAbschnitt, schluessel + QLatin1Char('.') + liste.Name));
        if (liste.Datensaetze)
            liste.Datensaetze->BreitenSetzen(breiten);
        else
            for (int i = 0; i < breiten.size() && i < liste.Kopf->count(); ++i)
                liste.Kopf->resizeSection(i, breiten[i]);
    }
    const QRect flaeche = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry() : QRect();
    const QList<int> lage = Zahlen(Subs::IniLesen(Variablen::IniDatei, kAbschnitt, schluessel));
    if (lage.size() == 5) {
        QRect rechteck(lage[0], lage[1], lage[2], lage[3]);
        // The title bar stands above the saved inner area; it must stay whole on a screen, or the window
        // could not be moved any more.
        const int titel = qMax(30, fenster.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &fenster));
        const QScreen* bildschirm = QGuiApplication::screenAt(rechteck.center());
        if (!bildschirm)
            bildschirm = QGuiApplication::screenAt(QPoint(rechteck.center().x(), rechteck.top() - titel / 2));
        const QRect platz = bildschirm ? bildschirm->availableGeometry() : QRect();
        // A screen that is gone, or smaller now, does not get a window it cannot show.
        if (bildschirm && rechteck.width() >= fenster.minimumWidth() && rechteck.height() >= fenster.minimumHeight()
            && rechteck.width() <= platz.width() && rechteck.height() + titel <= platz.height()) {
            // Pushed back just far enough that the title bar and the window lie on that screen.
            rechteck.moveLeft(qBound(platz.left(), rechteck.left(), platz.right() + 1 - rechteck.width()));
            rechteck.moveTop(qBound(platz.top() + titel, rechteck.top(), platz.bottom() + 1 - rechteck.height()));
            fenster.setGeometry(rechteck);
            if (lage[4] != 0)
                fenster.setWindowState(fenster.windowState() | Qt::WindowMaximized);
            return;
        }
    }
    if (!flaeche.isEmpty())
        Zentrieren(fenster, flaeche);
}

void LageSichern(const QWidget& fenster, const QString& schluessel)
{
    const QRect normal = fenster.isMaximized() ? fenster.normalGeometry() : fenster.geometry();
    QList<QPair<QString, QString>> werte{
        {schluessel, Text({normal.x(), normal.y(), normal.width(), normal.height(), fenster.isMaximized() ? 1 : 0})}};
    for (const Liste& liste : Listen(fenster)) {
        QList<int> breiten;
        for (int i = 0; i < liste.Kopf->count(); ++i)
            breiten.append(liste.Kopf->isSectionHidden(i) ? 0 : liste.Kopf->sectionSize(i));
        werte.append({schluessel + QLatin1Char('.') + liste.Name, Text(breiten)});
    }
    // A settings file that cannot be written costs only the remembered size; the user is not bothered.
    Subs::IniSchreiben(Variablen::IniDatei, kAbschnitt, werte);
}

} // namespace Fenster
