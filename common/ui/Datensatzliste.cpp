#include "Datensatzliste.h"

#include "Fenster.h"
#include "Listenordnung.h"

#include <QAbstractProxyModel>
#include <QAbstractTableModel>
#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QSet>
#include <QShortcut>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <thread>
#include <vector>

using Listenordnung::Schluessel;

namespace {

// Runs `teil(von, bis)` over [0, n) in two halves at once, the second on a worker thread, where a list is long
// enough to gain from it. The text functions of a list only read the table, so two threads may call them.
void Zweigeteilt(int n, const std::function<void(int von, int bis)>& teil)
{
    constexpr int kAbHier = 4000;
    if (n < kAbHier) {
        teil(0, n);
        return;
    }
    const int mitte = n / 2;
    std::thread helfer([&teil, mitte, n] { teil(mitte, n); });
    teil(0, mitte);
    helfer.join();
}

} // namespace

// The program's table as a model: one row per record, the texts asked for when they are needed.
class Datensatzmodell : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    QStringList Ueberschriften;
    Datensatzliste::Anzahlfunktion Anzahl;
    Datensatzliste::Textfunktion Text;
    Datensatzliste::Zeilenfunktion Zeilentext;

    int Zeilen() const { return Anzahl ? qMax(0, Anzahl()) : 0; }
    QString Zelle(int zeile, int spalte) const
    {
        // A window may have changed its table a moment before it tells the list.
        if (!Text || zeile < 0 || spalte < 0 || spalte >= Ueberschriften.size() || zeile >= Zeilen())
            return QString();
        return Text(zeile, spalte);
    }

    int rowCount(const QModelIndex& eltern = QModelIndex()) const override { return eltern.isValid() ? 0 : Zeilen(); }
    int columnCount(const QModelIndex& eltern = QModelIndex()) const override
    {
        return eltern.isValid() ? 0 : int(Ueberschriften.size());
    }
    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (rolle != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return Zelle(index.row(), index.column());
    }
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override
    {
        if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < Ueberschriften.size())
            return Ueberschriften[abschnitt];
        return QVariant();
    }

    void Zuruecksetzen()
    {
        beginResetModel();
        endResetModel();
    }
    void Eingefuegt(int zeile)
    {
        beginInsertRows(QModelIndex(), zeile, zeile);
        endInsertRows();
    }
    void Entfernt(int zeile)
    {
        beginRemoveRows(QModelIndex(), zeile, zeile);
        endRemoveRows();
    }
    void Geaendert(int zeile)
    {
        if (!Ueberschriften.isEmpty())
            Q_EMIT dataChanged(index(zeile, 0), index(zeile, int(Ueberschriften.size()) - 1));
    }
};

// The shown lines: the records in sort order, without those the filter hides. Sort keys are built for a
// column when it is first sorted and kept up to date record by record; the filter's verdict is kept per
// record, so typing on tests only the lines still shown.
class Datensatzsicht : public QAbstractProxyModel {
public:
    explicit Datensatzsicht(Datensatzmodell* quelle, QObject* eltern) : QAbstractProxyModel(eltern), m_quelle(quelle)
    {
        setSourceModel(quelle);
        connect(quelle, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
        connect(quelle, &QAbstractItemModel::modelReset, this, [this] {
            m_schluessel.clear();
            m_spaltenfolge.clear();
            Aufbauen();
            endResetModel();
        });
        connect(quelle, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { Vorher(); });
        connect(quelle, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int erste, int letzte) { Eingefuegt(erste, letzte - erste + 1); });
        connect(quelle, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { Vorher(); });
        connect(quelle, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex&, int erste, int letzte) { Entfernt(erste, letzte - erste + 1); });
        connect(quelle, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& oben, const QModelIndex& unten) { Geaendert(oben.row(), unten.row()); });
        Aufbauen();
    }

    QModelIndex index(int zeile, int spalte, const QModelIndex& eltern = QModelIndex()) const override
    {
        if (eltern.isValid() || zeile < 0 || spalte < 0 || zeile >= rowCount() || spalte >= columnCount())
            return QModelIndex();
        return createIndex(zeile, spalte);
    }
    QModelIndex parent(const QModelIndex&) const override { return QModelIndex(); }
    bool hasChildren(const QModelIndex& eltern = QModelIndex()) const override
    {
        return !eltern.isValid() && rowCount() > 0;
    }
    int rowCount(const QModelIndex& eltern = QModelIndex()) const override
    {
        return eltern.isValid() ? 0 : int(m_anzeige.size());
    }
    int columnCount(const QModelIndex& eltern = QModelIndex()) const override
    {
        return eltern.isValid() ? 0 : m_quelle->columnCount();
    }
    QModelIndex mapToSource(const QModelIndex& index) const override
    {
        const int zeile = index.isValid() ? QuellZeile(index.row()) : -1;
        return zeile < 0 ? QModelIndex() : m_quelle->index(zeile, index.column());
    }
    QModelIndex mapFromSource(const QModelIndex& index) const override
    {
        const int position = index.isValid() ? Position(index.row()) : -1;
        return position < 0 ? QModelIndex() : createIndex(position, index.column());
    }
    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (rolle != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return m_quelle->Zelle(QuellZeile(index.row()), index.column());
    }
    // The captions also while no line is shown (the base class finds them through the first line).
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override
    {
        return richtung == Qt::Horizontal ? m_quelle->headerData(abschnitt, richtung, rolle) : QVariant();
    }
    void sort(int spalte, Qt::SortOrder richtung) override
    {
        Vorher();
        m_spalte = spalte;
        m_richtung = richtung;
        if (m_spalte >= 0) {
            const std::vector<Schluessel>& k = Schluessel_(m_spalte);
            const bool auf = richtung == Qt::AscendingOrder;
            // Stable: lines that compare equal keep the order the last sort gave them.
            std::stable_sort(m_ordnung.begin(), m_ordnung.end(), [&k, auf](int a, int b) {
                const int c = k[size_t(a)].Vergleichen(k[size_t(b)]);
                return auf ? c < 0 : c > 0;
            });
        }
        Anzeigen();
        Nachher();
    }

    int QuellZeile(int position) const
    {
        return position >= 0 && size_t(position) < m_anzeige.size() ? m_anzeige[size_t(position)] : -1;
    }
    int Position(int zeile) const
    {
        return zeile >= 0 && size_t(zeile) < m_position.size() ? m_position[size_t(zeile)] : -1;
    }
    const std::vector<int>& Anzeige() const { return m_anzeige; }
    int Spalte() const { return m_spalte; }
    Qt::SortOrder Richtung() const { return m_richtung; }
    bool Gefiltert() const { return !m_woerter.isEmpty(); }
    const QStringList& Woerter() const { return m_woerter; }

    void Preisspalte(int spalte)
    {
        m_preis.insert(spalte);
        m_schluessel.erase(spalte);
    }

    void FilterSetzen(const QStringList& woerter)
    {
        if (woerter == m_woerter)
            return;
        // Typing on narrows the lines down: only those still shown need a look.
        const bool enger = Listenordnung::Verfeinert(m_woerter, woerter);
        m_woerter = woerter;
        Vorher();
        if (enger) {
            const std::vector<int> gezeigt = m_anzeige;
            Zweigeteilt(int(gezeigt.size()), [this, &gezeigt](int von, int bis) {
                QString roh;
                QString gefaltet;
                for (int i = von; i < bis; ++i)
                    m_passt[size_t(gezeigt[size_t(i)])] = Passt(gezeigt[size_t(i)], roh, gefaltet);
            });
        } else {
            AllePruefen();
        }
        Anzeigen();
        Nachher();
    }

private:
    // Sort keys of a column; the last few columns sorted keep theirs.
    const std::vector<Schluessel>& Schluessel_(int spalte)
    {
        auto gefunden = m_schluessel.find(spalte);
        if (gefunden == m_schluessel.end()) {
            const int n = m_quelle->Zeilen();
            std::vector<Schluessel> haelften[2];
            const Listenordnung::Art art = Art(spalte);
            Zweigeteilt(n, [&](int von, int bis) {
                Listenordnung::Schluesselbau bau;
                std::vector<Schluessel>& k = haelften[von == 0 ? 0 : 1];
                k.reserve(size_t(bis - von));
                for (int zeile = von; zeile < bis; ++zeile)
                    k.push_back(bau.Bilden(m_quelle->Zelle(zeile, spalte), art));
            });
            std::vector<Schluessel>& k = haelften[0];
            k.insert(k.end(), haelften[1].begin(), haelften[1].end());
            gefunden = m_schluessel.emplace(spalte, std::move(k)).first;
            m_spaltenfolge.push_back(spalte);
            constexpr size_t kBehalten = 3;
            if (m_spaltenfolge.size() > kBehalten) {
                m_schluessel.erase(m_spaltenfolge.front());
                m_spaltenfolge.pop_front();
            }
        }
        return gefunden->second;
    }
    Listenordnung::Art Art(int spalte) const
    {
        return m_preis.contains(spalte) ? Listenordnung::Art::Preis : Listenordnung::Art::Text;
    }

    // Whether the record's line holds every filter word; the two strings are reused from line to line.
    bool Passt(int zeile, QString& roh, QString& gefaltet) const
    {
        if (m_woerter.isEmpty())
            return true;
        roh.resize(0);
        if (m_quelle->Zeilentext && zeile < m_quelle->Zeilen()) {
            m_quelle->Zeilentext(zeile, roh);
        } else {
            const int spalten = m_quelle->columnCount();
            for (int spalte = 0; spalte < spalten; ++spalte) {
                roh += m_quelle->Zelle(zeile, spalte);
                roh += QLatin1Char('\t');
            }
        }
        gefaltet.resize(0);
        Listenordnung::FaltenIn(roh, gefaltet);
        for (const QString& wort : m_woerter)
            if (!gefaltet.contains(wort))
                return false;
        return true;
    }
    bool Passt(int zeile) { return Passt(zeile, m_roh, m_puffer); }
    void AllePruefen()
    {
        Zweigeteilt(int(m_passt.size()), [this](int von, int bis) {
            QString roh;
            QString gefaltet;
            for (int zeile = von; zeile < bis; ++zeile)
                m_passt[size_t(zeile)] = Passt(zeile, roh, gefaltet);
        });
    }

    // Position of a new record in the sort order: after the lines that compare equal to it.
    void Einordnen(int zeile)
    {
        auto stelle = m_ordnung.end();
        if (m_spalte >= 0) {
            const std::vector<Schluessel>& k = Schluessel_(m_spalte);
            const bool auf = m_richtung == Qt::AscendingOrder;
            stelle = std::upper_bound(m_ordnung.begin(), m_ordnung.end(), zeile, [&k, auf](int a, int b) {
                const int c = k[size_t(a)].Vergleichen(k[size_t(b)]);
                return auf ? c < 0 : c > 0;
            });
        } else {
            // Unsorted lines are in the table's order.
            stelle = std::lower_bound(m_ordnung.begin(), m_ordnung.end(), zeile);
        }
        m_ordnung.insert(stelle, zeile);
    }

    void Aufbauen()
    {
        const int n = m_quelle->Zeilen();
        m_ordnung.resize(size_t(n));
        for (int i = 0; i < n; ++i)
            m_ordnung[size_t(i)] = i;
        m_passt.assign(size_t(n), true);
        if (!m_woerter.isEmpty())
            AllePruefen();
        if (m_spalte >= 0) {
            const std::vector<Schluessel>& k = Schluessel_(m_spalte);
            const bool auf = m_richtung == Qt::AscendingOrder;
            std::stable_sort(m_ordnung.begin(), m_ordnung.end(), [&k, auf](int a, int b) {
                const int c = k[size_t(a)].Vergleichen(k[size_t(b)]);
                return auf ? c < 0 : c > 0;
            });
        }
        Anzeigen();
    }

    void Anzeigen()
    {
        m_anzeige.clear();
        m_position.assign(m_passt.size(), -1);
        for (const int zeile : m_ordnung) {
            if (m_passt[size_t(zeile)]) {
                m_position[size_t(zeile)] = int(m_anzeige.size());
                m_anzeige.push_back(zeile);
            }
        }
    }

    // Every change of lines is a change of layout: the view keeps its current line and selection through
    // the persistent indexes, whatever moved.
    void Vorher()
    {
        Q_EMIT layoutAboutToBeChanged();
        m_merkAlt = persistentIndexList();
        m_merkQuelle.clear();
        for (const QModelIndex& index : std::as_const(m_merkAlt))
            m_merkQuelle.push_back({QuellZeile(index.row()), index.column()});
    }
    void Nachher()
    {
        QModelIndexList neu;
        neu.reserve(m_merkAlt.size());
        for (const auto& [zeile, spalte] : m_merkQuelle) {
            const int position = Position(zeile);
            neu.append(position < 0 ? QModelIndex() : createIndex(position, spalte));
        }
        changePersistentIndexList(m_merkAlt, neu);
        m_merkAlt.clear();
        m_merkQuelle.clear();
        Q_EMIT layoutChanged();
    }

    // The list and the table disagree (a change the window did not tell): everything is built anew.
    void Neuaufbau()
    {
        m_schluessel.clear();
        m_spaltenfolge.clear();
        Aufbauen();
        for (auto& [zeile, spalte] : m_merkQuelle)
            zeile = -1;
        Nachher();
    }

    void Eingefuegt(int erste, int anzahl)
    {
        if (size_t(erste) > m_passt.size() || m_passt.size() + size_t(anzahl) != size_t(m_quelle->Zeilen()))
            return Neuaufbau();
        for (auto& [zeile, spalte] : m_merkQuelle)
            if (zeile >= erste)
                zeile += anzahl;
        for (int& zeile : m_ordnung)
            if (zeile >= erste)
                zeile += anzahl;
        Listenordnung::Schluesselbau bau;
        for (auto& [spalte, k] : m_schluessel)
            for (int i = 0; i < anzahl; ++i)
                k.insert(k.begin() + erste + i, bau.Bilden(m_quelle->Zelle(erste + i, spalte), Art(spalte)));
        m_passt.insert(m_passt.begin() + erste, size_t(anzahl), true);
        for (int i = 0; i < anzahl; ++i) {
            m_passt[size_t(erste + i)] = Passt(erste + i);
            Einordnen(erste + i);
        }
        Anzeigen();
        Nachher();
    }

    void Entfernt(int erste, int anzahl)
    {
        const int letzte = erste + anzahl - 1;
        if (size_t(letzte) >= m_passt.size() || m_passt.size() - size_t(anzahl) != size_t(m_quelle->Zeilen()))
            return Neuaufbau();
        for (auto& [zeile, spalte] : m_merkQuelle) {
            if (zeile > letzte)
                zeile -= anzahl;
            else if (zeile >= erste)
                zeile = -1;
        }
        std::erase_if(m_ordnung, [erste, letzte](int zeile) { return zeile >= erste && zeile <= letzte; });
        for (int& zeile : m_ordnung)
            if (zeile > letzte)
                zeile -= anzahl;
        for (auto& [spalte, k] : m_schluessel)
            k.erase(k.begin() + erste, k.begin() + letzte + 1);
        m_passt.erase(m_passt.begin() + erste, m_passt.begin() + letzte + 1);
        Anzeigen();
        Nachher();
    }

    void Geaendert(int erste, int letzte)
    {
        Vorher();
        if (m_passt.size() != size_t(m_quelle->Zeilen()))
            return Neuaufbau();
        Listenordnung::Schluesselbau bau;
        for (int zeile = erste; zeile <= letzte && size_t(zeile) < m_passt.size(); ++zeile) {
            for (auto& [spalte, k] : m_schluessel)
                k[size_t(zeile)] = bau.Bilden(m_quelle->Zelle(zeile, spalte), Art(spalte));
            m_passt[size_t(zeile)] = Passt(zeile);
            // A changed record moves to its place in the sort order.
            if (m_spalte >= 0) {
                std::erase(m_ordnung, zeile);
                Einordnen(zeile);
            }
        }
        Anzeigen();
        Nachher();
    }

    Datensatzmodell* m_quelle;
    // All records in sort order; the shown ones; each record's line or -1; each record's filter verdict.
    std::vector<int> m_ordnung;
    std::vector<int> m_anzeige;
    std::vector<int> m_position;
    std::vector<char> m_passt; // char, not bool: two threads write it at once
    std::map<int, std::vector<Schluessel>> m_schluessel;
    std::deque<int> m_spaltenfolge;
    QSet<int> m_preis;
    int m_spalte = -1;
    Qt::SortOrder m_richtung = Qt::AscendingOrder;
    QStringList m_woerter;
    QString m_roh;
    QString m_puffer;
    QModelIndexList m_merkAlt;
    std::vector<std::pair<int, int>> m_merkQuelle;
};

Datensatzliste::Datensatzliste(QWidget* eltern) : QWidget(eltern)
{
    m_modell = new Datensatzmodell(this);
    m_sicht = new Datensatzsicht(m_modell, this);

    m_filterzeile = new QWidget(this);
    m_filter = new QLineEdit(m_filterzeile);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setClearButtonEnabled(true);
    const QString taste = QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText);
    m_filter->setPlaceholderText(QStringLiteral("Filtern (%1)").arg(taste));
    m_filter->setToolTip(QStringLiteral("Nur die Einträge zeigen, die alle diese Wörter enthalten (%1; Esc leert)").arg(taste));
    m_zaehler = new QLabel(m_filterzeile);
    m_zaehler->setObjectName(QStringLiteral("lblFilter"));
    auto* zeile = new QHBoxLayout(m_filterzeile);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(m_filter, 1);
    zeile->addWidget(m_zaehler);

    m_ansicht = new QTreeView(this);
    m_ansicht->setRootIsDecorated(false);
    m_ansicht->setUniformRowHeights(true);
    m_ansicht->setAllColumnsShowFocus(true);
    m_ansicht->setItemsExpandable(false);
    m_ansicht->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ansicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Record texts are Latin script: shaping each cell through the full text engine costs more than all
    // the rest of painting a list, and changes nothing for these texts.
    QFont schrift;
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    m_ansicht->setFont(schrift);
    m_ansicht->setModel(m_sicht);
    m_ansicht->installEventFilter(this);
    m_filter->installEventFilter(this);
    setFocusProxy(m_ansicht);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(2);
    spalte->addWidget(m_filterzeile);
    spalte->addWidget(m_ansicht, 1);

    QHeaderView* kopf = m_ansicht->header();
    kopf->setSectionsClickable(true);
    kopf->setSortIndicatorShown(false);
    kopf->setSectionsMovable(false);
    connect(kopf, &QHeaderView::sectionClicked, this, &Datensatzliste::NachSpalteSortieren);
    // A column the user drags keeps its width when the list is filled again.
    connect(kopf, &QHeaderView::sectionResized, this, [this] {
        if (QGuiApplication::mouseButtons() & Qt::LeftButton)
            m_breitenFest = true;
    });

    connect(m_ansicht->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& aktuell) { AktuellGeaendert(aktuell); });
    connect(m_ansicht->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // Ctrl+click takes the highlight away: then no record is chosen.
        if (!m_intern && m_ansicht->selectionModel()->selectedRows().isEmpty() && m_aktuell >= 0
            && PositionVon(m_aktuell) >= 0) {
            const int vorher = m_aktuell;
            m_aktuell = -1;
            Q_EMIT AuswahlGeaendert(-1, vorher);
        }
    });
    // While the proxy moves lines nothing is chosen or unchosen; afterwards the view follows the choice.
    connect(m_sicht, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { m_intern = true; });
    connect(m_sicht, &QAbstractItemModel::layoutChanged, this, [this] {
        m_intern = false;
        AnsichtAbgleichen();
        ZaehlerZeigen();
    });
    connect(m_sicht, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_intern = true; });
    connect(m_sicht, &QAbstractItemModel::modelReset, this, [this] {
        m_intern = false;
        ZaehlerZeigen();
    });
    connect(m_ansicht, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        const int zeile = m_sicht->QuellZeile(index.row());
        if (zeile >= 0)
            Q_EMIT ZeileAngeklickt(zeile);
    });
    connect(m_ansicht, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const int zeile = m_sicht->QuellZeile(index.row());
        if (zeile >= 0)
            Q_EMIT ZeileDoppelgeklickt(zeile);
    });
    connect(m_filter, &QLineEdit::textChanged, this, &Datensatzliste::FilterSetzen);
}

Datensatzliste::~Datensatzliste()
{
    // The view goes first: it must not ask a model that is already gone.
    delete m_ansicht;
    m_ansicht = nullptr;
}

void Datensatzliste::SpaltenSetzen(const QStringList& ueberschriften)
{
    m_modell->Ueberschriften = ueberschriften;
    Neu();
}

int Datensatzliste::SichtbareSpalten() const
{
    return int(m_modell->Ueberschriften.size());
}

void Datensatzliste::Quelle(Anzahlfunktion anzahl, Textfunktion text, Zeilenfunktion zeilentext)
{
    m_modell->Anzahl = std::move(anzahl);
    m_modell->Text = std::move(text);
    m_modell->Zeilentext = std::move(zeilentext);
    Neu();
}

void Datensatzliste::Preisspalte(int spalte)
{
    m_sicht->Preisspalte(spalte);
}

void Datensatzliste::FilterZeigen(bool zeigen)
{
    m_filterzeile->setVisible(zeigen);
    if (!zeigen)
        m_filter->clear();
}

void Datensatzliste::Neu()
{
    m_aktuell = -1;
    m_modell->Zuruecksetzen();
}

void Datensatzliste::Hinzugefuegt(int zeile)
{
    if (m_aktuell >= zeile)
        ++m_aktuell;
    m_modell->Eingefuegt(zeile);
}

void Datensatzliste::Geaendert(int zeile)
{
    m_modell->Geaendert(zeile);
}

void Datensatzliste::Entfernt(int zeile)
{
    if (m_aktuell == zeile)
        m_aktuell = -1;
    else if (m_aktuell > zeile)
        --m_aktuell;
    m_modell->Entfernt(zeile);
}

int Datensatzliste::Anzahl() const
{
    return m_modell->Zeilen();
}

int Datensatzliste::AngezeigteAnzahl() const
{
    return m_sicht->rowCount();
}

QString Datensatzliste::Text(int zeile, int spalte) const
{
    return m_modell->Zelle(zeile, spalte);
}

QStringList Datensatzliste::Zeilentexte(int zeile) const
{
    QStringList texte;
    for (int s = 0; s < SichtbareSpalten(); ++s)
        texte.append(Text(zeile, s));
    return texte;
}

int Datensatzliste::ZeileAn(int position) const
{
    return m_sicht->QuellZeile(position);
}

int Datensatzliste::PositionVon(int zeile) const
{
    return m_sicht->Position(zeile);
}

QList<int> Datensatzliste::Anzeigereihenfolge() const
{
    return QList<int>(m_sicht->Anzeige().begin(), m_sicht->Anzeige().end());
}

QList<QStringList> Datensatzliste::Anzeigetexte() const
{
    QList<QStringList> zeilen;
    zeilen.reserve(AngezeigteAnzahl());
    for (const int zeile : m_sicht->Anzeige())
        zeilen.append(Zeilentexte(zeile));
    return zeilen;
}

void Datensatzliste::ZeileWaehlen(int zeile, bool melden)
{
    const int vorher = m_aktuell;
    m_aktuell = zeile >= 0 && zeile < Anzahl() ? zeile : -1;
    AnsichtAbgleichen();
    const int position = PositionVon(m_aktuell);
    if (position >= 0)
        m_ansicht->scrollTo(m_sicht->index(position, 0));
    if (melden && vorher != m_aktuell)
        Q_EMIT AuswahlGeaendert(m_aktuell, vorher);
}

void Datensatzliste::AktuellGeaendert(const QModelIndex& aktuell)
{
    if (m_intern || !aktuell.isValid())
        return;
    const int zeile = m_sicht->QuellZeile(aktuell.row());
    if (zeile < 0)
        return;
    // The line that becomes current is the chosen one, also when the view made it current without a
    // selection (on getting the focus).
    if (!m_ansicht->selectionModel()->isRowSelected(aktuell.row(), QModelIndex())) {
        m_intern = true;
        m_ansicht->selectionModel()->select(aktuell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_intern = false;
    }
    if (zeile == m_aktuell)
        return;
    const int vorher = m_aktuell;
    m_aktuell = zeile;
    Q_EMIT AuswahlGeaendert(zeile, vorher);
}

void Datensatzliste::AnsichtAbgleichen()
{
    QItemSelectionModel* auswahl = m_ansicht->selectionModel();
    const int position = PositionVon(m_aktuell);
    const bool warIntern = m_intern;
    m_intern = true;
    // Through the view, which then knows a line was chosen on purpose (or none): getting the focus does not
    // make the first line current by itself.
    if (position >= 0) {
        const QModelIndex index = m_sicht->index(position, 0);
        if (auswahl->currentIndex() != index || !auswahl->isRowSelected(position, QModelIndex()))
            m_ansicht->setCurrentIndex(index);
    } else {
        // A chosen record whose line a filter hides stays chosen; the view shows no current line.
        m_ansicht->setCurrentIndex(QModelIndex());
        auswahl->clearSelection();
    }
    m_intern = warIntern;
}

Datensatzliste::Lage Datensatzliste::LageMerken() const
{
    Lage lage;
    lage.Zeile = m_aktuell;
    if (m_aktuell >= 0)
        lage.Name = Text(m_aktuell, 0);
    const QModelIndex oben = m_ansicht->indexAt(QPoint(1, 1));
    if (oben.isValid()) {
        lage.ObersteZeile = ZeileAn(oben.row());
        lage.ObersterName = Text(lage.ObersteZeile, 0);
    }
    return lage;
}

int Datensatzliste::ZeileMitName(const QString& name, int bevorzugt) const
{
    int beste = -1;
    for (int zeile = 0; zeile < Anzahl(); ++zeile) {
        if (Text(zeile, 0) != name)
            continue;
        if (beste < 0 || std::abs(zeile - bevorzugt) < std::abs(beste - bevorzugt))
            beste = zeile;
        if (bevorzugt < 0 || zeile >= bevorzugt)
            break;
    }
    return beste;
}

void Datensatzliste::LageWiederherstellen(const Lage& lage, bool melden)
{
    int zeile = lage.Name.isEmpty() ? -1 : ZeileMitName(lage.Name, lage.Zeile);
    if (zeile < 0 && lage.Zeile >= 0 && Anzahl() > 0)
        zeile = qMin(lage.Zeile, Anzahl() - 1);
    const int vorher = m_aktuell;
    m_aktuell = zeile;
    AnsichtAbgleichen();
    const int oben = lage.ObersterName.isEmpty() ? -1 : PositionVon(ZeileMitName(lage.ObersterName, lage.ObersteZeile));
    if (oben >= 0)
        m_ansicht->scrollTo(m_sicht->index(oben, 0), QAbstractItemView::PositionAtTop);
    if (PositionVon(m_aktuell) >= 0)
        m_ansicht->scrollTo(m_sicht->index(PositionVon(m_aktuell), 0));
    if (melden && vorher != m_aktuell)
        Q_EMIT AuswahlGeaendert(m_aktuell, vorher);
}

void Datensatzliste::FilterSetzen(const QString& text)
{
    if (m_filter->text() != text) {
        // The field reports the change back here.
        m_filter->setText(text);
        return;
    }
    m_sicht->FilterSetzen(Listenordnung::Suchwoerter(text));
    const int position = PositionVon(m_aktuell);
    if (position >= 0)
        m_ansicht->scrollTo(m_sicht->index(position, 0));
}

QString Datensatzliste::Filtertext() const
{
    return m_filter->text();
}

QString Datensatzliste::Zaehlertext() const
{
    if (!m_sicht->Gefiltert())
        return QString();
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    return QStringLiteral("%1 von %2").arg(deutsch.toString(AngezeigteAnzahl()), deutsch.toString(Anzahl()));
}

void Datensatzliste::ZaehlerZeigen()
{
    m_zaehler->setText(Zaehlertext());
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
    if (spalte < 0 || spalte >= SichtbareSpalten())
        return;
    m_richtung = richtung;
    m_sicht->sort(spalte, richtung);
    QHeaderView* kopf = m_ansicht->header();
    kopf->setSortIndicatorShown(true);
    kopf->setSortIndicator(spalte, richtung);
    const int position = PositionVon(m_aktuell);
    if (position >= 0)
        m_ansicht->scrollTo(m_sicht->index(position, 0));
}

int Datensatzliste::Sortierspalte() const
{
    return m_sicht->Spalte();
}

Qt::SortOrder Datensatzliste::Sortierrichtung() const
{
    return m_sicht->Richtung();
}

QHeaderView* Datensatzliste::Kopf() const
{
    return m_ansicht->header();
}

void Datensatzliste::setColumnWidth(int spalte, int breite)
{
    m_ansicht->setColumnWidth(spalte, breite);
}

int Datensatzliste::columnWidth(int spalte) const
{
    return m_ansicht->columnWidth(spalte);
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
    // The lines of the first view now; all the lines the view would measure once the window has shown.
    constexpr int kErsteZeilen = 100;
    BreitenMessen(qMin(Anzahl(), kErsteZeilen), hoechstbreite);
    if (Anzahl() > kErsteZeilen)
        Fenster::Spaeter(this, [this, hoechstbreite] {
            if (!m_breitenFest)
                BreitenMessen(qMin(Anzahl(), Kopf()->resizeContentsPrecision()), hoechstbreite);
        });
}

void Datensatzliste::BreitenMessen(int zeilen, int hoechstbreite)
{
    // The widths resizeColumnToContents would give over the first lines, each distinct text measured once:
    // the view would lay out every cell of every line through the style.
    QHeaderView* kopf = m_ansicht->header();
    const QFontMetricsF masse(m_ansicht->font());
    const int rand = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_ansicht) + 1);
    QSet<QString> gemessen;
    for (int s = 0; s < SichtbareSpalten(); ++s) {
        gemessen.clear();
        qreal breite = 0;
        for (int z = 0; z < zeilen; ++z) {
            const QString text = Text(z, s);
            if (!text.isEmpty() && !gemessen.contains(text)) {
                gemessen.insert(text);
                breite = qMax(breite, masse.horizontalAdvance(text));
            }
        }
        // A very long entry gets a scroll bar, it never pushes the other columns out of reach.
        const int inhalt = qMax(int(std::ceil(breite)) + rand, kopf->sectionSizeHint(s));
        setColumnWidth(s, qMin(inhalt, hoechstbreite));
    }
}

bool Datensatzliste::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() != QEvent::KeyPress)
        return QWidget::eventFilter(objekt, ereignis);
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() == Qt::Key_Escape && !m_filter->text().isEmpty()
        && (objekt == m_filter || objekt == m_ansicht)) {
        m_filter->clear();
        return true;
    }
    if (objekt == m_ansicht && taste->key() == Qt::Key_Delete && taste->modifiers() == Qt::NoModifier) {
        if (Anzahl() > 0)
            Q_EMIT LoeschenGedrueckt();
        return true;
    }
    // From the filter field the arrow keys go on into the list.
    if (objekt == m_filter && (taste->key() == Qt::Key_Down || taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter)
        && AngezeigteAnzahl() > 0) {
        m_ansicht->setFocus(Qt::TabFocusReason);
        if (PositionVon(m_aktuell) < 0)
            ZeileWaehlen(ZeileAn(0));
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Datensatzliste::showEvent(QShowEvent* ereignis)
{
    QWidget::showEvent(ereignis);
    SuchtasteAnbringen(window());
}

void Datensatzliste::SuchtasteAnbringen(QWidget* fenster)
{
    static const char* const kMerkmal = "werkbundSuchtaste";
    if (!fenster || fenster->property(kMerkmal).toBool())
        return;
    fenster->setProperty(kMerkmal, true);
    // One Find key per window: it goes to the shown list that holds the focus, else the first shown one.
    auto* kurz = new QShortcut(QKeySequence(QKeySequence::Find), fenster);
    QPointer<QWidget> ziel(fenster);
    QObject::connect(kurz, &QShortcut::activated, fenster, [ziel] {
        if (!ziel)
            return;
        Datensatzliste* gewaehlt = nullptr;
        for (Datensatzliste* liste : ziel->findChildren<Datensatzliste*>()) {
            if (!liste->isVisible() || liste->m_filterzeile->isHidden())
                continue;
            if (!gewaehlt || liste->isAncestorOf(QApplication::focusWidget()))
                gewaehlt = liste;
        }
        if (gewaehlt) {
            gewaehlt->m_filter->setFocus(Qt::ShortcutFocusReason);
            gewaehlt->m_filter->selectAll();
        }
    });
}
