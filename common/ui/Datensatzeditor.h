#pragma once

#include <QList>
#include <QStringList>

#include <functional>
#include <initializer_list>

class QWidget;

// The edit mode that the armory, the creatures and the goods share: whether the window shows its list, a
// record in the inputs (new or existing) or a record's page; which controls work in which state; whether the
// inputs hold edits not yet saved; and the one question asked before such edits would be thrown away.
// The program's own variables keep whether an existing record is edited and which row it is.
class Datensatzeditor {
public:
    enum class Zustand { Liste, Neu, Bearbeiten, Seite };

    // `felder` reads the record as the inputs show it now; an edit is any difference to what was loaded.
    Datensatzeditor(bool& bearbeitungsmodus, int& zeile, std::function<QStringList()> felder);

    // The control works only in the given states; with `mitDatensatz` also only while a record is chosen.
    void Steuern(QWidget* element, std::initializer_list<Zustand> zustaende, bool mitDatensatz = false);

    void Liste();
    void Neu();
    void Bearbeiten(int zeile);
    void Seite();

    Zustand Aktuell() const;
    bool Eingabe() const { return m_eingabe; }
    // The inputs show what is stored (just filled, emptied or saved).
    void Geladen();
    bool Geaendert() const;

    // Enables the controls for the state; `datensatz` says whether a record is chosen.
    void Anwenden(bool datensatz) const;

    // Before an action that would throw the inputs away; true when it may go on. Without edits it goes on at
    // once. Otherwise the user is asked: Speichern goes on only when `speichern` succeeded, Verwerfen goes
    // on, Abbrechen stays.
    bool Verlassen(const QString& name, const std::function<bool()>& speichern) const;

private:
    struct Regel {
        QWidget* element;
        unsigned zustaende;
        bool mitDatensatz;
    };

    bool& m_bearbeitungsmodus;
    int& m_zeile;
    std::function<QStringList()> m_felder;
    bool m_eingabe = false;
    bool m_seite = false;
    QStringList m_geladen;
    QList<Regel> m_regeln;
};
