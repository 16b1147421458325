// A window's save merges what another program saved since the window read the file: the other side's
// added, changed and deleted records are taken over, this side's applied on top, and a record changed on
// both sides is asked about by name. Windows without edits follow such saves, including windows that only
// show another program's file.
#include "Armory3Variablen.h"
#include "Datensatzliste.h"
#include "Dateiwaechter.h"
#include "Dialoge.h"
#include "ExplorerEngine.h"
#include "FensterTestHilfe.h"
#include "TestInstallation.h"
#include "Waffentabelle.h"
#include "frmArmoryMain.h"
#include "frmDatEditorMain.h"
#include "frmExplorerMain.h"
#include "frmWarehouseMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

using namespace FensterTest;
using Waffentabellen::Tabelle;
using Waffentabellen::Waffentabelle;

namespace {

const QString kBeil = QStringLiteral("Bartbeil mit Eschenstiel");
const QString kAxt = QStringLiteral("Doppelblatt-Streitaxt");

// What the other program does to the melee weapons, saving them at once.
enum class Dort { Nichts, Neu, BeilAendern, AxtLoeschen, BeilLoeschen };
// What this window does, then saves.
enum class Hier { Neu, BeilAendern, AxtAendern };

void DortTun(Dort dort)
{
    Waffentabelle andere;
    andere.Art = Tabelle::NWaffen;
    Waffentabellen::TabelleLaden(andere);
    switch (dort) {
    case Dort::Nichts:
        return;
    case Dort::Neu: {
        QStringList felder = andere.Zeilen[0];
        felder[1] = QStringLiteral("Dortige Hacke");
        Waffentabellen::ZeileAnhaengen(andere, felder);
        break;
    }
    case Dort::BeilAendern: {
        QStringList felder = andere.Zeilen[Waffentabellen::ZeileSuchen(andere, kBeil)];
        felder[2] = QStringLiteral("66");
        Waffentabellen::ZeileAendern(andere, Waffentabellen::ZeileSuchen(andere, kBeil), felder);
        break;
    }
    case Dort::AxtLoeschen:
        Waffentabellen::ZeileLoeschen(andere, Waffentabellen::ZeileSuchen(andere, kAxt));
        break;
    case Dort::BeilLoeschen:
        Waffentabellen::ZeileLoeschen(andere, Waffentabellen::ZeileSuchen(andere, kBeil));
        break;
    }
    QVERIFY(Waffentabellen::TabelleSpeichern(andere));
}

void HierTun(frmArmoryMain& w, Hier hier)
{
    auto* liste = Kind<Datensatzliste>(w, QStringLiteral("lvNWaffen"));
    if (hier == Hier::Neu) {
        Klick(w, QStringLiteral("cmdNeu"));
        Kind<QLineEdit>(w, QStringLiteral("txtNWaffe(0)"))->setText(QStringLiteral("Hiesige Hacke"));
    } else {
        const QString name = hier == Hier::BeilAendern ? kBeil : kAxt;
        liste->ZeileWaehlen(Waffentabellen::ZeileSuchen(Armory3Variablen::NWaffen, name));
        Klick(w, QStringLiteral("cmdBearbeiten"));
        Kind<QLineEdit>(w, QStringLiteral("txtNWaffe(1)"))->setText(QStringLiteral("77"));
    }
    Klick(w, QStringLiteral("cmdSave"));
}

// The melee weapons in the file: name, then field 2 ("Bartbeil mit Eschenstiel=77").
QStringList Datei()
{
    Waffentabelle t;
    t.Art = Tabelle::NWaffen;
    Waffentabellen::TabelleLaden(t);
    QStringList namen;
    for (const QStringList& felder : t.Zeilen)
        namen.append(felder.value(1) + QLatin1Char('=') + felder.value(2));
    return namen;
}

// The records of that name as "name=field 2", joined by "|"; "*" stands for any one record of the name.
QString Auszug(const QStringList& namen, const QString& name, bool beliebig)
{
    const QStringList treffer = namen.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('=')));
    return beliebig && treffer.size() == 1 ? QStringLiteral("*") : treffer.join(QLatin1Char('|'));
}

} // namespace

class TestAbgleich : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void speichernFuehrtZusammen_data()
    {
        QTest::addColumn<int>("dort");
        QTest::addColumn<int>("hier");
        QTest::addColumn<int>("antwort"); // the answer to the question, when one comes
        QTest::addColumn<QString>("frage");
        // Each expectation is a name and its records in the file ("" for gone, "*" for one of any value).
        QTest::addColumn<QStringList>("erwartet");
        // Records in the file beyond the shipped ones: nothing else may get lost.
        QTest::addColumn<int>("mehr");
        const QString beideFrage = QStringLiteral("„%1“ wurde inzwischen auch in einem anderen Fenster geändert.").arg(kBeil);
        const QString geloeschtFrage = QStringLiteral("„%1“ wurde inzwischen in einem anderen Fenster gelöscht, hier aber geändert.").arg(kBeil);
        const int keine = -1;
        QTest::newRow("dort neu, hier neu") << int(Dort::Neu) << int(Hier::Neu) << keine << QString()
                                            << QStringList{"Dortige Hacke", "*", "Hiesige Hacke", "*"} << 2;
        QTest::newRow("dort geändert, hier neu") << int(Dort::BeilAendern) << int(Hier::Neu) << keine << QString()
                                                 << QStringList{kBeil, kBeil + "=66", "Hiesige Hacke", "*"} << 1;
        QTest::newRow("dort gelöscht, hier anderes geändert") << int(Dort::AxtLoeschen) << int(Hier::BeilAendern) << keine << QString()
                                                              << QStringList{kAxt, "", kBeil, kBeil + "=77"} << -1;
        QTest::newRow("dort geändert, hier anderes geändert") << int(Dort::BeilAendern) << int(Hier::AxtAendern) << keine << QString()
                                                              << QStringList{kBeil, kBeil + "=66", kAxt, kAxt + "=77"} << 0;
        QTest::newRow("beide geändert, meine") << int(Dort::BeilAendern) << int(Hier::BeilAendern) << int(Dialoge::Antwort::Meine)
                                               << beideFrage << QStringList{kBeil, kBeil + "=77"} << 0;
        QTest::newRow("beide geändert, andere") << int(Dort::BeilAendern) << int(Hier::BeilAendern) << int(Dialoge::Antwort::Andere)
                                                << beideFrage << QStringList{kBeil, kBeil + "=66"} << 0;
        QTest::newRow("beide geändert, beide") << int(Dort::BeilAendern) << int(Hier::BeilAendern) << int(Dialoge::Antwort::Beide)
                                               << beideFrage << QStringList{kBeil, kBeil + "=66", kBeil + " (2)", kBeil + " (2)=77"} << 1;
        QTest::newRow("beide geändert, abbrechen") << int(Dort::BeilAendern) << int(Hier::BeilAendern) << int(Dialoge::Antwort::Abbrechen)
                                                   << beideFrage << QStringList{kBeil, kBeil + "=66"} << 0;
        QTest::newRow("dort gelöscht, hier geändert, meine") << int(Dort::BeilLoeschen) << int(Hier::BeilAendern)
                                                             << int(Dialoge::Antwort::Meine) << geloeschtFrage
                                                             << QStringList{kBeil, kBeil + "=77"} << 0;
        QTest::newRow("dort gelöscht, hier geändert, andere") << int(Dort::BeilLoeschen) << int(Hier::BeilAendern)
                                                              << int(Dialoge::Antwort::Andere) << geloeschtFrage
                                                              << QStringList{kBeil, ""} << -1;
    }

    void speichernFuehrtZusammen()
    {
        QFETCH(int, dort);
        QFETCH(int, hier);
        QFETCH(int, antwort);
        QFETCH(QString, frage);
        QFETCH(QStringList, erwartet);
        QFETCH(int, mehr);
        TestInstallation installation;
        const qsizetype geliefert = Datei().size();
        frmArmoryMain w;
        DortTun(Dort(dort));
        Dialoge::Skript dialoge;
        if (antwort >= 0)
            dialoge.wahl = {Dialoge::Antwort(antwort)};
        HierTun(w, Hier(hier));
        const QStringList fragen = dialoge.Texte();
        if (frage.isEmpty())
            QVERIFY2(fragen.isEmpty(), qPrintable(fragen.join(QLatin1Char('\n'))));
        else
            QVERIFY2(fragen.size() == 1 && fragen.first().startsWith(frage), qPrintable(fragen.join(QLatin1Char('\n'))));
        const QStringList datei = Datei();
        for (qsizetype i = 0; i + 1 < erwartet.size(); i += 2)
            QCOMPARE(Auszug(datei, erwartet[i], erwartet[i + 1] == QLatin1String("*")), erwartet[i + 1]);
        QCOMPARE(datei.size(), geliefert + mehr);
        // The window shows what it saved; after a cancelled merge it keeps its change, and closing asks.
        const bool abgebrochen = Dialoge::Antwort(antwort) == Dialoge::Antwort::Abbrechen;
        QCOMPARE(Armory3Variablen::NWaffen.Ungeschrieben, abgebrochen);
        if (!abgebrochen)
            QCOMPARE(Armory3Variablen::NWaffen.Anzahl(), int(datei.size()));
        QCOMPARE(Kind<Datensatzliste>(w, QStringLiteral("lvNWaffen"))->AngezeigteAnzahl(), Armory3Variablen::NWaffen.Anzahl());
    }

    // Windows without edits follow a file saved elsewhere: the armory's list, the warehouse's view of the
    // armory, the map explorer's cities, a table in the data file editor.
    void sauberesFensterFolgt()
    {
        TestInstallation installation;
        frmArmoryMain waffen;
        frmWarehouseMain lager;
        Kind<QComboBox>(lager, QStringLiteral("cmbKategorien"))->setCurrentText(QStringLiteral("Nahkampfwaffen"));
        frmExplorerMain karte;
        frmDatEditorMain tabellen;
        Kind<QComboBox>(tabellen, QStringLiteral("cmbTool"))->setCurrentText(QStringLiteral("Tageslauf 3"));
        Kind<QComboBox>(tabellen, QStringLiteral("cmbDatei"))->setCurrentText(QStringLiteral("DayEreignisse"));
        auto* liste = Kind<Datensatzliste>(waffen, QStringLiteral("lvNWaffen"));
        liste->ZeileWaehlen(Waffentabellen::ZeileSuchen(Armory3Variablen::NWaffen, kAxt));

        // The first weapon goes: the axe moves up a row and stays the selected one.
        DortTun(Dort::BeilLoeschen);
        DortTun(Dort::Neu);
        QVERIFY(ExplorerEngine::StadtPlatzieren(QStringLiteral("Neuweiler"), QStringLiteral("1500"), QStringLiteral("1500"),
                                                QStringLiteral("300"), {}));
        installation.ZeilenSchreiben(QStringLiteral("Data/Day/DayEreignisse.dat"), {QStringLiteral("Ein Hase kreuzt euren Weg.")});
        for (QWidget* w : std::initializer_list<QWidget*>{&waffen, &lager, &karte, &tabellen})
            w->findChild<Dateiwaechter*>()->Pruefen();

        QCOMPARE(Waffentabellen::ZeileSuchen(Armory3Variablen::NWaffen, kBeil), -1);
        QVERIFY(Waffentabellen::ZeileSuchen(Armory3Variablen::NWaffen, QStringLiteral("Dortige Hacke")) >= 0);
        QCOMPARE(liste->AngezeigteAnzahl(), Armory3Variablen::NWaffen.Anzahl());
        QCOMPARE(liste->Text(liste->GewaehlteZeile(), 0), kAxt);
        auto* waren = Kind<Datensatzliste>(lager, QStringLiteral("lvGegenstände"));
        QVERIFY(waren->ZeileMitName(QStringLiteral("Dortige Hacke")) >= 0);
        QVERIFY(Kind<QComboBox>(karte, QStringLiteral("cmbCitySearch"))->findText(QStringLiteral("Neuweiler")) >= 0);
        QCOMPARE(Kind<QPlainTextEdit>(tabellen, QStringLiteral("txtText"))->toPlainText().trimmed(), QStringLiteral("Ein Hase kreuzt euren Weg."));
    }
};

QTEST_MAIN(TestAbgleich)
#include "test_abgleich.moc"
