#pragma once

#include "Dateien.h"
#include "Shopkonfiguration.h"

#include <QMainWindow>

class Dateiwaechter;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace DatEditorEngine {
struct Werkzeug;
}

// The data file editor's one window: a tool and one of its files; a table is edited as text, the shop
// generator's settings as the categories each kind of shop sells.
class frmDatEditorMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmDatEditorMain(QWidget* eltern = nullptr);
    ~frmDatEditorMain() override;

    // The box's text as it goes into the file: line breaks as "\n", every other character as typed.
    QString Text() const;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private Q_SLOTS:
    void cmbTool_Click();
    void cmbDatei_Click();
    void cmbShop_Click();
    void cmdSave_Click();
    void cmdHilfe_Click();
    void cmdShopNeu_Click();
    void cmdHin_Click();
    void cmdAlleHin_Click();
    void cmdZurueck_Click();
    void cmdAlleZurueck_Click();
    // Another program saved the table or the shop settings shown.
    void DateiGeaendert(const QString& pfad);

private:
    void Aufbauen();
    void Verbinden();
    // No file chosen: empty, disabled box, no shop frames, nothing to save.
    void OhneDatei();
    void Textmodus(const QString& datei);
    void Shopmodus();
    void ShopFramesZeigen(bool zeigen);
    void ListenFuellen();
    // True when nothing unsaved would be lost: nothing was changed, the user saved it, or let it go.
    bool AenderungenSichern();
    // The save button's work; true when the file was written.
    bool Speichern();
    static int Ausgewaehlt(const QListWidget* liste);

    DatEditorEngine::Shopkonfiguration m_shops;
    const DatEditorEngine::Werkzeug* m_werkzeug = nullptr;
    QString m_datei;
    // The table text as read or last saved, and the file's fingerprint then.
    QString m_geladen;
    Dateien::Fingerabdruck m_abdruck;
    QString m_beobachtet;
    Dateiwaechter* m_waechter = nullptr;
    // Watches the file shown (the table, or in shop mode the shop settings).
    void Beobachten(const QString& pfad);
    bool m_shopmodus = false;
    bool m_fuellen = false;
    int m_toolIndex = -1;
    int m_dateiIndex = -1;
    int m_shopIndex = -1;

    QComboBox* cmbTool = nullptr;
    QComboBox* cmbDatei = nullptr;
    QPlainTextEdit* txtText = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdHilfe = nullptr;
    QGroupBox* frmShop = nullptr;
    QComboBox* cmbShop = nullptr;
    QToolButton* cmdShopNeu = nullptr;
    QToolButton* cmdShopDelete = nullptr;
    QGroupBox* fraRegionen = nullptr;
    QListWidget* lstRegionen = nullptr;
    QGroupBox* fraVerfuegbar = nullptr;
    QListWidget* lstVerfuegbar = nullptr;
    QPushButton* cmdHin = nullptr;
    QPushButton* cmdAlleHin = nullptr;
    QPushButton* cmdZurueck = nullptr;
    QPushButton* cmdAlleZurueck = nullptr;
};
