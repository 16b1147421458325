#pragma once

#include "Dateien.h"

#include "KartenEngine.h"

#include <QImage>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QScrollBar;
class QToolButton;

// The map explorer's window: the two maps, the city list, the city panel and distance measuring.
class frmExplorerMain : public QWidget {
    Q_OBJECT
public:
    explicit frmExplorerMain(QWidget* eltern = nullptr);

    KartenEngine::Karte Kartenmodus() const { return m_modus; }
    const KartenEngine::Messung& Messung() const { return m_messung; }
    // The picture picInnen shows, markers included.
    const QImage& Kartenbild() const { return m_bild; }

public Q_SLOTS:
    // Another program placed, moved or removed a city.
    void RegisterGeaendert();
    void cmdAventurienGross_Click();
    void cmdAventurienKlein_Click();
    void cmdDelete_Click();
    void cmdHilfe_Click();
    void cmbCitySearch_Click();
    void hscKarte_Change(int wert);
    void vscKarte_Change(int wert);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    class Dateiwaechter* m_waechter = nullptr;
    // What this window last read of the city list and the register.
    Dateien::Fingerabdruck m_liste;
    Dateien::Fingerabdruck m_register;
    void KarteZeigen(KartenEngine::Karte karte);
    void StadtMarkieren();
    void TafelFuellen(const ExplorerEngine::Kartenstadt& stadt);
    // Places the frame and the scroll bars in the map area for the map shown.
    void BildlaufAnpassen();
    void picInnen_MouseDown(const QPointF& stelle);
    void picInnen_DblClick();

    KartenEngine::Karte m_modus = KartenEngine::Karte::Keine;
    KartenEngine::Messung m_messung;
    // The unmarked pictures (the hidden holders imgTempAventurienGross and imgTempAventurienKlein).
    QImage imgTempAventurienGross;
    QImage imgTempAventurienKlein;
    QImage m_bild;

    QToolButton* cmdAventurienGross = nullptr;
    QToolButton* cmdAventurienKlein = nullptr;
    QToolButton* cmdDelete = nullptr;
    QToolButton* cmdHilfe = nullptr;
    QComboBox* cmbCitySearch = nullptr;
    QLabel* lblEntfernung = nullptr;
    QWidget* m_kartenbereich = nullptr;
    QWidget* picKarten = nullptr;
    QWidget* picInnen = nullptr;
    QScrollBar* hscKarte = nullptr;
    QScrollBar* vscKarte = nullptr;
    QGroupBox* frmInfos = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblEinwohner = nullptr;
    QLabel* lblTempel = nullptr;
    QLabel* imgCityPic = nullptr;
};
