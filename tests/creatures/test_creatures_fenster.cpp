// The creatures window, driven through its real controls: the list, editing, saving, deleting and the
// selection afterwards, the key filter, the detail view, exports and imports, printing to PDF, and the
// battle panel with a fight to its end.
#include "CreaturesHTML.h"
#include "CreaturesTestHilfe.h"
#include "Creatures3Variablen.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Kreaturentabelle.h"
#include "Shell.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zufall.h"
#include "frmCreaturesMain.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using namespace Kreaturentabellen;
using CreaturesTest::Datei;
using CreaturesTest::Kreatur;
namespace V = Creatures3Variablen;

using namespace FensterTest;
namespace {

const QString kDatenbank = QStringLiteral("Data/Creatures/Kreaturen.dat");
const QString kKategorien = QStringLiteral("Data/Creatures/Kategorien.dat");


QLineEdit* Box(QWidget& fenster, int i)
{
    return Kind<QLineEdit>(fenster, QStringLiteral("Text(%1)").arg(i));
}

Datensatzliste* Liste(QWidget& fenster)
{
    return Kind<Datensatzliste>(fenster, QStringLiteral("lvKreaturen"));
}

void ZeileWaehlen(QWidget& fenster, int zeile)
{
    QVERIFY(zeile < Liste(fenster)->Anzahl());
    Liste(fenster)->ZeileWaehlen(zeile);
    QCOMPARE(V::AktuelleKreatur, zeile);
}

// The text of the chosen record, which must also be the line the view shows as current.
QString Aktuell(Datensatzliste* liste, int spalte)
{
    const int zeile = liste->GewaehlteZeile();
    if (zeile < 0 || liste->Ansicht()->currentIndex().row() != liste->PositionVon(zeile))
        return QStringLiteral("(keine Auswahl)");
    return liste->Text(zeile, spalte);
}

QStringList Eintraege(QListWidget* liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte.append(liste->item(i)->text());
    return texte;
}

QStringList Block(const TestInstallation& installation, int zeile)
{
    return installation.Zeilen(kDatenbank).mid(1 + zeile * Feldanzahl, Feldanzahl);
}

// Five known creatures "Null" ... "Vier" with MU 10, 9, 8, 7, 6.
void Fuenf(const TestInstallation& installation)
{
    QList<QStringList> fuenf;
    int mu = 10;
    for (const char* name : {"Null", "Eins", "Zwei", "Drei", "Vier"}) {
        QStringList k = Kreatur(QLatin1String(name));
        k[FeldMU] = QString::number(mu--);
        fuenf.append(k);
    }
    installation.ZeilenSchreiben(kDatenbank, Datei(fuenf));
}

const QStringList kSatzknoepfe{"cmdBearbeiten", "cmdWBDExport", "cmdExport", "cmdHTML",
                               "cmdDelete",     "cmdPrint",     "cmdBattleGegnergruppe", "cmdBattleHeldengruppe"};

} // namespace

class TestCreaturesFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void startZeigtListeUndBilder();
    void sortierenErstNachKlick();
    void leereDatenbankSperrtKnoepfe();
    void fehlendeDateienWerdenEinmalGemeldet();
    void neueKreaturSpeichern();
    void bearbeitenFuelltUndSpeichert();
    void bearbeitenBehaeltSortierung();
    void loeschenWaehltDenNachbarn();
    void loeschenInSortierterListe();
    void zifferntastenfilter_data();
    void zifferntastenfilter();
    void filterNurAufDenZahlenboxen();
    void intelligenzwurf();
    void schliessenFragtNurImBearbeitungsmodus();
    void langeKategorieVerbreitertNichts();
    void detailansichtUndZurueck();
    void druckenAlsPdf();
    void htmlUndWbdExport();
    void wbdImport();
    void hilfe();
    void kampfpanelGruppen();
    void kampfAbgebrochenBehaeltGruppen();
    void kampfLaeuftBisZumEnde();
    void kampfberichtNichtSchreibbar();
};

void TestCreaturesFenster::cleanup()
{
    Fenster::ModalHandlerSetzen(nullptr);
    Zufall::ProduktionSetzen();
}

void TestCreaturesFenster::startZeigtListeUndBilder()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Bestiar 3 v3.00 - Der Werkbund3 Kreatureneditor"));
    QCOMPARE(Variablen::Programmtitel, QStringLiteral("Bestiar 3"));
    Datensatzliste* liste = Liste(fenster);
    QCOMPARE(liste->AngezeigteAnzahl(), V::Kreaturen.Anzahl());
    QCOMPARE(liste->AngezeigteAnzahl(), 58);
    QCOMPARE(liste->SichtbareSpalten(), 12);
    QCOMPARE(liste->Ansicht()->model()->columnCount(), 12);
    QCOMPARE(liste->Ansicht()->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("TP"));
    QCOMPARE(liste->Text(liste->ZeileAn(0), 7), QStringLiteral("Biss   1W6+1"));
    QCOMPARE(liste->Ansicht()->currentIndex().row(), 0);
    QCOMPARE(liste->GewaehlteZeile(), liste->ZeileAn(0));
    QCOMPARE(V::AktuelleKreatur, 0);
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvKreaturen")));
    for (const char* name : {"KrTab", "Browser", "lstHeldengruppe", "lstGegnergruppe", "cmdBattleStart", "cmdBattleEnde", "Bar"})
        QVERIFY2(!Kind<QWidget>(fenster, QLatin1String(name))->isVisibleTo(&fenster), name);
    QCOMPARE(Kind<QTabWidget>(fenster, QStringLiteral("KrTab"))->count(), 8);
    for (const QString& name : kSatzknoepfe)
        QVERIFY2(An(fenster, name), qPrintable(name));
    for (const char* name : {"cmdNeu", "cmdWBDImport", "cmdHelp"})
        QVERIFY2(An(fenster, QLatin1String(name)), name);
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
    QVERIFY(!An(fenster, QStringLiteral("cmdView")));
    for (const char* name : {"cmdNeu", "cmdSave", "cmdDelete", "cmdBearbeiten", "cmdView", "cmdHTML", "cmdExport",
                             "cmdWBDExport", "cmdWBDImport", "cmdPrint", "cmdHelp"})
        QVERIFY2(!Kind<QAbstractButton>(fenster, QLatin1String(name))->icon().isNull(), name);
    QVERIFY(Kind<QAbstractButton>(fenster, QStringLiteral("cmdNeu"))->toolTip().startsWith(QStringLiteral("Neue Kreatur erstellen (")));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdBattleHeldengruppe"))->text(), QStringLiteral("Heldengruppe"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdBattleGegnergruppe"))->toolTip(),
             QStringLiteral("Varl-Battle 3 - Kreatur zur Gegnergruppe hinzufügen"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdBattleEnde"))->text(), QStringLiteral("Varl-Battle 3 schliessen"));
    QCOMPARE(Kind<QWidget>(fenster, QStringLiteral("imgGFX"))->property("bild").toString(), QStringLiteral("Bestiar3.jpg"));
    QVERIFY(!fenster.windowIcon().isNull());
    QVERIFY(dialoge.aufrufe.isEmpty());
    // The edit controls of every tab.
    for (int i = 0; i <= 32; ++i)
        Kind<QWidget>(fenster, QStringLiteral("Text(%1)").arg(i));
    for (int i = 0; i <= 17; ++i)
        Kind<QCheckBox>(fenster, QStringLiteral("Check(%1)").arg(i));
    for (int i = 1; i <= 5; ++i)
        Kind<QAbstractButton>(fenster, QStringLiteral("OB(%1)").arg(i));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbSchaden(2)"))->count(), 7);
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("Combo(1)"))->itemText(5), QStringLiteral("Niemals!"));
}

void TestCreaturesFenster::sortierenErstNachKlick()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Datensatzliste* liste = Liste(fenster);
    QVERIFY(!liste->Kopf()->isSortIndicatorShown());
    QCOMPARE(liste->Text(liste->ZeileAn(0), 0), QStringLiteral("Wolf"));
    Q_EMIT liste->Kopf()->sectionClicked(5); // "LE": the first click sorts descending, numbers by value
    QCOMPARE(liste->Kopf()->sortIndicatorSection(), 5);
    QCOMPARE(liste->Kopf()->sortIndicatorOrder(), Qt::DescendingOrder);
    QList<int> le;
    for (int i = 0; i < liste->AngezeigteAnzahl(); ++i)
        le.append(liste->Text(liste->ZeileAn(i), 5).toInt());
    QVERIFY(std::is_sorted(le.crbegin(), le.crend()));
    QVERIFY(le.first() > le.last());
    Q_EMIT liste->Kopf()->sectionClicked(5);
    QCOMPARE(liste->Kopf()->sortIndicatorOrder(), Qt::AscendingOrder);
    // The hidden key still leads to the right record.
    ZeileWaehlen(fenster, 17);
    QCOMPARE(Aktuell(liste, 0), V::Kreaturen.Zeilen[17][FeldName]);
}

void TestCreaturesFenster::leereDatenbankSperrtKnoepfe()
{
    TestInstallation installation;
    installation.Schreiben(kDatenbank, "3.00\r\n");
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    QCOMPARE(Liste(fenster)->AngezeigteAnzahl(), 0);
    QCOMPARE(V::AktuelleKreatur, -1);
    for (const QString& name : kSatzknoepfe)
        QVERIFY2(!An(fenster, name), qPrintable(name));
    QVERIFY(An(fenster, QStringLiteral("cmdNeu")));
    QVERIFY(An(fenster, QStringLiteral("cmdWBDImport")));
    QTest::keyClick(Liste(fenster), Qt::Key_Delete);
    fenster.cmdDelete_Click();
    fenster.cmdBearbeiten_Click();
    fenster.cmdBattleHeldengruppe_Click();
    QVERIFY(!Sichtbar(fenster, QStringLiteral("KrTab")));
    QVERIFY(dialoge.aufrufe.isEmpty());
    QCOMPARE(installation.Bytes(kDatenbank), QByteArray("3.00\r\n"));
}

void TestCreaturesFenster::fehlendeDateienWerdenEinmalGemeldet()
{
    TestInstallation installation;
    QVERIFY(QFile::remove(installation.Pfad(kDatenbank)));
    QVERIFY(QFile::remove(installation.Pfad(kKategorien)));
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    QCOMPARE(dialoge.Texte().size(), 2);
    QVERIFY(dialoge.Texte()[0].contains(QStringLiteral("Kreaturen.dat")));
    QVERIFY(dialoge.Texte()[1].contains(QStringLiteral("Kategorien.dat")));
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(dialoge.aufrufe[0].titel, QStringLiteral("Bestiar 3"));
    // Editing reads the missing list again without a further message; the first save creates both files.
    Klick(fenster, QStringLiteral("cmdNeu"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("Combo(0)"))->count(), 0);
    QTest::keyClicks(Box(fenster, 0), QStringLiteral("Erstling"));
    Kind<QComboBox>(fenster, QStringLiteral("Combo(0)"))->setEditText(QStringLiteral("Tiere"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(dialoge.Texte().size(), 2);
    QCOMPARE(installation.Zeilen(kDatenbank).size(), 1 + Feldanzahl);
    QCOMPARE(installation.Bytes(kKategorien), QByteArray("Tiere\r\n"));
}

void TestCreaturesFenster::neueKreaturSpeichern()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    const QStringList kategorienVorher = installation.Zeilen(kKategorien);
    Klick(fenster, QStringLiteral("cmdNeu"));
    auto* tab = Kind<QTabWidget>(fenster, QStringLiteral("KrTab"));
    QVERIFY(Sichtbar(fenster, QStringLiteral("KrTab")));
    QCOMPARE(tab->currentIndex(), 0);
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvKreaturen")));
    for (const char* name : {"cmdBearbeiten", "cmdHTML", "cmdExport", "cmdWBDImport", "cmdWBDExport", "cmdDelete",
                             "cmdBattleHeldengruppe", "cmdBattleGegnergruppe", "cmdSave"})
        QVERIFY2(!An(fenster, QLatin1String(name)), name);
    QVERIFY(An(fenster, QStringLiteral("cmdView")));
    // The category list offers the file's categories.
    auto* kategorie = Kind<QComboBox>(fenster, QStringLiteral("Combo(0)"));
    QCOMPARE(kategorie->count(), kategorienVorher.size());
    QCOMPARE(kategorie->currentText(), QString());

    QTest::keyClicks(Box(fenster, 0), QStringLiteral("Schattenkatze"));
    QVERIFY(An(fenster, QStringLiteral("cmdSave")));
    Box(fenster, 0)->clear();
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
    // Blanks alone are no name; blanks around a name are dropped.
    QTest::keyClicks(Box(fenster, 0), QStringLiteral("  "));
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
    QTest::keyClicks(Box(fenster, 0), QStringLiteral("Schattenkatze "));
    kategorie->setEditText(QStringLiteral("Dämonen"));
    Kind<QPlainTextEdit>(fenster, QStringLiteral("Text(1)"))->setPlainText(QStringLiteral("Schleicht\nim Dunkeln."));
    QTest::keyClicks(Box(fenster, 9), QStringLiteral("Klaue"));
    QTest::keyClicks(Box(fenster, 10), QStringLiteral("2"));
    Kind<QComboBox>(fenster, QStringLiteral("cmbSchaden(0)"))->setCurrentIndex(3);
    QTest::keyClicks(Box(fenster, 12), QStringLiteral("13"));
    QTest::keyClicks(Box(fenster, 13), QStringLiteral("Schwanz"));
    QTest::keyClicks(Box(fenster, 28), QStringLiteral("-4"));
    Kind<QCheckBox>(fenster, QStringLiteral("Check(9)"))->setChecked(true);
    Kind<QComboBox>(fenster, QStringLiteral("Combo(1)"))->setCurrentIndex(3);
    Klick(fenster, QStringLiteral("cmdSave"));

    QVERIFY(Sichtbar(fenster, QStringLiteral("lvKreaturen")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("KrTab")));
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
    QCOMPARE(V::Kreaturen.Anzahl(), 59);
    QCOMPARE(V::AktuelleKreatur, 58);
    QCOMPARE(Aktuell(Liste(fenster), 0), QStringLiteral("Schattenkatze"));
    QCOMPARE(Aktuell(Liste(fenster), 7), QStringLiteral("Klaue   2W6+0"));
    const QStringList block = Block(installation, 58);
    QCOMPARE(block[0], QStringLiteral(" 58 "));
    QCOMPARE(block[FeldName], QStringLiteral("Schattenkatze"));
    QCOMPARE(block[FeldBeschreibung], QStringLiteral("Schleicht\nim Dunkeln."));
    QCOMPARE(block[FeldBonus], QStringLiteral("0"));
    QCOMPARE(block[14], QStringLiteral("Schwanz"));
    QCOMPARE(block[16], QString());
    QCOMPARE(block[FeldMU], QStringLiteral("-4"));
    QCOMPARE(block[43], QStringLiteral("1"));
    QCOMPARE(block[42], QStringLiteral("0"));
    QCOMPARE(block[FeldKategorie], QStringLiteral("Dämonen"));
    QCOMPARE(block[FeldHaeufigkeit], QStringLiteral("Selten"));
    QCOMPARE(block.mid(54), (QStringList{"3", "-1", "-1", "-1"}));
    QCOMPARE(installation.Zeilen(kKategorien), kategorienVorher + QStringList{QStringLiteral("Dämonen")});

    // Saving it again with the same category appends nothing; the new category is offered from now on.
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    QVERIFY(kategorie->findText(QStringLiteral("Dämonen")) >= 0);
    QCOMPARE(kategorie->currentText(), QStringLiteral("Dämonen"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(installation.Zeilen(kKategorien), kategorienVorher + QStringList{QStringLiteral("Dämonen")});
    QCOMPARE(V::Kreaturen.Anzahl(), 59);
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestCreaturesFenster::bearbeitenFuelltUndSpeichert()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    const QStringList vorher = installation.Zeilen(kDatenbank);
    ZeileWaehlen(fenster, 1); // Braunbär, two weapons
    // A double click on the item opens it for editing.
    Datensatzliste* liste = Liste(fenster);
    const QPoint punkt = liste->Ansicht()->visualRect(liste->Ansicht()->currentIndex()).center();
    QTest::mouseClick(liste->Ansicht()->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(liste->Ansicht()->viewport(), Qt::LeftButton, {}, punkt);
    QVERIFY(Sichtbar(fenster, QStringLiteral("KrTab")));
    const QStringList& baer = V::Kreaturen.Zeilen[1];
    QCOMPARE(Box(fenster, 0)->text(), baer[FeldName]);
    QCOMPARE(Kind<QPlainTextEdit>(fenster, QStringLiteral("Text(1)"))->toPlainText(), baer[FeldBeschreibung]);
    QCOMPARE(Box(fenster, 13)->text(), baer[14]);
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbSchaden(1)"))->currentIndex(), baer[55].toInt());
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbSchaden(2)"))->currentIndex(), -1);
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("Combo(0)"))->currentText(), baer[FeldKategorie]);
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("Combo(1)"))->currentText(), baer[FeldHaeufigkeit]);
    for (int i = 0; i < Schalter; ++i)
        QCOMPARE(Kind<QCheckBox>(fenster, QStringLiteral("Check(%1)").arg(i))->isChecked(), baer[34 + i] == QLatin1String("1"));
    QVERIFY(An(fenster, QStringLiteral("cmdSave")));

    Box(fenster, 28)->setText(QStringLiteral("15"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(V::AktuelleKreatur, 1);
    QCOMPARE(Aktuell(Liste(fenster), 2), QStringLiteral("15"));
    QCOMPARE(Liste(fenster)->AngezeigteAnzahl(), 58);
    QStringList erwartet = vorher;
    erwartet[1 + Feldanzahl + FeldMU] = QStringLiteral("15");
    QCOMPARE(installation.Zeilen(kDatenbank), erwartet);

    // Viewer leaves without saving once the edit is discarded.
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    Box(fenster, 28)->setText(QStringLiteral("99"));
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    Klick(fenster, QStringLiteral("cmdView"));
    QCOMPARE(installation.Zeilen(kDatenbank), erwartet);
    QVERIFY(!An(fenster, QStringLiteral("cmdSave")));
    QCOMPARE(dialoge.aufrufe.size(), 1);
}

void TestCreaturesFenster::bearbeitenBehaeltSortierung()
{
    TestInstallation installation;
    Fuenf(installation);
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Datensatzliste* liste = Liste(fenster);
    Q_EMIT liste->Kopf()->sectionClicked(0); // descending: Zwei, Vier, Null, Eins, Drei
    ZeileWaehlen(fenster, 3);
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    Box(fenster, 0)->setText(QStringLiteral("Acht"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QStringList namen;
    for (int i = 0; i < liste->AngezeigteAnzahl(); ++i)
        namen.append(liste->Text(liste->ZeileAn(i), 0));
    QCOMPARE(namen, (QStringList{"Zwei", "Vier", "Null", "Eins", "Acht"}));
    QCOMPARE(Aktuell(liste, 0), QStringLiteral("Acht"));
    QCOMPARE(V::AktuelleKreatur, 3);
}

void TestCreaturesFenster::loeschenWaehltDenNachbarn()
{
    TestInstallation installation;
    Fuenf(installation);
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Datensatzliste* liste = Liste(fenster);
    ZeileWaehlen(fenster, 2);
    dialoge.ja = {true};
    QTest::keyClick(liste->Ansicht(), Qt::Key_Delete);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Soll der Eintrag wirklich gelöscht werden ?")});
    QCOMPARE(dialoge.aufrufe.last().symbol, Dialoge::Symbol::Frage);
    QCOMPARE(liste->AngezeigteAnzahl(), 4);
    // The creature that moved into the deleted one's place is selected, and it is the one a button acts on.
    QCOMPARE(Aktuell(liste, 0), QStringLiteral("Drei"));
    QCOMPARE(V::AktuelleKreatur, 2);
    QCOMPARE(liste->ZeileAn(3), 3);
    const QStringList zeilen = installation.Zeilen(kDatenbank);
    QCOMPARE(zeilen.size(), 1 + 4 * Feldanzahl);
    QCOMPARE(zeilen[1 + 2 * Feldanzahl], QStringLiteral(" 2 "));
    QCOMPARE(zeilen[1 + 2 * Feldanzahl + 1], QStringLiteral("Drei"));
    QCOMPARE(zeilen[1 + 3 * Feldanzahl], QStringLiteral(" 3 "));

    // No keeps the creature.
    dialoge.ja = {false};
    Klick(fenster, QStringLiteral("cmdDelete"));
    QCOMPARE(V::Kreaturen.Anzahl(), 4);
    QCOMPARE(installation.Zeilen(kDatenbank), zeilen);

    // Deleting the last item selects the one before it; editing then edits that one.
    ZeileWaehlen(fenster, 3);
    dialoge.ja = {true};
    Klick(fenster, QStringLiteral("cmdDelete"));
    QCOMPARE(Aktuell(liste, 0), QStringLiteral("Drei"));
    QCOMPARE(V::AktuelleKreatur, 2);
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    QCOMPARE(Box(fenster, 0)->text(), QStringLiteral("Drei"));
    Klick(fenster, QStringLiteral("cmdView"));

    // Down to an empty list: the record buttons lock, a further Delete asks nothing.
    dialoge.ja = {true, true, true};
    for (int i = 0; i < 3; ++i)
        Klick(fenster, QStringLiteral("cmdDelete"));
    QCOMPARE(liste->AngezeigteAnzahl(), 0);
    QCOMPARE(V::AktuelleKreatur, -1);
    for (const QString& name : kSatzknoepfe)
        QVERIFY2(!An(fenster, name), qPrintable(name));
    const int fragen = dialoge.aufrufe.size();
    QTest::keyClick(liste->Ansicht(), Qt::Key_Delete);
    fenster.cmdDelete_Click();
    QCOMPARE(dialoge.aufrufe.size(), fragen);
    QCOMPARE(installation.Bytes(kDatenbank), QByteArray("3.00\r\n"));
}

void TestCreaturesFenster::loeschenInSortierterListe()
{
    TestInstallation installation;
    Fuenf(installation);
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Datensatzliste* liste = Liste(fenster);
    Q_EMIT liste->Kopf()->sectionClicked(0);
    Q_EMIT liste->Kopf()->sectionClicked(0); // ascending: Drei, Eins, Null, Vier, Zwei
    ZeileWaehlen(fenster, 0);                  // "Null", third in the list
    dialoge.ja = {true};
    Klick(fenster, QStringLiteral("cmdDelete"));
    // The neighbour below it in the sorted list, "Vier", now row 3.
    QCOMPARE(Aktuell(liste, 0), QStringLiteral("Vier"));
    QCOMPARE(V::AktuelleKreatur, 3);
    QCOMPARE(V::Kreaturen.Zeilen[3][FeldName], QStringLiteral("Vier"));
}

void TestCreaturesFenster::zifferntastenfilter_data()
{
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("text");
    QTest::newRow("-5") << "-5" << "-5";
    QTest::newRow("5-") << "5-" << "5";
    QTest::newRow("Komma zuerst") << ",5" << "5";
    QTest::newRow("zweites Komma") << "1,5,2" << "1,52";
    QTest::newRow("Punkt und Komma") << "1.5,2" << "1.52";
    QTest::newRow("Plus") << "+3+" << "+3";
    QTest::newRow("Buchstaben") << "1a2 b" << "12";
}

void TestCreaturesFenster::zifferntastenfilter()
{
    QFETCH(QString, tasten);
    QFETCH(QString, text);
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    fenster.show();
    Klick(fenster, QStringLiteral("cmdNeu"));
    Kind<QTabWidget>(fenster, QStringLiteral("KrTab"))->setCurrentIndex(3);
    QLineEdit* mu = Box(fenster, 28);
    QTest::keyClicks(mu, tasten);
    QCOMPARE(mu->text(), text);
}

void TestCreaturesFenster::filterNurAufDenZahlenboxen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    fenster.show();
    Klick(fenster, QStringLiteral("cmdNeu"));
    for (int i = 0; i <= 32; ++i) {
        auto* box = fenster.findChild<QLineEdit*>(QStringLiteral("Text(%1)").arg(i));
        if (!box)
            continue; // the multi-line boxes take any key
        QTest::keyClicks(box, QStringLiteral("x7"));
        QCOMPARE(box->text(), Zahlenboxen().contains(i) ? QStringLiteral("7") : QStringLiteral("x7"));
    }
    QVERIFY(!fenster.findChild<QLineEdit*>(QStringLiteral("Text(1)")));
    // The name and the category keep to one line.
    auto* name = fenster.findChild<QLineEdit*>(QStringLiteral("Text(0)"));
    name->setText(QStringLiteral("Zwei\nZeilen"));
    QCOMPARE(name->text(), QStringLiteral("Zwei Zeilen"));
    auto* kategorie = fenster.findChild<QComboBox*>(QStringLiteral("Combo(0)"));
    kategorie->setEditText(QStringLiteral("Wilde\tTiere"));
    QCOMPARE(kategorie->currentText(), QStringLiteral("Wilde Tiere"));
}

void TestCreaturesFenster::intelligenzwurf()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    Klick(fenster, QStringLiteral("cmdNeu"));
    {
        Zufall::Skript skript({5});
        Klick(fenster, QStringLiteral("OB(3)"));
        QCOMPARE(skript.Angefragt(), QList<int>{7});
    }
    QCOMPARE(Box(fenster, 7)->text(), QStringLiteral("11"));
    {
        Zufall::Skript skript({50});
        Klick(fenster, QStringLiteral("OB(5)"));
        QCOMPARE(skript.Angefragt(), QList<int>{50});
    }
    QCOMPARE(Box(fenster, 7)->text(), QStringLiteral("100"));
    // A new record empties the value (once the rolled one is discarded) but keeps the option.
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    Klick(fenster, QStringLiteral("cmdNeu"));
    QCOMPARE(Box(fenster, 7)->text(), QString());
    QVERIFY(Kind<QAbstractButton>(fenster, QStringLiteral("OB(5)"))->isChecked());
}

void TestCreaturesFenster::schliessenFragtNurImBearbeitungsmodus()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    {
        frmCreaturesMain fenster;
        fenster.show();
        QVERIFY(fenster.close());
        QVERIFY(dialoge.aufrufe.isEmpty());
    }
    frmCreaturesMain fenster;
    fenster.show();
    Klick(fenster, QStringLiteral("cmdNeu"));
    // The one discard question names the creature; Speichern without a name says why and stays.
    Kind<QLineEdit>(fenster, QStringLiteral("Text(4)"))->setText(QStringLiteral("12"));
    dialoge.wahl = {Dialoge::Antwort::Speichern};
    QVERIFY(!fenster.close());
    QCOMPARE(dialoge.Texte(), (QStringList{QStringLiteral("Die Änderungen an „Neue Kreatur“ sind nicht gespeichert."),
                                           QStringLiteral("Die Kreatur braucht einen Namen.")}));
    QCOMPARE(dialoge.aufrufe.first().knoepfe, Dialoge::Knoepfe::SpeichernVerwerfenAbbrechen);
    QVERIFY(fenster.isVisible());
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    QVERIFY(fenster.close());
}

void TestCreaturesFenster::langeKategorieVerbreitertNichts()
{
    TestInstallation installation;
    QStringList k = Kreatur(QStringLiteral("Wolf"));
    k[FeldKategorie] = QStringLiteral("Sehr lange Kategorie ").repeated(15);
    k[FeldHaeufigkeit] = QStringLiteral("Ungewöhnlich lange Häufigkeit ").repeated(10);
    installation.ZeilenSchreiben(kDatenbank, Datei({k}));
    installation.ZeilenSchreiben(kKategorien, {k[FeldKategorie]});
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    fenster.show();
    const QSize start = fenster.size();
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    auto* tab = Kind<QTabWidget>(fenster, QStringLiteral("KrTab"));
    for (int i = 0; i < tab->count(); ++i) {
        tab->setCurrentIndex(i);
        QVERIFY2(fenster.minimumSizeHint().width() <= start.width(), qPrintable(tab->tabText(i)));
        QVERIFY2(fenster.minimumSizeHint().height() <= start.height(), qPrintable(tab->tabText(i)));
    }
    QCOMPARE(fenster.size(), start);
}

void TestCreaturesFenster::detailansichtUndZurueck()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    ZeileWaehlen(fenster, 23);
    Klick(fenster, QStringLiteral("cmdHTML"));
    QVERIFY(Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvKreaturen")));
    for (const char* name : {"cmdNeu", "cmdBearbeiten", "cmdExport", "cmdHTML", "cmdWBDExport", "cmdWBDImport", "cmdDelete",
                             "cmdBattleHeldengruppe", "cmdBattleGegnergruppe"})
        QVERIFY2(!An(fenster, QLatin1String(name)), name);
    QVERIFY(An(fenster, QStringLiteral("cmdView")));
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    CreaturesHTML::DetailseiteSchreiben(V::Kreaturen.Zeilen[23], erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("Temp/Temp.html")), erwartet.data());
    QTRY_VERIFY(fenster.SeiteGeladen());
    QVERIFY(Kind<QTextBrowser>(fenster, QStringLiteral("Browser"))->toPlainText().contains(V::Kreaturen.Zeilen[23][FeldName]));
    Klick(fenster, QStringLiteral("cmdView"));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvKreaturen")));
    for (const QString& name : kSatzknoepfe)
        QVERIFY2(An(fenster, name), qPrintable(name));
}

void TestCreaturesFenster::druckenAlsPdf()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    const QString pdf = installation.Pfad(QStringLiteral("Temp/kreatur.pdf"));
    dialoge.drucken = [&pdf](QPrinter& drucker) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    };
    frmCreaturesMain fenster;
    ZeileWaehlen(fenster, 4);
    Klick(fenster, QStringLiteral("cmdPrint"));
    QVERIFY(QFile(pdf).size() > 1000);
    QVERIFY(installation.Bytes(QStringLiteral("Temp/kreatur.pdf")).startsWith("%PDF"));
    QVERIFY(installation.Bytes(QStringLiteral("Temp/Temp.html")).contains("<H1>Rothirsch</H1>"));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(dialoge.Texte().isEmpty());

    // From the detail view the page stays shown after printing; a cancelled print dialog prints nothing.
    Klick(fenster, QStringLiteral("cmdHTML"));
    QVERIFY(QFile::remove(pdf));
    dialoge.drucken = nullptr;
    Klick(fenster, QStringLiteral("cmdPrint"));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(dialoge.Texte().isEmpty());
}

void TestCreaturesFenster::htmlUndWbdExport()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    ZeileWaehlen(fenster, 5);
    const QString html = installation.Pfad(QStringLiteral("HTML/luchs.html"));
    const QString wbd = installation.Pfad(QStringLiteral("WBD/luchs.wbd"));
    dialoge.dateien = {html, wbd};
    Klick(fenster, QStringLiteral("cmdExport"));
    Klick(fenster, QStringLiteral("cmdWBDExport"));
    QCOMPARE(dialoge.aufrufe[0].art, QStringLiteral("Speichern"));
    QCOMPARE(dialoge.aufrufe[0].ordner, Variablen::HtmlPfad);
    QCOMPARE(dialoge.aufrufe[0].filter, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    QCOMPARE(dialoge.aufrufe[2].ordner, Variablen::WbdPfad);
    QCOMPARE(dialoge.aufrufe[2].filter, QStringLiteral("WBD-Dateien (*.wbd)|*.wbd"));
    QCOMPARE(dialoge.Texte(), (QStringList{QStringLiteral("Daten wurden erfolgreich exportiert."),
                                           QStringLiteral("Daten wurden erfolgreich exportiert.")}));
    QCOMPARE(dialoge.aufrufe[1].symbol, Dialoge::Symbol::Information);
    QBuffer erwartet;
    erwartet.open(QIODevice::WriteOnly);
    CreaturesHTML::DetailseiteSchreiben(V::Kreaturen.Zeilen[5], erwartet);
    QCOMPARE(installation.Bytes(QStringLiteral("HTML/luchs.html")), erwartet.data());
    const QStringList zeilen = installation.Zeilen(QStringLiteral("WBD/luchs.wbd"));
    QCOMPARE(zeilen.size(), 58);
    QCOMPARE(zeilen.mid(1), V::Kreaturen.Zeilen[5].mid(1));
    // Cancelled dialogs write nothing and say nothing.
    Klick(fenster, QStringLiteral("cmdExport"));
    Klick(fenster, QStringLiteral("cmdWBDExport"));
    QCOMPARE(dialoge.Texte().size(), 2);
}

void TestCreaturesFenster::wbdImport()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    QStringList datei{QStringLiteral("Bestiar 3")};
    QStringList kreatur = Kreatur(QStringLiteral("Gast aus der Ferne"), QStringLiteral("Reisende"));
    datei += kreatur.mid(1);
    installation.ZeilenSchreiben(QStringLiteral("WBD/gast.wbd"), datei);
    installation.Schreiben(QStringLiteral("WBD/kurz.wbd"), "Bestiar 3\r\nNiemand\r\n");
    const QByteArray vorher = installation.Bytes(kDatenbank);
    const QByteArray kategorien = installation.Bytes(kKategorien);

    dialoge.dateien = {installation.Pfad(QStringLiteral("WBD/kurz.wbd"))};
    Klick(fenster, QStringLiteral("cmdWBDImport"));
    QCOMPARE(dialoge.Texte(),
             QStringList{QStringLiteral("Diese Datei wurde nicht mit Bestiar 3 erstellt oder sie ist beschädigt.")});
    QCOMPARE(dialoge.aufrufe.last().symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(installation.Bytes(kDatenbank), vorher);
    QCOMPARE(V::Kreaturen.Anzahl(), 58);

    dialoge.dateien = {installation.Pfad(QStringLiteral("WBD/gast.wbd"))};
    Klick(fenster, QStringLiteral("cmdWBDImport"));
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Oeffnen"));
    QCOMPARE(dialoge.aufrufe.last().ordner, Variablen::WbdPfad);
    QCOMPARE(V::Kreaturen.Anzahl(), 59);
    QCOMPARE(Liste(fenster)->AngezeigteAnzahl(), 59);
    QCOMPARE(Aktuell(Liste(fenster), 0), QStringLiteral("Gast aus der Ferne"));
    QCOMPARE(V::AktuelleKreatur, 58);
    QCOMPARE(Block(installation, 58).mid(1), kreatur.mid(1));
    // The imported category is not taken into the list: no category box held it.
    QCOMPARE(installation.Bytes(kKategorien), kategorien);
    QCOMPARE(dialoge.Texte().size(), 1);
}

void TestCreaturesFenster::hilfe()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmCreaturesMain fenster;
    Klick(fenster, QStringLiteral("cmdHelp"));
    QCOMPARE(shell.geoeffnet, QStringList{installation.Pfad(QStringLiteral("Hilfe/Creatures.htm"))});
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestCreaturesFenster::kampfpanelGruppen()
{
    TestInstallation installation;
    QList<QStringList> kreaturen{Kreatur(QStringLiteral("Wolf")), Kreatur(QStringLiteral("Luchs")), Kreatur(QStringLiteral("Nebel"))};
    kreaturen[2][FeldAnzahl].clear();
    installation.ZeilenSchreiben(kDatenbank, Datei(kreaturen));
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    auto* helden = Kind<QListWidget>(fenster, QStringLiteral("lstHeldengruppe"));
    auto* gegner = Kind<QListWidget>(fenster, QStringLiteral("lstGegnergruppe"));

    // An unfit creature is refused with its name; nothing opens.
    ZeileWaehlen(fenster, 2);
    Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().startsWith(
        QStringLiteral("Diese Kreatur („Nebel“) ist momentan nicht kampftauglich, ihr müsst ihre Werte verändern.")));
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    QVERIFY(!helden->isVisibleTo(&fenster));

    ZeileWaehlen(fenster, 0);
    Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    for (const char* name : {"lstHeldengruppe", "lstGegnergruppe", "cmdBattleStart", "cmdBattleEnde", "Bar"})
        QVERIFY2(Kind<QWidget>(fenster, QLatin1String(name))->isVisibleTo(&fenster), name);
    QCOMPARE(Kind<QWidget>(fenster, QStringLiteral("imgGFX"))->property("bild").toString(), QStringLiteral("VarlBattle3.jpg"));
    QVERIFY(!An(fenster, QStringLiteral("cmdHTML")));
    QVERIFY(!An(fenster, QStringLiteral("cmdBattleStart")));
    Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    ZeileWaehlen(fenster, 1);
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    QCOMPARE(Eintraege(helden), (QStringList{"Wolf", "Wolf"}));
    QCOMPARE(Eintraege(gegner), QStringList{"Luchs"});
    QVERIFY(An(fenster, QStringLiteral("cmdBattleStart")));
    QCOMPARE(V::Kampf.AnzahlHelden(), 2);

    // A member is copied when added: later edits do not change it.
    Klick(fenster, QStringLiteral("cmdBearbeiten"));
    QVERIFY(!helden->isVisibleTo(&fenster));
    Box(fenster, 28)->setText(QStringLiteral("3"));
    Klick(fenster, QStringLiteral("cmdSave"));
    QCOMPARE(V::Kampf.Gegner[0].MU, qint64(10));

    // The groups survive closing the panel and editing; adding again shows them.
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    QVERIFY(helden->isVisibleTo(&fenster));
    QCOMPARE(Eintraege(gegner), (QStringList{"Luchs", "Luchs"}));
    QCOMPARE(V::Kampf.Gegner[1].MU, qint64(3));
    Klick(fenster, QStringLiteral("cmdBattleEnde"));
    QVERIFY(!helden->isVisibleTo(&fenster));
    QVERIFY(An(fenster, QStringLiteral("cmdHTML")));
    QCOMPARE(Kind<QWidget>(fenster, QStringLiteral("imgGFX"))->property("bild").toString(), QStringLiteral("Bestiar3.jpg"));
    QCOMPARE(Eintraege(helden), (QStringList{"Wolf", "Wolf"}));

    // Delete removes the selected member; an empty group locks the start.
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    gegner->setCurrentRow(0);
    QTest::keyClick(gegner, Qt::Key_Delete);
    QCOMPARE(Eintraege(gegner), (QStringList{"Luchs", "Luchs"}));
    QCOMPARE(V::Kampf.Gegner[0].MU, qint64(3));
    gegner->setCurrentRow(0);
    QTest::keyClick(gegner, Qt::Key_Delete);
    gegner->setCurrentRow(0);
    QTest::keyClick(gegner, Qt::Key_Delete);
    QCOMPARE(gegner->count(), 0);
    QCOMPARE(V::Kampf.AnzahlGegner(), 0);
    QVERIFY(!An(fenster, QStringLiteral("cmdBattleStart")));
    QTest::keyClick(gegner, Qt::Key_Delete);
    QCOMPARE(V::Kampf.AnzahlHelden(), 2);
}

void TestCreaturesFenster::kampfAbgebrochenBehaeltGruppen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmCreaturesMain fenster;
    ZeileWaehlen(fenster, 0);
    Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    Klick(fenster, QStringLiteral("cmdBattleStart"));
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe[0].art, QStringLiteral("Speichern"));
    QCOMPARE(dialoge.aufrufe[0].ordner, Variablen::HtmlPfad);
    // Cancelling the file dialog changes nothing: both groups stay, and the fight can still start.
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstHeldengruppe"))->count(), 1);
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstGegnergruppe"))->count(), 1);
    QVERIFY(An(fenster, QStringLiteral("cmdBattleStart")));
    QCOMPARE(V::Kampf.AnzahlHelden(), 1);
    QCOMPARE(V::Kampf.AnzahlGegner(), 1);
    QVERIFY(QDir(installation.Pfad(QStringLiteral("HTML"))).isEmpty());
}

void TestCreaturesFenster::kampfLaeuftBisZumEnde()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmCreaturesMain fenster;
    fenster.show();
    for (int zeile : {0, 0, 8})
        ZeileWaehlen(fenster, zeile), Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    ZeileWaehlen(fenster, 25);
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    const QString bericht = installation.Pfad(QStringLiteral("HTML/kampf.html"));
    dialoge.dateien = {bericht};
    dialoge.ja = {true};
    Zufall::SaatSetzen(3);
    // While the fight runs, the window keeps handling its events: the bar shows the fight's size and the
    // report is not yet there.
    int maximumWaehrend = -1;
    bool berichtWaehrend = true;
    bool laeuft = false;
    QTimer::singleShot(0, &fenster, [&] {
        maximumWaehrend = Kind<QProgressBar>(fenster, QStringLiteral("Bar"))->maximum();
        berichtWaehrend = QFileInfo::exists(bericht);
        laeuft = fenster.KampfLaeuft();
    });
    Klick(fenster, QStringLiteral("cmdBattleStart"));
    QVERIFY(laeuft);
    QCOMPARE(maximumWaehrend, 5);
    QVERIFY(!berichtWaehrend);
    QCOMPARE(dialoge.Texte(),
             QStringList{QStringLiteral("Der Kampf ist beendet, wollt ihr euch nun genauer über den Verlauf informieren ?")});
    QCOMPARE(dialoge.aufrufe.last().symbol, Dialoge::Symbol::Frage);
    QCOMPARE(shell.geoeffnet, QStringList{bericht});
    const QByteArray bytes = installation.Bytes(QStringLiteral("HTML/kampf.html"));
    QVERIFY(bytes.startsWith("<H1>Heldengruppe</H1>\r\n"));
    QVERIFY(bytes.contains("stirbt</BR>"));
    QVERIFY(bytes.endsWith("</table>\r\n</BR>\r\n</BR>\r\n</BR>\r\n"));
    // A finished fight leaves the bar full, though not every member fell.
    QCOMPARE(Kind<QProgressBar>(fenster, QStringLiteral("Bar"))->value(), 5);
    QCOMPARE(Kind<QProgressBar>(fenster, QStringLiteral("Bar"))->maximum(), 5);
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstHeldengruppe"))->count(), 0);
    QVERIFY(!An(fenster, QStringLiteral("cmdBattleStart")));
    QVERIFY(An(fenster, QStringLiteral("cmdBattleEnde")));
    QVERIFY(!fenster.KampfLaeuft());

    // "No" opens nothing.
    ZeileWaehlen(fenster, 0);
    Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    dialoge.dateien = {bericht};
    dialoge.ja = {false};
    Klick(fenster, QStringLiteral("cmdBattleStart"));
    QCOMPARE(shell.geoeffnet.size(), 1);
    QCOMPARE(dialoge.Texte().size(), 2);
}

void TestCreaturesFenster::kampfberichtNichtSchreibbar()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmCreaturesMain fenster;
    ZeileWaehlen(fenster, 0);
    Klick(fenster, QStringLiteral("cmdBattleHeldengruppe"));
    Klick(fenster, QStringLiteral("cmdBattleGegnergruppe"));
    dialoge.dateien = {installation.Pfad(QStringLiteral("Fehlt/kampf.html"))};
    Klick(fenster, QStringLiteral("cmdBattleStart"));
    // Reported, not announced as finished; nothing is opened, and the fight does not count: the groups stay.
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("Kampfbericht")));
    QCOMPARE(dialoge.aufrufe.last().symbol, Dialoge::Symbol::Ausrufezeichen);
    QVERIFY(shell.geoeffnet.isEmpty());
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstHeldengruppe"))->count(), 1);
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstGegnergruppe"))->count(), 1);
    QCOMPARE(Kind<QProgressBar>(fenster, QStringLiteral("Bar"))->value(), 0);
}

QTEST_MAIN(TestCreaturesFenster)
#include "test_creatures_fenster.moc"
