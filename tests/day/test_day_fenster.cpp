// The day tool's windows, driven through their real controls: the start state, the generator's enabling
// rule, a run that shows its page, a missing events file, a page that cannot be written, printing to PDF
// and the help button.
#include "DayBatch.h"
#include "DayEngine.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "FensterTestHilfe.h"
#include "Shell.h"
#include "TestInstallation.h"
#include "Zufall.h"
#include "frmDayGenerator.h"
#include "frmDayMain.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QTextBrowser>
#include <QtTest>

using namespace FensterTest;
namespace {


// Nine rolls of three days (the weather of days 2 and 3 fits a W6 as well, for the spring and autumn chain)
// and three picks from the shipped events.
const QList<int> kWuerfe{15, 3, 4, 1, 6, 6, 2, 1, 2, 40, 12, 3};

// What the generator shows when it opens, and a run with the given terrain and season button.
struct Generatorlauf {
    QString Titel;
    bool IconWieHauptfenster = false;
    bool AnfangsFrei = true;
    int AnfangsIndex = 0;
    QString AnfangsJahreszeit; // the season button checked when it opened
    QStringList Eintraege;
    int Ergebnis = -1;
};

void Bedienen(frmDayMain& hauptfenster, Generatorlauf& lauf, const QString& gelaende, const QString& option)
{
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        lauf.Titel = dialog.objectName() + QLatin1Char(' ') + dialog.windowTitle();
        lauf.IconWieHauptfenster = !dialog.windowIcon().isNull()
            && dialog.windowIcon().pixmap(16).toImage() == hauptfenster.windowIcon().pixmap(16).toImage();
        auto* kombo = Kind<QComboBox>(dialog, QStringLiteral("cmbGelände"));
        lauf.AnfangsFrei = An(dialog, QStringLiteral("cmdTagBerechnen"));
        lauf.AnfangsIndex = kombo->currentIndex();
        for (QRadioButton* knopf : dialog.findChildren<QRadioButton*>())
            if (knopf->isChecked())
                lauf.AnfangsJahreszeit = knopf->objectName();
        for (int i = 0; i < kombo->count(); ++i)
            lauf.Eintraege.append(kombo->itemText(i));
        if (gelaende.isEmpty())
            return int(QDialog::Rejected);
        kombo->setCurrentIndex(kombo->findText(gelaende));
        Kind<QRadioButton>(dialog, option)->click();
        Klick(dialog, QStringLiteral("cmdTagBerechnen"));
        lauf.Ergebnis = dialog.result();
        return dialog.result();
    });
    Klick(hauptfenster, QStringLiteral("cmdNeu"));
}

} // namespace

class TestDayFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void startOhneSeite();
    void generatorFreigabe();
    void laufZeigtDieSeite();
    void fensterUndStapelSchreibenDieselbeSeite();
    void fehlendeEreignisseWerdenEinmalGemeldet();
    void nichtGeschriebeneSeiteLaesstDieAlteStehen();
    void ohneGelaendeWarntDerGenerator();
    void druckenAlsPdf();
    void hilfeOeffnetDieSeite();
    void nichtsIstAbgeschnitten();
};

void TestDayFenster::cleanup()
{
    Fenster::ModalHandlerSetzen(nullptr);
}

void TestDayFenster::startOhneSeite()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmDayMain fenster;
    QCOMPARE(fenster.objectName(), QStringLiteral("frmDayMain"));
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Tageslauf 3 v3.00 - Der Werkbund3 Reiserechner"));
    QVERIFY(!fenster.windowIcon().isNull());
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdNeu"))->text(), QStringLiteral("Neue Tagesabläufe berechnen"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdDrucken"))->text(), QStringLiteral("Drucken"));
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdHelp"))->text(), QStringLiteral("Hilfe"));
    for (const char* name : {"cmdNeu", "cmdDrucken", "cmdHelp"})
        QVERIFY2(!Kind<QAbstractButton>(fenster, QLatin1String(name))->icon().isNull(), name);
    QVERIFY(An(fenster, QStringLiteral("cmdNeu")));
    QVERIFY(!An(fenster, QStringLiteral("cmdDrucken")));
    QVERIFY(An(fenster, QStringLiteral("cmdHelp")));
    QVERIFY(!Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestDayFenster::generatorFreigabe()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmDayMain hauptfenster;
    frmDayGenerator fenster(&hauptfenster);
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Tageslauf 3 - Tag berechnen"));
    QVERIFY(fenster.isModal());
    QCOMPARE(Kind<QGroupBox>(fenster, QStringLiteral("Frame2"))->title(), QStringLiteral("Gelände, in dem sich die Helden bewegen"));
    QCOMPARE(Kind<QGroupBox>(fenster, QStringLiteral("Frame1"))->title(), QStringLiteral("Jahreszeit"));
    const QStringList optionen{"Frühling", "Sommer", "Herbst", "Winter"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(Kind<QRadioButton>(fenster, QStringLiteral("Option%1").arg(i + 1))->text(), optionen[i]);
    QVERIFY(Kind<QRadioButton>(fenster, QStringLiteral("Option1"))->isChecked());
    QCOMPARE(Kind<QAbstractButton>(fenster, QStringLiteral("cmdTagBerechnen"))->text(), QStringLiteral("Tag berechnen lassen !"));
    QCOMPARE(Kind<QLabel>(fenster, QStringLiteral("lblHinweis"))->text(),
             QStringLiteral("Wichtig: Tageslauf erstellt nur Durchschnittswerte ! Dies ist gerade bei den "
                            "Reisegeschwindigkeiten zu beachten."));

    auto* kombo = Kind<QComboBox>(fenster, QStringLiteral("cmbGelände"));
    QCOMPARE(kombo->currentIndex(), -1);
    QVERIFY(!An(fenster, QStringLiteral("cmdTagBerechnen")));
    // Choosing a terrain, by the list or by the keyboard, enables the button.
    kombo->setCurrentIndex(kombo->findText(QStringLiteral("Klippengebiete")));
    QVERIFY(An(fenster, QStringLiteral("cmdTagBerechnen")));
    kombo->setCurrentIndex(-1);
    QVERIFY(!An(fenster, QStringLiteral("cmdTagBerechnen")));
    kombo->setFocus();
    QTest::keyClick(kombo, Qt::Key_Down);
    QCOMPARE(kombo->currentText(), QStringLiteral("Eisgebiete"));
    QVERIFY(An(fenster, QStringLiteral("cmdTagBerechnen")));

    // Enter runs the generation, as the button would.
    QSignalSpy erstellt(&fenster, &frmDayGenerator::SeiteErstellt);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    QTest::keyClick(kombo, Qt::Key_Return);
    QCOMPARE(erstellt.count(), 1);
    QCOMPARE(erstellt.first().first().toString(), installation.Pfad(QStringLiteral("Temp/Temp.html")));
    QCOMPARE(fenster.result(), int(QDialog::Accepted));
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestDayFenster::laufZeigtDieSeite()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe(kWuerfe);
    frmDayMain fenster;
    Generatorlauf lauf;
    Bedienen(fenster, lauf, QStringLiteral("Regenwald"), QStringLiteral("Option4"));
    QCOMPARE(lauf.Titel, QStringLiteral("frmDayGenerator Tageslauf 3 - Tag berechnen"));
    QVERIFY(lauf.IconWieHauptfenster);
    QVERIFY(!lauf.AnfangsFrei);
    QCOMPARE(lauf.AnfangsIndex, -1);
    QCOMPARE(lauf.Eintraege, DayEngine::Gelaendearten());
    // The generator closed itself after the run.
    QCOMPARE(lauf.Ergebnis, int(QDialog::Accepted));
    QVERIFY(dialoge.aufrufe.isEmpty());
    QCOMPARE(wuerfe.Uebrig(), 0);
    QVERIFY(wuerfe.Fehler().isEmpty());

    QVERIFY(Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(An(fenster, QStringLiteral("cmdDrucken")));
    const QByteArray seite = installation.Bytes(QStringLiteral("Temp/Temp.html"));
    QVERIFY(seite.startsWith("<B>Gel\xe4ndeart: </B> Regenwald</BR>\r\n<B>Jahreszeit: </B> Winter</BR>\r\n"));
    QVERIFY(seite.contains(">Schneeschauer<"));
    QVERIFY(seite.contains("<B>Geschwindigkeit beritten (Dschungelpfade): </B> 26</BR>"));
    QCOMPARE(seite.count("<B>Tagesereignis: </B>"), 3);
    const QString gezeigt = Kind<QTextBrowser>(fenster, QStringLiteral("Browser"))->toPlainText();
    QVERIFY(gezeigt.contains(QStringLiteral("Geländeart: Regenwald")));
    QVERIFY(gezeigt.contains(QStringLiteral("Frostklar, sehr kalt")));
    QTRY_VERIFY(fenster.SeiteGeladen());

    // The next day is calculated where the party is: the dialog opens on the last terrain and season.
    Generatorlauf naechster;
    Bedienen(fenster, naechster, QString(), QString());
    QCOMPARE(naechster.Eintraege.value(naechster.AnfangsIndex), QStringLiteral("Regenwald"));
    QCOMPARE(naechster.AnfangsJahreszeit, QStringLiteral("Option4"));
}

void TestDayFenster::fensterUndStapelSchreibenDieselbeSeite()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmDayMain fenster;
    for (const auto& [option, jahreszeit] : {std::pair{"Option2", "Sommer"}, std::pair{"Option3", "Herbst"}}) {
        {
            Zufall::Skript wuerfe(kWuerfe);
            Generatorlauf lauf;
            Bedienen(fenster, lauf, QStringLiteral("Straßen"), QLatin1String(option));
            QCOMPARE(lauf.Ergebnis, int(QDialog::Accepted));
            QVERIFY(wuerfe.Fehler().isEmpty());
        }
        Zufall::Skript wuerfe(kWuerfe);
        const QString ausgabe = installation.Pfad(QStringLiteral("HTML/stapel.html"));
        const DayBatch::Ergebnis e = DayBatch::Ausfuehren(
            {"--generieren", "--gelaende", "Straßen", "--jahreszeit", QString::fromUtf8(jahreszeit), "--ausgabe", ausgabe});
        QCOMPARE(e.Status, 0);
        QCOMPARE(installation.Bytes(QStringLiteral("HTML/stapel.html")), installation.Bytes(QStringLiteral("Temp/Temp.html")));
    }
    QVERIFY(dialoge.aufrufe.isEmpty());
}

void TestDayFenster::fehlendeEreignisseWerdenEinmalGemeldet()
{
    TestInstallation installation;
    QVERIFY(QFile::remove(installation.Pfad(QStringLiteral("Data/Day/DayEreignisse.dat"))));
    QVERIFY(QFile::remove(installation.Pfad(QStringLiteral("Data/Day/Ereignisse/Wald.dat"))));
    Dialoge::Skript dialoge;
    frmDayMain fenster;
    Generatorlauf lauf;
    Bedienen(fenster, lauf, QStringLiteral("Wald"), QStringLiteral("Option1"));
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe.first().text, QStringLiteral("Die Datei DayEreignisse.dat fehlt oder ist leer; der "
                                                          "Tagesablauf enthält keine Tagesereignisse."));
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(dialoge.aufrufe.first().titel, QStringLiteral("Tageslauf 3"));
    // The page is there and whole, only without events.
    QVERIFY(Sichtbar(fenster, QStringLiteral("Browser")));
    QVERIFY(An(fenster, QStringLiteral("cmdDrucken")));
    const QByteArray seite = installation.Bytes(QStringLiteral("Temp/Temp.html"));
    QVERIFY(seite.endsWith("25%.</BR>\r\n</BR>\r\n</BR>\r\n</BR>\r\n"));
    QVERIFY(!seite.contains("Tagesereignis"));
}

void TestDayFenster::nichtGeschriebeneSeiteLaesstDieAlteStehen()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmDayMain fenster;
    Generatorlauf erster;
    Bedienen(fenster, erster, QStringLiteral("Wald"), QStringLiteral("Option1"));
    QVERIFY(dialoge.aufrufe.isEmpty());
    auto* browser = Kind<QTextBrowser>(fenster, QStringLiteral("Browser"));
    const QString vorher = browser->toPlainText();
    QVERIFY(vorher.contains(QStringLiteral("Geländeart: Wald")));

    // A folder now stands where the page goes.
    const QString pfad = installation.Pfad(QStringLiteral("Temp/Temp.html"));
    QVERIFY(QFile::remove(pfad));
    QVERIFY(QDir().mkpath(pfad));
    bool offen = false;
    Fenster::ModalHandlerSetzen([&](QDialog& dialog) {
        auto* kombo = Kind<QComboBox>(dialog, QStringLiteral("cmbGelände"));
        kombo->setCurrentIndex(kombo->findText(QStringLiteral("Gebirge")));
        Klick(dialog, QStringLiteral("cmdTagBerechnen"));
        offen = dialog.result() != QDialog::Accepted;
        return dialog.result();
    });
    Klick(fenster, QStringLiteral("cmdNeu"));
    QVERIFY(offen);
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Der Tagesablauf konnte nicht in die Datei „%1“ geschrieben werden: "
                                                         "„%1“ ist keine gewöhnliche Datei; es wurde nichts geschrieben.")
                                              .arg(QDir::toNativeSeparators(pfad))});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(browser->toPlainText(), vorher);
    QVERIFY(An(fenster, QStringLiteral("cmdDrucken")));
}

void TestDayFenster::ohneGelaendeWarntDerGenerator()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Zufall::Skript wuerfe;
    frmDayGenerator fenster;
    QSignalSpy erstellt(&fenster, &frmDayGenerator::SeiteErstellt);
    fenster.cmdTagBerechnen_Click();
    QCOMPARE(dialoge.Texte(), QStringList{QStringLiteral("Bitte wählt eine Geländeart aus.")});
    QCOMPARE(dialoge.aufrufe.first().symbol, Dialoge::Symbol::Ausrufezeichen);
    QCOMPARE(erstellt.count(), 0);
    QVERIFY(wuerfe.Angefragt().isEmpty());
    QVERIFY(!QFileInfo::exists(installation.Pfad(QStringLiteral("Temp/Temp.html"))));
    QCOMPARE(fenster.result(), int(QDialog::Rejected));
}

void TestDayFenster::druckenAlsPdf()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    const QString pdf = installation.Pfad(QStringLiteral("Temp/tag.pdf"));
    dialoge.drucken = [&pdf](QPrinter& drucker) {
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    };
    frmDayMain fenster;
    Generatorlauf lauf;
    Bedienen(fenster, lauf, QStringLiteral("Eisgebiete"), QStringLiteral("Option4"));
    Klick(fenster, QStringLiteral("cmdDrucken"));
    QCOMPARE(dialoge.aufrufe.size(), 1);
    QCOMPARE(dialoge.aufrufe.last().art, QStringLiteral("Drucken"));
    QFile datei(pdf);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QVERIFY(datei.read(5) == "%PDF-");
    QVERIFY(datei.size() > 1000);
    datei.close();

    // Cancelling the print dialog prints nothing and is no error.
    QVERIFY(QFile::remove(pdf));
    dialoge.drucken = nullptr;
    Klick(fenster, QStringLiteral("cmdDrucken"));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(dialoge.Texte().isEmpty());
}

void TestDayFenster::hilfeOeffnetDieSeite()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    Shell::Aufzeichnung shell;
    frmDayMain fenster;
    Klick(fenster, QStringLiteral("cmdHelp"));
    QCOMPARE(shell.geoeffnet, QStringList{installation.Pfad(QStringLiteral("Hilfe/Day.htm"))});
    QVERIFY(dialoge.aufrufe.isEmpty());
    QVERIFY(installation.Bytes(QStringLiteral("Hilfe/Day.htm")).contains("<title>Tageslauf 3 - Hilfe</title>"));

    // A missing page is named instead of silence.
    QVERIFY(QFile::remove(installation.Pfad(QStringLiteral("Hilfe/Day.htm"))));
    Klick(fenster, QStringLiteral("cmdHelp"));
    QCOMPARE(shell.geoeffnet.size(), 1);
    QCOMPARE(dialoge.Texte().size(), 1);
    QVERIFY(dialoge.Texte().first().contains(QStringLiteral("Day.htm")));
}

void TestDayFenster::nichtsIstAbgeschnitten()
{
    TestInstallation installation;
    Dialoge::Skript dialoge;
    frmDayMain fenster;
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    for (const char* name : {"cmdNeu", "cmdReise", "cmdDrucken", "cmdHelp"}) {
        auto* knopf = Kind<QWidget>(fenster, QLatin1String(name));
        QVERIFY2(knopf->width() >= knopf->sizeHint().width(), name);
        QVERIFY2(fenster.rect().contains(knopf->geometry()), name);
    }
    Generatorlauf lauf;
    Bedienen(fenster, lauf, QStringLiteral("Wüste"), QStringLiteral("Option2"));
    QCoreApplication::processEvents();
    // The pane fills the window below the buttons.
    auto* browser = Kind<QWidget>(fenster, QStringLiteral("Browser"));
    QVERIFY(browser->height() > fenster.height() * 3 / 4);
    QVERIFY(browser->width() > fenster.width() * 9 / 10);
    QVERIFY(browser->y() >= Kind<QWidget>(fenster, QStringLiteral("cmdNeu"))->geometry().bottom());

    frmDayGenerator generator(&fenster);
    generator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&generator));
    for (QWidget* kind : generator.findChildren<QWidget*>()) {
        if (kind->isWindow() || kind->isHidden() || kind->objectName().isEmpty())
            continue;
        QVERIFY2(kind->width() >= kind->minimumSizeHint().width(), qPrintable(kind->objectName()));
        QVERIFY2(kind->height() >= kind->minimumSizeHint().height(), qPrintable(kind->objectName()));
    }
    // The terrain list does not grow with its longest entry.
    QCOMPARE(Kind<QComboBox>(generator, QStringLiteral("cmbGelände"))->sizeAdjustPolicy(),
             QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QTEST_MAIN(TestDayFenster)
#include "test_day_fenster.moc"
