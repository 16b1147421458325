#include "Datensatzliste.h"

#include <QHeaderView>
#include <QKeyEvent>

Datensatzliste::Datensatzliste(QWidget* eltern) : QTreeWidget(eltern)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setSectionsClickable(true);
    // No arrow until the user sorts: the list starts in file order, not sorted by anything.
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &Datensatzliste::NachSpalteSortieren);
}

void Datensatzliste::SpaltenSetzen(const QStringList& ueberschriften)
{
    QStringList alle = ueberschriften;
    alle.append(QString());
    setColumnCount(int(alle.size()));
    setHeaderLabels(alle);
    setColumnHidden(int(ueberschriften.size()), true);
}

QTreeWidgetItem* Datensatzliste::EintragHinzufuegen(const QStringList& spalten, int zeile)
{
    auto* eintrag = new QTreeWidgetItem(this);
    EintragAktualisieren(eintrag, spalten);
    eintrag->setText(SichtbareSpalten(), QString::number(zeile));
    return eintrag;
}

void Datensatzliste::EintragAktualisieren(QTreeWidgetItem* eintrag, const QStringList& spalten)
{
    for (int i = 0; i < SichtbareSpalten() && i < spalten.size(); ++i)
        eintrag->setText(i, spalten[i]);
}

int Datensatzliste::Zeilennummer(const QTreeWidgetItem* eintrag)
{
    if (!eintrag || !eintrag->treeWidget())
        return -1;
    bool ok = false;
    const int zeile = eintrag->text(eintrag->treeWidget()->columnCount() - 1).toInt(&ok);
    return ok ? zeile : -1;
}

int Datensatzliste::GewaehlteZeile() const
{
    const QList<QTreeWidgetItem*> gewaehlt = selectedItems();
    if (!gewaehlt.isEmpty())
        return Zeilennummer(gewaehlt.first());
    return currentItem() && currentItem()->isSelected() ? Zeilennummer(currentItem()) : -1;
}

QTreeWidgetItem* Datensatzliste::EintragDerZeile(int zeile) const
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (Zeilennummer(topLevelItem(i)) == zeile)
            return topLevelItem(i);
    return nullptr;
}

void Datensatzliste::NachLoeschenNummerieren(int r)
{
    const int spalte = SichtbareSpalten();
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* eintrag = topLevelItem(i);
        const int zeile = Zeilennummer(eintrag);
        if (zeile > r)
            eintrag->setText(spalte, QString::number(zeile - 1));
    }
}

QList<QStringList> Datensatzliste::Anzeigereihenfolge() const
{
    QList<QStringList> zeilen;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QStringList texte;
        for (int s = 0; s < SichtbareSpalten(); ++s)
            texte.append(topLevelItem(i)->text(s));
        zeilen.append(texte);
    }
    return zeilen;
}

void Datensatzliste::NachSpalteSortieren(int spalte)
{
    m_richtung = m_richtung == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortItems(spalte, m_richtung);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(spalte, m_richtung);
}

void Datensatzliste::SpaltenAnpassen(int hoechstbreite)
{
    for (int i = 0; i < SichtbareSpalten(); ++i) {
        resizeColumnToContents(i);
        // A very long entry gets a scroll bar, it never pushes the other columns out of reach.
        if (columnWidth(i) > hoechstbreite)
            setColumnWidth(i, hoechstbreite);
    }
}

void Datensatzliste::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Delete && topLevelItemCount() > 0) {
        Q_EMIT LoeschenGedrueckt();
        return;
    }
    QTreeWidget::keyPressEvent(ereignis);
}
