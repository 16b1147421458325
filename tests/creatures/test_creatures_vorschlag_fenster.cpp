// The proposal dialog in the creatures window and the limits of large line-ups: a search in the background
// with its progress, stopping it, taking a proposal over with its odds chart; a hundred members a group,
// LE 0 refused, the bar full after a run, and stopping within half a second. Wiring only; the engine tests
// pin the numbers.
#include "Aufstellung.h"
#include "ChancenDiagramm.h"
#include "Creatures3Variablen.h"
#include "CreaturesTestHilfe.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Gewinnchancen.h"
#include "TestInstallation.h"
#include "frmCreaturesMain.h"
#include "frmGegnervorschlag.h"

#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>
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

int Eintraege(QWidget& fenster, const char* liste)
{
    return Kind<QListWidget>(fenster, QLatin1String(liste))->count();
}

frmGegnervorschlag& Vorschlagsdialog(QDialog& dialog)
{
    auto* v = qobject_cast<frmGegnervorschlag*>(&dialog);
    if (!v)
        qFatal("Kein Vorschlagsdialog");
    return *v;
}

// A hundred fortresses against a hundred as a line-up file: every fight runs 1,000 passes.
QString Festungen(const TestInstallation& installation)
{
    BattleEngine::Kampfstand stand;
    for (int i = 0; i < BattleEngine::HoechsteMitglieder; ++i) {
        BattleEngine::Aufnehmen(stand, Gruppe::Helden, CreaturesTest::Figur(QStringLiteral("Festung"), 5, 20, 40, 30));
        BattleEngine::Aufnehmen(stand, Gruppe::Gegner, CreaturesTest::Figur(QStringLiteral("Festung"), 5, 20, 40, 30));
    }
    const QString datei = installation.Pfad(QStringLiteral("WBD/festungen.txt"));
    Aufstellung::Speichern(stand, datei);
    return datei;
}

} // namespace

class TestCreaturesVorschlagFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Fenster::ModalHandlerSetzen(nullptr); }
    void vorschlagUebernehmen();
    void sucheAbbrechenUndSchliessen();
    void hundertJeGruppe();
    void grosseAufstellungenStoppen();
};

void TestCreaturesVorschlagFenster::vorschlagUebernehmen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    // Without heroes there is nothing to propose for; the enemy group may be empty.
    QVERIFY(!An(fenster, QStringLiteral("cmdVorschlagen")));
    Hinzufuegen(fenster, 51, "cmdBattleHeldengruppe");
    Hinzufuegen(fenster, 55, "cmdBattleHeldengruppe");
    Hinzufuegen(fenster, 3, "cmdBattleGegnergruppe");
    QVERIFY(An(fenster, QStringLiteral("cmdVorschlagen")));
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("800"));
    Kind<QLineEdit>(fenster, QStringLiteral("txtSeed"))->setText(QStringLiteral("77"));

    std::optional<Vorschlaege::Vorschlag> genommen;
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        frmGegnervorschlag& v = Vorschlagsdialog(dialog);
        // Slider and number box show one value; the boxes of the categories start chosen.
        Kind<QSlider>(dialog, QStringLiteral("sldZiel"))->setValue(60);
        [&] { QCOMPARE(Kind<QSpinBox>(dialog, QStringLiteral("spnZiel"))->value(), 60); }();
        Kind<QSpinBox>(dialog, QStringLiteral("spnZiel"))->setValue(65);
        [&] { QCOMPARE(Kind<QSlider>(dialog, QStringLiteral("sldZiel"))->value(), 65); }();
        Kind<QSpinBox>(dialog, QStringLiteral("spnSpanne"))->setValue(10);
        Kind<QSpinBox>(dialog, QStringLiteral("spnHoechstens"))->setValue(4);
        const QList<QCheckBox*> kategorien = dialog.findChildren<QCheckBox*>();
        [&] {
            QCOMPARE(kategorien.size(), 10);
            for (QCheckBox* box : kategorien)
                QVERIFY(box->isChecked());
        }();
        // No category: nothing to search; then only the animals.
        for (QCheckBox* box : kategorien)
            box->setChecked(false);
        [&] { QVERIFY(!An(dialog, QStringLiteral("cmdSuchen"))); }();
        for (QCheckBox* box : kategorien)
            box->setChecked(box->text() == QStringLiteral("Tiere"));
        [&] {
            QVERIFY(!An(dialog, QStringLiteral("cmdUebernehmen")));
            Klick(dialog, QStringLiteral("cmdSuchen"));
            QVERIFY(v.SucheLaeuft());
            QVERIFY(An(dialog, QStringLiteral("cmdAbbrechen")));
            QVERIFY(!An(dialog, QStringLiteral("cmdSuchen")));
            QVERIFY(!An(dialog, QStringLiteral("spnZiel")));
            QTRY_VERIFY_WITH_TIMEOUT(!v.SucheLaeuft(), 240000);
            auto* bar = Kind<QProgressBar>(dialog, QStringLiteral("Bar"));
            QCOMPARE(bar->value(), bar->maximum());
            QVERIFY(v.Ergebnis());
            auto* liste = Kind<QTreeWidget>(dialog, QStringLiteral("lstVorschlaege"));
            QCOMPARE(liste->topLevelItemCount(), int(v.Ergebnis()->Vorschlaege.size()));
            QVERIFY(liste->topLevelItemCount() >= 1);
            const Vorschlaege::Vorschlag& letzter = v.Ergebnis()->Vorschlaege.last();
            QTreeWidgetItem* eintrag = liste->topLevelItem(liste->topLevelItemCount() - 1);
            QCOMPARE(eintrag->text(1), letzter.Text);
            QVERIFY(eintrag->text(2).startsWith(Gewinnchancen::Prozent(letzter.Ergebnis.Sieg(BattleEngine::Sieger::Helden).Wert)));
            QCOMPARE(eintrag->data(2, Qt::UserRole).toDouble(), letzter.Ergebnis.Sieg(BattleEngine::Sieger::Helden).Wert);
            QVERIFY(Kind<QLabel>(dialog, QStringLiteral("lblStatus"))->text().contains(QStringLiteral("Seed 77")));
            for (const Vorschlaege::Vorschlag& vorschlag : v.Ergebnis()->Vorschlaege)
                QCOMPARE(vorschlag.Ergebnis.Kaempfe, qint64(800));
            // A double click takes the proposal.
            liste->setCurrentItem(eintrag);
            genommen = letzter;
            Q_EMIT liste->itemDoubleClicked(eintrag, 1);
        }();
        return dialog.result();
    });
    Klick(fenster, QStringLiteral("cmdVorschlagen"));
    QVERIFY(genommen);
    // The enemy group is the proposal's, the heroes stay; the chart is the confirmed run, as a new odds run
    // with its seed and fights gives it.
    QCOMPARE(V::Kampf.AnzahlHelden(), 2);
    QCOMPARE(V::Kampf.AnzahlGegner(), genommen->Aufstellung.AnzahlGegner());
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), genommen->Aufstellung.AnzahlGegner());
    for (int i = 0; i < V::Kampf.AnzahlGegner(); ++i)
        QCOMPARE(V::Kampf.Gegner[i].Name, genommen->Aufstellung.Gegner[i].Name);
    const Gewinnchancen::Ergebnis* diagramm = Kind<ChancenDiagramm>(fenster, QStringLiteral("picChancen"))->Ergebnis();
    QVERIFY(diagramm);
    QCOMPARE(Gewinnchancen::Ausgabezeilen(*diagramm), Gewinnchancen::Ausgabezeilen(genommen->Ergebnis));
    QCOMPARE(Gewinnchancen::Ausgabezeilen(*diagramm), Gewinnchancen::Ausgabezeilen(*Gewinnchancen::Berechnen(V::Kampf, 800, 77)));
    QVERIFY(An(fenster, QStringLiteral("cmdChancenSeite")));
    // The enemies before the proposal come back with "Letzte Aufstellung".
    Klick(fenster, QStringLiteral("cmdLetzteAufstellung"));
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), 1);
    QCOMPARE(V::Kampf.Gegner[0].Name, QStringLiteral("Ratte"));

    // Taken over and fought: the proposal's line-up is the one fought.
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        frmGegnervorschlag& v = Vorschlagsdialog(dialog);
        Kind<QSpinBox>(dialog, QStringLiteral("spnZiel"))->setValue(65);
        Kind<QSpinBox>(dialog, QStringLiteral("spnSpanne"))->setValue(10);
        [&] {
            Klick(dialog, QStringLiteral("cmdSuchen"));
            QTRY_VERIFY_WITH_TIMEOUT(!v.SucheLaeuft(), 240000);
            Klick(dialog, QStringLiteral("cmdUebernehmen"));
        }();
        return dialog.result();
    });
    Klick(fenster, QStringLiteral("cmdVorschlagen"));
    QVERIFY(V::Kampf.AnzahlGegner() >= 1);
    dialoge.dateien = {installation.Pfad(QStringLiteral("HTML/kampf.html"))};
    dialoge.ja = {false};
    Klick(fenster, QStringLiteral("cmdBattleStart"));
    QVERIFY(installation.Bytes(QStringLiteral("HTML/kampf.html")).contains("Gegnergruppe"));
}

void TestCreaturesVorschlagFenster::sucheAbbrechenUndSchliessen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    for (int i = 0; i < 3; ++i)
        Hinzufuegen(fenster, 51, "cmdBattleHeldengruppe");
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("10.000.000"));
    qint64 abbrechen = -1;
    qint64 schliessen = -1;
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        frmGegnervorschlag& v = Vorschlagsdialog(dialog);
        Kind<QSpinBox>(dialog, QStringLiteral("spnHoechstens"))->setValue(100);
        QElapsedTimer uhr;
        // "Abbrechen" stops the search: no proposals, the bar empty, everything free again.
        [&] {
            Klick(dialog, QStringLiteral("cmdSuchen"));
            QTest::qWait(300);
            uhr.start();
            Klick(dialog, QStringLiteral("cmdAbbrechen"));
            QTRY_VERIFY_WITH_TIMEOUT(!v.SucheLaeuft(), 5000);
            abbrechen = uhr.elapsed();
            QVERIFY(!v.Ergebnis());
            QVERIFY(Kind<QLabel>(dialog, QStringLiteral("lblStatus"))->text().contains(QStringLiteral("abgebrochen")));
            QCOMPARE(Kind<QProgressBar>(dialog, QStringLiteral("Bar"))->value(), 0);
            QVERIFY(An(dialog, QStringLiteral("cmdSuchen")));
            QVERIFY(!An(dialog, QStringLiteral("cmdUebernehmen")));
        }();
        // Closing during a search stops it before the dialog goes.
        [&] {
            Klick(dialog, QStringLiteral("cmdSuchen"));
            QTest::qWait(300);
            uhr.restart();
            Klick(dialog, QStringLiteral("cmdSchliessen"));
            schliessen = uhr.elapsed();
            QVERIFY(!v.SucheLaeuft());
        }();
        return dialog.result();
    });
    Klick(fenster, QStringLiteral("cmdVorschlagen"));
    QVERIFY2(abbrechen >= 0 && abbrechen < 500, qPrintable(QString::number(abbrechen)));
    QVERIFY2(schliessen >= 0 && schliessen < 500, qPrintable(QString::number(schliessen)));
    QCOMPARE(V::Kampf.AnzahlGegner(), 0);
    QVERIFY(!Kind<ChancenDiagramm>(fenster, QStringLiteral("picChancen"))->Ergebnis());
}

void TestCreaturesVorschlagFenster::hundertJeGruppe()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    // A hundred members a group; the next one is refused with a message.
    for (int i = 0; i < BattleEngine::HoechsteMitglieder; ++i)
        Hinzufuegen(fenster, 3, "cmdBattleHeldengruppe");
    QVERIFY(dialoge.aufrufe.isEmpty());
    Hinzufuegen(fenster, 3, "cmdBattleHeldengruppe");
    QCOMPARE(Eintraege(fenster, "lstHeldengruppe"), 100);
    QCOMPARE(V::Kampf.AnzahlHelden(), 100);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("schon 100 Mitglieder")));
    Hinzufuegen(fenster, 0, "cmdBattleGegnergruppe");
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), 1);

    // LE 0 is refused in the member's values; the dialog stays open until LE is 1 or more.
    int versuche = 0;
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        Kind<QLineEdit>(dialog, QStringLiteral("txtLE"))->setText(QStringLiteral("0"));
        Klick(dialog, QStringLiteral("cmdOK"));
        versuche += dialog.result() == QDialog::Accepted ? 0 : 1;
        Kind<QLineEdit>(dialog, QStringLiteral("txtLE"))->setText(QStringLiteral("1"));
        Klick(dialog, QStringLiteral("cmdOK"));
        return dialog.result();
    });
    auto* gegner = Kind<QListWidget>(fenster, QStringLiteral("lstGegnergruppe"));
    Q_EMIT gegner->itemDoubleClicked(gegner->item(0));
    QCOMPARE(versuche, 1);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("Lebensenergie")));
    QCOMPARE(V::Kampf.Gegner[0].LE, qint64(1));

    // A finished run leaves the bar full.
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("200"));
    Klick(fenster, QStringLiteral("cmdChancen"));
    QTRY_VERIFY_WITH_TIMEOUT(!fenster.ChancenLaufen(), 120000);
    auto* bar = Kind<QProgressBar>(fenster, QStringLiteral("Bar"));
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(bar->maximum() > 0);
}

void TestCreaturesVorschlagFenster::grosseAufstellungenStoppen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    // A longer line-up file is refused whole, naming the line; the groups stay as they are.
    QByteArray datei("Aufstellung 1\r\n");
    datei += QByteArray("Gegner\tWolf\t10\t11\t7\t1\tW6\t1\t1\t22\r\n").repeated(101);
    installation.Schreiben(QStringLiteral("WBD/gross.txt"), datei);
    dialoge.dateien = {installation.Pfad(QStringLiteral("WBD/gross.txt"))};
    Klick(fenster, QStringLiteral("cmdAufstellungLaden"));
    QVERIFY2(dialoge.Texte().last().contains(QStringLiteral("Zeile 102")), qPrintable(dialoge.Texte().last()));
    QCOMPARE(V::Kampf.AnzahlGegner(), 0);

    // A hundred fortresses against a hundred: "Abbrechen" and closing the window stop the run within half a
    // second, although every fight is long.
    dialoge.dateien = {Festungen(installation)};
    Klick(fenster, QStringLiteral("cmdAufstellungLaden"));
    QCOMPARE(Eintraege(fenster, "lstGegnergruppe"), 100);
    Kind<QLineEdit>(fenster, QStringLiteral("txtKaempfe"))->setText(QStringLiteral("10.000.000"));
    Klick(fenster, QStringLiteral("cmdChancen"));
    QTest::qWait(300);
    QElapsedTimer uhr;
    uhr.start();
    Klick(fenster, QStringLiteral("cmdChancenAbbrechen"));
    QTRY_VERIFY_WITH_TIMEOUT(!fenster.ChancenLaufen(), 5000);
    QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(Kind<QProgressBar>(fenster, QStringLiteral("Bar"))->value(), 0);
    Klick(fenster, QStringLiteral("cmdChancen"));
    QTest::qWait(300);
    uhr.restart();
    QVERIFY(fenster.close());
    QVERIFY2(uhr.elapsed() < 500, qPrintable(QString::number(uhr.elapsed())));
    QVERIFY(!fenster.ChancenLaufen());
}

QTEST_MAIN(TestCreaturesVorschlagFenster)
#include "test_creatures_vorschlag_fenster.moc"
