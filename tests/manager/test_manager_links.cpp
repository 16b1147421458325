// The link list (adding, sorting, deleting by the hidden row number, the file afterwards, an incomplete
// file, opening a link) and the day notes of the calendar.
#include "Datensatzliste.h"
#include "Dialoge.h"
#include "Linkliste.h"
#include "ManagerFensterHilfe.h"
#include "ManagerTestHilfe.h"
#include "Shell.h"
#include "Termine.h"
#include "Zeilendatei.h"
#include "frmManagerMain.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

using namespace ManagerTest;

class TestLinks : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;

    std::unique_ptr<frmManagerMain> Starten() { return HauptfensterStarten(*m_inst); }

    QStringList Dateizeilen() const { return m_inst->Zeilen(QStringLiteral("Data/Manager/URLs.dat")); }

private Q_SLOTS:
    void init()
    {
        m_inst = std::make_unique<TestInstallation>();
        ErstlaufErledigt();
        m_inst->ZeilenSchreiben(QStringLiteral("Data/Manager/URLs.dat"), {});
    }
    void cleanup() { m_inst.reset(); }

    void hinzufuegen_sortieren_loeschen()
    {
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        auto* liste = fenster->findChild<Datensatzliste*>(QStringLiteral("lvURLs"));
        auto* neu = fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsNeu"));
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLs"))->click();
        QVERIFY(!liste->isHidden() && !neu->isHidden());

        skript.eingaben = {QStringLiteral("Mitte"), QStringLiteral("https://mitte.example.org"), QStringLiteral("zweite Seite"),
                           QStringLiteral("Anfang"), QStringLiteral("https://anfang.example.org"), QStringLiteral("Start"),
                           QStringLiteral("Zuletzt"), QStringLiteral("https://zuletzt.example.org"), QStringLiteral("Ende")};
        for (int i = 0; i < 3; ++i)
            neu->click();
        QCOMPARE(skript.unbeantwortet, 0);
        QCOMPARE(skript.aufrufe.last().text, QStringLiteral("Als letztes könnt ihr eine kleine Beschreibung der Page angeben."));
        QCOMPARE(Dateizeilen().size(), 9);

        // The second header click sorts descending: Zuletzt, Mitte, Anfang.
        Q_EMIT liste->Kopf()->sectionClicked(0);
        Q_EMIT liste->Kopf()->sectionClicked(0);
        QCOMPARE(liste->Text(liste->ZeileAn(1), 0), QStringLiteral("Mitte"));
        liste->ZeileWaehlen(liste->ZeileAn(1));

        skript.ja = {true};
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsDelete"))->click();
        QCOMPARE(skript.aufrufe.last().text, QStringLiteral("Soll die URL wirklich gelöscht werden ?"));
        QCOMPARE(Dateizeilen(), QStringList({QStringLiteral("Anfang"), QStringLiteral("https://anfang.example.org"),
                                             QStringLiteral("Start"), QStringLiteral("Zuletzt"),
                                             QStringLiteral("https://zuletzt.example.org"), QStringLiteral("Ende")}));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Manager/URLs.dat")).left(8), QByteArray("Anfang\r\n"));
        QCOMPARE(liste->AngezeigteAnzahl(), 2);
        QCOMPARE(liste->ZeileAn(0), 1); // Zuletzt moved up
        QCOMPARE(liste->ZeileAn(1), 0);

        // The corrected row numbers still lead to the right rows.
        Shell::Aufzeichnung shell;
        Q_EMIT liste->Ansicht()->doubleClicked(liste->Ansicht()->model()->index(0, 0));
        QCOMPARE(shell.geoeffnet, QStringList({QStringLiteral("https://zuletzt.example.org")}));
        liste->ZeileWaehlen(liste->ZeileAn(0));
        skript.ja = {true};
        QTest::keyClick(liste->Ansicht(), Qt::Key_Delete);
        QCOMPARE(Dateizeilen(), QStringList({QStringLiteral("Anfang"), QStringLiteral("https://anfang.example.org"),
                                             QStringLiteral("Start")}));

        // Answering No changes nothing.
        liste->ZeileWaehlen(liste->ZeileAn(0));
        skript.ja = {false};
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsDelete"))->click();
        QCOMPARE(Dateizeilen().size(), 3);
        QCOMPARE(liste->AngezeigteAnzahl(), 1);
    }

    void hinzufuegen_abgebrochen_data()
    {
        QTest::addColumn<QStringList>("antworten");
        QTest::addColumn<int>("fragen");
        QTest::newRow("ohne Namen") << QStringList{QString()} << 1;
        QTest::newRow("ohne URL") << QStringList{QStringLiteral("Name"), QString()} << 2;
        QTest::newRow("ohne Beschreibung") << QStringList{QStringLiteral("Name"), QStringLiteral("https://x.example.org"), QString()} << 3;
    }
    void hinzufuegen_abgebrochen()
    {
        QFETCH(QStringList, antworten);
        QFETCH(int, fragen);
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Data/Manager/URLs.dat"));
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        skript.eingaben = antworten;
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsNeu"))->click();
        QCOMPARE(skript.aufrufe.size(), fragen);
        QCOMPARE(fenster->findChild<Datensatzliste*>(QStringLiteral("lvURLs"))->AngezeigteAnzahl(), 0);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Manager/URLs.dat")), vorher);
    }

    void datei_einNameGleichWelcheSchreibung()
    {
        QFile::remove(m_inst->Pfad(QStringLiteral("Data/Manager/URLs.dat")));
        m_inst->ZeilenSchreiben(QStringLiteral("Data/Manager/urls.DAT"),
                                {QStringLiteral("Alt"), QStringLiteral("https://alt.example.org"), QStringLiteral("schon da")});
        Linkliste links;
        links.Laden();
        QCOMPARE(links.Anzahl(), 1);
        QVERIFY(links.Hinzufuegen({QStringLiteral("Neu"), QStringLiteral("https://neu.example.org"), QStringLiteral("dazu")}));
        QCOMPARE(QDir(m_inst->Pfad(QStringLiteral("Data/Manager"))).entryList(QDir::Files),
                 QStringList({QStringLiteral("urls.DAT")}));
        QCOMPARE(m_inst->Zeilen(QStringLiteral("Data/Manager/urls.DAT")).size(), 6);
    }

    void datei_endetImEintrag()
    {
        const QStringList zeilen{QStringLiteral("Eins"), QStringLiteral("https://eins.example.org"), QStringLiteral("erste"),
                                 QStringLiteral("Zwei"), QStringLiteral("https://zwei.example.org")};
        m_inst->ZeilenSchreiben(QStringLiteral("Data/Manager/URLs.dat"), zeilen);
        const QByteArray alt = m_inst->Bytes(QStringLiteral("Data/Manager/URLs.dat"));
        // An earlier backup stays as it is; this one gets the next free name.
        m_inst->Schreiben(QStringLiteral("Data/Manager/URLs.dat.bak"), "frühere Sicherung");
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        auto* liste = fenster->findChild<Datensatzliste*>(QStringLiteral("lvURLs"));
        QCOMPARE(liste->AngezeigteAnzahl(), 1);
        QCOMPARE(skript.aufrufe.size(), 0);

        skript.eingaben = {QStringLiteral("Drei"), QStringLiteral("https://drei.example.org"), QStringLiteral("dritte"),
                           QStringLiteral("Vier"), QStringLiteral("https://vier.example.org"), QStringLiteral("vierte")};
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsNeu"))->click();
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsNeu"))->click();
        // The old file is kept before the first rewrite, and the user is told once.
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Manager/URLs.dat.bak2")), alt);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Manager/URLs.dat.bak")), QByteArray("frühere Sicherung"));
        QCOMPARE(skript.Texte().size(), 1);
        QVERIFY(skript.Texte().first().contains(QStringLiteral("URLs.dat.bak2")));
        QCOMPARE(Dateizeilen().size(), 9);
        QCOMPARE(Dateizeilen().at(3), QStringLiteral("Drei"));
    }

    void fehlendeDatei_leereListe()
    {
        QFile::remove(m_inst->Pfad(QStringLiteral("Data/Manager/URLs.dat")));
        Dialoge::Skript skript;
        skript.eingaben = {QStringLiteral("Eins"), QStringLiteral("www.example.org"), QStringLiteral("ohne Schema")};
        auto fenster = Starten();
        QVERIFY(fenster);
        QCOMPARE(skript.aufrufe.size(), 0);
        fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsNeu"))->click();
        QCOMPARE(Dateizeilen(), QStringList({QStringLiteral("Eins"), QStringLiteral("www.example.org"),
                                             QStringLiteral("ohne Schema")}));
        // An address without a scheme is opened as a web address, not as a file.
        Shell::Aufzeichnung shell;
        auto* liste = fenster->findChild<Datensatzliste*>(QStringLiteral("lvURLs"));
        Q_EMIT liste->Ansicht()->doubleClicked(liste->Ansicht()->model()->index(0, 0));
        QCOMPARE(shell.geoeffnet, QStringList({QStringLiteral("http://www.example.org")}));
    }

    void panels_wechseln()
    {
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        auto* liste = fenster->findChild<Datensatzliste*>(QStringLiteral("lvURLs"));
        auto* kalender = fenster->findChild<QGroupBox*>(QStringLiteral("frmMonthView"));
        auto* urls = fenster->findChild<QPushButton*>(QStringLiteral("cmdURLs"));
        auto* termin = fenster->findChild<QPushButton*>(QStringLiteral("cmdTermin"));
        QVERIFY(liste->isHidden() && kalender->isHidden());
        urls->click();
        QVERIFY(!liste->isHidden() && kalender->isHidden());
        termin->click();
        QVERIFY(liste->isHidden() && !kalender->isHidden());
        QVERIFY(fenster->findChild<QPushButton*>(QStringLiteral("cmdURLsDelete"))->isHidden());
        termin->click();
        QVERIFY(liste->isHidden() && kalender->isHidden());
    }

    void notizen_speichernUndFinden()
    {
        const QDate tag(2031, 4, 5);
        QCOMPARE(Termine::Speichern(tag, QStringLiteral("Markttag in der Unterstadt"), QString()), Termine::Ergebnis::Gespeichert);
        // The key is the same in every language.
        QCOMPARE(Ini(QStringLiteral("Date"), QStringLiteral("2031-04-05")), QStringLiteral("Markttag in der Unterstadt"));
        QCOMPARE(Termine::Anzeige(tag), QStringLiteral("5. April 2031"));
        QCOMPARE(Termine::Notiz(tag), QStringLiteral("Markttag in der Unterstadt"));
        QCOMPARE(Termine::Notiz(tag.addDays(1)), QString());
        // An empty text is not stored: the note stays.
        QVERIFY(Termine::Speichern(tag, QString(), QString()) != Termine::Ergebnis::Gespeichert);
        QCOMPARE(Termine::Notiz(tag), QStringLiteral("Markttag in der Unterstadt"));

        // A note written under another date form is not found.
        const QDate andererTag(2031, 4, 6);
        const QString fremd = andererTag.toString(QStringLiteral("yyyy|MM|dd"));
        QVERIFY(fremd != Termine::Schluessel(andererTag));
        IniSetzen(QStringLiteral("Date"), fremd, QStringLiteral("Ratsversammlung"));
        QCOMPARE(Termine::Notiz(andererTag), QString());
    }

    void notizen_alteSchluessel_data()
    {
        QTest::addColumn<QString>("schluessel");
        QTest::addColumn<bool>("sofortGelesen");
        const QDate tag(2031, 4, 5);
        QTest::newRow("Kurzform des Systems") << QLocale::system().toString(tag, QLocale::ShortFormat) << true;
        QTest::newRow("englische Kurzform") << QLocale::c().toString(tag, QLocale::ShortFormat)
                                            << (QLocale::system().toString(tag, QLocale::ShortFormat) == QLocale::c().toString(tag, QLocale::ShortFormat));
        QTest::newRow("deutsche Kurzform") << QStringLiteral("05.04.31")
                                           << (QLocale::system().toString(tag, QLocale::ShortFormat) == QLatin1String("05.04.31"));
    }

    // Notes of earlier versions stay readable and move to the new keys with the next save of any note.
    void notizen_alteSchluessel()
    {
        QFETCH(QString, schluessel);
        QFETCH(bool, sofortGelesen);
        const QDate tag(2031, 4, 5);
        IniSetzen(QStringLiteral("Date"), schluessel, QStringLiteral("Zunftfest"));
        QCOMPARE(Termine::Notiz(tag), sofortGelesen ? QStringLiteral("Zunftfest") : QString());
        QCOMPARE(Termine::Speichern(tag.addDays(3), QStringLiteral("Markt"), QString()), Termine::Ergebnis::Gespeichert);
        QCOMPARE(Ini(QStringLiteral("Date"), QStringLiteral("2031-04-05")), QStringLiteral("Zunftfest"));
        QCOMPARE(Ini(QStringLiteral("Date"), schluessel), QString());
        QCOMPARE(Termine::Notiz(tag), QStringLiteral("Zunftfest"));
    }

    void notiz_heuteBeimStart()
    {
        IniSetzen(QStringLiteral("Date"), Termine::Schluessel(QDate::currentDate()), QStringLiteral("Heute kommt die Karawane"));
        Dialoge::Skript skript;
        QVERIFY(Starten());
        QCOMPARE(skript.Texte(), QStringList({QStringLiteral("Heute kommt die Karawane")}));
        QCOMPARE(skript.aufrufe[0].symbol, Dialoge::Symbol::Information);
    }

    void kalender_imFenster()
    {
        const QDate tag(2031, 7, 1);
        QCOMPARE(Termine::Speichern(tag, QStringLiteral("Turnier"), QString()), Termine::Ergebnis::Gespeichert);
        Dialoge::Skript skript;
        auto fenster = Starten();
        QVERIFY(fenster);
        auto* kalender = fenster->findChild<QCalendarWidget*>(QStringLiteral("MonthView"));
        auto* text = fenster->findChild<QLineEdit*>(QStringLiteral("txtMonthView"));
        auto* ok = fenster->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        kalender->setSelectedDate(tag.addDays(-1));
        fenster->findChild<QPushButton*>(QStringLiteral("cmdTermin"))->click();
        QCOMPARE(text->text(), QString());
        kalender->setSelectedDate(tag);
        QCOMPARE(text->text(), QStringLiteral("Turnier"));

        text->setText(QStringLiteral("Turnier der Schmiede"));
        ok->click();
        QCOMPARE(Termine::Notiz(tag), QStringLiteral("Turnier der Schmiede"));
        text->clear();
        ok->click();
        QCOMPARE(Termine::Notiz(tag), QStringLiteral("Turnier der Schmiede"));
        kalender->setSelectedDate(tag.addDays(1));
        QCOMPARE(text->text(), QString());
        kalender->setSelectedDate(tag);
        QCOMPARE(text->text(), QStringLiteral("Turnier der Schmiede"));
        QCOMPARE(skript.aufrufe.size(), 0);
    }
};

QTEST_MAIN(TestLinks)
#include "test_manager_links.moc"
