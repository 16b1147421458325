#pragma once

#include "Dateien.h"

#include <QHash>

#include "Fenster.h"
#include "WarehouseHTML.h"

#include <QImage>
#include <QWidget>

#include <memory>

class Browser;
class Dateiwaechter;
class Datensatzeditor;
class Datensatzliste;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

// The warehouse's main window: the goods list with its categories, the item editor, and the shop editor
// with its generator, printing and export.
class frmWarehouseMain : public QWidget {
    Q_OBJECT
public:
    explicit frmWarehouseMain(QWidget* eltern = nullptr);
    ~frmWarehouseMain() override;

    void KategorieLaden();
    void GegenstandAnzeigen(int zeile);
    void GegenstandFelderLeeren();
    void GegenstandLoeschen();
    void GegenstandKnoepfe();
    void ShopKnoepfe();
    void RegionenZuruecksetzen();

    bool SeiteGeladen() const { return m_seiteGeladen; }
    // Item mode (true) or shop mode.
    bool Artikelmodus() const { return m_artikelmodus; }

public Q_SLOTS:
    // Another program saved a goods file shown, the category list or an armory database.
    void DateiGeaendert(const QString& pfad);
    void cmdItemEditor_Click();
    void cmdShopEditor_Click();
    void cmbKategorien_Click();
    void lvGegenstaende_ItemClick(int zeile);
    void cmdKategorieNeu_Click();
    void cmdKategorieDelete_Click();
    void cmdItemNeu_Click();
    void cmdItemSave_Click();
    void cmdItemDelete_Click();
    void cmdListeDrucken_Click();
    void cmdHelp_Click();
    void cmdHin_Click();
    void cmdZurueck_Click();
    void cmdAlleHin_Click();
    void cmdAlleZurueck_Click();
    void cmdItemHin_Click();
    void cmdShopDelete_Click();
    void cmdShopAnzahl_Click();
    void lvLaden_DblClick();
    void cmdShopGenerator_Click();
    void cmdShopDrucken_Click();
    void cmdShopExport_Click();
    void cmdGenName_Click();
    void cmbShopPreise_Click();
    void Browser_DokumentGeladen();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QToolButton* Knopf(const QString& name, const QString& bild, const QString& tipp);
    QWidget* ItemEditorBauen();
    QWidget* ShopEditorBauen();
    void SpeichernPruefen();
    // The editor follows the list's current good, keyboard and mouse alike, unless edits are kept.
    void GegenstandWaehlen(int zeile, int vorher);
    // Saves the good in the editor; false when it was refused.
    bool GegenstandSpeichern();
    // The good in the editor as the unsaved-changes question names it: as typed, else as stored.
    QString EditorName() const;
    // The stored name of the good the editor shows.
    QString GespeicherterName() const;
    // The shop's goods changed since it was last exported or printed.
    void ShopGeaendert();
    QStringList FelderAusEditor() const;
    void ListeFuellen();
    void LadenEintragAktualisieren(int index);
    void LadenFuellen();
    int GewaehlteShopware() const;
    void RegionVerschieben(QListWidget* von, QListWidget* nach, bool alle);
    bool DruckenUeberBrowser(const QString& pfad);
    void ModusSetzen(bool artikel);
    void KategorienboxenFuellen();
    WarehouseHTML::Shopkopf Shopkopf() const;
    QList<int> Ladenreihenfolge() const;

    // Item side.
    QToolButton* cmdItemEditor = nullptr;
    QToolButton* cmdShopEditor = nullptr;
    QToolButton* cmdHelp = nullptr;
    QComboBox* cmbKategorien = nullptr;
    Datensatzliste* lvGegenstaende = nullptr;
    QToolButton* cmdKategorieNeu = nullptr;
    QToolButton* cmdKategorieDelete = nullptr;
    QToolButton* cmdItemNeu = nullptr;
    QToolButton* cmdItemSave = nullptr;
    QToolButton* cmdItemDelete = nullptr;
    QToolButton* cmdListeDrucken = nullptr;
    QPushButton* cmdItemHin = nullptr;
    QWidget* m_itemSeite = nullptr;
    QTabWidget* ItemTab = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtGewicht = nullptr;
    QLineEdit* txtPreis = nullptr;
    QPlainTextEdit* txtBeschreibung = nullptr;
    QComboBox* cmbItemKategorien = nullptr;
    QComboBox* cmbItemWert = nullptr;
    QComboBox* cmbItemPreis = nullptr;
    QListWidget* lstRegionen = nullptr;
    QListWidget* lstVerfuegbar = nullptr;
    QLabel* lblRegionen = nullptr;

    std::unique_ptr<Datensatzeditor> m_editor;
    int m_kategorieIndex = -1;
    int m_listenFuellungen = 0;
    Dateiwaechter* m_waechter = nullptr;
    // The armory databases and the category list as this window last took them in.
    QHash<QString, Dateien::Fingerabdruck> m_gesehen;
    QStringList m_beobachtet;
    // Watches the goods files of the table shown, and the files the catalogue follows.
    void DateienBeobachten();
    // The list filled again with row `zeile` current and the scroll position kept.
    void ListeNeuZeigen(int zeile);
    bool m_shopUngesichert = false;

    // Shop side.
    QWidget* m_shopSeite = nullptr;
    QLineEdit* txtShopName = nullptr;
    QLineEdit* txtShopart = nullptr;
    QLineEdit* txtBesitzerName = nullptr;
    QComboBox* cmbRasse = nullptr;
    QPushButton* cmdGenName = nullptr;
    QComboBox* cmbShopRegion = nullptr;
    QComboBox* cmbShopQualitaet = nullptr;
    QComboBox* cmbShopPreise = nullptr;
    Datensatzliste* lvLaden = nullptr;
    QToolButton* cmdShopDelete = nullptr;
    QToolButton* cmdShopAnzahl = nullptr;
    QToolButton* cmdShopGenerator = nullptr;
    QToolButton* cmdShopDrucken = nullptr;
    QToolButton* cmdShopExport = nullptr;

    Browser* m_browser = nullptr;
    Fenster::Bildanfrage m_anfrageItem;
    QImage m_bildItem;
    bool m_bildItemGelesen = false;
    QImage m_bildShop;
    bool m_bildShopGelesen = false;
    bool m_artikelmodus = true;
    bool m_seiteGeladen = false;
    bool m_fuellen = false;
};
