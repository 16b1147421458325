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
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>

namespace {

// A table as a window keeps it, and the list over it.
struct Tafel {
    QList<QStringList> zeilen;
    Datensatzliste liste;
    explicit Tafel(const QStringList& spalten)
    {
        liste.SpaltenSetzen(spalten);
        liste.Quelle([this] { return int(zeilen.size()); }, [this](int z, int s) { return zeilen[z].value(s); });
    }
    void Anhaengen(const QStringList& zeile)
    {
        zeilen.append(zeile);
        liste.Hinzugefuegt(int(zeilen.size()) - 1);
    }
    // A column's texts in the shown order.
    QStringList Spalte(int s) const
    {
        QStringList aus;
        for (const int z : liste.Anzeigereihenfolge())
            aus.append(zeilen[z].value(s));
        return aus;
    }
};

} // namespace

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
        Tafel t({QStringLiteral("Name"), QStringLiteral("Preis")});
        QCOMPARE(t.liste.SichtbareSpalten(), 2);
        t.Anhaengen({QStringLiteral("Beil"), QStringLiteral("30")});
        t.Anhaengen({QStringLiteral("Axt"), QStringLiteral("50")});
        t.Anhaengen({QStringLiteral("Dolch"), QStringLiteral("20")});
        QCOMPARE(t.liste.Ansicht()->model()->rowCount(), 3);

        // No sort arrow before the user sorts; each header click flips the direction, whichever column.
        QHeaderView* kopf = t.liste.Kopf();
        QVERIFY(!kopf->isSortIndicatorShown());
        kopf->sectionClicked(0);
        QVERIFY(kopf->isSortIndicatorShown());
        QCOMPARE(t.liste.Anzeigetexte().at(0).at(0), QStringLiteral("Axt"));
        kopf->sectionClicked(0);
        QCOMPARE(t.liste.Anzeigetexte().at(0).at(0), QStringLiteral("Dolch"));
        kopf->sectionClicked(1);
        QCOMPARE(t.liste.Anzeigetexte().at(0).at(1), QStringLiteral("20"));

        // Delete row 1 (the axe): the later rows move down, the list follows the table's rows.
        t.zeilen.removeAt(1);
        t.liste.Entfernt(1);
        QCOMPARE(t.liste.Anzahl(), 2);
        QCOMPARE(t.liste.Text(1, 0), QStringLiteral("Dolch"));
        QCOMPARE(t.liste.Text(0, 0), QStringLiteral("Beil"));
        QCOMPARE(t.liste.Anzeigereihenfolge(), (QList<int>{1, 0}));
        QCOMPARE(t.liste.GewaehlteZeile(), -1);
        t.liste.ZeileWaehlen(1);
        QCOMPARE(t.liste.GewaehlteZeile(), 1);
        QCOMPARE(t.liste.Ansicht()->currentIndex().row(), 0);
        // A changed record moves to its place in the order; the chosen one stays chosen.
        t.zeilen[0][1] = QStringLiteral("5");
        t.liste.Geaendert(0);
        QCOMPARE(t.liste.Anzeigereihenfolge(), (QList<int>{0, 1}));
        QCOMPARE(t.liste.GewaehlteZeile(), 1);
        QCOMPARE(t.liste.Ansicht()->currentIndex().row(), 1);
        // A record the window forgot to tell about is caught at the next change: the lines are built anew.
        t.zeilen.append({QStringLiteral("Hammer"), QStringLiteral("40")});
        t.zeilen.append({QStringLiteral("Zange"), QStringLiteral("10")});
        t.liste.Hinzugefuegt(3);
        QCOMPARE(t.liste.Anzeigereihenfolge(), (QList<int>{0, 3, 1, 2}));
        QCOMPARE(t.liste.Ansicht()->currentIndex().row(), 2);

        QSignalSpy entf(&t.liste, &Datensatzliste::LoeschenGedrueckt);
        QTest::keyClick(t.liste.Ansicht(), Qt::Key_Delete);
        QCOMPARE(entf.count(), 1);
        t.zeilen.clear();
        t.liste.Neu();
        QTest::keyClick(t.liste.Ansicht(), Qt::Key_Delete);
        QCOMPARE(entf.count(), 1);
    }

    // Lines are made when they are shown: a list of ten thousand records asks for a screenful of texts.
    void datensatzlisteLiestNurGezeigteZeilen()
    {
        Tafel t({QStringLiteral("Name"), QStringLiteral("Preis")});
        for (int i = 0; i < 10000; ++i)
            t.zeilen.append({QStringLiteral("Ware %1").arg(i), QStringLiteral("%1S").arg(i % 90)});
        int gefragt = 0;
        t.liste.Quelle([&t] { return int(t.zeilen.size()); },
                       [&t, &gefragt](int z, int s) {
                           ++gefragt;
                           return t.zeilen[z].value(s);
                       });
        t.liste.resize(300, 400);
        t.liste.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.liste));
        QCoreApplication::processEvents();
        QVERIFY2(gefragt > 0 && gefragt < 400, qPrintable(QString::number(gefragt)));
        t.liste.FilterSetzen(QStringLiteral("9999"));
        QCOMPARE(t.liste.Zaehlertext(), QStringLiteral("1 von 10.000"));
    }

    // A window that reloads its table finds the chosen record and the top line again by name.
    void datensatzlisteLage()
    {
        Tafel t({QStringLiteral("Name")});
        for (int i = 0; i < 200; ++i)
            t.zeilen.append({QStringLiteral("Eintrag %1").arg(i)});
        t.liste.Neu();
        t.liste.resize(300, 300);
        t.liste.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.liste));
        t.liste.ZeileWaehlen(120);
        t.liste.Ansicht()->scrollTo(t.liste.Ansicht()->model()->index(110, 0), QAbstractItemView::PositionAtTop);
        const Datensatzliste::Lage lage = t.liste.LageMerken();
        QCOMPARE(lage.Zeile, 120);
        QCOMPARE(lage.Name, QStringLiteral("Eintrag 120"));
        QCOMPARE(lage.ObersterName, QStringLiteral("Eintrag 110"));
        // Another program put two records in front and took "Eintrag 115" away.
        t.zeilen.removeAt(115);
        t.zeilen.prepend({QStringLiteral("Neu B")});
        t.zeilen.prepend({QStringLiteral("Neu A")});
        t.liste.Neu();
        QSignalSpy gemeldet(&t.liste, &Datensatzliste::AuswahlGeaendert);
        t.liste.LageWiederherstellen(lage);
        QCOMPARE(t.liste.GewaehlteZeile(), 121);
        QCOMPARE(gemeldet.count(), 0);
        QCOMPARE(t.liste.Text(t.liste.ZeileAn(t.liste.Ansicht()->indexAt(QPoint(1, 1)).row()), 0), QStringLiteral("Eintrag 110"));
        // A record gone for good: the one now at its row is chosen.
        const Datensatzliste::Lage weg{115, QStringLiteral("Eintrag 115"), -1, QString()};
        t.liste.LageWiederherstellen(weg, true);
        QCOMPARE(t.liste.GewaehlteZeile(), 115);
        QCOMPARE(gemeldet.count(), 1);
    }

    // Natural order: numbers by value (a decimal comma too), umlauts with their base letter, case ignored;
    // prices by their value across currencies.
    void natuerlicheReihenfolge_data()
    {
        QTest::addColumn<bool>("preis");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QStringList>("aufsteigend");
        QTest::newRow("Gewichte") << false << QStringList{"75 Unzen", "8 Unzen", "100 Unzen", "12 Unzen"}
                                  << QStringList{"8 Unzen", "12 Unzen", "75 Unzen", "100 Unzen"};
        QTest::newRow("LE") << false << QStringList{"160", "15", "18", "9"} << QStringList{"9", "15", "18", "160"};
        QTest::newRow("Umlaute") << false << QStringList{"Zange", "Ärmel", "apfel", "Bogen"}
                                 << QStringList{"apfel", "Ärmel", "Bogen", "Zange"};
        QTest::newRow("Dezimalkomma") << false << QStringList{"1,5 Unzen", "12 Unzen", "1 Unzen", "1,25 Unzen"}
                                      << QStringList{"1 Unzen", "1,25 Unzen", "1,5 Unzen", "12 Unzen"};
        QTest::newRow("Vorzeichen und Leeres") << false << QStringList{"3", "-5", "", "0,5"}
                                               << QStringList{"", "-5", "0,5", "3"};
        QTest::newRow("Zahlen vor Text") << false << QStringList{"Biss   1W6+10", "2W6", "Biss   1W6+2", "1W20+1"}
                                         << QStringList{"1W20+1", "2W6", "Biss   1W6+2", "Biss   1W6+10"};
        QTest::newRow("Preise mit Buchstaben") << true << QStringList{"1D", "1,5D", "5S", "12H", "3P", "2D"}
                                               << QStringList{"3P", "12H", "5S", "1D", "1,5D", "2D"};
        QTest::newRow("Preise mit Namen") << true << QStringList{"6 Dukaten", "5 Silbertaler", "5 Dukaten", "40 Heller"}
                                          << QStringList{"40 Heller", "5 Silbertaler", "5 Dukaten", "6 Dukaten"};
        QTest::newRow("Preis ohne Wert nach den Werten") << true << QStringList{"auf Anfrage", "2S", ""}
                                                         << QStringList{"", "2S", "auf Anfrage"};
    }
    void natuerlicheReihenfolge()
    {
        QFETCH(bool, preis);
        QFETCH(QStringList, texte);
        QFETCH(QStringList, aufsteigend);
        Tafel t({QStringLiteral("Wert")});
        if (preis)
            t.liste.Preisspalte(0);
        for (const QString& text : texte)
            t.Anhaengen({text});
        t.liste.ZeileWaehlen(1);
        t.liste.ErsteRichtung(Qt::DescendingOrder);
        t.liste.Kopf()->sectionClicked(0);
        QStringList absteigend = aufsteigend;
        std::reverse(absteigend.begin(), absteigend.end());
        QCOMPARE(t.Spalte(0), absteigend);
        t.liste.Kopf()->sectionClicked(0);
        QCOMPARE(t.Spalte(0), aufsteigend);
        // The line that was current stays current wherever it moved.
        QCOMPARE(t.liste.GewaehlteZeile(), 1);
        QCOMPARE(t.liste.Ansicht()->currentIndex().row(), aufsteigend.indexOf(texte[1]));
        // A record added later goes to its place in the order.
        t.Anhaengen({aufsteigend.first()});
        QCOMPARE(t.liste.PositionVon(int(texte.size())), 1);
    }

    // The filter: every typed word somewhere in the line, without regard to case or umlaut spelling; the
    // chosen record stays chosen while its line is hidden, and Escape brings all lines back.
    void filtern_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("zaehler");
        QTest::newRow("leer") << "" << QStringList{"Zwergenaxt", "Langschwert", "Kurzschwert", "Bärentöter",
                                                   "Straßenmesser", "Kraemerdolch"} << "";
        QTest::newRow("ein Wort") << "schwert" << QStringList{"Langschwert", "Kurzschwert"} << "2 von 6";
        QTest::newRow("Groß und klein") << "SCHWERT" << QStringList{"Langschwert", "Kurzschwert"} << "2 von 6";
        QTest::newRow("Wörter in zwei Spalten") << "kurz silber" << QStringList{"Kurzschwert"} << "1 von 6";
        QTest::newRow("alle Wörter nötig") << "lang silber" << QStringList{} << "0 von 6";
        QTest::newRow("ae findet ä") << "baeren" << QStringList{"Bärentöter"} << "1 von 6";
        QTest::newRow("ä findet ae") << "Krämer" << QStringList{"Kraemerdolch"} << "1 von 6";
        QTest::newRow("ss findet ß") << "strasse" << QStringList{"Straßenmesser"} << "1 von 6";
        QTest::newRow("Umlaut in der Kategorie") << "ÄXTE" << QStringList{"Zwergenaxt"} << "1 von 6";
        QTest::newRow("Zahl im Preis") << "150" << QStringList{"Langschwert"} << "1 von 6";
        QTest::newRow("Blanks um die Wörter") << "  schwert \t lang " << QStringList{"Langschwert"} << "1 von 6";
    }
    void filtern()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, namen);
        QFETCH(QString, zaehler);
        Tafel t({QStringLiteral("Name"), QStringLiteral("Typ"), QStringLiteral("Preis")});
        t.Anhaengen({QStringLiteral("Zwergenaxt"), QStringLiteral("Äxte und Beile"), QStringLiteral("12 Dukaten")});
        t.Anhaengen({QStringLiteral("Langschwert"), QStringLiteral("Schwerter"), QStringLiteral("150 Dukaten")});
        t.Anhaengen({QStringLiteral("Kurzschwert"), QStringLiteral("Schwerter"), QStringLiteral("80 Silbertaler")});
        t.Anhaengen({QStringLiteral("Bärentöter"), QStringLiteral("Stumpfe Hiebwaffen"), QStringLiteral("3 Dukaten")});
        t.Anhaengen({QStringLiteral("Straßenmesser"), QStringLiteral("Messer"), QStringLiteral("5 Heller")});
        t.Anhaengen({QStringLiteral("Kraemerdolch"), QStringLiteral("Messer"), QStringLiteral("2 Silbertaler")});
        t.liste.show();
        t.liste.ZeileWaehlen(1);
        QSignalSpy gemeldet(&t.liste, &Datensatzliste::AuswahlGeaendert);

        // Typed key by key, so every step narrows the lines down; QTest types ASCII only.
        for (const QChar c : filter) {
            if (c.unicode() < 128)
                QTest::keyClick(t.liste.Filterfeld(), c.toLatin1());
            else
                t.liste.Filterfeld()->insert(QString(c));
        }
        QCOMPARE(t.Spalte(0), namen);
        QCOMPARE(t.liste.Zaehlertext(), zaehler);
        QCOMPARE(t.liste.AngezeigteAnzahl(), int(namen.size()));
        // The captions stay when no line is left.
        QCOMPARE(t.liste.Ansicht()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Preis"));
        // The chosen record (the long sword) stays the one acted on, shown or not.
        QCOMPARE(t.liste.GewaehlteZeile(), 1);
        QCOMPARE(gemeldet.count(), 0);
        const bool gezeigt = namen.contains(QStringLiteral("Langschwert"));
        QCOMPARE(t.liste.Ansicht()->currentIndex().isValid(), gezeigt);
        QCOMPARE(t.liste.Ansicht()->selectionModel()->hasSelection(), gezeigt);

        QTest::keyClick(t.liste.Filterfeld(), Qt::Key_Escape);
        QVERIFY(t.liste.Filtertext().isEmpty());
        QCOMPARE(t.liste.AngezeigteAnzahl(), 6);
        QCOMPARE(t.liste.Ansicht()->currentIndex().row(), 1);
        QCOMPARE(t.liste.GewaehlteZeile(), 1);
    }

    // Ctrl+F goes to the filter of the shown list that holds the focus, else of the first shown one.
    void suchtaste()
    {
        QWidget fenster;
        auto* layout = new QVBoxLayout(&fenster);
        Tafel a({QStringLiteral("Name")});
        Tafel b({QStringLiteral("Name")});
        auto* feld = new QLineEdit;
        layout->addWidget(&a.liste);
        layout->addWidget(&b.liste);
        layout->addWidget(feld);
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        feld->setFocus();
        QTest::keySequence(&fenster, QKeySequence(QKeySequence::Find));
        QCOMPARE(QApplication::focusWidget(), a.liste.Filterfeld());
        b.liste.Ansicht()->setFocus();
        QTest::keySequence(&fenster, QKeySequence(QKeySequence::Find));
        QCOMPARE(QApplication::focusWidget(), b.liste.Filterfeld());
        layout->removeWidget(&a.liste);
        layout->removeWidget(&b.liste);
        a.liste.setParent(nullptr);
        b.liste.setParent(nullptr);
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

        // Per tab page: the pages may share letters, but not the window's own ("Speichern" keeps its S).
        auto* reiter = new QTabWidget;
        layout->addWidget(reiter);
        QList<QPushButton*> seite[2];
        for (int i = 0; i < 2; ++i) {
            auto* blatt = new QWidget;
            auto* spalte = new QVBoxLayout(blatt);
            for (const char* text : {"Zufällig generieren", "Zufällig generieren", "Löschen"}) {
                seite[i].append(new QPushButton(QString::fromUtf8(text)));
                spalte->addWidget(seite[i].last());
            }
            reiter->addTab(blatt, QStringLiteral("Seite"));
        }
        for (QPushButton* k : knoepfe)
            k->setText(QString(k->text()).remove(QLatin1Char('&')));
        knoepfe[0]->setText(QStringLiteral("&Abbrechen"));
        Fenster::Kurztasten(&fenster);
        for (int i = 0; i < 2; ++i) {
            QStringList blatt;
            for (const QPushButton* k : seite[i])
                blatt.append(k->text());
            QCOMPARE(blatt, (QStringList{"&Zufällig generieren", "Zu&fällig generieren", "&Löschen"}));
        }
        QCOMPARE(knoepfe[1]->text(), QStringLiteral("&Speichern"));
        QCOMPARE(knoepfe[2]->text(), QStringLiteral("S&uchen"));

        // An Alt key no button takes types nothing into a box; plain letters still type.
        auto* box = new QLineEdit;
        layout->addWidget(box);
        QTest::keyClick(box, Qt::Key_W, Qt::AltModifier);
        QTest::keyClick(box, Qt::Key_W);
        QCOMPARE(box->text(), QStringLiteral("w"));
    }

    // A key's button names the action, also where the button has its text instead of a tooltip.
    void tastentipp()
    {
        QWidget fenster;
        auto* mitText = new QPushButton(QStringLiteral("Neue Tagesabläufe berechnen"), &fenster);
        auto* mitTipp = new QPushButton(QStringLiteral("&Ende"), &fenster);
        mitTipp->setToolTip(QStringLiteral("Beenden"));
        Fenster::Taste(&fenster, QKeySequence::New, {mitText});
        Fenster::BeendenTaste(&fenster, {mitTipp});
        const QString neu = QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText);
        QCOMPARE(mitText->toolTip(), QStringLiteral("Neue Tagesabläufe berechnen (%1)").arg(neu));
        QVERIFY2(mitTipp->toolTip().startsWith(QStringLiteral("Beenden (")) && mitTipp->toolTip().endsWith(QStringLiteral("+Q)")),
                 qPrintable(mitTipp->toolTip()));
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
