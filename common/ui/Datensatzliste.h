#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QHeaderView;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;
class Datensatzmodell;
class Datensatzsicht;

// A record list: a view over the program's own table. The model asks the table for the number of records
// and for the text of a cell when a line is shown, so no text is copied; a record's row in the table is its
// row in the model. A proxy sorts the lines in natural order (numbers by value, "Ä" with "A", prices by value)
// with sort keys built once per column, and filters them by the words typed into the filter field above
// the list (Ctrl+F; Escape clears it). A header click sorts by that column, every click flips the direction.
// The Delete key is reported as LoeschenGedrueckt.
//
// The text functions may be called from two threads at once (sorting and filtering a long list split the
// work), so they only read the table. The window tells the list what it did to its table: Neu (the whole table was replaced), Hinzugefuegt,
// Geaendert, Entfernt (one row). The record chosen in the list (GewaehlteZeile) stays chosen while a filter
// hides its line.
class Datensatzliste : public QWidget {
    Q_OBJECT
public:
    using Anzahlfunktion = std::function<int()>;
    // The text of record `zeile` in column `spalte`; called for shown lines, sorting and filtering.
    using Textfunktion = std::function<QString(int zeile, int spalte)>;
    // Appends every visible text of record `zeile` to `ziel`, the columns separated by tabs: the filter reads a
    // line in one go, into a string it uses again for the next line.
    using Zeilenfunktion = std::function<void(int zeile, QString& ziel)>;

    explicit Datensatzliste(QWidget* eltern = nullptr);
    ~Datensatzliste() override;

    void SpaltenSetzen(const QStringList& ueberschriften);
    int SichtbareSpalten() const;
    // Without `zeilentext` the filter puts the line together from its cells.
    void Quelle(Anzahlfunktion anzahl, Textfunktion text, Zeilenfunktion zeilentext = {});
    // A column of prices sorts by value across currencies.
    void Preisspalte(int spalte);
    // Lists where filtering makes no sense (a shop's few goods) hide the field.
    void FilterZeigen(bool zeigen);

    // What the window did to its table.
    void Neu();
    void Hinzugefuegt(int zeile);
    void Geaendert(int zeile);
    void Entfernt(int zeile);

    // Records in the table, and lines shown (fewer while a filter is set).
    int Anzahl() const;
    int AngezeigteAnzahl() const;
    QString Text(int zeile, int spalte) const;
    QStringList Zeilentexte(int zeile) const;
    // The record shown at a line, the line of a record (-1 while it is hidden), all shown records in order.
    int ZeileAn(int position) const;
    int PositionVon(int zeile) const;
    QList<int> Anzeigereihenfolge() const;
    // The visible texts of every shown line in the present (possibly sorted) order.
    QList<QStringList> Anzeigetexte() const;

    // The chosen record, or -1. Choosing one makes its line current and selected and scrolls to it;
    // `melden` false changes it without AuswahlGeaendert.
    int GewaehlteZeile() const { return m_aktuell; }
    void ZeileWaehlen(int zeile, bool melden = true);

    // For a window that reloads its table: the chosen record by row and name (the text of column 0), and
    // the scroll position by the record at the top. After Neu, LageWiederherstellen chooses the record of
    // that name again (the one nearest its old row where names repeat; the old row when the name is gone)
    // and scrolls so that the same record is at the top.
    struct Lage {
        int Zeile = -1;
        QString Name;
        int ObersteZeile = -1;
        QString ObersterName;
    };
    Lage LageMerken() const;
    void LageWiederherstellen(const Lage& lage, bool melden = false);
    // The first record of that name (column 0), nearest to `bevorzugt`; -1 when there is none.
    int ZeileMitName(const QString& name, int bevorzugt = -1) const;

    // Filtering. The text is never saved anywhere.
    void FilterSetzen(const QString& text);
    QString Filtertext() const;
    QLineEdit* Filterfeld() const { return m_filter; }
    // "12 von 10.000" while a filter is set, otherwise empty.
    QString Zaehlertext() const;

    // Sorting: what a header click does; the direction of the first click; sorting directly.
    void NachSpalteSortieren(int spalte);
    void ErsteRichtung(Qt::SortOrder richtung);
    void Sortieren(int spalte, Qt::SortOrder richtung);
    // The sorted column or -1, and its direction.
    int Sortierspalte() const;
    Qt::SortOrder Sortierrichtung() const;

    // Every column as wide as its texts and caption (over the first lines), at most `hoechstbreite` pixels;
    // not once the user has set the widths (by dragging, or remembered from the last run). At start the lines of
    // the first view are measured before the window shows, the others afterwards.
    void SpaltenAnpassen(int hoechstbreite = 320);
    // Widths the user chose earlier; an empty list changes nothing.
    void BreitenSetzen(const QList<int>& breiten);
    void setColumnWidth(int spalte, int breite);
    int columnWidth(int spalte) const;

    QTreeView* Ansicht() const { return m_ansicht; }
    QHeaderView* Kopf() const;

Q_SIGNALS:
    void LoeschenGedrueckt();
    // The chosen record changed by a click, a key or ZeileWaehlen.
    void AuswahlGeaendert(int zeile, int vorher);
    void ZeileAngeklickt(int zeile);
    void ZeileDoppelgeklickt(int zeile);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void AktuellGeaendert(const QModelIndex& aktuell);
    void BreitenMessen(int zeilen, int hoechstbreite);
    // Puts the view's current line on the chosen record again (after a change of order or filter).
    void AnsichtAbgleichen();
    void ZaehlerZeigen();
    static void SuchtasteAnbringen(QWidget* fenster);

    Datensatzmodell* m_modell = nullptr;
    Datensatzsicht* m_sicht = nullptr;
    QTreeView* m_ansicht = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_zaehler = nullptr;
    QWidget* m_filterzeile = nullptr;
    int m_aktuell = -1;
    bool m_intern = false;
    Qt::SortOrder m_richtung = Qt::DescendingOrder; // flipped before the first sort, which is ascending
    bool m_breitenFest = false;
};
