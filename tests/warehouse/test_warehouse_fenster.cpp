// The warehouse's windows, driven through their real controls: modes, categories, the item editor and its
// enabling rules, the key filter, regions, the shop with quantities and prices, the generator, export,
// printing to PDF and the help page.
#include "Datensatzliste.h"
#include "ExplorerEngine.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Lagerhof3Variablen.h"
#include "Shell.h"
#include "TestInstallation.h"
#include "WarehouseTestHilfe.h"
#include "Zufall.h"
#include "frmWarehouseGenerator.h"
#include "frmWarehouseMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QTreeView>
#include <QtTest>

using namespace WarehouseTest;

using FensterTest::An;
using FensterTest::Kind;
using FensterTest::Klick;
namespace {


// Visible as far as the window goes (the window itself is not shown in most tests).
bool Sichtbar(QWidget& fenster, const QString& name)
{
    return Kind<QWidget>(fenster, name)->isVisibleTo(&fenster);
}

QLineEdit* Box(QWidget& fenster, int i)
{
    return Kind<QLineEdit>(fenster, QStringLiteral("txtItem(%1)").arg(i));
}

void Waehlen(QWidget& fenster, const QString& kombo, const QString& text)
{
    auto* k = Kind<QComboBox>(fenster, kombo);
    const int i = k->findText(text, Qt::MatchExactly);
    QVERIFY2(i >= 0, qPrintable(text));
    k->setCurrentIndex(i);
}

// Clicks the list line of the good of that name.
void Anklicken(Datensatzliste* liste, const QString& name)
{
    const int zeile = liste->ZeileMitName(name);
    QVERIFY2(zeile >= 0, qPrintable(name));
    liste->ZeileWaehlen(zeile);
    const int position = liste->PositionVon(zeile);
    if (position >= 0)
        Q_EMIT liste->Ansicht()->clicked(liste->Ansicht()->model()->index(position, 0));
}

// A column's texts in the shown order; the column after the visible ones gives each line's row, as the
// hidden row-number column did.
QStringList Spalte(const Datensatzliste* liste, int spalte)
{
    QStringList texte;
    for (const int zeile : liste->Anzeigereihenfolge())
        texte.append(spalte == liste->SichtbareSpalten() ? QString::number(zeile) : liste->Text(zeile, spalte));
    return texte;
}

QStringList Eintraege(QListWidget* liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte.append(liste->item(i)->text());
    return texte;
}

const QStringList kShopRahmen = {"Name des Shops", "Shopart", "Besitzer", "Region", "Qualität", "Preise", "Waren im Shop"};

} // namespace

class TestWarehouseFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Lagerhof3Variablen::Zuruecksetzen(); }
    void cleanup() { Fenster::ModalHandlerSetzen(nullptr); }

    void startZeigtAllesUndBilder();
    void modiWechseln();
    void langeKategorieVerbreitertNichts();
    void kategorieWaehlenUndKnoepfe();
    void speichernErstMitAllenAngaben();
    void zifferntastenfilter();
    void gegenstandBearbeiten();
    void neuerGegenstandMitRegionen();
    void loeschenBeendetBearbeitung();
    void verschiebenNeinLaesstListe();
    void verschiebenJa();
    void neueKategorieFragtBisPassend();
    void kategorieLoeschen();
    void sortierenErstNachKlick();
    void listeAlsPdfDrucken();
    void shopFuellenUndPreise();
    void besitzernamen();
    void generatorFreigabeUndUebernahme();
    void generatorFragtBeiVollemShop();
    void shopExportUndDruck();
    void hilfe();
};

void TestWarehouseFenster::startZeigtAllesUndBilder()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Lagerhof 3 v3.00 - Die Werkbund3 Markthalle"));
    QVERIFY(!fenster.windowIcon().isNull());
    // The window fits a screen 800 pixels wide, in both modes, a window frame left and right included.
    fenster.show();
    for (const char* modus : {"cmdShopEditor", "cmdItemEditor"}) {
        Klick(fenster, QLatin1String(modus));
        QCoreApplication::processEvents();
        const int breite = fenster.layout()->totalMinimumSize().width();
        QVERIFY2(breite <= 800 - 2 * 8, qPrintable(QString::number(breite)));
    }
    auto* kategorien = Kind<QComboBox>(fenster, QStringLiteral("cmbKategorien"));
    QCOMPARE(kategorien->count(), 33);
    QCOMPARE(kategorien->currentText(), QStringLiteral("Alles"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbItemKategorien"))->currentText(), QStringLiteral("Alles"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    QCOMPARE(liste->AngezeigteAnzahl(), Lagerhof3Variablen::Gegenstaende.Anzahl());
    QVERIFY(liste->AngezeigteAnzahl() > 300);
    QCOMPARE(liste->Ansicht()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Gegenstand"));
    QCOMPARE(liste->Ansicht()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Preis"));
    QCOMPARE(liste->Ansicht()->model()->columnCount(), 2);
    // The list getting the focus (a click on its header, Tab) shows no good by itself.
    QFocusEvent fokus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(liste->Ansicht(), &fokus);
    QCOMPARE(liste->GewaehlteZeile(), -1);
    QVERIFY(Box(fenster, 0)->text().isEmpty());
    for (const char* name : {"cmdItemEditor", "cmdShopEditor", "cmdKategorieNeu", "cmdKategorieDelete", "cmdItemNeu",
                             "cmdItemSave", "cmdItemDelete", "cmdListeDrucken", "cmdShopDelete", "cmdShopAnzahl",
                             "cmdShopGenerator", "cmdShopDrucken", "cmdShopExport", "cmdHelp"})
        QVERIFY2(!Kind<QAbstractButton>(fenster, QString::fromUtf8(name))->icon().isNull(), name);
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdItemEditor"))->text(), QStringLiteral("ItemEditor"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdShopEditor"))->text(), QStringLiteral("ShopEditor"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdItemHin"))->toolTip(),
             QStringLiteral("Gegenstand dem Shopangebot hinzufügen"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdAlleHin"))->text(), QStringLiteral(">>>>>"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdAlleZurück"))->text(), QStringLiteral("<<<<<"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdGenName"))->toolTip(),
             QStringLiteral("Zufallsnamen generieren"));
    QVERIFY(!An(fenster, QStringLiteral("cmdKategorieDelete")));
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    // Delete acts on the good the editor shows; at start it shows none.
    QVERIFY(!An(fenster, QStringLiteral("cmdItemDelete")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QCOMPARE(Eintraege(Kind<QListWidget>(fenster, QStringLiteral("lstRegionen"))).size(), 20);
    QVERIFY(dialoge.aufrufe.isEmpty());
    // Nothing is clipped at the default size.
    QVERIFY(fenster.minimumSizeHint().width() <= fenster.width());
    QVERIFY(fenster.minimumSizeHint().height() <= fenster.height());
}

void TestWarehouseFenster::modiWechseln()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    QVERIFY(fenster.Artikelmodus());
    QVERIFY(Sichtbar(fenster, QStringLiteral("ItemTab")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("cmdItemHin")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("lvLaden")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvGegenstände")));
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    QVERIFY(!fenster.Artikelmodus());
    QVERIFY(!Sichtbar(fenster, QStringLiteral("ItemTab")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("cmdItemHin")));
    QVERIFY(An(fenster, QStringLiteral("cmdItemHin")));
    QVERIFY(Sichtbar(fenster, QStringLiteral("lvGegenstände")));
    QStringList rahmen;
    for (QGroupBox* g : fenster.findChildren<QGroupBox*>())
        if (g->isVisibleTo(&fenster) && kShopRahmen.contains(g->title()))
            rahmen.append(g->title());
    QCOMPARE(rahmen.size(), 7);
    for (const char* name : {"txtName", "txtShopart", "txtBesitzerName", "cmbRasse", "cmbShopRegion", "cmbShopQualität",
                             "cmbShopPreise", "lvLaden"})
        QVERIFY2(Sichtbar(fenster, QString::fromUtf8(name)), name);
    // An empty shop: the shop's own buttons wait for goods.
    QVERIFY(!An(fenster, QStringLiteral("cmdShopDelete")));
    QVERIFY(!An(fenster, QStringLiteral("cmdShopAnzahl")));
    QVERIFY(!An(fenster, QStringLiteral("cmbShopPreise")));
    QVERIFY(!An(fenster, QStringLiteral("cmdGenName")));
    QVERIFY(An(fenster, QStringLiteral("cmdShopGenerator")));
    Klick(fenster, QStringLiteral("cmdItemEditor"));
    QVERIFY(Sichtbar(fenster, QStringLiteral("ItemTab")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("txtShopart")));
    // Shown on screen, the window keeps its size however often the mode changes.
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    const QSize groesse = fenster.size();
    for (int i = 0; i < 3; ++i) {
        Klick(fenster, QStringLiteral("cmdShopEditor"));
        QCoreApplication::processEvents();
        Klick(fenster, QStringLiteral("cmdItemEditor"));
        QCoreApplication::processEvents();
        QCOMPARE(fenster.size(), groesse);
    }
}

void TestWarehouseFenster::langeKategorieVerbreitertNichts()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    int breite = 0;
    {
        frmWarehouseMain fenster;
        breite = fenster.sizeHint().width();
    }
    QStringList liste = installation.Zeilen(QStringLiteral("Data/Warehouse/ItemKategorien.dat"));
    liste.append(QString(200, QLatin1Char('K')));
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ItemKategorien.dat"), liste);
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"), {QString(200, QLatin1Char('L'))});
    Lagerhof3Variablen::Zuruecksetzen();
    frmWarehouseMain fenster;
    QCOMPARE(fenster.sizeHint().width(), breite);
    frmWarehouseGenerator generator(Lagerhof3Variablen::Shopwaren, &fenster);
    QVERIFY(generator.sizeHint().width() < 600);
}

void TestWarehouseFenster::kategorieWaehlenUndKnoepfe()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    QCOMPARE(Spalte(liste, 0), (QStringList{"Talglicht", "Wachskerze"}));
    QCOMPARE(Spalte(liste, 1), (QStringList{"3H", "1S"}));
    QCOMPARE(Spalte(liste, 2), (QStringList{"0", "1"}));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbItemKategorien"))->currentText(), QStringLiteral("Kerzen"));
    QVERIFY(An(fenster, QStringLiteral("cmdKategorieDelete")));
    QVERIFY(!An(fenster, QStringLiteral("cmdItemDelete")));
    QVERIFY(An(fenster, QStringLiteral("cmdListeDrucken")));
    for (const QString& k : {QStringLiteral("Nahkampfwaffen"), QStringLiteral("Fernwaffen"), QStringLiteral("Rüstungen"),
                             QStringLiteral("Alles")}) {
        Waehlen(fenster, QStringLiteral("cmbKategorien"), k);
        QVERIFY2(!An(fenster, QStringLiteral("cmdKategorieDelete")), qPrintable(k));
    }
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Leer"));
    QCOMPARE(liste->AngezeigteAnzahl(), 0);
    QVERIFY(An(fenster, QStringLiteral("cmdKategorieDelete")));
    for (const char* name : {"cmdItemDelete", "cmdListeDrucken", "cmdItemHin"})
        QVERIFY2(!An(fenster, QString::fromUtf8(name)), name);
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseFenster::speichernErstMitAllenAngaben()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    Klick(fenster, QStringLiteral("cmdItemNeu"));
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    Box(fenster, 0)->setText(QStringLiteral("Bienenwachs"));
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    Box(fenster, 2)->setText(QStringLiteral("2"));
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    Waehlen(fenster, QStringLiteral("cmbItemWert"), QStringLiteral("2 - Weit verbreiteter Gegenstand"));
    // Without a currency the price would lose its meaning.
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    Waehlen(fenster, QStringLiteral("cmbItemPreis"), QStringLiteral("Silbertaler"));
    QVERIFY(An(fenster, QStringLiteral("cmdItemSave")));
    Box(fenster, 0)->clear();
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    // Blanks alone are no name; blanks around a name are dropped.
    Box(fenster, 0)->setText(QStringLiteral("   "));
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    Box(fenster, 0)->setText(QStringLiteral(" Bienenwachs "));
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last(),
             (QStringList{"Bienenwachs2", "", "2S", "", ""}));
    QCOMPARE(Spalte(Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände")), 0).last(), QStringLiteral("Bienenwachs"));
    QVERIFY(Box(fenster, 0)->text().isEmpty());
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));
    QVERIFY(!Lagerhof3Variablen::Bearbeitungsmodus);
}

void TestWarehouseFenster::zifferntastenfilter()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    fenster.show();
    QTest::keyClicks(Box(fenster, 1), QStringLiteral("1a2,3.4"));
    QCOMPARE(Box(fenster, 1)->text(), QStringLiteral("12,34"));
    QTest::keyClicks(Box(fenster, 2), QStringLiteral(",-5+D.5"));
    QCOMPARE(Box(fenster, 2)->text(), QStringLiteral("-5.5"));
    QTest::keyClicks(Box(fenster, 0), QStringLiteral("Öl, 1.5 Maß"));
    QCOMPARE(Box(fenster, 0)->text(), QStringLiteral("Öl, 1.5 Maß"));
    auto* beschreibung = Kind<QPlainTextEdit>(fenster, QStringLiteral("txtItem(3)"));
    QTest::keyClicks(beschreibung, QStringLiteral("a,b"));
    QCOMPARE(beschreibung->toPlainText(), QStringLiteral("a,b"));
    // The name boxes of the good and of the shop keep to one line; the description does not.
    for (const char* name : {"txtItem(0)", "txtName", "txtShopart", "txtBesitzerName"}) {
        auto* box = Kind<QLineEdit>(fenster, QString::fromUtf8(name));
        box->setText(QStringLiteral("Zwei\nZeilen\t"));
        QCOMPARE(box->text(), QStringLiteral("Zwei Zeilen"));
    }
    beschreibung->setPlainText(QStringLiteral("Zwei\nZeilen"));
    QCOMPARE(beschreibung->toPlainText(), QStringLiteral("Zwei\nZeilen"));
}

void TestWarehouseFenster::gegenstandBearbeiten()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Seilerei"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    Anklicken(liste, QStringLiteral("Seil"));
    QVERIFY(Lagerhof3Variablen::Bearbeitungsmodus);
    QCOMPARE(Lagerhof3Variablen::AktuellerGegenstand, 0);
    QCOMPARE(Box(fenster, 0)->text(), QStringLiteral("Seil"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbItemWert"))->currentText(),
             QStringLiteral("1 - Gibts in jedem Fachgeschäft"));
    QCOMPARE(Box(fenster, 1)->text(), QStringLiteral("5"));
    QCOMPARE(Box(fenster, 2)->text(), QStringLiteral("4"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbItemPreis"))->currentText(), QStringLiteral("Silbertaler"));
    QCOMPARE(Kind<QPlainTextEdit>(fenster, QStringLiteral("txtItem(3)"))->toPlainText(), QStringLiteral("Ein Testgegenstand."));
    QCOMPARE(Eintraege(Kind<QListWidget>(fenster, QStringLiteral("lstVerfügbar"))), (QStringList{"BO", "EL"}));
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstRegionen"))->count(), 18);
    QVERIFY(An(fenster, QStringLiteral("cmdItemSave")));

    Box(fenster, 2)->setText(QStringLiteral("15"));
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QCOMPARE(dialoge.aufrufe.size(), 0);
    QCOMPARE(liste->Text(0, 1), QStringLiteral("15S"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei"))[0],
             Ware(QStringLiteral("Seil"), QStringLiteral("1"), QStringLiteral("15S"), QStringLiteral("BO|EL|")));
    QVERIFY(Box(fenster, 0)->text().isEmpty());
    QCOMPARE(Kind<QListWidget>(fenster, QStringLiteral("lstRegionen"))->count(), 20);

    // Under "Alles" the editor names the good's own category.
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Alles"));
    Anklicken(liste, QStringLiteral("Wachskerze"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbItemKategorien"))->currentText(), QStringLiteral("Kerzen"));
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseFenster::neuerGegenstandMitRegionen()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    Klick(fenster, QStringLiteral("cmdItemNeu"));
    Box(fenster, 0)->setText(QStringLiteral("Laterne"));
    Box(fenster, 1)->setText(QStringLiteral("30"));
    Box(fenster, 2)->setText(QStringLiteral("15"));
    Waehlen(fenster, QStringLiteral("cmbItemWert"), QStringLiteral("4 - Selten, gibts beim Spezialisten"));
    Waehlen(fenster, QStringLiteral("cmbItemPreis"), QStringLiteral("Silbertaler"));
    auto* regionen = Kind<QListWidget>(fenster, QStringLiteral("lstRegionen"));
    auto* verfuegbar = Kind<QListWidget>(fenster, QStringLiteral("lstVerfügbar"));
    const auto waehlen = [](QListWidget* l, const QString& code) {
        const QList<QListWidgetItem*> t = l->findItems(code, Qt::MatchExactly);
        QVERIFY(!t.isEmpty());
        l->setCurrentItem(t.first());
        Q_EMIT l->itemClicked(t.first());
    };
    waehlen(regionen, QStringLiteral("WE"));
    QVERIFY(!Kind<QLabel>(fenster, QStringLiteral("lblRegionen"))->text().isEmpty());
    QCOMPARE(Kind<QLabel>(fenster, QStringLiteral("lblRegionen"))->text(), ExplorerEngine::RegionBeschreibung(QStringLiteral("WE")));
    Klick(fenster, QStringLiteral("cmdHin"));
    waehlen(regionen, QStringLiteral("BO"));
    Klick(fenster, QStringLiteral("cmdHin"));
    QCOMPARE(Eintraege(verfuegbar), (QStringList{"WE", "BO"}));
    waehlen(verfuegbar, QStringLiteral("WE"));
    Klick(fenster, QStringLiteral("cmdZurück"));
    Klick(fenster, QStringLiteral("cmdAlleHin"));
    QCOMPARE(verfuegbar->count(), 20);
    Klick(fenster, QStringLiteral("cmdAlleZurück"));
    QCOMPARE(regionen->count(), 20);
    waehlen(regionen, QStringLiteral("SÜ"));
    Klick(fenster, QStringLiteral("cmdHin"));
    waehlen(regionen, QStringLiteral("EL"));
    Klick(fenster, QStringLiteral("cmdHin"));
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).last(),
             (QStringList{"Laterne4", "30", "15S", "", "SÜ|EL|"}));
    QCOMPARE(Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"))->Text(2, 0),
             QStringLiteral("Laterne"));
}

void TestWarehouseFenster::loeschenBeendetBearbeitung()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    WarenSchreiben(installation, QStringLiteral("Kerzen"),
                   {Ware(QStringLiteral("A")), Ware(QStringLiteral("B")), Ware(QStringLiteral("C"))});
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    Anklicken(liste, QStringLiteral("B"));
    dialoge.ja = {false};
    Klick(fenster, QStringLiteral("cmdItemDelete"));
    // The question names the good, and its default is No.
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Soll „B“ wirklich gelöscht werden?")});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Frage);
    QCOMPARE(dialoge.aufrufe.first().knoepfe, Dialoge::Knoepfe::JaNeinVorgabeNein);
    QCOMPARE(liste->AngezeigteAnzahl(), 3);

    dialoge.ja = {true};
    Klick(fenster, QStringLiteral("cmdItemDelete"));
    QCOMPARE(Spalte(liste, 0), (QStringList{"A", "C"}));
    QCOMPARE(liste->ZeileMitName(QStringLiteral("C")), 1);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")),
             (QList<QStringList>{Ware(QStringLiteral("A")), Ware(QStringLiteral("C"))}));
    QVERIFY(!Lagerhof3Variablen::Bearbeitungsmodus);
    QVERIFY(!An(fenster, QStringLiteral("cmdItemSave")));

    // A save now makes a new good; C keeps its values.
    Box(fenster, 0)->setText(QStringLiteral("D"));
    Box(fenster, 2)->setText(QStringLiteral("1"));
    Waehlen(fenster, QStringLiteral("cmbItemWert"), QStringLiteral("5 - Extrem selten!"));
    Waehlen(fenster, QStringLiteral("cmbItemPreis"), QStringLiteral("Pfennig"));
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")),
             (QList<QStringList>{Ware(QStringLiteral("A")), Ware(QStringLiteral("C")), {"D5", "", "1P", "", ""}}));

    // The Delete key asks the same question.
    Anklicken(liste, QStringLiteral("A"));
    dialoge.ja = {true};
    QTest::keyClick(liste->Ansicht(), Qt::Key_Delete);
    QCOMPARE(Spalte(liste, 0), (QStringList{"C", "D"}));
    QCOMPARE(Spalte(liste, 2), (QStringList{"0", "1"}));
}

void TestWarehouseFenster::verschiebenNeinLaesstListe()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    const QByteArray kerzen = installation.Bytes(Warenpfad(QStringLiteral("Kerzen")));
    const QByteArray seile = installation.Bytes(Warenpfad(QStringLiteral("Seilerei")));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    Anklicken(liste, QStringLiteral("Talglicht"));
    Box(fenster, 0)->setText(QStringLiteral("Talglicht, neu"));
    Box(fenster, 2)->setText(QStringLiteral("9"));
    Waehlen(fenster, QStringLiteral("cmbItemKategorien"), QStringLiteral("Seilerei"));
    dialoge.ja = {false};
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Ihr habt die Kategorie des Gegenstandes geändert, soll er wirklich "
                                                         "einer anderen Kategorie zugeordnet werden ?")});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Frage);
    QCOMPARE(Spalte(liste, 0), (QStringList{"Talglicht", "Wachskerze"}));
    QCOMPARE(Spalte(liste, 1), (QStringList{"3H", "1S"}));
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Kerzen"))), kerzen);
    QCOMPARE(installation.Bytes(Warenpfad(QStringLiteral("Seilerei"))), seile);
    QVERIFY(Box(fenster, 0)->text().isEmpty());
}

void TestWarehouseFenster::verschiebenJa()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    Anklicken(liste, QStringLiteral("Talglicht"));
    Waehlen(fenster, QStringLiteral("cmbItemKategorien"), QStringLiteral("Seilerei"));
    dialoge.ja = {true};
    Klick(fenster, QStringLiteral("cmdItemSave"));
    QCOMPARE(Spalte(liste, 0), QStringList{QStringLiteral("Wachskerze")});
    QCOMPARE(Spalte(liste, 2), QStringList{QStringLiteral("0")});
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Kerzen")).size(), 1);
    QCOMPARE(WarehouseTest::WarenLesen(installation, QStringLiteral("Seilerei")).last()[0], QStringLiteral("Talglicht1"));
    // The remaining good is still reached through its new row number.
    Anklicken(liste, QStringLiteral("Wachskerze"));
    QCOMPARE(Box(fenster, 2)->text(), QStringLiteral("1"));
}

void TestWarehouseFenster::neueKategorieFragtBisPassend()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    dialoge.eingaben = {QStringLiteral("kerzen"), QStringLiteral("Wachs/Zieher"), QStringLiteral(" Edelsteine ")};
    Klick(fenster, QStringLiteral("cmdKategorieNeu"));
    QStringList ablauf;
    for (const Dialoge::Skript::Aufruf& a : dialoge.aufrufe)
        ablauf.append(a.art + QStringLiteral(": ") + a.text);
    QCOMPARE(ablauf.size(), 5);
    QCOMPARE(ablauf[0], QStringLiteral("Eingabe: Bitte gebt der Kategorie einen Namen."));
    QCOMPARE(ablauf[1], QStringLiteral("Meldung: Diese Kategorie existiert bereits, ihr müsst einen anderen Namen wählen."));
    QCOMPARE(dialoge.aufrufe[1].symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(ablauf[2], ablauf[0]);
    QVERIFY(ablauf[3].contains(QStringLiteral("„Wachs/Zieher“")));
    QCOMPARE(ablauf[4], ablauf[0]);
    QCOMPARE(dialoge.aufrufe[4].titel, QStringLiteral("Lagerhof 3"));
    auto* kategorien = Kind<QComboBox>(fenster, QStringLiteral("cmbKategorien"));
    QCOMPARE(kategorien->itemText(kategorien->count() - 1), QStringLiteral("Edelsteine"));
    auto* item = Kind<QComboBox>(fenster, QStringLiteral("cmbItemKategorien"));
    QCOMPARE(item->itemText(item->count() - 1), QStringLiteral("Edelsteine"));
    QVERIFY(QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Edelsteine")))));

    // An empty answer (or cancel) ends without change.
    const QByteArray liste = installation.Bytes(QStringLiteral("Data/Warehouse/ItemKategorien.dat"));
    Klick(fenster, QStringLiteral("cmdKategorieNeu"));
    QCOMPARE(installation.Bytes(QStringLiteral("Data/Warehouse/ItemKategorien.dat")), liste);
    QCOMPARE(kategorien->count(), 8);
}

void TestWarehouseFenster::kategorieLoeschen()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Kerzen"));
    dialoge.ja = {false, true};
    Klick(fenster, QStringLiteral("cmdKategorieDelete"));
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Soll die gewählte Kategorie wirklich gelöscht werden ?")});
    QVERIFY(QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")))));
    Klick(fenster, QStringLiteral("cmdKategorieDelete"));
    QVERIFY(!QFile::exists(installation.Pfad(Warenpfad(QStringLiteral("Kerzen")))));
    auto* kategorien = Kind<QComboBox>(fenster, QStringLiteral("cmbKategorien"));
    QCOMPARE(kategorien->findText(QStringLiteral("Kerzen")), -1);
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbItemKategorien"))->findText(QStringLiteral("Kerzen")), -1);
    QCOMPARE(kategorien->currentText(), QStringLiteral("Alles"));
    QVERIFY(!An(fenster, QStringLiteral("cmdKategorieDelete")));
    QCOMPARE(Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"))->ZeileMitName(QStringLiteral("Talglicht")), -1);
    QCOMPARE(installation.Zeilen(QStringLiteral("Data/Warehouse/ItemKategorien.dat")).first(), QStringLiteral(" 5 "));
}

void TestWarehouseFenster::sortierenErstNachKlick()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Seilerei"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    QVERIFY(!liste->Kopf()->isSortIndicatorShown());
    // Prices by value: 4 Silbertaler are less than 2 Dukaten.
    Q_EMIT liste->Kopf()->sectionClicked(1);
    QCOMPARE(Spalte(liste, 1), (QStringList{"4S", "2D"}));
    QVERIFY(liste->Kopf()->isSortIndicatorShown());
    QCOMPARE(liste->Kopf()->sortIndicatorSection(), 1);
    Q_EMIT liste->Kopf()->sectionClicked(1);
    QCOMPARE(Spalte(liste, 1), (QStringList{"2D", "4S"}));
    // The sorted lines still lead to their goods.
    Anklicken(liste, QStringLiteral("Tau"));
    QCOMPARE(Box(fenster, 2)->text(), QStringLiteral("2"));
}

void TestWarehouseFenster::listeAlsPdfDrucken()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    const QString pdf = installation.Pfad(QStringLiteral("Temp/liste.pdf"));
    dialoge.drucken = [&pdf](QPrinter& drucker) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    };
    frmWarehouseMain fenster;
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Seilerei"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    Q_EMIT liste->Kopf()->sectionClicked(0);
    Q_EMIT liste->Kopf()->sectionClicked(0);
    Klick(fenster, QStringLiteral("cmdListeDrucken"));
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Drucken"));
    QVERIFY(QFile(pdf).size() > 0);
    const QByteArray seite = installation.Bytes(QStringLiteral("Temp/Temp.html"));
    QVERIFY(seite.startsWith("<html>\r\n<head>\r\n<title>Seilerei</title>"));
    QVERIFY(seite.indexOf(">Tau<") > 0 && seite.indexOf(">Tau<") < seite.indexOf(">Seil<"));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
}

void TestWarehouseFenster::shopFuellenUndPreise()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    Waehlen(fenster, QStringLiteral("cmbKategorien"), QStringLiteral("Alles"));
    auto* liste = Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände"));
    auto* laden = Kind<Datensatzliste>(fenster, QStringLiteral("lvLaden"));
    for (const QString& name : {QStringLiteral("Seil"), QStringLiteral("Tau"), QStringLiteral("Talglicht")}) {
        Anklicken(liste, name);
        Klick(fenster, QStringLiteral("cmdItemHin"));
    }
    QCOMPARE(Spalte(laden, 0), (QStringList{"Seil", "Tau", "Talglicht"}));
    QCOMPARE(Spalte(laden, 1), (QStringList{"5", "5", "5"}));
    QCOMPARE(Spalte(laden, 2), (QStringList{"4S", "2D", "3H"}));
    QCOMPARE(Spalte(laden, 3), (QStringList{"0", "1", "2"}));
    QCOMPARE(laden->GewaehlteZeile(), 2);
    for (const char* name : {"cmdShopDelete", "cmdShopAnzahl", "cmbShopPreise"})
        QVERIFY2(An(fenster, QString::fromUtf8(name)), name);

    Waehlen(fenster, QStringLiteral("cmbShopPreise"), QStringLiteral("Teuer"));
    QCOMPARE(Spalte(laden, 2), (QStringList{"4,8S", "2,4D", "3,6H"}));
    // A good added later comes with its catalogue price.
    Anklicken(liste, QStringLiteral("Seil"));
    Klick(fenster, QStringLiteral("cmdItemHin"));
    QCOMPARE(Spalte(laden, 2).last(), QStringLiteral("4S"));

    laden->ZeileWaehlen(0);
    dialoge.eingaben = {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7")};
    Klick(fenster, QStringLiteral("cmdShopAnzahl"));
    Klick(fenster, QStringLiteral("cmdShopAnzahl"));
    QCOMPARE(laden->Text(0, 0), QStringLiteral("Seil (x5)"));
    QCOMPARE(dialoge.aufrufe.first().art, QStringLiteral("Eingabe"));
    QCOMPARE(dialoge.aufrufe.first().text,
             QStringLiteral("Bitte gebt eine Zahl an, wie oft der Gegenstand im Shop vorhanden sein soll."));
    laden->ZeileWaehlen(1);
    Q_EMIT laden->Ansicht()->doubleClicked(laden->Ansicht()->currentIndex());
    QCOMPARE(dialoge.aufrufe.last().text, QStringLiteral("Bitte gebt den neuen Preis ein."));
    QCOMPARE(laden->Text(1, 2), QStringLiteral("7D"));

    // Removing the first good renumbers the rest; a new level still prices the right goods.
    laden->ZeileWaehlen(0);
    QTest::keyClick(laden->Ansicht(), Qt::Key_Delete);
    QCOMPARE(Spalte(laden, 0), (QStringList{"Tau", "Talglicht", "Seil"}));
    QCOMPARE(Spalte(laden, 3), (QStringList{"0", "1", "2"}));
    Waehlen(fenster, QStringLiteral("cmbShopPreise"), QStringLiteral("Sehr billig"));
    QCOMPARE(Spalte(laden, 2), (QStringList{"1,4D", "2,1H", "2,8S"}));
    for (int i = 0; i < 3; ++i) {
        laden->ZeileWaehlen(laden->ZeileAn(0));
        Klick(fenster, QStringLiteral("cmdShopDelete"));
    }
    QCOMPARE(laden->AngezeigteAnzahl(), 0);
    for (const char* name : {"cmdShopDelete", "cmdShopAnzahl", "cmbShopPreise"})
        QVERIFY2(!An(fenster, QString::fromUtf8(name)), name);
    // Switching modes keeps the shop.
    Anklicken(liste, QStringLiteral("Tau"));
    Klick(fenster, QStringLiteral("cmdItemHin"));
    Klick(fenster, QStringLiteral("cmdItemEditor"));
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    QCOMPARE(laden->AngezeigteAnzahl(), 1);
}

void TestWarehouseFenster::besitzernamen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    QVERIFY(!An(fenster, QStringLiteral("cmdGenName")));
    Waehlen(fenster, QStringLiteral("cmbRasse"), QStringLiteral("Zwerge"));
    QVERIFY(An(fenster, QStringLiteral("cmdGenName")));
    Klick(fenster, QStringLiteral("cmdGenName"));
    const QString name = Kind<QLineEdit>(fenster, QStringLiteral("txtBesitzerName"))->text();
    QVERIFY(name.contains(QStringLiteral(", Sohn des ")) || name.contains(QStringLiteral(", Tochter des ")));
    Waehlen(fenster, QStringLiteral("cmbShopRegion"), QStringLiteral("WE"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbShopRegion"))->toolTip(),
             ExplorerEngine::RegionBeschreibung(QStringLiteral("WE")));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseFenster::generatorFreigabeUndUebernahme()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"),
                                 {QStringLiteral("Lichtzieher"), QStringLiteral("Seiler")});
    installation.ZeilenSchreiben(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"),
                                 {QStringLiteral("[Lichtzieher]"), QStringLiteral("WareCount=2"),
                                  QStringLiteral("Ware1=Kerzen"), QStringLiteral("Ware2=Seilerei")});
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    QStringList ablauf;
    Fenster::ModalHandlerSetzen([&ablauf](QDialog& dialog) {
        ablauf.append(dialog.objectName() + QLatin1Char(' ') + dialog.windowTitle());
        auto* start = dialog.findChild<QAbstractButton*>(QStringLiteral("cmdStart"));
        auto* art = dialog.findChild<QComboBox*>(QStringLiteral("cmbShopBeruf"));
        auto* qualitaet = dialog.findChild<QComboBox*>(QStringLiteral("cmbShopQualität"));
        auto* preise = dialog.findChild<QComboBox*>(QStringLiteral("cmbShopPreise"));
        auto* mitRegion = dialog.findChild<QCheckBox*>(QStringLiteral("chkShopRegion"));
        auto* region = dialog.findChild<QComboBox*>(QStringLiteral("cmbShopRegion"));
        if (!start || !art || !qualitaet || !preise || !mitRegion || !region)
            return int(QDialog::Rejected);
        ablauf.append(art->itemText(0) + QLatin1Char('|') + qualitaet->itemText(4) + QLatin1Char('|') + mitRegion->text());
        const auto schritt = [&](const char* was) { ablauf.append(QString::fromUtf8(was) + QLatin1Char(' ') + (start->isEnabled() ? "an" : "aus")); };
        schritt("leer");
        art->setCurrentIndex(0);
        qualitaet->setCurrentIndex(1);
        schritt("ohne Preise");
        preise->setCurrentIndex(4);
        schritt("alles");
        mitRegion->click();
        schritt("Region angehakt");
        region->setCurrentIndex(region->findText(QStringLiteral("WE")));
        schritt("Region gewählt");
        start->click();
        return dialog.result();
    });
    Zufall::Skript wuerfe({6, 2, 6, 16, 6});
    Klick(fenster, QStringLiteral("cmdShopGenerator"));
    QCOMPARE(ablauf, (QStringList{"frmWarehouseGenerator Lagerhof 3 - Shopgenerator",
                                  "Lichtzieher|5 - Spezialist|Region in die Berechnung miteinbeziehen", "leer aus",
                                  "ohne Preise aus", "alles an", "Region angehakt aus", "Region gewählt an"}));
    QCOMPARE(wuerfe.Uebrig(), 0);
    auto* laden = Kind<Datensatzliste>(fenster, QStringLiteral("lvLaden"));
    QCOMPARE(Spalte(laden, 0), QStringList{QStringLiteral("Seil")});
    QCOMPARE(Spalte(laden, 2), QStringList{QStringLiteral("6S")});
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbShopQualität"))->currentText(), QStringLiteral("Einfach"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbShopPreise"))->currentText(), QStringLiteral("Sehr teuer / Wucher"));
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbShopRegion"))->currentText(), QStringLiteral("WE"));
    QCOMPARE(Kind<QLineEdit>(fenster, QStringLiteral("txtShopart"))->text(), QStringLiteral("Lichtzieher"));
    QVERIFY(An(fenster, QStringLiteral("cmdShopAnzahl")));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestWarehouseFenster::generatorFragtBeiVollemShop()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    frmWarehouseMain fenster;
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    Anklicken(Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände")), QStringLiteral("Seil"));
    Klick(fenster, QStringLiteral("cmdItemHin"));
    Waehlen(fenster, QStringLiteral("cmbShopPreise"), QStringLiteral("Teuer"));
    int geoeffnet = 0;
    Fenster::ModalHandlerSetzen([&geoeffnet](QDialog&) {
        ++geoeffnet;
        return int(QDialog::Rejected);
    });
    dialoge.ja = {false, true};
    Klick(fenster, QStringLiteral("cmdShopGenerator"));
    QCOMPARE(geoeffnet, 0);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Ihr arbeitet momentan an einem Shop, beim Start des Generators "
                                                         "werden sämtliche Werte verworfen ! Wollt ihr den Generator "
                                                         "wirklich starten ?")});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    auto* laden = Kind<Datensatzliste>(fenster, QStringLiteral("lvLaden"));
    QCOMPARE(laden->AngezeigteAnzahl(), 1);
    // Closing the generator without a run leaves the shop empty and the level unchosen.
    Klick(fenster, QStringLiteral("cmdShopGenerator"));
    QCOMPARE(geoeffnet, 1);
    QCOMPARE(laden->AngezeigteAnzahl(), 0);
    QCOMPARE(Lagerhof3Variablen::Shopwaren.Shopwarenzahl(), 0);
    QCOMPARE(Kind<QComboBox>(fenster, QStringLiteral("cmbShopPreise"))->currentIndex(), -1);
    QVERIFY(!An(fenster, QStringLiteral("cmdShopDelete")));
}

void TestWarehouseFenster::shopExportUndDruck()
{
    TestInstallation installation;
    KleinerKatalog(installation);
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    const QString pdf = installation.Pfad(QStringLiteral("Temp/shop.pdf"));
    dialoge.drucken = [&pdf](QPrinter& drucker) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    };
    frmWarehouseMain fenster;
    Klick(fenster, QStringLiteral("cmdShopEditor"));
    Kind<QLineEdit>(fenster, QStringLiteral("txtName"))->setText(QStringLiteral("Zum <Seil>"));
    Kind<QLineEdit>(fenster, QStringLiteral("txtBesitzerName"))->setText(QStringLiteral("Berthold"));
    Anklicken(Kind<Datensatzliste>(fenster, QStringLiteral("lvGegenstände")), QStringLiteral("Seil"));
    Klick(fenster, QStringLiteral("cmdItemHin"));

    // Cancelled: nothing is written.
    dialoge.dateien = {QString()};
    Klick(fenster, QStringLiteral("cmdShopExport"));
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Speichern"));
    QCOMPARE(dialoge.aufrufe.last().ordner, installation.Pfad(QStringLiteral("HTML")));
    QCOMPARE(dialoge.aufrufe.last().filter, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    QVERIFY(QDir(installation.Pfad(QStringLiteral("HTML"))).isEmpty());

    const QString datei = installation.Pfad(QStringLiteral("HTML/seil.html"));
    dialoge.dateien = {datei};
    dialoge.ja = {true};
    Klick(fenster, QStringLiteral("cmdShopExport"));
    QCOMPARE(dialoge.Texte().last(), QStringLiteral("Der Shop wurde erfolgreich erstellt, wollt ihr euch diesen nun ansehen ?."));
    QCOMPARE(shell.geoeffnet, QStringList{datei});
    const QByteArray seite = installation.Bytes(QStringLiteral("HTML/seil.html"));
    QVERIFY(seite.contains("<B>Name des Shops: </B> Zum &lt;Seil&gt;</BR>\r\n"));
    QVERIFY(seite.contains("<B>Besitzer/in: </B> Berthold</BR>\r\n"));
    QVERIFY(seite.contains(">5 Unzen<"));

    Klick(fenster, QStringLiteral("cmdShopDrucken"));
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Drucken"));
    QVERIFY(QFile(pdf).size() > 0);
    const QByteArray druck = installation.Bytes(QStringLiteral("Temp/Temp.html"));
    QVERIFY(druck.contains("<B>Besitzer: </B> Berthold</BR>\r\n"));
    QVERIFY(druck.contains(">BO|EL|<"));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
}

void TestWarehouseFenster::hilfe()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmWarehouseMain fenster;
    Klick(fenster, QStringLiteral("cmdHelp"));
    QCOMPARE(shell.geoeffnet, QStringList{installation.Pfad(QStringLiteral("Hilfe/Warehouse.htm"))});
    QVERIFY(dialoge.aufrufe.isEmpty());
}

QTEST_MAIN(TestWarehouseFenster)
#include "test_warehouse_fenster.moc"
