#include "FensterTestHilfe.h"
#include "TestInstallation.h"
#include "Verwerfen.h"
#include "frmCreaturesMain.h"

#include <QLineEdit>

using namespace FensterTest;

namespace {

// A new creature named in the first box; the list view button and "Neue Kreatur erstellen" would drop it.
Verwerfen::Fall NeueKreatur(const QString& name, const QString& knopf)
{
    Verwerfen::Fall f;
    f.name = name;
    f.bauen = [] { return new frmCreaturesMain; };
    f.tippen = [](QWidget& w) {
        Klick(w, QStringLiteral("cmdNeu"));
        QTest::keyClicks(Kind<QLineEdit>(w, QStringLiteral("Text(0)")), QStringLiteral("Sumpfkriecher"));
    };
    f.ausloesen = [knopf](QWidget& w) { Klick(w, knopf); };
    f.titel = QStringLiteral("Sumpfkriecher");
    f.nochDa = [](QWidget& w) {
        return Sichtbar(w, QStringLiteral("KrTab"))
            && Kind<QLineEdit>(w, QStringLiteral("Text(0)"))->text() == QStringLiteral("Sumpfkriecher");
    };
    f.gespeichert = [](const TestInstallation& i) {
        return i.Zeilen(QStringLiteral("Data/Creatures/Kreaturen.dat")).contains(QStringLiteral("Sumpfkriecher"));
    };
    return f;
}

} // namespace

QList<Verwerfen::Fall> Verwerfen::Bestiar()
{
    return {NeueKreatur(QStringLiteral("Bestiar3, Listenansicht beim Bearbeiten"), QStringLiteral("cmdView")),
            NeueKreatur(QStringLiteral("Bestiar3, neue Kreatur beim Bearbeiten"), QStringLiteral("cmdNeu")),
            Ungeschrieben(QStringLiteral("Bestiar3, Schließen nach gescheitertem Speichern"), [] { return new frmCreaturesMain; },
                          QStringLiteral("Creatures/Kreaturen.dat"),
                          [](QWidget& w) {
                              Klick(w, QStringLiteral("cmdNeu"));
                              QTest::keyClicks(Kind<QLineEdit>(w, QStringLiteral("Text(0)")), QStringLiteral("Sumpfkriecher"));
                              Klick(w, QStringLiteral("cmdSave"));
                          },
                          QStringLiteral("Sumpfkriecher"))};
}
