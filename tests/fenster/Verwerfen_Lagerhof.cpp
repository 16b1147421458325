#include "Datensatzliste.h"
#include "FensterTestHilfe.h"
#include "TestInstallation.h"
#include "Verwerfen.h"
#include "Zeilendatei.h"
#include "frmWarehouseMain.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTreeView>

using namespace FensterTest;

namespace {

const QString kName = QStringLiteral("Testlaterne");

// The first good of "Alles" shown and renamed in the editor; `ausloesen` would drop the new name.
Verwerfen::Fall Umbenannt(const QString& name, std::function<void(QWidget&)> ausloesen)
{
    Verwerfen::Fall f;
    f.name = name;
    f.bauen = [] { return new frmWarehouseMain; };
    f.tippen = [](QWidget& w) {
        auto* liste = Kind<Datensatzliste>(w, QStringLiteral("lvGegenstände"));
        liste->ZeileWaehlen(liste->ZeileAn(0));
        auto* box = Kind<QLineEdit>(w, QStringLiteral("txtItem(0)"));
        box->selectAll();
        QTest::keyClicks(box, kName);
    };
    f.ausloesen = std::move(ausloesen);
    f.titel = kName;
    f.nochDa = [](QWidget& w) {
        auto* liste = Kind<Datensatzliste>(w, QStringLiteral("lvGegenstände"));
        return !w.property("geschlossen").toBool() && Kind<QLineEdit>(w, QStringLiteral("txtItem(0)"))->text() == kName
            && liste->GewaehlteZeile() == liste->ZeileAn(0) && liste->Ansicht()->currentIndex().row() == 0;
    };
    f.gespeichert = [](const TestInstallation& i) {
        const QDir ordner(i.Pfad(QStringLiteral("Data/Warehouse")));
        for (const QString& datei : ordner.entryList({QStringLiteral("*.dat")}, QDir::Files))
            for (const QString& zeile : Zeilendatei::Lesen(ordner.filePath(datei)))
                if (zeile.startsWith(kName))
                    return true;
        return false;
    };
    return f;
}

} // namespace

QList<Verwerfen::Fall> Verwerfen::Lagerhof()
{
    Fall laden;
    laden.name = QStringLiteral("Lagerhof3, Schließen mit einem Shop");
    laden.bauen = [] { return new frmWarehouseMain; };
    laden.tippen = [](QWidget& w) {
        Klick(w, QStringLiteral("cmdShopEditor"));
        auto* liste = Kind<Datensatzliste>(w, QStringLiteral("lvGegenstände"));
        liste->ZeileWaehlen(liste->ZeileAn(0));
        Klick(w, QStringLiteral("cmdItemHin"));
        QTest::keyClicks(Kind<QLineEdit>(w, QStringLiteral("txtName")), QStringLiteral("Zum Kupferkessel"));
    };
    laden.ausloesen = [](QWidget& w) { w.setProperty("geschlossen", w.close()); };
    laden.titel = QStringLiteral("Zum Kupferkessel");
    laden.nochDa = [](QWidget& w) { return !w.property("geschlossen").toBool(); };
    laden.datei = QStringLiteral("HTML/kessel.html");
    laden.gespeichert = [](const TestInstallation& i) { return QFileInfo::exists(i.Pfad(QStringLiteral("HTML/kessel.html"))); };

    return {Umbenannt(QStringLiteral("Lagerhof3, anderer Gegenstand mit der Pfeiltaste"),
                      [](QWidget& w) { QTest::keyClick(Kind<Datensatzliste>(w, QStringLiteral("lvGegenstände"))->Ansicht(), Qt::Key_Down); }),
            Umbenannt(QStringLiteral("Lagerhof3, neuer Gegenstand"), [](QWidget& w) { Klick(w, QStringLiteral("cmdItemNeu")); }),
            Umbenannt(QStringLiteral("Lagerhof3, andere Kategorie"),
                      [](QWidget& w) { Kind<QComboBox>(w, QStringLiteral("cmbKategorien"))->setCurrentIndex(1); }),
            Umbenannt(QStringLiteral("Lagerhof3, Schließen"), [](QWidget& w) { w.setProperty("geschlossen", w.close()); }),
            laden};
}
