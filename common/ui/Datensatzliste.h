#pragma once

#include <QTreeWidget>

// A record list: a QTreeWidget whose last column is hidden and holds the row number of the record a line
// stands for. A header click sorts by that column in natural order (numbers by value, "Ä" with "A"); every
// click flips the direction. The Delete key is reported as LoeschenGedrueckt.
class Datensatzliste : public QTreeWidget {
    Q_OBJECT
public:
    explicit Datensatzliste(QWidget* eltern = nullptr);

    // The visible column captions; the hidden row-number column is added behind them.
    void SpaltenSetzen(const QStringList& ueberschriften);
    int SichtbareSpalten() const { return columnCount() - 1; }

    QTreeWidgetItem* EintragHinzufuegen(const QStringList& spalten, int zeile);
    void EintragAktualisieren(QTreeWidgetItem* eintrag, const QStringList& spalten);

    static int Zeilennummer(const QTreeWidgetItem* eintrag);
    // The selected line's row number, or -1.
    int GewaehlteZeile() const;
    QTreeWidgetItem* EintragDerZeile(int zeile) const;

    // After row r was deleted: every line with a higher row number moves down by one.
    void NachLoeschenNummerieren(int r);
    // The visible texts of every line in the present (possibly sorted) order.
    QList<QStringList> Anzeigereihenfolge() const;

    // Every visible column as wide as its texts and caption, at most `hoechstbreite` pixels; not once the
    // user has set the widths (by dragging, or remembered from the last run).
    void SpaltenAnpassen(int hoechstbreite = 320);
    // Widths the user chose earlier; an empty list changes nothing.
    void BreitenSetzen(const QList<int>& breiten);

    // What a header click does (also callable directly).
    void NachSpalteSortieren(int spalte);
    // The direction of the first header click (ascending unless a list wants otherwise).
    void ErsteRichtung(Qt::SortOrder richtung);
    // Sorts the lines in natural order; the current line stays current.
    void Sortieren(int spalte, Qt::SortOrder richtung);

Q_SIGNALS:
    void LoeschenGedrueckt();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    Qt::SortOrder m_richtung = Qt::DescendingOrder; // flipped before the first sort, which is ascending
    bool m_breitenFest = false;
};
