// The odds and the line-ups in the creatures window: the run in the background with its chart, cancelling,
// the page, editing a member, saving and loading line-ups and the last line-up. Wiring only; the engine
// tests pin the numbers.
#include "Aufstellung.h"
#include "ChancenDiagramm.h"
#include "Creatures3Variablen.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Gewinnchancen.h"
#include "TestInstallation.h"
#include "frmCreaturesMain.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace V = Creatures3Variablen;
using namespace FensterTest;
using BattleEngine::Gruppe;

namespace {

void Hinzufuegen(frmCreaturesMain& fenster, int zeile, const char* knopf)
{
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvKreaturen"));
    liste->ZeileWaehlen(zeile);
    Klick(fenster, QLatin1String(knopf));
}

// Two wolves (row 0) against the creature in row 25.
void Gruppen(frmCreaturesMain& fenster)
{
    Hinzufuegen(fenster, 0, "cmdBattleHeldengruppe");
    Hinzufuegen(fenster, 0, "cmdBattleHeldengruppe");
    Hinzufuegen(fenster, 25, "cmdBattleGegnergruppe");
}

ChancenDiagramm* Diagramm(frmCreaturesMain& fenster)
{
    return Kind<ChancenDiagramm>(fenster, QStringLiteral("picChancen"));
}

int Eintraege(frmCreaturesMain& fenster, const char* liste)
{
    return Kind<QListWidget>(fenster, QLatin1String(liste))->count();
}

} // namespace

class TestCreaturesChancenFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Fenster::ModalHandlerSetzen(nullptr); }
    void chancenImHintergrund();
    void mitgliedAendernUndAufstellungen();
};

void TestCreaturesChancenFenster::chancenImHintergrund()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Gruppen(fenster);
    QVERIFY(!An(fenster, QStringLiteral("cmdChancenSeite")));
    // A number out of range is refused before anything runs.
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("10.000.001"));
    Klick(fenster, QStringLiteral("cmdChancen"));
    QVERIFY(!fenster.ChancenLaufen());
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("höchstens 10.000.000")));
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("1.500"));
    Kind<QLineEdit>(fenster, QStringLiteral("txtSeed"))->setText(QStringLiteral("4242"));
    Klick(fenster, QStringLiteral("cmdChancen"));
    // The click returns at once; the window stays usable and keeps the fight and the groups' files locked.
    QVERIFY(fenster.ChancenLaufen());
    QVERIFY(An(fenster, QStringLiteral("cmdChancenAbbrechen")));
    for (const char* name : {"cmdBattleStart", "cmdChancen", "cmdAufstellungLaden", "cmdBattleEnde", "txtKaempfe"})
        QVERIFY2(!An(fenster, QLatin1String(name)), name);
    QTRY_VERIFY_WITH_TIMEOUT(!fenster.ChancenLaufen(), 120000);
    const Gewinnchancen::Ergebnis* e = Diagramm(fenster)->Ergebnis();
    QVERIFY(e);
    QCOMPARE(e->Kaempfe, qint64(1500));
    QCOMPARE(e->Saat, quint64(4242));
    const auto erwartet = Gewinnchancen::Berechnen(V::Kampf, 1500, 4242);
    QCOMPARE(e->Runden, erwartet->Runden);
    QCOMPARE(e->Helden.size(), 2);
    // The groups are kept; the last line-up can be restored.
    QCOMPARE(Eintraege(fenster, "lstHeldengruppe"), 2);
    for (const char* name : {"cmdBattleStart", "cmdChancen", "cmdLetzteAufstellung", "cmdChancenSeite"})
        QVERIFY2(An(fenster, QLatin1String(name)), name);
    QVERIFY(!An(fenster, QStringLiteral("cmdChancenAbbrechen")));

    dialoge.dateien = {installation.Pfad(QStringLiteral("HTML/chancen.html"))};
    Klick(fenster, QStringLiteral("cmdChancenSeite"));
    QCOMPARE(dialoge.aufrufe.last().text, QStringLiteral("Daten wurden erfolgreich exportiert."));
    QVERIFY(installation.Bytes(QStringLiteral("HTML/chancen.html")).contains("Seed: </B> 4242"));

    // A long run is cancelled: no result, everything free again.
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("10.000.000"));
    Klick(fenster, QStringLiteral("cmdChancen"));
    Klick(fenster, QStringLiteral("cmdChancenAbbrechen"));
    QTRY_VERIFY_WITH_TIMEOUT(!fenster.ChancenLaufen(), 60000);
    QVERIFY(!Diagramm(fenster)->Ergebnis());
    QVERIFY(Diagramm(fenster)->Text().contains(QStringLiteral("abgebrochen")));
    QVERIFY(An(fenster, QStringLiteral("cmdBattleStart")));
    QVERIFY(!An(fenster, QStringLiteral("cmdChancenSeite")));
}

void TestCreaturesChancenFenster::mitgliedAendernUndAufstellungen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Gruppen(fenster);
    const QByteArray datenbank = installation.Bytes(QStringLiteral("Data/Creatures/Kreaturen.dat"));

    // A double click opens the values of the member; a value that is no number keeps the dialog open.
    int versuche = 0;
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        Kind<QLineEdit>(dialog, QStringLiteral("txtAT"))->setText(QStringLiteral("elf"));
        Klick(dialog, QStringLiteral("cmdOK"));
        versuche += dialog.result() == QDialog::Accepted ? 0 : 1;
        Kind<QLineEdit>(dialog, QStringLiteral("txtAT"))->setText(QStringLiteral("15"));
        Kind<QLineEdit>(dialog, QStringLiteral("txtLE"))->setText(QStringLiteral("3"));
        Klick(dialog, QStringLiteral("cmdOK"));
        return dialog.result();
    });
    auto* helden = Kind<QListWidget>(fenster, QStringLiteral("lstHeldengruppe"));
    Q_EMIT helden->itemDoubleClicked(helden->item(1));
    QCOMPARE(versuche, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("den Attackewert")));
    QCOMPARE(V::Kampf.Helden[1].LE, qint64(3));
    QCOMPARE(V::Kampf.Helden[1].AT, qint64(15));
    QCOMPARE(V::Kampf.Helden[0].LE, qint64(22));
    QCOMPARE(installation.Bytes(QStringLiteral("Data/Creatures/Kreaturen.dat")), datenbank);

    // Saved, fought, restored: "Letzte Aufstellung" brings back the groups as they were before the fight.
    const QString datei = installation.Pfad(QStringLiteral("WBD/gruppe.txt"));
    dialoge.dateien = {datei, installation.Pfad(QStringLiteral("HTML/kampf.html"))};
    dialoge.ja = {false};
    Klick(fenster, QStringLiteral("cmdAufstellungSpeichern"));
    QCOMPARE(dialoge.aufrufe.last().text, QStringLiteral("Daten wurden erfolgreich exportiert."));
    const auto gespeichert = Aufstellung::Lesen(datei);
    QVERIFY(gespeichert);
    QCOMPARE(gespeichert->Helden[1].LE, qint64(3));
    QVERIFY(!An(fenster, QStringLiteral("cmdLetzteAufstellung")));
    Klick(fenster, QStringLiteral("cmdBattleStart"));
    QCOMPARE(Eintraege(fenster, "lstHeldengruppe"), 0);
    Klick(fenster, QStringLiteral("cmdLetzteAufstellung"));
    QCOMPARE(Eintraege(fenster, "lstHeldengruppe"), 2);
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), 1);
    QCOMPARE(V::Kampf.Helden[1].LE, qint64(3));
    QVERIFY(An(fenster, QStringLiteral("cmdBattleStart")));

    // Loading replaces both groups and opens the panel; it waits while the edit pages are open; a damaged
    // file changes nothing.
    BattleEngine::Kampfstand anders;
    BattleEngine::Aufnehmen(anders, Gruppe::Gegner, gespeichert->Helden[0]);
    QVERIFY(Aufstellung::Speichern(anders, datei));
    Klick(fenster, QStringLiteral("cmdBattleEnde"));
    Klick(fenster, QStringLiteral("cmdNeu"));
    QVERIFY(!An(fenster, QStringLiteral("cmdAufstellungLaden")));
    Klick(fenster, QStringLiteral("cmdView"));
    dialoge.dateien = {datei};
    Klick(fenster, QStringLiteral("cmdAufstellungLaden"));
    QVERIFY(Kind<QWidget>(fenster, QStringLiteral("lstGegnergruppe"))->isVisibleTo(&fenster));
    QCOMPARE(Eintraege(fenster, "lstHeldengruppe"), 0);
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), 1);
    QVERIFY(!An(fenster, QStringLiteral("cmdBattleStart")));
    installation.Schreiben(QStringLiteral("WBD/kaputt.txt"), "Aufstellung 1\r\nHeld\tWolf\t10\r\n");
    dialoge.dateien = {installation.Pfad(QStringLiteral("WBD/kaputt.txt"))};
    Klick(fenster, QStringLiteral("cmdAufstellungLaden"));
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), 1);
}

QTEST_MAIN(TestCreaturesChancenFenster)
#include "test_creatures_chancen_fenster.moc"
