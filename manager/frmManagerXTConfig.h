#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The window in which the user keeps the list of external programs ([XT] of Werkbund3.ini).
class frmManagerXTConfig : public QDialog {
    Q_OBJECT
public:
    explicit frmManagerXTConfig(QWidget* eltern = nullptr);
    ~frmManagerXTConfig() override;

    void done(int ergebnis) override;

public Q_SLOTS:
    void lstXT_Click();
    void cmdNeu_Click();
    void cmdDelete_Click();
    void cmdPfad_Click();
    void cmdSpeichern_Click();
    void txt_Change();

Q_SIGNALS:
    // The entries changed: the main window rebuilds its menu.
    void XTGeaendert();

private:
    void ListeFuellen();
    void Zuruecksetzen();
    // Saves what the boxes hold as the button does; false when nothing could be saved.
    bool Speichern();
    // The boxes differ from the entry they belong to (any typing for a new one).
    bool Geaendert() const;
    // Asks before the typing is dropped; false when it has to stay.
    bool AenderungenSichern();
    void ZeileSetzen(int zeile);

    // The entries as shown, and as the file held them when read or last saved (for merging another window's
    // changes into a save).
    QList<QStringList> m_liste;
    QList<QStringList> m_basis;
    bool m_neu = true;
    int m_zeile = -1; // the list line the boxes belong to; -1 for a new entry
    bool m_fuellen = false;

    QListWidget* lstXT = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtPfad = nullptr;
    QPushButton* cmdPfad = nullptr;
    QPushButton* cmdNeu = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdSpeichern = nullptr;
    QLabel* imgXT = nullptr;
};
