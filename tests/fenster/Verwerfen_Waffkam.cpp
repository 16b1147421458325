#include "Datensatzliste.h"
#include "FensterTestHilfe.h"
#include "TestInstallation.h"
#include "Verwerfen.h"
#include "frmArmoryMain.h"

#include <QLineEdit>

using namespace FensterTest;

QList<Verwerfen::Fall> Verwerfen::Waffkam()
{
    Fall betrachter;
    betrachter.name = QStringLiteral("Waffkam3, Listenansicht beim Bearbeiten");
    betrachter.bauen = [] { return new frmArmoryMain; };
    betrachter.tippen = [](QWidget& f) {
        auto* liste = Kind<Datensatzliste>(f, QStringLiteral("lvNWaffen"));
        liste->setCurrentItem(liste->topLevelItem(0));
        Klick(f, QStringLiteral("cmdBearbeiten"));
        auto* name = Kind<QLineEdit>(f, QStringLiteral("txtNWaffe(0)"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Testbeil"));
    };
    betrachter.ausloesen = [](QWidget& f) { Klick(f, QStringLiteral("cmdView")); };
    betrachter.titel = QStringLiteral("Testbeil");
    betrachter.nochDa = [](QWidget& f) {
        return Sichtbar(f, QStringLiteral("NWaffenTab"))
            && Kind<QLineEdit>(f, QStringLiteral("txtNWaffe(0)"))->text() == QStringLiteral("Testbeil");
    };
    betrachter.gespeichert = [](const TestInstallation& i) {
        return i.Zeilen(QStringLiteral("Data/Armory/Nahkampfwaffen.dat")).contains(QStringLiteral("Testbeil"));
    };
    return {betrachter};
}
