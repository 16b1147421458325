#pragma once

#include <QDialog>

class QLabel;
class QPixmap;
class QScrollArea;

namespace CityEngine {
struct Stadt;
}

// The large world map in a scrolling frame; a confirmed click places the city at that spot.
class frmCityExplorer : public QDialog {
    Q_OBJECT
public:
    // `vorhanden`: the city is already listed and its position is to be overwritten.
    frmCityExplorer(CityEngine::Stadt& stadt, bool vorhanden, QWidget* eltern = nullptr);

    bool Vorhanden() const { return m_vorhanden; }
    // False when the map picture is missing or unreadable; the window must then not be shown.
    bool KarteGeladen() const { return m_karteGeladen; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void picInnen_MouseDown(int x, int y);
    void StaedteMarkieren(QPixmap& karte) const;

    CityEngine::Stadt& m_stadt;
    bool m_vorhanden;
    bool m_karteGeladen = false;
    QScrollArea* picKarten;
    QLabel* picInnen;
    QLabel* lblHinweis;
};
