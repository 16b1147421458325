#include "Browser.h"
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Namensfeld.h"
#include "QtDialoge.h"
#include "Shell.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "ZifferntastenFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>

// The window side of the shared library.
class TestUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tastenfilterRegeln_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("ziffer") << "12" << 2 << "3" << true;
        QTest::newRow("rueckschritt") << "12" << 2 << "\b" << true;
        QTest::newRow("minus-vorn") << "12" << 0 << "-" << true;
        QTest::newRow("plus-vorn") << "" << 0 << "+" << true;
        QTest::newRow("minus-hinten") << "12" << 2 << "-" << false;
        QTest::newRow("zweites-vorzeichen") << "-12" << 0 << "+" << false;
        QTest::newRow("komma") << "12" << 1 << "," << true;
        QTest::newRow("punkt-vorn") << "12" << 0 << "." << false;
        QTest::newRow("zweites-komma") << "1,2" << 3 << "." << false;
        QTest::newRow("buchstabe") << "12" << 2 << "a" << false;
        QTest::newRow("leerzeichen") << "12" << 2 << " " << false;
        QTest::newRow("fremde-ziffer") << "1" << 1 << "٣" << false;
    }

    void tastenfilterRegeln()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, zeichen);
        QFETCH(bool, erlaubt);
        QCOMPARE(ZifferntastenFilter::Erlaubt(text, cursor, zeichen.front()), erlaubt);
    }

    void tastenfilterAmTextfeld()
    {
        QLineEdit box;
        ZifferntastenFilter::Anbringen(&box);
        QTest::keyClicks(&box, QStringLiteral("-1a2,5.x+"));
        QCOMPARE(box.text(), QStringLiteral("-12,5"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("-12,"));
        // Keys without a character still move the cursor.
        QTest::keyClick(&box, Qt::Key_Home);
        QCOMPARE(box.cursorPosition(), 0);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QStringLiteral("12,"));
        // Pasted text is filtered character by character, as if typed at the cursor.
        QApplication::clipboard()->setText(QStringLiteral("3a.4,5 €"));
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("12,345"));
        // Ctrl+Z undoes the paste, Ctrl+A selects, and what is typed then replaces the selection (a sign included).
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("12,"));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.selectedText(), QStringLiteral("12,"));
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12,"));
        QTest::keyClicks(&box, QStringLiteral("-7"));
        QCOMPARE(box.text(), QStringLiteral("-7"));
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("7"));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box.text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7"));
    }

    void namensfeldRegel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<int>("neuerCursor");
        QTest::newRow("ohne") << "Seil" << 2 << "Seil" << 2;
        QTest::newRow("Umbruch zwischen Wörtern") << "Zwei\nZeilen" << 11 << "Zwei Zeilen" << 11;
        QTest::newRow("CR LF wird ein Blank") << "Zwei\r\nZeilen" << 12 << "Zwei Zeilen" << 11;
        QTest::newRow("Cursor davor") << "Zwei\nZeilen" << 2 << "Zwei Zeilen" << 2;
        QTest::newRow("an den Enden weg") << "\tSeil\n" << 6 << "Seil" << 4;
        QTest::newRow("zwei Tabulatoren") << "a\t\tb" << 4 << "a b" << 3;
        QTest::newRow("Zeilentrenner") << "a\u2028b" << 3 << "a b" << 3;
    }

    void namensfeldRegel()
    {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QTEST(Namensfeld::Einzeilig(text, &cursor), "ergebnis");
        QTEST(cursor, "neuerCursor");
    }

    void namensfeldAmTextfeld()
    {
        QLineEdit box;
        Namensfeld::Anbringen(&box);
        // A copied line brings its line end along: it is dropped; a break inside becomes a blank.
        QApplication::clipboard()->setText(QStringLiteral("Langschwert aus\r\nZwergenstahl\n"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("Langschwert aus Zwergenstahl"));
    }

    void datensatzliste()
    {
        Datensatzliste liste;
        liste.SpaltenSetzen({QStringLiteral("Name"), QStringLiteral("Preis")});
        QCOMPARE(liste.columnCount(), 3);
        QVERIFY(liste.isColumnHidden(2));
        liste.EintragHinzufuegen({QStringLiteral("Beil"), QStringLiteral("30")}, 0);
        liste.EintragHinzufuegen({QStringLiteral("Axt"), QStringLiteral("50")}, 1);
        liste.EintragHinzufuegen({QStringLiteral("Dolch"), QStringLiteral("20")}, 2);

        // No sort arrow before the user sorts; each header click flips the direction, whichever column.
        QVERIFY(!liste.header()->isSortIndicatorShown());
        liste.header()->sectionClicked(0);
        QVERIFY(liste.header()->isSortIndicatorShown());
        QCOMPARE(liste.Anzeigereihenfolge().at(0).at(0), QStringLiteral("Axt"));
        liste.header()->sectionClicked(0);
        QCOMPARE(liste.Anzeigereihenfolge().at(0).at(0), QStringLiteral("Dolch"));
        liste.header()->sectionClicked(1);
        QCOMPARE(liste.Anzeigereihenfolge().at(0).at(1), QStringLiteral("20"));

        // Delete row 1 (the axe): later rows move down, and the selection tells the row.
        delete liste.EintragDerZeile(1);
        liste.NachLoeschenNummerieren(1);
        QCOMPARE(Datensatzliste::Zeilennummer(liste.EintragDerZeile(1)), 1);
        QCOMPARE(liste.EintragDerZeile(1)->text(0), QStringLiteral("Dolch"));
        QCOMPARE(liste.EintragDerZeile(0)->text(0), QStringLiteral("Beil"));
        QCOMPARE(liste.GewaehlteZeile(), -1);
        liste.EintragDerZeile(1)->setSelected(true);
        QCOMPARE(liste.GewaehlteZeile(), 1);

        QSignalSpy entf(&liste, &Datensatzliste::LoeschenGedrueckt);
        QTest::keyClick(&liste, Qt::Key_Delete);
        QCOMPARE(entf.count(), 1);
        liste.clear();
        QTest::keyClick(&liste, Qt::Key_Delete);
        QCOMPARE(entf.count(), 1);
    }

    // Natural order: numbers inside the text by value, umlauts with their base letter, case ignored.
    void natuerlicheReihenfolge_data()
    {
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QStringList>("aufsteigend");
        QTest::newRow("Gewichte") << QStringList{"75 Unzen", "8 Unzen", "100 Unzen", "12 Unzen"}
                                  << QStringList{"8 Unzen", "12 Unzen", "75 Unzen", "100 Unzen"};
        QTest::newRow("LE") << QStringList{"160", "15", "18", "9"} << QStringList{"9", "15", "18", "160"};
        QTest::newRow("Umlaute") << QStringList{"Zange", "Ärmel", "apfel", "Bogen"}
                                 << QStringList{"apfel", "Ärmel", "Bogen", "Zange"};
    }
    void natuerlicheReihenfolge()
    {
        QFETCH(QStringList, texte);
        QFETCH(QStringList, aufsteigend);
        Datensatzliste liste;
        liste.SpaltenSetzen({QStringLiteral("Wert")});
        for (int i = 0; i < texte.size(); ++i)
            liste.EintragHinzufuegen({texte[i]}, i);
        liste.setCurrentItem(liste.topLevelItem(1));
        const auto spalte = [&liste] {
            QStringList aus;
            for (const QStringList& zeile : liste.Anzeigereihenfolge())
                aus.append(zeile.first());
            return aus;
        };
        liste.ErsteRichtung(Qt::DescendingOrder);
        liste.header()->sectionClicked(0);
        QStringList absteigend = aufsteigend;
        std::reverse(absteigend.begin(), absteigend.end());
        QCOMPARE(spalte(), absteigend);
        liste.header()->sectionClicked(0);
        QCOMPARE(spalte(), aufsteigend);
        // The line that was current stays current wherever it moved.
        QCOMPARE(liste.currentItem()->text(0), texte[1]);
    }

    // Buttons with text get the first free letter as their Alt key; given ones and symbols stay.
    void kurztasten()
    {
        QWidget fenster;
        auto* layout = new QVBoxLayout(&fenster);
        QList<QPushButton*> knoepfe;
        for (const char* text : {"&Abbrechen", "Speichern", "Suchen", ">>>", "Sammeln"}) {
            knoepfe.append(new QPushButton(QString::fromUtf8(text)));
            layout->addWidget(knoepfe.last());
        }
        Fenster::Kurztasten(&fenster);
        QStringList texte;
        for (const QPushButton* k : knoepfe)
            texte.append(k->text());
        QCOMPARE(texte, (QStringList{"&Abbrechen", "&Speichern", "S&uchen", ">>>", "Sa&mmeln"}));
    }

    void zeigenMeldetWasNichtGeht()
    {
        TestInstallation inst(false);
        Dialoge::Skript dialoge;
        Shell::Aufzeichnung shell;
        inst.Schreiben(QStringLiteral("Hilfe/Seite.htm"), "<html></html>");
        QVERIFY(Shell::Zeigen(inst.Pfad(QStringLiteral("Hilfe/Seite.htm"))));
        QVERIFY(Shell::Zeigen(QStringLiteral("https://example.org/a")));
        QCOMPARE(shell.geoeffnet.size(), 2);
        QVERIFY(dialoge.aufrufe.isEmpty());
        // A missing file is named and not handed on; a desktop without a program is named with the file or address.
        QVERIFY(!Shell::Zeigen(inst.Pfad(QStringLiteral("Hilfe/Fehlt.htm"))));
        QCOMPARE(shell.geoeffnet.size(), 2);
        shell.erfolg = false;
        QVERIFY(!Shell::Zeigen(inst.Pfad(QStringLiteral("Hilfe/Seite.htm"))));
        QVERIFY(!Shell::Zeigen(QStringLiteral("mailto:a@example.org")));
        const QStringList texte = dialoge.Texte();
        QCOMPARE(texte.size(), 3);
        QVERIFY(texte[0].contains(QStringLiteral("Fehlt.htm")) && texte[0].contains(QStringLiteral("nicht vorhanden")));
        QVERIFY(texte[1].contains(QStringLiteral("Seite.htm")) && texte[1].contains(QStringLiteral("kein Programm")));
        QVERIFY(texte[2].contains(QStringLiteral("mailto:a@example.org")));
        QCOMPARE(dialoge.aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
    }

    void skriptDialoge()
    {
        Variablen::Programmtitel = QStringLiteral("Ortsbau 3");
        Dialoge::Skript dlg;
        dlg.ja << true << false;
        dlg.eingaben << QStringLiteral("Berthold");
        dlg.dateien << QStringLiteral("/tmp/a.wbd");
        Dialoge::Hinweis(QStringLiteral("Gespeichert."));
        QVERIFY(Dialoge::Frage(QStringLiteral("Löschen ?")));
        QVERIFY(!Dialoge::Frage(QStringLiteral("Wirklich ?"), Dialoge::Symbol::Ausrufezeichen));
        QVERIFY(!Dialoge::Frage(QStringLiteral("Unbeantwortet ?")));
        QCOMPARE(Dialoge::Eingabe(QStringLiteral("Name ?")), QStringLiteral("Berthold"));
        QCOMPARE(Dialoge::Eingabe(QStringLiteral("Noch einer ?")), QString());
        QCOMPARE(Dialoge::Aktuell().DateiOeffnen(QStringLiteral("/w"), QStringLiteral("WBD-Dateien (*.wbd)|*.wbd")),
                 QStringLiteral("/tmp/a.wbd"));
        QCOMPARE(dlg.unbeantwortet, 2);
        QCOMPARE(dlg.Texte(), (QStringList{QStringLiteral("Gespeichert."), QStringLiteral("Löschen ?"), QStringLiteral("Wirklich ?"),
                                           QStringLiteral("Unbeantwortet ?")}));
        QCOMPARE(dlg.aufrufe[0].symbol, Dialoge::Symbol::Information);
        QCOMPARE(dlg.aufrufe[0].titel, QStringLiteral("Ortsbau 3"));
        QCOMPARE(dlg.aufrufe[2].symbol, Dialoge::Symbol::Ausrufezeichen);
        QCOMPARE(dlg.aufrufe.last().ordner, QStringLiteral("/w"));
        QCOMPARE(dlg.aufrufe.last().filter, QStringLiteral("WBD-Dateien (*.wbd)|*.wbd"));
    }

    void dateifilter()
    {
        QString endung;
        QCOMPARE(QtDialoge::FilterUmwandeln(QStringLiteral("HTML-Dateien (*.html)|*.html"), &endung),
                 QStringLiteral("HTML-Dateien (*.html)"));
        QCOMPARE(endung, QStringLiteral("html"));
        QCOMPARE(QtDialoge::FilterUmwandeln(QStringLiteral("Ausführbare Dateien (*.exe), (*.com), (*.bat)|*.exe;*.bat;*.com")),
                 QStringLiteral("Ausführbare Dateien (*.exe *.bat *.com)"));
    }

    void bilderUndTitel()
    {
        TestInstallation inst;
        Variablen::Programmtitel = QStringLiteral("Waffkam 3");
        QCOMPARE(Fenster::Titel(QStringLiteral("  -  Der Werkbund3 Waffeneditor")),
                 QStringLiteral("Waffkam 3 v3.00  -  Der Werkbund3 Waffeneditor"));
        QVERIFY(!Fenster::Bild(QStringLiteral("delete.bmp")).isNull());
        QVERIFY(!Fenster::Bild(QStringLiteral("Delete.bmp")).isNull());
        QVERIFY(!Fenster::Bild(QStringLiteral("HelpKlein.bmp")).isNull());
        QVERIFY(Fenster::BildVorhanden(QStringLiteral("Werkbund3.ico")));
        QVERIFY(Fenster::BildVorhanden(QStringLiteral("werkbund3.ico")));
        QVERIFY(Fenster::Bild(QStringLiteral("fehlt.bmp")).isNull());
        QCOMPARE(Fenster::ArrayName(QStringLiteral("txtNWaffe"), 0), QStringLiteral("txtNWaffe(0)"));
    }

    void modalHandler()
    {
        QDialog dialog;
        int gesehen = 0;
        Fenster::ModalHandlerSetzen([&](QDialog& d) {
            ++gesehen;
            return &d == &dialog ? QDialog::Accepted : QDialog::Rejected;
        });
        QCOMPARE(Fenster::ModalAusfuehren(dialog), int(QDialog::Accepted));
        QCOMPARE(gesehen, 1);
        Fenster::ModalHandlerSetzen(nullptr);
    }

    void browserDrucktAlsPdf()
    {
        TestInstallation inst(false);
        inst.Schreiben(QStringLiteral("Temp/Temp.html"), "<html>\r\n<head>\r\n<title>T</title>\r\n</head>\r\n<H1>Gr\xFC\xDF" "e</H1>\r\n<B>Eins</B></BR>\r\nZwei</BR>\r\n");
        Browser browser;
        QSignalSpy geladen(&browser, &Browser::DokumentGeladen);
        browser.Oeffnen(inst.Pfad(QStringLiteral("Temp/Temp.html")));
        QVERIFY(!browser.SeiteGeladen()); // reported only after the call returned
        QVERIFY(geladen.wait(2000));
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Grüße")));
        // "</BR>" breaks the line in the pane as it does in a web browser.
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Eins\nZwei")));
        // Written with CR LF, the heading still is a line of its own, as in a web browser.
        QVERIFY2(browser.toPlainText().startsWith(QStringLiteral("Grüße\nEins\n")), qPrintable(browser.toPlainText()));

        const QString pdf = inst.Pfad(QStringLiteral("Temp/seite.pdf"));
        Dialoge::Skript dlg;
        dlg.drucken = [&](QPrinter& drucker) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
            return true;
        };
        QVERIFY(browser.SeiteDrucken(inst.Pfad(QStringLiteral("Temp/Temp.html"))));
        QVERIFY(QFile(pdf).size() > 500);

        // Cancelling the print dialog prints nothing and is no error.
        QFile::remove(pdf);
        dlg.drucken = nullptr;
        QVERIFY(!browser.SeiteDrucken(inst.Pfad(QStringLiteral("Temp/Temp.html"))));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
