// The armory's windows, driven through their real controls: lists, editing, deleting, regions, the key
// filter, detail view, exports, printing to PDF, the generator and the forge.
#include "ArmoryHTML.h"
#include "ArmoryTestHilfe.h"
#include "Armory3Variablen.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Shell.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zufall.h"
#include "frmArmoryForge.h"
#include "frmArmoryGenerator.h"
#include "frmArmoryMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>

using namespace Waffentabellen;
using namespace ArmoryTest;

using namespace FensterTest;
namespace {

const QString kNah = QStringLiteral("Data/Armory/Nahkampfwaffen.dat");


QStringList Eintraege(QListWidget* liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte.append(liste->item(i)->text());
    return texte;
}

void Waehlen(QListWidget* liste, const QString& code)
{
    const QList<QListWidgetItem*> treffer = liste->findItems(code, Qt::MatchExactly);
    QVERIFY(!treffer.isEmpty());
    liste->setCurrentItem(treffer.first());
}

void ZeileWaehlen(Datensatzliste* liste, int zeile)
{
    QVERIFY(zeile < liste->Anzahl());
    liste->ZeileWaehlen(zeile);
}

// A double click on the chosen line, as the view reports it.
void Doppelklick(Datensatzliste* liste)
{
    Q_EMIT liste->Ansicht()->doubleClicked(liste->Ansicht()->currentIndex());
}

// The three known weapons A, B, C (prices 30, 5, 120; B without currency or regions).
void DreiWaffen(const TestInstallation& installation)
{
    QStringList b = Nahkampfwaffe(QStringLiteral("B-Dolch"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5"));
    b[4] = QStringLiteral("Kurz und spitz.");
    b[22] = QStringLiteral("1");
    b[27].clear();
    b[28].clear();
    installation.ZeilenSchreiben(kNah, Datei({Nahkampfwaffe(QStringLiteral("A-Axt"), QStringLiteral("1"),
                                                            QStringLiteral("3"), QStringLiteral("30")),
                                              b,
                                              Nahkampfwaffe(QStringLiteral("C-Schwert"), QStringLiteral("1"),
                                                            QStringLiteral("4"), QStringLiteral("120"))}));
}

QStringList Block(const TestInstallation& installation, int zeile)
{
    return installation.Zeilen(kNah).mid(1 + zeile * 29, 29);
}

} // namespace

class TestArmoryFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void startZeigtNahkampflisteUndBilder();
    void optionenWechselnDieTabelle();
    void fehlendeDatenbankWirdEinmalGemeldet();
    void neuerEintragMitNullenRegionenUndUnzerstoerbar();
    void leererNameWirdAbgelehnt();
    void bearbeitenAendertZeileUndListeneintrag();
    void bearbeitenErbtNichtsVomVorigenEintrag();
    void loeschenMitEntfTasteUndNachfrage();
    void letztenEintragLoeschenSperrtKnoepfe();
    void zifferntastenfilter();
    void regionenVerschiebenUndBeschreiben();
    void schliessenFragtNurImBearbeitungsmodus();
    void detailansichtUndZurueck();
    void htmlUndWbdExport();
    void wbdImportInEineAndereTabelle();
    void sortierteListeAlsPdfDrucken();
    void einzelneWaffeAlsPdfDrucken();
    void hilfeOeffnetDieSeite();
    void schmiedeUnlesbarerOderRiesigerPreis();
    void schmiedeEnterStartetNichts();
    void generatorFuegtWaffeHinzu();
    void schmiedeOhnePreisFragtZuerst();
    void schmiedeZeigtDieUebersichtLaufend();
    void schmiedeFreigabeUndTalentgrenze();
    void schmiedeSchreibtBerichtUndOeffnetIhn();
};

void TestArmoryFenster::cleanup()
{
    Fenster::ModalHandlerSetzen(nullptr);
}

void TestArmoryFenster::startZeigtNahkampflisteUndBilder()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Waffkam 3 v3.00  -  Der Werkbund3 Waffeneditor"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    QCOMPARE(liste->AngezeigteAnzahl(), Armory3Variablen::NWaffen.Anzahl());
    QVERIFY(liste->AngezeigteAnzahl() > 0);
    QCOMPARE(liste->SichtbareSpalten(), 9);
    // The row number is the model's own row: the view has the nine visible columns only.
    QCOMPARE(liste->Ansicht()->model()->columnCount(), 9);
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvFWaffen")));
    // At the default size the last column ("Preis") is whole, and no sort arrow shows before a click.
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    const int preis = liste->SichtbareSpalten() - 1;
    QVERIFY(liste->Kopf()->sectionViewportPosition(preis) + liste->columnWidth(preis)
            <= liste->Ansicht()->viewport()->width());
    QVERIFY(liste->columnWidth(preis) >= liste->Ansicht()->fontMetrics().horizontalAdvance(QStringLiteral("1200 Dukaten")));
    QVERIFY(!liste->Kopf()->isSortIndicatorShown());
    QVERIFY(!Sichtbar(fenster, QStringLiteral("NWaffenTab")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
    QVERIFY(!An(fenster, QStringLiteral("cmdView")));
    for (const char* name : {"cmdNeu", "cmdBearbeiten", "cmdDelete", "cmdHTML", "cmdExport", "cmdWBDExport",
                             "cmdWBDImport", "cmdPrint", "cmdPrintListe", "cmdGenerator", "cmdForge", "cmdHelp"})
        QVERIFY2(An(fenster, QLatin1String(name)), name);
    for (const char* name : {"cmdNeu", "cmdSave", "cmdDelete", "cmdBearbeiten", "cmdView", "cmdHTML", "cmdExport",
                             "cmdWBDExport", "cmdWBDImport", "cmdGenerator", "cmdPrint", "cmdPrintListe", "cmdHelp",
                             "cmdForge"})
        QVERIFY2(!Kind<QAbstractButton>(fenster, QLatin1String(name))->icon().isNull(), name);
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdWBDExport"))->toolTip(),
             QStringLiteral("Eintrag als WBD-File exportieren"));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestArmoryFenster::optionenWechselnDieTabelle()
{
    TestInstallation installation;
    installation.Schreiben(QStringLiteral("Data/Armory/Rüstungen.dat"), "3.00\r\n");
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    Klick(fenster, QStringLiteral("Option1(1)"));
    QCOMPARE(Armory3Variablen::AktuelleTabelle, Tabelle::FWaffen);
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvFWaffen")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    QVERIFY(!An(fenster, QStringLiteral("cmdGenerator")));
    QVERIFY(!An(fenster, QStringLiteral("cmdForge")));
    QVERIFY(An(fenster, QStringLiteral("cmdBearbeiten")));

    // The empty armour table: every record button is disabled, new records and imports are not.
    Klick(fenster, QStringLiteral("Option1(2)"));
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvArmor")));
    QCOMPARE(Kind<Datensatzliste>(fenster, QStringLiteral("lvArmor"))->AngezeigteAnzahl(), 0);
    for (const char* name : {"cmdBearbeiten", "cmdWBDExport", "cmdExport", "cmdHTML", "cmdDelete", "cmdPrint", "cmdPrintListe"})
        QVERIFY2(!An(fenster, QLatin1String(name)), name);
    QVERIFY(An(fenster, QStringLiteral("cmdNeu")));
    QVERIFY(An(fenster, QStringLiteral("cmdWBDImport")));

    Klick(fenster, QStringLiteral("Option1(0)"));
    QVERIFY(An(fenster, QStringLiteral("cmdGenerator")));
    QVERIFY(An(fenster, QStringLiteral("cmdForge")));
    QVERIFY(An(fenster, QStringLiteral("cmdBearbeiten")));
}

void TestArmoryFenster::fehlendeDatenbankWirdEinmalGemeldet()
{
    TestInstallation installation;
    QVERIFY(QFile::remove(installation.Pfad(QStringLiteral("Data/Armory/Fernwaffen.dat"))));
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("Fernwaffen.dat")));
    QCOMPARE(dialoge.aufrufe.first().titel, QStringLiteral("Waffkam 3"));
    QCOMPARE(Kind<Datensatzliste>(fenster, QStringLiteral("lvFWaffen"))->AngezeigteAnzahl(), 0);
}

void TestArmoryFenster::neuerEintragMitNullenRegionenUndUnzerstoerbar()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    Klick(fenster, QStringLiteral("cmdNeu"));
    QVERIFY(Sichtbar(fenster, QStringLiteral("NWaffenTab")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Option1(0)")));
    QVERIFY(An(fenster, QStringLiteral("cmdSave")));
    QVERIFY(An(fenster, QStringLiteral("cmdView")));
    QVERIFY(!An(fenster, QStringLiteral("cmdNeu")));
    QVERIFY(!An(fenster, QStringLiteral("cmdDelete")));
    QCOMPARE(Kind<QTabWidget>(fenster, QStringLiteral("NWaffenTab"))->count(), 5);

    Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"))->setText(QStringLiteral("Neuling"));
    Kind<QPlainTextEdit>(fenster, QStringLiteral("txtNWaffe(3)"))->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
    Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(4)"))->setText(QStringLiteral("2"));
    Kind<QComboBox>(fenster, QStringLiteral("cmbKategorieNWaffe"))->setCurrentText(QStringLiteral("Messer"));
    Kind<QComboBox>(fenster, QStringLiteral("cmbSchadenNWaffe"))->setCurrentText(QStringLiteral("W4"));
    auto* regionen = Kind<QListWidget>(fenster, QStringLiteral("lstNWaffeRegionen"));
    Waehlen(regionen, QStringLiteral("GA"));
    Klick(fenster, QStringLiteral("cmdNWaffeHin"));
    Waehlen(regionen, QStringLiteral("BO"));
    Klick(fenster, QStringLiteral("cmdNWaffeHin"));
    QCOMPARE(Eintraege(Kind<QListWidget>(fenster, QStringLiteral("lstNWaffeVerfügbar"))), (QStringList{"GA", "BO"}));
    QCOMPARE(regionen->count(), 18);

    auto* bf = Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(9)"));
    Kind<QCheckBox>(fenster, QStringLiteral("chkNWaffe(8)"))->click();
    QVERIFY(!bf->isEnabled());
    Kind<QCheckBox>(fenster, QStringLiteral("chkNWaffe(8)"))->click();
    QVERIFY(bf->isEnabled());
    Kind<QCheckBox>(fenster, QStringLiteral("chkNWaffe(8)"))->click();

    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(1)"))->text(), QStringLiteral("0"));
    const QStringList block = Block(installation, 3);
    QCOMPARE(block.size(), 29);
    QCOMPARE(block[0], QStringLiteral(" 3 "));
    QCOMPARE(block[1], QStringLiteral("Neuling"));
    QCOMPARE(block[4], QStringLiteral("Zeile 1\nZeile 2"));
    for (int f : {2, 6, 10, 11})
        QCOMPARE(block[f], QStringLiteral("0"));
    QVERIFY(block[3].isEmpty());
    QCOMPARE(block[24], QStringLiteral("1"));
    QCOMPARE(block[16], QStringLiteral("0"));
    QCOMPARE(block[25], QStringLiteral("Messer"));
    QCOMPARE(block[26], QStringLiteral("W4"));
    QVERIFY(block[27].isEmpty());
    QCOMPARE(block[28], QStringLiteral("GA|BO|"));

    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    QCOMPARE(liste->AngezeigteAnzahl(), 4);
    QCOMPARE(liste->Text(3, 2), QStringLiteral("2W4+0"));
    QCOMPARE(liste->Text(3, 4), QStringLiteral("0 Unzen"));
    QCOMPARE(liste->GewaehlteZeile(), 3);
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("NWaffenTab")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("Option1(2)")));
    QVERIFY(An(fenster, QStringLiteral("cmdBearbeiten")));
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
}

void TestArmoryFenster::leererNameWirdAbgelehnt()
{
    TestInstallation installation;
    DreiWaffen(installation);
    const QByteArray vorher = installation.Bytes(kNah);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    Klick(fenster, QStringLiteral("cmdNeu"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Ihr müsst einen Namen eingeben.")});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(installation.Bytes(kNah), vorher);
    QVERIFY(Sichtbar(fenster, QStringLiteral("NWaffenTab")));
    QCOMPARE(Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"))->AngezeigteAnzahl(), 3);
}

void TestArmoryFenster::bearbeitenAendertZeileUndListeneintrag()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    ZeileWaehlen(liste, 2);
    Doppelklick(liste);
    QVERIFY(Sichtbar(fenster, QStringLiteral("NWaffenTab")));
    QCOMPARE(Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"))->text(), QStringLiteral("C-Schwert"));
    QCOMPARE(Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(10)"))->text(), QStringLiteral("120"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbKategorieNWaffe"))->currentText(), QStringLiteral("Schwerter"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbWährungNWaffe"))->currentText(), QStringLiteral("Dukaten"));
    QCOMPARE(Eintraege(Kind<QListWidget>(fenster, QStringLiteral("lstNWaffeVerfügbar"))), (QStringList{"GA", "HA"}));
    QVERIFY(Armory3Variablen::Bearbeitungsmodus);
    QCOMPARE(Armory3Variablen::Bearbeitungszeile, 2);

    Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"))->setText(QStringLiteral("C-Schwert, neu geschliffen"));
    Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(10)"))->setText(QStringLiteral("150"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(liste->AngezeigteAnzahl(), 3);
    QCOMPARE(liste->Text(2, 0), QStringLiteral("C-Schwert, neu geschliffen"));
    QCOMPARE(liste->Text(2, 8), QStringLiteral("150 Dukaten"));
    QCOMPARE(Block(installation, 2)[1], QStringLiteral("C-Schwert, neu geschliffen"));
    QCOMPARE(Block(installation, 2)[28], QStringLiteral("GA|HA|"));
    QCOMPARE(Block(installation, 0)[1], QStringLiteral("A-Axt"));
    QCOMPARE(installation.Zeilen(kNah).size(), 1 + 3 * 29);

    // The edit button does the same as the double click.
    ZeileWaehlen(liste, 0);
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    QCOMPARE(Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"))->text(), QStringLiteral("A-Axt"));
}

void TestArmoryFenster::bearbeitenErbtNichtsVomVorigenEintrag()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    ZeileWaehlen(liste, 0);
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    Kind<QCheckBox>(fenster, QStringLiteral("chkNWaffe(8)"))->click();
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    Klick(fenster, QStringLiteral("cmdView"));
    QVERIFY(An(fenster, QStringLiteral("cmdBearbeiten")));
    ZeileWaehlen(liste, 1);
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    QVERIFY(Kind<QComboBox>(fenster, QStringLiteral("cmbWährungNWaffe"))->currentText().isEmpty());
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstNWaffeVerfügbar"))->count(), 0);
    QCOMPARE(Eintraege(Kind<QListWidget>(fenster, QStringLiteral("lstNWaffeRegionen"))), Regionsliste());
    QVERIFY(!Kind<QCheckBox>(fenster, QStringLiteral("chkNWaffe(8)"))->isChecked());
    QVERIFY(Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(9)"))->isEnabled());
    Klick(fenster, QStringLiteral("cmdSave"));
    QVERIFY(Block(installation, 1)[27].isEmpty());
    QVERIFY(Block(installation, 1)[28].isEmpty());
}

void TestArmoryFenster::loeschenMitEntfTasteUndNachfrage()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    ZeileWaehlen(liste, 1);
    dialoge.ja = {false};
    QTest::keyClick(liste->Ansicht(), Qt::Key_Delete);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Soll der Eintrag wirklich gelöscht werden ?")});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Frage);
    QCOMPARE(liste->AngezeigteAnzahl(), 3);

    dialoge.ja = {true};
    QTest::keyClick(liste->Ansicht(), Qt::Key_Delete);
    QCOMPARE(liste->AngezeigteAnzahl(), 2);
    QCOMPARE(liste->Text(0, 0), QStringLiteral("A-Axt"));
    QCOMPARE(liste->Text(1, 0), QStringLiteral("C-Schwert"));
    QCOMPARE(liste->GewaehlteZeile(), 1);
    QCOMPARE(Armory3Variablen::NWaffen.Anzahl(), 2);
    const QStringList zeilen = installation.Zeilen(kNah);
    QCOMPARE(zeilen.size(), 1 + 2 * 29);
    QCOMPARE(zeilen[1 + 29], QStringLiteral(" 1 "));
    QCOMPARE(zeilen[1 + 29 + 1], QStringLiteral("C-Schwert"));

    // After the renumbering the row numbers still lead to the right records.
    ZeileWaehlen(liste, 1);
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    QCOMPARE(Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"))->text(), QStringLiteral("C-Schwert"));
}

void TestArmoryFenster::letztenEintragLoeschenSperrtKnoepfe()
{
    TestInstallation installation;
    installation.ZeilenSchreiben(kNah, Datei({Nahkampfwaffe(QStringLiteral("Letzte"))}));
    Dialoge::Skript dialoge;
    dialoge.ja = {true};
    frmArmoryMain fenster;
    ZeileWaehlen(Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen")), 0);
    Klick(fenster, QStringLiteral("cmdDelete"));
    QCOMPARE(installation.Bytes(kNah), QByteArray("3.00\r\n"));
    for (const char* name : {"cmdBearbeiten", "cmdWBDExport", "cmdExport", "cmdHTML", "cmdDelete", "cmdPrint",
                             "cmdPrintListe", "cmdForge"})
        QVERIFY2(!An(fenster, QLatin1String(name)), name);
    QVERIFY(An(fenster, QStringLiteral("cmdGenerator")));
}

void TestArmoryFenster::zifferntastenfilter()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    fenster.show();
    Klick(fenster, QStringLiteral("cmdNeu"));
    auto* gewicht = Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(1)"));
    QTest::keyClicks(gewicht, QStringLiteral("1a2,3.4"));
    QCOMPARE(gewicht->text(), QStringLiteral("12,34"));
    auto* bonus = Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(5)"));
    QTest::keyClicks(bonus, QStringLiteral("-5-+"));
    QCOMPARE(bonus->text(), QStringLiteral("-5"));
    auto* kk = Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(6)"));
    QTest::keyClicks(kk, QStringLiteral("KK-14"));
    QCOMPARE(kk->text(), QStringLiteral("KK-14"));
    auto* name = Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"));
    QTest::keyClicks(name, QStringLiteral("a1,b"));
    QCOMPARE(name->text(), QStringLiteral("a1,b"));
    // Every table's name box keeps to one line.
    for (const char* box : {"txtNWaffe(0)", "txtFWaffe(0)", "txtArmor(0)"}) {
        Kind<QLineEdit>(fenster, QString::fromUtf8(box))->setText(QStringLiteral("Zwei\nZeilen"));
        QCOMPARE(Kind<QLineEdit>(fenster, QString::fromUtf8(box))->text(), QStringLiteral("Zwei Zeilen"));
    }
    name->setText(QStringLiteral("a1,b"));
    Klick(fenster, QStringLiteral("cmdView"));

    Klick(fenster, QStringLiteral("Option1(1)"));
    Klick(fenster, QStringLiteral("cmdNeu"));
    auto* preis = Kind<QLineEdit>(fenster, QStringLiteral("txtFWaffe(8)"));
    QTest::keyClicks(preis, QStringLiteral(".7x"));
    QCOMPARE(preis->text(), QStringLiteral("7"));
    auto* reichweite = Kind<QLineEdit>(fenster, QStringLiteral("txtFWaffe(6)"));
    QTest::keyClicks(reichweite, QStringLiteral("80 Schritt"));
    QCOMPARE(reichweite->text(), QStringLiteral("80 Schritt"));
    Klick(fenster, QStringLiteral("cmdView"));

    Klick(fenster, QStringLiteral("Option1(2)"));
    Klick(fenster, QStringLiteral("cmdNeu"));
    auto* rs = Kind<QLineEdit>(fenster, QStringLiteral("txtArmor(3)"));
    QTest::keyClicks(rs, QStringLiteral("+3z"));
    QCOMPARE(rs->text(), QStringLiteral("+3"));
    auto* armorBf = Kind<QLineEdit>(fenster, QStringLiteral("txtArmor(7)"));
    Kind<QCheckBox>(fenster, QStringLiteral("chkArmor(5)"))->click();
    QVERIFY(!armorBf->isEnabled());
    fenster.hide();
}

void TestArmoryFenster::regionenVerschiebenUndBeschreiben()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    Klick(fenster, QStringLiteral("Option1(2)"));
    Klick(fenster, QStringLiteral("cmdNeu"));
    auto* regionen = Kind<QListWidget>(fenster, QStringLiteral("lstArmorRegionen"));
    auto* verfuegbar = Kind<QListWidget>(fenster, QStringLiteral("lstArmorVerfügbar"));
    QCOMPARE(Eintraege(regionen), Regionsliste());

    // "Hin" without a selection moves nothing.
    regionen->clearSelection();
    Klick(fenster, QStringLiteral("cmdArmorHin"));
    QCOMPARE(verfuegbar->count(), 0);

    Waehlen(regionen, QStringLiteral("SÜ"));
    Q_EMIT regionen->itemClicked(regionen->currentItem());
    const QString beschreibung = Subs::IniLesen(installation.Pfad(QStringLiteral("Data/Explorer/Regionen.dat")),
                                                QStringLiteral("SÜ"), QStringLiteral("Desc"));
    QVERIFY(!beschreibung.isEmpty());
    QCOMPARE(Kind<QLabel>(fenster, QStringLiteral("lblArmorRegionen"))->text(), beschreibung);

    Klick(fenster, QStringLiteral("cmdArmorAlleHin"));
    QCOMPARE(regionen->count(), 0);
    QCOMPARE(Eintraege(verfuegbar), Regionsliste());
    Waehlen(verfuegbar, QStringLiteral("BO"));
    Klick(fenster, QStringLiteral("cmdArmorZurück"));
    QCOMPARE(Eintraege(regionen), QStringList{QStringLiteral("BO")});
    Klick(fenster, QStringLiteral("cmdArmorAlleZurück"));
    QCOMPARE(verfuegbar->count(), 0);
    QCOMPARE(regionen->count(), 20);
    QCOMPARE(regionen->item(0)->text(), QStringLiteral("BO"));
    QCOMPARE(regionen->item(1)->text(), QStringLiteral("EL"));
}

void TestArmoryFenster::schliessenFragtNurImBearbeitungsmodus()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    fenster.show();
    Klick(fenster, QStringLiteral("cmdNeu"));
    // An untouched new record asks nothing; a typed one gets the one discard question, naming it.
    Kind<QLineEdit>(fenster, QStringLiteral("txtNWaffe(0)"))->setText(QStringLiteral("Prüfbeil"));
    dialoge.wahl = {Dialoge::Antwort::Abbrechen};
    QVERIFY(!fenster.close());
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Die Änderungen an „Prüfbeil“ sind nicht gespeichert.")});
    QCOMPARE(dialoge.aufrufe.first().knoepfe, Dialoge::Knoepfe::SpeichernVerwerfenAbbrechen);
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    Klick(fenster, QStringLiteral("cmdView"));
    QVERIFY(fenster.close());
    QCOMPARE(dialoge.aufrufe.size(), 2);

    frmArmoryMain zweites;
    zweites.show();
    Klick(zweites, QStringLiteral("cmdNeu"));
    QVERIFY(zweites.close());
    QCOMPARE(dialoge.aufrufe.size(), 2);
}

void TestArmoryFenster::detailansichtUndZurueck()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    ZeileWaehlen(Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen")), 1);
    Klick(fenster, QStringLiteral("cmdHTML"));
    QVERIFY(Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    QVERIFY(An(fenster, QStringLiteral("cmdView")));
    for (const char* name : {"cmdNeu", "cmdBearbeiten", "cmdHTML", "cmdExport", "cmdWBDExport", "cmdWBDImport",
                             "cmdDelete", "cmdGenerator", "cmdPrintListe"})
        QVERIFY2(!An(fenster, QLatin1String(name)), name);
    QTRY_VERIFY(fenster.SeiteGeladen());
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    ArmoryHTML::DetailSeiteSchreiben(Tabelle::NWaffen, Armory3Variablen::NWaffen.Zeilen[1], erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("Temp/Temp.html")), erwartet.data());
    // Each "</BR>" of the page shows as a line break in the pane.
    const QString text = Kind<QTextBrowser>(fenster, QStringLiteral("Browser"))->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Kurz und spitz.\n")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nDie Waffe muss zweihändig geführt werden.")));

    Klick(fenster, QStringLiteral("cmdView"));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    for (const char* name : {"cmdNeu", "cmdBearbeiten", "cmdHTML", "cmdExport", "cmdWBDImport", "cmdGenerator"})
        QVERIFY2(An(fenster, QLatin1String(name)), name);
}

void TestArmoryFenster::htmlUndWbdExport()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    ZeileWaehlen(Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen")), 2);
    const QString html = installation.Pfad(QStringLiteral("HTML/c.html"));
    const QString wbd = installation.Pfad(QStringLiteral("WBD/c.wbd"));
    dialoge.dateien = {html, wbd};
    Klick(fenster, QStringLiteral("cmdExport"));
    Klick(fenster, QStringLiteral("cmdWBDExport"));
    QCOMPARE(dialoge.aufrufe[0].art, QStringLiteral("Speichern"));
    QCOMPARE(dialoge.aufrufe[0].ordner, Variablen::HtmlPfad);
    QCOMPARE(dialoge.aufrufe[0].filter, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    QCOMPARE(dialoge.aufrufe[2].ordner, Variablen::WbdPfad);
    QCOMPARE(dialoge.aufrufe[2].filter, QStringLiteral("WBD-Dateien (*.wbd)|*.wbd"));
    QCOMPARE(dialoge.Texte(), (QStringList{"Daten wurden erfolgreich exportiert.", "Daten wurden erfolgreich exportiert."}));
    QCOMPARE(dialoge.aufrufe[1].symbol, Dialoge::Symbol::Information);
    QVERIFY(installation.Bytes(QStringLiteral("HTML/c.html")).contains("<H1>C-Schwert</H1>"));
    const QStringList zeilen = installation.Zeilen(QStringLiteral("WBD/c.wbd"));
    QCOMPARE(zeilen.size(), 29);
    QCOMPARE(zeilen[0], QStringLiteral("Waffkam 3 - Nahkampfwaffe"));
    QCOMPARE(zeilen[1], QStringLiteral("C-Schwert"));

    // A cancelled dialog writes nothing and says nothing.
    Klick(fenster, QStringLiteral("cmdExport"));
    QCOMPARE(dialoge.Texte().size(), 2);
}

void TestArmoryFenster::wbdImportInEineAndereTabelle()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    auto* armor = Kind<Datensatzliste>(fenster, QStringLiteral("lvArmor"));
    const int vorher = armor->AngezeigteAnzahl();
    QStringList datei{QStringLiteral("Waffkam 3 - Rüstung")};
    datei.append(Ruestung(QStringLiteral("Importhelm")).mid(1));
    installation.ZeilenSchreiben(QStringLiteral("WBD/helm.wbd"), datei);
    installation.Schreiben(QStringLiteral("WBD/fremd.wbd"), "Bestiar 3\r\nOger\r\n");
    dialoge.dateien = {installation.Pfad(QStringLiteral("WBD/helm.wbd")), installation.Pfad(QStringLiteral("WBD/fremd.wbd"))};

    Klick(fenster, QStringLiteral("cmdWBDImport"));
    QCOMPARE(dialoge.aufrufe[0].art, QStringLiteral("Oeffnen"));
    QCOMPARE(armor->AngezeigteAnzahl(), vorher + 1);
    QCOMPARE(armor->Text(vorher, 0), QStringLiteral("Importhelm"));
    QCOMPARE(Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"))->AngezeigteAnzahl(), 3);
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvNWaffen")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvArmor")));
    const QStringList ruestungen = installation.Zeilen(QStringLiteral("Data/Armory/Rüstungen.dat"));
    QCOMPARE(ruestungen.size(), 1 + (vorher + 1) * 20);
    QCOMPARE(ruestungen[1 + vorher * 20 + 1], QStringLiteral("Importhelm"));

    const QByteArray nahVorher = installation.Bytes(kNah);
    Klick(fenster, QStringLiteral("cmdWBDImport"));
    QCOMPARE(dialoge.Texte(),
             QStringList{QStringLiteral("Diese Datei wurde nicht mit Waffkam 3 erstellt oder sie ist beschädigt.")});
    QCOMPARE(installation.Bytes(kNah), nahVorher);
    QCOMPARE(armor->AngezeigteAnzahl(), vorher + 1);
}

void TestArmoryFenster::sortierteListeAlsPdfDrucken()
{
    TestInstallation installation;
    DreiWaffen(installation);
    QStringList waffen = installation.Zeilen(kNah);
    QStringList stilett = Nahkampfwaffe(QStringLiteral("D-Stilett"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("40"));
    stilett[27] = QStringLiteral("Silbertaler");
    waffen += Datei({stilett}).mid(1);
    installation.ZeilenSchreiben(kNah, waffen);
    Dialoge::Skript dialoge;
    const QString pdf = installation.Pfad(QStringLiteral("Temp/liste.pdf"));
    dialoge.drucken = [&pdf](QPrinter& drucker) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    };
    frmArmoryMain fenster;
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    Q_EMIT liste->Kopf()->sectionClicked(8); // "Preis", by value: 40 Silbertaler are less than 5 Dukaten
    QCOMPARE(liste->Text(liste->ZeileAn(0), 8), QStringLiteral("40 Silbertaler"));
    QCOMPARE(liste->Text(liste->ZeileAn(1), 8), QStringLiteral("5 "));
    Q_EMIT liste->Kopf()->sectionClicked(8);
    QCOMPARE(liste->Text(liste->ZeileAn(0), 8), QStringLiteral("120 Dukaten"));

    Klick(fenster, QStringLiteral("cmdPrintListe"));
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Drucken"));
    QVERIFY(QFile(pdf).size() > 0);
    const QString seite = QString::fromLatin1(installation.Bytes(QStringLiteral("Temp/Temp.html")));
    QVERIFY(seite.startsWith(QStringLiteral("<html>\r\n<head>\r\n<title>Liste aller Nahkampfwaffen</title>")));
    const qsizetype b = seite.indexOf(QStringLiteral(">B-Dolch<"));
    const qsizetype a = seite.indexOf(QStringLiteral(">A-Axt<"));
    const qsizetype c = seite.indexOf(QStringLiteral(">C-Schwert<"));
    const qsizetype d = seite.indexOf(QStringLiteral(">D-Stilett<"));
    QVERIFY(c > 0 && a > c && b > a && d > b);
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvNWaffen")));

    // The page holds the lines shown: a filter leaves the others out.
    liste->FilterSetzen(QStringLiteral("dolch stilett"));
    QCOMPARE(liste->Zaehlertext(), QStringLiteral("0 von 4"));
    liste->FilterSetzen(QStringLiteral("stilett"));
    Klick(fenster, QStringLiteral("cmdPrintListe"));
    const QString gefiltert = QString::fromLatin1(installation.Bytes(QStringLiteral("Temp/Temp.html")));
    QVERIFY(gefiltert.contains(QStringLiteral(">D-Stilett<")));
    QVERIFY(!gefiltert.contains(QStringLiteral(">A-Axt<")));
}

void TestArmoryFenster::einzelneWaffeAlsPdfDrucken()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    const QString pdf = installation.Pfad(QStringLiteral("Temp/waffe.pdf"));
    dialoge.drucken = [&pdf](QPrinter& drucker) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    };
    frmArmoryMain fenster;
    ZeileWaehlen(Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen")), 0);
    Klick(fenster, QStringLiteral("cmdPrint"));
    QVERIFY(QFile(pdf).size() > 0);
    QVERIFY(installation.Bytes(QStringLiteral("Temp/Temp.html")).contains("<H1>A-Axt</H1>"));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));

    // Cancelling the print dialog prints nothing and is no error.
    QVERIFY(QFile::remove(pdf));
    dialoge.drucken = nullptr;
    Klick(fenster, QStringLiteral("cmdPrint"));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(dialoge.Texte().isEmpty());
}

void TestArmoryFenster::hilfeOeffnetDieSeite()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmArmoryMain fenster;
    Klick(fenster, QStringLiteral("cmdHelp"));
    QCOMPARE(shell.geoeffnet.size(), 1);
    QCOMPARE(shell.geoeffnet.first(), installation.Pfad(QStringLiteral("Hilfe/Armory.htm")));
}

void TestArmoryFenster::generatorFuegtWaffeHinzu()
{
    TestInstallation installation;
    DreiWaffen(installation);
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe({1, 1, 2});
    frmArmoryMain fenster;
    QString geoeffnet;
    Fenster::ModalHandlerSetzen([&geoeffnet](QDialog& dialog) {
        geoeffnet = dialog.objectName() + QLatin1Char(' ') + dialog.windowTitle();
        auto* fertig = dialog.findChild<QAbstractButton*>(QStringLiteral("cmdFertig"));
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("txtName"));
        auto* kategorie = dialog.findChild<QComboBox*>(QStringLiteral("Combo"));
        if (!fertig || !name || !kategorie || fertig->isEnabled())
            return int(QDialog::Rejected);
        name->setText(QStringLiteral("Küchenmesser"));
        if (fertig->isEnabled())
            return int(QDialog::Rejected);
        kategorie->setCurrentText(QStringLiteral("Messer"));
        // Blanks alone are no name; blanks around a name are dropped.
        name->setText(QStringLiteral("  "));
        if (fertig->isEnabled())
            return int(QDialog::Rejected);
        name->setText(QStringLiteral(" Küchenmesser "));
        fertig->click();
        return dialog.result();
    });
    Klick(fenster, QStringLiteral("cmdGenerator"));
    QCOMPARE(geoeffnet, QStringLiteral("frmArmoryGenerator Waffkam 3 - Waffengenerator"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"));
    QCOMPARE(liste->AngezeigteAnzahl(), 4);
    QCOMPARE(liste->Text(3, 0), QStringLiteral("Küchenmesser"));
    QCOMPARE(liste->Text(3, 2), QStringLiteral("1W6+1"));
    QCOMPARE(liste->Text(3, 7), QStringLiteral("2 / 2"));
    QCOMPARE(liste->GewaehlteZeile(), 3);
    QCOMPARE(Block(installation, 3)[1], QStringLiteral("Küchenmesser"));
    QCOMPARE(Block(installation, 3)[10], QStringLiteral("2"));

    // Closing the generator without a weapon changes nothing.
    Fenster::ModalHandlerSetzen([](QDialog&) { return int(QDialog::Rejected); });
    Klick(fenster, QStringLiteral("cmdGenerator"));
    QCOMPARE(liste->AngezeigteAnzahl(), 4);
}

void TestArmoryFenster::schmiedeOhnePreisFragtZuerst()
{
    TestInstallation installation;
    installation.ZeilenSchreiben(kNah, Datei({Nahkampfwaffe(QStringLiteral("Rohling"), QStringLiteral("1"),
                                                            QStringLiteral("1"), QStringLiteral("0"))}));
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    QString geoeffnet;
    Fenster::ModalHandlerSetzen([&geoeffnet](QDialog& dialog) {
        geoeffnet = dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    dialoge.ja = {false, true};
    Klick(fenster, QStringLiteral("cmdForge"));
    QVERIFY(geoeffnet.isEmpty());
    QCOMPARE(dialoge.Texte().first(), QStringLiteral("Ihr solltet der Waffe zuerst einen Preis zuordnen, bevor ihr sie in "
                                                     "Varl-Forge 3 weiterverarbeitet. Soll Varl-Forge 3 wirklich geladen "
                                                     "werden ?"));
    Klick(fenster, QStringLiteral("cmdForge"));
    QCOMPARE(geoeffnet, QStringLiteral("Waffkam 3 - Varl-Forge 3"));
}

void TestArmoryFenster::schmiedeUnlesbarerOderRiesigerPreis()
{
    // A price that is no number is refused with a message; a huge one is clamped, never read as 0.
    TestInstallation installation;
    installation.ZeilenSchreiben(kNah, Datei({Nahkampfwaffe(QStringLiteral("Fehlpreis"), QStringLiteral("1"),
                                                            QStringLiteral("1"), QStringLiteral("1e30")),
                                              Nahkampfwaffe(QStringLiteral("Prunkstück"), QStringLiteral("1"),
                                                            QStringLiteral("1"), QStringLiteral("1") + QString(30, QLatin1Char('0')))}));
    Dialoge::Skript dialoge;
    frmArmoryMain fenster;
    QString status;
    Fenster::ModalHandlerSetzen([&status](QDialog& dialog) {
        status = Kind<QLabel>(dialog, QStringLiteral("lblStatus"))->text();
        return int(QDialog::Rejected);
    });
    Klick(fenster, QStringLiteral("cmdForge"));
    QVERIFY(status.isEmpty());
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("„1e30“")));
    Kind<Datensatzliste>(fenster, QStringLiteral("lvNWaffen"))->ZeileWaehlen(1);
    Klick(fenster, QStringLiteral("cmdForge"));
    QVERIFY2(status.endsWith(QStringLiteral("PREIS: 9223372036854775807 Dukaten")), qPrintable(status));
    QCOMPARE(dialoge.Texte().size(), 1);
}

void TestArmoryFenster::schmiedeEnterStartetNichts()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe;
    frmArmoryForge schmiede(Nahkampfwaffe(QStringLiteral("Mondklinge")));
    schmiede.show();
    QVERIFY(QTest::qWaitForWindowExposed(&schmiede));
    auto* schmied = Kind<QLineEdit>(schmiede, QStringLiteral("txtSchmied"));
    QTest::keyClicks(schmied, QStringLiteral("1.000"));
    QVERIFY(An(schmiede, QStringLiteral("cmdStart")));
    QTest::keyClick(schmied, Qt::Key_Return);
    QTest::keyClick(Kind<QLineEdit>(schmiede, QStringLiteral("txtName")), Qt::Key_Enter);
    // No work was started: no dice, no file dialog, and the window is still open.
    QVERIFY(wuerfe.Angefragt().isEmpty());
    QVERIFY(dialoge.aufrufe.isEmpty());
    QVERIFY(schmiede.isVisible());
    Q_EMIT schmied->editingFinished();
    QCOMPARE(schmied->text(), QStringLiteral("22"));
}

void TestArmoryFenster::schmiedeZeigtDieUebersichtLaufend()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmArmoryForge schmiede(Nahkampfwaffe(QStringLiteral("Mondklinge")));
    auto* status = Kind<QLabel>(schmiede, QStringLiteral("lblStatus"));
    auto* preis = Kind<QLineEdit>(schmiede, QStringLiteral("txtPreis"));
    QCOMPARE(status->text(), QStringLiteral("NAME: Mondklinge\nSCHADEN: 1W6+4\nBRUCHFAKTOR: 3\nPREIS: 100 Dukaten"));
    QCOMPARE(preis->text(), QStringLiteral("100"));
    QVERIFY(Kind<QLabel>(schmiede, QStringLiteral("lblInfo"))->text().isEmpty());

    Kind<QComboBox>(schmiede, QStringLiteral("cmbStahl"))->setCurrentText(QStringLiteral("Titanium"));
    QCOMPARE(status->text(), QStringLiteral("NAME: Mondklinge\nSCHADEN: 1W6+7\nBRUCHFAKTOR: -2\nPREIS: 3000 Dukaten"));
    QCOMPARE(preis->text(), QStringLiteral("3000"));
    QCOMPARE(Kind<QLabel>(schmiede, QStringLiteral("lblInfo"))->text(),
             QStringLiteral("BF -5\nMagische Waffe\nWV +1/+2\nTP +3\n+200% Zeit\nPreis *30"));

    Kind<QLineEdit>(schmiede, QStringLiteral("txtSchmied"))->setText(QStringLiteral("12"));
    Kind<QCheckBox>(schmiede, QStringLiteral("chkPersWaffe"))->click();
    QVERIFY(status->text().contains(QStringLiteral("SCHADEN: 1W6+8\n")));
    QVERIFY(status->text().endsWith(QStringLiteral("PREIS: 15000 Dukaten")));
    Kind<QCheckBox>(schmiede, QStringLiteral("chkZyklop"))->click();
    QVERIFY(status->text().endsWith(QStringLiteral("PREIS: 225000 Dukaten")));

    Kind<QLineEdit>(schmiede, QStringLiteral("txtName"))->setText(QStringLiteral("Sternsplitter"));
    Kind<QComboBox>(schmiede, QStringLiteral("cmbWährung"))->setCurrentText(QStringLiteral("Silbertaler"));
    QCOMPARE(status->text(),
             QStringLiteral("NAME: Sternsplitter\nSCHADEN: 1W6+8\nBRUCHFAKTOR: -2\nPREIS: 225000 Silbertaler"));

    Kind<QComboBox>(schmiede, QStringLiteral("cmbStahl"))->setCurrentText(QStringLiteral("Premer Stahl"));
    QVERIFY(status->text().contains(QStringLiteral("BRUCHFAKTOR: 4\n")));
}

void TestArmoryFenster::schmiedeFreigabeUndTalentgrenze()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmArmoryForge schmiede(Nahkampfwaffe(QStringLiteral("Mondklinge")));
    auto* schmied = Kind<QLineEdit>(schmiede, QStringLiteral("txtSchmied"));
    const auto zustand = [&schmiede] {
        return QList<bool>{An(schmiede, QStringLiteral("txtSchmied")), An(schmiede, QStringLiteral("cmbBF")),
                           An(schmiede, QStringLiteral("cmbTP")), An(schmiede, QStringLiteral("chkPersWaffe")),
                           An(schmiede, QStringLiteral("cmdStart"))};
    };
    QCOMPARE(zustand(), (QList<bool>{true, false, false, false, false}));
    schmied->setText(QStringLiteral("5"));
    QCOMPARE(zustand(), (QList<bool>{true, false, false, false, true}));
    schmied->setText(QStringLiteral("10"));
    QCOMPARE(zustand(), (QList<bool>{true, true, true, true, true}));
    Kind<QComboBox>(schmiede, QStringLiteral("cmbBF"))->setCurrentText(QStringLiteral("-2"));
    Kind<QCheckBox>(schmiede, QStringLiteral("chkZyklop"))->click();
    QCOMPARE(zustand(), (QList<bool>{false, false, false, true, true}));
    // A choice made before still counts while its list is disabled.
    QVERIFY(Kind<QLabel>(schmiede, QStringLiteral("lblStatus"))->text().endsWith(QStringLiteral("PREIS: 9000 Dukaten")));
    Kind<QCheckBox>(schmiede, QStringLiteral("chkZyklop"))->click();
    QCOMPARE(zustand(), (QList<bool>{true, true, true, true, true}));
    schmied->setText(QStringLiteral("0"));
    QCOMPARE(zustand(), (QList<bool>{true, false, false, false, false}));
    schmied->clear();
    Kind<QCheckBox>(schmiede, QStringLiteral("chkZyklop"))->click();
    Kind<QCheckBox>(schmiede, QStringLiteral("chkZyklop"))->click();
    QCOMPARE(zustand(), (QList<bool>{true, false, false, false, false}));

    schmied->setText(QStringLiteral("25"));
    Q_EMIT schmied->editingFinished();
    QCOMPARE(schmied->text(), QStringLiteral("22"));
    schmied->setText(QStringLiteral("21"));
    Q_EMIT schmied->editingFinished();
    QCOMPARE(schmied->text(), QStringLiteral("21"));
}

void TestArmoryFenster::schmiedeSchreibtBerichtUndOeffnetIhn()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmArmoryForge schmiede(Nahkampfwaffe(QStringLiteral("Mondklinge")));
    Kind<QCheckBox>(schmiede, QStringLiteral("chkZyklop"))->click();
    Kind<QLineEdit>(schmiede, QStringLiteral("txtPreis"))->setText(QStringLiteral("1499"));

    // Cancelled save dialog: the rolls for the time are made, nothing is written.
    {
        Zufall::Skript wuerfe({1, 1, 1, 1});
        Klick(schmiede, QStringLiteral("cmdStart"));
        QCOMPARE(wuerfe.Angefragt().size(), 4);
    }
    QVERIFY(dialoge.Texte().isEmpty());

    const QString datei = installation.Pfad(QStringLiteral("HTML/schmiede.html"));
    dialoge.dateien = {datei};
    dialoge.ja = {true};
    Zufall::Skript wuerfe({1, 1, 1, 1, 7, 1});
    Klick(schmiede, QStringLiteral("cmdStart"));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{23, 23, 23, 23, 20, 20}));
    const QString seite = QString::fromLatin1(installation.Bytes(QStringLiteral("HTML/schmiede.html")));
    QVERIFY(seite.contains(QStringLiteral("<B>Dauer der Herstellung: </B> 20 Tage</BR>")));
    QVERIFY(seite.contains(QStringLiteral(">1499 Dukaten<")));
    QVERIFY(seite.contains(QStringLiteral("<B>Spezieller Bonus der Zyklopenwaffe: </B> TP +1</BR>")));
    QCOMPARE(dialoge.Texte(),
             QStringList{QStringLiteral("Die Waffendaten wurden erfolgreich berechnet, wollt ihr euch diese nun ansehen ?")});
    QCOMPARE(shell.geoeffnet, QStringList{datei});
}

QTEST_MAIN(TestArmoryFenster)
#include "test_armory_fenster.moc"
