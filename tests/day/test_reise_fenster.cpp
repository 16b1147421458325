// The journey dialog's wiring: it opens from the main window, asks for miles a day only where the terrain
// has no speed, refuses what the engine refuses without closing, takes heroes from a chosen file, and writes
// the very page batch mode writes for the seed the page names.
#include "Aufstellung.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "ReiseBatch.h"
#include "TestInstallation.h"
#include "Zufall.h"
#include "frmDayMain.h"
#include "frmReisePlanen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextBrowser>
#include <QtTest>

using namespace FensterTest;

namespace {

void Waehlen(QWidget& fenster, const QString& name, const QString& text)
{
    auto* box = Kind<QComboBox>(fenster, name);
    box->setCurrentIndex(box->findText(text));
}

BattleEngine::Kaempfer Held(const QString& name)
{
    return {name, 14, 14, 12, 1, QStringLiteral("W6"), 4, 3, 35};
}

} // namespace

class TestReiseFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Fenster::ModalHandlerSetzen(nullptr); }
    void planenWieImStapelbetrieb();
    void heldenAusDerAufstellung();
    void nichtsIstAbgeschnitten();
};

void TestReiseFenster::planenWieImStapelbetrieb()
{
    TestInstallation inst;
    Dialoge::Skript dialoge;
    frmDayMain fenster;
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdReise"))->text(), QStringLiteral("Reise planen…"));
    QStringList befunde;
    int ergebnis = -1;
    Fenster::ModalHandlerSetzen([&](QDialog& d) {
        Waehlen(d, QStringLiteral("cmbVon"), QStringLiteral("Möwenhafen"));
        Waehlen(d, QStringLiteral("cmbNach"), QStringLiteral("Eichenbrück"));
        Waehlen(d, QStringLiteral("cmbUeber"), QStringLiteral("Schieferhöh"));
        Klick(d, QStringLiteral("cmdUeberHinzu"));
        Waehlen(d, QStringLiteral("cmbGelände(0)"), QStringLiteral("Straßen"));
        Waehlen(d, QStringLiteral("cmbUnterart(0)"), QStringLiteral("Karrenweg"));
        Waehlen(d, QStringLiteral("cmbGelände(1)"), QStringLiteral("Sumpf"));
        auto* tempo0 = Kind<QSpinBox>(d, QStringLiteral("txtMeilenProTag(0)"));
        auto* tempo1 = Kind<QSpinBox>(d, QStringLiteral("txtMeilenProTag(1)"));
        // The road shows its speed; the swamp asks for one.
        befunde << QStringLiteral("Straße %1 %2").arg(tempo0->isEnabled()).arg(tempo0->value())
                << QStringLiteral("Sumpf %1").arg(tempo1->isEnabled());
        // Cliffs on foot show their speed; mounted they have none, and the speed shown is no answer.
        Waehlen(d, QStringLiteral("cmbGelände(0)"), QStringLiteral("Klippengebiete"));
        befunde << QStringLiteral("Klippen %1 %2").arg(tempo0->isEnabled()).arg(tempo0->value());
        Kind<QRadioButton>(d, QStringLiteral("optBeritten"))->click();
        befunde << QStringLiteral("beritten %1 %2").arg(tempo0->isEnabled()).arg(tempo0->value());
        Kind<QRadioButton>(d, QStringLiteral("optZuFuss"))->click();
        Waehlen(d, QStringLiteral("cmbGelände(0)"), QStringLiteral("Straßen"));
        Waehlen(d, QStringLiteral("cmbUnterart(0)"), QStringLiteral("Karrenweg"));
        Klick(d, QStringLiteral("cmdReiseBerechnen"));
        befunde << QStringLiteral("offen %1").arg(d.result() != QDialog::Accepted);
        tempo1->setValue(8);
        Kind<QRadioButton>(d, QStringLiteral("Option3"))->click();
        Klick(d, QStringLiteral("cmdReiseBerechnen"));
        ergebnis = d.result();
        return ergebnis;
    });
    Klick(fenster, QStringLiteral("cmdReise"));
    QCOMPARE(befunde, (QStringList{"Straße 0 24", "Sumpf 1", "Klippen 0 40", "beritten 1 0", "offen 1"}));
    QCOMPARE(ergebnis, int(QDialog::Accepted));
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QVERIFY(dialoge.aufrufe.first().text.startsWith(
        QStringLiteral("Für die Etappe 2 (Schieferhöh – Eichenbrück, Sumpf) kennt Tageslauf keine Geschwindigkeit zu Fuß")));

    QVERIFY(Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(An(fenster, QStringLiteral("cmdDrucken")));
    QTRY_VERIFY(fenster.SeiteGeladen());
    QVERIFY(Kind<QTextBrowser>(fenster, QStringLiteral("Browser"))->toPlainText().contains(
        QStringLiteral("Reise von Möwenhafen nach Eichenbrück")));
    const QByteArray seite = inst.Bytes(QStringLiteral("Temp/Temp.html"));
    const QRegularExpressionMatch saat = QRegularExpression(QStringLiteral("<B>Seed: </B> ([0-9]+)</BR>")).match(QString::fromLatin1(seite));
    QVERIFY(saat.hasMatch());

    Zufall::SaatSetzen(saat.captured(1).toULongLong());
    const Batch::Ergebnis e = ReiseBatch::Ausfuehren(
        {"--reise", "--von", "Möwenhafen", "--ueber", "Schieferhöh", "--nach", "Eichenbrück", "--gelaende",
         "Straßen:Karrenweg", "--gelaende", "Sumpf", "--meilen-pro-tag", "8", "--jahreszeit", "Herbst", "--reisende", "4", "--reittiere", "4",
         "--ausgabe", inst.Pfad(QStringLiteral("HTML/stapel.html"))});
    Zufall::ProduktionSetzen();
    QCOMPARE(e.Status, 0);
    QVERIFY(inst.Bytes(QStringLiteral("HTML/stapel.html")) == seite);
}

void TestReiseFenster::heldenAusDerAufstellung()
{
    TestInstallation inst;
    Dialoge::Skript dialoge;
    BattleEngine::Kampfstand stand;
    stand.Helden = {Held(QStringLiteral("Alrik")), Held(QStringLiteral("Gunja"))};
    QVERIFY(Aufstellung::Speichern(stand, inst.Pfad(QStringLiteral("WBD/helden.dat"))));
    BattleEngine::Kampfstand ohne;
    ohne.Gegner = {Held(QStringLiteral("Wolf"))};
    QVERIFY(Aufstellung::Speichern(ohne, inst.Pfad(QStringLiteral("WBD/gegner.dat"))));
    dialoge.dateien = {inst.Pfad(QStringLiteral("WBD/gegner.dat")), inst.Pfad(QStringLiteral("WBD/helden.dat"))};

    frmDayMain hauptfenster;
    frmReisePlanen d(&hauptfenster);
    // Bestiar3 has fought nothing yet in this installation.
    QVERIFY(!An(d, QStringLiteral("optLetzteAufstellung")));
    QVERIFY(Kind<QRadioButton>(d, QStringLiteral("optOhneHelden"))->isChecked());
    Kind<QRadioButton>(d, QStringLiteral("optMeilen"))->click();
    QVERIFY(!An(d, QStringLiteral("cmbVon")));
    Kind<QLineEdit>(d, QStringLiteral("txtMeilen"))->setText(QStringLiteral("1.200"));
    Waehlen(d, QStringLiteral("cmbGelände(0)"), QStringLiteral("Wald"));
    QSignalSpy erstellt(&d, &frmReisePlanen::SeiteErstellt);

    Klick(d, QStringLiteral("cmdAufstellung"));
    QVERIFY(Kind<QRadioButton>(d, QStringLiteral("optAufstellung"))->isChecked());
    Klick(d, QStringLiteral("cmdReiseBerechnen"));
    QCOMPARE(erstellt.count(), 0);
    QVERIFY(dialoge.Texte().last().endsWith(QStringLiteral("gegner.dat“ hat keine Helden („Held“-Zeilen).")));

    Klick(d, QStringLiteral("cmdAufstellung"));
    QString fehler;
    const std::optional<Reise::Plan> plan = d.PlanLesen(&fehler);
    QVERIFY2(plan, qPrintable(fehler));
    QCOMPARE(plan->Meilen, 1200);
    QCOMPARE(plan->Helden.size(), 2);
    QCOMPARE(plan->Helden[1].Name, QStringLiteral("Gunja"));
    QCOMPARE(plan->Etappen.first().Unterart, QStringLiteral("Waldwege und -pfade"));

    // Once Bestiar3 has kept a line-up, the dialog offers it.
    QVERIFY(Aufstellung::Speichern(stand, Aufstellung::LetztePfad()));
    frmReisePlanen spaeter(&hauptfenster);
    QVERIFY(An(spaeter, QStringLiteral("optLetzteAufstellung")));
}

void TestReiseFenster::nichtsIstAbgeschnitten()
{
    TestInstallation inst;
    Dialoge::Skript dialoge;
    frmDayMain hauptfenster;
    frmReisePlanen d(&hauptfenster);
    Waehlen(d, QStringLiteral("cmbVon"), QStringLiteral("Möwenhafen"));
    Waehlen(d, QStringLiteral("cmbNach"), QStringLiteral("Dünenrast"));
    Waehlen(d, QStringLiteral("cmbGelände(0)"), QStringLiteral("Wald"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    for (QWidget* kind : d.findChildren<QWidget*>()) {
        // Our controls; a spin box's inner line edit is Qt's own business.
        if (kind->isWindow() || kind->isHidden() || kind->objectName().isEmpty()
            || kind->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(kind->width() >= kind->minimumSizeHint().width(), qPrintable(kind->objectName()));
        QVERIFY2(kind->height() >= kind->minimumSizeHint().height(), qPrintable(kind->objectName()));
    }
}

QTEST_MAIN(TestReiseFenster)
#include "test_reise_fenster.moc"
