#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QPixmap>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QComboBox;
class QDialog;
class QObject;
class QToolButton;
class QWidget;

// What every window of the suite shares: the Qt dialog and shell seams, pictures from GfxPfad, captions,
// background pictures, and the seam through which a main window opens its modal windows.
namespace Fenster {

// Installs the Qt versions of the dialog and shell seams (called once by every program with a window).
void UiEinrichten();

// A picture from GfxPfad by file name, found regardless of case; a null pixmap when it is missing.
QPixmap Bild(const QString& name);
QIcon Symbol(const QString& name);
bool BildVorhanden(const QString& name);

// A large picture from GfxPfad read on a worker thread: a window asks for it while it is built and takes
// it at its first paint, so reading the picture overlaps with building the window. An empty request, or a
// missing picture, gives a null image.
class Bildanfrage {
public:
    Bildanfrage() = default;
    static Bildanfrage Starten(const QString& name);
    bool Gestartet() const { return bool(m_zustand); }
    // Waits for the reading once; afterwards returns the picture at once.
    QImage Ergebnis() const;

private:
    struct Zustand;
    std::shared_ptr<Zustand> m_zustand;
};

// A toolbar button with its picture from GfxPfad and a tooltip; without the picture it shows the tooltip text.
QToolButton* Werkzeugknopf(const QString& name, const QString& bild, const QString& tipp, int groesse = 24,
                           QWidget* eltern = nullptr);

// Programmtitel + " v" + Programmversion + the window's own subtitle.
QString Titel(const QString& untertitel = QString());

// A combo box whose width does not follow its longest entry: a long line in a data file shows elided in
// a box of about `zeichen` characters instead of widening the window.
void AuswahlBegrenzen(QComboBox* box, int zeichen = 24);

// Paints the picture, scaled to cover, behind the widget's children; a missing picture leaves it plain.
void HintergrundSetzen(QWidget* widget, const QString& bild);

// Shows a modal window and returns its result. Tests install a handler that fills and closes the window
// instead of blocking.
int ModalAusfuehren(QDialog& dialog);
void ModalHandlerSetzen(std::function<int(QDialog&)> handler);

// Start-up work the first view does not need. Once StartBeginnen has been called (a program's main, before
// it builds its main window) the work waits until just after the main window's first paint; otherwise, as
// for any window built later or in a test, it runs at once. Nachholen runs the owner's waiting work now,
// for an action that needs it before that. Work that waits must not add buttons with a text: the window's
// Alt keys are given out before it shows.
void StartBeginnen();
// The window's icon, for the title bar and task bar: set as work that waits, since reading an icon file
// loads the picture plugins, and the first paint does not show it.
void FenstersymbolSetzen(QWidget* fenster, const QString& name);
void Spaeter(QObject* besitzer, std::function<void()> arbeit);
void Nachholen(const QObject* besitzer);

// Shows the main window and runs the program. With WERKBUND_STARTMESSUNG set in the environment the
// program writes "Fenster gezeigt" to standard output as soon as the window has painted itself and ends
// (the start-up benchmarks time the start until that line).
int Ausfuehren(QWidget& hauptfenster);

// Keys as on any desktop. The standard key of an action clicks the first of `knoepfe` that is shown and
// enabled (a window may have one such button per mode), and each button's tooltip names the key:
// "Speichern (Strg+S)"; a button without a tooltip is named by its text. QKeySequence::Delete only names
// the key: a record list deletes on it by itself, and a window-wide Delete would fire in lists where the key
// means something else.
void Taste(QWidget* fenster, QKeySequence::StandardKey taste, const QList<QAbstractButton*>& knoepfe);
// Ctrl+Q closes the window; its own questions before closing apply. The buttons that close it name the key.
void BeendenTaste(QWidget* fenster, const QList<QAbstractButton*>& knoepfe = {});

// A line at the foot of the window for what happened without a question (a file another program changed
// was loaded again). A main window uses its status bar; another window gets one below its layout, made at
// the first message. `ms` 0 keeps the message until the next one.
void Status(QWidget* fenster, const QString& text, int ms = 0);
// Buttons with a visible text get an Alt mnemonic: the first letter of their text not yet taken among the
// window's own buttons and those of the same tab page (pages may share letters). An Alt key that no button
// takes never types its letter into a text box.
void Kurztasten(QWidget* fenster);

// The running program's name, under which its windows are remembered ("Ortsbau3").
QString Programmname();
// A window's size, position and maximised state, with the column widths of its lists, in Werkbund3.ini
// (section "Fenster", key `schluessel`). Restored only where the window fits a present screen; otherwise,
// and on the first start, the window is centred.
void LageLaden(QWidget& fenster, const QString& schluessel);
void LageSichern(const QWidget& fenster, const QString& schluessel);

// An index into a control array becomes part of the object name: "txtNWaffe(0)".
QString ArrayName(const QString& name, int index);

} // namespace Fenster
