#include "ExterneTools.h"
#include "FensterTestHilfe.h"
#include "Subs.h"
#include "Termine.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Verwerfen.h"
#include "frmManagerMain.h"
#include "frmManagerXTConfig.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>

using namespace FensterTest;

namespace {

const QDate kTag(2031, 5, 14);
const QString kNotiz = QStringLiteral("Spielabend bei Ulrike");

QCalendarWidget* Kalender(QWidget& w)
{
    return Kind<QCalendarWidget>(w, QStringLiteral("MonthView"));
}

// The started manager with the calendar open on a day that has a note already.
QWidget* MitKalender()
{
    Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("General"), QStringLiteral("Started"), QStringLiteral("1"));
    Termine::Speichern(kTag, QStringLiteral("Markt"));
    auto* f = new frmManagerMain;
    f->Form_Load();
    f->show();
    Kalender(*f)->setSelectedDate(kTag);
    Klick(*f, QStringLiteral("cmdTermin"));
    return f;
}

Verwerfen::Fall Notiz(const QString& name, std::function<void(QWidget&)> ausloesen)
{
    Verwerfen::Fall f;
    f.name = name;
    f.bauen = MitKalender;
    f.tippen = [](QWidget& w) {
        auto* text = Kind<QLineEdit>(w, QStringLiteral("txtMonthView"));
        text->selectAll();
        QTest::keyClicks(text, kNotiz);
    };
    f.ausloesen = std::move(ausloesen);
    f.titel = QStringLiteral("Notiz vom ") + Termine::Schluessel(kTag);
    f.nochDa = [](QWidget& w) {
        return !w.property("geschlossen").toBool() && Sichtbar(w, QStringLiteral("frmMonthView"))
            && Kalender(w)->selectedDate() == kTag && Kind<QLineEdit>(w, QStringLiteral("txtMonthView"))->text() == kNotiz;
    };
    f.gespeichert = [](const TestInstallation&) { return Termine::Notiz(kTag) == kNotiz; };
    return f;
}

const QString kWerkzeug = QStringLiteral("Knobelbecher");

QListWidget* Liste(QWidget& w)
{
    return Kind<QListWidget>(w, QStringLiteral("lstXT"));
}

// The configuration window on two external tools, the first one chosen and renamed.
Verwerfen::Fall Werkzeug(const QString& name, std::function<void(QWidget&)> ausloesen)
{
    Verwerfen::Fall f;
    f.name = name;
    f.bauen = [] {
        ExterneTools::Anhaengen(0, QStringLiteral("Würfel"), QStringLiteral("/opt/wuerfel"));
        ExterneTools::Anhaengen(1, QStringLiteral("Karten"), QStringLiteral("/opt/karten"));
        auto* w = new frmManagerXTConfig;
        w->show();
        Liste(*w)->setCurrentRow(0);
        return w;
    };
    f.tippen = [](QWidget& w) {
        auto* text = Kind<QLineEdit>(w, QStringLiteral("txtName"));
        text->selectAll();
        QTest::keyClicks(text, kWerkzeug);
    };
    f.ausloesen = std::move(ausloesen);
    f.titel = kWerkzeug;
    f.nochDa = [](QWidget& w) {
        return w.isVisible() && Liste(w)->currentRow() == 0 && Kind<QLineEdit>(w, QStringLiteral("txtName"))->text() == kWerkzeug;
    };
    f.gespeichert = [](const TestInstallation&) { return ExterneTools::Name(1) == kWerkzeug; };
    return f;
}

} // namespace

QList<Verwerfen::Fall> Verwerfen::Leitstand()
{
    Fall neu = Werkzeug(QStringLiteral("Leitstand3, neues externes Tool beim Schließen"), [](QWidget& w) { w.close(); });
    neu.bauen = [] {
        auto* w = new frmManagerXTConfig;
        w->show();
        return w;
    };
    neu.tippen = [](QWidget& w) {
        QTest::keyClicks(Kind<QLineEdit>(w, QStringLiteral("txtName")), kWerkzeug);
        QTest::keyClicks(Kind<QLineEdit>(w, QStringLiteral("txtPfad")), QStringLiteral("/opt/becher"));
    };
    neu.nochDa = [](QWidget& w) { return w.isVisible() && Kind<QLineEdit>(w, QStringLiteral("txtName"))->text() == kWerkzeug; };

    return {Notiz(QStringLiteral("Leitstand3, Notiz und ein anderer Tag"),
                  [](QWidget& w) { QTest::keyClick(Kalender(w)->findChild<QTableView*>(), Qt::Key_Right); }),
            Notiz(QStringLiteral("Leitstand3, Notiz und Kalender verbergen"), [](QWidget& w) { Klick(w, QStringLiteral("cmdTermin")); }),
            Notiz(QStringLiteral("Leitstand3, Notiz und Linkliste"), [](QWidget& w) { Klick(w, QStringLiteral("cmdURLs")); }),
            Notiz(QStringLiteral("Leitstand3, Notiz und Beenden"), [](QWidget& w) {
                Klick(w, QStringLiteral("cmdEnde"));
                w.setProperty("geschlossen", !w.isVisible());
            }),
            Notiz(QStringLiteral("Leitstand3, Notiz und Schließen"), [](QWidget& w) { w.setProperty("geschlossen", w.close()); }),
            Werkzeug(QStringLiteral("Leitstand3, externes Tool und eine andere Zeile"),
                     [](QWidget& w) { QTest::keyClick(Liste(w), Qt::Key_Down); }),
            Werkzeug(QStringLiteral("Leitstand3, externes Tool und Neu"), [](QWidget& w) { Klick(w, QStringLiteral("cmdNeu")); }),
            Werkzeug(QStringLiteral("Leitstand3, externes Tool beim Schließen"), [](QWidget& w) { w.close(); }),
            neu};
}
