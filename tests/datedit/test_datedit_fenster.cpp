// The editor's window, driven through its widgets: captions, enabling and showing rules, text mode, shop
// mode, the move buttons, saving, the new-shop dialogue and the question before unsaved edits are lost.
#include "DatEditTestHilfe.h"
#include "DatEditorEngine.h"
#include "Dialoge.h"
#include "Shell.h"
#include "Shopkonfiguration.h"
#include "Subs.h"
#include "TestInstallation.h"
#include "Variablen.h"
#include "frmDatEditorMain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using DatEditTest::Ablegen;
using DatEditTest::CrLf;

namespace {

// The window's controls, found by their names.
struct Bedienung {
    explicit Bedienung(QWidget& f)
        : tool(Finden<QComboBox>(f, "cmbTool")), datei(Finden<QComboBox>(f, "cmbDatei")),
          text(Finden<QPlainTextEdit>(f, "txtText")), save(Finden<QToolButton>(f, "cmdSave")),
          hilfe(Finden<QToolButton>(f, "cmdHilfe")), frmShop(Finden<QGroupBox>(f, "frmShop")),
          shop(Finden<QComboBox>(f, "cmbShop")), shopNeu(Finden<QToolButton>(f, "cmdShopNeu")),
          shopDelete(Finden<QToolButton>(f, "cmdShopDelete")), regionen(Finden<QListWidget>(f, "lstRegionen")),
          verfuegbar(Finden<QListWidget>(f, "lstVerfügbar")), hin(Finden<QPushButton>(f, "cmdHin")),
          alleHin(Finden<QPushButton>(f, "cmdAlleHin")), zurueck(Finden<QPushButton>(f, "cmdZurück")),
          alleZurueck(Finden<QPushButton>(f, "cmdAlleZurück"))
    {
        for (QGroupBox* rahmen : f.findChildren<QGroupBox*>()) {
            if (rahmen->title() == QLatin1String("Regionen"))
                fraRegionen = rahmen;
            if (rahmen->title() == QStringLiteral("Verfügbar in"))
                fraVerfuegbar = rahmen;
        }
    }
    template <typename T>
    static T* Finden(QWidget& f, const char* name)
    {
        T* w = f.findChild<T*>(QString::fromUtf8(name));
        if (!w)
            qFatal("Steuerelement %s fehlt", name);
        return w;
    }
    static QStringList Eintraege(const QListWidget* liste)
    {
        QStringList e;
        for (int i = 0; i < liste->count(); ++i)
            e.append(liste->item(i)->text());
        return e;
    }
    static QStringList Eintraege(const QComboBox* liste)
    {
        QStringList e;
        for (int i = 0; i < liste->count(); ++i)
            e.append(liste->itemText(i));
        return e;
    }
    void Waehlen(const char* werkzeug, const char* name)
    {
        tool->setCurrentText(QString::fromUtf8(werkzeug));
        datei->setCurrentText(QString::fromUtf8(name));
    }
    bool Knoepfe() const { return hin->isEnabled() && alleHin->isEnabled() && zurueck->isEnabled() && alleZurueck->isEnabled(); }
    bool KeinKnopf() const
    {
        return !hin->isEnabled() && !alleHin->isEnabled() && !zurueck->isEnabled() && !alleZurueck->isEnabled();
    }
    bool ShopSichtbar() const { return !frmShop->isHidden() && !fraRegionen->isHidden() && !fraVerfuegbar->isHidden(); }
    bool ShopVersteckt() const { return frmShop->isHidden() && fraRegionen->isHidden() && fraVerfuegbar->isHidden(); }

    QComboBox* tool;
    QComboBox* datei;
    QPlainTextEdit* text;
    QToolButton* save;
    QToolButton* hilfe;
    QGroupBox* frmShop;
    QComboBox* shop;
    QToolButton* shopNeu;
    QToolButton* shopDelete;
    QListWidget* regionen;
    QListWidget* verfuegbar;
    QPushButton* hin;
    QPushButton* alleHin;
    QPushButton* zurueck;
    QPushButton* alleZurueck;
    QGroupBox* fraRegionen = nullptr;
    QGroupBox* fraVerfuegbar = nullptr;
};

// Types the text key by key, umlauts included.
void Tippen(QWidget* feld, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList L(std::initializer_list<const char*> namen)
{
    QStringList liste;
    for (const char* n : namen)
        liste.append(QString::fromUtf8(n));
    return liste;
}

} // namespace

class TestDatEditFenster : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestInstallation> m_inst;
    std::unique_ptr<Dialoge::Skript> m_skript;

    void EigeneShops()
    {
        QVERIFY(Ablegen(DatEditorEngine::KategorienPfad(), CrLf(" 4 \nEisen\nHolz\nTuch\nBrot\n")));
        QVERIFY(Ablegen(DatEditorEngine::ShopsPfad(), CrLf("Schmied\nBäcker\n")));
        QVERIFY(Ablegen(DatEditorEngine::KonfigPfad(),
                        CrLf("[Schmied]\nWareCount=2\nWare1=Holz\nWare2=Eisen\n[Bäcker]\nWareCount=1\nWare1=Brot\n")));
    }

private Q_SLOTS:
    void initTestCase() { m_inst = std::make_unique<TestInstallation>(); }
    void init()
    {
        // The files the tests write or replace.
        DatEditTest::Wiederherstellen(*m_inst, {QStringLiteral("Data/City/Heiler.dat"), QStringLiteral("Data/City/Mohas.dat"),
                                                QStringLiteral("Data/City/Grossbetriebe.dat"), QStringLiteral("Data/Day"),
                                                QStringLiteral("Data/Warehouse/ItemKategorien.dat"),
                                                QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"),
                                                QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")});
        m_skript = std::make_unique<Dialoge::Skript>();
    }
    void cleanup() { m_skript.reset(); }
    void cleanupTestCase() { m_inst.reset(); }

    void aufbau()
    {
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Tabellar 3 v3.00 - Das Werkbund3 Konfigurationstool"));
        QCOMPARE(Variablen::Programmtitel, QStringLiteral("Tabellar 3"));
        QCOMPARE(Bedienung::Eintraege(b.tool), L({"Ortsbau 3", "Tageslauf 3", "Lagerhof 3"}));
        QCOMPARE(b.tool->currentIndex(), -1);
        QCOMPARE(b.datei->count(), 0);
        QVERIFY(b.hilfe->toolTip().startsWith(QStringLiteral("Hilfe (")));
        QVERIFY(b.shopNeu->toolTip().startsWith(QStringLiteral("Neuen Shop erstellen (")));
        QCOMPARE(b.shopDelete->toolTip(), QStringLiteral("Gewählten Shop löschen"));
        for (QToolButton* knopf : {b.save, b.hilfe, b.shopNeu, b.shopDelete})
            QVERIFY2(!knopf->icon().isNull(), qPrintable(knopf->objectName()));
        QCOMPARE(b.hin->text(), QStringLiteral(">"));
        QCOMPARE(b.alleHin->text(), QStringLiteral(">>>>>"));
        QCOMPARE(b.zurueck->text(), QStringLiteral("<"));
        QCOMPARE(b.alleZurueck->text(), QStringLiteral("<<<<<"));
        QCOMPARE(b.frmShop->title(), QStringLiteral("Art des Shops"));
        QVERIFY(b.fraRegionen && b.fraVerfuegbar);
        QCOMPARE(qobject_cast<QGroupBox*>(b.tool->parentWidget())->title(), QStringLiteral("Tool"));
        QCOMPARE(qobject_cast<QGroupBox*>(b.datei->parentWidget())->title(), QStringLiteral("Datei"));
        QVERIFY(b.fraRegionen->isAncestorOf(b.regionen));
        QVERIFY(b.fraVerfuegbar->isAncestorOf(b.verfuegbar));
        QVERIFY(b.frmShop->isAncestorOf(b.shop) && b.frmShop->isAncestorOf(b.shopNeu));
        // Nothing chosen yet: nothing to edit or save.
        QVERIFY(!b.save->isEnabled());
        QVERIFY(!b.text->isEnabled());
        QVERIFY(b.KeinKnopf());
        QVERIFY(b.ShopVersteckt());
    }

    void nichtsAbgeschnitten()
    {
        // A kind of shop and a category of 300 characters do not widen the window.
        const QString lang(300, QLatin1Char('W'));
        QVERIFY(Ablegen(DatEditorEngine::ShopsPfad(), "Schmied\r\n" + lang.toLatin1() + "\r\n"));
        QVERIFY(Ablegen(DatEditorEngine::KategorienPfad(), " 2 \r\nEisen\r\n" + lang.toLatin1() + "\r\n"));
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        const QSize groesse = fenster.size();
        for (const char* datei : {"ZwergeWeiblich", "CityZufallsereignisse"}) {
            b.Waehlen("Ortsbau 3", datei);
            QVERIFY(fenster.minimumSizeHint().width() <= groesse.width());
            QVERIFY(fenster.minimumSizeHint().height() <= groesse.height());
        }
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        QVERIFY(b.ShopSichtbar());
        QCOMPARE(b.shop->count(), 2);
        QVERIFY(fenster.minimumSizeHint().width() <= groesse.width());
        QVERIFY(fenster.minimumSizeHint().height() <= groesse.height());
        QCOMPARE(fenster.size(), groesse);
        // Every button shows whole.
        for (QAbstractButton* knopf : fenster.findChildren<QAbstractButton*>())
            if (knopf->isVisible())
                QVERIFY2(knopf->width() >= knopf->minimumSizeHint().width(), qPrintable(knopf->objectName()));
    }

    void werkzeugUndDatei()
    {
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.tool->setCurrentText(QStringLiteral("Ortsbau 3"));
        QCOMPARE(Bedienung::Eintraege(b.datei), DatEditorEngine::WerkzeugSuchen(QStringLiteral("Ortsbau 3"))->Dateien);
        QCOMPARE(b.datei->currentIndex(), -1);
        QVERIFY(!b.save->isEnabled());
        b.datei->setCurrentText(QStringLiteral("Händler2"));
        QVERIFY(b.save->isEnabled());
        QVERIFY(b.text->isEnabled());
        QVERIFY(b.KeinKnopf());
        QVERIFY(b.ShopVersteckt());
        QVERIFY(!b.text->isHidden());
        const QStringList zeilen = m_inst->Zeilen(QStringLiteral("Data/City/Händler2.dat"));
        QCOMPARE(b.text->toPlainText(), zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QVERIFY(m_skript->aufrufe.isEmpty());

        // Another tool empties the file list and the box.
        b.tool->setCurrentText(QStringLiteral("Lagerhof 3"));
        QCOMPARE(Bedienung::Eintraege(b.datei), L({"ShopgeneratorConfig"}));
        QCOMPARE(b.datei->currentIndex(), -1);
        QVERIFY(!b.save->isEnabled());
        QVERIFY(b.text->toPlainText().isEmpty());
        QVERIFY(!b.text->isEnabled());
    }

    void textBearbeitenUndSpeichern()
    {
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Ortsbau 3", "Heiler");
        const QByteArray vorher = m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat"));
        // Saving without edits leaves the file as it was.
        b.save->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat")), vorher);
        QCOMPARE(fenster.statusBar()->currentMessage(), QStringLiteral("„Heiler.dat“ ist gespeichert."));

        b.text->moveCursor(QTextCursor::End);
        b.text->setFocus();
        Tippen(b.text, QStringLiteral("Wundärztin"));
        QTest::keyClick(b.text, Qt::Key_Return);
        Tippen(b.text, QStringLiteral("Kräuterfrau"));
        b.save->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Heiler.dat")), vorher + CrLf("Wundärztin\nKräuterfrau"));
        // The city tool reads the new lines.
        QCOMPARE(m_inst->Zeilen(QStringLiteral("Data/City/Heiler.dat")).mid(vorher.count('\n')),
                 L({"Wundärztin", "Kräuterfrau"}));
        QVERIFY(m_skript->aufrufe.isEmpty());
        // "… ist gespeichert." goes with the file: another tool shows no such line.
        QVERIFY(!fenster.statusBar()->currentMessage().isEmpty());
        b.tool->setCurrentText(QStringLiteral("Tageslauf 3"));
        QCOMPARE(fenster.statusBar()->currentMessage(), QString());
    }

    void besondereZeichenImTextfeld()
    {
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        QVERIFY(Ablegen(m_inst->Pfad(QStringLiteral("Data/City/Mohas.dat")), QByteArray("a\xA0""b\r\nWo&#322;odar")));
        b.Waehlen("Ortsbau 3", "Mohas");
        QCOMPARE(fenster.Text(), QString::fromUtf8("a\u00A0b\nWo&#322;odar"));
        b.save->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Mohas.dat")), QByteArray("a\xA0""b\r\nWo&#322;odar"));
        // A line break typed with Shift+Return is a line break of the file; a pasted "ł" a reference.
        b.text->moveCursor(QTextCursor::End);
        QTest::keyClick(b.text, Qt::Key_Return, Qt::ShiftModifier);
        b.text->insertPlainText(QStringLiteral("Łucja\r\nZed"));
        b.save->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Mohas.dat")),
                 QByteArray("a\xA0""b\r\nWo&#322;odar\r\n&#321;ucja\r\nZed"));
    }

    void jedesByteUeberstehtDasTextfeld()
    {
        // Every byte but the line ends, shown in the box and saved without an edit, comes back unchanged.
        QByteArray bytes;
        for (int b = 0; b < 256; ++b) {
            if (b != '\r' && b != '\n')
                bytes += char(b);
            if (b % 32 == 31)
                bytes += "\r\n";
        }
        const QString pfad = m_inst->Pfad(QStringLiteral("Data/City/Grossbetriebe.dat"));
        QVERIFY(Ablegen(pfad, bytes));
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Ortsbau 3", "Grossbetriebe");
        QCOMPARE(b.text->document()->blockCount(), 9);
        b.save->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/City/Grossbetriebe.dat")), bytes);
    }

    void fehlendeTabelle()
    {
        QDir(m_inst->Pfad(QStringLiteral("Data/Day"))).removeRecursively();
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Tageslauf 3", "DayEreignisse");
        QCOMPARE(m_skript->aufrufe.size(), 1);
        QCOMPARE(m_skript->aufrufe[0].art, QStringLiteral("Meldung"));
        QCOMPARE(m_skript->aufrufe[0].text, QStringLiteral("Die Datei „DayEreignisse.dat“ fehlt; beim Speichern wird sie angelegt."));
        QCOMPARE(m_skript->aufrufe[0].symbol, Dialoge::Symbol::Information);
        QCOMPARE(m_skript->aufrufe[0].titel, QStringLiteral("Tabellar 3"));
        QVERIFY(b.text->toPlainText().isEmpty());
        QVERIFY(b.text->isEnabled());
        QVERIFY(b.save->isEnabled());
        b.text->setPlainText(QStringLiteral("Ein Händler bietet Fisch an.\nDer Weg ist verschüttet.\n"));
        b.save->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Day/DayEreignisse.dat")),
                 CrLf("Ein Händler bietet Fisch an.\nDer Weg ist verschüttet.\n"));
    }

    void unlesbareTabelle()
    {
        const QString pfad = m_inst->Pfad(QStringLiteral("Data/City/Heiler.dat"));
        QVERIFY(QFile::remove(pfad));
        QVERIFY(QDir().mkpath(pfad));
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Ortsbau 3", "Heiler");
        QCOMPARE(m_skript->aufrufe.size(), 1);
        QCOMPARE(m_skript->aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
        QVERIFY(m_skript->aufrufe[0].text.contains(QStringLiteral("keine gewöhnliche Datei")));
        // Nothing shown, so nothing can be saved over it; the file can be chosen again.
        QCOMPARE(b.datei->currentIndex(), -1);
        QVERIFY(!b.save->isEnabled());
        QVERIFY(!b.text->isEnabled());
        QVERIFY(QDir(pfad).removeRecursively());
        QVERIFY(Ablegen(pfad, "Bader\r\n"));
        b.datei->setCurrentText(QStringLiteral("Heiler"));
        QCOMPARE(b.text->toPlainText(), QStringLiteral("Bader\n"));
        QVERIFY(b.save->isEnabled());
    }

    void speicherfehlerWirdGemeldet()
    {
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Ortsbau 3", "Heiler");
        b.text->selectAll();
        b.text->insertPlainText(QStringLiteral("Bader\n"));
        const QString pfad = m_inst->Pfad(QStringLiteral("Data/City/Heiler.dat"));
        QVERIFY(QFile::remove(pfad));
        QVERIFY(QDir().mkpath(pfad + QStringLiteral("/x")));
        b.save->click();
        QCOMPARE(m_skript->aufrufe.size(), 1);
        QCOMPARE(m_skript->aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
        QVERIFY(m_skript->aufrufe[0].text.contains(QStringLiteral("konnte nicht gespeichert werden")));
        QVERIFY(fenster.statusBar()->currentMessage().isEmpty());
        // Still unsaved: leaving asks, and Speichern that fails again keeps the window open.
        m_skript->wahl = {Dialoge::Antwort::Speichern};
        QVERIFY(!fenster.close());
        QCOMPARE(m_skript->aufrufe.size(), 3);
        QCOMPARE(m_skript->aufrufe[1].knoepfe, Dialoge::Knoepfe::SpeichernVerwerfenAbbrechen);
        QVERIFY(m_skript->aufrufe[2].text.contains(QStringLiteral("konnte nicht gespeichert werden")));
    }

    void ungespeicherteAenderungen()
    {
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Ortsbau 3", "Heiler");
        const QString vorher = b.text->toPlainText();
        b.text->appendPlainText(QStringLiteral("Zahnreißer"));
        const QString bearbeitet = b.text->toPlainText();
        // Abbrechen: the file and the text stay.
        m_skript->wahl = {Dialoge::Antwort::Abbrechen};
        b.datei->setCurrentText(QStringLiteral("Mohas"));
        QCOMPARE(m_skript->Texte(), QStringList{QStringLiteral("Die Änderungen an „Heiler.dat“ sind nicht gespeichert.")});
        QCOMPARE(b.datei->currentText(), QStringLiteral("Heiler"));
        QCOMPARE(b.text->toPlainText(), bearbeitet);
        m_skript->wahl = {Dialoge::Antwort::Abbrechen};
        b.tool->setCurrentText(QStringLiteral("Tageslauf 3"));
        QCOMPARE(b.tool->currentText(), QStringLiteral("Ortsbau 3"));
        QCOMPARE(b.datei->currentText(), QStringLiteral("Heiler"));
        m_skript->wahl = {Dialoge::Antwort::Abbrechen};
        QVERIFY(!fenster.close());
        // Verwerfen: the other file is shown, the edit is gone.
        m_skript->wahl = {Dialoge::Antwort::Verwerfen};
        b.datei->setCurrentText(QStringLiteral("Mohas"));
        QCOMPARE(b.text->toPlainText(), m_inst->Zeilen(QStringLiteral("Data/City/Mohas.dat")).join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QCOMPARE(m_skript->aufrufe.size(), 4);
        // Unchanged text asks nothing.
        b.datei->setCurrentText(QStringLiteral("Heiler"));
        QCOMPARE(b.text->toPlainText(), vorher);
        QCOMPARE(m_skript->aufrufe.size(), 4);
        QVERIFY(fenster.close());
    }

    void shopmodus()
    {
        EigeneShops();
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Ortsbau 3", "Heiler");
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        QVERIFY(!b.text->isEnabled());
        QVERIFY(b.text->toPlainText().isEmpty());
        QVERIFY(b.Knoepfe());
        QVERIFY(b.ShopSichtbar());
        QVERIFY(!b.save->isEnabled());
        QVERIFY(!b.shopDelete->isEnabled());
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Eisen", "Holz", "Tuch", "Brot"}));
        QVERIFY(Bedienung::Eintraege(b.verfuegbar).isEmpty());
        QCOMPARE(Bedienung::Eintraege(b.shop), L({"Schmied", "Bäcker"}));
        QCOMPARE(b.shop->currentIndex(), -1);

        b.shop->setCurrentText(QStringLiteral("Schmied"));
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Holz", "Eisen"}));
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Tuch", "Brot"}));
        QVERIFY(b.save->isEnabled());
        QVERIFY(b.shopDelete->isEnabled());
        b.shop->setCurrentText(QStringLiteral("Bäcker"));
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Brot"}));
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Tuch", "Holz", "Eisen"}));

        // The delete button has no action.
        const QByteArray konfig = m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"));
        b.shopDelete->click();
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")), konfig);
        QCOMPARE(b.shop->count(), 2);
        QVERIFY(m_skript->aufrufe.isEmpty());

        // Back to text mode: the frames go, the box and the buttons follow the rules again.
        b.Waehlen("Ortsbau 3", "Mohas");
        QVERIFY(b.text->isEnabled());
        QVERIFY(b.KeinKnopf());
        QVERIFY(b.ShopVersteckt());
        // Entering shop mode again fills every list afresh, without doubles.
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        QCOMPARE(Bedienung::Eintraege(b.shop), L({"Schmied", "Bäcker"}));
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Eisen", "Holz", "Tuch", "Brot"}));
        QVERIFY(Bedienung::Eintraege(b.verfuegbar).isEmpty());
        QVERIFY(!b.shopDelete->isEnabled());
        QVERIFY(!b.save->isEnabled());
    }

    void verschiebenUndSpeichern()
    {
        EigeneShops();
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        b.shop->setCurrentText(QStringLiteral("Bäcker"));
        // Nothing selected: ">" does nothing.
        b.hin->click();
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Brot"}));
        b.regionen->setCurrentRow(1);
        b.hin->click();
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Brot", "Holz"}));
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Eisen", "Tuch"}));
        b.verfuegbar->setCurrentRow(0);
        b.zurueck->click();
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Holz"}));
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Eisen", "Tuch", "Brot"}));
        b.zurueck->click();
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Holz"}));
        b.alleHin->click();
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Holz", "Eisen", "Tuch", "Brot"}));
        QVERIFY(Bedienung::Eintraege(b.regionen).isEmpty());
        b.alleZurueck->click();
        QCOMPARE(Bedienung::Eintraege(b.regionen), L({"Holz", "Eisen", "Tuch", "Brot"}));
        b.regionen->setCurrentRow(3);
        b.hin->click();
        b.regionen->setCurrentRow(0);
        b.hin->click();
        b.save->click();
        QCOMPARE(fenster.statusBar()->currentMessage(), QStringLiteral("Die Kategorien von „Bäcker“ sind gespeichert."));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")),
                 CrLf("[Schmied]\nWareCount=2\nWare1=Holz\nWare2=Eisen\n[Bäcker]\nWareCount=2\nWare1=Brot\nWare2=Holz\n"));
        QVERIFY(m_skript->aufrufe.isEmpty());
        // Saved: closing asks nothing.
        QVERIFY(fenster.close());
        QVERIFY(m_skript->aufrufe.isEmpty());
    }

    void ungespeicherteZuordnung()
    {
        EigeneShops();
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        b.shop->setCurrentText(QStringLiteral("Schmied"));
        b.alleZurueck->click();
        // Another kind of shop would start afresh and drop the moves: it asks first.
        m_skript->wahl = {Dialoge::Antwort::Verwerfen};
        b.shop->setCurrentText(QStringLiteral("Bäcker"));
        QCOMPARE(m_skript->Texte(), QStringList{QStringLiteral("Die Änderungen an „Schmied“ sind nicht gespeichert.")});
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Brot"}));
        b.alleHin->click();
        QVERIFY(!fenster.close());
        QCOMPARE(m_skript->Texte().last(), QStringLiteral("Die Änderungen an „Bäcker“ sind nicht gespeichert."));
        m_skript->wahl = {Dialoge::Antwort::Verwerfen};
        b.tool->setCurrentText(QStringLiteral("Ortsbau 3"));
        QVERIFY(b.ShopVersteckt());
        QVERIFY(b.KeinKnopf());
    }

    void ohneKategorienKeinShopmodus()
    {
        EigeneShops();
        QVERIFY(QFile::remove(DatEditorEngine::KategorienPfad()));
        const QByteArray konfig = m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"));
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        QCOMPARE(m_skript->aufrufe.size(), 1);
        QCOMPARE(m_skript->aufrufe[0].symbol, Dialoge::Symbol::Ausrufezeichen);
        QVERIFY(m_skript->aufrufe[0].text.contains(QStringLiteral("ItemKategorien.dat")));
        QVERIFY(b.ShopVersteckt());
        QVERIFY(b.KeinKnopf());
        QVERIFY(!b.save->isEnabled());
        QCOMPARE(b.shop->count(), 0);
        QCOMPARE(b.datei->currentIndex(), -1);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")), konfig);
    }

    void neuerShopDialog()
    {
        EigeneShops();
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        b.shop->setCurrentText(QStringLiteral("Bäcker"));
        const QByteArray konfig = m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat"));
        const QByteArray shops = m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat"));

        // An existing kind and "Alles" are refused and the question repeats; cancelling adds nothing.
        m_skript->eingaben = {QStringLiteral("Schmied"), QStringLiteral("Alles")};
        b.shopNeu->click();
        QCOMPARE(m_skript->aufrufe.size(), 5);
        for (int i : {0, 2, 4}) {
            QCOMPARE(m_skript->aufrufe[i].art, QStringLiteral("Eingabe"));
            QCOMPARE(m_skript->aufrufe[i].text, QStringLiteral("Bitte gebt die neue Shopkategorie an."));
            QCOMPARE(m_skript->aufrufe[i].titel, QStringLiteral("Tabellar 3"));
        }
        for (int i : {1, 3}) {
            QCOMPARE(m_skript->aufrufe[i].text, QStringLiteral("Diese Shopkategorie existiert bereits, ihr müsst eine Andere wählen."));
            QCOMPARE(m_skript->aufrufe[i].symbol, Dialoge::Symbol::Ausrufezeichen);
        }
        QCOMPARE(b.shop->count(), 2);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")), konfig);
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")), shops);

        // A name that cannot be a file name gets its reason and the question again.
        m_skript->aufrufe.clear();
        m_skript->eingaben = {QStringLiteral("Holz/Kohle"), QStringLiteral("Köhler")};
        b.shopNeu->click();
        QCOMPARE(m_skript->aufrufe.size(), 3);
        QVERIFY(m_skript->aufrufe[1].text.contains(QStringLiteral("„/“")));
        QCOMPARE(Bedienung::Eintraege(b.shop), L({"Schmied", "Bäcker", "Köhler"}));
        QCOMPARE(b.shop->currentText(), QStringLiteral("Bäcker"));
        QCOMPARE(Bedienung::Eintraege(b.verfuegbar), L({"Brot"}));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")), shops + CrLf("Köhler\n"));
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorConfig.dat")), konfig + CrLf("[Köhler]\nWareCount=0\n"));
        QCOMPARE(fenster.statusBar()->currentMessage(), QStringLiteral("Die Shopkategorie „Köhler“ ist angelegt."));
        b.shop->setCurrentText(QStringLiteral("Köhler"));
        QVERIFY(Bedienung::Eintraege(b.verfuegbar).isEmpty());
        QCOMPARE(Bedienung::Eintraege(b.regionen).size(), 4);
    }

    void ersterShopWaehltSichNichtSelbst()
    {
        QVERIFY(Ablegen(DatEditorEngine::KategorienPfad(), CrLf(" 1 \nEisen\n")));
        QFile::remove(DatEditorEngine::ShopsPfad());
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.Waehlen("Lagerhof 3", "ShopgeneratorConfig");
        QCOMPARE(b.shop->count(), 0);
        m_skript->eingaben = {QStringLiteral("Fischer")};
        b.shopNeu->click();
        QCOMPARE(Bedienung::Eintraege(b.shop), L({"Fischer"}));
        QCOMPARE(b.shop->currentIndex(), -1);
        QVERIFY(!b.shopDelete->isEnabled());
        QVERIFY(!b.save->isEnabled());
        QCOMPARE(m_inst->Bytes(QStringLiteral("Data/Warehouse/ShopgeneratorShops.dat")), QByteArray("Fischer\r\n"));
    }

    void hilfe()
    {
        Shell::Aufzeichnung shell;
        frmDatEditorMain fenster;
        Bedienung b(fenster);
        b.hilfe->click();
        QCOMPARE(shell.geoeffnet, QStringList{m_inst->Pfad(QStringLiteral("Hilfe/Tabellarium.htm"))});
        QVERIFY(QFileInfo(shell.geoeffnet.value(0)).isFile());
    }
};

QTEST_MAIN(TestDatEditFenster)
#include "test_datedit_fenster.moc"
