// The windows of Ortsbau3, clicked as a user would: main window, new city, registers, map, wizard.
#include "CityEngine.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Shell.h"
#include "Stadt.h"
#include "Stadtbericht.h"
#include "Stadtdatei.h"
#include "Stadtkarte.h"
#include "Subs.h"
#include "CityTestHilfe.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "Zeilendatei.h"
#include "Zufall.h"
#include "frmCityExplorer.h"
#include "frmCityGenerator.h"
#include "frmCityMain.h"
#include "frmCityStart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace CityEngine;

namespace {

template <typename T>
T* Kind(QObject* fenster, const QString& name)
{
    T* kind = fenster->findChild<T*>(name);
    if (!kind)
        qFatal("Control %s not found", qPrintable(name));
    return kind;
}

QAbstractButton* Knopf(QObject* f, const QString& name) { return Kind<QAbstractButton>(f, name); }
QLineEdit* Text(QObject* f, const QString& name) { return Kind<QLineEdit>(f, name); }
QComboBox* Combo(QObject* f, const QString& name) { return Kind<QComboBox>(f, name); }

// "<<<", ">>>" and Delete of a register as "Z", "W", "L" or "-".
QString Knoepfe(QObject* f, const QString& praefix)
{
    return QStringLiteral("%1%2%3")
        .arg(Knopf(f, QStringLiteral("cmd%1Zurück").arg(praefix))->isEnabled() ? 'Z' : '-')
        .arg(Knopf(f, QStringLiteral("cmd%1Weiter").arg(praefix))->isEnabled() ? 'W' : '-')
        .arg(Knopf(f, QStringLiteral("cmd%1Delete").arg(praefix))->isEnabled() ? 'L' : '-');
}

void CityDaten(const TestInstallation& inst)
{
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker1.dat"), {QStringLiteral("Schmied"), QStringLiteral("Bäcker")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker2.dat"), {QStringLiteral("Gerber")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker3.dat"), {QStringLiteral("Glockengießer")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/Mohas.dat"), {QStringLiteral("Tamu-Ra")});
    inst.ZeilenSchreiben(QStringLiteral("Data/City/CityZufallsereignisse.dat"),
                         {QStringLiteral("Ein Hund bellt."), QStringLiteral("Es regnet.")});
    QDir().mkpath(inst.Pfad(QStringLiteral("Data/Explorer")));
    QImage karte(1024, 768, QImage::Format_RGB32);
    karte.fill(Qt::darkGreen);
    karte.save(inst.Pfad(QStringLiteral("Data/Explorer/Aventurien.jpg")));
}

// Answers frmCityStart with the given inputs.
void NeueStadtAnlegen(frmCityMain& fenster, const QString& name, const QString& einwohner, int rasse)
{
    Fenster::ModalHandlerSetzen([&](QDialog& d) {
        Text(&d, QStringLiteral("txtName"))->setText(name);
        Text(&d, QStringLiteral("txtEinwohnerzahl"))->setText(einwohner);
        Combo(&d, QStringLiteral("cmbRasse"))->setCurrentIndex(rasse);
        Knopf(&d, QStringLiteral("cmdStart"))->click();
        return d.result();
    });
    Knopf(&fenster, QStringLiteral("cmdNeu"))->click();
    Fenster::ModalHandlerSetzen(nullptr);
}

void GasthausEingeben(QObject* f, const QString& name, int preis, int qualitaet)
{
    Text(f, QStringLiteral("txtGasthausName"))->setText(name);
    Text(f, QStringLiteral("txtGasthausBesitzer"))->setText(name + QStringLiteral("s Wirt"));
    Combo(f, QStringLiteral("cmbGasthausPreise"))->setCurrentIndex(preis);
    Combo(f, QStringLiteral("cmbGasthausQualität"))->setCurrentIndex(qualitaet);
    Knopf(f, QStringLiteral("cmdGasthausSave"))->click();
}

} // namespace

class TestCityFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Fenster::ModalHandlerSetzen(nullptr); }

    void startzustand();
    void neueStadtPrueftEingaben();
    void neueStadtBehaeltListen();
    void neueStadtFragtNachAltemInhalt_data();
    void neueStadtFragtNachAltemInhalt();
    void gasthausregisterKlicken();
    void berufUndTempelregister();
    void zufallsknoepfe();
    void altTastenJeSeite();
    void generatorAltTasten();
    void speichernUndLaden();
    void ladenVerweigertLaesstFensterUnveraendert();
    void htmlBerichtUndHilfe();
    void karteNeueStadtPerKlick();
    void karteVorhandeneStadtFragtZuerst();
    void karteScrolltUndNeinBeimKlick();
    void karteZeigtAnleitungUndStaedte();
    void karteVerweigertOhneBildUndUnbrauchbareNamen();
    void generatorSeitenUndPruefungen();
    void generatorSchreibtSeiteUndOeffnetSie();
};

void TestCityFenster::startzustand()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Ortsbau 3 v3.00"));
    auto* tab = Kind<QTabWidget>(&fenster, QStringLiteral("CityTab"));
    QVERIFY(!tab->isEnabled());
    QStringList titel;
    for (int i = 0; i < tab->count(); ++i)
        titel << tab->tabText(i);
    QCOMPARE(titel, (QStringList{QStringLiteral("Grundeigenschaften"), QStringLiteral("Gasthäuser / Hotels"),
                                 QStringLiteral("Gaststätten / Tavernen"), QStringLiteral("Handwerker"),
                                 QStringLiteral("Händler"), QStringLiteral("Dienstleistungen"), QStringLiteral("Heiler"),
                                 QStringLiteral("Grossbetriebe"), QStringLiteral("Tempel"),
                                 QStringLiteral("Hintergrundinformationen")}));
    // At the default size every tab is shown whole, and a very long trade from a data file does not widen
    // the window.
    {
        inst.ZeilenSchreiben(QStringLiteral("Data/City/Handwerker2.dat"), {QString(300, QLatin1Char('W'))});
        frmCityMain lang;
        lang.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lang));
        QTabBar* leiste = Kind<QTabWidget>(&lang, QStringLiteral("CityTab"))->tabBar();
        QVERIFY(leiste->tabRect(leiste->count() - 1).right() <= leiste->width());
        QCOMPARE(lang.width(), fenster.width());
    }
    QVERIFY(!Knopf(&fenster, QStringLiteral("cmdSave"))->isEnabled());
    QVERIFY(!Knopf(&fenster, QStringLiteral("cmdHTML"))->isEnabled());
    QVERIFY(!Knopf(&fenster, QStringLiteral("cmdExplorer"))->isEnabled());
    QStringList berufe;
    auto* handwerker = Combo(&fenster, QStringLiteral("cmbHandwerkerBeruf"));
    for (int i = 0; i < handwerker->count(); ++i)
        berufe << handwerker->itemText(i);
    QCOMPARE(berufe, (QStringList{QStringLiteral("Schmied"), QStringLiteral("Bäcker"), QStringLiteral("Gerber"),
                                  QStringLiteral("Glockengießer")}));
    QCOMPARE(handwerker->currentText(), QString());
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbHeilerBeruf"))->count(), 0); // Heiler.dat is missing
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbTavernePreise"))->itemText(4), QStringLiteral("Sehr teuer / Wucher"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbTaverneQualität"))->itemText(2), QStringLiteral("Saubere Schänke"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbTempelGott"))->count(), 22);

    // Once a city is started the registers stand on their blank slots and the map button follows the name.
    NeueStadtAnlegen(fenster, QStringLiteral("A"), QStringLiteral("5"), 0);
    for (const char* p : {"Gasthaus", "Taverne", "Handwerker", "Händler", "Dienst", "Heiler", "GBetrieb", "Tempel"})
        QCOMPARE(Knoepfe(&fenster, QString::fromUtf8(p)), QStringLiteral("---"));
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdExplorer"))->isEnabled());
    Text(&fenster, QStringLiteral("txtName"))->clear();
    QVERIFY(!Knopf(&fenster, QStringLiteral("cmdExplorer"))->isEnabled());
    Text(&fenster, QStringLiteral("txtName"))->setText(QStringLiteral("B"));
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdExplorer"))->isEnabled());

    // Tab goes from the inn's name to the owner and its button, and on to the price.
    tab->setCurrentIndex(1);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    Text(&fenster, QStringLiteral("txtGasthausName"))->setFocus();
    QStringList folge;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        folge << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(folge, (QStringList{QStringLiteral("txtGasthausBesitzer"), QStringLiteral("cmdGasthausBesitzer"),
                                 QStringLiteral("cmbGasthausPreise")}));

    // Enter stores the shown entry, from a text field as from a list.
    QTest::keyClicks(Text(&fenster, QStringLiteral("txtGasthausName")), QStringLiteral("Anker"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Anzahl(), 1);
    tab->setCurrentIndex(3);
    auto* beruf = Combo(&fenster, QStringLiteral("cmbHandwerkerBeruf"));
    beruf->setFocus();
    QTest::keyClicks(beruf, QStringLiteral("Seiler"));
    QTest::keyClick(beruf, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(fenster.Stadt().Betriebe[Handwerker].Slots.value(0).value(FeldName), QStringLiteral("Seiler"));
    QCOMPARE(handwerker->count(), 4); // the typed trade is not added to the list
}

void TestCityFenster::neueStadtPrueftEingaben()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    QStringList zustaende;
    QString beschriftung;
    QString einzeilig;
    Fenster::ModalHandlerSetzen([&](QDialog& d) {
        auto* start = Knopf(&d, QStringLiteral("cmdStart"));
        beschriftung = start->text();
        auto notiere = [&] { zustaende << (start->isEnabled() ? QStringLiteral("an") : QStringLiteral("aus")); };
        notiere();
        Text(&d, QStringLiteral("txtName"))->setText(QStringLiteral("Eschental"));
        notiere();
        Combo(&d, QStringLiteral("cmbRasse"))->setCurrentIndex(8);
        notiere(); // population still empty
        Text(&d, QStringLiteral("txtEinwohnerzahl"))->setText(QStringLiteral("0"));
        notiere();
        Text(&d, QStringLiteral("txtEinwohnerzahl"))->setText(QStringLiteral("viele"));
        notiere();
        Text(&d, QStringLiteral("txtEinwohnerzahl"))->setText(QStringLiteral("350"));
        notiere();
        Text(&d, QStringLiteral("txtName"))->clear();
        notiere();
        // The city's name keeps to one line.
        Text(&d, QStringLiteral("txtName"))->setText(QStringLiteral("Eschen\ntal"));
        einzeilig = Text(&d, QStringLiteral("txtName"))->text();
        Text(&d, QStringLiteral("txtName"))->setText(QStringLiteral("Eschental"));
        start->click();
        return d.result();
    });
    Knopf(&fenster, QStringLiteral("cmdNeu"))->click();
    QCOMPARE(beschriftung, QStringLiteral("Eine neue Stadt anlegen"));
    QCOMPARE(zustaende, (QStringList{QStringLiteral("aus"), QStringLiteral("aus"), QStringLiteral("aus"), QStringLiteral("aus"),
                                     QStringLiteral("aus"), QStringLiteral("an"), QStringLiteral("aus")}));
    QCOMPARE(einzeilig, QStringLiteral("Eschen tal"));
    QCOMPARE(Text(&fenster, QStringLiteral("txtName"))->text(), QStringLiteral("Eschental"));
    QCOMPARE(Text(&fenster, QStringLiteral("txtEinwohnerzahl"))->text(), QStringLiteral("350"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbRasse"))->currentText(), QStringLiteral("Zwerge"));
    auto* tab = Kind<QTabWidget>(&fenster, QStringLiteral("CityTab"));
    QVERIFY(tab->isEnabled());
    QCOMPARE(tab->currentIndex(), 0);
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdSave"))->isEnabled());
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdHTML"))->isEnabled());
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdExplorer"))->isEnabled());

    // Closing the dialog without its button changes nothing.
    Fenster::ModalHandlerSetzen([](QDialog& d) {
        Text(&d, QStringLiteral("txtName"))->setText(QStringLiteral("Anders"));
        return int(QDialog::Rejected);
    });
    Knopf(&fenster, QStringLiteral("cmdNeu"))->click();
    QCOMPARE(Text(&fenster, QStringLiteral("txtName"))->text(), QStringLiteral("Eschental"));
}

void TestCityFenster::neueStadtBehaeltListen()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Erste"), QStringLiteral("100"), 0);
    GasthausEingeben(&fenster, QStringLiteral("Anker"), 1, 1);
    Dialoge::Skript dialoge;
    dialoge.ja = {true};
    Fenster::ModalHandlerSetzen([](QDialog& d) {
        QMouseEvent klick(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Kind<QLabel>(&d, QStringLiteral("picInnen")), &klick);
        return d.result();
    });
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QVERIFY(fenster.Stadt().StadtAufKarte);
    // The unsaved city is let go; its businesses are taken over.
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    dialoge.ja = {true};
    NeueStadtAnlegen(fenster, QStringLiteral("Zweite"), QStringLiteral("20"), 3);
    QVERIFY(!fenster.Stadt().StadtAufKarte);
    QCOMPARE(fenster.Stadt().Name, QStringLiteral("Zweite"));
    QCOMPARE(fenster.Stadt().Rasse, 3);
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Anzahl(), 1);
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QStringLiteral("Anker"));
}

namespace {

// Changes made to a started city through its controls.
using Aenderung = void (*)(frmCityMain&, const TestInstallation&);
const Aenderung kAenderungen[] = {
    [](frmCityMain&, const TestInstallation&) {},
    [](frmCityMain& f, const TestInstallation&) {
        Text(&f, QStringLiteral("txtName"))->setText(QStringLiteral("Anders"));
        Text(&f, QStringLiteral("txtName"))->setText(QStringLiteral("Erste"));
    },
    [](frmCityMain& f, const TestInstallation&) { Text(&f, QStringLiteral("txtEinwohnerzahl"))->setText(QStringLiteral("101")); },
    [](frmCityMain& f, const TestInstallation&) { Text(&f, QStringLiteral("txtTaverneName"))->setText(QStringLiteral("Kessel")); },
    [](frmCityMain& f, const TestInstallation&) { GasthausEingeben(&f, QStringLiteral("Anker"), 1, 1); },
    [](frmCityMain& f, const TestInstallation& inst) {
        GasthausEingeben(&f, QStringLiteral("Anker"), 1, 1);
        Dialoge::Skript speichern;
        speichern.dateien = {inst.Pfad(QStringLiteral("WBD/erste.wbd"))};
        Knopf(&f, QStringLiteral("cmdSave"))->click();
    },
    [](frmCityMain& f, const TestInstallation&) {
        Combo(&f, QStringLiteral("cmbTempelGott"))->setEditText(QStringLiteral("Travia"));
        Knopf(&f, QStringLiteral("cmdTempelSave"))->click();
    },
    [](frmCityMain& f, const TestInstallation&) { Text(&f, QStringLiteral("txtBürgermeister"))->setText(QStringLiteral("Bertram")); },
    [](frmCityMain& f, const TestInstallation&) { Combo(&f, QStringLiteral("cmbReichtum"))->setCurrentIndex(0); },
    [](frmCityMain& f, const TestInstallation&) {
        Kind<QPlainTextEdit>(&f, QStringLiteral("txtHintergrund"))->setPlainText(QStringLiteral("Am Fluss."));
    },
};

} // namespace

void TestCityFenster::neueStadtFragtNachAltemInhalt_data()
{
    QTest::addColumn<int>("aenderung");
    QTest::addColumn<bool>("ungespeichert"); // the unsaved-changes question comes first
    QTest::addColumn<bool>("frage");         // then the question whether to take the old city's content over
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("abbrechen");     // Escape instead: the new city is cancelled, the old one stays
    QTest::newRow("nichts geändert") << 0 << false << false << false << false;
    QTest::newRow("Name hin und zurück") << 1 << false << false << false << false;
    QTest::newRow("Einwohnerzahl") << 2 << true << false << false << false;
    QTest::newRow("Eintrag nur getippt") << 3 << true << false << false << false;
    QTest::newRow("Gasthaus, Ja") << 4 << true << true << true << false;
    QTest::newRow("Gasthaus, Nein") << 4 << true << true << false << false;
    QTest::newRow("Gasthaus gespeichert, Nein") << 5 << false << true << false << false;
    QTest::newRow("Tempel, Nein") << 6 << true << true << false << false;
    QTest::newRow("Bürgermeister, Ja") << 7 << true << true << true << false;
    QTest::newRow("Reichtum, Nein") << 8 << true << true << false << false;
    QTest::newRow("Hintergrund, Ja") << 9 << true << true << true << false;
    QTest::newRow("Gasthaus gespeichert, Abbrechen") << 5 << false << true << false << true;
}

void TestCityFenster::neueStadtFragtNachAltemInhalt()
{
    QFETCH(int, aenderung);
    QFETCH(bool, ungespeichert);
    QFETCH(bool, frage);
    QFETCH(bool, ja);
    QFETCH(bool, abbrechen);
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Erste"), QStringLiteral("100"), 0);
    kAenderungen[aenderung](fenster, inst);
    Stadt erwartet = ja || abbrechen ? fenster.Stadt() : Stadt();
    if (!abbrechen) {
        erwartet.Name = QStringLiteral("Zweite");
        erwartet.Einwohnerzahl = QStringLiteral("20");
        erwartet.Rasse = 3;
    }

    Dialoge::Skript dialoge;
    dialoge.wahl = {abbrechen ? Dialoge::Antwort::Abbrechen : Dialoge::Antwort::Verwerfen};
    if (!abbrechen)
        dialoge.ja = {ja};
    NeueStadtAnlegen(fenster, QStringLiteral("Zweite"), QStringLiteral("20"), 3);
    QCOMPARE(dialoge.Texte().contains(QStringLiteral("Die Änderungen an „Erste“ sind nicht gespeichert.")), ungespeichert);
    const auto gefragt = std::find_if(dialoge.aufrufe.cbegin(), dialoge.aufrufe.cend(), [](const Dialoge::Skript::Aufruf& a) {
        return a.text == QStringLiteral("Die Betriebe und Angaben der bisherigen Stadt übernehmen?");
    });
    QCOMPARE(gefragt != dialoge.aufrufe.cend(), frage);
    if (frage)
        QCOMPARE(gefragt->knoepfe, Dialoge::Knoepfe::JaNeinAbbrechen);
    QCOMPARE(Dateizeilen(fenster.Stadt()), Dateizeilen(erwartet));
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), erwartet.Betriebe[Gasthaus].Slots[0][FeldName]);
    // The new city starts unchanged, typed entries included: closing asks nothing.
    dialoge.wahl.clear();
    QVERIFY(fenster.close());
    QCOMPARE(dialoge.unbeantwortet, 0);
}

void TestCityFenster::gasthausregisterKlicken()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Hafen"), QStringLiteral("500"), 6);
    GasthausEingeben(&fenster, QStringLiteral("Anker"), 2, 4);
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("-WL"));
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QStringLiteral("Anker")); // still shown

    Knopf(&fenster, QStringLiteral("cmdGasthausWeiter"))->click();
    QCOMPARE(fenster.AktuelleStelle(Gasthaus), 1);
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QString());
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausPreise"))->currentIndex(), -1);
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausQualität"))->currentIndex(), -1);
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("Z--"));

    GasthausEingeben(&fenster, QStringLiteral("Möwe"), 0, -1);
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Anzahl(), 2);
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Slots[1][FeldQualitaet], QStringLiteral("-1"));
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("ZWL"));

    Knopf(&fenster, QStringLiteral("cmdGasthausZurück"))->click();
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QStringLiteral("Anker"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausPreise"))->currentText(), QStringLiteral("Durchschnittlich"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausQualität"))->currentText(), QStringLiteral("Nobel / Poliert"));
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("-WL"));

    Dialoge::Skript dialoge;
    dialoge.ja = {false, true};
    Knopf(&fenster, QStringLiteral("cmdGasthausDelete"))->click();
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Anzahl(), 2);
    Knopf(&fenster, QStringLiteral("cmdGasthausDelete"))->click();
    QCOMPARE(dialoge.Texte(), QStringList(2, QStringLiteral("Soll der Eintrag wirklich gelöscht werden ?")));
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Frage);
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Anzahl(), 1);
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QStringLiteral("Möwe"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausPreise"))->currentIndex(), 0);
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("-WL"));

    dialoge.ja = {true};
    Knopf(&fenster, QStringLiteral("cmdGasthausDelete"))->click();
    QCOMPARE(fenster.Stadt().Betriebe[Gasthaus].Anzahl(), 0);
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QString());
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausPreise"))->currentIndex(), -1);
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("---"));
}

void TestCityFenster::berufUndTempelregister()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Esse"), QStringLiteral("900"), 8);
    auto* beruf = Combo(&fenster, QStringLiteral("cmbHandwerkerBeruf"));
    beruf->setCurrentIndex(2);
    Knopf(&fenster, QStringLiteral("cmdHandwerkerSave"))->click();
    Knopf(&fenster, QStringLiteral("cmdHandwerkerWeiter"))->click();
    QCOMPARE(beruf->currentText(), QString());
    beruf->setEditText(QStringLiteral("Glasbläser"));
    Combo(&fenster, QStringLiteral("cmbHandwerkerQualität"))->setCurrentIndex(3);
    Knopf(&fenster, QStringLiteral("cmdHandwerkerSave"))->click();
    const Liste& handwerker = fenster.Stadt().Betriebe[Handwerker];
    QCOMPARE(handwerker.Anzahl(), 2);
    QCOMPARE(handwerker.Slots[0][FeldName], QStringLiteral("Gerber"));
    QCOMPARE(handwerker.Slots[1], (QStringList{QStringLiteral("Glasbläser"), QString(), QStringLiteral("-1"),
                                               QStringLiteral("3"), QString()}));
    Knopf(&fenster, QStringLiteral("cmdHandwerkerZurück"))->click();
    QCOMPARE(beruf->currentText(), QStringLiteral("Gerber"));

    Combo(&fenster, QStringLiteral("cmbTempelGott"))->setEditText(QStringLiteral("Ingerimm"));
    Text(&fenster, QStringLiteral("txtTempelGeweihter"))->setText(QStringLiteral("Meisterin Dalla"));
    Knopf(&fenster, QStringLiteral("cmdTempelSave"))->click();
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Tempel")), QStringLiteral("-WL"));
    QCOMPARE(Goetter(fenster.Stadt()), QStringList{QStringLiteral("Ingerimm")});
    QCOMPARE(fenster.Stadt().Tempel.Slots[0][1], QStringLiteral("Meisterin Dalla"));
}

void TestCityFenster::zufallsknoepfe()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Zufallshausen"), QStringLiteral("80"), 3);
    // Without a people (a loaded city may have none) the name buttons do nothing, draw nothing, say nothing.
    Combo(&fenster, QStringLiteral("cmbRasse"))->setCurrentIndex(-1);
    Zufall::Skript ohne;
    Dialoge::Skript dialoge;
    Knopf(&fenster, QStringLiteral("cmdTaverneBesitzer"))->click();
    Knopf(&fenster, QStringLiteral("cmdBürgermeister"))->click();
    QCOMPARE(Text(&fenster, QStringLiteral("txtTaverneBesitzer"))->text(), QString());
    QVERIFY(ohne.Angefragt().isEmpty());
    QVERIFY(dialoge.aufrufe.isEmpty());

    Combo(&fenster, QStringLiteral("cmbRasse"))->setCurrentIndex(3); // Mohas
    Zufall::Skript wuerfe({1, 1, 1, 4, 2});
    Knopf(&fenster, QStringLiteral("cmdTaverneBesitzer"))->click();
    Knopf(&fenster, QStringLiteral("cmdBürgermeister"))->click();
    Knopf(&fenster, QStringLiteral("cmdTempelGeweihter"))->click();
    Knopf(&fenster, QStringLiteral("cmdTaverneZufall"))->click();
    QCOMPARE(Text(&fenster, QStringLiteral("txtTaverneBesitzer"))->text(), QStringLiteral("Tamu-Ra"));
    QCOMPARE(Text(&fenster, QStringLiteral("txtBürgermeister"))->text(), QStringLiteral("Tamu-Ra"));
    QCOMPARE(Text(&fenster, QStringLiteral("txtTempelGeweihter"))->text(), QStringLiteral("Tamu-Ra"));
    // The event button always yields a line: Z5 is drawn (a 4), then the line.
    QCOMPARE(Text(&fenster, QStringLiteral("txtTaverneZufall"))->text(), QStringLiteral("Es regnet."));
    QCOMPARE(wuerfe.Angefragt(), (QList<int>{1, 1, 1, 5, 2}));
}

void TestCityFenster::speichernUndLaden()
{
    TestInstallation inst(false);
    CityDaten(inst);
    const QString pfad = inst.Pfad(QStringLiteral("WBD/stadt.wbd"));
    Stadt gespeichert;
    {
        frmCityMain fenster;
        NeueStadtAnlegen(fenster, QStringLiteral("Weidenau"), QStringLiteral("1400"), 2);
        Combo(&fenster, QStringLiteral("cmbMarkt"))->setCurrentIndex(3);
        Combo(&fenster, QStringLiteral("cmbReichtum"))->setCurrentIndex(0);
        Text(&fenster, QStringLiteral("txtBürgermeister"))->setText(QStringLiteral("Alvina"));
        Kind<QPlainTextEdit>(&fenster, QStringLiteral("txtHintergrund"))->setPlainText(QStringLiteral("Alt.\nNeu."));
        GasthausEingeben(&fenster, QStringLiteral("Anker"), 2, 4);
        Knopf(&fenster, QStringLiteral("cmdGasthausWeiter"))->click();
        GasthausEingeben(&fenster, QStringLiteral("Möwe"), 1, 0);

        Dialoge::Skript dialoge;
        dialoge.dateien = {pfad};
        Knopf(&fenster, QStringLiteral("cmdSave"))->click();
        QCOMPARE(dialoge.aufrufe[0].art, QStringLiteral("Speichern"));
        QCOMPARE(dialoge.aufrufe[0].ordner, Variablen::WbdPfad);
        QCOMPARE(dialoge.aufrufe[0].filter, QStringLiteral("WBD-Dateien (*.wbd)|*.wbd"));
        QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Die Datei wurde erfolgreich gespeichert.")});
        gespeichert = fenster.Stadt();
        QCOMPARE(inst.Zeilen(QStringLiteral("WBD/stadt.wbd")), Dateizeilen(gespeichert));
        QCOMPARE(gespeichert.Markt, QStringLiteral("8 Tage im Monat"));
        QCOMPARE(gespeichert.Hintergrund, QStringLiteral("Alt.\nNeu."));

        // Cancelling the dialog writes nothing.
        QFile::remove(pfad);
        Knopf(&fenster, QStringLiteral("cmdSave"))->click();
        QVERIFY(!QFile::exists(pfad));
        inst.ZeilenSchreiben(QStringLiteral("WBD/stadt.wbd"), Dateizeilen(gespeichert));
    }
    frmCityMain fenster;
    Dialoge::Skript dialoge;
    dialoge.dateien = {pfad};
    Knopf(&fenster, QStringLiteral("cmdLoad"))->click();
    QCOMPARE(dialoge.aufrufe[0].art, QStringLiteral("Oeffnen"));
    QCOMPARE(dialoge.aufrufe[0].ordner, Variablen::WbdPfad);
    QVERIFY(Kind<QTabWidget>(&fenster, QStringLiteral("CityTab"))->isEnabled());
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdSave"))->isEnabled());
    QCOMPARE(Text(&fenster, QStringLiteral("txtName"))->text(), QStringLiteral("Weidenau"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbRasse"))->currentText(), QStringLiteral("Gareth"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbMarkt"))->currentText(), QStringLiteral("8 Tage im Monat"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbReichtum"))->currentText(), QStringLiteral("Reich"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbKriminalität"))->currentIndex(), -1);
    QCOMPARE(Kind<QPlainTextEdit>(&fenster, QStringLiteral("txtHintergrund"))->toPlainText(), QStringLiteral("Alt.\nNeu."));
    QCOMPARE(Text(&fenster, QStringLiteral("txtGasthausName"))->text(), QStringLiteral("Anker"));
    QCOMPARE(Combo(&fenster, QStringLiteral("cmbGasthausQualität"))->currentIndex(), 4);
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Gasthaus")), QStringLiteral("-WL"));
    QCOMPARE(Knoepfe(&fenster, QStringLiteral("Taverne")), QStringLiteral("---"));
    QCOMPARE(Dateizeilen(fenster.Stadt()), Dateizeilen(gespeichert));
}

void TestCityFenster::ladenVerweigertLaesstFensterUnveraendert()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Bleibt"), QStringLiteral("70"), 1);
    GasthausEingeben(&fenster, QStringLiteral("Anker"), 2, 4);
    const QStringList vorher = Dateizeilen(fenster.Stadt());
    QStringList kaputt = vorher;
    kaputt[3] = QStringLiteral("x");
    inst.ZeilenSchreiben(QStringLiteral("WBD/kaputt.wbd"), kaputt);
    Dialoge::Skript dialoge;
    dialoge.wahl = {Dialoge::Antwort::Verwerfen};
    dialoge.dateien = {inst.Pfad(QStringLiteral("WBD/kaputt.wbd"))};
    Knopf(&fenster, QStringLiteral("cmdLoad"))->click();
    QCOMPARE(dialoge.Texte(), (QStringList{QStringLiteral("Die Änderungen an „Bleibt“ sind nicht gespeichert."),
                                           QStringLiteral("Diese Datei wurde nicht mit Ortsbau 3 erstellt oder sie ist beschädigt.")}));
    QCOMPARE(Text(&fenster, QStringLiteral("txtName"))->text(), QStringLiteral("Bleibt"));
    QCOMPARE(Dateizeilen(fenster.Stadt()), vorher);
    QCOMPARE(fenster.AktuelleStelle(Gasthaus), 0);
}

void TestCityFenster::htmlBerichtUndHilfe()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Bericht"), QStringLiteral("40"), 0);
    GasthausEingeben(&fenster, QStringLiteral("Anker"), 2, 4);
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    dialoge.dateien = {inst.Pfad(QStringLiteral("HTML/bericht.html"))};
    Knopf(&fenster, QStringLiteral("cmdHTML"))->click();
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe[0].ordner, Variablen::HtmlPfad);
    QCOMPARE(dialoge.aufrufe[0].filter, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    const QByteArray erwartet = CityTest::Berichtseite(fenster.Stadt());
    QCOMPARE(inst.Bytes(QStringLiteral("HTML/bericht.html")), erwartet);
    QVERIFY(shell.geoeffnet.isEmpty()); // nothing is shown afterwards

    // Without the page the user is told which file is missing; nothing is handed to the desktop.
    Knopf(&fenster, QStringLiteral("cmdHelp"))->click();
    QVERIFY(shell.geoeffnet.isEmpty());
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("City.htm")));
    inst.Schreiben(QStringLiteral("Hilfe/City.htm"), "<html></html>");
    Knopf(&fenster, QStringLiteral("cmdHelp"))->click();
    QCOMPARE(shell.geoeffnet.size(), 1);
    QVERIFY(shell.geoeffnet[0].endsWith(QStringLiteral("/Hilfe/City.htm")));
}

void TestCityFenster::karteNeueStadtPerKlick()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Klickstadt"), QStringLiteral("300"), 0);
    Combo(&fenster, QStringLiteral("cmbTempelGott"))->setEditText(QStringLiteral("Travia"));
    Knopf(&fenster, QStringLiteral("cmdTempelSave"))->click();
    Dialoge::Skript dialoge;
    dialoge.ja = {true};
    bool vorhanden = true;
    Fenster::ModalHandlerSetzen([&](QDialog& d) {
        auto* karte = qobject_cast<frmCityExplorer*>(&d);
        vorhanden = karte->Vorhanden();
        QTest::mouseClick(Kind<QLabel>(&d, QStringLiteral("picInnen")), Qt::RightButton, Qt::NoModifier, QPoint(12, 7));
        return d.result();
    });
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QVERIFY(!vorhanden);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Wollt ihr eure Stadt wirklich an dieser Stelle platzieren ?")});
    QCOMPARE(inst.Zeilen(QStringLiteral("Data/Explorer/Städteliste.dat")), QStringList{QStringLiteral("Klickstadt")});
    const QString staedte = inst.Pfad(QStringLiteral("Data/Explorer/Städte.dat"));
    QCOMPARE(Subs::IniLesen(staedte, QStringLiteral("Klickstadt"), QStringLiteral("X")), QStringLiteral("180"));
    QCOMPARE(Subs::IniLesen(staedte, QStringLiteral("Klickstadt"), QStringLiteral("Y")), QStringLiteral("105"));
    QCOMPARE(Subs::IniLesen(staedte, QStringLiteral("Klickstadt"), QStringLiteral("Einwohner")), QStringLiteral("300"));
    QVERIFY(fenster.Stadt().StadtAufKarte);

    // The next save carries the flag and the map's coordinates.
    dialoge.dateien = {inst.Pfad(QStringLiteral("WBD/k.wbd"))};
    Knopf(&fenster, QStringLiteral("cmdSave"))->click();
    const QStringList datei = inst.Zeilen(QStringLiteral("WBD/k.wbd"));
    QCOMPARE(datei.mid(datei.size() - 3), (QStringList{QStringLiteral("Wahr"), QStringLiteral("180"), QStringLiteral("105")}));
}

void TestCityFenster::karteVorhandeneStadtFragtZuerst()
{
    TestInstallation inst(false);
    CityDaten(inst);
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), {QStringLiteral("Altburg")});
    frmCityMain fenster;
    NeueStadtAnlegen(fenster, QStringLiteral("Altburg"), QStringLiteral("300"), 0);
    int geoeffnet = 0;
    bool vorhanden = false;
    Fenster::ModalHandlerSetzen([&](QDialog& d) {
        ++geoeffnet;
        vorhanden = qobject_cast<frmCityExplorer*>(&d)->Vorhanden();
        return int(QDialog::Rejected);
    });
    Dialoge::Skript dialoge;
    dialoge.ja = {false, true};
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QCOMPARE(geoeffnet, 0);
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QCOMPARE(geoeffnet, 1);
    QVERIFY(vorhanden);
    QCOMPARE(dialoge.Texte(),
             QStringList(2, QStringLiteral("Eine Stadt dieses Namens existiert bereits, sollen die Koordinaten diser Stadt "
                                           "überschrieben werden ?")));
    QVERIFY(!fenster.Stadt().StadtAufKarte); // closed without a click
}

void TestCityFenster::karteZeigtAnleitungUndStaedte()
{
    TestInstallation inst(false);
    CityDaten(inst);
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), {QStringLiteral("Altwasser")});
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städte.dat"),
                         {QStringLiteral("[Altwasser]"), QStringLiteral("X=1500"), QStringLiteral("Y=3000")});
    Stadt stadt;
    stadt.Name = QStringLiteral("Irgendwo");
    frmCityExplorer karte(stadt, false);
    QVERIFY(Kind<QLabel>(&karte, QStringLiteral("lblHinweis"))->text().contains(QStringLiteral("„Irgendwo“")));
    // The listed city is marked where it stands: 1500 / 15, 3000 / 15.
    const QImage bild = Kind<QLabel>(&karte, QStringLiteral("picInnen"))->pixmap().toImage();
    QCOMPARE(bild.pixelColor(100, 200), QColor(200, 20, 20));
    QVERIFY(karte.minimumSize() != karte.maximumSize());
}

void TestCityFenster::karteScrolltUndNeinBeimKlick()
{
    TestInstallation inst(false);
    CityDaten(inst);
    Stadt stadt;
    stadt.Name = QStringLiteral("Irgendwo");
    frmCityExplorer karte(stadt, false);
    karte.resize(300, 200);
    karte.show();
    QVERIFY(QTest::qWaitForWindowExposed(&karte));
    auto* innen = Kind<QLabel>(&karte, QStringLiteral("picInnen"));
    QCOMPARE(innen->size(), QSize(1024, 768));
    auto* hsc = Kind<QScrollBar>(&karte, QStringLiteral("hscKarte"));
    auto* vsc = Kind<QScrollBar>(&karte, QStringLiteral("vscKarte"));
    QVERIFY(hsc->isVisible());
    QVERIFY(vsc->isVisible());
    QVERIFY(hsc->maximum() > 0);
    hsc->setValue(100);
    QCOMPARE(innen->x(), -100);

    Dialoge::Skript dialoge;
    dialoge.ja = {false};
    QTest::mouseClick(innen, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QVERIFY(karte.isVisible());
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY(!stadt.StadtAufKarte);
    QVERIFY(!QFile::exists(inst.Pfad(QStringLiteral("Data/Explorer/Städteliste.dat"))));
}

void TestCityFenster::karteVerweigertOhneBildUndUnbrauchbareNamen()
{
    TestInstallation inst(false);
    CityDaten(inst);
    inst.ZeilenSchreiben(QStringLiteral("Data/Explorer/Städteliste.dat"), {QStringLiteral("Altburg")});
    frmCityMain fenster;
    int geoeffnet = 0;
    Dialoge::Skript dialoge;
    const auto oeffnenZaehlen = [&](QDialog&) {
        ++geoeffnet;
        return int(QDialog::Rejected);
    };
    // A name the register cannot hold is refused before the map opens, naming the characters.
    NeueStadtAnlegen(fenster, QStringLiteral("Burg [Alt]"), QStringLiteral("300"), 0);
    Fenster::ModalHandlerSetzen(oeffnenZaehlen);
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QCOMPARE(geoeffnet, 0);
    QVERIFY(dialoge.Texte().last().contains(QStringLiteral("„[“, „]“")));

    // Another letter case and blanks name the listed city: the existing-city question comes.
    NeueStadtAnlegen(fenster, QStringLiteral(" altburg "), QStringLiteral("300"), 0);
    Fenster::ModalHandlerSetzen(oeffnenZaehlen);
    dialoge.ja = {true};
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QCOMPARE(geoeffnet, 1);
    QVERIFY(dialoge.Texte().last().startsWith(QStringLiteral("Eine Stadt dieses Namens existiert bereits")));

    // Without the map picture nothing can be placed: the user is told, no window opens.
    QFile::remove(inst.Pfad(QStringLiteral("Data/Explorer/Aventurien.jpg")));
    NeueStadtAnlegen(fenster, QStringLiteral("Neuburg"), QStringLiteral("300"), 0);
    Fenster::ModalHandlerSetzen(oeffnenZaehlen);
    Knopf(&fenster, QStringLiteral("cmdExplorer"))->click();
    QCOMPARE(geoeffnet, 1);
    QCOMPARE(dialoge.Texte().last(), CityEngine::Meldungen::KartenbildFehlt);
    QCOMPARE(inst.Zeilen(QStringLiteral("Data/Explorer/Städteliste.dat")), QStringList{QStringLiteral("Altburg")});
}

void TestCityFenster::generatorSeitenUndPruefungen()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityGenerator wizard;
    auto* weiter = Knopf(&wizard, QStringLiteral("cmdNav(1)"));
    auto* zurueck = Knopf(&wizard, QStringLiteral("cmdNav(0)"));
    auto* info = Kind<QLabel>(&wizard, QStringLiteral("lblInfo"));
    QCOMPARE(wizard.Seite(), 1);
    QVERIFY(info->text().startsWith(QStringLiteral("Der Name der Stadt kann beliebig gewählt werden.")));
    QCOMPARE(zurueck->text(), QStringLiteral("<<< &Zurück"));
    QCOMPARE(weiter->text(), QStringLiteral("&Weiter >>>"));
    QVERIFY(!weiter->isEnabled());
    auto* lage = Combo(&wizard, QStringLiteral("cmbLage"));
    QCOMPARE(lage->currentText(), QStringLiteral("Binnenland"));
    QCOMPARE(lage->count(), 4);
    Text(&wizard, QStringLiteral("Text1"))->setText(QStringLiteral("Prüfdorf"));
    Text(&wizard, QStringLiteral("Text2"))->setText(QStringLiteral("0"));
    QVERIFY(!weiter->isEnabled());
    Text(&wizard, QStringLiteral("Text2"))->setText(QStringLiteral("zwei"));
    QVERIFY(!weiter->isEnabled());
    Text(&wizard, QStringLiteral("Text2"))->setText(QStringLiteral("60"));
    QVERIFY(weiter->isEnabled());
    weiter->click();
    QCOMPARE(wizard.Seite(), 2);
    QVERIFY(info->text().startsWith(QStringLiteral("Je höher die Kriminalität")));
    zurueck->click();
    QCOMPARE(wizard.Seite(), 1);
    QCOMPARE(Text(&wizard, QStringLiteral("Text1"))->text(), QStringLiteral("Prüfdorf"));
    weiter->click();
    weiter->click();
    QCOMPARE(wizard.Seite(), 3);
    QCOMPARE(weiter->text(), QStringLiteral("&Fertigstellen"));
    QVERIFY(info->text().startsWith(QStringLiteral("Die Region / Rasse der Einwohner beeinflusst")));

    Dialoge::Skript dialoge;
    Kind<QCheckBox>(&wizard, QStringLiteral("Check1"))->setChecked(true);
    weiter->click();
    QCOMPARE(wizard.Seite(), 3);
    QCOMPARE(dialoge.Texte(),
             QStringList{QStringLiteral("Ihr müsst eine Region / Rasse angeben, wenn Zufallsnamen berechnet werden sollen.")});
    QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);

    // Cancelling the file dialog leaves the wizard on page 3 and writes nothing.
    Combo(&wizard, QStringLiteral("Combo3"))->setCurrentIndex(3);
    weiter->click();
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Speichern"));
    QCOMPARE(dialoge.aufrufe.last().ordner, Variablen::HtmlPfad);
    QCOMPARE(dialoge.aufrufe.last().filter, QStringLiteral("HTML-Dateien (*.html)|*.html"));
    QCOMPARE(wizard.Seite(), 3);
    QVERIFY(QDir(inst.Pfad(QStringLiteral("HTML"))).isEmpty());
    QCOMPARE(wizard.result(), int(QDialog::Rejected));
}

// Every labelled button of a register page has an Alt letter of its own among the page's and the window's.
void TestCityFenster::altTastenJeSeite()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    Fenster::Kurztasten(&fenster);
    auto* reiter = Kind<QTabWidget>(&fenster, QStringLiteral("CityTab"));
    const auto buchstabe = [](const QAbstractButton* k) {
        const qsizetype und = k->text().indexOf(QLatin1Char('&'));
        return und >= 0 && und + 1 < k->text().size() ? k->text().at(und + 1).toLower() : QChar();
    };
    QString fenstereigene;
    for (QPushButton* k : fenster.findChildren<QPushButton*>())
        if (!reiter->isAncestorOf(k) && !k->text().isEmpty())
            fenstereigene += buchstabe(k);
    for (int seite = 0; seite < reiter->count(); ++seite) {
        QString belegt = fenstereigene;
        int beschriftet = 0;
        for (QPushButton* k : reiter->widget(seite)->findChildren<QPushButton*>()) {
            const QString ohne = QString(k->text()).remove(QLatin1Char('&'));
            if (ohne.isEmpty() || !ohne.at(0).isLetter())
                continue;
            ++beschriftet;
            const QChar c = buchstabe(k);
            QVERIFY2(!c.isNull() && !belegt.contains(c), qPrintable(reiter->tabText(seite) + QLatin1Char(' ') + k->text()));
            belegt += c;
        }
        if (seite >= 1 && seite <= 8)
            QVERIFY2(beschriftet >= 2, qPrintable(reiter->tabText(seite)));
    }
    QVERIFY(Knopf(&fenster, QStringLiteral("cmdTempelDelete"))->text().contains(QLatin1Char('&')));
}

// The wizard's two buttons keep their letters on every page; Alt+W never types into a box.
void TestCityFenster::generatorAltTasten()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityGenerator wizard;
    Fenster::Kurztasten(&wizard);
    wizard.show();
    QApplication::setActiveWindow(&wizard);
    QVERIFY(QTest::qWaitForWindowActive(&wizard));
    auto* name = Text(&wizard, QStringLiteral("Text1"));
    auto* einwohner = Text(&wizard, QStringLiteral("Text2"));
    name->setText(QStringLiteral("Prüfdorf"));
    einwohner->setFocus();
    QTest::keyClick(einwohner, Qt::Key_W, Qt::AltModifier);
    QCOMPARE(einwohner->text(), QString());
    QCOMPARE(wizard.Seite(), 1);
    einwohner->setText(QStringLiteral("60"));
    // A button's Alt key clicks it shortly afterwards, as a mouse click would look.
    QTest::keyClick(einwohner, Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(wizard.Seite(), 2);
    QCOMPARE(einwohner->text(), QStringLiteral("60"));
    QTest::keyClick(&wizard, Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(wizard.Seite(), 3);
    QTest::keyClick(&wizard, Qt::Key_Z, Qt::AltModifier);
    QTRY_COMPARE(wizard.Seite(), 2);
    QTest::keyClick(&wizard, Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(wizard.Seite(), 3);
    Dialoge::Skript dialoge;
    QTest::keyClick(&wizard, Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Speichern"));
}

void TestCityFenster::generatorSchreibtSeiteUndOeffnetSie()
{
    TestInstallation inst(false);
    CityDaten(inst);
    frmCityMain fenster;
    const QString pfad = inst.Pfad(QStringLiteral("HTML/gen.html"));
    int balken = -1;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    dialoge.dateien = {pfad};
    dialoge.ja = {true};
    Fenster::ModalHandlerSetzen([&](QDialog& d) {
        Text(&d, QStringLiteral("Text1"))->setText(QStringLiteral("Wegkreuz"));
        Text(&d, QStringLiteral("Text2"))->setText(QStringLiteral("1800"));
        Combo(&d, QStringLiteral("cmbLage"))->setCurrentText(QStringLiteral("im Gebirge"));
        auto* weiter = Knopf(&d, QStringLiteral("cmdNav(1)"));
        weiter->click();
        Combo(&d, QStringLiteral("Combo1"))->setCurrentText(QStringLiteral("Reich"));
        Combo(&d, QStringLiteral("Combo2"))->setCurrentText(QStringLiteral("Niedrig"));
        weiter->click();
        Combo(&d, QStringLiteral("Combo3"))->setCurrentText(QStringLiteral("Mohas"));
        Kind<QCheckBox>(&d, QStringLiteral("Check1"))->setChecked(true);
        Kind<QCheckBox>(&d, QStringLiteral("Check2"))->setChecked(true);
        Zufall::SaatSetzen(99);
        weiter->click();
        Zufall::ProduktionSetzen();
        balken = Kind<QProgressBar>(&d, QStringLiteral("Bar"))->value();
        return d.result();
    });
    Knopf(&fenster, QStringLiteral("cmdGenerator"))->click();
    QCOMPARE(balken, 11);
    QCOMPARE(dialoge.Texte(),
             QStringList{QStringLiteral("Die Stadt wurde erfolgreich berechnet, wollt ihr euch die Daten nun ansehen ?")});
    QCOMPARE(shell.geoeffnet, QStringList{pfad});

    Generatoreingaben e;
    e.Stadtname = QStringLiteral("Wegkreuz");
    e.Einwohner = 1800;
    e.Reichtum = QStringLiteral("Reich");
    e.Kriminalitaet = QStringLiteral("Niedrig");
    e.Rasse = QStringLiteral("Mohas");
    e.Lage = Stadtlage::Gebirge;
    e.Zufallsnamen = true;
    e.Zufallsereignisse = true;
    const QByteArray erwartet = CityTest::GeneratorSeite(e, 99);
    QCOMPARE(inst.Bytes(QStringLiteral("HTML/gen.html")), erwartet);
    // The generator leaves the city in the main window alone.
    QCOMPARE(fenster.Stadt().Name, QString());
    QVERIFY(!Kind<QTabWidget>(&fenster, QStringLiteral("CityTab"))->isEnabled());
}

QTEST_MAIN(TestCityFenster)
#include "test_city_fenster.moc"
