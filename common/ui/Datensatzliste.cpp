#include "Datensatzliste.h"

#include <QCollator>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSet>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

Datensatzliste::Datensatzliste(QWidget* eltern) : QTreeWidget(eltern)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Record texts are Latin script: shaping each cell through the full text engine costs more than all
    // the rest of painting a list, and changes nothing for these texts.
    QFont schrift;
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    setFont(schrift);
    header()->setSectionsClickable(true);
    // No arrow until the user sorts: the list starts in file order, not sorted by anything.
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &Datensatzliste::NachSpalteSortieren);
    // A column the user drags keeps its width when the list is filled again.
    connect(header(), &QHeaderView::sectionResized, this, [this] {
        if (QGuiApplication::mouseButtons() & Qt::LeftButton)
            m_breitenFest = true;
    });
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
    Sortieren(spalte, m_richtung);
}

void Datensatzliste::ErsteRichtung(Qt::SortOrder richtung)
{
    m_richtung = richtung == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
}

void Datensatzliste::Sortieren(int spalte, Qt::SortOrder richtung)
{
    // Weights, prices and values are text with numbers in it: "8 Unzen" belongs before "75 Unzen".
    static const QCollator vergleich = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    QTreeWidgetItem* aktuell = currentItem();
    const bool gewaehlt = aktuell && aktuell->isSelected();
    const QList<QTreeWidgetItem*> eintraege = invisibleRootItem()->takeChildren();
    std::vector<std::pair<QCollatorSortKey, QTreeWidgetItem*>> schluessel;
    schluessel.reserve(size_t(eintraege.size()));
    for (QTreeWidgetItem* e : eintraege)
        schluessel.emplace_back(vergleich.sortKey(e->text(spalte)), e);
    std::stable_sort(schluessel.begin(), schluessel.end(), [richtung](const auto& a, const auto& b) {
        return richtung == Qt::AscendingOrder ? a.first.compare(b.first) < 0 : b.first.compare(a.first) < 0;
    });
    QList<QTreeWidgetItem*> sortiert;
    sortiert.reserve(eintraege.size());
    for (const auto& [k, e] : schluessel)
        sortiert.append(e);
    addTopLevelItems(sortiert);
    if (aktuell) {
        setCurrentItem(aktuell);
        aktuell->setSelected(gewaehlt);
    }
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(spalte, richtung);
}

void Datensatzliste::BreitenSetzen(const QList<int>& breiten)
{
    for (int i = 0; i < breiten.size() && i < SichtbareSpalten(); ++i)
        if (breiten[i] > 0)
            setColumnWidth(i, breiten[i]);
    m_breitenFest = m_breitenFest || !breiten.isEmpty();
}

void Datensatzliste::SpaltenAnpassen(int hoechstbreite)
{
    if (m_breitenFest)
        return;
    // The widths resizeColumnToContents would give, over the same rows, but each distinct text measured
    // once: the view would lay out every cell of every row through the style.
    const int zeilen = qMin(topLevelItemCount(), header()->resizeContentsPrecision());
    const QFontMetricsF masse(font());
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    QSet<QString> gemessen;
    for (int s = 0; s < SichtbareSpalten(); ++s) {
        gemessen.clear();
        qreal breite = 0;
        for (int z = 0; z < zeilen; ++z) {
            const QString text = topLevelItem(z)->text(s);
            if (!text.isEmpty() && !gemessen.contains(text)) {
                gemessen.insert(text);
                breite = qMax(breite, masse.horizontalAdvance(text));
            }
        }
        // A very long entry gets a scroll bar, it never pushes the other columns out of reach.
        const int inhalt = qMax(int(std::ceil(breite)) + rand, header()->sectionSizeHint(s));
        setColumnWidth(s, qMin(inhalt, hoechstbreite));
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
