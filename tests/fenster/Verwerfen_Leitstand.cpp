#include "ExterneTools.h"
#include "FensterTestHilfe.h"
#include "Subs.h"
#include "Termine.h"
#include "Variablen.h"
#include "Verwerfen.h"
#include "frmManagerMain.h"
#include "frmManagerXTConfig.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>

using namespace FensterTest;

namespace {

const QDate kTag(2031, 5, 14);
const QString kText = QStringLiteral("Knobelbecher");

// A started manager with the calendar open on a day that has a note, or the external tools on two entries,
// the first chosen; either way the text typed replaces the box's content.
Verwerfen::Fall Tippen(bool notiz, const char* name, std::function<void(QWidget&)> ausloesen)
{
    const QString box = notiz ? QStringLiteral("txtMonthView") : QStringLiteral("txtName");
    Verwerfen::Fall f;
    f.name = QStringLiteral("Leitstand3, ") + QString::fromUtf8(name);
    f.bauen = [notiz]() -> QWidget* {
        if (notiz) {
            Subs::IniSchreiben(Variablen::IniDatei, QStringLiteral("General"), QStringLiteral("Started"), QStringLiteral("1"));
            Termine::Speichern(kTag, QStringLiteral("Markt"), QString());
            auto* w = new frmManagerMain;
            w->Form_Load();
            w->show();
            Kind<QCalendarWidget>(*w, QStringLiteral("MonthView"))->setSelectedDate(kTag);
            Klick(*w, QStringLiteral("cmdTermin"));
            return w;
        }
        QList<QStringList> tools{{QStringLiteral("Würfel"), QStringLiteral("/opt/wuerfel")},
                                 {QStringLiteral("Karten"), QStringLiteral("/opt/karten")}};
        QList<QStringList> basis;
        ExterneTools::ListeSpeichern(tools, basis);
        auto* w = new frmManagerXTConfig;
        w->show();
        Kind<QListWidget>(*w, QStringLiteral("lstXT"))->setCurrentRow(0);
        return w;
    };
    f.tippen = [box](QWidget& w) {
        Kind<QLineEdit>(w, box)->selectAll();
        QTest::keyClicks(Kind<QLineEdit>(w, box), kText);
    };
    f.ausloesen = std::move(ausloesen);
    f.titel = notiz ? QStringLiteral("Notiz vom ") + Termine::Anzeige(kTag) : kText;
    f.nochDa = [notiz, box](QWidget& w) {
        const bool auswahl = notiz ? Kind<QCalendarWidget>(w, QStringLiteral("MonthView"))->selectedDate() == kTag
                                   : Kind<QListWidget>(w, QStringLiteral("lstXT"))->currentRow() == 0;
        return Kind<QLineEdit>(w, box)->isVisible() && auswahl && Kind<QLineEdit>(w, box)->text() == kText;
    };
    f.gespeichert = [notiz](const TestInstallation&) { return (notiz ? Termine::Notiz(kTag) : ExterneTools::Name(1)) == kText; };
    return f;
}

} // namespace

QList<Verwerfen::Fall> Verwerfen::Leitstand()
{
    const auto klick = [](const char* knopf) { return [knopf](QWidget& w) { Klick(w, QString::fromUtf8(knopf)); }; };
    const auto schliessen = [](QWidget& w) { w.close(); };
    return {Tippen(true, "Notiz und ein anderer Tag",
                 [](QWidget& w) { QTest::keyClick(w.findChild<QCalendarWidget*>()->findChild<QTableView*>(), Qt::Key_Right); }),
            Tippen(true, "Notiz und Kalender verbergen", klick("cmdTermin")), Tippen(true, "Notiz und Linkliste", klick("cmdURLs")),
            Tippen(true, "Notiz und Beenden", klick("cmdEnde")), Tippen(true, "Notiz und Schließen", schliessen),
            Tippen(false, "externes Tool und eine andere Zeile",
                 [](QWidget& w) { QTest::keyClick(w.findChild<QListWidget*>(), Qt::Key_Down); }),
            Tippen(false, "externes Tool und Neu", klick("cmdNeu")), Tippen(false, "externes Tool beim Schließen", schliessen)};
}
