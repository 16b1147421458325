// The desktop habits every main window shares: the standard keys click their buttons and are named in the
// tooltips, Ctrl+Q closes, and size, position and column widths survive a restart where they fit the screen.
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Shell.h"
#include "TestInstallation.h"
#include "frmArmoryMain.h"
#include "frmCityMain.h"
#include "frmCreaturesMain.h"
#include "frmDatEditorMain.h"
#include "frmDayMain.h"
#include "frmExplorerMain.h"
#include "frmManagerMain.h"
#include "frmWarehouseMain.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QScreen>
#include <QtTest>

#include <memory>

using namespace FensterTest;

namespace {

struct Programm {
    const char* name;
    std::function<QWidget*()> bauen;
    QList<QPair<QKeySequence::StandardKey, const char*>> tasten;
};

const QList<Programm>& Programme()
{
    using K = QKeySequence;
    static const QList<Programm> programme{
        {"Ortsbau3", [] { return new frmCityMain; },
         {{K::New, "cmdNeu"}, {K::Open, "cmdLoad"}, {K::Save, "cmdSave"}, {K::HelpContents, "cmdHelp"}}},
        {"Waffkam3", [] { return new frmArmoryMain; },
         {{K::New, "cmdNeu"}, {K::Open, "cmdWBDImport"}, {K::Save, "cmdSave"}, {K::Print, "cmdPrint"},
          {K::Delete, "cmdDelete"}, {K::HelpContents, "cmdHelp"}}},
        {"Lagerhof3", [] { return new frmWarehouseMain; },
         {{K::New, "cmdItemNeu"}, {K::Save, "cmdItemSave"}, {K::Print, "cmdListeDrucken"}, {K::Delete, "cmdItemDelete"},
          {K::HelpContents, "cmdHelp"}}},
        {"Bestiar3", [] { return new frmCreaturesMain; },
         {{K::New, "cmdNeu"}, {K::Open, "cmdWBDImport"}, {K::Save, "cmdSave"}, {K::Print, "cmdPrint"},
          {K::Delete, "cmdDelete"}, {K::HelpContents, "cmdHelp"}}},
        {"Tageslauf3", [] { return new frmDayMain; }, {{K::New, "cmdNeu"}, {K::Print, "cmdDrucken"}, {K::HelpContents, "cmdHelp"}}},
        {"Kartenblick3", [] { return new frmExplorerMain; }, {{K::HelpContents, "cmdHilfe"}}},
        {"Tabellar3", [] { return new frmDatEditorMain; }, {{K::Save, "cmdSave"}, {K::HelpContents, "cmdHilfe"}}},
        {"Leitstand3", [] { return new frmManagerMain; },
         {{K::New, "cmdURLsNeu"}, {K::Delete, "cmdURLsDelete"}, {K::HelpContents, "cmdHilfe"}}},
    };
    return programme;
}

} // namespace

class TestTasten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void tastenKlickenIhreKnoepfe_data();
    void tastenKlickenIhreKnoepfe();
    void lageUeberstehtDenNeustart_data() { tastenKlickenIhreKnoepfe_data(); }
    void lageUeberstehtDenNeustart();

private:
    std::unique_ptr<TestInstallation> m_inst;
    std::unique_ptr<Dialoge::Skript> m_dialoge;
    std::unique_ptr<Shell::Aufzeichnung> m_shell;
};

void TestTasten::init()
{
    m_inst = std::make_unique<TestInstallation>();
    m_dialoge = std::make_unique<Dialoge::Skript>();
    m_shell = std::make_unique<Shell::Aufzeichnung>();
    // The tool's own modal windows are answered with Abbrechen instead of blocking.
    Fenster::ModalHandlerSetzen([](QDialog&) { return int(QDialog::Rejected); });
}

void TestTasten::cleanup()
{
    Fenster::ModalHandlerSetzen({});
    m_shell.reset();
    m_dialoge.reset();
    m_inst.reset();
}

void TestTasten::tastenKlickenIhreKnoepfe_data()
{
    QTest::addColumn<int>("programm");
    for (int i = 0; i < Programme().size(); ++i)
        QTest::newRow(Programme()[i].name) << i;
}

void TestTasten::tastenKlickenIhreKnoepfe()
{
    QFETCH(int, programm);
    const Programm& p = Programme()[programm];
    std::unique_ptr<QWidget> fenster(p.bauen());
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    for (const auto& [taste, name] : p.tasten) {
        auto* knopf = Kind<QAbstractButton>(*fenster, QLatin1String(name));
        const QKeySequence folge(taste);
        QVERIFY2(knopf->toolTip().endsWith(QStringLiteral(" (") + folge.toString(QKeySequence::NativeText) + QLatin1Char(')')),
                 qPrintable(knopf->toolTip()));
        if (taste == QKeySequence::Delete)
            continue;
        const bool bereit = knopf->isEnabled() && knopf->isVisibleTo(fenster.get());
        QSignalSpy geklickt(knopf, &QAbstractButton::clicked);
        QTest::keySequence(fenster.get(), folge);
        QCOMPARE(geklickt.count(), bereit ? 1 : 0);
        // What the key opened (an edit page, a page view) must not keep the next key from its button.
        if (!fenster->isActiveWindow()) {
            QApplication::setActiveWindow(fenster.get());
            QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        }
    }
    // Ctrl+Q closes through the window's own questions (an edit page that New opened asks first).
    m_dialoge->ja = {true};
    m_dialoge->wahl = {Dialoge::Antwort::Verwerfen};
    QTest::keySequence(fenster.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(!fenster->isVisible());
}

void TestTasten::lageUeberstehtDenNeustart()
{
    QFETCH(int, programm);
    const Programm& p = Programme()[programm];
    const QRect flaeche = QGuiApplication::primaryScreen()->availableGeometry();
    std::unique_ptr<QWidget> fenster(p.bauen());
    const QSize groesse = fenster->minimumSizeHint().expandedTo(fenster->minimumSize()).expandedTo(QSize(300, 200));
    if (groesse.width() > flaeche.width() - 40 || groesse.height() > flaeche.height() - 40)
        QSKIP("Das Fenster ist größer als der Bildschirm der Tests.");
    const QRect lage(flaeche.topLeft() + QPoint(20, 60), groesse);
    fenster->setGeometry(lage);
    auto* liste = fenster->findChild<Datensatzliste*>();
    if (liste && liste->SichtbareSpalten() > 0)
        liste->setColumnWidth(0, 123);
    Fenster::LageSichern(*fenster, QLatin1String(p.name));

    std::unique_ptr<QWidget> wieder(p.bauen());
    Fenster::LageLaden(*wieder, QLatin1String(p.name));
    QCOMPARE(wieder->geometry(), lage);
    if (liste && liste->SichtbareSpalten() > 0)
        QCOMPARE(wieder->findChild<Datensatzliste*>(liste->objectName())->columnWidth(0), 123);

    // A title bar above the screen's top, or a window partly beyond its right edge, comes back whole on the
    // screen, the size kept; the title bar is taken to be at least 30 pixels high.
    fenster->setGeometry(QRect(QPoint(flaeche.right() - groesse.width() / 2, flaeche.top() + 5), groesse));
    Fenster::LageSichern(*fenster, QLatin1String(p.name));
    std::unique_ptr<QWidget> geschoben(p.bauen());
    Fenster::LageLaden(*geschoben, QLatin1String(p.name));
    QCOMPARE(geschoben->size(), groesse);
    QVERIFY(geschoben->geometry().top() >= flaeche.top() + 30);
    QVERIFY(flaeche.contains(geschoben->geometry()));

    // A place no screen shows any more is not restored: the window comes up centred.
    fenster->move(flaeche.right() + 2000, flaeche.top());
    Fenster::LageSichern(*fenster, QLatin1String(p.name));
    std::unique_ptr<QWidget> zentriert(p.bauen());
    Fenster::LageLaden(*zentriert, QLatin1String(p.name));
    QVERIFY((zentriert->geometry().center() - flaeche.center()).manhattanLength() <= 2);
}

int main(int argc, char** argv)
{
    // The test screen is as large as a desktop's, so every window fits as it would there.
    QTemporaryDir ordner;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && ordner.isValid()) {
        const QString datei = ordner.filePath(QStringLiteral("bildschirm.json"));
        QFile f(datei);
        if (f.open(QIODevice::WriteOnly)
            && f.write(R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": 1600, "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") > 0) {
            f.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(datei));
        }
    }
    QApplication app(argc, argv);
    TestTasten test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_tasten.moc"
